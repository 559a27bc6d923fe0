#include "safefilewriter.h"
#include "scratchroots.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

class TestSafeFileWriter : public QObject
{
    Q_OBJECT

private slots:
    void writesAndReplaces();
    void killedWriterLeavesOldOrNewContent();
    void fullDeviceKeepsTheOldFileAndFails();
    void missingFolderFails();

private:
    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

void TestSafeFileWriter::writesAndReplaces()
{
    ScratchRoots scratch;
    const QString path = scratch.root() + QStringLiteral("config.txt");
    QVERIFY(SafeFileWriter::writeFile(path, "one"));
    QCOMPARE(readAll(path), QByteArray("one"));
    QVERIFY(SafeFileWriter::writeFile(path, "two, longer"));
    QCOMPARE(readAll(path), QByteArray("two, longer"));
    QVERIFY(SafeFileWriter::writeFile(path, QByteArray()));
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    QVERIFY(!QFileInfo::exists(SafeFileWriter::temporaryPath(path)));
}

void TestSafeFileWriter::killedWriterLeavesOldOrNewContent()
{
    ScratchRoots scratch;
    const QString path = scratch.root() + QStringLiteral("trayBarInfo.json");
    const QByteArray first = QByteArray(200000, 'a') + "first-end";
    const QByteArray second = QByteArray(300000, 'b') + "second-end";
    int sawFirst = 0;
    int sawSecond = 0;
    for (int round = 0; round < 20; ++round) {
        QProcess child;
        child.start(QStringLiteral(SAFEWRITE_CHILD), {path});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(10000)); // "ready": the file exists
        QTest::qSleep(int(QRandomGenerator::global()->bounded(1, 40)));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        const QByteArray content = readAll(path);
        if (content == first)
            ++sawFirst;
        else if (content == second)
            ++sawSecond;
        else
            QFAIL(qPrintable(QStringLiteral("torn file of %1 bytes in round %2").arg(content.size()).arg(round)));
    }
    qInfo() << "old/new contents seen:" << sawFirst << sawSecond;
}

void TestSafeFileWriter::fullDeviceKeepsTheOldFileAndFails()
{
    ScratchRoots scratch;
    const QString path = scratch.root() + QStringLiteral("menu.json");
    QVERIFY(SafeFileWriter::writeFile(path, "old content"));

    // A file-size limit makes write() fail part-way, as a full device does.
    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Safe write failed: cannot write"));
    QString error;
    const bool ok = SafeFileWriter::writeFile(path, QByteArray(100000, 'x'), &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!ok);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(path), QByteArray("old content"));
    QVERIFY(!QFileInfo::exists(SafeFileWriter::temporaryPath(path)));
}

void TestSafeFileWriter::missingFolderFails()
{
    ScratchRoots scratch;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Safe write failed: cannot create"));
    QVERIFY(!SafeFileWriter::writeFile(scratch.root() + QStringLiteral("no/such/dir/file"), "x"));
}

QTEST_GUILESS_MAIN(TestSafeFileWriter)
#include "tst_safefilewriter.moc"
