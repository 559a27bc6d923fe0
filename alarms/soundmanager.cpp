#include "soundmanager.h"
#include "alarmslog.h"

#include "alarmtimings.h"
#include "cabinetcore.h"
#include "commandlauncher.h"
#include "guardedsignaltransition.h"
#include "safefilewriter.h"
#include "sound.h"
#include "soundeffect.h"
#include "tulpaths.h"

#include "configurationmanager.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QHistoryState>
#include <QSignalTransition>

namespace {

// TulDefs::CUSTOMER_ID_Vyx: the customer whose discard alarm sounds until withdrawn.
constexpr int kCustomerIdVyx = 1;

const char *const kSoundFiles[] = {
    "warning3.wav", "AlarmWrongProduct2.wav", "discardAlarm2.wav", "keystroke.wav",
    "nfcChime.wav", "AlarmWrongProductUni.wav", "nfcChimeUni.wav",
};

QString soundPath(const char *name)
{
    return TulPaths::rootPath(QStringLiteral("resources/%1").arg(QLatin1String(name)));
}

// The tracer's texts: "this::signal()" / "&timer::timeout()" and "this->slot()\n".
void describe(QAbstractTransition *t, const QString &trigger, const QString &action = QString())
{
    t->setProperty("trigSignal", trigger);
    if (!action.isEmpty())
        t->setProperty("action", action + QLatin1Char('\n'));
}

} // namespace

SoundManager::SoundManager(QObject *parent)
    : P4StateMachine(parent)
{
    if (CabinetCore *core = CabinetCore::of(this))
        m_customerId = core->get_customerId();

    copySoundFilesFromRscToFs();
    warningAlarm = makeEffect("warning", "warning3.wav", 0, 1.0);
    discardAlarm = makeEffect("discard", "discardAlarm2.wav", 3, 1.0);
    prodChangeAlarm = makeEffect("prodChange", "AlarmWrongProduct2.wav", -1, 1.0);
    prodChangeAlarmUni = makeEffect("prodChangeUni", "AlarmWrongProductUni.wav", -1, 1.0);
    keystrokeSound = makeEffect("keystroke", "keystroke.wav", 0, 0.7);
    nfcChime = makeEffect("chime", "nfcChime.wav", 0, 1.0);
    nfcChimeUni = makeEffect("chimeUni", "nfcChimeUni.wav", 0, 1.0);
    SoundEffect::player()->setSpeakerOn(true);

    connectEffects();
    setUpTimers();
    buildStates();
    buildCommonTransitions();
    buildDiscardTransitions();
    buildProductChangeTransitions();
    setInitialState(soundStates);
    soundStates->setInitialState(initial);
    connect(&unMuteTimer, &QTimer::timeout, this, &SoundManager::unMuteAllAlarms, Qt::DirectConnection);
}

SoundManager::~SoundManager()
{
    qDeleteAll(effects());
}

QList<SoundEffect *> SoundManager::effects() const
{
    return {warningAlarm, discardAlarm, prodChangeAlarm, prodChangeAlarmUni,
            keystrokeSound, nfcChime, nfcChimeUni};
}

SoundEffect *SoundManager::makeEffect(const char *name, const char *file, int loops, qreal volume)
{
    auto *effect = new SoundEffect;
    effect->setObjectName(QLatin1String(name));
    effect->setFile(soundPath(file));
    effect->setLoops(loops);
    effect->setVolume(volume);
    return effect;
}

