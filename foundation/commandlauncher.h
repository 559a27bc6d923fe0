#ifndef COMMANDLAUNCHER_H
#define COMMANDLAUNCHER_H

#include "launchedcommand.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// Every child process of the program starts here, with the program path and arguments
// the device uses. When TUL_TOOLS_DIR is set and holds an executable of the same base
// name, that stand-in runs instead (tests, simulation). A program that cannot start is
// reported through the result, never by a crash.
class CommandLauncher
{
public:
    using Handler = std::function<void(const CommandResult &)>;

    static QString resolveProgram(const QString &program);

    // Starts the command and returns at once. `handler` runs exactly once on the
    // context's thread: when the command has finished, crashed or failed to start.
    // Nothing runs when `context` is destroyed first (the child is then killed). The
    // command deletes itself after the handler.
    static LaunchedCommand *start(const QString &program, const QStringList &arguments,
                                  QObject *context, Handler handler);

    // The same with a wrap-up slot named after the step, e.g.
    // start("/sbin/ifup", {"wlan0"}, this, &WifiManager::processWrapUp_ifup).
    template <typename Receiver>
    static LaunchedCommand *start(const QString &program, const QStringList &arguments,
                                  Receiver *receiver, void (Receiver::*wrapUp)(const CommandResult &))
    {
        return start(program, arguments, receiver,
                     [receiver, wrapUp](const CommandResult &r) { (receiver->*wrapUp)(r); });
    }

    // Starts the command and forgets it; false when it could not be started. The calling
    // thread's event loop reaps it when it ends.
    static bool startDetached(const QString &program, const QStringList &arguments = {});

    // Runs the command and waits for it; a command that does not finish in time is killed
    // and reported with finished false. (It has started, or failed to, when the spawn
    // returns: there is no separate wait for the start.)
    static CommandResult runAndWait(const QString &program, const QStringList &arguments = {},
                                    int finishTimeoutMs = 30000);
};

#endif // COMMANDLAUNCHER_H
