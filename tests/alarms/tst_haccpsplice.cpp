// The HACCP log kept in memory and edited in place: after long runs of mixed requests the
// file is byte for byte what parsing and rewriting the whole document gives, the records
// shown and exported are those of the document, requests waiting together share one
// rewrite, and a file changed by another writer is read again.
#include "filelogworker.h"
#include "haccpfixtures.h"
#include "scratchroots.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace HaccpFixtures;
using W = FileLogWorker;

namespace {

enum Kind { Add, Remove, RemoveOld };

struct Step
{
    Kind kind;
    HaccpData data;
    QString cutoff;
};

// The whole-document rewrite: parse, change the array, write compact JSON.
class Reference
{
public:
    QByteArray text;

    void apply(const Step &step)
    {
        const QJsonDocument parsed = QJsonDocument::fromJson(text);
        QJsonObject object = parsed.isObject() ? parsed.object() : QJsonObject();
        QJsonArray records = object.value("haccpInfo").toArray();
        if (step.kind == Add) {
            const HaccpData &d = step.data;
            records.prepend(QJsonObject{{"p", d.name}, {"d", d.date}, {"t", d.time},
                                        {"h", d.duration}, {"e", d.expired}, {"b", d.binNumber}});
        } else if (step.kind == Remove) {
            for (int i = 0; i < records.size();) {
                const QJsonObject r = records.at(i).toObject();
                if (!r.contains("d") || !r.contains("t") || !r.contains("b")) {
                    records.removeAt(i);
                    continue;
                }
                if (r.value("b").toInt() == step.data.binNumber && r.value("h").toString() == "----") {
                    records.removeAt(i);
                    break;
                }
                ++i;
            }
        } else {
            const QDate cutoff = QDate::fromString(step.cutoff, "yyyy/MM/dd");
            for (int i = 0; i < records.size();) {
                const QJsonObject r = records.at(i).toObject();
                bool keep = r.contains("d");
                if (keep && cutoff.isValid()) {
                    const QDate day = QDate::fromString(r.value("d").toString(), "yyyy/MM/dd");
                    keep = day.isValid() && day >= cutoff;
                }
                keep ? void(++i) : records.removeAt(i);
            }
        }
        object.insert("haccpInfo", records);
        object.insert("desc", "HACCP Data Log");
        text = QJsonDocument(object).toJson(QJsonDocument::Compact);
    }

    QList<HaccpData> shown() const
    {
        QList<HaccpData> list;
        for (const QJsonValue &r : QJsonDocument::fromJson(text).object().value("haccpInfo").toArray())
            list.append(W::displayForm(r.toObject()));
        return list;
    }
};

const QStringList kNames{
    "Fries", "Ham, egg", "6\" sub", "back\\slash", "tab\there", "new\nline", QString(QChar(1)) + "ctl",
    QString::fromUtf8("Crème brûlée"), QString::fromUtf8("鸡 \"6\""), QString::fromUtf8("🍔 burger"),
    "", "=1+2", "{\"b\":1}]", QString::fromUtf8("\u2028 sep"), "/slash/", "x\x7f"};

Step randomStep(QRandomGenerator &rng, int cleanupPercent)
{
    Step s;
    const int roll = rng.bounded(100);
    s.kind = roll < cleanupPercent ? RemoveOld : roll < 45 ? Remove : Add;
    const QDate day = QDate(2024, 5, 1).addDays(rng.bounded(30));
    if (s.kind == RemoveOld) {
        s.cutoff = rng.bounded(5) ? day.toString("yyyy/MM/dd") : QStringLiteral("yesterday");
        return s;
    }
    const bool open = rng.bounded(2);
    s.data = record(kNames.at(rng.bounded(kNames.size())), rng.bounded(20), day.toString("yyyy/MM/dd"),
                    QTime(0, 0).addSecs(rng.bounded(86400)).toString("HH:mm:ss"),
                    open ? QStringLiteral("----") : QTime(0, 0).addSecs(rng.bounded(7200)).toString("HH:mm:ss"),
                    !open && rng.bounded(2));
    if (!open && rng.bounded(10) == 0)
        s.data.duration = "25:03:09";
    return s;
}

// A log no rewrite wrote: spaces, other keys, records of odd shapes.
const QByteArray kForeign = R"({ "zz": {"x": [1, "]"]}, "desc": "old", "haccpInfo": [
  {"b": 3, "d": "2024/05/20", "e": false, "h": "----", "p": "Spaced", "t": "06:00:00"},
  {"b": "4", "d": "2024/05/20", "h": "----", "t": "x"},
  {"b": 1.5, "d": "2024/05/21", "e": 1, "h": "----", "p": ["a"], "t": "07:00:00"},
  {"p": "no day"}, 7, "text", [1, 2], {},
  {"b": 5, "d": "2024/05/22", "e": true, "h": "00:10:00", "p": "Caf\u00e9 \ud83c\udf54", "t": "08:00:00", "extra": null}
], "aa": 1.25e3})";

