#include "filesavechain.h"

#include "commandlauncher.h"
#include "safefilewriter.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

namespace {

const QString syncProgram = QStringLiteral("/bin/sync");
const QString mvProgram = QStringLiteral("/bin/mv");

bool syncFile(QFile &file)
{
    return file.flush() && ::fsync(file.handle()) == 0;
}

} // namespace

FileSaveChain::FileSaveChain(const QString &targetPath, const QString &savingMessage,
                             ContentProvider content, QObject *parent)
    : QObject(parent)
    , m_targetPath(targetPath)
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
    QProcess *sync = CommandLauncher::start(syncProgram, {}, this, &FileSaveChain::processWrapUp_sync);
    sync->setObjectName(QStringLiteral("syncCommand"));
    return true;
}

bool FileSaveChain::writeTemporaryFile()
{
    QFile file(temporaryPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning().noquote() << "Unable to Open File for saving!!!";
        return false;
    }
    qDebug().noquote() << m_savingMessage;
    const QByteArray data = m_content ? m_content() : QByteArray();
    if (file.write(data) != data.size() || !syncFile(file)) {
        qWarning().noquote() << "Cannot write" << temporaryPath() << ":" << file.errorString();
        file.close();
        file.remove();
        return false;
    }
    file.close();
    return true;
}

void FileSaveChain::processWrapUp_sync(const CommandResult &result)
{
    if (!result.ok()) {
        qWarning().noquote() << "sync before moving" << temporaryPath() << "failed:"
                             << result.exitCode << result.errorText;
        endChain(false);
        return;
    }
    m_step = Step::Moving;
    QProcess *mv = CommandLauncher::start(mvProgram, {temporaryPath(), m_targetPath}, this,
                                          &FileSaveChain::processWrapUp_mv);
    mv->setObjectName(QStringLiteral("mvCommand"));
}

void FileSaveChain::processWrapUp_mv(const CommandResult &result)
{
    if (!result.ok() || !QFileInfo::exists(m_targetPath)) {
        qWarning().noquote() << "Moving" << temporaryPath() << "to" << m_targetPath << "failed:"
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
    if (isBusy() || QFileInfo::exists(m_targetPath) || !QFileInfo::exists(temporaryPath()))
        return false;
    QFile file(temporaryPath());
    const bool readable = file.open(QIODevice::ReadOnly);
    const QByteArray data = readable ? file.readAll() : QByteArray();
    if (!readable || !isComplete(data)) {
        qWarning().noquote() << "Discarding the incomplete" << temporaryPath();
        file.close();
        QFile::remove(temporaryPath());
        return false;
    }
    const bool durable = ::fsync(file.handle()) == 0;
    file.close();
    if (!durable || !QFile::rename(temporaryPath(), m_targetPath)) {
        qWarning().noquote() << "Cannot move" << temporaryPath() << "to" << m_targetPath;
        return false;
    }
    SafeFileWriter::syncDirectory(QFileInfo(m_targetPath).absolutePath());
    qDebug().noquote() << "Completed the interrupted save of" << m_targetPath;
    return true;
}
