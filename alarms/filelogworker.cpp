#include "filelogworker.h"

#include "alarmslog.h"
#include "commandlauncher.h"
#include "errorlogfiles.h"
#include "jsonguard.h"
#include "safefilereader.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QMutexLocker>
#include <QTime>

#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

const QString FileLogWorker::OkResult = QStringLiteral("OK");

namespace {

const QString kDesc = QStringLiteral("HACCP Data Log");
const QString kInfo = QStringLiteral("haccpInfo");
const QString kOpen = QStringLiteral("----");
const QString kSyncProgram = QStringLiteral("/bin/sync");
const QString kMvProgram = QStringLiteral("/bin/mv");
const QByteArray kCsvHeader("Product Name, Shelf Number, Start Time, Discarded, Total Holding Duration,\n");
const QString kUnreadable = QStringLiteral("Cannot read the HACCP log; it is left as it is");
constexpr int kCsvChunk = 64 * 1024;

QDataStream &setUp(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_5_9);
    return stream;
}

// The log's fixed formats are read by hand: a formatted QDate/QTime parse per field made
// loading a year of records take seconds.
bool digits(const QString &text, int from, int count, int *value)
{
    int v = 0;
    for (int i = from; i < from + count; ++i) {
        const ushort c = text.at(i).unicode();
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    *value = v;
    return true;
}

// "yyyy/MM/dd"; an invalid date when the text is anything else.
QDate parseDay(const QString &text)
{
    int y, m, d;
    if (text.size() != 10 || text.at(4) != QLatin1Char('/') || text.at(7) != QLatin1Char('/')
        || !digits(text, 0, 4, &y) || !digits(text, 5, 2, &m) || !digits(text, 8, 2, &d))
        return QDate();
    return QDate(y, m, d);
}

// "HH:mm:ss" of a time of day, shortened to "HH:mm"; empty text when it is anything else.
QString shortTime(const QString &text)
{
    int h, m, s;
    if (text.size() != 8 || text.at(2) != QLatin1Char(':') || text.at(5) != QLatin1Char(':')
        || !digits(text, 0, 2, &h) || !digits(text, 3, 2, &m) || !digits(text, 6, 2, &s)
        || !QTime::isValid(h, m, s))
        return QString();
    return text.left(5);
}

// A product name is the only free text of a line: it is quoted when it holds a separator,
// and one that a spreadsheet would take for a formula is made plain text.
QString csvText(QString text)
{
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.at(0)))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

bool writeAll(QFile &file, const QByteArray &data)
{
    return file.write(data) == data.size();
}

bool flushToStorage(QFile &file)
{
    return file.flush() && ::fsync(file.handle()) == 0;
}

} // namespace

FileLogWorker::FileLogWorker(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<HaccpData>();
    qRegisterMetaType<QList<HaccpData>>();
}

QString FileLogWorker::logDir()
{
    return TulPaths::rootPath(QStringLiteral("haccpLogs/"));
}

QString FileLogWorker::logPath()
{
    return logDir() + QStringLiteral("haccpLog.json");
}

QString FileLogWorker::newLogPath()
{
    return logPath() + QStringLiteral(".New");
}

// ---- payloads ----------------------------------------------------------------------------

QByteArray FileLogWorker::packRecord(const HaccpData &data)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    setUp(stream) << data.name << data.date << data.time << data.duration << data.expired
                  << qint32(data.binNumber);
    return payload;
}

bool FileLogWorker::unpackRecord(const QByteArray &payload, HaccpData *data)
{
    QDataStream stream(payload);
    qint32 bin = 0;
    HaccpData read;
    setUp(stream) >> read.name >> read.date >> read.time >> read.duration >> read.expired >> bin;
    if (stream.status() != QDataStream::Ok)
        return false;
    read.binNumber = bin;
    *data = read;
    return true;
}

QByteArray FileLogWorker::packString(const QString &text)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    setUp(stream) << text;
    return payload;
}

QByteArray FileLogWorker::packFlag(bool flag)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    setUp(stream) << flag;
    return payload;
}

QByteArray FileLogWorker::packExport(const QString &serialNumber, int traysPerZone, int zonesPerRow)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    setUp(stream) << serialNumber << qint32(traysPerZone) << qint32(zonesPerRow);
    return payload;
}

// ---- the log file ------------------------------------------------------------------------

