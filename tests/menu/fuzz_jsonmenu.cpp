// Fuzz entry point of the JSON menu interchange file: the outline check and, for a file
// that passes it, both appliers.
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "fuzzsupport.h"
#include "jsonmenufile.h"
#include "menumanager.h"
#include "roleitemmodel.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

void check(bool invariant)
{
    if (!invariant)
        std::abort();
}

struct Appliers
{
    Appliers()
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tulFuzzEnsureApplication();
    static Appliers appliers;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const JsonMenuFile::Outline outline = JsonMenuFile::checkOutline(bytes);
    check(outline.ok || !outline.messages.isEmpty());
    if (!outline.ok)
        return 0;
    const QString text = QString::fromUtf8(bytes);
    appliers.menu.processOrvantaJsonProducts(text);
    appliers.dayParts.processOrvantaJsonDayParts(text);
    for (int row = 0; row < appliers.menu.getRowCount(); ++row) {
        const QVariantMap values = RoleItemModel::getModelData(appliers.menu.productsModel(), row);
        check(values.value("namesList").toStringList().size() == 15);
        const int panSize = values.value("panSize").toInt();
        check(panSize >= 1 && panSize <= 4);
    }
    check(appliers.dayParts.getDayPartsCount() >= 1 && appliers.dayParts.getDayPartsCount() <= 10);
    check(DayPartManager::isDayPartDocument(appliers.dayParts.dayPartsInfoToJson(true)));
    return 0;
}
