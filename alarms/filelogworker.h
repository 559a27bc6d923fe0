#ifndef FILELOGWORKER_H
#define FILELOGWORKER_H

#include "haccpdata.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>

struct CommandResult;

// Keeps the HACCP log "haccpLog.json" in "haccpLogs/" of the data root. Lives on a thread
// of its own and is reached only through queued requests carrying a data-stream payload;
// every request reads the file anew, so the worker holds no records between requests.
//
// A rewrite goes to "haccpLog.json.New", is checked and fsync'ed, then "/bin/sync" and
// "/bin/mv" put it in place; all of it runs inside the request, so the next request is
// delivered only once the log is settled. A failed step leaves the previous log in place
// and the request answers with the failure instead of "OK".
class FileLogWorker : public QObject
{
    Q_OBJECT

public:
    static const QString OkResult;
    static constexpr int DisplayLimit = 250;
    // Months of records of a busy cabinet fit many times; a larger log is set aside.
    static constexpr int MaxLogBytes = 64 * 1024 * 1024;

    explicit FileLogWorker(QObject *parent = nullptr);

    static QString logDir();  // ends with '/'
    static QString logPath();
    static QString newLogPath();

    // The request payloads (Qt 5.9 data stream, big-endian).
    static QByteArray packRecord(const HaccpData &data);
    static bool unpackRecord(const QByteArray &payload, HaccpData *data);
    static QByteArray packString(const QString &text);
    static QByteArray packFlag(bool flag);
    static QByteArray packExport(const QString &serialNumber, int traysPerZone, int zonesPerRow);

    // A stored record as the screen and the export show it: "MM/dd", "HH:mm", and
    // "HH:mm" or "----"; a value that does not parse becomes empty text.
    static HaccpData displayForm(const QJsonObject &record);

    // One line of the CSV export, with its line end.
    static QByteArray csvLine(const HaccpData &display, int binsPerShelf);
    static QString exportFilePath(const QString &serialNumber, const QDateTime &now);

signals:
    void addHaccpDone(QString result);
    void removeHaccpDone(QString result);
    void removeOldDataDone(QString result);
    void retrievAllHaccpDataDone(QString result, int totalCount, QList<HaccpData> records);
    void fileExportComplete(QString result);

public slots:
    void doAddHaccpDataLog(const QByteArray &payload);
    void doRemoveHaccpDataLog(const QByteArray &payload);
    void doRemoveOldHaccpDataLogs(const QByteArray &payload);
    void retrieveAllHaccpData(const QByteArray &payload);
    void doHaccpFileExport(const QByteArray &payload);

private:
    // Read step of a rewrite: the working object and its "haccpInfo" array. Content that
    // is not a JSON object is moved aside first, so a rewrite never buries it.
    // False when the log exists but can be neither read nor set aside: nothing may be
    // written over it then.
    bool readLog(QJsonObject *object, QJsonArray *records);
    // Write step: ".New", "/bin/sync", "/bin/mv", detached "/bin/sync".
    QString writeLog(QJsonObject object, const QJsonArray &records);
    // Read step, `change`, write step, all under the lock; the request's result.
    QString rewriteLog(const std::function<void(QJsonArray &)> &change);
    bool writeHaccpInfoWrapUp(const QString &step, const CommandResult &result);
    bool setAside(const QByteArray &content);

    QMutex m_mutex;
};

#endif // FILELOGWORKER_H
