#include "tulerrorcontroller.h"

#include "zonenumbering.h"

#include "alarmtimings.h"
#include "commandlauncher.h"
#include "errordefinitions.h"
#include "errorlogfiles.h"
#include "errortextrecord.h"
#include "safefilewriter.h"

#include <QDebug>
#include <QFileInfo>
#include <QSignalTransition>
#include <QState>
#include <QTimer>

#include <algorithm>

namespace {

void syncFileSystem()
{
    CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
}

template <typename T>
QList<QObject *> asObjects(const QList<T *> &list)
{
    QList<QObject *> out;
    out.reserve(list.size());
    for (T *item : list)
        out.append(item);
    return out;
}

} // namespace

TulErrorController::TulErrorController(const CabinetValues &values, QObject *parent)
    : P4StateMachine(parent),
      m_cabinet(values),
      m_currentError(this)
{
    qRegisterMetaType<QVector<quint16>>("QVector<quint16>");
    qRegisterMetaType<ErrorInfoModel *>("ErrorInfoModel*");
}

TulErrorController::~TulErrorController()
{
    qDeleteAll(m_errorsList);
    dropLogObjects();
    qDeleteAll(m_definitions);
}

QList<QObject *> TulErrorController::get_errorsList() const { return asObjects(m_errorsList); }

QList<QObject *> TulErrorController::get_errorsLogList() const
{
    if (m_errorsLogListStale) {
        dropLogObjects();
        auto *self = const_cast<TulErrorController *>(this);
        for (const ErrorInfo &row : m_errorInfoRows) {
            auto *record = new ErrorTextRecord(self);
            const QStringList codes = row.codes.split(QLatin1Char('.'));
            if (codes.size() == 4)
                record->setCodes(codes[0].toInt(), codes[1].toInt(), codes[2].toInt(), codes[3].toInt());
            record->set_timestamp(ErrorLogFiles::parseTimestamp(row.date, row.time));
            record->set_description(row.desc);
            record->set_dateText(row.date);
            record->set_timeText(row.time);
            record->set_codesText(row.codes);
            m_errorsLogList.append(record);
        }
        m_errorsLogListStale = false;
    }
    return asObjects(m_errorsLogList);
}

void TulErrorController::dropLogObjects() const
{
    // Oldest child first: each deletion then finds itself at the front of the children.
    qDeleteAll(m_errorsLogList);
    m_errorsLogList.clear();
    m_errorsLogListStale = true;
}

// ---- set-up and state machine ------------------------------------------------------

void TulErrorController::prepareSm()
{
    m_errorFlags = 0;
    m_errorAcknowledged = true;
    m_sibLinkBroken = false;
    m_errorsLogListCount = 0;
    m_currentErrorsString.clear();
    m_recoverableErrLabel.clear();
    m_recoverableErrCodes.clear();
    m_errorInfoModel = new ErrorInfoModel(this);
    m_replyRegisters = QVector<quint16>(ErrorRegisterCount, 0);
    m_heaterWords = QVector<quint16>(HeaterRegisterCount, 0);
    m_sensorWords = QVector<quint16>(ErrorRegisterCount - HeaterRegisterCount, 0);
    m_errorMonitorTimer = new QTimer(this);
    m_errorMonitorTimer->setObjectName(QStringLiteral("errorMonitor timer"));
    m_errorMonitorTimer->setSingleShot(true);
    m_errorMonitorTimer->setInterval(AlarmTimings::scaled(1500));
    buildStateMachine();
    createDefinitionsList();
}

