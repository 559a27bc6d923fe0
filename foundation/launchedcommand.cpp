#include "launchedcommand.h"
#include "foundationlog.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// Kernels before 5.3 have no pidfd: the end of the child is then polled this often.
constexpr int ExitPollMs = 20;
// How long a destroyed command waits for the child it killed to be reaped.
constexpr int ReapOnDestroyMs = 1000;

int openPidFd(qint64 pid)
{
#ifdef SYS_pidfd_open
    const long fd = ::syscall(SYS_pidfd_open, pid_t(pid), 0);
    if (fd >= 0) {
        ::fcntl(int(fd), F_SETFD, FD_CLOEXEC);
        return int(fd);
    }
#else
    Q_UNUSED(pid)
#endif
    return -1;
}

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

LaunchedCommand::LaunchedCommand(const QString &program, const QStringList &arguments, QObject *parent)
    : QObject(parent)
{
    m_result.program = program;
    m_result.arguments = arguments;
}

LaunchedCommand::~LaunchedCommand()
{
    if (m_pid > 0) {
        ::kill(pid_t(m_pid), SIGKILL);
        // Reaped here, or the child stays a zombie for the program's lifetime.
        for (int waited = 0; waited < ReapOnDestroyMs; ++waited) {
            const pid_t r = ::waitpid(pid_t(m_pid), nullptr, WNOHANG);
            if (r != 0 && !(r < 0 && errno == EINTR))
                break;
            ::usleep(1000);
        }
    }
    closeFds();
}

void LaunchedCommand::start(const QString &path)
{
    spawn(path);
    if (m_pid > 0)
        return;
    qCWarning(lcFoundation).noquote() << "Cannot start" << m_result.program << ":" << m_result.errorText;
    // Reported from the event loop, as every other outcome.
    QTimer::singleShot(0, this, &LaunchedCommand::finish);
}

