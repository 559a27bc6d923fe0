#include "masteriomanager.h"

#include "bininfo.h"
#include "cabinetcore.h"
#include "configurationmanager.h"
#include "holdinglog.h"
#include "ioboardconfiguration.h"
#include "personalitytypes.h"
#include "qmodbusmaster.h"
#include "qmodbuspollinfo.h"

#include <QDateTime>
#include <QTimer>

using namespace IoRegisterMap;

namespace {
constexpr int ReaderPollRegisters = ReaderRegisterCount - ReaderStatus;

QString listText(const QList<int> &list)
{
    QStringList items;
    for (int v : list)
        items << QString::number(v);
    return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString versionText(quint16 high, quint16 low)
{
    const quint32 v = (quint32(high) << 16) | low;
    return QStringLiteral("%1.%2.%3").arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}
} // namespace

MasterIoManager::MasterIoManager(QModbusMaster *modbus, QObject *parent)
    : P4StateMachine(parent)
    , m_modbus(modbus)
    , m_temperaturePoll(newPoll(HeaterCount, QStringLiteral("temperaturePoll")))
    , m_fanAmbientPoll(newPoll(FanCount + 1, QStringLiteral("fanAmbientPoll")))
    , m_statusPoll(newPoll(BoardStateCount, QStringLiteral("boardStatePoll")))
    , m_setPointPoll(newPoll(HeaterCount, QStringLiteral("setPointPoll")))
    , m_fanTargetPoll(newPoll(FanTargetCount, QStringLiteral("fanTargetPoll")))
    , m_temperatureTimer(new QTimer(this))
    , m_fanAmbientTimer(new QTimer(this))
    , m_statusTimer(new QTimer(this))
    , m_setPointTimer(new QTimer(this))
    , m_nfcTimer(new QTimer(this))
    , m_preheatTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("masterIoManager"));

    QState *mphuInit = addNamedState(QStringLiteral("mphuInit"));
    QState *mphuModeNormal = addNamedState(QStringLiteral("mphuModeNormal"));
    setInitialState(mphuInit);
    addNamedTransition(mphuInit, m_statusPoll, SIGNAL(pollReplyGood()), mphuModeNormal,
                       QStringLiteral("t_mphuInit_mphuModeNormal"));
    addNamedTransition(mphuModeNormal, m_preheatTimer, SIGNAL(timeout()), nullptr,
                       QStringLiteral("t_preheatTimeout"), SLOT(reportPreheat()));

    for (int channel = 0; channel < HeaterCount; ++channel)
        m_bins.append(new BinInfo(channel, this));

    // Named, so that what each timer serves can be told apart from outside.
    m_temperatureTimer->setObjectName(QStringLiteral("temperaturePollTimer"));
    m_fanAmbientTimer->setObjectName(QStringLiteral("fanAmbientPollTimer"));
    m_statusTimer->setObjectName(QStringLiteral("statusPollTimer"));
    m_setPointTimer->setObjectName(QStringLiteral("setPointTimer"));
    m_nfcTimer->setObjectName(QStringLiteral("nfcPollTimer"));
    m_preheatTimer->setObjectName(QStringLiteral("preheatTimer"));
    m_temperatureTimer->setSingleShot(true);
    m_temperatureTimer->setInterval(TemperatureRestartMs);
    m_statusTimer->setSingleShot(true);
    m_fanAmbientTimer->setInterval(FanAmbientIntervalMs);
    m_setPointTimer->setInterval(SetPointIntervalMs);
    m_nfcTimer->setInterval(NfcOneReaderIntervalMs);
    m_preheatTimer->setSingleShot(true);
    m_preheatTimer->setInterval(PreheatDelayMs);
    connect(m_temperatureTimer, &QTimer::timeout, this, &MasterIoManager::pollTemperatures);
    connect(m_fanAmbientTimer, &QTimer::timeout, this, &MasterIoManager::pollFansAndAmbient);
    connect(m_statusTimer, &QTimer::timeout, this, &MasterIoManager::pollStatus);
    connect(m_setPointTimer, &QTimer::timeout, this, &MasterIoManager::writeSetPoints);
    connect(m_nfcTimer, &QTimer::timeout, this, &MasterIoManager::pollNextReader);
    connect(this, &MasterIoManager::ttSendRequestSignal, this, &MasterIoManager::writeSetPoints);

    // The temperature poll restarts after every outcome, so a slow board is never asked twice.
    connect(m_temperaturePoll, &QModbusPollInfo::pollReplyGood, this, &MasterIoManager::temperaturesGood);
    for (auto outcome : {&QModbusPollInfo::pollReplyGood, &QModbusPollInfo::pollReplyTimedOut,
                         &QModbusPollInfo::pollReplyError}) {
        connect(m_temperaturePoll, outcome, this, [this] {
            if (get_isRunning())
                m_temperatureTimer->start();
        });
    }
    connect(m_fanAmbientPoll, &QModbusPollInfo::pollReplyGood, this, &MasterIoManager::fansAndAmbientGood);
    connect(m_statusPoll, &QModbusPollInfo::pollReplyGood, this, &MasterIoManager::statusGood);
    connect(m_statusPoll, &QModbusPollInfo::pollReplyTimedOut, this, &MasterIoManager::statusFailed);
    connect(m_statusPoll, &QModbusPollInfo::pollReplyError, this, &MasterIoManager::statusFailed);
    for (QModbusPollInfo *poll : {m_temperaturePoll, m_fanAmbientPoll, m_statusPoll, m_setPointPoll,
                                  m_fanTargetPoll})
        connectIoBoardReplies(poll);

    connect(this, &QStateMachine::stopped, this, [this] {
        for (QTimer *timer : {m_temperatureTimer, m_fanAmbientTimer, m_statusTimer, m_setPointTimer,
                              m_nfcTimer, m_preheatTimer})
            timer->stop();
    });
}

