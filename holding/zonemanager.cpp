#include "zonemanager.h"

#include "alarmtimings.h"
#include "daypartmanager.h"
#include "holdinglog.h"
#include "traybarsc.h"

#include <climits>

ZoneManager::ZoneManager(int zoneNumber, int firstBin, int binCount, bool createTrays, QObject *parent)
    : P4StateMachine(parent)
    , m_zoneNumber(zoneNumber)
{
    setObjectName(QStringLiteral("zone%1").arg(zoneNumber));

    auto *zoneOff = addNamedState(QStringLiteral("zoneOff"));
    auto *zoneHeating = addNamedState(QStringLiteral("zoneHeating"));
    auto *zoneReady = addNamedState(QStringLiteral("zoneReady"));
    setInitialState(zoneOff);

    addGuardedTransition(zoneOff, this, SIGNAL(tempsChanged()), zoneHeating,
                         QStringLiteral("t_zoneOff_heating"), this, "isBelow");
    addGuardedTransition(zoneOff, this, SIGNAL(tempsChanged()), zoneReady,
                         QStringLiteral("t_zoneOff_ready"), this, "isReady");
    addGuardedTransition(zoneHeating, this, SIGNAL(tempsChanged()), zoneReady,
                         QStringLiteral("t_zoneHeating_ready"), this, "isReady");
    addGuardedTransition(zoneReady, this, SIGNAL(tempsChanged()), zoneHeating,
                         QStringLiteral("t_zoneReady_heating"), this, "isBelow");
    addGuardedTransition(zoneHeating, this, SIGNAL(tempsChanged()), zoneOff,
                         QStringLiteral("t_zoneHeating_off"), this, "isOff");
    addGuardedTransition(zoneReady, this, SIGNAL(tempsChanged()), zoneOff,
                         QStringLiteral("t_zoneReady_off"), this, "isOff");
    // Targets set before the machine ran are looked at as soon as it does.
    connect(this, &QStateMachine::started, this, &ZoneManager::tempsChanged);

    m_tooLow.subCode = 0;
    m_tooHigh.subCode = 1;
    for (ZoneError *error : {&m_tooLow, &m_tooHigh})
        error->holdOff.setSingleShot(true);
    connect(&m_tooLow.holdOff, &QTimer::timeout, this, &ZoneManager::tooLowDue);
    connect(&m_tooHigh.holdOff, &QTimer::timeout, this, &ZoneManager::tooHighDue);

    if (firstBin < 0 || binCount < 0 || firstBin + binCount > MaxBins) {
        qCWarning(lcHolding).noquote() << QStringLiteral("zone %1: bins %2..%3 outside the cabinet, no trays")
                                              .arg(zoneNumber).arg(firstBin).arg(firstBin + binCount - 1);
        firstBin = 0;
        binCount = 0;
    }
    m_firstBin = firstBin;
    m_trayLower.fill(0, binCount);
    m_trayUpper.fill(0, binCount);
    m_trayFan.fill(0, binCount);
    if (!createTrays)
        return; // a mirror display shows the other display's trays
    for (int i = 0; i < binCount; ++i) {
        auto *tray = new TrayBarSc(firstBin + i, this);
        connect(tray, &TrayBarSc::holdTempsChanged, this, &ZoneManager::trayHoldTemps);
        connect(tray, &TrayBarSc::fanSpeedChanged, this, &ZoneManager::trayFanSpeed);
        m_trays.append(tray);
    }
}

// ---------------------------------------------------------------- day parts

void ZoneManager::set_nextDayPart(int dp)
{
    if (dp < 0 || dp >= DayPartManager::maxDayParts) {
        qCWarning(lcHolding).noquote() << QStringLiteral("zone %1: day part %2 out of range, ignored")
                                              .arg(m_zoneNumber).arg(dp);
        return;
    }
    reassignTrays(dp);
    if (dp == m_currentDayPart)
        return;
    m_prevDayPart = m_currentDayPart;
    m_currentDayPart = dp;
    emit zoneDaypartChanged(m_zoneNumber, dp, m_prevDayPart);
}

void ZoneManager::processDaypartUpdate(int dpNumber)
{
    if (dpNumber == m_currentDayPart)
        reassignTrays(dpNumber);
}

void ZoneManager::reassignTrays(int dp)
{
    // The heaters get one new target for the whole day part, not one per tray on the way.
    m_collectingTemps = true;
    for (TrayBarSc *tray : qAsConst(m_trays))
        tray->assignProduct(dp);
    m_collectingTemps = false;
    recomputeTargets();
    recomputeFanTarget();
}

// ---------------------------------------------------------------- temperatures

