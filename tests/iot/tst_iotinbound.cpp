// The agent's messages into the cabinet without a bus: update offers and their reports,
// pending identity numbers, hold-cycle resets, other cabinets' holding lists and SDK
// errors, each through the dispatcher as the agent sends them.
#include "cabinetidentity.h"
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "fakeholdingview.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "scratchroots.h"
#include "tulpaths.h"
#include "tullumo.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QtTest>

namespace {

constexpr quint64 Pan = 0x5a3c0d11e2f4a7b8; // product 13
const QString PanText = QStringLiteral("5a3c0d11e2f4a7b8");
const QString Batch = QStringLiteral("5a3c0d11e2f4a7b8-1767225000");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

} // namespace

class TestIotInbound : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void updateOffers_data();
    void updateOffers();
    void makerUpdateReports_data();
    void makerUpdateReports();
    void pendingIdentity_data();
    void pendingIdentity();
    void holdCycleResets_data();
    void holdCycleResets();
    void holdingLists_data();
    void holdingLists();
    void sdkErrors_data();
    void sdkErrors();
    void statusLines_data();
    void statusLines();

private:
    void receive(const QByteArray &json) { m_lumo->handleReceivedLumoInfo(QString::fromUtf8(json)); }
    QJsonObject last() const
    {
        return m_sent->isEmpty() ? QJsonObject()
                                 : QJsonDocument::fromJson(m_sent->last().at(0).toString().toUtf8()).object();
    }

    FakeCabinetCore *m_core = nullptr;
    ConfigurationManager *m_config = nullptr;
    NFCmanager *m_nfc = nullptr;
    FakeHoldingView m_view;
    TulLumo *m_lumo = nullptr;
    QSignalSpy *m_sent = nullptr;
    QScopedPointer<ScratchRoots> m_scratch;
};

void TestIotInbound::init()
{
    // Every row in fresh folders of its own.
    m_scratch.reset(new ScratchRoots);
    m_core = new FakeCabinetCore;
    m_config = new ConfigurationManager(nullptr, nullptr, true, 1, m_core);
    m_core->configManagerPtr = m_config;
    m_config->set_serialNumber(QStringLiteral("SN-0001"));
    m_config->set_modelNumber(QStringLiteral("MODEL-A"));
    m_config->set_storeNumber(QStringLiteral("1234"));
    m_config->set_uuidNumber(QStringLiteral("uuid-1"));
    m_config->set_iotType(QStringLiteral("QRB_LUMO"));
    m_nfc = new NFCmanager(m_core);
    m_view = FakeHoldingView();
    m_view.nfc_ = true;
    m_view.nfcManager = m_nfc;
    m_view.nameOf = {{13, QStringLiteral("Nuggets")}};
    m_lumo = new TulLumo(&m_view, m_core);
    m_sent = new QSignalSpy(m_lumo, &TulLumo::sendLumoInfo);
    TulLumo::setSdkErrorRepeatMs(60000);
}

void TestIotInbound::cleanup()
{
    delete m_sent;
    delete m_core;
    m_scratch.reset();
}

// ---- update offers ------------------------------------------------------------------------

