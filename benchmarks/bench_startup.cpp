// Start-up of `tul -simulation` on a 5 x 4 cabinet with a product in every bin (what a
// cook sees on a morning), beside a plain Qt Quick window that draws the same tiles, texts
// and dock with no back end behind it, its tiles' words rewritten once a second: from
// process start to the first frame on the screen (the window's first frameSwapped), the
// CPU time of every thread in the 2 s after that frame, and the peak memory (VmHWM) at the
// end of those 2 s. The IO board and the NFC readers are simulated in the benchmark's own
// process, as they are hardware of their own in a cabinet. After a warm-up of
// each, the two run alternately; min and median of each and their ratios are printed.
//   bench_startup [rounds]        (default 20, at least 5)
#include "cabinetroot.h"
#include "ioboardsimulator.h"
#include "procstat.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include <sched.h>

namespace {

const char *const FirstFrameLine = "First frame";
// Where the cabinet without its screen (TUL_NO_SCENE) would have made it.
const char *const NoSceneLine = "Scene not loaded";
constexpr int AfterMs = 2000;
constexpr int TimeoutMs = 30000;
constexpr int Bins = 20;
constexpr int BinsPerZone = 2;
constexpr double FrameTarget = 1.3;
constexpr double CpuTarget = 2.0;
constexpr double MemoryTargetMiB = 12;

// The cores this process (and so every program it starts) may run on.
int usableCores()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    return sched_getaffinity(0, sizeof set, &set) == 0 ? CPU_COUNT(&set) : QThread::idealThreadCount();
}

// Zone z holds product z + 1 of the default menu in both its bins.
int productOfBin(int bin)
{
    return bin / BinsPerZone % 11 + 1;
}

QJsonArray defaultProducts()
{
    QFile file(QStringLiteral(DEFAULT_MENU));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String("products")).toArray();
}

// The English names of the zones' products, zone by zone.
QStringList zoneProductNames()
{
    const QJsonArray products = defaultProducts();
    QStringList names;
    for (int bin = 0; bin < Bins; bin += BinsPerZone) {
        for (const QJsonValue &value : products) {
            const QJsonObject p = value.toObject();
            if (p.value(QLatin1String("productId")).toInt() == productOfBin(bin))
                names << p.value(QLatin1String("productName")).toObject().value(QLatin1String("eng_USA")).toString();
        }
    }
    return names;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush();
}

// The cabinet's data root: its personality, its unit details (so that no first-start
// dialog covers the map) and day parts that put a product in every bin.
bool seedRoot(const QString &root)
{
    QDir().mkpath(root);
    const QByteArray dayParts = CabinetRoot::dayPartsJson(Bins, productOfBin);
    return QFile::copy(QStringLiteral(PERSONALITY), root + QFileInfo(QStringLiteral(PERSONALITY)).fileName())
        && writeFile(root + QStringLiteral("serialModelNums.txt"), "serialNumber=SN-1\nmodelNumber=M-1\n")
        && writeFile(root + QStringLiteral("dayParts.json"), dayParts);
}

int runTilesWindow(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.rootContext()->setContextProperty(QStringLiteral("productNames"),
                                             QString::fromUtf8(argv[2]).split(QLatin1Char('\n')));
    engine.load(QUrl(QStringLiteral("qrc:/bench/tiles.qml")));
    auto *window = engine.rootObjects().isEmpty() ? nullptr
                                                  : qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    if (!window)
        return 1;
    bool shown = false;
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [&shown] {
        if (shown)
            return;
        shown = true;
        std::fprintf(stderr, "%s\n", FirstFrameLine);
        std::fflush(stderr);
    });
    return app.exec();
}

struct Sample
{
    double ms = -1;
    double cpuAfterMs = -1;
    double peakMiB = -1;
};

