// The cloud link's reports without a bus: mismatches, errors, the holding list, the
// performance data, the setting and state events and the power-on report, in both
// message sets. The cabinet is a fake core of 5 zones x 4 bins with the multi-language
// menu and three day parts.
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "fakecabinetview.h"
#include "fakeholdingview.h"
#include "menumanager.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "scratchroots.h"
#include "translator.h"
#include "tullumo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

namespace {

constexpr quint64 TopBitPan = 0x80000d0000000042; // product 13, top bit set
const QString Long40 = QStringLiteral("A product name of forty characters long!");

QByteArray readFixture(const char *path)
{
    QFile f(QString::fromLatin1(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray compact(const QJsonObject &o)
{
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QJsonObject parse(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

} // namespace

class TestIotReports : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mismatch_data();
    void mismatch();
    void error_data();
    void error();
    void holdingList_data();
    void holdingList();
    void performanceData_data();
    void performanceData();
    void settingEvents_data();
    void settingEvents();
    void powerOn_data();
    void powerOn();
    void menuName_data();
    void menuName();

private:
    void useSchema(bool customer);
    // Every message sent since the last call, parsed.
    QList<QJsonObject> sent();

    QScopedPointer<ScratchRoots> m_scratch;
    FakeCabinetCore *m_core = nullptr;
    ConfigurationManager *m_config = nullptr;
    NFCmanager *m_nfc = nullptr;
    FakeHoldingView m_view;
    FakeCabinetView m_cabinet;
    TulLumo *m_lumo = nullptr;
    QSignalSpy *m_spy = nullptr;
};

void TestIotReports::init()
{
    m_scratch.reset(new ScratchRoots);
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("menu.json"), readFixture(MENU_FIXTURES "/menu_multilang.json")));
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("dayParts.json"),
                                     readFixture(MENU_FIXTURES "/dayParts_three.json")));
    m_core = new FakeCabinetCore;
    m_core->translatorPtr = new Translator(m_core);
    m_config = new ConfigurationManager(nullptr, nullptr, true, 1, m_core);
    m_core->configManagerPtr = m_config;
    m_config->set_serialNumber(QStringLiteral("SN-0001"));
    m_config->set_modelNumber(QStringLiteral("MODEL-A"));
    m_config->set_storeNumber(QStringLiteral("1234"));
    m_config->set_uuidNumber(QStringLiteral("uuid-1"));
    auto *menu = new MenuManager(m_core);
    m_core->menuManagerPtr = menu;
    menu->menuLoadJsonDocFile();
    auto *dayParts = new DayPartManager(5, 4, menu, m_core);
    m_core->daypartManagerPtr = dayParts;
    dayParts->set_numOfTrays(20);
    dayParts->dayPartsLoadJsonDocFile();
    dayParts->set_partOfDay(0);
    m_nfc = new NFCmanager(m_core);
    m_view = FakeHoldingView();
    m_view.nfcManager = m_nfc;
    m_view.nameOf = {{12, QStringLiteral("Fries")}, {13, Long40}};
    m_cabinet = FakeCabinetView();
    m_cabinet.targetsOf = {{0, {155, 165}}, {1, {160, 170}}};
    m_cabinet.actualsOf = {{0, {150, 161}}, {1, {158, 172}}};
    m_lumo = new TulLumo(&m_view, m_core);
    m_lumo->setCabinetView(&m_cabinet);
    m_spy = new QSignalSpy(m_lumo, &TulLumo::sendLumoInfo);
}

void TestIotReports::cleanup()
{
    delete m_spy;
    delete m_core;
    m_scratch.reset();
}

void TestIotReports::useSchema(bool customer)
{
    m_config->set_iotType(customer ? QStringLiteral("QRB_LUMO") : QStringLiteral("QRB_VAZARA"));
}

QList<QJsonObject> TestIotReports::sent()
{
    QList<QJsonObject> messages;
    for (const QList<QVariant> &args : qAsConst(*m_spy))
        messages << QJsonDocument::fromJson(args.first().toString().toUtf8()).object();
    m_spy->clear();
    return messages;
}