void TestIotInbound::updateOffers_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("offer");      // the values of the inbound offer
    QTest::addColumn<bool>("folder");           // the update folder exists
    QTest::addColumn<QByteArray>("offerFile");  // as recorded; empty: not recorded
    QTest::addColumn<QByteArray>("result");     // result or status file; null: none
    QTest::addColumn<QStringList>("reported");  // status, detail, checksumExpected

    const QByteArray offer = R"("fileName":"fw.tar","version":"1.2","noEarlierThan":"1700000000","checksum":"ab12")";
    const QByteArray file = "fileName=fw.tar\nfileVersion=1.2\nattemptedAt=1700000000\nchecksumExpected=ab12\n";
    QTest::newRow("firmware, successful") << "firmware" << offer << true << file
        << QByteArray("updateResult=successful\nresultDetail=done\n") << QStringList{"updated", "done", "ab12"};
    QTest::newRow("firmware, successful then failed") << "firmware" << offer << true << file
        << QByteArray("updateResult=successful\nresultDetail=disk full\nupdateResult=no space\n")
        << QStringList{"updated", "disk full", "ab12"};
    QTest::newRow("firmware, other result") << "firmware" << offer << true << file
        << QByteArray("updateResult=partial\nresultDetail=disk full\n")
        << QStringList{"update failed", "disk full", "ab12"};
    QTest::newRow("firmware, no detail") << "firmware" << offer << true << file
        << QByteArray("updateResult=successful\n") << QStringList{"updated", "Firmware update did not start", "ab12"};
    QTest::newRow("firmware, no result yet") << "firmware" << offer << true << file << QByteArray()
        << QStringList{"update failed", "Firmware update did not start", "ab12"};
    QTest::newRow("checksum holding =") << "firmware"
        << QByteArray(R"("fileName":"fw.tar","version":"1.2","noEarlierThan":"1700000000","checksum":"q0==")")
        << true << QByteArray("fileName=fw.tar\nfileVersion=1.2\nattemptedAt=1700000000\nchecksumExpected=q0==\n")
        << QByteArray("updateResult=successful\nresultDetail=done\n") << QStringList{"updated", "done", ""};
    QTest::newRow("values not text") << "firmware"
        << QByteArray(R"("fileName":7,"version":null,"noEarlierThan":1700000000,"checksum":"ab12")") << true
        << QByteArray("fileName=\nfileVersion=\nattemptedAt=\nchecksumExpected=ab12\n")
        << QByteArray("updateResult=successful\nresultDetail=done\n") << QStringList{"updated", "done", "ab12"};
    QTest::newRow("firmware folder missing") << "firmware" << offer << false << QByteArray() << QByteArray()
                                             << QStringList();
    QTest::newRow("line break in a value") << "firmware"
        << QByteArray(R"("fileName":"fw.tar\nupdateResult=successful","version":"1.2")") << true << QByteArray()
        << QByteArray() << QStringList();
    QTest::newRow("menu, updated") << "menu" << offer << true << file
        << QByteArray("status=updated\nstatusDetail=updated\n") << QStringList{"updated", "updated", "ab12"};
    QTest::newRow("menu, import failed") << "menu" << offer << true << file
        << QByteArray("status=update failed\nstatusDetail=Invalid menu file\n")
        << QStringList{"update failed", "Invalid menu file", "ab12"};
    QTest::newRow("menu, not imported yet") << "menu" << offer << true << file << QByteArray()
        << QStringList{"update failed", "Menu update did not start", "ab12"};
    QTest::newRow("menu folder missing") << "menu" << offer << false << QByteArray() << QByteArray() << QStringList();
}

