#include "iotcabinetview.h"

#include "cabinetcore.h"
#include "holdingcoordinator.h"
#include "tulerrorcontrollert.h"
#include "wifimonitor.h"

#include <QVariantMap>

#include <algorithm>

CoordinatorCabinetView::CoordinatorCabinetView(HoldingCoordinator *holding)
    : m_holding(holding)
{
}

void CoordinatorCabinetView::setWifiMonitor(WifiMonitor *monitor)
{
    m_wifi = monitor;
}

void CoordinatorCabinetView::setErrorService(TulErrorControllerT *errors)
{
    m_errors = errors;
}

int CoordinatorCabinetView::zoneCount() const
{
    const CabinetCore *core = CabinetCore::of(m_holding);
    return core ? core->get_numberOfZones() : 0;
}

bool CoordinatorCabinetView::zoneHeaters(int zone, QList<int> *targets, QList<int> *actuals) const
{
    // The coordination keeps every zone's heaters, also those the other display runs.
    const QVariantList zones = m_holding->get_zoneTemps();
    for (const QVariant &entry : zones) {
        const QVariantMap z = entry.toMap();
        if (z.value(QStringLiteral("zone")).toInt() != zone)
            continue;
        *targets = {z.value(QStringLiteral("targetLower")).toInt(), z.value(QStringLiteral("targetUpper")).toInt()};
        *actuals = {z.value(QStringLiteral("actualLower")).toInt(), z.value(QStringLiteral("actualUpper")).toInt()};
        return true;
    }
    return false;
}

int CoordinatorCabinetView::zoneOfHeater(int channel) const
{
    const int zones = zoneCount();
    if (channel < 0 || channel >= 2 * zones)
        return -1;
    const int boardZone = channel / 2;
    // The board's order applies only when it names every zone once, as the IO board takes it.
    QList<int> order = m_ui2mio.mid(0, zones);
    QList<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    bool usable = order.size() == zones;
    for (int i = 0; usable && i < zones; ++i)
        usable = sorted.at(i) == i;
    return usable ? order.indexOf(boardZone) : boardZone;
}

quint64 CoordinatorCabinetView::misMatchedPanId(int bin) const
{
    return m_holding->get_misMatchedPanId(bin);
}

QString CoordinatorCabinetView::misMatchId(int bin) const
{
    return m_holding->get_misMatchId(bin);
}

double CoordinatorCabinetView::wifiLevelPercent() const
{
    return m_wifi ? m_wifi->get_signalLevel() : 0.0;
}

double CoordinatorCabinetView::wifiLevelDecibel() const
{
    return m_wifi ? m_wifi->get_signalLevelDecibel() : WifiReading::NoSignalDecibel;
}

int CoordinatorCabinetView::errorLogCount() const
{
    return m_errors ? m_errors->get_errorsLogListCount() : 0;
}
