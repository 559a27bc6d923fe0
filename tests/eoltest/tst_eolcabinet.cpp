// The end-of-line test on the whole program in one process: the composition root with
// the simulated IO board of a 5 x 2 single-display cabinet, a station on TCP and a
// listener on the fixed UDP port 10003.
#include "cabinetidentity.h"
#include "cabinetmanager.h"
#include "configurationmanager.h"
#include "eolstation.h"
#include "eoltesting.h"
#include "ioboardsimulator.h"
#include "ioregistermap.h"
#include "mastersync.h"
#include "scratchroots.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMouseEvent>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QUdpSocket>
#include <QtTest>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestEolCabinet : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aTestRunDrivesTheBoard();
    void announcementOnTheFixedPort();

private:
    QVector<int> targets() const;
    QVector<int> fans() const;
    void request(EolStation &station, const QByteArray &text, const QByteArray &response);

    QScopedPointer<ScratchRoots> m_scratch;
    QScopedPointer<CabinetManager> m_cm;
    QString m_cwd;
};

void TestEolCabinet::init()
{
    m_cwd = QDir::currentPath();
    m_scratch.reset(new ScratchRoots);
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    m_scratch->setVariable("TUL_CAN_INTERFACE", QStringLiteral("tcp://127.0.0.1:%1/can0").arg(probe.serverPort()));
    m_scratch->setVariable("TUL_IDLE_TIMEOUT_MS", QStringLiteral("300"));
    m_scratch->setVariable("TUL_EOL_HANDSHAKE_TIMEOUT_MS", QStringLiteral("500"));
    QVERIFY(m_scratch->writeRootFile("5x2_primary_nfc.hcc", readFile(PERSONALITY_FIXTURES "/5x2_primary_nfc.hcc")));
    // The products ask for fan speeds: 70 % for product 21, 90 % for product 22.
    QJsonObject menu = QJsonDocument::fromJson(readFile(MENU_FIXTURES "/menu_holding.json")).object();
    QJsonArray products = menu.value("products").toArray();
    for (int i = 0; i < products.size(); ++i) {
        QJsonObject product = products.at(i).toObject();
        const int id = product.value("productId").toInt();
        product.insert("fanSpeed", id == 21 ? 70 : id == 22 ? 90 : 0);
        products[i] = product;
    }
    menu.insert("products", products);
    QVERIFY(m_scratch->writeRootFile("menu.json", QJsonDocument(menu).toJson()));
    QVERIFY(m_scratch->writeRootFile("dayParts.json", readFile(HOLDING_FIXTURES "/dayParts.json")));
    // Numbers already set: no dialog asks for them over the dock.
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("serialModelNums.txt"), "serialNumber=1\nmodelNumber=2\n"));
    m_cm.reset(new CabinetManager(0, 7));
    QVERIFY(m_cm->eolTest() && m_cm->eolTest()->isListening());
    QTRY_VERIFY_WITH_TIMEOUT(m_cm->masterSync()->get_synced(), 10000);
}

void TestEolCabinet::cleanup()
{
    m_cm.reset();
    QDir::setCurrent(m_cwd);
    m_scratch.reset();
}

QVector<int> TestEolCabinet::targets() const
{
    QVector<int> t;
    for (int h = 0; h < IoRegisterMap::HeaterCount; ++h)
        t << m_cm->ioSimulator()->registerValue(IoRegisterMap::IoBoardNode, IoRegisterMap::HeaterSetPointFirst + h);
    return t;
}

QVector<int> TestEolCabinet::fans() const
{
    QVector<int> t;
    for (int z = 0; z < IoRegisterMap::FanTargetCount; ++z)
        t << m_cm->ioSimulator()->registerValue(IoRegisterMap::IoBoardNode, IoRegisterMap::FanTargetFirst + z);
    return t;
}

void TestEolCabinet::request(EolStation &station, const QByteArray &text, const QByteArray &response)
{
    const int before = station.answers().size();
    station.send(text);
    QVERIFY(waitUntil([&] { station.poll(); return station.answers().size() > before; }));
    QCOMPARE(station.answers().last().value("response").toString(), QString::fromLatin1(response));
}

