// Prints how long the error service takes to load a year of weekly logs (52 files of
// 200 lines), to refresh the Errors Log (the clear, the load and the copy into the
// panel's model) and to append one line to that full folder, each in rounds alternated
// with its floor: the same files read and the rows the program keeps cut from the bytes
// in one pass, or a plain append of the same line with fsync.
#include "errorinfomodel.h"
#include "errorlogfiles.h"
#include "rounds.h"
#include "tulerrorcontroller.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstring>

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

// What the program keeps of each line, as the floor makes it.
struct FloorRow
{
    QString date;
    QString time;
    QString codes;
    QString desc;
    int mainCode = 0;
};

// The floor of a load, what a hand-made reader comes down to: one pass over the bytes,
// the date, time and codes of each line cut out for its row, nothing checked beyond the
// line's shape.
int floorBytes(const QString &dir, QVector<FloorRow> *rows, QHash<qint64, QString> *texts)
{
    rows->clear();
    const QStringList names = QDir(dir).entryList(QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QFile file(dir + name);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(name));
        const QByteArray bytes = file.readAll();
        const char *p = bytes.constData();
        const char *const end = p + bytes.size();
        while (p < end) {
            const char *eol = static_cast<const char *>(memchr(p, '\n', size_t(end - p)));
            if (!eol)
                eol = end;
            if (eol - p >= 29 && p[0] == '1') {
                int c[4] = {0, 0, 0, 0};
                int i = 0;
                for (const char *q = p + 22; q < eol && i < 4; ++q) {
                    if (*q == '\t')
                        ++i;
                    else
                        c[i] = c[i] * 10 + (*q - '0');
                }
                QString codes = QString::fromLatin1(p + 22, int(eol - p - 22));
                codes.replace(QLatin1Char('\t'), QLatin1Char('.'));
                const qint64 key = ((qint64(c[0]) * 1000 + c[1]) * 1000 + c[2]) * 1000 + c[3];
                auto text = texts->constFind(key);
                if (text == texts->constEnd())
                    text = texts->insert(key, QString::number(key));
                rows->append({QString::fromLatin1(p + 2, 10), QString::fromLatin1(p + 13, 8), codes,
                              text.value(), c[0]});
            }
            p = eol + 1;
        }
    }
    std::reverse(rows->begin(), rows->end());
    return rows->size();
}

bool plainAppend(const QString &path, const QByteArray &line)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write(line) == line.size()
        && file.flush() && ::fsync(file.handle()) == 0;
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

    QVector<FloorRow> rows;
    QHash<qint64, QString> texts;
    const auto floor = [&] { floorBytes(dir, &rows, &texts); };
    const auto loadAll = [&] {
        worker.clearErrorLogList();
        worker.retrieveAllErrorLogs();
    };
    const Rounds load = Rounds::alternate(kRuns, loadAll, floor);
    const Rounds refresh = Rounds::alternate(kRuns, [&] {
        worker.clearErrorLogList();
        worker.retrieveAllErrorLogs();
        panelModel.updateFromModel(worker.get_errorInfoModel());
    }, floor);
    const int records = worker.get_errorsLogListCount();
    if (records != kWeeks * kLinesPerWeek || panelModel.rowCount() != records || rows.size() != records)
        qFatal("loaded %d records, the panel shows %d, the floor %d", records, panelModel.rowCount(),
               rows.size());
    // The floor keeps what the program shows: the same newest and oldest rows.
    for (const int row : {0, records - 1}) {
        const QModelIndex at = panelModel.index(row);
        const FloorRow &f = rows.at(row);
        if (at.data(ErrorInfoModel::DateRole).toString() != f.date
            || at.data(ErrorInfoModel::TimeRole).toString() != f.time
            || at.data(ErrorInfoModel::CodesRole).toString() != f.codes)
            qFatal("the floor's row %d differs from the program's", row);
    }

    // Appends go to this week's new file beside the year of files.
    const QString baseFile = scratch.path() + QStringLiteral("/plain.txt");
    int appended = 0;
    const auto line = [&appended] {
        return ErrorLogFiles::typeOneLine(QDateTime::currentDateTime(), 2, 0, appended++ % 20, 0);
    };
    const Rounds append = Rounds::alternate(kRuns, [&] {
        if (!ErrorLogFiles::appendLine(ErrorLogFiles::chooseLogFile(QDate::currentDate()), line()))
            qFatal("cannot append");
    }, [&] {
        if (!plainAppend(baseFile, line()))
            qFatal("cannot append");
    });

    out << "a year of error logs: " << kWeeks << " files x " << kLinesPerWeek << " lines, " << records
        << " records\n";
    const QString parse = QStringLiteral("read, one pass over the bytes, rows kept");
    out << load.report(QStringLiteral("load all logs (clear, load)"), parse);
    out << refresh.report(QStringLiteral("refresh (clear, load, copy to the panel)"), parse);
    out << append.report(QStringLiteral("append one line to the full folder (choose file, append, fsync)"),
                         QStringLiteral("append with fsync"));
    return 0;
}
