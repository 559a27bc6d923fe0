import QtQuick 2.15
import QtQuick.Controls 2.15

// The "Export Error Log" action of the Utilities page: writes the log to the flash drive.
Button {
    objectName: "exportErrorLogButton"
    // Bound by the Utilities page to the flash-drive state.
    property bool flashDriveMounted: false
    width: 220
    height: 56
    text: qsTr("Export Error Log")
    enabled: flashDriveMounted
    onClicked: tulErrorController.exportErrorLog()
}
