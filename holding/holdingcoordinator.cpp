#include "holdingcoordinator.h"

#include "zonenumbering.h"

#include "binview.h"
#include "secondticker.h"
#include "cabinetcore.h"
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "holdinglog.h"
#include "masteriomanager.h"
#include "menumanager.h"
#include "roleitemmodel.h"
#include "nfcmanager.h"
#include "safefilereader.h"
#include "nfctagitem2.h"
#include "taganalysis.h"
#include "tempprobestatemanager.h"
#include "translator.h"
#include "traybarsc.h"
#include "zonemanager.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>

namespace {

constexpr int FirstGroupId = 0x40000000;
constexpr int FullSizePan = 2;
constexpr int StandardState = 6; // TrayBarSc::STANDARD
constexpr int DiscardState = 8; // TrayBarSc::DISCARD

// Heater faults of one channel, as bits.
constexpr quint8 FaultOpen = 1;
constexpr quint8 FaultShorted = 2;
constexpr quint8 FaultHot = 4;

// How a slot's hold came to an end decides what the stop reports.
enum StopOrigin : quint8 {
    StopByOther = 0, // the other display's screen: reported like a tap here
    StopByScreen,    // a tap: the stop event (with its HACCP record), the pan's record stopped
    StopByCall,      // a caller of stopBinTimer (the cloud) reports the stop itself
    StopCancelled,   // the NFC manager moved or dropped the pan: the open HACCP record goes
};

// What the holding state file keeps of a bin changed: a hold began or ended, or its
// product, stage or expiry moved (its expiry is recomputed every second, to the ms).
bool holdChanged(const trayInfo &before, const trayInfo &after)
{
    return (before.active || after.active)
        && (before.active != after.active || before.trayState != after.trayState
            || before.productId != after.productId || before.groupIndex != after.groupIndex
            || qAbs(before.expectedTime - after.expectedTime) > 2000);
}

QString elapsedText(qint64 seconds)
{
    const qint64 s = qMax<qint64>(0, seconds);
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

HoldingCoordinator::HoldingCoordinator(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("holdingCoordinator"));
    qRegisterMetaType<trayInfo>("trayInfo");
    // One write for the changes of one moment (a day part reaches every bin), at most
    // StateSaveDelayMs after the first of them.
    m_stateSaveTimer.setSingleShot(true);
    m_stateSaveTimer.setInterval(StateSaveDelayMs);
    m_stateRefreshTimer.setInterval(StateRefreshMs);
    connect(&m_stateSaveTimer, &QTimer::timeout, this, &HoldingCoordinator::saveHoldingState);
    connect(&m_stateRefreshTimer, &QTimer::timeout, this, &HoldingCoordinator::saveHoldingState);
}

HoldingCoordinator::~HoldingCoordinator() = default;

CabinetCore *HoldingCoordinator::core() const
{
    return CabinetCore::of(this);
}

// ---- construction -----------------------------------------------------------------------

void HoldingCoordinator::create(const Setup &setup)
{
    m_setup = setup;
    CabinetCore *c = core();
    const int zones = c->get_numberOfZones();
    const int perZone = c->get_traysPerZone();

    // One supervisor per heater probe: two per zone.
    for (int probe = 0; probe < 2 * zones && probe < HeaterChannels; ++probe) {
        auto *supervisor = new TempProbeStateManager(probe, this);
        supervisor->setObjectName(QStringLiteral("tempProbe%1").arg(probe));
        m_probes << supervisor;
        connect(supervisor, &TempProbeStateManager::recordErrorTpOpen, this, [this, probe] { setChannelFault(probe, FaultOpen, true); });
        connect(supervisor, &TempProbeStateManager::clearErrorTpOpen, this, [this, probe] { setChannelFault(probe, FaultOpen, false); });
        connect(supervisor, &TempProbeStateManager::recordErrorTpShorted, this, [this, probe] { setChannelFault(probe, FaultShorted, true); });
        connect(supervisor, &TempProbeStateManager::clearErrorTpShorted, this, [this, probe] { setChannelFault(probe, FaultShorted, false); });
    }

    const int first = qBound(0, setup.firstZone, zones);
    const int last = qBound(first, setup.firstZone + setup.zoneCount, zones);
    for (int zone = first; zone < last; ++zone) {
        auto *manager = new ZoneManager(zone, zone * perZone, perZone, setup.createTrays, this);
        manager->setObjectName(QStringLiteral("zone%1").arg(zone));
        m_zones << manager;
        m_trays << manager->trays();
        connect(manager, &ZoneManager::targetTempsChanged, this, &HoldingCoordinator::onZoneTargets);
        connect(manager, &ZoneManager::zoneDaypartChanged, this, &HoldingCoordinator::onZoneDaypartChanged);
    }

    // One second for the slots' countdowns, what they send the other display and the tiles.
    m_secondTicker = new SecondTicker(this);
    for (int bin = 0; bin < MaxBins; ++bin)
        m_binViews << new BinView(bin, false, m_secondTicker, this);
    for (TrayBarSc *tray : qAsConst(m_trays)) {
        tray->setSecondTicker(m_secondTicker);
        const int bin = tray->get_binNumber();
        if (bin < 0 || bin >= MaxBins)
            continue;
        delete m_binViews[bin];
        m_binViews[bin] = new BinView(bin, true, m_secondTicker, this);
        connect(tray, &TrayBarSc::trayInfoChanged, this, &HoldingCoordinator::onTrayInfo);
        connect(tray, &TrayBarSc::productNameChanged, this, &HoldingCoordinator::onTrayProductChanged);
        connect(tray, &TrayBarSc::holdTimeChanged, this, &HoldingCoordinator::onTrayProductChanged);
        connect(tray, &TrayBarSc::holdStarted, this, &HoldingCoordinator::onHoldStarted);
        connect(tray, &TrayBarSc::holdExpired, this, &HoldingCoordinator::onHoldExpired);
        connect(tray, &TrayBarSc::holdStopped, this, &HoldingCoordinator::onHoldStopped);
        connect(tray, &TrayBarSc::preheatEntered, this, &HoldingCoordinator::onPreheatEntered);
        connect(tray, &TrayBarSc::preheatExited, this, &HoldingCoordinator::onPreheatExited);
    }

    m_nfc = new NFCmanager(this);
    m_nfc->setObjectName(QStringLiteral("nfcManager"));
    connect(m_nfc, &NFCmanager::startBinTimer, this, &HoldingCoordinator::startBinTimer);
    connect(m_nfc, &NFCmanager::stopBinTimer, this, [this](quint8 bin) { stopBin(bin, StopCancelled); });

    if (c->get_iAmMaster() && setup.modbus) {
        m_io = new MasterIoManager(setup.modbus, this);
        m_io->setObjectName(QStringLiteral("masterIoManager"));
        m_io->setConfigurationManager(c->configManager());
        m_io->setUi2MioZoneMap(setup.ui2mioZoneMap);
        m_io->setZoneNumberingOrder(setup.zoneNumberingOrder);
        // Fans follow the products held, as the heaters do.
        for (ZoneManager *manager : qAsConst(m_zones)) {
            m_io->setZoneFanTarget(manager->get_zoneNumber(), manager->get_fanTarget());
            connect(manager, &ZoneManager::fanTargetChanged, this, &HoldingCoordinator::onZoneFanTarget);
        }
        m_io->setNfcPollingInfo(c->get_nfcEnabled() ? setup.nfcPolling : nullptr);
        connect(m_io, &MasterIoManager::zoneActualTemps, this, &HoldingCoordinator::onZoneActuals);
        connect(m_io, &MasterIoManager::heaterTargetsChanged, this, &HoldingCoordinator::sendHeaterTargets);
        connect(m_io, &MasterIoManager::ambientTemperatureAlarm, this, &HoldingCoordinator::onAmbientAlarm);
        connect(m_io, &MasterIoManager::heaterHighTempAlarm, this, &HoldingCoordinator::onHeaterAlarm);
        // A heater over temperature is reported by its channel as error 2/7.
        connect(m_io, &MasterIoManager::errorInfo, this, [this](int main, int sub, int channel, int) {
            if (main == 2 && sub == 7)
                setChannelFault(channel, FaultHot, true);
        });
        connect(m_io, &MasterIoManager::errorClearInfo, this, [this](int main, int sub, int channel, int) {
            if (main == 2 && sub == 7)
                setChannelFault(channel, FaultHot, false);
        });
        if (c->get_nfcEnabled()) {
            m_analysis = new TagAnalysis(m_nfc, this, this);
            m_analysis->setObjectName(QStringLiteral("tagAnalysis"));
            connect(m_io, &MasterIoManager::binTagRead, m_analysis, &TagAnalysis::binTagRead);
            connect(m_analysis, &TagAnalysis::chime, this, &HoldingCoordinator::nfcChime);
            connect(m_analysis, &TagAnalysis::mismatchRaised, this, &HoldingCoordinator::onMismatchRaised);
            connect(m_analysis, &TagAnalysis::mismatchCleared, this, &HoldingCoordinator::onMismatchCleared);
            connect(m_analysis, &TagAnalysis::holdStartedByTag, this, &HoldingCoordinator::onHoldStartedByTag);
            connect(m_analysis, &TagAnalysis::holdingListChanged, this, &HoldingCoordinator::onTagsChanged);
        }
    }
    for (int bin = 0; bin < MaxBins; ++bin)
        updateBinProduct(bin);
    if (DayPartManager *dayParts = c->daypartManager())
        connect(dayParts, &DayPartManager::nextDayPartChanged, this, &HoldingCoordinator::scheduleStateSave);
    // Bins without a tray here (the other display's) rename themselves; trays report theirs.
    if (Translator *translator = c->translator())
        connect(translator, &Translator::languageChanged, this, &HoldingCoordinator::renameBins,
                Qt::QueuedConnection);
}

void HoldingCoordinator::renameBins()
{
    for (int bin = 0; bin < MaxBins; ++bin)
        updateBinProduct(bin);
}

void HoldingCoordinator::start()
{
    for (ZoneManager *zone : qAsConst(m_zones))
        zone->start();
    for (TrayBarSc *tray : qAsConst(m_trays))
        tray->start();
    for (TempProbeStateManager *probe : qAsConst(m_probes))
        probe->start();
    if (m_io)
        m_io->start();
}

void HoldingCoordinator::enterFirstStates()
{
    // A machine's start is a queued call to itself.
    const auto run = [](QObject *machine) { QCoreApplication::sendPostedEvents(machine, QEvent::MetaCall); };
    for (ZoneManager *zone : qAsConst(m_zones))
        run(zone);
    for (TrayBarSc *tray : qAsConst(m_trays))
        run(tray);
    for (TempProbeStateManager *probe : qAsConst(m_probes))
        run(probe);
    if (m_io)
        run(m_io);
}

// ---- lookups ----------------------------------------------------------------------------

TrayBarSc *HoldingCoordinator::trayOfBin(int bin) const
{
    for (TrayBarSc *tray : m_trays) {
        if (tray->get_binNumber() == bin)
            return tray;
    }
    return nullptr;
}

BinView *HoldingCoordinator::binView(int bin) const
{
    return bin >= 0 && bin < m_binViews.size() ? m_binViews.at(bin) : nullptr;
}

QList<QObject *> HoldingCoordinator::get_bins() const
{
    QList<QObject *> list;
    for (BinView *view : m_binViews)
        list << view;
    return list;
}

QVariantList HoldingCoordinator::get_zoneTemps() const
{
    QVariantList list;
    const int zones = qMin(core()->get_numberOfZones(), HeaterChannels / 2);
    for (int zone = 0; zone < zones; ++zone) {
        list << QVariantMap{{QStringLiteral("zone"), zone},
                            {QStringLiteral("targetLower"), m_targets.at(2 * zone)},
                            {QStringLiteral("targetUpper"), m_targets.at(2 * zone + 1)},
                            {QStringLiteral("actualLower"), m_actuals.at(2 * zone)},
                            {QStringLiteral("actualUpper"), m_actuals.at(2 * zone + 1)}};
    }
    return list;
}

int HoldingCoordinator::uiZoneOfChannel(int channel) const
{
    return ZoneNumbering::zoneOfHeater(m_setup.ui2mioZoneMap, core()->get_numberOfZones(), channel);
}

void HoldingCoordinator::setChannelFault(int channel, quint8 bit, bool on)
{
    if (channel < 0 || channel >= HeaterChannels)
        return;
    const quint8 before = m_channelFaults.at(channel);
    const quint8 after = on ? quint8(before | bit) : quint8(before & ~bit);
    if (before == after)
        return;
    m_channelFaults[channel] = after;
    qCInfo(lcHolding) << "heater channel" << channel << "of zone" << uiZoneOfChannel(channel) << "faults" << after;
    emit zoneFaultsChanged();
}

QStringList HoldingCoordinator::get_zoneFaults() const
{
    const int zones = qMin(core()->get_numberOfZones(), HeaterChannels / 2);
    QVector<quint8> byZone(zones, 0);
    for (int channel = 0; channel < HeaterChannels; ++channel) {
        const int zone = uiZoneOfChannel(channel);
        if (zone >= 0 && zone < zones)
            byZone[zone] |= m_channelFaults.at(channel) | m_remoteChannelFaults.at(channel);
    }
    QStringList list;
    for (quint8 faults : qAsConst(byZone)) {
        // One word per zone: a probe that reads nothing before a heater that runs hot.
        list << (faults & FaultOpen ? QStringLiteral("open")
                 : faults & FaultShorted ? QStringLiteral("shorted")
                 : faults & FaultHot ? QStringLiteral("hot") : QString());
    }
    return list;
}

void HoldingCoordinator::applyRemoteChannelFaults(const QVector<quint8> &faults)
{
    if (faults.size() != HeaterChannels || faults == m_remoteChannelFaults)
        return;
    m_remoteChannelFaults = faults;
    qCInfo(lcHolding) << "heater faults of the master:" << faults;
    emit zoneFaultsChanged();
}

int HoldingCoordinator::binCount() const
{
    return qBound(0, core()->get_traysPerCabinet(), int(MaxBins));
}

int HoldingCoordinator::productRow(int productId) const
{
    MenuManager *menu = core()->menuManager();
    return menu ? menu->getProductIndex(productId) : 0;
}

QString HoldingCoordinator::productName(int productId) const
{
    MenuManager *menu = core()->menuManager();
    return menu ? menu->getProductName(productId).toString() : QString();
}

QString HoldingCoordinator::shownProductName(int productId) const
{
    MenuManager *menu = core()->menuManager();
    if (!menu)
        return QString();
    // Not every product is named in every language: the plain name stands in, as on a tray.
    const QString name = menu->getProductName(productId).toString();
    return name.isEmpty() ? menu->getProductName(-1, productId).toString() : name;
}

int HoldingCoordinator::panSizeOfProduct(int productId) const
{
    MenuManager *menu = core()->menuManager();
    return menu && productId != 0 ? menu->getProductPanSize(productRow(productId)).toInt() : 0;
}

int HoldingCoordinator::holdTimeOfProduct(int productId) const
{
    MenuManager *menu = core()->menuManager();
    return menu && productId != 0 ? menu->getProductHoldTime(productRow(productId)).toInt() : 0;
}

int HoldingCoordinator::getProductHoldTime(int prodId) const
{
    return holdTimeOfProduct(prodId);
}

bool HoldingCoordinator::binIsHolding(int bin) const
{
    const BinView *view = binView(bin);
    return view && view->isHolding();
}

int HoldingCoordinator::productIdOfBin(int bin) const
{
    if (!validBin(bin))
        return 0;
    const trayInfo &record = m_binViews.at(bin)->record();
    int id = record.productId;
    int groupIndex = record.groupIndex;
    if (id == 0 && !isLocal(bin)) {
        // A bin of the other display that has not reported yet: its day part's product.
        DayPartManager *dayParts = core()->daypartManager();
        id = dayParts ? dayParts->getProdIdOnBin(dayParts->get_nextDayPart(), bin) : 0;
        groupIndex = 0;
    }
    if (id >= FirstGroupId) {
        MenuManager *menu = core()->menuManager();
        const QVariantList members = menu ? menu->getProductGroupPList(id).toList() : QVariantList();
        id = groupIndex >= 0 && groupIndex < members.size() ? members.at(groupIndex).toInt() : 0;
    }
    return id;
}

int HoldingCoordinator::getProductIDfromBinNumber(unsigned char bin) const
{
    const int id = productIdOfBin(bin);
    // An empty odd bin beside a full-size pan belongs to that pan.
    if (core()->get_nfcEnabled() && (bin & 1) && validBin(bin) && !binIsHolding(bin)) {
        const int even = productIdOfBin(bin - 1);
        if (panSizeOfProduct(even) == FullSizePan)
            return even;
    }
    return id;
}

int HoldingCoordinator::getProductPanSizeFromBinNumber(unsigned char bin) const
{
    return panSizeOfProduct(getProductIDfromBinNumber(bin));
}

int HoldingCoordinator::fullSizeBin(int bin) const
{
    return (bin & 1) && panSizeOfProduct(productIdOfBin(bin & ~1)) == FullSizePan ? (bin & ~1) : bin;
}

int HoldingCoordinator::get_trayState(int bin) const
{
    return bin >= 0 && bin < MaxBins ? m_binViews.at(bin)->get_trayState() : 0;
}

trayInfo HoldingCoordinator::getTrayInfo(int bin) const
{
    return bin >= 0 && bin < MaxBins ? m_binViews.at(bin)->record() : trayInfo();
}

quint64 HoldingCoordinator::get_misMatchedPanId(int bin) const
{
    return bin >= 0 && bin < MaxBins ? m_misMatchedPanId[bin] : 0;
}

QString HoldingCoordinator::get_misMatchId(int bin) const
{
    return bin >= 0 && bin < MaxBins ? m_misMatchId[bin] : QString();
}

// What the reader last read at the bin, not the registry's pan: a lifted pan reads 0 and
// a tag on a bin without a product reads as a tag (the factory's tag-read test).
quint64 HoldingCoordinator::getTagUidAtBin(unsigned char bin) const
{
    return m_nfc ? m_nfc->getPreviousUid(bin) : 0;
}

ZoneManager *HoldingCoordinator::getZonePtr(unsigned char zone) const
{
    for (ZoneManager *manager : m_zones) {
        if (manager->get_zoneNumber() == zone)
            return manager;
    }
    return nullptr;
}

QString HoldingCoordinator::nowSeconds()
{
    return QString::number(QDateTime::currentMSecsSinceEpoch() / 1000);
}

QString HoldingCoordinator::panText(quint64 uid)
{
    return QString::number(uid, 16);
}

// ---- starting and stopping --------------------------------------------------------------

void HoldingCoordinator::toggleBin(int bin)
{
    if (!validBin(bin))
        return;
    bin = fullSizeBin(bin);
    if (binIsHolding(bin)) {
        stopBin(bin, StopByScreen);
        return;
    }
    const int product = productIdOfBin(bin);
    if (product == 0) {
        qCDebug(lcHolding) << "Bin" << bin << "has no product to hold";
        return;
    }
    startBinTimer(quint8(bin), holdTimeOfProduct(product), 0);
    if (core()->get_iAmMaster())
        sendHoldStartedEventToDbus(quint8(bin), 0, QStringLiteral("manual"));
}

void HoldingCoordinator::startBinTimer(unsigned char bin, int seconds, quint64 uid)
{
    if (!validBin(bin)) {
        qCWarning(lcHolding) << "startBinTimer: bin" << bin << "outside the cabinet";
        return;
    }
    const int target = fullSizeBin(bin);
    // A pan's hold runs only in the bin the pan is registered in: a restart of a pan
    // that has left must not start whatever is in its old bin now.
    if (uid != 0 && m_nfc && m_nfc->getBinTagUid(target) != uid) {
        qCWarning(lcHolding) << "startBinTimer: pan" << panText(uid) << "is not registered in bin" << target
                             << "; not started";
        return;
    }
    if (TrayBarSc *tray = trayOfBin(target)) {
        tray->startHolding(seconds, uid);
    } else {
        m_remoteStartRequested[target] = true;
        emit sendBinStart(target, seconds, uid);
    }
}

void HoldingCoordinator::stopBinTimer(quint8 bin)
{
    stopBin(bin, StopByCall);
}

void HoldingCoordinator::stopBin(int bin, quint8 origin)
{
    if (!validBin(bin))
        return;
    const int target = fullSizeBin(bin);
    m_stopOrigin[target] = origin;
    if (TrayBarSc *tray = trayOfBin(target))
        tray->stopHolding();
    else
        emit sendBinStop(target);
}

void HoldingCoordinator::sendHoldStartedEventToDbus(unsigned char bin, quint64 uid, const QString &method)
{
    if (!validBin(bin))
        return;
    emit event_holdStarted(nowSeconds(), productName(getProductIDfromBinNumber(bin)), panText(uid), bin, method);
}

void HoldingCoordinator::reStateTraysHoldTemps()
{
    applyRemoteRestate();
    if (core()->get_hasSecondaryDisplay())
        emit sendRestateHoldTemps();
}

void HoldingCoordinator::applyRemoteRestate()
{
    for (ZoneManager *zone : qAsConst(m_zones))
        zone->reStateHoldTemps();
    // A zone signals only changed targets, but the board may hold test targets the zone
    // never set: its holding targets go out again either way.
    for (ZoneManager *zone : qAsConst(m_zones)) {
        const QList<int> targets = zone->get_targetTempsList();
        onZoneTargets(zone->get_zoneNumber(), targets.at(0), targets.at(1));
    }
}

// ---- what the local slots report --------------------------------------------------------

void HoldingCoordinator::onTrayInfo(const trayInfo &info)
{
    BinView *view = binView(info.binNumber);
    if (!view)
        return;
    const trayInfo before = view->record();
    view->setSlotRecord(info);
    if (before.productId != info.productId || before.groupIndex != info.groupIndex)
        view->setTimerColor(timerColorOfProduct(productIdOfBin(info.binNumber)));
    // The other display reckons the countdown from the expiry itself; it hears of changes
    // and, once a shared second, of the time left.
    if (before.trayState != info.trayState || before.productId != info.productId || before.active != info.active
        || before.groupIndex != info.groupIndex || before.expectedTime != info.expectedTime
        || before.remainingTime != info.remainingTime)
        emit sendTrayInfo(info);
    if (before.active != info.active)
        updateActivelyHolding();
    if (holdChanged(before, info))
        scheduleStateSave();
}

void HoldingCoordinator::onTrayProductChanged()
{
    if (auto *tray = qobject_cast<TrayBarSc *>(sender()))
        updateBinProduct(tray->get_binNumber());
}

void HoldingCoordinator::updateBinProduct(int bin)
{
    BinView *view = binView(bin);
    if (!view)
        return;
    view->setTimerColor(timerColorOfProduct(productIdOfBin(bin)));
    if (!isLocal(bin))
        updateRemoteZoneFan(bin);
    if (TrayBarSc *tray = trayOfBin(bin)) {
        view->setProduct(tray->get_productName(), tray->get_holdTime());
        return;
    }
    const int product = productIdOfBin(bin);
    view->setProduct(product ? shownProductName(product) : QString(), holdTimeOfProduct(product));
}

void HoldingCoordinator::onZoneFanTarget(int zone, int percent)
{
    if (!m_io)
        return;
    m_io->setZoneFanTarget(zone, percent);
    // Written once the board runs; it then writes them all itself.
    if (core()->get_hasFan() && m_io->get_isRunning())
        m_io->sendAllFanTargetsRequest();
}

// The other display's zones have no zone manager here: their fans follow the products
// their bins report (or their day part assigns), as the zone managers compute it.
void HoldingCoordinator::updateRemoteZoneFan(int bin)
{
    const int perZone = core()->get_traysPerZone();
    if (!m_io || perZone <= 0)
        return;
    const int zone = bin / perZone;
    int fan = 0;
    for (int b = zone * perZone; b < (zone + 1) * perZone && validBin(b); ++b)
        fan = qMax(fan, fanSpeedOfProduct(productIdOfBin(b)));
    if (fan != m_remoteZoneFan.value(zone, -1)) {
        m_remoteZoneFan[zone] = fan;
        onZoneFanTarget(zone, fan);
    }
}

int HoldingCoordinator::fanSpeedOfProduct(int productId) const
{
    MenuManager *menu = core()->menuManager();
    if (!menu || productId == 0)
        return 0;
    const int row = productRow(productId);
    return qBound(0, menu->productsModel()->index(row, 0).data(MenuManager::TargetFanSpeedRole).toInt(), 100);
}

QString HoldingCoordinator::timerColorOfProduct(int productId) const
{
    MenuManager *menu = core()->menuManager();
    if (!menu || productId == 0)
        return QString();
    const int row = productRow(productId);
    return menu->productsModel()->index(row, 0).data(MenuManager::TimerColorRole).toString();
}

void HoldingCoordinator::onHoldStarted(int bin, quint64 uid)
{
    Q_UNUSED(uid)
    if (bin >= 0 && bin < MaxBins)
        m_stopOrigin[bin] = StopByOther;
}

void HoldingCoordinator::onHoldExpired(int bin, quint64 uid)
{
    if (uid != 0 && m_nfc) {
        if (NfcTagItem2 *tag = m_nfc->viewTagInfo2(uid))
            tag->setHoldStatus(3);
    }
    if (core()->get_iAmMaster())
        emit event_holdExpired(nowSeconds(), productName(getProductIDfromBinNumber(bin)), panText(uid), bin);
}

void HoldingCoordinator::onHoldStopped(int bin, quint64 uid, int secondsLeft)
{
    if (bin < 0 || bin >= MaxBins)
        return;
    const quint8 origin = m_stopOrigin[bin];
    m_stopOrigin[bin] = StopByOther;
    if (origin == StopCancelled) {
        const trayInfo &record = m_binViews.at(bin)->record();
        removeHaccpLogTimerStartInfo(bin, productIdOfBin(bin), record.expectedTime);
        return;
    }
    if (origin == StopByCall)
        return;
    if (uid != 0 && m_nfc && m_nfc->getBinTagUid(bin) == uid)
        m_nfc->deregisterTag2(uid);
    if (core()->get_iAmMaster())
        emit event_holdStopped(nowSeconds(), productName(getProductIDfromBinNumber(bin)), panText(uid), bin,
                               QStringLiteral("manual"), secondsLeft);
}

void HoldingCoordinator::onPreheatEntered(int bin)
{
    if (core()->get_iAmMaster())
        emit zonePreheatEntered(nowSeconds(), bin);
    else
        emit sendPreheatReport(bin, true, 0);
}

void HoldingCoordinator::onPreheatExited(int bin, int heatTime)
{
    if (core()->get_iAmMaster())
        emit zonePreheatExited(nowSeconds(), bin, heatTime);
    else
        emit sendPreheatReport(bin, false, heatTime);
}

void HoldingCoordinator::onZoneDaypartChanged(int zone, int newDp, int prevDp)
{
    emit zoneDaypartChanged(nowSeconds(), zone, newDp, prevDp);
    // Bins of the other display show that display's day-part assignment until it reports.
    for (int bin = 0; bin < MaxBins; ++bin) {
        if (!isLocal(bin))
            updateBinProduct(bin);
    }
}

void HoldingCoordinator::updateActivelyHolding()
{
    bool holding = false;
    for (const BinView *view : qAsConst(m_binViews))
        holding = holding || view->isHolding();
    if (holding == m_activelyHolding)
        return;
    m_activelyHolding = holding;
    emit activelyHoldingChanged(holding);
}

// ---- temperatures -----------------------------------------------------------------------

bool HoldingCoordinator::holdsZone(int zone) const
{
    // A mirror display has the zones but none of their trays: their targets are the master's.
    const ZoneManager *manager = getZonePtr(quint8(zone));
    return zone >= 0 && zone < 256 && manager && !manager->trays().isEmpty();
}

void HoldingCoordinator::onZoneTargets(int zone, int lower, int upper)
{
    if (zone < 0 || 2 * zone + 1 >= HeaterChannels || !holdsZone(zone))
        return;
    m_targets[2 * zone] = lower;
    m_targets[2 * zone + 1] = upper;
    emit zoneTempsChanged();
    if (m_io)
        m_io->setZoneTargets(zone, lower, upper);
    sendOwnTargets();
}

void HoldingCoordinator::sendOwnTargets()
{
    // The master writes the set points and both displays show every zone's: the other
    // display gets the zones whose trays are here, the rest left as they are (-1).
    if (!core()->get_hasSecondaryDisplay() && !core()->get_hasMirrorDisplay())
        return;
    QVector<int> targets(HeaterChannels, -1);
    bool any = false;
    for (ZoneManager *manager : qAsConst(m_zones)) {
        const int z = manager->get_zoneNumber();
        if (2 * z + 1 < HeaterChannels && holdsZone(z)) {
            targets[2 * z] = m_targets.at(2 * z);
            targets[2 * z + 1] = m_targets.at(2 * z + 1);
            any = true;
        }
    }
    if (any)
        emit sendHeaterTargets(targets);
}

void HoldingCoordinator::applyRemoteTargets(const QVector<int> &targets)
{
    if (targets.size() != HeaterChannels)
        return;
    for (int zone = 0; 2 * zone + 1 < HeaterChannels; ++zone) {
        const int lower = targets.at(2 * zone);
        const int upper = targets.at(2 * zone + 1);
        if (lower < 0 || upper < 0 || holdsZone(zone))
            continue; // not the sender's zone, or one of ours
        m_targets[2 * zone] = lower;
        m_targets[2 * zone + 1] = upper;
        if (m_io && zone < core()->get_numberOfZones())
            m_io->setZoneTargets(zone, lower, upper);
    }
    emit zoneTempsChanged();
}

void HoldingCoordinator::onZoneActuals(int uiZone, int lower, int upper)
{
    if (uiZone < 0 || 2 * uiZone + 1 >= HeaterChannels)
        return;
    if (m_actuals.at(2 * uiZone) != lower || m_actuals.at(2 * uiZone + 1) != upper) {
        m_actuals[2 * uiZone] = lower;
        m_actuals[2 * uiZone + 1] = upper;
        m_actualsChanged = true;
    }
    if (ZoneManager *zone = getZonePtr(quint8(uiZone)))
        zone->set_actualTemps(lower, upper);
    // One report per sweep of the zones; the screens hear only of a sweep that changed a
    // reading, the other display of every sweep.
    if (uiZone == core()->get_numberOfZones() - 1) {
        if (m_actualsChanged) {
            m_actualsChanged = false;
            emit zoneTempsChanged();
        }
        if (core()->get_hasSecondaryDisplay() || core()->get_hasMirrorDisplay())
            emit sendActuals(m_actuals, 0);
    }
}

void HoldingCoordinator::applyRemoteActuals(const QVector<int> &actuals, int ambient)
{
    Q_UNUSED(ambient)
    if (actuals.size() != HeaterChannels || core()->get_iAmMaster() || actuals == m_actuals)
        return;
    m_actuals = actuals;
    for (ZoneManager *zone : qAsConst(m_zones)) {
        const int z = zone->get_zoneNumber();
        if (2 * z + 1 < HeaterChannels)
            zone->set_actualTemps(actuals.at(2 * z), actuals.at(2 * z + 1));
    }
    emit zoneTempsChanged();
}

void HoldingCoordinator::onAmbientAlarm()
{
    if (!m_ambientAlarmActive) {
        m_ambientAlarmActive = true;
        emit ambientAlarmActiveChanged(true);
    }
    emit ambientTemperatureAlarm();
    emit sendTemperatureAlarm(1);
}

void HoldingCoordinator::onHeaterAlarm()
{
    emit heaterHighTempAlarm();
    emit sendTemperatureAlarm(2);
}

void HoldingCoordinator::applyRemoteTemperatureAlarm(int kind)
{
    if (kind == 0) {
        // Not sent back: the sender has reset its own alarm already.
        resetAmbientTempAlarm();
        emit ambientAlarmAcknowledged();
    } else if (kind == 1) {
        if (!m_ambientAlarmActive) {
            m_ambientAlarmActive = true;
            emit ambientAlarmActiveChanged(true);
        }
        emit ambientTemperatureAlarm();
    } else if (kind == 2) {
        emit heaterHighTempAlarm();
    }
}

void HoldingCoordinator::acknowledgeAmbientAlarm()
{
    resetAmbientTempAlarm();
    emit sendTemperatureAlarm(0);
}

void HoldingCoordinator::resetAmbientTempAlarm()
{
    if (m_io)
        m_io->resetAmbientTempAlarm();
    if (m_ambientAlarmActive) {
        m_ambientAlarmActive = false;
        emit ambientAlarmActiveChanged(false);
    }
}

// ---- pans -------------------------------------------------------------------------------

void HoldingCoordinator::onHoldStartedByTag(int bin, quint64 uid)
{
    // The analysis knows products by id only; the record carries its product's name.
    MenuManager *menu = core()->menuManager();
    if (NfcTagItem2 *tag = menu ? m_nfc->viewTagInfo2(uid) : nullptr) {
        // The plain name (language -1), so that the CRC does not follow the screen language.
        const QString plain = menu->getProductName(-1, tag->getProductId()).toString();
        tag->setCrc32(NfcTagItem2::productNameCrc32(plain));
        m_nfc->saveNFC2();
    }
    sendHoldStartedEventToDbus(quint8(bin), uid, QStringLiteral("auto"));
}

int HoldingCoordinator::panProduct(quint64 uid) const
{
    // A registered pan holds the product it was started with (a universal pan has none
    // in its tag); any other pan the product of its tag.
    const NfcTagItem2 *tag = m_nfc ? m_nfc->viewTagInfo2(uid) : nullptr;
    return tag && tag->getProductId() != 0 ? tag->getProductId() : NfcTagItem2::tagProduct(uid);
}

void HoldingCoordinator::onTagsChanged()
{
    emit holdingListChanged(QString::number((QDateTime::currentMSecsSinceEpoch() + 500) / 1000));
}

void HoldingCoordinator::onMismatchRaised(int bin, quint64 uid, bool universal)
{
    if (!validBin(bin))
        return;
    bin = fullSizeBin(bin);
    m_misMatchedPanId[bin] = uid;
    const ConfigurationManager *config = core()->configManager();
    m_misMatchId[bin] = QStringLiteral("%1:%2:%3").arg(nowSeconds(), config ? config->get_serialNumber() : QString())
                            .arg(bin);
    m_binViews.at(bin)->setMismatch(true);
    if (TrayBarSc *tray = trayOfBin(bin))
        tray->setMismatch(true, universal);
    // Every other display shows the mark; the one whose slot holds the bin also sounds it.
    emit sendMismatch(bin, true, universal, uid);
    emit notifyBinMismatchAlert(nowSeconds(), productName(panProduct(uid)), panText(uid), bin,
                                productName(productIdOfBin(bin)));
}

void HoldingCoordinator::onMismatchCleared(int bin, quint64 uid, bool universal)
{
    if (!validBin(bin))
        return;
    bin = fullSizeBin(bin);
    m_binViews.at(bin)->setMismatch(false);
    if (TrayBarSc *tray = trayOfBin(bin))
        tray->setMismatch(false, universal);
    emit sendMismatch(bin, false, universal, uid);
    emit notifyBinMismatchClear(nowSeconds(), productName(panProduct(uid)), panText(uid), bin,
                                productName(productIdOfBin(bin)));
}

void HoldingCoordinator::applyRemoteMismatch(int bin, bool on, bool universal, quint64 uid)
{
    Q_UNUSED(uid)
    if (!validBin(bin))
        return;
    m_binViews.at(bin)->setMismatch(on);
    if (TrayBarSc *tray = trayOfBin(bin))
        tray->setMismatch(on, universal);
}

void HoldingCoordinator::restoreHolding()
{
    if (!m_nfc)
        return;
    m_nfc->restoreNFC2();
    m_nfc->restorePreviousUid();
    if (!m_stateRestored) {
        restoreHoldingState();
        m_stateRestored = true;
        m_stateRefreshTimer.start();
    }
    if (m_io)
        m_io->startNfcScanning();
}

// ---- what the other display reports -----------------------------------------------------

void HoldingCoordinator::applyRemoteStart(int bin, int seconds, quint64 uid)
{
    if (TrayBarSc *tray = validBin(bin) ? trayOfBin(bin) : nullptr)
        tray->startHolding(seconds, uid);
    else
        qCWarning(lcHolding) << "Start request for bin" << bin << "that this display does not hold; ignored";
}

void HoldingCoordinator::applyRemoteResume(int bin, int productId, int dayPart, int secondsLeft, quint64 uid,
                                           bool expiryReported)
{
    TrayBarSc *tray = validBin(bin) ? trayOfBin(bin) : nullptr;
    if (!tray)
        qCWarning(lcHolding) << "Resume request for bin" << bin << "that this display does not hold; ignored";
    else if (!tray->resumeHolding(productId, dayPart, secondsLeft, uid, expiryReported))
        qCWarning(lcHolding) << "Resume request for bin" << bin << "of product" << productId << "refused";
}

void HoldingCoordinator::applyRemoteStop(int bin)
{
    if (TrayBarSc *tray = validBin(bin) ? trayOfBin(bin) : nullptr)
        tray->stopHolding();
    else
        qCWarning(lcHolding) << "Stop request for bin" << bin << "that this display does not hold; ignored";
}

void HoldingCoordinator::applyRemoteTrayInfo(const trayInfo &info)
{
    const int bin = info.binNumber;
    if (!validBin(bin) || isLocal(bin))
        return; // our own slots report themselves
    BinView *view = m_binViews.at(bin);
    const trayInfo before = view->record();
    view->setRecord(info, true);
    updateBinProduct(bin);
    if (core()->get_iAmMaster())
        raiseRemoteEvents(before, info);
    if (before.active != info.active)
        updateActivelyHolding();
    if (m_remoteResumeTries[bin] > 0) {
        if (info.active)
            m_remoteResumeTries[bin] = 0;
        else
            resendRemoteResume(bin);
    }
    if (holdChanged(before, info))
        scheduleStateSave();
}

// The master reports the holds of the other display's slots as its own.
void HoldingCoordinator::raiseRemoteEvents(const trayInfo &before, const trayInfo &after)
{
    const int bin = after.binNumber;
    const quint64 uid = m_nfc ? m_nfc->getBinTagUid(bin) : 0;
    if (!before.active && after.active) {
        if (!m_remoteStartRequested[bin])
            sendHoldStartedEventToDbus(quint8(bin), 0, QStringLiteral("manual"));
        m_remoteStartRequested[bin] = false;
        m_stopOrigin[bin] = StopByOther;
    } else if (before.active && !after.active) {
        const quint8 origin = m_stopOrigin[bin];
        m_stopOrigin[bin] = StopByOther;
        if (origin == StopCancelled) {
            removeHaccpLogTimerStartInfo(bin, before.productId, before.expectedTime);
        } else if (origin != StopByCall) {
            emit event_holdStopped(nowSeconds(), productName(productIdOfBin(bin)), panText(uid), bin,
                                   QStringLiteral("manual"), before.remainingTime);
        }
    }
    // A hold resumed in discard whose end was reported before the restart is not reported again.
    const bool reportedBefore = !before.active && m_remoteResumeTries[bin] > 0
        && m_remoteResume[bin].state == DiscardState;
    if (after.active && after.trayState == DiscardState && before.trayState != DiscardState && !reportedBefore)
        emit event_holdExpired(nowSeconds(), productName(productIdOfBin(bin)), panText(uid), bin);
}

void HoldingCoordinator::applyRemotePreheat(int bin, bool entered, int heatTime)
{
    if (!core()->get_iAmMaster() || !validBin(bin))
        return;
    if (entered)
        emit zonePreheatEntered(nowSeconds(), bin);
    else
        emit zonePreheatExited(nowSeconds(), bin, heatTime);
}

// ---- HACCP ------------------------------------------------------------------------------

HaccpData HoldingCoordinator::haccpRecord(const QString &productType, int binNumber, qint64 elapsedSeconds) const
{
    QDateTime start = QDateTime::fromMSecsSinceEpoch(QDateTime::currentMSecsSinceEpoch() - elapsedSeconds * 1000);
    const QDateTime local = core()->adjustToLocalDateTime(start);
    HaccpData data;
    data.name = productType;
    data.date = local.toString(QStringLiteral("yyyy/MM/dd"));
    data.time = local.toString(QStringLiteral("HH:mm:ss"));
    data.duration = QStringLiteral("----");
    data.binNumber = binNumber;
    return data;
}

void HoldingCoordinator::logHaccpTimerStartInfo(const QString &timeStamp, const QString &productType,
                                                const QString &panID, int binNumber, const QString &method)
{
    Q_UNUSED(timeStamp) Q_UNUSED(panID) Q_UNUSED(method)
    if (binNumber < 0 || binNumber >= binCount())
        return;
    const qint64 elapsed = qint64(holdTimeOfProduct(getProductIDfromBinNumber(quint8(binNumber))))
                           - getTrayInfo(binNumber).remainingTime;
    const HaccpData data = haccpRecord(productType, binNumber, elapsed);
    if (m_haccp)
        m_haccp->logDataEntry(data);
}

void HoldingCoordinator::logHaccpTimerStopInfo(const QString &timeStamp, const QString &productType,
                                               const QString &panID, int binNumber, const QString &method,
                                               int timeRemaining)
{
    Q_UNUSED(timeStamp) Q_UNUSED(panID) Q_UNUSED(method)
    if (binNumber < 0 || binNumber >= binCount())
        return;
    const qint64 elapsed = qint64(holdTimeOfProduct(getProductIDfromBinNumber(quint8(binNumber)))) - timeRemaining;
    HaccpData data = haccpRecord(productType, binNumber, elapsed);
    data.duration = elapsedText(elapsed);
    data.expired = timeRemaining < 0;
    if (m_haccp) {
        m_haccp->removeStartDataLogEntry(data);
        m_haccp->logDataEntry(data);
    }
}

void HoldingCoordinator::removeHaccpLogTimerStartInfo(int binNumber, int productId, qint64 expectedTime)
{
    if (binNumber < 0 || binNumber >= binCount())
        return;
    const qint64 startMs = expectedTime - qint64(holdTimeOfProduct(productId)) * 1000;
    const qint64 elapsed = (QDateTime::currentMSecsSinceEpoch() - startMs) / 1000;
    const HaccpData data = haccpRecord(productName(productId), binNumber, elapsed);
    if (m_haccp)
        m_haccp->removeStartDataLogEntry(data);
}

// ---- the holding state that survives a power cut ----------------------------------------

void HoldingCoordinator::scheduleStateSave()
{
    if (m_stateRestored && !m_stateSaveTimer.isActive())
        m_stateSaveTimer.start();
}

bool HoldingCoordinator::saveHoldingState()
{
    m_stateSaveTimer.stop();
    if (!m_stateRestored)
        return false; // the file still holds what the restore has to read
    if (!m_unreadableState.isEmpty()) {
        // Kept for a person to look at, out of the way of the state written now.
        SafeFileReader::setAside(HoldingStateFile::path(), m_unreadableState);
        m_unreadableState.clear();
    }
    QString why;
    QElapsedTimer took;
    took.start();
    const HoldingStateFile::Content content = holdingState();
    if (!HoldingStateFile::write(content, &why)) {
        qCWarning(lcHolding).noquote() << "Holding state not saved:" << why;
        return false;
    }
    qCDebug(lcHolding) << "Holding state saved:" << content.bins.size() << "holds in" << took.elapsed() << "ms";
    return true;
}

HoldingStateFile::Content HoldingCoordinator::holdingState() const
{
    HoldingStateFile::Content content;
    content.written = QDateTime::currentMSecsSinceEpoch();
    if (const DayPartManager *dayParts = core()->daypartManager())
        content.dayPart = qBound(0, dayParts->get_nextDayPart(), DayPartManager::maxDayParts - 1);
    MenuManager *menu = core()->menuManager();
    for (int bin = 0; bin < binCount(); ++bin) {
        const trayInfo &record = m_binViews.at(bin)->record();
        if (!record.active || record.expectedTime <= 0 || record.productId == 0) {
            // Given to the other display and not yet taken up: still a hold of the cabinet.
            if (m_remoteResumeTries[bin] > 0)
                content.bins << m_remoteResume[bin];
            continue;
        }
        HoldingStateFile::Bin entry;
        entry.bin = bin;
        entry.state = qBound(StandardState, int(record.trayState), DiscardState);
        entry.productId = record.productId;
        entry.groupIndex = qMax(0, int(record.groupIndex));
        entry.dayPart = qBound(0, int(record.dayPart), DayPartManager::maxDayParts - 1);
        const TrayBarSc *tray = trayOfBin(bin);
        entry.pan = tray ? tray->get_panUid() : m_nfc ? m_nfc->getBinTagUid(bin) : 0;
        const int member = productIdOfBin(bin);
        const qint64 holdMs = qint64(holdTimeOfProduct(member)) * 1000;
        const qint64 warningMs = menu && member ? qint64(menu->getProductWarningTime(productRow(member)).toInt()) * 1000 : 0;
        entry.expiry = record.expectedTime;
        entry.start = qMax<qint64>(0, entry.expiry - holdMs);
        entry.warning = warningMs > 0 ? entry.start + warningMs : 0;
        content.bins << entry;
    }
    return content;
}

int HoldingCoordinator::memberInMenu(int productId, int groupIndex) const
{
    MenuManager *menu = core()->menuManager();
    if (!menu || productId == 0)
        return 0;
    int member = productId;
    if (productId >= FirstGroupId) {
        const QVariantList members = menu->getProductGroupPList(productId).toList();
        member = groupIndex >= 0 && groupIndex < members.size() ? members.at(groupIndex).toInt() : 0;
    }
    // An unknown id answers with row 0: only a row that carries the id is the product.
    return member != 0 && menu->getProductId(productRow(member)).toInt() == member ? member : 0;
}

HaccpData HoldingCoordinator::startRecord(int bin, int member, qint64 startMs) const
{
    return haccpRecord(productName(member), bin, (QDateTime::currentMSecsSinceEpoch() - startMs) / 1000);
}

QList<HaccpData> HoldingCoordinator::startRecordsOfHolds() const
{
    QList<HaccpData> records;
    for (int bin = 0; bin < binCount(); ++bin) {
        const trayInfo &record = m_binViews.at(bin)->record();
        if (record.active) {
            const int member = productIdOfBin(bin);
            records << startRecord(bin, member, record.expectedTime - qint64(holdTimeOfProduct(member)) * 1000);
        } else if (m_remoteResumeTries[bin] > 0) {
            const HoldingStateFile::Bin &entry = m_remoteResume[bin];
            records << startRecord(bin, memberInMenu(entry.productId, entry.groupIndex), entry.start);
        }
    }
    return records;
}

void HoldingCoordinator::restoreHoldingState()
{
    HoldingStateFile::Content content;
    QStringList skipped;
    QString why;
    const HoldingStateFile::Read read = HoldingStateFile::read(&content, &skipped, &why);
    // Holds started on the screen while the displays synchronised, and those resumed.
    QList<HaccpData> holding = startRecordsOfHolds();
    if (read != HoldingStateFile::Read::Ok) {
        if (read == HoldingStateFile::Read::Missing)
            qCInfo(lcHolding) << "Holding state: none saved, no hold to restore";
        if (read == HoldingStateFile::Read::Unreadable) {
            m_unreadableState = why;
            qCWarning(lcHolding).noquote() << "Holding state" << HoldingStateFile::path()
                                           << "cannot be read (" + why + "); no hold restored, the file left in place";
        }
        // Whatever the log still holds open did not survive; the log's last change is the
        // latest moment known of it.
        if (m_haccp)
            m_haccp->closeOpenRecords(QDateTime(), holding, 0);
        return;
    }
    for (const QString &entry : qAsConst(skipped))
        qCWarning(lcHolding).noquote() << "Holding state: not restored:" << entry;

    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    qint64 reference = now;
    if (now < content.written) {
        reference = content.written;
        qCWarning(lcHolding).noquote()
            << "The clock reads" << QDateTime::fromMSecsSinceEpoch(now).toString(Qt::ISODate)
            << ", before the holding state was written (" + QDateTime::fromMSecsSinceEpoch(content.written).toString(Qt::ISODate)
                   + "): holds go on with the time they had left then";
    }
    DayPartManager *dayParts = core()->daypartManager();
    if (dayParts && content.dayPart >= 0 && content.dayPart < dayParts->getDayPartsCount()) {
        dayParts->set_nextDayPart(content.dayPart);
    } else if (content.dayPart >= 0) {
        qCWarning(lcHolding) << "Holding state: day part" << content.dayPart
                             << "is no longer defined; the default day part stays in force";
    }

    quint32 expiredBins = 0;
    int resumed = 0;
    for (const HoldingStateFile::Bin &entry : qAsConst(content.bins)) {
        const QString problem = resumeBin(entry, reference);
        if (problem.isEmpty()) {
            holding << startRecord(entry.bin, memberInMenu(entry.productId, entry.groupIndex), entry.start);
            ++resumed;
            continue;
        }
        qCWarning(lcHolding).noquote() << QStringLiteral("Holding state: the hold of bin %1 (product %2) not restored: %3")
                                              .arg(entry.bin).arg(entry.productId).arg(problem);
        if (entry.expiry <= content.written)
            expiredBins |= 1u << entry.bin;
    }
    qCInfo(lcHolding) << "Holding state restored:" << resumed << "of" << content.bins.size() << "holds";
    // The records of holds that did not come back end when the file was last written.
    if (m_haccp)
        m_haccp->closeOpenRecords(QDateTime::fromMSecsSinceEpoch(content.written), holding, expiredBins);
}

QString HoldingCoordinator::resumeBin(const HoldingStateFile::Bin &entry, qint64 now)
{
    const int bin = entry.bin;
    if (!validBin(bin))
        return QStringLiteral("the cabinet has no such bin");
    if (binIsHolding(bin))
        return QStringLiteral("the bin holds another pan already");
    if (!memberInMenu(entry.productId, entry.groupIndex))
        return QStringLiteral("the product is not in the menu");
    // The tag store is saved at every pan move, the holding state half a second later:
    // a pan that has left the bin took its hold with it.
    if (entry.pan != 0 && (!m_nfc || m_nfc->getBinTagUid(bin) != entry.pan))
        return QStringLiteral("pan %1 is no longer registered in the bin").arg(entry.pan, 0, 16);
    const int secondsLeft = NFCmanager::secondsRemaining(entry.expiry, now);
    const bool expiryReported = entry.state == DiscardState;
    if (TrayBarSc *tray = trayOfBin(bin)) {
        if (!tray->resumeHolding(entry.productId, entry.dayPart, secondsLeft, entry.pan, expiryReported))
            return QStringLiteral("the bin refused it");
        return QString();
    }
    // The other display's bin: it resumes the hold and reports it like any other; until
    // then the hold stays in the state file.
    m_remoteResume[bin] = entry;
    m_remoteResumeTries[bin] = 3;
    m_remoteStartRequested[bin] = true; // no new start to report
    emit sendBinResume(bin, entry.productId, entry.dayPart, secondsLeft, entry.pan, expiryReported);
    return QString();
}

void HoldingCoordinator::resendRemoteResume(int bin)
{
    const HoldingStateFile::Bin &entry = m_remoteResume[bin];
    if (--m_remoteResumeTries[bin] > 0) {
        emit sendBinResume(bin, entry.productId, entry.dayPart,
                           NFCmanager::secondsRemaining(entry.expiry, QDateTime::currentMSecsSinceEpoch()), entry.pan,
                           entry.state == DiscardState);
        return;
    }
    qCWarning(lcHolding) << "The other display did not resume the hold of bin" << bin << "; given up";
    m_remoteStartRequested[bin] = false;
    if (m_haccp)
        m_haccp->closeOpenRecords(QDateTime::currentDateTimeUtc(), startRecordsOfHolds(),
                                  entry.expiry <= QDateTime::currentMSecsSinceEpoch() ? 1u << bin : 0u);
    scheduleStateSave();
}