MasterIoManager::~MasterIoManager() = default;

CabinetCore *MasterIoManager::core() const
{
    return CabinetCore::of(this);
}

int MasterIoManager::zoneCount() const
{
    const CabinetCore *c = core();
    return c ? qBound(0, c->get_numberOfZones(), int(ZoneCount)) : int(ZoneCount);
}

int MasterIoManager::ioZone(int uiZone) const
{
    return uiZone < m_ui2mio.size() ? m_ui2mio.at(uiZone) : uiZone;
}

void MasterIoManager::setZoneNumberingOrder(int order)
{
    m_zoneNumberingOrder = order;
}

int MasterIoManager::stationZone(int zone) const
{
    if (zone < 0 || zone >= zoneCount())
        return -1;
    return m_zoneNumberingOrder == 1 ? zoneCount() - 1 - zone : zone;
}

int MasterIoManager::channelOf(int zone, int heater) const
{
    if (zone < 0 || zone >= zoneCount() || heater < 0 || heater > 1)
        return -1;
    return 2 * ioZone(zone) + heater;
}

QModbusPollInfo *MasterIoManager::newPoll(int registers, const QString &name)
{
    auto *poll = new QModbusPollInfo(registers, this);
    poll->setObjectName(name);
    return poll;
}

void MasterIoManager::setPollReplyTimeout(int milliseconds)
{
    for (QModbusPollInfo *poll : findChildren<QModbusPollInfo *>(QString(), Qt::FindDirectChildrenOnly))
        poll->set_replyTimeout(milliseconds);
}

void MasterIoManager::setConfigurationManager(ConfigurationManager *config)
{
    if (m_config && m_config->ioBoardConfiguration())
        disconnect(m_config->ioBoardConfiguration(), nullptr, this, nullptr);
    m_config = config;
    // A board left unconfigured at start heats nothing as asked: staff and the cloud
    // must hear of it, not only the debug log.
    if (m_config && m_config->ioBoardConfiguration())
        connect(m_config->ioBoardConfiguration(), &IoBoardConfiguration::failed, this,
                &MasterIoManager::reportConfigurationFailure);
}

void MasterIoManager::reportConfigurationFailure(bool timedOut)
{
    qCWarning(lcHolding) << "IO board configuration" << (timedOut ? "timed out" : "refused");
    emit errorInfo(1, timedOut ? 1 : 2, 0, 0);
}

void MasterIoManager::setUi2MioZoneMap(const QList<int> &map)
{
    m_ui2mio.clear();
    if (map.isEmpty())
        return;
    const int zones = zoneCount();
    QString fault;
    if (map.size() < zones)
        fault = QStringLiteral("it has fewer entries than the %1 zones").arg(zones);
    QList<int> seen;
    for (int i = 0; fault.isEmpty() && i < zones; ++i) {
        const int io = map.at(i);
        if (io < 0 || io >= zones)
            fault = QStringLiteral("entry %1 (%2) is not a zone of this cabinet").arg(i).arg(io);
        else if (seen.contains(io))
            fault = QStringLiteral("zone %1 appears twice").arg(io);
        seen << io;
    }
    if (!fault.isEmpty()) {
        qCWarning(lcHolding).noquote() << "ui2mioZoneMap" << listText(map) << "refused:" << fault
                                       << "- zones are used in their own order";
        return;
    }
    m_ui2mio = map.mid(0, zones);
}

