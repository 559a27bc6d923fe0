#include "alarmslog.h"

Q_LOGGING_CATEGORY(lcHaccp, "tul.haccp")
