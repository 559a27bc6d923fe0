#ifndef TRAYBARSC_H
#define TRAYBARSC_H

#include "p4statemachine.h"
#include "trayinfo.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class MenuManager;
class SecondTicker;

// The holding controller of one bin of this display: which product the bin is set up for,
// whether its zone is warm enough, and the countdown of the pan held in it.
//
//   unassigned -> assigned          t_unassigned_assigned    the day part puts a product here
//   assigned   -> unassigned        t_assigned_unassigned    the day part leaves the bin empty
//   assigned   -> holding           t_assigned_holding       startHolding() with a product
//   unassigned -> holding           t_unassigned_holding     resumeHolding() of a product the
//                                                            day part in force leaves out
//   holding    -> holding           t_holding_restart        startHolding() again: a new pan
//   holding    -> assigned          t_holding_assigned       stopHolding(), a product to go back to
//   holding    -> unassigned        t_holding_unassigned     stopHolding(), none assigned meanwhile
// assigned: preheating <-> ready2hold following the zone's below-target flag
//   preheating -> ready2hold        t_preheating_ready2hold  (1, true) after a preheat of >= 1 s
//   ready2hold -> preheating        t_ready2hold_preheating
// holding: standard -> warning -> discard on the shared second (a resumed hold enters the
// one its time left gives)
//   standard   -> warning           t_standard_warning       elapsed >= warningTime (> 0)
//   standard   -> discard           t_standard_discard       nothing left
//   warning    -> discard           t_warning_discard        nothing left
// The countdown goes on below zero in discard until the pan is stopped or replaced.
class TrayBarSc : public P4StateMachine
{
    Q_OBJECT
    Q_PROPERTY(int binNumber READ get_binNumber CONSTANT)
    Q_PROPERTY(int heatTime READ get_heatTime NOTIFY heatTimeChanged)
    Q_PROPERTY(int trayState READ get_trayState NOTIFY trayStateChanged)
    Q_PROPERTY(int productId READ get_productId NOTIFY productIdChanged)
    Q_PROPERTY(QString productName READ get_productName NOTIFY productNameChanged)
    Q_PROPERTY(bool isGroup READ get_isGroup NOTIFY isGroupChanged)
    Q_PROPERTY(int groupIndex READ get_groupIndex NOTIFY groupIndexChanged)
    Q_PROPERTY(int holdTime READ get_holdTime NOTIFY holdTimeChanged)
    Q_PROPERTY(int warningTime READ get_warningTime NOTIFY warningTimeChanged)
    Q_PROPERTY(int remainingTime READ get_remainingTime NOTIFY remainingTimeChanged)
    Q_PROPERTY(QString panUidText READ get_panUidText NOTIFY panUidChanged)
    Q_PROPERTY(int lowerTemp READ get_lowerTemp NOTIFY lowerTempChanged)
    Q_PROPERTY(int upperTemp READ get_upperTemp NOTIFY upperTempChanged)
    Q_PROPERTY(bool mismatch READ get_mismatch NOTIFY mismatchChanged)

public:
    enum TrayState_enum {
        TRAY_NULL = 0,
        UNASSIGNED,
        ASSIGNED,
        PREHEATING,
        READY2HOLD,
        HOLDING,
        STANDARD,
        WARNING,
        DISCARD,
        WAITING,
        HOLDINGOFF
    };
    Q_ENUM(TrayState_enum)

    static constexpr int FirstGroupId = 0x40000000;

    TrayBarSc(int binNumber, QObject *parent);

    // Publishes the tray states to QML as members of "TrayBarSc" in "TulDefs" 1.0, so that
    // the screens name them instead of numbering them; QML cannot make a tray.
    static void registerQmlType();

    int get_binNumber() const { return m_binNumber; }
    int get_heatTime() const { return m_heatTime; }
    int get_trayState() const { return m_trayState; }
    int get_productId() const { return m_productId; }
    QString get_productName() const { return m_productName; }
    bool get_isGroup() const { return m_productId >= FirstGroupId; }
    int get_groupIndex() const { return m_groupIndex; }
    int get_holdTime() const { return m_holdTime; }
    int get_warningTime() const { return m_warningTime; }
    int get_remainingTime() const { return m_remainingTime; }
    quint64 get_panUid() const { return m_panUid; }
    QString get_panUidText() const { return QString::number(m_panUid, 16); }
    int get_lowerTemp() const { return m_lowerTemp; }
    int get_upperTemp() const { return m_upperTemp; }
    // The fan speed the bin's product asks for, in percent (0 without a product).
    int get_fanSpeed() const { return m_fanSpeed; }
    bool get_mismatch() const { return m_mismatch; }

    trayInfo getTrayInfo() const;

