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
};

#endif // TULPATHS_H
