import QtQuick 2.15
import "qrc:/theme"

// One file of the update list; the picked one is framed.
Rectangle {
    id: row
    objectName: "fileRow_" + fileName
    property string fileName
    property bool selected: false
    signal picked()
    height: Theme.touchTarget
    color: index % 2 === 0 ? Theme.surface : Theme.surfaceRaised
    border.color: selected ? Theme.accent : "transparent"
    border.width: 3
    Text {
        anchors { fill: parent; leftMargin: Theme.spacing; rightMargin: Theme.spacing }
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideMiddle
        text: row.fileName
        color: Theme.text
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontBody
    }
    MouseArea {
        anchors.fill: parent
        onClicked: row.picked()
    }
}
