#include "scratchroots.h"
#include "sound.h"
#include "soundeffect.h"
#include "tulsound.h"
#include "wavfile.h"

#include <QElapsedTimer>
#include <QtTest>

// The shared player and the effects, against the aplay/amixer stand-ins.
class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commandLinesOfAPlay();
    void volumeArgument_data();
    void volumeArgument();
    void repeatCounts_data();
    void repeatCounts();
    void foreverUntilStopped();
    void sameFileIsNotRestarted();
    void otherFileCutsInAndKilledPlayerNeverCounts();
    void stopWithoutClipLetsThePlayFinish();
    void failingLoopIsNotAStorm();
    void missingFileLoopKeepsItsPace();
    void wavLengthFromHeader();
    void mutedEffectPlaysAtZero();
    void effectStopAndMuteOnlyActOnTheOneThatPlays();
    void tulSoundKeepsItsOwnValues_data();
    void tulSoundKeepsItsOwnValues();

private:
    int plays(const QString &needle) const;
    QString wav(const QString &name, int ms);
    QScopedPointer<ScratchRoots> m_scratch;
    Sound *m_sound = nullptr;
};

void TestSound::init()
{
    m_scratch.reset(new ScratchRoots);
    m_sound = new Sound;
}

void TestSound::cleanup()
{
    delete m_sound;
    m_sound = nullptr;
    m_scratch.reset();
}

int TestSound::plays(const QString &needle) const
{
    int n = 0;
    const QStringList calls = m_scratch->toolCalls();
    for (const QString &call : calls)
        n += call.startsWith(QLatin1String("aplay")) && call.endsWith(needle) ? 1 : 0;
    return n;
}

QString TestSound::wav(const QString &name, int ms)
{
    const QString path = m_scratch->root() + QStringLiteral("resources/") + name;
    if (!writeWavFile(path, ms))
        qWarning() << "cannot write" << path;
    return path;
}

void TestSound::commandLinesOfAPlay()
{
    const QString a = wav(QStringLiteral("a.wav"), 20);
    QSignalSpy finished(m_sound, &Sound::finished);
    m_sound->play(a);
    QVERIFY(m_sound->isPlaying());
    QVERIFY(finished.wait());
    QVERIFY(!m_sound->isPlaying());

    const QString other = m_scratch->root() + QStringLiteral("tune.ogg");
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("tune.ogg"), "x"));
    m_sound->play(other);
    QVERIFY(finished.wait());
    QCOMPARE(m_scratch->toolCalls(),
             QStringList({QStringLiteral("aplay -q ") + a,
                          QStringLiteral("gst-launch-0.10 playbin uri=file://") + other}));
}

void TestSound::volumeArgument_data()
{
    QTest::addColumn<float>("volume");
    QTest::addColumn<QString>("argument");
    QTest::newRow("full") << 1.0f << "100%";
    QTest::newRow("key click") << 0.7f << "70%";
    QTest::newRow("no long decimal") << 0.55f << "55%";
    QTest::newRow("silent") << 0.0f << "0%";
}

void TestSound::volumeArgument()
{
    QFETCH(float, volume);
    QFETCH(QString, argument);
    m_sound->setVolume(volume);
    QTRY_COMPARE(m_scratch->toolCalls(),
                 QStringList(QStringLiteral("amixer -q set 'DAC2 Digital Fine' ") + argument));
    QCOMPARE(m_sound->getVolume(), double(volume));
}

void TestSound::repeatCounts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expectedPlays");
    QTest::newRow("0 plays once") << 0 << 1;
    QTest::newRow("1 plays once") << 1 << 1;
    QTest::newRow("3 plays thrice") << 3 << 3;
}

void TestSound::repeatCounts()
{
    QFETCH(int, count);
    QFETCH(int, expectedPlays);
    const QString a = wav(QStringLiteral("a.wav"), 30);
    QSignalSpy finished(m_sound, &Sound::finished);
    m_sound->play(a, count);
    QVERIFY(finished.wait());
    QTest::qWait(100); // nothing more may follow
    QCOMPARE(plays(a), expectedPlays);
    QCOMPARE(finished.count(), 1);
}

