// Idle cost of the holding screen beside floors that do the work a perfect program must:
//  1. all 20 bins of a 5 x 4 cabinet holding, beside the same cabinet without its screen
//     and a Qt Quick window that redraws 20 countdown texts once a second; % of one core
//     and frames per second of each, the three measured over the same intervals;
//  2. two displays (master and second) idle on the virtual CAN bus, nothing holding,
//     beside the same pair run without their screens (TUL_NO_SCENE): what the pair
//     without screens spends is the IO-board and reader polls, the display link and the
//     timers the cabinet must run; the rest is the shell's;
//  3. main-thread wake-ups a second of the cabinet with all 20 bins holding, with and
//     without its screen, beside what the polls' cadences ask plus one shared second:
//     the simulated boards run in this process (TUL_IOBOARD_PORT), so that their own
//     wake-ups are not counted with the program's.
//   bench_holdingidle [interval s] [rounds] [settling s]     (defaults 10, 5 and 5)
// CPU time is the run time of every thread of a process (/proc/<pid>/task/*/schedstat, in
// ns); frames are counted from the scene graph's render-loop timing lines.
#include "cabinetroot.h"
#include "cadences.h"
#include "countdownwindow.h"
#include "ioboardsimulator.h"
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
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const char *const LoadedLine = "Scene loaded";
const char *const SyncedLine = "Start-up synchronisation finished";
// One line per frame drawn, from the software render loop when its timing category is on.
const char *const FrameLine = "Frame rendered";
constexpr int Bins = 20;
constexpr int BinsPerZone = 2;
constexpr int ReadyToHold = 4;
constexpr int FirstHoldingState = 6; // standard, warning and discard are all holding
constexpr int LastHoldingState = 8;
constexpr double TargetRatio = 2.0;
constexpr double TargetFps = 1.2;
constexpr double TargetWakeUps = 1.2;

// Runs this process's events (the boards simulated here) for about `ms`.
void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Each zone holds one product in both its bins, as a kitchen loads a cabinet: zone z
// gets product z + 1 of the default menu (hold times 900 to 2400 s).
int productOfBin(int bin)
{
    return bin / BinsPerZone % 11 + 1;
}

// A child whose merged output is drained all the time, so that it never blocks on a
// full pipe, whose console answers ("sim: ...") are picked out of its log, and whose
// drawn frames are counted.
class Child
{
public:
    Child(const QString &name, const QString &program, const QStringList &args, const QProcessEnvironment &env)
        : m_name(name)
    {
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(program, args);
        m_process.waitForStarted();
    }
    ~Child()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    QString name() const { return m_name; }
    qint64 pid() const { return m_process.processId(); }
    bool running() const { return m_process.state() == QProcess::Running; }
    bool saw(const char *line) const { return m_seen.contains(QByteArray(line)); }
    qint64 frames() const { return m_frames; }
    QProcess &process() { return m_process; }

    // One console command and its answer, without "sim: "; empty on no answer.
    QString ask(const QByteArray &command)
    {
        m_answers.clear();
        m_process.write(command + '\n');
        QElapsedTimer clock;
        clock.start();
        // Events run meanwhile: boards simulated in this process go on answering.
        while (m_answers.isEmpty() && clock.elapsed() < 5000 && running()) {
            spin(5);
            take();
        }
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }

    void take()
    {
        m_pending += m_process.readAll();
        int end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            const QByteArray line = m_pending.left(end);
            m_pending.remove(0, end + 1);
            if (line.startsWith("sim: "))
                m_answers << QString::fromUtf8(line.mid(5));
            else if (line.contains(FrameLine))
                ++m_frames;
            for (const char *marker : {LoadedLine, SyncedLine})
                if (line.contains(marker) && !m_seen.contains(marker))
                    m_seen << marker;
        }
    }

private:
    QString m_name;
    QProcess m_process;
    QByteArray m_pending;
    QStringList m_answers;
    QList<QByteArray> m_seen;
    qint64 m_frames = 0;
};

using Children = std::vector<Child *>;

// Drains every child for `ms`, or until `done` holds; false if a child ended.
template<typename Done>
bool pumpAll(const Children &children, int ms, Done done)
{
    QElapsedTimer clock;
    clock.start();
    do {
        spin(10);
        for (Child *child : children) {
            if (!child->running())
                return false;
            child->take();
        }
        if (done())
            return true;
    } while (clock.elapsed() < ms);
    return false;
}

