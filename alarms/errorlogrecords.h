#ifndef ERRORLOGRECORDS_H
#define ERRORLOGRECORDS_H

#include "errorlogfiles.h"

#include <QMetaType>
#include <QSharedDataPointer>
#include <QString>

// One row of the error-log list as the Errors Log panel shows it.
struct ErrorInfo
{
    QString date;
    QString time;
    QString codes;
    QString desc;
    int mainCode = 0;
    // The 0-based zone, as the screen counts it, of a heater or zone error; -1 for others.
    int zone = -1;
};
Q_DECLARE_METATYPE(ErrorInfo)

// The error-log list as the worker and both models hold it. A line of a log, or a report
// with codes of up to three digits, is 16 bytes: its date and time as numbers, its codes
// with the count of digits each was written with, its zone, and the index of its text in
// a table of the distinct texts. Anything else (a row handed in as texts) keeps its texts.
// Copies share the records until one of them changes, so the screen's model costs nothing
// beside the worker's. A log of several weeks' errors therefore stands in memory at half
// its bytes rather than eight times them.
class ErrorLogRecords
{
public:
    ErrorLogRecords();
    ErrorLogRecords(const ErrorLogRecords &other);
    ErrorLogRecords &operator=(const ErrorLogRecords &other);
    ~ErrorLogRecords();

    int count() const;
    bool isEmpty() const { return count() == 0; }
    // One record as the panel shows it; column 0 date, 1 time, 2 codes, 3 text.
    ErrorInfo row(int i) const;
    QString column(int i, int column) const;
    int zone(int i) const;
    int mainCode(int i) const;

    // A line as read (`zone` -1 for none).
    void append(const ErrorLogFiles::Line &line, const QString &text, int zone);
    void append(const ErrorInfo &row);
    void reserve(int more);
    void reverse();
    void clear();

private:
    struct Record
    {
        quint32 day;      // yyyyMMdd, 0 for a date that is not a real one; Other: a row of texts
        quint32 timeZone; // HHmmss in the low 24 bits, the zone + 1 above; Other: index in `other`
        quint64 codes;    // four times 10 bits of value and 2 of digits, the text's index above
    };
    static constexpr quint32 Other = 0xffffffffu;
    struct Data;
    const Record &at(int i) const;
    int textIndex(const QString &text);

    QSharedDataPointer<Data> d;
};

#endif // ERRORLOGRECORDS_H
