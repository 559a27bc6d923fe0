#include "binview.h"

#include "alarmtimings.h"
#include "secondticker.h"

BinView::BinView(int binNumber, bool local, SecondTicker *ticker, QObject *parent)
    : QObject(parent)
    , m_binNumber(binNumber)
    , m_local(local)
    , m_ticker(ticker)
{
    m_record.binNumber = quint8(binNumber);
}

BinView::~BinView()
{
    setTicking(false);
}

int BinView::get_productId() const
{
    return m_record.productId;
}

void BinView::setRecord(const trayInfo &record, bool countDown)
{
    take(record, countDown, false);
}

void BinView::setSlotRecord(const trayInfo &record)
{
    take(record, false, true);
}

void BinView::take(const trayInfo &record, bool countDown, bool deferStep)
{
    const bool otherChanged = record.trayState != m_record.trayState || record.productId != m_record.productId
                              || record.active != m_record.active || record.isGroup != m_record.isGroup;
    m_record = record;
    m_record.binNumber = quint8(m_binNumber);
    m_countDown = countDown && record.active;
    if (m_countDown) {
        m_remainingAtRecord = record.remainingTime;
        m_sinceRecord.start();
    }
    setTicking(m_ticker && record.active);
    // A step down of a running countdown waits for the shared second; a start, a stop, a
    // restart or a new state is shown with the rest of the record.
    const bool step = deferStep && m_ticking && !otherChanged && record.remainingTime < m_shown;
    if (otherChanged)
        emit changed();
    if (!step)
        show(record.remainingTime);
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

void BinView::setTicking(bool on)
{
    if (on == m_ticking || !m_ticker)
        return;
    m_ticking = on;
    if (on) {
        connect(m_ticker, &SecondTicker::tick, this, &BinView::onSecond);
        m_ticker->acquire();
    } else {
        disconnect(m_ticker, &SecondTicker::tick, this, &BinView::onSecond);
        m_ticker->release();
    }
}

void BinView::onSecond()
{
    if (m_countDown) {
        const qint64 seconds = m_sinceRecord.elapsed() / AlarmTimings::scaled(1000);
        m_record.remainingTime = int(qMax<qint64>(m_remainingAtRecord - seconds, -86400LL * 365));
    }
    show(m_record.remainingTime);
}

void BinView::show(int seconds)
{
    if (seconds == m_shown)
        return;
    m_shown = seconds;
    emit remainingTimeChanged(seconds);
}
