// The adapter of the second IoT agent, driven directly: every event of its catalogue,
// the menu snapshot, each inbound message and command with its bad forms, the backup
// progress, the menu archive through the unzip stand-in, and one message on a private
// system bus.
#include "bininfo.h"
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "fakeagentcabinet.h"
#include "fakecabinetcore.h"
#include "iotjson.h"
#include "menumanager.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "privatebus.h"
#include "scratchroots.h"
#include "translator.h"
#include "tuliotagentadapter.h"

#include <QDBusMessage>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QtTest>

namespace {

constexpr quint64 Pan = 0x5a3c150de2f4a7b8; // its tag carries product 21
constexpr qint64 TagExpiry = 1767226800000;
const char *const Batch = "5a3c150de2f4a7b8:1767225000";

QStringList g_log;
QtMessageHandler g_previous = nullptr;

void keepLog(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    g_log << text;
    g_previous(type, context, text);
}

QByteArray compact(const QJsonObject &o)
{
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QJsonObject objectOf(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}

// What the adapter hands to the bus, kept instead of sent.
class RecordingAdapter : public TulIotAgentAdapter
{
public:
    QStringList sent;
    bool writeDbusMessage(const QString &path, const QString &interface, const QString &member,
                          QString &text) override
    {
        if (path == ProxyPath && interface == ProxyInterface && member == ProxyMember)
            sent << text;
        return true;
    }
    QJsonObject last() const { return sent.isEmpty() ? QJsonObject() : objectOf(sent.last().toUtf8()); }
};

} // namespace

// The IoT proxy's ear on the bus.
class BusListener : public QObject
{
    Q_OBJECT
public:
    QStringList texts;
public slots:
    void take(const QString &text) { texts << text; }
};

class TestIotAgentAdapter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void eventsAreBuilt_data();
    void eventsAreBuilt();
    void menuSnapshot_data();
    void menuSnapshot();
    void inboundMessages_data();
    void inboundMessages();
    void resetOfAHoldCycle_data();
    void resetOfAHoldCycle();
    void restartAfterStop_data();
    void restartAfterStop();
    void wifiSettings_data();
    void wifiSettings();
    void holdingListOfAnotherCabinet_data();
    void holdingListOfAnotherCabinet();
    void sdkErrors_data();
    void sdkErrors();
    void backupProgress_data();
    void backupProgress();
    void menuArchive_data();
    void menuArchive();
    void messageLeavesOnTheBus();

private:
    NfcTagItem2 *registerPan(quint64 uid, int bin, bool seen);
    void receive(const QJsonObject &message) { m_adapter->handleReceivedIoTInfo(QString::fromUtf8(compact(message))); }

    QScopedPointer<ScratchRoots> m_roots;
    FakeCabinetCore *m_core = nullptr;
    ConfigurationManager *m_config = nullptr;
    MenuManager *m_menu = nullptr;
    DayPartManager *m_dayParts = nullptr;
    Translator *m_translator = nullptr;
    FakeAgentCabinet m_cabinet;
    RecordingAdapter *m_adapter = nullptr;
};

void TestIotAgentAdapter::initTestCase()
{
    // The received-message log line is a debug line; it must be written to be checked.
    QLoggingCategory::setFilterRules(QStringLiteral("tul.iot.debug=true"));
    g_previous = qInstallMessageHandler(keepLog);
}

void TestIotAgentAdapter::init()
{
    m_roots.reset(new ScratchRoots);
    const QString fixtures = qEnvironmentVariable("TUL_SOURCE_DIR") + QStringLiteral("/tests/data/menu/");
    QVERIFY(QFile::copy(fixtures + "menu_holding.json", m_roots->root() + "menu.json"));
    QVERIFY(QFile::copy(fixtures + "dayParts_holding.json", m_roots->root() + "dayParts.json"));
    m_core = new FakeCabinetCore;
    m_config = new ConfigurationManager(nullptr, nullptr, true, 1, m_core);
    m_core->configManagerPtr = m_config;
    m_config->set_serialNumber(QStringLiteral("SN-0001"));
    m_config->set_modelNumber(QStringLiteral("MODEL-A"));
    m_config->set_storeNumber(QStringLiteral("1234"));
    m_config->set_uuidNumber(QStringLiteral("uuid-1"));
    m_menu = new MenuManager(m_core);
    m_menu->menuLoadJsonDocFile();
    m_dayParts = new DayPartManager(5, 4, m_menu, m_core);
    m_dayParts->dayPartsLoadJsonDocFile();
    m_translator = new Translator(m_core);
    m_cabinet = FakeAgentCabinet();
    m_cabinet.nfcManager = new NFCmanager(m_core);
    m_cabinet.productOf = {{2, 22}, {3, 22}};
    m_cabinet.holdTimeOf = {{22, 600}};
    trayInfo tray;
    tray.expectedTime = 1767226800600;
    m_cabinet.trayOf = {{3, tray}};
    m_adapter = new RecordingAdapter;
    m_adapter->set_cabinetManager(&m_cabinet);
    m_adapter->set_menuManager(m_menu);
    m_adapter->set_configManager(m_config);
    m_adapter->set_dayPartManager(m_dayParts);
    m_adapter->set_translator(m_translator);
    g_log.clear();
}

void TestIotAgentAdapter::cleanup()
{
    delete m_adapter;
    qDeleteAll(m_cabinet.bins);
    delete m_core;
    m_roots.reset();
}

NfcTagItem2 *TestIotAgentAdapter::registerPan(quint64 uid, int bin, bool seen)
{
    auto *tag = new NfcTagItem2(uid);
    tag->setPosition(bin);
    tag->setSeenInCabinet(seen);
    tag->setExpTime(TagExpiry);
    tag->setActivationTimeStamp(1767225000000);
    tag->setBatchId(QLatin1String(Batch));
    return m_cabinet.nfcManager->registerTag2(tag) ? tag : nullptr;
}

