// One holding slot: assignment, preheating, the countdown with its alarms, and the record.
#include "alarmtimings.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "menumanager.h"
#include "scratchroots.h"
#include "traybarsc.h"

#include <QDateTime>
#include <QFile>
#include <QtTest>

using Pairs = QList<QPair<int, bool>>;
Q_DECLARE_METATYPE(Pairs)

namespace {
// Bins 8..11 hold, in day part 0: Patty (21: 90 s, warns after 30 s), Sausage (22: 600 s,
// no warning), the group "Breakfast meats" (Sausage at index 0), nothing.
// Day part 1: Sausage in bin 8 only. Day part 2: an empty group in 9, unknown 999 in 10.
constexpr int PattyBin = 8, SausageBin = 9, GroupBin = 10, EmptyBin = 11;
constexpr int Group = 0x40000001;
constexpr quint64 Uid = 0xA1B2C3D4E5ull;
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
    void nameFollowsTheLanguage_data();
    void nameFollowsTheLanguage();
    void preheatingFollowsTheZone_data();
    void preheatingFollowsTheZone();

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
    for (const char *name : {"menu", "dayParts"}) {
        QFile fixture(QStringLiteral(MENU_FIXTURES "/%1_holding.json").arg(QLatin1String(name)));
        QVERIFY(fixture.open(QIODevice::ReadOnly));
        QVERIFY(m_roots->writeRootFile(QStringLiteral("%1.json").arg(QLatin1String(name)), fixture.readAll()));
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
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<Pairs>("alarms");

    const QList<int> withWarning{TrayBarSc::STANDARD, TrayBarSc::WARNING, TrayBarSc::DISCARD,
                                 TrayBarSc::READY2HOLD};
    const QList<int> noWarning{TrayBarSc::STANDARD, TrayBarSc::DISCARD, TrayBarSc::READY2HOLD};
    const Pairs all{{1, true}, {2, true}, {2, false}};
    const Pairs discardOnly{{2, true}, {2, false}};
    QTest::newRow("product hold time") << PattyBin << 0 << 90 << withWarning << all;
    QTest::newRow("given seconds") << PattyBin << 75 << 75 << withWarning << all;
    // With less than the warning margin left the warning comes at the first tick.
    QTest::newRow("restart within the margin") << PattyBin << 50 << 50 << withWarning << all;
    QTest::newRow("product without warning") << SausageBin << 40 << 40 << noWarning << discardOnly;
    QTest::newRow("group member") << GroupBin << 40 << 40 << noWarning << discardOnly;
}

void TestTrayBarSc::holdWalksToDiscard()
{
    QFETCH(int, bin);
    QFETCH(int, seconds);
    QFETCH(int, holdSeconds);
    QFETCH(QList<int>, states);
    QFETCH(Pairs, alarms);

    TrayBarSc *tray = startedTray(bin, 0);
    QTRY_COMPARE(tray->get_trayState(), int(TrayBarSc::READY2HOLD));
    QSignalSpy stateSpy(tray, &TrayBarSc::trayStateChanged);
    QSignalSpy alarmSpy(tray, &TrayBarSc::requestAlarm);
    QSignalSpy started(tray, &TrayBarSc::holdStarted);
    QSignalSpy expired(tray, &TrayBarSc::holdExpired);
    QSignalSpy stopped(tray, &TrayBarSc::holdStopped);

    tray->startHolding(seconds, Uid);
    QCOMPARE(tray->get_trayState(), int(TrayBarSc::STANDARD));
    QCOMPARE(started.value(0), QVariantList({bin, QVariant::fromValue(Uid)}));
    QCOMPARE(tray->get_panUidText(), QStringLiteral("a1b2c3d4e5"));
    const trayInfo info = tray->getTrayInfo();
    QVERIFY(info.active);
    QCOMPARE(int(info.binNumber), bin);
    QCOMPARE(int(info.dayPart), 0);
    QCOMPARE(info.isGroup, bin == GroupBin);
    QCOMPARE(info.productId, bin == GroupBin ? Group : tray->get_productId());
    QCOMPARE(info.remainingTime, holdSeconds);
    QCOMPARE(int(info.trayState), int(TrayBarSc::STANDARD));
    const qint64 expected = QDateTime::currentMSecsSinceEpoch() + qint64(holdSeconds) * 1000;
    QVERIFY(qAbs(info.expectedTime - expected) < 1000);

    QTRY_COMPARE_WITH_TIMEOUT(tray->get_trayState(), int(TrayBarSc::DISCARD), 5000);
    QCOMPARE(expired.value(0), QVariantList({bin, QVariant::fromValue(Uid)}));
    QTRY_VERIFY(tray->get_remainingTime() < -2); // counts on past zero
    tray->stopHolding();

    QList<int> seen;
    for (const QVariantList &args : qAsConst(stateSpy))
        seen << args.at(0).toInt();
    QCOMPARE(seen, states);
    Pairs heard;
    for (const QVariantList &args : qAsConst(alarmSpy))
        heard << qMakePair(args.at(0).toInt(), args.at(1).toBool());
    QCOMPARE(heard, alarms);
    QCOMPARE(stopped.count(), 1);
    QCOMPARE(stopped.at(0).at(1).value<quint64>(), Uid);
    QVERIFY(stopped.at(0).at(2).toInt() < -2);
    QCOMPARE(expired.count(), 1);
    const trayInfo after = tray->getTrayInfo();
    QVERIFY(!after.active);
    QCOMPARE(after.expectedTime, qint64(0));
    QCOMPARE(tray->get_panUid(), quint64(0));
}

void TestTrayBarSc::startRefused_data()
{
    QTest::addColumn<int>("bin");
    QTest::addColumn<int>("dayPart");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QStringList>("logs");
    QTest::addColumn<int>("state");

    QTest::newRow("no product") << EmptyBin << 0 << 60
                                << QStringList{"bin 11: hold start ignored, no product assigned"}
                                << int(TrayBarSc::UNASSIGNED);
    QTest::newRow("empty group") << SausageBin << 2 << 60
                                 << QStringList{"bin 9: group 1073741826 has no member at index 0",
                                                "bin 9: hold start ignored, product 1073741826 has nothing to hold"}
                                 << int(TrayBarSc::READY2HOLD);
    QTest::newRow("unknown product") << GroupBin << 2 << 0
                                     << QStringList{"bin 10: product 999 is not in the menu",
                                                    "bin 10: hold start ignored, product 999 has nothing to hold"}
                                     << int(TrayBarSc::READY2HOLD);
}

void TestTrayBarSc::startRefused()
{
    QFETCH(int, bin);
    QFETCH(int, dayPart);
    QFETCH(int, seconds);
    QFETCH(QStringList, logs);
    QFETCH(int, state);

    for (const QString &log : logs)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(log));
    TrayBarSc *tray = startedTray(bin, dayPart);
    QTRY_COMPARE(tray->get_trayState(), state);
    QSignalSpy started(tray, &TrayBarSc::holdStarted);
    tray->startHolding(seconds, Uid);
    QTest::qWait(30); // three ticks' time: a start that slipped through would show
    QCOMPARE(started.count(), 0);
    QCOMPARE(tray->get_trayState(), state);
    QVERIFY(!tray->getTrayInfo().active);
}

