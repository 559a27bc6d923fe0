#ifndef HACCPCONTROLLER_H
#define HACCPCONTROLLER_H

#include "haccpdata.h"
#include "haccpdatamodel.h"
#include "p4statemachine.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QThread>

class FileLogWorker;
class QTimer;

// The HACCP log on the GUI thread: turns the holding records into requests for the file
// worker on its own thread, removes records older than a year once a day, loads records
// into the Holding Log screen's model and has the worker export the log as CSV. With
// HACCP collection off in the personality it holds only the model: no worker, no thread,
// no timer, and requests reach nobody.
class HaccpController : public P4StateMachine, public HaccpLogSink
{
    Q_OBJECT
    Q_PROPERTY(HaccpDataModel *haccpDataModel READ get_haccpDataModel WRITE set_haccpDataModel NOTIFY haccpDataModelChanged)
    Q_PROPERTY(int haccpLogListCount READ get_haccpLogListCount WRITE set_haccpLogListCount NOTIFY haccpLogListCountChanged)
    Q_PROPERTY(int totalHaccpLogListCount READ get_totalHaccpLogListCount WRITE set_totalHaccpLogListCount NOTIFY totalHaccpLogListCountChanged)
    // A file too large to be a log of ours, or not one, not shown: named on the Holding Log
    // screen, which says which of the two it is.
    Q_PROPERTY(QString unreadLog READ get_unreadLog NOTIFY unreadLogChanged)
    Q_PROPERTY(bool unreadLogTooLarge READ get_unreadLogTooLarge NOTIFY unreadLogChanged)

public:
    static constexpr int FirstCleanupMs = 10000;
    static constexpr int CleanupCheckMs = 3600000;

    explicit HaccpController(QObject *parent = nullptr);
    ~HaccpController() override;

    HaccpDataModel *get_haccpDataModel() const { return m_haccpDataModel; }
    void set_haccpDataModel(HaccpDataModel *model);
    int get_haccpLogListCount() const { return m_haccpLogListCount; }
    void set_haccpLogListCount(int count);
    int get_totalHaccpLogListCount() const { return m_totalHaccpLogListCount; }
    void set_totalHaccpLogListCount(int count);
    QString get_unreadLog() const { return m_unreadLog; }
    bool get_unreadLogTooLarge() const { return m_unreadLogTooLarge; }

    bool isCollecting() const { return m_worker != nullptr; }
    QTimer *cleanupTimer() const { return m_cleanupTimer; }
    QDateTime lastCleanup() const { return m_lastCleanup; }
    void setLastCleanup(const QDateTime &when) { m_lastCleanup = when; }

    // The oldest day a clean-up keeps: one calendar year before `localNow` (29 February
    // goes to 28 February), as "yyyy/MM/dd".
    static QString cleanupCutoff(const QDateTime &localNow);

signals:
    void haccpDataLog(QByteArray payload);
    void removeDataLog(QByteArray payload);
    void closeOpenDataLogs(QByteArray payload);
    void removeOldDataSignal(QByteArray payload);
    void retrieveHaccpData(QByteArray payload);
    void exportDataLogToCsv(QByteArray payload);

    void retrieveHaccpDataDone(QString result);
    void exportHaccpLogDone(QString result);

    void haccpDataModelChanged(HaccpDataModel *model);
    void haccpLogListCountChanged(int count);
    void totalHaccpLogListCountChanged(int count);
    void unreadLogChanged(QString fileName);

public slots:
    void logDataEntry(const HaccpData &dataLog) override;
    void removeStartDataLogEntry(const HaccpData &dataLog) override;
    void closeOpenRecords(const QDateTime &cut, const QList<HaccpData> &holding, quint32 expiredBins) override;
    void retrieveAllHaccpData(bool retrieveAll);
    void exportHaccpLog();
    void removeOldHaccpData();
    void retrievAllHaccpDataComplete(QString result, int totalCount, QList<HaccpData> records);
    void exportHaccpLogComplete(QString result);
    void testFunction(QString result);

private:
    void startWorker();

    HaccpDataModel *m_haccpDataModel = nullptr;
    int m_haccpLogListCount = 0;
    int m_totalHaccpLogListCount = 0;
    QString m_unreadLog;
    bool m_unreadLogTooLarge = false;
    QThread m_workerThread;
    FileLogWorker *m_worker = nullptr;
    // Held from a stop's removal until its finished record is posted too (or the event
    // loop turns), so that the worker takes both into one rewrite.
    bool m_gateHeld = false;
    void holdGate();
    void releaseGate();
    QTimer *m_cleanupTimer = nullptr;
    QDateTime m_lastCleanup;
};

#endif // HACCPCONTROLLER_H
