#include "crc32.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"
#include "scratchroots.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr quint64 PanA = 0x00000500000000A1ULL;
constexpr quint64 PanB = 0x00000700000000B2ULL;

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

// The stores' envelope: magic (4), version (2), body length (4), CRC-32 (4), body.
constexpr int HeaderBytes = 14;

QByteArray envelope(const QByteArray &file, quint16 version, const QByteArray &body)
{
    static const Crc32 crc;
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    quint32 magic = 0;
    QDataStream(file) >> magic;
    stream << magic << version << quint32(body.size()) << crc.calculateFromByteArray(body);
    return out + body;
}

// A tag store body as the manager writes it, with empty bin entries.
QByteArray tagStoreBody(const QList<NfcTagItem2> &records)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_15);
    out << quint32(NFCmanager::MaxBins);
    for (int bin = 0; bin < NFCmanager::MaxBins; ++bin)
        out << quint64(0);
    out << quint32(records.size());
    for (const NfcTagItem2 &record : records)
        out << record;
    return body;
}

NfcTagItem2 *pan(quint64 uid, int bin)
{
    auto *item = new NfcTagItem2(uid);
    item->setPosition(bin);
    item->setSeenInCabinet(true);
    return item;
}

// Records with every field set, different per index, for the round trip through the store.
NfcTagItem2 *detailedPan(int i)
{
    auto *item = new NfcTagItem2((quint64(i % 200 + 1) << 40) | quint64(0xC0FFEE00 + i) | (quint64(i) << 48));
    item->setPosition(i % NFCmanager::MaxBins);
    item->setSeenInCabinet(i % 3 != 0);
    item->setHoldStatus(quint8(i % 5));
    item->setExpTime(Q_INT64_C(1767225600000) + qint64(i) * 4000000000LL);
    item->setActivationTimeStamp(Q_INT64_C(1767225600123) - i);
    item->setCrc32(0xDEADBEEFu ^ quint32(i));
    item->setProductId(i % 2 ? i : -i);
    item->setBatchId(i % 4 == 0 ? QString() : QStringLiteral("%1:%2 Würstchen").arg(item->getUid(), 0, 16).arg(i));
    item->setRestartRequested(i % 2 == 1);
    if (i % 7 == 0)
        item->setExpired(true);
    return item;
}

} // namespace

class TestNfcManager : public QObject
{
    Q_OBJECT

private slots:
    void registryOperations_data();
    void registryOperations();
    void binsOutsideTheCabinet_data();
    void binsOutsideTheCabinet();
    void storeSurvivesRestart_data();
    void storeSurvivesRestart();
    void storePastItsBoundKeepsWhatHolds_data();
    void storePastItsBoundKeepsWhatHolds();
    void damagedStoreLoadsNothing_data();
    void damagedStoreLoadsNothing();
    void storeThatIsNoPlainFileIsRefusedAtOnce_data();
    void storeThatIsNoPlainFileIsRefusedAtOnce();
};

