import QtQuick 2.15
import "qrc:/theme"

// One bin of the cabinet map: product, countdown and hold state of holding.bins[binNumber],
// readable from two metres. The tile is laid out in two rows that fill it: the most urgent
// word (or the product's name) on top, the countdown below, both sized from the tile and
// the Preferences' label font size. A tap anywhere on the tile starts or stops the bin.
// Before the holding back end exists (or for a bin it does not have) the tile shows an
// empty bin.
Rectangle {
    id: bin
    objectName: "binItem" + binNumber
    property int binNumber: 0
    // The heater fault of the bin's zone ("open", "shorted", "hot"; empty for none).
    property string zoneFault: ""

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
    readonly property bool warning: hasProduct && trayState === stateWarning
    readonly property bool mismatch: !!view && view.mismatch === true
    readonly property bool faulted: zoneFault !== ""
    readonly property real margin: 4

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
    // The map keeps the cabinet's order; the words in a tile read as the language does.
    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    radius: 3
    border.color: mismatch ? Theme.wrongPan : Theme.border
    border.width: mismatch ? 4 : 1

    // The tile's colour once more, square and inside the rounded corners and the border:
    // an opaque square lets the software renderer repaint a countdown over this one fill
    // instead of over the window, the zone and the tile's corners beneath it.
    Rectangle {
        anchors.fill: parent
        anchors.margins: Math.max(bin.radius, bin.border.width)
        color: bin.color
        visible: bin.hasProduct
    }

    // Discard pulses slowly so that it draws the eye without being hard to read. Made only
    // for a bin to discard: most tiles never pulse.
    Loader {
        anchors.fill: parent
        active: bin.discard
        sourceComponent: Rectangle {
            id: pulse
            radius: bin.radius
            color: "black"
            opacity: 0
            SequentialAnimation on opacity {
                running: bin.visible
                loops: Animation.Infinite
                onRunningChanged: if (!running) pulse.opacity = 0
                NumberAnimation { to: 0.35; duration: 700; easing.type: Easing.InOutSine }
                NumberAnimation { to: 0; duration: 700; easing.type: Easing.InOutSine }
            }
        }
    }

    Text {
        objectName: "binNumberText"
        anchors.centerIn: parent
        visible: !bin.hasProduct
        text: bin.binNumber + 1
        textFormat: Text.PlainText
        color: Theme.textDisabled
        font.family: Theme.fontFamily
        font.pixelSize: Math.max(22, bin.height / 3)
    }

    // The product's part of the tile: made for a bin that holds one, so that the empty
    // bins of the first screen cost a rectangle and a number.
    Loader {
        id: productPart
        anchors.fill: parent
        active: bin.hasProduct
        sourceComponent: Item {
            id: tile
            readonly property color textColour: bin.warning ? "black" : Theme.text

            // What the cook must act on first: a bin past its time, then its zone's fault, then a
            // wrong pan, then a bin running out. The others stay marked beside it.
            readonly property string urgency: bin.discard ? "discard"
                                            : bin.faulted ? "fault"
                                            : bin.mismatch ? "wrongPan"
                                            : bin.warning ? "warning"
                                            : bin.hasProduct && bin.trayState === bin.statePreheating ? "preheating"
                                            : ""
            readonly property string stateWord: {
                var unused = tro.emptyStr
                switch (urgency) {
                case "discard": return qsTr("DISCARD")
                case "fault": return qsTr("FAULT")
                case "wrongPan": return qsTr("WRONG PAN")
                case "warning": return qsTr("WARNING")
                case "preheating": return qsTr("Preheating")
                default: return ""
                }
            }

            // The product's timer colour, while the Preferences turn timer colours on: the timer on
            // that background, its text in the palette's readable colour for it (none when the
            // colour is not one of the palette's, or is its no-colour entry).
            readonly property string timerBack: bin.view && bin.view.timerColor ? String(bin.view.timerColor) : ""
            readonly property string paletteFore: timerBack !== "" && timerBack !== "#fffffd"
                                                  && typeof configManager !== "undefined" && !!configManager
                                                  && configManager.timerColorStatus === true
                                                  && typeof menuManager !== "undefined" && !!menuManager
                                                  ? menuManager.getProductTimerForeColor(timerBack) : ""
            // A few of the palette's pairs put black on a dark shade: the timer then takes white
            // (or black) instead, whichever reads better, as no timer may be unreadable.
            readonly property string timerFore: paletteFore === "" || contrast(paletteFore, timerBack) >= 3 ? paletteFore
                                                : contrast("#ffffff", timerBack) >= contrast("#000000", timerBack) ? "#ffffff" : "#000000"
            readonly property bool timerColoured: bin.counting && timerFore !== ""

            // Sizes: the Preferences' label size (24 to 48) as far as the tile lets it, never below
            // what reads from two metres.
            readonly property int labelSize: typeof configManager !== "undefined" && !!configManager
                                             && configManager.labelFontSize > 0 ? configManager.labelFontSize : 24
            // Tiles taller than the 5x4 cabinet's take larger texts.
            readonly property real textScale: Math.max(1, bin.height / 110)
            readonly property real topHeight: Math.max(26, Math.min(labelSize * 1.25 * textScale, bin.height * 0.4))
            readonly property real bottomHeight: bin.height - topHeight - 3 * bin.margin
            readonly property int nameSize: Math.max(22, Math.min(labelSize * textScale, topHeight * 0.85))
            readonly property int wordSize: Math.max(20, Math.min(labelSize * textScale, topHeight * 0.7))
            readonly property int timerSize: Math.max(40, Math.min(labelSize * 2 * textScale, bottomHeight * 0.9))
            readonly property real markSize: Math.min(topHeight - 2, 40)

            // Contrast of two colours as the accessibility guidelines define it (1 to 21).
            function luminance(colour) {
                var c = Qt.tint(colour, "transparent") // the text as a colour
                function channel(v) { return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4) }
                return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b)
            }
            function contrast(a, b) {
                var la = luminance(a), lb = luminance(b)
                return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05)
            }

            // Minutes keep counting past the hour: a 2 h hold starts at 120:00.
            function formatTime(seconds) {
                var negative = seconds < 0
                var total = Math.abs(seconds)
                var m = Math.floor(total / 60)
                var s = total % 60
                return (negative ? "-" : "") + (m < 10 ? "0" : "") + m + ":" + (s < 10 ? "0" : "") + s
            }


            // Top row: the state word on a dark chip, then the name in what is left; the marks of
            // a zone fault and a wrong pan at its end.
            Item {
                id: top
                visible: bin.hasProduct
                anchors { left: parent.left; right: parent.right; top: parent.top; margins: bin.margin }
                height: tile.topHeight

                Rectangle {
                    id: chip
                    objectName: "binStateChip"
                    visible: tile.stateWord !== ""
                    anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                    height: parent.height
                    width: visible ? Math.min(wordMetrics.implicitWidth + 2 * bin.margin + 1, top.width - (marks.width > 0 ? marks.width + bin.margin : 0)) : 0
                    // The word's natural width, measured apart from the label it sizes.
                    Text { id: wordMetrics; visible: false; font: word.font; textFormat: Text.PlainText; text: tile.stateWord }
                    radius: 3
                    color: Theme.background
                    Text {
                        id: word
                        objectName: "binStateLabel"
                        textFormat: Text.PlainText
                        font.family: Theme.fontFamily
                        anchors.fill: parent
                        anchors.leftMargin: bin.margin
                        anchors.rightMargin: bin.margin
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        text: tile.stateWord
                        color: Theme.text
                        font.pixelSize: tile.wordSize
                        font.bold: true
                        elide: Text.ElideRight
                    }
                }

                // Laid out by hand, not by a Row: the marks must be in place before the next frame.
                Item {
                    id: marks
                    anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                    height: tile.markSize
                    width: (bin.faulted ? tile.markSize : 0) + (bin.mismatch ? tile.markSize : 0)
                           + (bin.faulted && bin.mismatch ? 2 : 0)
                    // The zone's fault: "!" on the warning amber, on every bin of the zone.
                    Rectangle {
                        objectName: "binFaultBadge"
                        anchors.right: parent.right
                        visible: bin.faulted
                        width: tile.markSize
                        height: tile.markSize
                        radius: width / 2
                        color: Theme.warning
                        border.color: "black"
                        border.width: 2
                        Text {
                            objectName: "binFaultBadgeText"
                            textFormat: Text.PlainText
                            font.family: Theme.fontFamily
                            anchors.centerIn: parent
                            // Laid out only while shown, as on most bins it never is.
                            text: bin.faulted ? "!" : ""
                            color: "black"
                            font.pixelSize: tile.wordSize
                            font.bold: true
                        }
                    }
                    // A wrong pan: a cross on the wrong-pan colour, beside the tile's thick border.
                    Rectangle {
                        objectName: "binMismatchBanner"
                        anchors.left: parent.left
                        visible: bin.mismatch
                        width: tile.markSize
                        height: tile.markSize
                        radius: 3
                        color: Theme.wrongPan
                        border.color: "white"
                        border.width: 2
                        // The cross is made on the first wrong pan, not for every tile.
                        Loader {
                            anchors.fill: parent
                            active: bin.mismatch
                            sourceComponent: Item {
                                Rectangle {
                                    anchors.centerIn: parent
                                    width: parent.width * 0.7
                                    height: 4
                                    color: "white"
                                    rotation: 45
                                }
                                Rectangle {
                                    anchors.centerIn: parent
                                    width: parent.width * 0.7
                                    height: 4
                                    color: "white"
                                    rotation: -45
                                }
                            }
                        }
                    }
                }
            }

            // Bottom row: the countdown, overdue time included, whatever else the bin shows; on
            // the product's timer colour while that is on.
            Rectangle {
                id: timerBackground
                objectName: "binTimerBackground"
                x: timer.x
                y: timer.y
                width: timer.width
                height: timer.height
                visible: timer.visible && tile.timerColoured
                color: tile.timerColoured ? tile.timerBack : "transparent"
                radius: 3
            }
            Text {
                id: timer
                objectName: "binTimer"
                // What the countdown is read on, as a label names its background.
                readonly property Item background: timerBackground
                anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: bin.margin }
                height: tile.bottomHeight
                visible: bin.counting
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                // Laid out only while shown: fitting a hidden text would try font sizes for nothing.
                text: bin.counting ? tile.formatTime(bin.view.remainingTime) : ""
                textFormat: Text.PlainText
                color: tile.timerColoured ? tile.timerFore : tile.textColour
                font.family: Theme.fontFamily
                font.pixelSize: tile.timerSize
                font.bold: true
                // Hours-long holds past their time are the only texts too wide for a small tile.
                // Fitting lays the text out at several sizes, every second: only a text that
                // does not fit at its size is fitted.
                fontSizeMode: timerMetrics.advanceWidth * 1.05 <= width ? Text.FixedSize : Text.HorizontalFit
                minimumPixelSize: 30
                // Digits are equally wide: the measured text changes only with the number
                // of characters, so it is laid out again only then.
                TextMetrics {
                    id: timerMetrics
                    font: timer.font
                    text: timer.text.replace(/[0-9]/g, "0")
                }
            }

            // The product's name: after the state word on the top row, or, without a countdown
            // while a state word takes the top, the bottom row to itself.
            Text {
                objectName: "binProductName"
                readonly property bool below: !bin.counting && tile.stateWord !== ""
                // The top row between the state word and the marks, whichever side each is on.
                readonly property real marksWidth: marks.width > 0 ? marks.width + bin.margin : 0
                readonly property real chipWidth: chip.visible ? chip.width + bin.margin : 0
                readonly property real rowStart: bin.margin + (Theme.rightToLeft ? marksWidth : chipWidth)
                readonly property real rowEnd: bin.width - bin.margin - (Theme.rightToLeft ? chipWidth : marksWidth)
                // A name squeezed to a letter or two says nothing: the state word has the row.
                visible: bin.hasProduct && width >= 2 * font.pixelSize
                x: below ? bin.margin : rowStart
                y: below ? bin.height - bin.margin - tile.bottomHeight : bin.margin
                width: Math.max(0, below ? bin.width - 2 * bin.margin : rowEnd - rowStart)
                height: below ? tile.bottomHeight : tile.topHeight
                horizontalAlignment: chip.visible && !below ? Text.AlignLeft : Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: bin.view ? bin.view.productName : ""
                textFormat: Text.PlainText
                color: tile.textColour
                font.family: Theme.fontFamily
                font.pixelSize: tile.nameSize
                font.bold: true
                elide: Text.ElideRight
            }

        }
    }

    // The touch's feedback: in the scene only while pressed, as every item in it is gone
    // over on each frame.
    Rectangle {
        anchors.fill: parent
        radius: parent.radius
        color: "white"
        opacity: 0.25
        visible: tapArea.pressed
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
