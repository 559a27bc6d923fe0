import QtQuick 2.15
import QtQuick.Controls 2.15
import TulConfig 1.0
import "qrc:/theme"

// The first start of a display without a personality: the orientation, the unit details
// (a scanned model number picks its group and file), or by hand the group and model
// lists, the side of a two-display cabinet, and the confirmation that installs the file.
// The result takes effect at the next start.
Rectangle {
    id: flow
    objectName: "firstStartFlow"
    color: Theme.background
    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    property Item keyboard: null
    // "orientation", "details", "groups", "models", "side", "confirm"
    property string step: "orientation"
    property bool modelValid: false
    property string chosenModel: ""
    property int displays: 1
    property int side: 0
    property var groups: []
    property var models: []

    function goDetails() {
        step = "details"
    }
    function checkModel() {
        var text = modelField.text
        if (text.length >= 3) {
            configManager.selectedCustomConfig = text.substring(0, 3)
            modelValid = configManager.validateModelNumber(text)
        } else {
            modelValid = false
        }
    }
    function acceptDetails() {
        chosenModel = modelField.text
        displays = configManager.get_configDisplaysCount(chosenModel)
        side = 0
        step = "confirm"
    }
    function manualConfiguration() {
        configManager.loadCabinetSerialModelNumbers()
        if (configManager.customerIdStr !== "") {
            openModels(configManager.customerIdStr)
            return
        }
        groups = configManager.get_customConfigs()
        if (groups.length > 0)
            step = "groups"
        else
            openModels("")
    }
    function openModels(group) {
        configManager.selectedCustomConfig = group
        models = configManager.get_customConfigModels()
        chosenModel = ""
        step = "models"
    }
    function configModel(model) {
        chosenModel = model
        displays = configManager.get_configDisplaysCount(model)
        side = 0
        step = displays === 2 && configManager.get_configDisplaysLeftRight(model) === 0 ? "side" : "confirm"
    }
    function save() {
        var before = [configManager.serialNumber, configManager.modelNumber, configManager.customerIdStr]
        // Numbers the identity file could not carry are refused before anything is set,
        // and a save that fails leaves the file as it was: the numbers go back, nothing
        // is installed, and the flow says so and stays here.
        var saved = configManager.acceptableIdentityValues([serialField.text, chosenModel,
                                                            configManager.selectedCustomConfig])
        if (saved) {
            configManager.set_modelNumber(chosenModel)
            configManager.set_serialNumber(serialField.text)
            configManager.set_customerIdStr(configManager.selectedCustomConfig)
            saved = configManager.saveCabinetSerialModelNumbers()
        }
        if (!saved) {
            configManager.set_serialNumber(before[0])
            configManager.set_modelNumber(before[1])
            configManager.set_customerIdStr(before[2])
            message.show(qsTr("The settings could not be saved.<br>Nothing was changed.") + tro.emptyStr, true)
            return
        }
        configManager.set_doubleSided(displays)
        configManager.set_selectedDisplaySide(side)
        configManager.setConfigurationFile()
    }

    PinGate { id: factoryGate }
    Timer {
        id: modelSettle
        interval: 500
        onTriggered: flow.checkModel()
    }

    // Orientation.
    Column {
        objectName: "orientationStep"
        visible: flow.step === "orientation"
        anchors.centerIn: parent
        spacing: Theme.spacing
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Select the display orientation.") + tro.emptyStr
            font.pixelSize: Theme.fontTitle
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: Theme.spacing
            Button {
                objectName: "landscapeButton"
                width: 220
                height: Theme.touchTarget
                text: qsTr("Landscape") + tro.emptyStr
                onClicked: { configManager.set_screenOrientation(0); flow.goDetails() }
            }
            Button {
                objectName: "portraitButton"
                width: 220
                height: Theme.touchTarget
                text: qsTr("Portrait") + tro.emptyStr
                onClicked: { configManager.set_screenOrientation(1); flow.goDetails() }
            }
        }
    }

    // Unit details.
    Column {
        objectName: "detailsStep"
        visible: flow.step === "details"
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: Theme.spacing }
        spacing: Theme.spacingSmall
        Label { text: qsTr("Unit details") + tro.emptyStr; font.pixelSize: Theme.fontTitle }
        Label { text: qsTr("Scan model number.") + tro.emptyStr; font.pixelSize: Theme.fontBody }
        Row {
            spacing: Theme.spacingSmall
            Label {
                width: 120
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Model #:") + tro.emptyStr
                font.pixelSize: Theme.fontBody
            }
            ConfigTextField {
                id: modelField
                objectName: "firstStartModel"
                width: 360
                maximumLength: 14
                keyboard: flow.keyboard
                onTextChanged: { flow.modelValid = false; modelSettle.restart() }
            }
            Button {
                objectName: "resetModel"
                width: 120
                height: Theme.touchTarget
                text: qsTr("Reset") + tro.emptyStr
                onClicked: modelField.text = ""
            }
        }
        Label { text: qsTr("Scan serial number.") + tro.emptyStr; font.pixelSize: Theme.fontBody }
        Row {
            spacing: Theme.spacingSmall
            Label {
                width: 120
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Serial #:") + tro.emptyStr
                font.pixelSize: Theme.fontBody
            }
            ConfigTextField {
                id: serialField
                objectName: "firstStartSerial"
                width: 360
                maximumLength: 14
                keyboard: flow.keyboard
            }
            Button {
                objectName: "resetSerial"
                width: 120
                height: Theme.touchTarget
                text: qsTr("Reset") + tro.emptyStr
                onClicked: serialField.text = ""
            }
        }
        Row {
            spacing: Theme.spacing
            Button {
                objectName: "manualConfiguration"
                visible: !flow.modelValid
                width: 300
                height: Theme.touchTarget
                text: qsTr("Manual Configuration") + tro.emptyStr
                onClicked: flow.manualConfiguration()
            }
            Button {
                objectName: "acceptDetails"
                enabled: flow.modelValid
                width: 200
                height: Theme.touchTarget
                highlighted: true
                text: qsTr("Accept") + tro.emptyStr
                onClicked: flow.acceptDetails()
            }
        }
    }

    // Group list.
    Column {
        objectName: "groupsStep"
        visible: flow.step === "groups"
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: parent.bottom; margins: Theme.spacing }
        spacing: Theme.spacingSmall
        Label { text: qsTr("Select the customer group.") + tro.emptyStr; font.pixelSize: Theme.fontTitle }
        ListView {
            width: parent.width
            height: parent.height - 2 * Theme.touchTarget
            clip: true
            spacing: 4
            model: flow.groups
            delegate: Button {
                objectName: "group_" + modelData
                width: 360
                height: Theme.touchTarget
                text: modelData
                onClicked: flow.openModels(modelData)
            }
        }
    }

    // Model list.
    Column {
        objectName: "modelsStep"
        visible: flow.step === "models"
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: parent.bottom; margins: Theme.spacing }
        spacing: Theme.spacingSmall
        Label {
            objectName: "modelsTitle"
            text: qsTr("Unit details") + tro.emptyStr
            font.pixelSize: Theme.fontTitle
            MouseArea {
                anchors.fill: parent
                // The factory's way to the group list.
                pressAndHoldInterval: 5000
                onPressAndHold: {
                    if (factoryGate.blocked)
                        message.show(qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr, true)
                    else
                        factoryPad.open(qsTr("PIN #") + tro.emptyStr)
                }
            }
        }
        Label {
            text: qsTr("To configure unit model, select the model<br>number and click config.") + tro.emptyStr
            textFormat: Text.StyledText
            font.pixelSize: Theme.fontBody
        }
        ListView {
            id: modelList
            width: parent.width
            height: parent.height - 4 * Theme.touchTarget
            clip: true
            spacing: 4
            model: flow.models
            delegate: Rectangle {
                objectName: "model_" + modelData
                width: 420
                height: Theme.touchTarget
                radius: Theme.radius
                color: flow.chosenModel === modelData ? Theme.selection : Theme.surface
                Label {
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter; leftMargin: Theme.spacing }
                    text: modelData + "   " + qsTr("Displays: %1").arg(configManager.get_configDisplaysCount(modelData))
                          + tro.emptyStr
                    font.pixelSize: Theme.fontBody
                }
                MouseArea { anchors.fill: parent; onClicked: flow.chosenModel = modelData }
            }
        }
        Button {
            objectName: "configButton"
            enabled: flow.chosenModel !== ""
            width: 200
            height: Theme.touchTarget
            highlighted: true
            text: qsTr("Config") + tro.emptyStr
            onClicked: flow.configModel(flow.chosenModel)
        }
    }

    // Side of a two-display cabinet.
    Column {
        objectName: "sideStep"
        visible: flow.step === "side"
        anchors.centerIn: parent
        spacing: Theme.spacing
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Which side of the cabinet is this display on?") + tro.emptyStr
            font.pixelSize: Theme.fontTitle
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: Theme.spacing
            Button {
                objectName: "primarySide"
                width: 260
                height: Theme.touchTarget
                text: qsTr("Primary side") + tro.emptyStr
                onClicked: { flow.side = 0; flow.step = "confirm" }
            }
            Button {
                objectName: "otherSide"
                width: 260
                height: Theme.touchTarget
                text: qsTr("Other side") + tro.emptyStr
                onClicked: { flow.side = 1; flow.step = "confirm" }
            }
        }
    }

    // Confirmation.
    Column {
        objectName: "confirmStep"
        visible: flow.step === "confirm"
        anchors.centerIn: parent
        spacing: Theme.spacing
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Save selected configuration?") + tro.emptyStr
            font.pixelSize: Theme.fontTitle
        }
        Label {
            objectName: "confirmSummary"
            anchors.horizontalCenter: parent.horizontalCenter
            font.pixelSize: Theme.fontBody
            text: qsTr("Model #:") + " " + flow.chosenModel + "    " + qsTr("Serial #:") + " " + serialField.text
                  + tro.emptyStr
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: Theme.spacing
            Button {
                objectName: "saveConfiguration"
                width: 200
                height: Theme.touchTarget
                highlighted: true
                text: qsTr("Yes") + tro.emptyStr
                onClicked: flow.save()
            }
            Button {
                objectName: "cancelConfiguration"
                width: 200
                height: Theme.touchTarget
                text: qsTr("No") + tro.emptyStr
                onClicked: flow.step = "details"
            }
        }
    }

    PinPad {
        id: factoryPad
        objectName: "factoryPinPad"
        anchors.fill: parent
        onEntered: {
            if (factoryGate.checkFactoryDigits(pin)) {
                close()
                flow.groups = configManager.get_customConfigs()
                flow.step = "groups"
            } else if (factoryGate.blocked) {
                close()
                message.show(qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr, true)
            } else {
                showError(qsTr("ERROR") + tro.emptyStr)
            }
        }
    }
    ConfigMessage {
        id: message
        objectName: "firstStartMessage"
        anchors.fill: parent
    }
}
