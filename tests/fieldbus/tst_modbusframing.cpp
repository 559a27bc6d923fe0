// Modbus RTU frames: what the master sends and which replies it takes.
#include "modbusrtu.h"
#include "qmodbuspollinfo.h"

#include <QTest>

using namespace ModbusRtu;

Q_DECLARE_METATYPE(ModbusRtu::ParseStatus)

class TestModbusFraming : public QObject
{
    Q_OBJECT

private slots:
    void encodesTheThreeFunctions();
    void parsesReplies_data();
    void parsesReplies();
    void serverParsesRequests();
    void pollRecordDefaultsAndBounds();
};

static Request request(quint8 node, quint8 function, quint16 start, quint16 count, QVector<quint16> values = {})
{
    Request r;
    r.node = node;
    r.function = function;
    r.start = start;
    r.count = count;
    r.values = values;
    return r;
}

static Request readRequest(quint8 node, quint16 start, quint16 count)
{
    return request(node, ReadHoldingRegisters, start, count);
}

static QByteArray withCrc(QByteArray frame)
{
    appendCrc(frame);
    return frame;
}

void TestModbusFraming::encodesTheThreeFunctions()
{
    QCOMPARE(encodeRequest(readRequest(1, 0, 1)).toHex(), QByteArray("010300000001840a"));
    QCOMPARE(encodeRequest(request(1, WriteSingleRegister, 101, 1, {240})), withCrc(QByteArray::fromHex("0106006500f0")));
    QCOMPARE(encodeRequest(request(1, WriteMultipleRegisters, 117, 2, {0x0102, 0x0304})),
             withCrc(QByteArray::fromHex("01100075000204" "01020304")));
}

void TestModbusFraming::parsesReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<ParseStatus>("status");
    const QByteArray good = withCrc(QByteArray::fromHex("010304" "00010002"));
    QTest::newRow("good") << good << ParseStatus::Good;
    QTest::newRow("first byte only") << good.left(1) << ParseStatus::Incomplete;
    QTest::newRow("one short") << good.left(good.size() - 1) << ParseStatus::Incomplete;
    QTest::newRow("trailing byte") << good + 'x' << ParseStatus::Invalid;
    QByteArray badCrc = good;
    badCrc[badCrc.size() - 1] = char(badCrc.at(badCrc.size() - 1) ^ 1);
    QTest::newRow("bad CRC") << badCrc << ParseStatus::Invalid;
    QTest::newRow("other node") << withCrc(QByteArray::fromHex("020304" "00010002")) << ParseStatus::Invalid;
    QTest::newRow("other function") << withCrc(QByteArray::fromHex("010404" "00010002")) << ParseStatus::Invalid;
    QTest::newRow("wrong byte count") << withCrc(QByteArray::fromHex("010302" "0001")) << ParseStatus::Invalid;
    QTest::newRow("byte count too large") << QByteArray::fromHex("0103ff") << ParseStatus::Invalid;
    QTest::newRow("exception") << withCrc(QByteArray::fromHex("018302")) << ParseStatus::Exception;
    QTest::newRow("exception bad CRC") << QByteArray::fromHex("0183020000") << ParseStatus::Invalid;
    QTest::newRow("exception of another function")
        << withCrc(QByteArray::fromHex("019002")) << ParseStatus::Invalid;
}

void TestModbusFraming::parsesReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(ParseStatus, status);
    const Reply parsed = parseReply(readRequest(1, 34, 2), reply);
    QCOMPARE(parsed.status, status);
    if (status == ParseStatus::Good)
        QCOMPARE(parsed.registers, QVector<quint16>({1, 2}));
    if (status == ParseStatus::Exception)
        QCOMPARE(parsed.exceptionCode, quint8(2));
}

void TestModbusFraming::serverParsesRequests()
{
    const Request many = request(2, WriteMultipleRegisters, 80, 3, {1, 2, 3});
    const QByteArray frame = encodeRequest(many);
    const ParsedRequest parsed = parseRequest(frame + encodeRequest(readRequest(1, 0, 1)));
    QCOMPARE(parsed.status, ParseStatus::Good);
    QCOMPARE(parsed.length, frame.size());
    QCOMPARE(parsed.request.values, many.values);
    QCOMPARE(parseRequest(frame.left(8)).status, ParseStatus::Incomplete);

    // A byte count that disagrees with the register count is refused, CRC or not.
    QByteArray lying = QByteArray::fromHex("0210005000030401020304");
    appendCrc(lying);
    QCOMPARE(parseRequest(lying).status, ParseStatus::Invalid);

    // A write echo must repeat the address and value.
    const Request single = request(1, WriteSingleRegister, 1, 1, {10});
    QCOMPARE(parseReply(single, encodeWriteReply(single)).status, ParseStatus::Good);
    QCOMPARE(parseReply(single, encodeWriteReply(request(1, WriteSingleRegister, 1, 1, {11}))).status,
             ParseStatus::Invalid);
}

void TestModbusFraming::pollRecordDefaultsAndBounds()
{
    QModbusPollInfo info(3);
    QCOMPARE(info.registers(), QVector<quint16>(3, 0));
    QCOMPARE(info.get_replyTimeout(), 1000);
    QCOMPARE(info.get_priority(), QModbusPollInfo::QMBP_NORMAL);
    info.set_replyTimeout(1);
    QCOMPARE(info.get_replyTimeout(), 3);
    info.set_replyTimeout(5000);
    QCOMPARE(info.get_replyTimeout(), 1000);
    QVERIFY(info.set_register(2, 7));
    QVERIFY(!info.set_register(3, 7));
    QVERIFY(!info.set_register(-1, 7));
    QCOMPARE(info.get_register(2), quint16(7));
    QCOMPARE(info.get_register(3), quint16(0));
    QCOMPARE(QModbusPollInfo(-4).registerCount(), 0);
}

QTEST_APPLESS_MAIN(TestModbusFraming)
#include "tst_modbusframing.moc"
