// What the main screen draws while the cabinet only holds: the composition root against
// the simulated IO board on a 5 x 2 single-display NFC cabinet (bins 0-2 and 5-9 hold
// product 21 for 90 s, bin 3 product 22 for 600 s). The holding clock runs 2.5 times
// fast; the IO-board and reader polls keep their own pace. Frames are counted as the
// window swaps them, offscreen with the software scene graph.
#include "alarmtimings.h"
#include "binview.h"
#include "cabinetmanager.h"
#include "holdingcoordinator.h"
#include "ioboardsimulator.h"
#include "mastersync.h"
#include "holdingroot.h"
#include "scratchroots.h"
#include "secondticker.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

namespace {

constexpr double Scale = 0.4;
constexpr int Unit = 400;  // ms of a holding second at that scale
constexpr int Seconds = 3; // holding seconds measured
constexpr int QuietMs = 2500; // measured with nothing holding
constexpr double MaxFramesPerSecond = 1.2;

// Waits, events running, until the wall clock is `ms` into its (holding) second.
void waitUntilInSecond(int ms)
{
    const qint64 into = QDateTime::currentMSecsSinceEpoch() % Unit;
    QTest::qWait(int((ms - into + Unit) % Unit));
}

QQuickItem *findItem(QQuickItem *item, const QString &name)
{
    if (item->objectName() == name)
        return item;
    for (QQuickItem *child : item->childItems()) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

// The tile's countdown: minutes keep counting past the hour.
QString countdown(int seconds)
{
    const int total = qAbs(seconds);
    return QStringLiteral("%1%2:%3")
        .arg(seconds < 0 ? QStringLiteral("-") : QString())
        .arg(total / 60, 2, 10, QLatin1Char('0'))
        .arg(total % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

class TestIdleScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void tickerWakesOnTheSecond_data();
    void tickerWakesOnTheSecond();
    void recordsReachTheTile_data();
    void recordsReachTheTile();
    void tileHearsWhatChanged_data();
    void tileHearsWhatChanged();
    void otherDisplayCountsFromTheExpiry_data();
    void otherDisplayCountsFromTheExpiry();
    void framesFollowTheCountdowns_data();
    void framesFollowTheCountdowns();

private:
    QQuickItem *binTimer(int bin) const;

    QScopedPointer<ScratchRoots> m_scratch;
    QScopedPointer<CabinetManager> m_cm;
    QQuickWindow *m_window = nullptr;
    QString m_cwd;
};

// One cabinet for every case: each leaves nothing holding.
void TestIdleScreen::initTestCase()
{
    AlarmTimings::setScale(Scale);
    m_cwd = QDir::currentPath();
    m_scratch.reset(new ScratchRoots);
    QVERIFY(installHoldingRoot(*m_scratch));
    m_cm.reset(new CabinetManager(0, 7));
    QVERIFY(m_cm->ioSimulator());
    for (int heater = 0; heater < 10; ++heater)
        m_cm->ioSimulator()->setTemperature(heater, 160);
    m_cm->ioSimulator()->setAmbientTemperature(80);
    m_window = qobject_cast<QQuickWindow *>(m_cm->qmlEngine()->rootObjects().value(0));
    QVERIFY(m_window);
    QTRY_VERIFY_WITH_TIMEOUT(m_cm->masterSync()->get_synced(), 30000);
    for (int bin : {0, 1, 2, 3, 5, 6, 7, 8, 9})
        QTRY_COMPARE_WITH_TIMEOUT(m_cm->get_trayState(bin), 4, 10000); // warmed up: ready to hold
    // Start-up done and drawn: a second without a frame.
    int frames = 0;
    connect(m_window, &QQuickWindow::frameSwapped, this, [&] { ++frames; });
    for (int waited = 0; waited < 20000; waited += 1000) {
        frames = 0;
        QTest::qWait(1000);
        if (frames == 0)
            break;
    }
    disconnect(m_window, &QQuickWindow::frameSwapped, this, nullptr);
}

void TestIdleScreen::cleanupTestCase()
{
    m_window = nullptr;
    m_cm.reset();
    QDir::setCurrent(m_cwd);
    m_scratch.reset();
}

QQuickItem *TestIdleScreen::binTimer(int bin) const
{
    QQuickItem *tile = findItem(m_window->contentItem(), QStringLiteral("binItem%1").arg(bin));
    return tile ? findItem(tile, QStringLiteral("binTimer")) : nullptr;
}

void TestIdleScreen::tickerWakesOnTheSecond_data()
{
    QTest::addColumn<qint64>("now");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("delay");
    QTest::newRow("mid-second") << qint64(1700000000250) << 1000 << 750;
    QTest::newRow("just after the second") << qint64(1700000000001) << 1000 << 999;
    QTest::newRow("on the second: the next one") << qint64(1700000000000) << 1000 << 1000;
    QTest::newRow("woken a little early: not twice") << qint64(1699999999990) << 1000 << 1010;
    QTest::newRow("shortened clock") << qint64(1700000000130) << 200 << 70;
    QTest::newRow("before 1970") << qint64(-250) << 1000 << 250;
}

void TestIdleScreen::tickerWakesOnTheSecond()
{
    QFETCH(qint64, now);
    QFETCH(int, unit);
    QFETCH(int, delay);
    QCOMPARE(SecondTicker::delayToNext(now, unit), delay);
}

namespace {
trayInfo record(int state, int remaining)
{
    trayInfo r;
    r.productId = 21;
    r.trayState = quint8(state);
    r.active = state >= 5;
    r.remainingTime = remaining;
    return r;
}
} // namespace

// A bin's records as the tile sees them: what shows at once, what at the next second.
void TestIdleScreen::recordsReachTheTile_data()
{
    QTest::addColumn<QString>("source"); // "slot", "given" (shown as is), "other display"
    QTest::addColumn<int>("state");      // first record: holding (6) with 100 s left
    QTest::addColumn<int>("nextState");
    QTest::addColumn<int>("nextRemaining");
    QTest::addColumn<int>("shownAtOnce");
    QTest::addColumn<int>("shownAtTheSecond");
    QTest::addColumn<bool>("changed");   // the tile hears of a new state
    QTest::addColumn<bool>("ticking");   // the bin still needs the ticker
    QTest::newRow("slot: a step waits for the second") << "slot" << 6 << 6 << 99 << 100 << 99 << false << true;
    QTest::newRow("slot: two steps as well") << "slot" << 6 << 6 << 98 << 100 << 98 << false << true;
    QTest::newRow("slot: warning shows at once") << "slot" << 6 << 7 << 99 << 99 << 99 << true << true;
    QTest::newRow("slot: a restart shows at once") << "slot" << 6 << 6 << 900 << 900 << 900 << false << true;
    QTest::newRow("slot: a stop shows at once") << "slot" << 6 << 4 << 0 << 0 << 0 << true << false;
    QTest::newRow("given: shown as it comes") << "given" << 6 << 6 << 99 << 99 << 99 << false << true;
    QTest::newRow("other display: counts down itself") << "other display" << 6 << 6 << 100 << 100 << 99 << false << true;
    QTest::newRow("other display: a stop ends the count") << "other display" << 6 << 4 << 0 << 0 << 0 << true << false;
}

void TestIdleScreen::recordsReachTheTile()
{
    QFETCH(QString, source);
    QFETCH(int, state);
    QFETCH(int, nextState);
    QFETCH(int, nextRemaining);
    QFETCH(int, shownAtOnce);
    QFETCH(int, shownAtTheSecond);
    QFETCH(bool, changed);
    QFETCH(bool, ticking);

    SecondTicker ticker;
    BinView view(0, source == QLatin1String("slot"), &ticker);
    const auto feed = [&](const trayInfo &r) {
        if (source == QLatin1String("slot"))
            view.setSlotRecord(r);
        else
            view.setRecord(r, source == QLatin1String("other display"));
    };
    feed(record(state, 100));
    QCOMPARE(view.get_remainingTime(), 100);
    QCOMPARE(ticker.users(), 1);

    QSignalSpy changes(&view, &BinView::changed);
    feed(record(nextState, nextRemaining));
    QCOMPARE(view.get_remainingTime(), shownAtOnce);
    QCOMPARE(changes.count() > 0, changed);
    QCOMPARE(ticker.users(), ticking ? 1 : 0);
    QCOMPARE(ticker.isRunning(), ticking);

    if (source == QLatin1String("other display"))
        QTest::qWait(Unit + Unit / 4); // a holding second since its last record
    emit ticker.tick();
    QCOMPARE(view.get_remainingTime(), shownAtTheSecond);
}

// Each value of a bin tells its own change: a tile re-reads what changed and nothing else,
// and a value whose signal stays silent would stay stale on the screen.
void TestIdleScreen::tileHearsWhatChanged_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("heard"); // of product, state, mismatch, colour, changed
    const QStringList none;
    QTest::newRow("countdown step") << "remaining" << none;
    QTest::newRow("state step") << "state" << QStringList{"state", "changed"};
    QTest::newRow("other product") << "productId" << QStringList{"product", "changed"};
    QTest::newRow("product renamed") << "name" << QStringList{"product", "changed"};
    QTest::newRow("same name again") << "same name" << none;
    QTest::newRow("wrong pan") << "mismatch" << QStringList{"mismatch", "changed"};
    QTest::newRow("timer colour") << "colour" << QStringList{"colour", "changed"};
}

void TestIdleScreen::tileHearsWhatChanged()
{
    QFETCH(QString, change);
    QFETCH(QStringList, heard);

    BinView view(0, false, nullptr);
    view.setRecord(record(6, 100), false);
    view.setProduct(QStringLiteral("Patty"), 900);
    QSignalSpy product(&view, &BinView::productChanged);
    QSignalSpy state(&view, &BinView::trayStateChanged);
    QSignalSpy mismatch(&view, &BinView::mismatchChanged);
    QSignalSpy colour(&view, &BinView::timerColorChanged);
    QSignalSpy changed(&view, &BinView::changed);

    trayInfo next = record(6, 100);
    if (change == QLatin1String("remaining"))
        next.remainingTime = 99;
    else if (change == QLatin1String("state"))
        next.trayState = 7;
    else if (change == QLatin1String("productId"))
        next.productId = 22;
    if (change == QLatin1String("name"))
        view.setProduct(QStringLiteral("Chicken"), 900);
    else if (change == QLatin1String("same name"))
        view.setProduct(QStringLiteral("Patty"), 900);
    else if (change == QLatin1String("mismatch"))
        view.setMismatch(true);
    else if (change == QLatin1String("colour"))
        view.setTimerColor(QStringLiteral("#ff0000"));
    else
        view.setRecord(next, false);

    QStringList got;
    if (!product.isEmpty())
        got << QStringLiteral("product");
    if (!state.isEmpty())
        got << QStringLiteral("state");
    if (!mismatch.isEmpty())
        got << QStringLiteral("mismatch");
    if (!colour.isEmpty())
        got << QStringLiteral("colour");
    if (!changed.isEmpty())
        got << QStringLiteral("changed");
    QCOMPARE(got, heard);
    // The property system names the same signals, which is what the tiles listen to.
    const QMetaObject *meta = view.metaObject();
    QCOMPARE(meta->property(meta->indexOfProperty("trayState")).notifySignal().name(), QByteArray("trayStateChanged"));
    QCOMPARE(meta->property(meta->indexOfProperty("productName")).notifySignal().name(), QByteArray("productChanged"));
    QCOMPARE(meta->property(meta->indexOfProperty("productId")).notifySignal().name(), QByteArray("productChanged"));
    QCOMPARE(meta->property(meta->indexOfProperty("mismatch")).notifySignal().name(), QByteArray("mismatchChanged"));
    QCOMPARE(meta->property(meta->indexOfProperty("timerColor")).notifySignal().name(), QByteArray("timerColorChanged"));
}

// The other display's record carries the hold's expiry: the tile reckons from it as the
// slot does, at the whole seconds of the wall clock, unless the clocks plainly disagree.
void TestIdleScreen::otherDisplayCountsFromTheExpiry_data()
{
    QTest::addColumn<int>("expiryMs");  // from the wall second the record comes in
    QTest::addColumn<int>("remaining"); // what the record says
    QTest::addColumn<int>("shownAtOnce");
    QTest::addColumn<int>("shownAtTheSecond"); // the next one
    QTest::newRow("a record of this second") << 99500 << 100 << 100 << 99;
    QTest::newRow("a record a second late: the expiry wins") << 98500 << 100 << 99 << 98;
    QTest::newRow("a hold started within this second shows its full time") << 100300 << 100 << 100 << 100;
    QTest::newRow("clocks ten seconds apart: counted from its arrival") << 110000 << 100 << 100 << 99;
}

void TestIdleScreen::otherDisplayCountsFromTheExpiry()
{
    QFETCH(int, expiryMs);
    QFETCH(int, remaining);
    AlarmTimings::setScale(1); // the expiry is in real milliseconds
    const auto now = [] { return QDateTime::currentMSecsSinceEpoch(); };
    SecondTicker ticker;
    BinView view(0, false, &ticker);
    QTest::qWait(int((1100 - now() % 1000) % 1000)); // early in a second
    const qint64 second = now() - now() % 1000;
    trayInfo r = record(6, remaining);
    r.expectedTime = second + expiryMs;
    view.setRecord(r, true);
    const int atOnce = view.get_remainingTime();
    QTest::qWait(int(second + 1150 - now()));
    emit ticker.tick();
    const int atTheSecond = view.get_remainingTime();
    AlarmTimings::setScale(Scale);
    QTEST(atOnce, "shownAtOnce");
    QTEST(atTheSecond, "shownAtTheSecond");
    QCOMPARE(view.record().remainingTime, atTheSecond);
}

void TestIdleScreen::framesFollowTheCountdowns_data()
{
    QTest::addColumn<QList<int>>("bins");      // started, in this order
    QTest::addColumn<QList<int>>("phases");    // ms into the wall second of each start
    QTest::addColumn<QList<int>>("stopped");   // stopped again before measuring
    QTest::newRow("nothing holding") << QList<int>() << QList<int>() << QList<int>();
    QTest::newRow("one bin") << QList<int>{1} << QList<int>{200} << QList<int>();
    QTest::newRow("every bin, started across the second")
        << QList<int>{0, 1, 2, 3, 5, 6, 7, 8, 9} << QList<int>{80, 110, 140, 170, 200, 230, 260, 290, 320}
        << QList<int>();
    QTest::newRow("started and stopped again") << QList<int>{0, 5} << QList<int>{100, 300} << QList<int>{0, 5};
}

void TestIdleScreen::framesFollowTheCountdowns()
{
    QFETCH(QList<int>, bins);
    QFETCH(QList<int>, phases);
    QFETCH(QList<int>, stopped);
    HoldingCoordinator *holding = m_cm->holding();
    for (int bin : bins)
        QTRY_COMPARE_WITH_TIMEOUT(m_cm->get_trayState(bin), 4, 10000); // ready to hold

    // Each bin starts at its own point of the second, as the cook taps them.
    QHash<int, QElapsedTimer> since;
    for (int i = 0; i < bins.size(); ++i) {
        waitUntilInSecond(phases.at(i));
        holding->toggleBin(bins.at(i));
        since[bins.at(i)].start();
        QCOMPARE(m_cm->get_trayState(bins.at(i)), 6); // holding, standard
    }
    for (int bin : stopped) {
        holding->toggleBin(bin);
        since.remove(bin);
    }
    QCOMPARE(holding->secondTicker()->isRunning(), !since.isEmpty());

    // At every shared second each countdown shows the time its bin has left by the holding
    // logic's own clock, whatever point of the second the bin started at.
    QStringList wrong;
    int seconds = 0;
    QMetaObject::Connection check
        = connect(holding->secondTicker(), &SecondTicker::tick, this, [&] {
              ++seconds;
              for (auto it = since.cbegin(); it != since.cend(); ++it) {
                  const int left = holding->getTrayInfo(it.key()).remainingTime;
                  QQuickItem *timer = binTimer(it.key());
                  const QString shown = timer ? timer->property("text").toString() : QStringLiteral("(no tile)");
                  if (shown != countdown(left))
                      wrong << QStringLiteral("bin %1: %2, not %3").arg(it.key()).arg(shown, countdown(left));
              }
          });

    // Measured from mid-second to mid-second, once what the starts changed is drawn; with
    // nothing holding, over as many real seconds.
    waitUntilInSecond(Unit / 2);
    int frames = 0;
    QMetaObject::Connection count = connect(m_window, &QQuickWindow::frameSwapped, this, [&] { ++frames; });
    QTest::qWait(since.isEmpty() ? QuietMs : Seconds * Unit);
    disconnect(count);
    disconnect(check);
    for (auto it = since.cbegin(); it != since.cend(); ++it)
        holding->toggleBin(it.key());

    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    if (since.isEmpty()) {
        QCOMPARE(seconds, 0);
        QCOMPARE(frames, 0);
    } else {
        QVERIFY2(frames <= int(MaxFramesPerSecond * Seconds), qPrintable(QString::number(frames)));
        QVERIFY2(frames >= Seconds - 1, qPrintable(QString::number(frames)));
        QVERIFY(seconds >= Seconds - 1);
    }
}

QTEST_MAIN(TestIdleScreen)
#include "tst_idlescreen.moc"
