import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// A text field of the configuration screens: tapping it opens the on-screen keyboard,
// Return closes it. A scanner typing into it works the same way.
TextField {
    id: field
    property Item keyboard: null
    height: Theme.touchTarget
    font.pixelSize: Theme.fontBody
    selectByMouse: false
    onActiveFocusChanged: {
        if (activeFocus) {
            selectAll()
            if (keyboard)
                keyboard.showAlpha(false)
        }
    }
    onAccepted: {
        if (keyboard)
            keyboard.hide()
        focus = false
    }
}
