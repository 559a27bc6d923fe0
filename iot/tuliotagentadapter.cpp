#include "tuliotagentadapter.h"

#include "commandlauncher.h"
#include "configurationmanager.h"
#include "iotagentcabinet.h"
#include "iotjson.h"
#include "iotlog.h"
#include "jsonguard.h"
#include "menumanager.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "settingstransaction.h"
#include "tuldbusadapter.h"
#include "tulpaths.h"

#include <QDBusMessage>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QTimer>

#include <cmath>

const QString TulIotAgentAdapter::ProxyPath = QStringLiteral("/iotproxy");
const QString TulIotAgentAdapter::ProxyInterface = QStringLiteral("org.korvane.IoTProxy");
const QString TulIotAgentAdapter::ProxyMember = QStringLiteral("iotproxy");
const QString TulIotAgentAdapter::UpdateFolder = QStringLiteral("/home/korvane/updates/");
const QString TulIotAgentAdapter::FirmwareVersion = QStringLiteral("RO-2503");

namespace {

// Settings texts from the agent end up as lines of the settings file.
constexpr int MaxSettingText = 256;
// Year 9999 in epoch seconds: any later time stamp is not a time stamp.
constexpr qint64 MaxEpochSeconds = 253402300799LL;
constexpr int SdkErrorFamily = 8;

// An integral JSON number that a double holds exactly.
bool integerOf(const QJsonValue &value, qint64 *out)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    if (!(std::fabs(d) <= 9007199254740992.0) || std::floor(d) != d)
        return false;
    *out = qint64(d);
    return true;
}

// The time stamp of a command as the replies carry it: 0 when absent or unusable.
qint64 timeStampOf(const QJsonObject &message)
{
    qint64 value = 0;
    return integerOf(message.value(QStringLiteral("timestamp")), &value) ? value : 0;
}

