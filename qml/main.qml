import QtQuick 2.15
import QtQuick.Window 2.15

Window {
    id: mainWindow
    visible: true
    width: 800
    height: 480
    color: "black"
    title: "TUL"
}
