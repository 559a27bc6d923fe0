// The cloud link's reports without a bus: mismatches, errors, the holding list, the
// performance data, the setting and state events and the power-on report, in both
// message sets. The cabinet is a fake core of 5 zones x 4 bins with the multi-language
// menu and three day parts. The tables are in tests/data/iot/tst_iotreports.json.
#include "bininfo.h"
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "fakeholdingview.h"
#include "iotjson.h"
#include "iottables.h"
#include "menumanager.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "roleitemmodel.h"
#include "scratchroots.h"
#include "translator.h"
#include "tullumo.h"

#include <limits>


namespace {

constexpr quint64 TopBitPan = 0x80000d0000000042; // product 13, top bit set

} // namespace

class TestIotReports : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    IOT_TABLE_TEST(mismatch)
    IOT_TABLE_TEST(error)
    IOT_TABLE_TEST(holdingList)
    IOT_TABLE_TEST(performanceData)
    IOT_TABLE_TEST(settingEvents)
    IOT_TABLE_TEST(powerOn)
    IOT_TABLE_TEST(powerOnText)
    IOT_TABLE_TEST(menuName)

private:
    // Picks the message set of the row and gives the row.
    QJsonObject useRow(const QJsonObject &row)
    {
        m_config->set_iotType(row["customer"].toBool() ? QStringLiteral("QRB_LUMO") : QStringLiteral("QRB_VAZARA"));
        return row;
    }
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
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("menu.json"), readFile(MENU_FIXTURES "/menu_multilang.json")));
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("dayParts.json"), readFile(MENU_FIXTURES "/dayParts_three.json")));
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
    m_view.nameOf = {{12, QStringLiteral("Fries")}, {13, QStringLiteral("A product name of forty characters long!")}};
    m_cabinet = FakeCabinetView();
    m_cabinet.targetsOf = {{0, {155, 165}}, {1, {160, 170}}};
    m_cabinet.actualsOf = {{0, {150, 161}}, {1, {158, 172}}};
    // The IO board's records of the bins: set point 200 + bin, reading 180 + bin.
    for (int bin = 0; bin < 20; ++bin) {
        auto *info = new BinInfo(bin, m_core);
        info->set_targetTemp(200 + bin);
        info->set_actualTemp(180 + bin);
        m_cabinet.bins << info;
    }
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

QList<QJsonObject> TestIotReports::sent()
{
    QList<QJsonObject> messages;
    for (const QList<QVariant> &args : qAsConst(*m_spy))
        messages << objectOf(args.first().toString().toUtf8());
    m_spy->clear();
    return messages;
}

void TestIotReports::mismatch()
{
    QFETCH(const QJsonObject, row);
    useRow(row);
    m_view.panSizeOf = {{5, 2}};
    m_view.productOf = {{4, 12}, {5, 99}};
    m_cabinet.panOf = {{4, TopBitPan}};
    m_cabinet.idOf = {{4, QStringLiteral("1767225590:SN-0001:4")}};
    if (row["alert"].toBool())
        m_lumo->handle_event_binMisMatchAlert(QStringLiteral("1767225600"), QString(), QString(), 5, QString());
    else
        m_lumo->handle_event_binMisMatchClear(QStringLiteral("1767225600"), QString(), QString(), 5, QString());
    QCOMPARE(sent(), QList<QJsonObject>{row["expected"].toObject()});
}

// "keys": the message's own keys; absent: nothing sent.
void TestIotReports::error()
{
    QFETCH(const QJsonObject, row);
    useRow(row);
    m_lumo->handle_event_error(QStringLiteral("1767225600"), row["code"].toString(), QStringLiteral("desc"),
                               QStringLiteral(" "));
    QJsonObject expected = row["keys"].toObject();
    const QJsonObject head{{"event", "error"}, {"timestamp", "1767225600"}, {"location", "1234"},
                           {"modelNumber", "MODEL-A"}, {"serialNumber", "SN-0001"}};
    for (auto it = head.begin(); it != head.end(); ++it)
        expected.insert(it.key(), it.value());
    QCOMPARE(sent(), row.contains("keys") ? QList<QJsonObject>{expected} : QList<QJsonObject>());
}

