#include "iotlink.h"

#include "cabinetcore.h"
#include "configurationmanager.h"
#include "iotcabinetview.h"
#include "iotholdingview.h"
#include "menumanager.h"
#include "wifimonitor.h"
#include "translator.h"
#include "tulerrorcontrollert.h"
#include "iotlog.h"
#include "tuldbusadapter.h"
#include "tullumo.h"

#include <QDBusMessage>
#include <QTimer>



const QString IotLink::ServiceName = QStringLiteral("com.brevantor.DBus");
const QString IotLink::ObjectPath = QStringLiteral("/TulApplication");
const QString IotLink::InterfaceName = QStringLiteral("com.brevantor.DBus.TulApplication");
const QString IotLink::FirmwareVersion = QStringLiteral("RO-2503");

IotLink::IotLink(CabinetCore *owner, HoldingCoordinator *holding, const QDBusConnection &bus)
    : IotLink(owner, new CoordinatorHoldingView(owner, holding), new CoordinatorCabinetView(holding), bus)
{
    m_coordinatorCabinet = static_cast<CoordinatorCabinetView *>(m_cabinet.data());
}

IotLink::IotLink(CabinetCore *owner, IotHoldingView *view, const QDBusConnection &bus)
    : IotLink(owner, view, nullptr, bus)
{
}

IotLink::IotLink(CabinetCore *owner, IotHoldingView *view, IotCabinetView *cabinet, const QDBusConnection &bus)
    : QObject(owner)
    , m_owner(owner)
    , m_view(view)
    , m_cabinet(cabinet)
    , m_bus(bus)
{
    setObjectName(QStringLiteral("iotLink"));
}

void IotLink::setCabinetSources(WifiMonitor *wifi, TulErrorControllerT *errors)
{
    m_errors = errors;
    if (m_lumo) {
        QPointer<WifiMonitor> monitor(wifi);
        m_lumo->setWifiApSource([monitor] { return monitor && monitor->get_wifiApConnected(); });
    }
    if (!m_coordinatorCabinet)
        return;
    m_coordinatorCabinet->setWifiMonitor(wifi);
    m_coordinatorCabinet->setErrorService(errors);
}

IotLink::~IotLink()
{
    if (m_subscribed) {
        m_bus.disconnect(QString(), ObjectPath, InterfaceName, QStringLiteral("lumoCmd"), this,
                         SLOT(onLumoCmd(QDBusMessage)));
        m_bus.disconnect(QString(), ObjectPath, InterfaceName, QStringLiteral("firmwareUpdateStarted"), this,
                         SLOT(onFirmwareUpdateStarted(QDBusMessage)));
    }
    if (m_objectRegistered)
        m_bus.unregisterObject(ObjectPath);
    if (m_serviceRegistered)
        m_bus.unregisterService(ServiceName);
    // The adaptor lives on the application object, which outlives the root.
    delete m_busObject.data();
}

void IotLink::create(QObject *application, bool master)
{
    m_adapter = new TulDbusAdapter(application, m_owner);
    m_busObject = m_adapter->busObject();
    m_adapter->set_iotEventType(TulDbusAdapter::IOTEVENTTYPE_QRB2);
    m_adapter->set_firmwareVersion(FirmwareVersion);
    m_lumo = new TulLumo(m_view.data(), m_owner);
    m_lumo->setObjectName(QStringLiteral("tulLumo"));
    m_lumo->setCabinetView(m_cabinet.data());
    // Numbers the cloud set last run take effect before anything is reported.
    m_lumo->checkModelSerialUpdates();
    // Every display registers on its own bus; only the master's link is connected, so
    // another display neither sends nor takes in a message.
    if (!master)
        qCDebug(lcIot) << "Not the master display: no cloud messages from this display";
    m_serviceRegistered = m_bus.registerService(ServiceName);
    m_objectRegistered = m_bus.registerObject(ObjectPath, m_busObject, QDBusConnection::ExportAdaptors);
    if (!m_objectRegistered)
        qCWarning(lcIot) << "************************ Did not register object in DBUS";
    // Another display sends and takes in nothing over the bus: when displays share one bus
    // (the simulation's two displays) the master holds the name and that is no fault.
    if (!m_serviceRegistered && master)
        qCWarning(lcIot) << "************************ Did not connect to DBUS service";
    else if (!m_serviceRegistered)
        qCDebug(lcIot) << "************************ Did not connect to DBUS service";
}

