#include "pathguard.h"

#include "tulpaths.h"

#include <QDir>
#include <QStringList>

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
    if (!path.startsWith(QLatin1Char('/')) || hasNul(path) || hasDotDot(path))
        return false;
    const QString folder = path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
    for (const QString &root : roots) {
        if (folder == root || TulPaths::isInside(folder, root))
            return true;
    }
    return false;
}

QString PathGuard::refusal(const QString &property, const QString &value)
{
    if (property == QLatin1String("usbPath")) {
        if (!isFolderWithin(value, flashRoots()))
            return QStringLiteral("not a folder of the flash drive");
    } else if (property == QLatin1String("localPath") || property == QLatin1String("ovImportDir")) {
        // The import screen lists the flash drive or the cabinet's own menus folder.
        const QStringList roots = property == QLatin1String("localPath") ? dataRoots() : dataRoots() + flashRoots();
        if (!isFolderWithin(value, roots))
            return QStringLiteral("not a folder of the cabinet's data or the flash drive");
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

