// Prints how long the menu and day-part files take to load and to save for a full menu:
// 100 products and 20 groups with names in all 15 languages, and ten day parts of 20
// bins. The save is timed to the end of its chain ("/bin/sync", "/bin/mv", or their
// stand-ins when TUL_TOOLS_DIR is set). Runs in a scratch data root.
//
//   bench_menufiles [rounds]
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "filesavechain.h"
#include "menulanguages.h"
#include "menumanager.h"
#include "roleitemmodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardItem>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

constexpr int productCount = 100;
constexpr int groupCount = 20;

QStringList namesOf(const QString &base)
{
    QStringList names;
    for (const QString &code : MenuLanguages::codes())
        names << QStringLiteral("%1 (%2) \u00e9\u00df\u4e2d").arg(base, code);
    return names;
}

void fillMenu(MenuManager &menu)
{
    RoleItemModel *model = menu.productsModel();
    model->clear();
    for (int id = 0; id < productCount; ++id) {
        auto *row = new QStandardItem;
        const QStringList names = namesOf(QStringLiteral("Product %1").arg(id));
        row->setData(id, MenuManager::IdRole);
        row->setData(names.first(), MenuManager::NameRole);
        row->setData(names, MenuManager::NamesListRole);
        row->setData(600 + id, MenuManager::HoldTimeRole);
        row->setData(300 + id, MenuManager::WarningTimeRole);
        row->setData(300, MenuManager::ResetTimeRole);
        row->setData(150, MenuManager::LowerTempRole);
        row->setData(170, MenuManager::UpperTempRole);
        row->setData(80, MenuManager::TargetFanSpeedRole);
        row->setData(QStringLiteral("Solid"), MenuManager::LidTypeRole);
        row->setData(QStringLiteral("Normal"), MenuManager::BottomTypeRole);
        row->setData(QStringLiteral("1/2"), MenuManager::PanSizeXRole);
        row->setData(2, MenuManager::PanSizeRole);
        row->setData(QStringLiteral("#ff8000"), MenuManager::TimerColorRole);
        row->setData(false, MenuManager::ProductLockedRole);
        row->setData(QStringLiteral("0"), MenuManager::GroupIdRole);
        model->appendRow(row);
    }
    for (int g = 0; g < groupCount; ++g) {
        auto *row = new QStandardItem;
        const int id = 0x40000001 + g;
        const QStringList names = namesOf(QStringLiteral("Group %1").arg(g));
        QStringList members;
        for (int m = 0; m < 10; ++m)
            members << QString::number(1 + (g * 10 + m) % (productCount - 1));
        row->setData(id, MenuManager::IdRole);
        row->setData(id, MenuManager::GroupIdRole);
        row->setData(names.first(), MenuManager::NameRole);
        row->setData(names, MenuManager::NamesListRole);
        row->setData(members, MenuManager::ProductListRole);
        row->setData(0, MenuManager::DefaultRole);
        row->setData(QStringLiteral("1/2"), MenuManager::PanSizeXRole);
        row->setData(2, MenuManager::PanSizeRole);
        model->appendRow(row);
    }
}

void fillDayParts(DayPartManager &dayParts)
{
    for (int d = 0; d < DayPartManager::maxDayParts; ++d)
        for (int zone = 0; zone < 5; ++zone)
            for (int pan = 0; pan < 4; ++pan)
                dayParts.dayPartEditSetProductId(d, zone, pan, 1 + (d * 20 + zone * 4 + pan) % 99);
}

bool waitForChain(FileSaveChain *chain)
{
    while (chain->isBusy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return true;
}

// Median of `rounds` runs in milliseconds.
double medianMs(int rounds, const std::function<void()> &run)
{
    QVector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = qMax(1, app.arguments().value(1, QStringLiteral("20")).toInt());
    QTemporaryDir root;
    qputenv("TUL_ROOT_DIR", QFile::encodeName(root.path() + QLatin1Char('/')));
    qputenv("QT_LOGGING_RULES", "*.debug=false");

    FakeCabinetCore core;
    MenuManager menu(&core);
    DayPartManager dayParts(core.numberOfZones, core.traysPerZone, &menu, &core);
    auto *menuChain = menu.findChild<FileSaveChain *>(QStringLiteral("menuSaveChain"));
    auto *dayPartChain = dayParts.findChild<FileSaveChain *>(QStringLiteral("dayPartsSaveChain"));
    fillMenu(menu);
    fillDayParts(dayParts);
    dayParts.dayPartEditSave();
    waitForChain(dayPartChain);

    const double menuText = medianMs(rounds, [&] { menu.menuDataModelToJson(); });
    const double menuSave = medianMs(rounds, [&] {
        menu.saveProductsMenuJson();
        waitForChain(menuChain);
    });
    const qint64 menuSize = QFileInfo(root.path() + QStringLiteral("/menu.json")).size();
    const double menuLoad = medianMs(rounds, [&] { menu.menuLoadJsonDocFile(); });
    const double dayPartSave = medianMs(rounds, [&] {
        dayParts.saveDayPartFileJson();
        waitForChain(dayPartChain);
    });
    const double dayPartLoad = medianMs(rounds, [&] { dayParts.dayPartsLoadJsonDocFile(); });

    QTextStream out(stdout);
    out << "menu: " << menu.getRowCount() << " rows (" << productCount << " products, "
        << groupCount << " groups), 15 languages, " << menuSize << " bytes; median of " << rounds
        << " rounds\n";
    out << QStringLiteral("  load menu.json                 %1 ms\n").arg(menuLoad, 8, 'f', 3);
    out << QStringLiteral("  build the text of menu.json    %1 ms\n").arg(menuText, 8, 'f', 3);
    out << QStringLiteral("  save menu.json (whole chain)   %1 ms\n").arg(menuSave, 8, 'f', 3);
    out << QStringLiteral("  load dayParts.json             %1 ms\n").arg(dayPartLoad, 8, 'f', 3);
    out << QStringLiteral("  save dayParts.json (chain)     %1 ms\n").arg(dayPartSave, 8, 'f', 3);
    return menu.getRowCount() == productCount + groupCount ? 0 : 1;
}
