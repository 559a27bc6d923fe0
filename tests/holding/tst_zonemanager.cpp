// One zone: targets from its trays' products, heating and ready, temperature errors and
// the day part its trays hold.
#include "alarmtimings.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "menumanager.h"
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
const char *const Day2Logs[] = {"bin 9: group 1073741826 has no member at index 0",
                                "bin 10: product 999 is not in the menu"};

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(MENU_FIXTURES "/%1_holding.json").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestZoneManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void targetsAreTheHighestProductTemps_data();
    void targetsAreTheHighestProductTemps();
    void traysPreheatWhileTheZoneHeats_data();
    void traysPreheatWhileTheZoneHeats();
    void temperatureErrorsAfterTheHoldOff_data();
    void temperatureErrorsAfterTheHoldOff();
    void dayPartChanges_data();
    void dayPartChanges();
    void redefinedDayPart_data();
    void redefinedDayPart();

private:
    ZoneManager *startedZone(bool createTrays = true);
    static QString zoneState(const ZoneManager *zone);

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

QString TestZoneManager::zoneState(const ZoneManager *zone)
{
    const auto states = zone->configuration();
    return states.isEmpty() ? QString() : (*states.begin())->objectName();
}

void TestZoneManager::targetsAreTheHighestProductTemps_data()
{
    QTest::addColumn<bool>("createTrays");
    QTest::addColumn<int>("dayPart");
    QTest::addColumn<QList<int>>("targets");

    QTest::newRow("mixed products") << true << 0 << QList<int>{160, 185};
    QTest::newRow("one product") << true << 1 << QList<int>{150, 185};
    QTest::newRow("nothing that heats") << true << 2 << QList<int>{0, 0};
    QTest::newRow("mirror display") << false << 0 << QList<int>{0, 0};
}

void TestZoneManager::targetsAreTheHighestProductTemps()
{
    QFETCH(bool, createTrays);
    QFETCH(int, dayPart);
    QFETCH(QList<int>, targets);

    if (dayPart == 2) {
        for (const char *log : Day2Logs)
            QTest::ignoreMessage(QtWarningMsg, log);
    }
    ZoneManager *zone = startedZone(createTrays);
    QCOMPARE(zone->trays().size(), createTrays ? 4 : 0);
    QSignalSpy spy(zone, &ZoneManager::targetTempsChanged);
    zone->set_nextDayPart(dayPart);
    QCOMPARE(zone->get_targetTempsList(), targets);
    const QList<QVariantList> expected{{Zone, targets.at(0), targets.at(1)}};
    QCOMPARE(QList<QVariantList>(spy), targets.at(0) ? expected : QList<QVariantList>{});

    // Asked again, the trays repeat their temperatures and nothing changes.
    zone->reStateHoldTemps();
    QCOMPARE(zone->get_targetTempsList(), targets);
    QCOMPARE(spy.count(), targets.at(0) ? 1 : 0);
}

void TestZoneManager::traysPreheatWhileTheZoneHeats_data()
{
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<QString>("state");

    QTest::newRow("cold") << 0 << 0 << "zoneHeating";
    QTest::newRow("both just within 10") << 150 << 175 << "zoneReady";
    QTest::newRow("lower 11 under") << 149 << 185 << "zoneHeating";
    QTest::newRow("upper 11 under") << 160 << 174 << "zoneHeating";
    QTest::newRow("above target") << 200 << 200 << "zoneReady";
}

