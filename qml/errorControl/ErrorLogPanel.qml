import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The Errors Log panel: every logged error, newest first, with Clear All and Refresh.
// The service carousel calls refresh() whenever it shows the panel.
Rectangle {
    id: panel
    objectName: "errorLogPanel"
    width: 800
    height: 480
    color: Theme.background

    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    // Set by the shell's passcode handling; Clear All needs an unlocked page.
    property bool locked: false
    readonly property var service: typeof tulErrorController !== "undefined" ? tulErrorController : null
    readonly property int recordCount: service ? service.errorsLogListCount : 0
    readonly property var model: service ? service.errorInfoModel : null

    function refresh() {
        if (!service)
            return
        service.clearErrorLogList()
        service.retrieveAllErrorLogs()
    }

    function clearAll() {
        service.deleteAllErrorLogs()
        service.clearErrorLogList()
    }

    Label {
        id: title
        anchors.top: parent.top
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.topMargin: 4
        text: qsTr("Errors Log") + Theme.retranslate()
        font.pixelSize: Theme.fontLarge
        font.bold: true
    }

    Row {
        id: headings
        anchors.top: title.bottom
        anchors.left: parent.left
        anchors.leftMargin: 72
        anchors.topMargin: 4
        spacing: 8
        Label { width: 210; text: qsTr("Date/Time") + Theme.retranslate(); color: Theme.textSecondary; font.pixelSize: Theme.fontSmall; font.bold: true }
        Label { width: 100; text: qsTr("ID") + Theme.retranslate(); color: Theme.textSecondary; font.pixelSize: Theme.fontSmall; font.bold: true }
        Label { text: qsTr("Error name") + Theme.retranslate(); color: Theme.textSecondary; font.pixelSize: Theme.fontSmall; font.bold: true }
    }

    ListView {
        id: list
        objectName: "errorLogList"
        anchors.top: headings.bottom
        anchors.bottom: notes.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 8
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: panel.model
        delegate: ErrorLogItem {
            width: list.width - Theme.spacing
            number: index + 1
            dateText: date
            timeText: time
            codesText: codes
            descText: desc
            zone: model.zone
        }
        ScrollBar.vertical: ScrollBar { objectName: "errorLogScrollBar" }
    }

    Column {
        id: notes
        anchors.bottom: footer.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 12
        anchors.rightMargin: 12

        // Log files too large to read whole, named rather than passed over in silence.
        Label {
            id: cutNote
            objectName: "cutLogsNote"
            readonly property string names: (panel.service && panel.service.cutLogs) || ""
            visible: names !== ""
            width: parent.width
            horizontalAlignment: Text.AlignLeft
            elide: Text.ElideRight
            color: Theme.textSecondary
            font.pixelSize: Theme.fontSmall
            text: qsTr("Only the newest part is shown of: %1").arg(names) + Theme.retranslate()
        }

        // Only the master reads the IO board's errors and keeps every record; another
        // display lists what reached it, so the cook is told where the whole log is.
        Label {
            objectName: "masterLogNote"
            visible: typeof cabinetManager !== "undefined" && !!cabinetManager && cabinetManager.iAmMaster === false
            width: parent.width
            horizontalAlignment: Text.AlignLeft
            wrapMode: Text.WordWrap
            color: Theme.textSecondary
            font.pixelSize: Theme.fontSmall
            text: qsTr("The cabinet's complete Errors Log is kept on the primary display.") + Theme.retranslate()
        }
    }

    Item {
        id: footer
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        height: 84

        Column {
            anchors.left: parent.left
            anchors.leftMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            Label { objectName: "recordCount"; text: qsTr("Number of records: ") + Theme.retranslate() + panel.recordCount; font.pixelSize: Theme.fontSmall }
            Label { objectName: "firstRecord"; text: qsTr("First record: ") + Theme.retranslate(); font.pixelSize: Theme.fontSmall }
            Label { objectName: "lastRecord"; text: qsTr("Last record: ") + Theme.retranslate(); font.pixelSize: Theme.fontSmall }
        }

        Row {
            anchors.right: parent.right
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            spacing: Theme.spacing
            Button {
                objectName: "clearAllButton"
                width: 160
                height: Theme.touchTarget
                text: qsTr("Clear All") + Theme.retranslate()
                enabled: panel.recordCount > 0 && !panel.locked
                onClicked: confirm.open()
            }
            Button {
                objectName: "refreshButton"
                width: 160
                height: Theme.touchTarget
                text: qsTr("Refresh") + Theme.retranslate()
                onClicked: panel.refresh()
            }
        }
    }

    Popup {
        id: confirm
        objectName: "clearAllDialog"
        anchors.centerIn: parent
        width: 480
        modal: true

        Column {
            anchors.centerIn: parent
            spacing: 16
            Label { anchors.horizontalCenter: parent.horizontalCenter; text: qsTr("Clearing All Error Logs") + Theme.retranslate(); font.pixelSize: Theme.fontBody; font.bold: true }
            Label { anchors.horizontalCenter: parent.horizontalCenter; text: qsTr("Continue or Cancel") + Theme.retranslate(); font.pixelSize: Theme.fontSmall }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 24
                Button {
                    objectName: "continueButton"
                    width: 180
                    height: Theme.touchTarget
                    text: qsTr("Continue") + Theme.retranslate()
                    highlighted: true
                    onClicked: { confirm.close(); panel.clearAll() }
                }
                Button {
                    objectName: "clearAllCancelButton"
                    width: 180
                    height: Theme.touchTarget
                    text: qsTr("Cancel") + Theme.retranslate()
                    onClicked: confirm.close()
                }
            }
        }
    }
}
