#include "cabinetmanager.h"
#include "tuliotagentadapter.h"
#include "canbusmanager.h"
#include "canmessagecodes.h"
#include "configurationmanager.h"
#include "cansendrequest.h"
#include "daypartmanager.h"
#include "eoltesting.h"
#include "holdingcoordinator.h"
#include "fileid.h"
#include "mastersync.h"
#include "qmodbusmaster.h"
#include "scratchroots.h"
#include "soundmanager.h"
#include "zonemanager.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTcpServer>
#include <QtTest>

#include <algorithm>

namespace {

QStringList g_qmlWarnings;
QtMessageHandler g_previousHandler = nullptr;

// Collects what the QML engine complains about while a scene loads.
void collectQmlWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && message.contains(QLatin1String(".qml")))
        g_qmlWarnings << message;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

class TestCabinetManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsFromEachPersonality_data();
    void startsFromEachPersonality();
    void withoutPersonalityTheConnectorChoosesTheLayout_data();
    void withoutPersonalityTheConnectorChoosesTheLayout();
    void personalityGeometryIsFittedToTheTables_data();
    void personalityGeometryIsFittedToTheTables();
    void versionTenPersonalityIsRejected();
    void onlyTheFirstPersonalityIsTried();
    void personalityIsFoundByItsSuffix_data();
    void personalityIsFoundByItsSuffix();
    void unconfiguredUnitWritesNoSettingsFile();

    void shellLoadsWithoutWarnings_data();
    void shellLoadsWithoutWarnings();

    void everyPageOfTheShellOpensWithoutWarnings();
    void badSingleMessagesAreIgnored();
    void singleMessagesReachTheirReceivers();
    void overTemperatureAcknowledgedOnEveryDisplay_data();
    void overTemperatureAcknowledgedOnEveryDisplay();
    void receivedFilesGoToTheirFixedNames();
    void receivedPersonalityIsTheOneReadAtTheNextStart();
    void receivedFilesThatTryToEscapeAreRefused();
    void settingsRecordFromTheMasterIsApplied();
    void dayPartGoesToTheOtherDisplay_data();
    void dayPartGoesToTheOtherDisplay();

    void idleTimerFiresAndTouchRestartsIt_data();
    void idleTimerFiresAndTouchRestartsIt();
    void pluggedInMinutesSurviveARestart();
    void flashDriveMountFollowsTheMountTable();
    void firstFrameShowsOnlyTheCabinet_data();
    void firstFrameShowsOnlyTheCabinet();
    void requestsBeforeTheFirstFrameAreShown_data();
    void requestsBeforeTheFirstFrameAreShown();
    void layersAreMadeWhenFirstShown_data();
    void layersAreMadeWhenFirstShown();
    void linksStartWithTheFirstFrame_data();
    void linksStartWithTheFirstFrame();
    void backupNoticeFollowsTheAgent_data();
    void backupNoticeFollowsTheAgent();

private:
    QScopedPointer<CabinetManager> start(int connectorId = 0);
    // The shell's window once the pages and pop-ups behind the first frame are made.
    static QQuickWindow *shell(CabinetManager *cm);
    void installPersonality(const QString &fixture, const QString &asName = QString());
    QString m_cwd;
    QScopedPointer<ScratchRoots> m_scratch;
};

void TestCabinetManager::init()
{
    m_cwd = QDir::currentPath();
    m_scratch.reset(new ScratchRoots);
    m_scratch->setVariable("TUL_CAN_INTERFACE", QStringLiteral("tcp://127.0.0.1:%1/can0").arg(freePort()));
}

void TestCabinetManager::cleanup()
{
    QDir::setCurrent(m_cwd);
    m_scratch.reset();
}

QScopedPointer<CabinetManager> TestCabinetManager::start(int connectorId)
{
    return QScopedPointer<CabinetManager>(new CabinetManager(connectorId, 7));
}

QQuickWindow *TestCabinetManager::shell(CabinetManager *cm)
{
    auto *window = qobject_cast<QQuickWindow *>(cm->qmlEngine()->rootObjects().value(0));
    if (!window || !QTest::qWaitFor([window] { return window->property("firstFrameShown").toBool(); }))
        return nullptr;
    return window;
}

void TestCabinetManager::installPersonality(const QString &fixture, const QString &asName)
{
    const QByteArray text = readFile(QStringLiteral(PERSONALITY_FIXTURES "/") + fixture);
    QVERIFY(!text.isEmpty());
    QVERIFY(m_scratch->writeRootFile(asName.isEmpty() ? fixture : asName, text));
}

void TestCabinetManager::startsFromEachPersonality_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("zones");
    QTest::addColumn<int>("bins");
    QTest::addColumn<bool>("master");
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<int>("customer");
    QTest::addColumn<bool>("nfc");
    // The IO boards the System Information page lists (board types 0 and 1).
    QTest::addColumn<QStringList>("ioBoards");
    const QStringList one{"I/O board"};
    QTest::newRow("5x4 primary") << "5x4_primary_nfc.hcc" << 10 << 20 << true << false << 0 << true << one;
    QTest::newRow("2x4 primary") << "2x4_primary_mirror.hcc" << 4 << 8 << true << true << 1 << true
                                 << QStringList{"Master I/O board", "Slave I/O board #1"};
    QTest::newRow("2x4 mirror") << "2x4_mirror.hcc" << 4 << 8 << false << true << 1 << true
                                << QStringList{"Master I/O board", "Slave I/O board #1"};
    QTest::newRow("2x2") << "2x2_primary.hcc" << 2 << 4 << true << false << 3 << false << one;
    QTest::newRow("5x2") << "5x2_primary_nfc.hcc" << 5 << 10 << true << false << 2 << true
                         << QStringList{"Master I/O board", "Slave I/O board #1", "Slave I/O board #2"};
}

