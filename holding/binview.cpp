#include "binview.h"

#include "alarmtimings.h"
#include "secondticker.h"

#include <QDateTime>

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
    const bool stateChanged = record.trayState != m_record.trayState;
    const bool productIdChanged = record.productId != m_record.productId;
    const bool otherChanged = stateChanged || productIdChanged || record.active != m_record.active
                              || record.isGroup != m_record.isGroup;
    m_record = record;
    m_record.binNumber = quint8(m_binNumber);
    m_countDown = countDown && record.active;
    if (m_countDown) {
        m_remainingAtRecord = record.remainingTime;
        m_sinceRecord.start();
        m_byExpiry = expiryAgrees(record);
        // As the slot reckoned it at the latest second; never more than the record said
        // (a hold started within this second shows its full time, not one more).
        if (m_byExpiry) {
            const int unit = AlarmTimings::scaled(1000);
            const qint64 second = SecondTicker::secondOf(QDateTime::currentMSecsSinceEpoch(), unit);
            m_record.remainingTime = int(qMin<qint64>(record.remainingTime,
                                                      SecondTicker::unitsLeft(record.expectedTime, second, unit)));
        }
    }
    setTicking(m_ticker && record.active);
    // A step down of a running countdown waits for the shared second; a start, a stop, a
    // restart or a new state is shown with the rest of the record.
    const bool step = deferStep && m_ticking && !otherChanged && record.remainingTime < m_shown;
    if (productIdChanged)
        emit productChanged();
    if (stateChanged)
        emit trayStateChanged();
    if (otherChanged)
        emit changed();
    if (!step)
        show(m_record.remainingTime);
}

bool BinView::expiryAgrees(const trayInfo &record) const
{
    // The expiry is in real milliseconds; a shortened holding clock counts from arrival.
    if (record.expectedTime <= 0 || AlarmTimings::scaled(1000) != 1000)
        return false;
    // The slot's time left was reckoned at its second before sending: the expiry lies at
    // most that far ahead, and not a second less but for the way here. Outside that the
    // two displays' clocks differ, and the count starts from the record's arrival.
    constexpr qint64 SlackMs = 2000;
    const qint64 ahead = record.expectedTime - QDateTime::currentMSecsSinceEpoch();
    const qint64 said = qint64(record.remainingTime) * 1000;
    return ahead <= said + SlackMs && ahead > said - 1000 - SlackMs;
}

void BinView::setProduct(const QString &name, int holdTime)
{
    if (name == m_productName && holdTime == m_holdTime)
        return;
    m_productName = name;
    m_holdTime = holdTime;
    emit productChanged();
    emit changed();
}

void BinView::setMismatch(bool on)
{
    if (on == m_mismatch)
        return;
    m_mismatch = on;
    emit mismatchChanged();
    emit changed();
}

void BinView::setTimerColor(const QString &color)
{
    if (color == m_timerColor)
        return;
    m_timerColor = color;
    emit timerColorChanged();
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
    if (m_countDown && m_byExpiry && m_ticker) {
        // Never more than the record said: it was reckoned at a second before this one.
        const qint64 left = qMin<qint64>(m_remainingAtRecord,
                                         SecondTicker::unitsLeft(m_record.expectedTime, m_ticker->tickTime(), 1000));
        m_record.remainingTime = int(qMax<qint64>(left, -86400LL * 365));
    } else if (m_countDown) {
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