void TestIotReports::holdingList()
{
    QFETCH(const QJsonObject, row);
    useRow(row);
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
    QJsonObject want = row["expected"].toObject();
    // The registry's own order.
    const QJsonArray items = want.value(QStringLiteral("holdInfo")).toArray();
    if (m_nfc->tagRegistry().firstKey() != TopBitPan)
        want.insert(QStringLiteral("holdInfo"), QJsonArray{items.at(1), items.at(0)});
    QCOMPARE(sent(), QList<QJsonObject>{want});
}

// "bin4": what bin 4 (0-based 3) reports.
void TestIotReports::performanceData()
{
    QFETCH(const QJsonObject, row);
    const bool customer = useRow(row)["customer"].toBool();
    m_core->customerId = row["customerId"].toInt();
    m_core->traysPerZone = row["traysPerZone"].toInt();
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
    const QJsonObject want = row["bin4"].toObject();
    for (const QString &name : customer ? QStringList{"zone"} : QStringList{"heater", "timer"}) {
        const QJsonArray array = report.value(name).toArray();
        QCOMPARE(array.size(), m_core->get_traysPerCabinet()); // one per bin of the cabinet
        QJsonObject item = array.at(3).toObject();
        for (const char *key : {"holdSecondsRemaining", "timeRemaining"})
            if (qAbs(item.value(QLatin1String(key)).toInt(-1000) + 90) <= 1)
                item.insert(QLatin1String(key), -90);
        QCOMPARE(compact(item), compact(customer ? want : want.value(name).toObject()));
    }
    // A bin that is not timing reports the record's seconds and no batch.
    if (customer) {
        const QJsonObject other = report.value(QStringLiteral("zone")).toArray().at(0).toObject();
        QCOMPARE(other.value(QStringLiteral("state")).toString(), QStringLiteral("off"));
        QCOMPARE(other.value(QStringLiteral("eventUuid")).toString(), QStringLiteral("null"));
    }
}

// "expected": the message besides its time stamp ("id": with the identity members, "%P":
// the passcode stored before); absent: nothing sent.
void TestIotReports::settingEvents()
{
    QFETCH(const QJsonObject, row);
    const QString kind = row["kind"].toString();
    const bool customer = useRow(row)["customer"].toBool();
    m_config->set_ecoShelfHeatTemp(140);
    m_config->set_ecoActivateTimeout(45);
    m_config->set_ecoShelfHeatMode(kind == QLatin1String("ecoOn") ? 1 : 0);
    m_config->set_ecoActivateMode(kind == QLatin1String("ecoOn") ? 1 : 0);
    m_config->set_languageId(QStringLiteral("fra"));
    m_config->set_languageId(QStringLiteral("eng_USA"));
    const QString stored = m_config->get_passwdL1();
    const QString stamp = QStringLiteral("1767225600");
    if (kind.startsWith(QLatin1String("eco"))) m_lumo->handle_event_ecoModeSettings();
    else if (kind == "preheat") m_lumo->handle_event_preheatStart(stamp);
    else if (kind == "zonePreheat") m_lumo->handle_event_zonePreheatStart(stamp, 5);
    else if (kind == "zonePreheat20") m_lumo->handle_event_zonePreheatStart(stamp, 20);
    else if (kind == "preheatDone") m_lumo->handle_event_preheatComplete(stamp, 5, 312);
    else if (kind == "preheatDone-1") m_lumo->handle_event_preheatComplete(stamp, -1, 312);
    else if (kind == "daypart") m_lumo->handle_event_daypartChange(stamp, 1, 1, -1);
    else if (kind == "language") m_lumo->handle_event_languageChange(2);
    else if (kind == "passcode" && m_config->changeManagerPasscode(QStringLiteral("4321")))
        m_lumo->handle_event_passcodeChange(QStringLiteral("4321"));
    else if (kind == "entered") m_lumo->handle_event_passcodeEntered(QStringLiteral("UtilitiesPanel"), 2, true);
    else if (kind == "failed") m_lumo->handle_event_passcodeEntered(QStringLiteral("UtilitiesPanel"), 3, false);
    else if (kind == "exit") m_lumo->handle_event_programModeExit(QStringLiteral("MenuEditPanel"), 2);
    else if (kind == "store") m_lumo->handle_event_restaurantNumberUpdated(QStringLiteral("77"), QStringLiteral("1234"));
    else if (kind == "interval") m_lumo->handle_event_performanceDataInterval(60);
    QList<QJsonObject> got = sent();
    QJsonObject want = objectOf(compact(row["expected"].toObject()).replace("%P", stored.toUtf8()));
    const QJsonObject id{{"location", "1234"}, {"modelNumber", "MODEL-A"}, {"serialNumber", "SN-0001"}};
    for (auto it = id.begin(); it != id.end() && row["id"].toBool(); ++it)
        want.insert(it.key(), *it);
    QList<QJsonObject> wanted;
    if (row.contains("expected"))
        wanted << want;
    // The day part goes to the zone's four bins, in order, with the same names.
    for (int i = 1; i < 4 && kind == QLatin1String("daypart"); ++i) {
        QJsonObject next = want;
        QJsonObject part = next.value(QStringLiteral("daypart")).toObject();
        part.insert(QStringLiteral("zone"), 5 + i);
        next.insert(customer ? QStringLiteral("zoneNumber") : QStringLiteral("daypart"),
                    customer ? QJsonValue(5 + i) : QJsonValue(part));
        wanted << next;
    }
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const bool given = kind.contains(QLatin1String("reheat")) || kind == QLatin1String("daypart");
    for (QJsonObject &message : got) {
        const QString time = message.take(QStringLiteral("timestamp")).toString();
        if (given)
            QCOMPARE(time, stamp);
        else
            QVERIFY2(qAbs(time.toLongLong() - now) <= 1, qPrintable(time));
    }
    QCOMPARE(got, wanted);
}

