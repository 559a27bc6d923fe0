#ifndef NETWORKFILES_H
#define NETWORKFILES_H

#include "networksettings.h"

#include <QByteArray>
#include <QString>

// Why a network set-up cannot be written: the value at fault and what is wrong with it.
// The settings page names the value to the user; the log gets text().
struct NetworkRefusal
{
    enum Field {
        NoField,
        WiredAddress,
        WiredNetmask,
        WiredGateway,
        WifiAddress,
        WifiNetmask,
        WifiGateway,
        WifiSsid,
        WifiPassphrase
    };
    enum Reason {
        Accepted,
        NotHostAddress,   // not four decimal parts, or not an address a host may take
        NotNetmask,       // not a run of ones followed by zeros
        BreaksLine,       // a line break or a NUL
        SsidTooLong,      // over 32 bytes of UTF-8
        PassphraseLength, // not 8 to 63 bytes
        SsidEmpty         // Wi-Fi on without a network name (refused on entry only)
    };

    Field field = NoField;
    Reason reason = Accepted;

    bool refused() const { return reason != Accepted; }
    // "notHostAddress", "notNetmask", "breaksLine", "ssidTooLong", "passphraseLength", "ssidEmpty";
    // empty when accepted.
    QString reasonKey() const;
    // For the log; empty when accepted.
    QString text() const;
};

// The two system files the network set-up is written to: the interfaces file of
// ifupdown and the supplicant's configuration. Both are written from NetworkSettings
// only after every value has been checked, each power-cut safe, so that a value that
// could break out of its line never reaches a file and the old files stay in place.
class NetworkFiles
{
public:
    static QString interfacesPath();  // "/etc/network/interfaces" under the system root
    static QString supplicantPath();  // "/etc/wpa_supplicant.conf" under the system root
    // The cloud connection's device certificates (one customer keeps them).
    static QString certificateDir();  // "/root/certs/"

    // The one check of a set-up: what the network files, the reconfiguration and the
    // settings page all refuse.
    static NetworkRefusal check(const NetworkSettings &settings);
    // What a user's entry must pass besides: Wi-Fi on names its network. Set-ups that come
    // from elsewhere (a seed file, a reset) are written without one, as the Wi-Fi off.
    static NetworkRefusal checkEntry(const NetworkSettings &settings);
    // Empty when the settings can be written; otherwise why not, for the log.
    static QString refusal(const NetworkSettings &settings);

    // An IPv4 address a host may take: four decimal parts of 0-255 without leading
    // zeros (the system's parser reads "010" as octal), not 0.x.x.x, not loopback, not
    // multicast or reserved.
    static bool isHostAddress(const QString &text);
    // A netmask of 1 to 32 leading ones; -1 when the text is not one.
    static int prefixLength(const QString &netmask);

    static QByteArray interfacesText(const NetworkSettings &settings);
    static QByteArray supplicantText(const NetworkSettings &settings);

    // Checks, then writes both files. False (logged, files untouched) when a value is
    // refused; false when a write fails.
    static bool write(const NetworkSettings &settings);

    // Deletes every file in the certificate folder; false when one could not be deleted.
    static bool deleteCertificates();
};

#endif // NETWORKFILES_H