void MasterIoManager::clearReaders()
{
    for (Reader &reader : m_readers) {
        delete reader.poll;
        delete reader.versionPoll;
    }
    m_readers.clear();
    m_nfcTimer->stop();
}

void MasterIoManager::setNfcPollingInfo(const NfcPollingInfo *info)
{
    clearReaders();
    if (!info)
        return;
    const CabinetCore *c = core();
    const int bins = qMin(HeaterCount, c ? c->get_traysPerCabinet() : HeaterCount);
    for (int a = 0; a < NfcPollingInfo::AddressCount; ++a) {
        for (int p = 0; p < NfcPollingInfo::PollOrderCount; ++p) {
            const NfcPollGroup &group = info->group[a][p];
            if (group.count <= 0)
                continue;
            if (group.address != NfcReader1Node && group.address != NfcReader2Node) {
                qCWarning(lcHolding) << "NFC polling table: address" << group.address
                                     << "is no reader; its" << group.count << "bins are not read";
                continue;
            }
            int count = group.count;
            if (count > NfcPollGroup::SlotCount) {
                qCWarning(lcHolding) << "NFC polling table: address" << group.address << "lists"
                                     << count << "bins in one pass; the first"
                                     << int(NfcPollGroup::SlotCount) << "are read";
                count = NfcPollGroup::SlotCount;
            }
            int r = 0;
            while (r < m_readers.size() && m_readers.at(r).node != group.address)
                ++r;
            if (r == m_readers.size()) {
                Reader reader;
                reader.node = quint8(group.address);
                m_readers.append(reader);
            }
            Reader &reader = m_readers[r];
            for (int i = 0; i < count; ++i) {
                const NfcPollSlot &slot = group.entries[i];
                if (slot.channel < 0 || slot.channel >= ReaderChannelCount || slot.binIndex < 0
                    || slot.binIndex >= bins) {
                    qCWarning(lcHolding) << "NFC polling table: address" << group.address << "channel"
                                         << slot.channel << "bin" << slot.binIndex
                                         << "is outside the reader or the cabinet; not read";
                    continue;
                }
                reader.entries.append({slot.channel, slot.binIndex});
            }
        }
    }
    for (int r = m_readers.size() - 1; r >= 0; --r) {
        if (m_readers.at(r).entries.isEmpty())
            m_readers.removeAt(r);
    }
    for (int r = 0; r < m_readers.size(); ++r) {
        Reader &reader = m_readers[r];
        reader.poll = newPoll(ReaderPollRegisters, QStringLiteral("nfcReaderPoll%1").arg(reader.node));
        reader.versionPoll = newPoll(2, QStringLiteral("nfcReaderVersionPoll%1").arg(reader.node));
        reader.poll->set_replyTimeout(m_statusPoll->get_replyTimeout());
        reader.versionPoll->set_replyTimeout(m_statusPoll->get_replyTimeout());
        const quint8 node = reader.node;
        auto find = [this, node]() -> Reader * {
            for (Reader &candidate : m_readers) {
                if (candidate.node == node)
                    return &candidate;
            }
            return nullptr;
        };
        connect(reader.poll, &QModbusPollInfo::pollReplyGood, this, [find, this] {
            if (Reader *found = find())
                readerAnswered(*found);
        });
        for (auto failed : {&QModbusPollInfo::pollReplyTimedOut, &QModbusPollInfo::pollReplyError}) {
            connect(reader.poll, failed, this, [find, this] {
                if (Reader *found = find())
                    setReaderError(*found, true);
            });
        }
        connect(reader.versionPoll, &QModbusPollInfo::pollReplyGood, this, [find, this] {
            Reader *found = find();
            if (!found || !m_config)
                return;
            const QString version = versionText(found->versionPoll->get_register(0),
                                                found->versionPoll->get_register(1));
            if (found->node == NfcReader1Node)
                m_config->set_readerFirmwareVersion1(version);
            else
                m_config->set_readerFirmwareVersion2(version);
        });
    }
    m_nfcTimer->setInterval(m_readers.size() > 1 ? NfcTwoReadersIntervalMs : NfcOneReaderIntervalMs);
}

