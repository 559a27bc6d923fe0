#include "iotlink.h"

#include "cabinetcore.h"
#include "iotholdingview.h"
#include "iotlog.h"
#include "tuldbusadapter.h"
#include "tullumo.h"

#include <QDBusMessage>
#include <QTimer>

Q_LOGGING_CATEGORY(lcIot, "tul.iot")

const QString IotLink::ServiceName = QStringLiteral("com.brevantor.DBus");
const QString IotLink::ObjectPath = QStringLiteral("/TulApplication");
const QString IotLink::InterfaceName = QStringLiteral("com.brevantor.DBus.TulApplication");
const QString IotLink::FirmwareVersion = QStringLiteral("RO-2503");

IotLink::IotLink(CabinetCore *owner, HoldingCoordinator *holding, const QDBusConnection &bus)
    : IotLink(owner, new CoordinatorHoldingView(owner, holding), bus)
{
}

IotLink::IotLink(CabinetCore *owner, IotHoldingView *view, const QDBusConnection &bus)
    : QObject(owner)
    , m_owner(owner)
    , m_view(view)
    , m_bus(bus)
{
    setObjectName(QStringLiteral("iotLink"));
}

IotLink::~IotLink()
{
    if (m_subscribed) {
        m_bus.disconnect(QString(), ObjectPath, InterfaceName, QStringLiteral("lumoCmd"), this,
                         SLOT(onLumoCmd(QDBusMessage)));
        m_bus.disconnect(QString(), ObjectPath, InterfaceName, QStringLiteral("firmwareUpdateStarted"), this,
                         SLOT(onFirmwareUpdateStarted()));
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
    // Every display registers on its own bus; only the master's link is connected, so
    // another display neither sends nor takes in a message.
    if (!master)
        qCInfo(lcIot) << "Not the master display: no cloud messages from this display";
    m_serviceRegistered = m_bus.registerService(ServiceName);
    m_objectRegistered = m_bus.registerObject(ObjectPath, m_busObject, QDBusConnection::ExportAdaptors);
    if (!m_objectRegistered)
        qCWarning(lcIot) << "************************ Did not register object in DBUS";
    if (!m_serviceRegistered)
        qCWarning(lcIot) << "************************ Did not connect to DBUS service";
}

void IotLink::connectMaster(int performanceIntervalSeconds)
{
    m_subscribed = m_bus.connect(QString(), ObjectPath, InterfaceName, QStringLiteral("lumoCmd"), this,
                                 SLOT(onLumoCmd(QDBusMessage)));
    m_subscribed = m_bus.connect(QString(), ObjectPath, InterfaceName, QStringLiteral("firmwareUpdateStarted"),
                                 this, SLOT(onFirmwareUpdateStarted()))
                   && m_subscribed;
    if (!m_subscribed)
        qCWarning(lcIot) << "Not subscribed to the agent's signals: no bus";
    connect(m_lumo, &TulLumo::sendLumoInfo, m_adapter, &TulDbusAdapter::lumoEvent, Qt::QueuedConnection);

    m_performanceTimer = new QTimer(m_owner);
    m_performanceTimer->setObjectName(QStringLiteral("performanceDataTimer"));
    const int ms = TulDbusAdapter::performanceIntervalMs(performanceIntervalSeconds);
    if (ms == 0) {
        qCWarning(lcIot) << "Performance-data interval of" << performanceIntervalSeconds
                         << "s is below one second: no performance data";
        return;
    }
    m_performanceTimer->setInterval(ms);
    m_performanceTimer->start();
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

void IotLink::onLumoCmd(const QDBusMessage &message)
{
    const QVariantList args = message.arguments();
    if (args.size() != 1 || args.first().userType() != QMetaType::QString) {
        qCWarning(lcIot).noquote() << QStringLiteral("lumoCmd from %1 ignored: arguments '%2', one string expected")
                                          .arg(message.service(), message.signature());
        return;
    }
    m_lumo->handleReceivedLumoInfo(args.first().toString());
}

void IotLink::onFirmwareUpdateStarted()
{
    emit firmwareUpdateStarted();
}

TulDbusAdapter *IotLink::adapter() const
{
    return m_adapter;
}
