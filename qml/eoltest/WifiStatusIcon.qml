import QtQuick 2.15
import "qrc:/theme"

// The footer's Wi-Fi status icon, on the master display while Wi-Fi is on. Held for five
// seconds it starts the factory test's address announcement; a tap asks to set the Wi-Fi
// connection up again.
Item {
    id: icon
    objectName: "wifiStatusIcon"
    width: Theme.touchTarget
    height: Theme.touchTarget
    visible: typeof cabinetManager !== "undefined" && cabinetManager.iAmMaster
             && typeof configManager !== "undefined" && configManager.wifiEnabled
    property int holdMs: 5000
    signal tapped()
    readonly property bool connected: typeof tulNetwork !== "undefined" && tulNetwork !== null
                                      && tulNetwork.wifiApConnected
    // Without a link the fan of arcs stays, greyed, with a warning badge: a cross over it
    // read as a close button, and no arcs at all as a dark screen corner.
    readonly property color arcColor: connected ? Theme.text : Theme.textDisabled

    // Plain items, not a canvas: a canvas paints once the window's scene graph is up, that
    // is one frame after the first, and runs its script for it.
    Item {
        id: waves
        anchors.fill: parent
        anchors.margins: 8
        readonly property real cx: width / 2
        readonly property real cy: height - 6
        // Three quarters of circles over the centre, from upper left to upper right: each
        // ring cut along the line through its 45 degree points, and at the icon's sides.
        Repeater {
            model: 3
            Item {
                readonly property real r: (index + 1) * (waves.height - 8) / 3
                readonly property real ringX: waves.cx - r - 2
                x: Math.max(0, ringX)
                y: waves.cy - r - 2
                width: Math.min(waves.width, waves.cx + r + 2) - x
                height: Math.ceil(r - r * Math.SQRT1_2 + 2)
                clip: true
                Rectangle {
                    x: parent.ringX - parent.x
                    width: 2 * parent.r + 4
                    height: width
                    radius: width / 2
                    color: "transparent"
                    border.width: 4
                    border.color: icon.arcColor
                }
            }
        }
        Rectangle {
            x: waves.cx - 3
            y: waves.cy - 3
            width: 6
            height: 6
            radius: 3
            color: icon.arcColor
        }
        // "!" on an amber disc in the lower right corner.
        Rectangle {
            objectName: "wifiWarningBadge"
            visible: !icon.connected
            x: waves.width - 16
            y: waves.height - 16
            width: 16
            height: 16
            radius: 8
            color: Theme.warning
            Rectangle {
                x: 7
                y: 2
                width: 2
                height: 8
                radius: 1
                color: Theme.background
            }
            Rectangle {
                x: 7
                y: 11
                width: 2
                height: 2
                radius: 1
                color: Theme.background
            }
        }
    }

    Timer {
        id: hold
        objectName: "wifiIconHoldTimer"
        interval: icon.holdMs
        onTriggered: {
            area.held = true
            if (typeof eolTest !== "undefined" && eolTest !== null)
                eolTest.startUdpbroadcast()
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        // A hold that started the announcement is not also a tap.
        onClicked: if (!held) icon.tapped()
        property bool held: false
        onPressed: { held = false; hold.restart() }
        onReleased: hold.stop()
        onExited: hold.stop()
        onCanceled: hold.stop()
    }
}
