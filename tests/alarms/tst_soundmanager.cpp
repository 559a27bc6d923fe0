#include "soundmanagerfixture.h"

#include "sound.h"
#include "soundeffect.h"

#include <QAbstractTransition>
#include <QElapsedTimer>

// States, priorities, kickouts and chimes of the alarm sequencer.
class TestSoundManager : public QObject, protected SoundManagerFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpClock(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }
    void copiesTheSoundFilesOnceAndSafely();
    void stateTableOfBothVariants();
    void warningPlaysOnceAndKicksOut();
    void discardPlaysThreeTimesThenKicksOut();
    void discardSilencesKeyClicks();
    void productChangeOverridesWarningAndCountsWithdrawals();
    void withdrawalInIdleIsDropped();
    void discardDuringProductChangeIsLost();
    void chimeInterruptsDiscardAndReturnsThroughHistory();
    void threeChimesAreSpacedByTheKickout();
    void productChangeRequestsDuringAChimeCount();
    void universalSoundFollowsTheRequests();
    void universalSoundsOnlyWhenEnabled();
};

void TestSoundManager::copiesTheSoundFilesOnceAndSafely()
{
    cleanup();
    m_scratch.reset(new ScratchRoots);
    const QString dir = m_scratch->root() + QStringLiteral("resources/");
    QVERIFY(writeWavFile(dir + QStringLiteral("nfcChime.wav"), 100)); // replaced on the device
    m_core = new FakeCabinetCore;
    m_sm = new SoundManager(m_core);
    for (const auto &s : kShortSounds)
        QVERIFY2(QFile::exists(dir + QLatin1String(s.name)), s.name);
    QCOMPARE(Sound::wavLengthMs(dir + QStringLiteral("nfcChime.wav")), 100);
    QCOMPARE(Sound::wavLengthMs(dir + QStringLiteral("discardAlarm2.wav")), 3970);
    QVERIFY(!QFile::exists(dir + QStringLiteral("warningAlarm2.wav")));
    QVERIFY(QDir(dir).entryList({QStringLiteral("*.tmp")}, QDir::Files).isEmpty());
    QTRY_VERIFY(m_scratch->toolCalls().contains(QStringLiteral("sync ")));
}

void TestSoundManager::stateTableOfBothVariants()
{
    auto transitions = [this] {
        QStringList names;
        const auto all = m_sm->findChildren<QAbstractTransition *>();
        for (QAbstractTransition *t : all)
            if (t->objectName().startsWith(QLatin1String("t_")))
                names << t->objectName();
        return names;
    };
    QCOMPARE(transitions().size(), 34);
    QVERIFY(transitions().contains(QStringLiteral("t_discardAcked")));
    auto *kick = m_sm->findChild<QAbstractTransition *>(QStringLiteral("t_nfcChimeNoKickout"));
    QVERIFY(kick);
    QCOMPARE(kick->property("trigSignal").toString(), QStringLiteral("&nfcChimeKickoutTimer::timeout()"));
    QCOMPARE(kick->property("action").toString(), QStringLiteral("this->playNfcChime()\n"));
    QVERIFY(m_sm->findChild<QState *>(QStringLiteral("\"soundStates\"")));
    QVERIFY(m_sm->findChild<QState *>(QStringLiteral("nfcChiming")));

    makeManager(1);
    QCOMPARE(transitions().size(), 36);
    QVERIFY(!transitions().contains(QStringLiteral("t_discardToProdChangeUni")));
    auto *replay = m_sm->findChild<QAbstractTransition *>(QStringLiteral("t_discardTimerTo"));
    QVERIFY(replay);
    QCOMPARE(replay->property("action").toString(), QStringLiteral("discardAlarm->play()\n"));
}

