#include "cabinetmanager.h"
#include "corelog.h"

#include "alarmslog.h"
#include "binview.h"
#include "canbusmanager.h"
#include "canrelay.h"
#include "canfiletransfer.h"
#include "receivedfiles.h"
#include "canmessagecodes.h"
#include "cansendrequest.h"
#include "commandlauncher.h"
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "eolcabinetlink.h"
#include "eoltesting.h"
#include "fileid.h"
#include "holdingcoordinator.h"
#include "holdinglink.h"
#include "holdinglog.h"
#include "iotlog.h"
#include "iotlink.h"
#include "tuldbusadapter.h"
#include "ioboardsimulator.h"
#include "languagemodel.h"
#include "logprefix.h"
#include "masteriomanager.h"
#include "networksettings.h"
#include "mastersync.h"
#include "menumanager.h"
#include "orvantaproxy.h"
#include "nfcmanager.h"
#include "passcodes.h"
#include "platforminfo.h"
#include "pluggedinminutes.h"
#include "qmodbusmaster.h"
#include "roleitemmodel.h"
#include "safefilewriter.h"
#include "screencommands.h"
#include "screenshot.h"
#include "settingsrecord.h"
#include "simulationconsole.h"
#include "singlemessage.h"
#include "soundmanager.h"
#include "tempprobestatemanager.h"
#include "translator.h"
#include "tulerrorcontrollert.h"
#include "haccpcontroller.h"
#include "tulnetwork.h"
#include "traybarsc.h"
#include "tuliotagentadapter.h"
#include "tullumo.h"
#include "tulpaths.h"
#include "virtualkeyinput.h"
#include "wifimonitor.h"
#include "zonemanager.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickWindow>

#include <cmath>
#include <memory>

