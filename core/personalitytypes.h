#ifndef PERSONALITYTYPES_H
#define PERSONALITYTYPES_H

#include <QList>
#include <QMetaType>
#include <QtGlobal>

// Value types of the cabinet personality, shared by the personality reader, the
// application core that forwards them and the holding controller that polls the NFC
// readers. Plain records of fixed size: the polling code indexes them directly.

// One IO board and the two zones it serves.
struct ioBoardToZone_struct
{
    int firstZone = 0;
    int secondZone = 0;
};
Q_DECLARE_METATYPE(ioBoardToZone_struct)
// The personality's list properties hand out pointers to the lists they hold.
Q_DECLARE_METATYPE(QList<int> *)
Q_DECLARE_METATYPE(QList<ioBoardToZone_struct> *)

// One bin's NFC antenna: which reader board and channel read it, and in which pass.
struct NfcBinMapEntry
{
    qint32 binIndex = 0;  // bin number in the cabinet
    qint32 address = 0;   // reader board address
    qint32 channel = 0;   // antenna channel on that board
    qint32 pollOrder = 0; // polling pass, 1 or 2
};

// One zone of the NFC map: the zone number it reports, then its left and right bin.
struct NfcZoneMapEntry
{
    enum { LeftBin = 0, RightBin = 1, BinCount = 2 };
    qint32 zone = 0;
    NfcBinMapEntry bin[BinCount];
};

// The NFC map: one record per zone index.
struct NfcMap
{
    enum { ZoneCount = 20 };
    NfcZoneMapEntry zones[ZoneCount];
};

struct NfcPollSlot
{
    qint32 channel = 0;
    qint32 binIndex = 0;
};

// The bins one reader address reads in one polling pass.
struct NfcPollGroup
{
    enum { SlotCount = 12 };
    qint32 address = 0;
    qint32 count = 0; // slots used
    NfcPollSlot entries[SlotCount];
};

// What the NFC polling needs: group[address index][poll order - 1].
struct NfcPollingInfo
{
    enum { AddressCount = 2, PollOrderCount = 2 };
    qint32 addressCount = 0;   // distinct reader addresses, at most AddressCount
    qint32 pollOrderCount = 0; // distinct poll orders, at most PollOrderCount
    NfcPollGroup group[AddressCount][PollOrderCount];
};

#endif // PERSONALITYTYPES_H
