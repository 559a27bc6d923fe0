#include "ioboardconfiguration.h"
#include "configlog.h"

#include "cabinetcore.h"
#include "cabinetidentity.h"
#include "configurationmanager.h"
#include "fileid.h"
#include "ioregistermap.h"
#include "p4statemachine.h"
#include "qmodbusmaster.h"
#include "qmodbuspollinfo.h"
#include "tulgeneraldefs.h"

#include <QDebug>
#include <QSignalTransition>
#include <QState>

int IoBoardConfiguration::replyTimeoutMs = 1000;

namespace {

enum CustomerId { CUSTOMER_ID_QRB = 3 };

// The label is the English text; "number" fills its "%1" where it has one.
QVariantMap row(const QString &label, const QString &value, int number = 0)
{
    return {{QStringLiteral("label"), label}, {QStringLiteral("value"), value}, {QStringLiteral("number"), number}};
}

} // namespace

IoBoardConfiguration::IoBoardConfiguration(ConfigurationManager *machine, QModbusMaster *modbus)
    : QObject(machine)
    , m_config(machine)
    , m_modbus(modbus)
    , m_cabinetConfInfo(new QModbusPollInfo(1, this))
    , m_iobfwvInfo(new QModbusPollInfo(IoRegisterMap::FirmwareBoardCount * 2, this))
    , m_powerSourceInfo(new QModbusPollInfo(1))
    , m_powerControlInfo(new QModbusPollInfo(IoRegisterMap::PowerControlCount))
{
    setObjectName(QStringLiteral("ioBoardConfiguration"));
    m_cabinetConfInfo->setObjectName(QStringLiteral("cabinetConfInfo"));
    m_iobfwvInfo->setObjectName(QStringLiteral("iobfwvInfo"));
    for (QModbusPollInfo *record : {m_cabinetConfInfo, m_iobfwvInfo, m_powerSourceInfo, m_powerControlInfo})
        record->set_replyTimeout(replyTimeoutMs);

    QState *disabled = addState(QStringLiteral("\"disabled\""), machine, SLOT(disabled_onEntry()));
    QState *enabled = addState(QStringLiteral("\"enabled\""), machine, nullptr);
    QState *unconfigured = addState(QStringLiteral("\"unconfigured\""), enabled, nullptr);
    QState *configured = addState(QStringLiteral("\"configured\""), enabled, SLOT(configured_onEntry()));
    QState *readConfiguration =
        addState(QStringLiteral("\"readConfiguration\""), unconfigured, SLOT(readConfiguration_onEntry()));
    QState *detectConfiguration =
        addState(QStringLiteral("\"detectConfiguration\""), unconfigured, SLOT(detectConfiguration_onEntry()));
    machine->setInitialState(enabled);
    enabled->setInitialState(unconfigured);
    unconfigured->setInitialState(readConfiguration);

    const auto transition = [this](QState *source, const QObject *sender, const char *signal,
                                   QState *target, const QString &name, const QString &trigger,
                                   const QString &action = QString()) {
        auto *t = new QSignalTransition(sender, signal);
        if (target)
            t->setTargetState(target);
        P4StateMachine::nameTransition(t, name, trigger, action);
        source->addTransition(t);
        return t;
    };
    const QString disableAction = QStringLiteral("signal, this::disable()");
    const auto timedOut = [this] { emit failed(true); emit disable(); };
    const auto refused = [this] { emit failed(false); emit disable(); };
    transition(enabled, this, SIGNAL(disable()), disabled, QStringLiteral("t_enabled_disabled"),
               QStringLiteral("this::disable()"));
    connect(transition(unconfigured, m_cabinetConfInfo, SIGNAL(pollReplyTimedOut()), nullptr,
                       QStringLiteral("t_cabinetConfInfo_reply_timeout"),
                       QStringLiteral("m_cabinetConfInfo::pollReplyTimedOut()"), disableAction),
            &QSignalTransition::triggered, this, timedOut);
    connect(transition(unconfigured, m_cabinetConfInfo, SIGNAL(pollReplyError()), nullptr,
                       QStringLiteral("t_cabinetConfInfo_reply_error"),
                       QStringLiteral("m_cabinetConfInfo::pollReplyError()"), disableAction),
            &QSignalTransition::triggered, this, refused);
    transition(readConfiguration, m_cabinetConfInfo, SIGNAL(pollReplyGood()), detectConfiguration,
               QStringLiteral("t_detect_configuration"), QStringLiteral("m_cabinetConfInfo::pollReplyGood()"));
    connect(transition(detectConfiguration, m_cabinetConfInfo, SIGNAL(pollReplyGood()), nullptr,
                       QStringLiteral("t_set_configuration"), QStringLiteral("m_cabinetConfInfo::pollReplyGood()"),
                       QStringLiteral("this->readIoBoardsFirmwareVersions()\n")),
            &QSignalTransition::triggered, this, &IoBoardConfiguration::readIoBoardsFirmwareVersions);
    transition(detectConfiguration, m_iobfwvInfo, SIGNAL(pollReplyGood()), configured,
               QStringLiteral("t_configuration_detected"), QStringLiteral("m_iobfwvInfo::pollReplyGood()"));
    connect(transition(detectConfiguration, m_iobfwvInfo, SIGNAL(pollReplyTimedOut()), nullptr,
                       QStringLiteral("t_iobfwvInfo_reply_timeout"),
                       QStringLiteral("m_iobfwvInfo::pollReplyTimedOut()"), disableAction),
            &QSignalTransition::triggered, this, timedOut);
    connect(transition(detectConfiguration, m_iobfwvInfo, SIGNAL(pollReplyError()), nullptr,
                       QStringLiteral("t_iobfwvInfo_reply_error"), QStringLiteral("m_iobfwvInfo::pollReplyError()"),
                       disableAction),
            &QSignalTransition::triggered, this, refused);
}

