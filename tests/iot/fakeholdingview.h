#ifndef FAKEHOLDINGVIEW_H
#define FAKEHOLDINGVIEW_H

#include "iotholdingview.h"

#include <QHash>
#include <QList>
#include <QVariantList>

// The holding as the cloud events see it, as plain fields; the two operations are
// recorded.
class FakeHoldingView : public IotHoldingView
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
    QList<QVariantList> holdStopEvents; // (productName, panId, bin, method, timeRemaining)

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
    void raiseHoldStopped(const QString &, const QString &productName, const QString &panId, int bin,
                          const QString &method, int timeRemaining) override
    {
        holdStopEvents.append({productName, panId, bin, method, timeRemaining});
    }
};

#endif // FAKEHOLDINGVIEW_H
