#include "modbusrtu.h"

#include "qrmcrc.h"

namespace ModbusRtu {

namespace {

quint8 byteAt(const QByteArray &bytes, int i)
{
    return static_cast<quint8>(bytes.at(i));
}

quint16 wordAt(const QByteArray &bytes, int i)
{
    return quint16((byteAt(bytes, i) << 8) | byteAt(bytes, i + 1));
}

void appendWord(QByteArray &frame, quint16 word)
{
    frame.append(char(word >> 8));
    frame.append(char(word & 0xFF));
}

ParseStatus invalid(QString *reason, const QString &why)
{
    if (reason)
        *reason = why;
    return ParseStatus::Invalid;
}

ParsedRequest invalidRequest(const QString &reason)
{
    ParsedRequest parsed;
    parsed.status = ParseStatus::Invalid;
    parsed.reason = reason;
    return parsed;
}

// The length a reply to `request` has, or 0 for an unknown function.
int expectedReplyLength(const Request &request)
{
    switch (request.function) {
    case ReadHoldingRegisters:
        return 5 + 2 * request.count;
    case WriteSingleRegister:
    case WriteMultipleRegisters:
        return 8;
    default:
        return 0;
    }
}

ParseStatus checkWriteEcho(const Request &request, const QByteArray &bytes, QString *reason)
{
    const quint16 address = wordAt(bytes, 2);
    const quint16 field = wordAt(bytes, 4);
    if (address != request.start)
        return invalid(reason, QStringLiteral("echoed address differs"));
    const quint16 expected = request.function == WriteSingleRegister
                                 ? request.values.value(0) : request.count;
    if (field != expected)
        return invalid(reason, QStringLiteral("echoed value or count differs"));
    return ParseStatus::Good;
}

} // namespace

void appendCrc(QByteArray &frame)
{
    const quint16 crc = qrmCrc(reinterpret_cast<const unsigned char *>(frame.constData()),
                               frame.size());
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
}

bool hasValidCrc(const char *frame, int length)
{
    if (length < 3)
        return false;
    const quint16 crc = qrmCrc(reinterpret_cast<const unsigned char *>(frame), length - 2);
    const quint16 sent = quint16(quint8(frame[length - 2]) | (quint8(frame[length - 1]) << 8));
    return crc == sent;
}

QByteArray encodeRequest(const Request &request)
{
    QByteArray frame;
    encodeRequestInto(request, frame);
    return frame;
}

void encodeRequestInto(const Request &request, QByteArray &frame)
{
    frame.resize(0);
    frame.append(char(request.node));
    frame.append(char(request.function));
    appendWord(frame, request.start);
    switch (request.function) {
    case WriteSingleRegister:
        appendWord(frame, request.values.value(0));
        break;
    case WriteMultipleRegisters:
        appendWord(frame, request.count);
        frame.append(char(2 * request.count));
        for (int i = 0; i < request.count; ++i)
            appendWord(frame, request.values.value(i));
        break;
    default:
        appendWord(frame, request.count);
        break;
    }
    appendCrc(frame);
}

Reply parseReply(const Request &request, const QByteArray &bytes)
{
    Reply reply;
    reply.status = parseReplyInto(request, bytes, reply.registers, reply.exceptionCode, &reply.reason);
    if (reply.status != ParseStatus::Good)
        reply.registers.clear();
    return reply;
}

ParseStatus parseReplyInto(const Request &request, const QByteArray &bytes, QVector<quint16> &registers,
                           quint8 &exceptionCode, QString *reason)
{
    if (bytes.size() < 2)
        return ParseStatus::Incomplete;
    if (byteAt(bytes, 0) != request.node)
        return invalid(reason, QStringLiteral("reply from node %1").arg(byteAt(bytes, 0)));
    const quint8 function = byteAt(bytes, 1);
    if (function == (request.function | 0x80)) {
        if (bytes.size() < 5)
            return ParseStatus::Incomplete;
        if (bytes.size() > 5)
            return invalid(reason, QStringLiteral("exception reply too long"));
        if (!hasValidCrc(bytes.constData(), 5))
            return invalid(reason, QStringLiteral("CRC error"));
        exceptionCode = byteAt(bytes, 2);
        return ParseStatus::Exception;
    }
    if (function != request.function)
        return invalid(reason, QStringLiteral("reply with function %1").arg(function));
    const int length = expectedReplyLength(request);
    if (length == 0)
        return invalid(reason, QStringLiteral("unknown function"));
    if (request.function == ReadHoldingRegisters && bytes.size() >= 3
        && byteAt(bytes, 2) != 2 * request.count)
        return invalid(reason, QStringLiteral("byte count %1 for %2 registers")
                                   .arg(byteAt(bytes, 2)).arg(request.count));
    if (bytes.size() < length)
        return ParseStatus::Incomplete;
    if (bytes.size() > length)
        return invalid(reason, QStringLiteral("reply too long"));
    if (!hasValidCrc(bytes.constData(), length))
        return invalid(reason, QStringLiteral("CRC error"));
    if (request.function != ReadHoldingRegisters) {
        registers.resize(0); // a write's reply carries no registers
        return checkWriteEcho(request, bytes, reason);
    }
    registers.resize(request.count);
    quint16 *out = registers.data();
    for (int i = 0; i < request.count; ++i)
        out[i] = wordAt(bytes, 3 + 2 * i);
    return ParseStatus::Good;
}

ParsedRequest parseRequest(const QByteArray &bytes)
{
    if (bytes.size() < 2)
        return ParsedRequest();
    ParsedRequest parsed;
    Request &request = parsed.request;
    request.node = byteAt(bytes, 0);
    request.function = byteAt(bytes, 1);
    int length = 8;
    if (request.function == WriteMultipleRegisters) {
        if (bytes.size() < 7)
            return ParsedRequest();
        length = 9 + byteAt(bytes, 6);
    } else if (request.function != ReadHoldingRegisters
               && request.function != WriteSingleRegister) {
        // A function we do not serve has no length we know: only the line's silence ends
        // its frame (parseRequestAtSilence).
        return ParsedRequest();
    }
    if (bytes.size() < length)
        return ParsedRequest();
    if (!hasValidCrc(bytes.constData(), length))
        return invalidRequest(QStringLiteral("CRC error"));
    request.start = wordAt(bytes, 2);
    if (request.function == WriteSingleRegister) {
        request.count = 1;
        request.values.append(wordAt(bytes, 4));
    } else {
        request.count = wordAt(bytes, 4);
    }
    if (request.function == WriteMultipleRegisters) {
        if (byteAt(bytes, 6) != 2 * request.count) {
            // Framed and intact, so a server answers it, with the exception for a bad value.
            parsed.status = ParseStatus::Invalid;
            parsed.reason = QStringLiteral("byte count does not match");
            parsed.length = length;
            parsed.exceptionCode = IllegalDataValue;
            return parsed;
        }
        for (int i = 0; i < request.count; ++i)
            request.values.append(wordAt(bytes, 7 + 2 * i));
    }
    parsed.status = ParseStatus::Good;
    parsed.length = length;
    return parsed;
}

ParsedRequest parseRequestAtSilence(const QByteArray &bytes)
{
    ParsedRequest parsed = parseRequest(bytes);
    if (parsed.status != ParseStatus::Incomplete || bytes.size() < 4)
        return parsed;
    const quint8 function = byteAt(bytes, 1);
    if (function == ReadHoldingRegisters || function == WriteSingleRegister
        || function == WriteMultipleRegisters)
        return invalidRequest(QStringLiteral("frame cut short"));
    if (!hasValidCrc(bytes.constData(), bytes.size()))
        return invalidRequest(QStringLiteral("CRC error"));
    parsed.status = ParseStatus::Good;
    parsed.request.node = byteAt(bytes, 0);
    parsed.request.function = function;
    parsed.length = bytes.size();
    return parsed;
}

QByteArray encodeReadReply(quint8 node, const QVector<quint16> &values)
{
    QByteArray frame;
    frame.append(char(node));
    frame.append(char(ReadHoldingRegisters));
    frame.append(char(2 * values.size()));
    for (quint16 value : values)
        appendWord(frame, value);
    appendCrc(frame);
    return frame;
}

QByteArray encodeWriteReply(const Request &request)
{
    QByteArray frame;
    frame.append(char(request.node));
    frame.append(char(request.function));
    appendWord(frame, request.start);
    appendWord(frame, request.function == WriteSingleRegister ? request.values.value(0)
                                                               : request.count);
    appendCrc(frame);
    return frame;
}

QByteArray encodeException(quint8 node, quint8 function, quint8 code)
{
    QByteArray frame;
    frame.append(char(node));
    frame.append(char(function | 0x80));
    frame.append(char(code));
    appendCrc(frame);
    return frame;
}

QString toHex(const QByteArray &frame)
{
    return QString::fromLatin1(frame.toHex(' '));
}

} // namespace ModbusRtu