void TestCabinetManager::startsFromEachPersonality()
{
    QFETCH(QString, fixture);
    QFETCH(int, zones);
    QFETCH(int, bins);
    QFETCH(bool, master);
    QFETCH(bool, mirror);
    QFETCH(int, customer);
    QFETCH(bool, nfc);
    installPersonality(fixture);
    QTest::ignoreMessage(QtInfoMsg, qPrintable(QStringLiteral("File id : file name is: %1").arg(fixture)));
    auto cm = start(9); // the connector id is ignored when a personality is accepted
    QVERIFY(cm->get_isConfigured());
    QCOMPARE(cm->get_orientationId(), int(UIID_FILE_ID));
    QCOMPARE(cm->get_numberOfZones(), zones);
    QCOMPARE(cm->get_traysPerCabinet(), bins);
    QCOMPARE(cm->get_traysPerZone(), cm->fileId()->get_traysPerZone());
    QCOMPARE(cm->get_zonesPerRow(), cm->fileId()->get_zonesPerRow());
    QCOMPARE(cm->get_iAmMaster(), master);
    QCOMPARE(cm->get_hasMirrorDisplay(), mirror);
    QCOMPARE(cm->get_customerId(), customer);
    QCOMPARE(cm->get_nfcEnabled(), nfc);
    QCOMPARE(cm->get_nfcPollingInfo() != nullptr, nfc);
    QCOMPARE(cm->get_productLocationMap()->size(), bins);
    // Only the master display opens the IO board's line.
    QCOMPARE(cm->ioSimulator() != nullptr, master);
    QStringList ioBoards;
    for (const QVariant &row : cm->configManager()->systemInformationRows()) {
        const QVariantMap r = row.toMap();
        const QString label = r.value(QStringLiteral("label")).toString();
        if (label.contains(QLatin1String("I/O board")))
            ioBoards << (label.contains(QLatin1String("%1")) ? label.arg(r.value(QStringLiteral("number")).toInt()) : label);
    }
    QTEST(ioBoards, "ioBoards");
}

void TestCabinetManager::withoutPersonalityTheConnectorChoosesTheLayout_data()
{
    QTest::addColumn<int>("connector");
    QTest::addColumn<int>("zones");
    QTest::addColumn<int>("bins");
    QTest::addColumn<bool>("master");
    QTest::addColumn<int>("role");
    QTest::newRow("none: the default 5x4") << 0 << 10 << 20 << true << 1;
    QTest::newRow("5x4 second") << 2 << 10 << 20 << false << 2;
    QTest::newRow("2x4 primary") << 9 << 4 << 8 << true << 1;
    QTest::newRow("2x4 mirror") << 10 << 4 << 8 << false << 3;
    QTest::newRow("2x2 primary") << 17 << 2 << 4 << true << 1;
    QTest::newRow("5x2 primary") << 32 << 5 << 10 << true << 0;
    QTest::newRow("unknown id") << 77 << 10 << 20 << true << 1;
}

void TestCabinetManager::withoutPersonalityTheConnectorChoosesTheLayout()
{
    QFETCH(int, connector);
    QFETCH(int, zones);
    QFETCH(int, bins);
    QFETCH(bool, master);
    QFETCH(int, role);
    QTest::ignoreMessage(QtDebugMsg, "FileID not found");
    auto cm = start(connector);
    QVERIFY(!cm->get_isConfigured());
    QCOMPARE(cm->get_orientationId(), connector);
    QCOMPARE(cm->get_numberOfZones(), zones);
    QCOMPARE(cm->get_traysPerCabinet(), bins);
    QCOMPARE(cm->get_iAmMaster(), master);
    QCOMPARE(cm->get_uiRole(), role);
    if (cm->get_nfcEnabled()) {
        NfcPollingInfo *polling = cm->get_nfcPollingInfo();
        QVERIFY(polling);
        QVERIFY(polling->addressCount >= 1); // a real map, not the zeroed one
    }
}

// The file's values are taken as they stand; only what sizes the zone and bin tables
// is brought inside them, and the bin count is the file's own.
void TestCabinetManager::personalityGeometryIsFittedToTheTables_data()
{
    QTest::addColumn<QJsonObject>("set"); // keys changed in the 5x4 personality
    QTest::addColumn<int>("zones");
    QTest::addColumn<int>("bins");
    QTest::addColumn<int>("perZone");
    QTest::addColumn<int>("firstZone");
    QTest::addColumn<int>("handled");
    QTest::addColumn<int>("role");
    QTest::newRow("as the file gives it") << QJsonObject{} << 10 << 20 << 2 << 0 << 10 << 0;
    QTest::newRow("bins of the file, not zones x bins")
        << QJsonObject{{"traysPerCabinet", 12}} << 10 << 12 << 2 << 0 << 10 << 0;
    QTest::newRow("21 bins") << QJsonObject{{"traysPerCabinet", 21}} << 10 << 20 << 2 << 0 << 10 << 0;
    QTest::newRow("25 zones without NFC")
        << QJsonObject{{"numberOfZones", 25}, {"nfcEnabled", false}} << 20 << 20 << 2 << 0 << 10 << 0;
    QTest::newRow("one bin per zone") << QJsonObject{{"traysPerZone", 1}} << 10 << 20 << 2 << 0 << 10 << 0;
    QTest::newRow("handled zones past the cabinet")
        << QJsonObject{{"zones2handleStart", 8}, {"zones2handle", 5}} << 10 << 20 << 2 << 8 << 2 << 0;
    QTest::newRow("handled zones start below 0")
        << QJsonObject{{"zones2handleStart", -1}} << 10 << 20 << 2 << 0 << 10 << 0;
    QTest::newRow("role 99") << QJsonObject{{"uiRole", 99}} << 10 << 20 << 2 << 0 << 10 << 99;
}

void TestCabinetManager::personalityGeometryIsFittedToTheTables()
{
    QFETCH(QJsonObject, set);
    QJsonObject document = QJsonDocument::fromJson(
        readFile(QStringLiteral(PERSONALITY_FIXTURES "/5x4_primary_nfc.hcc"))).object();
    QJsonObject personality = document.value(QStringLiteral("personality")).toObject();
    for (auto it = set.constBegin(); it != set.constEnd(); ++it)
        personality.insert(it.key(), it.value());
    document.insert(QStringLiteral("personality"), personality);
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("cabinet.hcc"), QJsonDocument(document).toJson()));

    auto cm = start(17);
    QVERIFY(cm->get_isConfigured());
    QTEST(cm->get_numberOfZones(), "zones");
    QTEST(cm->get_traysPerCabinet(), "bins");
    QTEST(cm->get_traysPerZone(), "perZone");
    QTEST(cm->get_uiRole(), "role");
    QFETCH(int, firstZone);
    QFETCH(int, handled);
    QList<int> zones;
    for (ZoneManager *zone : cm->findChildren<ZoneManager *>())
        zones << zone->get_zoneNumber();
    std::sort(zones.begin(), zones.end());
    QList<int> expected;
    for (int z = firstZone; z < firstZone + handled; ++z)
        expected << z;
    QCOMPARE(zones, expected);
}