void TestIotAgentAdapter::eventsAreBuilt_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QByteArray>("expected"); // empty: nothing sent; "NOW": the current second

    const QByteArray header = R"("cabinetUuid":"uuid-1","location":"1234","modelNumber":"MODEL-A","serialNumber":"SN-0001")";
    auto withHeader = [&](const char *own) { return "{" + header + "," + QByteArray(own) + "}"; };

    QTest::newRow("networkSettings, Wi-Fi with a pass phrase") << "networkSettings" << "wifi psk"
        << QByteArray(R"({"broadcast":"","dhcp":"Yes","event":"networkSettings","gateway":"","ip":"","netmask":"",
        "networkMode":"wifi","password":"s3cret","security type":"WPA2-PSK","ssid":"KITCHEN","timestamp":"NOW-T"})");
    QTest::newRow("networkSettings, open Wi-Fi") << "networkSettings" << "wifi open"
        << QByteArray(R"({"broadcast":"","dhcp":"Yes","event":"networkSettings","gateway":"","ip":"","netmask":"",
        "networkMode":"wifi","password":"","security type":"None","ssid":"KITCHEN","timestamp":"NOW-T"})");
    QTest::newRow("networkSettings, enterprise Wi-Fi, static") << "networkSettings" << "wifi eap"
        << QByteArray(R"({"broadcast":"","dhcp":"No","event":"networkSettings","gateway":"","identity":"cook",
        "ip":"","netmask":"","networkMode":"wifi","password":"s3cret","security type":"WPA2-EAP","ssid":"KITCHEN",
        "timestamp":"NOW-T"})");
    QTest::newRow("networkSettings, wired static") << "networkSettings" << "ethernet"
        << QByteArray(R"({"broadcast":"10.0.0.255","dhcp":"No","event":"networkSettings","gateway":"10.0.0.1",
        "ip":"10.0.0.7","netmask":"255.255.255.0","networkMode":"ethernet","timestamp":"NOW-T"})");
    QTest::newRow("networkSettings, nothing changed") << "networkSettings" << "not updated" << QByteArray();
    QTest::newRow("preheatStart") << "preheatStart" << ""
        << withHeader(R"("daypart":"Breakfast","event":"preheatStart","timestamp":"NOW-T")");
    QTest::newRow("preheatComplete") << "preheatComplete" << ""
        << withHeader(R"("bin":5,"event":"preheatComplete","timestamp":"NOW-T")");
    QTest::newRow("preheatComplete outside the cabinet") << "preheatComplete" << "bin 20" << QByteArray();
    QTest::newRow("daypartChange") << "daypartChange" << ""
        << withHeader(R"("daypart":{"new":"Lunch","prev":"Closed","zone":3},"event":"daypartChange","timestamp":"NOW-T")");
    QTest::newRow("languageChange") << "languageChange" << ""
        << withHeader(R"("event":"languageChange","language":5,"timestamp":"NOW-R")");
    QTest::newRow("passcodeChange") << "passcodeChange" << ""
        << withHeader(R"("event":"passcodeChange","passcode":"12345678901234567890123456789012","timestamp":"NOW-R")");
    QTest::newRow("passcodeEntered") << "passcodeEntered" << ""
        << withHeader(R"("authenticated":true,"event":"passcodeEntered","screen":"ServiceSettingsP","timestamp":"NOW-R","userType":3)");
    QTest::newRow("restaurantNumberUpdated") << "restaurantNumberUpdated" << ""
        << QByteArray(R"({"cabinetUuid":"uuid-1","event":"restaurantNumberUpdated","locationNumber":{"new":"77","prev":"1234"},
        "modelNumber":"MODEL-A","serialNumber":"SN-0001","timestamp":"NOW-R"})");
    QTest::newRow("not wired") << "Updated" << "unwired" << QByteArray();
    QTest::newRow("Updated") << "Updated" << ""
        << QByteArray(R"({"event":"Updated","status":"Failed","timestamp":"1767225600"})");
    QTest::newRow("firmwareUpdated") << "firmwareUpdated" << ""
        << withHeader(R"("event":"firmwareUpdated","firmware":{"new":"RO-2504","prev":"RO-2503"},"method":2,"success":true,"timestamp":"1767225600")");
    QTest::newRow("performanceDataInterval") << "performanceDataInterval" << ""
        << withHeader(R"("event":"performanceDataInterval","performanceDataInterval":300,"timestamp":"NOW-R")");
    QTest::newRow("error of main code 3") << "error" << "3.1.0.0"
        << withHeader(R"("error":{"errorCode":"3.1.0.0","errorDesc":"Probe open on the lower heater o","errorStatus":1,
        "errorValue":"7"},"event":"error","firmware":{"firmwareVersion":"RO-2503"},
        "menu":{"menuDescription":"MENU_2.v1","menuVersion":""},"timestamp":"1767225600")");
    QTest::newRow("error clear") << "errorClear" << "3.1.0.0"
        << withHeader(R"("error":{"errorCode":"3.1.0.0","errorDesc":"Probe open on the lower heater o","errorStatus":0,
        "errorValue":"7"},"event":"error","firmware":{"firmwareVersion":"RO-2503"},
        "menu":{"menuDescription":"MENU_2.v1","menuVersion":""},"timestamp":"1767225600")");
    QTest::newRow("socket error not sent") << "error" << "6.2.0.0" << QByteArray();
    QTest::newRow("SDK error not sent") << "error" << "8.1.3.0" << QByteArray();
    QTest::newRow("binMisMatchAlert") << "binMisMatchAlert" << ""
        << withHeader(R"("event":"binMisMatchAlert","eventId":"mm-7","pan":{"panId":"5a3c150de2f4a7b8","productId":21,
        "productName":"Patty"},"timer":{"bin":4,"productId":22,"productName":"Sausage"},"timestamp":"1767225600")");
    QTest::newRow("binMisMatchClear") << "binMisMatchClear" << ""
        << withHeader(R"("event":"binMisMatchClear","eventId":"mm-7","pan":{"panId":"5a3c150de2f4a7b8","productId":21,
        "productName":"Patty"},"timer":{"bin":4,"productId":22,"productName":"Sausage"},"timestamp":"1767225600")");

    const QByteArray tagged = R"("batch":{"active":true,"expiration":1767226800,"id":"5a3c150de2f4a7b8:1767225600"},
        "cabinet":{"bin":4,"inCabinet":true,"serialNumber":"SN-0001"})";
    QTest::newRow("holdStart of a tagged pan") << "holdStart" << "tag"
        << QByteArray("{" + tagged + R"(,"event":"holdStart","panId":"5a3c150de2f4a7b8","productId":22,
        "productName":"Sausage","timestamp":"1767225600"})");
    QTest::newRow("holdStart of a tapped bin, full-size pan") << "holdStart" << "full size"
        << QByteArray(R"({"batch":{"active":true,"expiration":1767226801,"id":0},"cabinet":{"bin":3,"inCabinet":false,
        "serialNumber":"SN-0001"},"event":"holdStart","panId":"0","productId":22,"productName":"Sausage","timestamp":"1767225600"})");
    QTest::newRow("holdStop of an unknown pan, NFC cabinet") << "holdStop" << "" << QByteArray();
    QTest::newRow("holdStop without NFC, group record") << "holdStop" << "no nfc, group"
        << QByteArray(R"({"batch":{"active":false,"expiration":1767226801,"id":0},"cabinet":{"bin":4,"inCabinet":false,
        "serialNumber":"SN-0001"},"event":"holdStop","panId":"5a3c150de2f4a7b8","productId":22,
        "productName":"Breakfast meats","timestamp":"1767225600"})");
    QTest::newRow("holdExpired of a tapped bin") << "holdExpired" << ""
        << QByteArray(R"({"batch":{"active":true,"expiration":"NOW-R","id":0},"cabinet":{"bin":4,"inCabinet":false,
        "serialNumber":"SN-0001"},"event":"holdExpired","panId":"0","productId":22,"productName":"Sausage","timestamp":"1767225600"})");
    QTest::newRow("panRemoved of a stopped pan, full-size") << "panRemoved" << "tag stopped, full size"
        << QByteArray(R"({"batch":{"active":false,"expiration":1767226800,"id":"5a3c150de2f4a7b8:1767225000"},
        "cabinet":{"bin":3,"inCabinet":true,"serialNumber":"SN-0001"},"event":"panRemoved","panId":"5a3c150de2f4a7b8",
        "productId":21,"productName":"Patty","timestamp":"1767225601"})");
    QTest::newRow("panReturned") << "panReturned" << "tag"
        << QByteArray(R"({"batch":{"active":true,"expiration":1767226800,"id":"5a3c150de2f4a7b8:1767225000"},
        "cabinet":{"bin":4,"inCabinet":true,"serialNumber":"SN-0001"},"event":"panReturned","panId":"5a3c150de2f4a7b8",
        "productId":22,"productName":"Sausage","timestamp":"1767225601"})");
    QTest::newRow("transfer without NFC, full-size") << "transfer" << "no nfc, full size"
        << QByteArray(R"({"batch":{"active":true,"expiration":1767226801,"id":0},"cabinet":{"bin":4,"inCabinet":false,
        "serialNumber":"SN-0001"},"event":"transfer","panId":"5a3c150de2f4a7b8","productId":22,"productName":"Sausage",
        "timestamp":"1767225601"})");
    QTest::newRow("holdingList") << "holdingList" << "tag stopped"
        << QByteArray(R"({"cabinet":{"cabinetUuid":"uuid-1","location":"1234","serialNumber":"SN-0001"},"event":"holdingList",
        "holdInfo":[{"activationTS":1767225000,"batch":{"active":false,"expiration":1767226800,
        "id":"5a3c150de2f4a7b8:1767225000","start":1767225000},"bin":3,"crc32":0,"inCabinet":true,
        "panId":"5a3c150de2f4a7b8","status":4}],"timestamp":"1767225600"})");
    QTest::newRow("holdingList, batch id without a colon") << "holdingList" << "tag, customer batch"
        << QByteArray(R"({"cabinet":{"cabinetUuid":"uuid-1","location":"1234","serialNumber":"SN-0001"},"event":"holdingList",
        "holdInfo":[{"activationTS":1767225000,"batch":{"active":true,"expiration":1767226800,
        "id":"5a3c150de2f4a7b8-1767225000","start":0},"bin":3,"crc32":0,"inCabinet":true,
        "panId":"5a3c150de2f4a7b8","status":0}],"timestamp":"1767225600"})");
}

