import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/theme"
import "qrc:/config"

// The Date and Time service page: the cabinet's local time (its UTC clock at the chosen
// offset), the time zone, the 12-hour clock, daylight saving and network time. It edits a
// copy and applies it on Save; the clock shows the copy's choices, so the user sees what
// Save will give. Setting the clock itself is not done here.
Item {
    id: page
    objectName: "dateTimePage"
    width: 800
    height: 352

    // The local copy, loaded from the settings store.
    property int timeZoneIndex
    property bool twelveHour
    property bool dstEnabled
    property bool ntpOn
    property bool changed: false

    // The instant shown, in ms since the epoch (UTC). While the clock runs it follows the
    // system clock once a second; stopped, it holds whatever instant it was given.
    property bool clockRunning: true
    property double utcMs: Date.now()
    readonly property var clock: configManager.localClock(utcMs, timeZoneIndex, dstEnabled, twelveHour)

    LayoutMirroring.enabled: tro.languageId === 11
    LayoutMirroring.childrenInherit: true

    function load() {
        timeZoneIndex = configManager.timeZoneIndex
        twelveHour = configManager.timeFormatAMPM
        dstEnabled = configManager.dstEnabled
        ntpOn = configManager.ntpOn
        changed = false
        zoneList.positionViewAtIndex(timeZoneIndex, ListView.Center)
    }

    // The main window's cancelEdits: drop what was not saved.
    function cancelEdits() {
        load()
    }

    function chooseZone(row) {
        if (row === timeZoneIndex)
            return
        timeZoneIndex = row
        changed = true
    }

    // When the file could not be written the page says so: the values are in use until
    // the next start, and Save stays offered for another try.
    function save() {
        configManager.set_timeZoneIndex(timeZoneIndex)
        configManager.set_timeFormatAMPM(twelveHour)
        configManager.set_dstEnabled(dstEnabled)
        configManager.set_ntpOn(ntpOn)
        if (!configManager.saveConfigFile()) {
            saveFailed.show(qsTr("The settings could not be saved.<br>They apply only until the cabinet restarts.")
                            + tro.emptyStr, true)
            return
        }
        changed = false
    }

    Component.onCompleted: load()
    // Built before it was first shown, the list could not centre the chosen row yet.
    onVisibleChanged: {
        if (visible)
            zoneList.positionViewAtIndex(timeZoneIndex, ListView.Center)
    }

    Connections {
        target: configManager
        // A setting changed underneath the page is shown unless the user is editing.
        function onConfigFileRead() { if (!page.changed) page.load() }
        function onTimeZoneIndexChanged() { if (!page.changed) page.load() }
        function onTimeFormatAMPMChanged() { if (!page.changed) page.load() }
        function onDstEnabledChanged() { if (!page.changed) page.load() }
        function onNtpOnChanged() { if (!page.changed) page.load() }
    }

    // Ticks just after each whole second, so the seconds shown step evenly.
    Timer {
        id: tick
        interval: 1000
        repeat: true
        running: page.visible && page.clockRunning
        triggeredOnStart: true
        onTriggered: {
            page.utcMs = Date.now()
            interval = 1000 - page.utcMs % 1000 + 20
        }
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.background
    }

    ColumnLayout {
        id: settingsColumn
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom; margins: 12 }
        width: 380
        spacing: 4

        Label {
            objectName: "localTimeText"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignLeft
            font.pixelSize: Theme.fontTitle * 2
            font.bold: true
            // The largest title size with "AM" in a long translation would run out of
            // the column: the clock then takes a smaller type.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.fontTitle
            text: page.clock.time + (page.twelveHour ? " " + (page.clock.pm ? qsTr("PM") : qsTr("AM")) : "")
                  + tro.emptyStr
        }
        Label {
            objectName: "localDateText"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignLeft
            color: Theme.textSecondary
            font.pixelSize: Theme.fontBody
            // Digits and the zone's name read the same in every language.
            text: page.clock.date + "   " + configManager.getTimeZoneName(page.timeZoneIndex)
        }
        Item { Layout.preferredHeight: Theme.spacingSmall }
        SettingRow {
            label: qsTr("12-hour clock") + tro.emptyStr
            Switch {
                objectName: "twelveHourSwitch"
                anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                checked: page.twelveHour
                onToggled: { page.twelveHour = checked; page.changed = true }
            }
        }
        SettingRow {
            label: qsTr("Daylight saving time") + tro.emptyStr
            Switch {
                objectName: "dstSwitch"
                anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                checked: page.dstEnabled
                onToggled: { page.dstEnabled = checked; page.changed = true }
            }
        }
        SettingRow {
            label: qsTr("Network time (NTP)") + tro.emptyStr
            Switch {
                objectName: "ntpSwitch"
                anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                checked: page.ntpOn
                onToggled: { page.ntpOn = checked; page.changed = true }
            }
        }
        Item { Layout.fillHeight: true }
    }

    // The 34 zones; the chosen row is filled and bold, a whole row takes the tap.
    ListView {
        id: zoneList
        objectName: "timeZoneList"
        anchors { left: settingsColumn.right; right: parent.right; top: parent.top; bottom: buttons.top; margins: 12 }
        clip: true
        model: timeZonesModel
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { objectName: "timeZoneScrollBar" }
        delegate: Rectangle {
            objectName: "timeZoneRow_" + index
            width: zoneList.width
            height: Theme.touchTarget
            radius: Theme.radius
            color: rowArea.pressed ? Theme.surfacePressed
                 : index === page.timeZoneIndex ? Theme.selection : "transparent"
            MouseArea {
                id: rowArea
                anchors.fill: parent
                onClicked: page.chooseZone(index)
            }
            Label {
                anchors { fill: parent; leftMargin: Theme.spacing; rightMargin: Theme.spacing + Theme.scrollBarWidth }
                verticalAlignment: Text.AlignVCenter
                horizontalAlignment: Text.AlignLeft
                font.pixelSize: Theme.fontLarge
                font.bold: index === page.timeZoneIndex
                text: model.name
            }
        }
    }

    RowLayout {
        id: buttons
        anchors { left: zoneList.left; right: parent.right; bottom: parent.bottom; margins: 12; leftMargin: 0 }
        height: Theme.touchTarget + 8
        spacing: Theme.spacing
        Button {
            objectName: "dateTimeCancelButton"
            Layout.fillWidth: true
            Layout.fillHeight: true
            text: qsTr("Cancel") + tro.emptyStr
            enabled: page.changed
            onClicked: page.cancelEdits()
        }
        Button {
            objectName: "dateTimeSaveButton"
            Layout.fillWidth: true
            Layout.fillHeight: true
            text: qsTr("Save") + tro.emptyStr
            highlighted: true
            enabled: page.changed
            onClicked: page.save()
        }
    }

    ConfigMessage {
        id: saveFailed
        objectName: "dateTimeSaveFailed"
        anchors.fill: parent
    }
}
