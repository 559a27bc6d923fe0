#include "haccpcontroller.h"

#include "alarmslog.h"
#include "alarmtimings.h"
#include "cabinetcore.h"
#include "cleanstop.h"
#include "configurationmanager.h"
#include "filelogworker.h"

#include <QFileInfo>
#include <QTimer>

HaccpController::HaccpController(QObject *parent)
    : P4StateMachine(parent)
{
    setObjectName(QStringLiteral("haccpController"));
    qRegisterMetaType<HaccpData>();
    qRegisterMetaType<QList<HaccpData>>();
    m_haccpDataModel = new HaccpDataModel(this);

    const CabinetCore *core = CabinetCore::of(this);
    if (!core || !core->get_haccpEnabled())
        return;
    startWorker();

    m_cleanupTimer = new QTimer(this);
    m_cleanupTimer->setInterval(AlarmTimings::scaled(FirstCleanupMs));
    connect(m_cleanupTimer, &QTimer::timeout, this, &HaccpController::removeOldHaccpData,
            Qt::QueuedConnection);
    m_cleanupTimer->start();
    // Two days back, so that the first tick cleans up.
    m_lastCleanup = QDateTime::currentDateTime().addDays(-2);
}

void HaccpController::startWorker()
{
    m_workerThread.setObjectName(QStringLiteral("haccpLogThread"));
    m_worker = new FileLogWorker;
    m_worker->moveToThread(&m_workerThread);
    connect(&m_workerThread, &QThread::finished, m_worker, &QObject::deleteLater);

    connect(this, &HaccpController::haccpDataLog, m_worker, &FileLogWorker::doAddHaccpDataLog);
    connect(this, &HaccpController::removeDataLog, m_worker, &FileLogWorker::doRemoveHaccpDataLog);
    connect(this, &HaccpController::closeOpenDataLogs, m_worker, &FileLogWorker::doCloseOpenHaccpDataLogs);
    connect(this, &HaccpController::exportDataLogToCsv, m_worker, &FileLogWorker::doHaccpFileExport);
    connect(this, &HaccpController::retrieveHaccpData, m_worker, &FileLogWorker::retrieveAllHaccpData);
    connect(this, &HaccpController::removeOldDataSignal, m_worker,
            &FileLogWorker::doRemoveOldHaccpDataLogs);
    connect(m_worker, &FileLogWorker::addHaccpDone, this, &HaccpController::testFunction);
    connect(m_worker, &FileLogWorker::removeHaccpDone, this, &HaccpController::testFunction);
    connect(m_worker, &FileLogWorker::removeOldDataDone, this, &HaccpController::testFunction);
    connect(m_worker, &FileLogWorker::closeOpenDone, this, &HaccpController::testFunction);
    connect(m_worker, &FileLogWorker::fileExportComplete, this, &HaccpController::exportHaccpLogComplete);
    connect(m_worker, &FileLogWorker::retrievAllHaccpDataDone, this,
            &HaccpController::retrievAllHaccpDataComplete);
    connect(m_worker, &FileLogWorker::unreadLogChanged, this, [this](const QString &fileName, bool tooLarge) {
        if (fileName == m_unreadLog && tooLarge == m_unreadLogTooLarge)
            return;
        m_unreadLog = fileName;
        m_unreadLogTooLarge = tooLarge;
        emit unreadLogChanged(fileName);
    });
    m_workerThread.start(QThread::InheritPriority);
}

HaccpController::~HaccpController()
{
    // The worker goes with its thread's finish; the thread must end before it is destroyed,
    // and not before the records already handed over are in the log.
    releaseGate();
    CleanStop::finishThread(&m_workerThread, m_worker);
}

void HaccpController::set_haccpDataModel(HaccpDataModel *model)
{
    m_haccpDataModel = model;
    emit haccpDataModelChanged(model);
}

void HaccpController::set_haccpLogListCount(int count)
{
    if (m_haccpLogListCount == count)
        return;
    m_haccpLogListCount = count;
    emit haccpLogListCountChanged(count);
}

