// Day-part grids, names, the in-use list and the day part in force.
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "menumanager.h"
#include "menutestsupport.h"
#include "translator.h"

#include <QtTest>

#include <climits>

class TestDayPartManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshObjectAnswers();
    void namesFollowTheStoredLanguageCode();
    void liveGridLookUpsCheckEveryIndex();
    void editGridIsLimitedToTheDefinedDayParts();
    void editWritesAndTheSingleBinZoneRule_data();
    void editWritesAndTheSingleBinZoneRule();
    void deletingAProductClearsEveryEditDayPart();
    void editCycleCommitsOnlyOnSave();
    void inUseList();
    void dayPartInForceIsAnnouncedOnEveryCall();
    void dayPartOutOfRangeIsRefused_data();
    void dayPartOutOfRangeIsRefused();
    void changeNotificationNamesBothDayParts();

private:
    QScopedPointer<ScratchRoots> m_roots;
    QScopedPointer<FakeCabinetCore> m_core;
    MenuManager *m_menu = nullptr;
    DayPartManager *m_dayParts = nullptr;
};

void TestDayPartManager::init()
{
    m_roots.reset(new ScratchRoots);
    m_core.reset(new FakeCabinetCore);
    m_core->numberOfZones = 5;
    m_core->traysPerZone = 4;
    m_menu = new MenuManager(m_core.data());
    m_dayParts = new DayPartManager(5, 4, m_menu, m_core.data());
    m_core->menuManagerPtr = m_menu;
    m_core->daypartManagerPtr = m_dayParts;
}

void TestDayPartManager::cleanup()
{
    m_core.reset();
    m_roots.reset();
}

void TestDayPartManager::freshObjectAnswers()
{
    QCOMPARE(m_dayParts->objectName(), QStringLiteral("daypartManager"));
    QCOMPARE(m_dayParts->getDayPartsCount(), 2);
    QCOMPARE(m_dayParts->getDayPartsToUseCount(), 2);
    QCOMPARE(m_dayParts->getDayPartToUse(0), 0);
    QCOMPARE(m_dayParts->getDayPartToUse(1), 1);
    QCOMPARE(m_dayParts->getDayPartToUse(2), -1);
    QCOMPARE(m_dayParts->getDayPartToUse(-1), -1);
    QCOMPARE(m_dayParts->getDayPartName(1, 0), QStringLiteral("Desayuno"));
    QCOMPARE(m_dayParts->getDayPartName(2, 1), QStringLiteral("D\u00e9jeuner/D\u00eener"));
    QCOMPARE(m_dayParts->getDayPartName(3, 0), QStringLiteral("Breakfast"));
    QCOMPARE(m_dayParts->getDayPartName(14, 1), QStringLiteral("Lunch/Dinner"));
    QCOMPARE(m_dayParts->getDayPartName(0, 2), QString()); // only two defined
    QCOMPARE(m_dayParts->getDayPartName(15, 0), QString());
    QCOMPARE(m_dayParts->getDayPartName(-1, 0), QString());
    QCOMPARE(m_dayParts->get_numOfTrays(), 20);
    QCOMPARE(m_dayParts->get_nextDayPart(), 0);
    QCOMPARE(m_dayParts->get_partOfDay(), int(DayPartManager::PARTDAY_MORNING));
    for (int dp = 0; dp < 10; ++dp)
        for (int bin = 0; bin < 20; ++bin)
            QCOMPARE(m_dayParts->getProdIdOnBin(dp, bin), 0);
}

void TestDayPartManager::namesFollowTheStoredLanguageCode()
{
    ConfigurationManager config(nullptr, nullptr, true, 1, m_core.data());
    m_core->configManagerPtr = &config;
    config.set_languageId(QStringLiteral("spa"));
    QCOMPARE(m_dayParts->getDayPartName(0), QStringLiteral("Desayuno"));
    config.set_languageId(QStringLiteral("fra_ca"));
    QCOMPARE(m_dayParts->getDayPartName(1), QStringLiteral("Lunch/Dinner"));
    config.set_languageId(QStringLiteral("xx_YY"));
    QCOMPARE(m_dayParts->getDayPartName(0), QStringLiteral("Breakfast"));
    QCOMPARE(m_dayParts->getDayPartName(2), QString());
    m_core->configManagerPtr = nullptr;
}

