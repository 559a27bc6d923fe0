#include "servicescreen.h"
#include "timezonetable.h"

// The service pages reached through the carousel on displays of each kind: which pages a
// display offers, at which lock level, and that a PIN of that level opens them.
class TestServicePages : public QObject
{
    Q_OBJECT

private slots:
    void lockLevels_data();
    void lockLevels();
    void arrowsTakeEveryQuickTap_data();
    void arrowsTakeEveryQuickTap();
    void dateTimeSaves_data();
    void dateTimeSaves();
    void shownLocalTime_data();
    void shownLocalTime();
    void clockTicksOnlyWhileShown();
    void cabinetNamesSave_data();
    void cabinetNamesSave();
    void ecoModeLockLevels_data();
    void ecoModeLockLevels();
};

namespace {

// What becomes of a page's edits.
enum Ending { Save, IdleReturn, SaveFails, LeftByTheDock };

// Scrolls a list as a finger would, so that a row far down is on the screen to be tapped.
void scrollTo(ServiceScreen &s, const char *list, int row)
{
    QMetaObject::invokeMethod(s.item(list), "positionViewAtIndex", Q_ARG(int, row), Q_ARG(int, 1 /* Center */));
    QCoreApplication::processEvents();
}

} // namespace

void TestServicePages::lockLevels_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<bool>("master");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("level"); // -2: not offered
    // What a tap on a lock that cannot be opened (-1) says.
    const QString display = QStringLiteral("This page can be unlocked on the primary display only.");
    const QString cloud = QStringLiteral("The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.");
    QTest::addColumn<QString>("reason");
    QTest::newRow("Utilities, master") << 0 << true << "Utilities" << 2 << QString();
    QTest::newRow("Utilities, other display") << 0 << false << "Utilities" << 2 << QString();
    QTest::newRow("Password, master") << 0 << true << "Password" << 1 << QString();
    QTest::newRow("Password, other display") << 0 << false << "Password" << -1 << display;
    QTest::newRow("Language, customer 3") << 3 << true << "Language" << -2 << QString();
    QTest::newRow("Date and Time, master") << 0 << true << "Date and Time" << 1 << QString();
    QTest::newRow("Date and Time, other display") << 0 << false << "Date and Time" << -1 << display;
    QTest::newRow("Date and Time, customer 3") << 3 << true << "Date and Time" << 1 << QString();
    QTest::newRow("Date and Time, customer 2, other display") << 2 << false << "Date and Time" << -1 << display;
    QTest::newRow("Cabinet Names, customer 3") << 3 << true << "Cabinet Names" << 1 << QString();
    QTest::newRow("Cabinet Names, customer 3, other display") << 3 << false << "Cabinet Names" << -1 << display;
    QTest::newRow("Cabinet Names, customer 0") << 0 << true << "Cabinet Names" << -2 << QString();
    QTest::newRow("Cabinet Names, customer 1") << 1 << true << "Cabinet Names" << -2 << QString();
    QTest::newRow("Wi-Fi Networking, master") << 0 << true << "Wi-Fi Networking" << 2 << QString();
    QTest::newRow("Wi-Fi Networking, customer 2 master") << 2 << true << "Wi-Fi Networking" << 2 << QString();
    QTest::newRow("Wi-Fi Networking, other display") << 0 << false << "Wi-Fi Networking" << -1 << display;
    // Customer 3's cabinets talk to the QRB_LUMO cloud, which keeps the network itself.
    QTest::newRow("Wi-Fi Networking, QRB_LUMO master") << 3 << true << "Wi-Fi Networking" << -1 << cloud;
    QTest::newRow("Wi-Fi Networking, QRB_LUMO other display") << 3 << false << "Wi-Fi Networking" << -1 << cloud;
}

void TestServicePages::lockLevels()
{
    QFETCH(int, customer);
    QFETCH(bool, master);
    QFETCH(QString, page);
    QFETCH(int, level);
    QFETCH(QString, reason);
    ServiceScreen s(master, true, customer);
    QVERIFY(s.load());
    QCOMPARE(s.title(), QStringLiteral("Preferences"));
    if (level == -2) {
        QVERIFY(!s.pageNames().contains(page));
        return;
    }
    QVERIFY(s.open(page));
    QCOMPARE(s.lockLevel(), level);
    // A page that locks its own controls (Utilities keeps one way out open, Wi-Fi stays
    // readable) says so.
    const auto usable = [&s, &page] {
        QQuickItem *loader = s.page(page);
        QObject *item = loader->property("item").value<QObject *>();
        const QVariant own = item->property("unlocked");
        const QVariant readOnly = item->property("locked"); // readable while locked
        return loader->isEnabled() && (!own.isValid() || own.toBool()) && (!readOnly.isValid() || !readOnly.toBool());
    };
    QCOMPARE(usable(), level == 0);
    QCOMPARE(s.shown("carouselLockReason"), level == -1);
    if (level == -1) {
        QVERIFY(!s.enabled("carouselLock"));
        QVERIFY(s.tap("carouselLockReason"));
        QTRY_VERIFY(s.shown("carouselMessage"));
        QCOMPARE(s.text("carouselMessage"), reason);
    }
    if (level > 0) {
        QVERIFY(s.unlock(level == 1 ? QStringLiteral("7046") : QStringLiteral("604528")));
        QTRY_VERIFY(usable());
    }
}

