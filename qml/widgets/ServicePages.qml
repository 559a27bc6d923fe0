import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/settings"
import "qrc:/daypart"
import "qrc:/errorControl"
import "qrc:/sysmon"

// The service pages reachable from the dock: a row of page tabs over the chosen page.
Rectangle {
    id: pages
    color: "#101418"
    property string currentPage: "Preferences"
    readonly property var pageNames: ["Preferences", "Language", "Day-Parts", "Errors Log", "Utilities"]

    function cancelEdits() { preferences.cancelEdits() }

    onCurrentPageChanged: {
        if (currentPage === "Errors Log")
            errorLog.refresh()
        else if (currentPage === "Day-Parts")
            dayParts.reload()
    }

    Row {
        id: tabs
        anchors { left: parent.left; top: parent.top; right: parent.right }
        height: 48
        Repeater {
            model: pages.pageNames
            Rectangle {
                width: tabs.width / pages.pageNames.length; height: tabs.height
                // Zone Diagnostics opens from the Utilities page and stays under its tab.
                color: pages.currentPage === modelData
                       || (modelData === "Utilities" && pages.currentPage === "Zone Diagnostics")
                       ? "#37474f" : "#1c2329"
                Text { anchors.centerIn: parent; text: qsTr(modelData); color: "white"; font.pixelSize: 18 }
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
        Rectangle {
            objectName: "utilitiesPage"
            anchors.fill: parent
            visible: pages.currentPage === "Utilities"
            color: "#263238"
            Column {
                anchors.centerIn: parent
                spacing: 16
                ExportErrorLogButton {
                    width: 280
                    flashDriveMounted: cabinetManager.flashDriveMounted
                }
                Button {
                    objectName: "zoneDiagnosticsButton"
                    width: 280
                    height: 56
                    text: qsTr("Zone Diagnostics") + tro.emptyStr
                    onClicked: pages.currentPage = "Zone Diagnostics"
                }
            }
        }
        ZoneDiagnosticsPage {
            anchors.fill: parent
            visible: pages.currentPage === "Zone Diagnostics"
        }
    }
}