void SoundManager::connectEffects()
{
    const auto q = Qt::QueuedConnection;
    connect(this, &SoundManager::warningAlarmPlay, warningAlarm, &SoundEffect::play, q);
    connect(this, &SoundManager::discardAlarmPlay, discardAlarm, &SoundEffect::play, q);
    connect(this, &SoundManager::prodChangeAlarmPlay, prodChangeAlarm, &SoundEffect::play, q);
    connect(this, &SoundManager::prodChangeAlarmUniPlay, prodChangeAlarmUni, &SoundEffect::play, q);
    connect(this, &SoundManager::keystrokeSoundPlay, keystrokeSound, &SoundEffect::play, q);
    connect(this, &SoundManager::nfcChimePlay, nfcChime, &SoundEffect::play, q);
    connect(this, &SoundManager::nfcChimeUniPlay, nfcChimeUni, &SoundEffect::play, q);

    connect(this, &SoundManager::warningAlarmStop, warningAlarm, &SoundEffect::stop, q);
    connect(this, &SoundManager::discardAlarmStop, discardAlarm, &SoundEffect::stop, q);
    connect(this, &SoundManager::prodChangeAlarmStop, prodChangeAlarm, &SoundEffect::stop, q);
    connect(this, &SoundManager::prodChangeAlarmUniStop, prodChangeAlarmUni, &SoundEffect::stop, q);
    connect(this, &SoundManager::keystrokeSoundStop, keystrokeSound, &SoundEffect::stop, q);

    connect(this, &SoundManager::warningAlarmSetMuted, warningAlarm, &SoundEffect::setMuted, q);
    connect(this, &SoundManager::discardAlarmSetMuted, discardAlarm, &SoundEffect::setMuted, q);
    connect(this, &SoundManager::prodChangeAlarmSetMuted, prodChangeAlarm, &SoundEffect::setMuted, q);
    connect(this, &SoundManager::prodChangeAlarmUniSetMuted, prodChangeAlarmUni, &SoundEffect::setMuted, q);
    connect(this, &SoundManager::keystrokeSoundSetMuted, keystrokeSound, &SoundEffect::setMuted, q);
    connect(this, &SoundManager::nfcChimeSetMuted, nfcChime, &SoundEffect::setMuted, q);
    connect(this, &SoundManager::nfcChimeUniSetMuted, nfcChimeUni, &SoundEffect::setMuted, q);

    connect(this, &SoundManager::warningAlarmSetVolume, warningAlarm, &SoundEffect::setVolume, q);
    connect(this, &SoundManager::discardAlarmSetVolume, discardAlarm, &SoundEffect::setVolume, q);
    connect(this, &SoundManager::prodChangeAlarmSetVolume, prodChangeAlarm, &SoundEffect::setVolume, q);
    connect(this, &SoundManager::prodChangeAlarmUniSetVolume, prodChangeAlarmUni, &SoundEffect::setVolume, q);
    connect(this, &SoundManager::keystrokeSoundSetVolume, keystrokeSound, &SoundEffect::setVolume, q);
    connect(this, &SoundManager::nfcChimeSetVolume, nfcChime, &SoundEffect::setVolume, q);
    connect(this, &SoundManager::nfcChimeUniSetVolume, nfcChimeUni, &SoundEffect::setVolume, q);

    connect(warningAlarm, &SoundEffect::playingChanged, this, &SoundManager::warningAlarmPlayingUpdate, q);
    connect(discardAlarm, &SoundEffect::playingChanged, this, &SoundManager::discardAlarmPlayingUpdate, q);
    connect(prodChangeAlarm, &SoundEffect::playingChanged, this, &SoundManager::prodChangeAlarmPlayingUpdate, q);
    connect(keystrokeSound, &SoundEffect::playingChanged, this, &SoundManager::keystrokeSoundPlayingUpdate, q);
}

void SoundManager::setUpTimers()
{
    warningKickoutTimer.setInterval(AlarmTimings::scaled(1100));
    warningKickoutTimer.setSingleShot(true);
    discardKickoutTimer.setInterval(AlarmTimings::scaled(11000));
    pchgKickoutTimer.setInterval(AlarmTimings::scaled(2900));
    nfcChimeKickoutTimer.setInterval(AlarmTimings::scaled(1300));
    nfcChimeKickoutTimer.setSingleShot(true);
    for (QTimer *t : {&warningKickoutTimer, &discardKickoutTimer, &pchgKickoutTimer, &nfcChimeKickoutTimer})
        t->setTimerType(Qt::PreciseTimer);
    discardSoundDurationTimer.setInterval(AlarmTimings::scaled(1000 * discardSoundDuration()));
    unMuteTimer.setInterval(AlarmTimings::scaled(3000));
    // One unmute per call of delayedUnMute: a repeating timer would wake every 3 s for
    // the whole run and undo any later mute.
    unMuteTimer.setSingleShot(true);
}

