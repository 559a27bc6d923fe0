// Wake-ups of the master display's main thread while it idles without its screen
// (TUL_NO_SCENE), beside the number its polls' cadences ask for: the simulated IO board
// and NFC readers run in this process (TUL_IOBOARD_PORT), so that their own wake-ups are
// not counted with the program's. A wake-up is a voluntary context switch of the main
// thread (it slept in poll and something woke it). Also the main thread's CPU time.
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
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

const char *const SyncedLine = "Start-up synchronisation finished";
constexpr double Target = 1.5;

// What the overview's cadences ask of an idle master display with two NFC readers, per
// second: each timer's firings; each Modbus reply wakes the program once more (counted
// from the transactions the simulated boards served).
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

    std::vector<double> wakeUps, cpu, transactions;
    for (int round = 0; round < rounds; ++round) {
        const ProcStat::MainThread before = ProcStat::mainThread(cabinet.processId());
        const qint64 servedBefore = served;
        QElapsedTimer clock;
        clock.start();
        runFor(intervalS * 1000);
        const double seconds = clock.nsecsElapsed() / 1e9;
        const ProcStat::MainThread after = ProcStat::mainThread(cabinet.processId());
        if (before.wakeUps < 0 || after.wakeUps < 0)
            return 1;
        wakeUps.push_back((after.wakeUps - before.wakeUps) / seconds);
        cpu.push_back(100.0 * (after.cpuNs - before.cpuNs) / 1e9 / seconds);
        transactions.push_back((served - servedBefore) / seconds);
    }
    cabinet.kill();
    cabinet.waitForFinished();

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
    return 0;
}