void TestIotAgentAdapter::eventsAreBuilt()
{
    QFETCH(QString, kind);
    QFETCH(QString, setup);
    QFETCH(QByteArray, expected);

    m_config->set_importedMenu(QStringLiteral("MENU_2.v1.json"));
    m_config->set_networkSettingsUpdated(setup != QLatin1String("not updated"));
    m_config->set_networkMode(setup.startsWith(QLatin1String("wifi")) ? 1 : 0);
    m_config->set_wifiSSID(QStringLiteral("KITCHEN"));
    m_config->set_wifiPassword(setup == QLatin1String("wifi open") ? QString() : QStringLiteral("s3cret"));
    m_config->set_wpaEnabled(setup == QLatin1String("wifi eap"));
    m_config->set_wifiIdentity(QStringLiteral("cook"));
    m_config->set_wifiStaticIp(setup == QLatin1String("wifi eap"));
    m_config->set_staticIPEnabled(true);
    m_config->set_ipAddress(QStringLiteral("10.0.0.7"));
    m_config->set_gateway(QStringLiteral("10.0.0.1"));
    m_config->set_netmask(QStringLiteral("255.255.255.0"));
    m_config->set_ethBroadcast(QStringLiteral("10.0.0.255"));
    m_cabinet.nfc_ = !setup.contains(QLatin1String("no nfc"));
    if (setup.contains(QLatin1String("full size")))
        m_cabinet.panSizeOf = {{2, 2}, {3, 2}};
    if (setup.contains(QLatin1String("group")))
        m_cabinet.trayOf[3].isGroup = true, m_cabinet.trayOf[3].productId = 1073741825;
    m_cabinet.misMatchIdOf = {{3, QStringLiteral("mm-7")}};
    m_cabinet.misMatchedPanOf = {{3, Pan}};
    if (setup.contains(QLatin1String("tag"))) {
        NfcTagItem2 *tag = registerPan(Pan, 3, true);
        QVERIFY(tag);
        if (setup.contains(QLatin1String("stopped")))
            tag->setHoldStatus(NfcTagItem2::StatusStopped);
        if (setup.contains(QLatin1String("customer batch")))
            tag->setBatchId(QStringLiteral("5a3c150de2f4a7b8-1767225000"));
    }
    const QString ts = QStringLiteral("1767225600");
    const qint64 panTime = 1767225600600;
    const QString pan = setup.contains(QLatin1String("tag")) || kind.startsWith(QLatin1String("holdStop"))
                            ? QStringLiteral("5a3c150de2f4a7b8") : QStringLiteral("0");
    const int bin = setup == QLatin1String("bin 20") ? 20 : 3;
    RecordingAdapter &a = *m_adapter;
    if (setup == QLatin1String("bin 20"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("outside the cabinet")));
    if (setup == QLatin1String("unwired")) {
        a.set_translator(nullptr);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused, the adapter is not wired")));
    }
    if (kind == "networkSettings") a.sendNetworkSettings();
    else if (kind == "preheatStart") a.sendPreheatStarted(ts);
    else if (kind == "preheatComplete") a.sendPreheatCompleted(ts, bin == 3 ? 4 : bin, 90);
    else if (kind == "daypartChange") a.sendDaypartChanged(ts, 2, 1, 2);
    else if (kind == "languageChange") a.sendLanguageChanged(5);
    else if (kind == "passcodeChange") a.sendPasscodeChanged(QStringLiteral("12345678901234567890123456789012345"));
    else if (kind == "passcodeEntered") a.sendPasscodeEntered(QStringLiteral("ServiceSettingsPage"), 3, true);
    else if (kind == "restaurantNumberUpdated") a.sendRestaurantNumberUpdated(QStringLiteral("77"), QStringLiteral("1234"));
    else if (kind == "Updated") a.sendSystemUpdated(ts, false);
    else if (kind == "firmwareUpdated") a.sendFirmwareUpdated(ts, QStringLiteral("RO-2504"), QStringLiteral("RO-2503"), 2, true);
    else if (kind == "performanceDataInterval") a.sendPerformanceDataInterval(300);
    else if (kind == "error") a.sendError(ts, setup, QStringLiteral("Probe open on the lower heater of bin 4"), QStringLiteral("7"));
    else if (kind == "errorClear") a.sendErrorClear(ts, setup, QStringLiteral("Probe open on the lower heater of bin 4"), QStringLiteral("7"));
    else if (kind == "binMisMatchAlert") a.sendBinMismatchAlert(ts, QString(), QString(), 3, QStringLiteral("Sausage"));
    else if (kind == "binMisMatchClear") a.sendBinMismatchClear(ts, QString(), QString(), 3, QStringLiteral("Sausage"));
    else if (kind == "holdStart") a.sendHoldStart(ts, QStringLiteral("Sausage"), pan, 3, QStringLiteral("auto"));
    else if (kind == "holdStop") a.sendHoldStop(ts, QStringLiteral("Sausage"), pan, 3, QStringLiteral("manual"), 37);
    else if (kind == "holdExpired") a.sendHoldExpired(ts, QStringLiteral("Sausage"), pan, 3);
    else if (kind == "panRemoved") a.sendPanRemoved(panTime, 3, Pan);
    else if (kind == "panReturned") a.sendPanReturned(panTime, 3, Pan);
    else if (kind == "transfer") a.sendTransfer(panTime, 3, Pan);
    else if (kind == "holdingList") a.sendHoldingList(ts);
    else QFAIL("unknown kind");

    if (expected.isEmpty()) {
        QVERIFY(a.sent.isEmpty());
        return;
    }
    QCOMPARE(a.sent.size(), 1);
    QCOMPARE(a.sent.first().toUtf8(), IotJson::write(a.last()));
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    expected.replace("NOW-T", QByteArray::number(now / 1000)).replace("NOW-R", QByteArray::number((now + 500) / 1000));
    const QJsonObject want = objectOf(expected);
    QVERIFY2(!want.isEmpty(), "expected text is not JSON");
    QCOMPARE(compact(a.last()), compact(want));
    if (kind == "networkSettings")
        QVERIFY(!m_config->get_networkSettingsUpdated());
}

