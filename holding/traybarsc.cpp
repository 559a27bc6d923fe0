#include "traybarsc.h"

#include "alarmtimings.h"
#include "cabinetcore.h"
#include "daypartmanager.h"
#include "holdinglog.h"
#include "menumanager.h"
#include "roleitemmodel.h"
#include "secondticker.h"

#include <QDateTime>
#include <QQmlEngine>

void TrayBarSc::registerQmlType()
{
    qmlRegisterUncreatableMetaObject(TrayBarSc::staticMetaObject, "TulDefs", 1, 0, "TrayBarSc",
                                     QStringLiteral("TrayBarSc only holds the tray states"));
}

TrayBarSc::TrayBarSc(int binNumber, QObject *parent)
    : P4StateMachine(parent)
    , m_binNumber(binNumber)
{
    setObjectName(QStringLiteral("tray%1").arg(binNumber));
    qRegisterMetaType<trayInfo>("trayInfo");

    auto *unassigned = addNamedState(QStringLiteral("unassigned"));
    m_assigned = addNamedState(QStringLiteral("assigned"));
    m_preheating = addNamedState(QStringLiteral("preheating"), m_assigned);
    m_ready2hold = addNamedState(QStringLiteral("ready2hold"), m_assigned);
    auto *holding = m_holdingState = addNamedState(QStringLiteral("holding"));
    auto *standard = m_standard = addNamedState(QStringLiteral("standard"), holding);
    auto *warning = m_warning = addNamedState(QStringLiteral("warning"), holding);
    auto *discard = m_discard = addNamedState(QStringLiteral("discard"), holding);
    setInitialState(unassigned);
    m_assigned->setInitialState(m_ready2hold);
    holding->setInitialState(standard);

    addNamedTransition(unassigned, this, SIGNAL(productAssigned()), m_assigned,
                       QStringLiteral("t_unassigned_assigned"));
    addNamedTransition(m_assigned, this, SIGNAL(productCleared()), unassigned,
                       QStringLiteral("t_assigned_unassigned"));
    addNamedTransition(m_assigned, this, SIGNAL(holdRequested()), holding,
                       QStringLiteral("t_assigned_holding"));
    addNamedTransition(unassigned, this, SIGNAL(holdRequested()), holding,
                       QStringLiteral("t_unassigned_holding"));
    addNamedTransition(holding, this, SIGNAL(holdRequested()), holding,
                       QStringLiteral("t_holding_restart"));
    addGuardedTransition(holding, this, SIGNAL(stopRequested()), m_assigned,
                         QStringLiteral("t_holding_assigned"), this, "productAfterHold",
                         SLOT(applyPending()));
    addGuardedTransition(holding, this, SIGNAL(stopRequested()), unassigned,
                         QStringLiteral("t_holding_unassigned"), this, "noProductAfterHold",
                         SLOT(applyPending()));

    addNamedTransition(m_preheating, this, SIGNAL(zoneReached()), m_ready2hold,
                       QStringLiteral("t_preheating_ready2hold"), SLOT(preheatDone()));
    addNamedTransition(m_ready2hold, this, SIGNAL(zoneBelow()), m_preheating,
                       QStringLiteral("t_ready2hold_preheating"));

    // Discard is tested first: a warning due on the same tick as the end is not worth a chime.
    addGuardedTransition(standard, this, SIGNAL(secondElapsed()), discard,
                         QStringLiteral("t_standard_discard"), this, "expired");
    addGuardedTransition(standard, this, SIGNAL(secondElapsed()), warning,
                         QStringLiteral("t_standard_warning"), this, "warningDue");
    addGuardedTransition(warning, this, SIGNAL(secondElapsed()), discard,
                         QStringLiteral("t_warning_discard"), this, "expired");
}

