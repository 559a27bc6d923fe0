import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"
import "CookbookFormat.js" as Format

// The product editor: names per language, times as hh:mm:ss, temperatures in the display
// unit, fan, zone split, lid, bottom and timer colour. Accept checks every value in the
// cookbook's order and reports the first failure; a good product goes to `accepted`
// with its temperatures in degrees Fahrenheit.
Rectangle {
    id: editor
    objectName: "productEditor"
    visible: false
    color: Theme.background

    property QtObject menu: null
    property QtObject rules: null
    property var cab: ({})
    property bool celsius: false
    property bool showTimerColor: false
    property Item keyboard: null
    property var messages: null // a CookbookDialog

    property int pid: 0
    property var names: Format.emptyNames()
    property int fanSpeed: 100
    property string panSizeX: ""
    property string lidType: "None"
    property string bottomType: "Normal"
    property string timerColor: "#fffffd"
    property int resetTime: 300
    readonly property int nameLanguage: typeof tro !== "undefined" && tro && tro.languageId > 0 && tro.languageId < 15 ? tro.languageId : 0
    readonly property bool qrb: cab.customerId === 3
    readonly property var zoneSplits: Format.splits(cab.traysPerZone)

    signal accepted(int pid, var names, int holdTime, int warningTime, int lowerTemp, int upperTemp,
                    int resetTime, string lidType, string bottomType, string panSizeX, int fanSpeed,
                    string timerColor)
    signal canceled()

    function shownTemp(f) { return String(celsius && rules ? rules.toCelsius(f) : f) }
    function fahrenheit(text) {
        var v = parseInt(text, 10)
        if (isNaN(v))
            return -1
        return celsius && rules ? rules.toFahrenheit(v) : v
    }

    function openFor(productId, row) {
        pid = productId
        if (productId === 0) {
            names = Format.emptyNames()
            holdField.text = Format.hms(1800)
            warningField.text = Format.hms(300)
            resetTime = 300
            upperField.text = shownTemp(200)
            lowerField.text = shownTemp(200)
            lidType = "None"
            bottomType = "Normal"
            panSizeX = zoneSplits[0]
            fanSpeed = 100
            timerColor = "#fffffd"
        } else {
            var list = menu.getProductEditNameList(row)
            var copy = []
            for (var l = 0; l < 15; ++l)
                copy.push(list && list.length > l ? String(list[l]) : "")
            names = copy
            holdField.text = Format.hms(menu.getProductEditHoldTime(row))
            warningField.text = Format.hms(menu.getProductEditWarningTime(row))
            resetTime = Number(menu.getProductEditResetTime(row))
            upperField.text = shownTemp(Number(menu.getProductEditUpperTemp(row)))
            lowerField.text = shownTemp(Number(menu.getProductEditLowerTemp(row)))
            lidType = String(menu.getProductEditLidType(row))
            bottomType = String(menu.getProductEditBottomType(row))
            panSizeX = String(menu.getProductEditPanSizeX(row))
            fanSpeed = Number(menu.getProductEditFanSpeed(row)) || 100
            timerColor = String(menu.getProductEditTimerColor(row)) || "#fffffd"
        }
        resetField.text = Format.hms(resetTime)
        fanField.text = String(fanSpeed)
        nameField.text = names[nameLanguage]
        // Always from the top: a form left scrolled would put the next taps on other fields.
        flick.contentY = flick.originY
        visible = true
    }
    function close() {
        if (keyboard)
            keyboard.hide()
        visible = false
    }

    // What a range error allows, in the unit the value is entered in.
    function allowedRange(error) {
        var low, high
        if (error === 1) {
            low = Format.hms(rules.shortestHoldTime())
            high = Format.hms(rules.longestHoldTime())
        } else if (error === 5) {
            var unit = celsius ? "\u00b0C" : "\u00b0F"
            low = shownTemp(rules.lowestTemperature()) + unit
            high = shownTemp(rules.highestTemperature()) + unit
        } else {
            return ""
        }
        return "<br>" + qsTranslate("Cookbook", "Allowed: %1 to %2").arg(low).arg(high)
    }

    function accept() {
        var filled = Format.filledNames(names, nameLanguage)
        var hold = Format.seconds(holdField.text)
        var warning = Format.seconds(warningField.text)
        var reset = resetRow.visible ? Format.seconds(resetField.text) : resetTime
        var upper = fahrenheit(upperField.text)
        var lower = fahrenheit(lowerField.text)
        var fan = cab.hasFan ? Math.max(50, Math.min(100, parseInt(fanField.text, 10) || 100)) : 0
        var error = rules.productErrorOf(hold, warning, filled[nameLanguage], reset < 0 ? 3600 : reset, lower, upper)
        var texts = ["",
                     qsTranslate("Cookbook", "Invalid hold time value!"),
                     qsTranslate("Cookbook", "Invalid warning time value!"),
                     qsTranslate("Cookbook", "Invalid product name!"),
                     qsTranslate("Cookbook", "Invalid reset time value!"),
                     qsTranslate("Cookbook", "Invalid hold temperature!")]
        if (error !== 0) {
            messages.inform(texts[error] + allowedRange(error))
            return false
        }
        close()
        accepted(pid, filled, hold, warning, lower, upper, reset, lidType, bottomType, panSizeX, fan, timerColor)
        return true
    }

    onNameLanguageChanged: if (visible) nameField.text = names[nameLanguage]

    Flickable {
        id: flick
        objectName: "productEditorForm"
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: buttons.top; margins: Theme.spacingSmall }
        contentHeight: form.implicitHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { width: Theme.scrollBarWidth; policy: ScrollBar.AsNeeded }

        Grid {
            id: form
            width: flick.width - Theme.scrollBarWidth
            columns: 2
            columnSpacing: Theme.spacing
            rowSpacing: Theme.spacingSmall
            verticalItemAlignment: Grid.AlignVCenter
            readonly property int labelWidth: width * 0.38
            readonly property int fieldWidth: width - labelWidth - columnSpacing

            Label { objectName: "nameLanguageLabel"; width: form.labelWidth; text: qsTranslate("Cookbook", "Name") + " (" + (typeof tro !== "undefined" && tro ? tro.getLanguageName(editor.nameLanguage) : "") + ")" + Theme.retranslate(); elide: Text.ElideRight }
            CookbookTextField {
                id: nameField
                objectName: "nameField"
                width: form.fieldWidth
                keyboard: editor.keyboard
                multilingual: true
                maximumLength: 32
                onTextChanged: {
                    if (!editor.visible)
                        return
                    var copy = editor.names.slice()
                    copy[editor.nameLanguage] = text
                    editor.names = copy
                }
            }
            Label { width: form.labelWidth; text: qsTranslate("Cookbook", "Holding time") + Theme.retranslate(); elide: Text.ElideRight }
            CookbookTextField { id: holdField; objectName: "holdTimeField"; width: form.fieldWidth; keyboard: editor.keyboard; numeric: true; inputMask: "99:99:99" }
            Label { width: form.labelWidth; text: qsTranslate("Cookbook", "Cook more alert time") + Theme.retranslate(); elide: Text.ElideRight }
            CookbookTextField { id: warningField; objectName: "warningTimeField"; width: form.fieldWidth; keyboard: editor.keyboard; numeric: true; inputMask: "99:99:99" }
            Label { id: resetRow; visible: editor.cab.nfcEnabled === true && !editor.qrb; width: form.labelWidth; text: qsTranslate("Cookbook", "Reset time") + Theme.retranslate(); elide: Text.ElideRight }
            CookbookTextField { id: resetField; objectName: "resetTimeField"; visible: resetRow.visible; width: form.fieldWidth; keyboard: editor.keyboard; numeric: true; inputMask: "99:99:99" }
            Label {
                width: form.labelWidth; elide: Text.ElideRight
                text: (editor.qrb ? qsTranslate("Cookbook", "Hold Temp") : qsTranslate("Cookbook", "Upper temperature"))
                      + (editor.celsius ? " (\u00b0C)" : " (\u00b0F)") + Theme.retranslate()
            }
            CookbookTextField { id: upperField; objectName: "upperTempField"; width: form.fieldWidth; keyboard: editor.keyboard; numeric: true; maximumLength: 3 }
            Label {
                width: form.labelWidth; elide: Text.ElideRight
                text: (editor.qrb ? qsTranslate("Cookbook", "Product temp") : qsTranslate("Cookbook", "Lower temperature"))
                      + (editor.celsius ? " (\u00b0C)" : " (\u00b0F)") + Theme.retranslate()
            }
            CookbookTextField { id: lowerField; objectName: "lowerTempField"; width: form.fieldWidth; keyboard: editor.keyboard; numeric: true; maximumLength: 3 }
            Label { visible: editor.cab.hasFan === true; width: form.labelWidth; text: qsTranslate("Cookbook", "Fan speed") + " (%)" + Theme.retranslate(); elide: Text.ElideRight }
            CookbookTextField { id: fanField; objectName: "fanSpeedField"; visible: editor.cab.hasFan === true; width: form.fieldWidth; keyboard: editor.keyboard; numeric: true; maximumLength: 3 }
            Label { width: form.labelWidth; text: qsTranslate("Cookbook", "Zone splits") + Theme.retranslate(); elide: Text.ElideRight }
            Row {
                spacing: 2
                Repeater {
                    model: editor.zoneSplits
                    CookbookButton {
                        objectName: "split" + index
                        implicitWidth: Theme.touchTarget + Theme.spacing
                        text: modelData
                        checked: editor.panSizeX === modelData
                        onClicked: editor.panSizeX = modelData
                    }
                }
            }
            Label { width: form.labelWidth; text: qsTranslate("Cookbook", "Lid type") + Theme.retranslate(); elide: Text.ElideRight }
            Row {
                spacing: 2
                Repeater {
                    model: [QT_TRANSLATE_NOOP("Cookbook", "None"), QT_TRANSLATE_NOOP("Cookbook", "Solid"),
                            QT_TRANSLATE_NOOP("Cookbook", "Vented")]
                    CookbookButton {
                        objectName: "lid" + modelData
                        text: qsTranslate("Cookbook", modelData) + Theme.retranslate()
                        checked: editor.lidType === modelData
                        onClicked: editor.lidType = modelData
                    }
                }
            }
            Label { width: form.labelWidth; text: qsTranslate("Cookbook", "Bottom type") + Theme.retranslate(); elide: Text.ElideRight }
            Row {
                spacing: 2
                Repeater {
                    model: [QT_TRANSLATE_NOOP("Cookbook", "Normal"), QT_TRANSLATE_NOOP("Cookbook", "False")]
                    CookbookButton {
                        objectName: "bottom" + modelData
                        text: qsTranslate("Cookbook", modelData) + Theme.retranslate()
                        checked: editor.bottomType === modelData
                        onClicked: editor.bottomType = modelData
                    }
                }
            }
            Label { visible: editor.showTimerColor; width: form.labelWidth; text: qsTranslate("Cookbook", "Timer colour") + Theme.retranslate(); elide: Text.ElideRight }
            Rectangle {
                objectName: "timerColorButton"
                visible: editor.showTimerColor
                width: Theme.touchTarget * 2; height: Theme.touchTarget
                color: editor.timerColor
                border.width: Theme.borderWidth
                border.color: Theme.border
                MouseArea { anchors.fill: parent; onClicked: colorPicker.visible = true }
            }
        }
    }

    Row {
        id: buttons
        anchors { right: parent.right; bottom: parent.bottom; margins: Theme.spacingSmall }
        spacing: Theme.spacing
        CookbookButton {
            objectName: "productEditorCancel"
            text: qsTranslate("Cookbook", "Cancel") + Theme.retranslate()
            onClicked: { editor.close(); editor.canceled() }
        }
        CookbookButton {
            objectName: "productEditorAccept"
            highlighted: true
            text: qsTranslate("Cookbook", "Accept") + Theme.retranslate()
            onClicked: editor.accept()
        }
    }

    TimerColorPicker {
        id: colorPicker
        anchors.fill: parent
        onChosen: editor.timerColor = color
    }
}