void TestServicePages::arrowsTakeEveryQuickTap_data()
{
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<int>("step");
    QTest::newRow("forward") << "carouselNext" << 1;
    QTest::newRow("back") << "carouselPrevious" << -1;
}

// Two taps in quick succession are a double click to the arrow: each still turns a page.
void TestServicePages::arrowsTakeEveryQuickTap()
{
    QFETCH(QString, arrow);
    QFETCH(int, step);
    ServiceScreen s(true, true, 0);
    QVERIFY(s.load());
    const QStringList names = s.pageNames();
    const int from = names.indexOf(s.title());
    QVERIFY(from >= 0);
    QQuickItem *button = s.item(qPrintable(arrow));
    QVERIFY(button);
    QTest::mouseDClick(s.view.get(), Qt::LeftButton, {},
                       button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint());
    QTRY_COMPARE(s.title(), names.at((from + 2 * step + 2 * names.size()) % names.size()));
}

void TestServicePages::dateTimeSaves_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QStringList>("switches"); // tapped after the zone
    QTest::addColumn<int>("ending");
    QTest::addColumn<QStringList>("lines");     // of the file once saved
    QTest::newRow("UTC+5:30 on the 24-hour clock") << 0 << 22 << QStringList{"twelveHourSwitch"} << int(Save)
        << QStringList{"timeFormatAMPM=0", "dstEnabled=1", "ntpOn=1", "timeZoneIndex=22"};
    QTest::newRow("UTC-4:30 without daylight saving or network time") << 0 << 8
        << QStringList{"dstSwitch", "ntpSwitch"} << int(Save)
        << QStringList{"timeFormatAMPM=1", "dstEnabled=0", "ntpOn=0", "timeZoneIndex=8"};
    QTest::newRow("the last row, customer 3") << 3 << 33 << QStringList() << int(Save)
        << QStringList{"timeZoneIndex=33"};
    QTest::newRow("daylight saving alone") << 0 << 0 << QStringList{"dstSwitch"} << int(Save)
        << QStringList{"dstEnabled=0", "timeZoneIndex=0"};
    QTest::newRow("the idle return drops the edits") << 0 << 17 << QStringList{"twelveHourSwitch"} << int(IdleReturn)
        << QStringList();
    QTest::newRow("a file that cannot be written is reported") << 0 << 30 << QStringList{"twelveHourSwitch"}
        << int(SaveFails) << QStringList();
    QTest::newRow("left by the dock and another page, the edits wait") << 0 << 19 << QStringList{"dstSwitch"}
        << int(LeftByTheDock) << QStringList{"dstEnabled=0", "timeZoneIndex=19"};
}