bool FileLogWorker::setAside(const QByteArray &content)
{
    const QString aside = logPath() + QStringLiteral(".invalid-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyMMdd-HHmmss"));
    qCWarning(lcHaccp).noquote() << "The HACCP log is not a JSON object (" << content.size()
                                 << "bytes ); kept as" << aside;
    QFile::remove(aside);
    if (QFile::rename(logPath(), aside) || SafeFileWriter::writeFile(aside, content))
        return true;
    qCWarning(lcHaccp).noquote() << "Could not keep the unreadable HACCP log as" << aside;
    return false;
}

FileLogWorker::Stamp FileLogWorker::stampOf(const QString &path)
{
    Stamp stamp;
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return stamp;
    stamp.exists = true;
    stamp.size = info.st_size;
    stamp.modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.changed = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    stamp.inode = info.st_ino;
    return stamp;
}

void FileLogWorker::forget()
{
    m_cache = Cache::None;
    m_text = QByteArray();
    m_starts = QVector<int>();
}

void FileLogWorker::useEmpty()
{
    useDocument(QJsonObject(), QByteArray());
}

// The text a rewrite of this object would write; the file's own bytes when they are that.
void FileLogWorker::useDocument(QJsonObject object, const QByteArray &content)
{
    object.insert(kInfo, object.value(kInfo).toArray());
    object.insert(QStringLiteral("desc"), kDesc);
    m_text = QJsonDocument(object).toJson(QJsonDocument::Compact);
    if (m_text == content)
        m_text = content;
    m_cache = indexText() ? Cache::Log : Cache::None;
}

bool FileLogWorker::load(bool forWrite)
{
    if (forWrite)
        QDir().mkpath(logDir());
    const Stamp now = stampOf(logPath());
    if (m_cache != Cache::None && now == m_stamp && (m_cache == Cache::Log || !forWrite))
        return true;
    forget();
    QByteArray content;
    switch (SafeFileReader::read(logPath(), MaxLogBytes, &content, "HACCP log")) {
    case SafeFileReader::Ok:
        break;
    case SafeFileReader::Missing:
        m_stamp = now;
        useEmpty();
        return true;
    case SafeFileReader::TooLarge:
        if (!forWrite) {
            m_stamp = now;
            m_cache = Cache::Foreign;
            return true;
        }
        // Kept whole under another name; if it cannot be moved, it is not rewritten.
        if (SafeFileReader::setAside(logPath(), QStringLiteral("larger than %1 bytes").arg(MaxLogBytes)).isEmpty())
            return false;
        m_stamp = stampOf(logPath());
        useEmpty();
        return true;
    case SafeFileReader::Unreadable:
        return false;
    }
    m_stamp = now;
    if (content.trimmed().isEmpty()) {
        useEmpty();
        return true;
    }
    const QJsonDocument document = JsonGuard::parse(content, "HACCP log", MaxLogBytes);
    if (document.isObject()) {
        useDocument(document.object(), content);
        return m_cache == Cache::Log;
    }
    if (!forWrite) {
        m_cache = Cache::Foreign;
        return true;
    }
    if (!setAside(content))
        return false;
    m_stamp = stampOf(logPath());
    useEmpty();
    return true;
}

namespace {

int skipString(const QByteArray &text, int i)
{
    for (++i; i < text.size() && text.at(i) != '"'; ++i) {
        if (text.at(i) == '\\')
            ++i;
    }
    return i + 1;
}

// Past the value at `i` of compact JSON.
int skipValue(const QByteArray &text, int i)
{
    const char first = i < text.size() ? text.at(i) : '\0';
    if (first == '"')
        return skipString(text, i);
    if (first == '{' || first == '[') {
        int depth = 0;
        while (i < text.size()) {
            const char c = text.at(i);
            if (c == '"') {
                i = skipString(text, i);
                continue;
            }
            if (c == '{' || c == '[')
                ++depth;
            else if ((c == '}' || c == ']') && --depth == 0)
                return i + 1;
            ++i;
        }
        return i;
    }
    while (i < text.size() && text.at(i) != ',' && text.at(i) != '}' && text.at(i) != ']')
        ++i;
    return i;
}

} // namespace

