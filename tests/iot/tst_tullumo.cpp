// The cloud link's messages without a bus: the hold and pan events in both message
// sets, the restart of a hold the cloud asked for, the envelope and text forms, and the
// checks on the agent's messages.
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "fakeholdingview.h"
#include "iotjson.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "tullumo.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

namespace {

constexpr quint64 Pan = 0x5a3c0d11e2f4a7b8; // its tag carries product 13
constexpr qint64 EntryExpiry = 1767226800000;
constexpr qint64 TrayExpiry = 1767226800600;
constexpr qint64 PanTime = 1767225600600;
const char *const OldBatch = "5a3c0d11e2f4a7b8-1767225000";

QByteArray compact(const QJsonObject &o)
{
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

} // namespace

class TestTulLumo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void eventsAreBuilt_data();
    void eventsAreBuilt();
    void restartAfterStop_data();
    void restartAfterStop();
    void holdStartKeepsItsBatchIdOverAPowerCut_data();
    void holdStartKeepsItsBatchIdOverAPowerCut();
    void envelopeFollowsTheIotType_data();
    void envelopeFollowsTheIotType();
    void textForms_data();
    void textForms();
    void inboundMessagesAreChecked_data();
    void inboundMessagesAreChecked();

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
    m_config->set_serialNumber(QStringLiteral("SN-0001"));
    m_config->set_modelNumber(QStringLiteral("MODEL-A"));
    m_config->set_storeNumber(QStringLiteral("1234"));
    m_config->set_uuidNumber(QStringLiteral("uuid-1"));
    m_nfc = new NFCmanager(m_core);
    m_view = FakeHoldingView();
    m_view.nfcManager = m_nfc;
    m_view.productOf = {{2, 17}, {3, 17}};
    m_view.holdTimeOf = {{17, 1200}};
    m_view.nameOf = {{17, QStringLiteral("Grilled Fillets")},
                     {13, QStringLiteral("Tagged pan with a name longer than thirty-two characters")}};
    trayInfo tray;
    tray.expectedTime = TrayExpiry;
    m_view.trayOf = {{3, tray}};
    m_view.stateOf = {{2, 4}, {3, 8}};
    m_lumo = new TulLumo(&m_view, m_core);
}

void TestTulLumo::cleanup()
{
    delete m_core;
    m_core = nullptr;
}

NfcTagItem2 *TestTulLumo::registerPan(quint64 uid, int status)
{
    auto *entry = new NfcTagItem2(uid);
    entry->setPosition(3);
    entry->setSeenInCabinet(true);
    entry->setExpTime(EntryExpiry);
    entry->setBatchId(QLatin1String(OldBatch));
    entry->setHoldStatus(quint8(status));
    return m_nfc->registerTag2(entry) ? entry : nullptr;
}

