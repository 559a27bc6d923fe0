#include "iotholdingview.h"

#include "cabinetcore.h"
#include "holdingcoordinator.h"
#include "menumanager.h"

CoordinatorHoldingView::CoordinatorHoldingView(CabinetCore *core, HoldingCoordinator *holding)
    : m_core(core)
    , m_holding(holding)
{
}

bool CoordinatorHoldingView::nfcEnabled() const
{
    return m_core->get_nfcEnabled();
}

int CoordinatorHoldingView::productOfBin(int bin) const
{
    return m_holding->getProductIDfromBinNumber(quint8(bin));
}

int CoordinatorHoldingView::panSizeOfBin(int bin) const
{
    return m_holding->getProductPanSizeFromBinNumber(quint8(bin));
}

trayInfo CoordinatorHoldingView::trayRecord(int bin) const
{
    return m_holding->getTrayInfo(bin);
}

int CoordinatorHoldingView::trayState(int bin) const
{
    return m_holding->get_trayState(bin);
}

int CoordinatorHoldingView::holdingSeconds(int productId) const
{
    return m_holding->getProductHoldTime(productId);
}

int CoordinatorHoldingView::menuHoldTime(int productId) const
{
    const MenuManager *menu = m_core->menuManager();
    return menu ? menu->getProductHoldTime(menu->getProductIndex(productId)).toInt() : 0;
}

QString CoordinatorHoldingView::productName(int productId) const
{
    const MenuManager *menu = m_core->menuManager();
    return menu ? menu->getProductName(productId).toString() : QString();
}

NFCmanager *CoordinatorHoldingView::nfc() const
{
    return m_holding->nfcManager();
}

void CoordinatorHoldingView::startBinTimer(int bin, int seconds, quint64 uid)
{
    m_holding->startBinTimer(quint8(bin), seconds, uid);
}

void CoordinatorHoldingView::sendHoldStartedEvent(int bin, quint64 uid, const QString &method)
{
    m_holding->sendHoldStartedEventToDbus(quint8(bin), uid, method);
}

void CoordinatorHoldingView::stopBinTimer(int bin)
{
    m_holding->stopBinTimer(quint8(bin));
}

void CoordinatorHoldingView::raiseHoldStopped(const QString &timeStamp, const QString &productName,
                                              const QString &panId, int bin, const QString &method, int timeRemaining)
{
    // The root relays it as its own event_holdStopped, to the cloud and the HACCP log.
    emit m_holding->event_holdStopped(timeStamp, productName, panId, bin, method, timeRemaining);
}