void TestIotInbound::updateOffers()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, offer);
    QFETCH(bool, folder);
    QFETCH(QByteArray, offerFile);
    QFETCH(QByteArray, result);
    QFETCH(QStringList, reported);
    const bool firmware = kind == QLatin1String("firmware");
    const QString offerPath = firmware ? TulLumo::firmwareOfferPath() : TulLumo::menuOfferPath();
    const QString resultPath = firmware ? TulLumo::firmwareResultPath() : TulLumo::menuStatusPath();
    if (folder)
        QVERIFY(QDir().mkpath(firmware ? TulLumo::firmwareUpdateDir() : TulLumo::menuUpdateDir()));
    m_config->set_importedMenu(QStringLiteral("old.json|1700000000"));
    const QRegularExpression refused(QStringLiteral("directory is missing|line break"));
    if (offerFile.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, refused);
    receive("{\"event\":\"" + kind.toLatin1() + "UpdateAvailable\"," + offer + "}");
    QCOMPARE(readAll(offerPath), offerFile);
    if (offerFile.isEmpty())
        return;

    const auto report = [&] {
        if (firmware)
            m_lumo->handle_event_firmwareUpdated(QStringLiteral("1"), QString(), QString(), 0, true);
        else
            m_lumo->checkMenuUpdateDone();
    };
    if (!result.isNull())
        QVERIFY(writeAll(resultPath, result));
    report();
    QCOMPARE(m_sent->count(), 1);
    QJsonObject status = last();
    QCOMPARE((QStringList{status.value("status").toString(), status.value("statusDetail").toString(),
                          status.value("checksumExpected").toString()}),
             reported);
    QCOMPARE(status.value("checksumCalculated").toString(), QStringLiteral("not checked"));
    QCOMPARE(status.value("updateType").toString(), kind);
    QHash<QString, QString> offered;
    for (const QByteArray &line : offerFile.split('\n'))
        offered.insert(QString::fromUtf8(line.left(line.indexOf('='))), QString::fromUtf8(line.mid(line.indexOf('=') + 1)));
    QCOMPARE(status.value("updateEventId").toString(),
             offered.value("fileName") + offered.value("fileVersion") + "SN-0001" + offered.value("attemptedAt"));
    if (!result.isNull()) {
        QVERIFY(!QFile::exists(offerPath));
        QVERIFY(!QFile::exists(resultPath));
        QCOMPARE(m_config->get_importedMenu(),
                 reported.first() == QLatin1String("updated") && !firmware ? QStringLiteral("1.2")
                                                                            : QStringLiteral("old.json|1700000000"));
        return;
    }
    // Without its result the offer stays, reported once; the result that comes later is
    // reported then.
    QVERIFY(QFile::exists(offerPath));
    report();
    QCOMPARE(m_sent->count(), 1);
    QVERIFY(writeAll(resultPath, firmware ? "updateResult=successful\nresultDetail=done\n" : "status=updated\n"));
    report();
    QCOMPARE(m_sent->count(), 2);
    QCOMPARE(last().value("status").toString(), QStringLiteral("updated"));
    QVERIFY(!QFile::exists(offerPath));
}

void TestIotInbound::makerUpdateReports_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("expected"); // members beyond the envelope; empty: nothing
    QTest::newRow("offer not recorded") << "offer" << QByteArray();
    QTest::newRow("menu import") << "menu"
        << QByteArray(R"({"success":false,"method":2,"menu":{"new":"","prev":""},"menuVersion":"0"})");
    QTest::newRow("firmware") << "firmware"
        << QByteArray(R"({"success":true,"method":0,"firmware":{"new":"RO-2503","prev":"RO-2400"}})");
}

void TestIotInbound::makerUpdateReports()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, expected);
    m_config->set_iotType(QStringLiteral("QRB_VAZARA"));
    QVERIFY(QDir().mkpath(TulLumo::menuUpdateDir()));
    if (kind == QLatin1String("offer"))
        receive(R"({"event":"menuUpdateAvailable","fileName":"m.json","version":"3"})");
    else if (kind == QLatin1String("menu"))
        m_lumo->handle_event_menuUpdated(QStringLiteral("1767225600"), 2, false);
    else
        m_lumo->handle_event_firmwareUpdated(QStringLiteral("1767225600"), QStringLiteral("RO-2503"),
                                             QStringLiteral("RO-2400"), 0, true);
    QVERIFY(!QFile::exists(TulLumo::menuOfferPath()));
    QVERIFY(!QFile::exists(TulLumo::menuStatusPath()));
    if (expected.isEmpty()) {
        QCOMPARE(m_sent->count(), 0);
        return;
    }
    QCOMPARE(m_sent->count(), 1);
    const QJsonObject got = last();
    QCOMPARE(got.value("timestamp").toString(), QStringLiteral("1767225600"));
    QCOMPARE(got.value("cabinetUuid").toString(), QStringLiteral("uuid-1"));
    const QJsonObject want = QJsonDocument::fromJson(expected).object();
    for (auto it = want.begin(); it != want.end(); ++it)
        QCOMPARE(got.value(it.key()), it.value());
}

// ---- pending identity --------------------------------------------------------------------

