import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

// A whole list row that reacts to a tap; "highlighted" marks the chosen row.
T.ItemDelegate {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    padding: Theme.spacingSmall
    horizontalPadding: Theme.spacing
    spacing: Theme.spacingSmall
    font.pixelSize: Theme.fontBody
    font.family: Theme.fontFamily

    contentItem: Text {
        text: control.text
        font: control.font
        color: control.enabled ? Theme.text : Theme.textDisabled
        elide: Text.ElideRight
        verticalAlignment: Text.AlignVCenter
    }

    background: Rectangle {
        implicitWidth: 100
        implicitHeight: Theme.touchTarget
        radius: Theme.radius
        color: control.down ? Theme.surfacePressed : control.highlighted ? Theme.selection : "transparent"
    }
}
