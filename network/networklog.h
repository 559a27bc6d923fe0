#ifndef NETWORKLOG_H
#define NETWORKLOG_H

#include <QLoggingCategory>

// "tul.network": Wi-Fi, Ethernet, updates and the service utilities.
Q_DECLARE_LOGGING_CATEGORY(lcNetwork)

#endif // NETWORKLOG_H