void TestIotInbound::pendingIdentity_data()
{
    QTest::addColumn<QStringList>("commands"); // "model:value" / "serial:value", in order
    QTest::addColumn<QByteArray>("serialFile"); // put there by hand; null: none
    QTest::addColumn<QStringList>("acks");      // acknowledgement statuses
    QTest::addColumn<QString>("model");         // after the next start
    QTest::addColumn<QString>("serial");
    QTest::addColumn<bool>("credentialsKept");

    QTest::newRow("model number") << QStringList{"model:QXV31PRM2K"} << QByteArray() << QStringList{"success"}
                                  << "QXV31PRM2K" << "SN-0001" << false;
    QTest::newRow("two model numbers, the second wins") << QStringList{"model:QXV31PRM2K", "model:QXV63PRT2K"}
        << QByteArray() << QStringList{"success", "success"} << "QXV63PRT2K" << "SN-0001" << false;
    QTest::newRow("model number in small letters") << QStringList{"model:qxv31prm2k"} << QByteArray()
                                                   << QStringList{"failure"} << "MODEL-A" << "SN-0001" << true;
    QTest::newRow("long serial, then a short one") << QStringList{"serial:SN-0000000000000002", "serial:SN-3"}
        << QByteArray() << QStringList{"success", "success"} << "MODEL-A" << "SN-3" << false;
    QTest::newRow("serial holding =") << QStringList{"serial:SN=2"} << QByteArray() << QStringList{"failure"}
                                      << "MODEL-A" << "SN-0001" << true;
    QTest::newRow("serial with a line break") << QStringList{"serial:SN\nmodelNumber=X"} << QByteArray()
                                              << QStringList{"failure"} << "MODEL-A" << "SN-0001" << true;
    QTest::newRow("empty serial") << QStringList{"serial:"} << QByteArray() << QStringList{"failure"} << "MODEL-A"
                                  << "SN-0001" << true;
    QTest::newRow("serial not text") << QStringList{"serial#"} << QByteArray() << QStringList{"failure"}
                                     << "MODEL-A" << "SN-0001" << true;
    QTest::newRow("pending file without a value") << QStringList() << QByteArray("serialNumber=\n") << QStringList()
                                                  << "MODEL-A" << "SN-0001" << true;
    QTest::newRow("pending file, last line wins") << QStringList()
        << QByteArray("serialNumber=SN-7\nserialNumber=SN-8\nserialNumber=a=b\n") << QStringList() << "MODEL-A"
        << "SN-8" << false;
    QTest::newRow("nothing pending") << QStringList() << QByteArray() << QStringList() << "MODEL-A" << "SN-0001"
                                     << true;
}

void TestIotInbound::pendingIdentity()
{
    QFETCH(QStringList, commands);
    QFETCH(QByteArray, serialFile);
    QFETCH(QStringList, acks);
    QFETCH(QString, model);
    QFETCH(QString, serial);
    QFETCH(bool, credentialsKept);
    QVERIFY(writeAll(CabinetIdentity::credentialsPath(), "token"));
    if (!serialFile.isNull())
        QVERIFY(writeAll(TulLumo::pendingSerialPath(), serialFile));
    QStringList statuses;
    for (const QString &c : commands) {
        QJsonObject command{{"event", "command"}};
        command.insert("command", c.startsWith("model") ? "updateModelNumber" : "updateSerialNumber");
        command.insert("commandValue", c.contains(':') ? QJsonValue(c.section(':', 1)) : QJsonValue(42));
        receive(QJsonDocument(command).toJson());
        statuses << last().value("commandStatus").toString();
    }
    QCOMPARE(statuses, acks);
    // Not before the next start.
    QCOMPARE(m_config->get_modelNumber(), QStringLiteral("MODEL-A"));
    QCOMPARE(m_config->get_serialNumber(), QStringLiteral("SN-0001"));
    if (commands.value(0) == QLatin1String("serial:SN-0000000000000002"))
        QCOMPARE(readAll(TulLumo::pendingSerialPath()), QByteArray("serialNumber=SN-3\n"));

    m_lumo->checkModelSerialUpdates();
    QCOMPARE(m_config->get_modelNumber(), model);
    QCOMPARE(m_config->get_serialNumber(), serial);
    QVERIFY(!QFile::exists(TulLumo::pendingModelPath()));
    QVERIFY(!QFile::exists(TulLumo::pendingSerialPath()));
    QCOMPARE(QFile::exists(CabinetIdentity::credentialsPath()), credentialsKept);
    if (!credentialsKept)
        QVERIFY(readAll(CabinetIdentity::identityFilePath()).contains("serialNumber=" + serial.toUtf8() + "\n"));
}

