#include "servicescreen.h"

// The service pages reached through the carousel on displays of each kind: which pages a
// display offers, at which lock level, and that a PIN of that level opens them.
class TestServicePages : public QObject
{
    Q_OBJECT

private slots:
    void lockLevels_data();
    void lockLevels();
    void ecoModeLockLevels_data();
    void ecoModeLockLevels();
};

void TestServicePages::lockLevels_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<bool>("master");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("level"); // -2: not offered
    QTest::newRow("Utilities, master") << 0 << true << "Utilities" << 2;
    QTest::newRow("Utilities, other display") << 0 << false << "Utilities" << 2;
    QTest::newRow("Password, master") << 0 << true << "Password" << 1;
    QTest::newRow("Password, other display") << 0 << false << "Password" << -1;
    QTest::newRow("Language, customer 3") << 3 << true << "Language" << -2;
}

void TestServicePages::lockLevels()
{
    QFETCH(int, customer);
    QFETCH(bool, master);
    QFETCH(QString, page);
    QFETCH(int, level);
    ServiceScreen s(master, true, customer);
    QVERIFY(s.load());
    QCOMPARE(s.title(), QStringLiteral("Preferences"));
    if (level == -2) {
        QVERIFY(!s.pageNames().contains(page));
        return;
    }
    QVERIFY(s.open(page));
    QCOMPARE(s.lockLevel(), level);
    QCOMPARE(s.page(page)->isEnabled(), level == 0);
    if (level > 0) {
        QVERIFY(s.unlock(level == 1 ? QStringLiteral("7046") : QStringLiteral("604528")));
        QTRY_VERIFY(s.page(page)->isEnabled());
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
