import QtQuick 2.15
import QtQuick.Layouts 1.15
import "qrc:/theme"

// The numeric pad for PINs, numbers and temperatures. The point and the minus key only
// click where the field takes no fractions or negative numbers.
Rectangle {
    id: pad

    property bool decimalPoint: false
    property bool minus: false
    property QtObject keyInput: typeof vki !== "undefined" ? vki : null

    readonly property int keyWidth: Theme.touchTarget + Theme.spacing
    readonly property int gap: 4

    width: grid.width + 2 * Theme.spacingSmall
    height: grid.height + 2 * Theme.spacingSmall
    color: Theme.surface
    radius: Theme.radius
    // Digits read left to right also in Arabic.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    // One grid for every key: the wide keys span two columns (gap included), so every
    // column and row keeps the same width and the same gap.
    GridLayout {
        id: grid
        objectName: "numericKeyGrid"
        anchors.centerIn: parent
        columns: 4
        columnSpacing: pad.gap
        rowSpacing: pad.gap

        Repeater {
            model: ["7", "8", "9", "_back", "4", "5", "6", "-", "1", "2", "3", "."]
            NumericKeyboardButton {
                keyInput: pad.keyInput
                Layout.preferredWidth: pad.keyWidth
                Layout.preferredHeight: Theme.touchTarget
                keycode: modelData === "-" && !pad.minus || modelData === "." && !pad.decimalPoint
                         ? "" : modelData
                label: modelData === "_back" ? "\u232b" : modelData
                opacity: keycode === "" ? 0.4 : 1
            }
        }
        NumericKeyboardButton {
            keyInput: pad.keyInput
            Layout.columnSpan: 2
            Layout.fillWidth: true
            Layout.preferredHeight: Theme.touchTarget
            keycode: "0"
        }
        NumericKeyboardButton {
            keyInput: pad.keyInput
            Layout.columnSpan: 2
            Layout.fillWidth: true
            Layout.preferredHeight: Theme.touchTarget
            keycode: "_return"
            label: "\u23ce"
        }
    }
}
