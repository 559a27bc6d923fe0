import QtQuick 2.15
import QtQuick.Controls 2.15

// A full-screen notice with an optional wait indicator, shown while the back end works.
Item {
    id: notice
    visible: false
    property alias text: label.text
    property bool busy: false

    Rectangle { anchors.fill: parent; color: "#d0000000" }
    MouseArea { anchors.fill: parent }
    Column {
        anchors.centerIn: parent
        spacing: 20
        BusyIndicator { anchors.horizontalCenter: parent.horizontalCenter; running: notice.visible && notice.busy; visible: notice.busy }
        Text {
            id: label
            width: notice.width * 0.8
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            textFormat: Text.StyledText
            color: "white"
            font.pixelSize: 22
        }
    }
}
