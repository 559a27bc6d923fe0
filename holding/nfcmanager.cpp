#include "nfcmanager.h"

#include "crc32.h"
#include "holdinglog.h"
#include "nfctagitem2.h"
#include "safefilereader.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QDataStream>
#include <QDateTime>
#include <QSet>
#include <QVector>
#include <algorithm>
#include <limits>
#include <memory>

namespace {

// Both stores share one envelope: magic, format version, body length, CRC-32 of the
// body, then the body (QDataStream, big-endian). Any mismatch means the file is damaged.
constexpr quint32 TagStoreMagic = 0x544E4647;     // "TNFG"
constexpr quint32 PreviousUidMagic = 0x544E5055;  // "TNPU"
constexpr quint16 StoreVersion = 1;
constexpr int HeaderBytes = 4 + 2 + 4 + 4;
// The most pans kept, each with the longest batch id, fit.
constexpr qint64 MaxTagStoreBytes = 4 * 1024 * 1024;
constexpr qint64 MaxPreviousUidBytes = 1024;
// Batch ids are pan hex and a time; a longer one is cut so the store stays readable.
constexpr int MaxBatchIdChars = 256;
constexpr int MaxBatchIdBytes = 4 * MaxBatchIdChars;

QByteArray wrapStore(quint32 magic, const QByteArray &body)
{
    static const Crc32 crc;
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out << magic << StoreVersion << quint32(body.size()) << crc.calculateFromByteArray(body);
    file.append(body);
    return file;
}

// Reads and checks the envelope of `path`; on success `body` holds the checked body.
// `absent` tells a missing file (nothing to restore) from a damaged one. Only a plain file
// is read, without blocking: a pipe or device at the name must not hold up the restore.
bool readStore(const QString &path, quint32 magic, qint64 maxBytes, QByteArray *body,
               bool *absent, QString *why)
{
    static const Crc32 crc;
    *absent = false;
    QByteArray data;
    switch (SafeFileReader::read(path, maxBytes, &data, "NFC store")) {
    case SafeFileReader::Ok:
        break;
    case SafeFileReader::Missing:
        *absent = true;
        return false;
    case SafeFileReader::TooLarge:
        *why = QStringLiteral("file is larger than %1 bytes").arg(maxBytes);
        return false;
    case SafeFileReader::Unreadable:
        *why = QStringLiteral("not a plain file, or unreadable");
        return false;
    }
    if (data.size() < HeaderBytes) {
        *why = QStringLiteral("only %1 bytes, shorter than its header").arg(data.size());
        return false;
    }
    QDataStream in(data);
    quint32 fileMagic = 0;
    quint16 version = 0;
    quint32 length = 0;
    quint32 storedCrc = 0;
    in >> fileMagic >> version >> length >> storedCrc;
    if (fileMagic != magic) {
        *why = QStringLiteral("not a store of this kind (magic %1)").arg(fileMagic, 8, 16, QLatin1Char('0'));
        return false;
    }
    if (version != StoreVersion) {
        *why = QStringLiteral("format version %1, this program reads %2").arg(version).arg(StoreVersion);
        return false;
    }
    if (qint64(length) != qint64(data.size()) - HeaderBytes) {
        *why = QStringLiteral("body of %1 bytes where the header says %2")
                   .arg(data.size() - HeaderBytes).arg(length);
        return false;
    }
    *body = data.mid(HeaderBytes);
    if (crc.calculateFromByteArray(*body) != storedCrc) {
        *why = QStringLiteral("CRC-32 does not match");
        return false;
    }
    return true;
}

bool writeStore(const QString &path, quint32 magic, const QByteArray &body)
{
    QString error;
    if (SafeFileWriter::writeFile(path, wrapStore(magic, body), &error))
        return true;
    qCWarning(lcHolding).noquote() << "NFC store not saved:" << path << error;
    return false;
}

void logNotLoaded(const QString &path, const QString &why)
{
    qCWarning(lcHolding).noquote() << "NFC store" << path << "not loaded:" << why
                                   << "- the file is left in place";
}

bool validBin(int bin)
{
    return bin >= 0 && bin < NFCmanager::MaxBins;
}

} // namespace

NFCmanager::NFCmanager(QObject *parent)
    : P4StateMachine(parent)
{
    // No states: the tag analysis and the holding coordination call the operations.
}

NFCmanager::~NFCmanager()
{
    clearRegistry();
    clearOtherCabinetLists();
}

void NFCmanager::clearRegistry()
{
    qDeleteAll(m_registry);
    m_registry.clear();
    m_binUid.fill(0);
}

void NFCmanager::clearOtherCabinetLists()
{
    for (QList<NfcTagItem2 *> *list : qAsConst(m_otherCabinets)) {
        qDeleteAll(*list);
        delete list;
    }
    m_otherCabinets.clear();
}

void NFCmanager::clearBinEntryOf(quint64 uid, int bin)
{
    if (validBin(bin) && m_binUid[size_t(bin)] == uid)
        m_binUid[size_t(bin)] = 0;
}