namespace {

constexpr int SimulationFlags = 7;
const char *const SceneUrl = "qrc:/main.qml";
// The links start with the first frame, and at the latest this long after the scene is made.
constexpr int LinksLatestMs = 1000;

// The display settings the displays of one cabinet share.
const char *const SharedSettings[] = {
    "useFirstEnabled", "groupDotsEnabled", "splitViewEnabled", "individualDPEnabled",
    "demoModeFlag",    "labelFontSize",    "soundLevel",       "tempUnit",
    "screenCleanActive", "screenCleanTimeout", "timerColorStatus",
};

int envMilliseconds(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

CabinetManager::CabinetManager(int connectorId, int simulationFlags, QWidget *parent)
    : CabinetCore(nullptr)
    , m_connectorId(connectorId)
    , m_simulationFlags(simulationFlags)
    , m_options(TulOptions::parse(QCoreApplication::arguments()))
{
    Q_UNUSED(parent) // the window is the QML scene's own
    setObjectName(QStringLiteral("cabinetManager"));
    m_engine = new QQmlApplicationEngine(this);
    preloadScene();
    readPersonality();
    // Two displays of a cabinet often write to one terminal: each line says whose it is.
    LogPrefix::release(!talksToOtherDisplay() ? QString()
                       : m_layout.iAmMaster   ? QStringLiteral("[primary] ")
                                              : QStringLiteral("[second] "));
    applyNfcStep();
    createLanguageServices();
    createCanTransport();
    createSoundManager();
    createModbus();
    createErrorService();
    createSettings();
    createMenus();
    createDisplayLink();
    createHolding();
    // No zone makes a sound before the displays have synchronised.
    m_sound->muteAllAlarms();
    connectManagers();
    connectHolding();
    m_platformInfo = new PlatformInfo(this);
    createEolTest();
    createIot();
    connectIot();
    publishToQml();
    // The first screen's texts and the controls name the language's font themselves; other
    // plain texts get it from the application font once the cabinet is on the screen.
    m_translator->holdApplicationFont();
    m_translator->setLanguageByString(m_config->get_languageId());
    connectLanguageFollowers();
    loadPluggedInMinutes();
    startMachines();
    loadScene();
}

CabinetManager::~CabinetManager()
{
    savePluggedInMinutes();
    // The scene refers to this object: take it down first.
    delete m_engine;
    m_engine = nullptr;
}

// ---- construction steps ------------------------------------------------------------

void CabinetManager::readPersonality()
{
    m_fileId = new FileID(this);
    QDir().mkpath(TulPaths::rootDir());
    QDir::setCurrent(TulPaths::rootDir());
    // Directory order: the first "*.hcc" entry is the only one tried.
    const QStringList entries = QDir(TulPaths::rootDir())
                                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                               QDir::Unsorted);
    QString name;
    for (const QString &entry : entries) {
        // "*.hcc" as a name filter reads it (any case), without a pattern made per entry.
        if (entry.endsWith(QLatin1String(".hcc"), Qt::CaseInsensitive)) {
            name = entry;
            break;
        }
    }
    if (name.isEmpty()) {
        qCDebug(lcCore) << "FileID not found";
        useBuiltInLayout(m_connectorId);
        return;
    }
    qCInfo(lcCore).noquote() << QStringLiteral("File id : file name is: %1").arg(name);
    if (m_fileId->readFileID(name) && m_fileId->get_importedFileVersion() <= FileID::kMaxAcceptedVersion) {
        useLayoutFromFile();
    } else {
        qCWarning(lcCore) << "Personality file" << name << "rejected (version"
                   << m_fileId->get_importedFileVersion() << ")";
        useBuiltInLayout(m_connectorId);
    }
}

void CabinetManager::useLayoutFromFile()
{
    const FileID &f = *m_fileId;
    m_orientationId = UIID_FILE_ID;
    m_isConfigured = true;
    CabinetLayout &l = m_layout;
    l.uiRole = f.get_uiRole();
    l.numberOfZones = f.get_numberOfZones();
    l.zonesPerRow = f.get_zonesPerRow();
    l.traysPerZone = f.get_traysPerZone();
    l.numberOfRows = f.get_numberOfRows();
    l.traysPerCabinet = f.get_traysPerCabinet();
    // Without a count of its own, a display handles the zones from its first one on.
    l.zones2handle = f.get_zones2handle() > 0 ? f.get_zones2handle()
                                              : qMax(0, f.get_numberOfZones() - f.get_zones2handleStart());
    l.zones2handleStart = f.get_zones2handleStart();
    l.hasMirrorDisplay = f.get_hasMirrorDisplay();
    l.hasSecondaryDisplay = f.get_hasSecondaryDisplay();
    l.mirrorDisplay = f.get_mirrorDisplay();
    l.iAmMaster = f.get_iAmMaster();
    l.nfcEnabled = f.get_nfcEnabled();
    l.singleColumnUnit = f.get_singleColumnUnit();
    l.singleBinZone = f.get_singleBinZone();
    l.tempHandling = f.get_tempHandling();
    l.cabinetConfiguration = f.get_cabinetConfiguration();
    l.numIOBoards = f.get_numIOBoards();
    l.controlBoardType = f.get_controlBoardType();
    l.hasFan = f.get_hasFan();
    l.haccpEnabled = f.get_haccpDataCollection();
    l.startingShelfNumber = f.get_startingShelfNumber();
    l.shelfNumberingOrder = f.get_shelfNumberingOrder();
    l.productIdDisplayEnable = f.get_productIDDisplayEnable();
    l.timerColorEnable = f.get_timerColorEnable();
    l.isIndividualDpSelectable = f.get_isIndividualDpSelectable();
    l.timerDecrementEnable = f.get_timerDecrementEnable();
    l.verticalFlip = f.get_verticalFlip();
    l.orientationPortrait = f.get_orientationPortrait();
    l.powerSourceChoice = f.get_powerSourceChoice();
    l.powerSource = f.get_powerSource();
    l.maxCurrent = f.get_maxCurrent();
    l.bottomHeaterResistance = f.get_bottomHeaterResistance();
    l.topHeaterResistance = f.get_topHeaterResistance();
    l.bottomTempOffset = f.get_bottomTempOffset();
    l.topTempOffset = f.get_topTempOffset();
    l.customerId = f.get_customerId();
    l.pressGoDockPosition = f.get_pressGoDockPosition();
    l.productLocationMap = *m_fileId->get_productLocationMap();
    l.fitToTables();
}

void CabinetManager::useBuiltInLayout(int connectorId)
{
    m_orientationId = connectorId;
    m_isConfigured = false;
    m_layout = CabinetLayout::builtIn(connectorId);
    // The NFC map of a built-in layout is the one of its display id (the default
    // layout's for an unknown id).
    m_fileId->set_orientationId(CabinetLayout::isBuiltInId(connectorId) ? connectorId
                                                                        : int(UIID_5x4_PRIMARY));
    m_fileId->set_numberOfZones(m_layout.numberOfZones);
    qCInfo(lcCore) << "Unconfigured cabinet: built-in layout of display id" << connectorId;
}

void CabinetManager::applyNfcStep()
{
    if (!m_layout.nfcEnabled)
        return;
    m_fileId->set_nfcEnabled(true);
    m_fileId->initNfcMap(m_fileId->get_orientationId());
    m_nfcPollingInfo = m_fileId->get_nfcPollingInfo();
}

void CabinetManager::createLanguageServices()
{
    m_translator = new Translator(this);
    m_translator->setObjectName(QStringLiteral("translator"));
    m_languageModel = new LanguageModel(m_translator);
    m_vki = new VirtualKeyInput(m_engine);
    m_vki->setObjectName(QStringLiteral("vki"));
}

void CabinetManager::createCanTransport()
{
    const bool simulated = m_simulationFlags == SimulationFlags;
    QString interfaceName = QStringLiteral("can0");
    if (simulated && qEnvironmentVariableIsSet("TUL_CAN_INTERFACE"))
        interfaceName = qEnvironmentVariable("TUL_CAN_INTERFACE");
    m_canInterface = interfaceName;
    m_canbus = new CanbusManager(simulated ? QStringLiteral("virtualcan") : QStringLiteral("socketcan"),
                                 interfaceName, this);
    m_canbus->setObjectName(QStringLiteral("canbusManager"));
    m_canbus->set_canId(unsigned(ownFrameId()));
    connect(m_canbus, &CanbusManager::singlePacketReceived, this, &CabinetManager::onSinglePacket);
    // Taken before they are acknowledged, so that the sender of a file we refuse learns it.
    m_receivedFiles.reset(new ReceivedFiles);
    m_canbus->setTransferReceiver([this](quint32 senderId, int multiId, const QByteArray &data) {
        return processMultiPacket(senderId, multiId, data);
    });
}

void CabinetManager::createSoundManager()
{
    // Runs from its creation on: it reads the customer id from this core.
    m_sound = new SoundManager(this);
    m_sound->setObjectName(QStringLiteral("soundManager"));
    m_sound->start();
}

void CabinetManager::createModbus()
{
    m_modbus = new QModbusMaster(this);
    m_modbus->setObjectName(QStringLiteral("modbusMaster"));
    m_modbus->set_logModbus(m_options.logModbus);
    // TUL_IOBOARD_PORT: the simulated boards are served from another process, so that
    // benchmarks count this program's wake-ups without theirs.
    if (m_layout.iAmMaster && m_simulationFlags == SimulationFlags && !qEnvironmentVariableIsSet("TUL_IOBOARD_PORT")) {
        m_ioSimulator = new IoBoardSimulator(this);
        m_ioSimulator->setObjectName(QStringLiteral("ioBoardSimulator"));
        // The simulated heaters warm towards their set points, as real ones would.
        m_ioSimulator->set_heatingStep(IoBoardSimulator::SimulationHeatingStep);
    }
}

void CabinetManager::openIoBoardLine()
{
    QString port = QString::fromLatin1(QModbusMaster::DevicePortName);
    if (m_ioSimulator && m_ioSimulator->open())
        port = m_ioSimulator->devicePath();
    else if (m_simulationFlags == SimulationFlags && qEnvironmentVariableIsSet("TUL_IOBOARD_PORT"))
        port = qEnvironmentVariable("TUL_IOBOARD_PORT");
    if (!m_modbus->openSerialPort(port))
        qCWarning(lcCore) << "IO board line" << port << "could not be opened";
    else
        m_ioBoardPort = port;
}

void CabinetManager::logStartSummary()
{
    // Once: a later synchronisation (the other display restarting) changes nothing here.
    if (m_startSummaryLogged)
        return;
    m_startSummaryLogged = true;
    const QStringList zoneFaults = m_holding ? m_holding->get_zoneFaults() : QStringList();
    qCInfo(lcFieldbus).noquote() << QStringLiteral("field bus: data in %1, CAN %2 (frame id %3), IO board on %4")
        .arg(TulPaths::rootDir(), m_canInterface)
        .arg(m_canbus->get_canId()).arg(m_ioBoardPort.isEmpty() ? QStringLiteral("no line (not the master display)") : m_ioBoardPort);
    qCInfo(lcConfig).noquote() << QStringLiteral("configuration: %1, %2 zones, %3 bins, customer %4, %5 display, serial %6")
        .arg(m_isConfigured ? QStringLiteral("personality read") : QStringLiteral("no personality"))
        .arg(get_numberOfZones()).arg(get_traysPerCabinet()).arg(get_customerId())
        .arg(m_layout.iAmMaster ? QStringLiteral("master") : QStringLiteral("second"), m_config->get_serialNumber());
    qCInfo(lcMenu).noquote() << QStringLiteral("menu: %1 products, %2 day parts, day part %3 in force")
        .arg(m_menu->getRowCount()).arg(m_dayParts->getDayPartsToUseCount()).arg(m_dayParts->get_partOfDay());
    qCInfo(lcHolding).noquote() << QStringLiteral("holding: %1 bins in %2 zones, NFC pans %3, %4 zones faulted")
        .arg(get_traysPerCabinet()).arg(get_numberOfZones()).arg(get_nfcEnabled() ? QStringLiteral("on") : QStringLiteral("off"))
        .arg(zoneFaults.size() - zoneFaults.count(QString()));
    qCInfo(lcDisplayLink).noquote() << QStringLiteral("display link: %1")
        .arg(talksToOtherDisplay() ? (m_masterSync->get_synced() ? QStringLiteral("synchronised with the other display")
                                                               : QStringLiteral("the other display not yet synchronised"))
                                   : QStringLiteral("no other display"));
    qCInfo(lcNetwork).noquote() << QStringLiteral("network: Wi-Fi %1")
        .arg(m_wifiMonitor->get_wifiApConnected() ? QStringLiteral("connected") : QStringLiteral("not connected"));
    qCInfo(lcAlarms).noquote() << QStringLiteral("alarms: %1, HACCP %2 (%3 records)")
        .arg(m_errors->errorsLogSummary()).arg(get_haccpEnabled() ? QStringLiteral("on") : QStringLiteral("off"))
        .arg(m_haccp->get_totalHaccpLogListCount());
    qCInfo(lcIot).noquote() << QStringLiteral("cloud link: %1")
        .arg(!m_iot ? QStringLiteral("none") : !m_layout.iAmMaster ? QStringLiteral("none from this display (not the master)")
             : m_iot->ownsServiceName() ? QStringLiteral("service registered on the system bus")
                                        : QStringLiteral("no system bus service"));
    qCInfo(lcEolTest).noquote() << QStringLiteral("end-of-line: %1")
        .arg(m_eolTest && m_eolTest->isListening() ? QStringLiteral("test server on port %1").arg(m_eolTest->serverPort())
                                                   : QStringLiteral("test server not listening"));
}

void CabinetManager::createErrorService()
{
    // Only the master display polls the IO board's error registers.
    m_errors = new TulErrorControllerT(m_layout.iAmMaster ? m_modbus : nullptr, this);
    m_errors->setObjectName(QStringLiteral("tulErrorController"));
    // Collects only when the personality enables HACCP; otherwise it holds just its model.
    m_haccp = new HaccpController(this);
}

void CabinetManager::createSettings()
{
    m_config = new ConfigurationManager(m_modbus, m_canbus, m_layout.iAmMaster, m_orientationId, this);
    m_config->setObjectName(QStringLiteral("configManager"));
    m_config->set_powerSource(m_layout.powerSource);
    m_config->readConfigFile();
    m_config->readIotConfigFile();
    m_config->loadCabinetSerialModelNumbers();
    if (m_isConfigured)
        m_config->setPersonalityAccess(m_fileId->get_preferencesPageLock(), m_fileId->get_advancedZoneOptionsEnable());
    // The settings store and the translator mirror each other's language.
    connect(m_config, &ConfigurationManager::languageIdChanged, m_translator, &Translator::setLanguageByString);
    connect(m_translator, &Translator::languageIdStringChanged, m_config, &ConfigurationManager::set_languageId);
}

void CabinetManager::createMenus()
{
    m_menu = new MenuManager(this);
    m_menu->menuLoadJsonDocFile();
    m_dayParts = new DayPartManager(m_layout.numberOfZones, m_layout.traysPerZone, m_menu, this);
    m_dayParts->set_singleCol(m_layout.singleColumnUnit);
    m_dayParts->set_numOfTrays(get_traysPerCabinet());
    m_productLocations = m_layout.productLocationMap.toVector();
    m_dayParts->setProductLocationMap(m_productLocations.constData(), m_productLocations.size());
    m_dayParts->dayPartsLoadJsonDocFile();
    m_dayParts->set_nextDayPart(m_dayParts->getDayPartToUse(0));
    // Idle until the start-up synchronisation reaches its menu-import step.
    m_ovp = new OrvantaProxy(this);
}

void CabinetManager::createDisplayLink()
{
    MasterSync::Timing timing;
    timing.syncTimeoutMs = envMilliseconds("TUL_SYNC_TIMEOUT_MS", timing.syncTimeoutMs);
    timing.silenceTickMs = envMilliseconds("TUL_CAN_SILENCE_TICK_MS", timing.silenceTickMs);
    m_masterSync = new MasterSync(talksToOtherDisplay(), m_layout.iAmMaster, timing, this);
    connect(m_masterSync, &MasterSync::askForSlaveSignal, this, &CabinetManager::sendRequestRollCallMsg);
    connect(m_masterSync, &MasterSync::requestResyncSignal, this, &CabinetManager::sendResyncRequest);
    connect(m_masterSync, &MasterSync::rollCallTimedOut, this, [this] { emit slaveUiFoundChanged(false); });
    connect(m_canbus, &CanbusManager::linkActivity, m_masterSync, &MasterSync::canTrafficSeen);
    connect(m_masterSync, &MasterSync::systemReadyForTrayHoldUpdates, this, [this] {
        qCInfo(lcCore) << "Start-up synchronisation finished";
        logStartSummary();
    });
    connect(this, &CabinetCore::ovUpdateReloadFiles, this,
            [] { qCDebug(lcCore) << "Reloading the menu and day-part files"; });

    m_network = new TULnetwork(this);
    m_wifiMonitor = new WifiMonitor(this);
    // One poll of the access point: the monitor's reading is the network link's.
    connect(m_wifiMonitor, &WifiMonitor::wifiApConnectedChanged, m_network, &TULnetwork::set_wifiApConnected);
}

void CabinetManager::connectManagers()
{
    // Files and messages of the display link.
    connect(this, &CabinetCore::ovUpdateReloadFiles, m_menu, &MenuManager::menuLoadJsonDocFile);
    connect(this, &CabinetCore::ovUpdateReloadFiles, m_dayParts, &DayPartManager::dayPartsLoadJsonDocFile);
    connect(m_menu, &MenuManager::sendProductsFileViaCanbus, this,
            QOverload<const QString &, int>::of(&CabinetManager::sendFileViaCanbus));
    connect(m_dayParts, &DayPartManager::sendDayPartsFileViaCanbus, this,
            QOverload<const QString &, int>::of(&CabinetManager::sendFileViaCanbus));
    connect(m_menu, &MenuManager::productsMD5, m_config, &ConfigurationManager::set_productsHashCode,
            Qt::QueuedConnection);
    connect(m_dayParts, &DayPartManager::nextDayPartChanged, this, &CabinetManager::processDayPartChange,
            Qt::QueuedConnection);
    // Each change of the day part is sent on (queued) knowing where it came from.
    connect(m_dayParts, &DayPartManager::nextDayPartChanged, this,
            [this] { m_dayPartOrigins.enqueue(m_dayPartOrigin); });
    // A display that is not the master keeps its start-up default to itself: the master's
    // day part follows, the one it restores after a power cut included, and must not be
    // overridden by it.
    connect(m_masterSync, &MasterSync::doDefaultDayPartSignal, this, [this] {
        if (!m_layout.iAmMaster && m_dayPartFromMaster)
            return; // the master's came first and stands
        m_dayPartOrigin = m_layout.iAmMaster ? DayPartOrigin::Here : DayPartOrigin::StartUpDefault;
        m_dayParts->loadDefaultDayPart();
        m_dayPartOrigin = DayPartOrigin::Here;
    }, Qt::QueuedConnection);
    connect(this, &CabinetManager::dayPartReceived, this, &CabinetManager::applyRemoteDayPart);

    // Menu-tool files: the automatic import at start-up and the imported menu's name.
    connect(m_masterSync, &MasterSync::doMenuImportSignal, m_ovp, &QStateMachine::start, Qt::QueuedConnection);
    connect(m_ovp, &OrvantaProxy::importedMenu, m_config, &ConfigurationManager::processImportedMenu);
    m_ovp->connectAppliers(m_config, m_menu, m_dayParts);
    connect(m_ovp, &OrvantaProxy::askForSlaveSignal, this, &CabinetManager::sendRequestRollCallMsg,
            Qt::QueuedConnection);
    connect(this, &CabinetCore::slaveUiFoundChanged, m_ovp, &OrvantaProxy::processSlaveFoundSignal,
            Qt::QueuedConnection);

    // Sounds.
    connect(m_config, &ConfigurationManager::soundLevelChanged, m_sound, &SoundManager::setAllAlarmsVolume);
    connect(m_vki, &VirtualKeyInput::aKeyWasPressed, m_sound, &SoundManager::playKeystroke, Qt::QueuedConnection);
    connect(m_masterSync, &MasterSync::systemReadyForTrayHoldUpdates, m_sound, &SoundManager::delayedUnMute);
    connect(m_masterSync, &MasterSync::syncNotNeeded, m_sound, &SoundManager::delayedUnMute);
    connect(this, &CabinetManager::alarmRequestReceived, m_sound, &SoundManager::processAlarmReq);
    connect(this, &CabinetManager::stopAmbientTempAlarm, this, &CabinetManager::stopAmbientTempAlarmSlot);

    // Errors: reported here, texts and logs on the worker, relayed by the facade.
    connect(m_masterSync, &MasterSync::syncErrorInfo, m_errors, &TulErrorControllerT::errorCodesDataProcess,
            Qt::QueuedConnection);
    connect(m_masterSync, &MasterSync::syncErrorClearInfo, m_errors,
            &TulErrorControllerT::errorCodesClearDataProcess, Qt::QueuedConnection);
    connect(m_network, &TULnetwork::logErrorSignal, m_errors, &TulErrorControllerT::errorCodesDataProcess,
            Qt::QueuedConnection);
    connect(m_translator, &Translator::retranslate, m_errors, &TulErrorControllerT::createDefinitionsList,
            Qt::QueuedConnection);
    // What the other display reports is logged and shown here, never sent back.
    connect(this, &CabinetManager::errorInfoReceived, m_errors, &TulErrorControllerT::remoteErrorCodesDataProcess);
    connect(this, &CabinetManager::errorClearInfoReceived, m_errors,
            &TulErrorControllerT::remoteErrorCodesClearDataProcess);
    connect(this, &CabinetManager::clearAllErrorsReceived, m_errors, [this] {
        m_errors->deleteAllErrorLogs();
        m_errors->clearErrorLogList();
    });
}

void CabinetManager::publishToQml()
{
    QQmlContext *context = m_engine->rootContext();
    context->setContextProperty(QStringLiteral("cabinetManager"), this);
    context->setContextProperty(QStringLiteral("configManager"), m_config);
    context->setContextProperty(QStringLiteral("timeZonesModel"), m_config->timeZonesModel());
    context->setContextProperty(QStringLiteral("tro"), m_translator);
    context->setContextProperty(QStringLiteral("languagesModelNew"), m_languageModel);
    VirtualKeyInput::registerQmlTypes();
    Passcodes::registerQmlTypes();
    TrayBarSc::registerQmlType();
    context->setContextProperty(QStringLiteral("vki"), m_vki);
    context->setContextProperty(QStringLiteral("masterSync"), m_masterSync);
    context->setContextProperty(QStringLiteral("platformInfo"), m_platformInfo);
    context->setContextProperty(QStringLiteral("tulNetwork"), m_network);
    context->setContextProperty(QStringLiteral("wifiMonitor"), m_wifiMonitor);
    context->setContextProperty(QStringLiteral("soundManager"), m_sound);
    context->setContextProperty(QStringLiteral("tulErrorController"), m_errors);
    context->setContextProperty(QStringLiteral("haccpController"), m_haccp);
    context->setContextProperty(QStringLiteral("menuManager"), m_menu);
    context->setContextProperty(QStringLiteral("productsModel"), m_menu->productsModel());
    context->setContextProperty(QStringLiteral("productsEditModel"), m_menu->productsEditModel());
    context->setContextProperty(QStringLiteral("groupsEditModel"), m_menu->groupsEditModel());
    context->setContextProperty(QStringLiteral("dayPartsEditModel"), m_menu->dayPartsEditModel());
    context->setContextProperty(QStringLiteral("timerColorsDataList"), QVariant::fromValue(m_menu->timerColorsDataList()));
    context->setContextProperty(QStringLiteral("daypartManager"), m_dayParts);
    context->setContextProperty(QStringLiteral("ovp"), m_ovp);
    context->setContextProperty(QStringLiteral("holding"), m_holding);
}

void CabinetManager::startMachines()
{
    // "-trace (name,...)": the transitions of the named machines go to the debug stream.
    const QList<P4StateMachine *> machines = findChildren<P4StateMachine *>();
    for (P4StateMachine *machine : machines) {
        if (m_options.trace.contains(machine->objectName()))
            machine->traceTransitions();
    }
    if (m_modbus && m_options.trace.contains(m_modbus->objectName()))
        m_modbus->traceTransitions();
    // The bins the first frame shows, in their first states before the scene reads them:
    // a tile made with them lays out once, where a state entered later re-evaluates it.
    m_holding->start();
    m_holding->enterFirstStates();

    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(envMilliseconds("TUL_IDLE_TIMEOUT_MS", IdleTimeoutMs));
    connect(&m_idleTimer, &QTimer::timeout, this, &CabinetManager::idleTimeout);
    m_idleTimer.start();
    m_pluggedInTimer.setInterval(PluggedInTickMs);
    connect(&m_pluggedInTimer, &QTimer::timeout, this, &CabinetManager::pluggedInTick);
    m_pluggedInTimer.start();
}

void CabinetManager::startLinks()
{
    if (m_isConfigured)
        m_canbus->start();
    // Only the master display owns the IO board's line.
    if (m_layout.iAmMaster) {
        openIoBoardLine();
        m_modbus->start();
    }
    m_masterSync->start();
    if (m_layout.iAmMaster) {
        emit m_errors->call_startSm();
        // The IO board's configuration; its end (good or failed) is powerOn.
        connect(this, &CabinetCore::powerOn, this, [] { qCDebug(lcCore) << "Power on"; });
        m_config->start();
        // Only the master answers a test station. In simulation TUL_EOL_ANNOUNCE stands for
        // the technician's press on the Wi-Fi icon, for tests driving a whole program.
        if (m_simulationFlags == SimulationFlags && qEnvironmentVariableIsSet("TUL_EOL_ANNOUNCE"))
            connect(m_eolTest, &QStateMachine::started, m_eolTest, &EolTesting::startUdpbroadcast);
        m_eolTest->start();
    }
}

void CabinetManager::preloadScene()
{
    if (qEnvironmentVariableIsSet("TUL_NO_SCENE"))
        return;
    // The scene's types load on the QML thread while the back end is made; loadScene()
    // then finds them in the engine's type cache.
    m_scenePreload = new QQmlComponent(m_engine, this);
    m_scenePreload->loadUrl(QUrl(QString::fromLatin1(SceneUrl)), QQmlComponent::Asynchronous);
}

void CabinetManager::loadScene()
{
    // Benchmarks weigh the back end alone (its polls and the display link) this way.
    if (qEnvironmentVariableIsSet("TUL_NO_SCENE")) {
        qCDebug(lcCore) << "Scene not loaded (TUL_NO_SCENE)";
        startAfterFirstFrame();
        return;
    }
    // Should the window never be drawn, the links start all the same.
    QTimer::singleShot(LinksLatestMs, this, &CabinetManager::startAfterFirstFrame);
    m_engine->load(QUrl(QString::fromLatin1(SceneUrl)));
    delete m_scenePreload;
    m_scenePreload = nullptr;
    auto *window = m_engine->rootObjects().isEmpty()
                       ? nullptr : qobject_cast<QQuickWindow *>(m_engine->rootObjects().first());
    if (!window) {
        qCCritical(lcCore) << "The user interface could not be loaded";
        startAfterFirstFrame();
        return;
    }
    qCDebug(lcCore) << "Scene loaded";
    // A touch or a key restarts the idle time-out. Input reaches the program only through
    // its one window: watching the window, not the whole application, spares every timer,
    // socket and state-machine event the filter's call.
    window->installEventFilter(this);
    // The moment the cook sees the cabinet; the start-up benchmark waits for this line.
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = connect(window, &QQuickWindow::frameSwapped, this, [this, once] {
        if (!*once)
            return; // a second frame queued before the first was seen
        disconnect(*once);
        *once = QMetaObject::Connection();
        qCDebug(lcCore) << "First frame";
        startAfterFirstFrame();
    });
}

void CabinetManager::startAfterFirstFrame()
{
    if (m_linksStarted)
        return;
    m_linksStarted = true;
    // The field buses, the IO board's configuration and the test station's link: nothing
    // of them is on the first frame.
    startLinks();
    m_translator->releaseApplicationFont();
    // The Wi-Fi poll runs a child process: it waits until the cabinet is on the screen.
    if (m_layout.iAmMaster)
        m_wifiMonitor->start();
}

// ---- layout and state ----------------------------------------------------------------

bool CabinetManager::talksToOtherDisplay() const
{
    if (m_options.singleDisplay)
        return false;
    return m_layout.hasMirrorDisplay || m_layout.hasSecondaryDisplay || !m_layout.iAmMaster;
}

int CabinetManager::ownFrameId() const
{
    return CanMsg::frameIdFor(m_layout.iAmMaster);
}

void CabinetManager::set_iAmMaster(bool master)
{
    if (m_layout.iAmMaster == master)
        return;
    m_layout.iAmMaster = master;
    m_canbus->set_canId(unsigned(ownFrameId()));
    emit iAmMasterChanged(master);
}

void CabinetManager::set_flashDriveMounted(bool mounted)
{
    m_flashDriveMounted = mounted;
    emit flashDriveMountedChanged(mounted);
}

void CabinetManager::screenShot()
{
    // Named after the time the cabinet shows, not the UTC system clock.
    QDateTime now = QDateTime::currentDateTime();
    ScreenShot::save(QGuiApplication::focusWindow(), m_config->get_serialNumber(),
                     m_config->get_modelNumber(), m_config->get_storeNumber(),
                     adjustToLocalDateTime(now));
}

QDateTime CabinetManager::adjustToLocalDateTime(QDateTime &dateTime)
{
    return m_config->adjustToLocalDateTime(dateTime);
}

QString CabinetManager::readFlashDrivePath()
{
    return TulPaths::flashDir();
}

bool CabinetManager::isFlashDriveMounted()
{
    const CommandResult mount = CommandLauncher::runAndWait(QStringLiteral("/bin/mount"), {}, 30000);
    return mount.standardOutput.contains("/media/sda1");
}

void CabinetManager::refreshFlashDriveMounted()
{
    set_flashDriveMounted(isFlashDriveMounted());
}

bool CabinetManager::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
    case QEvent::KeyPress:
        m_idleTimer.start();
        break;
    default:
        break;
    }
    return CabinetCore::eventFilter(watched, event);
}

