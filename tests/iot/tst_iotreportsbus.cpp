// The cloud link's reports end to end: the root on a private system bus against the
// simulated IO board and NFC reader, with this test as the IoT agent; each report is
// raised by its real source and parsed back. The cabinet is the 5 x 2 single-display
// NFC cabinet of the holding test (customer 2; bins 0-2 hold product 21 "Patty", bin 3
// product 22 "Sausage").
#include "alarmtimings.h"
#include "cabinetmanager.h"
#include "configurationmanager.h"
#include "holdingcoordinator.h"
#include "ioboardsimulator.h"
#include "iotlink.h"
#include "mastersync.h"
#include "nfcmanager.h"
#include "personalitytypes.h"
#include "privatebus.h"
#include "scratchroots.h"
#include "translator.h"
#include "tulerrorcontrollert.h"
#include "zonemanager.h"

#include <QDBusMessage>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QtTest>

namespace {

constexpr quint64 PanOf21 = (quint64(21) << 40) | 0x0A01;
constexpr quint64 PanOf22 = (quint64(22) << 40) | 0x0B02;
const QString PanText = QString::number(PanOf22, 16);

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class Agent : public QObject
{
    Q_OBJECT
public:
    QList<QJsonObject> events;
    int count(const QString &name) const
    {
        int n = 0;
        for (const QJsonObject &e : events)
            n += e.value(QStringLiteral("event")).toString() == name;
        return n;
    }
public slots:
    void record(const QString &text) { events << QJsonDocument::fromJson(text.toUtf8()).object(); }
};

class TestIotReportsBus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void powerOnOncePerRun_data();
    void powerOnOncePerRun();
    void reportsFromTheirSources_data();
    void reportsFromTheirSources();
    void performanceData_data();
    void performanceData();

private:
    void start();
    void place(int bin, quint64 uid);
    // The last event of that name once `count` have come; empty after 10 s.
    QJsonObject waitFor(const QString &name, int count = 1);
    // Everything sent before this call has reached the agent.
    void drain();

    PrivateBus *m_bus = nullptr;
    QDBusConnection m_agentBus{QString()};
    Agent *m_agent = nullptr;
    QScopedPointer<ScratchRoots> m_scratch;
    QScopedPointer<CabinetManager> m_cm;
    QString m_cwd;
};

void TestIotReportsBus::initTestCase()
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

void TestIotReportsBus::cleanupTestCase()
{
    delete m_agent;
    delete m_bus;
}

void TestIotReportsBus::init()
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
    start();
}

void TestIotReportsBus::start()
{
    m_cm.reset(new CabinetManager(0, 7));
    m_cm->ioSimulator()->set_heatingStep(0); // each heater keeps its own reading
    for (int heater = 0; heater < 10; ++heater)
        m_cm->ioSimulator()->setTemperature(heater, 160 + heater);
    m_cm->ioSimulator()->setAmbientTemperature(80);
    QTRY_VERIFY_WITH_TIMEOUT(m_cm->masterSync()->get_synced(), 10000);
    QTRY_COMPARE(m_cm->get_trayState(1), 4);
    m_cm->configManager()->set_storeNumber(QStringLiteral("1234"));
}

void TestIotReportsBus::cleanup()
{
    m_cm.reset();
    QDir::setCurrent(m_cwd);
    m_scratch.reset();
}

void TestIotReportsBus::place(int bin, quint64 uid)
{
    const NfcPollingInfo *polling = m_cm->get_nfcPollingInfo();
    for (int a = 0; a < NfcPollingInfo::AddressCount; ++a)
        for (int p = 0; p < NfcPollingInfo::PollOrderCount; ++p)
            for (int s = 0; s < polling->group[a][p].count; ++s)
                if (polling->group[a][p].entries[s].binIndex == bin) {
                    const auto &group = polling->group[a][p];
                    if (uid)
                        QVERIFY(m_cm->ioSimulator()->placeTag(quint8(group.address), group.entries[s].channel, uid));
                    else
                        QVERIFY(m_cm->ioSimulator()->removeTag(quint8(group.address), group.entries[s].channel));
                    return;
                }
    QFAIL("bin without a reader channel");
}

