// The cloud's commands and events end to end: the root on a private system bus with this
// test as the IoT agent, each message checked against its acknowledgement and against
// what it changed on the cabinet (settings file, identity files, tools started, the
// performance-data timer as the bus reads it), across restarts of the program where the
// message waits for one. The cabinet is the 5 x 2 single-display NFC cabinet of the
// holding test (bins 0-2 hold product 21).
#include "alarmtimings.h"
#include "cabinetidentity.h"
#include "cabinetmanager.h"
#include "configurationmanager.h"
#include "ioboardsimulator.h"
#include "iotlink.h"
#include "mastersync.h"
#include "menumanager.h"
#include "personalitytypes.h"
#include "privatebus.h"
#include "scratchroots.h"
#include "tulerrorcontrollert.h"
#include "tullumo.h"
#include "tulpaths.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QtTest>

#include <malloc.h>

namespace {

constexpr quint64 PanOf21 = (quint64(21) << 40) | 0x0A01;
const QString PanText = QString::number(PanOf21, 16);

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString configValue(const QString &key)
{
    for (const QByteArray &line : readFile(ConfigurationManager::configFilePath()).split('\n'))
        if (line.startsWith(key.toUtf8() + '='))
            return QString::fromUtf8(line.mid(key.size() + 1));
    return QStringLiteral("<none>");
}

} // namespace

class Agent : public QObject
{
    Q_OBJECT
public:
    QList<QJsonObject> events;
    QHash<QString, int> counts;
    bool keep = true; // off: counted only
    int received = 0;
    int count(const QString &name) const { return counts.value(name); }
public slots:
    void record(const QString &text)
    {
        ++received;
        const QJsonObject e = QJsonDocument::fromJson(text.toUtf8()).object();
        ++counts[e.value(QStringLiteral("event")).toString()];
        if (keep)
            events << e;
    }
};

class TestIotCommandsBus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void commands_data();
    void commands();
    void events_data();
    void events();
    void updateRoundTrip_data();
    void updateRoundTrip();
    void identityAtNextStart();
    void holdResetAfterRestart_data();
    void holdResetAfterRestart();
    void sdkErrorInTheLog();
    void flood();

private:
    void start();
    void restart();
    void send(const QByteArray &json);
    void place(int bin, quint64 uid);
    QJsonObject waitFor(const QString &name, int count = 1);
    // The next message of that name after everything already received.
    QJsonObject next(const QString &name, const QByteArray &json);
    void drain();
    int timerIntervalOverTheBus();

    PrivateBus *m_bus = nullptr;
    QDBusConnection m_agentBus{QString()};
    Agent *m_agent = nullptr;
    QScopedPointer<ScratchRoots> m_scratch;
    QScopedPointer<CabinetManager> m_cm;
    QString m_cwd;
    bool m_settingsWritten = false;
};

void TestIotCommandsBus::initTestCase()
{
    AlarmTimings::setScale(0.02);
    m_bus = new PrivateBus;
    QVERIFY(m_bus->isRunning());
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus->address().toUtf8());
    m_agentBus = m_bus->connect(QStringLiteral("agent"));
    m_agent = new Agent;
    QVERIFY(m_agentBus.connect(QString(), IotLink::ObjectPath, IotLink::InterfaceName, QStringLiteral("lumoEvent"),
                               m_agent, SLOT(record(QString))));
}

void TestIotCommandsBus::cleanupTestCase()
{
    delete m_agent;
    delete m_bus;
}

void TestIotCommandsBus::init()
{
    m_cwd = QDir::currentPath();
    m_scratch.reset(new ScratchRoots);
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    m_scratch->setVariable("TUL_CAN_INTERFACE", QStringLiteral("tcp://127.0.0.1:%1/can0").arg(probe.serverPort()));
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("5x2_primary_nfc.hcc"),
                                     readFile(QStringLiteral(PERSONALITY_FIXTURES "/5x2_primary_nfc.hcc"))));
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("menu.json"),
                                     readFile(QStringLiteral(MENU_FIXTURES "/menu_holding.json"))));
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("dayParts.json"),
                                     readFile(QStringLiteral(HOLDING_FIXTURES "/dayParts.json"))));
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("serialModelNums.txt"),
                                     "serialNumber=SN-0001\nmodelNumber=MODEL-A\nuuidNumber=uuid-1\n"));
    m_agent->events.clear();
    m_agent->counts.clear();
    m_agent->keep = true;
    m_settingsWritten = false;
    start();
}

