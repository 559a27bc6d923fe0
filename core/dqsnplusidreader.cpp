#include "dqsnplusidreader.h"

DqsnPlusIDReader::DqsnPlusIDReader(QObject *parent)
    : QObject(parent)
{
}

void DqsnPlusIDReader::set_displayId(int displayId)
{
    m_displayId = displayId;
    emit displayIdChanged(m_displayId);
}

void DqsnPlusIDReader::set_orientationId(int orientationId)
{
    m_orientationId = orientationId;
    emit orientationIdChanged(m_orientationId);
}
