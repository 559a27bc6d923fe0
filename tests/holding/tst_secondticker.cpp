#include "secondticker.h"

#include <QSignalSpy>
#include <QtTest>

// The shared second of every countdown: when it runs, and where its ticks fall.
class TestSecondTicker : public QObject
{
    Q_OBJECT

private slots:
    void runsFromFirstUserToLast_data();
    void runsFromFirstUserToLast();
    void ticksFallOnTheSecond_data();
    void ticksFallOnTheSecond();
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
    SecondTicker ticker;
    QString got;
    for (const QChar step : steps) {
        if (step == QLatin1Char('+'))
            ticker.acquire();
        else
            ticker.release();
        got += ticker.isRunning() ? QLatin1Char('1') : QLatin1Char('0');
    }
    QCOMPARE(got, running);
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

QTEST_GUILESS_MAIN(TestSecondTicker)
#include "tst_secondticker.moc"
