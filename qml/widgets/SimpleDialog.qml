import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The message box the back end raises with invokeSimpleDialog(text, showClose).
Item {
    id: dialog
    visible: false
    property string text
    property bool showClose: true

    function show(messageText, withClose) {
        text = messageText
        showClose = withClose
        visible = true
    }

    Rectangle { anchors.fill: parent; color: Theme.scrim }
    MouseArea { anchors.fill: parent } // modal: nothing behind it reacts

    // Made when first shown: a dialog nobody sees lays no text out.
    Loader {
        anchors.fill: parent
        active: dialog.visible || status === Loader.Ready
        sourceComponent: Item {
            Rectangle {
                width: dialog.width * 0.7
                height: Math.max(160, message.implicitHeight + 110)
                anchors.centerIn: parent
                color: Theme.surfaceRaised
                radius: Theme.radius * 2
                border.width: Theme.borderWidth
                border.color: Theme.border
                Label {
                    id: message
                    text: dialog.text
                    objectName: "simpleDialogText"
                    anchors { left: parent.left; right: parent.right; top: parent.top; margins: 20 }
                    wrapMode: Text.WordWrap
                    textFormat: Text.StyledText
                    horizontalAlignment: Text.AlignHCenter
                    font.pixelSize: Theme.fontBody
                }
                Button {
                    objectName: "simpleDialogClose"
                    visible: dialog.showClose
                    width: 180
                    height: Theme.touchTarget
                    anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 12 }
                    text: qsTr("Close") + tro.emptyStr
                    highlighted: true
                    onClicked: dialog.visible = false
                }
            }
        }
    }
}
