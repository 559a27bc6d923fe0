import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// Asks for the serial, model and store numbers when the identity file lacks one of them.
Item {
    id: dialog
    objectName: "serialModelNumbersDialog"
    visible: false
    property Item keyboard: null

    function open() {
        serial.text = configManager.serialNumber
        model.text = configManager.modelNumber
        store.text = configManager.storeNumber
        visible = true
    }
    function close() {
        if (keyboard)
            keyboard.hide()
        visible = false
    }
    function accept() {
        // Numbers the identity file could not carry are refused before anything is set,
        // and a failed save puts the stored numbers back: either way nothing changed, and
        // the dialog says so and stays open for another try.
        var saved = configManager.acceptableIdentityValues([serial.text, model.text])
        if (saved) {
            configManager.set_serialNumber(serial.text)
            configManager.set_modelNumber(model.text)
            saved = configManager.saveCabinetSerialModelNumbers()
        }
        if (!saved) {
            identityNotSaved.show(qsTr("The settings could not be saved.<br>Nothing was changed.") + tro.emptyStr, true)
            return
        }
        configManager.initializeLumoWifiConnection()
        // The store number counts (and reaches the cloud) only once it is saved.
        configManager.saveSetting("storeNumber", store.text)
        close()
    }

    Rectangle { anchors.fill: parent; color: Theme.scrim }
    MouseArea { anchors.fill: parent }

    Rectangle {
        anchors { horizontalCenter: parent.horizontalCenter; top: parent.top; topMargin: Theme.spacing }
        width: Math.min(parent.width - 2 * Theme.spacing, 560)
        height: column.implicitHeight + 2 * Theme.spacing
        color: Theme.surfaceRaised
        radius: Theme.radius * 2
        border.width: Theme.borderWidth
        border.color: Theme.border
        LayoutMirroring.enabled: Theme.rightToLeft
        LayoutMirroring.childrenInherit: true

        Column {
            id: column
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: Theme.spacing }
            spacing: Theme.spacingSmall
            Label {
                text: qsTr("Unit details") + tro.emptyStr
                font.pixelSize: Theme.fontTitle
            }
            Grid {
                columns: 2
                columnSpacing: Theme.spacingSmall
                rowSpacing: Theme.spacingSmall
                verticalItemAlignment: Grid.AlignVCenter
                Label { width: 120; text: qsTr("Serial #:") + tro.emptyStr; font.pixelSize: Theme.fontBody }
                ConfigTextField {
                    id: serial
                    objectName: "serialField"
                    width: column.width - 128
                    keyboard: dialog.keyboard
                    maximumLength: 32
                }
                Label { width: 120; text: qsTr("Model #:") + tro.emptyStr; font.pixelSize: Theme.fontBody }
                ConfigTextField {
                    id: model
                    objectName: "modelField"
                    width: column.width - 128
                    keyboard: dialog.keyboard
                    maximumLength: 32
                }
                Label { width: 120; text: qsTr("Store #:") + tro.emptyStr; font.pixelSize: Theme.fontBody }
                ConfigTextField {
                    id: store
                    objectName: "storeField"
                    width: column.width - 128
                    keyboard: dialog.keyboard
                    maximumLength: 32
                }
            }
            Button {
                objectName: "serialModelAccept"
                anchors.right: parent.right
                width: 180
                height: Theme.touchTarget
                highlighted: true
                text: qsTr("Accept") + tro.emptyStr
                onClicked: dialog.accept()
            }
        }
    }

    ConfigMessage {
        id: identityNotSaved
        objectName: "identityNotSaved"
        anchors.fill: parent
    }
}
