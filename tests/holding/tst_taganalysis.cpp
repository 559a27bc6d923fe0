#include "binproductsource.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "scratchroots.h"
#include "taganalysis.h"

#include <QtTest>

namespace {

// The cabinet as the analysis sees it: eight bins, products 5 and 7 half-size, 9 full-size
// (in bins 4 and 6, covering bins 5 and 7, which have no product of their own).
class BinTable : public BinProductSource
{
public:
    int binCount() const override { return int(products.size()); }
    int productIdOfBin(int bin) const override { return products.value(bin); }
    int panSizeOfProduct(int productId) const override { return productId == 9 ? 2 : 1; }
    int holdTimeOfProduct(int productId) const override { return holdTimes.value(productId); }
    bool binIsHolding(int) const override { return false; }

    QVector<int> products{5, 5, 7, 0, 9, 0, 9, 0};
    QHash<int, int> holdTimes{{5, 1200}, {7, 900}, {9, 600}};
};

// Pans by name: the tag product sits in bits 40-47; U is universal.
const QHash<QString, quint64> &pans()
{
    static const QHash<QString, quint64> table{
        {"A5", 0x00000500000000A1ULL}, {"B5", 0x00000500000000B2ULL},
        {"C7", 0x00000700000000C3ULL}, {"F9", 0x00000900000000F4ULL},
        {"U", 0x0000000000000D05ULL},  {"V", 0x0000000000000E06ULL},
        {"0", 0}};
    return table;
}

QString name(quint64 uid)
{
    return pans().key(uid, QString::number(uid, 16));
}

// Every signal of the analysis and of the NFC manager's pan events, as text in order.
class EventLog : public QObject
{
public:
    EventLog(NFCmanager *nfc, TagAnalysis *analysis)
    {
        connect(nfc, &NFCmanager::startBinTimer, this, [this](quint8 bin, int seconds, quint64 uid) {
            events << QStringLiteral("start %1 %2 %3").arg(bin).arg(seconds).arg(name(uid));
        });
        connect(nfc, &NFCmanager::stopBinTimer, this,
                [this](quint8 bin) { events << QStringLiteral("stop %1").arg(bin); });
        auto pan = [this](const char *what) {
            return [this, what](qint64 timeStamp, int bin, quint64 uid, int remaining) {
                QVERIFY(qAbs(timeStamp - QDateTime::currentMSecsSinceEpoch()) < 5000);
                events << QStringLiteral("%1 %2 %3 %4").arg(what).arg(bin).arg(name(uid)).arg(remaining);
            };
        };
        connect(nfc, &NFCmanager::panRemoved, this, pan("removed"));
        connect(nfc, &NFCmanager::panReturned, this, pan("returned"));
        connect(nfc, &NFCmanager::panTransfered, this, pan("transfered"));
        connect(analysis, &TagAnalysis::holdStartedByTag, this, [this](int bin, quint64 uid) {
            events << QStringLiteral("held %1 %2").arg(bin).arg(name(uid));
        });
        connect(analysis, &TagAnalysis::chime, this, [this](bool universal) {
            events << (universal ? QStringLiteral("chime universal") : QStringLiteral("chime"));
        });
        connect(analysis, &TagAnalysis::holdingListChanged, this, [this] { events << QStringLiteral("list"); });
        auto mismatch = [this](const char *what) {
            return [this, what](int bin, quint64 uid, bool universal) {
                events << QStringLiteral("%1 %2 %3%4").arg(what).arg(bin).arg(name(uid))
                              .arg(universal ? QStringLiteral(" universal") : QString());
            };
        };
        connect(analysis, &TagAnalysis::mismatchRaised, this, mismatch("mismatch"));
        connect(analysis, &TagAnalysis::mismatchCleared, this, mismatch("cleared"));
    }

    QStringList events;
};

} // namespace

class TestTagAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void tagReads_data();
    void tagReads();
};

