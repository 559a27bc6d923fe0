#include "qmodbuspollinfo.h"

#include <QtGlobal>

QModbusPollInfo::QModbusPollInfo(int registerCount, QObject *parent)
    : QObject(parent)
    , m_registers(qMax(0, registerCount), 0)
{
}

quint16 QModbusPollInfo::get_register(int index) const
{
    return (index >= 0 && index < m_registers.size()) ? m_registers.at(index) : 0;
}

bool QModbusPollInfo::set_register(int index, quint16 value)
{
    if (index < 0 || index >= m_registers.size())
        return false;
    m_registers[index] = value;
    return true;
}

void QModbusPollInfo::set_replyTimeout(int milliseconds)
{
    m_replyTimeoutMs = qBound(MinReplyTimeoutMs, milliseconds, MaxReplyTimeoutMs);
}

void QModbusPollInfo::setState(QModbusPollStateEnum state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void QModbusPollInfo::markQueued()
{
    setState(QMBS_WAITING_IN_QUEUE);
}

void QModbusPollInfo::markIssued()
{
    setState(QMBS_REQUEST_ISSUED);
    emit pollRequestIssued();
}

void QModbusPollInfo::resolveGood(const QVector<quint16> &values)
{
    // A read fills the leading registers; the master never asks for more than the list holds.
    const int n = qMin(values.size(), m_registers.size());
    for (int i = 0; i < n; ++i)
        m_registers[i] = values.at(i);
    m_exceptionCode = 0;
    setState(QMBS_REPLY_GOOD);
    emit pollReplyGood();
}

void QModbusPollInfo::resolveTimedOut()
{
    setState(QMBS_REPLY_TIMEDOUT);
    emit pollReplyTimedOut();
}

void QModbusPollInfo::resolveError(quint8 exceptionCode)
{
    m_exceptionCode = exceptionCode;
    setState(QMBS_REPLY_ERROR);
    emit pollReplyError();
}

void QModbusPollInfo::resolveCanceled()
{
    setState(QMBS_REQUEST_CANCELED);
    emit pollRequestCanceled();
}
