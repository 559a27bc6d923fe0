#ifndef SOUNDMANAGERFIXTURE_H
#define SOUNDMANAGERFIXTURE_H

#include "alarmtimings.h"
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "scratchroots.h"
#include "soundeffect.h"
#include "soundmanager.h"
#include "sound.h"
#include "wavfile.h"

#include <QState>
#include <QtTest>

// The alarm sequencer on a clock ten times faster than the device's, with sound files
// ten times shorter, against the aplay/amixer stand-ins. Shared by the sequencer's two
// test programs, which run side by side.
class SoundManagerFixture
{
protected:
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
        QTRY_COMPARE(state(), QStringLiteral("\"idle\""));
        QFile::remove(m_scratch->toolsLog());
    }

    QString state() const
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

    int plays(const char *file) const
    {
        int n = 0;
        const QStringList calls = m_scratch->toolCalls();
        for (const QString &call : calls)
            n += call.startsWith(QLatin1String("aplay")) && call.endsWith(QLatin1String(file)) ? 1 : 0;
        return n;
    }

    // The file the shared player was last given (its name only).
    static QString playerFile() { return SoundEffect::player()->currentFile().section(QLatin1Char('/'), -1); }

    QStringList levels() const
    {
        QStringList out;
        const QStringList calls = m_scratch->toolCalls();
        for (const QString &call : calls)
            if (call.startsWith(QLatin1String("amixer")))
                out << call.section(QLatin1Char(' '), -1);
        return out;
    }

    QScopedPointer<ScratchRoots> m_scratch;
    FakeCabinetCore *m_core = nullptr;
    ConfigurationManager *m_config = nullptr;
    SoundManager *m_sm = nullptr;
};

#endif // SOUNDMANAGERFIXTURE_H
