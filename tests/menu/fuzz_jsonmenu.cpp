// Fuzz entry point of the JSON menu interchange file: the outline check and, for a file
// that passes it, both appliers.
#include "jsonmenufile.h"
#include "menufuzz.h"

using namespace MenuFuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tulFuzzEnsureApplication();
    static Readers appliers;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const JsonMenuFile::Outline outline = JsonMenuFile::checkOutline(bytes);
    check(outline.ok || !outline.messages.isEmpty());
    if (!outline.ok)
        return 0;
    const QString text = QString::fromUtf8(bytes);
    appliers.menu.processOrvantaJsonProducts(text);
    appliers.dayParts.processOrvantaJsonDayParts(text);
    checkMenu(appliers.menu);
    checkDayParts(appliers.dayParts);
    return 0;
}
