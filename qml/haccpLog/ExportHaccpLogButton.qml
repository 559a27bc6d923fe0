import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// "Export Holding Log": writes the HACCP log to the flash drive as CSV and says whether
// the file was written.
Button {
    id: button
    objectName: "exportHaccpLogButton"
    // Bound by the page to the flash-drive state.
    property bool flashDriveMounted: false
    // Where the busy overlay goes; the page that holds the button.
    property Item overlayParent: parent
    readonly property var controller: typeof haccpController !== "undefined" ? haccpController : null
    width: 280
    height: Theme.touchTarget
    text: qsTr("Export Holding Log") + Theme.retranslate()
    enabled: flashDriveMounted && cabinetManager.haccpEnabled && controller !== null
    onClicked: {
        busy.start(120)
        controller.exportHaccpLog()
    }

    Connections {
        target: button.controller
        function onExportHaccpLogDone(result) {
            busy.stop()
            cabinetManager.invokeSimpleDialog(result === "OK"
                    ? qsTr("Holding Log files exported!")
                    : qsTr("Holding Log export failed!") + "<br>" + result, true)
        }
    }

    BusyOverlay {
        id: busy
        objectName: "exportBusyOverlay"
        parent: button.overlayParent
        anchors.fill: parent
        z: 100
    }
}
