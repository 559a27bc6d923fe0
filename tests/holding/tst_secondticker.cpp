#include "alarmtimings.h"
#include "secondticker.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QtTest>

// The shared second of every countdown: when it runs, and where its ticks fall.
class TestSecondTicker : public QObject
{
    Q_OBJECT

private slots:
    void init() { AlarmTimings::setScale(1); }
    void cleanup() { AlarmTimings::setScale(1); }
    void runsFromFirstUserToLast_data();
    void runsFromFirstUserToLast();
    void ticksFallOnTheSecond_data();
    void ticksFallOnTheSecond();
    void ticksMeetTheWallClockSecond_data();
    void ticksMeetTheWallClockSecond();
    void tickServesOneSecond_data();
    void tickServesOneSecond();
    void countdownsReckonFromTheExpiry_data();
    void countdownsReckonFromTheExpiry();
    void countdownsMoveBeforeTheScreen_data();
    void countdownsMoveBeforeTheScreen();
};

void TestSecondTicker::runsFromFirstUserToLast_data()
{
    // '+' a user comes, '-' one leaves; after each step whether the ticker runs.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("running");
    QTest::newRow("one user") << "+-" << "10";
    QTest::newRow("two users: runs until the last leaves") << "++--" << "1110";
    QTest::newRow("a leave with nobody there changes nothing") << "-+-" << "010";
    QTest::newRow("back after a stop") << "+-+" << "101";
    QTest::newRow("an extra leave does not stop a later user") << "+--+" << "1001";
}

void TestSecondTicker::runsFromFirstUserToLast()
{
    QFETCH(QString, steps);
    QFETCH(QString, running);
    AlarmTimings::setScale(0.02); // a second of 20 ms
    SecondTicker ticker;
    // After each step: whether the timer is armed, and whether ticks really keep coming.
    QString armed;
    QString ticking;
    for (const QChar step : steps) {
        if (step == QLatin1Char('+'))
            ticker.acquire();
        else
            ticker.release();
        armed += ticker.isRunning() ? QLatin1Char('1') : QLatin1Char('0');
        // Two ticks, not one: each tick must arm the next. A stopped ticker is given ten
        // of its seconds to tick wrongly.
        QSignalSpy ticks(&ticker, &SecondTicker::tick);
        for (QDeadlineTimer deadline(ticker.isRunning() ? 5000 : 200); ticks.count() < 2 && !deadline.hasExpired();)
            QTest::qWait(5);
        ticking += ticks.count() >= 2 ? QLatin1Char('1') : QLatin1Char('0');
        if (!running.startsWith(ticking))
            break;
    }
    QCOMPARE(armed, running.left(armed.size()));
    QCOMPARE(ticking, running);
}

void TestSecondTicker::ticksFallOnTheSecond_data()
{
    QTest::addColumn<qint64>("nowMs");
    QTest::addColumn<int>("unitMs");
    QTest::addColumn<int>("delayMs");
    QTest::newRow("on the second: the next one") << qint64(5000) << 1000 << 1000;
    QTest::newRow("half way") << qint64(5500) << 1000 << 500;
    QTest::newRow("50 ms before: still this one") << qint64(5950) << 1000 << 50;
    QTest::newRow("49 ms before: taken as served") << qint64(5951) << 1000 << 1049;
    QTest::newRow("1 ms before") << qint64(5999) << 1000 << 1001;
    QTest::newRow("before 1970") << qint64(-250) << 1000 << 250;
    QTest::newRow("a scaled second") << qint64(1030) << 100 << 70;
    QTest::newRow("no unit") << qint64(1234) << 0 << 1;
}

void TestSecondTicker::ticksFallOnTheSecond()
{
    QFETCH(qint64, nowMs);
    QFETCH(int, unitMs);
    QFETCH(int, delayMs);
    QCOMPARE(SecondTicker::delayToNext(nowMs, unitMs), delayMs);
}

void TestSecondTicker::ticksMeetTheWallClockSecond_data()
{
    QTest::addColumn<int>("tick"); // which tick is compared
    QTest::newRow("the first tick") << 1;
    QTest::newRow("a later tick, armed by the one before") << 3;
}

// The tick is set against another timer aimed at the same second of the wall clock: on a
// busy machine both come late together, so the two are compared rather than the clock.
void TestSecondTicker::ticksMeetTheWallClockSecond()
{
    QFETCH(int, tick);
    const auto now = [] { return QDateTime::currentMSecsSinceEpoch(); };
    QTimer other;
    other.setSingleShot(true);
    other.setTimerType(Qt::PreciseTimer);
    qint64 otherAt = -1;
    qint64 tickAt = -1;
    connect(&other, &QTimer::timeout, this, [&] { otherAt = now(); });
    const auto aimOther = [&] { other.start(int(1000 - now() % 1000)); };

    SecondTicker ticker;
    int seen = 0;
    connect(&ticker, &SecondTicker::tick, this, [&] {
        if (++seen == tick)
            tickAt = now();
        else if (seen == tick - 1)
            aimOther();
    });
    // Started close before a second, the ticker may leave that second to the next tick while
    // the other timer takes it: the two would then fire apart and meet load apart.
    while (now() % 1000 > 800)
        QTest::qWait(10);
    if (tick == 1)
        aimOther();
    ticker.acquire();
    QTRY_VERIFY_WITH_TIMEOUT(tickAt >= 0 && otherAt >= 0, 15000);
    // Whole seconds apart at most: a second due within 50 ms is left to the next tick.
    const qint64 off = ((tickAt - otherAt) % 1000 + 1000) % 1000;
    QVERIFY2(qMin(off, 1000 - off) <= 50, qPrintable(QStringLiteral("%1 ms off the second").arg(qMin(off, 1000 - off))));
}

