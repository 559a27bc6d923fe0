#include "iotcabinetview.h"

#include "holdingcoordinator.h"
#include "masteriomanager.h"
#include "tulerrorcontrollert.h"
#include "wifimonitor.h"

#include <QVariantMap>

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

QList<BinInfo *> CoordinatorCabinetView::binInfos() const
{
    const MasterIoManager *io = m_holding->ioManager();
    return io ? io->get_binInfoList() : QList<BinInfo *>();
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
