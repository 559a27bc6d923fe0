// The cloud link's messages without a bus: the hold and pan events in both message
// sets, the restart of a hold the cloud asked for, the envelope and text forms, and the
// checks on the agent's messages. The tables are in tests/data/iot/tst_tullumo.json.
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "fakeholdingview.h"
#include "iotjson.h"
#include "iottables.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "tullumo.h"

namespace {
constexpr quint64 Pan = 0x5a3c0d11e2f4a7b8; // its tag carries product 13
} // namespace

class TestTulLumo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { delete m_core; }
    IOT_TABLE_TEST(eventsAreBuilt)
    IOT_TABLE_TEST(restartAfterStop)
    IOT_TABLE_TEST(holdStartKeepsItsBatchIdOverAPowerCut)
    IOT_TABLE_TEST(envelopeFollowsTheIotType)
    IOT_TABLE_TEST(textForms)
    IOT_TABLE_TEST(inboundMessagesAreChecked)
    void wifiSettingsAgain_data();
    void wifiSettingsAgain();

private:
    NfcTagItem2 *registerPan(quint64 uid, int status);

    FakeCabinetCore *m_core = nullptr;
    ConfigurationManager *m_config = nullptr;
    NFCmanager *m_nfc = nullptr;
    FakeHoldingView m_view;
    TulLumo *m_lumo = nullptr;
};

void TestTulLumo::init()
{
    QFile::remove(NFCmanager::tagStorePath());
    m_core = new FakeCabinetCore;
    m_config = new ConfigurationManager(nullptr, nullptr, true, 1, m_core);
    m_core->configManagerPtr = m_config;
    QVERIFY(setProperties(m_config, {{"serialNumber", "SN-0001"}, {"modelNumber", "MODEL-A"}, {"storeNumber", "1234"},
                                     {"uuidNumber", "uuid-1"}}));
    m_nfc = new NFCmanager(m_core);
    m_view = FakeHoldingView();
    m_view.nfcManager = m_nfc;
    m_view.productOf = {{2, 17}, {3, 17}};
    m_view.holdTimeOf = {{17, 1200}};
    m_view.nameOf = {{17, QStringLiteral("Grilled Fillets")},
                     {13, QStringLiteral("Tagged pan with a name longer than thirty-two characters")}};
    trayInfo tray;
    tray.expectedTime = 1767226800600;
    m_view.trayOf = {{3, tray}};
    m_view.stateOf = {{2, 4}, {3, 8}};
    m_lumo = new TulLumo(&m_view, m_core);
}

NfcTagItem2 *TestTulLumo::registerPan(quint64 uid, int status)
{
    auto *entry = new NfcTagItem2(uid);
    entry->setPosition(3);
    entry->setSeenInCabinet(true);
    entry->setExpTime(1767226800000);
    entry->setBatchId(QStringLiteral("5a3c0d11e2f4a7b8-1767225000"));
    entry->setHoldStatus(quint8(status));
    return m_nfc->registerTag2(entry) ? entry : nullptr;
}

