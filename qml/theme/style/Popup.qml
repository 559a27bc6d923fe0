import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

// A raised dark panel over a dimmed screen.
T.Popup {
    id: control
    // Their texts inherit the interface language's font from here: the window is a plain one.
    font.pixelSize: Theme.fontBody
    font.family: Theme.fontFamily

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            contentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding)

    padding: Theme.spacing

    background: Rectangle {
        color: Theme.surfaceRaised
        radius: Theme.radius * 2
        border.width: Theme.borderWidth
        border.color: Theme.border
    }

    // The idle return brings the main view back with nothing left open over it.
    Connections {
        target: typeof cabinetManager !== "undefined" ? cabinetManager : null
        ignoreUnknownSignals: true
        function onNoUserInteraction() { control.close() }
    }

    T.Overlay.modal: Rectangle { color: Theme.scrim }
    T.Overlay.modeless: Rectangle { color: "transparent" }
}
