#ifndef TULERRORCONTROLLERT_H
#define TULERRORCONTROLLERT_H

#include "errorinfomodel.h"
#include "errorrecord.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QModbusMaster;
class QModbusPollInfo;
class QThread;
class TulErrorController;

// The error service as the rest of the program sees it, on the GUI thread (QML context
// property "tulErrorController"). Every call becomes a queued signal to the worker on
// "tulErrorControllerThread"; the worker's results come back as queued signals. The
// facade carries out on the GUI thread what the worker may not: the Modbus read of the
// error registers and the display-link sends.
class TulErrorControllerT : public QObject
{
    Q_OBJECT
    Q_PROPERTY(unsigned int errorFlags READ get_errorFlags WRITE set_errorFlags NOTIFY errorFlagsChanged)
    Q_PROPERTY(bool errorAcknowledged READ get_errorAcknowledged WRITE set_errorAcknowledged NOTIFY errorAcknowledgedChanged)
    Q_PROPERTY(bool sibLinkBroken READ get_sibLinkBroken WRITE set_sibLinkBroken NOTIFY sibLinkBrokenChanged)
    Q_PROPERTY(QString currentErrorsString READ get_currentErrorsString WRITE set_currentErrorsString NOTIFY currentErrorsStringChanged)
    Q_PROPERTY(QList<QObject *> errorsList READ get_errorsList NOTIFY errorsListChanged)
    Q_PROPERTY(ErrorRecord *currentError READ get_currentError NOTIFY currentErrorChanged)
    Q_PROPERTY(QList<QObject *> errorsLogList READ get_errorsLogList NOTIFY errorsLogListChanged)
    Q_PROPERTY(int errorsLogListCount READ get_errorsLogListCount WRITE set_errorsLogListCount NOTIFY errorsLogListCountChanged)
    // Log files of which the last load read only the newest part (comma-separated names).
    Q_PROPERTY(QString cutLogs READ get_cutLogs NOTIFY cutLogsChanged)
    Q_PROPERTY(QString recoverableErrLabel READ get_recoverableErrLabel WRITE set_recoverableErrLabel NOTIFY recoverableErrLabelChanged)
    Q_PROPERTY(QString recoverableErrCodes READ get_recoverableErrCodes WRITE set_recoverableErrCodes NOTIFY recoverableErrCodesChanged)
    Q_PROPERTY(ErrorInfoModel *errorInfoModel READ get_errorInfoModel WRITE set_errorInfoModel NOTIFY errorInfoModelChanged)

public:
    // `parent` is the application core (CabinetManager); the layout values the worker
    // needs are read from it here. `master` may be null on a display without the IO board.
    explicit TulErrorControllerT(QModbusMaster *master, QObject *parent = nullptr);
    ~TulErrorControllerT() override;

    QThread *workerThread() const { return m_thread; }
    TulErrorController *worker() const { return m_worker; }
    QModbusPollInfo *errorsMbInfo() const { return m_errorsMbInfo; }

    unsigned int get_errorFlags() const { return m_errorFlags; }
    bool get_errorAcknowledged() const { return m_errorAcknowledged; }
    bool get_sibLinkBroken() const { return m_sibLinkBroken; }
    QString get_currentErrorsString() const { return m_currentErrorsString; }
    QList<QObject *> get_errorsList() const { return {}; }
    ErrorRecord *get_currentError() { return &m_currentError; }
    QList<QObject *> get_errorsLogList() const { return {}; }
    int get_errorsLogListCount() const { return m_errorsLogListCount; }
    QString get_cutLogs() const { return m_cutLogs; }
    QString get_recoverableErrLabel() const { return m_recoverableErrLabel; }
    QString get_recoverableErrCodes() const { return m_recoverableErrCodes; }
    ErrorInfoModel *get_errorInfoModel() const { return m_errorInfoModel; }
    // For the start-up summary: "<n> entries in the errors log" once the first load has
    // ended, "reading the errors log" until then.
    QString errorsLogSummary() const;

public slots:
    void errorCodesDataProcess(int mc, int sub1, int sub2, int sub3);
    void errorCodesClearDataProcess(int mc, int sub1, int sub2, int sub3);
    // For quadruples received from the other display (ERROR_INFO / ERROR_CLEAR_INFO):
    // logged and announced here, never sent back.
    void remoteErrorCodesDataProcess(int mc, int sub1, int sub2, int sub3);
    void remoteErrorCodesClearDataProcess(int mc, int sub1, int sub2, int sub3);
    void createDefinitionsList();
    void deleteAllErrorLogs();
    void clearErrorLogList();
    void retrieveAllErrorLogs();
    void exportErrorLog();