void ZoneManager::trayHoldTemps(int bin, int lower, int upper)
{
    const int i = bin - m_firstBin;
    if (i < 0 || i >= m_trayLower.size()) {
        qCWarning(lcHolding).noquote() << QStringLiteral("zone %1: hold temperatures for bin %2, not one of ours")
                                              .arg(m_zoneNumber).arg(bin);
        return;
    }
    m_trayLower[i] = lower;
    m_trayUpper[i] = upper;
    if (!m_collectingTemps)
        recomputeTargets();
}

void ZoneManager::trayFanSpeed(int bin, int percent)
{
    const int i = bin - m_firstBin;
    if (i < 0 || i >= m_trayFan.size())
        return;
    m_trayFan[i] = percent;
    if (!m_collectingTemps)
        recomputeFanTarget();
}

void ZoneManager::recomputeFanTarget()
{
    int fan = 0;
    for (int percent : qAsConst(m_trayFan))
        fan = qMax(fan, percent);
    if (fan == m_fanTarget)
        return;
    m_fanTarget = fan;
    emit fanTargetChanged(m_zoneNumber, fan);
}

void ZoneManager::reStateHoldTemps()
{
    m_collectingTemps = true;
    for (TrayBarSc *tray : qAsConst(m_trays))
        tray->reEmitHoldTemps();
    m_collectingTemps = false;
    recomputeTargets();
}

void ZoneManager::recomputeTargets()
{
    int lower = 0;
    int upper = 0;
    for (int i = 0; i < m_trayLower.size(); ++i) {
        lower = qMax(lower, m_trayLower.at(i));
        upper = qMax(upper, m_trayUpper.at(i));
    }
    if (lower == m_target[0] && upper == m_target[1])
        return;
    m_target[0] = lower;
    m_target[1] = upper;
    emit targetTempsChanged(m_zoneNumber, lower, upper);
    emit tempsChanged();
    superviseErrors();
}

void ZoneManager::set_actualTemps(int lower, int upper)
{
    if (lower == m_actual[0] && upper == m_actual[1])
        return;
    m_actual[0] = lower;
    m_actual[1] = upper;
    emit actualTempsChanged(m_zoneNumber, lower, upper);
    emit tempsChanged();
    superviseErrors();
}

bool ZoneManager::isOff() const
{
    return m_target[0] == 0 && m_target[1] == 0;
}

bool ZoneManager::isBelow() const
{
    return !isOff()
           && (m_actual[0] < m_target[0] - HeatingBand || m_actual[1] < m_target[1] - HeatingBand);
}

bool ZoneManager::isReady() const
{
    return !isOff() && !isBelow();
}

void ZoneManager::zoneHeating_onEntry()
{
    for (TrayBarSc *tray : qAsConst(m_trays))
        tray->set_zoneBelowTarget(true);
}

void ZoneManager::zoneHeating_onExit()
{
    for (TrayBarSc *tray : qAsConst(m_trays))
        tray->set_zoneBelowTarget(false);
}

// ---------------------------------------------------------------- errors

int ZoneManager::offendingActual(bool tooLow) const
{
    for (int h = 0; h < 2; ++h) {
        // A heater nobody asks for heat cannot be too cold or too warm.
        if (m_target[h] <= 0)
            continue;
        if (tooLow ? m_actual[h] < m_target[h] - ErrorBand : m_actual[h] > m_target[h] + ErrorBand)
            return m_actual[h];
    }
    return INT_MIN;
}

void ZoneManager::superviseErrors()
{
    supervise(m_tooLow, true);
    supervise(m_tooHigh, false);
}

void ZoneManager::supervise(ZoneError &error, bool tooLow)
{
    if (offendingActual(tooLow) != INT_MIN) {
        if (!error.standing && !error.holdOff.isActive())
            error.holdOff.start(AlarmTimings::scaled(tooLow ? ZoneErrorHoldOffMs : TooHighHoldOffMs));
        return;
    }
    error.holdOff.stop();
    if (error.standing) {
        error.standing = false;
        emit zoneErrorClearInfo(3, error.subCode, m_zoneNumber, error.value);
    }
}

void ZoneManager::tooLowDue()
{
    raise(m_tooLow, true);
}

void ZoneManager::tooHighDue()
{
    raise(m_tooHigh, false);
}

void ZoneManager::raise(ZoneError &error, bool tooLow)
{
    const int value = offendingActual(tooLow);
    if (value == INT_MIN)
        return; // back in the band just as the hold-off ran out
    error.standing = true;
    error.value = value;
    qCWarning(lcHolding).noquote() << QStringLiteral("zone %1: temperature too %2, %3 F")
                                          .arg(m_zoneNumber).arg(tooLow ? "low" : "high").arg(value);
    emit zoneErrorInfo(3, error.subCode, m_zoneNumber, value);
}

void ZoneManager::reEmitErrorFlags()
{
    for (const ZoneError *error : {&m_tooLow, &m_tooHigh}) {
        if (error->standing)
            emit zoneErrorInfo(3, error->subCode, m_zoneNumber, error->value);
    }
}
