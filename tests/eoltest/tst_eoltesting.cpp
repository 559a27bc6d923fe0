// The end-of-line tester against a station on real loopback sockets, on a fake cabinet
// of two zones of four bins. The station's conversations are in EOL_FIXTURES.
#include "cabinetidentity.h"
#include "configurationmanager.h"
#include "eolcabinet.h"
#include "eolstation.h"
#include "eoltesting.h"
#include "fakecabinetcore.h"
#include "safefilewriter.h"
#include "scratchroots.h"

#include <QJsonArray>
#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QUdpSocket>
#include <QtTest>

namespace {

const QByteArray Handshake = R"({"event":"EndOfLineTest","command":"Start"})";
const QByteArray FailReply = "{\n    \"event\": \"EndOfLineTestResponse\",\n    \"response\": \"fail\"\n}\n";
const QByteArray PassReply = "{\n    \"event\": \"EndOfLineTestResponse\",\n    \"response\": \"pass\"\n}\n";

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList texts(const QJsonValue &array) { return array.toVariant().toStringList(); }

// The IO board and links of a cabinet of `zones` zones as plain fields; every heater
// operation is logged ("all 1", "single 1 0", "restore").
class FakeEolCabinet : public EolCabinet
{
public:
    static constexpr int HoldingTemp = 160;
    int zones = 2;
    QVector<int> targets = QVector<int>(20, HoldingTemp);
    QVector<int> actuals = QVector<int>(20, 165);
    QMap<int, quint64> tags;
    bool sib = false, io = false, nfc = false, can = false;
    QStringList log;

    bool valid(int zone, int heater) const { return zone >= 0 && zone < zones && heater >= 0 && heater <= 1; }
    void eolTempTestAllHeaters(bool on) override
    {
        log << QStringLiteral("all %1").arg(on);
        targets.fill(on ? 300 : 0);
    }
    bool eolTempTestSingleHeater(int zone, int heater) override
    {
        log << QStringLiteral("single %1 %2").arg(zone).arg(heater);
        if (valid(zone, heater))
            targets[2 * zone + heater] = 300;
        return valid(zone, heater);
    }
    int eolGetActualTemp(int zone, int heater) const override
    {
        return valid(zone, heater) ? actuals.at(2 * zone + heater) : -9999;
    }
    QString eolGetTempErrorDescription(int, int) const override { return QStringLiteral("NO ERROR"); }
    void restoreHolding() override
    {
        log << QStringLiteral("restore");
        targets.fill(HoldingTemp);
    }
    int numOfNfcBoards() const override { return 1; }
    bool ioCommErrorDetected() const override { return io; }
    bool nfcErrorDetected() const override { return nfc; }
    bool sibLinkBroken() const override { return sib; }
    bool canLinkBroken() const override { return can; }
    quint64 tagUidAtBin(int bin) const override { return tags.value(bin); }
};

} // namespace

class TestEolTesting : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void conversations_data();
    void conversations();
    void identityKeptThroughRefusedNumbers_data();
    void identityKeptThroughRefusedNumbers();
    void reportsEndWithTheConnection();
    void announcement_data();
    void announcement();
    void stationIsDropped_data();
    void stationIsDropped();
    void connectionWithoutTestRun_data();
    void connectionWithoutTestRun();
    void malformedFlood();
    void handshakeOnlyAfterAnnouncement_data();
    void handshakeOnlyAfterAnnouncement();
    void incompleteRequestLoggedShort();

private:
    void openRun(EolStation &station);
    void announce(EolTesting *eol);

    QScopedPointer<ScratchRoots> m_scratch;
    FakeCabinetCore *m_core = nullptr;
    ConfigurationManager *m_config = nullptr;
    FakeEolCabinet *m_cabinet = nullptr;
    EolTesting *m_eol = nullptr;
};

void TestEolTesting::init()
{
    m_scratch.reset(new ScratchRoots);
    m_core = new FakeCabinetCore;
    m_core->numberOfZones = 2;
    m_core->traysPerZone = 4;
    m_config = new ConfigurationManager(nullptr, nullptr, true, 1, m_core);
    m_core->configManagerPtr = m_config;
    m_cabinet = new FakeEolCabinet;
    m_eol = new EolTesting(m_core, 0, 0);
    m_eol->setCabinet(m_cabinet);
    m_eol->setLoopbackOnly(true);
    QVERIFY(m_eol->isListening());
    m_eol->start();
    announce(m_eol);
}