// Finds the records in the compact text: the array of "haccpInfo", then each element.
bool FileLogWorker::indexText()
{
    m_starts.clear();
    const QByteArray key = '"' + kInfo.toLatin1() + "\":";
    int i = 1;
    while (i < m_text.size() && m_text.at(i) == '"') {
        const int value = skipString(m_text, i) + 1;
        if (m_text.mid(i, value - i) == key) {
            if (m_text.at(value) != '[')
                break;
            m_arrayStart = value + 1;
            int at = m_arrayStart;
            while (at < m_text.size() && m_text.at(at) != ']') {
                m_starts.append(at);
                at = skipValue(m_text, at);
                if (at < m_text.size() && m_text.at(at) == ',')
                    ++at;
            }
            m_arrayEnd = at;
            return at < m_text.size();
        }
        i = skipValue(m_text, value);
        if (i < m_text.size() && m_text.at(i) == ',')
            ++i;
    }
    qCWarning(lcHaccp) << "The HACCP log's text could not be indexed";
    return false;
}

int FileLogWorker::recordEnd(int i) const
{
    return i + 1 < m_starts.size() ? m_starts.at(i + 1) - 1 : m_arrayEnd;
}

namespace {

// A plain value of a record as the log writes it: a string without escapes, a boolean
// or a small whole number. Anything else is left to the JSON parser.
enum class Plain { No, Text, Bool, Int };

Plain plainValue(const char *p, const char *end, QString *text, bool *flag, int *number)
{
    if (*p == '"') {
        const char *q = static_cast<const char *>(memchr(p + 1, '"', size_t(end - p - 1)));
        if (!q || memchr(p + 1, '\\', size_t(q - p - 1)))
            return Plain::No;
        *text = QString::fromUtf8(p + 1, int(q - p - 1));
        return Plain::Text;
    }
    if (end - p >= 4 && !memcmp(p, "true", 4)) {
        *flag = true;
        return Plain::Bool;
    }
    if (end - p >= 5 && !memcmp(p, "false", 5)) {
        *flag = false;
        return Plain::Bool;
    }
    const bool negative = *p == '-';
    const char *q = p + negative;
    int v = 0;
    int count = 0;
    for (; q < end && *q >= '0' && *q <= '9' && count < 10; ++q, ++count)
        v = v * 10 + (*q - '0');
    if (count == 0 || count > 9 || (q < end && *q != ',' && *q != '}'))
        return Plain::No;
    *number = negative ? -v : v;
    return Plain::Int;
}

} // namespace

FileLogWorker::Fields FileLogWorker::fields(int i) const
{
    Fields f;
    const int from = m_starts.at(i);
    const int to = recordEnd(i);
    const char *p = m_text.constData() + from;
    const char *end = m_text.constData() + to;
    bool plain = *p == '{';
    if (plain) {
        int at = from + 1;
        while (plain && at < to && m_text.at(at) == '"') {
            const int value = skipString(m_text, at) + 1;
            const QByteArray key = m_text.mid(at + 1, value - at - 3);
            QString text;
            bool flag = false;
            int number = 0;
            const Plain kind = plainValue(m_text.constData() + value, end, &text, &flag, &number);
            if (key.size() != 1) {
                plain = !key.contains('\\');
            } else if (key == "p" || key == "d" || key == "t" || key == "h") {
                plain = kind == Plain::Text;
                (key == "p" ? f.raw.name : key == "d" ? f.raw.date : key == "t" ? f.raw.time : f.raw.duration) = text;
                f.hasDay |= key == "d";
                f.hasTime |= key == "t";
            } else if (key == "e") {
                plain = kind == Plain::Bool;
                f.raw.expired = flag;
            } else if (key == "b") {
                plain = kind == Plain::Int;
                f.raw.binNumber = number;
                f.hasBin = true;
            }
            at = skipValue(m_text, value);
            if (at < to && m_text.at(at) == ',')
                ++at;
        }
        plain = plain && at == to - 1 && m_text.at(at) == '}';
    }
    if (plain)
        return f;
    // Escaped text, other types or not an object: as the parser reads it.
    const QJsonObject record = QJsonDocument::fromJson(m_text.mid(from, to - from)).object();
    f = Fields();
    f.raw.name = record.value(QLatin1String("p")).toString();
    f.raw.date = record.value(QLatin1String("d")).toString();
    f.raw.time = record.value(QLatin1String("t")).toString();
    f.raw.duration = record.value(QLatin1String("h")).toString();
    f.raw.expired = record.value(QLatin1String("e")).toBool();
    f.raw.binNumber = record.value(QLatin1String("b")).toInt();
    f.hasDay = record.contains(QLatin1String("d"));
    f.hasTime = record.contains(QLatin1String("t"));
    f.hasBin = record.contains(QLatin1String("b"));
    return f;
}

