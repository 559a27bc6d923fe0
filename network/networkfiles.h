#ifndef NETWORKFILES_H
#define NETWORKFILES_H

#include "networksettings.h"

#include <QByteArray>
#include <QString>

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

    // Empty when the settings can be written; otherwise why not, for the log.
    static QString refusal(const NetworkSettings &settings);

    static QByteArray interfacesText(const NetworkSettings &settings);
    static QByteArray supplicantText(const NetworkSettings &settings);

    // Checks, then writes both files. False (logged, files untouched) when a value is
    // refused; false when a write fails.
    static bool write(const NetworkSettings &settings);

    // Deletes every file in the certificate folder; false when one could not be deleted.
    static bool deleteCertificates();
};

#endif // NETWORKFILES_H
