import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// Blocks the page while the HACCP worker answers; gives up after `seconds`, so a request
// that is never answered (collection off) cannot hold the page for ever.
Rectangle {
    id: overlay
    objectName: "busyOverlay"
    color: Theme.scrim
    visible: false

    function start(seconds) {
        timeout.interval = seconds * 1000
        visible = true
        timeout.restart()
    }
    function stop() {
        timeout.stop()
        visible = false
    }

    MouseArea { anchors.fill: parent }  // swallows touches while busy
    BusyIndicator { anchors.centerIn: parent; running: overlay.visible }
    Timer { id: timeout; onTriggered: overlay.visible = false }
}
