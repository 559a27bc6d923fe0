#include "cleanstop.h"
#include "foundationlog.h"

#include "alarmtimings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};
std::atomic<int> g_writes {0};
QPointer<CleanStop> g_instance;

struct StopAction
{
    QPointer<QObject> receiver;
    std::function<void()> action;
};
QMutex g_actionsMutex;
QList<StopAction> g_actions;

// Only what is safe in a signal handler: one byte into the pipe.
void onSignal(int signal)
{
    const int saved = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

CleanStop::CleanStop(int readFd, QObject *parent)
    : QObject(parent)
    , m_notifier(new QSocketNotifier(readFd, QSocketNotifier::Read, this))
    , m_grace(new QTimer(this))
{
    connect(m_notifier, &QSocketNotifier::activated, this, &CleanStop::takeSignal);
    m_grace->setSingleShot(true);
    connect(m_grace, &QTimer::timeout, this, [this] {
        qCWarning(lcFoundation) << "Stopping with" << writesUnderWay() << "writes still under way after"
                   << m_grace->interval() << "ms";
        QCoreApplication::quit();
    });
}

bool CleanStop::install()
{
    if (g_instance || !QCoreApplication::instance())
        return false;
    if (::pipe2(g_signalPipe, O_NONBLOCK | O_CLOEXEC) != 0) {
        qCWarning(lcFoundation) << "No clean stop on SIGTERM: cannot make its pipe:" << strerror(errno);
        return false;
    }
    g_instance = new CleanStop(g_signalPipe[0], QCoreApplication::instance());
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int signal : {SIGTERM, SIGINT}) {
        if (::sigaction(signal, &action, nullptr) != 0)
            qCWarning(lcFoundation) << "No clean stop on signal" << signal << ":" << strerror(errno);
    }
    return true;
}

void CleanStop::takeSignal()
{
    char bytes[16];
    ssize_t n = 0;
    int signal = 0;
    while ((n = ::read(g_signalPipe[0], bytes, sizeof bytes)) > 0)
        signal = bytes[n - 1];
    if (signal == 0 || m_stopping)
        return;
    m_stopping = true;
    qCInfo(lcFoundation).noquote() << "Stopping on signal" << signal << "once" << writesUnderWay()
                      << "writes under way have ended";
    m_grace->start(AlarmTimings::scaled(StopGraceMs));
    runStopActions();
    quitWhenIdle();
}

void CleanStop::quitWhenIdle()
{
    if (m_stopping && g_writes == 0) {
        m_grace->stop();
        QCoreApplication::quit();
    }
}

void CleanStop::atStop(QObject *receiver, std::function<void()> action)
{
    QMutexLocker lock(&g_actionsMutex);
    g_actions.erase(std::remove_if(g_actions.begin(), g_actions.end(),
                                   [](const StopAction &a) { return a.receiver.isNull(); }),
                    g_actions.end());
    g_actions.append({receiver, std::move(action)});
}

// On this thread at once, so a save it starts is waited for; queued to a receiver on
// another thread, which takes it after the requests it already has (the workers' threads
// are finished only after the loop has quit, so it runs).
void CleanStop::runStopActions()
{
    QList<StopAction> actions;
    {
        QMutexLocker lock(&g_actionsMutex);
        actions = g_actions;
    }
    for (const StopAction &a : qAsConst(actions)) {
        if (a.receiver)
            QMetaObject::invokeMethod(a.receiver.data(), a.action, Qt::AutoConnection);
    }
}

CleanStop::PendingWrite::PendingWrite()
{
    ++g_writes;
}

CleanStop::PendingWrite::~PendingWrite()
{
    writeEnded();
}

void CleanStop::writeEnded()
{
    // Checked from the event loop: a chain that ends often starts the next save at once.
    if (--g_writes == 0 && g_instance)
        QMetaObject::invokeMethod(g_instance.data(), &CleanStop::quitWhenIdle, Qt::QueuedConnection);
}

int CleanStop::writesUnderWay()
{
    return g_writes;
}

void CleanStop::finishThread(QThread *thread, QObject *worker)
{
    // Posted behind the requests: the worker's event loop takes them all first.
    if (worker && thread->isRunning())
        QMetaObject::invokeMethod(worker, [thread] { thread->quit(); }, Qt::QueuedConnection);
    else
        thread->quit();
    thread->wait();
}