void IotLink::connectMaster(int performanceIntervalSeconds)
{
    m_subscribed = m_bus.connect(QString(), ObjectPath, InterfaceName, QStringLiteral("lumoCmd"), this,
                                 SLOT(onLumoCmd(QDBusMessage)));
    m_subscribed = m_bus.connect(QString(), ObjectPath, InterfaceName, QStringLiteral("firmwareUpdateStarted"),
                                 this, SLOT(onFirmwareUpdateStarted(QDBusMessage)))
                   && m_subscribed;
    if (!m_subscribed)
        qCWarning(lcIot) << "Not subscribed to the agent's signals: no bus";
    connect(m_lumo, &TulLumo::sendLumoInfo, m_adapter, &TulDbusAdapter::lumoEvent, Qt::QueuedConnection);
    connectReports();

    m_performanceTimer = new QTimer(m_owner);
    m_performanceTimer->setObjectName(QStringLiteral("performanceDataTimer"));
    connect(m_performanceTimer, &QTimer::timeout, m_lumo, &TulLumo::handle_event_performanceData,
            Qt::QueuedConnection);
    const int ms = TulDbusAdapter::performanceIntervalMs(performanceIntervalSeconds);
    if (ms == 0) {
        qCWarning(lcIot) << "Performance-data interval of" << performanceIntervalSeconds
                         << "s is below one second: no performance data";
        return;
    }
    m_performanceTimer->setInterval(ms);
    m_performanceTimer->start();
}

void IotLink::connectReports()
{
    const auto q = Qt::QueuedConnection;
    // The configuration machine ends in powerOn, also on a second pass; the report goes once.
    connect(m_owner, &CabinetCore::powerOn, m_lumo, &TulLumo::handle_event_powerOn, q);
    if (m_errors) {
        connect(m_errors, &TulErrorControllerT::notifyError, m_lumo, &TulLumo::handle_event_error, q);
        connect(m_lumo, &TulLumo::lumoSdkErrorInfo, m_errors, &TulErrorControllerT::errorCodesDataProcess, q);
    }
    if (MenuManager *menu = m_owner->menuManager())
        connect(menu, &MenuManager::notifyMenuUpdated, m_lumo, &TulLumo::handle_event_menuUpdated, q);
    if (ConfigurationManager *settings = m_owner->configManager()) {
        connect(settings, &ConfigurationManager::passcodeChanged, m_lumo, &TulLumo::handle_event_passcodeChange, q);
        connect(settings, &ConfigurationManager::passcodeEntered, m_lumo, &TulLumo::handle_event_passcodeEntered, q);
        connect(settings, &ConfigurationManager::programModeExited, m_lumo, &TulLumo::handle_event_programModeExit,
                q);
        connect(settings, &ConfigurationManager::storeNumberReported, m_lumo,
                &TulLumo::handle_event_restaurantNumberUpdated, q);
        connect(settings, &ConfigurationManager::performanceDataIntervalReported, m_lumo,
                &TulLumo::handle_event_performanceDataInterval, q);
        connect(settings, &ConfigurationManager::notifyFirmwareUpdateDone, m_lumo,
                &TulLumo::handle_event_firmwareUpdated, q);
        // Direct: the settings event leaves before whatever the switch sends next.
        connect(settings, &ConfigurationManager::notifyIotTypeChanged, m_lumo, &TulLumo::handle_event_iotSettings);
    }
}

void IotLink::connectLanguage()
{
    if (Translator *translator = m_owner->translator())
        connect(translator, &Translator::languageChanged, m_lumo, &TulLumo::handle_event_languageChange,
                Qt::QueuedConnection);
}

void IotLink::setPerformanceDataInterval(int seconds)
{
    if (!m_performanceTimer)
        return;
    const int ms = TulDbusAdapter::performanceIntervalMs(seconds);
    if (ms == 0) {
        qCWarning(lcIot) << "Performance-data interval of" << seconds << "s refused: below one second";
        return;
    }
    if (seconds > TulDbusAdapter::MaxPerformanceSeconds)
        qCWarning(lcIot) << "Performance-data interval of" << seconds << "s cut to"
                         << TulDbusAdapter::MaxPerformanceSeconds << "s";
    m_performanceTimer->setInterval(ms);
}

bool IotLink::fromAgent(const QDBusMessage &message)
{
    return m_agent.accepts(m_bus, message.service(), message.member());
}

void IotLink::onLumoCmd(const QDBusMessage &message)
{
    if (!fromAgent(message))
        return;
    const QVariantList args = message.arguments();
    if (args.size() != 1 || args.first().userType() != QMetaType::QString) {
        qCWarning(lcIot).noquote() << QStringLiteral("lumoCmd from %1 ignored: arguments '%2', one string expected")
                                          .arg(message.service(), message.signature());
        return;
    }
    m_lumo->handleReceivedLumoInfo(args.first().toString());
}

void IotLink::onFirmwareUpdateStarted(const QDBusMessage &message)
{
    if (fromAgent(message))
        emit firmwareUpdateStarted();
}

TulDbusAdapter *IotLink::adapter() const
{
    return m_adapter;
}
