// The agent's messages into the cabinet without a bus: update offers and their reports,
// pending identity numbers, hold-cycle resets, other cabinets' holding lists and SDK
// errors, each through the dispatcher as the agent sends them. The tables are in
// tests/data/iot/tst_iotinbound.json.
#include "cabinetidentity.h"
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "fakeholdingview.h"
#include "iottables.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "scratchroots.h"
#include "tulpaths.h"
#include "tullumo.h"

namespace {

constexpr quint64 Pan = 0x5a3c0d11e2f4a7b8; // product 13

} // namespace

class TestIotInbound : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    IOT_TABLE_TEST(updateOffers)
    IOT_TABLE_TEST(makerUpdateReports)
    IOT_TABLE_TEST(pendingIdentity)
    IOT_TABLE_TEST(holdCycleResets)
    IOT_TABLE_TEST(holdingLists)
    IOT_TABLE_TEST(sdkErrors)
    IOT_TABLE_TEST(statusLines)

private:
    void receive(const QJsonObject &json) { m_lumo->handleReceivedLumoInfo(QString::fromUtf8(compact(json))); }
    QJsonObject last() const { return m_sent->isEmpty() ? QJsonObject() : objectOf(m_sent->last().at(0).toByteArray()); }
    void useSchema(const QJsonObject &row, const char *maker = "QRB_VAZARA")
    {
        m_config->set_iotType(row["customer"].toBool() ? QStringLiteral("QRB_LUMO") : QString::fromLatin1(maker));
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
    QVERIFY(setProperties(m_config, {{"serialNumber", "SN-0001"}, {"modelNumber", "MODEL-A"}, {"storeNumber", "1234"},
                                     {"uuidNumber", "uuid-1"}, {"iotType", "QRB_LUMO"}}));
    m_nfc = new NFCmanager(m_core);
    m_view = FakeHoldingView();
    m_view.nfc_ = true;
    m_view.nfcManager = m_nfc;
    m_view.nameOf = {{13, QStringLiteral("Nuggets")}};
    m_lumo = new TulLumo(&m_view, m_core);
    m_sent = new QSignalSpy(m_lumo, &TulLumo::sendLumoInfo);
}

void TestIotInbound::cleanup()
{
    delete m_sent;
    delete m_core;
    m_scratch.reset();
}