QJsonObject TestIotReportsBus::waitFor(const QString &name, int count)
{
    if (!QTest::qWaitFor([&] { return m_agent->count(name) >= count; }, 10000))
        return {};
    for (int i = m_agent->events.size() - 1; i >= 0; --i)
        if (m_agent->events.at(i).value(QStringLiteral("event")).toString() == name)
            return m_agent->events.at(i);
    return {};
}

void TestIotReportsBus::drain()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    // A marker behind everything the link has queued.
    QDBusConnection::systemBus().send(
        QDBusMessage::createSignal(IotLink::ObjectPath, IotLink::InterfaceName, QStringLiteral("lumoEvent"))
        << QStringLiteral(R"({"event":"marker"})"));
    QVERIFY(!waitFor(QStringLiteral("marker"), m_agent->count(QStringLiteral("marker")) + 1).isEmpty());
}

void TestIotReportsBus::powerOnOncePerRun_data()
{
    QTest::addColumn<bool>("restart");
    QTest::newRow("powerOn again in the same run") << false;
    QTest::newRow("a new run") << true;
}

void TestIotReportsBus::powerOnOncePerRun()
{
    QFETCH(bool, restart);
    const QJsonObject report = waitFor(QStringLiteral("powerOn"));
    QVERIFY(!report.isEmpty());
    // The default maker message set; customer 2 names in three languages.
    QCOMPARE(report.value(QStringLiteral("serialNumber")).toString(), QStringLiteral("SN-0001"));
    QCOMPARE(report.value(QStringLiteral("cabinetUuid")).toString(), QStringLiteral("uuid-1"));
    QCOMPARE(report.value(QStringLiteral("passcode")).toString(), m_cm->configManager()->get_passwdL1());
    const QJsonArray layout = report.value(QStringLiteral("layout")).toArray();
    QCOMPARE(layout.size(), 1);
    QCOMPARE(layout.at(0).toObject().value(QStringLiteral("productLocations")).toArray().size(), 10);
    QCOMPARE(layout.at(0).toObject().value(QStringLiteral("daypartName")).toObject().keys(),
             (QStringList{"eng_USA", "fra", "spa"}));
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
        m_cm.reset();
        start();
        QVERIFY(!waitFor(QStringLiteral("powerOn"), 2).isEmpty());
    } else {
        emit m_cm->powerOn();
        emit m_cm->powerOn();
    }
    drain();
    QCOMPARE(m_agent->count(QStringLiteral("powerOn")), restart ? 2 : 1);
    QCOMPARE(m_agent->count(QStringLiteral("ecoModeSettings")), restart ? 2 : 1);
}