void SoundManager::buildStates()
{
    // The object names of the first five carry the double quotes the tracer shows.
    auto named = [](QState *s, const char *name) { s->setObjectName(QLatin1String(name)); return s; };
    soundStates = named(addNamedState(QStringLiteral("soundStates")), "\"soundStates\"");
    initial = named(addNamedState(QStringLiteral("initial"), soundStates), "\"initial\"");
    idle = named(addNamedState(QStringLiteral("idle"), soundStates), "\"idle\"");
    warning = named(addNamedState(QStringLiteral("warning"), soundStates), "\"warning\"");
    discard = named(addNamedState(QStringLiteral("discard"), soundStates), "\"discard\"");
    productChange = addNamedState(QStringLiteral("productChange"), soundStates);
    nfcChiming = addNamedState(QStringLiteral("nfcChiming"));
    soundStatesHistory = new QHistoryState(QHistoryState::ShallowHistory, soundStates);
    soundStatesHistory->setDefaultState(initial);
}

void SoundManager::buildCommonTransitions()
{
    auto t = addNamedTransition(soundStates, this, SIGNAL(nfcChimeSig()), nfcChiming, QStringLiteral("t_nfcChime"), SLOT(incChimeReqCount()));
    describe(t, QStringLiteral("this::nfcChimeSig()"), QStringLiteral("this->incChimeReqCount()"));
    t = addNamedTransition(soundStates, this, SIGNAL(nfcChimeUniSig()), nfcChiming, QStringLiteral("t_nfcChimeUni"), SLOT(incChimeReqCountUni()));
    describe(t, QStringLiteral("this::nfcChimeUniSig()"), QStringLiteral("this->incChimeReqCountUni()"));

    t = addGuardedTransition(nfcChiming, &nfcChimeKickoutTimer, SIGNAL(timeout()), soundStatesHistory,
                             QStringLiteral("t_nfcChimeKickout"), this, "noMoreNfcChimesToPlay");
    describe(t, QStringLiteral("&nfcChimeKickoutTimer::timeout()"));
    t = addGuardedTransition(nfcChiming, &nfcChimeKickoutTimer, SIGNAL(timeout()), nullptr,
                             QStringLiteral("t_nfcChimeNoKickout"), this, "moreNfcChimesToPlay", SLOT(playNfcChime()));
    describe(t, QStringLiteral("&nfcChimeKickoutTimer::timeout()"), QStringLiteral("this->playNfcChime()"));

    struct Row { const char *name; const char *signal; const char *slot; const char *sigText; const char *slotText; };
    const Row chimingRows[] = {
        {"t_ChimeMinusPChange", SIGNAL(productChangeAlarmReqOff()), SLOT(decProdChgReqCount()), "productChangeAlarmReqOff", "decProdChgReqCount"},
        {"t_ChimeMinusPChangeUni", SIGNAL(productChangeAlarmUniReqOff()), SLOT(decProdChgReqCountUni()), "productChangeAlarmUniReqOff", "decProdChgReqCountUni"},
        {"t_ChimePlusPChange", SIGNAL(productChangeAlarmReq()), SLOT(incProdChgReqCount()), "productChangeAlarmReq", "incProdChgReqCount"},
        {"t_ChimePlusPChangeUni", SIGNAL(productChangeAlarmUniReq()), SLOT(incProdChgReqCountUni()), "productChangeAlarmUniReq", "incProdChgReqCountUni"},
        {"t_AddChimeReq", SIGNAL(nfcChimeSig()), SLOT(incChimeReqCount()), "nfcChimeSig", "incChimeReqCount"},
        {"t_AddChimeReqUni", SIGNAL(nfcChimeUniSig()), SLOT(incChimeReqCountUni()), "nfcChimeUniSig", "incChimeReqCountUni"},
        {"t_chimeDiscardAcked", SIGNAL(discardAlarmReqOff()), SLOT(setDiscardAckRequested()), "discardAlarmReqOff", "setDiscardAckRequested"},
    };
    for (const Row &r : chimingRows) {
        t = addNamedTransition(nfcChiming, this, r.signal, nullptr, QLatin1String(r.name), r.slot);
        describe(t, QStringLiteral("this::%1()").arg(QLatin1String(r.sigText)),
                 QStringLiteral("this->%1()").arg(QLatin1String(r.slotText)));
    }

    struct Move { QState *from; const char *name; const char *signal; QState *to; const char *slot; const char *sigText; const char *slotText; };
    const Move moves[] = {
        {initial, "t_initialized", SIGNAL(initialized()), idle, nullptr, "initialized", nullptr},
        {idle, "t_towarning", SIGNAL(warningAlarmReq()), warning, nullptr, "warningAlarmReq", nullptr},
        {idle, "t_toDiscard", SIGNAL(discardAlarmReq()), discard, SLOT(incDiscardReqCount()), "discardAlarmReq", "incDiscardReqCount"},
        {idle, "t_toDiscardFromIdle", SIGNAL(soundDiscardAlarm()), discard, nullptr, "soundDiscardAlarm", nullptr},
        {idle, "t_toProductChange", SIGNAL(productChangeAlarmReq()), productChange, SLOT(incProdChgReqCount()), "productChangeAlarmReq", "incProdChgReqCount"},
        {idle, "t_toProductChangeUni", SIGNAL(productChangeAlarmUniReq()), productChange, SLOT(incProdChgReqCountUni()), "productChangeAlarmUniReq", "incProdChgReqCountUni"},
        {idle, "t_toProductChangeFromIdle", SIGNAL(soundProductChange()), productChange, nullptr, "soundProductChange", nullptr},
        {warning, "t_warnToDiscard", SIGNAL(discardAlarmReq()), discard, nullptr, "discardAlarmReq", nullptr},
        {warning, "t_warnKickout", nullptr, idle, nullptr, nullptr, nullptr},
        {warning, "t_warnToProdChange", SIGNAL(productChangeAlarmReq()), productChange, SLOT(incProdChgReqCount()), "productChangeAlarmReq", "incProdChgReqCount"},
        {warning, "t_warnToProdChangeUni", SIGNAL(productChangeAlarmUniReq()), productChange, SLOT(incProdChgReqCountUni()), "productChangeAlarmUniReq", "incProdChgReqCountUni"},
        {warning, "t_toProductChangeFromWarn", SIGNAL(soundProductChange()), productChange, nullptr, "soundProductChange", nullptr},
    };
    for (const Move &m : moves) {
        if (!m.signal) { // the warning's kickout is the only timer among these
            t = addNamedTransition(m.from, &warningKickoutTimer, SIGNAL(timeout()), m.to, QLatin1String(m.name));
            describe(t, QStringLiteral("&warningKickoutTimer::timeout()"));
            continue;
        }
        t = addNamedTransition(m.from, this, m.signal, m.to, QLatin1String(m.name), m.slot);
        describe(t, QStringLiteral("this::%1()").arg(QLatin1String(m.sigText)),
                 m.slotText ? QStringLiteral("this->%1()").arg(QLatin1String(m.slotText)) : QString());
    }
}

