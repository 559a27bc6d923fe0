// Start-up of `tul -simulation` on a 5 x 4 cabinet with a product in every bin (what a
// cook sees on a morning), beside a plain Qt Quick window that draws the same tiles, texts
// and dock with no back end behind it, its tiles' words rewritten once a second: from
// process start to the first frame on the screen (the window's first frameSwapped), the
// CPU time of every thread in the 2 s after that frame, and the peak memory (VmHWM) at the
// end of those 2 s. The IO board and the NFC readers are simulated in the benchmark's own
// process, as they are hardware of their own in a cabinet. After a warm-up of
// each, the two run alternately; min and median of each and their ratios are printed.
// The CPU after the first frame is also set beside its honest floor: the window, plus a
// plain program (plainpoller.h, no Qt in its timed part) that does what the start-up must
// do in those 2 s: writes and syncs the settings file the cabinet wrote, builds the
// power-on event of the same menu, and replays the Modbus frames the cabinet wrote after
// its first frame in that round, at the same moments, on the same kind of line.
// Pin it to two cores as measured: taskset -c 2,3 bench_startup.
//   bench_startup [rounds]        (default 20, at least 5)
#include "cabinetroot.h"
#include "ioboardsimulator.h"
#include "plainpoller.h"
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
#include <QTemporaryFile>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

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

// --- the plain start-up floor ---------------------------------------------------------

const char *const LanguageCodes[] = {"eng_USA", "spa", "fra", "spa_mx", "fra_ca", "deu", "ita", "nld",
                                     "pol", "por", "rus", "ara", "kor", "zh_cn", "jpn"};

struct PlainProduct
{
    int id = 0, lower = 0, upper = 0, hold = 0, warning = 0, splits = 1;
    std::string lid, bottom;
    std::vector<std::string> names; // one per language code
    std::vector<int> members;       // a group's products; empty for a product
};

void appendQuoted(std::string &out, const std::string &text)
{
    out += '"';
    for (char ch : text) {
        if (ch == '"' || ch == '\\')
            out += '\\';
        out += ch;
    }
    out += '"';
}

void appendKey(std::string &out, const char *key)
{
    out += '"';
    out += key;
    out += "\":";
}

void appendInt(std::string &out, int value)
{
    char digits[16];
    out.append(digits, size_t(std::snprintf(digits, sizeof digits, "%d", value)));
}

void appendNames(std::string &out, const std::vector<std::string> &names)
{
    out += '{';
    for (size_t l = 0; l < names.size(); ++l) {
        if (l)
            out += ',';
        appendKey(out, LanguageCodes[l]);
        appendQuoted(out, names[l]);
    }
    out += '}';
}

