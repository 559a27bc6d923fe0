import QtQuick 2.15
import QtQuick.Window 2.15

Window {
    visible: true
    width: 800
    height: 480
    color: "black"

    Text {
        anchors.centerIn: parent
        color: "white"
        font.pixelSize: 32
        text: "Holding cabinet"
    }
}
