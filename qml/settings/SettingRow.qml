import QtQuick 2.15
import QtQuick.Layouts 1.15

// One labelled line of a settings page: the label on the leading side, the control after it.
RowLayout {
    id: row
    property alias label: caption.text
    default property alias control: holder.data

    Layout.fillWidth: true
    Layout.preferredHeight: 56
    spacing: 16

    Text {
        id: caption
        Layout.preferredWidth: 260
        color: "white"
        font.pixelSize: 22
        elide: Text.ElideRight
        horizontalAlignment: Text.AlignLeft
    }
    Item {
        id: holder
        Layout.fillWidth: true
        Layout.fillHeight: true
    }
}
