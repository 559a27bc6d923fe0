#ifndef TULDBUSADAPTER_H
#define TULDBUSADAPTER_H

#include "agentcaller.h"
#include "trayinfo.h"

#include <QByteArray>
#include <QDBusAbstractAdaptor>
#include <QDBusContext>
#include <QDBusError>
#include <QDBusVariant>
#include <QPointer>

#include <limits>

// The object registered at the application's path. It stands between the application
// object and the adaptor because the bus reports its caller (and takes error replies)
// through the object that carries the adaptor.
class TulBusObject : public QObject, public QDBusContext
{
    Q_OBJECT

public:
    explicit TulBusObject(QObject *application) : QObject(application) {}
};

// The application's interface on the system bus, as the IoT agent sees it: a few
// identity properties, property access to the named objects below the owner (the
// cabinet's root object), the performance-data switch and the event signals. The owner
// is the root object it works on.
class TulDbusAdapter : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.brevantor.DBus.TulApplication")
    Q_PROPERTY(QString model READ get_model WRITE set_model)
    Q_PROPERTY(QString retaurantNumber READ get_retaurantNumber WRITE set_retaurantNumber NOTIFY retaurantNumberChanged)
    Q_PROPERTY(QString serialNumber READ get_serialNumber WRITE set_serialNumber NOTIFY serialNumberChanged)
    Q_PROPERTY(QString modelNumber READ get_modelNumber WRITE set_modelNumber NOTIFY modelNumberChanged)
    Q_PROPERTY(QString machineID READ get_machineID WRITE set_machineID NOTIFY machineIDChanged)
    Q_PROPERTY(QString firmwareVersion READ get_firmwareVersion WRITE set_firmwareVersion NOTIFY firmwareVersionChanged)
    Q_PROPERTY(QString menuVersion READ get_menuVersion WRITE set_menuVersion NOTIFY menuVersionChanged)
    Q_PROPERTY(int iotEventType READ get_iotEventType WRITE set_iotEventType NOTIFY iotEventTypeChanged)

public:
    enum iotEventType_enum {
        IOTEVENTTYPE_QRB1 = 0,
        IOTEVENTTYPE_QRB2 = 1,
        IOTEVENTTYPE_QRB3 = 2,
        IOTEVENTTYPE_VOZUVEV = 3
    };
    Q_ENUM(iotEventType_enum)

    // Longest text accepted from the bus for a name or a value.
    static constexpr int MaxTextLength = 64 * 1024;
    // Longest performance-data period: the longest a timer's milliseconds can hold
    // (2,147,483 s, nearly 25 days). Longer periods are refused where they arrive.
    static constexpr int MaxPerformanceSeconds = std::numeric_limits<int>::max() / 1000;

    // Creates the bus object as a child of `application` and itself as its child.
    TulDbusAdapter(QObject *application, QObject *owner);
    ~TulDbusAdapter() override;

    // What to register at the application's path (deleting it deletes this adaptor).
    TulBusObject *busObject() const;

    // The period in milliseconds for a performance-data interval in seconds: 0 for an
    // interval below one second (no reports), at most MaxPerformanceSeconds.
    static int performanceIntervalMs(int seconds);
    // Property names the bus never reaches: pass phrases and passcodes.
    static bool isProtectedProperty(const QString &name);

public slots:
    // The accessors are bus methods too.
    QString get_model() const { return fromAgent("get_model") ? m_model : QString(); }
    QString get_retaurantNumber() const { return fromAgent("get_retaurantNumber") ? m_retaurantNumber : QString(); }
    QString get_serialNumber() const { return fromAgent("get_serialNumber") ? m_serialNumber : QString(); }
    QString get_modelNumber() const { return fromAgent("get_modelNumber") ? m_modelNumber : QString(); }
    QString get_machineID() const { return fromAgent("get_machineID") ? m_machineID : QString(); }
    QString get_firmwareVersion() const { return fromAgent("get_firmwareVersion") ? m_firmwareVersion : QString(); }
    QString get_menuVersion() const { return fromAgent("get_menuVersion") ? m_menuVersion : QString(); }
    int get_iotEventType() const { return fromAgent("get_iotEventType") ? m_iotEventType : 0; }
    void set_model(const QString &value);
    void set_retaurantNumber(const QString &value);
    void set_serialNumber(const QString &value);
    void set_modelNumber(const QString &value);
    void set_machineID(const QString &value);
    void set_firmwareVersion(const QString &value);
    void set_menuVersion(const QString &value);
    void set_iotEventType(int value);

    QDBusVariant getObjectPropertyValue(const QString &objName, const QString &propName);
    void setObjectPropertyValue(const QString &objName, const QString &propName, const QDBusVariant &propVal);
    void flashDriveMounted();
    void flashDriveNotMounted();
    void performanceDataModeEnable(int period_secs);
    void takeScreenShot();
    QDBusVariant rollCal();
    QString iotCmdCall(const QString &text);
    void handle_event_holdStart(const QString &timeStamp, const QString &productType, const QString &panID, int zone,
                                const QString &method);
    void handle_event_holdStop(const QString &timeStamp, const QString &productType, const QString &panID, int zone,
                               const QString &method, int timeRemaining);
    void processZoneEnterPreheatSignal();
    void processZoneExitPreheatSignal();
    void notifyTrayInfo();
    void processActivelyHolding(bool value);
    // The bus cannot carry a trayInfo: these two are for local signals only.
    void processHoldingStartedSignal(const trayInfo &info);
    void processHoldingStoppedSignal(const trayInfo &info);

