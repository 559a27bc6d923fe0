// Holding end to end in one process: the composition root against the simulated IO
// board and NFC reader on a pseudo-terminal, on a 5 x 2 single-display NFC cabinet whose
// bins 0-2 and 5-9 hold product 21 (90 s, warning at 30 s), bin 3 product 22 and bin 4
// nothing. The holding clock runs fifty times fast.
#include "alarmtimings.h"
#include "cabinetmanager.h"
#include "filelogworker.h"
#include "haccpcontroller.h"
#include "holdingcoordinator.h"
#include "ioboardsimulator.h"
#include "masteriomanager.h"
#include "mastersync.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "personalitytypes.h"
#include "holdingroot.h"
#include "scratchroots.h"
#include "simulationconsole.h"
#include "configurationmanager.h"
#include "errorlogfiles.h"
#include "ioboardconfiguration.h"
#include "ioregistermap.h"
#include "iotlink.h"
#include "tullumo.h"
#include "sound.h"
#include "soundeffect.h"
#include "soundmanager.h"
#include "virtualkeyinput.h"
#include "translator.h"
#include "tulerrorcontrollert.h"
#include "errorinfomodel.h"
#include "binview.h"
#include "daypartmanager.h"
#include "holdingstatefile.h"
#include "traybarsc.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <functional>

namespace {

constexpr int Standard = 6, Warning = 7, Discard = 8;
constexpr quint64 PanOf21 = (quint64(21) << 40) | 0x0A01;
constexpr quint64 OtherPanOf21 = (quint64(21) << 40) | 0x0A02;
constexpr quint64 PanOf22 = (quint64(22) << 40) | 0x0B01;
constexpr quint64 UniversalPan = 0x0C01; // no product in its tag

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using Quad = QList<int>;

} // namespace

class TestHolding : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void binsAreInTheirFirstStatesWhenTheSceneIsBuilt_data();
    void binsAreInTheirFirstStatesWhenTheSceneIsBuilt();

    void aTappedBinCountsDownWarnsAndDiscards();
    void panMovesAreReported_data();
    void panMovesAreReported();
    void errorsAreRaisedAndCleared_data();
    void errorsAreRaisedAndCleared();
    void zoneTempsReachTheScreensOnChange_data();
    void zoneTempsReachTheScreensOnChange();
    void zoneFaultsNameTheirZone_data();
    void zoneFaultsNameTheirZone();
    void overTemperatureIsStoppedByTheDialog();
    void heaterOverTemperatureIsSilenced_data();
    void heaterOverTemperatureIsSilenced();
    void fansFollowTheProductsOfBothDisplays_data();
    void fansFollowTheProductsOfBothDisplays();
    void unconfiguredBoardIsLogged_data();
    void unconfiguredBoardIsLogged();
    void tagStoreSurvivesARestart();
    void binsCarryTheirTimerColour_data();
    void binsCarryTheirTimerColour();
    void tagAtBinIsWhatTheReaderReads_data();
    void tagAtBinIsWhatTheReaderReads();
    void consoleDrivesTheSimulation_data();
    void consoleDrivesTheSimulation();
    void holdsReachTheHaccpLogAndItsExport();
    void errorAndHoldingLogsKeepOneClock_data();
    void errorAndHoldingLogsKeepOneClock();
    void binNamesFollowTheLanguage_data();
    void binNamesFollowTheLanguage();
    void holdsComeBackAfterACut();
    void holdingStateIsRestored_data();
    void holdingStateIsRestored();

private:
    // `beforeRestore` runs once the objects exist and before the event loop turns.
    void startCabinet(const std::function<void()> &beforeRestore = {});
    QList<QJsonObject> haccpRecordsOfBin(int bin);
    void place(int bin, quint64 uid);
    void lift(int bin);
    bool toolsLogContains(const QString &text) const;
    QPair<int, int> readerChannel(int bin) const; // (node, channel)

    QScopedPointer<ScratchRoots> m_scratch;
    QScopedPointer<CabinetManager> m_cm;
    QString m_cwd;
};

void TestHolding::initTestCase()
{
    AlarmTimings::setScale(0.02);
}

void TestHolding::init()
{
    m_cwd = QDir::currentPath();
    m_scratch.reset(new ScratchRoots);
    QVERIFY(installHoldingRoot(*m_scratch));
    startCabinet();
}

void TestHolding::cleanup()
{
    AlarmTimings::setScale(0.02);
    m_cm.reset();
    QDir::setCurrent(m_cwd);
    m_scratch.reset();
}

void TestHolding::startCabinet(const std::function<void()> &beforeRestore)
{
    m_cm.reset(new CabinetManager(0, 7));
    QVERIFY(m_cm->ioSimulator());
    if (beforeRestore)
        beforeRestore();
    // Every zone at its products' temperature: no preheating in the way.
    for (int heater = 0; heater < 10; ++heater)
        m_cm->ioSimulator()->setTemperature(heater, 160);
    m_cm->ioSimulator()->setAmbientTemperature(80);
    QTRY_VERIFY_WITH_TIMEOUT(m_cm->masterSync()->get_synced(), 10000);
    QTRY_VERIFY(m_cm->holding()->holdingRestored());
    QTRY_VERIFY(m_cm->get_trayState(1) >= 4); // READY2HOLD, or holding again after a restart
}

// The scene is built with the bins' first states, not built and then changed in every tile.
void TestHolding::binsAreInTheirFirstStatesWhenTheSceneIsBuilt_data()
{
    QTest::addColumn<int>("bin");
    QTest::addColumn<int>("state");
    QTest::newRow("product, cold zone") << 0 << int(TrayBarSc::PREHEATING);
    QTest::newRow("other product, cold zone") << 3 << int(TrayBarSc::PREHEATING);
    QTest::newRow("no product") << 4 << int(TrayBarSc::UNASSIGNED);
}

void TestHolding::binsAreInTheirFirstStatesWhenTheSceneIsBuilt()
{
    QFETCH(int, bin);
    QFETCH(int, state);
    m_cm.reset();
    m_cm.reset(new CabinetManager(0, 7)); // the simulated heaters start cold
    // No turn of the event loop since the constructor, which built the scene.
    BinView *view = m_cm->holding()->binView(bin);
    QVERIFY(view);
    QCOMPARE(view->get_trayState(), state);
    QCOMPARE(m_cm->get_trayState(bin), state);
}

