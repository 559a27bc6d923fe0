#ifndef CONFIGURATIONMANAGER_H
#define CONFIGURATIONMANAGER_H

#include "configurationtag.h"
#include "networksettings.h"
#include "p4statemachine.h"

#include <QHash>
#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

class CabinetCore;
class CabinetIdentity;
class CanbusManager;
class ConfigSync;
class IoBoardConfiguration;
class NetworkControl;

class QModbusMaster;
class QTimer;
class RoleItemModel;

// How a setter treats its value: on change (store and emit only when different),
// always (store and emit) or silent (store only). Text that goes into a line-based file
// must not hold a line break, so such setters refuse it.
namespace SettingKind {
bool refusesText(const char *name, const QString &value);
template <typename T> inline bool acceptable(const char *, const T &) { return true; }
inline bool acceptable(const char *name, const QString &value) { return !refusesText(name, value); }

template <typename T> bool onChange(T &stored, const T &value, const char *name)
{
    if (stored == value || !acceptable(name, value))
        return false;
    stored = value;
    return true;
}
template <typename T> bool always(T &stored, const T &value, const char *name)
{
    if (!acceptable(name, value))
        return false;
    stored = value;
    return true;
}
template <typename T> bool silent(T &stored, const T &value, const char *name)
{
    if (acceptable(name, value))
        stored = value;
    return false;
}
} // namespace SettingKind

