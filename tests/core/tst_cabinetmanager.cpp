#include "cabinetmanager.h"
#include "tuliotagentadapter.h"
#include "canmessagecodes.h"
#include "configurationmanager.h"
#include "fileid.h"
#include "scratchroots.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTcpServer>
#include <QtTest>

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
    void versionTenPersonalityIsRejected();
    void unconfiguredUnitWritesNoSettingsFile();

    void shellLoadsWithoutWarnings_data();
    void shellLoadsWithoutWarnings();

    void singleMessages();
    void receivedFiles();
    void receivedPersonalityIsTheOneReadAtTheNextStart();
    void settingsRecordFromTheMasterIsApplied();

    void idleTimerFiresAndTouchRestartsIt();
    void pluggedInMinutesSurviveARestart();
    void flashDriveMountFollowsTheMountTable();
    void backupNoticeFollowsTheAgent_data();
    void backupNoticeFollowsTheAgent();

private:
    QScopedPointer<CabinetManager> start(int connectorId = 0);
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

void TestCabinetManager::installPersonality(const QString &fixture, const QString &asName)
{
    const QByteArray text = readFile(QStringLiteral(PERSONALITY_FIXTURES "/") + fixture);
    QVERIFY(!text.isEmpty());
    QVERIFY(m_scratch->writeRootFile(asName.isEmpty() ? fixture : asName, text));
}

void TestCabinetManager::startsFromEachPersonality_data()
{
    QTest::addColumn<QString>("fixture"); // none: the connector chooses the layout
    QTest::addColumn<int>("connector");
    QTest::addColumn<int>("zones");
    QTest::addColumn<int>("bins");
    QTest::addColumn<bool>("master");
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<int>("customer");
    QTest::addColumn<bool>("nfc");
    QTest::addColumn<int>("role"); // -1: a personality's cabinet, whose mirror, customer and NFC are checked
    // The connector id is ignored when a personality is accepted.
    QTest::newRow("5x4 primary") << "5x4_primary_nfc.hcc" << 9 << 10 << 20 << true << false << 0 << true << -1;
    QTest::newRow("2x4 primary") << "2x4_primary_mirror.hcc" << 9 << 4 << 8 << true << true << 1 << true << -1;
    QTest::newRow("2x4 mirror") << "2x4_mirror.hcc" << 9 << 4 << 8 << false << true << 1 << true << -1;
    QTest::newRow("2x2") << "2x2_primary.hcc" << 9 << 2 << 4 << true << false << 3 << false << -1;
    QTest::newRow("5x2") << "5x2_primary_nfc.hcc" << 9 << 5 << 10 << true << false << 2 << true << -1;
    QTest::newRow("none: the default 5x4") << "" << 0 << 10 << 20 << true << false << 0 << false << 1;
    QTest::newRow("5x4 second") << "" << 2 << 10 << 20 << false << false << 0 << false << 2;
    QTest::newRow("2x4 primary connector") << "" << 9 << 4 << 8 << true << false << 0 << false << 1;
    QTest::newRow("2x4 mirror connector") << "" << 10 << 4 << 8 << false << false << 0 << false << 3;
    QTest::newRow("2x2 primary connector") << "" << 17 << 2 << 4 << true << false << 0 << false << 1;
    QTest::newRow("5x2 primary connector") << "" << 32 << 5 << 10 << true << false << 0 << false << 0;
    QTest::newRow("unknown id") << "" << 77 << 10 << 20 << true << false << 0 << false << 1;
}

void TestCabinetManager::startsFromEachPersonality()
{
    QFETCH(QString, fixture);
    QFETCH(int, connector);
    QFETCH(int, zones);
    QFETCH(int, bins);
    QFETCH(bool, master);
    QFETCH(bool, mirror);
    QFETCH(int, customer);
    QFETCH(bool, nfc);
    QFETCH(int, role);
    if (fixture.isEmpty()) {
        QTest::ignoreMessage(QtDebugMsg, "FileID not found");
    } else {
        installPersonality(fixture);
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("File id : file name is: %1").arg(fixture)));
    }
    auto cm = start(connector);
    QCOMPARE(cm->get_isConfigured(), !fixture.isEmpty());
    QCOMPARE(cm->get_orientationId(), fixture.isEmpty() ? connector : int(UIID_FILE_ID));
    QCOMPARE(cm->get_numberOfZones(), zones);
    QCOMPARE(cm->get_traysPerCabinet(), bins);
    QCOMPARE(cm->get_iAmMaster(), master);
    QCOMPARE(cm->get_productLocationMap()->size(), bins);
    // Only the master display opens the IO board's line.
    QCOMPARE(cm->ioSimulator() != nullptr, master);
    // An NFC cabinet has a real map of its readers, not the zeroed one.
    QCOMPARE(cm->get_nfcPollingInfo() != nullptr, cm->get_nfcEnabled());
    if (cm->get_nfcEnabled())
        QVERIFY(cm->get_nfcPollingInfo()->addressCount >= 1);
    if (role >= 0) {
        QCOMPARE(cm->get_uiRole(), role);
        return;
    }
    QCOMPARE(cm->get_traysPerZone(), cm->fileId()->get_traysPerZone());
    QCOMPARE(cm->get_zonesPerRow(), cm->fileId()->get_zonesPerRow());
    QCOMPARE(cm->get_hasMirrorDisplay(), mirror);
    QCOMPARE(cm->get_customerId(), customer);
    QCOMPARE(cm->get_nfcEnabled(), nfc);
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
    QTest::addColumn<int>("pages"); // of the settings, each opened in turn
    QTest::newRow("unconfigured") << QString() << 0;
    QTest::newRow("configured") << "5x4_primary_nfc.hcc" << 0;
    // Preferences, Language, Day-Parts, Zone Diagnostics, Errors Log, Holding Log (on a
    // cabinet that collects HACCP records), Password, System Information, Utilities.
    QTest::newRow("display that is not the master") << "2x4_mirror.hcc" << 9;
}

