import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"
import "qrc:/errorControl"
import "qrc:/config"
import "qrc:/networking"

// The Utilities page: the service tools that are not pages of their own, as a scrolling
// list of equal buttons. Pages it opens (Files Import/Export, Zone Diagnostics, the skin
// screen) are asked for by name. Files Import/Export opens while the page is locked (its
// update pages have locks of their own); every other tool waits for the page to be
// unlocked.
Rectangle {
    id: page
    objectName: "utilitiesPage"
    color: Theme.background
    // The level the page was unlocked with (0 while locked), and whether its tools are
    // usable.
    property int unlockLevel: 0
    property bool unlocked: unlockLevel > 0
    // Where busy overlays go: the area of the service pages.
    property Item overlayParent: page
    readonly property int buttonWidth: Math.min(width - 2 * Theme.spacingLarge, 480)
    signal openRequested(string name)

    Flickable {
        id: list
        objectName: "utilitiesList"
        anchors.fill: parent
        anchors.margins: Theme.spacingSmall
        contentHeight: tools.height
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollBar.vertical: ScrollBar { width: Theme.scrollBarWidth; policy: ScrollBar.AsNeeded }

        Column {
            id: tools
            width: list.width
            spacing: Theme.spacing
            topPadding: Theme.spacingSmall
            bottomPadding: Theme.spacingSmall
            Button {
                objectName: "filesButton"
                anchors.horizontalCenter: parent.horizontalCenter
                width: page.buttonWidth
                height: Theme.touchTarget
                text: qsTr("Files Import/Export") + tro.emptyStr
                onClicked: page.openRequested("Files Import/Export")
            }
            Column {
                objectName: "lockedTools"
                width: parent.width
                spacing: Theme.spacing
                enabled: page.unlocked
                ExportErrorLogButton {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: page.buttonWidth
                    flashDriveMounted: cabinetManager.flashDriveMounted
                }
                Button {
                    objectName: "zoneDiagnosticsButton"
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: page.buttonWidth
                    height: Theme.touchTarget
                    text: qsTr("Zone Diagnostics") + tro.emptyStr
                    onClicked: page.openRequested("Zone Diagnostics")
                }
                Button {
                    objectName: "skinButton"
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: page.buttonWidth
                    height: Theme.touchTarget
                    text: qsTr("Colors and Sizes") + tro.emptyStr
                    onClicked: page.openRequested("Skin")
                }
                Button {
                    objectName: "initializeWifiButton"
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: page.buttonWidth
                    height: Theme.touchTarget
                    text: qsTr("Initialize Wi-Fi Connection") + tro.emptyStr
                    onClicked: wifiConnection.ask()
                }
                PowerSourceRow {
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                ScreenshotButton {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: page.buttonWidth
                }
                PlatformInfoButton {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: page.buttonWidth
                    unlockLevel: page.unlockLevel
                }
            }
        }
    }

    WifiConnectionQuestion {
        id: wifiConnection
        // Its button is usable only with the page unlocked at level 2 or more.
        pinNeeded: false
        parent: page.overlayParent
        anchors.fill: parent
        z: 10
    }
}
