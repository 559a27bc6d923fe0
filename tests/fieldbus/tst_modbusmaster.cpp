// The Modbus master against an independent peer: a libmodbus RTU server on the far end
// of a pair of linked pseudo-terminals.
#include "libmodbusserver.h"
#include "ptylink.h"
#include "qmodbusmaster.h"
#include "qmodbuspollinfo.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <memory>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {
constexpr int Node = 1;
constexpr int Registers = 200;
constexpr int ReplyTimeoutMs = 10000; // only reached when something is wrong, or on a loaded machine
constexpr int WaitMs = 30000;
constexpr qint64 Ms = 1000000;

// The master's clock: running with the system's, or stopped where a test judges a gap
// (a loaded machine then cannot move the moment a decision is made).
class TestClock
{
public:
    qint64 now() const { return m_stopped ? m_at : real() + m_offset; }
    void stop()
    {
        m_at = now();
        m_stopped = true;
    }
    void advance(qint64 ns) { m_at += ns; } // while stopped
    void run()                              // on from where it stood
    {
        m_offset = m_at - real();
        m_stopped = false;
    }

private:
    static qint64 real()
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch()).count();
    }
    bool m_stopped = false;
    qint64 m_at = 0;
    qint64 m_offset = 0;
};
}

class TestModbusMaster : public QObject
{
    Q_OBJECT
    std::unique_ptr<PtyLink> m_link;
    std::unique_ptr<LibmodbusServer> m_server;
    std::unique_ptr<QModbusMaster> m_master;
    TestClock m_clock;
    int m_gapsEntered = 0; // each time the master enters "spacing": after a reply or a put-off request

    static std::unique_ptr<QModbusPollInfo> record(int count, int timeoutMs = ReplyTimeoutMs)
    {
        auto info = std::make_unique<QModbusPollInfo>(count);
        info->set_replyTimeout(timeoutMs);
        return info;
    }
    int read(int start, int count, int retries, QModbusPollInfo *info)
    {
        return m_master->holdingRegistersRead(Node, quint16(start), quint8(count), quint8(retries), info);
    }

    // Bytes from the far end that no request asked for, on the near end's input queue but
    // not read by the master: this thread does not turn the event loop while it waits.
    bool strayBytesWaiting(int count)
    {
        const int before = qMax(0, m_link->unreadAtNear());
        m_link->sendFromFar(QByteArray(count, '\x55'));
        QElapsedTimer waited;
        waited.start();
        while (m_link->unreadAtNear() < before + count && waited.elapsed() < WaitMs)
            QTest::qSleep(1);
        return m_link->unreadAtNear() >= before + count;
    }
    // The master has looked at the line `looks` more times while `held` waits (each look
    // that puts it off ends in "spacing"), or has let it go.
    bool masterLooked(int looks, const QModbusPollInfo *held)
    {
        const int target = m_gapsEntered + looks;
        const auto waiting = [held] { return held->get_state() == QModbusPollInfo::QMBS_WAITING_IN_QUEUE; };
        QElapsedTimer waited;
        waited.start();
        while (m_gapsEntered < target && waiting() && waited.elapsed() < WaitMs)
            QTest::qWait(1);
        return m_gapsEntered >= target || !waiting();
    }

