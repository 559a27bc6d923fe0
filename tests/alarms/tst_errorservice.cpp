#include "alarmtimings.h"
#include "configurationmanager.h"
#include "errorlogfiles.h"
#include "errorrecord.h"
#include "fakecabinetcore.h"
#include "filelogworker.h"
#include "fulldisk.h"
#include "ioboardsimulator.h"
#include "qmodbusmaster.h"
#include "scratchroots.h"
#include "tulerrorcontroller.h"
#include "tulerrorcontrollert.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>
#include <functional>

using Service = TulErrorControllerT;

// The error service: facade on this thread, worker on its own thread.
class TestErrorService : public QObject
{
    Q_OBJECT
    QScopedPointer<ScratchRoots> m_scratch;
    FakeCabinetCore *m_core = nullptr;
    Service *m_service = nullptr;

    void make(int uiRole, bool mirror = false, QModbusMaster *bus = nullptr)
    {
        delete m_core;
        m_core = new FakeCabinetCore;
        m_core->uiRole = uiRole;
        m_core->hasMirrorDisplay = mirror;
        m_core->numberOfZones = 3;
        m_service = new Service(bus, m_core);
        onWorker([] {}); // set up first
    }
    // The worker's objects are touched on its thread only.
    void onWorker(const std::function<void()> &f)
    {
        QMetaObject::invokeMethod(m_service->worker(), f, Qt::BlockingQueuedConnection);
    }
    // Everything the worker was asked so far is done and its signals delivered here.
    void settle() { onWorker([] {}); QCoreApplication::processEvents(); }
    QStringList logLines() const
    {
        QStringList lines;
        for (const QString &name : QDir(ErrorLogFiles::logDir()).entryList(QDir::Files, QDir::Name))
            lines += QString::fromUtf8(readAll(ErrorLogFiles::logDir() + name)).split('\n', Qt::SkipEmptyParts);
        return lines;
    }
    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QStringList codes(const QSignalSpy &spy)
    {
        QStringList out;
        for (const auto &args : spy)
            out << args.at(1).toString();
        return out;
    }

private slots:
    void initTestCase() { AlarmTimings::setScale(0.1); }
    void init()
    {
        AlarmTimings::setScale(0.1);
        m_scratch.reset(new ScratchRoots);
    }
    void cleanup()
    {
        delete m_core; // the service with it
        m_core = nullptr;
        ErrorLogFiles::setFixedNow(QDateTime());
        m_scratch.reset();
    }

    void workerRunsOnItsOwnThread()
    {
        make(1);
        QThread *thread = m_service->workerThread();
        QVERIFY(thread->isRunning() && thread != QThread::currentThread());
        QCOMPARE(m_service->worker()->thread(), thread);
        QCOMPARE(m_service->get_errorInfoModel()->thread(), QThread::currentThread()); // the screen's copy
        int definitions = 0;
        QThread *modelThread = nullptr;
        onWorker([&] {
            definitions = m_service->worker()->definitionsCount();
            modelThread = m_service->worker()->get_errorInfoModel()->thread();
        });
        QCOMPARE(definitions, 75);
        QCOMPARE(modelThread, thread);
    }

