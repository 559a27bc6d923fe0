import QtQuick 2.15
import "qrc:/theme"
import "Countdown.js" as Countdown

// One bin of the cabinet map: product, countdown and hold state of holding.bins[binNumber],
// readable from two metres. The most urgent word on top, the product's name, the countdown
// at the bottom, each on lines of its own and sized from the tile's width and height and
// the Preferences' label font size. A tap anywhere on the tile starts or stops the bin.
// Before the holding back end exists (or for a bin it does not have) the tile shows an
// empty bin.
Rectangle {
    id: bin
    objectName: "binItem" + binNumber
    property int binNumber: 0
    // The heater fault of the bin's zone ("open", "shorted", "hot"; empty for none).
    property string zoneFault: ""
    // The tiles' bold type at 100 px in the language's font, which every size is fitted from.
    property FontMetrics metrics: null

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
    readonly property real margin: 2

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

    // What the tile holds: the product's part for a bin that holds one, else the bin's
    // number, so that the empty bins of the first screen cost a rectangle and a number.
    Loader {
        id: productPart
        anchors.fill: parent
        sourceComponent: bin.hasProduct ? productTile : emptyTile
    }
    Component {
        id: emptyTile
        Item {
            Text {
                objectName: "binNumberText"
                anchors.centerIn: parent
                text: bin.binNumber + 1
                textFormat: Text.PlainText
                color: Theme.textDisabled
                font.family: Theme.fontFamily
                font.pixelSize: Math.max(22, bin.height / 3)
            }
        }
    }
    Component {
        id: productTile
        Item {
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

            // Sizes, fitted to the tile's width and height together. From the top: the state
            // word on a line (two if it must) of its own, the product's name on one or two
            // lines, the countdown. The name takes the Preferences' label size (24 to 48) and
            // wraps before it shrinks; what a small tile cannot give is taken first from the
            // countdown, then the name, then the word, never below 40, 22 and 20 px; a name
            // too long for two lines at 22 px is cut short. Where even the minimums do not
            // stack at the fonts' own line spacing, the lines close up to their letters.
            // Worked out again only when the tile, the texts or the countdown's length change.
            readonly property int labelSize: typeof configManager !== "undefined" && !!configManager
                                             && configManager.labelFontSize > 0 ? configManager.labelFontSize : 24
            readonly property string nameText: bin.view ? bin.view.productName : ""
            // The countdown, and the same with its digits all alike, as it is laid out: that
            // changes only with its shape (length and sign).
            readonly property string timerText: bin.counting ? Countdown.format(bin.view.remainingTime) : ""
            readonly property int timerShape: bin.counting ? Countdown.shape(bin.view.remainingTime) : 0
            readonly property string timerPattern: timerShape !== 0 ? Countdown.pattern(timerShape) : ""
            // The zone's fault and wrong-pan marks: squares as high as the word's line.
            readonly property real markSize: Math.max(20, Math.min(40, fit.word))
            readonly property var fit: fitTexts(bin.width - 2 * bin.margin, bin.height - 2 * bin.margin,
                                                labelSize, nameText, stateWord, timerPattern, Theme.fontFamily,
                                                bin.faulted, bin.mismatch)

            // Widths of a text's unbreakable pieces at 100 px, with whether a space comes before
            // each; every CJK character is a piece of its own.
            function pieces(text) {
                var out = []
                var re = /[\u1100-\u11ff\u2e80-\u9fff\uac00-\ud7af\uf900-\ufaff\uff00-\uffef]|[^\s\u1100-\u11ff\u2e80-\u9fff\uac00-\ud7af\uf900-\ufaff\uff00-\uffef]+/g
                var m, last = 0
                while ((m = re.exec(text)) !== null) {
                    out.push({ w: bin.metrics.advanceWidth(m[0]), space: m.index > last && out.length > 0 })
                    last = m.index + m[0].length
                }
                return out
            }
            // Lines the pieces take at `size` px in `width` (a piece wider than the line: 99).
            function linesOf(parts, size, width) {
                var k = size / 100, space = bin.metrics.advanceWidth(" ") * k
                var lines = parts.length > 0 ? 1 : 0, used = 0
                for (var i = 0; i < parts.length; ++i) {
                    var w = parts[i].w * k
                    if (w > width)
                        return 99
                    var add = used > 0 ? w + (parts[i].space ? space : 0) : w
                    if (used > 0 && used + add > width) {
                        ++lines
                        used = w
                    } else {
                        used += add
                    }
                }
                return lines
            }
            function fitTexts(width, height, label, name, word, timerText, family, faulted, mismatch) {
                var unused = family // the metrics follow the language's font
                var slack = 0.96 // what the measure may miss of the real layout
                var nameParts = pieces(name), wordParts = pieces(word)
                var markCount = (faulted ? 1 : 0) + (mismatch ? 1 : 0)
                var wordWidthAt = function(size) {
                    var mark = Math.max(20, Math.min(40, size))
                    var marks = markCount * mark + (markCount > 1 ? 2 : 0)
                    return (width - (marks > 0 ? marks + bin.margin : 0) - 2 * bin.margin) * slack
                }
                var natural = bin.metrics.height / 100
                var timerEm = timerText !== "" ? bin.metrics.advanceWidth(timerText) / 100 : 0
                var timerMax = timerText !== "" ? Math.max(40, Math.floor(width * slack / timerEm)) : 0
                var f = {}
                // At the fonts' own line spacing first, then with the lines closed up to their
                // letters (and to the tile's border), and only then the name on one line.
                for (var pass = 0; pass < 3; ++pass) {
                    var textPitch = pass === 0 ? natural : 0.92
                    var timerPitch = pass === 0 ? natural : 0.72 // digits have no descenders
                    var room = pass === 0 ? height : height + 2 * bin.margin - 2
                    var nameRoom = pass === 2 ? 1 : 2
                    // A countdown whose own line spacing is taller than the tile would reach past it.
                    var timerTop = Math.max(40, Math.min(timerMax, Math.floor((height + 2 * bin.margin - 2) / natural)))
                    f = { word: word !== "" ? Math.max(20, Math.round(label * 0.85)) : 0, wordLines: 0,
                          name: label, nameLines: 0, timer: timerText !== "" ? Math.min(timerTop, 3 * label) : 0,
                          textPitch: textPitch, timerPitch: timerPitch, gap: pass === 0 ? 2 : 0 }
                    for (var step = 0; step < 200; ++step) {
                        var nameNeeds = linesOf(nameParts, f.name, width * slack)
                        var wordNeeds = linesOf(wordParts, f.word, wordWidthAt(f.word))
                        // A word too long for the line even alone is cut, not broken.
                        f.wordLines = word === "" ? 0 : wordNeeds >= 99 ? 1 : Math.min(2, wordNeeds)
                        f.nameLines = Math.max(1, Math.min(nameRoom, nameNeeds)) // a line kept for a name to come
                        var blocks = (f.wordLines > 0 ? 1 : 0) + 1 + (f.timer > 0 ? 1 : 0)
                        var total = f.wordLines * f.word * textPitch + f.nameLines * f.name * textPitch
                                    + f.timer * timerPitch + Math.max(0, blocks - 1) * f.gap
                        // Too wide: a smaller name or word; too high: the countdown first.
                        if (nameNeeds > nameRoom && f.name > 22)
                            f.name -= 1
                        else if (wordNeeds > 2 && f.word > 20)
                            f.word -= 1
                        else if (total <= room)
                            return f // cut short only where even the minimum does not fit
                        else if (f.name > 24)
                            f.name -= 1 // what the label size adds goes first
                        else if (f.word > 20)
                            f.word -= 1
                        else if (f.timer > 40)
                            f.timer -= 1
                        else if (f.name > 22)
                            f.name -= 1
                        else
                            break
                    }
                }
                return f // the minimums, closed up: the tile's limit
            }
            // Where the blocks sit: the word on top, the countdown at the bottom, the name
            // between them, the spare height shared out.
            readonly property real wordHeight: fit.wordLines * fit.word * fit.textPitch
            readonly property real nameHeight: fit.nameLines * fit.name * fit.textPitch
            readonly property real timerHeight: fit.timer * fit.timerPitch
            readonly property int blockCount: (fit.wordLines > 0 ? 1 : 0) + 1 + (fit.timer > 0 ? 1 : 0)
            readonly property real spare: bin.height - 2 * bin.margin - wordHeight - nameHeight - timerHeight
            readonly property real gap: blockCount > 1 ? spare / (blockCount - 1) : 0
            // Closed-up lines start at the border.
            readonly property real wordTop: spare < 0 ? 1 : bin.margin
            readonly property real nameTop: blockCount === 1 ? bin.margin + spare / 2
                                            : spare < 0 ? wordTop + wordHeight
                                            : bin.margin + (wordHeight > 0 ? wordHeight + gap : 0)
            readonly property real timerTop: bin.height - (spare < 0 ? 1 : bin.margin) - timerHeight

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


            // The tile's colour once more, square and inside the rounded corners and the border:
            // an opaque square lets the software renderer repaint a countdown over this one fill
            // instead of over the window, the zone and the tile's corners beneath it.
            Rectangle {
                anchors.fill: parent
                anchors.margins: Math.max(bin.radius, bin.border.width)
                color: bin.color
            }

            // Discard pulses slowly so that it draws the eye without being hard to read. Made
            // only for a bin to discard: most tiles never pulse.
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

            // The state word on a dark chip, on a line of its own; the marks of a zone fault and
            // a wrong pan at its end.
            Rectangle {
                id: chip
                objectName: "binStateChip"
                visible: tile.stateWord !== ""
                anchors { left: parent.left; leftMargin: bin.margin }
                y: tile.wordTop
                height: tile.wordHeight
                // The word's width measured, not laid out: a wrapped word's layout follows the width.
                width: visible ? Math.min(bin.metrics.advanceWidth(tile.stateWord) * tile.fit.word / 100 + 4 * bin.margin + 2,
                                          bin.width - 2 * bin.margin - (marks.width > 0 ? marks.width + bin.margin : 0)) : 0
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
                    font.pixelSize: tile.fit.word > 0 ? tile.fit.word : 20
                    font.bold: true
                    wrapMode: Text.WordWrap
                    maximumLineCount: Math.max(1, tile.fit.wordLines)
                    lineHeightMode: Text.FixedHeight
                    lineHeight: font.pixelSize * tile.fit.textPitch
                    elide: Text.ElideRight
                }
            }

            // Laid out by hand, not by a Row: the marks must be in place before the next frame.
            // Made for a bin that shows one: on most bins neither ever shows.
            Loader {
                id: marks
                anchors { right: parent.right; rightMargin: bin.margin }
                y: tile.wordTop + (tile.wordHeight - height) / 2
                height: tile.markSize
                width: (bin.faulted ? tile.markSize : 0) + (bin.mismatch ? tile.markSize : 0)
                       + (bin.faulted && bin.mismatch ? 2 : 0)
                active: bin.faulted || bin.mismatch || status === Loader.Ready
                sourceComponent: Item {
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
                            // Laid out only while shown.
                            text: bin.faulted ? "!" : ""
                            color: "black"
                            font.pixelSize: Math.max(18, tile.markSize * 0.8)
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
                        // The cross is made on the first wrong pan, not for a fault's badge.
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

            // The countdown, overdue time included, whatever else the bin shows; on the
            // product's timer colour while that is on. Made when the bin first counts.
            Loader {
                anchors.fill: parent
                active: bin.counting || status === Loader.Ready
                sourceComponent: Item {
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
                        anchors { left: parent.left; right: parent.right; margins: bin.margin }
                        y: tile.timerTop
                        height: tile.timerHeight
                        visible: bin.counting
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        // Laid out only while shown.
                        text: tile.timerText
                        textFormat: Text.PlainText
                        color: tile.timerColoured ? tile.timerFore : tile.textColour
                        font.family: Theme.fontFamily
                        font.pixelSize: tile.fit.timer > 0 ? tile.fit.timer : 40
                        font.bold: true
                    }
                }
            }

            // The product's name, on one or two lines between the word and the countdown.
            Text {
                objectName: "binProductName"
                visible: bin.hasProduct
                anchors { left: parent.left; right: parent.right; margins: bin.margin }
                y: tile.nameTop
                height: tile.nameHeight
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: tile.nameText
                textFormat: Text.PlainText
                color: tile.textColour
                font.family: Theme.fontFamily
                font.pixelSize: tile.fit.name
                font.bold: true
                wrapMode: Text.Wrap
                maximumLineCount: Math.max(1, tile.fit.nameLines)
                lineHeightMode: Text.FixedHeight
                lineHeight: font.pixelSize * tile.fit.textPitch
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
