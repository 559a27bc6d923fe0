import QtQml 2.15
import QtQuick 2.15
import QtQuick.Window 2.15
import "widgets"
import "qrc:/theme"

// The shell: one window of 800 x 480 (480 x 800 on portrait cabinets) scaled by the
// "-sx"/"-sy" factors, the cabinet drawn from its layout, the dock, and the dialogs and
// notices the back end asks for. A plain window: the controls' module is loaded with the
// first page, after the first frame; every control takes its font from the style.
Window {
    id: mainWindow
    visible: true
    title: "TUL"
    color: Theme.background

    readonly property bool portrait: cabinetManager.orientationPortrait
    readonly property int baseWidth: portrait ? 480 : 800
    readonly property int baseHeight: portrait ? 800 : 480
    width: baseWidth * cabinetManager.scaleX
    height: baseHeight * cabinetManager.scaleY

    // Arabic reads from right to left.
    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    // The idle return and the factory test drop edits not yet saved; a language change
    // keeps them.
    function cancelEdits() {
        if (servicePages.item)
            servicePages.item.cancelEdits()
    }

    // Only the cabinet and the dock are built for the first frame, and nothing follows it by
    // itself: pages, pop-ups, notices and keyboards are made when first shown.
    function layer(loader) {
        loader.active = true
        return loader.item
    }
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
        // A dock button: the cookbook is left as its Return leaves it, asking about unsaved
        // edits first.
        function show(view) {
            if (currentView === "cookbook" && view !== "cookbook" && cookbook.item)
                cookbook.item.leaveFor(view)
            else
                currentView = view
        }
        // Where the pages end: at the dock, or at the over-temperature band above it.
        readonly property Item pagesBottom: overTempDialog.item && overTempDialog.item.shown ? overTempDialog : dock

        CabinetView {
            id: cabinetView
            objectName: "cabinetView"
            anchors { left: parent.left; right: parent.right; top: parent.top; bottom: screen.pagesBottom.top }
            visible: screen.currentView === "main" && cabinetManager.isConfigured
            rows: cabinetManager.numberOfRows
            zonesPerRow: cabinetManager.zonesPerRow
            traysPerZone: cabinetManager.traysPerZone
            zones2handle: cabinetManager.zones2handle
            zones2handleStart: cabinetManager.zones2handleStart
            // The notice closed, the banner still says the IO board is not answering.
            linkBrokenText: linkBrokenNotice.linkBroken
                            ? (qsTr("<b>System Error:</b><br>Modbus Link Broken.") + tro.emptyStr).replace(/<br>/g, " ").replace(/<[^>]*>/g, "")
                            : ""
            onFaultsTapped: {
                screen.currentView = "settings"
                mainWindow.layer(servicePages).open("Errors Log")
            }
        }

        Loader {
            id: servicePages
            anchors { left: parent.left; right: parent.right; top: parent.top; bottom: screen.pagesBottom.top }
            visible: screen.currentView === "settings" && cabinetManager.isConfigured
            active: visible || status === Loader.Ready
            source: "qrc:/widgets/ServicePages.qml"
            onLoaded: {
                item.objectName = "servicePages"
                item.keyboard = keyboard
            }
        }

        // The cookbook: products, groups and day-part layouts edited on the cabinet. Its
        // lock stays as the user left it, across visits and the idle return. Made when
        // first opened: nothing of it is on the first screen.
        property bool cookbookOpened: false
        onCurrentViewChanged: if (currentView === "cookbook") cookbookOpened = true
        Loader {
            id: cookbook
            anchors { left: parent.left; right: parent.right; top: parent.top; bottom: screen.pagesBottom.top }
            active: screen.cookbookOpened
            source: "qrc:/cookbook/ProductsListPanel.qml"
            onLoaded: {
                item.objectName = "cookbook"
                item.keyboard = keyboard
                // Made hidden and then shown, as the panel reads its models on being shown.
                item.visible = false
                item.visible = Qt.binding(function() {
                    return screen.currentView === "cookbook" && cabinetManager.isConfigured
                })
            }
        }
        Connections {
            target: cookbook.item
            function onClosed() { screen.currentView = cookbook.item.leavingTo }
            function onNotice(text) { mainWindow.layer(simpleDialog).show(text, true) }
        }

        Loader {
            id: firstStart
            objectName: "firstStartPanel"
            anchors { left: parent.left; right: parent.right; top: parent.top; bottom: screen.pagesBottom.top }
            visible: !cabinetManager.isConfigured
            active: visible
            source: "qrc:/config/FirstStartFlow.qml"
            onLoaded: item.keyboard = keyboard
        }

        Dock {
            id: dock
            objectName: "dock"
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
            statusText: masterSync ? masterSync.statusText : ""
            onHomeRequested: screen.show("main")
            onSettingsRequested: {
                screen.show("settings")
                cabinetManager.refreshFlashDriveMounted()
            }
            onDayPartsRequested: dayPartPopup.visible = true
            onCookbookRequested: screen.currentView = "cookbook"
            onWifiConnectionRequested: mainWindow.layer(wifiConnection).ask()
        }

        // The dock's Wi-Fi icon, tapped: the Wi-Fi set up again from the cloud's network file.
        Loader {
            id: wifiConnection
            anchors { left: parent.left; right: parent.right; top: parent.top; bottom: screen.pagesBottom.top }
            active: false
            source: "qrc:/networking/WifiConnectionQuestion.qml"
            onLoaded: item.objectName = "mainWifiConnectionQuestion"
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
                active: dayPartPopup.visible || status === Loader.Ready
                source: "qrc:/daypart/DayPartPopup.qml"
                onLoaded: item.isMaster = Qt.binding(function() { return cabinetManager.iAmMaster })
            }
            Connections {
                target: dayPartLoader.item
                function onDayPartRequested(dayPart) { cabinetManager.requestDayPart(dayPart) }
                function onCloseRequested() { dayPartPopup.visible = false }
            }
        }

        // The unit details and the outcome of installing or resetting the configuration: made
        // by the settings store's first request, and listening themselves from then on; at
        // start, after the first frame, only where the unit details are missing.
        Loader {
            id: configurationScreens
            anchors.fill: parent
            property bool detailsMissing: false
            active: detailsMissing && mainWindow.firstFrameShown
            source: "qrc:/config/ConfigurationScreens.qml"
            onLoaded: item.keyboard = keyboard
            Component.onCompleted: detailsMissing = cabinetManager.isConfigured
                                   && (configManager.serialNumber === "" || configManager.modelNumber === "")
        }
        Connections {
            target: configManager
            enabled: configurationScreens.item === null
            function onShowSerialModelNumbersDialog() {
                if (cabinetManager.isConfigured)
                    mainWindow.layer(configurationScreens).openUnitDetails()
            }
            function onCopyConfigurationFileCompleted() { mainWindow.layer(configurationScreens).copyCompleted() }
            function onCopyConfigurationFileFailed() { mainWindow.layer(configurationScreens).copyFailed() }
            function onResetConfigurationFileCompleted() { mainWindow.layer(configurationScreens).resetCompleted() }
        }

        // What the fields are given as their keyboard: the keyboards themselves are made the
        // first time a field asks for one.
        Item {
            id: keyboard
            readonly property bool alphaShown: keyboardLayer.item !== null && keyboardLayer.item.alphaShown
            readonly property bool numericShown: keyboardLayer.item !== null && keyboardLayer.item.numericShown
            function showAlpha(multilingual) { mainWindow.layer(keyboardLayer).showAlpha(multilingual) }
            function showNumeric(decimalPoint, minus) { mainWindow.layer(keyboardLayer).showNumeric(decimalPoint, minus) }
            function hide() {
                if (keyboardLayer.item)
                    keyboardLayer.item.hide()
            }
        }

        // The on-screen keyboards of the fields being edited, over the pages.
        Loader {
            id: keyboardLayer
            anchors.fill: parent
            active: false
            source: "qrc:/keyboard/KeyboardLayer.qml"
            onLoaded: {
                item.objectName = "keyboardLayer"
                item.portrait = Qt.binding(function() { return mainWindow.portrait })
            }
        }

        // How a menu import or export went, over whatever page is open: an import is told
        // once its files are saved, often after its page was left, and the automatic one
        // at start-up on no page of its own.
        Loader {
            id: updateMessage
            anchors.fill: parent
            active: false
            source: "qrc:/filesExport/UpdateMessage.qml"
        }

        // Made by the first over-temperature alarm. Above the dock, which stays free: the
        // Errors Log and Zone Diagnostics are what staff need while the cabinet is hot.
        Loader {
            id: overTempDialog
            anchors { left: parent.left; right: parent.right; bottom: dock.top }
            height: item ? item.implicitHeight : dock.height
            active: (typeof holding !== "undefined" && holding !== null && holding.ambientAlarmActive === true)
                    || status === Loader.Ready
            source: "qrc:/widgets/OverTempDialog.qml"
        }

        // Without the IO board nothing heats or counts. Staff may close the notice and go
        // on using the screen; the error stays in the log and the next break shows it again.
        Loader {
            id: linkBrokenNotice
            anchors.fill: parent
            readonly property bool linkBroken: tulErrorController.sibLinkBroken
            property bool dismissed: false
            onLinkBrokenChanged: if (!linkBroken) dismissed = false
            active: linkBroken || status === Loader.Ready
            source: "qrc:/widgets/NoticePanel.qml"
            onLoaded: {
                item.objectName = "linkBrokenNotice"
                item.closable = true
                item.visible = Qt.binding(function() { return linkBrokenNotice.linkBroken && !linkBrokenNotice.dismissed })
                item.text = Qt.binding(function() { return qsTr("<b>System Error:</b><br>Modbus Link Broken.") + tro.emptyStr })
            }
        }
        Connections {
            target: linkBrokenNotice.item
            function onClosed() { linkBrokenNotice.dismissed = true }
        }

        Loader {
            id: firmwareNotice
            anchors.fill: parent
            active: false
            source: "qrc:/widgets/NoticePanel.qml"
            onLoaded: {
                item.objectName = "firmwareNotice"
                item.busy = true
                item.text = Qt.binding(function() {
                    return qsTr("Copying firmware update files...<br>DO NOT unplug USB or power off the unit") + tro.emptyStr
                })
            }
        }

        // The IoT proxy agent's system backup: the unit must stay powered until it ends.
        Loader {
            id: backupNotice
            anchors.fill: parent
            readonly property var agent: typeof tulIot !== "undefined" ? tulIot : null
            active: (agent !== null && agent.systemBackupActive) || status === Loader.Ready
            source: "qrc:/widgets/NoticePanel.qml"
            onLoaded: {
                item.objectName = "backupNotice"
                item.busy = true
                item.visible = Qt.binding(function() {
                    return backupNotice.agent !== null && backupNotice.agent.systemBackupActive
                            && !backupNotice.agent.forcedPackageActive
                })
                item.text = Qt.binding(function() {
                    return qsTr("System backup in progress.<br>DO NOT unplug USB or power off the unit")
                            + "<br>" + (backupNotice.agent ? backupNotice.agent.systemBackupProgress : 0) + " %"
                })
            }
        }

        Loader {
            id: screenTest
            anchors.fill: parent
            active: false
            source: "qrc:/widgets/ScreenTestPanel.qml"
            onLoaded: item.objectName = "screenTestPanel"
        }
        // The factory log shows what the screen did.
        LoggingCategory { id: qmlLog; name: "tul.qml" }
        Connections {
            target: screenTest.item
            function onVisibleChanged() {
                console.info(qmlLog, "Screen colour test panel " + (screenTest.item.visible ? "shown" : "hidden"))
            }
        }

        Loader {
            id: simpleDialog
            anchors.fill: parent
            active: false
            source: "qrc:/widgets/SimpleDialog.qml"
            onLoaded: item.objectName = "simpleDialog"
        }

        // The factory test: its message, and the screens it needs clear. Made by the test's
        // first request, and listening itself from then on.
        Loader {
            id: eolTestLayer
            anchors.fill: parent
            active: false
            source: "qrc:/eoltest/EolTestLayer.qml"
        }
        Connections {
            target: typeof eolTest !== "undefined" ? eolTest : null
            enabled: eolTestLayer.item === null
            ignoreUnknownSignals: true
            function onUdpBroadcastStarted() { mainWindow.layer(eolTestLayer).addressDetectionStarted() }
            function onSystemInfoTestStart() { mainWindow.layer(eolTestLayer).screenTestRequested(false) }
            function onSoundTestStart() { mainWindow.layer(eolTestLayer).screenTestRequested(false) }
            function onHeatingTestCommand() { mainWindow.layer(eolTestLayer).screenTestRequested(false) }
            function onDisplayTestStart() { mainWindow.layer(eolTestLayer).screenTestRequested(true) }
            function onNfcTestStart() { mainWindow.layer(eolTestLayer).panelsHideRequested() }
            function onEolTestStartedChanged() { mainWindow.layer(eolTestLayer).panelsHideRequested() }
        }
        Connections {
            target: cabinetManager
            enabled: eolTestLayer.item === null
            ignoreUnknownSignals: true
            function onSystemInfoTestStart() { mainWindow.layer(eolTestLayer).screenTestRequested(false) }
            function onNfcTestStart() { mainWindow.layer(eolTestLayer).panelsHideRequested() }
        }
        Connections {
            target: eolTestLayer.item
            function onScreenTestRequested(show) {
                if (show)
                    mainWindow.layer(screenTest).start()
                else if (screenTest.item)
                    screenTest.item.stop()
            }
            function onPanelsHideRequested() {
                screen.currentView = "main"
                if (screenTest.item)
                    screenTest.item.stop()
                if (keyboardLayer.item)
                    keyboardLayer.item.hide()
                if (wifiConnection.item)
                    wifiConnection.item.close()
                mainWindow.cancelEdits()
            }
        }
    }

    // The import controller; absent where the shell runs without the back end.
    Connections {
        target: typeof ovp !== "undefined" ? ovp : null
        function onOrvantaDataImported() { mainWindow.layer(updateMessage).imported(ovp.ovImportFilename) }
        function onInvalidFileVersion() { mainWindow.layer(updateMessage).unsupported(ovp.ovImportFilename) }
        function onOrvantaDataImportFailed() { mainWindow.layer(updateMessage).importFailed(ovp.ovImportFilename) }
        function onExportedMenu(value) { mainWindow.layer(updateMessage).exported(value) }
        function onExportMenuFailed() { mainWindow.layer(updateMessage).exportFailed() }
    }

    Connections {
        target: cabinetManager
        function onInvokeSimpleDialog(text, showClose) { mainWindow.layer(simpleDialog).show(text, showClose) }
        // The idle return: the main view, nothing left open over it, no unsaved edit kept.
        function onNoUserInteraction() {
            screen.currentView = "main"
            dayPartPopup.visible = false
            if (simpleDialog.item && simpleDialog.item.showClose)
                simpleDialog.item.visible = false
            mainWindow.cancelEdits()
        }
        function onFirmwareUpdateStarted() { mainWindow.layer(firmwareNotice).visible = true }
        function onDisplayTestStart() { mainWindow.layer(screenTest).start() }
        function onDisplayTestStop() {
            if (screenTest.item)
                screenTest.item.stop()
        }
    }
}