void TestIotAgentAdapter::menuSnapshot_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("customer");
    QTest::addColumn<QString>("brand");
    QTest::addColumn<QStringList>("languages");
    QTest::newRow("powerOn, customer 1") << "powerOn" << 1 << "KESTRALON-ZRM400" << QStringList();
    QTest::newRow("powerOn, customer 5") << "powerOn" << 5 << "DALVE" << QStringList{"eng_USA", "spa"};
    QTest::newRow("menuUpdated, customer 3") << "menuUpdated" << 3 << "" << QStringList{"eng_USA", "fra", "spa"};
}

void TestIotAgentAdapter::menuSnapshot()
{
    QFETCH(QString, event);
    QFETCH(int, customer);
    QFETCH(QString, brand);
    QFETCH(QStringList, languages);
    m_cabinet.customer = customer;
    m_cabinet.trays = 13; // bins 9-12 of the fixture's day parts are the last ones
    if (event == QLatin1String("powerOn"))
        m_adapter->sendPowerOn();
    else
        m_adapter->sendMenuUpdated(QStringLiteral("1767225600"), 1, true);
    const QJsonObject m = m_adapter->last();
    QCOMPARE(m.value("event").toString(), event);
    if (event == QLatin1String("powerOn")) {
        QCOMPARE(m.value("brandId").toString(), brand);
        QCOMPARE(m.value("dataMode").toString(), QStringLiteral("realtime"));
        QCOMPARE(m_cabinet.firmwareChecks, 1);
    }
    const QJsonArray layout = m.value("layout").toArray();
    QCOMPARE(layout.size(), 3);
    QCOMPARE(layout.at(2)["productLocations"].toArray().size(), 13);
    QCOMPARE(compact(layout.at(2)["productLocations"].toArray().at(10).toObject()),
             QByteArray(R"({"bin":11,"productId":999})"));
    const QJsonArray products = m.value("products").toArray();
    QCOMPARE(products.size(), 3);
    QJsonObject patty = products.at(1).toObject();
    if (!languages.isEmpty())
        QCOMPARE(patty.value("productName").toObject().keys(), languages);
    else
        QCOMPARE(patty.value("productName").toObject().size(), 15);
    QCOMPARE(patty.value("productName")["spa"].toString(), QStringLiteral("Carne"));
    patty.remove("productName");
    QCOMPARE(compact(patty), QByteArray(R"({"bottomType":"","holdTemp":160,"holdTime":90,"lidType":"","productId":"21",)"
                                        R"("productTemp":170,"warningTime":30,"zoneSplits":"1/4"})"));
    const QJsonArray groups = m.value(event == QLatin1String("powerOn") ? "productGroups" : "groups").toArray();
    QCOMPARE(groups.size(), 2);
    QCOMPARE(groups.at(0)["products"].toArray(), (QJsonArray{QJsonObject{{"productId", 22}}, QJsonObject{{"productId", 21}}}));
    QCOMPARE(groups.at(1)["products"].toArray(), QJsonArray());
    QCOMPARE(groups.at(1)["groupId"].toInt(), 1073741826);
}