void CabinetManager::idleTimeout()
{
    if (m_eolTest && m_eolTest->getEolTestStarted())
        return; // the factory test keeps its screens
    emit noUserInteraction();
}

void CabinetManager::loadPluggedInMinutes()
{
    m_pluggedInMinutes = PluggedInMinutes::load(m_pluggedInMinutes);
}

void CabinetManager::savePluggedInMinutes()
{
    PluggedInMinutes::save(m_pluggedInMinutes);
}

void CabinetManager::pluggedInTick()
{
    ++m_pluggedInMinutes;
    emit pluggedInMinutesChanged(m_pluggedInMinutes);
    // Saved every few minutes rather than every minute, to spare the flash memory.
    if (m_pluggedInMinutes % PluggedInSaveEveryMinutes == 0)
        savePluggedInMinutes();
}

// ---- display link: senders -------------------------------------------------------------

void CabinetManager::enqueueSingle(const QByteArray &data)
{
    auto *request = new CanSendRequest;
    request->set_frameId(ownFrameId());
    request->set_multi(false);
    request->set_data(data);
    m_canbus->enqueueSendRequest(request);
}

void CabinetManager::enqueueMulti(int multiId, const QByteArray &data)
{
    auto *request = new CanSendRequest;
    request->set_frameId(ownFrameId());
    request->set_multi(true);
    request->set_multiId(multiId);
    request->set_data(data);
    m_canbus->enqueueSendRequest(request);
}