bool plainText(const QString &text, int maxLength)
{
    if (text.size() > maxLength)
        return false;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString nowTruncated()
{
    return IotJson::truncatedSeconds(QDateTime::currentMSecsSinceEpoch());
}

QJsonValue masked(const QJsonValue &value)
{
    static const QRegularExpression secret(QStringLiteral("pass(word|code|phrase|wd)|psk|secret"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (value.isArray()) {
        QJsonArray out;
        for (const QJsonValue &v : value.toArray())
            out.append(masked(v));
        return out;
    }
    if (!value.isObject())
        return value;
    QJsonObject out = value.toObject();
    for (auto it = out.begin(); it != out.end(); ++it)
        it.value() = secret.match(it.key()).hasMatch() ? QJsonValue(QStringLiteral("***")) : masked(it.value());
    return out;
}

// SDK error codes of the agent, per group in index order.
const QVector<QVector<int>> &sdkErrorGroups()
{
    static const QVector<QVector<int>> groups{
        {-100, -110, -150, -160, -161, -162, -163, -164, -165, -166},
        {-200, -201, -202, -203, -204, -299},
        {-2100, -2101, -2102, -2103, -2200, -2201, -2202, -2210, -3000, -3005, -3010},
        {-8512, -8513, -8514, -8515, -8599, -9999},
    };
    return groups;
}

} // namespace

TulIotAgentAdapter::TulIotAgentAdapter(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
}

TulIotAgentAdapter::~TulIotAgentAdapter() = default;

bool TulIotAgentAdapter::ready(const char *operation) const
{
    if (m_cabinet && m_menu && m_config && m_dayParts && m_translator)
        return true;
    qCWarning(lcIot) << "IoT agent adapter:" << operation << "refused, the adapter is not wired to the cabinet";
    return false;
}

NFCmanager *TulIotAgentAdapter::nfc() const
{
    return m_cabinet ? m_cabinet->nfc() : nullptr;
}

NfcTagItem2 *TulIotAgentAdapter::tagOf(quint64 uid) const
{
    NFCmanager *manager = nfc();
    return manager ? manager->viewTagInfo2(uid) : nullptr;
}

// ---- properties -------------------------------------------------------------------------

void TulIotAgentAdapter::set_systemBackupActive(bool active)
{
    if (m_systemBackupActive == active)
        return;
    m_systemBackupActive = active;
    emit systemBackupActiveChanged(active);
}

void TulIotAgentAdapter::set_systemBackupProgress(int percent)
{
    if (m_systemBackupProgress == percent)
        return;
    m_systemBackupProgress = percent;
    emit systemBackupProgressChanged(percent);
}

void TulIotAgentAdapter::set_forcedPackageActive(bool active)
{
    if (m_forcedPackageActive == active)
        return;
    m_forcedPackageActive = active;
    emit forcedPackageActiveChanged(active);
}

// ---- transport --------------------------------------------------------------------------

bool TulIotAgentAdapter::writeDbusMessage(const QString &path, const QString &interface, const QString &member,
                                          QString &text)
{
    QDBusMessage message = QDBusMessage::createSignal(path, interface, member);
    message << text;
    const bool sent = m_bus.send(message);
    if (!sent)
        qCDebug(lcIot) << "IoT proxy message" << member << "not sent: no bus";
    return sent;
}

void TulIotAgentAdapter::send(const QJsonObject &message)
{
    QString text = QString::fromUtf8(IotJson::write(message));
    writeDbusMessage(ProxyPath, ProxyInterface, ProxyMember, text);
}

QString TulIotAgentAdapter::loggableText(const QJsonObject &message)
{
    return QString::fromUtf8(QJsonDocument(masked(message).toObject()).toJson(QJsonDocument::Indented));
}

// ---- inbound ----------------------------------------------------------------------------

void TulIotAgentAdapter::handleReceivedIoTInfo(const QString &text)
{
    if (!ready("handleReceivedIoTInfo"))
        return;
    if (text.size() > MaxInboundBytes || text.toUtf8().size() > MaxInboundBytes) {
        qCWarning(lcIot) << "IoT proxy message of" << text.size() << "characters refused: larger than"
                         << MaxInboundBytes << "bytes";
        return;
    }
    QJsonParseError error;
    const QJsonDocument doc = JsonGuard::parse(text.toUtf8(), "IoT proxy message", MaxInboundBytes, &error);
    if (m_cabinet->systemBackupInProgress())
        return;
    if (error.error != QJsonParseError::NoError) {
        qCWarning(lcIot) << "LUMO Received Document Error!!!!!!!!!!!!!!!!!!!!!";
        return;
    }
    if (!doc.isObject()) {
        qCWarning(lcIot) << "LUMO Received Object Error!!!!!!!!!!!!!!!!!!!!!";
        return;
    }
    const QJsonObject message = doc.object();
    qCDebug(lcIot).noquote() << QStringLiteral("handleReceivedIoTInfo:\n") + loggableText(message)
                                    + QString(48, QLatin1Char('*'));

    const QString event = message.value(QStringLiteral("event")).toString();
    if (event == QLatin1String("locationUpdate")) {
        const QJsonValue value = message.value(QStringLiteral("value"));
        const QString store = value.toString();
        if (!value.isString() || !plainText(store, MaxSettingText)) {
            qCWarning(lcIot) << "Location update refused: the value is not a store number";
            return;
        }
        if (store.isEmpty()) {
            qCInfo(lcIot) << "Location update without a store number: nothing changed";
            return;
        }
        SettingsTransaction change(m_config);
        m_config->set_storeNumber(store);
        if (!change.commit())
            qCWarning(lcIot) << "Settings not saved after the location update; the old store number is kept";
    } else if (event == QLatin1String("reset") || event == QLatin1String("restart")) {
        handleResetHoldCycleCommand(message);
    } else if (event == QLatin1String("holdingList")) {
        handleHoldingListCommand(message);
    } else if (message.value(QStringLiteral("command")).toString() == QLatin1String("performanceDataIntervalCmd")) {
        qint64 seconds = -1;
        if (!integerOf(message.value(QStringLiteral("value")), &seconds) || seconds < 0
            || seconds > TulDbusAdapter::MaxPerformanceSeconds) {
            qCWarning(lcIot) << "Performance-data interval refused: not a number of seconds from 0 to"
                             << TulDbusAdapter::MaxPerformanceSeconds;
            return;
        }
        SettingsTransaction change(m_config);
        m_config->set_performanceDataInterval(int(seconds));
        if (!change.commit())
            qCWarning(lcIot) << "Settings not saved after the performance-data interval; the old one is kept";
    } else if (event == QLatin1String("sdkError")) {
        handleSdkErrorReceivedCommand(message);
    } else if (event == QLatin1String("firmwareUpdateAvailable")) {
        qCInfo(lcIot) << "Firmware update command received!!!!";
    } else if (event == QLatin1String("menuUpdateAvailable")) {
        qCInfo(lcIot) << "Menu update command received";
    } else if (event == QLatin1String("UpdateAvailable")) {
        handleMenuUpdateCommand(message);
    } else if (event == QLatin1String("networkSettings")) {
        handleNetworkSettingsCommand(message);
    } else if (event == QLatin1String("iotSwVersion")) {
        const QJsonValue value = message.value(QStringLiteral("value"));
        if (!value.isString() || !plainText(value.toString(), MaxSettingText)) {
            qCWarning(lcIot) << "IoT software version refused: the value is not a version text";
            return;
        }
        qCInfo(lcIot).noquote() << "iotSwVersion command received ===>" << value.toString();
        m_config->set_iotSoftwareVersion(value.toString());
    } else if (event == QLatin1String("IoTConnectionStatus")) {
        const QJsonValue status = message.value(QStringLiteral("status"));
        if (!status.isString()) {
            qCWarning(lcIot) << "IoT connection status refused: the status is not a text";
            return;
        }
        m_config->set_iotConnected(status.toString() == QLatin1String("connected"));
    } else {
        handleUnkownIoTCommand(message);
    }
}

void TulIotAgentAdapter::sendCommandError(const QString &command, qint64 commandTs, const QString &batchId,
                                          const QString &description)
{
    qCWarning(lcIot).noquote() << QStringLiteral("IoT proxy command '%1' refused: %2")
                                      .arg(command.left(64), description);
    QJsonObject message;
    message.insert(QStringLiteral("event"), QStringLiteral("commandError"));
    message.insert(QStringLiteral("timestamp"), nowTruncated());
    message.insert(QStringLiteral("commandTs"), double(commandTs));
    message.insert(QStringLiteral("command"), command);
    message.insert(QStringLiteral("batch"), QJsonObject{{QStringLiteral("id"), batchId}});
    message.insert(QStringLiteral("errorDesc"), description);
    send(message);
}

void TulIotAgentAdapter::handleUnkownIoTCommand(const QJsonObject &message)
{
    const QJsonValue batch = message.value(QStringLiteral("batch"));
    const QString batchId = batch.isObject() ? batch.toObject().value(QStringLiteral("id")).toString() : QString();
    sendCommandError(message.value(QStringLiteral("event")).toString(), timeStampOf(message), batchId,
                     QStringLiteral("Unkown IoT Event"));
}

void TulIotAgentAdapter::handleResetHoldCycleCommand(const QJsonObject &message)
{
    if (!ready("handleResetHoldCycleCommand"))
        return;
    const QString name = message.value(QStringLiteral("event")).toString();
    const qint64 timeStamp = timeStampOf(message);
    const QJsonObject cabinet = message.value(QStringLiteral("cabinet")).toObject();
    const QString batchId = message.value(QStringLiteral("batch")).toObject().value(QStringLiteral("id")).toString();
    QString error;
    if (cabinet.value(QStringLiteral("serialNumber")).toString() != m_config->get_serialNumber()) {
        error = QStringLiteral("Serial number error");
    } else if (cabinet.value(QStringLiteral("cabinetUuid")).toString() != m_config->get_uuidNumber()) {
        error = QStringLiteral("Cabinet UUID error");
    } else {
        bool ok = false;
        const quint64 uid = message.value(QStringLiteral("panId")).toString().toULongLong(&ok, 16);
        NfcTagItem2 *tag = ok ? tagOf(uid) : nullptr;
        if (!tag || tag->getBatchId() != batchId || !validBin(tag->getPosition())) {
            error = QStringLiteral("Hold record not found");
        } else {
            NFCmanager *manager = nfc();
            const int bin = tag->getPosition();
            const qint64 now = QDateTime::currentMSecsSinceEpoch();
            // Marked first, so that the stop below restarts the hold however it is delivered.
            if (name == QLatin1String("restart"))
                tag->setRestartRequested(true);
            if (manager->getBinTagUid(bin) == uid) {
                tag->setHoldStatus(NfcTagItem2::StatusStopped);
                tag->setActivationTimeStamp(now);
                if (!manager->saveNFC2())
                    qCWarning(lcIot) << "Tag store not saved after the reset of pan" << IotJson::panIdText(uid);
                m_cabinet->stopBinTimer(bin);
            } else {
                manager->deregisterTag2(uid);
            }
            m_cabinet->raiseHoldStopped(IotJson::truncatedSeconds(now),
                                        m_menu->getProductName(NfcTagItem2::tagProduct(uid)).toString(),
                                        IotJson::panIdText(uid), bin, QStringLiteral("auto"), 0);
        }
    }
    if (!error.isEmpty())
        sendCommandError(name, timeStamp, batchId, error);
}

void TulIotAgentAdapter::handleNetworkSettingsCommand(const QJsonObject &message)
{
    if (!ready("handleNetworkSettingsCommand"))
        return;
    if (message.value(QStringLiteral("networkMode")).toString() != QLatin1String("wifi")) {
        sendCommandError(QStringLiteral("networkSettings"), timeStampOf(message), QString(),
                         QStringLiteral("Invalid network mode!"));
        return;
    }
    const QJsonValue ssid = message.value(QStringLiteral("SSID"));
    const QJsonValue password = message.value(QStringLiteral("password"));
    // An SSID is at most 32 bytes, a WPA pass phrase at most 63 characters (64 in hex).
    if (!ssid.isString() || ssid.toString().isEmpty() || ssid.toString().toUtf8().size() > 32
        || !plainText(ssid.toString(), 32)) {
        qCWarning(lcIot) << "Wi-Fi settings refused: the SSID is not a network name of 1 to 32 bytes";
        return;
    }
    if (!password.isString() || !plainText(password.toString(), 64)) {
        qCWarning(lcIot) << "Wi-Fi settings refused: the pass phrase is not a text of at most 64 characters";
        return;
    }
    SettingsTransaction change(m_config);
    m_config->set_wifiSSID(ssid.toString());
    m_config->set_wifiPassword(password.toString());
    // Settings from the cloud join by DHCP; the wired interface keeps its own set-up.
    m_config->set_wifiStaticIp(false);
    if (!change.commit())
        qCWarning(lcIot) << "Settings not saved after the Wi-Fi settings; the old ones are kept";
    else
        qCInfo(lcIot).noquote() << "Wi-Fi settings from the IoT proxy stored for" << ssid.toString();
}

void TulIotAgentAdapter::handleMenuUpdateCommand(const QJsonObject &message)
{
    if (m_unzip) {
        qCWarning(lcIot) << "Menu update ignored: the previous archive is still being unpacked";
        return;
    }
    const QString folder = TulPaths::resolve(UpdateFolder);
    const QDir dir(folder);
    if (!dir.exists()) {
        qCInfo(lcIot).noquote() << "Menu update: no update folder" << folder;
        return;
    }
    QString archiveName;
    const QStringList files = dir.entryList(QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString &file : files) {
        if (file.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive)) {
            archiveName = file;
            break;
        }
    }
    if (archiveName.isEmpty()) {
        qCInfo(lcIot).noquote() << "Menu update: no archive in" << folder;
        return;
    }
    const QString archive = dir.filePath(archiveName);
    const qint64 commandTs = timeStampOf(message);
    m_unzipTimedOut = false;
    m_unzip = CommandLauncher::start(
        QStringLiteral("/usr/bin/unzip"), {QStringLiteral("-o"), archive, QStringLiteral("-d"), folder + QStringLiteral("menu/")},
        this, [this, archive, commandTs](const CommandResult &result) {
            QString why;
            if (m_unzipTimedOut)
                why = QStringLiteral("unzip did not finish in %1 ms").arg(UnzipTimeoutMs);
            else if (!result.started)
                why = QStringLiteral("unzip did not start (%1)").arg(result.errorText);
            else if (!result.ok())
                why = QStringLiteral("unzip failed with exit code %1: %2")
                          .arg(result.exitCode)
                          .arg(QString::fromLocal8Bit(result.standardError).trimmed().left(200));
            finishUnzip(archive, commandTs, why);
        });
    QPointer<LaunchedCommand> process = m_unzip;
    QTimer::singleShot(UnzipTimeoutMs, m_unzip, [this, process] {
        if (process && process->isRunning()) {
            m_unzipTimedOut = true;
            process->kill();
        }
    });
}

void TulIotAgentAdapter::finishUnzip(const QString &archive, qint64 commandTs, const QString &why)
{
    if (!why.isEmpty()) {
        // The archive stays for another try; the proxy hears of the failure.
        qCWarning(lcIot).noquote() << "Menu archive" << archive << "not unpacked:" << why;
        sendCommandError(QStringLiteral("UpdateAvailable"), commandTs, QString(),
                         QStringLiteral("Menu update failed"));
        return;
    }
    CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
    if (!QFile::remove(archive))
        qCWarning(lcIot).noquote() << "Menu archive" << archive << "unpacked but not removed";
}

void TulIotAgentAdapter::handleHoldingListCommand(const QJsonObject &message)
{
    if (!ready("handleHoldingListCommand"))
        return;
    const qint64 timeStamp = timeStampOf(message);
    const QJsonObject cabinet = message.value(QStringLiteral("cabinet")).toObject();
    const QString uuid = cabinet.value(QStringLiteral("cabinetUuid")).toString();
    if (cabinet.value(QStringLiteral("location")).toString() != m_config->get_storeNumber()) {
        sendCommandError(QStringLiteral("holdingList"), timeStamp, QString(), QStringLiteral("Invalid location!"));
        return;
    }
    const QJsonValue holdInfo = message.value(QStringLiteral("holdInfo"));
    if (uuid == m_config->get_uuidNumber() || !holdInfo.isArray())
        return;
    NFCmanager *manager = nfc();
    if (!manager)
        return;
    if (uuid.isEmpty() || !plainText(uuid, MaxSettingText)) {
        qCWarning(lcIot) << "Holding list refused: the cabinet UUID is missing or not a UUID";
        return;
    }
    const QJsonArray entries = holdInfo.toArray();
    if (entries.size() > NFCmanager::MaxStoredTags) {
        qCWarning(lcIot) << "Holding list of" << entries.size() << "pans refused: more than"
                         << NFCmanager::MaxStoredTags;
        return;
    }

    auto *list = new QList<NfcTagItem2 *>;
    int skipped = 0;
    for (const QJsonValue &entry : entries) {
        const QJsonObject e = entry.toObject();
        const QJsonObject batch = e.value(QStringLiteral("batch")).toObject();
        bool ok = false;
        const quint64 uid = e.value(QStringLiteral("panId")).toString().toULongLong(&ok, 16);
        qint64 status = 0, bin = 0, crc = 0, expiration = 0, activation = 0;
        auto number = [](const QJsonValue &v, qint64 *out, qint64 max) {
            return v.isUndefined() || (integerOf(v, out) && *out >= 0 && *out <= max);
        };
        ok = ok && number(e.value(QStringLiteral("status")), &status, NfcTagItem2::StatusStopped)
             && number(e.value(QStringLiteral("bin")), &bin, MaxBins - 1)
             && number(e.value(QStringLiteral("crc32")), &crc, 0xFFFFFFFFLL)
             && number(batch.value(QStringLiteral("expiration")), &expiration, MaxEpochSeconds)
             && number(e.value(QStringLiteral("activationTS")), &activation, MaxEpochSeconds);
        if (!ok) {
            ++skipped;
            continue;
        }
        auto *record = new NfcTagItem2(uid);
        record->setHoldStatus(quint8(status));
        record->setPosition(int(bin));
        record->setSeenInCabinet(e.value(QStringLiteral("inCabinet")).toBool());
        record->setCrc32(quint32(crc));
        record->setBatchId(batch.value(QStringLiteral("id")).toString());
        record->setExpTime(expiration * 1000);
        record->setActivationTimeStamp(activation * 1000);
        list->append(record);
    }
    if (skipped > 0)
        qCWarning(lcIot) << "Holding list of cabinet" << uuid.left(64) << ":" << skipped
                         << "entries without a readable pan id or with values out of range skipped";

    auto &lists = manager->otherCabinetLists();
    if (QList<NfcTagItem2 *> *old = lists.take(uuid)) {
        qDeleteAll(*old);
        delete old;
    }
    lists.insert(uuid, list);

    // A pan the other cabinet took up after we last saw it is theirs now.
    QList<quint64> takenOver;
    for (const NfcTagItem2 *record : qAsConst(*list)) {
        const NfcTagItem2 *local = manager->viewTagInfo2(record->getUid());
        if (local && local->getActivationTimeStamp() + 500 < record->getActivationTimeStamp())
            takenOver << record->getUid();
    }
    for (quint64 uid : qAsConst(takenOver))
        manager->removeTagAndStopTimer(uid);
}

void TulIotAgentAdapter::handleSdkErrorReceivedCommand(const QJsonObject &message)
{
    const QJsonValue value = message.value(QStringLiteral("errorCode"));
    QString text;
    qint64 number = 0;
    if (value.isString())
        text = value.toString();
    else if (integerOf(value, &number))
        text = QString::number(number);
    else {
        qCWarning(lcIot) << "SDK error ignored: no error code";
        return;
    }
    bool ok = false;
    int code = text.toInt(&ok, 10);
    if (!ok)
        code = 0;
    int group = 0;
    int index = 0;
    const auto &groups = sdkErrorGroups();
    for (int g = 0; g < groups.size() && group == 0; ++g) {
        const int i = groups.at(g).indexOf(code);
        if (i >= 0) {
            group = g + 1;
            index = i;
        }
    }
    emit iotSdkErrorInfo(SdkErrorFamily, group, index, 0);
}

// ---- package and backup progress ---------------------------------------------------------

void TulIotAgentAdapter::packageCheckResult(bool packageName, const QString &packageState)
{
    qCInfo(lcIot).noquote() << "packageCheckResults" << (packageName ? "true" : "false") << ":" << packageState;
}

void TulIotAgentAdapter::forcedPackageChecked(const QString &packageName, bool packageState)
{
    qCInfo(lcIot).noquote() << "forcedPackageChecked" << packageName << ":" << (packageState ? "true" : "false");
    // Any check of a forced package means one is on its way, whatever state it reports.
    set_forcedPackageActive(true);
}

void TulIotAgentAdapter::newPackageAvailable(const QString &packageName, const QString &packageState)
{
    qCInfo(lcIot).noquote() << "newPackageAvailable" << packageName << ":" << packageState;
}

void TulIotAgentAdapter::packageUpdateState(const QString &packageName, const QString &packageState)
{
    Q_UNUSED(packageName)
    if (packageState == QLatin1String("System Backup Started")) {
        qCInfo(lcIot) << "System Backup Started !!!!!!!!!!!!!!";
        set_systemBackupActive(true);
        return;
    }
    if (packageState == QLatin1String("System Update Started")) {
        qCInfo(lcIot) << "System Update Started !!!!!!!!!!!!!!";
        set_systemBackupActive(false);
        return;
    }
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    const QRegularExpressionMatch match = digits.match(packageState);
    if (!match.hasMatch())
        return;
    bool ok = false;
    const int percent = match.captured().toInt(&ok);
    if (!ok || percent > 100) {
        qCWarning(lcIot).noquote() << "Backup progress ignored: not a percentage in" << packageState.left(64);
        return;
    }
    set_systemBackupProgress(percent);
    if (percent > 0)
        set_systemBackupActive(true);
}
