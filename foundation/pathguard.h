#ifndef PATHGUARD_H
#define PATHGUARD_H

#include <QString>

// Which values a path-valued property may take, whoever writes it (the cloud agent over
// the bus, a screen, a settings file): only places inside the property's own root, never
// "..", never NUL. The places a written path may name are read, listed and written later
// by the update and import code, so a path out of its root is refused where it comes in;
// the folders are looked at on the disk as well as in the text, so a link planted below a
// root does not lead out of it.
class PathGuard
{
public:
    // True for the names of the properties this guards.
    static bool guards(const QString &property);
    // Empty when `value` is acceptable for `property` (always for a property not guarded);
    // otherwise why it is not, for the log and the caller's error.
    static QString refusal(const QString &property, const QString &value);

    // A plain file name: not empty, no folder, no "." or "..", no NUL.
    static bool isPlainFileName(const QString &name);
    // An absolute folder at or below one of `roots` (each ending with '/'), no "..", no NUL;
    // below its root, with device paths placed where this machine keeps them, no folder
    // on the way is hidden or a link (one not made yet ends the look).
    static bool isFolderWithin(const QString &path, const QStringList &roots);
    // Why `path` is not such a folder; empty when it is.
    static QString folderRefusal(const QString &path, const QStringList &roots);
};

#endif // PATHGUARD_H
