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
    void refusedForTheText_data();
    void refusedForTheText();
};

void TestPathGuard::refusal_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("linkAt"); // a link planted there first, when not empty
    QTest::addColumn<QString>("linkTo");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("linkedRoot"); // the data root moved to a link to it

    const QString nul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    // The shipped values and plain folders of each root.
    QTest::newRow("usbPath as shipped") << "usbPath" << "/media/" << "" << "" << true << false;
    QTest::newRow("usbPath, the drive") << "usbPath" << "/media/sda1/" << "" << "" << true << false;
    QTest::newRow("localPath as shipped, not made yet") << "localPath" << "/root/fwupdate/" << "" << "" << true << false;
    QTest::newRow("localPath in the moved data root") << "localPath" << "<root>fwupdate/" << "" << "" << true << false;
    QTest::newRow("localPath outside the moved data root") << "localPath" << "<base>elsewhere/" << "" << "" << false << false;
    QTest::newRow("ovImportDir, the moved drive") << "ovImportDir" << "<flash>" << "" << "" << true << false;
    // Refused by the text.
    QTest::newRow("climb in a middle step") << "usbPath" << "/media/x/../sda1/" << "" << "" << false << false;
    QTest::newRow("relative folder") << "localPath" << "fwupdate/" << "" << "" << false << false;
    QTest::newRow("NUL in a folder") << "ovImportDir" << "/media/sda1/" + nul + "/" << "" << "" << false << false;
    QTest::newRow("NUL in a file name") << "ovImportFilename" << nul + ".tul" << "" << "" << false << false;
    QTest::newRow("NUL in the imported menu") << "importedMenu" << "m.tul|" + nul << "" << "" << false << false;
    QTest::newRow("parent as a file name") << "ovImportFilename" << ".." << "" << "" << false << false;
    QTest::newRow("folder in a file name") << "updateMenuTimeStamp" << "a/12.txt" << "" << "" << false << false;
    QTest::newRow("no file chosen") << "ovImportFilename" << "" << "" << "" << true << false;
    QTest::newRow("nothing imported yet") << "importedMenu" << "" << "" << "" << true << false;
    QTest::newRow("imported menu climbing") << "importedMenu" << "../m.tul|1700000000" << "" << "" << false << false;
    QTest::newRow("imported menu, plain") << "importedMenu" << "m.tul|1700000000" << "" << "" << true << false;
    // Refused on the disk: hidden folders and links below the root.
    QTest::newRow("hidden folder of the data") << "localPath" << "/root/.ssh/" << "" << "" << false << false;
    QTest::newRow("hidden folder, moved root") << "localPath" << "<root>a/.config/" << "" << "" << false << false;
    QTest::newRow("drive folder linked to /etc") << "usbPath" << "<flash>stick/" << "flash/stick" << "/etc" << false << false;
    QTest::newRow("drive folder linked within the drive")
        << "usbPath" << "/media/sda1/stick/" << "flash/stick" << "<flash>real" << false << false;
    QTest::newRow("import folder linked out") << "ovImportDir" << "<flash>menus/" << "flash/menus" << "<base>elsewhere"
                                              << false << false;
    QTest::newRow("data root itself a link") << "ovImportDir" << "<base>rootlink/" << "" << "" << true
                                             << true;
    QTest::newRow("below a linked folder") << "localPath" << "/root/fw/sub/" << "root/fw" << "<base>elsewhere" << false << false;
}

void TestPathGuard::refusal()
{
    QFETCH(QString, property);
    QFETCH(QString, value);
    QFETCH(QString, linkAt);
    QFETCH(QString, linkTo);
    QFETCH(bool, accepted);
    QFETCH(bool, linkedRoot);
    ScratchRoots scratch;
    if (linkedRoot) {
        QVERIFY(QFile::link(scratch.root(), scratch.base() + "/rootlink"));
        scratch.setVariable("TUL_ROOT_DIR", scratch.base() + "/rootlink/");
    }
    QVERIFY(QDir().mkpath(scratch.base() + "/elsewhere/sub") && QDir().mkpath(scratch.flash() + "real"));
    if (!linkAt.isEmpty())
        QVERIFY(QFile::link(placed(linkTo, scratch), scratch.base() + '/' + linkAt));
    QVERIFY(PathGuard::guards(property));
    const QString why = PathGuard::refusal(property, placed(value, scratch));
    QVERIFY2(why.isEmpty() == accepted, qPrintable(why));
}

// Folders whose text alone is enough to refuse them are refused for that, before any folder
// is looked at on the disk; the caller is told so.
void TestPathGuard::refusedForTheText_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("value");

    const QString nul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    QTest::newRow("climb in a middle step") << "usbPath" << "/media/x/../sda1/";
    QTest::newRow("climb back to where it was") << "ovImportDir" << "<flash>real/../real/";
    QTest::newRow("climb as the last step, no slash") << "localPath" << "<root>fw/..";
    QTest::newRow("NUL in a step") << "localPath" << "<root>" + nul + "/";
    QTest::newRow("relative folder") << "usbPath" << "media/sda1/";
}

void TestPathGuard::refusedForTheText()
{
    QFETCH(QString, property);
    QFETCH(QString, value);
    ScratchRoots scratch;
    QVERIFY(QDir().mkpath(scratch.flash() + "real") && QDir().mkpath(scratch.root() + "fw"));
    const QString why = PathGuard::refusal(property, placed(value, scratch));
    QVERIFY2(why.endsWith(QLatin1String(": not a plain absolute path")), qPrintable(why));
}

QTEST_APPLESS_MAIN(TestPathGuard)
#include "tst_pathguard.moc"
