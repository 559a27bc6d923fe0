#include "holdinglog.h"

Q_LOGGING_CATEGORY(lcHolding, "tul.holding")
