#include "canbusmanager.h"
#include "canfiletransfer.h"
#include "canmessagecodes.h"
#include "cansendrequest.h"
#include "fieldbusmetatypes.h"
#include "scratchroots.h"
#include "tulpaths.h"
#include "virtualcanbus.h"

#include <QCanBus>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

// A payload as the other display builds it: the path field, then the file's bytes.
QByteArray payloadOf(const QByteArray &pathField, const QByteArray &body)
{
    QByteArray field = pathField.left(CanMsg::FilePathFieldSize);
    field.append(QByteArray(CanMsg::FilePathFieldSize - field.size(), '\0'));
    return field + body;
}

// Every file below `dir` (hidden ones and dangling links included), relative and sorted.
QStringList filesUnder(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(dir).relativeFilePath(it.next());
    files.sort();
    return files;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QStringList FixedNames{"menu.json", "config.txt", "dayParts.json", "ui_id.hcc"};

void expectWarning(const char *pattern)
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString::fromLatin1(pattern)));
}

// A file as the other display keeps it (fixtures of the readers' own tests).
QByteArray fixture(const char *relative)
{
    return contentOf(QStringLiteral(TEST_DATA "/") + QLatin1String(relative));
}

} // namespace

class tst_CanFileTransfer : public QObject
{
    Q_OBJECT

    // The other display (1) and this one (2), which stores files as the cabinet does.
    std::unique_ptr<CanbusManager> m_other;
    std::unique_ptr<CanbusManager> m_ours;

private slots:
    void initTestCase();
    void cleanupTestCase();
    void roundTrip_data();
    void roundTrip();
    void unsendableFiles();
    void unknownIdIgnored_data();
    void unknownIdIgnored();
    void badPayloadRefused_data();
    void badPayloadRefused();
    void writeFailureReported();
    void receivedFileReplacesOursOnlyWhole_data();
    void receivedFileReplacesOursOnlyWhole();
};

void tst_CanFileTransfer::initTestCase()
{
    registerFieldbusMetaTypes();
    QVERIFY(QCanBus::instance()->plugins().contains("virtualcan"));
    m_other.reset(new CanbusManager("virtualcan", virtualCanInterface()));
    m_other->set_canId(1);
    m_ours.reset(new CanbusManager("virtualcan", virtualCanInterface()));
    m_ours->set_canId(2);
    // A loaded machine must not make a good transfer run out of resends.
    m_other->set_ackTimeout(2000);
    m_ours->setTransferReceiver([](quint32, int multiId, const QByteArray &data) {
        return !CanFileTransfer::storeReceived(multiId, data).isEmpty();
    });
    m_other->start();
    m_ours->start();
    QTRY_VERIFY_WITH_TIMEOUT(m_other->isBusConnected() && m_ours->isBusConnected(), 30000);
    // The bus server learns of a client a moment after it connected: ping both ways
    // until each side hears the other.
    QSignalSpy heardByOurs(m_ours.get(), &CanbusManager::singlePacketReceived);
    QSignalSpy heardByOther(m_other.get(), &CanbusManager::singlePacketReceived);
    const QByteArray ping(1, '\x01');
    for (int i = 0; i < 2000 && (heardByOurs.isEmpty() || heardByOther.isEmpty()); ++i) {
        if (m_other->queuedRequestCount() == 0)
            m_other->enqueueSendRequest(canRequest(1, ping));
        if (m_ours->queuedRequestCount() == 0)
            m_ours->enqueueSendRequest(canRequest(2, ping));
        QTest::qWait(5);
    }
    QVERIFY(!heardByOurs.isEmpty() && !heardByOther.isEmpty());
    // No ping may finish during a test proper.
    QTRY_VERIFY(m_other->queuedRequestCount() == 0 && m_ours->queuedRequestCount() == 0);
    QTest::qWait(20);
}