bool NFCmanager::registerTag2(NfcTagItem2 *item)
{
    if (!item) {
        qCWarning(lcHolding) << "registerTag2: no record given";
        return false;
    }
    const int bin = item->getPosition();
    if (!validBin(bin)) {
        qCWarning(lcHolding).noquote()
            << QStringLiteral("registerTag2: pan %1 in bin %2, outside 0..%3; not registered")
                   .arg(item->getUid(), 0, 16).arg(bin).arg(MaxBins - 1);
        delete item;
        return false;
    }
    NfcTagItem2 *old = m_registry.value(item->getUid(), nullptr);
    if (old && old != item) {
        clearBinEntryOf(old->getUid(), old->getPosition());
        delete old;
    }
    m_registry.insert(item->getUid(), item);
    m_binUid[size_t(bin)] = item->getUid();
    emit registryChanged();
    return true;
}

void NFCmanager::deregisterTag2(quint64 uid)
{
    NfcTagItem2 *item = m_registry.value(uid, nullptr);
    if (!item) {
        qCInfo(lcHolding).noquote() << QStringLiteral("deregisterTag2: pan %1 is not registered").arg(uid, 0, 16);
        return;
    }
    item->setHoldStatus(NfcTagItem2::StatusStopped);
    item->setActivationTimeStamp(QDateTime::currentMSecsSinceEpoch());
    clearBinEntryOf(uid, item->getPosition());
    saveNFC2();
    emit registryChanged();
}

quint64 NFCmanager::getBinTagUid(int bin) const
{
    return validBin(bin) ? m_binUid[size_t(bin)] : 0;
}

bool NFCmanager::moveTag(quint64 uid, int newBin)
{
    NfcTagItem2 *item = m_registry.value(uid, nullptr);
    if (!item || !validBin(newBin)) {
        qCWarning(lcHolding).noquote()
            << QStringLiteral("moveTag: pan %1 to bin %2 refused (%3)")
                   .arg(uid, 0, 16).arg(newBin)
                   .arg(item ? QStringLiteral("no such bin") : QStringLiteral("not registered"));
        return false;
    }
    clearBinEntryOf(uid, item->getPosition());
    item->setPosition(newBin);
    m_binUid[size_t(newBin)] = uid;
    emit registryChanged();
    return true;
}

void NFCmanager::removeTagAndStopTimer(quint64 uid)
{
    NfcTagItem2 *item = m_registry.take(uid);
    if (!item) {
        qCInfo(lcHolding).noquote() << QStringLiteral("removeTagAndStopTimer: pan %1 is not registered").arg(uid, 0, 16);
        return;
    }
    const int bin = item->getPosition();
    const bool heldBin = getBinTagUid(bin) == uid;
    clearBinEntryOf(uid, bin);
    delete item;
    saveNFC2();
    if (heldBin)
        emit stopBinTimer(quint8(bin));
    emit registryChanged();
}

QString NFCmanager::tagStorePath()
{
    return TulPaths::rootPath(QStringLiteral("SavedHash2.dat"));
}

QString NFCmanager::previousUidPath()
{
    return TulPaths::rootPath(QStringLiteral("previousUID.dat"));
}

int NFCmanager::secondsRemaining(qint64 expTime, qint64 now)
{
    const qint64 seconds = (expTime - now + 500) / 1000;
    return int(qBound(qint64(std::numeric_limits<int>::min()), seconds,
                      qint64(std::numeric_limits<int>::max())));
}

void NFCmanager::pruneStoppedPans()
{
    if (m_registry.size() <= MaxStoredTags)
        return;
    // Pans in a bin are always kept. Of the others the stopped ones go first, then those
    // still counted as holding (a pan lifted out and never brought back), longest
    // unchanged first: the store is never refused for its size.
    QVector<const NfcTagItem2 *> candidates;
    for (const NfcTagItem2 *item : qAsConst(m_registry)) {
        if (getBinTagUid(item->getPosition()) != item->getUid())
            candidates << item;
    }
    std::sort(candidates.begin(), candidates.end(), [](const NfcTagItem2 *a, const NfcTagItem2 *b) {
        const bool aStopped = a->getHoldStatus() == NfcTagItem2::StatusStopped;
        const bool bStopped = b->getHoldStatus() == NfcTagItem2::StatusStopped;
        if (aStopped != bStopped)
            return aStopped;
        return a->getActivationTimeStamp() < b->getActivationTimeStamp();
    });
    const int excess = qMin(m_registry.size() - MaxStoredTags, candidates.size());
    for (int i = 0; i < excess; ++i)
        delete m_registry.take(candidates.at(i)->getUid());
    qCInfo(lcHolding) << "NFC tag store:" << excess << "pans no longer in use dropped to keep" << m_registry.size();
    emit registryChanged();
}

bool NFCmanager::saveNFC2()
{
    pruneStoppedPans();
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_15);
    out << quint32(MaxBins);
    for (quint64 uid : m_binUid)
        out << uid;
    out << quint32(m_registry.size());
    for (const NfcTagItem2 *item : qAsConst(m_registry)) {
        if (item->getBatchId().size() > MaxBatchIdChars) {
            qCWarning(lcHolding).noquote()
                << QStringLiteral("NFC tag store: batch id of pan %1 cut to %2 characters")
                       .arg(item->getUid(), 0, 16).arg(MaxBatchIdChars);
            NfcTagItem2 cut(*item);
            cut.setBatchId(item->getBatchId().left(MaxBatchIdChars));
            out << cut;
        } else {
            out << *item;
        }
    }
    return writeStore(tagStorePath(), TagStoreMagic, body);
}

