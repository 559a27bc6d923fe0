import QtQuick 2.15
import "qrc:/theme"

// The dock's language button: each tap shows the next offered language; 800 ms after
// the last tap the interface switches to it, the choice is saved and the other displays
// follow. Pages keep what they hold unsaved across the switch.
// Drawn as the style's buttons are, from plain items: the dock is on the first frame.
// As wide as the name shown at the skin's size, unless the dock narrows it (fit).
Rectangle {
    id: button
    objectName: "dockLanguageButton"
    property real fit: 1
    readonly property real naturalWidth: Math.max(160, Math.ceil(nameMetrics.advanceWidth) + 2 * Theme.spacing)
    width: Math.floor(naturalWidth * fit)
    implicitHeight: Theme.touchTarget + 8
    radius: Theme.radius
    color: area.pressed ? Theme.accentPressed : Theme.surfacePressed
    border.width: Theme.borderWidth
    border.color: Theme.border

    property int selectedId: tro.languageId
    property alias settleInterval: settleTimer.interval
    readonly property alias text: caption.text

    signal languageApplied()

    TextMetrics {
        id: nameMetrics
        font.family: Theme.fontFor(button.selectedId)
        font.pixelSize: Theme.fontBody
        text: caption.text
    }
    Text {
        id: caption
        objectName: "dockLanguageCaption"
        anchors.fill: parent
        anchors.leftMargin: Theme.spacing
        anchors.rightMargin: Theme.spacing
        anchors.topMargin: Theme.spacingSmall
        anchors.bottomMargin: Theme.spacingSmall
        text: tro.getLanguageName(button.selectedId)
        textFormat: Text.PlainText
        color: Theme.text
        // The name is written in its own language, so it takes that language's font.
        font.family: Theme.fontFor(button.selectedId)
        font.pixelSize: Theme.fontBody
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontSmall
        elide: Text.ElideRight
    }

    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: {
            button.selectedId = configManager.getNextLanguageId(button.selectedId)
            settleTimer.restart()
        }
    }

    Timer {
        id: settleTimer
        objectName: "dockLanguageTimer"
        interval: 800
        onTriggered: {
            // Not saved: the language stays, and so does the name the button shows.
            if (!configManager.applyDockLanguage(button.selectedId))
                button.selectedId = tro.getLanguageId(configManager.languageId)
            button.languageApplied()
        }
    }

    Connections {
        target: configManager
        function onLanguageIdChanged() { button.selectedId = tro.getLanguageId(configManager.languageId) }
    }
}
