#include "pathguard.h"

#include "tulpaths.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <sys/stat.h>

namespace {

bool hasDotDot(const QString &path)
{
    const QStringList parts = path.split(QLatin1Char('/'));
    return parts.contains(QStringLiteral(".."));
}

bool hasNul(const QString &text)
{
    return text.contains(QChar(0));
}

QString parentFolder(const QString &dir)
{
    QDir d(dir);
    d.cdUp();
    QString path = d.absolutePath();
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

// The flash drive's mount folder ("/media/"): the update screen looks for a drive below it.
QStringList flashRoots()
{
    return {QStringLiteral("/media/"), parentFolder(TulPaths::flashDir())};
}

QStringList dataRoots()
{
    return {QStringLiteral("/root/"), TulPaths::rootDir()};
}

// Why `folder` (at or below `root`, both as this machine keeps them) may not be used:
// a hidden folder, or a folder that is a link, on the way down from the root. A folder
// not made yet ends the walk: nothing below it exists to lead elsewhere.
QString linkOrHiddenBelow(const QString &folder, const QString &root)
{
    bool ok = false;
    const QStringList steps = TulPaths::stepsBelow(folder, root, &ok);
    if (!ok)
        return QStringLiteral("not below its root");
    for (const QString &step : steps) {
        if (step.startsWith(QLatin1Char('.')))
            return QStringLiteral("a hidden folder");
    }
    QString reached = root;
    for (const QString &step : steps) {
        reached = QDir(reached).filePath(step);
        struct stat info;
        if (::lstat(QFile::encodeName(reached).constData(), &info) != 0)
            return QString();
        if (S_ISLNK(info.st_mode))
            return QStringLiteral("a folder that is a link");
    }
    return QString();
}

// Empty when `path` lies in one of `roots` once device paths are placed where this machine
// keeps them and links are looked at; otherwise why not. The innermost root holding it is
// the one walked down from: a root may itself be a link.
QString resolvedRefusal(const QString &path, const QStringList &roots)
{
    const QString folder = TulPaths::local(path);
    QString holder;
    int fewest = -1;
    for (const QString &root : roots) {
        bool ok = false;
        const QString local = TulPaths::local(root);
        const int steps = TulPaths::stepsBelow(folder, local, &ok).size();
        if (ok && (fewest < 0 || steps < fewest)) {
            holder = local;
            fewest = steps;
        }
    }
    return holder.isEmpty() ? QStringLiteral("not below its root") : linkOrHiddenBelow(folder, holder);
}

} // namespace

bool PathGuard::guards(const QString &property)
{
    static const QStringList names{QStringLiteral("usbPath"), QStringLiteral("localPath"),
                                   QStringLiteral("importedMenu"), QStringLiteral("ovImportDir"),
                                   QStringLiteral("ovImportFilename"), QStringLiteral("updateMenuTimeStamp")};
    return names.contains(property);
}

bool PathGuard::isPlainFileName(const QString &name)
{
    return !name.isEmpty() && !hasNul(name) && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
           && name != QLatin1String(".") && name != QLatin1String("..");
}

bool PathGuard::isFolderWithin(const QString &path, const QStringList &roots)
{
    return folderRefusal(path, roots).isEmpty();
}

QString PathGuard::folderRefusal(const QString &path, const QStringList &roots)
{
    if (!path.startsWith(QLatin1Char('/')) || hasNul(path) || hasDotDot(path))
        return QStringLiteral("not a plain absolute path");
    return resolvedRefusal(path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/'), roots);
}

QString PathGuard::refusal(const QString &property, const QString &value)
{
    if (property == QLatin1String("usbPath")) {
        const QString why = folderRefusal(value, flashRoots());
        if (!why.isEmpty())
            return QStringLiteral("not a folder of the flash drive: ") + why;
    } else if (property == QLatin1String("localPath") || property == QLatin1String("ovImportDir")) {
        // The import screen lists the flash drive or the cabinet's own menus folder.
        const QStringList roots = property == QLatin1String("localPath") ? dataRoots() : dataRoots() + flashRoots();
        const QString why = folderRefusal(value, roots);
        if (!why.isEmpty())
            return QStringLiteral("not a folder of the cabinet's data or the flash drive: ") + why;
    } else if (property == QLatin1String("ovImportFilename") || property == QLatin1String("updateMenuTimeStamp")) {
        // Empty: no file chosen. The time-stamp file is removed after the import.
        if (!value.isEmpty() && !isPlainFileName(value))
            return QStringLiteral("not a plain file name");
    } else if (property == QLatin1String("importedMenu")) {
        // "<file name>|<time>", or empty before the first import.
        if (!value.isEmpty() && !isPlainFileName(value.section(QLatin1Char('|'), 0, 0)))
            return QStringLiteral("does not start with a plain file name");
        if (hasNul(value))
            return QStringLiteral("holds NUL");
    }
    return QString();
}

