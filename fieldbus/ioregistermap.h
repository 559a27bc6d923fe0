#ifndef IOREGISTERMAP_H
#define IOREGISTERMAP_H

#include <QtGlobal>

// Holding registers of the IO board (node 1) and the NFC reader boards (nodes 2 and 3),
// shared by the managers that poll them and by the simulated boards. Temperatures are
// whole degrees as signed 16-bit values; a 32-bit value spans two registers, the more
// significant one first.
namespace IoRegisterMap {

constexpr quint8 IoBoardNode = 1;
constexpr quint8 NfcReader1Node = 2;
constexpr quint8 NfcReader2Node = 3;

// --- IO board (node 1) ---
constexpr quint16 BoardIdentity = 0;           // read at start: any value, a good reply counts
constexpr quint16 CabinetLayout = 1;           // write: the personality's cabinet configuration
constexpr quint16 BoardStatus = 2;             // bit k set: IO board k is in error
constexpr quint16 HeaterTemperatureFirst = 4;  // heater h at 4 + h, measured temperature
constexpr int HeaterCount = 20;
constexpr quint16 FanSpeedFirst = 24;          // fan f at 24 + f, measured speed in percent
constexpr int FanCount = 4;
constexpr quint16 AmbientTemperature = 28;     // cabinet (ambient) temperature
constexpr quint16 BoardStateFirst = 29;        // state word of IO board k at 29 + k:
constexpr int BoardStateCount = 5;             //   0 good, 1 starting, 2 in error
constexpr quint16 BoardStateError = 2;
constexpr quint16 ErrorRegisterFirst = 34;     // 30 error registers, read as one block:
constexpr int ErrorRegisterCount = 30;         //   34 + h: heater h, low byte thermocouple
                                               //   status, high byte heater status;
                                               //   54 + i: reference error of sensor i;
                                               //   59 + i: cold-junction error i
constexpr quint16 FirmwareVersionFirst = 64;   // board k at 64 + 2k (high) and 65 + 2k (low):
constexpr int FirmwareBoardCount = 5;          //   bits 16-23, 8-15, 0-7 = major.minor.patch
constexpr quint16 HeaterSetPointFirst = 80;    // write: heater h target at 80 + h (0 = off)
constexpr quint16 SupplyVoltage = 101;         // write: supply voltage in volts
constexpr quint16 FanTargetFirst = 102;        // write: target speed of the fan of IO-board
constexpr int FanTargetCount = HeaterCount / 2; //   zone z at 102 + z, percent
constexpr quint16 PowerControlFirst = 117;     // write, 5 registers: maximum current, bottom
constexpr int PowerControlCount = 5;           //   and top heater resistance, bottom and top
                                               //   temperature offset
constexpr int IoBoardRegisterCount = 128;

// --- NFC reader boards (nodes 2 and 3) ---
constexpr quint16 ReaderFirmwareVersion = 0;   // 2 registers, encoded as the IO board's
constexpr quint16 ReaderStatus = 2;            // 0 good, else the reader is in error
constexpr quint16 ReaderTagPresent = 3;        // bit c set: a tag lies on channel c
constexpr quint16 ReaderUidFirst = 4;          // channel c at 4 + 4c .. 7 + 4c: the 64-bit
constexpr int ReaderUidRegisters = 4;          //   tag uid, most significant word first
constexpr int ReaderChannelCount = 12;         //   (0 when no tag)
constexpr int ReaderRegisterCount = ReaderUidFirst + ReaderChannelCount * ReaderUidRegisters;

constexpr quint16 readerUidRegister(int channel)
{
    return quint16(ReaderUidFirst + ReaderUidRegisters * channel);
}

} // namespace IoRegisterMap

#endif // IOREGISTERMAP_H
