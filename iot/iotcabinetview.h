#ifndef IOTCABINETVIEW_H
#define IOTCABINETVIEW_H

#include <QList>
#include <QPointer>
#include <QString>

class BinInfo;
class HoldingCoordinator;
class TulErrorControllerT;
class WifiMonitor;

// What the alarm, error, performance and power-on reports read of the cabinet beyond the
// holding view: the heater readings, the mismatch records, the Wi-Fi level and the error
// count. The application reads the holding coordination, the Wi-Fi monitor and the error
// service; tests hand in their own.
class IotCabinetView
{
public:
    virtual ~IotCabinetView() = default;

    // The set points and readings of a zone's heaters (element 0 lower, 1 upper); false
    // for a zone the cabinet does not have.
    virtual bool zoneHeaters(int zone, QList<int> *targets, QList<int> *actuals) const = 0;
    // The IO board's records, one per bin, indexed by bin; empty where no IO-board
    // manager runs.
    virtual QList<BinInfo *> binInfos() const = 0;
    virtual quint64 misMatchedPanId(int bin) const = 0;
    virtual QString misMatchId(int bin) const = 0;
    virtual double wifiLevelPercent() const = 0;
    virtual double wifiLevelDecibel() const = 0;
    virtual int errorLogCount() const = 0;
};

// The application's view. The Wi-Fi monitor and the error service are optional: without
// them the level reads as no signal and the count as 0.
class CoordinatorCabinetView : public IotCabinetView
{
public:
    explicit CoordinatorCabinetView(HoldingCoordinator *holding);

    void setWifiMonitor(WifiMonitor *monitor);
    void setErrorService(TulErrorControllerT *errors);
    bool zoneHeaters(int zone, QList<int> *targets, QList<int> *actuals) const override;
    QList<BinInfo *> binInfos() const override;
    quint64 misMatchedPanId(int bin) const override;
    QString misMatchId(int bin) const override;
    double wifiLevelPercent() const override;
    double wifiLevelDecibel() const override;
    int errorLogCount() const override;

private:
    HoldingCoordinator *m_holding;
    QPointer<WifiMonitor> m_wifi;
    QPointer<TulErrorControllerT> m_errors;
};

#endif // IOTCABINETVIEW_H