// The technician's press on the Wi-Fi icon, without which no test run opens.
void TestEolTesting::announce(EolTesting *eol)
{
    QTRY_VERIFY(eol->isRunning());
    QSignalSpy started(eol, &EolTesting::udpBroadcastStarted);
    eol->startUdpbroadcast();
    QVERIFY(started.count() == 1 || started.wait(2000));
}

void TestEolTesting::cleanup()
{
    delete m_core; // and the tester and settings with it
    delete m_cabinet;
    m_scratch.reset();
}

void TestEolTesting::openRun(EolStation &station)
{
    QVERIFY(station.connectTo(m_eol->serverPort()));
    station.send(Handshake);
    QVERIFY(waitUntil([&] { return station.poll() == 1; }));
    QCOMPARE(station.replies.first(), PassReply);
    QTRY_VERIFY(m_eol->getEolTestStarted());
}

// A conversation, on a cabinet as "cabinet" sets it, sends its requests (objects, or raw
// text to frame) in a run ("run") or before any handshake, and expects the answers other
// than the periodic reports, the first status report, the heater operations, the signals
// and the numbers taken.
void TestEolTesting::conversations_data()
{
    QTest::addColumn<QJsonObject>("conversation");
    const QJsonArray all = QJsonDocument::fromJson(readFile(QStringLiteral(EOL_FIXTURES "/conversations.json"))).array();
    QVERIFY(all.size() > 20);
    for (const QJsonValue &c : all)
        QTest::newRow(qPrintable(c["name"].toString())) << c.toObject();
}

void TestEolTesting::conversations()
{
    QFETCH(QJsonObject, conversation);
    const QJsonObject &c = conversation; // read only: operator[] would add members
    QStringList seen;
    const auto record = [&](void (EolTesting::*signal)(), const char *name) {
        connect(m_eol, signal, m_eol, [&seen, name] { seen << QLatin1String(name); });
    };
    record(&EolTesting::systemInfoTestStart, "systemInfoTestStart");
    record(&EolTesting::displayTestStart, "displayTestStart");
    record(&EolTesting::soundTestStart, "soundTestStart");
    record(&EolTesting::heatingTestCommand, "heatingTestCommand");
    record(&EolTesting::nfcTestStart, "nfcTestStart");
    QSignalSpy handled(m_eol, &EolTesting::eolClientRequestReceived);
    const QJsonObject cabinet = c["cabinet"].toObject();
    m_core->orientationId = cabinet["orientationId"].toInt(m_core->orientationId);
    m_core->numberOfZones = cabinet["zones"].toInt(m_core->numberOfZones);
    m_core->hasSecondaryDisplay = cabinet["secondDisplay"].toBool();
    m_core->nfcEnabled = cabinet["nfc"].toBool();
    const QString faults = cabinet["faults"].toString("...."); // Modbus link, IO board, NFC reader, CAN link
    m_cabinet->sib = faults[0] == 'x';
    m_cabinet->io = faults[1] == 'x';
    m_cabinet->nfc = faults[2] == 'x';
    m_cabinet->can = faults[3] == 'x';
    const QStringList versions{"RO-2502", "2.0.1", "3.1.0", "3.1.1", "3.1.2", "3.1.3", "3.1.4", "1.4.2", "1.4.3"};
    m_config->set_theOtherUiFwVersion(versions[0]);
    m_config->set_iotSoftwareVersion(versions[1]);
    m_config->set_ioBoardFirmwareVersion0(versions[2]);
    m_config->set_ioBoardFirmwareVersion1(versions[3]);
    m_config->set_ioBoardFirmwareVersion2(versions[4]);
    m_config->set_ioBoardFirmwareVersion3(versions[5]);
    m_config->set_ioBoardFirmwareVersion4(versions[6]);
    m_config->set_readerFirmwareVersion1(versions[7]);
    m_config->set_readerFirmwareVersion2(versions[8]);

    EolStation station;
    const bool run = c["run"].toBool();
    if (run)
        openRun(station);
    else
        QVERIFY(station.connectTo(m_eol->serverPort()));
    m_cabinet->log.clear();
    QElapsedTimer sinceLast;
    sinceLast.start();
    const QJsonArray requests = c["send"].toArray();
    for (int i = 0; i < requests.size(); ++i) {
        const QJsonValue request = requests[i];
        if (i > 0 && c.contains("gapMs"))
            QTest::qWait(c["gapMs"].toInt());
        const int before = handled.count();
        station.send(request.isString() ? request.toString().toUtf8()
                                        : QJsonDocument(request.toObject()).toJson(QJsonDocument::Compact));
        sinceLast.start();
        if (run) // one at a time, in order
            QVERIFY(waitUntil([&] { return handled.count() > before; }));
    }
    QList<QJsonObject> expected;
    if (run)
        expected << QJsonDocument::fromJson(PassReply).object();
    for (const QJsonValue &a : c["answers"].toArray())
        expected << a.toObject();
    QVERIFY(waitUntil([&] { station.poll(); return station.answers().size() >= expected.size(); }));
    QVERIFY(sinceLast.elapsed() >= c["minDelayMs"].toInt());
    QTest::qWait(100); // nothing more comes
    station.poll();
    QCOMPARE(station.answers(), expected);
    QCOMPARE(m_eol->pendingRequestBytes(), 0);
    if (c.contains("status")) {
        QVERIFY(waitUntil([&] { station.poll(); return station.count(QStringLiteral("StatusResponse")) == 1; }, 3000));
        QCOMPARE(station.reply(1), c["status"].toObject());
    }
    QCOMPARE(m_cabinet->log, texts(c["heaters"]));
    QCOMPARE(seen, texts(c["signals"]));
    QCOMPARE(m_config->get_serialNumber(), c["serial"].toString());
    QCOMPARE(m_config->get_modelNumber(), c["model"].toString());
    // The identity file is written only when the numbers were taken.
    const QByteArray identity = readFile(CabinetIdentity::identityFilePath());
    QCOMPARE(!identity.isNull(), c.contains("serial") || c.contains("model"));
    if (c.contains("serial"))
        QVERIFY(identity.contains("serialNumber=" + c["serial"].toString().toUtf8() + "\n"));
}