void SoundManager::buildDiscardTransitions()
{
    QSignalTransition *t = nullptr;
    if (m_customerId != kCustomerIdVyx) {
        t = addNamedTransition(discard, this, SIGNAL(discardAlarmReqOff()), idle, QStringLiteral("t_discardAcked"));
        describe(t, QStringLiteral("this::discardAlarmReqOff()"));
        t = addNamedTransition(discard, &discardKickoutTimer, SIGNAL(timeout()), idle, QStringLiteral("t_discardKickout"));
        describe(t, QStringLiteral("&discardKickoutTimer::timeout()"));
        t = addNamedTransition(discard, this, SIGNAL(productChangeAlarmReq()), productChange, QStringLiteral("t_discardToProdChange"), SLOT(incProdChgReqCount()));
        describe(t, QStringLiteral("this::productChangeAlarmReq()"), QStringLiteral("this->incProdChgReqCount()"));
        t = addNamedTransition(discard, this, SIGNAL(productChangeAlarmUniReq()), productChange, QStringLiteral("t_discardToProdChangeUni"), SLOT(incProdChgReqCountUni()));
        describe(t, QStringLiteral("this::productChangeAlarmUniReq()"), QStringLiteral("this->incProdChgReqCountUni()"));
        t = addNamedTransition(discard, this, SIGNAL(soundProductChange()), productChange, QStringLiteral("t_toProductChangeFromDiscard"));
        describe(t, QStringLiteral("this::soundProductChange()"));
        return;
    }
    t = addNamedTransition(discard, this, SIGNAL(productChangeAlarmReq()), productChange, QStringLiteral("t_discardToProdChange"), SLOT(incProdChgReqCount()));
    describe(t, QStringLiteral("this::productChangeAlarmReq()"), QStringLiteral("this->incProdChgReqCount()"));
    t = addNamedTransition(discard, this, SIGNAL(soundProductChange()), productChange, QStringLiteral("t_toProductChangeFromDiscard"));
    describe(t, QStringLiteral("this::soundProductChange()"));
    t = addNamedTransition(discard, this, SIGNAL(discardAlrmCountZeroOrLess()), idle, QStringLiteral("t_discardReqZoL"));
    describe(t, QStringLiteral("this::discardAlrmCountZeroOrLess()"));
    t = addNamedTransition(discard, &discardSoundDurationTimer, SIGNAL(timeout()), idle, QStringLiteral("t_discardDurationTimerTo"));
    describe(t, QStringLiteral("&discardSoundDurationTimer::timeout()"));
    t = addNamedTransition(discard, &discardKickoutTimer, SIGNAL(timeout()), nullptr, QStringLiteral("t_discardTimerTo"));
    connect(t, &QAbstractTransition::triggered, discardAlarm, &SoundEffect::play);
    describe(t, QStringLiteral("&discardKickoutTimer::timeout()"), QStringLiteral("discardAlarm->play()"));
    t = addNamedTransition(soundStates, this, SIGNAL(discardAlarmReqOff()), nullptr, QStringLiteral("t_discardAlarmLess"), SLOT(decDiscardReqCount()));
    describe(t, QStringLiteral("this::discardAlarmReqOff()"), QStringLiteral("this->decDiscardReqCount()"));
    t = addNamedTransition(soundStates, this, SIGNAL(discardAlarmReq()), nullptr, QStringLiteral("t_discardAlarmMore"), SLOT(incDiscardReqCount()));
    describe(t, QStringLiteral("this::discardAlarmReq()"), QStringLiteral("this->incDiscardReqCount()"));
}

