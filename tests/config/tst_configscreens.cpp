#include "cabinetidentity.h"
#include "passcodes.h"
#include "preloadedconfigs.h"
#include "qmlscreen.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QPointer>
#include <QStyleHints>

#include <algorithm>
#include <cmath>

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
// Contrast ratio of two opaque colours, from their relative luminance.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void collectKeys(QQuickItem *item, QList<QQuickItem *> &keys)
{
    for (QQuickItem *child : item->childItems()) {
        if (child->metaObject()->indexOfProperty("keycode") >= 0)
            keys << child;
        else
            collectKeys(child, keys);
    }
}

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
    void pinPadFitsThePage_data();
    void pinPadFitsThePage();
    void informationFollowsTheNumbers_data();
    void informationFollowsTheNumbers();
    void newManagerPin_data();
    void newManagerPin();
    void logoResetsManagerPin_data();
    void logoResetsManagerPin();
    void logoHeldOpensTheReset();
    void informationAndSupplyVoltage();
    void unitDetailsNotSaved_data();
    void unitDetailsNotSaved();
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

void TestConfigScreens::pinPadFitsThePage_data()
{
    QTest::addColumn<QSize>("page"); // the page above the dock
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("wrongPin");
    QTest::newRow("landscape") << QSize(800, 416) << "PIN #" << false;
    QTest::newRow("landscape, wrong PIN") << QSize(800, 416) << "PIN #" << true;
    QTest::newRow("landscape, new PIN") << QSize(800, 416) << "NEW PIN#" << false;
    QTest::newRow("portrait") << QSize(480, 736) << "PIN #" << false;
    QTest::newRow("portrait, wrong new PIN") << QSize(480, 736) << "NEW PIN#" << true;
}

// The pad lies wholly on its page, its keys on one grid of equal gaps, every key a
// finger's size, and its texts readable on what they are drawn on.
void TestConfigScreens::pinPadFitsThePage()
{
    QFETCH(QSize, page);
    QFETCH(QString, title);
    QFETCH(bool, wrongPin);
    Screen s;
    QVERIFY(s.load(QStringLiteral("Item { objectName: \"page\"; width: %1; height: %2\n"
                                  "PinPad { anchors.fill: parent } }").arg(page.width()).arg(page.height()).toUtf8()));
    QQuickItem *pad = s.item("pinPad");
    QVERIFY(QMetaObject::invokeMethod(pad, "open", Q_ARG(QVariant, title)));
    if (wrongPin)
        QVERIFY(QMetaObject::invokeMethod(pad, "showError", Q_ARG(QVariant, QStringLiteral("ERROR"))));
    QSignalSpy drawn(s.view.get(), &QQuickWindow::frameSwapped);
    s.view->update();
    QVERIFY(drawn.wait(5000));

    const auto rect = [](QQuickItem *item) { return item->mapRectToScene(QRectF(0, 0, item->width(), item->height())); };
    QQuickItem *box = s.item("pinPadBox");
    QVERIFY(box);
    QVERIFY2(rect(s.item("page")).contains(rect(box)), qPrintable(QStringLiteral("%1x%2 at %3")
        .arg(box->width()).arg(box->height()).arg(box->y())));

    QList<QQuickItem *> keys;
    collectKeys(s.item("pinPadKeys"), keys);
    QCOMPARE(keys.size(), 14);
    QList<qreal> lefts, rights, tops, bottoms;
    for (QQuickItem *key : keys) {
        const QRectF r = rect(key);
        QVERIFY2(r.width() >= 56 && r.height() >= 56, qPrintable(key->property("label").toString()));
        QVERIFY(rect(box).contains(r));
        if (r.width() < 2 * 56) { // the single keys make the columns
            if (!lefts.contains(r.left()))
                lefts << r.left(), rights << r.right();
            if (!tops.contains(r.top()))
                tops << r.top(), bottoms << r.bottom();
        }
    }
    std::sort(lefts.begin(), lefts.end());
    std::sort(rights.begin(), rights.end());
    std::sort(tops.begin(), tops.end());
    std::sort(bottoms.begin(), bottoms.end());
    QCOMPARE(lefts.size(), 4);
    QCOMPARE(tops.size(), 3);
    const qreal gap = lefts.at(1) - rights.at(0);
    for (int i = 1; i < 4; ++i)
        QCOMPARE(lefts.at(i) - rights.at(i - 1), gap);
    for (int i = 1; i < 3; ++i)
        QCOMPARE(tops.at(i) - bottoms.at(i - 1), gap);
    // The wide keys span two columns and the gap between them, on a row of the same gap.
    for (QQuickItem *key : keys) {
        const QRectF r = rect(key);
        if (r.width() < 2 * 56)
            continue;
        QVERIFY(lefts.contains(r.left()));
        QVERIFY(rights.contains(r.right()));
        QCOMPARE(r.top() - bottoms.last(), gap);
    }

    const auto colorOf = [](QQuickItem *item) { return item->property("color").value<QColor>(); };
    QQuickItem *message = s.item("pinPadMessage");
    QCOMPARE(message->isVisible(), wrongPin);
    QCOMPARE(s.text("pinPadTitle"), title);
    QVERIFY(contrast(colorOf(s.item("pinPadTitle")), colorOf(box)) >= 4.5);
    QVERIFY(contrast(colorOf(s.item("pinPadField")), colorOf(s.item("pinPadFieldBox"))) >= 4.5);
    if (wrongPin) {
        QCOMPARE(s.text("pinPadMessage"), QStringLiteral("ERROR"));
        QVERIFY2(contrast(colorOf(message), colorOf(s.item("pinPadFieldBox"))) >= 4.5,
                 qPrintable(QString::number(contrast(colorOf(message), colorOf(s.item("pinPadFieldBox"))))));
        // The next digit takes the message away.
        s.item("pinPadField")->forceActiveFocus();
        QTest::keyClick(s.view.get(), '1');
        QVERIFY(!message->isVisible());
    }
}

