import QtQuick 2.15

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

    Rectangle { anchors.fill: parent; color: "#c0000000" }
    MouseArea { anchors.fill: parent } // modal: nothing behind it reacts

    Rectangle {
        id: box
        width: Math.min(parent.width * 0.9, 600)
        height: content.implicitHeight + 48
        anchors.centerIn: parent
        color: "#eceff1"
        radius: 8
        border.color: "#c62828"
        border.width: 6

        Column {
            id: content
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 24 }
            spacing: 20
            Text {
                objectName: "overTempTitle"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: qsTr("Cabinet over temperature") + tro.emptyStr
                color: "#b71c1c"
                font.pixelSize: 32
                font.bold: true
            }
            Text {
                objectName: "overTempText"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: qsTr("Check that the vents are clear and that the cabinet stands away from heat sources.") + tro.emptyStr
                color: "black"
                font.pixelSize: 22
            }
            Rectangle {
                objectName: "overTempAcknowledge"
                anchors.horizontalCenter: parent.horizontalCenter
                width: Math.min(parent.width, Math.max(240, ackLabel.implicitWidth + 48))
                height: 72
                radius: 6
                color: ackArea.pressed ? "#8e0000" : "#c62828"
                Text {
                    id: ackLabel
                    anchors.centerIn: parent
                    text: qsTr("Acknowledge") + tro.emptyStr
                    color: "white"
                    font.pixelSize: 26
                    font.bold: true
                }
                MouseArea { id: ackArea; anchors.fill: parent; onClicked: dialog.acknowledge() }
            }
        }
    }
}
