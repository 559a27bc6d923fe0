#include "launchedcommand.h"

#include <QtTest>

#include <cerrno>

#include <signal.h>
#include <sys/wait.h>

class TestLaunchedCommand : public QObject
{
    Q_OBJECT

    static bool processExists(qint64 pid) { return pid > 0 && ::kill(pid_t(pid), 0) == 0; }

private slots:
    // How a command ends, and what it leaves in the result: once only, with everything it
    // wrote, and its child gone afterwards.
    void ends_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("killAfterStart");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("outBytes");
        QTest::addColumn<QByteArray>("err");
        // More than a pipe holds: read while the child runs, or it would block for ever.
        QTest::newRow("output larger than a pipe") << "head -c 300000 /dev/zero; echo done >&2" << false << true << 0
                                                   << 300000 << QByteArray("done\n");
        // Input is /dev/null: a command that reads it ends instead of waiting.
        QTest::newRow("reads its input") << "cat; exit 4" << false << true << 4 << 0 << QByteArray();
        QTest::newRow("killed while running") << "echo started; exec sleep 30" << true << false << -1 << 8
                                              << QByteArray();
    }
    void ends()
    {
        QFETCH(QString, script);
        QFETCH(bool, killAfterStart);
        QFETCH(bool, finished);
        QFETCH(int, exitCode);
        QFETCH(int, outBytes);
        QFETCH(QByteArray, err);
        LaunchedCommand command(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
        QList<CommandResult> results;
        connect(&command, &LaunchedCommand::finished, this, [&results](const CommandResult &r) { results << r; });
        command.start(QStringLiteral("/bin/sh"));
        QVERIFY(command.isRunning());
        if (killAfterStart) {
            QTest::qWait(100);
            command.kill();
        }
        QTRY_COMPARE_WITH_TIMEOUT(results.size(), 1, 10000);
        const CommandResult &r = results.first();
        QVERIFY(r.started);
        QCOMPARE(r.finished, finished);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.standardOutput.size(), outBytes);
        QCOMPARE(r.standardError, err);
        QCOMPARE(r.errorText.isEmpty(), finished);
        QVERIFY(!command.isRunning());
        QTest::qWait(50);
        QCOMPARE(results.size(), 1);
    }

    // A command destroyed while its child runs takes the child with it: no process left
    // behind, no zombie.
    void destroyingKillsTheChild()
    {
        QTemporaryDir dir;
        const QString pidFile = dir.filePath(QStringLiteral("pid"));
        qint64 pid = 0;
        {
            LaunchedCommand command(QStringLiteral("/bin/sh"),
                                    {QStringLiteral("-c"), QStringLiteral("echo $$ > '%1'; exec sleep 30").arg(pidFile)});
            command.start(QStringLiteral("/bin/sh"));
            QTRY_VERIFY(QFileInfo(pidFile).size() > 0);
            QFile file(pidFile);
            QVERIFY(file.open(QIODevice::ReadOnly));
            pid = file.readAll().trimmed().toLongLong();
            QVERIFY(processExists(pid));
        }
        // Reaped: the pid is no child of ours any more (whatever may reuse it since).
        QCOMPARE(int(::waitpid(pid_t(pid), nullptr, WNOHANG)), -1);
        QCOMPARE(errno, ECHILD);
    }

    // A program that cannot start is reported from the event loop, not from start().
    void cannotStartIsReportedLater()
    {
        LaunchedCommand command(QStringLiteral("/nonexistent/tool"), {});
        QList<CommandResult> results;
        connect(&command, &LaunchedCommand::finished, this, [&results](const CommandResult &r) { results << r; });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot start /nonexistent/tool"));
        command.start(QStringLiteral("/nonexistent/tool"));
        QCOMPARE(results.size(), 0);
        QVERIFY(!command.isRunning());
        QTRY_COMPARE(results.size(), 1);
        QVERIFY(!results.first().started && !results.first().finished && !results.first().errorText.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLaunchedCommand)
#include "tst_launchedcommand.moc"
