#include "qmodbusmaster.h"

#include "deadlinetimer.h"
#include "fieldbuslog.h"

#include <QDebug>
#include <QSerialPort>
#include <QTimer>

#include <cerrno>
#include <chrono>

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace ModbusRtu;

QModbusMaster::QModbusMaster(QObject *parent)
    : QObject(parent)
    , m_replyTimer(new QTimer(this))
    , m_gapTimer(new DeadlineTimer(this))
{
    setClock(nullptr);
    setObjectName(QStringLiteral("modbusMaster"));
    m_replyTimer->setObjectName(QStringLiteral("modbusReplyTimer"));
    m_replyTimer->setSingleShot(true);
    m_replyTimer->setTimerType(Qt::PreciseTimer);
    m_gapTimer->setObjectName(QStringLiteral("modbusGapTimer"));
    m_txFrame.reserve(MaxFrameLength);
    m_rxBuffer.reserve(MaxFrameLength + 1);
    m_replyRegisters.reserve(MaxReadCount);
    connect(m_replyTimer, &QTimer::timeout, this, &QModbusMaster::replyTimedOut);
    connect(m_gapTimer, &DeadlineTimer::timeout, this, &QModbusMaster::gapOver);
}

QModbusMaster::~QModbusMaster() = default;

void QModbusMaster::setClock(Clock clock)
{
    // The steady clock is CLOCK_MONOTONIC, the gap timer's.
    m_clock = clock ? std::move(clock) : Clock([] {
        return qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(
                          std::chrono::steady_clock::now().time_since_epoch()).count());
    });
}

bool QModbusMaster::openSerialPort(const QString &portName)
{
    if (!m_port) {
        m_port = new QSerialPort(this);
        connect(m_port, &QSerialPort::readyRead, this, &QModbusMaster::readReply);
        connect(m_port, &QSerialPort::errorOccurred, this, &QModbusMaster::portErrorOccurred);
    }
    if (m_port->isOpen())
        m_port->close();
    m_port->setPortName(portName);
    m_portPath = portName;
    if (!m_port->open(QIODevice::ReadWrite)) {
        qCWarning(lcFieldbus) << "Modbus serial port" << portName << "could not be opened:"
                   << m_port->errorString();
        return false;
    }
    m_port->setBaudRate(QSerialPort::Baud115200);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    // The transceiver direction lines; a pseudo-terminal has none and refuses both calls.
    if (!m_port->setRequestToSend(true) || !m_port->setDataTerminalReady(false)) {
        qCDebug(lcFieldbus) << "Modbus serial port" << portName << "has no RTS/DTR lines:"
                 << m_port->errorString();
        m_port->clearError();
    }
    return true;
}

bool QModbusMaster::isPortOpen() const
{
    return m_port && m_port->isOpen();
}

int QModbusMaster::holdingRegistersRead(unsigned char node, unsigned short startRegister,
                                        unsigned char count, unsigned char retries,
                                        QModbusPollInfo *pollInfo, bool overrideFake)
{
    Q_UNUSED(overrideFake)
    if (count > MaxReadCount)
        return -1;
    Request request;
    request.node = node;
    request.function = ReadHoldingRegisters;
    request.start = startRegister;
    request.count = count;
    return enqueue(request, retries, pollInfo);
}

int QModbusMaster::holdingRegistersWrite(unsigned char node, unsigned short startRegister,
                                         unsigned char count, unsigned char retries,
                                         QModbusPollInfo *pollInfo, bool overrideFake)
{
    Q_UNUSED(overrideFake)
    if (count > MaxWriteCount || !pollInfo)
        return -1;
    Request request;
    request.node = node;
    request.function = count == 1 ? WriteSingleRegister : WriteMultipleRegisters;
    request.start = startRegister;
    request.count = count;
    // The values are taken now: what goes out is what the caller wrote before queueing.
    request.values = pollInfo->registers().mid(0, count);
    return enqueue(request, retries, pollInfo);
}

