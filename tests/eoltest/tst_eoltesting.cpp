// The end-of-line tester against a station on real loopback sockets, on a fake cabinet
// of two zones of four bins.
#include "cabinetidentity.h"
#include "configurationmanager.h"
#include "eolstation.h"
#include "eoltesting.h"
#include "fakecabinetcore.h"
#include "fakeeolcabinet.h"
#include "scratchroots.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtTest>

namespace {

const QByteArray Handshake = R"({"event":"EndOfLineTest","command":"Start"})";
const QByteArray FailReply = "{\n    \"event\": \"EndOfLineTestResponse\",\n    \"response\": \"fail\"\n}\n";
const QByteArray PassReply = "{\n    \"event\": \"EndOfLineTestResponse\",\n    \"response\": \"pass\"\n}\n";

QJsonObject json(const QByteArray &text) { return QJsonDocument::fromJson(text).object(); }

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestEolTesting : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void framing_data();
    void framing();
    void testRunRequests_data();
    void testRunRequests();
    void softwareVersions_data();
    void softwareVersions();
    void statusReports_data();
    void statusReports();
    void reportsEndWithTheConnection();
    void announcement_data();
    void announcement();
    void stationIsDropped_data();
    void stationIsDropped();
    void malformedFlood();
    void fixedPort();

private:
    void openRun(EolStation &station);

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

void TestEolTesting::framing_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<int>("gapMs");
    QTest::addColumn<QList<QByteArray>>("replies");
    QTest::addColumn<int>("minDelayMs"); // of the last reply after the last chunk

    QTest::newRow("request before the handshake") << QList<QByteArray>{R"({"event":"SoftwareVersionTest"})"} << 0
                                                  << QList<QByteArray>{FailReply} << 0;
    QTest::newRow("handshake") << QList<QByteArray>{Handshake} << 0 << QList<QByteArray>{PassReply} << 0;
    QTest::newRow("handshake with Stop") << QList<QByteArray>{R"({"event":"EndOfLineTest","command":"Stop"})"}
                                         << 0 << QList<QByteArray>{FailReply} << 0;
    QTest::newRow("white space around") << QList<QByteArray>{" \r\n" + Handshake + "\n"} << 0
                                        << QList<QByteArray>{PassReply} << 0;
    QTest::newRow("two objects in one write") << QList<QByteArray>{Handshake + Handshake} << 0
                                              << QList<QByteArray>{FailReply} << 2400;
    QTest::newRow("chunks under 2500 ms apart")
        << QList<QByteArray>{Handshake.left(5), Handshake.mid(5, 20), Handshake.mid(25)} << 1500
        << QList<QByteArray>{PassReply} << 0;
    QTest::newRow("array") << QList<QByteArray>{"[" + Handshake + "]"} << 0 << QList<QByteArray>{FailReply}
                           << 2400;
    QTest::newRow("a key named twice, refused at once")
        << QList<QByteArray>{R"({"event":"EndOfLineTest","command":"Start","command":"Start"})"} << 0
        << QList<QByteArray>{FailReply} << 0;
}

void TestEolTesting::framing()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(int, gapMs);
    QFETCH(QList<QByteArray>, replies);
    QFETCH(int, minDelayMs);

    EolStation station;
    QVERIFY(station.connectTo(m_eol->serverPort()));
    QElapsedTimer sinceLast;
    for (int i = 0; i < chunks.size(); ++i) {
        if (i > 0)
            QTest::qWait(gapMs);
        station.send(chunks.at(i));
        sinceLast.start();
    }
    QVERIFY(waitUntil([&] { return station.poll() >= replies.size(); }, 5000));
    QVERIFY(sinceLast.elapsed() >= minDelayMs);
    QTest::qWait(200);
    station.poll();
    QCOMPARE(station.replies, replies);
    QCOMPARE(m_eol->pendingRequestBytes(), 0);
}

