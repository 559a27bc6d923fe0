// The ".New" save chain never writes through a link planted in the data root, holds a
// stop back while it runs, and an interrupted save is completed only from a plain file of
// its own.
#include "filesavechain.h"
#include "linktrap.h"
#include "menutestsupport.h"

#include <QtTest>

class TestFileSaveChain : public QObject
{
    Q_OBJECT

private slots:
    void saveNeverWritesThroughALink_data();
    void saveNeverWritesThroughALink();
    void interruptedSaveIsCompletedOnlyFromAPlainFile_data();
    void interruptedSaveIsCompletedOnlyFromAPlainFile();
};

void TestFileSaveChain::saveNeverWritesThroughALink_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("at");
    QTest::newRow("symlink at .New") << int(LinkTrap::Symbolic) << "menu.json.New";
    QTest::newRow("hardlink at .New") << int(LinkTrap::Hard) << "menu.json.New";
    QTest::newRow("symlink at the target") << int(LinkTrap::Symbolic) << "menu.json";
    QTest::newRow("hardlink at the target") << int(LinkTrap::Hard) << "menu.json";
}

void TestFileSaveChain::saveNeverWritesThroughALink()
{
    QFETCH(int, kind);
    QFETCH(QString, at);
    ScratchRoots roots;
    const LinkTrap trap(LinkTrap::Kind(kind), roots.root() + at, roots.base() + "/outside");
    QVERIFY(trap.isSet());
    FileSaveChain chain(roots.root() + "menu.json", "Saving", [] { return QByteArray("{}"); });
    QSignalSpy saved(&chain, &FileSaveChain::saved);
    QVERIFY(chain.save());
    QCOMPARE(CleanStop::writesUnderWay(), 1); // a stop signal waits for the chain
    QVERIFY(MenuTest::waitUntilIdle(&chain));
    QCOMPARE(CleanStop::writesUnderWay(), 0);
    QCOMPARE(saved.count(), 1);
    QVERIFY(trap.outsideUntouched());
    QCOMPARE(MenuTest::readFile(roots.root() + "menu.json"), QByteArray("{}"));
    QVERIFY(!QFileInfo(roots.root() + "menu.json").isSymLink());
}

void TestFileSaveChain::interruptedSaveIsCompletedOnlyFromAPlainFile_data()
{
    QTest::addColumn<QString>("left"); // what the interrupted save left at ".New"
    QTest::addColumn<bool>("completed");
    QTest::newRow("plain file") << "plain" << true;
    QTest::newRow("symlink") << "symlink" << false;
    QTest::newRow("hardlink") << "hardlink" << false;
    QTest::newRow("larger than the cap") << "large" << false;
}

void TestFileSaveChain::interruptedSaveIsCompletedOnlyFromAPlainFile()
{
    QFETCH(QString, left);
    QFETCH(bool, completed);
    ScratchRoots roots;
    const QString target = roots.root() + "menu.json";
    const QString newFile = target + ".New";
    const QByteArray complete = "{\"complete\":1}";
    if (left == "plain" || left == "large")
        QVERIFY(roots.writeRootFile("menu.json.New", left == "plain" ? complete : complete + QByteArray(64, ' ')));
    else
        QVERIFY(LinkTrap(left == "symlink" ? LinkTrap::Symbolic : LinkTrap::Hard, newFile,
                         roots.base() + "/outside").isSet());
    if (!completed)
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Discarding the incomplete " + newFile));
    FileSaveChain chain(target, "Saving", {}, nullptr, 32);
    // Every candidate is "complete": only where it lies and its size decide.
    QCOMPARE(chain.completeInterruptedSave([](const QByteArray &) { return true; }), completed);
    QCOMPARE(QFileInfo::exists(target), completed);
    QVERIFY(!QFileInfo::exists(newFile) && !QFileInfo(newFile).isSymLink());
}

QTEST_GUILESS_MAIN(TestFileSaveChain)
#include "tst_filesavechain.moc"
