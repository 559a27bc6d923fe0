// The IO-board manager against the simulated IO board and NFC readers on a pseudo-terminal:
// the whole Modbus path runs as on the device, with short reply time-outs.
#include "bininfo.h"
#include "fakecabinetcore.h"
#include "ioboardsimulator.h"
#include "ioregistermap.h"
#include "masteriomanager.h"
#include "personalitytypes.h"
#include "qmodbusmaster.h"
#include "qmodbuspollinfo.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace IoRegisterMap;

using Quad = QVector<int>;
Q_DECLARE_METATYPE(Quad)

class TestMasterIoManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void setPointsLandOnMappedChannels_data();
    void setPointsLandOnMappedChannels();
    void actualTempsReachZones_data();
    void actualTempsReachZones();
    void errorsRaisedAndCleared_data();
    void errorsRaisedAndCleared();
    void binTagRead_data();
    void binTagRead();
    void eolHeaterTests_data();
    void eolHeaterTests();
    void eolTempErrorDescription_data();
    void eolTempErrorDescription();
    void preheatReportedAfterStart();
    void fanTargetsLandOnMappedZones_data();
    void fanTargetsLandOnMappedZones();

private:
    void startManager();
    QVector<int> setPointRegisters() const;
    static QList<Quad> quads(const QSignalSpy &spy);

    IoBoardSimulator *m_sim = nullptr;
    QModbusMaster *m_master = nullptr;
    FakeCabinetCore *m_core = nullptr;
    MasterIoManager *m_io = nullptr;
};

static const QList<int> Reversed{9, 8, 7, 6, 5, 4, 3, 2, 1, 0};

void TestMasterIoManager::init()
{
    m_sim = new IoBoardSimulator;
    if (!m_sim->open())
        QSKIP("no pseudo-terminals on this system");
    m_master = new QModbusMaster;
    QVERIFY(m_master->openSerialPort(m_sim->devicePath()));
    m_master->start();
    m_core = new FakeCabinetCore;
    m_core->numberOfZones = 10;
    m_core->traysPerZone = 2;
    m_io = new MasterIoManager(m_master, m_core);
    m_io->setPollReplyTimeout(60);
}

void TestMasterIoManager::cleanup()
{
    delete m_core; // the manager and its poll records go before the master
    m_core = nullptr;
    m_io = nullptr;
    delete m_master;
    m_master = nullptr;
    delete m_sim;
    m_sim = nullptr;
}

void TestMasterIoManager::startManager()
{
    m_io->start();
    QTRY_VERIFY(m_io->get_isRunning());
}

QVector<int> TestMasterIoManager::setPointRegisters() const
{
    QVector<int> values;
    for (int h = 0; h < HeaterCount; ++h)
        values << m_sim->registerValue(IoBoardNode, quint16(HeaterSetPointFirst + h));
    return values;
}

QList<Quad> TestMasterIoManager::quads(const QSignalSpy &spy)
{
    QList<Quad> list;
    for (const QList<QVariant> &args : spy)
        list << Quad{args.at(0).toInt(), args.at(1).toInt(), args.at(2).toInt(), args.at(3).toInt()};
    return list;
}

void TestMasterIoManager::setPointsLandOnMappedChannels_data()
{
    QTest::addColumn<QList<int>>("map");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("uiZone");
    QTest::addColumn<int>("lowerChannel"); // -1: nothing set

    QTest::newRow("no map") << QList<int>{} << false << 3 << 6;
    QTest::newRow("reversed map") << Reversed << false << 3 << 12;
    QTest::newRow("reversed map, last zone") << Reversed << false << 9 << 0;
    QTest::newRow("map too short") << QList<int>{1, 0} << true << 3 << 6;
    QTest::newRow("entry beyond the zones") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 10} << true << 3 << 6;
    QTest::newRow("negative entry") << QList<int>{9, 8, 7, -6, 5, 4, 3, 2, 1, 0} << true << 3 << 6;
    QTest::newRow("zone twice") << QList<int>{9, 9, 7, 6, 5, 4, 3, 2, 1, 0} << true << 3 << 6;
    QTest::newRow("ui zone beyond the zones") << Reversed << false << 10 << -1;
    QTest::newRow("negative ui zone") << QList<int>{} << false << -1 << -1;
}

