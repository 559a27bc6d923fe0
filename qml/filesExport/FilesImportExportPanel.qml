import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"
import "qrc:/haccpLog"

// "Files Import/Export", opened from the Utilities page: the holding-log export and the
// menu update list (import and export of the menu tool's files). Usable while Utilities
// is locked: the exports need only the flash drive, and the update list carries a
// lock of its own.
Rectangle {
    id: panel
    objectName: "filesPanel"
    color: Theme.background
    // Where the busy overlay goes (the area of the service pages) and where the update
    // list's PIN pad goes (the service pages with their header, as the carousel's).
    property Item overlayParent: panel
    property Item pinParent: panel
    signal backRequested()
    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    // A drive plugged in since the service pages opened enables the exports.
    onVisibleChanged: {
        if (visible && typeof cabinetManager !== "undefined" && cabinetManager.refreshFlashDriveMounted)
            cabinetManager.refreshFlashDriveMounted()
    }

    Item {
        id: bar
        anchors { top: parent.top; left: parent.left; right: parent.right; margins: Theme.spacingSmall }
        height: Theme.touchTarget

        Button {
            id: back
            objectName: "filesBackButton"
            anchors { left: parent.left; verticalCenter: parent.verticalCenter }
            width: Theme.touchTarget + 8
            height: Theme.touchTarget
            text: Theme.rightToLeft ? "\u2192" : "\u2190"
            font.pixelSize: Theme.fontTitle
            onClicked: panel.backRequested()
        }
        Row {
            id: tabs
            anchors { left: back.right; leftMargin: Theme.spacingSmall; verticalCenter: parent.verticalCenter }
            spacing: Theme.spacingSmall
            Repeater {
                model: [QT_TR_NOOP("Menu Update"), QT_TR_NOOP("Menu Export")]
                Button {
                    objectName: index === 0 ? "menuUpdateTab" : "menuExportTab"
                    width: Math.max(Theme.touchTarget * 2, Math.min(implicitWidth, 200))
                    height: Theme.touchTarget
                    highlighted: updates.currentIndex === index
                    text: qsTr(modelData) + Theme.retranslate()
                    onClicked: updates.currentIndex = index
                }
            }
        }
        ExportHaccpLogButton {
            anchors { right: parent.right; left: tabs.right; leftMargin: Theme.spacing; verticalCenter: parent.verticalCenter }
            overlayParent: panel.overlayParent
            flashDriveMounted: cabinetManager.flashDriveMounted
        }
    }

    UpdatesListView {
        id: updates
        anchors { top: bar.bottom; topMargin: Theme.spacingSmall; left: parent.left; right: parent.right; bottom: parent.bottom }
        overlayParent: panel.pinParent
    }
}
