// Prints how long the HACCP log takes to add one record to a year of records, to load
// that log for the screen and to export it as CSV, each beside a floor that does the work
// any program must do for it, measured in the same run and alternated with the program:
//   add:    read the log, write the same bytes plus the record to a new file, fsync, then
//           the same sync and mv (stand-ins unless TUL_TOOLS_DIR says otherwise);
//   load:   read the log and parse it with QJsonDocument;
//   export: read, parse, build the CSV text and write + fsync it.
#include "commandlauncher.h"
#include "filelogworker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <unistd.h>

namespace {

constexpr int kRecords = 200000;
constexpr int kRounds = 7;

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
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()
        || !file.flush() || ::fsync(file.handle()) != 0)
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readOrDie(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

double msSince(const QElapsedTimer &timer) { return timer.nsecsElapsed() / 1e6; }

struct Series
{
    QVector<double> runs;
    void add(double ms) { runs.append(ms); }
    double min() const { return *std::min_element(runs.begin(), runs.end()); }
    double median() const
    {
        QVector<double> sorted = runs;
        std::sort(sorted.begin(), sorted.end());
        const int n = sorted.size();
        return n % 2 ? sorted.at(n / 2) : (sorted.at(n / 2 - 1) + sorted.at(n / 2)) / 2;
    }
};

void print(QTextStream &out, const char *what, const Series &program, const Series &floor)
{
    out << what << ": program " << program.min() << " / " << program.median() << " ms, floor "
        << floor.min() << " / " << floor.median() << " ms (min / median), ratio "
        << program.min() / floor.min() << " / " << program.median() / floor.median() << " x, "
        << program.runs.size() << " alternated rounds\n";
}

// The floor of an add: the bytes any program must write, made durable and moved in place.
void floorAdd(const QString &dir, const QByteArray &record)
{
    QByteArray text = readOrDie(FileLogWorker::logPath());
    text.insert(text.indexOf('[') + 1, record + ',');
    const QString fresh = dir + QStringLiteral("/floor.json.New");
    writeOrDie(fresh, text);
    if (!CommandLauncher::runAndWait(QStringLiteral("/bin/sync")).ok()
        || !CommandLauncher::runAndWait(QStringLiteral("/bin/mv"), {fresh, dir + QStringLiteral("/floor.json")}).ok())
        qFatal("sync or mv failed");
}

QJsonArray floorParse()
{
    return QJsonDocument::fromJson(readOrDie(FileLogWorker::logPath())).object().value("haccpInfo").toArray();
}

void floorExport(const QString &path)
{
    const QJsonArray records = floorParse();
    QByteArray csv("Product Name, Shelf Number, Start Time, Discarded, Total Holding Duration,\n");
    for (const QJsonValue &value : records) {
        const QJsonObject r = value.toObject();
        const QString h = r.value("h").toString();
        csv += (r.value("p").toString() + QLatin1Char(',') + QString::number(r.value("b").toInt() / 4 + 1)
                + QLatin1Char(',') + r.value("d").toString().mid(5) + QLatin1Char(' ')
                + r.value("t").toString().left(5) + QLatin1Char(',')
                + (h == "----" ? h : r.value("e").toBool() ? QStringLiteral("Yes") : QStringLiteral("No"))
                + QLatin1Char(',') + h.left(5) + QStringLiteral(",\n"))
                   .toUtf8();
    }
    writeOrDie(path, csv);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 1;
    const QString dir = scratch.path();
    qputenv("TUL_ROOT_DIR", QFile::encodeName(dir + QStringLiteral("/root/")));
    qputenv("TUL_FLASH_DIR", QFile::encodeName(dir + QStringLiteral("/flash/")));
    qputenv("TUL_TOOLS_LOG", QFile::encodeName(dir + QStringLiteral("/tools.log")));
    // Both sides run the same sync and mv; the stand-ins keep the machine's sync out of it.
    if (qEnvironmentVariableIsEmpty("TUL_TOOLS_DIR"))
        qputenv("TUL_TOOLS_DIR", TUL_STANDINS_DIR);
    QDir().mkpath(dir + QStringLiteral("/flash"));
    QDir().mkpath(FileLogWorker::logDir());
    const QByteArray log = yearOfRecords();
    writeOrDie(FileLogWorker::logPath(), log);

    FileLogWorker worker;
    QString result;
    QObject::connect(&worker, &FileLogWorker::addHaccpDone, [&result](const QString &r) { result = r; });
    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(1);
    out << "HACCP log of " << kRecords << " records, " << log.size() / 1024 << " KiB; sync and mv from "
        << qEnvironmentVariable("TUL_TOOLS_DIR") << "\n";

    HaccpData data;
    data.name = QStringLiteral("Bench");
    data.date = QStringLiteral("2025/01/01");
    data.time = QStringLiteral("06:00:00");
    data.duration = QStringLiteral("----");
    const QByteArray payload = FileLogWorker::packRecord(data);
    const QByteArray stored = R"({"b":0,"d":"2025/01/01","e":false,"h":"----","p":"Bench","t":"06:00:00"})";

    // The first request reads and indexes the log once; every later one works from memory.
    QElapsedTimer timer;
    timer.start();
    worker.doAddHaccpDataLog(payload);
    out << "first add after start (reads the log once): " << msSince(timer) << " ms\n";
    if (result != FileLogWorker::OkResult)
        qFatal("add failed: %s", qPrintable(result));

    Series add, addFloor, load, loadFloor, exported, exportFloor;
    int loaded = 0;
    for (int round = 0; round < kRounds; ++round) {
        timer.restart();
        worker.doAddHaccpDataLog(payload);
        add.add(msSince(timer));
        if (result != FileLogWorker::OkResult)
            qFatal("add failed: %s", qPrintable(result));
        timer.restart();
        floorAdd(dir, stored);
        addFloor.add(msSince(timer));

        QObject context;
        QObject::connect(&worker, &FileLogWorker::retrievAllHaccpDataDone, &context,
                         [&loaded](const QString &, int total) { loaded = total; });
        timer.restart();
        worker.retrieveAllHaccpData(FileLogWorker::packFlag(true));
        load.add(msSince(timer));
        timer.restart();
        loaded -= floorParse().size();
        loadFloor.add(msSince(timer));

        timer.restart();
        worker.doHaccpFileExport(FileLogWorker::packExport(QStringLiteral("BENCH"), 4, 1));
        exported.add(msSince(timer));
        timer.restart();
        floorExport(dir + QStringLiteral("/floor.csv"));
        exportFloor.add(msSince(timer));
        for (const QString &csv : QDir(dir + QStringLiteral("/flash")).entryList({"*.csv"}))
            QFile::remove(dir + QStringLiteral("/flash/") + csv);
    }
    print(out, "add one record  ", add, addFloor);
    print(out, "load all records", load, loadFloor);
    print(out, "export as CSV   ", exported, exportFloor);
    out << "targets: add <= 2 x its floor, load and export <= 2 x theirs\n";
    return loaded == 0 ? 0 : 1;
}
