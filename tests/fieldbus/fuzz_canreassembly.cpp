// The receiving half of the CAN framing on arbitrary frame sequences. Input: records of
// a 32-bit big-endian identifier, a length byte (taken modulo 9) and that many data bytes.
#include "canreassembler.h"
#include "fuzzsupport.h"

#include <QtEndian>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    tulFuzzEnsureApplication();
    constexpr int Limit = 4096;
    CanReassembler receiver(2, Limit);
    size_t at = 0;
    while (at + 5 <= size) {
        const quint32 id = qFromBigEndian<quint32>(data + at);
        const int length = qMin<int>(data[at + 4] % 9, int(size - at - 5));
        const QByteArray bytes(reinterpret_cast<const char *>(data + at + 5), length);
        at += 5 + size_t(length);
        const CanReassembler::Result result = receiver.handle(CanFrame(id & 0x1FFFFFFFu, bytes));
        for (const CanReassembler::Delivery &d : result.deliveries) {
            if (d.data.size() > Limit || d.sender == 2)
                std::abort();
        }
        for (const CanFrame &reply : result.replies) {
            if (!reply.isValid() || reply.data().size() != 5)
                std::abort();
        }
    }
    return 0;
}
