#include "configurationmanager.h"
#include "configlog.h"
#include "settingstransaction.h"

#include "pathguard.h"

#include "cabinetcore.h"
#include "cabinetidentity.h"
#include "configsync.h"
#include "ecomodeoptions.h"
#include "fileid.h"
#include "ioboardconfiguration.h"
#include "passcodes.h"
#include "preloadedconfigs.h"
#include "commandlauncher.h"
#include "interfacestate.h"
#include "networkcontrol.h"
#include "networkfiles.h"
#include "roleitemmodel.h"
#include "safefilereader.h"
#include "safefilewriter.h"
#include "timezonetable.h"
#include "translator.h"
#include "tulpaths.h"

#include <QColor>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QMetaProperty>
#include <QSettings>
#include <QTimer>

#include <algorithm>

int ConfigurationManager::networkReloadIntervalMs = 20000;
int ConfigurationManager::networkRestartWaitMs = 15000;

namespace {

enum CustomerId { VARUDAZE_RU_RA = 0, CUSTOMER_ID_Vyx = 1, CUSTOMER_ID_TANDOR = 2,
                  CUSTOMER_ID_QRB = 3, CUSTOMER_ID_X = 4, CUSTOMER_ID_HALVO = 5 };

const QString kDefaultLanguage = QStringLiteral("eng_USA");
const QString kDefaultIotType = QStringLiteral("QRB_VAZARA");

} // namespace

