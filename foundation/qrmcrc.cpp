#include "qrmcrc.h"

#include <array>

namespace {

std::array<quint16, 256> buildTable()
{
    std::array<quint16, 256> table{};
    for (quint16 i = 0; i < 256; ++i) {
        quint16 c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1u) ? static_cast<quint16>((c >> 1) ^ 0xA001u) : static_cast<quint16>(c >> 1);
        table[i] = c;
    }
    return table;
}

} // namespace

quint16 qrmCrc(const unsigned char *data, int length)
{
    // Built on first use; thread-safe by the rules for function-local statics.
    static const std::array<quint16, 256> table = buildTable();
    quint16 crc = 0xFFFF;
    if (!data)
        return crc;
    for (int i = 0; i < length; ++i)
        crc = static_cast<quint16>((crc >> 8) ^ table[(crc ^ data[i]) & 0xFFu]);
    return crc;
}
