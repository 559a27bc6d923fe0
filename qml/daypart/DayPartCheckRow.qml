import QtQuick 2.15

// One day part of the Day-Parts page: a touch-sized check box with the day part's name.
Rectangle {
    id: row

    property alias text: label.text
    property bool checked: false
    property bool locked: false   // the day part in force: framed, cannot be changed

    signal toggled()

    height: 56
    radius: 6
    color: "transparent"
    border.color: locked ? "#f0c020" : "transparent"
    border.width: 3

    Rectangle {
        id: box
        objectName: "box"
        x: 12
        anchors.verticalCenter: parent.verticalCenter
        width: 36
        height: 36
        radius: 4
        color: row.checked ? "#1e64b4" : "#303030"
        border.color: "#c0c0c0"
        border.width: 2
        opacity: row.locked ? 0.6 : 1.0

        Text {
            anchors.centerIn: parent
            visible: row.checked
            text: "\u2713"
            color: "white"
            font.pixelSize: 26
        }
    }

    Text {
        id: label
        anchors.left: box.right
        anchors.leftMargin: 16
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        elide: Text.ElideRight
        color: "white"
        font.pixelSize: 22
    }

    MouseArea {
        anchors.fill: parent
        enabled: !row.locked
        onClicked: row.toggled()
    }
}
