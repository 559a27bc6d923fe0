// Fuzz entry point: the reader of the weekly error-log files.
#include "errorlogfiles.h"
#include "fuzzsupport.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tulFuzzEnsureApplication();
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/el240311.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    const auto entries = ErrorLogFiles::readLog(path);
    for (const auto &entry : entries) {
        if (entry.codes[0] < 0 || entry.codes[0] > 999 || entry.codesText.count(QLatin1Char('.')) != 3)
            abort(); // the reader let through what it must pass over
    }
    return 0;
}
