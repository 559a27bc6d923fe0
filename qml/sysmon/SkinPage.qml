import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/theme"
import "qrc:/config"

// The skin screen, opened from Utilities: the theme's ten colours and type sizes a site
// may change. A colour is picked by hue, saturation and brightness, a size on a slider;
// Save stores the copy under "uiSkin/", every screen takes it at once, and the settings
// are saved. Reset puts the defaults back. Text that would be hard to read on the
// surfaces it stands on is refused, so the screen can always be read to set it right.
Rectangle {
    id: page
    objectName: "skinPage"
    color: Theme.background
    width: 800
    height: 352

    // Texts stand on these surfaces; each must keep this contrast with the text colour.
    readonly property var textGrounds: ["background", "surface", "surfaceRaised", "accentStrong"]
    readonly property real minContrast: 3.0
    readonly property var captions: ({
        "background": QT_TR_NOOP("Background"), "surface": QT_TR_NOOP("Panels"),
        "surfaceRaised": QT_TR_NOOP("Raised panels"), "border": QT_TR_NOOP("Borders"),
        "text": QT_TR_NOOP("Text"), "textSecondary": QT_TR_NOOP("Secondary text"),
        "accent": QT_TR_NOOP("Accent"), "accentStrong": QT_TR_NOOP("Buttons"),
        "fontBody": QT_TR_NOOP("Text size"), "fontTitle": QT_TR_NOOP("Title size")
    })

    // The local copy and the value being edited.
    property var working: ({})
    property string selected: "background"
    property bool changed: false
    property bool refused: false
    readonly property bool selectedIsSize: Theme.isSkinSize(selected)
    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true
    // Back to Utilities; edits not saved stay for the next visit, as when the carousel moves.
    signal backRequested()
    // Set by the pages while Utilities is locked: the page is shown but not changed, and its
    // way back stays open.
    property bool locked: false

    function load() {
        working = Object.assign({}, Theme.skin)
        changed = false
        refused = false
        showSelected()
    }
    // The sliders follow the value chosen.
    function showSelected() {
        var v = working[selected]
        if (selectedIsSize) {
            sizeSlider.value = v
        } else {
            hueSlider.value = configManager.colorGetHueF(v)
            satSlider.value = configManager.colorGetSatF(v)
            valSlider.value = configManager.colorGetLumF(v)
        }
    }
    function select(name) {
        selected = name
        showSelected()
    }
    function setWorking(name, value) {
        var copy = Object.assign({}, working)
        copy[name] = value
        working = copy
        changed = true
        refused = false
    }
    function colourMoved() {
        setWorking(selected, configManager.colorFromHsv(hueSlider.value, satSlider.value, valSlider.value))
    }

    function luminance(hex) {
        var sum = 0
        var weights = [0.2126, 0.7152, 0.0722]
        for (var i = 0; i < 3; ++i) {
            var c = parseInt(hex.substr(1 + 2 * i, 2), 16) / 255
            sum += weights[i] * (c <= 0.03928 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4))
        }
        return sum
    }
    function contrast(a, b) {
        var la = luminance(a), lb = luminance(b)
        return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05)
    }
    function readable(values) {
        for (var i = 0; i < textGrounds.length; ++i) {
            if (contrast(values.text, values[textGrounds[i]]) < minContrast)
                return false
        }
        return true
    }

    // Stores the values, lets the theme take them, saves the settings.
    function store(values) {
        for (var i = 0; i < Theme.skinNames.length; ++i) {
            var name = Theme.skinNames[i]
            configManager.setValue("uiSkin/" + name, values[name])
        }
        Theme.reloadSkin()
        load()
        if (!configManager.saveConfigFile())
            message.show(qsTr("The settings could not be saved.") + tro.emptyStr, true)
    }
    function save() {
        if (!readable(working)) {
            refused = true
            message.show(qsTr("Text would be hard to read on these colors. Choose colors further apart.")
                         + tro.emptyStr, true)
            return
        }
        store(working)
    }
    function resetToDefaults() {
        store(Theme.skinDefaults)
    }
    // The idle return: drop what was not saved.
    function cancelEdits() {
        load()
    }

    Component.onCompleted: load()
    onVisibleChanged: if (visible && !changed) load()

    ListView {
        id: list
        objectName: "skinList"
        anchors { left: parent.left; top: parent.top; bottom: buttons.top; margins: Theme.spacingSmall }
        width: 300
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        spacing: 4
        model: Theme.skinNames
        enabled: !page.locked
        ScrollBar.vertical: ScrollBar { width: Theme.scrollBarWidth; policy: ScrollBar.AsNeeded }
        delegate: ItemDelegate {
            objectName: "skinItem_" + modelData
            width: list.width - Theme.scrollBarWidth - 4
            height: Theme.touchTarget
            highlighted: page.selected === modelData
            onClicked: page.select(modelData)
            contentItem: RowLayout {
                spacing: Theme.spacingSmall
                Rectangle {
                    Layout.preferredWidth: 40
                    Layout.preferredHeight: 32
                    radius: Theme.radius
                    border.width: Theme.borderWidth
                    border.color: Theme.border
                    color: Theme.isSkinSize(modelData) ? "transparent" : page.working[modelData] || "transparent"
                    Label {
                        anchors.centerIn: parent
                        visible: Theme.isSkinSize(modelData)
                        text: page.working[modelData] !== undefined ? page.working[modelData] : ""
                        font.pixelSize: Theme.fontSmall
                    }
                }
                Label {
                    Layout.fillWidth: true
                    text: qsTr(page.captions[modelData]) + tro.emptyStr
                    elide: Text.ElideRight
                    horizontalAlignment: Text.AlignLeft
                }
            }
        }
    }

    ColumnLayout {
        id: editor
        enabled: !page.locked
        anchors { left: list.right; right: parent.right; top: parent.top; bottom: buttons.top
                  leftMargin: Theme.spacing; rightMargin: Theme.spacing; topMargin: Theme.spacingSmall }
        spacing: 4

        RowLayout {
            Layout.fillWidth: true
            Layout.preferredHeight: 44
            Rectangle {
                objectName: "skinPreview"
                Layout.preferredWidth: 120
                Layout.fillHeight: true
                radius: Theme.radius
                border.width: Theme.borderWidth
                border.color: Theme.border
                color: page.selectedIsSize ? page.working.background || Theme.background
                                           : page.working[page.selected] || Theme.background
                Label {
                    anchors.centerIn: parent
                    visible: page.selectedIsSize
                    text: "Aa"
                    color: page.working.text || Theme.text
                    font.pixelSize: page.selectedIsSize ? page.working[page.selected] || Theme.fontBody : Theme.fontBody
                }
            }
            Label {
                objectName: "skinValue"
                Layout.fillWidth: true
                text: page.selectedIsSize ? page.working[page.selected] + " px" : (page.working[page.selected] || "")
                horizontalAlignment: Text.AlignLeft
            }
        }
        RowLayout {
            visible: !page.selectedIsSize
            Layout.fillWidth: true
            Label { Layout.preferredWidth: 140; text: qsTr("Hue") + tro.emptyStr; elide: Text.ElideRight }
            Slider {
                id: hueSlider
                objectName: "skinHueSlider"
                Layout.fillWidth: true
                Layout.preferredHeight: Theme.touchTarget
                from: 0; to: 1; stepSize: 0.01
                onMoved: page.colourMoved()
            }
        }
        RowLayout {
            visible: !page.selectedIsSize
            Layout.fillWidth: true
            Label { Layout.preferredWidth: 140; text: qsTr("Saturation") + tro.emptyStr; elide: Text.ElideRight }
            Slider {
                id: satSlider
                objectName: "skinSaturationSlider"
                Layout.fillWidth: true
                Layout.preferredHeight: Theme.touchTarget
                from: 0; to: 1; stepSize: 0.01
                onMoved: page.colourMoved()
            }
        }
        RowLayout {
            visible: !page.selectedIsSize
            Layout.fillWidth: true
            Label { Layout.preferredWidth: 140; text: qsTr("Brightness") + tro.emptyStr; elide: Text.ElideRight }
            Slider {
                id: valSlider
                objectName: "skinBrightnessSlider"
                Layout.fillWidth: true
                Layout.preferredHeight: Theme.touchTarget
                from: 0; to: 1; stepSize: 0.01
                onMoved: page.colourMoved()
            }
        }
        RowLayout {
            visible: page.selectedIsSize
            Layout.fillWidth: true
            Label { Layout.preferredWidth: 140; text: qsTr("Size") + tro.emptyStr; elide: Text.ElideRight }
            Slider {
                id: sizeSlider
                objectName: "skinSizeSlider"
                Layout.fillWidth: true
                Layout.preferredHeight: Theme.touchTarget
                from: page.selectedIsSize ? Theme.skinSizeLimits[page.selected][0] : 0
                to: page.selectedIsSize ? Theme.skinSizeLimits[page.selected][1] : 1
                stepSize: 1
                snapMode: Slider.SnapAlways
                onMoved: page.setWorking(page.selected, value)
            }
        }
        Item { Layout.fillHeight: true }
    }

    RowLayout {
        id: buttons
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: Theme.spacingSmall }
        height: Theme.touchTarget
        spacing: Theme.spacing
        Button {
            objectName: "skinBackButton"
            Layout.preferredWidth: Theme.touchTarget + 8
            Layout.fillHeight: true
            text: Theme.rightToLeft ? "\u2192" : "\u2190"
            font.pixelSize: Theme.fontTitle
            onClicked: page.backRequested()
        }
        Button {
            objectName: "skinResetButton"
            Layout.fillWidth: true
            Layout.fillHeight: true
            text: qsTr("Reset to defaults") + tro.emptyStr
            enabled: !page.locked
            onClicked: resetQuestion.ask(qsTr("Put the default colors and sizes back?") + tro.emptyStr)
        }
        Button {
            objectName: "skinCancelButton"
            Layout.preferredWidth: 180
            Layout.fillHeight: true
            text: qsTr("Cancel") + tro.emptyStr
            enabled: page.changed && !page.locked
            onClicked: page.cancelEdits()
        }
        Button {
            objectName: "skinSaveButton"
            Layout.preferredWidth: 180
            Layout.fillHeight: true
            text: qsTr("Save") + tro.emptyStr
            highlighted: true
            enabled: page.changed && !page.locked
            onClicked: page.save()
        }
    }

    ConfigMessage {
        id: resetQuestion
        objectName: "skinResetQuestion"
        anchors.fill: parent
        onAnswered: {
            if (yes)
                page.resetToDefaults()
        }
    }
    ConfigMessage {
        id: message
        objectName: "skinMessage"
        anchors.fill: parent
    }
}