// reads: "bin=pan" in order ("expire pan": its hold ran out a few seconds ago; "bins n": the
// cabinet has n bins). events: what the analysis reports. records: the registry
// afterwards as "pan:status@bin/product"; bins: the bin entries as "bin=pan".
void TestTagAnalysis::tagReads_data()
{
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("bins");
    QTest::addColumn<QString>("log");

    const QStringList startA5{"start 0 1200 A5", "held 0 A5", "chime", "list"};
    const QStringList startU0{"start 0 1200 U", "held 0 U", "chime universal", "list"};

    QTest::newRow("new pan of the bin's product starts holding")
        << QStringList{"0=A5"} << startA5 << QStringList{"A5:0@0/5"} << QStringList{"0=A5"} << QString();
    QTest::newRow("the same read again changes nothing")
        << QStringList{"0=A5", "0=A5"} << startA5 << QStringList{"A5:0@0/5"} << QStringList{"0=A5"} << QString();
    QTest::newRow("universal pan holds the bin's product")
        << QStringList{"2=U"} << QStringList{"start 2 900 U", "held 2 U", "chime universal", "list"}
        << QStringList{"U:0@2/7"} << QStringList{"2=U"} << QString();
    QTest::newRow("pan of another product is a mismatch")
        << QStringList{"2=A5"} << QStringList{"mismatch 2 A5"} << QStringList{} << QStringList{} << QString();
    QTest::newRow("mismatch clears when the pan leaves")
        << QStringList{"2=A5", "2=0"} << QStringList{"mismatch 2 A5", "cleared 2 A5"} << QStringList{}
        << QStringList{} << QString();
    QTest::newRow("right pan after a wrong one")
        << QStringList{"2=A5", "2=C7"}
        << QStringList{"mismatch 2 A5", "cleared 2 A5", "start 2 900 C7", "held 2 C7", "chime", "list"}
        << QStringList{"C7:0@2/7"} << QStringList{"2=C7"} << QString();
    QTest::newRow("removal")
        << QStringList{"0=A5", "0=0"} << startA5 + QStringList{"removed 0 A5 1200"}
        << QStringList{"A5:0@0/5"} << QStringList{"0=A5"} << QString();
    QTest::newRow("return to the same bin")
        << QStringList{"0=A5", "0=0", "0=A5"}
        << startA5 + QStringList{"removed 0 A5 1200", "returned 0 A5 1200", "list"}
        << QStringList{"A5:1@0/5"} << QStringList{"0=A5"} << QString();
    QTest::newRow("move to a bin of the same product")
        << QStringList{"0=A5", "0=0", "1=A5"}
        << startA5 + QStringList{"removed 0 A5 1200", "transfered 1 A5 1200", "stop 0", "start 1 1200 A5", "list"}
        << QStringList{"A5:0@1/5"} << QStringList{"1=A5"} << QString();
    QTest::newRow("move of a universal pan keeps its product")
        << QStringList{"0=U", "0=0", "1=U"}
        << startU0 + QStringList{"removed 0 U 1200", "transfered 1 U 1200", "stop 0", "start 1 1200 U", "list"}
        << QStringList{"U:0@1/5"} << QStringList{"1=U"} << QString();
    QTest::newRow("move of a universal pan to another product")
        << QStringList{"0=U", "0=0", "2=U", "2=0"}
        << startU0 + QStringList{"removed 0 U 1200", "mismatch 2 U universal", "cleared 2 U universal"}
        << QStringList{"U:0@0/5"} << QStringList{"0=U"} << QString();
    QTest::newRow("move of a tagged pan to another product")
        << QStringList{"0=A5", "0=0", "2=A5"} << startA5 + QStringList{"removed 0 A5 1200", "mismatch 2 A5"}
        << QStringList{"A5:0@0/5"} << QStringList{"0=A5"} << QString();
    QTest::newRow("move onto a bin whose pan is out stops that pan")
        << QStringList{"0=A5", "1=B5", "1=0", "0=0", "1=A5"}
        << startA5 + QStringList{"start 1 1200 B5", "held 1 B5", "chime", "list", "removed 1 B5 1200",
                                 "removed 0 A5 1200", "transfered 1 A5 1200", "stop 0", "start 1 1200 A5", "list"}
        << QStringList{"A5:0@1/5", "B5:4@1/5"} << QStringList{"1=A5"} << QString();
    QTest::newRow("a pan that ran out stays run out when moved")
        << QStringList{"0=A5", "0=0", "expire A5", "1=A5"}
        << startA5 + QStringList{"removed 0 A5 1200", "transfered 1 A5 -5", "stop 0", "start 1 1 A5", "list"}
        << QStringList{"A5:0@1/5"} << QStringList{"1=A5"} << QString();
    QTest::newRow("a new pan replaces the bin's pan")
        << QStringList{"0=A5", "0=B5"}
        << startA5 + QStringList{"removed 0 A5 1200", "start 0 1200 B5", "held 0 B5", "chime", "list"}
        << QStringList{"A5:4@0/5", "B5:0@0/5"} << QStringList{"0=B5"} << QString();
    QTest::newRow("a stopped pan starts a fresh hold")
        << QStringList{"0=A5", "0=B5", "1=A5"}
        << startA5 + QStringList{"removed 0 A5 1200", "start 0 1200 B5", "held 0 B5", "chime", "list",
                                 "start 1 1200 A5", "held 1 A5", "chime", "list"}
        << QStringList{"A5:0@1/5", "B5:0@0/5"} << QStringList{"0=B5", "1=A5"} << QString();
    QTest::newRow("full-size pan on an odd bin counts for the even bin")
        << QStringList{"5=F9", "5=0"} << QStringList{"start 4 600 F9", "held 4 F9", "chime", "list", "removed 4 F9 600"}
        << QStringList{"F9:0@4/9"} << QStringList{"4=F9"} << QString();
    QTest::newRow("full-size pan on the odd bin of another pair")
        << QStringList{"7=F9", "7=0"} << QStringList{"start 6 600 F9", "held 6 F9", "chime", "list", "removed 6 F9 600"}
        << QStringList{"F9:0@6/9"} << QStringList{"6=F9"} << QString();
    QTest::newRow("full-size pan read on its own even bin")
        << QStringList{"4=F9", "4=0"} << QStringList{"start 4 600 F9", "held 4 F9", "chime", "list", "removed 4 F9 600"}
        << QStringList{"F9:0@4/9"} << QStringList{"4=F9"} << QString();
    QTest::newRow("full-size pan read on the even bin of another pair")
        << QStringList{"6=F9", "6=0"} << QStringList{"start 6 600 F9", "held 6 F9", "chime", "list", "removed 6 F9 600"}
        << QStringList{"F9:0@6/9"} << QStringList{"6=F9"} << QString();
    QTest::newRow("universal pan on the odd bin of a full-size product")
        << QStringList{"5=U"} << QStringList{"start 4 600 U", "held 4 U", "chime universal", "list"}
        << QStringList{"U:0@4/9"} << QStringList{"4=U"} << QString();
    QTest::newRow("half-size pan on an odd bin stays there")
        << QStringList{"1=B5"} << QStringList{"start 1 1200 B5", "held 1 B5", "chime", "list"}
        << QStringList{"B5:0@1/5"} << QStringList{"1=B5"} << QString();
    QTest::newRow("full-size pan of another product on an odd bin")
        << QStringList{"1=F9"} << QStringList{"mismatch 0 F9"} << QStringList{} << QStringList{} << QString();
    QTest::newRow("a pan leaving keeps another pan's mismatch")
        << QStringList{"1=F9", "0=A5", "0=0", "1=0"}
        << QStringList{"mismatch 0 F9"} + startA5 + QStringList{"removed 0 A5 1200", "cleared 0 F9"}
        << QStringList{"A5:0@0/5"} << QStringList{"0=A5"} << QString();
    QTest::newRow("a pan leaving a bin in mismatch does not clear it")
        << QStringList{"1=F9", "0=A5", "0=0"}
        << QStringList{"mismatch 0 F9"} + startA5 + QStringList{"removed 0 A5 1200"}
        << QStringList{"A5:0@0/5"} << QStringList{"0=A5"} << QString();
    QTest::newRow("a second wrong pan on a bin in mismatch replaces the first")
        << QStringList{"1=F9", "0=C7"} << QStringList{"mismatch 0 F9", "cleared 0 F9", "mismatch 0 C7"}
        << QStringList{} << QStringList{} << QString();
    QTest::newRow("one wrong pan read on both halves raises one mismatch")
        << QStringList{"1=F9", "0=F9"} << QStringList{"mismatch 0 F9"} << QStringList{} << QStringList{} << QString();
    QTest::newRow("uid 0 arrival")
        << QStringList{"0=0"} << QStringList{} << QStringList{} << QStringList{} << QString();
    QTest::newRow("bin outside the cabinet")
        << QStringList{"8=A5"} << QStringList{} << QStringList{} << QStringList{}
        << QString("Tag read for bin 8, outside the cabinet's 8 bins");
    QTest::newRow("bin past those kept, in a larger cabinet")
        << QStringList{"bins 24", "20=A5"} << QStringList{} << QStringList{} << QStringList{}
        << QString("Tag read for bin 20, outside");
    QTest::newRow("negative bin")
        << QStringList{"-1=A5"} << QStringList{} << QStringList{} << QStringList{}
        << QString("Tag read for bin -1, outside");
    QTest::newRow("bin without a product ignores a tagged pan")
        << QStringList{"3=A5"} << QStringList{} << QStringList{} << QStringList{}
        << QString("Pan 500000000a1 in bin 3, which has no product");
    QTest::newRow("bin without a product ignores a universal pan")
        << QStringList{"3=V"} << QStringList{} << QStringList{} << QStringList{}
        << QString("Pan e06 in bin 3, which has no product");
}

