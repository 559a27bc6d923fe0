#include "fakecabinetcore.h"

#include <QtTest>

class TestCabinetCore : public QObject
{
    Q_OBJECT

private slots:
    void temperatureConversion_data();
    void temperatureConversion();
    void ofFindsTheCoreAmongTheAncestors();
};

void TestCabinetCore::temperatureConversion_data()
{
    QTest::addColumn<int>("fahrenheit");
    QTest::addColumn<int>("celsius");
    QTest::addColumn<int>("backToFahrenheit");
    QTest::newRow("freezing") << 32 << 0 << 32;
    QTest::newRow("boiling") << 212 << 100 << 212;
    QTest::newRow("holding 170F") << 170 << 77 << 171;   // 76.67 -> 77; 77 C = 170.6 -> 171
    QTest::newRow("shelf 125F") << 125 << 52 << 126;     // 51.67 -> 52; 125.6 -> 126
    QTest::newRow("-40 meets") << -40 << -40 << -40;
    QTest::newRow("below zero") << 0 << -18 << 0;        // -17.78 -> -18; -0.4 -> 0
    QTest::newRow("probe open") << 3275 << 1802 << 3276;   // 1801.67 -> 1802; 3243.6 -> 3244
}

void TestCabinetCore::temperatureConversion()
{
    QFETCH(int, fahrenheit);
    QFETCH(int, celsius);
    QFETCH(int, backToFahrenheit);
    QCOMPARE(CabinetCore::convertToCelsius(fahrenheit), celsius);
    QCOMPARE(CabinetCore::convertToFahrenheit(celsius), backToFahrenheit);
}

void TestCabinetCore::ofFindsTheCoreAmongTheAncestors()
{
    FakeCabinetCore core;
    QObject manager(&core);
    QObject slot(&manager);
    QCOMPARE(CabinetCore::of(&slot), &core);
    QCOMPARE(CabinetCore::of(&core), &core);
    QObject orphan;
    QCOMPARE(CabinetCore::of(&orphan), nullptr);
    QCOMPARE(CabinetCore::of(nullptr), nullptr);
}

QTEST_APPLESS_MAIN(TestCabinetCore)
#include "tst_cabinetcore.moc"
