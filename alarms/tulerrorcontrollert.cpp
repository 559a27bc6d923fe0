#include "tulerrorcontrollert.h"

#include "cabinetcore.h"
#include "cleanstop.h"
#include "configurationmanager.h"
#include "qmodbusmaster.h"
#include "qmodbuspollinfo.h"
#include "tulerrorcontroller.h"

#include <QThread>

TulErrorControllerT::TulErrorControllerT(QModbusMaster *master, QObject *parent)
    : QObject(parent),
      m_master(master),
      m_currentError(this)
{
    m_thread = new QThread(this);
    m_thread->setObjectName(QStringLiteral("tulErrorControllerThread"));
    m_errorInfoModel = new ErrorInfoModel(this);
    m_errorsMbInfo = new QModbusPollInfo(TulErrorController::ErrorRegisterCount, this);
    m_errorsMbInfo->setObjectName(QStringLiteral("errorsMbInfo"));

    TulErrorController::CabinetValues values;
    if (CabinetCore *core = CabinetCore::of(this)) {
        values.uiRole = core->get_uiRole();
        values.hasMirrorDisplay = core->get_hasMirrorDisplay();
        values.hasSecondaryDisplay = core->get_hasSecondaryDisplay();
        values.numberOfZones = core->get_numberOfZones();
        values.ui2mioZoneMap = core->get_ui2mioZoneMap();
    }
    m_worker = new TulErrorController(values);
    m_worker->setObjectName(QStringLiteral("tulErrorControllerWorkerSM"));
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);

    connectWorker();
    m_thread->start(QThread::InheritPriority);
    emit callPrepareSm();
    emit callRetrieveAllErrorLogs();
}

TulErrorControllerT::~TulErrorControllerT()
{
    // Errors already handed over reach their log before the thread ends; lines the log
    // could not take are tried once more and otherwise kept for the next start.
    if (m_thread->isRunning())
        emit callFinishWrites();
    CleanStop::finishThread(m_thread, m_worker);
}

void TulErrorControllerT::connectWorker()
{
    const auto q = Qt::QueuedConnection;
    TulErrorController *w = m_worker;
    connect(this, &TulErrorControllerT::callPrepareSm, w, &TulErrorController::prepareSm, q);
    connect(this, &TulErrorControllerT::callCreateDefinitionsList, w, &TulErrorController::createDefinitionsList, q);
    connect(this, &TulErrorControllerT::callErrorCodesDataProcess, w, &TulErrorController::errorCodesDataProcess, q);
    connect(this, &TulErrorControllerT::callErrorCodesClearDataProcess, w, &TulErrorController::errorCodesClearDataProcess, q);
    connect(this, &TulErrorControllerT::callRemoteErrorCodesDataProcess, w, &TulErrorController::remoteErrorCodesDataProcess, q);
    connect(this, &TulErrorControllerT::callRemoteErrorCodesClearDataProcess, w, &TulErrorController::remoteErrorCodesClearDataProcess, q);
    connect(this, &TulErrorControllerT::callDeleteAllErrorLogs, w, &TulErrorController::deleteAllErrorLogs, q);
    connect(this, &TulErrorControllerT::callClearErrorLogList, w, &TulErrorController::clearErrorLogList, q);
    connect(this, &TulErrorControllerT::call_set_errorFlags, w, &TulErrorController::set_errorFlags, q);
    connect(this, &TulErrorControllerT::call_startSm, w, &QStateMachine::start, q);
    connect(this, &TulErrorControllerT::callRetrieveAllErrorLogs, w, &TulErrorController::retrieveAllErrorLogs, q);
    connect(this, &TulErrorControllerT::callExportErrorLog, w, &TulErrorController::exportErrorLog, q);
    connect(this, &TulErrorControllerT::callFinishWrites, w, &TulErrorController::finishWrites, q);
    connect(this, &TulErrorControllerT::errorsMbReplyGood, w, &TulErrorController::errorsMbReplyGood, q);
    connect(this, &TulErrorControllerT::errorsMbReplyTimedOut, w, &TulErrorController::errorsMbReplyTimedOut, q);
    connect(this, &TulErrorControllerT::errorsMbReplyError, w, &TulErrorController::errorsMbReplyError, q);

    connect(w, &TulErrorController::zoneErrorStatusTcUpdate, this, &TulErrorControllerT::zoneErrorStatusTcUpdate, q);
    connect(w, &TulErrorController::notifyError, this, &TulErrorControllerT::notifyError, q);
    connect(w, &TulErrorController::notifyErrorClear, this, &TulErrorControllerT::notifyErrorClear, q);
    connect(w, &TulErrorController::errorAcknowledgedChanged, this, &TulErrorControllerT::errorAcknowledgedChanged, q);
    connect(w, &TulErrorController::errorLogExported, this, &TulErrorControllerT::errorLogExported, q);
    connect(w, &TulErrorController::errorInfoModelChanged, this, &TulErrorControllerT::set_errorInfoModel, q);
    connect(w, &TulErrorController::errorsLogListCountChanged, this, &TulErrorControllerT::set_errorsLogListCount, q);
    connect(w, &TulErrorController::errorLogsLoaded, this, [this] { m_errorsLogRead = true; }, q);
    connect(w, &TulErrorController::cutLogsChanged, this, [this](const QString &names) {
        m_cutLogs = names;
        emit cutLogsChanged(names);
    }, q);

    connect(w, &TulErrorController::requestErrorsMbRead, this, &TulErrorControllerT::readErrorRegisters, q);
    connect(w, &TulErrorController::relayErrorInfo, this, &TulErrorControllerT::sendErrorInfo, q);
    connect(w, &TulErrorController::relayErrorClearInfo, this, &TulErrorControllerT::sendErrorClearInfo, q);
    connect(w, &TulErrorController::relayClearAllErrorInfo, this, &TulErrorControllerT::sendClearAllErrorInfo, q);

    connect(m_errorsMbInfo, &QModbusPollInfo::pollReplyGood, this, &TulErrorControllerT::errorRegistersRead);
    connect(m_errorsMbInfo, &QModbusPollInfo::pollReplyTimedOut, this, &TulErrorControllerT::errorsMbReplyTimedOut);
    connect(m_errorsMbInfo, &QModbusPollInfo::pollReplyError, this, &TulErrorControllerT::errorsMbReplyError);
}

