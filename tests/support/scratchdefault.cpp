// Linked into every test. Each test program gets a scratch folder of its own in the
// temporary folder before main ("tul-test-XXXXXX", named by TUL_TEST_SCRATCH), and the
// temporary folder of the program and its children (TMPDIR) moves inside it, so that
// every temporary file and folder a test makes goes with it: at exit, and at a stop by
// SIGINT, SIGTERM or SIGHUP too (a Ctrl-C leaves nothing behind).
//
// A test program started by hand (under gdb, say), without the folders CTest gives it,
// also gets its data root, flash drive, system files and caches (QML's compiled files
// among them) in that folder, so that it never reads or writes the real data root or
// the home folder, and runs the device programs' stand-ins, offscreen. Under CTest the
// folders it was given stay.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// What the signal handler needs, set before it is installed: it may use nothing else.
char g_scratchPath[4096];
pid_t g_scratchOwner = 0;

struct DirEntry64
{
    unsigned long long ino;
    long long off;
    unsigned short reclen;
    unsigned char type;
    char name[1];
};

// Empties the folder open as fd, with system calls only (safe in a signal handler).
// Entries are removed while the folder is read, so it is read again until a pass finds
// nothing; a folder deeper than a test ever makes is left.
void emptyFolder(int fd, int depth)
{
    for (int pass = 0; pass < 8; ++pass) {
        bool found = false;
        ::lseek(fd, 0, SEEK_SET);
        char buffer[2048];
        long count;
        while ((count = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer)) > 0) {
            for (long at = 0; at < count;) {
                const auto *entry = reinterpret_cast<const DirEntry64 *>(buffer + at);
                at += entry->reclen;
                const char *name = entry->name;
                if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                    continue;
                found = true;
                if (::unlinkat(fd, name, 0) == 0 || errno != EISDIR || depth >= 24)
                    continue;
                const int child = ::openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (child >= 0) {
                    emptyFolder(child, depth + 1);
                    ::close(child);
                }
                ::unlinkat(fd, name, AT_REMOVEDIR);
            }
        }
        if (!found)
            return;
    }
}

void removeScratchAndStop(int signal)
{
    // A child between fork and exec shares the handler: only the owner removes.
    if (::getpid() == g_scratchOwner) {
        const int saved = errno;
        const int fd = ::open(g_scratchPath, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0) {
            emptyFolder(fd, 0);
            ::close(fd);
            ::rmdir(g_scratchPath);
        }
        errno = saved;
    }
    // SA_RESETHAND put the default action back: end of the same signal, as without us.
    ::raise(signal);
}

void setIfUnset(const char *name, const QByteArray &value)
{
    if (!qEnvironmentVariableIsSet(name))
        qputenv(name, value);
}

struct ScratchDefault
{
    QScopedPointer<QTemporaryDir> dir;

    ScratchDefault()
    {
        dir.reset(new QTemporaryDir(QDir::tempPath() + QStringLiteral("/tul-test-XXXXXX")));
        if (!dir->isValid())
            return;
        const QString base = dir->path() + QLatin1Char('/');
        const QByteArray baseName = QFile::encodeName(dir->path());
        if (size_t(baseName.size()) >= sizeof g_scratchPath)
            return;
        std::memcpy(g_scratchPath, baseName.constData(), size_t(baseName.size()) + 1);
        g_scratchOwner = ::getpid();
        struct sigaction action {};
        action.sa_handler = removeScratchAndStop;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        for (int signal : {SIGINT, SIGTERM, SIGHUP})
            ::sigaction(signal, &action, nullptr);

        // The moved temporary folder behaves as the usual one does for a test's children
        // that run as another user (a bus client as "nobody"): they pass through the root
        // and may make their own folders in it.
        const QByteArray tmp = QFile::encodeName(base + QStringLiteral("tmp"));
        QDir().mkpath(base + QStringLiteral("tmp"));
        ::chmod(baseName.constData(), 0711);
        ::chmod(tmp.constData(), 01777);
        qputenv("TUL_TEST_SCRATCH", baseName);
        qputenv("TMPDIR", tmp);

        if (qEnvironmentVariableIsSet("TUL_ROOT_DIR"))
            return;
        for (const char *folder : {"root", "flash", "system", "cache", "config", "data"})
            QDir().mkpath(base + QLatin1String(folder));
        qputenv("TUL_ROOT_DIR", QFile::encodeName(base + QStringLiteral("root/")));
        qputenv("TUL_FLASH_DIR", QFile::encodeName(base + QStringLiteral("flash/")));
        qputenv("TUL_SYSTEM_DIR", QFile::encodeName(base + QStringLiteral("system/")));
        // Caches, settings and data that Qt keeps under the home folder stay here too.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(base + QStringLiteral("cache")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(base + QStringLiteral("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(base + QStringLiteral("data")));
        qputenv("QML_DISK_CACHE_PATH", QFile::encodeName(base + QStringLiteral("cache/qmlcache")));
        setIfUnset("TUL_TOOLS_LOG", QFile::encodeName(base + QStringLiteral("tools.log")));
        setIfUnset("TUL_TOOLS_DIR", QByteArray(TUL_STANDINS_DIR));
        setIfUnset("TUL_SOURCE_DIR", QByteArray(TUL_SOURCE_DIR));
        setIfUnset("TUL_EOL_TCP_PORT", "0");
        setIfUnset("QT_QPA_PLATFORM", "offscreen");
        setIfUnset("QT_QUICK_BACKEND", "software");
    }

    ~ScratchDefault()
    {
        if (!dir || !dir->isValid())
            return;
        // A detached stand-in (a "sync" after a save) may still write in the folder while
        // it goes: try again rather than leave it behind.
        for (int attempt = 0; attempt < 20 && !dir->remove(); ++attempt)
            QThread::msleep(25);
    }
};

const ScratchDefault scratchDefault;

} // namespace