void CabinetManager::sendFileViaCanbus(int fileId)
{
    const QString name = CanFileTransfer::fileNameFor(fileId);
    if (name.isEmpty()) {
        qCWarning(lcCore) << "sendFileViaCanbus: no file for id" << fileId;
        return;
    }
    sendFileViaCanbus(TulPaths::rootPath(name), fileId);
}

void CabinetManager::sendFileViaCanbus(const QString &filePath, int transferId)
{
    if (!QFile::exists(filePath)) {
        qCWarning(lcCore) << "sendFileViaCanbus: file" << filePath << "missing, nothing sent";
        return;
    }
    const QByteArray payload = CanFileTransfer::buildPayload(filePath);
    if (payload.isEmpty())
        return;
    enqueueMulti(transferId, payload);
}

void CabinetManager::sendOvUpdateProducts()
{
    enqueueSingle(QByteArray(1, char(CanMsg::TULMSGSINGLE_OV_UPDATE_PRODUCTS)));
}

void CabinetManager::sendOvUpdateDayparts()
{
    enqueueSingle(QByteArray(1, char(CanMsg::TULMSGSINGLE_OV_UPDATE_DAYPARTS)));
}

void CabinetManager::sendConfigSettingsData()
{
    QJsonObject record;
    for (const char *key : SharedSettings)
        record.insert(QLatin1String(key), QJsonValue::fromVariant(m_config->property(key)));
    // The dock's language switch reaches the other displays with the settings.
    record.insert(QStringLiteral("languageId"), m_translator->getLanguageId(m_config->get_languageId()));
    enqueueMulti(CanMsg::TUL_MULTI_CONFIG_SETTINGS, QJsonDocument(record).toJson(QJsonDocument::Compact));
}

