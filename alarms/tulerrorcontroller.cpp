#include "tulerrorcontroller.h"

#include "zonenumbering.h"

#include "alarmslog.h"
#include "alarmtimings.h"
#include "commandlauncher.h"
#include "errordefinitions.h"
#include "errorlogfiles.h"
#include "errortextrecord.h"
#include "filelogworker.h"
#include "safefilereader.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalTransition>
#include <QState>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

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
        for (int i = 0; i < m_logRecords.count(); ++i) {
            const ErrorInfo row = m_logRecords.row(i);
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
    m_errorMonitorTimer->setInterval(AlarmTimings::scaled(ErrorPollIntervalMs));
    // Lines kept from a folder that could not be written are tried again as often as the
    // HACCP log's kept changes.
    m_retryTimer = new QTimer(this);
    m_retryTimer->setObjectName(QStringLiteral("errorLogRetry timer"));
    m_retryTimer->setSingleShot(true);
    connect(m_retryTimer, &QTimer::timeout, this, &TulErrorController::retryUnwrittenLines);
    buildStateMachine();
    createDefinitionsList();
    // Before anything new: the lines a stop could not write.
    takeKeptLines();
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

    ErrorLogFiles::Line line;
    const QDate day = now.date();
    const QTime time = now.time();
    line.year = day.year();
    line.month = day.month();
    line.day = day.day();
    line.hour = time.hour();
    line.minute = time.minute();
    line.second = time.second();
    line.real = now.isValid();
    const int codes[4] = {mc, sub1, sub2, sub3};
    for (int i = 0; i < 4; ++i) {
        line.codes[i] = codes[i];
        line.digits[i] = QString::number(codes[i]).size();
    }
    m_logRecords.append(line, m_currentError.get_description(), zoneOfError(mc, sub1, sub2));
    m_errorsLogListStale = true;
    set_errorsLogListCount(m_logRecords.count());
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
        qCWarning(lcAlarms) << "Error registers: short reply of" << m_replyRegisters.size() << "registers";
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

// Lines that could not be written (a full disk, a refused folder) go first, in order, once
// a write succeeds again; `line` (empty: none) joins them when they cannot, and they are
// tried again after FileLogWorker::RetryMs. True when it was written.
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
    if (m_unwrittenLines.isEmpty()) {
        if (m_retryTimer)
            m_retryTimer->stop();
        if (m_keptLinesFile) {
            QFile::remove(keptLinesPath());
            m_keptLinesFile = false;
        }
        return true;
    }
    qCWarning(lcAlarms).noquote() << "Cannot append to the error log" << m_logFileName << "-"
                         << m_unwrittenLines.size() << "lines kept until it can be written";
    while (m_unwrittenLines.size() > MaxUnwrittenLines)
        qCWarning(lcAlarms).noquote() << "Error-log line given up:" << m_unwrittenLines.takeFirst().trimmed();
    keepUnwrittenLines();
    if (m_retryTimer && !m_retryTimer->isActive())
        m_retryTimer->start(AlarmTimings::scaled(FileLogWorker::RetryMs));
    return false;
}

void TulErrorController::retryUnwrittenLines()
{
    writeLogLine(QByteArray());
}

QString TulErrorController::keptLinesPath()
{
    return TulPaths::rootPath(QStringLiteral("errorLogs.unwritten"));
}

// The kept lines also wait in their own file, so that neither a stop nor a power cut
// loses them (unless that file cannot be written either).
void TulErrorController::keepUnwrittenLines()
{
    QString why;
    if (SafeFileWriter::writeFile(keptLinesPath(), m_unwrittenLines.join(), &why)) {
        m_keptLinesFile = true;
    } else if (m_keptLinesFile) {
        // An older set would be written twice beside the lines still in memory.
        m_keptLinesFile = !QFile::remove(keptLinesPath()) && QFileInfo::exists(keptLinesPath());
    }
}

