import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/theme"
import "qrc:/config"

// The Cabinet Names service page: which kind of cabinet this is and its number, shown as
// the name will read once saved. It edits a copy and applies it on Save.
Item {
    id: page
    objectName: "cabinetNamesPage"
    width: 800
    height: 352

    // Numbers 1..99: a site links a handful of cabinets, and two digits keep the name
    // short enough for the header of the cabinet list and the other cabinets' screens.
    readonly property int minCabinetIndex: 0
    readonly property int maxCabinetIndex: 98

    // The local copy, loaded from the settings store.
    property int cabinetNameIndex
    property int cabinetIndex
    property bool changed: false

    LayoutMirroring.enabled: tro.languageId === 11
    LayoutMirroring.childrenInherit: true

    function load() {
        cabinetNameIndex = configManager.getCabinetNameIndex()
        cabinetIndex = configManager.getCabinetIndex()
        changed = false
    }

    // The main window's cancelEdits: drop what was not saved.
    function cancelEdits() {
        load()
    }

    function chooseName(nameIndex) {
        if (nameIndex === cabinetNameIndex)
            return
        cabinetNameIndex = nameIndex
        changed = true
    }

    // A number read from an older file may lie outside the range: the first step brings it in.
    function step(delta) {
        var next = Math.min(Math.max(cabinetIndex + delta, minCabinetIndex), maxCabinetIndex)
        if (next === cabinetIndex)
            return
        cabinetIndex = next
        changed = true
    }

    // When the file could not be written the page says so: the values are in use until
    // the next start, and Save stays offered for another try.
    function save() {
        configManager.setCabinetIndex(cabinetIndex)
        configManager.setCabinetNameIndex(cabinetNameIndex)
        if (!configManager.saveConfigFile()) {
            saveFailed.show(qsTr("The settings could not be saved.<br>They apply only until the cabinet restarts.")
                            + tro.emptyStr, true)
            return
        }
        changed = false
    }

    Component.onCompleted: load()

    Connections {
        target: configManager
        function onConfigFileRead() { if (!page.changed) page.load() }
        function onCabinetIndexChanged() { if (!page.changed) page.load() }
        function onCabinetNameIndexChanged() { if (!page.changed) page.load() }
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.background
    }

    ColumnLayout {
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: buttons.top; margins: 12 }
        spacing: 4

        // One row per kind of name, each read with the number chosen below.
        Repeater {
            model: 2
            delegate: RadioButton {
                objectName: "cabinetName_" + index
                Layout.fillWidth: true
                checked: page.cabinetNameIndex === index
                text: configManager.cabinetNameOf(index, page.cabinetIndex) + tro.emptyStr
                onClicked: {
                    page.chooseName(index)
                    checked = Qt.binding(function() { return page.cabinetNameIndex === index })
                }
            }
        }
        SettingRow {
            label: qsTr("Cabinet number") + tro.emptyStr
            RowLayout {
                anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                spacing: Theme.spacing
                Button {
                    objectName: "cabinetNumberDown"
                    Layout.preferredWidth: Theme.touchTarget
                    Layout.preferredHeight: Theme.touchTarget
                    text: "\u2212"
                    font.pixelSize: Theme.fontTitle
                    enabled: page.cabinetIndex > page.minCabinetIndex
                    autoRepeat: true
                    onClicked: page.step(-1)
                }
                Label {
                    objectName: "cabinetNumberText"
                    Layout.preferredWidth: Theme.touchTarget
                    horizontalAlignment: Text.AlignHCenter
                    font.pixelSize: Theme.fontTitle
                    font.bold: true
                    // Shown from 1, kept from 0.
                    text: page.cabinetIndex + 1
                }
                Button {
                    objectName: "cabinetNumberUp"
                    Layout.preferredWidth: Theme.touchTarget
                    Layout.preferredHeight: Theme.touchTarget
                    text: "+"
                    font.pixelSize: Theme.fontTitle
                    enabled: page.cabinetIndex < page.maxCabinetIndex
                    autoRepeat: true
                    onClicked: page.step(1)
                }
            }
        }
        SettingRow {
            label: qsTr("Shown as") + tro.emptyStr
            Label {
                objectName: "cabinetNamePreview"
                anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter }
                horizontalAlignment: Text.AlignLeft
                font.pixelSize: Theme.fontLarge
                font.bold: true
                elide: Text.ElideRight
                text: configManager.cabinetNameOf(page.cabinetNameIndex, page.cabinetIndex) + tro.emptyStr
            }
        }
        Item { Layout.fillHeight: true }
    }

    RowLayout {
        id: buttons
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: 12 }
        height: Theme.touchTarget + 8
        spacing: Theme.spacing
        Item { Layout.fillWidth: true }
        Button {
            objectName: "cabinetNamesCancelButton"
            Layout.preferredWidth: 180
            Layout.fillHeight: true
            text: qsTr("Cancel") + tro.emptyStr
            enabled: page.changed
            onClicked: page.cancelEdits()
        }
        Button {
            objectName: "cabinetNamesSaveButton"
            Layout.preferredWidth: 180
            Layout.fillHeight: true
            text: qsTr("Save") + tro.emptyStr
            highlighted: true
            enabled: page.changed
            onClicked: page.save()
        }
    }

    ConfigMessage {
        id: saveFailed
        objectName: "cabinetNamesSaveFailed"
        anchors.fill: parent
    }
}
