#include "configlog.h"

Q_LOGGING_CATEGORY(lcConfig, "tul.config")
Q_LOGGING_CATEGORY(lcConfigDump, "tul.config", QtInfoMsg)