void TestTulLumo::eventsAreBuilt_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("customer");
    QTest::addColumn<bool>("nfc");
    QTest::addColumn<bool>("fullSize");
    QTest::addColumn<int>("entryStatus"); // -1: the pan is not registered
    QTest::addColumn<bool>("panMessages");
    QTest::addColumn<QString>("pan");
    QTest::addColumn<QByteArray>("expected"); // empty: nothing sent

    const QByteArray custStart = R"({"batchActive":true,"event":"holdStart","eventUuid":"null",
        "holdSecondsRemaining":1200,"inCabinet":false,"location":"1234","modelNumber":"MODEL-A","panId":"0",
        "productId":17,"productName":"Grilled Fillets","serialNumber":"SN-0001","state":"holding",
        "timestamp":"1767225600","zoneNumber":4})";
    QTest::newRow("holdStart customer, registered pan") << "holdStart" << true << true << false << 0 << true
        << "5a3c0d11e2f4a7b8" << QByteArray(R"({"batchActive":true,"event":"holdStart",
        "eventUuid":"5a3c0d11e2f4a7b8-1767225600","holdSecondsRemaining":1200,"inCabinet":true,
        "location":"1234","modelNumber":"MODEL-A","panId":"5a3c0d11e2f4a7b8","productId":17,
        "productName":"Grilled Fillets","serialNumber":"SN-0001","state":"holding","timestamp":"1767225600",
        "zoneNumber":4})");
    QTest::newRow("holdStart maker, registered pan") << "holdStart" << false << true << false << 0 << true
        << "5a3c0d11e2f4a7b8" << QByteArray(R"({"event":"holdStart","timestamp":"1767225600",
        "panId":"5a3c0d11e2f4a7b8","productId":17,"productName":"Grilled Fillets",
        "cabinet":{"serialNumber":"SN-0001","bin":4,"inCabinet":true},
        "batch":{"id":"5a3c0d11e2f4a7b8:1767225600","expiration":1767226800,"active":true}})");
    QTest::newRow("holdStart customer, tapped bin") << "holdStart" << true << true << false << -1 << true << "0"
        << custStart;
    QTest::newRow("holdStart maker, tapped bin") << "holdStart" << false << true << false << -1 << true << "0"
        << QByteArray(R"({"event":"holdStart","timestamp":"1767225600","panId":"0","productId":17,
        "productName":"Grilled Fillets","cabinet":{"serialNumber":"SN-0001","bin":4,"inCabinet":false},
        "batch":{"id":0,"expiration":1767226801,"active":true}})");
    QTest::newRow("holdStart full-size pan, NFC cabinet") << "holdStart" << true << true << true << -1 << true
        << "0" << QByteArray(custStart).replace("\"zoneNumber\":4", "\"zoneNumber\":3");
    QTest::newRow("holdStart full-size pan, no NFC") << "holdStart" << true << false << true << -1 << true << "0"
        << custStart;

    const QByteArray custStop = R"({"batchActive":false,"event":"holdStop","eventUuid":"5a3c0d11e2f4a7b8-1767225000",
        "holdSecondsRemaining":37,"inCabinet":true,"location":"1234","modelNumber":"MODEL-A",
        "panId":"5a3c0d11e2f4a7b8","productId":17,"productName":"Grilled Fillets","serialNumber":"SN-0001",
        "state":"ready","timestamp":"1767225600","zoneNumber":4})";
    QTest::newRow("holdStop customer, registered pan") << "holdStop" << true << true << false << 0 << true
        << "5a3c0d11e2f4a7b8" << custStop;
    QTest::newRow("holdStop customer without NFC, registered pan") << "holdStop" << true << false << false << 0
        << true << "5a3c0d11e2f4a7b8" << custStop;
    QTest::newRow("holdStop maker, registered pan") << "holdStop" << false << true << false << 0 << true
        << "5a3c0d11e2f4a7b8" << QByteArray(R"({"event":"holdStop","timestamp":"1767225600",
        "panId":"5a3c0d11e2f4a7b8","productId":17,"productName":"Grilled Fillets",
        "cabinet":{"serialNumber":"SN-0001","bin":4,"inCabinet":true},
        "batch":{"id":"5a3c0d11e2f4a7b8-1767225000","expiration":1767226800,"active":false}})");
    QTest::newRow("holdStop maker without NFC, registered pan") << "holdStop" << false << false << false << 0
        << true << "5a3c0d11e2f4a7b8" << QByteArray(R"({"event":"holdStop","timestamp":"1767225600",
        "panId":"5a3c0d11e2f4a7b8","productId":17,"productName":"Grilled Fillets",
        "cabinet":{"serialNumber":"SN-0001","bin":4,"inCabinet":false},
        "batch":{"id":0,"expiration":1767226801,"active":false}})");
    QTest::newRow("holdStop customer, unknown pan") << "holdStop" << true << true << false << -1 << true
        << "5a3c0d11e2f4a7b8" << QByteArray();
    QTest::newRow("holdStop maker, unknown pan") << "holdStop" << false << true << false << -1 << true
        << "5a3c0d11e2f4a7b8" << QByteArray();
    QTest::newRow("holdStop customer, pan id not hexadecimal") << "holdStop" << true << true << false << -1
        << true << "xyz" << QByteArray(custStop)
                                .replace("5a3c0d11e2f4a7b8-1767225000", "null")
                                .replace("5a3c0d11e2f4a7b8", "0")
                                .replace("\"inCabinet\":true", "\"inCabinet\":false");

    QTest::newRow("holdExpired customer, registered pan") << "holdExpired" << true << true << false << 0 << true
        << "5a3c0d11e2f4a7b8" << QByteArray(R"({"batchActive":true,"event":"holdExpired",
        "eventUuid":"5a3c0d11e2f4a7b8-1767225000","holdSecondsRemaining":0,"inCabinet":true,"location":"1234",
        "modelNumber":"MODEL-A","panId":"5a3c0d11e2f4a7b8","productId":17,"productName":"Grilled Fillets",
        "serialNumber":"SN-0001","state":"overHolding","timestamp":"1767225600","zoneNumber":4})");
    QTest::newRow("holdExpired maker, registered pan") << "holdExpired" << false << true << false << 0 << true
        << "5a3c0d11e2f4a7b8" << QByteArray(R"({"event":"holdExpired","timestamp":"1767225600",
        "panId":"5a3c0d11e2f4a7b8","productId":17,"productName":"Grilled Fillets",
        "cabinet":{"serialNumber":"SN-0001","bin":"4","inCabinet":true},
        "batch":{"id":"5a3c0d11e2f4a7b8-1767225000","expiration":1767226800,"active":true}})");
    QTest::newRow("holdExpired maker, tapped bin") << "holdExpired" << false << true << false << -1 << true << "0"
        << QByteArray(R"({"event":"holdExpired","timestamp":"1767225600","panId":"0","productId":17,
        "productName":"Grilled Fillets","cabinet":{"serialNumber":"SN-0001","bin":"4","inCabinet":false},
        "batch":{"id":0,"expiration":"NOW","active":true}})");

    QTest::newRow("panRemoved customer, stopped pan") << "panRemoved" << true << true << false << 4 << true
        << "5a3c0d11e2f4a7b8" << QByteArray(R"({"batchActive":false,"event":"panRemoved",
        "eventUuid":"5a3c0d11e2f4a7b8-1767225000","holdSecondsRemaining":37,"inCabinet":true,"location":"1234",
        "modelNumber":"MODEL-A","panId":"5a3c0d11e2f4a7b8","productId":13,
        "productName":"Tagged pan with a name longer th","serialNumber":"SN-0001","timestamp":"1767225601",
        "zoneNumber":4})");
    QTest::newRow("panRemoved maker, stopped pan") << "panRemoved" << false << true << false << 4 << true
        << "5a3c0d11e2f4a7b8" << QByteArray(R"({"event":"panRemoved","timestamp":"1767225601",
        "panId":"5a3c0d11e2f4a7b8","productId":13,"productName":"Tagged pan with a name longer th",
        "cabinet":{"serialNumber":"SN-0001","bin":4,"inCabinet":true},
        "batch":{"id":"5a3c0d11e2f4a7b8-1767225000","expiration":1767226800,"active":false}})");
    QTest::newRow("panRemoved, pan messages off") << "panRemoved" << true << true << false << 0 << false
        << "5a3c0d11e2f4a7b8" << QByteArray();
    QTest::newRow("panRemoved, uid with its top bit set") << "panRemoved" << true << true << false << -1 << true
        << "f000a10000000001" << QByteArray(R"({"batchActive":false,"event":"panRemoved","eventUuid":"null",
        "holdSecondsRemaining":37,"inCabinet":false,"location":"1234","modelNumber":"MODEL-A",
        "panId":"f000a10000000001","productId":161,"productName":"","serialNumber":"SN-0001",
        "timestamp":"1767225601","zoneNumber":4})");
    const QByteArray custReturned = R"({"batchActive":false,"event":"panReturned",
        "eventUuid":"5a3c0d11e2f4a7b8-1767225000","holdSecondsRemaining":37,"inCabinet":true,"location":"1234",
        "modelNumber":"MODEL-A","panId":"5a3c0d11e2f4a7b8","productId":17,"productName":"Grilled Fillets",
        "serialNumber":"SN-0001","timestamp":"1767225601","zoneNumber":4})";
    QTest::newRow("panReturned customer, stopped pan") << "panReturned" << true << true << false << 4 << true
        << "5a3c0d11e2f4a7b8" << custReturned;
    QTest::newRow("panReturned customer, full-size without NFC") << "panReturned" << true << false << true << 0
        << true << "5a3c0d11e2f4a7b8" << QByteArray(custReturned)
                                             .replace("\"batchActive\":false", "\"batchActive\":true")
                                             .replace("\"zoneNumber\":4", "\"zoneNumber\":3");
    QTest::newRow("panReturned maker, stopped pan") << "panReturned" << false << true << false << 4 << true
        << "5a3c0d11e2f4a7b8" << QByteArray(R"({"event":"panReturned","timestamp":"1767225601",
        "panId":"5a3c0d11e2f4a7b8","productId":17,"productName":"Grilled Fillets",
        "cabinet":{"serialNumber":"SN-0001","bin":4,"inCabinet":true},
        "batch":{"id":"5a3c0d11e2f4a7b8-1767225000","expiration":1767226800,"active":true}})");
    const QByteArray custTransfer = R"({"batchActive":true,"event":"panTransfer",
        "eventUuid":"5a3c0d11e2f4a7b8-1767225000","holdSecondsRemaining":37,"inCabinet":true,"location":"1234",
        "modelNumber":"MODEL-A","panId":"5a3c0d11e2f4a7b8","productId":17,"productName":"Grilled Fillets",
        "serialNumber":"SN-0001","state":"overholding","timestamp":"1767225601","zoneNumber":4})";
    QTest::newRow("panTransfer customer, into a discarding bin") << "transfer" << true << true << false << 0
        << true << "5a3c0d11e2f4a7b8" << custTransfer;
    QTest::newRow("panTransfer full-size, no NFC") << "transfer" << true << false << true << 0 << true
        << "5a3c0d11e2f4a7b8" << custTransfer;
    QTest::newRow("panTransfer full-size, NFC cabinet") << "transfer" << true << true << true << 0 << true
        << "5a3c0d11e2f4a7b8" << QByteArray(custTransfer)
                                     .replace("\"zoneNumber\":4", "\"zoneNumber\":3")
                                     .replace("overholding", "ready");
    QTest::newRow("transfer maker, unknown pan, pan messages off") << "transfer" << false << true << false << -1
        << false << "5a3c0d11e2f4a7b8" << QByteArray(R"({"event":"transfer","timestamp":"1767225601",
        "panId":"5a3c0d11e2f4a7b8","productId":17,"productName":"Grilled Fillets",
        "cabinet":{"serialNumber":"SN-0001","bin":4,"inCabinet":false},
        "batch":{"id":0,"expiration":1767226801,"active":true}})");
}

