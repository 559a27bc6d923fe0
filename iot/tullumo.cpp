#include "tullumo.h"

#include "bursttrim.h"

#include "cabinetcore.h"
#include "configurationmanager.h"
#include "iotholdingview.h"
#include "iotjson.h"
#include "iotlog.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"

#include <QDateTime>

namespace {

const QString CustomerCloud = QStringLiteral("QRB_LUMO");
constexpr int FullSizePan = 2;

} // namespace

TulLumo::TulLumo(IotHoldingView *holding, QObject *parent)
    : QObject(parent)
    , m_holding(holding)
    , m_burstTrim(new BurstTrim(this))
{
    connect(this, &TulLumo::sendEcoModeSettings, this, &TulLumo::handle_event_ecoModeSettings, Qt::QueuedConnection);
}

TulLumo::~TulLumo() = default;

CabinetCore *TulLumo::core() const
{
    return CabinetCore::of(this);
}

ConfigurationManager *TulLumo::config() const
{
    CabinetCore *c = core();
    return c ? c->configManager() : nullptr;
}

bool TulLumo::customerSchema() const
{
    const ConfigurationManager *settings = config();
    return settings && settings->get_iotType() == CustomerCloud;
}

QJsonObject TulLumo::envelope(const QString &event, const QString &timeStamp) const
{
    const ConfigurationManager *settings = config();
    QJsonObject message;
    message.insert(QStringLiteral("event"), event);
    message.insert(QStringLiteral("timestamp"), timeStamp);
    message.insert(QStringLiteral("modelNumber"), settings ? settings->get_modelNumber() : QString());
    message.insert(QStringLiteral("serialNumber"), settings ? settings->get_serialNumber() : QString());
    message.insert(QStringLiteral("location"), settings ? settings->get_storeNumber() : QString());
    if (!customerSchema())
        message.insert(QStringLiteral("cabinetUuid"), settings ? settings->get_uuidNumber() : QString());
    return message;
}

void TulLumo::send(const QJsonObject &message)
{
    emit sendLumoInfo(QString::fromUtf8(IotJson::write(message)));
}

// ---- hold and pan events ----------------------------------------------------------------

NfcTagItem2 *TulLumo::entryOf(quint64 uid) const
{
    NFCmanager *nfc = m_holding ? m_holding->nfc() : nullptr;
    return nfc ? nfc->viewTagInfo2(uid) : nullptr;
}

int TulLumo::fullSizeBin(int bin) const
{
    return m_holding->panSizeOfBin(bin) == FullSizePan ? (bin & ~1) : bin;
}

QJsonObject TulLumo::build(const EventParts &p) const
{
    const ConfigurationManager *settings = config();
    const QString serial = settings ? settings->get_serialNumber() : QString();
    QJsonObject message;
    message.insert(QStringLiteral("event"), p.event);
    message.insert(QStringLiteral("timestamp"), p.timeStamp);
    message.insert(QStringLiteral("panId"), p.panId);
    message.insert(QStringLiteral("productId"), p.productId);
    message.insert(QStringLiteral("productName"), IotJson::cutName(p.productName));
    const int binNumber = p.bin + 1;

    if (customerSchema()) {
        message.insert(QStringLiteral("serialNumber"), serial);
        message.insert(QStringLiteral("modelNumber"), settings ? settings->get_modelNumber() : QString());
        message.insert(QStringLiteral("location"), settings ? settings->get_storeNumber() : QString());
        message.insert(QStringLiteral("zoneNumber"), binNumber);
        if (!p.state.isUndefined())
            message.insert(QStringLiteral("state"), p.state);
        message.insert(QStringLiteral("eventUuid"), p.entry ? p.entry->getBatchId() : QStringLiteral("null"));
        message.insert(QStringLiteral("inCabinet"), p.entry && p.entry->getSeenInCabinet());
        message.insert(QStringLiteral("batchActive"), p.batchActive);
        message.insert(QStringLiteral("holdSecondsRemaining"), p.holdSecondsRemaining);
        return message;
    }

    const NfcTagItem2 *entry = p.makerEntry;
    QJsonObject cabinet;
    cabinet.insert(QStringLiteral("serialNumber"), serial);
    cabinet.insert(QStringLiteral("bin"), p.binAsText ? QJsonValue(QString::number(binNumber)) : QJsonValue(binNumber));
    cabinet.insert(QStringLiteral("inCabinet"), entry && entry->getSeenInCabinet());
    QJsonObject batch;
    batch.insert(QStringLiteral("id"), entry ? QJsonValue(entry->getBatchId()) : QJsonValue(0));
    batch.insert(QStringLiteral("expiration"),
                 entry ? QJsonValue(double(IotJson::roundedSecondsValue(entry->getExpTime())))
                       : p.expirationWithoutEntry);
    batch.insert(QStringLiteral("active"), p.makerActive);
    message.insert(QStringLiteral("cabinet"), cabinet);
    message.insert(QStringLiteral("batch"), batch);
    return message;
}

