import QtQuick 2.15

// The message box the back end raises with invokeSimpleDialog(text, showClose).
Item {
    id: dialog
    visible: false
    property alias text: message.text
    property bool showClose: true

    function show(messageText, withClose) {
        message.text = messageText
        showClose = withClose
        visible = true
    }

    Rectangle { anchors.fill: parent; color: "#a0000000" }
    MouseArea { anchors.fill: parent } // modal: nothing behind it reacts

    Rectangle {
        width: parent.width * 0.7
        height: Math.max(160, message.implicitHeight + 100)
        anchors.centerIn: parent
        color: "#eceff1"
        radius: 8
        Text {
            id: message
            objectName: "simpleDialogText"
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 20 }
            wrapMode: Text.WordWrap
            textFormat: Text.StyledText
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: 20
        }
        Rectangle {
            visible: dialog.showClose
            width: 140; height: 48; radius: 6
            color: "#455a64"
            anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 12 }
            Text { anchors.centerIn: parent; text: qsTr("Close"); color: "white"; font.pixelSize: 20 }
            MouseArea { objectName: "simpleDialogClose"; anchors.fill: parent; onClicked: dialog.visible = false }
        }
    }
}