void TestCabinetManager::shellLoadsWithoutWarnings()
{
    QFETCH(QString, fixture);
    QFETCH(int, pages);
    if (!fixture.isEmpty())
        installPersonality(fixture);
    g_qmlWarnings.clear();
    g_previousHandler = qInstallMessageHandler(collectQmlWarnings);
    auto cm = start();
    QTest::qWait(100); // bindings settle in the first frames
    QCOMPARE(cm->qmlEngine()->rootObjects().size(), 1);
    auto *window = qobject_cast<QQuickWindow *>(cm->qmlEngine()->rootObjects().first());
    QVERIFY(window);
    QCOMPARE(window->size(), QSize(800, 480));
    QObject *cabinet = window->findChild<QObject *>(QStringLiteral("cabinetView"));
    QObject *firstStart = window->findChild<QObject *>(QStringLiteral("firstStartPanel"));
    QVERIFY(cabinet && firstStart);
    QCOMPARE(cabinet->property("visible").toBool(), !fixture.isEmpty());
    QCOMPARE(firstStart->property("visible").toBool(), fixture.isEmpty());

    QObject *screen = window->findChild<QObject *>(QStringLiteral("screen"));
    QObject *settings = window->findChild<QObject *>(QStringLiteral("servicePages"));
    if (pages) {
        screen->setProperty("currentView", QStringLiteral("settings"));
        QVERIFY(settings->property("visible").toBool());
        const QStringList names = settings->property("pageNames").toStringList();
        QCOMPARE(names.size(), pages);
        QVERIFY(names.contains(QStringLiteral("Holding Log")));
        for (const QString &name : names) {
            settings->setProperty("currentPage", name);
            QTest::qWait(20);
        }
        window->findChild<QObject *>(QStringLiteral("dayPartPopupLayer"))->setProperty("visible", true);
        QTest::qWait(20);
        emit cm->noUserInteraction(); // the idle time-out brings the main view back
        QTest::qWait(20);
        QCOMPARE(screen->property("currentView").toString(), QStringLiteral("main"));
    }
    qInstallMessageHandler(g_previousHandler);
    QCOMPARE(g_qmlWarnings, QStringList());
}

// One cabinet takes every message in turn: a start per case would double the test's time.
void TestCabinetManager::singleMessages()
{
    const struct { const char *hex, *signal, *warning; } cases[] = {
        {"3102ff0300", "errorInfoReceived 2 -1 3 0", nullptr},
        {"0b", "ovUpdateReloadFiles", nullptr}, // messages 11, 57 and 58 all reload
        {"39", "ovUpdateReloadFiles", nullptr},
        {"3a", "ovUpdateReloadFiles", nullptr},
        {"6709", "dayPartReceived 9", nullptr},
        {"", nullptr, "Empty single CAN message ignored"},
        {"310102", nullptr, "Single CAN message 49 too short"},
        {"670c", nullptr, "Day part 12 .* out of range"},
        {"c8ffff", nullptr, "Unknown single CAN message code 200"},
    };
    auto cm = start();
    QStringList heard;
    const auto hear = [&heard](const QString &name) { return [&heard, name](auto... args) {
        QStringList all{name};
        for (const QVariant &v : QVariantList{QVariant::fromValue(args)...})
            all << v.toString();
        heard << all.join(QLatin1Char(' '));
    }; };
    connect(cm.data(), &CabinetManager::errorInfoReceived, this, hear("errorInfoReceived"));
    connect(cm.data(), &CabinetManager::dayPartReceived, this, hear("dayPartReceived"));
    connect(cm.data(), &CabinetCore::ovUpdateReloadFiles, this, hear("ovUpdateReloadFiles"));
    connect(cm.data(), &CabinetManager::displayTestStart, this, hear("displayTestStart"));
    QStringList expected;
    for (const auto &c : cases) {
        if (c.warning)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QLatin1String(c.warning)));
        QByteArray bytes = QByteArray::fromHex(c.hex);
        cm->processSinglePacket(&bytes);
        if (c.signal)
            expected << QLatin1String(c.signal);
    }
    QTest::ignoreMessage(QtWarningMsg, "Empty single CAN message ignored");
    cm->processSinglePacket(nullptr);
    QByteArray test(1, char(CanMsg::TULMSGSINGLE_SCREEN_TEST_START));
    cm->processSinglePacket(&test);
    QCOMPARE(heard, expected << QStringLiteral("displayTestStart"));
}

