import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// One day part of the Day-Parts page: a touch-sized check box with the day part's name.
// The whole row reacts to a tap.
Rectangle {
    id: row

    property alias text: label.text
    property bool checked: false
    property bool locked: false   // the day part in force: framed, cannot be changed

    signal toggled()

    height: Theme.touchTarget
    radius: Theme.radius
    color: area.pressed ? Theme.surfacePressed : "transparent"
    border.color: locked ? Theme.status : "transparent"
    border.width: 3

    Rectangle {
        id: box
        objectName: "box"
        anchors.left: parent.left
        anchors.leftMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        width: 36
        height: 36
        radius: 4
        color: row.checked ? Theme.accentStrong : Theme.surface
        border.color: row.checked ? Theme.accent : Theme.textSecondary
        border.width: Theme.borderWidth
        opacity: row.locked ? 0.6 : 1.0

        Text {
            anchors.centerIn: parent
            visible: row.checked
            text: "\u2713"
            color: Theme.textOnAccent
            font.family: Theme.latinFamily
            font.pixelSize: 26
            font.bold: true
        }
    }

    Label {
        id: label
        objectName: "dayPartName"
        anchors.left: box.right
        anchors.leftMargin: Theme.spacing
        anchors.right: parent.right
        anchors.rightMargin: Theme.spacing
        anchors.verticalCenter: parent.verticalCenter
        horizontalAlignment: Text.AlignLeft
        elide: Text.ElideRight
        font.pixelSize: Theme.fontBody
    }

    MouseArea {
        id: area
        anchors.fill: parent
        enabled: !row.locked
        onClicked: row.toggled()
    }
}