// A log of our own form larger than one read piece, whose names need escapes and whose
// records lack a field now and then.
QByteArray piecesOfLog()
{
    QJsonArray records;
    for (int i = 0; i < 2500; ++i) {
        QJsonObject r{{"b", i % 20}, {"d", "2024/05/14"}, {"e", i % 3 == 0}, {"h", "00:35:10"},
                      {"p", kNames.at(i % kNames.size())}, {"t", "06:40:12"}};
        if (i % 97 == 0)
            r.remove(i % 2 ? "e" : "h");
        records.append(r);
    }
    return QJsonDocument(QJsonObject{{"desc", "HACCP Data Log"}, {"haccpInfo", records}}).toJson(QJsonDocument::Compact);
}

// Another writer puts a new file in place of the log.
bool replaceLog(const QByteArray &data)
{
    const QString other = W::logPath() + ".other";
    QFile file(other);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size()
        && file.flush() && ::rename(QFile::encodeName(other).constData(), QFile::encodeName(W::logPath()).constData()) == 0;
}

} // namespace

class TestHaccpSplice : public QObject
{
    Q_OBJECT

    static int mvCalls(const ScratchRoots &roots)
    {
        return roots.toolCalls().filter(QRegularExpression("^mv ")).size();
    }

    static QByteArray payload(const Step &s)
    {
        return s.kind == RemoveOld ? W::packString(s.cutoff) : W::packRecord(s.data);
    }

    static const char *slot(Kind kind)
    {
        return kind == Add ? "doAddHaccpDataLog" : kind == Remove ? "doRemoveHaccpDataLog" : "doRemoveOldHaccpDataLogs";
    }

private slots:
    void sameBytesAsTheWholeDocument_data()
    {
        QTest::addColumn<QByteArray>("start"); // null: no file
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("batch");       // requests waiting together, at most
        QTest::addColumn<int>("cleanups");    // percent of the requests
        QTest::addColumn<int>("otherWriter"); // every so many batches, 0: never
        QTest::newRow("one at a time") << QByteArray() << 1u << 1 << 2 << 0;
        QTest::newRow("waiting together") << QByteArray() << 2u << 4 << 2 << 0;
        QTest::newRow("another writer now and then") << QByteArray() << 3u << 3 << 1 << 37;
        QTest::newRow("from a log written elsewhere") << kForeign << 4u << 3 << 3 << 0;
        QTest::newRow("from a log read in several pieces") << piecesOfLog() << 6u << 3 << 2 << 0;
        QTest::newRow("not a JSON object first") << QByteArray("[1,2]") << 5u << 2 << 2 << 0;
    }
    void sameBytesAsTheWholeDocument()
    {
        QFETCH(QByteArray, start);
        QFETCH(quint32, seed);
        QFETCH(int, batch);
        QFETCH(int, cleanups);
        QFETCH(int, otherWriter);
        ScratchRoots roots;
        QVERIFY(quickRewrites(roots)); // rewrites are counted by the mv stand-in
        Reference reference;
        if (!start.isNull()) {
            QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", start));
            reference.text = start;
        }
        if (!QJsonDocument::fromJson(start).isObject() && !start.isNull())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a JSON object"));
        W worker;
        QStringList answers;
        for (auto done : {&W::addHaccpDone, &W::removeHaccpDone, &W::removeOldDataDone})
            connect(&worker, done, this, [&answers, done](const QString &r) {
                answers << QString("%1 %2").arg(done == &W::addHaccpDone ? "add" : done == &W::removeHaccpDone ? "remove" : "old", r);
            });
        QRandomGenerator rng(seed);
        int steps = 0;
        int batches = 0;
        while (steps < 1000) {
            if (otherWriter && batches % otherWriter == otherWriter - 1) {
                // Written in place of the log, as a text the worker never wrote.
                QJsonDocument doc = QJsonDocument::fromJson(reference.text);
                QJsonObject object = doc.object();
                QJsonArray records = object.value("haccpInfo").toArray();
                records.append(QJsonObject{{"b", 19}, {"d", "2024/05/30"}, {"h", "----"}, {"t", "09:00:00"}, {"p", "by hand"}});
                object.insert("haccpInfo", records);
                reference.text = QJsonDocument(object).toJson(QJsonDocument::Indented);
                QVERIFY(replaceLog(reference.text));
            }
            QStringList expected;
            const int count = 1 + rng.bounded(batch);
            for (int n = 0; n < count; ++n, ++steps) {
                const Step step = randomStep(rng, cleanups);
                reference.apply(step);
                QVERIFY(QMetaObject::invokeMethod(&worker, slot(step.kind), Qt::QueuedConnection,
                                                  Q_ARG(QByteArray, payload(step))));
                expected << QString(step.kind == Add ? "add OK" : step.kind == Remove ? "remove OK" : "old OK");
            }
            answers.clear();
            QTRY_COMPARE(answers, expected);
            ++batches;
            QCOMPARE(mvCalls(roots), batches); // one rewrite per batch
            QCOMPARE(readFile(W::logPath()), reference.text);
            if (batches % 50 == 0 || steps >= 1000) {
                QSignalSpy loaded(&worker, &W::retrievAllHaccpDataDone);
                worker.retrieveAllHaccpData(W::packFlag(true));
                QCOMPARE(loaded.count(), 1);
                const QList<HaccpData> shown = reference.shown();
                const auto records = loaded.at(0).at(2).value<QList<HaccpData>>();
                QCOMPARE(loaded.at(0).at(1).toInt(), shown.size());
                QCOMPARE(records.size(), shown.size());
                for (int i = 0; i < shown.size(); ++i) {
                    const HaccpData &a = records.at(i);
                    const HaccpData &b = shown.at(i);
                    QCOMPARE((QStringList{a.name, a.date, a.time, a.duration}), (QStringList{b.name, b.date, b.time, b.duration}));
                    QCOMPARE(a.expired, b.expired);
                    QCOMPARE(a.binNumber, b.binNumber);
                }
            }
        }
    }

