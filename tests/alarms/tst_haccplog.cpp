// The HACCP log file: its exact text, the rewrite of each request, the display form, the
// CSV export, and what happens to a log that cannot be trusted or a write that fails.
#include "alarmtimings.h"
#include "filelogworker.h"
#include "fulldisk.h"
#include "haccprecords.h"
#include "haccpfixtures.h"
#include "linktrap.h"
#include "scratchroots.h"

#include <QtTest>

#include <memory>

using namespace HaccpFixtures;
using W = FileLogWorker;

class TestHaccpLog : public QObject
{
    Q_OBJECT
    enum Request { Add, Remove, RemoveOld, Close };

    // Runs one request on the worker (directly, on this thread) and returns its result.
    static QString run(W &worker, Request kind, const QByteArray &payload)
    {
        QString result;
        QObject context;
        for (auto done : {&W::addHaccpDone, &W::removeHaccpDone, &W::removeOldDataDone, &W::closeOpenDone})
            connect(&worker, done, &context, [&result](const QString &r) { result = r; });
        kind == Add ? worker.doAddHaccpDataLog(payload)
            : kind == Remove ? worker.doRemoveHaccpDataLog(payload)
            : kind == Close ? worker.doCloseOpenHaccpDataLogs(payload) : worker.doRemoveOldHaccpDataLogs(payload);
        return result;
    }
    static QByteArray add(int bin = 1, const char *name = "A") { return W::packRecord(record(name, bin, "2024/05/14", "06:00:00")); }
    static QByteArray open(int bin, const char *name = "P") { return stored(bin, "2024/05/14", false, "----", name, "06:00:00"); }
    static QByteArray day(const char *date, const char *name = "a") { return stored(1, date, false, "----", name, "00:00:00"); }
    static int retrieveTotal(W &worker)
    {
        QSignalSpy done(&worker, &W::retrievAllHaccpDataDone);
        worker.retrieveAllHaccpData(W::packFlag(true));
        return done.isEmpty() ? -1 : done.at(0).at(1).toInt();
    }
    // More than the 64 MiB a log could once hold.
    static const QByteArray &overOldCap()
    {
        static const QByteArray text = bigLog(800000);
        return text;
    }

private slots:
    void rewrite_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("after");
        const QByteArray s1 = stored(7, "2024/05/14", false, "----", "Prod s1", "06:40:12");
        const QByteArray s2 = stored(2, "2024/05/14", true, "00:35:10", "Prod s2", "05:58:03");
        const QByteArray addS1 = W::packRecord(record("Prod s1", 7, "2024/05/14", "06:40:12"));
        const QByteArray undated = R"({"b":1,"p":"d"})";
        QTest::newRow("add to a missing log") << QByteArray() << int(Add) << addS1 << log(s1);
        QTest::newRow("add to an empty file") << QByteArray(" \n") << int(Add) << addS1 << log(s1);
        QTest::newRow("add goes first: the worked example") << log(s2) << int(Add) << addS1
            << QByteArray(R"({"desc":"HACCP Data Log","haccpInfo":[{"b":7,"d":"2024/05/14","e":false,"h":"----","p":"Prod s1","t":"06:40:12"},{"b":2,"d":"2024/05/14","e":true,"h":"00:35:10","p":"Prod s2","t":"05:58:03"}]})");
        QTest::newRow("unknown keys stay, desc is restored") << QByteArray(R"({"zz":[1],"desc":"old","aa":"x"})")
            << int(Add) << addS1 << R"({"aa":"x","desc":"HACCP Data Log","haccpInfo":[)" + s1 + "],\"zz\":[1]}";
        QTest::newRow("names keep quotes and non-Latin letters") << QByteArray() << int(Add)
            << W::packRecord(record(QString::fromUtf8("鸡 \"6\""), 0, "2024/05/14", "06:40:12"))
            << log(stored(0, "2024/05/14", false, "----", "鸡 \\\"6\\\"", "06:40:12"));
        QTest::newRow("remove: only the newer of two open records of a bin") << log(open(3) + "," + open(4) + "," + open(3))
            << int(Remove) << add(3) << log(open(4) + "," + open(3));
        QTest::newRow("remove: a finished record is never removed") << log(s2 + "," + open(2)) << int(Remove)
            << add(2) << log(s2);
        QTest::newRow("remove: malformed records dropped, file rewritten")
            << R"({"desc":"HACCP Data Log","haccpInfo":[{"b":1},)" + s2 + R"(,{"d":"2024/05/14","t":"x"}]})"
            << int(Remove) << add(9) << log(s2);
        QTest::newRow("remove: a record without only its day, or only its time, is dropped")
            << R"({"desc":"HACCP Data Log","haccpInfo":[{"b":1,"h":"----","t":"06:00:00"},)" + s2
                   + R"(,{"b":1,"d":"2024/05/14","h":"----"}]})"
            << int(Remove) << add(9) << log(s2);
        // Only what the rewrite would write the same is kept as it stands; the rest is
        // written as the whole document would be.
        const QByteArray odd = R"({"b":2147483648,"d":"2024/05/14","e":false,"h":"----","p":"big","t":"06:00:00"},)"
                               R"({"b":1,"d":"2024/ab/14","e":false,"h":"1:2","p":"x","t":"6:00"})";
        QTest::newRow("remove: values of other forms are kept as written")
            << log(stored(-3, "2024/05/14", false, "100:00:00", "n", "06:00:00") + "," + odd) << int(Remove) << add(9)
            << log(stored(-3, "2024/05/14", false, "100:00:00", "n", "06:00:00") + "," + odd);
        QTest::newRow("a key after the records that sorts before them")
            << QByteArray(R"({"desc":"HACCP Data Log","haccpInfo":[],"aa":1})") << int(Add) << addS1
            << R"({"aa":1,"desc":"HACCP Data Log","haccpInfo":[)" + s1 + "]}";
        QTest::newRow("a key written with an escape")
            << QByteArray(R"({"desc":"HACCP Data Log","haccpInfo":[],"z\u0061":1})") << int(Add) << addS1
            << R"({"desc":"HACCP Data Log","haccpInfo":[)" + s1 + R"(],"za":1})";
        QTest::newRow("remove from a missing log") << QByteArray() << int(Remove) << add(9) << log("");
        QTest::newRow("clean-up keeps the cut-off day, drops the day before and undated ones")
            << log(day("2024/05/15") + "," + undated + "," + day("2024/05/14") + "," + day("", "e") + ","
                   + day("2024/05/13", "b") + "," + day("14.05.2024", "f"))
            << int(RemoveOld) << W::packString("2024/05/14") << log(day("2024/05/15") + "," + day("2024/05/14"));
        // After a restart, the holds that did not come back end at the cut.
        const auto close = [](const char *cut, QList<int> keep, quint32 expired) {
            QList<HaccpData> holding;
            for (int bin : keep)
                holding << record("P", bin, "2024/05/14", "06:00:00");
            return W::packClose(cut, holding, expired);
        };
        QTest::newRow("close: bins not kept end at the cut, kept ones stay open")
            << log(open(3) + "," + open(4) + "," + s2) << int(Close) << close("2024/05/14 06:10:30", {4}, 0)
            << log(stored(3, "2024/05/14", false, "00:10:30", "P", "06:00:00") + "," + open(4) + "," + s2);
        QTest::newRow("close: a kept bin keeps only its newest open record")
            << log(open(3, "new") + "," + open(3, "old")) << int(Close) << close("2024/05/14 07:00:00", {3}, 0)
            << log(open(3, "new") + "," + stored(3, "2024/05/14", false, "01:00:00", "old", "06:00:00"));
        QTest::newRow("close: marked expired; a start after the cut lasts nothing")
            << log(open(5)) << int(Close) << close("2024/05/14 05:00:00", {}, 1u << 5)
            << log(stored(5, "2024/05/14", true, "00:00:00", "P", "06:00:00"));
        QTest::newRow("close: a hold across midnight, bin 0")
            << log(stored(0, "2024/05/14", false, "----", "P", "23:50:00")) << int(Close)
            << close("2024/05/15 00:20:01", {}, 0) << log(stored(0, "2024/05/14", false, "00:30:01", "P", "23:50:00"));
        QTest::newRow("close: a hold that goes on gets its start record back")
            << log(s2) << int(Close) << close("2024/05/14 07:00:00", {6}, 0) << log(open(6) + "," + s2);
        QTest::newRow("close: a hold of days keeps its hours")
            << log(open(2)) << int(Close) << close("2024/05/19 07:02:03", {}, 0)
            << log(stored(2, "2024/05/14", false, "121:02:03", "P", "06:00:00"));
        QTest::newRow("clean-up with a cut-off that does not parse keeps dated records")
            << log(day("2024/05/13") + "," + undated + "," + day("", "e")) << int(RemoveOld)
            << W::packString("yesterday") << log(day("2024/05/13") + "," + day("", "e"));
    }
    void rewrite()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, kind);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, after);
        ScratchRoots roots;
        if (!before.isNull())
            QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", before));
        W worker;
        QCOMPARE(run(worker, Request(kind), payload), W::OkResult);
        QCOMPARE(readFile(W::logPath()), after);
        QVERIFY(!QFile::exists(W::newLogPath())); // written to ".New", then moved
        QVERIFY(roots.toolCalls().contains("mv " + W::newLogPath() + " " + W::logPath()));
    }

    // A stop removes the bin's open record and then adds the finished one.
    void stopReplacesTheStartRecord()
    {
        ScratchRoots roots;
        W worker;
        run(worker, Add, W::packRecord(record("Prod s2", 2, "2024/05/14", "05:58:03")));
        run(worker, Add, W::packRecord(record("Other", 3, "2024/05/14", "05:59:00")));
        const HaccpData done = record("Prod s2", 2, "2024/05/14", "05:58:03", "00:35:10", true);
        run(worker, Remove, W::packRecord(done));
        run(worker, Add, W::packRecord(done));
        QCOMPARE(readFile(W::logPath()), log(stored(2, "2024/05/14", true, "00:35:10", "Prod s2", "05:58:03") + ","
                                             + stored(3, "2024/05/14", false, "----", "Other", "05:59:00")));
    }

    // Holds made while the disk is full are shown at once and written, in order, by the
    // first rewrite that succeeds: the next request, the retry timer or a retrieval.
    void fullDiskDelays_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<QByteArray>("meanwhile"); // the log as another writer left it; null: untouched
        QTest::addColumn<QByteArray>("after");
        const QByteArray s2 = stored(2, "2024/05/14", true, "00:35:10", "Prod s2", "05:58:03");
        const QByteArray kept = stored(1, "2024/05/14", true, "00:20:00", "A", "06:00:00") + "," + open(2, "B");
        const QByteArray c = open(3, "C");
        QTest::newRow("the next hold") << "add" << QByteArray() << log(c + "," + kept + "," + s2);
        QTest::newRow("the retry timer") << "timer" << QByteArray() << log(kept + "," + s2);
        QTest::newRow("a retrieval") << "retrieve" << QByteArray() << log(kept + "," + s2);
        QTest::newRow("an export") << "export" << QByteArray() << log(kept + "," + s2);
        QTest::newRow("the log changed meanwhile: made again on it") << "add" << log(open(7, "X"))
            << log(c + "," + kept + "," + open(7, "X"));
    }
    void fullDiskDelays()
    {
        QFETCH(QString, then);
        QFETCH(QByteArray, meanwhile);
        QFETCH(QByteArray, after);
        ScratchRoots roots;
        const QByteArray before = log(stored(2, "2024/05/14", true, "00:35:10", "Prod s2", "05:58:03"));
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", before));
        AlarmTimings::setScale(0.001);
        W worker;
        QSignalSpy added(&worker, &W::addHaccpDone);
        QSignalSpy removed(&worker, &W::removeHaccpDone);
        FullDisk full;
        QVERIFY(full.isSet());
        const HaccpData finished = record("A", 1, "2024/05/14", "06:00:00", "00:20:00", true);
        QVERIFY(run(worker, Add, W::packRecord(record("A", 1, "2024/05/14", "06:00:00"))) != W::OkResult);
        QVERIFY(run(worker, Add, W::packRecord(record("B", 2, "2024/05/14", "06:00:00"))) != W::OkResult);
        QVERIFY(run(worker, Remove, W::packRecord(finished)) != W::OkResult);
        QVERIFY(run(worker, Add, W::packRecord(finished)) != W::OkResult);
        QCOMPARE(retrieveTotal(worker), 3); // shown while it waits
        QCOMPARE(readFile(W::logPath()), before);
        QCOMPARE(worker.pendingCount(), 4);
        full.spaceBack();
        if (!meanwhile.isNull())
            QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", meanwhile));
        if (then == "add")
            QCOMPARE(run(worker, Add, W::packRecord(record("C", 3, "2024/05/14", "06:00:00"))), W::OkResult);
        else if (then == "retrieve")
            QCOMPARE(retrieveTotal(worker), 3);
        else if (then == "export")
            worker.doHaccpFileExport(W::packExport("S", 4, 1));
        // A retrieval or an export writes them first, not the timer after it.
        if (then == "timer")
            QTRY_COMPARE(readFile(W::logPath()), after);
        QCOMPARE(readFile(W::logPath()), after);
        QCOMPARE(worker.pendingCount(), 0);
        // Each request answered once: the kept ones are not answered again when made.
        QCOMPARE(added.count(), then == "add" ? 4 : 3);
        QCOMPARE(removed.count(), 1);
        AlarmTimings::setScale(1);
    }

    // Past the bound the oldest kept changes are named and no longer kept for a retry on a
    // log that changed meanwhile; while it did not, every record is still written.
    void fullDiskKeepsABoundedNumber()
    {
        ScratchRoots roots;
        W worker;
        FullDisk full;
        for (int i = 0; i < W::MaxPending + 2; ++i) {
            QMetaObject::invokeMethod(&worker, "doAddHaccpDataLog", Qt::QueuedConnection,
                                      Q_ARG(QByteArray, W::packRecord(record(QString("R%1").arg(i), 1, "2024/05/14", "06:00:00"))));
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no longer kept for a retry: record \"R0\""));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no longer kept for a retry: record \"R1\""));
        QCoreApplication::sendPostedEvents(&worker, QEvent::MetaCall);
        QCOMPARE(worker.pendingCount(), int(W::MaxPending));
        full.spaceBack();
        worker.retryPending();
        QCOMPARE(worker.pendingCount(), 0);
        QCOMPARE(retrieveTotal(worker), W::MaxPending + 2);
        const QByteArray text = readFile(W::logPath());
        QVERIFY(text.indexOf("\"R5001\"") < text.indexOf("\"R2\""));
        QVERIFY(text.indexOf("\"R1\"") < text.indexOf("\"R0\""));
    }

    // Records kept on a full disk outlive a stop: tried once more at the stop signal, then
    // kept in the journal (or, when nothing can be written at all, named line by line),
    // and at the next start written into the log before anything new.
    void keptChangesOutliveAStop_data()
    {
        QTest::addColumn<int>("limit");         // bytes a file may have until the stop
        QTest::addColumn<bool>("spaceAtStop");  // space is back when the stop comes
        QTest::addColumn<bool>("journal");      // kept in the journal
        QTest::addColumn<bool>("written");      // in the log after the next start
        QTest::newRow("journal: written at the next start") << 4096 << false << true << true;
        QTest::newRow("space back: written by the stop's try") << 4096 << true << false << true;
        QTest::newRow("nothing can be written: named") << 0 << false << false << false;
    }
    void keptChangesOutliveAStop()
    {
        QFETCH(int, limit);
        QFETCH(bool, spaceAtStop);
        QFETCH(bool, journal);
        QFETCH(bool, written);
        ScratchRoots roots;
        const QByteArray before = bigLog(60); // larger than the limit: its rewrite fails
        QVERIFY(before.size() > 4096);
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", before));
        const QByteArray kept = stored(1, "2024/05/14", true, "00:20:00", "A", "06:00:00") + "," + open(2, "B");
        auto worker = std::make_unique<W>();
        {
            FullDisk full{rlim_t(limit)};
            QVERIFY(full.isSet());
            QVERIFY(run(*worker, Add, W::packRecord(record("A", 1, "2024/05/14", "06:00:00"))) != W::OkResult);
            QVERIFY(run(*worker, Add, W::packRecord(record("B", 2, "2024/05/14", "06:00:00"))) != W::OkResult);
            QVERIFY(run(*worker, Remove, W::packRecord(record("A", 1, "2024/05/14", "06:00:00", "00:20:00", true))) != W::OkResult);
            QVERIFY(run(*worker, Add, W::packRecord(record("A", 1, "2024/05/14", "06:00:00", "00:20:00", true))) != W::OkResult);
            if (spaceAtStop)
                full.spaceBack();
            if (!journal && !written) {
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Cannot keep the HACCP changes in"));
                for (const char *line : {"record \"A\" bin 1 2024/05/14 06:00:00 duration ----$",
                                         "record \"B\" bin 2 ", "removal of the open record of bin 1$",
                                         "record \"A\" bin 1 2024/05/14 06:00:00 duration 00:20:00 expired$"})
                    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString("^Not written to the HACCP log at exit: ") + line));
            }
            worker->tryAtStop();
            QCOMPARE(QFileInfo::exists(W::journalPath()), journal); // kept before the teardown
            worker.reset();
        }
        const QByteArray records = before.mid(before.indexOf('[') + 1).chopped(2);
        QCOMPARE(QFileInfo::exists(W::journalPath()), journal);
        QCOMPARE(readFile(W::logPath()), spaceAtStop ? log(kept + "," + records) : before);

        // The next start: the kept changes go in at once, before the next hold.
        worker = std::make_unique<W>();
        const QByteArray restarted = written ? log(kept + "," + records) : before;
        QTRY_COMPARE(readFile(W::logPath()), restarted);
        QVERIFY(!QFileInfo::exists(W::journalPath()));
        QCOMPARE(run(*worker, Add, W::packRecord(record("C", 3, "2024/05/14", "07:00:00"))), W::OkResult);
        const QByteArray c = stored(3, "2024/05/14", false, "----", "C", "07:00:00");
        QCOMPARE(readFile(W::logPath()), log(c + "," + (written ? kept + "," : QByteArray()) + records));
        QCOMPARE(worker->pendingCount(), 0);
    }

    // A journal that is not ours is set aside, not made on the log.
    void foreignJournalIsSetAside()
    {
        ScratchRoots roots;
        QVERIFY(roots.writeRootFile("haccpLog.journal", R"({"changes":[{"k":"drop","p":""}]})"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unknown kind"));
        W worker;
        QCOMPARE(run(worker, Add, add()), W::OkResult);
        QCOMPARE(readFile(W::logPath()), log(open(1, "A")));
        QVERIFY(!QFileInfo::exists(W::journalPath()));
        QCOMPARE(QDir(roots.root()).entryList({"haccpLog.journal.unusable-*"}).size(), 1);
    }

    // A log this program wrote is read at any size it can reach, and a rewrite keeps it.
    void largeLogStaysWhole()
    {
        ScratchRoots roots;
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", overOldCap()));
        W worker;
        QVERIFY(overOldCap().size() > 64 * 1024 * 1024);
        QCOMPARE(retrieveTotal(worker), 800000);
        QCOMPARE(run(worker, Add, add(3)), W::OkResult);
        QByteArray after = overOldCap();
        after.insert(after.indexOf('[') + 1, open(3, "A") + ",");
        QVERIFY(readFile(W::logPath()) == after);
        QCOMPARE(QDir(W::logDir()).entryList(QDir::Files).size(), 1); // nothing set aside
    }

    // A log that cannot be trusted is kept aside whole, never written over nor read in
    // when past its cap; a step that fails keeps the log and reports the failure.
    void faults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("aside"); // empty: the add fails, the log stays, the change is kept
        QTest::addColumn<bool>("readFirst"); // shown (read without a write) before the add
        QTest::newRow("torn") << QByteArray(R"({"desc":"HACCP Data Log","haccpInfo":[{"b":1,)") << "" << "invalid" << false;
        QTest::newRow("array") << QByteArray("[1,2,3]") << "" << "invalid" << false;
        QTest::newRow("binary") << QByteArray("\x00\xff\x10garbage", 10) << "" << "invalid" << false;
        QTest::newRow("repeated key") << QByteArray(R"({"haccpInfo":[{"b":1}],"haccpInfo":[]})") << "" << "invalid" << false;
        QTest::newRow("a number with a leading zero")
            << log(R"({"b":07,"d":"2024/05/14","e":false,"h":"----","p":"P","t":"06:00:00"})") << "" << "invalid" << false;
        QTest::newRow("a comma after the last record") << log(open(5) + ",") << "" << "invalid" << false;
        QTest::newRow("past its cap") << QByteArray() << "big" << "unusable" << false;
        QTest::newRow("mv fails") << log(open(5)) << "mv" << "" << false;
        QTest::newRow("mv claims success, moves nothing") << log(open(5)) << "mv0" << "" << false;
        QTest::newRow(".New cannot be created") << log(open(5)) << "new" << "" << false;
        QTest::newRow("log is a folder") << QByteArray() << "folder" << "" << false;
        QTest::newRow("malformed request") << log(open(5)) << "payload" << "" << false;
        QTest::newRow("array, shown first") << QByteArray("[1,2,3]") << "" << "invalid" << true;
        QTest::newRow("past its cap, shown first") << QByteArray() << "big" << "unusable" << true;
        QTest::newRow("array that cannot be set aside") << QByteArray("[1,2,3]") << "noaside" << "" << false;
        QTest::newRow("past its cap, cannot be set aside") << QByteArray() << "bignoaside" << "" << false;
    }
    void faults()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, fault);
        QFETCH(QString, aside);
        QFETCH(bool, readFirst);
        ScratchRoots roots;
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", content));
        QByteArray payload = add();
        if (fault == "big" || fault == "bignoaside")
            QVERIFY(QFile::resize(W::logPath(), W::MaxLogBytes + 1));
        if (fault.endsWith("noaside")) {
            // The names it would be kept under, for the seconds the test may take, are taken.
            for (int s = 0; s < 5; ++s) {
                const QString at = QDateTime::currentDateTime().addSecs(s).toString("yyMMdd-HHmmss");
                for (const char *kind : {".invalid-", ".unusable-"})
                    QVERIFY(QDir().mkpath(W::logPath() + kind + at + "/taken"));
            }
        }
        else if (fault == "mv")
            roots.setVariable("TUL_STANDIN_MV_FAIL", "1");
        else if (fault == "mv0") {
            QFile mv(roots.base() + "/mv");
            QVERIFY(mv.open(QIODevice::WriteOnly) && mv.write("#!/bin/sh\nexit 0\n") > 0);
            mv.close();
            QVERIFY(mv.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
            roots.setVariable("TUL_TOOLS_DIR", roots.base());
        }
        else if (fault == "new")
            QVERIFY(QDir().mkpath(W::newLogPath()));
        else if (fault == "folder")
            QVERIFY(QFile::remove(W::logPath()) && QDir().mkpath(W::logPath()));
        else if (fault == "payload")
            payload.chop(3);
        if (fault == "big") {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("HACCP log .* holds .* bytes"));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot be used .*larger than"));
        } else if (aside.isEmpty() && fault != "mv0") {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("."));
        }
        W worker;
        if (readFirst) {
            QSignalSpy unread(&worker, &W::unreadLogChanged); // named as it stands, not yet set aside
            QCOMPARE(retrieveTotal(worker), 0);
            QCOMPARE(unread.value(0).value(0).toString(), W::logPath());
            QCOMPARE(unread.value(0).value(1).toBool(), fault == "big");
        }
        const QString result = run(worker, Add, payload);
        if (aside.isEmpty()) {
            QVERIFY2(result != W::OkResult, qPrintable(result));
            if (fault == "bignoaside")
                QCOMPARE(QFileInfo(W::logPath()).size(), qint64(W::MaxLogBytes) + 1);
            else
                QVERIFY(fault == "folder" ? QFileInfo(W::logPath()).isDir() : readFile(W::logPath()) == content);
            if (fault == "payload")
                return;
            // Kept for the retry, a removal too; made once the log can be written.
            QVERIFY(run(worker, Remove, W::packRecord(record("A", 5, "2024/05/14", "06:00:00"))) != W::OkResult);
            QCOMPARE(worker.pendingCount(), 2);
            if (fault == "folder") {
                QVERIFY(QDir(W::logPath()).removeRecursively());
                worker.retryPending();
                QCOMPARE(worker.pendingCount(), 0);
                QCOMPARE(readFile(W::logPath()), log(open(1, "A")));
            }
            return;
        }
        QCOMPARE(result, W::OkResult);
        QCOMPARE(readFile(W::logPath()), log(open(1, "A")));
        const QFileInfoList kept = QDir(W::logDir()).entryInfoList({"haccpLog.json." + aside + "-*"}, QDir::Files);
        QCOMPARE(kept.size(), 1);
        QSignalSpy unread(&worker, &W::unreadLogChanged); // named on the screen, a small one too
        QCOMPARE(retrieveTotal(worker), 1);
        QCOMPARE(QFileInfo(unread.value(0).value(0).toString()).fileName(), kept.first().fileName());
        QCOMPARE(unread.value(0).value(1).toBool(), fault == "big");
        if (fault == "big")
            QCOMPARE(kept.first().size(), qint64(W::MaxLogBytes) + 1);
        else
            QCOMPARE(readFile(kept.first().filePath()), content);
    }

    // A rewrite stopped by a kill between its ".New" and its move: the first request after
    // the start moves a complete ".New" over the log (it holds the newest records) and
    // drops a torn one.
    void interruptedRewriteIsSettledFirst_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no log
        QTest::addColumn<QByteArray>("leftover");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("dropped");
        const QByteArray older = log(open(2, "Old"));
        const QByteArray newer = log(stored(2, "2024/05/14", true, "00:35:10", "Stop", "06:00:00") + "," + open(2, "Old"));
        QTest::newRow("complete, beside the log") << older << newer
            << log(open(1, "A") + "," + stored(2, "2024/05/14", true, "00:35:10", "Stop", "06:00:00") + "," + open(2, "Old"))
            << false;
        QTest::newRow("complete, the log missing") << QByteArray() << older << log(open(1, "A") + "," + open(2, "Old")) << false;
        QTest::newRow("torn") << older << newer.left(newer.size() - 3) << log(open(1, "A") + "," + open(2, "Old")) << true;
        QTest::newRow("an object without records") << older << QByteArray(R"({"desc":"HACCP Data Log"})")
            << log(open(1, "A") + "," + open(2, "Old")) << true;
    }
    void interruptedRewriteIsSettledFirst()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, leftover);
        QFETCH(QByteArray, after);
        QFETCH(bool, dropped);
        ScratchRoots roots;
        if (!before.isNull())
            QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", before));
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json.New", leftover));
        if (dropped)
            QTest::ignoreMessage(QtWarningMsg, qPrintable("Discarding the incomplete " + W::newLogPath()));
        W worker;
        QCOMPARE(run(worker, Add, add()), W::OkResult);
        QCOMPARE(readFile(W::logPath()), after);
        QVERIFY(!QFile::exists(W::newLogPath()));
    }

    // A link planted at the log's names is replaced, never written through.
    void linksAreNeverWrittenThrough_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("at");
        for (int kind : {LinkTrap::Symbolic, LinkTrap::Hard}) {
            for (const char *at : {"new", "log", "export"})
                QTest::addRow("%s at %s", kind == LinkTrap::Symbolic ? "symlink" : "hardlink", at) << kind << at;
        }
    }
    void linksAreNeverWrittenThrough()
    {
        QFETCH(int, kind);
        QFETCH(QString, at);
        ScratchRoots roots;
        QVERIFY(QDir().mkpath(W::logDir()));
        W worker;
        const QString exportPath = W::exportFilePath("S", QDateTime::currentDateTime());
        const LinkTrap trap(LinkTrap::Kind(kind), at == "new" ? W::newLogPath() : at == "log" ? W::logPath() : exportPath,
                            roots.base() + "/outside");
        QVERIFY(trap.isSet());
        if (at == "log")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a JSON object"));
        if (at == "export") {
            QSignalSpy done(&worker, &W::fileExportComplete);
            worker.doHaccpFileExport(W::packExport("S", 4, 1));
            QCOMPARE(done.count(), 1);
            // The export's name has the second in it: made in the same second or not at all.
            if (W::exportFilePath("S", QDateTime::currentDateTime()) != exportPath)
                QSKIP("the second changed during the export");
            QVERIFY(!QFileInfo(exportPath).isSymLink());
        } else {
            QCOMPARE(run(worker, Add, add()), W::OkResult);
            QCOMPARE(readFile(W::logPath()), log(open(1, "A")));
        }
        QVERIFY(trap.outsideUntouched());
    }

    // A record is read by the fast path when it is in the writer's form and by the JSON
    // parser when not (here: the same record with one more key); both show and export it
    // alike, and what is not in the writer's form is written back byte for byte.
    void fastAndFullReadingAgree_data()
    {
        QTest::addColumn<int>("bin");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("shown");  // date, duration as shown
        QTest::addColumn<QString>("shelf");  // in the CSV, 4 bins a shelf
        QTest::newRow("29 February of a leap year") << 5 << "2024/02/29" << "00:10:00" << "02/29 00:10" << "2";
        QTest::newRow("29 February of another year") << 5 << "2023/02/29" << "00:10:00" << " 00:10" << "2";
        QTest::newRow("30 February") << 5 << "2024/02/30" << "00:10:00" << " 00:10" << "2";
        QTest::newRow("31 February") << 5 << "2024/02/31" << "00:10:00" << " 00:10" << "2";
        QTest::newRow("31 April") << 5 << "2024/04/31" << "00:10:00" << " 00:10" << "2";
        QTest::newRow("31 November") << 5 << "2024/11/31" << "00:10:00" << " 00:10" << "2";
        QTest::newRow("31 May") << 5 << "2024/05/31" << "00:10:00" << "05/31 00:10" << "2";
        QTest::newRow("a day long") << 5 << "2024/05/14" << "24:00:00" << "05/14 " << "2";
        QTest::newRow("100 hours") << 5 << "2024/05/14" << "100:00:00" << "05/14 " << "2";
        QTest::newRow("hours with a leading zero") << 5 << "2024/05/14" << "012:00:00" << "05/14 " << "2";
        QTest::newRow("bin 0") << 0 << "2024/05/14" << "00:10:00" << "05/14 00:10" << "1";
        QTest::newRow("bin 4, the second shelf") << 4 << "2024/05/14" << "----" << "05/14 ----" << "2";
    }
    void fastAndFullReadingAgree()
    {
        QFETCH(int, bin);
        QFETCH(QString, date);
        QFETCH(QString, duration);
        QFETCH(QString, shown);
        QFETCH(QString, shelf);
        const QByteArray mine = stored(bin, date.toLatin1().constData(), true, duration.toLatin1().constData(),
                                         "P", "06:00:00");
        QByteArray other = mine;
        other.insert(other.size() - 1, R"(,"x":1)");
        QByteArray lines[2];
        for (const QByteArray &text : {mine, other}) {
            HaccpRecords records;
            QCOMPARE(int(records.read(log(text))), int(HaccpRecords::Read::Ok));
            const HaccpData d = records.shown(0);
            QCOMPARE(d.date + ' ' + d.duration, shown);
            QByteArray csv;
            records.appendCsv(0, 4, &csv);
            QVERIFY2(csv.startsWith("P," + shelf.toLatin1() + ","), csv.constData());
            lines[text == other] = csv;
            QByteArray written;
            QVERIFY(records.write([&written](const char *data, int size) { written.append(data, size); return true; }));
            QCOMPARE(written, log(text));
        }
        QCOMPARE(lines[0], lines[1]);
        // A new record in another form is written as it came.
        HaccpRecords records;
        QVERIFY(records.read(log(mine)) == HaccpRecords::Read::Ok);
        records.prepend(record("Q", 1, "2024/05/14", "06:00:00", duration));
        QByteArray written;
        QVERIFY(records.write([&written](const char *data, int size) { written.append(data, size); return true; }));
        QVERIFY2(written.contains(QByteArray("\"h\":\"") + duration.toLatin1() + "\",\"p\":\"Q\""), written.constData());
    }

    // Members before the records that are not in the writer's form send the whole log
    // through the JSON parser.
    void headNotInTheWritersForm_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("fast");
        QTest::newRow("the writer's") << QByteArray(R"({"a":1.5,"desc":"HACCP Data Log",)") << true;
        QTest::newRow("a number with a trailing zero") << QByteArray(R"({"a":1.50,"desc":"HACCP Data Log",)") << false;
        QTest::newRow("a space") << QByteArray(R"({"a":[1, 2],"desc":"HACCP Data Log",)") << false;
        QTest::newRow("keys out of order") << QByteArray(R"({"desc":"HACCP Data Log","b":1,)") << false;
    }
    void headNotInTheWritersForm()
    {
        QFETCH(QByteArray, head);
        QFETCH(bool, fast);
        HaccpRecords records;
        const auto read = records.read(head + "\"haccpInfo\":[" + open(2) + "]}");
        QCOMPARE(int(read), int(fast ? HaccpRecords::Read::Ok : HaccpRecords::Read::NotCompact));
    }

    void displayForm_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QStringList>("shown"); // date, time, duration
        QTest::newRow("finished") << stored(1, "2024/05/14", true, "00:35:10", "a", "05:58:03") << QStringList{"05/14", "05:58", "00:35"};
        QTest::newRow("open") << stored(1, "2024/12/31", false, "----", "a", "23:59:59") << QStringList{"12/31", "23:59", "----"};
        QTest::newRow("a day or longer") << stored(1, "2024/05/14", false, "25:03:09", "a", "05:58:03") << QStringList{"05/14", "05:58", ""};
        QTest::newRow("unparsable") << stored(1, "14/05/2024", false, "1:2", "a", "5:58") << QStringList{"", "", ""};
        QTest::newRow("missing") << QByteArray("{}") << QStringList{"", "", ""};
    }
    void displayForm()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, shown);
        const HaccpData d = W::displayForm(QJsonDocument::fromJson(stored).object());
        QCOMPARE((QStringList{d.date, d.time, d.duration}), shown);
    }

    void retrieve_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<bool>("all");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("rows");
        QTest::newRow("600, first page") << bigLog(600) << false << 600 << 250;
        QTest::newRow("600, all") << bigLog(600) << true << 600 << 600;
        QTest::newRow("empty log") << log("") << false << 0 << 0;
        QTest::newRow("missing log") << QByteArray() << true << 0 << 0;
        QTest::newRow("not an object") << QByteArray("[{}]") << true << 0 << 0;
    }
    void retrieve()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, all);
        QFETCH(int, total);
        QFETCH(int, rows);
        ScratchRoots roots;
        if (!content.isNull())
            QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", content));
        W worker;
        QSignalSpy done(&worker, &W::retrievAllHaccpDataDone);
        worker.retrieveAllHaccpData(W::packFlag(all));
        QCOMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(1).toInt(), total);
        const auto records = done.at(0).at(2).value<QList<HaccpData>>();
        QCOMPARE(records.size(), rows);
        QVERIFY(!rows || records.first().name == "Product 0"); // newest first
        QCOMPARE(readFile(W::logPath()), content); // read only
    }

    // The log is read in pieces: a record cut by a piece's end reads as the whole record,
    // and the rewrite after it gives the file's bytes back around the new record.
    void recordAcrossReadPieces_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("cut"); // its bytes in the first piece
        QTest::addColumn<QStringList>("shown"); // name, date, time, duration, expired, bin
        const QByteArray quoted = stored(2, "2024/05/14", true, "00:35:10", "6\\\" sub", "06:00:00");
        const QByteArray letter = stored(3, "2024/05/14", false, "----", "Cr\xc3\xa8me", "06:00:00");
        const QByteArray noFlag = R"({"b":4,"d":"2024/05/14","h":"00:01:00","p":"no flag","t":"07:08:09"})";
        const QByteArray plain = stored(12, "2024/05/14", false, "12:34:56", "Plain", "23:59:00");
        const QStringList quotedShown{"6\" sub", "05/14", "06:00", "00:35", "true", "2"};
        QTest::newRow("inside an escaped quote of the name") << quoted << quoted.indexOf("\\") + 1 << quotedShown;
        QTest::newRow("before the quote that ends the name") << quoted << quoted.indexOf("sub") + 3 << quotedShown;
        QTest::newRow("inside a letter of two bytes") << letter << letter.indexOf("\xc3") + 1
            << QStringList{QString::fromUtf8("Cr\xc3\xa8me"), "05/14", "06:00", "----", "false", "3"};
        QTest::newRow("a record without its expired flag") << noFlag << noFlag.indexOf("no") + 1
            << QStringList{"no flag", "05/14", "07:08", "00:01", "false", "4"};
        QTest::newRow("inside the bin number") << plain << 6 << QStringList{"Plain", "05/14", "23:59", "12:34", "false", "12"};
        QTest::newRow("before the comma after it") << plain << plain.size() << QStringList{"Plain", "05/14", "23:59", "12:34", "false", "12"};
        QTest::newRow("at its start") << plain << 0 << QStringList{"Plain", "05/14", "23:59", "12:34", "false", "12"};
    }
    void recordAcrossReadPieces()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, cut);
        QFETCH(QStringList, shown);
        // Records before it, so that the first piece ends `cut` bytes into it.
        const int base = stored(1, "2024/05/13", false, "00:01:00", "", "05:00:00").size();
        int remaining = HaccpRecords::PieceBytes - cut - int(log("").indexOf('[') + 1);
        QByteArray records;
        int before = 0;
        while (remaining > 0) {
            int name = remaining - 1 - base;
            if (name > 40 + base + 1)
                name = 40; // and room for one more
            records += stored(1, "2024/05/13", false, "00:01:00", QByteArray(name, 'F').constData(), "05:00:00") + ",";
            remaining -= base + name + 1;
            ++before;
        }
        records += record + "," + bigLog(2000).mid(log("").indexOf('[') + 1).chopped(2);
        ScratchRoots roots;
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", log(records)));
        QCOMPARE(log(records).indexOf(record), HaccpRecords::PieceBytes - cut);
        W worker;
        QSignalSpy done(&worker, &W::retrievAllHaccpDataDone);
        worker.retrieveAllHaccpData(W::packFlag(true));
        QCOMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(1).toInt(), before + 1 + 2000);
        const HaccpData d = done.at(0).at(2).value<QList<HaccpData>>().at(before);
        QCOMPARE((QStringList{d.name, d.date, d.time, d.duration, d.expired ? "true" : "false", QString::number(d.binNumber)}), shown);
        QCOMPARE(run(worker, Add, add()), W::OkResult);
        QCOMPARE(readFile(W::logPath()), log(open(1, "A") + "," + records));
    }

    void exportCsv_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("traysPerZone");
        QTest::addColumn<int>("zonesPerRow");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QByteArray>("csv"); // null: no drive, reported as failed
        const QByteArray header("Product Name, Shelf Number, Start Time, Discarded, Total Holding Duration,\n");
        const QByteArray row = stored(0, "2024/05/14", false, "----", "a", "06:40:12");
        QTest::newRow("the worked example, 2x2")
            << log(stored(7, "2024/05/14", false, "----", "Prod s1", "06:40:12") + ","
                   + stored(2, "2024/05/14", true, "00:35:10", "Prod s2", "05:58:03"))
            << 2 << 2 << "S123" << header + "Prod s1,2,05/14 06:40,----,----,\nProd s2,1,05/14 05:58,Yes,00:35,\n";
        QTest::newRow("shelves of a 2x2: bins 3, 4 and 8")
            << log(stored(3, "2024/05/14", false, "00:01:00", "a", "06:40:12") + ","
                   + stored(4, "2024/05/14", false, "00:01:00", "b", "06:40:12") + ","
                   + stored(8, "2024/05/14", false, "00:01:00", "c", "06:40:12"))
            << 2 << 2 << "" << header + "a,1,05/14 06:40,No,00:01,\nb,2,05/14 06:40,No,00:01,\nc,3,05/14 06:40,No,00:01,\n";
        QTest::newRow("names that would break a line or run as a formula")
            << log(stored(0, "2024/05/14", false, "----", "Ham, egg", "06:40:12") + ","
                   + stored(0, "2024/05/14", false, "----", "6\\\" sub\\nnew", "06:40:12") + ","
                   + stored(0, "2024/05/14", false, "----", "=1+2", "06:40:12") + ","
                   + stored(0, "2024/05/14", false, "----", "@x,y", "06:40:12"))
            << 1 << 1 << "../../etc/x"
            << header + "\"Ham, egg\",1,05/14 06:40,----,----,\n\"6\"\" sub\nnew\",1,05/14 06:40,----,----,\n"
                        "'=1+2,1,05/14 06:40,----,----,\n\"'@x,y\",1,05/14 06:40,----,----,\n";
        QTest::newRow("a name that is only a line break")
            << log(stored(0, "2024/05/14", false, "----", "\\n", "06:40:12") + ","
                   + stored(0, "2024/05/14", false, "----", "\\r", "06:40:12"))
            << 1 << 1 << "S" << header + "\"\n\",1,05/14 06:40,----,----,\n\"\r\",1,05/14 06:40,----,----,\n";
        // Times not in the writer's form take the general path; bin 0 is on the first shelf there too.
        QTest::newRow("times in another form: bins 0 and 5")
            << log(stored(0, "2024/05/14", false, "----", "x", "6:40:12") + ","
                   + stored(5, "2024/05/14", true, "0:35:10", "y", "05:58:03"))
            << 2 << 2 << "S" << header + "x,1,05/14 ,----,----,\ny,2,05/14 05:58,Yes,,\n";
        QTest::newRow("a layout without bins names no shelf") << log(row) << 0 << 2 << "SN 1/2"
            << header + "a,,05/14 06:40,----,----,\n";
        QTest::newRow("unreadable log: header only") << QByteArray("nonsense") << 4 << 1 << "S" << header;
        QTest::newRow("no drive") << log(row) << 4 << 1 << "S" << QByteArray();
        QTest::newRow("drive full: nothing left behind") << log(row) << 4 << 1 << "full" << QByteArray();
    }
    void exportCsv()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, traysPerZone);
        QFETCH(int, zonesPerRow);
        QFETCH(QString, serial);
        QFETCH(QByteArray, csv);
        ScratchRoots roots;
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", content));
        // The name: serial without path characters, then the time to the second.
        const QString safe = QString(serial).replace(QRegularExpression("[^A-Za-z0-9]"), "_");
        QCOMPARE(W::exportFilePath(serial, QDateTime(QDate(2024, 5, 14), QTime(7, 5, 12))),
                 roots.flash() + "holdingLog_" + safe + "_240514-070512.csv");
        W worker;
        FullDisk full(serial == "full" ? 0 : RLIM_INFINITY);
        if (serial == "full") {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Writing .* failed"));
        } else if (csv.isNull()) {
            roots.setVariable("TUL_FLASH_DIR", roots.base() + "/no-drive/");
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unable to Open File !!!"));
        }
        QSignalSpy done(&worker, &W::fileExportComplete);
        worker.doHaccpFileExport(W::packExport(serial, traysPerZone, zonesPerRow));
        full.spaceBack();
        QCOMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(0).toString() == W::OkResult, !csv.isNull());
        const QStringList files = QDir(roots.flash()).entryList({"holdingLog_" + safe + "_*.csv"});
        QCOMPARE(files.size(), csv.isNull() ? 0 : 1);
        if (!csv.isNull())
            QCOMPARE(readFile(roots.flash() + files.first()), csv);
    }
};

QTEST_GUILESS_MAIN(TestHaccpLog)
#include "tst_haccplog.moc"
