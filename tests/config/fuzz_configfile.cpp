// The settings-file reader against any bytes: it must not crash, must keep the file's
// shape (69 lines, one per key, no line break inside a value), and what it writes back
// must read in again to the very same file.
#include "configurationmanager.h"
#include "fuzzsupport.h"

#include <QByteArray>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    tulFuzzEnsureApplication();
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));

    ConfigurationManager config(nullptr, nullptr, true, 1);
    config.readConfigText(input);
    const QByteArray written = config.configFileText();
    if (written.count('\n') != ConfigurationManager::configFileKeys().size())
        std::abort();

    ConfigurationManager reloaded(nullptr, nullptr, true, 1);
    reloaded.readConfigText(written);
    if (reloaded.configFileText() != written)
        std::abort();
    return 0;
}