void TestIotAgentAdapter::inboundMessages_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("setting"); // the settings property that changes, empty: none
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("reply");   // errorDesc of a commandError, empty: no reply
    QTest::addColumn<QString>("warning"); // a required warning, empty: none

    QTest::newRow("location update") << QByteArray(R"({"event":"locationUpdate","value":"5678"})")
                                     << "storeNumber" << QVariant("5678") << "" << "";
    QTest::newRow("location update, empty") << QByteArray(R"({"event":"locationUpdate","value":""})")
                                            << "" << QVariant() << "" << "";
    QTest::newRow("location update, a number") << QByteArray(R"({"event":"locationUpdate","value":5678})")
                                               << "" << QVariant() << "" << "Location update refused";
    QTest::newRow("performance interval") << QByteArray(R"({"command":"performanceDataIntervalCmd","value":60})")
                                          << "performanceDataInterval" << QVariant(60) << "" << "";
    QTest::newRow("performance interval, a day") << QByteArray(R"({"command":"performanceDataIntervalCmd","value":86400})")
                                                 << "performanceDataInterval" << QVariant(86400) << "" << "";
    QTest::newRow("performance interval, over a day") << QByteArray(R"({"command":"performanceDataIntervalCmd","value":86401})")
                                                      << "" << QVariant() << "" << "interval refused";
    QTest::newRow("performance interval, negative") << QByteArray(R"({"command":"performanceDataIntervalCmd","value":-1})")
                                                    << "" << QVariant() << "" << "interval refused";
    QTest::newRow("performance interval, huge") << QByteArray(R"({"command":"performanceDataIntervalCmd","value":1e300})")
                                                << "" << QVariant() << "" << "interval refused";
    QTest::newRow("performance interval, missing") << QByteArray(R"({"command":"performanceDataIntervalCmd"})")
                                                   << "" << QVariant() << "" << "interval refused";
    QTest::newRow("performance interval named as an event") << QByteArray(R"({"event":"performanceDataIntervalCmd","value":60})")
                                                            << "" << QVariant() << "Unkown IoT Event" << "";
    QTest::newRow("IoT software version") << QByteArray(R"({"event":"iotSwVersion","value":"2.1.0"})")
                                          << "iotSoftwareVersion" << QVariant("2.1.0") << "" << "";
    QTest::newRow("IoT software version, an object") << QByteArray(R"({"event":"iotSwVersion","value":{}})")
                                                     << "" << QVariant() << "" << "version refused";
    QTest::newRow("connected") << QByteArray(R"({"event":"IoTConnectionStatus","status":"connected"})")
                               << "iotConnected" << QVariant(true) << "" << "";
    QTest::newRow("connection status, wrong type") << QByteArray(R"({"event":"IoTConnectionStatus","status":true})")
                                                   << "" << QVariant() << "" << "status refused";
    QTest::newRow("menu update offer only logs") << QByteArray(R"({"event":"menuUpdateAvailable"})")
                                                 << "" << QVariant() << "" << "";
    QTest::newRow("firmware offer only logs") << QByteArray(R"({"event":"firmwareUpdateAvailable"})")
                                              << "" << QVariant() << "" << "";
    QTest::newRow("unknown event") << QByteArray(R"({"event":"reboot","timestamp":1767225600,"batch":{"id":"b-1"}})")
                                   << "" << QVariant() << "Unkown IoT Event" << "";
    QTest::newRow("case matters") << QByteArray(R"({"event":"LocationUpdate","value":"5678"})")
                                  << "" << QVariant() << "Unkown IoT Event" << "";
    QTest::newRow("not JSON") << QByteArray(R"({"event":)") << "" << QVariant() << "" << "Document Error";
    QTest::newRow("not an object") << QByteArray("[1]") << "" << QVariant() << "" << "Object Error";
    QTest::newRow("larger than any message") << QByteArray(TulIotAgentAdapter::MaxInboundBytes + 1, ' ')
                                             << "" << QVariant() << "" << "refused: larger";
    QTest::newRow("during a backup") << QByteArray(R"({"event":"locationUpdate","value":"5678","backup":1})")
                                     << "" << QVariant() << "" << "";
}

void TestIotAgentAdapter::inboundMessages()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, setting);
    QFETCH(QVariant, value);
    QFETCH(QString, reply);
    QFETCH(QString, warning);
    m_cabinet.backupRunning = text.contains("backup");
    const QStringList watched{"storeNumber", "performanceDataInterval", "iotSoftwareVersion", "iotConnected"};
    QVariantList before;
    for (const QString &name : watched)
        before << m_config->property(name.toLatin1());
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    if (!reply.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(reply));
    m_adapter->handleReceivedIoTInfo(QString::fromUtf8(text));

    for (int i = 0; i < watched.size(); ++i)
        QCOMPARE(m_config->property(watched.at(i).toLatin1()), watched.at(i) == setting ? value : before.at(i));
    if (!setting.isEmpty() && setting != QLatin1String("iotSoftwareVersion") && setting != QLatin1String("iotConnected")) {
        QFile saved(ConfigurationManager::configFilePath());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains((setting + '=' + value.toString()).toUtf8()));
        // The detached sync of the save has written its line before the scratch folder goes.
        QTRY_VERIFY(m_roots->toolCalls().contains(QStringLiteral("sync ")));
    } else {
        QVERIFY(!QFile::exists(ConfigurationManager::configFilePath()));
    }
    if (reply.isEmpty()) {
        QVERIFY(m_adapter->sent.isEmpty());
        return;
    }
    QCOMPARE(m_adapter->sent.size(), 1);
    QJsonObject m = m_adapter->last();
    QCOMPARE(m.value("errorDesc").toString(), reply);
    QVERIFY(qAbs(m.value("timestamp").toString().toLongLong() - QDateTime::currentSecsSinceEpoch()) <= 1);
    m.remove("timestamp");
    const QJsonObject in = objectOf(text);
    QCOMPARE(compact(m), compact(QJsonObject{{"event", "commandError"}, {"errorDesc", reply},
                                             {"command", in.value("event").toString()},
                                             {"commandTs", in.value("timestamp").toDouble()},
                                             {"batch", QJsonObject{{"id", in["batch"]["id"].toString()}}}}));
}

void TestIotAgentAdapter::resetOfAHoldCycle_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("uuid");
    QTest::addColumn<QString>("panId");
    QTest::addColumn<QString>("batch");
    QTest::addColumn<bool>("inItsBin");
    QTest::addColumn<QString>("error"); // empty: the hold stops
    QTest::newRow("reset of a pan in its bin") << "reset" << "SN-0001" << "uuid-1" << "5a3c150de2f4a7b8" << Batch << true << "";
    QTest::newRow("restart of a pan in its bin") << "restart" << "SN-0001" << "uuid-1" << "5a3c150de2f4a7b8" << Batch << true << "";
    QTest::newRow("reset of a pan out of its bin") << "reset" << "SN-0001" << "uuid-1" << "5a3c150de2f4a7b8" << Batch << false << "";
    QTest::newRow("other serial number") << "reset" << "SN-0002" << "uuid-1" << "5a3c150de2f4a7b8" << Batch << true
                                         << "Serial number error";
    QTest::newRow("other cabinet") << "restart" << "SN-0001" << "uuid-2" << "5a3c150de2f4a7b8" << Batch << true
                                   << "Cabinet UUID error";
    QTest::newRow("other batch") << "restart" << "SN-0001" << "uuid-1" << "5a3c150de2f4a7b8" << "5a3c150de2f4a7b8:1" << true
                                 << "Hold record not found";
    QTest::newRow("pan id not hexadecimal") << "reset" << "SN-0001" << "uuid-1" << "pan-1" << Batch << true
                                            << "Hold record not found";
}

