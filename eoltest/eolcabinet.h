#ifndef EOLCABINET_H
#define EOLCABINET_H

#include <QString>

// What the end-of-line tester asks of the cabinet beyond its layout and settings (which
// it reads through CabinetCore): the heaters and probes of the IO board, the link states
// and the tag reads. The root hands in EolCabinetLink; tests hand in their own.
class EolCabinet
{
public:
    virtual ~EolCabinet() = default;

    // Heaters: zone counted from 0, heater 0 (lower) or 1 (upper).
    virtual void eolTempTestAllHeaters(bool on) = 0;
    virtual bool eolTempTestSingleHeater(int zone, int heater) = 0;
    virtual int eolGetActualTemp(int zone, int heater) const = 0;
    virtual QString eolGetTempErrorDescription(int zone, int heater) const = 0;
    // Leaving a test run: set points and fan targets written again, every tray back at
    // its holding temperatures.
    virtual void restoreHolding() = 0;

    virtual int numOfNfcBoards() const = 0;
    virtual bool ioCommErrorDetected() const = 0;
    virtual bool nfcErrorDetected() const = 0;
    virtual bool sibLinkBroken() const = 0;
    virtual bool canLinkBroken() const = 0;
    // 0 when the bin holds no tag.
    virtual quint64 tagUidAtBin(int bin) const = 0;
};

#endif // EOLCABINET_H
