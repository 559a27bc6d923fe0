#include "soundmanagerfixture.h"

// States, priorities, kickouts and chimes of the alarm sequencer.
class TestSoundManager : public QObject, protected SoundManagerFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpClock(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void copiesTheSoundFilesOnceAndSafely()
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

    // Priorities and counts: which request moves where, which is counted, which dropped.
    void requests_data()
    {
        QTest::addColumn<int>("customer");
        QTest::addColumn<QString>("steps");
        QTest::newRow("a warning request acts only in idle") << 0 << "w+ =warning w+ =idle x+ ~idle";
        QTest::newRow("withdrawals in idle are dropped") << 0 << "p- u- ~idle #p0 p+ =productChange #p1";
        QTest::newRow("discard silences key clicks")
            << 0 << "k @keystroke.wav=1 d+ =discard k ~discard @keystroke.wav=1 d- =idle k @keystroke.wav=2";
        QTest::newRow("product change overrides warning and counts withdrawals")
            << 0 << "w+ =warning p+ =productChange p+ w+ d+ #p2 p- ~productChange p- =idle #p0 ~idle @discardAlarm2.wav=0";
        QTest::newRow("discard during product change is lost") << 0 << "p+ =productChange d+ p- =idle ~idle @discardAlarm2.wav=0";
        QTest::newRow("product change requests during a chime count")
            << 0 << "c =nfcChiming p+ p+ p- w+ =productChange #p1 p- =idle @warning3.wav=0";
        QTest::newRow("discard withdrawn") << 0 << "d+ =discard #d1 d- =idle";
        QTest::newRow("discards counted until withdrawn")
            << 1 << "d+ =discard d+ #d2 d- ~discard d- =idle #d0 d+ =discard u+ ~discard p+ =productChange";
    }

    void requests()
    {
        QFETCH(int, customer);
        QFETCH(QString, steps);
        if (customer)
            makeManager(customer);
        run(steps);
    }

    // A warning plays once, a discard three times (the third cut short by its kickout):
    // the player's own count at each start, not the log, since a loaded machine may fit
    // fewer plays in.
    void soundsUntilItsKickout_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<int>("loops");
        QTest::addColumn<int>("minMs"); // the kickout: 1100 and 11000 ms on the device
        QTest::newRow("warning") << "w+ =warning" << 0 << 100;
        QTest::newRow("discard") << "d+ =discard" << 3 << 1050;
    }

    void soundsUntilItsKickout()
    {
        QFETCH(QString, request);
        QFETCH(int, loops);
        QFETCH(int, minMs);
        QList<int> starts;
        for (auto play : {&SoundManager::warningAlarmPlay, &SoundManager::discardAlarmPlay})
            connect(m_sm, play, m_sm, [&] { starts << SoundEffect::player()->repeatCount(); }, Qt::QueuedConnection);
        QElapsedTimer clock;
        clock.start();
        run(request + " =idle");
        QVERIFY(clock.elapsed() >= minMs);
        QCOMPARE(starts, QList<int>{loops});
        QTRY_VERIFY(!SoundEffect::player()->isPlaying()); // nothing plays on after the kickout
    }

    // Each kickout of the product-change alarm chooses its sound again: the universal-pan
    // sound while such a request stands and the setting allows it; else the alarm loops on.
    void productChangeSoundAtEachKickout_data()
    {
        QTest::addColumn<bool>("universal");
        QTest::newRow("universal-pan sound enabled") << true;
        QTest::newRow("universal-pan sound disabled") << false;
    }

    void productChangeSoundAtEachKickout()
    {
        QFETCH(bool, universal);
        m_config->set_universalPanSoundEnable(universal);
        QSignalSpy kickouts(transition("t_prodChgTimerTo"), &QAbstractTransition::triggered);
        run("p+ =productChange");
        QTRY_COMPARE(playerFile(), QStringLiteral("AlarmWrongProduct2.wav"));
        run("u+");
        kickouts.clear();
        QTRY_VERIFY_WITH_TIMEOUT(kickouts.count() >= 1, WaitMs);
        const QString expected = universal ? "AlarmWrongProductUni.wav" : "AlarmWrongProduct2.wav";
        QTRY_COMPARE_WITH_TIMEOUT(playerFile(), expected, WaitMs);
        QVERIFY(SoundEffect::player()->isPlaying());
        QCOMPARE(SoundEffect::player()->repeatCount(), -1);
        run("u- ~productChange");
        QTRY_COMPARE_WITH_TIMEOUT(playerFile(), QStringLiteral("AlarmWrongProduct2.wav"), WaitMs);
        run("p- =idle #p0");
        QTRY_VERIFY(!SoundEffect::player()->isPlaying());
        if (!universal)
            QCOMPARE(plays("AlarmWrongProductUni.wav"), 0);
        run(universal ? "cu @nfcChimeUni.wav=1 @nfcChime.wav=0" : "cu @nfcChime.wav=1 @nfcChimeUni.wav=0");
    }

    void chimeInterruptsDiscardAndReturnsThroughHistory()
    {
        QSignalSpy chimes(m_sm, &SoundManager::nfcChimePlay);
        QList<int> starts; // the player's count at each start of the discard alarm
        connect(m_sm, &SoundManager::discardAlarmPlay, m_sm,
                [&] { starts << SoundEffect::player()->repeatCount(); }, Qt::QueuedConnection);
        run("d+ =discard");
        QTRY_VERIFY(plays("discardAlarm2.wav") >= 1);
        QElapsedTimer clock;
        clock.start();
        run("c =nfcChiming");
        QCOMPARE(chimes.count(), 1); // its player may be stopped before it has logged
        QVERIFY(!m_sm->get_discardAlarmPlaying());
        run("=discard");
        QVERIFY(clock.elapsed() >= 120); // 1300 ms after the chime
        // The discard alarm starts again from its first play, with a new kickout.
        QTRY_COMPARE(starts, (QList<int>{3, 3}));
        QCOMPARE(playerFile(), QStringLiteral("discardAlarm2.wav"));
        run("~discard");
    }

    void threeChimesAreSpacedByTheKickout()
    {
        // The sequencer's own clock: each chime must follow a kickout of the one before, and
        // the last kickout must lead back. Wall time only bounds from below: a loaded machine
        // may be late, never early.
        QStringList events;
        QList<qint64> at;
        QElapsedTimer clock;
        clock.start();
        connect(m_sm, &SoundManager::nfcChimePlay, this, [&] { events << "play"; at << clock.elapsed(); });
        // The transition's own action (the play) runs before this slot: mark that play.
        connect(transition("t_nfcChimeNoKickout"), &QAbstractTransition::triggered, this, [&] {
            if (!events.isEmpty() && events.last() == "play")
                events.last() = "play on kickout";
        });
        connect(transition("t_nfcChimeKickout"), &QAbstractTransition::triggered, this, [&] { events << "end"; });
        QSignalSpy warningPlays(m_sm, &SoundManager::warningAlarmPlay);
        run("w+ =warning c c c");
        QTRY_COMPARE_WITH_TIMEOUT(events.size(), 4, WaitMs);
        QCOMPARE(events, (QStringList{"play", "play on kickout", "play on kickout", "end"}));
        run("=warning #c0"); // back where it was
        QVERIFY2(at[1] - at[0] >= 120 && at[2] - at[1] >= 120, qPrintable(QString("%1 %2").arg(at[1] - at[0]).arg(at[2] - at[1])));
        QTRY_COMPARE(warningPlays.count(), 2); // the warning starts over
        QTRY_VERIFY(plays("nfcChime.wav") >= 1);
    }
};

QTEST_GUILESS_MAIN(TestSoundManager)
#include "tst_soundmanager.moc"
