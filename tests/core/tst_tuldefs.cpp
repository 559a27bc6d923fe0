#include "dqsnplusidreader.h"
#include "tulgeneraldefs.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QScopedPointer>
#include <QtTest>

class TestTulDefs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void enumerationsReachQml();
    void qmlCannotCreateTheHolder();
    void idSettersAnnounceEvenUnchangedValues();
};

void TestTulDefs::initTestCase()
{
    TulDefs::registerQmlType();
}

void TestTulDefs::enumerationsReachQml()
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\n"
                      "import TulDefs 1.0\n"
                      "QtObject {\n"
                      "    property int customer: TulDefines.CUSTOMER_ID_HALVO\n"
                      "    property int first: TulDefines.VARUDAZE_RU_RA\n"
                      "    property int vyx: TulDefines.CUSTOMER_ID_Vyx\n"
                      "    property int maxClean: TulDefines.TUL_MAX_TIMER_SCREEN_CLEAING\n"
                      "    property int board: TulDefines.TUL_IO_BOARD_04_HEATERS\n"
                      "    property int layout: TulDefines.TUL_ZONE_TEMP_LAYOUT_TOP_BOTTOM\n"
                      "    property int source: TulDefines.OV_IMPORT_SOURCE_LOCAL\n"
                      "}\n",
                      QUrl());
    QScopedPointer<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("customer").toInt(), 5);
    QCOMPARE(object->property("first").toInt(), 0);
    QCOMPARE(object->property("vyx").toInt(), 1);
    QCOMPARE(object->property("maxClean").toInt(), 1440);
    QCOMPARE(object->property("board").toInt(), 1);
    QCOMPARE(object->property("layout").toInt(), 2);
    QCOMPARE(object->property("source").toInt(), 1);
}

void TestTulDefs::qmlCannotCreateTheHolder()
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import TulDefs 1.0\nTulDefines {}\n", QUrl());
    QVERIFY(component.isError());
}

void TestTulDefs::idSettersAnnounceEvenUnchangedValues()
{
    DqsnPlusIDReader ids;
    QCOMPARE(ids.get_displayId(), 0);
    QCOMPARE(ids.get_orientationId(), 0);
    QSignalSpy display(&ids, &DqsnPlusIDReader::displayIdChanged);
    QSignalSpy orientation(&ids, &DqsnPlusIDReader::orientationIdChanged);
    ids.set_displayId(0);
    ids.set_orientationId(0);
    ids.set_orientationId(0);
    QCOMPARE(display.count(), 1);
    QCOMPARE(display.at(0).at(0).toInt(), 0);
    QCOMPARE(orientation.count(), 2);
}

QTEST_GUILESS_MAIN(TestTulDefs)
#include "tst_tuldefs.moc"
