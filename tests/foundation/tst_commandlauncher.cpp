#include "commandlauncher.h"
#include "scratchroots.h"

#include <QFile>
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

private slots:
    void init();
    void cleanup();
    void standInReplacesTheNamedProgram();
    void realProgramRunsWithoutStandIn();
    void wrapUpSlotGetsOutputAndExitCode();
    void programThatCannotStartIsReported();
    void handlerRunsOnceForACrash();
    void runAndWaitKillsACommandThatHangs();
    void destroyedContextNeverCallsTheHandler();

private:
    void writeTool(const QString &name, const QByteArray &body);
    QScopedPointer<ScratchRoots> m_scratch;
    QString m_tools;
};

void TestCommandLauncher::init()
{
    m_scratch.reset(new ScratchRoots);
    m_tools = m_scratch->base() + QStringLiteral("/tools");
    QDir().mkpath(m_tools);
    m_scratch->setVariable("TUL_TOOLS_DIR", m_tools);
}

void TestCommandLauncher::cleanup()
{
    m_scratch.reset();
}

void TestCommandLauncher::writeTool(const QString &name, const QByteArray &body)
{
    QFile tool(m_tools + QLatin1Char('/') + name);
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\n" + body + "\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestCommandLauncher::standInReplacesTheNamedProgram()
{
    writeTool(QStringLiteral("mount"), "echo \"stand-in $*\"");
    QCOMPARE(CommandLauncher::resolveProgram(QStringLiteral("/bin/mount")), m_tools + QStringLiteral("/mount"));
    const CommandResult result = CommandLauncher::runAndWait(QStringLiteral("/bin/mount"), {QStringLiteral("-a")});
    QVERIFY(result.ok());
    QCOMPARE(result.standardOutput, QByteArray("stand-in -a\n"));
    QCOMPARE(result.program, QStringLiteral("/bin/mount"));
}

void TestCommandLauncher::realProgramRunsWithoutStandIn()
{
    QCOMPARE(CommandLauncher::resolveProgram(QStringLiteral("/bin/echo")), QStringLiteral("/bin/echo"));
    const CommandResult result = CommandLauncher::runAndWait(QStringLiteral("/bin/echo"), {QStringLiteral("hi")});
    QVERIFY(result.ok());
    QCOMPARE(result.standardOutput, QByteArray("hi\n"));
}

void TestCommandLauncher::wrapUpSlotGetsOutputAndExitCode()
{
    writeTool(QStringLiteral("iwconfig"), "echo 'Link Quality=40/70'; echo oops >&2; exit 3");
    WrapUpReceiver receiver;
    CommandLauncher::start(QStringLiteral("/sbin/iwconfig"), {QStringLiteral("wlan0")}, &receiver,
                           &WrapUpReceiver::processWrapUp_step);
    QTRY_COMPARE(receiver.results.size(), 1);
    const CommandResult &r = receiver.results.first();
    QVERIFY(r.started && r.finished);
    QCOMPARE(r.exitCode, 3);
    QVERIFY(!r.ok());
    QCOMPARE(r.standardOutput, QByteArray("Link Quality=40/70\n"));
    QCOMPARE(r.standardError, QByteArray("oops\n"));
    QCOMPARE(r.arguments, QStringList{QStringLiteral("wlan0")});
}

void TestCommandLauncher::programThatCannotStartIsReported()
{
    const QString missing = QStringLiteral("/nonexistent/bin/gst-launch-0.10");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot start.*gst-launch"));
    WrapUpReceiver receiver;
    CommandLauncher::start(missing, {}, &receiver, &WrapUpReceiver::processWrapUp_step);
    QTRY_COMPARE(receiver.results.size(), 1);
    QVERIFY(!receiver.results.first().started);
    QVERIFY(!receiver.results.first().errorText.isEmpty());

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot start.*gst-launch"));
    QVERIFY(!CommandLauncher::runAndWait(missing).started);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot start.*gst-launch"));
    QVERIFY(!CommandLauncher::startDetached(missing));
    QTest::qWait(50);
    QCOMPARE(receiver.results.size(), 1);
}

void TestCommandLauncher::handlerRunsOnceForACrash()
{
    writeTool(QStringLiteral("aplay"), "kill -9 $$");
    WrapUpReceiver receiver;
    CommandLauncher::start(QStringLiteral("/usr/bin/aplay"), {}, &receiver, &WrapUpReceiver::processWrapUp_step);
    QTRY_COMPARE(receiver.results.size(), 1);
    QVERIFY(receiver.results.first().started);
    QVERIFY(!receiver.results.first().finished);
    QTest::qWait(50);
    QCOMPARE(receiver.results.size(), 1);
}

void TestCommandLauncher::runAndWaitKillsACommandThatHangs()
{
    writeTool(QStringLiteral("ping"), "echo 'first reply'; exec sleep 30");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ping.*did not finish"));
    QElapsedTimer timer;
    timer.start();
    const CommandResult r = CommandLauncher::runAndWait(QStringLiteral("/bin/ping"), {}, 5000, 200);
    QVERIFY(r.started);
    QVERIFY(!r.finished);
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(r.standardOutput, QByteArray("first reply\n")); // kept, though it never finished
}

void TestCommandLauncher::destroyedContextNeverCallsTheHandler()
{
    writeTool(QStringLiteral("udhcpc"), "exec sleep 30");
    int calls = 0;
    {
        QObject context;
        CommandLauncher::start(QStringLiteral("/sbin/udhcpc"), {}, &context,
                               [&calls](const CommandResult &) { ++calls; });
        QTest::qWait(50);
    }
    QTest::qWait(50);
    QCOMPARE(calls, 0);
}

QTEST_GUILESS_MAIN(TestCommandLauncher)
#include "tst_commandlauncher.moc"
