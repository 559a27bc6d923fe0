import QtQuick 2.15
import QtQuick.Controls 2.15
import TulConfig 1.0
import "qrc:/theme"

// The service pages as a carousel: the arrows step through the pages this display offers
// (wrapping from Utilities to Preferences), the lock opens a page with a PIN of its level,
// and the logo resets the manager's PIN (twelve quick taps) or, held for 5 s, asks
// whether to reset the configuration. Pages are shown by the owner for `screen`; a page
// is usable when isOpen(screen).
Item {
    id: carousel
    objectName: "serviceCarousel"

    // The screens the owner has a page for.
    property var available: []
    readonly property int headerHeight: Theme.touchTarget + 8
    readonly property var pages: {
        if (typeof configManager === "undefined")
            return []
        // Read here so that the offered pages follow the cloud type and the zone options.
        var dependsOn = [configManager.iotType, configManager.advancedZoneOptionsEnable]
        var all = configManager.servicePages()
        var offered = []
        for (var i = 0; i < all.length; ++i) {
            var key = all[i].screen === "PreferencesEnd" ? "Preferences" : all[i].screen
            if (available.indexOf(key) >= 0)
                offered.push(all[i])
        }
        return offered
    }
    // On Preferences, after the copy of Utilities.
    property int index: 1
    readonly property var page: index >= 0 && index < pages.length ? pages[index] : null
    readonly property string screen: page ? (page.screen === "PreferencesEnd" ? "Preferences" : page.screen) : ""
    readonly property string title: page ? page.title : ""
    // Shown in place of the title while a page opened from this one is up (translated).
    property string subTitle: ""
    readonly property int lockLevel: page ? page.lockLevel : 0
    // Why a page that cannot be unlocked (-1) cannot: "cloud" or "display".
    readonly property string lockReason: page && page.lockReason ? page.lockReason : ""
    // Off while the page shown asks to keep its place.
    property bool swipeEnabled: true
    // Off while a page opened from this one shows a lock of its own.
    property bool lockShown: true
    // How far a finger must travel sideways for a swipe to turn the page.
    readonly property int swipeDistance: 80
    // Screen -> the level it was unlocked with.
    property var unlockedLevels: ({})

    // Page titles, for the catalogues.
    readonly property var titles: [QT_TR_NOOP("Preferences"), QT_TR_NOOP("Date and Time"), QT_TR_NOOP("Language"),
        QT_TR_NOOP("Day-Parts"), QT_TR_NOOP("Cabinet Names"), QT_TR_NOOP("Eco Mode Options"),
        QT_TR_NOOP("Wi-Fi Networking"), QT_TR_NOOP("Zone Diagnostics"), QT_TR_NOOP("Errors Log"),
        QT_TR_NOOP("Holding Log"), QT_TR_NOOP("Password"), QT_TR_NOOP("System Information"),
        QT_TR_NOOP("Utilities")]

    function lockLevelOf(name) {
        for (var i = 1; i < pages.length - 1; ++i) {
            if (pages[i].screen === name)
                return pages[i].lockLevel
        }
        return -1
    }
    function unlockedLevel(name) {
        return unlockedLevels[name] !== undefined ? unlockedLevels[name] : 0
    }
    function isOpen(name) {
        return lockLevelOf(name) === 0 || unlockedLevel(name) > 0
    }
    function show(name) {
        for (var i = 1; i < pages.length - 1; ++i) {
            if (pages[i].screen === name) {
                index = i
                return true
            }
        }
        return false
    }
    // The copies at both ends stand for the page at the other end.
    function next() {
        index = index + 1 >= pages.length - 1 ? 1 : index + 1
    }
    function previous() {
        index = index - 1 <= 0 ? pages.length - 2 : index - 1
    }
    // A horizontal swipe by dx pixels: the page follows the finger, as in a list laid out
    // in reading order (mirrored in Arabic). False when it was too short or is not allowed.
    function swipe(dx) {
        if (!swipeEnabled || Math.abs(dx) < swipeDistance)
            return false
        if ((dx < 0) !== Theme.rightToLeft)
            next()
        else
            previous()
        return true
    }
    function setUnlocked(name, level) {
        var levels = Object.assign({}, unlockedLevels)
        if (level > 0)
            levels[name] = level
        else
            delete levels[name]
        unlockedLevels = levels
    }
    function lock(name) {
        var level = unlockedLevel(name)
        if (level <= 0)
            return
        setUnlocked(name, 0)
        configManager.programModeExited(name, level)
    }
    function lockAll() {
        var names = Object.keys(unlockedLevels)
        for (var i = 0; i < names.length; ++i)
            lock(names[i])
    }
    function tapLock() {
        if (lockLevel <= 0)
            return
        if (unlockedLevel(screen) > 0) {
            lock(screen)
            return
        }
        if (gate.blocked) {
            message.show(qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr, true)
            return
        }
        pinPad.open(qsTr("PIN #") + tro.emptyStr)
    }
    // A tap on the greyed lock tells why it is greyed.
    function explainLock() {
        if (lockLevel >= 0)
            return
        message.show((lockReason === "cloud"
                      ? qsTr("The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.")
                      : qsTr("This page can be unlocked on the primary display only.")) + tro.emptyStr, true)
    }
    function pinEntered(pin) {
        var level = gate.check(screen, lockLevel, pin)
        if (level > 0) {
            pinPad.close()
            if (level === 3) {
                for (var i = 1; i < pages.length - 1; ++i) {
                    if (pages[i].lockLevel > 0)
                        setUnlocked(pages[i].screen, 3)
                }
                message.show(qsTr("All service panels unlocked!") + tro.emptyStr, true)
            } else {
                setUnlocked(screen, level)
            }
        } else if (gate.blocked) {
            pinPad.close()
            message.show(qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr, true)
        } else {
            pinPad.showError(qsTr("ERROR") + tro.emptyStr)
            pinPad.higherLevelNeeded = gate.lastLevel > 0
        }
    }

    PinGate { id: gate; config: typeof configManager !== "undefined" ? configManager : null }
    LogoTapCounter {
        id: taps
        // Said only once the default is on disk; otherwise the old PIN still opens.
        onResetRequested: {
            if (configManager.resetManagerPasscode())
                message.show(qsTr("Manager's PIN# was reset.") + tro.emptyStr, true)
            else
                message.show(qsTr("Manager's PIN# could not be reset.<br>The old PIN# still applies.")
                             + tro.emptyStr, true)
        }
    }

    Rectangle {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: carousel.headerHeight
        color: Theme.surface
        LayoutMirroring.enabled: Theme.rightToLeft
        LayoutMirroring.childrenInherit: true

        Button {
            id: back
            objectName: "carouselPrevious"
            anchors { left: parent.left; verticalCenter: parent.verticalCenter; leftMargin: 4 }
            width: Theme.touchTarget + 8
            height: Theme.touchTarget
            // Mirrored with the header in Arabic: each arrow points away from the title.
            text: Theme.rightToLeft ? "\u203a" : "\u2039"
            font.pixelSize: Theme.fontTitle
            onClicked: carousel.previous()
            // A second quick tap is a double click to the button, which then gives no click.
            onDoubleClicked: carousel.previous()
        }
        // The title can be swiped like the page under it.
        MouseArea {
            objectName: "carouselTitleSwipe"
            anchors { left: back.right; right: lockButton.left; top: parent.top; bottom: parent.bottom }
            property real startX: 0
            onPressed: startX = mouse.x
            onReleased: carousel.swipe(mouse.x - startX)
        }
        Label {
            objectName: "carouselTitle"
            anchors { left: back.right; right: lockButton.left; verticalCenter: parent.verticalCenter; margins: 8 }
            horizontalAlignment: Text.AlignHCenter
            text: carousel.subTitle !== "" ? carousel.subTitle : qsTr(carousel.title) + tro.emptyStr
            font.pixelSize: Theme.fontTitle
            font.bold: true
            elide: Text.ElideRight
        }
        Button {
            id: lockButton
            objectName: "carouselLock"
            anchors { right: forward.left; verticalCenter: parent.verticalCenter; rightMargin: 8 }
            width: 150
            height: Theme.touchTarget
            visible: carousel.lockLevel !== 0 && carousel.lockShown
            enabled: carousel.lockLevel > 0
            highlighted: carousel.unlockedLevel(carousel.screen) > 0
            text: (carousel.unlockedLevel(carousel.screen) > 0 ? qsTr("Lock") : qsTr("Unlock")) + tro.emptyStr
            onClicked: carousel.tapLock()
        }
        // Over the greyed lock, which takes no taps itself.
        MouseArea {
            objectName: "carouselLockReason"
            anchors.fill: lockButton
            visible: carousel.lockLevel < 0 && carousel.lockShown
            onClicked: carousel.explainLock()
        }
        Button {
            id: forward
            objectName: "carouselNext"
            anchors { right: logo.left; verticalCenter: parent.verticalCenter; rightMargin: 8 }
            width: Theme.touchTarget + 8
            height: Theme.touchTarget
            text: Theme.rightToLeft ? "\u2039" : "\u203a"
            font.pixelSize: Theme.fontTitle
            onClicked: carousel.next()
            onDoubleClicked: carousel.next()
        }
        Rectangle {
            id: logo
            objectName: "dockLogo"
            anchors { right: parent.right; verticalCenter: parent.verticalCenter; rightMargin: 4 }
            width: Theme.touchTarget + 16
            height: Theme.touchTarget
            radius: Theme.radius
            color: Theme.accentStrong
            Label {
                anchors.centerIn: parent
                text: "TUL"
                font.pixelSize: Theme.fontBody
                font.bold: true
            }
            MouseArea {
                anchors.fill: parent
                pressAndHoldInterval: 5000
                onClicked: taps.tap()
                onPressAndHold: resetQuestion.ask(qsTr("Are you sure want to reset<br>the configuration?") + tro.emptyStr)
            }
        }
    }

    PinPad {
        id: pinPad
        anchors.fill: parent
        z: 10
        onEntered: carousel.pinEntered(pin)
    }
    ConfigMessage {
        id: message
        objectName: "carouselMessage"
        anchors.fill: parent
        z: 11
    }
    ConfigMessage {
        id: resetQuestion
        objectName: "resetQuestion"
        anchors.fill: parent
        z: 11
        onAnswered: {
            if (yes)
                configManager.resetConfiguration()
        }
    }
}
