#ifndef FAKECABINETVIEW_H
#define FAKECABINETVIEW_H

#include "iotcabinetview.h"

#include <QHash>

// What the reports read beyond the holding, as plain fields.
class FakeCabinetView : public IotCabinetView
{
public:
    QHash<int, QList<int>> targetsOf; // zone -> heaters (lower, upper); no entry: no zone
    QHash<int, QList<int>> actualsOf;
    QHash<int, quint64> panOf;        // bin -> mismatched pan
    QHash<int, QString> idOf;         // bin -> mismatch id
    double percent = 0;
    double decibel = 0;
    int errors = 0;

    bool zoneHeaters(int zone, QList<int> *targets, QList<int> *actuals) const override
    {
        if (!targetsOf.contains(zone))
            return false;
        *targets = targetsOf.value(zone);
        *actuals = actualsOf.value(zone);
        return true;
    }
    // Board zones in the layout's order.
    int zoneOfHeater(int channel) const override { return channel >= 0 && channel < 10 ? channel / 2 : -1; }
    quint64 misMatchedPanId(int bin) const override { return panOf.value(bin); }
    QString misMatchId(int bin) const override { return idOf.value(bin); }
    double wifiLevelPercent() const override { return percent; }
    double wifiLevelDecibel() const override { return decibel; }
    int errorLogCount() const override { return errors; }
};

#endif // FAKECABINETVIEW_H