void TestSoundManager::warningPlaysOnceAndKicksOut()
{
    // The player's own count: a loaded machine may stop the player at the kickout
    // before its stand-in has logged the play.
    QList<int> starts;
    connect(m_sm, &SoundManager::warningAlarmPlay, m_sm,
            [&] { starts << SoundEffect::player()->repeatCount(); }, Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    m_sm->processAlarmReq(1, true);
    QTRY_COMPARE(state(), QStringLiteral("\"warning\""));
    m_sm->processAlarmReq(1, true); // a warning request acts only in idle
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    QVERIFY(clock.elapsed() >= 100); // 1100 ms on the device
    QCOMPARE(starts, QList<int>{0});
    m_sm->processAlarmReq(9, true); // unknown ids are ignored
    QTest::qWait(30);
    QCOMPARE(state(), QStringLiteral("\"idle\""));
}

void TestSoundManager::discardPlaysThreeTimesThenKicksOut()
{
    // The player's own count at each start of the alarm: how many plays of the file
    // a loaded machine fits in before the kickout is not the sequencer's doing.
    QList<int> starts;
    connect(m_sm, &SoundManager::discardAlarmPlay, m_sm,
            [&] { starts << SoundEffect::player()->repeatCount(); }, Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    m_sm->processAlarmReq(2, true);
    QTRY_COMPARE(state(), QStringLiteral("\"discard\""));
    QCOMPARE(m_sm->get_discardReqCount(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(state(), QStringLiteral("\"idle\""), 30000);
    QVERIFY(clock.elapsed() >= 1050); // 11000 ms, cutting the third play short
    QCOMPARE(starts, QList<int>{3});
    QTRY_VERIFY(!SoundEffect::player()->isPlaying()); // nothing plays on after the kickout
    QVERIFY(plays("discardAlarm2.wav") <= 3);

    m_sm->processAlarmReq(2, true);
    QTRY_COMPARE(state(), QStringLiteral("\"discard\""));
    m_sm->processAlarmReq(2, false); // the slot withdraws its request
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
}

void TestSoundManager::discardSilencesKeyClicks()
{
    m_sm->playKeystroke();
    QTRY_COMPARE(plays("keystroke.wav"), 1);
    m_sm->processAlarmReq(2, true);
    QTRY_COMPARE(state(), QStringLiteral("\"discard\""));
    m_sm->playKeystroke();
    QTest::qWait(50);
    QCOMPARE(plays("keystroke.wav"), 1);
    m_sm->processAlarmReq(2, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    m_sm->playKeystroke();
    QTRY_COMPARE(plays("keystroke.wav"), 2);
}

void TestSoundManager::productChangeOverridesWarningAndCountsWithdrawals()
{
    auto *kickout = m_sm->findChild<QAbstractTransition *>(QStringLiteral("t_prodChgTimerTo"));
    QVERIFY(kickout);
    m_sm->processAlarmReq(1, true);
    // The player's own file: its process may not have logged yet on a loaded machine.
    QTRY_COMPARE(SoundEffect::player()->currentFile().section(QLatin1Char('/'), -1), QStringLiteral("warning3.wav"));
    m_sm->processAlarmReq(3, true);
    QTRY_COMPARE(state(), QStringLiteral("productChange"));
    QTRY_VERIFY(plays("AlarmWrongProduct2.wav") >= 1);
    QCOMPARE(SoundEffect::player()->currentFile().section(QLatin1Char('/'), -1), QStringLiteral("AlarmWrongProduct2.wav"));
    m_sm->processAlarmReq(3, true);
    m_sm->processAlarmReq(1, true); // dropped: a higher-ranked alarm sounds
    m_sm->processAlarmReq(2, true); // dropped as well
    QTRY_COMPARE(m_sm->get_prodChgReqCount(), 2);
    m_sm->processAlarmReq(3, false);
    // More than one kickout of the sequencer's own clock: the alarm loops on.
    QSignalSpy kickouts(kickout, &QAbstractTransition::triggered);
    QTRY_VERIFY_WITH_TIMEOUT(kickouts.count() >= 2, 30000);
    QCOMPARE(state(), QStringLiteral("productChange"));
    QVERIFY(SoundEffect::player()->isPlaying());
    QCOMPARE(SoundEffect::player()->currentFile().section(QLatin1Char('/'), -1), QStringLiteral("AlarmWrongProduct2.wav"));
    QCOMPARE(SoundEffect::player()->repeatCount(), -1);
    m_sm->processAlarmReq(3, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    QCOMPARE(m_sm->get_prodChgReqCount(), 0);
    QTRY_VERIFY(!SoundEffect::player()->isPlaying());
    QCOMPARE(plays("discardAlarm2.wav"), 0);
}

void TestSoundManager::withdrawalInIdleIsDropped()
{
    m_sm->processAlarmReq(3, false);
    m_sm->processAlarmReq(4, false);
    QTest::qWait(30);
    QCOMPARE(m_sm->get_prodChgReqCount(), 0);
    m_sm->processAlarmReq(3, true);
    QTRY_COMPARE(state(), QStringLiteral("productChange"));
    QCOMPARE(m_sm->get_prodChgReqCount(), 1);
}

void TestSoundManager::discardDuringProductChangeIsLost()
{
    m_sm->processAlarmReq(3, true);
    QTRY_COMPARE(state(), QStringLiteral("productChange"));
    m_sm->processAlarmReq(2, true);
    m_sm->processAlarmReq(3, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    QTest::qWait(100);
    QCOMPARE(state(), QStringLiteral("\"idle\""));
    QCOMPARE(plays("discardAlarm2.wav"), 0);
}

void TestSoundManager::chimeInterruptsDiscardAndReturnsThroughHistory()
{
    m_sm->processAlarmReq(2, true);
    QTRY_COMPARE(plays("discardAlarm2.wav"), 1);
    QElapsedTimer clock;
    clock.start();
    QSignalSpy chimes(m_sm, &SoundManager::nfcChimePlay);
    emit m_sm->nfcChimeSig();
    QTRY_COMPARE(state(), QStringLiteral("nfcChiming"));
    QCOMPARE(chimes.count(), 1); // its player may be stopped before it has logged
    QVERIFY(!m_sm->get_discardAlarmPlaying());
    QTRY_COMPARE(state(), QStringLiteral("\"discard\""));
    QVERIFY(clock.elapsed() >= 120); // 1300 ms after the chime
    // The discard alarm starts again from its first play, with a new kickout.
    QTRY_COMPARE(plays("discardAlarm2.wav"), 2);
    QTest::qWait(150);
    QCOMPARE(state(), QStringLiteral("\"discard\""));
}

void TestSoundManager::threeChimesAreSpacedByTheKickout()
{
    // The sequencer's own clock: each chime must follow a kickout of the one before, and
    // the last kickout must lead back. Wall time only bounds from below: a loaded machine
    // may be late, never early.
    QStringList events;
    QList<qint64> at;
    QElapsedTimer clock;
    clock.start();
    connect(m_sm, &SoundManager::nfcChimePlay, this, [&] { events << "play"; at << clock.elapsed(); });
    auto *next = m_sm->findChild<QSignalTransition *>(QStringLiteral("t_nfcChimeNoKickout"));
    auto *end = m_sm->findChild<QSignalTransition *>(QStringLiteral("t_nfcChimeKickout"));
    QVERIFY(next && end);
    // The transition's own action (the play) runs before this slot: mark that play.
    connect(next, &QAbstractTransition::triggered, this, [&] {
        if (!events.isEmpty() && events.last() == "play")
            events.last() = "play on kickout";
    });
    connect(end, &QAbstractTransition::triggered, this, [&] { events << "end"; });
    QSignalSpy warningPlays(m_sm, &SoundManager::warningAlarmPlay);
    m_sm->processAlarmReq(1, true);
    QTRY_COMPARE(warningPlays.count(), 1);
    emit m_sm->nfcChimeSig();
    emit m_sm->nfcChimeSig();
    emit m_sm->nfcChimeSig();
    QTRY_COMPARE(events.size(), 4);
    QCOMPARE(events, (QStringList{"play", "play on kickout", "play on kickout", "end"}));
    QTRY_COMPARE(state(), QStringLiteral("\"warning\"")); // back where it was
    QVERIFY2(at[1] - at[0] >= 120 && at[2] - at[1] >= 120,
             qPrintable(QString("%1 %2").arg(at[1] - at[0]).arg(at[2] - at[1])));
    QCOMPARE(m_sm->get_chimeReqCount(), 0);
    QTRY_COMPARE(warningPlays.count(), 2); // the warning starts over
    // The players' own log is not counted: under load a chime's player may be stopped
    // by the next before it has logged.
    QTRY_VERIFY(plays("nfcChime.wav") >= 1);
}

void TestSoundManager::productChangeRequestsDuringAChimeCount()
{
    emit m_sm->nfcChimeSig();
    QTRY_COMPARE(state(), QStringLiteral("nfcChiming"));
    m_sm->processAlarmReq(3, true);
    m_sm->processAlarmReq(3, true);
    m_sm->processAlarmReq(3, false);
    m_sm->processAlarmReq(1, true); // dropped while chiming
    QTRY_COMPARE(state(), QStringLiteral("productChange"));
    QCOMPARE(m_sm->get_prodChgReqCount(), 1);
    m_sm->processAlarmReq(3, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    QCOMPARE(plays("warning3.wav"), 0);
}

void TestSoundManager::universalSoundFollowsTheRequests()
{
    // The sound is chosen again at each kickout of the sequencer's clock.
    m_config->set_universalPanSoundEnable(true);
    m_sm->processAlarmReq(3, true);
    QTRY_COMPARE(playerFile(), QStringLiteral("AlarmWrongProduct2.wav"));
    m_sm->processAlarmReq(4, true);
    QTRY_COMPARE_WITH_TIMEOUT(playerFile(), QStringLiteral("AlarmWrongProductUni.wav"), 30000);
    m_sm->processAlarmReq(4, false);
    QTRY_COMPARE_WITH_TIMEOUT(playerFile(), QStringLiteral("AlarmWrongProduct2.wav"), 30000);
    QCOMPARE(state(), QStringLiteral("productChange"));
    m_sm->processAlarmReq(3, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    QTRY_VERIFY(!SoundEffect::player()->isPlaying());

    emit m_sm->nfcChimeUniSig();
    QTRY_COMPARE(plays("nfcChimeUni.wav"), 1);
}

void TestSoundManager::universalSoundsOnlyWhenEnabled()
{
    auto *kickout = m_sm->findChild<QAbstractTransition *>(QStringLiteral("t_prodChgTimerTo"));
    QVERIFY(kickout);
    QSignalSpy kickouts(kickout, &QAbstractTransition::triggered);
    m_sm->processAlarmReq(4, true);
    QTRY_COMPARE(state(), QStringLiteral("productChange"));
    QTRY_VERIFY_WITH_TIMEOUT(kickouts.count() >= 1, 30000); // which chooses the sound again
    QCOMPARE(plays("AlarmWrongProductUni.wav"), 0);
    QCOMPARE(playerFile(), QStringLiteral("AlarmWrongProduct2.wav"));
    m_sm->processAlarmReq(4, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    emit m_sm->nfcChimeUniSig();
    QTRY_COMPARE(plays("nfcChime.wav"), 1);
    QCOMPARE(plays("nfcChimeUni.wav"), 0);
}

QTEST_GUILESS_MAIN(TestSoundManager)
#include "tst_soundmanager.moc"
