#include "heappolicy.h"

#include <QTest>

#include <cstdlib>
#include <cstring>
#include <vector>

#include <malloc.h>

// Large blocks never make the heap grow: what its free space cannot hold gets a mapping of
// its own, even after a larger block was freed; smaller blocks grow the heap as before.
class TestHeapPolicy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void largeBlocksNeverGrowTheHeap_data();
    void largeBlocksNeverGrowTheHeap();
};

void TestHeapPolicy::initTestCase()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the sanitizer brings its own allocator");
#endif
    QVERIFY(HeapPolicy::apply());
}

void TestHeapPolicy::largeBlocksNeverGrowTheHeap_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<bool>("largeFreedFirst"); // a 4 MiB block made and freed just before
    QTest::addColumn<bool>("heapGrows");
    QTest::newRow("messages") << 1024 << false << true;
    QTest::newRow("just under the size") << int(HeapPolicy::OwnMappingBytes) - 64 << false << true;
    QTest::newRow("a socket's line buffers") << int(HeapPolicy::OwnMappingBytes) << false << false;
    QTest::newRow("file pieces") << 64 * 1024 + 25 << false << false;
    QTest::newRow("line buffers after a large block") << int(HeapPolicy::OwnMappingBytes) << true << false;
}

void TestHeapPolicy::largeBlocksNeverGrowTheHeap()
{
    QFETCH(int, bytes);
    QFETCH(bool, largeFreedFirst);
    QFETCH(bool, heapGrows);
    if (largeFreedFirst) {
        // Freeing a mapped block would otherwise raise the size to that block's.
        void *large = std::malloc(4 * 1024 * 1024);
        QVERIFY(large);
        std::free(large);
    }
    constexpr std::size_t TotalBytes = 4 * 1024 * 1024;
    const std::size_t before = mallinfo2().arena;
    std::vector<void *> blocks;
    blocks.reserve(TotalBytes / size_t(bytes) + 1);
    for (std::size_t made = 0; made < TotalBytes; made += size_t(bytes)) {
        void *block = std::malloc(size_t(bytes));
        QVERIFY(block);
        std::memset(block, 0x5a, size_t(bytes));
        blocks.push_back(block);
    }
    const std::size_t grown = mallinfo2().arena - before;
    for (void *block : blocks)
        std::free(block);
    if (heapGrows)
        QVERIFY2(grown >= TotalBytes / 2, qPrintable(QString::number(grown)));
    else
        QCOMPARE(grown, std::size_t(0));
}

QTEST_GUILESS_MAIN(TestHeapPolicy)
#include "tst_heappolicy.moc"
