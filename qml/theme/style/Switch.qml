import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

// On is a filled accent track with the knob at the far end and "I" on it; off is a
// hollow grey track: the two read apart without relying on colour alone.
T.Switch {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(Theme.touchTarget, implicitContentHeight + topPadding + bottomPadding,
                             implicitIndicatorHeight + topPadding + bottomPadding)

    padding: 4
    spacing: Theme.spacing
    font.pixelSize: Theme.fontBody
    font.family: Theme.fontFamily

    indicator: Rectangle {
        implicitWidth: 84
        implicitHeight: 40
        x: control.text ? (control.mirrored ? control.width - width - control.rightPadding : control.leftPadding)
                        : control.leftPadding + (control.availableWidth - width) / 2
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: height / 2
        color: control.checked ? Theme.accentStrong : Theme.surface
        border.width: Theme.borderWidth
        border.color: control.checked ? Theme.accent : Theme.textDisabled
        opacity: control.enabled ? 1 : 0.4

        Text {
            anchors.verticalCenter: parent.verticalCenter
            x: control.visualPosition > 0.5 ? 14 : parent.width - width - 14
            text: control.checked ? "I" : "O"
            color: control.checked ? Theme.textOnAccent : Theme.textSecondary
            font.family: Theme.latinFamily
            font.pixelSize: Theme.fontSmall
            font.bold: true
        }

        Rectangle {
            x: Math.max(4, Math.min(parent.width - width - 4, control.visualPosition * parent.width - width / 2))
            y: (parent.height - height) / 2
            width: 32
            height: 32
            radius: 16
            color: control.checked ? Theme.textOnAccent : Theme.textSecondary
            Behavior on x { enabled: !control.down; SmoothedAnimation { velocity: 300 } }
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