void TestDayPartManager::liveGridLookUpsCheckEveryIndex()
{
    // Two zones of three trays: zone 1, pan 2 is bin 5.
    DayPartManager small(2, 3, m_menu, m_core.data());
    small.set_numOfTrays(6);
    QVERIFY(m_roots->writeRootFile("dayParts.json", R"({"dayPartVersion": 1, "layout": [
        {"productLocations": [{"bin": 6, "productId": 55}, {"bin": 1, "productId": 11}]}]})"));
    small.dayPartsLoadJsonDocFile();
    QCOMPARE(small.dayPartGetProductId(0, 1, 2), 55);
    QCOMPARE(small.getProdIdOnBin(0, 5), 55);
    QCOMPARE(small.getProdIdOnBin(0, 0), 11);

    QTest::ignoreMessage(QtWarningMsg, "getProdIdOnBin() dp out of range:  10");
    QCOMPARE(small.getProdIdOnBin(10, 0), 0);
    QTest::ignoreMessage(QtWarningMsg, "getProdIdOnBin() bin out of range:  6");
    QCOMPARE(small.getProdIdOnBin(0, 6), 0);
    QTest::ignoreMessage(QtWarningMsg, "getProdIdOnBin() bin out of range:  20");
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 20), 0);
    QTest::ignoreMessage(QtWarningMsg, "DayPartManager::dayPartGetProductId() zone out of range: 2");
    QCOMPARE(small.dayPartGetProductId(0, 2, 0), 0);
    QTest::ignoreMessage(QtWarningMsg, "DayPartManager::dayPartGetProductId() dayPart out of range: -1");
    QTest::ignoreMessage(QtWarningMsg, "DayPartManager::dayPartGetProductId() zone out of range: 9");
    QTest::ignoreMessage(QtWarningMsg, "DayPartManager::dayPartGetProductId() panIndex out of range: 3");
    QCOMPARE(small.dayPartGetProductId(-1, 9, 3), 0);
    // A day part beyond the defined ones still reads the live grid.
    QCOMPARE(small.dayPartGetProductId(3, 0, 0), 0);
}

void TestDayPartManager::editGridIsLimitedToTheDefinedDayParts()
{
    m_dayParts->dayPartEditSetProductId(3, 0, 0, 77);
    QTest::ignoreMessage(QtWarningMsg, "DayPartManager::dayPartEditGetProductId() dayPart out of range: 3");
    QCOMPARE(m_dayParts->dayPartEditGetProductId(3, 0, 0), 0);
    m_dayParts->dayPartEditSetProductId(1, 4, 3, 78);
    QCOMPARE(m_dayParts->dayPartEditGetProductId(1, 4, 3), 78);
    // Positions outside the grid are refused, not written past its end.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("dayPartEditSetProductId\\(\\) position out of range"));
    m_dayParts->dayPartEditSetProductId(1, 5, 0, 79);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("dayPartEditSetProductId\\(\\) position out of range"));
    m_dayParts->dayPartEditSetProductId(10, 0, 0, 79);
    // Four trays times a huge zone wraps round to bin -4 in 32 bits: refused too, and
    // nothing beside the edit grid changes.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("dayPartEditSetProductId\\(\\) position out of range"));
    m_dayParts->dayPartEditSetProductId(0, INT_MAX, 0, 80);
    for (int dp = 0; dp < 10; ++dp)
        for (int bin = 0; bin < 20; ++bin)
            QCOMPARE(m_dayParts->getProdIdOnBin(dp, bin), 0);
}

void TestDayPartManager::editWritesAndTheSingleBinZoneRule_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("secondPan");
    QTest::newRow("odd zone clears the next bin") << 1 << 0;
    QTest::newRow("even zone leaves it") << 0 << 9;
}

void TestDayPartManager::editWritesAndTheSingleBinZoneRule()
{
    QFETCH(int, zone);
    QFETCH(int, secondPan);
    m_core->singleBinZone = 1;
    m_core->traysPerZone = 2;
    DayPartManager twoTrays(4, 2, m_menu, m_core.data());
    twoTrays.dayPartEditSetProductId(0, zone, 1, 9);
    twoTrays.dayPartEditSetProductId(0, zone, 0, 5);
    QCOMPARE(twoTrays.dayPartEditGetProductId(0, zone, 0), 5);
    QCOMPARE(twoTrays.dayPartEditGetProductId(0, zone, 1), secondPan);
}

void TestDayPartManager::deletingAProductClearsEveryEditDayPart()
{
    for (int dp = 0; dp < 10; ++dp)
        m_dayParts->dayPartEditSetProductId(dp, 2, 1, 42);
    m_dayParts->dayPartEditSetProductId(0, 0, 0, 43);
    m_dayParts->dayPartEditSave();
    QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(m_dayParts, "dayPartsSaveChain")));
    m_dayParts->deleteProductGroupFromDayParts(42);
    for (int dp = 0; dp < 10; ++dp) {
        QCOMPARE(m_dayParts->getProdIdOnBin(dp, 9), 42); // live grid untouched
    }
    m_dayParts->dayPartEditSave();
    QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(m_dayParts, "dayPartsSaveChain")));
    for (int dp = 0; dp < 10; ++dp)
        QCOMPARE(m_dayParts->getProdIdOnBin(dp, 9), 0);
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 0), 43);
}

