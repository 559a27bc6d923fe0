import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

// Light text on a dark field with a frame that turns to the accent while editing.
T.TextField {
    id: control

    implicitWidth: implicitBackgroundWidth + leftInset + rightInset
                   || Math.max(contentWidth, placeholder.implicitWidth) + leftPadding + rightPadding
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding,
                             placeholder.implicitHeight + topPadding + bottomPadding)

    padding: Theme.spacingSmall
    leftPadding: Theme.spacingSmall + 4
    rightPadding: Theme.spacingSmall + 4
    font.pixelSize: Theme.fontBody
    font.family: Theme.fontFamily
    color: enabled ? Theme.text : Theme.textDisabled
    selectionColor: Theme.accentStrong
    selectedTextColor: Theme.textOnAccent
    placeholderTextColor: Theme.textDisabled
    verticalAlignment: TextInput.AlignVCenter

    Text {
        id: placeholder
        x: control.leftPadding
        y: control.topPadding
        width: control.width - (control.leftPadding + control.rightPadding)
        height: control.height - (control.topPadding + control.bottomPadding)
        text: control.placeholderText
        font: control.font
        color: control.placeholderTextColor
        verticalAlignment: control.verticalAlignment
        visible: !control.length && !control.preeditText && (!control.activeFocus || control.horizontalAlignment !== Qt.AlignHCenter)
        elide: Text.ElideRight
        renderType: control.renderType
    }

    background: Rectangle {
        implicitWidth: 160
        implicitHeight: Theme.touchTarget
        radius: Theme.radius
        color: control.enabled ? Theme.surface : Theme.background
        border.width: Theme.borderWidth
        border.color: control.activeFocus ? Theme.accent : Theme.border
    }
}
