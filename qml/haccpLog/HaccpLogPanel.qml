import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The Holding Log: the HACCP records, newest first; the first 250 unless all are asked
// for. Rows are copied out of the controller's model in batches, so a long log does not
// freeze the screen while it loads.
Rectangle {
    id: panel
    objectName: "haccpLogPanel"
    width: 800
    height: 432
    color: Theme.background

    readonly property var controller: typeof haccpController !== "undefined" ? haccpController : null
    readonly property int recordCount: controller ? controller.haccpLogListCount : 0
    readonly property int totalCount: controller ? controller.totalHaccpLogListCount : 0
    // Set by "Show All": the service pages stay on this page while it is set.
    property bool modified: false
    property int loadIndex: 0

    // The service pages call this whenever the page is shown.
    function autoRetrieve() {
        modified = false
        retrieve(false)
    }
    function retrieve(all) {
        if (!controller)
            return
        busy.start(120)
        controller.retrieveAllHaccpData(all)
    }

    function shelfOf(binNumber) {
        var perRow = cabinetManager.traysPerZone * cabinetManager.zonesPerRow
        if (perRow <= 0 || binNumber < 0)
            return ""
        // Numbered as the cabinet numbers its shelves, from the configured start and in
        // its order; the exported CSV counts plainly from 1 instead.
        var rowIndex = Math.floor(binNumber / perRow)
        return cabinetManager.shelfNumberingOrder === 1
                ? cabinetManager.startingShelfNumber + cabinetManager.numberOfRows - rowIndex
                : cabinetManager.startingShelfNumber + rowIndex + 1
    }
    function discardedText(duration, expired) {
        return duration === "----" ? "----" : (expired ? qsTr("Yes") : qsTr("No")) + Theme.retranslate()
    }

    Connections {
        target: panel.controller
        function onRetrieveHaccpDataDone(result) {
            panel.loadIndex = 0
            loader.start()
        }
    }

    Timer {
        id: loader
        interval: 1
        repeat: true
        onTriggered: {
            var model = panel.controller.haccpDataModel
            if (panel.loadIndex === 0) {
                rows.clear()
                list.positionViewAtBeginning()
            }
            var end = Math.min(panel.loadIndex + 1000, panel.recordCount)
            for (var i = panel.loadIndex; i < end; ++i) {
                rows.append({ name: model.getData(i, 0), date: model.getData(i, 1),
                              time: model.getData(i, 2), duration: model.getData(i, 3),
                              expired: model.getData(i, 4), bin: model.getData(i, 5) })
            }
            panel.loadIndex = end
            if (panel.loadIndex >= panel.recordCount) {
                stop()
                busy.stop()
            }
        }
    }

    ListModel { id: rows; objectName: "haccpRows" }

    Text {
        id: title
        anchors { top: parent.top; horizontalCenter: parent.horizontalCenter; topMargin: Theme.spacingSmall }
        text: qsTr("Holding Log") + Theme.retranslate()
        color: Theme.text
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontTitle
        font.bold: true
    }

    HaccpLogItem {
        id: headings
        anchors { top: title.bottom; left: parent.left; right: parent.right; rightMargin: Theme.scrollBarWidth }
        productName: qsTr("Product Name") + Theme.retranslate()
        shelfText: qsTr("Shelf Number") + Theme.retranslate()
        startText: qsTr("Start Time") + Theme.retranslate()
        discardedText: qsTr("Discarded") + Theme.retranslate()
        durationText: qsTr("Holding Duration") + Theme.retranslate()
    }

    ListView {
        id: list
        objectName: "haccpLogList"
        anchors { top: headings.bottom; bottom: unreadNote.visible ? unreadNote.top : footer.top; left: parent.left; right: parent.right }
        clip: true
        model: rows
        boundsBehavior: Flickable.StopAtBounds
        delegate: HaccpLogItem {
            width: list.width - Theme.scrollBarWidth
            productName: name
            shelfText: panel.shelfOf(bin)
            startText: date + " " + time
            discardedText: panel.discardedText(duration, expired)
            durationText: duration
        }
        ScrollBar.vertical: ScrollBar {
            minimumSize: 30 / Math.max(list.height, 1)
            policy: ScrollBar.AsNeeded
            onPressedChanged: if (pressed) panel.modified = true
        }
    }

    // A file too large to be a log of ours, or not one at all, is named, not passed over in
    // silence.
    Text {
        id: unreadNote
        objectName: "unreadLogNote"
        readonly property string fileName: (panel.controller && panel.controller.unreadLog) || ""
        readonly property bool tooLarge: !!(panel.controller && panel.controller.unreadLogTooLarge)
        visible: fileName !== ""
        anchors { left: parent.left; right: parent.right; bottom: footer.top; leftMargin: Theme.spacing; rightMargin: Theme.spacing }
        horizontalAlignment: Text.AlignLeft
        elide: Text.ElideMiddle
        text: (tooLarge ? qsTr("Too large to show: %1") : qsTr("Cannot be read: %1")).arg(fileName) + Theme.retranslate()
        color: Theme.textSecondary
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontSmall
    }

    Rectangle {
        id: footer
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: Theme.touchTarget + Theme.spacing
        color: Theme.surface

        Text {
            objectName: "recordCount"
            anchors { left: parent.left; leftMargin: Theme.spacing; verticalCenter: parent.verticalCenter }
            text: qsTr("Number of records: ") + Theme.retranslate() + panel.recordCount
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontBody
        }
        Row {
            anchors { right: parent.right; rightMargin: Theme.spacing; verticalCenter: parent.verticalCenter }
            spacing: Theme.spacing
            Button {
                objectName: "showAllButton"
                width: 160
                height: Theme.touchTarget
                text: qsTr("Show All") + Theme.retranslate()
                visible: list.atYEnd && panel.totalCount > panel.recordCount
                onClicked: {
                    panel.modified = true
                    panel.retrieve(true)
                }
            }
            Button {
                objectName: "refreshButton"
                width: 160
                height: Theme.touchTarget
                text: qsTr("Refresh") + Theme.retranslate()
                onClicked: panel.autoRetrieve()
            }
        }
    }

    BusyOverlay { id: busy; anchors.fill: parent }
}