int MasterIoManager::get_numOfNfcBoards() const
{
    return m_readers.size();
}

void MasterIoManager::startNfcScanning()
{
    if (m_readers.isEmpty()) {
        qCDebug(lcHolding) << "NFC scanning: no reader in the polling table";
        return;
    }
    if (!m_nfcTimer->isActive())
        m_nfcTimer->start();
}

// --- states ---

void MasterIoManager::mphuInit_onEntry()
{
    pollStatus();
    for (Reader &reader : m_readers)
        queueRead(ReaderFirmwareVersion, reader.versionPoll, reader.node, NfcRetries);
}

void MasterIoManager::mphuModeNormal_onEntry()
{
    pollTemperatures();
    m_fanAmbientTimer->start();
    m_setPointTimer->start();
    writeSetPoints();
    const CabinetCore *c = core();
    if (c && c->get_hasFan())
        sendAllFanTargetsRequest();
    m_preheatTimer->start();
}

void MasterIoManager::reportPreheat()
{
    emit systemEnteredPreheat(QString::number(QDateTime::currentMSecsSinceEpoch() / 1000));
}

// --- Modbus ---

bool MasterIoManager::queueRead(quint16 start, QModbusPollInfo *poll, quint8 node, int retries)
{
    const auto state = poll->get_state();
    if (!m_modbus || state == QModbusPollInfo::QMBS_WAITING_IN_QUEUE
        || state == QModbusPollInfo::QMBS_REQUEST_ISSUED)
        return false;
    return m_modbus->holdingRegistersRead(node, start, quint8(poll->registerCount()), quint8(retries),
                                          poll) == 0;
}

// A write still waiting is queued again and goes out with the newer values.
bool MasterIoManager::queueWrite(quint16 start, QModbusPollInfo *poll)
{
    if (!m_modbus || poll->get_state() == QModbusPollInfo::QMBS_REQUEST_ISSUED)
        return false;
    return m_modbus->holdingRegistersWrite(IoBoardNode, start, quint8(poll->registerCount()),
                                           quint8(IoRetries), poll) == 0;
}

void MasterIoManager::connectIoBoardReplies(QModbusPollInfo *poll)
{
    connect(poll, &QModbusPollInfo::pollReplyGood, this, &MasterIoManager::ioBoardAnswered);
    connect(poll, &QModbusPollInfo::pollReplyError, this, &MasterIoManager::ioBoardAnswered);
    connect(poll, &QModbusPollInfo::pollReplyTimedOut, this, &MasterIoManager::ioBoardTimedOut);
}

void MasterIoManager::ioBoardAnswered()
{
    if (!m_linkBroken)
        return;
    m_linkBroken = false;
    qCInfo(lcHolding) << "IO board answers again";
    emit modbusLinkBroken(false);
}

void MasterIoManager::ioBoardTimedOut()
{
    if (m_linkBroken)
        return;
    m_linkBroken = true;
    qCWarning(lcHolding) << "IO board does not answer:" << sender()->objectName() << "timed out";
    emit modbusLinkBroken(true);
}

void MasterIoManager::pollTemperatures()
{
    queueRead(HeaterTemperatureFirst, m_temperaturePoll);
}

void MasterIoManager::temperaturesGood()
{
    for (int channel = 0; channel < HeaterCount; ++channel)
        m_bins.at(channel)->set_actualTemp(qint16(m_temperaturePoll->get_register(channel)));

    const int zones = zoneCount();
    for (int zone = 0; zone < zones; ++zone) {
        const int lower = channelOf(zone, 0);
        for (int channel : {lower, lower + 1}) {
            // An open probe's reading is no temperature; the probe fault reports it.
            const int t = m_bins.at(channel)->get_actualTemp();
            const bool hot = t >= HeaterHighTempLimit && t < OpenProbeReading;
            if (hot == m_heaterHot[channel])
                continue;
            m_heaterHot[channel] = hot;
            if (hot) {
                qCWarning(lcHolding) << "heater" << channel << "over temperature:" << t;
                emit errorInfo(2, 7, channel, 0);
                emit heaterHighTempAlarm();
            } else {
                emit errorClearInfo(2, 7, channel, 0);
            }
        }
        emit zoneActualTemps(zone, m_bins.at(lower)->get_actualTemp(), m_bins.at(lower + 1)->get_actualTemp());
    }
}

