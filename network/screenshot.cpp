#include "screenshot.h"

#include "networksettings.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPixmap>
#include <QQuickWindow>
#include <QScreen>

QString ScreenShot::folder()
{
    return TulPaths::rootPath(QStringLiteral("screenshots/"));
}

QString ScreenShot::fileName(const QDateTime &time)
{
    return QStringLiteral("tul_%1.png").arg(time.toString(QStringLiteral("yyMMdd-HHmmss")));
}

QImage ScreenShot::grab(QWindow *window)
{
    if (!window)
        return QImage();
    QImage image;
    if (auto *quick = qobject_cast<QQuickWindow *>(window))
        image = quick->grabWindow();
    // The software scene graph of the offscreen platform grabs nothing; the screen
    // still holds the window's last frame.
    if (image.isNull() && window->screen())
        image = window->screen()->grabWindow(window->winId()).toImage();
    return image;
}

QString ScreenShot::save(QWindow *window, const QString &serialNumber, const QString &modelNumber,
                         const QString &storeNumber, const QDateTime &time)
{
    if (!window) {
        qCWarning(lcNetwork) << "Active window is null!!!!!";
        return QString();
    }
    QDir().mkpath(folder());
    QString name = fileName(time);
    for (int n = 2; QFileInfo::exists(folder() + name); ++n)
        name = QStringLiteral("tul_%1-%2.png").arg(time.toString(QStringLiteral("yyMMdd-HHmmss"))).arg(n);
    const QString path = folder() + name;

    const QImage image = grab(window);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImageWriter writer(&png, "png");
    writer.setText(QStringLiteral("serialNumber"), serialNumber);
    writer.setText(QStringLiteral("modelNumber"), modelNumber);
    writer.setText(QStringLiteral("storeNumber"), storeNumber);
    QString error;
    if (image.isNull() || !writer.write(image)
        || !SafeFileWriter::writeFile(path, png.data(), &error)) {
        qCWarning(lcNetwork).noquote() << QStringLiteral("Failed to save ") + name
                                       << (image.isNull() ? QStringLiteral("(nothing grabbed)") : error);
        return QString();
    }
    qCDebug(lcNetwork).noquote() << QStringLiteral("Saved screenshot ") + name;
    return path;
}
