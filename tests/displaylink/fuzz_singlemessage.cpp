// The single messages of the display link on any bytes: what the decoder accepts is
// long enough for its code and every field is within its range.
#include "canmessagecodes.h"
#include "fuzzsupport.h"
#include "singlemessage.h"
#include "translator.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 64)
        return 0;
    tulFuzzEnsureApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    SingleMessage m;
    if (!SingleMessage::decode(bytes, &m))
        return 0;
    if (bytes.isEmpty() || m.code != quint8(bytes.at(0)))
        std::abort();
    if (m.dayPart < 0 || m.dayPart > SingleMessage::MaxDayPart || !Translator::isValidId(m.languageId)
        || m.usedLanguages > 0xFFFF || m.alarmId < 0 || m.alarmId > 255)
        std::abort();
    for (int code : m.errorCodes) {
        if (code < -128 || code > 127)
            std::abort();
    }
    return 0;
}