void SoundManager::buildProductChangeTransitions()
{
    struct Row { const char *name; const char *signal; QState *to; const char *slot; const char *sigText; const char *slotText; };
    const Row rows[] = {
        {"t_productChangeAnotherReq", SIGNAL(productChangeAlarmReq()), nullptr, SLOT(incProdChgReqCount()), "productChangeAlarmReq", "incProdChgReqCount"},
        {"t_productChangeAnotherReqUni", SIGNAL(productChangeAlarmUniReq()), nullptr, SLOT(incProdChgReqCountUni()), "productChangeAlarmUniReq", "incProdChgReqCountUni"},
        {"t_productChangeLess", SIGNAL(productChangeAlarmReqOff()), nullptr, SLOT(decProdChgReqCount()), "productChangeAlarmReqOff", "decProdChgReqCount"},
        {"t_productChangeLessUni", SIGNAL(productChangeAlarmUniReqOff()), nullptr, SLOT(decProdChgReqCountUni()), "productChangeAlarmUniReqOff", "decProdChgReqCountUni"},
        {"t_prodChgReqZoL", SIGNAL(prodChgReqCountZeroOrLess()), idle, nullptr, "prodChgReqCountZeroOrLess", nullptr},
    };
    for (const Row &r : rows) {
        auto *t = addNamedTransition(productChange, this, r.signal, r.to, QLatin1String(r.name), r.slot);
        describe(t, QStringLiteral("this::%1()").arg(QLatin1String(r.sigText)),
                 r.slotText ? QStringLiteral("this->%1()").arg(QLatin1String(r.slotText)) : QString());
    }
    auto *t = addNamedTransition(productChange, &pchgKickoutTimer, SIGNAL(timeout()), nullptr,
                                 QStringLiteral("t_prodChgTimerTo"), SLOT(runProductChangeAlarm()));
    describe(t, QStringLiteral("&pchgKickoutTimer::timeout()"), QStringLiteral("this->runProductChangeAlarm()"));
}

