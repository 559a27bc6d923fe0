#ifndef SOUNDMANAGERFIXTURE_H
#define SOUNDMANAGERFIXTURE_H

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
// ten times shorter, against the aplay/amixer stand-ins; shared by two test programs.
// A stand-in logs its call only once its process runs: on a loaded machine a player
// stopped early may never log and a looping one logs as often as it gets to. Such sounds
// are checked on the player (file, repeat count) and the sequencer's kickouts instead.
class SoundManagerFixture
{
protected:
    static constexpr int WaitMs = 30000;
    struct ShortSound { const char *name; int ms; };
    // Sound files at a tenth of the cabinet's lengths, matching the clock.
    static constexpr ShortSound kShortSounds[] = {
        {"warning3.wav", 73}, {"AlarmWrongProduct2.wav", 289}, {"discardAlarm2.wav", 397},
        {"keystroke.wav", 5},
        {"nfcChime.wav", 80}, // shorter than a tenth: it must end before the next chime
        {"AlarmWrongProductUni.wav", 156}, {"nfcChimeUni.wav", 141},
    };

    static void setUpClock() { AlarmTimings::setScale(0.1); }

    void setUp()
    {
        m_scratch.reset(new ScratchRoots);
        for (const auto &s : kShortSounds)
            QVERIFY(writeWavFile(m_scratch->root() + QStringLiteral("resources/") + QLatin1String(s.name), s.ms));
        makeManager(0);
    }

    void tearDown()
    {
        delete m_core;
        m_core = nullptr;
        m_sm = nullptr;
        m_scratch.reset();
    }

    void makeManager(int customerId)
    {
        delete m_core; // also the sequencer
        m_core = new FakeCabinetCore;
        m_core->customerId = customerId;
        m_config = new ConfigurationManager(nullptr, nullptr, true, 1, m_core);
        m_core->configManagerPtr = m_config;
        m_sm = new SoundManager(m_core);
        m_sm->start();
        QTRY_COMPARE(state(), QStringLiteral("idle"));
        QFile::remove(m_scratch->toolsLog());
    }

    // The active leaf state, without the quotes the tracer's names carry.
    QString state() const
    {
        const auto active = m_sm->configuration();
        for (QAbstractState *s : active) {
            auto *compound = qobject_cast<QState *>(s);
            if (!compound || compound->childMode() != QState::ExclusiveStates
                || compound->findChildren<QState *>(QString(), Qt::FindDirectChildrenOnly).isEmpty())
                return s->objectName().remove(QLatin1Char('"'));
        }
        return QString();
    }

    QAbstractTransition *transition(const char *name) const
    {
        return m_sm->findChild<QAbstractTransition *>(QLatin1String(name));
    }

    int plays(const QString &file) const
    {
        int n = 0;
        const QStringList calls = m_scratch->toolCalls();
        for (const QString &call : calls)
            n += call.startsWith(QLatin1String("aplay")) && call.endsWith(file) ? 1 : 0;
        return n;
    }

    // The file the shared player was last given (its name only).
    static QString playerFile() { return SoundEffect::player()->currentFile().section(QLatin1Char('/'), -1); }

    // The levels the mixer stand-in was given, in order; it runs detached, so wait for it.
    QStringList levels() const
    {
        QStringList out;
        const QStringList calls = m_scratch->toolCalls();
        for (const QString &call : calls)
            if (call.startsWith(QLatin1String("amixer")))
                out << call.section(QLatin1Char(' '), -1);
        return out;
    }

    // Runs steps separated by spaces: "w+"/"w-" a warning request or its withdrawal (d
    // discard, p product change, u universal-pan product change, x an unknown id), "c"/"cu"
    // a chime or universal chime, "k" a key click, "=state" waits for a state, "~state"
    // lets a moment pass and finds the state unchanged, "#p2"/"#d2"/"#c2" waits for the
    // product-change, discard or chime count, "@file=n" waits for n logged plays of a file.
    void run(const QString &steps)
    {
        static const QHash<QChar, int> ids{{'w', 1}, {'d', 2}, {'p', 3}, {'u', 4}, {'x', 9}};
        for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QChar op = step.at(0);
            const QString arg = step.mid(1);
            if (step.size() == 2 && ids.contains(op) && (arg == "+" || arg == "-"))
                m_sm->processAlarmReq(ids.value(op), arg == "+");
            else if (step == "c" || step == "cu")
                step == "c" ? emit m_sm->nfcChimeSig() : emit m_sm->nfcChimeUniSig();
            else if (step == "k")
                m_sm->playKeystroke();
            else if (op == '=')
                QTRY_COMPARE_WITH_TIMEOUT(state(), arg, WaitMs);
            else if (op == '~') {
                QTest::qWait(50);
                QCOMPARE(state(), arg);
            } else if (op == '#') {
                const auto count = [this, &arg] {
                    return arg.at(0) == 'p' ? m_sm->get_prodChgReqCount()
                         : arg.at(0) == 'd' ? m_sm->get_discardReqCount() : m_sm->get_chimeReqCount();
                };
                QTRY_COMPARE_WITH_TIMEOUT(count(), arg.mid(1).toInt(), WaitMs);
            } else if (op == '@')
                QTRY_COMPARE_WITH_TIMEOUT(plays(arg.section('=', 0, 0)), arg.section('=', 1).toInt(), WaitMs);
            else
                QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
            if (QTest::currentTestFailed()) {
                qWarning().noquote() << "at step" << step << "of" << steps;
                return;
            }
        }
    }

    QScopedPointer<ScratchRoots> m_scratch;
    FakeCabinetCore *m_core = nullptr;
    ConfigurationManager *m_config = nullptr;
    SoundManager *m_sm = nullptr;
};

#endif // SOUNDMANAGERFIXTURE_H
