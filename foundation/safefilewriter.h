#ifndef SAFEFILEWRITER_H
#define SAFEFILEWRITER_H

#include <QByteArray>
#include <QString>

// Replaces a file so that a power cut at any moment leaves either the old or the new
// content: the data goes to "<path>.tmp", every write is checked, the file is flushed
// and fsync'ed, renamed over the target, and the folder is fsync'ed so the rename is
// durable. On failure the target is untouched, the temporary file removed and false
// returned. Saves are serialised, so two saves of one file never interleave.
class SafeFileWriter
{
public:
    static bool writeFile(const QString &path, const QByteArray &data,
                          QString *errorText = nullptr);

    // fsync of a folder, so that a rename or a new entry in it survives a power cut.
    static bool syncDirectory(const QString &dirPath);

    static QString temporaryPath(const QString &path) { return path + QStringLiteral(".tmp"); }
};

#endif // SAFEFILEWRITER_H
