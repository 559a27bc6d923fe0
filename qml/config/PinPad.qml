import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"
import "qrc:/keyboard"

// The numeric pad for PINs, the one used by every lock: a title ("PIN #", "NEW PIN#"), the
// digits typed so far shown as dots, a message in their place ("ERROR") and the pad.
// Return hands the digits over; they are never shown, logged or kept once the pad closes.
Item {
    id: pinPad
    objectName: "pinPad"
    visible: false
    property string title: ""
    property string message: ""
    // Beside the message: the PIN typed is known but of a lower level than the lock's.
    property bool higherLevelNeeded: false
    signal entered(string pin)
    signal canceled()

    function open(titleText) {
        title = titleText
        message = ""
        higherLevelNeeded = false
        field.text = ""
        visible = true
        field.forceActiveFocus()
    }
    function close() {
        visible = false
        field.text = ""
        message = ""
        higherLevelNeeded = false
    }
    // The caller says afterwards, through `higherLevelNeeded`, when the PIN was of too low a level.
    function showError(text) {
        message = text
        higherLevelNeeded = false
        field.text = ""
        field.forceActiveFocus()
    }

    Rectangle { anchors.fill: parent; color: Theme.scrim }
    MouseArea { anchors.fill: parent; onClicked: field.forceActiveFocus() } // modal

    // Title and Cancel on one row and the message inside the entry field keep the whole
    // pad within the page above the dock, in landscape and in portrait.
    Rectangle {
        id: box
        objectName: "pinPadBox"
        anchors.centerIn: parent
        width: keys.width + 2 * Theme.spacingSmall
        height: column.implicitHeight + 2 * Theme.spacingSmall
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
                    anchors { left: parent.left; right: cancel.left; verticalCenter: parent.verticalCenter
                              leftMargin: Theme.spacingSmall; rightMargin: Theme.spacingSmall }
                    text: pinPad.title
                    color: Theme.text
                    font.pixelSize: Theme.fontTitle
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: Theme.fontSmall
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
            // A wrong PIN turns the field red with the message in white until the next digit.
            Rectangle {
                objectName: "pinPadFieldBox"
                width: keys.width
                height: Theme.touchTarget
                color: messageLabel.visible ? Theme.danger : Theme.background
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
                    // Kept focused for the next digit, but not drawn through the message.
                    opacity: messageLabel.visible ? 0 : 1
                    onTextChanged: if (text !== "") {
                        pinPad.message = ""
                        pinPad.higherLevelNeeded = false
                    }
                    onAccepted: pinPad.entered(text)
                }
                Label {
                    id: messageLabel
                    objectName: "pinPadMessage"
                    anchors.fill: parent
                    visible: text !== ""
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: pinPad.message
                    color: Theme.text
                    font.pixelSize: Theme.fontTitle
                    font.bold: true
                    fontSizeMode: Text.Fit
                    minimumPixelSize: Theme.fontSmall
                }
            }
            Label {
                objectName: "pinPadHint"
                width: keys.width
                visible: pinPad.higherLevelNeeded
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: qsTr("This PIN # is of a lower level: this lock needs a higher level's PIN #.") + tro.emptyStr
                color: Theme.warning
                font.pixelSize: Theme.fontSmall
            }
            NumericKeyboard {
                id: keys
                objectName: "pinPadKeys"
            }
        }
    }
}