void TestIotAgentAdapter::resetOfAHoldCycle()
{
    QFETCH(QString, event);
    QFETCH(QString, serial);
    QFETCH(QString, uuid);
    QFETCH(QString, panId);
    QFETCH(QString, batch);
    QFETCH(bool, inItsBin);
    QFETCH(QString, error);
    NfcTagItem2 *tag = registerPan(Pan, 3, true);
    QVERIFY(tag);
    if (!inItsBin)
        QVERIFY(registerPan(0x42, 3, true)); // a later pan took the bin
    if (!error.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(error));
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    receive(QJsonObject{{"event", event}, {"timestamp", 1767225600}, {"panId", panId},
                        {"cabinet", QJsonObject{{"serialNumber", serial}, {"cabinetUuid", uuid}}},
                        {"batch", QJsonObject{{"id", batch}}}});
    if (!error.isEmpty()) {
        QCOMPARE(m_adapter->last().value("errorDesc").toString(), error);
        QCOMPARE(m_adapter->last().value("command").toString(), event);
        QVERIFY(m_cabinet.holdStops.isEmpty() && m_cabinet.stopped.isEmpty());
        QCOMPARE(int(tag->getHoldStatus()), 0);
        return;
    }
    QVERIFY(m_adapter->sent.isEmpty());
    QCOMPARE(m_cabinet.stopped, inItsBin ? QList<int>{3} : QList<int>());
    QCOMPARE(int(tag->getHoldStatus()), int(NfcTagItem2::StatusStopped));
    QVERIFY(tag->getActivationTimeStamp() >= before);
    QCOMPARE(m_cabinet.holdStops.size(), 1);
    const QVariantList stop = m_cabinet.holdStops.first();
    QVERIFY(qAbs(stop.at(0).toLongLong() - before / 1000) <= 1);
    QCOMPARE(stop.mid(1), (QVariantList{"Patty", "5a3c150de2f4a7b8", 3, "auto", 0}));
    QCOMPARE(tag->getRestartRequested(), event == QLatin1String("restart"));
    NFCmanager restored;
    QVERIFY(restored.restoreNFC2());
    QCOMPARE(int(restored.viewTagInfo2(Pan)->getHoldStatus()), int(NfcTagItem2::StatusStopped));
}

void TestIotAgentAdapter::restartAfterStop_data()
{
    QTest::addColumn<bool>("seen");
    QTest::newRow("pan in the cabinet") << true;
    QTest::newRow("pan out of the cabinet") << false;
}

void TestIotAgentAdapter::restartAfterStop()
{
    QFETCH(bool, seen);
    NfcTagItem2 *tag = registerPan(Pan, 3, seen);
    QVERIFY(tag);
    tag->setHoldStatus(NfcTagItem2::StatusStopped);
    tag->setRestartRequested(true);
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    m_adapter->sendHoldStop(QStringLiteral("1767225600"), QStringLiteral("Sausage"), QStringLiteral("5a3c150de2f4a7b8"),
                            3, QStringLiteral("auto"), 0);
    QCOMPARE(m_adapter->sent.size(), 1);
    QVERIFY(!tag->getRestartRequested());
    QCOMPARE(int(tag->getHoldStatus()), 0);
    QVERIFY(tag->getActivationTimeStamp() >= before);
    QCOMPARE(tag->getExpTime(), tag->getActivationTimeStamp() + 600 * 1000);
    // A hold start is reported only where a timer runs.
    const QList<QVariantList> timer{{3, 600, Pan}};
    const QList<QVariantList> holdStart{{3, Pan, "auto"}};
    QCOMPARE(m_cabinet.started, seen ? timer : QList<QVariantList>());
    QCOMPARE(m_cabinet.holdStartEvents, seen ? holdStart : QList<QVariantList>());
}

void TestIotAgentAdapter::wifiSettings_data()
{
    QTest::addColumn<QJsonObject>("message");
    QTest::addColumn<QString>("warning"); // empty: stored
    const QJsonObject wifi{{"event", "networkSettings"}, {"networkMode", "wifi"}, {"SSID", "Back Office"},
                           {"password", "pass phrase 42"}};
    QTest::newRow("Wi-Fi") << wifi << "";
    QTest::newRow("wired") << QJsonObject{{"event", "networkSettings"}, {"networkMode", "ethernet"}, {"timestamp", 17}}
                           << "Invalid network mode!";
    QJsonObject bad = wifi;
    bad.insert("SSID", 12);
    QTest::newRow("SSID a number") << bad << "SSID is not";
    bad.insert("SSID", QString(33, 'x'));
    QTest::newRow("SSID of 33 bytes") << bad << "SSID is not";
    bad = wifi;
    bad.remove("password");
    QTest::newRow("password missing") << bad << "pass phrase is not";
    bad.insert("password", "pass\nphrase");
    QTest::newRow("password with a line break") << bad << "pass phrase is not";
}

void TestIotAgentAdapter::wifiSettings()
{
    QFETCH(QJsonObject, message);
    QFETCH(QString, warning);
    m_config->set_staticIPEnabled(true);
    m_config->set_wifiStaticIp(true);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    receive(message);
    const bool stored = warning.isEmpty();
    QCOMPARE(m_config->get_wifiSSID(), stored ? QStringLiteral("Back Office") : QString());
    QCOMPARE(m_config->get_wifiPassword(), stored ? QStringLiteral("pass phrase 42") : QString());
    QCOMPARE(m_config->get_wifiStaticIp(), !stored);
    QVERIFY(m_config->get_staticIPEnabled());
    QCOMPARE(QFile::exists(ConfigurationManager::configFilePath()), stored);
    if (stored)
        QTRY_VERIFY(m_roots->toolCalls().contains(QStringLiteral("sync ")));
    if (message.value("networkMode") == QLatin1String("ethernet"))
        QCOMPARE(m_adapter->last().value("commandTs").toInt(), 17);
    // The pass phrase never reaches the log.
    QVERIFY(!g_log.join('\n').contains(QLatin1String("pass phrase 42")));
    QVERIFY(g_log.join('\n').contains(QLatin1String("handleReceivedIoTInfo:")));
}

