import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"
import "qrc:/config"
import "CookbookFormat.js" as Format

// The cookbook: the products or groups being edited on the left, the selected one's
// details on the right, the day-part pages, and the editors over them. Opening copies the
// menu afresh; only Save on leaving changes the menu and the day parts. Editing waits for
// the manager's PIN and is refused while any slot is holding.
Rectangle {
    id: panel
    objectName: "cookbook"
    color: Theme.background
    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    property QtObject menu: typeof menuManager !== "undefined" ? menuManager : null
    property QtObject dayParts: typeof daypartManager !== "undefined" ? daypartManager : null
    property QtObject cabinet: typeof cabinetManager !== "undefined" ? cabinetManager : null
    property QtObject config: typeof configManager !== "undefined" ? configManager : null
    readonly property QtObject lock: menu ? menu.cookbookLock : null
    readonly property QtObject rules: menu ? menu.cookbookRules : null
    property Item keyboard: null

    property var cab: ({})
    property bool unsaved: false
    property string tab: "products"
    property int selectedRow: -1
    property int productCount: 0
    property int groupCount: 0
    property int revision: 0
    readonly property bool locked: !lock || lock.locked
    readonly property bool holding: cabinet !== null && cabinet.activelyHolding === true
    readonly property bool celsius: config !== null && config.tempUnit === 1
    readonly property bool productsEditable: cab.customerId !== 3
        || (cab.iAmMaster === true && config !== null && config.productsEditEnabled === true)
    readonly property int maxItems: 100

    // Closed by its return button or a dock button (the shell then shows leavingTo) and a
    // message for the main view when the edits were dropped.
    signal closed()
    property string leavingTo: "main"
    signal notice(string text)

    function open() {
        dayParts.dayPartEditInitialize()
        menu.initializeEditDataModels()
        initialise()
    }
    function initialise() {
        cab = rules.cabinet()
        unsaved = false
        menu.sortProductEditModel()
        productCount = menu.getProductEditRowCount()
        menu.sortGroupEditModel()
        groupCount = menu.getGroupEditRowCount()
        tab = "products"
        select(productCount > 0 ? 0 : -1)
        menu.initializeDayPartEditModel()
        pages.reload()
        ++revision
    }
    // Leaving closes what was open over the cookbook; its lock stays as the user left it.
    function leave() {
        productEditor.close()
        groupEditor.close()
        assign.visible = false
        pin.close()
        messageBox.visible = false
        if (keyboard)
            keyboard.hide()
    }
    // The list shows the selected row: after a sort it may have moved out of sight.
    function select(row) {
        selectedRow = row
        if (row >= 0)
            list.positionViewAtIndex(row, ListView.Contain)
        else
            list.positionViewAtBeginning()
        detailsArea.contentY = detailsArea.originY
    }
    function recount() {
        productCount = menu.getProductEditRowCount()
        groupCount = menu.getGroupEditRowCount()
        ++revision
    }
    function requestUnlock() {
        if (holding)
            messageBox.inform(qsTranslate("Cookbook", "Product Editing Unavailable<br>while timers are active!"))
        else if (lock.blocked)
            messageBox.inform(qsTranslate("Cookbook", "Too many failed attempts.\nCall service."))
        else
            pin.open(qsTranslate("Cookbook", "PIN #") + Theme.retranslate())
    }
    function dropAndClose(message) {
        unsaved = false
        productEditor.close()
        groupEditor.close()
        closed()
        if (message)
            notice(message)
    }
    // The dock's way out: the same question as Return, for the edits accepted and for what an
    // open editor holds (Yes accepts it first; a value it refuses keeps the cookbook open).
    function leaveFor(view) {
        leavingTo = view
        if (!productEditor.visible && !groupEditor.visible)
            return returnRequested(view)
        if (holding)
            return dropAndClose(qsTranslate("Cookbook", "Products Editing Cancelled<br>due to active timers."))
        messageBox.ask(qsTranslate("Cookbook", "Save"), qsTranslate("Cookbook", "Save changes?"),
                       function() {
                           var accepted = productEditor.visible ? productEditor.accept() : groupEditor.finish()
                           if (!accepted)
                               return
                           menu.saveEditModel(); dayParts.dayPartEditSave(); dropAndClose("")
                       },
                       function() { dropAndClose("") })
    }
    function returnRequested(view) {
        leavingTo = view || "main"
        if (!unsaved) {
            closed()
        } else if (holding) {
            dropAndClose(qsTranslate("Cookbook", "Products Editing Cancelled<br>due to active timers."))
        } else {
            messageBox.ask(qsTranslate("Cookbook", "Save"), qsTranslate("Cookbook", "Save changes?"),
                         function() { menu.saveEditModel(); dayParts.dayPartEditSave(); dropAndClose("") },
                         function() { dropAndClose("") })
        }
    }
    // Deletes every group left without members, with its day-part assignments.
    function deleteEmptyGroups() {
        var deleted = false
        for (var row = 0; row < menu.getGroupEditRowCount(); ++row) {
            if (menu.groupEditIsEmptyGroup(row)) {
                dayParts.deleteProductGroupFromDayParts(menu.getGroupEditId(row))
                menu.deleteGroupFromEdit(row)
                pages.reload()
                deleted = true
                row = -1
            }
        }
        return deleted
    }
    function itemNow(model, row, groups) {
        return groups
            ? { "lowerTemp": Number(menu.getGroupEditLowerTemp(row)), "upperTemp": Number(menu.getGroupEditUpperTemp(row)),
                "panSizeX": String(menu.getGroupEditPanSizeX(row)), "panSize": Number(menu.getGroupEditPanSize(row)),
                "fanSpeed": Number(menu.getGroupEditFanSpeed(row)) }
            : { "lowerTemp": Number(menu.getProductEditLowerTemp(row)), "upperTemp": Number(menu.getProductEditUpperTemp(row)),
                "panSizeX": String(menu.getProductEditPanSizeX(row)), "panSize": Number(menu.getProductEditPanSize(row)),
                "fanSpeed": Number(menu.getProductEditFanSpeed(row)) }
    }
    function productSaved(pid, names, hold, warning, lower, upper, reset, lid, bottom, split, fan, color) {
        var warnings = []
        if (menu.checkProductInGroups(pid, lower, upper, lid, split, fan))
            warnings.push(qsTranslate("Cookbook", "Product will be removed from group(s)<br>products list"))
        var id = menu.saveProductEdit(pid, names, hold, warning, lower, upper, reset, lid, bottom, split, fan, color)
        unsaved = true
        menu.sortProductEditModel()
        recount()
        select(menu.getProductEditIndex(id))
        if (deleteEmptyGroups())
            warnings.push(qsTranslate("Cookbook", "Empty groups are deleted"))
        recount()
        menu.initializeDayPartEditModel()
        var now = itemNow(null, menu.getProductEditIndex(id), false)
        now.id = id
        if (pages.recheck(id, now))
            warnings.push(qsTranslate("Cookbook", "Product will be removed from day-part(s)<br>assignments"))
        pages.reload()
        for (var i = 0; i < warnings.length; ++i)
            messageBox.inform(warnings[i])
    }
    function groupSaved(gid) {
        unsaved = true
        menu.sortGroupEditModel()
        recount()
        select(menu.getGroupEditIndex(gid))
        menu.initializeDayPartEditModel()
        var now = itemNow(null, selectedRow, true)
        now.id = gid
        if (pages.recheck(gid, now))
            messageBox.inform(qsTranslate("Cookbook", "Group will be removed from day-part(s)<br>assignments"))
        pages.reload()
    }
    function add() {
        if (locked)
            return requestUnlock()
        if (productCount + groupCount >= maxItems) {
            messageBox.inform("Max products/groups reached. Can't add new products/groups!")
            return
        }
        if (tab === "products" && productsEditable) {
            productEditor.openFor(0, -1)
        } else if (tab === "groups" && productCount > 0) {
            var gid = menu.addNewEditGroup()
            recount()
            selectedRow = groupCount - 1
            groupEditor.openFor(gid, true)
        }
    }
    function edit() {
        if (locked)
            return requestUnlock()
        if (selectedRow < 0)
            return
        if (tab === "products")
            productEditor.openFor(Number(menu.getProductEditId(selectedRow)), selectedRow)
        else
            groupEditor.openFor(menu.getGroupEditId(selectedRow), false)
    }
    function remove() {
        if (locked)
            return requestUnlock()
        if (selectedRow < 0)
            return
        var row = selectedRow
        if (tab === "products") {
            messageBox.ask(qsTranslate("Cookbook", "Delete"),
                         qsTranslate("Cookbook", "Delete product") + " \"" + menu.getProductEditName(row) + "\"?",
                         function() {
                             dayParts.deleteProductGroupFromDayParts(Number(menu.getProductEditId(row)))
                             menu.deleteProductFromEdit(row)
                             if (deleteEmptyGroups())
                                 messageBox.inform(qsTranslate("Cookbook", "Empty groups are deleted"))
                             deleted()
                         })
        } else {
            messageBox.ask(qsTranslate("Cookbook", "Delete"),
                         qsTranslate("Cookbook", "Delete group") + " \"" + menu.getGroupEditName(row) + "\"?",
                         function() {
                             dayParts.deleteProductGroupFromDayParts(menu.getGroupEditId(row))
                             menu.deleteGroupFromEdit(row)
                             deleted()
                         })
        }
    }
    function deleted() {
        menu.initializeDayPartEditModel()
        pages.reload()
        unsaved = true
        recount()
        var count = tab === "products" ? productCount : groupCount
        selectedRow = Math.min(selectedRow, count - 1)
    }

    onVisibleChanged: visible ? open() : leave()

    Connections {
        target: panel.cabinet
        ignoreUnknownSignals: true
        function onActivelyHoldingChanged() {
            if (panel.visible && panel.holding && panel.unsaved)
                panel.dropAndClose(qsTranslate("Cookbook", "Products Editing Cancelled<br>due to active timers."))
        }
    }
    Connections {
        target: panel.menu
        ignoreUnknownSignals: true
        // A reload or an import replaced the menu under the open cookbook.
        function onEditModelsRefreshed() {
            if (!panel.visible)
                return
            var dropped = panel.unsaved
            productEditor.close()
            groupEditor.close()
            assign.visible = false
            panel.initialise()
            if (dropped)
                messageBox.inform(qsTranslate("Cookbook", "The menu was replaced while the cookbook was open.<br>Unsaved changes were dropped."))
        }
    }

    // Tabs.
    Row {
        id: tabs
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: Theme.touchTarget
        Repeater {
            model: [{ "key": "products", "label": QT_TRANSLATE_NOOP("Cookbook", "Products") },
                    { "key": "groups", "label": QT_TRANSLATE_NOOP("Cookbook", "Groups") },
                    { "key": "dayparts", "label": QT_TRANSLATE_NOOP("Cookbook", "Day Parts") }]
            Rectangle {
                objectName: "tab_" + modelData.key
                width: tabs.width / 3; height: tabs.height
                color: panel.tab === modelData.key ? Theme.surfacePressed : Theme.surface
                border.width: 1
                border.color: Theme.background
                Label {
                    anchors.centerIn: parent
                    text: qsTranslate("Cookbook", modelData.label) + Theme.retranslate()
                    font.bold: panel.tab === modelData.key
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        panel.tab = modelData.key
                        panel.selectedRow = modelData.key === "products" ? (panel.productCount > 0 ? 0 : -1)
                                          : modelData.key === "groups" ? (panel.groupCount > 0 ? 0 : -1) : -1
                        if (modelData.key === "dayparts")
                            pages.reload()
                    }
                }
            }
        }
    }

    ProductsListView {
        id: list
        objectName: "cookbookList"
        visible: panel.tab !== "dayparts"
        anchors { left: parent.left; top: tabs.bottom; bottom: bar.top; margins: Theme.spacingSmall }
        width: parent.width * 0.4
        model: panel.tab === "groups" ? (typeof groupsEditModel !== "undefined" ? groupsEditModel : null)
                                      : (typeof productsEditModel !== "undefined" ? productsEditModel : null)
        selectedRow: panel.selectedRow
        emptyText: (panel.tab === "groups" ? qsTranslate("Cookbook", "No groups yet.")
                                          : qsTranslate("Cookbook", "No products yet.")) + Theme.retranslate()
        onPicked: panel.selectedRow = row
    }

    // The selected item's details.
    Flickable {
        id: detailsArea
        objectName: "cookbookDetails"
        visible: panel.tab !== "dayparts" && panel.selectedRow >= 0
        anchors { left: list.right; right: parent.right; top: tabs.bottom; bottom: bar.top; margins: Theme.spacing }
        contentHeight: details.implicitHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        Column {
            id: details
            width: detailsArea.width
            spacing: 2
            // Every value reads its row through row(), so it is read again after each edit
            // (revision), even when the row keeps its number, and after a language switch.
            function row() { return panel.revision >= 0 && Theme.retranslate() === "" ? panel.selectedRow : -1 }
            readonly property bool group: panel.tab === "groups"
            readonly property bool unlockedDetails: !panel.locked
            function temp(f) {
                return (panel.celsius && panel.rules ? panel.rules.toCelsius(Number(f)) : Number(f))
                       + (panel.celsius ? "\u00b0C" : "\u00b0F")
            }
            ProductInfoRow {
                objectName: "detailName"
                width: parent.width
                label: qsTranslate("Cookbook", "Name") + Theme.retranslate()
                value: details.row() < 0 || !panel.menu ? "" : details.group ? panel.menu.getGroupEditName(details.row())
                                                                       : panel.menu.getProductEditName(details.row())
            }
            ProductInfoRow {
                width: parent.width
                visible: panel.cab.productIdDisplayEnable === true
                label: qsTranslate("Cookbook", "Id") + Theme.retranslate()
                value: details.row() < 0 || !panel.menu ? "" : details.group ? panel.menu.getGroupEditId(details.row())
                                                                       : panel.menu.getProductEditId(details.row())
            }
            ProductInfoRow {
                objectName: "detailHoldTime"
                width: parent.width
                visible: !details.group && details.unlockedDetails
                label: qsTranslate("Cookbook", "Holding time") + Theme.retranslate()
                value: details.row() < 0 || !panel.menu ? "" : Format.hms(panel.menu.getProductEditHoldTime(details.row()))
            }
            ProductInfoRow {
                width: parent.width
                visible: !details.group && details.unlockedDetails
                label: qsTranslate("Cookbook", "Cook more alert time") + Theme.retranslate()
                value: details.row() < 0 || !panel.menu ? "" : Format.hms(panel.menu.getProductEditWarningTime(details.row()))
            }
            ProductInfoRow {
                width: parent.width
                visible: details.unlockedDetails
                label: (panel.cab.customerId === 3 ? qsTranslate("Cookbook", "Hold Temp")
                                                   : qsTranslate("Cookbook", "Upper temperature")) + Theme.retranslate()
                value: details.row() < 0 || !panel.menu ? "" : details.temp(details.group ? panel.menu.getGroupEditUpperTemp(details.row())
                                                                                    : panel.menu.getProductEditUpperTemp(details.row()))
            }
            ProductInfoRow {
                width: parent.width
                visible: details.unlockedDetails
                label: (panel.cab.customerId === 3 ? qsTranslate("Cookbook", "Product temp")
                                                   : qsTranslate("Cookbook", "Lower temperature")) + Theme.retranslate()
                value: details.row() < 0 || !panel.menu ? "" : details.temp(details.group ? panel.menu.getGroupEditLowerTemp(details.row())
                                                                                    : panel.menu.getProductEditLowerTemp(details.row()))
            }
            ProductInfoRow {
                width: parent.width
                visible: details.unlockedDetails && panel.cab.hasFan === true
                label: qsTranslate("Cookbook", "Fan speed") + Theme.retranslate()
                value: details.row() < 0 || !panel.menu ? "" : (details.group ? panel.menu.getGroupEditFanSpeed(details.row())
                                                                         : panel.menu.getProductEditFanSpeed(details.row())) + "%"
            }
            ProductInfoRow {
                width: parent.width
                visible: details.unlockedDetails
                label: qsTranslate("Cookbook", "Zone splits") + Theme.retranslate()
                value: details.row() < 0 || !panel.menu ? "" : details.group ? panel.menu.getGroupEditPanSizeX(details.row())
                                                                       : panel.menu.getProductEditPanSizeX(details.row())
            }
            ProductInfoRow {
                width: parent.width
                visible: details.unlockedDetails
                label: qsTranslate("Cookbook", "Lid type") + Theme.retranslate()
                value: details.row() < 0 || !panel.menu ? "" : qsTranslate("Cookbook", String(details.group
                           ? panel.menu.getGroupEditLidType(details.row()) : panel.menu.getProductEditLidType(details.row())))
            }
            ProductInfoRow {
                width: parent.width
                visible: !details.group && details.unlockedDetails
                label: qsTranslate("Cookbook", "Bottom type") + Theme.retranslate()
                value: details.row() < 0 || !panel.menu ? "" : qsTranslate("Cookbook", String(panel.menu.getProductEditBottomType(details.row())))
            }
            ProductInfoRow {
                width: parent.width
                visible: !details.group && details.unlockedDetails && panel.cab.nfcEnabled === true && panel.cab.customerId !== 3
                label: qsTranslate("Cookbook", "Reset time") + Theme.retranslate()
                value: details.row() < 0 || !panel.menu ? "" : Format.hms(panel.menu.getProductEditResetTime(details.row()))
            }
            ProductInfoRow {
                width: parent.width
                visible: !details.group && details.unlockedDetails && productEditor.showTimerColor
                label: qsTranslate("Cookbook", "Timer colour") + Theme.retranslate()
                swatch: details.row() < 0 || !panel.menu ? "" : String(panel.menu.getProductEditTimerColor(details.row()))
            }
            ProductsGroupListView {
                objectName: "detailMembers"
                width: parent.width
                visible: details.group
                height: members.length * (Theme.fontBody + Theme.spacingSmall * 2)
                menu: panel.menu
                members: details.group && details.row() >= 0 && panel.menu ? panel.menu.getGroupEditGroupPList(details.row()) : []
                defaultIndex: details.group && details.row() >= 0 && panel.menu ? Number(panel.menu.getGroupEditGroupsDefault(details.row())) : 0
            }
        }
    }

    DayPartEditPanel {
        id: pages
        visible: panel.tab === "dayparts"
        anchors { left: parent.left; right: parent.right; top: tabs.bottom; bottom: bar.top }
        menu: panel.menu
        dayParts: panel.dayParts
        rules: panel.rules
        cab: panel.cab
        locked: panel.locked
        onLockedTouched: panel.requestUnlock()
        onBinTapped: assign.openFor(dayPart, zone, bin, zoneBins)
        onRemovalAsked: messageBox.ask(qsTranslate("Cookbook", "Remove"),
                                     qsTranslate("Cookbook", "Remove Bins day-part assignments?"),
                                     function() { pages.removeSelected() })
        onChanged: panel.unsaved = true
    }

    // Buttons.
    Item {
        id: bar
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: Theme.touchTarget + Theme.spacingSmall
        readonly property bool lockedProduct: panel.tab === "products" && panel.selectedRow >= 0 && panel.menu !== null
            && panel.revision >= 0 && panel.menu.getProductEditProductLocked(panel.selectedRow) === true
        Row {
            id: leftButtons
            anchors { left: parent.left; verticalCenter: parent.verticalCenter; leftMargin: Theme.spacingSmall }
            spacing: Theme.spacingSmall
            CookbookButton {
                objectName: "cookbookReturn"
                text: qsTranslate("Cookbook", "Return") + Theme.retranslate()
                onClicked: panel.returnRequested("main")
            }
            CookbookButton {
                objectName: "cookbookLockButton"
                implicitWidth: Theme.touchTarget * 1.5
                onClicked: panel.locked ? panel.requestUnlock() : panel.lock.lock()
                contentItem: Item {
                    implicitWidth: padlock.width
                    implicitHeight: padlock.height
                    LockIcon {
                        id: padlock
                        objectName: "cookbookLockIcon"
                        anchors.centerIn: parent
                        locked: panel.locked
                    }
                }
            }
        }
        // Where products cannot be edited on this cabinet, why the buttons are missing.
        Label {
            objectName: "cookbookEditReason"
            visible: panel.tab === "products" && !panel.productsEditable
            anchors { left: leftButtons.right; right: parent.right; verticalCenter: parent.verticalCenter
                      leftMargin: Theme.spacing; rightMargin: Theme.spacingSmall }
            horizontalAlignment: Text.AlignRight
            wrapMode: Text.WordWrap
            maximumLineCount: 2
            elide: Text.ElideRight
            font.pixelSize: Theme.fontSmall
            color: Theme.textSecondary
            text: (panel.cab.iAmMaster !== true ? qsTranslate("Cookbook", "Products can be edited on the primary display only.")
                                                : qsTranslate("Cookbook", "Product editing is turned off for this cabinet."))
                  + Theme.retranslate()
        }
        Row {
            visible: panel.tab !== "dayparts"
            anchors { right: parent.right; verticalCenter: parent.verticalCenter; rightMargin: Theme.spacingSmall }
            spacing: Theme.spacingSmall
            readonly property bool mayEdit: panel.tab === "groups" || panel.productsEditable
            // Shown greyed while locked or holding, so the cook sees why nothing happens.
            readonly property bool usable: !panel.locked && !panel.holding
            CookbookButton {
                objectName: "cookbookDelete"
                enabled: parent.usable
                visible: parent.mayEdit && panel.selectedRow >= 0 && !bar.lockedProduct
                text: qsTranslate("Cookbook", "Delete") + Theme.retranslate()
                onClicked: panel.remove()
            }
            CookbookButton {
                objectName: "cookbookEdit"
                enabled: parent.usable
                visible: parent.mayEdit && panel.selectedRow >= 0 && !bar.lockedProduct
                text: qsTranslate("Cookbook", "Edit") + Theme.retranslate()
                onClicked: panel.edit()
            }
            CookbookButton {
                objectName: "cookbookAdd"
                enabled: parent.usable
                visible: parent.mayEdit
                highlighted: true
                text: qsTranslate("Cookbook", "Add") + Theme.retranslate()
                onClicked: panel.add()
            }
        }
    }

    ProductItemEditPanel {
        id: productEditor
        anchors.fill: parent
        menu: panel.menu
        rules: panel.rules
        cab: panel.cab
        celsius: panel.celsius
        keyboard: panel.keyboard
        messages: messageBox
        showTimerColor: panel.cab.timerColorEnable === true && panel.config !== null && panel.config.timerColorStatus === true
        onAccepted: panel.productSaved(pid, names, holdTime, warningTime, lowerTemp, upperTemp, resetTime,
                                       lidType, bottomType, panSizeX, fanSpeed, timerColor)
    }

    GroupItemEditPanel {
        id: groupEditor
        anchors.fill: parent
        menu: panel.menu
        rules: panel.rules
        cab: panel.cab
        celsius: panel.celsius
        keyboard: panel.keyboard
        messages: messageBox
        productsModel: typeof productsEditModel !== "undefined" ? productsEditModel : null
        onSaved: panel.groupSaved(gid)
        onRemoved: { panel.recount(); panel.selectedRow = panel.groupCount > 0 ? 0 : -1 }
    }

    DayPartEditAssignItem {
        id: assign
        anchors.fill: parent
        menu: panel.menu
        rules: panel.rules
        dayParts: panel.dayParts
        cab: panel.cab
        celsius: panel.celsius
        model: typeof dayPartsEditModel !== "undefined" ? dayPartsEditModel : null
        onAssigned: { pages.reload(); panel.unsaved = true }
    }

    // The PIN of the cookbook's lock, on the pad every other lock uses.
    PinPad {
        id: pin
        objectName: "cookbookPin"
        anchors.fill: parent
        z: 10
        onEntered: {
            var result = panel.lock.unlock(pin)
            if (result > 0) {
                close()
            } else if (panel.lock.blocked) {
                close()
                messageBox.inform(qsTranslate("Cookbook", "Too many failed attempts.\nCall service."))
            } else {
                showError("ERROR")
            }
        }
    }

    CookbookDialog {
        id: messageBox
        anchors.fill: parent
    }
}