int QModbusMaster::enqueue(Request request, unsigned char retries, QModbusPollInfo *pollInfo)
{
    if (!pollInfo || request.count == 0 || request.count > pollInfo->registerCount())
        return -1;
    Pending pending;
    pending.info = pollInfo;
    pending.request = request;
    pending.triesLeft = int(retries) + 1;
    // Watched once, not looked up again at every poll.
    if (pollInfo->m_watchedBy != this) {
        connect(pollInfo, &QObject::destroyed, this, &QModbusMaster::dropRecord, Qt::UniqueConnection);
        pollInfo->m_watchedBy = this;
    }

    // A record still waiting is asked again (a periodic poll on a silent line): replace
    // its entry, so the queues never hold one record twice and cannot grow without end.
    QVector<Pending> &queue = pollInfo->isHighPriority() ? m_highQueue : m_normalQueue;
    QVector<Pending> &other = pollInfo->isHighPriority() ? m_normalQueue : m_highQueue;
    for (int i = other.size() - 1; i >= 0; --i) {
        if (other.at(i).info == pollInfo)
            other.removeAt(i);
    }
    bool replaced = false;
    for (Pending &queued : queue) {
        if (queued.info == pollInfo) {
            queued = pending;
            replaced = true;
            break;
        }
    }
    if (!replaced)
        queue.append(pending);
    pollInfo->markQueued();
    workPending();
    return 0;
}

int QModbusMaster::queuedRequestCount() const
{
    return m_highQueue.size() + m_normalQueue.size();
}

void QModbusMaster::start()
{
    if (m_running)
        return;
    m_running = true;
    emit isRunningChanged(true);
    enter(Idle, nullptr);
}

void QModbusMaster::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_enterNext = false;
    emit isRunningChanged(false);
    cancelQueued();
}

// Runs the entered state's work; a state asked for meanwhile is entered after it, in
// this loop, so that the work of one state never runs inside another's.
void QModbusMaster::enter(State next, const char *transition)
{
    m_next = next;
    m_nextTransition = transition;
    m_enterNext = true;
    if (m_entering)
        return;
    m_entering = true;
    while (m_enterNext && m_running) {
        m_enterNext = false;
        const State from = m_state;
        m_state = m_next;
        if (m_trace)
            trace(m_nextTransition, from, m_state);
        switch (m_state) {
        case Idle:
            idle_onEntry();
            break;
        case Transaction:
            transaction_onEntry();
            break;
        case Spacing:
            spacing_onEntry();
            break;
        }
        emit stateEntered(m_state);
    }
    m_entering = false;
}

// A request was queued.
void QModbusMaster::workPending()
{
    if (!m_running)
        return;
    if (m_state == Idle)
        enter(Transaction, "t_idle_transaction");
    else if (m_state == Spacing) {
        if (m_trace)
            trace("t_spacing_workPending", Spacing, Spacing);
        armGap();
    }
}

void QModbusMaster::trace(const char *transition, State from, State to) const
{
    static const char *const names[] = {"idle", "transaction", "spacing"};
    qCInfo(lcFieldbus).noquote() << objectName() + QLatin1String(":") << (transition ? transition : "started")
                                 << names[from] << "->" << names[to];
}

// The request on the line is done with, or none went out.
void QModbusMaster::transactionEnded()
{
    if (m_running && m_state == Transaction)
        enter(Spacing, "t_transaction_spacing");
}

void QModbusMaster::gapOver()
{
    if (m_running && m_state == Spacing)
        enter(Idle, "t_spacing_idle");
}

void QModbusMaster::idle_onEntry()
{
    // A gap timed for a request that went out meanwhile (queued while the gap ended) has
    // nothing left to end.
    if (m_gapTimer->isActive())
        m_gapTimer->stop();
    if (queuedRequestCount() > 0)
        workPending();
    else
        m_heldSince = Never; // what was held is gone: the next request's hold starts anew
}

void QModbusMaster::transaction_onEntry()
{
    if (!takeNext(m_current)) {
        transactionEnded();
        return;
    }
    if (waitForSilence()) {
        // Back to the head of its queue, untried; the spacing waits for the silence.
        QVector<Pending> &queue = m_current.info->isHighPriority() ? m_highQueue : m_normalQueue;
        queue.prepend(m_current);
        transactionEnded();
        return;
    }
    sendCurrent();
}

// The gap is timed only when a request waits for its end: with nothing queued the line
// stays quiet and the program is not woken for a gap that nobody needs.
void QModbusMaster::spacing_onEntry()
{
    if (queuedRequestCount() > 0)
        armGap();
}