// ---- requests ------------------------------------------------------------------

void SoundManager::processAlarmReq(int alarmId, bool play)
{
    switch (alarmId) {
    case 1: play ? emit warningAlarmReq() : emit warningAlarmReqOff(); break;
    case 2: play ? emit discardAlarmReq() : emit discardAlarmReqOff(); break;
    case 3: play ? emit productChangeAlarmReq() : emit productChangeAlarmReqOff(); break;
    case 4: play ? emit productChangeAlarmUniReq() : emit productChangeAlarmUniReqOff(); break;
    default: break;
    }
}

void SoundManager::playKeystroke()
{
    if (!discardAlarmPlaying)
        emit keystrokeSoundPlay();
}

void SoundManager::playWarningAlarm() { emit warningAlarmPlay(); }
void SoundManager::playDiscardAlarm() { emit discardAlarmPlay(); }

// Loops outside the states: staff silence it with a key click, and any other sound, a
// product-change alarm ending or the over-temperature dialog's close ends it too.
void SoundManager::playProductChangeAlarm()
{
    emit prodChangeAlarmPlay();
}

void SoundManager::playNfcChime()
{
    if (m_chimeReqCount < 1)
        return;
    nfcChimeKickoutTimer.start();
    decChimeReqCount();
    emit nfcChimePlay();
}

void SoundManager::playNfcChimeUni()
{
    if (m_chimeReqCount < 1)
        return;
    nfcChimeKickoutTimer.start();
    decChimeReqCount();
    emit nfcChimeUniPlay();
}

void SoundManager::muteAllAlarms()
{
    emit warningAlarmSetMuted(true);
    emit discardAlarmSetMuted(true);
    emit prodChangeAlarmSetMuted(true);
    emit prodChangeAlarmUniSetMuted(true);
    emit keystrokeSoundSetMuted(true);
    emit nfcChimeSetMuted(true);
    emit nfcChimeUniSetMuted(true);
}

void SoundManager::unMuteAllAlarms()
{
    emit warningAlarmSetMuted(false);
    emit discardAlarmSetMuted(false);
    emit prodChangeAlarmSetMuted(false);
    emit prodChangeAlarmUniSetMuted(false);
    emit keystrokeSoundSetMuted(false);
    emit nfcChimeSetMuted(false);
    emit nfcChimeUniSetMuted(false);
}

void SoundManager::delayedUnMute()
{
    unMuteTimer.start(AlarmTimings::scaled(3000));
}

void SoundManager::setAllAlarmsVolume(int vol)
{
    const qreal level = vol / 100.0;
    emit warningAlarmSetVolume(level);
    emit discardAlarmSetVolume(level);
    emit prodChangeAlarmSetVolume(level);
    emit prodChangeAlarmUniSetVolume(level);
    emit nfcChimeSetVolume(level);
    emit nfcChimeUniSetVolume(level);
    emit keystrokeSoundSetVolume(level);
}

