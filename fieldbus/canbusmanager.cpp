#include "canbusmanager.h"
#include "fieldbuslog.h"

#include "canrelay.h"

#include "cansendrequest.h"
#include "crc32.h"

#include <QCanBus>
#include <QCanBusDevice>
#include <QDebug>
#include <QTimer>

using namespace CanProtocol;

CanbusManager::CanbusManager(const QString &plugin, const QString &interfaceName, QObject *parent)
    : P4StateMachine(parent)
    , m_plugin(plugin)
    , m_interface(interfaceName)
    , m_reconnectTimer(new QTimer(this))
    , m_ackTimer(new QTimer(this))
    , m_writeRetryTimer(new QTimer(this))
    , m_singleRetryTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("canbusManager"));
    // Before any plugin device of this process looks for a server on the port.
    serveSimulatedBus();
    m_reconnectTimer->setObjectName(QStringLiteral("canReconnectTimer"));
    m_reconnectTimer->setSingleShot(true);
    m_reconnectTimer->setInterval(ReconnectMs);
    m_ackTimer->setObjectName(QStringLiteral("canAckTimer"));
    m_ackTimer->setSingleShot(true);
    m_ackTimer->setInterval(DefaultAckTimeoutMs);
    m_writeRetryTimer->setSingleShot(true);
    m_writeRetryTimer->setInterval(WriteRetryMs);
    connect(m_writeRetryTimer, &QTimer::timeout, this, &CanbusManager::pumpTransfer);
    m_singleRetryTimer->setSingleShot(true);
    m_singleRetryTimer->setInterval(WriteRetryMs);
    connect(m_singleRetryTimer, &QTimer::timeout, this, &CanbusManager::sendPending);

    QState *connecting = addNamedState(QStringLiteral("connecting"));
    QState *connected = addNamedState(QStringLiteral("connected"));
    QState *idle = addNamedState(QStringLiteral("idle"), connected);
    QState *transferring = addNamedState(QStringLiteral("transferring"), connected);
    setInitialState(connecting);
    connected->setInitialState(idle);

    addNamedTransition(connecting, this, SIGNAL(busConnected()), connected,
                       QStringLiteral("t_connecting_connected"));
    addNamedTransition(connecting, m_reconnectTimer, SIGNAL(timeout()), connecting,
                       QStringLiteral("t_connecting_retry"));
    addNamedTransition(connected, this, SIGNAL(busLost()), connecting,
                       QStringLiteral("t_connected_connecting"));
    addNamedTransition(idle, this, SIGNAL(sendPending()), nullptr, QStringLiteral("t_idle_send"),
                       SLOT(sendFromQueue()));
    addNamedTransition(idle, this, SIGNAL(transferStarted()), transferring,
                       QStringLiteral("t_idle_transferring"));
    addNamedTransition(transferring, m_ackTimer, SIGNAL(timeout()), nullptr,
                       QStringLiteral("t_ackTimeout"), SLOT(ackTimedOut()));
    addNamedTransition(transferring, this, SIGNAL(transferEnded()), idle,
                       QStringLiteral("t_transferring_idle"));

    m_nextTag = quint8(reinterpret_cast<quintptr>(this) >> 4);
}

CanbusManager::~CanbusManager()
{
    qDeleteAll(m_queue);
    delete m_out.request;
}

void CanbusManager::set_canId(unsigned id)
{
    if (id > 255) {
        qCWarning(lcFieldbus) << "CAN id" << id << "out of range: kept" << m_canId;
        return;
    }
    m_canId = id;
    m_reassembler.setOwnId(quint8(id));
}

void CanbusManager::setTransferReceiver(TransferReceiver receiver)
{
    if (!receiver) {
        m_reassembler.setReceiver({});
        return;
    }
    m_reassembler.setReceiver([receiver](const CanReassembler::Delivery &d) {
        return receiver(d.sender, d.multiId, d.data);
    });
}

void CanbusManager::set_maxTransferSize(int bytes)
{
    m_maxTransferBytes = qMax(0, bytes);
    m_reassembler.setMaxTransferBytes(m_maxTransferBytes);
}

void CanbusManager::set_ackTimeout(int milliseconds)
{
    m_ackTimer->setInterval(qMax(1, milliseconds));
}

