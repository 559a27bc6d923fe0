#ifndef FAKEAGENTCABINET_H
#define FAKEAGENTCABINET_H

#include "iotagentcabinet.h"

#include <QHash>
#include <QList>
#include <QVariantList>

// The cabinet as the second agent adapter sees it, as plain fields; the operations it
// asks of the cabinet are recorded.
class FakeAgentCabinet : public IotAgentCabinet
{
public:
    bool nfc_ = true;
    int customer = 0;
    int trays = 20;
    QHash<int, int> productOf;     // bin -> product
    QHash<int, int> panSizeOf;     // bin -> pan size
    QHash<int, trayInfo> trayOf;   // bin -> record
    QHash<int, int> stateOf;       // bin -> tray state
    QHash<int, int> holdTimeOf;    // product -> seconds
    QHash<int, QString> misMatchIdOf;
    QHash<int, quint64> misMatchedPanOf;
    QList<BinInfo *> bins;
    double wifiLevel = 0;
    bool backupRunning = false;
    NFCmanager *nfcManager = nullptr;

    QList<QVariantList> started;         // (bin, seconds, uid)
    QList<QVariantList> holdStartEvents; // (bin, uid, method)
    QList<int> stopped;                  // bins
    QList<QVariantList> holdStops;       // (timeStamp, name, pan, bin, method, remaining)
    int firmwareChecks = 0;

    bool nfcEnabled() const override { return nfc_; }
    int productOfBin(int bin) const override { return productOf.value(bin); }
    int panSizeOfBin(int bin) const override { return panSizeOf.value(bin, 1); }
    trayInfo trayRecord(int bin) const override { return trayOf.value(bin); }
    int trayState(int bin) const override { return stateOf.value(bin); }
    int holdingSeconds(int productId) const override { return holdTimeOf.value(productId); }
    int menuHoldTime(int productId) const override { return holdTimeOf.value(productId); }
    QString productName(int) const override { return QString(); }
    NFCmanager *nfc() const override { return nfcManager; }
    void startBinTimer(int bin, int seconds, quint64 uid) override { started.append({bin, seconds, uid}); }
    void sendHoldStartedEvent(int bin, quint64 uid, const QString &method) override
    {
        holdStartEvents.append({bin, uid, method});
    }

    int customerId() const override { return customer; }
    int traysPerCabinet() const override { return trays; }
    QString misMatchId(int bin) const override { return misMatchIdOf.value(bin); }
    quint64 misMatchedPanId(int bin) const override { return misMatchedPanOf.value(bin); }
    QList<BinInfo *> binInfos() const override { return bins; }
    double wifiSignalLevel() const override { return wifiLevel; }
    bool systemBackupInProgress() const override { return backupRunning; }
    void stopBinTimer(int bin) override { stopped.append(bin); }
    void raiseHoldStopped(const QString &timeStamp, const QString &name, const QString &panId, int bin,
                          const QString &method, int timeRemaining) override
    {
        holdStops.append({timeStamp, name, panId, bin, method, timeRemaining});
    }
    void checkFirmwareUpdateDone() override { ++firmwareChecks; }
};

#endif // FAKEAGENTCABINET_H