// Numbers the identity file could not read back are refused whole, and so is a pair whose
// save fails: "fail", and the stored numbers and the cabinet's UUID stay.
void TestEolTesting::identityKeptThroughRefusedNumbers_data()
{
    QTest::addColumn<int>("serialLength");
    QTest::addColumn<int>("modelLength");
    QTest::addColumn<bool>("saveFails");
    QTest::newRow("serial of 9,000 characters") << 9000 << 5 << false;
    QTest::newRow("model of 8,000 characters") << 10 << 8000 << false;
    QTest::newRow("both over-long") << 9000 << 8000 << false;
    QTest::newRow("numbers that fit, save fails") << 10 << 5 << true;
}

void TestEolTesting::identityKeptThroughRefusedNumbers()
{
    QFETCH(int, serialLength);
    QFETCH(int, modelLength);
    QFETCH(bool, saveFails);
    const QByteArray stored = "serialNumber=S1\nmodelNumber=M1\nuuidNumber=0f8fad5b-d9cb-469f-a165-70867728950e\n"
                              "customerIdStr=\n";
    const QString path = CabinetIdentity::identityFilePath();
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("serialModelNums.txt"), stored));
    m_config->loadCabinetSerialModelNumbers();
    if (saveFails)
        QVERIFY(QDir().mkpath(SafeFileWriter::temporaryPath(path)));
    EolStation station;
    openRun(station);
    station.send(QJsonDocument(QJsonObject{{"event", "ConfigureSerialAndModel"}, {"command", "Start"},
                                           {"serial number", QString(serialLength, QLatin1Char('7'))},
                                           {"model number", QString(modelLength, QLatin1Char('X'))}})
                     .toJson(QJsonDocument::Compact));
    QVERIFY(waitUntil([&] { station.poll(); return station.answers().size() >= 2; }));
    QCOMPARE(station.answers().at(1),
             QJsonObject({{"event", "ConfigureSerialAndModelResponse"}, {"response", "fail"}}));
    QCOMPARE(m_config->get_serialNumber() + m_config->get_modelNumber(), QStringLiteral("S1M1"));
    QCOMPARE(readFile(path), stored);
    ConfigurationManager next(nullptr, nullptr, true, 1, m_core);
    next.loadCabinetSerialModelNumbers();
    QCOMPARE(next.get_uuidNumber(), QStringLiteral("0f8fad5b-d9cb-469f-a165-70867728950e"));
}

