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
    QScopedPointer<ScratchRoots> m_scratch;

private slots:
    void init() { m_scratch.reset(new ScratchRoots); }
    void cleanup() { m_scratch.reset(); }

    void weekChoice_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("no folder yet: today's file") << QStringList{} << QDate(2024, 3, 15) << "el240315.txt";
        // 11 March 2024 is a Monday.
        QTest::newRow("later day, same week") << QStringList{"el240311.txt"} << QDate(2024, 3, 17) << "el240311.txt";
        QTest::newRow("next week") << QStringList{"el240311.txt"} << QDate(2024, 3, 18) << "el240318.txt";
        QTest::newRow("same week number, other year") << QStringList{"el230313.txt"} << QDate(2024, 3, 13) << "el240313.txt";
        QTest::newRow("newest file decides") << QStringList{"el240304.txt", "el240312.txt"} << QDate(2024, 3, 14) << "el240312.txt";
        QTest::newRow("foreign name sorting last") << QStringList{"el240311.txt", "notes.txt"} << QDate(2024, 3, 12) << "el240312.txt";
        // 29 December 2025 (Monday) already belongs to ISO week 1 of 2026.
        QTest::newRow("31 Dec in week 1") << QStringList{"el251229.txt"} << QDate(2025, 12, 31) << "el251229.txt";
        QTest::newRow("new year, same week 1") << QStringList{"el251230.txt"} << QDate(2026, 1, 2) << "el251230.txt";
        // 28 December 2025 (Sunday) is week 52 of 2025.
        QTest::newRow("week 52 then week 1") << QStringList{"el251228.txt"} << QDate(2025, 12, 29) << "el251229.txt";
        // 1 January 2027 (Friday) is week 53 of 2026.
        QTest::newRow("January in last year's week 53") << QStringList{"el261228.txt"} << QDate(2027, 1, 3) << "el261228.txt";
    }
    void weekChoice()
    {
        QFETCH(QStringList, existing);
        QFETCH(QDate, today);
        QFETCH(QString, chosen);
        for (const QString &name : existing)
            QVERIFY(m_scratch->writeRootFile("errorLogs/" + name, "1;x\n"));
        QCOMPARE(ErrorLogFiles::chooseLogFile(today), m_scratch->root() + "errorLogs/" + chosen);
        QVERIFY(QDir(ErrorLogFiles::logDir()).exists());
    }

    void linesAppendAndDelete()
    {
        const QDateTime when(QDate(2024, 3, 15), QTime(8, 1, 2));
        QCOMPARE(ErrorLogFiles::typeOneLine(when, 2, 0, 3, 0), QByteArray("1;2024/03/15 08:01:02;2\t0\t3\t0\n"));
        QCOMPARE(ErrorLogFiles::typeThreeLine(when), QByteArray("3;2024/03/15 08:01:02;99\t1\t0\t0\n"));
        QCOMPARE(ErrorLogFiles::deleteAll(), 0);
        const QString file = ErrorLogFiles::chooseLogFile(QDate(2024, 3, 15));
        QVERIFY(ErrorLogFiles::appendLine(file, "a\n") && ErrorLogFiles::appendLine(file, "b\n"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("a\nb\n"));
        QVERIFY(!ErrorLogFiles::appendLine(m_scratch->root() + "missing/dir/x.txt", "c\n"));
        QVERIFY(ErrorLogFiles::readLog(m_scratch->root() + "errorLogs/none.txt").isEmpty());
        QVERIFY(m_scratch->writeRootFile("errorLogs/el240318.txt", "y"));
        QCOMPARE(ErrorLogFiles::deleteAll(), 2);
        QVERIFY(ErrorLogFiles::entries().isEmpty());
    }

    void readerTakesOnlyWellFormedTypeOneLines()
    {
        // Good lines among torn, foreign and out-of-range ones, and a stretch of zeros
        // left by a power cut.
        QFile mixed(QFINDTESTDATA("../data/alarms/errorlog-mixed.txt"));
        QVERIFY(mixed.open(QIODevice::ReadOnly) && m_scratch->writeRootFile("errorLogs/el240311.txt", mixed.readAll()));
        const auto entries = ErrorLogFiles::readLog(ErrorLogFiles::logDir() + "el240311.txt");
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

    void exportNameIsSafe_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "AB-12_3" << "errorLog_AB-12_3_240315-080102.txt";
        QTest::newRow("empty") << "" << "errorLog__240315-080102.txt";
        QTest::newRow("path escape") << "../../etc/x" << "errorLog_______etc_x_240315-080102.txt";
        QTest::newRow("blanks and slash") << "12 34/5" << "errorLog_12_34_5_240315-080102.txt";
    }
    void exportNameIsSafe()
    {
        QFETCH(QString, serial);
        QFETCH(QString, name);
        const QString path = ErrorLogFiles::exportFilePath(serial, QDateTime(QDate(2024, 3, 15), QTime(8, 1, 2)));
        QCOMPARE(path, m_scratch->flash() + name);
        QVERIFY(TulPaths::isInside(path, m_scratch->flash()));
    }

    void model()
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
        QVERIFY(!model.getData(3, 0).isValid() && !model.getData(0, 4).isValid() && !model.getData(-1, 0).isValid());
        model.updateModel(rows.mid(0, 1));
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(2).toInt(), 2); // exactly the rows that were there
        // Another model's rows are copied, not shared.
        ErrorInfoModel copy;
        QSignalSpy reset(&copy, &QAbstractItemModel::modelReset);
        copy.updateFromModel(&model);
        QCOMPARE(reset.count(), 1);
        model.clear();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(copy.rowCount(), 1);
        QCOMPARE(copy.getData(0, 2).toString(), QStringLiteral("2.0.3.0"));
    }
};

QTEST_GUILESS_MAIN(TestErrorLogFiles)
#include "tst_errorlogfiles.moc"