void TestTulLumo::eventsAreBuilt()
{
    QFETCH(QString, kind);
    QFETCH(bool, customer);
    QFETCH(bool, nfc);
    QFETCH(bool, fullSize);
    QFETCH(int, entryStatus);
    QFETCH(bool, panMessages);
    QFETCH(QString, pan);
    QFETCH(QByteArray, expected);

    m_config->set_iotType(customer ? QStringLiteral("QRB_LUMO") : QStringLiteral("QRB_VAZARA"));
    m_config->set_panMessagesEnable(panMessages);
    m_view.nfc_ = nfc;
    if (fullSize)
        m_view.panSizeOf = {{2, 2}, {3, 2}};
    const quint64 uid = pan.toULongLong(nullptr, 16);
    if (entryStatus >= 0)
        QVERIFY(registerPan(uid, entryStatus));
    QSignalSpy sent(m_lumo, &TulLumo::sendLumoInfo);
    const QString given = QStringLiteral("1767225600");
    const QString name = QStringLiteral("Grilled Fillets");
    if (kind == QLatin1String("holdStart"))
        m_lumo->handle_event_holdStart(given, name, pan, 3, QStringLiteral("auto"));
    else if (kind == QLatin1String("holdStop"))
        m_lumo->handle_event_holdStop(given, name, pan, 3, QStringLiteral("manual"), 37);
    else if (kind == QLatin1String("holdExpired"))
        m_lumo->handle_event_holdExpired(given, name, pan, 3);
    else if (kind == QLatin1String("panRemoved"))
        m_lumo->handle_event_panRemoved(PanTime, 3, uid, 37);
    else if (kind == QLatin1String("panReturned"))
        m_lumo->handle_event_panReturned(PanTime, 3, uid, 37);
    else
        m_lumo->handle_event_transfer(PanTime, 3, uid, 37);

    if (expected.isEmpty()) {
        QCOMPARE(sent.count(), 0);
        return;
    }
    QCOMPARE(sent.count(), 1);
    const QByteArray text = sent.at(0).at(0).toString().toUtf8();
    QJsonObject got = QJsonDocument::fromJson(text).object();
    const QJsonObject want = QJsonDocument::fromJson(expected).object();
    QVERIFY2(!want.isEmpty(), "expected text is not JSON");
    QCOMPARE(text, IotJson::write(got));
    QJsonObject batch = got.value(QStringLiteral("batch")).toObject();
    if (want.value(QStringLiteral("batch")).toObject().value(QStringLiteral("expiration")) == QLatin1String("NOW")) {
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        const QJsonValue expiration = batch.value(QStringLiteral("expiration"));
        QVERIFY(expiration.isString());
        QVERIFY(qAbs(expiration.toString().toLongLong() - now) <= 2);
        batch.insert(QStringLiteral("expiration"), QStringLiteral("NOW"));
        got.insert(QStringLiteral("batch"), batch);
    }
    QCOMPARE(compact(got), compact(want));
}

