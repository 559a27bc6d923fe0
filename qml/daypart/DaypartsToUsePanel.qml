import QtQuick 2.15

// Service settings page "Day-Parts": which day parts the operator may pick. The day
// part in force is framed and stays as it is. Accept writes the ticks to the day-part
// manager in index order and saves; Cancel re-reads them.
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

    function reload() {
        var list = []
        var count = daypartManager.getDayPartsCount()
        for (var i = 0; i < count; ++i)
            list.push({ "dayPart": i, "name": daypartManager.getDayPartName(i),
                        "ticked": daypartManager.getDayPartIsUsed(i) })
        rows = list
        changed = false
    }

    // A language change renames the rows; ticks not yet accepted stay on screen.
    function renameRows() {
        var list = []
        for (var i = 0; i < rows.length; ++i)
            list.push({ "dayPart": rows[i].dayPart, "name": daypartManager.getDayPartName(rows[i].dayPart),
                        "ticked": rows[i].ticked })
        rows = list
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
        daypartManager.resetIsUsedDayPart()
        for (var i = 0; i < rows.length; ++i)
            daypartManager.setIsUsedDayPart(rows[i].dayPart, rows[i].ticked)
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
        function onDaypartsFileLoadDone() { panel.reload() }
    }
    Connections {
        target: typeof tro !== "undefined" ? tro : null
        ignoreUnknownSignals: true
        function onLanguageChanged() { panel.renameRows() }
    }
    Connections {
        target: typeof configManager !== "undefined" ? configManager : null
        ignoreUnknownSignals: true
        function onLanguageIdChanged() { panel.renameRows() }
    }

    Rectangle {
        anchors.fill: parent
        color: "#101010"
    }

    Text {
        id: title
        x: 24
        y: 12
        text: qsTr("Day-Parts")
        color: "white"
        font.pixelSize: 28
        font.bold: true
    }

    Flickable {
        id: flick
        anchors.top: title.bottom
        anchors.topMargin: 12
        anchors.bottom: buttons.top
        anchors.bottomMargin: 12
        x: 24
        width: parent.width - 48
        contentHeight: column.height
        clip: true

        Column {
            id: column
            width: flick.width
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
        anchors.rightMargin: 24
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 16
        spacing: 16

        Repeater {
            model: [
                { "name": "cancelButton", "label": qsTr("Cancel"), "enabled": true },
                { "name": "acceptButton", "label": qsTr("Accept"), "enabled": panel.acceptEnabled }
            ]
            delegate: Rectangle {
                objectName: modelData.name
                width: 160
                height: 64
                radius: 8
                color: modelData.enabled ? "#1e64b4" : "#404040"
                Text {
                    anchors.centerIn: parent
                    text: modelData.label
                    color: modelData.enabled ? "white" : "#909090"
                    font.pixelSize: 24
                }
                MouseArea {
                    anchors.fill: parent
                    enabled: modelData.enabled
                    onClicked: modelData.name === "acceptButton" ? panel.accept() : panel.cancel()
                }
            }
        }
    }
}
