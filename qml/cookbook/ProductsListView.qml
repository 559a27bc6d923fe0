import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The rows of a product, group or day-part edit model, each with its position and name.
// A filter (row -> bool) greys the rows it refuses; they cannot be picked.
ListView {
    id: list
    property int selectedRow: -1
    property var filter: null
    // Raised when what the filter depends on changes.
    property int revision: 0
    property string rowName: "listRow"
    // Said in place of the rows when there are none, so an empty list is not taken for a fault.
    property string emptyText: ""
    signal picked(int row)
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar { objectName: "listScrollBar"; width: Theme.scrollBarWidth; policy: ScrollBar.AsNeeded }

    Label {
        objectName: list.rowName + "Empty"
        anchors { fill: parent; margins: Theme.spacing }
        visible: list.count === 0 && list.emptyText !== ""
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        text: list.emptyText
        color: Theme.textSecondary
        font.pixelSize: Theme.fontBody
    }

    function allows(row) { return !filter || filter(row) }

    delegate: Rectangle {
        readonly property bool allowed: list.revision >= 0 && list.allows(index)
        objectName: list.rowName + index
        // Beside the scroll bar, which the mirrored layout puts on the left.
        x: list.LayoutMirroring.enabled ? Theme.scrollBarWidth : 0
        width: list.width - Theme.scrollBarWidth
        height: Theme.touchTarget
        color: index === list.selectedRow ? Theme.selection : Theme.surface
        border.width: 1
        border.color: Theme.background
        Label {
            objectName: "rowText"
            anchors { fill: parent; leftMargin: Theme.spacingSmall; rightMargin: Theme.spacingSmall }
            verticalAlignment: Text.AlignVCenter
            text: (index + 1) + ". " + model.name
            color: parent.allowed ? Theme.text : Theme.textDisabled
            font.pixelSize: Theme.fontBody
            elide: Text.ElideRight
        }
        MouseArea {
            anchors.fill: parent
            enabled: parent.allowed
            // The owner moves selectedRow: assigning it here would cut its binding.
            onClicked: list.picked(index)
        }
    }
}
