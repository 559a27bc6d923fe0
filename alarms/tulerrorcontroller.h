#ifndef TULERRORCONTROLLER_H
#define TULERRORCONTROLLER_H

#include "errorinfomodel.h"
#include "errorlogfiles.h"
#include "errorlogrecords.h"
#include "errorrecord.h"
#include "p4statemachine.h"

#include <QHash>
#include <QList>
#include <QVector>

class ErrorTextRecord;
class QState;
class QTimer;

// The error service's worker, on the thread "tulErrorControllerThread": owns the error
// texts, the weekly log files, the error-log list and its model, and decodes the IO
// board's error registers. It is reached only through the queued signals of its facade
// (TulErrorControllerT) and never calls an object of the GUI thread: Modbus reads and
// display-link sends are asked of the facade by signals.
class TulErrorController : public P4StateMachine
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
    Q_PROPERTY(QString recoverableErrLabel READ get_recoverableErrLabel WRITE set_recoverableErrLabel NOTIFY recoverableErrLabelChanged)
    Q_PROPERTY(QString recoverableErrCodes READ get_recoverableErrCodes WRITE set_recoverableErrCodes NOTIFY recoverableErrCodesChanged)
    Q_PROPERTY(ErrorInfoModel *errorInfoModel READ get_errorInfoModel WRITE set_errorInfoModel NOTIFY errorInfoModelChanged)
    Q_PROPERTY(QString cutLogs READ get_cutLogs NOTIFY cutLogsChanged)

public:
    enum ThermocoupleErrorsTag { THERMOCOUPLE_NO_ERROR = 0, THERMOCOUPLE_SHORT_ERROR = 1, THERMOCOUPLE_OPEN_ERROR = 2 };
    Q_ENUM(ThermocoupleErrorsTag)
    enum HeatersErrorsTag { HEATER_NO_ERROR = 0, HEATER_LOW_TEMP_ERROR = 1, HEATER_HIGH_TEMP_ERROR = 2 };
    Q_ENUM(HeatersErrorsTag)

    // Cabinet values fixed for the run, read on the GUI thread before the move.
    struct CabinetValues
    {
        int uiRole = 1;
        bool hasMirrorDisplay = false;
        bool hasSecondaryDisplay = false;
        int numberOfZones = 0;
        QList<int> ui2mioZoneMap;
    };

    static constexpr int ErrorRegisterStart = 34;
    static constexpr int ErrorRegisterCount = 30;
    // The error registers are read again this long after each reply (or failure), in ms.
    static constexpr int ErrorPollIntervalMs = 1500;
    static constexpr int HeaterRegisterCount = 20;
    // Lines kept while the log cannot be written; past this the oldest is given up, named
    // in the diagnostics.
    static constexpr int MaxUnwrittenLines = 1000;
    // Texts of distinct quadruples remembered during a load; a file from elsewhere may
    // hold any number of quadruples.
    static constexpr int MaxCachedTexts = 4096;
    static constexpr int ExportPieceBytes = 64 * 1024;
    static constexpr int MinLineBytes = 30; // "1;" + time + ";" + four codes + "\n"

    explicit TulErrorController(const CabinetValues &values, QObject *parent = nullptr);
    ~TulErrorController() override;

    unsigned int get_errorFlags() const { return m_errorFlags; }
    bool get_errorAcknowledged() const { return m_errorAcknowledged; }
    bool get_sibLinkBroken() const { return m_sibLinkBroken; }
    QString get_currentErrorsString() const { return m_currentErrorsString; }
    QList<QObject *> get_errorsList() const;
    ErrorRecord *get_currentError() { return &m_currentError; }
    QList<QObject *> get_errorsLogList() const;
    int get_errorsLogListCount() const { return m_errorsLogListCount; }
    QString get_recoverableErrLabel() const { return m_recoverableErrLabel; }
    QString get_recoverableErrCodes() const { return m_recoverableErrCodes; }
    ErrorInfoModel *get_errorInfoModel() const { return m_errorInfoModel; }
    int definitionsCount() const { return m_definitions.size(); }
    QString currentLogFile() const { return m_logFileName; }
    // Names of the log files of the last load of which only the newest part was read.
    QString get_cutLogs() const { return m_cutLogs; }
    int unwrittenLineCount() const { return m_unwrittenLines.size(); }
    // Where lines that could not be written wait across a stop, beside the program's data
    // (not in the log folder, which may be the very thing that refuses them).
    static QString keptLinesPath();

