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

// Frames a peer would send for one transfer.
struct PeerTransfer {
    quint8 tag = 5;
    quint8 multiId = 11;
    QByteArray payload;
    quint32 crc = 0;

    explicit PeerTransfer(const QByteArray &bytes)
        : payload(bytes), crc(Crc32().calculateFromByteArray(bytes)) {}
    CanFrame start() const
    {
        return CanFrame(startId(Peer, tag, multiId, false), startPayload(quint32(payload.size()), crc));
    }
    CanFrame data(quint32 n) const
    {
        return CanFrame(dataId(Peer, tag, n), payload.mid(int(n) * 8, 8));
    }
    quint32 frames() const { return frameCount(quint32(payload.size())); }
};

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 256);
    return bytes;
}

// The acknowledgement in a result: frames received and status.
QPair<quint32, int> ackOf(const CanReassembler::Result &result)
{
    if (result.replies.size() != 1)
        return {0, -1};
    quint32 received = 0;
    AckStatus status = AckContinue;
    Header h;
    if (!decode(result.replies.first().id(), &h) || h.kind != Ack || h.destination != Peer
        || !parseAckPayload(result.replies.first().data(), &received, &status))
        return {0, -2};
    return {received, int(status)};
}
}

class TestCanProtocol : public QObject
{
    Q_OBJECT

private slots:
    void framesConvertBetweenForms();
    void identifiersRoundTrip();
    void singleMessages();
    void transferInOrderIsDeliveredOnce();
    void lostAcknowledgementIsAnsweredAgain();
    void lostFrameIsAskedFor();
    void wrongLengthAndSequenceAreDropped();
    void corruptTransferIsDropped();
    void oversizedTransferIsRefused();
    void emptyTransfer();
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
    QCOMPARE(int(h.kind), int(Start));
    QCOMPARE(int(h.sender), 7);
    QCOMPARE(int(h.tag), 200);
    QCOMPARE(int(h.multiId), 15);
    QVERIFY(h.longSingle);
    QVERIFY(decode(dataId(255, 1, 1030), &h));
    QCOMPARE(int(h.sequence), 6);
    QVERIFY(decode(ackId(2, 9, 1), &h));
    QCOMPARE(int(h.destination), 1);
    QVERIFY(!decode(0, &h));
    QVERIFY(!decode(quint32(7) << 26, &h));
    QVERIFY(!decode(singleId(1, "x") | 0x10000u, &h));  // spare bits must be clear
}

void TestCanProtocol::singleMessages()
{
    CanReassembler receiver(Me);
    const QByteArray message("\x31\x02\x00\x05\xFF", 5);
    auto result = receiver.handle(CanFrame(singleId(Peer, message), message));
    QVERIFY(result.fromPeer);
    QCOMPARE(result.deliveries.size(), 1);
    QCOMPARE(result.deliveries.first().data, message);
    QCOMPARE(int(result.deliveries.first().sender), int(Peer));
    QVERIFY(result.replies.isEmpty());

    QByteArray damaged = message;
    damaged[1] = 3;
    result = receiver.handle(CanFrame(singleId(Peer, message), damaged));
    QVERIFY(result.deliveries.isEmpty());
    QVERIFY(!result.fromPeer);
    QVERIFY(result.drop.contains("CRC"));
    QVERIFY(receiver.handle(CanFrame(singleId(Peer, QByteArray()), QByteArray())).deliveries.isEmpty());
    // Our own id, a standard-format frame: not ours to take.
    result = receiver.handle(CanFrame(singleId(Me, message), message));
    QVERIFY(result.deliveries.isEmpty() && !result.fromPeer && result.drop.isEmpty());
    QVERIFY(receiver.handle(CanFrame(0x31, message, false)).deliveries.isEmpty());
}

void TestCanProtocol::transferInOrderIsDeliveredOnce()
{
    CanReassembler receiver(Me);
    const PeerTransfer t(pattern(1000));  // 125 frames: blocks of 64 and 61
    QCOMPARE(ackOf(receiver.handle(t.start())), qMakePair(quint32(0), int(AckContinue)));
    QList<CanReassembler::Delivery> delivered;
    for (quint32 n = 0; n < t.frames(); ++n) {
        const auto result = receiver.handle(t.data(n));
        delivered += result.deliveries;
        if (n == 63)
            QCOMPARE(ackOf(result), qMakePair(quint32(64), int(AckContinue)));
        else if (n == t.frames() - 1)
            QCOMPARE(ackOf(result), qMakePair(t.frames(), int(AckDone)));
        else
            QVERIFY(result.replies.isEmpty());
    }
    QCOMPARE(delivered.size(), 1);
    QCOMPARE(delivered.first().data, t.payload);
    QCOMPARE(delivered.first().multiId, 11);
    QVERIFY(!delivered.first().single);
    QCOMPARE(receiver.activeTransfers(), 0);
}

