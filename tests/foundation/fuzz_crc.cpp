// Differential check of the table-driven CRCs against plain bit-by-bit definitions.
#include "crc32.h"
#include "fuzzsupport.h"
#include "qrmcrc.h"

#include <QByteArray>
#include <cstdlib>

static quint16 bitwiseModbus(const uint8_t *data, size_t size)
{
    quint16 crc = 0xFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

static quint32 bitwiseCrc32(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    quint32 crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    if (qrmCrc(data, int(size)) != bitwiseModbus(data, size))
        std::abort();
    static const Crc32 crc32;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    if (crc32.calculateFromByteArray(bytes) != bitwiseCrc32(data, size))
        std::abort();
    return 0;
}
