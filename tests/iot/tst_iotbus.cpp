// The cloud link on a private system bus, with this test as the IoT agent: the name and
// who owns it, every method's answer, the properties and their change signals, the
// agent's signals in, the events out, and the policy file that lets the cabinet own
// its name.
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "fakeholdingview.h"
#include "iotlink.h"
#include "privatebus.h"
#include "tuldbusadapter.h"
#include "tullumo.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QTimer>
#include <QtTest>

namespace {

QStringList g_log;
QtMessageHandler g_previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    g_log << text;
    g_previousHandler(type, context, text);
}

} // namespace

// Signals the agent hears.
class SignalRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QDBusMessage> messages;
public slots:
    void record(const QDBusMessage &message) { messages << message; }
};

class TestIotBus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void onlyTheMasterTalks_data();
    void onlyTheMasterTalks();
    void callsAreAnswered_data();
    void callsAreAnswered();
    void propertiesSignalOncePerChange_data();
    void propertiesSignalOncePerChange();
    void holdStartFormFollowsTheEventType_data();
    void holdStartFormFollowsTheEventType();
    void agentSignalsAreTakenIn_data();
    void agentSignalsAreTakenIn();
    void policyLetsTheCabinetOwnItsName_data();
    void policyLetsTheCabinetOwnItsName();

private:
    void startLink(bool master);
    QDBusMessage call(const QString &method, const QVariantList &args);
    // Everything the cabinet sent before this returns has reached the agent.
    void flushCabinetSignals();

    PrivateBus *m_bus = nullptr;
    QDBusConnection m_cabinet{QString()};
    QDBusConnection m_agent{QString()};
    QObject *m_application = nullptr;
    FakeCabinetCore *m_core = nullptr;
    ConfigurationManager *m_config = nullptr;
    IotLink *m_link = nullptr;
    SignalRecorder *m_heard = nullptr;
};

void TestIotBus::initTestCase()
{
    m_bus = new PrivateBus;
    QVERIFY2(m_bus->isRunning(), "dbus-daemon did not start");
    m_cabinet = m_bus->connect(QStringLiteral("cabinet"));
    m_agent = m_bus->connect(QStringLiteral("agent"));
    QVERIFY(m_cabinet.isConnected());
    QVERIFY(m_agent.isConnected());
    g_previousHandler = qInstallMessageHandler(recordMessage);
}

void TestIotBus::cleanupTestCase()
{
    qInstallMessageHandler(g_previousHandler);
    delete m_bus;
}

void TestIotBus::init()
{
    g_log.clear();
    m_application = new QObject;
    m_core = new FakeCabinetCore;
    m_core->setObjectName(QStringLiteral("cabinetManager"));
    m_config = new ConfigurationManager(nullptr, nullptr, true, 1, m_core);
    m_config->setObjectName(QStringLiteral("configManager"));
    m_config->set_serialNumber(QStringLiteral("SN-0001"));
    m_core->configManagerPtr = m_config;
    m_heard = new SignalRecorder;
    m_agent.connect(QString(), IotLink::ObjectPath, IotLink::InterfaceName, QString(), m_heard,
                    SLOT(record(QDBusMessage)));
    QVERIFY(m_agent.interface()->isServiceRegistered(m_agent.baseService()).value()); // match rule in place
}

void TestIotBus::cleanup()
{
    m_agent.disconnect(QString(), IotLink::ObjectPath, IotLink::InterfaceName, QString(), m_heard,
                       SLOT(record(QDBusMessage)));
    delete m_heard;
    delete m_core; // takes the link, which leaves the bus
    m_link = nullptr;
    delete m_application;
}

void TestIotBus::startLink(bool master)
{
    m_link = new IotLink(m_core, new FakeHoldingView, m_cabinet);
    m_link->create(m_application, master);
    if (master) {
        m_link->connectMaster(120);
        // The link's match rules go to the daemon without waiting for it: a round trip
        // on the same connection makes sure they are in place before the agent speaks.
        QVERIFY(m_cabinet.interface()->isServiceRegistered(IotLink::ServiceName).value());
    }
}

QDBusMessage TestIotBus::call(const QString &method, const QVariantList &args)
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(IotLink::ServiceName, IotLink::ObjectPath, IotLink::InterfaceName, method);
    message.setArguments(args);
    return m_agent.call(message, QDBus::BlockWithGui, 5000);
}