// Opened through the carousel and unlocked with the manager's PIN, the page saves what
// was tapped into the settings store and the file, and nothing it was not told to.
void TestServicePages::dateTimeSaves()
{
    QFETCH(int, customer);
    QFETCH(int, zone);
    QFETCH(QStringList, switches);
    QFETCH(int, ending);
    QFETCH(QStringList, lines);
    ServiceScreen s(true, true, customer);
    QVERIFY(s.load());
    QVERIFY(s.open("Date and Time"));
    QVERIFY(!s.tap("timeZoneRow_1")); // locked
    QVERIFY(s.unlock("7046"));
    QTRY_VERIFY(s.page("Date and Time")->isEnabled());
    QVERIFY(!s.enabled("dateTimeSaveButton"));
    scrollTo(s, "timeZoneList", zone);
    const QString row = QStringLiteral("timeZoneRow_%1").arg(zone);
    QVERIFY(s.tap(qPrintable(row)));
    for (const QString &name : switches)
        QVERIFY(s.tap(qPrintable(name)));
    QQuickItem *page = s.item("dateTimePage");
    QCOMPARE(page->property("timeZoneIndex").toInt(), zone);
    QCOMPARE(s.config->get_timeZoneIndex(), 0); // nothing applied before Save

    if (ending == LeftByTheDock) {
        // Another page, then the dock's Home (the pages hidden, locked again), then back.
        QVERIFY(s.tap("carouselNext"));
        QTRY_VERIFY(!s.page("Date and Time")->isVisible());
        s.item("servicePages")->setProperty("visible", false);
        QCoreApplication::processEvents();
        s.item("servicePages")->setProperty("visible", true);
        QVERIFY(s.tap("carouselPrevious"));
        QVERIFY(s.open("Date and Time"));
        page = s.item("dateTimePage");
        QVERIFY(page);
        QCOMPARE(page->property("timeZoneIndex").toInt(), zone);
        QVERIFY(!page->property("dstEnabled").toBool());
        QVERIFY(s.unlock("7046"));
        QTRY_VERIFY(s.page("Date and Time")->isEnabled());
        QVERIFY(s.enabled("dateTimeSaveButton"));
    }
    if (ending == IdleReturn) {
        QVERIFY(QMetaObject::invokeMethod(s.item("servicePages"), "cancelEdits"));
        QCOMPARE(page->property("timeZoneIndex").toInt(), 0);
        QVERIFY(page->property("twelveHour").toBool());
        QVERIFY(!s.enabled("dateTimeSaveButton"));
        QCOMPARE(s.config->get_timeZoneIndex(), 0);
        QVERIFY(!QFileInfo::exists(ConfigurationManager::configFilePath()));
        return;
    }
    if (ending == SaveFails)
        QVERIFY(QmlScreen::blockConfigFile());
    QVERIFY(s.tap("dateTimeSaveButton"));
    QCOMPARE(s.config->get_timeZoneIndex(), zone);
    QCOMPARE(s.config->get_timeFormatAMPM(), !switches.contains("twelveHourSwitch"));
    QCOMPARE(s.config->get_dstEnabled(), !switches.contains("dstSwitch"));
    QCOMPARE(s.config->get_ntpOn(), !switches.contains("ntpSwitch"));
    if (ending == SaveFails) {
        QVERIFY(s.shown("dateTimeSaveFailed"));
        QQuickItem *message = s.find(s.item("dateTimeSaveFailed"), QStringLiteral("configMessageText"));
        QVERIFY(message && message->property("text").toString().contains("could not be saved"));
        QVERIFY(s.tap("configMessageClose", "dateTimeSaveFailed"));
        QVERIFY(s.enabled("dateTimeSaveButton")); // offered again
        return;
    }
    QVERIFY(!s.shown("dateTimeSaveFailed"));
    QVERIFY(!s.enabled("dateTimeSaveButton"));
    const QByteArray file = s.configFile();
    for (const QString &line : lines)
        QVERIFY2(file.contains("\n" + line.toLatin1() + "\n"), qPrintable(line));
}

void TestServicePages::shownLocalTime_data()
{
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<int>("zone");
    QTest::addColumn<bool>("twelveHour");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("date");
    const QDateTime morning(QDate(2026, 3, 1), QTime(10, 15, 30), Qt::UTC);
    QTest::newRow("UTC-8:00 is behind") << morning << 4 << true << false << "2:15:30 AM" << "2026-03-01";
    QTest::newRow("UTC+8:00 is ahead") << morning << 27 << true << false << "6:15:30 PM" << "2026-03-01";
    QTest::newRow("UTC+5:30") << morning << 22 << false << false << "15:45:30" << "2026-03-01";
    QTest::newRow("UTC-3:30, the half hour behind too") << morning << 10 << false << false << "06:45:30" << "2026-03-01";
    QTest::newRow("daylight saving adds an hour") << morning << 14 << false << true << "11:15:30" << "2026-03-01";
    QTest::newRow("midnight on the 12-hour clock") << QDateTime(QDate(2026, 3, 1), QTime(0, 5), Qt::UTC) << 14 << true
                                                   << false << "12:05:00 AM" << "2026-03-01";
    QTest::newRow("noon on the 12-hour clock") << QDateTime(QDate(2026, 3, 1), QTime(12, 5), Qt::UTC) << 14 << true
                                               << false << "12:05:00 PM" << "2026-03-01";
    QTest::newRow("UTC+13:00 is already tomorrow") << QDateTime(QDate(2026, 3, 1), QTime(23, 30), Qt::UTC) << 33
                                                   << false << false << "12:30:00" << "2026-03-02";
    QTest::newRow("UTC-12:00 is still yesterday") << QDateTime(QDate(2026, 3, 1), QTime(5, 0), Qt::UTC) << 0 << true
                                                  << false << "5:00:00 PM" << "2026-02-28";
}