void TrayBarSc::setSecondTicker(SecondTicker *ticker)
{
    if (ticker == m_ticker)
        return;
    const bool ticking = m_ticking;
    if (ticking) {
        disconnect(m_ticker, &SecondTicker::advance, this, &TrayBarSc::tick);
        m_ticker->release();
        m_ticking = false;
    }
    m_ticker = ticker;
    if (ticking && ticker) {
        connect(ticker, &SecondTicker::advance, this, &TrayBarSc::tick);
        ticker->acquire();
        m_ticking = true;
    }
}

SecondTicker *TrayBarSc::ticker()
{
    if (!m_ticker)
        m_ticker = new SecondTicker(this);
    return m_ticker;
}

// ---------------------------------------------------------------- product

MenuManager *TrayBarSc::menu() const
{
    const CabinetCore *core = CabinetCore::of(this);
    return core ? core->menuManager() : nullptr;
}

TrayBarSc::Product TrayBarSc::lookUp(int id) const
{
    Product p;
    p.id = id;
    const MenuManager *m = menu();
    if (id == 0 || !m)
        return p;
    p.memberId = id;
    if (id >= FirstGroupId) {
        const QStringList members = m->getProductGroupPList(id).toStringList();
        if (m_groupIndex < 0 || m_groupIndex >= members.size()) {
            qCWarning(lcHolding).noquote() << QStringLiteral("bin %1: group %2 has no member at index %3")
                                                  .arg(m_binNumber).arg(id).arg(m_groupIndex);
            p.memberId = 0;
            return p;
        }
        p.memberId = members.at(m_groupIndex).toInt();
    }
    // An unknown id answers with row 0: only a row that carries the id is the product.
    const int row = m->getProductIndex(p.memberId);
    if (m->getProductId(row).toInt() != p.memberId) {
        qCWarning(lcHolding).noquote() << QStringLiteral("bin %1: product %2 is not in the menu")
                                              .arg(m_binNumber).arg(p.memberId);
        p.memberId = 0;
        return p;
    }
    p.holdTime = m->getProductHoldTime(row).toInt();
    p.warningTime = m->getProductWarningTime(row).toInt();
    p.lowerTemp = m->getProductLowerTemp(row).toInt();
    p.upperTemp = m->getProductUpperTemp(row).toInt();
    p.fanSpeed = qBound(0, m->productsModel()->index(row, 0).data(MenuManager::TargetFanSpeedRole).toInt(), 100);
    return p;
}

QString TrayBarSc::nameOf(int memberId) const
{
    const MenuManager *m = menu();
    if (!m || memberId == 0)
        return QString();
    const QString name = (m_languageId >= 0 ? m->getProductName(m_languageId, memberId)
                                            : m->getProductName(memberId)).toString();
    // Not every product is named in every language: the plain name stands in.
    return name.isEmpty() ? m->getProductName(-1, memberId).toString() : name;
}

void TrayBarSc::languageChanged(int languageId)
{
    m_languageId = languageId;
    const QString name = nameOf(m_product.memberId);
    if (name != m_productName) {
        m_productName = name;
        emit productNameChanged(name);
    }
}

void TrayBarSc::assignProduct(int dayPart)
{
    if (dayPart < 0 || dayPart >= DayPartManager::maxDayParts) {
        qCWarning(lcHolding).noquote() << QStringLiteral("bin %1: day part %2 out of range, product kept")
                                              .arg(m_binNumber).arg(dayPart);
        return;
    }
    const CabinetCore *core = CabinetCore::of(this);
    const DayPartManager *dayParts = core ? core->daypartManager() : nullptr;
    if (!dayParts) {
        qCWarning(lcHolding).noquote() << QStringLiteral("bin %1: no day parts to assign from").arg(m_binNumber);
        return;
    }
    const Product product = lookUp(dayParts->getProdIdOnBin(dayPart, m_binNumber));
    if (m_holding || m_resuming) {
        // The pan in the bin is what it is: the new assignment waits for the hold to end.
        m_pending = true;
        m_pendingDayPart = dayPart;
        m_pendingProduct = product;
        return;
    }
    applyProduct(dayPart, product);
    if (product.id != 0)
        emit productAssigned();
    else
        emit productCleared();
}

