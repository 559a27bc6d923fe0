#ifndef IOTLINK_H
#define IOTLINK_H

#include "agentcaller.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QScopedPointer>

class CabinetCore;
class CoordinatorCabinetView;
class HoldingCoordinator;
class IotCabinetView;
class IotHoldingView;
class QDBusMessage;
class QTimer;
class TulDbusAdapter;
class TulErrorControllerT;
class TulLumo;
class WifiMonitor;

// The cloud link as the root object sets it up: the bus adaptor, the message object, the
// bus name and the object on every display; on the master display also the agent's
// inbound signals, the outbound relay and the performance-data timer. The root forwards to it and connects
// the cabinet's event sources to the message object.
class IotLink : public QObject
{
    Q_OBJECT

public:
    static const QString ServiceName;
    static const QString ObjectPath;
    static const QString InterfaceName;
    static const QString FirmwareVersion;

    // The view is the holding coordination's; `owner` is the root object (the parent).
    IotLink(CabinetCore *owner, HoldingCoordinator *holding, const QDBusConnection &bus);
    // Takes the views; without a cabinet view the reports carry zeros.
    IotLink(CabinetCore *owner, IotHoldingView *view, const QDBusConnection &bus);
    IotLink(CabinetCore *owner, IotHoldingView *view, IotCabinetView *cabinet, const QDBusConnection &bus);
    ~IotLink() override;

    // Creates the adaptor (on `application`) and the message object, takes the bus name
    // and registers the object. Failures are logged and start-up goes on.
    void create(QObject *application, bool master);
    // What the reports read besides the holding (application view only; call before
    // connectMaster): the Wi-Fi level and the error service (whose errors are reported).
    void setCabinetSources(WifiMonitor *wifi, TulErrorControllerT *errors);
    // Master display only: the agent's signals, the relay of every outbound message to
    // the bus, the performance-data timer (started when the interval is valid), and the
    // reports of the settings, the errors and the power-on.
    void connectMaster(int performanceIntervalSeconds);
    // Master display only, once the stored language is installed: the report of later
    // language switches.
    void connectLanguage();

    TulDbusAdapter *adapter() const;
    TulLumo *lumo() const { return m_lumo; }
    QTimer *performanceDataTimer() const { return m_performanceTimer; }
    bool ownsServiceName() const { return m_serviceRegistered; }

public slots:
    // The settings' interval in seconds. Below one second the timer keeps its period (it
    // never runs without pause); beyond what its milliseconds hold it is cut to that.
    void setPerformanceDataInterval(int seconds);

signals:
    void firmwareUpdateStarted();

private slots:
    void onLumoCmd(const QDBusMessage &message);
    void onFirmwareUpdateStarted(const QDBusMessage &message);

private:
    void connectReports();
    // True when the signal comes from a user the bus policy lets command the cabinet:
    // root, or the user this program runs as. Others are refused and logged, once a minute.
    bool fromAgent(const QDBusMessage &message);

    CabinetCore *m_owner;
    QScopedPointer<IotHoldingView> m_view;
    QScopedPointer<IotCabinetView> m_cabinet;
    CoordinatorCabinetView *m_coordinatorCabinet = nullptr; // m_cabinet, when it is the application's
    QPointer<TulErrorControllerT> m_errors;
    QDBusConnection m_bus;
    QPointer<TulDbusAdapter> m_adapter;
    QPointer<QObject> m_busObject;
    TulLumo *m_lumo = nullptr;
    QTimer *m_performanceTimer = nullptr;
    bool m_serviceRegistered = false;
    bool m_objectRegistered = false;
    bool m_subscribed = false;
    AgentCaller m_agent;
};

#endif // IOTLINK_H
