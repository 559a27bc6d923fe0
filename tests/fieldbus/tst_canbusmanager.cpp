// Two CAN managers on a virtual CAN bus of this test's own (its own TCP port).
#include "canbusmanager.h"
#include "canprotocol.h"
#include "cansendrequest.h"
#include "crc32.h"
#include "fieldbusmetatypes.h"

#include <QCanBus>
#include <QCanBusDevice>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QState>
#include <QTimer>
#include <QTcpServer>
#include <QTest>

#include <memory>

using namespace CanProtocol;

namespace {

QString busInterface()
{
    // The virtual CAN server of a process listens on one port; take a free one.
    static const quint16 port = [] {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }();
    return QStringLiteral("tcp://127.0.0.1:%1/can0").arg(port);
}

CanSendRequest *request(int frameId, const QByteArray &data, int multiId = -1)
{
    auto *r = new CanSendRequest;
    r->set_frameId(frameId);
    r->set_data(data);
    if (multiId >= 0) {
        r->set_multi(true);
        r->set_multiId(multiId);
    }
    return r;
}

QByteArray fileTransferPayload(int fileBytes)
{
    QByteArray payload("/root/menu.json");
    payload.append(QByteArray(64 - payload.size(), '\0'));
    for (int i = 0; i < fileBytes; ++i)
        payload.append(char((i * 31) ^ (i >> 9)));
    return payload;
}

// Counts the messages that begin with a prefix, while it exists.
class MessageCounter
{
public:
    explicit MessageCounter(const QString &prefix)
    {
        s_prefix = prefix;
        s_count = 0;
        s_previous = qInstallMessageHandler(&MessageCounter::handle);
    }
    ~MessageCounter() { qInstallMessageHandler(s_previous); }
    int count() const { return s_count; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (text.startsWith(s_prefix))
            ++s_count;
        s_previous(type, context, text);
    }
    static QString s_prefix;
    static int s_count;
    static QtMessageHandler s_previous;
};
QString MessageCounter::s_prefix;
int MessageCounter::s_count = 0;
QtMessageHandler MessageCounter::s_previous = nullptr;

// A manager whose bus loses chosen acknowledgements on the way out, or takes no frames
// at all (a real bus whose transmit queue stays full when no other node acknowledges).
class LossyCanbusManager : public CanbusManager
{
public:
    using CanbusManager::CanbusManager;
    QList<AckStatus> dropAcks;  // drop the first acknowledgement of each listed status
    int dropped = 0;
    bool refuseWrites = false;
    int refusedWrites = 0;

protected:
    bool transmitFrame(const CanFrame &frame) override
    {
        if (refuseWrites) {
            ++refusedWrites;
            return false;
        }
        Header h;
        quint32 received = 0;
        AckStatus status = AckContinue;
        if (decode(frame.id(), &h) && h.kind == Ack && parseAckPayload(frame.data(), &received, &status)
            && received > 0 && dropAcks.removeOne(status)) {
            ++dropped;
            return true;
        }
        return CanbusManager::transmitFrame(frame);
    }
};

} // namespace

class TestCanbusManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void singleMessagesBothWays();
    void longSingleMessageStaysSingle();
    void fileArrivesIntact();
    void lostAcknowledgementResendsAndDeliversOnce_data();
    void lostAcknowledgementResendsAndDeliversOnce();
    void corruptTransferIsDropped();
    void oversizedTransferIsDropped();
    void unansweredTransferGivesUp();
    void clearQueueDropsWhatIsQueued();
    void busTakingNoFramesDoesNotHoldTheQueue();
    void fullQueueIsReportedOnce();
    void absentBusIsReportedOnce();
    void ownFramesAreIgnored();

private:
    void syncBus();
    void sendRaw(quint32 id, const QByteArray &data);

    std::unique_ptr<CanbusManager> m_a;
    std::unique_ptr<LossyCanbusManager> m_b;
    QCanBusDevice *m_raw = nullptr;
};

void TestCanbusManager::initTestCase()
{
    registerFieldbusMetaTypes();
    QVERIFY(QCanBus::instance()->plugins().contains("virtualcan"));
}