    // Each report is logged (a line each, even twice the same), announced and relayed by
    // the display role; what came from the other display is never sent back.
    void report_data()
    {
        QTest::addColumn<int>("uiRole");
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<bool>("received");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("second display") << 2 << false << false
                                        << QStringList{"sendErrorInfo", "sendErrorInfo", "sendErrorClearInfo"};
        QTest::newRow("primary without mirror") << 1 << false << false << QStringList{};
        QTest::newRow("primary with mirror") << 1 << true << false << QStringList{"sendErrorInfo", "sendErrorInfo"};
        QTest::newRow("mirror display") << 3 << false << false << QStringList{};
        QTest::newRow("received on a second display") << 2 << false << true << QStringList{};
        QTest::newRow("received on a primary with mirror") << 1 << true << true << QStringList{};
    }
    void report()
    {
        QFETCH(int, uiRole);
        QFETCH(bool, mirror);
        QFETCH(bool, received);
        QFETCH(QStringList, sent);
        make(uiRole, mirror);
        const QDateTime when(QDate(2024, 3, 15), QTime(8, 1, 2));
        ErrorLogFiles::setFixedNow(when);
        QSignalSpy notified(m_service, &Service::notifyError);
        QSignalSpy cleared(m_service, &Service::notifyErrorClear);
        for (int i = 0; i < 2; ++i)
            received ? m_service->remoteErrorCodesDataProcess(2, 0, 3, 0) : m_service->errorCodesDataProcess(2, 0, 3, 0);
        received ? m_service->remoteErrorCodesClearDataProcess(2, 0, 3, 0)
                 : m_service->errorCodesClearDataProcess(2, 0, 3, 0);
        QVERIFY(cleared.count() || cleared.wait());
        settle();
        QCOMPARE(notified.count(), 2);
        QCOMPARE(notified.at(0), QVariantList({QString::number(when.toSecsSinceEpoch()), "2.0.3.0",
                                               "Temperature sensor 3 shorted.", " "}));
        QCOMPARE(codes(cleared), QStringList{"2.0.3.0"});
        QTRY_COMPARE(m_service->get_errorsLogListCount(), 2);
        QCOMPARE(logLines(), QStringList({"1;2024/03/15 08:01:02;2\t0\t3\t0", "1;2024/03/15 08:01:02;2\t0\t3\t0"})); // clears are not logged
        QVERIFY(QFile::exists(ErrorLogFiles::logDir() + "el240315.txt"));
        QTRY_VERIFY(m_scratch->toolCalls().contains("sync "));
        QCOMPARE(m_service->get_errorInfoModel()->rowCount(), 0); // until the next load
        QCOMPARE(m_core->sentNames(), sent);
        if (!sent.isEmpty())
            QCOMPARE(m_core->sent.first().args, QVariantList({2, 0, 3, 0}));
    }

    void laterDayAppendsNextWeekStartsANewFile()
    {
        make(1);
        for (const QDateTime &day : {QDateTime(QDate(2025, 12, 29), QTime(9, 0)), // Monday of week 1 of 2026
                                     QDateTime(QDate(2025, 12, 31), QTime(9, 0)),
                                     QDateTime(QDate(2026, 1, 4), QTime(23, 59, 59)),
                                     QDateTime(QDate(2026, 1, 5), QTime(0, 0))}) { // week 2
            ErrorLogFiles::setFixedNow(day);
            m_service->errorCodesDataProcess(1, 0, 0, 0);
            settle();
        }
        QCOMPARE(ErrorLogFiles::entries(), QStringList({"el251229.txt", "el260105.txt"}));
        QCOMPARE(readAll(ErrorLogFiles::logDir() + "el251229.txt").count('\n'), 3);
        QCOMPARE(logLines().size(), 4);
    }

    void unwritableLogLosesOnlyTheLine()
    {
        make(2);
        QVERIFY(m_scratch->writeRootFile("errorLogs", "not a folder"));
        QSignalSpy notified(m_service, &Service::notifyError);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Cannot append to the error log"));
        m_service->errorCodesDataProcess(4, 2, 1, 0);
        QTRY_COMPARE(m_service->get_errorsLogListCount(), 1);
        QTRY_COMPARE(m_core->sentNames(), QStringList("sendErrorInfo"));
        QCOMPARE(notified.count(), 0);
    }

