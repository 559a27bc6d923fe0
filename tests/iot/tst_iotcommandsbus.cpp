// The cloud's commands and events end to end: the root on a private system bus with this
// test as the IoT agent, each message checked against its acknowledgement and against
// what it changed on the cabinet (settings file, identity files, tools started, the
// performance-data timer as the bus reads it), across restarts of the program where the
// message waits for one. The tables are in tests/data/iot/tst_iotcommandsbus.json.
#include "cabinetidentity.h"
#include "iottables.h"
#include "menumanager.h"
#include "rootonbus.h"
#include "tulerrorcontrollert.h"
#include "tullumo.h"
#include "tulpaths.h"

#include <QDBusMessage>
#include <QDBusVariant>

#include <malloc.h>

namespace {

constexpr quint64 PanOf21 = (quint64(21) << 40) | 0x0A01;
const QString PanText = QString::number(PanOf21, 16);

QString configValue(const QString &key)
{
    for (const QByteArray &line : readFile(ConfigurationManager::configFilePath()).split('\n'))
        if (line.startsWith(key.toUtf8() + '='))
            return QString::fromUtf8(line.mid(key.size() + 1));
    return QStringLiteral("<none>");
}

} // namespace

class TestIotCommandsBus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_root.startBus(); }
    void cleanupTestCase() { m_root.stopBus(); }
    void init();
    void cleanup() { m_root.stop(); }
    IOT_TABLE_TEST(commands)
    IOT_TABLE_TEST(events)
    IOT_TABLE_TEST(updateRoundTrip)
    void identityAtNextStart();
    IOT_TABLE_TEST(holdResetAfterRestart)
    void sdkErrorInTheLog();
    void flood();
    void saveFails_data();
    void saveFails();

private:
    void send(const QByteArray &json) { QVERIFY(m_root.agent->send(QStringLiteral("lumoCmd"), json)); }
    QJsonObject waitFor(const QString &name, int count = 1) { return m_root.agent->waitFor(name, count); }
    // The next message of that name after everything already received.
    QJsonObject next(const QString &name, const QByteArray &json)
    {
        const int before = m_root.agent->count(name);
        send(json);
        return waitFor(name, before + 1);
    }
    // A command is always answered: its answer comes after everything sent before it.
    void drain() { QVERIFY(!next(QStringLiteral("commandStatus"), R"({"event":"command","command":"drain"})").isEmpty()); }
    int timerIntervalOverTheBus();

    RootOnBus m_root;
};

void TestIotCommandsBus::init()
{
    m_root.prepare();
    m_root.start();
    ConfigurationManager *config = m_root.cm->configManager();
    config->set_storeNumber(QStringLiteral("1234"));
    config->set_iotType(QStringLiteral("QRB_LUMO"));
    config->set_performanceDataInterval(60);
    config->set_wifiSSID(QStringLiteral("Kitchen"));
    config->set_wifiPassword(QStringLiteral("secret-1"));
    QVERIFY(config->saveConfigFile());
}

