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

    onConnectedChanged: waves.requestPaint()

    Canvas {
        id: waves
        anchors.fill: parent
        anchors.margins: 8
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.strokeStyle = icon.arcColor
            ctx.fillStyle = ctx.strokeStyle
            ctx.lineWidth = 4
            ctx.lineCap = "round"
            var cx = width / 2, cy = height - 6
            for (var r = 1; r <= 3; ++r) {
                ctx.beginPath()
                ctx.arc(cx, cy, r * (height - 8) / 3, -Math.PI * 3 / 4, -Math.PI / 4)
                ctx.stroke()
            }
            ctx.beginPath()
            ctx.arc(cx, cy, 3, 0, 2 * Math.PI)
            ctx.fill()
            if (icon.connected)
                return
            // "!" on an amber disc in the lower right corner.
            var bx = width - 8, by = height - 8, br = 8
            ctx.beginPath()
            ctx.arc(bx, by, br, 0, 2 * Math.PI)
            ctx.fillStyle = Theme.warning
            ctx.fill()
            ctx.strokeStyle = Theme.background
            ctx.fillStyle = Theme.background
            ctx.lineWidth = 2.5
            ctx.beginPath()
            ctx.moveTo(bx, by - 5)
            ctx.lineTo(bx, by + 1)
            ctx.stroke()
            ctx.beginPath()
            ctx.arc(bx, by + 4, 1.4, 0, 2 * Math.PI)
            ctx.fill()
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