void TestMasterIoManager::setPointsLandOnMappedChannels()
{
    QFETCH(QList<int>, map);
    QFETCH(bool, refused);
    QFETCH(int, uiZone);
    QFETCH(int, lowerChannel);

    if (refused)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^ui2mioZoneMap \\[.*\\] refused"));
    m_io->setUi2MioZoneMap(map);
    if (lowerChannel < 0)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("zone targets for zone -?\\d+ ignored"));
    m_io->setZoneTargets(uiZone, 165, 180);

    QVector<int> expected(HeaterCount, 0);
    if (lowerChannel >= 0) {
        expected[lowerChannel] = 165;
        expected[lowerChannel + 1] = 180;
    }
    QCOMPARE(m_io->heaterTargets(), expected);
    QSignalSpy written(m_sim, &IoBoardSimulator::registersWritten);
    startManager();
    QTRY_VERIFY(!written.isEmpty());
    QCOMPARE(written.at(0).at(1).toInt(), int(HeaterSetPointFirst));
    QCOMPARE(setPointRegisters(), expected);

    // Later changes go out with the next periodic write.
    m_io->setZoneTargets(0, 150, 0);
    expected[2 * (map.isEmpty() || refused ? 0 : map.at(0))] = 150;
    QTRY_COMPARE(setPointRegisters(), expected);
}

void TestMasterIoManager::actualTempsReachZones_data()
{
    QTest::addColumn<QList<int>>("map");
    QTest::newRow("no map") << QList<int>{};
    QTest::newRow("reversed map") << Reversed;
}

void TestMasterIoManager::actualTempsReachZones()
{
    QFETCH(QList<int>, map);
    m_io->setUi2MioZoneMap(map);
    for (int h = 0; h < HeaterCount; ++h)
        QVERIFY(m_sim->setTemperature(h, qint16(100 + h)));
    m_sim->setTemperature(19, -3);
    QSignalSpy temps(m_io, &MasterIoManager::zoneActualTemps);
    startManager();
    QTRY_COMPARE(temps.count(), 10);
    for (int zone = 0; zone < 10; ++zone) {
        const int io = map.isEmpty() ? zone : map.at(zone);
        const int upper = io == 9 ? -3 : 101 + 2 * io;
        QCOMPARE(temps.at(zone), (QList<QVariant>{zone, 100 + 2 * io, upper}));
        QCOMPARE(m_io->eolGetActualTemp(zone, 0), 100 + 2 * io);
    }
    QCOMPARE(m_io->get_binInfoList().size(), HeaterCount);
    QCOMPARE(m_io->get_binInfoList().at(7)->get_actualTemp(), 107);

    // The poll goes on: a new reading arrives with a later round.
    m_sim->setTemperature(4, 140);
    const int zone = map.isEmpty() ? 2 : 7;
    QTRY_COMPARE(m_io->eolGetActualTemp(zone, 0), 140);
}

enum Fault { AmbientHot, HeaterHot, BoardInError, Reader1Silent, Reader2Failed, IoBoardSilent };

void TestMasterIoManager::errorsRaisedAndCleared_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<Quad>("quad");
    QTest::addColumn<QString>("alarm"); // the alarm signal raised with it
    QTest::addColumn<QString>("poll");  // the manager's poll record that sees the fault

    QTest::newRow("ambient at the limit") << int(AmbientHot) << Quad{2, 6, 0, 0} << "ambient" << "fanAmbientPoll";
    QTest::newRow("heater at the limit") << int(HeaterHot) << Quad{2, 7, 13, 0} << "heater" << "temperaturePoll";
    QTest::newRow("board 3 in error") << int(BoardInError) << Quad{4, 2, 3, 0} << "" << "boardStatePoll";
    QTest::newRow("reader 1 silent") << int(Reader1Silent) << Quad{5, 1, 0, 0} << "" << "nfcReaderPoll2";
    QTest::newRow("reader 2 reports an error") << int(Reader2Failed) << Quad{5, 2, 0, 0} << "" << "nfcReaderPoll3";
    QTest::newRow("IO board silent") << int(IoBoardSilent) << Quad{} << "" << "temperaturePoll";
}