void TulLumo::handle_event_holdStart(QString timeStamp, QString productType, QString panID, int zone,
                                     QString method)
{
    Q_UNUSED(method)
    if (!validBin(zone)) {
        qCWarning(lcIot) << "Hold start of bin" << zone << "outside the cabinet; not reported";
        return;
    }
    const trayInfo tray = m_holding->trayRecord(zone);
    const quint64 uid = IotJson::panUid(panID);
    NfcTagItem2 *entry = entryOf(uid);
    const bool customer = customerSchema();
    if (entry) {
        // The cycle the cloud's later commands name.
        const QChar separator = customer ? QLatin1Char('-') : QLatin1Char(':');
        entry->setBatchId(IotJson::panIdText(uid) + separator + timeStamp);
        // Saved in both sets, so that a cloud reset after a power cut still finds it.
        if (NFCmanager *nfc = m_holding->nfc(); nfc && !nfc->saveNFC2())
            qCWarning(lcIot) << "Tag store not saved after the hold start of pan" << IotJson::panIdText(uid);
    }
    EventParts p;
    p.event = QStringLiteral("holdStart");
    p.timeStamp = timeStamp;
    p.panId = panID;
    p.productId = m_holding->productOfBin(zone);
    p.productName = productType;
    p.bin = m_holding->nfcEnabled() ? fullSizeBin(zone) : zone;
    p.entry = p.makerEntry = entry;
    p.state = QStringLiteral("holding");
    p.batchActive = true;
    p.holdSecondsRemaining = m_holding->menuHoldTime(p.productId);
    p.expirationWithoutEntry = double(IotJson::roundedSecondsValue(tray.expectedTime));
    p.makerActive = true;
    send(build(p));
}

void TulLumo::handle_event_holdStop(QString timeStamp, QString productType, QString panID, int zone,
                                    QString method, int timeRemaining)
{
    Q_UNUSED(method)
    if (!validBin(zone)) {
        qCWarning(lcIot) << "Hold stop of bin" << zone << "outside the cabinet; not reported";
        return;
    }
    const quint64 uid = IotJson::panUid(panID);
    NfcTagItem2 *entry = entryOf(uid);
    const bool nfcCabinet = m_holding->nfcEnabled();
    const bool customer = customerSchema();
    if (nfcCabinet && !entry && (!customer || uid != 0))
        return; // a pan this cabinet does not know
    const trayInfo tray = m_holding->trayRecord(zone);
    NfcTagItem2 *holdEntry = nfcCabinet ? entry : nullptr;

    EventParts p;
    p.event = QStringLiteral("holdStop");
    p.timeStamp = timeStamp;
    p.panId = IotJson::panIdText(uid);
    p.productId = m_holding->productOfBin(zone);
    p.productName = productType;
    p.bin = nfcCabinet ? fullSizeBin(zone) : zone;
    p.entry = entry;
    p.makerEntry = holdEntry;
    p.state = QStringLiteral("ready");
    p.batchActive = false;
    p.holdSecondsRemaining = timeRemaining;
    p.expirationWithoutEntry = double(IotJson::roundedSecondsValue(tray.expectedTime));
    p.makerActive = false;
    send(build(p));

    if (holdEntry && holdEntry->getRestartRequested())
        restartHold(uid, holdEntry);
}

void TulLumo::restartHold(quint64 uid, NfcTagItem2 *entry)
{
    entry->setRestartRequested(false);
    NFCmanager *nfc = m_holding->nfc();
    const int bin = entry->getPosition();
    // The new cycle belongs in the bin the pan sits in; a pan that has left starts nothing.
    if (!validBin(bin) || !nfc || nfc->getBinTagUid(bin) != uid) {
        qCWarning(lcIot) << "Restart of pan" << IotJson::panIdText(uid) << "refused: no longer in bin" << bin;
        return;
    }
    const int seconds = m_holding->holdingSeconds(m_holding->productOfBin(bin));
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    entry->setExpTime(now + 1000LL * seconds);
    entry->setHoldStatus(NfcTagItem2::StatusStarted);
    entry->setActivationTimeStamp(now);
    m_holding->startBinTimer(bin, seconds, uid);
    m_holding->sendHoldStartedEvent(bin, uid, QStringLiteral("auto"));
    if (!nfc->saveNFC2())
        qCWarning(lcIot) << "Tag store not saved after the restart of pan" << IotJson::panIdText(uid);
}