QPair<int, int> TestHolding::readerChannel(int bin) const
{
    const NfcPollingInfo *polling = m_cm->get_nfcPollingInfo();
    for (int a = 0; a < NfcPollingInfo::AddressCount; ++a)
        for (int p = 0; p < NfcPollingInfo::PollOrderCount; ++p)
            for (int s = 0; s < polling->group[a][p].count; ++s)
                if (polling->group[a][p].entries[s].binIndex == bin)
                    return {polling->group[a][p].address, polling->group[a][p].entries[s].channel};
    return {-1, -1};
}

void TestHolding::place(int bin, quint64 uid)
{
    const auto where = readerChannel(bin);
    QVERIFY(m_cm->ioSimulator()->placeTag(quint8(where.first), where.second, uid));
}

void TestHolding::lift(int bin)
{
    const auto where = readerChannel(bin);
    QVERIFY(m_cm->ioSimulator()->removeTag(quint8(where.first), where.second));
}

bool TestHolding::toolsLogContains(const QString &text) const
{
    return QString::fromUtf8(readFile(qEnvironmentVariable("TUL_TOOLS_LOG"))).contains(text);
}

void TestHolding::aTappedBinCountsDownWarnsAndDiscards()
{
    QSignalSpy started(m_cm.data(), &CabinetManager::event_holdStarted);
    QSignalSpy expired(m_cm.data(), &CabinetManager::event_holdExpired);
    QSignalSpy stopped(m_cm.data(), &CabinetManager::event_holdStopped);
    QSignalSpy warningAlarm(m_cm->soundManager(), &SoundManager::warningAlarmReq);
    HoldingCoordinator *holding = m_cm->holding();

    holding->toggleBin(1);
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.at(0).at(2).toString(), QStringLiteral("0"));
    QCOMPARE(started.at(0).at(3).toInt(), 1);
    QCOMPARE(started.at(0).at(4).toString(), QStringLiteral("manual"));
    QCOMPARE(m_cm->get_trayState(1), Standard);
    QVERIFY(m_cm->get_activelyHolding());
    QTRY_COMPARE(m_cm->get_trayState(1), Warning);
    // At this clock the warning lasts a fraction of a second: its sound may be cut by
    // the discard alarm before the player starts, so the request is what is checked.
    QTRY_VERIFY(warningAlarm.count() >= 1);
    QTRY_COMPARE(m_cm->get_trayState(1), Discard);
    QCOMPARE(expired.count(), 1);
    QCOMPARE(expired.at(0).at(3).toInt(), 1);
    QTRY_VERIFY(toolsLogContains(QStringLiteral("discardAlarm2.wav")));

    holding->toggleBin(1);
    QCOMPARE(stopped.count(), 1);
    QVERIFY(stopped.at(0).at(5).toInt() <= 0);
    QCOMPARE(stopped.at(0).at(4).toString(), QStringLiteral("manual"));
    QVERIFY(!m_cm->get_activelyHolding());
    // A bin without a product does not start.
    holding->toggleBin(4);
    QCOMPARE(started.count(), 1);
    // A stop asked for by a caller (the cloud) is reported by that caller, not twice.
    holding->toggleBin(1);
    m_cm->stopBinTimer(1);
    QVERIFY(m_cm->get_trayState(1) < Standard);
    QCOMPARE(stopped.count(), 1);
}

void TestHolding::panMovesAreReported_data()
{
    QTest::addColumn<QString>("move");
    QTest::newRow("placed pan of the bin's product starts") << "start";
    QTest::newRow("lifted and returned") << "return";
    QTest::newRow("moved to a bin of its product") << "transfer";
    QTest::newRow("pan of another product") << "mismatch";
    QTest::newRow("universal pan moved to another product") << "universal";
}

void TestHolding::panMovesAreReported()
{
    QFETCH(QString, move);
    NFCmanager *nfc = m_cm->holding()->nfcManager();
    QSignalSpy started(m_cm.data(), &CabinetManager::event_holdStarted);
    QSignalSpy removed(nfc, &NFCmanager::panRemoved);
    QSignalSpy returned(nfc, &NFCmanager::panReturned);
    QSignalSpy transferred(nfc, &NFCmanager::panTransfered);
    QSignalSpy alert(m_cm.data(), &CabinetManager::notifyBinMismatchAlert);
    QSignalSpy clear(m_cm.data(), &CabinetManager::notifyBinMismatchClear);
    SoundManager *sound = m_cm->soundManager();

    if (move == QLatin1String("mismatch")) {
        place(0, PanOf22);
        QTRY_COMPARE(alert.count(), 1);
        QCOMPARE(alert.at(0).at(3).toInt(), 0);
        QCOMPARE(m_cm->get_misMatchedPanId(0), PanOf22);
        QVERIFY(m_cm->get_misMatchId(0).endsWith(QStringLiteral(":0")));
        QCOMPARE(sound->get_prodChgReqCount(), 1);
        QVERIFY(!m_cm->get_activelyHolding());
        lift(0);
        QTRY_COMPARE(clear.count(), 1);
        QCOMPARE(sound->get_prodChgReqCount(), 0);
        return;
    }
    const quint64 pan = move == QLatin1String("universal") ? UniversalPan : PanOf21;
    place(0, pan);
    QTRY_COMPARE(started.count(), 1);
    QCOMPARE(started.at(0).at(2).toString(), QString::number(pan, 16));
    QCOMPARE(started.at(0).at(4).toString(), QStringLiteral("auto"));
    QCOMPARE(m_cm->get_trayState(0), Standard);
    QCOMPARE(m_cm->getTagUidAtBin(0), pan);
    QVERIFY(nfc->viewTagInfo2(pan)->getCrc32() != 0);

    if (move == QLatin1String("return")) {
        lift(0);
        QTRY_COMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(1).toInt(), 0);
        QVERIFY(removed.at(0).at(3).toInt() > 0);
        place(0, pan);
        QTRY_COMPARE(returned.count(), 1);
        QVERIFY(m_cm->get_trayState(0) >= Standard); // the hold went on while the pan was out
    } else if (move == QLatin1String("transfer")) {
        lift(0);
        place(2, pan);
        QTRY_COMPARE(transferred.count(), 1);
        QCOMPARE(transferred.at(0).at(1).toInt(), 2);
        QTRY_VERIFY(m_cm->get_trayState(2) >= Standard);
        QVERIFY(m_cm->get_trayState(0) < Standard);
        QCOMPARE(m_cm->getTagUidAtBin(2), pan);
        // A restart for the pan's old bin (a cloud command, say) starts nothing there.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not registered in bin 0")));
        m_cm->startBinTimer(0, 30, pan);
        QVERIFY(m_cm->get_trayState(0) < Standard);
    } else if (move == QLatin1String("universal")) {
        lift(0);
        place(3, pan); // bin 3 holds product 22
        QTRY_COMPARE(alert.count(), 1);
        QCOMPARE(sound->get_prodChgReqCount(), 1);
        QCOMPARE(m_cm->get_misMatchedPanId(3), pan);
        lift(3);
        QTRY_COMPARE(clear.count(), 1);
    }
}

