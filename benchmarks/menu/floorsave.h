#ifndef FLOORSAVE_H
#define FLOORSAVE_H

// The least work of a durable save, for the floors of the menu benchmarks: a file
// written and fsync'ed, renamed over the target, the folder fsync'ed. The menu and
// day-part files must also go through their ".New" name, "/bin/sync" and "/bin/mv"
// and a detached "/bin/sync"; those tools resolve through TUL_TOOLS_DIR exactly as the
// program's launcher does, so that both sides run the same stand-ins, and start with
// posix_spawn as the program's do (a fork would copy the page tables the program's
// launcher never copies), with no pipes: nobody reads their output.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cerrno>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char **environ;

namespace FloorSave {

struct File
{
    QString path;
    QByteArray data;
};

inline QString tool(const QString &program)
{
    const QString dir = qEnvironmentVariable("TUL_TOOLS_DIR");
    const QFileInfo standIn(QDir(dir), QFileInfo(program).fileName());
    return !dir.isEmpty() && standIn.isExecutable() ? standIn.absoluteFilePath() : program;
}

inline bool syncFd(int fd) { return fd >= 0 && ::fsync(fd) == 0 && ::close(fd) == 0; }

inline bool writeSynced(const QString &path, const QByteArray &data)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        done += n;
    }
    return syncFd(fd);
}

inline bool syncFolder(const QString &path)
{
    const QString dir = QFileInfo(path).absolutePath();
    return syncFd(::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// Write, fsync, rename over the target, fsync the folder.
inline bool plainSave(const File &file)
{
    const QString temporary = file.path + QStringLiteral(".tmp");
    return writeSynced(temporary, file.data)
        && ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(file.path).constData()) == 0
        && syncFolder(file.path);
}

// Starts `program` (its stand-in when there is one) with standard input from
// /dev/null; the child's pid, or -1.
inline pid_t spawn(const QString &program, const QStringList &arguments)
{
    const QByteArray file = QFile::encodeName(tool(program));
    std::vector<QByteArray> words{file};
    for (const QString &argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t pid = -1;
    const int failed = ::posix_spawn(&pid, file.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

inline bool exitedWell(pid_t pid)
{
    int status = 0;
    pid_t r;
    while ((r = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
    }
    return r == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A detached command: nobody waits for it; it is reaped by the next reapDetached().
inline bool startDetached(const QString &program)
{
    return spawn(program, {}) > 0;
}

inline void reapDetached()
{
    while (::waitpid(-1, nullptr, WNOHANG) > 0) {
    }
}

// Starts one tool per file and waits for all of them: the program runs the chains of
// the files it saves at the same time.
inline bool runEach(const QString &program, const QVector<QStringList> &arguments)
{
    std::vector<pid_t> running;
    for (const QStringList &args : arguments)
        running.push_back(spawn(program, args));
    bool ok = true;
    for (pid_t pid : running)
        ok = pid > 0 && exitedWell(pid) && ok;
    return ok;
}

// The save chain of the menu and day-part files, for each file at once: ".New" written
// and fsync'ed, "/bin/sync", "/bin/mv" over the target, the folder fsync'ed, and a
// detached "/bin/sync".
inline bool chainSave(const QVector<File> &files)
{
    reapDetached();
    QVector<QStringList> syncs, moves;
    for (const File &file : files) {
        if (!writeSynced(file.path + QStringLiteral(".New"), file.data))
            return false;
        syncs << QStringList();
        moves << QStringList{file.path + QStringLiteral(".New"), file.path};
    }
    if (!runEach(QStringLiteral("/bin/sync"), syncs) || !runEach(QStringLiteral("/bin/mv"), moves))
        return false;
    for (const File &file : files) {
        if (!syncFolder(file.path) || !startDetached(QStringLiteral("/bin/sync")))
            return false;
    }
    return true;
}

} // namespace FloorSave

#endif // FLOORSAVE_H
