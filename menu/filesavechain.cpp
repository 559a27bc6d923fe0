#include "filesavechain.h"
#include "menulog.h"

#include "commandlauncher.h"
#include "interruptedsave.h"
#include "safefilewriter.h"

#include <QDebug>
#include <QFileInfo>

namespace {

const QString syncProgram = QStringLiteral("/bin/sync");
const QString mvProgram = QStringLiteral("/bin/mv");

} // namespace

FileSaveChain::FileSaveChain(const QString &targetPath, const QString &savingMessage,
                             ContentProvider content, QObject *parent, qint64 maxBytes)
    : QObject(parent)
    , m_targetPath(targetPath)
    , m_maxBytes(maxBytes)
    , m_savingMessage(savingMessage)
    , m_content(std::move(content))
{
}

bool FileSaveChain::save()
{
    if (isBusy()) {
        m_pending = true;
        return true;
    }
    if (!writeTemporaryFile())
        return false;
    m_step = Step::Syncing;
    m_underWay = std::make_unique<CleanStop::PendingWrite>();
    startStep(syncProgram, {}, QStringLiteral("syncCommand"));
    return true;
}

void FileSaveChain::connectFinished(LaunchedCommand *command, QObject *receiver, StepHandler handler)
{
    // The receiver as context: its slot runs with the command as sender().
    QObject::connect(command, &LaunchedCommand::finished, receiver,
                     [handler = std::move(handler)](const CommandResult &result) {
                         handler(result.exitCode, result.finished ? QProcess::NormalExit : QProcess::CrashExit);
                     });
}

void FileSaveChain::startStep(const QString &program, const QStringList &arguments, const QString &name)
{
    // The launcher deletes the command once it has reported.
    LaunchedCommand *command = CommandLauncher::start(program, arguments, this, CommandLauncher::Handler());
    command->setObjectName(name);
    m_current = command;
    if (m_wrapUp)
        m_wrapUp(command);
    else
        connectFinished(command, this, [this, command](int exitCode, QProcess::ExitStatus status) {
            stepFinished(command, exitCode, status);
        });
}

void FileSaveChain::stepFinished(QObject *sender, int exitCode, QProcess::ExitStatus exitStatus)
{
    auto *command = qobject_cast<LaunchedCommand *>(sender);
    if (!command || command != m_current)
        return;
    m_current = nullptr;
    command->disconnect(m_wrapUpReceiver ? m_wrapUpReceiver : this);
    const bool ok = exitStatus == QProcess::NormalExit && exitCode == 0;
    if (command->objectName() == QLatin1String("syncCommand"))
        processWrapUp_sync(ok, command->result());
    else if (command->objectName() == QLatin1String("mvCommand"))
        processWrapUp_mv(ok, command->result());
}

bool FileSaveChain::writeTemporaryFile()
{
    qCDebug(lcMenu).noquote() << m_savingMessage;
    const QByteArray data = m_content ? m_content() : QByteArray();
    // Created afresh: a link left at the ".New" name is removed, never written through.
    QString error;
    if (!SafeFileWriter::writeNewFile(temporaryPath(), data, &error)) {
        qCWarning(lcMenu).noquote() << "Unable to Open File for saving!!!";
        return false;
    }
    return true;
}

void FileSaveChain::processWrapUp_sync(bool ok, const CommandResult &result)
{
    if (!ok) {
        qCWarning(lcMenu).noquote() << "sync before moving" << temporaryPath() << "failed:"
                             << result.exitCode << result.errorText;
        endChain(false);
        return;
    }
    m_step = Step::Moving;
    startStep(mvProgram, {temporaryPath(), m_targetPath}, QStringLiteral("mvCommand"));
}

void FileSaveChain::processWrapUp_mv(bool ok, const CommandResult &result)
{
    if (!ok || !QFileInfo::exists(m_targetPath)) {
        qCWarning(lcMenu).noquote() << "Moving" << temporaryPath() << "to" << m_targetPath << "failed:"
                             << result.exitCode << result.errorText
                             << QString::fromLocal8Bit(result.standardError).trimmed();
        endChain(false);
        return;
    }
    // The rename must be on the storage before anyone relies on the new file.
    SafeFileWriter::syncDirectory(QFileInfo(m_targetPath).absolutePath());
    CommandLauncher::startDetached(syncProgram);
    endChain(true);
}

void FileSaveChain::endChain(bool ok)
{
    m_step = Step::Idle;
    m_underWay.reset();
    if (ok)
        emit saved();
    else
        emit saveFailed();
    if (m_pending && !isBusy()) {
        m_pending = false;
        if (!save())
            emit saveFailed();
    }
}

bool FileSaveChain::completeInterruptedSave(const ContentCheck &isComplete)
{
    return !isBusy() && InterruptedSave::settle(m_targetPath, m_maxBytes, isComplete) == InterruptedSave::Completed;
}
