import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The timer colours as a grid of 9 columns, row for row as the palette lists them; the
// first cell is "no colour". A tap outside the palette closes it unchanged.
Item {
    id: picker
    objectName: "timerColorPicker"
    visible: false
    property var palette: typeof timerColorsDataList !== "undefined" ? timerColorsDataList : []
    readonly property string noColor: "#fffffd"
    signal chosen(string color)

    Rectangle { anchors.fill: parent; color: Theme.scrim }
    MouseArea { anchors.fill: parent; onClicked: picker.visible = false }

    Rectangle {
        anchors.centerIn: parent
        width: grid.width + 4
        height: grid.height + 4
        color: Theme.surfaceRaised
        MouseArea { anchors.fill: parent } // taps between swatches stay inside
        Grid {
            id: grid
            x: 2; y: 2
            columns: 9
            spacing: 2
            Repeater {
                model: picker.palette
                Rectangle {
                    objectName: "swatch" + index
                    width: 50; height: 50
                    color: modelData.backColor
                    Label {
                        anchors.fill: parent
                        visible: index === 0
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        wrapMode: Text.WordWrap
                        text: qsTranslate("Cookbook", "No colour") + Theme.retranslate()
                        color: "#000000"
                        font.pixelSize: 12
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: {
                            picker.visible = false
                            picker.chosen(index === 0 ? picker.noColor : modelData.backColor)
                        }
                    }
                }
            }
        }
    }
}
