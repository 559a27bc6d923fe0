#ifndef WIFIMONITOR_H
#define WIFIMONITOR_H

#include "p4statemachine.h"

#include <QPointer>
#include <QTimer>

class LaunchedCommand;
struct CommandResult;

// What one iwconfig answer says about the Wi-Fi link.
struct WifiReading
{
    static constexpr double NoSignalDecibel = -100.0;

    bool associated = false;
    bool hasSignal = false;
    double percent = 0.0;                  // 0 to 100
    double decibel = NoSignalDecibel;      // dBm

    static WifiReading parse(const QString &iwconfigOutput);
};

// Polls the Wi-Fi interface every 10 s (the master display starts it): signal level in
// percent and in dBm for the cloud reports, and whether an access point is associated.
// A missing tool or interface reads as no signal and not associated, logged once until
// the link is readable again.
class WifiMonitor : public P4StateMachine
{
    Q_OBJECT
    Q_PROPERTY(double signalLevel READ get_signalLevel NOTIFY signalLevelChanged)
    Q_PROPERTY(double signalLevelDecibel READ get_signalLevelDecibel NOTIFY signalLevelDecibelChanged)
    Q_PROPERTY(bool wifiApConnected READ get_wifiApConnected NOTIFY wifiApConnectedChanged)

public:
    static int pollIntervalMs;

    explicit WifiMonitor(QObject *parent = nullptr);

    double get_signalLevel() const { return m_reading.percent; }
    double get_signalLevelDecibel() const { return m_reading.decibel; }
    bool get_wifiApConnected() const { return m_reading.associated; }
    QTimer *pollTimer() { return &m_pollTimer; }

public slots:
    void monitoring_onEntry();
    void monitoring_onExit();
    void pollWifi();

signals:
    void signalLevelChanged(double percent);
    void signalLevelDecibelChanged(double decibel);
    void wifiApConnectedChanged(bool connected);
    // One poll has been read (also when it failed).
    void wifiPolled();

private:
    void processWrapUp_iwconfig(const CommandResult &result);
    void apply(const WifiReading &reading);

    WifiReading m_reading;
    QTimer m_pollTimer;
    QPointer<LaunchedCommand> m_query;
    bool m_failureLogged = false;
};

#endif // WIFIMONITOR_H
