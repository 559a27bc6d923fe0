#include "cookbookrules.h"

#include "cabinetcore.h"
#include "configurationmanager.h"

#include <QVariantMap>

#include <cmath>

namespace {

constexpr int customerVyx = 1;
constexpr int customerQrb = 3;
constexpr int customerX = 4;
constexpr int minHoldTime = 360;
constexpr int maxHoldTime = 28800;
constexpr int minWarningTime = 60;
constexpr int maxResetTime = 3600;
constexpr int qrbIndividualBand = 30;

bool isHalfZone(double size)
{
    return std::abs(size - 1.5) < 0.01;
}

int shown(int fahrenheit, bool celsius)
{
    return celsius ? CabinetCore::convertToCelsius(fahrenheit) : fahrenheit;
}

// Zones of one bin on a layout of two zones per row: the odd zone is a single bin.
bool singleBinOddZone(int zoneIndex, const CookbookRules::Layout &layout)
{
    return layout.singleBinZone == 1 && layout.zonesPerRow == 2 && zoneIndex % 2 == 1;
}

} // namespace

CookbookRules::Layout CookbookRules::layout() const
{
    Layout l;
    const CabinetCore *core = CabinetCore::of(this);
    if (!core)
        return l;
    l.traysPerZone = core->get_traysPerZone();
    l.singleBinZone = core->get_singleBinZone();
    l.zonesPerRow = core->get_zonesPerRow();
    l.customerId = core->get_customerId();
    l.tempHandling = core->get_tempHandling();
    l.hasFan = core->get_hasFan();
    const ConfigurationManager *config = core->configManager();
    l.celsius = config && config->get_tempUnit() == 1;
    return l;
}

QVariantMap CookbookRules::cabinet() const
{
    const CabinetCore *core = CabinetCore::of(this);
    if (!core)
        return {};
    return {{QStringLiteral("customerId"), core->get_customerId()},
            {QStringLiteral("traysPerZone"), core->get_traysPerZone()},
            {QStringLiteral("numberOfZones"), core->get_numberOfZones()},
            {QStringLiteral("zonesPerRow"), core->get_zonesPerRow()},
            {QStringLiteral("singleBinZone"), core->get_singleBinZone()},
            {QStringLiteral("hasFan"), core->get_hasFan()},
            {QStringLiteral("nfcEnabled"), core->get_nfcEnabled()},
            {QStringLiteral("iAmMaster"), core->get_iAmMaster()},
            {QStringLiteral("timerColorEnable"), core->get_timerColorEnable()},
            {QStringLiteral("productIdDisplayEnable"), core->get_productIdDisplayEnable()}};
}

double CookbookRules::traySize(const QString &panSizeX, int traysPerZone)
{
    switch (traysPerZone) {
    case 2:
        return panSizeX == QLatin1String("1/1") ? 2 : 1;
    case 3:
        if (panSizeX == QLatin1String("1/2"))
            return 1.5;
        return panSizeX == QLatin1String("2/3") ? 2 : panSizeX == QLatin1String("1/1") ? 3 : 1;
    case 4:
        if (panSizeX == QLatin1String("1/2"))
            return 2;
        return panSizeX == QLatin1String("3/4") ? 3 : panSizeX == QLatin1String("1/1") ? 4 : 1;
    default:
        return 1;
    }
}

void CookbookRules::temperatureLimits(int customerId, int *lowest, int *highest)
{
    *lowest = customerId == customerVyx ? 165 : 90;
    *highest = customerId == customerVyx ? 200 : customerId == customerX ? 245 : 225;
}

CookbookRules::ProductError CookbookRules::productError(int holdTime, int warningTime, const QString &name,
                                                        int resetTime, int lowerTemp, int upperTemp,
                                                        int customerId)
{
    if (holdTime < minHoldTime || holdTime > maxHoldTime)
        return InvalidHoldTime;
    if (warningTime < minWarningTime || warningTime >= holdTime)
        return InvalidWarningTime;
    if (name.trimmed().isEmpty())
        return InvalidName;
    if (resetTime >= maxResetTime)
        return InvalidResetTime;
    int lowest = 0;
    int highest = 0;
    temperatureLimits(customerId, &lowest, &highest);
    const auto outside = [lowest, highest](int t) { return t < lowest || t > highest; };
    if (outside(lowerTemp) || outside(upperTemp))
        return InvalidTemperature;
    return NoError;
}

