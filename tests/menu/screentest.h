#ifndef SCREENTEST_H
#define SCREENTEST_H

#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QScreen>
#include <QtTest>

// One QML file shown offscreen with the context properties the composition root
// publishes, and the taps a user would make on it.
struct Screen
{
    QScopedPointer<QQuickView> view;
    bool visibleOnly = false; // find only items that are shown

    // Size: the root object's own, unless given.
    QQuickItem *show(const QString &url, const QVariantMap &context, QSize size = QSize())
    {
        view.reset(new QQuickView);
        if (size.isValid())
            view->setResizeMode(QQuickView::SizeRootObjectToView);
        for (auto it = context.cbegin(); it != context.cend(); ++it)
            view->rootContext()->setContextProperty(it.key(), it.value());
        view->setSource(QUrl(url));
        if (view->status() != QQuickView::Ready) {
            qWarning() << view->errors();
            return nullptr;
        }
        QQuickItem *root = view->rootObject();
        view->resize(size.isValid() ? size : QSize(int(root->width()), int(root->height())));
        QSignalSpy frame(view.data(), &QQuickWindow::frameSwapped);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.data()) || (frame.isEmpty() && !frame.wait()))
            return nullptr;
        return root;
    }

    // Delegates of a Repeater are visual children only, so the search walks the item tree.
    QQuickItem *find(QQuickItem *parent, const QString &name) const
    {
        if (!parent || (visibleOnly && !parent->isVisible()))
            return nullptr;
        if (parent->objectName() == name)
            return parent;
        for (QQuickItem *child : parent->childItems())
            if (QQuickItem *found = find(child, name))
                return found;
        return nullptr;
    }
    QQuickItem *item(const QString &name) const { return find(view->rootObject(), name); }
    QObject *root() const { return view->rootObject(); }

    bool tap(const QString &name)
    {
        // Positioners lay out what just appeared when the next frame is polished.
        QSignalSpy frame(view.data(), &QQuickWindow::frameSwapped);
        view->update();
        frame.wait(500);
        QQuickItem *target = item(name);
        if (!target)
            return false;
        const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
        QTest::mouseClick(view.data(), Qt::LeftButton, {}, centre.toPoint());
        return true;
    }

    // Taps a row of a list view, scrolled into view first.
    bool tapRow(const QString &listName, const QString &rowPrefix, int row)
    {
        QQuickItem *list = item(listName);
        if (!list)
            return false;
        QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, row), Q_ARG(int, 1));
        QCoreApplication::processEvents();
        return tap(rowPrefix + QString::number(row));
    }

    bool setText(const QString &name, const QString &text)
    {
        QQuickItem *field = item(name);
        return field && field->setProperty("text", text);
    }

    // What the window shows near the left edge of an item, as the platform's screen
    // holds it (the software scene graph draws into the offscreen backing store).
    QColor pixelOf(const QString &name) const
    {
        QQuickItem *target = item(name);
        if (!target)
            return QColor();
        const QImage image = view->screen()->grabWindow(view->winId()).toImage();
        return image.pixelColor(target->mapToScene(QPointF(8, target->height() / 2)).toPoint());
    }
};

#endif // SCREENTEST_H
