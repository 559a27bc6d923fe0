#include "errorlogfiles.h"
#include "alarmslog.h"

#include "safefilewriter.h"
#include "timezonetable.h"
#include "tulpaths.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <mutex>

#include <unistd.h>

namespace {

std::mutex g_nowLock;
QDateTime g_fixedNow;

const QString kTimeFormat = QStringLiteral("yyyy/MM/dd HH:mm:ss");

QByteArray line(int type, const QDateTime &when, int a, int b, int c, int d)
{
    return QStringLiteral("%1;%2;%3\t%4\t%5\t%6\n")
        .arg(type).arg(when.toString(kTimeFormat)).arg(a).arg(b).arg(c).arg(d).toUtf8();
}

} // namespace

QString ErrorLogFiles::logDir()
{
    return TulPaths::rootPath(QStringLiteral("errorLogs/"));
}

QStringList ErrorLogFiles::entries()
{
    return QDir(logDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                    QDir::Name);
}

QString ErrorLogFiles::chooseLogFile(const QDate &today)
{
    QDir().mkpath(logDir());
    const QString todaysFile = QStringLiteral("el%1.txt").arg(today.toString(QStringLiteral("yyMMdd")));
    const QStringList names = entries();
    if (names.isEmpty())
        return logDir() + todaysFile;
    QString stem = names.last();
    stem.remove(QLatin1String(".txt")).remove(QLatin1String("el"));
    const QDate started = QDate::fromString(QStringLiteral("20") + stem, QStringLiteral("yyyyMMdd"));
    int startedYear = 0;
    int todayYear = 0;
    const int startedWeek = started.weekNumber(&startedYear);
    const int todayWeek = today.weekNumber(&todayYear);
    if (!started.isValid() || startedWeek != todayWeek || startedYear != todayYear)
        return logDir() + todaysFile;
    return logDir() + names.last();
}

QByteArray ErrorLogFiles::typeOneLine(const QDateTime &when, int mainCode, int subCode1,
                                      int subCode2, int subCode3)
{
    return line(1, when, mainCode, subCode1, subCode2, subCode3);
}

QByteArray ErrorLogFiles::typeThreeLine(const QDateTime &when)
{
    return line(3, when, 99, 1, 0, 0);
}

bool ErrorLogFiles::appendLine(const QString &path, const QByteArray &text)
{
    // Synced, so the line survives a power cut that comes before the detached sync runs;
    // never appended through a link planted at the day's name.
    return SafeFileWriter::appendToFile(path, text);
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool digitsAt(const char *p, int count, int *value)
{
    int v = 0;
    for (int i = 0; i < count; ++i) {
        if (!isDigit(p[i]))
            return false;
        v = v * 10 + (p[i] - '0');
    }
    *value = v;
    return true;
}

struct Stamp
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    bool real() const { return QDate::isValid(y, mo, d) && QTime::isValid(h, mi, s); }
};

// "yyyy/MM/dd HH:mm:ss" at p (19 bytes); false when the form is wrong.
bool stampAt(const char *p, Stamp *st)
{
    return p[4] == '/' && p[7] == '/' && p[10] == ' ' && p[13] == ':' && p[16] == ':'
        && digitsAt(p, 4, &st->y) && digitsAt(p + 5, 2, &st->mo) && digitsAt(p + 8, 2, &st->d)
        && digitsAt(p + 11, 2, &st->h) && digitsAt(p + 14, 2, &st->mi) && digitsAt(p + 17, 2, &st->s);
}

// One line: "1;" + timestamp + ";" + four codes of one to three digits separated by
// tabs; whatever follows the fourth code's first three digits is ignored.
bool parseLine(const char *p, const char *end, ErrorLogFiles::Line *line)
{
    constexpr int kCodes = 22; // offset of the first code
    if (end - p < kCodes + 7 || p[0] != '1' || p[1] != ';' || p[21] != ';')
        return false;
    Stamp stamp;
    if (!stampAt(p + 2, &stamp))
        return false;
    const char *c = p + kCodes;
    for (int i = 0; i < 4; ++i) {
        int n = 0;
        int v = 0;
        while (n < 3 && c + n < end && isDigit(c[n])) {
            v = v * 10 + (c[n] - '0');
            ++n;
        }
        if (n == 0)
            return false;
        line->codes[i] = v;
        line->digits[i] = n;
        c += n;
        if (i < 3) {
            if (c == end || *c != '\t')
                return false;
            ++c;
        }
    }
    line->year = stamp.y;
    line->month = stamp.mo;
    line->day = stamp.d;
    line->hour = stamp.h;
    line->minute = stamp.mi;
    line->second = stamp.s;
    line->real = stamp.real();
    return true;
}

} // namespace

ErrorLogFiles::Entry ErrorLogFiles::entryOf(const Line &line)
{
    Entry entry;
    QString codes;
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            codes += QLatin1Char('.');
        codes += QStringLiteral("%1").arg(line.codes[i], line.digits[i], 10, QLatin1Char('0'));
        entry.codes[i] = line.codes[i];
    }
    entry.codesText = codes;
    if (line.real) {
        entry.dateText = dateText(line.year, line.month, line.day);
        entry.timeText = timeText(line.hour, line.minute, line.second);
    }
    return entry;
}

