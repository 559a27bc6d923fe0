// Two CAN managers, and raw frames, on a virtual CAN bus of this test's own (its own TCP port).
#include "canbusmanager.h"
#include "canprotocol.h"
#include "cansendrequest.h"
#include "crc32.h"
#include "fieldbusmetatypes.h"
#include "virtualcanbus.h"

#include <QCanBus>
#include <QCanBusDevice>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QState>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace CanProtocol;

namespace {

constexpr int WaitMs = 50000;

// Counts the log lines that begin with a prefix while it exists.
QString g_prefix;
int g_count = 0;
QtMessageHandler g_previous = nullptr;
struct MessageCounter {
    explicit MessageCounter(const QString &prefix)
    {
        g_prefix = prefix;
        g_count = 0;
        g_previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            g_count += text.startsWith(g_prefix) ? 1 : 0;
            g_previous(type, context, text);
        });
    }
    ~MessageCounter() { qInstallMessageHandler(g_previous); }
};

// A manager whose bus loses chosen acknowledgements on the way out, or takes no frames
// at all (a real bus whose transmit queue stays full when no other node acknowledges).
class LossyCanbusManager : public CanbusManager
{
public:
    using CanbusManager::CanbusManager;
    QList<AckStatus> dropAcks; // drop the first acknowledgement of each listed status
    int dropped = 0;
    bool refuseWrites = false;
    int refusedWrites = 0;

protected:
    bool transmitFrame(const CanFrame &frame) override
    {
        Header h;
        quint32 received = 0;
        AckStatus status = AckContinue;
        if (refuseWrites)
            return ++refusedWrites, false;
        if (decode(frame.id(), &h) && h.kind == Ack && parseAckPayload(frame.data(), &received, &status)
            && received > 0 && dropAcks.removeOne(status))
            return ++dropped, true;
        return CanbusManager::transmitFrame(frame);
    }
};

} // namespace

class TestCanbusManager : public QObject
{
    Q_OBJECT
    std::unique_ptr<CanbusManager> m_a;
    std::unique_ptr<LossyCanbusManager> m_b;
    QCanBusDevice *m_raw = nullptr;

    void sendRaw(quint32 id, const QByteArray &data) { QVERIFY(m_raw->writeFrame(CanFrame(id, data).toBusFrame())); }

    // The server learns of each client's channel a moment after the client is connected:
    // ping until both managers hear the bus, then send a last ping and wait for it, so that
    // no ping reaches the test proper (the bus keeps each sender's order).
    void syncBus()
    {
        QSignalSpy heardA(m_a.get(), &CanbusManager::linkActivity);
        QSignalSpy heardB(m_b.get(), &CanbusManager::linkActivity);
        for (int i = 0; i < 2000 && (heardA.isEmpty() || heardB.isEmpty()); ++i) {
            sendRaw(singleId(99, QByteArray(1, '\0')), QByteArray(1, '\0'));
            QTest::qWait(5);
        }
        QVERIFY(!heardA.isEmpty() && !heardB.isEmpty());
        QSignalSpy lastA(m_a.get(), &CanbusManager::singlePacketReceived);
        QSignalSpy lastB(m_b.get(), &CanbusManager::singlePacketReceived);
        sendRaw(singleId(99, "\xEE"), "\xEE");
        QTRY_VERIFY_WITH_TIMEOUT(!lastA.isEmpty() && lastA.last().at(1).toByteArray() == "\xEE", WaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!lastB.isEmpty() && lastB.last().at(1).toByteArray() == "\xEE", WaitMs);
    }

private slots:
    void initTestCase()
    {
        registerFieldbusMetaTypes();
        QVERIFY(QCanBus::instance()->plugins().contains("virtualcan"));
    }

    void init()
    {
        // Long enough that a loaded machine never runs out of resends (which would fail a
        // good transfer); each lost acknowledgement below costs one such wait.
        m_a.reset(new CanbusManager("virtualcan", virtualCanInterface()));
        m_a->set_canId(1);
        m_a->set_ackTimeout(1000);
        m_b.reset(new LossyCanbusManager("virtualcan", virtualCanInterface()));
        m_b->set_canId(2);
        m_b->set_ackTimeout(1000);
        m_raw = QCanBus::instance()->createDevice("virtualcan", virtualCanInterface());
        QVERIFY(m_raw && m_raw->connectDevice());
        m_a->start();
        m_b->start();
        QTRY_VERIFY_WITH_TIMEOUT(m_a->isBusConnected() && m_b->isBusConnected()
                                     && m_raw->state() == QCanBusDevice::ConnectedState, WaitMs);
        syncBus();
    }

