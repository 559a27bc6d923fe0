#include "menulanguages.h"

const QStringList &MenuLanguages::codes()
{
    static const QStringList table = {
        QStringLiteral("eng_USA"), QStringLiteral("spa"),    QStringLiteral("fra"),
        QStringLiteral("spa_mx"),  QStringLiteral("fra_ca"), QStringLiteral("deu"),
        QStringLiteral("ita"),     QStringLiteral("nld"),    QStringLiteral("pol"),
        QStringLiteral("por"),     QStringLiteral("rus"),    QStringLiteral("ara"),
        QStringLiteral("kor"),     QStringLiteral("zh_cn"),  QStringLiteral("jpn"),
    };
    return table;
}

QString MenuLanguages::code(int languageId)
{
    return languageId >= 0 && languageId < count ? codes().at(languageId) : QString();
}

int MenuLanguages::indexOf(const QString &code)
{
    return codes().indexOf(code);
}

QStringList MenuLanguages::namesFromJson(const QJsonObject &names)
{
    QStringList list;
    list.reserve(count);
    for (const QString &key : codes())
        list << names.value(key).toString();
    return list;
}

QJsonObject MenuLanguages::namesToJson(const QStringList &names)
{
    QJsonObject object;
    for (int i = 0; i < count; ++i)
        object.insert(codes().at(i), names.value(i));
    return object;
}