bool NFCmanager::restoreNFC2()
{
    const QString path = tagStorePath();
    QByteArray body;
    bool absent = false;
    QString why;
    if (!readStore(path, TagStoreMagic, MaxTagStoreBytes, &body, &absent, &why)) {
        if (absent)
            return true;
        logNotLoaded(path, why);
        return false;
    }

    QDataStream in(body);
    in.setVersion(QDataStream::Qt_5_15);
    quint32 binCount = 0;
    in >> binCount;
    if (binCount != quint32(MaxBins)) {
        logNotLoaded(path, QStringLiteral("%1 bins where %2 are kept").arg(binCount).arg(MaxBins));
        return false;
    }
    std::array<quint64, MaxBins> bins {};
    for (quint64 &uid : bins)
        in >> uid;
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count > quint32(MaxStoredTags)) {
        logNotLoaded(path, QStringLiteral("record count %1 is damaged or above %2").arg(count).arg(MaxStoredTags));
        return false;
    }

    // Parse into a scratch map; the registry changes only when the whole file is good.
    QMap<quint64, NfcTagItem2 *> loaded;
    auto fail = [&](const QString &reason) {
        qDeleteAll(loaded);
        logNotLoaded(path, reason);
        return false;
    };
    for (quint32 i = 0; i < count; ++i) {
        auto item = std::make_unique<NfcTagItem2>();
        in >> *item;
        if (in.status() != QDataStream::Ok)
            return fail(QStringLiteral("record %1 of %2 is cut short").arg(i).arg(count));
        if (!validBin(item->getPosition()) || item->getHoldStatus() > NfcTagItem2::StatusStopped
            || item->getBatchId().toUtf8().size() > MaxBatchIdBytes) {
            return fail(QStringLiteral("record %1 (pan %2) has bin %3, status %4")
                            .arg(i).arg(item->getUid(), 0, 16).arg(item->getPosition())
                            .arg(item->getHoldStatus()));
        }
        if (loaded.contains(item->getUid()))
            return fail(QStringLiteral("pan %1 is stored twice").arg(item->getUid(), 0, 16));
        const quint64 uid = item->getUid();
        loaded.insert(uid, item.release());
    }
    if (!in.atEnd())
        return fail(QStringLiteral("data after the last record"));
    // The CRC vouches for the bytes; a bin entry that disagrees with its record (a record
    // changed behind the manager's back) loses only that entry.
    for (int bin = 0; bin < MaxBins; ++bin) {
        quint64 &uid = bins[size_t(bin)];
        const NfcTagItem2 *item = loaded.value(uid, nullptr);
        if (uid != 0 && (!item || item->getPosition() != bin)) {
            qCWarning(lcHolding).noquote()
                << QStringLiteral("NFC tag store: bin %1 named pan %2, which is not stored there; bin left empty")
                       .arg(bin).arg(uid, 0, 16);
            uid = 0;
        }
    }

    clearRegistry();
    m_registry = loaded;
    m_binUid = bins;
    qCDebug(lcHolding) << "NFC tag store restored:" << m_registry.size() << "pans";
    emit registryChanged();
    return true;
}

quint64 NFCmanager::getPreviousUid(int bin) const
{
    return validBin(bin) ? m_previousUid[size_t(bin)] : 0;
}

void NFCmanager::setPreviousUid(int bin, quint64 uid)
{
    if (!validBin(bin)) {
        qCWarning(lcHolding) << "setPreviousUid: bin" << bin << "is outside 0 ..." << MaxBins - 1;
        return;
    }
    m_previousUid[size_t(bin)] = uid;
}

bool NFCmanager::savePreviousUid()
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out << quint32(MaxBins);
    for (quint64 uid : m_previousUid)
        out << uid;
    return writeStore(previousUidPath(), PreviousUidMagic, body);
}

bool NFCmanager::restorePreviousUid()
{
    const QString path = previousUidPath();
    QByteArray body;
    bool absent = false;
    QString why;
    if (!readStore(path, PreviousUidMagic, MaxPreviousUidBytes, &body, &absent, &why)) {
        if (absent)
            return true;
        logNotLoaded(path, why);
        return false;
    }
    QDataStream in(body);
    quint32 count = 0;
    in >> count;
    if (count != quint32(MaxBins)) {
        logNotLoaded(path, QStringLiteral("%1 bins where %2 are kept").arg(count).arg(MaxBins));
        return false;
    }
    std::array<quint64, MaxBins> uids {};
    for (quint64 &uid : uids)
        in >> uid;
    if (in.status() != QDataStream::Ok || !in.atEnd()) {
        logNotLoaded(path, QStringLiteral("body is not %1 uids").arg(MaxBins));
        return false;
    }
    m_previousUid = uids;
    return true;
}