void TestEolTesting::reportsEndWithTheConnection()
{
    m_core->numberOfZones = 10;
    m_cabinet->zones = 10;
    m_cabinet->actuals[17] = -5;
    QStringList items = m_eol->getActualTemps().split(',');
    QCOMPARE(items.size(), 20);
    QCOMPARE(items.mid(16, 3), (QStringList{"Z09-I0-165", "Z09-I1--5", "Z10-I0-165"}));

    m_core->numberOfZones = 2;
    m_cabinet->tags = {{0, 0x1234}, {4, 0x5678}};
    EolStation station;
    openRun(station);
    QCOMPARE(m_cabinet->log, QStringList{"all 0"});
    station.send(R"({"event":"TagReadTest","command":"Start"})");
    QVERIFY(waitUntil([&] { station.poll(); return station.count(QStringLiteral("TagReadTestResponse")) == 3; }, 5000));
    // Both reports come about once a second.
    QList<qint64> statusTimes;
    for (int i = 0; i < station.replies.size(); ++i) {
        const QJsonObject r = station.reply(i);
        if (r.value("event") == QLatin1String("TagReadTestResponse"))
            QCOMPARE(r.value("response").toString(), QStringLiteral("1,0,0,0,1,0,0,0"));
        else if (r.value("event") == QLatin1String("StatusResponse"))
            statusTimes << station.arrivals.at(i);
    }
    QVERIFY(statusTimes.size() >= 2);
    for (int i = 1; i < statusTimes.size(); ++i)
        QVERIFY2(qAbs(statusTimes.at(i) - statusTimes.at(i - 1) - 1000) < 400, qPrintable(QString::number(statusTimes.at(i))));

    QSignalSpy started(m_eol, &EolTesting::eolTestStartedChanged);
    station.socket.disconnectFromHost();
    QTRY_COMPARE(started.count(), 1);
    QCOMPARE(started.first().first().toBool(), false);
    QCOMPARE(m_cabinet->log, (QStringList{"all 0", "restore"}));
    QCOMPARE(m_cabinet->targets, QVector<int>(20, FakeEolCabinet::HoldingTemp));
    EolStation next; // finds the tester free again
    openRun(next);
}

void TestEolTesting::announcement_data()
{
    QTest::addColumn<bool>("wifi");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("broadcast");
    QTest::addColumn<QList<int>>("layout"); // rows, zones per row, trays per zone, single column
    QTest::addColumn<QByteArray>("datagram"); // empty: none is sent

    QTest::newRow("worked example") << true << "192.168.1.20" << "127.255.255.255" << QList<int>{5, 1, 2, 0}
                                    << QByteArray::fromHex("C0A801140504");
    QTest::newRow("no address") << true << "" << "127.0.0.1" << QList<int>{5, 1, 2, 0} << QByteArray::fromHex("0504");
    QTest::newRow("single column") << true << "10.0.0.7" << "127.0.0.1" << QList<int>{2, 1, 2, 1}
                                   << QByteArray::fromHex("0A0000070202");
    QTest::newRow("two zones a row") << true << "10.0.0.7" << "127.0.0.1" << QList<int>{5, 2, 2, 0}
                                     << QByteArray::fromHex("0A0000070504");
    QTest::newRow("Wi-Fi off") << false << "192.168.1.20" << "127.0.0.1" << QList<int>{5, 1, 2, 0} << QByteArray();
    QTest::newRow("not a loopback") << true << "192.168.1.20" << "192.168.1.255" << QList<int>{5, 1, 2, 0}
                                    << QByteArray();
}

