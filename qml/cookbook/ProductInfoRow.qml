import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// One line of the selected item's details: what it is, and its value.
Item {
    property string label: ""
    property string value: ""
    property string swatch: ""
    implicitHeight: Math.max(Theme.fontBody + Theme.spacingSmall * 2, valueLabel.implicitHeight)
    Label {
        id: name
        anchors { left: parent.left; verticalCenter: parent.verticalCenter }
        width: parent.width * 0.5
        text: parent.label
        color: Theme.textSecondary
        font.pixelSize: Theme.fontSmall
        elide: Text.ElideRight
    }
    Label {
        id: valueLabel
        objectName: "infoValue"
        anchors { left: name.right; right: parent.right; verticalCenter: parent.verticalCenter }
        text: parent.value
        font.pixelSize: Theme.fontBody
        wrapMode: Text.WordWrap
        Rectangle {
            visible: parent.parent.swatch !== ""
            anchors { left: parent.left; verticalCenter: parent.verticalCenter }
            width: Theme.touchTarget; height: Theme.fontBody
            color: parent.parent.swatch
            border.color: Theme.border
        }
    }
}
