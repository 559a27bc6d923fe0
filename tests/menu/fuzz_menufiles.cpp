// Fuzz entry point of the menu and day-part readers. The first byte picks the reader
// ('0' menu file, '1' legacy products list, '2' day-part file, '3' legacy day-part
// file); the rest is the file's content, placed in a scratch data root.
#include "menufuzz.h"

#include <QByteArray>
#include <QDir>

using namespace MenuFuzz;

namespace {

void place(const Readers &readers, const char *name, const QByteArray &content)
{
    QFile file(readers.root.path() + QLatin1Char('/') + QLatin1String(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tulFuzzEnsureApplication();
    static Readers readers;
    if (size == 0)
        return 0;
    const QByteArray content(reinterpret_cast<const char *>(data) + 1, int(size) - 1);
    switch (data[0] % 4) {
    case 0:
        place(readers, "menu.json", content);
        readers.menu.menuLoadJsonDocFile();
        checkMenu(readers.menu);
        check(MenuManager::isMenuDocument(readers.menu.menuDataModelToJson())); // reads back
        break;
    case 1:
        place(readers, "productsList.txt", content);
        readers.menu.loadProductsMenu();
        check(readers.menu.getRowCount() <= MenuManager::maxLegacyRows);
        checkMenu(readers.menu);
        check(MenuManager::isMenuDocument(readers.menu.menuDataModelToJson()));
        break;
    case 2:
        place(readers, "dayParts.json", content);
        readers.dayParts.dayPartsLoadJsonDocFile();
        break;
    default:
        place(readers, "morningDayPart.txt", content);
        readers.dayParts.readDayPartFile(QStringLiteral("morningDayPart.txt"), 0);
        break;
    }
    if (data[0] % 4 >= 2) {
        checkDayParts(readers.dayParts);
        check(readers.dayParts.getDayPartsToUseCount() >= 1);
        for (int dp = 0; dp < 10; ++dp)
            readers.dayParts.getProdIdOnBin(dp, 11);
    }
    QDir(readers.root.path()).removeRecursively();
    QDir().mkpath(readers.root.path());
    return 0;
}
