#include "platforminfo.h"
#include "scratchroots.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

class TestPlatformInfo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void kernelTextComesFromUname();
    void kernelTextStopsAtNulAndKeepsLineBreaks();
    void lastBspEntryByNameIgnoringCaseIsShown();
    void withoutBspEntryTheTextStaysEmpty();

private:
    void writeTool(const QString &name, const QByteArray &body);
    QScopedPointer<ScratchRoots> m_scratch;
};

void TestPlatformInfo::init()
{
    m_scratch.reset(new ScratchRoots);
}

void TestPlatformInfo::cleanup()
{
    m_scratch.reset();
}

void TestPlatformInfo::writeTool(const QString &name, const QByteArray &body)
{
    const QString tools = m_scratch->base() + QStringLiteral("/tools");
    QDir().mkpath(tools);
    QFile tool(tools + QLatin1Char('/') + name);
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\n" + body + "\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_scratch->setVariable("TUL_TOOLS_DIR", tools);
}

void TestPlatformInfo::kernelTextComesFromUname()
{
    PlatformInfo info;
    QSignalSpy changed(&info, &PlatformInfo::osKernelChanged);
    info.getOsKernelInformation();
    QCOMPARE(m_scratch->toolCalls(), QStringList{"uname -a"});
    // The trailing line feed of the output becomes a trailing "<br>".
    QVERIFY(info.get_osKernel().startsWith("Linux "));
    QVERIFY(info.get_osKernel().endsWith("GNU/Linux<br>"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), info.get_osKernel());
}

void TestPlatformInfo::kernelTextStopsAtNulAndKeepsLineBreaks()
{
    writeTool("uname", "printf 'Linux a\\nb\\n\\000hidden'");
    PlatformInfo info;
    info.getOsKernelInformation();
    QCOMPARE(info.get_osKernel(), QStringLiteral("Linux a<br>b<br>"));

    writeTool("uname", "exit 1"); // no output at all
    info.getOsKernelInformation();
    QCOMPARE(info.get_osKernel(), QString());
}

void TestPlatformInfo::lastBspEntryByNameIgnoringCaseIsShown()
{
    QVERIFY(m_scratch->writeRootFile("BSP-a.txt", "older"));
    QVERIFY(m_scratch->writeRootFile("BSP-B.txt", "BSP 2.4\nbuilt 2026-01-01\n\0rest"));
    QVERIFY(m_scratch->writeRootFile("bsp-z.txt", "not a BSP entry: lower case"));
    QVERIFY(m_scratch->writeRootFile("menu.json", "{}"));

    // The data root is found through its path, wherever the process happens to be.
    const QString savedCwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_scratch->flash()));
    PlatformInfo info;
    QTest::ignoreMessage(QtDebugMsg, qPrintable("looking for BSP file in : "
                                                + QDir(m_scratch->root()).absolutePath()));
    info.getBSPverInformation();
    QDir::setCurrent(savedCwd);
    QCOMPARE(info.get_bspInfo(), QStringLiteral("BSP 2.4<br>built 2026-01-01<br>"));
}

void TestPlatformInfo::withoutBspEntryTheTextStaysEmpty()
{
    QVERIFY(m_scratch->writeRootFile("config.txt", "x"));
    PlatformInfo info;
    QSignalSpy changed(&info, &PlatformInfo::bspInfoChanged);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^looking for BSP file in : "));
    QTest::ignoreMessage(QtDebugMsg, "Unable to open file: ");
    info.getBSPverInformation();
    QCOMPARE(info.get_bspInfo(), QString());
    QCOMPARE(changed.count(), 0);

    // A directory is not a file to show; what was shown stays.
    info.set_bspInfo("shown");
    QVERIFY(QDir(m_scratch->root()).mkdir("BSP-dir"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^looking for BSP file in : "));
    QTest::ignoreMessage(QtDebugMsg, "Unable to open file: BSP-dir");
    info.getBSPverInformation();
    QCOMPARE(info.get_bspInfo(), QStringLiteral("shown"));
}

QTEST_GUILESS_MAIN(TestPlatformInfo)
#include "tst_platforminfo.moc"
