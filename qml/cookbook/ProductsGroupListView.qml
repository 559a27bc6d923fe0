import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// A group's members as "id: name", the default member in bold. In the group editor a
// press and hold makes a member the default.
ListView {
    id: list
    property QtObject menu: null
    property var members: []
    property int defaultIndex: 0
    property int selectedIndex: -1
    property bool editable: false
    signal defaultChosen(int index)
    clip: true
    model: members
    ScrollBar.vertical: ScrollBar { width: Theme.scrollBarWidth; policy: ScrollBar.AsNeeded }
    delegate: Rectangle {
        objectName: "member" + index
        width: list.width - Theme.scrollBarWidth
        height: list.editable ? Theme.touchTarget : Theme.fontBody + Theme.spacingSmall * 2
        color: list.editable && index === list.selectedIndex ? Theme.selection : "transparent"
        Label {
            anchors { fill: parent; leftMargin: Theme.spacingSmall }
            verticalAlignment: Text.AlignVCenter
            text: modelData + ": " + (list.menu
                  ? list.menu.getProductEditName(list.menu.getGroupEditProductIndex(parseInt(modelData, 10))) : "")
            font.pixelSize: Theme.fontBody
            font.bold: index === list.defaultIndex
            elide: Text.ElideRight
        }
        MouseArea {
            anchors.fill: parent
            enabled: list.editable
            onClicked: list.selectedIndex = index
            onPressAndHold: list.defaultChosen(index)
        }
    }
}
