#include "safefilewriter.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

bool writeAll(int fd, const QByteArray &data)
{
    const char *p = data.constData();
    qint64 left = data.size();
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

bool SafeFileWriter::writeFile(const QString &path, const QByteArray &data, QString *errorText)
{
    QMutexLocker lock(&saveMutex());
    const QString tmp = temporaryPath(path);
    const QByteArray tmpName = QFile::encodeName(tmp);
    const QByteArray targetName = QFile::encodeName(path);

    const int fd = ::open(tmpName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return fail(errorText, osError(QStringLiteral("cannot create"), tmp));

    bool ok = writeAll(fd, data);
    QString problem = ok ? QString() : osError(QStringLiteral("cannot write"), tmp);
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        problem = osError(QStringLiteral("cannot sync"), tmp);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        problem = osError(QStringLiteral("cannot close"), tmp);
    }
    if (ok && ::rename(tmpName.constData(), targetName.constData()) != 0) {
        ok = false;
        problem = osError(QStringLiteral("cannot rename over"), path);
    }
    if (!ok) {
        ::unlink(tmpName.constData());
        return fail(errorText, problem);
    }
    if (!syncDirectory(QFileInfo(path).absolutePath()))
        qWarning() << "Safe write: cannot sync the folder of" << path;
    return true;
}