void CabinetManager::sendConfigSettingsChangeRequest(const QVariantMap &values)
{
    enqueueMulti(CanMsg::TUL_MULTI_CONFIG_CHANGE_REQUEST,
                 QJsonDocument(QJsonObject::fromVariantMap(values)).toJson(QJsonDocument::Compact));
}

void CabinetManager::sendLanguageSettingsData()
{
    const int languageId = m_translator->getLanguage();
    const uint used = m_config->get_usedLanguages();
    QByteArray data(1, char(CanMsg::TULMSGSINGLE_LANGUAGE_SETTINGS));
    data.append(char(languageId)).append(char((used >> 8) & 0xFF)).append(char(used & 0xFF));
    enqueueSingle(data);
}

void CabinetManager::sendRequestRollCallMsg()
{
    enqueueSingle(QByteArray(1, char(CanMsg::TULMSGSINGLE_ROLL_CALL_REQUEST)));
}

void CabinetManager::sendResyncRequest()
{
    enqueueSingle(QByteArray(1, char(CanMsg::TULMSGSINGLE_RESYNC_REQUEST)));
}

void CabinetManager::processDayPartChange(int dayPart)
{
    // Every display sends its day part. A display that is not the master does not send
    // back what came from the master, so the two never answer each other without end;
    // the master does, which is how a day part the other display asked for comes back.
    const DayPartOrigin origin = m_dayPartOrigins.isEmpty() ? DayPartOrigin::Here : m_dayPartOrigins.dequeue();
    if (!m_layout.iAmMaster && origin != DayPartOrigin::Here)
        return;
    sendDayPart(dayPart);
}

void CabinetManager::sendDayPart(int dayPart)
{
    if (!talksToOtherDisplay() || m_config->get_individualDPEnabled())
        return;
    if (dayPart < 0 || dayPart > 9)
        return;
    QByteArray data(1, char(CanMsg::TULMSGSINGLE_DAYPART_SET));
    data.append(char(dayPart));
    enqueueSingle(data);
}

void CabinetManager::requestDayPart(int dayPart)
{
    if (dayPart < 0 || dayPart > 9)
        return;
    QByteArray data(1, char(CanMsg::TULMSGSINGLE_DAYPART_SET));
    data.append(char(dayPart));
    enqueueSingle(data);
}

void CabinetManager::applyRemoteDayPart(int dayPart)
{
    // On a display that is not the master the change this causes is not answered.
    qCDebug(lcCore) << "Day part" << dayPart << "from the other display";
    m_dayPartOrigin = DayPartOrigin::OtherDisplay;
    m_dayPartFromMaster = !m_layout.iAmMaster;
    m_dayParts->set_nextDayPart(dayPart);
    m_dayPartOrigin = DayPartOrigin::Here;
}

void CabinetManager::soundNfcChime(bool isUniversalTag)
{
    if (isUniversalTag)
        emit m_sound->nfcChimeUniSig();
    else
        emit m_sound->nfcChimeSig();
}

void CabinetManager::stopAmbientTempAlarmSlot()
{
    emit m_sound->prodChangeAlarmStop();
    m_holding->acknowledgeAmbientAlarm();
}

void CabinetManager::recordErrorModbusBrokenLink(bool broken)
{
    if (broken) {
        m_errors->errorCodesDataProcess(1, 0, 0, 0);
        m_errors->set_sibLinkBroken(true);
    } else {
        m_errors->errorCodesClearDataProcess(1, 0, 0, 0);
        m_errors->set_sibLinkBroken(false);
    }
}

void CabinetManager::recordErrorTpOpen()
{
    if (auto *probe = qobject_cast<TempProbeStateManager *>(sender()))
        m_errors->errorCodesDataProcess(2, 1, probe->get_probeNumber(), 0);
}

void CabinetManager::recordErrorTpShorted()
{
    if (auto *probe = qobject_cast<TempProbeStateManager *>(sender()))
        m_errors->errorCodesDataProcess(2, 0, probe->get_probeNumber(), 0);
}

void CabinetManager::sendErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3)
{
    QByteArray data(1, char(CanMsg::ERROR_INFO));
    data.append(char(mainCode)).append(char(subCode1)).append(char(subCode2)).append(char(subCode3));
    enqueueSingle(data);
}

void CabinetManager::sendErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3)
{
    QByteArray data(1, char(CanMsg::ERROR_CLEAR_INFO));
    data.append(char(mainCode)).append(char(subCode1)).append(char(subCode2)).append(char(subCode3));
    enqueueSingle(data);
}

void CabinetManager::sendClearAllErrorInfo()
{
    qCDebug(lcCore) << "Sending clear all error information";
    enqueueSingle(QByteArray(1, char(CanMsg::DELETE_ERROR_INFO)));
}

void CabinetManager::sendScreenTestStart()
{
    enqueueSingle(QByteArray(1, char(CanMsg::TULMSGSINGLE_SCREEN_TEST_START)));
}

void CabinetManager::sendScreenTestStop()
{
    enqueueSingle(QByteArray(1, char(CanMsg::TULMSGSINGLE_SCREEN_TEST_STOP)));
}

void CabinetManager::sendRfIdTestStart()
{
    enqueueSingle(QByteArray(1, char(CanMsg::TULMSGSINGLE_RFID_TEST_START)));
}

void CabinetManager::sendSystemInfoTestStart()
{
    enqueueSingle(QByteArray(1, char(CanMsg::TULMSGSINGLE_SYSINFO_TEST_START)));
}

// ---- display link: receivers -----------------------------------------------------------

void CabinetManager::onSinglePacket(quint32 senderId, const QByteArray &data)
{
    // The master's 57 or 58 writes the file it announces before the reload reads it.
    int storedId = 0;
    const QString stored = m_receivedFiles->messageFrom(senderId, data, &storedId);
    if (!stored.isEmpty())
        emit fileReceived(storedId, stored);
    QByteArray copy = data;
    processSinglePacket(&copy);
}

void CabinetManager::answerResyncRequest()
{
    sendConfigSettingsData();
    sendLanguageSettingsData();
    sendDayPart(m_dayParts->get_nextDayPart());
    // A display that starts late sees the faults and wrong pans already there.
    sendFaultState();
    sendOwnMismatches();
}

void CabinetManager::sendFaultState()
{
    if (m_layout.iAmMaster && talksToOtherDisplay())
        m_holdingLink->sendFaultState(m_errors->get_sibLinkBroken(), m_holding->channelFaults());
}

void CabinetManager::sendOwnMismatches()
{
    if (!m_layout.iAmMaster || !talksToOtherDisplay())
        return;
    // Only the bins of this display's slots: the other display has no slot that would
    // sound them, so the kind of pan does not matter there.
    for (int bin = 0; bin < m_holding->binCount(); ++bin) {
        const BinView *view = m_holding->binView(bin);
        if (view && view->get_mismatch() && m_holding->trayOfBin(bin))
            m_holdingLink->sendMismatch(bin, true, false, m_holding->get_misMatchedPanId(bin));
    }
}