void TestSecondTicker::tickServesOneSecond_data()
{
    // Which second a tick woken at `nowMs` serves: the same edge as the delay to the next.
    QTest::addColumn<qint64>("nowMs");
    QTest::addColumn<int>("unitMs");
    QTest::addColumn<qint64>("second");
    QTest::newRow("on the second") << qint64(5000) << 1000 << qint64(5000);
    QTest::newRow("woken late") << qint64(5300) << 1000 << qint64(5000);
    QTest::newRow("50 ms early: the one before, the next tick takes it") << qint64(5950) << 1000 << qint64(5000);
    QTest::newRow("49 ms early: served now") << qint64(5951) << 1000 << qint64(6000);
    QTest::newRow("before 1970") << qint64(-250) << 1000 << qint64(-1000);
    QTest::newRow("a scaled second") << qint64(1030) << 100 << qint64(1000);
    QTest::newRow("no unit") << qint64(1234) << 0 << qint64(1234);
}

void TestSecondTicker::tickServesOneSecond()
{
    QFETCH(qint64, nowMs);
    QFETCH(int, unitMs);
    QFETCH(qint64, second);
    QCOMPARE(SecondTicker::secondOf(nowMs, unitMs), second);
    // Whatever second it serves, the next tick serves the one after.
    const int unit = qMax(1, unitMs);
    QCOMPARE(SecondTicker::secondOf(nowMs + SecondTicker::delayToNext(nowMs, unitMs), unitMs), second + unit);
}

void TestSecondTicker::countdownsReckonFromTheExpiry_data()
{
    QTest::addColumn<qint64>("expiryMs");
    QTest::addColumn<qint64>("atMs");
    QTest::addColumn<int>("unitMs");
    QTest::addColumn<qint64>("left");
    QTest::newRow("whole seconds") << qint64(10000) << qint64(5000) << 1000 << qint64(5);
    QTest::newRow("a millisecond before the expiry") << qint64(10000) << qint64(9999) << 1000 << qint64(1);
    QTest::newRow("a part second counts whole") << qint64(10001) << qint64(5000) << 1000 << qint64(6);
    QTest::newRow("at the expiry") << qint64(10000) << qint64(10000) << 1000 << qint64(0);
    QTest::newRow("within the first second past") << qint64(10000) << qint64(10999) << 1000 << qint64(0);
    QTest::newRow("a second past") << qint64(10000) << qint64(11000) << 1000 << qint64(-1);
    QTest::newRow("a second and a half past") << qint64(10000) << qint64(11500) << 1000 << qint64(-1);
    QTest::newRow("a scaled second") << qint64(1000) << qint64(750) << 100 << qint64(3);
    QTest::newRow("no unit: milliseconds") << qint64(1000) << qint64(750) << 0 << qint64(250);
}

void TestSecondTicker::countdownsReckonFromTheExpiry()
{
    QFETCH(qint64, expiryMs);
    QFETCH(qint64, atMs);
    QFETCH(int, unitMs);
    QTEST(SecondTicker::unitsLeft(expiryMs, atMs, unitMs), "left");
}

void TestSecondTicker::countdownsMoveBeforeTheScreen_data()
{
    QTest::addColumn<int>("ticks");
    QTest::newRow("the first tick") << 1;
    QTest::newRow("later ticks") << 3;
}

// Each tick: the countdowns first, then the screen, both for the wall second it serves.
void TestSecondTicker::countdownsMoveBeforeTheScreen()
{
    QFETCH(int, ticks);
    SecondTicker ticker;
    // Before its first tick: the second under way.
    const qint64 first = ticker.tickTime();
    QCOMPARE(first % 1000, 0);
    QVERIFY(QDateTime::currentMSecsSinceEpoch() - first < 1000);
    AlarmTimings::setScale(0.05); // a second of 50 ms
    const int unit = AlarmTimings::scaled(1000);
    QStringList order;
    QList<qint64> served;
    connect(&ticker, &SecondTicker::tick, this, [&] { order << QStringLiteral("tick"); });
    connect(&ticker, &SecondTicker::advance, this, [&] {
        order << QStringLiteral("advance");
        served << ticker.tickTime();
        QVERIFY(qAbs(QDateTime::currentMSecsSinceEpoch() - ticker.tickTime()) < unit);
    });
    ticker.acquire();
    QTRY_VERIFY_WITH_TIMEOUT(order.size() >= 2 * ticks, 5000);
    ticker.release();
    for (int i = 0; i < ticks; ++i)
        QCOMPARE(order.mid(2 * i, 2), QStringList({QStringLiteral("advance"), QStringLiteral("tick")}));
    for (int i = 0; i < ticks; ++i) {
        QCOMPARE(served.at(i) % unit, 0);
        if (i > 0)
            QVERIFY(served.at(i) > served.at(i - 1));
    }
}

QTEST_GUILESS_MAIN(TestSecondTicker)
#include "tst_secondticker.moc"