void TestMasterIoManager::errorsRaisedAndCleared()
{
    QFETCH(int, fault);
    QFETCH(Quad, quad);
    QFETCH(QString, alarm);

    NfcPollingInfo table;
    table.addressCount = 2;
    table.pollOrderCount = 1;
    table.group[0][0].address = NfcReader1Node;
    table.group[0][0].count = 1;
    table.group[0][0].entries[0] = {0, 0};
    table.group[1][0].address = NfcReader2Node;
    table.group[1][0].count = 1;
    table.group[1][0].entries[0] = {0, 10};
    m_io->setNfcPollingInfo(&table);
    QCOMPARE(m_io->get_numOfNfcBoards(), 2);

    QSignalSpy raised(m_io, &MasterIoManager::errorInfo);
    QSignalSpy cleared(m_io, &MasterIoManager::errorClearInfo);
    QSignalSpy ambientAlarm(m_io, &MasterIoManager::ambientTemperatureAlarm);
    QSignalSpy heaterAlarm(m_io, &MasterIoManager::heaterHighTempAlarm);
    QSignalSpy link(m_io, &MasterIoManager::modbusLinkBroken);
    QFETCH(QString, poll);
    auto *record = m_io->findChild<QModbusPollInfo *>(poll);
    QVERIFY(record);
    QSignalSpy good(record, &QModbusPollInfo::pollReplyGood);
    int replies = 0; // answered or given up
    connect(record, &QModbusPollInfo::pollReplyGood, this, [&] { ++replies; });
    connect(record, &QModbusPollInfo::pollReplyTimedOut, this, [&] { ++replies; });
    startManager();
    m_io->startNfcScanning();
    QTRY_VERIFY(!good.isEmpty());
    QVERIFY(raised.isEmpty());

    auto apply = [&](bool on) {
        switch (fault) {
        case AmbientHot: m_sim->setAmbientTemperature(on ? 150 : 149); break;
        case HeaterHot: m_sim->setTemperature(13, on ? 350 : 349); break;
        case BoardInError: m_sim->setBoardFailed(3, on); break;
        case Reader1Silent: m_sim->setNodeSilent(NfcReader1Node, on); break;
        case Reader2Failed: m_sim->setReaderFailed(NfcReader2Node, on); break;
        case IoBoardSilent: m_sim->setNodeSilent(IoBoardNode, on); break;
        }
    };

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".")); // each fault is logged once
    apply(true);
    if (fault == IoBoardSilent) {
        QTRY_COMPARE(link.count(), 1);
        QCOMPARE(link.at(0).at(0).toBool(), true);
    } else {
        QTRY_COMPARE(quads(raised), QList<Quad>{quad});
    }
    QCOMPARE(m_io->getIoCommErrorDetected(), fault == BoardInError);
    QCOMPARE(m_io->getNfcErrorDetected(), fault == Reader1Silent || fault == Reader2Failed);
    QCOMPARE(ambientAlarm.count(), alarm == "ambient" ? 1 : 0);
    QCOMPARE(heaterAlarm.count(), alarm == "heater" ? 1 : 0);

    // A standing fault is reported once however often it is polled.
    replies = 0;
    QTRY_VERIFY(replies >= (fault == IoBoardSilent ? 2 : 1));
    QCOMPARE(raised.count(), fault == IoBoardSilent ? 0 : 1);
    QCOMPARE(link.count(), fault == IoBoardSilent ? 1 : 0);

    apply(false);
    if (fault == AmbientHot) {
        // Latched until the cook closes the over-temperature message.
        good.clear();
        QTRY_VERIFY(good.count() >= 1);
        QVERIFY(cleared.isEmpty());
        m_io->resetAmbientTempAlarm();
        m_io->resetAmbientTempAlarm();
        QCOMPARE(quads(cleared), QList<Quad>{quad});
    } else if (fault == IoBoardSilent) {
        QTRY_COMPARE(link.count(), 2);
        QCOMPARE(link.at(1).at(0).toBool(), false);
        QVERIFY(raised.isEmpty());
    } else {
        QTRY_COMPARE(quads(cleared), QList<Quad>{quad});
    }
    QVERIFY(!m_io->getIoCommErrorDetected());
    QVERIFY(!m_io->getNfcErrorDetected());
    QCOMPARE(raised.count(), fault == IoBoardSilent ? 0 : 1);
    disconnect(record, nullptr, this, nullptr);
}

