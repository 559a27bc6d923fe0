// The end-of-line request parser on arbitrary bytes. A complete request is an object whose
// reply form reads back as the same object; member texts, decimal fields and the
// announcement built from them never fail.
#include "eolprotocol.h"
#include "fuzzsupport.h"

#include <QJsonDocument>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tulFuzzEnsureApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const EolProtocol::Request request = EolProtocol::parse(bytes);
    if (!request.complete) {
        if (!request.object.isEmpty())
            std::abort();
        return 0;
    }
    const QByteArray reply = EolProtocol::replyBytes(request.object);
    if (!reply.endsWith("}\n") || QJsonDocument::fromJson(reply).object() != request.object)
        std::abort();
    for (const char *key : {"event", "command", "serial number", "model number", "zone", "heaterIndex"}) {
        const QString text = request.text(key);
        int value = 0;
        EolProtocol::decimal(text, &value);
        EolProtocol::acceptableNumber(text);
        const QByteArray datagram = EolProtocol::announcement(text, value, value);
        if (datagram.size() != 2 && datagram.size() != 6)
            std::abort();
    }
    return 0;
}