void LaunchedCommand::spawn(const QString &path)
{
    int out[2] = {-1, -1}, err[2] = {-1, -1};
    if (!m_discardOutput && ::pipe2(out, O_CLOEXEC) != 0) {
        m_result.errorText = errnoText(errno);
        return;
    }
    if (!m_discardOutput && ::pipe2(err, O_CLOEXEC) != 0) {
        m_result.errorText = errnoText(errno);
        ::close(out[0]);
        ::close(out[1]);
        return;
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (m_discardOutput) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    } else {
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    }
    // The child starts with no signal blocked and SIGPIPE at its default, as a shell
    // would start it.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t mask;
    sigemptyset(&mask);
    posix_spawnattr_setsigmask(&attributes, &mask);
    sigaddset(&mask, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &mask);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    const QByteArray file = QFile::encodeName(path);
    std::vector<QByteArray> words{file};
    for (const QString &argument : qAsConst(m_result.arguments))
        words.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t pid = -1;
    // A name without a slash is looked up in PATH, as QProcess does.
    const int spawned = path.contains(QLatin1Char('/'))
                            ? ::posix_spawn(&pid, file.constData(), &actions, &attributes, argv.data(), environ)
                            : ::posix_spawnp(&pid, file.constData(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    for (int fd : {out[1], err[1]}) {
        if (fd >= 0)
            ::close(fd);
    }
    if (spawned != 0) {
        m_result.errorText = errnoText(spawned);
        for (int fd : {out[0], err[0]}) {
            if (fd >= 0)
                ::close(fd);
        }
        return;
    }

    m_pid = pid;
    m_result.started = true;
    if (!m_discardOutput) {
        m_outFd = out[0];
        m_errFd = err[0];
        for (int fd : {m_outFd, m_errFd})
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        m_outNotifier = new QSocketNotifier(m_outFd, QSocketNotifier::Read, this);
        connect(m_outNotifier, &QSocketNotifier::activated, this,
                [this] { readOutput(m_outFd, m_outNotifier, m_result.standardOutput); });
        m_errNotifier = new QSocketNotifier(m_errFd, QSocketNotifier::Read, this);
        connect(m_errNotifier, &QSocketNotifier::activated, this,
                [this] { readOutput(m_errFd, m_errNotifier, m_result.standardError); });
    }

    m_pidFd = openPidFd(m_pid);
    if (m_pidFd >= 0) {
        m_exitNotifier = new QSocketNotifier(m_pidFd, QSocketNotifier::Read, this);
        connect(m_exitNotifier, &QSocketNotifier::activated, this, &LaunchedCommand::checkExit);
    } else {
        m_exitPoll = new QTimer(this);
        connect(m_exitPoll, &QTimer::timeout, this, &LaunchedCommand::checkExit);
        m_exitPoll->start(ExitPollMs);
    }
}

void LaunchedCommand::readOutput(int &fd, QSocketNotifier *&notifier, QByteArray &into)
{
    if (fd < 0)
        return;
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0) {
            into.append(chunk, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0) {
            // The child's end is closed: nothing more will come on this one.
            if (notifier) {
                notifier->setEnabled(false);
                notifier->deleteLater();
                notifier = nullptr;
            }
            ::close(fd);
            fd = -1;
        }
        return;
    }
}

void LaunchedCommand::readAllOutput()
{
    readOutput(m_outFd, m_outNotifier, m_result.standardOutput);
    readOutput(m_errFd, m_errNotifier, m_result.standardError);
}

bool LaunchedCommand::waitForFinished(int msecs)
{
    QElapsedTimer clock;
    clock.start();
    while (m_pid > 0) {
        const qint64 left = msecs - clock.elapsed();
        if (left <= 0)
            return false;
        pollfd fds[3];
        nfds_t count = 0;
        for (int fd : {m_outFd, m_errFd, m_pidFd}) {
            if (fd >= 0)
                fds[count++] = {fd, POLLIN, 0};
        }
        // Without a pidfd the end is looked for every ExitPollMs.
        const int wait = int(m_pidFd >= 0 ? left : qMin<qint64>(left, ExitPollMs));
        if (::poll(fds, count, wait) < 0 && errno != EINTR)
            return false;
        readAllOutput();
        checkExit();
    }
    return true;
}

void LaunchedCommand::kill()
{
    if (m_pid <= 0)
        return;
    m_killed = true;
    ::kill(pid_t(m_pid), SIGKILL);
}

void LaunchedCommand::checkExit()
{
    if (m_pid <= 0)
        return;
    int status = 0;
    pid_t r;
    do {
        r = ::waitpid(pid_t(m_pid), &status, WNOHANG);
    } while (r < 0 && errno == EINTR);
    if (r == 0)
        return; // still running (a spurious wake-up)
    m_pid = -1;
    if (r < 0) {
        m_result.errorText = QStringLiteral("exit status lost: ") + errnoText(errno);
    } else if (WIFEXITED(status)) {
        m_result.finished = true;
        m_result.exitCode = WEXITSTATUS(status);
    } else {
        m_result.errorText = m_killed ? QStringLiteral("killed")
                                      : QStringLiteral("crashed (signal %1)").arg(WTERMSIG(status));
    }
    // What the child wrote before it ended is still in the pipes.
    readAllOutput();
    finish();
}

void LaunchedCommand::finish()
{
    closeFds();
    emit finished(m_result);
}

void LaunchedCommand::closeFds()
{
    // Disabled at once, deleted later: this may run inside one of their own signals.
    for (QSocketNotifier *notifier : {m_outNotifier, m_errNotifier, m_exitNotifier}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    if (m_exitPoll) {
        m_exitPoll->stop();
        m_exitPoll->deleteLater();
    }
    m_outNotifier = m_errNotifier = m_exitNotifier = nullptr;
    m_exitPoll = nullptr;
    for (int *fd : {&m_outFd, &m_errFd, &m_pidFd}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}
