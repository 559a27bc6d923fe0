// The cloud link's alarm and picture reports: product mismatches, errors, the holding
// list and the periodic performance data.
#include "tullumo.h"

#include "bininfo.h"
#include "cabinetcore.h"
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "iotcabinetview.h"
#include "iotholdingview.h"
#include "iotjson.h"
#include "iotlink.h"
#include "iotlog.h"
#include "menumanager.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"

#include <QDateTime>
#include <QJsonArray>

namespace {

constexpr int FullSizePan = 2;
constexpr int QrbCustomer = 3;
// Main codes of the error quadruple.
constexpr int HeaterError = 2;
constexpr int ZoneError = 3;
constexpr int SdkError = 8;
// Heater errors above this sub code concern the whole cabinet or no probe.
constexpr int LastProbeSubCode = 3;
const QString Null = QStringLiteral("null");

} // namespace

// ---- shared readings --------------------------------------------------------------------

bool TulLumo::cabinetBin(int bin) const
{
    const CabinetCore *c = core();
    return validBin(bin) && c && bin < c->get_traysPerCabinet();
}

QString TulLumo::now()
{
    return IotJson::roundedSeconds(QDateTime::currentMSecsSinceEpoch());
}

QString TulLumo::dayPartName(int dayPart) const
{
    const CabinetCore *c = core();
    const DayPartManager *dayParts = c ? c->daypartManager() : nullptr;
    return dayParts ? IotJson::cutName(dayParts->getDayPartName(dayPart)) : QString();
}

QString TulLumo::currentDayPartName() const
{
    const CabinetCore *c = core();
    const DayPartManager *dayParts = c ? c->daypartManager() : nullptr;
    return dayParts ? dayPartName(dayParts->get_partOfDay()) : QString();
}

TulLumo::BinReading TulLumo::binReading(int bin) const
{
    const QList<BinInfo *> infos = m_cabinet ? m_cabinet->binInfos() : QList<BinInfo *>();
    const BinInfo *info = bin >= 0 ? infos.value(bin, nullptr) : nullptr;
    if (!info)
        return {};
    return {true, info->get_binNumber(), info->get_targetTemp(), info->get_actualTemp()};
}

// ---- mismatch ---------------------------------------------------------------------------

void TulLumo::handle_event_binMisMatchAlert(QString timeStamp, QString, QString, int binIndex, QString)
{
    sendMismatch(Mismatch::Alert, timeStamp, binIndex);
}

void TulLumo::handle_event_binMisMatchClear(QString timeStamp, QString, QString, int binIndex, QString)
{
    sendMismatch(Mismatch::Clear, timeStamp, binIndex);
}