void TestIotReports::mismatch_data()
{
    QTest::addColumn<bool>("customer");
    QTest::addColumn<bool>("alert");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray customer = R"({"event":"%E","timestamp":"1767225600","location":"1234","modelNumber":"MODEL-A",
        "serialNumber":"SN-0001","zoneNumber":5,"state":"%S","daypart":"Breakfast","alarmCode":"A1",
        "alarmDesc":"binMismatchAlert","alarmValue":"5","zoneProductName":"Fries","zoneProductId":12,
        "panId":"80000d0000000042","productId":13,"productName":"A product name of forty characte"})";
    QTest::newRow("customer alert, full-size pan in its odd bin")
        << true << true << QByteArray(customer).replace("%E", "alarm").replace("%S", "alarm");
    QTest::newRow("customer clear") << true << false
                                    << QByteArray(customer).replace("%E", "alarmCleared").replace("%S", "ready");
    const QByteArray maker = R"({"event":"%E","timestamp":"1767225600","location":"1234","modelNumber":"MODEL-A",
        "serialNumber":"SN-0001","cabinetUuid":"uuid-1","eventId":"1767225590:SN-0001:4",
        "timer":{"bin":5,"productName":"Fries","productId":12},
        "pan":{"panId":"80000d0000000042","productName":"A product name of forty characters long!","productId":13}})";
    QTest::newRow("maker alert") << false << true << QByteArray(maker).replace("%E", "binMisMatchAlert");
    QTest::newRow("maker clear, same id") << false << false << QByteArray(maker).replace("%E", "binMisMatchClear");
}

void TestIotReports::mismatch()
{
    QFETCH(bool, customer);
    QFETCH(bool, alert);
    QFETCH(QByteArray, expected);
    useSchema(customer);
    m_view.panSizeOf = {{5, 2}};
    m_view.productOf = {{4, 12}, {5, 99}};
    m_cabinet.panOf = {{4, TopBitPan}};
    m_cabinet.idOf = {{4, QStringLiteral("1767225590:SN-0001:4")}};
    const QString stamp = QStringLiteral("1767225600");
    if (alert)
        m_lumo->handle_event_binMisMatchAlert(stamp, QString(), QString(), 5, QString());
    else
        m_lumo->handle_event_binMisMatchClear(stamp, QString(), QString(), 5, QString());
    const QList<QJsonObject> got = sent();
    QCOMPARE(got.size(), 1);
    QCOMPARE(compact(got.first()), compact(parse(expected)));
}

void TestIotReports::error_data()
{
    QTest::addColumn<bool>("customer");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QByteArray>("keys"); // the message's own keys; empty: nothing sent

    QTest::newRow("probe open: its channel's zone, its heater") << true << "2.1.3.0" << QByteArray(
        R"({"errorCode":"2.1.3.0","errorDesc":"desc","zoneNumber":5,"temperatureMeasured":"172",
        "temperatureSetpoint":"170","errorValue":"172"})");
    QTest::newRow("probe reference error") << true << "2.4.3.0" << QByteArray(
        R"({"errorCode":"2.4.3.0","errorDesc":"desc","temperatureMeasured":"null","temperatureSetpoint":"null",
        "errorValue":"null"})");
    QTest::newRow("zone 0 too low") << true << "3.0.0.140" << QByteArray(
        R"({"errorCode":"3.0.0.140","errorDesc":"desc","zoneNumber":1,"temperatureMeasured":"150",
        "temperatureSetpoint":"155","errorValue":"150"})");
    QTest::newRow("zone too high: zone's first bin, not its temperature") << true << "3.1.1.187" << QByteArray(
        R"({"errorCode":"3.1.1.187","errorDesc":"desc","zoneNumber":5,"temperatureMeasured":"158",
        "temperatureSetpoint":"160","errorValue":"158"})");
    QTest::newRow("zone outside the cabinet") << true << "3.0.7.0" << QByteArray(
        R"({"errorCode":"3.0.7.0","errorDesc":"desc","temperatureMeasured":"0","temperatureSetpoint":"0",
        "errorValue":"0"})");
    QTest::newRow("probe without a zone") << true << "2.0.15.0" << QByteArray(
        R"({"errorCode":"2.0.15.0","errorDesc":"desc","temperatureMeasured":"0","temperatureSetpoint":"0",
        "errorValue":"0"})");
    QTest::newRow("board link, four nulls") << true << "1.0.0.0" << QByteArray(
        R"({"errorCode":"1.0.0.0","errorDesc":"desc","zoneNumber":"null","temperatureMeasured":"null",
        "temperatureSetpoint":"null","errorValue":"null"})");
    QTest::newRow("not a number") << true << "x.1" << QByteArray(
        R"({"errorCode":"x.1","errorDesc":"desc","zoneNumber":"null","temperatureMeasured":"null",
        "temperatureSetpoint":"null","errorValue":"null"})");
    QTest::newRow("SDK error, customer") << true << "8.1.3.0" << QByteArray();
    QTest::newRow("SDK error, maker") << false << "8.1.3.0" << QByteArray();
    QTest::newRow("maker") << false << "2.1.3.0" << QByteArray(
        R"({"cabinetUuid":"uuid-1","firmware":{"firmwareVersion":"RO-2503"},
        "menu":{"menuVersion":"","menuDescription":""},
        "error":{"errorCode":"2.1.3.0","errorDesc":"desc","errorValue":" "}})");
}

