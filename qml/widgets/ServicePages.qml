import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/settings"
import "qrc:/daypart"
import "qrc:/errorControl"
import "qrc:/sysmon"
import "qrc:/theme"
import "qrc:/haccpLog"
import "qrc:/filesExport"

// The service pages reachable from the dock: a row of page tabs over the chosen page.
Rectangle {
    id: pages
    color: Theme.background
    property string currentPage: "Preferences"
    // The page keys; the tab labels are their translations. The Holding Log is offered
    // only on cabinets that collect HACCP records.
    readonly property var pageNames: cabinetManager.haccpEnabled === true
        ? [QT_TR_NOOP("Preferences"), QT_TR_NOOP("Language"), QT_TR_NOOP("Day-Parts"),
           QT_TR_NOOP("Errors Log"), QT_TR_NOOP("Holding Log"), QT_TR_NOOP("Utilities")]
        : ["Preferences", "Language", "Day-Parts", "Errors Log", "Utilities"]

    // The idle return and a language switch from the dock: unsaved edits go.
    function cancelEdits() {
        preferences.cancelEdits()
        language.cancelEdits()
        dayParts.reload()
    }

    onCurrentPageChanged: {
        if (currentPage === "Errors Log")
            errorLog.refresh()
        else if (currentPage === "Day-Parts")
            dayParts.reload()
        else if (currentPage === "Holding Log")
            holdingLog.autoRetrieve()
    }
    onVisibleChanged: {
        if (visible && currentPage === "Holding Log")
            holdingLog.autoRetrieve()
        else if (!visible)
            holdingLog.modified = false
    }

    Row {
        id: tabs
        anchors { left: parent.left; top: parent.top; right: parent.right }
        height: Theme.touchTarget
        Repeater {
            model: pages.pageNames
            Rectangle {
                readonly property bool current: pages.currentPage === modelData
                    // Zone Diagnostics opens from the Utilities page and stays under its tab.
                    || (modelData === "Utilities" && (pages.currentPage === "Zone Diagnostics"
                                                      || pages.currentPage === "Menu Update"))
                width: tabs.width / pages.pageNames.length; height: tabs.height
                color: current ? Theme.surfacePressed : Theme.surface
                border.width: 1
                border.color: Theme.background
                Rectangle {
                    anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
                    height: 4
                    visible: parent.current
                    color: Theme.accent
                }
                Label {
                    objectName: "tabLabel" + modelData
                    anchors.fill: parent
                    anchors.margins: 4
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: qsTr(modelData) + tro.emptyStr
                    font.pixelSize: Theme.fontSmall
                    font.bold: parent.current
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 12
                    elide: Text.ElideRight
                }
                MouseArea {
                    objectName: "tab" + modelData
                    anchors.fill: parent
                    onClicked: pages.currentPage = modelData
                }
            }
        }
    }

    Item {
        id: pageArea
        anchors { left: parent.left; right: parent.right; top: tabs.bottom; bottom: parent.bottom }

        PreferencesPage {
            id: preferences
            objectName: "preferencesPage"
            anchors.fill: parent
            visible: pages.currentPage === "Preferences"
        }
        LanguagePage {
            id: language
            objectName: "languagePage"
            anchors.fill: parent
            visible: pages.currentPage === "Language"
        }
        DaypartsToUsePanel {
            id: dayParts
            anchors.fill: parent
            visible: pages.currentPage === "Day-Parts"
        }
        ErrorLogPanel {
            id: errorLog
            anchors.fill: parent
            visible: pages.currentPage === "Errors Log"
        }
        HaccpLogPanel {
            id: holdingLog
            anchors.fill: parent
            visible: pages.currentPage === "Holding Log"
        }
        Rectangle {
            objectName: "utilitiesPage"
            anchors.fill: parent
            visible: pages.currentPage === "Utilities"
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
                ScreenshotButton { width: 360 }
                PlatformInfoButton {
                    width: 360
                    // The carousel has no passcode handling yet: the page counts as
                    // unlocked at its own level.
                    unlockLevel: 2
                }
            }
        }
        ZoneDiagnosticsPage {
            anchors.fill: parent
            visible: pages.currentPage === "Zone Diagnostics"
        }
        // Opens from the Utilities page and stays under its tab.
        UpdatesListView {
            anchors.fill: parent
            visible: pages.currentPage === "Menu Update"
        }
    }
}
