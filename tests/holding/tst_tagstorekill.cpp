#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "scratchroots.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>
#include <cstdio>

// A power cut while the tag store is being saved must leave the old or the new store.
// The test runs this program again as the writer ("--writer <data root>"), which saves
// two registries of different sizes in turn until it is killed.

namespace {

// Registry `state` (0 or 1): 3 or 40 pans, every field fixed so both sides build the same.
void fillRegistry(NFCmanager &nfc, int state)
{
    const int count = state == 0 ? 3 : 40;
    for (int i = 0; i < count; ++i) {
        auto *item = new NfcTagItem2((quint64(5 + state) << 40) | quint64(0x1000 * state + i));
        item->setPosition(i % NFCmanager::MaxBins);
        item->setSeenInCabinet(true);
        item->setHoldStatus(quint8(i % 5));
        item->setExpTime(Q_INT64_C(1767225600000) + i * 1000);
        item->setActivationTimeStamp(Q_INT64_C(1767225000000) + i);
        item->setProductId(5 + state);
        item->setBatchId(QStringLiteral("%1:%2").arg(item->getUid(), 0, 16).arg(1767225000 + i));
        nfc.registerTag2(item);
    }
}

int runWriter(const QString &root)
{
    qputenv("TUL_ROOT_DIR", QFile::encodeName(root));
    NFCmanager registries[2];
    fillRegistry(registries[0], 0);
    fillRegistry(registries[1], 1);
    for (unsigned long i = 0;; ++i) {
        if (!registries[i % 2].saveNFC2())
            return 1;
        if (i == 0) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTagStoreKill : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileSavingLeavesOldOrNewStore();
};

void TestTagStoreKill::killedWhileSavingLeavesOldOrNewStore()
{
    ScratchRoots scratch;
    NFCmanager expected[2];
    QByteArray expectedFile[2];
    for (int state = 0; state < 2; ++state) {
        fillRegistry(expected[state], state);
        QVERIFY(expected[state].saveNFC2());
        expectedFile[state] = readFile(NFCmanager::tagStorePath());
    }
    QVERIFY(expectedFile[0].size() != expectedFile[1].size());
    QVERIFY(QFile::remove(NFCmanager::tagStorePath()));

    int seen[2] = {0, 0};
    for (int round = 0; round < 30; ++round) {
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--writer"), scratch.root()});
        QVERIFY(writer.waitForStarted());
        QVERIFY(writer.waitForReadyRead(10000)); // the first save is complete
        QTest::qSleep(int(QRandomGenerator::global()->bounded(1, 30)));
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(10000));

        const QByteArray content = readFile(NFCmanager::tagStorePath());
        const int state = content == expectedFile[0] ? 0 : content == expectedFile[1] ? 1 : -1;
        QVERIFY2(state >= 0, qPrintable(QStringLiteral("torn tag store of %1 bytes in round %2")
                                            .arg(content.size()).arg(round)));
        ++seen[state];

        NFCmanager restarted;
        QVERIFY(restarted.restoreNFC2());
        QCOMPARE(restarted.tagRegistry().keys(), expected[state].tagRegistry().keys());
        for (const NfcTagItem2 *item : expected[state].tagRegistry())
            QCOMPARE(*restarted.viewTagInfo2(item->getUid()), *item);
        for (int bin = 0; bin < NFCmanager::MaxBins; ++bin)
            QCOMPARE(restarted.getBinTagUid(bin), expected[state].getBinTagUid(bin));
    }
    qInfo() << "old/new stores seen:" << seen[0] << seen[1];
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--writer") == 0)
        return runWriter(QString::fromLocal8Bit(argv[2]));
    TestTagStoreKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tagstorekill.moc"