void TestConfigScreens::newManagerPin_data()
{
    QTest::addColumn<QString>("pin");
    QTest::newRow("four digits") << "2580";
    // Stored as the digest of the empty text: Return alone then opens level 1.
    QTest::newRow("empty") << "";
}

void TestConfigScreens::newManagerPin()
{
    QFETCH(QString, pin);
    Screen s;
    QVERIFY(s.load("PasswordPage { anchors.fill: parent }"));
    QSignalSpy changed(s.config, &ConfigurationManager::passcodeChanged);
    QVERIFY(s.tap("changePinButton"));
    QTRY_VERIFY(s.shown("pinPad"));
    QCOMPARE(s.text("pinPadTitle"), QStringLiteral("NEW PIN#"));
    s.type(pin);
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(changed.takeFirst().first().toString(), pin);
    QCOMPARE(s.config->passcodeLevel(pin), 1);
    QCOMPARE(s.config->passcodeLevel(QStringLiteral("7046")), 0);
    QVERIFY(!s.shown("pinPad"));
    QVERIFY(s.shown("passwordMessage"));
    QCOMPARE(s.text("passwordMessage"), QStringLiteral("Manager's PIN# was changed."));
}

void TestConfigScreens::logoResetsManagerPin_data()
{
    QTest::addColumn<bool>("saves");
    QTest::addColumn<QString>("message");
    QTest::newRow("saved") << true << "Manager's PIN# was reset.";
    QTest::newRow("the file cannot be written")
        << false << "Manager's PIN# could not be reset.<br>The old PIN# still applies.";
}

