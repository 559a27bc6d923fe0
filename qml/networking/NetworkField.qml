import QtQuick 2.15
import "qrc:/config"

// A field of the networking form bound to one value of the page's copy: text on the
// letter keyboard, an address on the numeric pad with the point. Focused, it asks the
// page to lift it clear of the keyboard.
ConfigTextField {
    id: field
    // The page holding the copy, and the key of the value in it.
    property Item copy: null
    property string key
    property bool address: false
    anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter }
    keyboard: copy ? copy.keyboard : null
    numeric: address
    decimalPoint: address
    inputMethodHints: address ? Qt.ImhFormattedNumbersOnly : Qt.ImhNoPredictiveText
    text: copy ? copy[key] : ""
    onTextEdited: {
        copy[key] = text
        copy.edit(key)
    }
    Connections {
        target: field
        function onActiveFocusChanged() {
            if (field.activeFocus && field.copy)
                field.copy.reveal(field)
        }
    }
}
