#include "alarmtimings.h"
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "scratchroots.h"
#include "sound.h"
#include "soundeffect.h"
#include "soundmanager.h"
#include "wavfile.h"

#include <QAbstractTransition>
#include <QElapsedTimer>
#include <QState>
#include <QtTest>

// The alarm sequencer on a clock ten times faster than the device's, with sound files
// ten times shorter, against the aplay/amixer stand-ins.
class TestSoundManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
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
    void vyxDiscardSoundsUntilWithdrawn();
    void vyxDiscardEndsAfterItsDuration();
    void vyxWithdrawalDuringChimeLeavesDiscardSilent();
    void mutedUntilTheDelayedUnmute();
    void volumeMapping();
    void overTemperatureSoundSurvivesKeyClickAndChime();
    void universalSoundFollowsTheRequests();
    void universalSoundsOnlyWhenEnabled();
    void vyxDiscardWithoutDurationModeSoundsOn();

private:
    void makeManager(int customerId);
    QString state() const;
    int plays(const char *file) const;
    QStringList levels() const;

    QScopedPointer<ScratchRoots> m_scratch;
    FakeCabinetCore *m_core = nullptr;
    ConfigurationManager *m_config = nullptr;
    SoundManager *m_sm = nullptr;
};

namespace {
// Sound files at a tenth of the cabinet's lengths, matching the clock.
const struct { const char *name; int ms; } kShortSounds[] = {
    {"warning3.wav", 73}, {"AlarmWrongProduct2.wav", 289}, {"discardAlarm2.wav", 397},
    {"keystroke.wav", 5},
    {"nfcChime.wav", 80}, // shorter than a tenth: it must end before the next chime
    {"AlarmWrongProductUni.wav", 156}, {"nfcChimeUni.wav", 141},
};
}

void TestSoundManager::initTestCase()
{
    AlarmTimings::setScale(0.1);
}

void TestSoundManager::init()
{
    m_scratch.reset(new ScratchRoots);
    for (const auto &s : kShortSounds)
        QVERIFY(writeWavFile(m_scratch->root() + QStringLiteral("resources/") + QLatin1String(s.name), s.ms));
    makeManager(0);
}

void TestSoundManager::makeManager(int customerId)
{
    delete m_core; // also the sequencer
    m_core = new FakeCabinetCore;
    m_core->customerId = customerId;
    m_config = new ConfigurationManager(nullptr, nullptr, true, 1, m_core);
    m_core->configManagerPtr = m_config;
    m_sm = new SoundManager(m_core);
    m_sm->start();
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    QFile::remove(m_scratch->toolsLog());
}

void TestSoundManager::cleanup()
{
    delete m_core;
    m_core = nullptr;
    m_sm = nullptr;
    m_scratch.reset();
}

QString TestSoundManager::state() const
{
    const auto active = m_sm->configuration();
    for (QAbstractState *s : active) {
        auto *compound = qobject_cast<QState *>(s);
        if (!compound || compound->childMode() != QState::ExclusiveStates
            || compound->findChildren<QState *>(QString(), Qt::FindDirectChildrenOnly).isEmpty())
            return s->objectName();
    }
    return QString();
}

int TestSoundManager::plays(const char *file) const
{
    int n = 0;
    const QStringList calls = m_scratch->toolCalls();
    for (const QString &call : calls)
        n += call.startsWith(QLatin1String("aplay")) && call.endsWith(QLatin1String(file)) ? 1 : 0;
    return n;
}

QStringList TestSoundManager::levels() const
{
    QStringList out;
    const QStringList calls = m_scratch->toolCalls();
    for (const QString &call : calls)
        if (call.startsWith(QLatin1String("amixer")))
            out << call.section(QLatin1Char(' '), -1);
    return out;
}

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
    QElapsedTimer clock;
    clock.start();
    m_sm->processAlarmReq(1, true);
    QTRY_COMPARE(state(), QStringLiteral("\"warning\""));
    m_sm->processAlarmReq(1, true); // a warning request acts only in idle
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    QVERIFY(clock.elapsed() >= 100); // 1100 ms on the device
    QCOMPARE(plays("warning3.wav"), 1);
    m_sm->processAlarmReq(9, true); // unknown ids are ignored
    QTest::qWait(30);
    QCOMPARE(state(), QStringLiteral("\"idle\""));
}