// ---- hold-cycle resets -------------------------------------------------------------------

void TestIotInbound::holdCycleResets_data()
{
    QTest::addColumn<bool>("customer");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<bool>("inBin");   // the pan still sits in its bin
    QTest::addColumn<QString>("reply"); // acknowledgement detail or error; empty: none
    QTest::addColumn<bool>("ended");
    QTest::addColumn<bool>("restart");

    const QByteArray reset = R"({"event":"command","command":"resetCycle","commandValue":"%1"})";
    const QByteArray restart = R"({"event":"command","command":"restartCycle","commandValue":"%1"})";
    QTest::newRow("resetCycle") << true << QByteArray(reset).replace("%1", Batch.toLatin1()) << true << "Command executed"
                                << true << false;
    QTest::newRow("restartCycle") << true << QByteArray(restart).replace("%1", Batch.toLatin1()) << true
                                  << "Command executed" << true << true;
    QTest::newRow("resetCycle, pan left its bin") << true
        << QByteArray(R"({"event":"command","command":"resetCycle","commandValue":"5a3c0d11e2f4a7b8-1767225000"})")
        << false << "Command executed" << true << false;
    QTest::newRow("cycle id without -") << true
        << QByteArray(R"({"event":"command","command":"resetCycle","commandValue":"5a3c0d11e2f4a7b8"})") << true
        << "Cycle eventUuid not found" << false << false;
    QTest::newRow("cycle id with two -") << true
        << QByteArray(R"({"event":"command","command":"resetCycle","commandValue":"5a3c0d11e2f4a7b8-1767225000-1"})")
        << true << "Cycle eventUuid not found" << false << false;
    QTest::newRow("another cycle of the pan") << true
        << QByteArray(R"({"event":"command","command":"restartCycle","commandValue":"5a3c0d11e2f4a7b8-1"})") << true
        << "Cycle eventUuid not found" << false << false;

    const QByteArray maker = R"({"event":"%e","timestamp":1767225000,"panId":"5a3c0d11e2f4a7b8",
        "cabinet":{"serialNumber":"%s","cabinetUuid":"%u"},"batch":{"id":"%b"}})";
    const auto makerRow = [&maker](const char *event, const char *serial, const char *uuid, const QString &batch) {
        return QByteArray(maker).replace("%e", event).replace("%s", serial).replace("%u", uuid).replace(
            "%b", batch.toLatin1());
    };
    QTest::newRow("maker reset") << false << makerRow("reset", "SN-0001", "uuid-1", Batch) << true << "" << true
                                 << false;
    QTest::newRow("maker restart, pan left") << false << makerRow("restart", "SN-0001", "uuid-1", Batch) << false
                                             << "" << true << true;
    QTest::newRow("maker, other serial") << false << makerRow("reset", "SN-9", "uuid-9", "x") << true
                                         << "Serial number error" << false << false;
    QTest::newRow("maker, other cabinet UUID") << false << makerRow("reset", "SN-0001", "uuid-9", Batch) << true
                                               << "Cabinet UUID error" << false << false;
    QTest::newRow("maker, other batch") << false << makerRow("restart", "SN-0001", "uuid-1", "x") << true
                                        << "Hold record not found" << false << false;
}

