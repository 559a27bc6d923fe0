import QtQuick 2.15
import QtQuick.Controls 2.15

// The Errors Log panel: every logged error, newest first, with Clear All and Refresh.
// The service carousel calls refresh() whenever it shows the panel.
Rectangle {
    id: panel
    objectName: "errorLogPanel"
    width: 800
    height: 480
    color: "#ffffff"

    // Set by the shell's passcode handling; Clear All needs an unlocked page.
    property bool locked: false
    readonly property var service: typeof tulErrorController !== "undefined" ? tulErrorController : null
    readonly property int recordCount: service ? service.errorsLogListCount : 0

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

    Text {
        id: title
        anchors.top: parent.top
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.topMargin: 8
        text: qsTr("Errors Log")
        font.pixelSize: 28
        font.bold: true
    }

    Row {
        id: headings
        anchors.top: title.bottom
        anchors.left: parent.left
        anchors.leftMargin: 64
        anchors.topMargin: 8
        spacing: 8
        Text { width: 210; text: qsTr("Date/Time"); font.pixelSize: 18; font.bold: true }
        Text { width: 100; text: qsTr("ID"); font.pixelSize: 18; font.bold: true }
        Text { text: qsTr("Error name"); font.pixelSize: 18; font.bold: true }
    }

    ListView {
        id: list
        objectName: "errorLogList"
        anchors.top: headings.bottom
        anchors.bottom: footer.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 8
        clip: true
        model: panel.service ? panel.service.errorInfoModel : null
        delegate: ErrorLogItem {
            width: list.width
            number: index + 1
            dateText: date
            timeText: time
            codesText: codes
            descText: desc
        }
        ScrollBar.vertical: ScrollBar { width: 24 }
    }

    Item {
        id: footer
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        height: 72

        Column {
            anchors.left: parent.left
            anchors.leftMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            Text { objectName: "recordCount"; text: qsTr("Number of records: ") + panel.recordCount; font.pixelSize: 16 }
            Text { text: qsTr("First record: "); font.pixelSize: 16 }
            Text { text: qsTr("Last record: "); font.pixelSize: 16 }
        }

        Row {
            anchors.right: parent.right
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            spacing: 16
            Button {
                objectName: "clearAllButton"
                width: 150
                height: 56
                text: qsTr("Clear All")
                enabled: panel.recordCount > 0 && !panel.locked
                onClicked: confirm.open()
            }
            Button {
                objectName: "refreshButton"
                width: 150
                height: 56
                text: qsTr("Refresh")
                onClicked: panel.refresh()
            }
        }
    }

    Popup {
        id: confirm
        objectName: "clearAllDialog"
        anchors.centerIn: parent
        width: 420
        height: 200
        modal: true

        Column {
            anchors.centerIn: parent
            spacing: 16
            Text { anchors.horizontalCenter: parent.horizontalCenter; text: qsTr("Clearing All Error Logs"); font.pixelSize: 22; font.bold: true }
            Text { anchors.horizontalCenter: parent.horizontalCenter; text: qsTr("Continue or Cancel"); font.pixelSize: 18 }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 24
                Button {
                    objectName: "continueButton"
                    width: 140
                    height: 56
                    text: qsTr("Continue")
                    onClicked: { confirm.close(); panel.clearAll() }
                }
                Button {
                    width: 140
                    height: 56
                    text: qsTr("Cancel")
                    onClicked: confirm.close()
                }
            }
        }
    }
}
