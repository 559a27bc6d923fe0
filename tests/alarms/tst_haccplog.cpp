// The HACCP log file: its exact text, the rewrite of each request, the display form, the
// CSV export, and what happens to a log that cannot be trusted or a write that fails.
#include "filelogworker.h"
#include "haccpfixtures.h"
#include "linktrap.h"
#include "scratchroots.h"

#include <QDateTime>
#include <QDir>
#include <QSignalSpy>
#include <QtTest>

using namespace HaccpFixtures;

class TestHaccpLog : public QObject
{
    Q_OBJECT

private:
    enum Request { Add, Remove, RemoveOld };

    // Runs one request on the worker (directly, on this thread) and returns its result.
    QString run(FileLogWorker &worker, Request kind, const QByteArray &payload)
    {
        QString result;
        auto keep = [&result](const QString &r) { result = r; };
        QMetaObject::Connection c[] = {
            connect(&worker, &FileLogWorker::addHaccpDone, keep),
            connect(&worker, &FileLogWorker::removeHaccpDone, keep),
            connect(&worker, &FileLogWorker::removeOldDataDone, keep)};
        if (kind == Add)
            worker.doAddHaccpDataLog(payload);
        else if (kind == Remove)
            worker.doRemoveHaccpDataLog(payload);
        else
            worker.doRemoveOldHaccpDataLogs(payload);
        for (const auto &connection : c)
            disconnect(connection);
        return result;
    }

