import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// Shown while no valid cabinet personality was accepted: the first-start dialogs
// (orientation and model) open here.
Rectangle {
    id: panel
    property int orientationId: 0
    color: Theme.background

    Label {
        objectName: "firstStartText"
        anchors.centerIn: parent
        width: parent.width * 0.8
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.pixelSize: Theme.fontLarge
        text: qsTr("This cabinet is not configured yet.") + tro.emptyStr
    }
}
