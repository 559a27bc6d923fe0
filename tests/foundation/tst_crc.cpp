// Check values from the published CRC catalogue (CRC-16/MODBUS and CRC-32/ISO-HDLC) and
// from Modbus RTU frames as they appear on the wire.
#include "crc32.h"
#include "qrmcrc.h"

#include <QtTest>

class TestCrc : public QObject
{
    Q_OBJECT

private slots:
    void modbus_data();
    void modbus();
    void crc32_data();
    void crc32();
    void emptyInput();
    void modbusFrameChecksToZeroResidue();
};

void TestCrc::modbus_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("crc");
    QTest::newRow("check") << QByteArray("123456789") << 0x4B37;
    // Read 10 holding registers from slave 1: sent as 01 03 00 00 00 0A C5 CD.
    QTest::newRow("read request") << QByteArray::fromHex("01030000000A") << 0xCDC5;
    // Write register 1 of slave 17 = 3: sent as 11 06 00 01 00 03 9A 9B.
    QTest::newRow("write single") << QByteArray::fromHex("110600010003") << 0x9B9A;
    QTest::newRow("one zero byte") << QByteArray(1, '\0') << 0x40BF;
}

void TestCrc::modbus()
{
    QFETCH(QByteArray, data);
    QFETCH(int, crc);
    QCOMPARE(int(qrmCrc(reinterpret_cast<const unsigned char *>(data.constData()), data.size())), crc);
}

void TestCrc::crc32_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<quint32>("crc");
    QTest::newRow("check") << QByteArray("123456789") << quint32(0xCBF43926);
    QTest::newRow("fox") << QByteArray("The quick brown fox jumps over the lazy dog")
                         << quint32(0x414FA339);
    QTest::newRow("a") << QByteArray("a") << quint32(0xE8B7BE43);
    QTest::newRow("zeros32") << QByteArray(32, '\0') << quint32(0x190A55AD);
}

void TestCrc::crc32()
{
    QFETCH(QByteArray, data);
    QFETCH(quint32, crc);
    Crc32 calculator;
    QCOMPARE(calculator.calculateFromByteArray(data), crc);
}

void TestCrc::emptyInput()
{
    QCOMPARE(int(qrmCrc(nullptr, 0)), 0xFFFF);
    const unsigned char byte = 0x55;
    QCOMPARE(int(qrmCrc(&byte, 0)), 0xFFFF);
    QCOMPARE(int(qrmCrc(&byte, -3)), 0xFFFF);
    Crc32 calculator;
    QCOMPARE(calculator.calculateFromByteArray(QByteArray()), quint32(0));
}

void TestCrc::modbusFrameChecksToZeroResidue()
{
    // A frame with its CRC appended low byte first has a CRC of zero: the receiver's check.
    QByteArray frame = QByteArray::fromHex("0103040102030405");
    const quint16 crc = qrmCrc(reinterpret_cast<const unsigned char *>(frame.constData()), frame.size());
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    QCOMPARE(int(qrmCrc(reinterpret_cast<const unsigned char *>(frame.constData()), frame.size())), 0);
}

QTEST_APPLESS_MAIN(TestCrc)
#include "tst_crc.moc"
