#include "canbusmanager.h"
#include "canfiletransfer.h"
#include "canmessagecodes.h"
#include "cansendrequest.h"
#include "fieldbusmetatypes.h"
#include "receivedfiles.h"
#include "scratchroots.h"
#include "tulpaths.h"
#include "virtualcanbus.h"

#include <QCanBus>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
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

    // The other displays (any sender id a request names) and this one (3), which takes
    // files as the cabinet does, in the role the test gives it.
    std::unique_ptr<CanbusManager> m_other;
    std::unique_ptr<CanbusManager> m_ours;
    ReceivedFiles m_files;
    ReceivedFiles::Role m_role;

    // Sends a file from `sender` and, when given, a single message after it: 1 when the
    // file's sender heard it taken, 0 refused, -1 no answer.
    int send(int sender, int id, const QByteArray &body, const QByteArray &after = QByteArray());

private slots:
    void initTestCase();
    void init();
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
    void fileOnlyFromTheNodeTheRoleExpects_data();
    void fileOnlyFromTheNodeTheRoleExpects();
    void fileThatWouldEmptyOursOnlyFromTheMaster_data();
    void fileThatWouldEmptyOursOnlyFromTheMaster();
};

void tst_CanFileTransfer::initTestCase()
{
    registerFieldbusMetaTypes();
    QVERIFY(QCanBus::instance()->plugins().contains("virtualcan"));
    m_other.reset(new CanbusManager("virtualcan", virtualCanInterface()));
    m_other->set_canId(1);
    m_ours.reset(new CanbusManager("virtualcan", virtualCanInterface()));
    m_ours->set_canId(3);
    // A loaded machine must not make a good transfer run out of resends.
    m_other->set_ackTimeout(2000);
    m_ours->setTransferReceiver([this](quint32 sender, int multiId, const QByteArray &data) {
        return m_files.take(m_role, sender, multiId, data) != ReceivedFiles::Refused;
    });
    connect(m_ours.get(), &CanbusManager::singlePacketReceived, this,
            [this](quint32 sender, const QByteArray &data) { m_files.messageFrom(sender, data); });
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
            m_ours->enqueueSendRequest(canRequest(3, ping));
        QTest::qWait(5);
    }
    QVERIFY(!heardByOurs.isEmpty() && !heardByOther.isEmpty());
    // No ping may finish during a test proper.
    QTRY_VERIFY(m_other->queuedRequestCount() == 0 && m_ours->queuedRequestCount() == 0);
    QTest::qWait(20);
}

void tst_CanFileTransfer::init()
{
    m_files = ReceivedFiles();
    m_role = ReceivedFiles::Role(); // a second or mirror display
}

int tst_CanFileTransfer::send(int sender, int id, const QByteArray &body, const QByteArray &after)
{
    QSignalSpy finished(m_other.get(), &CanbusManager::requestFinished);
    const QByteArray sentPath = "/root/" + (id == 15 ? QByteArray("cabinet.hcc") : CanFileTransfer::fileNameFor(id).toUtf8());
    m_other->enqueueSendRequest(canRequest(sender, payloadOf(sentPath, body), id));
    if (!after.isEmpty())
        m_other->enqueueSendRequest(canRequest(sender, after));
    const int requests = after.isEmpty() ? 1 : 2;
    if (!QTest::qWaitFor([&] { return finished.count() == requests; }, 30000))
        return -1;
    QTest::qWait(20); // the single message is handled as it arrives
    return finished.first().at(0).toBool() ? 1 : 0;
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
    // Whole by our writer's standard: every key it writes. A missing one would come back
    // as its default at the next start (the PIN, the store number, the Wi-Fi name).
    const QByteArray settings = fixture("config/default_config.txt");
    QTest::newRow("settings, one line") << 12 << QByteArray("soundLevel=50\n") << false;
    const auto without = [&settings](const QByteArray &key) {
        QList<QByteArray> lines = settings.split('\n');
        lines.erase(std::remove_if(lines.begin(), lines.end(),
                                   [&key](const QByteArray &line) { return line.startsWith(key + '='); }),
                    lines.end());
        return lines.join('\n');
    };
    QTest::newRow("settings without the manager's PIN") << 12 << without("passwdL1") << false;
    QTest::newRow("settings without the store number") << 12 << without("storeNumber") << false;
    QTest::newRow("settings without their last line")
        << 12 << settings.left(settings.lastIndexOf('\n', settings.size() - 2) + 1) << false;
    QTest::newRow("settings cut at a line end (20 of 69 lines)")
        << 12 << settings.split('\n').mid(0, 20).join('\n') + '\n' << false;
    QTest::newRow("settings with CR LF line ends") << 12 << QByteArray(settings).replace('\n', "\r\n") << true;
    QTest::newRow("settings in another order")
        << 12 << settings.mid(settings.indexOf("storeNumber=")) + settings.left(settings.indexOf("storeNumber=")) << true;
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
        expectWarning("failed: refused by 3$");
    }
    QSignalSpy finished(m_other.get(), &CanbusManager::requestFinished);
    const QByteArray sentPath = "/root/" + (id == 15 ? QByteArray("cabinet.hcc") : name.toUtf8());
    m_other->enqueueSendRequest(canRequest(1, payloadOf(sentPath, body), id));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);

    QCOMPARE(finished.first().at(0).toBool(), taken);
    QCOMPARE(contentOf(roots.root() + name), taken ? body : ours);
    QCOMPARE(filesUnder(roots.base()), before);
}