    // Lines that cannot be written (a full disk, or the log folder replaced by a link the
    // writer refuses) are shown at once and written, in order, by the next report or load
    // that can write, or by the retry within its period (the HACCP log's) when none comes.
    void fullDiskDelaysLines_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("then");
        QTest::addColumn<QStringList>("codes"); // of the lines in the file, oldest first
        const QStringList byReport{"1\t0\t0\t0", "4\t2\t1\t0", "5\t2\t0\t3"};
        const QStringList byLoad{"1\t0\t0\t0", "4\t2\t1\t0"};
        QTest::newRow("the next report") << "full disk" << "report" << byReport;
        QTest::newRow("a load of the logs") << "full disk" << "load" << byLoad;
        QTest::newRow("linked folder, the next report") << "link" << "report" << byReport;
        QTest::newRow("linked folder, a load of the logs") << "link" << "load" << byLoad;
        QTest::newRow("full disk, the retry") << "full disk" << "retry" << byLoad;
        QTest::newRow("linked folder, the retry") << "link" << "retry" << byLoad;
    }
    void fullDiskDelaysLines()
    {
        QFETCH(QString, fault);
        QFETCH(QString, then);
        QFETCH(QStringList, codes);
        constexpr double retryScale = 0.01; // the minute's retry in 600 ms
        if (then == "retry")
            AlarmTimings::setScale(retryScale);
        make(1);
        QScopedPointer<FullDisk> full;
        // "errorLogs" a link to a folder outside the root; removed, it leaves no folder,
        // which the writer makes at its next write.
        const QString folder = QDir(ErrorLogFiles::logDir()).absolutePath();
        const QString outside = m_scratch->base() + QStringLiteral("/outside");
        if (fault == "full disk") {
            full.reset(new FullDisk);
            QVERIFY(full->isSet());
        } else {
            QVERIFY(QDir().mkpath(outside));
            QDir().rmdir(folder);
            QVERIFY(QFile::link(outside, folder));
        }
        m_service->errorCodesDataProcess(1, 0, 0, 0);
        m_service->errorCodesDataProcess(4, 2, 1, 0);
        m_service->clearErrorLogList();
        m_service->retrieveAllErrorLogs();
        settle();
        QCOMPARE(m_service->get_errorInfoModel()->rowCount(), 2); // shown while they wait
        QCOMPARE(m_service->get_errorInfoModel()->getData(0, 2).toString(), QStringLiteral("4.2.1.0"));
        QCOMPARE(logLines().size(), 0);
        if (full)
            full->spaceBack();
        else
            QVERIFY(QFile::remove(folder));
        QElapsedTimer back;
        back.start();
        if (then == "report")
            m_service->errorCodesDataProcess(5, 2, 0, 3);
        else if (then == "load")
            m_service->retrieveAllErrorLogs();
        if (then == "retry") {
            QTRY_COMPARE_WITH_TIMEOUT(logLines().size(), 2, 10000);
            QVERIFY2(back.elapsed() <= 3 * FileLogWorker::RetryMs * retryScale, qPrintable(QString::number(back.elapsed())));
        }
        settle();
        QVERIFY(!QFileInfo(folder).isSymLink());
        QVERIFY(!QFileInfo::exists(TulErrorController::keptLinesPath())); // nothing left waiting
        QStringList written;
        for (const QString &line : logLines())
            written << line.section(';', 2);
        QCOMPARE(written, codes);
        QCOMPARE(QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    // Lines still waiting when the service ends: kept in their own file beside the data and
    // written at the next start ahead of anything new; with nothing writable at all, each
    // is named in the diagnostics instead.
    void stopKeepsWaitingLines_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("codes"); // in the log after the next start and a report
        QTest::newRow("linked folder") << "link" << QStringList{"1\t0\t0\t0", "4\t2\t1\t0", "5\t2\t0\t3"};
        QTest::newRow("full disk") << "full disk" << QStringList{"5\t2\t0\t3"};
    }
    void stopKeepsWaitingLines()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, codes);
        make(1);
        const QString folder = QDir(ErrorLogFiles::logDir()).absolutePath();
        QScopedPointer<FullDisk> full;
        if (fault == "link") {
            const QString outside = m_scratch->base() + QStringLiteral("/outside");
            QVERIFY(QDir().mkpath(outside));
            QDir().rmdir(folder);
            QVERIFY(QFile::link(outside, folder));
        } else {
            full.reset(new FullDisk);
        }
        ErrorLogFiles::setFixedNow(QDateTime(QDate(2024, 3, 15), QTime(8, 1, 2)));
        m_service->errorCodesDataProcess(1, 0, 0, 0);
        m_service->errorCodesDataProcess(4, 2, 1, 0);
        settle();
        if (full) {
            QTest::ignoreMessage(QtWarningMsg, "Error-log line not written: 1;2024/03/15 08:01:02;1\t0\t0\t0");
            QTest::ignoreMessage(QtWarningMsg, "Error-log line not written: 1;2024/03/15 08:01:02;4\t2\t1\t0");
        }
        delete m_core; // the service with it
        m_core = nullptr;
        full.reset();
        QCOMPARE(QFileInfo::exists(TulErrorController::keptLinesPath()), fault == "link");
        if (fault == "link")
            QVERIFY(QFile::remove(folder));
        ErrorLogFiles::setFixedNow(QDateTime(QDate(2024, 3, 15), QTime(9, 0)));
        make(1);
        m_service->errorCodesDataProcess(5, 2, 0, 3);
        settle();
        QStringList written;
        for (const QString &line : logLines())
            written << line.section(';', 2);
        QCOMPARE(written, codes);
        QVERIFY(!QFileInfo::exists(TulErrorController::keptLinesPath()));
    }

    // The start-up summary names the records of the log once its load has ended, and says
    // it is reading until then (a long log takes a while).
    void startSummaryCountsTheRecords_data()
    {
        QTest::addColumn<QStringList>("files"); // name=lines
        QTest::addColumn<QByteArray>("kept");    // lines kept at the last stop
        QTest::addColumn<QString>("summary");
        const QByteArray two = "1;2024/03/11 10:00:00;1\t0\t0\t0\n1;2024/03/12 10:00:00;4\t2\t1\t0\n";
        QTest::newRow("no log") << QStringList{} << QByteArray() << "0 entries in the errors log";
        QTest::newRow("two files") << QStringList{"el240311.txt", "el240318.txt"} << QByteArray()
                                   << "4 entries in the errors log";
        QTest::newRow("a file and a kept line") << QStringList{"el240311.txt"}
                                                << QByteArray("1;2024/03/13 10:00:00;5\t2\t0\t3\n")
                                                << "3 entries in the errors log";
        QTest::newRow("only kept lines") << QStringList{} << two << "2 entries in the errors log";
    }
    void startSummaryCountsTheRecords()
    {
        QFETCH(QStringList, files);
        QFETCH(QByteArray, kept);
        QFETCH(QString, summary);
        const QByteArray two = "1;2024/03/11 10:00:00;1\t0\t0\t0\n1;2024/03/12 10:00:00;4\t2\t1\t0\n";
        for (const QString &name : files)
            QVERIFY(m_scratch->writeRootFile("errorLogs/" + name, two));
        if (!kept.isEmpty())
            QVERIFY(m_scratch->writeRootFile("errorLogs.unwritten", kept));
        make(1); // the worker has loaded; its answer waits for this thread's event loop
        QCOMPARE(m_service->errorsLogSummary(), QStringLiteral("reading the errors log"));
        QTRY_COMPARE(m_service->errorsLogSummary(), summary);
    }

    // A file too large to be a log of ours is read in its newest part and named.
    void tooLargeLogIsNamed()
    {
        QByteArray text(int(ErrorLogFiles::MaxLogBytes), ' ');
        text += "\n1;2024/03/11 10:00:00;4\t2\t1\t0\n";
        QVERIFY(m_scratch->writeRootFile("errorLogs/el240311.txt", text));
        QVERIFY(m_scratch->writeRootFile("errorLogs/el240318.txt", "1;2024/03/18 10:00:00;1\t0\t0\t0\n"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("only its newest"));
        make(1);
        QTRY_COMPARE(m_service->get_errorInfoModel()->rowCount(), 2);
        QTRY_COMPARE(m_service->get_cutLogs(), QStringLiteral("el240311.txt"));
    }

    void loadShowsNewestFirstAndOnceOnly()
    {
        QVERIFY(m_scratch->writeRootFile("errorLogs/el240304.txt",
                                         "1;2024/03/04 10:00:00;1\t0\t0\t0\n1;2024/03/05 10:00:00;3\t1\t2\t0\n"));
        QVERIFY(m_scratch->writeRootFile("errorLogs/el240311.txt",
                                         "1;2024/03/11 10:00:00;4\t2\t1\t0\n3;2024/03/11 10:00:01;99\t1\t0\t0\n"
                                         "1;2024/03/12 10:00:00;5\t2\t0\t3\n"));
        make(1);
        ErrorInfoModel *model = m_service->get_errorInfoModel();
        QTRY_COMPARE(model->rowCount(), 4); // loaded at start-up
        QCOMPARE(m_service->get_errorsLogListCount(), 4);
        QCOMPARE((QStringList{model->getData(0, 0).toString(), model->getData(0, 2).toString(),
                              model->getData(0, 3).toString(), model->getData(3, 2).toString()}),
                 (QStringList{"2024/03/12", "5.2.0.3", "NFC board 2 communication loss.", "1.0.0.0"}));
        QString first; // the list's records carry the same codes and time
        onWorker([&] {
            const QList<QObject *> list = m_service->worker()->get_errorsLogList();
            if (const auto *r = qobject_cast<ErrorRecord *>(list.value(0)); r && list.size() == 4)
                first = QStringLiteral("%1 %2.%3.%4.%5").arg(r->get_timestamp().toString(Qt::ISODate))
                            .arg(r->get_mainCode()).arg(r->get_subCode1()).arg(r->get_subCode2()).arg(r->get_subCode3());
        });
        QCOMPARE(first, QStringLiteral("2024-03-12T10:00:00 5.2.0.3"));
        for (int i = 0; i < 2; ++i) { // opening the panel twice: each record once
            QSignalSpy changed(m_service, &Service::errorInfoModelChanged);
            m_service->clearErrorLogList();
            m_service->retrieveAllErrorLogs();
            QTRY_COMPARE(changed.count(), 2);
            QCOMPARE(model->rowCount(), 4);
        }
        m_service->clearErrorLogList();
        QTRY_COMPARE(m_service->get_errorsLogListCount(), 0);
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(ErrorLogFiles::entries().size(), 2); // the files stay
    }

    void deleteAllTellsTheOtherDisplay()
    {
        make(1, true);
        QTest::ignoreMessage(QtDebugMsg, "Send clear error info to remot display over CAN bus!!!!");
        m_service->deleteAllErrorLogs(); // no folder yet: still told
        QTRY_COMPARE(m_core->sentNames(), QStringList("sendClearAllErrorInfo"));
        QVERIFY(!m_scratch->toolCalls().contains("sync "));
        m_service->errorCodesDataProcess(1, 0, 0, 0);
        QTRY_COMPARE(logLines().size(), 1);
        QFile::remove(m_scratch->toolsLog());
        QTest::ignoreMessage(QtDebugMsg, "Send clear error info to remot display over CAN bus!!!!");
        m_service->deleteAllErrorLogs();
        QTRY_COMPARE(m_core->sentNames().size(), 3);
        QVERIFY(logLines().isEmpty());
        QTRY_VERIFY(m_scratch->toolCalls().contains("sync "));
        make(2); // the receiving display does not answer
        m_service->deleteAllErrorLogs();
        settle();
        QVERIFY(m_core->sent.isEmpty());
    }

    void exportToTheFlashDrive_data()
    {
        QTest::addColumn<bool>("drive");
        QTest::newRow("written") << true;
        QTest::newRow("no drive: reported as failed") << false;
    }
    void exportToTheFlashDrive()
    {
        QFETCH(bool, drive);
        QVERIFY(m_scratch->writeRootFile("errorLogs/el240311.txt",
                                         "1;2024/03/11 10:00:00;4\t2\t1\t0\n1;2024/03/12 11:30:05;2\t0\t3\t0\n"));
        make(1);
        m_core->configManagerPtr = new ConfigurationManager(nullptr, nullptr, true, 1, m_core);
        m_core->configManagerPtr->set_serialNumber("SN/../42");
        ErrorLogFiles::setFixedNow(QDateTime(QDate(2024, 3, 15), QTime(8, 1, 2)));
        if (!drive) {
            m_scratch->setVariable("TUL_FLASH_DIR", m_scratch->base() + "/no-drive/");
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Unable to Open File !!!.*no-drive/errorLog_SN"));
        }
        QSignalSpy exported(m_service, &Service::errorLogExported);
        m_service->exportErrorLog();
        QVERIFY(exported.wait());
        QCOMPARE(exported.at(0).at(0).toBool(), drive);
        if (!drive)
            return;
        const QString name = m_scratch->flash() + "errorLog_SN____42_240315-080102.txt";
        QCOMPARE(exported.at(0).at(1).toString(), name);
        QCOMPARE(readAll(name), QByteArray("2024/03/12 11:30:05    2.0.3.0    Temperature sensor 3 shorted.\n"
                                           "2024/03/11 10:00:00    4.2.1.0    I/O board 1 communication loss.\n"));
        QCOMPARE(QDir(m_scratch->flash()).entryList(QDir::Files).size(), 1);
    }

    void facadePropertiesKeepTheirOwnValues()
    {
        make(1);
        QSignalSpy ack(m_service, &Service::errorAcknowledgedChanged);
        m_service->set_errorAcknowledged(false);
        m_service->set_errorFlags(5);
        unsigned int workerFlags = 0;
        QTRY_VERIFY(([&] { onWorker([&] { workerFlags = m_service->worker()->get_errorFlags(); }); return workerFlags == 5; }()));
        QCOMPARE(m_service->get_errorFlags(), 0u);
        QVERIFY(m_service->get_errorAcknowledged() && ack.isEmpty());
    }

    // Heater error registers as read from the I/O board, decoded directly ...
    void heaterRegisterDecoding()
    {
        TulErrorController::CabinetValues values;
        values.numberOfZones = 3;
        TulErrorController worker(values);
        worker.prepareSm();
        QSignalSpy reported(&worker, &TulErrorController::notifyError);
        QSignalSpy cleared(&worker, &TulErrorController::notifyErrorClear);
        QSignalSpy tc(&worker, &TulErrorController::zoneErrorStatusTcUpdate);
        QVector<quint16> regs(30, 0);
        auto reply = [&](QVector<std::pair<int, quint16>> set) {
            for (auto [at, value] : set)
                regs[at] = value;
            worker.errorsMbReplyGood(regs);
            worker.processErrorMbInfo();
        };
        // heater 4 cold, 5 shorted, 6 beyond 3 zones, reference error of sensor 2 whatever the zones
        reply({{4, 0x0100}, {5, 0x0001}, {6, 0x0102}, {19, 0x0201}, {22, 7}});
        QCOMPARE(codes(reported), QStringList({"2.2.4.0", "2.0.5.0", "2.4.2.0"}));
        QCOMPARE(tc.count(), 1);
        QCOMPARE(tc.at(0), QVariantList({QVariant::fromValue<quint16>(5), QVariant::fromValue<quint16>(1)}));
        reply({{5, 0x0202}, {22, 0}, {27, 1}}); // shorted -> open and hot; cold junction 2
        QCOMPARE(codes(reported), QStringList({"2.2.4.0", "2.0.5.0", "2.4.2.0", "2.1.5.0", "2.3.5.0", "2.5.2.0"}));
        QCOMPARE(codes(cleared), QStringList({"2.4.2.0"})); // the shorted report is left standing
        reply({{4, 0}, {5, 0}});
        reply({}); // nothing changed, nothing happens
        QCOMPARE(codes(cleared), QStringList({"2.4.2.0", "2.2.4.0", "2.1.5.0", "2.3.5.0"}));
        QCOMPARE(reported.count(), 6);
        QCOMPARE(tc.count(), 3);
    }

    // Within one reply the heater registers come first, then every reference error
    // (registers 20-24), then every cold-junction error (25-29). Registers as flat
    // (register, value) pairs; "+" is a report, "-" a clear.
    void sensorRegisterOrder_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("reference 1, then cold junction 0") << QList<int>{} << QList<int>{21, 1, 25, 1}
                                                           << QStringList{"+2.4.1.0", "+2.5.0.0"};
        QTest::newRow("all references, then all cold junctions")
            << QList<int>{} << QList<int>{29, 1, 25, 1, 24, 1, 20, 1}
            << QStringList{"+2.4.0.0", "+2.4.4.0", "+2.5.0.0", "+2.5.4.0"};
        QTest::newRow("clears in the same order") << QList<int>{22, 1, 26, 1} << QList<int>{26, 0, 22, 0, 21, 5}
                                                  << QStringList{"+2.4.1.0", "-2.4.2.0", "-2.5.1.0"};
        QTest::newRow("heaters before both") << QList<int>{} << QList<int>{25, 1, 20, 1, 1, 0x0001}
                                             << QStringList{"+2.0.1.0", "+2.4.0.0", "+2.5.0.0"};
    }
    void sensorRegisterOrder()
    {
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, after);
        QFETCH(QStringList, events);
        TulErrorController::CabinetValues values;
        values.numberOfZones = 3;
        TulErrorController worker(values);
        worker.prepareSm();
        QVector<quint16> regs(30, 0);
        auto reply = [&](const QList<int> &set) {
            for (int i = 0; i + 1 < set.size(); i += 2)
                regs[set.at(i)] = quint16(set.at(i + 1));
            worker.errorsMbReplyGood(regs);
            worker.processErrorMbInfo();
        };
        reply(before);
        QStringList seen;
        connect(&worker, &TulErrorController::notifyError, this,
                [&](const QString &, const QString &code) { seen << "+" + code; });
        connect(&worker, &TulErrorController::notifyErrorClear, this,
                [&](const QString &, const QString &code) { seen << "-" + code; });
        reply(after);
        QCOMPARE(seen, events);
    }

    // ... and polled over the serial bus from the simulated board.
    void errorRegisterPollAgainstTheSimulatedBoard()
    {
        IoBoardSimulator board;
        if (!board.open())
            QSKIP("no pseudo-terminals on this system");
        QModbusMaster master;
        QVERIFY(master.openSerialPort(board.devicePath()));
        master.start();
        make(0, false, &master);
        QSignalSpy reported(m_service, &Service::notifyError);
        QSignalSpy cleared(m_service, &Service::notifyErrorClear);
        emit m_service->call_startSm(); // the master display starts the poll
        QVERIFY(board.setErrorRegister(1, 0x0001) && board.setErrorRegister(8, 0x0002)); // 8: beyond 3 zones
        QTRY_COMPARE_WITH_TIMEOUT(codes(reported), QStringList("2.0.1.0"), 3000);
        QCOMPARE(reported.at(0).at(2).toString(), QStringLiteral("Temperature sensor 1 shorted."));
        QVERIFY(board.setErrorRegister(1, 0));
        QTRY_COMPARE_WITH_TIMEOUT(codes(cleared), QStringList("2.0.1.0"), 3000);
        QVERIFY(board.setErrorRegister(25, 3)); // cold junction 0
        QTRY_COMPARE_WITH_TIMEOUT(codes(reported), QStringList({"2.0.1.0", "2.5.0.0"}), 3000);
        QTRY_COMPARE(logLines().size(), 2);
        QVERIFY(logLines().at(0).endsWith(";2\t0\t1\t0") && logLines().at(1).endsWith(";2\t5\t0\t0"));
        delete m_core; // stop the service before the master goes
        m_core = nullptr;
    }
};

QTEST_GUILESS_MAIN(TestErrorService)
#include "tst_errorservice.moc"