// The page's clock for a given instant: what the stored zone and format make of it.
void TestServicePages::shownLocalTime()
{
    QFETCH(QDateTime, utc);
    QFETCH(int, zone);
    QFETCH(bool, twelveHour);
    QFETCH(bool, dst);
    QFETCH(QString, time);
    QFETCH(QString, date);
    ServiceScreen s;
    s.config->set_timeZoneIndex(zone);
    s.config->set_timeFormatAMPM(twelveHour);
    s.config->set_dstEnabled(dst);
    QVERIFY(s.load());
    QVERIFY(s.open("Date and Time"));
    QQuickItem *page = s.item("dateTimePage");
    page->setProperty("clockRunning", false);
    page->setProperty("utcMs", double(utc.toMSecsSinceEpoch()));
    QCOMPARE(s.text("localTimeText"), time);
    QCOMPARE(s.text("localDateText"), date + QStringLiteral("   ") + TimeZoneTable::name(zone));
}

void TestServicePages::clockTicksOnlyWhileShown()
{
    ServiceScreen s;
    QVERIFY(s.load());
    // Built before it is shown (the list prepared), the page must not start with the
    // time it was built at.
    s.item("servicePages")->setProperty("prepared", true);
    QTest::qWait(1500);
    QVERIFY(s.open("Date and Time"));
    QPointer<QQuickItem> page = s.item("dateTimePage");
    const auto shownAge = [&page] { return QDateTime::currentMSecsSinceEpoch() - page->property("utcMs").toDouble(); };
    QTRY_VERIFY_WITH_TIMEOUT(shownAge() < 500, 300);
    for (int tick = 0; tick < 2; ++tick) {
        const double shown = page->property("utcMs").toDouble();
        QTRY_VERIFY_WITH_TIMEOUT(page->property("utcMs").toDouble() > shown, 2500);
    }
    QVERIFY(s.tap("carouselNext"));
    QTRY_VERIFY(page && !page->isVisible());
    const double left = page->property("utcMs").toDouble();
    QTest::qWait(1200);
    QCOMPARE(page->property("utcMs").toDouble(), left);
}

void TestServicePages::cabinetNamesSave_data()
{
    QTest::addColumn<int>("storedIndex");
    QTest::addColumn<int>("storedName");
    QTest::addColumn<QStringList>("taps"); // a tap on a button that is off does nothing
    QTest::addColumn<int>("ending");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("nameIndex");
    QTest::addColumn<QString>("name");
    QTest::newRow("Point-of-Use #3") << 0 << 0 << QStringList{"cabinetName_1", "cabinetNumberUp", "cabinetNumberUp"}
                                     << int(Save) << 2 << 1 << "Point-of-Use Cabinet #3";
    QTest::newRow("no number below 1") << 1 << 0 << QStringList{"cabinetNumberDown", "cabinetNumberDown"}
                                       << int(Save) << 0 << 0 << "Reserve Cabinet #1";
    QTest::newRow("no number above 99") << 97 << 0 << QStringList{"cabinetNumberUp", "cabinetNumberUp"}
                                        << int(Save) << 98 << 0 << "Reserve Cabinet #99";
    QTest::newRow("a number from an older file comes into range") << 150 << 1 << QStringList{"cabinetNumberDown"}
                                                                   << int(Save) << 98 << 1 << "Point-of-Use Cabinet #99";
    QTest::newRow("a name not set is chosen") << 5 << 7 << QStringList{"cabinetName_0"}
                                              << int(Save) << 5 << 0 << "Reserve Cabinet #6";
    QTest::newRow("the idle return drops the edits") << 0 << 0 << QStringList{"cabinetName_1", "cabinetNumberUp"}
                                                     << int(IdleReturn) << 0 << 0 << "Reserve Cabinet #1";
    QTest::newRow("a file that cannot be written is reported") << 0 << 0 << QStringList{"cabinetNumberUp"}
                                                               << int(SaveFails) << 1 << 0 << "Reserve Cabinet #2";
}

