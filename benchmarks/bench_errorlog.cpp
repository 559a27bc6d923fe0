// Prints how long the error service takes to append one error line to the weekly log
// and to load a year of weekly logs (52 files of 200 lines) into the error-log list.
#include "errorlogfiles.h"
#include "tulerrorcontroller.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

void writeYear(const QString &dir)
{
    QDir().mkpath(dir);
    const QDate first(2025, 1, 6); // a Monday
    for (int week = 0; week < 52; ++week) {
        const QDate day = first.addDays(7 * week);
        QByteArray text;
        for (int i = 0; i < 200; ++i) {
            const QDateTime when(day.addDays(i % 7), QTime(i % 24, i % 60, (i * 7) % 60));
            text += ErrorLogFiles::typeOneLine(when, 2 + i % 5, i % 4, i % 20, 0);
        }
        QFile file(dir + QStringLiteral("el%1.txt").arg(day.toString(QStringLiteral("yyMMdd"))));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write the benchmark logs");
    }
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

    const int appends = 200;
    const QString file = ErrorLogFiles::chooseLogFile(QDate::currentDate());
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < appends; ++i) {
        const QString chosen = ErrorLogFiles::chooseLogFile(QDate::currentDate());
        ErrorLogFiles::appendLine(chosen, ErrorLogFiles::typeOneLine(QDateTime::currentDateTime(), 2, 0, i % 20, 0));
    }
    out << "append one error line (choose file, append, fsync): "
        << double(clock.nsecsElapsed()) / appends / 1000.0 << " us\n";
    QFile::remove(file);

    writeYear(ErrorLogFiles::logDir());
    TulErrorController::CabinetValues values;
    TulErrorController worker(values);
    worker.prepareSm();
    const int loads = 5;
    qint64 total = 0;
    for (int i = 0; i < loads; ++i) {
        worker.clearErrorLogList();
        clock.restart();
        worker.retrieveAllErrorLogs();
        total += clock.nsecsElapsed();
    }
    out << "load a year of weekly logs (52 files x 200 lines, " << worker.get_errorsLogListCount()
        << " records): " << double(total) / loads / 1e6 << " ms\n";
    return 0;
}
