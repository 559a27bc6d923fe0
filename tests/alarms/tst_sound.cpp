#include "scratchroots.h"
#include "sound.h"
#include "soundeffect.h"
#include "wavfile.h"

#include <QElapsedTimer>
#include <QtTest>

static const QString Mixer = QStringLiteral("amixer -q set 'DAC2 Digital Fine' ");

// The shared player and the effects, against the aplay/amixer stand-ins.
class TestSound : public QObject
{
    Q_OBJECT
    QScopedPointer<ScratchRoots> m_scratch;
    Sound *m_sound = nullptr;

    int plays(const QString &needle) const
    {
        const QStringList calls = m_scratch->toolCalls();
        return int(std::count_if(calls.begin(), calls.end(),
                                 [&](const QString &c) { return c.startsWith("aplay") && c.endsWith(needle); }));
    }
    QString wav(const QString &name, int ms)
    {
        const QString path = m_scratch->root() + "resources/" + name;
        return writeWavFile(path, ms) ? path : QString();
    }

private slots:
    void init()
    {
        m_scratch.reset(new ScratchRoots);
        m_sound = new Sound;
    }
    void cleanup()
    {
        delete m_sound;
        m_scratch.reset();
    }

    void commandLinesOfAPlay()
    {
        const QString a = wav("a.wav", 20);
        QSignalSpy finished(m_sound, &Sound::finished);
        m_sound->play(a);
        QVERIFY(m_sound->isPlaying());
        QVERIFY(finished.wait());
        QVERIFY(!m_sound->isPlaying());
        const QString other = m_scratch->root() + "tune.ogg";
        QVERIFY(m_scratch->writeRootFile("tune.ogg", "x"));
        m_sound->play(other);
        QVERIFY(finished.wait());
        QCOMPARE(m_scratch->toolCalls(), QStringList({"aplay -q " + a, "gst-launch-0.10 playbin uri=file://" + other}));
        for (float volume : {1.0f, 0.7f, 0.55f, 0.0f}) { // whole percents, no long decimals
            m_sound->setVolume(volume);
            QTRY_COMPARE(m_scratch->toolCalls().last(), Mixer + QString::number(qRound(volume * 100)) + "%");
            QCOMPARE(m_sound->getVolume(), double(volume));
        }
    }

    void repeatCounts_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("expectedPlays");
        QTest::newRow("0 plays once") << 0 << 1;
        QTest::newRow("1 plays once") << 1 << 1;
        QTest::newRow("3 plays thrice") << 3 << 3;
        QTest::newRow("for ever, until stopped") << -1 << -1;
    }
    void repeatCounts()
    {
        QFETCH(int, count);
        QFETCH(int, expectedPlays);
        const QString a = wav("a.wav", 30);
        QSignalSpy finished(m_sound, &Sound::finished);
        m_sound->play(a, count);
        if (count < 0) {
            QTRY_VERIFY(plays(a) >= 3);
            m_sound->stop(true);
            QVERIFY(!m_sound->isPlaying());
            QCOMPARE(finished.count(), 1); // at once
            expectedPlays = plays(a);
        }
        QVERIFY(finished.count() || finished.wait());
        QTest::qWait(100); // nothing more may follow
        QCOMPARE(plays(a), expectedPlays);
        QCOMPARE(finished.count(), 1);
    }

    void sameFileIsNotRestarted()
    {
        const QString a = wav("a.wav", 200);
        m_sound->play(a, 0);
        m_sound->play(a, 2); // goes on, only the count changes
        QTRY_COMPARE(plays(a), 1);
        QSignalSpy finished(m_sound, &Sound::finished);
        QVERIFY(finished.wait());
        QCOMPARE(plays(a), 2);
    }

    void otherFileCutsInAndKilledPlayerNeverCounts()
    {
        const QString a = wav("a.wav", 2000);
        const QString b = wav("b.wav", 40);
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

    void stopWithoutClipLetsThePlayFinish()
    {
        const QString a = wav("a.wav", 150);
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

    void failingLoopIsNotAStorm()
    {
        // No sound card: the player exits at once, whatever the file.
        const QString tools = m_scratch->base() + "/tools";
        QDir().mkpath(tools);
        QFile tool(tools + "/aplay");
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\necho \"aplay $*\" >> \"$TUL_TOOLS_LOG\"\necho 'aplay: audio open error' >&2\nexit 1\n");
        tool.close();
        tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_scratch->setVariable("TUL_TOOLS_DIR", tools);
        const QString a = wav("a.wav", 200);
        m_sound->play(a, -1);
        QVERIFY(m_sound->isPlaying()); // the alarm is still on, only between two tries
        QTest::qWait(700);
        QVERIFY2(plays(a) >= 3 && plays(a) <= 5, qPrintable(QString::number(plays(a))));
        m_sound->stop(true);
        QVERIFY(!m_sound->isPlaying());
    }

    void missingFileLoopKeepsItsPace()
    {
        const QString missing = m_scratch->root() + "resources/gone.wav";
        m_sound->play(missing, -1);
        QTest::qWait(Sound::unknownLengthMs + 300);
        QCOMPARE(plays(missing), 2);
    }

    void wavLengthFromHeader()
    {
        QCOMPARE(Sound::wavLengthMs(wav("a.wav", 500)), 500);
        QVERIFY(writeWavFile(m_scratch->root() + "u.wav", 1560, 24000));
        QCOMPARE(Sound::wavLengthMs(m_scratch->root() + "u.wav"), 1560);
        QCOMPARE(Sound::wavLengthMs(QFINDTESTDATA("../../resources/sounds/discardAlarm2.wav")), 3970);
        QCOMPARE(Sound::wavLengthMs(m_scratch->root() + "none.wav"), -1);
        QVERIFY(m_scratch->writeRootFile("bad.wav", "RIFF\x10\0\0\0WAVEjunk"));
        QCOMPARE(Sound::wavLengthMs(m_scratch->root() + "bad.wav"), -1);
    }

    void mutedEffectPlaysAtZero()
    {
        SoundEffect effect;
        effect.setFile(wav("a.wav", 30));
        effect.setVolume(0.7);
        effect.setMuted(true);
        effect.play();
        QVERIFY(effect.isPlaying());
        QTRY_COMPARE(m_scratch->toolCalls().size(), 2);
        QCOMPARE(m_scratch->toolCalls().first(), Mixer + "0%");
        QTRY_VERIFY(!effect.isPlaying());
        effect.setMuted(false); // takes effect at the next play only
        effect.play();
        QTRY_COMPARE(m_scratch->toolCalls().size(), 4);
        QCOMPARE(m_scratch->toolCalls().at(2), Mixer + "70%");
    }

    void effectStopAndMuteOnlyActOnTheOneThatPlays()
    {
        SoundEffect first, second;
        first.setFile(wav("a.wav", 2000));
        second.setFile(wav("b.wav", 2000));
        first.play();
        // The player must have started (and logged) before the second effect kills it.
        QTRY_COMPARE(plays("a.wav"), 1);
        second.play();
        QVERIFY(second.isPlaying() && !first.isPlaying());
        first.stop();
        first.setMuted(true);
        QVERIFY(second.isPlaying());
        QTRY_COMPARE(m_scratch->toolCalls().size(), 4);
        second.setMuted(true); // the running sound drops to 0% at once
        QTRY_COMPARE(m_scratch->toolCalls().size(), 5);
        QCOMPARE(m_scratch->toolCalls().last(), Mixer + "0%");
        second.stop();
        QVERIFY(!second.isPlaying());
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
