import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"
import "qrc:/errorControl"
import "qrc:/haccpLog"
import "qrc:/config"

// The Utilities page: the service tools that are not pages of their own, as a list of
// equal buttons. Pages it opens (Zone Diagnostics, Menu Update) are asked for by name.
Rectangle {
    id: page
    objectName: "utilitiesPage"
    color: Theme.background
    // The level the page was unlocked with (0 while locked).
    property int unlockLevel: 0
    // Where busy overlays go: the area of the service pages.
    property Item overlayParent: page
    signal openRequested(string name)

    Column {
        anchors.centerIn: parent
        spacing: Theme.spacing
        ExportErrorLogButton {
            width: 360
            flashDriveMounted: cabinetManager.flashDriveMounted
        }
        ExportHaccpLogButton {
            overlayParent: page.overlayParent
            flashDriveMounted: cabinetManager.flashDriveMounted
        }
        Button {
            objectName: "zoneDiagnosticsButton"
            width: 360
            height: Theme.touchTarget
            text: qsTr("Zone Diagnostics") + tro.emptyStr
            onClicked: page.openRequested("Zone Diagnostics")
        }
        Button {
            objectName: "menuUpdateButton"
            width: 360
            height: Theme.touchTarget
            text: qsTr("Menu Update") + tro.emptyStr
            onClicked: page.openRequested("Menu Update")
        }
        PowerSourceRow {}
        ScreenshotButton { width: 360 }
        PlatformInfoButton {
            width: 360
            unlockLevel: page.unlockLevel
        }
    }
}