void CabinetManager::processSinglePacket(QByteArray *data)
{
    if (!data || data->isEmpty()) {
        qCWarning(lcCore) << "Empty single CAN message ignored";
        return;
    }
    if (m_holdingLink->processSingle(*data))
        return;
    // Length and range of every field are checked before anything acts on them.
    SingleMessage m;
    if (!SingleMessage::decode(*data, &m))
        return;

    switch (m.code) {
    case CanMsg::TULMSGSINGLE_ALARM_REQUEST:
        emit alarmRequestReceived(m.alarmId, m.alarmOn);
        break;
    case CanMsg::TULMSGSINGLE_OV_UPDATE_RELOAD:
    case CanMsg::TULMSGSINGLE_OV_UPDATE_PRODUCTS:
    case CanMsg::TULMSGSINGLE_OV_UPDATE_DAYPARTS:
        emit ovUpdateReloadFiles();
        break;
    case CanMsg::TULMSGSINGLE_FW_INFO_REQUEST:
        m_config->sendFwInfoViaCanbus();
        break;
    case CanMsg::TULMSGSINGLE_SCREEN_TEST_START:
        emit displayTestStart();
        break;
    case CanMsg::TULMSGSINGLE_SCREEN_TEST_STOP:
        emit displayTestStop();
        break;
    case CanMsg::TULMSGSINGLE_RFID_TEST_START:
        emit nfcTestStart();
        break;
    case CanMsg::TULMSGSINGLE_SYSINFO_TEST_START:
        emit systemInfoTestStart();
        break;
    case CanMsg::ERROR_INFO:
        emit errorInfoReceived(m.errorCodes[0], m.errorCodes[1], m.errorCodes[2], m.errorCodes[3]);
        break;
    case CanMsg::ERROR_CLEAR_INFO:
        emit errorClearInfoReceived(m.errorCodes[0], m.errorCodes[1], m.errorCodes[2], m.errorCodes[3]);
        break;
    case CanMsg::DELETE_ERROR_INFO:
        emit clearAllErrorsReceived();
        break;
    case CanMsg::TULMSGSINGLE_ROLL_CALL_REQUEST:
        enqueueSingle(QByteArray(1, char(CanMsg::TULMSGSINGLE_ROLL_CALL_REPLY)));
        break;
    case CanMsg::TULMSGSINGLE_ROLL_CALL_REPLY:
        qCDebug(lcCore) << "The other display answered the roll call";
        emit slaveUiFoundChanged(true);
        if (!m_layout.iAmMaster)
            emit masterUiWasFound();
        m_masterSync->otherUiFound();
        break;
    case CanMsg::TULMSGSINGLE_RESYNC_REQUEST:
        answerResyncRequest();
        break;
    case CanMsg::TULMSGSINGLE_DAYPART_SET:
        emit dayPartReceived(m.dayPart);
        break;
    case CanMsg::TULMSGSINGLE_LANGUAGE_SETTINGS:
        applyLanguageSettings(*data);
        break;
    case CanMsg::TULMSGSINGLE_DAYPART_REQUEST: // from a display of an earlier version
        if (m_layout.iAmMaster)
            sendDayPart(m_dayParts->get_nextDayPart());
        break;
    default: // the decoder refuses codes it does not know
        break;
    }
}

bool CabinetManager::processMultiPacket(quint32 senderId, int multiId, const QByteArray &data)
{
    if (!CanFileTransfer::fileNameFor(multiId).isEmpty()) {
        ReceivedFiles::Role role;
        role.master = m_layout.iAmMaster;
        role.talksToOtherDisplay = talksToOtherDisplay();
        QString path;
        const ReceivedFiles::Outcome outcome = m_receivedFiles->take(role, senderId, multiId, data, &path);
        if (outcome != ReceivedFiles::Stored)
            return outcome == ReceivedFiles::Held;
        if (multiId == CanMsg::TUL_MULT_FILE_TRANSFER_UI_ID)
            retireOtherPersonalities(QFileInfo(path).fileName());
        emit fileReceived(multiId, path);
        return true;
    }
    m_receivedFiles->messageFrom(senderId, QByteArray());
    if (m_holdingLink->processMulti(multiId, data))
        return true;
    switch (multiId) {
    case CanMsg::TUL_MULTI_CONFIG_SETTINGS:
        applySettingsRecord(data);
        break;
    case CanMsg::TUL_MULTI_CONFIG_CHANGE_REQUEST:
        applySettingsChangeRequest(data);
        break;
    case CanMsg::TUL_MULTI_FW_INFO:
    case CanMsg::TUL_MULTI_SERIAL_MODEL_INFO:
    case CanMsg::TUL_MULTI_UI_FW_INFO:
    case CanMsg::TUL_MULTI_STORE_NUMBER_INFO:
        m_config->applyDisplaySyncMessage(multiId, data);
        break;
    default:
        qCWarning(lcCore) << "Multi-packet CAN message" << multiId << "has no receiver on this display; ignored";
        break;
    }
    return true;
}

void CabinetManager::retireOtherPersonalities(const QString &keep)
{
    // Start-up reads the first personality it finds: the one just received must be the
    // only one. The others are renamed, not deleted.
    QDir root(TulPaths::rootDir());
    const QStringList others = root.entryList({QStringLiteral("*.hcc")}, QDir::Files);
    for (const QString &name : others) {
        if (name == keep)
            continue;
        const QString retired = name + QStringLiteral(".replaced");
        root.remove(retired);
        if (root.rename(name, retired))
            qCDebug(lcCore) << "Personality" << name << "replaced by" << keep << "; kept as" << retired;
        else
            qCWarning(lcCore) << "Personality" << name << "could not be set aside for" << keep;
    }
    SafeFileWriter::syncDirectory(TulPaths::rootDir());
}

void CabinetManager::applySettingsRecord(const QByteArray &json)
{
    QStringList keys;
    for (const char *key : SharedSettings)
        keys << QLatin1String(key);
    keys << QStringLiteral("languageId");
    QVariantMap record;
    if (!SettingsRecord::parse(json, "Settings record", keys, &record))
        return;
    for (const char *key : SharedSettings) {
        if (record.contains(QLatin1String(key)))
            m_config->setProperty(key, record.value(QLatin1String(key)));
    }
    const QVariant language = record.value(QStringLiteral("languageId"));
    // A whole JSON number arrives as a 64-bit integer, a fractional one as a double.
    const int type = language.userType();
    if (type == QMetaType::Double || type == QMetaType::LongLong) {
        const double languageId = language.toDouble();
        if (languageId >= 0 && languageId < Translator::languageCount && languageId == std::floor(languageId))
            m_translator->setLanguage(int(languageId));
        else
            qCWarning(lcCore) << "Language id" << languageId << "in the settings record out of range; ignored";
    }
    m_config->saveConfigFile();
}

void CabinetManager::applySettingsChangeRequest(const QByteArray &json)
{
    if (!m_layout.iAmMaster) {
        qCWarning(lcCore) << "Settings change request on a display that is not the master; ignored";
        return;
    }
    QVariantMap values;
    if (!SettingsRecord::parse(json, "Settings change request", {}, &values))
        return;
    // The master stores the change and sends the resulting record back.
    m_config->applyPreferences(values);
}

void CabinetManager::applyLanguageSettings(const QByteArray &data)
{
    const int languageId = quint8(data.at(1));
    const uint used = (uint(quint8(data.at(2))) << 8) | quint8(data.at(3));
    if (languageId >= Translator::languageCount) {
        qCWarning(lcCore) << "Language id" << languageId << "from the other display out of range; ignored";
        return;
    }
    m_config->set_usedLanguages(used);
    m_translator->setLanguage(languageId);
    m_config->saveConfigFile();
}

// ---- holding ---------------------------------------------------------------------------

QList<int> CabinetManager::get_ui2mioZoneMap() const
{
    return m_isConfigured ? *m_fileId->get_ui2mioZoneMap() : QList<int>();
}