public slots:
    void prepareSm();
    void createDefinitionsList();
    void findAssignDescription(ErrorRecord *errRecord);

    // A quadruple from this display: logged, announced, relayed by the display's role.
    void errorCodesDataProcess(int mc, int sub1, int sub2, int sub3);
    void errorCodesClearDataProcess(int mc, int sub1, int sub2, int sub3);
    // A quadruple received from the other display: logged and announced, never relayed
    // back, so two displays cannot pass one error to and fro without end.
    void remoteErrorCodesDataProcess(int mc, int sub1, int sub2, int sub3);
    void remoteErrorCodesClearDataProcess(int mc, int sub1, int sub2, int sub3);

    void retrieveAllErrorLogs();
    void retrieveErrorLog(const QString &logName);
    void clearErrorLogList();
    void deleteAllErrorLogs();
    void exportErrorLog(const QString &serialNumber);
    void updateErrorLogFileName();
    // Kept lines written if they can be now (the retry timer, a retrieval, a stop).
    void retryUnwrittenLines();
    // The last word before the thread ends: kept lines written if they can be, else kept
    // in their file for the next start, else named in the diagnostics one by one.
    void finishWrites();

    // Error-register poll.
    void requestErrorsMbInfo();
    void processErrorMbInfo();
    void errorsMbReplyGood(const QVector<quint16> &registers);
    void errorsMbReplyTimedOut();
    void errorsMbReplyError();

    // Current-error list (offered, not used by the cabinet).
    void addCurrentErrorRecordToList();
    void removeCurrentErrorRecordFromList();
    void rebuildCurrentErrorsString();
    void setRecoverableErrProperties();
    bool errorsNotZero();
    void set_errorAcknowledgedFalse();
    void logBrokenLinkError();

    void set_errorFlags(unsigned int value);
    void set_errorAcknowledged(bool value);
    void set_sibLinkBroken(bool value);
    void set_currentErrorsString(const QString &value);
    void set_errorsLogListCount(int value);
    void set_recoverableErrLabel(const QString &value);
    void set_recoverableErrCodes(const QString &value);
    void set_errorInfoModel(ErrorInfoModel *model);

    void initializationState_onEntry();
    void enabledState_onEntry();
    void enabledState_onExit();
    void idleState_onEntry();

signals:
    void initializationDone();
    void enableSignal();
    void disableSignal();
    void pollReplyGood();
    void pollReplyTimedOut();
    void pollReplyError();

    void zoneErrorStatusTcUpdate(quint16 item, quint16 tcErr);
    void notifyError(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    void notifyErrorClear(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    void errorAckedTrue();

    // Work the facade carries out on the GUI thread.
    void requestErrorsMbRead();
    void relayErrorInfo(int mc, int sub1, int sub2, int sub3);
    void relayErrorClearInfo(int mc, int sub1, int sub2, int sub3);
    void relayClearAllErrorInfo();
    // The outcome of an export: the file written, or why not.
    void errorLogExported(bool success, QString fileName);

    void errorFlagsChanged(unsigned int value);
    void errorAcknowledgedChanged(bool value);
    void sibLinkBrokenChanged(bool value);
    void currentErrorsStringChanged(QString value);
    void errorsListChanged();
    void currentErrorChanged();
    void errorsLogListChanged();
    void errorsLogListCountChanged(int value);
    void recoverableErrLabelChanged(QString value);
    void recoverableErrCodesChanged(QString value);
    void errorInfoModelChanged(ErrorInfoModel *model);
    void cutLogsChanged(QString names);
    // A load of the logs has ended (also one that found nothing to read).
    void errorLogsLoaded(int count);

private:
    void buildStateMachine();
    void reportError(int mc, int sub1, int sub2, int sub3, bool relay);
    void clearError(int mc, int sub1, int sub2, int sub3, bool relay);
    void decodeHeater(int reg, quint16 value);
    void decodeSensorWord(int index, int reg, int kind, quint16 value);
    void publishLogList();
    QString timeStampNow(const QDateTime &now) const;
    QString describeLogged(const int codes[4]);
    int zoneOfError(int mainCode, int subCode1, int subCode2) const;
    void dropLogObjects() const;
    bool writeLogLine(const QByteArray &line);
    void addLine(const ErrorLogFiles::Line &line);
    void takeKeptLines();
    void keepUnwrittenLines();

    CabinetValues m_cabinet;
    unsigned int m_errorFlags = 0;
    bool m_errorAcknowledged = true;
    bool m_sibLinkBroken = false;
    QString m_currentErrorsString;
    QList<ErrorRecord *> m_errorsList;
    ErrorRecord m_currentError;
    // The error-log list: compact records, newest first after a load, reports appended.
    // The objects of the errorsLogList property are made from them only when it is read.
    ErrorLogRecords m_logRecords;
    mutable QList<ErrorTextRecord *> m_errorsLogList;
    mutable bool m_errorsLogListStale = true;
    QHash<qint64, QString> m_loggedTexts;       // texts of the quadruples met in a load (bounded)
    int m_errorsLogListCount = 0;
    QString m_recoverableErrLabel;
    QString m_recoverableErrCodes;
    ErrorInfoModel *m_errorInfoModel = nullptr;

    QList<ErrorRecord *> m_definitions;
    QTimer *m_errorMonitorTimer = nullptr;
    QString m_logFileName;
    QList<QByteArray> m_unwrittenLines;        // in order, for the next write that succeeds
    QTimer *m_retryTimer = nullptr;
    bool m_keptLinesFile = false;              // keptLinesPath() holds lines not yet in the log
    QString m_cutLogs;
    QStringList m_cutLogNames;
    QVector<quint16> m_replyRegisters;          // copy carried by the last good reply
    QVector<quint16> m_heaterWords;             // previous state of registers 0..19
    QVector<quint16> m_sensorWords;             // previous state of registers 20..29
};

#endif // TULERRORCONTROLLER_H