static QByteArray filePayload(const QByteArray &path, const QByteArray &content)
{
    return path + QByteArray(CanMsg::FilePathFieldSize - path.size(), '\0') + content;
}

void TestCabinetManager::receivedFiles()
{
    const struct { int code; QByteArray payload; const char *stored, *warning; } cases[] = {
        {11, filePayload("/root/menu.json", "{}"), "menu.json", nullptr},
        {13, filePayload("/root/dayParts.json", "{}"), "dayParts.json", nullptr},
        {15, filePayload("/root/preloadedConfigs/5x2.hcc", "{}"), "ui_id.hcc", nullptr},
        {14, filePayload("/root/menu.json", "x"), nullptr, "message 14 has no receiver"},
        {11, filePayload("/root/../etc/menu.json", "x"), nullptr, "does not name"},
        {12, filePayload("/etc/passwd", "x"), nullptr, "does not name"},
        {13, QByteArray("/root/dayParts.json"), nullptr, "shorter than the path field"},
    };
    auto cm = start();
    const auto entries = [](const QString &dir) { return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); };
    const QStringList outside = entries(m_scratch->base());
    for (const auto &c : cases) {
        const QStringList before = entries(m_scratch->root());
        QSignalSpy received(cm.data(), &CabinetManager::fileReceived);
        if (c.warning)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QLatin1String(c.warning)));
        if (c.stored) // the file must come from this message
            QFile::remove(m_scratch->root() + QLatin1String(c.stored));
        cm->processMultiPacket(1, c.code, c.payload);
        QCOMPARE(received.count(), c.stored ? 1 : 0);
        QCOMPARE(entries(m_scratch->base()), outside);
        if (c.stored)
            QCOMPARE(readFile(m_scratch->root() + QLatin1String(c.stored)), QByteArray("{}"));
        else
            QCOMPARE(entries(m_scratch->root()), before);
    }
}

void TestCabinetManager::receivedPersonalityIsTheOneReadAtTheNextStart()
{
    installPersonality(QStringLiteral("2x2_primary.hcc"), QStringLiteral("a_first.hcc"));
    {
        auto cm = start();
        QCOMPARE(cm->get_numberOfZones(), 2);
        const QByteArray other = readFile(QStringLiteral(PERSONALITY_FIXTURES "/5x2_primary_nfc.hcc"));
        cm->processMultiPacket(1, 15, filePayload("/root/preloadedConfigs/5x2.hcc", other));
    }
    QVERIFY(QFileInfo::exists(m_scratch->root() + QStringLiteral("a_first.hcc.replaced")));
    QDir::setCurrent(m_cwd);
    auto cm = start();
    QVERIFY(cm->get_isConfigured());
    QCOMPARE(cm->get_numberOfZones(), 5);
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

void TestCabinetManager::idleTimerFiresAndTouchRestartsIt()
{
    m_scratch->setVariable("TUL_IDLE_TIMEOUT_MS", QStringLiteral("300"));
    auto cm = start();
    QSignalSpy idle(cm.data(), &CabinetCore::noUserInteraction);
    QElapsedTimer clock;
    clock.start();
    // Keys pressed every 100 ms keep the idle time-out away.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    while (clock.elapsed() < 700) {
        cm->eventFilter(nullptr, &key);
        QTest::qWait(100);
    }
    QCOMPARE(idle.count(), 0);
    QTRY_COMPARE(idle.count(), 1);
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
    auto *window = qobject_cast<QQuickWindow *>(cm->qmlEngine()->rootObjects().first());
    QObject *notice = window->findChild<QObject *>(QStringLiteral("backupNotice"));
    QVERIFY(notice);
    cm->tulIot()->set_systemBackupProgress(42);
    cm->tulIot()->set_forcedPackageActive(forcedPackage);
    cm->tulIot()->set_systemBackupActive(backup);
    QCOMPARE(notice->property("visible").toBool(), shown);
    QVERIFY(notice->property("text").toString().endsWith(QStringLiteral("<br>42 %")));
}