// "offer": the values of the inbound offer; "folder" false: the update folder is missing;
// "offerFile" as recorded, absent: not recorded; "result": the result or status file,
// absent: none; "reported": status, detail and checksumExpected (also checksumCalculated).
// Without a result: "mark" put in the file of reported offers once the offer is recorded,
// "markLeft" what is left of it in the end (absent: no file); "offerAgain": the cloud
// offers the same again after the report.
void TestIotInbound::updateOffers()
{
    QFETCH(const QJsonObject, row);
    const QString kind = row["kind"].toString();
    const QByteArray offerFile = row["offerFile"].toString().toUtf8();
    const QStringList reported = row["reported"].toVariant().toStringList();
    const bool firmware = kind == QLatin1String("firmware");
    const QString offerPath = firmware ? TulLumo::firmwareOfferPath() : TulLumo::menuOfferPath();
    const QString resultPath = firmware ? TulLumo::firmwareResultPath() : TulLumo::menuStatusPath();
    if (row["folder"].toBool(true))
        QVERIFY(QDir().mkpath(firmware ? TulLumo::firmwareUpdateDir() : TulLumo::menuUpdateDir()));
    m_config->set_importedMenu(QStringLiteral("old.json|1700000000"));
    if (offerFile.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("directory is missing|line break")));
    QJsonObject offer = row["offer"].toObject();
    offer.insert("event", kind + "UpdateAvailable");
    receive(offer);
    QCOMPARE(readFile(offerPath), offerFile);
    const auto report = [&] {
        if (firmware)
            m_lumo->handle_event_firmwareUpdated(QStringLiteral("1"), QString(), QString(), 0, true);
        else
            m_lumo->checkMenuUpdateDone();
    };
    if (offerFile.isEmpty()) {
        // Nothing on file was offered: there is no update to report.
        const int sent = m_sent->count();
        report();
        QCOMPARE(m_sent->count(), sent);
        return;
    }

    if (row.contains("result"))
        QVERIFY(writeFile(resultPath, row["result"].toString().toUtf8()));
    if (row.contains("mark"))
        QVERIFY(writeFile(TulLumo::missingResultMarkPath(), row["mark"].toString().toUtf8()));
    report();
    QCOMPARE(m_sent->count(), 1);
    QJsonObject status = last();
    QCOMPARE((QStringList{status.value("status").toString(), status.value("statusDetail").toString(),
                          status.value("checksumExpected").toString()}), reported);
    // A cloud that compares the two fields must see them agree.
    QCOMPARE(status.value("checksumCalculated").toString(), reported.value(2));
    QCOMPARE(status.value("updateType").toString(), kind);
    QHash<QString, QString> offered;
    for (const QByteArray &line : offerFile.split('\n'))
        offered.insert(QString::fromUtf8(line.left(line.indexOf('='))), QString::fromUtf8(line.mid(line.indexOf('=') + 1)));
    QCOMPARE(status.value("updateEventId").toString(),
             offered.value("fileName") + offered.value("fileVersion") + "SN-0001" + offered.value("attemptedAt"));
    if (row.contains("result")) {
        QVERIFY(!QFile::exists(offerPath));
        QVERIFY(!QFile::exists(resultPath));
        QCOMPARE(m_config->get_importedMenu(), reported.first() == QLatin1String("updated") && !firmware
                                                   ? QStringLiteral("1.2") : QStringLiteral("old.json|1700000000"));
        return;
    }
    // Without its result the offer stays as recorded, reported once; the result that comes
    // later is reported then.
    QCOMPARE(readFile(offerPath), offerFile);
    report();
    QCOMPARE(m_sent->count(), 1);
    QCOMPARE(readFile(offerPath), offerFile);
    int reports = 1;
    if (row["offerAgain"].toBool()) {
        receive(offer);
        report();
        QCOMPARE(m_sent->count(), ++reports);
    }
    QVERIFY(writeFile(resultPath, firmware ? "updateResult=successful\nresultDetail=done\n" : "status=updated\n"));
    report();
    QCOMPARE(m_sent->count(), reports + 1);
    QCOMPARE(last().value("status").toString(), QStringLiteral("updated"));
    QVERIFY(!QFile::exists(offerPath));
    QCOMPARE(readFile(TulLumo::missingResultMarkPath()), row["markLeft"].toString().toUtf8());
}

// "expected": members beyond the envelope; absent: nothing sent.
void TestIotInbound::makerUpdateReports()
{
    QFETCH(const QJsonObject, row);
    const QString kind = row["kind"].toString();
    m_config->set_iotType(QStringLiteral("QRB_VAZARA"));
    QVERIFY(QDir().mkpath(TulLumo::menuUpdateDir()));
    if (kind == QLatin1String("offer"))
        receive({{"event", "menuUpdateAvailable"}, {"fileName", "m.json"}, {"version", "3"}});
    else if (kind == QLatin1String("menu"))
        m_lumo->handle_event_menuUpdated(QStringLiteral("1767225600"), 2, false);
    else
        m_lumo->handle_event_firmwareUpdated(QStringLiteral("1767225600"), QStringLiteral("RO-2503"),
                                             QStringLiteral("RO-2400"), 0, true);
    QVERIFY(!QFile::exists(TulLumo::menuOfferPath()));
    QVERIFY(!QFile::exists(TulLumo::menuStatusPath()));
    QCOMPARE(m_sent->count(), row.contains("expected") ? 1 : 0);
    if (m_sent->isEmpty())
        return;
    QJsonObject want = row["expected"].toObject(), got = last();
    want.insert("timestamp", "1767225600");
    want.insert("cabinetUuid", "uuid-1");
    for (auto it = want.begin(); it != want.end(); ++it)
        QCOMPARE(got.value(it.key()), it.value());
}

