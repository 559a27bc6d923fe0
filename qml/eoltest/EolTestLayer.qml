import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// What the shell shows of the factory's end-of-line test: the message that the address
// announcement runs, and the requests to show or hide the screen colour test and to clear
// the panels that would hide the cabinet during the test. Follows the tester on the
// master display and the other display's test messages here.
Item {
    id: layer
    objectName: "eolTestLayer"
    signal screenTestRequested(bool show)
    signal panelsHideRequested()

    readonly property var tester: typeof eolTest !== "undefined" ? eolTest : null
    readonly property var cabinet: typeof cabinetManager !== "undefined" ? cabinetManager : null

    function addressDetectionStarted() { dialog.visible = true }

    Connections {
        target: layer.tester
        ignoreUnknownSignals: true
        function onUdpBroadcastStarted() { layer.addressDetectionStarted() }
        function onSystemInfoTestStart() { layer.screenTestRequested(false) }
        function onSoundTestStart() { layer.screenTestRequested(false) }
        function onHeatingTestCommand() { layer.screenTestRequested(false) }
        function onDisplayTestStart() { layer.screenTestRequested(true) }
        function onNfcTestStart() { layer.panelsHideRequested() }
        function onEolTestStartedChanged() { layer.panelsHideRequested() }
    }
    Connections {
        target: layer.cabinet
        ignoreUnknownSignals: true
        function onSystemInfoTestStart() { layer.screenTestRequested(false) }
        function onNfcTestStart() { layer.panelsHideRequested() }
    }

    Item {
        id: dialog
        objectName: "eolAddressDialog"
        anchors.fill: parent
        visible: false

        Rectangle { anchors.fill: parent; color: Theme.scrim }
        MouseArea { anchors.fill: parent } // modal

        // Made when first shown: a dialog nobody sees lays no text out.
        Loader {
            anchors.fill: parent
            active: dialog.visible || status === Loader.Ready
            sourceComponent: Item {
                Rectangle {
                    width: parent.width * 0.7
                    height: Math.max(160, message.implicitHeight + Theme.touchTarget + 3 * Theme.spacing)
                    anchors.centerIn: parent
                    color: Theme.surfaceRaised
                    radius: Theme.radius * 2
                    border.width: Theme.borderWidth
                    border.color: Theme.border
                    Label {
                        id: message
                        objectName: "eolAddressDialogText"
                        anchors { left: parent.left; right: parent.right; top: parent.top; margins: Theme.spacing }
                        text: qsTr("<b>EOL Address Detection Started</b>") + tro.emptyStr
                        textFormat: Text.StyledText
                        wrapMode: Text.WordWrap
                        horizontalAlignment: Text.AlignHCenter
                        color: Theme.text
                        font.pixelSize: Theme.fontBody
                    }
                    Button {
                        objectName: "eolAddressDialogClose"
                        width: 180
                        height: Theme.touchTarget
                        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: Theme.spacing }
                        text: qsTr("Close") + tro.emptyStr
                        highlighted: true
                        onClicked: dialog.visible = false
                    }
                }
            }
        }
    }
}
