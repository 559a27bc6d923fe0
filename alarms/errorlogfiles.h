#ifndef ERRORLOGFILES_H
#define ERRORLOGFILES_H

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The weekly error-log files under "errorLogs/" of the data root: one file begun with
// the first error of each ISO week, named "el" + that day as "yyMMdd" + ".txt", one line
// per error ("1;yyyy/MM/dd HH:mm:ss;" and the four codes separated by tabs). Used on the
// error service's worker thread only.
class ErrorLogFiles
{
public:
    struct Entry
    {
        // "yyyy/MM/dd" and "HH:mm:ss" as written; both empty when the line's date or
        // time is not a real one.
        QString dateText;
        QString timeText;
        int codes[4] = {0, 0, 0, 0};
        QString codesText; // the four codes as written, joined by "."

        QDateTime timestamp() const; // local time; invalid with empty texts
    };

    // One well-formed line as read: the numbers of its time (`real`: a real date and
    // time) and its four codes with the count of digits each was written with.
    struct Line
    {
        int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
        bool real = false;
        int codes[4] = {0, 0, 0, 0};
        int digits[4] = {1, 1, 1, 1};
    };
    using LineSink = std::function<void(const Line &)>;

    static QString logDir();                 // ends with '/'
    // Entry names of the log folder (without "." and ".."), case-sensitive name order.
    static QStringList entries();
    // The file the next line goes to on `today` (creates the folder when missing).
    static QString chooseLogFile(const QDate &today);

    static QByteArray typeOneLine(const QDateTime &when, int mainCode, int subCode1,
                                  int subCode2, int subCode3);
    static QByteArray typeThreeLine(const QDateTime &when);
    // Appends one line and flushes it to the storage; false when the file cannot be
    // opened or written.
    static bool appendLine(const QString &path, const QByteArray &line);

    // The well-formed type-1 lines of one file, read in pieces of ReadPiece bytes; nothing
    // for a file that cannot be read. A damaged stretch (zeros after a power cut) loses
    // only its own lines. Of a file larger than MaxLogBytes only the newest MaxLogBytes
    // are read, and `cut` is set.
    static QVector<Entry> readLog(const QString &path, bool *cut = nullptr);
    static QVector<Entry> parseLog(const QByteArray &text);
    // The same lines handed over one by one, nothing kept: a large log costs no more
    // than what `take` keeps of it.
    static void readLines(const QString &path, const LineSink &take, bool *cut = nullptr);
    static void parseLines(const QByteArray &text, const LineSink &take);
    static Entry entryOf(const Line &line);
    // "yyyy/MM/dd" and "HH:mm:ss" of the numbers as they are.
    static QString dateText(int year, int month, int day);
    static QString timeText(int hour, int minute, int second);
    // A "yyyy/MM/dd" date and "HH:mm:ss" time read by hand; invalid unless both are real.
    static QDateTime parseTimestamp(const QString &dateText, const QString &timeText);
    // A week of an error every half second stays below this; only a file from elsewhere
    // is larger, and its oldest part is not read rather than exhausting the memory.
    static constexpr qint64 MaxLogBytes = 32 * 1024 * 1024;
    static constexpr int ReadPiece = 1024 * 1024;

    // Removes every entry of the folder; returns how many were there.
    static int deleteAll();

    // "errorLog_<serial>_<yyMMdd-HHmmss>.txt" on the flash drive, with the serial
    // number reduced to letters, digits, '-' and '_' so that it cannot leave the drive
    // or break the name.
    static QString exportFilePath(const QString &serialNumber, const QDateTime &now);
    static QString safeSerialNumber(const QString &serialNumber);

    // The time the service stamps its lines, names its files and exports with: the
    // cabinet's, in the zone the settings hold, as the clock and the Holding Log show it.
    // Tests may fix it before the worker starts.
    static QDateTime now();
    // The real instant of a time now() gave, in whole epoch seconds.
    static qint64 epochSecondsOf(const QDateTime &now);
    static void setFixedNow(const QDateTime &when);
};

#endif // ERRORLOGFILES_H
