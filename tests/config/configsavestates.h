#ifndef CONFIGSAVESTATES_H
#define CONFIGSAVESTATES_H

#include "configurationmanager.h"

// The two sets of values the save-loop child alternates between.
inline void applySaveState(ConfigurationManager &config, int state)
{
    if (state == 0) {
        config.set_wifiSSID(QStringLiteral("Kitchen"));
        config.set_wifiPassword(QStringLiteral("short=1"));
        config.set_storeNumber(QStringLiteral("17"));
        config.set_soundLevel(40);
    } else {
        config.set_wifiSSID(QStringLiteral("Back office network with a long name"));
        config.set_wifiPassword(QString(300, QLatin1Char('p')) + QStringLiteral("=end"));
        config.set_storeNumber(QStringLiteral("Store 4711, North"));
        config.set_soundLevel(90);
    }
}

#endif // CONFIGSAVESTATES_H