void TestIotCommandsBus::start()
{
    m_cm.reset();
    m_cm.reset(new CabinetManager(0, 7));
    m_cm->ioSimulator()->set_heatingStep(0);
    for (int heater = 0; heater < 10; ++heater)
        m_cm->ioSimulator()->setTemperature(heater, 160 + heater);
    m_cm->ioSimulator()->setAmbientTemperature(80);
    QTRY_VERIFY_WITH_TIMEOUT(m_cm->masterSync()->get_synced(), 10000);
    QTRY_COMPARE(m_cm->get_trayState(1), 4);
    if (!m_settingsWritten) {
        ConfigurationManager *config = m_cm->configManager();
        config->set_storeNumber(QStringLiteral("1234"));
        config->set_iotType(QStringLiteral("QRB_LUMO"));
        config->set_performanceDataInterval(60);
        config->set_wifiSSID(QStringLiteral("Kitchen"));
        config->set_wifiPassword(QStringLiteral("secret-1"));
        QVERIFY(config->saveConfigFile());
        m_settingsWritten = true;
    }
}

void TestIotCommandsBus::restart()
{
    start();
}

void TestIotCommandsBus::cleanup()
{
    m_cm.reset();
    QDir::setCurrent(m_cwd);
    m_scratch.reset();
}

void TestIotCommandsBus::send(const QByteArray &json)
{
    QVERIFY(m_agentBus.send(QDBusMessage::createSignal(IotLink::ObjectPath, IotLink::InterfaceName,
                                                       QStringLiteral("lumoCmd"))
                            << QString::fromUtf8(json)));
}

void TestIotCommandsBus::place(int bin, quint64 uid)
{
    const NfcPollingInfo *polling = m_cm->get_nfcPollingInfo();
    for (int a = 0; a < NfcPollingInfo::AddressCount; ++a)
        for (int p = 0; p < NfcPollingInfo::PollOrderCount; ++p)
            for (int s = 0; s < polling->group[a][p].count; ++s)
                if (polling->group[a][p].entries[s].binIndex == bin) {
                    const auto &group = polling->group[a][p];
                    QVERIFY(m_cm->ioSimulator()->placeTag(quint8(group.address), group.entries[s].channel, uid));
                    return;
                }
    QFAIL("bin without a reader channel");
}

QJsonObject TestIotCommandsBus::waitFor(const QString &name, int count)
{
    if (!QTest::qWaitFor([&] { return m_agent->count(name) >= count; }, 10000))
        return {};
    if (!m_agent->keep)
        return {{QStringLiteral("event"), name}};
    for (int i = m_agent->events.size() - 1; i >= 0; --i)
        if (m_agent->events.at(i).value(QStringLiteral("event")).toString() == name)
            return m_agent->events.at(i);
    return {};
}

QJsonObject TestIotCommandsBus::next(const QString &name, const QByteArray &json)
{
    const int before = m_agent->count(name);
    send(json);
    return waitFor(name, before + 1);
}

void TestIotCommandsBus::drain()
{
    // A command is always answered: its answer comes after everything sent before it.
    QVERIFY(!next(QStringLiteral("commandStatus"), R"({"event":"command","command":"drain"})").isEmpty());
}