// "commands": "model:value" or "serial:value" in order (no ':': not text); "serialFile" put
// there by hand; "acks": their statuses; "model" and "serial" after the next start.
void TestIotInbound::pendingIdentity()
{
    QFETCH(const QJsonObject, row);
    const QString serial = row["serial"].toString();
    const bool credentialsKept = row["credentialsKept"].toBool();
    QVERIFY(writeFile(CabinetIdentity::credentialsPath(), "token"));
    if (row.contains("serialFile"))
        QVERIFY(writeFile(TulLumo::pendingSerialPath(), row["serialFile"].toString().toUtf8()));
    QStringList statuses;
    for (const QString &c : row["commands"].toVariant().toStringList()) {
        receive({{"event", "command"}, {"command", c.startsWith("model") ? "updateModelNumber" : "updateSerialNumber"},
                 {"commandValue", c.contains(':') ? QJsonValue(c.section(':', 1)) : QJsonValue(42)}});
        statuses << last().value("commandStatus").toString();
    }
    QCOMPARE(statuses, row["acks"].toVariant().toStringList());
    // Not before the next start.
    QCOMPARE(m_config->get_modelNumber(), QStringLiteral("MODEL-A"));
    QCOMPARE(m_config->get_serialNumber(), QStringLiteral("SN-0001"));
    if (row["commands"][0] == QLatin1String("serial:SN-0000000000000002"))
        QCOMPARE(readFile(TulLumo::pendingSerialPath()), QByteArray("serialNumber=SN-3\n"));

    m_lumo->checkModelSerialUpdates();
    QCOMPARE(m_config->get_modelNumber(), row["model"].toString());
    QCOMPARE(m_config->get_serialNumber(), serial);
    QVERIFY(!QFile::exists(TulLumo::pendingModelPath()));
    QVERIFY(!QFile::exists(TulLumo::pendingSerialPath()));
    QCOMPARE(QFile::exists(CabinetIdentity::credentialsPath()), credentialsKept);
    if (!credentialsKept)
        QVERIFY(readFile(CabinetIdentity::identityFilePath()).contains("serialNumber=" + serial.toUtf8() + "\n"));
}

// "inBin": the pan still sits in its bin; "reply": the acknowledgement's detail or the
// error, empty: none.
void TestIotInbound::holdCycleResets()
{
    QFETCH(const QJsonObject, row);
    const bool customer = row["customer"].toBool(), inBin = row["inBin"].toBool(), ended = row["ended"].toBool();
    const QString reply = row["reply"].toString();
    useSchema(row, "GM_VAZARA");
    auto *entry = new NfcTagItem2(Pan);
    entry->setPosition(6);
    entry->setBatchId(QStringLiteral("5a3c0d11e2f4a7b8-1767225000"));
    entry->setActivationTimeStamp(1000);
    QVERIFY(m_nfc->registerTag2(entry));
    if (!inBin)
        m_nfc->deregisterTag2(Pan);
    entry->setHoldStatus(NfcTagItem2::StatusStarted);
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    receive(row["message"].toObject());

    const QJsonObject answer = last();
    QCOMPARE(answer.value(customer ? "commandStatusDetails" : "errorDesc").toString(), reply);
    if (!customer && !reply.isEmpty()) {
        QCOMPARE(answer.value("commandTs").toDouble(), 1767225000.0);
        QCOMPARE(answer.value("command"), row["message"]["event"]);
    }
    QCOMPARE(m_view.stopped, ended && inBin ? QList<int>{6} : QList<int>());
    QCOMPARE(m_view.holdStopEvents.size(), ended ? 1 : 0);
    if (ended)
        QCOMPARE(m_view.holdStopEvents.first().mid(1), (QVariantList{"Nuggets", "5a3c0d11e2f4a7b8", 6, "auto", 0}));
    QCOMPARE(entry->getRestartRequested(), row["restart"].toBool());
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

// "lists": received in order; "error": the commandError's description, absent: none;
// "stored": the sender's first record, absent: no list. This cabinet took the pan up at
// 1767224999.700 s.
void TestIotInbound::holdingLists()
{
    QFETCH(const QJsonObject, row);
    const bool panKept = row["panKept"].toBool();
    const QString error = row["error"].toString(), stored = row["stored"].toString();
    useSchema(row);
    auto *entry = new NfcTagItem2(Pan);
    entry->setPosition(6);
    entry->setActivationTimeStamp(1767224999700);
    QVERIFY(m_nfc->registerTag2(entry));
    if (!panKept)
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(
            QStringLiteral("Removed and cancelled holding for #5a3c0d11e2f4a7b8. Cabinet SN-2 has it!")));
    for (const QJsonValue &list : row["lists"].toArray())
        receive(list.toObject());
    QCOMPARE(m_nfc->doWeOwnThisTag2(Pan), panKept);
    QCOMPARE(m_nfc->getBinTagUid(6), panKept ? Pan : 0);
    QCOMPARE(m_sent->count(), error.isEmpty() ? 0 : 1);
    if (!error.isEmpty()) {
        QCOMPARE(last().value("errorDesc").toString(), error);
        QCOMPARE(last().value("command").toString(), QStringLiteral("holdingList"));
        QCOMPARE(last().value("commandTs").toDouble(), row["commandTs"].toDouble());
    }
    const auto &tables = m_nfc->otherCabinetLists();
    QCOMPARE(tables.contains(QStringLiteral("SN-2")), !stored.isEmpty());
    if (stored.isEmpty())
        return;
    QCOMPARE(tables.size(), 1);
    QVERIFY(!tables.value(QStringLiteral("SN-2"))->isEmpty());
    const NfcTagItem2 *r = tables.value(QStringLiteral("SN-2"))->first();
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8").arg(QString::number(r->getUid(), 16)).arg(r->getHoldStatus())
                 .arg(r->getPosition()).arg(int(r->getSeenInCabinet())).arg(r->getCrc32())
                 .arg(r->getActivationTimeStamp()).arg(r->getExpTime()).arg(r->getBatchId()), stored);
}

