import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

// Stays in sight whenever there is more to scroll to, so that a list never looks complete
// when it is not.
T.ScrollBar {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    padding: 2
    minimumSize: orientation === Qt.Horizontal ? height / width : width / height
    policy: T.ScrollBar.AlwaysOn
    visible: control.size < 1.0

    contentItem: Rectangle {
        implicitWidth: Theme.scrollBarWidth
        implicitHeight: Theme.scrollBarWidth
        radius: width / 2
        color: control.pressed ? Theme.accent : Theme.textSecondary
    }

    background: Rectangle {
        implicitWidth: Theme.scrollBarWidth + 4
        implicitHeight: Theme.scrollBarWidth + 4
        radius: width / 2
        color: Theme.surfaceRaised
    }
}