int TestIotCommandsBus::timerIntervalOverTheBus()
{
    QDBusMessage call = QDBusMessage::createMethodCall(IotLink::ServiceName, IotLink::ObjectPath,
                                                       IotLink::InterfaceName,
                                                       QStringLiteral("getObjectPropertyValue"));
    call << QStringLiteral("performanceDataTimer") << QStringLiteral("interval");
    const QDBusMessage reply = m_agentBus.call(call, QDBus::BlockWithGui, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return -1;
    return qvariant_cast<QDBusVariant>(reply.arguments().first()).variant().toInt();
}

// ---- commands ----------------------------------------------------------------------------

void TestIotCommandsBus::commands_data()
{
    QTest::addColumn<QByteArray>("command");  // name and "commandValue" member, or what replaces them
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("effect");      // "config:key=value", "timer:s", "file:name=content", "none"

    const QString done = QStringLiteral("Command executed");
    const QString identity = QStringLiteral(
        "New serial/model number received successfully. Please restart the unit to apply the changes");
    QTest::newRow("interval") << QByteArray(R"("command":"updatePerformanceDataInterval","commandValue":"300")")
                              << "success" << done << "timer:300";
    QTest::newRow("interval as a number") << QByteArray(
        R"("command":"updatePerformanceDataInterval","commandValue":300)") << "failure" << "Unknown commnd value"
                                          << "timer:60";
    QTest::newRow("interval 0") << QByteArray(R"("command":"updatePerformanceDataInterval","commandValue":"0")")
                                << "failure" << "Unknown commnd value" << "timer:60";
    QTest::newRow("interval negative") << QByteArray(
        R"("command":"updatePerformanceDataInterval","commandValue":"-5")") << "failure" << "Unknown commnd value"
                                       << "timer:60";
    QTest::newRow("interval as words") << QByteArray(
        R"("command":"updatePerformanceDataInterval","commandValue":"five")") << "failure" << "Unknown commnd value"
                                       << "timer:60";
    QTest::newRow("interval beyond a day") << QByteArray(
        R"("command":"updatePerformanceDataInterval","commandValue":"99999999999")") << "success" << done
                                           << "timer:86400";
    QTest::newRow("serial") << QByteArray(R"("command":"updateSerialNumber","commandValue":"SN-0002")") << "success"
                            << identity << "file:newSerialInfo.txt=serialNumber=SN-0002\n";
    QTest::newRow("serial empty") << QByteArray(R"("command":"updateSerialNumber","commandValue":"")") << "failure"
                                  << "Serial number not accepted" << "file:newSerialInfo.txt=";
    QTest::newRow("serial holding =") << QByteArray(R"("command":"updateSerialNumber","commandValue":"A=B")")
                                      << "failure" << "Serial number not accepted" << "file:newSerialInfo.txt=";
    QTest::newRow("serial with a line break") << QByteArray(
        R"("command":"updateSerialNumber","commandValue":"SN\nmodelNumber=X")") << "failure"
                                              << "Serial number not accepted" << "file:newSerialInfo.txt=";
    QTest::newRow("serial missing") << QByteArray(R"("command":"updateSerialNumber")") << "failure"
                                    << "Serial number not accepted" << "file:newSerialInfo.txt=";
    QTest::newRow("model") << QByteArray(R"("command":"updateModelNumber","commandValue":"QXV61PRT2K")")
                           << "success" << identity << "file:newModelInfo.txt=modelNumber=QXV61PRT2K\n";
    QTest::newRow("model in small letters") << QByteArray(
        R"("command":"updateModelNumber","commandValue":"qxv61prt2k")") << "failure" << "Model number not accepted"
                                            << "file:newModelInfo.txt=";
    QTest::newRow("pan messages off") << QByteArray(R"("command":"togglePanDetailMessages","commandValue":"off")")
                                      << "success" << done << "config:panMessagesEnable=0";
    QTest::newRow("pan messages maybe") << QByteArray(
        R"("command":"togglePanDetailMessages","commandValue":"maybe")") << "failure" << "Unknown command value"
                                        << "config:panMessagesEnable=1";
    QTest::newRow("reset of an unknown cycle") << QByteArray(R"("command":"resetCycle","commandValue":"ab-1")")
                                               << "failure" << "Cycle eventUuid not found" << "none";
    QTest::newRow("restart without a value") << QByteArray(R"("command":"restartCycle")") << "failure"
                                             << "Cycle eventUuid not found" << "none";
    QTest::newRow("unknown command") << QByteArray(R"("command":"selfDestruct","commandValue":"now")") << "failure"
                                     << "Unknown command!" << "none";
    QTest::newRow("no command") << QByteArray(R"("commandValue":"now")") << "failure" << "Unknown command!"
                                << "none";
}

void TestIotCommandsBus::commands()
{
    QFETCH(QByteArray, command);
    QFETCH(QString, status);
    QFETCH(QString, detail);
    QFETCH(QString, effect);
    const QJsonObject inbound = QJsonDocument::fromJson("{\"event\":\"command\"," + command + "}").object();
    QVERIFY(!inbound.isEmpty());
    const QJsonObject ack = next(QStringLiteral("commandStatus"), "{\"event\":\"command\"," + command + "}");
    QCOMPARE(ack.value("commandStatus").toString(), status);
    QCOMPARE(ack.value("commandStatusDetails").toString(), detail);
    QCOMPARE(ack.value("serialNumber").toString(), QStringLiteral("SN-0001"));
    QVERIFY(!ack.contains("cabinetUuid"));
    if (detail == QLatin1String("Unknown command!")) {
        QVERIFY(!ack.contains("command"));
        QVERIFY(!ack.contains("commandValue"));
    } else {
        QCOMPARE(ack.value("command"), inbound.value("command"));
        QCOMPARE(ack.value("commandValue"),
                 inbound.contains("commandValue") ? inbound.value("commandValue") : QJsonValue(QJsonValue::Null));
    }
    const QString kind = effect.section(':', 0, 0);
    const QString what = effect.section(':', 1);
    if (kind == QLatin1String("timer")) {
        QCOMPARE(configValue("performanceDataInterval"), what);
        QCOMPARE(timerIntervalOverTheBus(), what.toInt() * 1000);
    } else if (kind == QLatin1String("config")) {
        QCOMPARE(configValue(what.section('=', 0, 0)), what.section('=', 1));
    } else if (kind == QLatin1String("file")) {
        QCOMPARE(readFile(TulPaths::rootPath(what.section('=', 0, 0))), what.section('=', 1).toUtf8());
    }
    // The identity stays until the next start.
    QCOMPARE(m_cm->configManager()->get_serialNumber(), QStringLiteral("SN-0001"));
}

// ---- inbound events ----------------------------------------------------------------------

void TestIotCommandsBus::events_data()
{
    QTest::addColumn<bool>("customer");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QStringList>("effects"); // "config:key=value", "tool:name", "notool:name", "timer:s", "connected"

    QTest::newRow("Wi-Fi, maker") << false
        << QByteArray(R"({"event":"wifiSettings","SSID":"Back office","password":"passphrase-2"})")
        << QStringList{"config:wifiSSID=Back office", "config:wifiPassword=passphrase-2", "tool:ifdown"};
    QTest::newRow("Wi-Fi, customer waits for a reset") << true
        << QByteArray(R"({"event":"wifiSettings","ssid":"Back office","password":"passphrase-2"})")
        << QStringList{"config:wifiSSID=Back office", "notool:ifdown"};
    QTest::newRow("Wi-Fi pass phrase too short") << false
        << QByteArray(R"({"event":"wifiSettings","SSID":"Back office","password":"pw-2"})")
        << QStringList{"config:wifiSSID=Kitchen", "config:wifiPassword=secret-1", "notool:ifdown"};
    QTest::newRow("Wi-Fi without a name") << false << QByteArray(R"({"event":"wifiSettings","SSID":"","password":""})")
        << QStringList{"config:wifiSSID=Kitchen", "config:wifiPassword=secret-1", "notool:ifdown"};
    QTest::newRow("Wi-Fi, name under the other key") << false
        << QByteArray(R"({"event":"wifiSettings","ssid":"Back office"})")
        << QStringList{"config:wifiSSID=Kitchen", "notool:ifdown"};
    QTest::newRow("network reset, customer") << true << QByteArray(R"({"event":"networkReset"})")
                                             << QStringList{"tool:ifdown"};
    QTest::newRow("interval event") << true << QByteArray(R"({"command":"performanceDataIntervalCmd","value":45})")
                                    << QStringList{"timer:45"};
    QTest::newRow("interval event as text") << true
        << QByteArray(R"({"command":"performanceDataIntervalCmd","value":"45"})") << QStringList{"timer:60"};
    QTest::newRow("interval event of 0") << true
        << QByteArray(R"({"command":"performanceDataIntervalCmd","value":0})") << QStringList{"timer:60"};
    QTest::newRow("location") << true << QByteArray(R"({"event":"locationUpdate","value":"5678"})")
                              << QStringList{"config:storeNumber=5678"};
    QTest::newRow("empty location") << true << QByteArray(R"({"event":"locationUpdate","value":""})")
                                    << QStringList{"config:storeNumber=1234"};
    QTest::newRow("connected") << true << QByteArray(R"({"event":"lumoConnectionStatus","settings":"connected"})")
                               << QStringList{"connected"};
}

void TestIotCommandsBus::events()
{
    QFETCH(bool, customer);
    QFETCH(QByteArray, message);
    QFETCH(QStringList, effects);
    ConfigurationManager *config = m_cm->configManager();
    config->set_iotType(customer ? QStringLiteral("QRB_LUMO") : QStringLiteral("QRB_VAZARA"));
    const int before = m_agent->count("commandStatus");
    send(message);
    drain();
    // Events are not answered.
    QCOMPARE(m_agent->count("commandStatus"), before + 1);
    for (const QString &effect : effects) {
        const QString what = effect.section(':', 1);
        if (effect.startsWith("config:")) {
            QCOMPARE(configValue(what.section('=', 0, 0)), what.section('=', 1));
        } else if (effect.startsWith("timer:")) {
            QCOMPARE(timerIntervalOverTheBus(), what.toInt() * 1000);
        } else if (effect == QLatin1String("connected")) {
            QVERIFY(config->get_iotConnected());
        } else {
            const bool wanted = effect.startsWith("tool:");
            const auto started = [&] {
                for (const QString &call : m_scratch->toolCalls())
                    if (call.startsWith(what))
                        return true;
                return false;
            };
            if (wanted)
                QTRY_VERIFY(started());
            else
                QVERIFY(!started());
        }
    }
}

// ---- update offers -----------------------------------------------------------------------

void TestIotCommandsBus::updateRoundTrip_data()
{
    QTest::addColumn<bool>("resultWritten");
    QTest::newRow("results written") << true;
    QTest::newRow("no results yet") << false;
}

void TestIotCommandsBus::updateRoundTrip()
{
    QFETCH(bool, resultWritten);
    QVERIFY(QDir().mkpath(TulLumo::firmwareUpdateDir()));
    QVERIFY(QDir().mkpath(TulLumo::menuUpdateDir()));
    send(R"({"event":"firmwareUpdateAvailable","fileName":"fw.tar","version":"1.2","noEarlierThan":"1700000000","checksum":"ab12"})");
    send(R"({"event":"menuUpdateAvailable","fileName":"menu.json","version":"M-7","noEarlierThan":"1700000001","checksum":"cd34"})");
    drain();
    QCOMPARE(readFile(TulLumo::firmwareOfferPath()),
             QByteArray("fileName=fw.tar\nfileVersion=1.2\nattemptedAt=1700000000\nchecksumExpected=ab12\n"));
    QVERIFY(QFile::exists(TulLumo::menuOfferPath()));
    if (resultWritten) {
        QVERIFY(m_scratch->writeRootFile(QStringLiteral("updates/firmwareUpdateResult.txt"),
                                         "updateResult=successful\nresultDetail=installed\n"));
        // The cabinet's own import writes the menu's status.
        emit m_cm->menuManager()->notifyMenuUpdated(QStringLiteral("1700000100"), 0, true);
        QTRY_VERIFY(QFile::exists(TulLumo::menuStatusPath()));
    }
    for (int round = 0; round < 2; ++round) {
        send(R"({"event":"lumoConnectionStatus","settings":"connected"})");
        drain();
        drain(); // the firmware report is queued behind the settings' signal
    }
    QCOMPARE(m_agent->count("updateStatus"), 2); // once each, however often connected
    QJsonObject firmware;
    QJsonObject menu;
    for (const QJsonObject &e : qAsConst(m_agent->events))
        if (e.value("event") == QLatin1String("updateStatus"))
            (e.value("updateType") == QLatin1String("menu") ? menu : firmware) = e;
    QCOMPARE(firmware.value("updateEventId").toString(), QStringLiteral("fw.tar1.2SN-00011700000000"));
    QCOMPARE(menu.value("updateEventId").toString(), QStringLiteral("menu.jsonM-7SN-00011700000001"));
    QCOMPARE(firmware.value("checksumCalculated").toString(), QStringLiteral("not checked"));
    QCOMPARE(firmware.value("status").toString(), resultWritten ? "updated" : "update failed");
    QCOMPARE(firmware.value("statusDetail").toString(), resultWritten ? "installed" : "Firmware update did not start");
    QCOMPARE(menu.value("status").toString(), resultWritten ? "updated" : "update failed");
    QCOMPARE(menu.value("statusDetail").toString(), resultWritten ? "updated" : "Menu update did not start");
    // Reported offers go with their results; an offer without one waits for it.
    QCOMPARE(QFile::exists(TulLumo::firmwareOfferPath()), !resultWritten);
    QCOMPARE(QFile::exists(TulLumo::menuOfferPath()), !resultWritten);
    QVERIFY(!QFile::exists(TulLumo::firmwareResultPath()));
    QVERIFY(!QFile::exists(TulLumo::menuStatusPath()));
    // Only an imported menu is named by the offer.
    QCOMPARE(m_cm->configManager()->get_importedMenu(), resultWritten ? QStringLiteral("M-7") : QString());
    if (resultWritten)
        QCOMPARE(configValue("importedMenu"), QStringLiteral("M-7"));
}

// ---- identity ----------------------------------------------------------------------------

void TestIotCommandsBus::identityAtNextStart()
{
    QVERIFY(QDir().mkpath(TulPaths::systemDir()));
    QFile creds(CabinetIdentity::credentialsPath());
    QVERIFY(creds.open(QIODevice::WriteOnly));
    creds.close();
    QCOMPARE(next("commandStatus", R"({"event":"command","command":"updateSerialNumber","commandValue":"SN-0002"})")
                 .value("commandStatus").toString(), QStringLiteral("success"));
    QCOMPARE(next("commandStatus", R"({"event":"command","command":"updateModelNumber","commandValue":"QXV33PRT3K"})")
                 .value("commandStatus").toString(), QStringLiteral("success"));
    const QJsonObject before = next("pingResponse", R"({"event":"ping"})");
    QCOMPARE(before.value("serialNumber").toString(), QStringLiteral("SN-0001"));
    QCOMPARE(before.value("modelNumber").toString(), QStringLiteral("MODEL-A"));

    restart();
    const QJsonObject after = next("pingResponse", R"({"event":"ping"})");
    QCOMPARE(after.value("serialNumber").toString(), QStringLiteral("SN-0002"));
    QCOMPARE(after.value("modelNumber").toString(), QStringLiteral("QXV33PRT3K"));
    QVERIFY(readFile(CabinetIdentity::identityFilePath()).contains("serialNumber=SN-0002\nmodelNumber=QXV33PRT3K\n"));
    QVERIFY(!QFile::exists(TulLumo::pendingSerialPath()));
    QVERIFY(!QFile::exists(TulLumo::pendingModelPath()));
    QVERIFY(!QFile::exists(CabinetIdentity::credentialsPath()));
}

// ---- hold-cycle resets -------------------------------------------------------------------

void TestIotCommandsBus::holdResetAfterRestart_data()
{
    QTest::addColumn<bool>("customer");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("uuid");
    QTest::addColumn<bool>("sameBatch");
    QTest::addColumn<QString>("error"); // empty: the hold ends

    QTest::newRow("customer reset") << true << "" << "" << true << "";
    QTest::newRow("maker reset") << false << "SN-0001" << "uuid-1" << true << "";
    QTest::newRow("other serial") << false << "SN-0009" << "uuid-1" << true << "Serial number error";
    QTest::newRow("other cabinet UUID") << false << "SN-0001" << "uuid-9" << true << "Cabinet UUID error";
    QTest::newRow("other batch") << false << "SN-0001" << "uuid-1" << false << "Hold record not found";
}

void TestIotCommandsBus::holdResetAfterRestart()
{
    QFETCH(bool, customer);
    QFETCH(QString, serial);
    QFETCH(QString, uuid);
    QFETCH(bool, sameBatch);
    QFETCH(QString, error);
    m_cm->configManager()->set_iotType(customer ? QStringLiteral("QRB_LUMO") : QStringLiteral("QRB_VAZARA"));
    QVERIFY(m_cm->configManager()->saveConfigFile());
    place(0, PanOf21);
    const QJsonObject started = waitFor("holdStart");
    QVERIFY(!started.isEmpty());
    const QString batch = customer ? started.value("eventUuid").toString()
                                   : started.value("batch").toObject().value("id").toString();
    QVERIFY(batch.startsWith(PanText));

    restart();
    m_agent->events.clear();
    m_agent->counts.clear();
    if (customer) {
        const QJsonObject ack = next("commandStatus", QStringLiteral(
            R"({"event":"command","command":"resetCycle","commandValue":"%1"})").arg(batch).toUtf8());
        QCOMPARE(ack.value("commandStatusDetails").toString(), QStringLiteral("Command executed"));
    } else {
        send(QStringLiteral(R"({"event":"reset","timestamp":1767225000,"panId":"%1",
            "cabinet":{"serialNumber":"%2","cabinetUuid":"%3"},"batch":{"id":"%4"}})")
                 .arg(PanText, serial, uuid, sameBatch ? batch : QStringLiteral("other"))
                 .toUtf8());
    }
    drain();
    if (!error.isEmpty()) {
        const QJsonObject reply = waitFor("commandError");
        QCOMPARE(reply.value("errorDesc").toString(), error);
        QCOMPARE(reply.value("command").toString(), QStringLiteral("reset"));
        QCOMPARE(reply.value("commandTs").toDouble(), 1767225000.0);
        QCOMPARE(m_agent->count("holdStop"), 0);
        return;
    }
    QCOMPARE(m_agent->count("commandError"), 0);
    const QJsonObject stopped = waitFor("holdStop");
    QVERIFY(!stopped.isEmpty());
    QCOMPARE(stopped.value("panId").toString(), PanText);
}

