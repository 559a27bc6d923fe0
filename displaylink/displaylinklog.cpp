#include "displaylinklog.h"

Q_LOGGING_CATEGORY(lcDisplayLink, "tul.displaylink")
