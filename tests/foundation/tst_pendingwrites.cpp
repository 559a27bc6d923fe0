// Nothing lost at a stop: a stop signal quits the event loop only once the writes under
// way have ended, and a save that a kill cut short between its ".New" and its move is
// completed or dropped before the file is read again.
#include "cleanstop.h"
#include "interruptedsave.h"
#include "linktrap.h"
#include "scratchroots.h"

#include <QElapsedTimer>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/stat.h>

class TestPendingWrites : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(CleanStop::install()); }
    void leftoverIsSettled_data();
    void leftoverIsSettled();
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

void TestPendingWrites::stopWaitsForWritesUnderWay_data()
{
    QTest::addColumn<int>("signal");  // 0: none
    QTest::addColumn<int>("writeMs"); // how long a write stays under way; -1: none
    QTest::newRow("no signal: a write that ends does not quit") << 0 << 100;
    QTest::newRow("SIGTERM, nothing under way") << int(SIGTERM) << -1;
    QTest::newRow("SIGINT, a write under way") << int(SIGINT) << 300;
}

void TestPendingWrites::stopWaitsForWritesUnderWay()
{
    QFETCH(int, signal);
    QFETCH(int, writeMs);
    std::unique_ptr<CleanStop::PendingWrite> write;
    QTimer writeEnds;
    if (writeMs >= 0) {
        write.reset(new CleanStop::PendingWrite);
        writeEnds.setSingleShot(true);
        connect(&writeEnds, &QTimer::timeout, [&write] { write.reset(); });
        writeEnds.start(writeMs);
    }
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    giveUp.start(signal ? 5000 : 600);
    if (signal)
        QTimer::singleShot(0, [signal] { ::raise(signal); });

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(QCoreApplication::exec(), signal ? 0 : 7);
    QVERIFY(!write);
    QVERIFY2(clock.elapsed() < qMax(writeMs, 0) + 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(CleanStop::writesUnderWay(), 0);
}

QTEST_GUILESS_MAIN(TestPendingWrites)
#include "tst_pendingwrites.moc"
