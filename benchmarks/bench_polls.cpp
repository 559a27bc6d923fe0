// The master display idling without its screen (TUL_NO_SCENE), first with no bin holding,
// then with all 20 bins holding, beside what a plain program must do for the same polls;
// then the same display with its screen, 20 bins holding, beside that plain program and a
// window that redraws 20 countdowns once a second (countdownwindow.h).
//  - Wake-ups of its main thread (voluntary context switches: it slept and something woke
//    it) against what the cadences ask when the 1 s timers share one wake-up: one per
//    timer firing and one per Modbus reply (counted from the transactions served).
//  - CPU of its main thread against a plain poller (plainpoller.h: no event loop, no Qt)
//    that replays the frames the cabinet wrote in an unmeasured round, at the same moments,
//    on the same kind of line (a pseudo-terminal pair served by the simulated boards); with
//    the screen, against that poller and the countdown window over the same interval.
// The simulated IO board and NFC readers run in this process, one set per line, so that
// their work is not the cabinet's. The cabinet and the plain poller take turns, round by
// round and in swapped order: the one not measured is stopped (SIGSTOP), and the cabinet
// settles again after it is continued. Pin it to two cores as measured: taskset -c 2,3.
// TUL_BENCH_BINARY names another build of the program to measure.
//   bench_polls [seconds per sample] [rounds] [settling seconds]   (defaults 10, 7, 5)
#include "cabinetroot.h"
#include "cadences.h"
#include "countdownwindow.h"
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
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <signal.h>

namespace {

const char *const SyncedLine = "Start-up synchronisation finished";
const char *const WindowLine = "Countdown window shown";
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
    std::vector<double> windowCpu, pollerCpu; // the floor's two parts when it has a window
};

struct Phase
{
    Series cabinet, floor;
};

