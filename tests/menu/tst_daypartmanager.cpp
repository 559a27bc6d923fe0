// Day-part grids, names, the in-use list and the day part in force.
#include "menutestsupport.h"

#include <QtTest>

#include <climits>

using MenuTest::gridOf;
using MenuTest::inUseOf;

class TestDayPartManager : public QObject
{
    Q_OBJECT
    QScopedPointer<MenuTest::Cabinet> c;
    DayPartManager *d = nullptr;

    void save()
    {
        d->dayPartEditSave();
        QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(d, "dayPartsSaveChain")));
    }
    QString allGrids() const
    {
        QStringList grids;
        for (int dp = 0; dp < 10; ++dp)
            grids << gridOf(d, dp);
        return grids.join('/');
    }

private slots:
    void init()
    {
        c.reset(new MenuTest::Cabinet(MenuTest::Cabinet::DayParts));
        d = c->dayParts;
    }
    void cleanup() { c.reset(); }

    void freshObjectAndNames()
    {
        QCOMPARE(d->getDayPartsCount(), 2);
        QCOMPARE(inUseOf(d), QStringLiteral("0,1"));
        QCOMPARE(d->getDayPartToUse(2), -1);
        QCOMPARE(d->getDayPartToUse(-1), -1);
        QCOMPARE(d->get_numOfTrays(), 20);
        QCOMPARE(d->get_nextDayPart(), 0);
        QCOMPARE(d->get_partOfDay(), int(DayPartManager::PARTDAY_MORNING));
        QCOMPARE(allGrids(), QStringLiteral("/////////"));
        QCOMPARE(d->getDayPartName(1, 0), QStringLiteral("Desayuno"));
        QCOMPARE(d->getDayPartName(0, 2), QString()); // only two defined
        QCOMPARE(d->getDayPartName(15, 0), QString());
        QCOMPARE(d->getDayPartName(-1, 0), QString());
        // By the stored language code.
        ConfigurationManager config(nullptr, nullptr, true, 1, c->core.data());
        c->core->configManagerPtr = &config;
        config.set_languageId(QStringLiteral("spa"));
        QCOMPARE(d->getDayPartName(0), QStringLiteral("Desayuno"));
        config.set_languageId(QStringLiteral("fra_ca"));
        QCOMPARE(d->getDayPartName(1), QStringLiteral("Lunch/Dinner"));
        config.set_languageId(QStringLiteral("xx_YY"));
        QCOMPARE(d->getDayPartName(0), QStringLiteral("Breakfast"));
        QCOMPARE(d->getDayPartName(2), QString());
        c->core->configManagerPtr = nullptr;
    }

    // Every index of the live and edit grids is checked: nothing is read or written past
    // an end, whatever the other display or a screen hands over.
    void gridIndexesAreChecked()
    {
        DayPartManager small(2, 3, c->menu, c->core.data()); // zone 1, pan 2 is bin 5
        small.set_numOfTrays(6);
        QVERIFY(c->roots.writeRootFile("dayParts.json", R"({"dayPartVersion": 1, "layout": [
            {"productLocations": [{"bin": 6, "productId": 55}, {"bin": 1, "productId": 11}]}]})"));
        small.dayPartsLoadJsonDocFile();
        QCOMPARE(small.dayPartGetProductId(0, 1, 2), 55);
        QCOMPARE(gridOf(&small, 0, 6), QStringLiteral("11,0,0,0,0,55"));
        QTest::ignoreMessage(QtWarningMsg, "getProdIdOnBin() dp out of range:  10");
        QCOMPARE(small.getProdIdOnBin(10, 0), 0);
        QTest::ignoreMessage(QtWarningMsg, "getProdIdOnBin() bin out of range:  6");
        QCOMPARE(small.getProdIdOnBin(0, 6), 0);
        QTest::ignoreMessage(QtWarningMsg, "getProdIdOnBin() bin out of range:  20");
        QCOMPARE(d->getProdIdOnBin(0, 20), 0);
        QTest::ignoreMessage(QtWarningMsg, "DayPartManager::dayPartGetProductId() zone out of range: 2");
        QCOMPARE(small.dayPartGetProductId(0, 2, 0), 0);
        QTest::ignoreMessage(QtWarningMsg, "DayPartManager::dayPartGetProductId() dayPart out of range: -1");
        QTest::ignoreMessage(QtWarningMsg, "DayPartManager::dayPartGetProductId() zone out of range: 9");
        QTest::ignoreMessage(QtWarningMsg, "DayPartManager::dayPartGetProductId() panIndex out of range: 3");
        QCOMPARE(small.dayPartGetProductId(-1, 9, 3), 0);
        QCOMPARE(small.dayPartGetProductId(3, 0, 0), 0); // beyond the defined ones: the live grid

        d->dayPartEditSetProductId(3, 0, 0, 77); // only two day parts are defined
        QTest::ignoreMessage(QtWarningMsg, "DayPartManager::dayPartEditGetProductId() dayPart out of range: 3");
        QCOMPARE(d->dayPartEditGetProductId(3, 0, 0), 0);
        d->dayPartEditSetProductId(1, 4, 3, 78);
        QCOMPARE(d->dayPartEditGetProductId(1, 4, 3), 78);
        // Four trays times a huge zone wraps round to bin -4 in 32 bits: refused too.
        for (auto position : {QPoint(1, 5), QPoint(10, 0), QPoint(0, INT_MAX)}) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("dayPartEditSetProductId\\(\\) position out of range"));
            d->dayPartEditSetProductId(position.x(), position.y(), 0, 79); // refused, saying so
        }
        QCOMPARE(allGrids(), QStringLiteral("/////////"));
    }

    void singleBinZoneRule_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("secondPan");
        QTest::newRow("odd zone clears the next bin") << 1 << 0;
        QTest::newRow("even zone leaves it") << 0 << 9;
    }
    void singleBinZoneRule()
    {
        QFETCH(int, zone);
        QFETCH(int, secondPan);
        c->core->singleBinZone = 1;
        c->core->traysPerZone = 2;
        DayPartManager twoTrays(4, 2, c->menu, c->core.data());
        twoTrays.dayPartEditSetProductId(0, zone, 1, 9);
        twoTrays.dayPartEditSetProductId(0, zone, 0, 5);
        QCOMPARE(twoTrays.dayPartEditGetProductId(0, zone, 0), 5);
        QCOMPARE(twoTrays.dayPartEditGetProductId(0, zone, 1), secondPan);
    }

    // A day part of an imported binary menu takes its product ids as the file gives them:
    // whether the menu holds them is for holding to find out.
    void importedDayPartIds_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("empty bin") << 0;
        QTest::newRow("not in the menu") << 99;
        QTest::newRow("past 2^31 in the file") << int(0x80000001u);
    }
    void importedDayPartIds()
    {
        QFETCH(int, id);
        DayPart_t record;
        record.productIds[2] = id;
        record.productIds[5] = 7;
        d->processOrvantaDayPart(record, 1);
        QCOMPARE(gridOf(d, 1), QStringLiteral("0,0,%1,0,0,7").arg(id));
        QCOMPARE(gridOf(d, 0), QString());
    }

    // Edits reach the live grid on save only; deleting a product clears it from every
    // edited day part.
    void editCycle()
    {
        d->dayPartEditSetProductId(0, 0, 0, 12);
        save();
        d->dayPartEditSetProductId(0, 0, 0, 99);
        QCOMPARE(d->getProdIdOnBin(0, 0), 12);
        d->dayPartEditInitialize();
        QCOMPARE(d->dayPartEditGetProductId(0, 0, 0), 12);

        for (int dp = 0; dp < 10; ++dp)
            d->dayPartEditSetProductId(dp, 2, 1, 42);
        d->dayPartEditSetProductId(0, 0, 0, 43);
        save();
        d->deleteProductGroupFromDayParts(42);
        for (int dp = 0; dp < 10; ++dp)
            QCOMPARE(d->getProdIdOnBin(dp, 9), 42); // live grid untouched
        save();
        QCOMPARE(allGrids(), QStringLiteral("43/////////"));
    }

    void inUseList()
    {
        d->resetIsUsedDayPart();
        QCOMPARE(inUseOf(d), QString());
        QCOMPARE(d->getDayPartToUse(0), -1);
        QCOMPARE(d->getDayPartToUseIndex(1), 0);
        d->setIsUsedDayPart(3, false);
        QCOMPARE(inUseOf(d), QString());
        d->setIsUsedDayPart(1, true);
        d->setIsUsedDayPart(3, true);
        d->setIsUsedDayPart(3, true);
        QCOMPARE(d->getDayPartsToUseCount(), 3);
        QCOMPARE(d->getDayPartToUseIndex(3), 1);
        QCOMPARE(d->getDayPartToUseIndex(7), 0);
        QVERIFY(d->getDayPartIsUsed(3));
        QVERIFY(!d->getDayPartIsUsed(0));
        QSignalSpy reload(d, &DayPartManager::reloadDaypartsInUse);
        d->saveDayPartsUsed();
        QCOMPARE(reload.count(), 1);
        QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(d, "dayPartsSaveChain")));
    }

    // The day part in force: announced on every call, refused out of range (the display
    // link hands over what the other display sent), and the change notification names
    // the day part left and the one entered.
    void dayPartInForce_data()
    {
        QTest::addColumn<int>("dayPart");
        QTest::newRow("negative") << -1;
        QTest::newRow("not defined") << 2;
        QTest::newRow("beyond the grid") << 10;
        QTest::newRow("garbage") << 123456;
    }
    void dayPartInForce()
    {
        QFETCH(int, dayPart);
        Translator translator;
        c->core->translatorPtr = &translator;
        translator.setLanguage(1);
        QSignalSpy changed(d, &DayPartManager::nextDayPartChanged);
        QSignalSpy notify(d, &DayPartManager::notifyDayPartChange);
        QSignalSpy partOfDay(d, &DayPartManager::partOfDayChanged);
        d->set_nextDayPart(0);
        QCOMPARE(notify.count(), 0); // no change from the reference day part
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        d->set_nextDayPart(1);
        d->set_nextDayPart(1);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(notify.count(), 1);
        QVERIFY(notify.first().at(0).toString().toLongLong() >= before);
        QCOMPARE(notify.first().at(1).toString(), QStringLiteral("Desayuno"));
        QCOMPARE(notify.first().at(2).toString(), QStringLiteral("Almuerzo/Cena"));
        QCOMPARE(d->get_partOfDay(), 1); // the reference of the next change
        QCOMPARE(partOfDay.count(), 1);

        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("DayPartManager::set_nextDayPart() dayPart out of range: %1").arg(dayPart)));
        d->set_nextDayPart(dayPart);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(d->get_nextDayPart(), 1);

        d->set_nextDayPart(0);
        QCOMPARE(notify.count(), 2);
        QCOMPARE(notify.last().at(1).toString(), QStringLiteral("Almuerzo/Cena"));
        // The default day part is 0 even when 0 is not offered.
        d->set_nextDayPart(1);
        d->resetIsUsedDayPart();
        d->setIsUsedDayPart(1, true);
        d->loadDefaultDayPart();
        QCOMPARE(changed.last().first().toInt(), 0);
        QCOMPARE(d->get_nextDayPart(), 0);
        c->core->translatorPtr = nullptr;
    }
};

QTEST_MAIN(TestDayPartManager)
#include "tst_daypartmanager.moc"
