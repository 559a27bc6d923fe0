#include "fieldbuslog.h"

Q_LOGGING_CATEGORY(lcFieldbus, "tul.fieldbus")
