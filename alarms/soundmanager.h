#ifndef SOUNDMANAGER_H
#define SOUNDMANAGER_H

#include "p4statemachine.h"

#include <QList>
#include <QTimer>

class QHistoryState;
class QState;
class SoundEffect;

// Decides which sound the cabinet makes: a product-change alarm overrides a discard
// alarm, which overrides a warning; an NFC chime interrupts any of them and returns to
// the interrupted one through a history state. Product-change requests (and, for one
// customer, discard requests) are counted so that the alarm lasts while a slot asks.
class SoundManager : public P4StateMachine
{
    Q_OBJECT
    Q_PROPERTY(int prodChgReqCount READ get_prodChgReqCount WRITE set_prodChgReqCount NOTIFY prodChgReqCountChanged)
    Q_PROPERTY(int m_chimeReqCount READ get_chimeReqCount WRITE set_chimeReqCount NOTIFY chimeReqCountChanged)

public:
    explicit SoundManager(QObject *parent = nullptr);
    ~SoundManager() override;

    int get_discardReqCount() const { return discardReqCount; }
    bool get_discardAlarmPlaying() const { return discardAlarmPlaying; }
    QList<SoundEffect *> effects() const;

public slots:
    void processAlarmReq(int alarmId, bool play);
    void playKeystroke();
    void playWarningAlarm();
    void playDiscardAlarm();
    void playProductChangeAlarm();
    void playNfcChime();
    void playNfcChimeUni();
    void muteAllAlarms();
    void unMuteAllAlarms();
    void delayedUnMute();
    void setAllAlarmsVolume(int vol);
    void copySoundFilesFromRscToFs();

    int get_prodChgReqCount() const { return prodChgReqCount; }
    void set_prodChgReqCount(int value);
    void incProdChgReqCount();
    void decProdChgReqCount();
    void incProdChgReqCountUni();
    void decProdChgReqCountUni();
    int get_chimeReqCount() const { return m_chimeReqCount; }
    void set_chimeReqCount(int value);
    void incChimeReqCount();
    void incChimeReqCountUni();
    void decChimeReqCount();
    void incDiscardReqCount();
    void decDiscardReqCount();

    bool moreNfcChimesToPlay();
    bool noMoreNfcChimesToPlay();
    bool discardAlarmNotPlaying();
    bool warningAlarmNotPlaying();
    bool productChangeAlarmNotPlaying();

    void runProductChangeAlarm();
    void setDiscardAckRequested();

    void soundStates_onEntry();
    void soundStates_onExit();
    void initial_onEntry();
    void initial_onExit();
    void idle_onEntry();
    void idle_onExit();
    void warning_onEntry();
    void warning_onExit();
    void discard_onEntry();
    void discard_onExit();
    void productChange_onEntry();
    void productChange_onExit();
    void nfcChiming_onEntry();
    void nfcChiming_onExit();

    void warningAlarmPlayingUpdate(bool value);
    void discardAlarmPlayingUpdate(bool value);
    void prodChangeAlarmPlayingUpdate(bool value);
    void keystrokeSoundPlayingUpdate(bool value);

signals:
    void warningAlarmReq();
    void warningAlarmReqOff();
    void discardAlarmReq();
    void discardAlarmReqOff();
    void productChangeAlarmReq();
    void productChangeAlarmReqOff();
    void productChangeAlarmUniReq();
    void productChangeAlarmUniReqOff();
    void nfcChimeSig();
    void nfcChimeUniSig();
    void soundProductChange();
    void soundDiscardAlarm();
    void initialized();
    void prodChgReqCountZeroOrLess();
    void discardAlrmCountZeroOrLess();
    void prodChgReqCountChanged(int value);
    void chimeReqCountChanged(int value);

    void warningAlarmPlay();
    void discardAlarmPlay();
    void prodChangeAlarmPlay();
    void prodChangeAlarmUniPlay();
    void keystrokeSoundPlay();
    void nfcChimePlay();
    void nfcChimeUniPlay();
    void warningAlarmStop();
    void discardAlarmStop();
    void prodChangeAlarmStop();
    void prodChangeAlarmUniStop();
    void keystrokeSoundStop();
    void warningAlarmSetMuted(bool muted);
    void discardAlarmSetMuted(bool muted);
    void prodChangeAlarmSetMuted(bool muted);
    void prodChangeAlarmUniSetMuted(bool muted);
    void keystrokeSoundSetMuted(bool muted);
    void nfcChimeSetMuted(bool muted);
    void nfcChimeUniSetMuted(bool muted);
    void warningAlarmSetVolume(qreal volume);
    void discardAlarmSetVolume(qreal volume);
    void prodChangeAlarmSetVolume(qreal volume);
    void prodChangeAlarmUniSetVolume(qreal volume);
    void keystrokeSoundSetVolume(qreal volume);
    void nfcChimeSetVolume(qreal volume);
    void nfcChimeUniSetVolume(qreal volume);

private:
    SoundEffect *makeEffect(const char *name, const char *file, int loops, qreal volume);
    void connectEffects();
    void setUpTimers();
    void buildStates();
    void buildCommonTransitions();
    void buildDiscardTransitions();
    void buildProductChangeTransitions();
    void decProdChgReq(bool universal);

    int discardDurationEnabled() const;
    int discardSoundDuration() const;
    bool universalPanSoundEnable() const;

    int prodChgReqCount = 0;
    int m_chimeReqCount = 0;
    int discardReqCount = 0;
    QList<bool> chimeUniFlags;
    QList<bool> prodChgUniFlags;

    SoundEffect *warningAlarm = nullptr;
    SoundEffect *discardAlarm = nullptr;
    SoundEffect *prodChangeAlarm = nullptr;
    SoundEffect *prodChangeAlarmUni = nullptr;
    SoundEffect *keystrokeSound = nullptr;
    SoundEffect *nfcChime = nullptr;
    SoundEffect *nfcChimeUni = nullptr;

    QTimer warningKickoutTimer;
    QTimer discardKickoutTimer;
    QTimer pchgKickoutTimer;
    QTimer nfcChimeKickoutTimer;
    QTimer discardSoundDurationTimer;
    QTimer unMuteTimer;

    bool warningAlarmPlaying = false;
    bool discardAlarmPlaying = false;
    bool prodChangeAlarmPlaying = false;
    bool keystrokeSoundPlaying = false;
    bool discardAckRequested = false;

    int m_customerId = 0;

    QState *soundStates = nullptr;
    QState *initial = nullptr;
    QState *idle = nullptr;
    QState *warning = nullptr;
    QState *discard = nullptr;
    QState *productChange = nullptr;
    QState *nfcChiming = nullptr;
    QHistoryState *soundStatesHistory = nullptr;
};

#endif // SOUNDMANAGER_H