    void set_errorFlags(unsigned int value);
    void set_errorAcknowledged(bool value);
    void set_sibLinkBroken(bool value);
    void set_currentErrorsString(const QString &value);
    void set_errorsLogListCount(int value);
    void set_recoverableErrLabel(const QString &value);
    void set_recoverableErrCodes(const QString &value);
    void set_errorInfoModel(ErrorInfoModel *model);

signals:
    void callPrepareSm();
    void callCreateDefinitionsList();
    void callErrorCodesDataProcess(int mc, int sub1, int sub2, int sub3);
    void callErrorCodesClearDataProcess(int mc, int sub1, int sub2, int sub3);
    void callRemoteErrorCodesDataProcess(int mc, int sub1, int sub2, int sub3);
    void callRemoteErrorCodesClearDataProcess(int mc, int sub1, int sub2, int sub3);
    void callDeleteAllErrorLogs();
    void callClearErrorLogList();
    void call_set_errorFlags(unsigned int value);
    void call_set_errorAcknowledged(bool value);
    void call_startSm();
    void callRetrieveAllErrorLogs();
    void callExportErrorLog(QString serialNumber);
    void callFinishWrites();
    void errorsMbReplyGood(QVector<quint16> registers);
    void errorsMbReplyTimedOut();
    void errorsMbReplyError();

    void zoneErrorStatusTcUpdate(quint16 item, quint16 tcErr);
    void notifyError(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    void notifyErrorClear(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    // An export finished: the file on the flash drive, or a failure to write it.
    void errorLogExported(bool success, QString fileName);

    void errorFlagsChanged(unsigned int value);
    void errorAcknowledgedChanged(bool value);
    void sibLinkBrokenChanged(bool value);
    void currentErrorsStringChanged(QString value);
    void errorsListChanged();
    void currentErrorChanged();
    void errorsLogListChanged();
    void errorsLogListCountChanged(int value);
    void cutLogsChanged(QString names);
    void recoverableErrLabelChanged(QString value);
    void recoverableErrCodesChanged(QString value);
    void errorInfoModelChanged(ErrorInfoModel *model);

private slots:
    void readErrorRegisters();
    void errorRegistersRead();
    void sendErrorInfo(int mc, int sub1, int sub2, int sub3);
    void sendErrorClearInfo(int mc, int sub1, int sub2, int sub3);
    void sendClearAllErrorInfo();

private:
    void connectWorker();

    QPointer<QModbusMaster> m_master;
    QModbusPollInfo *m_errorsMbInfo = nullptr;
    QThread *m_thread = nullptr;
    TulErrorController *m_worker = nullptr;

    unsigned int m_errorFlags = 0;
    bool m_errorAcknowledged = true;
    bool m_sibLinkBroken = false;
    QString m_currentErrorsString;
    ErrorRecord m_currentError;
    int m_errorsLogListCount = 0;
    bool m_errorsLogRead = false;
    QString m_cutLogs;
    QString m_recoverableErrLabel;
    QString m_recoverableErrCodes;
    ErrorInfoModel *m_errorInfoModel = nullptr;
};

#endif // TULERRORCONTROLLERT_H
