// Prints how the HACCP log does with a year of records beside floors that do the same
// useful work in the plainest way, each alternated with the program in the same run:
//   clean-up after start: a fresh worker removes the oldest day; floor: read the file,
//       parse it into the same records, drop that day, write the same bytes in pieces to
//       a new file, fsync, then the same sync and mv (stand-ins unless TUL_TOOLS_DIR says
//       otherwise);
//   first request after start: a fresh worker answers the screen's 250 rows and the
//       total; floor: read, parse into the same records, build the 250 rows;
//   add: one record into the log in memory; floor: the log's bytes plus the record
//       written, fsync'ed, synced and moved;
//   load all: every record in display form, the log in memory; floor: the same list
//       built from the floor's records;
//   export: the CSV of the log in memory; floor: the same CSV text written and fsync'ed.
// Then the resident memory of a process whose worker (on its own thread, as in the
// program) has done the clean-up of a year's log, beside the same process without a log;
// and the same for the whole program (`tul -simulation`, a 5 x 4 cabinet), 15 s after its
// start, its clean-up of a year's log up to yesterday done 10 s after start.
#include "cabinetroot.h"
#include "commandlauncher.h"
#include "filelogworker.h"
#include "procstat.h"
#include "resident.h"
#include "rounds.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstring>
#include <functional>
#include <unistd.h>