void TulErrorController::buildStateMachine()
{
    auto state = [this](const char *name, QState *parent = nullptr) {
        QState *s = addNamedState(QLatin1String(name), parent);
        s->setObjectName(QStringLiteral("\"%1\"").arg(QLatin1String(name)));
        return s;
    };
    QState *initialization = state("initializationState");
    QState *enabled = state("enabledState");
    QState *idle = state("idleState", enabled);
    state("errorDetectedState", enabled);
    QState *disabled = state("disabledState");
    enabled->setInitialState(idle);
    setInitialState(initialization);

    auto describe = [](QAbstractTransition *t, const char *trigger, const char *action) {
        t->setProperty("trigSignal", QLatin1String(trigger));
        if (action)
            t->setProperty("action", QLatin1String(action));
    };
    describe(addNamedTransition(initialization, this, SIGNAL(initializationDone()), enabled,
                                QStringLiteral("t_init_done")),
             "this::initializationDone()", nullptr);
    describe(addNamedTransition(enabled, this, SIGNAL(disableSignal()), disabled, QStringLiteral("t_disable")),
             "this::disableSignal()", nullptr);
    describe(addNamedTransition(enabled, m_errorMonitorTimer, SIGNAL(timeout()), nullptr,
                                QStringLiteral("t_askForErrors"), SLOT(requestErrorsMbInfo())),
             "errorMonitorTimer::timeout()", "this->requestErrorsMbInfo()\n");
    QSignalTransition *good = addNamedTransition(enabled, this, SIGNAL(pollReplyGood()), nullptr,
                                                 QStringLiteral("t_errorsMbInfo_good"), SLOT(processErrorMbInfo()));
    describe(good, "m_errorsMbInfo::pollReplyGood()", "this->processErrorMbInfo()\nerrorMonitorTimer->start()\n");
    QSignalTransition *timedOut = addNamedTransition(enabled, this, SIGNAL(pollReplyTimedOut()), nullptr,
                                                     QStringLiteral("t_errorsMbInfo_to"));
    describe(timedOut, "m_errorsMbInfo::pollReplyTimedOut()", "errorMonitorTimer->start()\n");
    QSignalTransition *failed = addNamedTransition(enabled, this, SIGNAL(pollReplyError()), nullptr,
                                                   QStringLiteral("t_errorsMbInfo_err"));
    describe(failed, "m_errorsMbInfo::pollReplyError()", "errorMonitorTimer->start()\n");
    for (QSignalTransition *t : {good, timedOut, failed})
        connect(t, &QAbstractTransition::triggered, m_errorMonitorTimer, QOverload<>::of(&QTimer::start));
    describe(addNamedTransition(disabled, this, SIGNAL(enableSignal()), enabled, QStringLiteral("t_enable")),
             "this::enableSignal()", nullptr);
}

void TulErrorController::initializationState_onEntry()
{
    emit initializationDone();
}

void TulErrorController::enabledState_onEntry()
{
    m_heaterWords.fill(0);
    m_errorFlags = 0;
    m_sibLinkBroken = false;
    m_errorMonitorTimer->start();
}

void TulErrorController::enabledState_onExit()
{
    m_errorMonitorTimer->stop();
}

void TulErrorController::idleState_onEntry()
{
    m_errorMonitorTimer->start();
}

// ---- texts -------------------------------------------------------------------------

void TulErrorController::createDefinitionsList()
{
    ErrorDefinitions::build(m_definitions);
    m_loggedTexts.clear();
}

void TulErrorController::findAssignDescription(ErrorRecord *errRecord)
{
    if (!errRecord)
        return;
    errRecord->set_description(ErrorDefinitions::describe(
        m_definitions, errRecord->get_mainCode(), errRecord->get_subCode1(),
        errRecord->get_subCode2(), errRecord->get_subCode3()));
}

// ---- reports and clears --------------------------------------------------------------

void TulErrorController::errorCodesDataProcess(int mc, int sub1, int sub2, int sub3)
{
    reportError(mc, sub1, sub2, sub3, true);
}

void TulErrorController::remoteErrorCodesDataProcess(int mc, int sub1, int sub2, int sub3)
{
    reportError(mc, sub1, sub2, sub3, false);
}

void TulErrorController::errorCodesClearDataProcess(int mc, int sub1, int sub2, int sub3)
{
    clearError(mc, sub1, sub2, sub3, true);
}

void TulErrorController::remoteErrorCodesClearDataProcess(int mc, int sub1, int sub2, int sub3)
{
    clearError(mc, sub1, sub2, sub3, false);
}

QString TulErrorController::timeStampNow(const QDateTime &now) const
{
    // The cabinet's clock is moved an hour ahead for daylight saving; the cloud's seconds
    // count from the real instant.
    return QString::number(ErrorLogFiles::epochSecondsOf(now));
}

void TulErrorController::reportError(int mc, int sub1, int sub2, int sub3, bool relay)
{
    const QDateTime now = ErrorLogFiles::now();
    m_currentError.setCodes(mc, sub1, sub2, sub3);
    m_currentError.set_timestamp(now);
    findAssignDescription(&m_currentError);

    if (writeLogLine(ErrorLogFiles::typeOneLine(now, mc, sub1, sub2, sub3))) {
        emit notifyError(timeStampNow(now), m_currentError.codesJoined(),
                         m_currentError.get_description(), QStringLiteral(" "));
    }

    if (relay && (m_cabinet.uiRole == 2 || (m_cabinet.uiRole == 1 && m_cabinet.hasMirrorDisplay)))
        emit relayErrorInfo(mc, sub1, sub2, sub3);

    m_errorInfoRows.append({now.toString(QStringLiteral("yyyy/MM/dd")), now.toString(QStringLiteral("HH:mm:ss")),
                            m_currentError.codesJoined(), m_currentError.get_description(), mc,
                            zoneOfError(mc, sub1, sub2)});
    m_errorsLogListStale = true;
    set_errorsLogListCount(m_errorInfoRows.size());
    syncFileSystem();
}

