#include "interruptedsave.h"
#include "foundationlog.h"

#include "safefilereader.h"
#include "safefilewriter.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

InterruptedSave::Outcome InterruptedSave::settle(const QString &path, qint64 maxBytes,
                                                 const ContentCheck &isComplete)
{
    const QString leftover = leftoverPath(path);
    const QByteArray name = QFile::encodeName(leftover);
    struct stat st;
    if (::lstat(name.constData(), &st) != 0 || S_ISDIR(st.st_mode))
        return NothingLeft;
    // Only a plain file of our own is moved into place: a link planted at the name would
    // make the file an alias of one outside the data root.
    QByteArray data;
    const bool whole = S_ISREG(st.st_mode) && st.st_nlink == 1
        && SafeFileReader::read(leftover, maxBytes, &data, "interrupted save") == SafeFileReader::Ok
        && isComplete(data);
    if (!whole) {
        qCWarning(lcFoundation).noquote() << "Discarding the incomplete" << leftover;
        return ::unlink(name.constData()) == 0 ? Dropped : Failed;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const bool durable = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!durable || ::rename(name.constData(), QFile::encodeName(path).constData()) != 0) {
        qCWarning(lcFoundation).noquote() << "Cannot move" << leftover << "to" << path << ":" << strerror(errno);
        return Failed;
    }
    SafeFileWriter::syncDirectory(QFileInfo(path).absolutePath());
    qCInfo(lcFoundation).noquote() << "Completed the interrupted save of" << path;
    return Completed;
}
