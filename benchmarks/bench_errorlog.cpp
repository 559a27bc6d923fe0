// Prints how long the error service takes to load a year of weekly logs (52 files of
// 200 lines), to refresh the Errors Log (the clear, the load and the copy into the
// panel's model) and to append one line to that full folder, each the median of runs
// alternated with its floor: a plain parse of the same files (read, decode, split into
// lines and fields), or a plain append of the same line with fsync.
#include "errorinfomodel.h"
#include "errorlogfiles.h"
#include "tulerrorcontroller.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

#include <unistd.h>

namespace {

constexpr int kWeeks = 52;
constexpr int kLinesPerWeek = 200;
constexpr int kRuns = 21;

void writeYear(const QString &dir)
{
    QDir().mkpath(dir);
    const QDate first(2025, 1, 6); // a Monday
    for (int week = 0; week < kWeeks; ++week) {
        const QDate day = first.addDays(7 * week);
        QByteArray text;
        for (int i = 0; i < kLinesPerWeek; ++i) {
            const QDateTime when(day.addDays(i % 7), QTime(i % 24, i % 60, (i * 7) % 60));
            text += ErrorLogFiles::typeOneLine(when, 2 + i % 5, i % 4, i % 20, 0);
        }
        QFile file(dir + QStringLiteral("el%1.txt").arg(day.toString(QStringLiteral("yyMMdd"))));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write the benchmark logs");
    }
}

// The floor of a load: every file read and decoded, every line split into its fields.
int plainParse(const QString &dir)
{
    int fields = 0;
    const QStringList names = QDir(dir).entryList(QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QFile file(dir + name);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(name));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            const QStringList parts = line.split(QLatin1Char(';'));
            if (parts.size() == 3)
                fields += 2 + parts.at(2).split(QLatin1Char('\t')).size();
        }
    }
    return fields;
}

bool plainAppend(const QString &path, const QByteArray &line)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write(line) == line.size()
        && file.flush() && ::fsync(file.handle()) == 0;
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v.at(v.size() / 2) : (v.at(v.size() / 2 - 1) + v.at(v.size() / 2)) / 2;
}

double timeMs(const std::function<void()> &f)
{
    QElapsedTimer clock;
    clock.start();
    f();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 1;
    qputenv("TUL_ROOT_DIR", QFile::encodeName(scratch.path() + QStringLiteral("/")));
    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);

    const QString dir = ErrorLogFiles::logDir();
    writeYear(dir);
    TulErrorController::CabinetValues values;
    TulErrorController worker(values);
    worker.prepareSm();
    ErrorInfoModel panelModel; // the facade's copy that the panel shows

    // A warm-up of each, then the runs alternated so that neither gets the warmer cache.
    QVector<double> plain, load, refresh;
    int fields = plainParse(dir);
    worker.clearErrorLogList();
    worker.retrieveAllErrorLogs();
    for (int run = 0; run < kRuns; ++run) {
        plain.append(timeMs([&] { fields = plainParse(dir); }));
        worker.clearErrorLogList();
        load.append(timeMs([&] { worker.retrieveAllErrorLogs(); }));
        refresh.append(timeMs([&] {
            worker.clearErrorLogList();
            worker.retrieveAllErrorLogs();
            panelModel.updateFromModel(worker.get_errorInfoModel());
        }));
    }
    const int records = worker.get_errorsLogListCount();
    if (records != kWeeks * kLinesPerWeek || panelModel.rowCount() != records)
        qFatal("loaded %d records, the panel shows %d", records, panelModel.rowCount());

    // Appends go to this week's new file beside the year of files.
    QVector<double> append, plainAppends;
    const QString baseFile = scratch.path() + QStringLiteral("/plain.txt");
    for (int run = 0; run < kRuns; ++run) {
        const QByteArray line = ErrorLogFiles::typeOneLine(QDateTime::currentDateTime(), 2, 0, run % 20, 0);
        append.append(timeMs([&] {
            if (!ErrorLogFiles::appendLine(ErrorLogFiles::chooseLogFile(QDate::currentDate()), line))
                qFatal("cannot append");
        }));
        plainAppends.append(timeMs([&] {
            if (!plainAppend(baseFile, line))
                qFatal("cannot append");
        }));
    }

    const double plainMs = median(plain);
    out.setRealNumberPrecision(2);
    out << "a year of error logs: " << kWeeks << " files x " << kLinesPerWeek << " lines, " << records
        << " records (" << fields << " fields); medians of " << kRuns << " alternated runs\n";
    out << "plain parse (read, decode, split lines and fields): " << plainMs << " ms\n";
    out << "load all logs:                 " << median(load) << " ms; ratio " << median(load) / plainMs << "\n";
    out << "refresh (clear, load, copy):   " << median(refresh) << " ms; ratio " << median(refresh) / plainMs << "\n";
    out << "append one line to the full folder (choose file, append, fsync): " << median(append) * 1000
        << " us; plain append with fsync " << median(plainAppends) * 1000 << " us; ratio "
        << median(append) / median(plainAppends) << "\n";
    return 0;
}
