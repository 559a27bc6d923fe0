import QtQuick 2.15

// Shown while no valid cabinet personality was accepted: the first-start dialogs
// (orientation and model) open here.
Rectangle {
    id: panel
    property int orientationId: 0
    color: "#263238"

    Text {
        objectName: "firstStartText"
        anchors.centerIn: parent
        width: parent.width * 0.8
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: "white"
        font.pixelSize: 24
        text: qsTr("This cabinet is not configured yet.")
    }
}