void TestMasterIoManager::binTagRead_data()
{
    QTest::addColumn<int>("node");
    QTest::addColumn<int>("channel");
    QTest::addColumn<quint64>("uid");
    QTest::addColumn<bool>("presentWithoutUid");
    QTest::addColumn<qint64>("bin4"); // what every reply reports for bin 4; -1: nothing
    QTest::addColumn<qint64>("bin7");

    const quint64 uid = 0x8000123456789ABCull;
    QTest::newRow("tag on a table channel") << 2 << 5 << uid << false << qint64(0) << qint64(uid);
    QTest::newRow("tag on channel 0") << 2 << 0 << quint64(0x42) << false << qint64(0x42) << qint64(0);
    QTest::newRow("channel not in the table") << 2 << 3 << uid << false << qint64(0) << qint64(0);
    QTest::newRow("reader not in the table") << 3 << 5 << uid << false << qint64(0) << qint64(0);
    QTest::newRow("present without a uid") << 2 << 0 << quint64(0) << true << qint64(-1) << qint64(0);
}

void TestMasterIoManager::binTagRead()
{
    QFETCH(int, node);
    QFETCH(int, channel);
    QFETCH(quint64, uid);
    QFETCH(bool, presentWithoutUid);
    QFETCH(qint64, bin4);
    QFETCH(qint64, bin7);

    NfcPollingInfo table;
    table.addressCount = 1;
    table.pollOrderCount = 1;
    table.addressCount = 2;
    table.group[0][0].address = NfcReader2Node; // a reader left without a bin is not polled
    table.group[0][0].count = 1;
    table.group[0][0].entries[0] = {-1, 3};
    NfcPollGroup &group = table.group[1][0];
    group.address = NfcReader1Node;
    group.count = 4;
    group.entries[0] = {0, 4};
    group.entries[1] = {12, 1};  // no such channel
    group.entries[2] = {5, 7};
    group.entries[3] = {1, 20};  // no such bin in a 10 x 2 cabinet
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("channel -1 bin 3 is outside"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("channel 12 bin 1 is outside"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("channel 1 bin 20 is outside"));
    m_io->setNfcPollingInfo(&table);
    QCOMPARE(m_io->get_numOfNfcBoards(), 1);

    if (presentWithoutUid)
        m_sim->setRegisterValue(NfcReader1Node, ReaderTagPresent, quint16(1u << channel));
    else
        QVERIFY(m_sim->placeTag(quint8(node), channel, uid));

    QSignalSpy reads(m_io, &MasterIoManager::binTagRead);
    QSignalSpy served(m_sim, &IoBoardSimulator::requestServed);
    startManager();
    QTRY_VERIFY(served.count() >= 3);
    QVERIFY(reads.isEmpty()); // readers are polled once scanning is started
    m_io->startNfcScanning();
    const int perReply = bin4 < 0 ? 1 : 2;
    QTRY_VERIFY(reads.count() >= 2 * perReply);
    QHash<int, QList<qint64>> byBin;
    for (const QList<QVariant> &args : qAsConst(reads))
        byBin[args.at(0).toInt()] << qint64(args.at(1).toULongLong());
    QCOMPARE(byBin.keys().contains(1) || byBin.keys().contains(20), false);
    QCOMPARE(byBin.contains(4), bin4 >= 0);
    for (qint64 read : byBin.value(4))
        QCOMPARE(read, bin4);
    QVERIFY(byBin.value(7).size() >= 2);
    for (qint64 read : byBin.value(7))
        QCOMPARE(read, bin7);
}

enum EolAction { Single, AllOn, AllOff, HeaterTargets };
enum OtherDisplay { NoOther, Second, Mirror };

void TestMasterIoManager::eolHeaterTests_data()
{
    QTest::addColumn<QList<int>>("map");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("heater");
    QTest::addColumn<int>("channel"); // -1: refused
    QTest::addColumn<int>("order");   // how the station numbers zones
    QTest::addColumn<int>("other");   // OtherDisplay

    QTest::newRow("zone 0 lower") << QList<int>{} << int(Single) << 0 << 0 << 0 << 0 << int(Second);
    QTest::newRow("last zone upper") << QList<int>{} << int(Single) << 9 << 1 << 19 << 0 << int(Second);
    QTest::newRow("mapped zone") << Reversed << int(Single) << 2 << 1 << 15 << 0 << int(Second);
    QTest::newRow("negative zone") << QList<int>{} << int(Single) << -1 << 0 << -1 << 0 << int(Second);
    QTest::newRow("zone beyond the cabinet") << QList<int>{} << int(Single) << 10 << 0 << -1 << 0 << int(Second);
    QTest::newRow("heater -1") << QList<int>{} << int(Single) << 2 << -1 << -1 << 0 << int(Second);
    QTest::newRow("heater 2") << QList<int>{} << int(Single) << 2 << 2 << -1 << 0 << int(Second);
    QTest::newRow("all on") << QList<int>{} << int(AllOn) << 0 << 0 << 0 << 0 << int(Second);
    QTest::newRow("all off") << QList<int>{} << int(AllOff) << 0 << 0 << 0 << 0 << int(Second);
    // Heater targets from the coordination: -1 keeps, 40000 is refused, 19 values are refused.
    QTest::newRow("heater targets") << QList<int>{} << int(HeaterTargets) << 20 << 0 << -1 << 0 << int(Second);
    QTest::newRow("heater targets, too few") << QList<int>{} << int(HeaterTargets) << 19 << 0 << -1 << 0 << int(Second);
    // Station zones numbered from the last zone of the cabinet.
    QTest::newRow("reversed numbering, first zone") << QList<int>{} << int(Single) << 0 << 0 << 18 << 1 << int(Second);
    QTest::newRow("reversed numbering and map") << Reversed << int(Single) << 2 << 1 << 5 << 1 << int(Second);
    QTest::newRow("reversed numbering, zone beyond") << QList<int>{} << int(Single) << 10 << 0 << -1 << 1 << int(Second);
    QTest::newRow("unknown numbering code") << QList<int>{} << int(Single) << 2 << 1 << 5 << 7 << int(Second);
    // The targets go to the other display only where there is one, in the screen's order.
    QTest::newRow("all on, single display") << QList<int>{} << int(AllOn) << 0 << 0 << 0 << 0 << int(NoOther);
    QTest::newRow("one heater, single display") << Reversed << int(Single) << 2 << 1 << 15 << 0 << int(NoOther);
    QTest::newRow("all off, mirror") << QList<int>{} << int(AllOff) << 0 << 0 << 0 << 0 << int(Mirror);
    QTest::newRow("mapped zone, mirror") << Reversed << int(Single) << 0 << 0 << 18 << 0 << int(Mirror);
}

void TestMasterIoManager::eolHeaterTests()
{
    QFETCH(QList<int>, map);
    QFETCH(int, action);
    QFETCH(int, zone);
    QFETCH(int, heater);
    QFETCH(int, channel);
    QFETCH(int, order);
    QFETCH(int, other);

    m_core->hasSecondaryDisplay = other == Second;
    m_core->hasMirrorDisplay = other == Mirror;
    m_io->setUi2MioZoneMap(map);
    m_io->setZoneNumberingOrder(order);
    m_io->setZoneTargets(4, 160, 170); // holding targets elsewhere stay as they are
    const int held = 2 * (map.isEmpty() ? 4 : map.at(4));
    QVector<int> expected(HeaterCount, 0);
    expected[held] = 160;
    expected[held + 1] = 170;
    startManager();
    QTRY_COMPARE(setPointRegisters(), expected);

    QSignalSpy relayed(m_io, &MasterIoManager::heaterTargetsChanged);
    if (action == Single) {
        QCOMPARE(m_io->eolTempTestSingleHeater(zone, heater), channel >= 0);
        if (channel >= 0)
            expected[channel] = 300;
    } else if (action == HeaterTargets) {
        QVector<int> targets(zone, -1);
        targets[held] = 0;
        targets[5] = 200;
        targets[17] = 40000;
        if (zone == HeaterCount) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("heater 17 target 40000 ignored"));
            expected[held] = 0;
            expected[5] = 200;
        } else {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("heater targets ignored: 19 values"));
        }
        m_io->setHeaterTargets(targets);
    } else {
        m_io->eolTempTestAllHeaters(action == AllOn);
        expected.fill(action == AllOn ? 300 : 0);
    }
    QCOMPARE(m_io->heaterTargets(), expected);
    if (channel < 0 || other == NoOther) {
        QVERIFY(relayed.isEmpty());
    } else {
        // The other display reads zone by zone as its screen numbers them.
        QVector<int> onScreen = expected;
        for (int z = 0; z < m_core->numberOfZones; ++z)
            for (int h = 0; h < 2; ++h)
                onScreen[2 * z + h] = expected.at(2 * (map.isEmpty() ? z : map.at(z)) + h);
        QCOMPARE(relayed.count(), 1);
        QCOMPARE(relayed.at(0).at(0).value<QVector<int>>(), onScreen);
    }
    QTRY_COMPARE(setPointRegisters(), expected);
}

