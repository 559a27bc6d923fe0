import QtQuick 2.15
import VirtualKB 1.0
import "qrc:/theme"

// The alphabetic keyboard: the rows of the input language, Korean syllables composed
// on the preview key, Chinese candidates for typed pinyin, shift with caps lock, the
// "1#" symbols, the "EN" key and the language key.
Rectangle {
    id: keyboard

    property bool portrait: false
    property QtObject keyInput: typeof vki !== "undefined" ? vki : null
    property QtObject translator: typeof tro !== "undefined" ? tro : null
    property QtObject settings: typeof configManager !== "undefined" ? configManager : null

    // Product and group names may be typed in every used language, other fields in English.
    property bool multilingual: false
    property var languages: [0]
    property int inputLanguage: 0
    property bool english: false   // the "EN" key is in use
    property bool symbols: false   // the "1#" key is in use
    property int shownLanguage: -1 // the interface language when the keyboard was shown

    readonly property alias hangulInputString: composer.pending
    readonly property alias hangulCharResult: composer.preview
    readonly property alias pinyinCandidates: composer.candidates
    readonly property alias composer: composer

    readonly property int keyHeight: 48
    readonly property int gap: 4
    readonly property int keyWidth: keyWidthFor(inputLanguage, portrait)
    readonly property bool englishKeyShown: !symbols && inputLanguage >= 10 && inputLanguage <= 14
    readonly property string layoutName: symbols ? "usaQwertyNums"
                                       : english && inputLanguage !== 13 ? englishLayoutFor(inputLanguage)
                                       : layoutFor(inputLanguage)
    readonly property var rowModels: {
        var rows = []
        if (layoutName === "jpnQwertyAlpha")
            rows.push(models.jpnQwertyAlpha_r0)
        for (var i = 1; i <= 3; ++i)
            rows.push(models[layoutName + "_r" + i])
        return rows
    }
    readonly property int firstRowKeys: models[layoutName + "_r1"].count
    readonly property int spaceUnits: firstRowKeys - 5 - (englishKeyShown ? 1 : 0)
    readonly property string keyFont: Theme.fontFor(english || symbols ? 0 : inputLanguage)

    property KeyboardAlphaModels models: KeyboardAlphaModels {}

    function keyWidthFor(language, portraitScreen) {
        if (!portraitScreen)
            return 50
        if (language === 10 || language === 11 || language === 14)
            return 36
        if (language === 5 || language === 6)
            return 40
        return 44
    }
    function layoutFor(language) {
        switch (language) {
        case 1: case 3: return "spaQwertyAlpha"
        case 2: case 4: return "fraQwertyAlpha"
        case 5: return "deuQwertyAlpha"
        case 6: return "itaQwertyAlpha"
        case 9: return "porQwertyAlpha"
        case 10: return "rusQwertyAlpha"
        case 11: return "arabicQwertyAlpha"
        case 12: return "korQwertyAlpha"
        case 13: return "zh_cnQwertyAlpha"
        case 14: return "jpnQwertyAlpha"
        default: return "usaQwertyAlpha"
        }
    }
    function englishLayoutFor(language) {
        switch (language) {
        case 10: return "rusEngQwertyAlpha"
        case 11: return "arabicEngQwertyAlpha"
        case 12: return "korEngQwertyAlpha"
        case 14: return "jpnEngQwertyAlpha"
        default: return layoutFor(language)
        }
    }
    function keyUnitsWidth(units) { return units * keyWidth + (units - 1) * gap }

    function applyInput() {
        var mode = KeyComposer.Plain
        if (!symbols && !english && inputLanguage === 12)
            mode = KeyComposer.Hangul
        else if (!symbols && !english && inputLanguage === 13)
            mode = KeyComposer.Pinyin
        composer.mode = mode
    }

    // Shows the keyboard afresh: lower case, letters, Hangul and pinyin off (the language
    // key or a second "EN" tap turns them on), and the current interface language when it
    // is one of the used languages (else the first of them), English without multilingual
    // support.
    function show(multilingualSupport) {
        languageTimer.stop()
        composer.reset()
        symbols = false
        english = false
        multilingual = multilingualSupport === true
        shownLanguage = translator ? translator.languageId : 0
        var list = []
        if (multilingual) {
            for (var id = 0; id < 15; ++id) {
                if (!settings || settings.getIsLanguageUsed(id))
                    list.push(id)
            }
        }
        if (list.length === 0)
            list = [0]
        languages = list
        inputLanguage = multilingual && list.indexOf(shownLanguage) >= 0 ? shownLanguage : list[0]
        visible = true
    }

    // Hides it; a syllable being composed goes to the field, the interface language
    // goes back to what it was when the keyboard was shown.
    function hide() {
        composer.mode = KeyComposer.Plain
        languageTimer.stop()
        visible = false
        if (translator && shownLanguage >= 0 && translator.languageId !== shownLanguage)
            translator.setLanguage(shownLanguage)
    }

    function nextLanguage() {
        var at = languages.indexOf(inputLanguage)
        inputLanguage = languages[(at + 1) % languages.length]
        english = false
        symbols = false
        applyInput()
        languageTimer.restart()
    }

    width: parent ? parent.width : keyWidthFor(0, portrait) * 14
    height: column.height + 2 * gap
    color: Theme.surface
    visible: false

    KeyComposer {
        id: composer
        vki: keyboard.keyInput
    }

    // The interface follows the input language once the taps have stopped.
    Timer {
        id: languageTimer
        interval: 800
        onTriggered: {
            if (keyboard.translator)
                keyboard.translator.setLanguage(keyboard.inputLanguage)
        }
    }

    Column {
        id: column
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: keyboard.gap
        spacing: keyboard.gap
        // Arabic rows read from the right, every other layout from the left.
        LayoutMirroring.enabled: keyboard.layoutName === "arabicQwertyAlpha"
        LayoutMirroring.childrenInherit: true

        // The Korean syllable being composed, or the pinyin typed and its candidates.
        Item {
            id: bar
            objectName: "candidateBar"
            width: keyboard.width - 2 * keyboard.gap
            height: Theme.touchTarget
            KeyboardKey {
                id: previewKey
                objectName: "previewKey"
                visible: composer.mode === KeyComposer.Hangul && composer.preview !== ""
                width: Theme.touchTarget
                height: Theme.touchTarget
                label: composer.preview
                fontFamily: Theme.koreanFamily
                fontSize: Theme.fontLarge
                onTapped: composer.sendPreview()
            }
            Text {
                id: pinyinText
                objectName: "pinyinText"
                visible: composer.mode === KeyComposer.Pinyin
                anchors.verticalCenter: parent.verticalCenter
                width: visible ? Math.max(implicitWidth, Theme.touchTarget) : 0
                text: composer.pending
                color: Theme.textSecondary
                font.pixelSize: Theme.fontBody
            }
            ListView {
                id: candidates
                objectName: "candidateList"
                anchors { left: pinyinText.right; leftMargin: keyboard.gap; right: parent.right }
                height: parent.height
                visible: composer.mode === KeyComposer.Pinyin
                orientation: ListView.Horizontal
                spacing: keyboard.gap
                clip: true
                model: composer.candidates.split("")
                onModelChanged: positionViewAtBeginning()
                delegate: KeyboardKey {
                    objectName: "candidate"
                    width: Theme.touchTarget
                    height: Theme.touchTarget
                    label: modelData
                    fontFamily: Theme.chineseFamily
                    fontSize: Theme.fontLarge
                    onTapped: composer.chooseCandidate(modelData)
                }
            }
        }

        Repeater {
            model: keyboard.rowModels
            Row {
                id: keyRow
                objectName: "keyRow"
                property var rowModel: modelData
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: keyboard.gap
                Repeater {
                    model: keyRow.rowModel
                    KeyboardKey {
                        objectName: "key"
                        readonly property bool upperCase: composer.shift !== KeyComposer.Lower
                        readonly property string code: upperCase ? model.upperCode : model.lowerCode
                        width: keyboard.keyUnitsWidth(model.w)
                        height: model.h * keyboard.keyHeight + (model.h - 1) * keyboard.gap
                        label: upperCase ? model.upper : model.lower
                        fontFamily: keyboard.keyFont
                        on: code === "_shift" && composer.shift === KeyComposer.OneShotUpper
                        locked: code === "_shift" && composer.shift === KeyComposer.CapsLock
                        onTapped: {
                            if (code === "_shift")
                                composer.tapShift()
                            else if (code === "_back")
                                composer.back()
                            else
                                composer.key(code)
                        }
                    }
                }
            }
        }

        Row {
            id: bottomRow
            objectName: "bottomRow"
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: keyboard.gap
            LayoutMirroring.enabled: false

            KeyboardKey {
                objectName: "symbolsKey"
                width: keyboard.keyWidth
                height: keyboard.keyHeight
                label: keyboard.symbols ? qsTr("ABC") + (keyboard.translator ? keyboard.translator.emptyStr : "")
                                        : "1#"
                fontFamily: Theme.fontFamily
                fontSize: Theme.fontSmall
                onTapped: {
                    keyboard.symbols = !keyboard.symbols
                    // Symbols turn Hangul and pinyin off; leaving them does not turn them
                    // on again: the language key or a second "EN" tap does.
                    if (keyboard.symbols)
                        composer.mode = KeyComposer.Plain
                    composer.click()
                }
            }
            KeyboardKey {
                objectName: "languageKey"
                visible: keyboard.multilingual
                width: keyboard.keyWidth
                height: keyboard.keyHeight
                label: ["EN", "ES", "FR", "MX", "CA", "DE", "IT", "NL", "PL", "PT", "RU", "\u0639",
                        "\ud55c", "\u4e2d", "\u65e5"][keyboard.inputLanguage]
                fontFamily: Theme.fontFor(keyboard.inputLanguage)
                fontSize: Theme.fontSmall
                on: true
                onTapped: {
                    keyboard.nextLanguage()
                    composer.click()
                }
            }
            KeyboardKey {
                objectName: "englishKey"
                visible: keyboard.englishKeyShown
                width: keyboard.keyWidth
                height: keyboard.keyHeight
                label: "EN"
                fontSize: Theme.fontSmall
                on: keyboard.english
                onTapped: {
                    keyboard.english = !keyboard.english
                    keyboard.applyInput()
                    composer.click()
                }
            }
            KeyboardKey {
                objectName: "commaKey"
                width: keyboard.keyWidth
                height: keyboard.keyHeight
                label: ","
                onTapped: composer.key(",")
            }
            KeyboardKey {
                objectName: "spaceKey"
                width: keyboard.keyUnitsWidth(keyboard.spaceUnits)
                height: keyboard.keyHeight
                label: qsTr("Space") + (keyboard.translator ? keyboard.translator.emptyStr : "")
                fontFamily: Theme.fontFamily
                fontSize: Theme.fontSmall
                onTapped: composer.space()
            }
            KeyboardKey {
                objectName: "periodKey"
                width: keyboard.keyWidth
                height: keyboard.keyHeight
                label: "."
                onTapped: composer.key(".")
            }
            KeyboardKey {
                objectName: "returnKey"
                width: keyboard.keyWidth
                height: keyboard.keyHeight
                label: "\u23ce"
                onTapped: composer.enter()
            }
        }
    }
}