// Edited in place: the text keeps its buffer, which grows by doubling only when the log
// outgrows it. A fresh copy of the whole log per request left the worker's heap with ever
// larger holes as the log grew, so its memory grew several times faster than the log.
void FileLogWorker::prepend(const QByteArray &record)
{
    const bool first = m_starts.isEmpty();
    const int added = record.size() + (first ? 0 : 1);
    const int oldSize = m_text.size();
    m_text.resize(oldSize + added);
    char *text = m_text.data();
    memmove(text + m_arrayStart + added, text + m_arrayStart, size_t(oldSize - m_arrayStart));
    memcpy(text + m_arrayStart, record.constData(), size_t(record.size()));
    if (!first)
        text[m_arrayStart + record.size()] = ',';
    for (int &start : m_starts)
        start += added;
    m_starts.prepend(m_arrayStart);
    m_arrayEnd += added;
}

void FileLogWorker::keepOnly(const QVector<bool> &keep)
{
    // Records only move towards the front, so each is read before anything overwrites it.
    char *text = m_text.data();
    int out = m_arrayStart;
    int kept = 0;
    for (int i = 0; i < m_starts.size(); ++i) {
        if (!keep.at(i))
            continue;
        const int from = m_starts.at(i);
        const int length = recordEnd(i) - from;
        if (kept)
            text[out++] = ',';
        memmove(text + out, text + from, size_t(length));
        m_starts[kept++] = out; // at or before index i: its old value is no longer needed
        out += length;
    }
    const int tail = m_text.size() - m_arrayEnd;
    memmove(text + out, text + m_arrayEnd, size_t(tail));
    m_arrayEnd = out;
    m_text.resize(out + tail);
    m_starts.resize(kept);
}

QString FileLogWorker::writeLog()
{
    const QByteArray &data = m_text;

    // ".New" is created afresh: a link left at that name is never written through.
    QString error;
    if (!SafeFileWriter::writeNewFile(newLogPath(), data, &error)) {
        qCWarning(lcHaccp).noquote() << "Unable to Open File !!!" << newLogPath();
        return QStringLiteral("Cannot write the HACCP log: ") + error;
    }

    if (!writeHaccpInfoWrapUp(QStringLiteral("syncCommand"),
                              CommandLauncher::runAndWait(kSyncProgram)))
        return QStringLiteral("Cannot sync the HACCP log");
    if (!writeHaccpInfoWrapUp(QStringLiteral("mvCommand"),
                              CommandLauncher::runAndWait(kMvProgram, {newLogPath(), logPath()})))
        return QStringLiteral("Cannot move the HACCP log into place");
    return OkResult;
}

// One step of the rewrite chain has ended: true when the chain may go on.
bool FileLogWorker::writeHaccpInfoWrapUp(const QString &step, const CommandResult &result)
{
    if (!result.ok()) {
        qCWarning(lcHaccp).noquote() << step << "failed:" << result.exitCode << result.errorText
                                     << QString::fromLocal8Bit(result.standardError).trimmed()
                                     << "- the previous HACCP log stays";
        return false;
    }
    if (step == QLatin1String("mvCommand")) {
        if (QFileInfo::exists(newLogPath()) || !QFileInfo::exists(logPath()))
            return false;
        SafeFileWriter::syncDirectory(logDir());
        CommandLauncher::startDetached(kSyncProgram);
    }
    return true;
}

// ---- requests ----------------------------------------------------------------------------

void FileLogWorker::doAddHaccpDataLog(const QByteArray &payload) { take(Add, payload); }
void FileLogWorker::doRemoveHaccpDataLog(const QByteArray &payload) { take(Remove, payload); }
void FileLogWorker::doRemoveOldHaccpDataLogs(const QByteArray &payload) { take(RemoveOld, payload); }
void FileLogWorker::retrieveAllHaccpData(const QByteArray &payload) { take(Retrieve, payload); }
void FileLogWorker::doHaccpFileExport(const QByteArray &payload) { take(Export, payload); }

