import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The Password page: the manager sets a new PIN on the pad; it is stored in its stored
// form, saved, and reported to the cloud link.
Rectangle {
    id: page
    objectName: "passwordPage"
    color: Theme.background
    // Where the pad opens: the whole area above the dock, the page alone being too low.
    property Item overlayParent: page
    // Away from the page, the pad over the other pages closes with it.
    onVisibleChanged: if (!visible) pad.close()

    Column {
        anchors.centerIn: parent
        spacing: Theme.spacing
        Label {
            width: 480
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: Theme.fontBody
            text: qsTr("The manager's PIN opens the pages of level 1.") + tro.emptyStr
        }
        Button {
            objectName: "changePinButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: 360
            height: Theme.touchTarget
            highlighted: true
            enabled: page.enabled
            text: qsTr("Change manager's PIN") + tro.emptyStr
            onClicked: pad.open(qsTr("NEW PIN#") + tro.emptyStr)
        }
    }

    PinPad {
        id: pad
        parent: page.overlayParent
        anchors.fill: parent
        z: 10
        // An empty PIN is stored like any other: Return alone then opens level 1.
        onEntered: {
            close()
            // Said only once the new PIN is on disk; otherwise the old one still opens.
            if (configManager.changeManagerPasscode(pin))
                done.show(qsTr("Manager's PIN# was changed.") + tro.emptyStr, true)
            else
                done.show(qsTr("The new PIN# could not be saved.<br>The old PIN# still applies.") + tro.emptyStr,
                          true)
        }
    }
    ConfigMessage {
        id: done
        objectName: "passwordMessage"
        anchors.fill: parent
    }
}
