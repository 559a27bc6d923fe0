#include "crc32.h"

Crc32::Crc32()
{
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1u) ? (0xEDB88320u ^ (c >> 1)) : (c >> 1);
        m_table[i] = c;
    }
}

quint32 Crc32::calculateFromByteArray(const QByteArray &data) const
{
    return calculate(data.constData(), data.size());
}

quint32 Crc32::calculate(const char *data, int length) const
{
    if (!data || length <= 0)
        return 0;
    quint32 crc = 0xFFFFFFFFu;
    for (int i = 0; i < length; ++i)
        crc = m_table[(crc ^ static_cast<quint8>(data[i])) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}
