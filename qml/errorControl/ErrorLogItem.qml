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
    // The zone (from 0) a heater or zone error is about, -1 for none: named before the
    // error's own words, whose numbers count heaters or zones from 0, as the banner and
    // Zone Diagnostics name it.
    property int zone: -1

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
            text: item.zone >= 0 ? qsTr("Zone %1: %2").arg(item.zone + 1).arg(item.descText) + Theme.retranslate()
                                 : item.descText
            elide: Text.ElideRight
            font.pixelSize: Theme.fontSmall
        }
    }
}
