// The agent's messages: cloud commands with their acknowledgement, and inbound events.
#include "tullumo.h"

#include "bursttrim.h"
#include "cabinetidentity.h"
#include "configurationmanager.h"
#include "iotcabinetview.h"
#include "iotjson.h"
#include "iotlink.h"
#include "iotlog.h"
#include "jsonguard.h"
#include "networkfiles.h"
#include "settingstransaction.h"
#include "tuldbusadapter.h"

#include <QDateTime>

#include <climits>
#include <cmath>

namespace {

const QString Executed = QStringLiteral("Command executed");
const QString NewIdentity =
    QStringLiteral("New serial/model number received successfully. Please restart the unit to apply the changes");

// A network name of 1 to 32 bytes and a pass phrase of at most 64 characters, neither
// with control characters: anything else would break the supplicant's settings.
bool plainText(const QString &text, int maxBytes)
{
    if (text.toUtf8().size() > maxBytes)
        return false;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

} // namespace

// ---- parsing ----------------------------------------------------------------------------

bool TulLumo::parseInbound(const QString &text, QJsonObject *message)
{
    // Checked on the characters first so that a huge text is never converted.
    if (text.size() > MaxInboundBytes) {
        qCWarning(lcIot) << "LUMO Received Document Error!!! Message of" << text.size()
                         << "characters refused: larger than" << MaxInboundBytes << "bytes";
        return false;
    }
    // The guard refuses a repeated key, which the parser would leak on.
    QJsonParseError error;
    const QJsonDocument doc = JsonGuard::parse(text.toUtf8(), "cloud agent", MaxInboundBytes, &error);
    if (doc.isNull()) {
        qCWarning(lcIot).noquote() << QStringLiteral("LUMO Received Document Error!!! (%1 at offset %2)")
                                          .arg(error.errorString())
                                          .arg(error.offset);
        return false;
    }
    if (!doc.isObject()) {
        qCWarning(lcIot) << "LUMO Received Object Error!!!";
        return false;
    }
    *message = doc.object();
    return true;
}

void TulLumo::handleReceivedLumoInfo(const QString &text)
{
    m_burstTrim->note();
    QJsonObject message;
    if (!parseInbound(text, &message))
        return;
    // Only the message's name: provisioning messages carry pass phrases.
    const QJsonValue name = message.contains(QStringLiteral("command")) ? message.value(QStringLiteral("command"))
                                                                         : message.value(QStringLiteral("event"));
    qCDebug(lcIot).noquote() << "Cloud message received:" << name.toString().left(64);
    emit lumoMessageReceived(message);
    dispatch(message);
}

// ---- commands ---------------------------------------------------------------------------

bool TulLumo::saveSettings(SettingsTransaction &change, const char *after)
{
    if (change.commit())
        return true;
    qCWarning(lcIot) << "Settings not saved after" << after << "- the old value is kept";
    return false;
}

QString TulLumo::updatePerformanceInterval(const QJsonValue &value, bool *success)
{
    bool ok = false;
    const int seconds = value.isString() ? value.toString().toInt(&ok, 10) : 0;
    // Any whole number is stored, 0 and below too (the timer then keeps its period). A
    // period the timer's milliseconds cannot hold is refused, not cut: the acknowledgement
    // echoes the value it answers for.
    if (!ok || seconds > TulDbusAdapter::MaxPerformanceSeconds)
        return QStringLiteral("Unknown commnd value");
    ConfigurationManager *settings = config();
    // The file already holds an unchanged value: a repeated command costs no write.
    if (settings->get_performanceDataInterval() == seconds) {
        *success = true;
        return Executed;
    }
    SettingsTransaction change(settings);
    settings->set_performanceDataInterval(seconds);
    if (!saveSettings(change, "the performance-data interval"))
        return QStringLiteral("Settings not saved");
    *success = true;
    return Executed;
}

QString TulLumo::runCommand(const QString &command, const QJsonValue &value, bool *success)
{
    *success = false;
    ConfigurationManager *settings = config();
    if (!settings)
        return QStringLiteral("Settings not available");
    if (command == QLatin1String("updatePerformanceDataInterval"))
        return updatePerformanceInterval(value, success);
    if (command == QLatin1String("updateSerialNumber")) {
        // The number goes into a "key=value" line and the identity header of every event.
        const QString serial = value.toString();
        if (!value.isString() || serial.trimmed().isEmpty() || !CabinetIdentity::acceptableIdentityValue(serial)
            || !plainText(serial, CabinetIdentity::MaxIdentityValueBytes))
            return QStringLiteral("Serial number not accepted");
        if (!writeTempSerialNumber(serial))
            return QStringLiteral("Serial number not saved");
        *success = true;
        return NewIdentity;
    }
    if (command == QLatin1String("updateModelNumber")) {
        if (!value.isString() || !acceptedModelNumbers().contains(value.toString()))
            return QStringLiteral("Model number not accepted");
        if (!writeTempModelNumber(value.toString()))
            return QStringLiteral("Model number not saved");
        *success = true;
        return NewIdentity;
    }
    if (command == QLatin1String("resetCycle") || command == QLatin1String("restartCycle")) {
        if (!handle_event_resetQrbHoldCycle(value.toString(), command == QLatin1String("restartCycle")))
            return QStringLiteral("Cycle eventUuid not found");
        *success = true;
        return Executed;
    }
    // togglePanDetailMessages
    const QString onOff = value.toString();
    if (onOff != QLatin1String("on") && onOff != QLatin1String("off"))
        return QStringLiteral("Unknown command value");
    const bool enable = onOff == QLatin1String("on");
    if (settings->get_panMessagesEnable() == enable) {
        *success = true;
        return Executed;
    }
    SettingsTransaction change(settings);
    settings->set_panMessagesEnable(enable);
    if (!saveSettings(change, "the pan messages switch"))
        return QStringLiteral("Settings not saved");
    *success = true;
    return Executed;
}

// ---- dispatch ---------------------------------------------------------------------------

void TulLumo::dispatch(const QJsonObject &message)
{
    ConfigurationManager *settings = config();
    const QString event = message.value(QStringLiteral("event")).toString();
    const QString command = message.value(QStringLiteral("command")).toString();

    if (event == QLatin1String("command")) {
        static const QStringList known{QStringLiteral("updatePerformanceDataInterval"),
                                       QStringLiteral("updateSerialNumber"), QStringLiteral("updateModelNumber"),
                                       QStringLiteral("resetCycle"), QStringLiteral("restartCycle"),
                                       QStringLiteral("togglePanDetailMessages")};
        bool success = false;
        if (!known.contains(command)) {
            acknowledge(QString(), QJsonValue(), false, QStringLiteral("Unknown command!"));
            return;
        }
        const QJsonValue value = message.value(QStringLiteral("commandValue"));
        const QString detail = runCommand(command, value, &success);
        acknowledge(command, value, success, detail);
        return;
    }

    const bool customer = customerSchema();
    if (event == QLatin1String("holdingList")) {
        handle_event_holdingListReceived(message);
    } else if (event == QLatin1String("firmwareUpdateAvailable")) {
        if (customer)
            handle_event_firmwareUpdateInfo(message);
    } else if (event == QLatin1String("menuUpdateAvailable")) {
        if (customer)
            handle_event_menuUpdateInfo(message);
    } else if (event == QLatin1String("lumoConnectionStatus")) {
        const bool connected = message.value(QStringLiteral("settings")).toString() == QLatin1String("connected");
        if (settings)
            settings->set_iotConnected(connected);
        if (connected) {
            if (settings)
                settings->checkFirmwareUpdateDone();
            checkMenuUpdateDone();
        }
    } else if (event == QLatin1String("iotSwVersion")) {
        if (settings)
            settings->set_iotSoftwareVersion(message.value(QStringLiteral("value")).toString());
    } else if (event == QLatin1String("wifiSettings")) {
        handle_event_wifiSettingsReceived(message);
    } else if (event == QLatin1String("networkReset")) {
        if (settings && customer)
            settings->restartWifiNetworkLuMo();
        else if (settings)
            settings->restartWifiNetwork();
    } else if (event == QLatin1String("ping")) {
        handle_event_pingResponse(message);
    } else if (command == QLatin1String("performanceDataIntervalCmd")) {
        applyPerformanceIntervalEvent(message.value(QStringLiteral("value")));
    } else if (event == QLatin1String("locationUpdate")) {
        // Answered like a command, so that the cloud learns of a store number not taken.
        bool success = false;
        const QJsonValue value = message.value(QStringLiteral("value"));
        const QString detail = updateLocation(value, &success);
        acknowledge(event, value, success, detail);
    } else if (event == QLatin1String("reset") || event == QLatin1String("restart")) {
        handle_event_resetHoldCycle(message);
    } else if (event == QLatin1String("sdkError")) {
        handle_event_sdkErrorReceived(message);
    } else if (event == QLatin1String("provisioningState")) {
        provisioningState(message.value(QStringLiteral("state")).toString());
    } else if (event == QLatin1String("certificateState")) {
        certificateState(message.value(QStringLiteral("state")).toString());
    }
}

QString TulLumo::updateLocation(const QJsonValue &value, bool *success)
{
    *success = false;
    ConfigurationManager *settings = config();
    if (!settings)
        return QStringLiteral("Settings not available");
    // A text the settings file can hold: not empty, no line break (the setter refuses one).
    const QString location = value.toString();
    if (location.isEmpty() || location.size() > TulDbusAdapter::MaxTextLength
        || SettingKind::refusesText("storeNumber", location))
        return QStringLiteral("Location not accepted");
    if (location != settings->get_storeNumber()) {
        SettingsTransaction change(settings);
        settings->set_storeNumber(location);
        if (settings->get_storeNumber() != location)
            return QStringLiteral("Location not accepted");
        if (!saveSettings(change, "the location update"))
            return QStringLiteral("Settings not saved");
    }
    *success = true;
    return Executed;
}

void TulLumo::acknowledge(const QString &command, const QJsonValue &value, bool success, const QString &detail)
{
    QJsonObject ack = envelope(QStringLiteral("commandStatus"), now());
    ack.remove(QStringLiteral("cabinetUuid"));
    if (!command.isNull()) {
        ack.insert(QStringLiteral("command"), command);
        // Echoed as it came; a missing value is echoed as null.
        ack.insert(QStringLiteral("commandValue"), value.isUndefined() ? QJsonValue(QJsonValue::Null) : value);
    }
    ack.insert(QStringLiteral("commandStatus"), success ? QStringLiteral("success") : QStringLiteral("failure"));
    ack.insert(QStringLiteral("commandStatusDetails"), detail);
    send(ack);
}

void TulLumo::applyPerformanceIntervalEvent(const QJsonValue &value)
{
    ConfigurationManager *settings = config();
    if (!settings)
        return;
    // A whole number of seconds; 0 when missing or not one. 0 and below are stored too.
    const double d = value.toDouble();
    const int seconds = value.isDouble() && std::floor(d) == d && d >= double(INT_MIN) && d <= double(INT_MAX)
                            ? int(d)
                            : 0;
    if (seconds > TulDbusAdapter::MaxPerformanceSeconds) {
        qCWarning(lcIot) << "Performance-data interval of" << seconds << "s refused: longer than the timer can hold";
        return;
    }
    if (settings->get_performanceDataInterval() == seconds)
        return;
    SettingsTransaction change(settings);
    settings->set_performanceDataInterval(seconds);
    saveSettings(change, "the performance-data interval");
}

void TulLumo::provisioningState(const QString &state)
{
    ConfigurationManager *settings = config();
    if (state == QLatin1String("notProvisioned")) {
        if (settings)
            settings->set_iotConnected(false);
        showProvisioningLine(tr("<b>Provisioning Status:</b> Not provisioned"));
    } else if (state == QLatin1String("provisioning")) {
        showProvisioningLine(tr("<b>Provisioning Status:</b> Provisioning"));
    } else if (state == QLatin1String("permanent")) {
        if (settings)
            settings->set_iotConnected(true);
    } else {
        qCWarning(lcIot) << "Undefined provisioningState value!";
    }
}

void TulLumo::certificateState(const QString &state)
{
    if (state == QLatin1String("certificateRequested")) {
        showCertificateLine(m_certificateTimeoutSeen
                                ? tr("<b>Certificate Status:</b> Certificate request timeout, retrying...")
                                : tr("<b>Certificate Status:</b> Certificate requested"));
    } else if (state == QLatin1String("certificateReceived")) {
        showCertificateLine(tr("<b>Certificate Status:</b> Certificate received"));
    } else if (state == QLatin1String("certificateReqTimeout")) {
        m_certificateTimeoutSeen = true;
        showCertificateLine(tr("<b>Certificate Status:</b> Certificate request timeout"));
    } else {
        qCWarning(lcIot) << "Undefined certificateState value!";
    }
}

void TulLumo::showProvisioningLine(const QString &line)
{
    m_provisioningLine = line;
    emit iotProvisioningState(line);
}

void TulLumo::showCertificateLine(const QString &line)
{
    m_certificateLine = line;
    emit iotCertificateState(line);
}

// ---- small outbound messages ------------------------------------------------------------

void TulLumo::handle_event_commandError(QString command, qint64 cmdTimeStamp, QString batchId, QString description)
{
    QJsonObject message;
    message.insert(QStringLiteral("event"), QStringLiteral("commandError"));
    message.insert(QStringLiteral("timestamp"), IotJson::truncatedSeconds(QDateTime::currentMSecsSinceEpoch()));
    message.insert(QStringLiteral("commandTs"), double(cmdTimeStamp));
    message.insert(QStringLiteral("command"), command);
    message.insert(QStringLiteral("batch"), QJsonObject{{QStringLiteral("id"), batchId}});
    message.insert(QStringLiteral("errorDesc"), description);
    send(message);
}

void TulLumo::handle_event_iotSettings(QString iotType)
{
    QJsonObject message;
    message.insert(QStringLiteral("event"), QStringLiteral("iotSettings"));
    message.insert(QStringLiteral("timestamp"), IotJson::truncatedSeconds(QDateTime::currentMSecsSinceEpoch()));
    message.insert(QStringLiteral("settings"), iotType);
    send(message);
}

void TulLumo::handle_event_wifiSettingsReceived(QJsonObject message)
{
    ConfigurationManager *settings = config();
    if (!settings)
        return;
    const bool customer = customerSchema();
    const QJsonValue name = message.value(customer ? QStringLiteral("ssid") : QStringLiteral("SSID"));
    const QJsonValue password = message.value(QStringLiteral("password"));
    // An empty name would leave the cabinet without a network to join.
    if (!name.isString() || name.toString().isEmpty() || !plainText(name.toString(), 32)) {
        qCWarning(lcIot) << "Wi-Fi settings refused: the network name is not a text of 1 to 32 bytes";
        return;
    }
    if (!(password.isString() || password.isUndefined()) || !plainText(password.toString(), 64)) {
        qCWarning(lcIot) << "Wi-Fi settings refused: the pass phrase is not a text of at most 64 bytes";
        return;
    }
    const QString ssid = name.toString();
    const QString pass = password.toString();
    const bool connected = m_wifiApConnected && m_wifiApConnected();
    if (ssid == settings->get_wifiSSID() && pass == settings->get_wifiPassword() && connected)
        return;
    // Values the network set-up would refuse are not stored either. Only what this
    // message changes is checked: the wired settings are not the cloud's to fix.
    NetworkSettings candidate = settings->networkSettings();
    candidate.ethEnabled = false;
    candidate.wifiEnabled = true;
    candidate.wifiSsid = ssid;
    candidate.wifiPassphrase = pass;
    candidate.wifiStatic = false;
    const QString why = NetworkFiles::refusal(candidate);
    if (!why.isEmpty()) {
        qCWarning(lcIot).noquote() << "Wi-Fi settings refused:" << why;
        return;
    }
    // A network the next start would not find is not what the cabinet joins now either.
    SettingsTransaction change(settings);
    settings->set_wifiSSID(ssid);
    settings->set_wifiPassword(pass);
    settings->set_wifiStaticIp(false);
    if (!saveSettings(change, "the Wi-Fi settings"))
        return;
    qCInfo(lcIot).noquote() << "Wi-Fi settings from the cloud stored for" << ssid;
    if (!customer && !settings->reconfigureNetworkDevices())
        qCWarning(lcIot) << "Wi-Fi settings from the cloud stored but not applied";
}

void TulLumo::handle_event_pingResponse(QJsonObject)
{
    if (!customerSchema())
        return;
    const ConfigurationManager *settings = config();
    QJsonObject message = envelope(QStringLiteral("pingResponse"), now());
    const auto value = [settings](QString (ConfigurationManager::*getter)() const) {
        return settings ? (settings->*getter)() : QString();
    };
    message.insert(QStringLiteral("macAddress"), value(&ConfigurationManager::get_macAddress));
    message.insert(QStringLiteral("errorCount"), m_cabinet ? m_cabinet->errorLogCount() : 0);
    message.insert(QStringLiteral("softwareVersion"),
                   QJsonObject{{QStringLiteral("lumoSdk"), value(&ConfigurationManager::get_iotSdkVersion)},
                               {QStringLiteral("firmwareUI"), IotLink::FirmwareVersion},
                               {QStringLiteral("firmwareIoT"), value(&ConfigurationManager::get_iotSoftwareVersion)},
                               {QStringLiteral("firmwareIO"), value(&ConfigurationManager::get_ioBoardFirmwareVersion0)},
                               {QStringLiteral("firmwareReaderBoard"),
                                value(&ConfigurationManager::get_readerFirmwareVersion1)}});
    message.insert(QStringLiteral("menuVersion"), QJsonObject{{QStringLiteral("menu"), menuName(value(
                                                                   &ConfigurationManager::get_importedMenu))}});
    send(message);
}
