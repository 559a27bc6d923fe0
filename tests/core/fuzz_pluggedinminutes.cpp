// The plugged-in minutes file on any bytes: a number that is taken is never negative
// and is written back as the same text the reader takes again.
#include "fuzzsupport.h"
#include "pluggedinminutes.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > PluggedInMinutes::MaxBytes)
        return 0;
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    int minutes = -1;
    if (!PluggedInMinutes::parse(text, &minutes))
        return 0;
    int again = -1;
    if (minutes < 0 || !PluggedInMinutes::parse(QByteArray::number(minutes) + '\n', &again) || again != minutes)
        std::abort();
    return 0;
}
