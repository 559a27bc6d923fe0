// Fuzz entry point of the menu and day-part readers. The first byte picks the reader
// ('0' menu file, '1' legacy products list, '2' day-part file, '3' legacy day-part
// file); the rest is the file's content, placed in a scratch data root.
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "fuzzsupport.h"
#include "menumanager.h"
#include "roleitemmodel.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

struct Readers
{
    Readers()
    {
        qputenv("TUL_ROOT_DIR", QFile::encodeName(root.path() + QLatin1Char('/')));
        core.traysPerZone = 3;
        core.numberOfZones = 4;
        dayParts.set_numOfTrays(12);
    }
    QTemporaryDir root;
    FakeCabinetCore core;
    MenuManager menu{&core};
    DayPartManager dayParts{4, 3, &menu, &core};
};

void place(const Readers &readers, const char *name, const QByteArray &content)
{
    QFile file(readers.root.path() + QLatin1Char('/') + QLatin1String(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        std::abort();
}

void check(bool invariant)
{
    if (!invariant)
        std::abort();
}

void checkMenu(MenuManager &menu)
{
    for (int row = 0; row < menu.getRowCount(); ++row) {
        const QVariantMap data = RoleItemModel::getModelData(menu.productsModel(), row);
        check(data.value("namesList").toStringList().size() == 15);
        const int panSize = data.value("panSize").toInt();
        check(panSize >= 1 && panSize <= 4);
    }
    // What was read can be written and read back.
    check(MenuManager::isMenuDocument(menu.menuDataModelToJson()));
}

void checkDayParts(DayPartManager &dayParts)
{
    check(dayParts.getDayPartsCount() >= 1 && dayParts.getDayPartsCount() <= 10);
    check(dayParts.getDayPartsToUseCount() >= 1);
    check(DayPartManager::isDayPartDocument(dayParts.dayPartsInfoToJson(true)));
    for (int dp = 0; dp < 10; ++dp)
        dayParts.getProdIdOnBin(dp, 11);
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
        break;
    case 1:
        place(readers, "productsList.txt", content);
        readers.menu.loadProductsMenu();
        check(readers.menu.getRowCount() <= MenuManager::maxLegacyRows);
        checkMenu(readers.menu);
        break;
    case 2:
        place(readers, "dayParts.json", content);
        readers.dayParts.dayPartsLoadJsonDocFile();
        checkDayParts(readers.dayParts);
        break;
    default:
        place(readers, "morningDayPart.txt", content);
        readers.dayParts.readDayPartFile(QStringLiteral("morningDayPart.txt"), 0);
        checkDayParts(readers.dayParts);
        break;
    }
    QDir(readers.root.path()).removeRecursively();
    QDir().mkpath(readers.root.path());
    return 0;
}