void TestEolTesting::testRunRequests_data()
{
    QTest::addColumn<QList<QByteArray>>("requests");
    QTest::addColumn<QList<QByteArray>>("answers");
    QTest::addColumn<QStringList>("heaters");    // after the run's own "all 0"
    QTest::addColumn<QStringList>("signalsSeen");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("model");

    using L = QList<QByteArray>;
    const QByteArray fail = R"({"event":"EndOfLineTestResponse","response":"fail"})";
    const QByteArray csm = R"({"event":"ConfigureSerialAndModelResponse","response":"%1"})";
    // A null text leaves the member out.
    const auto numbers = [](const QString &serial, const QString &model) {
        QJsonObject o{{"event", "ConfigureSerialAndModel"}, {"command", "Start"}};
        if (!serial.isNull())
            o.insert("serial number", serial);
        if (!model.isNull())
            o.insert("model number", model);
        return QJsonDocument(o).toJson(QJsonDocument::Compact);
    };
    const auto csmReply = [&csm](const char *response) { return QByteArray(csm).replace("%1", response); };
    const QStringList none;
    const QStringList sysInfo{"systemInfoTestStart"};

    QTest::newRow("stop, then a new handshake")
        << L{R"({"event":"EndOfLineTest","command":"Stop"})", Handshake}
        << L{R"({"event":"EndOfLineTestResponse","response":"pass"})", R"({"event":"EndOfLineTestResponse","response":"pass"})"}
        << QStringList{"restore", "all 0"} << none << "" << "";
    QTest::newRow("handshake during a run") << L{Handshake} << L{fail} << none << none << "" << "";
    QTest::newRow("unknown and missing event")
        << L{R"({"event":"Dance","command":"Start"})", R"({"command":"Start"})", R"({"event":7})"}
        << L{fail, fail, fail} << none << none << "" << "";
    QTest::newRow("serial and model") << L{numbers("1234567890", "AB123")} << L{csmReply("pass")} << none
                                      << sysInfo << "1234567890" << "AB123";
    QTest::newRow("empty serial, model") << L{numbers("", "AB123")} << L{csmReply("pass")} << none << sysInfo
                                         << "" << "AB123";
    QTest::newRow("serial, no model") << L{numbers("1234567890", QString())} << L{csmReply("fail")} << none
                                      << sysInfo << "1234567890" << "";
    QTest::newRow("serial, model a number")
        << L{R"({"event":"ConfigureSerialAndModel","command":"Start","serial number":"77","model number":5})"}
        << L{csmReply("fail")} << none << sysInfo << "77" << "";
    const QStringList unsafe{"12/34", "12=34", "12\n34", "12\r", QStringLiteral("12") + QChar(0) + "34"};
    for (const QString &bad : unsafe) {
        QTest::addRow("unsafe serial %s", bad.toUtf8().toPercentEncoding().constData())
            << L{numbers(bad, "AB123")} << L{csmReply("fail")} << none << sysInfo << "" << "";
    }
    QTest::newRow("unsafe model") << L{numbers("1234567890", "A/B")} << L{csmReply("fail")} << none << sysInfo
                                  << "" << "";
    QTest::newRow("numbers with Stop")
        << L{R"({"event":"ConfigureSerialAndModel","command":"Stop","serial number":"1"})"}
        << L{csmReply("fail")} << none << none << "" << "";
    QTest::newRow("speaker, screen, tag start")
        << L{R"({"event":"SpeakerTest","command":"Start"})", R"({"event":"ScreenTest","command":"Start"})",
             R"({"event":"TagReadTest","command":"Start"})"}
        << L{} << none << QStringList{"soundTestStart", "displayTestStart", "nfcTestStart"} << "" << "";
    QTest::newRow("silent requests without Start")
        << L{R"({"event":"SpeakerTest","command":"Stop"})", R"({"event":"ScreenTest"})",
             R"({"event":"TagReadTest","command":"start"})", R"({"event":"StopTagTest","command":"Stop"})"}
        << L{} << none << none << "" << "";
    QTest::newRow("stop tag test") << L{R"({"event":"StopTagTest","command":"Start"})",
                                        R"({"event":"TagReadTest","command":"Start"})",
                                        R"({"event":"StopTagTest","command":"Start"})"}
                                   << L{R"({"event":"StopTagTestResponse","response":"fail"})",
                                        R"({"event":"StopTagTestResponse","response":"pass"})"}
                                   << none << QStringList{"nfcTestStart"} << "" << "";
    QTest::newRow("all zones") << L{R"({"event":"TurnOnAllZones","command":"Start"})",
                                    R"({"event":"TurnOffAllZones","command":"Start"})",
                                    R"({"event":"TurnOnAllZones","command":"Stop"})"}
                               << L{R"({"event":"TurnOnAllZonesResponse","response":"pass"})",
                                    R"({"event":"TurnOffAllZonesResponse","response":"pass"})",
                                    R"({"event":"TurnOnAllZonesResponse","response":"fail"})"}
                               << QStringList{"all 1", "all 0"}
                               << QStringList{"heatingTestCommand", "heatingTestCommand"} << "" << "";
    QTest::newRow("one heater")
        << L{R"({"event":"HeaterTest","command":"Start","zone":"2","heaterIndex":"1"})"}
        << L{R"({"error":"NO ERROR","event":"HeaterTestResponse","heaterIndex":"1","response":"pass","zone":"2"})"}
        << QStringList{"single 1 1"} << QStringList{"heatingTestCommand"} << "" << "";
    const QByteArray heater = R"({"event":"HeaterTest","command":"Start","zone":"%1","heaterIndex":"%2"})";
    const auto heaterTest = [&](const char *zone, const char *index) {
        return QByteArray(heater).replace("%1", zone).replace("%2", index);
    };
    const auto refused = [](const char *zone, const char *index) {
        return QByteArray(R"({"error":"NO ERROR","event":"HeaterTestResponse","heaterIndex":"%2","response":"fail","zone":"%1"})")
            .replace("%1", zone)
            .replace("%2", index);
    };
    QTest::newRow("heaters out of range")
        << L{heaterTest("0", "0"), heaterTest("1", "2"), heaterTest("1", "-1"), heaterTest("-2147483648", "0")}
        << L{refused("0", "0"), refused("1", "2"), refused("1", "-1"), refused("-2147483648", "0")} << none
        << none << "" << "";
    QTest::newRow("heater requests that stop early")
        << L{heaterTest("3", "0"), R"({"event":"HeaterTest","command":"Start","zone":2,"heaterIndex":"1"})",
             heaterTest("2", "x"), R"({"event":"HeaterTest","command":"Stop","zone":"2","heaterIndex":"1"})"}
        << L{R"({"event":"HeaterTestResponse","response":"fail","zone":"3"})",
             R"({"event":"HeaterTestResponse","response":"fail"})",
             R"({"event":"HeaterTestResponse","response":"fail","zone":"2"})",
             R"({"event":"HeaterTestResponse","response":"fail"})"}
        << none << none << "" << "";
}

