#ifndef MENULOG_H
#define MENULOG_H

#include <QLoggingCategory>

// "tul.menu": the products, the day parts and the menu files.
Q_DECLARE_LOGGING_CATEGORY(lcMenu)

#endif // MENULOG_H
