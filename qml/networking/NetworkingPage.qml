import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import TulConfig 1.0
import "qrc:/theme"
import "qrc:/config"
import "qrc:/settings"

// The Wi-Fi Networking page: the Wi-Fi and wired set-up edited as a copy and applied on
// Accept, what the Wi-Fi sees, the cloud link's status, and the reset to the default
// network behind a PIN. Accept is checked as the network set-up checks it: a value it
// would refuse is named here and nothing is saved or run; otherwise the settings are
// saved and the network reconfigured, and the page follows the tools to their end.
// Locked, it is read only: it scrolls and shows the status, signal, MAC address and cloud
// link of the cabinet, and nothing on it can be changed.
Item {
    id: page
    objectName: "networkingPage"
    width: 800
    height: 352

    // The shell's keyboards and where the PIN pad and questions go (set by the pages).
    property Item keyboard: null
    property Item overlayParent: page
    // Set by the pages while the page's lock is closed.
    property bool locked: false

    // The local copy, loaded from the settings store.
    property bool ethEnabled
    property bool staticIPEnabled
    property string ipAddress
    property string netmask
    property string gateway
    property bool wifiEnabled
    property string wifiSSID
    property string wifiPassword
    property bool wpaEnabled
    property string wifiIdentity
    property bool wifiStaticIp
    property string wifiIpAddr
    property string wifiNetmask
    property string wifiGateway

    property bool changed: false
    property var edited: ({})

    // What the last Accept or reset came to: "", "busy", "done", "failed", "refused" or
    // "saveFailed"; for "refused", the value at fault and why.
    property string outcome: ""
    property string refusedField: ""
    property string refusedReason: ""
    // Ends of reconfigurations that were already running when ours was asked for.
    property int earlierRuns: 0

    // The cloud link's status lines, as it last sent them (kept there while this page is closed).
    readonly property string provisioningLine: cloud ? cloud.provisioningLine : ""
    readonly property string certificateLine: cloud ? cloud.certificateLine : ""

    readonly property var cloud: typeof TulLumo !== "undefined" ? TulLumo : null
    readonly property var monitor: typeof wifiMonitor !== "undefined" ? wifiMonitor : null
    readonly property bool keyboardShown: keyboard !== null && (keyboard.alphaShown || keyboard.numericShown)
    readonly property var keys: ["ethEnabled", "staticIPEnabled", "ipAddress", "netmask", "gateway",
        "wifiEnabled", "wifiSSID", "wifiPassword", "wpaEnabled", "wifiIdentity", "wifiStaticIp",
        "wifiIpAddr", "wifiNetmask", "wifiGateway"]

    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    function load() {
        for (var i = 0; i < keys.length; ++i)
            page[keys[i]] = configManager[keys[i]]
        edited = {}
        changed = false
    }
    function edit(key) {
        var e = Object.assign({}, edited)
        e[key] = true
        edited = e
        changed = true
        if (outcome !== "busy")
            outcome = ""
    }
    // A value changed underneath (the 20 s reload, the cloud, a seed file): shown unless
    // the user is editing that very value.
    function refresh(key) {
        if (edited[key] !== true)
            page[key] = configManager[key]
    }
    // The idle return, a language switch and the factory test: unsaved edits go.
    function cancelEdits() {
        closeOverlays()
        load()
        if (outcome !== "busy")
            outcome = ""
    }
    function closeOverlays() {
        pinPad.close()
        question.visible = false
        message.visible = false
    }
    function values() {
        var v = {}
        for (var i = 0; i < keys.length; ++i)
            v[keys[i]] = page[keys[i]]
        return v
    }
    // Asks for the end of the reconfiguration just started.
    function follow(running) {
        earlierRuns = running ? 1 : 0
        outcome = "busy"
    }
    function accept() {
        if (keyboard)
            keyboard.hide()
        var running = configManager.networkChainRunning() === "reconfigure"
        var result = configManager.applyNetworkSettings(values())
        if (result.result === "refused") {
            refusedField = result.field
            refusedReason = result.reason
            outcome = "refused"
            reveal(fieldOf(result.field))
            return
        }
        load()
        if (result.result === "saveFailed")
            outcome = "saveFailed"
        else
            follow(running)
    }
    // The reset button: the PIN first, unless too many were wrong.
    function requestReset() {
        if (keyboard)
            keyboard.hide()
        if (gate.blocked)
            message.show(qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr, true)
        else
            pinPad.open(qsTr("PIN #") + tro.emptyStr)
    }
    function askReset() {
        question.ask(qsTr("Reset to default network?") + tro.emptyStr)
    }
    function resetNetwork() {
        var running = configManager.networkChainRunning() === "reconfigure"
        var started = configManager.resetToDefaultNetwork()
        load()
        if (started)
            follow(running)
        else
            outcome = "failed"
    }

    function fieldName(key) {
        switch (key) {
        case "ipAddress": return qsTr("Wired IP address")
        case "netmask": return qsTr("Wired netmask")
        case "gateway": return qsTr("Wired gateway")
        case "wifiIpAddr": return qsTr("Wi-Fi IP address")
        case "wifiNetmask": return qsTr("Wi-Fi netmask")
        case "wifiGateway": return qsTr("Wi-Fi gateway")
        case "wifiSSID": return qsTr("Network name (SSID)")
        case "wifiPassword": return qsTr("Pass phrase")
        }
        return key
    }
    function refusalText(key, reason) {
        var name = fieldName(key)
        switch (reason) {
        case "notHostAddress": return qsTr("%1 is not a valid IPv4 host address.").arg(name)
        case "notNetmask": return qsTr("%1 is not a valid netmask.").arg(name)
        case "breaksLine": return qsTr("%1 must not hold line breaks.").arg(name)
        case "ssidTooLong": return qsTr("%1 is longer than 32 bytes.").arg(name)
        case "passphraseLength": return qsTr("%1 must be 8 to 63 characters long.").arg(name)
        case "ssidEmpty": return qsTr("%1 must not be empty while Wi-Fi is enabled.").arg(name)
        }
        return name
    }
    function outcomeText() {
        switch (outcome) {
        case "busy": return qsTr("Applying the network settings...")
        case "done": return qsTr("Network settings applied.")
        case "failed": return qsTr("The network could not be restarted.")
        case "saveFailed": return qsTr("The settings could not be saved. The network was not changed.")
        case "refused": return refusalText(refusedField, refusedReason) + " " + qsTr("Nothing was saved.")
        }
        return ""
    }
    function fieldOf(key) {
        var fields = {"ipAddress": ipField, "netmask": netmaskField, "gateway": gatewayField,
            "wifiIpAddr": wifiIpField, "wifiNetmask": wifiNetmaskField, "wifiGateway": wifiGatewayField,
            "wifiSSID": ssidField, "wifiPassword": passField}
        return fields[key] !== undefined ? fields[key] : null
    }
    // Scrolls a row to the top of the form, clear of the keyboard.
    function reveal(item) {
        if (!item)
            return
        var y = item.mapToItem(form, 0, 0).y - Theme.spacingSmall
        flick.contentY = Math.max(0, Math.min(y, flick.contentHeight + flick.bottomMargin - flick.height))
    }

    Component.onCompleted: load()
    // Back within the form once the keyboard no longer needs the room below it.
    onKeyboardShownChanged: if (!keyboardShown) flick.returnToBounds()
    onVisibleChanged: if (!visible) closeOverlays()

    Connections {
        target: configManager
        function onConfigFileRead() { if (!page.changed) page.load() }
        function onNetworkInfoRefreshed() { if (!page.changed) page.load() }
        function onEthEnabledChanged() { page.refresh("ethEnabled") }
        function onStaticIPEnabledChanged() { page.refresh("staticIPEnabled") }
        function onIpAddressChanged() { page.refresh("ipAddress") }
        function onNetmaskChanged() { page.refresh("netmask") }
        function onGatewayChanged() { page.refresh("gateway") }
        function onWifiEnabledChanged() { page.refresh("wifiEnabled") }
        function onWifiSSIDChanged() { page.refresh("wifiSSID") }
        function onWifiPasswordChanged() { page.refresh("wifiPassword") }
        function onWpaEnabledChanged() { page.refresh("wpaEnabled") }
        function onWifiIdentityChanged() { page.refresh("wifiIdentity") }
        function onWifiStaticIpChanged() { page.refresh("wifiStaticIp") }
        function onWifiIpAddrChanged() { page.refresh("wifiIpAddr") }
        function onWifiNetmaskChanged() { page.refresh("wifiNetmask") }
        function onWifiGatewayChanged() { page.refresh("wifiGateway") }
        function onNetworkChainFinished(chain, ok) {
            if (chain !== "reconfigure" || page.outcome !== "busy")
                return
            if (page.earlierRuns > 0) {
                page.earlierRuns -= 1
                return
            }
            page.outcome = ok ? "done" : "failed"
        }
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.background
    }

    Label {
        id: outcomeLine
        objectName: "networkOutcome"
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: Theme.spacingSmall }
        visible: page.outcome !== ""
        height: visible ? implicitHeight : 0
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: Theme.fontBody
        color: page.outcome === "done" ? Theme.text : page.outcome === "busy" ? Theme.status : Theme.warning
        text: page.outcomeText() + tro.emptyStr
    }

    Flickable {
        id: flick
        objectName: "networkingForm"
        anchors { left: parent.left; right: parent.right; top: outcomeLine.bottom; bottom: buttons.top; margins: Theme.spacingSmall }
        contentHeight: form.implicitHeight
        // Room to lift the lowest field above a keyboard.
        bottomMargin: page.keyboardShown ? height : 0
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { objectName: "networkingScrollBar" }

        ColumnLayout {
            id: form
            // Clear of the scroll bar, which stands on the trailing side.
            x: Theme.rightToLeft ? Theme.spacing + Theme.scrollBarWidth : 0
            width: flick.width - Theme.spacing - Theme.scrollBarWidth
            spacing: 4

            Label {
                text: qsTr("Wi-Fi") + tro.emptyStr
                font.pixelSize: Theme.fontLarge
                font.bold: true
            }
            SettingRow {
                label: qsTr("Enabled") + tro.emptyStr
                Switch {
                    objectName: "wifiEnabledSwitch"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    enabled: !page.locked
                    checked: page.wifiEnabled
                    onToggled: { page.wifiEnabled = checked; page.edit("wifiEnabled") }
                }
            }
            SettingRow {
                label: qsTr("Network name (SSID)") + tro.emptyStr
                NetworkField { copy: page; id: ssidField; objectName: "wifiSSIDField"; key: "wifiSSID"; multilingual: true; enabled: !page.locked }
            }
            SettingRow {
                label: qsTr("Pass phrase") + tro.emptyStr
                NetworkField {
                    copy: page; id: passField; objectName: "wifiPasswordField"; key: "wifiPassword"
                    enabled: !page.locked
                    anchors.right: showPass.left
                    anchors.rightMargin: Theme.spacingSmall
                    echoMode: showPass.checked ? TextInput.Normal : TextInput.Password
                }
                // What was typed, shown on request; hidden again whenever the page reloads.
                Button {
                    id: showPass
                    objectName: "wifiPasswordShow"
                    anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                    width: 120
                    height: Theme.touchTarget
                    checkable: true
                    enabled: !page.locked
                    focusPolicy: Qt.NoFocus
                    text: (checked ? qsTr("Hide") : qsTr("Show")) + tro.emptyStr
                    Connections {
                        target: page
                        function onLockedChanged() { showPass.checked = false }
                        function onVisibleChanged() { showPass.checked = false }
                    }
                }
            }
            SettingRow {
                label: qsTr("WPA2 Enterprise") + tro.emptyStr
                Switch {
                    objectName: "wpaEnabledSwitch"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    enabled: !page.locked
                    checked: page.wpaEnabled
                    onToggled: { page.wpaEnabled = checked; page.edit("wpaEnabled") }
                }
            }
            // Only an enterprise login takes an identity.
            SettingRow {
                visible: page.wpaEnabled
                label: qsTr("Identity") + tro.emptyStr
                NetworkField { copy: page; objectName: "wifiIdentityField"; key: "wifiIdentity"; multilingual: true; enabled: !page.locked }
            }
            SettingRow {
                label: qsTr("Static address") + tro.emptyStr
                Switch {
                    objectName: "wifiStaticSwitch"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    enabled: !page.locked
                    checked: page.wifiStaticIp
                    onToggled: { page.wifiStaticIp = checked; page.edit("wifiStaticIp") }
                }
            }
            SettingRow {
                label: qsTr("IP address") + tro.emptyStr
                NetworkField { copy: page; id: wifiIpField; objectName: "wifiIpAddrField"; key: "wifiIpAddr"; address: true; enabled: page.wifiStaticIp && !page.locked }
            }
            SettingRow {
                label: qsTr("Netmask") + tro.emptyStr
                NetworkField { copy: page; id: wifiNetmaskField; objectName: "wifiNetmaskField"; key: "wifiNetmask"; address: true; enabled: page.wifiStaticIp && !page.locked }
            }
            SettingRow {
                label: qsTr("Gateway") + tro.emptyStr
                NetworkField { copy: page; id: wifiGatewayField; objectName: "wifiGatewayField"; key: "wifiGateway"; address: true; enabled: page.wifiStaticIp && !page.locked }
            }
            SettingRow {
                label: qsTr("Signal level") + tro.emptyStr
                Label {
                    objectName: "wifiSignalLevel"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    text: Math.round(page.monitor ? page.monitor.signalLevel : 0) + " %"
                }
            }
            Label {
                Layout.preferredHeight: Theme.touchTarget
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Last scan") + tro.emptyStr
            }
            // Wrapped at the form's own width, so that its height never feeds back into it.
            Label {
                objectName: "wifiScanText"
                Layout.preferredWidth: form.width
                wrapMode: Text.WordWrap
                textFormat: Text.StyledText
                // The store's text until the first scan is its default, said in the page's language.
                text: configManager.wifiScanString === "No networks detected"
                      ? qsTr("No networks detected") + tro.emptyStr : configManager.wifiScanString
            }

            Label {
                Layout.topMargin: Theme.spacing
                text: qsTr("Wired network") + tro.emptyStr
                font.pixelSize: Theme.fontLarge
                font.bold: true
            }
            SettingRow {
                label: qsTr("Enabled") + tro.emptyStr
                Switch {
                    objectName: "ethEnabledSwitch"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    enabled: !page.locked
                    checked: page.ethEnabled
                    onToggled: { page.ethEnabled = checked; page.edit("ethEnabled") }
                }
            }
            SettingRow {
                label: qsTr("Static address") + tro.emptyStr
                Switch {
                    objectName: "ethStaticSwitch"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    enabled: !page.locked
                    checked: page.staticIPEnabled
                    onToggled: { page.staticIPEnabled = checked; page.edit("staticIPEnabled") }
                }
            }
            SettingRow {
                label: qsTr("IP address") + tro.emptyStr
                NetworkField { copy: page; id: ipField; objectName: "ipAddressField"; key: "ipAddress"; address: true; enabled: page.staticIPEnabled && !page.locked }
            }
            SettingRow {
                label: qsTr("Netmask") + tro.emptyStr
                NetworkField { copy: page; id: netmaskField; objectName: "netmaskField"; key: "netmask"; address: true; enabled: page.staticIPEnabled && !page.locked }
            }
            SettingRow {
                label: qsTr("Gateway") + tro.emptyStr
                NetworkField { copy: page; id: gatewayField; objectName: "gatewayField"; key: "gateway"; address: true; enabled: page.staticIPEnabled && !page.locked }
            }
            SettingRow {
                label: qsTr("MAC address") + tro.emptyStr
                Label {
                    objectName: "macAddressText"
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    text: configManager.macAddress
                }
            }

            Label {
                Layout.topMargin: Theme.spacing
                text: qsTr("Cloud link") + tro.emptyStr
                font.pixelSize: Theme.fontLarge
                font.bold: true
            }
            // Said until the agent reports, so an empty section is not taken for a fault.
            Label {
                objectName: "cloudWaiting"
                visible: page.provisioningLine === "" && page.certificateLine === ""
                Layout.preferredWidth: form.width
                Layout.minimumHeight: Theme.touchTarget
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.WordWrap
                color: Theme.textSecondary
                text: qsTr("No status from the cloud agent yet.") + tro.emptyStr
            }
            Label {
                objectName: "provisioningStatus"
                Layout.preferredWidth: form.width
                Layout.minimumHeight: Theme.touchTarget
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.WordWrap
                textFormat: Text.StyledText
                text: page.provisioningLine
            }
            Label {
                objectName: "certificateStatus"
                Layout.preferredWidth: form.width
                Layout.minimumHeight: Theme.touchTarget
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.WordWrap
                textFormat: Text.StyledText
                text: page.certificateLine
            }
        }
    }

    RowLayout {
        id: buttons
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: Theme.spacingSmall }
        height: Theme.touchTarget
        spacing: Theme.spacing
        Button {
            objectName: "resetNetworkButton"
            Layout.fillWidth: true
            Layout.fillHeight: true
            text: qsTr("Reset to default network") + tro.emptyStr
            enabled: page.outcome !== "busy" && !page.locked
            onClicked: page.requestReset()
        }
        Button {
            objectName: "networkingCancelButton"
            Layout.preferredWidth: 160
            Layout.fillHeight: true
            text: qsTr("Cancel") + tro.emptyStr
            enabled: page.changed && !page.locked
            onClicked: {
                if (page.keyboard)
                    page.keyboard.hide()
                page.cancelEdits()
            }
        }
        Button {
            objectName: "networkingAcceptButton"
            Layout.preferredWidth: 160
            Layout.fillHeight: true
            text: qsTr("Accept") + tro.emptyStr
            highlighted: true
            enabled: page.changed && page.outcome !== "busy" && !page.locked
            onClicked: page.accept()
        }
    }

    // The reset to the default network: a PIN of level 1, 2 or 3, then the question.
    PinGate { id: gate; config: typeof configManager !== "undefined" ? configManager : null }
    PinPad {
        id: pinPad
        objectName: "networkPinPad"
        parent: page.overlayParent
        anchors.fill: parent
        z: 10
        onEntered: {
            if (gate.check("NetworkingPanel", 1, pin) > 0) {
                close()
                page.askReset()
            } else if (gate.blocked) {
                close()
                message.show(qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr, true)
            } else {
                showError(qsTr("ERROR") + tro.emptyStr)
                higherLevelNeeded = gate.lastLevel > 0
            }
        }
    }
    ConfigMessage {
        id: question
        objectName: "resetNetworkQuestion"
        parent: page.overlayParent
        anchors.fill: parent
        z: 11
        onAnswered: if (yes) page.resetNetwork()
    }
    ConfigMessage {
        id: message
        objectName: "networkMessage"
        parent: page.overlayParent
        anchors.fill: parent
        z: 11
    }
}
