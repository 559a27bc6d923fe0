// Cloud events end to end: the root on a private system bus against the simulated IO
// board and NFC reader, with this test as the IoT agent. The cabinet is the 5 x 2
// single-display NFC cabinet of the holding test (bins 0-2 hold product 21 "Patty",
// 90 s); its holding clock runs fifty times fast. Every event is parsed back and
// compared key by key.
#include "alarmtimings.h"
#include "cabinetmanager.h"
#include "configurationmanager.h"
#include "holdingcoordinator.h"
#include "ioboardsimulator.h"
#include "iotlink.h"
#include "mastersync.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "personalitytypes.h"
#include "privatebus.h"
#include "holdingroot.h"
#include "scratchroots.h"
#include "simulatedpans.h"
#include "translator.h"
#include "traybarsc.h"

#include <QDBusMessage>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

constexpr int Standard = 6;
constexpr quint64 Pan = (quint64(21) << 40) | 0x0A01;
const QString PanText = QString::number(Pan, 16);

} // namespace

class EventRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QJsonObject> events;
    QStringList names() const
    {
        QStringList n;
        for (const QJsonObject &e : events)
            n << e.value(QStringLiteral("event")).toString();
        return n;
    }
public slots:
    void record(const QString &text) { events << QJsonDocument::fromJson(text.toUtf8()).object(); }
};

class TestIotEvents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void holdingReachesTheAgent_data();
    void holdingReachesTheAgent();
    void cloudRestart_data();
    void cloudRestart();
    void startReportsInOrder_data();
    void startReportsInOrder();

private:
    void place(int bin, quint64 uid);
    void lift(int bin);
    // The last event of that name, once it has arrived; empty after 10 s.
    QJsonObject waitFor(const QString &name, int count = 1);

    PrivateBus *m_bus = nullptr;
    QDBusConnection m_agent{QString()};
    QScopedPointer<ScratchRoots> m_scratch;
    QScopedPointer<CabinetManager> m_cm;
    EventRecorder *m_heard = nullptr;
    QString m_cwd;
};

void TestIotEvents::initTestCase()
{
    AlarmTimings::setScale(0.02);
    m_bus = new PrivateBus;
    QVERIFY(m_bus->isRunning());
    // Before anything asks for the system bus.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus->address().toUtf8());
    m_agent = m_bus->connect(QStringLiteral("agent"));
    m_heard = new EventRecorder;
    QVERIFY(m_agent.connect(QString(), IotLink::ObjectPath, IotLink::InterfaceName, QStringLiteral("lumoEvent"),
                            m_heard, SLOT(record(QString))));
}

void TestIotEvents::cleanupTestCase()
{
    delete m_heard;
    delete m_bus;
}

void TestIotEvents::init()
{
    m_cwd = QDir::currentPath();
    m_scratch.reset(new ScratchRoots);
    QVERIFY(installHoldingRoot(*m_scratch));
    m_cm.reset(new CabinetManager(0, 7));
    for (int heater = 0; heater < 10; ++heater)
        m_cm->ioSimulator()->setTemperature(heater, 160);
    m_cm->ioSimulator()->setAmbientTemperature(80);
    QTRY_VERIFY_WITH_TIMEOUT(m_cm->masterSync()->get_synced(), 10000);
    QTRY_COMPARE(m_cm->get_trayState(1), 4);
    ConfigurationManager *config = m_cm->configManager();
    config->set_serialNumber(QStringLiteral("SN-0001"));
    config->set_modelNumber(QStringLiteral("MODEL-A"));
    config->set_storeNumber(QStringLiteral("1234"));
    m_heard->events.clear();
}

void TestIotEvents::cleanup()
{
    AlarmTimings::setScale(0.02);
    m_cm.reset();
    QDir::setCurrent(m_cwd);
    m_scratch.reset();
}

void TestIotEvents::place(int bin, quint64 uid)
{
    placeSimulatedPan(m_cm.data(), bin, uid);
}

void TestIotEvents::lift(int bin)
{
    place(bin, 0);
}

