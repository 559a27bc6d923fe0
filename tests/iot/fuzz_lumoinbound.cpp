// The agent's messages on arbitrary bytes: whatever arrives, the text is refused or
// becomes one JSON object for the dispatcher.
#include "fuzzsupport.h"
#include "tullumo.h"

#include <QJsonObject>
#include <cstdlib>

namespace {

TulLumo &lumo()
{
    static TulLumo *instance = new TulLumo(nullptr, nullptr);
    return *instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > size_t(TulLumo::MaxInboundBytes) + 16)
        return 0;
    tulFuzzEnsureApplication();
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    QJsonObject message;
    const bool accepted = TulLumo::parseInbound(text, &message);
    if (accepted && text.trimmed().isEmpty())
        std::abort(); // nothing is not a message
    lumo().handleReceivedLumoInfo(text);
    return 0;
}
