import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The "Export Error Log" action of the Utilities page: writes the log to the flash drive
// and then says where the file went, or that it could not be written.
Button {
    id: button
    objectName: "exportErrorLogButton"
    // Bound by the Utilities page to the flash-drive state.
    property bool flashDriveMounted: false
    readonly property var service: typeof tulErrorController !== "undefined" ? tulErrorController : null
    width: 220
    height: Theme.touchTarget
    text: qsTr("Export Error Log") + Theme.retranslate()
    enabled: flashDriveMounted
    onClicked: service.exportErrorLog()

    Connections {
        target: button.service
        ignoreUnknownSignals: true
        function onErrorLogExported(success, fileName) {
            result.success = success
            result.fileName = fileName
            result.open()
        }
    }

    Popup {
        id: result
        objectName: "exportResultDialog"
        property bool success: false
        property string fileName: ""
        parent: Overlay.overlay
        anchors.centerIn: parent
        width: 560
        modal: true
        closePolicy: Popup.NoAutoClose

        Column {
            width: parent.width
            spacing: Theme.spacing
            Label {
                objectName: "exportResultText"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: result.success
                      ? qsTr("The error log was exported to %1").arg(Theme.leftToRight(result.fileName)) + Theme.retranslate()
                      : qsTr("The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.").arg(Theme.leftToRight(result.fileName)) + Theme.retranslate()
                color: result.success ? Theme.text : Theme.warning
            }
            Button {
                objectName: "exportResultClose"
                anchors.horizontalCenter: parent.horizontalCenter
                width: 180
                text: qsTr("Close") + Theme.retranslate()
                highlighted: true
                onClicked: result.close()
            }
        }
    }
}
