// The end-of-line wire forms on their own: how a station's bytes are cut into requests and
// how socket errors are named in the log.
#include "eolprotocol.h"

#include <QAbstractSocket>
#include <QtTest>

class TestEolProtocol : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void socketErrorName_data();
    void socketErrorName();
};

void TestEolProtocol::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("event");

    QTest::newRow("whole object") << QByteArray(R"({"event":"HeaterTest","command":"Start"})") << true << false << "HeaterTest";
    QTest::newRow("white space around") << QByteArray("\n  {\"event\":\"ScreenTest\"}\r\n") << true << false << "ScreenTest";
    QTest::newRow("partial: waited on") << QByteArray(R"({"event":"HeaterTe)") << false << false << "";
    QTest::newRow("array") << QByteArray(R"([{"event":"HeaterTest"}])") << false << false << "";
    QTest::newRow("bytes after the object") << QByteArray(R"({"event":"A"}{"event":"B"})") << false << false << "";
    // A repeated key is refused at once: waiting would hold the station until the time-out.
    QTest::newRow("key twice") << QByteArray(R"({"event":"HeaterTest","event":"SpeakerTest"})") << false << true << "";
    QTest::newRow("key twice, unfinished") << QByteArray(R"({"zone":1,"zone":2,)") << false << true << "";
    QTest::newRow("same key in two objects") << QByteArray(R"({"a":{"k":1},"b":{"k":2},"event":"X"})") << true << false << "X";
    QTest::newRow("event not a string") << QByteArray(R"({"event":5})") << true << false << "";
}

void TestEolProtocol::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, complete);
    QFETCH(bool, refused);
    QFETCH(QString, event);

    const EolProtocol::Request request = EolProtocol::parse(bytes);
    QCOMPARE(request.complete, complete);
    QCOMPARE(request.refused, refused);
    QCOMPARE(request.text("event"), event);
}

void TestEolProtocol::socketErrorName_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");

    QTest::newRow("unknown (-1)") << int(QAbstractSocket::UnknownSocketError) << "UnknownSocketError";
    QTest::newRow("first") << int(QAbstractSocket::ConnectionRefusedError) << "ConnectionRefusedError";
    QTest::newRow("remote closed") << int(QAbstractSocket::RemoteHostClosedError) << "RemoteHostClosedError";
    QTest::newRow("time-out") << int(QAbstractSocket::SocketTimeoutError) << "SocketTimeoutError";
    QTest::newRow("last") << int(QAbstractSocket::TemporaryError) << "TemporaryError";
    QTest::newRow("past the last") << int(QAbstractSocket::TemporaryError) + 1 << "UnknownSocketError";
    QTest::newRow("far below") << -1000 << "UnknownSocketError";
}

void TestEolProtocol::socketErrorName()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(EolProtocol::socketErrorName(code), name);
}

QTEST_GUILESS_MAIN(TestEolProtocol)
#include "tst_eolprotocol.moc"