void TestEolTesting::testRunRequests()
{
    QFETCH(QList<QByteArray>, requests);
    QFETCH(QList<QByteArray>, answers);
    QFETCH(QStringList, heaters);
    QFETCH(QStringList, signalsSeen);
    QFETCH(QString, serial);
    QFETCH(QString, model);

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

    EolStation station;
    openRun(station);
    m_cabinet->log.clear();
    for (const QByteArray &request : requests) {
        const int before = handled.count();
        station.send(request);
        QVERIFY2(waitUntil([&] { return handled.count() > before; }), request.constData());
    }
    QVERIFY(waitUntil([&] { station.poll(); return station.answers().size() > answers.size(); }));
    QTest::qWait(100); // nothing more comes
    station.poll();
    QList<QJsonObject> expected;
    expected << json(PassReply);
    for (const QByteArray &a : answers)
        expected << json(a);
    QCOMPARE(station.answers(), expected);
    QCOMPARE(m_cabinet->log, heaters);
    QCOMPARE(seen, signalsSeen);
    QCOMPARE(m_config->get_serialNumber(), serial);
    QCOMPARE(m_config->get_modelNumber(), model);
    // The identity file is written only when the numbers were taken.
    QCOMPARE(QFileInfo::exists(CabinetIdentity::identityFilePath()), !serial.isEmpty() || !model.isEmpty());
    if (!serial.isEmpty())
        QVERIFY(readFile(CabinetIdentity::identityFilePath()).contains("serialNumber=" + serial.toUtf8() + "\n"));
}

void TestEolTesting::softwareVersions_data()
{
    QTest::addColumn<int>("orientationId");
    QTest::addColumn<bool>("secondDisplay");
    QTest::addColumn<bool>("nfc");
    QTest::addColumn<QString>("versions");

    QTest::newRow("2x4 primary") << 9 << false << true << "UI1-RO-2503,IoT-2.0.1,IO1-3.1.0,IO2-3.1.1,NFC1-1.4.2";
    QTest::newRow("5x4 primary, second display")
        << 1 << true << true
        << "UI1-RO-2503,UI2-RO-2502,IoT-2.0.1,IO1-3.1.0,IO2-3.1.1,IO3-3.1.2,IO4-3.1.3,IO5-3.1.4,NFC1-1.4.2,NFC2-1.4.3";
    QTest::newRow("other display id, no NFC") << 4 << false << false << "UI1-RO-2503,IoT-2.0.1,IO1-3.1.0";
}

