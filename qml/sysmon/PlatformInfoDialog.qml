import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// Which kernel and which board support package the device runs, for service staff:
// a scrolling message with a Close button.
Dialog {
    id: dialog
    objectName: "platformInfoDialog"
    property alias text: message.text

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: parent ? parent.width * 0.8 : 640
    height: parent ? parent.height * 0.8 : 384
    modal: true
    closePolicy: Popup.CloseOnEscape
    title: qsTr("Platform Info") + (typeof tro !== "undefined" ? tro.emptyStr : "")

    contentItem: Flickable {
        id: flick
        LayoutMirroring.enabled: Theme.rightToLeft
        LayoutMirroring.childrenInherit: true
        clip: true
        contentWidth: width
        contentHeight: message.implicitHeight
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { policy: flick.contentHeight > flick.height ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded }
        Text {
            id: message
            objectName: "platformInfoText"
            width: flick.width - Theme.scrollBarWidth
            wrapMode: Text.WrapAnywhere
            textFormat: Text.StyledText
            color: Theme.text
            font.pixelSize: Theme.fontSmall
            font.family: Theme.fontFamily
        }
    }

    footer: Item {
        implicitHeight: Theme.touchTarget + Theme.spacing
        Button {
            objectName: "platformInfoClose"
            anchors.centerIn: parent
            width: 160
            height: Theme.touchTarget
            font.family: Theme.fontFamily
            text: qsTr("Close") + (typeof tro !== "undefined" ? tro.emptyStr : "")
            onClicked: dialog.close()
        }
    }
}
