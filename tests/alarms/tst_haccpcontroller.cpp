// The HACCP controller: its two forms, the clean-up schedule and cut-off, the requests
// it sends, and the retrieval into the screen's model.
#include "fakecabinetcore.h"
#include "filelogworker.h"
#include "haccpcontroller.h"
#include "haccpfixtures.h"
#include "scratchroots.h"

#include "alarmtimings.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace HaccpFixtures;

class TestHaccpController : public QObject
{
    Q_OBJECT

private slots:
    void init() { AlarmTimings::setScale(1); }
    void cleanup() { AlarmTimings::setScale(1); }

    void disabledHoldsOnlyTheModel()
    {
        ScratchRoots roots;
        FakeCabinetCore core;
        core.haccpEnabled = false;
        HaccpController controller(&core);
        QVERIFY(controller.get_haccpDataModel());
        QVERIFY(!controller.isCollecting());
        QVERIFY(!controller.cleanupTimer());
        QSignalSpy done(&controller, &HaccpController::retrieveHaccpDataDone);
        controller.logDataEntry(record("A", 1, "2024/05/14", "06:00:00"));
        controller.retrieveAllHaccpData(true);
        QTest::qWait(50);
        QCOMPARE(done.count(), 0);
        QVERIFY(!QFile::exists(FileLogWorker::logPath()));
    }

