#include "cabinetlayout.h"
#include "corelog.h"

#include <QLoggingCategory>
#include <QtGlobal>

namespace {


// The value within [low, high], with a warning naming it when it was outside.
int fitted(const char *name, int value, int low, int high)
{
    const int bounded = qBound(low, value, qMax(low, high));
    if (bounded != value)
        qCWarning(lcCore).noquote() << QStringLiteral("Personality %1 %2 is outside %3 to %4; the cabinet uses %5")
                                             .arg(QLatin1String(name)).arg(value).arg(low).arg(qMax(low, high))
                                             .arg(bounded);
    return bounded;
}

// Rows x zones per row x bins per zone; the zones the display shows.
CabinetLayout shape(int rows, int zonesPerRow, int traysPerZone, int cabinetConfiguration)
{
    CabinetLayout l;
    l.numberOfRows = rows;
    l.zonesPerRow = zonesPerRow;
    l.traysPerZone = traysPerZone;
    l.numberOfZones = rows * zonesPerRow;
    l.zones2handle = l.numberOfZones;
    l.zones2handleStart = 0;
    l.singleColumnUnit = zonesPerRow == 1;
    l.hasSecondaryDisplay = false;
    l.cabinetConfiguration = cabinetConfiguration;
    return l;
}

CabinetLayout withMirror(CabinetLayout l, bool iAmTheMirror)
{
    l.hasMirrorDisplay = true;
    l.mirrorDisplay = iAmTheMirror;
    l.iAmMaster = !iAmTheMirror;
    l.uiRole = iAmTheMirror ? UIROLE_MIRROR : UIROLE_PRIMARY;
    return l;
}

// The 5x4 has a display on each side; each shows its half of the ten zones.
CabinetLayout fiveByFour(bool second)
{
    CabinetLayout l = shape(5, 1, 2, 6);
    l.numberOfZones = 10;
    l.hasSecondaryDisplay = true;
    l.zones2handle = 5;
    l.zones2handleStart = second ? 5 : 0;
    l.iAmMaster = !second;
    l.uiRole = second ? UIROLE_SECOND : UIROLE_PRIMARY;
    return l;
}

} // namespace

bool CabinetLayout::isBuiltInId(int uiId)
{
    switch (uiId) {
    case UIID_5x4_PRIMARY: case UIID_5x4_SECOND: case UIID_2x4_PRIMARY: case UIID_2x4_MIRROR:
    case UIID_2x2_PRIMARY: case UIID_2x2_MIRROR: case UIID_5x2_PRIMARY: case UIID_4x2_MIRROR:
        return true;
    default:
        return false;
    }
}

CabinetLayout CabinetLayout::builtIn(int uiId)
{
    CabinetLayout l;
    switch (uiId) {
    case UIID_5x4_SECOND:
        l = fiveByFour(true);
        break;
    case UIID_2x4_PRIMARY:
    case UIID_2x4_MIRROR:
        l = withMirror(shape(2, 2, 2, 2), uiId == UIID_2x4_MIRROR);
        break;
    case UIID_2x2_PRIMARY:
    case UIID_2x2_MIRROR:
        l = withMirror(shape(2, 1, 2, 0), uiId == UIID_2x2_MIRROR);
        break;
    case UIID_5x2_PRIMARY:
        l = shape(5, 1, 2, 5);
        l.uiRole = UIROLE_SINGLE;
        break;
    case UIID_4x2_MIRROR:
        l = withMirror(shape(4, 1, 2, -1), true);
        l.nfcEnabled = false;
        break;
    default:
        l = fiveByFour(false);
        break;
    }
    l.traysPerCabinet = l.numberOfZones * l.traysPerZone;
    for (int bin = 0; bin < l.traysPerCabinet; ++bin)
        l.productLocationMap << bin;
    return l;
}

void CabinetLayout::fitToTables()
{
    // uiRole is only compared and the product location map is bounded where it is read,
    // so neither is touched here.
    numberOfZones = fitted("numberOfZones", numberOfZones, 1, MaxZones);
    numberOfRows = fitted("numberOfRows", numberOfRows, 1, MaxZones);
    zonesPerRow = fitted("zonesPerRow", zonesPerRow, 1, MaxZones);
    traysPerZone = fitted("traysPerZone", traysPerZone, MinTraysPerZone, MaxTraysPerZone);
    traysPerCabinet = fitted("traysPerCabinet", traysPerCabinet, 1, MaxBins);
    zones2handleStart = fitted("zones2handleStart", zones2handleStart, 0, numberOfZones - 1);
    zones2handle = fitted("zones2handle", zones2handle, 0, numberOfZones - zones2handleStart);
}
