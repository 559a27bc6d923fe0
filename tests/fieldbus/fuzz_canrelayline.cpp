// The simulated CAN bus's line parser on arbitrary lines. Whatever it accepts as a frame
// is what a client of the bus gets, so that must be one line of exactly three fields
// that the parser itself takes back.
#include "canrelayline.h"
#include "fuzzsupport.h"

#include <QList>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    tulFuzzEnsureApplication();
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    for (const QByteArray &line : input.split('\n')) {
        const CanRelayLine parsed = CanRelayLine::parse(line);
        if (parsed.kind == CanRelayLine::Malformed)
            continue;
        if (parsed.bus.isEmpty() || parsed.bus.contains(':') || parsed.bus.contains('\n'))
            std::abort();
        if (parsed.kind != CanRelayLine::Frame)
            continue;
        const QByteArray &out = parsed.forwarded;
        if (!out.endsWith('\n') || out.count('\n') != 1 || out.split('#').size() != 3)
            std::abort();
        const CanRelayLine again = CanRelayLine::parse(parsed.bus + ':' + out.chopped(1));
        if (again.kind != CanRelayLine::Frame || again.forwarded != out)
            std::abort();
    }
    return 0;
}
