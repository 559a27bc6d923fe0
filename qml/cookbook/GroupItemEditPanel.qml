import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"
import "CookbookFormat.js" as Format

// The group editor: the group's names, its shared settings, the products it may take
// (only those with its temperatures, lid, pan size and fan; any while it has no member)
// and its members. Membership changes go to the group-edit model at once; closing checks
// the group and stores its names and default.
Rectangle {
    id: editor
    objectName: "groupEditor"
    visible: false
    color: Theme.background

    // The lid types as stored, for their translations.
    readonly property var lidNames: [QT_TRANSLATE_NOOP("Cookbook", "None"), QT_TRANSLATE_NOOP("Cookbook", "Solid"),
                                     QT_TRANSLATE_NOOP("Cookbook", "Vented")]
    property QtObject menu: null
    property QtObject rules: null
    property var cab: ({})
    property bool celsius: false
    property Item keyboard: null
    property var messages: null
    property var productsModel: null

    property int gid: 0
    property bool isNew: false
    property var names: Format.emptyNames()
    property var members: []
    property int defaultIndex: 0
    property var settings: ({})
    property int pickedRow: -1
    property int revision: 0
    readonly property int nameLanguage: typeof tro !== "undefined" && tro && tro.languageId > 0 && tro.languageId < 15 ? tro.languageId : 0
    readonly property int maxMembers: 8

    signal saved(int gid)
    signal removed()

    function row() { return menu.getGroupEditIndex(gid) }
    function reread() {
        var r = row()
        members = menu.getGroupEditGroupPList(r)
        defaultIndex = Number(menu.getGroupEditGroupsDefault(r))
        settings = {
            "lowerTemp": Number(menu.getGroupEditLowerTemp(r)), "upperTemp": Number(menu.getGroupEditUpperTemp(r)),
            "panSizeX": String(menu.getGroupEditPanSizeX(r)), "fanSpeed": Number(menu.getGroupEditFanSpeed(r)),
            "lidType": String(menu.getGroupEditLidType(r))
        }
        ++revision
    }
    function productOf(r) {
        return { "lowerTemp": Number(menu.getProductEditLowerTemp(r)), "upperTemp": Number(menu.getProductEditUpperTemp(r)),
                 "panSizeX": String(menu.getProductEditPanSizeX(r)), "fanSpeed": Number(menu.getProductEditFanSpeed(r)) }
    }
    function takes(r) {
        return members.length === 0
            || rules.groupTakesProduct(settings, settings.lidType, productOf(r), String(menu.getProductEditLidType(r)))
    }
    function openFor(groupId, newGroup) {
        gid = groupId
        isNew = newGroup
        var list = menu.getGroupEditNameList(row())
        var copy = []
        for (var l = 0; l < 15; ++l)
            copy.push(list && list.length > l ? String(list[l]) : "")
        names = copy
        pickedRow = -1
        products.selectedRow = -1
        memberList.selectedIndex = -1
        reread()
        nameField.text = names[nameLanguage]
        visible = true
    }
    function close() {
        if (keyboard)
            keyboard.hide()
        visible = false
    }
    function addPicked() {
        if (pickedRow < 0 || members.length >= maxMembers || !takes(pickedRow))
            return
        menu.groupEditAddProduct(gid, pickedRow)
        reread()
    }
    function removeSelected() {
        if (memberList.selectedIndex < 0)
            return
        menu.groupEditRemoveProduct(gid, memberList.selectedIndex)
        memberList.selectedIndex = -1
        reread()
    }
    function refuse(message) {
        if (isNew) {
            messages.ask(qsTranslate("Cookbook", "Cancel?"), message, function() {
                menu.deleteGroupFromEdit(menu.getGroupEditRowCount() - 1)
                close()
                removed()
            })
        } else {
            messages.inform(message)
        }
    }
    function finish() {
        var filled = Format.filledNames(names, nameLanguage)
        if (members.length === 0) {
            refuse(qsTranslate("Cookbook", "No products added to the group!"))
            return false
        }
        if (String(filled[nameLanguage]).trim() === "") {
            refuse(qsTranslate("Cookbook", "Group has invalid name!"))
            return false
        }
        menu.saveGroupEdit(gid, filled, defaultIndex)
        close()
        saved(gid)
        return true
    }

    onNameLanguageChanged: if (visible) nameField.text = names[nameLanguage]

    Column {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: Theme.spacingSmall }
        spacing: Theme.spacingSmall
        Row {
            spacing: Theme.spacing
            Label {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTranslate("Cookbook", "Name") + " (" + (typeof tro !== "undefined" && tro ? tro.getLanguageName(editor.nameLanguage) : "") + ")" + Theme.retranslate()
            }
            CookbookTextField {
                id: nameField
                objectName: "groupNameField"
                width: header.width * 0.5
                keyboard: editor.keyboard
                multilingual: true
                maximumLength: 32
                onTextChanged: {
                    if (!editor.visible)
                        return
                    var copy = editor.names.slice()
                    copy[editor.nameLanguage] = text
                    editor.names = copy
                }
            }
        }
        Label {
            objectName: "groupSettings"
            width: parent.width
            visible: editor.members.length > 0
            font.pixelSize: Theme.fontSmall
            color: Theme.textSecondary
            elide: Text.ElideRight
            text: {
                var unit = editor.celsius ? "\u00b0C" : "\u00b0F"
                var t = function(f) { return editor.celsius && editor.rules ? editor.rules.toCelsius(f) : f }
                return t(editor.settings.lowerTemp) + "/" + t(editor.settings.upperTemp) + unit + "  "
                     + qsTranslate("Cookbook", editor.settings.lidType || "None") + "  " + editor.settings.panSizeX
                     + (editor.cab.hasFan ? "  " + editor.settings.fanSpeed + "%" : "") + Theme.retranslate()
            }
        }
    }

    ProductsListView {
        id: products
        objectName: "groupProductList"
        rowName: "groupProduct"
        anchors { left: parent.left; top: header.bottom; bottom: buttons.top; margins: Theme.spacingSmall }
        width: parent.width * 0.45
        model: editor.productsModel
        revision: editor.revision
        filter: function(r) { return editor.visible && editor.takes(r) }
        selectedRow: editor.pickedRow
        onPicked: editor.pickedRow = row
    }

    Column {
        id: middle
        anchors { left: products.right; verticalCenter: products.verticalCenter; margins: Theme.spacingSmall }
        spacing: Theme.spacing
        CookbookButton {
            objectName: "groupAddMember"
            text: qsTranslate("Cookbook", "Add") + " \u25b6" + Theme.retranslate()
            enabled: editor.pickedRow >= 0 && editor.members.length < editor.maxMembers
            onClicked: editor.addPicked()
        }
        CookbookButton {
            objectName: "groupRemoveMember"
            text: "\u25c0 " + qsTranslate("Cookbook", "Remove") + Theme.retranslate()
            enabled: memberList.selectedIndex >= 0
            onClicked: editor.removeSelected()
        }
    }

    ProductsGroupListView {
        id: memberList
        objectName: "groupMemberList"
        anchors { left: middle.right; right: parent.right; top: header.bottom; bottom: buttons.top; margins: Theme.spacingSmall }
        menu: editor.menu
        members: editor.members
        defaultIndex: editor.defaultIndex
        editable: true
        onDefaultChosen: { editor.menu.groupEditSetDefaultProd(editor.gid, index); editor.reread() }
    }

    Row {
        id: buttons
        anchors { right: parent.right; bottom: parent.bottom; margins: Theme.spacingSmall }
        CookbookButton {
            objectName: "groupEditorAccept"
            highlighted: true
            text: qsTranslate("Cookbook", "Accept") + Theme.retranslate()
            onClicked: editor.finish()
        }
    }
}
