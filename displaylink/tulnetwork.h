#ifndef TULNETWORK_H
#define TULNETWORK_H

#include <QObject>

// The cabinet's network link as the other subsystems see it: whether the Wi-Fi access
// point is associated (kept current by the Wi-Fi monitor of the master display), and the
// error signal the error service listens to.
class TULnetwork : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool wifiApConnected READ get_wifiApConnected NOTIFY wifiApConnectedChanged)

public:
    explicit TULnetwork(QObject *parent = nullptr);

    bool get_wifiApConnected() const { return m_wifiApConnected; }

public slots:
    void set_wifiApConnected(bool connected);

signals:
    void wifiApConnectedChanged(bool connected);
    void logErrorSignal(int mainCode, int subCode1, int subCode2, int subCode3);

private:
    bool m_wifiApConnected = false;
};

#endif // TULNETWORK_H
