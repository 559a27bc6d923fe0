// The binary menu file reader against files written from the record layouts by
// tests/data/menuimport/make_menu_files.py.
#include "binarymenufile.h"
#include "menutestsupport.h"
#include "qrmcrc.h"

#include <QtEndian>
#include <QtTest>

using Problem = BinaryMenuFile::Problem;
using Outcome = BinaryMenuFile::Outcome;
Q_DECLARE_METATYPE(QList<Problem>)
Q_DECLARE_METATYPE(Outcome)

namespace {

QByteArray menuFile(const char *name)
{
    return MenuTest::readFile(QStringLiteral(MENUIMPORT_FIXTURES "/") + QLatin1String(name));
}

// The file with one byte of its configuration record changed (not the record's crc).
QByteArray withBadConfiguration(QByteArray file)
{
    const quint32 offset = qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(file.constData()) + 6);
    file[int(offset) + 10] = char(file.at(int(offset) + 10) ^ 0x5a);
    return file;
}

// good.tul laid out again as header, configuration, day parts, products, its last record
// a group of ten members: the last member field then ends the file. The buffer is sized
// exactly, so a read past the record is a read past the allocation (seen by a sanitizer).
QByteArray withFullGroupLast()
{
    const QByteArray good = menuFile("good.tul");
    const auto word = [&good](int at) {
        return int(qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(good.constData()) + at));
    };
    const int products = uchar(good.at(4)) * ProductTag::size;
    const int dayParts = BinaryMenuFile::dayPartRecords * DayPartTag::size;
    const int dayPartsAt = BinaryMenuFile::headerSize + ConfigurationTag::size;
    const int productsAt = dayPartsAt + dayParts;

    QByteArray file(productsAt + products, Qt::Uninitialized);
    auto *out = reinterpret_cast<uchar *>(file.data());
    memcpy(out, good.constData(), size_t(dayPartsAt)); // header and configuration
    memcpy(out + dayPartsAt, good.constData() + word(14), size_t(dayParts));
    memcpy(out + productsAt, good.constData() + word(10), size_t(products));
    qToLittleEndian<quint32>(quint32(productsAt), out + 10);
    qToLittleEndian<quint32>(quint32(dayPartsAt), out + 14);
    qToLittleEndian<quint16>(qrmCrc(out + 2, BinaryMenuFile::headerSize - 2), out);

    // The record's member ids start at its byte 92 (make_menu_files.py's layout).
    uchar *last = out + file.size() - ProductTag::size;
    for (int i = 0; i < ProductTag::maxMembers; ++i)
        qToLittleEndian<quint32>(quint32(i + 1), last + 92 + 4 * i);
    qToLittleEndian<quint16>(qrmCrc(last + 2, ProductTag::size - 2), last);
    return file;
}

// The file with its header counting `count` products.
QByteArray withProductCount(QByteArray file, int count)
{
    auto *header = reinterpret_cast<uchar *>(file.data());
    header[4] = uchar(count);
    qToLittleEndian<quint16>(qrmCrc(header + 2, BinaryMenuFile::headerSize - 2), header);
    return file;
}

} // namespace

class TstBinaryMenuFile : public QObject
{
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
    void records_data();
    void records();
};