    // One run of a row of waitsForLineSilence: every gap read on the line.
    std::vector<qint64> readGaps()
    {
        QFETCH(int, count);
        QFETCH(int, timeoutMs);
        QFETCH(int, retries);
        QFETCH(bool, corrupt);
        QFETCH(int, strayBytes);
        m_link->paceReplies(115200);
        m_link->corruptReplies(corrupt ? 1 : 0);
        if (corrupt)
            QTest::ignoreMessage(QtDebugMsg, "Modbus reply from node 1 discarded: \"CRC error\"");
        if (strayBytes > 0) {
            m_link->sendFromFar(QByteArray(strayBytes, '\x55'));
            QTest::qSleep(3); // part of it has come in, none of it read
        }
        auto first = record(count, timeoutMs);
        read(0, count, retries, first.get());
        std::vector<std::unique_ptr<QModbusPollInfo>> next;
        for (int i = 0; i < 8; ++i) {
            next.push_back(record(count));
            // Retried: where the relay fell behind, the master may rightly have written
            // into a reply (see silencesBeforeRequests).
            read(0, count, 2, next.back().get());
        }
        // A plain event loop: QTRY_* and qWait sleep 10 ms between their looks at the
        // events, which would stretch every gap.
        QEventLoop loop;
        connect(next.back().get(), &QModbusPollInfo::pollReplyGood, &loop, &QEventLoop::quit);
        connect(next.back().get(), &QModbusPollInfo::pollReplyTimedOut, &loop, &QEventLoop::quit);
        QTimer::singleShot(WaitMs, &loop, &QEventLoop::quit);
        loop.exec();
        const auto state = next.back()->get_state();
        if (state != QModbusPollInfo::QMBS_REPLY_GOOD && state != QModbusPollInfo::QMBS_REPLY_TIMEDOUT)
            QTest::qFail("The last request was never answered", __FILE__, __LINE__);
        return m_link->silencesBeforeRequests();
    }

private slots:
    void init()
    {
        m_link.reset(new PtyLink);
        QVERIFY(m_link->isValid());
        m_server.reset(new LibmodbusServer(m_link->farDevice(), Node, Registers));
        QVERIFY(m_server->isRunning());
        m_clock = TestClock();
        m_gapsEntered = 0;
        m_master.reset(new QModbusMaster);
        m_master->setClock([this] { return m_clock.now(); });
        connect(m_master.get(), &QModbusMaster::stateEntered, this, [this](QModbusMaster::State state) {
            if (state == QModbusMaster::Spacing)
                ++m_gapsEntered;
        });
        QVERIFY(m_master->openSerialPort(m_link->nearDevice()));
        m_master->start();
        QTRY_VERIFY(m_master->get_isRunning());
    }

    void cleanup()
    {
        m_master.reset();
        m_server.reset();
        m_link.reset();
    }

    void rejectsWhatModbusCannotCarry_data()
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

    void rejectsWhatModbusCannotCarry()
    {
        QFETCH(bool, write);
        QFETCH(int, count);
        QFETCH(int, recordSize);
        QFETCH(int, expected);
        auto info = record(recordSize);
        const int result = write ? m_master->holdingRegistersWrite(Node, 0, quint8(count), 0, info.get())
                                 : read(0, count, 0, info.get());
        QCOMPARE(result, expected);
        QCOMPARE(info->get_state() == QModbusPollInfo::QMBS_IDLE, expected != 0);
        QCOMPARE(read(0, 1, 0, nullptr), -1);
        QCOMPARE(m_master->holdingRegistersWrite(Node, 0, 1, 0, nullptr), -1);
    }

