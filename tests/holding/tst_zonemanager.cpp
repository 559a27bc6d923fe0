// One zone: targets from its trays' products, heating and ready, temperature errors and
// the day part its trays hold.
#include "alarmtimings.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "menumanager.h"
#include "roleitemmodel.h"
#include "scratchroots.h"
#include "traybarsc.h"
#include "zonemanager.h"

#include <QFile>
#include <QtTest>

namespace {
// Zone 2 is bins 8..11. Day part 0: Patty (160/170), Sausage (150/185), a group holding
// Sausage, nothing. Day part 1: Sausage in bin 8 only. Day part 2: an empty group and an
// unknown product, neither asking for heat.
constexpr int Zone = 2;

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(MENU_FIXTURES "/%1_holding.json").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void expectDay2Logs()
{
    QTest::ignoreMessage(QtWarningMsg, "bin 9: group 1073741826 has no member at index 0");
    QTest::ignoreMessage(QtWarningMsg, "bin 10: product 999 is not in the menu");
}
} // namespace

class TestZoneManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void targetsAndHeating_data();
    void targetsAndHeating();
    void temperatureErrorsAfterTheHoldOff_data();
    void temperatureErrorsAfterTheHoldOff();
    void fanTargetFromTheTrays_data();
    void fanTargetFromTheTrays();
    void dayPartChanges_data();
    void dayPartChanges();

private:
    ZoneManager *startedZone(bool createTrays = true);

    QScopedPointer<ScratchRoots> m_roots;
    QScopedPointer<FakeCabinetCore> m_core;
    DayPartManager *m_dayParts = nullptr;
};

void TestZoneManager::init()
{
    AlarmTimings::setScale(0.001);
    m_roots.reset(new ScratchRoots);
    m_core.reset(new FakeCabinetCore);
    auto *menu = new MenuManager(m_core.data());
    m_dayParts = new DayPartManager(5, 4, menu, m_core.data());
    m_core->menuManagerPtr = menu;
    m_core->daypartManagerPtr = m_dayParts;
    QVERIFY(m_roots->writeRootFile("menu.json", fixture("menu")));
    QVERIFY(m_roots->writeRootFile("dayParts.json", fixture("dayParts")));
    menu->menuLoadJsonDocFile();
    m_dayParts->dayPartsLoadJsonDocFile();
}

void TestZoneManager::cleanup()
{
    m_core.reset();
    m_roots.reset();
    AlarmTimings::setScale(1.0);
}

ZoneManager *TestZoneManager::startedZone(bool createTrays)
{
    auto *zone = new ZoneManager(Zone, 8, 4, createTrays, m_core.data());
    zone->start();
    for (TrayBarSc *tray : zone->trays())
        tray->start();
    return zone;
}

void TestZoneManager::targetsAndHeating_data()
{
    QTest::addColumn<bool>("createTrays");
    QTest::addColumn<int>("dayPart");
    QTest::addColumn<QList<int>>("actual");
    QTest::addColumn<QList<int>>("targets");
    QTest::addColumn<bool>("heating");

    QTest::newRow("cold") << true << 0 << QList<int>{0, 0} << QList<int>{160, 185} << true;
    QTest::newRow("both just within 10") << true << 0 << QList<int>{150, 175} << QList<int>{160, 185} << false;
    QTest::newRow("lower 11 under") << true << 0 << QList<int>{149, 185} << QList<int>{160, 185} << true;
    QTest::newRow("upper 11 under") << true << 0 << QList<int>{160, 174} << QList<int>{160, 185} << true;
    QTest::newRow("one product") << true << 1 << QList<int>{145, 180} << QList<int>{150, 185} << false;
    QTest::newRow("nothing that heats") << true << 2 << QList<int>{0, 0} << QList<int>{0, 0} << false;
    QTest::newRow("mirror display") << false << 0 << QList<int>{0, 0} << QList<int>{0, 0} << false;
}

