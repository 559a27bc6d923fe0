// The board support file as the Platform Info dialog shows it, on any bytes: one rich
// text without line feeds or NULs, whatever the file holds.
#include "fuzzsupport.h"
#include "platforminfo.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > PlatformInfo::kMaxBspFileBytes)
        return 0;
    const QString text = PlatformInfo::dialogText(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    if (text.contains(QLatin1Char('\n')) || text.contains(QChar(0)))
        std::abort();
    return 0;
}
