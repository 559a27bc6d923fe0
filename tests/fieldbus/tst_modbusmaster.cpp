// The Modbus master against an independent peer: a libmodbus RTU server on the far end
// of a pair of linked pseudo-terminals.
#include "libmodbusserver.h"
#include "ptylink.h"
#include "qmodbusmaster.h"
#include "qmodbuspollinfo.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {
constexpr int Node = 1;
constexpr int Registers = 200;
constexpr int ReplyTimeoutMs = 10000; // only reached when something is wrong, or on a loaded machine
constexpr int WaitMs = 30000;
constexpr int SilenceTimeoutMs = 15;
}

class TestModbusMaster : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rejectsWhatModbusCannotCarry_data();
    void rejectsWhatModbusCannotCarry();
    void readsOneAndManyRegisters_data();
    void readsOneAndManyRegisters();
    void writesOneAndManyRegisters_data();
    void writesOneAndManyRegisters();
    void exceptionReplyIsAnError();
    void silenceUsesEveryTryThenTimesOut();
    void corruptedReplyIsAFailedTry();
    void corruptedLastTryTimesOut();
    void highPriorityOvertakesQueuedNormal();
    void requestsAreSpacedTwentyMilliseconds();
    void recordDestroyedWhileQueued();
    void repeatedRequestReplacesWaitingOne();
    void logsFramesInHex();

private:
    std::unique_ptr<QModbusPollInfo> record(int count, int timeoutMs = ReplyTimeoutMs);

    std::unique_ptr<PtyLink> m_link;
    std::unique_ptr<LibmodbusServer> m_server;
    std::unique_ptr<QModbusMaster> m_master;
};

void TestModbusMaster::init()
{
    m_link.reset(new PtyLink);
    QVERIFY(m_link->isValid());
    m_server.reset(new LibmodbusServer(m_link->farDevice(), Node, Registers));
    QVERIFY(m_server->isRunning());
    m_master.reset(new QModbusMaster);
    QVERIFY(m_master->openSerialPort(m_link->nearDevice()));
    m_master->start();
    QTRY_VERIFY(m_master->get_isRunning());
}

void TestModbusMaster::cleanup()
{
    m_master.reset();
    m_server.reset();
    m_link.reset();
}

std::unique_ptr<QModbusPollInfo> TestModbusMaster::record(int count, int timeoutMs)
{
    auto info = std::make_unique<QModbusPollInfo>(count);
    info->set_replyTimeout(timeoutMs);
    return info;
}

void TestModbusMaster::rejectsWhatModbusCannotCarry_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("recordSize");
    QTest::addColumn<int>("expected");
    QTest::newRow("read 0") << false << 0 << 10 << -1;
    QTest::newRow("read 125") << false << 125 << 125 << 0;
    QTest::newRow("read 126") << false << 126 << 200 << -1;
    QTest::newRow("write 123") << true << 123 << 123 << 0;
    QTest::newRow("write 124") << true << 124 << 200 << -1;
    QTest::newRow("read beyond the record") << false << 11 << 10 << -1;
    QTest::newRow("write beyond the record") << true << 2 << 1 << -1;
}

void TestModbusMaster::rejectsWhatModbusCannotCarry()
{
    QFETCH(bool, write);
    QFETCH(int, count);
    QFETCH(int, recordSize);
    QFETCH(int, expected);
    auto info = record(recordSize);
    const int result = write ? m_master->holdingRegistersWrite(Node, 0, quint8(count), 0, info.get())
                             : m_master->holdingRegistersRead(Node, 0, quint8(count), 0, info.get());
    QCOMPARE(result, expected);
    QCOMPARE(info->get_state() == QModbusPollInfo::QMBS_IDLE, expected != 0);
    QCOMPARE(m_master->holdingRegistersRead(Node, 0, 1, 0, nullptr), -1);
    QCOMPARE(m_master->holdingRegistersWrite(Node, 0, 1, 0, nullptr), -1);
}

void TestModbusMaster::readsOneAndManyRegisters_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::newRow("one") << 0 << 1;
    QTest::newRow("error block") << 34 << 30;
    QTest::newRow("largest") << 70 << 125;
}

void TestModbusMaster::readsOneAndManyRegisters()
{
    QFETCH(int, start);
    QFETCH(int, count);
    for (int i = 0; i < count; ++i)
        m_server->setRegister(start + i, quint16(0xA000 + i));
    auto info = record(count);
    QSignalSpy good(info.get(), &QModbusPollInfo::pollReplyGood);
    QCOMPARE(m_master->holdingRegistersRead(Node, quint16(start), quint8(count), 0, info.get()), 0);
    QVERIFY(good.wait(WaitMs));
    QCOMPARE(info->get_state(), QModbusPollInfo::QMBS_REPLY_GOOD);
    for (int i = 0; i < count; ++i)
        QCOMPARE(info->get_register(i), quint16(0xA000 + i));
}