void TestIotBus::flushCabinetSignals()
{
    QCoreApplication::processEvents(); // the queued relay to the bus
    m_cabinet.send(QDBusMessage::createSignal(IotLink::ObjectPath, IotLink::InterfaceName, QStringLiteral("marker")));
    QTRY_VERIFY(std::any_of(m_heard->messages.cbegin(), m_heard->messages.cend(),
                            [](const QDBusMessage &m) { return m.member() == QLatin1String("marker"); }));
}

void TestIotBus::onlyTheMasterTalks_data()
{
    QTest::addColumn<bool>("master");
    QTest::newRow("master display") << true;
    QTest::newRow("other display") << false;
}

void TestIotBus::onlyTheMasterTalks()
{
    QFETCH(bool, master);
    startLink(master);
    // Every display owns the name on its bus; only the master sends and receives.
    QDBusConnectionInterface *busInfo = m_agent.interface();
    QCOMPARE(busInfo->serviceOwner(IotLink::ServiceName).value(), m_cabinet.baseService());
    QCOMPARE(m_link->performanceDataTimer() != nullptr, master);

    QSignalSpy received(m_link->lumo(), &TulLumo::lumoMessageReceived);
    m_link->lumo()->send(QJsonObject{{QStringLiteral("event"), QStringLiteral("holdStart")}});
    m_agent.send(QDBusMessage::createSignal(IotLink::ObjectPath, IotLink::InterfaceName, QStringLiteral("lumoCmd"))
                 << QStringLiteral(R"({"command":"ping"})"));
    flushCabinetSignals();
    QList<QDBusMessage> events;
    for (const QDBusMessage &m : qAsConst(m_heard->messages))
        if (m.member() == QLatin1String("lumoEvent"))
            events << m;
    QCOMPARE(events.size(), master ? 1 : 0);
    if (master) {
        QCOMPARE(events.at(0).path(), IotLink::ObjectPath);
        QCOMPARE(events.at(0).interface(), IotLink::InterfaceName);
        QCOMPARE(events.at(0).arguments().value(0).toString(), QStringLiteral("{\n    \"event\": \"holdStart\"\n}\n"));
        QTRY_COMPARE(received.count(), 1);
    } else {
        // The agent's message has long reached this process; nobody takes it in.
        QCoreApplication::processEvents();
        QCOMPARE(received.count(), 0);
    }
}

