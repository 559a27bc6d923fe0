import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The export page: writes the cabinet's menu to the flash drive for the menu tool.
Rectangle {
    id: page
    objectName: "ovUsbExportItem"
    color: Theme.background
    property bool unlocked: true
    // The width the list's lock takes at the header's end.
    property real lockRoom: 0
    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    // Asks the mount table and publishes the answer, which enables the export.
    function checkDrive() {
        cabinetManager.refreshFlashDriveMounted()
        return cabinetManager.flashDriveMounted
    }

    Item {
        id: header
        anchors { top: parent.top; left: parent.left; right: parent.right; margins: Theme.spacingSmall }
        height: Theme.touchTarget
        Text {
            anchors { left: parent.left; right: parent.right; rightMargin: page.lockRoom + Theme.spacing; verticalCenter: parent.verticalCenter }
            text: qsTr("Orvanta Export") + Theme.retranslate()
            elide: Text.ElideRight
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontTitle
            font.bold: true
        }
    }
    Item {
        anchors { top: header.bottom; bottom: parent.bottom; left: parent.left; right: parent.right }
        Column {
            anchors.centerIn: parent
            spacing: Theme.spacing
            Button {
                objectName: "exportMenuButton"
                width: 360
                height: Theme.touchTarget
                enabled: cabinetManager.flashDriveMounted && page.unlocked
                text: qsTr("Export Menu Files") + Theme.retranslate()
                onClicked: {
                    if (page.checkDrive())
                        ovp.exportOrvantaJsonFile()
                    else
                        ovp.exportMenuFailed()
                }
            }
            Button {
                objectName: "checkFlashDriveButton"
                width: 360
                height: Theme.touchTarget
                enabled: page.unlocked
                text: qsTr("Check Flash Drive") + Theme.retranslate()
                onClicked: page.checkDrive()
            }
        }
    }
}
