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

    // Milliseconds from `nowMs` (epoch) to the next whole `unitMs`; a boundary closer than
    // a twentieth of a unit counts as the one just served, as timers may fire a little early.
    static int delayToNext(qint64 nowMs, int unitMs);

signals:
    void tick();

private:
    void arm();
    void fire();

    QTimer m_timer;
    int m_users = 0;
};

#endif // SECONDTICKER_H
