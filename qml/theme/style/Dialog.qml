import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import QtQuick.Controls 2.15
import "qrc:/theme"

// The same panel as Popup, with a title line.
T.Dialog {
    id: control
    // Their texts inherit the interface language's font from here: the window is a plain one.
    font.pixelSize: Theme.fontBody
    font.family: Theme.fontFamily

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            contentWidth + leftPadding + rightPadding,
                            implicitHeaderWidth, implicitFooterWidth)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding
                             + (implicitHeaderHeight > 0 ? implicitHeaderHeight + spacing : 0)
                             + (implicitFooterHeight > 0 ? implicitFooterHeight + spacing : 0))

    padding: Theme.spacing

    background: Rectangle {
        color: Theme.surfaceRaised
        radius: Theme.radius * 2
        border.width: Theme.borderWidth
        border.color: Theme.border
    }

    header: Label {
        text: control.title
        visible: control.title
        elide: Label.ElideRight
        font.bold: true
        font.pixelSize: Theme.fontTitle
        padding: Theme.spacing
        horizontalAlignment: Text.AlignHCenter
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
