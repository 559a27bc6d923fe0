#include "tulpaths.h"

#include <QDir>
#include <QStringList>
#include <QtGlobal>

namespace {

QString rootFromEnvironment(const char *variable, const char *fallback)
{
    QString dir = qEnvironmentVariable(variable);
    if (dir.isEmpty())
        dir = QString::fromLatin1(fallback);
    if (!dir.endsWith(QLatin1Char('/')))
        dir.append(QLatin1Char('/'));
    return dir;
}

QString stripLeadingSlashes(QString path)
{
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    return path;
}

} // namespace

QString TulPaths::rootDir()
{
    return rootFromEnvironment("TUL_ROOT_DIR", "/root/");
}

QString TulPaths::flashDir()
{
    return rootFromEnvironment("TUL_FLASH_DIR", "/media/sda1/");
}

QString TulPaths::systemDir()
{
    return rootFromEnvironment("TUL_SYSTEM_DIR", "/");
}

QString TulPaths::rootPath(const QString &relative)
{
    return rootDir() + stripLeadingSlashes(relative);
}

QString TulPaths::flashPath(const QString &relative)
{
    return flashDir() + stripLeadingSlashes(relative);
}

QString TulPaths::resolve(const QString &devicePath)
{
    static const QString deviceRoot = QStringLiteral("/root");
    static const QString deviceFlash = QStringLiteral("/media/sda1");
    auto under = [&devicePath](const QString &prefix) {
        return devicePath == prefix || devicePath.startsWith(prefix + QLatin1Char('/'));
    };
    if (under(deviceRoot))
        return rootPath(devicePath.mid(deviceRoot.size()));
    if (under(deviceFlash))
        return flashPath(devicePath.mid(deviceFlash.size()));
    if (devicePath.startsWith(QLatin1Char('/')))
        return systemDir() + stripLeadingSlashes(devicePath);
    return rootPath(devicePath);
}

bool TulPaths::isInside(const QString &path, const QString &dir)
{
    const QString cleanDir = QDir::cleanPath(QDir(dir).absolutePath());
    const QString cleanPath = QDir::cleanPath(QDir(dir).absoluteFilePath(path));
    return cleanPath.startsWith(cleanDir + QLatin1Char('/'));
}

QString TulPaths::local(const QString &path)
{
    if (isInside(path, rootDir()) || isInside(path, flashDir()))
        return path;
    auto under = [&path](const QString &prefix) {
        return path == prefix || path.startsWith(prefix + QLatin1Char('/'));
    };
    if (under(QStringLiteral("/root")))
        return rootPath(path.mid(5));
    if (under(QStringLiteral("/media/sda1")))
        return flashPath(path.mid(11));
    return path;
}

QStringList TulPaths::stepsBelow(const QString &path, const QString &root, bool *ok)
{
    auto names = [](const QString &text) {
        QStringList out;
        for (const QString &part : text.split(QLatin1Char('/'))) {
            if (!part.isEmpty() && part != QLatin1String("."))
                out << part;
        }
        return out;
    };
    const QStringList inPath = names(path);
    const QStringList inRoot = names(root);
    *ok = path.startsWith(QLatin1Char('/')) && root.startsWith(QLatin1Char('/'))
        && !inPath.contains(QStringLiteral("..")) && !inRoot.contains(QStringLiteral(".."))
        && inPath.size() >= inRoot.size() && inPath.mid(0, inRoot.size()) == inRoot;
    return *ok ? inPath.mid(inRoot.size()) : QStringList();
}

QString TulPaths::rootHolding(const QString &path)
{
    QString best;
    int fewest = -1;
    for (const QString &root : {rootDir(), flashDir()}) {
        bool ok = false;
        const int steps = stepsBelow(path, root, &ok).size();
        if (ok && (fewest < 0 || steps < fewest)) {
            best = root;
            fewest = steps;
        }
    }
    return best;
}