// "codes": the "errorCode" of each message, null: none; "reported": sub codes 1 and 2 of
// each report, in order.
void TestIotInbound::sdkErrors()
{
    QFETCH(const QJsonObject, row);
    const QJsonArray codes = row["codes"].toArray();
    const QVariantList reported = row["reported"].toArray().toVariantList();
    QSignalSpy errors(m_lumo, &TulLumo::lumoSdkErrorInfo);
    const auto report = [this](const QJsonValue &code) {
        receive(code.isNull() ? QJsonObject{{"event", "sdkError"}} : QJsonObject{{"event", "sdkError"}, {"errorCode", code}});
    };
    for (const QJsonValue &code : codes)
        report(code);
    QVariantList got;
    for (const QList<QVariant> &e : qAsConst(errors)) {
        QCOMPARE(e.at(0).toInt(), 8);
        QCOMPARE(e.at(3).toInt(), 0);
        got << e.at(1).toDouble() << e.at(2).toDouble();
    }
    QCOMPARE(got, reported);
    QCOMPARE(m_sent->count(), 0); // the agent's errors are not answered
    // Each report goes to the error service, however soon it repeats.
    report(codes.first());
    QCOMPARE(errors.count(), reported.size() / 2 + 1);
}

// "states": "provisioningState:x" or "certificateState:x", in order; "lines": the last
// part of each line shown; "kept": the provisioning and certificate lines held for a page
// opened afterwards, their last parts joined by "|".
void TestIotInbound::statusLines()
{
    QFETCH(const QJsonObject, row);
    const QStringList lines = row["lines"].toVariant().toStringList();
    QStringList shown;
    connect(m_lumo, &TulLumo::iotProvisioningState, this, [&shown](const QString &l) { shown << l; });
    connect(m_lumo, &TulLumo::iotCertificateState, this, [&shown](const QString &l) { shown << l; });
    for (const QString &state : row["states"].toVariant().toStringList()) {
        if (state.endsWith(":maybe") || state.endsWith(":lost"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Undefined .*State value!")));
        receive({{"event", state.section(':', 0, 0)}, {"state", state.section(':', 1)}});
    }
    QCOMPARE(shown.size(), lines.size());
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(shown.at(i).startsWith("<b>") && shown.at(i).endsWith("</b> " + lines.at(i)), qPrintable(shown.at(i)));
    QCOMPARE(m_config->get_iotConnected(), row["connected"].toBool());
    QCOMPARE(m_sent->count(), 0);
    const auto tail = [](const QVariant &line) { return line.toString().section(QLatin1String("</b> "), 1); };
    QCOMPARE(tail(m_lumo->property("provisioningLine")) + '|' + tail(m_lumo->property("certificateLine")),
             row["kept"].toString());
}

QTEST_GUILESS_MAIN(TestIotInbound)
#include "tst_iotinbound.moc"
