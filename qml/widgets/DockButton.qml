import QtQuick 2.15
import "qrc:/theme"

// A button of the dock: as tall as the dock, wide enough for its label in any language.
Rectangle {
    id: button
    property string label
    // A second line under the label (what the button's page has in force); empty for none.
    property string detail: ""
    signal clicked()
    width: Math.max(110, Math.max(caption.implicitWidth, Math.min(detailText.implicitWidth, 180)) + 2 * Theme.spacing)
    height: parent ? parent.height : Theme.touchTarget + 8
    color: area.pressed ? Theme.surfacePressed : Theme.surface
    border.width: 1
    border.color: Theme.surfacePressed
    Column {
        anchors.centerIn: parent
        Text {
            id: caption
            anchors.horizontalCenter: parent.horizontalCenter
            text: button.label
            textFormat: Text.PlainText
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontBody
        }
        Text {
            id: detailText
            objectName: button.objectName + "Detail"
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(implicitWidth, button.width - 2 * Theme.spacingSmall)
            visible: button.detail !== ""
            text: button.detail
            textFormat: Text.PlainText
            color: Theme.status
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSmall
            font.bold: true
            elide: Text.ElideRight
        }
    }
    MouseArea { id: area; anchors.fill: parent; onClicked: button.clicked() }
}