void TestModbusMaster::writesOneAndManyRegisters_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::newRow("one (function 6)") << 1 << 1;
    QTest::newRow("power control (function 16)") << 117 << 5;
    QTest::newRow("largest") << 0 << 123;
}

void TestModbusMaster::writesOneAndManyRegisters()
{
    QFETCH(int, start);
    QFETCH(int, count);
    auto info = record(count);
    for (int i = 0; i < count; ++i)
        info->set_register(i, quint16(1000 + i));
    QSignalSpy good(info.get(), &QModbusPollInfo::pollReplyGood);
    QCOMPARE(m_master->holdingRegistersWrite(Node, quint16(start), quint8(count), 0, info.get()), 0);
    // Changing the record after queueing does not change what goes out.
    info->set_register(0, 7);
    QVERIFY(good.wait(WaitMs));
    for (int i = 0; i < count; ++i)
        QCOMPARE(m_server->registerValue(start + i), quint16(1000 + i));
}

void TestModbusMaster::exceptionReplyIsAnError()
{
    auto info = record(2);
    QSignalSpy error(info.get(), &QModbusPollInfo::pollReplyError);
    QSignalSpy issued(info.get(), &QModbusPollInfo::pollRequestIssued);
    QCOMPARE(m_master->holdingRegistersRead(Node, Registers - 1, 2, 3, info.get()), 0);
    QVERIFY(error.wait(WaitMs));
    QCOMPARE(info->get_state(), QModbusPollInfo::QMBS_REPLY_ERROR);
    QCOMPARE(info->get_exceptionCode(), quint8(2));
    QCOMPARE(issued.count(), 1);  // an answer, even a refusal, is not retried
}

void TestModbusMaster::silenceUsesEveryTryThenTimesOut()
{
    auto info = record(1, SilenceTimeoutMs);
    QSignalSpy timedOut(info.get(), &QModbusPollInfo::pollReplyTimedOut);
    QSignalSpy issued(info.get(), &QModbusPollInfo::pollRequestIssued);
    m_link->dropReplies(true);
    QCOMPARE(m_master->holdingRegistersRead(Node, 0, 1, 2, info.get()), 0);
    QVERIFY(timedOut.wait(WaitMs));
    m_link->dropReplies(false);
    QCOMPARE(issued.count(), 3);
    QCOMPARE(info->get_state(), QModbusPollInfo::QMBS_REPLY_TIMEDOUT);

    // The line is free again afterwards.
    auto next = record(1);
    QSignalSpy good(next.get(), &QModbusPollInfo::pollReplyGood);
    m_master->holdingRegistersRead(Node, 0, 1, 0, next.get());
    QVERIFY(good.wait(WaitMs));
}

void TestModbusMaster::corruptedReplyIsAFailedTry()
{
    m_server->setRegister(5, 0x1234);
    m_link->corruptReplies(1);
    auto info = record(1);
    QSignalSpy good(info.get(), &QModbusPollInfo::pollReplyGood);
    QSignalSpy issued(info.get(), &QModbusPollInfo::pollRequestIssued);
    QTest::ignoreMessage(QtDebugMsg, "Modbus reply from node 1 discarded: \"CRC error\"");
    QCOMPARE(m_master->holdingRegistersRead(Node, 5, 1, 1, info.get()), 0);
    QVERIFY(good.wait(WaitMs));
    QCOMPARE(issued.count(), 2);
    QCOMPARE(info->get_register(0), quint16(0x1234));
}

void TestModbusMaster::corruptedLastTryTimesOut()
{
    m_link->corruptReplies(1);
    auto info = record(1);
    QSignalSpy timedOut(info.get(), &QModbusPollInfo::pollReplyTimedOut);
    QSignalSpy error(info.get(), &QModbusPollInfo::pollReplyError);
    QTest::ignoreMessage(QtDebugMsg, "Modbus reply from node 1 discarded: \"CRC error\"");
    m_master->holdingRegistersRead(Node, 5, 1, 0, info.get());
    QVERIFY(timedOut.wait(WaitMs));
    QCOMPARE(error.count(), 0);
}

