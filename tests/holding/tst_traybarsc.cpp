// One holding slot: assignment, preheating, the countdown with its alarms, and the record.
#include "alarmtimings.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "menumanager.h"
#include "roleitemmodel.h"
#include "scratchroots.h"
#include "secondticker.h"
#include "traybarsc.h"

#include <QDateTime>
#include <QFile>
#include <QtTest>

using Pairs = QList<QPair<int, bool>>;
Q_DECLARE_METATYPE(Pairs)

namespace {
// Bins 8..11, day part 0: Patty (21: 90 s, warns after 30 s), Sausage (22: 600 s, no
// warning), a group holding Sausage, nothing. Day part 1: Sausage in bin 8 only.
// Day part 2: an empty group in bin 9, the unknown product 999 in bin 10.
constexpr int PattyBin = 8, SausageBin = 9, GroupBin = 10, EmptyBin = 11;
constexpr quint64 Uid = 0xA1B2C3D4E5ull;
constexpr int Standard = TrayBarSc::STANDARD, Warning = TrayBarSc::WARNING, Discard = TrayBarSc::DISCARD,
              Ready = TrayBarSc::READY2HOLD, Preheating = TrayBarSc::PREHEATING;

QList<int> states(const QSignalSpy &spy)
{
    QList<int> list;
    for (const QVariantList &args : spy)
        list << args.at(0).toInt();
    return list;
}

Pairs alarms(const QSignalSpy &spy)
{
    Pairs list;
    for (const QVariantList &args : spy)
        list << qMakePair(args.at(0).toInt(), args.at(1).toBool());
    return list;
}
} // namespace

class TestTrayBarSc : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void holdWalksToDiscard_data();
    void holdWalksToDiscard();
    void startRefused_data();
    void startRefused();
    void newDayPartWaitsForTheHoldToEnd_data();
    void newDayPartWaitsForTheHoldToEnd();
    void productChangeMovesTheZone_data();
    void productChangeMovesTheZone();
    void nameFollowsTheLanguage_data();
    void nameFollowsTheLanguage();
    void preheatingFollowsTheZone_data();
    void preheatingFollowsTheZone();
    void mismatchAlarm();
    void resumeEntersItsStage_data();
    void resumeEntersItsStage();
    void countdownKeepsToItsExpiry_data();
    void countdownKeepsToItsExpiry();

private:
    TrayBarSc *startedTray(int bin, int dayPart, bool zoneBelow = false);

    QScopedPointer<ScratchRoots> m_roots;
    QScopedPointer<FakeCabinetCore> m_core;
};

void TestTrayBarSc::init()
{
    AlarmTimings::setScale(0.01);
    m_roots.reset(new ScratchRoots);
    m_core.reset(new FakeCabinetCore);
    auto *menu = new MenuManager(m_core.data());
    auto *dayParts = new DayPartManager(5, 4, menu, m_core.data());
    m_core->menuManagerPtr = menu;
    m_core->daypartManagerPtr = dayParts;
    for (const QString name : {"menu", "dayParts"}) {
        QFile fixture(QStringLiteral(MENU_FIXTURES "/%1_holding.json").arg(name));
        QVERIFY(fixture.open(QIODevice::ReadOnly));
        QVERIFY(m_roots->writeRootFile(name + ".json", fixture.readAll()));
    }
    menu->menuLoadJsonDocFile();
    dayParts->dayPartsLoadJsonDocFile();
}

void TestTrayBarSc::cleanup()
{
    m_core.reset();
    m_roots.reset();
    AlarmTimings::setScale(1.0);
}

TrayBarSc *TestTrayBarSc::startedTray(int bin, int dayPart, bool zoneBelow)
{
    auto *tray = new TrayBarSc(bin, m_core.data());
    tray->set_zoneBelowTarget(zoneBelow);
    tray->assignProduct(dayPart);
    tray->start();
    return tray;
}

void TestTrayBarSc::holdWalksToDiscard_data()
{
    QTest::addColumn<int>("bin");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("holdSeconds");
    QTest::addColumn<QList<int>>("walk");
    QTest::addColumn<Pairs>("heard");

    const QList<int> warned{Standard, Warning, Discard, Ready}, unwarned{Standard, Discard, Ready};
    const Pairs all{{1, true}, {2, true}, {2, false}}, discardOnly{{2, true}, {2, false}};
    QTest::newRow("product hold time") << PattyBin << 0 << 90 << warned << all;
    QTest::newRow("given seconds") << PattyBin << 75 << 75 << warned << all;
    // With less than the warning margin left the warning comes at the first tick.
    QTest::newRow("restart within the margin") << PattyBin << 50 << 50 << warned << all;
    QTest::newRow("product without warning") << SausageBin << 40 << 40 << unwarned << discardOnly;
    QTest::newRow("group member") << GroupBin << 40 << 40 << unwarned << discardOnly;
}

