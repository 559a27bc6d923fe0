import QtQuick 2.15
import "qrc:/theme"

// A key of the numeric pads: sends its key code, or only clicks when it has none.
KeyboardKey {
    id: button

    property string keycode
    property QtObject keyInput: typeof vki !== "undefined" ? vki : null

    width: Theme.touchTarget + Theme.spacing
    height: Theme.touchTarget
    label: keycode
    fontSize: Theme.fontLarge
    onTapped: {
        if (!keyInput)
            return
        if (keycode === "")
            keyInput.aKeyWasPressed()
        else
            keyInput.generateKeyInput(keycode, 0)
    }
}
