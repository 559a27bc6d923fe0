#ifndef FILELOGWORKER_H
#define FILELOGWORKER_H

#include "haccpdata.h"
#include "haccprecords.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

class QTimer;

struct CommandResult;
struct stat;

// Keeps the HACCP log "haccpLog.json" in "haccpLogs/" of the data root. Lives on a thread
// of its own and is reached only through queued requests carrying a data-stream payload.
//
// The log is read once, in pieces, into its records in compact form (HaccpRecords), and
// read again only when the file changed underneath (size, times, inode). A request
// changes the records in memory and the rewrite writes their text in pieces: it stays
// what a compact QJsonDocument of the whole log would be, without parsing and writing
// back a year of records per request. A log in another form is parsed whole, once.
//
// A rewrite goes to "haccpLog.json.New", is checked and fsync'ed, then "/bin/sync" and
// "/bin/mv" put it in place; all of it runs inside the request, so the next request is
// delivered only once the log is settled. Requests already waiting in the queue share one
// rewrite (a stop's removal and add are one write); each is still answered on its own, in
// order, with the result of that write. A failed step leaves the previous log in place and
// the requests answer with the failure instead of "OK"; their changes are kept, in order,
// and made again by the next rewrite that succeeds (a full disk delays records, never
// drops them).
class FileLogWorker : public QObject
{
    Q_OBJECT

public:
    static const QString OkResult;
    static constexpr int DisplayLimit = 250;
    // The log is read in pieces into its records, so its size costs a fraction of its
    // bytes in memory. Years of records of the busiest cabinet stay far below this; only a file
    // from elsewhere reaches it, and such a file is not read, and set aside at a rewrite.
    static constexpr int MaxLogBytes = 256 * 1024 * 1024;
    // Text that is not in the log's own compact form must be parsed whole, at several
    // times its size in memory; a larger file of that kind was not written here.
    static constexpr int MaxForeignBytes = 16 * 1024 * 1024;
    // Changes kept while the log cannot be written (more than a busy day's holds, each a
    // start, a removal and a finished record); past this the oldest is given up, named
    // in the log.
    static constexpr int MaxPending = 5000;
    static constexpr int RetryMs = 60000;

    explicit FileLogWorker(QObject *parent = nullptr);

    static QString logDir();  // ends with '/'
    static QString logPath();
    static QString newLogPath();
    // Changes still kept when the program stopped, beside the data (the log's folder may be
    // what could not be written); made on the log before any request of the next start.
    static QString journalPath();
    static constexpr int MaxJournalBytes = 16 * 1024 * 1024;

    // The request payloads (Qt 5.9 data stream, big-endian).
    static QByteArray packRecord(const HaccpData &data);
    static bool unpackRecord(const QByteArray &payload, HaccpData *data);
    static QByteArray packString(const QString &text);
    static QByteArray packFlag(bool flag);
    static QByteArray packExport(const QString &serialNumber, int traysPerZone, int zonesPerRow);
    // After a restart: the cut as the cabinet's local time "yyyy/MM/dd HH:mm:ss", the start
    // records of the holds that go on (one per bin: its newest open record stays open, or
    // this one is added when the cut came before the log had it), the bins whose hold had
    // run out (bit n: bin n). Every other open record is closed at the cut.
    static QByteArray packClose(const QString &cut, const QList<HaccpData> &holding, quint32 expiredBins);

    // A stored record as the screen and the export show it: "MM/dd", "HH:mm", and
    // "HH:mm" or "----"; a value that does not parse becomes empty text.
    static HaccpData displayForm(const QJsonObject &record);

    // One line of the CSV export, with its line end.
    static QByteArray csvLine(const HaccpData &display, int binsPerShelf);
    static QString exportFilePath(const QString &serialNumber, const QDateTime &now);

    // Held by a sender while it posts requests that belong in one rewrite (a stop's removal
    // and finished record): the worker waits for it before it gathers what was posted.
    QMutex *postingGate() { return &m_posting; }

    // Changes waiting for a rewrite that succeeds.
    int pendingCount() const { return m_pending.size(); }

