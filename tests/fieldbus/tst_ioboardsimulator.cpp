// The master's own serial path against the simulated IO board and NFC readers.
#include "ioboardsimulator.h"
#include "ioregistermap.h"
#include "qmodbusmaster.h"
#include "qmodbuspollinfo.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace IoRegisterMap;

class TestIoBoardSimulator : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void configurationRoad();
    void writesOnlyWhatTheBoardTakes();
    void temperaturesFansAndAmbient();
    void errorRegistersAndBoardStatus();
    void tagsOnBothReaders();
    void silentNodeTimesOutAndComesBack();
    void heatersApproachTheirSetPoints();
    void faultsShowInTheRegisters_data();
    void faultsShowInTheRegisters();

private:
    // Runs one request to its end; returns the signal that resolved it.
    QString run(bool write, quint8 node, quint16 start, QModbusPollInfo *info, int retries = 0);

    std::unique_ptr<IoBoardSimulator> m_sim;
    std::unique_ptr<QModbusMaster> m_master;
};

void TestIoBoardSimulator::init()
{
    m_sim.reset(new IoBoardSimulator);
    QVERIFY(m_sim->open());
    m_master.reset(new QModbusMaster);
    QVERIFY(m_master->openSerialPort(m_sim->devicePath()));
    m_master->start();
}

void TestIoBoardSimulator::cleanup()
{
    m_master.reset();
    m_sim.reset();
}

QString TestIoBoardSimulator::run(bool write, quint8 node, quint16 start, QModbusPollInfo *info,
                                  int retries)
{
    QString outcome;
    QEventLoop loop;
    connect(info, &QModbusPollInfo::pollReplyGood, &loop, [&] { outcome = "good"; loop.quit(); });
    connect(info, &QModbusPollInfo::pollReplyError, &loop, [&] { outcome = "error"; loop.quit(); });
    connect(info, &QModbusPollInfo::pollReplyTimedOut, &loop, [&] { outcome = "timeout"; loop.quit(); });
    const quint8 count = quint8(info->registerCount());
    const int queued = write ? m_master->holdingRegistersWrite(node, start, count, quint8(retries), info)
                             : m_master->holdingRegistersRead(node, start, count, quint8(retries), info);
    if (queued != 0)
        return QStringLiteral("refused");
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    disconnect(info, nullptr, &loop, nullptr);
    return outcome;
}

void TestIoBoardSimulator::configurationRoad()
{
    // Start-up: read register 0, write the layout to 1, read the five firmware versions.
    QModbusPollInfo conf(1);
    QCOMPARE(run(false, IoBoardNode, BoardIdentity, &conf, 4), QString("good"));
    conf.set_register(0, 10);
    QSignalSpy written(m_sim.get(), &IoBoardSimulator::registersWritten);
    QCOMPARE(run(true, IoBoardNode, CabinetLayout, &conf, 1), QString("good"));
    QCOMPARE(m_sim->registerValue(IoBoardNode, CabinetLayout), quint16(10));
    QCOMPARE(written.count(), 1);

    m_sim->setFirmwareVersion(IoBoardNode, 1, 0x020304);
    QModbusPollInfo versions(10);
    QCOMPARE(run(false, IoBoardNode, FirmwareVersionFirst, &versions, 1), QString("good"));
    const quint32 board1 = (quint32(versions.get_register(2)) << 16) | versions.get_register(3);
    QCOMPARE(board1, quint32(0x020304));

    QModbusPollInfo power(PowerControlCount);
    for (int i = 0; i < PowerControlCount; ++i)
        power.set_register(i, quint16(100 + i));
    QCOMPARE(run(true, IoBoardNode, PowerControlFirst, &power), QString("good"));
    QCOMPARE(m_sim->registerValue(IoBoardNode, PowerControlFirst + 4), quint16(104));
}

void TestIoBoardSimulator::writesOnlyWhatTheBoardTakes()
{
    QModbusPollInfo temps(2);
    QCOMPARE(run(true, IoBoardNode, HeaterTemperatureFirst, &temps), QString("error"));
    QCOMPARE(temps.get_exceptionCode(), quint8(2));
    QModbusPollInfo beyond(5);
    QCOMPARE(run(false, IoBoardNode, IoBoardRegisterCount - 2, &beyond), QString("error"));
    QModbusPollInfo readerWrite(1);
    QCOMPARE(run(true, NfcReader1Node, ReaderStatus, &readerWrite), QString("error"));

    QModbusPollInfo setPoints(HeaterCount);
    for (int h = 0; h < HeaterCount; ++h)
        setPoints.set_register(h, quint16(150 + h));
    QCOMPARE(run(true, IoBoardNode, HeaterSetPointFirst, &setPoints), QString("good"));
    QCOMPARE(m_sim->registerValue(IoBoardNode, HeaterSetPointFirst + 19), quint16(169));
}

