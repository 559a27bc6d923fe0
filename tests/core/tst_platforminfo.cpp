// The kernel and board support texts of the platform information dialog.
#include "platforminfo.h"
#include "scratchroots.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestPlatformInfo : public QObject
{
    Q_OBJECT

private slots:
    void kernelText_data();
    void kernelText();
    void bspText_data();
    void bspText();
};

void TestPlatformInfo::kernelText_data()
{
    QTest::addColumn<QByteArray>("uname"); // the script that stands in for uname after the first query
    QTest::addColumn<QString>("text");
    QTest::newRow("stops at NUL, keeps line breaks") << QByteArray("printf 'Linux a\\nb\\n\\000hidden'")
                                                     << "Linux a<br>b<br>";
    QTest::newRow("no output at all") << QByteArray("exit 1") << "";
    QTest::newRow("NUL first") << QByteArray("printf '\\000hidden'") << "";
}

void TestPlatformInfo::kernelText()
{
    QFETCH(QByteArray, uname);
    QFETCH(QString, text);
    ScratchRoots scratch;
    PlatformInfo info;
    QSignalSpy changed(&info, &PlatformInfo::osKernelChanged);
    info.getOsKernelInformation();
    QCOMPARE(scratch.toolCalls(), QStringList{"uname -a"});
    // The trailing line feed of the output becomes a trailing "<br>".
    QVERIFY(info.get_osKernel().startsWith("Linux "));
    QVERIFY(info.get_osKernel().endsWith("GNU/Linux<br>"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), info.get_osKernel());

    const QString tools = scratch.base() + QStringLiteral("/tools");
    QVERIFY(QDir().mkpath(tools));
    QFile tool(tools + QStringLiteral("/uname"));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\n" + uname + "\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    scratch.setVariable("TUL_TOOLS_DIR", tools);
    info.getOsKernelInformation();
    QCOMPARE(info.get_osKernel(), text);
}

void TestPlatformInfo::bspText_data()
{
    QTest::addColumn<QStringList>("entries"); // name=content; a name ending in '/' is a folder
    QTest::addColumn<QString>("text");        // "shown" was shown before
    QTest::newRow("last entry by name, ignoring case")
        << QStringList{"BSP-a.txt=older", "BSP-B.txt=BSP 2.4\nbuilt 2026-01-01\n", "bsp-z.txt=lower case",
                       "menu.json={}"}
        << "BSP 2.4<br>built 2026-01-01<br>";
    QTest::newRow("CR LF as one break") << QStringList{"BSP-1=BSP 2.5\r\nrc\r\n"}
                                         << "BSP 2.5<br>rc<br>";
    QTest::newRow("no entry: nothing shown") << QStringList{"config.txt=x"} << "shown";
    QTest::newRow("a folder is not read") << QStringList{"BSP-a.txt=older", "BSP-dir/"} << "shown";
}

void TestPlatformInfo::bspText()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, text);
    ScratchRoots scratch;
    for (const QString &entry : entries) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        if (name.endsWith(QLatin1Char('/')))
            QVERIFY(QDir(scratch.root()).mkdir(name));
        else
            QVERIFY(scratch.writeRootFile(name, entry.section(QLatin1Char('='), 1).toUtf8()));
    }
    PlatformInfo info;
    info.set_bspInfo(QStringLiteral("shown"));
    // The data root is found through its path, wherever the process happens to be.
    const QString savedCwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(scratch.flash()));
    info.getBSPverInformation();
    QDir::setCurrent(savedCwd);
    QCOMPARE(info.get_bspInfo(), text);
}

QTEST_GUILESS_MAIN(TestPlatformInfo)
#include "tst_platforminfo.moc"