void TrayBarSc::applyProduct(int dayPart, const Product &p)
{
    m_dayPart = dayPart;
    m_product = p;
    if (m_productId != p.id) {
        const bool wasGroup = get_isGroup();
        m_productId = p.id;
        emit productIdChanged(p.id);
        if (wasGroup != get_isGroup())
            emit isGroupChanged(get_isGroup());
    }
    const QString name = nameOf(p.memberId);
    if (m_productName != name) {
        m_productName = name;
        emit productNameChanged(name);
    }
    if (m_holdTime != p.holdTime)
        emit holdTimeChanged(m_holdTime = p.holdTime);
    if (m_warningTime != p.warningTime)
        emit warningTimeChanged(m_warningTime = p.warningTime);
    const bool tempsChanged = m_lowerTemp != p.lowerTemp || m_upperTemp != p.upperTemp;
    if (m_lowerTemp != p.lowerTemp)
        emit lowerTempChanged(m_lowerTemp = p.lowerTemp);
    if (m_upperTemp != p.upperTemp)
        emit upperTempChanged(m_upperTemp = p.upperTemp);
    if (tempsChanged)
        emit holdTempsChanged(m_binNumber, m_lowerTemp, m_upperTemp);
    if (m_fanSpeed != p.fanSpeed)
        emit fanSpeedChanged(m_binNumber, m_fanSpeed = p.fanSpeed);
    publish();
}

void TrayBarSc::reEmitHoldTemps()
{
    emit holdTempsChanged(m_binNumber, m_lowerTemp, m_upperTemp);
}

void TrayBarSc::setMismatch(bool on, bool universal)
{
    if (m_mismatch == on)
        return;
    emit requestAlarm(universal ? 4 : 3, on);
    emit mismatchChanged(m_mismatch = on);
}

// ---------------------------------------------------------------- zone temperature

void TrayBarSc::set_zoneBelowTarget(bool below)
{
    m_zoneBelowTarget = below;
    // Read when "assigned" is entered next, so a tray assigned to a cold zone starts preheating.
    m_assigned->setInitialState(below ? m_preheating : m_ready2hold);
    if (below)
        emit zoneBelow();
    else
        emit zoneReached();
}

void TrayBarSc::unassigned_onEntry()
{
    setTrayState(UNASSIGNED);
    // A product assigned before the machine ran: move on to it.
    if (m_productId != 0)
        emit productAssigned();
}

void TrayBarSc::preheating_onEntry()
{
    m_preheatClock.start();
    setTrayState(PREHEATING);
    emit preheatEntered(m_binNumber);
}

void TrayBarSc::preheating_onExit()
{
    const int heatTime = int(m_preheatClock.elapsed() / unitMs());
    if (m_heatTime != heatTime)
        emit heatTimeChanged(m_heatTime = heatTime);
    emit preheatExited(m_binNumber, heatTime);
}

void TrayBarSc::preheatDone()
{
    if (m_heatTime >= 1)
        emit requestAlarm(1, true);
}

void TrayBarSc::ready2hold_onEntry()
{
    setTrayState(READY2HOLD);
}

// ---------------------------------------------------------------- holding

void TrayBarSc::startHolding(int seconds, quint64 uid)
{
    if (m_productId == 0) {
        qCWarning(lcHolding).noquote() << QStringLiteral("bin %1: hold start ignored, no product assigned")
                                              .arg(m_binNumber);
        return;
    }
    if (m_product.memberId == 0) {
        qCWarning(lcHolding).noquote() << QStringLiteral("bin %1: hold start ignored, product %2 has nothing to hold")
                                              .arg(m_binNumber).arg(m_productId);
        return;
    }
    if (seconds <= 0)
        seconds = m_product.holdTime;
    if (seconds <= 0) {
        qCWarning(lcHolding).noquote() << QStringLiteral("bin %1: hold start ignored, product %2 has no hold time")
                                              .arg(m_binNumber).arg(m_productId);
        return;
    }
    m_holdSeconds = seconds;
    setPanUid(uid);
    m_expiryReported = false;
    m_holdingState->setInitialState(m_standard);
    emit holdRequested();
}

