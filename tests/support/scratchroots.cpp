#include "scratchroots.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

ScratchRoots::ScratchRoots()
{
    QDir base(m_dir.path());
    base.mkpath(QStringLiteral("root"));
    base.mkpath(QStringLiteral("flash"));
    base.mkpath(QStringLiteral("system"));
    setVariable("TUL_ROOT_DIR", root());
    setVariable("TUL_FLASH_DIR", flash());
    setVariable("TUL_SYSTEM_DIR", system());
    setVariable("TUL_TOOLS_LOG", toolsLog());
}

ScratchRoots::~ScratchRoots()
{
    // A detached stand-in (a "sync" after a save) may still append to the tool log while
    // the folder goes: try again rather than leave the folder behind.
    for (int attempt = 0; attempt < 20 && !m_dir.remove(); ++attempt)
        QThread::msleep(25);
    for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it) {
        if (m_wasSet.value(it.key()))
            qputenv(it.key().constData(), it.value());
        else
            qunsetenv(it.key().constData());
    }
}

void ScratchRoots::setVariable(const char *name, const QString &value)
{
    const QByteArray key(name);
    if (!m_saved.contains(key)) {
        m_wasSet.insert(key, qEnvironmentVariableIsSet(name));
        m_saved.insert(key, qgetenv(name));
    }
    qputenv(name, QFile::encodeName(value));
}

QString ScratchRoots::root() const { return m_dir.path() + QStringLiteral("/root/"); }
QString ScratchRoots::flash() const { return m_dir.path() + QStringLiteral("/flash/"); }
QString ScratchRoots::system() const { return m_dir.path() + QStringLiteral("/system/"); }
QString ScratchRoots::toolsLog() const { return m_dir.path() + QStringLiteral("/tools.log"); }

QStringList ScratchRoots::toolCalls() const
{
    QFile log(toolsLog());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool ScratchRoots::writeRootFile(const QString &relative, const QByteArray &data) const
{
    const QString path = root() + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}
