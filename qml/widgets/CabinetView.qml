import QtQuick 2.15

// The cabinet as rows of zones, each zone a row of bins. A display that handles only
// part of the zones shows that part.
Item {
    id: root
    property int rows: 1
    property int zonesPerRow: 1
    property int traysPerZone: 2
    property int zones2handle: rows * zonesPerRow
    property int zones2handleStart: 0

    // The map shows the bins where they sit in the cabinet, whatever the reading direction.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    readonly property int shownZones: zones2handle > 0 ? zones2handle : rows * zonesPerRow
    readonly property int shownRows: Math.max(1, Math.ceil(shownZones / Math.max(1, zonesPerRow)))

    Grid {
        id: grid
        anchors.fill: parent
        anchors.margins: 4
        columns: Math.max(1, root.zonesPerRow)
        spacing: 4
        Repeater {
            // The tiles are made once the map has its final size: every size they pass
            // through on the way would lay their texts out, in a font of that size, again.
            model: grid.width > 0 && grid.height > 0 ? root.shownZones : 0
            ZoneItem {
                width: (grid.width - (grid.columns - 1) * grid.spacing) / grid.columns
                height: (grid.height - (root.shownRows - 1) * grid.spacing) / root.shownRows
                zoneNumber: root.zones2handleStart + index
                bins: root.traysPerZone
            }
        }
    }
}
