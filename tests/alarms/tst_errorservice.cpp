#include "alarmtimings.h"
#include "configurationmanager.h"
#include "errorlogfiles.h"
#include "errorrecord.h"
#include "fakecabinetcore.h"
#include "ioboardsimulator.h"
#include "qmodbusmaster.h"
#include "scratchroots.h"
#include "tulerrorcontroller.h"
#include "tulerrorcontrollert.h"

#include <QThread>

#include <functional>
#include <QtTest>

// The error service: facade on this thread, worker on "tulErrorControllerThread".
class TestErrorService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void workerRunsOnItsOwnThread();
    void reportIsLoggedAnnouncedAndListed();
    void relayFollowsTheDisplayRole_data();
    void relayFollowsTheDisplayRole();
    void receivedErrorIsNeverSentBack();
    void sameErrorTwiceGivesTwoLines();
    void laterDayAppendsNextWeekStartsANewFile();
    void unwritableLogLosesOnlyTheLine();
    void loadShowsNewestFirstAndOnceOnly();
    void deleteAllTellsTheOtherDisplay();
    void exportWritesTheFlashDriveFile();
    void exportThatCannotBeWrittenIsReportedAsFailed();
    void facadePropertiesKeepTheirOwnValues();
    void heaterRegisterDecoding();
    void errorRegisterPollAgainstTheSimulatedBoard();

private:
    void makeService(int uiRole, bool mirror = false, bool secondary = false);
    // Runs `f` on the worker's thread and waits for it: the worker's objects are
    // touched nowhere else.
    void onWorker(const std::function<void()> &f);
    QString readLogs() const;
    QStringList logLines() const;

    QScopedPointer<ScratchRoots> m_scratch;
    FakeCabinetCore *m_core = nullptr;
    TulErrorControllerT *m_service = nullptr;
};

void TestErrorService::initTestCase()
{
    AlarmTimings::setScale(0.1);
}

void TestErrorService::init()
{
    m_scratch.reset(new ScratchRoots);
}

void TestErrorService::cleanup()
{
    delete m_core; // the service with it
    m_core = nullptr;
    m_service = nullptr;
    ErrorLogFiles::setFixedNow(QDateTime());
    m_scratch.reset();
}

void TestErrorService::makeService(int uiRole, bool mirror, bool secondary)
{
    delete m_core;
    m_core = new FakeCabinetCore;
    m_core->uiRole = uiRole;
    m_core->hasMirrorDisplay = mirror;
    m_core->hasSecondaryDisplay = secondary;
    m_core->numberOfZones = 3;
    m_service = new TulErrorControllerT(nullptr, m_core);
    bool ready = false;
    onWorker([&] { ready = m_service->worker()->get_errorInfoModel() != nullptr; }); // set up first
    QVERIFY(ready);
}

void TestErrorService::onWorker(const std::function<void()> &f)
{
    QMetaObject::invokeMethod(m_service->worker(), f, Qt::BlockingQueuedConnection);
}

