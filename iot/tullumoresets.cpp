// Holds ended by the cloud, and the holding lists of the store's other cabinets.
#include "tullumo.h"

#include "configurationmanager.h"
#include "iotholdingview.h"
#include "iotjson.h"
#include "iotlog.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"

#include <QDateTime>
#include <QJsonArray>

#include <cmath>

namespace {

// Year 9999 in epoch seconds.
constexpr qint64 MaxEpochSeconds = 253402300799LL;
// More cabinets than a store has; a list from beyond them is not kept.
constexpr int MaxOtherCabinets = 64;

bool wholeNumber(const QJsonValue &value, qint64 min, qint64 max, qint64 *out)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    if (std::floor(d) != d || d < double(min) || d > double(max))
        return false;
    *out = qint64(d);
    return true;
}

// A whole number in [min, max]; `fallback` when absent, of another type or out of range.
qint64 numberOr(const QJsonValue &value, qint64 min, qint64 max, qint64 fallback = 0)
{
    qint64 n = 0;
    return wholeNumber(value, min, max, &n) ? n : fallback;
}

// The command time stamp that a "commandError" carries back: whole seconds in 32 bits.
qint64 commandTimeStamp(const QJsonObject &message)
{
    return numberOr(message.value(QStringLiteral("timestamp")), INT32_MIN, INT32_MAX);
}

} // namespace

void TulLumo::endPanHold(NfcTagItem2 *entry, bool restart)
{
    NFCmanager *nfc = m_holding->nfc();
    const quint64 uid = entry->getUid();
    const int bin = entry->getPosition();
    const int product = NfcTagItem2::tagProduct(uid);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (validBin(bin) && nfc->getBinTagUid(bin) == uid) {
        m_holding->stopBinTimer(bin);
        entry->setHoldStatus(NfcTagItem2::StatusStopped);
        entry->setActivationTimeStamp(now);
        // The stop must survive a power cut like every other change of the store.
        if (!nfc->saveNFC2())
            qCWarning(lcIot) << "Tag store not saved after the reset of pan" << IotJson::panIdText(uid);
    } else {
        nfc->deregisterTag2(uid);
    }
    m_holding->raiseHoldStopped(IotJson::truncatedSeconds(now), m_holding->productName(product),
                                IotJson::panIdText(uid), bin, QStringLiteral("auto"), 0);
    // Read by the queued hold-stop report, which starts the new cycle.
    if (restart)
        entry->setRestartRequested(true);
}

bool TulLumo::handle_event_resetQrbHoldCycle(QString eventUuid, bool startNewCycle)
{
    const QStringList parts = eventUuid.split(QLatin1Char('-'));
    const quint64 uid = parts.size() == 2 ? IotJson::panUid(parts.first()) : 0;
    NfcTagItem2 *entry = uid ? entryOf(uid) : nullptr;
    if (!entry || entry->getBatchId() != eventUuid)
        return false;
    endPanHold(entry, startNewCycle);
    return true;
}

void TulLumo::handle_event_resetHoldCycle(QJsonObject message)
{
    const ConfigurationManager *settings = config();
    const QString event = message.value(QStringLiteral("event")).toString();
    const QJsonObject cabinet = message.value(QStringLiteral("cabinet")).toObject();
    const QString batchId = message.value(QStringLiteral("batch")).toObject().value(QStringLiteral("id")).toString();
    QString error;
    if (!settings || cabinet.value(QStringLiteral("serialNumber")).toString() != settings->get_serialNumber()) {
        error = QStringLiteral("Serial number error");
    } else if (cabinet.value(QStringLiteral("cabinetUuid")).toString() != settings->get_uuidNumber()) {
        error = QStringLiteral("Cabinet UUID error");
    } else {
        const quint64 uid = IotJson::panUid(message.value(QStringLiteral("panId")).toString());
        NfcTagItem2 *entry = uid ? entryOf(uid) : nullptr;
        if (entry && entry->getBatchId() == batchId)
            endPanHold(entry, event == QLatin1String("restart"));
        else
            error = QStringLiteral("Hold record not found");
    }
    if (!error.isEmpty())
        handle_event_commandError(event, commandTimeStamp(message), batchId, error);
}

