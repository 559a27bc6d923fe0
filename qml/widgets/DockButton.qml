import QtQuick 2.15

Rectangle {
    id: button
    property string label
    signal clicked()
    width: 110
    height: parent ? parent.height : 64
    color: area.pressed ? "#37474f" : "#1c2329"
    Text { anchors.centerIn: parent; text: button.label; color: "white"; font.pixelSize: 20 }
    MouseArea { id: area; anchors.fill: parent; onClicked: button.clicked() }
}
