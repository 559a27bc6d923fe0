// The IoT proxy's event catalogue of TulIotAgentAdapter and the menu snapshot it carries.
#include "tuliotagentadapter.h"

#include "bininfo.h"
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "iotagentcabinet.h"
#include "iotjson.h"
#include "iotlog.h"
#include "menumanager.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "translator.h"

#include <QDateTime>

namespace {

constexpr int FullSizePan = 2;

qint64 nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

// A menu value as a number; -1 when it does not read as an integer.
int numberOr(const QVariant &value, int fallback)
{
    bool ok = false;
    const int n = value.toString().toInt(&ok);
    return ok ? n : fallback;
}

QString beforeLastDot(const QString &text)
{
    const int dot = text.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? text : text.left(dot);
}

QString modeText(int trayState)
{
    switch (trayState) {
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

} // namespace

// ---- shared parts -----------------------------------------------------------------------

QJsonObject TulIotAgentAdapter::header(const QString &event, const QString &timeStamp) const
{
    QJsonObject message;
    message.insert(QStringLiteral("event"), event);
    message.insert(QStringLiteral("timestamp"), timeStamp);
    message.insert(QStringLiteral("modelNumber"), m_config->get_modelNumber());
    message.insert(QStringLiteral("serialNumber"), m_config->get_serialNumber());
    message.insert(QStringLiteral("location"), m_config->get_storeNumber());
    message.insert(QStringLiteral("cabinetUuid"), m_config->get_uuidNumber());
    return message;
}

namespace {

// Languages a customer's names are sent in.
int nameLanguages(int customerId)
{
    if (customerId == 2 || customerId == 3)
        return 3;
    if (customerId == 5)
        return 2;
    return 15;
}

} // namespace

QJsonObject TulIotAgentAdapter::nameObject(int productId) const
{
    QJsonObject names;
    const int languages = nameLanguages(m_cabinet->customerId());
    for (int i = 0; i < languages; ++i)
        names.insert(m_translator->getLanguageIdString(i), m_menu->getProductName(i, productId).toString());
    return names;
}

QJsonObject TulIotAgentAdapter::dayPartNameObject(int dayPart) const
{
    QJsonObject names;
    const int languages = nameLanguages(m_cabinet->customerId());
    for (int i = 0; i < languages; ++i)
        names.insert(m_translator->getLanguageIdString(i), m_dayParts->getDayPartName(i, dayPart));
    return names;
}

QString TulIotAgentAdapter::importedMenuName() const
{
    return beforeLastDot(m_config->get_importedMenu());
}

int TulIotAgentAdapter::reportedBin(int bin, bool pairRule) const
{
    return pairRule && m_cabinet->panSizeOfBin(bin) == FullSizePan ? (bin & ~1) : bin;
}

// ---- menu snapshot ----------------------------------------------------------------------

QJsonArray TulIotAgentAdapter::dayPartsInfoToJsonArray() const
{
    QJsonArray layout;
    if (!ready("dayPartsInfoToJsonArray"))
        return layout;
    const int bins = qBound(0, m_cabinet->traysPerCabinet(), MaxBins);
    for (int d = 0; d < m_dayParts->getDayPartsCount(); ++d) {
        QJsonArray locations;
        for (int b = 0; b < bins; ++b)
            locations.append(QJsonObject{{QStringLiteral("bin"), b + 1},
                                         {QStringLiteral("productId"), m_dayParts->getProdIdOnBin(d, b)}});
        layout.append(QJsonObject{{QStringLiteral("daypartName"), dayPartNameObject(d)},
                                  {QStringLiteral("productLocations"), locations}});
    }
    return layout;
}

QJsonArray TulIotAgentAdapter::productsInfoToJsonArray() const
{
    QJsonArray products;
    if (!ready("productsInfoToJsonArray"))
        return products;
    for (int r = 0; r < m_menu->getRowCount(); ++r) {
        if (numberOr(m_menu->getProductGroupId(r), 0) != 0)
            continue;
        const int id = numberOr(m_menu->getProductId(r), 0);
        QJsonObject product;
        product.insert(QStringLiteral("productId"), m_menu->getProductId(r).toString());
        product.insert(QStringLiteral("productName"), nameObject(id));
        product.insert(QStringLiteral("holdTime"), numberOr(m_menu->getProductHoldTime(r), -1));
        product.insert(QStringLiteral("warningTime"), numberOr(m_menu->getProductWarningTime(r), -1));
        product.insert(QStringLiteral("holdTemp"), numberOr(m_menu->getProductLowerTemp(r), -1));
        product.insert(QStringLiteral("productTemp"), numberOr(m_menu->getProductUpperTemp(r), -1));
        product.insert(QStringLiteral("lidType"), m_menu->getProductLidType(r).toString());
        product.insert(QStringLiteral("bottomType"), m_menu->getProductBottomType(r).toString());
        product.insert(QStringLiteral("zoneSplits"), m_menu->getProductPanSizeX(r).toString());
        products.append(product);
    }
    return products;
}

QJsonArray TulIotAgentAdapter::productGroupsInfoToJsonArray() const
{
    QJsonArray groups;
    if (!ready("productGroupsInfoToJsonArray"))
        return groups;
    for (int r = 0; r < m_menu->getRowCount(); ++r) {
        const int id = numberOr(m_menu->getProductId(r), 0);
        if (numberOr(m_menu->getProductGroupId(r), 0) == 0 || id < 1)
            continue;
        QJsonArray members;
        const QStringList memberIds = m_menu->getProductGroupPList(id).toStringList();
        for (const QString &member : memberIds)
            members.append(QJsonObject{{QStringLiteral("productId"), numberOr(member, 0)}});
        QJsonObject group;
        group.insert(QStringLiteral("groupId"), id);
        group.insert(QStringLiteral("groupName"), nameObject(id));
        group.insert(QStringLiteral("holdTemp"), numberOr(m_menu->getProductLowerTemp(r), -1));
        group.insert(QStringLiteral("productTemp"), numberOr(m_menu->getProductUpperTemp(r), -1));
        group.insert(QStringLiteral("lidType"), m_menu->getProductLidType(r).toString());
        group.insert(QStringLiteral("zoneSplits"), numberOr(m_menu->getProductPanSizeX(r), 0));
        group.insert(QStringLiteral("products"), members);
        groups.append(group);
    }
    return groups;
}

// ---- cabinet and settings events --------------------------------------------------------

void TulIotAgentAdapter::sendNetworkSettings()
{
    if (!ready("sendNetworkSettings") || !m_config->get_networkSettingsUpdated())
        return;
    m_config->set_networkSettingsUpdated(false);
    const ConfigurationManager *c = m_config;
    QJsonObject message;
    message.insert(QStringLiteral("event"), QStringLiteral("networkSettings"));
    message.insert(QStringLiteral("timestamp"), IotJson::truncatedSeconds(nowMs()));
    const bool wifi = c->get_networkMode() == ConfigurationManager::NETWORK_MODE_WIFI;
    message.insert(QStringLiteral("networkMode"), wifi ? QStringLiteral("wifi") : QStringLiteral("ethernet"));
    const auto yesNo = [](bool isStatic) { return isStatic ? QStringLiteral("No") : QStringLiteral("Yes"); };
    if (wifi) {
        message.insert(QStringLiteral("ssid"), c->get_wifiSSID());
        message.insert(QStringLiteral("password"), c->get_wifiPassword());
        if (c->get_wpaEnabled()) {
            message.insert(QStringLiteral("security type"), QStringLiteral("WPA2-EAP"));
            message.insert(QStringLiteral("identity"), c->get_wifiIdentity());
        } else {
            message.insert(QStringLiteral("security type"), c->get_wifiPassword().isEmpty()
                                                                ? QStringLiteral("None")
                                                                : QStringLiteral("WPA2-PSK"));
        }
        message.insert(QStringLiteral("dhcp"), yesNo(c->get_wifiStaticIp()));
        message.insert(QStringLiteral("ip"), c->get_wifiIpAddr());
        message.insert(QStringLiteral("gateway"), c->get_wifiGateway());
        message.insert(QStringLiteral("broadcast"), c->get_wifiBroadcast());
        message.insert(QStringLiteral("netmask"), c->get_wifiNetmask());
    } else {
        message.insert(QStringLiteral("dhcp"), yesNo(c->get_staticIPEnabled()));
        message.insert(QStringLiteral("ip"), c->get_ipAddress());
        message.insert(QStringLiteral("gateway"), c->get_gateway());
        message.insert(QStringLiteral("broadcast"), c->get_ethBroadcast());
        message.insert(QStringLiteral("netmask"), c->get_netmask());
    }
    send(message);
}

void TulIotAgentAdapter::sendPreheatStarted(const QString &ts)
{
    Q_UNUSED(ts)
    if (!ready("sendPreheatStarted"))
        return;
    QJsonObject message = header(QStringLiteral("preheatStart"), IotJson::truncatedSeconds(nowMs()));
    message.insert(QStringLiteral("daypart"),
                   IotJson::cutName(m_dayParts->getDayPartName(m_dayParts->get_partOfDay())));
    send(message);
}

void TulIotAgentAdapter::sendPreheatCompleted(const QString &ts, int bin, int heatTime)
{
    Q_UNUSED(ts)
    Q_UNUSED(heatTime)
    if (!ready("sendPreheatCompleted"))
        return;
    if (!validBin(bin)) {
        qCWarning(lcIot) << "Preheat of bin" << bin << "outside the cabinet; not reported";
        return;
    }
    QJsonObject message = header(QStringLiteral("preheatComplete"), IotJson::truncatedSeconds(nowMs()));
    message.insert(QStringLiteral("bin"), bin + 1);
    send(message);
}

void TulIotAgentAdapter::sendDaypartChanged(const QString &timeStamp, int zoneIndex, int newDaypart,
                                            int prevDaypart)
{
    Q_UNUSED(timeStamp)
    if (!ready("sendDaypartChanged"))
        return;
    QJsonObject message = header(QStringLiteral("daypartChange"), IotJson::truncatedSeconds(nowMs()));
    message.insert(QStringLiteral("daypart"),
                   QJsonObject{{QStringLiteral("zone"), zoneIndex + 1},
                               {QStringLiteral("new"), IotJson::cutName(m_dayParts->getDayPartName(newDaypart))},
                               {QStringLiteral("prev"), IotJson::cutName(m_dayParts->getDayPartName(prevDaypart))}});
    send(message);
}

void TulIotAgentAdapter::sendLanguageChanged(int languageId)
{
    if (!ready("sendLanguageChanged"))
        return;
    QJsonObject message = header(QStringLiteral("languageChange"), IotJson::roundedSeconds(nowMs()));
    message.insert(QStringLiteral("language"), languageId);
    send(message);
}

void TulIotAgentAdapter::sendPasscodeChanged(const QString &newPasscode)
{
    if (!ready("sendPasscodeChanged"))
        return;
    QJsonObject message = header(QStringLiteral("passcodeChange"), IotJson::roundedSeconds(nowMs()));
    message.insert(QStringLiteral("passcode"), newPasscode.left(32));
    send(message);
}

void TulIotAgentAdapter::sendPasscodeEntered(const QString &screen, int userLevel, bool authenticated)
{
    if (!ready("sendPasscodeEntered"))
        return;
    QJsonObject message = header(QStringLiteral("passcodeEntered"), IotJson::roundedSeconds(nowMs()));
    message.insert(QStringLiteral("screen"), screen.left(16));
    message.insert(QStringLiteral("authenticated"), authenticated);
    message.insert(QStringLiteral("userType"), userLevel);
    send(message);
}

void TulIotAgentAdapter::sendRestaurantNumberUpdated(const QString &restaurantNumber, const QString &oldValue)
{
    if (!ready("sendRestaurantNumberUpdated"))
        return;
    QJsonObject message = header(QStringLiteral("restaurantNumberUpdated"), IotJson::roundedSeconds(nowMs()));
    message.remove(QStringLiteral("location"));
    message.insert(QStringLiteral("locationNumber"),
                   QJsonObject{{QStringLiteral("new"), restaurantNumber}, {QStringLiteral("prev"), oldValue}});
    send(message);
}

void TulIotAgentAdapter::sendSystemUpdated(const QString &timeStamp, bool result)
{
    if (!ready("sendSystemUpdated"))
        return;
    send(QJsonObject{{QStringLiteral("event"), QStringLiteral("Updated")},
                     {QStringLiteral("timestamp"), timeStamp},
                     {QStringLiteral("status"), result ? QStringLiteral("Success") : QStringLiteral("Failed")}});
}

void TulIotAgentAdapter::sendFirmwareUpdated(const QString &timeStamp, const QString &newVersion,
                                             const QString &prevVersion, int method, bool result)
{
    if (!ready("sendFirmwareUpdated"))
        return;
    QJsonObject message = header(QStringLiteral("firmwareUpdated"), timeStamp);
    message.insert(QStringLiteral("success"), result);
    message.insert(QStringLiteral("method"), method);
    message.insert(QStringLiteral("firmware"), QJsonObject{{QStringLiteral("new"), newVersion.left(32)},
                                                           {QStringLiteral("prev"), prevVersion.left(32)}});
    send(message);
}

void TulIotAgentAdapter::sendPerformanceDataInterval(int value)
{
    if (!ready("sendPerformanceDataInterval"))
        return;
    QJsonObject message = header(QStringLiteral("performanceDataInterval"), IotJson::roundedSeconds(nowMs()));
    message.insert(QStringLiteral("performanceDataInterval"), value);
    send(message);
}

void TulIotAgentAdapter::sendError(const QString &timeStamp, const QString &errorCode, const QString &errorDesc,
                                   const QString &value)
{
    sendErrorEvent(timeStamp, errorCode, errorDesc, value, 1);
}

void TulIotAgentAdapter::sendErrorClear(const QString &timeStamp, const QString &errorCode,
                                        const QString &errorDesc, const QString &value)
{
    sendErrorEvent(timeStamp, errorCode, errorDesc, value, 0);
}

void TulIotAgentAdapter::sendErrorEvent(const QString &timeStamp, const QString &errorCode,
                                        const QString &errorDesc, const QString &value, int status)
{
    if (!ready("sendError"))
        return;
    // Socket errors and the agent's own SDK errors are not echoed back to it.
    const int mainCode = errorCode.section(QLatin1Char('.'), 0, 0).toInt();
    if (mainCode == 6 || mainCode == 8)
        return;
    QJsonObject message = header(QStringLiteral("error"), timeStamp);
    message.insert(QStringLiteral("firmware"), QJsonObject{{QStringLiteral("firmwareVersion"), FirmwareVersion}});
    message.insert(QStringLiteral("menu"), QJsonObject{{QStringLiteral("menuVersion"), QString()},
                                                       {QStringLiteral("menuDescription"), importedMenuName()}});
    message.insert(QStringLiteral("error"), QJsonObject{{QStringLiteral("errorCode"), errorCode},
                                                        {QStringLiteral("errorDesc"), errorDesc.left(32)},
                                                        {QStringLiteral("errorValue"), value},
                                                        {QStringLiteral("errorStatus"), status}});
    send(message);
}

void TulIotAgentAdapter::sendPowerOn()
{
    if (!ready("sendPowerOn"))
        return;
    const ConfigurationManager *c = m_config;
    QJsonObject message = header(QStringLiteral("powerOn"), IotJson::truncatedSeconds(nowMs()));
    message.insert(QStringLiteral("brandId"), m_cabinet->customerId() == 1 ? QStringLiteral("KESTRALON-ZRM400")
                                                                          : QStringLiteral("DALVE"));
    message.insert(QStringLiteral("dataMode"), QStringLiteral("realtime"));
    message.insert(QStringLiteral("language"), c->get_languageId());
    message.insert(QStringLiteral("passcode"), c->get_passwdL1());
    message.insert(QStringLiteral("firmware"),
                   QJsonObject{{QStringLiteral("firmwareVersionUI"), FirmwareVersion},
                               {QStringLiteral("firmwareVersionIoT"), c->get_iotSoftwareVersion()},
                               {QStringLiteral("firmwareVersionIO"), c->get_ioBoardFirmwareVersion0()},
                               {QStringLiteral("firmwareVersionReaderBoard"), c->get_readerFirmwareVersion1()}});
    message.insert(QStringLiteral("menu"),
                   QJsonObject{{QStringLiteral("menuVersion"), QStringLiteral("current menu version")},
                               {QStringLiteral("menuDescriptionId"), QStringLiteral("current menu description id")}});
    message.insert(QStringLiteral("layout"), dayPartsInfoToJsonArray());
    message.insert(QStringLiteral("products"), productsInfoToJsonArray());
    message.insert(QStringLiteral("productGroups"), productGroupsInfoToJsonArray());
    send(message);
    m_cabinet->checkFirmwareUpdateDone();
}

void TulIotAgentAdapter::sendMenuUpdated(const QString &timeStamp, int method, bool result)
{
    if (!ready("sendMenuUpdated"))
        return;
    QJsonObject message = header(QStringLiteral("menuUpdated"), timeStamp);
    message.insert(QStringLiteral("success"), result);
    message.insert(QStringLiteral("method"), method);
    message.insert(QStringLiteral("menu"), QJsonObject{{QStringLiteral("new"), importedMenuName()},
                                                       {QStringLiteral("prev"), QString()}});
    message.insert(QStringLiteral("menuVersion"), QStringLiteral("0"));
    message.insert(QStringLiteral("layout"), dayPartsInfoToJsonArray());
    message.insert(QStringLiteral("products"), productsInfoToJsonArray());
    message.insert(QStringLiteral("groups"), productGroupsInfoToJsonArray());
    send(message);
}

void TulIotAgentAdapter::sendPerformanceData()
{
    if (!ready("sendPerformanceData"))
        return;
    const qint64 now = nowMs();
    const qint64 nowSeconds = IotJson::roundedSecondsValue(now);
    QJsonObject message = header(QStringLiteral("performanceData"), IotJson::roundedSeconds(now));
    message.insert(QStringLiteral("language"), m_config->get_languageId());
    message.insert(QStringLiteral("daypart"), m_dayParts->get_partOfDay());
    message.insert(QStringLiteral("wifiLevel"), m_cabinet->wifiSignalLevel());
    QJsonArray heaters;
    QJsonArray timers;
    const QList<BinInfo *> binInfos = m_cabinet->binInfos();
    const int bins = qBound(0, m_cabinet->traysPerCabinet(), MaxBins);
    for (int b = 0; b < bins; ++b) {
        if (const BinInfo *info = binInfos.value(b, nullptr)) {
            heaters.append(QJsonObject{{QStringLiteral("bin"), info->get_binNumber() + 1},
                                       {QStringLiteral("setpoint"), info->get_targetTemp()},
                                       {QStringLiteral("temperature"), info->get_actualTemp()}});
        }
        const trayInfo record = m_cabinet->trayRecord(b);
        const QString mode = modeText(m_cabinet->trayState(b));
        const bool running = mode == QLatin1String("standard") || mode == QLatin1String("warning")
                             || mode == QLatin1String("discard");
        const qint64 remaining = running ? IotJson::roundedSecondsValue(record.expectedTime) - nowSeconds
                                         : qint64(record.remainingTime);
        timers.append(QJsonObject{
            {QStringLiteral("bin"), record.binNumber + 1},
            {QStringLiteral("productId"), int(record.productId)},
            {QStringLiteral("mode"), mode},
            {QStringLiteral("timeRemaining"), double(remaining)},
            {QStringLiteral("panSize"),
             m_menu->getProductPanSizeX(m_menu->getProductIndex(record.productId)).toString()}});
    }
    message.insert(QStringLiteral("heater"), heaters);
    message.insert(QStringLiteral("timer"), timers);
    send(message);
}

// ---- bin and pan events -----------------------------------------------------------------

void TulIotAgentAdapter::sendBinMismatchAlert(const QString &timeStamp, const QString &productType,
                                              const QString &panID, int binIndex, const QString &binProductType)
{
    Q_UNUSED(productType)
    Q_UNUSED(panID)
    sendMismatchEvent(QStringLiteral("binMisMatchAlert"), timeStamp, binIndex, binProductType);
}

void TulIotAgentAdapter::sendBinMismatchClear(const QString &timeStamp, const QString &productType,
                                              const QString &panID, int binIndex, const QString &binProductType)
{
    Q_UNUSED(productType)
    Q_UNUSED(panID)
    sendMismatchEvent(QStringLiteral("binMisMatchClear"), timeStamp, binIndex, binProductType);
}

void TulIotAgentAdapter::sendMismatchEvent(const QString &event, const QString &timeStamp, int binIndex,
                                           const QString &binProductType)
{
    if (!ready("sendBinMismatch"))
        return;
    if (!validBin(binIndex)) {
        qCWarning(lcIot) << "Mismatch of bin" << binIndex << "outside the cabinet; not reported";
        return;
    }
    const quint64 pan = m_cabinet->misMatchedPanId(binIndex);
    const int panProduct = NfcTagItem2::tagProduct(pan);
    QJsonObject message = header(event, timeStamp);
    message.insert(QStringLiteral("eventId"), m_cabinet->misMatchId(binIndex));
    message.insert(QStringLiteral("timer"), QJsonObject{{QStringLiteral("bin"), binIndex + 1},
                                                        {QStringLiteral("productName"), binProductType},
                                                        {QStringLiteral("productId"), m_cabinet->productOfBin(binIndex)}});
    message.insert(QStringLiteral("pan"),
                   QJsonObject{{QStringLiteral("panId"), IotJson::panIdText(pan)},
                               {QStringLiteral("productName"), m_menu->getProductName(panProduct).toString()},
                               {QStringLiteral("productId"), panProduct}});
    send(message);
}

void TulIotAgentAdapter::sendHoldEvent(const HoldParts &p)
{
    const NfcTagItem2 *tag = p.tag;
    QJsonValue expiration;
    if (tag)
        expiration = double(IotJson::roundedSecondsValue(tag->getExpTime()));
    else if (p.kind == HoldKind::Expired)
        expiration = IotJson::roundedSeconds(nowMs());
    else
        expiration = double(IotJson::roundedSecondsValue(m_cabinet->trayRecord(p.bin).expectedTime));
    QJsonObject message;
    message.insert(QStringLiteral("event"), p.event);
    message.insert(QStringLiteral("timestamp"), p.timeStamp);
    message.insert(QStringLiteral("panId"), p.panId);
    message.insert(QStringLiteral("productId"), p.productId);
    message.insert(QStringLiteral("productName"), p.productName);
    message.insert(QStringLiteral("cabinet"),
                   QJsonObject{{QStringLiteral("serialNumber"), m_config->get_serialNumber()},
                               {QStringLiteral("bin"), reportedBin(p.bin, p.pairRule) + 1},
                               {QStringLiteral("inCabinet"), tag && tag->getSeenInCabinet()}});
    message.insert(QStringLiteral("batch"),
                   QJsonObject{{QStringLiteral("id"), tag ? QJsonValue(tag->getBatchId()) : QJsonValue(0)},
                               {QStringLiteral("expiration"), expiration},
                               {QStringLiteral("active"), p.active}});
    send(message);
}

void TulIotAgentAdapter::sendHoldStart(const QString &timeStamp, const QString &productType, const QString &panID,
                                       int zone, const QString &method)
{
    Q_UNUSED(method)
    if (!ready("sendHoldStart"))
        return;
    if (!validBin(zone)) {
        qCWarning(lcIot) << "Hold start of bin" << zone << "outside the cabinet; not reported";
        return;
    }
    const quint64 uid = IotJson::panUid(panID);
    NfcTagItem2 *tag = tagOf(uid);
    if (tag) {
        // The cycle that the proxy's resets name; kept over a power cut.
        tag->setBatchId(IotJson::panIdText(uid) + QLatin1Char(':') + timeStamp);
        if (!nfc()->saveNFC2())
            qCWarning(lcIot) << "Tag store not saved after the hold start of pan" << IotJson::panIdText(uid);
    }
    HoldParts p;
    p.kind = HoldKind::Start;
    p.event = QStringLiteral("holdStart");
    p.timeStamp = timeStamp;
    p.panId = panID;
    p.productId = m_cabinet->productOfBin(zone);
    p.productName = productType;
    p.bin = zone;
    p.pairRule = m_cabinet->nfcEnabled();
    p.tag = tag;
    p.active = true;
    sendHoldEvent(p);
}

void TulIotAgentAdapter::sendHoldStop(const QString &timeStamp, const QString &productType, const QString &panID,
                                      int zone, const QString &method, int timeRemaining)
{
    Q_UNUSED(method)
    Q_UNUSED(timeRemaining)
    if (!ready("sendHoldStop"))
        return;
    if (!validBin(zone)) {
        qCWarning(lcIot) << "Hold stop of bin" << zone << "outside the cabinet; not reported";
        return;
    }
    const quint64 uid = IotJson::panUid(panID);
    const bool nfcCabinet = m_cabinet->nfcEnabled();
    NfcTagItem2 *tag = nfcCabinet ? tagOf(uid) : nullptr;
    if (nfcCabinet && !tag)
        return; // a pan this cabinet does not know
    const trayInfo record = m_cabinet->trayRecord(zone);
    HoldParts p;
    p.kind = HoldKind::Stop;
    p.event = QStringLiteral("holdStop");
    p.timeStamp = timeStamp;
    p.panId = IotJson::panIdText(uid);
    p.productId = m_cabinet->productOfBin(zone);
    p.productName = record.isGroup && record.productId != 0 ? m_menu->getProductName(record.productId).toString()
                                                            : productType;
    p.bin = zone;
    p.pairRule = nfcCabinet;
    p.tag = tag;
    p.active = false;
    sendHoldEvent(p);
    if (tag && tag->getRestartRequested())
        restartHold(tag);
}

void TulIotAgentAdapter::restartHold(NfcTagItem2 *tag)
{
    tag->setRestartRequested(false);
    const quint64 uid = tag->getUid();
    const int bin = tag->getPosition();
    if (!validBin(bin)) {
        qCWarning(lcIot) << "Restart of pan" << IotJson::panIdText(uid) << "refused: bin" << bin
                         << "outside the cabinet";
        return;
    }
    const int seconds = m_cabinet->holdingSeconds(m_cabinet->productOfBin(bin));
    const qint64 now = nowMs();
    tag->setExpTime(now + 1000LL * seconds);
    tag->setHoldStatus(NfcTagItem2::StatusStarted);
    tag->setActivationTimeStamp(now);
    if (!nfc()->saveNFC2())
        qCWarning(lcIot) << "Tag store not saved after the restart of pan" << IotJson::panIdText(uid);
    // A pan that is not in the cabinet gets its new cycle when it comes back; until a
    // timer runs there is no hold to report.
    if (!tag->getSeenInCabinet())
        return;
    m_cabinet->startBinTimer(bin, seconds, uid);
    m_cabinet->sendHoldStartedEvent(bin, uid, QStringLiteral("auto"));
}

void TulIotAgentAdapter::sendHoldExpired(const QString &timeStamp, const QString &productType,
                                         const QString &panID, int bin)
{
    if (!ready("sendHoldExpired"))
        return;
    if (!validBin(bin)) {
        qCWarning(lcIot) << "Hold expiry of bin" << bin << "outside the cabinet; not reported";
        return;
    }
    HoldParts p;
    p.kind = HoldKind::Expired;
    p.event = QStringLiteral("holdExpired");
    p.timeStamp = timeStamp;
    p.panId = panID;
    p.productId = m_cabinet->productOfBin(bin);
    p.productName = productType;
    p.bin = bin;
    p.pairRule = m_cabinet->nfcEnabled();
    p.tag = tagOf(IotJson::panUid(panID));
    p.active = true;
    sendHoldEvent(p);
}

void TulIotAgentAdapter::sendPanRemoved(qint64 timeStamp, int whichBin, quint64 panID)
{
    if (!ready("sendPanRemoved"))
        return;
    if (!validBin(whichBin)) {
        qCWarning(lcIot) << "Pan removal from bin" << whichBin << "outside the cabinet; not reported";
        return;
    }
    HoldParts p;
    p.kind = HoldKind::PanRemoved;
    p.event = QStringLiteral("panRemoved");
    p.timeStamp = IotJson::roundedSeconds(timeStamp);
    p.panId = IotJson::panIdText(panID);
    p.productId = NfcTagItem2::tagProduct(panID);
    p.productName = m_menu->getProductName(p.productId).toString();
    p.bin = whichBin;
    p.pairRule = true;
    p.tag = tagOf(panID);
    p.active = p.tag && p.tag->getHoldStatus() == NfcTagItem2::StatusStarted;
    sendHoldEvent(p);
}

void TulIotAgentAdapter::sendPanReturned(qint64 timeStamp, int whichBin, quint64 panID)
{
    if (!ready("sendPanReturned"))
        return;
    if (!validBin(whichBin)) {
        qCWarning(lcIot) << "Pan return to bin" << whichBin << "outside the cabinet; not reported";
        return;
    }
    HoldParts p;
    p.kind = HoldKind::PanReturned;
    p.event = QStringLiteral("panReturned");
    p.timeStamp = IotJson::roundedSeconds(timeStamp);
    p.panId = IotJson::panIdText(panID);
    p.productId = m_cabinet->productOfBin(whichBin);
    p.productName = m_menu->getProductName(p.productId).toString();
    p.bin = whichBin;
    p.pairRule = true;
    p.tag = tagOf(panID);
    p.active = true;
    sendHoldEvent(p);
}

void TulIotAgentAdapter::sendTransfer(qint64 timeStamp, int whichBin, quint64 panID)
{
    if (!ready("sendTransfer"))
        return;
    if (!validBin(whichBin)) {
        qCWarning(lcIot) << "Transfer into bin" << whichBin << "outside the cabinet; not reported";
        return;
    }
    HoldParts p;
    p.kind = HoldKind::Transfer;
    p.event = QStringLiteral("transfer");
    p.timeStamp = IotJson::roundedSeconds(timeStamp);
    p.panId = IotJson::panIdText(panID);
    p.productId = m_cabinet->productOfBin(whichBin);
    p.productName = m_menu->getProductName(p.productId).toString();
    p.bin = whichBin;
    p.pairRule = m_cabinet->nfcEnabled();
    p.tag = tagOf(panID);
    p.active = true;
    sendHoldEvent(p);
}

void TulIotAgentAdapter::sendHoldingList(const QString &timeStamp)
{
    if (!ready("sendHoldingList"))
        return;
    QJsonArray holdInfo;
    if (NFCmanager *manager = nfc()) {
        for (const NfcTagItem2 *tag : qAsConst(manager->tagRegistry())) {
            const QStringList parts = tag->getBatchId().split(QLatin1Char(':'));
            const qint64 start = parts.size() == 2 ? parts.at(1).toLongLong() : 0;
            QJsonObject batch{{QStringLiteral("id"), tag->getBatchId()},
                              {QStringLiteral("start"), double(start)},
                              {QStringLiteral("expiration"), double(IotJson::roundedSecondsValue(tag->getExpTime()))},
                              {QStringLiteral("active"), tag->getHoldStatus() != NfcTagItem2::StatusStopped}};
            holdInfo.append(QJsonObject{
                {QStringLiteral("panId"), IotJson::panIdText(tag->getUid())},
                {QStringLiteral("status"), int(tag->getHoldStatus())},
                {QStringLiteral("bin"), tag->getPosition()},
                {QStringLiteral("activationTS"), double(IotJson::roundedSecondsValue(tag->getActivationTimeStamp()))},
                {QStringLiteral("inCabinet"), tag->getSeenInCabinet()},
                {QStringLiteral("batch"), batch},
                {QStringLiteral("crc32"), double(tag->getCrc32())}});
        }
    }
    QJsonObject message;
    message.insert(QStringLiteral("event"), QStringLiteral("holdingList"));
    message.insert(QStringLiteral("timestamp"), timeStamp);
    message.insert(QStringLiteral("cabinet"), QJsonObject{{QStringLiteral("serialNumber"), m_config->get_serialNumber()},
                                                          {QStringLiteral("location"), m_config->get_storeNumber()},
                                                          {QStringLiteral("cabinetUuid"), m_config->get_uuidNumber()}});
    message.insert(QStringLiteral("holdInfo"), holdInfo);
    send(message);
}