void FileLogWorker::take(Kind kind, const QByteArray &payload)
{
    m_queue.append({kind, payload});
    if (m_busy)
        return; // taken into the batch being gathered or worked off
    m_busy = true;
    while (!m_queue.isEmpty()) {
        // Requests already posted to this worker join the batch (their slots only queue);
        // a sender still posting the rest of a rewrite is waited for first.
        { QMutexLocker posted(&m_posting); }
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        QList<Request> batch;
        batch.swap(m_queue);
        work(batch);
    }
    m_busy = false;
}

// Runs of additions, removals and clean-ups become one rewrite each; a retrieval or export
// sees the log as the requests before it left it.
void FileLogWorker::work(const QList<Request> &requests)
{
    QList<Request> group;
    for (const Request &request : requests) {
        if (request.kind == Retrieve || request.kind == Export) {
            if (!group.isEmpty())
                runWrites(group);
            group.clear();
            request.kind == Retrieve ? runRetrieve(request.payload) : runExport(request.payload);
        } else {
            group.append(request);
        }
    }
    if (!group.isEmpty())
        runWrites(group);
}

void FileLogWorker::runWrites(const QList<Request> &group)
{
    QMutexLocker lock(&m_mutex);
    QVector<QString> results(group.size());
    bool loaded = false;
    bool changed = false;
    for (int n = 0; n < group.size(); ++n) {
        const Request &request = group.at(n);
        HaccpData data;
        QDate cutoff;
        if (request.kind == RemoveOld) {
            QString cutoffText;
            QDataStream stream(request.payload);
            setUp(stream) >> cutoffText;
            cutoff = parseDay(cutoffText);
        } else if (!unpackRecord(request.payload, &data)) {
            qCWarning(lcHaccp) << (request.kind == Add ? "Dropping a malformed HACCP record request"
                                                       : "Dropping a malformed HACCP removal request");
            results[n] = QStringLiteral("Malformed record");
            continue;
        }
        if (!loaded) {
            if (!load(true)) {
                for (int m = n; m < group.size(); ++m) {
                    if (results.at(m).isNull())
                        results[m] = kUnreadable;
                }
                break;
            }
            loaded = true;
        }
        changed = true;
        if (request.kind == Add) {
            prepend(QJsonDocument(QJsonObject{{QStringLiteral("p"), data.name},
                                              {QStringLiteral("d"), data.date},
                                              {QStringLiteral("t"), data.time},
                                              {QStringLiteral("h"), data.duration},
                                              {QStringLiteral("e"), data.expired},
                                              {QStringLiteral("b"), data.binNumber}})
                        .toJson(QJsonDocument::Compact));
        } else if (request.kind == Remove) {
            // Newest first: the first open record of the bin is its latest start. Records
            // without a day, time or bin cannot be shown or matched and go on the way.
            QVector<bool> keep(recordCount(), true);
            bool dropped = false;
            for (int i = 0; i < recordCount(); ++i) {
                const Fields f = fields(i);
                if (!f.hasDay || !f.hasTime || !f.hasBin) {
                    keep[i] = false;
                    dropped = true;
                } else if (f.raw.binNumber == data.binNumber && f.raw.duration == kOpen) {
                    keep[i] = false;
                    dropped = true;
                    break;
                }
            }
            if (dropped)
                keepOnly(keep);
        } else {
            QVector<bool> keep(recordCount(), true);
            bool dropped = false;
            for (int i = 0; i < recordCount(); ++i) {
                const Fields f = fields(i);
                bool kept = f.hasDay;
                if (kept && cutoff.isValid()) {
                    const QDate day = parseDay(f.raw.date);
                    kept = day.isValid() && day >= cutoff;
                }
                keep[i] = kept;
                dropped |= !kept;
            }
            if (dropped)
                keepOnly(keep);
        }
    }
    if (changed) {
        const QString result = writeLog();
        if (result == OkResult) {
            m_stamp = stampOf(logPath());
        } else {
            forget(); // the file keeps its previous text
        }
        for (QString &r : results) {
            if (r.isNull())
                r = result;
        }
    }
    lock.unlock();
    for (int n = 0; n < group.size(); ++n) {
        switch (group.at(n).kind) {
        case Add:
            emit addHaccpDone(results.at(n));
            break;
        case Remove:
            emit removeHaccpDone(results.at(n));
            break;
        default:
            emit removeOldDataDone(results.at(n));
            break;
        }
    }
}

namespace {

HaccpData shown(const HaccpData &raw)
{
    HaccpData data = raw;
    data.date = parseDay(raw.date).isValid() ? raw.date.mid(5) : QString();
    data.time = shortTime(raw.time);
    data.duration = raw.duration == kOpen ? raw.duration : shortTime(raw.duration);
    return data;
}

} // namespace