void TestTrayBarSc::holdWalksToDiscard()
{
    QFETCH(int, bin);
    QFETCH(int, seconds);
    QFETCH(int, holdSeconds);

    TrayBarSc *tray = startedTray(bin, 0);
    QTRY_COMPARE(tray->get_trayState(), Ready);
    QSignalSpy stateSpy(tray, &TrayBarSc::trayStateChanged);
    QSignalSpy alarmSpy(tray, &TrayBarSc::requestAlarm);
    QSignalSpy started(tray, &TrayBarSc::holdStarted);
    QSignalSpy expired(tray, &TrayBarSc::holdExpired);
    QSignalSpy stopped(tray, &TrayBarSc::holdStopped);

    tray->startHolding(seconds, Uid);
    const qint64 expectedEnd = QDateTime::currentMSecsSinceEpoch() + qint64(holdSeconds) * 1000;
    const QVariantList binAndUid{bin, QVariant::fromValue(Uid)};
    QCOMPARE(started.value(0), binAndUid);
    QCOMPARE(tray->get_panUidText(), QStringLiteral("a1b2c3d4e5"));
    trayInfo info = tray->getTrayInfo();
    QVERIFY(info.active && info.binNumber == bin && info.dayPart == 0 && info.trayState == Standard);
    QCOMPARE(info.isGroup, bin == GroupBin);
    QCOMPARE(info.productId, tray->get_productId());
    QCOMPARE(info.remainingTime, holdSeconds);
    QVERIFY(qAbs(info.expectedTime - expectedEnd) < 30);

    QTRY_COMPARE_WITH_TIMEOUT(tray->get_trayState(), Discard, 5000);
    QCOMPARE(expired.value(0), binAndUid);
    QTRY_VERIFY(tray->get_remainingTime() < -2); // counts on past zero
    tray->stopHolding();

    QTEST(states(stateSpy), "walk");
    QTEST(alarms(alarmSpy), "heard");
    QCOMPARE(stopped.count() + expired.count(), 2);
    QCOMPARE(stopped.at(0).mid(0, 2), binAndUid);
    QVERIFY(stopped.at(0).at(2).toInt() < -2);
    info = tray->getTrayInfo();
    QVERIFY(!info.active && info.remainingTime == 0 && info.expectedTime == 0 && tray->get_panUid() == 0);
}

void TestTrayBarSc::startRefused_data()
{
    QTest::addColumn<int>("bin");
    QTest::addColumn<int>("dayPart");
    QTest::addColumn<QStringList>("logs");
    QTest::addColumn<int>("state");

    QTest::newRow("no product") << EmptyBin << 0
        << QStringList{"bin 11: hold start ignored, no product assigned"} << int(TrayBarSc::UNASSIGNED);
    QTest::newRow("empty group") << SausageBin << 2
        << QStringList{"bin 9: group 1073741826 has no member at index 0",
                       "bin 9: hold start ignored, product 1073741826 has nothing to hold"} << Ready;
    QTest::newRow("unknown product") << GroupBin << 2
        << QStringList{"bin 10: product 999 is not in the menu",
                       "bin 10: hold start ignored, product 999 has nothing to hold"} << Ready;
}

void TestTrayBarSc::startRefused()
{
    QFETCH(int, bin);
    QFETCH(int, dayPart);
    QFETCH(QStringList, logs);

    for (const QString &log : logs)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(log));
    TrayBarSc *tray = startedTray(bin, dayPart);
    QTRY_VERIFY(tray->get_isRunning());
    QSignalSpy started(tray, &TrayBarSc::holdStarted);
    tray->startHolding(60, Uid);
    QTest::qWait(30); // three ticks' time: a start that slipped through would show
    QCOMPARE(started.count(), 0);
    QTEST(tray->get_trayState(), "state");
}

