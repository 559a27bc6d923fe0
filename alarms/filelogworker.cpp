#include "filelogworker.h"

#include "alarmslog.h"
#include "alarmtimings.h"
#include "cleanstop.h"
#include "commandlauncher.h"
#include "errorlogfiles.h"
#include "interruptedsave.h"
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
#include <QTimer>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

const QString FileLogWorker::OkResult = QStringLiteral("OK");

namespace {

const QString kDesc = QStringLiteral("HACCP Data Log");
const QString kInfo = QStringLiteral("haccpInfo");
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

bool writeAll(QFile &file, const QByteArray &data)
{
    return file.write(data) == data.size();
}

bool flushToStorage(QFile &file)
{
    return file.flush() && ::fsync(file.handle()) == 0;
}

// A large log passes through the reader's pieces and, in another form, through the JSON
// parser: the allocator would keep that memory for the process unless asked to return it.
constexpr qint64 kTrimAfterBytes = 1024 * 1024;

void giveBackMemory(qint64 bytesRead)
{
    if (bytesRead >= kTrimAfterBytes)
        ::malloc_trim(0);
}

} // namespace

FileLogWorker::FileLogWorker(QObject *parent)
    : QObject(parent),
      m_retry(new QTimer(this))
{
    qRegisterMetaType<HaccpData>();
    qRegisterMetaType<QList<HaccpData>>();
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &FileLogWorker::retryPending);
    CleanStop::atStop(this, [this] { tryAtStop(); });
    // Taken on the worker's own thread once it runs: what the last stop kept goes first.
    QMetaObject::invokeMethod(this, [this] { take(Retry, QByteArray()); }, Qt::QueuedConnection);
}

FileLogWorker::~FileLogWorker()
{
    if (!m_pending.isEmpty() && !m_journalCurrent)
        writeJournal();
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

QString FileLogWorker::journalPath()
{
    return TulPaths::rootPath(QStringLiteral("haccpLog.journal"));
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

QByteArray FileLogWorker::packClose(const QString &cut, const QList<HaccpData> &holding, quint32 expiredBins)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    setUp(stream) << cut << expiredBins << quint32(holding.size());
    for (const HaccpData &data : holding)
        stream << data.name << data.date << data.time << data.duration << data.expired << qint32(data.binNumber);
    return payload;
}

namespace {

struct CloseRequest
{
    QDateTime cut;
    quint32 expiredBins = 0;
    QList<HaccpData> holding;
    quint32 keepBins() const
    {
        quint32 bins = 0;
        for (const HaccpData &d : holding)
            bins |= d.binNumber >= 0 && d.binNumber < 32 ? 1u << d.binNumber : 0;
        return bins;
    }
};

bool unpackClose(const QByteArray &payload, CloseRequest *close)
{
    constexpr quint32 MaxHolding = 64; // a cabinet has 20 bins
    QString cut;
    quint32 count = 0;
    QDataStream stream(payload);
    setUp(stream) >> cut >> close->expiredBins >> count;
    if (count > MaxHolding)
        return false;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        HaccpData d;
        qint32 bin = 0;
        stream >> d.name >> d.date >> d.time >> d.duration >> d.expired >> bin;
        d.binNumber = bin;
        close->holding << d;
    }
    close->cut = QDateTime::fromString(cut, QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    return stream.status() == QDataStream::Ok && stream.atEnd() && close->cut.isValid();
}

} // namespace

// Closes what did not survive the restart; a hold that goes on without its start record
// (the cut came before the log had it) gets it now.
bool FileLogWorker::closeOpen(const QDateTime &cut, const QList<HaccpData> &holding, quint32 expiredBins)
{
    quint32 keep = 0;
    for (const HaccpData &d : holding)
        keep |= d.binNumber >= 0 && d.binNumber < 32 ? 1u << d.binNumber : 0;
    const int closed = m_log.closeOpenRecords(cut, keep, expiredBins);
    if (closed > 0)
        qCInfo(lcHaccp).noquote() << closed << "HACCP records of holds that did not survive the restart closed at"
                                  << cut.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    bool added = false;
    for (const HaccpData &start : holding) {
        if (!m_log.hasOpenRecord(start.binNumber)) {
            qCInfo(lcHaccp) << "HACCP start record of bin" << start.binNumber << "written again after the restart";
            m_log.prepend(start);
            added = true;
        }
    }
    return closed > 0 || added;
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
    // Named on the screen wherever it is kept: as too large when it was past MaxForeignBytes
    // (never parsed whole), else as not readable.
    const bool large = content.size() > MaxForeignBytes;
    const QString aside = logPath() + QStringLiteral(".invalid-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyMMdd-HHmmss"));
    qCWarning(lcHaccp).noquote() << "The HACCP log is not a JSON object (" << content.size()
                                 << "bytes ); kept as" << aside;
    QFile::remove(aside);
    if (QFile::rename(logPath(), aside) || SafeFileWriter::writeFile(aside, content)) {
        m_unreadLog = aside;
        m_unreadTooLarge = large;
        return true;
    }
    qCWarning(lcHaccp).noquote() << "Could not keep the unreadable HACCP log as" << aside;
    return false;
}

