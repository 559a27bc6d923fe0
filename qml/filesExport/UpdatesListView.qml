import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQml.Models 2.15
import "qrc:/theme"

// The menu update screen: the import page and the export page side by side, swiped
// horizontally, and the message that tells how an import or export went (whatever
// started it, the automatic import at start-up included).
Rectangle {
    id: view
    objectName: "updatesListView"
    color: Theme.background
    // Set by the service pages: the master display locks the pages at level 1 for some
    // customers and 2 for the others; other displays do not offer them.
    property int lockLevel: {
        if (typeof cabinetManager === "undefined" || !cabinetManager.iAmMaster)
            return -1
        var customer = cabinetManager.customerId
        return customer === 3 || customer === 1 ? 1 : 2
    }
    property bool unlocked: lockLevel >= 0
    property alias message: messageText.text

    function showMessage(text) {
        messageText.text = text
        messageBox.visible = true
    }

    ListView {
        id: pagesList
        objectName: "updatePages"
        anchors.fill: parent
        orientation: ListView.Horizontal
        snapMode: ListView.SnapOneItem
        highlightRangeMode: ListView.StrictlyEnforceRange
        clip: true
        // A mirrored horizontal list built in Arabic opens beside its first page; the
        // pages keep their order and mirror their own content.
        LayoutMirroring.enabled: false
        model: ObjectModel {
            OvUsbUpdateItem {
                width: pagesList.width
                height: pagesList.height
                unlocked: view.unlocked
            }
            OvUsbExportItem {
                width: pagesList.width
                height: pagesList.height
                unlocked: view.unlocked
            }
        }
    }

    Connections {
        target: typeof ovp !== "undefined" ? ovp : null
        // Each message is a binding, so that it follows a language switch while shown.
        function onOrvantaDataImported() {
            var name = ovp.ovImportFilename
            view.showMessage(Qt.binding(function() { return qsTr("Orvanta file imported: ") + Theme.retranslate() + name }))
        }
        function onInvalidFileVersion() {
            var name = ovp.ovImportFilename
            view.showMessage(Qt.binding(function() { return qsTr("File version is not supported: ") + Theme.retranslate() + name }))
        }
        function onOrvantaDataImportFailed() {
            var name = ovp.ovImportFilename
            view.showMessage(Qt.binding(function() { return qsTr("Orvanta file import failed: ") + Theme.retranslate() + name }))
        }
        function onExportedMenu(value) {
            view.showMessage(Qt.binding(function() { return qsTr("Orvanta file exported: ") + Theme.retranslate() + value }))
        }
        function onExportMenuFailed() {
            view.showMessage(Qt.binding(function() { return qsTr("Orvanta file export failed!") + Theme.retranslate() }))
        }
    }

    Rectangle {
        id: messageBox
        objectName: "updateMessage"
        visible: false
        anchors.centerIn: parent
        width: Math.min(parent.width - 2 * Theme.spacingLarge, 600)
        height: messageColumn.implicitHeight + 2 * Theme.spacingLarge
        color: Theme.surfaceRaised
        border.color: Theme.border
        border.width: Theme.borderWidth
        radius: Theme.radius
        z: 10
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
                objectName: "updateMessageClose"
                anchors.horizontalCenter: parent.horizontalCenter
                width: 200
                height: Theme.touchTarget
                text: qsTr("Close") + Theme.retranslate()
                onClicked: messageBox.visible = false
            }
        }
    }
}