void TestSoundManager::discardPlaysThreeTimesThenKicksOut()
{
    QElapsedTimer clock;
    clock.start();
    m_sm->processAlarmReq(2, true);
    QTRY_COMPARE(state(), QStringLiteral("\"discard\""));
    QCOMPARE(m_sm->get_discardReqCount(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(state(), QStringLiteral("\"idle\""), 3000);
    QVERIFY(clock.elapsed() >= 1050); // 11000 ms, cutting the third play short
    QCOMPARE(plays("discardAlarm2.wav"), 3);
    QTest::qWait(100);
    QCOMPARE(plays("discardAlarm2.wav"), 3);

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
    m_sm->processAlarmReq(1, true);
    QTRY_COMPARE(plays("warning3.wav"), 1);
    m_sm->processAlarmReq(3, true);
    QTRY_COMPARE(state(), QStringLiteral("productChange"));
    QTRY_COMPARE(plays("AlarmWrongProduct2.wav"), 1);
    QCOMPARE(SoundEffect::player()->currentFile().section(QLatin1Char('/'), -1), QStringLiteral("AlarmWrongProduct2.wav"));
    m_sm->processAlarmReq(3, true);
    m_sm->processAlarmReq(1, true); // dropped: a higher-ranked alarm sounds
    m_sm->processAlarmReq(2, true); // dropped as well
    QTRY_COMPARE(m_sm->get_prodChgReqCount(), 2);
    m_sm->processAlarmReq(3, false);
    QTest::qWait(400); // more than one kickout: the alarm loops on
    QCOMPARE(state(), QStringLiteral("productChange"));
    QVERIFY(SoundEffect::player()->isPlaying());
    QVERIFY(plays("AlarmWrongProduct2.wav") >= 2);
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
    emit m_sm->nfcChimeSig();
    QTRY_COMPARE(state(), QStringLiteral("nfcChiming"));
    QTRY_COMPARE(plays("nfcChime.wav"), 1);
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
    QList<qint64> at;
    QElapsedTimer clock;
    clock.start();
    connect(m_sm, &SoundManager::nfcChimePlay, this, [&] { at << clock.elapsed(); });
    m_sm->processAlarmReq(1, true);
    QTRY_COMPARE(plays("warning3.wav"), 1);
    emit m_sm->nfcChimeSig();
    emit m_sm->nfcChimeSig();
    emit m_sm->nfcChimeSig();
    QTRY_COMPARE(at.size(), 3);
    QTRY_COMPARE(state(), QStringLiteral("\"warning\"")); // back where it was
    const qint64 back = clock.elapsed();
    QVERIFY2(at[1] - at[0] >= 120 && at[1] - at[0] < 250, qPrintable(QString::number(at[1] - at[0])));
    QVERIFY2(at[2] - at[1] >= 120 && at[2] - at[1] < 250, qPrintable(QString::number(at[2] - at[1])));
    QVERIFY(back - at[2] >= 120);
    QCOMPARE(m_sm->get_chimeReqCount(), 0);
    QTRY_COMPARE(plays("nfcChime.wav"), 3);
    QTRY_COMPARE(plays("warning3.wav"), 2); // the warning starts over
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

void TestSoundManager::vyxDiscardSoundsUntilWithdrawn()
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

void TestSoundManager::vyxDiscardEndsAfterItsDuration()
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
    QVERIFY(clock.elapsed() < 1000); // long before the discard kickout
    QCOMPARE(m_sm->get_discardReqCount(), 2);
}

void TestSoundManager::vyxWithdrawalDuringChimeLeavesDiscardSilent()
{
    makeManager(1);
    m_sm->processAlarmReq(2, true);
    m_sm->processAlarmReq(2, true);
    QTRY_COMPARE(m_sm->get_discardReqCount(), 2);
    QTRY_COMPARE(plays("discardAlarm2.wav"), 1);
    emit m_sm->nfcChimeSig();
    QTRY_COMPARE(state(), QStringLiteral("nfcChiming"));
    m_sm->processAlarmReq(2, false);
    QTRY_COMPARE(state(), QStringLiteral("\"discard\""));
    QTRY_COMPARE(m_sm->get_discardReqCount(), 1);
    QTest::qWait(300);
    QCOMPARE(plays("discardAlarm2.wav"), 1); // silent, no replay
    m_sm->playKeystroke();
    QTest::qWait(30);
    QCOMPARE(plays("keystroke.wav"), 0);
    m_sm->processAlarmReq(2, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
}

void TestSoundManager::mutedUntilTheDelayedUnmute()
{
    m_sm->muteAllAlarms();
    m_sm->processAlarmReq(1, true);
    QTRY_COMPARE(plays("warning3.wav"), 1);
    QCOMPARE(levels(), QStringList(QStringLiteral("0%")));
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    QSignalSpy muting(m_sm, &SoundManager::keystrokeSoundSetMuted);
    QElapsedTimer clock;
    clock.start();
    m_sm->delayedUnMute();
    m_sm->playKeystroke();
    QTRY_COMPARE(plays("keystroke.wav"), 1);
    QCOMPARE(levels().last(), QStringLiteral("0%"));
    QVERIFY(muting.wait());
    // 3000 ms on the device, on a coarse timer (which may fire 5% early)
    QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(muting.last().at(0).toBool(), false);
    m_sm->playKeystroke();
    QTRY_COMPARE(plays("keystroke.wav"), 2);
    QCOMPARE(levels().last(), QStringLiteral("70%"));

    // One unmute per delayedUnMute: a later mute is not undone.
    m_sm->muteAllAlarms();
    QVERIFY(!muting.wait(400));
    QCOMPARE(muting.last().at(0).toBool(), true);
}

void TestSoundManager::volumeMapping()
{
    m_sm->playKeystroke();
    QTRY_COMPARE(plays("keystroke.wav"), 1);
    m_sm->processAlarmReq(1, true);
    QTRY_COMPARE(plays("warning3.wav"), 1);
    QCOMPARE(levels(), QStringList({QStringLiteral("70%"), QStringLiteral("100%")}));
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    m_sm->setAllAlarmsVolume(55);
    m_sm->processAlarmReq(1, true);
    QTRY_COMPARE(plays("warning3.wav"), 2);
    QCOMPARE(levels().last(), QStringLiteral("55%"));
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    m_sm->setAllAlarmsVolume(35); // the key click takes the common level too
    m_sm->playKeystroke();
    QTRY_COMPARE(plays("keystroke.wav"), 2);
    QCOMPARE(levels().last(), QStringLiteral("35%"));
    const auto effects = m_sm->effects();
    for (SoundEffect *e : effects)
        QCOMPARE(e->volume(), 0.35);
}

void TestSoundManager::overTemperatureSoundSurvivesKeyClickAndChime()
{
    m_sm->playProductChangeAlarm();
    QTRY_COMPARE(plays("AlarmWrongProduct2.wav"), 1);
    m_sm->playKeystroke();
    QTRY_COMPARE(plays("keystroke.wav"), 1);
    QTRY_COMPARE(plays("AlarmWrongProduct2.wav"), 2); // taken back up after the click
    emit m_sm->nfcChimeSig();
    QTRY_COMPARE(plays("nfcChime.wav"), 1);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    QTRY_COMPARE(plays("AlarmWrongProduct2.wav"), 3);
    QVERIFY(SoundEffect::player()->isPlaying());

    emit m_sm->prodChangeAlarmStop(); // the over-temperature dialog was closed
    QTRY_VERIFY(!SoundEffect::player()->isPlaying());
    m_sm->playKeystroke();
    QTRY_COMPARE(plays("keystroke.wav"), 2);
    QTest::qWait(100);
    QCOMPARE(plays("AlarmWrongProduct2.wav"), 3);
    QVERIFY(!m_sm->overTemperatureAlarmActive());
}

void TestSoundManager::universalSoundFollowsTheRequests()
{
    m_config->set_universalPanSoundEnable(true);
    m_sm->processAlarmReq(3, true);
    QTRY_COMPARE(plays("AlarmWrongProduct2.wav"), 1);
    QElapsedTimer clock;
    clock.start();
    m_sm->processAlarmReq(4, true);
    QTRY_COMPARE(plays("AlarmWrongProductUni.wav"), 1); // at the next kickout
    QVERIFY(clock.elapsed() <= 400);
    clock.restart();
    m_sm->processAlarmReq(4, false);
    QTRY_COMPARE(plays("AlarmWrongProduct2.wav"), 2);
    QVERIFY(clock.elapsed() <= 400);
    QCOMPARE(state(), QStringLiteral("productChange"));
    m_sm->processAlarmReq(3, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    QTRY_VERIFY(!SoundEffect::player()->isPlaying());

    emit m_sm->nfcChimeUniSig();
    QTRY_COMPARE(plays("nfcChimeUni.wav"), 1);
}

void TestSoundManager::universalSoundsOnlyWhenEnabled()
{
    m_sm->processAlarmReq(4, true);
    QTRY_COMPARE(state(), QStringLiteral("productChange"));
    QTest::qWait(350); // past a kickout, which chooses the sound again
    QCOMPARE(plays("AlarmWrongProductUni.wav"), 0);
    QVERIFY(plays("AlarmWrongProduct2.wav") >= 1);
    m_sm->processAlarmReq(4, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
    emit m_sm->nfcChimeUniSig();
    QTRY_COMPARE(plays("nfcChime.wav"), 1);
    QCOMPARE(plays("nfcChimeUni.wav"), 0);
}

void TestSoundManager::vyxDiscardWithoutDurationModeSoundsOn()
{
    makeManager(1);
    m_config->set_discardDurationEnabled(0);
    m_config->set_discardSoundDuration(3);
    QElapsedTimer clock;
    clock.start();
    m_sm->processAlarmReq(2, true);
    QTRY_COMPARE(state(), QStringLiteral("\"discard\""));
    // Past the duration, the kickout gives the sound its three plays again.
    QTRY_VERIFY_WITH_TIMEOUT(plays("discardAlarm2.wav") >= 4, 3000);
    QVERIFY(clock.elapsed() >= 1050);
    QCOMPARE(state(), QStringLiteral("\"discard\""));
    m_sm->processAlarmReq(2, false);
    QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
}

QTEST_GUILESS_MAIN(TestSoundManager)
#include "tst_soundmanager.moc"
