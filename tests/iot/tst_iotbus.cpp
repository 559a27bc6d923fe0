// The cloud link on a private system bus, with this test as the IoT agent: the name and
// who owns it, every method's answer, the properties and their change signals, the
// agent's signals in, the events out, and the policy file that lets the cabinet own
// its name.
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "fakeholdingview.h"
#include "iotlink.h"
#include "orvantaproxy.h"
#include "privatebus.h"
#include "scratchroots.h"
#include "tuldbusadapter.h"
#include "tullumo.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

namespace {

constexpr int WaitMs = 30000;
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
    QList<QDBusMessage> named(const QString &member) const
    {
        QList<QDBusMessage> out;
        for (const QDBusMessage &m : messages)
            if (m.member() == member || (member.endsWith('*') && m.member().startsWith(member.chopped(1))))
                out << m;
        return out;
    }
public slots:
    void record(const QDBusMessage &message) { messages << message; }
};

class TestIotBus : public QObject
{
    Q_OBJECT
    PrivateBus *m_bus = nullptr;
    QDBusConnection m_cabinet{QString()};
    QDBusConnection m_agent{QString()};
    QObject *m_application = nullptr;
    FakeCabinetCore *m_core = nullptr;
    ConfigurationManager *m_config = nullptr;
    IotLink *m_link = nullptr;
    SignalRecorder *m_heard = nullptr;
    QScopedPointer<ScratchRoots> m_scratch;

    void startLink(bool master)
    {
        m_link = new IotLink(m_core, new FakeHoldingView, m_cabinet);
        m_link->create(m_application, master);
        if (master)
            m_link->connectMaster(120);
        // Match rules go to the daemon without waiting for it: a round trip on the same
        // connection makes sure they are in place before the agent speaks.
        QVERIFY(m_cabinet.interface()->isServiceRegistered(IotLink::ServiceName).value());
    }

    QDBusMessage call(const QString &method, const QVariantList &args,
                      const QString &interface = IotLink::InterfaceName)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(IotLink::ServiceName, IotLink::ObjectPath, interface, method);
        message.setArguments(args);
        return m_agent.call(message, QDBus::BlockWithGui, WaitMs);
    }

    // A master display's link on a bus of its own, on the connection of that name.
    // Without the cabinet's policy it cannot own its name.
    IotLink *linkOnOwnBus(PrivateBus &bus, bool withPolicy, const QString &connection)
    {
        auto *link = new IotLink(m_core, new FakeHoldingView, bus.connect(connection));
        if (!withPolicy)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Did not connect to DBUS service")));
        link->create(m_application, true);
        return link;
    }

    // Everything the cabinet sent before this returns has reached the agent.
    void flushCabinetSignals()
    {
        QCoreApplication::processEvents(); // the queued relay to the bus
        m_cabinet.send(QDBusMessage::createSignal(IotLink::ObjectPath, IotLink::InterfaceName, QStringLiteral("marker")));
        QTRY_VERIFY_WITH_TIMEOUT(!m_heard->named(QStringLiteral("marker")).isEmpty(), WaitMs);
    }

