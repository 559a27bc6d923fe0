#include "filelogworker.h"

#include "alarmslog.h"
#include "commandlauncher.h"
#include "errorlogfiles.h"
#include "jsonguard.h"
#include "safefilereader.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QDataStream>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonValue>
#include <QMutexLocker>
#include <QTime>

#include <climits>
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

bool FileLogWorker::readLog(QJsonObject *object, QJsonArray *records)
{
    *object = QJsonObject();
    *records = QJsonArray();
    QDir().mkpath(logDir());
    QByteArray content;
    switch (SafeFileReader::read(logPath(), MaxLogBytes, &content, "HACCP log")) {
    case SafeFileReader::Ok:
        break;
    case SafeFileReader::Missing:
        return true;
    case SafeFileReader::TooLarge:
        // Kept whole under another name; if it cannot be moved, it is not rewritten.
        return !SafeFileReader::setAside(logPath(), QStringLiteral("larger than %1 bytes").arg(MaxLogBytes)).isEmpty();
    case SafeFileReader::Unreadable:
        return false;
    }
    if (content.trimmed().isEmpty())
        return true;
    const QJsonDocument document = JsonGuard::parse(content, "HACCP log", MaxLogBytes);
    if (!document.isObject())
        return setAside(content);
    *object = document.object();
    *records = object->value(kInfo).toArray();
    return true;
}

QString FileLogWorker::writeLog(QJsonObject object, const QJsonArray &records)
{
    object.insert(kInfo, records);
    object.insert(QStringLiteral("desc"), kDesc);
    const QByteArray data = QJsonDocument(object).toJson(QJsonDocument::Compact);

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

QString FileLogWorker::rewriteLog(const std::function<void(QJsonArray &)> &change)
{
    QMutexLocker lock(&m_mutex);
    QJsonObject object;
    QJsonArray records;
    if (!readLog(&object, &records))
        return kUnreadable;
    change(records);
    return writeLog(object, records);
}

void FileLogWorker::doAddHaccpDataLog(const QByteArray &payload)
{
    HaccpData data;
    if (!unpackRecord(payload, &data)) {
        qCWarning(lcHaccp) << "Dropping a malformed HACCP record request";
        emit addHaccpDone(QStringLiteral("Malformed record"));
        return;
    }
    emit addHaccpDone(rewriteLog([&data](QJsonArray &records) {
        records.prepend(QJsonObject{{QStringLiteral("p"), data.name},
                                    {QStringLiteral("d"), data.date},
                                    {QStringLiteral("t"), data.time},
                                    {QStringLiteral("h"), data.duration},
                                    {QStringLiteral("e"), data.expired},
                                    {QStringLiteral("b"), data.binNumber}});
    }));
}

void FileLogWorker::doRemoveHaccpDataLog(const QByteArray &payload)
{
    HaccpData data;
    if (!unpackRecord(payload, &data)) {
        qCWarning(lcHaccp) << "Dropping a malformed HACCP removal request";
        emit removeHaccpDone(QStringLiteral("Malformed record"));
        return;
    }
    emit removeHaccpDone(rewriteLog([&data](QJsonArray &records) {
        // Newest first: the first open record of the bin is its latest start. Records
        // without a day, time or bin cannot be shown or matched and go on the way.
        for (int i = 0; i < records.size();) {
            const QJsonObject record = records.at(i).toObject();
            if (!record.contains(QLatin1String("d")) || !record.contains(QLatin1String("t"))
                || !record.contains(QLatin1String("b"))) {
                records.removeAt(i);
                continue;
            }
            if (record.value(QLatin1String("b")).toInt() == data.binNumber
                && record.value(QLatin1String("h")).toString() == kOpen) {
                records.removeAt(i);
                break;
            }
            ++i;
        }
    }));
}

void FileLogWorker::doRemoveOldHaccpDataLogs(const QByteArray &payload)
{
    QString cutoffText;
    QDataStream stream(payload);
    setUp(stream) >> cutoffText;
    const QDate cutoff = parseDay(cutoffText);
    emit removeOldDataDone(rewriteLog([&cutoff](QJsonArray &records) {
        for (int i = 0; i < records.size();) {
            const QJsonObject record = records.at(i).toObject();
            bool keep = record.contains(QLatin1String("d"));
            if (keep && cutoff.isValid()) {
                const QDate day = parseDay(record.value(QLatin1String("d")).toString());
                keep = day.isValid() && day >= cutoff;
            }
            if (keep)
                ++i;
            else
                records.removeAt(i);
        }
    }));
}

HaccpData FileLogWorker::displayForm(const QJsonObject &record)
{
    HaccpData data;
    data.name = record.value(QLatin1String("p")).toString();
    const QString day = record.value(QLatin1String("d")).toString();
    data.date = parseDay(day).isValid() ? day.mid(5) : QString();
    data.time = shortTime(record.value(QLatin1String("t")).toString());
    const QString duration = record.value(QLatin1String("h")).toString();
    data.duration = duration == kOpen ? duration : shortTime(duration);
    data.expired = record.value(QLatin1String("e")).toBool();
    data.binNumber = record.value(QLatin1String("b")).toInt();
    return data;
}

void FileLogWorker::retrieveAllHaccpData(const QByteArray &payload)
{
    bool retrieveAll = false;
    QDataStream stream(payload);
    setUp(stream) >> retrieveAll;

    QMutexLocker lock(&m_mutex);
    QList<HaccpData> list;
    int total = 0;
    QByteArray content;
    if (SafeFileReader::read(logPath(), MaxLogBytes, &content, "HACCP log") == SafeFileReader::Ok) {
        const QJsonDocument document = JsonGuard::parse(content, "HACCP log", MaxLogBytes);
        const QJsonArray records = document.object().value(kInfo).toArray();
        total = records.size();
        const int count = retrieveAll ? total : qMin(total, int(DisplayLimit));
        list.reserve(count);
        for (int i = 0; i < count; ++i)
            list.append(displayForm(records.at(i).toObject()));
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

void FileLogWorker::doHaccpFileExport(const QByteArray &payload)
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
    QByteArray content;
    if (SafeFileReader::read(logPath(), MaxLogBytes, &content, "HACCP log") == SafeFileReader::Ok) {
        const QJsonArray records =
            JsonGuard::parse(content, "HACCP log", MaxLogBytes).object().value(kInfo).toArray();
        content.clear();
        for (const QJsonValue &record : records) {
            buffer += csvLine(displayForm(record.toObject()),
                              binsPerShelf > 0 && binsPerShelf <= INT_MAX ? int(binsPerShelf) : 0);
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
