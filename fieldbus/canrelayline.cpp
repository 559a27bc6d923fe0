#include "canrelayline.h"

#include <QList>

namespace {

bool isBusName(const QByteArray &name)
{
    if (name.isEmpty() || name.size() > CanRelayLine::MaxBusNameBytes)
        return false;
    for (const char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'
                        || c == '-' || c == '.';
        if (!ok)
            return false;
    }
    return true;
}

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Payload lengths a frame may have: 0 to 8 bytes, and with a flexible data rate also
// 12, 16, 20, 24, 32, 48 and 64.
bool validLength(int bytes, bool flexible)
{
    if (bytes >= 0 && bytes <= 8)
        return true;
    if (!flexible)
        return false;
    for (int n : {12, 16, 20, 24, 32, 48, 64}) {
        if (bytes == n)
            return true;
    }
    return false;
}

bool validFrame(const QByteArray &frame)
{
    const QList<QByteArray> fields = frame.split('#');
    if (fields.size() != 3)
        return false;
    const QByteArray &id = fields.at(0);
    const QByteArray &flags = fields.at(1);
    const QByteArray &payload = fields.at(2);

    if (id.isEmpty() || id.size() > 9)
        return false;
    quint32 value = 0;
    for (const char c : id) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + quint32(c - '0');
    }
    for (int i = 0; i < flags.size(); ++i) {
        if (!QByteArray("XRFBEL").contains(flags.at(i)) || flags.indexOf(flags.at(i), i + 1) >= 0)
            return false;
    }
    const bool extended = flags.contains('X');
    const bool remote = flags.contains('R');
    const bool flexible = flags.contains('F');
    if (value > (extended ? 0x1FFFFFFFu : 0x7FFu))
        return false;
    if ((flags.contains('B') || flags.contains('E')) && !flexible)
        return false;
    if (remote && flexible)
        return false;
    if (payload.size() % 2 != 0)
        return false;
    for (const char c : payload) {
        if (!isHex(c))
            return false;
    }
    const int bytes = payload.size() / 2;
    return validLength(bytes, flexible) && !(remote && bytes > 8);
}

} // namespace

CanRelayLine CanRelayLine::parse(const QByteArray &line)
{
    CanRelayLine result;
    if (line.size() > MaxLineBytes)
        return result;
    const int colon = line.indexOf(':');
    if (colon < 0)
        return result;
    const QByteArray head = line.left(colon);
    const QByteArray rest = line.mid(colon + 1);
    if (head == "connect" || head == "disconnect") {
        if (!isBusName(rest))
            return result;
        result.kind = head == "connect" ? Connect : Disconnect;
        result.bus = rest;
        return result;
    }
    if (!isBusName(head) || !validFrame(rest))
        return result;
    result.kind = Frame;
    result.bus = head;
    result.forwarded = rest + '\n';
    return result;
}
