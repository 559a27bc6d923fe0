// The master display idling without its screen (TUL_NO_SCENE), first with no bin holding,
// then with all 20 bins holding, beside what a plain program must do for the same polls.
//  - Wake-ups of its main thread (voluntary context switches: it slept and something woke
//    it) against what the cadences ask when the 1 s timers share one wake-up: one per
//    timer firing and one per Modbus reply (counted from the transactions served).
//  - CPU of its main thread against a plain poller (plainpoller.h: no event loop, no Qt)
//    that replays the frames the cabinet wrote in an unmeasured round, at the same moments,
//    on the same kind of line (a pseudo-terminal pair served by the simulated boards).
// The simulated IO board and NFC readers run in this process, one set per line, so that
// their work is not the cabinet's. The cabinet and the plain poller take turns, round by
// round and in swapped order: the one not measured is stopped (SIGSTOP), and the cabinet
// settles again after it is continued. Pin it to two cores as measured: taskset -c 2,3.
// TUL_BENCH_BINARY names another build of the program to measure.
//   bench_polls [seconds per sample] [rounds] [settling seconds]   (defaults 10, 7, 5)
#include "cabinetroot.h"
#include "cadences.h"
#include "ioboardsimulator.h"
#include "plainpoller.h"
#include "procstat.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <signal.h>

