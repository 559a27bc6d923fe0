// The cookbook's checks: product editor limits, the bin-fit rules of the day-part picker
// and of the re-check after an edit, the group editor's product filter, and the PIN lock.
#include "configurationmanager.h"
#include "cookbooklock.h"
#include "cookbookrules.h"
#include "fakecabinetcore.h"
#include "scratchroots.h"

#include <QCryptographicHash>
#include <QtTest>

using Rules = CookbookRules;
using Bin = CookbookRules::Bin;
Q_DECLARE_METATYPE(Rules::ProductError)

namespace {

// "id:fraction" or "id:fraction:upper" per bin, "-" for an empty bin.
QList<Bin> zoneOf(const QString &text)
{
    QList<Bin> zone;
    for (const QString &bin : text.split(' ')) {
        Bin b;
        const QStringList f = bin.split(':');
        if (f.first() != QLatin1String("-")) {
            b.id = f.at(0).toInt();
            b.panSizeX = f.value(1);
            b.lowerTemp = 180;
            b.upperTemp = f.size() > 2 ? f.at(2).toInt() : 180;
            b.fanSpeed = 100;
        }
        zone << b;
    }
    return zone;
}

QString md5(const char *digits)
{
    return QString::fromLatin1(QCryptographicHash::hash(digits, QCryptographicHash::Md5).toHex());
}

} // namespace

class TestCookbookRules : public QObject
{
    Q_OBJECT

private slots:
    void productLimits_data();
    void productLimits();
    void pickerOffers_data();
    void pickerOffers();
    void binsClearedAfterAnEdit_data();
    void binsClearedAfterAnEdit();
    void groupTakesOnlyMatchingProducts_data();
    void groupTakesOnlyMatchingProducts();
    void pinLevels_data();
    void pinLevels();
    void lockOpensWithAPinAndClosesAtHoldingOnly();
};

void TestCookbookRules::productLimits_data()
{
    QTest::addColumn<int>("hold");
    QTest::addColumn<int>("warning");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("reset");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("customer");
    QTest::addColumn<Rules::ProductError>("error");
    QTest::newRow("00:06:00 accepted") << 360 << 60 << "A" << 300 << 200 << 0 << Rules::NoError;
    QTest::newRow("00:05:59 refused") << 359 << 60 << "A" << 300 << 200 << 0 << Rules::InvalidHoldTime;
    QTest::newRow("08:00:00 accepted") << 28800 << 60 << "A" << 300 << 200 << 0 << Rules::NoError;
    QTest::newRow("08:00:01 refused") << 28801 << 60 << "A" << 300 << 200 << 0 << Rules::InvalidHoldTime;
    QTest::newRow("warning equal to hold") << 1800 << 1800 << "A" << 300 << 200 << 0 << Rules::InvalidWarningTime;
    QTest::newRow("warning under a minute") << 1800 << 59 << "A" << 300 << 200 << 0 << Rules::InvalidWarningTime;
    QTest::newRow("name of spaces") << 1800 << 300 << "   " << 300 << 200 << 0 << Rules::InvalidName;
    QTest::newRow("hold time checked first") << 100 << 5000 << "" << 5000 << 500 << 0 << Rules::InvalidHoldTime;
    QTest::newRow("reset an hour") << 1800 << 300 << "A" << 3600 << 200 << 0 << Rules::InvalidResetTime;
    QTest::newRow("201 F for customer 1") << 1800 << 300 << "A" << 300 << 201 << 1 << Rules::InvalidTemperature;
    QTest::newRow("200 F for customer 1") << 1800 << 300 << "A" << 300 << 200 << 1 << Rules::NoError;
    QTest::newRow("245 F for customer 4") << 1800 << 300 << "A" << 300 << 245 << 4 << Rules::NoError;
    QTest::newRow("90 F elsewhere") << 1800 << 300 << "A" << 300 << 90 << 0 << Rules::NoError;
    QTest::newRow("226 F elsewhere") << 1800 << 300 << "A" << 300 << 226 << 0 << Rules::InvalidTemperature;
}

void TestCookbookRules::productLimits()
{
    QFETCH(int, hold);
    QFETCH(int, warning);
    QFETCH(QString, name);
    QFETCH(int, reset);
    QFETCH(int, upper);
    QFETCH(int, customer);
    QFETCH(Rules::ProductError, error);
    QCOMPARE(Rules::productError(hold, warning, name, reset, qMin(upper, 200), upper, customer), error);
}