// Customer 3's page, opened through the carousel: the name reads as it will once saved,
// and Save puts the choice into the settings store and the file.
void TestServicePages::cabinetNamesSave()
{
    QFETCH(int, storedIndex);
    QFETCH(int, storedName);
    QFETCH(QStringList, taps);
    QFETCH(int, ending);
    QFETCH(int, index);
    QFETCH(int, nameIndex);
    QFETCH(QString, name);
    ServiceScreen s(true, true, 3);
    s.config->setCabinetIndex(storedIndex);
    s.config->setCabinetNameIndex(storedName);
    QVERIFY(s.load());
    QVERIFY(s.open("Cabinet Names"));
    QVERIFY(s.unlock("7046"));
    QTRY_VERIFY(s.page("Cabinet Names")->isEnabled());
    for (const QString &tap : taps)
        s.tap(qPrintable(tap));
    if (ending == IdleReturn) {
        QVERIFY(QMetaObject::invokeMethod(s.item("servicePages"), "cancelEdits"));
        QCOMPARE(s.text("cabinetNamePreview"), name);
        QVERIFY(!s.enabled("cabinetNamesSaveButton"));
        QCOMPARE(s.config->getCabinetIndex(), index);
        QVERIFY(!QFileInfo::exists(ConfigurationManager::configFilePath()));
        return;
    }
    QCOMPARE(s.text("cabinetNamePreview"), name);
    QCOMPARE(s.text("cabinetNumberText"), QString::number(index + 1));
    QCOMPARE(s.config->getCabinetIndex(), storedIndex); // nothing applied before Save
    if (ending == SaveFails)
        QVERIFY(QmlScreen::blockConfigFile());
    QVERIFY(s.tap("cabinetNamesSaveButton"));
    QCOMPARE(s.config->getCabinetIndex(), index);
    QCOMPARE(s.config->getCabinetNameIndex(), nameIndex);
    QCOMPARE(s.config->getCabinetName(), name);
    QCOMPARE(s.shown("cabinetNamesSaveFailed"), ending == SaveFails);
    QCOMPARE(s.enabled("cabinetNamesSaveButton"), ending == SaveFails);
    QCOMPARE(s.enabled("cabinetNumberDown"), index > 0);
    QCOMPARE(s.enabled("cabinetNumberUp"), index < 98);
    if (ending == SaveFails)
        QVERIFY(s.tap("configMessageClose", "cabinetNamesSaveFailed"));
    if (ending == Save) {
        const QByteArray file = s.configFile();
        QVERIFY(file.contains(QStringLiteral("\ncabinetIndex=%1\ncabinetNameIndex=%2\n").arg(index).arg(nameIndex).toLatin1()));
    }
}

// The eco page: its level follows the customer and the display, and it is offered only
// while both the personality and the zone-options setting allow advanced options.
void TestServicePages::ecoModeLockLevels_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<bool>("master");
    QTest::addColumn<bool>("personality");
    QTest::addColumn<bool>("setting");
    QTest::addColumn<int>("level"); // -2: not offered
    QTest::newRow("customer 0") << 0 << true << true << true << 1;
    QTest::newRow("customer 0, other display") << 0 << false << true << true << -1;
    QTest::newRow("customer 2") << 2 << true << true << true << 2;
    QTest::newRow("customer 2, other display") << 2 << false << true << true << -1;
    QTest::newRow("customer 1, zone options on") << 1 << true << true << true << 1;
    QTest::newRow("customer 1, zone options off") << 1 << true << true << false << -2;
    QTest::newRow("customer 3") << 3 << true << true << true << 1;
    QTest::newRow("personality without zone options") << 0 << true << false << true << -2;
}

void TestServicePages::ecoModeLockLevels()
{
    QFETCH(int, customer);
    QFETCH(bool, master);
    QFETCH(bool, personality);
    QFETCH(bool, setting);
    QFETCH(int, level);
    ServiceScreen s(master, true, customer);
    s.config->setPersonalityAccess(false, personality);
    s.config->set_advancedZoneOptionsEnable(setting);
    QVERIFY(s.load());
    const QString page = QStringLiteral("Eco Mode Options");
    if (level == -2) {
        QVERIFY(!s.pageNames().contains(page));
        return;
    }
    QVERIFY(s.open(page));
    QCOMPARE(s.carousel()->property("screen").toString(), QStringLiteral("EcoModeItem"));
    QCOMPARE(s.lockLevel(), level);
    QVERIFY(!s.page(page)->isEnabled());
    if (level < 0) {
        QVERIFY(!s.enabled("carouselLock"));
        return;
    }
    // The manager's PIN, which is another for customer 1.
    QVERIFY(s.unlock(customer == 1 ? QStringLiteral("8312") : QStringLiteral("7046")));
    if (level == 2) {
        // The manager's PIN is one level short; the pad stays for another try.
        QVERIFY(s.shown("pinPad"));
        QVERIFY(!s.page(page)->isEnabled());
        s.type(QStringLiteral("604528"));
    }
    QTRY_VERIFY(s.page(page)->isEnabled());
}

QTEST_MAIN(TestServicePages)
#include "tst_servicepages.moc"
