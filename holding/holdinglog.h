#ifndef HOLDINGLOG_H
#define HOLDINGLOG_H

#include <QLoggingCategory>

// "tul.holding": trays, zones, probes, the IO board and the NFC pans.
Q_DECLARE_LOGGING_CATEGORY(lcHolding)

#endif // HOLDINGLOG_H
