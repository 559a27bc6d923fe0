#include "errorinfomodel.h"
#include "errorlogfiles.h"
#include "scratchroots.h"
#include "tulpaths.h"

#include <QAbstractItemModelTester>
#include <QtTest>

// Weekly error-log files, their lines, the reader, the export name and the log model.
class TestErrorLogFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstLineStartsTodaysFile();
    void weekChoice_data();
    void weekChoice();
    void foreignNameSortingLastStartsANewFile();
    void lineForms();
    void appendCreatesAndAppends();
    void readerTakesOnlyWellFormedTypeOneLines();
    void unreadableFileAddsNothing();
    void largeFilesAreReadInPieces_data();
    void largeFilesAreReadInPieces();
    void deleteAllRemovesEveryEntry();
    void exportNameIsSafe_data();
    void exportNameIsSafe();
    void modelRowsRolesAndBounds();
    void modelCopiesAnotherUnderItsLock();
    void compactRecordsShowTheLineAsWritten_data();
    void compactRecordsShowTheLineAsWritten();

private:
    QScopedPointer<ScratchRoots> m_scratch;
};

void TestErrorLogFiles::init() { m_scratch.reset(new ScratchRoots); }
void TestErrorLogFiles::cleanup() { m_scratch.reset(); }

void TestErrorLogFiles::firstLineStartsTodaysFile()
{
    QVERIFY(!QDir(ErrorLogFiles::logDir()).exists());
    const QString file = ErrorLogFiles::chooseLogFile(QDate(2024, 3, 15));
    QVERIFY(QDir(ErrorLogFiles::logDir()).exists());
    QCOMPARE(file, m_scratch->root() + QStringLiteral("errorLogs/el240315.txt"));
}

void TestErrorLogFiles::weekChoice_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("chosen");
    // 11 March 2024 is a Monday.
    QTest::newRow("later day, same week") << QStringList{"el240311.txt"} << QDate(2024, 3, 17) << "el240311.txt";
    QTest::newRow("next week") << QStringList{"el240311.txt"} << QDate(2024, 3, 18) << "el240318.txt";
    QTest::newRow("same week number, other year") << QStringList{"el230313.txt"} << QDate(2024, 3, 13) << "el240313.txt";
    QTest::newRow("newest file decides") << QStringList{"el240304.txt", "el240312.txt"} << QDate(2024, 3, 14) << "el240312.txt";
    // 29 December 2025 (Monday) already belongs to ISO week 1 of 2026.
    QTest::newRow("31 Dec in week 1") << QStringList{"el251229.txt"} << QDate(2025, 12, 31) << "el251229.txt";
    QTest::newRow("new year, same week 1") << QStringList{"el251230.txt"} << QDate(2026, 1, 2) << "el251230.txt";
    // 28 December 2025 (Sunday) is week 52 of 2025.
    QTest::newRow("week 52 then week 1") << QStringList{"el251228.txt"} << QDate(2025, 12, 29) << "el251229.txt";
    // 1 January 2027 (Friday) is week 53 of 2026.
    QTest::newRow("January in last year's week 53") << QStringList{"el261228.txt"} << QDate(2027, 1, 3) << "el261228.txt";
}

void TestErrorLogFiles::weekChoice()
{
    QFETCH(QStringList, existing);
    QFETCH(QDate, today);
    QFETCH(QString, chosen);
    for (const QString &name : existing)
        QVERIFY(m_scratch->writeRootFile(QStringLiteral("errorLogs/") + name, "1;x\n"));
    QCOMPARE(ErrorLogFiles::chooseLogFile(today), ErrorLogFiles::logDir() + chosen);
}

void TestErrorLogFiles::foreignNameSortingLastStartsANewFile()
{
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("errorLogs/el240311.txt"), ""));
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("errorLogs/notes.txt"), ""));
    QCOMPARE(ErrorLogFiles::chooseLogFile(QDate(2024, 3, 12)), ErrorLogFiles::logDir() + QStringLiteral("el240312.txt"));
}

void TestErrorLogFiles::lineForms()
{
    const QDateTime when(QDate(2024, 3, 15), QTime(8, 1, 2));
    QCOMPARE(ErrorLogFiles::typeOneLine(when, 2, 0, 3, 0), QByteArray("1;2024/03/15 08:01:02;2\t0\t3\t0\n"));
    QCOMPARE(ErrorLogFiles::typeThreeLine(when), QByteArray("3;2024/03/15 08:01:02;99\t1\t0\t0\n"));
}

