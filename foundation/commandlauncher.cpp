#include "commandlauncher.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>

#include <memory>

namespace {

CommandResult resultOf(const QString &program, const QStringList &arguments)
{
    CommandResult result;
    result.program = program;
    result.arguments = arguments;
    return result;
}

void collectFinished(QProcess *process, CommandResult &result)
{
    result.started = true;
    result.finished = process->exitStatus() == QProcess::NormalExit;
    result.exitCode = result.finished ? process->exitCode() : -1;
    result.standardOutput = process->readAllStandardOutput();
    result.standardError = process->readAllStandardError();
    if (!result.finished)
        result.errorText = process->errorString();
}

} // namespace

QString CommandLauncher::resolveProgram(const QString &program)
{
    const QString toolsDir = qEnvironmentVariable("TUL_TOOLS_DIR");
    if (toolsDir.isEmpty())
        return program;
    const QFileInfo standIn(QDir(toolsDir), QFileInfo(program).fileName());
    if (standIn.isFile() && standIn.isExecutable())
        return standIn.absoluteFilePath();
    return program;
}

QProcess *CommandLauncher::start(const QString &program, const QStringList &arguments,
                                 QObject *context, Handler handler)
{
    auto *process = new QProcess(context);
    // Finished and failed-to-start can both be signalled for one process on some
    // platforms; the handler must run once only.
    auto done = std::make_shared<bool>(false);
    auto finish = [process, handler, done](CommandResult result) {
        if (*done)
            return;
        *done = true;
        if (handler)
            handler(result);
        process->deleteLater();
    };
    QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
                     process, [=](int, QProcess::ExitStatus) {
                         CommandResult result = resultOf(program, arguments);
                         collectFinished(process, result);
                         finish(result);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [=](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return; // crashes and kills arrive through finished()
                         CommandResult result = resultOf(program, arguments);
                         result.errorText = process->errorString();
                         qWarning().noquote() << "Cannot start" << program << ":" << result.errorText;
                         finish(result);
                     });
    if (context) {
        // The owner is going away: its wrap-up must not run on a half-destroyed object.
        QObject::connect(context, &QObject::destroyed, process, [process, done] {
            *done = true;
            process->disconnect();
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(1000);
            }
        });
    }
    process->start(resolveProgram(program), arguments);
    return process;
}

bool CommandLauncher::startDetached(const QString &program, const QStringList &arguments)
{
    const bool started = QProcess::startDetached(resolveProgram(program), arguments);
    if (!started)
        qWarning().noquote() << "Cannot start" << program;
    return started;
}

CommandResult CommandLauncher::runAndWait(const QString &program, const QStringList &arguments,
                                          int startTimeoutMs, int finishTimeoutMs)
{
    CommandResult result = resultOf(program, arguments);
    QProcess process;
    process.start(resolveProgram(program), arguments);
    if (!process.waitForStarted(startTimeoutMs)) {
        result.errorText = process.errorString();
        qWarning().noquote() << "Cannot start" << program << ":" << result.errorText;
        return result;
    }
    if (!process.waitForFinished(finishTimeoutMs)) {
        result.started = true;
        result.errorText = QStringLiteral("timed out");
        // What it wrote before it hung is still worth having.
        result.standardOutput = process.readAllStandardOutput();
        result.standardError = process.readAllStandardError();
        qWarning().noquote() << program << "did not finish in" << finishTimeoutMs << "ms";
        process.kill();
        process.waitForFinished(1000);
        return result;
    }
    collectFinished(&process, result);
    return result;
}
