#include "tulnetwork.h"

TULnetwork::TULnetwork(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("tulNetwork"));
}

void TULnetwork::set_wifiApConnected(bool connected)
{
    if (m_wifiApConnected == connected)
        return;
    m_wifiApConnected = connected;
    emit wifiApConnectedChanged(connected);
}