// ---- requests to the worker ------------------------------------------------------------

void TulErrorControllerT::errorCodesDataProcess(int mc, int sub1, int sub2, int sub3)
{
    emit callErrorCodesDataProcess(mc, sub1, sub2, sub3);
}

void TulErrorControllerT::errorCodesClearDataProcess(int mc, int sub1, int sub2, int sub3)
{
    emit callErrorCodesClearDataProcess(mc, sub1, sub2, sub3);
}

void TulErrorControllerT::remoteErrorCodesDataProcess(int mc, int sub1, int sub2, int sub3)
{
    emit callRemoteErrorCodesDataProcess(mc, sub1, sub2, sub3);
}

void TulErrorControllerT::remoteErrorCodesClearDataProcess(int mc, int sub1, int sub2, int sub3)
{
    emit callRemoteErrorCodesClearDataProcess(mc, sub1, sub2, sub3);
}

void TulErrorControllerT::createDefinitionsList() { emit callCreateDefinitionsList(); }
void TulErrorControllerT::deleteAllErrorLogs() { emit callDeleteAllErrorLogs(); }
void TulErrorControllerT::clearErrorLogList() { emit callClearErrorLogList(); }
void TulErrorControllerT::retrieveAllErrorLogs() { emit callRetrieveAllErrorLogs(); }

void TulErrorControllerT::exportErrorLog()
{
    QString serialNumber;
    if (CabinetCore *core = CabinetCore::of(this))
        if (ConfigurationManager *config = core->configManager())
            serialNumber = config->get_serialNumber();
    emit callExportErrorLog(serialNumber);
}

QString TulErrorControllerT::errorsLogSummary() const
{
    return m_errorsLogRead ? QStringLiteral("%1 entries in the errors log").arg(m_errorsLogListCount)
                           : QStringLiteral("reading the errors log");
}

// ---- work done on the GUI thread for the worker ----------------------------------------

void TulErrorControllerT::readErrorRegisters()
{
    if (!m_master) {
        emit errorsMbReplyError(); // keeps the poll's rhythm without a line
        return;
    }
    m_master->holdingRegistersRead(1, TulErrorController::ErrorRegisterStart,
                                   TulErrorController::ErrorRegisterCount, 0, m_errorsMbInfo, false);
}

void TulErrorControllerT::errorRegistersRead()
{
    emit errorsMbReplyGood(m_errorsMbInfo->get_registers());
}

void TulErrorControllerT::sendErrorInfo(int mc, int sub1, int sub2, int sub3)
{
    if (CabinetCore *core = CabinetCore::of(this))
        core->sendErrorInfo(mc, sub1, sub2, sub3);
}

void TulErrorControllerT::sendErrorClearInfo(int mc, int sub1, int sub2, int sub3)
{
    if (CabinetCore *core = CabinetCore::of(this))
        core->sendErrorClearInfo(mc, sub1, sub2, sub3);
}

void TulErrorControllerT::sendClearAllErrorInfo()
{
    if (CabinetCore *core = CabinetCore::of(this))
        core->sendClearAllErrorInfo();
}

// ---- properties --------------------------------------------------------------------------

void TulErrorControllerT::set_errorFlags(unsigned int value)
{
    emit call_set_errorFlags(value);
}

void TulErrorControllerT::set_errorAcknowledged(bool value)
{
    emit call_set_errorAcknowledged(value);
}

void TulErrorControllerT::set_sibLinkBroken(bool value)
{
    if (m_sibLinkBroken == value)
        return;
    m_sibLinkBroken = value;
    emit sibLinkBrokenChanged(value);
}

void TulErrorControllerT::set_currentErrorsString(const QString &value)
{
    m_currentErrorsString = value;
    emit currentErrorsStringChanged(value);
}

void TulErrorControllerT::set_errorsLogListCount(int value)
{
    m_errorsLogListCount = value;
    emit errorsLogListCountChanged(value);
}

void TulErrorControllerT::set_recoverableErrLabel(const QString &value)
{
    m_recoverableErrLabel = value;
    emit recoverableErrLabelChanged(value);
}

void TulErrorControllerT::set_recoverableErrCodes(const QString &value)
{
    m_recoverableErrCodes = value;
    emit recoverableErrCodesChanged(value);
}

void TulErrorControllerT::set_errorInfoModel(ErrorInfoModel *model)
{
    m_errorInfoModel->updateFromModel(model);
    emit errorInfoModelChanged(m_errorInfoModel);
}
