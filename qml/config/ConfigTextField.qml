import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// A text field of the configuration screens: tapping it opens the on-screen keyboard
// (the numeric pad for a number or an address), Return closes it. A scanner typing into
// it works the same way.
TextField {
    id: field
    property Item keyboard: null
    // Digits on the numeric pad instead of letters; with the point for addresses.
    property bool numeric: false
    property bool decimalPoint: false
    // Letters of every language the cabinet offers (names typed by the staff).
    property bool multilingual: false
    height: Theme.touchTarget
    font.pixelSize: Theme.fontBody
    selectByMouse: false
    onActiveFocusChanged: {
        if (activeFocus) {
            selectAll()
            if (keyboard && numeric)
                keyboard.showNumeric(decimalPoint, false)
            else if (keyboard)
                keyboard.showAlpha(multilingual)
        }
    }
    onAccepted: {
        if (keyboard)
            keyboard.hide()
        focus = false
    }
}
