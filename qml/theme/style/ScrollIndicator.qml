import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "qrc:/theme"

// Always drawn while the content is larger than its view.
T.ScrollIndicator {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    padding: 2
    active: size < 1.0
    visible: size < 1.0

    contentItem: Rectangle {
        implicitWidth: Theme.scrollBarWidth - 4
        implicitHeight: Theme.scrollBarWidth - 4
        radius: width / 2
        color: Theme.textSecondary
    }
}