void tst_CanFileTransfer::cleanupTestCase()
{
    m_other.reset();
    m_ours.reset();
}

void tst_CanFileTransfer::roundTrip_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("senderFile"); // as the sending device knows it
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<QByteArray>("body");
    const QByteArray menu = fixture("menu/menu_holding.json");
    const QByteArray personality = fixture("personality/2x4_mirror.hcc");
    QTest::newRow("11 menu") << 11 << "/root/menu.json" << "menu.json" << menu;
    QTest::newRow("12 settings") << 12 << "/root/config.txt" << "config.txt"
                                 << fixture("config/default_config.txt");
    QTest::newRow("13 day parts") << 13 << "/root/dayParts.json" << "dayParts.json"
                                  << fixture("menu/dayParts_three.json");
    QTest::newRow("15 personality") << 15 << "/root/cabinet_2x4.hcc" << "ui_id.hcc" << personality;
    QTest::newRow("15 personality from the flash drive")
        << 15 << "/media/sda1/layouts/new.hcc" << "ui_id.hcc" << personality;
    QTest::newRow("11 menu from the flash drive") << 11 << "/media/sda1/menu.json" << "menu.json" << menu;
}

void tst_CanFileTransfer::roundTrip()
{
    QFETCH(int, id);
    QFETCH(QString, senderFile);
    QFETCH(QString, storedName);
    QFETCH(QByteArray, body);
    QVERIFY(!body.isEmpty());
    // The field carries the path as the device knows it, wherever our roots are.

    QByteArray payload;
    {
        ScratchRoots sender;
        const QString local = TulPaths::resolve(senderFile);
        QVERIFY(QDir().mkpath(QFileInfo(local).absolutePath()));
        QFile file(local);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(body) == body.size());
        file.close();
        payload = CanFileTransfer::buildPayload(local);
    }
    QCOMPARE(payload.size(), CanMsg::FilePathFieldSize + body.size());
    QCOMPARE(payload.left(CanMsg::FilePathFieldSize), payloadOf(senderFile.toUtf8(), {}));
    QCOMPARE(CanFileTransfer::pathField(payload), senderFile);

    ScratchRoots receiver;
    QVERIFY(receiver.writeRootFile(storedName, "old content"));
    const QString stored = CanFileTransfer::storeReceived(id, payload);
    QCOMPARE(stored, receiver.root() + storedName);
    QCOMPARE(contentOf(stored), body);
    QCOMPARE(filesUnder(receiver.base()), QStringList{"root/" + storedName});
}

void tst_CanFileTransfer::unsendableFiles()
{
    ScratchRoots roots;
    expectWarning("cannot read .*missing.json");
    QVERIFY(CanFileTransfer::buildPayload(roots.root() + "missing.json").isEmpty());

    // The path field keeps a terminating zero: 63 bytes of path fit, 64 do not.
    const QString fits = QString(63 - 6, QLatin1Char('a'));
    QVERIFY(roots.writeRootFile(fits, "x"));
    const QByteArray payload = CanFileTransfer::buildPayload(roots.root() + fits);
    QCOMPARE(payload.size(), CanMsg::FilePathFieldSize + 1);
    QCOMPARE(payload.at(CanMsg::FilePathFieldSize - 1), '\0');

    const QString tooLong = fits + QLatin1Char('a');
    QVERIFY(roots.writeRootFile(tooLong, "x"));
    expectWarning("path too long for the path field");
    QVERIFY(CanFileTransfer::buildPayload(roots.root() + tooLong).isEmpty());
}

void tst_CanFileTransfer::unknownIdIgnored_data()
{
    QTest::addColumn<int>("id");
    for (int id : {0, 7, 10, 14, 16, 23, 100, 255, -11})
        QTest::addRow("%d", id) << id;
}

