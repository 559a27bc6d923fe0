import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

// Body text: white on the dark surfaces, in the language's font (inherited from the window).
T.Label {
    color: enabled ? Theme.text : Theme.textDisabled
    linkColor: Theme.accent
    font.pixelSize: Theme.fontBody
}