void TestHolding::errorsAreRaisedAndCleared_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<Quad>("error");
    QTest::newRow("open probe") << "open" << Quad{2, 1, 3, 0};
    QTest::newRow("shorted probe") << "shorted" << Quad{2, 0, 3, 0};
    QTest::newRow("silent IO board") << "board" << Quad{1, 0, 0, 0};
    QTest::newRow("silent reader") << "reader" << Quad{5, 1, 0, 0};
}

// Each fault is one line in the error log and one "error" event for the cloud, however
// many paths learn of it.
void TestHolding::errorsAreRaisedAndCleared()
{
    QFETCH(QString, fault);
    QFETCH(Quad, error);
    IoBoardSimulator *sim = m_cm->ioSimulator();
    TulErrorControllerT *errors = m_cm->errorService();
    QSignalSpy raised(errors, &TulErrorControllerT::notifyError);
    QSignalSpy cleared(errors, &TulErrorControllerT::notifyErrorClear);
    QVERIFY(m_cm->iot() && m_cm->iot()->lumo());
    QSignalSpy cloud(m_cm->iot()->lumo(), &TulLumo::sendLumoInfo);
    const QString code = QStringLiteral("%1.%2.%3.%4").arg(error.at(0)).arg(error.at(1)).arg(error.at(2)).arg(error.at(3));
    const auto count = [&code](const QSignalSpy &spy) {
        int n = 0;
        for (const QList<QVariant> &args : spy)
            n += args.at(1).toString() == code ? 1 : 0;
        return n;
    };
    const auto logLines = [&error] {
        const QString dir = ErrorLogFiles::logDir();
        const QString tail = QStringLiteral(";%1\t%2\t%3\t%4").arg(error.at(0)).arg(error.at(1)).arg(error.at(2)).arg(error.at(3));
        int n = 0;
        for (const QString &name : QDir(dir).entryList(QDir::Files))
            for (const QString &line : QString::fromUtf8(readFile(dir + name)).split(QLatin1Char('\n')))
                n += line.endsWith(tail) ? 1 : 0;
        return n;
    };
    const auto cloudEvents = [&] {
        int n = 0;
        for (const QList<QVariant> &args : qAsConst(cloud)) {
            const QJsonObject event = QJsonDocument::fromJson(args.at(0).toString().toUtf8()).object();
            const QJsonValue reported = event.contains(QStringLiteral("errorCode"))
                                            ? event.value(QStringLiteral("errorCode"))
                                            : event.value(QStringLiteral("error")).toObject().value(QStringLiteral("errorCode"));
            n += event.value(QStringLiteral("event")).toString() == QLatin1String("error") && reported == code ? 1 : 0;
        }
        return n;
    };
    const auto setFault = [&](bool on) {
        if (fault == QLatin1String("open"))
            sim->setProbeState(3, on ? 2 : 0);
        else if (fault == QLatin1String("shorted"))
            sim->setProbeState(3, on ? 1 : 0);
        else if (fault == QLatin1String("board"))
            sim->setNodeSilent(1, on);
        else
            sim->setNodeSilent(2, on);
    };
    setFault(true);
    QTRY_VERIFY_WITH_TIMEOUT(count(raised) > 0, 15000);
    if (fault == QLatin1String("board"))
        QVERIFY(errors->get_sibLinkBroken());
    setFault(false);
    QTRY_VERIFY_WITH_TIMEOUT(count(cleared) > 0, 15000);
    QVERIFY(!errors->get_sibLinkBroken());
    // A second report would have followed the first long before the fault ended.
    QCOMPARE(count(raised), 1);
    QCOMPARE(logLines(), 1);
    QCOMPARE(cloudEvents(), 1);
}

// What the main screen shows of a heater fault: the zone it is in, the kind of fault, and
// nothing once it is over.
// The temperatures are read every sweep; the screens hear only of a sweep that changed one.
void TestHolding::zoneTempsReachTheScreensOnChange_data()
{
    QTest::addColumn<int>("channel"); // the heater whose reading changes; -1 for none
    QTest::addColumn<int>("notifications");
    QTest::newRow("steady readings") << -1 << 0;
    QTest::newRow("one heater warms") << 3 << 1;
}

void TestHolding::zoneTempsReachTheScreensOnChange()
{
    QFETCH(int, channel);
    QFETCH(int, notifications);
    HoldingCoordinator *holding = m_cm->holding();
    MasterIoManager *io = holding->ioManager();
    IoBoardSimulator *sim = m_cm->ioSimulator();
    QVERIFY(io);
    sim->set_heatingStep(0);
    for (int heater = 0; heater < 10; ++heater)
        sim->setTemperature(heater, 160);
    const int lastZone = m_cm->get_numberOfZones() - 1;
    const auto allAt160 = [holding] {
        for (const QVariant &zone : holding->get_zoneTemps()) {
            const QVariantMap temps = zone.toMap();
            if (temps.value(QStringLiteral("actualLower")).toInt() != 160
                || temps.value(QStringLiteral("actualUpper")).toInt() != 160)
                return false;
        }
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(allAt160(), 5000);
    QSignalSpy changed(holding, &HoldingCoordinator::zoneTempsChanged);
    QSignalSpy reads(io, &MasterIoManager::zoneActualTemps);
    if (channel >= 0)
        sim->setTemperature(channel, 175);
    const auto sweeps = [&reads, lastZone] {
        int n = 0;
        for (const QList<QVariant> &args : qAsConst(reads))
            n += args.at(0).toInt() == lastZone ? 1 : 0;
        return n;
    };
    QTRY_VERIFY_WITH_TIMEOUT(sweeps() >= 3, 10000);
    QCOMPARE(changed.count(), notifications);
    if (channel >= 0)
        QCOMPARE(holding->get_zoneTemps().at(channel / 2).toMap().value(QStringLiteral("actualUpper")).toInt(), 175);
}

void TestHolding::zoneFaultsNameTheirZone_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("channel"); // heater channel, two per zone
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("shown");
    QTest::newRow("open probe, upper heater") << "open" << 3 << 1 << "open";
    QTest::newRow("shorted probe, lower heater") << "shorted" << 0 << 0 << "shorted";
    QTest::newRow("open probe, last zone") << "open" << 9 << 4 << "open";
    QTest::newRow("heater over temperature") << "hot" << 4 << 2 << "hot";
}

