import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// Raised while the cabinet's ambient over-temperature alarm stands. Acknowledging stops
// the alarm and closes the dialog; it comes back when the alarm is raised again.
Item {
    id: dialog
    objectName: "overTempDialog"

    readonly property bool alarmActive: typeof holding !== "undefined" && holding !== null
                                        && holding.ambientAlarmActive === true
    property bool acknowledged: false

    visible: alarmActive && !acknowledged
    onAlarmActiveChanged: if (!alarmActive) acknowledged = false

    function acknowledge() {
        acknowledged = true
        cabinetManager.stopAmbientTempAlarm()
    }

    Rectangle { anchors.fill: parent; color: Theme.scrim }
    MouseArea { anchors.fill: parent } // modal: nothing behind it reacts

    // Made when first shown: a dialog nobody sees lays no text out.
    Loader {
        anchors.fill: parent
        active: dialog.visible || status === Loader.Ready
        sourceComponent: Item {
            Rectangle {
                id: box
                width: Math.min(parent.width * 0.9, 600)
                height: content.implicitHeight + 48
                anchors.centerIn: parent
                color: Theme.surfaceRaised
                radius: Theme.radius * 2
                border.color: Theme.danger
                border.width: 6

                Column {
                    id: content
                    anchors { left: parent.left; right: parent.right; top: parent.top; margins: 24 }
                    spacing: 20
                    Label {
                        objectName: "overTempTitle"
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: qsTr("Cabinet over temperature") + tro.emptyStr
                        color: "#ff8a80"
                        font.pixelSize: 32
                        font.bold: true
                    }
                    Label {
                        objectName: "overTempText"
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: qsTr("Check that the vents are clear and that the cabinet stands away from heat sources.") + tro.emptyStr
                        font.pixelSize: Theme.fontBody
                    }
                    Rectangle {
                        objectName: "overTempAcknowledge"
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: Math.min(parent.width, Math.max(240, ackLabel.implicitWidth + 48))
                        height: 72
                        radius: 6
                        color: ackArea.pressed ? Theme.dangerPressed : Theme.danger
                        Label {
                            id: ackLabel
                            anchors.centerIn: parent
                            text: qsTr("Acknowledge") + tro.emptyStr
                            font.pixelSize: 26
                            font.bold: true
                        }
                        MouseArea { id: ackArea; anchors.fill: parent; onClicked: dialog.acknowledge() }
                    }
                }
            }
        }
    }
}