void TulErrorController::finishWrites()
{
    if (m_retryTimer)
        m_retryTimer->stop();
    if (writeLogLine(QByteArray()))
        return;
    if (m_retryTimer)
        m_retryTimer->stop();
    if (m_keptLinesFile) {
        qCWarning(lcAlarms).noquote() << m_unwrittenLines.size() << "error-log lines kept in"
                                      << keptLinesPath() << "for the next start";
        return;
    }
    for (const QByteArray &kept : qAsConst(m_unwrittenLines))
        qCWarning(lcAlarms).noquote() << "Error-log line not written:" << kept.trimmed();
}

// The lines a stop left in their file go ahead of any new one. Only lines of the log's
// own forms are taken from it.
void TulErrorController::takeKeptLines()
{
    QByteArray text;
    const qint64 cap = qint64(MaxUnwrittenLines) * 128;
    const SafeFileReader::Result read = SafeFileReader::read(keptLinesPath(), cap, &text, "kept error-log lines");
    if (read == SafeFileReader::Missing)
        return;
    if (read != SafeFileReader::Ok) { // not ours to write into the log, nor to lose
        SafeFileReader::setAside(keptLinesPath(), QStringLiteral("not a file of kept error-log lines"));
        return;
    }
    m_keptLinesFile = true; // removed once its lines are in the log
    static const QRegularExpression form(QStringLiteral(
        "^[13];[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2};-?[0-9]{1,10}\\t-?[0-9]{1,10}\\t-?[0-9]{1,10}\\t-?[0-9]{1,10}$"));
    QList<QByteArray> lines;
    int refused = 0;
    for (const QByteArray &kept : text.split('\n')) {
        if (kept.isEmpty())
            continue;
        if (form.match(QString::fromLatin1(kept)).hasMatch())
            lines.append(kept + '\n');
        else
            ++refused;
    }
    if (refused > 0)
        qCWarning(lcAlarms) << refused << "lines of" << keptLinesPath() << "are not error-log lines; not written";
    qCInfo(lcAlarms).noquote() << lines.size() << "error-log lines kept at the last stop go ahead of new ones";
    m_unwrittenLines = lines + m_unwrittenLines;
    if (!writeLogLine(QByteArray()) || !m_unwrittenLines.isEmpty())
        return;
    if (m_keptLinesFile) { // nothing to write: the file goes all the same
        QFile::remove(keptLinesPath());
        m_keptLinesFile = false;
    }
}

void TulErrorController::addLine(const ErrorLogFiles::Line &line)
{
    m_logRecords.append(line, describeLogged(line.codes), zoneOfError(line.codes[0], line.codes[1], line.codes[2]));
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
    // A file from elsewhere may hold any number of them: past a bound, each is looked up.
    const qint64 key = ((qint64(codes[0]) * 1000 + codes[1]) * 1000 + codes[2]) * 1000 + codes[3];
    const auto it = m_loggedTexts.constFind(key);
    if (it != m_loggedTexts.constEnd())
        return it.value();
    const QString text = ErrorDefinitions::describe(m_definitions, codes[0], codes[1], codes[2], codes[3]);
    if (m_loggedTexts.size() < MaxCachedTexts)
        m_loggedTexts.insert(key, text);
    return text;
}

void TulErrorController::retrieveErrorLog(const QString &logName)
{
    const QString path = QFileInfo(logName).isAbsolute() ? logName : ErrorLogFiles::logDir() + logName;
    bool cut = false;
    ErrorLogFiles::readLines(path, [this](const ErrorLogFiles::Line &line) { addLine(line); }, &cut);
    if (cut)
        m_cutLogNames.append(QFileInfo(path).fileName());
    m_errorsLogListStale = true;
}

