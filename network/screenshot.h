#ifndef SCREENSHOT_H
#define SCREENSHOT_H

#include <QDateTime>
#include <QString>

class QImage;
class QWindow;

// Screenshots for service: a PNG of a window in "screenshots/" under the data root,
// named after the time, carrying the cabinet's serial, model and store numbers as
// text entries so that a picture sent to service says which cabinet it shows.
class ScreenShot
{
public:
    static QString folder(); // ends with '/'
    static QString fileName(const QDateTime &time); // "tul_yyMMdd-HHmmss.png"

    // The window's content: the scene graph's own grab for a Qt Quick window, the
    // screen's copy otherwise (or when the scene graph cannot grab). Null on failure.
    static QImage grab(QWindow *window);

    // Saves the window; returns the file's path, or empty on failure (logged). A
    // second shot in the same second gets "-2", "-3", ... so that none is overwritten.
    static QString save(QWindow *window, const QString &serialNumber, const QString &modelNumber,
                        const QString &storeNumber, const QDateTime &time);
};

#endif // SCREENSHOT_H