QJsonObject TestIotEvents::waitFor(const QString &name, int count)
{
    if (!QTest::qWaitFor([&] { return m_heard->names().count(name) >= count; }, 10000))
        return {};
    for (int i = m_heard->events.size() - 1; i >= 0; --i)
        if (m_heard->events.at(i).value(QStringLiteral("event")).toString() == name)
            return m_heard->events.at(i);
    return {};
}

void TestIotEvents::holdingReachesTheAgent_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("customer");
    QTest::addColumn<QString>("event");
    // Every key of the event; "*" is checked below (times, batch ids, seconds left).
    QTest::addColumn<QByteArray>("expected");

    const QByteArray identity = R"("location":"1234","modelNumber":"MODEL-A","serialNumber":"SN-0001",)";
    QTest::newRow("tap start") << "tap" << true << "holdStart" << QByteArray(R"({"batchActive":true,"event":"holdStart",
        "eventUuid":"null","holdSecondsRemaining":90,"inCabinet":false,)" + identity + R"("panId":"0","productId":21,
        "productName":"Patty","state":"holding","timestamp":"*","zoneNumber":2})");
    QTest::newRow("tag start") << "tag" << true << "holdStart" << QByteArray(R"({"batchActive":true,"event":"holdStart",
        "eventUuid":"*","holdSecondsRemaining":90,"inCabinet":"*",)" + identity + R"("panId":")" + PanText.toLatin1()
        + R"(","productId":21,"productName":"Patty","state":"holding","timestamp":"*","zoneNumber":1})");
    QTest::newRow("tag start, maker cloud") << "tag" << false << "holdStart" << QByteArray(R"({"event":"holdStart",
        "timestamp":"*","panId":")" + PanText.toLatin1() + R"(","productId":21,"productName":"Patty",
        "cabinet":{"serialNumber":"SN-0001","bin":1,"inCabinet":"*"},"batch":{"id":"*","expiration":"*","active":true}})");
    QTest::newRow("expiry") << "expire" << true << "holdExpired" << QByteArray(R"({"batchActive":true,
        "event":"holdExpired","eventUuid":"null","holdSecondsRemaining":0,"inCabinet":false,)" + identity
        + R"("panId":"0","productId":21,"productName":"Patty","state":"overHolding","timestamp":"*","zoneNumber":2})");
    QTest::newRow("stop") << "stop" << true << "holdStop" << QByteArray(R"({"batchActive":false,"event":"holdStop",
        "eventUuid":"null","holdSecondsRemaining":"*","inCabinet":false,)" + identity + R"("panId":"0","productId":21,
        "productName":"Patty","state":"ready","timestamp":"*","zoneNumber":2})");
    QTest::newRow("removal") << "remove" << true << "panRemoved" << QByteArray(R"({"batchActive":true,
        "event":"panRemoved","eventUuid":"*","holdSecondsRemaining":"*","inCabinet":"*",)" + identity + R"("panId":")"
        + PanText.toLatin1() + R"(","productId":21,"productName":"Patty","timestamp":"*","zoneNumber":1})");
    QTest::newRow("return") << "return" << true << "panReturned" << QByteArray(R"({"batchActive":true,
        "event":"panReturned","eventUuid":"*","holdSecondsRemaining":"*","inCabinet":"*",)" + identity + R"("panId":")"
        + PanText.toLatin1() + R"(","productId":21,"productName":"Patty","timestamp":"*","zoneNumber":1})");
    QTest::newRow("transfer") << "transfer" << true << "panTransfer" << QByteArray(R"({"batchActive":true,
        "event":"panTransfer","eventUuid":"*","holdSecondsRemaining":"*","inCabinet":"*",)" + identity + R"("panId":")"
        + PanText.toLatin1() + R"(","productId":21,"productName":"Patty","state":"holding","timestamp":"*",
        "zoneNumber":3})");
}