signals:
    void modelChanged(QString value);
    void retaurantNumberChanged(QString value);
    void serialNumberChanged(QString value);
    void modelNumberChanged(QString value);
    void machineIDChanged(QString value);
    void firmwareVersionChanged(QString value);
    void menuVersionChanged(QString value);
    void iotEventTypeChanged(int value);

    void lumoEvent(QString lumoJsonString);
    void event_nameChange(QString timeStamp, QString newName);
    void event_powerOn(QString timeStamp);
    void event_preheatStart(QString timeStamp);
    void event_zonePreheatStart(QString timeStamp, int zone);
    void event_preheatComplete(QString timeStamp, int zone);
    void event_holdStart(QString productType, QString panID, int zone, QString method);
    void event_holdStart(QString timeStamp, QString productType, QString panID, int zone, QString method);
    void event_holdStop(QString productType, QString panID, int zone, QString method, int timeRemaining);
    void event_holdStop(QString timeStamp, QString productType, QString panID, int zone, QString method,
                        int timeRemaining);
    void event_holdStarted(QString timeStamp, QString productType, QString panID, int zone, QString method);
    void event_holdStopped(QString timeStamp, QString productType, QString panID, int zone, QString method,
                           int timeRemaining);
    void event_transferFrom(QString timeStamp, QString productType, QString panID, int zone, QString method,
                            int timeRemaining, QString destinationName, QString destinationZone);
    void event_transferTo(QString timeStamp, QString productType, QString panID, int zone, QString method,
                          int timeRemaining, QString originName, QString originZone);
    void event_binMismatchAlert(QString timeStamp, QString productType, QString panID, int binID,
                                QString binProductType);
    void event_binMismatchClear(QString timeStamp, QString productType, QString panID, int binID,
                                QString binProductType);
    void event_dayPartChange(QString timeStamp, QString prevDaypart, QString newDaypart);
    void event_menuUpdated(QString timeStamp, int method, bool result);
    void event_firmwareUpdated(QString timeStamp);
    void event_error(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    void event_performanceData(QString timeStamp, int zone, int setPoint, int temperature, QString operatingMode);
    void event_trayIotInfo(QString timeStamp, int trayNum, QString productName, int holdTemp, int holdTime,
                           int remainingTime, bool useFlag);
    void lumoCmd(QString lumoJsonString);
    void iotCmd(QString lumoJsonString);
    void iotAgentEvent(QString jsonString);
    void firmwareUpdateStarted();
    void screenShotRequested();
    void trayInformation(QString trayInfo);
    void activelyHolding(bool value);
    void holdingStartedSignal(int binNum, int prodId, int remainingTime);
    void holdingStoppedSignal(int binNum, int prodId);
    void objectPropertyChange(QString objName, QString propName, QString value);
    void canSend2Dbus(int nodeid, uint id, QByteArray data);

private:
    // For a call over the bus: true when it comes from root or our own user (the cloud
    // agent), as the agent's signals are checked; else answered "access denied" and
    // logged like their refusals. Local calls always pass.
    bool fromAgent(const char *method) const;
    QObject *findObject(const QString &objName) const;
    // Logs the refusal and, for a bus call, answers it with the error; `kept` (what the
    // property holds now) goes into the answer only, never into the log.
    void refuse(QDBusError::ErrorType type, const QString &text, const QString &kept = QString());
    bool acceptText(const QString &text, const char *what, const QString &kept = QString());
    // A refused write of one of this adaptor's properties. True when the caller must
    // repeat the kept value in the property's change signal: a write through the bus's
    // property interface cannot be answered with an error, only a method call can.
    bool refuseOwnWrite(const QString &text, const QString &kept);
    // Why the bus may not write `value` to `target`'s property, beyond what the setter
    // itself checks: limits the program keeps for itself. Empty when it may.
    static QString writeRefusal(const QObject *target, const QString &propName, const QVariant &value);
    // The bin number of the object whose signal called, -1 (refused) without one.
    int callerBin(const char *slot);

    mutable AgentCaller m_callers;
    QPointer<QObject> m_owner;
    QString m_model = QStringLiteral("unknown");
    QString m_retaurantNumber;
    QString m_serialNumber;
    QString m_modelNumber;
    QString m_machineID;
    QString m_firmwareVersion;
    QString m_menuVersion;
    int m_iotEventType = IOTEVENTTYPE_QRB2;
};

#endif // TULDBUSADAPTER_H