void TestIotBus::callsAreAnswered_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("args");
    QTest::addColumn<QString>("error");   // empty: a normal reply
    QTest::addColumn<QVariant>("value");  // the reply's value, if any
    QTest::addColumn<QString>("effect");  // what to check afterwards

    const auto v = [](const QVariant &value) { return QVariant::fromValue(QDBusVariant(value)); };
    const QString unknownObject = QStringLiteral("org.freedesktop.DBus.Error.UnknownObject");
    const QString unknownProperty = QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty");
    const QString denied = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");
    const QString invalid = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
    const QString unknownMethod = QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod");

    QTest::newRow("rollCal") << "rollCal" << QVariantList{} << "" << QVariant(true) << "";
    QTest::newRow("iotCmdCall") << "iotCmdCall" << QVariantList{"hello"} << "" << QVariant("Test Call Reply!") << "";
    QTest::newRow("get a setting") << "getObjectPropertyValue" << QVariantList{"configManager", "serialNumber"}
                                   << "" << QVariant("SN-0001") << "";
    QTest::newRow("get a number") << "getObjectPropertyValue"
                                  << QVariantList{"configManager", "performanceDataInterval"} << "" << QVariant(120)
                                  << "";
    QTest::newRow("get of the owner itself") << "getObjectPropertyValue"
                                             << QVariantList{"cabinetManager", "flashDriveMounted"} << ""
                                             << QVariant(false) << "";
    QTest::newRow("get of an unknown object") << "getObjectPropertyValue" << QVariantList{"nobody", "serialNumber"}
                                              << unknownObject << QVariant() << "";
    QTest::newRow("get with an empty object name") << "getObjectPropertyValue" << QVariantList{"", "objectName"}
                                                   << unknownObject << QVariant() << "";
    QTest::newRow("get of an unknown property") << "getObjectPropertyValue" << QVariantList{"configManager", "nope"}
                                                << unknownProperty << QVariant() << "";
    QTest::newRow("get of a Wi-Fi pass phrase") << "getObjectPropertyValue"
                                                << QVariantList{"configManager", "wifiPassword"} << denied
                                                << QVariant() << "";
    QTest::newRow("get of a passcode") << "getObjectPropertyValue" << QVariantList{"configManager", "passwdL1"}
                                       << denied << QVariant() << "";
    QTest::newRow("get with wrong argument types") << "getObjectPropertyValue" << QVariantList{1, 2}
                                                   << unknownMethod << QVariant() << "";
    QTest::newRow("set a setting") << "setObjectPropertyValue" << QVariantList{"configManager", "storeNumber", v("5678")}
                                   << "" << QVariant() << "storeNumber 5678";
    QTest::newRow("set a number from text") << "setObjectPropertyValue"
                                            << QVariantList{"configManager", "performanceDataInterval", v("60")} << ""
                                            << QVariant() << "interval 60";
    QTest::newRow("set a Wi-Fi pass phrase") << "setObjectPropertyValue"
                                             << QVariantList{"configManager", "wifiPassword", v("hunter2-secret")}
                                             << denied << QVariant() << "no pass phrase";
    QTest::newRow("set a passcode") << "setObjectPropertyValue"
                                    << QVariantList{"configManager", "passwdL2", v("hunter2-secret")} << denied
                                    << QVariant() << "no pass phrase";
    QTest::newRow("set an unknown property") << "setObjectPropertyValue"
                                             << QVariantList{"configManager", "nope", v(1)} << unknownProperty
                                             << QVariant() << "no new property";
    QTest::newRow("set of an unknown object") << "setObjectPropertyValue" << QVariantList{"nobody", "x", v(1)}
                                              << unknownObject << QVariant() << "";
    QTest::newRow("set a read-only property") << "setObjectPropertyValue"
                                              << QVariantList{"cabinetManager", "activelyHolding", v(true)} << denied
                                              << QVariant() << "";
    QTest::newRow("set a number from words") << "setObjectPropertyValue"
                                             << QVariantList{"configManager", "performanceDataInterval", v("many")}
                                             << invalid << QVariant() << "interval 120";
    QTest::newRow("huge text") << "iotCmdCall" << QVariantList{QString(TulDbusAdapter::MaxTextLength + 1, 'x')}
                               << invalid << QVariant() << "";
    QTest::newRow("flash drive mounted") << "flashDriveMounted" << QVariantList{} << "" << QVariant()
                                         << "flash drive";
    QTest::newRow("performance data every 30 s") << "performanceDataModeEnable" << QVariantList{30} << ""
                                                 << QVariant() << "timer 30000";
    QTest::newRow("performance data off") << "performanceDataModeEnable" << QVariantList{0} << "" << QVariant()
                                          << "timer off";
    QTest::newRow("performance data every century") << "performanceDataModeEnable" << QVariantList{INT_MAX} << ""
                                                    << QVariant() << "timer 86400000";
    QTest::newRow("screenshot") << "takeScreenShot" << QVariantList{} << "" << QVariant() << "screenshot";
    QTest::newRow("preheat relay without a bin") << "processZoneEnterPreheatSignal" << QVariantList{}
                                                 << "org.freedesktop.DBus.Error.NotSupported" << QVariant() << "";
    QTest::newRow("unknown method") << "noSuchMethod" << QVariantList{} << unknownMethod << QVariant() << "";
}

void TestIotBus::callsAreAnswered()
{
    QFETCH(QString, method);
    QFETCH(QVariantList, args);
    QFETCH(QString, error);
    QFETCH(QVariant, value);
    QFETCH(QString, effect);
    startLink(true);
    QSignalSpy screenshots(m_link->adapter(), &TulDbusAdapter::screenShotRequested);
    g_log.clear();
    const QDBusMessage reply = call(method, args);
    if (error.isEmpty()) {
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
        if (value.isValid()) {
            QVariant got = reply.arguments().value(0);
            if (got.userType() == qMetaTypeId<QDBusVariant>())
                got = got.value<QDBusVariant>().variant();
            QCOMPARE(got, value);
        }
    } else {
        QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
        QCOMPARE(reply.errorName(), error);
    }
    QTimer *timer = m_link->performanceDataTimer();
    if (effect == QLatin1String("storeNumber 5678"))
        QCOMPARE(m_config->get_storeNumber(), QStringLiteral("5678"));
    else if (effect.startsWith(QLatin1String("interval ")))
        QCOMPARE(m_config->get_performanceDataInterval(), effect.mid(9).toInt());
    else if (effect == QLatin1String("no pass phrase"))
        QVERIFY(m_config->get_wifiPassword() != QLatin1String("hunter2-secret")
                && m_config->get_passwdL2() != QLatin1String("hunter2-secret"));
    else if (effect == QLatin1String("no new property"))
        QVERIFY(m_config->dynamicPropertyNames().isEmpty());
    else if (effect == QLatin1String("flash drive"))
        QVERIFY(m_core->get_flashDriveMounted());
    else if (effect == QLatin1String("timer off"))
        QVERIFY(!timer->isActive());
    else if (effect.startsWith(QLatin1String("timer ")))
        QVERIFY(timer->isActive() && timer->interval() == effect.mid(6).toInt());
    else if (effect == QLatin1String("screenshot"))
        QCOMPARE(screenshots.count(), 1);
    // No value sent or read is ever written to the log.
    for (const QString &line : qAsConst(g_log))
        QVERIFY2(!line.contains(QLatin1String("hunter2")) && !line.contains(QLatin1String("5678"))
                     && !line.contains(QLatin1String("SN-0001")),
                 qPrintable(line));
    // Whatever came before, the program still answers.
    QCOMPARE(call(QStringLiteral("rollCal"), {}).type(), QDBusMessage::ReplyMessage);
}

