import QtQuick 2.15
import "qrc:/config"

// Sets the Wi-Fi connection up again from the cloud's network file, after asking: the
// settings are rewritten and the network restarted, and the message follows the network
// tools to their end.
Item {
    id: flow
    objectName: "wifiConnectionQuestion"
    // Ends of reconfigurations that were already running when ours was asked for.
    property int earlierRuns: 0
    property bool busy: false

    function ask() {
        question.ask(qsTr("Initialize the Wi-Fi connection?<br>The network settings will be rewritten.") + tro.emptyStr)
    }
    function close() {
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

    ConfigMessage {
        id: question
        objectName: "wifiConnectionAsk"
        anchors.fill: parent
        onAnswered: if (yes) flow.start()
    }
    ConfigMessage {
        id: message
        objectName: "wifiConnectionMessage"
        anchors.fill: parent
    }
}
