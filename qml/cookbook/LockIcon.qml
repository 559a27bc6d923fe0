import QtQuick 2.15
import "qrc:/theme"

// A padlock drawn from the theme's shapes (emoji fonts draw it as a blob at this size):
// the shackle closed on the body when locked, lifted clear of it when open.
Item {
    id: icon
    property bool locked: true
    property color color: Theme.text

    width: 26
    height: 34

    // The shackle: a rounded frame whose lower half the body covers.
    Rectangle {
        objectName: "lockShackle"
        x: 4
        y: icon.locked ? 0 : -8
        width: icon.width - 8
        height: 22
        radius: width / 2
        color: "transparent"
        border.width: 4
        border.color: icon.color
    }
    Rectangle {
        objectName: "lockBody"
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 18
        radius: 3
        color: icon.color
        Rectangle {
            anchors.centerIn: parent
            width: 4
            height: 8
            radius: 2
            color: Theme.background
        }
    }
}