void TestZoneManager::targetsAndHeating()
{
    QFETCH(bool, createTrays);
    QFETCH(int, dayPart);
    QFETCH(QList<int>, actual);
    QFETCH(QList<int>, targets);
    QFETCH(bool, heating);

    ZoneManager *zone = startedZone(createTrays);
    QTRY_VERIFY(zone->get_isRunning());
    QSignalSpy spy(zone, &ZoneManager::targetTempsChanged);
    zone->set_actualTemps(actual.at(0), actual.at(1));
    if (dayPart == 2)
        expectDay2Logs();
    zone->set_nextDayPart(dayPart);
    // One change for the whole day part, not one per tray.
    const QVariantList change{Zone, targets.at(0), targets.at(1)};
    QCOMPARE(QList<QVariantList>(spy), targets.at(0) ? QList<QVariantList>{change} : QList<QVariantList>());
    QCOMPARE(zone->get_targetTempsList(), targets);
    const QString state = targets.at(0) ? (heating ? "zoneHeating" : "zoneReady") : "zoneOff";
    QCOMPARE((*zone->configuration().begin())->objectName(), state);
    QList<int> trayStates;
    for (const TrayBarSc *tray : zone->trays())
        trayStates << tray->get_trayState();
    const int assigned = heating ? TrayBarSc::PREHEATING : TrayBarSc::READY2HOLD;
    const int none = TrayBarSc::UNASSIGNED;
    const QList<int> byDayPart[] = {{assigned, assigned, assigned, none},
                                    {assigned, none, none, none},
                                    {none, TrayBarSc::READY2HOLD, TrayBarSc::READY2HOLD, none}};
    QCOMPARE(trayStates, createTrays ? byDayPart[dayPart] : QList<int>{});

    // Asked again, the trays repeat their temperatures and nothing changes; warm, they are ready.
    zone->reStateHoldTemps();
    QCOMPARE(spy.count(), targets.at(0) ? 1 : 0);
    zone->set_actualTemps(targets.at(0), targets.at(1));
    if (createTrays && dayPart != 2)
        QCOMPARE(zone->trays().at(0)->get_trayState(), int(TrayBarSc::READY2HOLD));
}

void TestZoneManager::temperatureErrorsAfterTheHoldOff_data()
{
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<bool>("backEarly");
    QTest::addColumn<QVariantList>("error"); // the quadruple and its hold-off

    const int low = ZoneManager::ZoneErrorHoldOffMs;
    const int high = ZoneManager::TooHighHoldOffMs;
    QTest::newRow("too low") << 100 << 185 << false << QVariantList{3, 0, Zone, 100, low};
    QTest::newRow("upper too low") << 160 << 159 << false << QVariantList{3, 0, Zone, 159, low};
    QTest::newRow("too high") << 186 << 185 << false << QVariantList{3, 1, Zone, 186, high};
    QTest::newRow("upper too high") << 160 << 211 << false << QVariantList{3, 1, Zone, 211, high};
    QTest::newRow("just inside the band") << 135 << 210 << false << QVariantList{};
    QTest::newRow("back before the hold-off") << 100 << 185 << true << QVariantList{};
}

void TestZoneManager::temperatureErrorsAfterTheHoldOff()
{
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(bool, backEarly);
    QFETCH(QVariantList, error);

    ZoneManager *zone = startedZone();
    zone->set_nextDayPart(0);
    zone->set_actualTemps(160, 185);
    QSignalSpy raised(zone, &ZoneManager::zoneErrorInfo);
    QSignalSpy cleared(zone, &ZoneManager::zoneErrorClearInfo);
    QElapsedTimer clock;
    clock.start();
    zone->set_actualTemps(lower, upper);
    const int lowHoldOff = AlarmTimings::scaled(ZoneManager::ZoneErrorHoldOffMs);
    if (error.isEmpty()) {
        if (backEarly) {
            QTest::qWait(lowHoldOff / 2);
            zone->set_actualTemps(160, 185);
        }
        QTest::qWait(lowHoldOff * 3 / 2);
        QCOMPARE(raised.count() + cleared.count(), 0);
        return;
    }
    const int holdOff = AlarmTimings::scaled(error.takeLast().toInt());
    QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("zone 2: temperature too %1, %2 F")
                                                      .arg(error.at(1).toInt() ? "high" : "low")
                                                      .arg(error.at(3).toInt())));
    QTRY_COMPARE_WITH_TIMEOUT(raised.count(), 1, 5000);
    QVERIFY2(clock.elapsed() >= holdOff * 9 / 10, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(raised.at(0), error);
    zone->reEmitErrorFlags();
    QCOMPARE(QList<QVariantList>(raised), QList<QVariantList>({error, error}));
    zone->set_actualTemps(160, 185);
    QCOMPARE(QList<QVariantList>(cleared), QList<QVariantList>{error});
    zone->reEmitErrorFlags();
    QCOMPARE(raised.count(), 2);
}

