// The master's own serial path against the simulated IO board and NFC readers.
#include "ioboardsimulator.h"
#include "ioregistermap.h"
#include "libmodbusserver.h"
#include "ptylink.h"
#include "qmodbusmaster.h"
#include "qmodbuspollinfo.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSignalSpy>
#include <QElapsedTimer>
#include <QSysInfo>
#include <QTest>
#include <QTimer>

#include <memory>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace IoRegisterMap;

class TestIoBoardSimulator : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void configurationRoad();
    void writesOnlyWhatTheBoardTakes();
    void silentNodeTimesOutAndComesBack();
    void settersRefuseWhatTheBoardLacks();
    void registersShowTheBoard_data();
    void registersShowTheBoard();
    void lockLeftOnTheDeviceIsRemoved_data();
    void lockLeftOnTheDeviceIsRemoved();
    void answersAsAModbusServer_data();
    void answersAsAModbusServer();

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

void TestIoBoardSimulator::silentNodeTimesOutAndComesBack()
{
    m_sim->setNodeSilent(NfcReader2Node, true);
    QModbusPollInfo reader(1);
    reader.set_replyTimeout(10);
    QSignalSpy issued(&reader, &QModbusPollInfo::pollRequestIssued);
    QSignalSpy received(m_sim.get(), &IoBoardSimulator::requestReceived);
    QCOMPARE(run(false, NfcReader2Node, ReaderStatus, &reader, 1), QString("timeout"));
    QCOMPARE(issued.count(), 2);
    // Each try reaches the line whole, though nobody answers it.
    ModbusRtu::Request asked;
    asked.node = NfcReader2Node;
    asked.function = ModbusRtu::ReadHoldingRegisters;
    asked.start = ReaderStatus;
    asked.count = 1;
    QCOMPARE(received.count(), 2);
    QCOMPARE(received.at(1).at(0).toByteArray(), ModbusRtu::encodeRequest(asked));
    QModbusPollInfo board(1);
    QCOMPARE(run(false, IoBoardNode, BoardStatus, &board), QString("good"));
    m_sim->setNodeSilent(NfcReader2Node, false);
    reader.set_replyTimeout(2000);  // a loaded machine may take longer than 10 ms to answer
    QCOMPARE(run(false, NfcReader2Node, ReaderStatus, &reader), QString("good"));
    QModbusPollInfo nobody(1);
    nobody.set_replyTimeout(5);
    QCOMPARE(run(false, 9, 0, &nobody), QString("timeout"));
}

void TestIoBoardSimulator::settersRefuseWhatTheBoardLacks()
{
    QVERIFY(!m_sim->setTemperature(HeaterCount, 1));
    QVERIFY(!m_sim->setErrorRegister(ErrorRegisterCount, 1));
    QVERIFY(!m_sim->placeTag(NfcReader2Node, ReaderChannelCount, 1));
    QVERIFY(!m_sim->placeTag(IoBoardNode, 0, 1));
    QVERIFY(!m_sim->setProbeState(HeaterCount, 1));
    QVERIFY(!m_sim->setProbeState(3, 3));
}