bool CanbusManager::isBusConnected() const
{
    return m_device && m_device->state() == QCanBusDevice::ConnectedState;
}

void CanbusManager::enqueueSendRequest(CanSendRequest *request)
{
    if (!request)
        return;
    if (m_queue.size() >= MaxQueuedRequests) {
        // Once per spell: a bus that never comes up would otherwise log every request.
        if (!m_reportedFullQueue)
            qCWarning(lcFieldbus) << "CAN send queue full: request dropped";
        m_reportedFullQueue = true;
        finishRequest(request, false);
        return;
    }
    m_reportedFullQueue = false;
    m_queue.append(request);
    emit sendPending();
}

void CanbusManager::clearQueue()
{
    qDeleteAll(m_queue);
    m_queue.clear();
}

// --- connecting ---

void CanbusManager::serveSimulatedBus()
{
    // The plugin serves the bus itself when nobody listens on its port, and its server
    // passes malformed lines on to clients that crash on them: the first display on the
    // port serves it through our relay instead, before its plugin looks.
    if (m_plugin != QLatin1String("virtualcan"))
        return;
    const quint16 port = CanRelay::portOf(m_interface);
    if (port == 0)
        return;
    if (!CanRelay::serve(port))
        qCDebug(lcFieldbus) << "Simulated CAN bus on port" << port << "served by another display: joining it";
}

void CanbusManager::connecting_onEntry()
{
    m_reconnectTimer->start();
    if (m_device && m_device->state() == QCanBusDevice::ConnectingState) {
        m_device->deleteLater();  // a connection attempt that never ended
        m_device = nullptr;
    }
    if (!m_device) {
        serveSimulatedBus();
        QString error;
        m_device = QCanBus::instance()->createDevice(m_plugin, m_interface, &error);
        if (!m_device) {
            if (!m_reportedOpenFailure)
                qCWarning(lcFieldbus) << "CAN bus" << m_plugin << m_interface << "not available:" << error;
            m_reportedOpenFailure = true;
            return;
        }
        m_device->setParent(this);
        m_device->setConfigurationParameter(QCanBusDevice::LoopbackKey, false);
        m_device->setConfigurationParameter(QCanBusDevice::ReceiveOwnKey, false);
        connect(m_device, &QCanBusDevice::framesReceived, this, &CanbusManager::readFrames);
        connect(m_device, &QCanBusDevice::stateChanged, this,
                [this](QCanBusDevice::CanBusDeviceState s) { deviceStateChanged(int(s)); });
        connect(m_device, &QCanBusDevice::errorOccurred, this,
                [this](QCanBusDevice::CanBusError e) { deviceError(int(e)); });
    }
    if (m_device->state() == QCanBusDevice::ConnectedState) {
        emit busConnected();
    } else if (m_device->state() == QCanBusDevice::UnconnectedState && !m_device->connectDevice()) {
        if (!m_reportedOpenFailure)
            qCWarning(lcFieldbus) << "CAN bus" << m_interface << "could not be opened:" << m_device->errorString();
        m_reportedOpenFailure = true;
    }
}

void CanbusManager::deviceStateChanged(int state)
{
    if (state == QCanBusDevice::ConnectedState) {
        m_reconnectTimer->stop();
        m_reportedOpenFailure = false;
        m_refusingSince.invalidate();
        emit busConnected();
    } else if (state == QCanBusDevice::UnconnectedState) {
        if (m_transferring)
            finishTransfer(false, QStringLiteral("bus closed"));
        emit busLost();
    }
}

void CanbusManager::deviceError(int error)
{
    // A full transmit queue is retried (WriteRetryMs); an absent bus is reported once,
    // not at every reconnection attempt; anything else is worth a line.
    if (error == QCanBusDevice::NoError || error == QCanBusDevice::WriteError)
        return;
    if (error == QCanBusDevice::ConnectionError) {
        if (m_reportedOpenFailure)
            return;
        m_reportedOpenFailure = true;
    }
    qCWarning(lcFieldbus) << "CAN bus error:" << (m_device ? m_device->errorString() : QString());
}

// --- sending ---

void CanbusManager::idle_onEntry()
{
    if (!m_queue.isEmpty())
        emit sendPending();
}

