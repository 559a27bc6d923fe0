// Prints how long the program takes from process start to a loaded scene, and its
// resident memory then, beside the same figures for a bare Qt Quick window.
//   bench_startup [runs]          (default 5 runs each)
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

const char *const LoadedLine = "Scene loaded";

// The bare window: what any Qt Quick program of this size costs.
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

long residentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

struct Sample
{
    double ms = -1;
    long rssKiB = -1;
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
    while (clock.elapsed() < 30000 && process.waitForReadyRead(30000)) {
        output += process.readAll();
        if (output.contains(LoadedLine)) {
            sample.ms = clock.nsecsElapsed() / 1e6;
            QThread::msleep(300); // let the first frames settle before reading the memory
            sample.rssKiB = residentKiB(process.processId());
            break;
        }
    }
    process.kill();
    process.waitForFinished();
    return sample;
}

void report(const char *name, QList<Sample> samples)
{
    std::sort(samples.begin(), samples.end(), [](const Sample &a, const Sample &b) { return a.ms < b.ms; });
    const Sample &median = samples.at(samples.size() / 2);
    std::printf("%-22s median start-up %8.1f ms   (min %7.1f, max %7.1f)   resident %7.1f MiB\n", name,
                median.ms, samples.first().ms, samples.last().ms, median.rssKiB / 1024.0);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && QByteArray(argv[1]) == "--bare")
        return runBareWindow(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 5;
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

    QList<Sample> cabinet, bare;
    for (int i = 0; i < runs; ++i) {
        cabinet << measure(QStringLiteral(TUL_BINARY), {QStringLiteral("-simulation")}, env);
        bare << measure(QCoreApplication::applicationFilePath(), {QStringLiteral("--bare")}, env);
    }
    std::printf("%d runs each, platform %s\n", runs,
                qPrintable(env.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("default"))));
    report("cabinet controller", cabinet);
    report("bare Qt Quick window", bare);
    return 0;
}
