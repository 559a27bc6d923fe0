import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"
import "qrc:/keyboard"

// The numeric pad for PINs: a title ("PIN #", "NEW PIN#"), the digits typed so far shown
// as dots, a message line and the pad. Return hands the digits over; they are never
// shown, logged or kept once the pad closes.
Item {
    id: pinPad
    objectName: "pinPad"
    visible: false
    property string title: ""
    property string message: ""
    signal entered(string pin)
    signal canceled()

    function open(titleText) {
        title = titleText
        message = ""
        field.text = ""
        visible = true
        field.forceActiveFocus()
    }
    function close() {
        visible = false
        field.text = ""
        message = ""
    }
    function showError(text) {
        message = text
        field.text = ""
        field.forceActiveFocus()
    }

    Rectangle { anchors.fill: parent; color: Theme.scrim }
    MouseArea { anchors.fill: parent; onClicked: field.forceActiveFocus() } // modal

    Rectangle {
        anchors.centerIn: parent
        width: keys.width + 2 * Theme.spacing
        height: column.implicitHeight + 2 * Theme.spacing
        color: Theme.surfaceRaised
        radius: Theme.radius * 2
        border.width: Theme.borderWidth
        border.color: Theme.border

        Column {
            id: column
            anchors.centerIn: parent
            spacing: Theme.spacingSmall

            Item {
                width: keys.width
                height: Theme.touchTarget
                Label {
                    objectName: "pinPadTitle"
                    anchors { left: parent.left; right: cancel.left; verticalCenter: parent.verticalCenter }
                    text: pinPad.title
                    font.pixelSize: Theme.fontTitle
                    elide: Text.ElideRight
                }
                Button {
                    id: cancel
                    objectName: "pinPadCancel"
                    anchors.right: parent.right
                    width: 140
                    height: Theme.touchTarget
                    focusPolicy: Qt.NoFocus
                    text: qsTr("Cancel") + tro.emptyStr
                    onClicked: {
                        pinPad.close()
                        pinPad.canceled()
                    }
                }
            }
            Rectangle {
                width: keys.width
                height: Theme.touchTarget
                color: Theme.background
                radius: Theme.radius
                TextInput {
                    id: field
                    objectName: "pinPadField"
                    anchors.fill: parent
                    horizontalAlignment: TextInput.AlignHCenter
                    verticalAlignment: TextInput.AlignVCenter
                    echoMode: TextInput.Password
                    maximumLength: 12
                    validator: RegExpValidator { regExp: /[0-9]*/ }
                    color: Theme.text
                    font.pixelSize: Theme.fontTitle
                    onAccepted: pinPad.entered(text)
                }
            }
            Label {
                objectName: "pinPadMessage"
                width: keys.width
                horizontalAlignment: Text.AlignHCenter
                text: pinPad.message
                color: Theme.danger
                font.pixelSize: Theme.fontBody
            }
            NumericKeyboard {
                id: keys
                objectName: "pinPadKeys"
            }
        }
    }
}