    void cleanupCutoff_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("cutoff");
        QTest::newRow("1 March") << QDate(2025, 3, 1) << "2024/03/01";
        QTest::newRow("29 February") << QDate(2024, 2, 29) << "2023/02/28";
        QTest::newRow("new year") << QDate(2025, 1, 1) << "2024/01/01";
    }
    void cleanupCutoff()
    {
        QFETCH(QDate, today);
        QFETCH(QString, cutoff);
        QCOMPARE(HaccpController::cleanupCutoff(QDateTime(today, QTime(0, 30))), cutoff);
    }

    // First clean-up after 10 s, then an hourly check that cleans once a day.
    void cleanupSchedule()
    {
        ScratchRoots roots;
        AlarmTimings::setScale(0.001);
        FakeCabinetCore core;
        core.haccpEnabled = true;
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json",
                                    log(stored(1, "2000/01/01", false, "----", "old", "06:00:00"))));
        HaccpController controller(&core);
        QSignalSpy cleanups(&controller, &HaccpController::removeOldDataSignal);
        QCOMPARE(controller.cleanupTimer()->interval(), AlarmTimings::scaled(10000));
        QTRY_COMPARE(cleanups.count(), 1);
        QCOMPARE(controller.cleanupTimer()->interval(), AlarmTimings::scaled(3600000));
        QString cutoff;
        QDataStream stream(cleanups.at(0).at(0).toByteArray());
        stream >> cutoff;
        QCOMPARE(cutoff, HaccpController::cleanupCutoff(QDateTime::currentDateTime()));
        QTRY_COMPARE(readFile(FileLogWorker::logPath()), log(""));

        controller.setLastCleanup(QDateTime::currentDateTime().addSecs(-23 * 3600));
        controller.removeOldHaccpData();
        QCOMPARE(cleanups.count(), 1);
        controller.setLastCleanup(QDateTime::currentDateTime().addSecs(-24 * 3600 - 60));
        controller.removeOldHaccpData();
        QCOMPARE(cleanups.count(), 2);
    }

    void retrieval_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("all");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("total");
        QTest::newRow("600, first page") << bigLog(600) << false << 250 << 600;
        QTest::newRow("600, show all") << bigLog(600) << true << 600 << 600;
        QTest::newRow("empty log") << log("") << true << 0 << 0;
    }
    void retrieval()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, all);
        QFETCH(int, rows);
        QFETCH(int, total);
        ScratchRoots roots;
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", content));
        FakeCabinetCore core;
        core.haccpEnabled = true;
        HaccpController controller(&core);
        QSignalSpy done(&controller, &HaccpController::retrieveHaccpDataDone);
        QSignalSpy totals(&controller, &HaccpController::totalHaccpLogListCountChanged);
        controller.retrieveAllHaccpData(all);
        QTRY_COMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(0).toString(), FileLogWorker::OkResult);
        QCOMPARE(controller.get_haccpLogListCount(), rows);
        QCOMPARE(controller.get_totalHaccpLogListCount(), total);
        HaccpDataModel *model = controller.get_haccpDataModel();
        QCOMPARE(model->rowCount(), rows);
        // The same answer again changes nothing the screen binds to.
        controller.retrieveAllHaccpData(all);
        QTRY_COMPARE(done.count(), 2);
        QCOMPARE(totals.count(), total ? 1 : 0);
        if (!rows)
            return;
        QCOMPARE(model->getData(0, 0).toString(), QStringLiteral("Product 0"));
        QCOMPARE(model->getData(rows - 1, 5).toInt(), (rows - 1) % 20);
        QVERIFY(!model->getData(rows, 0).isValid());
        QVERIFY(!model->getData(-1, 0).isValid());
        QTest::ignoreMessage(QtDebugMsg, "No role selected! -- 263");
        QVERIFY(!model->getData(0, 6).isValid());
    }

    // A hold costs at most two rewrites: the start's, and one for the stop's removal and
    // finished record, whether the stop arrives while the start is still being written (the
    // sync stand-in slowed down) or finds the worker idle.
    void holdCostsAtMostTwoRewrites_data()
    {
        QTest::addColumn<bool>("busy"); // the stop arrives while the start is being written
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<QByteArray>("after");
        const QByteArray held = log(stored(2, "2024/05/14", true, "00:35:10", "Prod s2", "05:58:03"));
        QTest::newRow("a hold") << true << false << held;
        QTest::newRow("a cancelled hold") << true << true << log("");
        // An idle worker woken by the removal waits for the finished record posted with it.
        QTest::newRow("a hold, worker idle") << false << false << held;
        QTest::newRow("a cancelled hold, worker idle") << false << true << log("");
    }
    void holdCostsAtMostTwoRewrites()
    {
        QFETCH(bool, busy);
        QFETCH(bool, cancelled);
        QFETCH(QByteArray, after);
        ScratchRoots roots;
        const QString standIns = qEnvironmentVariable("TUL_TOOLS_DIR");
        QVERIFY(!standIns.isEmpty());
        for (const char *tool : {"sync", "mv"}) {
            QFile script(roots.base() + "/" + tool);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\n\"" + QFile::encodeName(standIns) + "/" + tool + "\" \"$@\" || exit 1\n"
                         + (busy && tool == QByteArray("sync") ? "sleep 0.3\n" : ""));
            script.close();
            QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        }
        roots.setVariable("TUL_TOOLS_DIR", roots.base());
        FakeCabinetCore core;
        core.haccpEnabled = true;
        HaccpController controller(&core);
        controller.cleanupTimer()->stop();
        HaccpLogSink *sink = &controller;
        sink->logDataEntry(record("Prod s2", 2, "2024/05/14", "05:58:03"));
        if (busy) // the start's rewrite is under way
            QTRY_VERIFY(!roots.toolCalls().filter(QRegularExpression("^sync")).isEmpty());
        else // the start's rewrite is done
            QTRY_COMPARE(roots.toolCalls().filter(QRegularExpression("^mv ")).size(), 1);
        const HaccpData done = record("Prod s2", 2, "2024/05/14", "05:58:03", "00:35:10", true);
        sink->removeStartDataLogEntry(done);
        if (!cancelled)
            sink->logDataEntry(done);
        QTRY_COMPARE(readFile(FileLogWorker::logPath()), after);
        QTest::qWait(400); // a third rewrite would have ended by now
        QCOMPARE(roots.toolCalls().filter(QRegularExpression("^mv ")).size(), 2);
    }

    // The holding records reach the file in the order they were handed over.
    void recordsReachTheWorker()
    {
        ScratchRoots roots;
        FakeCabinetCore core;
        core.haccpEnabled = true;
        HaccpController controller(&core);
        HaccpLogSink *sink = &controller;
        sink->logDataEntry(record("Prod s2", 2, "2024/05/14", "05:58:03"));
        QTRY_VERIFY(!roots.toolCalls().filter(QRegularExpression("^sync")).isEmpty()); // the start's rewrite is under way
        const HaccpData done = record("Prod s2", 2, "2024/05/14", "05:58:03", "00:35:10", true);
        sink->removeStartDataLogEntry(done);
        sink->logDataEntry(done);
        sink->logDataEntry(record("Prod s1", 7, "2024/05/14", "06:40:12"));
        const QByteArray expected =
            R"({"desc":"HACCP Data Log","haccpInfo":[{"b":7,"d":"2024/05/14","e":false,"h":"----","p":"Prod s1","t":"06:40:12"},{"b":2,"d":"2024/05/14","e":true,"h":"00:35:10","p":"Prod s2","t":"05:58:03"}]})";
        QTRY_COMPARE(readFile(FileLogWorker::logPath()), expected);

        core.traysPerZone = 2;
        core.zonesPerRow = 2;
        QSignalSpy exported(&controller, &HaccpController::exportHaccpLogDone);
        controller.exportHaccpLog();
        QTRY_COMPARE(exported.count(), 1);
        QCOMPARE(exported.at(0).at(0).toString(), FileLogWorker::OkResult);
        const QStringList files = QDir(roots.flash()).entryList({"holdingLog__*.csv"});
        QCOMPARE(files.size(), 1);
        QCOMPARE(readFile(roots.flash() + files.first()),
                 QByteArray("Product Name, Shelf Number, Start Time, Discarded, Total Holding Duration,\n"
                            "Prod s1,2,05/14 06:40,----,----,\nProd s2,1,05/14 05:58,Yes,00:35,\n"));
    }
};

QTEST_GUILESS_MAIN(TestHaccpController)
#include "tst_haccpcontroller.moc"
