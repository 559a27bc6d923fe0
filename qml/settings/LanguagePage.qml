import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/theme"
import "qrc:/config"

// The service page that chooses the interface language and which languages the dock
// button offers. A tap on a row selects its language; its check mark offers it (the
// selected language is always offered). Accept applies both and saves.
Item {
    id: page
    objectName: "languagePage"
    width: 800
    height: 420

    // Language id of the row chosen on screen.
    property int currentId: tro.getLanguageId(configManager.languageId)
    // One mark per language id; ids the cabinet does not offer stay undefined.
    property var usedMarks: []
    property bool changed: false

    LayoutMirroring.enabled: tro.languageId === 11
    LayoutMirroring.childrenInherit: true

    function reloadMarks() {
        var marks = []
        var items = languagesModelNew.languageList
        for (var i = 0; i < items.length; ++i)
            marks[items[i].id] = configManager.getIsLanguageUsed(items[i].id)
        usedMarks = marks
    }

    function isUsed(id) {
        return id === currentId || usedMarks[id] === true
    }

    function toggle(id) {
        if (id === currentId)
            return
        var marks = usedMarks.slice()
        marks[id] = !isUsed(id)
        usedMarks = marks
        changed = true
    }

    function select(id) {
        if (id === currentId)
            return
        currentId = id
        changed = true
    }

    // When the file could not be written nothing switches; the choice stays for another try.
    function accept() {
        if (!configManager.applyLanguageSettings(usedMarks, currentId)) {
            saveFailed.show(qsTr("The settings could not be saved.<br>Nothing was changed.") + tro.emptyStr, true)
            return
        }
        changed = false
    }

    function cancel() {
        currentId = tro.getLanguageId(configManager.languageId)
        changed = false
    }

    // The idle return and a language switch from the dock: as Cancel. Marks toggled on
    // screen stay until the page reloads them (built anew, or the stored marks change).
    function cancelEdits() {
        cancel()
    }

    Component.onCompleted: reloadMarks()

    Connections {
        target: configManager
        function onUsedLanguagesChanged() { page.reloadMarks() }
        function onLanguageIdChanged() { page.currentId = tro.getLanguageId(configManager.languageId) }
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.background
    }

    ListView {
        id: list
        objectName: "languageList"
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: buttons.top; margins: 12 }
        clip: true
        model: languagesModelNew.languageList
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { objectName: "languageScrollBar" }
        delegate: Rectangle {
            id: row
            objectName: "languageRow_" + modelData.id
            width: list.width
            height: Theme.touchTarget
            radius: Theme.radius
            color: rowArea.pressed ? Theme.surfacePressed
                 : modelData.id === page.currentId ? Theme.selection : "transparent"
            opacity: modelData.isAvailable ? 1.0 : 0.5
            enabled: modelData.isAvailable

            // The whole row selects; the check mark above it keeps its own tap.
            MouseArea {
                id: rowArea
                objectName: "languageName_" + modelData.id
                anchors.fill: parent
                onClicked: page.select(modelData.id)
            }

            RowLayout {
                anchors.fill: parent
                // The check mark takes the row's full height: a whole touch target.
                anchors.leftMargin: 2
                // Clear of the scroll bar, on whichever side it stands.
                anchors.rightMargin: Theme.spacing + Theme.scrollBarWidth
                spacing: Theme.spacing
                CheckBox {
                    objectName: "usedMark_" + modelData.id
                    // Never narrower than a finger, even while the row is still being sized.
                    Layout.minimumWidth: Theme.touchTarget
                    Layout.preferredWidth: Theme.touchTarget
                    Layout.fillHeight: true
                    checked: page.isUsed(modelData.id)
                    onClicked: {
                        page.toggle(modelData.id)
                        checked = Qt.binding(function() { return page.isUsed(modelData.id) })
                    }
                }
                Label {
                    Layout.fillWidth: true
                    text: modelData.name
                    // Each name is written in its own language and drawn in its font.
                    font.family: Theme.fontFor(modelData.id)
                    font.pixelSize: Theme.fontLarge
                    horizontalAlignment: Text.AlignLeft
                }
            }
        }
    }

    RowLayout {
        id: buttons
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: 12 }
        height: Theme.touchTarget + 8
        spacing: Theme.spacing
        Item { Layout.fillWidth: true }
        Button {
            objectName: "languageCancelButton"
            Layout.preferredWidth: 180
            Layout.fillHeight: true
            text: qsTr("Cancel") + tro.emptyStr
            onClicked: page.cancel()
        }
        Button {
            objectName: "languageAcceptButton"
            Layout.preferredWidth: 180
            Layout.fillHeight: true
            text: qsTr("Accept") + tro.emptyStr
            highlighted: enabled
            enabled: page.changed
            onClicked: page.accept()
        }
    }

    ConfigMessage {
        id: saveFailed
        objectName: "languageSaveFailed"
        anchors.fill: parent
    }
}
