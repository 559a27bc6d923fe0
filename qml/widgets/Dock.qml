import QtQuick 2.15
import "qrc:/settings"

// The bar of the main screen: home, the service pages, the language button and the
// start-up status.
Rectangle {
    id: dock
    property string statusText: ""
    signal homeRequested()
    signal settingsRequested()
    signal dayPartsRequested()
    signal languageApplied()
    height: 64
    color: "#101418"

    Row {
        id: buttons
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
        spacing: 4
        DockButton { objectName: "homeButton"; label: qsTr("Home"); onClicked: dock.homeRequested() }
        DockButton {
            objectName: "settingsButton"
            label: qsTr("Settings")
            visible: cabinetManager.isConfigured
            onClicked: dock.settingsRequested()
        }
        DockButton {
            objectName: "dayPartButton"
            label: qsTr("Day Part")
            visible: cabinetManager.isConfigured
            onClicked: dock.dayPartsRequested()
        }
        DockLanguageButton {
            height: parent.height
            visible: cabinetManager.isConfigured
            onLanguageApplied: dock.languageApplied()
        }
    }

    Text {
        objectName: "statusText"
        anchors { left: buttons.right; right: parent.right; verticalCenter: parent.verticalCenter; margins: 8 }
        text: dock.statusText
        color: "#ffca28"
        font.pixelSize: 18
        elide: Text.ElideRight
    }
}