void MasterIoManager::pollFansAndAmbient()
{
    queueRead(FanSpeedFirst, m_fanAmbientPoll);
}

void MasterIoManager::fansAndAmbientGood()
{
    const int ambient = qint16(m_fanAmbientPoll->get_register(AmbientTemperature - FanSpeedFirst));
    if (ambient < AmbientAlarmLimit || m_ambientAlarm)
        return;
    m_ambientAlarm = true;
    qCWarning(lcHolding) << "cabinet over temperature: ambient" << ambient;
    emit errorInfo(2, 6, 0, 0);
    emit ambientTemperatureAlarm();
}

void MasterIoManager::resetAmbientTempAlarm()
{
    if (!m_ambientAlarm)
        return;
    m_ambientAlarm = false;
    emit errorClearInfo(2, 6, 0, 0);
}

void MasterIoManager::pollStatus()
{
    queueRead(BoardStateFirst, m_statusPoll);
}

void MasterIoManager::statusGood()
{
    for (int board = 0; board < BoardStateCount; ++board) {
        const quint16 state = m_statusPoll->get_register(board);
        const bool wasInError = m_boardState[board] == BoardStateError;
        m_boardState[board] = state;
        const bool inError = state == BoardStateError;
        if (inError == wasInError)
            continue;
        if (inError) {
            qCWarning(lcHolding) << "IO board" << board << "reports an error";
            emit errorInfo(4, 2, board, 0);
        } else {
            emit errorClearInfo(4, 2, board, 0);
        }
    }
    if (get_isRunning())
        m_statusTimer->start(StatusIntervalMs);
}

void MasterIoManager::statusFailed()
{
    if (get_isRunning())
        m_statusTimer->start(StatusFailedIntervalMs);
}

bool MasterIoManager::getIoCommErrorDetected() const
{
    for (quint16 state : m_boardState) {
        if (state == BoardStateError)
            return true;
    }
    return false;
}

QVector<int> MasterIoManager::heaterTargets() const
{
    QVector<int> targets;
    targets.reserve(HeaterCount);
    for (const BinInfo *bin : m_bins)
        targets << bin->get_targetTemp();
    return targets;
}

void MasterIoManager::writeSetPoints()
{
    for (int channel = 0; channel < HeaterCount; ++channel)
        m_setPointPoll->set_register(channel, quint16(m_bins.at(channel)->get_targetTemp()));
    queueWrite(HeaterSetPointFirst, m_setPointPoll);
}

void MasterIoManager::setZoneFanTarget(int uiZone, int percent)
{
    if (uiZone < 0 || uiZone >= ZoneCount) {
        qCWarning(lcHolding) << "fan target for zone" << uiZone << "ignored: no such zone";
        return;
    }
    m_zoneFan[uiZone] = qBound(0, percent, 100);
}

void MasterIoManager::sendAllFanTargetsRequest()
{
    const int zones = zoneCount();
    for (int zone = 0; zone < zones; ++zone) {
        const int lower = channelOf(zone, 0);
        m_bins.at(lower)->set_fanTarget(m_zoneFan[zone]);
        m_bins.at(lower + 1)->set_fanTarget(m_zoneFan[zone]);
    }
    for (int z = 0; z < FanTargetCount; ++z)
        m_fanTargetPoll->set_register(z, quint16(qBound(0, m_bins.at(2 * z)->get_fanTarget(), 100)));
    queueWrite(FanTargetFirst, m_fanTargetPoll);
}

// --- NFC readers ---

void MasterIoManager::pollNextReader()
{
    if (m_readers.isEmpty())
        return;
    m_nextReader = (m_nextReader + 1) % m_readers.size();
    Reader &reader = m_readers[m_nextReader];
    queueRead(ReaderStatus, reader.poll, reader.node, NfcRetries);
}

void MasterIoManager::readerAnswered(Reader &reader)
{
    const QModbusPollInfo *poll = reader.poll;
    if (poll->get_register(0) != 0) {
        setReaderError(reader, true);
        return; // what a reader in error reads is not trusted
    }
    setReaderError(reader, false);
    const quint16 present = poll->get_register(ReaderTagPresent - ReaderStatus);
    for (const ReaderSlot &entry : qAsConst(reader.entries)) {
        quint64 uid = 0;
        if (present & (1u << entry.channel)) {
            const int first = readerUidRegister(entry.channel) - ReaderStatus;
            for (int i = 0; i < ReaderUidRegisters; ++i)
                uid = (uid << 16) | poll->get_register(first + i);
            if (uid == 0)
                continue; // present without a uid: a tag half read
        }
        emit binTagRead(entry.bin, uid);
    }
}