Sample measure(const QString &program, const QStringList &args, const QProcessEnvironment &env,
               const char *marker = FirstFrameLine)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    // An event loop, not blocking waits: the simulated boards in this process must answer
    // the cabinet's polls meanwhile.
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    QByteArray output;
    Sample sample;
    // Threads that end within the window (the start-up's warm-up thread) still count.
    ProcStat::ThreadClock cpuAfter;
    QTimer sampler;
    sampler.setInterval(10);
    QObject::connect(&sampler, &QTimer::timeout, &loop, [&] { cpuAfter.sample(); });
    QObject::connect(&process, &QProcess::readyRead, &loop, [&] {
        // Drained as it comes, so that the child never waits on a full pipe.
        output += process.readAll();
        if (sample.ms >= 0 || !output.contains(marker))
            return;
        sample.ms = clock.nsecsElapsed() / 1e6;
        cpuAfter.start(process.processId());
        sampler.start();
        timeout.start(AfterMs);
    });
    QObject::connect(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), &loop, &QEventLoop::quit);
    clock.start();
    process.start(program, args);
    timeout.start(TimeoutMs);
    loop.exec();
    if (sample.ms < 0 || process.state() != QProcess::Running) {
        std::fprintf(stderr, "no \"%s\" from %s:\n%s\n", marker, qPrintable(program), output.right(2000).constData());
        sample.ms = -1;
    } else {
        cpuAfter.sample();
        const qint64 cpu = cpuAfter.elapsedNs();
        sample.cpuAfterMs = cpu >= 0 ? cpu / 1e6 : -1;
        sample.peakMiB = ProcStat::peakKiB(process.processId()) / 1024.0;
    }
    process.kill();
    process.waitForFinished();
    return sample;
}

double medianOf(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    const int n = v.size();
    return n % 2 ? v.at(n / 2) : (v.at(n / 2 - 1) + v.at(n / 2)) / 2;
}

double minOf(const QVector<double> &v)
{
    return *std::min_element(v.begin(), v.end());
}