void TestHolding::zoneFaultsNameTheirZone()
{
    QFETCH(QString, fault);
    QFETCH(int, channel);
    QFETCH(int, zone);
    QFETCH(QString, shown);
    HoldingCoordinator *holding = m_cm->holding();
    IoBoardSimulator *sim = m_cm->ioSimulator();
    auto *console = m_cm->findChild<SimulationConsole *>();
    QVERIFY(console);
    const int zones = holding->get_zoneFaults().size();
    QVERIFY(zones > zone);
    QStringList none;
    for (int z = 0; z < zones; ++z)
        none << QString();
    QCOMPARE(holding->get_zoneFaults(), none);
    const auto setFault = [&](bool on) {
        if (fault == QLatin1String("hot")) {
            QVERIFY(console->processLine(QStringLiteral("temp %1 %2").arg(channel).arg(on ? 360 : 160)).startsWith(QLatin1String("ok")));
        } else {
            sim->setProbeState(channel, on ? (fault == QLatin1String("open") ? 2 : 1) : 0);
        }
    };
    if (fault == QLatin1String("hot"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("heater %1 over temperature").arg(channel)));
    setFault(true);
    QStringList expected = none;
    expected[zone] = shown;
    QTRY_COMPARE_WITH_TIMEOUT(holding->get_zoneFaults(), expected, 15000);
    setFault(false);
    QTRY_COMPARE_WITH_TIMEOUT(holding->get_zoneFaults(), none, 15000);
}

void TestHolding::overTemperatureIsStoppedByTheDialog()
{
    HoldingCoordinator *holding = m_cm->holding();
    QSignalSpy cleared(m_cm->errorService(), &TulErrorControllerT::callErrorCodesClearDataProcess);
    m_cm->ioSimulator()->setAmbientTemperature(170);
    QTRY_VERIFY(holding->get_ambientAlarmActive());
    QTRY_VERIFY(toolsLogContains(QStringLiteral("AlarmWrongProduct2.wav")));
    // The dialog's close button.
    m_cm->ioSimulator()->setAmbientTemperature(80);
    emit m_cm->stopAmbientTempAlarm();
    QVERIFY(!holding->get_ambientAlarmActive());
    QTRY_VERIFY(cleared.contains(QList<QVariant>{2, 6, 0, 0}));
}

void TestHolding::heaterOverTemperatureIsSilenced_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("lastSound");
    QTest::newRow("a key click") << "key" << "keystroke.wav";
    QTest::newRow("a pan's chime") << "pan" << "nfcChime.wav";
}

// A heater over its limit sounds the over-temperature alarm, which staff silence as
// they work; it does not come back on its own.
void TestHolding::heaterOverTemperatureIsSilenced()
{
    QFETCH(QString, event);
    QFETCH(QString, lastSound);
    auto *console = m_cm->findChild<SimulationConsole *>();
    QVERIFY(console);
    // Every stocked bin ready to hold: no tray's warning sound is still to come.
    for (int bin : {0, 1, 2, 3, 5, 6, 7, 8, 9})
        QTRY_COMPARE_WITH_TIMEOUT(m_cm->get_trayState(bin), 4, 10000);
    QTRY_VERIFY(!SoundEffect::player()->isPlaying());
    QSignalSpy raised(m_cm->errorService(), &TulErrorControllerT::callErrorCodesDataProcess);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("heater 0 over temperature")));
    QVERIFY(console->processLine(QStringLiteral("temp 0 360")).startsWith(QLatin1String("ok")));
    QTRY_VERIFY(raised.contains(QList<QVariant>{2, 7, 0, 0}));
    Sound *player = SoundEffect::player();
    QTRY_VERIFY(player->isPlaying() && player->currentFile().endsWith(QLatin1String("AlarmWrongProduct2.wav")));

    if (event == QLatin1String("key")) {
        auto *keys = m_cm->findChild<VirtualKeyInput *>();
        QVERIFY(keys);
        emit keys->aKeyWasPressed();
    } else {
        place(0, PanOf21);
    }
    QTRY_VERIFY(player->currentFile().endsWith(lastSound));
    const auto alarmPlays = [this] {
        return m_scratch->toolCalls().filter(QStringLiteral("AlarmWrongProduct2.wav")).size();
    };
    const int plays = alarmPlays();
    QTest::qWait(3500); // longer than one play of the alarm
    QCOMPARE(alarmPlays(), plays); // not taken back up
    QVERIFY(!player->currentFile().endsWith(QLatin1String("AlarmWrongProduct2.wav")));
    if (event == QLatin1String("key"))
        QVERIFY(!player->isPlaying());
}

void TestHolding::fansFollowTheProductsOfBothDisplays_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("fan"); // percent written for the zone
    QTest::newRow("zone of this display") << 0 << 70;
    QTest::newRow("other display's zone, both products") << 5 << 90;
    QTest::newRow("other display's zone, one product") << 7 << 70;
    QTest::newRow("other display's zone, empty") << 9 << 0;
}

// On a 5 x 4 cabinet whose second display handles zones 5-9, the master writes every
// zone's fan: its own zones' from their trays, the others' from the products of their bins.
void TestHolding::fansFollowTheProductsOfBothDisplays()
{
    QFETCH(int, zone);
    QFETCH(int, fan);
    m_cm.reset();
    QVERIFY(QFile::remove(m_scratch->root() + QStringLiteral("5x2_primary_nfc.hcc")));
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("5x4_primary_second.hcc"),
                                     readFile(QStringLiteral(PERSONALITY_FIXTURES "/5x4_primary_second.hcc"))));
    QJsonObject menu = QJsonDocument::fromJson(readFile(QStringLiteral(MENU_FIXTURES "/menu_holding.json"))).object();
    QJsonArray products = menu.value(QStringLiteral("products")).toArray();
    for (int i = 0; i < products.size(); ++i) {
        QJsonObject product = products.at(i).toObject();
        const int id = product.value(QStringLiteral("productId")).toInt();
        product.insert(QStringLiteral("fanSpeed"), id == 21 ? 70 : id == 22 ? 90 : 0);
        products[i] = product;
    }
    menu.insert(QStringLiteral("products"), products);
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("menu.json"), QJsonDocument(menu).toJson()));
    // Bins 11-20 (counted from 1): Sausage, then Patty up to bin 18, the last two empty.
    QJsonObject dayParts = QJsonDocument::fromJson(readFile(QStringLiteral(HOLDING_FIXTURES "/dayParts.json"))).object();
    QJsonArray layout = dayParts.value(QStringLiteral("layout")).toArray();
    QJsonObject first = layout.at(0).toObject();
    QJsonArray locations = first.value(QStringLiteral("productLocations")).toArray();
    for (int bin = 11; bin <= 20; ++bin)
        locations.append(QJsonObject{{QStringLiteral("bin"), bin},
                                     {QStringLiteral("productId"), bin == 11 ? 22 : bin <= 18 ? 21 : 0}});
    first.insert(QStringLiteral("productLocations"), locations);
    layout[0] = first;
    dayParts.insert(QStringLiteral("layout"), layout);
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("dayParts.json"), QJsonDocument(dayParts).toJson()));

    m_cm.reset(new CabinetManager(0, 7));
    QVERIFY(m_cm->ioSimulator());
    QTRY_COMPARE_WITH_TIMEOUT(int(m_cm->ioSimulator()->registerValue(
                                  IoRegisterMap::IoBoardNode, quint16(IoRegisterMap::FanTargetFirst + zone))),
                              fan, 10000);
}