// A display takes a file only from the node its role expects: a second or mirror display
// from the master (1), the master only the menu and day parts of the other display (2).
// Any other sender hears "refused" and ours stays byte for byte.
void tst_CanFileTransfer::fileOnlyFromTheNodeTheRoleExpects_data()
{
    QTest::addColumn<bool>("master");
    QTest::addColumn<bool>("talks"); // a display with another display in its cabinet
    QTest::addColumn<int>("sender");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("taken");
    const int menu = 11, settings = 12, dayParts = 13, personality = 15;

    QTest::newRow("mirror: menu from the master") << false << true << 1 << menu << true;
    QTest::newRow("mirror: settings from the master") << false << true << 1 << settings << true;
    QTest::newRow("mirror: day parts from the master") << false << true << 1 << dayParts << true;
    QTest::newRow("mirror: personality from the master") << false << true << 1 << personality << true;
    QTest::newRow("mirror: settings from node 5") << false << true << 5 << settings << false;
    QTest::newRow("mirror: menu from node 5") << false << true << 5 << menu << false;
    QTest::newRow("mirror: day parts from node 5") << false << true << 5 << dayParts << false;
    QTest::newRow("mirror: personality from node 5") << false << true << 5 << personality << false;
    QTest::newRow("mirror: menu from another second display") << false << true << 2 << menu << false;
    QTest::newRow("mirror: settings from node 255") << false << true << 255 << settings << false;

    QTest::newRow("master: menu from the other display") << true << true << 2 << menu << true;
    QTest::newRow("master: day parts from the other display") << true << true << 2 << dayParts << true;
    QTest::newRow("master: settings from the other display") << true << true << 2 << settings << false;
    QTest::newRow("master: personality from the other display") << true << true << 2 << personality << false;
    QTest::newRow("master: menu from another master") << true << true << 1 << menu << false;
    QTest::newRow("master: day parts from node 5") << true << true << 5 << dayParts << false;

    QTest::newRow("alone: menu from node 2") << true << false << 2 << menu << false;
    QTest::newRow("alone, not the master: settings from node 1") << false << false << 1 << settings << false;
}

void tst_CanFileTransfer::fileOnlyFromTheNodeTheRoleExpects()
{
    QFETCH(bool, master);
    QFETCH(bool, talks);
    QFETCH(int, sender);
    QFETCH(int, id);
    QFETCH(bool, taken);
    m_role.master = master;
    m_role.talksToOtherDisplay = talks;
    QByteArray body;
    switch (id) {
    case 11: body = fixture("menu/menu_holding.json"); break;
    case 12: body = fixture("config/default_config.txt"); break;
    case 13: body = fixture("menu/dayParts_three.json"); break;
    default: body = fixture("personality/2x4_mirror.hcc"); break;
    }
    ScratchRoots roots;
    const QString name = CanFileTransfer::fileNameFor(id);
    const QByteArray ours("ours\r\n\x01 as it was");
    QVERIFY(roots.writeRootFile(name, ours));
    const QStringList before = filesUnder(roots.base());
    if (!taken) {
        expectWarning("refused: (this display takes|the master takes only)");
        expectWarning("refused by its receiver");
        expectWarning("failed: refused by 3$");
    }

    QCOMPARE(send(sender, id, body), taken ? 1 : 0);
    QCOMPARE(contentOf(roots.root() + name), taken ? body : ours);
    QCOMPARE(filesUnder(roots.base()), before);
}