    void readsAndWritesRegisters_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("afterRead"); // another record read other values just before
        QTest::newRow("read one") << false << 0 << 1 << false;
        QTest::newRow("read the error block") << false << 34 << 30 << false;
        QTest::newRow("read the largest") << false << 70 << 125 << false;
        QTest::newRow("read fewer after a longer read") << false << 34 << 2 << true;
        QTest::newRow("write one (function 6)") << true << 1 << 1 << false;
        QTest::newRow("write power control (function 16)") << true << 117 << 5 << false;
        QTest::newRow("write the largest") << true << 0 << 123 << false;
        QTest::newRow("write after a read") << true << 117 << 5 << true;
    }

    void readsAndWritesRegisters()
    {
        QFETCH(bool, write);
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(bool, afterRead);
        if (afterRead) {
            auto other = record(10);
            for (int i = 0; i < 10; ++i)
                m_server->setRegister(180 + i, quint16(2000 + i));
            QSignalSpy read10(other.get(), &QModbusPollInfo::pollReplyGood);
            QCOMPARE(read(180, 10, 0, other.get()), 0);
            QVERIFY(read10.wait(WaitMs));
            QCOMPARE(other->get_register(9), quint16(2009));
        }
        auto info = record(count);
        for (int i = 0; i < count; ++i) {
            info->set_register(i, quint16(write ? 1000 + i : 0));
            m_server->setRegister(start + i, quint16(write ? 0 : 1000 + i));
        }
        QSignalSpy good(info.get(), &QModbusPollInfo::pollReplyGood);
        QCOMPARE(write ? m_master->holdingRegistersWrite(Node, quint16(start), quint8(count), 0, info.get())
                       : read(start, count, 0, info.get()),
                 0);
        info->set_register(0, 7); // changing the record after queueing does not change what goes out
        QVERIFY(good.wait(WaitMs));
        QCOMPARE(info->get_state(), QModbusPollInfo::QMBS_REPLY_GOOD);
        for (int i = 0; i < count; ++i)
            QCOMPARE(write ? m_server->registerValue(start + i) : info->get_register(i), quint16(1000 + i));
        // A write's reply carries no registers: the record keeps what the caller put in it.
        for (int i = 1; write && i < count; ++i)
            QCOMPARE(info->get_register(i), quint16(1000 + i));
        QCOMPARE(info->registerCount(), count);
    }

    // A bad or missing reply is a failed try; an answer, even a refusal, is not retried.
    void repliesEndTries_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("retries");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<bool>("silence");
        QTest::addColumn<bool>("corrupt");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("tries");
        const int good = QModbusPollInfo::QMBS_REPLY_GOOD, timedOut = QModbusPollInfo::QMBS_REPLY_TIMEDOUT;
        QTest::newRow("exception reply") << Registers - 1 << 3 << ReplyTimeoutMs << false << false
                                         << int(QModbusPollInfo::QMBS_REPLY_ERROR) << 1;
        QTest::newRow("silence uses every try") << 0 << 2 << 15 << true << false << timedOut << 3;
        QTest::newRow("corrupt reply, then a good one") << 5 << 1 << ReplyTimeoutMs << false << true << good << 2;
        QTest::newRow("corrupt reply on the last try") << 5 << 0 << ReplyTimeoutMs << false << true << timedOut << 1;
    }

    void repliesEndTries()
    {
        QFETCH(int, start);
        QFETCH(int, retries);
        QFETCH(int, timeoutMs);
        QFETCH(bool, silence);
        QFETCH(bool, corrupt);
        QFETCH(int, outcome);
        QFETCH(int, tries);
        m_server->setRegister(5, 0x1234);
        m_link->dropReplies(silence);
        m_link->corruptReplies(corrupt ? 1 : 0);
        if (corrupt)
            QTest::ignoreMessage(QtDebugMsg, "Modbus reply from node 1 discarded: \"CRC error\"");
        auto info = record(2, timeoutMs);
        QSignalSpy issued(info.get(), &QModbusPollInfo::pollRequestIssued);
        QSignalSpy good(info.get(), &QModbusPollInfo::pollReplyGood);
        QSignalSpy error(info.get(), &QModbusPollInfo::pollReplyError);
        QSignalSpy timedOut(info.get(), &QModbusPollInfo::pollReplyTimedOut);
        QCOMPARE(read(start, 2, retries, info.get()), 0);
        QTRY_COMPARE_WITH_TIMEOUT(good.count() + error.count() + timedOut.count(), 1, WaitMs);
        QCOMPARE(int(info->get_state()), outcome);
        QCOMPARE(issued.count(), tries);
        QCOMPARE(info->get_exceptionCode(), quint8(start == Registers - 1 ? 2 : 0));
        if (outcome == QModbusPollInfo::QMBS_REPLY_GOOD)
            QCOMPARE(info->get_register(0), quint16(0x1234));

        // The line is free again afterwards (a late reply to an earlier try answers the same question).
        m_link->dropReplies(false);
        auto next = record(2);
        QSignalSpy answered(next.get(), &QModbusPollInfo::pollReplyGood);
        QSignalSpy refused(next.get(), &QModbusPollInfo::pollReplyError);
        read(start, 2, 0, next.get());
        QTRY_COMPARE_WITH_TIMEOUT(answered.count() + refused.count(), 1, WaitMs);
    }

    // n1 goes out at once; a high-priority request goes before the waiting ones; every
    // request leaves at least 20 ms after the one before.
    void queueOrderAndSpacing()
    {
        QElapsedTimer clock;
        clock.start();
        QStringList order;
        QVector<qint64> issuedAt;
        std::vector<std::unique_ptr<QModbusPollInfo>> records;
        for (const QString name : {"n1", "n2", "n3", "high"}) {
            records.push_back(record(1));
            connect(records.back().get(), &QModbusPollInfo::pollRequestIssued, this, [&, name] {
                order << name;
                issuedAt << clock.nsecsElapsed();
            });
        }
        records[3]->set_priority(QModbusPollInfo::QMBP_HIGH);
        QSignalSpy lastDone(records[2].get(), &QModbusPollInfo::pollReplyGood);
        for (auto &info : records)
            QCOMPARE(read(0, 1, 0, info.get()), 0);
        QVERIFY(lastDone.wait(WaitMs));
        QCOMPARE(order, QStringList({"n1", "high", "n2", "n3"}));
        for (int i = 1; i < issuedAt.size(); ++i)
            QVERIFY2(issuedAt[i] - issuedAt[i - 1] >= 19500000, qPrintable(QString::number(issuedAt[i] - issuedAt[i - 1])));
    }

    // A request to a line quiet for longer than the spacing goes out as it is queued, with
    // no wake-up for a gap already passed nor for the port's write buffer; one queued
    // within the spacing still waits it out.
    void requestAfterTheSpacingGoesOutAtOnce_data()
    {
        QTest::addColumn<int>("quietMs");
        QTest::addColumn<bool>("atOnce");
        QTest::newRow("quiet line") << 40 << true;
        QTest::newRow("within the spacing") << 0 << false;
    }

    void requestAfterTheSpacingGoesOutAtOnce()
    {
        QFETCH(int, quietMs);
        QFETCH(bool, atOnce);
        auto first = record(1), second = record(1);
        QSignalSpy firstGood(first.get(), &QModbusPollInfo::pollReplyGood);
        QElapsedTimer sinceFirst;
        connect(first.get(), &QModbusPollInfo::pollRequestIssued, this, [&sinceFirst] { sinceFirst.start(); });
        read(0, 1, 0, first.get());
        QVERIFY(firstGood.wait(WaitMs));
        if (quietMs > 0)
            QTest::qWait(quietMs);
        QSignalSpy issued(second.get(), &QModbusPollInfo::pollRequestIssued);
        QSignalSpy secondGood(second.get(), &QModbusPollInfo::pollReplyGood);
        qint64 apartNs = -1;
        connect(second.get(), &QModbusPollInfo::pollRequestIssued, this,
                [&apartNs, &sinceFirst] { apartNs = sinceFirst.nsecsElapsed(); });
        const int served = m_server->requestCount();
        QCOMPARE(read(0, 1, 0, second.get()), 0);
        if (!atOnce && sinceFirst.elapsed() >= QModbusMaster::RequestSpacingMs)
            QSKIP("The first reply came later than the spacing: nothing was left to wait for");
        QCOMPARE(issued.count(), atOnce ? 1 : 0);
        if (atOnce) {
            // On the line without another turn of the event loop: the peer receives it
            // while this thread only sleeps.
            QElapsedTimer waited;
            waited.start();
            while (m_server->requestCount() == served && waited.elapsed() < 2000)
                QTest::qSleep(1);
            QCOMPARE(m_server->requestCount(), served + 1);
        }
        QVERIFY(secondGood.wait(WaitMs));
        QVERIFY2(apartNs >= qint64(QModbusMaster::RequestSpacingMs) * 1000000 - 500000, qPrintable(QString::number(apartNs)));
    }

    // On a line at the device's 115200 baud a reply of 125 registers takes 22 ms, longer
    // than the spacing: the next request still waits 1.75 ms after its last byte, the gap
    // a node may wait for before it listens again. The first request's reply is as the row
    // says; eight requests follow it back to back, each a reading of the gap. A stray
    // frame comes in before the first request is queued, while the event loop is busy.
    void waitsForLineSilence_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<int>("retries");
        QTest::addColumn<bool>("corrupt");
        QTest::addColumn<int>("strayBytes");
        QTest::newRow("after the largest reply") << 125 << ReplyTimeoutMs << 0 << false << 0;
        QTest::newRow("before the retry of a discarded reply") << 125 << ReplyTimeoutMs << 1 << true << 0;
        QTest::newRow("after a reply that outlasts its time-out") << 125 << 12 << 1 << false << 0;
        QTest::newRow("after a short reply") << 1 << ReplyTimeoutMs << 0 << false << 0;
        QTest::newRow("after a stray frame not yet read") << 1 << ReplyTimeoutMs << 0 << false << 100;
    }

    void waitsForLineSilence()
    {
        // On a loaded machine the kernel may hand the pseudo-terminal's bytes on late, as a
        // UART's driver may: a short gap counts only when every one of three runs has one.
        std::vector<qint64> gaps, shortGaps;
        for (int run = 0; run < 3; ++run) {
            if (run > 0) {
                cleanup();
                init();
            }
            gaps = readGaps();
            if (QTest::currentTestFailed())
                return;
            shortGaps.clear();
            std::copy_if(gaps.begin(), gaps.end(), std::back_inserter(shortGaps),
                         [](qint64 ns) { return ns < QModbusMaster::MinimumSilenceNs; });
            if (shortGaps.empty())
                break;
        }
        if (gaps.empty())
            QSKIP("The relay fell behind on every reply: no gap was read");
        if (!shortGaps.empty())
            QFAIL(qPrintable(QStringLiteral("a request %1 ns after the line's last byte").arg(shortGaps.front())));
    }

    // Judged on a stopped clock: the gap to the next request ends when the spacing since
    // the last request and the silence since the last byte are both over, to the
    // nanosecond, and not a moment sooner. Bytes received and not yet read make the line
    // busy. The spacing is left to its timer; the silence is looked at again when it ends.
    void aGapIsOverOnlyAtItsEnd_data()
    {
        QTest::addColumn<qint64>("replyAfterNs");  // from the first request to its reply
        QTest::addColumn<qint64>("queuedAfterNs"); // from the reply to the next request
        QTest::addColumn<int>("strayBytes");
        QTest::addColumn<bool>("atOnce");
        QTest::addColumn<bool>("heldWhileTheClockStands");
        const qint64 spacing = qint64(QModbusMaster::RequestSpacingMs) * Ms;
        const qint64 silence = QModbusMaster::MinimumSilenceNs;
        QTest::newRow("spacing, 1 ms to run") << qint64(0) << spacing - Ms << 0 << false << false;
        QTest::newRow("spacing, 1 ns to run") << qint64(0) << spacing - 1 << 0 << false << false;
        QTest::newRow("spacing over") << qint64(0) << spacing << 0 << true << false;
        QTest::newRow("silence, 1 ms to run") << 30 * Ms << silence - Ms << 0 << false << true;
        QTest::newRow("silence, 1 ns to run") << 30 * Ms << silence - 1 << 0 << false << true;
        QTest::newRow("silence over") << 30 * Ms << silence << 0 << true << false;
        QTest::newRow("bytes received, not yet read") << 30 * Ms << 1000 * Ms << 8 << false << true;
    }

    void aGapIsOverOnlyAtItsEnd()
    {
        QFETCH(qint64, replyAfterNs);
        QFETCH(qint64, queuedAfterNs);
        QFETCH(int, strayBytes);
        QFETCH(bool, atOnce);
        QFETCH(bool, heldWhileTheClockStands);
        m_clock.stop();
        auto first = record(1), second = record(1);
        QSignalSpy firstGood(first.get(), &QModbusPollInfo::pollReplyGood);
        QCOMPARE(read(0, 1, 0, first.get()), 0);
        QCOMPARE(first->get_state(), QModbusPollInfo::QMBS_REQUEST_ISSUED); // a quiet line: at once
        m_clock.advance(replyAfterNs);
        QVERIFY(firstGood.wait(WaitMs));
        m_clock.advance(queuedAfterNs);
        if (strayBytes > 0)
            QVERIFY(strayBytesWaiting(strayBytes));
        QSignalSpy issued(second.get(), &QModbusPollInfo::pollRequestIssued);
        QSignalSpy secondGood(second.get(), &QModbusPollInfo::pollReplyGood);
        QCOMPARE(read(0, 1, 0, second.get()), 0);
        QCOMPARE(issued.count(), atOnce ? 1 : 0);
        if (heldWhileTheClockStands) {
            QVERIFY(masterLooked(2, second.get()));
            QCOMPARE(issued.count(), 0);
        }
        m_clock.run();
        QVERIFY(secondGood.wait(WaitMs));
    }

    // Requests queued behind one whose reply has just ended: the first of them is put off
    // until the line is silent, and then goes first; the rest follow in their order.
    void aRequestPutOffKeepsItsPlace_data()
    {
        QTest::addColumn<QStringList>("queued"); // "h": high priority
        QTest::addColumn<QStringList>("order");
        QTest::newRow("normal") << QStringList{"n1", "n2", "n3"} << QStringList{"n1", "n2", "n3"};
        QTest::newRow("high before normal")
            << QStringList{"n1", "h1", "n2", "h2"} << QStringList{"h1", "h2", "n1", "n2"};
    }

    void aRequestPutOffKeepsItsPlace()
    {
        QFETCH(QStringList, queued);
        QFETCH(QStringList, order);
        m_clock.stop();
        auto busy = record(1);
        QCOMPARE(read(0, 1, 0, busy.get()), 0);
        QStringList issuedOrder;
        std::vector<std::unique_ptr<QModbusPollInfo>> records;
        for (const QString &name : queued) {
            records.push_back(record(1));
            if (name.startsWith(QLatin1Char('h')))
                records.back()->set_priority(QModbusPollInfo::QMBP_HIGH);
            connect(records.back().get(), &QModbusPollInfo::pollRequestIssued, this,
                    [&issuedOrder, name] { issuedOrder << name; });
            QCOMPARE(read(0, 1, 0, records.back().get()), 0);
        }
        // The reply's last byte comes long after the spacing: only the silence is waited for.
        m_clock.advance(100 * Ms);
        // The first look after that gap puts the head off (the clock stands); the next finds
        // the line silent.
        bool putOff = false;
        const int reply = m_gapsEntered + 1;
        connect(m_master.get(), &QModbusMaster::stateEntered, this, [&](QModbusMaster::State state) {
            if (state != QModbusMaster::Spacing || m_gapsEntered != reply + 1)
                return;
            putOff = issuedOrder.isEmpty();
            m_clock.advance(QModbusMaster::MinimumSilenceNs);
            m_clock.run();
        });
        QTRY_COMPARE_WITH_TIMEOUT(issuedOrder.size(), order.size(), WaitMs);
        QVERIFY(putOff);
        QCOMPARE(issuedOrder, order);
    }

    // A line that never falls silent (bytes before every look) puts a request off for 1 s
    // at most, then lets it go so that its time-out shows the fault. The next request, and
    // the one after a request dropped while put off, is held anew.
    void aBusyLineHoldsRequestsOneSecondAtMost_data()
    {
        QTest::addColumn<bool>("afterDropped");
        QTest::newRow("busy from the start") << false;
        QTest::newRow("after a request dropped while put off") << true;
    }

    void aBusyLineHoldsRequestsOneSecondAtMost()
    {
        QFETCH(bool, afterDropped);
        const qint64 maximum = qint64(QModbusMaster::MaximumSilenceWaitMs) * Ms;
        m_clock.stop();
        if (afterDropped) {
            auto dropped = record(1);
            QVERIFY(strayBytesWaiting(1));
            QCOMPARE(read(0, 1, 0, dropped.get()), 0);
            QCOMPARE(dropped->get_state(), QModbusPollInfo::QMBS_WAITING_IN_QUEUE);
            QVERIFY(masterLooked(1, dropped.get()));
            m_clock.advance(maximum / 2);
            dropped.reset();
            QTRY_VERIFY_WITH_TIMEOUT(m_master->state() == QModbusMaster::Idle, WaitMs);
            m_clock.advance(2 * maximum);
        }
        auto held = record(1);
        QSignalSpy issued(held.get(), &QModbusPollInfo::pollRequestIssued);
        QSignalSpy good(held.get(), &QModbusPollInfo::pollReplyGood);
        QSignalSpy timedOut(held.get(), &QModbusPollInfo::pollReplyTimedOut);
        QVERIFY(strayBytesWaiting(1));
        QCOMPARE(read(0, 1, 0, held.get()), 0);
        QCOMPARE(issued.count(), 0);
        QVERIFY(strayBytesWaiting(1));
        m_clock.advance(maximum - 1);
        QVERIFY(masterLooked(2, held.get()));
        QCOMPARE(issued.count(), 0);
        QVERIFY(strayBytesWaiting(1));
        m_clock.advance(1);
        QVERIFY(issued.count() == 1 || issued.wait(WaitMs));
        auto next = record(1);
        QSignalSpy nextIssued(next.get(), &QModbusPollInfo::pollRequestIssued);
        QSignalSpy nextGood(next.get(), &QModbusPollInfo::pollReplyGood);
        QCOMPARE(read(0, 1, 0, next.get()), 0);
        // Sent into the last byte, its reply may be spoilt: answered or discarded, the
        // line is busy with it while the clock stands.
        QTRY_COMPARE_WITH_TIMEOUT(good.count() + timedOut.count(), 1, WaitMs);
        QVERIFY(masterLooked(2, next.get()));
        QCOMPARE(nextIssued.count(), 0);
        m_clock.run();
        QVERIFY(nextGood.wait(WaitMs));
    }

    void recordDestroyedWhileQueuedOrOnTheLine()
    {
        auto first = record(1), doomed = record(1), last = record(1);
        QSignalSpy lastGood(last.get(), &QModbusPollInfo::pollReplyGood);
        for (auto *info : {first.get(), doomed.get(), last.get()})
            read(0, 1, 0, info);
        doomed.reset();
        QCOMPARE(m_master->queuedRequestCount(), 1);
        QVERIFY(lastGood.wait(WaitMs));
        // Destroyed while on the line: the reply finds no record and is dropped quietly.
        auto inFlight = record(1), after = record(1);
        QSignalSpy issued(inFlight.get(), &QModbusPollInfo::pollRequestIssued);
        QSignalSpy afterGood(after.get(), &QModbusPollInfo::pollReplyGood);
        read(0, 1, 0, inFlight.get());
        read(0, 1, 0, after.get());
        QVERIFY(issued.count() == 1 || issued.wait(WaitMs));
        inFlight.reset();
        QVERIFY(afterGood.wait(WaitMs));
    }

    // stop() cancels what waits and what is on the line, and nothing goes out while the
    // master stands, even when stopped from within its own state change; start() serves
    // what was asked meanwhile.
    void stopCancelsAndStartServesAgain_data()
    {
        QTest::addColumn<int>("stoppedIn"); // QModbusMaster::State
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("canceled");
        QTest::addColumn<int>("sent"); // on the line before the stop
        QTest::newRow("idle") << int(QModbusMaster::Idle) << 0 << 0 << 0;
        QTest::newRow("a reply awaited") << int(QModbusMaster::Transaction) << 2 << 2 << 1;
        QTest::newRow("requests waiting for the gap") << int(QModbusMaster::Spacing) << 3 << 2 << 1;
    }

    void stopCancelsAndStartServesAgain()
    {
        QFETCH(int, stoppedIn);
        QFETCH(int, asked);
        QFETCH(int, canceled);
        QFETCH(int, sent);
        std::vector<std::unique_ptr<QModbusPollInfo>> records;
        int canceledSignals = 0;
        if (stoppedIn == QModbusMaster::Spacing) {
            connect(m_master.get(), &QModbusMaster::stateEntered, this, [this](QModbusMaster::State state) {
                if (state == QModbusMaster::Spacing)
                    m_master->stop();
            });
        }
        for (int i = 0; i < asked; ++i) {
            records.push_back(record(1));
            connect(records.back().get(), &QModbusPollInfo::pollRequestCanceled, this, [&] { ++canceledSignals; });
            QCOMPARE(read(0, 1, 0, records.back().get()), 0);
        }
        if (stoppedIn == QModbusMaster::Spacing)
            QTRY_VERIFY_WITH_TIMEOUT(!m_master->isRunning(), WaitMs);
        else
            m_master->stop();
        QVERIFY(!m_master->isRunning());
        const auto isCanceled = [](const std::unique_ptr<QModbusPollInfo> &r) {
            return r->get_state() == QModbusPollInfo::QMBS_REQUEST_CANCELED;
        };
        QCOMPARE(int(std::count_if(records.begin(), records.end(), isCanceled)), canceled);
        QCOMPARE(canceledSignals, canceled);
        QCOMPARE(m_master->queuedRequestCount(), 0);
        disconnect(m_master.get(), &QModbusMaster::stateEntered, this, nullptr);

        auto later = record(1);
        QSignalSpy good(later.get(), &QModbusPollInfo::pollReplyGood);
        QTRY_COMPARE_WITH_TIMEOUT(m_server->requestCount(), sent, WaitMs);
        QCOMPARE(read(0, 1, 0, later.get()), 0);
        QTest::qWait(3 * QModbusMaster::RequestSpacingMs);
        QCOMPARE(m_server->requestCount(), sent);
        QCOMPARE(later->get_state(), QModbusPollInfo::QMBS_WAITING_IN_QUEUE);
        m_master->start();
        QVERIFY(m_master->isRunning());
        QVERIFY(good.count() == 1 || good.wait(WaitMs));
    }

    void repeatedRequestReplacesWaitingOne()
    {
        auto busy = record(1), periodic = record(2);
        QSignalSpy good(periodic.get(), &QModbusPollInfo::pollReplyGood);
        QSignalSpy issued(periodic.get(), &QModbusPollInfo::pollRequestIssued);
        read(0, 1, 0, busy.get());
        for (int i = 0; i < 10; ++i)
            read(i, 2, 0, periodic.get());
        QCOMPARE(m_master->queuedRequestCount(), 1);
        m_server->setRegister(9, 99);
        QVERIFY(good.wait(WaitMs));
        QCOMPARE(issued.count(), 1);
        QCOMPARE(periodic->get_register(0), quint16(99)); // the newest request went out
    }

    // The far end of the line goes away (a pulled adapter): the port is closed instead of
    // failing every write for ever, and what was asked, or is asked later, times out.
    void aLineThatIsGoneIsClosed_data()
    {
        QTest::addColumn<int>("askedBefore");
        QTest::addColumn<int>("askedAfter");
        QTest::newRow("gone before any request") << 0 << 2;
        QTest::newRow("gone while a request waits for its reply") << 1 << 0;
        QTest::newRow("gone with requests queued, more asked later") << 3 << 2;
    }

    void aLineThatIsGoneIsClosed()
    {
        QFETCH(int, askedBefore);
        QFETCH(int, askedAfter);
        int far = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(far >= 0);
        QVERIFY(::grantpt(far) == 0 && ::unlockpt(far) == 0);
        QModbusMaster master;
        QVERIFY(master.openSerialPort(QString::fromLocal8Bit(::ptsname(far))));
        master.start();
        QTRY_VERIFY(master.get_isRunning());
        std::vector<std::unique_ptr<QModbusPollInfo>> asked;
        const auto ask = [&] {
            asked.push_back(record(2, 50));
            QCOMPARE(master.holdingRegistersRead(Node, 0, 2, 1, asked.back().get()), 0);
        };
        for (int i = 0; i < askedBefore; ++i)
            ask();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Modbus serial port /dev/pts/\\d+ is gone: closed$")));
        ::close(far);
        for (int i = 0; i < askedAfter; ++i)
            ask();
        QTRY_VERIFY_WITH_TIMEOUT(!master.isPortOpen(), WaitMs);
        for (const auto &record : asked)
            QTRY_COMPARE_WITH_TIMEOUT(record->get_state(), QModbusPollInfo::QMBS_REPLY_TIMEDOUT, WaitMs);
        QCOMPARE(master.queuedRequestCount(), 0);
    }

    void logsFramesInHex()
    {
        m_master->set_logModbus(true);
        m_server->setRegister(0, 0x0102);
        auto info = record(1);
        QSignalSpy good(info.get(), &QModbusPollInfo::pollReplyGood);
        QTest::ignoreMessage(QtDebugMsg, "Modbus TX 01 03 00 00 00 01 84 0a");
        QTest::ignoreMessage(QtDebugMsg, "Modbus RX 01 03 02 01 02 38 15");
        read(0, 1, 0, info.get());
        QVERIFY(good.wait(WaitMs));
    }
};

QTEST_GUILESS_MAIN(TestModbusMaster)
#include "tst_modbusmaster.moc"
