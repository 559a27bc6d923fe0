// Linked into every test: a test program started by hand (under gdb, say), without the
// folders CTest gives it, gets scratch folders of its own before main, so that it never
// reads or writes the real data root, flash drive or system files, and runs the device
// programs' stand-ins, offscreen. Under CTest the folders it was given stay.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QScopedPointer>
#include <QTemporaryDir>

namespace {

struct ScratchDefault
{
    // Made only when needed: a test under CTest (or one that exits hard) leaves nothing.
    QScopedPointer<QTemporaryDir> dir;

    ScratchDefault()
    {
        if (qEnvironmentVariableIsSet("TUL_ROOT_DIR"))
            return;
        dir.reset(new QTemporaryDir(QDir::tempPath() + QStringLiteral("/tul-test-XXXXXX")));
        if (!dir->isValid())
            return;
        const QString base = dir->path() + QLatin1Char('/');
        for (const char *folder : {"root", "flash", "system"})
            QDir().mkpath(base + QLatin1String(folder));
        qputenv("TUL_ROOT_DIR", QFile::encodeName(base + QStringLiteral("root/")));
        qputenv("TUL_FLASH_DIR", QFile::encodeName(base + QStringLiteral("flash/")));
        qputenv("TUL_SYSTEM_DIR", QFile::encodeName(base + QStringLiteral("system/")));
        if (!qEnvironmentVariableIsSet("TUL_TOOLS_LOG"))
            qputenv("TUL_TOOLS_LOG", QFile::encodeName(base + QStringLiteral("tools.log")));
        if (!qEnvironmentVariableIsSet("TUL_TOOLS_DIR"))
            qputenv("TUL_TOOLS_DIR", QByteArray(TUL_STANDINS_DIR));
        if (!qEnvironmentVariableIsSet("TUL_SOURCE_DIR"))
            qputenv("TUL_SOURCE_DIR", QByteArray(TUL_SOURCE_DIR));
        if (!qEnvironmentVariableIsSet("TUL_EOL_TCP_PORT"))
            qputenv("TUL_EOL_TCP_PORT", "0");
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
            qputenv("QT_QUICK_BACKEND", "software");
    }
};

const ScratchDefault scratchDefault;

} // namespace