void TestTulLumo::restartAfterStop_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("restarts");
    QTest::newRow("pan still in its bin") << "in bin" << true;
    QTest::newRow("pan taken out of its bin") << "left" << false;
    QTest::newRow("cabinet without NFC") << "no NFC" << false;
}

void TestTulLumo::restartAfterStop()
{
    QFETCH(QString, where);
    QFETCH(bool, restarts);
    m_view.nfc_ = where != QLatin1String("no NFC");
    NfcTagItem2 *entry = registerPan(Pan, 4);
    QVERIFY(entry);
    if (where == QLatin1String("left"))
        m_nfc->deregisterTag2(Pan);
    entry->setRestartRequested(true);
    if (where == QLatin1String("left"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Restart of pan .* refused")));
    QSignalSpy sent(m_lumo, &TulLumo::sendLumoInfo);
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    m_lumo->handle_event_holdStop(QStringLiteral("1767225600"), QStringLiteral("Grilled Fillets"),
                                  QStringLiteral("5a3c0d11e2f4a7b8"), 3, QStringLiteral("auto"), 0);
    QCOMPARE(sent.count(), 1); // the stop; the new start comes through the holding
    if (!restarts) {
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

void TestTulLumo::holdStartKeepsItsBatchIdOverAPowerCut_data()
{
    QTest::addColumn<bool>("customer");
    QTest::addColumn<QString>("batchId");
    QTest::newRow("customer cloud") << true << "5a3c0d11e2f4a7b8-1767225600";
    QTest::newRow("maker cloud") << false << "5a3c0d11e2f4a7b8:1767225600";
}

void TestTulLumo::holdStartKeepsItsBatchIdOverAPowerCut()
{
    QFETCH(bool, customer);
    QFETCH(QString, batchId);
    m_config->set_iotType(customer ? QStringLiteral("QRB_LUMO") : QStringLiteral("GM_VAZARA"));
    QVERIFY(registerPan(Pan, 0));
    m_lumo->handle_event_holdStart(QStringLiteral("1767225600"), QStringLiteral("Grilled Fillets"),
                                   QStringLiteral("5a3c0d11e2f4a7b8"), 3, QStringLiteral("auto"));
    NFCmanager restored;
    QVERIFY(restored.restoreNFC2());
    QVERIFY(restored.viewTagInfo2(Pan));
    QCOMPARE(restored.viewTagInfo2(Pan)->getBatchId(), batchId);
}

void TestTulLumo::envelopeFollowsTheIotType_data()
{
    QTest::addColumn<QString>("iotType");
    QTest::addColumn<QStringList>("keys");
    const QStringList header{QStringLiteral("event"), QStringLiteral("location"), QStringLiteral("modelNumber"),
                             QStringLiteral("serialNumber"), QStringLiteral("timestamp")};
    QTest::newRow("customer cloud") << "QRB_LUMO" << header;
    QTest::newRow("maker cloud") << "QRB_VAZARA" << (QStringList(header) << QStringLiteral("cabinetUuid"));
    QTest::newRow("other maker cloud") << "GM_VAZARA" << (QStringList(header) << QStringLiteral("cabinetUuid"));
}

void TestTulLumo::envelopeFollowsTheIotType()
{
    QFETCH(QString, iotType);
    QFETCH(QStringList, keys);
    // Set at run time: the next message follows.
    m_config->set_iotType(iotType);
    const QJsonObject message = m_lumo->envelope(QStringLiteral("commandStatus"), QStringLiteral("1767225600"));
    keys.sort();
    QCOMPARE(message.keys(), keys);
    QCOMPARE(message.value(QStringLiteral("location")).toString(), QStringLiteral("1234"));
    QCOMPARE(message.value(QStringLiteral("serialNumber")).toString(), QStringLiteral("SN-0001"));
    QCOMPARE(message.value(QStringLiteral("modelNumber")).toString(), QStringLiteral("MODEL-A"));
    if (keys.contains(QStringLiteral("cabinetUuid")))
        QCOMPARE(message.value(QStringLiteral("cabinetUuid")).toString(), QStringLiteral("uuid-1"));

    QSignalSpy sent(m_lumo, &TulLumo::sendLumoInfo);
    m_lumo->send(message);
    const QString text = sent.at(0).at(0).toString();
    QVERIFY(text.startsWith(QLatin1String("{\n    \"")));
    QVERIFY(text.endsWith(QLatin1String("\n}\n")));
    QVERIFY(text.indexOf(QLatin1String("\"event\": \"commandStatus\"")) < text.indexOf(QLatin1String("\"location\"")));
    QVERIFY(text.indexOf(QLatin1String("\"location\"")) < text.indexOf(QLatin1String("\"timestamp\"")));
}

void TestTulLumo::textForms_data()
{
    QTest::addColumn<QString>("got");
    QTest::addColumn<QString>("expected");
    QTest::newRow("12:00:00.600 rounds up") << IotJson::roundedSeconds(1767268800600) << "1767268801";
    QTest::newRow("12:00:00.499 rounds down") << IotJson::roundedSeconds(1767268800499) << "1767268800";
    QTest::newRow("truncated") << IotJson::truncatedSeconds(1767268800999) << "1767268800";
    QTest::newRow("pan id with the top bit set") << IotJson::panIdText(0xF000000000000001) << "f000000000000001";
    QTest::newRow("pan id text with leading zeros") << QString::number(IotJson::panUid(QStringLiteral("00ab")))
                                                    << "171";
    QTest::newRow("pan id text not hexadecimal") << QString::number(IotJson::panUid(QStringLiteral("12g")))
                                                 << "0";
    QTest::newRow("pan id text of 17 digits") << QString::number(IotJson::panUid(QStringLiteral("1ffffffffffffffff")))
                                              << "0";
}

void TestTulLumo::textForms()
{
    QFETCH(QString, got);
    QFETCH(QString, expected);
    QCOMPARE(got, expected);
}

void TestTulLumo::inboundMessagesAreChecked_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("warning"); // empty: accepted
    QTest::newRow("object") << R"({"command":"ping","commandValue":1})" << "";
    QTest::newRow("array") << "[1,2]" << "LUMO Received Object Error";
    QTest::newRow("broken") << R"({"command":)" << "LUMO Received Document Error";
    QTest::newRow("empty") << "" << "LUMO Received Document Error";
    QTest::newRow("just at the limit") << QStringLiteral("{}").leftJustified(TulLumo::MaxInboundBytes) << "";
    QTest::newRow("too large") << QString(TulLumo::MaxInboundBytes + 1, QLatin1Char(' ')) << "refused";
    QTest::newRow("too large in UTF-8") << QString(TulLumo::MaxInboundBytes / 2 + 1, QChar(0x00e9)) << "refused";
}

void TestTulLumo::inboundMessagesAreChecked()
{
    QFETCH(QString, text);
    QFETCH(QString, warning);
    QSignalSpy received(m_lumo, &TulLumo::lumoMessageReceived);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    m_lumo->handleReceivedLumoInfo(text);
    QCOMPARE(received.count(), warning.isEmpty() ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestTulLumo)
#include "tst_tullumo.moc"
