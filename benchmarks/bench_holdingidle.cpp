// Prints the CPU time the program takes while it idles with all 20 bins of a 5 x 4
// cabinet holding, beside that of an idle bare Qt Quick window, each measured over the
// same interval after the same settling period.
//   bench_holdingidle [interval s] [settling s]     (defaults 20 and 5)
// The simulated IO board and NFC readers run inside the program and are counted with it.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QTcpServer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

const char *const LoadedLine = "Scene loaded";
constexpr int Bins = 20;
constexpr int BinsPerZone = 2;
constexpr int ReadyToHold = 4;
constexpr int FirstHoldingState = 6; // standard, warning and discard are all holding
constexpr int LastHoldingState = 8;
constexpr double TargetPercent = 0.5;

int runBareWindow(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData("import QtQuick 2.15\nimport QtQuick.Window 2.15\n"
                    "Window { visible: true; width: 800; height: 480; color: \"black\" }");
    std::fprintf(stderr, "%s\n", LoadedLine);
    std::fflush(stderr);
    return app.exec();
}

// Each zone holds one product in both its bins, as a kitchen loads a cabinet: zone z
// gets product z + 1 of the default menu (hold times 900 to 2400 s).
int productOfBin(int bin)
{
    return bin / BinsPerZone % 11 + 1;
}

QByteArray dayPartsJson()
{
    QJsonArray locations;
    for (int bin = 0; bin < Bins; ++bin) // the file counts bins from 1
        locations.append(QJsonObject{{QStringLiteral("bin"), bin + 1}, {QStringLiteral("productId"), productOfBin(bin)}});
    const QJsonObject dayPart{{QStringLiteral("daypartName"), QJsonObject{{QStringLiteral("eng_USA"), QStringLiteral("All day")}}},
                              {QStringLiteral("inUse"), true},
                              {QStringLiteral("productLocations"), locations}};
    return QJsonDocument(QJsonObject{{QStringLiteral("dayPartVersion"), 1},
                                     {QStringLiteral("layout"), QJsonArray{dayPart}}})
        .toJson();
}

// (lower, upper) set temperature of a product of the default menu; (0, 0) if unknown.
QPair<int, int> productTemperatures(int productId)
{
    QFile file(QStringLiteral(DEFAULT_MENU));
    if (!file.open(QIODevice::ReadOnly))
        return {0, 0};
    const QJsonArray products = QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String("products")).toArray();
    for (const QJsonValue &value : products) {
        const QJsonObject p = value.toObject();
        if (p.value(QLatin1String("productId")).toInt() == productId)
            return {p.value(QLatin1String("lowerTemp")).toInt(), p.value(QLatin1String("upperTemp")).toInt()};
    }
    return {0, 0};
}

// utime + stime of a process, in clock ticks; -1 when it cannot be read.
long long cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // The command name may hold spaces and parentheses: the fields follow its last ')'.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return fields.at(11).toLongLong() + fields.at(12).toLongLong(); // fields 14 and 15
}

// A child whose merged output is drained all the time, so that it never blocks on a
// full pipe, and whose console answers ("sim: ...") are picked out of its log.
class Child
{
public:
    Child(const QString &program, const QStringList &args, const QProcessEnvironment &env)
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

    qint64 pid() const { return m_process.processId(); }
    bool running() const { return m_process.state() == QProcess::Running; }

    // Reads output for `ms`, or until `line` has been seen when it is not empty.
    bool pump(int ms, const QByteArray &line = QByteArray())
    {
        QElapsedTimer clock;
        clock.start();
        while (!(line.size() && m_seen.contains(line))) {
            const qint64 left = ms - clock.elapsed();
            if (left <= 0 || !running())
                return line.isEmpty() && running();
            m_process.waitForReadyRead(int(left));
            take();
        }
        return true;
    }

