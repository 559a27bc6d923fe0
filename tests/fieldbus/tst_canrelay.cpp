// The simulated CAN bus as our relay serves it: raw clients on loopback speaking the
// virtual CAN plugin's line protocol, and the plugin's own clients behind two CAN
// managers, which must go on talking whatever another client sends.
#include "canbusmanager.h"
#include "canrelay.h"
#include "canrelayline.h"
#include "cansendrequest.h"
#include "fieldbusmetatypes.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

constexpr int WaitMs = 30000;

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// A client of the bus that records every line it is given.
struct RawClient {
    QTcpSocket socket;
    QByteArray received;
    bool join(quint16 port, const QByteArray &bus = "can0")
    {
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (!socket.waitForConnected(WaitMs))
            return false;
        socket.write("connect:" + bus + "\n");
        return socket.waitForBytesWritten(WaitMs);
    }
    // Everything up to and including `marker`.
    bool waitFor(const QByteArray &marker)
    {
        QDeadlineTimer deadline(WaitMs);
        while (!received.contains(marker)) {
            if (deadline.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
            received += socket.readAll();
        }
        return true;
    }
};

} // namespace

class TestCanRelay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFieldbusMetaTypes(); }

    void portOfTheInterface_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("port");
        QTest::newRow("bus of its own") << "tcp://127.0.0.1:45123/can0" << 45123;
        QTest::newRow("plain name") << "can0" << int(CanRelay::DefaultPort);
        QTest::newRow("port out of range") << "tcp://127.0.0.1:70000/can0" << 0;
        QTest::newRow("no bus name") << "tcp://127.0.0.1:45123/" << 0;
        QTest::newRow("something else") << "udp://x" << 0;
    }

    void portOfTheInterface()
    {
        QFETCH(QString, name);
        QFETCH(int, port);
        QCOMPARE(int(CanRelay::portOf(name)), port);
    }

    // What the sender writes after joining can0, and what the other client of can0 gets
    // (empty: nothing). A frame follows each, so nothing-arrived is seen without waiting.
    // The line rules at their edges, read alone: what kind of line each is taken for.
    void linesAtTheirEdges_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("kind");
        const QByteArray longest(CanRelayLine::MaxBusNameBytes, 'b');
        QTest::newRow("join, the longest bus name") << "connect:" + longest << int(CanRelayLine::Connect);
        QTest::newRow("join, one byte longer") << "connect:" + longest + "b" << int(CanRelayLine::Malformed);
        QTest::newRow("leave, the longest bus name") << "disconnect:" + longest << int(CanRelayLine::Disconnect);
        QTest::newRow("frame on the longest bus name") << longest + ":5##00" << int(CanRelayLine::Frame);
        QTest::newRow("frame on a longer one") << longest + "b:5##00" << int(CanRelayLine::Malformed);
        QTest::newRow("bit-rate switch on a classic frame") << QByteArray("can0:5#B#00") << int(CanRelayLine::Malformed);
        QTest::newRow("error state on a classic frame") << QByteArray("can0:5#E#00") << int(CanRelayLine::Malformed);
        QTest::newRow("both on a flexible frame") << QByteArray("can0:5#FBE#00") << int(CanRelayLine::Frame);
        QTest::newRow("remote and flexible") << QByteArray("can0:5#RF#") << int(CanRelayLine::Malformed);
        QTest::newRow("error state alone on a flexible frame") << QByteArray("can0:5#FE#00") << int(CanRelayLine::Frame);
        QTest::newRow("bit-rate switch on a classic extended frame") << QByteArray("can0:5#XB#00")
                                                                     << int(CanRelayLine::Malformed);
        QTest::newRow("extended remote marked flexible") << QByteArray("can0:5#XRF#") << int(CanRelayLine::Malformed);
        QTest::newRow("remote, eight bytes asked") << QByteArray("can0:5#R#0011223344556677") << int(CanRelayLine::Frame);
        QTest::newRow("bus name of every allowed kind") << QByteArray("connect:azAZ09_-.") << int(CanRelayLine::Connect);
        QTest::newRow("bus name with a space") << QByteArray("connect:can 0") << int(CanRelayLine::Malformed);
        QTest::newRow("payload of the edge digits") << QByteArray("can0:5##09afAF") << int(CanRelayLine::Frame);
        QTest::newRow("payload not hexadecimal") << QByteArray("can0:5##0g") << int(CanRelayLine::Malformed);
        QTest::newRow("no id") << QByteArray("can0:##00") << int(CanRelayLine::Malformed);
        QTest::newRow("extended id of nine digits") << QByteArray("can0:536870911#X#") << int(CanRelayLine::Frame);
        // Ten digits would wrap past 32 bits to a small id.
        QTest::newRow("id of ten digits") << QByteArray("can0:4294967296#X#") << int(CanRelayLine::Malformed);
        QTest::newRow("flexible, 20 bytes") << "can0:5#F#" + QByteArray(40, '0') << int(CanRelayLine::Frame);
        QTest::newRow("flexible, 32 bytes") << "can0:5#F#" + QByteArray(64, '0') << int(CanRelayLine::Frame);
        QTest::newRow("flexible, 48 bytes") << "can0:5#F#" + QByteArray(96, '0') << int(CanRelayLine::Frame);
        QTest::newRow("flexible, 9 bytes") << "can0:5#F#" + QByteArray(18, '0') << int(CanRelayLine::Malformed);
        QTest::newRow("flexible, 21 bytes") << "can0:5#F#" + QByteArray(42, '0') << int(CanRelayLine::Malformed);
    }

    void linesAtTheirEdges()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, kind);
        QCOMPARE(int(CanRelayLine::parse(line).kind), kind);
    }

    void onlyWellFormedFramesPass_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QByteArray>("passed");
        QTest::newRow("standard frame") << QByteArray("can0:291##01020304\n") << QByteArray("291##01020304\n");
        QTest::newRow("extended frame") << QByteArray("can0:28036591#X#aa\n") << QByteArray("28036591#X#aa\n");
        QTest::newRow("flexible data rate") << QByteArray("can0:18#FB#787878787878787878787878\n")
                                            << QByteArray("18#FB#787878787878787878787878\n");
        QTest::newRow("remote request") << QByteArray("can0:7#R#\n") << QByteArray("7#R#\n");
        QTest::newRow("two in one write") << QByteArray("can0:3##aa\ncan0:4##bb\n") << QByteArray("3##aa\n4##bb\n");
        QTest::newRow("the crash line") << QByteArray("can0:x\n") << QByteArray();
        QTest::newRow("two fields") << QByteArray("can0:5#44\n") << QByteArray();
        QTest::newRow("four fields") << QByteArray("can0:5##44#\n") << QByteArray();
        QTest::newRow("id not a number") << QByteArray("can0:zz##00\n") << QByteArray();
        QTest::newRow("standard id too large") << QByteArray("can0:2048##00\n") << QByteArray();
        QTest::newRow("unknown flag") << QByteArray("can0:5#Q#00\n") << QByteArray();
        QTest::newRow("flag twice") << QByteArray("can0:5#XX#00\n") << QByteArray();
        QTest::newRow("odd payload") << QByteArray("can0:5##123\n") << QByteArray();
        QTest::newRow("nine bytes") << QByteArray("can0:5##001122334455667788\n") << QByteArray();
        QTest::newRow("carriage return") << QByteArray("can0:5##00\r\n") << QByteArray();
        QTest::newRow("other bus") << QByteArray("can1:5##00\n") << QByteArray();
        QTest::newRow("no bus") << QByteArray(":5##00\n") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\xff\x01#:#\x7f\n", 8) << QByteArray();
        QTest::newRow("64 KiB line") << QByteArray("can0:5##") + QByteArray(64 * 1024, 'a') + "\n" << QByteArray();
        QTest::newRow("line split over writes") << QByteArray("can0:6##0") << QByteArray(); // ends with the marker
    }

    void onlyWellFormedFramesPass()
    {
        QFETCH(QByteArray, sent);
        QFETCH(QByteArray, passed);
        CanRelay relay;
        QVERIFY(relay.listen(freePort()));
        RawClient sender, receiver, elsewhere;
        QVERIFY(sender.join(relay.serverPort()));
        QVERIFY(receiver.join(relay.serverPort()));
        QVERIFY(elsewhere.join(relay.serverPort(), "can1"));
        QTRY_COMPARE(relay.clientCount(), 3);

        sender.socket.write(sent);
        const bool split = !sent.endsWith('\n');
        sender.socket.write(split ? QByteArray("0\ncan0:1##ff\n") : QByteArray("can0:1##ff\n"));
        QVERIFY(receiver.waitFor("1##ff\n"));
        QCOMPARE(receiver.received, (split ? QByteArray("6##00\n") : passed) + "1##ff\n");
        // The sender never hears its own frames; another bus hears none.
        QTest::qWait(0);
        QCOMPARE(sender.socket.readAll(), QByteArray());
        QCOMPARE(elsewhere.socket.readAll(), QByteArray());
        QCOMPARE(relay.droppedLines() > 0, passed.isEmpty() && !split);
    }

    // Two displays' bus managers, and a third client that sends the crash line and then
    // garbage: both managers still exchange messages afterwards.
    void pluginClientsSurviveGarbage()
    {
        const QString bus = QStringLiteral("tcp://127.0.0.1:%1/can0").arg(freePort());
        CanbusManager a(QStringLiteral("virtualcan"), bus);
        a.set_canId(1);
        CanbusManager b(QStringLiteral("virtualcan"), bus);
        b.set_canId(2);
        a.start();
        b.start();
        QTRY_VERIFY_WITH_TIMEOUT(a.isBusConnected() && b.isBusConnected(), WaitMs);
        const auto send = [](CanbusManager *from) {
            auto *request = new CanSendRequest;
            request->set_data(QByteArray("\x07\x01", 2));
            from->enqueueSendRequest(request);
        };
        // A client is on the bus once the relay has read its "connect" line, which may come
        // after its socket is up: until a frame has gone each way, one may be dropped.
        for (CanbusManager *from : {&a, &b}) {
            QSignalSpy got(from == &a ? &b : &a, &CanbusManager::singlePacketReceived);
            for (QDeadlineTimer deadline(WaitMs); got.isEmpty() && !deadline.hasExpired();) {
                send(from);
                got.wait(500);
            }
            QVERIFY(!got.isEmpty());
        }

        RawClient attacker;
        QVERIFY(attacker.join(CanRelay::portOf(bus)));
        QByteArray garbage("can0:x\ncan0:\ncan0:##\ncan0:1#\n#\n\n");
        for (int i = 0; i < 4096; ++i)
            garbage.append(char((i * 7919) & 0xFF));
        garbage += '\n';
        attacker.socket.write(garbage);
        QVERIFY(attacker.socket.waitForBytesWritten(WaitMs));

        for (CanbusManager *from : {&a, &b}) {
            CanbusManager *to = from == &a ? &b : &a;
            QSignalSpy got(to, &CanbusManager::singlePacketReceived);
            send(from);
            QTRY_VERIFY_WITH_TIMEOUT(!got.isEmpty(), WaitMs);
            QCOMPARE(got.first().at(1).toByteArray(), QByteArray("\x07\x01", 2));
        }
    }
};

QTEST_MAIN(TestCanRelay)
#include "tst_canrelay.moc"