void TestIotBus::propertiesSignalOncePerChange_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("initial");
    QTest::addColumn<QVariant>("changed");
    QTest::newRow("model") << "model" << QVariant("unknown") << QVariant("4");
    QTest::newRow("retaurantNumber") << "retaurantNumber" << QVariant("") << QVariant("1234");
    QTest::newRow("serialNumber") << "serialNumber" << QVariant("") << QVariant("SN-2");
    QTest::newRow("modelNumber") << "modelNumber" << QVariant("") << QVariant("MODEL-B");
    QTest::newRow("machineID") << "machineID" << QVariant("") << QVariant("m-1");
    QTest::newRow("firmwareVersion") << "firmwareVersion" << QVariant("RO-2503") << QVariant("RO-2600");
    QTest::newRow("menuVersion") << "menuVersion" << QVariant("") << QVariant("7");
    QTest::newRow("iotEventType") << "iotEventType" << QVariant(1) << QVariant(3);
}

void TestIotBus::propertiesSignalOncePerChange()
{
    QFETCH(QString, property);
    QFETCH(QVariant, initial);
    QFETCH(QVariant, changed);
    startLink(true);
    const auto propertyCall = [this, &property](const QString &member, const QVariantList &extra) {
        QDBusMessage m = QDBusMessage::createMethodCall(IotLink::ServiceName, IotLink::ObjectPath,
                                                        QStringLiteral("org.freedesktop.DBus.Properties"), member);
        m.setArguments(QVariantList{IotLink::InterfaceName, property} + extra);
        return m_agent.call(m, QDBus::BlockWithGui, 5000);
    };
    QCOMPARE(propertyCall(QStringLiteral("Get"), {}).arguments().value(0).value<QDBusVariant>().variant(), initial);
    // Set through the bus once, then again with the same value through the accessor.
    QCOMPARE(propertyCall(QStringLiteral("Set"), {QVariant::fromValue(QDBusVariant(changed))}).type(),
             QDBusMessage::ReplyMessage);
    QCOMPARE(call(QStringLiteral("set_") + property, {changed}).type(), QDBusMessage::ReplyMessage);
    QCOMPARE(call(QStringLiteral("get_") + property, {}).arguments().value(0), changed);
    flushCabinetSignals();
    int changes = 0;
    for (const QDBusMessage &m : qAsConst(m_heard->messages)) {
        if (m.member() == property + QLatin1String("Changed")) {
            ++changes;
            QCOMPARE(m.arguments().value(0), changed);
        }
    }
    QCOMPARE(changes, 1);
}

void TestIotBus::holdStartFormFollowsTheEventType_data()
{
    QTest::addColumn<int>("eventType");
    QTest::addColumn<QString>("startSignature");
    QTest::addColumn<QString>("stopSignature");
    QTest::newRow("type 0, no time stamp") << 0 << "ssis" << "ssisi";
    QTest::newRow("type 1, time stamp first") << 1 << "sssis" << "sssisi";
    QTest::newRow("type 2, time stamp first") << 2 << "sssis" << "sssisi";
    QTest::newRow("type 3, no time stamp") << 3 << "ssis" << "ssisi";
}

