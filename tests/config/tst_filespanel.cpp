#include "servicescreen.h"

// "Files Import/Export" reached from the Utilities page through the carousel: open while
// Utilities is locked, its menu update and export pages behind one lock, opened by PIN per
// customer and display, locked again once the panel is left, and turned at once so that a
// tap right after a turn is not lost.
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
    void tapRightAfterATurn_data();
    void tapRightAfterATurn();

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
    // The lock buttons of the panel, wherever they stand.
    static int lockButtons(QQuickItem *item)
    {
        int count = item->inherits("QQuickAbstractButton")
                    && QStringList{"Unlock", "Lock"}.contains(item->property("text").toString());
        for (QQuickItem *child : item->childItems())
            count += lockButtons(child);
        return count;
    }
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
    QTest::addColumn<int>("shown"); // the page shown when the lock is tapped
    QTest::addColumn<QString>("pin");
    QTest::addColumn<bool>("opens"); // both pages
    QTest::newRow("customer 3, manager's PIN, import page") << 3 << true << 1 << 0 << "7046" << true;
    QTest::newRow("customer 3, level 2, export page") << 3 << true << 1 << 1 << "604528" << true;
    QTest::newRow("customer 3, level 3") << 3 << true << 1 << 1 << "731960" << true;
    QTest::newRow("customer 1, its own manager's PIN") << 1 << true << 1 << 0 << "8312" << true;
    QTest::newRow("customer 1, another customer's PIN") << 1 << true << 1 << 0 << "7046" << false;
    QTest::newRow("customer 0, manager's PIN is short") << 0 << true << 2 << 1 << "7046" << false;
    QTest::newRow("customer 0, level 2, export page") << 0 << true << 2 << 1 << "604528" << true;
    QTest::newRow("customer 0, level 3") << 0 << true << 2 << 0 << "731960" << true;
    QTest::newRow("customer 0, wrong PIN") << 0 << true << 2 << 0 << "1234" << false;
    QTest::newRow("other display, customer 3") << 3 << false << -1 << 0 << "731960" << false;
    QTest::newRow("other display, customer 0") << 0 << false << -1 << 1 << "731960" << false;
}

void TestFilesPanel::updatePagesUnlock()
{
    QFETCH(int, customer);
    QFETCH(bool, master);
    QFETCH(int, level);
    QFETCH(int, shown);
    QFETCH(QString, pin);
    QFETCH(bool, opens);
    ServiceScreen s(master, true, customer);
    QVERIFY(s.load());
    QVERIFY(openFiles(s));
    QCOMPARE(s.item("updatesListView")->property("lockLevel").toInt(), level);
    QVERIFY(!importOpen(s) && !exportOpen(s));
    // One lock for the panel, shown on every display; only the master can open it.
    QCOMPARE(lockButtons(s.item("filesPanel")), 1);
    QVERIFY(showPage(s, shown));
    QQuickItem *lockButton = s.item("updatesLockButton");
    QVERIFY(lockButton->isVisible());
    QCOMPARE(lockButton->isEnabled(), level > 0);
    if (level < 0)
        return;

    // The cloud has no screen name for this lock: nothing is reported.
    QSignalSpy entered(s.config, &ConfigurationManager::passcodeEntered);
    QVERIFY(s.tap("updatesLockButton"));
    QTRY_VERIFY(pad(s)->isVisible());
    s.type(pin);
    QTRY_COMPARE(pad(s)->isVisible(), !opens);
    QCOMPARE(importOpen(s), opens);
    QCOMPARE(exportOpen(s), opens);
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
    QVERIFY(s.tap("updatesLockButton"));
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
    // The lock now answers with the message on either page, without the pad.
    QVERIFY(showPage(s, 1));
    QVERIFY(s.tap("updatesLockButton"));
    QTRY_VERIFY(s.shown("updatesLockMessage"));
    QVERIFY(!pad(s)->isVisible());
}

