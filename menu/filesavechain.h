#ifndef FILESAVECHAIN_H
#define FILESAVECHAIN_H

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "cleanstop.h"

class LaunchedCommand;
struct CommandResult;

// The save sequence of the menu and day-part files: the new content goes to the file
// name with ".New" appended (created afresh, never through a link; written, fsync'ed), "/bin/sync" runs, "/bin/mv"
// moves the temporary file over the target, the folder is fsync'ed so that the rename
// survives a power cut, and a detached "/bin/sync" follows. Every step is checked; a
// step that fails ends the chain with saveFailed() and the target keeps its old content.
//
// Each command reports its end to the owner's wrap-up slot (see setWrapUpSlot), with the
// command as sender; the slot hands the step back through stepFinished.
//
// One chain runs at a time per file: a save requested while a chain runs is carried
// out when it has ended, with the content of that moment, and any number of requests
// in the meantime make one more chain.
class FileSaveChain : public QObject
{
    Q_OBJECT

public:
    using ContentProvider = std::function<QByteArray()>;
    using ContentCheck = std::function<bool(const QByteArray &)>;

    FileSaveChain(const QString &targetPath, const QString &savingMessage,
                  ContentProvider content, QObject *parent = nullptr,
                  qint64 maxBytes = DefaultMaxBytes);

    // The largest file an interrupted save may leave for completeInterruptedSave.
    static constexpr qint64 DefaultMaxBytes = 8 * 1024 * 1024;

    QString targetPath() const { return m_targetPath; }
    QString temporaryPath() const { return m_targetPath + QStringLiteral(".New"); }
    bool isBusy() const { return m_step != Step::Idle; }

    // Writes the temporary file and starts the chain, or queues the save behind the
    // running chain. False when the temporary file could not be written.
    bool save();

    // Routes the end of every command of the chain to `slot` of `owner`, called with the
    // command as sender(): its exit code, and NormalExit only for a command that ran to
    // its end (one that crashed, was killed or did not start at all is a CrashExit).
    // Without it the chain takes its steps by itself.
    template <typename Owner>
    void setWrapUpSlot(Owner *owner, void (Owner::*slot)(int, QProcess::ExitStatus))
    {
        m_wrapUpReceiver = owner;
        m_wrapUp = [owner, slot](LaunchedCommand *command) {
            connectFinished(command, owner, [owner, slot](int exitCode, QProcess::ExitStatus status) {
                (owner->*slot)(exitCode, status);
            });
        };
    }

    // The wrap-up of one command: "syncCommand" is followed by the move, "mvCommand"
    // ends the chain. Only the command the chain is waiting for moves it on; any other
    // sender, or none, changes nothing. A command that did not end normally with exit
    // code 0 ends the chain with saveFailed().
    void stepFinished(QObject *sender, int exitCode, QProcess::ExitStatus exitStatus);

    // A save interrupted by a kill or a power cut leaves the temporary file behind. When
    // no chain runs, it is settled by the rule of every ".New" file (InterruptedSave):
    // moved into place when `isComplete` accepts it (true), otherwise removed.
    bool completeInterruptedSave(const ContentCheck &isComplete);

signals:
    void saved();       // the new file is in place
    void saveFailed();  // the target keeps its previous content

private:
    enum class Step { Idle, Syncing, Moving };

    using StepHandler = std::function<void(int, QProcess::ExitStatus)>;
    static void connectFinished(LaunchedCommand *command, QObject *receiver, StepHandler handler);

    bool writeTemporaryFile();
    void startStep(const QString &program, const QStringList &arguments, const QString &name);
    void processWrapUp_sync(bool ok, const CommandResult &result);
    void processWrapUp_mv(bool ok, const CommandResult &result);
    void endChain(bool ok);

    const QString m_targetPath;
    const qint64 m_maxBytes;
    const QString m_savingMessage;
    const ContentProvider m_content;
    Step m_step = Step::Idle;
    std::unique_ptr<CleanStop::PendingWrite> m_underWay; // a stop waits for the chain
    bool m_pending = false;
    QPointer<LaunchedCommand> m_current;
    QObject *m_wrapUpReceiver = nullptr;
    std::function<void(LaunchedCommand *)> m_wrapUp;
};

#endif // FILESAVECHAIN_H
