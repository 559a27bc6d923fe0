import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The dock's day-part pop-up: the day parts offered to the operator, the one in force
// marked. A tap makes the day part the one in force on the master display; any other
// display asks the master through dayPartRequested (the shell forwards it).
Item {
    id: popup
    objectName: "dayPartPopup"

    property bool isMaster: true
    property var entries: []
    readonly property int current: daypartManager.nextDayPart
    readonly property int rowHeight: 64
    // Ten day parts of 64 px do not fit a 480 px screen: beyond six rows the list
    // scrolls, so that every day part stays within reach.
    readonly property int maxVisibleRows: 6

    signal dayPartRequested(int dayPart)
    signal closeRequested()

    width: 360
    height: Math.min(entries.length, maxVisibleRows) * rowHeight + 16

    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    function rebuild() {
        var rows = []
        var count = daypartManager.getDayPartsToUseCount()
        for (var i = 0; i < count; ++i) {
            var dayPart = daypartManager.getDayPartToUse(i)
            rows.push({ "dayPart": dayPart, "name": daypartManager.getDayPartName(dayPart) })
        }
        entries = rows
    }

    function choose(dayPart) {
        if (isMaster)
            daypartManager.set_nextDayPart(dayPart)
        else
            dayPartRequested(dayPart)
        closeRequested()
    }

    Component.onCompleted: rebuild()

    Connections {
        target: daypartManager
        function onDaypartsFileLoadDone() { popup.rebuild() }
        function onReloadDaypartsInUse() { popup.rebuild() }
    }
    Connections {
        target: typeof tro !== "undefined" ? tro : null
        ignoreUnknownSignals: true
        function onLanguageChanged() { popup.rebuild() }
    }
    Connections {
        // Names follow the stored language code, which the settings take after the
        // translator has switched.
        target: typeof configManager !== "undefined" ? configManager : null
        ignoreUnknownSignals: true
        function onLanguageIdChanged() { popup.rebuild() }
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.surfaceRaised
        border.color: Theme.border
        border.width: Theme.borderWidth
        radius: Theme.radius * 2
    }

    Flickable {
        id: flick
        objectName: "dayPartList"
        x: 8
        y: 8
        width: parent.width - 16
        height: parent.height - 16
        contentHeight: list.height
        clip: true
        interactive: contentHeight > height
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { objectName: "dayPartPopupScrollBar" }

        Column {
            id: list
            width: flick.width
            spacing: 0

            Repeater {
                model: popup.entries
                delegate: Rectangle {
                    objectName: "dayPartEntry" + modelData.dayPart
                    readonly property bool inForce: modelData.dayPart === popup.current
                    width: list.width
                    height: popup.rowHeight
                    radius: Theme.radius
                    color: entryArea.pressed ? Theme.surfacePressed : inForce ? Theme.selection : "transparent"

                    Label {
                        objectName: "dayPartEntryName"
                        anchors.fill: parent
                        anchors.leftMargin: Theme.spacing
                        // Clear of the scroll bar when the list scrolls.
                        anchors.rightMargin: Theme.spacing + (flick.interactive ? Theme.scrollBarWidth : 0)
                        horizontalAlignment: Text.AlignLeft
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                        text: modelData.name
                        font.pixelSize: Theme.fontLarge
                        font.bold: parent.inForce
                    }
                    MouseArea {
                        id: entryArea
                        anchors.fill: parent
                        onClicked: popup.choose(modelData.dayPart)
                    }
                }
            }
        }
    }
}