QStringList TestErrorService::logLines() const
{
    QStringList lines;
    const QStringList names = QDir(ErrorLogFiles::logDir()).entryList(QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QFile file(ErrorLogFiles::logDir() + name);
        if (file.open(QIODevice::ReadOnly))
            lines += QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    return lines;
}

void TestErrorService::workerRunsOnItsOwnThread()
{
    makeService(1);
    QThread *thread = m_service->workerThread();
    QCOMPARE(thread->objectName(), QStringLiteral("tulErrorControllerThread"));
    QVERIFY(thread->isRunning());
    QCOMPARE(m_service->worker()->thread(), thread);
    QCOMPARE(m_service->worker()->objectName(), QStringLiteral("tulErrorControllerWorkerSM"));
    QCOMPARE(m_service->get_errorInfoModel()->thread(), QThread::currentThread());
    int definitions = 0;
    QThread *modelThread = nullptr;
    onWorker([&] {
        definitions = m_service->worker()->definitionsCount();
        modelThread = m_service->worker()->get_errorInfoModel()->thread();
    });
    QCOMPARE(definitions, 75);
    QCOMPARE(modelThread, thread);
}

void TestErrorService::reportIsLoggedAnnouncedAndListed()
{
    makeService(1);
    const QDateTime when(QDate(2024, 3, 15), QTime(8, 1, 2));
    ErrorLogFiles::setFixedNow(when);
    QSignalSpy notified(m_service, &TulErrorControllerT::notifyError);
    QSignalSpy count(m_service, &TulErrorControllerT::errorsLogListCountChanged);
    m_service->errorCodesDataProcess(2, 0, 3, 0);
    QVERIFY(notified.wait());
    QCOMPARE(notified.at(0).at(0).toString(), QString::number(when.toSecsSinceEpoch()));
    QCOMPARE(notified.at(0).at(1).toString(), QStringLiteral("2.0.3.0"));
    QCOMPARE(notified.at(0).at(2).toString(), QStringLiteral("Temperature sensor 3 shorted."));
    QCOMPARE(notified.at(0).at(3).toString(), QStringLiteral(" "));
    QTRY_COMPARE(m_service->get_errorsLogListCount(), 1);
    QCOMPARE(logLines(), QStringList(QStringLiteral("1;2024/03/15 08:01:02;2\t0\t3\t0")));
    QVERIFY(QFile::exists(ErrorLogFiles::logDir() + QStringLiteral("el240315.txt")));
    QTRY_VERIFY(m_scratch->toolCalls().contains(QStringLiteral("sync ")));
    QCOMPARE(m_service->get_errorInfoModel()->rowCount(), 0); // until the next load

    QSignalSpy cleared(m_service, &TulErrorControllerT::notifyErrorClear);
    m_service->errorCodesClearDataProcess(2, 0, 3, 0);
    QVERIFY(cleared.wait());
    QCOMPARE(cleared.at(0).at(1).toString(), QStringLiteral("2.0.3.0"));
    QCOMPARE(logLines().size(), 1); // clears are not logged
}

void TestErrorService::relayFollowsTheDisplayRole_data()
{
    QTest::addColumn<int>("uiRole");
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<QStringList>("sent");
    QTest::newRow("second display") << 2 << false << QStringList{"sendErrorInfo", "sendErrorClearInfo"};
    QTest::newRow("primary without mirror") << 1 << false << QStringList{};
    QTest::newRow("primary with mirror") << 1 << true << QStringList{"sendErrorInfo"};
    QTest::newRow("mirror display") << 3 << false << QStringList{};
}

void TestErrorService::relayFollowsTheDisplayRole()
{
    QFETCH(int, uiRole);
    QFETCH(bool, mirror);
    QFETCH(QStringList, sent);
    makeService(uiRole, mirror);
    QSignalSpy cleared(m_service, &TulErrorControllerT::notifyErrorClear);
    m_service->errorCodesDataProcess(4, 1, 0, 0);
    m_service->errorCodesClearDataProcess(4, 1, 0, 0);
    QVERIFY(cleared.wait());
    QTest::qWait(20);
    QCOMPARE(m_core->sentNames(), sent);
    if (!sent.isEmpty())
        QCOMPARE(m_core->sent.first().args, QVariantList({4, 1, 0, 0}));
}

void TestErrorService::receivedErrorIsNeverSentBack()
{
    makeService(2); // a second display relays everything of its own ...
    QSignalSpy notified(m_service, &TulErrorControllerT::notifyError);
    QSignalSpy cleared(m_service, &TulErrorControllerT::notifyErrorClear);
    m_service->remoteErrorCodesDataProcess(2, 6, 0, 0); // ... but not what it received
    m_service->remoteErrorCodesClearDataProcess(2, 6, 0, 0);
    QVERIFY(cleared.wait());
    QCOMPARE(notified.count(), 1);
    QTRY_COMPARE(m_service->get_errorsLogListCount(), 1);
    QCOMPARE(logLines().size(), 1);
    QTest::qWait(20);
    QVERIFY(m_core->sent.isEmpty());

    ErrorLogFiles::deleteAll();
    makeService(1, true); // nor does a primary with a mirror
    QSignalSpy notifiedHere(m_service, &TulErrorControllerT::notifyError);
    m_service->remoteErrorCodesDataProcess(4, 1, 0, 0);
    QVERIFY(notifiedHere.wait());
    QTRY_COMPARE(m_service->get_errorsLogListCount(), 1);
    QTest::qWait(20);
    QVERIFY(m_core->sent.isEmpty());
}

void TestErrorService::sameErrorTwiceGivesTwoLines()
{
    makeService(1);
    m_service->errorCodesDataProcess(3, 0, 2, 0);
    m_service->errorCodesDataProcess(3, 0, 2, 0);
    QTRY_COMPARE(m_service->get_errorsLogListCount(), 2);
    QCOMPARE(logLines().size(), 2);
}

void TestErrorService::laterDayAppendsNextWeekStartsANewFile()
{
    makeService(1);
    const QList<QDateTime> days = {QDateTime(QDate(2025, 12, 29), QTime(9, 0)),  // Monday of week 1 of 2026
                                   QDateTime(QDate(2025, 12, 31), QTime(9, 0)),
                                   QDateTime(QDate(2026, 1, 4), QTime(23, 59, 59)),
                                   QDateTime(QDate(2026, 1, 5), QTime(0, 0))};  // week 2
    for (const QDateTime &day : days) {
        const int before = logLines().size();
        ErrorLogFiles::setFixedNow(day);
        m_service->errorCodesDataProcess(1, 0, 0, 0);
        QTRY_COMPARE(logLines().size(), before + 1);
    }
    QCOMPARE(ErrorLogFiles::entries(), QStringList({QStringLiteral("el251229.txt"), QStringLiteral("el260105.txt")}));
    QFile first(ErrorLogFiles::logDir() + QStringLiteral("el251229.txt"));
    QVERIFY(first.open(QIODevice::ReadOnly));
    QCOMPARE(first.readAll().count('\n'), 3);
}

void TestErrorService::unwritableLogLosesOnlyTheLine()
{
    makeService(2);
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("errorLogs"), "not a folder"));
    QSignalSpy notified(m_service, &TulErrorControllerT::notifyError);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot append to the error log")));
    m_service->errorCodesDataProcess(4, 2, 1, 0);
    QTRY_COMPARE(m_service->get_errorsLogListCount(), 1);
    QTRY_COMPARE(m_core->sentNames(), QStringList(QStringLiteral("sendErrorInfo")));
    QCOMPARE(notified.count(), 0);
}

