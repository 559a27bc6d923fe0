#ifndef TULNETWORK_H
#define TULNETWORK_H

#include <QObject>
#include <QPointer>
#include <QTimer>

class QProcess;
struct CommandResult;

// The cabinet's network link as the other subsystems see it: whether the Wi-Fi access
// point is associated (asked of "iwconfig" every 10 s on the master display), and the
// error signal the error service listens to.
class TULnetwork : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool wifiApConnected READ get_wifiApConnected NOTIFY wifiApConnectedChanged)

public:
    static constexpr int PollIntervalMs = 10000;

    explicit TULnetwork(QObject *parent = nullptr);

    bool get_wifiApConnected() const { return m_wifiApConnected; }
    void startMonitoring();

public slots:
    void checkWifiAssociation();

signals:
    void wifiApConnectedChanged(bool connected);
    void logErrorSignal(int mainCode, int subCode1, int subCode2, int subCode3);

private:
    void processWrapUp_iwconfig(const CommandResult &result);
    void set_wifiApConnected(bool connected);

    QTimer m_pollTimer;
    bool m_wifiApConnected = false;
    bool m_checking = false;
    QPointer<QProcess> m_query; // the running iwconfig, if any
};

#endif // TULNETWORK_H
