// Wake-ups of the master display's main thread while it idles without its screen
// (TUL_NO_SCENE), beside the number its polls' cadences ask for: the simulated IO board
// and NFC readers run in this process (TUL_IOBOARD_PORT), so that their own wake-ups are
// not counted with the program's. A wake-up is a voluntary context switch of the main
// thread (it slept in poll and something woke it). Also the main thread's CPU time, beside
// a floor that does the polls' useful work and nothing else: a plain program that writes
// the frames the cabinet wrote in its first sample, at the same moments, reads each reply
// and checks its CRC, and runs the cadences' timers that do not poll with nothing to do.
// The floor runs after the cabinet, on the same simulated line (one line has one master).
//   bench_polls [seconds per sample] [rounds] [settling seconds]   (defaults 10, 5, 5)
#include "cabinetroot.h"
#include "ioboardsimulator.h"
#include "procstat.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

const char *const SyncedLine = "Start-up synchronisation finished";
constexpr double Target = 1.5;

// What the polling timers ask of an idle master display with two NFC readers, per second
// (the IO board's intervals are named in holding/masteriomanager.h, the error registers'
// in alarms/tulerrorcontroller.h): each timer's firings; each Modbus reply wakes the
// program once more (counted from the transactions the simulated boards served).
struct Cadence
{
    const char *what;
    double perSecond;
};
const Cadence Cadences[] = {
    {"NFC readers (two, 250 ms)", 4},
    {"set points (500 ms)", 2},
    {"zone monitor (800 ms after each reply)", 1.2},
    {"fans and ambient (1000 ms)", 1},
    {"IO-board status (1500 ms)", 1 / 1.5},
    {"error registers (1500 ms)", 1 / 1.5},
    {"zone evaluation, remaining times, system time, CAN silence (1 s each)", 4},
    {"cabinet-name beacon (500 ms)", 2},
    {"Wi-Fi (10 s) and network configuration (20 s)", 0.15},
};

// Timers of the cadences above that send nothing on the Modbus line, in ms.
const int QuietTimersMs[] = {1000, 1000, 1000, 1000, 500, 10000, 20000};

struct Sent
{
    qint64 atMs;
    QByteArray frame;
};