void TulErrorController::clearError(int mc, int sub1, int sub2, int sub3, bool relay)
{
    const QDateTime now = ErrorLogFiles::now();
    m_currentError.setCodes(mc, sub1, sub2, sub3);
    m_currentError.set_timestamp(now);
    findAssignDescription(&m_currentError);
    emit notifyErrorClear(timeStampNow(now), m_currentError.codesJoined(),
                          m_currentError.get_description(), QStringLiteral(" "));
    if (relay && m_cabinet.uiRole == 2)
        emit relayErrorClearInfo(mc, sub1, sub2, sub3);
}

// ---- error-register poll -------------------------------------------------------------

void TulErrorController::requestErrorsMbInfo()
{
    emit requestErrorsMbRead(); // the facade reads slave 1, registers 34..63, no retries
}

void TulErrorController::errorsMbReplyGood(const QVector<quint16> &registers)
{
    m_replyRegisters = registers;
    emit pollReplyGood();
}

void TulErrorController::errorsMbReplyTimedOut() { emit pollReplyTimedOut(); }
void TulErrorController::errorsMbReplyError() { emit pollReplyError(); }

void TulErrorController::processErrorMbInfo()
{
    if (m_replyRegisters.size() < ErrorRegisterCount) {
        qWarning() << "Error registers: short reply of" << m_replyRegisters.size() << "registers";
        return;
    }
    const int heaters = qMin(HeaterRegisterCount, 2 * m_cabinet.numberOfZones);
    for (int r = 0; r < heaters; ++r)
        decodeHeater(r, m_replyRegisters.at(r));
    // All reference errors (registers 20-24) first, then all cold-junction errors (25-29).
    for (int i = 0; i < 5; ++i)
        decodeSensorWord(i, HeaterRegisterCount + i, 4, m_replyRegisters.at(HeaterRegisterCount + i));
    for (int i = 0; i < 5; ++i)
        decodeSensorWord(i, HeaterRegisterCount + 5 + i, 5, m_replyRegisters.at(HeaterRegisterCount + 5 + i));
}

void TulErrorController::decodeHeater(int r, quint16 value)
{
    const quint16 oldLow = m_heaterWords.at(r) & 0xFF;
    const quint16 oldHigh = m_heaterWords.at(r) >> 8;
    const quint16 low = value & 0xFF;
    const quint16 high = value >> 8;
    if (low != oldLow) {
        m_heaterWords[r] = quint16((m_heaterWords.at(r) & 0xFF00) | low);
        emit zoneErrorStatusTcUpdate(quint16(r), low);
        if (low == THERMOCOUPLE_SHORT_ERROR)
            errorCodesDataProcess(2, 0, r, 0);
        else if (low == THERMOCOUPLE_OPEN_ERROR)
            errorCodesDataProcess(2, 1, r, 0);
        else if (oldLow == THERMOCOUPLE_SHORT_ERROR)
            errorCodesClearDataProcess(2, 0, r, 0);
        else if (oldLow == THERMOCOUPLE_OPEN_ERROR)
            errorCodesClearDataProcess(2, 1, r, 0);
    }
    if (high != oldHigh) {
        m_heaterWords[r] = quint16((m_heaterWords.at(r) & 0x00FF) | (high << 8));
        if (high == HEATER_LOW_TEMP_ERROR)
            errorCodesDataProcess(2, 2, r, 0);
        else if (high == HEATER_HIGH_TEMP_ERROR)
            errorCodesDataProcess(2, 3, r, 0);
        else if (oldHigh == HEATER_LOW_TEMP_ERROR)
            errorCodesClearDataProcess(2, 2, r, 0);
        else if (oldHigh == HEATER_HIGH_TEMP_ERROR)
            errorCodesClearDataProcess(2, 3, r, 0);
    }
}

void TulErrorController::decodeSensorWord(int index, int reg, int kind, quint16 value)
{
    const int slot = reg - HeaterRegisterCount;
    if (m_sensorWords.at(slot) == value)
        return;
    m_sensorWords[slot] = value;
    if (value != 0)
        errorCodesDataProcess(2, kind, index, 0);
    else
        errorCodesClearDataProcess(2, kind, index, 0);
}

// ---- log files, list and model -------------------------------------------------------

