#include "safefilewriter.h"
#include "foundationlog.h"

#include "tulpaths.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One lock per file: two saves of one file never interleave, while a slow save of another
// file (a large log waiting for its fsync on a busy disk) holds nobody else up.
QMutex &saveMutex(const QString &path)
{
    static QMutex guard;
    static QHash<QString, QMutex *> locks; // one per file ever saved; never freed
    const QString key = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QMutexLocker lock(&guard);
    QMutex *&mutex = locks[key];
    if (!mutex)
        mutex = new QMutex;
    return *mutex;
}

bool fail(QString *errorText, const QString &text)
{
    qCWarning(lcFoundation).noquote() << "Safe write failed:" << text;
    if (errorText)
        *errorText = text;
    return false;
}

QString osError(const QString &what, const QString &path)
{
    return QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(strerror(errno)));
}

bool writeBytes(int fd, const char *p, qint64 left)
{
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// The folder of `path` and the file's name in it. Below a root, every folder is opened
// without following a link; the root itself is taken as configured.
struct Folder
{
    int fd = -1;
    QByteArray name;
    ~Folder()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool openFolder(const QString &path, Folder *folder, QString *errorText)
{
    const QString absolute = QFileInfo(path).isAbsolute() ? path : QDir::current().absoluteFilePath(path);
    const QString dir = QFileInfo(absolute).path();
    folder->name = QFile::encodeName(QFileInfo(absolute).fileName());
    if (folder->name.isEmpty() || folder->name == "." || folder->name == ".."
        || absolute.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return fail(errorText, QStringLiteral("refused %1: not a plain path").arg(path));
    const QString root = TulPaths::rootHolding(dir);
    bool below = false;
    const QStringList steps = root.isEmpty() ? QStringList() : TulPaths::stepsBelow(dir, root, &below);
    const QString start = root.isEmpty() ? dir : root;
    folder->fd = ::open(QFile::encodeName(start).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder->fd < 0)
        return fail(errorText, osError(QStringLiteral("cannot create"), path));
    QString reached = start;
    for (const QString &step : steps) {
        reached = QDir(reached).filePath(step);
        const int next = ::openat(folder->fd, QFile::encodeName(step).constData(),
                                  O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) {
            if (errno == ELOOP || errno == ENOTDIR) {
                return fail(errorText, QStringLiteral("refused %1: the folder %2 is a link or not a folder")
                                           .arg(path, reached));
            }
            return fail(errorText, osError(QStringLiteral("cannot create"), path));
        }
        ::close(folder->fd);
        folder->fd = next;
    }
    return true;
}

mode_t modeOf(SafeFileWriter::Access access)
{
    return access == SafeFileWriter::OwnerOnly ? 0600 : 0644;
}

// Creates the file exclusively; when something is at the name already (a link, a stale
// file of a killed save), removes it (a link itself, never its target) and tries once
// more: whatever appears in between makes O_EXCL fail instead of being written through.
int createIn(const Folder &folder, const QByteArray &name, SafeFileWriter::Access access, const QString &path,
             QString *errorText)
{
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::openat(folder.fd, name.constData(), flags, modeOf(access));
    if (fd < 0 && errno == EEXIST) {
        if (::unlinkat(folder.fd, name.constData(), 0) != 0 && errno != ENOENT) {
            fail(errorText, osError(QStringLiteral("cannot remove the stale"), path));
            return -1;
        }
        fd = ::openat(folder.fd, name.constData(), flags, modeOf(access));
    }
    if (fd < 0)
        fail(errorText, osError(QStringLiteral("cannot create"), path));
    return fd;
}

bool writeAll(int fd, const QByteArray &data)
{
    return writeBytes(fd, data.constData(), data.size());
}

} // namespace

bool SafeFileWriter::syncDirectory(const QString &dirPath)
{
    const QByteArray encoded = QFile::encodeName(dirPath);
    const int fd = ::open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

int SafeFileWriter::createFresh(const QString &path, QString *errorText)
{
    Folder folder;
    if (!openFolder(path, &folder, errorText))
        return -1;
    return createIn(folder, folder.name, Shared, path, errorText);
}

namespace {

// Writes `name` in `folder` afresh, checked and fsync'ed; nothing is left there on failure.
bool writeNewIn(const Folder &folder, const QByteArray &name, const SafeFileWriter::Content &write,
                SafeFileWriter::Access access, const QString &path, QString *errorText)
{
    const int fd = createIn(folder, name, access, path, errorText);
    if (fd < 0)
        return false;
    bool ok = write([fd](const char *data, int size) { return writeBytes(fd, data, size); });
    QString problem = ok ? QString() : osError(QStringLiteral("cannot write"), path);
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        problem = osError(QStringLiteral("cannot sync"), path);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        problem = osError(QStringLiteral("cannot close"), path);
    }
    if (!ok) {
        ::unlinkat(folder.fd, name.constData(), 0);
        return fail(errorText, problem);
    }
    return true;
}

SafeFileWriter::Content contentOf(const QByteArray &data)
{
    return [&data](const SafeFileWriter::Sink &sink) { return sink(data.constData(), data.size()); };
}

} // namespace

bool SafeFileWriter::writeNewFile(const QString &path, const QByteArray &data, QString *errorText, Access access)
{
    QMutexLocker lock(&saveMutex(path));
    Folder folder;
    return openFolder(path, &folder, errorText) && writeNewIn(folder, folder.name, contentOf(data), access, path, errorText);
}

bool SafeFileWriter::writeNewFile(const QString &path, const Content &write, QString *errorText, Access access)
{
    QMutexLocker lock(&saveMutex(path));
    Folder folder;
    return openFolder(path, &folder, errorText) && writeNewIn(folder, folder.name, write, access, path, errorText);
}

bool SafeFileWriter::writeFile(const QString &path, const QByteArray &data, QString *errorText, Access access)
{
    QMutexLocker lock(&saveMutex(path));
    Folder folder;
    if (!openFolder(path, &folder, errorText))
        return false;
    // The temporary file and the rename stay in the folder opened above, whatever is
    // done to the path meanwhile.
    const QByteArray tmp = QFile::encodeName(QFileInfo(temporaryPath(path)).fileName());
    if (!writeNewIn(folder, tmp, contentOf(data), access, temporaryPath(path), errorText))
        return false;
    if (::renameat(folder.fd, tmp.constData(), folder.fd, folder.name.constData()) != 0) {
        const QString problem = osError(QStringLiteral("cannot rename over"), path);
        ::unlinkat(folder.fd, tmp.constData(), 0);
        return fail(errorText, problem);
    }
    if (::fsync(folder.fd) != 0)
        qCWarning(lcFoundation) << "Safe write: cannot sync the folder of" << path;
    return true;
}

bool SafeFileWriter::appendToFile(const QString &path, const QByteArray &data, QString *errorText)
{
    QMutexLocker lock(&saveMutex(path));
    Folder folder;
    if (!openFolder(path, &folder, errorText))
        return false;
    const char *name = folder.name.constData();
    // O_NONBLOCK: a FIFO planted at the name must not hang the writer.
    int fd = ::openat(folder.fd, name, O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        fd = ::openat(folder.fd, name, O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return fail(errorText, osError(QStringLiteral("cannot open"), path));
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1) {
        ::close(fd);
        return fail(errorText, QStringLiteral("%1 is not a plain file of its own; not appended to").arg(path));
    }
    bool ok = writeAll(fd, data);
    QString problem = ok ? QString() : osError(QStringLiteral("cannot write"), path);
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        problem = osError(QStringLiteral("cannot sync"), path);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        problem = osError(QStringLiteral("cannot close"), path);
    }
    return ok || fail(errorText, problem);
}