void TestZoneManager::fanTargetFromTheTrays_data()
{
    QTest::addColumn<int>("pattyFan");   // percent asked for by product 21
    QTest::addColumn<int>("sausageFan"); // by product 22 (also the group's member)
    QTest::addColumn<int>("dayPart");
    QTest::addColumn<int>("fan");        // the zone's target, announced once

    QTest::newRow("first bin the fastest") << 80 << 60 << 0 << 80;
    QTest::newRow("later bins the fastest") << 60 << 80 << 0 << 80;
    QTest::newRow("one product only") << 80 << 60 << 1 << 60;
    QTest::newRow("no fan asked for") << 0 << 0 << 0 << 0;
}

void TestZoneManager::fanTargetFromTheTrays()
{
    QFETCH(int, pattyFan);
    QFETCH(int, sausageFan);
    QFETCH(int, dayPart);
    QFETCH(int, fan);

    MenuManager *menu = m_core->menuManagerPtr;
    for (const auto &product : {qMakePair(21, pattyFan), qMakePair(22, sausageFan)})
        menu->productsModel()->setData(menu->productsModel()->index(menu->getProductIndex(product.first), 0),
                                       product.second, MenuManager::TargetFanSpeedRole);
    ZoneManager *zone = startedZone();
    QSignalSpy changes(zone, &ZoneManager::fanTargetChanged);
    zone->set_nextDayPart(dayPart);
    QCOMPARE(zone->get_fanTarget(), fan);
    const QList<QVariantList> announced = fan ? QList<QVariantList>{QVariantList{Zone, fan}} : QList<QVariantList>();
    QCOMPARE(QList<QVariantList>(changes), announced);
    // The trays left empty stop the fan.
    expectDay2Logs();
    zone->set_nextDayPart(2);
    QCOMPARE(zone->get_fanTarget(), 0);
}

void TestZoneManager::dayPartChanges_data()
{
    // Day parts set in turn; -1 redefines day part 0 (Patty into bin 11) and -2 day part 1.
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QList<QVariantList>>("changes");
    QTest::addColumn<QList<int>>("products"); // of bins 9 and 11

    QTest::newRow("first") << QList<int>{0} << QList<QVariantList>{{Zone, 0, -1}} << QList<int>{22, 0};
    QTest::newRow("same again") << QList<int>{0, 0} << QList<QVariantList>{{Zone, 0, -1}} << QList<int>{22, 0};
    QTest::newRow("change") << QList<int>{0, 1} << QList<QVariantList>{{Zone, 0, -1}, {Zone, 1, 0}}
                            << QList<int>{0, 0};
    QTest::newRow("out of range") << QList<int>{0, 10} << QList<QVariantList>{{Zone, 0, -1}} << QList<int>{22, 0};
    QTest::newRow("current one redefined") << QList<int>{0, -1} << QList<QVariantList>{{Zone, 0, -1}}
                                           << QList<int>{22, 21};
    QTest::newRow("other one redefined") << QList<int>{0, -2} << QList<QVariantList>{{Zone, 0, -1}}
                                         << QList<int>{22, 0};
}

void TestZoneManager::dayPartChanges()
{
    QFETCH(QList<int>, steps);
    QFETCH(QList<QVariantList>, changes);
    QFETCH(QList<int>, products);

    ZoneManager *zone = startedZone();
    QSignalSpy spy(zone, &ZoneManager::zoneDaypartChanged);
    for (int step : steps) {
        if (step < 0) {
            QByteArray text = fixture("dayParts");
            text.replace("{\"bin\": 12, \"productId\": 0}", "{\"bin\": 12, \"productId\": 21}");
            QVERIFY(m_roots->writeRootFile("dayParts.json", text));
            m_dayParts->dayPartsLoadJsonDocFile();
            zone->processDaypartUpdate(-step - 1);
            continue;
        }
        if (step >= DayPartManager::maxDayParts)
            QTest::ignoreMessage(QtWarningMsg, "zone 2: day part 10 out of range, ignored");
        zone->set_nextDayPart(step);
    }
    QCOMPARE(QList<QVariantList>(spy), changes);
    QCOMPARE(zone->get_currentDayPart(), changes.last().at(1).toInt());
    QCOMPARE(zone->get_prevDayPart(), changes.last().at(2).toInt());
    QCOMPARE(QList<int>({zone->trays().at(1)->get_productId(), zone->trays().at(3)->get_productId()}), products);
}

QTEST_GUILESS_MAIN(TestZoneManager)
#include "tst_zonemanager.moc"
