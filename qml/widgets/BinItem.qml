import QtQuick 2.15
import "qrc:/theme"
import "Countdown.js" as Countdown

// One bin of the cabinet map: product, countdown and hold state of holding.bins[binNumber],
// readable from two metres. The most urgent word on top, the product's name, the countdown
// at the bottom, each on lines of its own and sized from the tile's width and height and
// the Preferences' label font size. A tap on the tile starts or stops the bin, except on
// the line of a wrong pan's or a zone fault's mark.
// Before the holding back end exists (or for a bin it does not have) the tile shows an
// empty bin.
// Twenty tiles are made before the first frame: each binding here is evaluated twenty
// times then, so the tile keeps few, and makes what most tiles never show when first shown.
Rectangle {
    id: bin
    objectName: "binItem" + binNumber
    property int binNumber: 0
    // The heater fault of the bin's zone ("open", "shorted", "hot"; empty for none).
    property string zoneFault: ""
    // What the map's tiles share (see CabinetView): the back end's bins, the label size, the
    // tiles' bold type at 100 px in the language's font, which every size is fitted from, and
    // the sizes fitted so far.
    property QtObject shared: null

    readonly property var view: {
        var bins = shared ? shared.binViews : null
        return bins && binNumber >= 0 && binNumber < bins.length ? bins[binNumber] || null : null
    }
    // The tray state while the bin holds a product, as the holding back end numbers it
    // (2 assigned, 3 preheating, 4 ready, 5 holding, 6 standard, 7 warning, 8 discard;
    // from 5 on it counts); 0 for a bin without one.
    readonly property int tray: view && view.productId > 0 && view.trayState >= 2 ? view.trayState : 0
    readonly property bool mismatch: !!view && view.mismatch === true

    color: {
        switch (tray) {
        case 0: return Theme.surface
        case 3: return Theme.accentStrong
        case 5:
        case 6: return Theme.ok
        case 7: return Theme.warning
        case 8: return Theme.danger
        default: return Theme.surfacePressed
        }
    }

    radius: 3
    border.color: mismatch ? Theme.wrongPan : Theme.border
    border.width: mismatch ? 4 : 1

    // What the tile holds: the product's part for a bin that holds one, else the bin's
    // number, so that the empty bins of the first screen cost a rectangle and a number.
    Loader {
        id: productPart
        anchors.fill: parent
        sourceComponent: bin.tray > 0 ? productTile : emptyTile
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
        // Its parts take their widths from the bin, not from this item: the loader sizes it
        // only once it is made, and a text first laid out at another width is laid out again.
        Item {
            id: tile
            // What the cook must act on first: a bin past its time, then its zone's fault, then a
            // wrong pan, then a bin running out. The others stay marked beside it.
            readonly property string stateWord: {
                var unused = tro.emptyStr
                return bin.tray === 8 ? qsTr("DISCARD")
                     : bin.zoneFault !== "" ? qsTr("FAULT")
                     : bin.mismatch ? qsTr("WRONG PAN")
                     : bin.tray === 7 ? qsTr("WARNING")
                     : bin.tray === 3 ? qsTr("Preheating")
                     : ""
            }
            // The countdown, and the same with its digits all alike, as it is laid out: that
            // changes only with its shape (length and sign).
            readonly property string timerText: bin.tray >= 5 ? Countdown.format(bin.view.remainingTime) : ""
            readonly property int timerShape: bin.tray >= 5 ? Countdown.shape(bin.view.remainingTime) : 0
            readonly property string timerPattern: timerShape !== 0 ? Countdown.pattern(timerShape) : ""
            // The texts' sizes and places, and the marks' size; worked out again only when the
            // tile, the texts or the countdown's length change, and once for tiles alike.
            readonly property var fit: fitTexts(bin.width, bin.height, bin.shared.labelSize,
                                                bin.view ? bin.view.productName : "", stateWord, timerPattern,
                                                bin.zoneFault !== "", bin.mismatch)

            // The parts most tiles never show, made when first shown and kept from then on: the
            // countdown (1), the zone-fault and wrong-pan marks (2), and the discard pulse (4),
            // which goes with the discard. Their z keeps the tile's order of drawing: the square,
            // the pulse, the chip, the marks, the countdown, the name.
            readonly property int parts: (bin.tray >= 5 ? 1 : 0) | (bin.zoneFault !== "" || bin.mismatch ? 2 : 0)
                                         | (bin.tray === 8 ? 4 : 0)
            property Item countdownItem: null
            property Item marksItem: null
            property Item pulseItem: null
            // Not before the tile is complete: the parts read its fit.
            property bool complete: false
            onPartsChanged: if (complete) makeParts()
            Component.onCompleted: {
                complete = true
                makeParts()
            }
            function makeParts() {
                if ((parts & 1) && !countdownItem)
                    countdownItem = countdownPart.createObject(tile)
                if ((parts & 2) && !marksItem)
                    marksItem = marksPart.createObject(tile)
                if ((parts & 4) && !pulseItem) {
                    pulseItem = pulsePart.createObject(tile)
                } else if (!(parts & 4) && pulseItem) {
                    pulseItem.visible = false
                    pulseItem.destroy()
                    pulseItem = null
                }
            }

            // Widths of a text's unbreakable pieces at 100 px, with whether a space comes before
            // each; every CJK character is a piece of its own.
            function pieces(text, metrics) {
                var out = []
                var re = /[\u1100-\u11ff\u2e80-\u9fff\uac00-\ud7af\uf900-\ufaff\uff00-\uffef]|[^\s\u1100-\u11ff\u2e80-\u9fff\uac00-\ud7af\uf900-\ufaff\uff00-\uffef]+/g
                var m, last = 0
                while ((m = re.exec(text)) !== null) {
                    out.push({ w: metrics.advanceWidth(m[0]), space: m.index > last && out.length > 0 })
                    last = m.index + m[0].length
                }
                return out
            }
            // Lines the pieces take at `size` px in `width` (a piece wider than the line: 99);
            // `spaceWidth` is a space's at 100 px.
            function linesOf(parts, size, width, spaceWidth) {
                var k = size / 100, space = spaceWidth * k
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
            // The fit of a tile `tileWidth` x `tileHeight`, taken from those already worked out
            // when a tile of that size showed the same texts in the same font.
            function fitTexts(tileWidth, tileHeight, label, name, word, timerText, faulted, mismatch) {
                var fits = bin.shared.fits
                var metrics = bin.shared.metrics
                var key = JSON.stringify([tileWidth, tileHeight, label, name, word, timerText, faulted, mismatch,
                                          metrics.font.family])
                var f = fits[key]
                if (f === undefined) {
                    // Bounded: names, languages and label sizes come and go over the days.
                    if (++fits.count > 500) {
                        for (var k in fits)
                            delete fits[k]
                        fits.count = 1
                    }
                    f = place(fitSizes(tileWidth - 2 * 2, tileHeight - 2 * 2, label, name, word, timerText, faulted, mismatch,
                                       metrics), tileWidth, tileHeight, word, faulted, mismatch, metrics)
                    fits[key] = f
                }
                return f
            }
            // Sizes, fitted to the tile's width and height together. From the top: the state
            // word on a line (two if it must) of its own, the product's name on one or two
            // lines, the countdown. The name takes the Preferences' label size (24 to 48) and
            // wraps before it shrinks; what a small tile cannot give is taken first from the
            // countdown, then the name, then the word, never below 40, 22 and 20 px; a name
            // too long for two lines at 22 px is cut short. Where even the minimums do not
            // stack at the fonts' own line spacing, the lines close up to their letters.
            function fitSizes(width, height, label, name, word, timerText, faulted, mismatch, metrics) {
                var margin = 2
                var slack = 0.96 // what the measure may miss of the real layout
                var nameParts = pieces(name, metrics), wordParts = pieces(word, metrics)
                var spaceWidth = metrics.advanceWidth(" ")
                var markCount = (faulted ? 1 : 0) + (mismatch ? 1 : 0)
                var wordWidthAt = function(size) {
                    var mark = Math.max(20, Math.min(40, size))
                    var marks = markCount * mark + (markCount > 1 ? 2 : 0)
                    return (width - (marks > 0 ? marks + margin : 0) - 2 * margin) * slack
                }
                var natural = metrics.height / 100
                var timerEm = timerText !== "" ? metrics.advanceWidth(timerText) / 100 : 0
                var timerMax = timerText !== "" ? Math.max(40, Math.floor(width * slack / timerEm)) : 0
                var f = {}
                // At the fonts' own line spacing first, then with the lines closed up to their
                // letters (and to the tile's border), and only then the name on one line.
                for (var pass = 0; pass < 3; ++pass) {
                    var textPitch = pass === 0 ? natural : 0.92
                    var timerPitch = pass === 0 ? natural : 0.72 // digits have no descenders
                    var room = pass === 0 ? height : height + 2 * margin - 2
                    var nameRoom = pass === 2 ? 1 : 2
                    // A countdown whose own line spacing is taller than the tile would reach past it.
                    var timerTop = Math.max(40, Math.min(timerMax, Math.floor((height + 2 * margin - 2) / natural)))
                    // The word as large as the name where the tile has room: it is read first.
                    f = { word: word !== "" ? Math.max(20, label) : 0, wordLines: 0,
                          name: label, nameLines: 0, timer: timerText !== "" ? Math.min(timerTop, 3 * label) : 0,
                          textPitch: textPitch, timerPitch: timerPitch, gap: pass === 0 ? 2 : 0 }
                    for (var step = 0; step < 200; ++step) {
                        var nameNeeds = linesOf(nameParts, f.name, width * slack, spaceWidth)
                        var wordNeeds = linesOf(wordParts, f.word, wordWidthAt(f.word), spaceWidth)
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
            // between them, the spare height shared out; the word's chip and the marks at its end.
            function place(f, tileWidth, tileHeight, word, faulted, mismatch, metrics) {
                var margin = 2
                f.wordHeight = f.wordLines * f.word * f.textPitch
                f.nameHeight = f.nameLines * f.name * f.textPitch
                f.timerHeight = f.timer * f.timerPitch
                var blockCount = (f.wordLines > 0 ? 1 : 0) + 1 + (f.timer > 0 ? 1 : 0)
                var spare = tileHeight - 2 * margin - f.wordHeight - f.nameHeight - f.timerHeight
                var gap = blockCount > 1 ? spare / (blockCount - 1) : 0
                // Closed-up lines start at the border.
                f.wordTop = spare < 0 ? 1 : margin
                f.nameTop = blockCount === 1 ? margin + spare / 2
                          : spare < 0 ? f.wordTop + f.wordHeight
                          : margin + (f.wordHeight > 0 ? f.wordHeight + gap : 0)
                f.timerTop = tileHeight - (spare < 0 ? 1 : margin) - f.timerHeight
                f.wordLineHeight = (f.word > 0 ? f.word : 20) * f.textPitch
                f.nameLineHeight = f.name * f.textPitch
                // The zone's fault and wrong-pan marks: squares as high as the word's line.
                f.markSize = Math.max(20, Math.min(40, f.word))
                f.marksWidth = (faulted ? f.markSize : 0) + (mismatch ? f.markSize : 0) + (faulted && mismatch ? 2 : 0)
                // The word's width measured, not laid out: a wrapped word's layout follows the width.
                f.chipWidth = word !== "" ? Math.min(metrics.advanceWidth(word) * f.word / 100 + 4 * margin + 2,
                                                     tileWidth - 2 * margin - (f.marksWidth > 0 ? f.marksWidth + margin : 0)) : 0
                return f
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
            Component {
                id: pulsePart
                Rectangle {
                    id: pulse
                    objectName: "binDiscardPulse"
                    z: 1
                    anchors.fill: parent
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
            // a wrong pan at its end. The words read as the language does: in Arabic the chip
            // starts at the right.
            Rectangle {
                id: chip
                objectName: "binStateChip"
                z: 2
                visible: tile.stateWord !== ""
                x: Theme.rightToLeft ? bin.width - 2 - width : 2
                y: tile.fit.wordTop
                height: tile.fit.wordHeight
                width: tile.fit.chipWidth
                radius: 3
                color: Theme.background
                Text {
                    objectName: "binStateLabel"
                    textFormat: Text.PlainText
                    font.family: Theme.fontFamily
                    x: 2
                    width: chip.width - 2 * 2
                    height: chip.height
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: tile.stateWord
                    color: Theme.text
                    font.pixelSize: tile.fit.word > 0 ? tile.fit.word : 20
                    font.bold: true
                    wrapMode: Text.WordWrap
                    maximumLineCount: Math.max(1, tile.fit.wordLines)
                    lineHeightMode: Text.FixedHeight
                    lineHeight: tile.fit.wordLineHeight
                    elide: Text.ElideRight
                }
            }

            // Laid out by hand, not by a Row: the marks must be in place before the next frame.
            // Made for a bin that shows one: on most bins neither ever shows. At the word's end:
            // on the left in Arabic.
            Component {
                id: marksPart
                Item {
                    z: 3
                    x: Theme.rightToLeft ? 2 : bin.width - 2 - width
                    y: tile.fit.wordTop + (tile.fit.wordHeight - height) / 2
                    height: tile.fit.markSize
                    width: tile.fit.marksWidth
                    // The zone's fault: "!" on the warning amber, on every bin of the zone.
                    Rectangle {
                        objectName: "binFaultBadge"
                        x: Theme.rightToLeft ? 0 : parent.width - width
                        visible: bin.zoneFault !== ""
                        width: tile.fit.markSize
                        height: tile.fit.markSize
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
                            text: bin.zoneFault !== "" ? "!" : ""
                            color: "black"
                            font.pixelSize: Math.max(18, tile.fit.markSize * 0.8)
                            font.bold: true
                        }
                    }
                    // A wrong pan: "not equal" on the wrong-pan colour, beside the tile's thick
                    // border. A mark, not a button: nothing on it reads as a close or a cross.
                    Rectangle {
                        objectName: "binMismatchBanner"
                        x: Theme.rightToLeft ? parent.width - width : 0
                        visible: bin.mismatch
                        width: tile.fit.markSize
                        height: tile.fit.markSize
                        radius: 3
                        color: Theme.wrongPan
                        Text {
                            objectName: "binMismatchMarkText"
                            textFormat: Text.PlainText
                            font.family: Theme.fontFamily
                            anchors.centerIn: parent
                            // Laid out only while shown.
                            text: bin.mismatch ? "\u2260" : ""
                            // Black reads on the wrong-pan colour; white would not, at this size.
                            color: "black"
                            font.pixelSize: Math.max(18, tile.fit.markSize * 0.8)
                            font.bold: true
                        }
                    }
                }
            }

            // The countdown, overdue time included, whatever else the bin shows; on the
            // product's timer colour while that is on. Made when the bin first counts.
            Component {
                id: countdownPart
                Item {
                    id: countdown
                    z: 4
                    // The product's timer colour, while the Preferences turn timer colours on: the
                    // timer on that background, its text in the palette's readable colour for it
                    // (none when the colour is not one of the palette's, or is its no-colour entry).
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
                    readonly property bool coloured: bin.tray >= 5 && timerFore !== ""

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

                    Rectangle {
                        id: timerBackground
                        objectName: "binTimerBackground"
                        x: timer.x
                        y: timer.y
                        width: timer.width
                        height: timer.height
                        visible: timer.visible && countdown.coloured
                        color: countdown.coloured ? countdown.timerBack : "transparent"
                        radius: 3
                    }
                    Text {
                        id: timer
                        objectName: "binTimer"
                        // What the countdown is read on, as a label names its background.
                        readonly property Item background: timerBackground
                        x: 2
                        width: bin.width - 2 * 2
                        y: tile.fit.timerTop
                        height: tile.fit.timerHeight
                        visible: bin.tray >= 5
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        // Laid out only while shown.
                        text: tile.timerText
                        textFormat: Text.PlainText
                        color: countdown.coloured ? countdown.timerFore : bin.tray === 7 ? "black" : Theme.text
                        font.family: Theme.fontFamily
                        font.pixelSize: tile.fit.timer > 0 ? tile.fit.timer : 40
                        font.bold: true
                    }
                }
            }

            // The product's name, on one or two lines between the word and the countdown.
            Text {
                objectName: "binProductName"
                z: 5
                x: 2
                width: bin.width - 2 * 2
                y: tile.fit.nameTop
                height: tile.fit.nameHeight
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: bin.view ? bin.view.productName : ""
                textFormat: Text.PlainText
                color: bin.tray === 7 ? "black" : Theme.text
                font.family: Theme.fontFamily
                font.pixelSize: tile.fit.name
                font.bold: true
                wrapMode: Text.Wrap
                maximumLineCount: Math.max(1, tile.fit.nameLines)
                lineHeightMode: Text.FixedHeight
                lineHeight: tile.fit.nameLineHeight
                elide: Text.ElideRight
            }
        }
    }

    // The touch's feedback, made on the first touch: in the scene only while pressed, as
    // every item in it is gone over on each frame.
    Component {
        id: pressFeedback
        Rectangle {
            anchors.fill: parent
            radius: bin.radius
            color: "white"
            opacity: 0.25
            visible: tapArea.pressed
        }
    }

    // Never smaller than a gloved fingertip, even on a crowded cabinet map.
    MouseArea {
        id: tapArea
        objectName: "binTapArea"
        anchors.centerIn: parent
        width: Math.max(parent.width, 56)
        height: Math.max(parent.height, 56)
        property Item feedback: null
        onPressedChanged: if (pressed && !feedback) feedback = pressFeedback.createObject(bin)
        onClicked: {
            var corner = warningArea.mapToItem(tapArea, 0, 0)
            if (warningArea.visible && mouse.x >= corner.x && mouse.x < corner.x + warningArea.width
                    && mouse.y >= corner.y && mouse.y < corner.y + warningArea.height)
                return
            if (bin.view)
                holding.toggleBin(bin.binNumber)
        }
    }

    // While a mark shows (a wrong pan, a zone fault), the tile's corner around the marks is
    // their warning: a tap there, as on the mark a cook taps to dismiss it, leaves the hold
    // running. Starting and stopping is the rest of the tile, a fingertip wide at least.
    Item {
        id: warningArea
        objectName: "binWarningArea"
        readonly property var fit: bin.tray > 0 && productPart.item ? productPart.item.fit : null
        visible: fit !== null && (bin.mismatch || bin.zoneFault !== "")
        x: Theme.rightToLeft ? 0 : bin.width - width
        width: fit ? Math.max(0, Math.min(bin.width - 56, Math.max(44, fit.marksWidth + 12))) : 0
        height: fit ? Math.min(bin.height, Math.max(44, Math.ceil(fit.wordTop + Math.max(fit.wordHeight, fit.markSize)) + 6)) : 0
    }
}