void TulLumo::sendMismatch(Mismatch kind, const QString &timeStamp, int binIndex)
{
    if (!cabinetBin(binIndex)) {
        qCWarning(lcIot) << "Mismatch of bin" << binIndex << "outside the cabinet; not reported";
        return;
    }
    // A full-size pan is reported at the even bin of its pair, with or without tags.
    const int bin = m_holding->panSizeOfBin(binIndex) == FullSizePan ? (binIndex & ~1) : binIndex;
    const int binNumber = bin + 1;
    const int binProduct = m_holding->productOfBin(bin);
    const quint64 uid = m_cabinet ? m_cabinet->misMatchedPanId(bin) : 0;
    const int panProduct = NfcTagItem2::tagProduct(uid);
    const QString panId = IotJson::signedPanIdText(uid);
    const bool alert = kind == Mismatch::Alert;

    QJsonObject message;
    if (customerSchema()) {
        message = envelope(alert ? QStringLiteral("alarm") : QStringLiteral("alarmCleared"), timeStamp);
        message.insert(QStringLiteral("zoneNumber"), binNumber);
        message.insert(QStringLiteral("state"), alert ? QStringLiteral("alarm") : QStringLiteral("ready"));
        message.insert(QStringLiteral("daypart"), currentDayPartName());
        message.insert(QStringLiteral("alarmCode"), QStringLiteral("A1"));
        // The clear names the alarm it ends.
        message.insert(QStringLiteral("alarmDesc"), QStringLiteral("binMismatchAlert"));
        message.insert(QStringLiteral("alarmValue"), QString::number(binNumber));
        message.insert(QStringLiteral("zoneProductName"), IotJson::cutName(m_holding->productName(binProduct)));
        message.insert(QStringLiteral("zoneProductId"), binProduct);
        message.insert(QStringLiteral("panId"), panId);
        message.insert(QStringLiteral("productId"), panProduct);
        message.insert(QStringLiteral("productName"), IotJson::cutName(m_holding->productName(panProduct)));
    } else {
        message = envelope(alert ? QStringLiteral("binMisMatchAlert") : QStringLiteral("binMisMatchClear"),
                           timeStamp);
        message.insert(QStringLiteral("eventId"), m_cabinet ? m_cabinet->misMatchId(bin) : QString());
        message.insert(QStringLiteral("timer"),
                       QJsonObject{{QStringLiteral("bin"), binNumber},
                                   {QStringLiteral("productName"),
                                    IotJson::cutName(m_holding->productName(binProduct))},
                                   {QStringLiteral("productId"), binProduct}});
        message.insert(QStringLiteral("pan"), QJsonObject{{QStringLiteral("panId"), panId},
                                                          {QStringLiteral("productName"),
                                                           m_holding->productName(panProduct)},
                                                          {QStringLiteral("productId"), panProduct}});
    }
    send(message);
}

// ---- errors -----------------------------------------------------------------------------

void TulLumo::handle_event_error(QString timeStamp, QString errorCode, QString errorDesc, QString value)
{
    const QStringList parts = errorCode.split(QLatin1Char('.'));
    const auto part = [&parts](int i) { return parts.value(i).toInt(); }; // not a number: 0
    const int mainCode = part(0);
    if (mainCode == SdkError)
        return; // the link's own errors are not reported back to the cloud

    QJsonObject message = envelope(QStringLiteral("error"), timeStamp);
    if (!customerSchema()) {
        message.insert(QStringLiteral("firmware"),
                       QJsonObject{{QStringLiteral("firmwareVersion"), IotLink::FirmwareVersion}});
        message.insert(QStringLiteral("menu"), QJsonObject{{QStringLiteral("menuVersion"), QString()},
                                                           {QStringLiteral("menuDescription"), QString()}});
        message.insert(QStringLiteral("error"), QJsonObject{{QStringLiteral("errorCode"), errorCode},
                                                            {QStringLiteral("errorDesc"), errorDesc},
                                                            {QStringLiteral("errorValue"), value}});
        send(message);
        return;
    }

    message.insert(QStringLiteral("errorCode"), errorCode);
    message.insert(QStringLiteral("errorDesc"), errorDesc);
    const auto putNull = [&message](std::initializer_list<const char *> keys) {
        for (const char *key : keys)
            message.insert(QLatin1String(key), Null);
    };
    const bool probeError = mainCode == HeaterError && part(1) <= LastProbeSubCode;
    if (mainCode == HeaterError && !probeError) {
        putNull({"temperatureMeasured", "temperatureSetpoint", "errorValue"});
    } else if (probeError || mainCode == ZoneError) {
        // A heater error names its bin. A zone error names the zone, and its last part is
        // the zone's temperature, not a bin: it is reported at the zone's first bin.
        const CabinetCore *c = core();
        const qint64 perZone = c ? c->get_traysPerZone() : 0;
        const qint64 bin = probeError ? part(2) : (part(2) >= 0 ? part(2) * perZone : -1);
        const BinReading b = binReading(bin >= 0 && bin < MaxBins ? int(bin) : -1);
        if (b.found)
            message.insert(QStringLiteral("zoneNumber"), b.binNumber + 1);
        message.insert(QStringLiteral("temperatureMeasured"), QString::number(b.actual));
        message.insert(QStringLiteral("temperatureSetpoint"), QString::number(b.target));
        message.insert(QStringLiteral("errorValue"), QString::number(b.actual));
    } else {
        putNull({"temperatureMeasured", "temperatureSetpoint", "zoneNumber", "errorValue"});
    }
    send(message);
}