void TulErrorController::retrieveAllErrorLogs()
{
    writeLogLine(QByteArray());
    const QStringList names = ErrorLogFiles::entries();
    if (names.isEmpty() && m_unwrittenLines.isEmpty()) {
        emit errorLogsLoaded(m_logRecords.count());
        return;
    }
    m_cutLogNames.clear();
    // Room for every line at once: growing by doubling would hold up to twice the records.
    qint64 bytes = 0;
    for (const QString &name : names)
        bytes += qMin(QFileInfo(ErrorLogFiles::logDir() + name).size(), ErrorLogFiles::MaxLogBytes);
    // Files from elsewhere need not hold lines: no more is set aside than one full log needs.
    m_logRecords.reserve(int(qMin(bytes, ErrorLogFiles::MaxLogBytes) / MinLineBytes));
    for (const QString &name : names)
        retrieveErrorLog(name);
    // Lines still waiting for the disk are shown after the files, as they will be written.
    ErrorLogFiles::parseLines(m_unwrittenLines.join(), [this](const ErrorLogFiles::Line &line) { addLine(line); });
    m_logRecords.reverse();
    const QString cut = m_cutLogNames.join(QStringLiteral(", "));
    if (cut != m_cutLogs) {
        m_cutLogs = cut;
        emit cutLogsChanged(cut);
    }
    publishLogList();
    emit errorLogsLoaded(m_logRecords.count());
}

void TulErrorController::publishLogList()
{
    m_errorsLogListStale = true;
    m_errorInfoModel->updateRecords(m_logRecords);
    emit errorInfoModelChanged(m_errorInfoModel);
    set_errorsLogListCount(m_logRecords.count());
    emit errorsLogListChanged();
}

void TulErrorController::clearErrorLogList()
{
    m_logRecords.clear();
    dropLogObjects();
    publishLogList();
}

void TulErrorController::deleteAllErrorLogs()
{
    m_unwrittenLines.clear();
    if (m_retryTimer)
        m_retryTimer->stop();
    if (m_keptLinesFile || QFileInfo::exists(keptLinesPath()))
        QFile::remove(keptLinesPath());
    m_keptLinesFile = false;
    if (ErrorLogFiles::deleteAll() > 0)
        syncFileSystem();
    if (m_cabinet.uiRole == 1 && (m_cabinet.hasMirrorDisplay || m_cabinet.hasSecondaryDisplay)) {
        qCDebug(lcAlarms) << "Send clear error info to remot display over CAN bus!!!!";
        emit relayClearAllErrorInfo();
    }
}

void TulErrorController::exportErrorLog(const QString &serialNumber)
{
    clearErrorLogList();
    retrieveAllErrorLogs();
    const QString fileName = ErrorLogFiles::exportFilePath(serialNumber, ErrorLogFiles::now());
    // Written in pieces: a long log is never held a second time as text.
    const auto content = [this](const SafeFileWriter::Sink &sink) {
        QByteArray piece;
        for (int i = 0; i < m_logRecords.count(); ++i) {
            const ErrorInfo r = m_logRecords.row(i);
            piece += (r.date + QLatin1Char(' ') + r.time + QLatin1String("    ") + r.codes
                      + QLatin1String("    ") + r.desc + QLatin1Char('\n'))
                         .toUtf8();
            if (piece.size() >= ExportPieceBytes) {
                if (!sink(piece.constData(), piece.size()))
                    return false;
                piece.clear();
            }
        }
        return piece.isEmpty() || sink(piece.constData(), piece.size());
    };
    QString why;
    const QString temporary = SafeFileWriter::temporaryPath(fileName);
    bool written = SafeFileWriter::writeNewFile(temporary, content, &why);
    if (written && std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(fileName).constData()) != 0) {
        why = QString::fromLocal8Bit(strerror(errno));
        QFile::remove(temporary);
        written = false;
    }
    if (!written) {
        qCWarning(lcAlarms).noquote() << "Unable to Open File !!!" + fileName << why;
        emit errorLogExported(false, fileName);
        return;
    }
    SafeFileWriter::syncDirectory(QFileInfo(fileName).absolutePath());
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
