#ifndef FIELDBUSMETATYPES_H
#define FIELDBUSMETATYPES_H

// Registers the field-bus value types (can_frame_t, CanFrame) for queued signals; main
// calls it once before any manager is created.
void registerFieldbusMetaTypes();

#endif // FIELDBUSMETATYPES_H
