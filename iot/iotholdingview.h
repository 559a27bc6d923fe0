#ifndef IOTHOLDINGVIEW_H
#define IOTHOLDINGVIEW_H

#include "trayinfo.h"

#include <QString>

class CabinetCore;
class HoldingCoordinator;
class NFCmanager;

// What the hold and pan events read of the cabinet's holding, and the two operations a
// restart from the cloud needs. The application reads the holding coordination and the
// menu; tests hand in their own.
class IotHoldingView
{
public:
    virtual ~IotHoldingView() = default;

    virtual bool nfcEnabled() const = 0;
    // The product held in a bin (a group's member), 0 for none.
    virtual int productOfBin(int bin) const = 0;
    // 2 for a full-size pan covering two bins.
    virtual int panSizeOfBin(int bin) const = 0;
    virtual trayInfo trayRecord(int bin) const = 0;
    virtual int trayState(int bin) const = 0;
    // Seconds a restarted hold runs, as the holding starts it.
    virtual int holdingSeconds(int productId) const = 0;
    // The product's holding time as the menu gives it, in seconds.
    virtual int menuHoldTime(int productId) const = 0;
    // The product's name in the current language.
    virtual QString productName(int productId) const = 0;
    virtual NFCmanager *nfc() const = 0;

    virtual void startBinTimer(int bin, int seconds, quint64 uid) = 0;
    virtual void sendHoldStartedEvent(int bin, quint64 uid, const QString &method) = 0;
    // A hold ended by the cloud: the bin stops without an event of its own, and the
    // caller raises the cabinet's hold-stopped event.
    virtual void stopBinTimer(int bin) = 0;
    virtual void raiseHoldStopped(const QString &timeStamp, const QString &productName, const QString &panId,
                                  int bin, const QString &method, int timeRemaining) = 0;
};

// The application's view: the holding coordination, the core's layout and its menu.
class CoordinatorHoldingView : public IotHoldingView
{
public:
    CoordinatorHoldingView(CabinetCore *core, HoldingCoordinator *holding);

    bool nfcEnabled() const override;
    int productOfBin(int bin) const override;
    int panSizeOfBin(int bin) const override;
    trayInfo trayRecord(int bin) const override;
    int trayState(int bin) const override;
    int holdingSeconds(int productId) const override;
    int menuHoldTime(int productId) const override;
    QString productName(int productId) const override;
    NFCmanager *nfc() const override;
    void startBinTimer(int bin, int seconds, quint64 uid) override;
    void sendHoldStartedEvent(int bin, quint64 uid, const QString &method) override;
    void stopBinTimer(int bin) override;
    void raiseHoldStopped(const QString &timeStamp, const QString &productName, const QString &panId, int bin,
                          const QString &method, int timeRemaining) override;

private:
    CabinetCore *m_core;
    HoldingCoordinator *m_holding;
};

#endif // IOTHOLDINGVIEW_H
