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
    // The cloud agent's version file: a few short lines.
    static constexpr qint64 MaxIotVersionFileBytes = 16 * 1024;

    // The keys of the identity file, in the order they are written.
    static const char *const IdentityKeys[4];

    static QString identityFilePath();
    static QString iotVersionFilePath(const QString &iotType);
    static QString firmwareUpdateMarkerPath();
    static QString conversionMarkerPath();
    static QString conversionSeedPath();
    static QString defaultNetworkSeedPath();
    static QString credentialsPath();

    // Identity values live in "key=value" lines: "=", line breaks and NUL would break the
    // file, so such values are refused.
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

    ConfigurationManager *m_config;
};

#endif // CABINETIDENTITY_H