void TestIotEvents::holdingReachesTheAgent()
{
    QFETCH(QString, action);
    QFETCH(bool, customer);
    QFETCH(QString, event);
    QFETCH(QByteArray, expected);
    m_cm->configManager()->set_iotType(customer ? QStringLiteral("QRB_LUMO") : QStringLiteral("QRB_VAZARA"));
    HoldingCoordinator *holding = m_cm->holding();
    if (action == QLatin1String("tap") || action == QLatin1String("expire")) {
        holding->toggleBin(1);
    } else if (action == QLatin1String("stop")) {
        holding->toggleBin(1);
        waitFor(QStringLiteral("holdStart"));
        holding->toggleBin(1);
    } else {
        place(0, Pan);
        waitFor(QStringLiteral("holdStart"));
        if (action != QLatin1String("tag")) {
            lift(0);
            waitFor(QStringLiteral("panRemoved"));
        }
        if (action == QLatin1String("return"))
            place(0, Pan);
        else if (action == QLatin1String("transfer"))
            place(2, Pan);
    }
    QJsonObject got = waitFor(event);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QJsonObject want = QJsonDocument::fromJson(expected).object();
    QVERIFY(!want.isEmpty());
    const qint64 stamp = got.value(QStringLiteral("timestamp")).toString().toLongLong();
    QVERIFY2(qAbs(stamp - now) <= 2, qPrintable(got.value(QStringLiteral("timestamp")).toString()));

    // The batch id is the pan and the start; the expiry is a time to come.
    const NfcTagItem2 *entry = holding->nfcManager()->viewTagInfo2(Pan);
    const QString batch = entry ? entry->getBatchId() : QString();
    if (entry)
        QVERIFY2(QRegularExpression(QStringLiteral("^%1[-:]\\d{10}$").arg(PanText)).match(batch).hasMatch(),
                 qPrintable(batch));
    const auto fill = [&](QJsonObject object, const QJsonObject &pattern) {
        for (auto it = pattern.begin(); it != pattern.end(); ++it) {
            if (it.value() != QLatin1String("*") || !object.contains(it.key()))
                continue;
            const QJsonValue value = object.value(it.key());
            const QString key = it.key();
            if (key == QLatin1String("timestamp") || key == QLatin1String("holdSecondsRemaining"))
                object.insert(key, QStringLiteral("*"));
            else if ((key == QLatin1String("eventUuid") || key == QLatin1String("id")) && value == batch)
                object.insert(key, QStringLiteral("*"));
            else if (key == QLatin1String("inCabinet") && entry && value == entry->getSeenInCabinet())
                object.insert(key, QStringLiteral("*"));
            else if (key == QLatin1String("expiration") && value.toDouble() > now)
                object.insert(key, QStringLiteral("*"));
        }
        return object;
    };
    got = fill(got, want);
    for (const char *inner : {"cabinet", "batch"})
        if (got.contains(QLatin1String(inner)))
            got.insert(QLatin1String(inner), fill(got.value(QLatin1String(inner)).toObject(),
                                                  want.value(QLatin1String(inner)).toObject()));
    QCOMPARE(QJsonDocument(got).toJson(QJsonDocument::Compact), QJsonDocument(want).toJson(QJsonDocument::Compact));
}

void TestIotEvents::cloudRestart_data()
{
    QTest::addColumn<bool>("stillInBin");
    QTest::newRow("pan in its bin") << true;
    QTest::newRow("pan no longer in its bin") << false;
}

void TestIotEvents::cloudRestart()
{
    QFETCH(bool, stillInBin);
    m_cm->configManager()->set_iotType(QStringLiteral("QRB_LUMO"));
    NFCmanager *nfc = m_cm->holding()->nfcManager();
    place(0, Pan);
    const QString firstBatch = waitFor(QStringLiteral("holdStart")).value(QStringLiteral("eventUuid")).toString();
    NfcTagItem2 *entry = nfc->viewTagInfo2(Pan);
    QVERIFY(entry);
    // What the cloud's restart of the cycle does before the stop event reaches the link.
    if (stillInBin)
        m_cm->stopBinTimer(0);
    else
        nfc->deregisterTag2(Pan);
    entry->setRestartRequested(true);
    QTest::qWait(1100); // a new cycle is named by a later second
    emit m_cm->event_holdStopped(QString::number(QDateTime::currentSecsSinceEpoch()), QStringLiteral("Patty"),
                                 PanText, 0, QStringLiteral("auto"), 0);
    waitFor(QStringLiteral("holdStop"));
    if (!stillInBin) {
        // A new start would have left before this marker.
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        QDBusConnection::systemBus().send(
            QDBusMessage::createSignal(IotLink::ObjectPath, IotLink::InterfaceName, QStringLiteral("lumoEvent"))
            << QStringLiteral(R"({"event":"marker"})"));
        waitFor(QStringLiteral("marker"));
        QCOMPARE(m_heard->names().count(QStringLiteral("holdStart")), 1);
        QVERIFY(!entry->getRestartRequested());
        return;
    }
    const QJsonObject restarted = waitFor(QStringLiteral("holdStart"), 2);
    QVERIFY(m_heard->names().lastIndexOf(QStringLiteral("holdStart"))
            > m_heard->names().indexOf(QStringLiteral("holdStop")));
    QVERIFY(restarted.value(QStringLiteral("eventUuid")).toString() != firstBatch);
    QTRY_COMPARE(m_cm->get_trayState(0), Standard);
    QCOMPARE(int(entry->getHoldStatus()), 0);
    QVERIFY(!entry->getRestartRequested());
    // The new cycle survives a power cut.
    NFCmanager restored;
    QVERIFY(restored.restoreNFC2());
    QVERIFY(restored.viewTagInfo2(Pan));
    QCOMPARE(restored.viewTagInfo2(Pan)->getBatchId(), restarted.value(QStringLiteral("eventUuid")).toString());
}