void TestMasterIoManager::eolTempErrorDescription_data()
{
    QTest::addColumn<int>("probeState");
    QTest::addColumn<int>("temperature"); // of zone 2 upper (channel 5) when the probe is sound
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("heater");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("actual");
    QTest::addColumn<int>("order");

    QTest::newRow("open") << 2 << 0 << 2 << 1 << "TC OPEN" << 3275 << 0;
    QTest::newRow("shorted") << 1 << 0 << 2 << 1 << "TC SHORTED" << 0 << 0;
    QTest::newRow("reads 3274") << 0 << 3274 << 2 << 1 << "NO ERROR" << 3274 << 0;
    QTest::newRow("reads 1") << 0 << 1 << 2 << 1 << "NO ERROR" << 1 << 0;
    QTest::newRow("below zero") << 0 << -4 << 2 << 1 << "TC SHORTED" << -4 << 0;
    QTest::newRow("zone beyond the cabinet") << 2 << 0 << 10 << 1 << "NO ERROR" << 0 << 0;
    QTest::newRow("negative zone") << 2 << 0 << -1 << 1 << "NO ERROR" << 0 << 0;
    QTest::newRow("heater 2") << 2 << 0 << 2 << 2 << "NO ERROR" << 0 << 0;
    QTest::newRow("reversed numbering") << 2 << 0 << 7 << 1 << "TC OPEN" << 3275 << 1;
    QTest::newRow("reversed numbering, zone beyond") << 2 << 0 << 10 << 1 << "NO ERROR" << 0 << 1;
}