void QModbusMaster::armGap()
{
    if (m_gapTimer->isActive())
        return;
    // A request to a line quiet for longer than the spacing (most polls) goes out in this
    // turn of the event loop, not after a wake-up for a gap that has already passed.
    const qint64 remaining = remainingGapNs();
    if (remaining <= 0)
        m_gapTimer->expireNow();
    else
        m_gapTimer->start(remaining);
}

// True while bytes came in less than MinimumSilenceNs ago, counting those the system has
// received and we have not read yet (a busy event loop reads them late). A line that stays
// busy is waited for no longer than MaximumSilenceWaitMs.
bool QModbusMaster::waitForSilence()
{
    const qint64 now = m_clock();
    int unread = 0;
    if (isPortOpen() && ::ioctl(int(m_port->handle()), FIONREAD, &unread) == 0 && unread > 0)
        m_lastByteAt = now;
    if (m_lastByteAt == Never || now - m_lastByteAt >= MinimumSilenceNs)
        return false;
    if (m_heldSince == Never)
        m_heldSince = now;
    return now - m_heldSince < qint64(MaximumSilenceWaitMs) * 1000000;
}

// Measured in nanoseconds: whole milliseconds, and Qt's timers that wake only on them,
// would add most of a millisecond to every transaction.
qint64 QModbusMaster::remainingGapNs() const
{
    const qint64 now = m_clock();
    qint64 remaining = 0;
    if (m_lastRequestAt != Never)
        remaining = qint64(RequestSpacingMs) * 1000000 - (now - m_lastRequestAt);
    if (m_lastByteAt != Never)
        remaining = qMax(remaining, MinimumSilenceNs - (now - m_lastByteAt));
    return remaining;
}

bool QModbusMaster::takeNext(Pending &next)
{
    for (QVector<Pending> *queue : {&m_highQueue, &m_normalQueue}) {
        while (!queue->isEmpty()) {
            next = queue->takeFirst();
            if (next.info)
                return true;
        }
    }
    return false;
}

void QModbusMaster::sendCurrent()
{
    encodeRequestInto(m_current.request, m_txFrame);
    m_rxBuffer.resize(0);
    if (isPortOpen()) {
        if (m_port->bytesAvailable() > 0)
            m_port->skip(m_port->bytesAvailable());  // leftovers of an earlier, discarded reply
        logFrame("TX", m_txFrame);
        if (!writeFrame(m_txFrame) && isPortOpen())
            qCWarning(lcFieldbus) << "Modbus request could not be written:" << m_port->errorString();
    }
    m_lastRequestAt = m_clock();
    m_heldSince = Never;
    m_inFlight = true;
    m_replyTimer->start(m_current.info->get_replyTimeout());
    m_current.info->markIssued();
}

// Straight to the line: no request is on it, so the driver's buffer is empty and takes a
// whole frame. The port's own write buffer would switch its write notifier on and off for
// each request, three turns of the event loop; what the driver does not take goes that way.
bool QModbusMaster::writeFrame(const QByteArray &frame)
{
    qint64 written = 0;
    if (m_port->bytesToWrite() == 0) {
        const ssize_t n = ::write(int(m_port->handle()), frame.constData(), size_t(frame.size()));
        if (n < 0 && errno != EAGAIN && errno != EINTR && closeIfLineGone())
            return false;
        written = n > 0 ? qint64(n) : 0;
    }
    if (written == frame.size())
        return true;
    const qint64 rest = frame.size() - written;
    return m_port->write(frame.constData() + written, rest) == rest;
}

void QModbusMaster::portErrorOccurred()
{
    if (m_port->error() != QSerialPort::NoError)
        closeIfLineGone();
}

// A line whose device went away (an adapter pulled, the far end of a simulated line
// closed) stays ready to write and fails every write: left open, the port's write notifier
// would spin the event loop on a buffer that can never drain, and every request would add
// to it. Closed, requests go on timing out as on a silent line, which the pollers report.
bool QModbusMaster::closeIfLineGone()
{
    if (!isPortOpen())
        return false;
    pollfd line{int(m_port->handle()), POLLOUT, 0};
    if (::poll(&line, 1, 0) != 1 || !(line.revents & (POLLERR | POLLHUP | POLLNVAL)))
        return false;
    qCWarning(lcFieldbus).noquote() << QStringLiteral("Modbus serial port %1 is gone: closed").arg(m_portPath);
    m_port->close();
    return true;
}

