import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

// A large, high-contrast button; "highlighted" marks the action a page leads to.
T.Button {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    padding: Theme.spacingSmall
    horizontalPadding: Theme.spacing
    font.pixelSize: Theme.fontBody
    font.family: Theme.fontFamily

    contentItem: Text {
        text: control.text
        font: control.font
        color: control.enabled ? (control.highlighted ? Theme.textOnAccent : Theme.text) : Theme.textDisabled
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        implicitWidth: 120
        implicitHeight: Theme.touchTarget
        radius: Theme.radius
        color: !control.enabled ? Theme.disabled
             : control.down ? Theme.accentPressed
             : control.highlighted || control.checked ? Theme.accentStrong
             : Theme.surfacePressed
        border.width: Theme.borderWidth
        border.color: control.enabled ? (control.highlighted ? Theme.accent : Theme.border) : Theme.disabled
    }
}
