import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/theme"
import "qrc:/config"

// The Eco Mode Options page: what the shelf heater does in eco mode and when the cabinet
// suggests eco mode. It edits a copy; Save has the settings store check, apply and save
// it, and on the master the cloud link then reports the new settings. A refused value is
// named on the page and nothing is stored.
Item {
    id: page
    objectName: "ecoModePage"
    width: 800
    height: 352

    // The shell's keyboards (set by the service pages).
    property Item keyboard: null

    // The local copy: the temperature in the cabinet's unit and the time-out as typed.
    property int shelfHeatMode
    property int activateMode
    property string shelfTemp
    property string timeout
    property bool changed: false
    // Which value the last Save refused ("temperature", "timeout"); empty when none.
    property string refusal: ""

    readonly property bool celsius: configManager.tempUnit !== 0
    readonly property string unitText: celsius ? "\u00B0C" : "\u00B0F"

    LayoutMirroring.enabled: tro.languageId === 11
    LayoutMirroring.childrenInherit: true

    function load() {
        shelfHeatMode = configManager.ecoShelfHeatMode !== 0 ? 1 : 0
        activateMode = configManager.ecoActivateMode !== 0 ? 1 : 0
        shelfTemp = String(configManager.ecoShelfTempShown())
        timeout = String(configManager.ecoActivateTimeout)
        tempField.text = shelfTemp
        timeoutField.text = timeout
        refusal = ""
        changed = false
    }

    function edit() {
        changed = true
        refusal = ""
    }

    // The idle return and a language switch: drop what was not saved.
    function cancelEdits() {
        if (keyboard)
            keyboard.hide()
        load()
    }

    function reasonFor(outcome, unit) {
        if (outcome === "temperature") {
            var t = configManager.ecoShelfTempRange()
            return qsTr("The eco temperature must be from %1 to %2.").arg(t[0] + " " + unit).arg(t[1] + " " + unit)
        }
        if (outcome === "timeout") {
            var m = configManager.ecoTimeoutRange()
            return qsTr("The idle time must be from %1 to %2 minutes.").arg(m[0]).arg(m[1])
        }
        return ""
    }

    function save() {
        if (keyboard)
            keyboard.hide()
        var outcome = configManager.applyEcoModeOptions({
            "shelfHeatMode": shelfHeatMode,
            "shelfTemp": shelfTemp,
            "activateMode": activateMode,
            "timeout": timeout
        })
        if (outcome === "temperature" || outcome === "timeout") {
            refusal = outcome
            return
        }
        load()
        if (outcome !== "saved") {
            message.show(qsTr("The settings could not be saved.") + tro.emptyStr, true)
            return
        }
        // Only the master display reports to the cloud.
        if (configManager.getIsMaster() && typeof TulLumo !== "undefined" && TulLumo)
            TulLumo.sendEcoModeSettings()
    }

    Component.onCompleted: load()

    Connections {
        target: configManager
        function onConfigFileRead() { if (!page.changed) page.load() }
        function onTempUnitChanged() { if (!page.changed) page.load() }
        function onEcoShelfHeatModeChanged() { if (!page.changed) page.load() }
        function onEcoShelfHeatTempChanged() { if (!page.changed) page.load() }
        function onEcoActivateModeChanged() { if (!page.changed) page.load() }
        function onEcoActivateTimeoutChanged() { if (!page.changed) page.load() }
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.background
    }

    Flickable {
        id: flick
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: buttons.top; margins: 12 }
        contentHeight: column.implicitHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { objectName: "ecoModeScrollBar" }

        ColumnLayout {
            id: column
            x: Theme.rightToLeft ? Theme.spacing + Theme.scrollBarWidth : 0
            width: flick.width - Theme.spacing - Theme.scrollBarWidth
            spacing: 4

            SettingRow {
                label: qsTr("Shelf heat") + tro.emptyStr
                RowLayout {
                    anchors.fill: parent
                    RadioButton {
                        objectName: "ecoHeaterOff"
                        text: qsTr("Heater off") + tro.emptyStr
                        checked: page.shelfHeatMode === 0
                        onClicked: { page.shelfHeatMode = 0; page.edit() }
                    }
                    RadioButton {
                        objectName: "ecoHeaterHold"
                        text: qsTr("Hold temperature") + tro.emptyStr
                        checked: page.shelfHeatMode !== 0
                        onClicked: { page.shelfHeatMode = 1; page.edit() }
                    }
                }
            }
            SettingRow {
                label: qsTr("Eco temperature") + tro.emptyStr
                RowLayout {
                    anchors.fill: parent
                    ConfigTextField {
                        id: tempField
                        objectName: "ecoTempField"
                        keyboard: page.keyboard
                        numeric: true
                        enabled: page.shelfHeatMode !== 0
                        Layout.preferredWidth: 110
                        inputMethodHints: Qt.ImhDigitsOnly
                        validator: IntValidator { bottom: 0; top: 9999 }
                        onTextEdited: { page.shelfTemp = text; page.edit() }
                    }
                    Label {
                        objectName: "ecoTempUnit"
                        text: page.unitText
                    }
                    Item { Layout.fillWidth: true }
                }
            }
            SettingRow {
                label: qsTr("Suggest eco mode") + tro.emptyStr
                RowLayout {
                    anchors.fill: parent
                    RadioButton {
                        objectName: "ecoSuggestNever"
                        text: qsTr("Never") + tro.emptyStr
                        checked: page.activateMode === 0
                        onClicked: { page.activateMode = 0; page.edit() }
                    }
                    RadioButton {
                        objectName: "ecoSuggestAfter"
                        text: qsTr("After idle time") + tro.emptyStr
                        checked: page.activateMode !== 0
                        onClicked: { page.activateMode = 1; page.edit() }
                    }
                }
            }
            SettingRow {
                label: qsTr("Idle time") + tro.emptyStr
                RowLayout {
                    anchors.fill: parent
                    ConfigTextField {
                        id: timeoutField
                        objectName: "ecoTimeoutField"
                        keyboard: page.keyboard
                        numeric: true
                        enabled: page.activateMode !== 0
                        Layout.preferredWidth: 110
                        inputMethodHints: Qt.ImhDigitsOnly
                        validator: IntValidator { bottom: 0; top: 99999 }
                        onTextEdited: { page.timeout = text; page.edit() }
                    }
                    Label {
                        text: qsTr("minutes") + tro.emptyStr
                    }
                    Item { Layout.fillWidth: true }
                }
            }
        }
    }

    RowLayout {
        id: buttons
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: 12 }
        height: Theme.touchTarget + 8
        spacing: Theme.spacing
        Label {
            objectName: "ecoRefusal"
            Layout.fillWidth: true
            Layout.fillHeight: true
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
            font.pixelSize: Theme.fontSmall
            color: Theme.warning
            visible: page.refusal !== ""
            text: page.reasonFor(page.refusal, page.unitText) + tro.emptyStr
        }
        Item { Layout.fillWidth: true; visible: page.refusal === "" }
        Button {
            objectName: "ecoCancelButton"
            Layout.preferredWidth: 180
            Layout.fillHeight: true
            text: qsTr("Cancel") + tro.emptyStr
            enabled: page.changed
            onClicked: page.cancelEdits()
        }
        Button {
            objectName: "ecoSaveButton"
            Layout.preferredWidth: 180
            Layout.fillHeight: true
            text: qsTr("Save") + tro.emptyStr
            highlighted: true
            enabled: page.changed
            onClicked: page.save()
        }
    }

    ConfigMessage {
        id: message
        objectName: "ecoMessage"
        anchors.fill: parent
    }
}
