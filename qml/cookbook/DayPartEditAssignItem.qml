import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"
import "CookbookFormat.js" as Format

// The picker of a product or group for one bin: every row of the day-part edit model,
// those that do not fit the bin (temperatures, pan size, fan of its zone) greyed, and the
// details of the row picked.
Rectangle {
    id: picker
    objectName: "dayPartAssign"
    visible: false
    color: Theme.background

    // The lid types as stored, for their translations.
    readonly property var lidNames: [QT_TRANSLATE_NOOP("Cookbook", "None"), QT_TRANSLATE_NOOP("Cookbook", "Solid"),
                                     QT_TRANSLATE_NOOP("Cookbook", "Vented")]
    property QtObject menu: null
    property QtObject rules: null
    property QtObject dayParts: null
    property var model: null
    property bool celsius: false
    property var cab: ({})
    property int dayPart: 0
    property int zone: 0
    property int bin: 0
    property var constraints: ({})
    property int pickedRow: -1
    property int revision: 0
    signal assigned()

    function rowOf(r) {
        return { "lowerTemp": Number(menu.dayPartModelGetLowerTemp(r)), "upperTemp": Number(menu.dayPartModelGetUpperTemp(r)),
                 "panSizeX": String(menu.dayPartModelGetPanSizeX(r)), "fanSpeed": Number(menu.dayPartModelGetFanSpeed(r)) }
    }
    function openFor(dp, z, b, zoneBins) {
        dayPart = dp
        zone = z
        bin = b
        constraints = rules.pickerConstraints(zoneBins, b, z)
        pickedRow = -1
        list.selectedRow = -1
        ++revision
        visible = true
    }
    function accept() {
        if (pickedRow < 0)
            return
        dayParts.dayPartEditSetProductId(dayPart, zone, bin, Number(menu.dayPartModelGetId(pickedRow)))
        visible = false
        assigned()
    }
    function temp(f) { return (celsius && rules ? rules.toCelsius(f) : f) + (celsius ? "\u00b0C" : "\u00b0F") }

    ProductsListView {
        id: list
        objectName: "assignList"
        rowName: "assignRow"
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom; margins: Theme.spacingSmall }
        width: parent.width * 0.45
        model: picker.model
        revision: picker.revision
        filter: function(r) { return picker.visible && picker.rules.rowFits(picker.rowOf(r), picker.constraints) }
        selectedRow: picker.pickedRow
        onPicked: picker.pickedRow = row
    }

    Column {
        id: details
        anchors { left: list.right; right: parent.right; top: parent.top; margins: Theme.spacing }
        spacing: 2
        visible: picker.pickedRow >= 0
        readonly property int r: picker.pickedRow
        readonly property int groupId: r >= 0 && picker.menu ? Number(picker.menu.dayPartModelGetGroupId(r)) : 0
        readonly property int groupRow: groupId > 0 ? picker.menu.getGroupEditIndex(groupId) : -1
        ProductInfoRow {
            width: parent.width
            label: qsTranslate("Cookbook", "Name") + Theme.retranslate()
            value: details.r >= 0 ? picker.menu.dayPartModelGetName(details.r) : ""
        }
        ProductInfoRow {
            width: parent.width
            visible: details.groupId === 0
            label: qsTranslate("Cookbook", "Holding time") + Theme.retranslate()
            value: details.r >= 0 ? Format.hms(picker.menu.dayPartModelGetHoldTime(details.r)) : ""
        }
        ProductInfoRow {
            width: parent.width
            visible: details.groupId === 0
            label: qsTranslate("Cookbook", "Cook more alert time") + Theme.retranslate()
            value: details.r >= 0 ? Format.hms(picker.menu.dayPartModelGetWarningTime(details.r)) : ""
        }
        ProductInfoRow {
            width: parent.width
            visible: details.groupId === 0 && picker.cab.nfcEnabled === true && picker.cab.customerId !== 3
            label: qsTranslate("Cookbook", "Reset time") + Theme.retranslate()
            value: details.r >= 0 ? Format.hms(picker.menu.dayPartModelGetResetTime(details.r)) : ""
        }
        ProductInfoRow {
            width: parent.width
            visible: details.groupId === 0 && picker.cab.hasFan === true
            label: qsTranslate("Cookbook", "Fan speed") + Theme.retranslate()
            value: details.r >= 0 ? picker.menu.dayPartModelGetFanSpeed(details.r) + "%" : ""
        }
        ProductInfoRow {
            width: parent.width
            visible: details.groupId === 0
            label: qsTranslate("Cookbook", "Bottom type") + Theme.retranslate()
            value: details.r >= 0 ? qsTranslate("Cookbook", String(picker.menu.dayPartModelGetBottomType(details.r))) : ""
        }
        ProductInfoRow {
            width: parent.width
            visible: details.groupId === 0 && picker.cab.timerColorEnable === true
            label: qsTranslate("Cookbook", "Timer colour") + Theme.retranslate()
            swatch: details.r >= 0 ? String(picker.menu.dayPartModelGetTimerColor(details.r)) : ""
        }
        ProductInfoRow {
            width: parent.width
            label: qsTranslate("Cookbook", "Temperatures") + Theme.retranslate()
            value: details.r >= 0 ? picker.temp(picker.menu.dayPartModelGetLowerTemp(details.r)) + " / "
                                    + picker.temp(picker.menu.dayPartModelGetUpperTemp(details.r)) : ""
        }
        ProductInfoRow {
            width: parent.width
            label: qsTranslate("Cookbook", "Zone splits") + Theme.retranslate()
            value: details.r < 0 ? "" : details.groupId > 0 ? String(picker.menu.getGroupEditPanSizeX(details.groupRow))
                                                             : String(picker.menu.dayPartModelGetPanSizeX(details.r))
        }
        ProductInfoRow {
            width: parent.width
            label: qsTranslate("Cookbook", "Lid type") + Theme.retranslate()
            value: details.r >= 0 ? qsTranslate("Cookbook", String(picker.menu.dayPartModelGetLidType(details.r))) : ""
        }
        ProductsGroupListView {
            width: parent.width
            height: Math.min(4, members.length) * (Theme.fontBody + Theme.spacingSmall * 2)
            visible: details.groupId > 0
            menu: picker.menu
            members: details.groupId > 0 ? picker.menu.getGroupEditGroupPList(details.groupRow) : []
            defaultIndex: details.groupId > 0 ? Number(picker.menu.getGroupEditGroupsDefault(details.groupRow)) : 0
        }
    }

    Row {
        anchors { right: parent.right; bottom: parent.bottom; margins: Theme.spacingSmall }
        spacing: Theme.spacing
        CookbookButton {
            objectName: "assignCancel"
            text: qsTranslate("Cookbook", "Cancel") + Theme.retranslate()
            onClicked: picker.visible = false
        }
        CookbookButton {
            objectName: "assignAccept"
            highlighted: true
            enabled: picker.pickedRow >= 0
            text: qsTranslate("Cookbook", "Accept") + Theme.retranslate()
            onClicked: picker.accept()
        }
    }
}
