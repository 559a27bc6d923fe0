// Nothing lost at a stop: a stop signal quits the event loop only once the writes under
// way have ended, and a save that a kill cut short between its ".New" and its move is
// completed or dropped before the file is read again.
#include "alarmtimings.h"
#include "cleanstop.h"
#include "interruptedsave.h"
#include "linktrap.h"
#include "scratchroots.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <memory>
#include <sys/stat.h>

class TestPendingWrites : public QObject
{
    Q_OBJECT
    static constexpr int GraceMs = 300; // the stop's grace period, shortened

private slots:
    void initTestCase()
    {
        AlarmTimings::setScale(double(GraceMs) / CleanStop::StopGraceMs);
        QVERIFY(CleanStop::install());
        QVERIFY(!CleanStop::install()); // once
    }
    void leftoverIsSettled_data();
    void secondSignalEndsAtOnce_data();
    void secondSignalEndsAtOnce();
    void saveOfAStopActionIsWaitedFor_data();
    void saveOfAStopActionIsWaitedFor();
    void leftoverIsSettled();
    void finishedThreadTakesItsRequestsFirst_data();
    void finishedThreadTakesItsRequestsFirst();
    // Last: each row takes its signal's handler (a second signal ends at once).
    void stopWaitsForWritesUnderWay_data();
    void stopWaitsForWritesUnderWay();
};

void TestPendingWrites::leftoverIsSettled_data()
{
    QTest::addColumn<QString>("target"); // "" when missing
    QTest::addColumn<QString>("left");   // what the cut save left at ".New"
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("after");  // the target's content; "" when missing
    QTest::newRow("complete, beside the file") << "old" << "complete" << int(InterruptedSave::Completed) << "new.";
    QTest::newRow("complete, the file missing") << "" << "complete" << int(InterruptedSave::Completed) << "new.";
    QTest::newRow("torn") << "old" << "torn" << int(InterruptedSave::Dropped) << "old";
    QTest::newRow("larger than the cap") << "old" << "large" << int(InterruptedSave::Dropped) << "old";
    QTest::newRow("symlink") << "old" << "symlink" << int(InterruptedSave::Dropped) << "old";
    QTest::newRow("hardlink") << "" << "hardlink" << int(InterruptedSave::Dropped) << "";
    QTest::newRow("pipe") << "old" << "pipe" << int(InterruptedSave::Dropped) << "old";
    QTest::newRow("folder, left alone") << "old" << "folder" << int(InterruptedSave::NothingLeft) << "old";
    QTest::newRow("nothing") << "old" << "" << int(InterruptedSave::NothingLeft) << "old";
}

void TestPendingWrites::leftoverIsSettled()
{
    QFETCH(QString, target);
    QFETCH(QString, left);
    QFETCH(int, outcome);
    QFETCH(QString, after);
    ScratchRoots roots;
    const QString path = roots.root() + "file.json";
    const QString leftover = InterruptedSave::leftoverPath(path);
    if (!target.isEmpty())
        QVERIFY(roots.writeRootFile("file.json", target.toUtf8()));
    std::unique_ptr<LinkTrap> trap;
    if (left == "complete" || left == "torn" || left == "large")
        QVERIFY(roots.writeRootFile("file.json.New", left == "complete" ? "new." : left == "torn" ? "ne" : "new." + QByteArray(64, '.')));
    else if (left == "symlink" || left == "hardlink")
        trap.reset(new LinkTrap(left == "symlink" ? LinkTrap::Symbolic : LinkTrap::Hard, leftover, roots.base() + "/outside"));
    else if (left == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(leftover).constData(), 0600), 0);
    else if (left == "folder")
        QVERIFY(QDir().mkpath(leftover));
    if (outcome == InterruptedSave::Dropped)
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Discarding the incomplete " + leftover));
    if (left == "large")
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("holds 68 bytes, more than the 32"));

    // Complete: ends with '.', within 32 bytes.
    const auto complete = [](const QByteArray &data) { return data.endsWith('.'); };
    QCOMPARE(int(InterruptedSave::settle(path, 32, complete)), outcome);
    QCOMPARE(QFileInfo::exists(path), !after.isEmpty());
    if (!after.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), after);
        QVERIFY(!QFileInfo(path).isSymLink());
    }
    QCOMPARE(QFileInfo(leftover).isDir(), left == "folder");
    QVERIFY(left == "folder" || (!QFileInfo(leftover).exists() && !QFileInfo(leftover).isSymLink()));
    if (trap)
        QVERIFY(trap->outsideUntouched());
}

// A stop that waits for a write that never ends is cut short by the same signal again.
void TestPendingWrites::secondSignalEndsAtOnce_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestPendingWrites::secondSignalEndsAtOnce()
{
    QFETCH(int, signal);
    QProcess child;
    child.start(CLEANSTOP_CHILD, QStringList());
    QVERIFY(child.waitForStarted());
    QByteArray said;
    while (!said.contains("ready") && child.waitForReadyRead(5000))
        said += child.readAllStandardOutput();
    QVERIFY2(said.contains("ready"), said.constData());
    ::kill(pid_t(child.processId()), signal);
    while (!said.contains("stopping") && child.waitForReadyRead(5000))
        said += child.readAllStandardOutput();
    QVERIFY2(said.contains("stopping"), said.constData());
    QVERIFY(!child.waitForFinished(300)); // waits for its write
    QElapsedTimer clock;
    clock.start();
    ::kill(pid_t(child.processId()), signal);
    QVERIFY(child.waitForFinished(5000));
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
}

