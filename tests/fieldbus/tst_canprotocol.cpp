// The display-link framing and its receiving half, frame by frame.
#include "canframe.h"
#include "canprotocol.h"
#include "canreassembler.h"
#include "crc32.h"

#include <QCanBusFrame>
#include <QTest>

using namespace CanProtocol;

namespace {
constexpr quint8 Me = 2;
constexpr quint8 Peer = 1;
constexpr quint8 Tag = 5;
}

class TestCanProtocol : public QObject
{
    Q_OBJECT

private slots:
    void framesConvertBetweenForms();
    void identifiersRoundTrip();
    void singleMessages();
    void transfers_data();
    void transfers();
};

void TestCanProtocol::framesConvertBetweenForms()
{
    const CanFrame frame(0x1ABCDEF0 & CanFrame::ExtendedIdMask, QByteArray("\x01\x02\x03", 3));
    const can_frame_t raw = frame.toSocketCan();
    QCOMPARE(raw.can_id, (0x1ABCDEF0u & CanFrame::ExtendedIdMask) | CanFrame::EffFlag);
    QCOMPARE(int(raw.can_dlc), 3);
    QCOMPARE(int(raw.data[2]), 3);
    const CanFrame back = CanFrame::fromSocketCan(raw);
    QVERIFY(back.isValid());
    QCOMPARE(back.id(), frame.id());
    QCOMPARE(back.data(), frame.data());

    can_frame_t remote = raw;
    remote.can_id |= CanFrame::RtrFlag;
    QVERIFY(!CanFrame::fromSocketCan(remote).isValid());
    can_frame_t tooLong = raw;
    tooLong.can_dlc = 9;
    QVERIFY(!CanFrame::fromSocketCan(tooLong).isValid());
    QVERIFY(!CanFrame(1, QByteArray(9, 'x')).isValid());
    QCanBusFrame rtr(5, QByteArray());
    rtr.setFrameType(QCanBusFrame::RemoteRequestFrame);
    QVERIFY(!CanFrame::fromBusFrame(rtr).isValid());
    QCOMPARE(CanFrame::fromBusFrame(frame.toBusFrame()).id(), frame.id());
}

void TestCanProtocol::identifiersRoundTrip()
{
    Header h;
    QVERIFY(decode(startId(7, 200, 15, true), &h));
    QCOMPARE(QList<int>({h.kind, h.sender, h.tag, h.multiId, h.longSingle}), QList<int>({Start, 7, 200, 15, 1}));
    QVERIFY(decode(dataId(255, 1, 1030), &h));
    QCOMPARE(int(h.sequence), 6);
    QVERIFY(decode(ackId(2, 9, 1), &h));
    QCOMPARE(int(h.destination), 1);
    QVERIFY(!decode(0, &h));
    QVERIFY(!decode(quint32(7) << 26, &h));
    QVERIFY(!decode(singleId(1, "x") | 0x10000u, &h)); // spare bits must be clear
}

void TestCanProtocol::singleMessages()
{
    CanReassembler receiver(Me);
    const QByteArray message("\x31\x02\x00\x05\xFF", 5);
    auto result = receiver.handle(CanFrame(singleId(Peer, message), message));
    QVERIFY(result.fromPeer && result.replies.isEmpty());
    QCOMPARE(result.deliveries.size(), 1);
    QCOMPARE(result.deliveries.first().data, message);
    QCOMPARE(int(result.deliveries.first().sender), int(Peer));

    QByteArray damaged = message;
    damaged[1] = 3;
    result = receiver.handle(CanFrame(singleId(Peer, message), damaged));
    QVERIFY(result.deliveries.isEmpty() && !result.fromPeer && result.drop.contains("CRC"));
    QVERIFY(receiver.handle(CanFrame(singleId(Peer, QByteArray()), QByteArray())).deliveries.isEmpty());
    // Our own id, a standard-format frame: not ours to take.
    result = receiver.handle(CanFrame(singleId(Me, message), message));
    QVERIFY(result.deliveries.isEmpty() && !result.fromPeer && result.drop.isEmpty());
    QVERIFY(receiver.handle(CanFrame(0x31, message, false)).deliveries.isEmpty());
}

