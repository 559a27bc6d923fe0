#ifndef CONFIGURATIONTAG_H
#define CONFIGURATIONTAG_H

#include <QMetaType>
#include <QtGlobal>

#include <array>

// The settings record of the menu tool's binary menu file, decoded field by field (on disk
// it is packed, little-endian, and starts with a CRC-16/MODBUS over the rest). The
// settings store applies it; the menu file's reader fills it.
struct ConfigurationTag
{
    static constexpr int size = 26;
    quint16 crc = 0;
    quint8 language = 0;          // 1 Spanish, 2 French, anything else English
    quint8 useFirst = 0;
    quint8 groupDots = 0;
    quint8 splitView = 0;
    quint8 individualDayParts = 0;
    quint8 labelFontSize = 0;
    std::array<quint8, 16> productsMd5{};
};

using Configuration_t = ConfigurationTag;

Q_DECLARE_METATYPE(Configuration_t)

#endif // CONFIGURATIONTAG_H