// The power-on event of a menu, its day part with a product in every bin: keys in order,
// every name in every language, as the maker-cloud schema has it.
std::string plainPowerOnEvent(const std::vector<PlainProduct> &items, const std::vector<int> &binProducts)
{
    std::string out;
    out.reserve(64 * 1024);
    out += "{\"event\":\"powerOn\",\"firmware\":{\"firmwareVersionIO\":\"1.2.3\",\"firmwareVersionIoT\":\"\","
           "\"firmwareVersionReaderBoard\":\"1.2.3\",\"firmwareVersionUI\":\"RO-2503\"},\"language\":\"eng_USA\","
           "\"layout\":[{\"daypartName\":";
    appendNames(out, std::vector<std::string>(15, "All day"));
    out += ",\"productLocations\":[";
    for (size_t b = 0; b < binProducts.size(); ++b) {
        out += b ? ",{\"bin\":" : "{\"bin\":";
        appendInt(out, int(b) + 1);
        out += ",\"productId\":";
        appendInt(out, binProducts[b]);
        out += '}';
    }
    out += "]}],\"location\":\"\",\"menu\":{\"menuDescription\":\"\",\"menuVersion\":\"\"},\"modelNumber\":\"M-1\","
           "\"passcode\":\"0123456789abcdef0123456789abcdef\",\"productGroups\":[";
    bool first = true;
    for (const PlainProduct &g : items) {
        if (g.members.empty())
            continue;
        out += first ? "{" : ",{";
        first = false;
        appendKey(out, "groupId");
        appendInt(out, g.id);
        out += ',';
        appendKey(out, "groupName");
        appendNames(out, g.names);
        out += ',';
        appendKey(out, "lidType");
        appendQuoted(out, g.lid);
        out += ",\"lowerTemp\":";
        appendInt(out, g.lower);
        out += ",\"products\":[";
        for (size_t m = 0; m < g.members.size(); ++m) {
            out += m ? ",{\"productId\":" : "{\"productId\":";
            appendInt(out, g.members[m]);
            out += '}';
        }
        out += "],\"upperTemp\":";
        appendInt(out, g.upper);
        out += ",\"zoneSplits\":\"";
        appendInt(out, g.splits);
        out += "\"}";
    }
    out += "],\"products\":[";
    first = true;
    for (const PlainProduct &p : items) {
        if (!p.members.empty() || p.id == 0)
            continue;
        out += first ? "{" : ",{";
        first = false;
        appendKey(out, "bottomType");
        appendQuoted(out, p.bottom);
        out += ",\"holdTime\":";
        appendInt(out, p.hold);
        out += ',';
        appendKey(out, "lidType");
        appendQuoted(out, p.lid);
        out += ",\"lowerTemp\":";
        appendInt(out, p.lower);
        out += ",\"productId\":";
        appendInt(out, p.id);
        out += ',';
        appendKey(out, "productName");
        appendNames(out, p.names);
        out += ",\"upperTemp\":";
        appendInt(out, p.upper);
        out += ",\"warningTime\":";
        appendInt(out, p.warning);
        out += ",\"zoneSplits\":\"";
        appendInt(out, p.splits);
        out += "\"}";
    }
    out += "],\"serialNumber\":\"SN-1\",\"timestamp\":\"";
    appendInt(out, int(time(nullptr)));
    out += "\"}";
    return out;
}

std::vector<PlainProduct> plainMenu(const QJsonObject &menu)
{
    std::vector<PlainProduct> items;
    const auto read = [&items](const QJsonValue &value, bool group) {
        const QJsonObject o = value.toObject();
        PlainProduct p;
        p.id = o.value(QLatin1String(group ? "groupId" : "productId")).toInt();
        p.lower = o.value(QLatin1String("lowerTemp")).toInt();
        p.upper = o.value(QLatin1String("upperTemp")).toInt();
        p.hold = o.value(QLatin1String("holdingTime")).toInt();
        p.warning = o.value(QLatin1String("warningTime")).toInt();
        p.splits = o.value(QLatin1String("zoneSplits")).toInt(1);
        p.lid = o.value(QLatin1String("lidType")).toString().toStdString();
        p.bottom = o.value(QLatin1String("bottomType")).toString().toStdString();
        const QJsonObject names = o.value(QLatin1String(group ? "groupName" : "productName")).toObject();
        for (const char *code : LanguageCodes)
            p.names.push_back(names.value(QLatin1String(code)).toString(names.value(QLatin1String("eng_USA")).toString()).toStdString());
        for (const QJsonValue &m : o.value(QLatin1String("products")).toArray())
            p.members.push_back(m.toObject().value(QLatin1String("productId")).toInt(m.toInt()));
        if (group && p.members.empty())
            p.members.push_back(0);
        items.push_back(p);
    };
    for (const QJsonValue &v : menu.value(QLatin1String("products")).toArray())
        read(v, false);
    for (const QJsonValue &v : menu.value(QLatin1String("productGroups")).toArray())
        read(v, true);
    return items;
}

