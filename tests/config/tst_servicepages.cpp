#include "servicescreen.h"

// The service pages reached through the carousel on displays of each kind: which pages a
// display offers, at which lock level, and that a PIN of that level opens them.
class TestServicePages : public QObject
{
    Q_OBJECT

private slots:
    void lockLevels_data();
    void lockLevels();
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
    // A page that locks its own controls (Utilities keeps one way out open) says so.
    const auto usable = [&s, &page] {
        QQuickItem *loader = s.page(page);
        const QVariant own = loader->property("item").value<QObject *>()->property("unlocked");
        return loader->isEnabled() && (!own.isValid() || own.toBool());
    };
    QCOMPARE(usable(), level == 0);
    if (level > 0) {
        QVERIFY(s.unlock(level == 1 ? QStringLiteral("7046") : QStringLiteral("604528")));
        QTRY_VERIFY(usable());
    }
}

QTEST_MAIN(TestServicePages)
#include "tst_servicepages.moc"
