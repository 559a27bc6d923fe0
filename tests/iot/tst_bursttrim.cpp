#include "bursttrim.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The heap is handed back once after a burst of cloud messages, not after every message
// and not while the burst goes on.
class TestBurstTrim : public QObject
{
    Q_OBJECT

private slots:
    void trimsOnceAfterABurst_data();
    void trimsOnceAfterABurst();
};

void TestBurstTrim::trimsOnceAfterABurst_data()
{
    QTest::addColumn<QList<int>>("bursts"); // messages per burst, each followed by quiet
    QTest::addColumn<QList<int>>("trims");  // the bursts trimmed after, by size
    QTest::newRow("a few messages") << QList<int>{3} << QList<int>{};
    QTest::newRow("one short of a burst") << QList<int>{9} << QList<int>{};
    QTest::newRow("a burst") << QList<int>{10} << QList<int>{10};
    QTest::newRow("a flood, then a few") << QList<int>{250, 4} << QList<int>{250};
    QTest::newRow("short ones do not add up") << QList<int>{6, 6} << QList<int>{};
    QTest::newRow("two floods") << QList<int>{40, 12} << QList<int>{40, 12};
}

void TestBurstTrim::trimsOnceAfterABurst()
{
    QFETCH(QList<int>, bursts);
    QFETCH(QList<int>, trims);
    BurstTrim trim;
    trim.setBurstSize(10);
    trim.setQuietMs(30);
    int released = 0;
    trim.setTrim([&released] { ++released; });
    QSignalSpy trimmed(&trim, &BurstTrim::trimmed);
    const QTimer *quiet = trim.findChild<QTimer *>(QStringLiteral("burstTrimTimer"));
    QVERIFY(quiet);
    QList<int> sizes;
    for (int messages : bursts) {
        const int before = trimmed.count();
        for (int i = 0; i < messages; ++i)
            trim.note();
        QCOMPARE(released, before); // nothing while the burst goes on
        // The quiet time ends the burst, whether it was one or not.
        QTRY_VERIFY(!quiet->isActive());
        QVERIFY(trimmed.count() <= before + 1);
        if (trimmed.count() > before)
            sizes << trimmed.last().first().toInt();
    }
    QCOMPARE(sizes, trims);
    QCOMPARE(released, trims.size());
}

QTEST_GUILESS_MAIN(TestBurstTrim)
#include "tst_bursttrim.moc"