void TestCanbusManager::init()
{
    m_a.reset(new CanbusManager("virtualcan", busInterface()));
    m_a->set_canId(1);
    // Long enough that a loaded machine never runs out of resends (which would fail a good
    // transfer); the lost acknowledgements below cost one such wait each.
    m_a->set_ackTimeout(1000);
    m_b.reset(new LossyCanbusManager("virtualcan", busInterface()));
    m_b->set_canId(2);
    m_b->set_ackTimeout(1000);
    m_raw = QCanBus::instance()->createDevice("virtualcan", busInterface());
    QVERIFY(m_raw);
    QVERIFY(m_raw->connectDevice());
    m_a->start();
    m_b->start();
    QTRY_VERIFY(m_a->isBusConnected() && m_b->isBusConnected()
                && m_raw->state() == QCanBusDevice::ConnectedState);
    syncBus();
}

void TestCanbusManager::cleanup()
{
    m_a.reset();
    m_b.reset();
    delete m_raw;
    m_raw = nullptr;
}

// The server learns of each client's channel a moment after the client is connected:
// ping until both managers hear the bus, then send a last ping and wait for it, so that
// no ping reaches the test proper (the bus keeps each sender's order).
void TestCanbusManager::syncBus()
{
    QSignalSpy heardA(m_a.get(), &CanbusManager::linkActivity);
    QSignalSpy heardB(m_b.get(), &CanbusManager::linkActivity);
    const QByteArray ping(1, '\0');
    for (int i = 0; i < 200 && (heardA.isEmpty() || heardB.isEmpty()); ++i) {
        sendRaw(singleId(99, ping), ping);
        QTest::qWait(5);
    }
    QVERIFY(!heardA.isEmpty() && !heardB.isEmpty());
    QSignalSpy lastA(m_a.get(), &CanbusManager::singlePacketReceived);
    QSignalSpy lastB(m_b.get(), &CanbusManager::singlePacketReceived);
    const QByteArray last(1, char(0xEE));
    sendRaw(singleId(99, last), last);
    QTRY_VERIFY(!lastA.isEmpty() && lastA.last().at(1).toByteArray() == last);
    QTRY_VERIFY(!lastB.isEmpty() && lastB.last().at(1).toByteArray() == last);
}

void TestCanbusManager::sendRaw(quint32 id, const QByteArray &data)
{
    QVERIFY(m_raw->writeFrame(CanFrame(id, data).toBusFrame()));
}

void TestCanbusManager::singleMessagesBothWays()
{
    QSignalSpy atB(m_b.get(), &CanbusManager::singlePacketReceived);
    QSignalSpy atA(m_a.get(), &CanbusManager::singlePacketReceived);
    QSignalSpy activityA(m_a.get(), &CanbusManager::linkActivity);
    const QByteArray errorInfo("\x31\x02\x00\x05\xFF", 5);
    m_a->enqueueSendRequest(request(1, errorInfo));
    m_b->enqueueSendRequest(request(2, QByteArray(1, char(57))));
    QTRY_COMPARE(atB.count(), 1);
    QTRY_COMPARE(atA.count(), 1);
    QCOMPARE(atB.first().at(0).toUInt(), 1u);
    QCOMPARE(atB.first().at(1).toByteArray(), errorInfo);
    QCOMPARE(atA.first().at(0).toUInt(), 2u);
    QCOMPARE(atA.first().at(1).toByteArray(), QByteArray(1, char(57)));
    QVERIFY(activityA.count() >= 1);
}

void TestCanbusManager::longSingleMessageStaysSingle()
{
    QSignalSpy single(m_b.get(), &CanbusManager::singlePacketReceived);
    QSignalSpy multi(m_b.get(), &CanbusManager::multiPacketReceived);
    const QByteArray settings(40, 'S');
    m_a->enqueueSendRequest(request(1, settings));
    QTRY_COMPARE(single.count(), 1);
    QCOMPARE(single.first().at(1).toByteArray(), settings);
    QCOMPARE(multi.count(), 0);
}

