import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// One bin of the cabinet map: product, countdown and hold state of holding.bins[binNumber],
// readable at arm's length. A tap anywhere on the tile starts or stops the bin. Before the
// holding back end exists (or for a bin it does not have) the tile shows an empty bin.
Rectangle {
    id: bin
    objectName: "binItem" + binNumber
    property int binNumber: 0

    // Tray states as the holding back end numbers them.
    readonly property int stateAssigned: 2
    readonly property int statePreheating: 3
    readonly property int stateHolding: 5
    readonly property int stateStandard: 6
    readonly property int stateWarning: 7
    readonly property int stateDiscard: 8

    readonly property var view: {
        if (typeof holding === "undefined" || !holding || !holding.bins)
            return null
        return binNumber >= 0 && binNumber < holding.bins.length ? holding.bins[binNumber] || null : null
    }
    readonly property int trayState: view ? view.trayState : 0
    readonly property bool hasProduct: !!view && view.productId > 0 && trayState >= stateAssigned
    readonly property bool counting: hasProduct && trayState >= stateHolding
    readonly property bool discard: hasProduct && trayState === stateDiscard
    readonly property bool mismatch: !!view && view.mismatch === true
    readonly property color textColour: hasProduct && trayState === stateWarning ? "black" : Theme.text
    // The product's timer colour, while the Preferences turn timer colours on: the timer on
    // that background, its text in the palette's readable colour for it (none when the
    // colour is not one of the palette's, or is its no-colour entry).
    readonly property string timerBack: view && view.timerColor ? String(view.timerColor) : ""
    readonly property string timerFore: timerBack !== "" && timerBack !== "#fffffd"
                                        && typeof configManager !== "undefined" && !!configManager
                                        && configManager.timerColorStatus === true
                                        && typeof menuManager !== "undefined" && !!menuManager
                                        ? menuManager.getProductTimerForeColor(timerBack) : ""
    readonly property bool timerColoured: counting && timerFore !== ""

    // Minutes keep counting past the hour: a 2 h hold starts at 120:00.
    function formatTime(seconds) {
        var negative = seconds < 0
        var total = Math.abs(seconds)
        var m = Math.floor(total / 60)
        var s = total % 60
        return (negative ? "-" : "") + (m < 10 ? "0" : "") + m + ":" + (s < 10 ? "0" : "") + s
    }

    color: {
        if (!hasProduct)
            return Theme.surface
        switch (trayState) {
        case statePreheating: return Theme.accentStrong
        case stateHolding:
        case stateStandard: return Theme.ok
        case stateWarning: return Theme.warning
        case stateDiscard: return Theme.danger
        default: return Theme.surfacePressed
        }
    }
    radius: 3
    border.color: mismatch ? "#d500f9" : Theme.border
    border.width: mismatch ? 4 : 1

    // Discard pulses slowly so that it draws the eye without being hard to read.
    Rectangle {
        id: pulse
        anchors.fill: parent
        radius: parent.radius
        color: "black"
        opacity: 0
        SequentialAnimation on opacity {
            running: bin.discard && bin.visible
            loops: Animation.Infinite
            onRunningChanged: if (!running) pulse.opacity = 0
            NumberAnimation { to: 0.35; duration: 700; easing.type: Easing.InOutSine }
            NumberAnimation { to: 0; duration: 700; easing.type: Easing.InOutSine }
        }
    }

    Label {
        objectName: "binNumberText"
        anchors.centerIn: parent
        visible: !bin.hasProduct
        text: bin.binNumber + 1
        color: Theme.textDisabled
        font.pixelSize: Math.max(14, bin.height / 3)
    }

    // Below the banner while a wrong pan sits in the bin: only the product that belongs here.
    Item {
        id: body
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        anchors.top: bin.mismatch ? banner.bottom : parent.top
    }

    Column {
        anchors.centerIn: body
        width: parent.width - 8
        visible: bin.hasProduct
        spacing: 0

        Label {
            objectName: "binProductName"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: bin.view ? bin.view.productName : ""
            color: bin.textColour
            font.pixelSize: Math.max(14, Math.min(30, bin.height * 0.22))
            font.bold: true
            elide: Text.ElideRight
        }
        Label {
            objectName: "binTimer"
            width: parent.width
            visible: bin.counting && !bin.mismatch
            horizontalAlignment: Text.AlignHCenter
            // Laid out only while shown: fitting a hidden text would try font sizes for nothing.
            text: bin.counting && !bin.mismatch ? bin.formatTime(bin.view.remainingTime) : ""
            color: bin.timerColoured ? bin.timerFore : bin.textColour
            background: Rectangle {
                objectName: "binTimerBackground"
                visible: bin.timerColoured
                color: bin.timerColoured ? bin.timerBack : "transparent"
                radius: 3
            }
            font.pixelSize: Math.max(18, Math.min(56, bin.height * 0.34))
            font.bold: true
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 14
        }
        Label {
            objectName: "binStateLabel"
            width: parent.width
            visible: text !== "" && !bin.mismatch
            horizontalAlignment: Text.AlignHCenter
            text: bin.discard ? qsTr("DISCARD") + tro.emptyStr
                : bin.hasProduct && bin.trayState === bin.statePreheating ? qsTr("Preheating") + tro.emptyStr
                : ""
            color: bin.textColour
            font.pixelSize: Math.max(13, Math.min(26, bin.height * 0.2))
            font.bold: bin.discard
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 11
        }
    }

    Rectangle {
        id: banner
        objectName: "binMismatchBanner"
        visible: bin.mismatch
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: Math.max(28, parent.height * 0.4)
        radius: parent.radius
        color: "#d500f9"
        Label {
            objectName: "binMismatchText"
            anchors.fill: parent
            anchors.margins: 2
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: bin.mismatch ? qsTr("WRONG PAN") + tro.emptyStr : ""
            color: "white"
            font.pixelSize: Math.max(14, Math.min(28, parent.height * 0.6))
            font.bold: true
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 11
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: parent.radius
        color: "white"
        opacity: tapArea.pressed ? 0.25 : 0
    }

    // Never smaller than a gloved fingertip, even on a crowded cabinet map.
    MouseArea {
        id: tapArea
        objectName: "binTapArea"
        anchors.centerIn: parent
        width: Math.max(parent.width, 56)
        height: Math.max(parent.height, 56)
        onClicked: {
            if (bin.view)
                holding.toggleBin(bin.binNumber)
        }
    }
}