// "expected": the report but for its time stamp, passcode and network address.
void TestIotReports::powerOn()
{
    QFETCH(const QJsonObject, row);
    const bool customer = useRow(row)["customer"].toBool();
    m_core->customerId = row["customerId"].toInt();
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
    QJsonObject report = got.first();
    report.remove("timestamp");
    report.remove("macAddress");
    QCOMPARE(report.take("passcode"), customer ? QJsonValue(QJsonValue::Undefined) : QJsonValue(m_config->get_passwdL1()));
    QCOMPARE(report, row["expected"].toObject());
}

// The report is written straight to text: it must be the document writer's form of the
// same members byte for byte (key order, indentation, escapes), and its snapshot arrays
// what the getters give.
void TestIotReports::powerOnText()
{
    QFETCH(const QJsonObject, row);
    useRow(row);
    m_core->customerId = row["customerId"].toInt();
    const QString store = row["store"].toString();
    m_config->set_storeNumber(store);
    QCOMPARE(m_config->get_storeNumber(), store);
    if (row.contains("name")) {
        // Every name of every product and group, with a surrogate that has lost its pair.
        const QString name = row["name"].toString() + QChar(0xD800);
        QStandardItemModel *model = m_core->menuManagerPtr->productsModel();
        for (int r = 0; r < model->rowCount(); ++r) {
            model->item(r)->setData(QStringList(QVector<QString>(15, name).toList()), MenuManager::NamesListRole);
            // Numbers of every width and sign, the smallest one included.
            model->item(r)->setData(r % 2 ? -r * 1001 : std::numeric_limits<int>::min(), MenuManager::LowerTempRole);
            model->item(r)->setData(r * 9999, MenuManager::UpperTempRole);
        }
    }
    const QByteArray text = m_lumo->powerOnReport();
    QJsonParseError error;
    const QJsonObject parsed = QJsonDocument::fromJson(text, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(text, IotJson::write(parsed));
    QCOMPARE(parsed["location"].toString(), store);
    if (row.contains("name") && !row["customer"].toBool())
        QCOMPARE(parsed["products"][0]["productName"]["eng_USA"].toString(), row["name"].toString() + QChar(0xD800));
    QCOMPARE(parsed["layout"].toArray(), m_lumo->getHoldingLayout());
    QCOMPARE(parsed["products"].toArray(), m_lumo->getProducts());
    QCOMPARE(parsed["productGroups"].toArray(), m_lumo->getGroups());
    QVERIFY(!parsed["products"].toArray().isEmpty());
    QVERIFY(!parsed["productGroups"].toArray().isEmpty());
}

void TestIotReports::menuName()
{
    QFETCH(const QJsonObject, row);
    QCOMPARE(TulLumo::menuName(row["imported"].toString()), row["name"].toString());
}

QTEST_MAIN(TestIotReports)
#include "tst_iotreports.moc"
