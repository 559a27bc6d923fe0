#include "fieldbusmetatypes.h"

#include "canframe.h"
#include "qmodbuspollinfo.h"

#include <QMetaType>

void registerFieldbusMetaTypes()
{
    qRegisterMetaType<can_frame_t>("can_frame_t");
    qRegisterMetaType<CanFrame>("CanFrame");
    qRegisterMetaType<QModbusPollInfo *>("QModbusPollInfo*");
}