// Steps: "Th=v" heater h reads v, "Eh=v" its error register, "A=v" ambient, "Ff=v" fan f,
// "Sh=v" its set point, "tN" one heating tick of N degrees, "b2+" / "b2-" board 2 fails /
// recovers, "ph=s" probe h to state s, "Nr:c=uid" a tag on channel c of reader r (node),
// "nr:c" taken off, "Rr+" reader r fails. The master then reads the whole map of the node
// ("node") and compares the registers listed as "address=value".
void TestIoBoardSimulator::registersShowTheBoard_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("node");
    QTest::addColumn<QString>("registers");
    const auto row = [](const char *name, const char *steps, int node, const QString &registers) {
        QTest::newRow(name) << steps << node << registers;
    };
    const auto at = [](int address, int value) { return QStringLiteral("%1=%2 ").arg(address).arg(quint16(value)); };
    const int t3 = HeaterTemperatureFirst + 3, e3 = ErrorRegisterFirst + 3;
    const QString idle = at(BoardStatus, 0) + at(BoardStateFirst + 2, 0) + at(BoardStateFirst + 4, 0);

    row("temperatures, fans and ambient", "T0=175 T19=-5 A=31 F3=80", IoBoardNode,
        at(HeaterTemperatureFirst, 175) + at(HeaterTemperatureFirst + 19, -5) + at(FanSpeedFirst + 3, 80)
            + at(AmbientTemperature, 31));
    row("error registers", "E0=513 E29=1", IoBoardNode, at(ErrorRegisterFirst, 0x0201) + at(ErrorRegisterFirst + 29, 1));
    row("board 2 fails", "b2+", IoBoardNode, at(BoardStatus, 1 << 2) + at(BoardStateFirst + 2, 2) + at(t3, 150));
    row("board 2 recovers", "b2+ b4+ b2-", IoBoardNode, at(BoardStatus, 1 << 4) + at(BoardStateFirst + 2, 0)
                                                            + at(BoardStateFirst + 4, 2));
    row("board 7 has no state word", "b7+", IoBoardNode, at(BoardStatus, 1 << 7) + at(BoardStateFirst + 4, 0));
    row("probe shorted", "p3=1", IoBoardNode, idle + at(t3, 0) + at(e3, 0x0201));
    row("probe open", "p3=2", IoBoardNode, idle + at(t3, 3275) + at(e3, 0x0202));
    row("probe back", "p3=2 p3=1 p3=0", IoBoardNode, idle + at(t3, 150) + at(e3, 0x0200));
    row("open probe ignores heating", "S3=200 p3=2 t5", IoBoardNode, at(t3, 3275) + at(e3, 0x0202));
    row("heating after repair", "S3=200 p3=1 p3=0 t5", IoBoardNode, at(t3, 155) + at(e3, 0x0200));
    row("heaters approach their set points", "A=20 T0=20 T1=100 S0=30 t8", IoBoardNode,
        at(HeaterTemperatureFirst, 28) + at(HeaterTemperatureFirst + 1, 92));
    row("and stop there", "A=20 T0=20 S0=30 t8 t8", IoBoardNode, at(HeaterTemperatureFirst, 30));
    const quint64 uid = 0x0123456789ABCDEFull;
    row("tag on reader 1", "N2:9=81985529216486895", NfcReader1Node,
        at(ReaderTagPresent, 1 << 9) + at(readerUidRegister(9), uid >> 48) + at(readerUidRegister(9) + 1, (uid >> 32) & 0xFFFF)
            + at(readerUidRegister(9) + 2, (uid >> 16) & 0xFFFF) + at(readerUidRegister(9) + 3, uid & 0xFFFF)
            + at(ReaderStatus, 0));
    row("tag taken off a failed reader", "N2:9=5 n2:9 R2+", NfcReader1Node,
        at(ReaderTagPresent, 0) + at(readerUidRegister(9) + 3, 0) + at(ReaderStatus, 1));
    row("tag on reader 2", "N3:0=42", NfcReader2Node, at(ReaderTagPresent, 1) + at(readerUidRegister(0) + 3, 42));
}