void TestCabinetManager::versionTenPersonalityIsRejected()
{
    // A well-formed file whose version is newer than this program knows.
    QJsonObject document = QJsonDocument::fromJson(
        readFile(QStringLiteral(PERSONALITY_FIXTURES "/5x2_primary_nfc.hcc"))).object();
    QJsonObject personality = document.value(QStringLiteral("personality")).toObject();
    personality.insert(QStringLiteral("version"), 10);
    const QByteArray digest = QCryptographicHash::hash(QJsonDocument(personality).toJson(QJsonDocument::Indented),
                                                       QCryptographicHash::Md5).toHex();
    document.insert(QStringLiteral("personality"), personality);
    document.insert(QStringLiteral("header"), QJsonObject{{QStringLiteral("checksum"), QString::fromLatin1(digest)}});
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("future.hcc"), QJsonDocument(document).toJson()));

    auto cm = start(17);
    QCOMPARE(cm->fileId()->get_importedFileVersion(), 10);
    QVERIFY(!cm->get_isConfigured());
    QCOMPARE(cm->get_orientationId(), 17);
    QCOMPARE(cm->get_numberOfZones(), 2); // the built-in 2x2, not the file's 5x2
}

void TestCabinetManager::onlyTheFirstPersonalityIsTried()
{
    installPersonality(QStringLiteral("2x2_primary.hcc"));
    auto cm = start();
    QVERIFY(cm->get_isConfigured());
    QCOMPARE(cm->get_numberOfZones(), 2);
}

void TestCabinetManager::personalityIsFoundByItsSuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("configured");
    QTest::newRow("lower case") << "cabinet.hcc" << true;
    QTest::newRow("upper case") << "CABINET.HCC" << true;
    QTest::newRow("mixed case") << "cabinet.Hcc" << true;
    QTest::newRow("suffix alone") << ".hcc" << true;
    QTest::newRow("suffix inside the name") << "cabinet.hcc.bak" << false;
    QTest::newRow("no dot") << "cabinethcc" << false;
    QTest::newRow("shorter suffix") << "cabinet.hc" << false;
}

void TestCabinetManager::personalityIsFoundByItsSuffix()
{
    QFETCH(QString, name);
    QFETCH(bool, configured);
    installPersonality(QStringLiteral("2x2_primary.hcc"), name);
    auto cm = start(9);
    QCOMPARE(cm->get_isConfigured(), configured);
    QCOMPARE(cm->get_numberOfZones(), configured ? 2 : 4); // the file's 2x2, or the connector's 2x4
}

void TestCabinetManager::unconfiguredUnitWritesNoSettingsFile()
{
    auto cm = start(9);
    cm->configManager()->set_soundLevel(40);
    cm->configManager()->saveConfigFile();
    QVERIFY(!QFileInfo::exists(m_scratch->root() + QStringLiteral("config.txt")));
}

void TestCabinetManager::shellLoadsWithoutWarnings_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("configured") << "5x4_primary_nfc.hcc";
    QTest::newRow("unconfigured") << QString();
}

void TestCabinetManager::shellLoadsWithoutWarnings()
{
    QFETCH(QString, fixture);
    if (!fixture.isEmpty())
        installPersonality(fixture);
    g_qmlWarnings.clear();
    g_previousHandler = qInstallMessageHandler(collectQmlWarnings);
    auto cm = start();
    QTest::qWait(100); // bindings settle in the first frames
    qInstallMessageHandler(g_previousHandler);
    QCOMPARE(g_qmlWarnings, QStringList());

    QCOMPARE(cm->qmlEngine()->rootObjects().size(), 1);
    auto *window = qobject_cast<QQuickWindow *>(cm->qmlEngine()->rootObjects().first());
    QVERIFY(window);
    QCOMPARE(window->width(), 800);
    QCOMPARE(window->height(), 480);
    QObject *cabinet = window->findChild<QObject *>(QStringLiteral("cabinetView"));
    QObject *firstStart = window->findChild<QObject *>(QStringLiteral("firstStartPanel"));
    QVERIFY(cabinet && firstStart);
    QCOMPARE(cabinet->property("visible").toBool(), !fixture.isEmpty());
    QCOMPARE(firstStart->property("visible").toBool(), fixture.isEmpty());
}

void TestCabinetManager::everyPageOfTheShellOpensWithoutWarnings()
{
    installPersonality(QStringLiteral("2x4_mirror.hcc"));
    auto cm = start();
    auto *window = shell(cm.data());
    QVERIFY(window);
    QObject *screen = window->findChild<QObject *>(QStringLiteral("screen"));
    QObject *popup = window->findChild<QObject *>(QStringLiteral("dayPartPopupLayer"));
    QVERIFY(screen && popup);

    g_qmlWarnings.clear();
    g_previousHandler = qInstallMessageHandler(collectQmlWarnings);
    screen->setProperty("currentView", QStringLiteral("settings"));
    QObject *pages = window->findChild<QObject *>(QStringLiteral("servicePages"));
    QVERIFY(pages);
    QVERIFY(pages->property("visible").toBool());
    const QStringList names = pages->property("pageNames").toStringList();
    // The Holding Log is among them only on a cabinet that collects HACCP records.
    QVERIFY(cm->get_haccpEnabled());
    // A display that is not the master: Preferences, Date and Time, Language, Day-Parts,
    // Wi-Fi Networking, Zone Diagnostics, Errors Log, Holding Log, Password, System
    // Information, Utilities.
    QCOMPARE(names.size(), 11);
    QVERIFY(names.contains(QStringLiteral("Wi-Fi Networking")));
    QVERIFY(names.contains(QStringLiteral("Holding Log")));
    for (const QString &name : names) {
        QMetaObject::invokeMethod(pages, "open", Q_ARG(QVariant, name));
        QTest::qWait(20);
    }
    popup->setProperty("visible", true);
    QTest::qWait(20);
    emit cm->noUserInteraction(); // the idle time-out brings the main view back
    QTest::qWait(20);
    qInstallMessageHandler(g_previousHandler);
    QCOMPARE(g_qmlWarnings, QStringList());
    QCOMPARE(screen->property("currentView").toString(), QStringLiteral("main"));
}

