// The holding state file: what the reader takes from text written by hand, entry by entry.
#include "holdingstatefile.h"
#include "scratchroots.h"

#include <QtTest>

namespace {

// One well-formed entry of bin `bin`, with `field` replaced by `value` (raw JSON text).
QByteArray entry(int bin, const QByteArray &field = QByteArray(), const QByteArray &value = QByteArray())
{
    QList<QPair<QByteArray, QByteArray>> fields{
        {"bin", QByteArray::number(bin)}, {"state", "6"}, {"product", "21"}, {"groupIndex", "0"},
        {"dayPart", "1"}, {"pan", "\"150000000a01\""}, {"start", "1767225000000"},
        {"warning", "1767225030000"}, {"expiry", "1767225090000"}};
    QByteArray text = "{";
    for (const auto &f : fields) {
        if (f.first == field && value.isNull())
            continue; // left out
        text += (text.size() > 1 ? "," : "") + ("\"" + f.first + "\":") + (f.first == field ? value : f.second);
    }
    return text + "}";
}

QByteArray file(const QByteArray &bins, const QByteArray &head = R"("version":1,"written":1767225060000,"dayPart":1)")
{
    return "{" + head + ",\"bins\":[" + bins + "]}";
}

} // namespace

class TestHoldingStateFile : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void writtenFileReadsBack();
};

void TestHoldingStateFile::decode_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QList<int>>("bins");   // the entries taken
    QTest::addColumn<int>("skipped");
    QTest::addColumn<int>("dayPart");

    QTest::newRow("two holds") << file(entry(0) + "," + entry(19)) << true << QList<int>{0, 19} << 0 << 1;
    QTest::newRow("no holds") << file("") << true << QList<int>{} << 0 << 1;
    QTest::newRow("not JSON") << QByteArray("{\"version\":1,") << false << QList<int>{} << 0 << -1;
    QTest::newRow("another version") << file(entry(0), R"("version":2,"written":1,"dayPart":1)") << false
                                     << QList<int>{} << 0 << -1;
    QTest::newRow("no time of writing") << file(entry(0), R"("version":1,"dayPart":1)") << false << QList<int>{} << 0 << -1;
    QTest::newRow("a repeated key") << file(entry(0), R"("version":1,"version":1,"written":1,"dayPart":1)") << false
                                    << QList<int>{} << 0 << -1;
    QTest::newRow("day part out of range: the holds still count")
        << file(entry(3), R"("version":1,"written":1,"dayPart":10)") << true << QList<int>{3} << 1 << -1;
    QTest::newRow("bin past the last") << file(entry(20) + "," + entry(2)) << true << QList<int>{2} << 1 << 1;
    QTest::newRow("negative bin") << file(entry(-1)) << true << QList<int>{} << 1 << 1;
    QTest::newRow("bin as text") << file(entry(0, "bin", "\"0\"")) << true << QList<int>{} << 1 << 1;
    QTest::newRow("bin named twice: the first counts") << file(entry(4) + "," + entry(4)) << true << QList<int>{4} << 1 << 1;
    QTest::newRow("state not a hold") << file(entry(1, "state", "4") + "," + entry(2)) << true << QList<int>{2} << 1 << 1;
    QTest::newRow("no product") << file(entry(1, "product", "0")) << true << QList<int>{} << 1 << 1;
    QTest::newRow("fractional product") << file(entry(1, "product", "21.5")) << true << QList<int>{} << 1 << 1;
    QTest::newRow("pan not hexadecimal") << file(entry(1, "pan", "\"xyz\"")) << true << QList<int>{} << 1 << 1;
    QTest::newRow("pan longer than 64 bits") << file(entry(1, "pan", "\"1150000000a01aaaa\"")) << true << QList<int>{} << 1 << 1;
    QTest::newRow("expiry missing") << file(entry(1, "expiry")) << true << QList<int>{} << 1 << 1;
    QTest::newRow("expiry before the start") << file(entry(1, "expiry", "1")) << true << QList<int>{} << 1 << 1;
    QTest::newRow("time past exact numbers") << file(entry(1, "expiry", "1e300")) << true << QList<int>{} << 1 << 1;
    QTest::newRow("entry not an object") << file("[1]," + entry(5)) << true << QList<int>{5} << 1 << 1;
}

void TestHoldingStateFile::decode()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, readable);
    QFETCH(QList<int>, bins);
    QFETCH(int, skipped);
    QFETCH(int, dayPart);

    HoldingStateFile::Content content;
    QStringList skippedEntries;
    QString why;
    const HoldingStateFile::Read read = HoldingStateFile::decode(text, &content, &skippedEntries, &why);
    QCOMPARE(read == HoldingStateFile::Read::Ok, readable);
    QCOMPARE(why.isEmpty(), readable);
    QList<int> taken;
    for (const HoldingStateFile::Bin &b : qAsConst(content.bins))
        taken << b.bin;
    QCOMPARE(taken, bins);
    QCOMPARE(skippedEntries.size(), skipped);
    QCOMPARE(content.dayPart, dayPart);
    if (!bins.isEmpty()) {
        const HoldingStateFile::Bin &b = content.bins.first();
        QCOMPARE(b.pan, Q_UINT64_C(0x150000000a01));
        QCOMPARE(b.expiry, Q_INT64_C(1767225090000));
    }
}

void TestHoldingStateFile::writtenFileReadsBack()
{
    ScratchRoots roots;
    HoldingStateFile::Content content;
    content.written = Q_INT64_C(1767225060123);
    content.dayPart = 9;
    HoldingStateFile::Bin b;
    b.bin = 19;
    b.state = 8;
    b.productId = 0x40000001; // a group
    b.groupIndex = 3;
    b.dayPart = 9;
    b.pan = ~quint64(0);
    b.start = 1;
    b.warning = 0;
    b.expiry = Q_INT64_C(4102444800000);
    content.bins << b;
    QString why;
    QVERIFY(HoldingStateFile::write(content, &why));
    HoldingStateFile::Content back;
    QStringList skipped;
    QCOMPARE(HoldingStateFile::read(&back, &skipped, &why), HoldingStateFile::Read::Ok);
    QVERIFY(skipped.isEmpty());
    QCOMPARE(back.written, content.written);
    QCOMPARE(back.dayPart, content.dayPart);
    QCOMPARE(back.bins.size(), 1);
    QVERIFY(back.bins.first() == b);
    QVERIFY(QFile::remove(HoldingStateFile::path()));
    QCOMPARE(HoldingStateFile::read(&back, &skipped, &why), HoldingStateFile::Read::Missing);
}

QTEST_GUILESS_MAIN(TestHoldingStateFile)
#include "tst_holdingstatefile.moc"