void TestCookbookRules::pickerOffers_data()
{
    QTest::addColumn<int>("trays");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("bin");
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("fan");
    QTest::addColumn<bool>("offered");
    QTest::newRow("2: whole pan in an empty zone") << 2 << "- -" << 0 << "1/1" << 190 << 100 << true;
    QTest::newRow("2: whole pan at the last bin") << 2 << "- -" << 1 << "1/1" << 190 << 100 << false;
    QTest::newRow("2: half pan beside another") << 2 << "1:1/2 -" << 1 << "1/2" << 180 << 100 << true;
    QTest::newRow("2: other temperature beside another") << 2 << "1:1/2 -" << 1 << "1/2" << 190 << 100 << false;
    QTest::newRow("3: half-zone pan at bin 0 of an empty zone") << 3 << "- - -" << 0 << "1/2" << 180 << 100 << true;
    QTest::newRow("3: half-zone pan at bin 1 of an empty zone") << 3 << "- - -" << 1 << "1/2" << 180 << 100 << false;
    QTest::newRow("3: beside a half-zone pan only a half") << 3 << "1:1/2 - -" << 1 << "1/3" << 180 << 100 << false;
    QTest::newRow("3: beside a half-zone pan a half") << 3 << "1:1/2 - -" << 1 << "1/2" << 180 << 100 << true;
    QTest::newRow("3: two thirds after a third") << 3 << "1:1/3 - -" << 1 << "2/3" << 180 << 100 << true;
    QTest::newRow("3: whole after a third") << 3 << "1:1/3 - -" << 1 << "1/1" << 180 << 100 << false;
    QTest::newRow("4: three quarters in the last three") << 4 << "1:1/4 - - -" << 1 << "3/4" << 180 << 100 << true;
    QTest::newRow("4: half with one bin left") << 4 << "1:1/4 - 2:1/4 -" << 1 << "1/2" << 180 << 100 << false;
    QTest::newRow("3: whole pan in an empty zone") << 3 << "- - -" << 0 << "1/1" << 180 << 100 << true;
    QTest::newRow("other fan speed beside another") << 4 << "1:1/4 - - -" << 1 << "1/4" << 180 << 80 << false;
    QTest::newRow("4: replacing the only pan is free") << 4 << "1:1/4 - - -" << 0 << "1/4" << 150 << 100 << true;
}

void TestCookbookRules::pickerOffers()
{
    QFETCH(int, trays);
    QFETCH(QString, zone);
    QFETCH(int, bin);
    QFETCH(QString, fraction);
    QFETCH(int, upper);
    QFETCH(int, fan);
    QFETCH(bool, offered);
    Rules::Layout layout;
    layout.traysPerZone = trays;
    layout.hasFan = true;
    Bin row;
    row.id = 9;
    row.panSizeX = fraction;
    row.lowerTemp = 180;
    row.upperTemp = upper;
    row.fanSpeed = fan;
    const QList<Bin> bins = zoneOf(zone);
    QCOMPARE(Rules::fits(row, Rules::constraints(bins, bin, 0, layout), layout), offered);
}

void TestCookbookRules::binsClearedAfterAnEdit_data()
{
    QTest::addColumn<int>("trays");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<int>("panSize");
    QTest::addColumn<int>("upper");
    QTest::addColumn<QList<int>>("cleared");
    QTest::newRow("alone, new temperature") << 4 << "7:1/4 - - -" << "1/4" << 1 << 200 << QList<int>{};
    QTest::newRow("shared, new temperature") << 4 << "7:1/4 3:1/4 - -" << "1/4" << 1 << 200 << QList<int>{0};
    QTest::newRow("shared, unchanged") << 4 << "7:1/4 3:1/4 - 7:1/4" << "1/4" << 1 << 180 << QList<int>{};
    QTest::newRow("grown past the zone") << 4 << "- - 7:1/4 -" << "3/4" << 3 << 180 << QList<int>{2};
    QTest::newRow("grown into a neighbour") << 4 << "7:1/4 3:1/4 - -" << "1/2" << 2 << 180 << QList<int>{0};
    QTest::newRow("3: no longer a half beside a half") << 3 << "7:1/2 3:1/2 -" << "1/3" << 1 << 180
                                                       << QList<int>{0};
    QTest::newRow("3: now a half beside a third") << 3 << "7:1/3 3:1/3 -" << "1/2" << 1 << 180 << QList<int>{0};
    QTest::newRow("both bins of the item, top down") << 4 << "7:1/4 3:1/4 7:1/4 -" << "1/4" << 1 << 170
                                                     << QList<int>{2, 0};
}