    void cleanup()
    {
        m_a.reset();
        m_b.reset();
        delete m_raw;
        m_raw = nullptr;
    }

    void deliveredOnceAndInOrder_data()
    {
        QTest::addColumn<bool>("fromB");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("multiId"); // -1: a single message
        QTest::addColumn<int>("lostAck"); // -1: none
        QTest::newRow("single message") << false << 5 << -1 << -1;
        QTest::newRow("single message the other way") << true << 1 << -1 << -1;
        QTest::newRow("40-byte single message stays single") << false << 40 << -1 << -1;
        QTest::newRow("file of 100 KiB") << false << 100 * 1024 << 11 << -1;
        QTest::newRow("one-byte multi-packet message") << false << 1 << 7 << -1;
        QTest::newRow("lost block acknowledgement") << false << 2000 << 12 << int(AckContinue);
        QTest::newRow("lost final acknowledgement") << false << 2000 << 12 << int(AckDone);
    }

    void deliveredOnceAndInOrder()
    {
        QFETCH(bool, fromB);
        QFETCH(int, bytes);
        QFETCH(int, multiId);
        QFETCH(int, lostAck);
        CanbusManager *sender = fromB ? static_cast<CanbusManager *>(m_b.get()) : m_a.get();
        CanbusManager *receiver = fromB ? m_a.get() : static_cast<CanbusManager *>(m_b.get());
        if (lostAck >= 0)
            m_b->dropAcks << AckStatus(lostAck);
        QByteArray payload;
        for (int i = 0; i < bytes; ++i)
            payload.append(char((i * 31) ^ (i >> 9)));
        QSignalSpy single(receiver, &CanbusManager::singlePacketReceived);
        QSignalSpy multi(receiver, &CanbusManager::multiPacketReceived);
        QSignalSpy activity(receiver, &CanbusManager::linkActivity);
        QSignalSpy finished(sender, &CanbusManager::requestFinished);
        sender->enqueueSendRequest(canRequest(fromB ? 2 : 1, payload, multiId));
        sender->enqueueSendRequest(canRequest(fromB ? 2 : 1, "\x39")); // the queue goes on after it
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, WaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!single.isEmpty() && single.last().at(1).toByteArray() == "\x39", WaitMs);
        QCOMPARE(finished.at(0).at(0).toBool(), true);
        QCOMPARE(finished.at(1).at(0).toBool(), true);
        QCOMPARE(single.count() + multi.count(), 2); // each exactly once
        const QList<QVariant> got = multiId < 0 ? single.first() : multi.first();
        QCOMPARE(got.at(0).toUInt(), fromB ? 2u : 1u);
        QCOMPARE(got.last().toByteArray(), payload);
        if (multiId >= 0)
            QCOMPARE(got.at(1).toInt(), multiId);
        QCOMPARE(m_b->dropped, lostAck >= 0 ? 1 : 0);
        QVERIFY(activity.count() >= 1);
        QCOMPARE(sender->queuedRequestCount(), 0);
    }

    // A receiver takes a transfer before it is acknowledged: what it refuses fails at the
    // sender and is not emitted; single messages, long ones too, never reach it.
    void receiverDecidesWhatIsTaken_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("multiId"); // -1: a single message
        QTest::addColumn<bool>("take");
        QTest::newRow("taken file") << 2000 << 11 << true;
        QTest::newRow("refused file") << 2000 << 11 << false;
        QTest::newRow("refused empty transfer") << 0 << 12 << false;
        QTest::newRow("40-byte single message") << 40 << -1 << false;
    }

    void receiverDecidesWhatIsTaken()
    {
        QFETCH(int, bytes);
        QFETCH(int, multiId);
        QFETCH(bool, take);
        QList<int> offered;
        m_b->setTransferReceiver([&](quint32 sender, int id, const QByteArray &data) {
            offered << id;
            return sender == 1 && data.size() == bytes && take;
        });
        QSignalSpy single(m_b.get(), &CanbusManager::singlePacketReceived);
        QSignalSpy multi(m_b.get(), &CanbusManager::multiPacketReceived);
        QSignalSpy finished(m_a.get(), &CanbusManager::requestFinished);
        const bool refused = multiId >= 0 && !take;
        if (refused) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused by its receiver$"));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed: refused by 2$"));
        }
        m_a->enqueueSendRequest(canRequest(1, QByteArray(bytes, 'x'), multiId));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, WaitMs);
        QCOMPARE(finished.first().at(0).toBool(), !refused);
        QCOMPARE(offered, multiId >= 0 ? QList<int>{multiId} : QList<int>{});
        QTRY_COMPARE_WITH_TIMEOUT(single.count() + multi.count(), refused ? 0 : 1, WaitMs);
    }

    void corruptTransferIsDropped()
    {
        QSignalSpy multi(m_b.get(), &CanbusManager::multiPacketReceived);
        QSignalSpy single(m_b.get(), &CanbusManager::singlePacketReceived);
        const QByteArray payload(20, 'x');
        QTest::ignoreMessage(QtWarningMsg, "CAN transfer 3 from 7 dropped: CRC mismatch");
        sendRaw(startId(7, 3, 11, false), startPayload(20, Crc32().calculateFromByteArray(payload) ^ 0x100));
        for (quint32 n = 0; n < 3; ++n)
            sendRaw(dataId(7, 3, n), payload.mid(int(n) * 8, 8));
        sendRaw(singleId(7, "\x39"), "\x39"); // a good message behind it shows the bad one was handled
        QTRY_COMPARE_WITH_TIMEOUT(single.count(), 1, WaitMs);
        QCOMPARE(multi.count(), 0);
    }

    void transferItCannotCarryIsRefusedAtEitherEnd()
    {
        m_b->set_maxTransferSize(1024);
        QSignalSpy multi(m_b.get(), &CanbusManager::multiPacketReceived);
        QSignalSpy finished(m_a.get(), &CanbusManager::requestFinished);
        QTest::ignoreMessage(QtWarningMsg, "CAN transfer from 1 refused: 2048 bytes exceed the limit of 1024");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CAN transfer .* failed: refused by 2$"));
        m_a->enqueueSendRequest(canRequest(1, QByteArray(2048, 'x'), 11));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, WaitMs);
        m_a->set_maxTransferSize(100);
        QTest::ignoreMessage(QtWarningMsg, "CAN request not sent: 200 bytes exceed the limit of 100");
        m_a->enqueueSendRequest(canRequest(1, QByteArray(200, 'x'), 11));
        QTest::ignoreMessage(QtWarningMsg, "CAN request not sent: multi-packet id 256 out of range");
        m_a->enqueueSendRequest(canRequest(1, "x", 256)); // and so does an id its start frame cannot carry
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 3, WaitMs);
        for (const QList<QVariant> &result : qAsConst(finished))
            QCOMPARE(result.at(0).toBool(), false);
        QCOMPARE(multi.count(), 0);
    }

    // A node that has heard another one reports a lost transfer as a fault; one that has
    // heard nobody yet (the other display still starting) only at debug level.
    void unansweredTransferGivesUp_data()
    {
        QTest::addColumn<bool>("heardPeer");
        QTest::addColumn<int>("level");
        QTest::newRow("after another node was heard") << true << int(QtWarningMsg);
        QTest::newRow("before any other node") << false << int(QtDebugMsg);
    }
    void unansweredTransferGivesUp()
    {
        QFETCH(bool, heardPeer);
        QFETCH(int, level);
        m_b.reset(); // nobody to answer
        if (!heardPeer) {
            m_a.reset(new CanbusManager("virtualcan", virtualCanInterface()));
            m_a->set_canId(1);
            m_a->start();
            QTRY_VERIFY_WITH_TIMEOUT(m_a->isBusConnected(), WaitMs);
        }
        QSignalSpy finished(m_a.get(), &CanbusManager::requestFinished);
        QTest::ignoreMessage(QtMsgType(level), QRegularExpression("failed: no acknowledgement$"));
        m_a->set_ackTimeout(5);
        m_a->enqueueSendRequest(canRequest(1, QByteArray(100, 'x'), 13));
        m_a->enqueueSendRequest(canRequest(1, "\x3a"));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, WaitMs);
        QCOMPARE(finished.first().at(0).toBool(), false);
        QCOMPARE(finished.last().at(0).toBool(), true); // the queue goes on after a failure
    }

    void clearQueueDropsWhatIsQueued()
    {
        QSignalSpy single(m_b.get(), &CanbusManager::singlePacketReceived);
        m_a->stop();
        QTRY_VERIFY(!m_a->get_isRunning());
        for (int i = 0; i < 3; ++i)
            m_a->enqueueSendRequest(canRequest(1, QByteArray(1, char(40 + i))));
        QCOMPARE(m_a->queuedRequestCount(), 3);
        m_a->clearQueue();
        QCOMPARE(m_a->queuedRequestCount(), 0);
        m_a->enqueueSendRequest(canRequest(1, QByteArray(1, char(50))));
        m_a->start();
        QTRY_COMPARE_WITH_TIMEOUT(single.count(), 1, WaitMs);
        QCOMPARE(single.first().at(1).toByteArray(), QByteArray(1, char(50)));
    }

    void busTakingNoFramesDoesNotHoldTheQueue()
    {
        QSignalSpy finished(m_b.get(), &CanbusManager::requestFinished);
        QSignalSpy atA(m_a.get(), &CanbusManager::singlePacketReceived);
        m_b->set_ackTimeout(20);
        m_b->refuseWrites = true;
        QTest::ignoreMessage(QtWarningMsg, "CAN bus takes no frames: requests are dropped until it does");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CAN transfer .* failed: the bus takes no frames$"));
        for (int i = 0; i < 20; ++i) {
            m_b->enqueueSendRequest(canRequest(2, QByteArray(1, char(i))));
            QTest::qWait(1);
        }
        m_b->enqueueSendRequest(canRequest(2, QByteArray(100, 'x'), 13));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 21, WaitMs);
        for (const QList<QVariant> &result : qAsConst(finished))
            QCOMPARE(result.at(0).toBool(), false);
        // One request at a time retries its write; the others wait their turn.
        QVERIFY2(m_b->refusedWrites < 200, qPrintable(QString::number(m_b->refusedWrites)));
        m_b->refuseWrites = false; // once frames go out again, so do requests
        m_b->enqueueSendRequest(canRequest(2, "\x3b"));
        QTRY_COMPARE_WITH_TIMEOUT(atA.count(), 1, WaitMs);
        QCOMPARE(finished.last().at(0).toBool(), true);
    }

    void fullQueueAndAbsentBusAreReportedOnce()
    {
        m_a->stop();
        QTRY_VERIFY(!m_a->get_isRunning());
        QSignalSpy finished(m_a.get(), &CanbusManager::requestFinished);
        {
            MessageCounter full(QStringLiteral("CAN send queue full"));
            for (int i = 0; i < CanbusManager::MaxQueuedRequests + 10; ++i)
                m_a->enqueueSendRequest(canRequest(1, QByteArray(1, char(i))));
            QCOMPARE(m_a->queuedRequestCount(), CanbusManager::MaxQueuedRequests);
            QCOMPARE(finished.count(), 10);
            QCOMPARE(g_count, 1);
        }
        MessageCounter reports(QStringLiteral("CAN bus"));
        CanbusManager absent(QStringLiteral("socketcan"), QStringLiteral("tulnocan9"));
        auto *retry = absent.findChild<QTimer *>(QStringLiteral("canReconnectTimer"));
        auto *connecting = absent.findChild<QState *>(QStringLiteral("connecting"));
        QVERIFY(retry && connecting);
        retry->setInterval(5);
        QSignalSpy attempts(connecting, &QState::entered);
        absent.start();
        QTRY_VERIFY_WITH_TIMEOUT(attempts.count() >= 5, WaitMs);
        QVERIFY(!absent.isBusConnected());
        QCOMPARE(g_count, 1);
    }

    void ownFramesAreIgnored()
    {
        m_a.reset(); // it would answer the start frame below
        QSignalSpy single(m_b.get(), &CanbusManager::singlePacketReceived);
        QSignalSpy activity(m_b.get(), &CanbusManager::linkActivity);
        sendRaw(singleId(2, "\x11"), "\x11"); // carries B's own id
        sendRaw(startId(2, 1, 11, false), startPayload(8, 0));
        sendRaw(singleId(7, "\x12"), "\x12");
        QTRY_COMPARE_WITH_TIMEOUT(single.count(), 1, WaitMs);
        QCOMPARE(single.first().at(0).toUInt(), 7u);
        QCOMPARE(single.first().at(1).toByteArray(), QByteArray("\x12"));
        QCOMPARE(activity.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCanbusManager)
#include "tst_canbusmanager.moc"
