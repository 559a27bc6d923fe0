import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQml.Models 2.15
import TulConfig 1.0
import "qrc:/theme"
import "qrc:/config"

// The menu update screen: the import page and the export page side by side, swiped
// horizontally; how an import or export went is told by the shell, over whatever page
// is open by then. Each page has its own lock:
// a PIN of its level opens that page, one of level 3 opens both; they lock again when
// the list is no longer shown.
Rectangle {
    id: view
    objectName: "updatesListView"
    color: Theme.background
    // The master display locks the pages at level 1 for some customers and 2 for the
    // others; other displays show them locked for good (-1).
    readonly property int lockLevel: typeof configManager !== "undefined" ? configManager.updatesLockLevel() : -1
    // Page ("import", "export") -> the level it was unlocked with.
    property var unlockedLevels: ({})
    // The page whose lock asked for the PIN.
    property string pinFor: ""
    // Where the PIN pad goes: over the area the list is shown in.
    property Item overlayParent: view
    property alias currentIndex: pagesList.currentIndex
    property alias message: messageBox.message

    function showMessage(text) {
        messageBox.show(text)
    }
    function isOpen(name) {
        return lockLevel === 0 || (lockLevel > 0 && unlockedLevels[name] !== undefined)
    }
    function setUnlocked(names, level) {
        var levels = Object.assign({}, unlockedLevels)
        for (var i = 0; i < names.length; ++i) {
            if (level > 0)
                levels[names[i]] = level
            else
                delete levels[names[i]]
        }
        unlockedLevels = levels
    }
    function lockAll() {
        pinPad.close()
        unlockedLevels = {}
    }
    function tapLock(name) {
        if (lockLevel <= 0)
            return
        if (unlockedLevels[name] !== undefined) {
            setUnlocked([name], 0)
            return
        }
        if (gate.blocked) {
            showMessage(Qt.binding(function() { return qsTr("Too many failed attempts.\nCall service.") + Theme.retranslate() }))
            return
        }
        pinFor = name
        pinPad.open(qsTr("PIN #") + Theme.retranslate())
    }
    // Level 1 opens with the manager's PIN or level 2, level 2 with level 2; level 3
    // opens every page. The cloud knows no screen name for these locks: not reported.
    function pinEntered(pin) {
        var level = gate.checkUnreported(lockLevel, pin)
        if (level > 0) {
            pinPad.close()
            setUnlocked(level === 3 ? ["import", "export"] : [pinFor], level)
        } else if (gate.blocked) {
            pinPad.close()
            showMessage(Qt.binding(function() { return qsTr("Too many failed attempts.\nCall service.") + Theme.retranslate() }))
        } else {
            pinPad.showError(qsTr("ERROR") + Theme.retranslate())
        }
    }

    onVisibleChanged: {
        if (!visible)
            lockAll()
    }

    PinGate { id: gate; config: typeof configManager !== "undefined" ? configManager : null }

    ListView {
        id: pagesList
        objectName: "updatePages"
        anchors.fill: parent
        orientation: ListView.Horizontal
        snapMode: ListView.SnapOneItem
        highlightRangeMode: ListView.StrictlyEnforceRange
        // A tab tapped on the panel turns the page at once, not at the list's slow pace.
        highlightMoveDuration: 250
        clip: true
        // A mirrored horizontal list built in Arabic opens beside its first page; the
        // pages keep their order and mirror their own content.
        LayoutMirroring.enabled: false
        model: ObjectModel {
            OvUsbUpdateItem {
                width: pagesList.width
                height: pagesList.height
                lockLevel: view.lockLevel
                unlocked: view.isOpen("import")
                onLockTapped: view.tapLock("import")
            }
            OvUsbExportItem {
                width: pagesList.width
                height: pagesList.height
                lockLevel: view.lockLevel
                unlocked: view.isOpen("export")
                onLockTapped: view.tapLock("export")
            }
        }
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
