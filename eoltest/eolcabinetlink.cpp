#include "eolcabinetlink.h"

#include "cabinetcore.h"
#include "holdingcoordinator.h"
#include "masteriomanager.h"
#include "mastersync.h"
#include "tulerrorcontrollert.h"

EolCabinetLink::EolCabinetLink(CabinetCore *core, HoldingCoordinator *holding, MasterSync *sync,
                               TulErrorControllerT *errors, QObject *parent)
    : QObject(parent)
    , m_core(core)
    , m_holding(holding)
    , m_sync(sync)
    , m_errors(errors)
{
}

namespace {
MasterIoManager *io(const QPointer<HoldingCoordinator> &holding)
{
    return holding ? holding->ioManager() : nullptr;
}
} // namespace

void EolCabinetLink::eolTempTestAllHeaters(bool on)
{
    if (MasterIoManager *m = io(m_holding))
        m->eolTempTestAllHeaters(on);
}

bool EolCabinetLink::eolTempTestSingleHeater(int zone, int heater)
{
    MasterIoManager *m = io(m_holding);
    return m && m->eolTempTestSingleHeater(zone, heater);
}

int EolCabinetLink::eolGetActualTemp(int zone, int heater) const
{
    MasterIoManager *m = io(m_holding);
    return m ? m->eolGetActualTemp(zone, heater) : 0;
}

QString EolCabinetLink::eolGetTempErrorDescription(int zone, int heater) const
{
    MasterIoManager *m = io(m_holding);
    return m ? m->eolGetTempErrorDescription(zone, heater) : QStringLiteral("NO ERROR");
}

void EolCabinetLink::restoreHolding()
{
    if (MasterIoManager *m = io(m_holding)) {
        emit m->ttSendRequestSignal();
        if (m_core && m_core->get_hasFan())
            m->sendAllFanTargetsRequest();
    }
    if (m_holding)
        m_holding->reStateTraysHoldTemps();
}

int EolCabinetLink::numOfNfcBoards() const
{
    MasterIoManager *m = io(m_holding);
    return m ? m->get_numOfNfcBoards() : 0;
}

bool EolCabinetLink::ioCommErrorDetected() const
{
    MasterIoManager *m = io(m_holding);
    return m && m->getIoCommErrorDetected();
}

bool EolCabinetLink::nfcErrorDetected() const
{
    MasterIoManager *m = io(m_holding);
    return m && m->getNfcErrorDetected();
}

bool EolCabinetLink::sibLinkBroken() const
{
    return m_errors && m_errors->get_sibLinkBroken();
}

bool EolCabinetLink::canLinkBroken() const
{
    return m_sync && m_sync->get_canLinkBroken();
}

quint64 EolCabinetLink::tagUidAtBin(int bin) const
{
    if (!m_holding || bin < 0 || bin >= HoldingCoordinator::MaxBins)
        return 0;
    return m_holding->getTagUidAtBin(static_cast<unsigned char>(bin));
}