void SoundManager::copySoundFilesFromRscToFs()
{
    const QString dir = TulPaths::rootPath(QStringLiteral("resources"));
    if (!QDir().mkpath(dir))
        qCWarning(lcAlarms).noquote() << "Cannot create" << dir;
    bool written = false;
    for (const char *name : kSoundFiles) {
        const QString target = soundPath(name);
        if (QFile::exists(target))
            continue; // a sound replaced on the device stays in use
        QFile source(QStringLiteral(":/resources/%1").arg(QLatin1String(name)));
        QString error;
        // Written whole or not at all: a half-copied file would never be replaced.
        if (!source.open(QIODevice::ReadOnly)
            || !SafeFileWriter::writeFile(target, source.readAll(), &error))
            qCWarning(lcAlarms).noquote() << "Cannot copy sound file" << name << error;
        else
            written = true;
    }
    // Only a copy needs flushing: a start with every sound in place runs no child process.
    if (written)
        CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
}

// ---- counters ------------------------------------------------------------------

void SoundManager::set_prodChgReqCount(int value)
{
    if (prodChgReqCount == value)
        return;
    prodChgReqCount = value;
    emit prodChgReqCountChanged(value);
    if (value <= 0) {
        prodChgReqCount = 0;
        prodChangeAlarm->stop();
    }
}

void SoundManager::incProdChgReqCount()
{
    set_prodChgReqCount(prodChgReqCount + 1);
    prodChgUniFlags.append(false);
}

void SoundManager::incProdChgReqCountUni()
{
    set_prodChgReqCount(prodChgReqCount + 1);
    prodChgUniFlags.append(true);
}

void SoundManager::decProdChgReqCount() { decProdChgReq(false); }
void SoundManager::decProdChgReqCountUni() { decProdChgReq(true); }

void SoundManager::decProdChgReq(bool universal)
{
    set_prodChgReqCount(prodChgReqCount - 1);
    if (prodChgUniFlags.isEmpty()) {
        if (prodChgReqCount < 1)
            emit prodChgReqCountZeroOrLess();
        return;
    }
    const int index = prodChgUniFlags.indexOf(universal);
    if (index >= 0)
        prodChgUniFlags.removeAt(index);
    else
        prodChgUniFlags.removeLast();
    if (prodChgReqCount <= 0)
        emit prodChgReqCountZeroOrLess();
}

void SoundManager::set_chimeReqCount(int value)
{
    if (m_chimeReqCount == value)
        return;
    m_chimeReqCount = value;
    emit chimeReqCountChanged(value);
}

void SoundManager::incChimeReqCount()
{
    set_chimeReqCount(m_chimeReqCount + 1);
    chimeUniFlags.append(false);
}

void SoundManager::incChimeReqCountUni()
{
    set_chimeReqCount(m_chimeReqCount + 1);
    chimeUniFlags.append(true);
}

void SoundManager::decChimeReqCount()
{
    if (m_chimeReqCount < 1)
        return;
    set_chimeReqCount(m_chimeReqCount - 1);
    if (!chimeUniFlags.isEmpty())
        chimeUniFlags.removeLast();
}

void SoundManager::incDiscardReqCount()
{
    ++discardReqCount;
    if (discardDurationEnabled() != 0) {
        discardSoundDurationTimer.stop();
        discardSoundDurationTimer.start();
    }
}

void SoundManager::decDiscardReqCount()
{
    if (discardReqCount < 1) {
        emit discardAlrmCountZeroOrLess();
        return;
    }
    if (--discardReqCount == 0)
        emit discardAlrmCountZeroOrLess();
}

// ---- guards and actions ----------------------------------------------------------

bool SoundManager::moreNfcChimesToPlay() { return m_chimeReqCount > 0; }
bool SoundManager::noMoreNfcChimesToPlay() { return !moreNfcChimesToPlay(); }
bool SoundManager::discardAlarmNotPlaying() { return !discardAlarmPlaying; }
bool SoundManager::warningAlarmNotPlaying() { return !warningAlarmPlaying; }
bool SoundManager::productChangeAlarmNotPlaying() { return !prodChangeAlarmPlaying; }