void TestCanbusManager::fileArrivesIntact()
{
    QSignalSpy multi(m_b.get(), &CanbusManager::multiPacketReceived);
    QSignalSpy finished(m_a.get(), &CanbusManager::requestFinished);
    const QByteArray payload = fileTransferPayload(100 * 1024);
    m_a->enqueueSendRequest(request(1, payload, 11));
    m_a->enqueueSendRequest(request(1, "\x39", 7));  // a short multi-packet message after it
    QTRY_COMPARE_WITH_TIMEOUT(multi.count(), 2, 50000);
    QCOMPARE(multi.at(0).at(0).toUInt(), 1u);
    QCOMPARE(multi.at(0).at(1).toInt(), 11);
    QCOMPARE(multi.at(0).at(2).toByteArray(), payload);
    QCOMPARE(multi.at(1).at(1).toInt(), 7);
    QCOMPARE(multi.at(1).at(2).toByteArray(), QByteArray("\x39"));
    QTRY_COMPARE(finished.count(), 2);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(m_a->queuedRequestCount(), 0);
}

void TestCanbusManager::lostAcknowledgementResendsAndDeliversOnce_data()
{
    QTest::addColumn<int>("lost");
    QTest::newRow("block acknowledgement") << int(AckContinue);
    QTest::newRow("final acknowledgement") << int(AckDone);
}

void TestCanbusManager::lostAcknowledgementResendsAndDeliversOnce()
{
    QFETCH(int, lost);
    m_b->dropAcks << AckStatus(lost);
    QSignalSpy multi(m_b.get(), &CanbusManager::multiPacketReceived);
    QSignalSpy finished(m_a.get(), &CanbusManager::requestFinished);
    const QByteArray payload = fileTransferPayload(2000);
    m_a->enqueueSendRequest(request(1, payload, 12));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toBool(), true);
    QCOMPARE(m_b->dropped, 1);
    QCOMPARE(multi.count(), 1);
    QCOMPARE(multi.first().at(2).toByteArray(), payload);
}

void TestCanbusManager::corruptTransferIsDropped()
{
    QSignalSpy multi(m_b.get(), &CanbusManager::multiPacketReceived);
    QSignalSpy single(m_b.get(), &CanbusManager::singlePacketReceived);
    const QByteArray payload(20, 'x');
    const quint32 wrongCrc = Crc32().calculateFromByteArray(payload) ^ 0x100;
    QTest::ignoreMessage(QtWarningMsg, "CAN transfer 3 from 7 dropped: CRC mismatch");
    sendRaw(startId(7, 3, 11, false), startPayload(20, wrongCrc));
    for (quint32 n = 0; n < 3; ++n)
        sendRaw(dataId(7, 3, n), payload.mid(int(n) * 8, 8));
    // A good message behind it shows that the bad one has been handled.
    sendRaw(singleId(7, "\x39"), "\x39");
    QTRY_COMPARE(single.count(), 1);
    QCOMPARE(multi.count(), 0);
}

void TestCanbusManager::oversizedTransferIsDropped()
{
    m_b->set_maxTransferSize(1024);
    QSignalSpy multi(m_b.get(), &CanbusManager::multiPacketReceived);
    QSignalSpy finished(m_a.get(), &CanbusManager::requestFinished);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CAN transfer from 1 refused: 2048 bytes exceed the limit of 1024$"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CAN transfer .* failed: refused by 2$"));
    m_a->enqueueSendRequest(request(1, QByteArray(2048, 'x'), 11));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toBool(), false);
    QCOMPARE(multi.count(), 0);

    // The sender's own limit stops a transfer before it starts.
    m_a->set_maxTransferSize(100);
    QTest::ignoreMessage(QtWarningMsg, "CAN request not sent: 200 bytes exceed the limit of 100");
    m_a->enqueueSendRequest(request(1, QByteArray(200, 'x'), 11));
    QTRY_COMPARE(finished.count(), 2);
    QCOMPARE(finished.last().at(0).toBool(), false);
}

void TestCanbusManager::unansweredTransferGivesUp()
{
    m_b.reset();  // nobody to answer
    QSignalSpy finished(m_a.get(), &CanbusManager::requestFinished);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed: no acknowledgement$"));
    m_a->set_ackTimeout(5);
    m_a->enqueueSendRequest(request(1, QByteArray(100, 'x'), 13));
    m_a->enqueueSendRequest(request(1, "\x3a"));
    QTRY_COMPARE(finished.count(), 2);
    QCOMPARE(finished.first().at(0).toBool(), false);
    QCOMPARE(finished.last().at(0).toBool(), true);  // the queue goes on after a failure
}