// "entry": the hold status of the pan's record, none without; "expected" absent: nothing
// sent; an expiration of "NOW": the current second.
void TestTulLumo::eventsAreBuilt()
{
    QFETCH(const QJsonObject, row);
    const QString kind = row["kind"].toString(), pan = row["pan"].toString();
    m_config->set_iotType(row["customer"].toBool() ? QStringLiteral("QRB_LUMO") : QStringLiteral("QRB_VAZARA"));
    m_config->set_panMessagesEnable(row["panMessages"].toBool(true));
    m_view.nfc_ = row["nfc"].toBool(true);
    if (row["fullSize"].toBool())
        m_view.panSizeOf = {{2, 2}, {3, 2}};
    const quint64 uid = pan.toULongLong(nullptr, 16);
    if (row.contains("entry"))
        QVERIFY(registerPan(uid, row["entry"].toInt()));
    QSignalSpy sent(m_lumo, &TulLumo::sendLumoInfo);
    const QString given = QStringLiteral("1767225600"), name = QStringLiteral("Grilled Fillets");
    const qint64 panTime = 1767225600600;
    if (kind == "holdStart") m_lumo->handle_event_holdStart(given, name, pan, 3, QStringLiteral("auto"));
    else if (kind == "holdStop") m_lumo->handle_event_holdStop(given, name, pan, 3, QStringLiteral("manual"), 37);
    else if (kind == "holdExpired") m_lumo->handle_event_holdExpired(given, name, pan, 3);
    else if (kind == "panRemoved") m_lumo->handle_event_panRemoved(panTime, 3, uid, 37);
    else if (kind == "panReturned") m_lumo->handle_event_panReturned(panTime, 3, uid, 37);
    else m_lumo->handle_event_transfer(panTime, 3, uid, 37);

    QCOMPARE(sent.count(), row.contains("expected") ? 1 : 0);
    if (sent.isEmpty())
        return;
    const QByteArray text = sent.at(0).at(0).toString().toUtf8();
    QJsonObject got = objectOf(text);
    QCOMPARE(text, IotJson::write(got));
    QJsonObject batch = got.value(QStringLiteral("batch")).toObject();
    if (row["expected"]["batch"]["expiration"] == QLatin1String("NOW")) {
        const QJsonValue expiration = batch.value(QStringLiteral("expiration"));
        QVERIFY(expiration.isString());
        QVERIFY(qAbs(expiration.toString().toLongLong() - QDateTime::currentSecsSinceEpoch()) <= 2);
        batch.insert(QStringLiteral("expiration"), QStringLiteral("NOW"));
        got.insert(QStringLiteral("batch"), batch);
    }
    QCOMPARE(got, row["expected"].toObject());
}

void TestTulLumo::restartAfterStop()
{
    QFETCH(const QJsonObject, row);
    const QString where = row["where"].toString();
    m_view.nfc_ = where != QLatin1String("no NFC");
    NfcTagItem2 *entry = registerPan(Pan, 4);
    QVERIFY(entry);
    if (where == QLatin1String("left")) {
        m_nfc->deregisterTag2(Pan);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Restart of pan .* refused")));
    }
    entry->setRestartRequested(true);
    QSignalSpy sent(m_lumo, &TulLumo::sendLumoInfo);
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    m_lumo->handle_event_holdStop(QStringLiteral("1767225600"), QStringLiteral("Grilled Fillets"),
                                  QStringLiteral("5a3c0d11e2f4a7b8"), 3, QStringLiteral("auto"), 0);
    QCOMPARE(sent.count(), 1); // the stop; the new start comes through the holding
    if (!row["restarts"].toBool()) {
        QVERIFY(m_view.started.isEmpty());
        QVERIFY(m_view.holdStartEvents.isEmpty());
        // Only a stop that looks at the pan's record consumes its request.
        QCOMPARE(entry->getRestartRequested(), where == QLatin1String("no NFC"));
        return;
    }
    QCOMPARE(m_view.started, (QList<QVariantList>{{3, 1200, Pan}}));
    QCOMPARE(m_view.holdStartEvents, (QList<QVariantList>{{3, Pan, QStringLiteral("auto")}}));
    QCOMPARE(int(entry->getHoldStatus()), 0);
    QVERIFY(!entry->getRestartRequested());
    QVERIFY(entry->getActivationTimeStamp() >= before);
    QCOMPARE(entry->getExpTime(), entry->getActivationTimeStamp() + 1200 * 1000);
    // The new cycle is on disk before anything else happens.
    NFCmanager restored;
    QVERIFY(restored.restoreNFC2());
    const NfcTagItem2 *saved = restored.viewTagInfo2(Pan);
    QVERIFY(saved);
    QCOMPARE(int(saved->getHoldStatus()), 0);
    QCOMPARE(saved->getExpTime(), entry->getExpTime());
}

void TestTulLumo::holdStartKeepsItsBatchIdOverAPowerCut()
{
    QFETCH(const QJsonObject, row);
    m_config->set_iotType(row["iotType"].toString());
    QVERIFY(registerPan(Pan, 0));
    m_lumo->handle_event_holdStart(QStringLiteral("1767225600"), QStringLiteral("Grilled Fillets"),
                                   QStringLiteral("5a3c0d11e2f4a7b8"), 3, QStringLiteral("auto"));
    NFCmanager restored;
    QVERIFY(restored.restoreNFC2());
    QVERIFY(restored.viewTagInfo2(Pan));
    QCOMPARE(restored.viewTagInfo2(Pan)->getBatchId(), row["batchId"].toString());
}

