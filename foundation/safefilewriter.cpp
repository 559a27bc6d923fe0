#include "safefilewriter.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QMutex &saveMutex()
{
    static QMutex mutex;
    return mutex;
}

bool fail(QString *errorText, const QString &text)
{
    qWarning().noquote() << "Safe write failed:" << text;
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
    const QByteArray name = QFile::encodeName(path);
    // unlink removes a link itself, never its target; a stale file of a killed save goes
    // too. Whatever appears in between makes O_EXCL fail instead of being written through.
    if (::unlink(name.constData()) != 0 && errno != ENOENT) {
        fail(errorText, osError(QStringLiteral("cannot remove the stale"), path));
        return -1;
    }
    const int fd = ::open(name.constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        fail(errorText, osError(QStringLiteral("cannot create"), path));
    return fd;
}

namespace {

bool writeNewFileUnlocked(const QString &path, const SafeFileWriter::Content &write, QString *errorText)
{
    const int fd = SafeFileWriter::createFresh(path, errorText);
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
        ::unlink(QFile::encodeName(path).constData());
        return fail(errorText, problem);
    }
    return true;
}

bool writeNewFileUnlocked(const QString &path, const QByteArray &data, QString *errorText)
{
    return writeNewFileUnlocked(path, [&data](const SafeFileWriter::Sink &sink) {
        return sink(data.constData(), data.size());
    }, errorText);
}

} // namespace

bool SafeFileWriter::writeNewFile(const QString &path, const QByteArray &data, QString *errorText)
{
    QMutexLocker lock(&saveMutex());
    return writeNewFileUnlocked(path, data, errorText);
}

bool SafeFileWriter::writeNewFile(const QString &path, const Content &write, QString *errorText)
{
    QMutexLocker lock(&saveMutex());
    return writeNewFileUnlocked(path, write, errorText);
}

bool SafeFileWriter::writeFile(const QString &path, const QByteArray &data, QString *errorText)
{
    QMutexLocker lock(&saveMutex());
    const QString tmp = temporaryPath(path);
    if (!writeNewFileUnlocked(tmp, data, errorText))
        return false;
    if (::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(path).constData()) != 0) {
        const QString problem = osError(QStringLiteral("cannot rename over"), path);
        ::unlink(QFile::encodeName(tmp).constData());
        return fail(errorText, problem);
    }
    if (!syncDirectory(QFileInfo(path).absolutePath()))
        qWarning() << "Safe write: cannot sync the folder of" << path;
    return true;
}

bool SafeFileWriter::appendToFile(const QString &path, const QByteArray &data, QString *errorText)
{
    QMutexLocker lock(&saveMutex());
    const QByteArray name = QFile::encodeName(path);
    // O_NONBLOCK: a FIFO planted at the name must not hang the writer.
    int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
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
