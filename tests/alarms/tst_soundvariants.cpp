#include "soundmanagerfixture.h"

#include "sound.h"
#include "soundeffect.h"

#include <QElapsedTimer>

// The sequencer's customer-specific discard alarm, its mute and volume, and the
// over-temperature sound.
class TestSoundVariants : public QObject, protected SoundManagerFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpClock(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }
    void vyxDiscardSoundsUntilWithdrawn();
    void vyxDiscardEndsAfterItsDuration();
    void vyxWithdrawalDuringChimeLeavesDiscardSilent();
    void vyxDiscardWithoutDurationModeSoundsOn();
    void vyxHugeDurationFromTheFileDoesNotEndDiscard();
    void mutedUntilTheDelayedUnmute();
    void volumeMapping();
    void overTemperatureSoundStops_data();
    void overTemperatureSoundStops();
};

void TestSoundVariants::vyxDiscardSoundsUntilWithdrawn()
{
    makeManager(1);
    m_sm->processAlarmReq(2, true);
    QTRY_COMPARE(state(), QStringLiteral("\"discard\""));
    m_sm->processAlarmReq(2, true); // counted while the alarm sounds
    QTRY_COMPARE(m_sm->get_discardReqCount(), 2);
    m_sm->processAlarmReq(2, false);
    QTest::qWait(50);
    QCOMPARE(state(), QStringLiteral("\"discard\""));
    m_sm->processAlarmReq(2, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    QCOMPARE(m_sm->get_discardReqCount(), 0);

    // A universal-pan product change does not leave the discard alarm in this variant.
    m_sm->processAlarmReq(2, true);
    QTRY_COMPARE(state(), QStringLiteral("\"discard\""));
    m_sm->processAlarmReq(4, true);
    QTest::qWait(50);
    QCOMPARE(state(), QStringLiteral("\"discard\""));
    m_sm->processAlarmReq(3, true);
    QTRY_COMPARE(state(), QStringLiteral("productChange"));
}

void TestSoundVariants::vyxDiscardEndsAfterItsDuration()
{
    makeManager(1);
    m_config->set_discardSoundDuration(3); // read at each entry to discard
    QElapsedTimer clock;
    clock.start();
    m_sm->processAlarmReq(2, true);
    QTRY_COMPARE(state(), QStringLiteral("\"discard\""));
    QTest::qWait(150);
    m_sm->processAlarmReq(2, true); // a new request starts the duration again
    const qint64 renewed = clock.elapsed();
    QTRY_COMPARE_WITH_TIMEOUT(state(), QStringLiteral("\"idle\""), 3000);
    // The withdrawals never came: the renewed duration (3 s on the device) ended it.
    QVERIFY2(clock.elapsed() - renewed >= 290, qPrintable(QString::number(clock.elapsed() - renewed)));
    QCOMPARE(m_sm->get_discardReqCount(), 2);
}

void TestSoundVariants::vyxWithdrawalDuringChimeLeavesDiscardSilent()
{
    makeManager(1);
    m_sm->processAlarmReq(2, true);
    m_sm->processAlarmReq(2, true);
    QTRY_COMPARE(m_sm->get_discardReqCount(), 2);
    QTRY_VERIFY(plays("discardAlarm2.wav") >= 1);
    emit m_sm->nfcChimeSig();
    QTRY_COMPARE(state(), QStringLiteral("nfcChiming"));
    m_sm->processAlarmReq(2, false);
    QTRY_COMPARE(state(), QStringLiteral("\"discard\""));
    QTRY_COMPARE(m_sm->get_discardReqCount(), 1);
    QTRY_VERIFY(!SoundEffect::player()->isPlaying()); // the chime has ended
    QTest::qWait(300);
    QVERIFY(!SoundEffect::player()->isPlaying()); // silent, no replay
    QCOMPARE(playerFile(), QStringLiteral("nfcChime.wav"));
    m_sm->playKeystroke();
    QTest::qWait(30);
    QCOMPARE(plays("keystroke.wav"), 0);
    m_sm->processAlarmReq(2, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
}

void TestSoundVariants::vyxDiscardWithoutDurationModeSoundsOn()
{
    makeManager(1);
    m_config->set_discardDurationEnabled(0);
    m_config->set_discardSoundDuration(3);
    auto *kickout = m_sm->findChild<QAbstractTransition *>(QStringLiteral("t_discardTimerTo"));
    QVERIFY(kickout);
    QList<int> replays; // the player's count once the kickout has started the sound again
    connect(kickout, &QAbstractTransition::triggered, m_sm,
            [&] { replays << SoundEffect::player()->repeatCount(); });
    QElapsedTimer clock;
    clock.start();
    m_sm->processAlarmReq(2, true);
    QTRY_COMPARE(state(), QStringLiteral("\"discard\""));
    // Past the duration, the kickout gives the sound its three plays again.
    QTRY_VERIFY_WITH_TIMEOUT(!replays.isEmpty(), 30000);
    QCOMPARE(replays.first(), 3);
    QCOMPARE(playerFile(), QStringLiteral("discardAlarm2.wav"));
    QVERIFY(clock.elapsed() >= 1050);
    QCOMPARE(state(), QStringLiteral("\"discard\""));
    m_sm->processAlarmReq(2, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
}

void TestSoundVariants::vyxHugeDurationFromTheFileDoesNotEndDiscard()
{
    makeManager(1);
    m_config->set_discardSoundDuration(2000000000); // seconds: milliseconds would overflow
    m_sm->processAlarmReq(2, true);
    QTRY_COMPARE(state(), QStringLiteral("\"discard\""));
    QTest::qWait(300);
    QCOMPARE(state(), QStringLiteral("\"discard\""));
    m_sm->processAlarmReq(2, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
}

void TestSoundVariants::mutedUntilTheDelayedUnmute()
{
    m_sm->muteAllAlarms();
    m_sm->processAlarmReq(1, true);
    QTRY_COMPARE(levels(), QStringList(QStringLiteral("0%"))); // the mixer runs detached: waited for
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    QSignalSpy muting(m_sm, &SoundManager::keystrokeSoundSetMuted);
    QElapsedTimer clock;
    clock.start();
    m_sm->delayedUnMute();
    m_sm->playKeystroke();
    QTRY_COMPARE(plays("keystroke.wav"), 1);
    QTRY_COMPARE(levels(), QStringList({QStringLiteral("0%"), QStringLiteral("0%")}));
    QVERIFY(muting.wait(30000));
    // 3000 ms on the device, on a coarse timer (which may fire 5% early)
    QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(muting.last().at(0).toBool(), false);
    m_sm->playKeystroke();
    QTRY_COMPARE(plays("keystroke.wav"), 2);
    QTRY_COMPARE(levels().size(), 3);
    QCOMPARE(levels().last(), QStringLiteral("70%"));

    // One unmute per delayedUnMute: a later mute is not undone.
    m_sm->muteAllAlarms();
    QVERIFY(!muting.wait(400));
    QCOMPARE(muting.last().at(0).toBool(), true);
}

void TestSoundVariants::volumeMapping()
{
    // The mixer runs detached, beside the player: wait for each level before the next
    // sound, or a loaded machine may log them late or out of order.
    m_sm->playKeystroke();
    QTRY_COMPARE(levels(), QStringList({QStringLiteral("70%")}));
    // The player has logged its start before the alarm cuts it short.
    QTRY_COMPARE(plays("keystroke.wav"), 1);
    m_sm->processAlarmReq(1, true);
    QTRY_COMPARE(levels(), QStringList({QStringLiteral("70%"), QStringLiteral("100%")}));
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    m_sm->setAllAlarmsVolume(55);
    m_sm->processAlarmReq(1, true);
    QTRY_COMPARE(levels().size(), 3);
    QCOMPARE(levels().last(), QStringLiteral("55%"));
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    m_sm->setAllAlarmsVolume(35); // the key click takes the common level too
    m_sm->playKeystroke();
    QTRY_COMPARE(plays("keystroke.wav"), 2);
    QTRY_COMPARE(levels().size(), 4);
    QCOMPARE(levels().last(), QStringLiteral("35%"));
    const auto effects = m_sm->effects();
    for (SoundEffect *e : effects)
        QCOMPARE(e->volume(), 0.35);
}

void TestSoundVariants::overTemperatureSoundStops_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("lastFile"); // what the player was given last
    QTest::newRow("key click") << "click" << "keystroke.wav";
    QTest::newRow("chime replaces it") << "chime" << "nfcChime.wav";
    QTest::newRow("warning replaces it") << "warning" << "warning3.wav";
    QTest::newRow("product-change alarm withdrawn") << "productChange" << "AlarmWrongProduct2.wav";
    QTest::newRow("request count set to 0") << "count" << "AlarmWrongProduct2.wav";
    QTest::newRow("over-temperature dialog closed") << "dialog" << "AlarmWrongProduct2.wav";
}

// The over-temperature sound loops outside the states until one of these ends it; it is
// never taken back up afterwards.
void TestSoundVariants::overTemperatureSoundStops()
{
    QFETCH(QString, event);
    QFETCH(QString, lastFile);
    m_sm->playProductChangeAlarm();
    QTRY_VERIFY(playerFile() == QLatin1String("AlarmWrongProduct2.wav") && SoundEffect::player()->isPlaying());
    QTRY_VERIFY(plays("AlarmWrongProduct2.wav") >= 2); // it loops

    // The sound that replaces it is waited for at the player: its process may be cut
    // short before the stand-in has logged it when the machine is loaded.
    if (event == QLatin1String("click")) {
        m_sm->playKeystroke();
        QTRY_COMPARE(playerFile(), lastFile);
    } else if (event == QLatin1String("chime")) {
        emit m_sm->nfcChimeSig();
        QTRY_COMPARE(playerFile(), lastFile);
        QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    } else if (event == QLatin1String("warning")) {
        m_sm->processAlarmReq(1, true);
        QTRY_COMPARE(playerFile(), lastFile);
        QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    } else if (event == QLatin1String("productChange")) {
        m_sm->processAlarmReq(3, true);
        QTRY_COMPARE(state(), QStringLiteral("productChange"));
        m_sm->processAlarmReq(3, false);
        QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    } else if (event == QLatin1String("count")) {
        m_sm->set_prodChgReqCount(2);
        m_sm->set_prodChgReqCount(0);
    } else {
        emit m_sm->prodChangeAlarmStop();
    }
    QTRY_VERIFY(!SoundEffect::player()->isPlaying());
    const int alarmPlays = plays("AlarmWrongProduct2.wav");
    QTest::qWait(700); // more than two plays of the alarm
    QVERIFY(!SoundEffect::player()->isPlaying());
    QCOMPARE(playerFile(), lastFile);
    QCOMPARE(plays("AlarmWrongProduct2.wav"), alarmPlays);
}

QTEST_GUILESS_MAIN(TestSoundVariants)
#include "tst_soundvariants.moc"