void TestEolTesting::announcement()
{
    QFETCH(QList<int>, layout);
    QFETCH(QByteArray, datagram);

    QUdpSocket receiver;
    QVERIFY(receiver.bind(QHostAddress(QHostAddress::AnyIPv4), 0));
    delete m_eol;
    m_eol = new EolTesting(m_core, 0, receiver.localPort());
    m_eol->setLoopbackOnly(true);
    m_eol->start();
    m_core->numberOfRows = layout.at(0);
    m_core->zonesPerRow = layout.at(1);
    m_core->traysPerZone = layout.at(2);
    m_core->singleColumnUnit = layout.at(3);
    QFETCH(bool, wifi);
    QFETCH(QString, address);
    QFETCH(QString, broadcast);
    m_config->set_wifiEnabled(wifi);
    m_config->set_wifiIpAddr(address);
    m_config->set_wifiBroadcast(broadcast);

    QSignalSpy started(m_eol, &EolTesting::udpBroadcastStarted);
    QTRY_VERIFY(m_eol->get_isRunning());
    m_eol->startUdpbroadcast();
    m_eol->startUdpbroadcast(); // a second press changes nothing
    QTRY_COMPARE(started.count(), 1);
    if (datagram.isEmpty()) {
        QVERIFY(!waitUntil([&] { return receiver.hasPendingDatagrams(); }, 1300));
        return;
    }
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 2; ++i) {
        QVERIFY(waitUntil([&] { return receiver.hasPendingDatagrams(); }, 2000));
        QCOMPARE(receiver.receiveDatagram().data(), datagram);
    }
    QVERIFY(clock.elapsed() >= 800); // every 500 ms
    // A station that connects ends the announcement.
    EolStation station;
    QVERIFY(station.connectTo(m_eol->serverPort()));
    QTest::qWait(100);
    while (receiver.hasPendingDatagrams())
        receiver.receiveDatagram();
    QVERIFY(!waitUntil([&] { return receiver.hasPendingDatagrams(); }, 1100));
    QCOMPARE(started.count(), 1);
}

void TestEolTesting::stationIsDropped_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("receive buffer over 64 KiB") << "flood";
    QTest::newRow("silent station") << "silence";
    QTest::newRow("station sending only blanks") << "blanks";
    QTest::newRow("station sending a line that never ends") << "partial";
    QTest::newRow("station sending requests, kept") << "requests";
    QTest::newRow("second station") << "second";
}

void TestEolTesting::stationIsDropped()
{
    QFETCH(QString, how);
    m_eol->setStationSilenceTimeout(how == QLatin1String("second") || how == QLatin1String("flood") ? 60000 : 400);
    EolStation station;
    openRun(station);
    QSignalSpy gone(&station.socket, &QTcpSocket::disconnected);

    if (how == QLatin1String("second")) {
        EolStation second;
        QVERIFY(second.connectTo(m_eol->serverPort()));
        QSignalSpy secondGone(&second.socket, &QTcpSocket::disconnected);
        QVERIFY(secondGone.wait(3000));
        station.send(R"({"event":"TurnOnAllZones","command":"Start"})");
        QVERIFY(waitUntil([&] { station.poll(); return station.answers().size() == 2; }));
        QVERIFY(m_eol->getEolTestStarted());
        QCOMPARE(gone.count(), 0);
        return;
    }
    for (int i = 0; how == QLatin1String("flood") && i < 20 && station.socket.state() == QAbstractSocket::ConnectedState; ++i) {
        station.send(QByteArray(4096, '['));
        QVERIFY(m_eol->pendingRequestBytes() <= EolProtocol::MaxRequestBytes);
        QTest::qWait(10);
    }
    if (how == QLatin1String("requests")) {
        for (int i = 0; i < 12; ++i) {
            station.send(R"({"event":"SpeakerTest","command":"Start"})");
            QTest::qWait(100);
        }
        QCOMPARE(gone.count(), 0);
        return;
    }
    if (how == QLatin1String("blanks") || how == QLatin1String("partial")) {
        // Neither is a request: the station is dropped while they still come.
        QElapsedTimer sending;
        sending.start();
        while (gone.isEmpty() && sending.elapsed() < 3000) {
            station.send(how == QLatin1String("blanks") ? " " : "{\"event\":");
            QTest::qWait(50);
        }
        QCOMPARE(gone.count(), 1);
    }
    QTRY_COMPARE(gone.count(), 1);
    station.poll();
    if (how == QLatin1String("flood"))
        QCOMPARE(station.replies.last(), FailReply);
    QTRY_VERIFY(!m_eol->getEolTestStarted());
    QCOMPARE(m_cabinet->log, (QStringList{"all 0", "restore"}));
    QCOMPARE(m_eol->pendingRequestBytes(), 0);
}

