#include "binview.h"

#include "alarmtimings.h"

BinView::BinView(int binNumber, bool local, QObject *parent)
    : QObject(parent)
    , m_binNumber(binNumber)
    , m_local(local)
{
    m_record.binNumber = quint8(binNumber);
    m_tick.setInterval(AlarmTimings::scaled(1000));
    connect(&m_tick, &QTimer::timeout, this, &BinView::tick);
}

int BinView::get_productId() const
{
    return m_record.productId;
}

void BinView::setRecord(const trayInfo &record, bool countDown)
{
    const bool remainingChanged = record.remainingTime != m_record.remainingTime;
    const bool otherChanged = record.trayState != m_record.trayState || record.productId != m_record.productId
                              || record.active != m_record.active || record.isGroup != m_record.isGroup;
    m_record = record;
    m_record.binNumber = quint8(m_binNumber);
    if (countDown && record.active) {
        m_remainingAtRecord = record.remainingTime;
        m_sinceRecord.start();
        m_tick.setInterval(AlarmTimings::scaled(1000));
        m_tick.start();
    } else {
        m_tick.stop();
    }
    if (otherChanged)
        emit changed();
    if (remainingChanged)
        emit remainingTimeChanged(m_record.remainingTime);
}

void BinView::setProduct(const QString &name, int holdTime)
{
    if (name == m_productName && holdTime == m_holdTime)
        return;
    m_productName = name;
    m_holdTime = holdTime;
    emit changed();
}

void BinView::setMismatch(bool on)
{
    if (on == m_mismatch)
        return;
    m_mismatch = on;
    emit changed();
}

void BinView::setTimerColor(const QString &color)
{
    if (color == m_timerColor)
        return;
    m_timerColor = color;
    emit changed();
}

void BinView::tick()
{
    const qint64 seconds = m_sinceRecord.elapsed() / AlarmTimings::scaled(1000);
    const int remaining = int(qMax<qint64>(m_remainingAtRecord - seconds, -86400LL * 365));
    if (remaining == m_record.remainingTime)
        return;
    m_record.remainingTime = remaining;
    emit remainingTimeChanged(remaining);
}