void TestCanProtocol::lostAcknowledgementIsAnsweredAgain()
{
    CanReassembler receiver(Me);
    const PeerTransfer t(pattern(600));  // 75 frames
    receiver.handle(t.start());
    QCOMPARE(ackOf(receiver.handle(t.start())), qMakePair(quint32(0), int(AckContinue)));
    for (quint32 n = 0; n < 64; ++n)
        receiver.handle(t.data(n));
    // The sender heard nothing and sends the block again: answered, not taken twice.
    for (quint32 n = 0; n < 63; ++n)
        QVERIFY(receiver.handle(t.data(n)).replies.isEmpty());
    QCOMPARE(ackOf(receiver.handle(t.data(63))), qMakePair(quint32(64), int(AckContinue)));
    int deliveries = 0;
    for (quint32 n = 64; n < t.frames(); ++n)
        deliveries += receiver.handle(t.data(n)).deliveries.size();
    QCOMPARE(deliveries, 1);
    // The final acknowledgement was lost as well: the repeated last block gets it again.
    for (quint32 n = 64; n < t.frames(); ++n) {
        const auto result = receiver.handle(t.data(n));
        QVERIFY(result.deliveries.isEmpty());
        if (n == t.frames() - 1)
            QCOMPARE(ackOf(result), qMakePair(t.frames(), int(AckDone)));
    }
    // And a repeated Start of the finished transfer is answered "done".
    QCOMPARE(ackOf(receiver.handle(t.start())), qMakePair(t.frames(), int(AckDone)));
}

void TestCanProtocol::lostFrameIsAskedFor()
{
    CanReassembler receiver(Me);
    const PeerTransfer t(pattern(64 * 8 * 2));
    receiver.handle(t.start());
    for (quint32 n = 0; n < 64; ++n) {
        if (n == 10)
            continue;
        const auto result = receiver.handle(t.data(n));
        if (n == 63)
            QCOMPARE(ackOf(result), qMakePair(quint32(10), int(AckContinue)));
    }
    int deliveries = 0;
    for (quint32 n = 10; n < t.frames(); ++n)
        deliveries += receiver.handle(t.data(n)).deliveries.size();
    QCOMPARE(deliveries, 1);
}

void TestCanProtocol::wrongLengthAndSequenceAreDropped()
{
    CanReassembler receiver(Me);
    const PeerTransfer t(pattern(20));  // frames of 8, 8, 4
    receiver.handle(t.start());
    auto result = receiver.handle(CanFrame(dataId(Peer, t.tag, 0), QByteArray(5, 'x')));
    QVERIFY(result.drop.contains("wrong length"));
    result = receiver.handle(CanFrame(dataId(Peer, t.tag, 700), QByteArray(8, 'x')));
    QVERIFY(result.drop.contains("outside"));
    // A frame of another tag (an abandoned transfer) is ignored.
    result = receiver.handle(CanFrame(dataId(Peer, t.tag + 1, 0), t.payload.left(8)));
    QVERIFY(result.deliveries.isEmpty() && result.replies.isEmpty());
    receiver.handle(t.data(0));
    receiver.handle(t.data(1));
    result = receiver.handle(CanFrame(dataId(Peer, t.tag, 2), QByteArray(8, 'x')));  // last frame too long
    QVERIFY(result.deliveries.isEmpty());
    result = receiver.handle(t.data(2));
    QCOMPARE(result.deliveries.size(), 1);
    QCOMPARE(result.deliveries.first().data, t.payload);
    // A start frame with a short payload.
    QVERIFY(receiver.handle(CanFrame(startId(Peer, 9, 1, false), QByteArray(4, '\0'))).drop.contains("start"));
}

void TestCanProtocol::corruptTransferIsDropped()
{
    CanReassembler receiver(Me);
    PeerTransfer t(pattern(100));
    t.crc ^= 1;
    receiver.handle(t.start());
    CanReassembler::Result last;
    for (quint32 n = 0; n < t.frames(); ++n)
        last = receiver.handle(t.data(n));
    QVERIFY(last.deliveries.isEmpty());
    QVERIFY(last.drop.contains("CRC mismatch"));
    QCOMPARE(ackOf(last).second, int(AckRefused));
}

void TestCanProtocol::oversizedTransferIsRefused()
{
    CanReassembler receiver(Me, 64);
    const PeerTransfer t(pattern(65));
    const auto result = receiver.handle(t.start());
    QCOMPARE(ackOf(result).second, int(AckRefused));
    QVERIFY(result.drop.contains("exceed the limit of 64"));
    QCOMPARE(receiver.activeTransfers(), 0);
    QVERIFY(receiver.handle(t.data(0)).deliveries.isEmpty());
    QCOMPARE(ackOf(CanReassembler(Me, 64).handle(PeerTransfer(pattern(64)).start())).second,
             int(AckContinue));
}

void TestCanProtocol::emptyTransfer()
{
    CanReassembler receiver(Me);
    const PeerTransfer t{QByteArray()};
    const auto result = receiver.handle(t.start());
    QCOMPARE(result.deliveries.size(), 1);
    QVERIFY(result.deliveries.first().data.isEmpty());
    QCOMPARE(ackOf(result).second, int(AckDone));
}

QTEST_APPLESS_MAIN(TestCanProtocol)
#include "tst_canprotocol.moc"