void MasterIoManager::setReaderError(Reader &reader, bool inError)
{
    if (reader.inError == inError)
        return;
    reader.inError = inError;
    const int number = reader.node == NfcReader1Node ? 1 : 2;
    if (inError) {
        qCWarning(lcHolding) << "NFC reader" << number << "(node" << reader.node << ") in error";
        emit errorInfo(5, number, 0, 0);
    } else {
        emit errorClearInfo(5, number, 0, 0);
    }
}

bool MasterIoManager::getNfcErrorDetected() const
{
    for (const Reader &reader : m_readers) {
        if (reader.inError)
            return true;
    }
    return false;
}

// --- targets ---

void MasterIoManager::setZoneTargets(int uiZone, int lower, int upper)
{
    const int channel = channelOf(uiZone, 0);
    if (channel < 0) {
        qCWarning(lcHolding) << "zone targets for zone" << uiZone << "ignored: no such zone";
        return;
    }
    if (lower < 0 || upper < 0 || lower > MaxSetPoint || upper > MaxSetPoint) {
        qCWarning(lcHolding) << "zone targets" << lower << upper << "for zone" << uiZone
                             << "ignored: out of range";
        return;
    }
    m_bins.at(channel)->set_targetTemp(lower);
    m_bins.at(channel + 1)->set_targetTemp(upper);
}

void MasterIoManager::setHeaterTargets(const QVector<int> &targets)
{
    if (targets.size() != HeaterCount) {
        qCWarning(lcHolding) << "heater targets ignored:" << targets.size() << "values instead of"
                             << HeaterCount;
        return;
    }
    for (int channel = 0; channel < HeaterCount; ++channel) {
        const int target = targets.at(channel);
        if (target > MaxSetPoint)
            qCWarning(lcHolding) << "heater" << channel << "target" << target << "ignored: out of range";
        else if (target >= 0)
            m_bins.at(channel)->set_targetTemp(target);
    }
}

QVector<int> MasterIoManager::screenHeaterTargets() const
{
    // Channels beyond the cabinet's zones keep their own place.
    QVector<int> targets = heaterTargets();
    const int zones = zoneCount();
    for (int zone = 0; zone < zones; ++zone)
        for (int heater = 0; heater < 2; ++heater)
            targets[2 * zone + heater] = m_bins.at(channelOf(zone, heater))->get_targetTemp();
    return targets;
}

void MasterIoManager::relayAndWrite()
{
    // Only a second or mirror display takes the targets: on a cabinet without one the
    // message would wait for an acknowledgement nobody sends.
    const CabinetCore *c = core();
    if (c && (c->get_hasSecondaryDisplay() || c->get_hasMirrorDisplay()))
        emit heaterTargetsChanged(screenHeaterTargets());
    writeSetPoints();
}

void MasterIoManager::eolTempTestAllHeaters(bool on)
{
    for (BinInfo *bin : qAsConst(m_bins))
        bin->set_targetTemp(on ? EolTestTemp : 0);
    relayAndWrite();
}

bool MasterIoManager::eolTempTestSingleHeater(int zone, int heater)
{
    const int channel = channelOf(stationZone(zone), heater);
    if (channel < 0)
        return false;
    m_bins.at(channel)->set_targetTemp(EolTestTemp);
    relayAndWrite();
    return true;
}

int MasterIoManager::eolGetActualTemp(int zone, int heater) const
{
    const int channel = channelOf(stationZone(zone), heater);
    return channel < 0 ? 0 : m_bins.at(channel)->get_actualTemp();
}

QString MasterIoManager::eolGetTempErrorDescription(int zone, int heater) const
{
    // The probe of the heater the station is about to switch on.
    const int channel = channelOf(stationZone(zone), heater);
    if (channel >= 0) {
        const int t = m_bins.at(channel)->get_actualTemp();
        if (t >= OpenProbeReading)
            return QStringLiteral("TC OPEN");
        if (t < 1)
            return QStringLiteral("TC SHORTED");
    }
    return QStringLiteral("NO ERROR");
}