void TestZoneManager::traysPreheatWhileTheZoneHeats()
{
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(QString, state);

    ZoneManager *zone = startedZone();
    QTRY_COMPARE(zoneState(zone), QStringLiteral("zoneOff"));
    zone->set_actualTemps(lower, upper);
    zone->set_nextDayPart(0);
    QCOMPARE(zoneState(zone), state);
    const int trayState = state == "zoneHeating" ? TrayBarSc::PREHEATING : TrayBarSc::READY2HOLD;
    const QList<TrayBarSc *> trays = zone->trays();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(trays.at(i)->get_trayState(), trayState);
    QCOMPARE(trays.at(3)->get_trayState(), int(TrayBarSc::UNASSIGNED));

    // Warmed up (or cooled down) to the targets, then every product taken out.
    zone->set_actualTemps(160, 185);
    QCOMPARE(zoneState(zone), QStringLiteral("zoneReady"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(trays.at(i)->get_trayState(), int(TrayBarSc::READY2HOLD));
    for (const char *log : Day2Logs)
        QTest::ignoreMessage(QtWarningMsg, log);
    zone->set_nextDayPart(2);
    QCOMPARE(zoneState(zone), QStringLiteral("zoneOff"));
}

void TestZoneManager::temperatureErrorsAfterTheHoldOff_data()
{
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<bool>("backEarly");
    QTest::addColumn<QVariantList>("error");

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
        QCOMPARE(raised.count(), 0);
        QCOMPARE(cleared.count(), 0);
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
    QCOMPARE(raised.count(), 2);
    QCOMPARE(raised.at(1), error);
    zone->set_actualTemps(160, 185);
    QCOMPARE(QList<QVariantList>(cleared), QList<QVariantList>{error});
    zone->reEmitErrorFlags();
    QCOMPARE(raised.count(), 2);
}

void TestZoneManager::dayPartChanges_data()
{
    QTest::addColumn<QList<int>>("dayParts");
    QTest::addColumn<QList<QVariantList>>("changes");
    QTest::addColumn<int>("productOfBin9");

    QTest::newRow("first") << QList<int>{0} << QList<QVariantList>{{Zone, 0, -1}} << 22;
    QTest::newRow("same again") << QList<int>{0, 0} << QList<QVariantList>{{Zone, 0, -1}} << 22;
    QTest::newRow("change") << QList<int>{0, 1}
                            << QList<QVariantList>{{Zone, 0, -1}, {Zone, 1, 0}} << 0;
    QTest::newRow("out of range kept out") << QList<int>{0, 10} << QList<QVariantList>{{Zone, 0, -1}}
                                           << 22;
}

void TestZoneManager::dayPartChanges()
{
    QFETCH(QList<int>, dayParts);
    QFETCH(QList<QVariantList>, changes);
    QFETCH(int, productOfBin9);

    ZoneManager *zone = startedZone();
    QSignalSpy spy(zone, &ZoneManager::zoneDaypartChanged);
    for (int dp : dayParts) {
        if (dp >= DayPartManager::maxDayParts)
            QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("zone 2: day part %1 out of range, ignored").arg(dp)));
        zone->set_nextDayPart(dp);
    }
    QCOMPARE(QList<QVariantList>(spy), changes);
    QCOMPARE(zone->get_currentDayPart(), changes.last().at(1).toInt());
    QCOMPARE(zone->get_prevDayPart(), changes.last().at(2).toInt());
    QCOMPARE(zone->trays().at(1)->get_productId(), productOfBin9);
}

void TestZoneManager::redefinedDayPart_data()
{
    QTest::addColumn<int>("redefined");
    QTest::addColumn<int>("productOfBin11");

    QTest::newRow("the current one") << 0 << 21;
    QTest::newRow("another one") << 1 << 0;
}

void TestZoneManager::redefinedDayPart()
{
    QFETCH(int, redefined);
    QFETCH(int, productOfBin11);

    ZoneManager *zone = startedZone();
    zone->set_nextDayPart(0);
    // Patty goes into bin 11 in both day parts.
    QByteArray text = fixture("dayParts");
    text.replace("{\"bin\": 12, \"productId\": 0}", "{\"bin\": 12, \"productId\": 21}");
    QVERIFY(m_roots->writeRootFile("dayParts.json", text));
    m_dayParts->dayPartsLoadJsonDocFile();
    QCOMPARE(m_dayParts->getProdIdOnBin(redefined, 11), 21);
    zone->processDaypartUpdate(redefined);
    QCOMPARE(zone->trays().at(3)->get_productId(), productOfBin11);
}

QTEST_GUILESS_MAIN(TestZoneManager)
#include "tst_zonemanager.moc"
