// The cookbook's edit models: the copy of the menu, ids, products and groups kept
// consistent, the day-part edit model, the save with its cloud report, the refresh after
// a reload, and the timer-colour palette.
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "menumanager.h"
#include "menutestsupport.h"
#include "roleitemmodel.h"
#include "timercolorsdata.h"
#include "translator.h"

#include <QtTest>

using M = MenuManager;

class TestCookbook : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void timerForeColour_data();
    void timerForeColour();
    void paletteIsANineColumnGrid();

    void openingSplitsProductsAndGroups();
    void newIds_data();
    void newIds();
    void savingAProductKeepsItsPlaceAndLock();
    void productLeavesGroupsWhoseSettingsItNoLongerShares_data();
    void productLeavesGroupsWhoseSettingsItNoLongerShares();
    void removingAMemberMovesTheDefault_data();
    void removingAMemberMovesTheDefault();
    void membersAreSortedByNameAndKeepTheirDefault();
    void deletedProductLeavesEveryGroup();
    void dayPartEditModel();
    void saveReportsTheOutcomeOnceTheFileIsWritten_data();
    void saveReportsTheOutcomeOnceTheFileIsWritten();
    void reloadedMenuReplacesUnsavedEdits();

private:
    void addProduct(int id, const QString &name, int lower = 180, int upper = 180, int fan = 100,
                    const QString &lid = QStringLiteral("None"), bool locked = false);
    void addGroup(int id, const QString &name, const QStringList &members, int defaultIndex = 0,
                  int lower = 180, int upper = 180, int fan = 100);
    int saveSameAs(int pid, int lower, int upper, int fan, int holdTime = 1800,
                   const QString &lid = QStringLiteral("None"));

    QScopedPointer<ScratchRoots> m_roots;
    QScopedPointer<FakeCabinetCore> m_core;
    ConfigurationManager *m_config = nullptr;
    MenuManager *m_menu = nullptr;
    DayPartManager *m_dayParts = nullptr;
};

void TestCookbook::init()
{
    m_roots.reset(new ScratchRoots);
    m_core.reset(new FakeCabinetCore);
    m_core->translatorPtr = new Translator(m_core.data());
    m_config = new ConfigurationManager(nullptr, nullptr, true, 1, m_core.data());
    m_core->configManagerPtr = m_config;
    m_menu = new MenuManager(m_core.data());
    m_core->menuManagerPtr = m_menu;
    m_dayParts = new DayPartManager(5, 4, m_menu, m_core.data());
    m_core->daypartManagerPtr = m_dayParts;
    addProduct(0, QString());
}

void TestCookbook::cleanup()
{
    m_core.reset();
    m_roots.reset();
}

void TestCookbook::addProduct(int id, const QString &name, int lower, int upper, int fan, const QString &lid,
                              bool locked)
{
    auto *row = new QStandardItem;
    row->setData(id, M::IdRole);
    row->setData(name, M::NameRole);
    row->setData(QStringList{name, name + QStringLiteral("-es")}, M::NamesListRole);
    row->setData(1800, M::HoldTimeRole);
    row->setData(300, M::WarningTimeRole);
    row->setData(lower, M::LowerTempRole);
    row->setData(upper, M::UpperTempRole);
    row->setData(fan, M::TargetFanSpeedRole);
    row->setData(lid, M::LidTypeRole);
    row->setData(QStringLiteral("1/4"), M::PanSizeXRole);
    row->setData(1, M::PanSizeRole);
    row->setData(QStringLiteral("0"), M::GroupIdRole);
    row->setData(QStringList(), M::ProductListRole);
    row->setData(-1, M::DefaultRole);
    row->setData(locked, M::ProductLockedRole);
    m_menu->productsModel()->appendRow(row);
}

