import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The System Information page: the versions of this program, the cloud agent and the IO
// and reader boards, then the cabinet's numbers and the digest of its menu.
Rectangle {
    id: page
    objectName: "systemInformationPage"
    color: Theme.background
    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    property var rows: []
    function refresh() { rows = configManager.systemInformationRows() }
    onVisibleChanged: if (visible) refresh()
    Component.onCompleted: refresh()

    // Row labels, for the catalogues.
    readonly property var labels: [QT_TR_NOOP("UI (Primary)"), QT_TR_NOOP("UI (Secondary)"), QT_TR_NOOP("IoT"),
        QT_TR_NOOP("LuMo SDK"), QT_TR_NOOP("Master I/O board"), QT_TR_NOOP("I/O board"),
        QT_TR_NOOP("Slave I/O board #%1"), QT_TR_NOOP("Reader board #1"), QT_TR_NOOP("Reader board #2")]

    Row {
        anchors.fill: parent
        anchors.margins: Theme.spacing
        spacing: Theme.spacingLarge
        Column {
            width: (parent.width - Theme.spacingLarge) / 2
            spacing: 4
            Repeater {
                model: page.rows
                Row {
                    objectName: "versionRow" + index
                    spacing: Theme.spacingSmall
                    Label {
                        width: 220
                        font.pixelSize: Theme.fontBody
                        color: Theme.textSecondary
                        text: (modelData.number > 0 ? qsTr(modelData.label).arg(modelData.number)
                                                    : qsTr(modelData.label)) + tro.emptyStr
                        elide: Text.ElideRight
                    }
                    Label {
                        objectName: "versionValue" + index
                        font.pixelSize: Theme.fontBody
                        text: modelData.value
                    }
                }
            }
        }
        Column {
            width: (parent.width - Theme.spacingLarge) / 2
            spacing: 4
            // A fixed model: a changed number updates its label, where a model holding
            // the values would build every row again (and leave the old ones to the
            // collector) on each change, a store number sent by the cloud included.
            Repeater {
                model: [
                    { label: QT_TR_NOOP("Serial #:"), key: "serialNumber" },
                    { label: QT_TR_NOOP("Model #:"), key: "modelNumber" },
                    { label: QT_TR_NOOP("Store #:"), key: "storeNumber" },
                    { label: QT_TR_NOOP("MacAddr:"), key: "macAddress" },
                    { label: QT_TR_NOOP("Menu MD5"), key: "productsHashCode" }
                ]
                Row {
                    spacing: Theme.spacingSmall
                    Label {
                        width: 120
                        font.pixelSize: Theme.fontBody
                        color: Theme.textSecondary
                        text: qsTr(modelData.label) + tro.emptyStr
                    }
                    Label {
                        objectName: "identityValue" + index
                        width: 260
                        font.pixelSize: Theme.fontBody
                        text: configManager[modelData.key]
                        elide: Text.ElideMiddle
                    }
                }
            }
        }
    }
}