void TestIoBoardSimulator::registersShowTheBoard()
{
    QFETCH(QString, steps);
    QFETCH(int, node);
    QFETCH(QString, registers);
    m_sim->setTemperature(3, 150);
    m_sim->setErrorRegister(3, 0x0200);
    for (const QString &step : steps.split(' ')) {
        const bool on = step.endsWith('+');
        const QStringList word = step.mid(1).remove(QRegularExpression("[+-]$")).split(QRegularExpression("[=:]"));
        const int a = word.value(0).toInt(), b = word.value(1).toInt();
        switch (step[0].toLatin1()) {
        case 'T': QVERIFY(m_sim->setTemperature(a, qint16(b))); break;
        case 'E': QVERIFY(m_sim->setErrorRegister(a, quint16(b))); break;
        case 'A': m_sim->setAmbientTemperature(qint16(b)); break;
        case 'F': QVERIFY(m_sim->setFanSpeed(a, quint16(b))); break;
        case 'S': QVERIFY(m_sim->setRegisterValue(IoBoardNode, quint16(HeaterSetPointFirst + a), quint16(b))); break;
        case 'b': m_sim->setBoardFailed(a, on); break;
        case 'p': QVERIFY(m_sim->setProbeState(a, b)); break;
        case 'N': QVERIFY(m_sim->placeTag(quint8(a), b, word.value(2).toULongLong())); break;
        case 'n': QVERIFY(m_sim->removeTag(quint8(a), b)); break;
        case 'R': m_sim->setReaderFailed(quint8(a), true); break;
        case 't':
            m_sim->set_heatingStep(a);
            QMetaObject::invokeMethod(m_sim.get(), "stepTemperatures");
            m_sim->set_heatingStep(0);
            break;
        }
    }
    QModbusPollInfo all(node == IoBoardNode ? ErrorRegisterFirst + ErrorRegisterCount : ReaderRegisterCount);
    QCOMPARE(run(false, quint8(node), 0, &all), QString("good"));
    for (const QString &pair : registers.split(' ', Qt::SkipEmptyParts))
        QCOMPARE(QStringLiteral("%1=%2").arg(pair.section('=', 0, 0)).arg(all.get_register(pair.section('=', 0, 0).toInt())), pair);
}

// Writes `frame` (its CRC added) to `device` as a client would, and returns all that came
// back within `quietMs`, the event loop running meanwhile for the simulator's sake.
static QByteArray exchange(const QString &device, QByteArray frame, int quietMs = 250)
{
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QByteArray("cannot open");
    termios raw;
    if (::tcgetattr(fd, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(fd, TCSANOW, &raw);
    }
    ModbusRtu::appendCrc(frame);
    QByteArray answer;
    if (::write(fd, frame.constData(), size_t(frame.size())) == frame.size()) {
        QElapsedTimer quiet;
        quiet.start();
        while (quiet.elapsed() < quietMs) {
            QTest::qWait(5);
            char chunk[256];
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n > 0)
                answer.append(chunk, int(n));
        }
    }
    ::close(fd);
    return answer;
}

void TestIoBoardSimulator::answersAsAModbusServer_data()
{
    QTest::addColumn<QByteArray>("request");   // hexadecimal, without its CRC
    QTest::addColumn<QByteArray>("reply");     // likewise; empty: no answer
    QTest::addColumn<bool>("peerAgrees");      // the libmodbus server answers the same
    QTest::addColumn<int>("address");          // of the board's register then checked
    QTest::addColumn<int>("value");
    // Register 80 holds 150 and 4 holds 22 before each row.
    QTest::newRow("a read, for reference") << QByteArray("010300500001") << QByteArray("0103020096") << true << 80 << 150;
    QTest::newRow("unknown function in 4 bytes") << QByteArray("0141") << QByteArray("01c101") << true << 80 << 150;
    QTest::newRow("unknown function in 8 bytes") << QByteArray("012b0e010000") << QByteArray("01ab01") << false << 80 << 150;
    QTest::newRow("unknown function in 10 bytes") << QByteArray("014101020304050607") << QByteArray("01c101") << false << 80 << 150;
    QTest::newRow("byte count short of the registers") << QByteArray("011000500002030001ff") << QByteArray("019003") << true << 80 << 150;
    QTest::newRow("byte count past the registers") << QByteArray("0110005000010400010002") << QByteArray("019003") << true << 80 << 150;
    QTest::newRow("broadcast write of one register") << QByteArray("000600500097") << QByteArray() << true << 80 << 151;
    QTest::newRow("broadcast write of several") << QByteArray("00100050000204009800aa") << QByteArray() << true << 81 << 170;
    QTest::newRow("broadcast read") << QByteArray("000300500001") << QByteArray() << true << 80 << 150;
    QTest::newRow("broadcast to a register the board keeps") << QByteArray("000600040063") << QByteArray() << true << 4 << 22;
    QTest::newRow("broadcast with a bad byte count") << QByteArray("001000500002030001ff") << QByteArray() << true << 80 << 150;
}

