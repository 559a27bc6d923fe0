import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The import page: the menu files of the flash drive (or, after a long press on
// Refresh, of the preloaded menus) and the import of the one picked.
Rectangle {
    id: page
    objectName: "ovUsbUpdateItem"
    color: Theme.background
    property bool unlocked: true
    // The width the list's lock takes at the header's end.
    property real lockRoom: 0
    property string selectedOvFile: ""
    // 0 the flash drive, 1 the preloaded menus.
    property int importSource: 0
    // The import controller; absent where the shell runs without the back end.
    readonly property var proxy: typeof ovp !== "undefined" ? ovp : null
    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    function refresh() {
        if (proxy)
            proxy.getOvImportDirList()
        selectedOvFile = ""
    }

    Item {
        id: header
        anchors { top: parent.top; left: parent.left; right: parent.right; margins: Theme.spacingSmall }
        height: Theme.touchTarget
        Text {
            anchors { left: parent.left; right: parent.right; rightMargin: page.lockRoom + Theme.spacing; verticalCenter: parent.verticalCenter }
            textFormat: Text.StyledText
            text: qsTr("<b>Orvanta</b> Update") + Theme.retranslate()
            elide: Text.ElideRight
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontTitle
        }
    }

    Rectangle {
        id: listFrame
        objectName: "menuFileListFrame"
        anchors { top: header.bottom; topMargin: Theme.spacingSmall; left: parent.left; leftMargin: Theme.spacing }
        width: 440
        height: page.height > page.width ? 350 : 200
        color: Theme.surface
        border.color: Theme.border
        border.width: 1
        ListView {
            id: files
            objectName: "menuFileList"
            anchors { fill: parent; margins: 1 }
            clip: true
            model: page.proxy ? page.proxy.dirContent : []
            delegate: MenuFileRow {
                width: files.width
                fileName: modelData
                selected: page.selectedOvFile === modelData
                onPicked: page.selectedOvFile = modelData
            }
            ScrollBar.vertical: ScrollBar { width: Theme.scrollBarWidth }
        }
        Text {
            objectName: "noFilesText"
            anchors.centerIn: parent
            visible: !page.proxy || page.proxy.numOfFiles === 0
            text: qsTr("No Orvanta files found!") + Theme.retranslate()
            color: Theme.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontBody
        }
    }

    Column {
        anchors { left: listFrame.right; leftMargin: Theme.spacingLarge; verticalCenter: listFrame.verticalCenter }
        spacing: Theme.spacing
        Button {
            id: refreshButton
            objectName: "refreshButton"
            width: 220
            height: Theme.touchTarget
            enabled: page.unlocked
            text: qsTr("Refresh") + Theme.retranslate()
            onClicked: page.refresh()
            onPressAndHold: {
                page.importSource = page.importSource === 0 ? 1 : 0
                ovp.set_importSource(page.importSource)
                page.refresh()
            }
            // Marks that the list shows the preloaded menus.
            Rectangle {
                anchors.fill: parent
                color: "transparent"
                border.color: Theme.danger
                border.width: 4
                visible: page.importSource === 1
            }
        }
        Button {
            objectName: "acceptButton"
            width: 220
            height: Theme.touchTarget
            enabled: page.unlocked && page.selectedOvFile !== "" && page.proxy !== null && !page.proxy.importing
            text: qsTr("Import") + Theme.retranslate()
            onClicked: ovp.importMenuFile(page.selectedOvFile)
        }
    }
}
