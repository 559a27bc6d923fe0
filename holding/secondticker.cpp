#include "secondticker.h"

#include "alarmtimings.h"

#include <QDateTime>

SecondTicker::SecondTicker(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    // A coarse timer may wake up to 5 % off the second and split the tiles' redraws.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SecondTicker::fire);
}

void SecondTicker::acquire()
{
    if (m_users++ == 0)
        arm();
}

void SecondTicker::release()
{
    if (m_users == 0)
        return;
    if (--m_users == 0)
        m_timer.stop();
}

qint64 SecondTicker::tickTime() const
{
    return m_tickTime >= 0 ? m_tickTime
                           : secondOf(QDateTime::currentMSecsSinceEpoch(), AlarmTimings::scaled(1000));
}

int SecondTicker::delayToNext(qint64 nowMs, int unitMs)
{
    const qint64 unit = qMax(1, unitMs);
    const qint64 into = ((nowMs % unit) + unit) % unit; // before 1970 as well
    qint64 delay = unit - into;
    if (delay < unit / 20)
        delay += unit;
    return int(delay);
}

qint64 SecondTicker::secondOf(qint64 nowMs, int unitMs)
{
    // The same twentieth as delayToNext(): a second it leaves to the next tick is not
    // claimed by this one, and one it counts as served is.
    const qint64 unit = qMax(1, unitMs);
    const qint64 into = ((nowMs % unit) + unit) % unit;
    return nowMs - into + (unit - into < unit / 20 ? unit : 0);
}

qint64 SecondTicker::unitsLeft(qint64 expiryMs, qint64 atMs, int unitMs)
{
    const qint64 unit = qMax(1, unitMs);
    const qint64 ms = expiryMs - atMs;
    return ms > 0 ? (ms + unit - 1) / unit : -(-ms / unit);
}

void SecondTicker::arm()
{
    // Re-armed from the wall clock each time: a clock set forward or back costs at most
    // one uneven second, never a drift.
    m_timer.start(delayToNext(QDateTime::currentMSecsSinceEpoch(), AlarmTimings::scaled(1000)));
}

void SecondTicker::fire()
{
    if (m_users == 0)
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const int unit = AlarmTimings::scaled(1000);
    m_tickTime = secondOf(now, unit);
    m_timer.start(delayToNext(now, unit));
    emit advance();
    emit tick();
}
