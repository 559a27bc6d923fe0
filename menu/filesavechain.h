#ifndef FILESAVECHAIN_H
#define FILESAVECHAIN_H

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "cleanstop.h"

struct CommandResult;

// The save sequence of the menu and day-part files: the new content goes to the file
// name with ".New" appended (created afresh, never through a link; written, fsync'ed), "/bin/sync" runs, "/bin/mv"
// moves the temporary file over the target, the folder is fsync'ed so that the rename
// survives a power cut, and a detached "/bin/sync" follows. Every step is checked; a
// step that fails ends the chain with saveFailed() and the target keeps its old content.
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

    // A save interrupted by a kill or a power cut leaves the temporary file behind. When
    // no chain runs, it is settled by the rule of every ".New" file (InterruptedSave):
    // moved into place when `isComplete` accepts it (true), otherwise removed.
    bool completeInterruptedSave(const ContentCheck &isComplete);

signals:
    void saved();       // the new file is in place
    void saveFailed();  // the target keeps its previous content

private:
    enum class Step { Idle, Syncing, Moving };

    bool writeTemporaryFile();
    void processWrapUp_sync(const CommandResult &result);
    void processWrapUp_mv(const CommandResult &result);
    void endChain(bool ok);

    const QString m_targetPath;
    const qint64 m_maxBytes;
    const QString m_savingMessage;
    const ContentProvider m_content;
    Step m_step = Step::Idle;
    std::unique_ptr<CleanStop::PendingWrite> m_underWay; // a stop waits for the chain
    bool m_pending = false;
};

#endif // FILESAVECHAIN_H
