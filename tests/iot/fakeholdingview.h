#ifndef FAKEHOLDINGVIEW_H
#define FAKEHOLDINGVIEW_H

#include "iotagentcabinet.h"
#include "iotcabinetview.h"
#include "iotholdingview.h"

#include <QHash>
#include <QList>
#include <QVariantList>

// The holding as the cloud events see it, as plain fields; the operations asked of it are
// recorded. FakeAgentCabinet adds what the second agent adapter reads.
template <class Base>
class FakeHolding : public Base
{
public:
    bool nfc_ = false;
    QHash<int, int> productOf;     // bin -> product
    QHash<int, int> panSizeOf;     // bin -> pan size
    QHash<int, trayInfo> trayOf;   // bin -> record
    QHash<int, int> stateOf;       // bin -> tray state
    QHash<int, int> holdTimeOf;    // product -> seconds
    QHash<int, QString> nameOf;    // product -> name
    NFCmanager *nfcManager = nullptr;
    QList<QVariantList> started;   // (bin, seconds, uid)
    QList<QVariantList> holdStartEvents; // (bin, uid, method)
    QList<int> stopped;            // bins
    QList<QVariantList> holdStopEvents; // (timeStamp, productName, panId, bin, method, timeRemaining)

    bool nfcEnabled() const override { return nfc_; }
    int productOfBin(int bin) const override { return productOf.value(bin); }
    int panSizeOfBin(int bin) const override { return panSizeOf.value(bin, 1); }
    trayInfo trayRecord(int bin) const override { return trayOf.value(bin); }
    int trayState(int bin) const override { return stateOf.value(bin); }
    int holdingSeconds(int productId) const override { return holdTimeOf.value(productId); }
    int menuHoldTime(int productId) const override { return holdTimeOf.value(productId); }
    QString productName(int productId) const override { return nameOf.value(productId); }
    NFCmanager *nfc() const override { return nfcManager; }
    void startBinTimer(int bin, int seconds, quint64 uid) override { started.append({bin, seconds, uid}); }
    void sendHoldStartedEvent(int bin, quint64 uid, const QString &method) override
    {
        holdStartEvents.append({bin, uid, method});
    }
    void stopBinTimer(int bin) override { stopped.append(bin); }
    void raiseHoldStopped(const QString &timeStamp, const QString &productName, const QString &panId, int bin,
                          const QString &method, int timeRemaining) override
    {
        holdStopEvents.append({timeStamp, productName, panId, bin, method, timeRemaining});
    }
};

using FakeHoldingView = FakeHolding<IotHoldingView>;

class FakeAgentCabinet : public FakeHolding<IotAgentCabinet>
{
public:
    FakeAgentCabinet() { nfc_ = true; }
    int customer = 0;
    int trays = 20;
    QHash<int, QString> misMatchIdOf;
    QHash<int, quint64> misMatchedPanOf;
    QList<BinInfo *> bins;
    double wifiLevel = 0;
    bool backupRunning = false;
    int firmwareChecks = 0;

    int customerId() const override { return customer; }
    int traysPerCabinet() const override { return trays; }
    QString misMatchId(int bin) const override { return misMatchIdOf.value(bin); }
    quint64 misMatchedPanId(int bin) const override { return misMatchedPanOf.value(bin); }
    QList<BinInfo *> binInfos() const override { return bins; }
    double wifiSignalLevel() const override { return wifiLevel; }
    bool systemBackupInProgress() const override { return backupRunning; }
    void checkFirmwareUpdateDone() override { ++firmwareChecks; }
};

// What the reports read beyond the holding, as plain fields.
class FakeCabinetView : public IotCabinetView
{
public:
    QHash<int, QList<int>> targetsOf; // zone -> heaters (lower, upper); no entry: no zone
    QHash<int, QList<int>> actualsOf;
    QHash<int, quint64> panOf;        // bin -> mismatched pan
    QHash<int, QString> idOf;         // bin -> mismatch id
    double percent = 0;
    double decibel = 0;
    int errors = 0;
    bool zoneHeaters(int zone, QList<int> *targets, QList<int> *actuals) const override
    {
        if (!targetsOf.contains(zone))
            return false;
        *targets = targetsOf.value(zone);
        *actuals = actualsOf.value(zone);
        return true;
    }
    QList<BinInfo *> bins;
    QList<BinInfo *> binInfos() const override { return bins; }
    quint64 misMatchedPanId(int bin) const override { return panOf.value(bin); }
    QString misMatchId(int bin) const override { return idOf.value(bin); }
    double wifiLevelPercent() const override { return percent; }
    double wifiLevelDecibel() const override { return decibel; }
    int errorLogCount() const override { return errors; }
};

#endif // FAKEHOLDINGVIEW_H
