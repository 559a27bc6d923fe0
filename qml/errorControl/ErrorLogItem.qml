import QtQuick 2.15

// One row of the Errors Log: its number, date and time, codes and text.
Rectangle {
    id: item
    objectName: "errorLogItem"
    property int number: 0
    property string dateText: ""
    property string timeText: ""
    property string codesText: ""
    property string descText: ""

    height: 44
    color: number % 2 ? "#f4f4f4" : "#ffffff"

    Row {
        anchors.fill: parent
        anchors.leftMargin: 8
        spacing: 8

        Text {
            width: 48
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: item.number
            font.pixelSize: 18
        }
        Text {
            width: 210
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: item.dateText + " " + item.timeText
            font.pixelSize: 18
        }
        Text {
            width: 100
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: item.codesText
            font.pixelSize: 18
        }
        Text {
            objectName: "errorName"
            width: item.width - 400
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: item.descText
            elide: Text.ElideRight
            font.pixelSize: 18
        }
    }
}
