#include "tulnetwork.h"

#include "commandlauncher.h"

#include <QDebug>
#include <QProcess>
#include <QRegularExpression>

TULnetwork::TULnetwork(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("tulNetwork"));
    m_pollTimer.setInterval(PollIntervalMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &TULnetwork::checkWifiAssociation);
}

void TULnetwork::startMonitoring()
{
    m_pollTimer.start();
    checkWifiAssociation();
}

void TULnetwork::checkWifiAssociation()
{
    if (m_checking) {
        // A query that has not answered within a poll interval hangs: stop it, so that
        // its wrap-up reports no access point and the next poll asks again, instead of
        // the monitor waiting for it forever.
        if (m_query) {
            qWarning() << "iwconfig did not answer before the next poll; stopped";
            m_query->kill();
        }
        return;
    }
    m_checking = true;
    m_query = CommandLauncher::start(QStringLiteral("/sbin/iwconfig"), {QStringLiteral("wlan0")},
                                     this, &TULnetwork::processWrapUp_iwconfig);
}

void TULnetwork::processWrapUp_iwconfig(const CommandResult &result)
{
    m_checking = false;
    // "Access Point: 00:11:22:33:44:55" when associated, "Not-Associated" otherwise.
    static const QRegularExpression associated(
        QStringLiteral("Access Point:\\s*([0-9A-Fa-f]{2}(:[0-9A-Fa-f]{2}){5})"));
    const QString output = QString::fromLocal8Bit(result.standardOutput);
    set_wifiApConnected(result.ok() && associated.match(output).hasMatch());
}

void TULnetwork::set_wifiApConnected(bool connected)
{
    if (m_wifiApConnected == connected)
        return;
    m_wifiApConnected = connected;
    emit wifiApConnectedChanged(connected);
}
