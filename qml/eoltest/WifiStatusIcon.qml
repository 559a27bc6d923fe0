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
        // The quarter of a circle over its centre, from upper left to upper right: the two
        // halves of the quarter-circle curves the painter itself would draw for an arc, as
        // cubic curves. Drawn as an arc, the 45 degree ends would pull in the maths library's
        // sine tables for nothing but these three strokes.
        function topQuarter(ctx, cx, cy, r) {
            var k = 0.5522847498 * r // the constant of the painter's own quarter circles
            // The quarter from the left point to the top, and from the top to the right
            // point, each split at its middle (de Casteljau at t = 1/2).
            var x1 = cx - r, y1 = cy - k, x2 = cx - k, y2 = cy - r
            var qx = (x1 + x2) / 2, qy = (y1 + y2) / 2
            var ax = ((cx - r + x1) / 2 + qx) / 2, ay = ((cy + y1) / 2 + qy) / 2
            var bx = (qx + (x2 + cx) / 2) / 2, by = (qy + (y2 + cy - r) / 2) / 2
            var mx = (ax + bx) / 2, my = (ay + by) / 2
            ctx.moveTo(mx, my)
            ctx.bezierCurveTo(bx, by, (x2 + cx) / 2, (y2 + cy - r) / 2, cx, cy - r)
            ctx.bezierCurveTo(2 * cx - (x2 + cx) / 2, (y2 + cy - r) / 2, 2 * cx - bx, by, 2 * cx - mx, my)
        }
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
                topQuarter(ctx, cx, cy, r * (height - 8) / 3)
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
