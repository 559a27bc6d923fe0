import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// A message of the menu update with its Close button, over a scrim that takes every
// touch until Close. The shell shows the import controller's results in one (whatever
// page is open, the automatic import at start-up included); the update list shows its
// lock messages in its own.
Item {
    id: box
    objectName: "updateMessage"
    property string closeObjectName: "updateMessageClose"
    property alias message: messageText.text
    visible: false
    z: 10

    function show(text) {
        messageText.text = text
        visible = true
    }
    // Each message is a binding, so that it follows a language switch while shown.
    function imported(name) {
        show(Qt.binding(function() { return qsTr("Orvanta file imported: ") + Theme.retranslate() + name }))
    }
    function unsupported(name) {
        show(Qt.binding(function() { return qsTr("File version is not supported: ") + Theme.retranslate() + name }))
    }
    function importFailed(name) {
        show(Qt.binding(function() { return qsTr("Orvanta file import failed: ") + Theme.retranslate() + name }))
    }
    function exported(name) {
        show(Qt.binding(function() { return qsTr("Orvanta file exported: ") + Theme.retranslate() + name }))
    }
    function exportFailed() {
        show(Qt.binding(function() { return qsTr("Orvanta file export failed!") + Theme.retranslate() }))
    }

    Rectangle { anchors.fill: parent; color: Theme.scrim }
    MouseArea { anchors.fill: parent }
    Rectangle {
        anchors.centerIn: parent
        width: Math.min(parent.width - 2 * Theme.spacingLarge, 600)
        height: messageColumn.implicitHeight + 2 * Theme.spacingLarge
        color: Theme.surfaceRaised
        border.color: Theme.border
        border.width: Theme.borderWidth
        radius: Theme.radius
        Column {
            id: messageColumn
            anchors.centerIn: parent
            width: parent.width - 2 * Theme.spacingLarge
            spacing: Theme.spacing
            Text {
                id: messageText
                width: parent.width
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                color: Theme.text
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontBody
            }
            Button {
                objectName: box.closeObjectName
                anchors.horizontalCenter: parent.horizontalCenter
                width: 200
                height: Theme.touchTarget
                text: qsTr("Close") + Theme.retranslate()
                onClicked: box.visible = false
            }
        }
    }
}