void TestIotReportsBus::reportsFromTheirSources_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("customer");
    QTest::addColumn<QString>("event");
    // Every key; "*" marks the time stamp and values checked below.
    QTest::addColumn<QByteArray>("expected");

    const QByteArray id = R"("location":"1234","modelNumber":"MODEL-A","serialNumber":"SN-0001","timestamp":"*",)";
    const QByteArray alarm = R"("zoneNumber":1,"daypart":"Lunch","alarmCode":"A1","alarmDesc":"binMismatchAlert",
        "alarmValue":"1","zoneProductName":"Patty","zoneProductId":21,"panId":")" + PanText.toLatin1()
        + R"(","productId":22,"productName":"Sausage"})";
    QTest::newRow("mismatch") << "mismatch" << true << "alarm"
        << QByteArray(R"({"event":"alarm","state":"alarm",)" + id + alarm);
    QTest::newRow("mismatch ends") << "mismatchClear" << true << "alarmCleared"
        << QByteArray(R"({"event":"alarmCleared","state":"ready",)" + id + alarm);
    QTest::newRow("mismatch, maker") << "mismatch" << false << "binMisMatchAlert" << QByteArray(
        R"({"event":"binMisMatchAlert",)" + id + R"("cabinetUuid":"uuid-1","eventId":"*",
        "timer":{"bin":1,"productName":"Patty","productId":21},
        "pan":{"panId":")" + PanText.toLatin1() + R"(","productName":"Sausage","productId":22}})");
    QTest::newRow("holding list") << "tag" << true << "holdingList" << QByteArray(
        R"({"event":"holdingList",)" + id + R"("holdInfo":"*"})");
    QTest::newRow("holding list, maker") << "tag" << false << "holdingList" << QByteArray(
        R"({"event":"holdingList","timestamp":"*","cabinet":{"serialNumber":"SN-0001","location":"1234",
        "cabinetUuid":"uuid-1"},"holdInfo":"*"})");
    // Probe 3 is zone 1's upper heater: bins 2 and 3, reported at bin 2.
    QTest::newRow("probe open") << "error" << true << "error" << QByteArray(R"({"event":"error",)" + id
        + R"("errorCode":"2.1.3.0","errorDesc":"*","zoneNumber":3,"temperatureMeasured":"163",
        "temperatureSetpoint":"*","errorValue":"163"})");
    QTest::newRow("probe open, maker") << "error" << false << "error" << QByteArray(R"({"event":"error",)" + id
        + R"("cabinetUuid":"uuid-1","firmware":{"firmwareVersion":"RO-2503"},"menu":{"menuVersion":"",
        "menuDescription":""},"error":{"errorCode":"2.1.3.0","errorDesc":"*","errorValue":" "}})");
    QTest::newRow("store number, maker") << "store" << false << "restaurantNumberUpdated" << QByteArray(
        R"({"event":"restaurantNumberUpdated","modelNumber":"MODEL-A","serialNumber":"SN-0001","timestamp":"*",
        "cabinetUuid":"uuid-1","locationNumber":{"new":"77","prev":"1234"}})");
    QTest::newRow("language") << "language" << true << "settingChange" << QByteArray(R"({"event":"settingChange",)"
        + id + R"("setting":"language","zoneNumber":"null","settingValue":"fra","settingValuePrev":"eng_USA"})");
    QTest::newRow("passcode") << "passcode" << true << "settingChange" << QByteArray(R"({"event":"settingChange",)"
        + id + R"("setting":"passcode","zoneNumber":"null","settingValue":"1357","settingValuePrev":"*"})");
    QTest::newRow("passcode, maker") << "passcode" << false << "passcodeChange" << QByteArray(
        R"({"event":"passcodeChange",)" + id + R"("cabinetUuid":"uuid-1","passcode":"1357"})");
    QTest::newRow("unlocked screen") << "entered" << true << "programModeEnter" << QByteArray(
        R"({"event":"programModeEnter",)" + id + R"("programScreen":"UtilitiesPanel","programLevel":2})");
    QTest::newRow("screen left") << "exit" << false << "programModeExit" << QByteArray(
        R"({"event":"programModeExit",)" + id + R"("programScreen":"UtilitiesPanel","programLevel":2})");
    QTest::newRow("day part of zone 1") << "daypart" << true << "settingChange" << QByteArray(
        R"({"event":"settingChange",)" + id + R"("setting":"daypart","zoneNumber":4,"settingValue":"",
        "settingValuePrev":"Lunch"})");
    QTest::newRow("day part, maker") << "daypart" << false << "daypartChange" << QByteArray(
        R"({"event":"daypartChange",)" + id + R"("cabinetUuid":"uuid-1","daypart":{"zone":4,"new":"",
        "prev":"Lunch"}})");
}

