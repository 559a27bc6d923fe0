import QtQuick 2.15
import TulConfig 1.0
import "qrc:/config"

// Sets the Wi-Fi connection up again from the cloud's network file, after asking: the
// settings are rewritten and the network restarted, and the message follows the network
// tools to their end. It rewrites what the Wi-Fi page guards, so it asks for that page's
// PIN first, unless it was opened from a page already unlocked at that level; and its
// question leans to No.
Item {
    id: flow
    objectName: "wifiConnectionQuestion"
    // Ends of reconfigurations that were already running when ours was asked for.
    property int earlierRuns: 0
    property bool busy: false
    // The Wi-Fi page's lock level on the master display, the only one showing the icon.
    readonly property int pinLevel: 2
    // False where the caller stands behind a lock of that level already.
    property bool pinNeeded: true

    function ask() {
        if (!pinNeeded) {
            askQuestion()
        } else if (gate.blocked) {
            message.show(qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr, true)
        } else {
            pinPad.open(qsTr("PIN #") + tro.emptyStr)
        }
    }
    function askQuestion() {
        question.ask(qsTr("Initialize the Wi-Fi connection?<br>The network settings will be rewritten.") + tro.emptyStr)
    }
    function pinEntered(pin) {
        if (gate.check("NetworkingPanel", pinLevel, pin) > 0) {
            pinPad.close()
            askQuestion()
        } else if (gate.blocked) {
            pinPad.close()
            message.show(qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr, true)
        } else {
            pinPad.showError(qsTr("ERROR") + tro.emptyStr)
            pinPad.higherLevelNeeded = gate.lastLevel > 0
        }
    }
    function close() {
        pinPad.close()
        question.visible = false
        message.visible = false
    }
    function start() {
        var running = configManager.networkChainRunning() === "reconfigure"
        if (!configManager.initializeLumoWifiConnection()) {
            message.show(qsTr("The network could not be restarted.") + tro.emptyStr, true)
            return
        }
        earlierRuns = running ? 1 : 0
        busy = true
        message.show(qsTr("Applying the network settings...") + tro.emptyStr, true)
    }

    Connections {
        target: configManager
        function onNetworkChainFinished(chain, ok) {
            if (chain !== "reconfigure" || !flow.busy)
                return
            if (flow.earlierRuns > 0) {
                flow.earlierRuns -= 1
                return
            }
            flow.busy = false
            message.show((ok ? qsTr("Network settings applied.") : qsTr("The network could not be restarted."))
                         + tro.emptyStr, true)
        }
    }

    PinGate { id: gate; config: typeof configManager !== "undefined" ? configManager : null }
    PinPad {
        id: pinPad
        objectName: "wifiConnectionPinPad"
        anchors.fill: parent
        onEntered: flow.pinEntered(pin)
    }
    ConfigMessage {
        id: question
        objectName: "wifiConnectionAsk"
        anchors.fill: parent
        defaultNo: true
        onAnswered: if (yes) flow.start()
    }
    ConfigMessage {
        id: message
        objectName: "wifiConnectionMessage"
        anchors.fill: parent
    }
}
