#ifndef MENUJSON_H
#define MENUJSON_H

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <climits>
#include <cmath>

// The menu and day-part files take a missing or mistyped member as 0: a whole number of
// the file, or 0 for anything else (missing, text, fractional, out of the int range).
inline int jsonInt(const QJsonValue &value)
{
    if (!value.isDouble())
        return 0;
    const double d = value.toDouble();
    if (d != std::floor(d) || d < INT_MIN || d > INT_MAX)
        return 0;
    return static_cast<int>(d);
}

// What the start-up reader of one of our files could not take as it stands: noted
// value by value, logged once for the file.
class JsonReadNotes
{
public:
    void add(const QString &where, const QString &what) { m_notes << where + QStringLiteral(": ") + what; }
    // The keys that the file's objects named twice; the last value of each was taken.
    void addRepeatedKeys(const QStringList &keys);
    bool isEmpty() const { return m_notes.isEmpty(); }
    // The first notes, in one line.
    QString summary() const;
    // One warning naming the file and the first notes.
    void log(const QString &file) const;

private:
    QStringList m_notes;
};

// The members of one object of such a file, read by the files' rules: a member that is
// missing or of another type gives the default. One that is there but of another type
// is noted, when there are notes to take it.
class JsonMembers
{
public:
    JsonMembers(const QJsonObject &object, const QString &where, JsonReadNotes *notes)
        : m_object(object), m_where(where), m_notes(notes)
    {
    }

    QJsonValue value(const char *key) const { return m_object.value(QLatin1String(key)); }
    int integer(const char *key) const;
    // The text, or `otherwise` for anything that is not a string.
    QString text(const char *key, const QString &otherwise = QString()) const;
    bool boolean(const char *key, bool otherwise) const;
    QJsonObject object(const char *key) const;
    QJsonArray array(const char *key) const;
    // The 15 names of a names object, in language order; a name that is not text is
    // empty.
    QStringList names(const char *key) const;

    QString where(const char *key) const;
    JsonReadNotes *notes() const { return m_notes; }

private:
    // The value of `key` when it is there and `fits`; else it is noted and undefined.
    QJsonValue checked(const char *key, bool (QJsonValue::*fits)() const, const char *expected) const;

    QJsonObject m_object;
    QString m_where;
    JsonReadNotes *m_notes;
};

// Calls `read` with the members of each entry of `list` that is an object; any other
// entry is noted and left out.
template<typename Read>
void forEachObject(const QJsonArray &list, const QString &where, JsonReadNotes *notes, Read read)
{
    for (int i = 0; i < list.size(); ++i) {
        const QString entry = QStringLiteral("%1[%2]").arg(where).arg(i);
        if (list.at(i).isObject())
            read(JsonMembers(list.at(i).toObject(), entry, notes));
        else if (notes)
            notes->add(entry, QStringLiteral("not an object, left out"));
    }
}

#endif // MENUJSON_H