void TulLumo::handle_event_holdExpired(QString timeStamp, QString productType, QString panID, int bin)
{
    if (!validBin(bin)) {
        qCWarning(lcIot) << "Hold expiry of bin" << bin << "outside the cabinet; not reported";
        return;
    }
    const quint64 uid = IotJson::panUid(panID);
    NfcTagItem2 *entry = entryOf(uid);
    EventParts p;
    p.event = QStringLiteral("holdExpired");
    p.timeStamp = timeStamp;
    p.panId = panID;
    p.productId = m_holding->productOfBin(bin);
    p.productName = productType;
    p.bin = m_holding->nfcEnabled() ? fullSizeBin(bin) : bin;
    p.entry = p.makerEntry = entry;
    p.state = QStringLiteral("overHolding");
    p.batchActive = true;
    p.holdSecondsRemaining = 0;
    p.binAsText = true;
    p.expirationWithoutEntry = IotJson::roundedSeconds(QDateTime::currentMSecsSinceEpoch());
    p.makerActive = true;
    send(build(p));
}

void TulLumo::handle_event_panRemoved(qint64 timeStamp, int whichBin, quint64 panID, int timeRemaining)
{
    sendPanEvent(PanEvent::Removed, timeStamp, whichBin, panID, timeRemaining);
}

void TulLumo::handle_event_panReturned(qint64 timeStamp, int whichBin, quint64 panID, int timeRemaining)
{
    sendPanEvent(PanEvent::Returned, timeStamp, whichBin, panID, timeRemaining);
}

void TulLumo::handle_event_transfer(qint64 timeStamp, int whichBin, quint64 panID, int timeRemaining)
{
    sendPanEvent(PanEvent::Transfer, timeStamp, whichBin, panID, timeRemaining);
}

void TulLumo::sendPanEvent(PanEvent kind, qint64 timeStamp, int whichBin, quint64 uid, int timeRemaining)
{
    if (!validBin(whichBin)) {
        qCWarning(lcIot) << "Pan event of bin" << whichBin << "outside the cabinet; not reported";
        return;
    }
    if (kind != PanEvent::Transfer) {
        const ConfigurationManager *settings = config();
        if (!settings || !settings->get_panMessagesEnable())
            return;
    }
    const trayInfo tray = m_holding->trayRecord(whichBin);
    const NfcTagItem2 *entry = entryOf(uid);
    const bool entryActive = entry && entry->getHoldStatus() != NfcTagItem2::StatusStopped;

    EventParts p;
    p.timeStamp = IotJson::roundedSeconds(timeStamp);
    p.panId = IotJson::panIdText(uid);
    p.productId = kind == PanEvent::Removed ? NfcTagItem2::tagProduct(uid) : m_holding->productOfBin(whichBin);
    p.productName = m_holding->productName(p.productId);
    const bool fullSizeRule = kind != PanEvent::Transfer || m_holding->nfcEnabled();
    p.bin = fullSizeRule ? fullSizeBin(whichBin) : whichBin;
    p.entry = p.makerEntry = entry;
    p.holdSecondsRemaining = timeRemaining;
    p.expirationWithoutEntry = double(IotJson::roundedSecondsValue(tray.expectedTime));
    switch (kind) {
    case PanEvent::Removed:
        p.event = QStringLiteral("panRemoved");
        p.batchActive = p.makerActive = entryActive;
        break;
    case PanEvent::Returned:
        p.event = QStringLiteral("panReturned");
        p.batchActive = entryActive;
        p.makerActive = true;
        break;
    case PanEvent::Transfer:
        p.event = customerSchema() ? QStringLiteral("panTransfer") : QStringLiteral("transfer");
        p.state = trayStateText(m_holding->trayState(p.bin));
        p.batchActive = p.makerActive = true;
        break;
    }
    send(build(p));
}

QString TulLumo::trayStateText(int state)
{
    switch (state) {
    case 3:
        return QStringLiteral("preheating");
    case 4:
        return QStringLiteral("ready");
    case 6:
    case 7:
        return QStringLiteral("holding");
    case 8:
        return QStringLiteral("overholding");
    case 9:
        return QStringLiteral("unready");
    default:
        return QStringLiteral("off");
    }
}
