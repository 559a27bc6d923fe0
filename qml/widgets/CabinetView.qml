import QtQuick 2.15
import "qrc:/theme"

// The cabinet as rows of zones, each zone a row of bins. A display that handles only
// part of the zones shows that part. Zones with a heater fault put a banner above the
// map that names each and tells the cook to call service; a tap on it opens the log.
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

    // While the IO board does not answer: the notice's words, first on the banner.
    property string linkBrokenText: ""

    // One sentence per faulted zone of this display, in zone order.
    readonly property var faultTexts: {
        var unused = tro.emptyStr
        var faults = tileShared.zoneFaults || []
        var texts = linkBrokenText !== "" ? [linkBrokenText] : []
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

    // A tap on the banner: the faults in the Errors Log.
    signal faultsTapped()

    // Made while a zone is faulted: most cabinets never show it. One line, so that the
    // bins keep their height: with more than one fault it names each in turn, with its
    // place in the list, every few seconds.
    Loader {
        id: banner
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 2 }
        active: root.faultTexts.length > 0
        sourceComponent: Rectangle {
            id: bannerBox
            objectName: "zoneFaultBanner"
            height: 28
            radius: 3
            color: Theme.warning
            property int shown: 0
            readonly property int count: root.faultTexts.length
            // The fault shown now, kept in the list as faults come and go.
            readonly property int index: count > 0 ? shown % count : 0
            function next() { shown = (index + 1) % Math.max(1, count) }
            Timer {
                objectName: "zoneFaultCycle"
                interval: 3000
                repeat: true
                running: bannerBox.count > 1 && bannerBox.visible
                onTriggered: bannerBox.next()
            }
            // Read from the right in Arabic, as every other sentence.
            LayoutMirroring.enabled: Theme.rightToLeft
            Rectangle {
                id: bannerMark
                anchors { left: parent.left; leftMargin: 6; verticalCenter: parent.verticalCenter }
                width: 24
                height: 24
                radius: 12
                color: "black"
                Text {
                    anchors.centerIn: parent
                    textFormat: Text.PlainText
                    font.family: Theme.fontFamily
                    text: "!"
                    color: Theme.warning
                    font.pixelSize: 20
                    font.bold: true
                }
            }
            // Which of how many: "2/3".
            Text {
                id: bannerCount
                objectName: "zoneFaultCount"
                anchors { right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
                visible: bannerBox.count > 1
                textFormat: Text.PlainText
                font.family: Theme.fontFamily
                text: visible ? "\u2066" + (bannerBox.index + 1) + "/" + bannerBox.count + "\u2069" : ""
                color: "black"
                font.pixelSize: 20
                font.bold: true
            }
            Text {
                objectName: "zoneFaultText"
                textFormat: Text.PlainText
                font.family: Theme.fontFamily
                anchors { left: bannerMark.right; right: bannerCount.visible ? bannerCount.left : parent.right
                          top: parent.top; bottom: parent.bottom; leftMargin: 8; rightMargin: 8 }
                verticalAlignment: Text.AlignVCenter
                horizontalAlignment: Text.AlignLeft
                text: root.faultTexts[bannerBox.index] || ""
                color: "black"
                font.pixelSize: 20
                font.bold: true
                elide: Text.ElideRight
            }
            // From the screen's top edge down, 56 px, under the bins: the strip and the edge
            // above it take a gloved finger, the bins keep their own taps.
            MouseArea {
                objectName: "zoneFaultBannerTapArea"
                y: -banner.anchors.margins
                z: -1
                width: parent.width
                height: 56
                onClicked: root.faultsTapped()
            }
        }
    }

    // One measure for every tile, complete before the first tile is made: a tile's own
    // would take the language's font only after the tile had fitted its texts once.
    FontMetrics {
        id: tileMetrics
        font.family: Theme.fontFamily
        font.pixelSize: 100
        font.bold: true
    }

    // What every tile reads of the back end and the Preferences, looked up once for all of
    // them, with the type measure and the sizes fitted with it.
    QtObject {
        id: tileShared
        readonly property var binViews: typeof holding !== "undefined" && holding ? holding.bins : null
        // A plain copy: every look into the back end's list would read the whole list again.
        readonly property var zoneFaults: {
            var faults = typeof holding !== "undefined" && holding ? holding.zoneFaults : null
            return faults ? Array.prototype.slice.call(faults) : null
        }
        readonly property int labelSize: typeof configManager !== "undefined" && !!configManager
                                         && configManager.labelFontSize > 0 ? configManager.labelFontSize : 24
        readonly property FontMetrics metrics: tileMetrics
        // The same type at the sizes the tiles draw, made when first asked for: outlines are
        // fitted to the pixels of each size on their own, so letters are measured at theirs.
        property var sizedMetrics: ({})
        property Component sizedMetricsMaker: Component { FontMetrics {} }
        function metricsAt(size) {
            var family = tileMetrics.font.family
            var key = family + "/" + size
            var m = sizedMetrics[key]
            if (!m) {
                m = sizedMetricsMaker.createObject(tileShared, { font: Qt.font({ family: family, pixelSize: size, bold: true }) })
                sizedMetrics[key] = m
            }
            return m
        }
        // The sizes the tiles fitted, by tile size, texts and font: tiles alike fit once.
        property var fits: ({ count: 0 })
        // The painted height of a text at a size, by font, size and text (see BinItem).
        property var inks: ({ count: 0 })
    }

    Grid {
        id: grid
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; top: banner.item ? banner.bottom : parent.top }
        // Thin seams: on a 5 x 4 cabinet every pixel of a tile's height goes to its texts.
        anchors.margins: 2
        columns: Math.max(1, root.zonesPerRow)
        spacing: 3
        Repeater {
            // The tiles are made once the map has its final size: every size they pass
            // through on the way would lay their texts out, in a font of that size, again.
            model: grid.width > 0 && grid.height > 0 ? root.shownZones : 0
            ZoneItem {
                width: Math.floor((grid.width - (grid.columns - 1) * grid.spacing) / grid.columns)
                height: Math.floor((grid.height - (root.shownRows - 1) * grid.spacing) / root.shownRows)
                zoneNumber: root.zones2handleStart + index
                bins: root.traysPerZone
                shared: tileShared
            }
        }
    }
}
