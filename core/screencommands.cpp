#include "screencommands.h"

#include <QGuiApplication>
#include <QMap>
#include <QMetaProperty>
#include <QMouseEvent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>

namespace {

const char *const Usage = "error: ui names | ui tap <object>[<n>] | ui get <object>[<n>] <property>";

// The scene's objects by name: non-visual children of the window first, then the items,
// Repeater delegates included (they are visual children only), depth first.
void collect(QQuickItem *item, const QString &name, QList<QObject *> *found)
{
    if (item->objectName() == name && !found->contains(item))
        found->append(item);
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children)
        collect(child, name, found);
}

void collectNames(QQuickItem *item, QMap<QString, int> *names)
{
    if (item->isVisible() && !item->objectName().isEmpty())
        ++(*names)[item->objectName()];
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children)
        collectNames(child, names);
}

QString names(QQuickWindow *window)
{
    QMap<QString, int> counted;
    collectNames(window->contentItem(), &counted);
    QStringList out;
    for (auto it = counted.cbegin(); it != counted.cend(); ++it)
        out << (it.value() > 1 ? QStringLiteral("%1 (%2)").arg(it.key()).arg(it.value()) : it.key());
    return out.join(QLatin1Char(' '));
}

bool hasProperty(const QObject *object, const QString &property)
{
    return object->metaObject()->indexOfProperty(qPrintable(property)) >= 0
           || object->dynamicPropertyNames().contains(property.toUtf8());
}

} // namespace

QString screenCommand(QQuickWindow *window, const QStringList &words)
{
    const bool list = words.size() == 1 && words.first() == QLatin1String("names");
    const bool tap = words.size() == 2 && words.first() == QLatin1String("tap");
    const bool get = words.size() == 3 && words.first() == QLatin1String("get");
    if (!window || (!list && !tap && !get))
        return QString::fromLatin1(Usage);
    if (list)
        return names(window);

    static const QRegularExpression indexed(QStringLiteral("^(.+)\\[(\\d+)\\]$"));
    const QRegularExpressionMatch match = indexed.match(words.at(1));
    const QString name = match.hasMatch() ? match.captured(1) : words.at(1);
    QList<QObject *> found = window->findChildren<QObject *>(name);
    collect(window->contentItem(), name, &found);
    if (found.isEmpty())
        return QStringLiteral("error: no %1 on the screen (ui names lists them)").arg(name);
    const int index = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (index >= found.size())
        return QStringLiteral("error: %1 %2 are on the screen, from %2[0] to %2[%3]")
            .arg(found.size()).arg(name).arg(found.size() - 1);
    QObject *object = found.at(index);
    // Which one of several answered.
    const QString which = found.size() > 1 && !match.hasMatch()
                              ? QStringLiteral(" (%1[0] of %2 named so)").arg(name).arg(found.size())
                              : QString();
    if (get) {
        if (!hasProperty(object, words.at(2)))
            return QStringLiteral("error: %1 has no property %2").arg(words.at(1), words.at(2));
        return object->property(qPrintable(words.at(2))).toString() + which;
    }
    auto *item = qobject_cast<QQuickItem *>(object);
    if (!item || !item->isVisible())
        return QStringLiteral("error: %1 is not shown").arg(words.at(1));
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    const QPointF global = window->mapToGlobal(centre.toPoint());
    QMouseEvent press(QEvent::MouseButtonPress, centre, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QGuiApplication::sendEvent(window, &press);
    QGuiApplication::sendEvent(window, &release);
    return QStringLiteral("ok") + which;
}
