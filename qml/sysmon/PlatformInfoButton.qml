import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The Utilities page's "Platform Info": shown once the page is unlocked above level 1;
// asks the platform information for the kernel and the board support package and
// shows both.
Button {
    id: button
    objectName: "platformInfoButton"
    // The level the Utilities page is unlocked with.
    property int unlockLevel: 0
    readonly property var info: typeof platformInfo !== "undefined" ? platformInfo : null

    visible: unlockLevel > 1
    width: 280
    height: Theme.touchTarget
    font.family: Theme.fontFamily
    text: qsTr("Platform Info") + (typeof tro !== "undefined" ? tro.emptyStr : "")
    enabled: info !== null
    onClicked: {
        info.getOsKernelInformation()
        info.getBSPverInformation()
        dialog.text = "<b>Kernel:</b> " + info.osKernel + "<br><br>" + info.bspInfo
        dialog.open()
    }

    PlatformInfoDialog { id: dialog }
}
