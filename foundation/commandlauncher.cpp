#include "commandlauncher.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

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

LaunchedCommand *CommandLauncher::start(const QString &program, const QStringList &arguments,
                                        QObject *context, Handler handler)
{
    // A child of the context: destroyed with it, killing the command, before any handler
    // could run on a half-destroyed object.
    auto *command = new LaunchedCommand(program, arguments, context);
    QObject::connect(command, &LaunchedCommand::finished, command, [command, handler](const CommandResult &result) {
        if (handler)
            handler(result);
        command->deleteLater();
    });
    command->start(resolveProgram(program));
    return command;
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