FileLogWorker::Stamp FileLogWorker::stampOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? stampOf(info) : Stamp();
}

FileLogWorker::Stamp FileLogWorker::stampOf(const struct stat &info)
{
    Stamp stamp;
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
    m_log.release();
}

void FileLogWorker::useEmpty()
{
    m_log.setEmpty();
    m_cache = Cache::Log;
}

// The records a rewrite of this object would write.
void FileLogWorker::useDocument(QJsonObject object)
{
    object.insert(kInfo, object.value(kInfo).toArray());
    object.insert(QStringLiteral("desc"), kDesc);
    if (m_log.read(QJsonDocument(object).toJson(QJsonDocument::Compact)) == HaccpRecords::Read::Ok) {
        m_cache = Cache::Log;
        return;
    }
    qCWarning(lcHaccp) << "The HACCP log's records could not be taken in";
    m_cache = Cache::None;
}

bool FileLogWorker::readOwnText()
{
    const int fd = ::open(QFile::encodeName(logPath()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > MaxLogBytes) {
        ::close(fd);
        return false;
    }
    qint64 total = 0;
    const HaccpRecords::Read read = m_log.read([fd, &total](char *to, qint64 max) -> qint64 {
        for (;;) {
            const ssize_t n = ::read(fd, to, size_t(max));
            if (n < 0 && errno == EINTR)
                continue;
            total += qMax<ssize_t>(n, 0);
            return n < 0 || total > MaxLogBytes ? -1 : qint64(n);
        }
    }, info.st_size);
    ::close(fd);
    if (read != HaccpRecords::Read::Ok)
        return false;
    m_stamp = stampOf(info);
    m_cache = Cache::Log;
    return true;
}

bool FileLogWorker::load(bool forWrite)
{
    if (forWrite)
        QDir().mkpath(logDir());
    if (!m_settled) {
        // A rewrite that a kill stopped before its move: its ".New" is the newest log.
        m_settled = true;
        InterruptedSave::settle(logPath(), MaxLogBytes, [](const QByteArray &content) {
            if (HaccpRecords().read(content) == HaccpRecords::Read::Ok)
                return true;
            const QJsonDocument document = JsonGuard::parse(content, "interrupted HACCP log", MaxForeignBytes);
            return document.isObject() && document.object().value(kInfo).isArray();
        });
    }
    const Stamp now = stampOf(logPath());
    if (m_cache != Cache::None && now == m_stamp && (m_cache != Cache::Foreign || !forWrite))
        return true;
    forget();
    if (m_unreadLog == logPath())
        m_unreadLog.clear();
    if (now.exists && readOwnText())
        return true;
    // Not in the log's own form: read whole and parsed, once.
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
            m_unreadLog = logPath();
            m_unreadTooLarge = true;
            return true;
        }
        // Kept whole under another name; if it cannot be moved, it is not rewritten.
        m_unreadLog = SafeFileReader::setAside(logPath(), QStringLiteral("larger than %1 bytes").arg(MaxLogBytes));
        m_unreadTooLarge = true;
        if (m_unreadLog.isEmpty())
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
    const QJsonDocument document = JsonGuard::parse(content, "HACCP log", MaxForeignBytes);
    if (document.isObject()) {
        useDocument(document.object());
        giveBackMemory(content.size());
        return m_cache == Cache::Log;
    }
    if (!forWrite) {
        m_cache = Cache::Foreign;
        m_unreadLog = logPath();
        m_unreadTooLarge = content.size() > MaxForeignBytes;
        return true;
    }
    if (!setAside(content))
        return false;
    m_stamp = stampOf(logPath());
    useEmpty();
    return true;
}

