// The adapter of the second IoT agent, driven directly: every event of its catalogue,
// the menu snapshot, each inbound message and command with its bad forms, the backup
// progress, the menu archive through the unzip stand-in, and one message on a private
// system bus. The tables are in tests/data/iot/tst_iotagentadapter.json.
#include "bininfo.h"
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "fakeholdingview.h"
#include "fakecabinetcore.h"
#include "iotjson.h"
#include "iottables.h"
#include "menumanager.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "privatebus.h"
#include "scratchroots.h"
#include "translator.h"
#include "tuliotagentadapter.h"

#include <QDBusMessage>

namespace {

constexpr quint64 Pan = 0x5a3c150de2f4a7b8; // its tag carries product 21
QStringList g_log;
QtMessageHandler g_previous = nullptr;

void keepLog(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    g_log << text;
    g_previous(type, context, text);
}

// What the adapter hands to the bus, kept instead of sent.
class RecordingAdapter : public TulIotAgentAdapter
{
public:
    QStringList sent;
    bool writeDbusMessage(const QString &path, const QString &interface, const QString &member, QString &text) override
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
    IOT_TABLE_TEST(eventsAreBuilt)
    IOT_TABLE_TEST(menuSnapshot)
    IOT_TABLE_TEST(inboundMessages)
    IOT_TABLE_TEST(resetOfAHoldCycle)
    IOT_TABLE_TEST(restartAfterStop)
    IOT_TABLE_TEST(wifiSettings)
    IOT_TABLE_TEST(holdingListOfAnotherCabinet)
    IOT_TABLE_TEST(sdkErrors)
    IOT_TABLE_TEST(backupProgress)
    IOT_TABLE_TEST(menuArchive)
    void messageLeavesOnTheBus();

private:
    NfcTagItem2 *registerPan(quint64 uid, int bin, bool seen);
    void receive(const QJsonObject &message) { m_adapter->handleReceivedIoTInfo(QString::fromUtf8(compact(message))); }
    void wire(TulIotAgentAdapter *a)
    {
        a->set_cabinetManager(&m_cabinet);
        a->set_menuManager(m_menu);
        a->set_configManager(m_config);
        a->set_dayPartManager(m_dayParts);
        a->set_translator(m_translator);
    }

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
    QVERIFY(setProperties(m_config, {{"serialNumber", "SN-0001"}, {"modelNumber", "MODEL-A"}, {"storeNumber", "1234"},
                                     {"uuidNumber", "uuid-1"}}));
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
    wire(m_adapter);
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
    tag->setExpTime(1767226800000);
    tag->setActivationTimeStamp(1767225000000);
    tag->setBatchId(QStringLiteral("5a3c150de2f4a7b8:1767225000"));
    return m_cabinet.nfcManager->registerTag2(tag) ? tag : nullptr;
}

// "expected" absent: nothing sent; "NOW-T"/"NOW-R": the current second, cut or rounded;
// "header": the cabinet's four identity members besides.
void TestIotAgentAdapter::eventsAreBuilt()
{
    QFETCH(const QJsonObject, row);
    const QString kind = row["kind"].toString(), setup = row["setup"].toString();
    // The settings every row starts from, then the row's own.
    QVERIFY(setProperties(m_config, iotTables().value("eventsAreBuiltSettings").toObject()));
    QVERIFY(setProperties(m_config, row["settings"].toObject()));
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
    const QString ts = QStringLiteral("1767225600"), probe = QStringLiteral("Probe open on the lower heater of bin 4");
    const qint64 panTime = 1767225600600;
    const QString pan = setup.contains(QLatin1String("tag")) || kind.startsWith(QLatin1String("holdStop"))
                            ? QStringLiteral("5a3c150de2f4a7b8") : QStringLiteral("0");
    RecordingAdapter &a = *m_adapter;
    if (setup == QLatin1String("bin 20"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("outside the cabinet")));
    if (setup == QLatin1String("unwired")) {
        a.set_translator(nullptr);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused, the adapter is not wired")));
    }
    if (kind == "networkSettings") a.sendNetworkSettings();
    else if (kind == "preheatStart") a.sendPreheatStarted(ts);
    else if (kind == "preheatComplete") a.sendPreheatCompleted(ts, setup == QLatin1String("bin 20") ? 20 : 4, 90);
    else if (kind == "daypartChange") a.sendDaypartChanged(ts, 2, 1, 2);
    else if (kind == "languageChange") a.sendLanguageChanged(5);
    else if (kind == "passcodeChange") a.sendPasscodeChanged(QStringLiteral("12345678901234567890123456789012345"));
    else if (kind == "passcodeEntered") a.sendPasscodeEntered(QStringLiteral("ServiceSettingsPage"), 3, true);
    else if (kind == "restaurantNumberUpdated") a.sendRestaurantNumberUpdated(QStringLiteral("77"), QStringLiteral("1234"));
    else if (kind == "Updated") a.sendSystemUpdated(ts, false);
    else if (kind == "firmwareUpdated") a.sendFirmwareUpdated(ts, QStringLiteral("RO-2504"), QStringLiteral("RO-2503"), 2, true);
    else if (kind == "performanceDataInterval") a.sendPerformanceDataInterval(300);
    else if (kind == "error") a.sendError(ts, setup, probe, QStringLiteral("7"));
    else if (kind == "errorClear") a.sendErrorClear(ts, setup, probe, QStringLiteral("7"));
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

    if (!row.contains("expected")) {
        QVERIFY(a.sent.isEmpty());
        return;
    }
    QCOMPARE(a.sent.size(), 1);
    QCOMPARE(a.sent.first().toUtf8(), IotJson::write(a.last()));
    QJsonObject want = row["expected"].toObject();
    if (row["header"].toBool())
        for (const char *key : {"cabinetUuid", "location", "modelNumber", "serialNumber"})
            want.insert(key, QJsonObject{{"cabinetUuid", "uuid-1"}, {"location", "1234"}, {"modelNumber", "MODEL-A"},
                                         {"serialNumber", "SN-0001"}}.value(key));
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QCOMPARE(compact(a.last()), compact(want).replace("NOW-T", QByteArray::number(now / 1000))
                                    .replace("NOW-R", QByteArray::number((now + 500) / 1000)));
    if (kind == "networkSettings")
        QVERIFY(!m_config->get_networkSettingsUpdated());
}

// "expected": the message but for its time stamp and passcode.
void TestIotAgentAdapter::menuSnapshot()
{
    QFETCH(const QJsonObject, row);
    m_cabinet.customer = row["customer"].toInt();
    m_cabinet.trays = 13; // bins 9-12 of the fixture's day parts are the last ones
    if (row["event"] == QLatin1String("powerOn"))
        m_adapter->sendPowerOn();
    else
        m_adapter->sendMenuUpdated(QStringLiteral("1767225600"), 1, true);
    QJsonObject m = m_adapter->last();
    m.remove("timestamp");
    m.remove("passcode");
    QCOMPARE(m, row["expected"].toObject());
    QCOMPARE(m_cabinet.firmwareChecks, row["event"] == QLatin1String("powerOn") ? 1 : 0);
}

// "setting": the settings property that changes to "value"; "reply": errorDesc of a
// commandError; "warning": a required warning.
void TestIotAgentAdapter::inboundMessages()
{
    QFETCH(const QJsonObject, row);
    const QJsonValue text = row["text"];
    const QByteArray bytes = text.isObject() ? compact(text.toObject())
        : text == QLatin1String("oversize") ? QByteArray(TulIotAgentAdapter::MaxInboundBytes + 1, ' ')
                                             : text.toString().toUtf8();
    const QString setting = row["setting"].toString(), reply = row["reply"].toString();
    m_cabinet.backupRunning = bytes.contains("backup");
    const QStringList watched{"storeNumber", "performanceDataInterval", "iotSoftwareVersion", "iotConnected"};
    QVariantList before;
    for (const QString &name : watched)
        before << m_config->property(name.toLatin1());
    for (const QString &warning : {row["warning"].toString(), reply})
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    m_adapter->handleReceivedIoTInfo(QString::fromUtf8(bytes));

    QVariant value = row["value"].toVariant();
    for (int i = 0; i < watched.size(); ++i) {
        if (watched.at(i) == setting)
            QVERIFY(value.convert(before.at(i).userType()));
        QCOMPARE(m_config->property(watched.at(i).toLatin1()), watched.at(i) == setting ? value : before.at(i));
    }
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
    QVERIFY(qAbs(m.take("timestamp").toString().toLongLong() - QDateTime::currentSecsSinceEpoch()) <= 1);
    const QJsonObject in = text.toObject();
    QCOMPARE(compact(m), compact(QJsonObject{{"event", "commandError"}, {"errorDesc", reply},
                                             {"command", in.value("event").toString()},
                                             {"commandTs", in.value("timestamp").toDouble()},
                                             {"batch", QJsonObject{{"id", in["batch"]["id"].toString()}}}}));
}

// "error" absent: the hold stops.
void TestIotAgentAdapter::resetOfAHoldCycle()
{
    QFETCH(const QJsonObject, row);
    const QString event = row["event"].toString(), error = row["error"].toString();
    const bool inItsBin = row["inItsBin"].toBool();
    NfcTagItem2 *tag = registerPan(Pan, 3, true);
    QVERIFY(tag);
    if (!inItsBin)
        QVERIFY(registerPan(0x42, 3, true)); // a later pan took the bin
    if (!error.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(error));
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    receive(QJsonObject{{"event", event}, {"timestamp", 1767225600}, {"panId", row["panId"]},
                        {"cabinet", QJsonObject{{"serialNumber", row["serial"]}, {"cabinetUuid", row["uuid"]}}},
                        {"batch", QJsonObject{{"id", row["batch"]}}}});
    if (!error.isEmpty()) {
        QCOMPARE(m_adapter->last().value("errorDesc").toString(), error);
        QCOMPARE(m_adapter->last().value("command").toString(), event);
        QVERIFY(m_cabinet.holdStopEvents.isEmpty() && m_cabinet.stopped.isEmpty());
        QCOMPARE(int(tag->getHoldStatus()), 0);
        return;
    }
    QVERIFY(m_adapter->sent.isEmpty());
    QCOMPARE(m_cabinet.stopped, inItsBin ? QList<int>{3} : QList<int>());
    QCOMPARE(int(tag->getHoldStatus()), int(NfcTagItem2::StatusStopped));
    QVERIFY(tag->getActivationTimeStamp() >= before);
    QCOMPARE(m_cabinet.holdStopEvents.size(), 1);
    const QVariantList stop = m_cabinet.holdStopEvents.first();
    QVERIFY(qAbs(stop.at(0).toLongLong() - before / 1000) <= 1);
    QCOMPARE(stop.mid(1), (QVariantList{"Patty", "5a3c150de2f4a7b8", 3, "auto", 0}));
    QCOMPARE(tag->getRestartRequested(), event == QLatin1String("restart"));
    NFCmanager restored;
    QVERIFY(restored.restoreNFC2());
    QCOMPARE(int(restored.viewTagInfo2(Pan)->getHoldStatus()), int(NfcTagItem2::StatusStopped));
}

void TestIotAgentAdapter::restartAfterStop()
{
    QFETCH(const QJsonObject, row);
    const bool seen = row["seen"].toBool();
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

// "warning" absent: stored.
void TestIotAgentAdapter::wifiSettings()
{
    QFETCH(const QJsonObject, row);
    const QJsonObject message = row["message"].toObject();
    const QString warning = row["warning"].toString();
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

// "stored": the pans stored for "uuid-9" as uid, status, bin, seen, crc, batch, expiry,
// activation.
void TestIotAgentAdapter::holdingListOfAnotherCabinet()
{
    QFETCH(const QJsonObject, row);
    const QString warning = row["warning"].toString();
    NfcTagItem2 *local = registerPan(Pan, 3, true);
    QVERIFY(local);
    local->setActivationTimeStamp(qint64(row["localActivation"].toDouble()));
    auto &lists = m_cabinet.nfcManager->otherCabinetLists();
    // A list the cabinet sent before is replaced.
    lists.insert(QStringLiteral("uuid-9"), new QList<NfcTagItem2 *>{new NfcTagItem2(1)});
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    receive(QJsonObject{{"event", "holdingList"}, {"timestamp", 1767225600}, {"holdInfo", row["holdInfo"]},
                        {"cabinet", row["cabinet"]}});
    QCOMPARE(m_cabinet.nfcManager->doWeOwnThisTag2(Pan), row["localKept"].toBool());
    QVERIFY(lists.value("uuid-9"));
    QByteArrayList got;
    for (const NfcTagItem2 *t : *lists.value("uuid-9"))
        got << QByteArray::number(t->getUid(), 16) + ' ' + QByteArray::number(t->getHoldStatus()) + ' '
                   + QByteArray::number(t->getPosition()) + ' ' + QByteArray::number(t->getSeenInCabinet()) + ' '
                   + QByteArray::number(t->getCrc32()) + ' ' + t->getBatchId().toUtf8() + ' '
                   + QByteArray::number(t->getExpTime()) + ' ' + QByteArray::number(t->getActivationTimeStamp());
    QCOMPARE(got.join(';'), row.contains("stored") ? row["stored"].toString().toUtf8() : QByteArray("1 0 0 0 0  0 0"));
    QCOMPARE(m_adapter->sent.size(), warning == QLatin1String("Invalid location!") ? 1 : 0);
}

// "quadruple" empty: nothing emitted.
void TestIotAgentAdapter::sdkErrors()
{
    QFETCH(const QJsonObject, row);
    QSignalSpy errors(m_adapter, &TulIotAgentAdapter::iotSdkErrorInfo);
    QJsonObject message{{"event", "sdkError"}};
    if (row.contains("code"))
        message.insert("errorCode", row["code"]);
    else
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no error code"));
    receive(message);
    QStringList got;
    for (const QVariant &v : errors.value(0))
        got << v.toString();
    QCOMPARE(errors.count(), row["quadruple"].toString().isEmpty() ? 0 : 1);
    QCOMPARE(got.join(' '), row["quadruple"].toString());
}

void TestIotAgentAdapter::backupProgress()
{
    QFETCH(const QJsonObject, row);
    const QStringList states = row["states"].toVariant().toStringList();
    QSignalSpy activeChanged(m_adapter, &TulIotAgentAdapter::systemBackupActiveChanged);
    if (states.contains("Backup 250 MB"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a percentage"));
    for (const QString &state : states) {
        if (state.startsWith(QLatin1String("forced:")))
            m_adapter->forcedPackageChecked(QStringLiteral("pkg"), state.endsWith(QLatin1String("true")));
        else
            m_adapter->packageUpdateState(QStringLiteral("pkg"), state);
    }
    QCOMPARE(m_adapter->get_systemBackupActive(), row["active"].toBool());
    QCOMPARE(m_adapter->get_systemBackupProgress(), row["progress"].toInt());
    QCOMPARE(m_adapter->get_forcedPackageActive(), row["forced"].toBool());
    QVERIFY(activeChanged.count() <= 2);
}

// "exitCode" of the unzip stand-in; empty: not run.
void TestIotAgentAdapter::menuArchive()
{
    QFETCH(const QJsonObject, row);
    const QString exitCode = row["exitCode"].toString();
    const QString folder = m_roots->system() + QStringLiteral("home/korvane/updates/");
    for (const QString &file : row["files"].toVariant().toStringList())
        QVERIFY(m_roots->writeRootFile("../system/home/korvane/updates/" + file, QByteArray()));
    const QString archive = folder + QStringLiteral("menu_7.ZIP");
    if (!exitCode.isEmpty()) {
        QVERIFY(m_roots->writeRootFile("../system/standins/unzip.exit", exitCode.toLatin1()));
        // Still unpacking when the message has been taken.
        QVERIFY(m_roots->writeRootFile("../system/standins/unzip.sleep", "0.5"));
    }
    if (exitCode == QLatin1String("9")) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not unpacked: unzip failed with exit code 9"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("'UpdateAvailable' refused: Menu update failed"));
    }
    receive(QJsonObject{{"event", "UpdateAvailable"}, {"timestamp", 1767225600}});
    if (exitCode.isEmpty()) {
        QTest::qWait(100);
        QVERIFY(m_roots->toolCalls().isEmpty());
        QVERIFY(m_adapter->sent.isEmpty());
        return;
    }
    // The screen is not kept waiting: nothing of the unpacking's outcome has been acted on
    // when the message has been taken.
    QVERIFY(QFile::exists(archive));
    QVERIFY(m_adapter->sent.isEmpty());
    const QString unzip = "unzip -o " + archive + " -d " + folder + "menu/";
    QTRY_COMPARE(m_roots->toolCalls().value(0), unzip);
    if (row["archiveKept"].toBool()) {
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
    wire(&adapter);
    adapter.sendSystemUpdated(QStringLiteral("1767225600"), true);
    QTRY_COMPARE(agent.texts.size(), 1);
    QCOMPARE(agent.texts.first(), QStringLiteral("{\n    \"event\": \"Updated\",\n    \"status\": \"Success\",\n"
                                                 "    \"timestamp\": \"1767225600\"\n}\n"));
}

QTEST_GUILESS_MAIN(TestIotAgentAdapter)
#include "tst_iotagentadapter.moc"