void TestIotReports::error()
{
    QFETCH(bool, customer);
    QFETCH(QString, code);
    QFETCH(QByteArray, keys);
    useSchema(customer);
    m_lumo->handle_event_error(QStringLiteral("1767225600"), code, QStringLiteral("desc"), QStringLiteral(" "));
    const QList<QJsonObject> got = sent();
    if (keys.isEmpty()) {
        QVERIFY(got.isEmpty());
        return;
    }
    QJsonObject expected = parse(keys);
    const QJsonObject head = parse(R"({"event":"error","timestamp":"1767225600","location":"1234",
        "modelNumber":"MODEL-A","serialNumber":"SN-0001"})");
    for (auto it = head.begin(); it != head.end(); ++it)
        expected.insert(it.key(), it.value());
    QCOMPARE(got.size(), 1);
    QCOMPARE(compact(got.first()), compact(expected));
}

void TestIotReports::holdingList_data()
{
    QTest::addColumn<bool>("customer");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray items = R"([{"panId":"80000d0000000042","status":4,"bin":3,"activationTS":1767225601,
        "inCabinet":true,"crc32":4000000000,"batch":{"id":"80000d0000000042-1767225000","start":%S,
        "expiration":1767226800,"active":false}},
        {"panId":"a01","status":0,"bin":0,"activationTS":0,"inCabinet":false,"crc32":0,
        "batch":{"id":"","start":0,"expiration":0,"active":true}}])";
    QTest::newRow("customer") << true << QByteArray(R"({"event":"holdingList","timestamp":"1767225600",
        "modelNumber":"MODEL-A","serialNumber":"SN-0001","location":"1234","holdInfo":)"
        + QByteArray(items).replace("%S", "1767225000") + "}");
    QTest::newRow("maker: the other set's batch has no start") << false << QByteArray(
        R"({"event":"holdingList","timestamp":"1767225600","cabinet":{"serialNumber":"SN-0001","location":"1234",
        "cabinetUuid":"uuid-1"},"holdInfo":)" + QByteArray(items).replace("%S", "0") + "}");
}

void TestIotReports::holdingList()
{
    QFETCH(bool, customer);
    QFETCH(QByteArray, expected);
    useSchema(customer);
    auto *stopped = new NfcTagItem2(TopBitPan);
    stopped->setPosition(3);
    stopped->setSeenInCabinet(true);
    stopped->setExpTime(1767226800400);
    stopped->setActivationTimeStamp(1767225600500);
    stopped->setCrc32(4000000000u);
    stopped->setBatchId(QStringLiteral("80000d0000000042-1767225000"));
    stopped->setHoldStatus(NfcTagItem2::StatusStopped);
    QVERIFY(m_nfc->registerTag2(stopped));
    QVERIFY(m_nfc->registerTag2(new NfcTagItem2(0xa01)));
    m_lumo->handle_event_holdingListChange(QStringLiteral("1767225600"));
    const QList<QJsonObject> got = sent();
    QCOMPARE(got.size(), 1);
    QJsonObject want = parse(expected);
    // The registry's own order.
    QJsonArray items = want.value(QStringLiteral("holdInfo")).toArray();
    if (m_nfc->tagRegistry().firstKey() != TopBitPan)
        items = QJsonArray{items.at(1), items.at(0)};
    want.insert(QStringLiteral("holdInfo"), items);
    QCOMPARE(compact(got.first()), compact(want));
}

