// The polls of the master display at their cadence, in one process against the simulated
// IO board and NFC readers on a 5 x 2 NFC cabinet, without the screen: over a few
// seconds no timer of the IO-board manager fires more often than its poll asks, and the
// Modbus spacing is timed only for a request that waits for it.
#include "cabinetmanager.h"
#include "deadlinetimer.h"
#include "holdingroot.h"
#include "mastersync.h"
#include "qmodbusmaster.h"
#include "scratchroots.h"

#include <QElapsedTimer>
#include <QState>
#include <QTimer>
#include <QtTest>

namespace {
constexpr int WindowMs = 3000;
} // namespace

class TestPollCadence : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("TUL_NO_SCENE", "1");
        m_scratch.reset(new ScratchRoots);
        QVERIFY(installHoldingRoot(*m_scratch));
        m_cm.reset(new CabinetManager(0, 7));
        QTRY_VERIFY_WITH_TIMEOUT(m_cm->masterSync()->get_synced(), 10000);
        // Past the start-up's first round of requests.
        QTest::qWait(1000);
    }

    void cleanupTestCase()
    {
        m_cm.reset();
        m_scratch.reset();
        qunsetenv("TUL_NO_SCENE");
    }

    // Firings over the window, against the most the poll's period allows (one more for
    // a window that starts just before a firing, the period less a coarse timer's 5 %). The spacing has no period of its own:
    // each of its ends must find a request waiting, or it woke the program for nothing.
    void timersKeepTheirPollsCadence_data()
    {
        QTest::addColumn<QString>("timer");
        QTest::addColumn<int>("periodMs"); // 0: the Modbus spacing
        QTest::newRow("set points") << QStringLiteral("setPointTimer") << 500;
        QTest::newRow("zone monitor, after each reply") << QStringLiteral("temperaturePollTimer") << 800;
        QTest::newRow("fans and ambient") << QStringLiteral("fanAmbientPollTimer") << 1000;
        QTest::newRow("IO-board status") << QStringLiteral("statusPollTimer") << 1500;
        QTest::newRow("NFC readers, two") << QStringLiteral("nfcPollTimer") << 250;
        QTest::newRow("Modbus spacing") << QStringLiteral("modbusGapTimer") << 0;
    }

    void timersKeepTheirPollsCadence()
    {
        QFETCH(QString, timer);
        QFETCH(int, periodMs);
        int fired = 0, forNothing = 0;
        int transactions = 0;
        bool enteredThisTurn = false; // a transaction began earlier in this turn of the loop
        // Checks posted to it run after the turn that posted them, and never after this row.
        QObject turns;
        QList<QMetaObject::Connection> counting;
        if (periodMs > 0) {
            auto *t = m_cm->findChild<QTimer *>(timer);
            QVERIFY(t);
            QVERIFY(t->isActive() || t->isSingleShot());
            counting << connect(t, &QTimer::timeout, this, [&] { ++fired; });
        } else {
            // The request a gap held back goes out as the gap ends, in the same turn of
            // the event loop (before or after this test hears of the gap's end). Turns,
            // not milliseconds: a loaded machine may stop the program between the two.
            auto *gap = m_cm->findChild<DeadlineTimer *>(timer);
            QVERIFY(gap);
            auto *master = m_cm->findChild<QModbusMaster *>();
            QVERIFY(master);
            counting << connect(gap, &DeadlineTimer::timeout, this, [&] {
                ++fired;
                const int before = transactions;
                const bool sentBefore = enteredThisTurn;
                QMetaObject::invokeMethod(&turns, [&, before, sentBefore] {
                    if (!sentBefore && transactions == before)
                        ++forNothing;
                }, Qt::QueuedConnection);
            });
            counting << connect(master, &QModbusMaster::stateEntered, this, [&](QModbusMaster::State state) {
                if (state != QModbusMaster::Transaction)
                    return;
                ++transactions;
                enteredThisTurn = true;
                QMetaObject::invokeMethod(&turns, [&] { enteredThisTurn = false; }, Qt::QueuedConnection);
            });
        }
        QElapsedTimer clock;
        clock.start();
        // A plain event loop: qWait sleeps 10 ms between its looks at the events.
        QEventLoop loop;
        QTimer::singleShot(WindowMs, &loop, &QEventLoop::quit);
        loop.exec();
        const qint64 elapsed = clock.elapsed();
        for (const QMetaObject::Connection &c : qAsConst(counting))
            disconnect(c);
        QCoreApplication::sendPostedEvents(&turns, QEvent::MetaCall);
        if (periodMs > 0) {
            QVERIFY2(fired > 0, "the poll did not run");
            // Qt's coarse timers may fire up to 5 % early, never more often than that.
            QVERIFY2(fired <= elapsed * 100 / (periodMs * 95) + 1,
                     qPrintable(QStringLiteral("%1 firings in %2 ms").arg(fired).arg(elapsed)));
        } else {
            QVERIFY2(forNothing == 0,
                     qPrintable(QStringLiteral("%1 of %2 gaps ended with nothing to send").arg(forNothing).arg(fired)));
        }
    }

private:
    QScopedPointer<ScratchRoots> m_scratch;
    QScopedPointer<CabinetManager> m_cm;
};

QTEST_MAIN(TestPollCadence)
#include "tst_pollcadence.moc"
