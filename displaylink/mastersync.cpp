#include "mastersync.h"
#include "displaylinklog.h"

#include <QDebug>

#include <utility>


MasterSync::MasterSync(bool syncNeeded, bool iAmMaster, const Timing &timing, QObject *parent)
    : P4StateMachine(parent)
    , m_syncNeeded(syncNeeded)
    , m_iAmMaster(iAmMaster)
    , m_timing(timing)
{
    setObjectName(QStringLiteral("masterSync"));
    m_rollCallTimer.setInterval(m_timing.rollCallIntervalMs);
    m_syncTimeoutTimer.setSingleShot(true);
    m_syncTimeoutTimer.setInterval(m_timing.syncTimeoutMs);
    m_menuImportTimer.setSingleShot(true);
    m_menuImportTimer.setInterval(m_timing.menuImportStepMs);
    m_silenceTimer.setInterval(m_timing.silenceTickMs);
    connect(&m_silenceTimer, &QTimer::timeout, this, &MasterSync::countSilence);

    // The start-up steps and the link supervision run side by side.
    auto *running = addNamedState(QStringLiteral("running"));
    running->setChildMode(QState::ParallelStates);
    setInitialState(running);
    buildStartup(addNamedState(QStringLiteral("startup"), running));
    if (m_syncNeeded) {
        buildLink(addNamedState(QStringLiteral("link"), running));
        connect(this, &QStateMachine::started, &m_silenceTimer, QOverload<>::of(&QTimer::start));
    }
}

void MasterSync::buildStartup(QState *region)
{
    auto *rollCall = addNamedState(QStringLiteral("rollCall"), region);
    auto *notNeeded = addNamedState(QStringLiteral("notNeeded"), region);
    auto *menuImport = addNamedState(QStringLiteral("menuImport"), region);
    auto *defaultDayPart = addNamedState(QStringLiteral("defaultDayPart"), region);
    auto *restoreHolding = addNamedState(QStringLiteral("restoreHolding"), region);
    auto *synced = addNamedState(QStringLiteral("synced"), region);
    region->setInitialState(m_syncNeeded ? rollCall : notNeeded);

    addNamedTransition(rollCall, this, SIGNAL(otherUiFoundSignal()), menuImport,
                       QStringLiteral("t_rollCall_found"), SLOT(askAgainOnFound()));
    addNamedTransition(rollCall, &m_syncTimeoutTimer, SIGNAL(timeout()), menuImport,
                       QStringLiteral("t_syncTOfail"), SLOT(syncFailed()));
    addNamedTransition(rollCall, &m_rollCallTimer, SIGNAL(timeout()), nullptr,
                       QStringLiteral("t_rollCall_repeat"), SLOT(sendRollCall()));
    addNamedTransition(notNeeded, this, SIGNAL(stepDone()), menuImport,
                       QStringLiteral("t_notNeeded_done"));
    addNamedTransition(menuImport, &m_menuImportTimer, SIGNAL(timeout()), defaultDayPart,
                       QStringLiteral("t_menuImport_done"));
    addNamedTransition(defaultDayPart, this, SIGNAL(stepDone()), restoreHolding,
                       QStringLiteral("t_defaultDayPart_done"));
    addNamedTransition(restoreHolding, this, SIGNAL(stepDone()), synced,
                       QStringLiteral("t_restoreHolding_done"));
}

void MasterSync::buildLink(QState *region)
{
    auto *linkOk = addNamedState(QStringLiteral("linkOk"), region);
    auto *linkBroken = addNamedState(QStringLiteral("linkBroken"), region);
    region->setInitialState(linkOk);
    addGuardedTransition(linkOk, &m_silenceTimer, SIGNAL(timeout()), linkBroken,
                         QStringLiteral("t_linkOk_broken"), this, "silenceTooLong");
    addNamedTransition(linkBroken, this, SIGNAL(canTraffic()), linkOk,
                       QStringLiteral("t_linkBroken_ok"));
}

void MasterSync::otherUiFound()
{
    canTrafficSeen();
    emit otherUiFoundSignal();
}

void MasterSync::canTrafficSeen()
{
    m_silentTicks = 0;
    emit canTraffic();
    clearSyncErrors();
}

void MasterSync::rollCall_onEntry()
{
    setStatusText(tr("Synchronizing displays"));
    emit requestResyncSignal();
    sendRollCall();
    m_rollCallTimer.start();
    m_syncTimeoutTimer.start();
}

void MasterSync::rollCall_onExit()
{
    m_rollCallTimer.stop();
    m_syncTimeoutTimer.stop();
}

void MasterSync::notNeeded_onEntry()
{
    qCDebug(lcDisplayLink) << "Display synchronisation not needed";
    emit syncNotNeeded();
    emit stepDone();
}

void MasterSync::menuImport_onEntry()
{
    setStatusText(QStringLiteral("Checking for Orvanta import"));
    emit doMenuImportSignal();
    m_menuImportTimer.start();
}

void MasterSync::defaultDayPart_onEntry()
{
    emit doDefaultDayPartSignal();
    emit stepDone();
}

void MasterSync::restoreHolding_onEntry()
{
    if (m_iAmMaster)
        emit restoreHoldingSignal();
    emit stepDone();
}

void MasterSync::synced_onEntry()
{
    setStatusText(QString());
    m_synced = true;
    emit syncedChanged(true);
    emit systemReadyForTrayHoldUpdates();
}

void MasterSync::linkBroken_onEntry()
{
    qCWarning(lcDisplayLink) << "CAN link silent for more than" << m_timing.silenceLimitTicks << "ticks";
    m_canLinkBroken = true;
    emit canLinkBrokenChanged(true);
    // A master misses the other display, any other display misses the primary.
    raiseSyncError(m_iAmMaster ? 0 : 1);
}

void MasterSync::linkBroken_onExit()
{
    m_canLinkBroken = false;
    emit canLinkBrokenChanged(false);
}

void MasterSync::sendRollCall()
{
    emit askForSlaveSignal();
}

// The second display's request on entering the roll call is lost when the master was not
// yet on the bus; now that it answered, it hears us, so the request goes once more.
void MasterSync::askAgainOnFound()
{
    if (!m_iAmMaster)
        emit requestResyncSignal();
}

void MasterSync::syncFailed()
{
    qCWarning(lcDisplayLink) << "Display synchronisation failed: no answer to the roll call";
    emit rollCallTimedOut();
    raiseSyncError(0);
}

void MasterSync::raiseSyncError(int subCode)
{
    if (m_raisedSubCodes.contains(subCode))
        return; // still standing: a second report would only repeat the log line
    m_raisedSubCodes.append(subCode);
    emit syncErrorInfo(4, subCode, 0, 0);
}

void MasterSync::clearSyncErrors()
{
    // Traffic from the other display ends every link error raised so far: a failed
    // start-up roll call as much as a silent link. Each is cleared as it was raised, so
    // neither a silent primary's error nor a late partner's sync failure stays forever.
    const QVector<int> raised = std::exchange(m_raisedSubCodes, {});
    for (int subCode : raised)
        emit syncErrorClearInfo(4, subCode, 0, 0);
}

void MasterSync::countSilence()
{
    ++m_silentTicks;
}

bool MasterSync::silenceTooLong() const
{
    return m_silentTicks > m_timing.silenceLimitTicks;
}

void MasterSync::setStatusText(const QString &text)
{
    if (m_statusText == text)
        return;
    m_statusText = text;
    emit statusTextChanged(text);
}
