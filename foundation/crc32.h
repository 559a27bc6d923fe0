#ifndef CRC32_H
#define CRC32_H

#include <QByteArray>
#include <array>

// CRC-32/ISO-HDLC (the zlib CRC): reflected polynomial 0xEDB88320, initial value and
// final XOR 0xFFFFFFFF.
class Crc32
{
public:
    Crc32();

    quint32 calculateFromByteArray(const QByteArray &data) const;
    quint32 calculate(const char *data, int length) const;

private:
    std::array<quint32, 256> m_table;
};

#endif // CRC32_H