    QByteArray openRecord(int bin) { return stored(bin, "2024/05/14", false, "----", "P", "06:00:00"); }

private slots:
    void rewrite_data()
    {
        QTest::addColumn<QByteArray>("before"); // empty: no file
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("after");

        const HaccpData s1 = record("Prod s1", 7, "2024/05/14", "06:40:12");
        const QByteArray s1Stored = stored(7, "2024/05/14", false, "----", "Prod s1", "06:40:12");
        const QByteArray s2Stored = stored(2, "2024/05/14", true, "00:35:10", "Prod s2", "05:58:03");

        QTest::newRow("add to a missing log") << QByteArray() << int(Add)
            << FileLogWorker::packRecord(s1) << log(s1Stored);
        QTest::newRow("add to an empty file") << QByteArray(" \n") << int(Add)
            << FileLogWorker::packRecord(s1) << log(s1Stored);
        QTest::newRow("add goes first: the worked example") << log(s2Stored) << int(Add)
            << FileLogWorker::packRecord(s1)
            << QByteArray(R"({"desc":"HACCP Data Log","haccpInfo":[{"b":7,"d":"2024/05/14","e":false,"h":"----","p":"Prod s1","t":"06:40:12"},{"b":2,"d":"2024/05/14","e":true,"h":"00:35:10","p":"Prod s2","t":"05:58:03"}]})");
        QTest::newRow("unknown keys stay, desc is restored")
            << QByteArray(R"({"zz":[1],"desc":"old","aa":"x"})") << int(Add)
            << FileLogWorker::packRecord(s1)
            << QByteArray(R"({"aa":"x","desc":"HACCP Data Log","haccpInfo":[)") + s1Stored + "],\"zz\":[1]}";
        QTest::newRow("names keep quotes and non-Latin letters") << QByteArray() << int(Add)
            << FileLogWorker::packRecord(record(QString::fromUtf8("鸡 \"6\""), 0, "2024/05/14", "06:40:12"))
            << log(stored(0, "2024/05/14", false, "----", "鸡 \\\"6\\\"", "06:40:12"));

        QTest::newRow("remove: only the newer of two open records of a bin")
            << log(openRecord(3) + "," + openRecord(4) + "," + openRecord(3)) << int(Remove)
            << FileLogWorker::packRecord(record("P", 3, "", ""))
            << log(openRecord(4) + "," + openRecord(3));
        QTest::newRow("remove: a finished record is never removed")
            << log(s2Stored + "," + openRecord(2)) << int(Remove)
            << FileLogWorker::packRecord(record("P", 2, "", "")) << log(s2Stored);
        QTest::newRow("remove: no open record, malformed ones dropped, file rewritten")
            << QByteArray(R"({"desc":"HACCP Data Log","haccpInfo":[{"b":1},)") + s2Stored
                   + R"(,{"d":"2024/05/14","t":"x"}]})"
            << int(Remove) << FileLogWorker::packRecord(record("P", 9, "", "")) << log(s2Stored);
        QTest::newRow("remove from a missing log") << QByteArray() << int(Remove)
            << FileLogWorker::packRecord(record("P", 9, "", "")) << log("");

        const QByteArray day14 = stored(1, "2024/05/14", false, "----", "a", "00:00:00");
        const QByteArray day13 = stored(1, "2024/05/13", false, "----", "b", "23:59:59");
        const QByteArray day15 = stored(1, "2024/05/15", false, "----", "c", "00:00:00");
        const QByteArray undated = R"({"b":1,"p":"d"})";
        const QByteArray emptyDay = stored(1, "", false, "----", "e", "00:00:00");
        const QByteArray badDay = stored(1, "14.05.2024", false, "----", "f", "00:00:00");
        QTest::newRow("clean-up keeps the cut-off day, drops the day before and undated ones")
            << log(day15 + "," + undated + "," + day14 + "," + emptyDay + "," + day13 + "," + badDay)
            << int(RemoveOld) << FileLogWorker::packString("2024/05/14") << log(day15 + "," + day14);
        QTest::newRow("clean-up with a cut-off that does not parse keeps dated records")
            << log(day13 + "," + undated + "," + emptyDay) << int(RemoveOld)
            << FileLogWorker::packString("yesterday") << log(day13 + "," + emptyDay);
    }
    void rewrite()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, kind);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, after);
        ScratchRoots roots;
        if (!before.isNull())
            QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", before));
        FileLogWorker worker;
        QCOMPARE(run(worker, Request(kind), payload), FileLogWorker::OkResult);
        QCOMPARE(readFile(FileLogWorker::logPath()), after);
        QVERIFY(!QFile::exists(FileLogWorker::newLogPath()));
        // The new content went through the ".New" file and the move.
        QVERIFY(roots.toolCalls().contains("mv " + FileLogWorker::newLogPath() + " "
                                           + FileLogWorker::logPath()));
    }

    // A stop removes the bin's open record and then adds the finished one.
    void stopReplacesTheStartRecord()
    {
        ScratchRoots roots;
        FileLogWorker worker;
        run(worker, Add, FileLogWorker::packRecord(record("Prod s2", 2, "2024/05/14", "05:58:03")));
        run(worker, Add, FileLogWorker::packRecord(record("Other", 3, "2024/05/14", "05:59:00")));
        const HaccpData done = record("Prod s2", 2, "2024/05/14", "05:58:03", "00:35:10", true);
        run(worker, Remove, FileLogWorker::packRecord(done));
        run(worker, Add, FileLogWorker::packRecord(done));
        QCOMPARE(readFile(FileLogWorker::logPath()),
                 log(stored(2, "2024/05/14", true, "00:35:10", "Prod s2", "05:58:03") + ","
                     + stored(3, "2024/05/14", false, "----", "Other", "05:59:00")));
    }

    // Content that is not a JSON object is kept aside, never written over.
    void untrustedLogIsSetAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("torn") << QByteArray(R"({"desc":"HACCP Data Log","haccpInfo":[{"b":1,)");
        QTest::newRow("array") << QByteArray("[1,2,3]");
        QTest::newRow("binary") << QByteArray("\x00\xff\x10garbage", 10);
        QTest::newRow("repeated key") << QByteArray(R"({"haccpInfo":[{"b":1}],"haccpInfo":[]})");
    }
    void untrustedLogIsSetAside()
    {
        QFETCH(QByteArray, content);
        ScratchRoots roots;
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", content));
        FileLogWorker worker;
        QCOMPARE(run(worker, Add, FileLogWorker::packRecord(record("A", 1, "2024/05/14", "06:00:00"))),
                 FileLogWorker::OkResult);
        QCOMPARE(readFile(FileLogWorker::logPath()),
                 log(stored(1, "2024/05/14", false, "----", "A", "06:00:00")));
        const QStringList aside = QDir(FileLogWorker::logDir())
                                      .entryList({"haccpLog.json.invalid-*"}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readFile(FileLogWorker::logDir() + aside.first()), content);
    }

    // A log past its cap is never read into memory: it is kept whole under another name.
    void oversizedLogIsSetAsideWhole()
    {
        ScratchRoots roots;
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", ""));
        QVERIFY(QFile::resize(FileLogWorker::logPath(), FileLogWorker::MaxLogBytes + 1));
        FileLogWorker worker;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("HACCP log .* holds .* bytes"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot be used .*larger than"));
        QCOMPARE(run(worker, Add, FileLogWorker::packRecord(record("A", 1, "2024/05/14", "06:00:00"))),
                 FileLogWorker::OkResult);
        QCOMPARE(readFile(FileLogWorker::logPath()), log(stored(1, "2024/05/14", false, "----", "A", "06:00:00")));
        const QFileInfoList aside = QDir(FileLogWorker::logDir()).entryInfoList({"haccpLog.json.unusable-*"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(aside.first().size(), qint64(FileLogWorker::MaxLogBytes) + 1);
    }

    // A step that fails leaves the previous log and reports the failure.
    void failedRewriteKeepsTheLog_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("mv fails") << "mv";
        QTest::newRow(".New cannot be created") << "new";
        QTest::newRow("log exists but cannot be read") << "unreadable";  // a folder in its place
        QTest::newRow("malformed request") << "payload";
    }
    void failedRewriteKeepsTheLog()
    {
        QFETCH(QString, fault);
        ScratchRoots roots;
        const QByteArray before = log(openRecord(5));
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", before));
        QByteArray payload = FileLogWorker::packRecord(record("A", 1, "2024/05/14", "06:00:00"));
        if (fault == "mv")
            roots.setVariable("TUL_STANDIN_MV_FAIL", "1");
        else if (fault == "new")
            QVERIFY(QDir().mkpath(FileLogWorker::newLogPath()));
        else if (fault == "unreadable")
            QVERIFY(QFile::remove(FileLogWorker::logPath()) && QDir().mkpath(FileLogWorker::logPath()));
        else
            payload.chop(3);
        FileLogWorker worker;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("."));
        const QString result = run(worker, Add, payload);
        QVERIFY2(result != FileLogWorker::OkResult, qPrintable(result));
        if (fault == "unreadable")
            QVERIFY(QFileInfo(FileLogWorker::logPath()).isDir());
        else
            QCOMPARE(readFile(FileLogWorker::logPath()), before);
    }

    // A link planted at the log's names is replaced, never written through.
    void linksAreNeverWrittenThrough_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("at");
        for (int kind : {LinkTrap::Symbolic, LinkTrap::Hard}) {
            const char *k = kind == LinkTrap::Symbolic ? "symlink" : "hardlink";
            QTest::addRow("%s at .New", k) << kind << "new";
            QTest::addRow("%s at the log", k) << kind << "log";
            QTest::addRow("%s at the export", k) << kind << "export";
        }
    }
    void linksAreNeverWrittenThrough()
    {
        QFETCH(int, kind);
        QFETCH(QString, at);
        ScratchRoots roots;
        QVERIFY(QDir().mkpath(FileLogWorker::logDir()));
        FileLogWorker worker;
        const QDateTime now = QDateTime::currentDateTime();
        const QString exportPath = FileLogWorker::exportFilePath("S", now);
        const QString path = at == "new" ? FileLogWorker::newLogPath()
            : at == "log"                ? FileLogWorker::logPath()
                                         : exportPath;
        const LinkTrap trap(LinkTrap::Kind(kind), path, roots.base() + "/outside");
        QVERIFY(trap.isSet());
        if (at == "log")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a JSON object"));
        if (at == "export") {
            QSignalSpy done(&worker, &FileLogWorker::fileExportComplete);
            worker.doHaccpFileExport(FileLogWorker::packExport("S", 4, 1));
            QCOMPARE(done.count(), 1);
            // The export's name has the second in it: made in the same second or not at all.
            if (FileLogWorker::exportFilePath("S", QDateTime::currentDateTime()) != exportPath)
                QSKIP("the second changed during the export");
            QVERIFY(!QFileInfo(exportPath).isSymLink());
        } else {
            QCOMPARE(run(worker, Add, FileLogWorker::packRecord(record("A", 1, "2024/05/14", "06:00:00"))),
                     FileLogWorker::OkResult);
            QCOMPARE(readFile(FileLogWorker::logPath()),
                     log(stored(1, "2024/05/14", false, "----", "A", "06:00:00")));
        }
        QVERIFY(trap.outsideUntouched());
    }

    void displayForm_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QStringList>("shown"); // date, time, duration
        QTest::newRow("finished") << stored(1, "2024/05/14", true, "00:35:10", "a", "05:58:03")
                                  << QStringList{"05/14", "05:58", "00:35"};
        QTest::newRow("open") << stored(1, "2024/12/31", false, "----", "a", "23:59:59")
                              << QStringList{"12/31", "23:59", "----"};
        QTest::newRow("a day or longer") << stored(1, "2024/05/14", false, "25:03:09", "a", "05:58:03")
                                         << QStringList{"05/14", "05:58", ""};
        QTest::newRow("unparsable") << stored(1, "14/05/2024", false, "1:2", "a", "5:58")
                                    << QStringList{"", "", ""};
        QTest::newRow("missing") << QByteArray("{}") << QStringList{"", "", ""};
    }
    void displayForm()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, shown);
        const HaccpData d = FileLogWorker::displayForm(QJsonDocument::fromJson(stored).object());
        QCOMPARE((QStringList{d.date, d.time, d.duration}), shown);
    }

    void retrieve_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<bool>("all");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("rows");
        QTest::newRow("600, first page") << bigLog(600) << false << 600 << 250;
        QTest::newRow("600, all") << bigLog(600) << true << 600 << 600;
        QTest::newRow("empty log") << log("") << false << 0 << 0;
        QTest::newRow("missing log") << QByteArray() << true << 0 << 0;
        QTest::newRow("not an object") << QByteArray("[{}]") << true << 0 << 0;
    }
    void retrieve()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, all);
        QFETCH(int, total);
        QFETCH(int, rows);
        ScratchRoots roots;
        if (!content.isNull())
            QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", content));
        FileLogWorker worker;
        QSignalSpy done(&worker, &FileLogWorker::retrievAllHaccpDataDone);
        worker.retrieveAllHaccpData(FileLogWorker::packFlag(all));
        QCOMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(1).toInt(), total);
        const auto records = done.at(0).at(2).value<QList<HaccpData>>();
        QCOMPARE(records.size(), rows);
        if (rows)  // newest first
            QCOMPARE(records.first().name, QStringLiteral("Product 0"));
        QCOMPARE(readFile(FileLogWorker::logPath()), content);  // read only
    }

    void exportCsv_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("traysPerZone");
        QTest::addColumn<int>("zonesPerRow");
        QTest::addColumn<QByteArray>("csv");
        const QByteArray header("Product Name, Shelf Number, Start Time, Discarded, Total Holding Duration,\n");
        QTest::newRow("the worked example, 2x2")
            << log(stored(7, "2024/05/14", false, "----", "Prod s1", "06:40:12") + ","
                   + stored(2, "2024/05/14", true, "00:35:10", "Prod s2", "05:58:03"))
            << 2 << 2
            << header + "Prod s1,2,05/14 06:40,----,----,\nProd s2,1,05/14 05:58,Yes,00:35,\n";
        QTest::newRow("shelves of a 2x2: bins 3, 4 and 8")
            << log(stored(3, "2024/05/14", false, "00:01:00", "a", "06:40:12") + ","
                   + stored(4, "2024/05/14", false, "00:01:00", "b", "06:40:12") + ","
                   + stored(8, "2024/05/14", false, "00:01:00", "c", "06:40:12"))
            << 2 << 2
            << header + "a,1,05/14 06:40,No,00:01,\nb,2,05/14 06:40,No,00:01,\nc,3,05/14 06:40,No,00:01,\n";
        QTest::newRow("names that would break a line or run as a formula")
            << log(stored(0, "2024/05/14", false, "----", "Ham, egg", "06:40:12") + ","
                   + stored(0, "2024/05/14", false, "----", "6\\\" sub\\nnew", "06:40:12") + ","
                   + stored(0, "2024/05/14", false, "----", "=1+2", "06:40:12") + ","
                   + stored(0, "2024/05/14", false, "----", "@x,y", "06:40:12"))
            << 4 << 1
            << header + "\"Ham, egg\",1,05/14 06:40,----,----,\n\"6\"\" sub\nnew\",1,05/14 06:40,----,----,\n"
                        "'=1+2,1,05/14 06:40,----,----,\n\"'@x,y\",1,05/14 06:40,----,----,\n";
        QTest::newRow("a layout without bins names no shelf")
            << log(stored(7, "2024/05/14", false, "----", "a", "06:40:12")) << 0 << 2
            << header + "a,,05/14 06:40,----,----,\n";
        QTest::newRow("unreadable log: header only") << QByteArray("nonsense") << 4 << 1 << header;
    }
    void exportCsv()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, traysPerZone);
        QFETCH(int, zonesPerRow);
        QFETCH(QByteArray, csv);
        ScratchRoots roots;
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", content));
        FileLogWorker worker;
        QSignalSpy done(&worker, &FileLogWorker::fileExportComplete);
        worker.doHaccpFileExport(FileLogWorker::packExport("SN 1/2", traysPerZone, zonesPerRow));
        QCOMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(0).toString(), FileLogWorker::OkResult);
        const QStringList files = QDir(roots.flash()).entryList({"holdingLog_SN_1_2_*.csv"});
        QCOMPARE(files.size(), 1);
        QCOMPARE(readFile(roots.flash() + files.first()), csv);
    }

    void exportFileName_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "S123" << "holdingLog_S123_240514-070512.csv";
        QTest::newRow("empty serial") << "" << "holdingLog__240514-070512.csv";
        QTest::newRow("path in the serial") << "../../etc/x" << "holdingLog_______etc_x_240514-070512.csv";
    }
    void exportFileName()
    {
        QFETCH(QString, serial);
        QFETCH(QString, name);
        ScratchRoots roots;
        const QDateTime when(QDate(2024, 5, 14), QTime(7, 5, 12));
        QCOMPARE(FileLogWorker::exportFilePath(serial, when), roots.flash() + name);
    }

    void exportFailureIsReported()
    {
        ScratchRoots roots;
        roots.setVariable("TUL_FLASH_DIR", roots.base() + "/no-drive/");
        FileLogWorker worker;
        QSignalSpy done(&worker, &FileLogWorker::fileExportComplete);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unable to Open File !!!"));
        worker.doHaccpFileExport(FileLogWorker::packExport("S", 4, 1));
        QCOMPARE(done.count(), 1);
        QVERIFY(done.at(0).at(0).toString() != FileLogWorker::OkResult);
    }
};

QTEST_GUILESS_MAIN(TestHaccpLog)
#include "tst_haccplog.moc"