void TestIotBus::holdStartFormFollowsTheEventType()
{
    QFETCH(int, eventType);
    QFETCH(QString, startSignature);
    QFETCH(QString, stopSignature);
    startLink(true);
    m_link->adapter()->set_iotEventType(eventType);
    QCOMPARE(call(QStringLiteral("handle_event_holdStart"), {"1767225600", "Patty", "ab", 3, "auto"}).type(),
             QDBusMessage::ReplyMessage);
    QCOMPARE(call(QStringLiteral("handle_event_holdStop"), {"1767225600", "Patty", "ab", 3, "auto", 12}).type(),
             QDBusMessage::ReplyMessage);
    flushCabinetSignals();
    QStringList got;
    for (const QDBusMessage &m : qAsConst(m_heard->messages))
        if (m.member().startsWith(QLatin1String("event_hold")))
            got << m.member() + QLatin1Char(' ') + m.signature();
    QCOMPARE(got, (QStringList{QStringLiteral("event_holdStart ") + startSignature,
                               QStringLiteral("event_holdStop ") + stopSignature}));
}

void TestIotBus::agentSignalsAreTakenIn_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QVariantList>("args");
    QTest::addColumn<QString>("outcome"); // "message", "firmware" or the warning
    QTest::newRow("command") << "lumoCmd" << QVariantList{R"({"command":"ping"})"} << "message";
    QTest::newRow("number instead of text") << "lumoCmd" << QVariantList{42} << "one string expected";
    QTest::newRow("two texts") << "lumoCmd" << QVariantList{"{}", "{}"} << "one string expected";
    QTest::newRow("no argument") << "lumoCmd" << QVariantList{} << "one string expected";
    QTest::newRow("not JSON") << "lumoCmd" << QVariantList{"{\"command\""} << "Document Error";
    QTest::newRow("huge text") << "lumoCmd" << QVariantList{QString(TulLumo::MaxInboundBytes + 1, 'x')}
                               << "refused";
    QTest::newRow("firmware update started") << "firmwareUpdateStarted" << QVariantList{} << "firmware";
}

void TestIotBus::agentSignalsAreTakenIn()
{
    QFETCH(QString, member);
    QFETCH(QVariantList, args);
    QFETCH(QString, outcome);
    startLink(true);
    QSignalSpy messages(m_link->lumo(), &TulLumo::lumoMessageReceived);
    QSignalSpy firmware(m_link, &IotLink::firmwareUpdateStarted);
    QDBusMessage signal = QDBusMessage::createSignal(IotLink::ObjectPath, IotLink::InterfaceName, member);
    signal.setArguments(args);
    QVERIFY(m_agent.send(signal));
    if (outcome == QLatin1String("message")) {
        QTRY_COMPARE(messages.count(), 1);
    } else if (outcome == QLatin1String("firmware")) {
        QTRY_COMPARE(firmware.count(), 1);
    } else {
        QTRY_VERIFY(std::any_of(g_log.cbegin(), g_log.cend(),
                                [&outcome](const QString &line) { return line.contains(outcome); }));
        QCOMPARE(messages.count(), 0);
    }
    QCOMPARE(call(QStringLiteral("rollCal"), {}).type(), QDBusMessage::ReplyMessage);
}

void TestIotBus::policyLetsTheCabinetOwnItsName_data()
{
    QTest::addColumn<bool>("withPolicy");
    QTest::newRow("with the cabinet's policy") << true;
    QTest::newRow("system defaults only") << false;
}

void TestIotBus::policyLetsTheCabinetOwnItsName()
{
    QFETCH(bool, withPolicy);
    PrivateBus bus(withPolicy);
    QVERIFY(bus.isRunning());
    QDBusConnection cabinet = bus.connect(QStringLiteral("policy-cabinet"));
    QDBusConnection agent = bus.connect(QStringLiteral("policy-agent"));
    {
        IotLink link(m_core, new FakeHoldingView, cabinet);
        if (!withPolicy) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Did not connect to DBUS service")));
        }
        link.create(m_application, true);
        QCOMPARE(link.ownsServiceName(), withPolicy);
        QDBusMessage rollCall = QDBusMessage::createMethodCall(IotLink::ServiceName, IotLink::ObjectPath,
                                                               IotLink::InterfaceName, QStringLiteral("rollCal"));
        const QDBusMessage reply = agent.call(rollCall, QDBus::BlockWithGui, 5000);
        QCOMPARE(reply.type(), withPolicy ? QDBusMessage::ReplyMessage : QDBusMessage::ErrorMessage);
    }
}

QTEST_GUILESS_MAIN(TestIotBus)
#include "tst_iotbus.moc"