// A setting with a getter get_<name>, a setter set_<name> (both slots) and the signal
// <name>Changed carrying the new value. Kind is onChange, always or silent.
#define TUL_SETTING(Type, name, Kind)                                                   \
    Q_PROPERTY(Type name READ get_##name WRITE set_##name NOTIFY name##Changed)          \
public Q_SLOTS:                                                                          \
    Type get_##name() const { return m_##name; }                                         \
    void set_##name(const Type &value)                                                   \
    {                                                                                    \
        if (SettingKind::Kind(m_##name, value, #name))                                   \
            emit name##Changed(m_##name);                                                \
    }                                                                                    \
Q_SIGNALS:                                                                               \
    void name##Changed(Type value);                                                      \
private:                                                                                 \
    Type m_##name{};

// A setting whose getter and setter are written out in the class (special rules).
#define TUL_SETTING_CUSTOM(Type, name)                                                   \
    Q_PROPERTY(Type name READ get_##name WRITE set_##name NOTIFY name##Changed)          \
public Q_SLOTS:                                                                          \
    Type get_##name() const;                                                             \
    void set_##name(const Type &value);                                                  \
private:

// The per-display settings store: every display setting, the settings file "config.txt",
// the application settings values, the used-language mask and the time-zone table.
class ConfigurationManager : public P4StateMachine
{
    Q_OBJECT

public:
    enum CabinetConf_enum {
        TUL_CONF_INVALID = -1,
        TUL_CONF_2X2 = 0,
        TUL_CONF_2X3 = 1,
        TUL_CONF_2X4 = 2,
        TUL_CONF_3X4 = 3,
        TUL_CONF_4X4 = 4,
        TUL_CONF_5X2 = 5,
        TUL_CONF_5X4 = 6,
        TUL_CONF_MAX = 7
    };
    Q_ENUM(CabinetConf_enum)

    enum NetworkMode_enum { NETWORK_MODE_ETH = 0, NETWORK_MODE_WIFI = 1, NETWORK_MODE_MAX = 2 };
    Q_ENUM(NetworkMode_enum)

    // The limits of the Preferences screen.
    enum PreferenceLimits {
        TUL_MIN_LABEL_FONT_SIZE = 24,
        TUL_MAX_LABEL_FONT_SIZE = 48,
        TUL_MIN_SOUND_LEVEL = 10,
        TUL_MAX_SOUND_LEVEL = 100,
        TUL_MIN_TIMER_SCREEN_CLEAING = 5,
        TUL_MAX_TIMER_SCREEN_CLEAING = 1440,
        TUL_MIN_DISCARD_SOUND_DURATION = 10,
        TUL_MAX_DISCARD_SOUND_DURATION = 3600
    };
    Q_ENUM(PreferenceLimits)

    // The limits of the Eco Mode Options screen. The shelf temperature (whole degrees
    // Fahrenheit, shown in the cabinet's unit) spans what the product editor lets a
    // product be held at; outside it a value is a slip of the finger, not an eco setting.
    // The suggestion comes after 5 minutes at the soonest (sooner it would cut in between
    // two orders) and a day at the latest.
    enum EcoModeLimits {
        TUL_MIN_ECO_SHELF_TEMP_F = 90,
        TUL_MAX_ECO_SHELF_TEMP_F = 225,
        TUL_MIN_ECO_TIMEOUT = 5,
        TUL_MAX_ECO_TIMEOUT = 1440
    };
    Q_ENUM(EcoModeLimits)

    // Interval of the network reload timer and the wait of the network restart; tests
    // may shorten them before constructing.
    static int networkReloadIntervalMs;
    static int networkRestartWaitMs;

    ConfigurationManager(QModbusMaster *modbusMaster, CanbusManager *canbusManager, bool iAmMaster,
                         int orientationId, QObject *parent = nullptr);
    ~ConfigurationManager() override;

    static QString configFilePath();
    // The application settings store ("sysInfo/serialNumber", the skin values), kept
    // under the data root like every other persistent file.
    static QString appSettingsPath();
    // The settings file holds one line per key: a few kilobytes. Far more is refused.
    static constexpr qint64 MaxConfigFileBytes = 64 * 1024;
    static constexpr int MaxConfigFileLines = 1024;
    static constexpr qint64 MaxAppSettingsBytes = 256 * 1024;
    // The keys of "config.txt", in the order they are written.
    static const QStringList &configFileKeys();
    // The range the pages keep a whole-number setting in; the bus is held to the same.
    // False for a setting without one.
    static bool settingRange(const QString &name, int *min, int *max);
    // Why a value written from outside the program (the bus) is not taken for the setting
    // `name`: outside its range, or a setting only the cabinet's personality sets. Empty
    // when it may be set. `value` is already of the setting's type.
    static QString outsideValueRefusal(const QString &name, const QVariant &value);

    QModbusMaster *modbusMaster() const { return m_modbusMaster; }
    CanbusManager *canbusManager() const { return m_canbusManager; }
    bool iAmMaster() const { return m_iAmMaster; }
    int orientationId() const { return m_orientationId; }
    QTimer *networkReloadTimer() const { return m_networkReloadTimer; }
    QTimer *networkRestartTimer() const { return m_networkRestartTimer; }
    NetworkControl *networkControl() const { return m_networkControl; }
    // The wired and Wi-Fi values the network set-up is written from.
    NetworkSettings networkSettings() const;
    // The same with the page's values (settings keys) in place of the stored ones.
    NetworkSettings networkSettings(const QVariantMap &values) const;
    RoleItemModel *timeZonesModel() const { return m_timeZonesModel; }

    // The instant one hour later when daylight saving is on, shown in the chosen zone.
    QDateTime adjustToLocalDateTime(const QDateTime &dateTime) const;

    // Identity and versions.
    TUL_SETTING_CUSTOM(QString, serialNumber)
    TUL_SETTING(QString, modelNumber, onChange)
    TUL_SETTING_CUSTOM(QString, storeNumber)
    TUL_SETTING(QString, uuidNumber, silent)
    TUL_SETTING(QString, customerIdStr, onChange)
    TUL_SETTING(bool, systemConfigured, always)
    TUL_SETTING(QString, theOtherUiFwVersion, onChange)
    TUL_SETTING(QString, ioBoardFirmwareVersion0, onChange)
    TUL_SETTING(QString, ioBoardFirmwareVersion1, onChange)
    TUL_SETTING(QString, ioBoardFirmwareVersion2, onChange)
    TUL_SETTING(QString, ioBoardFirmwareVersion3, onChange)
    TUL_SETTING(QString, ioBoardFirmwareVersion4, onChange)
    TUL_SETTING(QString, readerFirmwareVersion1, onChange)
    TUL_SETTING(QString, readerFirmwareVersion2, onChange)
    TUL_SETTING(int, cabinetConfiguration, onChange)
    TUL_SETTING(QString, iotSoftwareVersion, onChange)
    TUL_SETTING(QString, iotSdkVersion, onChange)
    TUL_SETTING(QString, firmwareVersion, onChange)

    // Wired and wireless network.
    TUL_SETTING(bool, staticIPEnabled, onChange)
    TUL_SETTING(int, networkMode, onChange)
    TUL_SETTING_CUSTOM(QString, ipAddress)
    TUL_SETTING_CUSTOM(QString, netmask)
    TUL_SETTING_CUSTOM(QString, gateway)
    TUL_SETTING(QString, interfaceName, onChange)
    TUL_SETTING(QString, macAddress, onChange)
    TUL_SETTING(QString, wifiSSID, onChange)
    TUL_SETTING(QString, wifiPassword, onChange)
    TUL_SETTING(QString, wifiSSIDRestore, onChange)
    TUL_SETTING(QString, wifiPasswordRestore, onChange)
    TUL_SETTING(QString, wifiIdentity, onChange)
    TUL_SETTING(bool, wpaEnabled, onChange)
    TUL_SETTING(bool, wifiStaticIp, onChange)
    TUL_SETTING_CUSTOM(QString, wifiIpAddr)
    TUL_SETTING_CUSTOM(QString, wifiNetmask)
    TUL_SETTING_CUSTOM(QString, wifiGateway)
    TUL_SETTING(QString, wifiInterfaceName, onChange)
    TUL_SETTING(QString, wifiBroadcast, onChange)
    TUL_SETTING(QString, ethBroadcast, onChange)
    TUL_SETTING(bool, wifiEnabled, onChange)
    TUL_SETTING(bool, ethEnabled, onChange)
    TUL_SETTING(QString, wifiScanString, onChange)
    TUL_SETTING(bool, networkSettingsUpdated, onChange)

    // Cloud link.
    TUL_SETTING_CUSTOM(QString, iotType)
    TUL_SETTING(bool, iotConnected, onChange)
    TUL_SETTING(int, performanceDataInterval, onChange)

    // Display and holding preferences.
    TUL_SETTING(bool, productsEditEnabled, onChange)
    TUL_SETTING_CUSTOM(int, screenOrientation)
    TUL_SETTING(bool, useFirstEnabled, always)
    TUL_SETTING_CUSTOM(int, tempUnit)
    TUL_SETTING(bool, splitViewEnabled, always)
    TUL_SETTING(bool, groupDotsEnabled, always)
    TUL_SETTING(int, prodNameLength, always)
    TUL_SETTING(QString, usbPath, always)
    TUL_SETTING(QString, localPath, always)
    TUL_SETTING(int, labelFontSize, always)
    TUL_SETTING_CUSTOM(bool, individualDPEnabled)
    TUL_SETTING_CUSTOM(bool, demoModeFlag)
    TUL_SETTING(int, soundLevel, onChange)
    TUL_SETTING(int, powerSource, onChange)
    TUL_SETTING(QString, menuBarColor, onChange)
    TUL_SETTING_CUSTOM(bool, productDiscardFlash)
    TUL_SETTING(int, ecoShelfHeatMode, onChange)
    TUL_SETTING(int, ecoShelfHeatTemp, onChange)
    TUL_SETTING(int, ecoActivateMode, onChange)
    TUL_SETTING(int, ecoActivateTimeout, onChange)
    TUL_SETTING(int, screenCleanActive, onChange)
    TUL_SETTING(int, screenCleanTimeout, onChange)
    TUL_SETTING(bool, timerColorStatus, onChange)
    TUL_SETTING(bool, advancedZoneOptionsEnable, onChange)
    TUL_SETTING(bool, panMessagesEnable, onChange)
    TUL_SETTING(bool, universalPanSoundEnable, onChange)
    TUL_SETTING(int, discardDurationEnabled, onChange)
    TUL_SETTING(int, discardSoundDuration, onChange)
    TUL_SETTING(bool, verticalFlip, onChange)

    // Passcodes: the manager's level is kept in the file, levels 2-4 return to their
    // defaults at every start.
    TUL_SETTING_CUSTOM(QString, passwdL1)
    TUL_SETTING(QString, passwdL2, always)
    TUL_SETTING(QString, passwdL3, always)
    TUL_SETTING(QString, passwdL4, always)

    // Language, clock and cabinet names.
    TUL_SETTING_CUSTOM(QString, languageId)
    TUL_SETTING_CUSTOM(uint, usedLanguages)
    TUL_SETTING(bool, timeFormatAMPM, onChange)
    TUL_SETTING(bool, dstEnabled, onChange)
    TUL_SETTING(bool, ntpOn, onChange)
    TUL_SETTING_CUSTOM(int, timeZoneIndex)
    TUL_SETTING(int, cabinetIndex, onChange)
    TUL_SETTING(int, cabinetNameIndex, onChange)

    // Menu import.
    TUL_SETTING(QString, productsHashCode, onChange)
    TUL_SETTING(QString, productsHashCodeTs, onChange)
    TUL_SETTING(QString, importedMenu, onChange)
    TUL_SETTING(QString, selectedCustomConfig, onChange)

public slots:
    // The settings file.
    bool readConfigFile();
    // Applies the lines of a settings file's text; what readConfigFile does with the file.
    // The number of settings taken from the text.
    int readConfigText(const QByteArray &text);
    bool saveConfigFile();
    // Applies one "key=value" text to the property of that key; false when the key is
    // not a settings-file key or the value does not fit its type.
    bool applyConfigValue(const QString &key, const QString &value);
    // The file's text for the current values.
    QByteArray configFileText() const;
    // While held (SettingsTransaction), the store-number and performance-data-interval
    // reports wait; released with send, the net change is reported once, else dropped.
    void holdReports();
    void releaseReports(bool send);

    // Application settings values (also the skin colours under "uiSkin/").
    void setValue(const QString &key, const QVariant &value);
    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;

    double colorGetHueF(const QString &colorName) const;
    double colorGetSatF(const QString &colorName) const;
    double colorGetLumF(const QString &colorName) const;
    QString colorFromHsv(double hue, double saturation, double value) const;

    // Used languages.
    bool getIsLanguageUsed(int languageId) const;
    void setLanguageIsUsed(int languageId, bool used);
    int getNextLanguageId() const;
    int getNextLanguageId(int languageId) const;

    // Time zones.
    void loadTimeZonesInfo();
    QString getTimeZoneName(int index) const;
    QString getCurrentTimeZoneId() const;
    // The Date and Time page's clock: the instant utcMs (ms since the epoch) as it reads in
    // zone row `timeZoneIndex` (TimeZoneTable::localClock).
    QVariantMap localClock(double utcMs, int timeZoneIndex, bool dstEnabled, bool twelveHour) const;

    // Cabinet names.
    int getCabinetIndex() const { return get_cabinetIndex(); }
    void setCabinetIndex(int index) { set_cabinetIndex(index); }
    int getCabinetNameIndex() const { return get_cabinetNameIndex(); }
    void setCabinetNameIndex(int index) { set_cabinetNameIndex(index); }
    QString getCabinetName() const;
    // The name a choice on the Cabinet Names page will read as, before it is saved.
    QString cabinetNameOf(int nameIndex, int cabinetIndex) const;
    void setCabinetName(const QString &name);

    // Menu import.
    void saveProductsHashCodeTs(const QString &unused = QString());
    void processImportedMenu(const QString &menuName);
    // The settings record of a binary menu file: language, display options and products
    // hash applied and saved; then newConfigImported and sendConfigurationFileViaCanbus.
    // False (and neither signal) when the settings file could not be written.
    bool processOrvantaConfigData(const Configuration_t &data);

    // Passcodes.
    QString encryptString(const QString &text) const;
    QString defaultPasswdL1() const;

    // Members without a property, set by the first-start configuration.
    QString get_prevPasswdL1() const { return m_prevPasswdL1; }
    QString get_prevLanguageId() const { return m_prevLanguageId; }
    int get_doubleSided() const { return m_doubleSided; }
    void set_doubleSided(int value) { m_doubleSided = value; }
    int get_selectedDisplaySide() const { return m_selectedDisplaySide; }
    void set_selectedDisplaySide(int value) { m_selectedDisplaySide = value; }

    // What the service screens ask: the cabinet's customer and the display's role.
    int getCustomerId() const;
    bool getIsMaster() const { return m_iAmMaster; }
    bool getHasOtherDisplays() const;

    // The Preferences screen's save: on the master the setters in their fixed order, the
    // file and the settings record to the other displays; elsewhere a change request to
    // the master. False when the file could not be written.
    bool applyPreferences(const QVariantMap &values);
    // The Language page's accept: used marks (one per language id), the chosen language,
    // the file, and the language record to the other displays when there are any.
    bool applyLanguageSettings(const QVariantList &usedMarks, int currentLanguageId);
    // The dock button's choice: switch, save, and tell the other displays.
    bool applyDockLanguage(int languageId);
    // One setting changed and saved; false, with the old value back, when the file could
    // not be written.
    bool saveSetting(const QString &name, const QVariant &value);

    // The Eco Mode Options page (EcoModeOptions): the shelf temperature and its limits in
    // the cabinet's unit, and the save: "saved", or "temperature" / "timeout" for a value
    // refused (nothing changed), or "saveFailed" when the file could not be written.
    int ecoShelfTempShown() const;
    QVariantList ecoShelfTempRange() const;
    QVariantList ecoTimeoutRange() const;
    QString applyEcoModeOptions(const QVariantMap &values);

    // Networking. The reload (every 20 s) copies both interfaces' live state into the
    // network properties; in static mode the address, netmask and gateway stay as the
    // user set them. The others apply the stored settings through child processes.
    void reLoadNetworkDeviceConfig();
    // False when a value is refused (logged; the old set-up stays in place).
    bool reconfigureNetworkDevices();
    // The Wi-Fi Networking page. Its values (settings keys: ethEnabled, staticIPEnabled,
    // ipAddress, netmask, gateway, wifiEnabled, wifiSSID, wifiPassword, wpaEnabled,
    // wifiIdentity, wifiStaticIp, wifiIpAddr, wifiNetmask, wifiGateway) checked as the
    // network set-up checks them: empty when accepted, else "field" (the key at fault)
    // and "reason" (NetworkRefusal::reasonKey).
    QVariantMap checkNetworkSettings(const QVariantMap &values) const;
    // Its Accept. "result" is "refused" (with "field" and "reason"; nothing set, saved or
    // run), "saveFailed" (set but not saved; the network left alone) or "started" (the
    // reconfiguration's end comes as networkChainFinished).
    QVariantMap applyNetworkSettings(const QVariantMap &values);
    // The chain of network tools running now ("reconfigure", ...), empty when none.
    QString networkChainRunning() const;
    void restartWifiNetwork();
    void restartWifiNetworkLuMo();
    void deleteNetworkCertificate();

    // Identity and the cloud agent's files (CabinetIdentity).
    bool saveCabinetSerialModelNumbers();
    // Whether the identity file could carry every one of these values: checked before any
    // of them is set, so that a refused one does not leave the others saved.
    bool acceptableIdentityValues(const QStringList &values) const;
    void loadCabinetSerialModelNumbers();
    bool readIotConfigFile();
    void checkFirmwareUpdateDone();
    void applyConversionMarker();
    // True when the reconfiguration was started (networkChainFinished tells its end).
    bool initializeLumoWifiConnection();
    bool resetToDefaultNetwork();
    QString getApplicationVersion() const;

    // The displays of one cabinet kept in step (ConfigSync).
    void sendFwInfoViaCanbus();
    void sendFwInfoToSlaves(const QString &unused);
    void sendSerialModelNumbersViaCanbus(const QString &unused = QString());
    void sendStoreNumberViaCanbus(const QString &unused = QString(), const QString &unused2 = QString());
    void sendSerialModelNumbersToSlave();
    void sendFirmwareVersionViaCanbus();
    // A configuration message of the other display (multi-packet ids 7, 25, 26, 27);
    // false for any other id or a short text.
    bool applyDisplaySyncMessage(int multiId, const QByteArray &data);

    // The IO board's configuration at start (IoBoardConfiguration).
    void sendPowerSource();
    void sendPowerControlInfo();
    // Whether the personality lets the user choose the supply voltage.
    bool getPowerSourceChoice() const;
    QString getVersionString(uint version) const;
    QVariantList systemInformationRows() const;

    // Passcodes (Passcodes): the level a typed PIN reaches here (3, 2, 1 or 0), its
    // stored form, the Password page's change and the dock logo's reset of the
    // manager's PIN, and the service pages with their lock levels on this display.
    int passcodeLevel(const QString &typed) const;
    QString storedPasscode(const QString &typed) const;
    bool changeManagerPasscode(const QString &typed);
    bool resetManagerPasscode();
    QVariantList servicePages() const;
    // The lock level of the updates list's items on this display.
    int updatesLockLevel() const;
    // What the personality says about the service pages (set by the application core).
    void setPersonalityAccess(bool preferencesPageLock, bool advancedZoneOptions);

    // Preloaded configurations and the first start (PreloadedConfigs).
    QStringList get_customConfigs() const;
    QStringList get_customConfigModels() const;
    int get_configDisplaysCount(const QString &model) const;
    int get_configDisplaysLeftRight(const QString &model) const;
    bool validateModelNumber(const QString &model) const;
    QString getConfigFileName(const QString &model) const;
    bool setConfigurationFile();
    void resetConfiguration();
    void setIndividualDPEnabledSilently(bool value) { m_individualDPEnabled = value; }

signals:
    void configFileRead();
    void storeNumberChanged(QString value, QString oldValue);
    // For the cloud link: a change not held back by a pending save.
    void storeNumberReported(QString value, QString oldValue);
    void performanceDataIntervalReported(int value);
    void serialNumberChanged(QString value);
    void ipAddressChanged(QString value);
    void netmaskChanged(QString value);
    void gatewayChanged(QString value);
    void wifiIpAddrChanged(QString value);
    void wifiNetmaskChanged(QString value);
    void wifiGatewayChanged(QString value);
    void iotTypeChanged(QString value);
    void screenOrientationChanged(bool value);
    void tempUnitChanged(int value);
    void individualDPEnabledChanged(bool value);
    void demoModeFlagChanged(bool value);
    void demoModeEnabled();
    void demoModeDisabled();
    void productDiscardFlashChanged(bool value);
    void passwdL1Changed(QString value);
    void languageIdChanged(QString value);
    void usedLanguagesChanged(uint value);
    void timeZoneIndexChanged(int value);
    void cabinetNameChanged(QString value);

    // Raised by the screens and relayed to the cloud link.
    void passcodeChanged(QString newPasscode);
    void passcodeEntered(QString screen, int userLevel, bool authenticated);
    void programModeExited(QString screen, int userLevel);
    void notifyFirmwareUpdateDone(QString timeStamp, QString newVersion, QString prevVersion,
                                  int method, bool result);
    void notifyIotTypeChanged(QString iotType);
    void invokeSimpleDialog(QString text, bool showClose);
    void showSerialModelNumbersDialog();
    void hideSerialModelNumbersDialog();
    void networkInfoRefreshed();
    // A chain of network tools has ended; ok is false when a step failed.
    void networkChainFinished(QString chain, bool ok);
    void copyConfigurationFileCompleted();
    // The chosen personality was not installed; nothing was changed.
    void copyConfigurationFileFailed();
    void resetConfigurationFileCompleted();
    void sendConfigurationFileViaCanbus(QString filePath, int transferId);
    // A menu file's settings record was applied (or an import's were taken back): the
    // preference screens show the stored values again.
    void newConfigImported();

private:
    // Property index of each settings-file key.
    static const QHash<QString, int> &configPropertyIndices();
    CabinetCore *core() const;
    void setDefaults();
    bool setHostAddress(QHostAddress &stored, const QString &text, const char *name);
    void syncAfterSave();
    bool replaceManagerPasscode(const QString &stored, const QString &reported);
    bool switchLanguage(int languageId);

    QModbusMaster *m_modbusMaster = nullptr;
    CanbusManager *m_canbusManager = nullptr;
    bool m_iAmMaster = false;
    int m_orientationId = 0;

    // The settings with their own rules.
    QString m_serialNumber;
    QString m_storeNumber;
    QHostAddress m_ipAddress, m_netmask, m_gateway;
    QHostAddress m_wifiIpAddr, m_wifiNetmask, m_wifiGateway;
    QString m_iotType;
    int m_screenOrientation = 0;
    int m_tempUnit = 0;
    bool m_individualDPEnabled = false;
    bool m_demoModeFlag = false;
    bool m_productDiscardFlash = false;
    QString m_passwdL1;
    QString m_languageId;
    uint m_usedLanguages = 0;
    int m_timeZoneIndex = 0;
    QString m_prevPasswdL1;
    QString m_prevLanguageId;
    QString m_cabinetName;
    int m_doubleSided = 0;
    int m_selectedDisplaySide = 0;

    RoleItemModel *m_timeZonesModel = nullptr;
    QTimer *m_networkReloadTimer = nullptr;
    QTimer *m_networkRestartTimer = nullptr;
    NetworkControl *m_networkControl = nullptr;
    CabinetIdentity *m_identity = nullptr;
    ConfigSync *m_sync = nullptr;
    IoBoardConfiguration *m_ioConfig = nullptr;
    bool m_preferencesPageLock = false;
    bool m_personalityAdvancedZoneOptions = false;
    int m_reportsHeld = 0;
    QString m_heldStoreNumber;
    int m_heldPerformanceDataInterval = 0;
    // Lines of the file read last that were not text (a Latin-1 Wi-Fi name from an older
    // file): their bytes by key, written again by every save until the key's value is
    // changed; and the value the key held once the file was read.
    QHash<QString, QByteArray> m_keptLines;
    QHash<QString, QString> m_keptHeld;
    // What the last save wrote and synced, and whether the application settings were
    // written since the last sync.
    QByteArray m_savedText;
    bool m_appSettingsUnsynced = false;

public:
    ConfigSync *configSync() const { return m_sync; }
    IoBoardConfiguration *ioBoardConfiguration() const { return m_ioConfig; }
};

#endif // CONFIGURATIONMANAGER_H