bool TrayBarSc::resumeHolding(int productId, int dayPart, int secondsLeft, quint64 uid, bool expiryReported)
{
    if (m_holding || m_resuming) {
        qCWarning(lcHolding).noquote() << QStringLiteral("bin %1: holds already, earlier hold not resumed")
                                              .arg(m_binNumber);
        return false;
    }
    const Product product = lookUp(productId);
    if (product.memberId == 0 || product.holdTime <= 0)
        return false;
    // What the day part in force assigns comes back when the resumed hold ends.
    if (!m_pending) {
        m_pending = true;
        m_pendingDayPart = m_dayPart;
        m_pendingProduct = m_product;
    }
    applyProduct(dayPart, product);
    m_holdSeconds = secondsLeft;
    setPanUid(uid);
    m_expiryReported = expiryReported && secondsLeft <= 0;
    m_resuming = true;
    const bool warned = product.warningTime > 0 && secondsLeft <= product.holdTime - product.warningTime;
    m_holdingState->setInitialState(secondsLeft <= 0 ? m_discard : warned ? m_warning : m_standard);
    emit holdRequested();
    return true;
}

void TrayBarSc::stopHolding()
{
    if (!m_holding) {
        qCDebug(lcHolding).noquote() << QStringLiteral("bin %1: stop ignored, not holding").arg(m_binNumber);
        return;
    }
    // The seconds left as of now, not as of the last tick.
    setRemaining(secondsLeftNow());
    emit holdStopped(m_binNumber, m_panUid, m_remainingTime);
    emit stopRequested();
}

bool TrayBarSc::productAfterHold() const
{
    return (m_pending ? m_pendingProduct.id : m_productId) != 0;
}

bool TrayBarSc::noProductAfterHold() const
{
    return !productAfterHold();
}

void TrayBarSc::holding_onEntry()
{
    m_holding = true;
    m_resuming = false;
    m_holdClock.start();
    m_startWallMs = QDateTime::currentMSecsSinceEpoch();
    m_expectedTime = m_startWallMs + qint64(m_holdSeconds) * 1000;
    setRemaining(m_holdSeconds);
    emit holdStarted(m_binNumber, m_panUid);
    if (!m_ticking) {
        SecondTicker *second = ticker();
        connect(second, &SecondTicker::advance, this, &TrayBarSc::tick);
        second->acquire();
        m_ticking = true;
    }
}

void TrayBarSc::holding_onExit()
{
    if (m_ticking && m_ticker) {
        disconnect(m_ticker, &SecondTicker::advance, this, &TrayBarSc::tick);
        m_ticker->release();
    }
    m_ticking = false;
    m_holding = false;
    m_expectedTime = 0;
    setRemaining(0);
    setPanUid(0);
}

void TrayBarSc::applyPending()
{
    if (!m_pending)
        return;
    m_pending = false;
    applyProduct(m_pendingDayPart, m_pendingProduct);
}

void TrayBarSc::standard_onEntry()
{
    setTrayState(STANDARD);
}

void TrayBarSc::warning_onEntry()
{
    setTrayState(WARNING);
    emit requestAlarm(1, true);
}

void TrayBarSc::discard_onEntry()
{
    setTrayState(DISCARD);
    emit requestAlarm(2, true);
    // A resumed hold whose end was reported before the stop is not reported twice.
    if (!m_expiryReported)
        emit holdExpired(m_binNumber, m_panUid);
    m_expiryReported = false;
}