void TestSound::foreverUntilStopped()
{
    const QString a = wav(QStringLiteral("a.wav"), 30);
    QSignalSpy finished(m_sound, &Sound::finished);
    m_sound->play(a, -1);
    QTRY_VERIFY(plays(a) >= 3);
    m_sound->stop(true);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!m_sound->isPlaying());
    const int after = plays(a);
    QTest::qWait(120);
    QCOMPARE(plays(a), after);
}

void TestSound::sameFileIsNotRestarted()
{
    const QString a = wav(QStringLiteral("a.wav"), 200);
    m_sound->play(a, 0);
    m_sound->play(a, 2); // goes on, only the count changes
    QTRY_COMPARE(plays(a), 1);
    QSignalSpy finished(m_sound, &Sound::finished);
    QVERIFY(finished.wait());
    QCOMPARE(plays(a), 2);
}

void TestSound::otherFileCutsInAndKilledPlayerNeverCounts()
{
    const QString a = wav(QStringLiteral("a.wav"), 2000);
    const QString b = wav(QStringLiteral("b.wav"), 40);
    QSignalSpy finished(m_sound, &Sound::finished);
    m_sound->play(a, 3);
    QTRY_VERIFY(m_scratch->toolCalls().size() == 1); // a's player runs
    m_sound->play(b, 2);
    QVERIFY(finished.wait());
    QTest::qWait(100);
    // b played its whole count; the killed a neither shortened it nor came back.
    QCOMPARE(plays(b), 2);
    QCOMPARE(plays(a), 1);
    QCOMPARE(finished.count(), 1);
}

void TestSound::stopWithoutClipLetsThePlayFinish()
{
    const QString a = wav(QStringLiteral("a.wav"), 150);
    QSignalSpy finished(m_sound, &Sound::finished);
    QElapsedTimer clock;
    clock.start();
    m_sound->play(a, -1);
    m_sound->stop(false);
    QVERIFY(m_sound->isPlaying());
    QVERIFY(finished.wait());
    QVERIFY(clock.elapsed() >= 140);
    QCOMPARE(plays(a), 1);
}

void TestSound::failingLoopIsNotAStorm()
{
    // No sound card: the player exits at once, whatever the file.
    const QString tools = m_scratch->base() + QStringLiteral("/tools");
    QDir().mkpath(tools);
    QFile tool(tools + QStringLiteral("/aplay"));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\necho \"aplay $*\" >> \"$TUL_TOOLS_LOG\"\n"
               "echo 'aplay: main: audio open error: No such device' >&2\nexit 1\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_scratch->setVariable("TUL_TOOLS_DIR", tools);

    const QString a = wav(QStringLiteral("a.wav"), 200);
    m_sound->play(a, -1);
    QVERIFY(m_sound->isPlaying()); // the alarm is still on, only between two tries
    QTest::qWait(700);
    const int tries = plays(a);
    QVERIFY2(tries >= 3 && tries <= 5, qPrintable(QString::number(tries)));
    m_sound->stop(true);
    QVERIFY(!m_sound->isPlaying());
}

void TestSound::missingFileLoopKeepsItsPace()
{
    const QString missing = m_scratch->root() + QStringLiteral("resources/gone.wav");
    m_sound->play(missing, -1);
    QTest::qWait(Sound::unknownLengthMs + 300);
    QCOMPARE(plays(missing), 2);
}

void TestSound::wavLengthFromHeader()
{
    QCOMPARE(Sound::wavLengthMs(wav(QStringLiteral("a.wav"), 500)), 500);
    const QString u = m_scratch->root() + QStringLiteral("u.wav");
    QVERIFY(writeWavFile(u, 1560, 24000));
    QCOMPARE(Sound::wavLengthMs(u), 1560);
    QCOMPARE(Sound::wavLengthMs(QFINDTESTDATA("../../resources/sounds/discardAlarm2.wav")), 3970);
    QCOMPARE(Sound::wavLengthMs(m_scratch->root() + QStringLiteral("none.wav")), -1);
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("bad.wav"), "RIFF\x10\0\0\0WAVEjunk"));
    QCOMPARE(Sound::wavLengthMs(m_scratch->root() + QStringLiteral("bad.wav")), -1);
}