private slots:
    void initTestCase()
    {
        m_bus = new PrivateBus;
        QVERIFY2(m_bus->isRunning(), "dbus-daemon did not start");
        m_cabinet = m_bus->connect(QStringLiteral("cabinet"));
        m_agent = m_bus->connect(QStringLiteral("agent"));
        QVERIFY(m_cabinet.isConnected() && m_agent.isConnected());
        g_previousHandler = qInstallMessageHandler(recordMessage);
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(g_previousHandler);
        delete m_bus;
    }

    void init()
    {
        m_scratch.reset(new ScratchRoots);
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

    void cleanup()
    {
        m_agent.disconnect(QString(), IotLink::ObjectPath, IotLink::InterfaceName, QString(), m_heard,
                           SLOT(record(QDBusMessage)));
        delete m_heard;
        delete m_core; // takes the link, which leaves the bus
        m_link = nullptr;
        delete m_application;
        m_scratch.reset();
    }

    void onlyTheMasterTalks_data()
    {
        QTest::addColumn<bool>("master");
        QTest::newRow("master display") << true;
        QTest::newRow("other display") << false;
    }

    void onlyTheMasterTalks()
    {
        QFETCH(bool, master);
        startLink(master);
        // Every display owns the name on its bus; only the master sends and receives.
        QCOMPARE(m_agent.interface()->serviceOwner(IotLink::ServiceName).value(), m_cabinet.baseService());
        QCOMPARE(m_link->performanceDataTimer() != nullptr, master);
        QSignalSpy received(m_link->lumo(), &TulLumo::lumoMessageReceived);
        m_link->lumo()->send(QJsonObject{{QStringLiteral("event"), QStringLiteral("holdStart")}});
        m_agent.send(QDBusMessage::createSignal(IotLink::ObjectPath, IotLink::InterfaceName, QStringLiteral("lumoCmd"))
                     << QStringLiteral(R"({"command":"ping"})"));
        flushCabinetSignals();
        const QList<QDBusMessage> events = m_heard->named(QStringLiteral("lumoEvent"));
        QCOMPARE(events.size(), master ? 1 : 0);
        // A call is answered only after the agent's earlier signal has been taken in (or not).
        QCOMPARE(call(QStringLiteral("rollCal"), {}).type(), QDBusMessage::ReplyMessage);
        QTRY_COMPARE(received.count(), master ? 1 : 0);
        if (master) {
            QCOMPARE(events.at(0).path(), IotLink::ObjectPath);
            QCOMPARE(events.at(0).interface(), IotLink::InterfaceName);
            QCOMPARE(events.at(0).arguments().value(0).toString(), QStringLiteral("{\n    \"event\": \"holdStart\"\n}\n"));
        }
    }

    void callsAreAnswered_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QString>("error");  // empty: a normal reply
        QTest::addColumn<QVariant>("value"); // the reply's value, if any
        QTest::addColumn<QString>("effect"); // what to check afterwards
        const auto v = [](const QVariant &value) { return QVariant::fromValue(QDBusVariant(value)); };
        const QString secret = QStringLiteral("hunter2-secret");
        const QString get = QStringLiteral("getObjectPropertyValue"), set = QStringLiteral("setObjectPropertyValue");
        const struct { const char *name; QString method; QVariantList args; const char *error; QVariant value; const char *effect; } rows[] = {
            {"rollCal", "rollCal", {}, "", true, ""},
            {"iotCmdCall", "iotCmdCall", {"hello"}, "", "Test Call Reply!", ""},
            {"get a setting", get, {"configManager", "serialNumber"}, "", "SN-0001", ""},
            {"get a number", get, {"configManager", "performanceDataInterval"}, "", 120, ""},
            {"get of the owner itself", get, {"cabinetManager", "flashDriveMounted"}, "", false, ""},
            {"get of an unknown object", get, {"nobody", "serialNumber"}, "UnknownObject", {}, ""},
            {"get with an empty object name", get, {"", "objectName"}, "UnknownObject", {}, ""},
            {"get of an unknown property", get, {"configManager", "nope"}, "UnknownProperty", {}, ""},
            {"get of a Wi-Fi pass phrase", get, {"configManager", "wifiPassword"}, "AccessDenied", {}, ""},
            {"get of a passcode", get, {"configManager", "passwdL1"}, "AccessDenied", {}, ""},
            {"get with wrong argument types", get, {1, 2}, "UnknownMethod", {}, ""},
            {"set a setting", set, {"configManager", "storeNumber", v("5678")}, "", {}, "storeNumber 5678"},
            {"set a number from text", set, {"configManager", "performanceDataInterval", v("60")}, "", {}, "interval 60"},
            {"set a Wi-Fi pass phrase", set, {"configManager", "wifiPassword", v(secret)}, "AccessDenied", {}, "no secret"},
            {"set a passcode", set, {"configManager", "passwdL2", v(secret)}, "AccessDenied", {}, "no secret"},
            {"set an unknown property", set, {"configManager", "nope", v(1)}, "UnknownProperty", {}, "no new property"},
            {"set of an unknown object", set, {"nobody", "x", v(1)}, "UnknownObject", {}, ""},
            {"set a read-only property", set, {"cabinetManager", "activelyHolding", v(true)}, "AccessDenied", {}, ""},
            {"set a number from words", set, {"configManager", "performanceDataInterval", v("many")}, "InvalidArgs", {}, "interval 120"},
            {"huge text", "iotCmdCall", {QString(TulDbusAdapter::MaxTextLength + 1, 'x')}, "InvalidArgs", {}, ""},
            {"flash drive mounted", "flashDriveMounted", {}, "", {}, "flash drive"},
            {"performance data every 30 s", "performanceDataModeEnable", {30}, "", {}, "timer 30000"},
            {"performance data off", "performanceDataModeEnable", {0}, "", {}, "timer off"},
            {"performance data every day", "performanceDataModeEnable", {86400}, "", {}, "timer 86400000"},
            {"performance data every two days", "performanceDataModeEnable", {172800}, "", {}, "timer 172800000"},
            {"performance data at the timer's longest", "performanceDataModeEnable", {2147483}, "", {}, "timer 2147483000"},
            {"performance data beyond the timer", "performanceDataModeEnable", {2147484}, "InvalidArgs", {}, "timer 120000"},
            {"performance data every century", "performanceDataModeEnable", {INT_MAX}, "InvalidArgs", {}, "timer 120000"},
            {"screenshot", "takeScreenShot", {}, "", {}, "screenshot"},
            {"preheat relay without a bin", "processZoneEnterPreheatSignal", {}, "NotSupported", {}, ""},
            {"unknown method", "noSuchMethod", {}, "UnknownMethod", {}, ""},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << r.method << r.args << (*r.error ? "org.freedesktop.DBus.Error." + QString(r.error) : "")
                                  << r.value << QString(r.effect);
    }

    void callsAreAnswered()
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
        QCOMPARE(reply.errorName(), error);
        QCOMPARE(reply.type(), error.isEmpty() ? QDBusMessage::ReplyMessage : QDBusMessage::ErrorMessage);
        QVariant got = reply.arguments().value(0);
        if (got.userType() == qMetaTypeId<QDBusVariant>())
            got = got.value<QDBusVariant>().variant();
        if (value.isValid())
            QCOMPARE(got, value);
        QTimer *timer = m_link->performanceDataTimer();
        if (effect == QLatin1String("storeNumber 5678"))
            QCOMPARE(m_config->get_storeNumber(), QStringLiteral("5678"));
        else if (effect.startsWith(QLatin1String("interval ")))
            QCOMPARE(m_config->get_performanceDataInterval(), effect.mid(9).toInt());
        else if (effect == QLatin1String("no secret"))
            QVERIFY(!m_config->get_wifiPassword().contains("hunter2") && !m_config->get_passwdL2().contains("hunter2"));
        else if (effect == QLatin1String("no new property"))
            QVERIFY(m_config->dynamicPropertyNames().isEmpty());
        else if (effect == QLatin1String("flash drive"))
            QVERIFY(m_core->get_flashDriveMounted());
        else if (effect.startsWith(QLatin1String("timer ")))
            QCOMPARE(timer->isActive() ? timer->interval() : -1, effect == "timer off" ? -1 : effect.mid(6).toInt());
        QCOMPARE(screenshots.count(), effect == QLatin1String("screenshot") ? 1 : 0);
        // No value sent or read is ever written to the log.
        for (const QString &line : qAsConst(g_log))
            QVERIFY2(!line.contains("hunter2") && !line.contains("5678") && !line.contains("SN-0001"), qPrintable(line));
        // Whatever came before, the program still answers.
        QCOMPARE(call(QStringLiteral("rollCal"), {}).type(), QDBusMessage::ReplyMessage);
    }

    // Paths the agent writes stay inside their own root: the flash drive's mount folder for
    // usbPath, the data root for localPath, either for the import folder, a plain file name
    // for the import file and the imported menu.
    void pathPropertiesStayInTheirRoot_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("refused");
        const QString nul = QStringLiteral("/media/sda1") + QChar(0) + QStringLiteral("/x/");
        const struct { const char *name; const char *object; const char *property; QString value; bool refused; } rows[] = {
            {"usbPath as shipped", "configManager", "usbPath", "/media/", false},
            {"usbPath on the drive", "configManager", "usbPath", "/media/sda1/", false},
            {"usbPath climbing out", "configManager", "usbPath", "/media/../etc/", true},
            {"usbPath elsewhere", "configManager", "usbPath", "/etc/", true},
            {"usbPath relative", "configManager", "usbPath", "sda1/", true},
            {"usbPath with NUL", "configManager", "usbPath", nul, true},
            {"localPath as shipped", "configManager", "localPath", "/root/fwupdate/", false},
            {"localPath climbing out", "configManager", "localPath", "/root/fwupdate/../../etc/", true},
            {"localPath on the drive", "configManager", "localPath", "/media/sda1/", true},
            {"importedMenu", "configManager", "importedMenu", "lunch.tul|2024-03-01 10:00", false},
            {"importedMenu climbing out", "configManager", "importedMenu", "../../etc/passwd|now", true},
            {"importedMenu with a folder", "configManager", "importedMenu", "/etc/passwd|now", true},
            {"ovImportDir on the drive", "ovp", "ovImportDir", "/media/sda1/", false},
            {"ovImportDir of the data", "ovp", "ovImportDir", "/root/preloadedMenus/", false},
            {"ovImportDir climbing out", "ovp", "ovImportDir", "/media/sda1/../../etc/", true},
            {"ovImportDir elsewhere", "ovp", "ovImportDir", "/etc/", true},
            {"ovImportFilename", "ovp", "ovImportFilename", "MENU.tul", false},
            {"ovImportFilename climbing out", "ovp", "ovImportFilename", "../config.txt", true},
            {"ovImportFilename with a folder", "ovp", "ovImportFilename", "menus/MENU.tul", true},
            {"time-stamp file", "ovp", "updateMenuTimeStamp", "1700000000.ts", false},
            {"time-stamp file climbing out", "ovp", "updateMenuTimeStamp", "../../root/config.txt", true},
            {"ovImportFilename with NUL", "ovp", "ovImportFilename", QStringLiteral("a") + QChar(0) + "b", true},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << QString(r.object) << QString(r.property) << r.value << r.refused;
    }

    void pathPropertiesStayInTheirRoot()
    {
        QFETCH(QString, object);
        QFETCH(QString, property);
        QFETCH(QString, value);
        QFETCH(bool, refused);
        auto *proxy = new OrvantaProxy(m_core);
        QCOMPARE(proxy->objectName(), QStringLiteral("ovp"));
        startLink(true);
        QObject *target = object == QLatin1String("ovp") ? static_cast<QObject *>(proxy) : m_config;
        const QVariant before = target->property(qPrintable(property));
        g_log.clear();
        // A bus string cannot carry NUL: such a value comes from a screen, straight to the setter.
        const bool screen = value.contains(QChar(0));
        if (screen) {
            QVERIFY(target->setProperty(qPrintable(property), value));
        } else {
            const QDBusMessage reply = call(QStringLiteral("setObjectPropertyValue"),
                                            {object, property, QVariant::fromValue(QDBusVariant(value))});
            QCOMPARE(reply.errorName(), refused ? QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs") : QString());
        }
        const QString now = target->property(qPrintable(property)).toString();
        if (refused) {
            QCOMPARE(now, before.toString());
            const QStringList lines = g_log.filter(QStringLiteral("efused"));
            QVERIFY2(lines.size() == 1 && lines.first().contains(property), qPrintable(g_log.join('\n')));
        } else {
            QCOMPARE(now, property == QLatin1String("ovImportDir") && !value.endsWith('/') ? value + '/' : value);
        }
    }

    // A write is answered with what was stored: a value refused or changed on the way is
    // an error naming what the property holds, never a plain success. The adaptor's own
    // properties are written through the bus's property interface (object "") or their
    // accessor ("set_"); the objects below the root through setObjectPropertyValue. Each
    // is read back over the bus afterwards.
    void writesAnswerWhatWasStored_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("error"); // empty: a plain reply
        QTest::addColumn<QVariant>("stored");
        const QString mib(1 << 20, QLatin1Char('7')), longest(TulDbusAdapter::MaxTextLength, QLatin1Char('7'));
        const struct { const char *name; const char *object; const char *property; QVariant value; const char *error; QVariant stored; } rows[] = {
            {"event type 3", "", "iotEventType", 3, "", 3},
            {"event type 99", "", "iotEventType", 99, "", 99},
            {"event type 99 by its accessor", "set_", "iotEventType", 99, "", 99},
            {"event type -1 by its accessor", "set_", "iotEventType", -1, "", -1},
            {"serial of the longest text", "", "serialNumber", longest, "", longest},
            {"serial of 1 MiB", "", "serialNumber", mib, "", ""},
            {"serial of 1 MiB by its accessor", "set_", "serialNumber", mib, "InvalidArgs", ""},
            {"store number", "configManager", "storeNumber", "5678", "", "5678"},
            {"store number with a line break", "configManager", "storeNumber", "56\n78", "InvalidArgs", "N.A."},
            {"serial of 1 MiB below the root", "configManager", "serialNumber", mib, "InvalidArgs", "SN-0001"},
            {"language", "configManager", "languageId", "spa_mx", "", "spa_mx"},
            {"language climbing out", "configManager", "languageId", "../../etc", "InvalidArgs", "eng_USA"},
            {"unknown IoT type", "configManager", "iotType", "ACME", "InvalidArgs", "QRB_VAZARA"},
            // The settings keep their pages' ranges, and numbers are whole numbers.
            {"sound level", "configManager", "soundLevel", 55, "", 55},
            {"sound level as text", "configManager", "soundLevel", "55", "", 55},
            {"sound level as a whole double", "configManager", "soundLevel", 55.0, "", 55},
            {"sound level below the page's", "configManager", "soundLevel", -5, "InvalidArgs", 100},
            {"sound level of the least int", "configManager", "soundLevel", INT_MIN, "InvalidArgs", 100},
            {"sound level of 1e308", "configManager", "soundLevel", 1e308, "InvalidArgs", 100},
            {"sound level with a fraction", "configManager", "soundLevel", 55.5, "InvalidArgs", 100},
            {"sound level as words", "configManager", "soundLevel", "loud", "InvalidArgs", 100},
            {"sound level as a flag", "configManager", "soundLevel", true, "InvalidArgs", 100},
            {"label font size beyond the page's", "configManager", "labelFontSize", 100000, "InvalidArgs", 24},
            {"label font size at the page's largest", "configManager", "labelFontSize", 48, "", 48},
            {"screen orientation 7", "configManager", "screenOrientation", 7, "InvalidArgs", 0},
            {"screen orientation 1", "configManager", "screenOrientation", 1, "", 1},
            {"cabinet layout", "configManager", "cabinetConfiguration", 3, "InvalidArgs", -1},
            {"product name length -50", "configManager", "prodNameLength", -50, "InvalidArgs", 8},
            {"screen clean time-out -3", "configManager", "screenCleanTimeout", -3, "InvalidArgs", 30},
            {"temperature unit 5", "configManager", "tempUnit", 5, "InvalidArgs", 1},
            {"used languages beyond their type", "configManager", "usedLanguages", qlonglong(1) << 33, "InvalidArgs", 7u},
            {"interval of a second", "configManager", "performanceDataInterval", 1, "", 1},
            {"interval of a day", "configManager", "performanceDataInterval", 86400, "", 86400},
            {"interval beyond a day", "configManager", "performanceDataInterval", 100000, "", 100000},
            {"interval of 0", "configManager", "performanceDataInterval", 0, "", 0},
            {"interval beyond the timer", "configManager", "performanceDataInterval", 2147484, "InvalidArgs", 120},
            {"timer every second", "performanceDataTimer", "interval", 1000, "", 1000},
            {"timer once a day", "performanceDataTimer", "interval", 86400000, "", 86400000},
            {"timer every two days", "performanceDataTimer", "interval", 172800000, "", 172800000},
            {"timer every 30 s", "performanceDataTimer", "interval", 30000, "", 30000},
            {"timer every millisecond", "performanceDataTimer", "interval", 1, "InvalidArgs", 120000},
            {"timer without pause", "performanceDataTimer", "interval", 0, "InvalidArgs", 120000},
            {"timer's name", "performanceDataTimer", "objectName", "x", "AccessDenied", "performanceDataTimer"},
            {"settings' name", "configManager", "objectName", "x", "AccessDenied", "configManager"},
            {"menu files", "ovp", "dirContent", QStringList{"A.tul", "B.json"}, "", QStringList{"A.tul", "B.json"}},
            {"menu files out of the folder", "ovp", "dirContent", QStringList{"A.tul", "../../etc/passwd"}, "InvalidArgs",
             QStringList{}},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << QString(r.object) << QString(r.property) << r.value
                                  << (*r.error ? "org.freedesktop.DBus.Error." + QString(r.error) : QString()) << r.stored;
    }

    void writesAnswerWhatWasStored()
    {
        QFETCH(QString, object);
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        QFETCH(QString, error);
        QFETCH(QVariant, stored);
        new OrvantaProxy(m_core);
        startLink(true);
        const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
        const QVariant wrapped = QVariant::fromValue(QDBusVariant(value));
        const bool own = object.isEmpty() || object == QLatin1String("set_");
        const QDBusMessage reply = object.isEmpty() ? call(QStringLiteral("Set"), {IotLink::InterfaceName, property, wrapped}, properties)
                                   : own            ? call(QStringLiteral("set_") + property, {value})
                                                    : call(QStringLiteral("setObjectPropertyValue"), {object, property, wrapped});
        QCOMPARE(reply.errorName(), error);
        // A setting of the settings file is in the file once answered; a refused one is not.
        if (object == QLatin1String("configManager") && ConfigurationManager::configFileKeys().contains(property)) {
            const auto file = [] {
                QFile f(ConfigurationManager::configFilePath());
                return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            };
            const QByteArray sent = '\n' + property.toLatin1() + '=' + value.toString().toUtf8() + '\n';
            const QByteArray held = '\n' + property.toLatin1() + '=' + stored.toString().toUtf8() + '\n';
            if (error.isEmpty())
                QTRY_VERIFY_WITH_TIMEOUT(file().contains(held), 1000);
            else if (sent != held)
                QVERIFY2(!file().contains(sent), file().constData());
        }
        // The error names what the property holds, so the agent need not ask.
        if (!error.isEmpty() && stored.userType() != QMetaType::QStringList && !stored.toString().isEmpty())
            QVERIFY2(reply.errorMessage().endsWith(": " + stored.toString()), qPrintable(reply.errorMessage()));
        // The property interface cannot answer with an error: the property's change signal
        // tells its writer what it holds.
        if (object.isEmpty()) {
            flushCabinetSignals();
            const QList<QDBusMessage> changes = m_heard->named(property + QLatin1String("Changed"));
            QCOMPARE(changes.size(), 1);
            QCOMPARE(changes.first().arguments().value(0), stored);
        }
        // Read back under the name it had: names stay as they were.
        const QString readName = property == QLatin1String("objectName") ? stored.toString() : object;
        const QDBusMessage read = own ? call(QStringLiteral("Get"), {IotLink::InterfaceName, property}, properties)
                                      : call(QStringLiteral("getObjectPropertyValue"), {readName, property});
        QCOMPARE(read.type(), QDBusMessage::ReplyMessage);
        QVariant now = read.arguments().value(0).value<QDBusVariant>().variant();
        if (stored.userType() == QMetaType::QStringList)
            now = qdbus_cast<QStringList>(now);
        QCOMPARE(now, stored);
        // Whatever came before, the timer still answers to the agent's switch.
        QCOMPARE(call(QStringLiteral("performanceDataModeEnable"), {45}).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(m_link->performanceDataTimer()->interval(), 45000);
    }

    void propertiesSignalOncePerChange_data()
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

    void propertiesSignalOncePerChange()
    {
        QFETCH(QString, property);
        QFETCH(QVariant, initial);
        QFETCH(QVariant, changed);
        startLink(true);
        const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
        QCOMPARE(call("Get", {IotLink::InterfaceName, property}, properties).arguments().value(0).value<QDBusVariant>().variant(),
                 initial);
        // Set through the bus once, then again with the same value through the accessor.
        QCOMPARE(call("Set", {IotLink::InterfaceName, property, QVariant::fromValue(QDBusVariant(changed))}, properties).type(),
                 QDBusMessage::ReplyMessage);
        QCOMPARE(call(QStringLiteral("set_") + property, {changed}).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(call(QStringLiteral("get_") + property, {}).arguments().value(0), changed);
        flushCabinetSignals();
        const QList<QDBusMessage> changes = m_heard->named(property + QLatin1String("Changed"));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.first().arguments().value(0), changed);
    }

    void holdStartFormFollowsTheEventType_data()
    {
        QTest::addColumn<int>("eventType");
        QTest::addColumn<QString>("startSignature");
        QTest::newRow("type 0, no time stamp") << 0 << "ssis";
        QTest::newRow("type 1, time stamp first") << 1 << "sssis";
        QTest::newRow("type 2, time stamp first") << 2 << "sssis";
        QTest::newRow("type 3, no time stamp") << 3 << "ssis";
        QTest::newRow("type 7, time stamp first") << 7 << "sssis";
    }

    void holdStartFormFollowsTheEventType()
    {
        QFETCH(int, eventType);
        QFETCH(QString, startSignature);
        startLink(true);
        m_link->adapter()->set_iotEventType(eventType);
        QCOMPARE(call(QStringLiteral("handle_event_holdStart"), {"1767225600", "Patty", "ab", 3, "auto"}).type(),
                 QDBusMessage::ReplyMessage);
        QCOMPARE(call(QStringLiteral("handle_event_holdStop"), {"1767225600", "Patty", "ab", 3, "auto", 12}).type(),
                 QDBusMessage::ReplyMessage);
        flushCabinetSignals();
        QStringList got;
        for (const QDBusMessage &m : m_heard->named(QStringLiteral("event_hold*")))
            got << m.member() + QLatin1Char(' ') + m.signature();
        QCOMPARE(got, (QStringList{"event_holdStart " + startSignature, "event_holdStop " + startSignature + "i"}));
    }

    void agentSignalsAreTakenIn_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QString>("outcome"); // "message", "firmware" or the warning
        QTest::newRow("command") << "lumoCmd" << QVariantList{R"({"command":"ping"})"} << "message";
        QTest::newRow("number instead of text") << "lumoCmd" << QVariantList{42} << "one string expected";
        QTest::newRow("two texts") << "lumoCmd" << QVariantList{"{}", "{}"} << "one string expected";
        QTest::newRow("no argument") << "lumoCmd" << QVariantList{} << "one string expected";
        QTest::newRow("not JSON") << "lumoCmd" << QVariantList{"{\"command\""} << "Document Error";
        QTest::newRow("huge text") << "lumoCmd" << QVariantList{QString(TulLumo::MaxInboundBytes + 1, 'x')} << "refused";
        QTest::newRow("firmware update started") << "firmwareUpdateStarted" << QVariantList{} << "firmware";
    }

    void agentSignalsAreTakenIn()
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
        // A refused signal is known by its warning; a taken one by what it starts (the log
        // may hold the word "message" long before the signal arrives).
        const bool refused = outcome != QLatin1String("message") && outcome != QLatin1String("firmware");
        QTRY_VERIFY_WITH_TIMEOUT(refused ? std::any_of(g_log.cbegin(), g_log.cend(),
                                                       [&outcome](const QString &line) { return line.contains(outcome); })
                                         : messages.count() + firmware.count() == 1, WaitMs);
        QCOMPARE(messages.count(), outcome == "message" ? 1 : 0);
        QCOMPARE(firmware.count(), outcome == "firmware" ? 1 : 0);
        QCOMPARE(call(QStringLiteral("rollCal"), {}).type(), QDBusMessage::ReplyMessage);
    }

    // The cloud's messages and the firmware notice are taken from the agent's user only:
    // the bus policy drops them from any other user, and without the policy the program
    // refuses them itself and says so once, however many come. Each sender is a process
    // of its own, run as root (the agent's user) or as nobody.
    void onlyTheAgentCommands_data()
    {
        QTest::addColumn<bool>("withPolicy");
        QTest::addColumn<QString>("member");
        QTest::addColumn<uint>("uid");
        QTest::addColumn<bool>("actedOn");
        QTest::addColumn<int>("logged"); // refusals written to the log
        const QString cmd = QStringLiteral("lumoCmd"), fw = QStringLiteral("firmwareUpdateStarted");
        QTest::newRow("agent, with the policy") << true << cmd << 0u << true << 0;
        QTest::newRow("agent, without the policy") << false << cmd << 0u << true << 0;
        QTest::newRow("other user, with the policy") << true << cmd << 65534u << false << 0;
        QTest::newRow("other user, without the policy") << false << cmd << 65534u << false << 1;
        QTest::newRow("agent's firmware notice") << true << fw << 0u << true << 0;
        QTest::newRow("other user's firmware notice, with the policy") << true << fw << 65534u << false << 0;
        QTest::newRow("other user's firmware notice, without the policy") << false << fw << 65534u << false << 1;
        // Method calls: the policy lets only root call; without it the program refuses.
        const QString set = QStringLiteral("setObjectPropertyValue");
        QTest::newRow("agent's method call, without the policy") << false << set << 0u << true << 0;
        QTest::newRow("other user's method call, with the policy") << true << set << 65534u << false << 0;
        QTest::newRow("other user's method call, without the policy") << false << set << 65534u << false << 1;
    }

    void onlyTheAgentCommands()
    {
        QFETCH(bool, withPolicy);
        QFETCH(QString, member);
        QFETCH(uint, uid);
        QFETCH(bool, actedOn);
        QFETCH(int, logged);
        if (uid != geteuid() && geteuid() != 0)
            QSKIP("running a client as another user needs root");
        const bool method = member == QLatin1String("setObjectPropertyValue");
        // Without the policy anyone may call the cabinet's methods: the program checks.
        PrivateBus bus(withPolicy, method && !withPolicy);
        QVERIFY(bus.isRunning() && bus.openToAllUsers());
        QDBusConnection agent = bus.connect(QStringLiteral("users-agent"));
        QScopedPointer<IotLink> link(linkOnOwnBus(bus, withPolicy, QStringLiteral("users-cabinet")));
        link->connectMaster(120);
        // Match rules go to the daemon without waiting: a round trip puts them in place.
        const QDBusConnection cabinet(QStringLiteral("users-cabinet"));
        QVERIFY(cabinet.interface()->isServiceRegistered(cabinet.baseService()).value());
        QSignalSpy firmware(link.data(), &IotLink::firmwareUpdateStarted);
        g_log.clear();

        QStringList args{bus.address(), member, QStringLiteral("2")};
        if (member == QLatin1String("lumoCmd"))
            args << QStringLiteral(R"({"event":"locationUpdate","value":"5678"})");
        if (method)
            args = QStringList{bus.address(), QStringLiteral("call"), cabinet.baseService(), member, QStringLiteral("configManager"),
                               QStringLiteral("storeNumber"), QStringLiteral("5678")};
        QProcess sender;
        if (uid == geteuid())
            sender.start(QStringLiteral(BUS_SENDER), args);
        else
            sender.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=%1").arg(uid),
                                                                QStringLiteral("--regid=%1").arg(uid),
                                                                QStringLiteral("--clear-groups"), QStringLiteral(BUS_SENDER)}
                                                        + args);
        // The cabinet answers a call from this thread: wait with the event loop running.
        const auto lineReady = [&sender] {
            if (!sender.canReadLine())
                sender.waitForReadyRead(20);
            return sender.canReadLine();
        };
        QTRY_VERIFY_WITH_TIMEOUT(lineReady(), WaitMs);
        QCOMPARE(sender.readLine().trimmed(), QByteArray("sent"));
        if (method) {
            QTRY_VERIFY_WITH_TIMEOUT(lineReady(), WaitMs);
            QCOMPARE(sender.readLine().trimmed(),
                     actedOn ? QByteArray("ok") : QByteArray("org.freedesktop.DBus.Error.AccessDenied"));
        }
        // The agent's next message is taken in after the sender's.
        QVERIFY(agent.send(QDBusMessage::createSignal(IotLink::ObjectPath, IotLink::InterfaceName, QStringLiteral("lumoCmd"))
                           << QStringLiteral(R"({"event":"iotSwVersion","value":"after"})")));
        QTRY_COMPARE_WITH_TIMEOUT(m_config->get_iotSoftwareVersion(), QStringLiteral("after"), WaitMs);
        QCOMPARE(m_config->get_storeNumber() == QLatin1String("5678"), actedOn && (member == QLatin1String("lumoCmd") || method));
        QCOMPARE(firmware.count(), actedOn && member == QLatin1String("firmwareUpdateStarted") ? 2 : 0);
        const QStringList refusals = g_log.filter(QStringLiteral("refused: only the cloud agent"));
        QCOMPARE(refusals.size(), logged);
        for (const QString &line : refusals)
            QVERIFY2(line.contains(member) && line.contains(QStringLiteral("(user id %1)").arg(uid)), qPrintable(line));
        sender.closeWriteChannel();
        QVERIFY(sender.waitForFinished(WaitMs));
        QCOMPARE(sender.exitCode(), 0);
    }

    // Displays sharing one bus: the master holds the name. Another display that cannot own
    // it loses nothing (it sends and takes in nothing); a master that cannot is a fault.
    void nameHeldByAnotherDisplay_data()
    {
        QTest::addColumn<bool>("master");
        QTest::addColumn<int>("level");
        QTest::newRow("other display") << false << int(QtDebugMsg);
        QTest::newRow("second master") << true << int(QtWarningMsg);
    }

    void nameHeldByAnotherDisplay()
    {
        QFETCH(bool, master);
        QFETCH(int, level);
        startLink(true);
        QDBusConnection bus = m_bus->connect(QStringLiteral("display-%1").arg(QTest::currentDataTag()));
        QScopedPointer<QObject> application(new QObject);
        QScopedPointer<IotLink> link(new IotLink(m_core, new FakeHoldingView, bus));
        QTest::ignoreMessage(QtMsgType(level), QRegularExpression(QStringLiteral("Did not connect to DBUS service$")));
        link->create(application.data(), master);
        QVERIFY(!link->ownsServiceName());
        QCOMPARE(m_agent.interface()->serviceOwner(IotLink::ServiceName).value(), m_cabinet.baseService());
    }

    void policyLetsTheCabinetOwnItsName_data()
    {
        QTest::addColumn<bool>("withPolicy");
        QTest::newRow("with the cabinet's policy") << true;
        QTest::newRow("system defaults only") << false;
    }

    void policyLetsTheCabinetOwnItsName()
    {
        QFETCH(bool, withPolicy);
        PrivateBus bus(withPolicy);
        QVERIFY(bus.isRunning());
        QDBusConnection agent = bus.connect(QStringLiteral("policy-agent"));
        QScopedPointer<IotLink> link(linkOnOwnBus(bus, withPolicy, QStringLiteral("policy-cabinet")));
        QCOMPARE(link->ownsServiceName(), withPolicy);
        const QDBusMessage reply = agent.call(QDBusMessage::createMethodCall(IotLink::ServiceName, IotLink::ObjectPath,
                                                                             IotLink::InterfaceName, QStringLiteral("rollCal")),
                                              QDBus::BlockWithGui, WaitMs);
        QCOMPARE(reply.type(), withPolicy ? QDBusMessage::ReplyMessage : QDBusMessage::ErrorMessage);
    }
};

QTEST_GUILESS_MAIN(TestIotBus)
#include "tst_iotbus.moc"