// "expected": the envelope besides its time stamp.
void TestTulLumo::envelopeFollowsTheIotType()
{
    QFETCH(const QJsonObject, row);
    // Set at run time: the next message follows.
    m_config->set_iotType(row["iotType"].toString());
    QJsonObject message = m_lumo->envelope(QStringLiteral("commandStatus"), QStringLiteral("1767225600"));
    QSignalSpy sent(m_lumo, &TulLumo::sendLumoInfo);
    m_lumo->send(message);
    QCOMPARE(message.take(QStringLiteral("timestamp")).toString(), QStringLiteral("1767225600"));
    QCOMPARE(message, row["expected"].toObject());
    const QString text = sent.at(0).at(0).toString();
    QVERIFY(text.startsWith(QLatin1String("{\n    \"")));
    QVERIFY(text.endsWith(QLatin1String("\n}\n")));
    QVERIFY(text.indexOf(QLatin1String("\"event\": \"commandStatus\"")) < text.indexOf(QLatin1String("\"location\"")));
    QVERIFY(text.indexOf(QLatin1String("\"location\"")) < text.indexOf(QLatin1String("\"timestamp\"")));
}

void TestTulLumo::textForms()
{
    QFETCH(const QJsonObject, row);
    const QString form = row["form"].toString(), in = row["in"].toString();
    const qint64 ms = in.toLongLong();
    const QString got = form == "rounded" ? IotJson::roundedSeconds(ms)
        : form == "truncated" ? IotJson::truncatedSeconds(ms)
        : form == "panIdText" ? IotJson::panIdText(in.toULongLong(nullptr, 0))
        : form == "signedPanIdText" ? IotJson::signedPanIdText(in.toULongLong(nullptr, 0))
                              : QString::number(IotJson::panUid(in));
    QCOMPARE(got, row["out"].toString());
}

// "fill": repeated until the text is "padTo" bytes beyond the largest message; "warning"
// absent: accepted.
void TestTulLumo::inboundMessagesAreChecked()
{
    QFETCH(const QJsonObject, row);
    QString text = row["text"].toString();
    if (row.contains("fill")) {
        const QString fill = row["fill"].toString();
        const int bytes = TulLumo::MaxInboundBytes + row["padTo"].toInt() - text.toUtf8().size();
        text += fill.repeated((bytes + fill.toUtf8().size() - 1) / fill.toUtf8().size());
    }
    const QString warning = row["warning"].toString();
    QSignalSpy received(m_lumo, &TulLumo::lumoMessageReceived);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    m_lumo->handleReceivedLumoInfo(text);
    QCOMPARE(received.count(), warning.isEmpty() ? 1 : 0);
}

// Settings the cabinet already holds are skipped only while it is on that network: sent
// again while off it, or with a new pass phrase, they are stored (and so applied).
void TestTulLumo::wifiSettingsAgain_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("stored");

    QTest::newRow("same, connected: nothing to do") << true << "Kitchen" << "passphrase-1" << false;
    QTest::newRow("same, not connected") << false << "Kitchen" << "passphrase-1" << true;
    QTest::newRow("new pass phrase, connected") << true << "Kitchen" << "passphrase-2" << true;
    QTest::newRow("new network, connected") << true << "Back office" << "passphrase-1" << true;
}

void TestTulLumo::wifiSettingsAgain()
{
    QFETCH(bool, connected);
    QFETCH(QString, ssid);
    QFETCH(QString, password);
    QFETCH(bool, stored);
    m_config->set_iotType(QStringLiteral("QRB_VAZARA"));
    m_config->set_wifiSSID(QStringLiteral("Kitchen"));
    m_config->set_wifiPassword(QStringLiteral("passphrase-1"));
    QFile::remove(ConfigurationManager::configFilePath());
    m_lumo->setWifiApSource([connected] { return connected; });

    m_lumo->handle_event_wifiSettingsReceived(
        QJsonObject{{"event", "wifiSettings"}, {"SSID", ssid}, {"password", password}});
    QCOMPARE(QFile::exists(ConfigurationManager::configFilePath()), stored);
    QCOMPARE(m_config->get_wifiSSID(), ssid);
    QCOMPARE(m_config->get_wifiPassword(), password);
}

QTEST_GUILESS_MAIN(TestTulLumo)
#include "tst_tullumo.moc"
