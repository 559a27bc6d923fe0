import QtQuick 2.15

Rectangle {
    id: bin
    property int binNumber: 0
    color: "#37474f"
    radius: 3
    border.color: "#607d8b"

    Text {
        anchors.centerIn: parent
        text: bin.binNumber + 1
        color: "white"
        font.pixelSize: Math.max(10, bin.height / 3)
    }
}
