#include "scratchroots.h"
#include "tulpaths.h"

#include <QtTest>

class TestTulPaths : public QObject
{
    Q_OBJECT

private slots:
    void defaultsAreTheDevicePaths();
    void overridesMoveEveryRoot();
    void isInsideRejectsEscapes();
    void localPlacesDevicePaths_data();
    void localPlacesDevicePaths();
};

void TestTulPaths::defaultsAreTheDevicePaths()
{
    ScratchRoots scratch; // restores the environment afterwards
    qunsetenv("TUL_ROOT_DIR");
    qunsetenv("TUL_FLASH_DIR");
    qunsetenv("TUL_SYSTEM_DIR");
    QCOMPARE(TulPaths::rootDir(), QStringLiteral("/root/"));
    QCOMPARE(TulPaths::flashDir(), QStringLiteral("/media/sda1/"));
    QCOMPARE(TulPaths::resolve(QStringLiteral("/etc/network/interfaces")),
             QStringLiteral("/etc/network/interfaces"));
    QCOMPARE(TulPaths::rootPath(QStringLiteral("config.txt")), QStringLiteral("/root/config.txt"));
}

void TestTulPaths::overridesMoveEveryRoot()
{
    ScratchRoots scratch;
    qputenv("TUL_ROOT_DIR", "/tmp/r"); // no trailing slash: one is added
    QCOMPARE(TulPaths::rootDir(), QStringLiteral("/tmp/r/"));
    QCOMPARE(TulPaths::resolve(QStringLiteral("/root/menu.json")), QStringLiteral("/tmp/r/menu.json"));
    QCOMPARE(TulPaths::resolve(QStringLiteral("/root")), QStringLiteral("/tmp/r/"));
    QCOMPARE(TulPaths::resolve(QStringLiteral("errorLogs/el.txt")), QStringLiteral("/tmp/r/errorLogs/el.txt"));
    // "/rootfs" is not below "/root".
    QCOMPARE(TulPaths::resolve(QStringLiteral("/rootfs/x")), scratch.system() + QStringLiteral("rootfs/x"));
    QCOMPARE(TulPaths::resolve(QStringLiteral("/media/sda1/MENU_1.json")), scratch.flash() + QStringLiteral("MENU_1.json"));
    QCOMPARE(TulPaths::resolve(QStringLiteral("/etc/wpa_supplicant.conf")),
             scratch.system() + QStringLiteral("etc/wpa_supplicant.conf"));
}

void TestTulPaths::isInsideRejectsEscapes()
{
    QVERIFY(TulPaths::isInside(QStringLiteral("menu.json"), QStringLiteral("/root/")));
    QVERIFY(TulPaths::isInside(QStringLiteral("/root/a/b.txt"), QStringLiteral("/root")));
    QVERIFY(!TulPaths::isInside(QStringLiteral("../etc/passwd"), QStringLiteral("/root/")));
    QVERIFY(!TulPaths::isInside(QStringLiteral("/root/../etc/passwd"), QStringLiteral("/root/")));
    QVERIFY(!TulPaths::isInside(QStringLiteral("/rootkit"), QStringLiteral("/root/")));
    QVERIFY(!TulPaths::isInside(QStringLiteral("/root/"), QStringLiteral("/root/")));
}

// "<root>" and "<flash>" stand for the moved roots.
void TestTulPaths::localPlacesDevicePaths_data()
{
    QTest::addColumn<QString>("rootDir");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("local");
    QTest::newRow("data root") << "" << "/root/fwupdate/" << "<root>fwupdate/";
    QTest::newRow("the drive") << "" << "/media/sda1/MENU_1.json" << "<flash>MENU_1.json";
    QTest::newRow("the drives' folder") << "" << "/media/" << "/media/";
    QTest::newRow("not the data root") << "" << "/rootfs/x" << "/rootfs/x";
    QTest::newRow("already moved") << "" << "<root>menu.json" << "<root>menu.json";
    QTest::newRow("moved below the device's root") << "/root/sim/" << "/root/sim/menu.json" << "/root/sim/menu.json";
}

void TestTulPaths::localPlacesDevicePaths()
{
    QFETCH(QString, rootDir);
    QFETCH(QString, path);
    QFETCH(QString, local);
    ScratchRoots scratch;
    if (!rootDir.isEmpty())
        scratch.setVariable("TUL_ROOT_DIR", rootDir);
    auto placed = [](QString text) {
        return text.replace("<root>", TulPaths::rootDir()).replace("<flash>", TulPaths::flashDir());
    };
    QCOMPARE(TulPaths::local(placed(path)), placed(local));
}

QTEST_APPLESS_MAIN(TestTulPaths)
#include "tst_tulpaths.moc"
