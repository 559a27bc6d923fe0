import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The dock's language button: each tap shows the next offered language; 800 ms after
// the last tap the interface switches to it, the choice is saved and the other displays
// follow. The main window connects languageApplied to its cancelEdits.
Button {
    id: button
    objectName: "dockLanguageButton"
    implicitWidth: 160
    implicitHeight: Theme.touchTarget + 8
    // The name is written in its own language, so it takes that language's font.
    font.family: Theme.fontFor(selectedId)

    property int selectedId: tro.languageId
    property alias settleInterval: settleTimer.interval

    signal languageApplied()

    text: tro.getLanguageName(selectedId)

    onClicked: {
        selectedId = configManager.getNextLanguageId(selectedId)
        settleTimer.restart()
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
