#include "canfiletransfer.h"
#include "canmessagecodes.h"
#include "scratchroots.h"
#include "tulpaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

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

} // namespace

class tst_CanFileTransfer : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void unsendableFiles();
    void unknownIdIgnored_data();
    void unknownIdIgnored();
    void badPayloadRefused_data();
    void badPayloadRefused();
    void writeFailureReported();
};

void tst_CanFileTransfer::roundTrip_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("senderFile"); // as the sending device knows it
    QTest::addColumn<QString>("storedName");
    QTest::newRow("11 menu") << 11 << "/root/menu.json" << "menu.json";
    QTest::newRow("12 settings") << 12 << "/root/config.txt" << "config.txt";
    QTest::newRow("13 day parts") << 13 << "/root/dayParts.json" << "dayParts.json";
    QTest::newRow("15 personality") << 15 << "/root/cabinet_2x4.hcc" << "ui_id.hcc";
    QTest::newRow("15 personality from the flash drive")
        << 15 << "/media/sda1/layouts/new.hcc" << "ui_id.hcc";
    QTest::newRow("11 menu from the flash drive") << 11 << "/media/sda1/menu.json" << "menu.json";
}

void tst_CanFileTransfer::roundTrip()
{
    QFETCH(int, id);
    QFETCH(QString, senderFile);
    QFETCH(QString, storedName);
    // The field carries the path as the device knows it, wherever our roots are.
    // Zero bytes inside the file must not cut it short.
    const QByteArray body("{\"version\":1}\n\0\xff\x01tail", 20);

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
    const QByteArray payload = payloadOf("/root/menu.json", "{\"new\":1}");

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

QTEST_GUILESS_MAIN(tst_CanFileTransfer)
#include "tst_canfiletransfer.moc"
