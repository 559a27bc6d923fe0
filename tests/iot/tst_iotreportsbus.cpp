// The cloud link's reports end to end: the root on a private system bus against the
// simulated IO board and NFC reader, with this test as the IoT agent; each report is
// raised by its real source and parsed back (customer 2; bins 0-2 hold product 21,
// bin 3 product 22). The tables are in tests/data/iot/tst_iotreportsbus.json.
#include "bininfo.h"
#include "holdingcoordinator.h"
#include "iottables.h"
#include "masteriomanager.h"
#include "nfcmanager.h"
#include "rootonbus.h"
#include "translator.h"
#include "tulerrorcontrollert.h"
#include "zonemanager.h"

#include <QDBusMessage>

namespace {
constexpr quint64 PanOf21 = (quint64(21) << 40) | 0x0A01;
constexpr quint64 PanOf22 = (quint64(22) << 40) | 0x0B02;
} // namespace

class TestIotReportsBus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_root.startBus(); }
    void cleanupTestCase() { m_root.stopBus(); }
    void init();
    void cleanup() { m_root.stop(); }
    IOT_TABLE_TEST(powerOnOncePerRun)
    IOT_TABLE_TEST(reportsFromTheirSources)
    IOT_TABLE_TEST(performanceData)

private:
    QJsonObject waitFor(const QString &name, int count = 1) { return m_root.agent->waitFor(name, count); }
    // Everything sent before this call has reached the agent.
    void drain();

    RootOnBus m_root;
};

void TestIotReportsBus::init()
{
    m_root.prepare();
    m_root.start();
    m_root.cm->configManager()->set_storeNumber(QStringLiteral("1234"));
}

void TestIotReportsBus::drain()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    // A marker behind everything the link has queued.
    QDBusConnection::systemBus().send(
        QDBusMessage::createSignal(IotLink::ObjectPath, IotLink::InterfaceName, QStringLiteral("lumoEvent"))
        << QStringLiteral(R"({"event":"marker"})"));
    QVERIFY(!waitFor(QStringLiteral("marker"), m_root.agent->count(QStringLiteral("marker")) + 1).isEmpty());
}

void TestIotReportsBus::powerOnOncePerRun()
{
    QFETCH(const QJsonObject, row);
    const bool restart = row["restart"].toBool();
    const QJsonObject report = waitFor(QStringLiteral("powerOn"));
    // The default maker message set; customer 2 names in three languages.
    QCOMPARE(report.value(QStringLiteral("serialNumber")).toString(), QStringLiteral("SN-0001"));
    QCOMPARE(report.value(QStringLiteral("cabinetUuid")).toString(), QStringLiteral("uuid-1"));
    QCOMPARE(report.value(QStringLiteral("passcode")).toString(), m_root.cm->configManager()->get_passwdL1());
    const QJsonArray layout = report.value(QStringLiteral("layout")).toArray();
    QCOMPARE(layout.size(), 1);
    QCOMPARE(layout.at(0)["productLocations"].toArray().size(), 10);
    QCOMPARE(layout.at(0)["daypartName"].toObject().keys(), (QStringList{"eng_USA", "fra", "spa"}));
    QCOMPARE(report.value(QStringLiteral("products")).toArray().size(), 2);
    QCOMPARE(report.value(QStringLiteral("productGroups")).toArray().size(), 2);
    QVERIFY(!waitFor(QStringLiteral("ecoModeSettings")).isEmpty());
    // The start also reported the cabinet's preheat and each bin's end of it.
    const QJsonObject preheat = waitFor(QStringLiteral("preheatStart"));
    QCOMPARE(preheat.value(QStringLiteral("dayPart")).toString(), QStringLiteral("Lunch"));
    QCOMPARE(preheat.value(QStringLiteral("cabinetUuid")).toString(), QStringLiteral("uuid-1"));
    const QJsonObject ready = waitFor(QStringLiteral("preheatComplete"));
    const int bin = ready.value(QStringLiteral("bin")).toInt();
    QVERIFY2(bin >= 1 && bin <= 10, qPrintable(QString::number(bin)));
    QCOMPARE(ready.keys(), (QStringList{"bin", "cabinetUuid", "event", "location", "modelNumber", "serialNumber",
                                        "timestamp"}));
    if (restart) {
        m_root.start();
        QVERIFY(!waitFor(QStringLiteral("powerOn"), 2).isEmpty());
    } else {
        emit m_root.cm->powerOn();
        emit m_root.cm->powerOn();
    }
    drain();
    QCOMPARE(m_root.agent->count(QStringLiteral("powerOn")), restart ? 2 : 1);
    QCOMPARE(m_root.agent->count(QStringLiteral("ecoModeSettings")), restart ? 2 : 1);
}

