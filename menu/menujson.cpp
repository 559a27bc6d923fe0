#include "menujson.h"
#include "menulog.h"

#include "menulanguages.h"

#include <QDebug>

namespace {

constexpr int notesShown = 10;

} // namespace

void JsonReadNotes::addRepeatedKeys(const QStringList &keys)
{
    for (const QString &key : keys)
        add(QStringLiteral("\"%1\"").arg(key), QStringLiteral("named twice in one object, the last value taken"));
}

QString JsonReadNotes::summary() const
{
    QString shown = m_notes.mid(0, notesShown).join(QStringLiteral("; "));
    if (m_notes.size() > notesShown)
        shown += QStringLiteral("; and %1 more").arg(m_notes.size() - notesShown);
    return shown;
}

void JsonReadNotes::log(const QString &file) const
{
    if (m_notes.isEmpty())
        return;
    qCWarning(lcMenu).noquote() << QStringLiteral("%1: the rest is read; %2 value(s) not read as they stand - %3")
                                .arg(file)
                                .arg(m_notes.size())
                                .arg(summary());
}

QString JsonMembers::where(const char *key) const
{
    return m_where.isEmpty() ? QString::fromLatin1(key) : m_where + QLatin1Char('.') + QLatin1String(key);
}

QJsonValue JsonMembers::checked(const char *key, bool (QJsonValue::*fits)() const, const char *expected) const
{
    const QJsonValue v = value(key);
    if (v.isUndefined() || (v.*fits)())
        return v;
    if (m_notes)
        m_notes->add(where(key), QStringLiteral("not %1, read as missing").arg(QLatin1String(expected)));
    return QJsonValue(QJsonValue::Undefined);
}

int JsonMembers::integer(const char *key) const
{
    const QJsonValue v = checked(key, &QJsonValue::isDouble, "a number");
    const int read = jsonInt(v);
    if (v.isDouble() && read != v.toDouble() && m_notes)
        m_notes->add(where(key), QStringLiteral("not a whole number, read as 0"));
    return read;
}

QString JsonMembers::text(const char *key, const QString &otherwise) const
{
    const QJsonValue v = checked(key, &QJsonValue::isString, "text");
    return v.isString() ? v.toString() : otherwise;
}

bool JsonMembers::boolean(const char *key, bool otherwise) const
{
    const QJsonValue v = checked(key, &QJsonValue::isBool, "true or false");
    return v.isBool() ? v.toBool() : otherwise;
}

QJsonObject JsonMembers::object(const char *key) const
{
    return checked(key, &QJsonValue::isObject, "an object").toObject();
}

QJsonArray JsonMembers::array(const char *key) const
{
    return checked(key, &QJsonValue::isArray, "a list").toArray();
}

QStringList JsonMembers::names(const char *key) const
{
    const QJsonObject names = object(key);
    if (m_notes) {
        for (const QString &code : MenuLanguages::codes()) {
            const QJsonValue name = names.value(code);
            if (!name.isUndefined() && !name.isString())
                m_notes->add(where(key) + QLatin1Char('.') + code, QStringLiteral("not text, read as empty"));
        }
    }
    return MenuLanguages::namesFromJson(names);
}
