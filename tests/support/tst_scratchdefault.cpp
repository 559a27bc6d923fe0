#include "tulpaths.h"

#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>

// Run without the folders CTest gives a test (as by hand or under gdb): the test program
// made its own before main, and every path of the program resolves into them.
class TestScratchDefault : public QObject
{
    Q_OBJECT

private slots:
    void pathsStayInScratchFolders_data();
    void pathsStayInScratchFolders();
    void stoppedTestLeavesNothing_data();
    void stoppedTestLeavesNothing();
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
    QTest::newRow("temporary files") << QDir::tempPath() << "/tmp";
    QTest::newRow("caches") << QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
                            << QDir::homePath() + QStringLiteral("/.cache/tst_scratchdefault");
    QTest::newRow("settings") << QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                              << QDir::homePath() + QStringLiteral("/.config/tst_scratchdefault");
}

void TestScratchDefault::pathsStayInScratchFolders()
{
    QFETCH(QString, path);
    QFETCH(QString, device);
    QVERIFY2(!path.isEmpty() && path != device, qPrintable(path));
    const QString scratchRoot = qEnvironmentVariable("TUL_TEST_SCRATCH");
    QVERIFY2(QFileInfo(scratchRoot).fileName().startsWith(QStringLiteral("tul-test-")), qPrintable(scratchRoot));
    const bool scratch = path.startsWith(scratchRoot + QLatin1Char('/'));
    const bool standIn = path.startsWith(qEnvironmentVariable("TUL_SOURCE_DIR") + QStringLiteral("/tools/standins/"));
    QVERIFY2(scratch || standIn, qPrintable(path));
    QVERIFY(QFileInfo(scratchRoot).isDir());
}

static QStringList leftIn(const QString &folder)
{
    QStringList left;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        left << it.next();
    return left;
}

// A test program stopped while it works (Ctrl-C, a time-out's SIGTERM) or ending by
// itself leaves nothing in the temporary folder or the home folder.
void TestScratchDefault::stoppedTestLeavesNothing_data()
{
    QTest::addColumn<int>("signal");  // 0: it runs to its end
    QTest::addColumn<int>("workMs");
    QTest::newRow("SIGINT") << int(SIGINT) << 30000;
    QTest::newRow("SIGTERM") << int(SIGTERM) << 30000;
    QTest::newRow("SIGHUP") << int(SIGHUP) << 30000;
    QTest::newRow("runs to its end") << 0 << 3000;
}

void TestScratchDefault::stoppedTestLeavesNothing()
{
    QFETCH(int, signal);
    QFETCH(int, workMs);
    QTemporaryDir outer;
    QVERIFY(outer.isValid());
    const QString tmp = outer.filePath(QStringLiteral("tmp"));
    const QString home = outer.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(tmp) && QDir().mkpath(home));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"TUL_ROOT_DIR", "TUL_FLASH_DIR", "TUL_SYSTEM_DIR", "TUL_TOOLS_LOG", "TUL_TEST_SCRATCH",
                             "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "QML_DISK_CACHE_PATH"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("TMPDIR"), tmp);
    env.insert(QStringLiteral("HOME"), home);
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(SCRATCH_CHILD), {QString::number(workMs)});
    QVERIFY(child.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(child.canReadLine() || child.state() == QProcess::NotRunning, 20000);
    QCOMPARE(child.readLine(), QByteArray("working\n"));
    QVERIFY(!leftIn(tmp).isEmpty());  // it works in the temporary folder

    if (signal)
        ::kill(pid_t(child.processId()), signal);
    QVERIFY(child.waitForFinished(20000));
    if (signal) {
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    } else {
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }
    QCOMPARE(leftIn(tmp), QStringList());
    QCOMPARE(leftIn(home), QStringList());
}

QTEST_GUILESS_MAIN(TestScratchDefault)
#include "tst_scratchdefault.moc"
