#include "networksettings.h"

Q_LOGGING_CATEGORY(lcNetwork, "tul.network")

QString NetworkInterfaceNames::s_wired = QStringLiteral("eth0");
QString NetworkInterfaceNames::s_wifi = QStringLiteral("wlan0");
