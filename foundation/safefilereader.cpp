#include "safefilereader.h"
#include "foundationlog.h"

#include "safefilewriter.h"

#include <QDateTime>
#include <QDebug>
#include <QFileInfo>
#include <QFile>
#include <QLoggingCategory>
#include <QTextCodec>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
}

SafeFileReader::Result SafeFileReader::read(const QString &path, qint64 maxBytes,
                                            QByteArray *data, const char *what)
{
    data->clear();
    maxBytes = qBound<qint64>(0, maxBytes, INT_MAX - 1);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return Missing;
        qCWarning(lcFoundation).noquote() << "Cannot read the" << what << path << ":" << strerror(errno);
        return Unreadable;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        qCWarning(lcFoundation).noquote() << "The" << what << path << "is not a plain file; not read";
        return Unreadable;
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        qCWarning(lcFoundation).noquote() << "The" << what << path << "holds" << qint64(st.st_size)
                             << "bytes, more than the" << maxBytes << "it may; not read";
        return TooLarge;
    }
    // The size may change under us: read at most one byte past the cap to notice.
    QByteArray buffer(int(st.st_size) + 1, Qt::Uninitialized);
    qint64 got = 0;
    Result result = Ok;
    for (;;) {
        if (got == buffer.size()) {
            if (got > maxBytes) {
                result = TooLarge;
                break;
            }
            buffer.resize(int(qMin<qint64>(maxBytes + 1, got * 2 + 4096)));
        }
        const ssize_t n = ::read(fd, buffer.data() + got, size_t(buffer.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result = Unreadable;
            break;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    if (result == Ok && got > maxBytes)
        result = TooLarge;
    if (result == TooLarge) {
        qCWarning(lcFoundation).noquote() << "The" << what << path << "grew past the" << maxBytes
                             << "bytes it may hold; not read";
        return result;
    }
    if (result == Unreadable) {
        qCWarning(lcFoundation).noquote() << "Cannot read the" << what << path;
        return result;
    }
    buffer.truncate(int(got));
    *data = buffer;
    return Ok;
}

namespace {

// Group and others lose every right on the file at `path` itself (never a link's target).
bool narrowToOwner(const QByteArray &path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return false;
    if (S_ISLNK(st.st_mode))
        return true; // the link is moved, its target stays where and as it is
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) == 0)
        return true;
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat opened;
    const bool same = ::fstat(fd, &opened) == 0 && opened.st_dev == st.st_dev && opened.st_ino == st.st_ino;
    const bool narrowed = same && ::fchmod(fd, opened.st_mode & S_IRWXU) == 0;
    ::close(fd);
    return narrowed;
}

} // namespace

QString SafeFileReader::setAside(const QString &path, const QString &why, SafeFileWriter::Access access)
{
    const QString aside = path + QStringLiteral(".unusable-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyMMdd-HHmmss"));
    // Narrowed before the move, so that the copy is never readable under its new name.
    // Moved all the same when that fails: the next save would otherwise replace it.
    if (access == SafeFileWriter::OwnerOnly && !narrowToOwner(QFile::encodeName(path)))
        qCWarning(lcFoundation).noquote() << "The unusable" << path << "keeps its rights: they cannot be narrowed to the owner:"
                             << strerror(errno);
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0) {
        qCWarning(lcFoundation).noquote() << "Cannot set the unusable" << path << "aside (" << why << "):"
                             << strerror(errno);
        return QString();
    }
    SafeFileWriter::syncDirectory(QFileInfo(path).absolutePath());
    qCWarning(lcFoundation).noquote() << path << "cannot be used (" << why << "); kept as" << aside;
    return aside;
}

QString SafeFileReader::textProblem(const QByteArray &data)
{
    if (data.contains('\0'))
        return QStringLiteral("not text: holds NUL bytes");
    // Plain ASCII (nearly every line of a settings file) is UTF-8 without converting it.
    if (std::all_of(data.cbegin(), data.cend(), [](char c) { return uchar(c) < 0x80; }))
        return QString();
    static QTextCodec *const utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state;
    utf8->toUnicode(data.constData(), data.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        return QStringLiteral("not text: not UTF-8");
    return QString();
}

bool SafeFileReader::readTextAtStart(const QString &path, qint64 maxBytes, QByteArray *data, const char *what)
{
    QString why;
    switch (read(path, maxBytes, data, what)) {
    case Ok:
        why = textProblem(*data);
        if (why.isEmpty() && data->trimmed().isEmpty())
            why = QStringLiteral("empty");
        break;
    case Missing:
        return false;
    case TooLarge:
        why = QStringLiteral("larger than %1 bytes").arg(maxBytes);
        break;
    case Unreadable:
        why = QStringLiteral("unreadable");
        break;
    }
    if (why.isEmpty())
        return true;
    data->clear();
    setAside(path, QStringLiteral("%1: %2").arg(QLatin1String(what), why));
    return false;
}

bool SafeFileReader::prepareForLibrary(const QString &path, qint64 maxBytes, const char *what)
{
    struct stat st;
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name.constData(), &st) != 0)
        return errno == ENOENT;
    if (S_ISLNK(st.st_mode)) {
        qCWarning(lcFoundation).noquote() << "The" << what << path << "is a link; removed, not followed";
        return ::unlink(name.constData()) == 0;
    }
    if (!S_ISREG(st.st_mode))
        return !setAside(path, QStringLiteral("not a plain file")).isEmpty();
    if (st.st_size > maxBytes)
        return !setAside(path, QStringLiteral("larger than %1 bytes").arg(maxBytes)).isEmpty();
    return true;
}
