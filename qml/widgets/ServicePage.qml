import QtQuick 2.15

// One page of the service list behind its loader: shown while it is the list's current
// page, usable while the carousel has its screen open, built when first shown (or at
// once when the list is prepared).
Loader {
    // The page's key (a carousel title, or a page opened from one) and the screen whose
    // lock it follows.
    property string key
    property string screen
    // The ServicePages that holds it.
    property Item service
    objectName: "page:" + key
    anchors.fill: parent
    visible: service.currentPage === key
    enabled: service.isOpen(screen)
    // A page holding unsaved edits is kept when left (the dock, another page): the edits are
    // there when it is shown again, to be accepted or cancelled on the page itself.
    active: service.prepared || (service.visible && visible) || keep
    property bool keep: false
    Connections {
        target: item
        ignoreUnknownSignals: true
        function onChangedChanged() { keep = item.changed === true }
    }
    // Pages with fields type on the shell's keyboards.
    onItemChanged: {
        if (item && item.keyboard !== undefined)
            item.keyboard = Qt.binding(function() { return service.keyboard })
    }
}
