#include "eoltestlog.h"

Q_LOGGING_CATEGORY(lcEolTest, "tul.eoltest")
