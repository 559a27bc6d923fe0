#ifndef DISPLAYLINKLOG_H
#define DISPLAYLINKLOG_H

#include <QLoggingCategory>

// "tul.displaylink": the other display's messages and the start-up synchronisation.
Q_DECLARE_LOGGING_CATEGORY(lcDisplayLink)

#endif // DISPLAYLINKLOG_H