// "expected": every member; "*" marks the time stamp and values checked below; "id": with
// the identity members and the time stamp.
void TestIotReportsBus::reportsFromTheirSources()
{
    QFETCH(const QJsonObject, row);
    const QString action = row["action"].toString(), event = row["event"].toString();
    const bool customer = row["customer"].toBool();
    ConfigurationManager *config = m_root.cm->configManager();
    m_root.useSchema(customer);
    drain();
    m_root.agent->clear();
    const QString storedPasscode = config->get_passwdL1();
    int count = 1;
    if (action.startsWith(QLatin1String("mismatch"))) {
        m_root.place(0, PanOf22);
        if (action == QLatin1String("mismatchClear")) {
            QVERIFY(!waitFor(customer ? QStringLiteral("alarm") : QStringLiteral("binMisMatchAlert")).isEmpty());
            m_root.place(0, 0);
        }
    } else if (action == "tag") m_root.place(0, PanOf21);
    else if (action == "error") m_root.cm->errorService()->errorCodesDataProcess(2, 1, 3, 0);
    else if (action == "store") config->set_storeNumber(QStringLiteral("77"));
    else if (action == "language") m_root.cm->translator()->setLanguage(2);
    else if (action == "passcode") QVERIFY(config->changeManagerPasscode(QStringLiteral("1357")));
    else if (action == "entered") emit config->passcodeEntered(QStringLiteral("UtilitiesPanel"), 2, true);
    else if (action == "exit") emit config->programModeExited(QStringLiteral("UtilitiesPanel"), 2);
    else if (action == "daypart") {
        m_root.cm->holding()->getZonePtr(1)->set_nextDayPart(1);
        count = 2; // one per bin of the zone
    }
    const QJsonObject got = waitFor(event, count);
    QVERIFY2(!got.isEmpty(), qPrintable(event));
    QJsonObject want = row["expected"].toObject();
    const QJsonObject id{{"location", "1234"}, {"modelNumber", "MODEL-A"}, {"serialNumber", "SN-0001"}, {"timestamp", "*"}};
    for (auto it = id.begin(); it != id.end() && row["id"].toBool(); ++it)
        want.insert(it.key(), *it);
    QJsonObject compared = got;
    const qint64 stamp = got.value(QStringLiteral("timestamp")).toString().toLongLong();
    QVERIFY(qAbs(stamp - QDateTime::currentSecsSinceEpoch()) <= 2);
    for (auto it = want.begin(); it != want.end(); ++it)
        if (it.value() == QLatin1String("*") && compared.contains(it.key()))
            compared.insert(it.key(), QStringLiteral("*"));
    if (action == QLatin1String("daypart")) // the zone's second bin came last
        QCOMPARE(got.value(customer ? QStringLiteral("zoneNumber") : QStringLiteral("daypart")).toVariant(),
                 customer ? QVariant(4) : QVariant(QVariantMap{{"zone", 4}, {"new", ""}, {"prev", "Lunch"}}));
    if (action == QLatin1String("passcode") && customer)
        QCOMPARE(got.value(QStringLiteral("settingValuePrev")).toString(), storedPasscode);
    if (action == QLatin1String("error") && customer) // the set point of the bin's record
        QCOMPARE(got.value(QStringLiteral("temperatureSetpoint")).toString(),
                 QString::number(m_root.cm->holding()->ioManager()->get_binInfoList().at(3)->get_targetTemp()));
    if (compared.contains(QStringLiteral("eventId"))) {
        QVERIFY(got.value(QStringLiteral("eventId")).toString().endsWith(QStringLiteral(":SN-0001:0")));
        compared.insert(QStringLiteral("eventId"), QStringLiteral("*"));
    }
    if (compared.contains(QStringLiteral("error"))) {
        QJsonObject error = compared.value(QStringLiteral("error")).toObject();
        error.insert(QStringLiteral("errorDesc"), QStringLiteral("*"));
        compared.insert(QStringLiteral("error"), error);
    }
    if (event == QLatin1String("holdingList")) {
        // The new pan, holding in bin 0 (0-based).
        const QJsonArray items = got.value(QStringLiteral("holdInfo")).toArray();
        QCOMPARE(items.size(), 1);
        QJsonObject item = items.at(0).toObject();
        QVERIFY(item.take(QStringLiteral("activationTS")).toDouble() > 0);
        QVERIFY(item.take(QStringLiteral("crc32")).toDouble() > 0);
        QJsonObject batch = item.take(QStringLiteral("batch")).toObject();
        QVERIFY(batch.take(QStringLiteral("expiration")).toDouble() > stamp);
        batch.remove(QStringLiteral("id")); // named by the hold start, which may come later
        batch.remove(QStringLiteral("start"));
        QCOMPARE(batch, (QJsonObject{{"active", true}}));
        item.remove(QStringLiteral("inCabinet"));
        QCOMPARE(item, (QJsonObject{{"bin", 0}, {"panId", QString::number(PanOf21, 16)}, {"status", 0}}));
    }
    QCOMPARE(compared, want);
}