// A connection that opens no test run ("squatter": silent, sending blanks or a line that
// never ends, or a station that stopped its run) and a station after it: the squatter is
// closed at the handshake deadline, replaced by a station within the announcement window,
// or kept (a station's own connection; or the newcomer came after the window).
void TestEolTesting::connectionWithoutTestRun_data()
{
    QTest::addColumn<QString>("squatter");
    QTest::addColumn<int>("deadlineMs");
    QTest::addColumn<int>("windowMs");
    QTest::addColumn<QString>("outcome");

    const int window = EolTesting::HandshakeWindowMs;
    QTest::newRow("silent, closed at the deadline") << "silent" << 400 << window << "closed";
    QTest::newRow("blanks, closed at the deadline") << "blanks" << 400 << window << "closed";
    QTest::newRow("partial line, closed at the deadline") << "partial" << 400 << window << "closed";
    QTest::newRow("run stopped, kept past the deadline") << "stopped run" << 300 << window << "kept";
    QTest::newRow("replaced by a station during the window") << "silent" << 60000 << window << "replaced";
    QTest::newRow("station after the window turned away") << "silent" << 60000 << 50 << "turned away";
}

void TestEolTesting::connectionWithoutTestRun()
{
    QFETCH(QString, squatter);
    QFETCH(int, deadlineMs);
    QFETCH(int, windowMs);
    QFETCH(QString, outcome);
    m_eol->setHandshakeTimeout(deadlineMs);
    m_eol->setHandshakeWindow(windowMs);

    EolStation first; // connecting ends the announcement; the window counts from here
    QElapsedTimer clock;
    clock.start();
    QVERIFY(first.connectTo(m_eol->serverPort()));
    QSignalSpy firstGone(&first.socket, &QTcpSocket::disconnected);
    if (squatter == QLatin1String("stopped run")) {
        first.send(Handshake);
        QVERIFY(waitUntil([&] { return first.poll() == 1; }));
        first.send(R"({"event":"EndOfLineTest","command":"Stop"})");
        QVERIFY(waitUntil([&] { return first.poll() == 2; }));
        QCOMPARE(first.replies, (QList<QByteArray>{PassReply, PassReply}));
    }
    const auto keepUp = [&](int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms && firstGone.isEmpty()) {
            if (squatter == QLatin1String("blanks"))
                first.send(" \r\n");
            else if (squatter == QLatin1String("partial"))
                first.send(R"({"event":"EndOfLineTest",)");
            QTest::qWait(50);
        }
    };
    if (outcome == QLatin1String("closed")) {
        keepUp(5000);
        QCOMPARE(firstGone.count(), 1);
        QVERIFY2(clock.elapsed() >= deadlineMs * 9 / 10, qPrintable(QString::number(clock.elapsed())));
    } else if (outcome == QLatin1String("kept")) {
        keepUp(3 * deadlineMs);
        QCOMPARE(firstGone.count(), 0);
        return;
    } else if (outcome == QLatin1String("turned away")) {
        QTest::qWait(4 * windowMs);
    }

    EolStation station;
    QSignalSpy stationGone(&station.socket, &QTcpSocket::disconnected);
    QVERIFY(station.connectTo(m_eol->serverPort()));
    if (outcome == QLatin1String("turned away")) {
        QVERIFY(stationGone.count() == 1 || stationGone.wait(3000));
        QCOMPARE(firstGone.count(), 0);
        return;
    }
    station.send(Handshake);
    QVERIFY(waitUntil([&] { return station.poll() == 1; }));
    QCOMPARE(station.replies.first(), PassReply);
    QTRY_VERIFY(m_eol->getEolTestStarted());
    QCOMPARE(firstGone.count(), 1);
    first.poll();
    QVERIFY(first.replies.isEmpty());
}