void TestCanbusManager::clearQueueDropsWhatIsQueued()
{
    QSignalSpy single(m_b.get(), &CanbusManager::singlePacketReceived);
    m_a->stop();
    QTRY_VERIFY(!m_a->get_isRunning());
    for (int i = 0; i < 3; ++i)
        m_a->enqueueSendRequest(request(1, QByteArray(1, char(40 + i))));
    QCOMPARE(m_a->queuedRequestCount(), 3);
    m_a->clearQueue();
    QCOMPARE(m_a->queuedRequestCount(), 0);
    m_a->enqueueSendRequest(request(1, QByteArray(1, char(50))));
    m_a->start();
    QTRY_COMPARE(single.count(), 1);
    QCOMPARE(single.first().at(1).toByteArray(), QByteArray(1, char(50)));
}

void TestCanbusManager::busTakingNoFramesDoesNotHoldTheQueue()
{
    QSignalSpy finished(m_b.get(), &CanbusManager::requestFinished);
    QSignalSpy atA(m_a.get(), &CanbusManager::singlePacketReceived);
    m_b->set_ackTimeout(20);
    m_b->refuseWrites = true;
    QTest::ignoreMessage(QtWarningMsg, "CAN bus takes no frames: requests are dropped until it does");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CAN transfer .* failed: the bus takes no frames$"));
    for (int i = 0; i < 20; ++i) {
        m_b->enqueueSendRequest(request(2, QByteArray(1, char(i))));
        QTest::qWait(1);
    }
    m_b->enqueueSendRequest(request(2, QByteArray(100, 'x'), 13));
    QTRY_COMPARE(finished.count(), 21);
    for (const QList<QVariant> &result : qAsConst(finished))
        QCOMPARE(result.at(0).toBool(), false);
    // One request at a time retries its write; the others wait their turn.
    QVERIFY2(m_b->refusedWrites < 200, qPrintable(QString::number(m_b->refusedWrites)));

    // Once frames go out again, so do requests.
    m_b->refuseWrites = false;
    m_b->enqueueSendRequest(request(2, "\x3b"));
    QTRY_COMPARE(atA.count(), 1);
    QCOMPARE(finished.last().at(0).toBool(), true);
}

void TestCanbusManager::fullQueueIsReportedOnce()
{
    m_a->stop();
    QTRY_VERIFY(!m_a->get_isRunning());
    QSignalSpy finished(m_a.get(), &CanbusManager::requestFinished);
    MessageCounter full(QStringLiteral("CAN send queue full"));
    for (int i = 0; i < CanbusManager::MaxQueuedRequests + 10; ++i)
        m_a->enqueueSendRequest(request(1, QByteArray(1, char(i))));
    QCOMPARE(m_a->queuedRequestCount(), CanbusManager::MaxQueuedRequests);
    QCOMPARE(finished.count(), 10);
    QCOMPARE(full.count(), 1);
}

void TestCanbusManager::absentBusIsReportedOnce()
{
    MessageCounter reports(QStringLiteral("CAN bus"));
    CanbusManager absent(QStringLiteral("socketcan"), QStringLiteral("tulnocan9"));
    auto *retry = absent.findChild<QTimer *>(QStringLiteral("canReconnectTimer"));
    QVERIFY(retry);
    retry->setInterval(5);
    auto *connecting = absent.findChild<QState *>(QStringLiteral("connecting"));
    QVERIFY(connecting);
    QSignalSpy attempts(connecting, &QState::entered);
    absent.start();
    QTRY_VERIFY(attempts.count() >= 5);
    QVERIFY(!absent.isBusConnected());
    QCOMPARE(reports.count(), 1);
}

void TestCanbusManager::ownFramesAreIgnored()
{
    m_a.reset();  // it would answer the start frame below
    QSignalSpy single(m_b.get(), &CanbusManager::singlePacketReceived);
    QSignalSpy activity(m_b.get(), &CanbusManager::linkActivity);
    sendRaw(singleId(2, "\x11"), "\x11");  // carries B's own id
    sendRaw(startId(2, 1, 11, false), startPayload(8, 0));
    sendRaw(singleId(7, "\x12"), "\x12");
    QTRY_COMPARE(single.count(), 1);
    QCOMPARE(single.first().at(0).toUInt(), 7u);
    QCOMPARE(single.first().at(1).toByteArray(), QByteArray("\x12"));
    QCOMPARE(activity.count(), 1);
}

QTEST_GUILESS_MAIN(TestCanbusManager)
#include "tst_canbusmanager.moc"
