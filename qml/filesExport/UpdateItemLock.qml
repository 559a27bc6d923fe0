import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The update list's lock: shown unless its pages are open to all, usable unless this
// display can never unlock them (-1); a tap asks for the PIN or locks again.
Button {
    id: lock
    property int lockLevel: -1
    property bool unlocked: false
    width: 180
    height: Theme.touchTarget
    visible: lockLevel !== 0
    enabled: lockLevel > 0
    highlighted: unlocked
    text: (unlocked ? qsTr("Lock") : qsTr("Unlock")) + Theme.retranslate()
}
