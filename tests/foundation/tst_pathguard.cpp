#include "pathguard.h"
#include "scratchroots.h"

#include <QtTest>

// Values are written with "<root>", "<flash>" and "<base>" standing for the scratch data
// root, the scratch drive and the folder holding both.
static QString placed(QString text, const ScratchRoots &scratch)
{
    return text.replace("<root>", scratch.root()).replace("<flash>", scratch.flash()).replace("<base>", scratch.base() + '/');
}

class TestPathGuard : public QObject
{
    Q_OBJECT

private slots:
    void refusal_data();
    void refusal();
};

void TestPathGuard::refusal_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("linkAt"); // a link planted there first, when not empty
    QTest::addColumn<QString>("linkTo");
    QTest::addColumn<bool>("accepted");

    const QString nul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    // The shipped values and plain folders of each root.
    QTest::newRow("usbPath as shipped") << "usbPath" << "/media/" << "" << "" << true;
    QTest::newRow("usbPath, the drive") << "usbPath" << "/media/sda1/" << "" << "" << true;
    QTest::newRow("localPath as shipped, not made yet") << "localPath" << "/root/fwupdate/" << "" << "" << true;
    QTest::newRow("localPath in the moved data root") << "localPath" << "<root>fwupdate/" << "" << "" << true;
    QTest::newRow("localPath outside the moved data root") << "localPath" << "<base>elsewhere/" << "" << "" << false;
    QTest::newRow("ovImportDir, the moved drive") << "ovImportDir" << "<flash>" << "" << "" << true;
    // Refused by the text.
    QTest::newRow("climb in a middle step") << "usbPath" << "/media/x/../sda1/" << "" << "" << false;
    QTest::newRow("relative folder") << "localPath" << "fwupdate/" << "" << "" << false;
    QTest::newRow("NUL in a folder") << "ovImportDir" << "/media/sda1/" + nul + "/" << "" << "" << false;
    QTest::newRow("NUL in a file name") << "ovImportFilename" << nul + ".tul" << "" << "" << false;
    QTest::newRow("NUL in the imported menu") << "importedMenu" << "m.tul|" + nul << "" << "" << false;
    QTest::newRow("parent as a file name") << "ovImportFilename" << ".." << "" << "" << false;
    QTest::newRow("folder in a file name") << "updateMenuTimeStamp" << "a/12.txt" << "" << "" << false;
    QTest::newRow("imported menu, plain") << "importedMenu" << "m.tul|1700000000" << "" << "" << true;
    // Refused on the disk: hidden folders and links below the root.
    QTest::newRow("hidden folder of the data") << "localPath" << "/root/.ssh/" << "" << "" << false;
    QTest::newRow("hidden folder, moved root") << "localPath" << "<root>a/.config/" << "" << "" << false;
    QTest::newRow("drive folder linked to /etc") << "usbPath" << "<flash>stick/" << "flash/stick" << "/etc" << false;
    QTest::newRow("drive folder linked within the drive")
        << "usbPath" << "/media/sda1/stick/" << "flash/stick" << "<flash>real" << false;
    QTest::newRow("import folder linked out") << "ovImportDir" << "<flash>menus/" << "flash/menus" << "<base>elsewhere"
                                              << false;
    QTest::newRow("below a linked folder") << "localPath" << "/root/fw/sub/" << "root/fw" << "<base>elsewhere" << false;
}

void TestPathGuard::refusal()
{
    QFETCH(QString, property);
    QFETCH(QString, value);
    QFETCH(QString, linkAt);
    QFETCH(QString, linkTo);
    QFETCH(bool, accepted);
    ScratchRoots scratch;
    QVERIFY(QDir().mkpath(scratch.base() + "/elsewhere/sub") && QDir().mkpath(scratch.flash() + "real"));
    if (!linkAt.isEmpty())
        QVERIFY(QFile::link(placed(linkTo, scratch), scratch.base() + '/' + linkAt));
    QVERIFY(PathGuard::guards(property));
    const QString why = PathGuard::refusal(property, placed(value, scratch));
    QVERIFY2(why.isEmpty() == accepted, qPrintable(why));
}

QTEST_APPLESS_MAIN(TestPathGuard)
#include "tst_pathguard.moc"