void TestCookbookRules::binsClearedAfterAnEdit()
{
    QFETCH(int, trays);
    QFETCH(QString, zone);
    QFETCH(QString, fraction);
    QFETCH(int, panSize);
    QFETCH(int, upper);
    QFETCH(QList<int>, cleared);
    Rules::Layout layout;
    layout.traysPerZone = trays;
    Bin now;
    now.id = 7;
    now.lowerTemp = 180;
    now.upperTemp = upper;
    now.panSizeX = fraction;
    now.panSize = panSize;
    now.fanSpeed = 100;
    QCOMPARE(Rules::binsToClear(zoneOf(zone), 0, 7, now, layout), cleared);
}

void TestCookbookRules::groupTakesOnlyMatchingProducts_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<bool>("celsius");
    QTest::addColumn<int>("lower");
    QTest::addColumn<QString>("lid");
    QTest::addColumn<bool>("taken");
    QTest::newRow("same settings") << 0 << false << 170 << "None" << true;
    QTest::newRow("other lower temperature") << 0 << false << 171 << "None" << false;
    QTest::newRow("other lid") << 0 << false << 170 << "Solid" << false;
    QTest::newRow("QRB compares only the upper") << 3 << false << 150 << "None" << true;
    QTest::newRow("same whole degrees Celsius") << 0 << true << 171 << "None" << true;
}

void TestCookbookRules::groupTakesOnlyMatchingProducts()
{
    QFETCH(int, customer);
    QFETCH(bool, celsius);
    QFETCH(int, lower);
    QFETCH(QString, lid);
    QFETCH(bool, taken);
    Rules::Layout layout;
    layout.customerId = customer;
    layout.celsius = celsius;
    Bin group;
    group.lowerTemp = 170; // 76.7 C
    group.upperTemp = 190;
    group.panSizeX = QStringLiteral("1/4");
    Bin product = group;
    product.lowerTemp = lower; // 171 F is 77.2 C
    QCOMPARE(Rules::groupTakes(group, QStringLiteral("None"), product, lid, layout), taken);
}

void TestCookbookRules::pinLevels_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("customer");
    QTest::addColumn<int>("level");
    QTest::newRow("manager") << "7046" << 0 << 1;
    QTest::newRow("service") << "604528" << 0 << 2;
    QTest::newRow("factory") << "731960" << 0 << 3;
    QTest::newRow("level 4 alone does not open") << "285047" << 0 << 0;
    QTest::newRow("wrong") << "1234" << 0 << 0;
    QTest::newRow("QRB keeps plain digits") << "7046" << 3 << 1;
}

void TestCookbookRules::pinLevels()
{
    QFETCH(QString, typed);
    QFETCH(int, customer);
    QFETCH(int, level);
    const bool plain = customer == 3;
    const QStringList stored = plain ? QStringList{"7046", "604528", "731960", "285047"}
                                     : QStringList{md5("7046"), md5("604528"), md5("731960"), md5("285047")};
    QCOMPARE(CookbookLock::pinLevel(typed, stored, customer), level);
}

void TestCookbookRules::lockOpensWithAPinAndClosesAtHoldingOnly()
{
    ScratchRoots roots;
    FakeCabinetCore core;
    auto *config = new ConfigurationManager(nullptr, nullptr, true, 1, &core);
    core.configManagerPtr = config;
    auto *lock = new CookbookLock(&core);
    lock->watchCore();
    QSignalSpy entered(config, &ConfigurationManager::passcodeEntered);
    QSignalSpy exited(config, &ConfigurationManager::programModeExited);

    QCOMPARE(lock->unlock(QStringLiteral("1111")), 0);
    QCOMPARE(entered.takeFirst(), (QVariantList{QStringLiteral("MenuEditPanel"), 1, false}));
    QCOMPARE(lock->unlock(QStringLiteral("604528")), 2);
    QCOMPARE(entered.takeFirst(), (QVariantList{QStringLiteral("MenuEditPanel"), 2, true}));
    QCOMPARE(lock->failures(), 0);
    // The idle return leaves the lock as it is.
    emit core.noUserInteraction();
    QVERIFY(!lock->locked());
    QCOMPARE(exited.size(), 0);

    emit core.activelyHoldingChanged(true);
    QVERIFY(lock->locked());
    QCOMPARE(exited.takeFirst(), (QVariantList{QStringLiteral("MenuEditPanel"), 2}));

    for (int i = 0; i < 6; ++i)
        lock->unlock(QStringLiteral("0000"));
    QVERIFY(lock->blocked());
    QCOMPARE(lock->unlock(QStringLiteral("7046")), -1);
    QVERIFY(lock->locked());
}

QTEST_MAIN(TestCookbookRules)
#include "tst_cookbookrules.moc"
