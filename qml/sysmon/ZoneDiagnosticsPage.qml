import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// Service page "Zone Diagnostics": target and actual temperature of the lower and upper
// heater of every zone, in the unit the display is set to; a failed probe by its fault.
Item {
    id: page
    objectName: "zoneDiagnosticsPage"
    width: 800
    height: 420

    // Followed only while shown: the temperatures change every poll, and a hidden page
    // that follows them has the screen drawn again each time for nothing.
    readonly property var zones: visible && typeof holding !== "undefined" && holding !== null && holding.zoneTemps
                                 ? holding.zoneTemps : []
    readonly property bool celsius: configManager.tempUnit === 1
    readonly property real columnWidth: (width - 24) / 5

    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    // Temperatures arrive in whole degrees Fahrenheit; Celsius rounds halves up, as the
    // back end does.
    function formatTemp(fahrenheit) {
        var value = celsius ? Math.floor((fahrenheit - 32) * 5 / 9 + 0.5) : fahrenheit
        return value + (celsius ? "\u00B0C" : "\u00B0F")
    }
    // A failed probe reads its limits: 3275 or more when open, below 1 when shorted. It is
    // named, never shown as a temperature.
    function formatActual(fahrenheit) {
        return fahrenheit >= 3275 ? qsTr("open") + tro.emptyStr
             : fahrenheit < 1 ? qsTr("shorted") + tro.emptyStr
             : formatTemp(fahrenheit)
    }
    // A target of 0 means no tray of the heater holds a product.
    function formatTarget(fahrenheit) {
        return fahrenheit > 0 ? formatTemp(fahrenheit) : qsTr("Off") + tro.emptyStr
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.background
    }

    Column {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 12 }
        Row {
            Item { width: page.columnWidth; height: 36 }
            Repeater {
                model: [qsTr("Lower heater") + tro.emptyStr, qsTr("Upper heater") + tro.emptyStr]
                Label {
                    width: page.columnWidth * 2
                    height: 36
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: modelData
                    font.pixelSize: 22
                    font.bold: true
                    elide: Text.ElideRight
                }
            }
        }
        Row {
            Repeater {
                model: [qsTr("Zone") + tro.emptyStr,
                        qsTr("Target") + tro.emptyStr, qsTr("Actual") + tro.emptyStr,
                        qsTr("Target") + tro.emptyStr, qsTr("Actual") + tro.emptyStr]
                Label {
                    width: page.columnWidth
                    height: 32
                    horizontalAlignment: index === 0 ? Text.AlignLeft : Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: modelData
                    color: Theme.textSecondary
                    font.pixelSize: 18
                    elide: Text.ElideRight
                }
            }
        }
    }

    ListView {
        id: list
        objectName: "zoneDiagnosticsList"
        anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: parent.bottom; margins: 12 }
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { objectName: "zoneDiagnosticsScrollBar" }
        model: page.zones
        delegate: Rectangle {
            objectName: "zoneRow" + modelData.zone
            width: list.width
            height: 56
            color: index % 2 ? Theme.surfaceRaised : Theme.surface
            Row {
                anchors.fill: parent
                Label {
                    objectName: "zoneName"
                    width: page.columnWidth
                    height: parent.height
                    leftPadding: 8
                    rightPadding: 8
                    horizontalAlignment: Text.AlignLeft
                    verticalAlignment: Text.AlignVCenter
                    text: qsTr("Zone %1").arg(modelData.zone + 1) + tro.emptyStr
                    font.pixelSize: 24
                    elide: Text.ElideRight
                }
                Repeater {
                    model: [
                        { "name": "lowerTarget", "text": page.formatTarget(modelData.targetLower) },
                        { "name": "lowerActual", "text": page.formatActual(modelData.actualLower),
                          "fault": modelData.actualLower >= 3275 || modelData.actualLower < 1 },
                        { "name": "upperTarget", "text": page.formatTarget(modelData.targetUpper) },
                        { "name": "upperActual", "text": page.formatActual(modelData.actualUpper),
                          "fault": modelData.actualUpper >= 3275 || modelData.actualUpper < 1 }
                    ]
                    Label {
                        objectName: modelData.name
                        width: page.columnWidth
                        height: parent.height
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        text: modelData.text
                        color: modelData.fault === true ? Theme.warning : Theme.text
                        font.pixelSize: 28
                        font.bold: true
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 16
                    }
                }
            }
        }
    }

    Label {
        objectName: "zoneDiagnosticsEmpty"
        anchors.centerIn: list
        visible: page.zones.length === 0
        text: qsTr("No zone temperatures yet") + tro.emptyStr
        color: Theme.textSecondary
        font.pixelSize: 22
    }
}