void TestTrayBarSc::newDayPartWaitsForTheHoldToEnd_data()
{
    QTest::addColumn<int>("newDayPart");
    QTest::addColumn<int>("productAfter");
    QTest::addColumn<int>("stateAfter");
    QTest::addColumn<QVariantList>("holdAfter"); // hold time, warning time, the temps it asks for

    QTest::newRow("other product") << 1 << 22 << Ready << QVariantList{600, 0, PattyBin, 150, 185};
    QTest::newRow("bin left empty") << 2 << 0 << int(TrayBarSc::UNASSIGNED) << QVariantList{0, 0, PattyBin, 0, 0};
    QTest::newRow("day part out of range") << 10 << 21 << Ready << QVariantList{90, 30};
}

void TestTrayBarSc::newDayPartWaitsForTheHoldToEnd()
{
    QFETCH(int, newDayPart);
    QFETCH(QVariantList, holdAfter);

    TrayBarSc *tray = startedTray(PattyBin, 0);
    QTRY_COMPARE(tray->get_trayState(), Ready);
    tray->startHolding(600, Uid);
    QSignalSpy temps(tray, &TrayBarSc::holdTempsChanged);
    if (newDayPart == 10)
        QTest::ignoreMessage(QtWarningMsg, "bin 8: day part 10 out of range, product kept");
    tray->assignProduct(newDayPart);
    QCOMPARE(tray->get_productId(), 21);
    QCOMPARE(tray->get_productName(), QStringLiteral("Patty"));
    QCOMPARE(temps.count(), 0);

    tray->stopHolding();
    QTEST(tray->get_productId(), "productAfter");
    QTEST(tray->get_trayState(), "stateAfter");
    QCOMPARE(int(tray->getTrayInfo().dayPart), newDayPart == 10 ? 0 : newDayPart);
    QCOMPARE(QVariantList({tray->get_holdTime(), tray->get_warningTime()}), holdAfter.mid(0, 2));
    QCOMPARE(temps.value(0), holdAfter.mid(2));
}

void TestTrayBarSc::productChangeMovesTheZone_data()
{
    // Sausage (22) in bin 8 after Patty (21: 160/170 F, no fan speed), edited first.
    QTest::addColumn<QVariantList>("sausage"); // lower, upper, fan speed
    QTest::addColumn<QVariantList>("temps");   // what holdTempsChanged carries, empty: nothing
    QTest::addColumn<QVariantList>("fan");     // what fanSpeedChanged carries, empty: nothing

    QTest::newRow("both temperatures") << QVariantList{150, 185, 0} << QVariantList{PattyBin, 150, 185} << QVariantList{};
    QTest::newRow("lower only") << QVariantList{150, 170, 0} << QVariantList{PattyBin, 150, 170} << QVariantList{};
    QTest::newRow("upper only") << QVariantList{160, 185, 0} << QVariantList{PattyBin, 160, 185} << QVariantList{};
    QTest::newRow("fan speed only") << QVariantList{160, 170, 80} << QVariantList{} << QVariantList{PattyBin, 80};
    QTest::newRow("fan speed above 100") << QVariantList{160, 170, 250} << QVariantList{} << QVariantList{PattyBin, 100};
}

// The zone hears of every change of what its tray's product asks for, and only then.
void TestTrayBarSc::productChangeMovesTheZone()
{
    QFETCH(QVariantList, sausage);
    QFETCH(QVariantList, temps);
    QFETCH(QVariantList, fan);

    RoleItemModel *products = m_core->menuManagerPtr->productsModel();
    const QModelIndex row = products->index(m_core->menuManagerPtr->getProductIndex(22), 0);
    products->setData(row, sausage.at(0), MenuManager::LowerTempRole);
    products->setData(row, sausage.at(1), MenuManager::UpperTempRole);
    products->setData(row, sausage.at(2), MenuManager::TargetFanSpeedRole);
    TrayBarSc *tray = startedTray(PattyBin, 0);
    QTRY_COMPARE(tray->get_trayState(), Ready);
    QSignalSpy tempsSpy(tray, &TrayBarSc::holdTempsChanged);
    QSignalSpy fanSpy(tray, &TrayBarSc::fanSpeedChanged);
    tray->assignProduct(1);
    QCOMPARE(tray->get_productId(), 22);
    QCOMPARE(tempsSpy.count(), temps.isEmpty() ? 0 : 1);
    QCOMPARE(tempsSpy.value(0), temps);
    QCOMPARE(fanSpy.count(), fan.isEmpty() ? 0 : 1);
    QCOMPARE(fanSpy.value(0), fan);
}

