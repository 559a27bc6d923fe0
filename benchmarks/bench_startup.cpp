// Prints how long `tul -simulation` takes from process start to its first frame on the
// screen (the window's first frameSwapped) and its peak memory (VmHWM), beside a bare
// Qt Quick window of the same size that shows one text from compiled resources. After a
// warm-up of each, the two run alternately; medians, minima and the ratios are printed.
//   bench_startup [runs]          (default 20 runs each, at least 5: the bare window alone
//                                 swings by several ms between runs)
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

const char *const FirstFrameLine = "First frame";
// Peak memory is read this long after the first frame, so that the work a program leaves
// for after its first frame counts too.
constexpr int SettleMs = 2000;
constexpr int TimeoutMs = 30000;

int runBareWindow(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/bench/bare.qml")));
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

long peakKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

struct Sample
{
    double ms = -1;
    long peakKiB = -1;
};

Sample measure(const QString &program, const QStringList &args, const QProcessEnvironment &env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, args);
    QByteArray output;
    Sample sample;
    while (clock.elapsed() < TimeoutMs && process.waitForReadyRead(TimeoutMs)) {
        output += process.readAll();
        if (output.contains(FirstFrameLine)) {
            sample.ms = clock.nsecsElapsed() / 1e6;
            QThread::msleep(SettleMs);
            sample.peakKiB = peakKiB(process.processId());
            break;
        }
    }
    if (sample.ms < 0)
        std::fprintf(stderr, "no first frame from %s:\n%s\n", qPrintable(program), output.right(2000).constData());
    process.kill();
    process.waitForFinished();
    return sample;
}

template <typename T, typename F>
double median(const QList<T> &samples, F field)
{
    QVector<double> v;
    for (const T &s : samples)
        v << double(field(s));
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v.at(v.size() / 2) : (v.at(v.size() / 2 - 1) + v.at(v.size() / 2)) / 2;
}

template <typename T, typename F>
double minimum(const QList<T> &samples, F field)
{
    double m = 1e300;
    for (const T &s : samples)
        m = std::min(m, double(field(s)));
    return m;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && QByteArray(argv[1]) == "--bare")
        return runBareWindow(argc, argv);

    QCoreApplication app(argc, argv);
    // Fewer than five rounds say nothing about a median.
    const int runs = argc > 1 ? std::max(5, QByteArray(argv[1]).toInt()) : 20;
    QTemporaryDir scratch;
    QDir(scratch.path()).mkpath(QStringLiteral("root"));
    QFile::copy(QStringLiteral(SAMPLE_PERSONALITY), scratch.path() + QStringLiteral("/root/sample.hcc"));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TUL_ROOT_DIR"), scratch.path() + QStringLiteral("/root/"));
    env.insert(QStringLiteral("TUL_FLASH_DIR"), scratch.path() + QStringLiteral("/flash/"));
    env.insert(QStringLiteral("TUL_SYSTEM_DIR"), scratch.path() + QStringLiteral("/system/"));
    env.insert(QStringLiteral("TUL_CAN_INTERFACE"), QStringLiteral("tcp://127.0.0.1:35499/can0"));
    if (!env.contains(QStringLiteral("DISPLAY"))) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    }

    const QString cabinetProgram = QStringLiteral(TUL_BINARY);
    const QStringList cabinetArgs{QStringLiteral("-simulation")};
    const QString bareProgram = QCoreApplication::applicationFilePath();
    const QStringList bareArgs{QStringLiteral("--bare")};

    // Warm-up: the first start of each pays for the disk cache and is not counted.
    measure(cabinetProgram, cabinetArgs, env);
    measure(bareProgram, bareArgs, env);
    QList<Sample> cabinet, bare;
    for (int i = 0; i < runs; ++i) {
        cabinet << measure(cabinetProgram, cabinetArgs, env);
        bare << measure(bareProgram, bareArgs, env);
        if (cabinet.last().ms < 0 || bare.last().ms < 0)
            return 1;
    }

    auto ms = [](const Sample &s) { return s.ms; };
    auto mib = [](const Sample &s) { return s.peakKiB / 1024.0; };
    std::printf("%d alternated runs each after a warm-up, platform %s; peak memory %d ms after the first frame\n",
                runs, qPrintable(env.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("default"))),
                SettleMs);
    std::printf("%-22s first frame median %7.1f ms, min %7.1f ms   peak memory median %6.1f MiB, min %6.1f MiB\n",
                "cabinet controller", median(cabinet, ms), minimum(cabinet, ms), median(cabinet, mib),
                minimum(cabinet, mib));
    std::printf("%-22s first frame median %7.1f ms, min %7.1f ms   peak memory median %6.1f MiB, min %6.1f MiB\n",
                "bare Qt Quick window", median(bare, ms), minimum(bare, ms), median(bare, mib),
                minimum(bare, mib));
    std::printf("first-frame ratio: median %.2f, min %.2f   (limit 1.5, goal 1.3)\n",
                median(cabinet, ms) / median(bare, ms), minimum(cabinet, ms) / minimum(bare, ms));
    std::printf("peak-memory ratio: median %.2f, min %.2f   difference: median %+.1f MiB, min %+.1f MiB   (limit +20 MiB)\n",
                median(cabinet, mib) / median(bare, mib), minimum(cabinet, mib) / minimum(bare, mib),
                median(cabinet, mib) - median(bare, mib), minimum(cabinet, mib) - minimum(bare, mib));
    return 0;
}