void TestErrorService::loadShowsNewestFirstAndOnceOnly()
{
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("errorLogs/el240304.txt"),
                                     "1;2024/03/04 10:00:00;1\t0\t0\t0\n1;2024/03/05 10:00:00;3\t1\t2\t0\n"));
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("errorLogs/el240311.txt"),
                                     "1;2024/03/11 10:00:00;4\t2\t1\t0\n3;2024/03/11 10:00:01;99\t1\t0\t0\n"
                                     "1;2024/03/12 10:00:00;5\t2\t0\t0\n"));
    makeService(1);
    ErrorInfoModel *model = m_service->get_errorInfoModel();
    QTRY_COMPARE(model->rowCount(), 4); // loaded at start-up
    QCOMPARE(m_service->get_errorsLogListCount(), 4);
    QCOMPARE(model->getData(0, 2).toString(), QStringLiteral("5.2.0.0"));
    QCOMPARE(model->getData(0, 0).toString(), QStringLiteral("2024/03/12"));
    QCOMPARE(model->getData(0, 3).toString(), QStringLiteral("NFC board 2 communication loss."));
    QCOMPARE(model->getData(3, 2).toString(), QStringLiteral("1.0.0.0"));
    // The list's records, made when read, carry the same codes and time.
    QString first;
    onWorker([&] {
        const QList<QObject *> list = m_service->worker()->get_errorsLogList();
        const auto *r = qobject_cast<ErrorRecord *>(list.value(0));
        if (list.size() == 4 && r)
            first = QStringLiteral("%1 %2.%3.%4.%5").arg(r->get_timestamp().toString(Qt::ISODate))
                        .arg(r->get_mainCode()).arg(r->get_subCode1()).arg(r->get_subCode2()).arg(r->get_subCode3());
    });
    QCOMPARE(first, QStringLiteral("2024-03-12T10:00:00 5.2.0.0"));

    // Opening the panel twice: each record once.
    for (int i = 0; i < 2; ++i) {
        QSignalSpy changed(m_service, &TulErrorControllerT::errorInfoModelChanged);
        m_service->clearErrorLogList();
        m_service->retrieveAllErrorLogs();
        QTRY_COMPARE(changed.count(), 2);
        QCOMPARE(model->rowCount(), 4);
    }
    QSignalSpy changed(m_service, &TulErrorControllerT::errorInfoModelChanged);
    m_service->clearErrorLogList();
    QVERIFY(changed.wait());
    QCOMPARE(model->rowCount(), 0);
    QTRY_COMPARE(m_service->get_errorsLogListCount(), 0);
    QCOMPARE(ErrorLogFiles::entries().size(), 2); // the files stay
}

