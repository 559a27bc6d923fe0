#include "safefilewriter.h"
#include "linktrap.h"
#include "scratchroots.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

static QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class TestSafeFileWriter : public QObject
{
    Q_OBJECT

private slots:
    // Replaced whole, the empty content included; a failed write keeps the old file.
    void writes()
    {
        ScratchRoots scratch;
        const QString path = scratch.root() + "menu.json";
        for (const QByteArray &content : {QByteArray("one"), QByteArray("two, longer"), QByteArray()}) {
            QVERIFY(SafeFileWriter::writeFile(path, content));
            QCOMPARE(readAll(path), content);
            QVERIFY(QFileInfo::exists(path) && !QFileInfo::exists(SafeFileWriter::temporaryPath(path)));
        }
        QVERIFY(SafeFileWriter::writeFile(path, "old content"));
        // A file-size limit makes write() fail part-way, as a full device does.
        struct rlimit saved, small;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Safe write failed: cannot write"));
        QString error;
        const bool ok = SafeFileWriter::writeFile(path, QByteArray(100000, 'x'), &error);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!ok && !error.isEmpty());
        QCOMPARE(readAll(path), QByteArray("old content"));
        QVERIFY(!QFileInfo::exists(SafeFileWriter::temporaryPath(path)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Safe write failed: cannot create"));
        QVERIFY(!SafeFileWriter::writeFile(scratch.root() + "no/such/dir/file", "x"));
    }

    // A power cut: the writer killed at a random moment leaves the old or the new file.
    void killedWriterLeavesOldOrNewContent()
    {
        ScratchRoots scratch;
        const QString path = scratch.root() + "trayBarInfo.json";
        const QByteArray first = QByteArray(200000, 'a') + "first-end";
        const QByteArray second = QByteArray(300000, 'b') + "second-end";
        for (int round = 0; round < 20; ++round) {
            QProcess child;
            child.start(SAFEWRITE_CHILD, {path});
            QVERIFY(child.waitForStarted());
            QVERIFY(child.waitForReadyRead(10000)); // "ready": the file exists
            QTest::qSleep(int(QRandomGenerator::global()->bounded(1, 40)));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(10000));
            const QByteArray content = readAll(path);
            QVERIFY2(content == first || content == second,
                     qPrintable(QString("torn file of %1 bytes in round %2").arg(content.size()).arg(round)));
        }
    }

    void linksAreNeverWrittenThrough_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("trapped"); // suffix of the name the trap is set at
        QTest::addColumn<QString>("writer");
        for (int kind : {LinkTrap::Symbolic, LinkTrap::Hard}) {
            const char *k = kind == LinkTrap::Symbolic ? "symlink" : "hardlink";
            QTest::addRow("%s at the temporary name", k) << kind << ".tmp" << "writeFile";
            QTest::addRow("%s at the target", k) << kind << "" << "writeFile";
            QTest::addRow("%s at a new file", k) << kind << "" << "writeNewFile";
            QTest::addRow("%s at a log", k) << kind << "" << "appendToFile";
        }
    }
    void linksAreNeverWrittenThrough()
    {
        QFETCH(int, kind);
        QFETCH(QString, trapped);
        QFETCH(QString, writer);
        ScratchRoots scratch;
        const QString path = scratch.root() + "menu.json";
        const LinkTrap trap(LinkTrap::Kind(kind), path + trapped, scratch.base() + "/outside");
        QVERIFY(trap.isSet());
        const bool appending = writer == "appendToFile";
        if (appending)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a plain file of its own|cannot open"));
        const bool ok = writer == "writeFile" ? SafeFileWriter::writeFile(path, "new")
            : writer == "writeNewFile"        ? SafeFileWriter::writeNewFile(path, "new")
                                              : SafeFileWriter::appendToFile(path, "new");
        QVERIFY(trap.outsideUntouched());
        // A log behind a link is refused; every other save replaces the link with the file.
        QCOMPARE(ok, !appending);
        if (!appending) {
            QCOMPARE(readAll(path), QByteArray("new"));
            QVERIFY(!QFileInfo(path).isSymLink() && !QFileInfo::exists(SafeFileWriter::temporaryPath(path)));
        }
    }
};

QTEST_GUILESS_MAIN(TestSafeFileWriter)
#include "tst_safefilewriter.moc"