namespace {

const char *const SyncedLine = "Start-up synchronisation finished";
constexpr double WakeUpTarget = 1.2;
constexpr double CpuTarget = 2.0;
constexpr int Bins = 20;
constexpr int BinsPerZone = 2;
constexpr int FirstHoldingState = 6; // standard, warning and discard are all holding
constexpr int LastHoldingState = 8;
constexpr int ResumeSettleMs = 2000;

int productOfBin(int bin)
{
    return bin / BinsPerZone % 11 + 1;
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double minimum(const std::vector<double> &v)
{
    return v.empty() ? 0 : *std::min_element(v.begin(), v.end());
}

// The plain poller's own process: replays the frames until killed.
int runFloor(const char *device, const char *frames, long long periodNs)
{
    const std::vector<PlainPoller::Frame> schedule = PlainPoller::load(frames);
    const int fd = PlainPoller::openLine(device);
    if (schedule.empty() || fd < 0)
        return 1;
    PlainPoller::replay(fd, schedule, PlainPoller::nowNs(), INT64_MAX / 2, periodNs);
    return 0;
}

// The cabinet, its log drained as it comes and its console answers picked out of it.
class Cabinet
{
public:
    QProcess process;
    QByteArray log;

    void take()
    {
        log += process.readAll();
        int end;
        while ((end = log.indexOf('\n', m_scanned)) >= 0) {
            const QByteArray line = log.mid(m_scanned, end - m_scanned);
            m_scanned = end + 1;
            if (line.startsWith("sim: "))
                m_answers << QString::fromUtf8(line.mid(5));
            if (line.contains(SyncedLine))
                synced = true;
        }
        if (m_scanned > 8192) {
            log.remove(0, m_scanned);
            m_scanned = 0;
        }
    }
    QString ask(const QByteArray &command)
    {
        m_answers.clear();
        process.write(command + '\n');
        QElapsedTimer clock;
        clock.start();
        while (m_answers.isEmpty() && clock.elapsed() < 5000 && process.state() == QProcess::Running)
            runFor(10);
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }
    // The bin's state code, -1 on no answer.
    int binState(int bin)
    {
        static const QRegularExpression answer(QStringLiteral("^bin (\\d+): .*\\(state code (\\d+)\\)$"));
        const QRegularExpressionMatch m = answer.match(ask("state " + QByteArray::number(bin)));
        return m.hasMatch() && m.captured(1).toInt() == bin ? m.captured(2).toInt() : -1;
    }
    bool synced = false;

private:
    int m_scanned = 0;
    QStringList m_answers;
};

struct Series
{
    std::vector<double> wakeUps, cpu, transactions;
};

struct Phase
{
    Series cabinet, floor;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 5 && QByteArray(argv[1]) == "--floor")
        return runFloor(argv[2], argv[3], QByteArray(argv[4]).toLongLong());
    QCoreApplication app(argc, argv);
    const int intervalS = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10;
    const int rounds = argc > 2 ? std::max(5, QByteArray(argv[2]).toInt()) : 7;
    const int settleS = argc > 3 ? std::max(0, QByteArray(argv[3]).toInt()) : 5;

    // One line for the cabinet, one for the plain poller: neither finds the other's
    // leftovers on its line, and each set of boards serves one master.
    IoBoardSimulator boards, floorBoards;
    if (!boards.open() || !floorBoards.open())
        return 1;
    for (IoBoardSimulator *b : {&boards, &floorBoards}) {
        // Each zone at its product's temperatures, so that every bin may hold at once.
        for (int zone = 0; zone < Bins / BinsPerZone; ++zone) {
            const QPair<int, int> t = productTemperatures(productOfBin(zone * BinsPerZone));
            b->setTemperature(2 * zone, qint16(t.first));
            b->setTemperature(2 * zone + 1, qint16(t.second));
        }
        b->setAmbientTemperature(80);
    }
    qint64 served = 0;
    QObject::connect(&boards, &IoBoardSimulator::requestServed, [&served] { ++served; });
    qint64 floorServed = 0;
    QObject::connect(&floorBoards, &IoBoardSimulator::requestServed, [&floorServed] { ++floorServed; });

    QTemporaryDir scratch;
    const QString root = scratch.path() + QStringLiteral("/root/");
    QDir().mkpath(root);
    QFile::copy(QStringLiteral(PERSONALITY), root + QFileInfo(QStringLiteral(PERSONALITY)).fileName());
    for (const auto &file : {qMakePair(QStringLiteral("serialModelNums.txt"), QByteArray("serialNumber=SN-1\nmodelNumber=M-1\n")),
                             qMakePair(QStringLiteral("dayParts.json"), CabinetRoot::dayPartsJson(Bins, productOfBin))}) {
        QFile f(root + file.first);
        if (!f.open(QIODevice::WriteOnly) || f.write(file.second) != file.second.size())
            return 1;
    }
    QProcessEnvironment env = CabinetRoot::environment(scratch.path(), root, CabinetRoot::freeCanBus());
    env.insert(QStringLiteral("TUL_NO_SCENE"), QStringLiteral("1"));
    env.insert(QStringLiteral("TUL_IOBOARD_PORT"), boards.devicePath());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    Cabinet cabinet;
    cabinet.process.setProcessEnvironment(env);
    cabinet.process.setProcessChannelMode(QProcess::MergedChannels);
    QObject::connect(&cabinet.process, &QProcess::readyRead, [&] { cabinet.take(); });
    // TUL_BENCH_BINARY: another build of the program, to set two builds side by side.
    cabinet.process.start(qEnvironmentVariable("TUL_BENCH_BINARY", QStringLiteral(TUL_BINARY)), {QStringLiteral("-simulation")});
    cabinet.process.waitForStarted();
    const qint64 pid = cabinet.process.processId();
    QElapsedTimer started;
    started.start();
    while (!cabinet.synced && started.elapsed() < 45000 && cabinet.process.state() == QProcess::Running)
        runFor(100);
    if (!cabinet.synced) {
        std::fprintf(stderr, "bench_polls: no start-up synchronisation:\n%s\n", cabinet.log.right(3000).constData());
        return 1;
    }
    runFor(settleS * 1000);

    QTemporaryFile framesFile;
    if (!framesFile.open())
        return 1;
    QTextStream frames(&framesFile);
    QElapsedTimer recordClock;
    bool recording = false;
    QObject::connect(&boards, &IoBoardSimulator::requestReceived, [&](const QByteArray &frame) {
        if (recording)
            frames << recordClock.nsecsElapsed() << ' ' << frame.toHex() << '\n';
    });

    const auto sampleCabinet = [&](Series &into) {
        ::kill(pid, SIGCONT);
        runFor(ResumeSettleMs);
        const ProcStat::MainThread before = ProcStat::mainThread(pid);
        const qint64 servedBefore = served;
        QElapsedTimer clock;
        clock.start();
        runFor(intervalS * 1000);
        const double seconds = clock.nsecsElapsed() / 1e9;
        const ProcStat::MainThread after = ProcStat::mainThread(pid);
        ::kill(pid, SIGSTOP);
        if (before.wakeUps < 0 || after.wakeUps < 0)
            return false;
        into.wakeUps.push_back((after.wakeUps - before.wakeUps) / seconds);
        into.cpu.push_back(100.0 * (after.cpuNs - before.cpuNs) / 1e9 / seconds);
        into.transactions.push_back((served - servedBefore) / seconds);
        return true;
    };
    const auto sampleFloor = [&](Series &into) {
        QProcess floor;
        floor.setProcessChannelMode(QProcess::ForwardedChannels);
        floor.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--floor"), floorBoards.devicePath(), framesFile.fileName(),
                     QString::number(qint64(intervalS) * 1000000000)});
        if (!floor.waitForStarted())
            return false;
        runFor(200); // past its loading, which is no part of polling
        const ProcStat::MainThread before = ProcStat::mainThread(floor.processId());
        const qint64 servedBefore = floorServed;
        QElapsedTimer clock;
        clock.start();
        runFor(intervalS * 1000);
        const double seconds = clock.nsecsElapsed() / 1e9;
        const ProcStat::MainThread after = ProcStat::mainThread(floor.processId());
        const bool alive = floor.state() == QProcess::Running;
        floor.kill();
        floor.waitForFinished();
        if (!alive || before.wakeUps < 0 || after.wakeUps < 0)
            return false;
        into.wakeUps.push_back((after.wakeUps - before.wakeUps) / seconds);
        into.cpu.push_back(100.0 * (after.cpuNs - before.cpuNs) / 1e9 / seconds);
        into.transactions.push_back((floorServed - servedBefore) / seconds);
        return true;
    };
    // One unmeasured round records the frames; then the two take turns.
    const auto runPhase = [&](Phase &phase) {
        framesFile.resize(0);
        frames.seek(0);
        recording = true;
        recordClock.start();
        runFor(intervalS * 1000);
        recording = false;
        frames.flush();
        ::kill(pid, SIGSTOP);
        for (int round = 0; round < rounds; ++round) {
            const bool ok = round % 2 ? sampleFloor(phase.floor) && sampleCabinet(phase.cabinet)
                                      : sampleCabinet(phase.cabinet) && sampleFloor(phase.floor);
            if (!ok)
                return false;
        }
        ::kill(pid, SIGCONT);
        return true;
    };

    Phase idle, holding;
    if (!runPhase(idle)) {
        std::fprintf(stderr, "bench_polls: a sample failed (no bin holding)\n");
        return 1;
    }
    // Tapped over a second and more, as a cook does: each hold has its own phase.
    runFor(1000);
    for (int bin = 0; bin < Bins; ++bin) {
        cabinet.ask("tap " + QByteArray::number(bin));
        runFor(70);
    }
    QStringList notHolding;
    for (int bin = 0; bin < Bins; ++bin) {
        const int state = cabinet.binState(bin);
        if (state < FirstHoldingState || state > LastHoldingState)
            notHolding << QString::number(bin);
    }
    if (!notHolding.isEmpty()) {
        std::fprintf(stderr, "bench_polls: bins %s are not holding after a tap\n", qPrintable(notHolding.join(' ')));
        return 1;
    }
    runFor(settleS * 1000);
    if (!runPhase(holding)) {
        std::fprintf(stderr, "bench_polls: a sample failed (20 bins holding)\n");
        return 1;
    }
    cabinet.process.kill();
    cabinet.process.waitForFinished();

    std::printf("Master display without its screen (5 x 4, two NFC readers), boards simulated in this process;\n"
                "%d alternated rounds of %d s each side (min / median)\n", rounds, intervalS);
    std::printf("  the cadences ask, per second, besides one wake-up per Modbus reply:\n");
    double cadences = 0;
    for (const Cadence &c : Cadences) {
        std::printf("    %-84s %5.2f\n", c.what, c.perSecond);
        cadences += c.perSecond;
    }
    const std::pair<const char *, const Phase *> phases[] = {{"no bin holding", &idle}, {"20 bins holding", &holding}};
    for (const auto &p : phases) {
        const Series &c = p.second->cabinet, &f = p.second->floor;
        const double asked = cadences + median(c.transactions);
        const double wakeRatio = median(c.wakeUps) / asked;
        const double cpuRatio = median(f.cpu) > 0 ? median(c.cpu) / median(f.cpu) : 0;
        std::printf("  %s (%.2f Modbus transactions a second):\n", p.first, median(c.transactions));
        std::printf("    main-thread wake-ups a second: %.1f / %.1f; asked %.1f; ratio %.2f / %.2f x "
                    "(target <= %.1f x: %s)\n",
                    minimum(c.wakeUps), median(c.wakeUps), asked, minimum(c.wakeUps) / asked, wakeRatio, WakeUpTarget,
                    wakeRatio <= WakeUpTarget ? "met" : "NOT met");
        std::printf("    main-thread CPU: %.3f / %.3f %% of a core; floor (plain poller, the same frames at the same\n"
                    "    moments, %.2f transactions and %.1f wake-ups a second) %.3f / %.3f %%; ratio %.2f / %.2f x "
                    "(target <= %.1f x: %s); %zu rounds\n",
                    minimum(c.cpu), median(c.cpu), median(f.transactions), median(f.wakeUps), minimum(f.cpu),
                    median(f.cpu), minimum(f.cpu) > 0 ? minimum(c.cpu) / minimum(f.cpu) : 0, cpuRatio, CpuTarget,
                    cpuRatio <= CpuTarget ? "met" : "NOT met", c.cpu.size());
    }
    return 0;
}
