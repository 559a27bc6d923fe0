#include "soundmanagerfixture.h"

// The sequencer's customer-specific discard alarm, its mute and volume, and the
// over-temperature sound.
class TestSoundVariants : public QObject, protected SoundManagerFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpClock(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    // The discard alarm of the customer whose alarm sounds until withdrawn: its duration
    // (renewed by each request) ends it when the mode is on; else the kickout plays the
    // sound again. A duration from a hand-edited file may be huge.
    void vyxDiscardDuration_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("seconds");
        QTest::newRow("ends after its renewed duration") << 1 << 3;
        QTest::newRow("without the duration mode sounds on") << 0 << 3;
        QTest::newRow("huge duration from the file sounds on") << 1 << 2000000000; // ms would overflow
    }

    void vyxDiscardDuration()
    {
        QFETCH(int, mode);
        QFETCH(int, seconds);
        makeManager(1);
        m_config->set_discardDurationEnabled(mode);
        m_config->set_discardSoundDuration(seconds); // read at each entry to discard
        QList<int> replays; // the player's count once the kickout has started the sound again
        connect(transition("t_discardTimerTo"), &QAbstractTransition::triggered, m_sm,
                [&] { replays << SoundEffect::player()->repeatCount(); });
        QElapsedTimer clock;
        clock.start();
        run("d+ =discard");
        QTest::qWait(150);
        run("d+"); // a new request starts the duration again
        const qint64 renewed = clock.elapsed();
        if (mode && seconds == 3) {
            run("=idle #d2"); // the withdrawals never came
            QVERIFY2(clock.elapsed() - renewed >= 290, qPrintable(QString::number(clock.elapsed() - renewed)));
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(!replays.isEmpty(), WaitMs);
        QVERIFY(clock.elapsed() >= 1050);
        QCOMPARE(replays.first(), 3);
        QCOMPARE(playerFile(), QStringLiteral("discardAlarm2.wav"));
        run("~discard d- d- =idle");
    }

    void vyxWithdrawalDuringChimeLeavesDiscardSilent()
    {
        makeManager(1);
        run("d+ d+ #d2");
        QTRY_VERIFY(plays("discardAlarm2.wav") >= 1);
        run("c =nfcChiming d- =discard #d1");
        QTRY_VERIFY(!SoundEffect::player()->isPlaying()); // the chime has ended
        run("k ~discard");
        QTest::qWait(250);
        QVERIFY(!SoundEffect::player()->isPlaying()); // silent, no replay
        QCOMPARE(playerFile(), QStringLiteral("nfcChime.wav"));
        QCOMPARE(plays("keystroke.wav"), 0);
        run("d- =idle");
    }

    void mutedUntilTheDelayedUnmute()
    {
        m_sm->muteAllAlarms();
        run("w+");
        QTRY_COMPARE(levels(), QStringList{"0%"});
        run("=idle");
        QSignalSpy muting(m_sm, &SoundManager::keystrokeSoundSetMuted);
        QElapsedTimer clock;
        clock.start();
        m_sm->delayedUnMute();
        run("k @keystroke.wav=1");
        QTRY_COMPARE(levels(), (QStringList{"0%", "0%"}));
        QVERIFY(muting.wait(WaitMs));
        // 3000 ms on the device, on a coarse timer (which may fire 5% early)
        QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(muting.last().at(0).toBool(), false);
        run("k @keystroke.wav=2");
        QTRY_COMPARE(levels(), (QStringList{"0%", "0%", "70%"}));
        // One unmute per delayedUnMute: a later mute is not undone.
        m_sm->muteAllAlarms();
        QVERIFY(!muting.wait(400));
        QCOMPARE(muting.last().at(0).toBool(), true);
    }

    // Each sound sets the mixer to its level as it starts; the key click takes the common level too.
    void volumeMapping()
    {
        run("k");
        QTRY_COMPARE(levels(), QStringList{"70%"});
        run("w+");
        QTRY_COMPARE(levels(), (QStringList{"70%", "100%"}));
        run("=idle");
        m_sm->setAllAlarmsVolume(55);
        run("w+");
        QTRY_COMPARE(levels(), (QStringList{"70%", "100%", "55%"}));
        run("=idle");
        m_sm->setAllAlarmsVolume(35);
        run("k");
        QTRY_COMPARE(levels(), (QStringList{"70%", "100%", "55%", "35%"}));
        for (SoundEffect *e : m_sm->effects())
            QCOMPARE(e->volume(), 0.35);
    }

    void overTemperatureSoundSurvivesKeyClickAndChime()
    {
        // Each other sound is seen to start (its stand-in logged it) before the alarm is
        // seen back on the player: the alarm loops, so its own plays are not counted.
        const auto alarmPlays = [] {
            return playerFile() == QLatin1String("AlarmWrongProduct2.wav") && SoundEffect::player()->isPlaying();
        };
        m_sm->playProductChangeAlarm();
        QTRY_VERIFY(alarmPlays());
        run("k @keystroke.wav=1");
        QTRY_VERIFY(alarmPlays()); // taken back up after the click
        run("c @nfcChime.wav=1 =idle");
        QTRY_VERIFY(alarmPlays());
        emit m_sm->prodChangeAlarmStop(); // the over-temperature dialog was closed
        QTRY_VERIFY(!SoundEffect::player()->isPlaying());
        run("k @keystroke.wav=2");
        QTRY_VERIFY(!SoundEffect::player()->isPlaying());
        QTest::qWait(100);
        QCOMPARE(playerFile(), QStringLiteral("keystroke.wav")); // not taken back up
        QVERIFY(!m_sm->overTemperatureAlarmActive());
    }
};

QTEST_GUILESS_MAIN(TestSoundVariants)
#include "tst_soundvariants.moc"