// ---- holding list -----------------------------------------------------------------------

void TulLumo::handle_event_holdingListChange(QString timeStamp)
{
    const ConfigurationManager *settings = config();
    const bool customer = customerSchema();
    QJsonObject message;
    message.insert(QStringLiteral("event"), QStringLiteral("holdingList"));
    message.insert(QStringLiteral("timestamp"), timeStamp);
    const QString serial = settings ? settings->get_serialNumber() : QString();
    const QString location = settings ? settings->get_storeNumber() : QString();
    if (customer) {
        message.insert(QStringLiteral("modelNumber"), settings ? settings->get_modelNumber() : QString());
        message.insert(QStringLiteral("serialNumber"), serial);
        message.insert(QStringLiteral("location"), location);
    } else {
        message.insert(QStringLiteral("cabinet"),
                       QJsonObject{{QStringLiteral("serialNumber"), serial},
                                   {QStringLiteral("location"), location},
                                   {QStringLiteral("cabinetUuid"), settings ? settings->get_uuidNumber() : QString()}});
    }

    const QChar separator = customer ? QLatin1Char('-') : QLatin1Char(':');
    QJsonArray holdInfo;
    if (NFCmanager *nfc = m_holding->nfc()) {
        for (const NfcTagItem2 *entry : qAsConst(nfc->tagRegistry())) {
            // The start is the time part of a batch id named in this message set.
            const QStringList batchParts = entry->getBatchId().split(separator);
            const qint64 start = batchParts.size() == 2 ? batchParts.at(1).toLongLong() : 0;
            QJsonObject batch{{QStringLiteral("id"), entry->getBatchId()},
                              {QStringLiteral("start"), double(start)},
                              {QStringLiteral("expiration"),
                               double(IotJson::roundedSecondsValue(entry->getExpTime()))},
                              {QStringLiteral("active"), entry->getHoldStatus() != NfcTagItem2::StatusStopped}};
            holdInfo.append(QJsonObject{
                {QStringLiteral("panId"), IotJson::panIdText(entry->getUid())},
                {QStringLiteral("status"), int(entry->getHoldStatus())},
                {QStringLiteral("bin"), entry->getPosition()},
                {QStringLiteral("activationTS"), double(IotJson::roundedSecondsValue(entry->getActivationTimeStamp()))},
                {QStringLiteral("inCabinet"), entry->getSeenInCabinet()},
                {QStringLiteral("batch"), batch},
                {QStringLiteral("crc32"), double(entry->getCrc32())}});
        }
    }
    message.insert(QStringLiteral("holdInfo"), holdInfo);
    send(message);
}

// ---- performance data -------------------------------------------------------------------

QString TulLumo::timerModeText(int state)
{
    switch (state) {
    case 6:
        return QStringLiteral("standard");
    case 7:
        return QStringLiteral("warning");
    case 8:
        return QStringLiteral("discard");
    case 9:
        return QStringLiteral("waiting");
    default:
        return QStringLiteral("idle");
    }
}

