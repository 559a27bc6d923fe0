#ifndef MODBUSRTU_H
#define MODBUSRTU_H

#include <QByteArray>
#include <QString>
#include <QVector>

// Modbus RTU framing of the three functions the cabinet uses (read holding registers,
// write one register, write several), for the master and for the simulated nodes. Every
// frame ends with the CRC-16/MODBUS, low byte first. Parsers never read past the bytes
// they are given and reject anything whose address, function, length or CRC is wrong.
namespace ModbusRtu {

enum Function : quint8 {
    ReadHoldingRegisters = 3,
    WriteSingleRegister = 6,
    WriteMultipleRegisters = 16
};

// A request to node 0 reaches every node, and none answers it.
constexpr quint8 BroadcastNode = 0;

enum ExceptionCode : quint8 {
    IllegalFunction = 1,
    IllegalDataAddress = 2,
    IllegalDataValue = 3,
    ServerDeviceFailure = 4
};

// What one request frame can carry (a reply of 125 registers fills the 256-byte frame).
constexpr int MaxReadCount = 125;
constexpr int MaxWriteCount = 123;
constexpr int MaxFrameLength = 256;

struct Request {
    quint8 node = 0;
    quint8 function = 0;
    quint16 start = 0;
    quint16 count = 0;
    QVector<quint16> values;  // the registers to write (function 6 and 16)
};

enum class ParseStatus { Incomplete, Good, Exception, Invalid };

struct Reply {
    ParseStatus status = ParseStatus::Incomplete;
    QVector<quint16> registers;  // function 3 only
    quint8 exceptionCode = 0;
    QString reason;              // why a frame was rejected
};

struct ParsedRequest {
    ParseStatus status = ParseStatus::Incomplete;  // never Exception
    Request request;
    int length = 0;  // bytes the frame took
    QString reason;
    // An Invalid request that is still a whole, intact frame, which a server answers
    // with this exception rather than ignores; 0 for one it ignores.
    quint8 exceptionCode = 0;
};

void appendCrc(QByteArray &frame);
bool hasValidCrc(const char *frame, int length);

QByteArray encodeRequest(const Request &request);
// The same into `frame`, whose buffer is kept: a master that reserves it once makes no
// allocation per request.
void encodeRequestInto(const Request &request, QByteArray &frame);
// The reply to a request as the node sees it; `bytes` holds what arrived since it went out.
Reply parseReply(const Request &request, const QByteArray &bytes);
// The same without a Reply: a good read's registers go to `registers` (resized to the
// count, its buffer kept), an exception's code to `exceptionCode`, a rejection's reason to
// `reason` when given.
ParseStatus parseReplyInto(const Request &request, const QByteArray &bytes, QVector<quint16> &registers,
                           quint8 &exceptionCode, QString *reason = nullptr);

// Server side, for the simulated nodes. A function other than the three is Incomplete
// here: its frame ends only where the line falls silent, and parseRequestAtSilence then
// takes all that came as one frame.
ParsedRequest parseRequest(const QByteArray &bytes);
ParsedRequest parseRequestAtSilence(const QByteArray &bytes);
QByteArray encodeReadReply(quint8 node, const QVector<quint16> &values);
QByteArray encodeWriteReply(const Request &request);
QByteArray encodeException(quint8 node, quint8 function, quint8 code);

QString toHex(const QByteArray &frame);

} // namespace ModbusRtu

#endif // MODBUSRTU_H
