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
    // Arcs drawn: none while disconnected, so a dark icon is not read as full signal.
    readonly property int bars: connected ? 3 : 0

    onConnectedChanged: waves.requestPaint()

    Canvas {
        id: waves
        anchors.fill: parent
        anchors.margins: 8
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.strokeStyle = Theme.text
            ctx.fillStyle = ctx.strokeStyle
            ctx.lineWidth = 4
            ctx.lineCap = "round"
            var cx = width / 2, cy = height - 6
            for (var r = 1; r <= icon.bars; ++r) {
                ctx.beginPath()
                ctx.arc(cx, cy, r * (height - 8) / 3, -Math.PI * 3 / 4, -Math.PI / 4)
                ctx.stroke()
            }
            ctx.beginPath()
            ctx.arc(cx, cy, 3, 0, 2 * Math.PI)
            ctx.fill()
            if (!icon.connected) {
                // Crossed out: no link.
                ctx.beginPath()
                ctx.moveTo(4, 4)
                ctx.lineTo(width - 4, height - 4)
                ctx.moveTo(width - 4, 4)
                ctx.lineTo(4, height - 4)
                ctx.stroke()
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
