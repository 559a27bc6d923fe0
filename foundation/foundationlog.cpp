#include "foundationlog.h"

Q_LOGGING_CATEGORY(lcFoundation, "tul.foundation")
