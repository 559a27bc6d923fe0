import QtQuick 2.15
import "qrc:/theme"

// The cabinet as rows of zones, each zone a row of bins. A display that handles only
// part of the zones shows that part. A zone with a heater fault puts a banner above the
// map that names it and tells the cook to call service.
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

    // One sentence per faulted zone of this display, in zone order.
    readonly property var faultTexts: {
        var unused = tro.emptyStr
        var faults = typeof holding !== "undefined" && holding && holding.zoneFaults ? holding.zoneFaults : []
        var texts = []
        for (var i = 0; i < shownZones; ++i) {
            var zone = zones2handleStart + i
            switch (zone < faults.length ? faults[zone] : "") {
            case "open": texts.push(qsTr("Zone %1: temperature probe open. Call service.").arg(zone + 1)); break
            case "shorted": texts.push(qsTr("Zone %1: temperature probe shorted. Call service.").arg(zone + 1)); break
            case "hot": texts.push(qsTr("Zone %1: heater over temperature. Call service.").arg(zone + 1)); break
            }
        }
        return texts
    }

    // Made while a zone is faulted: most cabinets never show it.
    Loader {
        id: banner
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 4 }
        active: root.faultTexts.length > 0
        sourceComponent: Rectangle {
            objectName: "zoneFaultBanner"
            height: 40
            radius: 3
            color: Theme.warning
            // Read from the right in Arabic, as every other sentence.
            LayoutMirroring.enabled: Theme.rightToLeft
            Rectangle {
                id: bannerMark
                anchors { left: parent.left; leftMargin: 6; verticalCenter: parent.verticalCenter }
                width: 30
                height: 30
                radius: 15
                color: "black"
                Text {
                    anchors.centerIn: parent
                    textFormat: Text.PlainText
                    font.family: Theme.fontFamily
                    text: "!"
                    color: Theme.warning
                    font.pixelSize: 22
                    font.bold: true
                }
            }
            Text {
                objectName: "zoneFaultText"
                textFormat: Text.PlainText
                font.family: Theme.fontFamily
                anchors { left: bannerMark.right; right: parent.right; top: parent.top; bottom: parent.bottom; leftMargin: 8; rightMargin: 8 }
                verticalAlignment: Text.AlignVCenter
                horizontalAlignment: Text.AlignLeft
                text: root.faultTexts.join("  ")
                color: "black"
                font.pixelSize: 22
                font.bold: true
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 20
                elide: Text.ElideRight
            }
        }
    }

    Grid {
        id: grid
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; top: banner.item ? banner.bottom : parent.top }
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
