// The master's fault state as the other displays take it from the display link.
#include "canmessagecodes.h"
#include "holdinglink.h"

#include <QtTest>

class TestHoldingLink : public QObject
{
    Q_OBJECT

private slots:
    void faultStateIsTakenWhole_data();
    void faultStateIsTakenWhole();
};

using Faults = QVector<quint8>;

void TestHoldingLink::faultStateIsTakenWhole_data()
{
    QTest::addColumn<QByteArray>("payload");  // after the code
    QTest::addColumn<bool>("taken");
    QTest::addColumn<bool>("linkBroken");
    QTest::addColumn<Faults>("faults");
    const Faults none(HoldingLink::HeaterChannels, 0);
    Faults some = none;
    some[0] = 1;       // open probe
    some[7] = 2 | 4;   // shorted probe of a heater running hot
    some[19] = 4;
    QByteArray someBytes(1, '\0');
    for (quint8 f : some)
        someBytes.append(char(f));

    QTest::newRow("link up, no fault") << QByteArray(21, '\0') << true << false << none;
    QTest::newRow("link broken, no fault") << QByteArray(1, '\1') + QByteArray(20, '\0') << true << true << none;
    QTest::newRow("faults of the first and last channels") << someBytes << true << false << some;
    // What a later version may add: unknown bits and bytes beyond the state.
    QByteArray later = someBytes;
    later[1] = char(0xF9);
    later.append("\x07\x07", 2);
    QTest::newRow("unknown bits and a longer message") << later << true << false << some;
    QTest::newRow("one channel short: nothing changes") << QByteArray(20, '\1') << false << false << none;
    QTest::newRow("the code alone") << QByteArray() << false << false << none;
}

void TestHoldingLink::faultStateIsTakenWhole()
{
    QFETCH(QByteArray, payload);
    QFETCH(bool, taken);
    QFETCH(bool, linkBroken);
    QFETCH(Faults, faults);
    HoldingLink link(nullptr, 1);
    QSignalSpy received(&link, &HoldingLink::faultStateReceived);
    // A holding message either way: never handed to the other decoders.
    QVERIFY(link.processSingle(QByteArray(1, char(CanMsg::TULMSGSINGLE_FAULT_STATE)) + payload));
    QCOMPARE(received.count(), taken ? 1 : 0);
    if (!taken)
        return;
    QCOMPARE(received.first().at(0).toBool(), linkBroken);
    QCOMPARE(received.first().at(1).value<Faults>(), faults);
}

QTEST_GUILESS_MAIN(TestHoldingLink)
#include "tst_holdinglink.moc"
