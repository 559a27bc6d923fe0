import QtQuick 2.15
import "qrc:/theme"

// What the settings store asks of the screen at any time: the serial and model numbers
// when the identity file lacks them, and the outcome of installing or resetting the
// cabinet's configuration.
Item {
    id: screens
    objectName: "configurationScreens"
    property Item keyboard: null

    Component.onCompleted: {
        if (cabinetManager.isConfigured
                && (configManager.serialNumber === "" || configManager.modelNumber === ""))
            serialModel.open()
    }

    // The settings store's requests; the shell, which makes these screens on the first of
    // them, hands that one over here.
    function openUnitDetails() {
        if (cabinetManager.isConfigured)
            serialModel.open()
    }
    function copyCompleted() {
        message.show(qsTr("Unit configuration successful.<br>Reboot the unit.") + tro.emptyStr, false)
    }
    function copyFailed() {
        message.show(qsTr("Unit configuration failed.<br>Nothing was changed.") + tro.emptyStr, true)
    }
    function resetCompleted() {
        message.show(qsTr("Unit configuration reset successful.<br>Reboot the unit.") + tro.emptyStr, false)
    }
    Connections {
        target: configManager
        function onShowSerialModelNumbersDialog() { screens.openUnitDetails() }
        function onHideSerialModelNumbersDialog() { serialModel.close() }
        function onCopyConfigurationFileCompleted() { screens.copyCompleted() }
        function onCopyConfigurationFileFailed() { screens.copyFailed() }
        function onResetConfigurationFileCompleted() { screens.resetCompleted() }
    }

    SerialModelNumbersDialog {
        id: serialModel
        // The dock stays reachable: at the factory the end-of-line test, started from the
        // dock's Wi-Fi icon, is what writes these numbers.
        anchors { fill: parent; bottomMargin: Theme.touchTarget + 8 }
        keyboard: screens.keyboard
    }
    ConfigMessage {
        id: message
        objectName: "configurationMessage"
        anchors.fill: parent
    }
}
