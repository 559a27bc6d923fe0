// The JSON guard on any bytes: it must not crash, must agree with itself, and what it
// lets through must hold no repeated key (the leak check of the sanitizer build sees
// the parser's leak if one slips past).
#include "fuzzsupport.h"
#include "jsonguard.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cstdlib>

namespace {

// Touches every value the parser built, so that the sanitizers see them all.
void walk(const QJsonValue &value)
{
    if (value.isObject()) {
        for (const QJsonValue &member : value.toObject())
            walk(member);
    } else if (value.isArray()) {
        for (const QJsonValue &member : value.toArray())
            walk(member);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    tulFuzzEnsureApplication();
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    QJsonParseError error;
    const QJsonDocument doc = JsonGuard::parse(text, "fuzz", 1 << 16, &error);
    const bool duplicate = JsonGuard::hasDuplicateKey(text);
    if (duplicate && !doc.isNull())
        std::abort();
    // Text without repeated keys is left as it is.
    if (!duplicate && JsonGuard::withoutRepeatedKeys(text) != text)
        std::abort();
    if (doc.isObject())
        walk(doc.object());
    else if (doc.isArray())
        walk(doc.array());
    return 0;
}
