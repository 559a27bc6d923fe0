#include "networklog.h"

Q_LOGGING_CATEGORY(lcNetwork, "tul.network")
