#include "networksettings.h"


QString NetworkInterfaceNames::s_wired = QStringLiteral("eth0");
QString NetworkInterfaceNames::s_wifi = QStringLiteral("wlan0");
