#ifndef NETWORKSETTINGS_H
#define NETWORKSETTINGS_H

#include <QLoggingCategory>
#include <QString>

#include "networklog.h"

// What the system's network set-up is written from: the wired and Wi-Fi values of the
// settings store, copied so that the network code does not depend on the store.
struct NetworkSettings
{
    bool ethEnabled = false;
    bool ethStatic = false;
    QString ethAddress, ethNetmask, ethGateway;

    bool wifiEnabled = false;
    bool wifiStatic = false;
    QString wifiAddress, wifiNetmask, wifiGateway;
    QString wifiSsid;
    QString wifiPassphrase; // empty: an open network
};

// The device's interface names. Tests point them at interfaces the test machine has
// (the loopback) before reading interface state.
class NetworkInterfaceNames
{
public:
    static QString wired() { return s_wired; }
    static QString wifi() { return s_wifi; }
    static void set(const QString &wired, const QString &wifi)
    {
        s_wired = wired;
        s_wifi = wifi;
    }

private:
    static QString s_wired;
    static QString s_wifi;
};

#endif // NETWORKSETTINGS_H