void TestTrayBarSc::nameFollowsTheLanguage_data()
{
    QTest::addColumn<int>("bin");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");

    QTest::newRow("spanish") << PattyBin << 1 << "Carne";
    QTest::newRow("no french name: plain name") << PattyBin << 2 << "Patty";
    QTest::newRow("group shows its member") << GroupBin << 1 << "Salchicha";
    QTest::newRow("language out of range") << SausageBin << 99 << "Sausage";
}

void TestTrayBarSc::nameFollowsTheLanguage()
{
    QFETCH(int, bin);
    QFETCH(int, language);
    QFETCH(QString, name);

    TrayBarSc *tray = startedTray(bin, 0);
    const QString before = tray->get_productName();
    QSignalSpy spy(tray, &TrayBarSc::productNameChanged);
    tray->languageChanged(language);
    QCOMPARE(tray->get_productName(), name);
    QCOMPARE(spy.count(), name == before ? 0 : 1);
}

void TestTrayBarSc::preheatingFollowsTheZone_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("preheatMs");
    QTest::addColumn<bool>("holding");
    QTest::addColumn<QList<int>>("walk");
    QTest::addColumn<Pairs>("heard");

    QTest::newRow("warmed up after seconds: chime") << 0.01 << 40 << false << QList<int>{Ready} << Pairs{{1, true}};
    // At full scale the preheat lasts well under a second.
    QTest::newRow("warm at once: silent") << 1.0 << 0 << false << QList<int>{Ready} << Pairs{};
    QTest::newRow("holding ignores the zone") << 0.01 << 40 << true << QList<int>{} << Pairs{};
}

void TestTrayBarSc::preheatingFollowsTheZone()
{
    QFETCH(double, scale);
    QFETCH(int, preheatMs);
    QFETCH(bool, holding);

    AlarmTimings::setScale(scale);
    TrayBarSc *tray = startedTray(PattyBin, 0, true);
    QTRY_COMPARE(tray->get_trayState(), Preheating);
    if (holding)
        tray->startHolding(600, Uid);
    QSignalSpy stateSpy(tray, &TrayBarSc::trayStateChanged);
    QSignalSpy alarmSpy(tray, &TrayBarSc::requestAlarm);
    QSignalSpy exited(tray, &TrayBarSc::preheatExited);
    tray->set_zoneBelowTarget(true); // repeated: nothing new
    QTest::qWait(preheatMs);
    tray->set_zoneBelowTarget(false);

    QTEST(states(stateSpy), "walk");
    QTEST(alarms(alarmSpy), "heard");
    if (!holding) {
        QCOMPARE(exited.value(0), QVariantList({PattyBin, tray->get_heatTime()}));
        QCOMPARE(tray->get_heatTime() >= 1, preheatMs > 0);
        tray->set_zoneBelowTarget(true);
        QCOMPARE(tray->get_trayState(), Preheating);
    }
}

void TestTrayBarSc::mismatchAlarm()
{
    TrayBarSc *tray = startedTray(PattyBin, 0);
    QSignalSpy alarmSpy(tray, &TrayBarSc::requestAlarm);
    for (bool universal : {false, true}) {
        tray->setMismatch(true, universal);
        tray->setMismatch(true, universal); // still the same pan: no second alarm
        QVERIFY(tray->get_mismatch());
        tray->setMismatch(false, universal);
        QVERIFY(!tray->get_mismatch());
    }
    QCOMPARE(alarms(alarmSpy), Pairs({{3, true}, {3, false}, {4, true}, {4, false}}));
}



// A hold that ran before a restart goes on where it was, with its own product.
void TestTrayBarSc::resumeEntersItsStage_data()
{
    QTest::addColumn<int>("bin");
    QTest::addColumn<int>("dayPart");     // in force when the hold resumes
    QTest::addColumn<int>("product");
    QTest::addColumn<int>("secondsLeft");
    QTest::addColumn<bool>("expiryReported");
    QTest::addColumn<bool>("resumed");
    QTest::addColumn<int>("state");       // the first one entered
    QTest::addColumn<int>("expiredEvents");
    QTest::addColumn<int>("productAfter"); // once stopped

    QTest::newRow("time left") << PattyBin << 0 << 21 << 80 << false << true << Standard << 0 << 21;
    QTest::newRow("within the warning margin") << PattyBin << 0 << 21 << 40 << false << true << Warning << 0 << 21;
    QTest::newRow("ran out while the power was off") << PattyBin << 0 << 21 << -5 << false << true << Discard << 1 << 21;
    QTest::newRow("ran out and reported before") << PattyBin << 0 << 21 << -5 << true << true << Discard << 0 << 21;
    QTest::newRow("the day part in force assigns another product") << PattyBin << 1 << 21 << 80 << false << true
                                                                      << Standard << 0 << 22;
    QTest::newRow("the day part in force leaves the bin empty") << EmptyBin << 0 << 22 << 500 << false << true
                                                                   << Standard << 0 << 0;
    QTest::newRow("product no longer in the menu") << PattyBin << 0 << 999 << 80 << false << false << Ready << 0 << 21;
}