// Written from the numbers: a time that a clock change skips keeps its text.
QString ErrorLogFiles::dateText(int year, int month, int day)
{
    return QStringLiteral("%1/%2/%3").arg(year, 4, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

QString ErrorLogFiles::timeText(int hour, int minute, int second)
{
    return QStringLiteral("%1:%2:%3").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'))
        .arg(second, 2, 10, QLatin1Char('0'));
}

QDateTime ErrorLogFiles::Entry::timestamp() const
{
    return parseTimestamp(dateText, timeText);
}

QDateTime ErrorLogFiles::parseTimestamp(const QString &dateText, const QString &timeText)
{
    if (dateText.size() != 10 || timeText.size() != 8)
        return QDateTime();
    const QByteArray text = (dateText + QLatin1Char(' ') + timeText).toLatin1();
    Stamp st;
    if (!stampAt(text.constData(), &st) || !st.real())
        return QDateTime();
    return QDateTime(QDate(st.y, st.mo, st.d), QTime(st.h, st.mi, st.s));
}

namespace {

// The lines of [p, end); the last one need not end in "\n".
void takeLines(const char *p, const char *end, const ErrorLogFiles::LineSink &take)
{
    ErrorLogFiles::Line line;
    while (p < end) {
        const char *eol = static_cast<const char *>(memchr(p, '\n', size_t(end - p)));
        if (!eol)
            eol = end;
        if (parseLine(p, eol, &line))
            take(line);
        p = eol + 1;
    }
}

} // namespace

void ErrorLogFiles::parseLines(const QByteArray &text, const LineSink &take)
{
    const char *p = text.constData();
    if (text.startsWith("\xEF\xBB\xBF"))
        p += 3;
    takeLines(p, text.constData() + text.size(), take);
}

QVector<ErrorLogFiles::Entry> ErrorLogFiles::parseLog(const QByteArray &text)
{
    QVector<Entry> out;
    parseLines(text, [&out](const Line &line) { out.append(entryOf(line)); });
    return out;
}

QVector<ErrorLogFiles::Entry> ErrorLogFiles::readLog(const QString &path, bool *cut)
{
    QVector<Entry> out;
    readLines(path, [&out](const Line &line) { out.append(entryOf(line)); }, cut);
    return out;
}

void ErrorLogFiles::readLines(const QString &path, const LineSink &take, bool *cut)
{
    if (cut)
        *cut = false;
    QFile file(path);
    const QFileInfo info(path);
    // Only a plain file: a FIFO or a device behind the name is not waited on.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        if (info.exists())
            qCWarning(lcAlarms).noquote() << "Cannot read the error log" << path;
        return;
    }
    bool skipLine = false; // the read starts inside a line
    if (file.size() > MaxLogBytes) {
        qCWarning(lcAlarms).noquote() << "The error log" << path << "holds" << file.size()
                             << "bytes; only its newest" << MaxLogBytes << "are read";
        if (cut)
            *cut = true;
        if (!file.seek(file.size() - MaxLogBytes - 1))
            return;
        skipLine = file.read(1) != "\n";
    }
    QByteArray piece;
    qint64 left = file.size() - file.pos();
    bool first = file.pos() == 0;
    while (left > 0) {
        const QByteArray more = file.read(qMin<qint64>(left, ReadPiece));
        if (more.isEmpty())
            break;
        left -= more.size();
        piece += more;
        if (first && piece.startsWith("\xEF\xBB\xBF"))
            piece.remove(0, 3);
        first = false;
        if (skipLine) {
            const int eol = piece.indexOf('\n');
            piece.remove(0, eol < 0 ? piece.size() : eol + 1);
            skipLine = eol < 0;
        }
        // Whole lines now; the unfinished last one waits for the next piece.
        const int lastEnd = left > 0 ? piece.lastIndexOf('\n') : piece.size();
        if (lastEnd < 0)
            continue;
        takeLines(piece.constData(), piece.constData() + lastEnd, take); // a "\r" before "\n" falls in the ignored tail
        piece.remove(0, qMin(lastEnd + 1, piece.size()));
    }
}

int ErrorLogFiles::deleteAll()
{
    QDir dir(logDir());
    if (!dir.exists())
        return 0;
    const QStringList names = entries();
    for (const QString &name : names) {
        const QString path = dir.filePath(name);
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
            QDir(path).removeRecursively();
        else if (!QFile::remove(path))
            qCWarning(lcAlarms).noquote() << "Cannot remove" << path;
    }
    return names.size();
}

QString ErrorLogFiles::safeSerialNumber(const QString &serialNumber)
{
    QString safe;
    for (const QChar c : serialNumber.left(64)) {
        const bool plain = (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || c == QLatin1Char('-') || c == QLatin1Char('_');
        safe.append(plain ? c : QLatin1Char('_'));
    }
    return safe;
}

QString ErrorLogFiles::exportFilePath(const QString &serialNumber, const QDateTime &now)
{
    return TulPaths::flashPath(QStringLiteral("errorLog_%1_%2.txt")
                                   .arg(safeSerialNumber(serialNumber),
                                        now.toString(QStringLiteral("yyMMdd-HHmmss"))));
}

QDateTime ErrorLogFiles::now()
{
    std::lock_guard<std::mutex> lock(g_nowLock);
    return g_fixedNow.isValid() ? g_fixedNow : TimeZoneTable::cabinetNow();
}

qint64 ErrorLogFiles::epochSecondsOf(const QDateTime &now)
{
    std::lock_guard<std::mutex> lock(g_nowLock);
    if (g_fixedNow.isValid())
        return now.toSecsSinceEpoch();
    return now.toSecsSinceEpoch() - TimeZoneTable::cabinetShiftSeconds();
}

void ErrorLogFiles::setFixedNow(const QDateTime &when)
{
    std::lock_guard<std::mutex> lock(g_nowLock);
    g_fixedNow = when;
}
