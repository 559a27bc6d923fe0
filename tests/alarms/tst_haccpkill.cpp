// A cabinet loses power while the HACCP log is rewritten: the log must then hold the old
// or the new content, complete, never a torn or empty file. A writer process adding to a
// year's worth of records is killed at random moments of its rewrite.
#include "filelogworker.h"
#include "haccpfixtures.h"
#include "scratchroots.h"

#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>

using namespace HaccpFixtures;

class TestHaccpKill : public QObject
{
    Q_OBJECT

private slots:
    // The writer's commands are orphaned by the kill: they come to this process, which
    // can then wait for the last of them.
    void initTestCase() { QCOMPARE(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0); }

    void killDuringRewrite_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("kills");
        QTest::newRow("a year of records") << 200000 << 3;
        QTest::newRow("a small log, many kills") << 2000 << 12;
    }
    void killDuringRewrite()
    {
        QFETCH(int, records);
        QFETCH(int, kills);
        ScratchRoots roots;
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", bigLog(records)));
        int expected = records;
        QString below = QStringLiteral("Product 0"); // the newest record before the writer ran
        for (int k = 0; k < kills; ++k) {
            const QString label = QStringLiteral("Run %1").arg(k);
            QProcess writer;
            writer.start(QStringLiteral(HACCP_WRITER), QStringList{label});
            QVERIFY(writer.waitForStarted());
            QVERIFY(writer.waitForReadyRead(60000));  // at least one rewrite has ended
            QTest::qWait(QRandomGenerator::global()->bounded(1, 60));
            const pid_t group = pid_t(writer.processId());
            ::kill(-group, SIGKILL); // the writer and its sync or mv
            QVERIFY(writer.waitForFinished());
            // The cut is over only when the whole group has ended: a rename still inside
            // the kernel when the signal came completes before its mv goes, which may be
            // after the writer itself has been reaped.
            for (;;) {
                if (::waitpid(-group, nullptr, 0) < 0 && errno != EINTR)
                    break;
            }
            const int added = writer.readAllStandardOutput().count('\n');

            const QJsonDocument document = QJsonDocument::fromJson(readFile(FileLogWorker::logPath()));
            QVERIFY2(document.isObject(), "the log is torn");
            // The log as the next start reads it: a rewrite cut after its ".New" was
            // complete is finished then.
            QList<HaccpData> log;
            {
                FileLogWorker restarted;
                connect(&restarted, &FileLogWorker::retrievAllHaccpDataDone,
                        [&log](const QString &, int, const QList<HaccpData> &records) { log = records; });
                restarted.retrieveAllHaccpData(FileLogWorker::packFlag(true));
            }
            QVERIFY(!QFile::exists(FileLogWorker::newLogPath()));
            // On top: this run's records, newest first; the last rewrite may have completed
            // without its answer reaching us. Below them the log as it was.
            int fresh = 0;
            while (fresh < log.size() && log.at(fresh).name.startsWith(label + ' '))
                ++fresh;
            QVERIFY2(fresh == added || fresh == added + 1,
                     qPrintable(QString("%1 records of this run, %2 answered").arg(fresh).arg(added)));
            for (int i = 0; i < fresh; ++i)
                QCOMPARE(log.at(i).name, QString("%1 %2").arg(label).arg(fresh - 1 - i));
            QCOMPARE(log.size(), expected + fresh);
            QCOMPARE(log.at(fresh).name, below);
            expected = log.size();
            below = log.at(0).name;
        }
        QVERIFY(expected >= records + kills);
    }
};

QTEST_GUILESS_MAIN(TestHaccpKill)
#include "tst_haccpkill.moc"
