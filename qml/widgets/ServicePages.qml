import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/errorControl"
import "qrc:/sysmon"
import "qrc:/theme"
import "qrc:/haccpLog"
import "qrc:/config"

// The service pages reachable from the dock: the carousel's header over the chosen page.
// Each page is usable only while the carousel reports it open (its lock level, or the
// level it was unlocked with); leaving the pages locks them again.
Rectangle {
    id: pages
    color: Theme.background
    property string currentPage: "Preferences"
    // Set once the first frame is on the screen: the pages are built then, or when shown.
    property bool prepared: false
    // The page keys (the carousel shows their translated titles) and the carousel's
    // screen of each. Menu Update opens from the Utilities page and stays under it.
    readonly property var pageKeys: [QT_TR_NOOP("Preferences"), QT_TR_NOOP("Language"), QT_TR_NOOP("Day-Parts"),
        QT_TR_NOOP("Errors Log"), QT_TR_NOOP("Holding Log"), QT_TR_NOOP("Utilities"), "Zone Diagnostics",
        "Password", "System Information", "Menu Update"]
    readonly property var pageScreens: ["Preferences", "LanguagePanel", "DaypartsToUsePanel", "ErrorsLogPanel",
        "HoldingLogPanel", "UtilitiesPanel", "ZoneDiagnosticsPanel", "PasswordPanel", "SystemInformationPanel",
        "UtilitiesPanel"]
    readonly property var screenOf: {
        var map = {}
        for (var i = 0; i < pageKeys.length; ++i)
            map[pageKeys[i]] = pageScreens[i]
        return map
    }
    // The pages this display offers, in carousel order.
    readonly property var pageNames: {
        var names = []
        for (var i = 1; i < carousel.pages.length - 1; ++i)
            names.push(carousel.pages[i].title)
        return names
    }

    // The idle return and a language switch from the dock: unsaved edits go.
    function cancelEdits() {
        if (preferences.item)
            preferences.item.cancelEdits()
        if (language.item)
            language.item.cancelEdits()
        if (dayParts.item)
            dayParts.item.reload()
    }
    // The page of a loader, built at once if it is not yet.
    function page(loader) {
        loader.active = true
        return loader.item
    }

    onCurrentPageChanged: {
        var screen = screenOf[currentPage]
        if (screen !== undefined && carousel.screen !== screen)
            carousel.show(screen)
        if (currentPage === "Errors Log")
            page(errorLog).refresh()
        else if (currentPage === "Day-Parts")
            page(dayParts).reload()
        else if (currentPage === "Holding Log")
            page(holdingLog).autoRetrieve()
    }
    onVisibleChanged: {
        if (visible && currentPage === "Holding Log")
            page(holdingLog).autoRetrieve()
        else if (!visible && holdingLog.item)
            holdingLog.item.modified = false
        if (!visible)
            carousel.lockAll()
    }

    Item {
        id: pageArea
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: parent.bottom; topMargin: carousel.headerHeight }

        Loader {
            id: preferences
            anchors.fill: parent
            visible: pages.currentPage === "Preferences"
            enabled: carousel.isOpen("Preferences")
            active: pages.prepared || (pages.visible && pages.currentPage === "Preferences")
            source: "qrc:/settings/PreferencesPage.qml"
            onLoaded: item.objectName = "preferencesPage"
        }
        Loader {
            id: language
            anchors.fill: parent
            visible: pages.currentPage === "Language"
            enabled: carousel.isOpen("LanguagePanel")
            active: pages.prepared || (pages.visible && pages.currentPage === "Language")
            source: "qrc:/settings/LanguagePage.qml"
            onLoaded: item.objectName = "languagePage"
        }
        Loader {
            id: dayParts
            anchors.fill: parent
            visible: pages.currentPage === "Day-Parts"
            enabled: carousel.isOpen("DaypartsToUsePanel")
            active: pages.prepared || (pages.visible && pages.currentPage === "Day-Parts")
            source: "qrc:/daypart/DaypartsToUsePanel.qml"
        }
        Loader {
            id: errorLog
            anchors.fill: parent
            visible: pages.currentPage === "Errors Log"
            active: pages.prepared || (pages.visible && pages.currentPage === "Errors Log")
            source: "qrc:/errorControl/ErrorLogPanel.qml"
            // Readable while locked; Clear All needs the page unlocked.
            onLoaded: item.locked = Qt.binding(function() { return !carousel.isOpen("ErrorsLogPanel") })
        }
        Loader {
            id: holdingLog
            anchors.fill: parent
            visible: pages.currentPage === "Holding Log"
            enabled: carousel.isOpen("HoldingLogPanel")
            active: pages.prepared || (pages.visible && pages.currentPage === "Holding Log")
            source: "qrc:/haccpLog/HaccpLogPanel.qml"
        }
        Loader {
            anchors.fill: parent
            active: pages.prepared || (pages.visible && pages.currentPage === "Utilities")
            sourceComponent: Rectangle {
                objectName: "utilitiesPage"
                anchors.fill: parent
                visible: pages.currentPage === "Utilities"
                enabled: carousel.isOpen("UtilitiesPanel")
                color: Theme.background
                Column {
                    anchors.centerIn: parent
                    spacing: Theme.spacing
                    ExportErrorLogButton {
                        width: 360
                        flashDriveMounted: cabinetManager.flashDriveMounted
                    }
                    ExportHaccpLogButton {
                        overlayParent: pageArea
                        flashDriveMounted: cabinetManager.flashDriveMounted
                    }
                    Button {
                        objectName: "zoneDiagnosticsButton"
                        width: 360
                        height: Theme.touchTarget
                        text: qsTr("Zone Diagnostics") + tro.emptyStr
                        onClicked: pages.currentPage = "Zone Diagnostics"
                    }
                    Button {
                        objectName: "menuUpdateButton"
                        width: 360
                        height: Theme.touchTarget
                        text: qsTr("Menu Update") + tro.emptyStr
                        onClicked: pages.currentPage = "Menu Update"
                    }
                    PowerSourceRow {}
                ScreenshotButton { width: 360 }
                    PlatformInfoButton {
                        width: 360
                        unlockLevel: carousel.unlockedLevel("UtilitiesPanel")
                    }
                }
            }
        }
        Loader {
            anchors.fill: parent
            visible: pages.currentPage === "Zone Diagnostics"
            enabled: carousel.isOpen("ZoneDiagnosticsPanel")
            active: pages.prepared || (pages.visible && pages.currentPage === "Zone Diagnostics")
            source: "qrc:/sysmon/ZoneDiagnosticsPage.qml"
        }
        // Opens from the Utilities page and stays under its tab.
        Loader {
            anchors.fill: parent
            visible: pages.currentPage === "Menu Update"
            enabled: carousel.isOpen("UtilitiesPanel")
            active: pages.prepared || (pages.visible && pages.currentPage === "Menu Update")
            source: "qrc:/filesExport/UpdatesListView.qml"
        }
        Loader {
            anchors.fill: parent
            visible: pages.currentPage === "Password"
            enabled: carousel.isOpen("PasswordPanel")
            active: pages.prepared || (pages.visible && pages.currentPage === "Password")
            source: "qrc:/config/PasswordPage.qml"
        }
        Loader {
            anchors.fill: parent
            visible: pages.currentPage === "System Information"
            enabled: carousel.isOpen("SystemInformationPanel")
            active: pages.prepared || (pages.visible && pages.currentPage === "System Information")
            source: "qrc:/config/SystemInformationPage.qml"
        }
    }

    // Over the pages: its header, and its PIN pad and messages when they show.
    ServiceCarousel {
        id: carousel
        anchors.fill: parent
        available: ["Preferences", "LanguagePanel", "DaypartsToUsePanel", "ErrorsLogPanel", "HoldingLogPanel",
                    "UtilitiesPanel", "ZoneDiagnosticsPanel", "PasswordPanel", "SystemInformationPanel"]
        onScreenChanged: {
            if (pages.screenOf[pages.currentPage] !== screen)
                pages.currentPage = title
        }
    }
}
