import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

T.Pane {
    id: control
    // Their texts inherit the interface language's font from here: the window is a plain one.
    font.pixelSize: Theme.fontBody
    font.family: Theme.fontFamily

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            contentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding)

    padding: Theme.spacing

    background: Rectangle { color: Theme.background }
}
