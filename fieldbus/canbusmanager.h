#ifndef CANBUSMANAGER_H
#define CANBUSMANAGER_H

#include "canframe.h"
#include "canreassembler.h"
#include "p4statemachine.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>

class CanSendRequest;
class QCanBusDevice;
class QTimer;

// The display link's CAN transport over QCanBus ("socketcan" on "can0" on the device,
// "virtualcan" in simulation and tests; a virtualcan interface may be given as
// "tcp://127.0.0.1:<port>/can0" for a bus of its own). Requests are sent one after the
// other in queue order; single messages of up to 8 bytes are one frame, everything else
// an acknowledged transfer (see CanProtocol). Frames carrying our own id are ignored.
// A bus that takes no frames for as long as a transfer waits for its acknowledgements
// (a real bus whose transmit queue stays full when no other node answers) fails the
// request at hand and every later one at once, until a frame goes out again.
//
// States: "connecting" (opening the bus; retried every ReconnectMs) and "connected",
// which holds "idle" and "transferring" (a transfer waits for its acknowledgements).
class CanbusManager : public P4StateMachine
{
    Q_OBJECT

public:
    static constexpr int DefaultAckTimeoutMs = 250;
    static constexpr int MaxResends = 3;
    static constexpr int ReconnectMs = 1000;
    static constexpr int WriteRetryMs = 2;
    static constexpr int MaxQueuedRequests = 1024;

    CanbusManager(const QString &plugin, const QString &interfaceName, QObject *parent = nullptr);
    ~CanbusManager() override;

    // Takes ownership; the request is deleted once sent or once it finally failed.
    void enqueueSendRequest(CanSendRequest *request);
    // Drops (and deletes) every request still waiting; a transfer under way goes on.
    void clearQueue();
    int queuedRequestCount() const { return m_queue.size(); }

    // This display's id on the bus (1..255): the sender id of our acknowledgements and of
    // requests without a frame id; frames from this id are ignored.
    void set_canId(unsigned id);
    unsigned get_canId() const { return m_canId; }

    // Largest transfer sent or accepted (at least 2 MiB in the cabinet).
    void set_maxTransferSize(int bytes);
    int get_maxTransferSize() const { return m_maxTransferBytes; }
    void set_ackTimeout(int milliseconds);

    bool isBusConnected() const;

    // Takes each complete multi-packet transfer before it is acknowledged and says whether
    // it was taken; a refused transfer fails at its sender and is not emitted. Without a
    // receiver every transfer that checks out is taken. Taken ones are emitted as well.
    using TransferReceiver = std::function<bool(quint32 senderId, int multiId, const QByteArray &data)>;
    void setTransferReceiver(TransferReceiver receiver);

signals:
    void singlePacketReceived(quint32 senderId, QByteArray data);
    void multiPacketReceived(quint32 senderId, int multiId, QByteArray data);
    // Every well-formed frame from another sender (the link supervision counts silence).
    void linkActivity();
    // A request left the queue: sent, or finally failed.
    void requestFinished(bool delivered);

    // State-table triggers.
    void busConnected();
    void busLost();
    void sendPending();
    void transferStarted();
    void transferEnded();

protected:
    // Writes one frame to the bus; false when the bus does not take it now.
    virtual bool transmitFrame(const CanFrame &frame);

private slots:
    void connecting_onEntry();
    void idle_onEntry();
    void sendFromQueue();
    void pumpTransfer();
    void ackTimedOut();
    void readFrames();
    void deviceStateChanged(int state);
    void deviceError(int error);

private:
    void serveSimulatedBus();
    struct Outgoing {
        CanSendRequest *request = nullptr;
        quint8 sender = 0;
        quint8 tag = 0;
        quint32 totalFrames = 0;
        QByteArray payload;
        bool started = false;   // the Start frame was acknowledged
        quint32 base = 0;       // frames the receiver confirmed
        quint32 nextFrame = 0;  // next frame of the current burst to write
        quint32 burstEnd = 0;
        int resends = 0;
        bool peerHeard = false; // another node had been heard when it began
    };

    bool writeFrame(const CanFrame &frame);
    bool busTakesNoFrames();
    bool sendSingle(CanSendRequest *request);
    bool beginTransfer(CanSendRequest *request);
    quint8 senderFor(const CanSendRequest *request) const;
    void handleAck(const CanFrame &frame);
    void retryOrFailTransfer();
    void restartBurst(quint32 from);
    void finishTransfer(bool delivered, const QString &failure);
    void finishRequest(CanSendRequest *request, bool delivered);
    void deliver(const CanReassembler::Result &result);

    QString m_plugin;
    QString m_interface;
    QCanBusDevice *m_device = nullptr;
    QTimer *m_reconnectTimer = nullptr;
    QTimer *m_ackTimer = nullptr;
    QTimer *m_writeRetryTimer = nullptr;
    QTimer *m_singleRetryTimer = nullptr;
    QElapsedTimer m_refusingSince;  // valid while the bus refuses our frames
    bool m_reportedRefusal = false;
    bool m_reportedFullQueue = false;
    QList<CanSendRequest *> m_queue;
    Outgoing m_out;
    bool m_transferring = false;
    bool m_heardPeer = false;  // a frame from another node has arrived since the start
    quint8 m_nextTag = 0;
    unsigned m_canId = 0;
    int m_maxTransferBytes = CanProtocol::DefaultMaxTransferBytes;
    bool m_reportedOpenFailure = false;
    CanReassembler m_reassembler;
};

#endif // CANBUSMANAGER_H
