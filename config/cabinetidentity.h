#ifndef CABINETIDENTITY_H
#define CABINETIDENTITY_H

#include <QByteArray>
#include <QString>

class ConfigurationManager;

// The cabinet's identity and the files around it: the identity file (serial, model,
// UUID, customer), the cloud agent's version file, the update and conversion markers and
// the two Wi-Fi seed files. Works on the settings store it is given; the store forwards
// its operations here.
class CabinetIdentity
{
public:
    static constexpr const char *ApplicationVersion = "RO-2503";
    // Four short lines; a larger file is not read whole.
    static constexpr qint64 MaxIdentityFileBytes = 16 * 1024;
    // Four values this long still fit under the cap with their keys.
    static constexpr int MaxIdentityValueBytes = int(MaxIdentityFileBytes - 64) / 4;
    // A file over its cap (older versions wrote numbers of any length) is searched this
    // far for its UUID before anything is decided about it.
    static constexpr qint64 MaxIdentityRecoveryBytes = 1024 * 1024;
    // The cloud agent's version file: a few short lines.
    static constexpr qint64 MaxIotVersionFileBytes = 16 * 1024;
    // A Wi-Fi seed file: a supplicant file of a few networks at most.
    static constexpr qint64 MaxSeedFileBytes = 64 * 1024;

    // The keys of the identity file, in the order they are written.
    static const char *const IdentityKeys[4];

    static QString identityFilePath();
    static QString iotVersionFilePath(const QString &iotType);
    static QString firmwareUpdateMarkerPath();
    static QString conversionMarkerPath();
    static QString conversionSeedPath();
    static QString defaultNetworkSeedPath();
    static QString credentialsPath();

    // Identity values live in "key=value" lines: "=", line breaks, NUL, a character the
    // reader takes for a broken byte (U+FFFD) or a value past MaxIdentityValueBytes would
    // not read back, so such values are refused.
    static bool isIdentityKey(const char *name);
    static bool acceptableIdentityValue(const QString &value);

    // A Wi-Fi seed file's network name and pass phrase. A line is split at its first "="
    // (a pass phrase may hold "="); quotes go only when a pair surrounds the value.
    struct WifiSeed {
        bool hasSsid = false;
        bool hasPsk = false;
        QString ssid;
        QString psk;
    };
    static WifiSeed parseWifiSeed(const QByteArray &text);

    explicit CabinetIdentity(ConfigurationManager *config) : m_config(config) {}

    // A save that fails (or is refused) puts the serial and model numbers back to what
    // the file holds, so that the cabinet never reports numbers it has not stored.
    bool saveCabinetSerialModelNumbers();
    void loadCabinetSerialModelNumbers();
    // True when the cloud agent's version file was there to read, whatever it held.
    bool readIotConfigFile();
    void checkFirmwareUpdateDone();
    // The conversion to the "QRB_LUMO" cloud when its marker is there; then the cloud type
    // is announced, marker or not.
    void applyConversionMarker();
    // Both save and then reconfigure the network; true when the reconfiguration was
    // started (the settings were accepted), its end reported by the network control.
    bool initializeLumoWifiConnection();
    bool resetToDefaultNetwork();

private:
    // Applies a seed file's network when it opens; false when there is none.
    bool applySeedFile(const QString &path);
    void restoreStoredNumbers();

    ConfigurationManager *m_config;
    // The file could not be read and may hold the UUID: nothing is written over it.
    bool m_fileUnreadable = false;
    // The numbers as the file holds them, since the last load or save.
    QString m_storedSerial;
    QString m_storedModel;
};

#endif // CABINETIDENTITY_H