void TrayBarSc::discard_onExit()
{
    emit requestAlarm(2, false);
}

int TrayBarSc::unitMs() const
{
    return AlarmTimings::scaled(1000);
}

int TrayBarSc::secondsLeftNow() const
{
    const qint64 left = m_holdSeconds - m_holdClock.elapsed() / unitMs();
    return int(qMax<qint64>(left, -0x7fffffff)); // a pan forgotten for decades stays negative
}

void TrayBarSc::reanchorToWallClock()
{
    // The hold lasts by the monotonic clock; its expiry on the wall clock moves only when
    // the wall clock is set (time zone, the date page, a time server), never by drift.
    const qint64 startNow = QDateTime::currentMSecsSinceEpoch() - m_holdClock.elapsed();
    if (qAbs(startNow - m_startWallMs) <= 500)
        return;
    qCInfo(lcHolding).noquote() << QStringLiteral("bin %1: wall clock moved by %2 ms, expiry follows")
                                       .arg(m_binNumber).arg(startNow - m_startWallMs);
    m_startWallMs = startNow;
    m_expectedTime = m_startWallMs + qint64(m_holdSeconds) * 1000;
}

void TrayBarSc::tick()
{
    if (!m_holding)
        return;
    reanchorToWallClock();
    // Reckoned from the expiry at the shared second, not counted: a late or missed wake-up
    // loses nothing, and every display showing this bin reckons the same.
    // A hold begun after the second this (late) tick serves is reckoned from its start.
    const int unit = unitMs();
    const qint64 at = qMax(ticker()->tickTime(), m_startWallMs);
    const qint64 left = SecondTicker::unitsLeft(m_startWallMs + qint64(m_holdSeconds) * unit, at, unit);
    setRemaining(int(qMax<qint64>(left, -0x7fffffff)));
    // Only a second that takes the hold to its next stage goes through the state table;
    // the others move the countdown alone, and twenty trays would otherwise cost twenty
    // transitions a second that change nothing.
    if (stageDue())
        emit secondElapsed();
    publish();
}

// The guards of the transitions on secondElapsed, by the stage the hold is in.
bool TrayBarSc::stageDue() const
{
    switch (m_trayState) {
    case STANDARD:
        return expired() || warningDue();
    case WARNING:
        return expired();
    default:
        return false;
    }
}

bool TrayBarSc::warningDue() const
{
    // Counted on the product's hold time, so a pan restarted with part of its time left
    // still warns with the product's warning margin left.
    return m_product.warningTime > 0
           && m_remainingTime <= m_product.holdTime - m_product.warningTime;
}

bool TrayBarSc::expired() const
{
    return m_remainingTime <= 0;
}

void TrayBarSc::setRemaining(int seconds)
{
    if (!m_holding)
        m_expectedTime = 0;
    if (m_remainingTime != seconds)
        emit remainingTimeChanged(m_remainingTime = seconds);
}

void TrayBarSc::setPanUid(quint64 uid)
{
    if (m_panUid == uid)
        return;
    m_panUid = uid;
    emit panUidChanged(get_panUidText());
}

// ---------------------------------------------------------------- record

void TrayBarSc::setTrayState(TrayState_enum state)
{
    if (m_trayState == state)
        return;
    m_trayState = state;
    emit trayStateChanged(state);
    publish();
}

void TrayBarSc::publish()
{
    emit trayInfoChanged(getTrayInfo());
}

trayInfo TrayBarSc::getTrayInfo() const
{
    trayInfo info;
    info.binNumber = quint8(m_binNumber);
    info.active = m_holding;
    info.dayPart = qint8(m_dayPart);
    info.isGroup = get_isGroup();
    info.productId = m_productId;
    info.groupIndex = qint8(m_groupIndex);
    info.remainingTime = m_remainingTime;
    info.expectedTime = m_expectedTime;
    info.trayState = quint8(m_trayState);
    return info;
}
