#include "passcodes.h"
#include "preloadedconfigs.h"
#include "qmlscreen.h"
#include "tulpaths.h"

#include <QGuiApplication>
#include <QPointer>
#include <QStyleHints>

namespace {

// The configuration screens: the carousel's page and lock levels as well.
struct Screen : QmlScreen
{
    using QmlScreen::QmlScreen;
    bool load(const QByteArray &scene) { return QmlScreen::load(QStringLiteral("qrc:/config"), scene); }
    QString screen() const { return item("carousel")->property("screen").toString(); }
    int unlockedLevel(const char *page) const
    {
        QVariant result;
        QMetaObject::invokeMethod(item("carousel"), "unlockedLevel", Q_RETURN_ARG(QVariant, result),
                                  Q_ARG(QVariant, QString::fromLatin1(page)));
        return result.toInt();
    }
};

const QByteArray kCarousel = "ServiceCarousel { objectName: \"carousel\"; anchors.fill: parent\n available: "
    "[\"Preferences\", \"ErrorsLogPanel\", \"PasswordPanel\", \"SystemInformationPanel\", \"UtilitiesPanel\"] }";
const QByteArray kFirstStart = "FirstStartFlow { anchors.fill: parent }\nConfigurationScreens { anchors.fill: parent }";

} // namespace

class TestConfigScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Passcodes::registerQmlTypes(); }
    void carouselLocks_data();
    void carouselLocks();
    void carouselWrapsAndLocksAgain();
    void informationFollowsTheNumbers_data();
    void informationFollowsTheNumbers();
    void passwordPageAndLogo();
    void logoHeldOpensTheReset();
    void informationAndSupplyVoltage();
    void firstStartByScannedModel();
    void firstStartByHand();
};

void TestConfigScreens::carouselLocks_data()
{
    QTest::addColumn<QStringList>("pins");   // typed one after the other on the Errors Log lock
    QTest::addColumn<bool>("padOpen");       // afterwards
    QTest::addColumn<int>("errorsLogLevel"); // the level it is unlocked with
    QTest::addColumn<int>("utilitiesLevel");
    QTest::addColumn<QString>("message");    // what the message box says, if shown
    QTest::newRow("level 2") << QStringList{"604528"} << false << 2 << 0 << "";
    QTest::newRow("manager's PIN is too low") << QStringList{"7046"} << true << 0 << 0 << "";
    QTest::newRow("level 3 opens every page") << QStringList{"731960"} << false << 3 << 3 << "All service panels unlocked!";
    QTest::newRow("a wrong PIN, then a good one") << QStringList{"1", "604528"} << false << 2 << 0 << "";
    QTest::newRow("five failures keep the pad") << QStringList{"1", "2", "3", "4", "5"} << true << 0 << 0 << "";
    QTest::newRow("the sixth closes it") << QStringList{"1", "2", "3", "4", "5", ""} << false << 0 << 0
                                         << "Too many failed attempts.\nCall service.";
}

void TestConfigScreens::carouselLocks()
{
    QFETCH(QStringList, pins);
    QFETCH(bool, padOpen);
    QFETCH(QString, message);
    Screen s;
    QVERIFY(s.load(kCarousel));
    QCOMPARE(s.screen(), QStringLiteral("Preferences"));
    QVERIFY(!s.shown("carouselLock")); // Preferences is open
    QVERIFY(QMetaObject::invokeMethod(s.item("carousel"), "show", Q_ARG(QVariant, QStringLiteral("ErrorsLogPanel"))));
    QVERIFY(s.tap("carouselLock"));
    QTRY_VERIFY(s.shown("pinPad"));
    QCOMPARE(s.text("pinPadTitle"), QStringLiteral("PIN #"));
    QSignalSpy entered(s.config, &ConfigurationManager::passcodeEntered);
    for (const QString &pin : pins) {
        s.type(pin);
        QTRY_COMPARE(entered.count(), pins.indexOf(pin) + 1);
    }
    QCOMPARE(s.shown("pinPad"), padOpen);
    if (padOpen)
        QCOMPARE(s.text("pinPadMessage"), QStringLiteral("ERROR"));
    QTEST(s.unlockedLevel("ErrorsLogPanel"), "errorsLogLevel");
    QTEST(s.unlockedLevel("UtilitiesPanel"), "utilitiesLevel");
    QCOMPARE(s.shown("carouselMessage") ? s.text("carouselMessage") : QString(), message);
    if (message.startsWith(QLatin1String("Too many"))) {
        // The next tap on the lock shows the message without opening the pad.
        QVERIFY(s.tap("configMessageClose"));
        QVERIFY(s.tap("carouselLock"));
        QTRY_VERIFY(s.shown("carouselMessage"));
        QVERIFY(!s.shown("pinPad"));
    }
}

