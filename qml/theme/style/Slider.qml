import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

// A thick track, filled with the accent up to a large handle.
T.Slider {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitHandleWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(Theme.touchTarget, implicitBackgroundHeight + topInset + bottomInset,
                             implicitHandleHeight + topPadding + bottomPadding)

    padding: 6

    handle: Rectangle {
        x: control.leftPadding + (control.horizontal ? control.visualPosition * (control.availableWidth - width)
                                                     : (control.availableWidth - width) / 2)
        y: control.topPadding + (control.horizontal ? (control.availableHeight - height) / 2
                                                    : control.visualPosition * (control.availableHeight - height))
        implicitWidth: 40
        implicitHeight: 40
        radius: 20
        color: control.pressed ? Theme.accent : Theme.text
        border.width: Theme.borderWidth + 1
        border.color: Theme.accentStrong
        opacity: control.enabled ? 1 : 0.4
    }

    background: Rectangle {
        x: control.leftPadding + (control.horizontal ? 0 : (control.availableWidth - width) / 2)
        y: control.topPadding + (control.horizontal ? (control.availableHeight - height) / 2 : 0)
        implicitWidth: control.horizontal ? 200 : 10
        implicitHeight: control.horizontal ? 10 : 200
        width: control.horizontal ? control.availableWidth : implicitWidth
        height: control.horizontal ? implicitHeight : control.availableHeight
        radius: 5
        color: Theme.surfacePressed
        scale: control.horizontal && control.mirrored ? -1 : 1
        opacity: control.enabled ? 1 : 0.4

        Rectangle {
            y: control.horizontal ? 0 : control.visualPosition * parent.height
            width: control.horizontal ? control.position * parent.width : parent.width
            height: control.horizontal ? parent.height : control.position * parent.height
            radius: 5
            color: Theme.accent
        }
    }
}
