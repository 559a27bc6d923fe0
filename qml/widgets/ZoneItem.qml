import QtQuick 2.15
import "qrc:/theme"

Rectangle {
    id: zone
    property int zoneNumber: 0
    property int bins: 2
    // What the map's tiles share (see CabinetView).
    property QtObject shared: null
    // The zone's heater fault as the holding side reports it; empty for none.
    readonly property string fault: {
        var faults = shared ? shared.zoneFaults : null
        return faults && zoneNumber < faults.length ? faults[zoneNumber] : ""
    }
    color: Theme.surfaceRaised
    radius: 4

    Row {
        id: binRow
        anchors.fill: parent
        anchors.margins: 2
        spacing: 3
        Repeater {
            // Made once the zone has its size, so that each tile lays its texts out once.
            model: binRow.width > 0 && binRow.height > 0 ? zone.bins : 0
            // Whole pixels, so that the texts' letters fall where the tile places them.
            BinItem {
                width: Math.floor((binRow.width - (zone.bins - 1) * binRow.spacing) / zone.bins)
                height: Math.floor(binRow.height)
                binNumber: zone.zoneNumber * zone.bins + index
                zoneFault: zone.fault
                shared: zone.shared
            }
        }
    }
}
