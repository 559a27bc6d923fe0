import QtQuick 2.15

// The factory's screen colour test: full-screen colours, the next one on every tap.
Rectangle {
    id: panel
    visible: false
    property var colours: ["red", "lime", "blue", "white", "black"]
    property int step: 0
    color: colours[step % colours.length]

    function start() { step = 0; visible = true }
    function stop() { visible = false }

    MouseArea { anchors.fill: parent; onClicked: panel.step++ }
}
