#ifndef ERRORDEFINITIONS_H
#define ERRORDEFINITIONS_H

#include <QList>
#include <QString>

class ErrorRecord;
class QObject;

// The table that gives every error quadruple its text, and the look-up. Texts carry
// placeholders of two characters, a backslash and a digit: \1 main code, \2 to \4 sub
// codes 1 to 3. Texts are translated (context "TulErrorController") when the table is
// built, so a rebuild after a language change yields the new language.
class ErrorDefinitions
{
public:
    static constexpr int RowCount = 75;

    // Deletes the rows of `table` and appends the 75 rows, each a child of `parent`.
    static void build(QList<ErrorRecord *> &table, QObject *parent = nullptr);

    // The first matching row's text with its placeholders filled, else "Undefined".
    static QString describe(const QList<ErrorRecord *> &table, int mainCode, int subCode1,
                            int subCode2, int subCode3);
};

#endif // ERRORDEFINITIONS_H