void TulLumo::handle_event_performanceData()
{
    // One clock reading, so that every bin's time left is measured against the same moment.
    const qint64 nowSeconds = IotJson::roundedSecondsValue(QDateTime::currentMSecsSinceEpoch());
    const ConfigurationManager *settings = config();
    const CabinetCore *c = core();
    const MenuManager *menu = c ? c->menuManager() : nullptr;
    const NFCmanager *nfc = m_holding->nfc();
    const bool customer = customerSchema();

    QJsonObject message = envelope(QStringLiteral("performanceData"), QString::number(nowSeconds));
    if (!customer)
        message.insert(QStringLiteral("language"), settings ? settings->get_languageId() : QString());
    message.insert(QStringLiteral("daypart"), currentDayPartName());
    if (customer)
        message.insert(QStringLiteral("signalStrength"), m_cabinet ? m_cabinet->wifiLevelDecibel() : 0.0);
    else
        message.insert(QStringLiteral("wifiLevel"), m_cabinet ? m_cabinet->wifiLevelPercent() : 0.0);

    const int bins = c ? qBound(0, c->get_traysPerCabinet(), int(MaxBins)) : 0;
    const int perZone = c ? c->get_traysPerZone() : 0;
    const bool qrb = c && c->get_customerId() == QrbCustomer;
    QJsonArray zones;
    QJsonArray heaters;
    QJsonArray timers;
    for (int bin = 0; bin < bins; ++bin) {
        const trayInfo record = m_holding->trayRecord(bin);
        const int state = m_holding->trayState(bin);
        const BinReading b = binReading(bin);
        const int binNumber = (b.found ? b.binNumber : bin) + 1;
        const int productId = record.productId;
        const int row = menu ? menu->getProductIndex(productId) : 0;
        const bool timing = state == 6 || state == 7 || state == 8;
        const qint64 left = timing ? IotJson::roundedSecondsValue(record.expectedTime) - nowSeconds
                                   : qint64(record.remainingTime);
        if (customer) {
            const quint64 uid = nfc ? nfc->getUidInBin(quint8(bin)) : 0;
            const NfcTagItem2 *entry = uid ? entryOf(uid) : nullptr;
            zones.append(QJsonObject{
                {QStringLiteral("zoneNumber"), binNumber},
                {QStringLiteral("state"), trayStateText(state)},
                {QStringLiteral("timerMode"), timerModeText(state)},
                {QStringLiteral("eventUuid"), entry ? entry->getBatchId() : Null},
                {QStringLiteral("productId"), productId},
                {QStringLiteral("productName"), IotJson::cutName(m_holding->productName(productId))},
                {QStringLiteral("holdSecondsRemaining"), double(left)},
                {QStringLiteral("panSize"), menu ? menu->getProductPanSize(row).toInt() : 0},
                {QStringLiteral("temperatureSetpoint"), b.target},
                {QStringLiteral("temperatureMeasured"), b.actual}});
            continue;
        }
        QJsonObject heater{{QStringLiteral("bin"), binNumber}};
        if (qrb) {
            heater.insert(QStringLiteral("setpoint"), b.target);
            heater.insert(QStringLiteral("temperature"), b.actual);
        } else {
            // A zone the cabinet does not have, or one with fewer heaters, reads as 0.
            QList<int> targets;
            QList<int> actuals;
            if (m_cabinet && perZone > 0)
                m_cabinet->zoneHeaters(bin / perZone, &targets, &actuals);
            heater.insert(QStringLiteral("setpointLower"), targets.value(0));
            heater.insert(QStringLiteral("setpointUpper"), targets.value(1));
            heater.insert(QStringLiteral("temperatureLower"), actuals.value(0));
            heater.insert(QStringLiteral("temperatureUpper"), actuals.value(1));
        }
        heaters.append(heater);
        timers.append(QJsonObject{{QStringLiteral("bin"), bin + 1},
                                  {QStringLiteral("productId"), productId},
                                  {QStringLiteral("mode"), timerModeText(state)},
                                  {QStringLiteral("timeRemaining"), double(left)},
                                  {QStringLiteral("panSize"),
                                   menu ? menu->getProductPanSizeX(row).toString() : QString()}});
    }
    if (customer) {
        message.insert(QStringLiteral("zone"), zones);
    } else {
        message.insert(QStringLiteral("heater"), heaters);
        message.insert(QStringLiteral("timer"), timers);
    }
    send(message);
}
