#ifndef MASTERSYNC_H
#define MASTERSYNC_H

#include "p4statemachine.h"

#include <QLoggingCategory>
#include <QTimer>
#include <QVector>

// Start-up synchronisation of the displays of one cabinet and supervision of the link.
//
// Start-up (one pass):
//   rollCall       -> menuImport       t_rollCall_found     the other display answered
//   rollCall       -> menuImport       t_syncTOfail         no answer within the sync time-out
//   rollCall       (targetless)        t_rollCall_repeat    roll call again every 500 ms
//   notNeeded      -> menuImport       t_notNeeded_done     single display: no roll call
//   menuImport     -> defaultDayPart   t_menuImport_done    500 ms after the import was started
//   defaultDayPart -> restoreHolding   t_defaultDayPart_done
//   restoreHolding -> synced           t_restoreHolding_done
// Link (only with another display):
//   linkOk     -> linkBroken  t_linkOk_broken      more than 30 s without a frame
//   linkBroken -> linkOk      t_linkBroken_ok      a frame arrived
// Errors: (4, 0, 0, 0) no answer to the roll call or the other display silent (master),
// (4, 1, 0, 0) the primary silent (other displays); each raised once and cleared as
// raised by the next frame from the other display.
// "tul.displaylink": the link between the two displays of a cabinet.
#include "displaylinklog.h"

class MasterSync : public P4StateMachine
{
    Q_OBJECT
    Q_PROPERTY(QString statusText READ get_statusText NOTIFY statusTextChanged)
    Q_PROPERTY(bool canLinkBroken READ get_canLinkBroken NOTIFY canLinkBrokenChanged)
    Q_PROPERTY(bool synced READ get_synced NOTIFY syncedChanged)

public:
    struct Timing
    {
        int rollCallIntervalMs = 500;
        int syncTimeoutMs = 30000;
        int menuImportStepMs = 500;
        int silenceTickMs = 1000;
        int silenceLimitTicks = 30; // broken after more than this many silent ticks
    };

    // `syncNeeded`: this display talks to another display; `iAmMaster`: this display owns
    // the IO board (its silent peer is the other display, else the primary display).
    MasterSync(bool syncNeeded, bool iAmMaster, const Timing &timing, QObject *parent = nullptr);

    QString get_statusText() const { return m_statusText; }
    bool get_canLinkBroken() const { return m_canLinkBroken; }
    bool get_synced() const { return m_synced; }
    int silentTicks() const { return m_silentTicks; }

public slots:
    // The other display answered our roll call.
    void otherUiFound();
    // Any frame from another display arrived.
    void canTrafficSeen();

signals:
    void statusTextChanged(QString text);
    void canLinkBrokenChanged(bool broken);
    void syncedChanged(bool synced);

    void requestResyncSignal();     // ask the other display to send us its state
    void askForSlaveSignal();       // one roll call
    void rollCallTimedOut();        // nobody answered within the sync time-out
    void syncNotNeeded();
    void doMenuImportSignal();
    void doDefaultDayPartSignal();
    void restoreHoldingSignal();    // master: restore the holding state and tag store
    void systemReadyForTrayHoldUpdates();
    void syncErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void syncErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3);

    // Internal triggers of the state table.
    void otherUiFoundSignal();
    void stepDone();
    void canTraffic();

private slots:
    void rollCall_onEntry();
    void rollCall_onExit();
    void notNeeded_onEntry();
    void menuImport_onEntry();
    void defaultDayPart_onEntry();
    void restoreHolding_onEntry();
    void synced_onEntry();
    void linkBroken_onEntry();
    void linkBroken_onExit();

    void sendRollCall();
    void askAgainOnFound();
    void syncFailed();
    void countSilence();
    bool silenceTooLong() const;

private:
    void buildStartup(QState *region);
    void buildLink(QState *region);
    void setStatusText(const QString &text);
    void raiseSyncError(int subCode);
    void clearSyncErrors();

    const bool m_syncNeeded;
    const bool m_iAmMaster;
    const Timing m_timing;
    QTimer m_rollCallTimer;
    QTimer m_syncTimeoutTimer;
    QTimer m_menuImportTimer;
    QTimer m_silenceTimer;
    QString m_statusText;
    bool m_canLinkBroken = false;
    bool m_synced = false;
    int m_silentTicks = 0;
    QVector<int> m_raisedSubCodes; // x of each (4, x, 0, 0) error still standing
};

#endif // MASTERSYNC_H
