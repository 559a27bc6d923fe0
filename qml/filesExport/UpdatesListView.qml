import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQml.Models 2.15
import TulConfig 1.0
import "qrc:/theme"
import "qrc:/config"

// The menu update screen: the import page and the export page side by side, turned by
// the panel's tabs or a swipe; how an import or export went is told by the shell, over
// whatever page is open by then. One lock serves both pages (they share a level): a PIN
// of that level or above opens them, and they lock again when the list is no longer shown.
// A page turns at once: a tap that follows a turn reaches what it was aimed at, where a
// sliding list took it for a touch on itself.
Rectangle {
    id: view
    objectName: "updatesListView"
    color: Theme.background
    // The master display locks the pages at level 1 for some customers and 2 for the
    // others; other displays show them locked for good (-1).
    readonly property int lockLevel: typeof configManager !== "undefined" ? configManager.updatesLockLevel() : -1
    // The level the pages were unlocked with; 0 while locked.
    property int unlockedLevel: 0
    readonly property bool open: lockLevel === 0 || (lockLevel > 0 && unlockedLevel > 0)
    // Where the PIN pad goes: over the area the list is shown in.
    property Item overlayParent: view
    property alias currentIndex: pagesList.currentIndex
    property alias message: messageBox.message
    // How far a finger must travel sideways for a swipe to turn the page.
    readonly property int swipeDistance: 80

    function showMessage(text) {
        messageBox.show(text)
    }
    function setUnlocked(level) {
        unlockedLevel = Math.max(0, level)
    }
    function lockAll() {
        pinPad.close()
        unlockedLevel = 0
    }
    function tapLock() {
        if (lockLevel <= 0)
            return
        if (unlockedLevel > 0) {
            unlockedLevel = 0
            return
        }
        if (gate.blocked) {
            showMessage(Qt.binding(function() { return qsTr("Too many failed attempts.\nCall service.") + Theme.retranslate() }))
            return
        }
        pinPad.open(qsTr("PIN #") + Theme.retranslate())
    }
    // Level 1 opens with the manager's PIN or level 2, level 2 with level 2, level 3
    // always. The cloud knows no screen name for this lock: not reported.
    function pinEntered(pin) {
        var level = gate.checkUnreported(lockLevel, pin)
        if (level > 0) {
            pinPad.close()
            setUnlocked(level)
        } else if (gate.blocked) {
            pinPad.close()
            showMessage(Qt.binding(function() { return qsTr("Too many failed attempts.\nCall service.") + Theme.retranslate() }))
        } else {
            pinPad.showError(qsTr("ERROR") + Theme.retranslate())
        }
    }
    // A horizontal swipe by dx pixels over the pages, in reading order (mirrored in
    // Arabic, as the tabs are). False when it was too short.
    function swipe(dx) {
        if (Math.abs(dx) < swipeDistance)
            return false
        var step = (dx < 0) !== Theme.rightToLeft ? 1 : -1
        pagesList.currentIndex = Math.max(0, Math.min(pagesList.count - 1, pagesList.currentIndex + step))
        return true
    }

    onVisibleChanged: {
        if (!visible)
            lockAll()
    }

    PinGate { id: gate; config: typeof configManager !== "undefined" ? configManager : null }

    // Under the pages: a swipe that starts where no control takes the touch.
    MouseArea {
        objectName: "updatesSwipeArea"
        anchors.fill: parent
        property real startX: 0
        onPressed: startX = mouse.x
        onReleased: view.swipe(mouse.x - startX)
    }

    ListView {
        id: pagesList
        objectName: "updatePages"
        anchors.fill: parent
        orientation: ListView.Horizontal
        highlightRangeMode: ListView.StrictlyEnforceRange
        highlightMoveDuration: 0
        interactive: false
        clip: true
        // A mirrored horizontal list built in Arabic opens beside its first page; the
        // pages keep their order and mirror their own content.
        LayoutMirroring.enabled: false
        model: ObjectModel {
            OvUsbUpdateItem {
                width: pagesList.width
                height: pagesList.height
                unlocked: view.open
                lockRoom: lock.visible ? lock.width : 0
            }
            OvUsbExportItem {
                width: pagesList.width
                height: pagesList.height
                unlocked: view.open
                lockRoom: lock.visible ? lock.width : 0
            }
        }
    }

    // In the pages' headers, beside their titles.
    UpdateItemLock {
        id: lock
        objectName: "updatesLockButton"
        anchors { right: parent.right; top: parent.top; margins: Theme.spacingSmall }
        lockLevel: view.lockLevel
        unlocked: view.unlockedLevel > 0
        onClicked: view.tapLock()
    }

    // The lock's messages; the import controller's results are the shell's.
    UpdateMessage {
        id: messageBox
        objectName: "updatesLockMessage"
        closeObjectName: "updatesLockMessageClose"
        anchors.fill: parent
    }

    PinPad {
        id: pinPad
        objectName: "updatesPinPad"
        parent: view.overlayParent
        anchors.fill: parent
        z: 100
        onEntered: view.pinEntered(pin)
    }
}
