#ifndef SAFEFILEWRITER_H
#define SAFEFILEWRITER_H

#include <QByteArray>
#include <QString>

#include <functional>

// Replaces a file so that a power cut at any moment leaves either the old or the new
// content: the data goes to "<path>.tmp", every write is checked, the file is flushed
// and fsync'ed, renamed over the target, and the folder is fsync'ed so the rename is
// durable. On failure the target is untouched, the temporary file removed and false
// returned. Saves of one file are serialised, so they never interleave; saves of different
// files do not wait for each other.
//
// Nothing found at a name is ever written through: a temporary file is always created
// anew (O_EXCL, O_NOFOLLOW) after whatever was left there is removed, so a symbolic or
// hard link planted in the data root cannot redirect a save to another file. The rename
// replaces a link at the target itself, never the file it points to.
//
// Below the data root and the flash-drive root no folder on the way to the file is taken
// through a link: each is opened without following one, so a folder replaced by a link
// (to /etc, or to another folder of the root) makes the write fail, and the caller keeps
// what it meant to write. Paths outside both roots (system files) are written as named.
class SafeFileWriter
{
public:
    // Who may read the file: OwnerOnly (mode 0600) for files holding a pass phrase or a
    // PIN. The file is always created anew, so an older file's wider mode does not stay.
    enum Access { Shared, OwnerOnly };

    static bool writeFile(const QString &path, const QByteArray &data,
                          QString *errorText = nullptr, Access access = Shared);

    // The first half of a save, for chains that move the file themselves (".New" and
    // "/bin/mv"): `path` is created afresh as above, written, checked and fsync'ed.
    // On failure nothing is left at `path`.
    static bool writeNewFile(const QString &path, const QByteArray &data,
                             QString *errorText = nullptr, Access access = Shared);
    // The same for content too large to hold at once: `write` hands it to the sink piece
    // by piece and returns false when the sink refused one (a write failed).
    using Sink = std::function<bool(const char *data, int size)>;
    using Content = std::function<bool(const Sink &sink)>;
    static bool writeNewFile(const QString &path, const Content &write, QString *errorText = nullptr,
                             Access access = Shared);

    // Removes whatever is at `path` (file or link, never a link's target) and creates an
    // empty file there exclusively. Returns the open descriptor (O_WRONLY|O_CLOEXEC) or -1.
    static int createFresh(const QString &path, QString *errorText = nullptr);

    // Appends to a log file and fsyncs it. A link at `path`, or a file with a second hard
    // link, is refused rather than written through; a missing file is created afresh.
    static bool appendToFile(const QString &path, const QByteArray &data,
                             QString *errorText = nullptr);

    // fsync of a folder, so that a rename or a new entry in it survives a power cut.
    static bool syncDirectory(const QString &dirPath);

    static QString temporaryPath(const QString &path) { return path + QStringLiteral(".tmp"); }
};

#endif // SAFEFILEWRITER_H