void TulErrorController::updateErrorLogFileName()
{
    m_logFileName = ErrorLogFiles::chooseLogFile(ErrorLogFiles::now().date());
}

// Lines that could not be written (a full disk) go first, in order, once a write succeeds
// again; `line` (empty: none) joins them when they cannot. True when it was written.
bool TulErrorController::writeLogLine(const QByteArray &line)
{
    if (!line.isEmpty())
        m_unwrittenLines.append(line);
    if (m_unwrittenLines.isEmpty())
        return true;
    updateErrorLogFileName();
    while (!m_unwrittenLines.isEmpty()
           && ErrorLogFiles::appendLine(m_logFileName, m_unwrittenLines.first()))
        m_unwrittenLines.removeFirst();
    if (m_unwrittenLines.isEmpty())
        return true;
    qWarning().noquote() << "Cannot append to the error log" << m_logFileName << "-"
                         << m_unwrittenLines.size() << "lines kept until it can be written";
    while (m_unwrittenLines.size() > MaxUnwrittenLines)
        qWarning().noquote() << "Error-log line given up:" << m_unwrittenLines.takeFirst().trimmed();
    return false;
}

void TulErrorController::addRows(const QVector<ErrorLogFiles::Entry> &entries)
{
    m_errorInfoRows.reserve(m_errorInfoRows.size() + entries.size());
    for (const ErrorLogFiles::Entry &entry : entries)
        m_errorInfoRows.append({entry.dateText, entry.timeText, entry.codesText, describeLogged(entry.codes),
                                entry.codes[0], zoneOfError(entry.codes[0], entry.codes[1], entry.codes[2])});
}

int TulErrorController::zoneOfError(int mainCode, int subCode1, int subCode2) const
{
    // A probe or heater names the board's heater (two per zone), a switched-off zone the
    // screen's zone from 0: the Errors Log names the zone as the banner and the bins do.
    const int zones = m_cabinet.numberOfZones;
    if (mainCode == 2 && ((subCode1 >= 0 && subCode1 <= 3) || subCode1 == 7))
        return ZoneNumbering::zoneOfHeater(m_cabinet.ui2mioZoneMap, zones, subCode2);
    if (mainCode == 3 && (subCode1 == 0 || subCode1 == 1))
        return subCode2 >= 0 && subCode2 < zones ? subCode2 : -1;
    return -1;
}

QString TulErrorController::describeLogged(const int codes[4])
{
    // A year of lines holds a few dozen quadruples; each text is looked up once per load.
    const qint64 key = ((qint64(codes[0]) * 1000 + codes[1]) * 1000 + codes[2]) * 1000 + codes[3];
    auto it = m_loggedTexts.constFind(key);
    if (it == m_loggedTexts.constEnd())
        it = m_loggedTexts.insert(key, ErrorDefinitions::describe(m_definitions, codes[0], codes[1],
                                                                  codes[2], codes[3]));
    return it.value();
}

void TulErrorController::retrieveErrorLog(const QString &logName)
{
    const QString path = QFileInfo(logName).isAbsolute() ? logName : ErrorLogFiles::logDir() + logName;
    bool cut = false;
    addRows(ErrorLogFiles::readLog(path, &cut));
    if (cut)
        m_cutLogNames.append(QFileInfo(path).fileName());
    m_errorsLogListStale = true;
}

void TulErrorController::retrieveAllErrorLogs()
{
    writeLogLine(QByteArray());
    const QStringList names = ErrorLogFiles::entries();
    if (names.isEmpty() && m_unwrittenLines.isEmpty())
        return;
    m_cutLogNames.clear();
    for (const QString &name : names)
        retrieveErrorLog(name);
    // Lines still waiting for the disk are shown after the files, as they will be written.
    addRows(ErrorLogFiles::parseLog(m_unwrittenLines.join()));
    std::reverse(m_errorInfoRows.begin(), m_errorInfoRows.end());
    const QString cut = m_cutLogNames.join(QStringLiteral(", "));
    if (cut != m_cutLogs) {
        m_cutLogs = cut;
        emit cutLogsChanged(cut);
    }
    publishLogList();
}

void TulErrorController::publishLogList()
{
    m_errorsLogListStale = true;
    m_errorInfoModel->updateModel(m_errorInfoRows);
    emit errorInfoModelChanged(m_errorInfoModel);
    set_errorsLogListCount(m_errorInfoRows.size());
    emit errorsLogListChanged();
}

void TulErrorController::clearErrorLogList()
{
    m_errorInfoRows.clear();
    dropLogObjects();
    publishLogList();
}

