import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// A button of the cookbook: at least one touch target in both directions.
Button {
    implicitWidth: Math.max(Theme.touchTarget * 2, contentItem.implicitWidth + 2 * Theme.spacing)
    implicitHeight: Theme.touchTarget
    font.pixelSize: Theme.fontBody
}
