#include "commandlauncher.h"
#include "foundationlog.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

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
    // Nobody waits for its outcome; the command only reaps the child when it ends.
    auto *command = new LaunchedCommand(program, arguments);
    command->discardOutput();
    QObject::connect(command, &LaunchedCommand::finished, command, &QObject::deleteLater);
    command->start(resolveProgram(program));
    return command->result().started;
}

CommandResult CommandLauncher::runAndWait(const QString &program, const QStringList &arguments, int finishTimeoutMs)
{
    LaunchedCommand command(program, arguments);
    command.start(resolveProgram(program));
    if (!command.result().started || command.waitForFinished(finishTimeoutMs))
        return command.result();
    // What it wrote before it hung is still worth having; the command kills it on return.
    CommandResult result = command.result();
    result.errorText = QStringLiteral("timed out");
    qCWarning(lcFoundation).noquote() << program << "did not finish in" << finishTimeoutMs << "ms";
    return result;
}