void SoundManager::runProductChangeAlarm()
{
    if (prodChgUniFlags.contains(true) && universalPanSoundEnable()) {
        prodChangeAlarmUni->play();
        pchgKickoutTimer.setInterval(AlarmTimings::scaled(3000));
    } else {
        prodChangeAlarm->play();
        pchgKickoutTimer.setInterval(AlarmTimings::scaled(2900));
    }
    pchgKickoutTimer.start();
}

void SoundManager::setDiscardAckRequested()
{
    discardAckRequested = true;
}

// ---- states ----------------------------------------------------------------------

void SoundManager::soundStates_onEntry() {}
void SoundManager::soundStates_onExit() {}
void SoundManager::initial_onEntry() { emit initialized(); }
void SoundManager::initial_onExit() {}
void SoundManager::idle_onExit() {}

void SoundManager::idle_onEntry()
{
    if (prodChgReqCount >= 1)
        emit soundProductChange();
}

void SoundManager::warning_onEntry()
{
    if (prodChgReqCount < 1) {
        emit warningAlarmPlay();
        warningKickoutTimer.start();
    } else {
        emit soundProductChange();
    }
}

void SoundManager::warning_onExit()
{
    emit warningAlarmStop();
    warningKickoutTimer.stop();
}

void SoundManager::discard_onEntry()
{
    if (prodChgReqCount > 0) {
        emit soundProductChange();
    } else if (discardAckRequested) {
        emit discardAlarmReqOff();
        discardAckRequested = false;
    } else {
        emit discardAlarmPlay();
        discardKickoutTimer.start();
        if (discardDurationEnabled() != 0) {
            discardSoundDurationTimer.setInterval(AlarmTimings::scaled(1000 * discardSoundDuration()));
            discardSoundDurationTimer.start();
        }
    }
    discardAlarmPlaying = true;
}

void SoundManager::discard_onExit()
{
    emit discardAlarmStop();
    discardKickoutTimer.stop();
    discardSoundDurationTimer.stop();
    discardAlarmPlaying = false;
}

void SoundManager::productChange_onEntry()
{
    if (prodChgReqCount < 1) {
        prodChgReqCount = 0;
        emit prodChgReqCountZeroOrLess();
    } else {
        runProductChangeAlarm();
    }
}

void SoundManager::productChange_onExit()
{
    pchgKickoutTimer.stop();
    prodChangeAlarm->stop();
    prodChangeAlarmUni->stop();
}

void SoundManager::nfcChiming_onEntry()
{
    discardAckRequested = false;
    if (!chimeUniFlags.isEmpty() && universalPanSoundEnable() && chimeUniFlags.last())
        playNfcChimeUni();
    else
        playNfcChime();
}

void SoundManager::nfcChiming_onExit()
{
    nfcChimeKickoutTimer.stop();
    chimeUniFlags.clear();
}

void SoundManager::warningAlarmPlayingUpdate(bool value) { warningAlarmPlaying = value; }
void SoundManager::discardAlarmPlayingUpdate(bool value) { discardAlarmPlaying = value; }
void SoundManager::prodChangeAlarmPlayingUpdate(bool value) { prodChangeAlarmPlaying = value; }
void SoundManager::keystrokeSoundPlayingUpdate(bool value) { keystrokeSoundPlaying = value; }

// ---- settings --------------------------------------------------------------------

int SoundManager::discardDurationEnabled() const
{
    if (CabinetCore *core = CabinetCore::of(this))
        if (ConfigurationManager *config = core->configManager())
            return config->get_discardDurationEnabled();
    return 1;
}

int SoundManager::discardSoundDuration() const
{
    // A hand-edited settings file may hold anything: a day at most keeps the timer's
    // milliseconds inside an int, and a duration never ends before it begins.
    constexpr int longestSeconds = 24 * 3600;
    if (CabinetCore *core = CabinetCore::of(this))
        if (ConfigurationManager *config = core->configManager())
            return qBound(1, config->get_discardSoundDuration(), longestSeconds);
    return 10;
}

bool SoundManager::universalPanSoundEnable() const
{
    if (CabinetCore *core = CabinetCore::of(this))
        if (ConfigurationManager *config = core->configManager())
            return config->get_universalPanSoundEnable();
    return false;
}
