#ifndef PROCSTAT_H
#define PROCSTAT_H

// What the benchmarks read of a child process from /proc: CPU time, peak memory and the
// wake-ups of one thread.
#include <QDir>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

namespace ProcStat {

// Run time of every thread of a process in ns; -1 when it cannot be read.
inline qint64 cpuNs(qint64 pid)
{
    const QString base = QStringLiteral("/proc/%1/task").arg(pid);
    const QStringList tasks = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (tasks.isEmpty())
        return -1;
    qint64 sum = 0;
    for (const QString &task : tasks) {
        QFile stat(base + QLatin1Char('/') + task + QStringLiteral("/schedstat"));
        if (stat.open(QIODevice::ReadOnly))
            sum += stat.readAll().split(' ').value(0).toLongLong();
    }
    return sum;
}

// Run time of a process's threads from `start()` on, counting a thread that ends in
// between: each thread's time as last seen by `sample()`, which the caller repeats often
// enough (a thread's time after its last sample is lost with it).
class ThreadClock
{
public:
    void start(qint64 pid)
    {
        m_pid = pid;
        m_first = read();
        m_last = m_first;
    }
    void sample()
    {
        const QHash<QString, qint64> now = read();
        for (auto it = now.begin(); it != now.end(); ++it)
            m_last.insert(it.key(), it.value());
    }
    // -1 before start() or when nothing could be read.
    qint64 elapsedNs() const
    {
        if (m_last.isEmpty())
            return -1;
        qint64 sum = 0;
        for (auto it = m_last.begin(); it != m_last.end(); ++it)
            sum += it.value() - m_first.value(it.key(), 0);
        return sum;
    }

private:
    QHash<QString, qint64> read() const
    {
        QHash<QString, qint64> times;
        const QString base = QStringLiteral("/proc/%1/task").arg(m_pid);
        for (const QString &task : QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile stat(base + QLatin1Char('/') + task + QStringLiteral("/schedstat"));
            if (stat.open(QIODevice::ReadOnly))
                times.insert(task, stat.readAll().split(' ').value(0).toLongLong());
        }
        return times;
    }

    qint64 m_pid = -1;
    QHash<QString, qint64> m_first;
    QHash<QString, qint64> m_last;
};

// A "Name: value ..." field of a status file as a number; -1 when absent.
inline qint64 statusField(const QString &path, const QByteArray &name)
{
    QFile status(path);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Peak resident memory (VmHWM) in KiB; -1 when it cannot be read.
inline qint64 peakKiB(qint64 pid)
{
    return statusField(QStringLiteral("/proc/%1/status").arg(pid), "VmHWM");
}

// Times the main thread (whose id is the process's) went to sleep waiting for something:
// each is one wake-up. Run time in ns of that thread alone beside it.
struct MainThread
{
    qint64 wakeUps = -1;
    qint64 cpuNs = -1;
};

inline MainThread mainThread(qint64 pid)
{
    const QString task = QStringLiteral("/proc/%1/task/%1/").arg(pid);
    MainThread m;
    m.wakeUps = statusField(task + QStringLiteral("status"), "voluntary_ctxt_switches");
    QFile stat(task + QStringLiteral("schedstat"));
    if (stat.open(QIODevice::ReadOnly))
        m.cpuNs = stat.readAll().split(' ').value(0).toLongLong();
    return m;
}

} // namespace ProcStat

#endif // PROCSTAT_H