void TestConfigScreens::carouselWrapsAndLocksAgain()
{
    Screen s(false); // not the master: only Preferences and Utilities can be opened
    QVERIFY(s.load(kCarousel));
    QStringList seen;
    for (int i = 0; i < 6; ++i) {
        seen << s.screen();
        QVERIFY(s.tap("carouselNext"));
    }
    QCOMPARE(seen, (QStringList{"Preferences", "ErrorsLogPanel", "PasswordPanel", "SystemInformationPanel",
                                "UtilitiesPanel", "Preferences"}));
    QVERIFY(s.tap("carouselPrevious") && s.tap("carouselPrevious"));
    QCOMPARE(s.screen(), QStringLiteral("UtilitiesPanel"));
    QVERIFY(s.tap("carouselPrevious"));
    // A page of level -1 shows its lock but cannot be opened.
    QCOMPARE(s.screen(), QStringLiteral("SystemInformationPanel"));
    QVERIFY(s.shown("carouselLock"));
    QVERIFY(!s.tap("carouselLock"));
    QVERIFY(s.tap("carouselNext") && s.tap("carouselLock"));
    QTRY_VERIFY(s.shown("pinPad"));
    s.type(QStringLiteral("604528"));
    QTRY_VERIFY(!s.shown("pinPad"));
    QSignalSpy exited(s.config, &ConfigurationManager::programModeExited);
    QCOMPARE(s.text("carouselLock"), QStringLiteral("Lock"));
    QVERIFY(s.tap("carouselLock"));
    QCOMPARE(exited, (QList<QVariantList>{{QStringLiteral("UtilitiesPanel"), 2}}));
    QCOMPARE(s.text("carouselLock"), QStringLiteral("Unlock"));
}

void TestConfigScreens::passwordPageAndLogo()
{
    Screen s;
    QVERIFY(s.load("PasswordPage { anchors.fill: parent }\n" + kCarousel));
    QSignalSpy changed(s.config, &ConfigurationManager::passcodeChanged);
    QVERIFY(s.tap("changePinButton"));
    QTRY_VERIFY(s.shown("pinPad"));
    QCOMPARE(s.text("pinPadTitle"), QStringLiteral("NEW PIN#"));
    s.type(QStringLiteral("2580"));
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(changed.takeFirst().first().toString(), QStringLiteral("2580"));
    QCOMPARE(s.config->passcodeLevel(QStringLiteral("2580")), 1);
    QVERIFY(s.shown("passwordMessage"));

    // Twelve quick taps on the logo bring the default manager's PIN back.
    for (int i = 0; i < 12; ++i)
        QVERIFY(s.tap("dockLogo"));
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(s.config->passcodeLevel(QStringLiteral("7046")), 1);
    QCOMPARE(s.text("carouselMessage"), QStringLiteral("Manager's PIN# was reset."));

}

void TestConfigScreens::logoHeldOpensTheReset()
{
    Screen s;
    QVERIFY(s.scratch.writeRootFile(QStringLiteral("CFG_A.hcc"), "x"));
    QVERIFY(s.load(kCarousel));
    QQuickItem *logo = s.item("dockLogo");
    const QPoint centre = logo->mapToScene(QPointF(logo->width() / 2, logo->height() / 2)).toPoint();
    QTest::mousePress(s.view.get(), Qt::LeftButton, Qt::NoModifier, centre);
    QTRY_VERIFY_WITH_TIMEOUT(s.shown("resetQuestion"), 7000);
    QTest::mouseRelease(s.view.get(), Qt::LeftButton, Qt::NoModifier, centre);
    // Not taken for the second click of a double click.
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    QSignalSpy reset(s.config, &ConfigurationManager::resetConfigurationFileCompleted);
    QVERIFY(s.tap("configMessageYes", "resetQuestion"));
    QCOMPARE(reset.count(), 1);
    QVERIFY(!QFile::exists(TulPaths::rootPath(QStringLiteral("CFG_A.hcc"))));
}

void TestConfigScreens::informationFollowsTheNumbers_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("row");
    QTest::newRow("serial") << "serialNumber" << 0;
    QTest::newRow("model") << "modelNumber" << 1;
    QTest::newRow("store, as the cloud sends it") << "storeNumber" << 2;
    QTest::newRow("MAC address") << "macAddress" << 3;
    QTest::newRow("menu digest") << "productsHashCode" << 4;
}

// A changed number shows at once in the row that was there: rows are not built again
// for every change (which kept memory growing with every store number the cloud sent).
void TestConfigScreens::informationFollowsTheNumbers()
{
    QFETCH(QString, key);
    QFETCH(int, row);
    Screen s;
    QVERIFY(s.load("SystemInformationPage { anchors.fill: parent }"));
    const QByteArray name = "identityValue" + QByteArray::number(row);
    QPointer<QQuickItem> shown = s.item(name.constData());
    QVERIFY(shown);
    for (const QString &value : {QStringLiteral("A-1"), QStringLiteral("B-2")}) {
        QVERIFY(s.config->setProperty(qPrintable(key), value));
        QCOMPARE(s.text(name.constData()), value);
        QCOMPARE(s.item(name.constData()), shown.data());
    }
}