void TstBinaryMenuFile::checks_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QList<Problem>>("problems");
    QTest::addColumn<int>("products"); // records read, the empty product included
    QTest::addColumn<int>("dayParts");

    QTest::newRow("good") << menuFile("good.tul") << Outcome::Good << QList<Problem>() << 11 << 2;
    QTest::newRow("no products") << menuFile("zero_products.tul") << Outcome::Good << QList<Problem>() << 1 << 2;
    QTest::newRow("version 4") << menuFile("version4.tul") << Outcome::UnsupportedVersion
                               << QList<Problem>() << 0 << 0;
    QTest::newRow("header crc") << menuFile("bad_header_crc.tul") << Outcome::Failed
                                << QList<Problem>{Problem::BadHeaderCrc} << 0 << 0;
    // Product 3 of 10 is bad: 4..10 are not read, the day parts still are.
    QTest::newRow("product 3 of 10") << menuFile("bad_product3.tul") << Outcome::Failed
                                     << QList<Problem>{Problem::BadProductCrc} << 4 << 2;
    QTest::newRow("config and day part 2")
        << menuFile("bad_config_and_daypart2.tul") << Outcome::Failed
        << QList<Problem>{Problem::BadConfigurationCrc, Problem::BadDaypartCrc} << 11 << 2;
    // Alone, a bad configuration still fails the file; products and day parts are read.
    QTest::newRow("config alone") << withBadConfiguration(menuFile("good.tul")) << Outcome::Failed
                                  << QList<Problem>{Problem::BadConfigurationCrc} << 11 << 2;
    QTest::newRow("truncated in product 5")
        << menuFile("truncated.tul") << Outcome::Failed
        << QList<Problem>{Problem::ShortFile, Problem::ShortFile} << 5 << 0;
    QTest::newRow("shorter than its header") << menuFile("short_header.tul") << Outcome::Failed
                                             << QList<Problem>{Problem::ShortFile} << 0 << 0;
    QTest::newRow("empty") << QByteArray() << Outcome::Failed << QList<Problem>{Problem::ShortFile} << 0 << 0;
    QTest::newRow("day parts past the end")
        << menuFile("daypart_offset_past_end.tul") << Outcome::Failed
        << QList<Problem>{Problem::ShortFile} << 11 << 0;
    QTest::newRow("255 products counted, 10 there")
        << menuFile("products_past_end.tul") << Outcome::Failed
        << QList<Problem>{Problem::BadProductCrc} << 12 << 2;
    // The day parts come first and are good: the missing product alone fails the file.
    QTest::newRow("one product more counted than the file holds")
        << withProductCount(withFullGroupLast(), 11) << Outcome::Failed << QList<Problem>{Problem::ShortFile} << 11 << 2;
    QTest::newRow("configuration past the end")
        << menuFile("config_offset_past_end.tul") << Outcome::Failed
        << QList<Problem>{Problem::ShortFile} << 11 << 2;
}

void TstBinaryMenuFile::checks()
{
    QFETCH(QByteArray, file);
    QFETCH(Outcome, outcome);
    QFETCH(QList<Problem>, problems);
    QFETCH(int, products);
    QFETCH(int, dayParts);

    const BinaryMenuFile read = BinaryMenuFile::read(file);
    QCOMPARE(read.outcome, outcome);
    QCOMPARE(read.problems, problems);
    QCOMPARE(read.messages.size(), problems.size() + (outcome == Outcome::UnsupportedVersion ? 1 : 0));
    QCOMPARE(read.products.size(), products);
    QCOMPARE(read.dayParts.size(), dayParts);
    if (outcome == Outcome::UnsupportedVersion)
        QCOMPARE(read.messages.first(), QStringLiteral("Orvanta file version 4 not supported!"));
}

void TstBinaryMenuFile::records_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("index");
    QTest::addColumn<char>("kind");
    QTest::addColumn<quint32>("id");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QList<quint32>>("members");

    QTest::newRow("empty product first") << menuFile("good.tul") << 0 << 'p' << 0u << QByteArray() << QList<quint32>();
    QTest::newRow("product") << menuFile("good.tul") << 3 << 'p' << 3u << QByteArray("Product 3") << QList<quint32>();
    QTest::newRow("group of two") << menuFile("good.tul") << 9 << 'g' << 50u << QByteArray("Mix") << QList<quint32>{1, 2};
    QTest::newRow("members 5, 0, 7") << menuFile("good.tul") << 10 << 'g' << 51u << QByteArray("Short") << QList<quint32>{5};
    QTest::newRow("name of 64 bytes, no zero") << menuFile("names_lang0.tul") << 3 << 'p' << 14u
                                               << QByteArray(64, 'N') << QList<quint32>();
    QTest::newRow("ten members, last record of the file")
        << withFullGroupLast() << 10 << 'g' << 51u << QByteArray("Short")
        << QList<quint32>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("group without members") << menuFile("names_lang0.tul") << 4 << 'g' << 50u << QByteArray("Mix")
                                           << QList<quint32>();
}

void TstBinaryMenuFile::records()
{
    QFETCH(QByteArray, file);
    QFETCH(int, index);
    QFETCH(char, kind);
    QFETCH(quint32, id);
    QFETCH(QByteArray, name);
    QFETCH(QList<quint32>, members);

    const BinaryMenuFile read = BinaryMenuFile::read(file);
    QCOMPARE(read.outcome, Outcome::Good);
    QVERIFY(index < read.products.size());
    const ProductTag &record = read.products.at(index);
    QCOMPARE(char(record.kind), kind);
    QCOMPARE(record.id, id);
    QCOMPARE(record.name, name);
    QCOMPARE(record.memberIds(), members);
    if (index == 0) {
        QCOMPARE(record.lowerTemp, 185u);
        QCOMPARE(int(record.panSize), 1);
    }
}

QTEST_GUILESS_MAIN(TstBinaryMenuFile)
#include "tst_binarymenufile.moc"
