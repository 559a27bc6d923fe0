import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// Raised while the cabinet's ambient over-temperature alarm stands. Acknowledging stops
// the alarm and closes the dialog on every display of the cabinet; it comes back when the
// alarm is raised again, which it is while the cabinet stays hot. So it is a band between
// the page and the dock, not a pop-up: the page above makes room for it (`shown`,
// `implicitHeight`), every bin stays in sight and takes its taps, and the dock below stays
// free, while staff deal with the heat.
Rectangle {
    id: dialog
    objectName: "overTempDialog"

    readonly property bool alarmActive: typeof holding !== "undefined" && holding !== null
                                        && holding.ambientAlarmActive === true
    property bool acknowledged: false
    readonly property bool shown: alarmActive && !acknowledged

    visible: shown
    onAlarmActiveChanged: if (!alarmActive) acknowledged = false

    function acknowledge() {
        acknowledged = true
        cabinetManager.stopAmbientTempAlarm()
    }

    implicitHeight: Math.max(Theme.touchTarget + 8, content.height + 16)
    color: Theme.surfaceRaised
    border.color: Theme.danger
    border.width: 4

    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    // The page beneath takes no tap through the band.
    MouseArea { anchors.fill: parent }

    // Made when first shown: a dialog nobody sees lays no text out.
    Loader {
        id: content
        anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter
                  leftMargin: 12; rightMargin: 12 }
        active: dialog.visible || status === Loader.Ready
        height: item ? item.implicitHeight : 0
        sourceComponent: Item {
            implicitHeight: Math.max(acknowledge.height, texts.implicitHeight)
            Rectangle {
                id: mark
                anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                width: 44
                height: 44
                radius: 22
                color: Theme.danger
                Label {
                    anchors.centerIn: parent
                    text: "!"
                    font.pixelSize: 32
                    font.bold: true
                }
            }
            Column {
                id: texts
                anchors { left: mark.right; right: acknowledge.left; verticalCenter: parent.verticalCenter
                          leftMargin: 12; rightMargin: 12 }
                spacing: 2
                Label {
                    objectName: "overTempTitle"
                    width: parent.width
                    horizontalAlignment: Text.AlignLeft
                    wrapMode: Text.WordWrap
                    text: qsTr("Cabinet over temperature") + tro.emptyStr
                    color: "#ff8a80"
                    font.pixelSize: 28
                    font.bold: true
                }
                Label {
                    objectName: "overTempText"
                    width: parent.width
                    horizontalAlignment: Text.AlignLeft
                    wrapMode: Text.WordWrap
                    text: qsTr("Check that the vents are clear and that the cabinet stands away from heat sources.") + tro.emptyStr
                    font.pixelSize: Theme.fontSmall
                }
            }
            Rectangle {
                id: acknowledge
                objectName: "overTempAcknowledge"
                anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                width: Math.min(parent.width / 2, Math.max(200, ackLabel.implicitWidth + 40))
                // A fingertip high and no more: the band takes its height from the bins.
                height: Theme.touchTarget
                radius: 6
                color: ackArea.pressed ? Theme.dangerPressed : Theme.danger
                Label {
                    id: ackLabel
                    anchors.centerIn: parent
                    width: Math.min(implicitWidth, parent.width - 16)
                    text: qsTr("Acknowledge") + tro.emptyStr
                    font.pixelSize: 26
                    font.bold: true
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 20
                }
                MouseArea { id: ackArea; anchors.fill: parent; onClicked: dialog.acknowledge() }
            }
        }
    }
}
