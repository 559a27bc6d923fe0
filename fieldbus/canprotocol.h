#ifndef CANPROTOCOL_H
#define CANPROTOCOL_H

#include <QByteArray>
#include <QtGlobal>

// Our framing on the display link, on 29-bit identifiers:
//
//   bits 26-28 kind, bits 18-25 sender id, then by kind:
//   Single  bits 16-17 zero, bits 0-15 CRC-16/MODBUS of the data; data = 1..8 message
//           bytes, the message code first. Length = the frame's length.
//   Start   bits 10-17 transfer tag, bits 2-9 multi-packet id, bit 0 set for a long
//           single message; data = total length and CRC-32 of the whole payload (two
//           32-bit big-endian numbers).
//   Data    bits 10-17 transfer tag, bits 0-9 frame number modulo 1024; data = 8 payload
//           bytes (the last frame the rest).
//   Ack     bits 10-17 transfer tag, bits 2-9 the transfer's sender; data = the number of
//           frames received in order (32-bit big-endian) and a status byte.
//
// A transfer: Start, acknowledged (or refused); then blocks of BlockFrames data frames,
// each acknowledged with the count received so far; a sender that hears nothing resends
// from that count, a bounded number of times. The final acknowledgement says whether the
// CRC-32 matched. Tags tell a sender's transfers apart, so a resent block is never
// delivered twice.
namespace CanProtocol {

enum Kind : quint8 { Single = 1, Start = 2, Data = 3, Ack = 4 };
enum AckStatus : quint8 { AckContinue = 0, AckDone = 1, AckRefused = 2 };

constexpr int BytesPerFrame = 8;
constexpr int BlockFrames = 64;
constexpr int SequenceModulo = 1024;
constexpr int DefaultMaxTransferBytes = 4 * 1024 * 1024;

struct Header {
    Kind kind = Single;
    quint8 sender = 0;
    quint8 tag = 0;
    quint8 multiId = 0;
    bool longSingle = false;
    quint16 sequence = 0;
    quint8 destination = 0;
    quint16 crc = 0;
};

quint32 singleId(quint8 sender, const QByteArray &data);
quint32 startId(quint8 sender, quint8 tag, quint8 multiId, bool longSingle);
quint32 dataId(quint8 sender, quint8 tag, quint32 frameNumber);
quint32 ackId(quint8 sender, quint8 tag, quint8 destination);
// False for an identifier that is none of the four kinds.
bool decode(quint32 id, Header *header);

quint16 singleCrc(const QByteArray &data);
QByteArray startPayload(quint32 length, quint32 crc32);
bool parseStartPayload(const QByteArray &data, quint32 *length, quint32 *crc32);
QByteArray ackPayload(quint32 received, AckStatus status);
bool parseAckPayload(const QByteArray &data, quint32 *received, AckStatus *status);

quint32 frameCount(quint32 length);
// Bytes that data frame `frame` of a `length`-byte transfer carries.
int frameLength(quint32 length, quint32 frame);
// The last frame of a block: where the receiver acknowledges.
bool endsBlock(quint32 frame, quint32 totalFrames);
// One past the last frame of the block that holds `frame`.
quint32 blockEnd(quint32 frame, quint32 totalFrames);

} // namespace CanProtocol

#endif // CANPROTOCOL_H