void TestIotAgentAdapter::holdingListOfAnotherCabinet_data()
{
    QTest::addColumn<QJsonObject>("message");
    QTest::addColumn<QByteArray>("stored"); // the pans stored for "uuid-9": uid, status, bin, seen, crc, batch, exp, act
    QTest::addColumn<bool>("localKept");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<qint64>("localActivation");
    const QJsonObject cabinet{{"location", "1234"}, {"cabinetUuid", "uuid-9"}};
    auto list = [&](const QJsonArray &holdInfo, const QJsonObject &c) {
        return QJsonObject{{"event", "holdingList"}, {"timestamp", 1767225600}, {"cabinet", c}, {"holdInfo", holdInfo}};
    };
    const QJsonObject pan{{"panId", "5a3c150de2f4a7b8"}, {"status", 0}, {"bin", 7}, {"inCabinet", true},
                          {"crc32", 4294967295.0}, {"activationTS", 1767225001},
                          {"batch", QJsonObject{{"id", "x:1"}, {"expiration", 1767226000}}}};
    QTest::newRow("taken up later by the other cabinet") << list({pan}, cabinet)
        << QByteArray("5a3c150de2f4a7b8 0 7 1 4294967295 x:1 1767226000000 1767225001000") << false << ""
        << qint64(1767225000000);
    QTest::newRow("taken up 501 ms later") << list({pan}, cabinet)
        << QByteArray("5a3c150de2f4a7b8 0 7 1 4294967295 x:1 1767226000000 1767225001000") << false << ""
        << qint64(1767225000499);
    QTest::newRow("taken up 500 ms later") << list({pan}, cabinet)
        << QByteArray("5a3c150de2f4a7b8 0 7 1 4294967295 x:1 1767226000000 1767225001000") << true << ""
        << qint64(1767225000500);
    QJsonObject older = pan;
    older.insert("activationTS", 1767225000);
    QTest::newRow("held here since") << list({older}, cabinet)
        << QByteArray("5a3c150de2f4a7b8 0 7 1 4294967295 x:1 1767226000000 1767225000000") << true << ""
        << qint64(1767225000000);
    QJsonObject badBin = pan;
    badBin.insert("bin", 300);
    QJsonObject hugeTime = pan;
    hugeTime.insert("activationTS", 1e300);
    QTest::newRow("unreadable entries skipped") << list({badBin, hugeTime, QJsonObject{{"status", 1}}, 5,
                                                         QJsonObject{{"panId", "ab"}}}, cabinet)
        << QByteArray("ab 0 0 0 0  0 0") << true << "4 entries" << qint64(1767225000000);
    QTest::newRow("other location") << list({}, QJsonObject{{"location", "99"}, {"cabinetUuid", "uuid-9"}})
        << QByteArray("none") << true << "Invalid location!" << qint64(1767225000000);
    QTest::newRow("own list") << list({pan}, QJsonObject{{"location", "1234"}, {"cabinetUuid", "uuid-1"}})
        << QByteArray("none") << true << "" << qint64(1767225000000);
    QTest::newRow("holdInfo not a list") << QJsonObject{{"event", "holdingList"}, {"cabinet", cabinet}, {"holdInfo", 1}}
        << QByteArray("none") << true << "" << qint64(1767225000000);
}

void TestIotAgentAdapter::holdingListOfAnotherCabinet()
{
    QFETCH(QJsonObject, message);
    QFETCH(QByteArray, stored);
    QFETCH(bool, localKept);
    QFETCH(QString, warning);
    QFETCH(qint64, localActivation);
    NfcTagItem2 *local = registerPan(Pan, 3, true);
    QVERIFY(local);
    local->setActivationTimeStamp(localActivation);
    auto &lists = m_cabinet.nfcManager->otherCabinetLists();
    // A list the cabinet sent before is replaced.
    lists.insert(QStringLiteral("uuid-9"), new QList<NfcTagItem2 *>{new NfcTagItem2(1)});
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    receive(message);
    QCOMPARE(m_cabinet.nfcManager->doWeOwnThisTag2(Pan), localKept);
    QVERIFY(lists.value("uuid-9"));
    QByteArrayList got;
    for (const NfcTagItem2 *t : *lists.value("uuid-9"))
        got << QByteArray::number(t->getUid(), 16) + ' ' + QByteArray::number(t->getHoldStatus()) + ' '
                   + QByteArray::number(t->getPosition()) + ' ' + QByteArray::number(t->getSeenInCabinet()) + ' '
                   + QByteArray::number(t->getCrc32()) + ' ' + t->getBatchId().toUtf8() + ' '
                   + QByteArray::number(t->getExpTime()) + ' ' + QByteArray::number(t->getActivationTimeStamp());
    QCOMPARE(got.join(';'), stored == "none" ? QByteArray("1 0 0 0 0  0 0") : stored);
    QCOMPARE(m_adapter->sent.size(), warning == QLatin1String("Invalid location!") ? 1 : 0);
}

void TestIotAgentAdapter::sdkErrors_data()
{
    QTest::addColumn<QJsonValue>("code");
    QTest::addColumn<QVariantList>("quadruple"); // empty: nothing emitted
    QTest::newRow("-100") << QJsonValue("-100") << QVariantList{8, 1, 0, 0};
    QTest::newRow("-162") << QJsonValue("-162") << QVariantList{8, 1, 5, 0};
    QTest::newRow("-166") << QJsonValue("-166") << QVariantList{8, 1, 9, 0};
    QTest::newRow("-201") << QJsonValue("-201") << QVariantList{8, 2, 1, 0};
    QTest::newRow("-204") << QJsonValue("-204") << QVariantList{8, 2, 4, 0};
    QTest::newRow("-8514") << QJsonValue("-8514") << QVariantList{8, 4, 2, 0};
    QTest::newRow("-8515") << QJsonValue("-8515") << QVariantList{8, 4, 3, 0};
    QTest::newRow("-167 is not listed") << QJsonValue("-167") << QVariantList{8, 0, 0, 0};
    QTest::newRow("-299") << QJsonValue("-299") << QVariantList{8, 2, 5, 0};
    QTest::newRow("-3010") << QJsonValue("-3010") << QVariantList{8, 3, 10, 0};
    QTest::newRow("-9999") << QJsonValue("-9999") << QVariantList{8, 4, 5, 0};
    QTest::newRow("as a number") << QJsonValue(-8512) << QVariantList{8, 4, 0, 0};
    QTest::newRow("not a number") << QJsonValue("E-42") << QVariantList{8, 0, 0, 0};
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << QVariantList();
}

void TestIotAgentAdapter::sdkErrors()
{
    QFETCH(QJsonValue, code);
    QFETCH(QVariantList, quadruple);
    QSignalSpy errors(m_adapter, &TulIotAgentAdapter::iotSdkErrorInfo);
    QJsonObject message{{"event", "sdkError"}};
    if (!code.isUndefined())
        message.insert("errorCode", code);
    else
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no error code"));
    receive(message);
    QCOMPARE(errors.count(), quadruple.isEmpty() ? 0 : 1);
    if (!quadruple.isEmpty())
        QCOMPARE(errors.first(), quadruple);
}

