import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

// A round mark, filled with the accent when chosen; the label in full white.
T.RadioButton {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(Theme.touchTarget, implicitContentHeight + topPadding + bottomPadding,
                             implicitIndicatorHeight + topPadding + bottomPadding)

    padding: 4
    spacing: Theme.spacingSmall
    font.pixelSize: Theme.fontBody
    font.family: Theme.fontFamily

    indicator: Rectangle {
        implicitWidth: 36
        implicitHeight: 36
        x: control.text ? (control.mirrored ? control.width - width - control.rightPadding : control.leftPadding)
                        : control.leftPadding + (control.availableWidth - width) / 2
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: width / 2
        color: control.down ? Theme.surfacePressed : Theme.surface
        border.width: Theme.borderWidth + 1
        border.color: control.checked ? Theme.accent : Theme.textSecondary
        opacity: control.enabled ? 1 : 0.4

        Rectangle {
            anchors.centerIn: parent
            width: 18
            height: 18
            radius: 9
            color: Theme.accent
            visible: control.checked
        }
    }

    contentItem: Text {
        leftPadding: control.indicator && !control.mirrored ? control.indicator.width + control.spacing : 0
        rightPadding: control.indicator && control.mirrored ? control.indicator.width + control.spacing : 0
        text: control.text
        font: control.font
        color: control.enabled ? Theme.text : Theme.textDisabled
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
}
