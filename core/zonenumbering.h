#ifndef ZONENUMBERING_H
#define ZONENUMBERING_H

#include <QList>

// The IO board counts its heaters in its own zone order; the screen, the bins and staff
// count zones in the cabinet's order (the personality's ui-to-board zone map). One place
// turns the board's heater number into the screen's zone, for the fault banner and the
// Errors Log alike.
namespace ZoneNumbering {

// The map as the board manager takes it: one board zone per screen zone, each once;
// anything else is refused and the zones are used in their own order.
inline bool usableMap(const QList<int> &ui2mio, int zones)
{
    if (ui2mio.size() < zones)
        return false;
    QList<int> seen;
    for (int i = 0; i < zones; ++i) {
        const int io = ui2mio.at(i);
        if (io < 0 || io >= zones || seen.contains(io))
            return false;
        seen << io;
    }
    return true;
}

// The 0-based screen zone of board heater `heater` (two per zone), -1 beyond the cabinet.
inline int zoneOfHeater(const QList<int> &ui2mio, int zones, int heater)
{
    if (heater < 0 || heater >= 2 * zones)
        return -1;
    const int ioZone = heater / 2;
    if (ui2mio.isEmpty() || !usableMap(ui2mio, zones))
        return ioZone;
    return int(ui2mio.indexOf(ioZone));
}

} // namespace ZoneNumbering

#endif // ZONENUMBERING_H
