import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// A full-screen notice with an optional wait indicator, shown while the back end works.
// A closable notice has a Close button; its owner hides it on closed().
Item {
    id: notice
    visible: false
    property string text
    property bool busy: false
    property bool closable: false
    signal closed()

    Rectangle { anchors.fill: parent; color: "#e0000000" }
    MouseArea { anchors.fill: parent }
    // Made when first shown: a notice nobody sees lays no text out.
    Loader {
        anchors.fill: parent
        active: notice.visible || status === Loader.Ready
        sourceComponent: Item {
            Column {
                anchors.centerIn: parent
                spacing: 20
                BusyIndicator { anchors.horizontalCenter: parent.horizontalCenter; running: notice.visible && notice.busy; visible: notice.busy }
                Label {
                    width: notice.width * 0.8
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    textFormat: Text.StyledText
                    font.pixelSize: Theme.fontLarge
                    text: notice.text
                }
                Button {
                    objectName: notice.objectName + "Close"
                    visible: notice.closable
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: Math.max(180, implicitWidth)
                    height: Theme.touchTarget
                    text: qsTr("Close") + tro.emptyStr
                    highlighted: true
                    onClicked: notice.closed()
                }
            }
        }
    }
}
