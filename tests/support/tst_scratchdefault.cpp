#include "tulpaths.h"

#include <QDir>
#include <QtTest>

// Run without the folders CTest gives a test (as by hand or under gdb): the test program
// made its own before main, and every path of the program resolves into them.
class TestScratchDefault : public QObject
{
    Q_OBJECT

private slots:
    void pathsStayInScratchFolders_data();
    void pathsStayInScratchFolders();
};

void TestScratchDefault::pathsStayInScratchFolders_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("device");  // where it would be on the cabinet
    QTest::newRow("data root") << TulPaths::rootPath(QStringLiteral("config.txt")) << "/root/config.txt";
    QTest::newRow("flash drive") << TulPaths::flashPath(QStringLiteral("x.csv")) << "/media/sda1/x.csv";
    QTest::newRow("system file") << TulPaths::resolve(QStringLiteral("/etc/network/interfaces"))
                                 << "/etc/network/interfaces";
    QTest::newRow("tool log") << qEnvironmentVariable("TUL_TOOLS_LOG") << "";
    QTest::newRow("device programs") << qEnvironmentVariable("TUL_TOOLS_DIR") + QStringLiteral("/sync") << "/bin/sync";
}

void TestScratchDefault::pathsStayInScratchFolders()
{
    QFETCH(QString, path);
    QFETCH(QString, device);
    QVERIFY2(!path.isEmpty() && path != device, qPrintable(path));
    const bool scratch = path.startsWith(QDir::tempPath() + QStringLiteral("/tul-test-"));
    const bool standIn = path.startsWith(qEnvironmentVariable("TUL_SOURCE_DIR") + QStringLiteral("/tools/standins/"));
    QVERIFY2(scratch || standIn, qPrintable(path));
    if (scratch)
        QVERIFY2(QFileInfo::exists(path.section(QLatin1Char('/'), 0, QDir::tempPath().count(QLatin1Char('/')) + 1)),
                 qPrintable(path));
}

QTEST_GUILESS_MAIN(TestScratchDefault)
#include "tst_scratchdefault.moc"