// Operations: "reg <pan> <bin>", "dereg <pan>", "remove <pan>", "move <pan> <bin>".
// Expected: bin entries "bin=pan", records "pan:status@bin", stopBinTimer bins.
void TestNfcManager::registryOperations_data()
{
    QTest::addColumn<QStringList>("operations");
    QTest::addColumn<QStringList>("bins");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QList<int>>("stoppedTimers");

    QTest::newRow("register sets the bin entry")
        << QStringList{"reg A 3"} << QStringList{"3=A"} << QStringList{"A:0@3"} << QList<int>{};
    QTest::newRow("register again: one record, bin follows")
        << QStringList{"reg A 3", "reg A 5"} << QStringList{"5=A"} << QStringList{"A:0@5"} << QList<int>{};
    QTest::newRow("another pan replaces the bin entry")
        << QStringList{"reg A 3", "reg B 3"} << QStringList{"3=B"} << QStringList{"A:0@3", "B:0@3"}
        << QList<int>{};
    QTest::newRow("register outside the bins is refused")
        << QStringList{"reg A 20"} << QStringList{} << QStringList{} << QList<int>{};
    QTest::newRow("deregister stops and clears the bin")
        << QStringList{"reg A 3", "dereg A"} << QStringList{} << QStringList{"A:4@3"} << QList<int>{};
    QTest::newRow("deregister leaves a later pan's bin")
        << QStringList{"reg A 3", "reg B 3", "dereg A"} << QStringList{"3=B"}
        << QStringList{"A:4@3", "B:0@3"} << QList<int>{};
    QTest::newRow("deregister of an unknown pan")
        << QStringList{"reg A 3", "dereg B"} << QStringList{"3=A"} << QStringList{"A:0@3"} << QList<int>{};
    QTest::newRow("remove stops the timer and drops the record")
        << QStringList{"reg A 3", "reg B 4", "remove A"} << QStringList{"4=B"} << QStringList{"B:0@4"}
        << QList<int>{3};
    QTest::newRow("remove keeps the hold of a later pan in the bin")
        << QStringList{"reg A 3", "reg B 3", "remove A"} << QStringList{"3=B"} << QStringList{"B:0@3"}
        << QList<int>{};
    QTest::newRow("remove of an unknown pan")
        << QStringList{"reg A 3", "remove B"} << QStringList{"3=A"} << QStringList{"A:0@3"} << QList<int>{};
    QTest::newRow("move")
        << QStringList{"reg A 3", "move A 19"} << QStringList{"19=A"} << QStringList{"A:0@19"} << QList<int>{};
    QTest::newRow("move outside the bins is refused")
        << QStringList{"reg A 3", "move A 20"} << QStringList{"3=A"} << QStringList{"A:0@3"} << QList<int>{};
    QTest::newRow("move of an unknown pan")
        << QStringList{"reg A 3", "move B 4"} << QStringList{"3=A"} << QStringList{"A:0@3"} << QList<int>{};
}

void TestNfcManager::registryOperations()
{
    QFETCH(QStringList, operations);
    QFETCH(QStringList, bins);
    QFETCH(QStringList, records);
    QFETCH(QList<int>, stoppedTimers);

    ScratchRoots scratch;
    const QHash<QString, quint64> uids{{"A", PanA}, {"B", PanB}};
    NFCmanager nfc;
    QSignalSpy stops(&nfc, &NFCmanager::stopBinTimer);
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    bool saves = false;
    for (const QString &operation : operations) {
        const QStringList word = operation.split(' ');
        const quint64 uid = uids.value(word[1]);
        if (word[0] == "reg") {
            if (word[2].toInt() >= NFCmanager::MaxBins)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("registerTag2: pan \\w+ in bin 20"));
            QCOMPARE(nfc.registerTag2(pan(uid, word[2].toInt())), word[2].toInt() < NFCmanager::MaxBins);
        } else if (word[0] == "dereg") {
            saves = saves || nfc.doWeOwnThisTag2(uid);
            nfc.deregisterTag2(uid);
        } else if (word[0] == "remove") {
            saves = saves || nfc.doWeOwnThisTag2(uid);
            nfc.removeTagAndStopTimer(uid);
        } else if (word[0] == "move") {
            const bool known = nfc.doWeOwnThisTag2(uid);
            const bool valid = word[2].toInt() < NFCmanager::MaxBins;
            if (!known || !valid)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("moveTag: pan .* refused"));
            QCOMPARE(nfc.moveTag(uid, word[2].toInt()), known && valid);
        }
    }

    QStringList binsSeen;
    for (int bin = 0; bin < NFCmanager::MaxBins; ++bin) {
        QCOMPARE(nfc.getUidInBin(quint8(bin)), nfc.getBinTagUid(bin));
        if (nfc.getBinTagUid(bin))
            binsSeen << QStringLiteral("%1=%2").arg(bin).arg(uids.key(nfc.getBinTagUid(bin)));
    }
    QCOMPARE(binsSeen, bins);

    QStringList recordsSeen;
    for (NfcTagItem2 *item : nfc.tagRegistry()) {
        QCOMPARE(nfc.viewTagInfo2(item->getUid()), item);
        QVERIFY(nfc.doWeOwnThisTag2(item->getUid()));
        recordsSeen << QStringLiteral("%1:%2@%3").arg(uids.key(item->getUid())).arg(item->getHoldStatus())
                           .arg(item->getPosition());
        if (item->getHoldStatus() == NfcTagItem2::StatusStopped) {
            QVERIFY(item->getActivationTimeStamp() >= before);
            QVERIFY(item->getActivationTimeStamp() <= QDateTime::currentMSecsSinceEpoch());
        }
    }
    std::sort(recordsSeen.begin(), recordsSeen.end());
    QCOMPARE(recordsSeen, records);
    for (const QString &name : uids.keys()) {
        if (!records.join(' ').contains(name + ':'))
            QCOMPARE(nfc.viewTagInfo2(uids.value(name)), nullptr);
    }

    QList<int> stopsSeen;
    for (const QList<QVariant> &stop : stops)
        stopsSeen << stop.at(0).value<quint8>();
    QCOMPARE(stopsSeen, stoppedTimers);

    // Deregister and remove of a known pan save the store: a restart sees the same pans.
    if (saves) {
        NFCmanager restarted;
        QVERIFY(restarted.restoreNFC2());
        QCOMPARE(restarted.tagRegistry().keys(), nfc.tagRegistry().keys());
        for (NfcTagItem2 *item : nfc.tagRegistry())
            QCOMPARE(*restarted.viewTagInfo2(item->getUid()), *item);
        for (int bin = 0; bin < NFCmanager::MaxBins; ++bin)
            QCOMPARE(restarted.getBinTagUid(bin), nfc.getBinTagUid(bin));
    }
}

