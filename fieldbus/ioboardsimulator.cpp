#include "ioboardsimulator.h"
#include "fieldbuslog.h"

#include "ioregistermap.h"

#include <QDebug>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using namespace IoRegisterMap;
using namespace ModbusRtu;

namespace {
// RTU frames end with a silence: after this long, what came is taken as one frame or dropped.
constexpr int FrameGapMs = 5;
constexpr int HeatingTickMs = 1000;
}

IoBoardSimulator::IoBoardSimulator(QObject *parent)
    : QObject(parent)
    , m_frameGapTimer(new QTimer(this))
    , m_heatingTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("ioBoardSimulator"));
    Node board;
    board.registers.fill(0, IoBoardRegisterCount);
    board.writable.insert(CabinetLayout);
    board.writable.insert(SupplyVoltage);
    for (int h = 0; h < HeaterCount; ++h)
        board.writable.insert(quint16(HeaterSetPointFirst + h));
    for (int f = 0; f < FanTargetCount; ++f)
        board.writable.insert(quint16(FanTargetFirst + f));
    for (int i = 0; i < PowerControlCount; ++i)
        board.writable.insert(quint16(PowerControlFirst + i));
    m_nodes.insert(IoBoardNode, board);

    Node reader;
    reader.registers.fill(0, ReaderRegisterCount);
    m_nodes.insert(NfcReader1Node, reader);
    m_nodes.insert(NfcReader2Node, reader);

    setAmbientTemperature(22);
    for (int h = 0; h < HeaterCount; ++h)
        setTemperature(h, 22);
    for (int k = 0; k < FirmwareBoardCount; ++k)
        setFirmwareVersion(IoBoardNode, k, 0x010000);
    setFirmwareVersion(NfcReader1Node, 0, 0x010000);
    setFirmwareVersion(NfcReader2Node, 0, 0x010000);

    m_frameGapTimer->setSingleShot(true);
    m_frameGapTimer->setInterval(FrameGapMs);
    connect(m_frameGapTimer, &QTimer::timeout, this, &IoBoardSimulator::dropPartialFrame);
    m_heatingTimer->setInterval(HeatingTickMs);
    connect(m_heatingTimer, &QTimer::timeout, this, &IoBoardSimulator::stepTemperatures);
}

IoBoardSimulator::~IoBoardSimulator()
{
    closePty();
}

bool IoBoardSimulator::open()
{
    if (isOpen())
        return true;
    char name[128] = {0};
    if (::openpty(&m_masterFd, &m_slaveFd, name, nullptr, nullptr) != 0) {
        qCWarning(lcFieldbus) << "IO board simulator: no pseudo-terminal:" << std::strerror(errno);
        m_masterFd = m_slaveFd = -1;
        return false;
    }
    // Raw both ways until the master opens its end; our copy of the slave stays open so
    // that the far end never sees a hang-up between two opens of the device.
    termios raw;
    if (::tcgetattr(m_slaveFd, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(m_slaveFd, TCSANOW, &raw);
    }
    ::fcntl(m_masterFd, F_SETFL, ::fcntl(m_masterFd, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_masterFd, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slaveFd, F_SETFD, FD_CLOEXEC);
    m_devicePath = QString::fromLocal8Bit(name);
    removeLeftLock(m_devicePath);
    m_notifier = new QSocketNotifier(m_masterFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &IoBoardSimulator::readRequests);
    return true;
}

void IoBoardSimulator::removeLeftLock(const QString &device)
{
    // The serial port locks "/dev/pts/9" as "LCK..pts_9" in the first of these it can use.
    static const char *const LockFolders[] = {"/var/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp",
                                              "/tmp", "/var/tmp", "/var/lock/lockdev", "/run/lock"};
    QString name = device.startsWith(QLatin1String("/dev/")) ? device.mid(5) : device;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const char *folder : LockFolders) {
        const QString lock = QString::fromLatin1(folder) + QStringLiteral("/LCK..") + name;
        if (QFile::exists(lock) && QFile::remove(lock))
            qCInfo(lcFieldbus) << "IO board simulator: removed the lock left on" << device << "at" << lock;
    }
}

void IoBoardSimulator::closePty()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_masterFd >= 0)
        ::close(m_masterFd);
    if (m_slaveFd >= 0)
        ::close(m_slaveFd);
    m_masterFd = m_slaveFd = -1;
}