namespace {

constexpr int kRecords = 200000;
constexpr int kRounds = 7;
const QString kCutoff = QStringLiteral("2025/01/02"); // drops the oldest day

// A year of records, newest first, from `first` + 364 days down to `first`.
QByteArray yearOfRecords(const QDate &first)
{
    QByteArray records;
    records.reserve(kRecords * 96);
    for (int i = 0; i < kRecords; ++i) {
        const QDate day = first.addDays(364 - i * 365 / kRecords);
        records += QStringLiteral(R"(%1{"b":%2,"d":"%3","e":%4,"h":"00:%5:10","p":"Product %6","t":"%7:%5:03"})")
                       .arg(i ? "," : "").arg(i % 20).arg(day.toString("yyyy/MM/dd"))
                       .arg(i % 3 ? "false" : "true").arg(10 + i % 50, 2, 10, QLatin1Char('0'))
                       .arg(i % 40).arg(6 + i % 16, 2, 10, QLatin1Char('0'))
                       .toUtf8();
    }
    return R"({"desc":"HACCP Data Log","haccpInfo":[)" + records + "]}";
}

void writeOrDie(const QString &path, const QByteArray &data, bool durable)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()
        || !file.flush() || (durable && ::fsync(file.handle()) != 0))
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readOrDie(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

void syncAndMove(const QString &from, const QString &to)
{
    if (!CommandLauncher::runAndWait(QStringLiteral("/bin/sync")).ok()
        || !CommandLauncher::runAndWait(QStringLiteral("/bin/mv"), {from, to}).ok())
        qFatal("sync or mv failed");
}

// ---- the floor: the plainest reader and writer of this log's own records ----------------

struct FloorRecord
{
    int name;      // offset in the name bytes
    int nameSize;
    int bin;
    int year, month, day;
    int hour, minute, second;
    int hours, minutes, seconds; // hours < 0: open
    bool expired;
};

struct FloorLog
{
    QVector<FloorRecord> records; // newest first
    QByteArray names;
};

int number(const char *&p)
{
    int v = 0;
    const bool negative = *p == '-';
    p += negative;
    while (*p >= '0' && *p <= '9')
        v = v * 10 + (*p++ - '0');
    return negative ? -v : v;
}

int twoDigits(const char *p) { return (p[0] - '0') * 10 + (p[1] - '0'); }

FloorLog floorParse(const QByteArray &text)
{
    FloorLog log;
    log.records.reserve(text.size() / 80);
    const char *p = text.constData() + text.indexOf('[') + 1;
    while (*p == '{') {
        FloorRecord r;
        p += 5; // {"b":
        r.bin = number(p);
        p += 6; // ,"d":"
        r.year = (p[0] - '0') * 1000 + (p[1] - '0') * 100 + twoDigits(p + 2);
        r.month = twoDigits(p + 5);
        r.day = twoDigits(p + 8);
        p += 10 + 6; // ","e":
        r.expired = *p == 't';
        p += r.expired ? 4 : 5;
        p += 6; // ,"h":"
        if (*p == '-') {
            r.hours = -1;
            p += 4;
        } else {
            r.hours = number(p);
            r.minutes = twoDigits(p + 1);
            r.seconds = twoDigits(p + 4);
            p += 6;
        }
        p += 7; // ","p":"
        const char *end = static_cast<const char *>(memchr(p, '"', 4096));
        r.name = log.names.size();
        r.nameSize = int(end - p);
        log.names.append(p, r.nameSize);
        p = end + 7; // ","t":"
        r.hour = twoDigits(p);
        r.minute = twoDigits(p + 3);
        r.second = twoDigits(p + 6);
        p += 10; // "}
        log.records.append(r);
        if (*p == ',')
            ++p;
    }
    return log;
}

char *put2(char *q, int v)
{
    *q++ = char('0' + v / 10 % 10);
    *q++ = char('0' + v % 10);
    return q;
}

char *putNumber(char *q, int v)
{
    char digits[12];
    int n = 0;
    const bool negative = v < 0;
    unsigned u = negative ? 0u - unsigned(v) : unsigned(v);
    do {
        digits[n++] = char('0' + u % 10);
        u /= 10;
    } while (u);
    if (negative)
        *q++ = '-';
    while (n)
        *q++ = digits[--n];
    return q;
}

char *put(char *q, const char *text, int size)
{
    memcpy(q, text, size_t(size));
    return q + size;
}

// The log's text in pieces of about 64 KiB, as a plain writer would send them to a file.
void floorPieces(const FloorLog &log, const std::function<void(const QByteArray &)> &sink)
{
    QByteArray text;
    text.reserve(70 * 1024);
    text += R"({"desc":"HACCP Data Log","haccpInfo":[)";
    char line[128];
    for (int i = 0; i < log.records.size(); ++i) {
        const FloorRecord &r = log.records.at(i);
        char *q = line;
        if (i)
            *q++ = ',';
        q = putNumber(put(q, R"({"b":)", 5), r.bin);
        q = put2(put2(put(q, R"(,"d":")", 6), r.year / 100), r.year % 100);
        *q++ = '/';
        q = put2(q, r.month);
        *q++ = '/';
        q = put2(q, r.day);
        q = put(q, R"(","e":)", 6);
        q = r.expired ? put(q, "true", 4) : put(q, "false", 5);
        q = put(q, R"(,"h":")", 6);
        if (r.hours < 0) {
            q = put(q, "----", 4);
        } else {
            q = put2(q, r.hours);
            *q++ = ':';
            q = put2(q, r.minutes);
            *q++ = ':';
            q = put2(q, r.seconds);
        }
        q = put(q, R"(","p":")", 7);
        text.append(line, int(q - line));
        text.append(log.names.constData() + r.name, r.nameSize);
        q = put(line, R"(","t":")", 7);
        q = put2(q, r.hour);
        *q++ = ':';
        q = put2(q, r.minute);
        *q++ = ':';
        q = put2(q, r.second);
        q = put(q, R"("})", 2);
        text.append(line, int(q - line));
        if (text.size() >= 64 * 1024) {
            sink(text);
            text.resize(0);
        }
    }
    text += "]}";
    sink(text);
}

QByteArray floorText(const FloorLog &log)
{
    QByteArray all;
    floorPieces(log, [&all](const QByteArray &piece) { all += piece; });
    return all;
}

void floorWrite(const FloorLog &log, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    floorPieces(log, [&file](const QByteArray &piece) {
        if (file.write(piece) != piece.size())
            qFatal("cannot write");
    });
    if (!file.flush() || ::fsync(file.handle()) != 0)
        qFatal("cannot sync");
}

// "MM/dd" or "HH:mm".
QString shortText(int first, char separator, int second)
{
    char text[5];
    put2(text, first);
    text[2] = separator;
    put2(text + 3, second);
    return QString::fromLatin1(text, 5);
}

HaccpData floorRow(const FloorLog &log, const FloorRecord &r)
{
    HaccpData d;
    d.name = QString::fromLatin1(log.names.constData() + r.name, r.nameSize);
    d.date = shortText(r.month, '/', r.day);
    d.time = shortText(r.hour, ':', r.minute);
    d.duration = r.hours < 0 ? QStringLiteral("----") : shortText(r.hours, ':', r.minutes);
    d.expired = r.expired;
    d.binNumber = r.bin;
    return d;
}

QList<HaccpData> floorRows(const FloorLog &log, int count)
{
    QList<HaccpData> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i)
        rows.append(floorRow(log, log.records.at(i)));
    return rows;
}

void floorCsv(const FloorLog &log, const QString &path)
{
    QByteArray csv("Product Name, Shelf Number, Start Time, Discarded, Total Holding Duration,\n");
    csv.reserve(log.records.size() * 48);
    char line[96];
    for (const FloorRecord &r : log.records) {
        csv.append(log.names.constData() + r.name, r.nameSize);
        char *q = line;
        *q++ = ',';
        q = putNumber(q, r.bin / 4 + 1);
        *q++ = ',';
        q = put2(q, r.month);
        *q++ = '/';
        q = put2(q, r.day);
        *q++ = ' ';
        q = put2(q, r.hour);
        *q++ = ':';
        q = put2(q, r.minute);
        *q++ = ',';
        if (r.hours < 0) {
            q = put(q, "----,----", 9);
        } else {
            q = r.expired ? put(q, "Yes,", 4) : put(q, "No,", 3);
            q = put2(q, r.hours);
            *q++ = ':';
            q = put2(q, r.minutes);
        }
        q = put(q, ",\n", 2);
        csv.append(line, int(q - line));
    }
    writeOrDie(path, csv, true);
}

// ---- timing ------------------------------------------------------------------------------

// Alternated rounds whose runs each need an untimed set-up first.
Rounds alternate(int rounds, const std::function<void()> &setUpProgram, const std::function<void()> &program,
                 const std::function<void()> &setUpFloor, const std::function<void()> &floor)
{
    Rounds r;
    for (int i = 0; i < std::max(rounds, Rounds::minimum) + 1; ++i) {
        double p, f;
        if (i % 2) {
            setUpFloor();
            f = Rounds::timeMs(floor);
            setUpProgram();
            p = Rounds::timeMs(program);
        } else {
            setUpProgram();
            p = Rounds::timeMs(program);
            setUpFloor();
            f = Rounds::timeMs(floor);
        }
        if (i > 0) { // the first round warms both
            r.program << p;
            r.floor << f;
        }
    }
    return r;
}

// ---- resident memory after the clean-up, in a process of its own -----------------------

qint64 statusKiB(const char *field)
{
    const QList<QByteArray> lines = readOrDie(QStringLiteral("/proc/self/status")).split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(field))
            return line.mid(int(strlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// The worker on its own thread, as the controller runs it; prints resident and peak KiB.
int residentAfterCleanup()
{
    QThread thread;
    FileLogWorker *worker = new FileLogWorker;
    worker->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    QObject::connect(worker, &FileLogWorker::removeOldDataDone, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    thread.start();
    QMetaObject::invokeMethod(worker, "doRemoveOldHaccpDataLogs", Qt::QueuedConnection,
                              Q_ARG(QByteArray, FileLogWorker::packString(kCutoff)));
    QCoreApplication::exec();
    QTextStream(stdout) << statusKiB("VmRSS:") << ' ' << statusKiB("VmHWM:") << '\n';
    thread.quit();
    thread.wait();
    return 0;
}

void measureResident(const QString &dir, const QByteArray &log, Resident *out)
{
    const auto run = [&dir](bool withLog, const QByteArray &text, QVector<double> *rss, QVector<double> *peak) {
        const QString root = dir + (withLog ? "/rss-with/" : "/rss-without/");
        QDir(root).removeRecursively();
        QDir().mkpath(root + "haccpLogs");
        if (withLog)
            writeOrDie(root + "haccpLogs/haccpLog.json", text, false);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TUL_ROOT_DIR", root);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {"--resident"});
        if (!child.waitForFinished(120000) || child.exitCode() != 0)
            qFatal("the memory run failed: %s", child.readAllStandardError().constData());
        const QList<QByteArray> kib = child.readAllStandardOutput().trimmed().split(' ');
        *rss << kib.value(0).toDouble() / 1024;
        *peak << kib.value(1).toDouble() / 1024;
    };
    for (int i = 0; i < Rounds::minimum; ++i) {
        if (i % 2) {
            run(false, QByteArray(), &out->without, &out->peakWithout);
            run(true, log, &out->with, &out->peakWith);
        } else {
            run(true, log, &out->with, &out->peakWith);
            run(false, QByteArray(), &out->without, &out->peakWithout);
        }
    }
}

// The whole program with a year's log up to yesterday and without one, alternated: its
// resident and peak memory 15 s after start, the clean-up (10 s after start) done.
constexpr int kProgramSettleMs = 15000;

void measureProgram(const QString &dir, Resident *out)
{
    const QByteArray log = yearOfRecords(QDate::currentDate().addYears(-1).addDays(-1));
    const auto run = [&dir, &log](bool withLog, QVector<double> *rss, QVector<double> *peak) {
        const QString scratch = dir + (withLog ? "/program-with" : "/program-without");
        const QString root = scratch + "/root/";
        QDir(scratch).removeRecursively();
        QDir().mkpath(root + "haccpLogs");
        if (!QFile::copy(QStringLiteral(PERSONALITY), root + QFileInfo(QStringLiteral(PERSONALITY)).fileName()))
            qFatal("cannot copy the personality");
        writeOrDie(root + "serialModelNums.txt", "serialNumber=SN-1\nmodelNumber=M-1\n", false);
        writeOrDie(root + "dayParts.json", CabinetRoot::dayPartsJson(20, [](int bin) { return bin / 2 % 11 + 1; }),
                   false);
        if (withLog)
            writeOrDie(root + "haccpLogs/haccpLog.json", log, false);
        QProcessEnvironment env = CabinetRoot::environment(scratch, root, CabinetRoot::freeCanBus());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_QUICK_BACKEND", "software");
        QProcess cabinet;
        cabinet.setProcessEnvironment(env);
        cabinet.setStandardOutputFile(QProcess::nullDevice());
        cabinet.setStandardErrorFile(QProcess::nullDevice());
        cabinet.start(QStringLiteral(TUL_BINARY), {QStringLiteral("-simulation")});
        if (!cabinet.waitForStarted())
            qFatal("the program did not start");
        QEventLoop loop;
        QTimer::singleShot(kProgramSettleMs, &loop, &QEventLoop::quit);
        loop.exec();
        const QString status = QStringLiteral("/proc/%1/status").arg(cabinet.processId());
        const qint64 resident = ProcStat::statusField(status, "VmRSS");
        const qint64 high = ProcStat::peakKiB(cabinet.processId());
        cabinet.kill();
        cabinet.waitForFinished();
        if (resident < 0 || high < 0)
            qFatal("the program ended before its memory was read");
        *rss << resident / 1024.0;
        *peak << high / 1024.0;
    };
    for (int i = 0; i < Rounds::minimum; ++i) {
        if (i % 2) {
            run(false, &out->without, &out->peakWithout);
            run(true, &out->with, &out->peakWith);
        } else {
            run(true, &out->with, &out->peakWith);
            run(false, &out->without, &out->peakWithout);
        }
    }
}


} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("TUL_TOOLS_DIR"))
        qputenv("TUL_TOOLS_DIR", TUL_STANDINS_DIR);
    if (app.arguments().contains(QStringLiteral("--resident")))
        return residentAfterCleanup();

    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 1;
    const QString dir = scratch.path();
    qputenv("TUL_ROOT_DIR", QFile::encodeName(dir + QStringLiteral("/root/")));
    qputenv("TUL_FLASH_DIR", QFile::encodeName(dir + QStringLiteral("/flash/")));
    qputenv("TUL_TOOLS_LOG", QFile::encodeName(dir + QStringLiteral("/tools.log")));
    QDir().mkpath(dir + QStringLiteral("/flash"));
    QDir().mkpath(FileLogWorker::logDir());
    const QByteArray log = yearOfRecords(QDate(2025, 1, 1));
    const QString floorLog = dir + QStringLiteral("/floor.json");
    const QString floorNew = floorLog + QStringLiteral(".New");
    const QString floorCsvPath = dir + QStringLiteral("/floor.csv");

    QTextStream out(stdout);
    out << "HACCP log of " << kRecords << " records, " << log.size() / 1024 << " KiB in " << dir
        << "; sync and mv from " << qEnvironmentVariable("TUL_TOOLS_DIR") << "\n";
    out.flush();

    // Both sides check their answer once: the same bytes, the same records.
    {
        const FloorLog parsed = floorParse(log);
        if (floorText(parsed) != log)
            qFatal("the floor does not write the log back as it was");
    }

    const auto freshLog = [&] { writeOrDie(FileLogWorker::logPath(), log, false); };
    const auto freshFloorLog = [&] { writeOrDie(floorLog, log, false); };

    // Clean-up as the first request after start.
    int kept = 0;
    Rounds cleanup = alternate(kRounds, freshLog,
        [&] {
            FileLogWorker worker;
            worker.doRemoveOldHaccpDataLogs(FileLogWorker::packString(kCutoff));
        },
        freshFloorLog,
        [&] {
            FloorLog parsed = floorParse(readOrDie(floorLog));
            const QVector<FloorRecord> all = parsed.records;
            parsed.records.clear();
            for (const FloorRecord &r : all) {
                if (QDate(r.year, r.month, r.day) >= QDate(2025, 1, 2))
                    parsed.records.append(r);
            }
            kept = parsed.records.size();
            floorWrite(parsed, floorNew);
            syncAndMove(floorNew, floorLog);
        });
    if (readOrDie(FileLogWorker::logPath()) != readOrDie(floorLog))
        qFatal("the clean-up and its floor wrote different logs");
    out << cleanup.report("clean-up after start  ", QStringLiteral("read, parse, drop a day, rewrite; %1 kept").arg(kept));
    out.flush();

    // The screen's first request after start.
    int total = 0;
    int floorTotal = 0;
    Rounds first = alternate(kRounds, freshLog,
        [&] {
            FileLogWorker worker;
            QObject::connect(&worker, &FileLogWorker::retrievAllHaccpDataDone,
                             [&total](const QString &, int count) { total = count; });
            worker.retrieveAllHaccpData(FileLogWorker::packFlag(false));
        },
        freshFloorLog,
        [&] {
            const FloorLog parsed = floorParse(readOrDie(floorLog));
            floorTotal = parsed.records.size() + floorRows(parsed, 250).size() - 250;
        });
    if (total != kRecords || floorTotal != kRecords)
        qFatal("first request: %d and %d records", total, floorTotal);
    out << first.report("first request (250)   ", QStringLiteral("read, parse, 250 rows"));
    out.flush();

    // With the log in memory: add, load all, export.
    freshLog();
    freshFloorLog();
    FileLogWorker worker;
    FloorLog floorRecords = floorParse(readOrDie(floorLog));
    QString result;
    QObject::connect(&worker, &FileLogWorker::addHaccpDone, [&result](const QString &r) { result = r; });
    int loaded = 0;
    QObject::connect(&worker, &FileLogWorker::retrievAllHaccpDataDone,
                     [&loaded](const QString &, int, const QList<HaccpData> &rows) { loaded = rows.size(); });
    worker.retrieveAllHaccpData(FileLogWorker::packFlag(false));

    HaccpData data;
    data.name = QStringLiteral("Bench");
    data.date = QStringLiteral("2025/12/31");
    data.time = QStringLiteral("23:00:00");
    data.duration = QStringLiteral("----");
    const QByteArray payload = FileLogWorker::packRecord(data);
    const QByteArray stored = R"({"b":0,"d":"2025/12/31","e":false,"h":"----","p":"Bench","t":"23:00:00"})";
    Rounds add = Rounds::alternate(kRounds,
        [&] {
            worker.doAddHaccpDataLog(payload);
            if (result != FileLogWorker::OkResult)
                qFatal("add failed: %s", qPrintable(result));
        },
        [&] {
            QByteArray text = readOrDie(floorLog);
            text.insert(text.indexOf('[') + 1, stored + ',');
            writeOrDie(floorNew, text, true);
            syncAndMove(floorNew, floorLog);
        });
    out << add.report("add one record        ", QStringLiteral("the bytes plus the record rewritten"));

    floorRecords = floorParse(readOrDie(floorLog));
    int floorLoaded = 0;
    Rounds load = Rounds::alternate(kRounds,
        [&] { worker.retrieveAllHaccpData(FileLogWorker::packFlag(true)); },
        [&] { floorLoaded = floorRows(floorRecords, floorRecords.records.size()).size(); });
    if (loaded != floorLoaded || loaded < kRecords)
        qFatal("load all: %d and %d rows", loaded, floorLoaded);
    out << load.report("load all records      ", QStringLiteral("the same rows built"));

    const QString flash = dir + QStringLiteral("/flash/");
    Rounds exported = Rounds::alternate(kRounds,
        [&] {
            for (const QString &csv : QDir(flash).entryList({"*.csv"}))
                QFile::remove(flash + csv);
            worker.doHaccpFileExport(FileLogWorker::packExport(QStringLiteral("BENCH"), 4, 1));
        },
        [&] { floorCsv(floorRecords, floorCsvPath); });
    const QStringList csvs = QDir(flash).entryList({"*.csv"});
    if (csvs.size() != 1 || readOrDie(flash + csvs.first()) != readOrDie(floorCsvPath))
        qFatal("the export and its floor wrote different CSV files");
    out << exported.report("export as CSV         ", QStringLiteral("the same CSV written, fsync'ed"));
    out.flush();

    Resident resident;
    measureResident(dir, log, &resident);
    out << resident.report(QStringLiteral("resident after the clean-up, the worker alone"), QStringLiteral("with a year's log"), QStringLiteral("without"));
    out.flush();
    Resident program;
    measureProgram(dir, &program);
    out << program.report(QStringLiteral("resident after the clean-up, the whole program"), QStringLiteral("with a year's log"), QStringLiteral("without"));
    out << "targets: clean-up, first request, add, load and export <= 2 x their floors; "
           "resident <= +20 MiB over the same process without a log\n";
    return 0;
}
