#include "binarymenufile.h"

#include "qrmcrc.h"

#include <QtEndian>

namespace {

const uchar *bytesAt(const QByteArray &bytes, qint64 offset)
{
    return reinterpret_cast<const uchar *>(bytes.constData()) + offset;
}

// True when `size` bytes from `offset` lie inside the file; computed wide so that no
// offset of the header can wrap round.
bool fits(const QByteArray &bytes, qint64 offset, qint64 size)
{
    return offset >= 0 && size >= 0 && offset + size <= bytes.size();
}

quint16 storedCrc(const uchar *record)
{
    return qFromLittleEndian<quint16>(record);
}

quint16 computedCrc(const uchar *record, int size)
{
    return qrmCrc(record + 2, size - 2);
}

ConfigurationTag decodeConfiguration(const uchar *r)
{
    ConfigurationTag c;
    c.crc = storedCrc(r);
    c.language = r[3];
    c.useFirst = r[5];
    c.groupDots = r[6];
    c.splitView = r[7];
    c.individualDayParts = r[8];
    c.labelFontSize = r[9];
    for (int i = 0; i < 16; ++i)
        c.productsMd5[size_t(i)] = r[10 + i];
    return c;
}

ProductTag decodeProduct(const uchar *r)
{
    ProductTag p;
    p.crc = storedCrc(r);
    p.kind = r[2];
    p.id = qFromLittleEndian<quint32>(r + 4);
    const char *name = reinterpret_cast<const char *>(r + 8);
    p.name = QByteArray(name, int(qstrnlen(name, ProductTag::nameSize)));
    p.holdTime = qFromLittleEndian<quint32>(r + 72);
    p.warningTime = qFromLittleEndian<quint32>(r + 76);
    p.upperTemp = qFromLittleEndian<quint32>(r + 80);
    p.lowerTemp = qFromLittleEndian<quint32>(r + 84);
    p.lid = r[88];
    p.bottom = r[89];
    p.panSize = r[90];
    p.defaultIndex = r[91];
    for (int i = 0; i < ProductTag::maxMembers; ++i)
        p.members[size_t(i)] = qFromLittleEndian<quint32>(r + 92 + 4 * i);
    p.fanSpeed = r[132];
    return p;
}

DayPartTag decodeDayPart(const uchar *r)
{
    DayPartTag d;
    d.crc = storedCrc(r);
    for (int i = 0; i < DayPartTag::bins; ++i)
        d.productIds[size_t(i)] = qFromLittleEndian<qint32>(r + 2 + 4 * i);
    return d;
}

} // namespace

QList<quint32> ProductTag::memberIds() const
{
    QList<quint32> ids;
    for (quint32 id : members) {
        if (id == 0)
            break;
        ids << id;
    }
    return ids;
}

ProductTag BinaryMenuFile::emptyProduct()
{
    ProductTag empty;
    empty.kind = 'p';
    empty.lowerTemp = 185;
    empty.panSize = 1;
    return empty;
}

BinaryMenuFile BinaryMenuFile::read(const QByteArray &bytes)
{
    BinaryMenuFile file;
    auto fail = [&file](Problem problem, const QString &message) {
        file.problems << problem;
        file.messages << message;
    };

    if (!fits(bytes, 0, headerSize)) {
        fail(Problem::ShortFile, QStringLiteral("Orvanta file too short for its header: %1 bytes").arg(bytes.size()));
        return file;
    }
    const uchar *header = bytesAt(bytes, 0);
    if (storedCrc(header) != qrmCrc(header + 2, headerSize - 2)) {
        fail(Problem::BadHeaderCrc, QStringLiteral("Orvanta file header crc fail"));
        return file;
    }
    file.version = qFromLittleEndian<qint16>(header + 2);
    if (file.version != supportedVersion) {
        file.outcome = Outcome::UnsupportedVersion;
        file.messages << QStringLiteral("Orvanta file version %1 not supported!").arg(file.version);
        return file;
    }
    const int productCount = header[4];
    const qint64 configOffset = qFromLittleEndian<quint32>(header + 6);
    const qint64 productsOffset = qFromLittleEndian<quint32>(header + 10);
    const qint64 dayPartsOffset = qFromLittleEndian<quint32>(header + 14);

    bool ok = true;
    if (!fits(bytes, configOffset, ConfigurationTag::size)) {
        fail(Problem::ShortFile, QStringLiteral("Orvanta import: configuration record at %1 lies past the end of the file")
                                     .arg(configOffset));
        ok = false;
    } else {
        const uchar *record = bytesAt(bytes, configOffset);
        file.configuration = decodeConfiguration(record);
        const quint16 computed = computedCrc(record, ConfigurationTag::size);
        if (computed != file.configuration.crc) {
            fail(Problem::BadConfigurationCrc,
                 QStringLiteral("Orvanta import config crc fail: computedCrc = %1; configData.crc = %2")
                     .arg(computed)
                     .arg(file.configuration.crc));
            ok = false;
        }
    }

    file.products << emptyProduct();
    for (int i = 0; i < productCount; ++i) {
        const qint64 offset = productsOffset + qint64(i) * ProductTag::size;
        if (!fits(bytes, offset, ProductTag::size)) {
            fail(Problem::ShortFile, QStringLiteral("Orvanta import: product %1 lies past the end of the file").arg(i));
            ok = false;
            break;
        }
        const uchar *record = bytesAt(bytes, offset);
        file.products << decodeProduct(record);
        const quint16 computed = computedCrc(record, ProductTag::size);
        if (computed != file.products.last().crc) {
            fail(Problem::BadProductCrc,
                 QStringLiteral("Orvanta import product crc fail: computedCrc = %1; product[i].crc = %2")
                     .arg(computed)
                     .arg(file.products.last().crc));
            ok = false;
            break;
        }
    }

    for (int j = 0; j < dayPartRecords; ++j) {
        const qint64 offset = dayPartsOffset + qint64(j) * DayPartTag::size;
        if (!fits(bytes, offset, DayPartTag::size)) {
            fail(Problem::ShortFile, QStringLiteral("Orvanta import: day part %1 lies past the end of the file").arg(j));
            return file;
        }
        const uchar *record = bytesAt(bytes, offset);
        file.dayParts << decodeDayPart(record);
        const quint16 computed = computedCrc(record, DayPartTag::size);
        if (computed != file.dayParts.last().crc) {
            fail(Problem::BadDaypartCrc,
                 QStringLiteral("Orvanta import daypart crc fail: computedCrc = %1; daypart[%2].crc = %3")
                     .arg(computed)
                     .arg(j)
                     .arg(file.dayParts.last().crc));
            return file;
        }
    }
    if (ok)
        file.outcome = Outcome::Good;
    return file;
}
