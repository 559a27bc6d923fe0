import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/theme"
import "qrc:/config"

// The first service page. It edits a copy of the display preferences and applies it on
// Save: the master display stores, saves and tells the other displays; any other display
// sends the values to the master as a change request and keeps its own untouched.
Item {
    id: page
    objectName: "preferencesPage"
    width: 800
    height: 420

    // The shell's keyboards (set by the service pages).
    property Item keyboard: null

    readonly property int customerVyx: 1
    readonly property int customerQrb: 3
    readonly property int customerId: configManager.getCustomerId()

    // The screen's limits (the settings store clamps to the same).
    readonly property int minLabelFontSize: 24
    readonly property int maxLabelFontSize: 48
    readonly property int minSoundLevel: 10
    readonly property int maxSoundLevel: 100
    readonly property int minScreenCleanMinutes: 5
    readonly property int maxScreenCleanMinutes: 1440
    readonly property int minDiscardSeconds: 10
    readonly property int maxDiscardSeconds: 3600

    // The local copy, loaded from the settings store.
    property bool useFirstEnabled
    property bool splitViewEnabled
    property bool groupDotsEnabled
    property int labelFontSize
    property bool individualDPEnabled
    property int soundLevel
    property int tempUnit
    property int screenCleanActive
    property int screenCleanTimeout
    property bool timerColorStatus
    property bool advancedZoneOptionsEnable
    property bool universalPanSoundEnable
    property int discardDurationEnabled
    property int discardSoundDuration

    // True once the user changed something that is not yet saved; the keys edited.
    property bool changed: false
    property var edited: ({})
    readonly property bool screenCleanValid: screenCleanActive === 0
        || (screenCleanTimeout >= page.minScreenCleanMinutes
            && screenCleanTimeout <= page.maxScreenCleanMinutes)

    LayoutMirroring.enabled: tro.languageId === 11
    LayoutMirroring.childrenInherit: true

    function load() {
        useFirstEnabled = configManager.useFirstEnabled
        splitViewEnabled = configManager.splitViewEnabled
        groupDotsEnabled = configManager.groupDotsEnabled
        labelFontSize = configManager.labelFontSize
        individualDPEnabled = configManager.individualDPEnabled
        soundLevel = configManager.soundLevel
        tempUnit = configManager.tempUnit
        screenCleanActive = configManager.screenCleanActive
        screenCleanTimeout = configManager.screenCleanTimeout
        timerColorStatus = configManager.timerColorStatus
        advancedZoneOptionsEnable = configManager.advancedZoneOptionsEnable
        universalPanSoundEnable = configManager.universalPanSoundEnable
        discardDurationEnabled = configManager.discardDurationEnabled
        discardSoundDuration = configManager.discardSoundDuration
        screenCleanField.text = screenCleanTimeout
        edited = {}
        changed = false
    }

    function edit(key) {
        var keys = Object.assign({}, edited)
        keys[key] = true
        edited = keys
        changed = true
    }

    // A setting changed underneath the page (the other display, the cloud, a file read):
    // shown at once unless the user is editing that very setting.
    function refresh(key) {
        if (edited[key] === true)
            return
        page[key] = configManager[key]
        if (key === "screenCleanTimeout")
            screenCleanField.text = screenCleanTimeout
    }

    // The main window's cancelEdits: drop what was not saved.
    function cancelEdits() {
        load()
    }

    // When the file could not be written the stored values stay as they were; the page
    // keeps the edits for another try.
    function save() {
        var saved = configManager.applyPreferences({
            "useFirstEnabled": useFirstEnabled,
            "splitViewEnabled": splitViewEnabled,
            "groupDotsEnabled": groupDotsEnabled,
            "labelFontSize": labelFontSize,
            "individualDPEnabled": individualDPEnabled,
            "soundLevel": soundLevel,
            "tempUnit": tempUnit,
            "screenCleanActive": screenCleanActive,
            "screenCleanTimeout": screenCleanTimeout,
            "timerColorStatus": timerColorStatus,
            "advancedZoneOptionsEnable": advancedZoneOptionsEnable,
            "universalPanSoundEnable": universalPanSoundEnable,
            "discardDurationEnabled": discardDurationEnabled,
            "discardSoundDuration": discardSoundDuration
        })
        if (!saved) {
            saveFailed.show(qsTr("The settings could not be saved.<br>Nothing was changed.") + tro.emptyStr, true)
            return
        }
        changed = false
    }

    function mmss(seconds) {
        var m = Math.floor(seconds / 60)
        var s = seconds % 60
        return (m < 10 ? "0" : "") + m + ":" + (s < 10 ? "0" : "") + s
    }

    Component.onCompleted: load()

    Connections {
        target: configManager
        function onConfigFileRead() { if (!page.changed) page.load() }
        function onNewConfigImported() { page.load() }
        function onUseFirstEnabledChanged() { page.refresh("useFirstEnabled") }
        function onSplitViewEnabledChanged() { page.refresh("splitViewEnabled") }
        function onGroupDotsEnabledChanged() { page.refresh("groupDotsEnabled") }
        function onLabelFontSizeChanged() { page.refresh("labelFontSize") }
        function onIndividualDPEnabledChanged() { page.refresh("individualDPEnabled") }
        function onSoundLevelChanged() { page.refresh("soundLevel") }
        function onTempUnitChanged() { page.refresh("tempUnit") }
        function onScreenCleanActiveChanged() { page.refresh("screenCleanActive") }
        function onScreenCleanTimeoutChanged() { page.refresh("screenCleanTimeout") }
        function onTimerColorStatusChanged() { page.refresh("timerColorStatus") }
        function onAdvancedZoneOptionsEnableChanged() { page.refresh("advancedZoneOptionsEnable") }
        function onUniversalPanSoundEnableChanged() { page.refresh("universalPanSoundEnable") }
        function onDiscardDurationEnabledChanged() { page.refresh("discardDurationEnabled") }
        function onDiscardSoundDurationChanged() { page.refresh("discardSoundDuration") }
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
        ScrollBar.vertical: ScrollBar { objectName: "preferencesScrollBar" }

        ColumnLayout {
            id: column
            // Clear of the scroll bar, which stands on the trailing side.
            x: Theme.rightToLeft ? Theme.spacing + Theme.scrollBarWidth : 0
            width: flick.width - Theme.spacing - Theme.scrollBarWidth
            spacing: 4

            SettingRow {
                label: qsTr("Use first") + tro.emptyStr
                Switch {
                    objectName: "useFirstSwitch"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    checked: page.useFirstEnabled
                    onToggled: { page.useFirstEnabled = checked; page.edit("useFirstEnabled") }
                }
            }
            SettingRow {
                label: qsTr("Split view") + tro.emptyStr
                Switch {
                    objectName: "splitViewSwitch"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    checked: page.splitViewEnabled
                    onToggled: { page.splitViewEnabled = checked; page.edit("splitViewEnabled") }
                }
            }
            SettingRow {
                label: qsTr("Group dots") + tro.emptyStr
                Switch {
                    objectName: "groupDotsSwitch"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    checked: page.groupDotsEnabled
                    onToggled: { page.groupDotsEnabled = checked; page.edit("groupDotsEnabled") }
                }
            }
            SettingRow {
                label: qsTr("Label font size") + tro.emptyStr
                RowLayout {
                    anchors.fill: parent
                    Slider {
                        objectName: "labelFontSizeSlider"
                        Layout.fillWidth: true
                        from: page.minLabelFontSize
                        to: page.maxLabelFontSize
                        stepSize: 1
                        snapMode: Slider.SnapAlways
                        value: page.labelFontSize
                        onMoved: { page.labelFontSize = value; page.edit("labelFontSize") }
                    }
                    Label {
                        text: page.labelFontSize + " px"
                    }
                }
            }
            SettingRow {
                label: qsTr("Individual day parts") + tro.emptyStr
                Switch {
                    objectName: "individualDPSwitch"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    checked: page.individualDPEnabled
                    onToggled: { page.individualDPEnabled = checked; page.edit("individualDPEnabled") }
                }
            }
            SettingRow {
                label: qsTr("Sound level") + tro.emptyStr
                RowLayout {
                    anchors.fill: parent
                    Slider {
                        objectName: "soundLevelSlider"
                        Layout.fillWidth: true
                        from: page.minSoundLevel
                        to: page.maxSoundLevel
                        stepSize: 1
                        snapMode: Slider.SnapAlways
                        value: page.soundLevel
                        onMoved: { page.soundLevel = value; page.edit("soundLevel") }
                    }
                    Label {
                        text: page.soundLevel + "%"
                    }
                }
            }
            SettingRow {
                visible: page.customerId !== page.customerQrb
                label: qsTr("Temperature unit") + tro.emptyStr
                RowLayout {
                    anchors.fill: parent
                    RadioButton {
                        objectName: "fahrenheitButton"
                        text: "\u00B0F"
                        checked: page.tempUnit === 0
                        onClicked: { page.tempUnit = 0; page.edit("tempUnit") }
                    }
                    RadioButton {
                        objectName: "celsiusButton"
                        text: "\u00B0C"
                        checked: page.tempUnit !== 0
                        onClicked: { page.tempUnit = 1; page.edit("tempUnit") }
                    }
                }
            }
            SettingRow {
                label: qsTr("Screen cleaning") + tro.emptyStr
                RowLayout {
                    anchors.fill: parent
                    RadioButton {
                        objectName: "screenCleanNever"
                        text: qsTr("Never") + tro.emptyStr
                        checked: page.screenCleanActive === 0
                        onClicked: { page.screenCleanActive = 0; page.edit("screenCleanActive") }
                    }
                    RadioButton {
                        objectName: "screenCleanEvery"
                        text: qsTr("Every") + tro.emptyStr
                        checked: page.screenCleanActive !== 0
                        onClicked: { page.screenCleanActive = 1; page.edit("screenCleanActive") }
                    }
                    ConfigTextField {
                        id: screenCleanField
                        objectName: "screenCleanField"
                        keyboard: page.keyboard
                        numeric: true
                        enabled: page.screenCleanActive !== 0
                        Layout.preferredWidth: 90
                        inputMethodHints: Qt.ImhDigitsOnly
                        validator: IntValidator { bottom: 0; top: 99999 }
                        onTextEdited: {
                            page.screenCleanTimeout = parseInt(text) || 0
                            page.edit("screenCleanTimeout")
                        }
                    }
                    Label {
                        color: page.screenCleanValid ? Theme.text : Theme.warning
                        text: page.screenCleanValid ? qsTr("minutes") + tro.emptyStr
                                                    : qsTr("Invalid time value") + tro.emptyStr
                    }
                }
            }
            SettingRow {
                label: qsTr("Timer colors") + tro.emptyStr
                Switch {
                    objectName: "timerColorSwitch"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    checked: page.timerColorStatus
                    onToggled: { page.timerColorStatus = checked; page.edit("timerColorStatus") }
                }
            }
            SettingRow {
                label: qsTr("Advanced zone options") + tro.emptyStr
                Switch {
                    objectName: "advancedZoneOptionsSwitch"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    checked: page.advancedZoneOptionsEnable
                    onToggled: { page.advancedZoneOptionsEnable = checked; page.edit("advancedZoneOptionsEnable") }
                }
            }
            SettingRow {
                label: qsTr("Universal pan sounds") + tro.emptyStr
                Switch {
                    objectName: "universalPanSoundSwitch"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    checked: page.universalPanSoundEnable
                    onToggled: { page.universalPanSoundEnable = checked; page.edit("universalPanSoundEnable") }
                }
            }
            SettingRow {
                visible: page.customerId === page.customerVyx
                label: qsTr("Discard sound") + tro.emptyStr
                RowLayout {
                    anchors.fill: parent
                    RadioButton {
                        objectName: "discardContinuous"
                        text: qsTr("Continuous") + tro.emptyStr
                        checked: page.discardDurationEnabled === 0
                        onClicked: { page.discardDurationEnabled = 0; page.edit("discardDurationEnabled") }
                    }
                    RadioButton {
                        objectName: "discardDuration"
                        text: qsTr("Duration") + tro.emptyStr
                        checked: page.discardDurationEnabled !== 0
                        onClicked: { page.discardDurationEnabled = 1; page.edit("discardDurationEnabled") }
                    }
                    Slider {
                        objectName: "discardDurationSlider"
                        enabled: page.discardDurationEnabled !== 0
                        Layout.fillWidth: true
                        from: page.minDiscardSeconds
                        to: page.maxDiscardSeconds
                        stepSize: 10
                        value: page.discardSoundDuration
                        onMoved: { page.discardSoundDuration = value; page.edit("discardSoundDuration") }
                    }
                    Label {
                        text: page.mmss(page.discardSoundDuration)
                    }
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
            objectName: "preferencesCancelButton"
            Layout.preferredWidth: 180
            Layout.fillHeight: true
            text: qsTr("Cancel") + tro.emptyStr
            enabled: page.changed
            onClicked: page.cancelEdits()
        }
        Button {
            objectName: "preferencesSaveButton"
            Layout.preferredWidth: 180
            Layout.fillHeight: true
            text: qsTr("Save") + tro.emptyStr
            highlighted: true
            enabled: page.changed && page.screenCleanValid
            onClicked: page.save()
        }
    }

    ConfigMessage {
        id: saveFailed
        objectName: "preferencesSaveFailed"
        anchors.fill: parent
    }
}
