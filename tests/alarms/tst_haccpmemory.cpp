// The HACCP worker's memory over a long run of holds: no request allocates a block as
// large as the log (the records are kept compactly and written out in fixed pieces).
// Copies of the whole log, one per request and ever larger, once left the worker's heap
// growing several times faster than the log.
#include "filelogworker.h"
#include "haccpfixtures.h"
#include "scratchroots.h"

#include <QtTest>

#include <atomic>
#include <cstddef>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TUL_OWN_MALLOC 0
#endif
#endif
#if !defined(TUL_OWN_MALLOC) && defined(__SANITIZE_ADDRESS__)
#define TUL_OWN_MALLOC 0
#endif
#ifndef TUL_OWN_MALLOC
#define TUL_OWN_MALLOC 1
#endif

namespace {

std::atomic<bool> g_counting{false};
std::atomic<int> g_large{0};
std::atomic<size_t> g_threshold{0};

void note(size_t size)
{
    if (g_counting.load(std::memory_order_relaxed) && size >= g_threshold.load(std::memory_order_relaxed))
        g_large.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

#if TUL_OWN_MALLOC
// Counts the blocks of at least the threshold's size that anything in this process asks
// for; the allocator itself stays glibc's.
extern "C" void *__libc_malloc(size_t size);
extern "C" void *__libc_realloc(void *block, size_t size);
extern "C" void *malloc(size_t size)
{
    note(size);
    return __libc_malloc(size);
}
extern "C" void *realloc(void *block, size_t size)
{
    note(size);
    return __libc_realloc(block, size);
}
#endif

namespace {
std::atomic<int> g_trims{0};
}

// Counted in place of the allocator's: the worker gives memory back only after a read
// large enough to have taken much (each trim walks the whole heap).
extern "C" int malloc_trim(size_t)
{
    g_trims.fetch_add(1, std::memory_order_relaxed);
    return 0;
}

using namespace HaccpFixtures;
using W = FileLogWorker;

class TestHaccpMemory : public QObject
{
    Q_OBJECT

private slots:
    // Each row: requests of one hold event, repeated; no request may allocate a block of
    // half the log's size or more, but for the text's few doublings.
    void largeBlocksStayFew_data()
    {
        QTest::addColumn<QStringList>("event");
        // start; stop: its removal and its record; old: a record of the day before, then the
        // clean-up that removes it.
        QTest::newRow("holds started") << QStringList{"start"};
        QTest::newRow("holds stopped") << QStringList{"stop"};
        QTest::newRow("started and stopped") << QStringList{"start", "stop"};
        QTest::newRow("clean-ups removing a record") << QStringList{"old"};
    }
    void memoryGivenBackAfterALargeRead_data()
    {
        QTest::addColumn<int>("records"); // in a log of another form (indented), read whole
        QTest::addColumn<int>("trims");
        QTest::newRow("small") << 20 << 0;
        QTest::newRow("over a MiB") << 12000 << 1;
    }
    void memoryGivenBackAfterALargeRead()
    {
        QFETCH(int, records);
        QFETCH(int, trims);
        ScratchRoots roots;
        const QByteArray text = QJsonDocument::fromJson(bigLog(records)).toJson(QJsonDocument::Indented);
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", text));
        QCOMPARE(text.size() >= 1024 * 1024, trims > 0);
        W worker;
        QSignalSpy done(&worker, &W::retrievAllHaccpDataDone);
        g_trims = 0;
        worker.retrieveAllHaccpData(W::packFlag(false));
        QCOMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(1).toInt(), records);
        QCOMPARE(g_trims.load(), trims);
    }

    void largeBlocksStayFew()
    {
#if !TUL_OWN_MALLOC
        QSKIP("the sanitizer's allocator cannot be counted");
#endif
        QFETCH(QStringList, event);
        ScratchRoots roots;
        QVERIFY(quickRewrites(roots));
        const QByteArray start = bigLog(4000); // well above the writer's fixed piece
        QVERIFY(roots.writeRootFile("haccpLogs/haccpLog.json", start));

        W worker;
        int failures = 0;
        for (auto done : {&W::addHaccpDone, &W::removeHaccpDone, &W::removeOldDataDone})
            connect(&worker, done, this, [&failures](const QString &r) { failures += r != W::OkResult; });
        worker.doAddHaccpDataLog(W::packRecord(record("Fries", 0, "2024/05/14", "06:00:00"))); // read in

        g_threshold = size_t(start.size() / 2);
        g_large = 0;
        g_counting = true;
        constexpr int Events = 100;
        for (int i = 0; i < Events; ++i) {
            const int bin = i % 20;
            for (const QString &request : event) {
                if (request == "start") {
                    worker.doAddHaccpDataLog(W::packRecord(record("Fries", bin, "2024/05/14", "06:00:00")));
                } else if (request == "stop") {
                    worker.doRemoveHaccpDataLog(W::packRecord(record("Fries", bin, "2024/05/14", "06:00:00")));
                    worker.doAddHaccpDataLog(W::packRecord(record("Fries", bin, "2024/05/14", "06:00:00", "00:30:00")));
                } else {
                    worker.doAddHaccpDataLog(W::packRecord(record("Fries", bin, "2024/05/13", "23:00:00", "00:30:00")));
                    worker.doRemoveOldHaccpDataLogs(W::packString("2024/05/14"));
                }
            }
        }
        g_counting = false;

        QCOMPARE(failures, 0);
        const QByteArray after = readFile(W::logPath());
        QVERIFY(after.size() > start.size());
        QVERIFY2(g_large <= 3, qPrintable(QString("%1 blocks of %2 bytes or more for %3 events, the log now %4 bytes")
                                               .arg(g_large.load()).arg(g_threshold.load()).arg(Events).arg(after.size())));
    }
};

QTEST_GUILESS_MAIN(TestHaccpMemory)
#include "tst_haccpmemory.moc"
