#include "wifimonitor.h"

#include "commandlauncher.h"
#include "networksettings.h"

#include <QRegularExpression>
#include <QSignalTransition>

int WifiMonitor::pollIntervalMs = 10000;

WifiReading WifiReading::parse(const QString &output)
{
    static const QRegularExpression accessPoint(
        QStringLiteral("Access Point:\\s*([0-9A-Fa-f]{2}(:[0-9A-Fa-f]{2}){5})"));
    static const QRegularExpression levelDbm(
        QStringLiteral("Signal level[=:]\\s*(-?\\d+(?:\\.\\d+)?)\\s*dBm"));
    // Drivers without dBm report a fraction, as link quality or as signal level.
    static const QRegularExpression fraction(
        QStringLiteral("(?:Link Quality|Signal level)[=:]\\s*(\\d+)\\s*/\\s*(\\d+)"));

    WifiReading reading;
    reading.associated = accessPoint.match(output).hasMatch();
    if (!reading.associated)
        return reading; // a level without an access point is stale
    const QRegularExpressionMatch dbm = levelDbm.match(output);
    if (dbm.hasMatch()) {
        reading.hasSignal = true;
        reading.decibel = dbm.captured(1).toDouble();
        // -100 dBm and below is no signal, -50 dBm and above full strength.
        reading.percent = qBound(0.0, 2.0 * (reading.decibel + 100.0), 100.0);
        return reading;
    }
    const QRegularExpressionMatch part = fraction.match(output);
    const double denominator = part.hasMatch() ? part.captured(2).toDouble() : 0.0;
    if (denominator > 0) {
        reading.hasSignal = true;
        reading.percent = qBound(0.0, 100.0 * part.captured(1).toDouble() / denominator, 100.0);
        reading.decibel = reading.percent / 2.0 + WifiReading::NoSignalDecibel;
    }
    return reading;
}

WifiMonitor::WifiMonitor(QObject *parent)
    : P4StateMachine(parent)
{
    setObjectName(QStringLiteral("wifiMonitor"));
    m_pollTimer.setInterval(pollIntervalMs);
    QState *monitoring = addNamedState(QStringLiteral("monitoring"));
    setInitialState(monitoring);
    addNamedTransition(monitoring, &m_pollTimer, SIGNAL(timeout()), nullptr,
                       QStringLiteral("t_pollWifi"), SLOT(pollWifi()));
}

void WifiMonitor::monitoring_onEntry()
{
    m_pollTimer.start();
    pollWifi();
}

void WifiMonitor::monitoring_onExit()
{
    m_pollTimer.stop();
}

void WifiMonitor::pollWifi()
{
    if (m_query) {
        // Still running a poll interval later: it hangs. Stopping it reports no signal
        // through the wrap-up, and the next poll asks again.
        if (!m_failureLogged)
            qCWarning(lcNetwork) << "iwconfig did not answer before the next poll; stopped";
        m_query->kill();
        return;
    }
    m_query = CommandLauncher::start(QStringLiteral("/sbin/iwconfig"),
                                     {NetworkInterfaceNames::wifi()}, this,
                                     &WifiMonitor::processWrapUp_iwconfig);
}

void WifiMonitor::processWrapUp_iwconfig(const CommandResult &result)
{
    m_query.clear();
    const QString output = QString::fromLocal8Bit(result.standardOutput);
    if (!result.ok()) {
        if (!m_failureLogged) {
            qCWarning(lcNetwork).noquote()
                << "Wi-Fi level unreadable:" << result.program
                << (result.errorText.isEmpty() ? QStringLiteral("exit code %1").arg(result.exitCode)
                                               : result.errorText)
                << QString::fromLocal8Bit(result.standardError).trimmed();
            m_failureLogged = true;
        }
        apply(WifiReading());
    } else {
        m_failureLogged = false;
        apply(WifiReading::parse(output));
    }
    emit wifiPolled();
}

void WifiMonitor::apply(const WifiReading &reading)
{
    const WifiReading old = m_reading;
    m_reading = reading;
    if (!qFuzzyCompare(old.percent + 1.0, reading.percent + 1.0))
        emit signalLevelChanged(reading.percent);
    if (!qFuzzyCompare(old.decibel, reading.decibel))
        emit signalLevelDecibelChanged(reading.decibel);
    if (old.associated != reading.associated)
        emit wifiApConnectedChanged(reading.associated);
}