void TestNfcManager::binsOutsideTheCabinet_data()
{
    QTest::addColumn<int>("bin");
    QTest::newRow("-1") << -1;
    QTest::newRow("20") << 20;
    QTest::newRow("127") << 127;
    QTest::newRow("255") << 255;
    QTest::newRow("int max") << std::numeric_limits<int>::max();
}

void TestNfcManager::binsOutsideTheCabinet()
{
    QFETCH(int, bin);
    NFCmanager nfc;
    for (int b = 0; b < NFCmanager::MaxBins; ++b) {
        QVERIFY(nfc.registerTag2(pan(PanA + quint64(b), b)));
        nfc.setPreviousUid(b, PanB + quint64(b));
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("setPreviousUid: bin"));
    nfc.setPreviousUid(bin, PanB);
    QCOMPARE(nfc.getBinTagUid(bin), quint64(0));
    QCOMPARE(nfc.getPreviousUid(bin), quint64(0));
    if (bin >= 0 && bin <= 255)
        QCOMPARE(nfc.getUidInBin(quint8(bin)), quint64(0));
    QCOMPARE(nfc.getBinTagUid(NFCmanager::MaxBins - 1), PanA + NFCmanager::MaxBins - 1);
    QCOMPARE(nfc.getPreviousUid(NFCmanager::MaxBins - 1), PanB + NFCmanager::MaxBins - 1);
}

void TestNfcManager::storeSurvivesRestart_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("empty registry") << 0;
    QTest::newRow("one pan") << 1;
    QTest::newRow("a cabinet and its stopped pans") << 60;
    QTest::newRow("as many as the store holds") << int(NFCmanager::MaxStoredTags);
}

void TestNfcManager::storeSurvivesRestart()
{
    QFETCH(int, count);
    ScratchRoots scratch;
    NFCmanager nfc;
    for (int i = 0; i < count; ++i)
        QVERIFY(nfc.registerTag2(detailedPan(i)));
    for (int bin = 0; bin < NFCmanager::MaxBins; ++bin)
        nfc.setPreviousUid(bin, bin % 3 ? 0 : ~quint64(bin));
    QVERIFY(nfc.saveNFC2());
    QVERIFY(nfc.savePreviousUid());

    NFCmanager restarted;
    QSignalSpy changed(&restarted, &NFCmanager::registryChanged);
    QVERIFY(restarted.restoreNFC2());
    QVERIFY(restarted.restorePreviousUid());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(restarted.tagRegistry().size(), count);
    for (const NfcTagItem2 *item : nfc.tagRegistry()) {
        const NfcTagItem2 *back = restarted.viewTagInfo2(item->getUid());
        QVERIFY(back);
        QCOMPARE(back->getHoldStatus(), item->getHoldStatus());
        QCOMPARE(back->getPosition(), item->getPosition());
        QCOMPARE(back->getSeenInCabinet(), item->getSeenInCabinet());
        QCOMPARE(back->getExpTime(), item->getExpTime());
        QCOMPARE(back->getActivationTimeStamp(), item->getActivationTimeStamp());
        QCOMPARE(back->getCrc32(), item->getCrc32());
        QCOMPARE(back->getProductId(), item->getProductId());
        QCOMPARE(back->getBatchId(), item->getBatchId());
        QCOMPARE(back->getRestartRequested(), item->getRestartRequested());
        QCOMPARE(back->getExpired(), item->getExpired());
    }
    for (int bin = 0; bin < NFCmanager::MaxBins; ++bin) {
        QCOMPARE(restarted.getBinTagUid(bin), nfc.getBinTagUid(bin));
        QCOMPARE(restarted.getPreviousUid(bin), nfc.getPreviousUid(bin));
    }

    // A bin entry that no longer matches its record (the record was moved behind the
    // manager's back) costs that entry only.
    if (count == 1) {
        nfc.tagRegistry().first()->setPosition(2);
        QVERIFY(nfc.saveNFC2());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("bin 0 named pan \\w+, which is not stored there"));
        QVERIFY(restarted.restoreNFC2());
        QCOMPARE(*restarted.tagRegistry().first(), *nfc.tagRegistry().first());
        for (int bin = 0; bin < NFCmanager::MaxBins; ++bin)
            QCOMPARE(restarted.getBinTagUid(bin), quint64(0));
    }

}

