// Prints how long the HACCP log takes to add one record to a year of records, to load
// that log for the screen and to export it as CSV, each beside the time QFile alone takes
// to read and write the same bytes.
#include "filelogworker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <unistd.h>

namespace {

constexpr int kRecords = 200000;

QByteArray yearOfRecords()
{
    QByteArray records;
    records.reserve(kRecords * 96);
    for (int i = 0; i < kRecords; ++i) {
        const QDate day = QDate(2025, 1, 1).addDays(364 - i * 365 / kRecords);
        records += QStringLiteral(R"(%1{"b":%2,"d":"%3","e":%4,"h":"00:%5:10","p":"Product %6","t":"%7:%5:03"})")
                       .arg(i ? "," : "").arg(i % 20).arg(day.toString("yyyy/MM/dd"))
                       .arg(i % 3 ? "false" : "true").arg(10 + i % 50, 2, 10, QLatin1Char('0'))
                       .arg(i % 40).arg(6 + i % 16, 2, 10, QLatin1Char('0'))
                       .toUtf8();
    }
    return R"({"desc":"HACCP Data Log","haccpInfo":[)" + records + "]}";
}

void writeOrDie(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.flush()
        || ::fsync(file.handle()) != 0)
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readOrDie(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

double ms(QElapsedTimer &timer) { return timer.nsecsElapsed() / 1e6; }

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 1;
    qputenv("TUL_ROOT_DIR", QFile::encodeName(scratch.path() + QStringLiteral("/root/")));
    qputenv("TUL_FLASH_DIR", QFile::encodeName(scratch.path() + QStringLiteral("/flash/")));
    QDir().mkpath(scratch.path() + QStringLiteral("/flash"));
    QDir().mkpath(FileLogWorker::logDir());
    const QByteArray log = yearOfRecords();
    writeOrDie(FileLogWorker::logPath(), log);

    FileLogWorker worker;
    QTextStream out(stdout);
    out << "HACCP log of " << kRecords << " records, " << log.size() / 1024 << " KiB\n";

    // Baseline: the bytes of the log read and written again with QFile alone.
    QElapsedTimer timer;
    timer.start();
    writeOrDie(scratch.path() + QStringLiteral("/copy"), readOrDie(FileLogWorker::logPath()));
    const double copyMs = ms(timer);
    timer.restart();
    const QByteArray again = readOrDie(FileLogWorker::logPath());
    const double readMs = ms(timer);

    constexpr int adds = 5;
    HaccpData data;
    data.name = QStringLiteral("Bench");
    data.date = QStringLiteral("2025/01/01");
    data.time = QStringLiteral("06:00:00");
    data.duration = QStringLiteral("----");
    timer.restart();
    for (int i = 0; i < adds; ++i)
        worker.doAddHaccpDataLog(FileLogWorker::packRecord(data));
    const double addMs = ms(timer) / adds;

    timer.restart();
    worker.retrieveAllHaccpData(FileLogWorker::packFlag(true));
    const double loadMs = ms(timer);

    QByteArray csvBytes;
    timer.restart();
    worker.doHaccpFileExport(FileLogWorker::packExport(QStringLiteral("BENCH"), 4, 1));
    const double exportMs = ms(timer);
    const QStringList csv = QDir(scratch.path() + QStringLiteral("/flash")).entryList({"*.csv"});
    if (csv.size() == 1)
        csvBytes = readOrDie(scratch.path() + QStringLiteral("/flash/") + csv.first());
    timer.restart();
    readOrDie(FileLogWorker::logPath());
    writeOrDie(scratch.path() + QStringLiteral("/copy.csv"), csvBytes);
    const double exportBaseMs = ms(timer);

    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(1);
    out << "add one record:   " << addMs << " ms; QFile read+write of the log " << copyMs
        << " ms; ratio " << addMs / copyMs << "\n";
    out << "load all records: " << loadMs << " ms; QFile read of the log " << readMs
        << " ms; ratio " << loadMs / readMs << "\n";
    out << "export as CSV:    " << exportMs << " ms; QFile read of the log + write of the CSV "
        << exportBaseMs << " ms; ratio " << exportMs / exportBaseMs << "\n";
    return again.size() == log.size() ? 0 : 1;
}
