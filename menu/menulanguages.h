#ifndef MENULANGUAGES_H
#define MENULANGUAGES_H

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The 15 languages in which product, group and day-part names are kept. The index of a
// code is the translator's language id and the position of the name in every name list;
// the code is the key of the name in every JSON file.
class MenuLanguages
{
public:
    static constexpr int count = 15;

    static const QStringList &codes();
    // The code of a language id; empty outside 0..14.
    static QString code(int languageId);
    // The language id of a code; -1 for a code that is not one of the 15.
    static int indexOf(const QString &code);

    // A names object -> 15 names in language order (missing or non-text: empty).
    static QStringList namesFromJson(const QJsonObject &names);
    // 15 names -> a names object with all 15 keys (entries past the list: empty).
    static QJsonObject namesToJson(const QStringList &names);
};

#endif // MENULANGUAGES_H