int TestIotCommandsBus::timerIntervalOverTheBus()
{
    QDBusMessage call = QDBusMessage::createMethodCall(IotLink::ServiceName, IotLink::ObjectPath, IotLink::InterfaceName,
                                                       QStringLiteral("getObjectPropertyValue"));
    call << QStringLiteral("performanceDataTimer") << QStringLiteral("interval");
    const QDBusMessage reply = m_root.agent->bus.call(call, QDBus::BlockWithGui, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return -1;
    return qvariant_cast<QDBusVariant>(reply.arguments().first()).variant().toInt();
}

// "command": the name and "commandValue" member; "detail" "identity": the identity's
// message; "effect": "config:key=value", "timer:s", "stored:s" (an interval below a second:
// stored, the timer keeps its period), "file:name=content" or "none".
void TestIotCommandsBus::commands()
{
    QFETCH(const QJsonObject, row);
    QJsonObject inbound = row["command"].toObject();
    inbound.insert("event", "command");
    const QString detail = row["detail"] == QLatin1String("identity")
        ? QStringLiteral("New serial/model number received successfully. Please restart the unit to apply the changes")
        : row["detail"].toString();
    const QJsonObject ack = next(QStringLiteral("commandStatus"), compact(inbound));
    QCOMPARE(ack.value("commandStatus").toString(), row["status"].toString());
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
    const QString effect = row["effect"].toString(), kind = effect.section(':', 0, 0), what = effect.section(':', 1);
    if (kind == QLatin1String("timer")) {
        QCOMPARE(configValue("performanceDataInterval"), what);
        QCOMPARE(timerIntervalOverTheBus(), what.toInt() * 1000);
    } else if (kind == QLatin1String("stored")) {
        QCOMPARE(configValue("performanceDataInterval"), what);
        QCOMPARE(timerIntervalOverTheBus(), 60 * 1000);
    } else if (kind == QLatin1String("config")) {
        QCOMPARE(configValue(what.section('=', 0, 0)), what.section('=', 1));
    } else if (kind == QLatin1String("file")) {
        QCOMPARE(readFile(TulPaths::rootPath(what.section('=', 0, 0))), what.section('=', 1).toUtf8());
    }
    // The identity stays until the next start.
    QCOMPARE(m_root.cm->configManager()->get_serialNumber(), QStringLiteral("SN-0001"));
}

// "settings": set before the message; "effects": "config:key=value", "tool:name",
// "notool:name", "timer:s" or "connected".
void TestIotCommandsBus::events()
{
    QFETCH(const QJsonObject, row);
    m_root.useSchema(row["customer"].toBool());
    // Settings the message does not touch, even ones that could not be written as they are.
    QVERIFY(setProperties(m_root.cm->configManager(), row["settings"].toObject()));
    const int before = m_root.agent->count("commandStatus");
    const QString answer = row["answer"].toString();
    if (answer.isEmpty()) {
        send(compact(row["message"].toObject()));
        drain();
        // Events are not answered, but for the location update.
        QCOMPARE(m_root.agent->count("commandStatus"), before + 1);
    } else {
        const QJsonObject message = row["message"].toObject();
        const QJsonObject ack = next(QStringLiteral("commandStatus"), compact(message));
        QCOMPARE(ack.value("commandStatus").toString() + '/' + ack.value("commandStatusDetails").toString(), answer);
        QCOMPARE(ack.value("command").toString(), message.value("event").toString());
        QCOMPARE(ack.value("commandValue"),
                 message.contains("value") ? message.value("value") : QJsonValue(QJsonValue::Null));
        drain();
        QCOMPARE(m_root.agent->count("commandStatus"), before + 2);
    }
    for (const QString &effect : row["effects"].toVariant().toStringList()) {
        const QString what = effect.section(':', 1);
        const auto started = [&] {
            for (const QString &call : m_root.scratch->toolCalls())
                if (call.startsWith(what))
                    return true;
            return false;
        };
        if (effect.startsWith("config:"))
            QCOMPARE(configValue(what.section('=', 0, 0)), what.section('=', 1));
        else if (effect.startsWith("timer:"))
            QCOMPARE(timerIntervalOverTheBus(), what.toInt() * 1000);
        else if (effect == QLatin1String("connected"))
            QVERIFY(m_root.cm->configManager()->get_iotConnected());
        else if (effect.startsWith("tool:"))
            QTRY_VERIFY(started());
        else
            QVERIFY(!started());
    }
}

void TestIotCommandsBus::updateRoundTrip()
{
    QFETCH(const QJsonObject, row);
    const bool resultWritten = row["resultWritten"].toBool();
    QVERIFY(QDir().mkpath(TulLumo::firmwareUpdateDir()));
    QVERIFY(QDir().mkpath(TulLumo::menuUpdateDir()));
    send(R"({"event":"firmwareUpdateAvailable","fileName":"fw.tar","version":"1.2","noEarlierThan":"1700000000","checksum":"ab12"})");
    send(R"({"event":"menuUpdateAvailable","fileName":"menu.json","version":"M-7","noEarlierThan":"1700000001","checksum":"cd34"})");
    drain();
    QCOMPARE(readFile(TulLumo::firmwareOfferPath()),
             QByteArray("fileName=fw.tar\nfileVersion=1.2\nattemptedAt=1700000000\nchecksumExpected=ab12\n"));
    QVERIFY(QFile::exists(TulLumo::menuOfferPath()));
    if (resultWritten) {
        QVERIFY(m_root.scratch->writeRootFile(QStringLiteral("updates/firmwareUpdateResult.txt"),
                                              "updateResult=successful\nresultDetail=installed\n"));
        // The cabinet's own import writes the menu's status.
        emit m_root.cm->menuManager()->notifyMenuUpdated(QStringLiteral("1700000100"), 0, true);
        QTRY_VERIFY(QFile::exists(TulLumo::menuStatusPath()));
    }
    for (int round = 0; round < 2; ++round) {
        send(R"({"event":"lumoConnectionStatus","settings":"connected"})");
        drain();
        drain(); // the firmware report is queued behind the settings' signal
    }
    QCOMPARE(m_root.agent->count("updateStatus"), 2); // once each, however often connected
    QJsonObject firmware, menu;
    for (const QJsonObject &e : qAsConst(m_root.agent->events))
        if (e.value("event") == QLatin1String("updateStatus"))
            (e.value("updateType") == QLatin1String("menu") ? menu : firmware) = e;
    QCOMPARE(firmware.value("updateEventId").toString(), QStringLiteral("fw.tar1.2SN-00011700000000"));
    QCOMPARE(menu.value("updateEventId").toString(), QStringLiteral("menu.jsonM-7SN-00011700000001"));
    QCOMPARE(firmware.value("checksumCalculated").toString(), QStringLiteral("ab12"));
    QCOMPARE(menu.value("checksumCalculated").toString(), QStringLiteral("cd34"));
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
    QCOMPARE(m_root.cm->configManager()->get_importedMenu(), resultWritten ? QStringLiteral("M-7") : QString());
    if (resultWritten)
        QCOMPARE(configValue("importedMenu"), QStringLiteral("M-7"));
}

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

    m_root.start();
    const QJsonObject after = next("pingResponse", R"({"event":"ping"})");
    QCOMPARE(after.value("serialNumber").toString(), QStringLiteral("SN-0002"));
    QCOMPARE(after.value("modelNumber").toString(), QStringLiteral("QXV33PRT3K"));
    QVERIFY(readFile(CabinetIdentity::identityFilePath()).contains("serialNumber=SN-0002\nmodelNumber=QXV33PRT3K\n"));
    QVERIFY(!QFile::exists(TulLumo::pendingSerialPath()));
    QVERIFY(!QFile::exists(TulLumo::pendingModelPath()));
    QVERIFY(!QFile::exists(CabinetIdentity::credentialsPath()));
}

