#ifndef CANREASSEMBLER_H
#define CANREASSEMBLER_H

#include "canframe.h"
#include "canprotocol.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

// The receiving half of the display-link framing: checks every Single, Start and Data
// frame from the other senders, puts transfers together per sender, and says which
// acknowledgements to send and which messages are complete. It never trusts a length,
// sequence number or CRC from the bus: a frame that does not fit is dropped, a transfer
// that does not check out is dropped whole, and nothing larger than the size limit is
// accepted.
class CanReassembler
{
public:
    struct Delivery {
        quint8 sender = 0;
        bool single = true;
        int multiId = 0;
        QByteArray data;
    };
    struct Result {
        bool fromPeer = false;  // a well-formed frame of another sender (link activity)
        QList<CanFrame> replies;
        QList<Delivery> deliveries;
        QString drop;           // why a transfer or message was dropped, for the log
    };

    // Takes a complete multi-packet transfer before its final acknowledgement and says
    // whether it was taken: a refused one is acknowledged as refused (so its sender's
    // request fails) and not delivered. Without one, every transfer that checks out is.
    using Receiver = std::function<bool(const Delivery &)>;

    explicit CanReassembler(quint8 ownId = 0,
                            int maxTransferBytes = CanProtocol::DefaultMaxTransferBytes);

    void setOwnId(quint8 id) { m_ownId = id; }
    void setMaxTransferBytes(int bytes) { m_maxBytes = quint32(qMax(0, bytes)); }
    void setReceiver(Receiver receiver) { m_receiver = std::move(receiver); }
    int activeTransfers() const { return m_active.size(); }

    // Frames whose kind is Ack are not handled here (they belong to the sending side).
    Result handle(const CanFrame &frame);

private:
    struct Transfer {
        quint8 tag = 0;
        quint8 multiId = 0;
        bool longSingle = false;
        quint32 length = 0;
        quint32 crc = 0;
        quint32 received = 0;  // frames in order
        QByteArray data;
    };
    struct Finished {
        quint8 tag = 0;
        quint32 length = 0;
        quint32 crc = 0;
    };

    void handleSingle(const CanProtocol::Header &h, const CanFrame &frame, Result &result);
    void handleStart(const CanProtocol::Header &h, const CanFrame &frame, Result &result);
    void handleData(const CanProtocol::Header &h, const CanFrame &frame, Result &result);
    void acceptFrame(quint8 sender, Transfer &t, const QByteArray &bytes, Result &result);
    void complete(quint8 sender, Transfer &t, Result &result);
    void ackFinished(const CanProtocol::Header &h, Result &result);
    CanFrame ack(quint8 destination, quint8 tag, quint32 received,
                 CanProtocol::AckStatus status) const;

    quint8 m_ownId;
    quint32 m_maxBytes;
    Receiver m_receiver;
    QHash<quint8, Transfer> m_active;
    QHash<quint8, Finished> m_finished;
};

#endif // CANREASSEMBLER_H
