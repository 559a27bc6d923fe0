import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// A button of the dock: as tall as the dock, wide enough for its label in any language.
Rectangle {
    id: button
    property string label
    signal clicked()
    width: Math.max(110, caption.implicitWidth + 2 * Theme.spacing)
    height: parent ? parent.height : Theme.touchTarget + 8
    color: area.pressed ? Theme.surfacePressed : Theme.surface
    border.width: 1
    border.color: Theme.surfacePressed
    Label {
        id: caption
        anchors.centerIn: parent
        text: button.label
        font.pixelSize: Theme.fontBody
    }
    MouseArea { id: area; anchors.fill: parent; onClicked: button.clicked() }
}