void TestEolTesting::softwareVersions()
{
    QFETCH(int, orientationId);
    QFETCH(bool, secondDisplay);
    QFETCH(bool, nfc);
    m_core->orientationId = orientationId;
    m_core->hasSecondaryDisplay = secondDisplay;
    m_core->nfcEnabled = nfc;
    m_core->numIOBoards = 1;
    m_config->set_theOtherUiFwVersion(QStringLiteral("RO-2502"));
    m_config->set_iotSoftwareVersion(QStringLiteral("2.0.1"));
    m_config->set_ioBoardFirmwareVersion0(QStringLiteral("3.1.0"));
    m_config->set_ioBoardFirmwareVersion1(QStringLiteral("3.1.1"));
    m_config->set_ioBoardFirmwareVersion2(QStringLiteral("3.1.2"));
    m_config->set_ioBoardFirmwareVersion3(QStringLiteral("3.1.3"));
    m_config->set_ioBoardFirmwareVersion4(QStringLiteral("3.1.4"));
    m_config->set_readerFirmwareVersion1(QStringLiteral("1.4.2"));
    m_config->set_readerFirmwareVersion2(QStringLiteral("1.4.3"));
    QTEST(m_eol->getSoftwareVersions(), "versions");
}

void TestEolTesting::statusReports_data()
{
    QTest::addColumn<int>("zones");
    QTest::addColumn<QList<bool>>("faults"); // Modbus link, IO board, NFC reader, CAN link
    QTest::addColumn<QString>("communication");
    QTest::addColumn<QString>("temperature");

    QTest::newRow("all sound") << 1 << QList<bool>{false, false, false, false} << "pass,pass"
                               << "Z01-I0-165,Z01-I1-165";
    QTest::newRow("CAN down") << 2 << QList<bool>{false, false, false, true} << "pass,fail"
                              << "Z01-I0-165,Z01-I1-165,Z02-I0-165,Z02-I1-165";
    QTest::newRow("Modbus link") << 0 << QList<bool>{true, false, false, false} << "fail,pass" << "";
    QTest::newRow("IO board") << 0 << QList<bool>{false, true, false, false} << "fail,pass" << "";
    QTest::newRow("NFC reader") << 0 << QList<bool>{false, false, true, true} << "fail,fail" << "";
}

void TestEolTesting::statusReports()
{
    QFETCH(int, zones);
    QFETCH(QList<bool>, faults);
    m_core->numberOfZones = zones;
    m_cabinet->sib = faults.at(0);
    m_cabinet->io = faults.at(1);
    m_cabinet->nfc = faults.at(2);
    m_cabinet->can = faults.at(3);
    EolStation station;
    openRun(station);
    QVERIFY(waitUntil([&] { station.poll(); return station.count(QStringLiteral("StatusResponse")) == 1; }, 3000));
    const QJsonObject report = station.reply(1);
    QCOMPARE(report.size(), 3);
    QTEST(report.value("communicationResponse").toString(), "communication");
    QTEST(report.value("temperature").toString(), "temperature");
}

void TestEolTesting::reportsEndWithTheConnection()
{
    m_core->numberOfZones = 10;
    m_cabinet->zones = 10;
    m_cabinet->actuals[17] = -5;
    QStringList items = m_eol->getActualTemps().split(',');
    QCOMPARE(items.size(), 20);
    QCOMPARE(items.at(16), QStringLiteral("Z09-I0-165"));
    QCOMPARE(items.at(17), QStringLiteral("Z09-I1--5"));
    QCOMPARE(items.at(18), QStringLiteral("Z10-I0-165"));

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
    // The next station finds the tester free again.
    EolStation next;
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
    QFETCH(bool, wifi);
    QFETCH(QString, address);
    QFETCH(QString, broadcast);
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
    QTest::newRow("second station") << "second";
}

void TestEolTesting::stationIsDropped()
{
    QFETCH(QString, how);
    m_eol->setStationSilenceTimeout(how == QLatin1String("silence") ? 400 : 60000);
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
    if (how == QLatin1String("flood")) {
        const QByteArray chunk(4096, '[');
        for (int i = 0; i < 20 && station.socket.state() == QAbstractSocket::ConnectedState; ++i) {
            station.send(chunk);
            QVERIFY(m_eol->pendingRequestBytes() <= EolProtocol::MaxRequestBytes);
            QTest::qWait(10);
        }
    }
    QTRY_COMPARE(gone.count(), 1);
    station.poll();
    if (how == QLatin1String("flood"))
        QCOMPARE(station.replies.last(), FailReply);
    QTRY_VERIFY(!m_eol->getEolTestStarted());
    QCOMPARE(m_cabinet->log, (QStringList{"all 0", "restore"}));
    QCOMPARE(m_eol->pendingRequestBytes(), 0);
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

void TestEolTesting::fixedPort()
{
    // The resource lock keeps this suite's tests apart, not a program run beside it.
    EolTesting fixed(m_core);
    if (!fixed.isListening())
        QSKIP("TCP port 10000 is taken by another program");
    QCOMPARE(fixed.serverPort(), EolProtocol::TcpPort);
}

QTEST_MAIN(TestEolTesting)
#include "tst_eoltesting.moc"
