#ifndef EOLTESTLOG_H
#define EOLTESTLOG_H

#include <QLoggingCategory>

// "tul.eoltest": the end-of-line test station's link.
Q_DECLARE_LOGGING_CATEGORY(lcEolTest)

#endif // EOLTESTLOG_H
