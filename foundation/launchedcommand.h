#ifndef LAUNCHEDCOMMAND_H
#define LAUNCHEDCOMMAND_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QSocketNotifier;
class QTimer;

// What became of one external command.
struct CommandResult
{
    QString program;        // the program as the caller named it
    QStringList arguments;
    bool started = false;   // false: the program could not be started at all
    bool finished = false;  // ran to a normal exit (not crashed, killed or timed out)
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;
    QString errorText;      // why it did not start or finish

    bool ok() const { return started && finished && exitCode == 0; }
};

// One child process, started with posix_spawn rather than fork: the program's address
// space is neither copied nor marked copy-on-write, so a command run from a large process
// (the Wi-Fi poll every ten seconds) costs no page-table copy and no fault on every page
// the program writes afterwards. Standard output and error are collected; standard input
// is /dev/null. The end of the child is seen through a pidfd where the kernel has them,
// else by polling. finished() is emitted once, always from the event loop, also when the
// program could not be started. A command destroyed while its child runs kills it.
class LaunchedCommand : public QObject
{
    Q_OBJECT
public:
    LaunchedCommand(const QString &program, const QStringList &arguments, QObject *parent = nullptr);
    ~LaunchedCommand() override;

    // Starts `path` (the program itself or its stand-in) with the arguments; the outcome
    // arrives through finished().
    void start(const QString &path);
    // Before start: the child's output goes to /dev/null rather than through pipes, for a
    // command whose output nobody reads (one started and forgotten).
    void discardOutput() { m_discardOutput = true; }
    bool isRunning() const { return m_pid > 0; }
    QString program() const { return m_result.program; }
    // The outcome so far; complete once finished() has been emitted.
    const CommandResult &result() const { return m_result; }
    // Blocks the calling thread until the child has ended or `msecs` have passed, reading
    // its output meanwhile; true when it has ended. finished() is emitted all the same.
    bool waitForFinished(int msecs);
    // Ends the child at once; finished() follows with finished false.
    void kill();

signals:
    void finished(const CommandResult &result);

private:
    void spawn(const QString &path);
    void readOutput(int &fd, QSocketNotifier *&notifier, QByteArray &into);
    void readAllOutput();
    void checkExit();
    void finish();
    void closeFds();

    CommandResult m_result;
    qint64 m_pid = -1;
    int m_outFd = -1;
    int m_errFd = -1;
    int m_pidFd = -1;
    bool m_killed = false;
    bool m_discardOutput = false;
    QSocketNotifier *m_outNotifier = nullptr;
    QSocketNotifier *m_errNotifier = nullptr;
    QSocketNotifier *m_exitNotifier = nullptr;
    QTimer *m_exitPoll = nullptr;
};

#endif // LAUNCHEDCOMMAND_H