void TestIoBoardSimulator::temperaturesFansAndAmbient()
{
    QVERIFY(m_sim->setTemperature(0, 175));
    QVERIFY(m_sim->setTemperature(19, -5));
    QVERIFY(!m_sim->setTemperature(20, 1));
    m_sim->setAmbientTemperature(31);
    QVERIFY(m_sim->setFanSpeed(3, 80));
    QModbusPollInfo heaters(HeaterCount);
    QCOMPARE(run(false, IoBoardNode, HeaterTemperatureFirst, &heaters), QString("good"));
    QCOMPARE(heaters.get_register(0), quint16(175));
    QCOMPARE(qint16(heaters.get_register(19)), qint16(-5));
    QModbusPollInfo fans(FanCount + 1);
    QCOMPARE(run(false, IoBoardNode, FanSpeedFirst, &fans), QString("good"));
    QCOMPARE(fans.get_register(3), quint16(80));
    QCOMPARE(fans.get_register(AmbientTemperature - FanSpeedFirst), quint16(31));
}

void TestIoBoardSimulator::errorRegistersAndBoardStatus()
{
    QVERIFY(m_sim->setErrorRegister(0, 0x0201));
    QVERIFY(m_sim->setErrorRegister(29, 1));
    QVERIFY(!m_sim->setErrorRegister(30, 1));
    m_sim->setBoardFailed(2, true);
    QModbusPollInfo errors(ErrorRegisterCount);
    QCOMPARE(run(false, IoBoardNode, ErrorRegisterFirst, &errors), QString("good"));
    QCOMPARE(errors.get_register(0), quint16(0x0201));
    QCOMPARE(errors.get_register(29), quint16(1));
    QModbusPollInfo status(1);
    QCOMPARE(run(false, IoBoardNode, BoardStatus, &status), QString("good"));
    QCOMPARE(status.get_register(0), quint16(1 << 2));
    m_sim->setBoardFailed(2, false);
    QCOMPARE(run(false, IoBoardNode, BoardStatus, &status), QString("good"));
    QCOMPARE(status.get_register(0), quint16(0));
}

void TestIoBoardSimulator::tagsOnBothReaders()
{
    const quint64 uid = 0x0123456789ABCDEFull;
    QVERIFY(m_sim->placeTag(NfcReader1Node, 9, uid));
    QVERIFY(m_sim->placeTag(NfcReader2Node, 0, 42));
    QVERIFY(!m_sim->placeTag(NfcReader2Node, ReaderChannelCount, 1));
    QVERIFY(!m_sim->placeTag(IoBoardNode, 0, 1));
    QModbusPollInfo reader(ReaderRegisterCount);
    QCOMPARE(run(false, NfcReader1Node, 0, &reader), QString("good"));
    QCOMPARE(reader.get_register(ReaderTagPresent), quint16(1 << 9));
    quint64 read = 0;
    for (int i = 0; i < ReaderUidRegisters; ++i)
        read = (read << 16) | reader.get_register(readerUidRegister(9) + i);
    QCOMPARE(read, uid);

    QVERIFY(m_sim->removeTag(NfcReader1Node, 9));
    m_sim->setReaderFailed(NfcReader1Node, true);
    QCOMPARE(run(false, NfcReader1Node, 0, &reader), QString("good"));
    QCOMPARE(reader.get_register(ReaderTagPresent), quint16(0));
    QCOMPARE(reader.get_register(readerUidRegister(9) + 3), quint16(0));
    QCOMPARE(reader.get_register(ReaderStatus), quint16(1));

    QModbusPollInfo second(ReaderUidRegisters);
    QCOMPARE(run(false, NfcReader2Node, readerUidRegister(0), &second), QString("good"));
    QCOMPARE(second.get_register(3), quint16(42));
}

void TestIoBoardSimulator::silentNodeTimesOutAndComesBack()
{
    m_sim->setNodeSilent(NfcReader2Node, true);
    QModbusPollInfo reader(1);
    reader.set_replyTimeout(10);
    QSignalSpy issued(&reader, &QModbusPollInfo::pollRequestIssued);
    QCOMPARE(run(false, NfcReader2Node, ReaderStatus, &reader, 1), QString("timeout"));
    QCOMPARE(issued.count(), 2);
    QModbusPollInfo board(1);
    QCOMPARE(run(false, IoBoardNode, BoardStatus, &board), QString("good"));
    m_sim->setNodeSilent(NfcReader2Node, false);
    QCOMPARE(run(false, NfcReader2Node, ReaderStatus, &reader), QString("good"));
    QModbusPollInfo nobody(1);
    nobody.set_replyTimeout(5);
    QCOMPARE(run(false, 9, 0, &nobody), QString("timeout"));
}

