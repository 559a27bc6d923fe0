#ifndef FOUNDATIONLOG_H
#define FOUNDATIONLOG_H

#include <QLoggingCategory>

// "tul.foundation": state machines, safe writes, child programs and the clean stop.
Q_DECLARE_LOGGING_CATEGORY(lcFoundation)

#endif // FOUNDATIONLOG_H