bool pumpAll(const Children &children, int ms)
{
    pumpAll(children, ms, [] { return false; });
    return std::all_of(children.begin(), children.end(), [](Child *c) { return c->running(); });
}

struct BinState
{
    int state = -1;
    int remaining = -1;
    int product = -1;
};

// "bin <b>: <state>, <s> s left, product <id> (state code <code>)"
BinState binState(Child &cabinet, int bin)
{
    static const QRegularExpression answer(
        QStringLiteral("^bin (\\d+): \\S+, (-?\\d+) s left, product (\\d+) \\(state code (\\d+)\\)$"));
    const QRegularExpressionMatch m = answer.match(cabinet.ask("state " + QByteArray::number(bin)));
    BinState s;
    if (m.hasMatch() && m.captured(1).toInt() == bin) {
        s.state = m.captured(4).toInt();
        s.remaining = m.captured(2).toInt();
        s.product = m.captured(3).toInt();
    }
    return s;
}

bool isHolding(const BinState &s)
{
    return s.state >= FirstHoldingState && s.state <= LastHoldingState;
}

// Asks every bin until `done` holds for all of them or `ms` have passed; returns the
// bins for which it does not.
template<typename Done>
QList<int> waitForBins(Child &cabinet, const Children &all, int ms, Done done)
{
    QElapsedTimer clock;
    clock.start();
    QList<int> missing;
    do {
        missing.clear();
        for (int bin = 0; bin < Bins; ++bin) {
            if (!done(binState(cabinet, bin)))
                missing << bin;
        }
        if (missing.isEmpty() || !cabinet.running())
            break;
        pumpAll(all, 500);
    } while (clock.elapsed() < ms);
    return missing;
}

QString binList(const QList<int> &bins)
{
    QStringList names;
    for (int bin : bins)
        names << QString::number(bin);
    return names.join(QLatin1Char(' '));
}

// One interval of a group of children: % of one core they took together, and frames
// per second they drew together.
struct Sample
{
    double percent = -1;
    double fps = 0;
};

struct Reading
{
    qint64 ns = 0;
    qint64 frames = 0;
};

// CPU time and frames of a group so far; ns < 0 if a child cannot be read.
Reading readGroup(const Children &group)
{
    Reading r;
    for (Child *child : group) {
        const qint64 ns = ProcStat::cpuNs(child->pid());
        if (ns < 0)
            return {-1, 0};
        r.ns += ns;
        r.frames += child->frames();
    }
    return r;
}

// One interval, the same for every group: what one group spends is set beside what the
// others spent while the machine was in the same state. Empty if a child ended.
std::vector<Sample> measure(const std::vector<Children> &groups, const Children &all, int intervalMs)
{
    pumpAll(all, 50); // what was drawn before the interval is not counted in it
    std::vector<Reading> before;
    for (const Children &group : groups)
        before.push_back(readGroup(group));
    QElapsedTimer clock;
    clock.start();
    if (!pumpAll(all, intervalMs))
        return {};
    const double seconds = clock.nsecsElapsed() / 1e9;
    std::vector<Sample> samples;
    for (size_t g = 0; g < groups.size(); ++g) {
        const Reading after = readGroup(groups[g]);
        if (before[g].ns < 0 || after.ns < 0)
            return {};
        samples.push_back({100.0 * (after.ns - before[g].ns) / 1e9 / seconds, (after.frames - before[g].frames) / seconds});
    }
    return samples;
}

struct Series
{
    std::vector<double> percents;
    std::vector<double> fps;
    double min() const { return *std::min_element(percents.begin(), percents.end()); }
    double median() const { return medianOf(percents); }
    double medianFps() const { return medianOf(fps); }
    static double medianOf(std::vector<double> v)
    {
        std::sort(v.begin(), v.end());
        const size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }
};

// Measures every group over the same intervals, `rounds` times; false if a child ended
// or could not be read.
bool sampleTogether(const std::vector<Children> &groups, const Children &all, int intervalMs, int rounds,
                    std::vector<Series> &series)
{
    series.assign(groups.size(), Series());
    for (int round = 0; round < rounds; ++round) {
        const std::vector<Sample> samples = measure(groups, all, intervalMs);
        if (samples.size() != groups.size())
            return false;
        for (size_t g = 0; g < groups.size(); ++g) {
            series[g].percents.push_back(samples[g].percent);
            series[g].fps.push_back(samples[g].fps);
        }
    }
    return true;
}