void TestHolding::unconfiguredBoardIsLogged_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("line"); // codes of the error-log line
    QTest::newRow("board silent to its first read") << int(IoBoardSimulator::Silent) << "1\t1\t0\t0";
    QTest::newRow("board refuses its first read") << int(IoBoardSimulator::Exception) << "1\t2\t0\t0";
}

// An IO board that cannot be configured at start is in the error log, not only in the
// debug output.
void TestHolding::unconfiguredBoardIsLogged()
{
    QFETCH(int, fault);
    QFETCH(QString, line);
    m_cm.reset();
    const int timeout = IoBoardConfiguration::replyTimeoutMs;
    IoBoardConfiguration::replyTimeoutMs = 100;
    m_cm.reset(new CabinetManager(0, 7));
    IoBoardConfiguration::replyTimeoutMs = timeout;
    // Before the event loop runs: the configuration has not asked the board yet.
    QVERIFY(m_cm->ioSimulator()->setRegisterFault(IoRegisterMap::IoBoardNode, IoRegisterMap::BoardIdentity,
                                                  IoBoardSimulator::RegisterFault(fault)));
    QSignalSpy powerOn(m_cm.data(), &CabinetCore::powerOn);
    QTRY_VERIFY_WITH_TIMEOUT(!powerOn.isEmpty(), 10000);
    QCOMPARE(m_cm->configManager()->get_systemConfigured(), false);
    const auto logged = [&line] {
        const QStringList files = QDir(ErrorLogFiles::logDir()).entryList(QDir::Files);
        for (const QString &file : files)
            if (QString::fromUtf8(readFile(ErrorLogFiles::logDir() + file)).contains(line))
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(logged(), 5000);
}

void TestHolding::tagAtBinIsWhatTheReaderReads_data()
{
    QTest::addColumn<int>("bin");
    QTest::addColumn<quint64>("uid");
    QTest::addColumn<bool>("lifted");
    QTest::newRow("held pan") << 0 << PanOf21 << false;
    QTest::newRow("held pan lifted") << 0 << PanOf21 << true;
    QTest::newRow("tag on a bin without a product") << 4 << quint64(0x7E57) << false;
    QTest::newRow("pan of another product") << 3 << PanOf21 << false;
}

// The factory's tag-read report asks what lies on each bin now.
void TestHolding::tagAtBinIsWhatTheReaderReads()
{
    QFETCH(int, bin);
    QFETCH(quint64, uid);
    QFETCH(bool, lifted);
    QCOMPARE(m_cm->getTagUidAtBin(uchar(bin)), quint64(0));
    place(bin, uid);
    QTRY_COMPARE(m_cm->getTagUidAtBin(uchar(bin)), uid);
    if (!lifted)
        return;
    QTRY_VERIFY(m_cm->get_trayState(bin) >= Standard);
    lift(bin);
    QTRY_COMPARE(m_cm->getTagUidAtBin(uchar(bin)), quint64(0));
    QVERIFY(m_cm->get_trayState(bin) >= Standard); // the hold goes on without its pan
}

void TestHolding::binsCarryTheirTimerColour_data()
{
    QTest::addColumn<int>("bin");
    QTest::addColumn<QString>("colour");
    QTest::newRow("product with a colour") << 1 << "#ff0000";
    QTest::newRow("product without one") << 3 << "#fffffd";
    QTest::newRow("bin without a product") << 4 << "";
}

// What the bin tile colours its timer with: the product's own colour from the menu.
void TestHolding::binsCarryTheirTimerColour()
{
    QFETCH(int, bin);
    QFETCH(QString, colour);
    m_cm.reset();
    QJsonObject menu = QJsonDocument::fromJson(readFile(QStringLiteral(MENU_FIXTURES "/menu_holding.json"))).object();
    QJsonArray products = menu.value(QStringLiteral("products")).toArray();
    for (int i = 0; i < products.size(); ++i) {
        QJsonObject product = products.at(i).toObject();
        if (product.value(QStringLiteral("productId")).toInt() == 21)
            product.insert(QStringLiteral("timerColor"), QStringLiteral("#ff0000"));
        products[i] = product;
    }
    menu.insert(QStringLiteral("products"), products);
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("menu.json"), QJsonDocument(menu).toJson()));
    startCabinet();
    QObject *view = m_cm->holding()->get_bins().at(bin);
    QCOMPARE(view->property("timerColor").toString(), colour);
    if (colour.isEmpty())
        return;
    m_cm->holding()->toggleBin(bin); // holding keeps it
    QTRY_VERIFY(m_cm->get_trayState(bin) >= Standard);
    QCOMPARE(view->property("timerColor").toString(), colour);
}

void TestHolding::tagStoreSurvivesARestart()
{
    place(0, PanOf21);
    place(2, OtherPanOf21);
    QTRY_COMPARE(m_cm->getTagUidAtBin(2), OtherPanOf21);
    m_cm.reset();
    startCabinet();
    NFCmanager *nfc = m_cm->holding()->nfcManager();
    QVERIFY(nfc->doWeOwnThisTag2(PanOf21));
    QVERIFY(nfc->doWeOwnThisTag2(OtherPanOf21));
    QCOMPARE(m_cm->getTagUidAtBin(0), PanOf21);
    QCOMPARE(m_cm->getTagUidAtBin(2), OtherPanOf21);
}

