import QtQuick 2.15
import "qrc:/theme"

// One key of the on-screen keyboards: a label on a raised surface.
Rectangle {
    id: key

    property string label
    property string fontFamily: Theme.latinFamily
    property int fontSize: Theme.fontBody
    // On (a held shift, the "EN" key in use); locked is the stronger form (caps lock).
    property bool on: false
    property bool locked: false

    signal tapped()

    radius: Theme.radius
    color: area.pressed ? Theme.surfacePressed
                        : locked ? Theme.accentPressed : on ? Theme.accentStrong : Theme.surfaceRaised
    border.color: Theme.border
    border.width: 1

    Text {
        objectName: "keyLabel"
        anchors.fill: parent
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: key.label
        color: Theme.text
        font.family: key.fontFamily
        font.pixelSize: key.fontSize
        fontSizeMode: Text.HorizontalFit
        textFormat: Text.PlainText
        minimumPixelSize: Theme.fontSmall - 4
    }

    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: key.tapped()
    }
}
