#ifndef IOTLINK_H
#define IOTLINK_H

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QScopedPointer>

class CabinetCore;
class HoldingCoordinator;
class IotHoldingView;
class QDBusMessage;
class QTimer;
class TulDbusAdapter;
class TulLumo;

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
    // Takes the view.
    IotLink(CabinetCore *owner, IotHoldingView *view, const QDBusConnection &bus);
    ~IotLink() override;

    // Creates the adaptor (on `application`) and the message object, takes the bus name
    // and registers the object. Failures are logged and start-up goes on.
    void create(QObject *application, bool master);
    // Master display only: the agent's signals, the relay of every outbound message to
    // the bus, and the performance-data timer (started when the interval is valid).
    void connectMaster(int performanceIntervalSeconds);

    TulDbusAdapter *adapter() const;
    TulLumo *lumo() const { return m_lumo; }
    QTimer *performanceDataTimer() const { return m_performanceTimer; }
    bool ownsServiceName() const { return m_serviceRegistered; }

public slots:
    // The settings' interval in seconds; refused below one second, cut to a day.
    void setPerformanceDataInterval(int seconds);

signals:
    void firmwareUpdateStarted();

private slots:
    void onLumoCmd(const QDBusMessage &message);
    void onFirmwareUpdateStarted();

private:
    CabinetCore *m_owner;
    QScopedPointer<IotHoldingView> m_view;
    QDBusConnection m_bus;
    QPointer<TulDbusAdapter> m_adapter;
    QPointer<QObject> m_busObject;
    TulLumo *m_lumo = nullptr;
    QTimer *m_performanceTimer = nullptr;
    bool m_serviceRegistered = false;
    bool m_objectRegistered = false;
    bool m_subscribed = false;
};

#endif // IOTLINK_H
