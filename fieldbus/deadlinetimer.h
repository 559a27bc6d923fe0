#ifndef DEADLINETIMER_H
#define DEADLINETIMER_H

#include <QObject>

class QSocketNotifier;
class QTimer;

// A single-shot timer on the monotonic clock with nanosecond deadlines. Qt's timers
// wake the event loop only on whole milliseconds, late by up to one; a timerfd watched by
// a socket notifier wakes it when the deadline passes. Without a timerfd it falls back to
// a precise QTimer rounded up to the next millisecond.
class DeadlineTimer : public QObject
{
    Q_OBJECT

public:
    explicit DeadlineTimer(QObject *parent = nullptr);
    ~DeadlineTimer() override;

    void start(qint64 intervalNs); // restarts when running
    void stop();
    // Ends the deadline now, in the caller's turn of the event loop: one that has already
    // passed needs no wake-up of its own.
    void expireNow();
    bool isActive() const { return m_active; }

signals:
    void timeout();

private:
    void expired();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_fallback = nullptr;
    bool m_active = false;
};

#endif // DEADLINETIMER_H