void TestMasterIoManager::eolTempErrorDescription()
{
    QFETCH(int, probeState);
    QFETCH(int, temperature);
    QFETCH(int, zone);
    QFETCH(int, heater);
    QFETCH(int, order);

    m_io->setZoneNumberingOrder(order);
    for (int h = 0; h < HeaterCount; ++h)
        m_sim->setTemperature(h, 150);
    if (probeState == IoBoardSimulator::ProbeNormal)
        m_sim->setTemperature(5, qint16(temperature));
    else
        QVERIFY(m_sim->setProbeState(5, probeState));
    const int reading = probeState == IoBoardSimulator::ProbeOpen ? 3275
                        : probeState == IoBoardSimulator::ProbeShorted ? 0 : temperature;
    QSignalSpy temps(m_io, &MasterIoManager::zoneActualTemps);
    startManager();
    QTRY_COMPARE(temps.count(), 10);
    QCOMPARE(temps.at(2).at(2).toInt(), reading);
    QTEST(m_io->eolGetTempErrorDescription(zone, heater), "description");
    QTEST(m_io->eolGetActualTemp(zone, heater), "actual");
}

void TestMasterIoManager::preheatReportedAfterStart()
{
    QSignalSpy preheat(m_io, &MasterIoManager::systemEnteredPreheat);
    QElapsedTimer clock;
    clock.start();
    const qint64 before = QDateTime::currentMSecsSinceEpoch() / 1000;
    startManager();
    QVERIFY(preheat.wait(6000));
    QVERIFY2(clock.elapsed() >= 2800 && clock.elapsed() < 4500, qPrintable(QString::number(clock.elapsed())));
    const qint64 stamp = preheat.at(0).at(0).toString().toLongLong();
    QVERIFY(stamp >= before + 2 && stamp <= QDateTime::currentMSecsSinceEpoch() / 1000);
    QVERIFY(!preheat.wait(1000)); // once
}

