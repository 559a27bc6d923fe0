import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The "Export Error Log" action of the Utilities page: writes the log to the flash drive.
// A written file needs no answer; a file that could not be written is reported.
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
            if (success)
                return
            result.fileName = fileName
            result.open()
        }
    }

    Popup {
        id: result
        objectName: "exportResultDialog"
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
                text: qsTr("The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.").arg(Theme.leftToRight(result.fileName)) + Theme.retranslate()
                color: Theme.warning
            }
            Button {
                objectName: "exportResultClose"
                anchors.horizontalCenter: parent.horizontalCenter
                width: 180
                height: Theme.touchTarget
                text: qsTr("Close") + Theme.retranslate()
                highlighted: true
                onClicked: result.close()
            }
        }
    }
}
