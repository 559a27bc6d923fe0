#include "networkcontrol.h"

#include "commandlauncher.h"
#include "networkfiles.h"

int NetworkControl::stepTimeoutMs = 60000;

namespace {
const QString kReconfigure = QStringLiteral("reconfigure");
const QString kRestartServices = QStringLiteral("restartWifiNetwork");
const QString kRestartInterface = QStringLiteral("restartWifiInterface");
const QString kIfup = QStringLiteral("/sbin/ifup");
const QString kIfdown = QStringLiteral("/sbin/ifdown");
const QString kWpaCli = QStringLiteral("/sbin/wpa_cli");
const QString kWifiService = QStringLiteral("/etc/init.d/wpa_supplicant");
const QString kNetworkService = QStringLiteral("/etc/init.d/networking");
} // namespace

QStringList NetworkControl::programs()
{
    return {kIfup, kIfdown, kWpaCli, kWifiService, kNetworkService};
}

NetworkControl::NetworkControl(QObject *parent)
    : QObject(parent)
{
    m_stepTimer.setSingleShot(true);
    connect(&m_stepTimer, &QTimer::timeout, this, &NetworkControl::stepTimedOut);
}

bool NetworkControl::reconfigure(const NetworkSettings &settings)
{
    const QString why = NetworkFiles::refusal(settings);
    if (!why.isEmpty()) {
        qCWarning(lcNetwork).noquote() << "Network settings refused:" << why
                                       << "- the network is left as it was";
        return false;
    }
    // A waiting reconfigure takes the newest settings.
    m_settings = settings;
    request(kReconfigure);
    return true;
}

void NetworkControl::restartWifiNetwork()
{
    request(kRestartServices);
}

void NetworkControl::restartWifiInterface()
{
    request(kRestartInterface);
}

void NetworkControl::request(const QString &chain)
{
    if (isBusy()) {
        if (!m_pending.contains(chain))
            m_pending.append(chain);
        qCDebug(lcNetwork).noquote() << chain << "waits for" << m_chain;
        return;
    }
    startChain(chain);
}

QList<NetworkControl::Step> NetworkControl::stepsOf(const QString &chain)
{
    const QString wired = NetworkInterfaceNames::wired();
    const QString wifi = NetworkInterfaceNames::wifi();
    const Step supplicantReread{kWpaCli, {QStringLiteral("-i"), wifi, QStringLiteral("reconfigure")}, {}};
    if (chain == kRestartServices)
        return {{kWifiService, {QStringLiteral("restart")}, {}},
                {kNetworkService, {QStringLiteral("restart")}, {}}};
    if (chain == kRestartInterface)
        return {{kIfdown, {wifi}, {}, true}, supplicantReread, {kIfup, {wifi}, {}}};

    // Down while the old file still describes the interfaces, so that ifdown undoes
    // what ifup did (the DHCP lease is given back).
    const NetworkSettings settings = m_settings;
    QList<Step> steps{{kIfdown, {wired}, {}, true}, {kIfdown, {wifi}, {}, true},
                      {QString(), {}, [settings] { return NetworkFiles::write(settings); }}};
    if (settings.wifiEnabled)
        steps.append(supplicantReread);
    if (settings.ethEnabled)
        steps.append({kIfup, {wired}, {}});
    if (settings.wifiEnabled)
        steps.append({kIfup, {wifi}, {}});
    return steps;
}

void NetworkControl::startChain(const QString &chain)
{
    qCDebug(lcNetwork).noquote() << "Network:" << chain;
    m_chain = chain;
    m_chainOk = true;
    m_steps = stepsOf(chain);
    runNextStep();
}

void NetworkControl::runNextStep()
{
    while (!m_steps.isEmpty()) {
        const Step step = m_steps.takeFirst();
        if (step.action) {
            if (!step.action())
                m_chainOk = false;
            continue;
        }
        m_stepMayFail = step.mayFail;
        m_stepTimer.start(stepTimeoutMs);
        m_process = CommandLauncher::start(step.program, step.arguments, this,
                                           &NetworkControl::processWrapUp_step);
        return;
    }

    const QString finished = m_chain;
    const bool ok = m_chainOk;
    m_chain.clear();
    if (!ok)
        qCWarning(lcNetwork).noquote() << "Network:" << finished << "ended with failures";
    emit chainFinished(finished, ok);
    if (!m_pending.isEmpty() && !isBusy())
        startChain(m_pending.takeFirst());
}

void NetworkControl::processWrapUp_step(const CommandResult &result)
{
    m_stepTimer.stop();
    if (!result.ok()) {
        if (!m_stepMayFail)
            m_chainOk = false;
        qCWarning(lcNetwork).noquote()
            << result.program << result.arguments.join(QLatin1Char(' ')) << "failed:"
            << (result.errorText.isEmpty() ? QStringLiteral("exit code %1").arg(result.exitCode)
                                           : result.errorText)
            << QString::fromLocal8Bit(result.standardError).trimmed();
    }
    runNextStep();
}

void NetworkControl::stepTimedOut()
{
    // Killing reports the step through its wrap-up as not finished.
    if (m_process) {
        qCWarning(lcNetwork).noquote() << m_process->program() << "did not finish in"
                                       << stepTimeoutMs << "ms; stopped";
        m_process->kill();
    }
}
