#include "corelog.h"

Q_LOGGING_CATEGORY(lcCore, "tul.core")
