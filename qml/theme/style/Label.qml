import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

// Body text: white on the dark surfaces, in the language's font. Controls and labels bind
// the family themselves: what they inherit from the window does not follow every switch.
T.Label {
    color: enabled ? Theme.text : Theme.textDisabled
    linkColor: Theme.accent
    font.pixelSize: Theme.fontBody
    font.family: Theme.fontFamily
}