void TestIotInbound::holdCycleResets()
{
    QFETCH(bool, customer);
    QFETCH(QByteArray, message);
    QFETCH(bool, inBin);
    QFETCH(QString, reply);
    QFETCH(bool, ended);
    QFETCH(bool, restart);
    m_config->set_iotType(customer ? QStringLiteral("QRB_LUMO") : QStringLiteral("GM_VAZARA"));
    auto *entry = new NfcTagItem2(Pan);
    entry->setPosition(6);
    entry->setBatchId(Batch);
    entry->setActivationTimeStamp(1000);
    QVERIFY(m_nfc->registerTag2(entry));
    if (!inBin)
        m_nfc->deregisterTag2(Pan);
    entry->setHoldStatus(NfcTagItem2::StatusStarted);
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    receive(message);

    const QJsonObject answer = last();
    QCOMPARE(answer.value(customer ? "commandStatusDetails" : "errorDesc").toString(), reply);
    if (!customer && !reply.isEmpty()) {
        QCOMPARE(answer.value("commandTs").toDouble(), 1767225000.0);
        QCOMPARE(answer.value("command").toString(), QJsonDocument::fromJson(message).object().value("event").toString());
    }
    QCOMPARE(m_view.stopped, ended && inBin ? QList<int>{6} : QList<int>());
    QList<QVariantList> stopEvents;
    if (ended)
        stopEvents.append({QStringLiteral("Nuggets"), PanText, 6, QStringLiteral("auto"), 0});
    QCOMPARE(m_view.holdStopEvents, stopEvents);
    QCOMPARE(entry->getRestartRequested(), restart);
    QCOMPARE(int(entry->getHoldStatus()), ended || !inBin ? 4 : 0);
    if (!ended)
        return;
    QVERIFY(entry->getActivationTimeStamp() >= before);
    // The end of the hold is in the store.
    NFCmanager restored;
    QVERIFY(restored.restoreNFC2());
    QVERIFY(restored.viewTagInfo2(Pan));
    QCOMPARE(int(restored.viewTagInfo2(Pan)->getHoldStatus()), 4);
}

// ---- holding lists of other cabinets -----------------------------------------------------

void TestIotInbound::holdingLists_data()
{
    QTest::addColumn<bool>("customer");
    QTest::addColumn<QList<QByteArray>>("lists"); // received in order
    QTest::addColumn<bool>("panKept");
    QTest::addColumn<QString>("error");           // commandError description; empty: none
    QTest::addColumn<double>("commandTs");
    QTest::addColumn<QString>("stored");          // the sender's first record; empty: no list

    // This cabinet took the pan up at 1767224999.700 s.
    const QByteArray list = R"({"event":"holdingList","timestamp":1767225100,"serialNumber":"SN-2",
        "location":"1234","holdInfo":[%1]})";
    const auto with = [&list](const QByteArray &entries) { return QByteArray(list).replace("%1", entries); };
    const QByteArray later = R"({"panId":"5a3c0d11e2f4a7b8","status":2,"bin":261,"inCabinet":true,
        "crc32":4026531840,"activationTS":1767225002,"batch":{"id":"b-2","expiration":1767228600}})";
    QTest::newRow("taken up 2 s later there") << true << QList<QByteArray>{with(later)} << false << "" << 0.0
        << "5a3c0d11e2f4a7b8 2 5 1 4026531840 1767225002000 1767228600000 b-2";
    QTest::newRow("taken up 0.3 s later there") << true
        << QList<QByteArray>{with(R"({"panId":"5a3c0d11e2f4a7b8","activationTS":1767225000})")} << true << ""
        << 0.0 << "5a3c0d11e2f4a7b8 0 0 0 0 1767225000000 0 ";
    QTest::newRow("taken up earlier there") << true
        << QList<QByteArray>{with(R"({"panId":"5a3c0d11e2f4a7b8","activationTS":1767224000,"crc32":-1})")} << true
        << "" << 0.0 << "5a3c0d11e2f4a7b8 0 0 0 0 1767224000000 0 ";
    QTest::newRow("entries without a pan id skipped") << true
        << QList<QByteArray>{with(R"(7,{"panId":"xyz"},{"bin":3},{"panId":"a1","status":260})")} << true << ""
        << 0.0 << "a1 4 0 0 0 0 0 ";
    QTest::newRow("second list replaces the first") << true
        << QList<QByteArray>{with(later), with(R"({"panId":"b2"})")} << false << "" << 0.0 << "b2 0 0 0 0 0 0 ";
    QTest::newRow("other store") << true
        << QList<QByteArray>{QByteArray(with(later)).replace("\"1234\"", "\"999\"")} << true << "Invalid location!"
        << 1767225100.0 << "";
    QTest::newRow("other store, time in milliseconds") << true
        << QList<QByteArray>{QByteArray(with(later)).replace("\"1234\"", "\"999\"").replace("1767225100",
                                                                                              "1767225100000")}
        << true << "Invalid location!" << 0.0 << "";
    QTest::newRow("own list") << true << QList<QByteArray>{QByteArray(with(later)).replace("SN-2", "SN-0001")}
                              << true << "" << 0.0 << "";
    QTest::newRow("no array") << true << QList<QByteArray>{QByteArray(list).replace("[%1]", "{}")} << true << ""
                              << 0.0 << "";
    QTest::newRow("maker, sender in cabinet") << false
        << QList<QByteArray>{QByteArray(R"({"event":"holdingList","timestamp":1767225100,
            "cabinet":{"serialNumber":"SN-2","location":"1234"},"holdInfo":[)") + later + "]}"}
        << false << "" << 0.0 << "5a3c0d11e2f4a7b8 2 5 1 4026531840 1767225002000 1767228600000 b-2";
    QTest::newRow("maker, sender at the top level") << false << QList<QByteArray>{with(later)} << true
                                                    << "Invalid location!" << 1767225100.0 << "";
}