void TestEolTesting::malformedFlood()
{
    // Complete objects of every request with wrong, missing and odd values, and garbage.
    const QStringList events{"EndOfLineTest", "ConfigureSerialAndModel", "SoftwareVersionTest", "SpeakerTest",
                             "ScreenTest",    "TurnOffAllZones",         "HeaterTest",          "TurnOnAllZones",
                             "TagReadTest",   "StopTagTest",             "",                    "heatertest"};
    const QList<QJsonValue> values{QJsonValue(), QJsonValue(true), QJsonValue(-1), QJsonValue(1e300),
                                   QJsonValue("Start"), QJsonValue("Stop"), QJsonValue("2"), QJsonValue("-0"),
                                   QJsonValue("99999999999"), QJsonValue(QJsonArray{1}), QJsonValue(QJsonObject{{"a", 1}}),
                                   QJsonValue(QString(300, QChar(0x263A)))};
    QRandomGenerator random(25);
    const auto pick = [&](const QList<QJsonValue> &from) { return from.at(random.bounded(from.size())); };

    EolStation station;
    openRun(station);
    QSignalSpy handled(m_eol, &EolTesting::eolClientRequestReceived);
    for (int i = 0; i < 10000; ++i) {
        QJsonObject request{{"event", events.at(random.bounded(events.size()))}};
        if (request.value("event") == QLatin1String("ConfigureSerialAndModel") || random.bounded(4) == 0)
            request.insert("command", pick(values)); // never a stored number: 10,000 file writes
        else
            request.insert("command", "Start");
        for (const char *key : {"zone", "heaterIndex", "serial number", "model number"})
            if (random.bounded(2))
                request.insert(key, pick(values));
        if (request.value("command") == QLatin1String("Start") && request.value("event") == QLatin1String("ConfigureSerialAndModel"))
            request.insert("command", "Stop");
        station.send(QJsonDocument(request).toJson(random.bounded(2) ? QJsonDocument::Compact : QJsonDocument::Indented));
        QVERIFY(waitUntil([&] { return handled.count() > i; }));
        station.poll();
        QVERIFY(m_eol->pendingRequestBytes() <= EolProtocol::MaxRequestBytes);
    }
    QVERIFY(station.count(QStringLiteral("EndOfLineTestResponse")) > 1000);
    // Only heaters of the cabinet reached the IO board.
    for (const QString &call : qAsConst(m_cabinet->log)) {
        const QStringList words = call.split(' ');
        if (words.first() == QLatin1String("single"))
            QVERIFY2(m_cabinet->valid(words.at(1).toInt(), words.at(2).toInt()), qPrintable(call));
    }
    // Garbage past the cap drops the station; the next is answered as the first was.
    QByteArray garbage(70000, '\0');
    for (char &c : garbage)
        c = char(random.bounded(256));
    garbage[0] = '{';
    QSignalSpy gone(&station.socket, &QTcpSocket::disconnected);
    station.send(garbage);
    QVERIFY(gone.wait(5000));
    QTRY_VERIFY(!m_eol->getEolTestStarted());
    QCOMPARE(m_cabinet->targets, QVector<int>(20, FakeEolCabinet::HoldingTemp));
    QVERIFY(!QFileInfo::exists(CabinetIdentity::identityFilePath()));
    EolStation next;
    openRun(next);
}

namespace {
QStringList refusals;
QtMessageHandler previousHandler = nullptr;
void recordRefusals(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.startsWith(QLatin1String("Test run refused")))
        refusals << text;
    previousHandler(type, context, text);
}
} // namespace

