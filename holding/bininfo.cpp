#include "bininfo.h"

BinInfo::BinInfo(int binNumber, QObject *parent)
    : QObject(parent)
    , m_binNumber(binNumber)
{
    setObjectName(QStringLiteral("binInfo%1").arg(binNumber));
}

void BinInfo::set_targetTemp(int degrees)
{
    if (m_targetTemp == degrees)
        return;
    m_targetTemp = degrees;
    emit targetTempChanged(degrees);
}

void BinInfo::set_actualTemp(int degrees)
{
    if (m_actualTemp == degrees)
        return;
    m_actualTemp = degrees;
    emit actualTempChanged(degrees);
}

void BinInfo::set_fanTarget(int percent)
{
    if (m_fanTarget == percent)
        return;
    m_fanTarget = percent;
    emit fanTargetChanged(percent);
}