void TestIotInbound::holdingLists()
{
    QFETCH(bool, customer);
    QFETCH(QList<QByteArray>, lists);
    QFETCH(bool, panKept);
    QFETCH(QString, error);
    QFETCH(double, commandTs);
    QFETCH(QString, stored);
    m_config->set_iotType(customer ? QStringLiteral("QRB_LUMO") : QStringLiteral("QRB_VAZARA"));
    auto *entry = new NfcTagItem2(Pan);
    entry->setPosition(6);
    entry->setActivationTimeStamp(1767224999700);
    QVERIFY(m_nfc->registerTag2(entry));
    if (!panKept)
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(
                                            QStringLiteral("Removed and cancelled holding for #5a3c0d11e2f4a7b8. "
                                                           "Cabinet SN-2 has it!")));
    for (const QByteArray &list : lists)
        receive(list);
    QCOMPARE(m_nfc->doWeOwnThisTag2(Pan), panKept);
    QCOMPARE(m_nfc->getBinTagUid(6), panKept ? Pan : 0);
    QCOMPARE(m_sent->count(), error.isEmpty() ? 0 : 1);
    if (!error.isEmpty()) {
        QCOMPARE(last().value("errorDesc").toString(), error);
        QCOMPARE(last().value("command").toString(), QStringLiteral("holdingList"));
        QCOMPARE(last().value("commandTs").toDouble(), commandTs);
    }
    const auto &tables = m_nfc->otherCabinetLists();
    QCOMPARE(tables.contains(QStringLiteral("SN-2")), !stored.isEmpty());
    if (stored.isEmpty())
        return;
    QCOMPARE(tables.size(), 1);
    const QList<NfcTagItem2 *> *got = tables.value(QStringLiteral("SN-2"));
    QVERIFY(!got->isEmpty());
    const NfcTagItem2 *r = got->first();
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                 .arg(QString::number(r->getUid(), 16))
                 .arg(r->getHoldStatus())
                 .arg(r->getPosition())
                 .arg(int(r->getSeenInCabinet()))
                 .arg(r->getCrc32())
                 .arg(r->getActivationTimeStamp())
                 .arg(r->getExpTime())
                 .arg(r->getBatchId()),
             stored);
}

// ---- SDK errors --------------------------------------------------------------------------

void TestIotInbound::sdkErrors_data()
{
    QTest::addColumn<QByteArray>("codes");    // "errorCode" values, one message each
    QTest::addColumn<QList<int>>("reported"); // sub codes 1 and 2 of each report, in order

    QTest::newRow("text") << QByteArray(R"("-2210")") << QList<int>{3, 7};
    QTest::newRow("number") << QByteArray("-161") << QList<int>{1, 4};
    QTest::newRow("last listed") << QByteArray(R"("-8599")") << QList<int>{4, 4};
    QTest::newRow("missing") << QByteArray() << QList<int>{4, 5};
    QTest::newRow("next to a listed code") << QByteArray(R"("-105")") << QList<int>{4, 5};
    QTest::newRow("not a number") << QByteArray(R"("-16x")") << QList<int>{4, 5};
    QTest::newRow("fraction") << QByteArray("-161.5") << QList<int>{4, 5};
    QTest::newRow("a flood of one code") << QByteArray(R"("-200","-200","-200","-201","-200")")
                                         << QList<int>{2, 0, 2, 1};
}