void TestErrorService::deleteAllTellsTheOtherDisplay()
{
    makeService(1, true);
    QTest::ignoreMessage(QtDebugMsg, "Send clear error info to remot display over CAN bus!!!!");
    m_service->deleteAllErrorLogs(); // no folder yet: still told
    QTRY_COMPARE(m_core->sentNames(), QStringList(QStringLiteral("sendClearAllErrorInfo")));
    QVERIFY(!m_scratch->toolCalls().contains(QStringLiteral("sync ")));

    m_service->errorCodesDataProcess(1, 0, 0, 0);
    QTRY_COMPARE(logLines().size(), 1);
    QFile::remove(m_scratch->toolsLog());
    QTest::ignoreMessage(QtDebugMsg, "Send clear error info to remot display over CAN bus!!!!");
    m_service->deleteAllErrorLogs();
    QTRY_COMPARE(m_core->sentNames().size(), 3);
    QVERIFY(logLines().isEmpty());
    QTRY_VERIFY(m_scratch->toolCalls().contains(QStringLiteral("sync ")));

    makeService(2, false, false); // the receiving display does not answer
    m_service->deleteAllErrorLogs();
    QTest::qWait(30);
    QVERIFY(m_core->sent.isEmpty());
}

void TestErrorService::exportWritesTheFlashDriveFile()
{
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("errorLogs/el240311.txt"),
                                     "1;2024/03/11 10:00:00;4\t2\t1\t0\n1;2024/03/12 11:30:05;2\t0\t3\t0\n"));
    makeService(1);
    auto *config = new ConfigurationManager(nullptr, nullptr, true, 1, m_core);
    m_core->configManagerPtr = config;
    config->set_serialNumber(QStringLiteral("SN/../42"));
    ErrorLogFiles::setFixedNow(QDateTime(QDate(2024, 3, 15), QTime(8, 1, 2)));
    QSignalSpy exported(m_service, &TulErrorControllerT::errorLogExported);
    m_service->exportErrorLog();
    QVERIFY(exported.wait());
    QCOMPARE(exported.at(0).at(0).toBool(), true);
    const QString name = m_scratch->flash() + QStringLiteral("errorLog_SN____42_240315-080102.txt");
    QCOMPARE(exported.at(0).at(1).toString(), name);
    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("2024/03/12 11:30:05    2.0.3.0    Temperature sensor 3 shorted.\n"
                                        "2024/03/11 10:00:00    4.2.1.0    I/O board 1 communication loss.\n"));
    QCOMPARE(QDir(m_scratch->flash()).entryList(QDir::Files).size(), 1);
}

void TestErrorService::exportThatCannotBeWrittenIsReportedAsFailed()
{
    makeService(1);
    m_scratch->setVariable("TUL_FLASH_DIR", m_scratch->base() + QStringLiteral("/no-drive/"));
    QSignalSpy exported(m_service, &TulErrorControllerT::errorLogExported);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Unable to Open File !!!.*no-drive/errorLog__")));
    m_service->exportErrorLog();
    QVERIFY(exported.wait());
    QCOMPARE(exported.at(0).at(0).toBool(), false);
}

void TestErrorService::facadePropertiesKeepTheirOwnValues()
{
    makeService(1);
    QSignalSpy ack(m_service, &TulErrorControllerT::errorAcknowledgedChanged);
    m_service->set_errorAcknowledged(false);
    m_service->set_errorFlags(5);
    unsigned int workerFlags = 0;
    QTRY_VERIFY(([&] {
        onWorker([&] { workerFlags = m_service->worker()->get_errorFlags(); });
        return workerFlags == 5;
    }()));
    QCOMPARE(m_service->get_errorFlags(), 0u);
    QCOMPARE(m_service->get_errorAcknowledged(), true);
    QCOMPARE(ack.count(), 0);

    QSignalSpy broken(m_service, &TulErrorControllerT::sibLinkBrokenChanged);
    m_service->set_sibLinkBroken(true);
    m_service->set_sibLinkBroken(true);
    QCOMPARE(broken.count(), 1);
}

