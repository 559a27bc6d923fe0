#ifndef IOTAGENTCABINET_H
#define IOTAGENTCABINET_H

#include "iotholdingview.h"

#include <QList>
#include <QString>

class BinInfo;

// What the second agent adapter reads of the cabinet beyond the holding view: the
// layout values its events carry, the mismatch records, the heater readings, the Wi-Fi
// level, and the operations a reset from the agent needs. Whoever wires the adapter
// hands one in; tests hand in their own.
class IotAgentCabinet : public IotHoldingView
{
public:
    virtual int customerId() const = 0;
    virtual int traysPerCabinet() const = 0;
    virtual QString misMatchId(int bin) const = 0;
    virtual quint64 misMatchedPanId(int bin) const = 0;
    // One entry per bin, empty where no IO-board manager runs.
    virtual QList<BinInfo *> binInfos() const = 0;
    // Percent.
    virtual double wifiSignalLevel() const = 0;
    // Messages from the agent are dropped while a backup runs.
    virtual bool systemBackupInProgress() const = 0;

    virtual void stopBinTimer(int bin) = 0;
    // The cabinet's hold-stopped event, as the holding raises it.
    virtual void raiseHoldStopped(const QString &timeStamp, const QString &productName, const QString &panId,
                                  int bin, const QString &method, int timeRemaining) = 0;
    // The settings' follow-up once the power-on report is out: a finished firmware
    // update is reported.
    virtual void checkFirmwareUpdateDone() = 0;
};

#endif // IOTAGENTCABINET_H