    ~FileLogWorker() override;

signals:
    void addHaccpDone(QString result);
    void removeHaccpDone(QString result);
    void removeOldDataDone(QString result);
    void closeOpenDone(QString result);
    void retrievAllHaccpDataDone(QString result, int totalCount, QList<HaccpData> records);
    void fileExportComplete(QString result);
    // Sent with every retrieval: the file that is not shown because it is larger than any
    // log of ours or cannot be read as one (the log itself, or where it was set aside);
    // empty when there is none. `tooLarge` tells the two apart on the screen.
    void unreadLogChanged(QString fileName, bool tooLarge);

public slots:
    void doAddHaccpDataLog(const QByteArray &payload);
    void doRemoveHaccpDataLog(const QByteArray &payload);
    void doRemoveOldHaccpDataLogs(const QByteArray &payload);
    void doCloseOpenHaccpDataLogs(const QByteArray &payload);
    void retrieveAllHaccpData(const QByteArray &payload);
    void doHaccpFileExport(const QByteArray &payload);
    // Tries the kept changes again (also run by a timer while there are any).
    void retryPending();
    // At a stop signal: the kept changes are tried once more; what is still kept goes to
    // the journal (or, when that cannot be written either, is named in the log line by line).
    void tryAtStop();

private:
    enum Kind { Add, Remove, RemoveOld, Close, Retrieve, Export, Retry };
    struct Request
    {
        Kind kind;
        QByteArray payload;
    };
    // When the file was last seen; a difference means another writer was there.
    struct Stamp
    {
        bool exists = false;
        qint64 size = 0;
        qint64 modified = 0;
        qint64 changed = 0;
        quint64 inode = 0;
        bool operator==(const Stamp &o) const
        {
            return exists == o.exists && size == o.size && modified == o.modified
                && changed == o.changed && inode == o.inode;
        }
    };
    // Unsaved: the log as read plus the kept changes, which a rewrite makes again from
    // the file; shown by retrievals and exports until it is written.
    enum class Cache { None, Log, Foreign, Unsaved };

    // Queues the request, takes those already waiting behind it, and works them off.
    void take(Kind kind, const QByteArray &payload);
    void work(const QList<Request> &requests);
    void runWrites(const QList<Request> &group);
    void runRetrieve(const QByteArray &payload);
    void runExport(const QByteArray &payload);

    static Stamp stampOf(const QString &path);
    static Stamp stampOf(const struct stat &info);
    // Makes the memory hold the log as it is on disk. For a rewrite, content that is not
    // a JSON object is moved aside first, so a rewrite never buries it; false when the log
    // exists but can be neither read nor set aside: nothing may be written over it then.
    // For reading, such content reads as no records.
    bool load(bool forWrite);
    // The log in its own form, read in pieces: false when it is not (or reading failed).
    bool readOwnText();
    void useDocument(QJsonObject object);
    void keepPending(const QList<Request> &requests);
    void readJournal();
    void writeJournal();
    void dropJournal();
    static QString describe(const Request &request);
    void useEmpty();
    void forget();
    // False when nothing had to change.
    bool closeOpen(const QDateTime &cut, const QList<HaccpData> &holding, quint32 expiredBins);

    // Write step: ".New", "/bin/sync", "/bin/mv", detached "/bin/sync".
    QString writeLog();
    bool writeHaccpInfoWrapUp(const QString &step, const CommandResult &result);
    bool setAside(const QByteArray &content);

    QMutex m_mutex;
    QMutex m_posting;
    QList<Request> m_queue;
    bool m_busy = false;
    QList<Request> m_pending;  // changes not yet written, oldest first
    bool m_journalRead = false;
    bool m_journalOnDisk = false;   // holds changes that are not in the log yet
    bool m_journalCurrent = false;  // m_pending was kept (or named) since it last changed
    QTimer *m_retry = nullptr;
    QString m_unreadLog;
    bool m_unreadTooLarge = false;

    bool m_settled = false;   // a ".New" left by an interrupted rewrite was dealt with
    Cache m_cache = Cache::None;
    Stamp m_stamp;
    HaccpRecords m_log;
};

#endif // FILELOGWORKER_H
