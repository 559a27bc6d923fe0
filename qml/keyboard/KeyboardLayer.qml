import QtQuick 2.15

// Where the keyboards appear: along the bottom of the screen, over the page whose field
// is being edited. Fields open the alphabetic keyboard (multilingual for product and
// group names) or the numeric pad, and close it when they are done.
Item {
    id: layer

    property bool portrait: false
    readonly property bool alphaShown: alpha.item !== null && alpha.item.visible
    readonly property bool numericShown: numeric.visible
    readonly property alias numericKeyboard: numeric

    function showAlpha(multilingual) {
        numeric.visible = false
        alpha.active = true
        alpha.item.show(multilingual)
    }
    function showNumeric(decimalPoint, minus) {
        if (alphaShown)
            alpha.item.hide()
        numeric.decimalPoint = decimalPoint === true
        numeric.minus = minus === true
        numeric.visible = true
    }
    function hide() {
        if (alphaShown)
            alpha.item.hide()
        numeric.visible = false
    }

    // Made the first time a field asks for it: its hundreds of keys cost nothing before.
    Loader {
        id: alpha
        active: false
        anchors.bottom: parent.bottom
        width: parent.width
        // By name, so that its types are looked up only then.
        source: "KeyboardAlpha.qml"
        onLoaded: {
            item.objectName = "keyboardAlpha"
            item.portrait = Qt.binding(function() { return layer.portrait })
        }
    }

    NumericKeyboard {
        id: numeric
        objectName: "numericKeyboard"
        anchors.bottom: parent.bottom
        anchors.right: parent.right
        visible: false
    }
}
