#include "alarmslog.h"

Q_LOGGING_CATEGORY(lcHaccp, "tul.haccp")
Q_LOGGING_CATEGORY(lcAlarms, "tul.alarms")
