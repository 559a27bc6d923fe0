#ifndef FAKEEOLCABINET_H
#define FAKEEOLCABINET_H

#include "eolcabinet.h"

#include <QMap>
#include <QStringList>
#include <QVector>

// The IO board and links of a cabinet of `zones` zones as plain fields; every heater
// operation is logged ("all 1", "single 1 0", "restore").
class FakeEolCabinet : public EolCabinet
{
public:
    static constexpr int HoldingTemp = 160;
    int zones = 2;
    QVector<int> targets = QVector<int>(20, HoldingTemp);
    QVector<int> actuals = QVector<int>(20, 165);
    QMap<int, quint64> tags;
    bool sib = false, io = false, nfc = false, can = false;
    QStringList log;

    bool valid(int zone, int heater) const { return zone >= 0 && zone < zones && heater >= 0 && heater <= 1; }

    void eolTempTestAllHeaters(bool on) override
    {
        log << QStringLiteral("all %1").arg(on);
        targets.fill(on ? 300 : 0);
    }
    bool eolTempTestSingleHeater(int zone, int heater) override
    {
        log << QStringLiteral("single %1 %2").arg(zone).arg(heater);
        if (!valid(zone, heater))
            return false;
        targets[2 * zone + heater] = 300;
        return true;
    }
    int eolGetActualTemp(int zone, int heater) const override
    {
        return valid(zone, heater) ? actuals.at(2 * zone + heater) : -9999;
    }
    QString eolGetTempErrorDescription(int zone, int heater) const override
    {
        return valid(zone, heater) && actuals.at(2 * zone + heater) >= 3275 ? QStringLiteral("TC OPEN")
                                                                             : QStringLiteral("NO ERROR");
    }
    void restoreHolding() override
    {
        log << QStringLiteral("restore");
        targets.fill(HoldingTemp);
    }
    int numOfNfcBoards() const override { return 1; }
    bool ioCommErrorDetected() const override { return io; }
    bool nfcErrorDetected() const override { return nfc; }
    bool sibLinkBroken() const override { return sib; }
    bool canLinkBroken() const override { return can; }
    quint64 tagUidAtBin(int bin) const override { return tags.value(bin); }
};

#endif // FAKEEOLCABINET_H
