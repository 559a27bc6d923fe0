import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The bins of every day part in use, one page each, with a copy of the last page before
// the first and of the first after the last so that swiping wraps around. Each page keeps
// what it read for its bins when it was last loaded; the fit rules judge against that.
Item {
    id: panel
    objectName: "dayPartEditPanel"

    property QtObject menu: null
    property QtObject dayParts: null
    property QtObject rules: null
    property var cab: ({})
    property bool locked: true
    property var dayPartList: []      // the day parts in use, in order
    property var kept: ({})           // day part -> bins (zone * traysPerZone + bin)
    property int revision: 0
    property int removalDayPart: -1   // the page in removal mode
    property var removalSelection: []
    readonly property int trays: cab.traysPerZone || 4
    readonly property int zones: cab.numberOfZones || 0
    readonly property int zonesPerRow: Math.max(1, cab.zonesPerRow || 1)

    signal binTapped(int dayPart, int zone, int bin, var zoneBins)
    signal lockedTouched()
    signal removalAsked(int dayPart, var bins)
    signal changed()

    function title(dayPart) {
        var name = dayParts ? dayParts.getDayPartName(dayPart) : ""
        if (name !== "")
            return name
        if (dayPart === 0)
            return qsTranslate("Cookbook", "Breakfast") + Theme.retranslate()
        if (dayPart === 1)
            return qsTranslate("Cookbook", "Lunch/Dinner") + Theme.retranslate()
        return "???"
    }
    function binOf(id) {
        return { "id": id, "name": String(menu.dayPartEditGetName(id)),
                 "lowerTemp": menu.dayPartEditGetLowerTemp(id), "upperTemp": menu.dayPartEditGetUpperTemp(id),
                 "panSizeX": String(menu.dayPartEditGetPanSizeX(id)), "panSize": menu.dayPartEditGetPanSize(id),
                 "fanSpeed": menu.dayPartEditGetFanSpeed(id) }
    }
    function reload() {
        if (!menu || !dayParts)
            return
        var list = []
        for (var i = 0; i < dayParts.getDayPartsToUseCount(); ++i)
            list.push(dayParts.getDayPartToUse(i))
        var pages = {}
        for (var p = 0; p < list.length; ++p) {
            var bins = []
            for (var z = 0; z < zones; ++z)
                for (var b = 0; b < trays; ++b)
                    bins.push(binOf(dayParts.dayPartEditGetProductId(list[p], z, b)))
            pages[list[p]] = bins
        }
        kept = pages
        if (String(list) !== String(dayPartList)) {
            dayPartList = list
            // The real first page, once the view has its new pages.
            Qt.callLater(function() { pageView.currentIndex = list.length > 1 ? 1 : 0 })
        }
        removalDayPart = -1
        removalSelection = []
        ++revision
    }
    function zoneBins(dayPart, zone) {
        var bins = kept[dayPart] || []
        return bins.slice(zone * trays, zone * trays + trays)
    }
    // The width of bin `b` of a zone in bins: its pan's tray size, a half zone beside a
    // single half-zone pan, 0 under an earlier pan.
    function widthOf(dayPart, zone, b) {
        var bins = zoneBins(dayPart, zone)
        var sum = 0
        for (var j = 0; j < bins.length; ++j)
            if (bins[j].id !== 0)
                sum += rules.traySizeOf(bins[j].panSizeX)
        var halfMode = Math.abs(sum - 1.5) < 0.01
        var end = 0
        for (var k = 0; k < bins.length; ++k) {
            var w = 0
            if (bins[k].id !== 0)
                w = rules.traySizeOf(bins[k].panSizeX)
            else if (end < k + 0.75)
                w = halfMode ? 1.5 : 1
            if (k === b)
                return w
            if (w > 0)
                end = Math.max(end, k) + w
        }
        return 1
    }
    // After an edit: clears the bins that no longer take item `id`; true when any did.
    function recheck(id, now) {
        var cleared = false
        for (var p = 0; p < dayPartList.length; ++p) {
            var dp = dayPartList[p]
            for (var z = 0; z < zones; ++z) {
                var bins = rules.clearedBins(zoneBins(dp, z), z, id, now)
                for (var i = 0; i < bins.length; ++i) {
                    dayParts.dayPartEditSetProductId(dp, z, bins[i], 0)
                    cleared = true
                }
            }
        }
        if (cleared)
            reload()
        return cleared
    }
    function touch(dayPart, zone, b, hold) {
        var bin = kept[dayPart][zone * trays + b]
        var position = zone * trays + b
        if (locked) {
            lockedTouched()
        } else if (removalDayPart === dayPart) {
            if (bin.id === 0)
                return
            var selection = removalSelection.slice()
            var at = selection.indexOf(position)
            if (at >= 0)
                selection.splice(at, 1)
            else
                selection.push(position)
            removalSelection = selection
        } else if (hold && bin.id !== 0) {
            removalDayPart = dayPart
            removalSelection = [position]
        } else if (!hold && removalDayPart < 0) {
            binTapped(dayPart, zone, b, zoneBins(dayPart, zone))
        }
    }
    function removeSelected() {
        for (var i = 0; i < removalSelection.length; ++i) {
            var position = removalSelection[i]
            dayParts.dayPartEditSetProductId(removalDayPart, Math.floor(position / trays), position % trays, 0)
        }
        reload()
        changed()
    }

    ListView {
        id: pageView
        objectName: "dayPartPages"
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: removalBar.top }
        orientation: ListView.Horizontal
        snapMode: ListView.SnapOneItem
        highlightRangeMode: ListView.StrictlyEnforceRange
        highlightMoveDuration: 0
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        model: panel.dayPartList.length > 1
               ? [panel.dayPartList[panel.dayPartList.length - 1]].concat(panel.dayPartList).concat([panel.dayPartList[0]])
               : panel.dayPartList
        onMovementEnded: {
            if (count < 3)
                return
            if (currentIndex === 0)
                currentIndex = count - 2
            else if (currentIndex === count - 1)
                currentIndex = 1
        }

        delegate: Item {
            id: page
            readonly property int dayPart: modelData
            // The copies at both ends carry no names, so that tests and taps find the real page.
            readonly property string prefix: index === 0 || (pageView.count > 2 && index === pageView.count - 1)
                                             ? "copy" : ""
            width: pageView.width
            height: pageView.height
            Label {
                id: pageTitle
                objectName: page.prefix + "dayPartTitle" + page.dayPart
                anchors { left: parent.left; right: parent.right; top: parent.top }
                height: Theme.touchTarget
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: panel.title(page.dayPart)
                font.pixelSize: Theme.fontTitle
            }
            CookbookButton {
                objectName: page.prefix + "previousPage" + page.dayPart
                anchors { left: parent.left; top: parent.top }
                implicitWidth: Theme.touchTarget
                // Mirrored with the page in Arabic: each arrow points away from the title.
                text: Theme.rightToLeft ? "\u25b6" : "\u25c0"
                visible: pageView.count > 1
                onClicked: { pageView.decrementCurrentIndex(); pageView.movementEnded() }
            }
            CookbookButton {
                objectName: page.prefix + "nextPage" + page.dayPart
                anchors { right: parent.right; top: parent.top }
                implicitWidth: Theme.touchTarget
                text: Theme.rightToLeft ? "\u25c0" : "\u25b6"
                visible: pageView.count > 1
                onClicked: { pageView.incrementCurrentIndex(); pageView.movementEnded() }
            }
            // Every bin a whole touch target high; a cabinet of many rows scrolls.
            Flickable {
                id: zoneArea
                objectName: page.prefix + "zoneArea" + page.dayPart
                anchors { left: parent.left; right: parent.right; top: pageTitle.bottom; bottom: parent.bottom; margins: Theme.spacingSmall }
                contentHeight: zoneGrid.height
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                interactive: contentHeight > height
                ScrollBar.vertical: ScrollBar { width: Theme.scrollBarWidth; policy: ScrollBar.AsNeeded }
                Grid {
                    id: zoneGrid
                    width: zoneArea.width - (zoneArea.interactive ? Theme.scrollBarWidth + 2 : 0)
                    columns: panel.zonesPerRow
                    spacing: Theme.spacingSmall
                    readonly property real zoneWidth: (width - (columns - 1) * spacing) / columns
                    readonly property real zoneHeight: Theme.touchTarget
                    Repeater {
                        model: panel.zones
                        Row {
                            id: zoneRow
                            readonly property int zone: index
                            width: zoneGrid.zoneWidth
                            height: zoneGrid.zoneHeight
                            spacing: 2
                            Repeater {
                                model: panel.trays
                                Rectangle {
                                    readonly property int bin: index
                                    readonly property var info: panel.revision >= 0 && panel.kept[page.dayPart]
                                        ? panel.kept[page.dayPart][zoneRow.zone * panel.trays + index] : ({ "id": 0, "name": "" })
                                    readonly property real span: panel.revision >= 0 && panel.kept[page.dayPart]
                                        ? panel.widthOf(page.dayPart, zoneRow.zone, index) : 1
                                    readonly property bool selected: panel.removalDayPart === page.dayPart
                                        && panel.removalSelection.indexOf(zoneRow.zone * panel.trays + index) >= 0
                                    objectName: page.prefix + "bin_" + page.dayPart + "_" + zoneRow.zone + "_" + index
                                    visible: span > 0
                                    width: Math.max(0, (zoneRow.width - (panel.trays - 1) * 2) / panel.trays * span
                                                    + (Math.ceil(span) - 1) * 2)
                                    height: zoneRow.height
                                    radius: Theme.radius
                                    color: selected ? Theme.danger : info.id !== 0 ? Theme.surfaceRaised : Theme.surface
                                    border.width: 1
                                    border.color: Theme.border
                                    opacity: panel.locked ? 0.6 : 1
                                    Label {
                                        anchors { fill: parent; margins: 4 }
                                        horizontalAlignment: Text.AlignHCenter
                                        verticalAlignment: Text.AlignVCenter
                                        text: parent.info.name
                                        font.pixelSize: Theme.fontSmall
                                        elide: Text.ElideRight
                                    }
                                    MouseArea {
                                        anchors.fill: parent
                                        onClicked: panel.touch(page.dayPart, zoneRow.zone, parent.bin, false)
                                        onPressAndHold: panel.touch(page.dayPart, zoneRow.zone, parent.bin, true)
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
    }

    Row {
        id: removalBar
        anchors { right: parent.right; bottom: parent.bottom }
        height: panel.removalDayPart >= 0 ? Theme.touchTarget : 0
        visible: panel.removalDayPart >= 0
        spacing: Theme.spacing
        CookbookButton {
            objectName: "removalCancel"
            text: qsTranslate("Cookbook", "Cancel") + Theme.retranslate()
            onClicked: { panel.removalDayPart = -1; panel.removalSelection = [] }
        }
        CookbookButton {
            objectName: "removalAccept"
            highlighted: true
            enabled: panel.removalSelection.length > 0
            text: qsTranslate("Cookbook", "Remove") + Theme.retranslate()
            onClicked: panel.removalAsked(panel.removalDayPart, panel.removalSelection)
        }
    }
}