HaccpData FileLogWorker::displayForm(const QJsonObject &record)
{
    HaccpData data;
    data.name = record.value(QLatin1String("p")).toString();
    data.date = record.value(QLatin1String("d")).toString();
    data.time = record.value(QLatin1String("t")).toString();
    data.duration = record.value(QLatin1String("h")).toString();
    data.expired = record.value(QLatin1String("e")).toBool();
    data.binNumber = record.value(QLatin1String("b")).toInt();
    return shown(data);
}

void FileLogWorker::runRetrieve(const QByteArray &payload)
{
    bool retrieveAll = false;
    QDataStream stream(payload);
    setUp(stream) >> retrieveAll;

    QMutexLocker lock(&m_mutex);
    QList<HaccpData> list;
    int total = 0;
    if (load(false) && m_cache == Cache::Log) {
        total = recordCount();
        const int count = retrieveAll ? total : qMin(total, int(DisplayLimit));
        list.reserve(count);
        for (int i = 0; i < count; ++i)
            list.append(shown(fields(i).raw));
    }
    lock.unlock();
    emit retrievAllHaccpDataDone(OkResult, total, list);
}

// ---- CSV export --------------------------------------------------------------------------

QString FileLogWorker::exportFilePath(const QString &serialNumber, const QDateTime &now)
{
    return TulPaths::flashPath(QStringLiteral("holdingLog_%1_%2.csv")
                                   .arg(ErrorLogFiles::safeSerialNumber(serialNumber),
                                        now.toString(QStringLiteral("yyMMdd-HHmmss"))));
}

QByteArray FileLogWorker::csvLine(const HaccpData &display, int binsPerShelf)
{
    // A layout without bins has no shelves to name.
    const QString shelf = binsPerShelf > 0 && display.binNumber >= 0
        ? QString::number(display.binNumber / binsPerShelf + 1)
        : QString();
    const QString discarded = display.duration == kOpen
        ? kOpen
        : (display.expired ? QStringLiteral("Yes") : QStringLiteral("No"));
    return (csvText(display.name) + QLatin1Char(',') + shelf + QLatin1Char(',') + display.date
            + QLatin1Char(' ') + display.time + QLatin1Char(',') + discarded + QLatin1Char(',')
            + display.duration + QStringLiteral(",\n"))
        .toUtf8();
}

void FileLogWorker::runExport(const QByteArray &payload)
{
    QString serialNumber;
    qint32 traysPerZone = 0;
    qint32 zonesPerRow = 0;
    QDataStream stream(payload);
    setUp(stream) >> serialNumber >> traysPerZone >> zonesPerRow;
    const qint64 binsPerShelf = qint64(traysPerZone) * zonesPerRow;
    const QString path = exportFilePath(serialNumber, QDateTime::currentDateTime());

    QMutexLocker lock(&m_mutex);
    // Created afresh on the drive: a link of that name is replaced, not written through.
    QFile csv;
    const int fd = SafeFileWriter::createFresh(path);
    if (fd < 0 || !csv.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        qCWarning(lcHaccp).noquote() << "Unable to Open File !!!" << path;
        lock.unlock();
        emit fileExportComplete(QStringLiteral("Cannot create ") + path + QStringLiteral(": ")
                                + csv.errorString());
        return;
    }
    QByteArray buffer = kCsvHeader;
    bool ok = true;
    if (load(false) && m_cache == Cache::Log) {
        const int shelf = binsPerShelf > 0 && binsPerShelf <= INT_MAX ? int(binsPerShelf) : 0;
        for (int i = 0; i < recordCount(); ++i) {
            buffer += csvLine(shown(fields(i).raw), shelf);
            if (buffer.size() >= kCsvChunk) {
                ok = ok && writeAll(csv, buffer);
                buffer.clear();
            }
        }
    }
    ok = ok && writeAll(csv, buffer) && flushToStorage(csv);
    const QString error = csv.errorString();
    csv.close();
    if (!ok) {
        qCWarning(lcHaccp).noquote() << "Writing" << path << "failed:" << error;
        csv.remove();
    }
    lock.unlock();
    emit fileExportComplete(ok ? OkResult : QStringLiteral("Cannot write ") + path
                                     + QStringLiteral(": ") + error);
}
