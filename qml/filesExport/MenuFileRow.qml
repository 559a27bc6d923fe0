import QtQuick 2.15
import "qrc:/theme"

// One file of the update list, in the list's own colours; the picked one is framed.
Rectangle {
    id: row
    objectName: "fileRow_" + fileName
    property string fileName
    property bool selected: false
    signal picked()
    height: 40
    color: index % 2 === 0 ? "#a5fcff" : "white"
    border.color: selected ? "#007700" : "transparent"
    border.width: 3
    Text {
        anchors { fill: parent; leftMargin: Theme.spacing; rightMargin: Theme.spacing }
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideMiddle
        text: row.fileName
        color: "black"
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontBody
    }
    MouseArea {
        anchors.fill: parent
        onClicked: row.picked()
    }
}