void TestFilesPanel::lockedAgainWhenLeft_data()
{
    QTest::addColumn<QString>("leave");
    QTest::addColumn<bool>("locked");
    QTest::newRow("its own tabs") << "tabs" << false;
    QTest::newRow("its lock") << "lock" << true;
    QTest::newRow("back to Utilities") << "back" << true;
    QTest::newRow("another carousel page") << "carousel" << true;
    QTest::newRow("service pages closed") << "hidden" << true;
}

void TestFilesPanel::lockedAgainWhenLeft()
{
    QFETCH(QString, leave);
    QFETCH(bool, locked);
    ServiceScreen s;
    QVERIFY(s.load());
    QVERIFY(openFiles(s));
    QVERIFY(s.tap("updatesLockButton"));
    QTRY_VERIFY(pad(s)->isVisible());
    s.type(QStringLiteral("731960"));
    QTRY_VERIFY(importOpen(s) && exportOpen(s));

    QObject *pages = s.item("servicePages");
    if (leave == "tabs") {
        QVERIFY(showPage(s, 1));
        QVERIFY(showPage(s, 0));
    } else if (leave == "lock") {
        QVERIFY(s.tap("updatesLockButton"));
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
    QCOMPARE(importOpen(s), !locked);
    QCOMPARE(exportOpen(s), !locked);
}

void TestFilesPanel::tapRightAfterATurn_data()
{
    QTest::addColumn<QString>("turn"); // "tab" or "swipe"
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("target"); // a button of the page turned to
    QTest::newRow("tab to the export page") << "tab" << 1 << "checkFlashDriveButton";
    QTest::newRow("tab back to the import page") << "tab" << 0 << "refreshButton";
    QTest::newRow("swipe to the export page") << "swipe" << 1 << "checkFlashDriveButton";
    QTest::newRow("swipe back to the import page") << "swipe" << 0 << "refreshButton";
}

// A finger that taps a button of the page just turned to, 50 ms after the turn, where the
// button stands on that page, clicks it.
void TestFilesPanel::tapRightAfterATurn()
{
    QFETCH(QString, turn);
    QFETCH(int, to);
    QFETCH(QString, target);
    ServiceScreen s;
    QVERIFY(s.load());
    QVERIFY(openFiles(s));
    s.item("updatesListView")->setProperty("unlockedLevel", 3);
    QVERIFY(showPage(s, 1 - to));
    QQuickItem *list = s.item("updatePages");
    QQuickItem *button = inPanel(s, qPrintable(target));
    QQuickItem *page = inPanel(s, to == 0 ? "ovUsbUpdateItem" : "ovUsbExportItem");
    QVERIFY(button && page && button->isEnabled());
    const QPoint aim = list->mapToScene(button->mapToItem(page, QPointF(button->width() / 2, button->height() / 2))).toPoint();
    QSignalSpy clicked(button, SIGNAL(clicked()));

    if (turn == "tab") {
        QVERIFY(s.tap(to == 0 ? "menuUpdateTab" : "menuExportTab"));
    } else {
        // Below the file list, where no control takes the touch.
        const QPoint from = list->mapToScene(QPointF(list->width() / 2, list->height() - 20)).toPoint();
        const int dx = to == 1 ? -300 : 300;
        QTest::mousePress(s.view.get(), Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 6; ++step)
            QTest::mouseMove(s.view.get(), from + QPoint(dx * step / 6, 0), 10);
        QTest::mouseRelease(s.view.get(), Qt::LeftButton, Qt::NoModifier, from + QPoint(dx, 0), 10);
    }
    QTest::qWait(50);
    QTest::mousePress(s.view.get(), Qt::LeftButton, Qt::NoModifier, aim);
    QTest::qWait(80);
    QTest::mouseRelease(s.view.get(), Qt::LeftButton, Qt::NoModifier, aim);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(list->property("currentIndex").toInt(), to);
}

QTEST_MAIN(TestFilesPanel)
#include "tst_filespanel.moc"