void tst_CanFileTransfer::unknownIdIgnored()
{
    QFETCH(int, id);
    ScratchRoots roots;
    QVERIFY(CanFileTransfer::fileNameFor(id).isEmpty());
    QVERIFY(!CanFileTransfer::readsWhole(id, fixture("menu/menu_holding.json")));
    expectWarning("unknown transfer id");
    QVERIFY(CanFileTransfer::storeReceived(id, payloadOf("/root/menu.json", "{}")).isEmpty());
    QVERIFY(filesUnder(roots.base()).isEmpty());
}

void tst_CanFileTransfer::badPayloadRefused_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("warning");
    const QString shortText = "shorter than the path field";
    const QString badPath = "does not name";

    QTest::newRow("empty") << 11 << QByteArray() << shortText;
    QTest::newRow("one byte short")
        << 11 << payloadOf("/root/menu.json", {}).left(CanMsg::FilePathFieldSize - 1) << shortText;

    QTest::newRow("climbs out of the root") << 11 << payloadOf("/root/../menu.json", "{}") << badPath;
    QTest::newRow("relative climb") << 12 << payloadOf("../config.txt", "a=1") << badPath;
    QTest::newRow("climbs deep")
        << 13 << payloadOf("/root/x/../../etc/dayParts.json", "{}") << badPath;
    QTest::newRow("personality climbs") << 15 << payloadOf("/root/../../evil.hcc", "{}") << badPath;
    QTest::newRow("only a climb") << 11 << payloadOf("..", "{}") << badPath;

    QTest::newRow("menu id, settings file") << 11 << payloadOf("/root/config.txt", "a=1") << badPath;
    QTest::newRow("settings id, menu file") << 12 << payloadOf("/root/menu.json", "{}") << badPath;
    QTest::newRow("day parts id, backup name")
        << 13 << payloadOf("/root/dayParts.json.bak", "{}") << badPath;
    QTest::newRow("personality id, menu file") << 15 << payloadOf("/root/menu.json", "{}") << badPath;
    QTest::newRow("empty path field") << 11 << payloadOf({}, "{}") << badPath;
    QTest::newRow("folder only") << 11 << payloadOf("/root/", "{}") << badPath;
    QTest::newRow("name with a line break")
        << 11 << payloadOf("/root/menu.json\n", "{}") << badPath;
}

void tst_CanFileTransfer::badPayloadRefused()
{
    QFETCH(int, id);
    QFETCH(QByteArray, payload);
    QFETCH(QString, warning);
    ScratchRoots roots;
    for (const QString &name : FixedNames)
        QVERIFY(roots.writeRootFile(name, "old"));
    const QStringList before = filesUnder(roots.base());

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning)));
    QVERIFY(CanFileTransfer::storeReceived(id, payload).isEmpty());

    QCOMPARE(filesUnder(roots.base()), before);
    for (const QString &name : FixedNames)
        QCOMPARE(contentOf(roots.root() + name), QByteArray("old"));
}

void tst_CanFileTransfer::writeFailureReported()
{
    ScratchRoots roots;
    const QByteArray payload = payloadOf("/root/menu.json", fixture("menu/menu_holding.json"));

    // The temporary file cannot be made: the stored menu stays as it was.
    QVERIFY(roots.writeRootFile("menu.json", "old"));
    QVERIFY(QDir(roots.root()).mkdir("menu.json.tmp"));
    expectWarning("Safe write failed");
    expectWarning("cannot store .*menu.json");
    QVERIFY(CanFileTransfer::storeReceived(11, payload).isEmpty());
    QCOMPARE(contentOf(roots.root() + "menu.json"), QByteArray("old"));

    // The data root itself is unusable (a file stands where the folder should be).
    QFile blocker(roots.base() + "/blocker");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    roots.setVariable("TUL_ROOT_DIR", blocker.fileName() + "/");
    expectWarning("Safe write failed");
    expectWarning("cannot store");
    QVERIFY(CanFileTransfer::storeReceived(11, payload).isEmpty());
}