void TestDayPartManager::editCycleCommitsOnlyOnSave()
{
    m_dayParts->dayPartEditSetProductId(0, 0, 0, 12);
    m_dayParts->dayPartEditSave();
    QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(m_dayParts, "dayPartsSaveChain")));
    m_dayParts->dayPartEditSetProductId(0, 0, 0, 99);
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 0), 12);
    m_dayParts->dayPartEditInitialize();
    QCOMPARE(m_dayParts->dayPartEditGetProductId(0, 0, 0), 12);
}

void TestDayPartManager::inUseList()
{
    m_dayParts->resetIsUsedDayPart();
    QCOMPARE(m_dayParts->getDayPartsToUseCount(), 0);
    QCOMPARE(m_dayParts->getDayPartToUse(0), -1);
    QCOMPARE(m_dayParts->getDayPartToUseIndex(1), 0);
    m_dayParts->setIsUsedDayPart(3, false);
    QCOMPARE(m_dayParts->getDayPartsToUseCount(), 0);
    m_dayParts->setIsUsedDayPart(1, true);
    m_dayParts->setIsUsedDayPart(3, true);
    m_dayParts->setIsUsedDayPart(3, true);
    QCOMPARE(m_dayParts->getDayPartsToUseCount(), 3);
    QCOMPARE(m_dayParts->getDayPartToUseIndex(3), 1);
    QCOMPARE(m_dayParts->getDayPartToUseIndex(7), 0);
    QVERIFY(m_dayParts->getDayPartIsUsed(3));
    QVERIFY(!m_dayParts->getDayPartIsUsed(0));

    QSignalSpy reload(m_dayParts, &DayPartManager::reloadDaypartsInUse);
    m_dayParts->saveDayPartsUsed();
    QCOMPARE(reload.count(), 1);
    QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(m_dayParts, "dayPartsSaveChain")));
}

void TestDayPartManager::dayPartInForceIsAnnouncedOnEveryCall()
{
    QSignalSpy changed(m_dayParts, &DayPartManager::nextDayPartChanged);
    m_dayParts->set_nextDayPart(1);
    m_dayParts->set_nextDayPart(1);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(m_dayParts->get_nextDayPart(), 1);
    // The default day part is 0 even when 0 is not offered.
    m_dayParts->resetIsUsedDayPart();
    m_dayParts->setIsUsedDayPart(1, true);
    m_dayParts->loadDefaultDayPart();
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.last().first().toInt(), 0);
    QCOMPARE(m_dayParts->get_nextDayPart(), 0);
}

void TestDayPartManager::dayPartOutOfRangeIsRefused_data()
{
    QTest::addColumn<int>("dayPart");
    QTest::newRow("negative") << -1;
    QTest::newRow("not defined") << 2;
    QTest::newRow("beyond the grid") << 10;
    QTest::newRow("garbage") << 123456;
}

void TestDayPartManager::dayPartOutOfRangeIsRefused()
{
    // The display link hands over what the other display sent.
    QFETCH(int, dayPart);
    m_dayParts->set_nextDayPart(1);
    QSignalSpy changed(m_dayParts, &DayPartManager::nextDayPartChanged);
    QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("DayPartManager::set_nextDayPart() dayPart out of range: %1").arg(dayPart)));
    m_dayParts->set_nextDayPart(dayPart);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_dayParts->get_nextDayPart(), 1);
}

void TestDayPartManager::changeNotificationNamesBothDayParts()
{
    Translator translator;
    m_core->translatorPtr = &translator;
    translator.setLanguage(1);
    QSignalSpy notify(m_dayParts, &DayPartManager::notifyDayPartChange);
    QSignalSpy partOfDay(m_dayParts, &DayPartManager::partOfDayChanged);
    m_dayParts->set_nextDayPart(0);
    QCOMPARE(notify.count(), 0); // no change from the reference day part
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    m_dayParts->set_nextDayPart(1);
    QCOMPARE(notify.count(), 1);
    QVERIFY(notify.first().at(0).toString().toLongLong() >= before);
    QCOMPARE(notify.first().at(1).toString(), QStringLiteral("Desayuno"));
    QCOMPARE(notify.first().at(2).toString(), QStringLiteral("Almuerzo/Cena"));
    // The day part in force becomes the reference of the next change.
    QCOMPARE(m_dayParts->get_partOfDay(), 1);
    QCOMPARE(partOfDay.count(), 1);
    m_dayParts->set_nextDayPart(1);
    QCOMPARE(notify.count(), 1);
    m_dayParts->set_nextDayPart(0);
    QCOMPARE(notify.count(), 2);
    QCOMPARE(notify.last().at(1).toString(), QStringLiteral("Almuerzo/Cena"));
    m_core->translatorPtr = nullptr;
}

QTEST_MAIN(TestDayPartManager)
#include "tst_daypartmanager.moc"