// Twelve quick taps on the logo bring the default manager's PIN back, and say so only
// once it is saved; otherwise the old PIN keeps opening and the cloud link hears nothing.
void TestConfigScreens::logoResetsManagerPin()
{
    QFETCH(bool, saves);
    QFETCH(QString, message);
    Screen s;
    QVERIFY(s.load(kCarousel));
    QVERIFY(s.config->changeManagerPasscode(QStringLiteral("2580")));
    QSignalSpy changed(s.config, &ConfigurationManager::passcodeChanged);
    if (!saves) {
        QVERIFY(QmlScreen::blockConfigFile());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Settings not saved")));
    }
    for (int i = 0; i < 12; ++i)
        QVERIFY(s.tap("dockLogo"));
    QTRY_VERIFY(s.shown("carouselMessage"));
    QCOMPARE(s.text("carouselMessage"), message);
    QCOMPARE(changed.count(), saves ? 1 : 0);
    QCOMPARE(s.config->passcodeLevel(QStringLiteral("7046")), saves ? 1 : 0);
    QCOMPARE(s.config->passcodeLevel(QStringLiteral("2580")), saves ? 0 : 1);
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

// Numbers that were refused or not saved: the unit details, or the first start, say so
// and stay where they are; the stored numbers and store number stay, and the first start
// installs no personality.
void TestConfigScreens::unitDetailsNotSaved_data()
{
    QTest::addColumn<bool>("firstStart");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("model"); // the file holds M1
    QTest::addColumn<bool>("fileBlocked");
    QTest::newRow("equals sign in the serial") << false << "S=2" << "M1" << false;
    // The model alone would be accepted: it is not written either.
    QTest::newRow("equals sign in the serial, model changed") << false << "S=2" << "M2" << false;
    QTest::newRow("identity file cannot be written") << false << "S2" << "M2" << true;
    QTest::newRow("first start, equals sign in the serial") << true << "S=2" << "HX5123" << false;
    QTest::newRow("first start, identity file cannot be written") << true << "S2" << "HX5123" << true;
}

void TestConfigScreens::unitDetailsNotSaved()
{
    QFETCH(bool, firstStart);
    QFETCH(QString, serial);
    QFETCH(QString, model);
    QFETCH(bool, fileBlocked);
    Screen s(true, !firstStart);
    const QByteArray stored = "serialNumber=S1\nmodelNumber=M1\nuuidNumber=u-1\ncustomerIdStr=\n";
    QVERIFY(s.scratch.writeRootFile(QStringLiteral("serialModelNums.txt"), stored));
    s.config->loadCabinetSerialModelNumbers();
    if (fileBlocked)
        QVERIFY(QDir().mkpath(SafeFileWriter::temporaryPath(CabinetIdentity::identityFilePath())));
    if (firstStart) {
        QVERIFY(s.scratch.writeRootFile(QStringLiteral("preloadedConfigs/HX5/CFG_HX5123.hcc"), "one display"));
        QVERIFY(s.load(kFirstStart));
        QVERIFY(s.tap("portraitButton") && s.tap("firstStartModel"));
        s.type(model);
        QTRY_VERIFY(s.item("acceptDetails")->isEnabled());
        QVERIFY(s.item("firstStartSerial")->setProperty("text", serial));
        QVERIFY(s.tap("acceptDetails") && s.tap("saveConfiguration"));
        QVERIFY(s.shown("firstStartMessage"));
        QCOMPARE(s.text("firstStartMessage"), QStringLiteral("The settings could not be saved.<br>Nothing was changed."));
        QVERIFY(s.shown("confirmStep"));
        QVERIFY(!s.shown("configurationMessage"));
        QVERIFY(!QFile::exists(TulPaths::rootPath(QStringLiteral("CFG_HX5123.hcc"))));
        QCOMPARE(s.config->get_customerIdStr(), QString());
    } else {
        QVERIFY(s.load("SerialModelNumbersDialog { anchors.fill: parent; Component.onCompleted: open() }"));
        QVERIFY(s.item("serialField")->setProperty("text", serial));
        QVERIFY(s.item("modelField")->setProperty("text", model));
        QVERIFY(s.item("storeField")->setProperty("text", QStringLiteral("4711")));
        QVERIFY(s.tap("serialModelAccept"));
        QVERIFY(s.shown("identityNotSaved"));
        QCOMPARE(s.text("identityNotSaved"), QStringLiteral("The settings could not be saved.<br>Nothing was changed."));
        QVERIFY(s.shown("serialModelNumbersDialog"));
        QCOMPARE(s.config->get_storeNumber(), QStringLiteral("N.A."));
    }
    QCOMPARE(s.config->get_serialNumber() + s.config->get_modelNumber(), QStringLiteral("S1M1"));
    QFile identity(CabinetIdentity::identityFilePath());
    QVERIFY(identity.open(QIODevice::ReadOnly));
    QCOMPARE(identity.readAll(), stored);
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
