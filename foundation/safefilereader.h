#ifndef SAFEFILEREADER_H
#define SAFEFILEREADER_H

#include "safefilewriter.h"

#include <QByteArray>
#include <QString>

// Reads a whole file that someone else may have put there: only a plain file (a FIFO or
// a device behind the name is refused without blocking), and never more than the cap
// the caller fits to what the file holds. A refused file leaves `data` empty and says
// why in one log line naming `what`, so that the caller keeps its previous state.
class SafeFileReader
{
public:
    enum Result { Ok, Missing, TooLarge, Unreadable };

    static Result read(const QString &path, qint64 maxBytes, QByteArray *data,
                       const char *what = "file");

    // Moves a file that cannot be used out of the reader's way, under its name with
    // ".unusable-<date-time>" appended, so that nothing is lost and a later start does
    // not stumble over it again. Logs `why`; returns the new name, empty on failure.
    // OwnerOnly takes every right from group and others before the move (a file that
    // holds a pass phrase, written by an older program with wider rights).
    static QString setAside(const QString &path, const QString &why,
                            SafeFileWriter::Access access = SafeFileWriter::Shared);

    // For a file read at start, whose content is lines of text. A file that is there but
    // cannot be used (unreadable, not a plain file, over `maxBytes`, not text) is set aside
    // with the reason; so is an empty one. True when `data` holds the text; false when the
    // file is missing or was set aside (the caller then takes its defaults). A file whose
    // text holds no line the caller can use goes the same way through setAside.
    static bool readTextAtStart(const QString &path, qint64 maxBytes, QByteArray *data, const char *what);

    // Empty when `data` is text (UTF-8 without NUL); otherwise why it is not.
    static QString textProblem(const QByteArray &data);

    // For a file that a library reads and saves by itself (QSettings): a link at `path`
    // is removed, since the library's save would replace the file it points to, and a
    // file that is not plain or is larger than `maxBytes` is set aside, so that the
    // library starts afresh instead of reading it whole. True when `path` is now usable.
    static bool prepareForLibrary(const QString &path, qint64 maxBytes, const char *what);
};

#endif // SAFEFILEREADER_H
