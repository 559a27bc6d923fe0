#include "deadlinetimer.h"
#include "fieldbuslog.h"

#include <QDebug>
#include <QSocketNotifier>
#include <QTimer>

#include <sys/timerfd.h>
#include <unistd.h>

DeadlineTimer::DeadlineTimer(QObject *parent)
    : QObject(parent)
{
    m_fd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            quint64 expirations = 0;
            if (::read(m_fd, &expirations, sizeof expirations) == sizeof expirations)
                expired();
        });
    } else {
        qCWarning(lcFieldbus) << "No timerfd; the Modbus spacing is kept in whole milliseconds";
        m_fallback = new QTimer(this);
        m_fallback->setSingleShot(true);
        m_fallback->setTimerType(Qt::PreciseTimer);
        connect(m_fallback, &QTimer::timeout, this, &DeadlineTimer::expired);
    }
}

DeadlineTimer::~DeadlineTimer()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void DeadlineTimer::start(qint64 intervalNs)
{
    intervalNs = qMax<qint64>(intervalNs, 1); // an all-zero value would disarm the timerfd
    m_active = true;
    if (m_fallback) {
        m_fallback->start(int((intervalNs + 999999) / 1000000));
        return;
    }
    itimerspec spec{};
    spec.it_value.tv_sec = time_t(intervalNs / 1000000000);
    spec.it_value.tv_nsec = long(intervalNs % 1000000000);
    if (::timerfd_settime(m_fd, 0, &spec, nullptr) != 0) {
        qCWarning(lcFieldbus) << "timerfd_settime failed; the deadline ends at once";
        QTimer::singleShot(0, this, [this] { if (m_active) expired(); });
    }
}

// A timer that is not running is left alone: its expiry was read as it fired, and a
// stop costs no system call. Setting the timerfd clears an expiry not yet read.
void DeadlineTimer::stop()
{
    if (!m_active)
        return;
    m_active = false;
    if (m_fallback) {
        m_fallback->stop();
        return;
    }
    const itimerspec disarm{};
    ::timerfd_settime(m_fd, 0, &disarm, nullptr);
}

void DeadlineTimer::expireNow()
{
    stop();
    emit timeout();
}

void DeadlineTimer::expired()
{
    if (!m_active)
        return;
    m_active = false;
    emit timeout();
}
