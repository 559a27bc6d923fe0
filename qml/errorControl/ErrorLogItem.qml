import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

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
    color: number % 2 ? Theme.surface : Theme.surfaceRaised

    Row {
        anchors.fill: parent
        anchors.leftMargin: 8
        spacing: 8

        Label {
            width: 48
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: item.number
            color: Theme.textSecondary
            font.pixelSize: Theme.fontSmall
        }
        Label {
            width: 210
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: item.dateText + " " + item.timeText
            font.pixelSize: Theme.fontSmall
        }
        Label {
            width: 100
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: item.codesText
            font.pixelSize: Theme.fontSmall
        }
        Label {
            objectName: "errorName"
            width: item.width - 400
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            horizontalAlignment: Text.AlignLeft
            text: item.descText
            elide: Text.ElideRight
            font.pixelSize: Theme.fontSmall
        }
    }
}