double CookbookRules::space(const QList<Bin> &zone, int bin, int zoneIndex, const Layout &layout)
{
    if (singleBinOddZone(zoneIndex, layout))
        return 1;
    double sum = 0;
    for (const Bin &b : zone) {
        if (b.id == 0)
            continue;
        sum += traySize(b.panSizeX, layout.traysPerZone);
        if (isHalfZone(sum))
            return 1.5;
    }
    double free = 1;
    for (int j = bin + 1; j < zone.size() && zone.at(j).id == 0; ++j)
        ++free;
    return free;
}

CookbookRules::Constraints CookbookRules::constraints(const QList<Bin> &zone, int bin, int zoneIndex,
                                                      const Layout &layout)
{
    Constraints c;
    c.space = space(zone, bin, zoneIndex, layout);
    bool othersOccupied = false;
    for (int j = 0; j < zone.size(); ++j)
        othersOccupied = othersOccupied || (j != bin && zone.at(j).id != 0);
    if (!othersOccupied || singleBinOddZone(zoneIndex, layout))
        return c;
    for (const Bin &b : zone) {
        if (b.id != 0) {
            c.lowerTemp = b.lowerTemp;
            c.upperTemp = b.upperTemp;
            c.fanSpeed = b.fanSpeed;
            break;
        }
    }
    return c;
}

bool CookbookRules::fits(const Bin &row, const Constraints &c, const Layout &layout)
{
    const bool celsius = layout.celsius;
    if (layout.customerId == customerQrb) {
        if (c.upperTemp != 0) {
            const int upper = shown(row.upperTemp, celsius);
            if (layout.tempHandling == 1) {
                if (upper < shown(c.upperTemp - qrbIndividualBand, celsius)
                    || upper > shown(c.upperTemp + qrbIndividualBand, celsius))
                    return false;
            } else if (upper != shown(c.upperTemp, celsius)) {
                return false;
            }
        }
    } else {
        if (c.lowerTemp != 0 && shown(row.lowerTemp, celsius) != shown(c.lowerTemp, celsius))
            return false;
        if (c.upperTemp != 0 && shown(row.upperTemp, celsius) != shown(c.upperTemp, celsius))
            return false;
    }
    const double size = traySize(row.panSizeX, layout.traysPerZone);
    if (isHalfZone(c.space)) {
        if (!isHalfZone(size))
            return false;
    } else if (size > c.space + 0.01 || (isHalfZone(size) && c.space != 3)) {
        return false;
    }
    return !(layout.hasFan && c.fanSpeed != 0 && row.fanSpeed != c.fanSpeed);
}

QList<int> CookbookRules::binsToClear(const QList<Bin> &zone, int zoneIndex, int id, const Bin &now,
                                      const Layout &layout)
{
    QList<int> cleared;
    const double size = traySize(now.panSizeX, layout.traysPerZone);
    for (int j = zone.size() - 1; j >= 0; --j) {
        const Bin &kept = zone.at(j);
        if (kept.id != id || id == 0)
            continue;
        bool alone = true;
        bool halfPartner = false;
        for (int k = 0; k < zone.size(); ++k) {
            if (k == j || zone.at(k).id == 0)
                continue;
            alone = false;
            halfPartner = halfPartner || isHalfZone(traySize(zone.at(k).panSizeX, layout.traysPerZone));
        }
        const bool clear = (halfPartner && !isHalfZone(size))
            || (isHalfZone(size) && !alone && !halfPartner)
            || j + now.panSize > layout.traysPerZone
            || space(zone, j, zoneIndex, layout) < now.panSize
            || (!alone && now.lowerTemp != kept.lowerTemp)
            || (!alone && now.upperTemp != kept.upperTemp)
            || (!alone && layout.hasFan && now.fanSpeed != kept.fanSpeed);
        if (clear)
            cleared << j;
    }
    return cleared;
}

