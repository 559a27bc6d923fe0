import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/theme"

// The Utilities page's screenshot action: a PNG of the screen as it is now goes to the
// cabinet's screenshots folder, labelled with its serial, model and store numbers.
Button {
    objectName: "screenshotButton"
    width: 280
    height: Theme.touchTarget
    font.family: Theme.fontFamily
    text: qsTr("Take Screenshot") + (typeof tro !== "undefined" ? tro.emptyStr : "")
    enabled: typeof cabinetManager !== "undefined" && cabinetManager !== null
    onClicked: cabinetManager.screenShot()
}