// Past the bound the save goes on: pans in a bin and holding pans stay, the longest
// stopped pans go first.
void TestNfcManager::storePastItsBoundKeepsWhatHolds_data()
{
    QTest::addColumn<int>("extra");      // pans registered past the bound
    QTest::addColumn<int>("statusOfExtra");
    QTest::newRow("one stopped pan more") << 1 << int(NfcTagItem2::StatusStopped);
    QTest::newRow("forty stopped pans more") << 40 << int(NfcTagItem2::StatusStopped);
    QTest::newRow("holding pans more: stopped ones make room") << 40 << 0;
}

void TestNfcManager::storePastItsBoundKeepsWhatHolds()
{
    QFETCH(int, extra);
    QFETCH(int, statusOfExtra);
    ScratchRoots scratch;
    NFCmanager nfc;
    const int total = NFCmanager::MaxStoredTags + extra;
    for (int i = 0; i < total; ++i) {
        NfcTagItem2 *pan = detailedPan(i);
        if (i >= NFCmanager::MaxStoredTags) {
            pan->setHoldStatus(quint8(statusOfExtra));
            pan->setActivationTimeStamp(Q_INT64_C(1767225600123) + i); // the newest
        }
        QVERIFY(nfc.registerTag2(pan));
    }
    QList<quint64> inBins, holding, stoppedOldestFirst;
    for (const NfcTagItem2 *item : nfc.tagRegistry()) {
        if (nfc.getBinTagUid(item->getPosition()) == item->getUid())
            inBins << item->getUid();
        else if (item->getHoldStatus() != NfcTagItem2::StatusStopped)
            holding << item->getUid();
        else
            stoppedOldestFirst << item->getUid();
    }
    std::sort(stoppedOldestFirst.begin(), stoppedOldestFirst.end(), [&nfc](quint64 a, quint64 b) {
        return nfc.viewTagInfo2(a)->getActivationTimeStamp() < nfc.viewTagInfo2(b)->getActivationTimeStamp();
    });
    QVERIFY(stoppedOldestFirst.size() > extra);

    QVERIFY(nfc.saveNFC2());
    NFCmanager restarted;
    QVERIFY(restarted.restoreNFC2());
    QCOMPARE(restarted.tagRegistry().size(), int(NFCmanager::MaxStoredTags));
    for (quint64 uid : qAsConst(inBins) + holding)
        QVERIFY2(restarted.doWeOwnThisTag2(uid), qPrintable(QString::number(uid, 16)));
    for (int i = 0; i < stoppedOldestFirst.size(); ++i)
        QCOMPARE(restarted.doWeOwnThisTag2(stoppedOldestFirst.at(i)), i >= extra);
    for (int bin = 0; bin < NFCmanager::MaxBins; ++bin)
        QCOMPARE(restarted.getBinTagUid(bin), nfc.getBinTagUid(bin));
}