IoBoardConfiguration::~IoBoardConfiguration()
{
    // The two write records have no parent object; this object still owns them (the
    // Modbus master holds its records by guarded pointer).
    delete m_powerSourceInfo;
    delete m_powerControlInfo;
}

QState *IoBoardConfiguration::addState(const QString &name, QState *parent, const char *entrySlot)
{
    auto *state = new QState(parent);
    state->setObjectName(name);
    if (entrySlot)
        connect(state, SIGNAL(entered()), this, entrySlot);
    return state;
}

QString IoBoardConfiguration::getVersionString(quint32 version)
{
    return QStringLiteral("%1.%2.%3").arg((version >> 16) & 0xFF).arg((version >> 8) & 0xFF).arg(version & 0xFF);
}

void IoBoardConfiguration::readConfiguration_onEntry()
{
    m_config->applyConversionMarker();
    m_config->readConfigFile();
    m_config->readIotConfigFile();
    m_config->loadCabinetSerialModelNumbers();
    if (!m_modbus || m_modbus->holdingRegistersRead(IoRegisterMap::IoBoardNode, IoRegisterMap::BoardIdentity, 1, 4,
                                                    m_cabinetConfInfo, false) != 0) {
        qCWarning(lcConfigDump) << "Configuration: no Modbus master to read the IO board with";
        emit failed(false);
        emit disable();
    }
}

void IoBoardConfiguration::detectConfiguration_onEntry()
{
    const CabinetCore *core = CabinetCore::of(m_config);
    const int layout = core ? core->get_cabinetConfiguration() : -1;
    m_config->set_cabinetConfiguration(layout);
    writeRegisters(IoRegisterMap::CabinetLayout, m_cabinetConfInfo, {layout}, 1, true);
}

void IoBoardConfiguration::readIoBoardsFirmwareVersions()
{
    m_modbus->holdingRegistersRead(IoRegisterMap::IoBoardNode, IoRegisterMap::FirmwareVersionFirst,
                                   quint8(m_iobfwvInfo->registerCount()), 1, m_iobfwvInfo, false);
}

void IoBoardConfiguration::configured_onEntry()
{
    void (ConfigurationManager::*const setters[IoRegisterMap::FirmwareBoardCount])(const QString &) = {
        &ConfigurationManager::set_ioBoardFirmwareVersion0, &ConfigurationManager::set_ioBoardFirmwareVersion1,
        &ConfigurationManager::set_ioBoardFirmwareVersion2, &ConfigurationManager::set_ioBoardFirmwareVersion3,
        &ConfigurationManager::set_ioBoardFirmwareVersion4};
    for (int k = 0; k < IoRegisterMap::FirmwareBoardCount; ++k) {
        const quint32 version = (quint32(m_iobfwvInfo->get_register(2 * k)) << 16)
                                | m_iobfwvInfo->get_register(2 * k + 1);
        (m_config->*setters[k])(getVersionString(version));
    }
    m_config->saveConfigFile();
    m_config->set_systemConfigured(true);
    if (m_config->getHasOtherDisplays())
        m_config->sendFwInfoViaCanbus();
    sendPowerSource();
    sendPowerControlInfo();
    if (CabinetCore *core = CabinetCore::of(m_config))
        emit core->powerOn();
}

