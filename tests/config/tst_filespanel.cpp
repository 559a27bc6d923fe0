#include "servicescreen.h"

// "Files Import/Export" reached from the Utilities page through the carousel: open while
// Utilities is locked, its menu update and export pages each behind a lock of their own,
// opened by PIN per customer and display, and locked again once the panel is left.
class TestFilesPanel : public QObject
{
    Q_OBJECT

private slots:
    void reachedFromLockedUtilities_data();
    void reachedFromLockedUtilities();
    void updatePagesUnlock_data();
    void updatePagesUnlock();
    void failedPins_data();
    void failedPins();
    void lockedAgainWhenLeft_data();
    void lockedAgainWhenLeft();

private:
    // Utilities through the carousel, then its Files Import/Export button; done once the
    // update list has laid its pages side by side.
    static bool openFiles(ServiceScreen &s)
    {
        // The panel is built when first shown, which a loaded machine may take a while over.
        return s.open(QStringLiteral("Utilities")) && s.tap("filesButton") && QTest::qWaitFor([&s] {
                   QQuickItem *exportPage = inPanel(s, "ovUsbExportItem");
                   return s.shown("filesPanel") && exportPage && exportPage->x() >= exportPage->width();
               }, 15000);
    }
    static QQuickItem *inPanel(const ServiceScreen &s, const char *name)
    {
        return ServiceScreen::find(s.item("filesPanel"), QLatin1String(name));
    }
    // Whether the import and the export page take taps.
    static bool importOpen(const ServiceScreen &s) { return inPanel(s, "refreshButton")->isEnabled(); }
    static bool exportOpen(const ServiceScreen &s) { return inPanel(s, "checkFlashDriveButton")->isEnabled(); }
    // A tab of the panel, waited for until its page is fully shown.
    static bool showPage(ServiceScreen &s, int index)
    {
        QQuickItem *list = s.item("updatePages");
        return s.tap(index == 0 ? "menuUpdateTab" : "menuExportTab")
               && QTest::qWaitFor([list, index] { return qFuzzyCompare(1 + list->property("contentX").toReal(), 1 + index * list->width()); });
    }
    static QQuickItem *pad(const ServiceScreen &s) { return s.item("updatesPinPad"); }
    static QString padMessage(const ServiceScreen &s)
    {
        return ServiceScreen::find(pad(s), QStringLiteral("pinPadMessage"))->property("text").toString();
    }
};

void TestFilesPanel::reachedFromLockedUtilities_data()
{
    QTest::addColumn<QString>("pin"); // typed on the Utilities page's lock; empty: none
    QTest::addColumn<bool>("toolsUnlocked");
    QTest::newRow("locked") << QString() << false;
    QTest::newRow("manager's PIN is short of Utilities") << "7046" << false;
    QTest::newRow("level 2 opens the tools") << "604528" << true;
}

void TestFilesPanel::reachedFromLockedUtilities()
{
    QFETCH(QString, pin);
    QFETCH(bool, toolsUnlocked);
    ServiceScreen s;
    s.core.flashDriveMounted = s.core.flashDriveMountAnswer = true;
    QVERIFY(s.load());
    QVERIFY(s.open(QStringLiteral("Utilities")));
    if (!pin.isEmpty()) {
        QVERIFY(s.unlock(pin));
        if (!toolsUnlocked)
            QVERIFY(s.tap("pinPadCancel", "serviceCarousel"));
    }
    QTRY_COMPARE(s.enabled("zoneDiagnosticsButton"), toolsUnlocked);
    for (const char *tool : {"exportErrorLogButton", "screenshotButton"})
        QVERIFY2(s.item(tool) && (s.item(tool)->isEnabled() == toolsUnlocked), tool);
    QVERIFY(s.enabled("filesButton"));

    QVERIFY(s.tap("filesButton"));
    QTRY_VERIFY_WITH_TIMEOUT(s.shown("filesPanel"), 15000);
    QVERIFY(s.page(QStringLiteral("Files Import/Export"))->isEnabled());
    QVERIFY(!s.page(QStringLiteral("Utilities"))->isVisible());
    QCOMPARE(s.title(), QStringLiteral("Utilities"));
    // Back on the Utilities page, as it was.
    QVERIFY(s.tap("filesBackButton"));
    QTRY_VERIFY(s.page(QStringLiteral("Utilities"))->isVisible());
    QVERIFY(!s.shown("filesPanel"));
    QCOMPARE(s.enabled("zoneDiagnosticsButton"), toolsUnlocked);
}