// bench_startup --plain <line> <frames> <settings text> <scratch folder>: the start-up's
// floor. Everything it reads is read first; what it prints is the CPU it spent from then
// to the end of the 2 s.
int runPlainStartup(char *argv[])
{
    const std::vector<PlainPoller::Frame> frames = PlainPoller::load(argv[3]);
    QFile settingsFile(QString::fromLocal8Bit(argv[4]));
    QFile menuFile(QStringLiteral(DEFAULT_MENU));
    if (!settingsFile.open(QIODevice::ReadOnly) || !menuFile.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray settingsQt = settingsFile.readAll();
    const std::string settings(settingsQt.constData(), size_t(settingsQt.size()));
    const std::vector<PlainProduct> menu = plainMenu(QJsonDocument::fromJson(menuFile.readAll()).object());
    std::vector<int> bins;
    for (int bin = 0; bin < Bins; ++bin)
        bins.push_back(productOfBin(bin));
    const std::string target = std::string(argv[5]) + "/config.txt";
    const int line = PlainPoller::openLine(argv[2]);
    if (line < 0)
        return 1;

    const int64_t startNs = PlainPoller::nowNs();
    const int64_t cpuBefore = PlainPoller::cpuNs();
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || ::write(fd, settings.data(), settings.size()) != ssize_t(settings.size()) || ::fsync(fd) != 0)
        return 1;
    ::close(fd);
    const std::string event = plainPowerOnEvent(menu, bins);
    PlainPoller::replay(line, frames, startNs, int64_t(AfterMs) * 1000000, 0);
    const int64_t spent = PlainPoller::cpuNs() - cpuBefore;
    std::printf("plain %lld %zu\n", static_cast<long long>(spent), event.size());
    return 0;
}

struct Sample
{
    double ms = -1;
    double cpuAfterMs = -1;
    double peakMiB = -1;
};