    // Requests waiting together: one rewrite, every request answered in order with that
    // rewrite's result; a retrieval in between sees the requests before it.
    void waitingRequestsShareOneRewrite_data()
    {
        QTest::addColumn<QStringList>("requests"); // add:bin, remove:bin, old, bad, load
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("rewrites");
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("a stop: removal and add")
            << QStringList{"remove:2", "add:2"} << "" << 1 << QStringList{"remove OK", "add OK"};
        QTest::newRow("a malformed request among them")
            << QStringList{"add:1", "bad", "add:3"} << "" << 1
            << QStringList{"add OK", "add Malformed record", "add OK"};
        QTest::newRow("only malformed: nothing written")
            << QStringList{"bad", "bad"} << "" << 0 << QStringList{"add Malformed record", "add Malformed record"};
        QTest::newRow("a load in between splits them")
            << QStringList{"add:1", "load", "remove:1", "old"} << "" << 2
            << QStringList{"add OK", "load 2", "remove OK", "old OK"};
        QTest::newRow("mv fails: each request carries the failure")
            << QStringList{"remove:2", "add:2"} << "mv" << 1
            << QStringList{"remove Cannot move the HACCP log into place", "add Cannot move the HACCP log into place"};
    }
    void waitingRequestsShareOneRewrite()
    {
        QFETCH(QStringList, requests);
        QFETCH(QString, fault);
        QFETCH(int, rewrites);
        QFETCH(QStringList, answers);
        ScratchRoots roots;
        const QByteArray before = log(stored(2, "2024/05/14", false, "----", "P", "06:00:00"));
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", before));
        W worker;
        QStringList got;
        connect(&worker, &W::addHaccpDone, this, [&got](const QString &r) { got << "add " + r; });
        connect(&worker, &W::removeHaccpDone, this, [&got](const QString &r) { got << "remove " + r; });
        connect(&worker, &W::removeOldDataDone, this, [&got](const QString &r) { got << "old " + r; });
        connect(&worker, &W::retrievAllHaccpDataDone, this,
                [&got](const QString &, int total) { got << "load " + QString::number(total); });
        if (fault == "mv")
            roots.setVariable("TUL_STANDIN_MV_FAIL", "1");
        for (int n = requests.count("bad"); n > 0; --n)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("malformed"));
        if (fault == "mv")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("mvCommand failed"));
        Reference reference;
        reference.text = before;
        for (const QString &r : requests) {
            const QStringList parts = r.split(':');
            const int bin = parts.value(1).toInt();
            Step step{parts.at(0) == "add" ? Add : parts.at(0) == "remove" ? Remove : RemoveOld,
                      record("N", bin, "2024/05/15", "07:00:00", "00:01:00"), "2024/05/15"};
            QByteArray data = payload(step);
            const char *method = slot(step.kind);
            if (r == "bad") {
                data = W::packRecord(step.data).left(5);
                method = "doAddHaccpDataLog";
            } else if (r == "load") {
                data = W::packFlag(true);
                method = "retrieveAllHaccpData";
            } else {
                reference.apply(step);
            }
            QVERIFY(QMetaObject::invokeMethod(&worker, method, Qt::QueuedConnection, Q_ARG(QByteArray, data)));
        }
        QTRY_COMPARE(got.size(), answers.size());
        QCOMPARE(got, answers);
        QCOMPARE(mvCalls(roots), rewrites);
        QCOMPARE(readFile(W::logPath()), fault.isEmpty() ? reference.text : before);
        QVERIFY(fault.isEmpty() || QFile::exists(W::newLogPath()));
    }

    // A file changed underneath is read again before the next request, whichever it is.
    void changedUnderneath_data()
    {
        QTest::addColumn<QByteArray>("other"); // null: removed
        QTest::addColumn<QString>("request");
        QTest::addColumn<QByteArray>("after"); // the log after the request
        QTest::addColumn<int>("total");        // records a load shows
        const QByteArray a = stored(1, "2024/05/14", false, "----", "A", "06:00:00");
        const QByteArray b = stored(4, "2024/05/14", false, "----", "B", "06:00:00");
        const QByteArray x = stored(1, "2024/05/14", false, "----", "X", "06:00:00");
        QTest::newRow("same size, other bytes, add") << log(x) << "add" << log(a + "," + x) << 2;
        QTest::newRow("a record more, load") << log(b + "," + a) << "load" << log(b + "," + a) << 2;
        QTest::newRow("a record more, remove") << log(b + "," + a) << "remove" << log(b) << 1;
        QTest::newRow("removed, add") << QByteArray() << "add" << log(a) << 1;
        QTest::newRow("emptied, load") << QByteArray("") << "load" << QByteArray("") << 0;
        QTest::newRow("not an object, export") << QByteArray("[]") << "export" << QByteArray("[]") << 0;
    }
    void changedUnderneath()
    {
        QFETCH(QByteArray, other);
        QFETCH(QString, request);
        QFETCH(QByteArray, after);
        QFETCH(int, total);
        ScratchRoots roots;
        W worker;
        QSignalSpy added(&worker, &W::addHaccpDone);
        worker.doAddHaccpDataLog(W::packRecord(record("A", 1, "2024/05/14", "06:00:00")));
        QCOMPARE(added.count(), 1);
        QSignalSpy loaded(&worker, &W::retrievAllHaccpDataDone);
        worker.retrieveAllHaccpData(W::packFlag(true)); // the log is in memory now
        if (other.isNull())
            QVERIFY(QFile::remove(W::logPath()));
        else
            QVERIFY(replaceLog(other));
        if (request == "add")
            worker.doAddHaccpDataLog(W::packRecord(record("A", 1, "2024/05/14", "06:00:00")));
        else if (request == "remove")
            worker.doRemoveHaccpDataLog(W::packRecord(record("A", 1, "2024/05/14", "06:00:00")));
        else if (request == "export")
            worker.doHaccpFileExport(W::packExport("S", 1, 1));
        QCOMPARE(readFile(W::logPath()), after);
        worker.retrieveAllHaccpData(W::packFlag(true));
        QCOMPARE(loaded.last().at(1).toInt(), total);
        if (request == "export") {
            const QStringList files = QDir(roots.flash()).entryList({"*.csv"});
            QCOMPARE(files.size(), 1);
            QCOMPARE(readFile(roots.flash() + files.first()).count('\n'), 1 + total);
        }
    }
};

QTEST_GUILESS_MAIN(TestHaccpSplice)
#include "tst_haccpsplice.moc"