// The floor's own process: `frames` ("<ms> <hex frame>" a line) are written to `device`
// at their moments, over and over with `periodMs`; each reply is read until its CRC holds.
int runFloor(const QString &device, const QString &frames, int periodMs)
{
    QFile file(frames);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QVector<Sent> schedule;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
        if (fields.size() == 2)
            schedule.append({fields.at(0).toLongLong(), QByteArray::fromHex(fields.at(1))});
    }
    QSerialPort port(device);
    if (schedule.isEmpty() || !port.open(QIODevice::ReadWrite))
        return 1;
    port.setBaudRate(QSerialPort::Baud115200);
    QByteArray reply;
    QObject::connect(&port, &QSerialPort::readyRead, [&] {
        reply += port.readAll();
        if (ModbusRtu::hasValidCrc(reply.constData(), reply.size()))
            reply.clear();
    });
    for (const int ms : QuietTimersMs) {
        auto *timer = new QTimer(&port);
        QObject::connect(timer, &QTimer::timeout, [] {});
        timer->start(ms);
    }
    QElapsedTimer clock;
    clock.start();
    QTimer next;
    next.setSingleShot(true);
    int index = 0;
    qint64 periodStart = 0;
    QObject::connect(&next, &QTimer::timeout, [&] {
        while (periodStart + schedule.at(index).atMs <= clock.elapsed()) {
            reply.clear();
            port.write(schedule.at(index).frame);
            if (++index == schedule.size()) {
                index = 0;
                periodStart += periodMs;
            }
        }
        next.start(int(qMax<qint64>(0, periodStart + schedule.at(index).atMs - clock.elapsed())));
    });
    next.start(int(schedule.first().atMs));
    return QCoreApplication::exec();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "--floor")
        return runFloor(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QByteArray(argv[4]).toInt());
    const int intervalS = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10;
    const int rounds = argc > 2 ? std::max(1, QByteArray(argv[2]).toInt()) : 5;
    const int settleS = argc > 3 ? std::max(0, QByteArray(argv[3]).toInt()) : 5;

    IoBoardSimulator boards;
    if (!boards.open())
        return 1;
    for (int heater = 0; heater < 20; ++heater)
        boards.setTemperature(heater, 160);
    boards.setAmbientTemperature(80);
    qint64 served = 0;
    QObject::connect(&boards, &IoBoardSimulator::requestServed, [&served] { ++served; });

    QTemporaryDir scratch;
    const QString root = scratch.path() + QStringLiteral("/root/");
    QDir().mkpath(root);
    QFile::copy(QStringLiteral(PERSONALITY), root + QFileInfo(QStringLiteral(PERSONALITY)).fileName());
    QFile identity(root + QStringLiteral("serialModelNums.txt"));
    if (!identity.open(QIODevice::WriteOnly) || identity.write("serialNumber=SN-1\nmodelNumber=M-1\n") <= 0)
        return 1;
    identity.close();
    QProcessEnvironment env = CabinetRoot::environment(scratch.path(), root, CabinetRoot::freeCanBus());
    env.insert(QStringLiteral("TUL_NO_SCENE"), QStringLiteral("1"));
    env.insert(QStringLiteral("TUL_IOBOARD_PORT"), boards.devicePath());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess cabinet;
    cabinet.setProcessEnvironment(env);
    cabinet.setProcessChannelMode(QProcess::MergedChannels);
    QByteArray log;
    QObject::connect(&cabinet, &QProcess::readyRead, [&] { log += cabinet.readAll(); log = log.right(4096); });
    cabinet.start(QStringLiteral(TUL_BINARY), {QStringLiteral("-simulation")});
    cabinet.waitForStarted();
    const auto runFor = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
    QElapsedTimer started;
    started.start();
    while (!log.contains(SyncedLine) && started.elapsed() < 45000 && cabinet.state() == QProcess::Running)
        runFor(100);
    if (!log.contains(SyncedLine)) {
        std::fprintf(stderr, "bench_polls: no start-up synchronisation:\n%s\n", log.constData());
        return 1;
    }
    runFor(settleS * 1000);

    // Samples of a process's main thread; the cabinet's first sample also records its frames.
    struct Samples
    {
        std::vector<double> wakeUps, cpu, transactions;
    };
    QTemporaryFile framesFile;
    QTextStream frames;
    QElapsedTimer firstSample;
    bool recording = false;
    QObject::connect(&boards, &IoBoardSimulator::requestReceived, [&](const QByteArray &frame) {
        if (recording)
            frames << firstSample.elapsed() << ' ' << frame.toHex() << '\n';
    });
    const auto sample = [&](qint64 pid, Samples &into) {
        for (int round = 0; round < rounds; ++round) {
            const ProcStat::MainThread before = ProcStat::mainThread(pid);
            const qint64 servedBefore = served;
            QElapsedTimer clock;
            clock.start();
            runFor(intervalS * 1000);
            const double seconds = clock.nsecsElapsed() / 1e9;
            const ProcStat::MainThread after = ProcStat::mainThread(pid);
            if (before.wakeUps < 0 || after.wakeUps < 0)
                return false;
            into.wakeUps.push_back((after.wakeUps - before.wakeUps) / seconds);
            into.cpu.push_back(100.0 * (after.cpuNs - before.cpuNs) / 1e9 / seconds);
            into.transactions.push_back((served - servedBefore) / seconds);
            recording = false;
        }
        return true;
    };

    Samples program;
    if (!framesFile.open())
        return 1;
    frames.setDevice(&framesFile);
    recording = true;
    firstSample.start();
    if (!sample(cabinet.processId(), program))
        return 1;
    frames.flush();
    cabinet.kill();
    cabinet.waitForFinished();

    // The floor on the line the cabinet left (its serial-port lock stays behind a kill).
    IoBoardSimulator::removeLeftLock(boards.devicePath());
    QProcess floorProcess;
    floorProcess.setProcessChannelMode(QProcess::ForwardedChannels);
    floorProcess.start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--floor"), boards.devicePath(), framesFile.fileName(),
                        QString::number(intervalS * 1000)});
    if (!floorProcess.waitForStarted())
        return 1;
    runFor(settleS * 1000);
    Samples floor;
    if (floorProcess.state() != QProcess::Running || !sample(floorProcess.processId(), floor))
        return 1;
    floorProcess.kill();
    floorProcess.waitForFinished();
    const std::vector<double> &wakeUps = program.wakeUps;
    const std::vector<double> &cpu = program.cpu;
    const std::vector<double> &transactions = program.transactions;

    double asked = median(transactions);
    std::printf("Master display idle without its screen (5 x 4, two NFC readers), boards simulated in another process;\n"
                "%d rounds of %d s\n", rounds, intervalS);
    std::printf("  the cadences ask, per second:\n");
    for (const Cadence &c : Cadences) {
        std::printf("    %-72s %5.2f\n", c.what, c.perSecond);
        asked += c.perSecond;
    }
    std::printf("    %-72s %5.2f\n", "one wake-up per Modbus reply (transactions served, median)", median(transactions));
    const double ratio = median(wakeUps) / asked;
    std::printf("  main-thread wake-ups per second: min %.1f, median %.1f; asked %.1f; ratio %.2f x (target <= %.1f x: %s)\n",
                *std::min_element(wakeUps.begin(), wakeUps.end()), median(wakeUps), asked, ratio, Target,
                ratio <= Target ? "met" : "NOT met");
    std::printf("  main-thread CPU: min %.3f %%, median %.3f %% of one core\n", *std::min_element(cpu.begin(), cpu.end()),
                median(cpu));
    const double floorMin = *std::min_element(floor.cpu.begin(), floor.cpu.end());
    std::printf("  floor (the same frames at the same moments, each reply read and checked, the other cadences'\n"
                "  timers empty; %.2f transactions and %.1f wake-ups a second): CPU min %.3f %%, median %.3f %%;\n"
                "  ratio %.2f / %.2f x (min / median, %d rounds each, the floor after the cabinet)\n",
                median(floor.transactions), median(floor.wakeUps), floorMin, median(floor.cpu),
                floorMin > 0 ? *std::min_element(cpu.begin(), cpu.end()) / floorMin : 0,
                median(floor.cpu) > 0 ? median(cpu) / median(floor.cpu) : 0, rounds);
    return 0;
}
