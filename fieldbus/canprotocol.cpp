#include "canprotocol.h"

#include "qrmcrc.h"

#include <QtEndian>

namespace CanProtocol {

namespace {
constexpr int KindShift = 26;
constexpr int SenderShift = 18;
constexpr int TagShift = 10;
constexpr int ByteShift = 2;

quint32 head(Kind kind, quint8 sender)
{
    return (quint32(kind) << KindShift) | (quint32(sender) << SenderShift);
}
}

quint16 singleCrc(const QByteArray &data)
{
    return qrmCrc(reinterpret_cast<const unsigned char *>(data.constData()), data.size());
}

quint32 singleId(quint8 sender, const QByteArray &data)
{
    return head(Single, sender) | singleCrc(data);
}

quint32 startId(quint8 sender, quint8 tag, quint8 multiId, bool longSingle)
{
    return head(Start, sender) | (quint32(tag) << TagShift) | (quint32(multiId) << ByteShift)
           | (longSingle ? 1u : 0u);
}

quint32 dataId(quint8 sender, quint8 tag, quint32 frameNumber)
{
    return head(Data, sender) | (quint32(tag) << TagShift) | (frameNumber % SequenceModulo);
}

quint32 ackId(quint8 sender, quint8 tag, quint8 destination)
{
    return head(Ack, sender) | (quint32(tag) << TagShift) | (quint32(destination) << ByteShift);
}

bool decode(quint32 id, Header *header)
{
    if (id > 0x1FFFFFFFu)
        return false;
    Header h;
    const quint32 kind = id >> KindShift;
    h.sender = quint8(id >> SenderShift);
    h.tag = quint8(id >> TagShift);
    switch (kind) {
    case Single:
        if (id & 0x30000u)
            return false;
        h.kind = Single;
        h.crc = quint16(id);
        h.tag = 0;
        break;
    case Start:
        if (id & 0x2u)
            return false;
        h.kind = Start;
        h.multiId = quint8(id >> ByteShift);
        h.longSingle = id & 0x1u;
        break;
    case Data:
        h.kind = Data;
        h.sequence = quint16(id % SequenceModulo);
        break;
    case Ack:
        if (id & 0x3u)
            return false;
        h.kind = Ack;
        h.destination = quint8(id >> ByteShift);
        break;
    default:
        return false;
    }
    *header = h;
    return true;
}

QByteArray startPayload(quint32 length, quint32 crc32)
{
    QByteArray data(8, '\0');
    qToBigEndian(length, data.data());
    qToBigEndian(crc32, data.data() + 4);
    return data;
}

bool parseStartPayload(const QByteArray &data, quint32 *length, quint32 *crc32)
{
    if (data.size() != 8)
        return false;
    *length = qFromBigEndian<quint32>(data.constData());
    *crc32 = qFromBigEndian<quint32>(data.constData() + 4);
    return true;
}

QByteArray ackPayload(quint32 received, AckStatus status)
{
    QByteArray data(5, '\0');
    qToBigEndian(received, data.data());
    data[4] = char(status);
    return data;
}

bool parseAckPayload(const QByteArray &data, quint32 *received, AckStatus *status)
{
    if (data.size() != 5 || quint8(data.at(4)) > AckRefused)
        return false;
    *received = qFromBigEndian<quint32>(data.constData());
    *status = AckStatus(quint8(data.at(4)));
    return true;
}

quint32 frameCount(quint32 length)
{
    return (length + BytesPerFrame - 1) / BytesPerFrame;
}

int frameLength(quint32 length, quint32 frame)
{
    const quint64 offset = quint64(frame) * BytesPerFrame;
    if (offset >= length)
        return 0;
    return int(qMin<quint64>(BytesPerFrame, length - offset));
}

bool endsBlock(quint32 frame, quint32 totalFrames)
{
    return (frame + 1) % BlockFrames == 0 || frame + 1 == totalFrames;
}

quint32 blockEnd(quint32 frame, quint32 totalFrames)
{
    return qMin(totalFrames, (frame / BlockFrames + 1) * BlockFrames);
}

} // namespace CanProtocol