// Each damage applies to a good store; the reader must refuse it, keep what it has and
// leave the file as it is.
void TestNfcManager::damagedStoreLoadsNothing_data()
{
    QTest::addColumn<bool>("tagStore");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");

    for (bool tagStore : {true, false}) {
        const QByteArray file = tagStore ? "tags: " : "previous uids: ";
        auto row = [&](const char *damage, const char *reason) {
            QTest::newRow((file + damage).constData()) << tagStore << QString(damage) << QString(reason);
        };
        row("flipped body byte", "CRC-32 does not match");
        row("flipped CRC byte", "CRC-32 does not match");
        row("last byte cut", "body of");
        row("header only", "body of");
        row("half a header", "shorter than its header");
        row("empty file", "shorter than its header");
        row("byte appended", "body of");
        row("wrong version", "format version 2");
        row("wrong magic", "not a store of this kind");
        row("other store's file", "not a store of this kind");
        row("too many records", tagStore ? "record count" : "21 bins");
        row("larger than any store", "larger than");
        row("one uid short", tagStore ? "cut short" : "body is not 20 uids");
        if (tagStore) {
            row("bin table of 21", "21 bins where 20 are kept");
            row("record in bin 20", "has bin 20");
            row("hold status 5", "status 5");
            row("pan stored twice", "stored twice");
            row("records cut short", "cut short");
            row("data after the records", "data after the last record");
        }
    }
}

void TestNfcManager::damagedStoreLoadsNothing()
{
    QFETCH(bool, tagStore);
    QFETCH(QString, damage);
    QFETCH(QString, reason);

    ScratchRoots scratch;
    {
        NFCmanager writer;
        QVERIFY(writer.registerTag2(detailedPan(1)));
        QVERIFY(writer.registerTag2(detailedPan(2)));
        for (int bin = 0; bin < NFCmanager::MaxBins; ++bin)
            writer.setPreviousUid(bin, PanA + quint64(bin));
        QVERIFY(writer.saveNFC2());
        QVERIFY(writer.savePreviousUid());
    }
    const QString path = tagStore ? NFCmanager::tagStorePath() : NFCmanager::previousUidPath();
    const QString otherPath = tagStore ? NFCmanager::previousUidPath() : NFCmanager::tagStorePath();
    QByteArray file = readFile(path);
    QByteArray body = file.mid(HeaderBytes);
    // Tag store body: bin count, 20 bin uids, record count, records.
    const int recordCountAt = 4 + 8 * NFCmanager::MaxBins;

    if (damage == "flipped body byte")
        file[file.size() / 2 + HeaderBytes / 2] = char(file[file.size() / 2 + HeaderBytes / 2] ^ 0x10);
    else if (damage == "flipped CRC byte")
        file[12] = char(file[12] ^ 0x01);
    else if (damage == "last byte cut")
        file.chop(1);
    else if (damage == "header only")
        file.truncate(HeaderBytes);
    else if (damage == "half a header")
        file.truncate(HeaderBytes / 2);
    else if (damage == "empty file")
        file.clear();
    else if (damage == "byte appended")
        file.append('\0');
    else if (damage == "wrong version")
        file = envelope(file, 2, body);
    else if (damage == "wrong magic")
        file[0] = 'X';
    else if (damage == "other store's file")
        file = readFile(otherPath);
    else if (damage == "too many records") {
        QDataStream patch(&body, QIODevice::ReadWrite);
        if (tagStore) {
            patch.device()->seek(recordCountAt);
            patch << quint32(NFCmanager::MaxStoredTags + 1);
        } else {
            patch << quint32(NFCmanager::MaxBins + 1);
            body.append(QByteArray(8, '\x11'));
        }
        file = envelope(file, 1, body);
    } else if (damage == "larger than any store") {
        file = envelope(file, 1, body + QByteArray(tagStore ? 5 * 1024 * 1024 : 2048, '\0'));
    } else if (damage == "one uid short") {
        body.chop(8);
        file = envelope(file, 1, body);
    } else if (damage == "bin table of 21") {
        QDataStream patch(&body, QIODevice::ReadWrite);
        patch << quint32(NFCmanager::MaxBins + 1);
        body.insert(4, QByteArray(8, '\0'));
        file = envelope(file, 1, body);
    } else if (damage == "record in bin 20") {
        NfcTagItem2 outside(PanA);
        outside.setPositionByte(0x80 | 20);
        file = envelope(file, 1, tagStoreBody({outside}));
    } else if (damage == "hold status 5") {
        NfcTagItem2 unknown(PanA);
        unknown.setHoldStatus(5);
        file = envelope(file, 1, tagStoreBody({unknown}));
    } else if (damage == "pan stored twice") {
        file = envelope(file, 1, tagStoreBody({NfcTagItem2(PanA), NfcTagItem2(PanA)}));
    } else if (damage == "records cut short") {
        body.chop(3);
        file = envelope(file, 1, body);
    } else if (damage == "data after the records") {
        file = envelope(file, 1, body + QByteArray(5, '\0'));
    }
    QVERIFY(writeFile(path, file));

    NFCmanager reader;
    QVERIFY(reader.registerTag2(pan(PanB, 7)));
    reader.setPreviousUid(7, PanB);
    QSignalSpy changed(&reader, &NFCmanager::registryChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path)
                                                          + " not loaded: .*" + QRegularExpression::escape(reason)));
    QVERIFY(tagStore ? !reader.restoreNFC2() : !reader.restorePreviousUid());

    QCOMPARE(readFile(path), file);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(reader.tagRegistry().keys(), QList<quint64>{PanB});
    for (int bin = 0; bin < NFCmanager::MaxBins; ++bin) {
        QCOMPARE(reader.getBinTagUid(bin), bin == 7 ? PanB : 0);
        QCOMPARE(reader.getPreviousUid(bin), bin == 7 ? PanB : 0);
    }
}