void TestHolding::consoleDrivesTheSimulation_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("bin");       // whose state to wait for, -1 none
    QTest::addColumn<int>("state");
    QTest::newRow("tap starts") << "tap 1" << "ok" << 1 << Standard;
    QTest::newRow("tagged pan starts") << "tag 2 150000000a01" << "ok" << 2 << Standard;
    QTest::newRow("state") << "state 4" << "bin 4: unassigned, 0 s left, product 0 (state code 1)" << -1 << 0;
    QTest::newRow("bin outside the cabinet") << "tap 10" << "error" << -1 << 0;
    QTest::newRow("uid 0") << "tag 2 0" << "error: bad uid" << -1 << 0;
    QTest::newRow("not hexadecimal") << "tag 2 xyz" << "error: bad uid" << -1 << 0;
    QTest::newRow("probe state") << "probe 3 sideways" << "error: bad heater or state" << -1 << 0;
    QTest::newRow("node") << "silent 4 on" << "error" << -1 << 0;
    QTest::newRow("empty") << "   " << "error: empty command" << -1 << 0;
}

void TestHolding::consoleDrivesTheSimulation()
{
    QFETCH(QString, line);
    QFETCH(QString, answer);
    QFETCH(int, bin);
    QFETCH(int, state);
    auto *console = m_cm->findChild<SimulationConsole *>();
    QVERIFY(console);
    const QString got = console->processLine(line);
    QVERIFY2(got.startsWith(answer), qPrintable(got));
    if (bin >= 0)
        QTRY_COMPARE(m_cm->get_trayState(bin), state);
}

// ---- holding that survives a power cut ----------------------------------------------------

QList<QJsonObject> TestHolding::haccpRecordsOfBin(int bin)
{
    QList<QJsonObject> list;
    const QJsonArray records = QJsonDocument::fromJson(readFile(FileLogWorker::logPath())).object().value("haccpInfo").toArray();
    for (const QJsonValue &r : records)
        if (r.toObject().value("b").toInt() == bin)
            list << r.toObject();
    return list;
}

// Holds of the screen and of a pan, and the day part in force, written by the cabinet
// itself; then the objects go without a clean stop and come back on the same files.
void TestHolding::holdsComeBackAfterACut()
{
    AlarmTimings::setScale(1.0);
    // A second day part that puts another product in bin 0.
    QJsonObject dayParts = QJsonDocument::fromJson(readFile(m_scratch->root() + "dayParts.json")).object();
    QJsonArray layout = dayParts.value("layout").toArray();
    QJsonObject dinner = layout.at(0).toObject();
    dinner["daypartName"] = QJsonObject{{"eng_USA", "Dinner"}};
    QJsonArray locations = dinner.value("productLocations").toArray();
    locations[0] = QJsonObject{{"bin", 1}, {"productId", 22}}; // bins count from 1 here
    locations[5] = QJsonObject{{"bin", 6}, {"productId", 22}};
    dinner["productLocations"] = locations;
    layout.append(dinner);
    dayParts["layout"] = layout;
    QVERIFY(m_scratch->writeRootFile("dayParts.json", QJsonDocument(dayParts).toJson()));
    m_cm.reset();
    startCabinet();
    QCOMPARE(m_cm->daypartManager()->getDayPartsCount(), 2);

    HoldingCoordinator *holding = m_cm->holding();
    holding->toggleBin(1);
    place(2, PanOf21);
    QTRY_COMPARE(m_cm->get_trayState(2), Standard);
    holding->toggleBin(0);
    m_cm->daypartManager()->set_nextDayPart(1); // bin 0 holds on with product 21
    QTRY_COMPARE(m_cm->holding()->trayOfBin(5)->get_productId(), 22);
    HoldingStateFile::Content written;
    QTRY_VERIFY([&] {
        QStringList skipped;
        QString why;
        return HoldingStateFile::read(&written, &skipped, &why) == HoldingStateFile::Read::Ok
            && written.bins.size() == 3 && written.dayPart == 1;
    }());
    QTRY_COMPARE(haccpRecordsOfBin(2).size(), 1);
    const qint64 expiry1 = holding->getTrayInfo(1).expectedTime;

    m_cm.reset(); // the cut: nothing saved on the way out counts
    QSignalSpy *started = nullptr;
    startCabinet([&] { started = new QSignalSpy(m_cm.data(), &CabinetManager::event_holdStarted); });
    QScopedPointer<QSignalSpy> startedOwner(started);
    holding = m_cm->holding();
    QTRY_COMPARE(m_cm->daypartManager()->get_nextDayPart(), 1);
    QTRY_COMPARE(holding->trayOfBin(5)->get_productId(), 22);
    for (int bin : {0, 1, 2})
        QTRY_COMPARE(m_cm->get_trayState(bin), Standard);
    QCOMPARE(holding->trayOfBin(0)->get_productId(), 21);
    QCOMPARE(holding->trayOfBin(2)->get_panUid(), PanOf21);
    QVERIFY(qAbs(holding->getTrayInfo(1).expectedTime - expiry1) <= 1500);
    QVERIFY(qAbs(holding->getTrayInfo(1).remainingTime
                 - (expiry1 - QDateTime::currentMSecsSinceEpoch()) / 1000) <= 1);
    QCOMPARE(started->count(), 0); // neither the cloud nor the HACCP log hears of a new hold
    // Each hold keeps its one open record, and its stop closes it.
    QTest::qWait(300);
    for (int bin : {0, 1, 2}) {
        QCOMPARE(haccpRecordsOfBin(bin).size(), 1);
        QCOMPARE(haccpRecordsOfBin(bin).first().value("h").toString(), QStringLiteral("----"));
    }
    holding->toggleBin(0);
    QTRY_VERIFY(haccpRecordsOfBin(0).size() == 1 && haccpRecordsOfBin(0).first().value("h") != QStringLiteral("----"));
    // Bin 0 goes back to what the day part in force puts there.
    QTRY_COMPARE(holding->trayOfBin(0)->get_productId(), 22);
}

