#ifndef CADENCES_H
#define CADENCES_H

// What the polling timers ask of an idle master display with two NFC readers, per second
// (the IO board's intervals are named in holding/masteriomanager.h, the error registers'
// in alarms/tulerrorcontroller.h), besides one wake-up per Modbus reply; and the set
// temperatures of the default menu's products, which the benchmarks' zones are heated to.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPair>

struct Cadence
{
    const char *what;
    double perSecond;
};

const Cadence Cadences[] = {
    {"NFC readers (two, 250 ms)", 4},
    {"set points (500 ms)", 2},
    {"zone monitor (800 ms after each reply)", 1.2},
    {"fans and ambient (1000 ms)", 1},
    {"IO-board status (1500 ms)", 1 / 1.5},
    {"error registers (1500 ms)", 1 / 1.5},
    {"countdowns, zone evaluation, remaining times, clock, CAN silence (one shared 1 s)", 1},
    {"cabinet-name beacon (500 ms)", 2},
    {"Wi-Fi (10 s) and network configuration (20 s)", 0.15},
};

// (lower, upper) set temperature of a product of the default menu; (0, 0) if unknown.
inline QPair<int, int> productTemperatures(int productId)
{
    QFile file(QStringLiteral(DEFAULT_MENU));
    if (!file.open(QIODevice::ReadOnly))
        return {0, 0};
    const QJsonArray products = QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String("products")).toArray();
    for (const QJsonValue &value : products) {
        const QJsonObject p = value.toObject();
        if (p.value(QLatin1String("productId")).toInt() == productId)
            return {p.value(QLatin1String("lowerTemp")).toInt(), p.value(QLatin1String("upperTemp")).toInt()};
    }
    return {0, 0};
}

#endif // CADENCES_H
