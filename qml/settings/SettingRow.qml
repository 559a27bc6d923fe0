import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/theme"

// One labelled line of a settings page: the label on the leading side, the control after it.
RowLayout {
    id: row
    property alias label: caption.text
    default property alias control: holder.data

    Layout.fillWidth: true
    Layout.preferredHeight: Theme.touchTarget + 4
    spacing: Theme.spacing

    Label {
        id: caption
        Layout.preferredWidth: 260
        font.pixelSize: Theme.fontBody
        elide: Text.ElideRight
        horizontalAlignment: Text.AlignLeft
    }
    Item {
        id: holder
        Layout.fillWidth: true
        Layout.fillHeight: true
    }
}
