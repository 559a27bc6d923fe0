import QtQuick 2.15
import "qrc:/theme"

// One record of the Holding Log: product, shelf, start, discarded, duration, in small
// print so that a whole record fits its fifths and sixth of the width.
Item {
    id: row
    objectName: "haccpLogItem"
    height: Theme.touchTarget - 16

    property string productName
    property string shelfText
    property string startText
    property string discardedText
    property string durationText

    Row {
        anchors.fill: parent
        anchors.leftMargin: Theme.spacingSmall
        anchors.rightMargin: Theme.spacingSmall
        Repeater {
            model: [
                { text: row.productName, share: 5 },
                { text: row.shelfText, share: 6 },
                { text: row.startText, share: 5 },
                { text: row.discardedText, share: 5 },
                { text: row.durationText, share: 5 }
            ]
            Text {
                width: row.width / modelData.share
                height: row.height
                verticalAlignment: Text.AlignVCenter
                horizontalAlignment: Text.AlignLeft
                elide: Text.ElideRight
                text: modelData.text
                color: Theme.text
                font.family: Theme.fontFamily
                font.pixelSize: 12
            }
        }
    }
    Rectangle {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 1
        color: Theme.border
    }
}
