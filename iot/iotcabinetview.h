#ifndef IOTCABINETVIEW_H
#define IOTCABINETVIEW_H

#include <QList>
#include <QPointer>
#include <QString>

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
    // The zone a heater channel of the IO board (also its probe's number) belongs to,
    // -1 for none.
    virtual int zoneOfHeater(int channel) const = 0;
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
    // The layout's zone order on the IO board (ui zone -> board zone); empty or unusable:
    // the same order.
    void setBoardZoneOrder(const QList<int> &ui2mio) { m_ui2mio = ui2mio; }

    bool zoneHeaters(int zone, QList<int> *targets, QList<int> *actuals) const override;
    int zoneOfHeater(int channel) const override;
    quint64 misMatchedPanId(int bin) const override;
    QString misMatchId(int bin) const override;
    double wifiLevelPercent() const override;
    double wifiLevelDecibel() const override;
    int errorLogCount() const override;

private:
    int zoneCount() const;

    HoldingCoordinator *m_holding;
    QPointer<WifiMonitor> m_wifi;
    QPointer<TulErrorControllerT> m_errors;
    QList<int> m_ui2mio;
};

#endif // IOTCABINETVIEW_H