void TestCabinetManager::badSingleMessagesAreIgnored()
{
    auto cm = start();
    QSignalSpy errors(cm.data(), &CabinetManager::errorInfoReceived);
    QSignalSpy dayParts(cm.data(), &CabinetManager::dayPartReceived);
    QSignalSpy reloads(cm.data(), &CabinetCore::ovUpdateReloadFiles);

    QTest::ignoreMessage(QtWarningMsg, "Empty single CAN message ignored");
    QByteArray empty;
    cm->processSinglePacket(&empty);
    cm->processSinglePacket(nullptr);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Single CAN message 49 too short"));
    QByteArray shortError = QByteArray::fromHex("310102");
    cm->processSinglePacket(&shortError);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Day part 12 .* out of range"));
    QByteArray farDayPart = QByteArray::fromHex("670c");
    cm->processSinglePacket(&farDayPart);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unknown single CAN message code 200"));
    QByteArray unknown = QByteArray::fromHex("c8ffff");
    cm->processSinglePacket(&unknown);

    QCOMPARE(errors.count(), 0);
    QCOMPARE(dayParts.count(), 0);
    QCOMPARE(reloads.count(), 0);
}

// Staff acknowledge the over-temperature alarm on either display: both displays drop the
// notice and the sound, and only an acknowledgement made here is sent on.
void TestCabinetManager::overTemperatureAcknowledgedOnEveryDisplay_data()
{
    QTest::addColumn<bool>("here");
    QTest::addColumn<QVariantList>("sent"); // kinds of temperature alarm sent to the other display
    QTest::newRow("acknowledged here") << true << QVariantList{0};
    QTest::newRow("acknowledged on the other display") << false << QVariantList{};
}

void TestCabinetManager::overTemperatureAcknowledgedOnEveryDisplay()
{
    QFETCH(bool, here);
    QFETCH(QVariantList, sent);
    auto cm = start();
    HoldingCoordinator *holding = cm->holding();
    auto *sound = cm->findChild<SoundManager *>(QStringLiteral("soundManager"));
    QVERIFY(sound);
    QByteArray raised = QByteArray::fromHex("6d01"); // 109: ambient over temperature
    cm->processSinglePacket(&raised);
    QVERIFY(holding->get_ambientAlarmActive());

    QSignalSpy sends(holding, &HoldingCoordinator::sendTemperatureAlarm);
    QSignalSpy stops(sound, &SoundManager::prodChangeAlarmStop);
    if (here) {
        emit cm->stopAmbientTempAlarm();
    } else {
        QByteArray acknowledged = QByteArray::fromHex("6d00");
        cm->processSinglePacket(&acknowledged);
    }
    QVERIFY(!holding->get_ambientAlarmActive());
    QCOMPARE(stops.count(), 1);
    QVariantList kinds;
    for (const QList<QVariant> &args : qAsConst(sends))
        kinds << args.first();
    QCOMPARE(kinds, sent);
}

void TestCabinetManager::singleMessagesReachTheirReceivers()
{
    auto cm = start();
    QSignalSpy errors(cm.data(), &CabinetManager::errorInfoReceived);
    QSignalSpy reloads(cm.data(), &CabinetCore::ovUpdateReloadFiles);
    QSignalSpy screenTest(cm.data(), &CabinetManager::displayTestStart);
    QSignalSpy dayParts(cm.data(), &CabinetManager::dayPartReceived);

    QByteArray error = QByteArray::fromHex("3102ff0300"); // 49: (2, -1, 3, 0)
    cm->processSinglePacket(&error);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first(), (QVariantList{2, -1, 3, 0}));

    for (char code : {char(11), char(57), char(58)}) {
        QByteArray reload(1, code);
        cm->processSinglePacket(&reload);
    }
    QCOMPARE(reloads.count(), 3);

    QByteArray test(1, char(CanMsg::TULMSGSINGLE_SCREEN_TEST_START));
    cm->processSinglePacket(&test);
    QCOMPARE(screenTest.count(), 1);

    QByteArray dayPart = QByteArray::fromHex("6709");
    cm->processSinglePacket(&dayPart);
    QCOMPARE(dayParts.count(), 1);
    QCOMPARE(dayParts.first().first().toInt(), 9);
}

static QByteArray filePayload(const QByteArray &path, const QByteArray &content)
{
    return path + QByteArray(CanMsg::FilePathFieldSize - path.size(), '\0') + content;
}

