#include "jsonmenufile.h"

#include "jsonguard.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

JsonMenuFile::Outline JsonMenuFile::checkOutline(const QByteArray &bytes)
{
    Outline outline;
    // A key named twice is read as the menu file reads it: the last value stands.
    const QJsonDocument doc = JsonGuard::parse(JsonGuard::withoutRepeatedKeys(bytes, &outline.repeatedKeys),
                                               "menu-tool file", int(maxFileSize));
    if (!doc.isObject()) {
        outline.messages << QStringLiteral("JSON file is invalid!!!!!!!!");
        return outline;
    }
    outline.document = doc.object();
    const QJsonObject header = outline.document.value(QLatin1String("header")).toObject();
    if (header.isEmpty())
        outline.messages << QStringLiteral("File header read failed!!!!!!!!");
    const QJsonObject menu = outline.document.value(QLatin1String("menu")).toObject();
    if (menu.isEmpty()) {
        outline.messages << QStringLiteral("menuObj is empty!!!!!!!!");
        return outline;
    }
    if (header.isEmpty())
        return outline;
    if (!menu.value(QLatin1String("products")).isArray()) {
        outline.messages << QStringLiteral("Products array read failed!!!!!!!!");
        return outline;
    }
    if (!menu.value(QLatin1String("productGroups")).isArray()) {
        outline.messages << QStringLiteral("Group array read failed!!!!!!!!");
        return outline;
    }
    if (!menu.value(QLatin1String("layout")).isArray()) {
        outline.messages << QStringLiteral("dayparts array read failed!!!!!!!!");
        return outline;
    }
    outline.ok = true;
    return outline;
}

QString JsonMenuFile::safeFileNamePart(const QString &text)
{
    static const QString refused = QStringLiteral("/\\\"*:<>?|");
    QString safe = text;
    for (QChar &c : safe) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || refused.contains(c))
            c = QLatin1Char('_');
    }
    return safe;
}

QString JsonMenuFile::exportFileName(const QStringList &existingEntries, const QString &serial)
{
    const QString stem = QStringLiteral("MENU_") + safeFileNamePart(serial);
    const QSet<QString> existing(existingEntries.cbegin(), existingEntries.cend());
    QString name = stem + QStringLiteral(".json");
    for (int n = 2; existing.contains(name); ++n)
        name = stem + QStringLiteral("_%1.json").arg(n);
    return name;
}

QByteArray JsonMenuFile::exportDocument(const QString &serial, const QByteArray &menuText,
                                        const QByteArray &dayPartsText)
{
    QJsonObject header;
    header.insert(QStringLiteral("menuVersion"), menuVersion);
    header.insert(QStringLiteral("menuDescription"), QStringLiteral("MENU_") + serial);

    QJsonObject menu;
    const QJsonDocument menuDoc = JsonGuard::parse(menuText, "menu file", int(maxFileSize));
    if (menuDoc.isObject()) {
        menu.insert(QStringLiteral("productGroups"), menuDoc.object().value(QLatin1String("productGroups")));
        menu.insert(QStringLiteral("products"), menuDoc.object().value(QLatin1String("products")));
    }
    const QJsonDocument dayPartsDoc = JsonGuard::parse(dayPartsText, "day-part file", int(maxFileSize));
    if (dayPartsDoc.isObject())
        menu.insert(QStringLiteral("layout"), dayPartsDoc.object().value(QLatin1String("layout")));

    QJsonObject top;
    top.insert(QStringLiteral("header"), header);
    top.insert(QStringLiteral("menu"), menu);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}