// Steps of a peer's transfer (tag 5, multi-id 11): "S" its Start, "n" or "n-m" its data
// frames, "Ln" frame n of a wrong length, "On" a data frame of sequence n (outside),
// "Tn" frame n of another tag, "s" a Start with a short payload. Each step shows as its
// acknowledgements ("A<frames received><c: continue, d: done, r: refused>"), "D" for a
// delivery of the whole payload and "!" for a drop ("-" for nothing); the drops' reasons
// are listed in order.
void TestCanProtocol::transfers_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("badCrc");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QStringList>("drops");

    const int limit = DefaultMaxTransferBytes;
    QTest::newRow("in order: blocks of 64 and 61") << 1000 << false << limit << "S 0-124" << "A0c A64cA125dD"
                                                   << QStringList{};
    QTest::newRow("lost acknowledgement answered again")
        << 600 << false << limit << "S S 0-63 0-62 63 64-74 64-74 S" << "A0c A0c A64c - A64c A75dD A75d A75d"
        << QStringList{};
    QTest::newRow("lost frame asked for") << 1024 << false << limit << "S 0-9 11-63 10-127" << "A0c - A10c A64cA128dD"
                                          << QStringList{};
    QTest::newRow("wrong length, sequence or tag")
        << 20 << false << limit << "S L0 O700 T0 0 1 L2 2 s" << "A0c ! ! - - - ! A3dD !"
        << QStringList{"wrong length", "outside", "wrong length", "start"};
    QTest::newRow("corrupt") << 100 << true << limit << "S 0-12" << "A0c !A13r" << QStringList{"CRC mismatch"};
    QTest::newRow("over the limit") << 65 << false << 64 << "S 0" << "!A0r -" << QStringList{"exceed the limit of 64"};
    QTest::newRow("at the limit") << 64 << false << 64 << "S 0-7" << "A0c A8dD" << QStringList{};
    QTest::newRow("empty") << 0 << false << limit << "S" << "A0dD" << QStringList{};
}

void TestCanProtocol::transfers()
{
    QFETCH(int, size);
    QFETCH(bool, badCrc);
    QFETCH(int, limit);
    QFETCH(QString, steps);
    QFETCH(QStringList, drops);

    QByteArray payload(size, '\0');
    for (int i = 0; i < size; ++i)
        payload[i] = char(i * 7 + i / 256);
    const quint32 frames = frameCount(quint32(size));
    const quint32 crc = Crc32().calculateFromByteArray(payload) ^ quint32(badCrc);
    const auto data = [&](quint32 n) { return CanFrame(dataId(Peer, Tag, n), payload.mid(int(n) * 8, 8)); };
    CanReassembler receiver(Me, limit);
    QStringList outcome, dropped;
    for (const QString &step : steps.split(' ')) {
        QList<CanFrame> sent;
        const quint32 n = step.mid(1).toUInt();
        if (step == "S")
            sent << CanFrame(startId(Peer, Tag, 11, false), startPayload(quint32(size), crc));
        else if (step == "s")
            sent << CanFrame(startId(Peer, 9, 1, false), QByteArray(4, '\0'));
        else if (step[0] == 'L')
            sent << CanFrame(dataId(Peer, Tag, n), QByteArray(n + 1 < frames ? 5 : 8, 'x'));
        else if (step[0] == 'O')
            sent << CanFrame(dataId(Peer, Tag, n), QByteArray(8, 'x'));
        else if (step[0] == 'T')
            sent << CanFrame(dataId(Peer, Tag + 1, n), payload.mid(int(n) * 8, 8));
        else
            for (quint32 k = step.section('-', 0, 0).toUInt(); k <= step.section('-', -1).toUInt(); ++k)
                sent << data(k);
        QString shown;
        for (const CanFrame &frame : sent) {
            const CanReassembler::Result result = receiver.handle(frame);
            if (!result.drop.isEmpty()) {
                shown += '!';
                dropped << result.drop;
            }
            for (const CanFrame &reply : result.replies) {
                Header h;
                quint32 received = 0;
                AckStatus status = AckContinue;
                QVERIFY(decode(reply.id(), &h) && h.kind == Ack && h.destination == Peer && h.tag == Tag);
                QVERIFY(parseAckPayload(reply.data(), &received, &status));
                shown += QStringLiteral("A%1%2").arg(received).arg(QLatin1Char("cdr"[status]));
            }
            for (const CanReassembler::Delivery &delivery : result.deliveries) {
                QCOMPARE(delivery.data, payload);
                QVERIFY(delivery.multiId == 11 && !delivery.single && delivery.sender == Peer);
                shown += 'D';
            }
        }
        outcome << (shown.isEmpty() ? QStringLiteral("-") : shown);
    }
    QTEST(outcome.join(' '), "outcome");
    QCOMPARE(dropped.size(), drops.size());
    for (int i = 0; i < drops.size(); ++i)
        QVERIFY2(dropped[i].contains(drops[i]), qPrintable(dropped[i]));
    QCOMPARE(receiver.activeTransfers(), 0);
}

QTEST_APPLESS_MAIN(TestCanProtocol)
#include "tst_canprotocol.moc"
