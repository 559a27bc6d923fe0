import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The cookbook's messages: a notice with a close button (further notices are appended
// while it stands) or a question with yes and no.
Item {
    id: dialog
    objectName: "cookbookDialog"
    visible: false
    property string title: ""
    property string text: ""
    property bool question: false
    property var yesAction: null
    property var noAction: null

    function inform(message) {
        if (visible && !question) {
            text = text + "<br><br>" + message
            return
        }
        title = ""
        text = message
        question = false
        yesAction = null
        noAction = null
        visible = true
    }
    function ask(titleText, message, yes, no) {
        title = titleText
        text = message
        question = true
        yesAction = yes
        noAction = no || null
        visible = true
    }
    function answer(yes) {
        var action = yes ? yesAction : noAction
        visible = false
        yesAction = null
        noAction = null
        if (action)
            action()
    }

    Rectangle { anchors.fill: parent; color: Theme.scrim }
    MouseArea { anchors.fill: parent } // modal

    Rectangle {
        width: parent.width * 0.7
        height: Math.min(parent.height - Theme.spacing, column.implicitHeight + 2 * Theme.spacing)
        anchors.centerIn: parent
        color: Theme.surfaceRaised
        radius: Theme.radius * 2
        border.width: Theme.borderWidth
        border.color: Theme.border
        Column {
            id: column
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: Theme.spacing }
            spacing: Theme.spacing
            Label {
                objectName: "cookbookDialogTitle"
                width: parent.width
                visible: dialog.title !== ""
                text: dialog.title
                font.pixelSize: Theme.fontTitle
                font.bold: true
                horizontalAlignment: Text.AlignHCenter
            }
            Label {
                objectName: "cookbookDialogText"
                width: parent.width
                text: dialog.text
                wrapMode: Text.WordWrap
                textFormat: Text.StyledText
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: Theme.fontBody
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: Theme.spacing
                CookbookButton {
                    objectName: "cookbookDialogYes"
                    visible: dialog.question
                    highlighted: true
                    text: qsTranslate("Cookbook", "Yes") + Theme.retranslate()
                    onClicked: dialog.answer(true)
                }
                CookbookButton {
                    objectName: "cookbookDialogNo"
                    visible: dialog.question
                    text: qsTranslate("Cookbook", "No") + Theme.retranslate()
                    onClicked: dialog.answer(false)
                }
                CookbookButton {
                    objectName: "cookbookDialogClose"
                    visible: !dialog.question
                    highlighted: true
                    text: qsTranslate("Cookbook", "Close") + Theme.retranslate()
                    onClicked: dialog.visible = false
                }
            }
        }
    }
}
