import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The lock of one item of the update list: shown unless the item is open to all, usable
// unless this display can never unlock it (-1); a tap asks for the PIN or locks again.
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
