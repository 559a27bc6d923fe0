// Power cuts while bins start and stop: the program is killed (SIGKILL) at random moments
// and started again on the same files. After each start, every bin whose hold began or
// ended long enough before the cut to be written holds as it did, and the HACCP log holds
// exactly one open record for each bin that holds and none for any other.
#include "displayprocess.h"
#include "holdingroot.h"
#include "scratchroots.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

constexpr int Kills = 50;
constexpr int Bins = 10;
constexpr int Holding = 6;
// The state is written 500 ms after a change. A change counts as written once the display
// has logged a save after it: on a loaded machine the save's fsync can take far longer than
// the delay, and what the cut may cost is what was not yet written. The changes older than
// this that were still unwritten at the cut are counted, to show how late saves came.
constexpr qint64 WrittenAfterMs = 750;
const char *const SavedLine = "Holding state saved:";

// Open records per bin of the HACCP log; empty while the log is being replaced.
QVector<int> openRecords(const QString &root, bool *read)
{
    QVector<int> open(Bins, 0);
    QFile file(root + QStringLiteral("haccpLogs/haccpLog.json"));
    *read = !file.exists() || file.open(QIODevice::ReadOnly);
    if (!*read || !file.isOpen())
        return open;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    *read = error.error == QJsonParseError::NoError;
    for (const QJsonValue &r : doc.object().value(QStringLiteral("haccpInfo")).toArray()) {
        const int bin = r.toObject().value(QStringLiteral("b")).toInt(-1);
        if (bin >= 0 && bin < Bins && r.toObject().value(QStringLiteral("h")).toString() == QLatin1String("----"))
            ++open[bin];
    }
    return open;
}

} // namespace

class TestHoldingKill : public QObject
{
    Q_OBJECT

private slots:
    void holdsSurviveKills();
};

void TestHoldingKill::holdsSurviveKills()
{
    // A save waits for its fsync, which waits for whatever else the disk still has to write:
    // right after a build that is a lot, and the first saves would miss the margin below.
    ::sync();
    ScratchRoots scratch;
    QVERIFY(installHoldingRoot(scratch));
    const QString can = QStringLiteral("tcp://127.0.0.1:%1/can0").arg(freePort());
    const QMap<QString, QString> env{{QStringLiteral("TUL_NO_SCENE"), QStringLiteral("1")},
                                     {QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.canbus.*=false;tul.holding.debug=true")}};
    // Bin 4 has no product.
    const QVector<int> tappable{0, 1, 2, 3, 5, 6, 7, 8, 9};
    QRandomGenerator random(20261208);

    QVector<bool> holding(Bins, false);     // as the program last had it
    QVector<qint64> changedAt(Bins, 0);     // when, on `clock`
    QVector<int> changedInLog(Bins, -1);    // where the display's log stood then; -1: before its start
    qint64 killedAt = 0;
    QString lastLog; // of the display before the cut
    QElapsedTimer clock;
    clock.start();
    int certain = 0, uncertain = 0, late = 0, restoredHolds = 0;
    for (int round = 0; round <= Kills; ++round) {
        Display tul(scratch.root(), can, {}, env);
        QTRY_VERIFY_WITH_TIMEOUT(tul.saw(QStringLiteral("Start-up synchronisation finished")), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(tul.saw(QStringLiteral("Holding state")), 10000);
        QTest::qWait(200); // the restored holds reach their bins
        for (int bin : tappable) {
            const int state = tul.state(bin);
            QVERIFY2(state >= 0, qPrintable(tul.log().right(2000)));
            const bool holds = state >= Holding;
            const bool written = changedInLog.at(bin) < 0 || lastLog.indexOf(SavedLine, changedInLog.at(bin)) >= 0;
            if (round > 0 && written) {
                ++certain;
                if (holds != holding.at(bin)) {
                    // The logs around the cut, whole: the failure message is cut short.
                    for (const QString &line : (lastLog.right(6000) + "\n---- after the restart:\n" + tul.log()).split('\n'))
                        qInfo().noquote() << line;
                }
                QVERIFY2(holds == holding.at(bin),
                         qPrintable(QStringLiteral("round %1: bin %2 %3 %4 ms before the cut, state %5 after it")
                                        .arg(round).arg(bin).arg(holding.at(bin) ? "held" : "was idle")
                                        .arg(killedAt - changedAt.at(bin)).arg(state)));
            } else if (round > 0) {
                ++uncertain;
                late += killedAt - changedAt.at(bin) >= WrittenAfterMs ? 1 : 0;
            }
            restoredHolds += holds ? 1 : 0;
            holding[bin] = holds;
            changedInLog[bin] = -1;
        }
        // The log settles once the close of what did not come back is written.
        QVector<int> open;
        const auto logMatches = [&] {
            bool read = false;
            open = openRecords(scratch.root(), &read);
            for (int bin = 0; bin < Bins; ++bin) {
                if (open.at(bin) != (holding.at(bin) ? 1 : 0))
                    return false;
            }
            return read;
        };
        const auto describe = [&] {
            QStringList bins;
            for (int bin = 0; bin < Bins; ++bin)
                bins << QStringLiteral("%1:%2/%3").arg(bin).arg(holding.at(bin) ? "holds" : "idle").arg(open.at(bin));
            return QStringLiteral("round %1, bins with their open records: %2").arg(round).arg(bins.join(' '));
        };
        QTRY_VERIFY2_WITH_TIMEOUT(logMatches(), qPrintable(describe() + "\n" + tul.log().right(3000)), 10000);
        if (round == Kills)
            break;

        // Starts and stops at random moments, then the cut.
        const int taps = int(random.bounded(1, 7));
        for (int t = 0; t < taps; ++t) {
            QTest::qWait(int(random.bounded(0, 400)));
            const int bin = tappable.at(int(random.bounded(tappable.size())));
            QCOMPARE(tul.ask(QStringLiteral("tap %1").arg(bin)), QStringLiteral("ok"));
            holding[bin] = !holding.at(bin);
            // The bin has changed once it says so (a second tap before that would start it again).
            QTRY_VERIFY_WITH_TIMEOUT((tul.state(bin) >= Holding) == holding.at(bin), 5000);
            changedAt[bin] = clock.elapsed();
            changedInLog[bin] = tul.log().size();
        }
        QTest::qWait(int(random.bounded(0, 1500)));
        ::kill(pid_t(tul.process.processId()), SIGKILL);
        QVERIFY(tul.process.waitForFinished(10000));
        lastLog = tul.log(); // all it wrote before the cut
        killedAt = clock.elapsed();
    }
    qInfo().noquote() << QStringLiteral("%1 kills: %2 bins checked against the state before the cut, %3 changed "
                                        "and not yet saved at it (%4 of them more than %5 ms before it); %6 holds "
                                        "found after restarts")
                             .arg(Kills).arg(certain).arg(uncertain).arg(late).arg(WrittenAfterMs).arg(restoredHolds);
}

QTEST_GUILESS_MAIN(TestHoldingKill)

#include "tst_holdingkill.moc"