void CabinetManager::createHolding()
{
    HoldingCoordinator::Setup setup;
    setup.firstZone = m_layout.zones2handleStart;
    setup.zoneCount = m_layout.zones2handle;
    setup.createTrays = !m_layout.mirrorDisplay && m_layout.uiRole != UIROLE_MIRROR;
    setup.modbus = m_layout.iAmMaster ? m_modbus : nullptr;
    setup.nfcPolling = m_nfcPollingInfo;
    setup.ui2mioZoneMap = get_ui2mioZoneMap();
    if (m_isConfigured) {
        setup.zoneNumberingOrder = m_fileId->get_zoneNumberingOrder();
    }
    m_holding = new HoldingCoordinator(this);
    m_holding->create(setup);
    m_holding->setHaccpLog(m_haccp);
    m_holdingLink = new HoldingLink(m_canbus, ownFrameId(), this);
    if (m_simulationFlags == SimulationFlags) {
        auto *console = new SimulationConsole(m_holding, m_ioSimulator, m_nfcPollingInfo, this);
        console->setScreenCommands([this](const QStringList &words) {
            auto *window = m_engine->rootObjects().isEmpty()
                               ? nullptr : qobject_cast<QQuickWindow *>(m_engine->rootObjects().first());
            // "ui shot <file.png>": the screen as it is now, for pictures of a running display.
            if (words.size() == 2 && words.first() == QLatin1String("shot")) {
                return ScreenShot::grab(window).save(words.at(1))
                           ? QStringLiteral("ok")
                           : QStringLiteral("error: no picture written to %1").arg(words.at(1));
            }
            return screenCommand(window, words);
        });
        console->listenOnStandardInput();
    }
}

void CabinetManager::connectHolding()
{
    HoldingCoordinator *h = m_holding;
    // The cabinet's holding events are the coordination's.
    connect(h, &HoldingCoordinator::event_holdStarted, this, &CabinetManager::event_holdStarted);
    connect(h, &HoldingCoordinator::event_holdStopped, this, &CabinetManager::event_holdStopped);
    connect(h, &HoldingCoordinator::event_holdExpired, this, &CabinetManager::event_holdExpired);
    connect(h, &HoldingCoordinator::notifyBinMismatchAlert, this, &CabinetManager::notifyBinMismatchAlert);
    connect(h, &HoldingCoordinator::notifyBinMismatchClear, this, &CabinetManager::notifyBinMismatchClear);
    connect(h, &HoldingCoordinator::holdingListChanged, this, &CabinetManager::holdingListChanged);
    connect(h, &HoldingCoordinator::zonePreheatEntered, this, &CabinetManager::zonePreheatEntered);
    connect(h, &HoldingCoordinator::zonePreheatExited, this, &CabinetManager::zonePreheatExited);
    connect(h, &HoldingCoordinator::zoneDaypartChanged, this, &CabinetManager::zoneDaypartChanged);
    connect(h, &HoldingCoordinator::activelyHoldingChanged, this, &CabinetCore::activelyHoldingChanged);
    connect(this, &CabinetManager::event_holdStarted, this, &CabinetManager::logHaccpTimerStartInfo);
    connect(this, &CabinetManager::event_holdStopped, this, &CabinetManager::logHaccpTimerStopInfo);

    // Sounds.
    for (TrayBarSc *tray : h->trays()) {
        connect(tray, &TrayBarSc::requestAlarm, m_sound, &SoundManager::processAlarmReq);
    }
    connect(h, &HoldingCoordinator::ambientTemperatureAlarm, m_sound, &SoundManager::playProductChangeAlarm);
    connect(h, &HoldingCoordinator::heaterHighTempAlarm, m_sound, &SoundManager::playProductChangeAlarm);
    connect(h, &HoldingCoordinator::ambientAlarmAcknowledged, m_sound, &SoundManager::prodChangeAlarmStop);
    connect(h, &HoldingCoordinator::nfcChime, this, &CabinetManager::soundNfcChime);

    // Day parts and errors of the zones.
    for (ZoneManager *zone : h->zones()) {
        zone->set_nextDayPart(m_dayParts->get_nextDayPart());
        connect(m_dayParts, &DayPartManager::nextDayPartChanged, zone, &ZoneManager::set_nextDayPart,
                Qt::QueuedConnection);
        connect(m_dayParts, &DayPartManager::newDayPartDefinition, zone, &ZoneManager::processDaypartUpdate,
                Qt::QueuedConnection);
        connect(zone, &ZoneManager::zoneErrorInfo, m_errors, &TulErrorControllerT::errorCodesDataProcess,
                Qt::QueuedConnection);
        connect(zone, &ZoneManager::zoneErrorClearInfo, m_errors, &TulErrorControllerT::errorCodesClearDataProcess,
                Qt::QueuedConnection);
    }
    // The error service reports a probe's fault and its end itself, as it decodes the
    // board's error registers; the supervisors it informs only mark the zone faulty, so
    // that each fault is one log line and one cloud event.
    if (!m_options.ignoreTpErrors) {
        for (TempProbeStateManager *probe : h->probes())
            connect(m_errors, &TulErrorControllerT::zoneErrorStatusTcUpdate, probe,
                    &TempProbeStateManager::processTcErrorState);
    }
    connect(h->nfcManager(), &NFCmanager::logErrorSignal, m_errors, &TulErrorControllerT::errorCodesDataProcess,
            Qt::QueuedConnection);
    if (MasterIoManager *io = h->ioManager()) {
        connect(io, &MasterIoManager::errorInfo, m_errors, &TulErrorControllerT::errorCodesDataProcess,
                Qt::QueuedConnection);
        connect(io, &MasterIoManager::errorClearInfo, m_errors, &TulErrorControllerT::errorCodesClearDataProcess,
                Qt::QueuedConnection);
        connect(io, &MasterIoManager::modbusLinkBroken, this, &CabinetManager::recordErrorModbusBrokenLink);
    }

    // Start-up: the master restores the tag store and the holds before it reads the pans.
    // Queued, as the default day part before it: the day part saved before a cut comes after it.
    connect(m_masterSync, &MasterSync::restoreHoldingSignal, h, &HoldingCoordinator::restoreHolding,
            Qt::QueuedConnection);

    // The other display.
    HoldingLink *link = m_holdingLink;
    connect(h, &HoldingCoordinator::sendBinStart, link, &HoldingLink::sendBinStart);
    connect(h, &HoldingCoordinator::sendBinStop, link, &HoldingLink::sendBinStop);
    connect(h, &HoldingCoordinator::sendBinResume, link, &HoldingLink::sendBinResume);
    connect(h, &HoldingCoordinator::sendPreheatReport, link, &HoldingLink::sendPreheatReport);
    connect(h, &HoldingCoordinator::sendMismatch, link, &HoldingLink::sendMismatch);
    connect(h, &HoldingCoordinator::sendHeaterTargets, link, &HoldingLink::sendHeaterTargets);
    connect(h, &HoldingCoordinator::sendTemperatureAlarm, link, &HoldingLink::sendTemperatureAlarm);
    connect(h, &HoldingCoordinator::sendRestateHoldTemps, link, &HoldingLink::sendRestateHoldTemps);
    connect(m_masterSync, &MasterSync::systemReadyForTrayHoldUpdates, h, &HoldingCoordinator::sendOwnTargets);
    if (talksToOtherDisplay()) {
        connect(h, &HoldingCoordinator::sendTrayInfo, link, &HoldingLink::sendTrayInfo);
        connect(h, &HoldingCoordinator::sendActuals, link, &HoldingLink::sendActuals);
    }
    connect(link, &HoldingLink::binStartRequested, h, &HoldingCoordinator::applyRemoteStart);
    connect(link, &HoldingLink::binStopRequested, h, &HoldingCoordinator::applyRemoteStop);
    connect(link, &HoldingLink::binResumeRequested, h, &HoldingCoordinator::applyRemoteResume);
    connect(link, &HoldingLink::trayInfoReceived, h, &HoldingCoordinator::applyRemoteTrayInfo);
    connect(link, &HoldingLink::preheatReported, h, &HoldingCoordinator::applyRemotePreheat);
    connect(link, &HoldingLink::mismatchReceived, h, &HoldingCoordinator::applyRemoteMismatch);
    connect(link, &HoldingLink::heaterTargetsReceived, h, &HoldingCoordinator::applyRemoteTargets);
    connect(link, &HoldingLink::actualsReceived, h, &HoldingCoordinator::applyRemoteActuals);
    connect(link, &HoldingLink::temperatureAlarmReceived, h, &HoldingCoordinator::applyRemoteTemperatureAlarm);
    connect(link, &HoldingLink::restateHoldTempsReceived, h, &HoldingCoordinator::applyRemoteRestate);
    connect(this, &CabinetManager::iAmMasterChanged, link, [this] { m_holdingLink->setFrameId(ownFrameId()); });
    // The master's faults, sent whole on each change; shown here when another master sent them.
    connect(h, &HoldingCoordinator::zoneFaultsChanged, this, &CabinetManager::sendFaultState);
    connect(m_errors, &TulErrorControllerT::sibLinkBrokenChanged, this, &CabinetManager::sendFaultState);
    connect(link, &HoldingLink::faultStateReceived, this, [this](bool linkBroken, const QVector<quint8> &faults) {
        if (m_layout.iAmMaster)
            return;
        m_errors->set_sibLinkBroken(linkBroken);
        m_holding->applyRemoteChannelFaults(faults);
    });
}

