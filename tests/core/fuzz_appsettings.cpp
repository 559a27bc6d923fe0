// The application settings file (INI) on any bytes, read through the settings store:
// reading must not crash, and a value written afterwards reads back.
#include "configurationmanager.h"
#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 14)
        return 0;
    tulFuzzEnsureApplication();
    static QTemporaryDir root;
    qputenv("TUL_ROOT_DIR", QFile::encodeName(root.path() + QLatin1Char('/')));
    const QString path = ConfigurationManager::appSettingsPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    static ConfigurationManager config(nullptr, nullptr, true, 1);
    config.value(QStringLiteral("timerColor"));
    config.value(QStringLiteral("General/menuBarColor"), 3);
    config.setValue(QStringLiteral("fuzzCheck"), 7);
    if (config.value(QStringLiteral("fuzzCheck")).toInt() != 7)
        std::abort();
    return 0;
}