void TestMasterIoManager::fanTargetsLandOnMappedZones_data()
{
    QTest::addColumn<QList<int>>("map");
    QTest::addColumn<int>("uiZone");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("register_"); // fan target register of the IO-board zone, -1 none
    QTest::addColumn<int>("written");

    QTest::newRow("no map") << QList<int>{} << 3 << 70 << 3 << 70;
    QTest::newRow("reversed map") << Reversed << 3 << 70 << 6 << 70;
    QTest::newRow("above 100 %") << QList<int>{} << 0 << 250 << 0 << 100;
    QTest::newRow("negative") << QList<int>{} << 9 << -5 << 9 << 0;
    QTest::newRow("no such zone") << QList<int>{} << 10 << 70 << -1 << 0;
}

// One fan target per IO-board zone, and both heater records of the zone keep it.
void TestMasterIoManager::fanTargetsLandOnMappedZones()
{
    QFETCH(QList<int>, map);
    QFETCH(int, uiZone);
    QFETCH(int, percent);
    QFETCH(int, register_);
    QFETCH(int, written);

    m_io->setUi2MioZoneMap(map);
    for (int z = 0; z < FanTargetCount; ++z)
        m_sim->setRegisterValue(IoBoardNode, quint16(FanTargetFirst + z), 55); // from before
    if (register_ < 0)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("fan target for zone 10 ignored"));
    m_io->setZoneFanTarget(uiZone, percent);
    QSignalSpy writes(m_sim, &IoBoardSimulator::registersWritten);
    m_io->sendAllFanTargetsRequest();
    QTRY_VERIFY(!writes.isEmpty());
    QVector<int> expected(FanTargetCount, 0);
    if (register_ >= 0)
        expected[register_] = written;
    QVector<int> fans;
    for (int z = 0; z < FanTargetCount; ++z)
        fans << m_sim->registerValue(IoBoardNode, quint16(FanTargetFirst + z));
    QCOMPARE(fans, expected);
    if (register_ >= 0) {
        const QList<BinInfo *> bins = m_io->get_binInfoList();
        QCOMPARE(bins.at(2 * register_)->get_fanTarget(), written);
        QCOMPARE(bins.at(2 * register_ + 1)->get_fanTarget(), written);
    }
}

QTEST_GUILESS_MAIN(TestMasterIoManager)
#include "tst_masteriomanager.moc"
