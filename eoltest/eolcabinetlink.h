#ifndef EOLCABINETLINK_H
#define EOLCABINETLINK_H

#include "eolcabinet.h"

#include <QObject>
#include <QPointer>

class CabinetCore;
class HoldingCoordinator;
class MasterSync;
class TulErrorControllerT;

// The cabinet as the end-of-line tester sees it, over the holding coordination (with its
// IO-board manager on the master display), the display synchroniser and the error
// service. Off the master display there is no IO board: heaters are left alone and
// read 0.
class EolCabinetLink : public QObject, public EolCabinet
{
    Q_OBJECT

public:
    EolCabinetLink(CabinetCore *core, HoldingCoordinator *holding, MasterSync *sync,
                   TulErrorControllerT *errors, QObject *parent = nullptr);

    void eolTempTestAllHeaters(bool on) override;
    bool eolTempTestSingleHeater(int zone, int heater) override;
    int eolGetActualTemp(int zone, int heater) const override;
    QString eolGetTempErrorDescription(int zone, int heater) const override;
    void restoreHolding() override;
    int numOfNfcBoards() const override;
    bool ioCommErrorDetected() const override;
    bool nfcErrorDetected() const override;
    bool sibLinkBroken() const override;
    bool canLinkBroken() const override;
    quint64 tagUidAtBin(int bin) const override;

private:
    CabinetCore *m_core;
    QPointer<HoldingCoordinator> m_holding;
    QPointer<MasterSync> m_sync;
    QPointer<TulErrorControllerT> m_errors;
};

#endif // EOLCABINETLINK_H
