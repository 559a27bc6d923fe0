#include "scratchroots.h"
#include "tulpaths.h"

#include <QtTest>

class TestTulPaths : public QObject
{
    Q_OBJECT

private slots:
    void resolve()
    {
        ScratchRoots scratch; // restores the environment afterwards
        qunsetenv("TUL_ROOT_DIR");
        qunsetenv("TUL_FLASH_DIR");
        qunsetenv("TUL_SYSTEM_DIR");
        QCOMPARE(TulPaths::rootDir(), QStringLiteral("/root/"));
        QCOMPARE(TulPaths::flashDir(), QStringLiteral("/media/sda1/"));
        QCOMPARE(TulPaths::resolve("/etc/network/interfaces"), QStringLiteral("/etc/network/interfaces"));
        QCOMPARE(TulPaths::rootPath("config.txt"), QStringLiteral("/root/config.txt"));

        ScratchRoots moved;
        qputenv("TUL_ROOT_DIR", "/tmp/r"); // no trailing slash: one is added
        QCOMPARE(TulPaths::rootDir(), QStringLiteral("/tmp/r/"));
        QCOMPARE(TulPaths::resolve("/root/menu.json"), QStringLiteral("/tmp/r/menu.json"));
        QCOMPARE(TulPaths::resolve("/root"), QStringLiteral("/tmp/r/"));
        QCOMPARE(TulPaths::resolve("errorLogs/el.txt"), QStringLiteral("/tmp/r/errorLogs/el.txt"));
        QCOMPARE(TulPaths::resolve("/rootfs/x"), moved.system() + "rootfs/x"); // not below "/root"
        QCOMPARE(TulPaths::resolve("/media/sda1/MENU_1.json"), moved.flash() + "MENU_1.json");
        QCOMPARE(TulPaths::resolve("/etc/wpa_supplicant.conf"), moved.system() + "etc/wpa_supplicant.conf");
    }

    void isInsideRejectsEscapes()
    {
        QVERIFY(TulPaths::isInside("menu.json", "/root/"));
        QVERIFY(TulPaths::isInside("/root/a/b.txt", "/root"));
        for (const char *escape : {"../etc/passwd", "/root/../etc/passwd", "/rootkit", "/root/"})
            QVERIFY2(!TulPaths::isInside(escape, "/root/"), escape);
    }
};

QTEST_APPLESS_MAIN(TestTulPaths)
#include "tst_tulpaths.moc"
