// Prints how long the menu and day-part files take to load and to save for a full menu:
// 100 products and 20 groups with names in all 15 languages, and ten day parts of 20
// bins, each in rounds alternated with its floor: the same file read and parsed by
// QJsonDocument; the same document formatted; the same text formatted and saved
// through the same chain. The save is timed to the end of its chain, whose "/bin/sync"
// and "/bin/mv" are the stand-ins of tools/standins on both sides (TUL_TOOLS_DIR, when
// set, names another folder of them). Runs in a scratch data root.
//
//   bench_menufiles [rounds]
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "filesavechain.h"
#include "floorsave.h"
#include "menulanguages.h"
#include "menumanager.h"
#include "roleitemmodel.h"
#include "rounds.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStandardItem>
#include <QTemporaryDir>
#include <QTextStream>

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

QByteArray readPlain(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonDocument parseFile(const QString &path)
{
    const QJsonDocument document = QJsonDocument::fromJson(readPlain(path));
    if (!document.isObject())
        qFatal("cannot parse %s", qPrintable(path));
    return document;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = qMax(1, app.arguments().value(1, QStringLiteral("20")).toInt());
    QTemporaryDir root;
    qputenv("TUL_ROOT_DIR", QFile::encodeName(root.path() + QLatin1Char('/')));
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    if (qEnvironmentVariableIsEmpty("TUL_TOOLS_DIR"))
        qputenv("TUL_TOOLS_DIR", STANDINS_DIR);

    FakeCabinetCore core;
    MenuManager menu(&core);
    DayPartManager dayParts(core.numberOfZones, core.traysPerZone, &menu, &core);
    auto *menuChain = menu.findChild<FileSaveChain *>(QStringLiteral("menuSaveChain"));
    auto *dayPartChain = dayParts.findChild<FileSaveChain *>(QStringLiteral("dayPartsSaveChain"));
    fillMenu(menu);
    fillDayParts(dayParts);
    dayParts.dayPartEditSave();
    waitForChain(dayPartChain);

    const QString menuPath = root.path() + QStringLiteral("/menu.json");
    const QString dayPartsPath = root.path() + QStringLiteral("/dayParts.json");
    const QString floorDir = root.path() + QStringLiteral("/floor/");
    QDir().mkpath(floorDir);
    menu.saveProductsMenuJson();
    waitForChain(menuChain);
    // The floors format the documents the program saved; the same bytes, checked once.
    const QJsonDocument menuDocument = parseFile(menuPath);
    const QJsonDocument dayPartsDocument = parseFile(dayPartsPath);
    if (menuDocument.toJson() != readPlain(menuPath) || dayPartsDocument.toJson() != readPlain(dayPartsPath))
        qFatal("the floors would not write the bytes the program writes");
    const auto floorSave = [&](const QJsonDocument &document, const QString &name) {
        if (!FloorSave::chainSave({{floorDir + name, document.toJson()}}))
            qFatal("cannot save %s", qPrintable(name));
    };

    const Rounds menuLoad = Rounds::alternate(rounds, [&] { menu.menuLoadJsonDocFile(); },
                                              [&] { parseFile(menuPath); });
    const Rounds menuText = Rounds::alternate(rounds, [&] { menu.menuDataModelToJson(); },
                                              [&] { menuDocument.toJson(); });
    const Rounds menuSave = Rounds::alternate(rounds, [&] {
        menu.saveProductsMenuJson();
        waitForChain(menuChain);
    }, [&] { floorSave(menuDocument, QStringLiteral("menu.json")); });
    const Rounds dayPartLoad = Rounds::alternate(rounds, [&] { dayParts.dayPartsLoadJsonDocFile(); },
                                                 [&] { parseFile(dayPartsPath); });
    const Rounds dayPartSave = Rounds::alternate(rounds, [&] {
        dayParts.saveDayPartFileJson();
        waitForChain(dayPartChain);
    }, [&] { floorSave(dayPartsDocument, QStringLiteral("dayParts.json")); });

    QTextStream out(stdout);
    out << "menu: " << menu.getRowCount() << " rows (" << productCount << " products, "
        << groupCount << " groups), 15 languages, " << QFileInfo(menuPath).size() << " bytes; dayParts.json "
        << QFileInfo(dayPartsPath).size() << " bytes; sync and mv from " << qEnvironmentVariable("TUL_TOOLS_DIR") << "\n";
    const QString parse = QStringLiteral("read, QJsonDocument parse, no model built");
    const QString chain = QStringLiteral("QJsonDocument text; .New written and fsync'ed, sync, mv, folder fsync'ed, "
                                         "detached sync");
    out << menuLoad.report(QStringLiteral("load menu.json"), parse);
    out << menuText.report(QStringLiteral("build the text of menu.json"), QStringLiteral("QJsonDocument text"));
    out << menuSave.report(QStringLiteral("save menu.json (whole chain)"), chain);
    out << dayPartLoad.report(QStringLiteral("load dayParts.json"), parse);
    out << dayPartSave.report(QStringLiteral("save dayParts.json (whole chain)"), chain);
    return menu.getRowCount() == productCount + groupCount ? 0 : 1;
}
