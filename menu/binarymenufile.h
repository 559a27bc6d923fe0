#ifndef BINARYMENUFILE_H
#define BINARYMENUFILE_H

#include "configurationtag.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <array>

// The records of the menu tool's binary menu file ("*.tul"). On disk every record is
// packed, little-endian and starts with a CRC-16/MODBUS over the rest of the record;
// here they are held decoded, field by field. The settings record, ConfigurationTag, is
// the settings store's.
struct ProductTag
{
    static constexpr int size = 134;
    static constexpr int nameSize = 64;
    static constexpr int maxMembers = 10;
    quint16 crc = 0;
    quint8 kind = 0;              // 'p' product, 'g' group
    quint32 id = 0;
    QByteArray name;              // up to the first zero byte, at most 64 bytes
    quint32 holdTime = 0;
    quint32 warningTime = 0;
    quint32 upperTemp = 0;
    quint32 lowerTemp = 0;
    quint8 lid = 0;               // 1 solid, 2 vented, else none
    quint8 bottom = 0;            // 1 false bottom, else normal
    quint8 panSize = 0;
    quint8 defaultIndex = 0;
    std::array<quint32, maxMembers> members{};
    quint8 fanSpeed = 0;

    // The members up to the first 0.
    QList<quint32> memberIds() const;
    QString nameText() const { return QString::fromUtf8(name); }
};

struct DayPartTag
{
    static constexpr int size = 82;
    static constexpr int bins = 20;
    quint16 crc = 0;
    std::array<qint32, bins> productIds{}; // by bin number, not by display tray
};

using Product_t = ProductTag;
using DayPart_t = DayPartTag;

Q_DECLARE_METATYPE(Product_t)
Q_DECLARE_METATYPE(DayPart_t)

// Reads a binary menu file from its bytes. Nothing is trusted: every offset, count and
// record is checked against the length of the file, and a record that does not fit
// fails the file like a record with a bad CRC.
class BinaryMenuFile
{
public:
    static constexpr int headerSize = 18;
    static constexpr int supportedVersion = 5;
    static constexpr int dayPartRecords = 2;

    // The checks that can fail, in the order they are reported.
    enum class Problem { ShortFile, BadHeaderCrc, BadConfigurationCrc, BadProductCrc, BadDaypartCrc };

    enum class Outcome { Good, Failed, UnsupportedVersion };

    Outcome outcome = Outcome::Failed;
    int version = 0;
    QList<Problem> problems;  // in the order found
    QStringList messages;     // one log line per problem, in the same order
    ConfigurationTag configuration;
    QList<ProductTag> products; // the empty product first, then the file's records
    QList<DayPartTag> dayParts;

    static BinaryMenuFile read(const QByteArray &bytes);

    // The record the import puts before the file's products: product 0, the empty choice.
    static ProductTag emptyProduct();
};

#endif // BINARYMENUFILE_H