void TestSound::mutedEffectPlaysAtZero()
{
    SoundEffect effect;
    effect.setFile(wav(QStringLiteral("a.wav"), 30));
    effect.setVolume(0.7);
    effect.setMuted(true);
    effect.play();
    QVERIFY(effect.isPlaying());
    QTRY_COMPARE(m_scratch->toolCalls().size(), 2);
    // The mixer and the player start together: their lines may come in either order.
    QVERIFY(m_scratch->toolCalls().contains(QStringLiteral("amixer -q set 'DAC2 Digital Fine' 0%")));
    QTRY_VERIFY(!effect.isPlaying());
    effect.setMuted(false); // takes effect at the next play only
    effect.play();
    QTRY_COMPARE(m_scratch->toolCalls().size(), 4);
    QVERIFY(m_scratch->toolCalls().mid(2).contains(QStringLiteral("amixer -q set 'DAC2 Digital Fine' 70%")));
}

void TestSound::effectStopAndMuteOnlyActOnTheOneThatPlays()
{
    SoundEffect first, second;
    first.setFile(wav(QStringLiteral("a.wav"), 2000));
    second.setFile(wav(QStringLiteral("b.wav"), 2000));
    first.play();
    // The player must have started (and logged) before the second effect kills it.
    QTRY_COMPARE(plays(QStringLiteral("a.wav")), 1);
    second.play();
    QVERIFY(second.isPlaying());
    QVERIFY(!first.isPlaying());
    first.stop();
    first.setMuted(true);
    QVERIFY(second.isPlaying());
    QTRY_COMPARE(m_scratch->toolCalls().size(), 4);
    second.setMuted(true); // the running sound drops to 0% at once
    QTRY_COMPARE(m_scratch->toolCalls().size(), 5);
    QCOMPARE(m_scratch->toolCalls().last(), QStringLiteral("amixer -q set 'DAC2 Digital Fine' 0%"));
    second.stop();
    QVERIFY(!second.isPlaying());
}

void TestSound::tulSoundKeepsItsOwnValues_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("initial");
    QTest::addColumn<QVariant>("changed");
    QTest::newRow("playing") << QByteArray("playing") << QVariant(false) << QVariant(true);
    QTest::newRow("muted") << QByteArray("muted") << QVariant(false) << QVariant(true);
    QTest::newRow("volume") << QByteArray("volume") << QVariant(qreal(1.0)) << QVariant(qreal(0.35));
}

// Each value is held and announced by the wrapper itself: set once it notifies with the
// new value, set again to the same value it stays quiet. Muting and the level reach the
// effect underneath; a cached "playing" plays nothing.
void TestSound::tulSoundKeepsItsOwnValues()
{
    QFETCH(QByteArray, name);
    QFETCH(QVariant, initial);
    QFETCH(QVariant, changed);
    TulSound sound;
    const QMetaProperty property = sound.metaObject()->property(sound.metaObject()->indexOfProperty(name));
    QCOMPARE(property.enclosingMetaObject(), &TulSound::staticMetaObject);
    QCOMPARE(sound.property(name), initial);
    QSignalSpy notified(&sound, property.notifySignal());
    QVERIFY(sound.setProperty(name, changed));
    QVERIFY(sound.setProperty(name, changed));
    QCOMPARE(notified.count(), 1);
    QCOMPARE(notified.at(0).at(0), changed);
    QCOMPARE(sound.property(name), changed);
    QCOMPARE(sound.isMuted(), name == "muted");
    QCOMPARE(sound.QSoundEffect::volume(), name == "volume" ? changed.toReal() : 1.0);
    QVERIFY(!sound.isPlaying());
}

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
