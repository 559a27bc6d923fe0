#include "jsonguard.h"
#include "safefilereader.h"
#include "scratchroots.h"

#include <QtTest>

#include <sys/stat.h>


class TestJsonGuard : public QObject
{
    Q_OBJECT

private slots:
    void duplicateKeysAreFound_data(); // below the class: moc does not read its raw strings
    void duplicateKeysAreFound()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, duplicate);
        QCOMPARE(JsonGuard::hasDuplicateKey(text), duplicate);
    }

    // A member named again later in its object is left out, so the last value stands and
    // the guard lets the text through; anything else stays as it was.
    void repeatedKeysKeepTheLast_data(); // below the class, with its raw strings
    void repeatedKeysKeepTheLast()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, kept);
        QFETCH(QStringList, keys);
        QStringList left;
        const QByteArray result = JsonGuard::withoutRepeatedKeys(text, &left);
        QCOMPARE(left, keys);
        QVERIFY(!JsonGuard::hasDuplicateKey(result));
        if (keys.isEmpty())
            QCOMPARE(result, text);
        const QJsonDocument doc = JsonGuard::parse(result, "test", 1024);
        QCOMPARE(doc.toJson(QJsonDocument::Compact), kept);
    }

    void parseRefusesBeforeTheParser_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("cap");
        QTest::addColumn<QString>("log"); // empty: accepted
        QTest::newRow("good") << QByteArray(R"({"a":[1,2]})") << 64 << "";
        QTest::newRow("exactly the cap") << QByteArray(R"({"a":1})") << 7 << "";
        QTest::newRow("over the cap") << QByteArray(R"({"a":12})") << 7 << "more than the 7";
        QTest::newRow("duplicate key") << QByteArray(R"({"x":[1],"x":2})") << 64 << "names a key twice";
    }

    void parseRefusesBeforeTheParser()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, cap);
        QFETCH(QString, log);
        if (!log.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^JSON from the test .*" + log));
        QJsonParseError error;
        const QJsonDocument doc = JsonGuard::parse(text, "test", cap, &error);
        QCOMPARE(doc.isObject(), log.isEmpty());
        QCOMPARE(error.error == QJsonParseError::NoError, log.isEmpty());
    }

    // Files are read only when plain and under their cap; a file handed to a library is
    // put aside unless it is, and a link is never followed out of the data root.
    void filesKeepToPlainFilesUnderTheCap_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("result"); // of the reader; -1: not read
        QTest::addColumn<int>("kept");   // by the library preparation; -1: not prepared
        QTest::newRow("at the cap") << "fits" << int(SafeFileReader::Ok) << 1;
        QTest::newRow("one byte more") << "large" << int(SafeFileReader::TooLarge) << 0;
        QTest::newRow("missing") << "missing" << int(SafeFileReader::Missing) << -1;
        QTest::newRow("fifo") << "fifo" << int(SafeFileReader::Unreadable) << -1;
        QTest::newRow("folder") << "folder" << int(SafeFileReader::Unreadable) << 0;
        QTest::newRow("symlink out of the root") << "symlink" << -1 << 0;
    }
    void filesKeepToPlainFilesUnderTheCap()
    {
        QFETCH(QString, kind);
        QFETCH(int, result);
        QFETCH(int, kept);
        ScratchRoots roots;
        const QString path = roots.root() + "TUL.conf";
        const QString outside = roots.base() + "/outside.conf";
        QVERIFY(roots.writeRootFile("../outside.conf", "bait"));
        if (kind == "fits" || kind == "large")
            QVERIFY(roots.writeRootFile("TUL.conf", QByteArray(kind == "fits" ? 16 : 17, 'x')));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else if (kind == "symlink")
            QVERIFY(QFile::link(outside, path));
        if (result >= 0) {
            if (result != SafeFileReader::Ok && result != SafeFileReader::Missing)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^The test file .*TUL.conf"));
            QByteArray data = "previous";
            QCOMPARE(int(SafeFileReader::read(path, 16, &data, "test file")), result);
            QCOMPARE(data, result == SafeFileReader::Ok ? QByteArray(16, 'x') : QByteArray());
        }
        if (kept >= 0) {
            if (!kept)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TUL.conf"));
            QVERIFY(SafeFileReader::prepareForLibrary(path, 16, "settings"));
            QCOMPARE(QFileInfo::exists(path), kept == 1);
            QVERIFY(!QFileInfo(path).isSymLink());
            QFile bait(outside);
            QVERIFY(bait.open(QIODevice::ReadOnly) && bait.readAll() == "bait");
        }
    }
};

