import QtQuick 2.15

// The bar of the main screen. Later pages add their buttons here.
Rectangle {
    id: dock
    property string statusText: ""
    signal homeRequested()
    height: 56
    color: "#101418"

    MouseArea {
        id: homeButton
        objectName: "homeButton"
        width: 96
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
        onClicked: dock.homeRequested()
        Text { anchors.centerIn: parent; text: qsTr("Home"); color: "white"; font.pixelSize: 20 }
    }

    Text {
        objectName: "statusText"
        anchors { left: homeButton.right; right: parent.right; verticalCenter: parent.verticalCenter; margins: 8 }
        text: dock.statusText
        color: "#ffca28"
        font.pixelSize: 18
        elide: Text.ElideRight
    }
}