    // The second every countdown of the cabinet moves on; without one, the slot makes its
    // own when it first holds.
    void setSecondTicker(SecondTicker *ticker);

public slots:
    void languageChanged(int languageId);
    // The product of `dayPart` for this bin; while holding it waits for the hold to end.
    void assignProduct(int dayPart);
    // `seconds` <= 0: the product's hold time. Refused without a product.
    void startHolding(int seconds, quint64 uid);
    // A hold that was running before the program stopped goes on with the product it had,
    // `secondsLeft` (zero or less: in discard) and its pan; the day part's product waits
    // for its end, as during any hold. `expiryReported`: the end of its time was reported
    // before the stop and is not reported again. False, and nothing changes, when the
    // product is not in the menu or the bin holds already.
    bool resumeHolding(int productId, int dayPart, int secondsLeft, quint64 uid, bool expiryReported);
    void stopHolding();
    void set_zoneBelowTarget(bool below);
    void reEmitHoldTemps();
    void setMismatch(bool on, bool universal);

signals:
    void requestAlarm(int alarmId, bool play);
    void trayInfoChanged(trayInfo info);
    void holdStarted(int bin, quint64 uid);
    void holdExpired(int bin, quint64 uid);
    void holdStopped(int bin, quint64 uid, int secondsLeft);
    void preheatEntered(int bin);
    void preheatExited(int bin, int heatTime);
    void holdTempsChanged(int bin, int lower, int upper);
    void fanSpeedChanged(int bin, int percent);

    void heatTimeChanged(int value);
    void trayStateChanged(int value);
    void productIdChanged(int value);
    void productNameChanged(QString value);
    void isGroupChanged(bool value);
    void groupIndexChanged(int value);
    void holdTimeChanged(int value);
    void warningTimeChanged(int value);
    void remainingTimeChanged(int value);
    void panUidChanged(QString value);
    void lowerTempChanged(int value);
    void upperTempChanged(int value);
    void mismatchChanged(bool value);

    // Triggers of the state table.
    void productAssigned();
    void productCleared();
    void holdRequested();
    void stopRequested();
    void zoneBelow();
    void zoneReached();
    void secondElapsed();

private slots:
    void unassigned_onEntry();
    void preheating_onEntry();
    void preheating_onExit();
    void ready2hold_onEntry();
    void holding_onEntry();
    void holding_onExit();
    void standard_onEntry();
    void warning_onEntry();
    void discard_onEntry();
    void discard_onExit();

    void preheatDone();
    void applyPending();
    void tick();
    bool warningDue() const;
    bool expired() const;
    bool productAfterHold() const;
    bool noProductAfterHold() const;

private:
    struct Product
    {
        int id = 0;       // product or group id
        int memberId = 0; // the product actually held (the group's member for a group)
        int holdTime = 0;
        int warningTime = 0;
        int lowerTemp = 0;
        int upperTemp = 0;
        int fanSpeed = 0; // percent
    };

    MenuManager *menu() const;
    Product lookUp(int id) const;
    QString nameOf(int memberId) const;
    void applyProduct(int dayPart, const Product &product);
    void setTrayState(TrayState_enum state);
    void setRemaining(int seconds);
    void setPanUid(quint64 uid);
    SecondTicker *ticker();
    void reanchorToWallClock();
    int secondsLeftNow() const;
    bool stageDue() const;
    int unitMs() const;
    void publish();

    const int m_binNumber;
    QState *m_assigned = nullptr;
    QState *m_preheating = nullptr;
    QState *m_ready2hold = nullptr;
    QState *m_holdingState = nullptr;
    QState *m_standard = nullptr;
    QState *m_warning = nullptr;
    QState *m_discard = nullptr;

    TrayState_enum m_trayState = TRAY_NULL;
    Product m_product;
    int m_productId = 0;
    int m_groupIndex = 0;
    int m_dayPart = -1;
    QString m_productName;
    int m_holdTime = 0;
    int m_warningTime = 0;
    int m_lowerTemp = 0;
    int m_upperTemp = 0;
    int m_fanSpeed = 0;
    int m_languageId = -1; // -1: whatever the translator has

    // A day part that came while holding: applied when the hold ends.
    bool m_pending = false;
    int m_pendingDayPart = -1;
    Product m_pendingProduct;

    bool m_zoneBelowTarget = false;
    QElapsedTimer m_preheatClock;
    int m_heatTime = 0;

    bool m_holding = false;
    bool m_resuming = false;         // a resume on its way into holding
    bool m_expiryReported = false;   // the resumed hold's end was reported before
    int m_holdSeconds = 0;      // length of the running hold
    int m_remainingTime = 0;
    qint64 m_expectedTime = 0;  // epoch ms
    quint64 m_panUid = 0;
    // The hold's start: on the monotonic clock, which its length is measured by, and as
    // the wall clock read it (moved along when the wall clock is set), which the shared
    // second and the other display count its expiry by.
    QElapsedTimer m_holdClock;
    qint64 m_startWallMs = 0;
    QPointer<SecondTicker> m_ticker;
    bool m_ticking = false;

    bool m_mismatch = false;
};

#endif // TRAYBARSC_H
