import QtQuick 2.15
import "qrc:/settings"

// The service pages reachable from the dock: a row of page tabs over the chosen page.
Rectangle {
    id: pages
    color: "#101418"
    property string currentPage: "Preferences"

    function cancelEdits() { preferences.cancelEdits() }

    Row {
        id: tabs
        anchors { left: parent.left; top: parent.top; right: parent.right }
        height: 48
        Repeater {
            model: ["Preferences", "Language"]
            Rectangle {
                width: 160; height: tabs.height
                color: pages.currentPage === modelData ? "#37474f" : "#1c2329"
                Text { anchors.centerIn: parent; text: qsTr(modelData); color: "white"; font.pixelSize: 18 }
                MouseArea {
                    objectName: "tab" + modelData
                    anchors.fill: parent
                    onClicked: pages.currentPage = modelData
                }
            }
        }
    }

    PreferencesPage {
        id: preferences
        objectName: "preferencesPage"
        anchors { left: parent.left; right: parent.right; top: tabs.bottom; bottom: parent.bottom }
        visible: pages.currentPage === "Preferences"
    }
    LanguagePage {
        id: language
        objectName: "languagePage"
        anchors { left: parent.left; right: parent.right; top: tabs.bottom; bottom: parent.bottom }
        visible: pages.currentPage === "Language"
    }
}