// Something other than a plain file at a store's name (a pipe would block an ordinary
// open for good) is refused within a second, and the restore goes on with the other store.
void TestNfcManager::storeThatIsNoPlainFileIsRefusedAtOnce_data()
{
    QTest::addColumn<bool>("tagStore");
    QTest::addColumn<QString>("kind");
    for (bool tagStore : {true, false}) {
        const QByteArray file = tagStore ? "tags: " : "previous uids: ";
        for (const char *kind : {"pipe", "socket"})
            QTest::newRow((file + kind).constData()) << tagStore << QString(kind);
    }
}

void TestNfcManager::storeThatIsNoPlainFileIsRefusedAtOnce()
{
    QFETCH(bool, tagStore);
    QFETCH(QString, kind);

    ScratchRoots scratch;
    {
        NFCmanager writer;
        QVERIFY(writer.registerTag2(pan(PanA, 3)));
        writer.setPreviousUid(4, PanB);
        QVERIFY(writer.saveNFC2());
        QVERIFY(writer.savePreviousUid());
    }
    const QString path = tagStore ? NFCmanager::tagStorePath() : NFCmanager::previousUidPath();
    const QByteArray name = QFile::encodeName(path);
    QVERIFY(QFile::remove(path));
    int socketFd = -1;
    if (kind == "pipe") {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else if (kind == "socket") {
        socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof address.sun_path);
        qstrcpy(address.sun_path, name.constData());
        QCOMPARE(::bind(socketFd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    }

    // The restore of the holding, in its order, off the test's thread: a reader that
    // blocks is freed by a writer opening the pipe, and then fails on its time.
    NFCmanager reader;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path)
                                                          + " not loaded: not a plain file"));
    std::atomic<bool> done {false};
    bool restoredTags = false;
    bool restoredPrevious = false;
    QElapsedTimer clock;
    clock.start();
    std::thread restore([&] {
        restoredTags = reader.restoreNFC2();
        restoredPrevious = reader.restorePreviousUid();
        done = true;
    });
    while (!done && clock.elapsed() < 1000)
        QThread::msleep(5);
    const qint64 took = clock.elapsed();
    if (!done && kind == "pipe") {
        const int unblock = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
        if (unblock >= 0)
            ::close(unblock);
    }
    restore.join();
    if (socketFd >= 0)
        ::close(socketFd);
    QVERIFY2(took < 1000, "the restore blocked on the store");

    QCOMPARE(restoredTags, !tagStore);
    QCOMPARE(restoredPrevious, tagStore);
    QCOMPARE(reader.getBinTagUid(3), tagStore ? quint64(0) : PanA);
    QCOMPARE(reader.getPreviousUid(4), tagStore ? PanB : quint64(0));
}

QTEST_GUILESS_MAIN(TestNfcManager)
#include "tst_nfcmanager.moc"