void TestIotAgentAdapter::backupProgress_data()
{
    QTest::addColumn<QStringList>("states"); // "forced:true" goes to forcedPackageChecked
    QTest::addColumn<bool>("active");
    QTest::addColumn<int>("progress");
    QTest::addColumn<bool>("forced");
    QTest::newRow("backup started") << QStringList{"System Backup Started"} << true << 0 << false;
    QTest::newRow("progress 45") << QStringList{"Backup 45% done"} << true << 45 << false;
    QTest::newRow("progress 0 keeps the flag") << QStringList{"System Backup Started", "7%", "0%"} << true << 0 << false;
    QTest::newRow("progress 0 from idle") << QStringList{"0 of 3"} << false << 0 << false;
    QTest::newRow("update started ends it") << QStringList{"40%", "System Update Started"} << false << 40 << false;
    QTest::newRow("no digits") << QStringList{"30", "copying"} << true << 30 << false;
    QTest::newRow("progress 100") << QStringList{"100"} << true << 100 << false;
    QTest::newRow("not a percentage") << QStringList{"12", "Backup 250 MB"} << true << 12 << false;
    QTest::newRow("forced package") << QStringList{"forced:true"} << false << 0 << true;
    QTest::newRow("forced package withdrawn") << QStringList{"forced:true", "forced:false"} << false << 0 << false;
}

void TestIotAgentAdapter::backupProgress()
{
    QFETCH(QStringList, states);
    QFETCH(bool, active);
    QFETCH(int, progress);
    QFETCH(bool, forced);
    QSignalSpy activeChanged(m_adapter, &TulIotAgentAdapter::systemBackupActiveChanged);
    if (states.contains("Backup 250 MB"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a percentage"));
    for (const QString &state : states) {
        if (state.startsWith(QLatin1String("forced:")))
            m_adapter->forcedPackageChecked(QStringLiteral("pkg"), state.endsWith(QLatin1String("true")));
        else
            m_adapter->packageUpdateState(QStringLiteral("pkg"), state);
    }
    QCOMPARE(m_adapter->get_systemBackupActive(), active);
    QCOMPARE(m_adapter->get_systemBackupProgress(), progress);
    QCOMPARE(m_adapter->get_forcedPackageActive(), forced);
    QVERIFY(activeChanged.count() <= 2);
}

void TestIotAgentAdapter::menuArchive_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("exitCode"); // of the unzip stand-in; empty: not run
    QTest::addColumn<bool>("archiveKept");
    QTest::newRow("archive unpacked") << QStringList{"notes.txt", "menu_7.ZIP"} << "0" << false;
    QTest::newRow("unzip fails") << QStringList{"menu_7.ZIP"} << "9" << true;
    QTest::newRow("no archive") << QStringList{"menu_7.zip.part"} << "" << true;
    QTest::newRow("no update folder") << QStringList() << "" << false;
}

void TestIotAgentAdapter::menuArchive()
{
    QFETCH(QStringList, files);
    QFETCH(QString, exitCode);
    QFETCH(bool, archiveKept);
    const QString folder = m_roots->system() + QStringLiteral("home/korvane/updates/");
    for (const QString &file : files) {
        QVERIFY(QDir().mkpath(folder));
        QFile f(folder + file);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString archive = folder + QStringLiteral("menu_7.ZIP");
    if (!exitCode.isEmpty()) {
        QVERIFY(QDir().mkpath(m_roots->system() + "standins"));
        QFile answer(m_roots->system() + "standins/unzip.exit");
        QVERIFY(answer.open(QIODevice::WriteOnly) && answer.write(exitCode.toLatin1()) > 0);
        answer.close();
        // Long enough to show that the screen is not kept waiting.
        QFile sleep(m_roots->system() + "standins/unzip.sleep");
        QVERIFY(sleep.open(QIODevice::WriteOnly) && sleep.write("0.5") > 0);
    }
    if (exitCode == QLatin1String("9")) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not unpacked: unzip failed with exit code 9"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("'UpdateAvailable' refused: Menu update failed"));
    }
    QElapsedTimer clock;
    clock.start();
    receive(QJsonObject{{"event", "UpdateAvailable"}, {"timestamp", 1767225600}});
    QVERIFY(clock.elapsed() < 400);
    if (exitCode.isEmpty()) {
        QTest::qWait(100);
        QVERIFY(m_roots->toolCalls().isEmpty());
        QVERIFY(m_adapter->sent.isEmpty());
        return;
    }
    const QString unzip = "unzip -o " + archive + " -d " + folder + "menu/";
    QTRY_COMPARE(m_roots->toolCalls().value(0), unzip);
    if (archiveKept) {
        QTRY_COMPARE(m_adapter->sent.size(), 1);
        QCOMPARE(m_adapter->last().value("errorDesc").toString(), QStringLiteral("Menu update failed"));
        QCOMPARE(m_roots->toolCalls(), QStringList{unzip});
        QVERIFY(QFile::exists(archive));
    } else {
        QTRY_VERIFY(!QFile::exists(archive));
        QTRY_COMPARE(m_roots->toolCalls(), (QStringList{unzip, "sync "}));
        QVERIFY(m_adapter->sent.isEmpty());
    }
}

void TestIotAgentAdapter::messageLeavesOnTheBus()
{
    PrivateBus bus;
    QVERIFY(bus.isRunning());
    BusListener agent;
    QVERIFY(bus.connect(QStringLiteral("agent"))
                .connect(QString(), TulIotAgentAdapter::ProxyPath, TulIotAgentAdapter::ProxyInterface,
                         TulIotAgentAdapter::ProxyMember, &agent, SLOT(take(QString))));
    TulIotAgentAdapter adapter(bus.connect(QStringLiteral("cabinet")));
    adapter.set_cabinetManager(&m_cabinet);
    adapter.set_menuManager(m_menu);
    adapter.set_configManager(m_config);
    adapter.set_dayPartManager(m_dayParts);
    adapter.set_translator(m_translator);
    adapter.sendSystemUpdated(QStringLiteral("1767225600"), true);
    QTRY_COMPARE(agent.texts.size(), 1);
    QCOMPARE(agent.texts.first(), QStringLiteral("{\n    \"event\": \"Updated\",\n    \"status\": \"Success\",\n"
                                                 "    \"timestamp\": \"1767225600\"\n}\n"));
}

QTEST_GUILESS_MAIN(TestIotAgentAdapter)
#include "tst_iotagentadapter.moc"