void CanbusManager::sendFromQueue()
{
    while (!m_queue.isEmpty() && !m_transferring) {
        CanSendRequest *request = m_queue.first();
        const int size = request->get_data().size();
        if (!request->get_multi() && size >= 1 && size <= BytesPerFrame) {
            const bool sent = sendSingle(request);
            if (!sent && !busTakesNoFrames()) {
                m_singleRetryTimer->start();
                return;
            }
            m_queue.removeFirst();
            finishRequest(request, sent);
            continue;
        }
        m_queue.removeFirst();
        if (beginTransfer(request))
            emit transferStarted();
    }
}

quint8 CanbusManager::senderFor(const CanSendRequest *request) const
{
    const int id = request->get_frameId();
    return (id >= 1 && id <= 255) ? quint8(id) : quint8(m_canId);
}

bool CanbusManager::sendSingle(CanSendRequest *request)
{
    const QByteArray &data = request->get_data();
    return writeFrame(CanFrame(singleId(senderFor(request), data), data));
}

// Every frame of our requests goes out here, so that a refusing bus is noticed and its
// end seen.
bool CanbusManager::writeFrame(const CanFrame &frame)
{
    if (transmitFrame(frame)) {
        if (m_reportedRefusal)
            qCDebug(lcFieldbus) << "CAN bus takes frames again";
        m_refusingSince.invalidate();
        m_reportedRefusal = false;
        return true;
    }
    if (!m_refusingSince.isValid())
        m_refusingSince.start();
    return false;
}

// True once the bus has refused our frames for as long as a transfer may go unanswered.
bool CanbusManager::busTakesNoFrames()
{
    if (!m_refusingSince.isValid()
        || m_refusingSince.elapsed() < qint64(m_ackTimer->interval()) * (MaxResends + 1))
        return false;
    if (!m_reportedRefusal)
        qCWarning(lcFieldbus) << "CAN bus takes no frames: requests are dropped until it does";
    m_reportedRefusal = true;
    return true;
}

bool CanbusManager::beginTransfer(CanSendRequest *request)
{
    const QByteArray &data = request->get_data();
    QString refusal;
    if (!request->get_multi() && data.isEmpty())
        refusal = QStringLiteral("empty single message");
    else if (request->get_multi() && (request->get_multiId() < 0 || request->get_multiId() > 255))
        refusal = QStringLiteral("multi-packet id %1 out of range").arg(request->get_multiId());
    else if (data.size() > m_maxTransferBytes)
        refusal = QStringLiteral("%1 bytes exceed the limit of %2").arg(data.size()).arg(m_maxTransferBytes);
    if (!refusal.isEmpty()) {
        qCWarning(lcFieldbus).noquote() << "CAN request not sent:" << refusal;
        finishRequest(request, false);
        return false;
    }
    m_out = Outgoing();
    m_out.request = request;
    m_out.sender = senderFor(request);
    m_out.tag = m_nextTag++;
    m_out.peerHeard = m_heardPeer;
    m_out.payload = data;
    m_out.totalFrames = frameCount(quint32(data.size()));
    m_transferring = true;
    pumpTransfer();
    return m_transferring;  // false when a refusing bus failed it at once
}

void CanbusManager::pumpTransfer()
{
    if (!m_transferring)
        return;
    if (!m_out.started) {
        const CanSendRequest *r = m_out.request;
        const quint32 id = startId(m_out.sender, m_out.tag, quint8(r->get_multi() ? r->get_multiId() : 0),
                                   !r->get_multi());
        static const Crc32 crc;
        const QByteArray start = startPayload(quint32(m_out.payload.size()),
                                              crc.calculateFromByteArray(m_out.payload));
        if (!writeFrame(CanFrame(id, start))) {
            retryOrFailTransfer();
            return;
        }
        m_ackTimer->start();
        return;
    }
    while (m_out.nextFrame < m_out.burstEnd) {
        const quint32 n = m_out.nextFrame;
        const QByteArray bytes = m_out.payload.mid(int(n) * BytesPerFrame, BytesPerFrame);
        if (!writeFrame(CanFrame(dataId(m_out.sender, m_out.tag, n), bytes))) {
            retryOrFailTransfer();
            return;
        }
        ++m_out.nextFrame;
    }
    m_ackTimer->start();
}

void CanbusManager::retryOrFailTransfer()
{
    if (busTakesNoFrames())
        finishTransfer(false, QStringLiteral("the bus takes no frames"));
    else
        m_writeRetryTimer->start();
}