void TestModbusMaster::highPriorityOvertakesQueuedNormal()
{
    QStringList order;
    std::vector<std::unique_ptr<QModbusPollInfo>> records;
    const QStringList names{"n1", "n2", "n3", "high"};
    for (const QString &name : names) {
        records.push_back(record(1));
        QModbusPollInfo *info = records.back().get();
        connect(info, &QModbusPollInfo::pollRequestIssued, this, [&order, name] { order << name; });
    }
    records[3]->set_priority(QModbusPollInfo::QMBP_HIGH);
    QSignalSpy lastDone(records[2].get(), &QModbusPollInfo::pollReplyGood);
    for (auto &info : records)
        QCOMPARE(m_master->holdingRegistersRead(Node, 0, 1, 0, info.get()), 0);
    QVERIFY(lastDone.wait(WaitMs));
    // n1 went out at once; the high-priority request goes before the waiting ones.
    QCOMPARE(order, QStringList({"n1", "high", "n2", "n3"}));
}

void TestModbusMaster::requestsAreSpacedTwentyMilliseconds()
{
    QElapsedTimer clock;
    clock.start();
    QVector<qint64> issuedAt;
    std::vector<std::unique_ptr<QModbusPollInfo>> records;
    for (int i = 0; i < 5; ++i) {
        records.push_back(record(1));
        connect(records.back().get(), &QModbusPollInfo::pollRequestIssued, this,
                [&] { issuedAt << clock.nsecsElapsed(); });
    }
    QSignalSpy lastDone(records.back().get(), &QModbusPollInfo::pollReplyGood);
    for (int i = 0; i < 5; ++i)
        m_master->holdingRegistersRead(Node, 0, 1, 0, records[size_t(i)].get());
    QVERIFY(lastDone.wait(WaitMs));
    QCOMPARE(issuedAt.size(), 5);
    for (int i = 1; i < issuedAt.size(); ++i) {
        const qint64 gapUs = (issuedAt[i] - issuedAt[i - 1]) / 1000;
        QVERIFY2(gapUs >= 19500, qPrintable(QString("gap %1 us").arg(gapUs)));
    }
}

void TestModbusMaster::recordDestroyedWhileQueued()
{
    auto first = record(1);
    auto doomed = record(1);
    auto last = record(1);
    QSignalSpy lastGood(last.get(), &QModbusPollInfo::pollReplyGood);
    m_master->holdingRegistersRead(Node, 0, 1, 0, first.get());
    m_master->holdingRegistersRead(Node, 0, 1, 0, doomed.get());
    m_master->holdingRegistersRead(Node, 0, 1, 0, last.get());
    doomed.reset();
    QCOMPARE(m_master->queuedRequestCount(), 1);
    QVERIFY(lastGood.wait(WaitMs));

    // Destroyed while on the line: the reply finds no record and is dropped quietly.
    auto inFlight = record(1);
    QSignalSpy issued(inFlight.get(), &QModbusPollInfo::pollRequestIssued);
    auto after = record(1);
    QSignalSpy afterGood(after.get(), &QModbusPollInfo::pollReplyGood);
    m_master->holdingRegistersRead(Node, 0, 1, 0, inFlight.get());
    m_master->holdingRegistersRead(Node, 0, 1, 0, after.get());
    QVERIFY(issued.count() == 1 || issued.wait(WaitMs));
    inFlight.reset();
    QVERIFY(afterGood.wait(WaitMs));
}

void TestModbusMaster::repeatedRequestReplacesWaitingOne()
{
    auto busy = record(1);
    auto periodic = record(2);
    QSignalSpy good(periodic.get(), &QModbusPollInfo::pollReplyGood);
    QSignalSpy issued(periodic.get(), &QModbusPollInfo::pollRequestIssued);
    m_master->holdingRegistersRead(Node, 0, 1, 0, busy.get());
    for (int i = 0; i < 10; ++i)
        m_master->holdingRegistersRead(Node, quint16(i), 2, 0, periodic.get());
    QCOMPARE(m_master->queuedRequestCount(), 1);
    m_server->setRegister(9, 99);
    QVERIFY(good.wait(WaitMs));
    QCOMPARE(issued.count(), 1);
    QCOMPARE(periodic->get_register(0), quint16(99));  // the newest request went out
}

void TestModbusMaster::logsFramesInHex()
{
    m_master->set_logModbus(true);
    m_server->setRegister(0, 0x0102);
    auto info = record(1);
    QSignalSpy good(info.get(), &QModbusPollInfo::pollReplyGood);
    QTest::ignoreMessage(QtDebugMsg, "Modbus TX 01 03 00 00 00 01 84 0a");
    QTest::ignoreMessage(QtDebugMsg, "Modbus RX 01 03 02 01 02 38 15");
    m_master->holdingRegistersRead(Node, 0, 1, 0, info.get());
    QVERIFY(good.wait(WaitMs));
}

QTEST_GUILESS_MAIN(TestModbusMaster)
#include "tst_modbusmaster.moc"
