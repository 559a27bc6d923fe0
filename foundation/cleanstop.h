#ifndef CLEANSTOP_H
#define CLEANSTOP_H

#include <QObject>

#include <functional>

class QSocketNotifier;
class QThread;
class QTimer;

// SIGTERM and SIGINT end the program in order rather than at once: the signal reaches the
// event loop through a pipe, the loop quits as soon as no write chain is under way (or
// after StopGraceMs), and the objects torn down after it let their worker threads finish
// the requests already given to them. A second signal of the same kind ends the program
// at once.
class CleanStop : public QObject
{
    Q_OBJECT

public:
    static constexpr int StopGraceMs = 20000;

    // Installs the handlers; once, from main, after the application object exists.
    static bool install();

    // Held for as long as a write chain runs that must end before the program does.
    class PendingWrite
    {
    public:
        PendingWrite();
        ~PendingWrite();
        PendingWrite(const PendingWrite &) = delete;
        PendingWrite &operator=(const PendingWrite &) = delete;
    };
    static int writesUnderWay();

    // `action` runs on `receiver`'s thread when a stop signal comes, before the event loop
    // quits: a last chance for records kept back (a full disk) to be written. Dropped
    // with `receiver`. Safe from any thread.
    static void atStop(QObject *receiver, std::function<void()> action);

    // Ends `thread` once `worker` has dealt with every request already posted to it, and
    // waits for that.
    static void finishThread(QThread *thread, QObject *worker);

private:
    explicit CleanStop(int readFd, QObject *parent);
    void takeSignal();
    void quitWhenIdle();
    static void runStopActions();
    static void writeEnded();

    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_grace = nullptr;
    bool m_stopping = false;
};

#endif // CLEANSTOP_H
