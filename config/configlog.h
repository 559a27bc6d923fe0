#ifndef CONFIGLOG_H
#define CONFIGLOG_H

#include <QLoggingCategory>

// "tul.config": the personality, the settings and the cabinet's numbers.
Q_DECLARE_LOGGING_CATEGORY(lcConfig)
// The same area, debug off unless the rules ask: the personality read in full.
Q_DECLARE_LOGGING_CATEGORY(lcConfigDump)

#endif // CONFIGLOG_H