// "error" absent: the hold ends.
void TestIotCommandsBus::holdResetAfterRestart()
{
    QFETCH(const QJsonObject, row);
    const bool customer = row["customer"].toBool();
    const QString error = row["error"].toString();
    m_root.useSchema(customer);
    QVERIFY(m_root.cm->configManager()->saveConfigFile());
    m_root.place(0, PanOf21);
    const QJsonObject started = waitFor("holdStart");
    QVERIFY(!started.isEmpty());
    const QString batch = customer ? started.value("eventUuid").toString() : started["batch"]["id"].toString();
    QVERIFY(batch.startsWith(PanText));

    m_root.start();
    m_root.agent->clear();
    if (customer) {
        const QJsonObject ack = next("commandStatus", QStringLiteral(
            R"({"event":"command","command":"resetCycle","commandValue":"%1"})").arg(batch).toUtf8());
        QCOMPARE(ack.value("commandStatusDetails").toString(), QStringLiteral("Command executed"));
    } else {
        send(compact({{"event", "reset"}, {"timestamp", 1767225000}, {"panId", PanText},
                      {"cabinet", QJsonObject{{"serialNumber", row["serial"]}, {"cabinetUuid", row["uuid"]}}},
                      {"batch", QJsonObject{{"id", row["sameBatch"].toBool() ? batch : QStringLiteral("other")}}}}));
    }
    drain();
    if (!error.isEmpty()) {
        const QJsonObject reply = waitFor("commandError");
        QCOMPARE(reply.value("errorDesc").toString(), error);
        QCOMPARE(reply.value("command").toString(), QStringLiteral("reset"));
        QCOMPARE(reply.value("commandTs").toDouble(), 1767225000.0);
        QCOMPARE(m_root.agent->count("holdStop"), 0);
        return;
    }
    QCOMPARE(m_root.agent->count("commandError"), 0);
    QCOMPARE(waitFor("holdStop").value("panId").toString(), PanText);
}