void TestCookbook::addGroup(int id, const QString &name, const QStringList &members, int defaultIndex,
                            int lower, int upper, int fan)
{
    auto *row = new QStandardItem;
    row->setData(id, M::IdRole);
    row->setData(id, M::GroupIdRole);
    row->setData(name, M::NameRole);
    row->setData(QStringList{name}, M::NamesListRole);
    row->setData(lower, M::LowerTempRole);
    row->setData(upper, M::UpperTempRole);
    row->setData(fan, M::TargetFanSpeedRole);
    row->setData(QStringLiteral("None"), M::LidTypeRole);
    row->setData(QStringLiteral("1/4"), M::PanSizeXRole);
    row->setData(members, M::ProductListRole);
    row->setData(defaultIndex, M::DefaultRole);
    m_menu->productsModel()->appendRow(row);
}

int TestCookbook::saveSameAs(int pid, int lower, int upper, int fan, int holdTime, const QString &lid)
{
    return m_menu->saveProductEdit(pid, QStringList{QStringLiteral("P%1").arg(pid)}, holdTime, 300, lower, upper,
                                   300, lid, QStringLiteral("Normal"), QStringLiteral("1/4"), fan,
                                   QStringLiteral("#fffffd"));
}

void TestCookbook::timerForeColour_data()
{
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("fore");
    QTest::newRow("dark brown, grey text") << "#402100" << "#a0a0a0";
    QTest::newRow("red, black text") << "#ff0000" << "#000000";
    QTest::newRow("upper case as imported") << "#FF0000" << "#000000";
    QTest::newRow("blue shade with grey text") << "#3030ff" << "#a0a0a0";
    QTest::newRow("next blue shade black") << "#6060ff" << "#000000";
    QTest::newRow("no colour") << "#fffffd" << "#fffffd";
    QTest::newRow("outside the palette") << "#123456" << "";
    QTest::newRow("empty") << "" << "";
}

void TestCookbook::timerForeColour()
{
    QFETCH(QString, background);
    QFETCH(QString, fore);
    QCOMPARE(m_menu->getProductTimerForeColor(background), fore);
}

void TestCookbook::paletteIsANineColumnGrid()
{
    const QList<QObject *> &palette = m_menu->timerColorsDataList();
    QCOMPARE(palette.size(), 81);
    QStringList firstColumn;
    for (int row = 0; row < 9; ++row)
        firstColumn << palette.at(row * 9)->property("backColor").toString();
    QCOMPARE(firstColumn, QString("#fffffd #402100 #404000 #004000 #004040 #000040 #200040 #400040 #000000")
                              .split(' '));
    QCOMPARE(palette.at(80)->property("backColor").toString(), QStringLiteral("#ffffff"));
}

void TestCookbook::openingSplitsProductsAndGroups()
{
    addProduct(7, QStringLiteral("Wings"));
    addProduct(3, QStringLiteral("Fries"));
    addGroup(M::firstGroupId, QStringLiteral("Sides"), {QStringLiteral("3")});
    m_core->translatorPtr->setLanguage(1);
    m_menu->initializeEditDataModels();
    QCOMPARE(m_menu->getProductEditRowCount(), 2);
    QCOMPARE(m_menu->getProductEditId(0).toInt(), 7);
    m_menu->sortProductEditModel();
    QCOMPARE(m_menu->getProductEditId(0).toInt(), 3);
    QCOMPARE(m_menu->getProductEditId(1).toInt(), 7);
    // The name of the language in use; a group without that translation keeps its own.
    QCOMPARE(m_menu->getProductEditName(0).toString(), QStringLiteral("Fries-es"));
    QCOMPARE(m_menu->getGroupEditRowCount(), 1);
    QCOMPARE(m_menu->getGroupEditId(0).toInt(), M::firstGroupId);
    QCOMPARE(m_menu->getGroupEditName(0).toString(), QStringLiteral("Sides"));
}

void TestCookbook::newIds_data()
{
    QTest::addColumn<QList<int>>("used");
    QTest::addColumn<bool>("group");
    QTest::addColumn<int>("expected");
    QTest::newRow("gap at 3") << QList<int>{1, 2, 4} << false << 3;
    QTest::newRow("empty menu") << QList<int>{} << false << 1;
    QTest::newRow("first group id") << QList<int>{1, 2} << true << M::firstGroupId;
    QTest::newRow("next group id") << QList<int>{1, M::firstGroupId} << true << M::firstGroupId + 1;
}