// A holding state file as the cabinet would have written it, with the open HACCP record of
// its hold; each row says what comes back.
void TestHolding::holdingStateIsRestored_data()
{
    QTest::addColumn<int>("bin");
    QTest::addColumn<int>("savedState");
    QTest::addColumn<int>("product");
    QTest::addColumn<int>("expiresIn");  // seconds after now
    QTest::addColumn<int>("writtenAgo"); // seconds before now; negative: the clock was set back
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("state");      // of the bin once restored
    QTest::addColumn<int>("remaining");
    QTest::addColumn<int>("expiredEvents");
    QTest::addColumn<QString>("duration"); // of the bin's HACCP record afterwards

    QTest::newRow("time left") << 1 << Standard << 21 << 70 << 5 << "" << Standard << 70 << 0 << "----";
    QTest::newRow("past its warning") << 1 << Warning << 21 << 20 << 5 << "" << Warning << 20 << 0 << "----";
    QTest::newRow("ran out while the power was off") << 1 << Standard << 21 << -100 << 5 << "" << Discard << -100 << 1 << "----";
    QTest::newRow("ran out before the cut, already reported") << 1 << Discard << 21 << -100 << 5 << "" << Discard << -100 << 0 << "----";
    QTest::newRow("clock set back: the time left when written") << 1 << Standard << 21 << 3670 << -3600 << "" << Standard << 70 << 0 << "----";
    QTest::newRow("damaged entry costs its bin only") << 1 << Standard << 21 << 70 << 5 << "second entry" << Standard << 70 << 0 << "----";
    QTest::newRow("product gone: record closed at the last write") << 1 << Standard << 999 << 60 << 5 << "" << 4 << 0 << 0 << "00:00:30";
    QTest::newRow("product gone after its time ran out") << 1 << Standard << 999 << -10 << 5 << "" << 4 << 0 << 0 << "00:00:30 expired";
    QTest::newRow("bin no longer in the cabinet") << 12 << Standard << 21 << 60 << 5 << "" << 0 << 0 << 0 << "00:00:30";
    QTest::newRow("unreadable file restores nothing") << 1 << Standard << 21 << 60 << 5 << "unreadable" << 4 << 0 << 0 << "closed";
}

void TestHolding::holdingStateIsRestored()
{
    QFETCH(int, bin);
    QFETCH(int, savedState);
    QFETCH(int, product);
    QFETCH(int, expiresIn);
    QFETCH(int, writtenAgo);
    QFETCH(QString, damage);
    QFETCH(int, state);
    QFETCH(int, remaining);
    QFETCH(int, expiredEvents);
    QFETCH(QString, duration);
    AlarmTimings::setScale(1.0);
    m_cm.reset();

    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 written = now - qint64(writtenAgo) * 1000;
    HoldingStateFile::Bin entry;
    entry.bin = bin;
    entry.state = savedState;
    entry.productId = product;
    entry.expiry = now + qint64(expiresIn) * 1000;
    entry.start = written - 30000;
    if (entry.expiry < entry.start)
        entry.start = entry.expiry - 90000; // the product's whole hold before it ran out
    HoldingStateFile::Content content;
    content.written = written;
    content.dayPart = 0;
    content.bins << entry;
    QByteArray file = HoldingStateFile::encode(content);
    if (damage == QLatin1String("second entry"))
        file.replace("}]}", R"(},{"bin":"x","state":6}]})");
    else if (damage == QLatin1String("unreadable"))
        file.chop(3);
    QVERIFY(m_scratch->writeRootFile("trayBarInfo.json", file));

    QSignalSpy *expired = nullptr;
    startCabinet([&] {
        expired = new QSignalSpy(m_cm.data(), &CabinetManager::event_holdExpired);
        // The hold's open record, in the cabinet's own time.
        QDateTime start = QDateTime::fromMSecsSinceEpoch(entry.start);
        const QDateTime local = m_cm->adjustToLocalDateTime(start);
        const QJsonObject record{{"b", bin}, {"d", local.toString("yyyy/MM/dd")}, {"e", false}, {"h", "----"},
                                 {"p", "Chicken"}, {"t", local.toString("HH:mm:ss")}};
        QVERIFY(m_scratch->writeRootFile("haccpLogs/haccpLog.json",
            QJsonDocument(QJsonObject{{"desc", "HACCP Data Log"}, {"haccpInfo", QJsonArray{record}}})
                .toJson(QJsonDocument::Compact)));
    });
    QScopedPointer<QSignalSpy> expiredOwner(expired);
    HoldingCoordinator *holding = m_cm->holding();
    QTRY_COMPARE(m_cm->get_trayState(bin), state);
    if (state >= Standard)
        QVERIFY2(qAbs(holding->getTrayInfo(bin).remainingTime - remaining) <= 2,
                 qPrintable(QString::number(holding->getTrayInfo(bin).remainingTime)));
    QTest::qWait(300);
    QCOMPARE(expired->count(), expiredEvents);

    QList<QJsonObject> records;
    QTRY_VERIFY((records = haccpRecordsOfBin(bin)).size() == 1
                && (duration == QLatin1String("----")) == (records.first().value("h") == QStringLiteral("----")));
    const QJsonObject record = records.first();
    if (duration.startsWith(QLatin1String("00:"))) {
        QCOMPARE(record.value("h").toString(), duration.left(8));
        QCOMPARE(record.value("e").toBool(), duration.endsWith(QLatin1String("expired")));
    }
    if (damage == QLatin1String("unreadable")) {
        // Left for a person to look at, until a change is written beside it.
        QCOMPARE(readFile(HoldingStateFile::path()), file);
        holding->toggleBin(2);
        QTRY_VERIFY(readFile(HoldingStateFile::path()) != file);
        const QStringList aside = QDir(m_scratch->root()).entryList({"trayBarInfo.json.unusable-*"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readFile(m_scratch->root() + aside.first()), file);
    }
}

QTEST_MAIN(TestHolding)
#include "tst_holding.moc"

// A pan held until it had to be discarded and one taken out early are both in the HACCP
// log, newest first, with their durations, and in the CSV export.
void TestHolding::holdsReachTheHaccpLogAndItsExport()
{
    HoldingCoordinator *holding = m_cm->holding();
    // The day of the start in the cabinet's own time zone; two when the start meets midnight.
    const auto today = [this] {
        QDateTime now = QDateTime::currentDateTime();
        return m_cm->adjustToLocalDateTime(now).toString(QStringLiteral("yyyy/MM/dd"));
    };
    const QStringList startDays{today()};
    holding->toggleBin(1);
    const QStringList startDaysAfter = startDays + QStringList{today()};
    QTRY_COMPARE(m_cm->get_trayState(1), Discard);
    // The bin shows Discard when no time is left; its record says expired once it ran past.
    QTRY_VERIFY(holding->getTrayInfo(1).remainingTime < 0);
    holding->toggleBin(1);
    holding->toggleBin(5);
    QTest::qWait(400);  // about 20 s of the holding clock
    holding->toggleBin(5);

    QJsonArray records;
    // Each start record is replaced by its finished one.
    auto finishedRecords = [&records] {
        records = QJsonDocument::fromJson(readFile(FileLogWorker::logPath())).object().value("haccpInfo").toArray();
        for (const QJsonValue &r : qAsConst(records))
            if (r.toObject().value("h").toString() == QLatin1String("----"))
                return -1;
        return records.size();
    };
    QTRY_COMPARE(finishedRecords(), 2);
    const QJsonObject early = records.at(0).toObject();
    const QJsonObject discarded = records.at(1).toObject();
    QCOMPARE(early.value("b").toInt(), 5);
    QCOMPARE(early.value("e").toBool(), false);
    const QString earlyDuration = early.value("h").toString();
    QVERIFY2(earlyDuration >= "00:00:10" && earlyDuration < "00:01:00", qPrintable(earlyDuration));
    QCOMPARE(discarded.value("b").toInt(), 1);
    QCOMPARE(discarded.value("e").toBool(), true);
    const QString heldDuration = discarded.value("h").toString();
    QVERIFY2(heldDuration >= "00:01:30" && heldDuration < "00:03:00", qPrintable(heldDuration));
    QVERIFY2(startDaysAfter.contains(discarded.value("d").toString()), qPrintable(discarded.value("d").toString()));

    HaccpController *haccp = m_cm->haccpController();
    QSignalSpy exported(haccp, &HaccpController::exportHaccpLogDone);
    haccp->exportHaccpLog();
    QTRY_COMPARE(exported.count(), 1);
    QCOMPARE(exported.at(0).at(0).toString(), QStringLiteral("OK"));
    const QStringList files = QDir(m_scratch->flash()).entryList({"holdingLog_*.csv"});
    QCOMPARE(files.size(), 1);
    const QList<QByteArray> lines = readFile(m_scratch->flash() + files.first()).split('\n');
    QCOMPARE(lines.size(), 4);  // header, two records, nothing after the last line end
    const int perShelf = m_cm->get_traysPerZone() * m_cm->get_zonesPerRow();
    auto csvStart = [](const QJsonObject &r) {
        return (r.value("d").toString().mid(5) + " " + r.value("t").toString().left(5)).toUtf8();
    };
    QCOMPARE(lines.at(1), early.value("p").toString().toUtf8() + "," + QByteArray::number(5 / perShelf + 1)
                              + "," + csvStart(early) + ",No," + earlyDuration.left(5).toUtf8() + ",");
    QCOMPARE(lines.at(2), discarded.value("p").toString().toUtf8() + "," + QByteArray::number(1 / perShelf + 1)
                              + "," + csvStart(discarded) + ",Yes," + heldDuration.left(5).toUtf8() + ",");
}

// An error and a hold made in the same second read the same time in the Errors Log and
// the Holding Log: the cabinet's, in the zone the settings hold, as the clock shows it.
void TestHolding::errorAndHoldingLogsKeepOneClock_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<bool>("dst");
    QTest::newRow("first start: UTC-12:00, daylight saving") << 0 << true;
    QTest::newRow("UTC+05:45") << 23 << false;
    QTest::newRow("UTC, daylight saving") << 14 << true;
}