template<typename F>
void printRow(const char *what, const char *unit, const QList<Sample> &cabinet, const QList<Sample> &tiles, F field,
              bool difference, double target)
{
    QVector<double> c, t;
    for (const Sample &s : cabinet)
        c << field(s);
    for (const Sample &s : tiles)
        t << field(s);
    std::printf("%s: %.1f / %.1f %s; floor (the same tiles and dock, no back end) %.1f / %.1f %s; ", what, minOf(c),
                medianOf(c), unit, minOf(t), medianOf(t), unit);
    if (difference) {
        const double median = medianOf(c) - medianOf(t);
        std::printf("difference %+.1f / %+.1f %s (target <= +%.0f: %s); %d alternated rounds (min / median)\n",
                    minOf(c) - minOf(t), median, unit, target, median <= target ? "met" : "NOT met", int(c.size()));
    } else if (medianOf(t) <= 0) {
        // A window with nothing left to do after its first frame spends nothing: no ratio.
        std::printf("ratio n/a (the floor is idle; target <= %.1f x: NOT met); %d alternated rounds (min / median)\n",
                    target, int(c.size()));
    } else {
        const double median = medianOf(c) / medianOf(t);
        std::printf("ratio %.2f / %.2f x (target <= %.1f x: %s); %d alternated rounds (min / median)\n",
                    minOf(c) / minOf(t), median, target, median <= target ? "met" : "NOT met", int(c.size()));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && QByteArray(argv[1]) == "--tiles")
        return runTilesWindow(argc, argv);

    QCoreApplication app(argc, argv);
    // Fewer than five rounds say nothing about a median.
    const int runs = argc > 1 ? std::max(5, QByteArray(argv[1]).toInt()) : 20;
    QTemporaryDir scratch;
    const QString root = scratch.path() + QStringLiteral("/root/");
    const QStringList names = zoneProductNames();
    if (!seedRoot(root) || names.size() != Bins / BinsPerZone) {
        std::fprintf(stderr, "bench_startup: cannot seed the data root or read the default menu\n");
        return 1;
    }

    // The IO board and the NFC readers are hardware of their own in a cabinet: simulated in
    // this process, so that the cabinet's CPU and memory are its own. Zones at 160 hold.
    IoBoardSimulator boards;
    if (!boards.open()) {
        std::fprintf(stderr, "bench_startup: cannot open the simulated boards' line\n");
        return 1;
    }
    for (int heater = 0; heater < 20; ++heater)
        boards.setTemperature(heater, 160);
    boards.setAmbientTemperature(80);

    QProcessEnvironment env = CabinetRoot::environment(scratch.path(), root, CabinetRoot::freeCanBus());
    env.insert(QStringLiteral("TUL_IOBOARD_PORT"), boards.devicePath());
    if (!env.contains(QStringLiteral("DISPLAY"))) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    }

    const QString cabinetProgram = QStringLiteral(TUL_BINARY);
    const QStringList cabinetArgs{QStringLiteral("-simulation")};
    const QString tilesProgram = QCoreApplication::applicationFilePath();
    const QStringList tilesArgs{QStringLiteral("--tiles"), names.join(QLatin1Char('\n'))};

    // Warm-up: the first start of each pays for the disk cache (and the cabinet writes its
    // first files) and is not counted.
    QProcessEnvironment backEndEnv = env;
    backEndEnv.insert(QStringLiteral("TUL_NO_SCENE"), QStringLiteral("1"));
    measure(cabinetProgram, cabinetArgs, env);
    measure(tilesProgram, tilesArgs, env);
    QList<Sample> cabinet, tiles, backEnd;
    for (int i = 0; i < runs; ++i) {
        // The order swaps every round so that neither side always runs on the cache the
        // other warmed.
        if (i % 2) {
            tiles << measure(tilesProgram, tilesArgs, env);
            cabinet << measure(cabinetProgram, cabinetArgs, env);
        } else {
            cabinet << measure(cabinetProgram, cabinetArgs, env);
            tiles << measure(tilesProgram, tilesArgs, env);
        }
        // What the back end alone spends in the 2 s after the point where the scene would be
        // made: the links, polls and timers that start then, with nothing on a screen.
        backEnd << measure(cabinetProgram, cabinetArgs, backEndEnv, NoSceneLine);
        if (cabinet.last().ms < 0 || tiles.last().ms < 0 || backEnd.last().ms < 0)
            return 1;
    }

    // The first frame's ratio depends on how many cores the start-up threads share.
    std::printf("5 x 4 cabinet, a product in every bin, platform %s, %d cores\n",
                qPrintable(env.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("default"))),
                usableCores());
    printRow("first frame", "ms", cabinet, tiles, [](const Sample &s) { return s.ms; }, false, FrameTarget);
    printRow("CPU in the 2 s after the first frame", "ms", cabinet, tiles,
             [](const Sample &s) { return s.cpuAfterMs; }, false, CpuTarget);
    // The cabinet's CPU less that of its back end alone, beside the window's: the screen's
    // own share, which the window's work bounds.
    QList<Sample> screen;
    for (int i = 0; i < cabinet.size(); ++i) {
        Sample s = cabinet.at(i);
        s.cpuAfterMs -= backEnd.at(i).cpuAfterMs;
        screen << s;
    }
    QVector<double> backEndCpu;
    for (const Sample &s : backEnd)
        backEndCpu << s.cpuAfterMs;
    std::printf("  of which the back end alone (TUL_NO_SCENE, the 2 s after the scene would be made): %.1f / %.1f ms\n",
                minOf(backEndCpu), medianOf(backEndCpu));
    printRow("  the cabinet less its back end", "ms", screen, tiles, [](const Sample &s) { return s.cpuAfterMs; },
             false, CpuTarget);
    printRow("peak memory 2 s after the first frame", "MiB", cabinet, tiles,
             [](const Sample &s) { return s.peakMiB; }, true, MemoryTargetMiB);
    return 0;
}