void TestIotInbound::sdkErrors()
{
    QFETCH(QByteArray, codes);
    QFETCH(QList<int>, reported);
    QSignalSpy errors(m_lumo, &TulLumo::lumoSdkErrorInfo);
    const QList<QByteArray> values = codes.isEmpty() ? QList<QByteArray>{QByteArray()} : codes.split(',');
    const auto report = [this](const QByteArray &value) {
        receive(value.isEmpty() ? R"({"event":"sdkError"})" : R"({"event":"sdkError","errorCode":)" + value + "}");
    };
    for (const QByteArray &value : values)
        report(value);
    QList<int> got;
    for (const QList<QVariant> &e : qAsConst(errors)) {
        QCOMPARE(e.at(0).toInt(), 8);
        QCOMPARE(e.at(3).toInt(), 0);
        got << e.at(1).toInt() << e.at(2).toInt();
    }
    QCOMPARE(got, reported);
    QCOMPARE(m_sent->count(), 0); // the agent's errors are not answered
    // Once the period is over, the same code is logged again.
    TulLumo::setSdkErrorRepeatMs(0);
    report(values.first());
    QCOMPARE(errors.count(), reported.size() / 2 + 1);
}

// ---- provisioning and certificate -------------------------------------------------------

void TestIotInbound::statusLines_data()
{
    QTest::addColumn<QStringList>("states");   // "provisioningState:x" / "certificateState:x", in order
    QTest::addColumn<QStringList>("lines");    // the last part of each line shown
    QTest::addColumn<bool>("connected");

    QTest::newRow("not provisioned") << QStringList{"provisioningState:notProvisioned"}
                                     << QStringList{"Not provisioned"} << false;
    QTest::newRow("provisioned for good") << QStringList{"provisioningState:provisioning", "provisioningState:permanent"}
                                          << QStringList{"Provisioning"} << true;
    QTest::newRow("unknown state") << QStringList{"provisioningState:maybe", "certificateState:lost"} << QStringList()
                                   << false;
    QTest::newRow("a time-out stays") << QStringList{"certificateState:certificateRequested",
                                                     "certificateState:certificateReqTimeout",
                                                     "certificateState:certificateRequested",
                                                     "certificateState:certificateReceived",
                                                     "certificateState:certificateRequested"}
        << QStringList{"Certificate requested", "Certificate request timeout",
                       "Certificate request timeout, retrying...", "Certificate received",
                       "Certificate request timeout, retrying..."} << false;
}

void TestIotInbound::statusLines()
{
    QFETCH(QStringList, states);
    QFETCH(QStringList, lines);
    QFETCH(bool, connected);
    QStringList shown;
    connect(m_lumo, &TulLumo::iotProvisioningState, this, [&shown](const QString &l) { shown << l; });
    connect(m_lumo, &TulLumo::iotCertificateState, this, [&shown](const QString &l) { shown << l; });
    for (const QString &state : states) {
        if (state.endsWith(":maybe") || state.endsWith(":lost"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Undefined .*State value!")));
        receive(QJsonDocument(QJsonObject{{"event", state.section(':', 0, 0)}, {"state", state.section(':', 1)}})
                    .toJson());
    }
    QCOMPARE(shown.size(), lines.size());
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(shown.at(i).startsWith("<b>") && shown.at(i).endsWith("</b> " + lines.at(i)), qPrintable(shown.at(i)));
    QCOMPARE(m_config->get_iotConnected(), connected);
    QCOMPARE(m_sent->count(), 0);
}

QTEST_GUILESS_MAIN(TestIotInbound)
#include "tst_iotinbound.moc"