// Everything a start sends, in order, up to a marker sent once the start has settled: the
// language the settings hold is installed before the cloud link listens, so no start
// reports a language change.
void TestIotEvents::startReportsInOrder_data()
{
    QTest::addColumn<QByteArray>("settings"); // config.txt before the start
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("switchReport"); // what a later switch to French sends
    QTest::addColumn<QString>("binName");      // product 21 on bin 1, in the stored language
    const QStringList customer{"iotSettings", "powerOn", "ecoModeSettings"};
    QTest::newRow("English, customer cloud") << QByteArray("languageId=eng_USA\niotType=QRB_LUMO\n") << customer
                                             << "settingChange" << "Patty";
    QTest::newRow("Spanish, customer cloud") << QByteArray("languageId=spa\niotType=QRB_LUMO\n") << customer
                                             << "settingChange" << "Carne";
    QTest::newRow("Spanish, maker cloud") << QByteArray("languageId=spa\niotType=QRB_VAZARA\n")
                                          << QStringList{"iotSettings", "powerOn", "firmwareUpdated", "ecoModeSettings"}
                                          << "languageChange" << "Carne";
}

void TestIotEvents::startReportsInOrder()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, events);
    QFETCH(QString, switchReport);
    QFETCH(QString, binName);
    const auto mark = [this](const QString &name) {
        QDBusConnection::systemBus().send(
            QDBusMessage::createSignal(IotLink::ObjectPath, IotLink::InterfaceName, QStringLiteral("lumoEvent"))
            << QStringLiteral(R"({"event":"%1"})").arg(name));
        return !waitFor(name).isEmpty();
    };
    m_cm.reset();
    QVERIFY(mark(QStringLiteral("stopped"))); // whatever the last cabinet sent has arrived
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("config.txt"), settings));
    m_heard->events.clear();
    m_cm.reset(new CabinetManager(0, 7));
    QTRY_VERIFY_WITH_TIMEOUT(m_cm->masterSync()->get_synced(), 10000);
    QVERIFY(!waitFor(QStringLiteral("powerOn")).isEmpty());
    QTest::qWait(500);
    QVERIFY(mark(QStringLiteral("started")));
    QStringList got = m_heard->names();
    got.removeLast();
    // The slots' preheat events follow the simulated heaters' pace, not the start's order.
    got.removeAll(QStringLiteral("preheatStart"));
    got.removeAll(QStringLiteral("preheatComplete"));
    QCOMPARE(got, events);
    // The slots name their products in the stored language all the same.
    QCOMPARE(m_cm->holding()->trays().at(1)->get_productName(), binName);

    // A later switch is reported.
    m_heard->events.clear();
    m_cm->translator()->setLanguage(2);
    QVERIFY(!waitFor(switchReport).isEmpty());
    QVERIFY(mark(QStringLiteral("switched")));
    QCOMPARE(m_heard->names(), (QStringList{switchReport, QStringLiteral("switched")}));
}

QTEST_MAIN(TestIotEvents)
#include "tst_iotevents.moc"