void TestJsonGuard::duplicateKeysAreFound_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("duplicate");
    QTest::newRow("leak reproducer") << QByteArray(R"({"menuVersion":1,"x":[1],"x":2})") << true;
    QTest::newRow("nested object") << QByteArray(R"({"a":{"b":1,"c":{},"b":2}})") << true;
    QTest::newRow("inside an array") << QByteArray(R"([1,{"k":1,"k":1}])") << true;
    QTest::newRow("escaped spelling") << QByteArray(R"({"ab":1,"a\u0062":2})") << true;
    QTest::newRow("escapes in upper and lower case") << QByteArray(R"({"\u004a\u004B":1,"Jk":2})") << false;
    QTest::newRow("escape of upper-case hex") << QByteArray(R"({"\u004A\u004b":1,"JK":2})") << true;
    QTest::newRow("hex digits at the ends of their ranges") << QByteArray(R"({"\u0039\u004a\u004f\u004F":1,"9JOO":2})") << true;
    QTest::newRow("keys equal up to an escaped NUL") << QByteArray(R"({"\u0000a":1,"\u0000b":2})") << true;
    QTest::newRow("digit after an escape") << QByteArray(R"({"\u00412":1,"A2":2})") << true;
    QTest::newRow("blanks before the colon") << QByteArray("{\"k\"\t\r\n :1,\"k\"\n:2}") << true;
    QTest::newRow("string closing an object") << QByteArray(R"({"o":{"k":"v"},"k":1})") << false;
    QTest::newRow("no object at all") << QByteArray(R"("k":"k":1)") << false;
    QTest::newRow("escaped quote") << QByteArray(R"({"a\"":1,"a\"" :2})") << true;
    QTest::newRow("keys equal up to a NUL") << QByteArray("{\"V\x01\0x\":[1],\"V\x01\0zx\":4}", 20) << true;
    QTest::newRow("same key in sibling objects") << QByteArray(R"([{"k":1},{"k":2}])") << false;
    QTest::newRow("key in parent and child") << QByteArray(R"({"k":{"k":1}})") << false;
    QTest::newRow("key text as a value") << QByteArray(R"({"k":"k","v":["k","k"]})") << false;
    QTest::newRow("brace inside a string") << QByteArray("{\"a\":\"}\",\"a2\":1}") << false;
    QTest::newRow("case differs") << QByteArray(R"({"a":1,"A":1})") << false;
    QTest::newRow("unterminated") << QByteArray("{\"a\":1,\"a") << false;
    // Values are skipped without being decoded: their escapes must still end them right.
    QTest::newRow("escaped quote in a value") << QByteArray(R"({"k":"v\",\"k\":","k":1})") << true;
    QTest::newRow("escaped backslash ending a value") << QByteArray(R"({"k":"v\\","k":1})") << true;
    QTest::newRow("value ending in a backslash") << QByteArray(R"({"k":1,"v":"x\)") << false;
    QTest::newRow("escaped quote hiding a key") << QByteArray(R"({"k":1,"v":"\","k":2)") << false;
    QTest::newRow("a bracket closing nothing first") << QByteArray(R"(]}{"k":1,"k":2})") << true;
}

void TestJsonGuard::repeatedKeysKeepTheLast_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("kept"); // the parsed result, compact; empty: does not parse
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("none repeated") << QByteArray(R"({"a":1,"b":[{"a":2}]})") << QByteArray(R"({"a":1,"b":[{"a":2}]})")
                                   << QStringList();
    QTest::newRow("twice") << QByteArray(R"({"x":[1], "x":2})") << QByteArray(R"({"x":2})") << QStringList{"x"};
    QTest::newRow("three times, others between") << QByteArray(R"({"x":1,"y":0,"x":{"z":[2,3]},"x":3})")
                                                 << QByteArray(R"({"x":3,"y":0})") << QStringList{"x", "x"};
    QTest::newRow("in an object in a list") << QByteArray(R"([{"k":"a,b}","k":"c"},{"k":1}])")
                                            << QByteArray(R"([{"k":"c"},{"k":1}])") << QStringList{"k"};
    QTest::newRow("inside a member left out") << QByteArray(R"({"o":{"i":1,"i":2},"o":{"i":3}})")
                                              << QByteArray(R"({"o":{"i":3}})") << QStringList{"i", "o"};
    QTest::newRow("escaped spelling") << QByteArray(R"({"ab":1,"ab":2})") << QByteArray(R"({"ab":2})")
                                      << QStringList{"ab"};
    QTest::newRow("not JSON") << QByteArray(R"({"a":1,"a":2,})") << QByteArray() << QStringList{"a"};
    QTest::newRow("a comma outside any bracket") << QByteArray(R"(,{"a":1,"a":2},)") << QByteArray() << QStringList{"a"};
    QTest::newRow("a bracket closing nothing") << QByteArray(R"(}{"a":1,"a":2}])") << QByteArray() << QStringList{"a"};
}

QTEST_GUILESS_MAIN(TestJsonGuard)
#include "tst_jsonguard.moc"