void QModbusMaster::readReply()
{
    const qint64 available = m_port->bytesAvailable();
    if (available <= 0)
        return;
    m_lastByteAt = m_clock();
    if (!m_inFlight) {
        if (m_logModbus)
            logFrame("RX (unexpected)", m_port->read(available));
        else
            m_port->skip(available);
        return;
    }
    // Straight into the kept buffer; a reply longer than any frame is cut at one byte more,
    // which is enough to discard it (the rest is skipped before the next request).
    const int old = m_rxBuffer.size();
    const int wanted = int(qMin<qint64>(available, qint64(MaxFrameLength) + 1 - old));
    m_rxBuffer.resize(old + wanted);
    const qint64 got = m_port->read(m_rxBuffer.data() + old, wanted);
    m_rxBuffer.resize(old + int(qMax<qint64>(0, got)));
    if (m_rxBuffer.size() > MaxFrameLength) {
        logFrame("RX", m_rxBuffer);
        endTry(QStringLiteral("reply longer than a Modbus frame"));
        return;
    }
    quint8 exceptionCode = 0;
    QString reason;
    const ParseStatus status = parseReplyInto(m_current.request, m_rxBuffer, m_replyRegisters, exceptionCode, &reason);
    if (status == ParseStatus::Incomplete)
        return;
    logFrame("RX", m_rxBuffer);
    if (status == ParseStatus::Invalid) {
        endTry(reason);
        return;
    }
    m_replyTimer->stop();
    m_inFlight = false;
    QPointer<QModbusPollInfo> info = m_current.info;
    if (info) {
        if (status == ParseStatus::Good)
            info->resolveGood(m_replyRegisters);
        else
            info->resolveError(exceptionCode);
    }
    transactionEnded();
}

void QModbusMaster::replyTimedOut()
{
    if (m_inFlight && m_state == Transaction)
        endTry(QString());
}

// One try failed (no reply, or a reply that was discarded): try again or give up.
void QModbusMaster::endTry(const QString &failure)
{
    m_replyTimer->stop();
    m_inFlight = false;
    if (!failure.isEmpty())
        qCDebug(lcFieldbus) << "Modbus reply from node" << m_current.request.node << "discarded:" << failure;
    if (m_current.info) {
        if (--m_current.triesLeft > 0)
            requeueCurrent();
        else
            m_current.info->resolveTimedOut();
    }
    transactionEnded();
}

// A retry goes before the other waiting requests of its priority.
void QModbusMaster::requeueCurrent()
{
    QModbusPollInfo *info = m_current.info;
    QVector<Pending> &queue = info->isHighPriority() ? m_highQueue : m_normalQueue;
    for (const Pending &queued : qAsConst(queue)) {
        if (queued.info == info)
            return;  // asked again meanwhile: the newer request stands
    }
    queue.prepend(m_current);
    info->markQueued();
}

void QModbusMaster::dropRecord(QObject *)
{
    for (QVector<Pending> *queue : {&m_highQueue, &m_normalQueue}) {
        for (int i = queue->size() - 1; i >= 0; --i) {
            if (!queue->at(i).info)
                queue->removeAt(i);
        }
    }
}

void QModbusMaster::cancelQueued()
{
    m_replyTimer->stop();
    m_gapTimer->stop();
    QList<QPointer<QModbusPollInfo>> canceled;
    if (m_inFlight && m_current.info)
        canceled.append(m_current.info);
    m_inFlight = false;
    for (QVector<Pending> *queue : {&m_highQueue, &m_normalQueue}) {
        for (const Pending &pending : qAsConst(*queue))
            canceled.append(pending.info);
        queue->clear();
    }
    for (const QPointer<QModbusPollInfo> &info : qAsConst(canceled)) {
        if (info)
            info->resolveCanceled();
    }
}

void QModbusMaster::logFrame(const char *direction, const QByteArray &frame) const
{
    if (m_logModbus)
        qCDebug(lcFieldbus).noquote() << "Modbus" << direction << ModbusRtu::toHex(frame);
}