// One cabinet and what it is set beside: its own boards, the plain poller's boards, the
// frames it wrote in a phase's unmeasured round and, for the cabinet with its screen, the
// countdown window that stands for that screen in the floor.
struct Side
{
    Cabinet cabinet;
    qint64 pid = 0;
    IoBoardSimulator boards, floorBoards;
    qint64 served = 0, floorServed = 0;
    QByteArray frames;
    bool recording = false;
    QElapsedTimer recordClock;
    qint64 windowPid = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 5 && QByteArray(argv[1]) == "--floor")
        return runFloor(argv[2], argv[3], QByteArray(argv[4]).toLongLong());
    if (argc == 2 && QByteArray(argv[1]) == "--window")
        return CountdownWindow::run(argc, argv, WindowLine);
    QCoreApplication app(argc, argv);
    const int intervalS = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10;
    const int rounds = argc > 2 ? std::max(5, QByteArray(argv[2]).toInt()) : 7;
    const int settleS = argc > 3 ? std::max(0, QByteArray(argv[3]).toInt()) : 5;

    // Two cabinets, without and with the screen, each on lines of its own with a line of its
    // own for its plain poller: nobody finds another's leftovers on a line, and each set of
    // boards serves one master. Only one of them runs at a time.
    Side bare, shown;
    for (Side *side : {&bare, &shown}) {
        if (!side->boards.open() || !side->floorBoards.open())
            return 1;
        for (IoBoardSimulator *b : {&side->boards, &side->floorBoards}) {
            // Each zone at its product's temperatures, so that every bin may hold at once.
            for (int zone = 0; zone < Bins / BinsPerZone; ++zone) {
                const QPair<int, int> t = productTemperatures(productOfBin(zone * BinsPerZone));
                b->setTemperature(2 * zone, qint16(t.first));
                b->setTemperature(2 * zone + 1, qint16(t.second));
            }
            b->setAmbientTemperature(80);
        }
        QObject::connect(&side->boards, &IoBoardSimulator::requestServed, [side] { ++side->served; });
        QObject::connect(&side->floorBoards, &IoBoardSimulator::requestServed, [side] { ++side->floorServed; });
        QObject::connect(&side->boards, &IoBoardSimulator::requestReceived, [side](const QByteArray &frame) {
            if (side->recording)
                side->frames += QByteArray::number(side->recordClock.nsecsElapsed()) + ' ' + frame.toHex() + '\n';
        });
    }

    QTemporaryDir scratch;
    const auto startCabinet = [&](Side &side, const QString &name, bool screen) {
        const QString root = scratch.path() + QLatin1Char('/') + name + QLatin1Char('/');
        QDir().mkpath(root);
        QFile::copy(QStringLiteral(PERSONALITY), root + QFileInfo(QStringLiteral(PERSONALITY)).fileName());
        for (const auto &file : {qMakePair(QStringLiteral("serialModelNums.txt"), QByteArray("serialNumber=SN-1\nmodelNumber=M-1\n")),
                                 qMakePair(QStringLiteral("dayParts.json"), CabinetRoot::dayPartsJson(Bins, productOfBin))}) {
            QFile f(root + file.first);
            if (!f.open(QIODevice::WriteOnly) || f.write(file.second) != file.second.size())
                return false;
        }
        QProcessEnvironment env = CabinetRoot::environment(scratch.path(), root, CabinetRoot::freeCanBus());
        if (!screen)
            env.insert(QStringLiteral("TUL_NO_SCENE"), QStringLiteral("1"));
        env.insert(QStringLiteral("TUL_IOBOARD_PORT"), side.boards.devicePath());
        Side *s = &side;
        side.cabinet.process.setProcessEnvironment(env);
        side.cabinet.process.setProcessChannelMode(QProcess::MergedChannels);
        QObject::connect(&side.cabinet.process, &QProcess::readyRead, [s] { s->cabinet.take(); });
        // TUL_BENCH_BINARY: another build of the program, to set two builds side by side.
        side.cabinet.process.start(qEnvironmentVariable("TUL_BENCH_BINARY", QStringLiteral(TUL_BINARY)),
                                   {QStringLiteral("-simulation")});
        side.cabinet.process.waitForStarted();
        side.pid = side.cabinet.process.processId();
        QElapsedTimer started;
        started.start();
        while (!side.cabinet.synced && started.elapsed() < 45000 && side.cabinet.process.state() == QProcess::Running)
            runFor(100);
        if (!side.cabinet.synced)
            std::fprintf(stderr, "bench_polls: no start-up synchronisation (%s):\n%s\n", qPrintable(name),
                         side.cabinet.log.right(3000).constData());
        return side.cabinet.synced;
    };
    // Offscreen, drawn by the software scene graph on the main thread, as the window is.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    qputenv("QSG_RENDER_LOOP", "basic");
    if (!startCabinet(bare, QStringLiteral("bare"), false))
        return 1;
    ::kill(bare.pid, SIGSTOP);
    if (!startCabinet(shown, QStringLiteral("shown"), true))
        return 1;
    ::kill(shown.pid, SIGSTOP);
    QProcess window;
    window.setProcessChannelMode(QProcess::MergedChannels);
    window.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--window")});
    QByteArray windowLog;
    QObject::connect(&window, &QProcess::readyRead, [&] { windowLog += window.readAll(); });
    QElapsedTimer windowClock;
    windowClock.start();
    while (!windowLog.contains(WindowLine) && windowClock.elapsed() < 30000 && window.state() != QProcess::NotRunning)
        runFor(50);
    if (!windowLog.contains(WindowLine)) {
        std::fprintf(stderr, "bench_polls: the countdown window did not start:\n%s\n", windowLog.right(2000).constData());
        return 1;
    }
    runFor(1000);
    shown.windowPid = window.processId();
    ::kill(shown.windowPid, SIGSTOP);
    ::kill(bare.pid, SIGCONT);
    runFor(settleS * 1000);

    QTemporaryFile framesFile;
    if (!framesFile.open())
        return 1;
    const auto sampleCabinet = [&](Side &side, Series &into) {
        ::kill(side.pid, SIGCONT);
        runFor(ResumeSettleMs);
        const ProcStat::MainThread before = ProcStat::mainThread(side.pid);
        const qint64 servedBefore = side.served;
        QElapsedTimer clock;
        clock.start();
        runFor(intervalS * 1000);
        const double seconds = clock.nsecsElapsed() / 1e9;
        const ProcStat::MainThread after = ProcStat::mainThread(side.pid);
        ::kill(side.pid, SIGSTOP);
        if (before.wakeUps < 0 || after.wakeUps < 0)
            return false;
        into.wakeUps.push_back((after.wakeUps - before.wakeUps) / seconds);
        into.cpu.push_back(100.0 * (after.cpuNs - before.cpuNs) / 1e9 / seconds);
        into.transactions.push_back((side.served - servedBefore) / seconds);
        return true;
    };
    // The plain poller, and the window beside it over the same interval when the side has one.
    const auto sampleFloor = [&](Side &side, Series &into) {
        QProcess floor;
        floor.setProcessChannelMode(QProcess::ForwardedChannels);
        floor.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--floor"), side.floorBoards.devicePath(), framesFile.fileName(),
                     QString::number(qint64(intervalS) * 1000000000)});
        if (!floor.waitForStarted())
            return false;
        if (side.windowPid)
            ::kill(side.windowPid, SIGCONT);
        // Past the poller's loading, which is no part of polling, and the window's catching up.
        runFor(side.windowPid ? ResumeSettleMs : 200);
        const ProcStat::MainThread before = ProcStat::mainThread(floor.processId());
        const ProcStat::MainThread windowBefore = ProcStat::mainThread(side.windowPid);
        const qint64 servedBefore = side.floorServed;
        QElapsedTimer clock;
        clock.start();
        runFor(intervalS * 1000);
        const double seconds = clock.nsecsElapsed() / 1e9;
        const ProcStat::MainThread after = ProcStat::mainThread(floor.processId());
        const ProcStat::MainThread windowAfter = ProcStat::mainThread(side.windowPid);
        if (side.windowPid)
            ::kill(side.windowPid, SIGSTOP);
        const bool alive = floor.state() == QProcess::Running;
        floor.kill();
        floor.waitForFinished();
        if (!alive || before.wakeUps < 0 || after.wakeUps < 0)
            return false;
        const double poller = 100.0 * (after.cpuNs - before.cpuNs) / 1e9 / seconds;
        double shownWindow = 0;
        if (side.windowPid) {
            if (windowBefore.cpuNs < 0 || windowAfter.cpuNs < 0)
                return false;
            shownWindow = 100.0 * (windowAfter.cpuNs - windowBefore.cpuNs) / 1e9 / seconds;
        }
        into.wakeUps.push_back((after.wakeUps - before.wakeUps) / seconds);
        into.cpu.push_back(poller + shownWindow);
        into.pollerCpu.push_back(poller);
        into.windowCpu.push_back(shownWindow);
        into.transactions.push_back((side.floorServed - servedBefore) / seconds);
        return true;
    };
    // One unmeasured round records the frames; then the cabinet and its floor take turns.
    const auto runPhase = [&](Side &side, Phase &phase) {
        side.frames.clear();
        side.recording = true;
        side.recordClock.start();
        runFor(intervalS * 1000);
        side.recording = false;
        if (!framesFile.resize(0) || !framesFile.seek(0) || framesFile.write(side.frames) != side.frames.size()
            || !framesFile.flush())
            return false;
        ::kill(side.pid, SIGSTOP);
        for (int round = 0; round < rounds; ++round) {
            const bool ok = round % 2 ? sampleFloor(side, phase.floor) && sampleCabinet(side, phase.cabinet)
                                      : sampleCabinet(side, phase.cabinet) && sampleFloor(side, phase.floor);
            if (!ok)
                return false;
        }
        ::kill(side.pid, SIGCONT);
        return true;
    };
    // Tapped over a second and more, as a cook does: each hold has its own phase.
    const auto startHolding = [&](Side &side) {
        runFor(1000);
        for (int bin = 0; bin < Bins; ++bin) {
            side.cabinet.ask("tap " + QByteArray::number(bin));
            runFor(70);
        }
        QStringList notHolding;
        for (int bin = 0; bin < Bins; ++bin) {
            const int state = side.cabinet.binState(bin);
            if (state < FirstHoldingState || state > LastHoldingState)
                notHolding << QString::number(bin);
        }
        if (!notHolding.isEmpty())
            std::fprintf(stderr, "bench_polls: bins %s are not holding after a tap\n", qPrintable(notHolding.join(' ')));
        return notHolding.isEmpty();
    };

    const auto measure = [&](Side &side, Phase &phase, const char *what) {
        const bool ok = runPhase(side, phase);
        if (!ok)
            std::fprintf(stderr, "bench_polls: a sample failed (%s)\n", what);
        return ok;
    };
    Phase idle, holding, holdingShown;
    if (!measure(bare, idle, "no bin holding") || !startHolding(bare))
        return 1;
    runFor(settleS * 1000);
    if (!measure(bare, holding, "20 bins holding"))
        return 1;
    ::kill(bare.pid, SIGSTOP);
    ::kill(shown.pid, SIGCONT);
    runFor(ResumeSettleMs);
    if (!startHolding(shown))
        return 1;
    runFor(settleS * 1000);
    if (!measure(shown, holdingShown, "20 bins holding, with the screen"))
        return 1;
    for (Side *side : {&bare, &shown}) {
        ::kill(side->pid, SIGCONT);
        side->cabinet.process.kill();
        side->cabinet.process.waitForFinished();
    }
    ::kill(shown.windowPid, SIGCONT);
    window.kill();
    window.waitForFinished();

    std::printf("Master display (5 x 4, two NFC readers), boards simulated in this process;\n"
                "%d alternated rounds of %d s each side (min / median)\n", rounds, intervalS);
    std::printf("  the cadences ask, per second, besides one wake-up per Modbus reply:\n");
    double cadences = 0;
    for (const Cadence &c : Cadences) {
        std::printf("    %-84s %5.2f\n", c.what, c.perSecond);
        cadences += c.perSecond;
    }
    const std::pair<const char *, const Phase *> phases[] = {{"without its screen, no bin holding", &idle},
                                                             {"without its screen, 20 bins holding", &holding}};
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
    // The cabinet as the cook has it, beside a window that redraws 20 countdowns once a second
    // and the plain poller, their main threads measured over the same interval.
    const Series &c = holdingShown.cabinet, &f = holdingShown.floor;
    const double cpuRatio = median(f.cpu) > 0 ? median(c.cpu) / median(f.cpu) : 0;
    std::printf("  with its screen, 20 bins holding (%.2f Modbus transactions a second; offscreen, software\n"
                "  scene graph):\n", median(c.transactions));
    std::printf("    main-thread CPU: %.3f / %.3f %% of a core; floor: window (20 countdowns redrawn once a\n"
                "    second) %.3f / %.3f %% + plain poller %.3f / %.3f %% = %.3f / %.3f %%; ratio %.2f / %.2f x "
                "(target <= %.1f x: %s); %zu rounds\n",
                minimum(c.cpu), median(c.cpu), minimum(f.windowCpu), median(f.windowCpu), minimum(f.pollerCpu),
                median(f.pollerCpu), minimum(f.cpu), median(f.cpu), minimum(f.cpu) > 0 ? minimum(c.cpu) / minimum(f.cpu) : 0,
                cpuRatio, CpuTarget, cpuRatio <= CpuTarget ? "met" : "NOT met", c.cpu.size());
    return 0;
}