void TestErrorLogFiles::appendCreatesAndAppends()
{
    const QString file = ErrorLogFiles::chooseLogFile(QDate(2024, 3, 15));
    QVERIFY(ErrorLogFiles::appendLine(file, "a\n"));
    QVERIFY(ErrorLogFiles::appendLine(file, "b\n"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("a\nb\n"));
    QVERIFY(!ErrorLogFiles::appendLine(m_scratch->root() + QStringLiteral("missing/dir/x.txt"), "c\n"));
}

void TestErrorLogFiles::readerTakesOnlyWellFormedTypeOneLines()
{
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("errorLogs/el240311.txt"),
        "1;2024/03/11 10:00:00;2\t0\t3\t0\n"
        "3;2024/03/11 10:00:01;99\t1\t0\t0\n"
        "1;2024/03/11 10:00:02;6\t-1\t0\t0\n"
        "1;2024/03/11 10:00:03;2\t1000\t0\t0\n"
        "1;2024/03/11 10:0\n"
        "garbage\x01\xff\n"
        "12;2024/03/11 10:00:04;2\t0\t3\t0\n"
        "1;2024/03/11 10:00:05;04\t2\t1\t0 trailing\n"
        "1;2024/03/11 10:00:06;2\t0\t3\t0123\n"
        "\n"
        + QByteArray(64, '\0') + // a stretch left by a power cut
        "\n1;2024/02/30 10:00:07;5\t0\t0\t0\n"
        "1;2024/03/11 25:00:07;6\t0\t0\t0\n"
        "1;2024-03-11 10:00:08;5\t0\t0\t0\n"));
    const auto entries = ErrorLogFiles::readLog(ErrorLogFiles::logDir() + QStringLiteral("el240311.txt"));
    QCOMPARE(entries.size(), 5);
    QCOMPARE(entries[0].timestamp(), QDateTime(QDate(2024, 3, 11), QTime(10, 0, 0)));
    QCOMPARE(entries[0].dateText + entries[0].timeText, QStringLiteral("2024/03/1110:00:00"));
    QCOMPARE(entries[0].codesText, QStringLiteral("2.0.3.0"));
    QCOMPARE(entries[1].codes[0], 4);
    QCOMPARE(entries[1].codesText, QStringLiteral("04.2.1.0")); // as written
    QCOMPARE(entries[2].codesText, QStringLiteral("2.0.3.012"));
    QVERIFY(entries[3].dateText.isEmpty() && !entries[3].timestamp().isValid());
    QVERIFY(entries[4].timeText.isEmpty() && !entries[4].timestamp().isValid());
    QCOMPARE(entries[4].codes[0], 6);
}

// Lines cross every piece boundary; past its cap a file gives its newest lines, from the
// first whole one.
void TestErrorLogFiles::largeFilesAreReadInPieces_data()
{
    QTest::addColumn<int>("lines");   // type-1 lines
    QTest::addColumn<int>("shift");   // -1: no cap; else bytes of line 500 before the cap's boundary
    QTest::addColumn<int>("first");   // the first line read
    QTest::newRow("over the old 8 MiB cap: every line") << 300000 << -1 << 0;
    QTest::newRow("past its cap, cut at a line's start") << 2000 << 0 << 500;
    QTest::newRow("past its cap, cut inside a line: skipped") << 2000 << 5 << 501;
}

void TestErrorLogFiles::largeFilesAreReadInPieces()
{
    QFETCH(int, lines);
    QFETCH(int, shift);
    QFETCH(int, first);
    auto typeOne = [](int i) { // 32 bytes each
        return QStringLiteral("1;2024/03/11 10:00:00;%1\t0\t3\t0\n").arg(i % 1000, 3, 10, QLatin1Char('0')).toLatin1();
    };
    // Past the cap: half the lines, type-3 lines (skipped) and the other half, sized so
    // that the newest MaxLogBytes begin `shift` bytes into line 500.
    const int filler = shift < 0 ? 0 : int(ErrorLogFiles::MaxLogBytes / 32) - 1500;
    QByteArray text;
    text.reserve(32 * (lines + filler) + 64);
    for (int i = 0; i < lines; ++i) {
        if (i == lines / 2) {
            for (int f = 0; f < filler; ++f)
                text += "3;2024/03/11 10:00:01;99\t1\t0\t0 \n";
        }
        text += typeOne(i);
    }
    if (shift > 0)
        text.insert(text.size() - 1, QByteArray(shift, ' '));
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("errorLogs/el240311.txt"), text));
    if (shift >= 0)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("only its newest"));
    bool cut = false;
    const auto entries = ErrorLogFiles::readLog(ErrorLogFiles::logDir() + QStringLiteral("el240311.txt"), &cut);
    QCOMPARE(cut, shift >= 0);
    QCOMPARE(entries.size(), lines - first);
    QCOMPARE(entries.first().codes[0], first % 1000);
    QCOMPARE(entries.last().codes[0], (lines - 1) % 1000);
}

void TestErrorLogFiles::unreadableFileAddsNothing()
{
    QVERIFY(ErrorLogFiles::readLog(m_scratch->root() + QStringLiteral("errorLogs/none.txt")).isEmpty());
}

void TestErrorLogFiles::deleteAllRemovesEveryEntry()
{
    QCOMPARE(ErrorLogFiles::deleteAll(), 0);
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("errorLogs/el240311.txt"), "x"));
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("errorLogs/el240318.txt"), "y"));
    QCOMPARE(ErrorLogFiles::deleteAll(), 2);
    QVERIFY(ErrorLogFiles::entries().isEmpty());
}