void TestIotCommandsBus::sdkErrorInTheLog()
{
    QSignalSpy shown(m_root.cm->errorService(), &TulErrorControllerT::notifyError);
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

void TestIotCommandsBus::flood()
{
    const QJsonArray table = iotTables().value("flood").toArray();
    const QStringList good = table.at(0)["messages"].toVariant().toStringList();
    const QStringList bad = table.at(1)["messages"].toVariant().toStringList();
    // Every well-formed command is answered; the answers are counted, not kept. A burst
    // goes out `lot` messages at a time, each lot followed by a command that is answered
    // after everything before it and waited for.
    const auto burst = [&](int messages, int lot) {
        const int first = m_root.agent->count("commandStatus");
        int answers = 0;
        for (int i = 0; i < messages; ++i) {
            send((i % 4 == 3 ? bad.at(i / 4 % bad.size()) : good.at(i % 3)).toUtf8());
            answers += i % 4 != 3;
            if ((i + 1) % lot == 0 || i + 1 == messages) {
                send(R"({"event":"command","command":"drain"})");
                ++answers;
                QTRY_VERIFY_WITH_TIMEOUT(m_root.agent->count("commandStatus") >= first + answers, 120000);
            }
        }
        // Nothing answered beyond them.
        drain();
        QCOMPARE(m_root.agent->count("commandStatus"), first + answers + 1);
    };
    m_root.agent->keep = false;
    const QByteArray settings = readFile(ConfigurationManager::configFilePath());
    QVERIFY(!settings.isEmpty());
    // All at once: the bus's and the parser's pools and the event queues grow to their
    // working size, which depends on how far the program falls behind.
    burst(10000, 10000);
    // Then in lots that cannot queue up further: what stays after them is what the
    // messages themselves leave behind.
    malloc_trim(0);
    const size_t before = mallinfo2().uordblks;
    burst(10000, 100);
    malloc_trim(0);
    const size_t after = mallinfo2().uordblks;
    QVERIFY2(after < before + 512 * 1024, qPrintable(QStringLiteral("%1 -> %2 bytes").arg(before).arg(after)));
    // Still answering, and the settings file has every line it had (pan messages were off already).
    m_root.agent->keep = true;
    QCOMPARE(next("pingResponse", R"({"event":"ping"})").value("serialNumber").toString(), QStringLiteral("SN-0001"));
    QCOMPARE(readFile(ConfigurationManager::configFilePath()).split('\n').size(), settings.split('\n').size());
    QCOMPARE(configValue("storeNumber"), QStringLiteral("1234"));
    QCOMPARE(configValue("wifiSSID"), QStringLiteral("Kitchen"));
}

void TestIotCommandsBus::saveFails_data()
{
    QTest::addColumn<bool>("customer");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("status");   // of the acknowledgement; empty for an event
    QTest::addColumn<QString>("report");   // the event that tells the cloud of the change
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("kept");     // in memory while the file cannot be written
    QTest::addColumn<QString>("saved");    // once it can
    QTest::newRow("location update") << false << QByteArray(R"({"event":"locationUpdate","value":"77"})") << "failure"
                                     << "restaurantNumberUpdated" << "storeNumber" << "1234" << "77";
    QTest::newRow("interval command") << true
        << QByteArray(R"({"event":"command","command":"updatePerformanceDataInterval","commandValue":"300"})")
        << "failure" << "performanceDataInterval" << "performanceDataInterval" << "60" << "300";
    QTest::newRow("interval event") << false << QByteArray(R"({"command":"performanceDataIntervalCmd","value":300})")
                                    << "" << "performanceDataInterval" << "performanceDataInterval" << "60" << "300";
    QTest::newRow("pan messages switch") << true
        << QByteArray(R"({"event":"command","command":"togglePanDetailMessages","commandValue":"off"})")
        << "failure" << "" << "panMessagesEnable" << "true" << "false";
    QTest::newRow("Wi-Fi settings") << false
        << QByteArray(R"({"event":"wifiSettings","SSID":"Back office","password":"passphrase-2"})") << ""
        << "" << "wifiSSID" << "Kitchen" << "Back office";
}

// With the settings file blocked (a folder in its place) a command or event that saves is
// refused: its acknowledgement says so, the cloud hears of no change, the old value stays
// in use (the timer, the network), and the same message succeeds once the file is free.
void TestIotCommandsBus::saveFails()
{
    QFETCH(bool, customer);
    QFETCH(QByteArray, message);
    QFETCH(QString, status);
    QFETCH(QString, report);
    QFETCH(QString, key);
    QFETCH(QString, kept);
    QFETCH(QString, saved);
    ConfigurationManager *config = m_root.cm->configManager();
    m_root.useSchema(customer);
    QVERIFY(config->saveConfigFile());
    drain();
    m_root.agent->clear();
    const QString block = ConfigurationManager::configFilePath() + QStringLiteral("/blocked");
    QVERIFY(QFile::remove(ConfigurationManager::configFilePath()) && QDir().mkpath(block));
    const auto tools = [this] { return m_root.scratch->toolCalls().filter(QStringLiteral("ifdown")).size(); };
    const int toolsBefore = tools();

    const auto answer = [&] {
        if (status.isEmpty()) {
            send(message);
            drain();
            return QString();
        }
        const QJsonObject ack = next(QStringLiteral("commandStatus"), message);
        return ack.value("commandStatus").toString() + '/' + ack.value("commandStatusDetails").toString();
    };
    const QString refused = answer();
    if (!status.isEmpty())
        QCOMPARE(refused, QStringLiteral("failure/Settings not saved"));
    drain(); // reports are queued behind the change
    if (!report.isEmpty())
        QCOMPARE(m_root.agent->count(report), 0);
    QCOMPARE(config->property(qPrintable(key)).toString(), kept);
    QCOMPARE(timerIntervalOverTheBus(), 60 * 1000);
    QCOMPARE(tools(), toolsBefore);

    QVERIFY(QDir(ConfigurationManager::configFilePath()).removeRecursively());
    const QString accepted = answer();
    if (!status.isEmpty())
        QCOMPARE(accepted, QStringLiteral("success/Command executed"));
    drain();
    if (!report.isEmpty())
        QCOMPARE(m_root.agent->count(report), 1);
    QCOMPARE(config->property(qPrintable(key)).toString(), saved);
    const QString written = saved == QLatin1String("true") ? QStringLiteral("1")
                            : saved == QLatin1String("false") ? QStringLiteral("0") : saved;
    QCOMPARE(configValue(key), written);
}

QTEST_MAIN(TestIotCommandsBus)
#include "tst_iotcommandsbus.moc"