void TestTrayBarSc::resumeEntersItsStage()
{
    QFETCH(int, bin);
    QFETCH(int, dayPart);
    QFETCH(int, product);
    QFETCH(int, secondsLeft);
    QFETCH(bool, expiryReported);
    QFETCH(bool, resumed);
    QFETCH(int, state);
    QFETCH(int, expiredEvents);
    QFETCH(int, productAfter);

    if (!resumed)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("product 999 is not in the menu"));
    TrayBarSc *tray = startedTray(bin, dayPart);
    QTRY_VERIFY(tray->get_trayState() == Ready || tray->get_trayState() == TrayBarSc::UNASSIGNED);
    QSignalSpy stateSpy(tray, &TrayBarSc::trayStateChanged);
    QSignalSpy expired(tray, &TrayBarSc::holdExpired);
    QCOMPARE(tray->resumeHolding(product, 0, secondsLeft, Uid, expiryReported), resumed);
    // The day part's assignment reaching the bin meanwhile waits for the hold's end.
    tray->assignProduct(dayPart);
    QTRY_COMPARE(tray->get_trayState(), state);
    if (!resumed) {
        QVERIFY(stateSpy.isEmpty());
        return;
    }
    QCOMPARE(states(stateSpy).value(0), state);
    QCOMPARE(tray->get_productId(), product);
    QCOMPARE(tray->get_panUid(), Uid);
    QVERIFY(qAbs(tray->getTrayInfo().remainingTime - secondsLeft) <= 2);
    QTRY_COMPARE_WITH_TIMEOUT(tray->get_trayState(), Discard, 10000);
    QTest::qWait(30);
    QCOMPARE(expired.count(), expiredEvents + (secondsLeft > 0 ? 1 : 0));
    tray->stopHolding();
    QTRY_COMPARE(tray->get_productId(), productAfter);
}

void TestTrayBarSc::countdownKeepsToItsExpiry_data()
{
    QTest::addColumn<bool>("shared"); // the cabinet's second, else the slot's own
    QTest::addColumn<int>("lateMs");  // the program busy elsewhere: a wake-up comes this late
    QTest::newRow("its own second") << false << 0;
    QTest::newRow("the cabinet's second") << true << 0;
    QTest::newRow("woken four and a half seconds late") << true << 225;
    QTest::newRow("its own second, woken late") << false << 225;
}

// The time left follows the hold's expiry, however late the seconds come, and the slot
// needs the shared second only while it holds.
void TestTrayBarSc::countdownKeepsToItsExpiry()
{
    QFETCH(bool, shared);
    QFETCH(int, lateMs);
    AlarmTimings::setScale(0.05); // seconds of 50 ms: a late check is not taken for a lost second
    SecondTicker ticker;
    TrayBarSc *tray = startedTray(SausageBin, 0);
    if (shared)
        tray->setSecondTicker(&ticker);
    QTRY_COMPARE(tray->get_trayState(), Ready);
    tray->startHolding(600, Uid);
    QElapsedTimer since;
    since.start();
    QCOMPARE(ticker.users(), shared ? 1 : 0);
    QTest::qWait(275);
    QThread::msleep(ulong(lateMs));
    QSignalSpy moved(tray, &TrayBarSc::remainingTimeChanged);
    QVERIFY(moved.wait(1000));
    const int byClock = 600 - int(since.elapsed() / AlarmTimings::scaled(1000));
    QVERIFY2(qAbs(tray->get_remainingTime() - byClock) <= 1,
             qPrintable(QStringLiteral("%1 s left, %2 by the clock").arg(tray->get_remainingTime()).arg(byClock)));
    tray->stopHolding();
    QCOMPARE(ticker.users(), 0);
    delete tray; // before the ticker it was given
}

QTEST_GUILESS_MAIN(TestTrayBarSc)
#include "tst_traybarsc.moc"