void TestTrayBarSc::newDayPartWaitsForTheHoldToEnd_data()
{
    QTest::addColumn<int>("newDayPart");
    QTest::addColumn<int>("productAfter");
    QTest::addColumn<int>("stateAfter");
    QTest::addColumn<QVariantList>("tempsAfter");

    QTest::newRow("other product") << 1 << 22 << int(TrayBarSc::READY2HOLD)
                                   << QVariantList{PattyBin, 150, 185};
    QTest::newRow("bin left empty") << 2 << 0 << int(TrayBarSc::UNASSIGNED)
                                    << QVariantList{PattyBin, 0, 0};
}

void TestTrayBarSc::newDayPartWaitsForTheHoldToEnd()
{
    QFETCH(int, newDayPart);
    QFETCH(int, productAfter);
    QFETCH(int, stateAfter);
    QFETCH(QVariantList, tempsAfter);

    TrayBarSc *tray = startedTray(PattyBin, 0);
    QTRY_COMPARE(tray->get_trayState(), int(TrayBarSc::READY2HOLD));
    tray->startHolding(600, Uid);
    QSignalSpy temps(tray, &TrayBarSc::holdTempsChanged);
    tray->assignProduct(newDayPart);
    QCOMPARE(tray->get_productId(), 21);
    QCOMPARE(tray->get_productName(), QStringLiteral("Patty"));
    QCOMPARE(int(tray->getTrayInfo().dayPart), 0);
    QCOMPARE(temps.count(), 0);

    tray->stopHolding();
    QCOMPARE(tray->get_productId(), productAfter);
    QCOMPARE(tray->get_trayState(), stateAfter);
    QCOMPARE(int(tray->getTrayInfo().dayPart), newDayPart);
    QCOMPARE(temps.count(), 1);
    QCOMPARE(temps.at(0), tempsAfter);
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
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<Pairs>("alarms");

    QTest::newRow("warmed up after seconds: chime")
        << 0.01 << 40 << false << QList<int>{TrayBarSc::READY2HOLD} << Pairs{{1, true}};
    // At full scale the preheat below lasts well under a second.
    QTest::newRow("warm at once: silent")
        << 1.0 << 0 << false << QList<int>{TrayBarSc::READY2HOLD} << Pairs{};
    QTest::newRow("holding ignores the zone") << 0.01 << 40 << true << QList<int>{} << Pairs{};
}

void TestTrayBarSc::preheatingFollowsTheZone()
{
    QFETCH(double, scale);
    QFETCH(int, preheatMs);
    QFETCH(bool, holding);
    QFETCH(QList<int>, states);
    QFETCH(Pairs, alarms);

    AlarmTimings::setScale(scale);
    TrayBarSc *tray = startedTray(PattyBin, 0, true);
    QTRY_COMPARE(tray->get_trayState(), int(TrayBarSc::PREHEATING));
    if (holding)
        tray->startHolding(600, Uid);
    QSignalSpy stateSpy(tray, &TrayBarSc::trayStateChanged);
    QSignalSpy alarmSpy(tray, &TrayBarSc::requestAlarm);
    QSignalSpy exited(tray, &TrayBarSc::preheatExited);
    tray->set_zoneBelowTarget(true); // repeated: nothing new
    QTest::qWait(preheatMs);
    tray->set_zoneBelowTarget(false);

    QList<int> seen;
    for (const QVariantList &args : qAsConst(stateSpy))
        seen << args.at(0).toInt();
    QCOMPARE(seen, states);
    Pairs heard;
    for (const QVariantList &args : qAsConst(alarmSpy))
        heard << qMakePair(args.at(0).toInt(), args.at(1).toBool());
    QCOMPARE(heard, alarms);
    if (!holding) {
        QCOMPARE(exited.count(), 1);
        QCOMPARE(exited.at(0).at(1).toInt(), tray->get_heatTime());
        QCOMPARE(tray->get_heatTime() >= 1, preheatMs > 0);
        // Back below target: preheating again.
        tray->set_zoneBelowTarget(true);
        QCOMPARE(tray->get_trayState(), int(TrayBarSc::PREHEATING));
    }
}

QTEST_GUILESS_MAIN(TestTrayBarSc)
#include "tst_traybarsc.moc"