void TestErrorLogFiles::exportNameIsSafe_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "AB-12_3" << "errorLog_AB-12_3_240315-080102.txt";
    QTest::newRow("empty") << "" << "errorLog__240315-080102.txt";
    QTest::newRow("path escape") << "../../etc/x" << "errorLog_______etc_x_240315-080102.txt";
    QTest::newRow("blanks and slash") << "12 34/5" << "errorLog_12_34_5_240315-080102.txt";
}

void TestErrorLogFiles::exportNameIsSafe()
{
    QFETCH(QString, serial);
    QFETCH(QString, name);
    const QString path = ErrorLogFiles::exportFilePath(serial, QDateTime(QDate(2024, 3, 15), QTime(8, 1, 2)));
    QCOMPARE(path, m_scratch->flash() + name);
    QVERIFY(TulPaths::isInside(path, m_scratch->flash()));
}

void TestErrorLogFiles::modelRowsRolesAndBounds()
{
    ErrorInfoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.clear();
    QCOMPARE(removed.count(), 0);
    const QList<ErrorInfo> rows = {{"2024/03/15", "08:01:02", "2.0.3.0", "Temperature sensor 3 shorted.", 2},
                                   {"2024/03/14", "07:00:00", "4.0.0.0", "Secondary UI communication loss.", 4},
                                   {"2024/03/13", "06:00:00", "1.0.0.0", "Master I/O communication loss.", 1}};
    model.updateModel(rows);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).at(2).toInt(), 2);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.roleNames().value(257), QByteArray("date"));
    QCOMPARE(model.roleNames().value(260), QByteArray("desc"));
    QCOMPARE(model.data(model.index(1), 259).toString(), QStringLiteral("4.0.0.0"));
    QVERIFY(!model.data(model.index(1), Qt::DisplayRole).isValid());
    QCOMPARE(model.getData(0, 3).toString(), QStringLiteral("Temperature sensor 3 shorted."));
    QVERIFY(!model.getData(3, 0).isValid());
    QVERIFY(!model.getData(0, 4).isValid());
    QVERIFY(!model.getData(-1, 0).isValid());
    model.updateModel(rows.mid(0, 1));
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(2).toInt(), 2); // exactly the rows that were there
    model.clear();
    QCOMPARE(model.rowCount(), 0);
}

void TestErrorLogFiles::modelCopiesAnotherUnderItsLock()
{
    ErrorInfoModel source;
    ErrorInfoModel copy;
    QSignalSpy reset(&copy, &QAbstractItemModel::modelReset);
    source.updateModel({{"d", "t", "1.0.0.0", "x", 1}});
    copy.updateFromModel(&source);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(copy.rowCount(), 1);
    QCOMPARE(copy.getData(0, 2).toString(), QStringLiteral("1.0.0.0"));
    source.clear();
    QCOMPARE(copy.rowCount(), 1);
}

// The compact records give back each line's date, time and codes exactly as the reader
// of texts does (leading zeros, a date that is not a real one, a fourth code cut at three
// digits), and a copy keeps its rows when the original grows.
void TestErrorLogFiles::compactRecordsShowTheLineAsWritten_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("zone");
    QTest::addRow("plain") << QByteArray("1;2024/03/15 08:01:02;2\t0\t3\t0") << 1;
    QTest::addRow("leading zeros") << QByteArray("1;2024/03/15 23:59:59;002\t00\t3\t000") << -1;
    QTest::addRow("30 February") << QByteArray("1;2024/02/30 08:01:02;1\t0\t0\t0") << -1;
    QTest::addRow("fourth code cut") << QByteArray("1;0999/01/01 00:00:00;999\t2\t3\t4567") << 254;
    QTest::addRow("zone past the compact form") << QByteArray("1;2024/03/15 08:01:02;3\t0\t1\t0") << 300;
}

void TestErrorLogFiles::compactRecordsShowTheLineAsWritten()
{
    QFETCH(QByteArray, line);
    QFETCH(int, zone);
    const QVector<ErrorLogFiles::Entry> entries = ErrorLogFiles::parseLog(line + "\n");
    QCOMPARE(entries.size(), 1);
    ErrorLogRecords records;
    ErrorLogFiles::parseLines(line, [&](const ErrorLogFiles::Line &l) { records.append(l, QStringLiteral("text"), zone); });
    QCOMPARE(records.count(), 1);
    const ErrorLogRecords copy = records;
    records.append(ErrorInfo{"d", "t", "1.0.0.0", "x", 1, -1});
    records.reverse();
    for (const ErrorLogRecords &r : {copy, records}) {
        const int i = r.count() - 1;
        const ErrorInfo row = r.row(i);
        QCOMPARE(row.date, entries.first().dateText);
        QCOMPARE(row.time, entries.first().timeText);
        QCOMPARE(row.codes, entries.first().codesText);
        QCOMPARE(row.desc, QStringLiteral("text"));
        QCOMPARE(row.mainCode, entries.first().codes[0]);
        QCOMPARE(r.zone(i), zone);
        QCOMPARE(r.column(i, 2), entries.first().codesText);
    }
    QCOMPARE(copy.count(), 1);
    QCOMPARE(records.row(0).desc, QStringLiteral("x"));
}

QTEST_GUILESS_MAIN(TestErrorLogFiles)
#include "tst_errorlogfiles.moc"
