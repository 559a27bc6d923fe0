import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

// A square mark with a tick on the accent when checked.
T.CheckBox {
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
        radius: 4
        color: control.checkState !== Qt.Unchecked ? Theme.accentStrong
             : control.down ? Theme.surfacePressed : Theme.surface
        border.width: Theme.borderWidth
        border.color: control.checkState !== Qt.Unchecked ? Theme.accent : Theme.textSecondary
        opacity: control.enabled ? 1 : 0.4

        Text {
            anchors.centerIn: parent
            visible: control.checkState !== Qt.Unchecked
            text: control.checkState === Qt.PartiallyChecked ? "\u2013" : "\u2713"
            color: Theme.textOnAccent
            font.family: Theme.latinFamily
            font.pixelSize: 26
            font.bold: true
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
