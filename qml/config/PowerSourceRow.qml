import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The supply voltage of the Utilities page, on cabinets whose personality lets the user
// choose it: the choice is stored, saved and written to the IO board at once.
Row {
    id: row
    objectName: "powerSourceRow"
    spacing: Theme.spacingSmall
    visible: configManager.getPowerSourceChoice()
    LayoutMirroring.enabled: Theme.rightToLeft

    function choose(volts) {
        // The IO board runs on the stored choice only: a start would send the old one.
        if (configManager.saveSetting("powerSource", volts))
            configManager.sendPowerSource()
    }

    Label {
        anchors.verticalCenter: parent.verticalCenter
        width: 200
        text: qsTr("Supply voltage") + tro.emptyStr
        font.pixelSize: Theme.fontBody
        elide: Text.ElideRight
    }
    Repeater {
        model: [208, 240]
        Button {
            objectName: "powerSource" + modelData
            width: 76
            height: Theme.touchTarget
            text: modelData + " V"
            highlighted: configManager.powerSource === modelData
            onClicked: row.choose(modelData)
        }
    }
}
