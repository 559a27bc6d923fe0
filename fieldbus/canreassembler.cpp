#include "canreassembler.h"
#include "fieldbuslog.h"

#include "crc32.h"

#include <QDebug>

using namespace CanProtocol;

namespace {

quint32 crc32Of(const QByteArray &data)
{
    static const Crc32 crc;
    return crc.calculateFromByteArray(data);
}

// Absolute frame number of a sequence field, seen from `next` (the frame expected):
// up to half the sequence range ahead, or the rest behind. -1 when before frame 0.
qint64 frameNumber(quint16 sequence, quint32 next)
{
    const quint32 distance = (sequence + SequenceModulo - next % SequenceModulo) % SequenceModulo;
    if (distance < SequenceModulo / 2)
        return qint64(next) + distance;
    return qint64(next) - (SequenceModulo - distance);
}

}

CanReassembler::CanReassembler(quint8 ownId, int maxTransferBytes)
    : m_ownId(ownId)
    , m_maxBytes(quint32(qMax(0, maxTransferBytes)))
{
}

CanReassembler::Result CanReassembler::handle(const CanFrame &frame)
{
    Result result;
    Header h;
    if (!frame.isValid() || !frame.isExtended() || !decode(frame.id(), &h) || h.kind == Ack)
        return result;
    if (h.sender == m_ownId)
        return result;
    switch (h.kind) {
    case Single:
        handleSingle(h, frame, result);
        break;
    case Start:
        handleStart(h, frame, result);
        break;
    default:
        handleData(h, frame, result);
        break;
    }
    return result;
}

void CanReassembler::handleSingle(const Header &h, const CanFrame &frame, Result &result)
{
    if (frame.data().isEmpty() || singleCrc(frame.data()) != h.crc) {
        result.drop = QStringLiteral("CAN message from %1 dropped: CRC or length error").arg(h.sender);
        return;
    }
    result.fromPeer = true;
    Delivery delivery;
    delivery.sender = h.sender;
    delivery.data = frame.data();
    result.deliveries.append(delivery);
}

void CanReassembler::handleStart(const Header &h, const CanFrame &frame, Result &result)
{
    quint32 length = 0, crc = 0;
    if (!parseStartPayload(frame.data(), &length, &crc)) {
        result.drop = QStringLiteral("CAN transfer start from %1 dropped: bad length").arg(h.sender);
        return;
    }
    result.fromPeer = true;
    auto active = m_active.find(h.sender);
    if (active != m_active.end() && active->tag == h.tag && active->length == length
        && active->crc == crc) {
        // The sender did not hear our answer: answer again.
        result.replies.append(ack(h.sender, h.tag, active->received, AckContinue));
        return;
    }
    const auto finished = m_finished.constFind(h.sender);
    if (active == m_active.end() && finished != m_finished.constEnd() && finished->tag == h.tag
        && finished->length == length && finished->crc == crc) {
        result.replies.append(ack(h.sender, h.tag, frameCount(length), AckDone));
        return;
    }
    if (active != m_active.end()) {
        qCDebug(lcFieldbus, "CAN transfer %d from %d abandoned by its sender", active->tag, int(h.sender));
        m_active.erase(active);
    }
    m_finished.remove(h.sender);
    if (length > m_maxBytes) {
        result.drop = QStringLiteral("CAN transfer from %1 refused: %2 bytes exceed the limit of %3")
                          .arg(h.sender).arg(length).arg(m_maxBytes);
        result.replies.append(ack(h.sender, h.tag, 0, AckRefused));
        return;
    }
    Transfer t;
    t.tag = h.tag;
    t.multiId = h.multiId;
    t.longSingle = h.longSingle;
    t.length = length;
    t.crc = crc;
    if (length == 0) {
        complete(h.sender, t, result);
        return;
    }
    m_active.insert(h.sender, t);
    result.replies.append(ack(h.sender, h.tag, 0, AckContinue));
}

void CanReassembler::handleData(const Header &h, const CanFrame &frame, Result &result)
{
    auto active = m_active.find(h.sender);
    if (active == m_active.end() || active->tag != h.tag) {
        ackFinished(h, result);
        return;
    }
    Transfer &t = *active;
    const quint32 total = frameCount(t.length);
    const qint64 number = frameNumber(h.sequence, t.received);
    if (number < 0 || number >= total) {
        result.drop = QStringLiteral("CAN frame from %1 dropped: frame %2 outside transfer %3")
                          .arg(h.sender).arg(number).arg(t.tag);
        return;
    }
    result.fromPeer = true;
    if (quint32(number) != t.received) {
        // Lost or repeated frame: at a block's end tell the sender where we are.
        if (endsBlock(quint32(number), total))
            result.replies.append(ack(h.sender, t.tag, t.received, AckContinue));
        return;
    }
    if (frame.data().size() != frameLength(t.length, t.received)) {
        result.drop = QStringLiteral("CAN frame %1 from %2 dropped: wrong length")
                          .arg(number).arg(h.sender);
        return;
    }
    acceptFrame(h.sender, t, frame.data(), result);
}

void CanReassembler::acceptFrame(quint8 sender, Transfer &t, const QByteArray &bytes, Result &result)
{
    t.data.append(bytes);
    ++t.received;
    const quint32 total = frameCount(t.length);
    if (t.received == total) {
        Transfer done = t;
        m_active.remove(sender);
        complete(sender, done, result);
    } else if (endsBlock(t.received - 1, total)) {
        result.replies.append(ack(sender, t.tag, t.received, AckContinue));
    }
}

void CanReassembler::complete(quint8 sender, Transfer &t, Result &result)
{
    const quint32 total = frameCount(t.length);
    if (crc32Of(t.data) != t.crc) {
        result.drop = QStringLiteral("CAN transfer %1 from %2 dropped: CRC mismatch")
                          .arg(t.tag).arg(sender);
        result.replies.append(ack(sender, t.tag, total, AckRefused));
        return;
    }
    Delivery delivery;
    delivery.sender = sender;
    delivery.single = t.longSingle;
    delivery.multiId = t.multiId;
    delivery.data = t.data;
    if (!delivery.single && m_receiver && !m_receiver(delivery)) {
        result.drop = QStringLiteral("CAN transfer %1 from %2 (multi-packet id %3) refused by its receiver")
                          .arg(t.tag).arg(sender).arg(t.multiId);
        result.replies.append(ack(sender, t.tag, total, AckRefused));
        return;
    }
    m_finished.insert(sender, Finished{t.tag, t.length, t.crc});
    result.deliveries.append(delivery);
    result.replies.append(ack(sender, t.tag, total, AckDone));
}

// A repeated last block of a transfer already delivered: its acknowledgement was lost.
void CanReassembler::ackFinished(const Header &h, Result &result)
{
    const auto finished = m_finished.constFind(h.sender);
    if (finished == m_finished.constEnd() || finished->tag != h.tag)
        return;  // a stray frame of an abandoned transfer
    const quint32 total = frameCount(finished->length);
    const qint64 number = frameNumber(h.sequence, total);
    if (number < 0 || number >= total)
        return;
    result.fromPeer = true;
    if (endsBlock(quint32(number), total))
        result.replies.append(ack(h.sender, h.tag, total, AckDone));
}

CanFrame CanReassembler::ack(quint8 destination, quint8 tag, quint32 received, AckStatus status) const
{
    return CanFrame(ackId(m_ownId, tag, destination), ackPayload(received, status));
}
