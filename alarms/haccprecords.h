#ifndef HACCPRECORDS_H
#define HACCPRECORDS_H

#include "haccpdata.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVector>

#include <functional>
#include <vector>

// The HACCP log's records as the worker holds them between requests: a record the log
// writes itself ("b", "d", "e", "h", "p", "t" in compact form, plain dates, times and
// durations) is 24 bytes and its product name's stored bytes; any other element of the
// array keeps its own compact text. The text is read in pieces and written in pieces
// and is byte for byte what a compact QJsonDocument of the whole log would be, so a year of
// records never stands in memory as a document, nor as its text.
class HaccpRecords
{
public:
    // What a record holds, as QJsonValue's toString / toBool / toInt would read it.
    struct Fields
    {
        HaccpData raw;
        bool hasDay = false;
        bool hasTime = false;
        bool hasBin = false;
    };

    // Gives the next bytes of the text: the count (at most `max`), 0 at its end, -1 when
    // reading failed.
    using Source = std::function<qint64(char *to, qint64 max)>;
    // Takes the next bytes of the text; false stops the writing.
    using Sink = std::function<bool(const char *data, int size)>;
    static constexpr int PieceBytes = 64 * 1024;

    enum class Read { Ok, NotCompact, Failed };

    HaccpRecords();

    // The log as the rewrite would write it, when the text is exactly that; otherwise the
    // records stay empty (NotCompact: the text has another form; Failed: the source did).
    // `expectedBytes`: the text's size as far as known.
    Read read(const Source &source, qint64 expectedBytes = 0);
    Read read(const QByteArray &text);
    // A log without records.
    void setEmpty();
    // Gives the memory back (nothing is held afterwards, not even an empty log).
    void release();

    int count() const { return int(m_records.size()); }
    HaccpData shown(int i) const;      // `i` counted from the newest, as the screen shows it
    void appendCsv(int i, int binsPerShelf, QByteArray *out) const;

    void prepend(const HaccpData &data);
    // The removal of a stop: records without day, time or bin go on the way to the bin's
    // newest open record, which goes too. True when anything was removed.
    bool removeOpenRecord(int bin);
    // Keeps the records dated on `cutoff` or later (all dated ones when it is invalid).
    bool removeBefore(const QDate &cutoff);
    // After a restart: the newest open record of each bin in `keepBins` stays open (its
    // hold goes on); every other open record gets the time from its start to `cut` (the
    // cabinet's local time, as the records' own) as its duration, none when it started
    // later, and is marked expired when its bin is in `expiredBins`. Bins are bits of the
    // masks. The number of records closed.
    int closeOpenRecords(const QDateTime &cut, quint32 keepBins, quint32 expiredBins);
    bool hasOpenRecord(int bin) const;

    bool write(const Sink &sink) const;

    // The display form of stored fields: "MM/dd", "HH:mm", "HH:mm" or "----"; a value
    // that does not parse becomes empty text.
    static HaccpData shownForm(const HaccpData &raw);
    // "yyyy/MM/dd"; an invalid date when the text is anything else.
    static QDate parseDay(const QString &text);
    // One CSV line of a record in display form, with its line end.
    static QByteArray csvLine(const HaccpData &display, int binsPerShelf);

private:
    // Day as yyyyMMdd, time as HHmmss, duration as hours * 10000 + mmss: the digits of the
    // text, valid or not, so that it is written back as it was read.
    struct Record
    {
        quint32 day;
        quint32 time;
        quint32 duration;  // OpenDuration: "----"
        qint32 bin;
        quint32 name;      // offset in m_names; for another element its index in m_other
        quint32 bits;      // the name's size and the flags below, set in one store
        static constexpr quint32 SizeMask = (1u << 29) - 1;
        static constexpr quint32 PlainName = 1u << 29; // printable ASCII without escapes
        static constexpr quint32 Expired = 1u << 30;
        static constexpr quint32 Other = 1u << 31;
        int nameSize() const { return int(bits & SizeMask); }
        bool plainName() const { return bits & PlainName; }
        bool expired() const { return bits & Expired; }
        bool other() const { return bits & Other; }
    };
    static constexpr quint32 OpenDuration = 0xffffffffu;
    struct Other
    {
        QByteArray text;
        Fields fields;
    };
    class Reader;

    Read read(Reader &reader, qint64 expectedBytes);
    int takeHeadPair(const char *p, const char *end, bool *arrayOpens);
    int takeRecord(const char *p, const char *end, bool *closes);
    bool takeTail(const QByteArray &tail);
    bool nameIsCompact(const char *stored, int size);
    void insertFirst(Record r, const char *name, int nameSize);
    void addOther(const QByteArray &text, const Fields &fields, bool first);
    const Record &at(int i) const { return m_records[size_t(i)]; }
    QString nameOf(const Record &r) const;
    void keepOnly(const QVector<bool> &keep); // indexed like m_records
    void appendText(const Record &r, QByteArray *out) const;

    QByteArray m_head;  // "{" up to and with the array's "["
    QByteArray m_tail;  // from the array's "]" to the end
    std::vector<Record> m_records; // newest first, as in the text
    QByteArray m_names;        // the names' stored bytes, one after the other
    int m_unusedNameBytes = 0; // of removed records, until the names are compacted
    QVector<Other> m_other;
    // While reading: the top-level key before, whether "desc" came, and names with
    // escapes or other letters already found to be in the writer's form.
    QByteArray m_lastKey;
    bool m_desc = false;
    QHash<QByteArray, bool> m_checkedNames;
};

#endif // HACCPRECORDS_H
