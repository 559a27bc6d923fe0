import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// A field of the cookbook editors: tapping it opens the on-screen keyboard (the numeric
// pad for numbers and times, the multilingual keyboard for names); Return closes it.
TextField {
    id: field
    property Item keyboard: null
    property bool numeric: false
    property bool multilingual: false
    implicitHeight: Theme.touchTarget
    font.pixelSize: Theme.fontBody
    selectByMouse: false
    inputMethodHints: numeric ? Qt.ImhDigitsOnly : Qt.ImhNone
    onActiveFocusChanged: {
        if (!activeFocus || !keyboard)
            return
        if (numeric)
            keyboard.showNumeric(false, false)
        else
            keyboard.showAlpha(multilingual)
    }
    onAccepted: {
        if (keyboard)
            keyboard.hide()
        focus = false
    }
}
