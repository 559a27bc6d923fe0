#ifndef TULPATHS_H
#define TULPATHS_H

#include <QString>

// The one place where persistent paths are resolved. The program's data lives under the
// data root ("/root/"), the flash drive is expected at "/media/sda1/", and system files
// ("/etc/...") stay where the system keeps them. TUL_ROOT_DIR, TUL_FLASH_DIR and
// TUL_SYSTEM_DIR move each root elsewhere (scratch folders for tests and simulation).
// The environment is read on every call, so a test may change it between cases.
class TulPaths
{
public:
    static QString rootDir();   // always ends with '/'
    static QString flashDir();  // always ends with '/'
    static QString systemDir(); // always ends with '/'

    // A path of the data root, e.g. rootPath("menu.json").
    static QString rootPath(const QString &relative);
    // A path of the flash drive, e.g. flashPath("MENU_1.json").
    static QString flashPath(const QString &relative);
    // Any path as the device knows it: "/root/..." and "/media/sda1/..." go to their
    // roots, other absolute paths below the system root, relative ones below the data root.
    static QString resolve(const QString &devicePath);

    // True when `path` (after resolving "." and "..") lies inside `dir`.
    static bool isInside(const QString &path, const QString &dir);

    // A path the device names ("/root/...", "/media/sda1/...") where this machine keeps
    // it; a path already below a moved root, or any other path, as it is.
    static QString local(const QString &path);
    // The data root or the flash-drive root holding the absolute `path` as written (the
    // longer when both do); empty for neither, or when `path` climbs with "..".
    static QString rootHolding(const QString &path);
    // The names of the folders from `root` down to `path`, "" and "." left out; empty
    // when `path` is not at or below `root` or climbs with "..".
    static QStringList stepsBelow(const QString &path, const QString &root, bool *ok);
};

#endif // TULPATHS_H
