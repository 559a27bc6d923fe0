import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import "widgets"
import "qrc:/theme"
import "qrc:/keyboard"
import "qrc:/eoltest"
import "qrc:/config"
import "qrc:/networking"

// The shell: one window of 800 x 480 (480 x 800 on portrait cabinets) scaled by the
// "-sx"/"-sy" factors, the cabinet drawn from its layout, the dock, and the dialogs and
// notices the back end asks for.
ApplicationWindow {
    id: mainWindow
    visible: true
    title: "TUL"
    color: Theme.background
    // Every control and label below inherits the font of the interface language.
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontBody

    readonly property bool portrait: cabinetManager.orientationPortrait
    readonly property int baseWidth: portrait ? 480 : 800
    readonly property int baseHeight: portrait ? 800 : 480
    width: baseWidth * cabinetManager.scaleX
    height: baseHeight * cabinetManager.scaleY

    // Arabic reads from right to left.
    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    // Edits not yet saved are dropped when the language changes under them.
    function cancelEdits() { servicePages.cancelEdits() }

    // Only the first screen is built for the first frame; the pages and dialogs behind it
    // follow in the next turn of the event loop, or when first shown.
    property bool firstFrameShown: false
    Connections {
        target: mainWindow
        enabled: !mainWindow.firstFrameShown
        function onFrameSwapped() { Qt.callLater(function() { mainWindow.firstFrameShown = true }) }
    }

    Item {
        id: screen
        objectName: "screen"
        width: mainWindow.baseWidth
        height: mainWindow.baseHeight
        transform: Scale { xScale: cabinetManager.scaleX; yScale: cabinetManager.scaleY }
        rotation: cabinetManager.verticalFlip ? 180 : 0

        // Which page is shown; the idle time-out brings the main view back.
        property string currentView: "main"

        CabinetView {
            id: cabinetView
            objectName: "cabinetView"
            anchors { left: parent.left; right: parent.right; top: parent.top; bottom: dock.top }
            visible: screen.currentView === "main" && cabinetManager.isConfigured
            rows: cabinetManager.numberOfRows
            zonesPerRow: cabinetManager.zonesPerRow
            traysPerZone: cabinetManager.traysPerZone
            zones2handle: cabinetManager.zones2handle
            zones2handleStart: cabinetManager.zones2handleStart
        }

        ServicePages {
            id: servicePages
            objectName: "servicePages"
            anchors { left: parent.left; right: parent.right; top: parent.top; bottom: dock.top }
            visible: screen.currentView === "settings" && cabinetManager.isConfigured
            prepared: mainWindow.firstFrameShown
            keyboard: keyboardLayer
        }

        // The cookbook: products, groups and day-part layouts edited on the cabinet. It
        // locks again whenever it is left, the idle return included. Made when first
        // opened: nothing of it is on the first screen.
        property bool cookbookOpened: false
        onCurrentViewChanged: if (currentView === "cookbook") cookbookOpened = true
        Loader {
            id: cookbook
            anchors { left: parent.left; right: parent.right; top: parent.top; bottom: dock.top }
            active: screen.cookbookOpened
            source: "qrc:/cookbook/ProductsListPanel.qml"
            onLoaded: {
                item.objectName = "cookbook"
                item.keyboard = keyboardLayer
                // Made hidden and then shown, as the panel opens (and unlocks) on being shown.
                item.visible = false
                item.visible = Qt.binding(function() {
                    return screen.currentView === "cookbook" && cabinetManager.isConfigured
                })
            }
        }
        Connections {
            target: cookbook.item
            function onClosed() { screen.currentView = "main" }
            function onNotice(text) { simpleDialog.show(text, true) }
        }

        Loader {
            id: firstStart
            objectName: "firstStartPanel"
            anchors { left: parent.left; right: parent.right; top: parent.top; bottom: dock.top }
            visible: !cabinetManager.isConfigured
            active: visible
            source: "qrc:/config/FirstStartFlow.qml"
            onLoaded: item.keyboard = keyboardLayer
        }

        Dock {
            id: dock
            objectName: "dock"
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
            statusText: masterSync ? masterSync.statusText : ""
            onHomeRequested: screen.currentView = "main"
            onSettingsRequested: {
                screen.currentView = "settings"
                cabinetManager.refreshFlashDriveMounted()
            }
            onDayPartsRequested: dayPartPopup.visible = true
            onCookbookRequested: screen.currentView = "cookbook"
            onLanguageApplied: mainWindow.cancelEdits()
            onWifiConnectionRequested: wifiConnection.ask()
        }

        // The dock's Wi-Fi icon, tapped: the Wi-Fi set up again from the cloud's network file.
        WifiConnectionQuestion {
            id: wifiConnection
            objectName: "mainWifiConnectionQuestion"
            anchors { left: parent.left; right: parent.right; top: parent.top; bottom: dock.top }
        }

        // Modal: the day parts the operator may pick, above everything but the notices.
        Item {
            id: dayPartPopup
            objectName: "dayPartPopupLayer"
            anchors.fill: parent
            visible: false
            Rectangle { anchors.fill: parent; color: Theme.scrim }
            MouseArea { anchors.fill: parent; onClicked: dayPartPopup.visible = false }
            Loader {
                id: dayPartLoader
                anchors.centerIn: parent
                active: dayPartPopup.visible || mainWindow.firstFrameShown
                source: "qrc:/daypart/DayPartPopup.qml"
                onLoaded: item.isMaster = Qt.binding(function() { return cabinetManager.iAmMaster })
            }
            Connections {
                target: dayPartLoader.item
                function onDayPartRequested(dayPart) { cabinetManager.requestDayPart(dayPart) }
                function onCloseRequested() { dayPartPopup.visible = false }
            }
        }

        // The unit details and the outcome of installing or resetting the configuration.
        ConfigurationScreens {
            anchors.fill: parent
            keyboard: keyboardLayer
        }

        // The on-screen keyboards of the fields being edited, over the pages.
        KeyboardLayer {
            id: keyboardLayer
            objectName: "keyboardLayer"
            anchors.fill: parent
            portrait: mainWindow.portrait
        }

        OverTempDialog {
            id: overTempDialog
            anchors.fill: parent
        }

        // Without the IO board nothing heats or counts. Staff may close the notice and go
        // on using the screen; the error stays in the log and the next break shows it again.
        NoticePanel {
            id: linkBrokenNotice
            objectName: "linkBrokenNotice"
            anchors.fill: parent
            readonly property bool linkBroken: tulErrorController.sibLinkBroken
            property bool dismissed: false
            onLinkBrokenChanged: if (!linkBroken) dismissed = false
            visible: linkBroken && !dismissed
            closable: true
            onClosed: dismissed = true
            text: qsTr("<b>System Error:</b><br>Modbus Link Broken.") + tro.emptyStr
        }

        NoticePanel {
            id: firmwareNotice
            objectName: "firmwareNotice"
            anchors.fill: parent
            text: qsTr("Copying firmware update files...<br>DO NOT unplug USB or power off the unit") + tro.emptyStr
            busy: true
        }

        // The IoT proxy agent's system backup: the unit must stay powered until it ends.
        NoticePanel {
            id: backupNotice
            objectName: "backupNotice"
            anchors.fill: parent
            readonly property var agent: typeof tulIot !== "undefined" ? tulIot : null
            visible: agent !== null && agent.systemBackupActive && !agent.forcedPackageActive
            text: qsTr("System backup in progress.<br>DO NOT unplug USB or power off the unit")
                  + "<br>" + (agent ? agent.systemBackupProgress : 0) + " %"
            busy: true
        }

        ScreenTestPanel {
            id: screenTest
            objectName: "screenTestPanel"
            anchors.fill: parent
        }

        SimpleDialog {
            id: simpleDialog
            objectName: "simpleDialog"
            anchors.fill: parent
        }

        // The factory test: its message, and the screens it needs clear.
        EolTestLayer {
            anchors.fill: parent
            screenTestPanel: screenTest
            onScreenTestRequested: {
                if (show)
                    screenTest.start()
                else
                    screenTest.stop()
            }
            onPanelsHideRequested: {
                screen.currentView = "main"
                screenTest.stop()
                keyboardLayer.hide()
                wifiConnection.close()
                mainWindow.cancelEdits()
            }
        }
    }

    Connections {
        target: cabinetManager
        function onInvokeSimpleDialog(text, showClose) { simpleDialog.show(text, showClose) }
        // The idle return: the main view, nothing left open over it, no unsaved edit kept.
        function onNoUserInteraction() {
            screen.currentView = "main"
            dayPartPopup.visible = false
            if (simpleDialog.showClose)
                simpleDialog.visible = false
            mainWindow.cancelEdits()
        }
        function onFirmwareUpdateStarted() { firmwareNotice.visible = true }
        function onDisplayTestStart() { screenTest.start() }
        function onDisplayTestStop() { screenTest.stop() }
    }
}