// A file received from the other display that the start's reader would not read whole
// leaves ours byte for byte, and its sender learns that the transfer was refused.
void tst_CanFileTransfer::receivedFileReplacesOursOnlyWhole_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("taken");
    QByteArray newerPersonality = fixture("personality/2x4_mirror.hcc");
    newerPersonality.replace("\"version\": 9", "\"version\": 10");

    QTest::newRow("menu") << 11 << fixture("menu/menu_holding.json") << true;
    QTest::newRow("menu cut short") << 11 << QByteArray("{\"garbage\":") << false;
    QTest::newRow("menu of another version") << 11 << fixture("menu/menu_wrong_version.json") << false;
    QTest::newRow("menu not an object") << 11 << fixture("menu/menu_not_object.json") << false;
    QTest::newRow("menu naming a key twice") << 11 << fixture("menu/menu_repeated_key.json") << false;

    QTest::newRow("settings") << 12 << fixture("config/default_config.txt") << true;
    QTest::newRow("settings, one line") << 12 << QByteArray("soundLevel=50\n") << true;
    QTest::newRow("settings of two garbage lines") << 12 << QByteArray("{\"garbage\":\n[[[[\n") << false;
    QTest::newRow("settings with a garbage line")
        << 12 << QByteArray("soundLevel=50\n[[[[\nlabelFontSize=30\n") << false;
    QTest::newRow("settings with a value of the wrong type") << 12 << QByteArray("soundLevel=loud\n") << false;
    QTest::newRow("settings with a zero byte") << 12 << QByteArray("soundLevel=50\n\0\n", 16) << false;
    QTest::newRow("settings empty") << 12 << QByteArray() << false;
    QTest::newRow("settings of blank lines") << 12 << QByteArray("\n \r\n\n") << false;

    QTest::newRow("day parts") << 13 << fixture("menu/dayParts_three.json") << true;
    QTest::newRow("day parts cut short") << 13 << QByteArray("[[[[") << false;
    QTest::newRow("day parts of another version") << 13 << fixture("menu/dayParts_wrong_version.json") << false;
    QTest::newRow("day parts nested lists") << 13 << fixture("menu/dayParts_nested_arrays.json") << false;

    QTest::newRow("personality") << 15 << fixture("personality/2x4_mirror.hcc") << true;
    QTest::newRow("personality cut short") << 15 << fixture("personality/2x4_mirror.hcc").left(200) << false;
    QTest::newRow("personality without its keys")
        << 15 << QByteArray("{\"header\":{},\"personality\":{\"version\":1}}") << false;
    QTest::newRow("personality of a newer format") << 15 << newerPersonality << false;
}

void tst_CanFileTransfer::receivedFileReplacesOursOnlyWhole()
{
    QFETCH(int, id);
    QFETCH(QByteArray, body);
    QFETCH(bool, taken);
    ScratchRoots roots;
    const QString name = CanFileTransfer::fileNameFor(id);
    const QByteArray ours("ours\r\n\x01 as it was");
    QVERIFY(roots.writeRootFile(name, ours));
    const QStringList before = filesUnder(roots.base());

    if (!taken) {
        expectWarning("does not read whole; ours kept, transfer refused");
        expectWarning("refused by its receiver");
        expectWarning("failed: refused by 2$");
    }
    QSignalSpy finished(m_other.get(), &CanbusManager::requestFinished);
    const QByteArray sentPath = "/root/" + (id == 15 ? QByteArray("cabinet.hcc") : name.toUtf8());
    m_other->enqueueSendRequest(canRequest(1, payloadOf(sentPath, body), id));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);

    QCOMPARE(finished.first().at(0).toBool(), taken);
    QCOMPARE(contentOf(roots.root() + name), taken ? body : ours);
    QCOMPARE(filesUnder(roots.base()), before);
}

QTEST_GUILESS_MAIN(tst_CanFileTransfer)
#include "tst_canfiletransfer.moc"