void TulErrorController::deleteAllErrorLogs()
{
    m_unwrittenLines.clear();
    if (ErrorLogFiles::deleteAll() > 0)
        syncFileSystem();
    if (m_cabinet.uiRole == 1 && (m_cabinet.hasMirrorDisplay || m_cabinet.hasSecondaryDisplay)) {
        qDebug() << "Send clear error info to remot display over CAN bus!!!!";
        emit relayClearAllErrorInfo();
    }
}

void TulErrorController::exportErrorLog(const QString &serialNumber)
{
    clearErrorLogList();
    retrieveAllErrorLogs();
    const QString fileName = ErrorLogFiles::exportFilePath(serialNumber, ErrorLogFiles::now());
    QByteArray text;
    for (const ErrorInfo &r : qAsConst(m_errorInfoRows)) {
        text += (r.date + QLatin1Char(' ') + r.time + QLatin1String("    ") + r.codes
                 + QLatin1String("    ") + r.desc + QLatin1Char('\n'))
                    .toUtf8();
    }
    QString why;
    if (!SafeFileWriter::writeFile(fileName, text, &why)) {
        qWarning().noquote() << "Unable to Open File !!!" + fileName << why;
        emit errorLogExported(false, fileName);
        return;
    }
    emit errorLogExported(true, fileName);
}

// ---- current-error list --------------------------------------------------------------

void TulErrorController::addCurrentErrorRecordToList()
{
    const bool listed = std::any_of(m_errorsList.cbegin(), m_errorsList.cend(),
                                    [this](const ErrorRecord *r) { return r->sameCodes(m_currentError); });
    if (!listed) {
        auto *record = new ErrorRecord(m_currentError.get_mainCode(), m_currentError.get_subCode1(),
                                       m_currentError.get_subCode2(), m_currentError.get_subCode3(),
                                       QString(), this);
        findAssignDescription(record);
        m_errorsList.append(record);
    }
    emit errorsListChanged();
}

void TulErrorController::removeCurrentErrorRecordFromList()
{
    for (int i = 0; i < m_errorsList.size(); ++i) {
        if (m_errorsList.at(i)->sameCodes(m_currentError)) {
            delete m_errorsList.takeAt(i);
            break;
        }
    }
    emit errorsListChanged();
    if (m_errorsList.isEmpty())
        set_errorAcknowledged(true);
}

void TulErrorController::rebuildCurrentErrorsString()
{
    QString text;
    for (const ErrorRecord *r : qAsConst(m_errorsList))
        text += r->get_description() + QLatin1Char(':') + r->codesJoined() + QLatin1Char('\n');
    set_currentErrorsString(text);
}

void TulErrorController::setRecoverableErrProperties()
{
    findAssignDescription(&m_currentError);
    set_recoverableErrLabel(m_currentError.get_description());
    set_recoverableErrCodes(QLatin1Char('E') + m_currentError.codesJoined());
}

bool TulErrorController::errorsNotZero() { return m_errorFlags != 0; }
void TulErrorController::set_errorAcknowledgedFalse() { set_errorAcknowledged(false); }

void TulErrorController::logBrokenLinkError()
{
    writeLogLine(ErrorLogFiles::typeThreeLine(ErrorLogFiles::now()));
    syncFileSystem();
}

// ---- properties ------------------------------------------------------------------------

void TulErrorController::set_errorFlags(unsigned int value)
{
    if (m_errorFlags == value)
        return;
    m_errorFlags = value;
    emit errorFlagsChanged(value);
}

void TulErrorController::set_errorAcknowledged(bool value)
{
    m_errorAcknowledged = value;
    emit errorAcknowledgedChanged(value);
    if (value)
        emit errorAckedTrue();
}

void TulErrorController::set_sibLinkBroken(bool value)
{
    if (m_sibLinkBroken == value)
        return;
    m_sibLinkBroken = value;
    emit sibLinkBrokenChanged(value);
}

void TulErrorController::set_currentErrorsString(const QString &value)
{
    m_currentErrorsString = value;
    emit currentErrorsStringChanged(value);
}

void TulErrorController::set_errorsLogListCount(int value)
{
    m_errorsLogListCount = value;
    emit errorsLogListCountChanged(value);
}

void TulErrorController::set_recoverableErrLabel(const QString &value)
{
    m_recoverableErrLabel = value;
    emit recoverableErrLabelChanged(value);
}

void TulErrorController::set_recoverableErrCodes(const QString &value)
{
    m_recoverableErrCodes = value;
    emit recoverableErrCodesChanged(value);
}

void TulErrorController::set_errorInfoModel(ErrorInfoModel *model)
{
    m_errorInfoModel = model;
    emit errorInfoModelChanged(model);
}