// Framing by the line's silence, the exceptions and broadcasts, with an independent
// Modbus server (libmodbus) fed the same bytes where it frames them as the line does.
void TestIoBoardSimulator::answersAsAModbusServer()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    QFETCH(bool, peerAgrees);
    QFETCH(int, address);
    QFETCH(int, value);
    m_master.reset();  // the bytes below are the only client on the line
    m_sim->setRegisterValue(IoBoardNode, HeaterSetPointFirst, 150);
    m_sim->setTemperature(0, 22);
    QByteArray expected = QByteArray::fromHex(reply);
    if (!expected.isEmpty())
        ModbusRtu::appendCrc(expected);

    QCOMPARE(exchange(m_sim->devicePath(), QByteArray::fromHex(request)).toHex(), expected.toHex());
    QCOMPARE(int(m_sim->registerValue(IoBoardNode, quint16(address))), value);
    // The line is free again: the next request is answered as usual.
    QCOMPARE(exchange(m_sim->devicePath(), QByteArray::fromHex("010300500001"), 100).size(), 7);

    if (!peerAgrees)
        return;
    PtyLink link;
    QVERIFY(link.isValid());
    LibmodbusServer peer(link.farDevice(), IoBoardNode, IoBoardRegisterCount);
    QVERIFY(peer.isRunning());
    peer.setRegister(HeaterSetPointFirst, 150);
    // libmodbus waits out its 0.5 s response time-out before it sends an exception.
    QCOMPARE(exchange(link.nearDevice(), QByteArray::fromHex(request), 1000).toHex(), expected.toHex());
}

QTEST_GUILESS_MAIN(TestIoBoardSimulator)
// The serial port's lock folder: the first of its candidates this machine lets us write.
static QString serialLockFolder()
{
    for (const char *folder : {"/var/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp", "/tmp"}) {
        const QFileInfo info(QString::fromLatin1(folder));
        if (info.isDir() && info.isWritable())
            return info.filePath();
    }
    return QString();
}

void TestIoBoardSimulator::lockLeftOnTheDeviceIsRemoved_data()
{
    QTest::addColumn<bool>("ownerRuns");
    // A killed program leaves its lock; once its process id is reused by a program of the
    // same name, the serial port takes that program for the owner and refuses the device.
    QTest::newRow("its id now a running program of the same name") << true;
    QTest::newRow("its program ended") << false;
}

void TestIoBoardSimulator::lockLeftOnTheDeviceIsRemoved()
{
    QFETCH(bool, ownerRuns);
    const QString folder = serialLockFolder();
    if (folder.isEmpty())
        QSKIP("no serial lock folder here");
    qint64 pid = QCoreApplication::applicationPid();
    if (!ownerRuns) {
        QProcess ended;
        ended.start(QStringLiteral("/bin/true"), QStringList());
        QVERIFY(ended.waitForFinished());
        pid = ended.processId() > 0 ? ended.processId() : 999999;
    }
    // The system gives the lowest free pseudo-terminal: freed, it comes back to the next
    // simulator unless another process takes it first.
    for (int attempt = 0; attempt < 10; ++attempt) {
        QString device;
        {
            IoBoardSimulator first;
            QVERIFY(first.open());
            device = first.devicePath();
        }
        const QString lock = folder + QStringLiteral("/LCK..") + device.mid(5).replace(QLatin1Char('/'), QLatin1Char('_'));
        QFile left(lock);
        QVERIFY(left.open(QIODevice::WriteOnly | QIODevice::Truncate));
        left.write(QByteArray::number(pid) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n'
                   + QSysInfo::machineHostName().toUtf8() + '\n');
        left.close();
        IoBoardSimulator second;
        QVERIFY(second.open());
        if (second.devicePath() != device) {
            QFile::remove(lock);
            continue;
        }
        QSerialPort port(device);
        const bool opened = port.open(QIODevice::ReadWrite);
        const QString error = port.errorString();
        port.close();
        QFile::remove(lock);
        QVERIFY2(opened, qPrintable(error));
        return;
    }
    QSKIP("the freed pseudo-terminal went to another process each time");
}

#include "tst_ioboardsimulator.moc"