// A worker's thread ends only after the requests already posted to it; without a worker
// (gone already) the thread is ended all the same.
void TestPendingWrites::finishedThreadTakesItsRequestsFirst_data()
{
    QTest::addColumn<bool>("worker");
    QTest::newRow("a worker with requests posted") << true;
    QTest::newRow("no worker left") << false;
}

void TestPendingWrites::finishedThreadTakesItsRequestsFirst()
{
    QFETCH(bool, worker);
    QThread thread;
    QObject object;
    object.moveToThread(&thread);
    thread.start();
    std::atomic<int> taken {0};
    for (int i = 0; i < 3; ++i)
        QMetaObject::invokeMethod(&object, [&taken] { QThread::msleep(20); ++taken; }, Qt::QueuedConnection);
    CleanStop::finishThread(&thread, worker ? &object : nullptr);
    QVERIFY(thread.isFinished());
    if (worker)
        QCOMPARE(taken.load(), 3);
}

// A stop action on the main thread runs before the idle check, so the save it begins
// (kept-back records, a menu) is waited for even when nothing else was under way.
void TestPendingWrites::saveOfAStopActionIsWaitedFor_data()
{
    QTest::addColumn<int>("saveMs");
    QTest::newRow("a save of one turn") << 0;
    QTest::newRow("a save of 200 ms") << 200;
}

void TestPendingWrites::saveOfAStopActionIsWaitedFor()
{
    QFETCH(int, saveMs);
    QProcess child;
    child.start(CLEANSTOP_CHILD, {QString::number(saveMs)});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    while (!said.contains("ready") && child.waitForReadyRead(5000))
        said += child.readAllStandardOutput();
    QVERIFY2(said.contains("ready"), said.constData());
    ::kill(pid_t(child.processId()), SIGTERM);
    QVERIFY(child.waitForFinished(5000));
    said += child.readAllStandardOutput();
    QVERIFY2(said.endsWith("stopping\nsaved\n"), said.constData());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
}

void TestPendingWrites::stopWaitsForWritesUnderWay_data()
{
    QTest::addColumn<int>("signal");   // 0: none
    QTest::addColumn<int>("writeMs");  // how long a write stays under way; -1: none, -2: for ever
    QTest::addColumn<int>("chainMs");  // a save begun as the write ends (a chain), how long; 0: none
    QTest::addColumn<bool>("actions"); // the stop actions run (once, at the first signal)
    QTest::addColumn<int>("stopMs");   // when the loop quits, at the earliest
    QTest::newRow("no signal: a write that ends does not quit") << 0 << 100 << 0 << false << 600;
    QTest::newRow("SIGTERM, a write that never ends: the grace period ends the stop")
        << int(SIGTERM) << -2 << 0 << true << GraceMs;
    QTest::newRow("SIGINT during the stop: no new grace period, a chain waited for")
        << int(SIGINT) << 150 << 200 << false << 350;
}

void TestPendingWrites::stopWaitsForWritesUnderWay()
{
    QFETCH(int, signal);
    QFETCH(int, writeMs);
    QFETCH(int, chainMs);
    QFETCH(bool, actions);
    QFETCH(int, stopMs);
    // A stop action on this thread runs before the loop quits, and a save it starts is
    // waited for; one on a worker's thread runs there.
    std::unique_ptr<CleanStop::PendingWrite> actionWrite;
    QObject here;
    int ranHere = 0;
    CleanStop::atStop(&here, [&] {
        ++ranHere;
        actionWrite.reset(new CleanStop::PendingWrite);
        QTimer::singleShot(50, &here, [&actionWrite] { actionWrite.reset(); });
    });
    QThread thread;
    QObject worker;
    worker.moveToThread(&thread);
    thread.start();
    std::atomic<int> ranThere {0};
    CleanStop::atStop(&worker, [&] { ranThere += QThread::currentThread() == &thread ? 1 : 100; });
    std::unique_ptr<CleanStop::PendingWrite> write;
    QTimer writeEnds;
    if (writeMs != -1)
        write.reset(new CleanStop::PendingWrite);
    if (writeMs >= 0) {
        writeEnds.setSingleShot(true);
        connect(&writeEnds, &QTimer::timeout, [&write, chainMs] {
            // The next save of a chain begins in the same turn as the last one ends.
            write.reset();
            if (chainMs) {
                write.reset(new CleanStop::PendingWrite);
                QTimer::singleShot(chainMs, [&write] { write.reset(); });
            }
        });
        writeEnds.start(writeMs);
    }
    QTimer giveUp;
    giveUp.setSingleShot(true);
    giveUp.setTimerType(Qt::PreciseTimer); // a coarse timer may end up to 5 % early
    connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    giveUp.start(signal ? 5000 : stopMs);
    if (signal)
        QTimer::singleShot(0, [signal] { ::raise(signal); });

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(QCoreApplication::exec(), signal ? 0 : 7);
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(bool(write), writeMs == -2);
    write.reset();
    QCoreApplication::sendPostedEvents(); // its idle check, outside any loop
    QVERIFY2(elapsed >= stopMs - 20 && elapsed < stopMs + 1000, qPrintable(QString::number(elapsed)));
    QCOMPARE(ranHere, int(actions));
    QVERIFY(!actionWrite);
    CleanStop::finishThread(&thread, &worker);
    QCOMPARE(ranThere.load(), int(actions));
    QCOMPARE(CleanStop::writesUnderWay(), 0);
}

QTEST_GUILESS_MAIN(TestPendingWrites)
#include "tst_pendingwrites.moc"
