#include "iotlog.h"

Q_LOGGING_CATEGORY(lcIot, "tul.iot")