void TestCookbook::newIds()
{
    QFETCH(QList<int>, used);
    QFETCH(bool, group);
    QFETCH(int, expected);
    for (int id : used) {
        if (id >= M::firstGroupId)
            addGroup(id, QStringLiteral("G"), {});
        else
            addProduct(id, QStringLiteral("P"));
    }
    m_menu->initializeEditDataModels();
    QCOMPARE(group ? m_menu->addNewEditGroup() : saveSameAs(0, 180, 180, 100), expected);
}

void TestCookbook::savingAProductKeepsItsPlaceAndLock()
{
    addProduct(1, QStringLiteral("A"), 180, 180, 100, QStringLiteral("None"), true);
    addProduct(2, QStringLiteral("B"));
    m_menu->initializeEditDataModels();
    QCOMPARE(saveSameAs(1, 170, 170, 100, 2000), 1);
    QCOMPARE(m_menu->getProductEditId(0).toInt(), 1);
    QCOMPARE(m_menu->getProductEditHoldTime(0).toInt(), 2000);
    QCOMPARE(m_menu->getProductEditProductLocked(0).toBool(), true);
    QCOMPARE(saveSameAs(0, 170, 170, 100), 3);
    QCOMPARE(m_menu->getProductEditId(2).toInt(), 3);
    QCOMPARE(m_menu->getProductEditProductLocked(2).toBool(), false);
}

void TestCookbook::productLeavesGroupsWhoseSettingsItNoLongerShares_data()
{
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("fan");
    QTest::addColumn<int>("holdTime");
    QTest::addColumn<QString>("lid");
    QTest::addColumn<bool>("leaves");
    QTest::newRow("hold time only") << 180 << 100 << 2400 << "None" << false;
    QTest::newRow("upper temperature") << 190 << 100 << 1800 << "None" << true;
    QTest::newRow("fan speed") << 180 << 80 << 1800 << "None" << true;
    QTest::newRow("lid") << 180 << 100 << 1800 << "Vented" << true;
}

void TestCookbook::productLeavesGroupsWhoseSettingsItNoLongerShares()
{
    QFETCH(int, upper);
    QFETCH(int, fan);
    QFETCH(int, holdTime);
    QFETCH(QString, lid);
    QFETCH(bool, leaves);
    addProduct(1, QStringLiteral("A"));
    addProduct(2, QStringLiteral("B"));
    addGroup(M::firstGroupId, QStringLiteral("G1"), {QStringLiteral("1"), QStringLiteral("2")}, 1);
    addGroup(M::firstGroupId + 1, QStringLiteral("G2"), {QStringLiteral("2"), QStringLiteral("1")}, 0);
    m_menu->initializeEditDataModels();
    QCOMPARE(m_menu->checkProductInGroups(1, 180, upper, lid, QStringLiteral("1/4"), fan), leaves);
    m_menu->saveProductEdit(1, QStringList{QStringLiteral("A")}, holdTime, 300, 180, upper, 300, lid,
                            QStringLiteral("Normal"), QStringLiteral("1/4"), fan, QStringLiteral("#fffffd"));
    const QStringList kept{QStringLiteral("2")};
    QCOMPARE(m_menu->getGroupEditGroupPList(0).toStringList().size(), leaves ? 1 : 2);
    QCOMPARE(m_menu->getGroupEditGroupPList(1).toStringList().size(), leaves ? 1 : 2);
    if (leaves) {
        QCOMPARE(m_menu->getGroupEditGroupPList(0).toStringList(), kept);
        QCOMPARE(m_menu->getGroupEditGroupsDefault(0).toInt(), 0);
        QCOMPARE(m_menu->getGroupEditGroupsDefault(1).toInt(), 0);
    }
}

void TestCookbook::removingAMemberMovesTheDefault_data()
{
    QTest::addColumn<int>("defaultIndex");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("newDefault");
    QTest::addColumn<int>("members");
    QTest::newRow("before the default") << 2 << 0 << 1 << 2;
    QTest::newRow("the default") << 2 << 2 << 0 << 2;
    QTest::newRow("after the default") << 0 << 2 << 0 << 2;
    QTest::newRow("past the end") << 1 << 3 << 1 << 3;
    QTest::newRow("negative") << 1 << -1 << 1 << 3;
}