void TestIotReportsBus::performanceData()
{
    QFETCH(const QJsonObject, row);
    const bool customer = row["customer"].toBool();
    m_root.useSchema(customer);
    m_root.cm->configManager()->set_performanceDataInterval(1);
    const QJsonObject interval = waitFor(QStringLiteral("performanceDataInterval"));
    QCOMPARE(interval.value(QStringLiteral("performanceDataInterval")).toString(), QStringLiteral("1"));
    const int before = m_root.agent->count(QStringLiteral("performanceData"));
    QElapsedTimer clock;
    clock.start();
    const QJsonObject report = waitFor(QStringLiteral("performanceData"), before + 3);
    QVERIFY(!report.isEmpty());
    QVERIFY2(clock.elapsed() >= 1500 && clock.elapsed() < 6000, qPrintable(QString::number(clock.elapsed())));
    // One entry per bin of the cabinet.
    for (const QString &array : customer ? QStringList{"zone"} : QStringList{"heater", "timer"})
        QCOMPARE(report.value(array).toArray().size(), 10);
    const QJsonObject bin3 = report.value(customer ? "zone" : "heater").toArray().at(2).toObject();
    // Zone 1's lower heater is probe 2 at 162 degrees.
    QCOMPARE(bin3.value(customer ? "temperatureMeasured" : "temperatureLower").toInt(), 162);

    // The agent stops it.
    QDBusMessage stop = QDBusMessage::createMethodCall(IotLink::ServiceName, IotLink::ObjectPath, IotLink::InterfaceName,
                                                       QStringLiteral("performanceDataModeEnable"));
    stop << 0;
    QCOMPARE(m_root.agent->bus.call(stop, QDBus::BlockWithGui, 5000).type(), QDBusMessage::ReplyMessage);
    drain();
    const int stopped = m_root.agent->count(QStringLiteral("performanceData"));
    QTest::qWait(2500);
    QCOMPARE(m_root.agent->count(QStringLiteral("performanceData")), stopped);
}

QTEST_MAIN(TestIotReportsBus)
#include "tst_iotreportsbus.moc"