void TestIotReports::performanceData_data()
{
    QTest::addColumn<bool>("customer");
    QTest::addColumn<int>("customerId");
    QTest::addColumn<int>("traysPerZone");
    QTest::addColumn<QByteArray>("bin4"); // what bin 4 (0-based 3) reports

    QTest::newRow("customer, discard 90 s ago") << true << 0 << 4 << QByteArray(
        R"({"zoneNumber":4,"state":"overholding","timerMode":"discard","eventUuid":"80000d0000000042-1767225000",
        "productId":13,"productName":"A product name of forty characte","holdSecondsRemaining":-90,"panSize":3,
        "temperatureSetpoint":155,"temperatureMeasured":150})");
    QTest::newRow("maker, zone's heaters") << false << 0 << 4 << QByteArray(
        R"({"heater":{"bin":4,"setpointLower":155,"setpointUpper":165,"temperatureLower":150,"temperatureUpper":161},
        "timer":{"bin":4,"productId":13,"mode":"discard","timeRemaining":-90,"panSize":"3/4"}})");
    QTest::newRow("maker, one customer's bins") << false << 3 << 4 << QByteArray(
        R"({"heater":{"bin":4,"setpoint":155,"temperature":150},
        "timer":{"bin":4,"productId":13,"mode":"discard","timeRemaining":-90,"panSize":"3/4"}})");
    // 2 bins per zone: bin 3 is in zone 1, whose second heater is missing.
    QTest::newRow("maker, zone with one heater") << false << 0 << 2 << QByteArray(
        R"({"heater":{"bin":4,"setpointLower":160,"setpointUpper":0,"temperatureLower":158,"temperatureUpper":0},
        "timer":{"bin":4,"productId":13,"mode":"discard","timeRemaining":-90,"panSize":"3/4"}})");
    // 1 bin per zone: bin 3 is zone 3, which the cabinet does not report.
    QTest::newRow("maker, missing zone") << false << 0 << 1 << QByteArray(
        R"({"heater":{"bin":4,"setpointLower":0,"setpointUpper":0,"temperatureLower":0,"temperatureUpper":0},
        "timer":{"bin":4,"productId":13,"mode":"discard","timeRemaining":-90,"panSize":"3/4"}})");
}

void TestIotReports::performanceData()
{
    QFETCH(bool, customer);
    QFETCH(int, customerId);
    QFETCH(int, traysPerZone);
    QFETCH(QByteArray, bin4);
    useSchema(customer);
    m_core->customerId = customerId;
    m_core->traysPerZone = traysPerZone;
    m_cabinet.targetsOf.insert(1, {160});
    m_cabinet.actualsOf.insert(1, {158});
    m_config->set_languageId(QStringLiteral("deu"));
    m_cabinet.percent = 62;
    m_cabinet.decibel = -58;
    auto *entry = new NfcTagItem2(TopBitPan);
    entry->setBatchId(QStringLiteral("80000d0000000042-1767225000"));
    entry->setPosition(3);
    QVERIFY(m_nfc->registerTag2(entry));
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    trayInfo discard;
    discard.binNumber = 3;
    discard.productId = 13;
    discard.remainingTime = 5;
    discard.expectedTime = now - 90000;
    m_view.trayOf = {{3, discard}};
    m_view.stateOf = {{3, 8}};

    m_lumo->handle_event_performanceData();
    const QList<QJsonObject> got = sent();
    QCOMPARE(got.size(), 1);
    QJsonObject report = got.first();
    QVERIFY(qAbs(report.value(QStringLiteral("timestamp")).toString().toLongLong() - (now + 500) / 1000) <= 1);
    QCOMPARE(report.value(QStringLiteral("daypart")).toString(), QStringLiteral("Frühstück")); // the screen's language
    QCOMPARE(report.contains(QStringLiteral("language")), !customer);
    QCOMPARE(report.contains(QStringLiteral("cabinetUuid")), !customer);
    QCOMPARE(report.value(customer ? QStringLiteral("signalStrength") : QStringLiteral("wifiLevel")).toDouble(),
             customer ? -58.0 : 62.0);
    const QJsonObject want = parse(bin4);
    const QStringList arrays = customer ? QStringList{QStringLiteral("zone")}
                                        : QStringList{QStringLiteral("heater"), QStringLiteral("timer")};
    for (const QString &name : arrays) {
        const QJsonArray array = report.value(name).toArray();
        QCOMPARE(array.size(), m_core->get_traysPerCabinet()); // one per bin of the cabinet
        const QJsonObject expected = customer ? want : want.value(name).toObject();
        QJsonObject item = array.at(3).toObject();
        if (qAbs(item.value(QStringLiteral("holdSecondsRemaining")).toInt(-1000) + 90) <= 1)
            item.insert(QStringLiteral("holdSecondsRemaining"), -90);
        if (qAbs(item.value(QStringLiteral("timeRemaining")).toInt(-1000) + 90) <= 1)
            item.insert(QStringLiteral("timeRemaining"), -90);
        QCOMPARE(compact(item), compact(expected));
    }
    // A bin that is not timing reports the record's seconds and no batch.
    if (customer) {
        const QJsonObject other = report.value(QStringLiteral("zone")).toArray().at(0).toObject();
        QCOMPARE(other.value(QStringLiteral("state")).toString(), QStringLiteral("off"));
        QCOMPARE(other.value(QStringLiteral("eventUuid")).toString(), QStringLiteral("null"));
    }
}