void TestEolCabinet::aTestRunDrivesTheBoard()
{
    // Holding targets of the stocked bins, as written before any test.
    QTRY_VERIFY(targets().count(0) < IoRegisterMap::HeaterCount);
    const QVector<int> holding = targets();
    // Each zone's fan at the fastest its products ask for (zone 1 holds both products).
    const QVector<int> fansHolding{70, 90, 70, 70, 70, 0, 0, 0, 0, 0};
    QTRY_COMPARE(fans(), fansHolding);
    QSignalSpy idle(m_cm.data(), &CabinetCore::noUserInteraction);

    // A connection that opens no test run is closed at the (shortened) deadline.
    EolStation idleConnection;
    QVERIFY(idleConnection.connectTo(m_cm->eolTest()->serverPort()));
    QSignalSpy closed(&idleConnection.socket, &QTcpSocket::disconnected);
    QElapsedTimer connected;
    connected.start();
    QVERIFY(closed.wait(5000));
    QVERIFY(connected.elapsed() >= 450);

    EolStation station;
    // The technician started the announcement on the screen.
    QSignalSpy announcing(m_cm->eolTest(), &EolTesting::udpBroadcastStarted);
    m_cm->eolTest()->startUdpbroadcast();
    QVERIFY(announcing.count() == 1 || announcing.wait(2000));
    QVERIFY(station.connectTo(m_cm->eolTest()->serverPort()));
    request(station, R"({"event":"EndOfLineTest","command":"Start"})", "pass");
    QTRY_COMPARE(targets(), QVector<int>(IoRegisterMap::HeaterCount, 0));
    // No return to the start view during a test run.
    QMouseEvent touch(QEvent::MouseButtonPress, QPointF(), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    m_cm->eventFilter(m_cm.data(), &touch);
    const int idleBefore = idle.count();

    request(station, R"({"event":"TurnOnAllZones","command":"Start"})", "pass");
    QTRY_COMPARE(targets(), QVector<int>(IoRegisterMap::HeaterCount, EolTesting::TestHeaterTemp));
    request(station, R"({"event":"TurnOffAllZones","command":"Start"})", "pass");
    request(station, R"({"event":"HeaterTest","command":"Start","zone":"2","heaterIndex":"1"})", "pass");
    QTRY_COMPARE(targets().count(EolTesting::TestHeaterTemp), 1);
    request(station, R"({"event":"HeaterTest","command":"Start","zone":"6","heaterIndex":"0"})", "fail");
    request(station, R"({"event":"ConfigureSerialAndModel","command":"Start","serial number":"1234567890","model number":"AB123"})",
            "pass");
    QVERIFY(readFile(CabinetIdentity::identityFilePath()).startsWith("serialNumber=1234567890\nmodelNumber=AB123\n"));
    QCOMPARE(idle.count(), idleBefore);

    // The board lost its fan targets during the run (a power-cycled board, say).
    for (int z = 0; z < IoRegisterMap::FanTargetCount; ++z)
        m_cm->ioSimulator()->setRegisterValue(IoRegisterMap::IoBoardNode, quint16(IoRegisterMap::FanTargetFirst + z), 0);
    station.socket.disconnectFromHost();
    QTRY_VERIFY(!m_cm->eolTest()->getEolTestStarted());
    QTRY_COMPARE(targets(), holding);
    QTRY_COMPARE(fans(), fansHolding);
}

void TestEolCabinet::announcementOnTheFixedPort()
{
    QUdpSocket receiver;
    QVERIFY(receiver.bind(QHostAddress(QHostAddress::AnyIPv4), EolProtocol::UdpPort,
                          QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
    ConfigurationManager *config = m_cm->configManager();
    config->set_wifiEnabled(true);
    config->set_wifiIpAddr(QStringLiteral("192.168.1.20"));

    // The technician holds the dock's Wi-Fi icon (five seconds, shortened here).
    auto *window = qobject_cast<QQuickWindow *>(m_cm->qmlEngine()->rootObjects().value(0));
    QVERIFY(window);
    QTRY_VERIFY(window->property("firstFrameShown").toBool());
    auto *icon = window->findChild<QQuickItem *>(QStringLiteral("wifiStatusIcon"));
    QVERIFY(icon);
    QTRY_VERIFY(icon->isVisible());
    icon->setProperty("holdMs", 50);
    const QPoint centre = icon->mapToScene(QPointF(icon->width() / 2, icon->height() / 2)).toPoint();
    QTest::mousePress(window, Qt::LeftButton, {}, centre);
    // The factory test's message is made when the announcement starts.
    QVERIFY(!window->findChild<QQuickItem *>(QStringLiteral("eolAddressDialog")));
    QSignalSpy started(m_cm->eolTest(), &EolTesting::udpBroadcastStarted);
    QVERIFY(started.wait(2000));
    auto *dialog = window->findChild<QQuickItem *>(QStringLiteral("eolAddressDialog"));
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());

    QTRY_VERIFY(receiver.hasPendingDatagrams());
    // Five rows of one zone with two bins, a single column: two trays a row.
    QCOMPARE(receiver.receiveDatagram().data(), QByteArray::fromHex("C0A801140502"));
}

QTEST_MAIN(TestEolCabinet)
#include "tst_eolcabinet.moc"
