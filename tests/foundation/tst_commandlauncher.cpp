#include "commandlauncher.h"
#include "scratchroots.h"

#include <QtTest>

class WrapUpReceiver : public QObject
{
    Q_OBJECT
public:
    QList<CommandResult> results;
    void processWrapUp_step(const CommandResult &result) { results << result; }
};

class TestCommandLauncher : public QObject
{
    Q_OBJECT
    QScopedPointer<ScratchRoots> m_scratch;
    QString m_tools;

    // A stand-in for the program of that name, found before the real one.
    void writeTool(const QString &name, const QByteArray &body)
    {
        QFile tool(m_tools + '/' + name);
        QVERIFY(tool.open(QIODevice::WriteOnly) && tool.write("#!/bin/sh\n" + body + "\n") > 0);
        tool.close();
        tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private slots:
    void init()
    {
        m_scratch.reset(new ScratchRoots);
        m_tools = m_scratch->base() + "/tools";
        QDir().mkpath(m_tools);
        m_scratch->setVariable("TUL_TOOLS_DIR", m_tools);
    }
    void cleanup() { m_scratch.reset(); }

    // The same outcome whether waited for or handed to the wrap-up slot, and that slot
    // called once only.
    void outcome_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QByteArray>("standIn"); // empty: none
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("stand-in replaces the named program") << "/bin/mount" << QByteArray("echo \"stand-in $*\"")
                                                             << true << true << 0 << QByteArray("stand-in -a\n") << QByteArray();
        QTest::newRow("real program without stand-in") << "/bin/echo" << QByteArray() << true << true << 0
                                                       << QByteArray("-a\n") << QByteArray();
        QTest::newRow("exit code and both outputs") << "/sbin/iwconfig"
                                                    << QByteArray("echo 'Link Quality=40/70'; echo oops >&2; exit 3")
                                                    << true << true << 3 << QByteArray("Link Quality=40/70\n") << QByteArray("oops\n");
        QTest::newRow("cannot start") << "/nonexistent/bin/gst-launch-0.10" << QByteArray() << false << false << 0
                                      << QByteArray() << QByteArray();
        QTest::newRow("crash") << "/usr/bin/aplay" << QByteArray("kill -9 $$") << true << false << 0 << QByteArray() << QByteArray();
    }
    void outcome()
    {
        QFETCH(QString, program);
        QFETCH(QByteArray, standIn);
        QFETCH(bool, started);
        QFETCH(bool, finished);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const QString name = QFileInfo(program).fileName();
        if (!standIn.isEmpty())
            writeTool(name, standIn);
        QCOMPARE(CommandLauncher::resolveProgram(program), standIn.isEmpty() ? program : m_tools + '/' + name);
        for (int i = 0; !started && i < 3; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot start.*gst-launch"));
        WrapUpReceiver receiver;
        CommandLauncher::start(program, {"-a"}, &receiver, &WrapUpReceiver::processWrapUp_step);
        QTRY_COMPARE(receiver.results.size(), 1);
        for (const CommandResult &r : {receiver.results.first(), CommandLauncher::runAndWait(program, {"-a"})}) {
            QCOMPARE(r.started, started);
            QCOMPARE(r.finished, finished);
            QCOMPARE(r.ok(), finished && exitCode == 0);
            QVERIFY(started || !r.errorText.isEmpty());
            QCOMPARE(r.program, program);
            QCOMPARE(r.arguments, QStringList("-a"));
            if (finished)
                QCOMPARE(r.exitCode, exitCode);
            QCOMPARE(r.standardOutput, out);
            QCOMPARE(r.standardError, err);
        }
        QCOMPARE(CommandLauncher::startDetached(program), started);
        QTest::qWait(50);
        QCOMPARE(receiver.results.size(), 1);
    }

    void runAndWaitKillsACommandThatHangs()
    {
        writeTool("ping", "echo 'first reply'; exec sleep 30");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ping.*did not finish"));
        QElapsedTimer timer;
        timer.start();
        const CommandResult r = CommandLauncher::runAndWait("/bin/ping", {}, 200);
        QVERIFY(r.started && !r.finished && timer.elapsed() < 5000);
        QCOMPARE(r.standardOutput, QByteArray("first reply\n")); // kept, though it never finished
    }

    // Nobody waits for a detached command, yet it is reaped when it ends: a cabinet that
    // syncs after every save must not collect zombies. Nobody reads its output either, so
    // output beyond what a pipe holds must not stop it short of its end.
    void detachedCommandLeavesNoZombie_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("quiet") << QByteArray();
        QTest::newRow("more output than a pipe holds") << QByteArray("head -c 300000 /dev/zero; ");
        QTest::newRow("more errors than a pipe holds") << QByteArray("head -c 300000 /dev/zero >&2; ");
    }
    void detachedCommandLeavesNoZombie()
    {
        QFETCH(QByteArray, before);
        const QString pidFile = m_scratch->base() + "/sync.pid";
        QFile::remove(pidFile);
        writeTool("sync", before + "echo $$ > '" + pidFile.toUtf8() + "'");
        QVERIFY(CommandLauncher::startDetached("/bin/sync"));
        QTRY_VERIFY(QFileInfo(pidFile).size() > 0);
        QFile file(pidFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString proc = "/proc/" + QString::fromLatin1(file.readAll().trimmed());
        QTRY_VERIFY(!QFileInfo::exists(proc));
    }

    void destroyedContextNeverCallsTheHandler()
    {
        writeTool("udhcpc", "exec sleep 30");
        int calls = 0;
        {
            QObject context;
            CommandLauncher::start("/sbin/udhcpc", {}, &context, [&calls](const CommandResult &) { ++calls; });
            QTest::qWait(50);
        }
        QTest::qWait(50);
        QCOMPARE(calls, 0);
    }
};

QTEST_GUILESS_MAIN(TestCommandLauncher)
#include "tst_commandlauncher.moc"