void TulLumo::handle_event_holdingListReceived(QJsonObject message)
{
    const ConfigurationManager *settings = config();
    NFCmanager *nfc = m_holding ? m_holding->nfc() : nullptr;
    if (!settings || !nfc)
        return;
    const QJsonObject sender = customerSchema() ? message : message.value(QStringLiteral("cabinet")).toObject();
    const QString serial = sender.value(QStringLiteral("serialNumber")).toString();
    const QString location = sender.value(QStringLiteral("location")).toString();
    if (location != settings->get_storeNumber()) {
        handle_event_commandError(QStringLiteral("holdingList"), commandTimeStamp(message), QString(),
                                  QStringLiteral("Invalid location!"));
        return;
    }
    const QJsonValue holdInfo = message.value(QStringLiteral("holdInfo"));
    if (serial == settings->get_serialNumber() || !holdInfo.isArray())
        return;
    const QJsonArray entries = holdInfo.toArray();
    auto &lists = nfc->otherCabinetLists();
    if (serial.isEmpty()) {
        qCWarning(lcIot) << "Holding list ignored: no sender's serial number";
        return;
    }
    if (entries.size() > NFCmanager::MaxStoredTags) {
        qCWarning(lcIot) << "Holding list of" << entries.size() << "pans ignored: more than"
                         << NFCmanager::MaxStoredTags;
        return;
    }
    if (!lists.contains(serial) && lists.size() >= MaxOtherCabinets) {
        qCWarning(lcIot) << "Holding list ignored: lists of" << MaxOtherCabinets << "other cabinets are kept already";
        return;
    }

    if (QList<NfcTagItem2 *> *old = lists.take(serial)) {
        qDeleteAll(*old);
        delete old;
    }
    auto *list = new QList<NfcTagItem2 *>;
    for (const QJsonValue &value : entries) {
        const QJsonObject e = value.toObject();
        bool ok = false;
        const quint64 uid = e.value(QStringLiteral("panId")).toString().toULongLong(&ok, 16);
        if (!value.isObject() || !ok)
            continue;
        const QJsonObject batch = e.value(QStringLiteral("batch")).toObject();
        auto *record = new NfcTagItem2(uid);
        record->setHoldStatus(quint8(numberOr(e.value(QStringLiteral("status")), INT32_MIN, INT32_MAX)));
        record->setPosition(int(numberOr(e.value(QStringLiteral("bin")), INT32_MIN, INT32_MAX) & 0xFF));
        record->setSeenInCabinet(e.value(QStringLiteral("inCabinet")).toBool());
        // A CRC-32 is unsigned; seconds become milliseconds in 64 bits.
        record->setCrc32(quint32(numberOr(e.value(QStringLiteral("crc32")), 0, 0xFFFFFFFFLL)));
        record->setActivationTimeStamp(numberOr(e.value(QStringLiteral("activationTS")), 0, MaxEpochSeconds) * 1000);
        record->setBatchId(batch.value(QStringLiteral("id")).toString());
        record->setExpTime(numberOr(batch.value(QStringLiteral("expiration")), 0, MaxEpochSeconds) * 1000);
        list->append(record);
    }
    lists.insert(serial, list);

    // A pan the other cabinet took up after this one last did is theirs now.
    QList<quint64> takenOver;
    for (const NfcTagItem2 *record : qAsConst(*list)) {
        const NfcTagItem2 *local = nfc->viewTagInfo2(record->getUid());
        if (local && local->getActivationTimeStamp() + 500 < record->getActivationTimeStamp()
            && !takenOver.contains(record->getUid()))
            takenOver << record->getUid();
    }
    for (quint64 uid : qAsConst(takenOver)) {
        nfc->removeTagAndStopTimer(uid);
        qCInfo(lcIot).noquote() << QStringLiteral("%3:Removed and cancelled holding for #%1. Cabinet %2 has it!")
                                       .arg(IotJson::panIdText(uid), serial, now());
    }
}
