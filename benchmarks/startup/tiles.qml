import QtQuick 2.15
import QtQuick.Window 2.15

// What the cook sees of a 5 x 4 cabinet at start-up with a product in every bin, and
// nothing behind it: 10 zones of 2 tiles, each tile its state word on a chip and its
// product's name (the names from the bench's context property), and the dock's buttons
// and status line. Sizes are fixed: no fitting, no back end, no pages to come. Once a
// second every tile's word is written again, as the cabinet's tiles follow their zones.
Window {
    visible: true
    width: 800
    height: 480
    color: "#101418"

    property int tick: 0
    Timer {
        interval: 1000
        running: true
        repeat: true
        onTriggered: ++tick
    }

    Grid {
        id: grid
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: dock.top; margins: 2 }
        columns: 2
        spacing: 3
        Repeater {
            model: 10
            Rectangle {
                id: zone
                readonly property int zoneIndex: index
                width: (grid.width - grid.spacing) / 2
                height: (grid.height - 4 * grid.spacing) / 5
                color: "#263238"
                radius: 4
                Row {
                    anchors.fill: parent
                    anchors.margins: 2
                    spacing: 3
                    Repeater {
                        model: 2
                        Rectangle {
                            width: (zone.width - 7) / 2
                            height: zone.height - 4
                            color: "#1565c0"
                            radius: 3
                            border.color: "#455a64"
                            Rectangle {
                                x: 2; y: 2
                                width: word.implicitWidth + 8
                                height: 22
                                radius: 3
                                color: "#101418"
                                Text {
                                    id: word
                                    anchors.centerIn: parent
                                    text: tick % 2 ? "Preheating" : "Heating"
                                    color: "white"
                                    font.pixelSize: 20
                                    font.bold: true
                                }
                            }
                            Text {
                                anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: 2 }
                                height: parent.height - 26
                                horizontalAlignment: Text.AlignHCenter
                                verticalAlignment: Text.AlignVCenter
                                text: productNames[zone.zoneIndex] || ""
                                color: "white"
                                font.pixelSize: 22
                                font.bold: true
                                wrapMode: Text.Wrap
                                maximumLineCount: 2
                                elide: Text.ElideRight
                            }
                        }
                    }
                }
            }
        }
    }

    Rectangle {
        id: dock
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 64
        color: "#101418"
        Row {
            id: buttons
            anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
            spacing: 2
            Repeater {
                model: ["Home", "Settings", "Day Part", "Cookbook", "English"]
                Rectangle {
                    width: Math.max(110, caption.implicitWidth + 32)
                    height: buttons.height
                    color: "#263238"
                    border.color: "#37474f"
                    Column {
                        anchors.centerIn: parent
                        Text {
                            id: caption
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: modelData
                            color: "white"
                            font.pixelSize: 22
                        }
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            visible: index === 2
                            text: visible ? "All day" : ""
                            color: "#ffca28"
                            font.pixelSize: 18
                            font.bold: true
                        }
                    }
                }
            }
        }
        Text {
            anchors { left: buttons.right; right: parent.right; verticalCenter: parent.verticalCenter; margins: 8 }
            text: "Synchronising"
            color: "#ffca28"
            font.pixelSize: 18
            elide: Text.ElideRight
        }
    }
}