    // One console command and its answer, without "sim: "; empty on no answer.
    QString ask(const QByteArray &command)
    {
        m_answers.clear();
        m_process.write(command + '\n');
        QElapsedTimer clock;
        clock.start();
        while (m_answers.isEmpty() && clock.elapsed() < 5000 && running()) {
            m_process.waitForReadyRead(int(5000 - clock.elapsed()));
            take();
        }
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }

private:
    void take()
    {
        m_pending += m_process.readAll();
        int end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            const QByteArray line = m_pending.left(end);
            m_pending.remove(0, end + 1);
            if (line.startsWith("sim: "))
                m_answers << QString::fromUtf8(line.mid(5));
            else if (line.startsWith(LoadedLine))
                m_seen << LoadedLine;
        }
    }

    QProcess m_process;
    QByteArray m_pending;
    QStringList m_answers;
    QList<QByteArray> m_seen;
};

struct BinState
{
    int state = -1;
    int remaining = -1;
    int product = -1;
};

// "bin <b> state <code> remaining <s> product <id>"
BinState binState(Child &cabinet, int bin)
{
    const QStringList words = cabinet.ask("state " + QByteArray::number(bin)).split(QLatin1Char(' '));
    BinState s;
    if (words.size() == 8 && words.at(0) == QLatin1String("bin") && words.at(1).toInt() == bin) {
        s.state = words.at(3).toInt();
        s.remaining = words.at(5).toInt();
        s.product = words.at(7).toInt();
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
QList<int> waitForBins(Child &cabinet, int ms, Done done)
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
        cabinet.pump(500);
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

struct Usage
{
    long long ticks = -1;
    double seconds = 0;
    double percent() const { return seconds > 0 ? 100.0 * ticks / double(sysconf(_SC_CLK_TCK)) / seconds : 0; }
};

Usage measure(Child &child, int settleMs, int intervalMs)
{
    Usage usage;
    if (!child.pump(settleMs))
        return usage;
    const long long before = cpuTicks(child.pid());
    QElapsedTimer clock;
    clock.start();
    const bool alive = child.pump(intervalMs);
    const long long after = cpuTicks(child.pid());
    usage.seconds = clock.nsecsElapsed() / 1e9;
    if (alive && before >= 0 && after >= before)
        usage.ticks = after - before;
    return usage;
}

int fail(const QString &what)
{
    std::fprintf(stderr, "bench_holdingidle: %s\n", qPrintable(what));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && QByteArray(argv[1]) == "--bare")
        return runBareWindow(argc, argv);

    QCoreApplication app(argc, argv);
    const int intervalS = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 20;
    const int settleS = argc > 2 ? std::max(0, QByteArray(argv[2]).toInt()) : 5;

    QTemporaryDir scratch;
    const QString base = scratch.path();
    for (const char *dir : {"root", "flash", "system"})
        QDir(base).mkpath(QLatin1String(dir));
    QFile dayParts(base + QStringLiteral("/root/dayParts.json"));
    if (!QFile::copy(QStringLiteral(PERSONALITY), base + QStringLiteral("/root/5x4_primary_nfc.hcc"))
        || !dayParts.open(QIODevice::WriteOnly) || dayParts.write(dayPartsJson()) < 0 || !dayParts.flush())
        return fail(QStringLiteral("cannot seed the data root in %1").arg(base));
    dayParts.close();

    QTcpServer probe; // a free port for the virtual CAN bus, which the program serves itself
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 canPort = probe.serverPort();
    probe.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TUL_ROOT_DIR"), base + QStringLiteral("/root/"));
    env.insert(QStringLiteral("TUL_FLASH_DIR"), base + QStringLiteral("/flash/"));
    env.insert(QStringLiteral("TUL_SYSTEM_DIR"), base + QStringLiteral("/system/"));
    env.insert(QStringLiteral("TUL_TOOLS_DIR"), QStringLiteral(TUL_SOURCE_DIR "/tools/standins"));
    env.insert(QStringLiteral("TUL_TOOLS_LOG"), base + QStringLiteral("/tools.log"));
    env.insert(QStringLiteral("TUL_CAN_INTERFACE"), QStringLiteral("tcp://127.0.0.1:%1/can0").arg(canPort));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));

    Usage cabinetUsage;
    {
        Child cabinet(QStringLiteral(TUL_BINARY), {QStringLiteral("-simulation")}, env);
        if (!cabinet.pump(30000, LoadedLine))
            return fail(QStringLiteral("the program did not load its scene within 30 s"));
        QList<int> missing = waitForBins(cabinet, 20000, [](const BinState &s) { return s.product > 0; });
        if (!missing.isEmpty())
            return fail(QStringLiteral("no product from the day parts in bins %1").arg(binList(missing)));
        // Zones at their products' temperatures at once rather than after minutes of
        // simulated warming, so that no zone leaves preheating while being measured.
        for (int zone = 0; zone < Bins / BinsPerZone; ++zone) {
            const QPair<int, int> temps = productTemperatures(productOfBin(zone * BinsPerZone));
            cabinet.ask("temp " + QByteArray::number(2 * zone) + ' ' + QByteArray::number(temps.first));
            cabinet.ask("temp " + QByteArray::number(2 * zone + 1) + ' ' + QByteArray::number(temps.second));
        }
        missing = waitForBins(cabinet, 30000, [](const BinState &s) { return s.state == ReadyToHold; });
        if (!missing.isEmpty())
            std::fprintf(stderr, "bench_holdingidle: bins %s not ready to hold; tapping them anyway\n",
                         qPrintable(binList(missing)));
        for (int bin = 0; bin < Bins; ++bin)
            cabinet.ask("tap " + QByteArray::number(bin));
        missing = waitForBins(cabinet, 10000, isHolding);
        if (!missing.isEmpty())
            return fail(QStringLiteral("bins %1 are not holding after a tap").arg(binList(missing)));

        cabinetUsage = measure(cabinet, settleS * 1000, intervalS * 1000);
        if (cabinetUsage.ticks < 0)
            return fail(QStringLiteral("the program's CPU time could not be read (did it end?)"));
        missing = waitForBins(cabinet, 0, isHolding);
        if (!missing.isEmpty())
            return fail(QStringLiteral("bins %1 stopped holding while being measured").arg(binList(missing)));
    }

    Usage bareUsage;
    {
        Child bare(QCoreApplication::applicationFilePath(), {QStringLiteral("--bare")}, env);
        if (!bare.pump(30000, LoadedLine))
            return fail(QStringLiteral("the bare window did not load within 30 s"));
        bareUsage = measure(bare, settleS * 1000, intervalS * 1000);
        if (bareUsage.ticks < 0)
            return fail(QStringLiteral("the bare window's CPU time could not be read (did it end?)"));
    }

    const long tick = sysconf(_SC_CLK_TCK);
    std::printf("Idle CPU time, %d s measured after %d s settling, offscreen, software scene graph\n", intervalS,
                settleS);
    std::printf("(1 tick = %.1f ms: the figures move in steps of %.3f %% of one core)\n", 1000.0 / tick,
                100.0 / tick / intervalS);
    std::printf("%-44s %7.3f %% of one core  (%lld ticks in %.2f s)\n",
                "cabinet controller, all 20 bins holding", cabinetUsage.percent(), cabinetUsage.ticks,
                cabinetUsage.seconds);
    std::printf("%-44s %7.3f %% of one core  (%lld ticks in %.2f s)\n", "bare Qt Quick window 800x480",
                bareUsage.percent(), bareUsage.ticks, bareUsage.seconds);
    const double difference = cabinetUsage.percent() - bareUsage.percent();
    if (bareUsage.ticks > 0)
        std::printf("difference %+.3f %% of one core, ratio %.1f x the bare window\n", difference,
                    cabinetUsage.percent() / bareUsage.percent());
    else
        std::printf("difference %+.3f %% of one core, ratio n/a (the bare window used no measurable CPU)\n",
                    difference);
    std::printf("target: at most %.1f %% of one core for the cabinet controller: %s\n", TargetPercent,
                cabinetUsage.percent() <= TargetPercent ? "met" : "NOT met");
    return 0;
}