void TestTagAnalysis::tagReads()
{
    QFETCH(QStringList, reads);
    QFETCH(QStringList, events);
    QFETCH(QStringList, records);
    QFETCH(QStringList, bins);
    QFETCH(QString, log);

    ScratchRoots scratch;
    BinTable table;
    NFCmanager nfc;
    TagAnalysis analysis(&nfc, &table);
    EventLog seen(&nfc, &analysis);
    if (!log.isEmpty()) {
        QTest::ignoreMessage(log.startsWith("Tag read") ? QtWarningMsg : QtInfoMsg,
                             QRegularExpression(QRegularExpression::escape(log)));
    }

    for (const QString &read : reads) {
        if (read.startsWith("expire ")) {
            nfc.viewTagInfo2(pans().value(read.section(' ', 1)))
                ->setExpTime(QDateTime::currentMSecsSinceEpoch() - 5500);
            continue;
        }
        if (read.startsWith("bins ")) {
            table.products.resize(read.section(' ', 1).toInt());
            continue;
        }
        const int bin = read.section('=', 0, 0).toInt();
        analysis.binTagRead(bin, pans().value(read.section('=', 1)));
    }
    QCOMPARE(seen.events, events);

    QStringList recordsSeen;
    for (const NfcTagItem2 *item : nfc.tagRegistry()) {
        recordsSeen << QStringLiteral("%1:%2@%3/%4").arg(name(item->getUid())).arg(item->getHoldStatus())
                           .arg(item->getPosition()).arg(item->getProductId());
        QVERIFY(item->getSeenInCabinet());
    }
    std::sort(recordsSeen.begin(), recordsSeen.end());
    QCOMPARE(recordsSeen, records);
    QStringList binsSeen;
    for (int bin = 0; bin < NFCmanager::MaxBins; ++bin) {
        if (nfc.getBinTagUid(bin))
            binsSeen << QStringLiteral("%1=%2").arg(bin).arg(name(nfc.getBinTagUid(bin)));
    }
    QCOMPARE(binsSeen, bins);

    // Both stores follow every change: a restart sees the same pans and the same last reads.
    NFCmanager restarted;
    QVERIFY(restarted.restoreNFC2());
    QVERIFY(restarted.restorePreviousUid());
    QCOMPARE(restarted.tagRegistry().keys(), nfc.tagRegistry().keys());
    for (const NfcTagItem2 *item : nfc.tagRegistry())
        QCOMPARE(*restarted.viewTagInfo2(item->getUid()), *item);
    for (int bin = 0; bin < NFCmanager::MaxBins; ++bin) {
        QCOMPARE(restarted.getBinTagUid(bin), nfc.getBinTagUid(bin));
        QCOMPARE(restarted.getPreviousUid(bin), nfc.getPreviousUid(bin));
    }
}

QTEST_GUILESS_MAIN(TestTagAnalysis)
#include "tst_taganalysis.moc"