void CanbusManager::restartBurst(quint32 from)
{
    m_ackTimer->stop();
    m_writeRetryTimer->stop();
    m_out.nextFrame = from;
    m_out.burstEnd = blockEnd(from, m_out.totalFrames);
    pumpTransfer();
}

void CanbusManager::handleAck(const CanFrame &frame)
{
    Header h;
    quint32 received = 0;
    AckStatus status = AckContinue;
    if (!decode(frame.id(), &h) || !parseAckPayload(frame.data(), &received, &status))
        return;
    if (!m_transferring || h.destination != m_out.sender || h.tag != m_out.tag)
        return;
    if (status == AckRefused) {
        finishTransfer(false, QStringLiteral("refused by %1").arg(h.sender));
        return;
    }
    if (status == AckDone) {
        finishTransfer(true, QString());
        return;
    }
    if (received > m_out.totalFrames)
        return;
    if (!m_out.started) {
        m_out.started = true;
        m_out.resends = 0;
    } else if (received > m_out.base) {
        m_out.resends = 0;
    } else if (++m_out.resends > MaxResends) {
        finishTransfer(false, QStringLiteral("frame %1 never arrived").arg(received));
        return;
    }
    m_out.base = received;
    restartBurst(received);
}

void CanbusManager::ackTimedOut()
{
    if (!m_transferring)
        return;
    if (++m_out.resends > MaxResends) {
        finishTransfer(false, QStringLiteral("no acknowledgement"));
        return;
    }
    qCDebug(lcFieldbus) << "CAN transfer" << m_out.tag << "not acknowledged: sending again";
    if (m_out.started)
        restartBurst(m_out.base);
    else
        pumpTransfer();
}

void CanbusManager::finishTransfer(bool delivered, const QString &failure)
{
    m_ackTimer->stop();
    m_writeRetryTimer->stop();
    m_transferring = false;
    if (!delivered) {
        const QString text = QStringLiteral("CAN transfer %1 (multi-packet id %2, %3 bytes) failed: %4")
                                 .arg(m_out.tag)
                                 .arg(m_out.request->get_multiId())
                                 .arg(m_out.payload.size())
                                 .arg(failure);
        // A transfer begun before another node was heard is one sent while the other display
        // was still starting (its absence is the start-up synchronisation's to report).
        if (m_out.peerHeard)
            qCWarning(lcFieldbus).noquote() << text;
        else
            qCDebug(lcFieldbus).noquote() << text;
    }
    CanSendRequest *request = m_out.request;
    m_out = Outgoing();
    finishRequest(request, delivered);
    emit transferEnded();
}

void CanbusManager::finishRequest(CanSendRequest *request, bool delivered)
{
    delete request;
    emit requestFinished(delivered);
}

bool CanbusManager::transmitFrame(const CanFrame &frame)
{
    if (!isBusConnected())
        return false;
    return m_device->writeFrame(frame.toBusFrame());
}

// --- receiving ---

void CanbusManager::readFrames()
{
    while (m_device && m_device->framesAvailable() > 0) {
        const CanFrame frame = CanFrame::fromBusFrame(m_device->readFrame());
        Header h;
        if (!frame.isValid() || !frame.isExtended() || !decode(frame.id(), &h))
            continue;
        if (h.kind == Ack) {
            if (h.sender == m_canId)
                continue;
            m_heardPeer = true;
            emit linkActivity();
            handleAck(frame);
            continue;
        }
        deliver(m_reassembler.handle(frame));
    }
}

void CanbusManager::deliver(const CanReassembler::Result &result)
{
    if (result.fromPeer) {
        m_heardPeer = true;
        emit linkActivity();
    }
    for (const CanFrame &reply : result.replies) {
        if (!transmitFrame(reply))
            qCDebug(lcFieldbus) << "CAN acknowledgement not sent; the sender will ask again";
    }
    if (!result.drop.isEmpty())
        qCWarning(lcFieldbus).noquote() << result.drop;
    for (const CanReassembler::Delivery &d : result.deliveries) {
        if (d.single)
            emit singlePacketReceived(d.sender, d.data);
        else
            emit multiPacketReceived(d.sender, d.multiId, d.data);
    }
}