void TestErrorService::heaterRegisterDecoding()
{
    TulErrorController::CabinetValues values;
    values.numberOfZones = 3;
    TulErrorController worker(values);
    worker.prepareSm();
    QSignalSpy reported(&worker, &TulErrorController::notifyError);
    QSignalSpy cleared(&worker, &TulErrorController::notifyErrorClear);
    QSignalSpy tc(&worker, &TulErrorController::zoneErrorStatusTcUpdate);
    auto reply = [&worker](QVector<quint16> regs) {
        worker.errorsMbReplyGood(regs);
        worker.processErrorMbInfo();
    };
    auto codes = [](const QSignalSpy &spy) {
        QStringList out;
        for (const auto &args : spy)
            out << args.at(1).toString();
        return out;
    };
    QVector<quint16> regs(30, 0);
    regs[5] = 0x0001;          // sensor of heater 5 shorted
    regs[6] = 0x0102;          // beyond 3 zones: ignored
    regs[19] = 0x0201;
    regs[22] = 7;              // reference error of sensor 2, examined whatever the zones
    reply(regs);
    QCOMPARE(codes(reported), QStringList({"2.0.5.0", "2.4.2.0"}));
    QCOMPARE(tc.count(), 1);
    QCOMPARE(tc.at(0).at(0).value<quint16>(), quint16(5));
    QCOMPARE(tc.at(0).at(1).value<quint16>(), quint16(1));

    regs[5] = 0x0202;          // shorted -> open, and a high-temperature heater
    regs[22] = 0;
    regs[27] = 1;              // cold junction 2
    reply(regs);
    QCOMPARE(codes(reported), QStringList({"2.0.5.0", "2.4.2.0", "2.1.5.0", "2.3.5.0", "2.5.2.0"}));
    QCOMPARE(codes(cleared), QStringList({"2.4.2.0"})); // the shorted report is left standing

    regs[5] = 0;
    reply(regs);
    QCOMPARE(codes(cleared), QStringList({"2.4.2.0", "2.1.5.0", "2.3.5.0"}));
    QCOMPARE(tc.count(), 3);
    reply(regs); // nothing changed, nothing happens
    QCOMPARE(reported.count(), 5);
    QCOMPARE(cleared.count(), 3);
}

void TestErrorService::errorRegisterPollAgainstTheSimulatedBoard()
{
    IoBoardSimulator board;
    if (!board.open())
        QSKIP("no pseudo-terminals on this system");
    QModbusMaster master;
    QVERIFY(master.openSerialPort(board.devicePath()));
    master.start();

    delete m_core;
    m_core = new FakeCabinetCore;
    m_core->numberOfZones = 3;
    m_service = new TulErrorControllerT(&master, m_core);
    QSignalSpy reported(m_service, &TulErrorControllerT::notifyError);
    QSignalSpy cleared(m_service, &TulErrorControllerT::notifyErrorClear);
    QSignalSpy tc(m_service, &TulErrorControllerT::zoneErrorStatusTcUpdate);
    emit m_service->call_startSm(); // the master display starts the poll

    QVERIFY(board.setErrorRegister(1, 0x0001)); // thermocouple of heater 1 shorted
    QVERIFY(board.setErrorRegister(8, 0x0002)); // heater 8 is beyond 3 zones
    QTRY_COMPARE_WITH_TIMEOUT(reported.count(), 1, 3000);
    QCOMPARE(reported.at(0).at(1).toString(), QStringLiteral("2.0.1.0"));
    QCOMPARE(reported.at(0).at(2).toString(), QStringLiteral("Temperature sensor 1 shorted."));
    QCOMPARE(tc.count(), 1);

    QVERIFY(board.setErrorRegister(1, 0));
    QTRY_COMPARE_WITH_TIMEOUT(cleared.count(), 1, 3000);
    QCOMPARE(cleared.at(0).at(1).toString(), QStringLiteral("2.0.1.0"));
    QVERIFY(board.setErrorRegister(25, 3)); // cold junction 0
    QTRY_COMPARE_WITH_TIMEOUT(reported.count(), 2, 3000);
    QCOMPARE(reported.at(1).at(1).toString(), QStringLiteral("2.5.0.0"));
    QCOMPARE(logLines().size(), 2);
    QVERIFY(logLines().at(0).endsWith(QStringLiteral(";2\t0\t1\t0")));
    QVERIFY(logLines().at(1).endsWith(QStringLiteral(";2\t5\t0\t0")));

    delete m_core; // stop the service before the master goes
    m_core = nullptr;
}

QTEST_GUILESS_MAIN(TestErrorService)
#include "tst_errorservice.moc"