namespace {

QByteArray dayPartsOf(const QList<int> &products)
{
    QJsonArray locations;
    for (int i = 0; i < products.size(); ++i)
        locations.append(QJsonObject{{"bin", i + 1}, {"productId", products.at(i)}});
    const QJsonObject dayPart{{"daypartName", QJsonObject{{"eng_USA", "All day"}}}, {"inUse", true},
                              {"productLocations", locations}};
    return QJsonDocument(QJsonObject{{"dayPartVersion", 1}, {"layout", QJsonArray{dayPart}}}).toJson();
}

QByteArray menuOf(const QList<int> &productIds, int groups = 0)
{
    QJsonArray products, productGroups;
    for (int id : productIds)
        products.append(QJsonObject{{"productId", id}, {"productName", QJsonObject{{"eng_USA", "p"}}}});
    for (int g = 0; g < groups; ++g)
        productGroups.append(QJsonObject{{"groupId", 50 + g}, {"products", QJsonArray{}}});
    return QJsonDocument(QJsonObject{{"menuVersion", 1}, {"products", products}, {"productGroups", productGroups}})
        .toJson();
}

} // namespace

// A menu or day-part file that would leave no product (menu) or no bin with a product (day
// parts) where ours holds some replaces ours only when the master sends it and announces
// it with its message of that kind (57 menu, 58 day parts) right after; from the other
// display it is refused, and from the master without the announcement it is dropped.
void tst_CanFileTransfer::fileThatWouldEmptyOursOnlyFromTheMaster_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("ours");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("master"); // this display's role
    QTest::addColumn<QByteArray>("after"); // the sender's next message
    QTest::addColumn<bool>("taken");   // what the sender heard
    QTest::addColumn<bool>("stored");
    const int menu = 11, dayParts = 13;
    const QByteArray ourDayParts = fixture("menu/dayParts_three.json");
    const QByteArray ourMenu = fixture("menu/menu_holding.json");
    const QByteArray noLayout("{\"dayPartVersion\":1,\"layout\":[]}");
    const QByteArray noMenu("{\"menuVersion\":1,\"products\":[],\"productGroups\":[]}");
    const QByteArray m57(1, char(CanMsg::TULMSGSINGLE_OV_UPDATE_PRODUCTS));
    const QByteArray m58(1, char(CanMsg::TULMSGSINGLE_OV_UPDATE_DAYPARTS));
    const QByteArray dayPartSet = QByteArray::fromHex("6701");

    QTest::newRow("day parts without layout, from the other display")
        << dayParts << ourDayParts << noLayout << true << m58 << false << false;
    QTest::newRow("day parts of empty bins, from the other display")
        << dayParts << ourDayParts << dayPartsOf({0, 0, 0, 0}) << true << m58 << false << false;
    QTest::newRow("day parts of one product, from the other display")
        << dayParts << ourDayParts << dayPartsOf({0, 7, 0, 0}) << true << m58 << true << true;
    QTest::newRow("day parts without layout, where ours holds none")
        << dayParts << dayPartsOf({0, 0}) << noLayout << true << m58 << true << true;
    QTest::newRow("day parts without layout, where ours does not read")
        << dayParts << QByteArray("{\"dayPartVersion\":1,") << noLayout << true << m58 << true << true;
    // The loader reads ten day parts: products in an eleventh are not held.
    QByteArray eleventh = dayPartsOf({0, 0});
    const QByteArray oneDayPart = eleventh.mid(eleventh.indexOf('[') + 1, eleventh.lastIndexOf(']') - eleventh.indexOf('[') - 1);
    const QByteArray withProduct = dayPartsOf({0, 4});
    const QByteArray productDayPart
        = withProduct.mid(withProduct.indexOf('[') + 1, withProduct.lastIndexOf(']') - withProduct.indexOf('[') - 1);
    QByteArray tenEmptyThenOne = "{\"dayPartVersion\":1,\"layout\":[";
    for (int d = 0; d < 10; ++d)
        tenEmptyThenOne += oneDayPart + ',';
    tenEmptyThenOne += productDayPart + "]}";
    QTest::newRow("day parts without layout, where ours holds a product only in an eleventh day part")
        << dayParts << tenEmptyThenOne << noLayout << true << m58 << true << true;
    QTest::newRow("day parts without layout, from the master, announced")
        << dayParts << ourDayParts << noLayout << false << m58 << true << true;
    QTest::newRow("day parts without layout, from the master, announced as a menu")
        << dayParts << ourDayParts << noLayout << false << m57 << true << false;
    QTest::newRow("day parts without layout, from the master, another message first")
        << dayParts << ourDayParts << noLayout << false << dayPartSet << true << false;

    QTest::newRow("empty menu, from the other display") << menu << ourMenu << noMenu << true << m57 << false << false;
    QTest::newRow("menu of only the empty product, from the other display")
        << menu << ourMenu << menuOf({0}) << true << m57 << false << false;
    QTest::newRow("menu of one group, from the other display")
        << menu << ourMenu << menuOf({0}, 1) << true << m57 << true << true;
    QTest::newRow("menu of one product, from the other display")
        << menu << ourMenu << menuOf({0, 5}) << true << m57 << true << true;
    QTest::newRow("empty menu, where ours holds only the empty product")
        << menu << menuOf({0}) << noMenu << true << m57 << true << true;
    QTest::newRow("empty menu, where ours does not read")
        << menu << QByteArray("{\"menuVersion\":1,") << noMenu << true << m57 << true << true;
    // Without a menu file, or with an empty one, the cabinet runs its default menu.
    QTest::newRow("empty menu, where we run the default menu without a file")
        << menu << QByteArray("<none>") << noMenu << true << m57 << false << false;
    QTest::newRow("empty menu, where we run the default menu for an empty file")
        << menu << QByteArray() << noMenu << true << m57 << false << false;
    QTest::newRow("empty menu, from the master, announced") << menu << ourMenu << noMenu << false << m57 << true << true;
    QTest::newRow("empty menu, from the master, not announced")
        << menu << ourMenu << noMenu << false << QByteArray() << true << false;
    QTest::newRow("empty menu, from the master, announced as day parts")
        << menu << ourMenu << noMenu << false << m58 << true << false;
}

