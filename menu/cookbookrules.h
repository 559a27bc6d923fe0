#ifndef COOKBOOKRULES_H
#define COOKBOOKRULES_H

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include "cabinetcore.h"

// The checks the cookbook screens make before they edit: the limits of the product
// editor, which products a group may take, and which products and groups fit a bin of a
// day part (temperatures, pan size and fan shared within a zone). The cabinet's layout,
// customer and display unit come from the application core and the settings.
//
// From QML a bin or row is a map with "id", "lowerTemp", "upperTemp", "panSizeX",
// "panSize" and "fanSpeed" (temperatures in degrees Fahrenheit).
class CookbookRules : public QObject
{
    Q_OBJECT

public:
    enum ProductError {
        NoError,
        InvalidHoldTime,
        InvalidWarningTime,
        InvalidName,
        InvalidResetTime,
        InvalidTemperature
    };
    Q_ENUM(ProductError)

    struct Layout
    {
        int traysPerZone = 4;
        int singleBinZone = 0;
        int zonesPerRow = 1;
        int customerId = 0;
        int tempHandling = 0; // 1: every zone keeps its own temperature
        bool hasFan = false;
        bool celsius = false;
    };

    struct Bin
    {
        int id = 0;
        int lowerTemp = 0;
        int upperTemp = 0;
        QString panSizeX;
        int panSize = 1;
        int fanSpeed = 0;
    };

    // What a tapped bin asks of the product put there; 0 means no constraint.
    struct Constraints
    {
        int lowerTemp = 0;
        int upperTemp = 0;
        int fanSpeed = 0;
        double space = 1;
    };

    explicit CookbookRules(QObject *parent = nullptr) : QObject(parent) {}

    Layout layout() const;

    // Bins a pan of this fraction covers in a zone of `traysPerZone` bins; 1.5 is the
    // half-zone pan of a three-bin zone.
    static double traySize(const QString &panSizeX, int traysPerZone);
    static void temperatureLimits(int customerId, int *lowest, int *highest);
    static ProductError productError(int holdTime, int warningTime, const QString &name, int resetTime,
                                     int lowerTemp, int upperTemp, int customerId);
    static double space(const QList<Bin> &zone, int bin, int zoneIndex, const Layout &layout);
    static Constraints constraints(const QList<Bin> &zone, int bin, int zoneIndex, const Layout &layout);
    static bool fits(const Bin &row, const Constraints &c, const Layout &layout);
    // The bins of a zone that lose item `id` once it has the settings of `now`, judged
    // against the values the page kept for its bins.
    static QList<int> binsToClear(const QList<Bin> &zone, int zoneIndex, int id, const Bin &now,
                                  const Layout &layout);
    // Whether a group whose members have the settings of `group` may take `product`.
    static bool groupTakes(const Bin &group, const QString &groupLid, const Bin &product,
                           const QString &productLid, const Layout &layout);

    static Bin binFrom(const QVariant &map);

    // The same for QML, with the layout of this cabinet.
    Q_INVOKABLE int productErrorOf(int holdTime, int warningTime, const QString &name, int resetTime,
                                   int lowerTemp, int upperTemp) const;
    Q_INVOKABLE int lowestTemperature() const;
    Q_INVOKABLE int highestTemperature() const;
    Q_INVOKABLE int shortestHoldTime() const;
    Q_INVOKABLE int longestHoldTime() const;
    Q_INVOKABLE double traySizeOf(const QString &panSizeX) const;
    Q_INVOKABLE QVariantMap pickerConstraints(const QVariantList &zoneBins, int bin, int zoneIndex) const;
    Q_INVOKABLE bool rowFits(const QVariant &row, const QVariantMap &constraints) const;
    Q_INVOKABLE QVariantList clearedBins(const QVariantList &zoneBins, int zoneIndex, int id,
                                         const QVariant &now) const;
    // The cabinet as the screens need it: customerId, traysPerZone, numberOfZones,
    // zonesPerRow, singleBinZone, hasFan, nfcEnabled, iAmMaster, timerColorEnable,
    // productIdDisplayEnable.
    Q_INVOKABLE QVariantMap cabinet() const;
    Q_INVOKABLE int toCelsius(int fahrenheit) const { return CabinetCore::convertToCelsius(fahrenheit); }
    Q_INVOKABLE int toFahrenheit(int celsius) const { return CabinetCore::convertToFahrenheit(celsius); }
    Q_INVOKABLE bool groupTakesProduct(const QVariant &group, const QString &groupLid, const QVariant &product,
                                       const QString &productLid) const;

private:
    static QList<Bin> binsFrom(const QVariantList &list);
};

#endif // COOKBOOKRULES_H
