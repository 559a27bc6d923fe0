#ifndef CORELOG_H
#define CORELOG_H

#include <QLoggingCategory>

// "tul.core": start-up, the cabinet's layout, the screen and its languages.
Q_DECLARE_LOGGING_CATEGORY(lcCore)

#endif // CORELOG_H
