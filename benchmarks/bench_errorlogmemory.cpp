// Prints the resident memory that a day's error log of 40 MiB costs, beside an empty log,
// in alternated runs:
//   the error service alone (its worker on its own thread and the screen's copy of the
//       rows) once the start-up load of the logs has ended;
//   the whole program (`tul -simulation`, a 5 x 4 cabinet) 10 s after its start-up
//       summary, its load of the logs long done.
// The log is one file of type-1 lines as a sensor flapping all day would write them; the
// reading cap keeps its newest 32 MiB.
#include "cabinetroot.h"
#include "errorlogfiles.h"
#include "procstat.h"
#include "resident.h"
#include "rounds.h"
#include "tulerrorcontrollert.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

constexpr qint64 kLogBytes = 40 * 1024 * 1024;
constexpr int kSettleMs = 10000;

void writeOrDie(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A day's lines, a second apart and then again from midnight, up to `bytes`.
QByteArray dayOfLines(const QDate &day, qint64 bytes)
{
    QByteArray text;
    text.reserve(int(bytes) + 64);
    for (int i = 0; text.size() < bytes; ++i) {
        const QDateTime when(day, QTime(0, 0).addSecs(i % 86400));
        text += ErrorLogFiles::typeOneLine(when, 2, i % 4, i % 20, 0);
    }
    return text;
}

qint64 ownStatusKiB(const QByteArray &field)
{
    return ProcStat::statusField(QStringLiteral("/proc/self/status"), field);
}

// The child: the service as the program makes it, until its load has ended.
int serviceAlone()
{
    TulErrorControllerT service(nullptr);
    QElapsedTimer clock;
    clock.start();
    while (service.errorsLogSummary() == QLatin1String("reading the errors log") && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    QCoreApplication::processEvents(); // the screen's copy of the rows
    QTextStream(stdout) << ownStatusKiB("VmRSS") << ' ' << ownStatusKiB("VmHWM") << ' '
                        << service.get_errorsLogListCount() << '\n';
    return 0;
}

void measureService(const QString &dir, const QByteArray &log, Resident *out)
{
    const auto run = [&](bool withLog, QVector<double> *rss, QVector<double> *peak) {
        const QString root = dir + (withLog ? "/service-with/" : "/service-without/");
        QDir(root).removeRecursively();
        QDir().mkpath(root + "errorLogs");
        if (withLog)
            writeOrDie(root + "errorLogs/el" + QDate::currentDate().toString("yyMMdd") + ".txt", log);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TUL_ROOT_DIR", root);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {"--service"});
        if (!child.waitForFinished(180000) || child.exitCode() != 0)
            qFatal("the service run failed: %s", child.readAllStandardError().constData());
        const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
        *rss << fields.value(0).toDouble() / 1024;
        *peak << fields.value(1).toDouble() / 1024;
        if (withLog)
            out->records = fields.value(2).toInt();
    };
    for (int i = 0; i < Rounds::minimum; ++i) {
        run(i % 2 == 0, i % 2 == 0 ? &out->with : &out->without, i % 2 == 0 ? &out->peakWith : &out->peakWithout);
        run(i % 2 != 0, i % 2 != 0 ? &out->with : &out->without, i % 2 != 0 ? &out->peakWith : &out->peakWithout);
    }
}

void measureProgram(const QString &dir, const QByteArray &log, Resident *out)
{
    const auto run = [&](bool withLog, QVector<double> *rss, QVector<double> *peak) {
        const QString scratch = dir + (withLog ? "/program-with" : "/program-without");
        const QString root = scratch + "/root/";
        QDir(scratch).removeRecursively();
        QDir().mkpath(root + "errorLogs");
        if (!QFile::copy(QStringLiteral(PERSONALITY), root + QFileInfo(QStringLiteral(PERSONALITY)).fileName()))
            qFatal("cannot copy the personality");
        writeOrDie(root + "serialModelNums.txt", "serialNumber=SN-1\nmodelNumber=M-1\n");
        writeOrDie(root + "dayParts.json", CabinetRoot::dayPartsJson(20, [](int bin) { return bin / 2 % 11 + 1; }));
        if (withLog)
            writeOrDie(root + "errorLogs/el" + QDate::currentDate().toString("yyMMdd") + ".txt", log);
        QProcessEnvironment env = CabinetRoot::environment(scratch, root, CabinetRoot::freeCanBus());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_QUICK_BACKEND", "software");
        QProcess cabinet;
        cabinet.setProcessEnvironment(env);
        cabinet.setProcessChannelMode(QProcess::MergedChannels);
        cabinet.start(QStringLiteral(TUL_BINARY), {QStringLiteral("-simulation")});
        if (!cabinet.waitForStarted())
            qFatal("the program did not start");
        // The summary is logged once, after the start-up synchronisation (the log may still be
        // reading then); the load has ended well within the settling time after it.
        QByteArray output;
        QElapsedTimer clock;
        clock.start();
        while (!output.contains("alarms: ") && clock.elapsed() < 120000) {
            cabinet.waitForReadyRead(200);
            output += cabinet.readAll();
        }
        QEventLoop loop;
        QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit);
        loop.exec();
        const qint64 resident = ProcStat::statusField(QStringLiteral("/proc/%1/status").arg(cabinet.processId()), "VmRSS");
        const qint64 high = ProcStat::peakKiB(cabinet.processId());
        cabinet.kill();
        cabinet.waitForFinished();
        if (resident < 0 || high < 0)
            qFatal("the program ended before its memory was read");
        *rss << resident / 1024.0;
        *peak << high / 1024.0;
    };
    for (int i = 0; i < Rounds::minimum; ++i) {
        run(i % 2 == 0, i % 2 == 0 ? &out->with : &out->without, i % 2 == 0 ? &out->peakWith : &out->peakWithout);
        run(i % 2 != 0, i % 2 != 0 ? &out->with : &out->without, i % 2 != 0 ? &out->peakWith : &out->peakWithout);
    }
}


} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--service")))
        return serviceAlone();
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 1;
    const QByteArray log = dayOfLines(QDate::currentDate(), kLogBytes);
    QTextStream out(stdout);
    Resident service;
    measureService(scratch.path(), log, &service);
    out << service.report(QStringLiteral("the error service alone"), QStringLiteral("with a 40 MiB error log"), QStringLiteral("with an empty one"));
    out << "  records held: " << service.records << " (of the newest " << ErrorLogFiles::MaxLogBytes / (1024 * 1024)
        << " MiB)\n";
    out.flush();
    Resident program;
    measureProgram(scratch.path(), log, &program);
    out << program.report(QStringLiteral("the whole program"), QStringLiteral("with a 40 MiB error log"), QStringLiteral("with an empty one"));
    out << "target: resident <= +90 MiB with the 40 MiB log over the same program with an empty one\n";
    return 0;
}
