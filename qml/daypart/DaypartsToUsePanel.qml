import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// Service settings page "Day-Parts": which day parts the operator may pick. The day
// part in force is framed and stays as it is. Accept writes the ticks to the day-part
// manager in index order and saves; Cancel re-reads them. A language change writes the
// ticks as they stand (unsaved), and a file load re-reads the list and writes it back.
Item {
    id: panel
    objectName: "DaypartsToUsePanel"

    property var rows: []
    property bool changed: false
    readonly property bool anyTicked: {
        for (var i = 0; i < rows.length; ++i)
            if (rows[i].ticked)
                return true
        return false
    }
    readonly property bool acceptEnabled: changed && anyTicked

    width: 800
    height: 480

    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    function reload() {
        var list = []
        var count = daypartManager.getDayPartsCount()
        for (var i = 0; i < count; ++i)
            list.push({ "dayPart": i, "name": daypartManager.getDayPartName(i),
                        "ticked": daypartManager.getDayPartIsUsed(i) })
        rows = list
        changed = false
    }

    // The manager's list := the ticked rows in index order, without saving. Never an
    // empty list: with nothing ticked the manager keeps its own.
    function applyRows() {
        if (!anyTicked)
            return
        daypartManager.resetIsUsedDayPart()
        for (var i = 0; i < rows.length; ++i)
            daypartManager.setIsUsedDayPart(rows[i].dayPart, rows[i].ticked)
    }

    function toggle(index) {
        if (rows[index].dayPart === daypartManager.nextDayPart)
            return
        var list = rows.slice()
        list[index] = { "dayPart": rows[index].dayPart, "name": rows[index].name,
                        "ticked": !rows[index].ticked }
        rows = list
        changed = true
    }

    function accept() {
        if (!acceptEnabled)
            return
        applyRows()
        changed = false
        daypartManager.saveDayPartsUsed()
    }

    function cancel() {
        reload()
    }

    Component.onCompleted: reload()

    Connections {
        target: daypartManager
        function onReloadDaypartsInUse() { panel.reload() }
        // Read first: what was loaded is what goes back, never the rows shown before.
        function onDaypartsFileLoadDone() {
            panel.reload()
            panel.applyRows()
        }
    }
    Connections {
        target: typeof tro !== "undefined" ? tro : null
        ignoreUnknownSignals: true
        function onLanguageChanged() { panel.applyRows() }
    }
    Connections {
        // Names follow the stored language code, which the settings take after the
        // translator has switched.
        target: typeof configManager !== "undefined" ? configManager : null
        ignoreUnknownSignals: true
        function onLanguageIdChanged() { panel.reload() }
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.background
    }

    Label {
        id: title
        anchors.left: parent.left
        anchors.leftMargin: Theme.spacingLarge
        anchors.top: parent.top
        anchors.topMargin: 12
        text: qsTr("Day-Parts") + Theme.retranslate()
        font.pixelSize: Theme.fontTitle
        font.bold: true
    }

    Flickable {
        id: flick
        objectName: "dayPartsFlick"
        anchors.top: title.bottom
        anchors.topMargin: 12
        anchors.bottom: buttons.top
        anchors.bottomMargin: 12
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: Theme.spacingLarge
        anchors.rightMargin: Theme.spacingSmall
        contentHeight: column.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { objectName: "dayPartsScrollBar" }

        Column {
            id: column
            // Clear of the scroll bar, which stands on the trailing side.
            x: Theme.rightToLeft ? Theme.spacing + Theme.scrollBarWidth : 0
            width: flick.width - Theme.spacing - Theme.scrollBarWidth
            spacing: 4

            Repeater {
                model: panel.rows
                delegate: DayPartCheckRow {
                    objectName: "dayPartRow" + modelData.dayPart
                    width: column.width
                    text: modelData.name
                    checked: modelData.ticked
                    locked: modelData.dayPart === daypartManager.nextDayPart
                    onToggled: panel.toggle(index)
                }
            }
        }
    }

    Row {
        id: buttons
        anchors.right: parent.right
        anchors.rightMargin: Theme.spacingLarge
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Theme.spacing
        spacing: Theme.spacing

        Button {
            objectName: "cancelButton"
            width: 180
            height: Theme.touchTarget + 8
            text: qsTr("Cancel") + Theme.retranslate()
            onClicked: panel.cancel()
        }
        Button {
            objectName: "acceptButton"
            width: 180
            height: Theme.touchTarget + 8
            text: qsTr("Accept") + Theme.retranslate()
            enabled: panel.acceptEnabled
            highlighted: enabled
            onClicked: panel.accept()
        }
    }
}