void TestHolding::errorAndHoldingLogsKeepOneClock()
{
    QFETCH(int, zone);
    QFETCH(bool, dst);
    ConfigurationManager *config = m_cm->configManager();
    config->set_timeZoneIndex(zone);
    config->set_dstEnabled(dst);
    TulErrorControllerT *errors = m_cm->errorService();
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    QSignalSpy raised(errors, &TulErrorControllerT::notifyError);
    m_cm->holding()->toggleBin(1);
    errors->errorCodesDataProcess(2, 0, 3, 0);
    QTRY_COMPARE(raised.count(), 1);
    // The cloud's seconds stay the real instant, whatever the zone.
    QVERIFY(qAbs(raised.at(0).at(0).toString().toLongLong() - before) <= 2);
    QTRY_COMPARE(haccpRecordsOfBin(1).size(), 1);
    const QJsonObject hold = haccpRecordsOfBin(1).first();

    ErrorInfoModel *model = errors->get_errorInfoModel();
    errors->clearErrorLogList();
    errors->retrieveAllErrorLogs();
    QTRY_VERIFY(model->rowCount() >= 1);
    const QDateTime errorShown = QDateTime::fromString(model->getData(0, 0).toString() + " " + model->getData(0, 1).toString(),
                                                      QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    const QDateTime holdShown = QDateTime::fromString(hold.value("d").toString() + " " + hold.value("t").toString(),
                                                     QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    QVERIFY2(errorShown.isValid() && holdShown.isValid(), qPrintable(model->getData(0, 1).toString()));
    QVERIFY2(qAbs(errorShown.secsTo(holdShown)) <= 1,
             qPrintable(errorShown.toString() + " against " + holdShown.toString()));
    // Both are what the Date and Time page shows for that instant.
    const QVariantMap clock = config->localClock(double(before) * 1000, zone, dst, false);
    const QDateTime clockShown = QDateTime::fromString(clock.value("date").toString() + " " + clock.value("time").toString(),
                                                      QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QVERIFY2(qAbs(clockShown.secsTo(errorShown)) <= 2, qPrintable(clockShown.toString() + " against " + errorShown.toString()));
    m_cm->holding()->toggleBin(1);
}

void TestHolding::binNamesFollowTheLanguage_data()
{
    QTest::addColumn<bool>("otherDisplaysBin"); // no tray of its own on this display
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::newRow("own bin, named in Spanish") << false << "spa" << "Carne";
    QTest::newRow("own bin, not named in German") << false << "deu" << "Patty";
    QTest::newRow("other display's bin, named in Spanish") << true << "spa" << "Carne";
    QTest::newRow("other display's bin, not named in Japanese") << true << "jpn" << "Patty";
}

void TestHolding::binNamesFollowTheLanguage()
{
    QFETCH(bool, otherDisplaysBin);
    QFETCH(QString, language);
    QFETCH(QString, name);
    if (otherDisplaysBin) {
        // The second display of a 5x4 cabinet: the first ten bins are the primary's.
        m_cm.reset();
        QVERIFY(QFile::remove(m_scratch->root() + QStringLiteral("5x2_primary_nfc.hcc")));
        QVERIFY(m_scratch->writeRootFile(QStringLiteral("5x4_second.hcc"),
                                         readFile(QStringLiteral(PERSONALITY_FIXTURES "/5x4_second.hcc"))));
        m_cm.reset(new CabinetManager(0, 7));
        QVERIFY(!m_cm->get_iAmMaster());
    }
    BinView *bin = m_cm->holding()->binView(2);
    QVERIFY(bin);
    QTRY_COMPARE(bin->get_productName(), QStringLiteral("Patty"));
    m_cm->translator()->setLanguageByString(language);
    QTRY_COMPARE(bin->get_productName(), name);
    m_cm->translator()->setLanguageByString(QStringLiteral("eng_USA"));
    QTRY_COMPARE(bin->get_productName(), QStringLiteral("Patty"));
}