void TestFilesPanel::updatePagesUnlock_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<bool>("master");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("lock"); // the page whose lock is tapped
    QTest::addColumn<QString>("pin");
    QTest::addColumn<bool>("importOpens");
    QTest::addColumn<bool>("exportOpens");
    QTest::newRow("customer 3, manager's PIN, import") << 3 << true << 1 << "import" << "7046" << true << false;
    QTest::newRow("customer 3, level 2, export") << 3 << true << 1 << "export" << "604528" << false << true;
    QTest::newRow("customer 3, level 3 opens both") << 3 << true << 1 << "export" << "731960" << true << true;
    QTest::newRow("customer 1, its own manager's PIN") << 1 << true << 1 << "import" << "8312" << true << false;
    QTest::newRow("customer 1, another customer's PIN") << 1 << true << 1 << "import" << "7046" << false << false;
    QTest::newRow("customer 0, manager's PIN is short") << 0 << true << 2 << "import" << "7046" << false << false;
    QTest::newRow("customer 0, level 2, export") << 0 << true << 2 << "export" << "604528" << false << true;
    QTest::newRow("customer 0, level 3 opens both") << 0 << true << 2 << "import" << "731960" << true << true;
    QTest::newRow("customer 0, wrong PIN") << 0 << true << 2 << "import" << "1234" << false << false;
    QTest::newRow("other display, customer 3") << 3 << false << -1 << "import" << "731960" << false << false;
    QTest::newRow("other display, customer 0") << 0 << false << -1 << "export" << "731960" << false << false;
}

void TestFilesPanel::updatePagesUnlock()
{
    QFETCH(int, customer);
    QFETCH(bool, master);
    QFETCH(int, level);
    QFETCH(QString, lock);
    QFETCH(QString, pin);
    QFETCH(bool, importOpens);
    QFETCH(bool, exportOpens);
    ServiceScreen s(master, true, customer);
    QVERIFY(s.load());
    QVERIFY(openFiles(s));
    QCOMPARE(s.item("updatesListView")->property("lockLevel").toInt(), level);
    QVERIFY(!importOpen(s) && !exportOpen(s));
    QQuickItem *lockButton = inPanel(s, lock == "import" ? "importLockButton" : "exportLockButton");
    // Shown on every display; only the master can open it.
    QVERIFY(lockButton->isVisible());
    QCOMPARE(lockButton->isEnabled(), level > 0);
    if (level < 0)
        return;

    // The cloud has no screen name for these locks: nothing is reported.
    QSignalSpy entered(s.config, &ConfigurationManager::passcodeEntered);
    if (lock == "export")
        QVERIFY(showPage(s, 1));
    QVERIFY(s.tap(lock == "import" ? "importLockButton" : "exportLockButton"));
    QTRY_VERIFY(pad(s)->isVisible());
    s.type(pin);
    const bool opens = importOpens || exportOpens;
    QTRY_COMPARE(pad(s)->isVisible(), !opens);
    QCOMPARE(importOpen(s), importOpens);
    QCOMPARE(exportOpen(s), exportOpens);
    QCOMPARE(padMessage(s), opens ? QString() : QStringLiteral("ERROR"));
    QCOMPARE(entered.count(), 0);
    // The Utilities page itself stays locked.
    QVERIFY(!s.carousel()->property("unlockedLevels").toMap().contains(QStringLiteral("UtilitiesPanel")));
}