QString FileLogWorker::writeLog()
{
    // ".New" is created afresh: a link left at that name is never written through. The
    // text goes out in pieces, so a year of records is never held as one.
    QString error;
    if (!SafeFileWriter::writeNewFile(newLogPath(), [this](const SafeFileWriter::Sink &sink) {
            return m_log.write(sink);
        }, &error)) {
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
void FileLogWorker::doCloseOpenHaccpDataLogs(const QByteArray &payload) { take(Close, payload); }
void FileLogWorker::retrieveAllHaccpData(const QByteArray &payload) { take(Retrieve, payload); }
void FileLogWorker::doHaccpFileExport(const QByteArray &payload) { take(Export, payload); }

void FileLogWorker::retryPending()
{
    if (!m_pending.isEmpty())
        take(Retry, QByteArray());
}

void FileLogWorker::tryAtStop()
{
    retryPending();
    if (!m_pending.isEmpty())
        writeJournal();
}

void FileLogWorker::take(Kind kind, const QByteArray &payload)
{
    if (!m_journalRead)
        readJournal();
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
// sees the log as the requests before it left it, kept changes written first if they can be.
void FileLogWorker::work(const QList<Request> &requests)
{
    QList<Request> group;
    bool retry = false;
    for (const Request &request : requests) {
        if (request.kind == Retrieve || request.kind == Export) {
            if (!group.isEmpty() || !m_pending.isEmpty())
                runWrites(group);
            group.clear();
            retry = false;
            request.kind == Retrieve ? runRetrieve(request.payload) : runExport(request.payload);
        } else if (request.kind == Retry) {
            retry = true;
        } else {
            group.append(request);
        }
    }
    if (!group.isEmpty() || (retry && !m_pending.isEmpty()))
        runWrites(group);
}

QString FileLogWorker::describe(const Request &request)
{
    if (request.kind == RemoveOld) {
        QString cutoff;
        QDataStream stream(request.payload);
        setUp(stream) >> cutoff;
        return QStringLiteral("clean-up of records before ") + cutoff;
    }
    if (request.kind == Close) {
        CloseRequest close;
        unpackClose(request.payload, &close);
        return QStringLiteral("close of the open records before a restart at %1 (bins kept open %2)")
            .arg(close.cut.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")))
            .arg(close.keepBins(), 0, 2);
    }
    HaccpData d;
    unpackRecord(request.payload, &d);
    if (request.kind == Remove)
        return QStringLiteral("removal of the open record of bin %1").arg(d.binNumber);
    return QStringLiteral("record \"%1\" bin %2 %3 %4 duration %5%6")
        .arg(d.name).arg(d.binNumber).arg(d.date, d.time, d.duration,
                                          d.expired ? QStringLiteral(" expired") : QString());
}

// ---- the journal of kept changes --------------------------------------------------------

namespace {

const char *const kKindNames[] = {"add", "remove", "removeOld", "close"};
const QString kChanges = QStringLiteral("changes");

int kindOf(const QString &name)
{
    for (int k = 0; k < int(sizeof kKindNames / sizeof *kKindNames); ++k) {
        if (name == QLatin1String(kKindNames[k]))
            return k;
    }
    return -1;
}

} // namespace

void FileLogWorker::readJournal()
{
    m_journalRead = true;
    QJsonDocument document;
    const auto problem = [](const QJsonDocument &doc) -> QString {
        const QJsonValue changes = doc.object().value(kChanges);
        if (!doc.isObject() || !changes.isArray())
            return QStringLiteral("not a journal of HACCP changes");
        for (const QJsonValue &change : changes.toArray()) {
            if (kindOf(change[QLatin1String("k")].toString()) < 0 || !change[QLatin1String("p")].isString())
                return QStringLiteral("a change of an unknown kind");
        }
        return QString();
    };
    if (JsonGuard::readDataFile(journalPath(), MaxJournalBytes, "HACCP journal", problem, &document)
        != JsonGuard::FileOutcome::Loaded)
        return;
    QList<Request> kept;
    for (const QJsonValue &change : document.object().value(kChanges).toArray()) {
        kept.append({Kind(kindOf(change[QLatin1String("k")].toString())),
                      QByteArray::fromBase64(change[QLatin1String("p")].toString().toLatin1())});
    }
    m_journalOnDisk = true;
    if (kept.isEmpty())
        return dropJournal();
    qCInfo(lcHaccp) << kept.size() << "HACCP changes kept at the last stop go into the log first";
    m_pending = kept + m_pending;
    m_journalCurrent = false;
}

void FileLogWorker::writeJournal()
{
    m_journalCurrent = true;
    if (m_pending.isEmpty())
        return dropJournal();
    QJsonArray changes;
    for (const Request &request : qAsConst(m_pending)) {
        changes.append(QJsonObject{{QStringLiteral("k"), QLatin1String(kKindNames[request.kind])},
                                   {QStringLiteral("p"), QString::fromLatin1(request.payload.toBase64())}});
    }
    const QJsonObject journal{{QStringLiteral("desc"), QStringLiteral("HACCP changes not yet in the log")},
                              {kChanges, changes}};
    QString error;
    if (SafeFileWriter::writeFile(journalPath(), QJsonDocument(journal).toJson(QJsonDocument::Compact), &error)) {
        m_journalOnDisk = true;
        qCWarning(lcHaccp).noquote() << m_pending.size() << "HACCP changes not written to the log are kept in"
                                     << journalPath() << "for the next start";
        return;
    }
    qCWarning(lcHaccp).noquote() << "Cannot keep the HACCP changes in" << journalPath() << ":" << error;
    for (const Request &request : qAsConst(m_pending))
        qCWarning(lcHaccp).noquote() << "Not written to the HACCP log at exit:" << describe(request);
}

// Its changes are in the log now: a journal left behind would make them again.
void FileLogWorker::dropJournal()
{
    if (!m_journalOnDisk)
        return;
    if (!QFile::remove(journalPath()) && QFileInfo::exists(journalPath())) {
        qCWarning(lcHaccp).noquote() << "Cannot remove" << journalPath()
                                     << "- its changes are in the HACCP log and would be made again";
        return;
    }
    m_journalOnDisk = false;
    SafeFileWriter::syncDirectory(TulPaths::rootDir());
}

// The changes of a rewrite that failed, in order, for the next one. Memory is bounded: the
// oldest are given up first, each named in the log.
void FileLogWorker::keepPending(const QList<Request> &requests)
{
    if (!m_retry->isActive())
        qCWarning(lcHaccp) << requests.size() << "HACCP changes kept until the log can be written";
    m_pending = requests;
    m_journalCurrent = false;
    while (m_pending.size() > MaxPending)
        qCWarning(lcHaccp).noquote() << "The HACCP log still cannot be written; no longer kept for a retry:"
                                     << describe(m_pending.takeFirst());
    m_retry->start(AlarmTimings::scaled(RetryMs));
}

void FileLogWorker::runWrites(const QList<Request> &newRequests)
{
    QMutexLocker lock(&m_mutex);
    // Kept changes are in memory already while the file is as it was; otherwise they are
    // made again on the file first, in their order. Only the new requests are answered.
    QList<Request> earlier;
    QList<Request> group = newRequests;
    int kept = 0;
    bool changed = false;
    if (!m_pending.isEmpty()) {
        if (m_cache == Cache::Unsaved && stampOf(logPath()) == m_stamp) {
            earlier = m_pending;
            changed = true;
        } else {
            forget();
            kept = m_pending.size();
            group = m_pending + newRequests;
        }
    }
    const int waiting = m_pending.size();
    QVector<QString> results(group.size());
    bool loaded = false;
    for (int n = 0; n < group.size(); ++n) {
        const Request &request = group.at(n);
        HaccpData data;
        QDate cutoff;
        CloseRequest close;
        if (request.kind == RemoveOld) {
            QString cutoffText;
            QDataStream stream(request.payload);
            setUp(stream) >> cutoffText;
            cutoff = HaccpRecords::parseDay(cutoffText);
        } else if (request.kind == Close) {
            if (!unpackClose(request.payload, &close)) {
                qCWarning(lcHaccp) << "Dropping a malformed request to close open HACCP records";
                results[n] = QStringLiteral("Malformed request");
                continue;
            }
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
        if (request.kind == Close && !closeOpen(close.cut, close.holding, close.expiredBins)) {
            results[n] = OkResult; // nothing was open that should not be: no rewrite for it
            continue;
        }
        changed = true;
        if (request.kind == Add)
            m_log.prepend(data);
        else if (request.kind == Remove)
            m_log.removeOpenRecord(data.binNumber);
        else if (request.kind != Close)
            m_log.removeBefore(cutoff);
    }
    const QString result = changed ? writeLog() : QString();
    if (result == OkResult) {
        m_stamp = stampOf(logPath());
        if (waiting > 0)
            qCWarning(lcHaccp) << waiting << "kept HACCP changes written";
        m_pending.clear();
        m_retry->stop();
        dropJournal();
    } else {
        // The file keeps its previous text; memory shows it with the changes until then.
        if (changed)
            m_cache = Cache::Unsaved;
        QList<Request> unwritten = earlier;
        for (int n = 0; n < group.size(); ++n) {
            if (results.at(n).isNull() || results.at(n) == kUnreadable)
                unwritten.append(group.at(n));
        }
        m_pending.clear();
        if (!unwritten.isEmpty())
            keepPending(unwritten);
    }
    for (QString &r : results) {
        if (r.isNull())
            r = result;
    }
    lock.unlock();
    for (int n = kept; n < group.size(); ++n) {
        switch (group.at(n).kind) {
        case Add:
            emit addHaccpDone(results.at(n));
            break;
        case Remove:
            emit removeHaccpDone(results.at(n));
            break;
        case Close:
            emit closeOpenDone(results.at(n));
            break;
        default:
            emit removeOldDataDone(results.at(n));
            break;
        }
    }
}

HaccpData FileLogWorker::displayForm(const QJsonObject &record)
{
    HaccpData data;
    data.name = record.value(QLatin1String("p")).toString();
    data.date = record.value(QLatin1String("d")).toString();
    data.time = record.value(QLatin1String("t")).toString();
    data.duration = record.value(QLatin1String("h")).toString();
    data.expired = record.value(QLatin1String("e")).toBool();
    data.binNumber = record.value(QLatin1String("b")).toInt();
    return HaccpRecords::shownForm(data);
}

void FileLogWorker::runRetrieve(const QByteArray &payload)
{
    bool retrieveAll = false;
    QDataStream stream(payload);
    setUp(stream) >> retrieveAll;

    QMutexLocker lock(&m_mutex);
    QList<HaccpData> list;
    int total = 0;
    if (load(false) && (m_cache == Cache::Log || m_cache == Cache::Unsaved)) {
        total = m_log.count();
        const int count = retrieveAll ? total : qMin(total, int(DisplayLimit));
        list.reserve(count);
        for (int i = 0; i < count; ++i)
            list.append(m_log.shown(i));
    }
    if (!m_unreadLog.isEmpty() && m_unreadLog != logPath() && !QFileInfo::exists(m_unreadLog))
        m_unreadLog.clear();
    const QString unread = m_unreadLog;
    const bool tooLarge = m_unreadTooLarge;
    lock.unlock();
    emit unreadLogChanged(unread, tooLarge);
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
    return HaccpRecords::csvLine(display, binsPerShelf);
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
    QByteArray buffer;
    buffer.reserve(kCsvChunk + 4096); // kept, not freed, when emptied after each piece
    buffer.append(kCsvHeader);
    bool ok = true;
    if (load(false) && (m_cache == Cache::Log || m_cache == Cache::Unsaved)) {
        const int shelf = binsPerShelf > 0 && binsPerShelf <= INT_MAX ? int(binsPerShelf) : 0;
        for (int i = 0; i < m_log.count(); ++i) {
            m_log.appendCsv(i, shelf, &buffer);
            if (buffer.size() >= kCsvChunk) {
                ok = ok && writeAll(csv, buffer);
                buffer.resize(0);
            }
        }
    }
    ok = ok && writeAll(csv, buffer) && flushToStorage(csv);
    const QString error = csv.errorString();
    csv.close();
    if (!ok) {
        // Opened from a descriptor, the file has no name of its own to remove by.
        qCWarning(lcHaccp).noquote() << "Writing" << path << "failed:" << error;
        QFile::remove(path);
        SafeFileWriter::syncDirectory(QFileInfo(path).absolutePath());
    }
    lock.unlock();
    emit fileExportComplete(ok ? OkResult : QStringLiteral("Cannot write ") + path
                                     + QStringLiteral(": ") + error);
}
