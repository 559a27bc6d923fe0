import QtQuick 2.15
import "qrc:/settings"
import "qrc:/theme"
import "qrc:/eoltest"

// The bar of the main screen: home, the service pages, the language button and the
// start-up status.
Rectangle {
    id: dock
    property string statusText: ""
    signal homeRequested()
    signal settingsRequested()
    signal dayPartsRequested()
    signal cookbookRequested()
    signal languageApplied()
    signal wifiConnectionRequested()
    height: Theme.touchTarget + 8

    // The day part in force, in the language of its names: read again once a language
    // switch has reached the day parts, not while it is on its way.
    property string dayPartName: ""
    function readDayPartName() {
        if (!cabinetManager.isConfigured || typeof daypartManager === "undefined" || !daypartManager) {
            dayPartName = ""
            return
        }
        var part = daypartManager.nextDayPart
        dayPartName = daypartManager.getDayPartName(part) || daypartManager.getDayPartName(0, part) || ""
    }
    Component.onCompleted: readDayPartName()
    Connections {
        target: typeof tro !== "undefined" ? tro : null
        ignoreUnknownSignals: true
        function onLanguageChanged() { Qt.callLater(dock.readDayPartName) }
        function onEmptyStrChanged() { Qt.callLater(dock.readDayPartName) }
    }
    Connections {
        target: typeof daypartManager !== "undefined" ? daypartManager : null
        ignoreUnknownSignals: true
        function onNextDayPartChanged() { dock.readDayPartName() }
        function onDaypartsFileLoadDone() { dock.readDayPartName() }
    }
    Connections {
        target: cabinetManager
        ignoreUnknownSignals: true
        function onIsConfiguredChanged() { dock.readDayPartName() }
    }
    color: Theme.background

    // One factor for every button, so that all of them fit beside the Wi-Fi icon at the
    // largest skin size in the longest language; the status text takes what is left.
    readonly property real fit: {
        var total = 0, shown = 0
        for (var i = 0; i < buttons.children.length; ++i) {
            var b = buttons.children[i]
            if (b.visible && b.naturalWidth !== undefined) {
                total += b.naturalWidth
                ++shown
            }
        }
        var room = width - (wifiIcon.visible ? wifiIcon.width + Theme.spacingSmall : 0) - buttons.spacing * Math.max(0, shown - 1)
        return total > 0 ? Math.min(1, room / total) : 1
    }

    Row {
        id: buttons
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
        spacing: 2
        DockButton { objectName: "homeButton"; fit: dock.fit; label: qsTr("Home") + tro.emptyStr; onClicked: dock.homeRequested() }
        DockButton {
            objectName: "settingsButton"
            fit: dock.fit
            label: qsTr("Settings") + tro.emptyStr
            visible: cabinetManager.isConfigured
            onClicked: dock.settingsRequested()
        }
        DockButton {
            objectName: "dayPartButton"
            fit: dock.fit
            label: qsTr("Day Part") + tro.emptyStr
            detail: dock.dayPartName
            visible: cabinetManager.isConfigured
            onClicked: dock.dayPartsRequested()
        }
        DockButton {
            objectName: "cookbookButton"
            fit: dock.fit
            label: qsTr("Cookbook") + tro.emptyStr
            visible: cabinetManager.isConfigured
            onClicked: dock.cookbookRequested()
        }
        DockLanguageButton {
            height: parent.height
            fit: dock.fit
            visible: cabinetManager.isConfigured
            onLanguageApplied: dock.languageApplied()
        }
    }

    Text {
        objectName: "statusText"
        anchors { left: buttons.right; right: wifiIcon.visible ? wifiIcon.left : parent.right; verticalCenter: parent.verticalCenter; margins: 8 }
        text: dock.statusText
        textFormat: Text.PlainText
        color: Theme.status
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontSmall
        elide: Text.ElideRight
    }

    WifiStatusIcon {
        id: wifiIcon
        anchors { right: parent.right; verticalCenter: parent.verticalCenter }
        onTapped: dock.wifiConnectionRequested()
    }
}
