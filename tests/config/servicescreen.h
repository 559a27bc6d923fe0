#ifndef SERVICESCREEN_H
#define SERVICESCREEN_H

#include "passcodes.h"
#include "qmlscreen.h"

// The service pages as the dock opens them, over a fake application core: the carousel,
// its pages and the shell's keyboards, reached by the carousel's arrows and opened by PIN.
struct ServiceScreen : QmlScreen
{
    using QmlScreen::QmlScreen;

    bool load()
    {
        Passcodes::registerQmlTypes();
        return QmlScreen::load(QStringLiteral("qrc:/widgets"),
                               "ServicePages { objectName: \"servicePages\"; anchors.fill: parent; keyboard: keys }\n"
                               "KeyboardLayer { id: keys; objectName: \"keyboardLayer\"; anchors.fill: parent }",
                               {QStringLiteral("qrc:/keyboard")});
    }
    QObject *carousel() const { return item("serviceCarousel"); }
    QString title() const { return carousel()->property("title").toString(); }
    int lockLevel() const { return carousel()->property("lockLevel").toInt(); }
    QStringList pageNames() const { return item("servicePages")->property("pageNames").toStringList(); }
    // The page behind a carousel title or a page opened from one.
    QQuickItem *page(const QString &key) const
    {
        return find(view->rootObject(), QStringLiteral("page:") + key);
    }

    // Taps the forward arrow until the header names the page; false when it never does.
    bool open(const QString &title)
    {
        for (int i = 0; i <= pageNames().size(); ++i) {
            if (this->title() == title)
                return page(title) && page(title)->isVisible();
            if (!tap("carouselNext"))
                return false;
        }
        return false;
    }
    // Taps the lock of the page shown and types the PIN on the pad.
    bool unlock(const QString &pin)
    {
        if (!tap("carouselLock"))
            return false;
        QQuickItem *pad = find(item("serviceCarousel"), QStringLiteral("pinPad"));
        if (!pad || !QTest::qWaitFor([pad] { return pad->isVisible(); }))
            return false;
        type(pin);
        return true;
    }
};

#endif // SERVICESCREEN_H
