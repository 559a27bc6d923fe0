import QtQuick 2.15
import "qrc:/theme"

// A button of the dock: as tall as the dock, wide enough for its label in any language at
// any skin size, the day part under it included; where the dock cannot give every button
// its width, it narrows them all by one factor (fit) and the texts take a smaller type,
// never a cut.
Rectangle {
    id: button
    property string label
    // A second line under the label (what the button's page has in force); empty for none.
    property string detail: ""
    property real fit: 1
    readonly property real naturalWidth: Math.max(110, Math.max(labelMetrics.advanceWidth,
                                                                detail !== "" ? detailMetrics.advanceWidth : 0) + 2 * Theme.spacing)
    signal clicked()
    width: Math.floor(naturalWidth * fit)
    TextMetrics {
        id: labelMetrics
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontBody
        text: button.label
    }
    TextMetrics {
        id: detailMetrics
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontSmall
        font.bold: true
        text: button.detail
    }
    height: parent ? parent.height : Theme.touchTarget + 8
    color: area.pressed ? Theme.surfacePressed : Theme.surface
    border.width: 1
    border.color: Theme.surfacePressed
    Column {
        anchors.centerIn: parent
        Text {
            id: caption
            objectName: button.objectName + "Caption"
            anchors.horizontalCenter: parent.horizontalCenter
            width: button.width - 2 * Theme.spacingSmall
            horizontalAlignment: Text.AlignHCenter
            text: button.label
            textFormat: Text.PlainText
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontBody
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.fontSmall
            elide: Text.ElideRight
        }
        Text {
            id: detailText
            objectName: button.objectName + "Detail"
            anchors.horizontalCenter: parent.horizontalCenter
            width: button.width - 2 * Theme.spacingSmall
            horizontalAlignment: Text.AlignHCenter
            visible: button.detail !== ""
            text: button.detail
            textFormat: Text.PlainText
            color: Theme.status
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSmall
            font.bold: true
            // Where the dock narrows the button, a smaller type before a cut.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 12
            elide: Text.ElideRight
        }
    }
    MouseArea { id: area; anchors.fill: parent; onClicked: button.clicked() }
}
