// Modbus RTU parsers on arbitrary bytes. Input: function selector, register count, node,
// then the bytes that arrived; the whole input also goes through the request parser of
// the simulated nodes.
#include "fuzzsupport.h"
#include "modbusrtu.h"

#include <cstdlib>

using namespace ModbusRtu;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3 || size > 4096)
        return 0;
    tulFuzzEnsureApplication();
    static const quint8 functions[] = {ReadHoldingRegisters, WriteSingleRegister, WriteMultipleRegisters};
    Request request;
    request.function = functions[data[0] % 3];
    request.count = quint16(data[1] % (MaxReadCount + 1));
    request.node = data[2];
    request.start = 34;
    request.values = QVector<quint16>(request.count, 0);
    if (request.function == WriteSingleRegister)
        request.count = 1;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 3), int(size - 3));

    const Reply reply = parseReply(request, bytes);
    if (reply.status == ParseStatus::Good && request.function == ReadHoldingRegisters
        && reply.registers.size() != request.count)
        std::abort();
    if (reply.status == ParseStatus::Invalid && reply.reason.isEmpty())
        std::abort();

    const QByteArray whole(reinterpret_cast<const char *>(data), int(size));
    const ParsedRequest parsed = parseRequest(whole);
    if (parsed.status == ParseStatus::Good
        && (parsed.length <= 0 || parsed.length > whole.size()
            || parsed.request.values.size() > parsed.request.count))
        std::abort();
    return 0;
}