void CabinetManager::connectLanguageFollowers()
{
    // Made after the stored language is installed, so that these see only later switches:
    // the slots do not reload their texts twice and the cloud hears of no change at start.
    const auto q = Qt::QueuedConnection;
    for (TrayBarSc *tray : m_holding->trays())
        connect(m_translator, &Translator::languageChanged, tray, &TrayBarSc::languageChanged, q);
    for (ZoneManager *zone : m_holding->zones())
        connect(m_translator, &Translator::retranslate, zone, &ZoneManager::reEmitErrorFlags, q);
    if (m_layout.iAmMaster)
        m_iot->connectLanguage();
}

bool CabinetManager::get_activelyHolding() const
{
    return m_holding && m_holding->get_activelyHolding();
}

int CabinetManager::get_trayState(int bin) const { return m_holding->get_trayState(bin); }
trayInfo CabinetManager::getTrayInfo(int bin) const { return m_holding->getTrayInfo(bin); }
int CabinetManager::getProductHoldTime(int prodId) const { return m_holding->getProductHoldTime(prodId); }
quint64 CabinetManager::get_misMatchedPanId(int bin) const { return m_holding->get_misMatchedPanId(bin); }
QString CabinetManager::get_misMatchId(int bin) const { return m_holding->get_misMatchId(bin); }
quint64 CabinetManager::getTagUidAtBin(unsigned char bin) const { return m_holding->getTagUidAtBin(bin); }
int CabinetManager::getProductIDfromBinNumber(unsigned char bin) const
{
    return m_holding->getProductIDfromBinNumber(bin);
}
int CabinetManager::getProductPanSizeFromBinNumber(unsigned char bin) const
{
    return m_holding->getProductPanSizeFromBinNumber(bin);
}
ZoneManager *CabinetManager::getZonePtr(unsigned char zone) const { return m_holding->getZonePtr(zone); }
void CabinetManager::reStateTraysHoldTemps() { m_holding->reStateTraysHoldTemps(); }
void CabinetManager::sendHoldStartedEventToDbus(unsigned char bin, quint64 uid, QString method)
{
    m_holding->sendHoldStartedEventToDbus(bin, uid, method);
}
void CabinetManager::startBinTimer(unsigned char bin, int seconds, quint64 uid)
{
    m_holding->startBinTimer(bin, seconds, uid);
}
void CabinetManager::stopBinTimer(quint8 bin) { m_holding->stopBinTimer(bin); }
void CabinetManager::logHaccpTimerStartInfo(QString timeStamp, QString productType, QString panID, int binNumber,
                                            QString method)
{
    m_holding->logHaccpTimerStartInfo(timeStamp, productType, panID, binNumber, method);
}
void CabinetManager::logHaccpTimerStopInfo(QString timeStamp, QString productType, QString panID, int binNumber,
                                           QString method, int timeRemaining)
{
    m_holding->logHaccpTimerStopInfo(timeStamp, productType, panID, binNumber, method, timeRemaining);
}
void CabinetManager::removeHaccpLogTimerStartInfo(int binNumber, int productId, qint64 expectedTime)
{
    m_holding->removeHaccpLogTimerStartInfo(binNumber, productId, expectedTime);
}

// ---- end-of-line test -------------------------------------------------------------------

void CabinetManager::createEolTest()
{
    // TUL_EOL_TCP_PORT moves the server off port 10000 (0: any free port), so that tests
    // running side by side do not meet on it.
    bool portGiven = false;
    const int port = qEnvironmentVariableIntValue("TUL_EOL_TCP_PORT", &portGiven);
    m_eolTest = new EolTesting(this, portGiven && port >= 0 && port <= 0xFFFF ? quint16(port) : EolProtocol::TcpPort);
    m_eolTest->setObjectName(QStringLiteral("eolTest"));
    m_eolTest->setHandshakeTimeout(envMilliseconds("TUL_EOL_HANDSHAKE_TIMEOUT_MS", EolTesting::HandshakeTimeoutMs));
    m_eolTest->setCabinet(new EolCabinetLink(this, m_holding, m_masterSync, m_errors, this));
    if (m_simulationFlags == SimulationFlags) {
        // The simulated cabinet announces itself on this machine only.
        m_eolTest->setLoopbackOnly(true);
        m_config->set_wifiBroadcast(QStringLiteral("127.255.255.255"));
    }
    // What the station starts here is passed on to the other display.
    connect(m_eolTest, &EolTesting::systemInfoTestStart, this, &CabinetManager::sendSystemInfoTestStart);
    connect(m_eolTest, &EolTesting::displayTestStart, this, &CabinetManager::sendScreenTestStart);
    connect(m_eolTest, &EolTesting::soundTestStart, m_sound, &SoundManager::playWarningAlarm);
    connect(m_eolTest, &EolTesting::soundTestStart, this, &CabinetManager::sendScreenTestStop);
    connect(m_eolTest, &EolTesting::nfcTestStart, this, &CabinetManager::sendRfIdTestStart);
    m_engine->rootContext()->setContextProperty(QStringLiteral("eolTest"), m_eolTest);
}

// ---- cloud link -------------------------------------------------------------------------

void CabinetManager::createIot()
{
    m_iot = new IotLink(this, m_holding, QDBusConnection::systemBus());
    m_iot->create(QCoreApplication::instance(), m_layout.iAmMaster);
    m_engine->rootContext()->setContextProperty(QStringLiteral("TulLumo"), m_iot->lumo());
    // The second agent's adapter stays unwired; the screens read its backup progress.
    m_tulIot.reset(new TulIotAgentAdapter);
    m_engine->rootContext()->setContextProperty(QStringLiteral("tulIot"), m_tulIot.data());
}

void CabinetManager::connectIot()
{
    connect(m_config, &ConfigurationManager::performanceDataIntervalChanged, this,
            &CabinetManager::setPerformanceDataInterval);
    connect(m_iot->adapter(), &TulDbusAdapter::screenShotRequested, this, &CabinetManager::screenShot);
    if (!m_layout.iAmMaster)
        return; // only the master display reports to the cloud
    m_iot->setCabinetSources(m_wifiMonitor, m_errors);
    m_iot->connectMaster(m_config->get_performanceDataInterval());
    connect(m_iot, &IotLink::firmwareUpdateStarted, this, &CabinetManager::firmwareUpdateStarted);
    TulLumo *lumo = m_iot->lumo();
    const auto q = Qt::QueuedConnection;
    connect(this, &CabinetManager::event_holdStarted, lumo, &TulLumo::handle_event_holdStart, q);
    connect(this, &CabinetManager::event_holdStopped, lumo, &TulLumo::handle_event_holdStop, q);
    connect(this, &CabinetManager::event_holdExpired, lumo, &TulLumo::handle_event_holdExpired, q);
    NFCmanager *nfc = m_holding->nfcManager();
    connect(nfc, &NFCmanager::panRemoved, lumo, &TulLumo::handle_event_panRemoved, q);
    connect(nfc, &NFCmanager::panReturned, lumo, &TulLumo::handle_event_panReturned, q);
    connect(nfc, &NFCmanager::panTransfered, lumo, &TulLumo::handle_event_transfer, q);
    connect(this, &CabinetManager::notifyBinMismatchAlert, lumo, &TulLumo::handle_event_binMisMatchAlert, q);
    connect(this, &CabinetManager::notifyBinMismatchClear, lumo, &TulLumo::handle_event_binMisMatchClear, q);
    connect(this, &CabinetManager::holdingListChanged, lumo, &TulLumo::handle_event_holdingListChange, q);
    connect(this, &CabinetManager::zonePreheatEntered, lumo, &TulLumo::handle_event_zonePreheatStart, q);
    connect(this, &CabinetManager::zonePreheatExited, lumo, &TulLumo::handle_event_preheatComplete, q);
    connect(this, &CabinetManager::zoneDaypartChanged, lumo, &TulLumo::handle_event_daypartChange, q);
    if (MasterIoManager *io = m_holding->ioManager())
        connect(io, &MasterIoManager::systemEnteredPreheat, lumo, &TulLumo::handle_event_preheatStart, q);
}

void CabinetManager::setPerformanceDataInterval(int value)
{
    m_iot->setPerformanceDataInterval(value);
}