void TestIotReports::settingEvents_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("customer");
    QTest::addColumn<QByteArray>("expected"); // keys besides the time stamp; several: an array

    const QByteArray id = R"("location":"1234","modelNumber":"MODEL-A","serialNumber":"SN-0001",)";
    QTest::newRow("eco, both off") << "ecoOff" << true << QByteArray(R"({"event":"ecoModeSettings",
        "serialNumber":"SN-0001","shelfTemperatureSetting":0,"configuredSuggestionTime":0})");
    QTest::newRow("eco, both on, maker") << "ecoOn" << false << QByteArray(R"({"event":"ecoModeSettings",
        "serialNumber":"SN-0001","shelfTemperatureSetting":140,"configuredSuggestionTime":45})");
    QTest::newRow("cabinet preheat, customer") << "preheat" << true << QByteArray();
    QTest::newRow("cabinet preheat, maker") << "preheat" << false << QByteArray(R"({"event":"preheatStart",)" + id
        + R"("cabinetUuid":"uuid-1","dayPart":"Breakfast"})");
    QTest::newRow("bin preheat, customer") << "zonePreheat" << true << QByteArray(R"({"event":"preheatStart",)" + id
        + R"("zoneNumber":6,"state":"preheating","temperatureSetpoint":160,"temperatureMeasured":158,
        "dayPart":"Breakfast"})");
    QTest::newRow("bin preheat, maker") << "zonePreheat" << false << QByteArray();
    QTest::newRow("bin preheat outside the cabinet") << "zonePreheat20" << true << QByteArray();
    QTest::newRow("preheat complete, customer") << "preheatDone" << true << QByteArray(
        R"({"event":"preheatComplete",)" + id + R"("zoneNumber":6,"state":"ready","dayPart":"Breakfast",
        "temperatureSetpoint":160,"temperatureMeasured":158,"heatTime":"312"})");
    QTest::newRow("preheat complete, maker") << "preheatDone" << false << QByteArray(
        R"({"event":"preheatComplete",)" + id + R"("cabinetUuid":"uuid-1","bin":6})");
    QTest::newRow("preheat complete outside the cabinet") << "preheatDone-1" << false << QByteArray();
    QTest::newRow("day part, zone 1: bins 5 to 8") << "daypart" << true << QByteArray(
        "[" + QByteArray(R"({"event":"settingChange",)" + id + R"("setting":"daypart","zoneNumber":5,
        "settingValue":"Lunch","settingValuePrev":""})") + "]");
    QTest::newRow("day part, maker") << "daypart" << false << QByteArray(
        "[" + QByteArray(R"({"event":"daypartChange",)" + id + R"("cabinetUuid":"uuid-1",
        "daypart":{"zone":5,"new":"Lunch","prev":""}})") + "]");
    QTest::newRow("language, customer") << "language" << true << QByteArray(R"({"event":"settingChange",)" + id
        + R"("setting":"language","zoneNumber":"null","settingValue":"fra","settingValuePrev":"fra"})");
    QTest::newRow("language, maker") << "language" << false << QByteArray(R"({"event":"languageChange",)" + id
        + R"("cabinetUuid":"uuid-1","language":2})");
    QTest::newRow("passcode, customer") << "passcode" << true << QByteArray(R"({"event":"settingChange",)" + id
        + R"("setting":"passcode","zoneNumber":"null","settingValue":"4321","settingValuePrev":"%P"})");
    QTest::newRow("passcode, maker") << "passcode" << false << QByteArray(R"({"event":"passcodeChange",)" + id
        + R"("cabinetUuid":"uuid-1","passcode":"4321"})");
    QTest::newRow("entry, customer") << "entered" << true << QByteArray(R"({"event":"programModeEnter",)" + id
        + R"("programScreen":"UtilitiesPanel","programLevel":2})");
    QTest::newRow("failed entry, customer") << "failed" << true << QByteArray();
    QTest::newRow("failed entry, maker") << "failed" << false << QByteArray(R"({"event":"passcodeEntered",)" + id
        + R"("cabinetUuid":"uuid-1","screen":"UtilitiesPanel","authenticated":false,"userType":3})");
    QTest::newRow("program exit, maker has no uuid") << "exit" << false << QByteArray(
        R"({"event":"programModeExit",)" + id + R"("programLevel":2,"programScreen":"MenuEditPanel"})");
    QTest::newRow("store number, customer") << "store" << true << QByteArray();
    QTest::newRow("store number, maker") << "store" << false << QByteArray(R"({"event":"restaurantNumberUpdated",
        "modelNumber":"MODEL-A","serialNumber":"SN-0001","cabinetUuid":"uuid-1",
        "locationNumber":{"new":"77","prev":"1234"}})");
    QTest::newRow("interval, customer has the uuid too") << "interval" << true << QByteArray(
        R"({"event":"performanceDataInterval",)" + id + R"("cabinetUuid":"uuid-1","performanceDataInterval":"60"})");
}