void printSeries(const char *what, const Series &s)
{
    std::printf("  %-52s min %6.3f %%  median %6.3f %%  (%zu rounds)\n", what, s.min(), s.median(),
                s.percents.size());
}

double ratio(double a, double b)
{
    return b > 0 ? a / b : 0;
}

int fail(const QString &what)
{
    std::fprintf(stderr, "bench_holdingidle: %s\n", qPrintable(what));
    return 1;
}

QProcessEnvironment baseEnvironment(const QString &base)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TUL_FLASH_DIR"), base + QStringLiteral("/flash/"));
    env.insert(QStringLiteral("TUL_SYSTEM_DIR"), base + QStringLiteral("/system/"));
    env.insert(QStringLiteral("TUL_TOOLS_DIR"), QStringLiteral(TUL_SOURCE_DIR "/tools/standins"));
    env.insert(QStringLiteral("TUL_TOOLS_LOG"), base + QStringLiteral("/tools.log"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    env.insert(QStringLiteral("QSG_RENDER_LOOP"), QStringLiteral("basic"));
    env.insert(QStringLiteral("TUL_EOL_TCP_PORT"), QStringLiteral("0")); // four displays at once
    // One line per frame drawn; the CAN plugin's chatter off.
    env.insert(QStringLiteral("QT_LOGGING_RULES"),
               QStringLiteral("qt.scenegraph.time.renderloop=true\nqt.canbus.*=false\ntul.core.debug=true"));
    return env;
}

// A cabinet as a kitchen runs it: its personality, and its unit details on file, so that
// the dialog asking for them on a first start does not cover the screen being measured.
bool seedRoot(const QString &root, const QString &personality, const QByteArray &dayParts = QByteArray())
{
    QDir().mkpath(root);
    if (!QFile::copy(personality, root + QFileInfo(personality).fileName()))
        return false;
    QFile identity(root + QStringLiteral("serialModelNums.txt"));
    const QByteArray numbers("serialNumber=SN-1\nmodelNumber=M-1\n");
    if (!identity.open(QIODevice::WriteOnly) || identity.write(numbers) != numbers.size() || !identity.flush())
        return false;
    if (dayParts.isEmpty())
        return true;
    QFile file(root + QStringLiteral("dayParts.json"));
    return file.open(QIODevice::WriteOnly) && file.write(dayParts) == dayParts.size() && file.flush();
}

// Loads a cabinet with 20 holding bins through its console; an empty text when it did.
// `boardsHere`: its boards are simulated in this process, their temperatures set already.
QString startHolding(Child &cabinet, const Children &all, bool boardsHere = false)
{
    QList<int> missing = waitForBins(cabinet, all, 20000, [](const BinState &s) { return s.product > 0; });
    if (!missing.isEmpty())
        return QStringLiteral("%1: no product from the day parts in bins %2").arg(cabinet.name(), binList(missing));
    // Zones at their products' temperatures at once rather than after minutes of
    // simulated warming, so that no zone leaves preheating while being measured.
    for (int zone = 0; zone < Bins / BinsPerZone && !boardsHere; ++zone) {
        const QPair<int, int> temps = productTemperatures(productOfBin(zone * BinsPerZone));
        cabinet.ask("temp " + QByteArray::number(2 * zone) + ' ' + QByteArray::number(temps.first));
        cabinet.ask("temp " + QByteArray::number(2 * zone + 1) + ' ' + QByteArray::number(temps.second));
    }
    missing = waitForBins(cabinet, all, 30000, [](const BinState &s) { return s.state == ReadyToHold; });
    if (!missing.isEmpty())
        std::fprintf(stderr, "bench_holdingidle: %s: bins %s not ready to hold; tapping them anyway\n",
                     qPrintable(cabinet.name()), qPrintable(binList(missing)));
    // Tapped over a second and more, as a cook does: each hold has its own phase.
    for (int bin = 0; bin < Bins; ++bin) {
        cabinet.ask("tap " + QByteArray::number(bin));
        pumpAll(all, 70);
    }
    missing = waitForBins(cabinet, all, 10000, isHolding);
    if (!missing.isEmpty())
        return QStringLiteral("%1: bins %2 are not holding after a tap").arg(cabinet.name(), binList(missing));
    return QString();
}

// First: 20 bins holding beside the countdown floor, and beside the same cabinet without
// its screen (the polls, the in-process IO-board and reader simulators, the holding timers).
int holdingIdle(const QString &base, int intervalMs, int rounds, int settleMs)
{
    std::vector<std::unique_ptr<Child>> cabinets;
    for (bool scene : {true, false}) {
        QProcessEnvironment env = baseEnvironment(base);
        const QString root = base + (scene ? QStringLiteral("/holding/") : QStringLiteral("/holding-bare/"));
        if (!seedRoot(root, QStringLiteral(PERSONALITY), CabinetRoot::dayPartsJson(Bins, productOfBin)))
            return fail(QStringLiteral("cannot seed the data root in %1").arg(root));
        env.insert(QStringLiteral("TUL_ROOT_DIR"), root);
        env.insert(QStringLiteral("TUL_CAN_INTERFACE"), CabinetRoot::freeCanBus());
        if (!scene)
            env.insert(QStringLiteral("TUL_NO_SCENE"), QStringLiteral("1"));
        cabinets.emplace_back(new Child(scene ? QStringLiteral("cabinet") : QStringLiteral("cabinet without screen"),
                                        QStringLiteral(TUL_BINARY), {QStringLiteral("-simulation")}, env));
    }
    Child &cabinet = *cabinets[0], &bare = *cabinets[1];
    Child floor(QStringLiteral("floor"), QCoreApplication::applicationFilePath(), {QStringLiteral("--floor")},
                baseEnvironment(base));
    const Children all{&cabinet, &bare, &floor};
    if (!pumpAll(all, 45000, [&] {
            return cabinet.saw(LoadedLine) && floor.saw(LoadedLine) && cabinet.saw(SyncedLine) && bare.saw(SyncedLine);
        }))
        return fail(QStringLiteral("the programs or the floor window did not start within 45 s"));
    for (Child *c : {&cabinet, &bare}) {
        const QString failed = startHolding(*c, all);
        if (!failed.isEmpty())
            return fail(failed);
    }

    pumpAll(all, settleMs);
    std::vector<Series> series;
    if (!sampleTogether({{&cabinet}, {&bare}, {&floor}}, all, intervalMs, rounds, series))
        return fail(QStringLiteral("a process ended or its CPU time could not be read"));
    for (Child *c : {&cabinet, &bare}) {
        const QList<int> missing = waitForBins(*c, all, 0, isHolding);
        if (!missing.isEmpty())
            return fail(QStringLiteral("%1: bins %2 stopped holding while being measured").arg(c->name(), binList(missing)));
    }

    const Series &program = series[0], &polls = series[1], &countdowns = series[2];
    std::printf("1. Idle with all 20 bins holding, %d s per sample, the three measured over the same intervals\n",
                intervalMs / 1000);
    printSeries("cabinet controller, 20 bins holding", program);
    printSeries("the same without its screen (TUL_NO_SCENE)", polls);
    // What the shell adds, and its ratio to the floor, taken interval by interval: the
    // machine's speed drifts between intervals more than the screen's cost.
    Series screen, screenToFloor;
    for (size_t i = 0; i < program.percents.size(); ++i) {
        screen.percents.push_back(program.percents[i] - polls.percents[i]);
        screenToFloor.percents.push_back(ratio(screen.percents.back(), countdowns.percents[i]));
    }
    printSeries("the screen's share (the difference)", screen);
    printSeries("floor: 20 countdown texts redrawn once a second", countdowns);
    std::printf("  whole program to the floor: min %.2f x, median %.2f x\n", ratio(program.min(), countdowns.min()),
                ratio(program.median(), countdowns.median()));
    std::printf("  the screen's share to the floor, per interval: min %.2f x, median %.2f x (target <= %.1f x: %s)\n",
                screenToFloor.min(), screenToFloor.median(), TargetRatio,
                screenToFloor.median() <= TargetRatio ? "met" : "NOT met");
    std::printf("  the polls' share of the whole program (IO board, readers and their in-process simulators,\n"
                "  holding timers): median %.0f %%\n",
                100 * ratio(polls.median(), program.median()));
    std::printf("  frames per second, median: cabinet %.2f, floor %.2f (target <= %.1f: %s)\n", program.medianFps(),
                countdowns.medianFps(), TargetFps, program.medianFps() <= TargetFps ? "met" : "NOT met");
    std::fflush(stdout);
    return 0;
}

// Second: master and second display idle, nothing holding, with and without their screens.
int twoDisplaysIdle(const QString &base, int intervalMs, int rounds, int settleMs)
{
    const QProcessEnvironment common = baseEnvironment(base);
    std::vector<std::unique_ptr<Child>> owned;
    std::vector<Children> pairs;
    for (bool scene : {true, false}) {
        const QString bus = CabinetRoot::freeCanBus();
        Children pair;
        for (const char *personality : {"5x4_primary_second.hcc", "5x4_second.hcc"}) {
            const QString root = base + (scene ? QStringLiteral("/shown/") : QStringLiteral("/bare/"))
                                 + QString::fromLatin1(personality).section(QLatin1Char('.'), 0, 0) + QLatin1Char('/');
            if (!seedRoot(root, QStringLiteral(PERSONALITIES "/") + QLatin1String(personality)))
                return fail(QStringLiteral("cannot seed the data root in %1").arg(root));
            QProcessEnvironment env = common;
            env.insert(QStringLiteral("TUL_ROOT_DIR"), root);
            env.insert(QStringLiteral("TUL_CAN_INTERFACE"), bus);
            if (!scene)
                env.insert(QStringLiteral("TUL_NO_SCENE"), QStringLiteral("1"));
            owned.emplace_back(new Child(QLatin1String(personality), QStringLiteral(TUL_BINARY),
                                         {QStringLiteral("-simulation")}, env));
            pair.push_back(owned.back().get());
            // The master serves the bus and is found by the second display.
            pumpAll(pair, 2000);
        }
        pairs.push_back(pair);
    }
    Children all;
    for (auto &child : owned)
        all.push_back(child.get());
    if (!pumpAll(all, 45000, [&] {
            return std::all_of(all.begin(), all.end(), [](Child *c) { return c->saw(SyncedLine); });
        }))
        return fail(QStringLiteral("the displays did not finish their start-up synchronisation within 45 s"));

    pumpAll(all, settleMs);
    std::vector<Series> series;
    if (!sampleTogether(pairs, all, intervalMs, rounds, series))
        return fail(QStringLiteral("a display ended or its CPU time could not be read"));
    const Series &shown = series[0], &bare = series[1];
    std::printf("2. Two displays (master and second) idle on the virtual CAN bus, nothing holding\n");
    printSeries("both, with their screens", shown);
    printSeries("both without screens (TUL_NO_SCENE): polls, CAN", bare);
    std::printf("  share of the polls, display link and timers the cabinet must run: min %.0f %%, median %.0f %%\n",
                100 * ratio(bare.min(), shown.min()), 100 * ratio(bare.median(), shown.median()));
    std::printf("  the screens' share: median %.3f %% of one core; frames per second of both, median: %.2f\n",
                shown.median() - bare.median(), shown.medianFps());
    return 0;
}

// Third: main-thread wake-ups of the cabinet with 20 bins holding, with its screen and
// without, its boards simulated here; beside what the cadences ask.
int holdingWakeUps(const QString &base, int intervalMs, int rounds, int settleMs)
{
    std::vector<std::unique_ptr<IoBoardSimulator>> boards;
    std::vector<std::unique_ptr<Child>> cabinets;
    std::vector<qint64> served(2, 0);
    for (bool scene : {true, false}) {
        boards.emplace_back(new IoBoardSimulator);
        IoBoardSimulator &board = *boards.back();
        if (!board.open())
            return fail(QStringLiteral("no pseudo-terminal for the simulated boards"));
        for (int zone = 0; zone < Bins / BinsPerZone; ++zone) {
            const QPair<int, int> temps = productTemperatures(productOfBin(zone * BinsPerZone));
            board.setTemperature(2 * zone, qint16(temps.first));
            board.setTemperature(2 * zone + 1, qint16(temps.second));
        }
        board.setAmbientTemperature(80);
        qint64 &count = served[scene ? 0 : 1];
        QObject::connect(&board, &IoBoardSimulator::requestServed, [&count] { ++count; });
        const QString root = base + (scene ? QStringLiteral("/woken/") : QStringLiteral("/woken-bare/"));
        if (!seedRoot(root, QStringLiteral(PERSONALITY), CabinetRoot::dayPartsJson(Bins, productOfBin)))
            return fail(QStringLiteral("cannot seed the data root in %1").arg(root));
        QProcessEnvironment env = baseEnvironment(base);
        env.insert(QStringLiteral("TUL_ROOT_DIR"), root);
        env.insert(QStringLiteral("TUL_CAN_INTERFACE"), CabinetRoot::freeCanBus());
        env.insert(QStringLiteral("TUL_IOBOARD_PORT"), board.devicePath());
        if (!scene)
            env.insert(QStringLiteral("TUL_NO_SCENE"), QStringLiteral("1"));
        cabinets.emplace_back(new Child(scene ? QStringLiteral("cabinet") : QStringLiteral("cabinet without screen"),
                                        QStringLiteral(TUL_BINARY), {QStringLiteral("-simulation")}, env));
    }
    Child &shown = *cabinets[0], &bare = *cabinets[1];
    const Children all{&shown, &bare};
    if (!pumpAll(all, 45000, [&] { return shown.saw(LoadedLine) && shown.saw(SyncedLine) && bare.saw(SyncedLine); }))
        return fail(QStringLiteral("the programs did not start within 45 s"));
    for (Child *c : all) {
        const QString failed = startHolding(*c, all, true);
        if (!failed.isEmpty())
            return fail(failed);
    }
    pumpAll(all, settleMs);

    struct Samples
    {
        std::vector<double> wakeUps, transactions;
    };
    std::vector<Samples> samples(2);
    for (int round = 0; round < rounds; ++round) {
        pumpAll(all, 50);
        std::vector<ProcStat::MainThread> before;
        const std::vector<qint64> servedBefore = served;
        for (Child *c : all)
            before.push_back(ProcStat::mainThread(c->pid()));
        QElapsedTimer clock;
        clock.start();
        if (!pumpAll(all, intervalMs))
            return fail(QStringLiteral("a cabinet ended while being measured"));
        const double seconds = clock.nsecsElapsed() / 1e9;
        for (size_t i = 0; i < all.size(); ++i) {
            const ProcStat::MainThread after = ProcStat::mainThread(all[i]->pid());
            if (before[i].wakeUps < 0 || after.wakeUps < 0)
                return fail(QStringLiteral("the main thread's wake-ups could not be read"));
            samples[i].wakeUps.push_back((after.wakeUps - before[i].wakeUps) / seconds);
            samples[i].transactions.push_back((served[i] - servedBefore[i]) / seconds);
        }
    }
    for (Child *c : all) {
        const QList<int> missing = waitForBins(*c, all, 0, isHolding);
        if (!missing.isEmpty())
            return fail(QStringLiteral("%1: bins %2 stopped holding while being measured").arg(c->name(), binList(missing)));
    }

    std::printf("3. Main-thread wake-ups a second with all 20 bins holding, boards simulated in the benchmark;\n"
                "   %d rounds of %d s\n", rounds, intervalMs / 1000);
    double cadences = 0;
    std::printf("  the cadences ask, per second:\n");
    for (const Cadence &c : Cadences) {
        std::printf("    %-66s %5.2f\n", c.what, c.perSecond);
        cadences += c.perSecond;
    }
    for (size_t i = 0; i < all.size(); ++i) {
        const double replies = Series::medianOf(samples[i].transactions);
        const double asked = cadences + replies;
        const std::vector<double> &w = samples[i].wakeUps;
        const double min = *std::min_element(w.begin(), w.end()), median = Series::medianOf(w);
        std::printf("  %s: one per Modbus reply %.2f, asked %.2f; woken min %.1f, median %.1f;\n"
                    "    ratio min %.2f x, median %.2f x (target <= %.1f x: %s)\n",
                    qPrintable(all[i]->name()), replies, asked, min, median, ratio(min, asked), ratio(median, asked),
                    TargetWakeUps, ratio(median, asked) <= TargetWakeUps ? "met" : "NOT met");
    }
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && QByteArray(argv[1]) == "--floor")
        return CountdownWindow::run(argc, argv, LoadedLine);

    QCoreApplication app(argc, argv);
    const int intervalS = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10;
    const int rounds = argc > 2 ? std::max(1, QByteArray(argv[2]).toInt()) : 5;
    const int settleS = argc > 3 ? std::max(0, QByteArray(argv[3]).toInt()) : 5;

    QTemporaryDir scratch;
    const QString base = scratch.path();
    for (const char *dir : {"flash", "system"})
        QDir(base).mkpath(QLatin1String(dir));

    std::printf("Idle CPU time, offscreen, software scene graph; %% of one core, all threads of a process\n");
    if (const int failed = holdingIdle(base, intervalS * 1000, rounds, settleS * 1000))
        return failed;
    if (const int failed = twoDisplaysIdle(base, intervalS * 1000, rounds, settleS * 1000))
        return failed;
    return holdingWakeUps(base, intervalS * 1000, rounds, settleS * 1000);
}