void TestCookbook::removingAMemberMovesTheDefault()
{
    QFETCH(int, defaultIndex);
    QFETCH(int, removed);
    QFETCH(int, newDefault);
    QFETCH(int, members);
    addGroup(M::firstGroupId, QStringLiteral("G"), {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
             defaultIndex);
    m_menu->initializeEditDataModels();
    m_menu->groupEditRemoveProduct(M::firstGroupId, removed);
    QCOMPARE(m_menu->getGroupEditGroupsDefault(0).toInt(), newDefault);
    QCOMPARE(m_menu->getGroupEditGroupPList(0).toStringList().size(), members);
}

void TestCookbook::membersAreSortedByNameAndKeepTheirDefault()
{
    addProduct(1, QStringLiteral("Nuggets"), 170, 190, 80, QStringLiteral("Solid"));
    addProduct(2, QStringLiteral("Fries"));
    addProduct(3, QStringLiteral("Wings"));
    addProduct(4, QStringLiteral("bacon"));
    addProduct(5, QStringLiteral("Apples"));
    addGroup(M::firstGroupId, QStringLiteral("G"), {QStringLiteral("2"), QStringLiteral("1")}, 1);
    m_menu->initializeEditDataModels();
    const int empty = m_menu->addNewEditGroup();

    m_menu->groupEditAddProduct(M::firstGroupId, 2);  // Wings, by row
    m_menu->groupEditAddProduct(M::firstGroupId, 3);  // bacon sorts after upper case
    m_menu->groupEditAddProduct(M::firstGroupId, 1);  // Fries, already a member
    QCOMPARE(m_menu->getGroupEditGroupPList(0).toStringList(), QString("2 1 3 4").split(' '));
    QCOMPARE(m_menu->getGroupEditGroupsDefault(0).toInt(), 1);
    m_menu->groupEditAddProduct(M::firstGroupId, 4);  // Apples, first
    QCOMPARE(m_menu->getGroupEditGroupPList(0).toStringList(), QString("5 2 1 3 4").split(' '));
    QCOMPARE(m_menu->getGroupEditGroupsDefault(0).toInt(), 2);

    // The first member sets an empty group's settings and is its default.
    m_menu->groupEditAddProduct(empty, 0);
    QCOMPARE(m_menu->getGroupEditLowerTemp(1).toInt(), 170);
    QCOMPARE(m_menu->getGroupEditUpperTemp(1).toInt(), 190);
    QCOMPARE(m_menu->getGroupEditFanSpeed(1).toInt(), 80);
    QCOMPARE(m_menu->getGroupEditLidType(1).toString(), QStringLiteral("Solid"));
    QCOMPARE(m_menu->getGroupEditGroupsDefault(1).toInt(), 0);
}

void TestCookbook::deletedProductLeavesEveryGroup()
{
    addProduct(1, QStringLiteral("Only"), 0, 0);
    addProduct(2, QStringLiteral("Other"));
    // A group with the zero settings the deletion compares against keeps no member either.
    addGroup(M::firstGroupId, QStringLiteral("G1"), {QStringLiteral("1")}, 0, 0, 0, 100);
    addGroup(M::firstGroupId + 1, QStringLiteral("G2"), {QStringLiteral("1"), QStringLiteral("2")}, 1);
    m_menu->initializeEditDataModels();
    m_menu->deleteProductFromEdit(0);
    QCOMPARE(m_menu->getProductEditRowCount(), 1);
    QVERIFY(m_menu->groupEditIsEmptyGroup(0));
    QVERIFY(!m_menu->groupEditIsEmptyGroup(2));
    QCOMPARE(m_menu->getGroupEditGroupPList(1).toStringList(), QStringList{QStringLiteral("2")});
    QCOMPARE(m_menu->getGroupEditGroupsDefault(1).toInt(), 0);
}

void TestCookbook::dayPartEditModel()
{
    addProduct(5, QStringLiteral("Bacon"), 160, 170, 90);
    addProduct(2, QStringLiteral("Eggs"));
    addGroup(M::firstGroupId, QStringLiteral("Breakfast"), {QStringLiteral("5")}, 0, 160, 170, 90);
    m_menu->initializeEditDataModels();
    m_menu->initializeDayPartEditModel();
    QStringList names;
    for (int row = 0; row < 3; ++row)
        names << m_menu->dayPartModelGetName(row).toString();
    QCOMPARE(names, QString("Bacon Breakfast Eggs").split(' '));
    QCOMPARE(m_menu->dayPartModelGetGroupId(1).toInt(), M::firstGroupId);
    QCOMPARE(m_menu->dayPartEditGetName(M::firstGroupId).toString(), QStringLiteral("Breakfast"));
    QCOMPARE(m_menu->dayPartEditGetFanSpeed(0), -1);
    QCOMPARE(m_menu->dayPartEditGetPanSize(0), 1);
    QCOMPARE(m_menu->dayPartEditGetPanSize(99), 0);
    QCOMPARE(m_menu->dayPartEditGetUpperTemp(5), 170);
    QCOMPARE(m_menu->dayPartEditGetLowerTemp(99), 0);
    QCOMPARE(m_menu->dayPartModelGetName(3).toString(), QString());
}

void TestCookbook::saveReportsTheOutcomeOnceTheFileIsWritten_data()
{
    QTest::addColumn<QString>("iotType");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<int>("reports");
    QTest::newRow("saved") << "" << true << 1;
    QTest::newRow("not saved") << "" << false << 1;
    QTest::newRow("the cloud of QRB_LUMO hears nothing") << "QRB_LUMO" << true << 0;
}

void TestCookbook::saveReportsTheOutcomeOnceTheFileIsWritten()
{
    QFETCH(QString, iotType);
    QFETCH(bool, writable);
    QFETCH(int, reports);
    m_config->set_iotType(iotType);
    addProduct(1, QStringLiteral("A"));
    m_menu->initializeEditDataModels();
    saveSameAs(0, 180, 180, 100);
    if (!writable)
        QVERIFY(QDir().mkpath(m_roots->root() + QStringLiteral("menu.json.New/blocked")));
    QSignalSpy finished(m_menu, &MenuManager::menuSaveFinished);
    QSignalSpy notified(m_menu, &MenuManager::notifyMenuUpdated);
    m_menu->saveEditModel();
    QCOMPARE(m_menu->productsModel()->rowCount(), 3);
    QCOMPARE(m_menu->getProductId(0).toInt(), 0);
    QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(m_menu, "menuSaveChain")));
    QCOMPARE(notified.size(), reports);
    if (reports) {
        QCOMPARE(notified.first().at(1).toInt(), 1);
        QCOMPARE(notified.first().at(2).toBool(), writable);
        QVERIFY(writable || finished.isEmpty() || !finished.first().first().toBool());
    }
    QCOMPARE(MenuTest::readFile(m_roots->root() + QStringLiteral("menu.json")).contains("\"productId\": 2"),
             writable);
}

void TestCookbook::reloadedMenuReplacesUnsavedEdits()
{
    addProduct(1, QStringLiteral("A"));
    m_menu->initializeEditDataModels();
    m_dayParts->dayPartEditInitialize();
    saveSameAs(0, 180, 180, 100);
    m_dayParts->dayPartEditSetProductId(0, 0, 0, 2);
    QSignalSpy refreshed(m_menu, &MenuManager::editModelsRefreshed);
    QVERIFY(MenuTest::placeFixture(*m_roots, "menu_multilang.json", "menu.json"));
    m_menu->menuLoadJsonDocFile();
    QVERIFY(refreshed.wait());
    QCOMPARE(refreshed.size(), 1);
    QCOMPARE(m_menu->getProductEditRowCount() + m_menu->getGroupEditRowCount(),
             m_menu->productsModel()->rowCount() - 1);
    QCOMPARE(m_dayParts->dayPartEditGetProductId(0, 0, 0), m_dayParts->dayPartGetProductId(0, 0, 0));
}

QTEST_MAIN(TestCookbook)
#include "tst_cookbook.moc"
