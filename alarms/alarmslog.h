#ifndef ALARMSLOG_H
#define ALARMSLOG_H

#include <QLoggingCategory>

// Diagnostics of the HACCP log ("tul.haccp"), so that its lines can be quieted or raised
// on their own with QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcHaccp)
// The error service's and the sounds' diagnostics ("tul.alarms").
Q_DECLARE_LOGGING_CATEGORY(lcAlarms)

#endif // ALARMSLOG_H