void HaccpController::set_totalHaccpLogListCount(int count)
{
    if (m_totalHaccpLogListCount == count)
        return;
    m_totalHaccpLogListCount = count;
    emit totalHaccpLogListCountChanged(count);
}

QString HaccpController::cleanupCutoff(const QDateTime &localNow)
{
    return localNow.date().addYears(-1).toString(QStringLiteral("yyyy/MM/dd"));
}

// ---- requests ----------------------------------------------------------------------------

void HaccpController::logDataEntry(const HaccpData &dataLog)
{
    emit haccpDataLog(FileLogWorker::packRecord(dataLog));
    releaseGate();
}

// A stop removes the open record and then adds the finished one, in one call of the
// holding code; a cancelled hold only removes.
void HaccpController::removeStartDataLogEntry(const HaccpData &dataLog)
{
    holdGate();
    emit removeDataLog(FileLogWorker::packRecord(dataLog));
}

void HaccpController::closeOpenRecords(const QDateTime &cut, const QList<HaccpData> &holding, quint32 expiredBins)
{
    // The records carry the cabinet's local time; so does the cut.
    QDateTime moment = cut.isValid() ? cut : QFileInfo(FileLogWorker::logPath()).lastModified();
    if (!moment.isValid())
        moment = QDateTime::currentDateTime(); // no log yet: nothing to close, starts to write
    CabinetCore *core = CabinetCore::of(this);
    const QDateTime local = core ? core->adjustToLocalDateTime(moment) : moment.toLocalTime();
    emit closeOpenDataLogs(FileLogWorker::packClose(local.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")),
                                                    holding, expiredBins));
}

void HaccpController::holdGate()
{
    if (!m_worker || m_gateHeld)
        return;
    m_worker->postingGate()->lock();
    m_gateHeld = true;
    QMetaObject::invokeMethod(this, &HaccpController::releaseGate, Qt::QueuedConnection);
}

void HaccpController::releaseGate()
{
    if (!m_gateHeld)
        return;
    m_gateHeld = false;
    m_worker->postingGate()->unlock();
}

void HaccpController::retrieveAllHaccpData(bool retrieveAll)
{
    emit retrieveHaccpData(FileLogWorker::packFlag(retrieveAll));
}

void HaccpController::exportHaccpLog()
{
    CabinetCore *core = CabinetCore::of(this);
    const ConfigurationManager *config = core ? core->configManager() : nullptr;
    emit exportDataLogToCsv(FileLogWorker::packExport(config ? config->get_serialNumber() : QString(),
                                                      core ? core->get_traysPerZone() : 0,
                                                      core ? core->get_zonesPerRow() : 0));
}

void HaccpController::removeOldHaccpData()
{
    const QDateTime now = QDateTime::currentDateTime();
    if (m_lastCleanup >= now.addDays(-1))
        return;
    const int hourly = AlarmTimings::scaled(CleanupCheckMs);
    if (m_cleanupTimer && m_cleanupTimer->interval() != hourly)
        m_cleanupTimer->setInterval(hourly);
    m_lastCleanup = now;
    QDateTime local = now;
    CabinetCore *core = CabinetCore::of(this);
    if (core)
        local = core->adjustToLocalDateTime(local);
    emit removeOldDataSignal(FileLogWorker::packString(cleanupCutoff(local)));
}

// ---- answers -----------------------------------------------------------------------------

void HaccpController::retrievAllHaccpDataComplete(QString result, int totalCount,
                                                  QList<HaccpData> records)
{
    m_haccpDataModel->updateModel(records);
    set_haccpLogListCount(m_haccpDataModel->rowCount());
    set_totalHaccpLogListCount(totalCount);
    emit retrieveHaccpDataDone(result);
}

void HaccpController::exportHaccpLogComplete(QString result)
{
    emit exportHaccpLogDone(result);
}

void HaccpController::testFunction(QString result)
{
    // Additions, removals and clean-ups need no answer; a failure is worth a line.
    if (result != FileLogWorker::OkResult)
        qCWarning(lcHaccp).noquote() << "HACCP log request failed:" << result;
}