void TestCabinetManager::receivedFilesGoToTheirFixedNames()
{
    installPersonality(QStringLiteral("2x4_mirror.hcc"));
    auto cm = start();
    QVERIFY(!cm->get_iAmMaster());
    QSignalSpy received(cm.data(), &CabinetManager::fileReceived);
    const QByteArray menu = readFile(QStringLiteral(MENU_FIXTURES "/menu_holding.json"));
    const QByteArray dayParts = readFile(QStringLiteral(MENU_FIXTURES "/dayParts_three.json"));
    const QByteArray personality = readFile(QStringLiteral(PERSONALITY_FIXTURES "/5x2_primary_nfc.hcc"));
    QVERIFY(cm->processMultiPacket(1, 11, filePayload("/root/menu.json", menu)));
    QVERIFY(cm->processMultiPacket(1, 13, filePayload("/root/dayParts.json", dayParts)));
    QVERIFY(cm->processMultiPacket(1, 15, filePayload("/root/preloadedConfigs/5x2.hcc", personality)));
    QCOMPARE(received.count(), 3);
    QCOMPARE(readFile(m_scratch->root() + QStringLiteral("menu.json")), menu);
    QCOMPARE(readFile(m_scratch->root() + QStringLiteral("dayParts.json")), dayParts);
    QCOMPARE(readFile(m_scratch->root() + QStringLiteral("ui_id.hcc")), personality);

    // One that would not read whole is refused, and ours stays.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("does not read whole"));
    QVERIFY(!cm->processMultiPacket(1, 11, filePayload("/root/menu.json", "{\"garbage\":")));
    QCOMPARE(received.count(), 3);
    QCOMPARE(readFile(m_scratch->root() + QStringLiteral("menu.json")), menu);

    // A node that is not the master is refused, whatever it sends.
    const QByteArray settings = readFile(QStringLiteral(CONFIG_FIXTURES "/default_config.txt"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("from node 5 refused: this display takes files only from node 1"));
    QVERIFY(!cm->processMultiPacket(5, 12, filePayload("/root/config.txt", settings)));
    QVERIFY(!QFileInfo::exists(m_scratch->root() + QStringLiteral("config.txt")) ||
            readFile(m_scratch->root() + QStringLiteral("config.txt")) != settings);

    // The master's empty menu waits for its announcement; the reload then reads it.
    const QByteArray empty("{\"menuVersion\": 1, \"products\": []}");
    QVERIFY(cm->processMultiPacket(1, 11, filePayload("/root/menu.json", empty)));
    QCOMPARE(readFile(m_scratch->root() + QStringLiteral("menu.json")), menu);
    QSignalSpy reloads(cm.data(), &CabinetCore::ovUpdateReloadFiles);
    emit cm->canbusManager()->singlePacketReceived(1, QByteArray(1, char(CanMsg::TULMSGSINGLE_OV_UPDATE_PRODUCTS)));
    QCOMPARE(readFile(m_scratch->root() + QStringLiteral("menu.json")), empty);
    QCOMPARE(received.count(), 4);
    QCOMPARE(reloads.count(), 1);
}

void TestCabinetManager::receivedPersonalityIsTheOneReadAtTheNextStart()
{
    installPersonality(QStringLiteral("2x4_mirror.hcc"), QStringLiteral("a_first.hcc"));
    {
        auto cm = start();
        QCOMPARE(cm->get_numberOfZones(), 4);
        const QByteArray other = readFile(QStringLiteral(PERSONALITY_FIXTURES "/5x2_primary_nfc.hcc"));
        cm->processMultiPacket(1, 15, filePayload("/root/preloadedConfigs/5x2.hcc", other));
    }
    QVERIFY(QFileInfo::exists(m_scratch->root() + QStringLiteral("a_first.hcc.replaced")));
    QDir::setCurrent(m_cwd);
    auto cm = start();
    QVERIFY(cm->get_isConfigured());
    QCOMPARE(cm->get_numberOfZones(), 5);
}

void TestCabinetManager::receivedFilesThatTryToEscapeAreRefused()
{
    installPersonality(QStringLiteral("2x4_mirror.hcc"));
    auto cm = start();
    const QStringList before = QDir(m_scratch->base()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QSignalSpy received(cm.data(), &CabinetManager::fileReceived);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("message 14 has no receiver"));
    cm->processMultiPacket(1, 14, filePayload("/root/menu.json", "x"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("does not name"));
    cm->processMultiPacket(1, 11, filePayload("/root/../etc/menu.json", "x"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("does not name"));
    cm->processMultiPacket(1, 12, filePayload("/etc/passwd", "x"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("shorter than the path field"));
    cm->processMultiPacket(1, 13, QByteArray("/root/dayParts.json"));
    QCOMPARE(received.count(), 0);
    QVERIFY(!QFileInfo::exists(m_scratch->root() + QStringLiteral("menu.json")));
    QVERIFY(!QFileInfo::exists(m_scratch->root() + QStringLiteral("config.txt")));
    QCOMPARE(QDir(m_scratch->base()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void TestCabinetManager::settingsRecordFromTheMasterIsApplied()
{
    installPersonality(QStringLiteral("2x4_mirror.hcc"));
    auto cm = start();
    QVERIFY(!cm->get_iAmMaster());
    const QJsonObject record{{QStringLiteral("soundLevel"), 55},
                             {QStringLiteral("useFirstEnabled"), true},
                             {QStringLiteral("passwdL3"), QStringLiteral("0000")}};
    cm->processMultiPacket(1, CanMsg::TUL_MULTI_CONFIG_SETTINGS, QJsonDocument(record).toJson());
    QCOMPARE(cm->configManager()->get_soundLevel(), 55);
    QVERIFY(cm->configManager()->get_useFirstEnabled());
    // Only the shared display settings are taken from a record.
    QVERIFY(cm->configManager()->property("passwdL3").toString() != QStringLiteral("0000"));
    QVERIFY(readFile(m_scratch->root() + QStringLiteral("config.txt")).contains("soundLevel=55"));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a JSON object"));
    cm->processMultiPacket(1, CanMsg::TUL_MULTI_CONFIG_SETTINGS, QByteArray("[1,2]"));
}

// The day part in force goes to the other display from every display; one that came from
// the master is not sent back to it. This process plays the other display on the bus.
void TestCabinetManager::dayPartGoesToTheOtherDisplay_data()
{
    QTest::addColumn<QString>("personality");
    QTest::addColumn<QList<int>>("received"); // from the other display, at once; none: set here to 1
    QTest::addColumn<bool>("individual");      // individual day parts per zone
    QTest::addColumn<QStringList>("sent");     // day-part messages, "code:day part"

    QTest::newRow("master") << "2x4_primary_mirror.hcc" << QList<int>{} << false << QStringList{"103:1"};
    QTest::newRow("mirror sends its own") << "2x4_mirror.hcc" << QList<int>{} << false << QStringList{"103:1"};
    QTest::newRow("second display sends its own") << "5x4_second.hcc" << QList<int>{} << false << QStringList{"103:1"};
    QTest::newRow("mirror: the master's is not sent back") << "2x4_mirror.hcc" << QList<int>{1} << false << QStringList{};
    QTest::newRow("mirror: two of the master's at once, neither sent back")
        << "2x4_mirror.hcc" << QList<int>{1, 0} << false << QStringList{};
    QTest::newRow("master: the other's is answered") << "2x4_primary_mirror.hcc" << QList<int>{1} << false
                                                     << QStringList{"103:1"};
    QTest::newRow("master: two of the other's at once, both answered")
        << "2x4_primary_mirror.hcc" << QList<int>{1, 0} << false << QStringList{"103:1", "103:0"};
    QTest::newRow("mirror, individual day parts") << "2x4_mirror.hcc" << QList<int>{} << true << QStringList{};
}

void TestCabinetManager::dayPartGoesToTheOtherDisplay()
{
    QFETCH(QString, personality);
    QFETCH(QList<int>, received);
    QFETCH(bool, individual);
    QFETCH(QStringList, sent);
    installPersonality(personality);
    auto cm = start();
    QVERIFY(shell(cm.data()));
    QTRY_VERIFY_WITH_TIMEOUT(cm->canbusManager()->isRunning(), 10000);

    const bool master = personality.contains(QLatin1String("primary"));
    auto *peer = new CanbusManager(QStringLiteral("virtualcan"), qEnvironmentVariable("TUL_CAN_INTERFACE"), cm.data());
    peer->set_canId(unsigned(CanMsg::frameIdFor(!master)));
    QStringList seen;
    bool marker = false;
    connect(peer, &CanbusManager::singlePacketReceived, this, [&](quint32, const QByteArray &data) {
        const int code = quint8(data.at(0));
        if (code == CanMsg::TULMSGSINGLE_ROLL_CALL_REQUEST) {
            auto *reply = new CanSendRequest;
            reply->set_frameId(CanMsg::frameIdFor(!master));
            reply->set_data(QByteArray(1, char(CanMsg::TULMSGSINGLE_ROLL_CALL_REPLY)));
            peer->enqueueSendRequest(reply);
        } else if (code == CanMsg::TULMSGSINGLE_DAYPART_SET || code == CanMsg::TULMSGSINGLE_DAYPART_REQUEST) {
            seen << QStringLiteral("%1:%2").arg(code).arg(data.size() > 1 ? int(quint8(data.at(1))) : -1);
        } else if (code == CanMsg::TULMSGSINGLE_OV_UPDATE_PRODUCTS) {
            marker = true;
        }
    });
    peer->start();
    QTRY_VERIFY_WITH_TIMEOUT(cm->masterSync()->get_synced(), 20000);
    QTRY_VERIFY(cm->canbusManager()->queuedRequestCount() == 0);
    // What the start-up sent may still be on its way over the bus: a marker behind it.
    cm->sendOvUpdateProducts();
    QTRY_VERIFY_WITH_TIMEOUT(marker, 10000);
    marker = false;

    seen.clear();
    cm->configManager()->set_individualDPEnabled(individual);
    QVERIFY(cm->daypartManager()->getDayPartsCount() > 1);
    for (int dayPart : received) {
        QByteArray fromOther(1, char(CanMsg::TULMSGSINGLE_DAYPART_SET));
        fromOther.append(char(dayPart));
        cm->processSinglePacket(&fromOther);
    }
    if (received.isEmpty())
        cm->daypartManager()->set_nextDayPart(1);
    QCOMPARE(cm->daypartManager()->get_nextDayPart(), received.isEmpty() ? 1 : received.last());
    QCoreApplication::processEvents(); // the queued hand-over to the display link
    cm->sendOvUpdateProducts();        // goes out after anything the change sent
    QTRY_VERIFY_WITH_TIMEOUT(marker, 10000);
    QCOMPARE(seen, sent);
}

void TestCabinetManager::idleTimerFiresAndTouchRestartsIt_data()
{
    QTest::addColumn<QString>("input");
    // What a cook's hand or a service keyboard gives the screen, through its window.
    QTest::newRow("key press") << "key";
    QTest::newRow("mouse press") << "mouse";
    QTest::newRow("touch") << "touch";
}

void TestCabinetManager::idleTimerFiresAndTouchRestartsIt()
{
    QFETCH(QString, input);
    m_scratch->setVariable("TUL_IDLE_TIMEOUT_MS", QStringLiteral("1000"));
    auto cm = start();
    QQuickWindow *window = shell(cm.data());
    QVERIFY(window);
    QTouchDevice *finger = QTest::createTouchDevice();
    // A corner of the header, where a press opens nothing.
    const QPoint corner(2, 2);
    const auto press = [&] {
        if (input == QLatin1String("key"))
            QTest::keyClick(window, Qt::Key_Shift);
        else if (input == QLatin1String("mouse"))
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, corner);
        else {
            QTest::touchEvent(window, finger).press(0, corner, window);
            QTest::touchEvent(window, finger).release(0, corner, window);
        }
    };
    QSignalSpy idle(cm.data(), &CabinetCore::noUserInteraction);
    QElapsedTimer clock;
    clock.start();
    // Input every 100 ms for longer than the time-out keeps it away, as long as no two
    // presses lay a whole time-out apart on a stalled machine.
    qint64 last = 0, longestGap = 0;
    while (clock.elapsed() < 2500) {
        press();
        longestGap = qMax(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
        QTest::qWait(100);
    }
    longestGap = qMax(longestGap, clock.elapsed() - last);
    if (longestGap < 900)
        QCOMPARE(idle.count(), 0);
    QTRY_VERIFY(idle.count() >= 1);
}

void TestCabinetManager::pluggedInMinutesSurviveARestart()
{
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("pluggedInMinutes.txt"), "41\n"));
    {
        auto cm = start();
        QCOMPARE(cm->get_pluggedInMinutes(), 41);
    }
    // Destroying the core saves the count.
    QCOMPARE(readFile(m_scratch->root() + QStringLiteral("pluggedInMinutes.txt")).trimmed(), QByteArray("41"));

    QVERIFY(m_scratch->writeRootFile(QStringLiteral("pluggedInMinutes.txt"), "garbage"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unreadable plugged-in minutes"));
    auto cm = start();
    QCOMPARE(cm->get_pluggedInMinutes(), 0);
}

void TestCabinetManager::flashDriveMountFollowsTheMountTable()
{
    auto cm = start();
    QCOMPARE(cm->readFlashDrivePath(), m_scratch->flash());
    QVERIFY(cm->isFlashDriveMounted()); // the stand-in mounts the flash folder while it exists
    QVERIFY(QDir(m_scratch->flash()).removeRecursively());
    QVERIFY(!cm->isFlashDriveMounted());
    QVERIFY(m_scratch->toolCalls().contains(QStringLiteral("mount ")));
}

QTEST_MAIN(TestCabinetManager)
#include "tst_cabinetmanager.moc"

// Only the cabinet and the dock are made for the first frame; what listens to the back end
// follows it, and pages, pop-ups and notices wait until they are first shown.
void TestCabinetManager::firstFrameShowsOnlyTheCabinet_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("beforeFrame");
    QTest::addColumn<bool>("afterFrame");
    QTest::addColumn<QString>("openPage");
    QTest::addColumn<bool>("identified"); // the unit's serial and model numbers on file
    QTest::newRow("cabinet") << "cabinetView" << true << true << QString() << true;
    QTest::newRow("dock") << "dock" << true << true << QString() << true;
    for (const char *layer : {"servicePages", "simpleDialog", "linkBrokenNotice", "firmwareNotice", "backupNotice",
                              "screenTestPanel", "mainWifiConnectionQuestion", "dayPartPopup", "serviceCarousel",
                              "keyboardLayer", "numericKeyboard", "overTempDialog", "eolTestLayer",
                              "eolAddressDialog", "configurationScreens", "serialModelNumbersDialog"})
        QTest::newRow(layer) << layer << false << false << QString() << true;
    QTest::newRow("preferences page") << "preferencesPage" << false << false << "Preferences" << true;
    QTest::newRow("language page") << "languagePage" << false << false << "Language" << true;
    QTest::newRow("alphabetic keyboard") << "keyboardAlpha" << false << false << QString() << true;
    // The unit details asked for at start, once the cabinet is on the screen.
    QTest::newRow("unit details missing") << "serialModelNumbersDialog" << false << true << QString() << false;
}

void TestCabinetManager::firstFrameShowsOnlyTheCabinet()
{
    QFETCH(QString, name);
    QFETCH(bool, beforeFrame);
    QFETCH(bool, afterFrame);
    QFETCH(QString, openPage);
    QFETCH(bool, identified);
    installPersonality(QStringLiteral("2x4_mirror.hcc"));
    if (identified)
        QVERIFY(m_scratch->writeRootFile(QStringLiteral("serialModelNums.txt"), "serialNumber=SN-1\nmodelNumber=M-1\n"));
    auto cm = start();
    auto *window = qobject_cast<QQuickWindow *>(cm->qmlEngine()->rootObjects().value(0));
    QVERIFY(window);
    // The constructor has built the scene; no frame can have been drawn before the event loop.
    QVERIFY(!window->property("firstFrameShown").toBool());
    QCOMPARE(window->findChild<QObject *>(name) != nullptr, beforeFrame);
    QVERIFY(shell(cm.data()));
    QTest::qWait(50); // nothing more is made by itself after the first frame
    QObject *made = window->findChild<QObject *>(name);
    QCOMPARE(made != nullptr, afterFrame);
    if (made && !identified)
        QTRY_VERIFY(made->property("visible").toBool());
    if (openPage.isEmpty())
        return;
    window->findChild<QObject *>(QStringLiteral("screen"))->setProperty("currentView", QStringLiteral("settings"));
    QObject *pages = window->findChild<QObject *>(QStringLiteral("servicePages"));
    QVERIFY(pages);
    QVERIFY(QMetaObject::invokeMethod(pages, "open", Q_ARG(QVariant, openPage)));
    QTRY_VERIFY(window->findChild<QObject *>(name));
}

// What the back end asks for before the first frame is not lost to the layer made later.
void TestCabinetManager::requestsBeforeTheFirstFrameAreShown_data()
{
    QTest::addColumn<int>("request");
    QTest::addColumn<QString>("name");
    QTest::newRow("message") << 0 << "simpleDialog";
    QTest::newRow("firmware copy") << 1 << "firmwareNotice";
    QTest::newRow("screen test") << 2 << "screenTestPanel";
}

void TestCabinetManager::requestsBeforeTheFirstFrameAreShown()
{
    QFETCH(int, request);
    QFETCH(QString, name);
    installPersonality(QStringLiteral("2x4_mirror.hcc"));
    auto cm = start();
    auto *window = qobject_cast<QQuickWindow *>(cm->qmlEngine()->rootObjects().value(0));
    QVERIFY(window);
    QVERIFY(!window->property("firstFrameShown").toBool());
    if (request == 0)
        emit cm->invokeSimpleDialog(QStringLiteral("Export done"), true);
    else if (request == 1)
        emit cm->firmwareUpdateStarted();
    else
        emit cm->displayTestStart();
    QObject *layer = window->findChild<QObject *>(name);
    QVERIFY(layer);
    QVERIFY(layer->property("visible").toBool());
    if (request == 0)
        QCOMPARE(layer->property("text").toString(), QStringLiteral("Export done"));
    QVERIFY(shell(cm.data()));
    // Still the one layer, still shown, once the others are made.
    QCOMPARE(window->findChildren<QObject *>(name).size(), 1);
    QVERIFY(layer->property("visible").toBool());
}

// A layer the home screen does not show is made by what first shows it, once, whether that
// comes before the first frame or after it.
void TestCabinetManager::layersAreMadeWhenFirstShown_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("beforeFrame");
    for (const bool before : {false, true}) {
        const QByteArray when = before ? ", before the first frame" : "";
        const auto row = [&when](const char *what) { return QByteArray(what) + when; };
        QTest::newRow(row("unit details asked").constData()) << "unitDetails" << "serialModelNumbersDialog" << before;
        QTest::newRow(row("configuration installed").constData()) << "installed" << "configurationMessage" << before;
        QTest::newRow(row("configuration not installed").constData()) << "notInstalled" << "configurationMessage" << before;
        QTest::newRow(row("configuration reset").constData()) << "reset" << "configurationMessage" << before;
        QTest::newRow(row("factory address detection").constData()) << "announce" << "eolAddressDialog" << before;
        QTest::newRow(row("factory screen test").constData()) << "screenTest" << "screenTestPanel" << before;
        QTest::newRow(row("over temperature").constData()) << "overTemperature" << "overTempDialog" << before;
        QTest::newRow(row("numeric field edited").constData()) << "numeric" << "numericKeyboard" << before;
        QTest::newRow(row("text field edited").constData()) << "alpha" << "keyboardAlpha" << before;
    }
}

void TestCabinetManager::layersAreMadeWhenFirstShown()
{
    QFETCH(QString, request);
    QFETCH(QString, name);
    QFETCH(bool, beforeFrame);
    installPersonality(QStringLiteral("2x4_primary_mirror.hcc"));
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("serialModelNums.txt"), "serialNumber=SN-1\nmodelNumber=M-1\n"));
    auto cm = start();
    auto *window = qobject_cast<QQuickWindow *>(cm->qmlEngine()->rootObjects().value(0));
    QVERIFY(window);
    if (!beforeFrame)
        QVERIFY(shell(cm.data()));
    QVERIFY(!window->findChild<QObject *>(name));

    ConfigurationManager *config = cm->configManager();
    if (request == "unitDetails") {
        emit config->showSerialModelNumbersDialog();
    } else if (request == "installed") {
        emit config->copyConfigurationFileCompleted();
    } else if (request == "notInstalled") {
        emit config->copyConfigurationFileFailed();
    } else if (request == "reset") {
        emit config->resetConfigurationFileCompleted();
    } else if (request == "announce") {
        emit cm->eolTest()->udpBroadcastStarted();
    } else if (request == "screenTest") {
        emit cm->eolTest()->displayTestStart();
    } else if (request == "overTemperature") {
        cm->holding()->applyRemoteTemperatureAlarm(1);
    } else {
        // A field of the service pages asks the keyboard it was given.
        window->findChild<QObject *>(QStringLiteral("screen"))->setProperty("currentView", QStringLiteral("settings"));
        QObject *pages = window->findChild<QObject *>(QStringLiteral("servicePages"));
        QVERIFY(pages);
        auto *keyboard = pages->property("keyboard").value<QObject *>();
        QVERIFY(keyboard);
        QVERIFY(request == "numeric" ? QMetaObject::invokeMethod(keyboard, "showNumeric", Q_ARG(QVariant, false),
                                                                 Q_ARG(QVariant, false))
                                     : QMetaObject::invokeMethod(keyboard, "showAlpha", Q_ARG(QVariant, false)));
        QVERIFY(keyboard->property(request == "numeric" ? "numericShown" : "alphaShown").toBool());
    }
    QObject *layer = window->findChild<QObject *>(name);
    QVERIFY(layer);
    QVERIFY(layer->property("visible").toBool());
    if (request == "installed")
        QCOMPARE(layer->property("text").toString(), QStringLiteral("Unit configuration successful.<br>Reboot the unit."));
    QVERIFY(shell(cm.data()));
    QTest::qWait(50);
    // Still the one layer, still shown; what is asked again reaches it.
    QCOMPARE(window->findChildren<QObject *>(name).size(), 1);
    QVERIFY(layer->property("visible").toBool());
    if (request == "unitDetails") {
        emit config->hideSerialModelNumbersDialog();
        QVERIFY(!layer->property("visible").toBool());
        emit config->showSerialModelNumbersDialog();
        QVERIFY(layer->property("visible").toBool());
    }
}

// The field buses and the IO board's line start once the cabinet is on the screen, and all
// the same when the window is never drawn.
void TestCabinetManager::linksStartWithTheFirstFrame_data()
{
    QTest::addColumn<bool>("drawn");
    QTest::newRow("window drawn") << true;
    QTest::newRow("window never drawn") << false;
}

void TestCabinetManager::linksStartWithTheFirstFrame()
{
    QFETCH(bool, drawn);
    installPersonality(QStringLiteral("2x4_primary_mirror.hcc"));
    auto cm = start();
    auto *window = qobject_cast<QQuickWindow *>(cm->qmlEngine()->rootObjects().value(0));
    QVERIFY(window);
    const auto started = [&cm] {
        return cm->modbusMaster()->isPortOpen() && cm->modbusMaster()->isRunning()
               && cm->canbusManager()->isRunning();
    };
    QVERIFY(!cm->modbusMaster()->isPortOpen());
    QVERIFY(!cm->modbusMaster()->isRunning());
    QVERIFY(!cm->canbusManager()->isRunning());
    if (!drawn)
        window->setVisible(false);
    QTRY_VERIFY_WITH_TIMEOUT(started(), 10000);
    // The shell notes its first frame on the next turn of the event loop.
    if (drawn)
        QTRY_VERIFY(window->property("firstFrameShown").toBool());
    else
        QVERIFY(!window->property("firstFrameShown").toBool());
}

void TestCabinetManager::backupNoticeFollowsTheAgent_data()
{
    QTest::addColumn<bool>("backup");
    QTest::addColumn<bool>("forcedPackage");
    QTest::addColumn<bool>("shown");
    QTest::newRow("backup running") << true << false << true;
    QTest::newRow("forced package pending") << true << true << false;
    QTest::newRow("no backup") << false << false << false;
}

void TestCabinetManager::backupNoticeFollowsTheAgent()
{
    QFETCH(bool, backup);
    QFETCH(bool, forcedPackage);
    QFETCH(bool, shown);
    auto cm = start();
    auto *window = shell(cm.data());
    QVERIFY(window);
    cm->tulIot()->set_systemBackupProgress(42);
    cm->tulIot()->set_forcedPackageActive(forcedPackage);
    cm->tulIot()->set_systemBackupActive(backup);
    // Made when a backup first starts.
    QObject *notice = window->findChild<QObject *>(QStringLiteral("backupNotice"));
    QCOMPARE(notice != nullptr, backup);
    if (!notice)
        return;
    QCOMPARE(notice->property("visible").toBool(), shown);
    QVERIFY(notice->property("text").toString().endsWith(QStringLiteral("<br>42 %")));
}
