#ifndef COUNTDOWNWINDOW_H
#define COUNTDOWNWINDOW_H

// The screen's floor while bins hold: 20 countdown texts in the cabinet's grid, as large
// and bold as the bins' timers, all moved by one timer woken on each whole second of the
// wall clock. It prints `loadedLine` once its scene is made.
#include <QGuiApplication>
#include <QQmlApplicationEngine>

#include <cstdio>

namespace CountdownWindow {

inline int run(int argc, char *argv[], const char *loadedLine)
{
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData(R"(
import QtQuick 2.15
import QtQuick.Window 2.15
Window {
    id: root
    visible: true; width: 800; height: 480; color: "black"
    readonly property double start: Date.now()
    property double now: start
    function format(s) {
        var t = Math.abs(s), m = Math.floor(t / 60), r = t % 60
        return (s < 0 ? "-" : "") + (m < 10 ? "0" : "") + m + ":" + (r < 10 ? "0" : "") + r
    }
    Timer {
        interval: 1000 - Date.now() % 1000
        running: true
        onTriggered: { root.now = Date.now(); interval = 1000 - Date.now() % 1000; start() }
    }
    Grid {
        anchors.fill: parent; anchors.margins: 4; columns: 4; spacing: 4
        Repeater {
            model: 20
            Rectangle {
                width: (792 - 12) / 4; height: (472 - 16) / 5; color: "#1f7a3a"; radius: 3
                Text {
                    anchors.fill: parent
                    horizontalAlignment: Text.AlignHCenter; verticalAlignment: Text.AlignVCenter
                    color: "white"; font.pixelSize: 48; font.bold: true
                    text: root.format(900 + 60 * index - Math.floor((root.now - root.start) / 1000))
                }
            }
        }
    }
}
)");
    std::fprintf(stderr, "%s\n", loadedLine);
    std::fflush(stderr);
    return app.exec();
}

} // namespace CountdownWindow

#endif // COUNTDOWNWINDOW_H