void TestIotReportsBus::reportsFromTheirSources()
{
    QFETCH(QString, action);
    QFETCH(bool, customer);
    QFETCH(QString, event);
    QFETCH(QByteArray, expected);
    ConfigurationManager *config = m_cm->configManager();
    config->set_iotType(customer ? QStringLiteral("QRB_LUMO") : QStringLiteral("QRB_VAZARA"));
    drain();
    m_agent->events.clear();
    const QString storedPasscode = config->get_passwdL1();
    int count = 1;
    if (action.startsWith(QLatin1String("mismatch"))) {
        place(0, PanOf22);
        if (action == QLatin1String("mismatchClear")) {
            QVERIFY(!waitFor(customer ? QStringLiteral("alarm") : QStringLiteral("binMisMatchAlert")).isEmpty());
            place(0, 0);
        }
    } else if (action == QLatin1String("tag")) {
        place(0, PanOf21);
    } else if (action == QLatin1String("error")) {
        m_cm->errorService()->errorCodesDataProcess(2, 1, 3, 0);
    } else if (action == QLatin1String("store")) {
        config->set_storeNumber(QStringLiteral("77"));
    } else if (action == QLatin1String("language")) {
        m_cm->translator()->setLanguage(2);
    } else if (action == QLatin1String("passcode")) {
        QVERIFY(config->changeManagerPasscode(QStringLiteral("1357")));
    } else if (action == QLatin1String("entered")) {
        emit config->passcodeEntered(QStringLiteral("UtilitiesPanel"), 2, true);
    } else if (action == QLatin1String("exit")) {
        emit config->programModeExited(QStringLiteral("UtilitiesPanel"), 2);
    } else if (action == QLatin1String("daypart")) {
        m_cm->holding()->getZonePtr(1)->set_nextDayPart(1);
        count = 2; // one per bin of the zone
    }
    const QJsonObject got = waitFor(event, count);
    QVERIFY2(!got.isEmpty(), qPrintable(event));
    QJsonObject want = QJsonDocument::fromJson(expected).object();
    QVERIFY(!want.isEmpty());
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
    if (action == QLatin1String("error") && customer) // the heater's own set point
        QCOMPARE(got.value(QStringLiteral("temperatureSetpoint")).toString(),
                 QString::number(m_cm->holding()->get_zoneTemps().at(1).toMap().value("targetUpper").toInt()));
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
        batch.remove(QStringLiteral("id"));  // named by the hold start, which may come later
        batch.remove(QStringLiteral("start"));
        QCOMPARE(QJsonDocument(batch).toJson(QJsonDocument::Compact), QByteArray(R"({"active":true})"));
        item.remove(QStringLiteral("inCabinet"));
        QCOMPARE(QJsonDocument(item).toJson(QJsonDocument::Compact),
                 QByteArray(R"({"bin":0,"panId":")" + QByteArray::number(PanOf21, 16) + R"(","status":0})"));
    }
    QCOMPARE(QJsonDocument(compared).toJson(QJsonDocument::Compact),
             QJsonDocument(want).toJson(QJsonDocument::Compact));
}

void TestIotReportsBus::performanceData_data()
{
    QTest::addColumn<bool>("customer");
    QTest::newRow("customer") << true;
    QTest::newRow("maker") << false;
}

void TestIotReportsBus::performanceData()
{
    QFETCH(bool, customer);
    ConfigurationManager *config = m_cm->configManager();
    config->set_iotType(customer ? QStringLiteral("QRB_LUMO") : QStringLiteral("QRB_VAZARA"));
    config->set_performanceDataInterval(1);
    const QJsonObject interval = waitFor(QStringLiteral("performanceDataInterval"));
    QCOMPARE(interval.value(QStringLiteral("performanceDataInterval")).toString(), QStringLiteral("1"));
    const int before = m_agent->count(QStringLiteral("performanceData"));
    QElapsedTimer clock;
    clock.start();
    const QJsonObject report = waitFor(QStringLiteral("performanceData"), before + 3);
    QVERIFY(!report.isEmpty());
    QVERIFY2(clock.elapsed() >= 1500 && clock.elapsed() < 6000, qPrintable(QString::number(clock.elapsed())));
    // One entry per bin of the cabinet.
    const QStringList arrays = customer ? QStringList{"zone"} : QStringList{"heater", "timer"};
    for (const QString &array : arrays)
        QCOMPARE(report.value(array).toArray().size(), 10);
    const QJsonObject bin3 = report.value(customer ? QStringLiteral("zone") : QStringLiteral("heater"))
                                 .toArray().at(2).toObject();
    // Zone 1's lower heater is probe 2 at 162 degrees.
    QCOMPARE(bin3.value(customer ? QStringLiteral("temperatureMeasured") : QStringLiteral("temperatureLower"))
                 .toInt(), 162);

    // The agent stops it.
    QDBusMessage stop = QDBusMessage::createMethodCall(IotLink::ServiceName, IotLink::ObjectPath,
                                                       IotLink::InterfaceName, QStringLiteral("performanceDataModeEnable"));
    stop << 0;
    QCOMPARE(m_agentBus.call(stop, QDBus::BlockWithGui, 5000).type(), QDBusMessage::ReplyMessage);
    drain();
    const int stopped = m_agent->count(QStringLiteral("performanceData"));
    QTest::qWait(2500);
    QCOMPARE(m_agent->count(QStringLiteral("performanceData")), stopped);
}

QTEST_MAIN(TestIotReportsBus)
#include "tst_iotreportsbus.moc"
