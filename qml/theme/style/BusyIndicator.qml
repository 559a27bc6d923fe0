import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

// A turning ring in the accent colour.
T.BusyIndicator {
    id: control

    implicitWidth: contentItem.implicitWidth + leftPadding + rightPadding
    implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding

    padding: 6

    contentItem: Item {
        implicitWidth: 64
        implicitHeight: 64
        opacity: control.running ? 1 : 0

        Rectangle {
            id: ring
            anchors.fill: parent
            radius: width / 2
            color: "transparent"
            border.width: 6
            border.color: Theme.surfacePressed
        }
        Rectangle {
            width: 14
            height: 14
            radius: 7
            color: Theme.accent
            x: parent.width / 2 - width / 2
            y: 0
            transform: Rotation {
                origin.x: 7
                origin.y: ring.height / 2
                RotationAnimation on angle {
                    running: control.visible && control.running
                    from: 0; to: 360; duration: 1200; loops: Animation.Infinite
                }
            }
        }
    }
}
