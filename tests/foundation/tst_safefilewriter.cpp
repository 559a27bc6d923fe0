#include "safefilewriter.h"
#include "linktrap.h"
#include "scratchroots.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <thread>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

static QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class TestSafeFileWriter : public QObject
{
    Q_OBJECT
    static constexpr int Fifo = 100; // a kind of trap besides the links
    static constexpr int Stale = 101; // the read-only temporary file of a killed save

private slots:
    // A save under way (a large log waiting for its fsync) holds up another save of the
    // same file only, never a save of another file.
    void saveUnderWayHoldsUpOnlyItsFile_data()
    {
        QTest::addColumn<QString>("second"); // what is saved while "log.json.New" is being written
        QTest::addColumn<bool>("waits");
        QTest::newRow("another file: goes on") << "trayBarInfo.json" << false;
        QTest::newRow("the same file: waits") << "log.json.New" << true;
    }
    void saveUnderWayHoldsUpOnlyItsFile()
    {
        QFETCH(QString, second);
        QFETCH(bool, waits);
        ScratchRoots scratch;
        QSemaphore entered, release;
        std::thread slow([&] {
            SafeFileWriter::writeNewFile(scratch.root() + "log.json.New", [&](const SafeFileWriter::Sink &sink) {
                entered.release();
                release.acquire();
                return sink("slow", 4);
            });
        });
        entered.acquire();
        std::atomic<bool> done {false};
        std::thread other([&] {
            SafeFileWriter::writeFile(scratch.root() + second, "other");
            done = true;
        });
        if (waits)
            QTest::qWait(300);
        else
            QTRY_VERIFY_WITH_TIMEOUT(done, 5000);
        QCOMPARE(bool(done), !waits);
        release.release();
        slow.join();
        other.join();
        QVERIFY(done);
    }

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
        // The rename refused (a folder at the name): no temporary stays behind.
        QVERIFY(QDir().mkpath(scratch.root() + "busy/inner"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Safe write failed: cannot rename over"));
        QVERIFY(!SafeFileWriter::writeFile(scratch.root() + "busy", "x"));
        QVERIFY(QFileInfo(scratch.root() + "busy/inner").isDir());
        QVERIFY(!QFileInfo::exists(SafeFileWriter::temporaryPath(scratch.root() + "busy")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Safe write failed: cannot create"));
        QVERIFY(!SafeFileWriter::writeFile(scratch.root() + "no/such/dir/file", "x"));
        // A path climbing out of the root with ".." is not a path of the root's.
        QVERIFY(QDir().mkpath(scratch.root() + "a"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Safe write failed: refused .*: not a plain path"));
        QVERIFY(!SafeFileWriter::writeFile(scratch.root() + "a/../../outside.txt", "x"));
        QVERIFY(!QFileInfo::exists(scratch.base() + "/outside.txt"));
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
        QTest::addRow("FIFO at a log") << int(Fifo) << "" << "appendToFile";
        QTest::addRow("stale file at the temporary name") << int(Stale) << ".tmp" << "writeFile";
    }
    void linksAreNeverWrittenThrough()
    {
        QFETCH(int, kind);
        QFETCH(QString, trapped);
        QFETCH(QString, writer);
        ScratchRoots scratch;
        const QString path = scratch.root() + "menu.json";
        if (kind == Fifo) {
            // Opened without waiting for a reader, refused as no plain file.
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot open"));
            ::alarm(10); // a writer waiting for a reader ends the test here
            QVERIFY(!SafeFileWriter::appendToFile(path, "new"));
            ::alarm(0);
            QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
            return;
        }
        if (kind == Stale) {
            QFile stale(path + trapped);
            QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write(QByteArray(5000, 's')) == 5000);
            stale.close();
            QVERIFY(stale.setPermissions(QFileDevice::ReadOwner));
            QVERIFY(SafeFileWriter::writeFile(path, "new"));
            QCOMPARE(readAll(path), QByteArray("new"));
            QVERIFY(!QFileInfo::exists(path + trapped));
            return;
        }
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

    // A folder below the data root or the drive that is a link is refused, wherever it
    // points; the same record goes in once a real folder stands there again.
    void linkedFoldersAreRefused_data()
    {
        QTest::addColumn<bool>("onDrive");
        QTest::addColumn<QString>("linked");  // the folder replaced by a link
        QTest::addColumn<QString>("file");    // below the root
        QTest::addColumn<bool>("outside");    // the link leads out of the root, else to a folder in it
        QTest::addColumn<QString>("writer");
        QTest::newRow("error log") << false << "errorLogs" << "errorLogs/el240315.txt" << true << "appendToFile";
        QTest::newRow("HACCP log") << false << "haccpLogs" << "haccpLogs/haccpLog.json.New" << true << "writeNewFile";
        QTest::newRow("screenshot") << false << "screenshots" << "screenshots/tul_1.png" << true << "writeFile";
        QTest::newRow("folder to a folder of the root") << false << "screenshots" << "screenshots/tul_1.png" << false
                                                        << "writeFile";
        QTest::newRow("a folder further up") << false << "updates" << "updates/menu/menu.json" << true << "writeFile";
        QTest::newRow("export folder on the drive") << true << "exports" << "exports/log.csv" << true << "createFresh";
    }
    void linkedFoldersAreRefused()
    {
        QFETCH(bool, onDrive);
        QFETCH(QString, linked);
        QFETCH(QString, file);
        QFETCH(bool, outside);
        QFETCH(QString, writer);
        ScratchRoots scratch;
        const QString root = onDrive ? scratch.flash() : scratch.root();
        const QString target = outside ? scratch.base() + "/elsewhere/" : scratch.root() + "other/";
        const QString below = QFileInfo(file).path().mid(linked.size()); // "" or "/menu"
        QVERIFY(QDir().mkpath(target + below));
        QVERIFY(QFile::link(target, root + linked));
        auto write = [&](const QByteArray &record, QString *error) {
            const QString path = root + file;
            if (writer == "createFresh") {
                const int fd = SafeFileWriter::createFresh(path, error);
                const bool ok = fd >= 0 && ::write(fd, record.constData(), size_t(record.size())) == record.size();
                if (fd >= 0)
                    ::close(fd);
                return ok;
            }
            return writer == "writeFile"  ? SafeFileWriter::writeFile(path, record, error)
                : writer == "writeNewFile" ? SafeFileWriter::writeNewFile(path, record, error)
                                           : SafeFileWriter::appendToFile(path, record, error);
        };
        QString error;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Safe write failed: refused .* is a link"));
        QVERIFY(!write("record\n", &error));
        QVERIFY2(error.contains(root + linked) && error.contains("is a link"), qPrintable(error));
        QCOMPARE(QDir(target + below).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());

        QVERIFY(QFile::remove(root + linked));
        QVERIFY(QDir().mkpath(QFileInfo(root + file).path()));
        QVERIFY(write("record\n", &error));
        QCOMPARE(readAll(root + file), QByteArray("record\n"));
    }

    // Files holding a pass phrase or a PIN are the owner's alone, also when an older
    // file was readable by everyone; other files stay readable by all.
    void accessOfTheWrittenFile_data()
    {
        QTest::addColumn<int>("access");
        QTest::addColumn<int>("oldMode"); // 0: no older file
        QTest::addColumn<QString>("writer");
        QTest::addColumn<int>("mode");
        QTest::newRow("owner only, new") << int(SafeFileWriter::OwnerOnly) << 0 << "writeFile" << 0600;
        QTest::newRow("owner only over 0644") << int(SafeFileWriter::OwnerOnly) << 0644 << "writeFile" << 0600;
        QTest::newRow("owner only over 0666, new file") << int(SafeFileWriter::OwnerOnly) << 0666 << "writeNewFile"
                                                        << 0600;
        QTest::newRow("shared") << int(SafeFileWriter::Shared) << 0 << "writeFile" << 0644;
        QTest::newRow("owner only, written in pieces") << int(SafeFileWriter::OwnerOnly) << 0644 << "streamed" << 0600;
    }
    void accessOfTheWrittenFile()
    {
        QFETCH(int, access);
        QFETCH(int, oldMode);
        QFETCH(QString, writer);
        QFETCH(int, mode);
        ScratchRoots scratch;
        const QString path = scratch.root() + "config.txt";
        if (oldMode) {
            QVERIFY(scratch.writeRootFile("config.txt", "wifiPassword=old\n"));
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(oldMode)), 0);
        }
        const mode_t savedMask = ::umask(022);
        const auto how = SafeFileWriter::Access(access);
        const auto pieces = [](const SafeFileWriter::Sink &sink) { return sink("wifiPassword=", 13) && sink("new\n", 4); };
        const bool ok = writer == "writeFile"  ? SafeFileWriter::writeFile(path, "wifiPassword=new\n", nullptr, how)
            : writer == "streamed"             ? SafeFileWriter::writeNewFile(path, pieces, nullptr, how)
                                               : SafeFileWriter::writeNewFile(path, "wifiPassword=new\n", nullptr, how);
        ::umask(savedMask);
        QVERIFY(ok);
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), mode);
    }
};

QTEST_GUILESS_MAIN(TestSafeFileWriter)
#include "tst_safefilewriter.moc"
