#ifndef BURSTTRIM_H
#define BURSTTRIM_H

#include <QObject>

#include <functional>

class QTimer;

// Hands the memory a burst of inbound messages left behind back to the system. Parsing a
// flood of cloud messages spreads small blocks over the heap; once freed, the allocator
// keeps those pages. After a burst of at least `burstSize` messages and `quietMs` without
// one, the heap's free pages are released once.
class BurstTrim : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultBurst = 500;
    static constexpr int DefaultQuietMs = 2000;

    explicit BurstTrim(QObject *parent = nullptr);

    // One message taken in.
    void note();

    void setBurstSize(int messages) { m_burstSize = messages; }
    void setQuietMs(int ms);
    // What releases the memory (malloc_trim by default); for tests.
    void setTrim(std::function<void()> trim) { m_trim = std::move(trim); }

signals:
    void trimmed(int messages);

private:
    void quiet();

    QTimer *m_quiet;
    std::function<void()> m_trim;
    int m_burstSize = DefaultBurst;
    int m_count = 0;
};

#endif // BURSTTRIM_H
