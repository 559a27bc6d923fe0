// The program stopped by SIGTERM or SIGINT right after a hold ended and another began,
// while the HACCP log is still being rewritten (a slow "/bin/sync") and the next request
// waits behind it: both reach the log itself, nothing is left under the ".New" name, and
// the program ends normally.
#include "displayprocess.h"
#include "holdingroot.h"
#include "scratchroots.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <csignal>

class TestCleanStop : public QObject
{
    Q_OBJECT

private slots:
    void stopSignalLetsTheLogRewriteEnd_data();
    void stopSignalLetsTheLogRewriteEnd();
    void stopSignalKeepsErrorLinesForTheNextStart_data();
    void stopSignalKeepsErrorLinesForTheNextStart();
};

namespace {

QJsonArray haccpRecords(const QString &root)
{
    QFile file(root + QStringLiteral("haccpLogs/haccpLog.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("haccpInfo")).toArray();
}

constexpr int Holding = 6;

} // namespace

void TestCleanStop::stopSignalLetsTheLogRewriteEnd_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestCleanStop::stopSignalLetsTheLogRewriteEnd()
{
    QFETCH(int, signal);
    ScratchRoots scratch;
    QVERIFY(installHoldingRoot(scratch));
    QVERIFY(QDir().mkpath(scratch.system() + QStringLiteral("standins")));
    QFile slowSync(scratch.system() + QStringLiteral("standins/sync.sleep"));
    QVERIFY(slowSync.open(QIODevice::WriteOnly) && slowSync.write("0.4\n") == 4);
    slowSync.close();

    Display tul(scratch.root(), QStringLiteral("tcp://127.0.0.1:%1/can0").arg(freePort()));
    QTRY_VERIFY_WITH_TIMEOUT(tul.saw(QStringLiteral("Start-up synchronisation finished")), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(tul.state(1) >= 0, 10000);
    QCOMPARE(tul.ask(QStringLiteral("tap 1")), QStringLiteral("ok"));
    QTRY_VERIFY_WITH_TIMEOUT(tul.state(1) >= Holding, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(haccpRecords(scratch.root()).size(), 1, 10000);

    QCOMPARE(tul.ask(QStringLiteral("tap 1")), QStringLiteral("ok"));
    QCOMPARE(tul.ask(QStringLiteral("tap 2")), QStringLiteral("ok"));
    QVERIFY(tul.state(1) < Holding);
    ::kill(pid_t(tul.process.processId()), signal);
    QVERIFY2(tul.process.waitForFinished(15000), qPrintable(tul.log()));

    const QJsonArray records = haccpRecords(scratch.root());
    QCOMPARE(records.size(), 2);
    const QJsonObject start = records.at(0).toObject();
    QCOMPARE(start.value(QStringLiteral("b")).toInt(), 2);
    QCOMPARE(start.value(QStringLiteral("h")).toString(), QStringLiteral("----"));
    const QJsonObject stop = records.at(1).toObject();
    QCOMPARE(stop.value(QStringLiteral("b")).toInt(), 1);
    QVERIFY2(stop.value(QStringLiteral("h")).toString() != QLatin1String("----"), qPrintable(tul.log()));
    QVERIFY(!QFileInfo::exists(scratch.root() + QStringLiteral("haccpLogs/haccpLog.json.New")));
    QCOMPARE(tul.process.exitStatus(), QProcess::NormalExit);
}

void TestCleanStop::stopSignalKeepsErrorLinesForTheNextStart_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

// A probe fault logged while the log folder is a link the writer refuses: the line waits,
// the stop keeps it beside the data, and the next start writes it into the log once the
// folder is a plain one again.
void TestCleanStop::stopSignalKeepsErrorLinesForTheNextStart()
{
    QFETCH(int, signal);
    ScratchRoots scratch;
    QVERIFY(installHoldingRoot(scratch));
    const QString folder = scratch.root() + QStringLiteral("errorLogs");
    const QString outside = scratch.base() + QStringLiteral("/outside");
    QVERIFY(QDir().mkpath(outside));
    QVERIFY(QFile::link(outside, folder));
    const QString kept = scratch.root() + QStringLiteral("errorLogs.unwritten");
    const auto logged = [&folder] {
        QByteArray all;
        const QDir logs(folder);
        for (const QString &name : logs.entryList(QDir::Files, QDir::Name)) {
            QFile f(logs.filePath(name));
            if (f.open(QIODevice::ReadOnly))
                all += f.readAll();
        }
        return all;
    };
    {
        Display tul(scratch.root(), QStringLiteral("tcp://127.0.0.1:%1/can0").arg(freePort()));
        QTRY_VERIFY_WITH_TIMEOUT(tul.saw(QStringLiteral("Start-up synchronisation finished")), 30000);
        QCOMPARE(tul.ask(QStringLiteral("probe 0 shorted")), QStringLiteral("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(tul.saw(QStringLiteral("lines kept until it can be written")), 10000);
        ::kill(pid_t(tul.process.processId()), signal);
        QVERIFY2(tul.process.waitForFinished(15000), qPrintable(tul.log()));
        QCOMPARE(tul.process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(tul.saw(QStringLiteral("error-log lines kept in")), qPrintable(tul.log()));
    }
    QFile keptFile(kept);
    QVERIFY(keptFile.open(QIODevice::ReadOnly));
    QVERIFY(keptFile.readAll().contains(";2\t0\t0\t0\n"));
    keptFile.close();
    QCOMPARE(QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());

    QVERIFY(QFile::remove(folder));
    Display again(scratch.root(), QStringLiteral("tcp://127.0.0.1:%1/can0").arg(freePort()));
    QTRY_VERIFY_WITH_TIMEOUT(logged().contains(";2\t0\t0\t0\n"), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(kept), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(again.saw(QStringLiteral("Start-up synchronisation finished")), 30000);
    QCOMPARE(logged().count(";2\t0\t0\t0\n"), 1); // once, however many stops it waited through
}

QTEST_GUILESS_MAIN(TestCleanStop)
#include "tst_cleanstop.moc"