void TestIotReports::settingEvents()
{
    QFETCH(QString, kind);
    QFETCH(bool, customer);
    QFETCH(QByteArray, expected);
    useSchema(customer);
    m_config->set_ecoShelfHeatTemp(140);
    m_config->set_ecoActivateTimeout(45);
    m_config->set_ecoShelfHeatMode(kind == QLatin1String("ecoOn") ? 1 : 0);
    m_config->set_ecoActivateMode(kind == QLatin1String("ecoOn") ? 1 : 0);
    m_config->set_languageId(QStringLiteral("fra"));
    m_config->set_languageId(QStringLiteral("eng_USA"));
    const QString stored = m_config->get_passwdL1();
    const QString stamp = QStringLiteral("1767225600");
    // Bin 5 sits in zone 1 of 4 bins.
    m_cabinet.targetsOf.insert(1, {160, 170});
    if (kind.startsWith(QLatin1String("eco")))
        m_lumo->handle_event_ecoModeSettings();
    else if (kind == QLatin1String("preheat"))
        m_lumo->handle_event_preheatStart(stamp);
    else if (kind == QLatin1String("zonePreheat"))
        m_lumo->handle_event_zonePreheatStart(stamp, 5);
    else if (kind == QLatin1String("zonePreheat20"))
        m_lumo->handle_event_zonePreheatStart(stamp, 20);
    else if (kind == QLatin1String("preheatDone"))
        m_lumo->handle_event_preheatComplete(stamp, 5, 312);
    else if (kind == QLatin1String("preheatDone-1"))
        m_lumo->handle_event_preheatComplete(stamp, -1, 312);
    else if (kind == QLatin1String("daypart"))
        m_lumo->handle_event_daypartChange(stamp, 1, 1, -1);
    else if (kind == QLatin1String("language"))
        m_lumo->handle_event_languageChange(2);
    else if (kind == QLatin1String("passcode") && m_config->changeManagerPasscode(QStringLiteral("4321")))
        m_lumo->handle_event_passcodeChange(QStringLiteral("4321"));
    else if (kind == QLatin1String("entered"))
        m_lumo->handle_event_passcodeEntered(QStringLiteral("UtilitiesPanel"), 2, true);
    else if (kind == QLatin1String("failed"))
        m_lumo->handle_event_passcodeEntered(QStringLiteral("UtilitiesPanel"), 3, false);
    else if (kind == QLatin1String("exit"))
        m_lumo->handle_event_programModeExit(QStringLiteral("MenuEditPanel"), 2);
    else if (kind == QLatin1String("store"))
        m_lumo->handle_event_restaurantNumberUpdated(QStringLiteral("77"), QStringLiteral("1234"));
    else if (kind == QLatin1String("interval"))
        m_lumo->handle_event_performanceDataInterval(60);
    QList<QJsonObject> got = sent();
    if (expected.isEmpty()) {
        QVERIFY(got.isEmpty());
        return;
    }
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const bool given = kind.contains(QLatin1String("reheat")) || kind == QLatin1String("daypart");
    QJsonArray wanted;
    if (expected.startsWith('['))
        wanted = QJsonDocument::fromJson(expected.replace("%P", stored.toUtf8())).array();
    else
        wanted.append(parse(expected.replace("%P", stored.toUtf8())));
    if (kind == QLatin1String("daypart")) {
        // The zone's four bins, in order, with the same names.
        QCOMPARE(got.size(), 4);
        for (int i = 1; i < 4; ++i) {
            QJsonObject next = wanted.first().toObject();
            if (customer) {
                next.insert(QStringLiteral("zoneNumber"), 5 + i);
            } else {
                QJsonObject part = next.value(QStringLiteral("daypart")).toObject();
                part.insert(QStringLiteral("zone"), 5 + i);
                next.insert(QStringLiteral("daypart"), part);
            }
            wanted.append(next);
        }
    }
    QCOMPARE(got.size(), wanted.size());
    for (int i = 0; i < got.size(); ++i) {
        QJsonObject message = got.at(i);
        const QString time = message.take(QStringLiteral("timestamp")).toString();
        if (given)
            QCOMPARE(time, stamp);
        else
            QVERIFY2(qAbs(time.toLongLong() - now) <= 1, qPrintable(time));
        QCOMPARE(compact(message), compact(wanted.at(i).toObject()));
    }
}

