#ifndef FIELDBUSLOG_H
#define FIELDBUSLOG_H

#include <QLoggingCategory>

// "tul.fieldbus": the Modbus master, the CAN transport and the simulated boards.
Q_DECLARE_LOGGING_CATEGORY(lcFieldbus)

#endif // FIELDBUSLOG_H