// ---- SDK errors --------------------------------------------------------------------------

void TestIotCommandsBus::sdkErrorInTheLog()
{
    QSignalSpy shown(m_cm->errorService(), &TulErrorControllerT::notifyError);
    send(R"({"event":"sdkError","errorCode":"-161"})");
    drain();
    const auto logged = [] {
        const QDir logs(TulPaths::rootPath(QStringLiteral("errorLogs")));
        for (const QString &name : logs.entryList(QDir::Files))
            if (readFile(logs.filePath(name)).contains("8\t1\t4\t0\n"))
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(logged(), 10000);
    QTRY_VERIFY(!shown.isEmpty());
    QCOMPARE(shown.last().at(2).toString(), QStringLiteral("Model number is missing."));
}

// ---- a flood -----------------------------------------------------------------------------

void TestIotCommandsBus::flood()
{
    const QList<QByteArray> good{
        R"({"event":"command","command":"togglePanDetailMessages","commandValue":"off"})",
        R"({"event":"command","command":"updateModelNumber","commandValue":"nope"})",
        R"({"event":"command","command":"resetCycle","commandValue":"ab-1"})",
    };
    const QList<QByteArray> bad{
        R"({"event":"command","command":)",
        R"([{"event":"command"}])",
        R"({"event":"command","event":"command","command":"x"})",
        R"({"event":"command","command":"x","command":"togglePanDetailMessages","commandValue":"on"})",
    };
    // Every well-formed command is answered; the answers are counted, not kept.
    const auto burst = [&](int messages) {
        const int expected = m_agent->count("commandStatus") + messages - messages / 4;
        for (int i = 0; i < messages; ++i)
            send(i % 4 == 3 ? bad.at(i / 4 % bad.size()) : good.at(i % 3));
        QTRY_VERIFY_WITH_TIMEOUT(m_agent->count("commandStatus") >= expected, 120000);
        QTest::qWait(200); // nothing beyond them
        QCOMPARE(m_agent->count("commandStatus"), expected);
    };
    m_agent->keep = false;
    const QByteArray settings = readFile(ConfigurationManager::configFilePath());
    QVERIFY(!settings.isEmpty());
    burst(10000); // the bus's and the parser's pools grow to their working size
    malloc_trim(0);
    const size_t before = mallinfo2().uordblks;
    burst(10000);
    malloc_trim(0);
    const size_t after = mallinfo2().uordblks;
    QVERIFY2(after < before + 512 * 1024, qPrintable(QStringLiteral("%1 -> %2 bytes").arg(before).arg(after)));
    // Still answering, and the settings file has every line it had (pan messages were off already).
    m_agent->keep = true;
    QCOMPARE(next("pingResponse", R"({"event":"ping"})").value("serialNumber").toString(), QStringLiteral("SN-0001"));
    QCOMPARE(readFile(ConfigurationManager::configFilePath()).split('\n').size(), settings.split('\n').size());
    QCOMPARE(configValue("storeNumber"), QStringLiteral("1234"));
    QCOMPARE(configValue("wifiSSID"), QStringLiteral("Kitchen"));
}

QTEST_MAIN(TestIotCommandsBus)
#include "tst_iotcommandsbus.moc"