// Each handshake of a station: "A" opens a run (pass) and stops it again, "R" is refused.
// "announce": the screen's announcement was started before the station connected;
// "windowMs": how long after it a handshake is taken; "lateMs": how long the station waits;
// "stations": how many connect one after the other, each with the same handshakes.
void TestEolTesting::handshakeOnlyAfterAnnouncement_data()
{
    QTest::addColumn<bool>("announce");
    QTest::addColumn<int>("windowMs");
    QTest::addColumn<int>("lateMs");
    QTest::addColumn<int>("stations");
    QTest::addColumn<QString>("handshakes");
    QTest::addColumn<int>("refusalsLogged");

    QTest::newRow("never announced") << false << EolTesting::HandshakeWindowMs << 0 << 1 << "R" << 1;
    QTest::newRow("never announced, scanned again and again") << false << EolTesting::HandshakeWindowMs << 0 << 3
                                                              << "RR" << 1;
    QTest::newRow("announced") << true << EolTesting::HandshakeWindowMs << 0 << 1 << "A" << 0;
    QTest::newRow("announced, next station within the window") << true << EolTesting::HandshakeWindowMs << 0 << 2
                                                               << "AA" << 0;
    QTest::newRow("announced, too late") << true << 50 << 200 << 1 << "R" << 1;
    QTest::newRow("run opened in time, reopened after the window") << true << 300 << 0 << 1 << "AA" << 0;
}

void TestEolTesting::handshakeOnlyAfterAnnouncement()
{
    QFETCH(bool, announce);
    QFETCH(int, windowMs);
    QFETCH(int, lateMs);
    QFETCH(int, stations);
    QFETCH(QString, handshakes);
    QFETCH(int, refusalsLogged);

    delete m_eol;
    m_eol = new EolTesting(m_core, 0, 0);
    m_eol->setCabinet(m_cabinet);
    m_eol->setLoopbackOnly(true);
    m_eol->setHandshakeWindow(windowMs);
    m_eol->start();
    if (announce)
        this->announce(m_eol);
    QTRY_VERIFY(m_eol->isRunning());
    m_cabinet->log.clear();
    refusals.clear();
    previousHandler = qInstallMessageHandler(recordRefusals);
    const auto restore = qScopeGuard([] { qInstallMessageHandler(previousHandler); });

    for (int s = 0; s < stations; ++s) {
        EolStation station;
        QVERIFY(station.connectTo(m_eol->serverPort()));
        QTest::qWait(lateMs);
        const auto handshakeReplies = [&] {
            station.poll();
            return station.replies.count(PassReply) + station.replies.count(FailReply);
        };
        for (int i = 0; i < handshakes.size(); ++i) {
            const int before = handshakeReplies();
            station.send(Handshake);
            QVERIFY(waitUntil([&] { return handshakeReplies() > before; }));
            const bool opened = handshakes.at(i) == QLatin1Char('A');
            QCOMPARE(station.replies.count(PassReply), opened ? 2 * i + 1 : 0);
            QCOMPARE(m_eol->getEolTestStarted(), opened);
            if (opened) {
                station.send(R"({"event":"EndOfLineTest","command":"Stop"})");
                QVERIFY(waitUntil([&] { return handshakeReplies() > before + 1; }));
                QTest::qWait(qMin(1000, 2 * windowMs)); // a short window has passed
            }
        }
        // A refused station drove nothing.
        if (!handshakes.contains(QLatin1Char('A')))
            QVERIFY(m_cabinet->log.isEmpty());
        QSignalSpy gone(m_eol, &EolTesting::tcpClientDisconnected);
        station.socket.disconnectFromHost();
        QVERIFY(gone.count() == 1 || gone.wait(2000));
    }
    QCOMPARE(refusals.size(), refusalsLogged);
    for (const QString &line : qAsConst(refusals))
        QVERIFY2(line.contains(QLatin1String("127.0.0.1")), qPrintable(line));
}

// A station's bytes reach the log only as far as the first 200 of each request.
void TestEolTesting::incompleteRequestLoggedShort()
{
    EolStation station;
    QVERIFY(station.connectTo(m_eol->serverPort()));
    previousHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
        if (text.startsWith(QLatin1String("Request is incomplete")))
            refusals << text;
        previousHandler(type, context, text);
    });
    refusals.clear();
    const auto restore = qScopeGuard([] { qInstallMessageHandler(previousHandler); });
    station.send(R"({"event":")" + QByteArray(5000, 'x'));
    QVERIFY(waitUntil([&] { return station.poll() == 1; }, 10000));
    QCOMPARE(station.replies.first(), FailReply);
    QCOMPARE(refusals.size(), 1);
    QCOMPARE(refusals.first().count(QLatin1Char('x')), 200 - 10);
}

QTEST_MAIN(TestEolTesting)
#include "tst_eoltesting.moc"