void TestIotReports::powerOn_data()
{
    QTest::addColumn<bool>("customer");
    QTest::addColumn<int>("customerId");
    QTest::addColumn<QStringList>("productKeys"); // of product 12, beside the values

    QTest::newRow("customer, English and Spanish names cut") << true << 3
        << QStringList{"productNameEngUSA", "productNameSpa", "temperatureHold", "zoneSplits"};
    QTest::newRow("customer, no names") << true << 0 << QStringList{"temperatureHold", "zoneSplits"};
    QTest::newRow("maker, two languages") << false << 5
        << QStringList{"productName", "lowerTemp", "upperTemp", "zoneSplits"};
    QTest::newRow("maker, every language") << false << 0
        << QStringList{"productName", "lowerTemp", "upperTemp", "zoneSplits"};
}

void TestIotReports::powerOn()
{
    QFETCH(bool, customer);
    QFETCH(int, customerId);
    QFETCH(QStringList, productKeys);
    useSchema(customer);
    m_core->customerId = customerId;
    m_core->pluggedInMinutes = 150;
    m_cabinet.errors = 7;
    m_config->set_importedMenu(QStringLiteral("Lunch.new.tul|1700000000"));
    m_config->set_tempUnit(1);
    m_config->set_firmwareVersion(QStringLiteral("RO-2503"));

    m_lumo->handle_event_powerOn();
    m_lumo->handle_event_powerOn();
    QTRY_COMPARE(m_spy->size(), 2); // the report, then the eco-mode settings
    QTest::qWait(20);
    const QList<QJsonObject> got = sent();
    QCOMPARE(got.size(), 2);
    QCOMPARE(got.at(1).value(QStringLiteral("event")).toString(), QStringLiteral("ecoModeSettings"));
    const QJsonObject report = got.first();
    QCOMPARE(report.value(QStringLiteral("event")).toString(), QStringLiteral("powerOn"));
    QCOMPARE(report.value(QStringLiteral("language")).toString(), m_config->get_languageId());

    const QJsonObject versions = customer
        ? parse(R"({"softwareVersion":{"lumoSdk":"?.?.?","firmwareUI":"RO-2503","firmwareIoT":"?.?.?",
            "firmwareIO":"?.?.?","firmwareReaderBoard":"0.0.0"},"menuVersion":{"menu":"Lunch.new"},
            "state":"unready","temperatureUnits":"C","errorCount":7,"pluggedInHours":3,"heatedHours":3})")
        : parse(R"({"firmware":{"firmwareVersionUI":"RO-2503","firmwareVersionIoT":"?.?.?",
            "firmwareVersionIO":"?.?.?","firmwareVersionReaderBoard":"0.0.0"},
            "menu":{"menuVersion":"","menuDescription":"Lunch.new"},"cabinetUuid":"uuid-1"})");
    for (auto it = versions.begin(); it != versions.end(); ++it)
        QCOMPARE(compact(QJsonObject{{it.key(), report.value(it.key())}}), compact(QJsonObject{{it.key(), *it}}));
    QCOMPARE(report.contains(QStringLiteral("passcode")), !customer);
    QCOMPARE(report.value(QStringLiteral("passcode")).toString(), customer ? QString() : m_config->get_passwdL1());

    // The menu: three day parts of 20 bins, three products, two groups.
    const QJsonArray layout = report.value(QStringLiteral("layout")).toArray();
    QCOMPARE(layout.size(), 3);
    const QJsonArray locations = layout.at(0).toObject().value(QStringLiteral("productLocations")).toArray();
    QCOMPARE(locations.size(), 20);
    QCOMPARE(compact(locations.at(1).toObject()),
             compact(QJsonObject{{customer ? QStringLiteral("zoneNumber") : QStringLiteral("bin"), 2},
                                 {QStringLiteral("productId"), 13}}));
    const QJsonArray products = report.value(QStringLiteral("products")).toArray();
    QCOMPARE(products.size(), 3);
    QJsonObject fries = products.at(0).toObject();
    QCOMPARE(fries.value(QStringLiteral("productId")).toInt(), 12);
    for (const char *key : {"productId", "holdTime", "warningTime", "lidType", "bottomType"})
        QVERIFY(fries.take(QLatin1String(key)) != QJsonValue::Undefined);
    QCOMPARE(fries.keys(), [&] { QStringList k = productKeys; k.sort(); return k; }());
    const int languages = customerId == 5 ? 2 : 15;
    if (!customer) {
        const QJsonObject names = fries.value(QStringLiteral("productName")).toObject();
        QCOMPARE(names.size(), languages);
        QCOMPARE(names.value(QStringLiteral("spa")).toString(), QStringLiteral("Papas fritas"));
        QCOMPARE(fries.value(QStringLiteral("zoneSplits")).toString(), QStringLiteral("1/2"));
    } else if (customerId == 3) {
        QCOMPARE(fries.value(QStringLiteral("productNameSpa")).toString(), QStringLiteral("Papas fritas"));
        QCOMPARE(fries.value(QStringLiteral("zoneSplits")).toInt(), 2);
    }
    const QJsonArray groups = report.value(QStringLiteral("productGroups")).toArray();
    QCOMPARE(groups.size(), 2);
    const QJsonObject chicken = groups.at(0).toObject();
    QCOMPARE(chicken.value(customer ? QStringLiteral("productGroupId") : QStringLiteral("groupId")).toInt(),
             1073741825);
    QCOMPARE(compact(QJsonObject{{"p", chicken.value(QStringLiteral("products"))}}),
             compact(parse(R"({"p":[{"productId":13},{"productId":14}]})")));
    if (customerId == 3)
        QCOMPARE(chicken.value(QStringLiteral("productGroupNameSpa")).toString(), QStringLiteral("Pollo"));
}

void TestIotReports::menuName_data()
{
    QTest::addColumn<QString>("imported");
    QTest::addColumn<QString>("name");
    QTest::newRow("json import") << "Breakfast.json|1700000000" << "Breakfast";
    QTest::newRow("dotted tool file") << "Lunch.new.tul|1700000000" << "Lunch.new";
    QTest::newRow("cloud version") << "1.0.7" << "1.0.7";
    QTest::newRow("capitals are no ending") << "Menu.JSON|1" << "Menu.JSON|1";
}

void TestIotReports::menuName()
{
    QFETCH(QString, imported);
    QFETCH(QString, name);
    QCOMPARE(TulLumo::menuName(imported), name);
}

QTEST_MAIN(TestIotReports)
#include "tst_iotreports.moc"