void IoBoardConfiguration::disabled_onEntry()
{
    qCDebug(lcConfig) << "Configuration is disabled";
    m_config->set_systemConfigured(false);
    m_config->set_cabinetConfiguration(-1);
    if (CabinetCore *core = CabinetCore::of(m_config))
        emit core->powerOn();
}

void IoBoardConfiguration::writeRegisters(quint16 first, QModbusPollInfo *record, const QList<int> &values,
                                          int retries, bool overrideFake)
{
    for (int i = 0; i < values.size(); ++i) {
        const int value = values.at(i);
        // A negative value (a temperature offset) goes out in two's complement, as the board reads it.
        if (value < -0x8000 || value > 0xFFFF)
            qCWarning(lcConfigDump) << "Register" << first + i << "value" << value << "does not fit 16 bits; cut";
        record->set_register(i, quint16(value));
    }
    if (m_modbus)
        m_modbus->holdingRegistersWrite(IoRegisterMap::IoBoardNode, first, quint8(values.size()), quint8(retries),
                                        record, overrideFake);
}

void IoBoardConfiguration::sendPowerSource()
{
    const CabinetCore *core = CabinetCore::of(m_config);
    const bool choice = core && core->get_powerSourceChoice();
    const int volts = choice || !core ? m_config->get_powerSource() : core->get_powerSource();
    writeRegisters(IoRegisterMap::SupplyVoltage, m_powerSourceInfo, {volts}, 1, false);
}

void IoBoardConfiguration::sendPowerControlInfo()
{
    const CabinetCore *core = CabinetCore::of(m_config);
    if (!core)
        return;
    writeRegisters(IoRegisterMap::PowerControlFirst, m_powerControlInfo,
                   {core->get_maxCurrent(), core->get_bottomHeaterResistance(), core->get_topHeaterResistance(),
                    core->get_bottomTempOffset(), core->get_topTempOffset()},
                   1, false);
}

int IoBoardConfiguration::ioBoardCount(int controlBoardType, int numberOfZones)
{
    // A four-heater board serves two zones; any other type drives the whole cabinet.
    if (controlBoardType != TulDefs::TUL_IO_BOARD_04_HEATERS)
        return 1;
    return qMax(1, (numberOfZones + 1) / 2);
}

QVariantList IoBoardConfiguration::systemInformationRows(const ConfigurationManager *c)
{
    const CabinetCore *core = CabinetCore::of(c);
    const bool master = c->getIsMaster();
    QVariantList rows;
    rows << row(master ? QStringLiteral("UI (Primary)") : QStringLiteral("UI (Secondary)"),
                QString::fromLatin1(CabinetIdentity::ApplicationVersion));
    rows << row(QStringLiteral("IoT"), c->get_iotSoftwareVersion());
    if (master && c->getCustomerId() == CUSTOMER_ID_QRB && c->get_iotType() == QLatin1String("QRB_LUMO"))
        rows << row(QStringLiteral("LuMo SDK"), c->get_iotSdkVersion());
    const int boards = core ? qMin(ioBoardCount(core->get_controlBoardType(), core->get_numberOfZones()),
                                   int(IoRegisterMap::FirmwareBoardCount))
                            : 1;
    const QStringList versions = {c->get_ioBoardFirmwareVersion0(), c->get_ioBoardFirmwareVersion1(),
                                  c->get_ioBoardFirmwareVersion2(), c->get_ioBoardFirmwareVersion3(),
                                  c->get_ioBoardFirmwareVersion4()};
    rows << row(boards > 1 ? QStringLiteral("Master I/O board") : QStringLiteral("I/O board"), versions.at(0));
    for (int k = 1; k < boards; ++k)
        rows << row(QStringLiteral("Slave I/O board #%1"), versions.at(k), k);
    if (core && core->get_nfcEnabled()) {
        rows << row(QStringLiteral("Reader board #1"), c->get_readerFirmwareVersion1());
        if (core->get_numberOfZones() > 5)
            rows << row(QStringLiteral("Reader board #2"), c->get_readerFirmwareVersion2());
    }
    return rows;
}
