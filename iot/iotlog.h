#ifndef IOTLOG_H
#define IOTLOG_H

#include <QLoggingCategory>

// "tul.iot": the cloud link, its bus adaptor and the events it sends.
Q_DECLARE_LOGGING_CATEGORY(lcIot)

#endif // IOTLOG_H
