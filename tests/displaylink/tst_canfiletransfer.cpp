#include "canfiletransfer.h"
#include "canmessagecodes.h"
#include "scratchroots.h"
#include "tulpaths.h"

#include <QDirIterator>
#include <QtTest>

namespace {

// A payload as the other display builds it: the path field, then the file's bytes.
QByteArray payloadOf(const QByteArray &pathField, const QByteArray &body)
{
    return pathField.leftJustified(CanMsg::FilePathFieldSize, '\0', true) + body;
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

} // namespace

class tst_CanFileTransfer : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("senderFile"); // as the sending device knows it
        QTest::addColumn<QString>("storedName");
        QTest::newRow("11 menu") << 11 << "/root/menu.json" << "menu.json";
        QTest::newRow("12 settings") << 12 << "/root/config.txt" << "config.txt";
        QTest::newRow("13 day parts") << 13 << "/root/dayParts.json" << "dayParts.json";
        QTest::newRow("15 personality") << 15 << "/root/cabinet_2x4.hcc" << "ui_id.hcc";
        QTest::newRow("15 personality from the flash drive") << 15 << "/media/sda1/layouts/new.hcc" << "ui_id.hcc";
        QTest::newRow("11 menu from the flash drive") << 11 << "/media/sda1/menu.json" << "menu.json";
    }
    void roundTrip()
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
        QCOMPARE(payload, payloadOf(senderFile.toUtf8(), body));
        QCOMPARE(CanFileTransfer::pathField(payload), senderFile);
        ScratchRoots receiver;
        QVERIFY(receiver.writeRootFile(storedName, "old content"));
        const QString stored = CanFileTransfer::storeReceived(id, payload);
        QCOMPARE(stored, receiver.root() + storedName);
        QCOMPARE(contentOf(stored), body);
        QCOMPARE(filesUnder(receiver.base()), QStringList{"root/" + storedName});
    }

    void unsendableFiles()
    {
        ScratchRoots roots;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot read .*missing.json"));
        QVERIFY(CanFileTransfer::buildPayload(roots.root() + "missing.json").isEmpty());
        // The path field keeps a terminating zero: 63 bytes of path fit, 64 do not.
        const QString fits(63 - 6, 'a');
        QVERIFY(roots.writeRootFile(fits, "x") && roots.writeRootFile(fits + 'a', "x"));
        const QByteArray payload = CanFileTransfer::buildPayload(roots.root() + fits);
        QCOMPARE(payload.size(), CanMsg::FilePathFieldSize + 1);
        QCOMPARE(payload.at(CanMsg::FilePathFieldSize - 1), '\0');
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("path too long for the path field"));
        QVERIFY(CanFileTransfer::buildPayload(roots.root() + fits + 'a').isEmpty());
    }

    // Whatever is refused leaves every stored file as it was.
    void refused_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("warning");
        const QByteArray menu = payloadOf("/root/menu.json", "{\"new\":1}");
        for (int id : {0, 10, 14, 16, 255, -11})
            QTest::addRow("unknown id %d", id) << id << menu << "unknown transfer id";
        QTest::newRow("empty") << 11 << QByteArray() << "shorter than the path field";
        QTest::newRow("one byte short") << 11 << menu.left(CanMsg::FilePathFieldSize - 1) << "shorter than the path field";
        const QString bad = "does not name";
        QTest::newRow("climbs out of the root") << 11 << payloadOf("/root/../menu.json", "{}") << bad;
        QTest::newRow("relative climb") << 12 << payloadOf("../config.txt", "a=1") << bad;
        QTest::newRow("climbs deep") << 13 << payloadOf("/root/x/../../etc/dayParts.json", "{}") << bad;
        QTest::newRow("personality climbs") << 15 << payloadOf("/root/../../evil.hcc", "{}") << bad;
        QTest::newRow("only a climb") << 11 << payloadOf("..", "{}") << bad;
        QTest::newRow("menu id, settings file") << 11 << payloadOf("/root/config.txt", "a=1") << bad;
        QTest::newRow("settings id, menu file") << 12 << menu << bad;
        QTest::newRow("day parts id, backup name") << 13 << payloadOf("/root/dayParts.json.bak", "{}") << bad;
        QTest::newRow("personality id, menu file") << 15 << menu << bad;
        QTest::newRow("empty path field") << 11 << payloadOf({}, "{}") << bad;
        QTest::newRow("folder only") << 11 << payloadOf("/root/", "{}") << bad;
        QTest::newRow("name with a line break") << 11 << payloadOf("/root/menu.json\n", "{}") << bad;
        QTest::newRow("temporary file cannot be made") << 11 << menu << "cannot store .*menu.json";
        QTest::newRow("data root unusable") << 11 << menu << "cannot store";
    }
    void refused()
    {
        QFETCH(int, id);
        QFETCH(QByteArray, payload);
        QFETCH(QString, warning);
        ScratchRoots roots;
        const QStringList fixedNames{"menu.json", "config.txt", "dayParts.json", "ui_id.hcc"};
        for (const QString &name : fixedNames)
            QVERIFY(roots.writeRootFile(name, "old"));
        const QString row = QTest::currentDataTag();
        if (row.startsWith("temporary"))
            QVERIFY(QDir(roots.root()).mkdir("menu.json.tmp"));
        if (row.startsWith("data root")) // a file stands where the folder should be
            roots.setVariable("TUL_ROOT_DIR", roots.root() + "menu.json/");
        if (warning.startsWith("cannot store"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Safe write failed"));
        if (warning.startsWith("unknown"))
            QVERIFY(CanFileTransfer::fileNameFor(id).isEmpty());
        const QStringList before = filesUnder(roots.base());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        QVERIFY(CanFileTransfer::storeReceived(id, payload).isEmpty());
        QCOMPARE(filesUnder(roots.base()), before);
        for (const QString &name : fixedNames)
            QCOMPARE(contentOf(roots.root() + name), QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(tst_CanFileTransfer)
#include "tst_canfiletransfer.moc"
