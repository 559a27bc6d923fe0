import QtQuick 2.15
import TulDefs 1.0
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
    // The tray state while the bin holds a product (from HOLDING on it counts);
    // TRAY_NULL for a bin without one.
    readonly property int tray: view && view.productId > 0 && view.trayState >= TrayBarSc.ASSIGNED
                                ? view.trayState : TrayBarSc.TRAY_NULL
    readonly property bool counting: tray >= TrayBarSc.HOLDING
    readonly property bool mismatch: !!view && view.mismatch === true

    color: {
        switch (tray) {
        case TrayBarSc.TRAY_NULL: return Theme.surface
        case TrayBarSc.PREHEATING: return Theme.accentStrong
        case TrayBarSc.HOLDING:
        case TrayBarSc.STANDARD: return Theme.ok
        case TrayBarSc.WARNING: return Theme.warning
        case TrayBarSc.DISCARD: return Theme.danger
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
        sourceComponent: bin.tray !== TrayBarSc.TRAY_NULL ? productTile : emptyTile
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
                return bin.tray === TrayBarSc.DISCARD ? qsTr("DISCARD")
                     : bin.zoneFault !== "" ? qsTr("FAULT")
                     : bin.mismatch ? qsTr("WRONG PAN")
                     : bin.tray === TrayBarSc.WARNING ? qsTr("WARNING")
                     : bin.tray === TrayBarSc.PREHEATING ? qsTr("Preheating")
                     : ""
            }
            // The countdown, and the same with its digits all alike, as it is laid out: that
            // changes only with its shape (length and sign).
            readonly property string timerText: bin.counting ? Countdown.format(bin.view.remainingTime) : ""
            readonly property int timerShape: bin.counting ? Countdown.shape(bin.view.remainingTime) : 0
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
            readonly property int parts: (bin.counting ? 1 : 0) | (bin.zoneFault !== "" || bin.mismatch ? 2 : 0)
                                         | (bin.tray === TrayBarSc.DISCARD ? 4 : 0)
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
            // How far a text's letters reach above (a negative number) and below its baseline
            // at `size` px: what is painted, not the line's box, measured at that size, as
            // outlines are fitted to the pixels of each size on their own.
            // Kept for every tile: a fit tries the same texts at the same sizes many times, and
            // a tile whose word comes or goes fits its name again at the sizes it had.
            function inkAt(text, size) {
                if (text === "" || size <= 0)
                    return { top: 0, bottom: 0, height: 0 }
                var inks = bin.shared.inks
                var key = bin.shared.metrics.font.family + "/" + size + "/" + text
                var ink = inks[key]
                if (ink === undefined) {
                    // Bounded as the fits are.
                    if (++inks.count > 2000) {
                        for (var k in inks)
                            delete inks[k]
                        inks.count = 1
                    }
                    var r = bin.shared.metricsAt(size).tightBoundingRect(text)
                    ink = { top: r.y, bottom: r.y + r.height, height: Math.ceil(r.height) }
                    inks[key] = ink
                }
                return ink
            }
            // Sizes, fitted to the tile's width and height together. From the top: the state
            // word on a line (two if it must) of its own on its chip, the product's name on one
            // or two lines, the countdown; the painted letters of each at least 2 px clear of
            // the others and inside the tile. The name takes the Preferences' label size (24 to
            // 48) and wraps before it shrinks; what a small tile cannot give is taken first from
            // the countdown, then the name, then the word, down to 40, 22 and 20 px; a name too
            // long for two lines at 22 px is cut short. Where even those do not stack at the
            // fonts' own line spacing, the lines close up to their letters, then the name takes
            // one line; only a tile that cannot hold the three at those sizes (a 5 x 4 map under
            // the fault banner) takes the three a little below them, never below 32, 18 and 16 px,
            // and where even that cannot hold a word of two lines, the word is cut on one.
            function fitSizes(width, height, label, name, word, timerText, faulted, mismatch, metrics) {
                var margin = 2
                var gap = 2     // between the painted letters of two blocks, and two lines of one
                var chipPad = 1 // the chip around its letters
                var slack = 0.96 // what the measure may miss of the real layout
                var nameParts = pieces(name, metrics), wordParts = pieces(word, metrics)
                var spaceWidth = metrics.advanceWidth(" ")
                var markCount = (faulted ? 1 : 0) + (mismatch ? 1 : 0)
                var markAt = function(size) {
                    return Math.min(40, inkAt(word !== "" ? word : "X", size).height + 2 * chipPad)
                }
                var wordWidthAt = function(size) {
                    var marks = markCount * markAt(size) + (markCount > 1 ? 2 : 0)
                    return (width - (marks > 0 ? marks + margin + 1 : 0) - 2 * margin - 2) * slack
                }
                var timerEm = timerText !== "" ? metrics.advanceWidth(timerText) / 100 : 0
                var timerMax = timerText !== "" ? Math.max(40, Math.floor(width * slack / timerEm)) : 0
                var room = height + 2 * margin - 2 // inside the tile's border
                // Baseline to baseline of two lines of a text: the font's own, or closed up to
                // the letters.
                var pitchOf = function(text, size, closed) {
                    return closed ? inkAt(text, size).height + gap : Math.ceil(bin.shared.metricsAt(size).height)
                }
                var blocksOf = function(f) {
                    return {
                        word: f.wordLines > 0 ? (f.wordLines - 1) * pitchOf(word, f.word, f.closed)
                                                + inkAt(word, f.word).height + 2 * chipPad : 0,
                        name: (f.nameLines - 1) * pitchOf(name, f.name, f.closed) + inkAt(name, f.name).height,
                        timer: f.timer > 0 ? inkAt(timerText, f.timer).height : 0
                    }
                }
                var heightOf = function(f) {
                    var b = blocksOf(f)
                    return b.word + b.name + b.timer + ((b.word > 0 ? 1 : 0) + (b.timer > 0 ? 1 : 0)) * gap
                }
                var lines = function(f) {
                    var nameNeeds = linesOf(nameParts, f.name, width * slack, spaceWidth)
                    var wordNeeds = linesOf(wordParts, f.word, wordWidthAt(f.word), spaceWidth)
                    // A word too long for the line even alone is cut, not broken.
                    f.wordLines = word === "" ? 0 : wordNeeds >= 99 ? 1 : Math.min(f.wordRoom, wordNeeds)
                    f.nameLines = Math.max(1, Math.min(f.nameRoom, nameNeeds)) // a line kept for a name to come
                    return { name: nameNeeds, word: wordNeeds }
                }
                var finish = function(f) {
                    var b = blocksOf(f)
                    f.wordPitch = f.word > 0 ? pitchOf(word, f.word, f.closed) : 20
                    f.namePitch = pitchOf(name, f.name, f.closed)
                    f.timerPitch = f.timer > 0 ? pitchOf(timerText, f.timer, true) : 40
                    // From the top of the letters down to the baseline.
                    f.wordAscent = -inkAt(word, f.word).top
                    f.nameAscent = -inkAt(name, f.name).top
                    f.timerAscent = -inkAt(timerText, f.timer).top
                    f.wordHeight = b.word
                    f.nameHeight = b.name
                    f.timerHeight = b.timer
                    f.markSize = markAt(f.word > 0 ? f.word : 20)
                    f.chipPad = chipPad
                    return f
                }
                // A countdown whose letters are taller than the tile would reach past it.
                var timerTop = 0
                if (timerText !== "") {
                    // Near it by the measure at 100 px, then to the pixel at the size itself.
                    var timer100 = metrics.tightBoundingRect(timerText).height
                    timerTop = Math.max(40, Math.min(timerMax, 3 * label, Math.floor(room * 100 / Math.max(1, timer100)) + 2))
                    while (timerTop > 40 && inkAt(timerText, timerTop).height > room)
                        --timerTop
                }
                // The sizes that fit with the lines `closed` up or not and the name and the word
                // on at most `nameRoom` and `wordRoom` lines, shrinking as said above; the
                // minimums where they do not fit, with `fits` false.
                var fitting = function(closed, nameRoom, wordRoom) {
                    // The word as large as the name where the tile has room: it is read first.
                    var f = { word: word !== "" ? Math.max(20, label) : 0, wordLines: 0,
                              name: label, nameLines: 0, timer: timerTop,
                              closed: closed, nameRoom: nameRoom, wordRoom: wordRoom, fits: false }
                    for (var step = 0; step < 200; ++step) {
                        var needs = lines(f)
                        // Too wide: a smaller name or word; too high: the countdown first.
                        if (needs.name > f.nameRoom && f.name > 22)
                            f.name -= 1
                        else if (needs.word > 2 && f.word > 20)
                            f.word -= 1
                        else if (heightOf(f) <= room)
                            break // cut short only where even the minimum does not fit
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
                    f.fits = heightOf(f) <= room
                    return f
                }
                // The tile's limit: the three a step smaller in turn, the countdown first.
                var atLimit = function(f) {
                    for (var turn = 0; turn < 60 && heightOf(f) > room; ++turn) {
                        if (turn % 3 === 0 && f.timer > 32)
                            f.timer -= 1
                        else if (turn % 3 === 1 && f.name > 18)
                            f.name -= 1
                        else if (turn % 3 === 2 && f.word > 16)
                            f.word -= 1
                        lines(f)
                    }
                    f.fits = heightOf(f) <= room
                    return f
                }
                // At the fonts' own line spacing first, then with the lines closed up to their
                // letters, then the name on one line, then smaller; and only where even that
                // does not fit, a word that takes two lines cut short on one.
                var f = fitting(false, 2, 2)
                if (!f.fits)
                    f = fitting(true, 2, 2)
                if (!f.fits)
                    f = fitting(true, 1, 2)
                if (!f.fits)
                    f = atLimit(f)
                if (!f.fits && f.wordLines > 1) {
                    f = fitting(true, 1, 1)
                    if (!f.fits)
                        f = atLimit(f)
                }
                return finish(f)
            }
            // Where the blocks sit: the word's chip on top, the countdown at the bottom, the name
            // between them, the spare height shared out; the marks at the chip's end. Places are
            // those of the painted letters; each text puts its baseline where they come out.
            function place(f, tileWidth, tileHeight, word, faulted, mismatch, metrics) {
                var margin = 2
                var edge = 1 // the tile's border
                var blockCount = (f.wordHeight > 0 ? 1 : 0) + 1 + (f.timerHeight > 0 ? 1 : 0)
                var spare = Math.max(0, tileHeight - 2 * edge - f.wordHeight - f.nameHeight - f.timerHeight
                                        - (blockCount - 1) * 2)
                // Up to the usual margin from the border, the rest between the blocks.
                var outer = Math.min(margin, Math.floor(spare / (blockCount + 1)))
                var between = 2 + (blockCount > 1 ? Math.floor((spare - 2 * outer) / (blockCount - 1)) : 0)
                f.wordTop = edge + outer
                f.nameTop = blockCount === 1 ? Math.floor((tileHeight - f.nameHeight) / 2)
                          : f.wordHeight > 0 ? f.wordTop + f.wordHeight + between
                          : edge + outer
                f.timerTop = Math.floor(tileHeight - edge - outer - f.timerHeight)
                f.wordLineHeight = f.wordPitch
                f.nameLineHeight = f.namePitch
                // The zone's fault and wrong-pan marks: squares as high as the word's chip.
                f.marksWidth = (faulted ? f.markSize : 0) + (mismatch ? f.markSize : 0) + (faulted && mismatch ? 2 : 0)
                // The word's width measured, not laid out: a wrapped word's layout follows the width.
                f.chipWidth = word !== "" ? Math.floor(Math.min(metrics.advanceWidth(word) * f.word / 100 + 4 * margin + 2,
                                                                tileWidth - 2 * margin - (f.marksWidth > 0 ? f.marksWidth + margin + 1 : 0))) : 0
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
                x: Theme.rightToLeft ? Math.floor(bin.width - 2 - width) : 2
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
                    y: tile.fit.chipPad + tile.fit.wordAscent - baselineOffset
                    width: chip.width - 2 * 2
                    height: Math.max(1, tile.fit.wordLines) * tile.fit.wordLineHeight
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignTop
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
                    x: Theme.rightToLeft ? 2 : Math.floor(bin.width - 2 - width)
                    y: tile.fit.wordTop + Math.floor((tile.fit.wordHeight - height) / 2)
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
                    readonly property bool coloured: bin.counting && timerFore !== ""

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
                        y: tile.fit.timerTop - 1
                        width: timer.width
                        height: tile.fit.timerHeight + 2
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
                        y: tile.fit.timerTop + tile.fit.timerAscent - baselineOffset
                        height: tile.fit.timerPitch
                        visible: bin.counting
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignTop
                        lineHeightMode: Text.FixedHeight
                        lineHeight: tile.fit.timerPitch
                        // Laid out only while shown.
                        text: tile.timerText
                        textFormat: Text.PlainText
                        color: countdown.coloured ? countdown.timerFore : bin.tray === TrayBarSc.WARNING ? "black" : Theme.text
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
                y: tile.fit.nameTop + tile.fit.nameAscent - baselineOffset
                height: tile.fit.nameLines * tile.fit.nameLineHeight
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignTop
                text: bin.view ? bin.view.productName : ""
                textFormat: Text.PlainText
                color: bin.tray === TrayBarSc.WARNING ? "black" : Theme.text
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
        readonly property var fit: bin.tray !== TrayBarSc.TRAY_NULL && productPart.item ? productPart.item.fit : null
        visible: fit !== null && (bin.mismatch || bin.zoneFault !== "")
        x: Theme.rightToLeft ? 0 : bin.width - width
        width: fit ? Math.max(0, Math.min(bin.width - 56, Math.max(44, fit.marksWidth + 12))) : 0
        height: fit ? Math.min(bin.height, Math.max(44, Math.ceil(fit.wordTop + Math.max(fit.wordHeight, fit.markSize)) + 6)) : 0
    }
}
