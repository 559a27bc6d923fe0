#ifndef QRMCRC_H
#define QRMCRC_H

#include <QtGlobal>

// CRC-16/MODBUS: reflected polynomial 0xA001, initial value 0xFFFF, no final XOR.
// On the wire the low byte goes first. A length of 0 (or less) gives 0xFFFF.
quint16 qrmCrc(const unsigned char *data, int length);

#endif // QRMCRC_H
