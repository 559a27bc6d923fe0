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
    active: service.prepared || (service.visible && visible)
    // Pages with fields type on the shell's keyboards.
    onItemChanged: {
        if (item && item.keyboard !== undefined)
            item.keyboard = Qt.binding(function() { return service.keyboard })
    }
}