void TestConfigScreens::informationAndSupplyVoltage()
{
    Screen s;
    s.config->set_ioBoardFirmwareVersion0(QStringLiteral("2.3.4"));
    s.config->set_serialNumber(QStringLiteral("SN-77"));
    QVERIFY(s.load("SystemInformationPage { anchors.fill: parent }"));
    QCOMPARE(s.text("versionValue0"), QStringLiteral("RO-2503"));
    QCOMPARE(s.text("versionValue2"), QStringLiteral("2.3.4"));
    QCOMPARE(s.text("identityValue0"), QStringLiteral("SN-77"));

    // The supply voltage is offered only where the personality lets the user choose.
    QVERIFY(s.load("PowerSourceRow {}"));
    QVERIFY(!s.shown("powerSource208"));
    s.core.powerSourceChoice = true;
    QVERIFY(s.load("PowerSourceRow {}"));
    QVERIFY(s.tap("powerSource208"));
    QCOMPARE(s.config->get_powerSource(), 208);
    QFile saved(ConfigurationManager::configFilePath());
    QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().contains("powerSource=208\n"));
}

void TestConfigScreens::firstStartByScannedModel()
{
    Screen s(true, false);
    QVERIFY(s.scratch.writeRootFile(QStringLiteral("preloadedConfigs/HX5/CFG_HX5123.hcc"), "one display"));
    QVERIFY(s.load(kFirstStart));
    QVERIFY(s.tap("portraitButton"));
    QCOMPARE(s.config->get_screenOrientation(), 1);
    QVERIFY(s.shown("detailsStep"));
    QVERIFY(!s.item("acceptDetails")->isEnabled());
    QVERIFY(s.tap("firstStartModel"));
    s.type(QStringLiteral("HX5123"));
    QTRY_VERIFY(s.item("acceptDetails")->isEnabled()); // checked shortly after the last key
    QVERIFY(!s.shown("manualConfiguration"));
    QVERIFY(s.tap("firstStartSerial"));
    s.type(QStringLiteral("S0001"));
    QVERIFY(s.tap("acceptDetails"));
    QVERIFY(s.shown("confirmStep"));
    QVERIFY(s.tap("saveConfiguration"));
    QTRY_VERIFY(s.shown("configurationMessage"));
    QCOMPARE(s.text("configurationMessage"), QStringLiteral("Unit configuration successful.<br>Reboot the unit."));
    QVERIFY(!s.shown("configMessageClose"));
    QVERIFY(QFile::exists(TulPaths::rootPath(QStringLiteral("CFG_HX5123.hcc"))));
    QCOMPARE(s.config->get_serialNumber(), QStringLiteral("S0001"));
    QCOMPARE(s.config->get_customerIdStr(), QStringLiteral("HX5"));
    QFile identity(TulPaths::rootPath(QStringLiteral("serialModelNums.txt")));
    QVERIFY(identity.open(QIODevice::ReadOnly));
    QVERIFY(identity.readAll().startsWith("serialNumber=S0001\nmodelNumber=HX5123\n"));
}

void TestConfigScreens::firstStartByHand()
{
    Screen s(false, false);
    for (const char *name : {"QRB/CFG_K9_PRIMARY.hcc", "QRB/CFG_K9_MIRROR.hcc", "QRB/CFG_A1.hcc", "VYX/CFG_V2.hcc"})
        QVERIFY(s.scratch.writeRootFile(QStringLiteral("preloadedConfigs/") + QLatin1String(name), name));
    QVERIFY(s.load(kFirstStart));
    QVERIFY(s.tap("landscapeButton") && s.tap("firstStartModel"));
    s.type(QStringLiteral("NOPE"));
    QVERIFY(s.tap("manualConfiguration")); // the model check that follows changes nothing
    QTRY_VERIFY(s.shown("groupsStep"));
    QVERIFY(s.tap("group_QRB"));
    QVERIFY(s.shown("modelsStep"));
    QVERIFY(s.item("model_A1") && s.item("model_K9"));
    QVERIFY(s.tap("model_K9") && s.tap("configButton"));
    QVERIFY(s.shown("sideStep"));
    QVERIFY(s.tap("primarySide") && s.tap("saveConfiguration"));
    QTRY_VERIFY(s.shown("configurationMessage"));
    QVERIFY(QFile::exists(TulPaths::rootPath(QStringLiteral("CFG_K9_PRIMARY.hcc"))));
    // The primary side becomes the master and sends the mirror's file as transfer 15.
    QCOMPARE(s.core.sentNames(), (QStringList{"set_iAmMaster", "sendFileViaCanbus"}));
    QCOMPARE(s.core.sent.last().args.at(1).toInt(), 15);
    QVERIFY(s.core.sent.last().args.at(0).toString().endsWith(QLatin1String("QRB/CFG_K9_MIRROR.hcc")));
}

QTEST_MAIN(TestConfigScreens)
#include "tst_configscreens.moc"
