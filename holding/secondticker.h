#ifndef SECONDTICKER_H
#define SECONDTICKER_H

#include <QObject>
#include <QTimer>

// One wake-up per whole second of the wall clock, shared by every countdown on the
// screen: the tiles then change together and the scene is drawn once a second, however
// many bins hold and whenever each hold began. It runs only while someone needs it.
class SecondTicker : public QObject
{
    Q_OBJECT
public:
    explicit SecondTicker(QObject *parent = nullptr);

    // Counted: the ticker runs from the first acquire to the matching last release.
    void acquire();
    void release();
    int users() const { return m_users; }
    bool isRunning() const { return m_timer.isActive(); }

    // The wall-clock second (epoch ms) the latest tick served; before the first tick, the
    // second now under way. Countdowns reckoned from it agree wherever they are shown.
    qint64 tickTime() const;

    // Milliseconds from `nowMs` (epoch) to the next whole `unitMs`; a boundary closer than
    // a twentieth of a unit counts as the one just served, as timers may fire a little early.
    static int delayToNext(qint64 nowMs, int unitMs);
    // The whole `unitMs` a tick woken at `nowMs` serves: the one just passed, or the one
    // less than a twentieth of a unit ahead.
    static qint64 secondOf(qint64 nowMs, int unitMs);
    // Whole units left at `atMs` until `expiryMs`, rounded up (negative once past): how
    // every countdown is reckoned, so that two displays agree to the second.
    static qint64 unitsLeft(qint64 expiryMs, qint64 atMs, int unitMs);

signals:
    // The holding logic's second: the countdowns move on. Always before tick(), so what
    // they change is on the screen in the same second.
    void advance();
    // The screen's second: what the countdowns show is taken.
    void tick();

private:
    void arm();
    void fire();

    QTimer m_timer;
    int m_users = 0;
    qint64 m_tickTime = -1;
};

#endif // SECONDTICKER_H