bool CookbookRules::groupTakes(const Bin &group, const QString &groupLid, const Bin &product,
                               const QString &productLid, const Layout &layout)
{
    const bool celsius = layout.celsius;
    if (layout.customerId != customerQrb && shown(product.lowerTemp, celsius) != shown(group.lowerTemp, celsius))
        return false;
    if (shown(product.upperTemp, celsius) != shown(group.upperTemp, celsius))
        return false;
    if (productLid != groupLid)
        return false;
    if (traySize(product.panSizeX, layout.traysPerZone) != traySize(group.panSizeX, layout.traysPerZone))
        return false;
    return !layout.hasFan || product.fanSpeed == group.fanSpeed;
}

CookbookRules::Bin CookbookRules::binFrom(const QVariant &value)
{
    const QVariantMap map = value.toMap();
    Bin b;
    b.id = map.value(QStringLiteral("id")).toInt();
    b.lowerTemp = map.value(QStringLiteral("lowerTemp")).toInt();
    b.upperTemp = map.value(QStringLiteral("upperTemp")).toInt();
    b.panSizeX = map.value(QStringLiteral("panSizeX")).toString();
    b.panSize = map.value(QStringLiteral("panSize"), 1).toInt();
    b.fanSpeed = map.value(QStringLiteral("fanSpeed")).toInt();
    return b;
}

QList<CookbookRules::Bin> CookbookRules::binsFrom(const QVariantList &list)
{
    QList<Bin> bins;
    for (const QVariant &value : list)
        bins << binFrom(value);
    return bins;
}

int CookbookRules::productErrorOf(int holdTime, int warningTime, const QString &name, int resetTime,
                                  int lowerTemp, int upperTemp) const
{
    return productError(holdTime, warningTime, name, resetTime, lowerTemp, upperTemp, layout().customerId);
}

int CookbookRules::lowestTemperature() const
{
    int lowest = 0;
    int highest = 0;
    temperatureLimits(layout().customerId, &lowest, &highest);
    return lowest;
}

int CookbookRules::highestTemperature() const
{
    int lowest = 0;
    int highest = 0;
    temperatureLimits(layout().customerId, &lowest, &highest);
    return highest;
}

int CookbookRules::shortestHoldTime() const
{
    return minHoldTime;
}

int CookbookRules::longestHoldTime() const
{
    return maxHoldTime;
}

double CookbookRules::traySizeOf(const QString &panSizeX) const
{
    return traySize(panSizeX, layout().traysPerZone);
}

QVariantMap CookbookRules::pickerConstraints(const QVariantList &zoneBins, int bin, int zoneIndex) const
{
    const Constraints c = constraints(binsFrom(zoneBins), bin, zoneIndex, layout());
    return {{QStringLiteral("lowerTemp"), c.lowerTemp},
            {QStringLiteral("upperTemp"), c.upperTemp},
            {QStringLiteral("fanSpeed"), c.fanSpeed},
            {QStringLiteral("space"), c.space}};
}

bool CookbookRules::rowFits(const QVariant &row, const QVariantMap &constraints) const
{
    Constraints c;
    c.lowerTemp = constraints.value(QStringLiteral("lowerTemp")).toInt();
    c.upperTemp = constraints.value(QStringLiteral("upperTemp")).toInt();
    c.fanSpeed = constraints.value(QStringLiteral("fanSpeed")).toInt();
    c.space = constraints.value(QStringLiteral("space"), 1).toDouble();
    return fits(binFrom(row), c, layout());
}

QVariantList CookbookRules::clearedBins(const QVariantList &zoneBins, int zoneIndex, int id,
                                        const QVariant &now) const
{
    QVariantList result;
    for (int bin : binsToClear(binsFrom(zoneBins), zoneIndex, id, binFrom(now), layout()))
        result << bin;
    return result;
}

bool CookbookRules::groupTakesProduct(const QVariant &group, const QString &groupLid, const QVariant &product,
                                      const QString &productLid) const
{
    return groupTakes(binFrom(group), groupLid, binFrom(product), productLid, layout());
}