void TestIoBoardSimulator::heatersApproachTheirSetPoints()
{
    m_sim->setAmbientTemperature(20);
    m_sim->setTemperature(0, 20);
    m_sim->setTemperature(1, 100);
    QVERIFY(m_sim->setRegisterValue(IoBoardNode, HeaterSetPointFirst, 30));
    m_sim->set_heatingStep(8);
    QMetaObject::invokeMethod(m_sim.get(), "stepTemperatures");
    QCOMPARE(m_sim->registerValue(IoBoardNode, HeaterTemperatureFirst), quint16(28));
    QCOMPARE(m_sim->registerValue(IoBoardNode, HeaterTemperatureFirst + 1), quint16(92));
    QMetaObject::invokeMethod(m_sim.get(), "stepTemperatures");
    QCOMPARE(m_sim->registerValue(IoBoardNode, HeaterTemperatureFirst), quint16(30));
    m_sim->set_heatingStep(0);
}

// Steps: "b2+" / "b2-" fail / recover board 2, "p3:1" probe 3 to state 1, "t" one heating
// tick (5 degrees) with heater 3 set to 200. Heater 3 starts at 150 with heater status 0x02
// in the high byte of its error register.
void TestIoBoardSimulator::faultsShowInTheRegisters_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("lastAccepted");
    QTest::addColumn<quint16>("status");
    QTest::addColumn<QVector<int>>("stateWords");
    QTest::addColumn<int>("temperature");  // heater 3
    QTest::addColumn<int>("errorRegister"); // heater 3

    const QVector<int> good{0, 0, 0, 0, 0};
    QTest::newRow("board 2 fails") << "b2+" << true << quint16(1 << 2) << QVector<int>{0, 0, 2, 0, 0} << 150 << 0x0200;
    QTest::newRow("board 2 recovers") << "b2+ b4+ b2-" << true << quint16(1 << 4) << QVector<int>{0, 0, 0, 0, 2} << 150 << 0x0200;
    QTest::newRow("board 7 has no state word") << "b7+" << true << quint16(1 << 7) << good << 150 << 0x0200;
    QTest::newRow("probe shorted") << "p3:1" << true << quint16(0) << good << 0 << 0x0201;
    QTest::newRow("probe open") << "p3:2" << true << quint16(0) << good << 3275 << 0x0202;
    QTest::newRow("probe back") << "p3:2 p3:1 p3:0" << true << quint16(0) << good << 150 << 0x0200;
    QTest::newRow("open probe ignores heating") << "p3:2 t" << true << quint16(0) << good << 3275 << 0x0202;
    QTest::newRow("heating after repair") << "p3:1 p3:0 t" << true << quint16(0) << good << 155 << 0x0200;
    QTest::newRow("heater 20 refused") << "p20:1" << false << quint16(0) << good << 150 << 0x0200;
    QTest::newRow("state 3 refused") << "p3:3" << false << quint16(0) << good << 150 << 0x0200;
}

void TestIoBoardSimulator::faultsShowInTheRegisters()
{
    QFETCH(QString, steps);
    m_sim->setTemperature(3, 150);
    m_sim->setErrorRegister(3, 0x0200);
    bool accepted = true;
    for (const QString &step : steps.split(' ')) {
        if (step.startsWith('b')) {
            m_sim->setBoardFailed(step.mid(1, step.size() - 2).toInt(), step.endsWith('+'));
        } else if (step.startsWith('p')) {
            const QStringList parts = step.mid(1).split(':');
            accepted = m_sim->setProbeState(parts.at(0).toInt(), parts.at(1).toInt());
        } else {
            m_sim->setRegisterValue(IoBoardNode, HeaterSetPointFirst + 3, 200);
            m_sim->set_heatingStep(5);
            QMetaObject::invokeMethod(m_sim.get(), "stepTemperatures");
            m_sim->set_heatingStep(0);
        }
    }
    QTEST(accepted, "lastAccepted");

    // What the master reads: status, temperatures, state words and error registers.
    QModbusPollInfo all(ErrorRegisterFirst + ErrorRegisterCount);
    QCOMPARE(run(false, IoBoardNode, 0, &all), QString("good"));
    QTEST(all.get_register(BoardStatus), "status");
    QVector<int> stateWords;
    for (int k = 0; k < BoardStateCount; ++k)
        stateWords << all.get_register(BoardStateFirst + k);
    QTEST(stateWords, "stateWords");
    QTEST(int(qint16(all.get_register(HeaterTemperatureFirst + 3))), "temperature");
    QTEST(int(all.get_register(ErrorRegisterFirst + 3)), "errorRegister");
}

QTEST_GUILESS_MAIN(TestIoBoardSimulator)
#include "tst_ioboardsimulator.moc"