void tst_CanFileTransfer::fileThatWouldEmptyOursOnlyFromTheMaster()
{
    QFETCH(int, id);
    QFETCH(QByteArray, ours);
    QFETCH(QByteArray, body);
    QFETCH(bool, master);
    QFETCH(QByteArray, after);
    QFETCH(bool, taken);
    QFETCH(bool, stored);
    m_role.master = master;
    ScratchRoots roots;
    const QString name = CanFileTransfer::fileNameFor(id);
    if (ours != "<none>")
        QVERIFY(roots.writeRootFile(name, ours));
    if (!taken) {
        expectWarning("refused: it would empty ours");
        expectWarning("refused by its receiver");
        expectWarning("failed: refused by 3$");
    } else if (!stored && !after.isEmpty()) {
        expectWarning("was not announced with message 5[78]; dropped, ours kept");
    }

    const int sender = master ? 2 : 1;
    QCOMPARE(send(sender, id, body, after), taken ? 1 : 0);
    if (after.isEmpty()) {
        // Held until the master's next message; one from another node changes nothing.
        QCOMPARE(m_files.heldTransferId(), id);
        expectWarning("from node 5 refused: this display takes files only from node 1");
        expectWarning("refused by its receiver");
        expectWarning("failed: refused by 3$");
        QCOMPARE(send(5, id, body), 0);
        QCOMPARE(m_files.heldTransferId(), id);
        QCOMPARE(contentOf(roots.root() + name), ours);
        expectWarning("was not announced with message 57; dropped, ours kept");
        QVERIFY(m_files.messageFrom(1, QByteArray()).isEmpty());
    }
    QCOMPARE(m_files.heldTransferId(), 0);
    QCOMPARE(contentOf(roots.root() + name), stored ? body : ours == "<none>" ? QByteArray("<missing>") : ours);
}

QTEST_GUILESS_MAIN(tst_CanFileTransfer)
#include "tst_canfiletransfer.moc"