void IoBoardSimulator::readRequests()
{
    char chunk[512];
    for (;;) {
        const ssize_t n = ::read(m_masterFd, chunk, sizeof chunk);
        if (n > 0) {
            m_rxBuffer.append(chunk, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    while (!m_rxBuffer.isEmpty()) {
        const ParsedRequest parsed = parseRequest(m_rxBuffer);
        if (parsed.status == ParseStatus::Incomplete)
            break;
        if (!take(parsed))
            break;
    }
    if (m_rxBuffer.isEmpty())
        m_frameGapTimer->stop();
    else
        m_frameGapTimer->start();
}

// The line fell silent: what is left is either one frame of a function only the silence
// can end, or a fragment.
void IoBoardSimulator::dropPartialFrame()
{
    const ParsedRequest parsed = parseRequestAtSilence(m_rxBuffer);
    if (parsed.status != ParseStatus::Good || !take(parsed))
        m_rxBuffer.clear();
}

// Serves one parsed frame and removes it from the buffer; false when the buffer was
// thrown away instead.
bool IoBoardSimulator::take(const ParsedRequest &parsed)
{
    if (parsed.status == ParseStatus::Invalid && parsed.exceptionCode == 0) {
        qCDebug(lcFieldbus) << "IO board simulator: request dropped:" << parsed.reason;
        m_rxBuffer.clear();
        return false;
    }
    emit requestReceived(m_rxBuffer.left(parsed.length));
    m_rxBuffer.remove(0, parsed.length);
    if (parsed.status == ParseStatus::Good)
        serve(parsed.request);
    else
        refuse(parsed.request, parsed.exceptionCode);
    return true;
}

void IoBoardSimulator::refuse(const Request &request, quint8 exceptionCode)
{
    const auto node = m_nodes.constFind(request.node);
    if (node == m_nodes.constEnd() || node->silent)
        return;
    reply(encodeException(request.node, request.function, exceptionCode));
    emit requestServed(request.node, request.function);
}

int IoBoardSimulator::faultFor(const Node &node, const Request &request)
{
    int fault = NoFault;
    for (auto it = node.faults.cbegin(); it != node.faults.cend(); ++it) {
        if (it.key() >= request.start && it.key() < int(request.start) + request.count)
            fault = qMax(fault, it.value());
    }
    return fault;
}

// A broadcast write is applied by every node that takes it; a broadcast read asks
// nothing anyone can answer. No node replies either way.
void IoBoardSimulator::serveBroadcast(const Request &request)
{
    if (request.function != WriteSingleRegister && request.function != WriteMultipleRegisters)
        return;
    for (auto node = m_nodes.begin(); node != m_nodes.end(); ++node) {
        if (node->silent || faultFor(*node, request) != NoFault)
            continue;
        Request addressed = request;
        addressed.node = node.key();
        answer(*node, addressed);
    }
}

void IoBoardSimulator::serve(const Request &request)
{
    if (request.node == BroadcastNode) {
        serveBroadcast(request);
        return;
    }
    auto node = m_nodes.find(request.node);
    if (node == m_nodes.end() || node->silent)
        return;
    const int fault = faultFor(*node, request);
    if (fault == Silent)
        return;
    if (fault == Exception) {
        reply(encodeException(request.node, request.function, ServerDeviceFailure));
        emit requestServed(request.node, request.function);
        return;
    }
    reply(answer(*node, request));
    emit requestServed(request.node, request.function);
}

QByteArray IoBoardSimulator::answer(Node &node, const Request &request)
{
    const int end = int(request.start) + request.count;
    switch (request.function) {
    case ReadHoldingRegisters:
        if (request.count < 1 || request.count > MaxReadCount)
            return encodeException(request.node, request.function, IllegalDataValue);
        if (end > node.registers.size())
            return encodeException(request.node, request.function, IllegalDataAddress);
        return encodeReadReply(request.node, node.registers.mid(request.start, request.count));
    case WriteSingleRegister:
    case WriteMultipleRegisters:
        if (request.count < 1 || request.count > MaxWriteCount)
            return encodeException(request.node, request.function, IllegalDataValue);
        for (int r = request.start; r < end; ++r) {
            if (!node.writable.contains(quint16(r)))
                return encodeException(request.node, request.function, IllegalDataAddress);
        }
        for (int i = 0; i < request.count; ++i)
            node.registers[request.start + i] = request.values.at(i);
        emit registersWritten(request.node, request.start, request.count);
        return encodeWriteReply(request);
    default:
        return encodeException(request.node, request.function, IllegalFunction);
    }
}

void IoBoardSimulator::reply(const QByteArray &frame)
{
    const char *data = frame.constData();
    int left = frame.size();
    while (left > 0) {
        const ssize_t n = ::write(m_masterFd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            qCWarning(lcFieldbus) << "IO board simulator: reply not written:" << std::strerror(errno);
            return;
        }
        data += n;
        left -= int(n);
    }
}

bool IoBoardSimulator::placeTag(quint8 readerNode, int channel, quint64 uid)
{
    if (readerNode != NfcReader1Node && readerNode != NfcReader2Node)
        return false;
    if (channel < 0 || channel >= ReaderChannelCount)
        return false;
    Node &node = m_nodes[readerNode];
    const quint16 first = readerUidRegister(channel);
    for (int i = 0; i < ReaderUidRegisters; ++i)
        node.registers[first + i] = quint16(uid >> (16 * (ReaderUidRegisters - 1 - i)));
    if (uid != 0)
        node.registers[ReaderTagPresent] |= quint16(1u << channel);
    else
        node.registers[ReaderTagPresent] &= quint16(~(1u << channel));
    return true;
}

bool IoBoardSimulator::removeTag(quint8 readerNode, int channel)
{
    return placeTag(readerNode, channel, 0);
}

void IoBoardSimulator::setReaderFailed(quint8 readerNode, bool failed)
{
    setRegisterValue(readerNode, ReaderStatus, failed ? 1 : 0);
}

bool IoBoardSimulator::setTemperature(int heater, qint16 degrees)
{
    if (heater < 0 || heater >= HeaterCount)
        return false;
    return setRegisterValue(IoBoardNode, quint16(HeaterTemperatureFirst + heater), quint16(degrees));
}

void IoBoardSimulator::setAmbientTemperature(qint16 degrees)
{
    setRegisterValue(IoBoardNode, AmbientTemperature, quint16(degrees));
}

bool IoBoardSimulator::setFanSpeed(int fan, quint16 percent)
{
    if (fan < 0 || fan >= FanCount)
        return false;
    return setRegisterValue(IoBoardNode, quint16(FanSpeedFirst + fan), percent);
}

bool IoBoardSimulator::setErrorRegister(int index, quint16 value)
{
    if (index < 0 || index >= ErrorRegisterCount)
        return false;
    return setRegisterValue(IoBoardNode, quint16(ErrorRegisterFirst + index), value);
}

void IoBoardSimulator::setBoardFailed(int board, bool failed)
{
    if (board < 0 || board >= 16)
        return;
    quint16 status = registerValue(IoBoardNode, BoardStatus);
    if (failed)
        status |= quint16(1u << board);
    else
        status &= quint16(~(1u << board));
    setRegisterValue(IoBoardNode, BoardStatus, status);
    if (board < BoardStateCount)
        setRegisterValue(IoBoardNode, quint16(BoardStateFirst + board), failed ? BoardStateError : 0);
}

bool IoBoardSimulator::setProbeState(int heater, int state)
{
    if (heater < 0 || heater >= HeaterCount || state < ProbeNormal || state > ProbeOpen)
        return false;
    const quint16 temperatureRegister = quint16(HeaterTemperatureFirst + heater);
    const quint16 errorRegister = quint16(ErrorRegisterFirst + heater);
    if (m_probeState[heater] == ProbeNormal && state != ProbeNormal)
        m_readingBeforeFault[heater] = qint16(registerValue(IoBoardNode, temperatureRegister));
    qint16 reading = m_readingBeforeFault[heater];
    if (state == ProbeShorted)
        reading = 0;
    else if (state == ProbeOpen)
        reading = OpenProbeReading;
    else if (m_probeState[heater] == ProbeNormal)
        reading = qint16(registerValue(IoBoardNode, temperatureRegister));
    m_probeState[heater] = state;
    const quint16 heaterStatus = registerValue(IoBoardNode, errorRegister) & 0xFF00;
    setRegisterValue(IoBoardNode, errorRegister, quint16(heaterStatus | quint16(state)));
    return setRegisterValue(IoBoardNode, temperatureRegister, quint16(reading));
}

bool IoBoardSimulator::setFirmwareVersion(quint8 node, int board, quint32 version)
{
    const bool reader = node == NfcReader1Node || node == NfcReader2Node;
    if (reader ? board != 0 : (node != IoBoardNode || board < 0 || board >= FirmwareBoardCount))
        return false;
    const quint16 first = reader ? ReaderFirmwareVersion : quint16(FirmwareVersionFirst + 2 * board);
    return setRegisterValue(node, first, quint16(version >> 16))
           && setRegisterValue(node, quint16(first + 1), quint16(version & 0xFFFF));
}

void IoBoardSimulator::setNodeSilent(quint8 node, bool silent)
{
    auto it = m_nodes.find(node);
    if (it != m_nodes.end())
        it->silent = silent;
}

bool IoBoardSimulator::setRegisterFault(quint8 node, quint16 address, RegisterFault fault)
{
    auto it = m_nodes.find(node);
    if (it == m_nodes.end() || address >= it->registers.size())
        return false;
    if (fault == NoFault)
        it->faults.remove(address);
    else
        it->faults.insert(address, fault);
    return true;
}

void IoBoardSimulator::set_heatingStep(int degreesPerSecond)
{
    m_heatingStep = qMax(0, degreesPerSecond);
    if (m_heatingStep > 0)
        m_heatingTimer->start();
    else
        m_heatingTimer->stop();
}

quint16 IoBoardSimulator::heaterApproach(quint16 current, int target, int step)
{
    const int now = qint16(current);
    if (now < target)
        return quint16(qMin(now + step, target));
    return quint16(qMax(now - step, target));
}

void IoBoardSimulator::stepTemperatures()
{
    Node &board = m_nodes[IoBoardNode];
    const int ambient = qint16(board.registers.at(AmbientTemperature));
    for (int h = 0; h < HeaterCount; ++h) {
        if (m_probeState[h] != ProbeNormal)
            continue; // a broken probe reads the same whatever the heater does
        const int setPoint = qint16(board.registers.at(HeaterSetPointFirst + h));
        quint16 &temperature = board.registers[HeaterTemperatureFirst + h];
        temperature = heaterApproach(temperature, setPoint > 0 ? setPoint : ambient, m_heatingStep);
    }
}

quint16 IoBoardSimulator::registerValue(quint8 node, quint16 address) const
{
    const auto it = m_nodes.constFind(node);
    if (it == m_nodes.constEnd() || address >= it->registers.size())
        return 0;
    return it->registers.at(address);
}

bool IoBoardSimulator::setRegisterValue(quint8 node, quint16 address, quint16 value)
{
    auto it = m_nodes.find(node);
    if (it == m_nodes.end() || address >= it->registers.size())
        return false;
    it->registers[address] = value;
    return true;
}