bool SettingKind::refusesText(const char *name, const QString &value)
{
    if (CabinetIdentity::isIdentityKey(name) && !CabinetIdentity::acceptableIdentityValue(value)) {
        qCWarning(lcConfig) << "Refused an identity value that would not read back from its file (\"=\", a line break, NUL"
                   << "or over" << CabinetIdentity::MaxIdentityValueBytes << "bytes) for" << name;
        return true;
    }
    const QString why = PathGuard::refusal(QLatin1String(name), value);
    if (!why.isEmpty()) {
        // Not the value itself: it may be anything the agent sent.
        qCWarning(lcConfig).noquote() << "Refused setting" << name << "-" << why;
        return true;
    }
    if (!value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')))
        return false;
    qCWarning(lcConfig) << "Refused a line break in setting" << name;
    return true;
}

ConfigurationManager::ConfigurationManager(QModbusMaster *modbusMaster, CanbusManager *canbusManager,
                                           bool iAmMaster, int orientationId, QObject *parent)
    : P4StateMachine(parent),
      m_modbusMaster(modbusMaster),
      m_canbusManager(canbusManager),
      m_iAmMaster(iAmMaster),
      m_orientationId(orientationId)
{
    setObjectName(QStringLiteral("configManager"));
    setDefaults();
    m_timeZonesModel = TimeZoneTable::createModel(this);

    m_networkReloadTimer = new QTimer(this);
    m_networkReloadTimer->setObjectName(QStringLiteral("networkReloadTimer"));
    m_networkReloadTimer->setInterval(networkReloadIntervalMs);
    connect(m_networkReloadTimer, &QTimer::timeout, this,
            &ConfigurationManager::reLoadNetworkDeviceConfig);
    m_networkReloadTimer->start();

    m_networkRestartTimer = new QTimer(this);
    m_networkRestartTimer->setObjectName(QStringLiteral("networkRestartTimer"));
    m_networkRestartTimer->setSingleShot(true);
    m_networkRestartTimer->setInterval(networkRestartWaitMs);

    m_networkControl = new NetworkControl(this);
    connect(m_networkControl, &NetworkControl::chainFinished, this, &ConfigurationManager::networkChainFinished);
    m_identity = new CabinetIdentity(this);
    m_sync = new ConfigSync(this, canbusManager, iAmMaster);
    m_ioConfig = new IoBoardConfiguration(this, modbusMaster);
    connect(this, &ConfigurationManager::performanceDataIntervalChanged, this, [this](int value) {
        if (m_reportsHeld == 0)
            emit performanceDataIntervalReported(value);
    });
    // One clock for every screen and record: the error log's worker reads the cabinet's
    // zone from here, as it cannot ask this object from its thread.
    const auto handOverZone = [this] { TimeZoneTable::setCabinetZone(getCurrentTimeZoneId(), m_dstEnabled); };
    connect(this, &ConfigurationManager::timeZoneIndexChanged, this, handOverZone);
    connect(this, &ConfigurationManager::dstEnabledChanged, this, handOverZone);
    handOverZone();
}

ConfigurationManager::~ConfigurationManager()
{
    TimeZoneTable::clearCabinetZone();
    delete m_identity;
}

CabinetCore *ConfigurationManager::core() const
{
    return CabinetCore::of(this);
}

int ConfigurationManager::getCustomerId() const
{
    const CabinetCore *c = core();
    return c ? c->get_customerId() : VARUDAZE_RU_RA;
}

bool ConfigurationManager::getHasOtherDisplays() const
{
    const CabinetCore *c = core();
    return c && (c->get_hasMirrorDisplay() || c->get_hasSecondaryDisplay());
}

void ConfigurationManager::setDefaults()
{
    const CabinetCore *c = core();
    const int customer = getCustomerId();
    const bool vyx = customer == CUSTOMER_ID_Vyx;
    const bool qrb = customer == CUSTOMER_ID_QRB;

    m_storeNumber = QStringLiteral("N.A.");
    for (QString *v : {&m_ioBoardFirmwareVersion0, &m_ioBoardFirmwareVersion1,
                       &m_ioBoardFirmwareVersion2, &m_ioBoardFirmwareVersion3,
                       &m_ioBoardFirmwareVersion4, &m_iotSoftwareVersion, &m_iotSdkVersion})
        *v = QStringLiteral("?.?.?");
    m_readerFirmwareVersion1 = m_readerFirmwareVersion2 = QStringLiteral("0.0.0");
    m_cabinetConfiguration = TUL_CONF_INVALID;
    m_staticIPEnabled = true;
    m_networkMode = NETWORK_MODE_WIFI;
    m_wifiEnabled = true;
    m_iotType = qrb ? QStringLiteral("QRB_LUMO") : kDefaultIotType;
    m_useFirstEnabled = true;
    m_groupDotsEnabled = true;
    m_prodNameLength = 8;
    m_usbPath = QStringLiteral("/media/");
    m_localPath = QStringLiteral("/root/") + QStringLiteral("fwupdate/");
    m_labelFontSize = 24;
    m_individualDPEnabled = qrb && c && c->get_hasSecondaryDisplay();
    m_passwdL1 = defaultPasswdL1();
    m_passwdL2 = Passcodes::defaultPasscode(customer, 2);
    m_passwdL3 = Passcodes::defaultPasscode(customer, 3);
    m_passwdL4 = Passcodes::defaultPasscode(customer, 4);
    m_languageId = kDefaultLanguage;
    m_timeFormatAMPM = true;
    m_dstEnabled = true;
    m_ntpOn = true;
    m_wifiScanString = QStringLiteral("No networks detected");
    m_soundLevel = 100;
    m_powerSource = 240;
    m_menuBarColor = QStringLiteral("#003673");
    m_performanceDataInterval = 120;
    m_usedLanguages = customer == CUSTOMER_ID_HALVO ? 3u : 7u;
    m_ecoShelfHeatTemp = 125;
    m_ecoActivateMode = customer == CUSTOMER_ID_TANDOR ? 1 : 0;
    m_ecoActivateTimeout = 60;
    m_screenCleanTimeout = 30;
    m_timerColorStatus = vyx && c && c->get_timerDecrementEnable();
    m_advancedZoneOptionsEnable = vyx ? (c && c->get_timerDecrementEnable()) : true;
    m_panMessagesEnable = true;
    m_discardDurationEnabled = 1;
    m_discardSoundDuration = 10;
    m_verticalFlip = c && c->get_verticalFlip();
    m_cabinetName = QStringLiteral("Name Not Set");
}

// ---------------------------------------------------------------------------------------
// Settings with their own rules

QString ConfigurationManager::get_serialNumber() const { return m_serialNumber; }

void ConfigurationManager::set_serialNumber(const QString &value)
{
    if (!SettingKind::onChange(m_serialNumber, value, "serialNumber"))
        return;
    setValue(QStringLiteral("sysInfo/serialNumber"), value);
    emit serialNumberChanged(value);
}

QString ConfigurationManager::get_storeNumber() const { return m_storeNumber; }

void ConfigurationManager::set_storeNumber(const QString &value)
{
    const QString old = m_storeNumber;
    if (!SettingKind::onChange(m_storeNumber, value, "storeNumber"))
        return;
    emit storeNumberChanged(value, old);
    if (m_reportsHeld == 0)
        emit storeNumberReported(value, old);
}

void ConfigurationManager::holdReports()
{
    if (m_reportsHeld++ > 0)
        return;
    m_heldStoreNumber = m_storeNumber;
    m_heldPerformanceDataInterval = m_performanceDataInterval;
}

void ConfigurationManager::releaseReports(bool send)
{
    if (m_reportsHeld == 0 || --m_reportsHeld > 0 || !send)
        return;
    if (m_storeNumber != m_heldStoreNumber)
        emit storeNumberReported(m_storeNumber, m_heldStoreNumber);
    if (m_performanceDataInterval != m_heldPerformanceDataInterval)
        emit performanceDataIntervalReported(m_performanceDataInterval);
}

bool ConfigurationManager::setHostAddress(QHostAddress &stored, const QString &text,
                                          const char *name)
{
    if (SettingKind::refusesText(name, text))
        return false;
    const QHostAddress parsed(text);
    if (parsed.toString() == stored.toString())
        return false;
    stored = parsed;
    return true;
}

#define TUL_HOST_SETTING(name)                                                       \
    QString ConfigurationManager::get_##name() const { return m_##name.toString(); } \
    void ConfigurationManager::set_##name(const QString &value)                      \
    {                                                                                \
        if (setHostAddress(m_##name, value, #name))                                  \
            emit name##Changed(m_##name.toString());                                 \
    }

TUL_HOST_SETTING(ipAddress)
TUL_HOST_SETTING(netmask)
TUL_HOST_SETTING(gateway)
TUL_HOST_SETTING(wifiIpAddr)
TUL_HOST_SETTING(wifiNetmask)
TUL_HOST_SETTING(wifiGateway)

#undef TUL_HOST_SETTING

QString ConfigurationManager::get_iotType() const { return m_iotType; }

void ConfigurationManager::set_iotType(const QString &value)
{
    static const QStringList accepted = {QStringLiteral("QRB_LUMO"), QStringLiteral("QRB_VAZARA"),
                                         QStringLiteral("GM_VAZARA")};
    m_iotType = accepted.contains(value) ? value : kDefaultIotType;
    emit iotTypeChanged(m_iotType);
}

int ConfigurationManager::get_screenOrientation() const { return m_screenOrientation; }

void ConfigurationManager::set_screenOrientation(const int &value)
{
    m_screenOrientation = value;
    emit screenOrientationChanged(value != 0);
}

int ConfigurationManager::get_tempUnit() const { return m_tempUnit; }

void ConfigurationManager::set_tempUnit(const int &value)
{
    const int unit = value != 0 ? 1 : 0;
    if (unit == m_tempUnit)
        return;
    m_tempUnit = unit;
    emit tempUnitChanged(value);
}

bool ConfigurationManager::get_individualDPEnabled() const { return m_individualDPEnabled; }

void ConfigurationManager::set_individualDPEnabled(const bool &value)
{
    const CabinetCore *c = core();
    if (c && c->get_isIndividualDpSelectable()) {
        m_individualDPEnabled = value;
        emit individualDPEnabledChanged(value);
    } else {
        m_individualDPEnabled = false;
    }
}

bool ConfigurationManager::get_demoModeFlag() const { return m_demoModeFlag; }

void ConfigurationManager::set_demoModeFlag(const bool &value)
{
    if (value == m_demoModeFlag)
        return;
    m_demoModeFlag = value;
    emit demoModeFlagChanged(value);
    if (value)
        emit demoModeEnabled();
    else
        emit demoModeDisabled();
}

bool ConfigurationManager::get_productDiscardFlash() const
{
    return getCustomerId() == CUSTOMER_ID_QRB ? false : m_productDiscardFlash;
}

void ConfigurationManager::set_productDiscardFlash(const bool &value)
{
    if (SettingKind::onChange(m_productDiscardFlash, value, "productDiscardFlash"))
        emit productDiscardFlashChanged(value);
}

QString ConfigurationManager::get_passwdL1() const { return m_passwdL1; }

void ConfigurationManager::set_passwdL1(const QString &value)
{
    if (SettingKind::refusesText("passwdL1", value))
        return;
    m_prevPasswdL1 = m_passwdL1;
    m_passwdL1 = value;
    emit passwdL1Changed(value);
}

QString ConfigurationManager::get_languageId() const { return m_languageId; }

void ConfigurationManager::set_languageId(const QString &value)
{
    // A code this program does not know has no catalogue and no column in the names:
    // the language in force stays, rather than the screen turning to another one.
    if (Translator::indexOfCode(value) < 0) {
        qCWarning(lcConfigDump) << "Unknown language code" << value << "- keeping" << m_languageId;
        return;
    }
    if (value == m_languageId)
        return;
    m_prevLanguageId = m_languageId;
    m_languageId = value;
    emit languageIdChanged(value);
}

uint ConfigurationManager::get_usedLanguages() const { return m_usedLanguages; }

void ConfigurationManager::set_usedLanguages(const uint &value)
{
    if (SettingKind::onChange(m_usedLanguages, value, "usedLanguages"))
        emit usedLanguagesChanged(value);
}

int ConfigurationManager::get_timeZoneIndex() const { return m_timeZoneIndex; }

void ConfigurationManager::set_timeZoneIndex(const int &value)
{
    // A row the table lacks names no zone: the clock keeps the zone in force.
    if (!TimeZoneTable::isRow(value)) {
        qCWarning(lcConfigDump) << "Time zone index" << value << "is not in the table - keeping" << m_timeZoneIndex;
        return;
    }
    if (SettingKind::onChange(m_timeZoneIndex, value, "timeZoneIndex"))
        emit timeZoneIndexChanged(value);
}

// ---------------------------------------------------------------------------------------
// The settings file

QString ConfigurationManager::appSettingsPath()
{
    QString organisation = QCoreApplication::organizationName();
    QString application = QCoreApplication::applicationName();
    if (organisation.isEmpty())
        organisation = QStringLiteral("Korvane");
    if (application.isEmpty())
        application = QStringLiteral("TUL");
    return TulPaths::rootPath(QStringLiteral(".config/%1/%2.conf").arg(organisation, application));
}

namespace {

// QSettings saves through a link at its file's name and reads the file whole: one
// planted there is removed, an oversized one set aside, before every use.
QString preparedAppSettingsPath()
{
    const QString path = ConfigurationManager::appSettingsPath();
    SafeFileReader::prepareForLibrary(path, ConfigurationManager::MaxAppSettingsBytes, "application settings file");
    return path;
}

} // namespace

QString ConfigurationManager::configFilePath()
{
    return TulPaths::rootPath(QStringLiteral("config.txt"));
}

const QStringList &ConfigurationManager::configFileKeys()
{
    static const QStringList keys = {
        "ioBoardFirmwareVersion0", "ioBoardFirmwareVersion1", "ioBoardFirmwareVersion2",
        "ioBoardFirmwareVersion3", "ioBoardFirmwareVersion4", "cabinetConfiguration",
        "screenOrientation", "useFirstEnabled", "splitViewEnabled", "groupDotsEnabled",
        "prodNameLength", "usbPath", "localPath", "labelFontSize", "individualDPEnabled",
        "passwdL1", "languageId", "demoModeFlag", "staticIPEnabled", "tempUnit", "ipAddress",
        "netmask", "gateway", "wifiStaticIp", "wifiIpAddr", "wifiNetmask", "wifiGateway",
        "macAddress", "wifiEnabled", "ethEnabled", "productsEditEnabled", "timeFormatAMPM",
        "dstEnabled", "ntpOn", "timeZoneIndex", "networkMode", "wifiSSID", "wifiPassword",
        "wifiSSIDRestore", "wifiPasswordRestore", "wifiIdentity", "wpaEnabled", "storeNumber",
        "productsHashCode", "soundLevel", "powerSource", "cabinetIndex", "cabinetNameIndex",
        "menuBarColor", "productsHashCodeTs", "importedMenu", "performanceDataInterval",
        "firmwareVersion", "iotType", "productDiscardFlash", "usedLanguages", "ecoShelfHeatMode",
        "ecoShelfHeatTemp", "ecoActivateMode", "ecoActivateTimeout", "screenCleanActive",
        "screenCleanTimeout", "timerColorStatus", "advancedZoneOptionsEnable",
        "panMessagesEnable", "universalPanSoundEnable", "discardDurationEnabled",
        "discardSoundDuration", "verticalFlip"};
    return keys;
}

bool ConfigurationManager::settingRange(const QString &name, int *min, int *max)
{
    struct Range { const char *name; int min, max; };
    // The Preferences, Eco Mode Options and Cabinet Names pages' limits, the first start's
    // two orientations, and a name length no longer than the names the cloud is sent.
    static const Range ranges[] = {
        {"labelFontSize", TUL_MIN_LABEL_FONT_SIZE, TUL_MAX_LABEL_FONT_SIZE},
        {"soundLevel", TUL_MIN_SOUND_LEVEL, TUL_MAX_SOUND_LEVEL},
        {"screenCleanActive", 0, 1},
        {"screenCleanTimeout", TUL_MIN_TIMER_SCREEN_CLEAING, TUL_MAX_TIMER_SCREEN_CLEAING},
        {"discardDurationEnabled", 0, 1},
        {"discardSoundDuration", TUL_MIN_DISCARD_SOUND_DURATION, TUL_MAX_DISCARD_SOUND_DURATION},
        {"ecoShelfHeatMode", 0, 1},
        {"ecoShelfHeatTemp", TUL_MIN_ECO_SHELF_TEMP_F, TUL_MAX_ECO_SHELF_TEMP_F},
        {"ecoActivateMode", 0, 1},
        {"ecoActivateTimeout", TUL_MIN_ECO_TIMEOUT, TUL_MAX_ECO_TIMEOUT},
        {"screenOrientation", 0, 1},
        {"prodNameLength", 1, 32},
        {"cabinetIndex", 0, 98},
        {"cabinetNameIndex", 0, 1},
        {"networkMode", NETWORK_MODE_ETH, NETWORK_MODE_MAX - 1},
    };
    for (const Range &r : ranges) {
        if (name == QLatin1String(r.name)) {
            *min = r.min;
            *max = r.max;
            return true;
        }
    }
    return false;
}

QString ConfigurationManager::outsideValueRefusal(const QString &name, const QVariant &value)
{
    // The layout comes with the personality; another one would not match the cabinet.
    if (name == QLatin1String("cabinetConfiguration"))
        return QStringLiteral("set from the cabinet's personality only");
    int min = 0, max = 0;
    if (settingRange(name, &min, &max)) {
        const int v = value.toInt();
        if (v < min || v > max)
            return QStringLiteral("outside %1 to %2").arg(min).arg(max);
    }
    return QString();
}

namespace {

// The text of one property value as the file keeps it: booleans as 0/1.
QString fileText(const QVariant &v)
{
    if (v.type() == QVariant::Bool)
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return v.toString();
}

// The file's text converted to the property's type; an invalid variant when it does
// not fit.
QVariant fromFileText(int type, const QString &text)
{
    bool ok = false;
    switch (type) {
    case QMetaType::Bool:
        // As Qt converts text: empty, "0" and "false" (any case) are false, all else true.
        return QVariant(text).toBool();
    case QMetaType::Int: {
        const int v = text.trimmed().toInt(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    case QMetaType::UInt: {
        const uint v = text.trimmed().toUInt(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    case QMetaType::QString:
        return text;
    default:
        return QVariant();
    }
}

bool fileHolds(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() == text.size() && file.readAll() == text;
}

} // namespace

// The file's keys and their properties, looked up once rather than by name at every read
// and save. The keys are properties of this class, so their indices hold for any subclass.
const QHash<QString, int> &ConfigurationManager::configPropertyIndices()
{
    static const QHash<QString, int> indices = [] {
        QHash<QString, int> found;
        for (const QString &key : configFileKeys())
            found.insert(key, staticMetaObject.indexOfProperty(key.toLatin1().constData()));
        return found;
    }();
    return indices;
}

QByteArray ConfigurationManager::configFileText() const
{
    static const std::vector<std::pair<QByteArray, int>> lines = [] {
        std::vector<std::pair<QByteArray, int>> in;
        for (const QString &key : configFileKeys())
            in.emplace_back(key.toUtf8() + '=', configPropertyIndices().value(key));
        return in;
    }();
    QByteArray text;
    text.reserve(2048);
    for (const auto &line : lines) {
        text += line.first;
        text += fileText(staticMetaObject.property(line.second).read(this)).toUtf8();
        text += '\n';
    }
    return text;
}

bool ConfigurationManager::applyConfigValue(const QString &key, const QString &value)
{
    // Only the file's own keys: a file must never reach other properties of the object.
    const auto found = configPropertyIndices().constFind(key);
    if (found == configPropertyIndices().constEnd())
        return false;
    const QMetaProperty p = staticMetaObject.property(found.value());
    const QVariant v = fromFileText(p.userType(), value);
    return v.isValid() && p.write(this, v);
}

bool ConfigurationManager::readConfigFile()
{
    // Every line that reads is kept: one bad line (a Wi-Fi name in Latin-1, a NUL) must
    // not cost the store number, language and network. Only a file of which nothing can
    // be used (unreadable, past the cap, empty, without one setting) is set aside under
    // its own name before the defaults are saved over it.
    const QString path = configFilePath();
    QByteArray text;
    QString why;
    switch (SafeFileReader::read(path, MaxConfigFileBytes, &text, "settings file")) {
    case SafeFileReader::Ok:
        break;
    case SafeFileReader::Missing:
        qCDebug(lcConfig) << "Unable to Open File !!!" << path;
        return false;
    case SafeFileReader::TooLarge:
        why = QStringLiteral("larger than %1 bytes").arg(MaxConfigFileBytes);
        break;
    case SafeFileReader::Unreadable:
        why = QStringLiteral("unreadable");
        break;
    }
    if (why.isEmpty() && readConfigText(text) == 0) {
        why = SafeFileReader::textProblem(text);
        if (why.isEmpty())
            why = text.trimmed().isEmpty() ? QStringLiteral("empty") : QStringLiteral("no valid line");
    }
    if (!why.isEmpty()) {
        qCDebug(lcConfig) << "Unable to Open File !!!" << path;
        // It may hold the Wi-Fi pass phrase, and an older program wrote it for all to read.
        SafeFileReader::setAside(path, QStringLiteral("settings file: ") + why, SafeFileWriter::OwnerOnly);
        return false;
    }
    emit configFileRead();
    return true;
}

int ConfigurationManager::readConfigText(const QByteArray &text)
{
    const QList<QByteArray> lines = text.split('\n');
    if (lines.size() > MaxConfigFileLines)
        qCWarning(lcConfig) << "The settings file has" << lines.size() << "lines; the first" << MaxConfigFileLines << "are read";
    int applied = 0;
    int notText = 0;
    int firstNotText = 0;
    int number = 0;
    m_keptLines.clear();
    m_keptHeld.clear();
    for (QByteArray line : lines.mid(0, MaxConfigFileLines)) {
        ++number;
        if (line.endsWith('\r'))
            line.chop(1);
        const int eq = line.indexOf('=');
        // A line that is not UTF-8 or holds NUL is skipped on its own; its key keeps its
        // value, and the file keeps the line's bytes (they may be a name in another
        // encoding, which a save must not turn into the default).
        if (!SafeFileReader::textProblem(line).isEmpty()) {
            if (notText++ == 0)
                firstNotText = number;
            const QString key = eq > 0 ? QString::fromLatin1(line.left(eq)) : QString();
            if (configPropertyIndices().contains(key))
                m_keptLines.insert(key, line);
            continue;
        }
        if (eq < 0)
            continue;
        // Split at the first "=" only, so a value (a pass phrase) may itself hold "=".
        const QString key = QString::fromLatin1(line.left(eq));
        const QString value = QString::fromUtf8(line.mid(eq + 1));
        if (applyConfigValue(key, value)) {
            ++applied;
            m_keptLines.remove(key);
        } else {
            qCDebug(lcConfig) << "Unable to set TUL config property: " << key;
        }
    }
    for (auto it = m_keptLines.cbegin(); it != m_keptLines.cend(); ++it)
        m_keptHeld.insert(it.key(), fileText(property(qPrintable(it.key()))));
    if (notText > 0)
        qCWarning(lcConfig).noquote() << QStringLiteral("The settings file %1 has %2 lines that are not UTF-8 text or "
                                               "hold NUL, the first line %3; skipped")
                                    .arg(configFilePath())
                                    .arg(notText)
                                    .arg(firstNotText);
    return applied;
}

bool ConfigurationManager::saveConfigFile()
{
    const CabinetCore *c = core();
    if (!c || !c->get_isConfigured())
        return false;
    QByteArray text = configFileText();
    // A line the last read could not take is written as it was, until its key is changed.
    for (auto it = m_keptLines.begin(); it != m_keptLines.end();) {
        const QByteArray now = it.key().toLatin1() + '=' + fileText(property(qPrintable(it.key()))).toUtf8() + '\n';
        int at = text.startsWith(now) ? 0 : text.indexOf('\n' + now);
        if (at > 0)
            ++at;
        if (at < 0 || m_keptHeld.value(it.key()) != fileText(property(qPrintable(it.key())))) {
            m_keptHeld.remove(it.key());
            it = m_keptLines.erase(it);
            continue;
        }
        text.replace(at, now.size(), it.value() + '\n');
        ++it;
    }
    // A start saves twice within milliseconds (the IO board configured, then the power-on
    // report), mostly the same text: a file that still holds what the last save wrote and
    // synced is not written again.
    if (!m_savedText.isNull() && text == m_savedText && fileHolds(configFilePath(), text)) {
        if (m_appSettingsUnsynced)
            syncAfterSave();
        return true;
    }
    QString error;
    // The pass phrase and the PIN digest: for the owner's eyes only.
    const bool written = SafeFileWriter::writeFile(configFilePath(), text, &error, SafeFileWriter::OwnerOnly);
    if (!written)
        qCWarning(lcConfig) << "Unable to Open File for writing !!! No config saved." << error;
    m_savedText = written ? text : QByteArray();
    syncAfterSave();
    return written;
}

void ConfigurationManager::syncAfterSave()
{
    // Every change went out when its QSettings object ended; with none since the last
    // sync, opening the store again only reads it back.
    if (m_appSettingsUnsynced)
        QSettings(preparedAppSettingsPath(), QSettings::IniFormat).sync();
    CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
    m_appSettingsUnsynced = false;
}

// ---------------------------------------------------------------------------------------
// Application settings values and colours

void ConfigurationManager::setValue(const QString &key, const QVariant &value)
{
    qCDebug(lcConfig).noquote() << QStringLiteral("Set %1 to %2").arg(key, value.toString());
    QSettings settings(preparedAppSettingsPath(), QSettings::IniFormat);
    // Every start sets the identity read from its file again: the settings file (a lock, a
    // copy and their syncs to the flash) is written only for a value it does not hold yet.
    if (settings.contains(key) && settings.value(key) == value)
        return;
    settings.setValue(key, value);
    m_appSettingsUnsynced = true;
}

QVariant ConfigurationManager::value(const QString &key, const QVariant &defaultValue) const
{
    return QSettings(preparedAppSettingsPath(), QSettings::IniFormat).value(key, defaultValue);
}

double ConfigurationManager::colorGetHueF(const QString &colorName) const
{
    return qMax(0.0, QColor(colorName).hsvHueF());
}

double ConfigurationManager::colorGetSatF(const QString &colorName) const
{
    return QColor(colorName).hsvSaturationF();
}

double ConfigurationManager::colorGetLumF(const QString &colorName) const
{
    return QColor(colorName).valueF();
}

QString ConfigurationManager::colorFromHsv(double hue, double saturation, double value) const
{
    return QColor::fromHsvF(qBound(0.0, hue, 1.0), qBound(0.0, saturation, 1.0),
                            qBound(0.0, value, 1.0), 1.0)
        .name();
}

// ---------------------------------------------------------------------------------------
// Used languages

bool ConfigurationManager::getIsLanguageUsed(int languageId) const
{
    if (languageId < 0 || languageId >= 32)
        return false;
    return (m_usedLanguages >> languageId) & 1u;
}

void ConfigurationManager::setLanguageIsUsed(int languageId, bool used)
{
    if (languageId < 0 || languageId >= 32)
        return;
    if (used)
        m_usedLanguages |= (1u << languageId);
    else
        m_usedLanguages &= ~(1u << languageId);
}

int ConfigurationManager::getNextLanguageId() const
{
    const CabinetCore *c = core();
    const Translator *t = c ? c->translator() : nullptr;
    return getNextLanguageId(t ? t->getLanguage() : Translator::LANGUAGE_ID_ENG);
}

int ConfigurationManager::getNextLanguageId(int languageId) const
{
    // A start outside the table (no language chosen yet) counts as English.
    const int start = Translator::isValidId(languageId) ? languageId : Translator::LANGUAGE_ID_ENG;
    int id = start;
    for (int step = 0; step < Translator::languageCount; ++step) {
        id = (id + 1) % Translator::languageCount;
        if (getIsLanguageUsed(id))
            return id;
    }
    return id;
}

// ---------------------------------------------------------------------------------------
// Time zones

void ConfigurationManager::loadTimeZonesInfo()
{
    TimeZoneTable::fillModel(m_timeZonesModel);
}

QString ConfigurationManager::getTimeZoneName(int index) const
{
    if (index < 0 || index >= m_timeZonesModel->rowCount())
        return QString();
    return m_timeZonesModel->item(index)->data(TimeZoneTable::NameRole).toString();
}

QString ConfigurationManager::getCurrentTimeZoneId() const
{
    const int row = TimeZoneTable::isRow(m_timeZoneIndex) ? m_timeZoneIndex : 0;
    return TimeZoneTable::zoneId(row);
}

QDateTime ConfigurationManager::adjustToLocalDateTime(const QDateTime &dateTime) const
{
    return TimeZoneTable::adjustToLocalDateTime(dateTime, m_dstEnabled, getCurrentTimeZoneId());
}

QVariantMap ConfigurationManager::localClock(double utcMs, int timeZoneIndex, bool dstEnabled, bool twelveHour) const
{
    return TimeZoneTable::localClock(QDateTime::fromMSecsSinceEpoch(qint64(utcMs), Qt::UTC), timeZoneIndex,
                                     dstEnabled, twelveHour);
}

// ---------------------------------------------------------------------------------------
// Cabinet names, menu import, passcodes

QString ConfigurationManager::getCabinetName() const
{
    return cabinetNameOf(m_cabinetNameIndex, m_cabinetIndex);
}

QString ConfigurationManager::cabinetNameOf(int nameIndex, int cabinetIndex) const
{
    // 64-bit: the index comes from the settings file and may be the largest int.
    const qint64 number = qint64(cabinetIndex) + 1;
    switch (nameIndex) {
    case 0:
        return tr("Reserve Cabinet #%1").arg(number);
    case 1:
        return tr("Point-of-Use Cabinet #%1").arg(number);
    default:
        return tr("Name Not Set");
    }
}

void ConfigurationManager::setCabinetName(const QString &name)
{
    if (name == m_cabinetName)
        return;
    m_cabinetName = name;
    emit cabinetNameChanged(name);
}

void ConfigurationManager::saveProductsHashCodeTs(const QString &)
{
    set_productsHashCodeTs(QString::number(QDateTime::currentSecsSinceEpoch()));
    saveConfigFile();
}

void ConfigurationManager::processImportedMenu(const QString &menuName)
{
    if (menuName == m_importedMenu)
        return;
    set_importedMenu(menuName);
    saveConfigFile();
}

bool ConfigurationManager::processOrvantaConfigData(const Configuration_t &data)
{
    set_languageId(data.language == 1   ? QStringLiteral("spa")
                   : data.language == 2 ? QStringLiteral("fra")
                                        : QStringLiteral("eng_USA"));
    set_useFirstEnabled(data.useFirst != 0);
    set_groupDotsEnabled(data.groupDots != 0);
    set_splitViewEnabled(data.splitView != 0);
    set_individualDPEnabled(data.individualDayParts != 0);
    set_labelFontSize(data.labelFontSize);
    const QByteArray md5(reinterpret_cast<const char *>(data.productsMd5.data()), int(data.productsMd5.size()));
    const QString hash = QString::fromLatin1(md5.toHex());
    qCDebug(lcConfig).noquote() << "Imported products hash code:" << hash;
    set_productsHashCode(hash);
    if (!saveConfigFile())
        return false;
    emit newConfigImported();
    // Nothing takes this file transfer: the other display keeps the settings of its own
    // file.
    constexpr int configFileTransferId = 12; // the display link's file id of "config.txt"
    emit sendConfigurationFileViaCanbus(configFilePath(), configFileTransferId);
    return true;
}

QString ConfigurationManager::encryptString(const QString &text) const
{
    return Passcodes::encryptString(text);
}

QString ConfigurationManager::defaultPasswdL1() const
{
    return Passcodes::defaultPasscode(getCustomerId(), 1);
}

// ---------------------------------------------------------------------------------------
// The service screens' saves

namespace {

// The page's sliders and fields keep their values in the settings' ranges; a value from
// elsewhere is brought into them.
int bounded(const char *key, const QVariant &v)
{
    int min = 0, max = 0;
    ConfigurationManager::settingRange(QLatin1String(key), &min, &max);
    return qBound(min, v.toInt(), max);
}

} // namespace

bool ConfigurationManager::applyPreferences(const QVariantMap &values)
{
    CabinetCore *c = core();
    if (!m_iAmMaster) {
        if (c)
            c->sendConfigSettingsChangeRequest(values);
        return true;
    }
    SettingsTransaction change(this);
    // The order the other displays and the cloud link have always seen.
    const auto apply = [&values](const char *key, auto setter) {
        const QVariant v = values.value(QLatin1String(key));
        if (v.isValid())
            setter(v);
    };
    apply("useFirstEnabled", [this](const QVariant &v) { set_useFirstEnabled(v.toBool()); });
    apply("splitViewEnabled", [this](const QVariant &v) { set_splitViewEnabled(v.toBool()); });
    apply("groupDotsEnabled", [this](const QVariant &v) { set_groupDotsEnabled(v.toBool()); });
    apply("labelFontSize", [this](const QVariant &v) {
        set_labelFontSize(bounded("labelFontSize", v));
    });
    apply("individualDPEnabled", [this](const QVariant &v) { set_individualDPEnabled(v.toBool()); });
    apply("soundLevel", [this](const QVariant &v) {
        set_soundLevel(bounded("soundLevel", v));
    });
    apply("tempUnit", [this](const QVariant &v) { set_tempUnit(v.toInt()); });
    apply("screenCleanActive", [this](const QVariant &v) { set_screenCleanActive(v.toInt()); });
    apply("screenCleanTimeout", [this](const QVariant &v) {
        set_screenCleanTimeout(bounded("screenCleanTimeout", v));
    });
    apply("timerColorStatus", [this](const QVariant &v) { set_timerColorStatus(v.toBool()); });
    apply("advancedZoneOptionsEnable",
          [this](const QVariant &v) { set_advancedZoneOptionsEnable(v.toBool()); });
    apply("universalPanSoundEnable",
          [this](const QVariant &v) { set_universalPanSoundEnable(v.toBool()); });
    apply("discardDurationEnabled",
          [this](const QVariant &v) { set_discardDurationEnabled(v.toInt()); });
    apply("discardSoundDuration", [this](const QVariant &v) {
        set_discardSoundDuration(bounded("discardSoundDuration", v));
    });
    // Unsaved values go back; the other displays hear only saved ones.
    if (!change.commit())
        return false;
    if (c)
        c->sendConfigSettingsData();
    return true;
}

bool ConfigurationManager::applyLanguageSettings(const QVariantList &usedMarks, int currentLanguageId)
{
    // The marks are saved before the screen switches language: a switch is heard by the
    // cloud and the other displays, and a file that cannot be written leaves all as it was.
    SettingsTransaction marks(this);
    for (int id = 0; id < usedMarks.size() && id < Translator::languageCount; ++id) {
        if (usedMarks.at(id).isValid())
            setLanguageIsUsed(id, usedMarks.at(id).toBool() || id == currentLanguageId);
    }
    if (!marks.commit())
        return false;
    CabinetCore *c = core();
    if (!switchLanguage(currentLanguageId))
        return false;
    if (c && (!m_iAmMaster || getHasOtherDisplays()))
        c->sendLanguageSettingsData();
    return true;
}

bool ConfigurationManager::applyDockLanguage(int languageId)
{
    CabinetCore *c = core();
    if (!switchLanguage(languageId))
        return false;
    if (c && (!m_iAmMaster || getHasOtherDisplays()))
        c->sendConfigSettingsData();
    return true;
}

bool ConfigurationManager::saveSetting(const QString &name, const QVariant &value)
{
    SettingsTransaction change(this);
    if (!setProperty(qPrintable(name), value)) {
        qCWarning(lcConfig) << "No setting" << name;
        return false;
    }
    return change.commit();
}

bool ConfigurationManager::switchLanguage(int languageId)
{
    CabinetCore *c = core();
    Translator *t = c ? c->translator() : nullptr;
    if (!t || t->languageId() == languageId || !Translator::isValidId(languageId))
        return saveConfigFile();
    // Written with the new language before the switch is seen anywhere; the switch then
    // sets the same code here through the translator, with its signals.
    const QString code = m_languageId;
    m_languageId = QString::fromLatin1(Translator::gLanguageFiles[languageId].code);
    const bool saved = saveConfigFile();
    m_languageId = code;
    if (!saved) {
        qCWarning(lcConfig) << "Settings not saved: the language stays" << code;
        return false;
    }
    t->setLanguage(languageId);
    return true;
}

int ConfigurationManager::ecoShelfTempShown() const
{
    return EcoModeOptions::shownTemperature(m_ecoShelfHeatTemp, m_tempUnit);
}

QVariantList ConfigurationManager::ecoShelfTempRange() const
{
    return {EcoModeOptions::shownTemperature(TUL_MIN_ECO_SHELF_TEMP_F, m_tempUnit),
            EcoModeOptions::shownTemperature(TUL_MAX_ECO_SHELF_TEMP_F, m_tempUnit)};
}

QVariantList ConfigurationManager::ecoTimeoutRange() const
{
    return {int(TUL_MIN_ECO_TIMEOUT), int(TUL_MAX_ECO_TIMEOUT)};
}

QString ConfigurationManager::applyEcoModeOptions(const QVariantMap &values)
{
    return EcoModeOptions::apply(this, values);
}

// ---------------------------------------------------------------------------------------
// Networking

NetworkSettings ConfigurationManager::networkSettings() const
{
    NetworkSettings s;
    s.ethEnabled = m_ethEnabled;
    s.ethStatic = m_staticIPEnabled;
    s.ethAddress = get_ipAddress();
    s.ethNetmask = get_netmask();
    s.ethGateway = get_gateway();
    s.wifiEnabled = m_wifiEnabled;
    s.wifiStatic = m_wifiStaticIp;
    s.wifiAddress = get_wifiIpAddr();
    s.wifiNetmask = get_wifiNetmask();
    s.wifiGateway = get_wifiGateway();
    s.wifiSsid = m_wifiSSID;
    s.wifiPassphrase = m_wifiPassword;
    return s;
}

void ConfigurationManager::reLoadNetworkDeviceConfig()
{
    // In static mode the address, netmask and gateway are what the user typed: an
    // interface that is down (no address) must not wipe them before the next save.
    const InterfaceState wired = InterfaceState::read(NetworkInterfaceNames::wired());
    if (wired.present) {
        set_interfaceName(wired.name);
        set_macAddress(wired.macAddress);
        set_ethBroadcast(wired.broadcast);
        if (!m_staticIPEnabled) {
            set_ipAddress(wired.address);
            set_netmask(wired.netmask);
            set_gateway(wired.gateway);
        }
    }
    const InterfaceState wifi = InterfaceState::read(NetworkInterfaceNames::wifi());
    if (wifi.present) {
        set_wifiInterfaceName(wifi.name);
        set_wifiBroadcast(wifi.broadcast);
        if (!m_wifiStaticIp) {
            set_wifiIpAddr(wifi.address);
            set_wifiNetmask(wifi.netmask);
            set_wifiGateway(wifi.gateway);
        }
    }
}

bool ConfigurationManager::reconfigureNetworkDevices()
{
    return m_networkControl->reconfigure(networkSettings());
}

namespace {

// The page's keys of the values the network check may refuse.
QString keyOf(NetworkRefusal::Field field)
{
    switch (field) {
    case NetworkRefusal::WiredAddress: return QStringLiteral("ipAddress");
    case NetworkRefusal::WiredNetmask: return QStringLiteral("netmask");
    case NetworkRefusal::WiredGateway: return QStringLiteral("gateway");
    case NetworkRefusal::WifiAddress: return QStringLiteral("wifiIpAddr");
    case NetworkRefusal::WifiNetmask: return QStringLiteral("wifiNetmask");
    case NetworkRefusal::WifiGateway: return QStringLiteral("wifiGateway");
    case NetworkRefusal::WifiSsid: return QStringLiteral("wifiSSID");
    case NetworkRefusal::WifiPassphrase: return QStringLiteral("wifiPassword");
    case NetworkRefusal::NoField: break;
    }
    return QString();
}

} // namespace

NetworkSettings ConfigurationManager::networkSettings(const QVariantMap &values) const
{
    NetworkSettings s = networkSettings();
    const auto text = [&values](const char *key, const QString &stored) {
        return values.value(QLatin1String(key), stored).toString();
    };
    const auto flag = [&values](const char *key, bool stored) {
        return values.value(QLatin1String(key), stored).toBool();
    };
    s.ethEnabled = flag("ethEnabled", s.ethEnabled);
    s.ethStatic = flag("staticIPEnabled", s.ethStatic);
    s.ethAddress = text("ipAddress", s.ethAddress);
    s.ethNetmask = text("netmask", s.ethNetmask);
    s.ethGateway = text("gateway", s.ethGateway);
    s.wifiEnabled = flag("wifiEnabled", s.wifiEnabled);
    s.wifiStatic = flag("wifiStaticIp", s.wifiStatic);
    s.wifiAddress = text("wifiIpAddr", s.wifiAddress);
    s.wifiNetmask = text("wifiNetmask", s.wifiNetmask);
    s.wifiGateway = text("wifiGateway", s.wifiGateway);
    s.wifiSsid = text("wifiSSID", s.wifiSsid);
    s.wifiPassphrase = text("wifiPassword", s.wifiPassphrase);
    return s;
}

QVariantMap ConfigurationManager::checkNetworkSettings(const QVariantMap &values) const
{
    const NetworkRefusal refusal = NetworkFiles::checkEntry(networkSettings(values));
    if (!refusal.refused())
        return QVariantMap();
    return {{QStringLiteral("field"), keyOf(refusal.field)}, {QStringLiteral("reason"), refusal.reasonKey()}};
}

QVariantMap ConfigurationManager::applyNetworkSettings(const QVariantMap &values)
{
    QVariantMap outcome = checkNetworkSettings(values);
    if (!outcome.isEmpty()) {
        qCWarning(lcNetwork).noquote() << "Network settings refused:"
                                       << NetworkFiles::checkEntry(networkSettings(values)).text();
        outcome.insert(QStringLiteral("result"), QStringLiteral("refused"));
        return outcome;
    }
    const NetworkSettings s = networkSettings(values);
    set_ethEnabled(s.ethEnabled);
    set_staticIPEnabled(s.ethStatic);
    // With DHCP the addresses are the ones the interface reports, not typed ones.
    if (s.ethStatic) {
        set_ipAddress(s.ethAddress);
        set_netmask(s.ethNetmask);
        set_gateway(s.ethGateway);
    }
    set_wifiEnabled(s.wifiEnabled);
    set_wifiSSID(s.wifiSsid);
    set_wifiPassword(s.wifiPassphrase);
    set_wpaEnabled(values.value(QStringLiteral("wpaEnabled"), m_wpaEnabled).toBool());
    set_wifiIdentity(values.value(QStringLiteral("wifiIdentity"), m_wifiIdentity).toString());
    set_wifiStaticIp(s.wifiStatic);
    if (s.wifiStatic) {
        set_wifiIpAddr(s.wifiAddress);
        set_wifiNetmask(s.wifiNetmask);
        set_wifiGateway(s.wifiGateway);
    }
    // Files the next start would not find must not be what the network runs on.
    if (!saveConfigFile())
        return {{QStringLiteral("result"), QStringLiteral("saveFailed")}};
    reconfigureNetworkDevices();
    return {{QStringLiteral("result"), QStringLiteral("started")}};
}

QString ConfigurationManager::networkChainRunning() const
{
    return m_networkControl->runningChain();
}

void ConfigurationManager::restartWifiNetwork()
{
    m_networkControl->restartWifiNetwork();
}

void ConfigurationManager::restartWifiNetworkLuMo()
{
    m_networkControl->restartWifiInterface();
}

void ConfigurationManager::deleteNetworkCertificate()
{
    if (getCustomerId() != CUSTOMER_ID_TANDOR)
        return;
    NetworkFiles::deleteCertificates();
}

// ---------------------------------------------------------------------------------------
// Identity, display sync and the IO board's configuration: forwarded

bool ConfigurationManager::saveCabinetSerialModelNumbers() { return m_identity->saveCabinetSerialModelNumbers(); }
bool ConfigurationManager::acceptableIdentityValues(const QStringList &values) const
{
    return std::all_of(values.cbegin(), values.cend(), CabinetIdentity::acceptableIdentityValue);
}
void ConfigurationManager::loadCabinetSerialModelNumbers() { m_identity->loadCabinetSerialModelNumbers(); }
bool ConfigurationManager::readIotConfigFile() { return m_identity->readIotConfigFile(); }
void ConfigurationManager::checkFirmwareUpdateDone() { m_identity->checkFirmwareUpdateDone(); }
void ConfigurationManager::applyConversionMarker() { m_identity->applyConversionMarker(); }
bool ConfigurationManager::initializeLumoWifiConnection() { return m_identity->initializeLumoWifiConnection(); }
bool ConfigurationManager::resetToDefaultNetwork() { return m_identity->resetToDefaultNetwork(); }
QString ConfigurationManager::getApplicationVersion() const
{
    return QString::fromLatin1(CabinetIdentity::ApplicationVersion);
}

void ConfigurationManager::sendFwInfoViaCanbus() { m_sync->sendFwInfoViaCanbus(); }
void ConfigurationManager::sendFwInfoToSlaves(const QString &unused) { m_sync->sendFwInfoToSlaves(unused); }
void ConfigurationManager::sendSerialModelNumbersViaCanbus(const QString &) { m_sync->sendSerialModelNumbersViaCanbus(); }
void ConfigurationManager::sendStoreNumberViaCanbus(const QString &, const QString &) { m_sync->sendStoreNumberViaCanbus(); }
void ConfigurationManager::sendSerialModelNumbersToSlave() { m_sync->sendSerialModelNumbersToSlave(); }
void ConfigurationManager::sendFirmwareVersionViaCanbus() { m_sync->sendFirmwareVersionViaCanbus(); }
bool ConfigurationManager::applyDisplaySyncMessage(int multiId, const QByteArray &data)
{
    return ConfigSync::apply(this, multiId, data);
}

void ConfigurationManager::sendPowerSource() { m_ioConfig->sendPowerSource(); }
void ConfigurationManager::sendPowerControlInfo() { m_ioConfig->sendPowerControlInfo(); }
bool ConfigurationManager::getPowerSourceChoice() const
{
    const CabinetCore *c = core();
    return c && c->get_powerSourceChoice();
}
QString ConfigurationManager::getVersionString(uint version) const
{
    return IoBoardConfiguration::getVersionString(version);
}
QVariantList ConfigurationManager::systemInformationRows() const
{
    return IoBoardConfiguration::systemInformationRows(this);
}

// ---------------------------------------------------------------------------------------
// Passcodes and the first start: forwarded

int ConfigurationManager::passcodeLevel(const QString &typed) const
{
    return Passcodes::levelOf(storedPasscode(typed), {m_passwdL1, m_passwdL2, m_passwdL3, m_passwdL4},
                              m_orientationId);
}

QString ConfigurationManager::storedPasscode(const QString &typed) const
{
    return Passcodes::storedForm(getCustomerId(), typed);
}

bool ConfigurationManager::changeManagerPasscode(const QString &typed)
{
    return replaceManagerPasscode(storedPasscode(typed), typed);
}

bool ConfigurationManager::resetManagerPasscode()
{
    return replaceManagerPasscode(defaultPasswdL1(), defaultPasswdL1());
}

bool ConfigurationManager::replaceManagerPasscode(const QString &stored, const QString &reported)
{
    // The cloud keeps the passcode it is told: only a saved one is told.
    const QString prev = m_prevPasswdL1;
    SettingsTransaction change(this);
    set_passwdL1(stored);
    if (!change.commit()) {
        m_prevPasswdL1 = prev;
        return false;
    }
    emit passcodeChanged(reported);
    return true;
}

void ConfigurationManager::setPersonalityAccess(bool preferencesPageLock, bool advancedZoneOptions)
{
    m_preferencesPageLock = preferencesPageLock;
    m_personalityAdvancedZoneOptions = advancedZoneOptions;
}

QVariantList ConfigurationManager::servicePages() const
{
    const CabinetCore *c = core();
    Passcodes::Display display;
    display.master = m_iAmMaster;
    display.customerId = getCustomerId();
    display.preferencesPageLock = m_preferencesPageLock;
    display.advancedZoneOptions = m_personalityAdvancedZoneOptions && m_advancedZoneOptionsEnable;
    display.lumo = m_iotType == QLatin1String("QRB_LUMO");
    display.haccp = c && c->get_haccpEnabled();
    return Passcodes::servicePages(display);
}

int ConfigurationManager::updatesLockLevel() const
{
    return Passcodes::updatesLockLevel(m_iAmMaster, getCustomerId());
}

QStringList ConfigurationManager::get_customConfigs() const { return PreloadedConfigs::customConfigs(); }
QStringList ConfigurationManager::get_customConfigModels() const
{
    return PreloadedConfigs::customConfigModels(m_selectedCustomConfig);
}
int ConfigurationManager::get_configDisplaysCount(const QString &model) const
{
    return PreloadedConfigs::displaysCount(m_selectedCustomConfig, model);
}
int ConfigurationManager::get_configDisplaysLeftRight(const QString &model) const
{
    return PreloadedConfigs::displaysLeftRight(m_selectedCustomConfig, model);
}
bool ConfigurationManager::validateModelNumber(const QString &model) const
{
    return PreloadedConfigs::validateModelNumber(m_selectedCustomConfig, model);
}
QString ConfigurationManager::getConfigFileName(const QString &model) const
{
    return PreloadedConfigs::configFileName(m_selectedCustomConfig, model, m_doubleSided, m_selectedDisplaySide);
}
bool ConfigurationManager::setConfigurationFile() { return PreloadedConfigs::setConfigurationFile(this); }
void ConfigurationManager::resetConfiguration() { PreloadedConfigs::resetConfiguration(this); }
