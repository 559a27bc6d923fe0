import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"
import "qrc:/config"

// The service pages reachable from the dock: the carousel's header over the chosen page.
// Each page is usable only while the carousel reports it open (its lock level, or the
// level it was unlocked with); leaving the pages locks them again.
Rectangle {
    id: pages
    color: Theme.background
    // The page shown: the carousel's page, or a page opened from it that stays under its
    // tab (Files Import/Export under Utilities). The carousel's index is the one source of truth,
    // so the header, the page, its lock and the PIN always name the same page.
    readonly property string currentPage: subPage !== "" ? subPage : carousel.title
    // A page opened from a carousel page; cleared whenever the carousel moves.
    property string subPage: ""
    // The shell's keyboards, for the pages' fields.
    property Item keyboard: null
    // Set, every page is built at once; the shell leaves it unset, so each page is built
    // when first shown.
    property bool prepared: false
    // The page keys (the carousel shows their translated titles) and the carousel's
    // screen of each. Files Import/Export opens from the Utilities page and stays under it.
    readonly property var pageKeys: [QT_TR_NOOP("Preferences"), QT_TR_NOOP("Language"), QT_TR_NOOP("Day-Parts"),
        QT_TR_NOOP("Errors Log"), QT_TR_NOOP("Holding Log"), QT_TR_NOOP("Utilities"), "Zone Diagnostics",
        "Password", "System Information", "Files Import/Export", "Date and Time", "Cabinet Names",
        "Eco Mode Options", "Skin", "Wi-Fi Networking"]
    readonly property var pageScreens: ["Preferences", "LanguagePanel", "DaypartsToUsePanel", "ErrorsLogPanel",
        "HoldingLogPanel", "UtilitiesPanel", "ZoneDiagnosticsPanel", "PasswordPanel", "SystemInformationPanel",
        "UtilitiesPanel", "DateTimePanel", "CabinetNamesPanel", "EcoModeItem", "UtilitiesPanel", "NetworkingPanel"]
    // Pages opened from a carousel page rather than being one.
    readonly property var subPages: ["Files Import/Export", "Skin"]
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
        if (dateTime.item)
            dateTime.item.cancelEdits()
        if (cabinetNames.item)
            cabinetNames.item.cancelEdits()
        if (ecoMode.item)
            ecoMode.item.cancelEdits()
        if (skin.item)
            skin.item.cancelEdits()
        if (networking.item)
            networking.item.cancelEdits()
    }
    // Whether the carousel lets a screen's page be used now.
    function isOpen(screen) {
        return carousel.isOpen(screen)
    }
    // The page of a loader, built at once if it is not yet.
    function page(loader) {
        loader.active = true
        return loader.item
    }

    // Shows a page by its key: the carousel moves to its screen, and a page opened from
    // another stays under that page's tab. False when this display does not offer it.
    function open(name) {
        var screen = screenOf[name]
        if (screen === undefined || !carousel.show(screen))
            return false
        subPage = subPages.indexOf(name) >= 0 ? name : ""
        return true
    }

    onCurrentPageChanged: {
        if (keyboard)
            keyboard.hide()
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
        else if (visible && currentPage === "Errors Log")
            page(errorLog).refresh()
        else if (!visible && holdingLog.item)
            holdingLog.item.modified = false
        if (!visible && keyboard)
            keyboard.hide()
        if (!visible)
            carousel.lockAll()
    }

    Item {
        id: pageArea
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: parent.bottom; topMargin: carousel.headerHeight }

        // Under the pages: a swipe that starts where no control takes the touch turns the page.
        MouseArea {
            objectName: "serviceSwipeArea"
            anchors.fill: parent
            property real startX: 0
            onPressed: startX = mouse.x
            onReleased: carousel.swipe(mouse.x - startX)
        }

        ServicePage {
            id: preferences
            key: "Preferences"; screen: "Preferences"; service: pages
            source: "qrc:/settings/PreferencesPage.qml"
            onLoaded: item.objectName = "preferencesPage"
        }
        ServicePage {
            id: dateTime
            key: "Date and Time"; screen: "DateTimePanel"; service: pages
            source: "qrc:/settings/DateTimePage.qml"
        }
        ServicePage {
            id: cabinetNames
            key: "Cabinet Names"; screen: "CabinetNamesPanel"; service: pages
            source: "qrc:/settings/CabinetNamesPage.qml"
        }
        ServicePage {
            id: language
            key: "Language"; screen: "LanguagePanel"; service: pages
            source: "qrc:/settings/LanguagePage.qml"
            onLoaded: item.objectName = "languagePage"
        }
        ServicePage {
            id: dayParts
            key: "Day-Parts"; screen: "DaypartsToUsePanel"; service: pages
            source: "qrc:/daypart/DaypartsToUsePanel.qml"
        }
        ServicePage {
            id: ecoMode
            key: "Eco Mode Options"; screen: "EcoModeItem"; service: pages
            source: "qrc:/settings/EcoModePage.qml"
        }
        ServicePage {
            id: errorLog
            key: "Errors Log"; screen: "ErrorsLogPanel"; service: pages
            // Readable while locked; Clear All needs the page unlocked.
            enabled: true
            source: "qrc:/errorControl/ErrorLogPanel.qml"
            onLoaded: item.locked = Qt.binding(function() { return !carousel.isOpen("ErrorsLogPanel") })
        }
        ServicePage {
            id: holdingLog
            key: "Holding Log"; screen: "HoldingLogPanel"; service: pages
            source: "qrc:/haccpLog/HaccpLogPanel.qml"
        }
        ServicePage {
            id: utilities
            key: "Utilities"; screen: "UtilitiesPanel"; service: pages
            // The way to Files Import/Export stays open; the page locks its other tools.
            enabled: true
            source: "qrc:/sysmon/UtilitiesPage.qml"
            onLoaded: {
                item.overlayParent = pageArea
                item.unlockLevel = Qt.binding(function() { return carousel.unlockedLevel("UtilitiesPanel") })
                item.unlocked = Qt.binding(function() { return carousel.isOpen("UtilitiesPanel") })
            }
        }
        Connections {
            target: utilities.item
            function onOpenRequested(name) { pages.open(name) }
        }
        ServicePage {
            id: networking
            key: "Wi-Fi Networking"; screen: "NetworkingPanel"; service: pages
            // Readable while locked, on a cabinet whose cloud keeps it locked too: it scrolls
            // and shows the connection's status; the page locks its controls itself.
            enabled: true
            source: "qrc:/networking/NetworkingPage.qml"
            onLoaded: {
                item.overlayParent = pages
                item.locked = Qt.binding(function() { return !carousel.isOpen("NetworkingPanel") })
            }
        }
        ServicePage {
            key: "Zone Diagnostics"; screen: "ZoneDiagnosticsPanel"; service: pages
            source: "qrc:/sysmon/ZoneDiagnosticsPage.qml"
        }
        // Opens from the Utilities page and stays under its tab; usable while Utilities
        // is locked, its update pages carrying locks of their own.
        ServicePage {
            id: files
            key: "Files Import/Export"; screen: "UtilitiesPanel"; service: pages
            enabled: true
            source: "qrc:/filesExport/FilesImportExportPanel.qml"
            onLoaded: {
                item.overlayParent = pageArea
                item.pinParent = pages
            }
        }
        Connections {
            target: files.item
            function onBackRequested() { pages.subPage = "" }
        }
        // Opens from the Utilities page and stays under its tab.
        ServicePage {
            id: skin
            key: "Skin"; screen: "UtilitiesPanel"; service: pages
            // Its back button answers while Utilities is locked; the page locks the rest.
            enabled: true
            source: "qrc:/sysmon/SkinPage.qml"
            onLoaded: item.locked = Qt.binding(function() { return !carousel.isOpen("UtilitiesPanel") })
        }
        Connections {
            target: skin.item
            function onBackRequested() { pages.subPage = "" }
        }
        ServicePage {
            key: "Password"; screen: "PasswordPanel"; service: pages
            source: "qrc:/config/PasswordPage.qml"
            onLoaded: item.overlayParent = pages
        }
        ServicePage {
            key: "System Information"; screen: "SystemInformationPanel"; service: pages
            source: "qrc:/config/SystemInformationPage.qml"
        }
    }

    // Over the pages: its header, and its PIN pad and messages when they show.
    ServiceCarousel {
        id: carousel
        anchors.fill: parent
        available: ["Preferences", "LanguagePanel", "DaypartsToUsePanel", "ErrorsLogPanel", "HoldingLogPanel",
                    "UtilitiesPanel", "ZoneDiagnosticsPanel", "PasswordPanel", "SystemInformationPanel",
                    "DateTimePanel", "CabinetNamesPanel", "EcoModeItem", "NetworkingPanel"]
        // A list being read (the Holding Log after Show All, its scroll bar dragged)
        // keeps its page.
        swipeEnabled: !(holdingLog.item && holdingLog.item.modified)
        // A page opened from Utilities names itself as its button there does.
        subTitle: (pages.subPage === "Skin" ? qsTranslate("UtilitiesPage", "Colors and Sizes")
                   : pages.subPage === "Files Import/Export" ? qsTranslate("UtilitiesPage", "Files Import/Export")
                   : "") + tro.emptyStr
        onIndexChanged: pages.subPage = ""
        // Files Import/Export shows its update list's own lock: the header's, of Utilities,
        // beside it would say the opposite of what the panel says.
        lockShown: pages.subPage !== "Files Import/Export"
    }
}
