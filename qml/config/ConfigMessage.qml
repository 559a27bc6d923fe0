import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// A message over the configuration screens, with or without a Close button; with
// `question` set it asks instead, with Yes and No.
Item {
    id: box
    objectName: "configMessage"
    visible: false
    property alias text: message.text
    property bool showClose: true
    property bool question: false
    // A question whose Yes undoes something: No is the highlighted answer.
    property bool defaultNo: false
    signal answered(bool yes)

    function show(messageText, withClose) {
        question = false
        message.text = messageText
        showClose = withClose
        visible = true
    }
    function ask(messageText) {
        question = true
        message.text = messageText
        visible = true
    }

    Rectangle { anchors.fill: parent; color: Theme.scrim }
    MouseArea { anchors.fill: parent }

    Rectangle {
        width: parent.width * 0.7
        height: Math.max(160, message.implicitHeight + 110)
        anchors.centerIn: parent
        color: Theme.surfaceRaised
        radius: Theme.radius * 2
        border.width: Theme.borderWidth
        border.color: Theme.border
        Label {
            id: message
            objectName: "configMessageText"
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 20 }
            wrapMode: Text.WordWrap
            textFormat: Text.StyledText
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: Theme.fontBody
        }
        Row {
            anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 12 }
            spacing: Theme.spacing
            Button {
                objectName: "configMessageYes"
                visible: box.question
                width: 160
                height: Theme.touchTarget
                text: qsTr("Yes") + tro.emptyStr
                highlighted: !box.defaultNo
                onClicked: {
                    box.visible = false
                    box.answered(true)
                }
            }
            Button {
                objectName: "configMessageNo"
                visible: box.question
                width: 160
                height: Theme.touchTarget
                text: qsTr("No") + tro.emptyStr
                highlighted: box.defaultNo
                onClicked: {
                    box.visible = false
                    box.answered(false)
                }
            }
            Button {
                objectName: "configMessageClose"
                visible: !box.question && box.showClose
                width: 180
                height: Theme.touchTarget
                text: qsTr("Close") + tro.emptyStr
                highlighted: true
                onClicked: box.visible = false
            }
        }
    }
}