Sample measure(const QString &program, const QStringList &args, const QProcessEnvironment &env,
               const char *marker = FirstFrameLine, const std::function<void()> &atMarker = nullptr)
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
        if (atMarker)
            atMarker();
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
    if (argc == 6 && QByteArray(argv[1]) == "--plain")
        return runPlainStartup(argv);

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

    // TUL_BENCH_BINARY: another build of the program, to set two builds side by side.
    const QString cabinetProgram = qEnvironmentVariable("TUL_BENCH_BINARY", QStringLiteral(TUL_BINARY));
    const QStringList cabinetArgs{QStringLiteral("-simulation")};
    const QString tilesProgram = QCoreApplication::applicationFilePath();
    const QStringList tilesArgs{QStringLiteral("--tiles"), names.join(QLatin1Char('\n'))};

    // The frames the cabinet writes in the 2 s after its first frame, for the plain floor.
    QByteArray framesText;
    QElapsedTimer sinceFirstFrame;
    bool recording = false;
    QObject::connect(&boards, &IoBoardSimulator::requestReceived, [&](const QByteArray &frame) {
        if (recording && sinceFirstFrame.elapsed() < AfterMs)
            framesText += QByteArray::number(sinceFirstFrame.nsecsElapsed()) + ' ' + frame.toHex() + '\n';
    });
    QTemporaryFile framesFile;
    if (!framesFile.open())
        return 1;
    const auto measureCabinet = [&](const QProcessEnvironment &e, const char *marker) {
        framesText.clear();
        recording = false;
        const Sample s = measure(cabinetProgram, cabinetArgs, e, marker, [&] {
            sinceFirstFrame.start();
            recording = true;
        });
        recording = false;
        if (!framesText.isEmpty() && framesFile.resize(0) && framesFile.seek(0))
            framesFile.write(framesText), framesFile.flush();
        return s;
    };
    // The plain floor on a line of its own; its CPU in ms, -1 on failure.
    IoBoardSimulator plainBoards;
    if (!plainBoards.open())
        return 1;
    const QString plainFolder = scratch.path() + QStringLiteral("/plain");
    QDir().mkpath(plainFolder);
    int plainFrames = 0;
    size_t plainEventBytes = 0;
    const auto measurePlain = [&]() {
        QProcess plain;
        plain.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--plain"), plainBoards.devicePath(), framesFile.fileName(),
                     root + QStringLiteral("config.txt"), plainFolder});
        QEventLoop loop;
        QObject::connect(&plain, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), &loop, &QEventLoop::quit);
        QTimer::singleShot(TimeoutMs, &loop, &QEventLoop::quit);
        if (plain.state() != QProcess::NotRunning)
            loop.exec();
        const QList<QByteArray> fields = plain.readAllStandardOutput().trimmed().split(' ');
        if (plain.exitCode() != 0 || fields.size() != 3 || fields.at(0) != "plain")
            return -1.0;
        plainFrames = framesText.count('\n');
        plainEventBytes = size_t(fields.at(2).toLongLong());
        return fields.at(1).toLongLong() / 1e6;
    };

    // Warm-up: the first start of each pays for the disk cache (and the cabinet writes its
    // first files) and is not counted.
    QProcessEnvironment backEndEnv = env;
    backEndEnv.insert(QStringLiteral("TUL_NO_SCENE"), QStringLiteral("1"));
    measureCabinet(env, FirstFrameLine);
    measure(tilesProgram, tilesArgs, env);
    if (measurePlain() < 0) {
        std::fprintf(stderr, "bench_startup: the plain floor failed\n");
        return 1;
    }
    QList<Sample> cabinet, tiles, backEnd;
    QVector<double> plainCpu;
    for (int i = 0; i < runs; ++i) {
        // The order swaps every round so that neither side always runs on the cache the
        // other warmed; the plain floor replays the frames of the cabinet's latest run.
        if (i % 2) {
            tiles << measure(tilesProgram, tilesArgs, env);
            plainCpu << measurePlain();
            cabinet << measureCabinet(env, FirstFrameLine);
        } else {
            cabinet << measureCabinet(env, FirstFrameLine);
            tiles << measure(tilesProgram, tilesArgs, env);
            plainCpu << measurePlain();
        }
        // What the back end alone spends in the 2 s after the point where the scene would be
        // made: the links, polls and timers that start then, with nothing on a screen.
        backEnd << measure(cabinetProgram, cabinetArgs, backEndEnv, NoSceneLine);
        if (cabinet.last().ms < 0 || tiles.last().ms < 0 || backEnd.last().ms < 0 || plainCpu.last() < 0)
            return 1;
    }

    // The first frame's ratio depends on how many cores the start-up threads share.
    std::printf("5 x 4 cabinet, a product in every bin, platform %s, %d cores\n",
                qPrintable(env.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("default"))),
                usableCores());
    printRow("first frame", "ms", cabinet, tiles, [](const Sample &s) { return s.ms; }, false, FrameTarget);
    printRow("CPU in the 2 s after the first frame", "ms", cabinet, tiles,
             [](const Sample &s) { return s.cpuAfterMs; }, false, CpuTarget);
    // The honest floor: the window's 2 s plus the plain start-up and polls of the same round.
    QVector<double> cabinetCpu, honest;
    for (int i = 0; i < cabinet.size(); ++i) {
        cabinetCpu << cabinet.at(i).cpuAfterMs;
        honest << tiles.at(i).cpuAfterMs + plainCpu.at(i);
    }
    const double honestRatio = medianOf(cabinetCpu) / medianOf(honest);
    std::printf("  beside window + plain poller + start-up writes (settings file written and synced, power-on\n"
                "  event of %zu bytes built, %d frames replayed): cabinet %.1f / %.1f ms; floor %.1f / %.1f ms "
                "(of which plain %.1f / %.1f ms); ratio %.2f / %.2f x (target <= %.1f x: %s); %d alternated rounds "
                "(min / median)\n",
                plainEventBytes, plainFrames, minOf(cabinetCpu), medianOf(cabinetCpu), minOf(honest), medianOf(honest),
                minOf(plainCpu), medianOf(plainCpu), minOf(cabinetCpu) / minOf(honest), honestRatio, CpuTarget,
                honestRatio <= CpuTarget ? "met" : "NOT met", int(cabinetCpu.size()));
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
