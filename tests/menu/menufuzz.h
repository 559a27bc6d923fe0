#ifndef MENUFUZZ_H
#define MENUFUZZ_H

#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "fuzzsupport.h"
#include "menumanager.h"
#include "roleitemmodel.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

// What the menu fuzz targets share: a menu and day parts of 4 zones of 3 trays in a
// scratch data root, and the invariants every input must leave.
namespace MenuFuzz {

inline void check(bool invariant)
{
    if (!invariant)
        std::abort();
}

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

// Every row has its fifteen names and a pan size of 1 to 4, but for the row of a legacy
// line of another kind, which names nothing and holds only its pan fraction.
inline void checkMenu(MenuManager &menu)
{
    for (int row = 0; row < menu.getRowCount(); ++row) {
        const QVariantMap data = RoleItemModel::getModelData(menu.productsModel(), row);
        if (!data.value("id").isValid()) {
            check(data.value("panSizeX").toString() == QLatin1String("1/2"));
            continue;
        }
        check(data.value("namesList").toStringList().size() == 15);
        const int panSize = data.value("panSize").toInt();
        check(panSize >= 1 && panSize <= 4);
    }
}

// One to ten day parts, written as a document that reads back.
inline void checkDayParts(DayPartManager &dayParts)
{
    check(dayParts.getDayPartsCount() >= 1 && dayParts.getDayPartsCount() <= 10);
    check(DayPartManager::isDayPartDocument(dayParts.dayPartsInfoToJson(true)));
}

} // namespace MenuFuzz

#endif // MENUFUZZ_H