void TestFilesPanel::failedPins_data()
{
    QTest::addColumn<QStringList>("pins");
    QTest::addColumn<bool>("padOpen");
    QTest::addColumn<bool>("blocked"); // "Too many failed attempts." shown
    QTest::addColumn<bool>("opened");
    const QStringList fiveWrong{"1", "2", "3", "4", "5"};
    QTest::newRow("five failures keep the pad") << fiveWrong << true << false << false;
    QTest::newRow("the sixth closes it") << fiveWrong + QStringList{"6"} << false << true << false;
    QTest::newRow("a good PIN after five") << fiveWrong + QStringList{"604528"} << false << false << true;
}

void TestFilesPanel::failedPins()
{
    QFETCH(QStringList, pins);
    QFETCH(bool, padOpen);
    QFETCH(bool, blocked);
    QFETCH(bool, opened);
    ServiceScreen s;
    QVERIFY(s.load());
    QVERIFY(openFiles(s));
    QVERIFY(s.tap("importLockButton"));
    QTRY_VERIFY(pad(s)->isVisible());
    for (const QString &pin : pins) {
        QVERIFY(pad(s)->isVisible());
        s.type(pin);
    }
    QTRY_COMPARE(pad(s)->isVisible(), padOpen);
    QCOMPARE(importOpen(s), opened);
    QCOMPARE(s.shown("updatesLockMessage"), blocked);
    if (!blocked)
        return;
    QCOMPARE(s.item("updatesListView")->property("message").toString(),
             QStringLiteral("Too many failed attempts.\nCall service."));
    QVERIFY(s.tap("updatesLockMessageClose"));
    QTRY_VERIFY(!s.shown("updatesLockMessage"));
    // Any lock of the list now answers with the message, without the pad.
    QVERIFY(showPage(s, 1));
    QVERIFY(s.tap("exportLockButton"));
    QTRY_VERIFY(s.shown("updatesLockMessage"));
    QVERIFY(!pad(s)->isVisible());
}

void TestFilesPanel::lockedAgainWhenLeft_data()
{
    QTest::addColumn<QString>("leave");
    QTest::addColumn<bool>("importLocked");
    QTest::addColumn<bool>("exportLocked");
    QTest::newRow("its own tabs") << "tabs" << false << false;
    QTest::newRow("the import page's lock") << "lock" << true << false;
    QTest::newRow("back to Utilities") << "back" << true << true;
    QTest::newRow("another carousel page") << "carousel" << true << true;
    QTest::newRow("service pages closed") << "hidden" << true << true;
}

void TestFilesPanel::lockedAgainWhenLeft()
{
    QFETCH(QString, leave);
    QFETCH(bool, importLocked);
    QFETCH(bool, exportLocked);
    ServiceScreen s;
    QVERIFY(s.load());
    QVERIFY(openFiles(s));
    QVERIFY(s.tap("importLockButton"));
    QTRY_VERIFY(pad(s)->isVisible());
    s.type(QStringLiteral("731960"));
    QTRY_VERIFY(importOpen(s) && exportOpen(s));

    QObject *pages = s.item("servicePages");
    if (leave == "tabs") {
        QVERIFY(showPage(s, 1));
        QVERIFY(showPage(s, 0));
    } else if (leave == "lock") {
        QVERIFY(s.tap("importLockButton"));
        QVERIFY(!pad(s)->isVisible());
    } else if (leave == "back") {
        QVERIFY(s.tap("filesBackButton"));
    } else if (leave == "carousel") {
        QVERIFY(s.tap("carouselNext"));
    } else {
        pages->setProperty("visible", false);
        QTRY_VERIFY(!s.item("filesPanel")->isVisible());
        pages->setProperty("visible", true);
    }
    if (!s.shown("filesPanel"))
        QVERIFY(openFiles(s));
    QCOMPARE(importOpen(s), !importLocked);
    QCOMPARE(exportOpen(s), !exportLocked);
}

QTEST_MAIN(TestFilesPanel)
#include "tst_filespanel.moc"
