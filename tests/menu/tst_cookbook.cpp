// The cookbook's edit models: the copy of the menu, ids, products and groups kept
// consistent, the day-part edit model, the save with its cloud report, the refresh after
// a reload, and the timer-colour palette.
#include "menutestsupport.h"
#include "timercolorsdata.h"

#include <QtTest>

using M = MenuManager;

class TestCookbook : public QObject
{
    Q_OBJECT
    QScopedPointer<MenuTest::Cabinet> c;
    MenuManager *m = nullptr;
    const int G = M::firstGroupId;

    // A product, or a group when the id is a group id (then `members` and its default).
    void add(int id, const QString &name, const QStringList &members = {}, int defaultIndex = 0, int lower = 180,
             int upper = 180, int fan = 100, const QString &lid = QStringLiteral("None"), bool locked = false)
    {
        const bool group = id >= G;
        auto *row = new QStandardItem;
        row->setData(id, M::IdRole);
        row->setData(group ? QVariant(id) : QVariant(QStringLiteral("0")), M::GroupIdRole);
        row->setData(name, M::NameRole);
        row->setData(group ? QStringList{name} : QStringList{name, name + "-es"}, M::NamesListRole);
        if (!group) {
            row->setData(1800, M::HoldTimeRole);
            row->setData(300, M::WarningTimeRole);
            row->setData(1, M::PanSizeRole);
            row->setData(locked, M::ProductLockedRole);
        }
        row->setData(lower, M::LowerTempRole);
        row->setData(upper, M::UpperTempRole);
        row->setData(fan, M::TargetFanSpeedRole);
        row->setData(lid, M::LidTypeRole);
        row->setData(QStringLiteral("1/4"), M::PanSizeXRole);
        row->setData(members, M::ProductListRole);
        row->setData(group ? defaultIndex : -1, M::DefaultRole);
        m->productsModel()->appendRow(row);
    }
    int saveSameAs(int pid, int lower, int upper, int fan, int holdTime = 1800, const QString &lid = "None")
    {
        return m->saveProductEdit(pid, {QStringLiteral("P%1").arg(pid)}, holdTime, 300, lower, upper, 300, lid,
                                  "Normal", "1/4", fan, "#fffffd");
    }
    QString members(int groupRow) const { return m->getGroupEditGroupPList(groupRow).toStringList().join(' '); }
    QString group(int row) const
    {
        return members(row) + " | " + m->getGroupEditGroupsDefault(row).toString();
    }

private slots:
    void init()
    {
        c.reset(new MenuTest::Cabinet);
        m = c->menu;
        add(0, QString());
    }
    void cleanup() { c.reset(); }

    void timerForeColour_data()
    {
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("fore");
        QTest::newRow("dark brown, grey text") << "#402100" << "#a0a0a0";
        QTest::newRow("red, black text") << "#ff0000" << "#000000";
        QTest::newRow("upper case is not the palette's") << "#FF0000" << "";
        QTest::newRow("blue shade with grey text") << "#3030ff" << "#a0a0a0";
        QTest::newRow("next blue shade black") << "#6060ff" << "#000000";
        QTest::newRow("no colour") << "#fffffd" << "#fffffd";
        QTest::newRow("outside the palette") << "#123456" << "";
        QTest::newRow("empty") << "" << "";
    }
    void timerForeColour()
    {
        QFETCH(QString, background);
        QFETCH(QString, fore);
        QCOMPARE(m->getProductTimerForeColor(background), fore);
        const QList<QObject *> &palette = m->timerColorsDataList(); // a nine-column grid
        QStringList firstColumn;
        for (int row = 0; row < 9; ++row)
            firstColumn << palette.at(row * 9)->property("backColor").toString();
        QCOMPARE(firstColumn.join(' '), QStringLiteral("#fffffd #402100 #404000 #004000 #004040 #000040 #200040 #400040 #000000"));
        QCOMPARE(palette.size(), 81);
        QCOMPARE(palette.at(80)->property("backColor").toString(), QStringLiteral("#ffffff"));
    }

    // Opening splits products and groups, in the language in use (a group without that
    // translation keeps its own name); new ids fill the first gap.
    void openingAndNewIds_data()
    {
        QTest::addColumn<QList<int>>("used");
        QTest::addColumn<bool>("group");
        QTest::addColumn<int>("expected");
        QTest::newRow("gap at 3") << QList<int>{1, 2, 4} << false << 3;
        QTest::newRow("empty menu") << QList<int>{} << false << 1;
        QTest::newRow("first group id") << QList<int>{1, 2} << true << int(M::firstGroupId);
        QTest::newRow("next group id") << QList<int>{1, M::firstGroupId} << true << M::firstGroupId + 1;
    }
    void openingAndNewIds()
    {
        QFETCH(QList<int>, used);
        QFETCH(bool, group);
        QFETCH(int, expected);
        for (int id : used)
            add(id, QStringLiteral("P%1").arg(id), {QStringLiteral("1")});
        add(7, "Wings");
        add(5, "Fries");
        add(G + 7, "Sides", {"5"});
        c->translator->setLanguage(1);
        m->initializeEditDataModels();
        QCOMPARE(m->getProductEditId(m->getProductEditRowCount() - 1).toInt(), 5);
        m->sortProductEditModel();
        QCOMPARE(m->getProductEditName(m->getProductEditIndex(5)).toString(), QStringLiteral("Fries-es"));
        QVERIFY(m->getProductEditIndex(5) < m->getProductEditIndex(7)); // by name
        QCOMPARE(m->getGroupEditId(m->getGroupEditRowCount() - 1).toInt(), G + 7);
        QCOMPARE(m->getGroupEditName(m->getGroupEditRowCount() - 1).toString(), QStringLiteral("Sides"));
        QCOMPARE(group ? m->addNewEditGroup() : saveSameAs(0, 180, 180, 100), expected);
    }

    // A saved product keeps its place; the row is replaced whole, so it is unlocked
    // after every save, whatever it was before.
    void savingAProductKeepsItsPlace_data()
    {
        QTest::addColumn<bool>("lockedBefore");
        QTest::newRow("locked") << true;
        QTest::newRow("unlocked") << false;
    }
    void savingAProductKeepsItsPlace()
    {
        QFETCH(bool, lockedBefore);
        add(1, "A", {}, 0, 180, 180, 100, "None", lockedBefore);
        add(2, "B");
        m->initializeEditDataModels();
        QCOMPARE(m->getProductEditProductLocked(0).toBool(), lockedBefore);
        QCOMPARE(saveSameAs(1, 170, 170, 100, 2000), 1);
        QCOMPARE(m->getProductEditId(0).toInt(), 1);
        QCOMPARE(m->getProductEditHoldTime(0).toInt(), 2000);
        QCOMPARE(m->getProductEditProductLocked(0).toBool(), false);
        QCOMPARE(saveSameAs(0, 170, 170, 100), 3);
        QCOMPARE(m->getProductEditId(2).toInt(), 3);
        QCOMPARE(m->getProductEditProductLocked(2).toBool(), false);
    }

    void productLeavesGroupsWhoseSettingsItNoLongerShares_data()
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
    void productLeavesGroupsWhoseSettingsItNoLongerShares()
    {
        QFETCH(int, upper);
        QFETCH(int, fan);
        QFETCH(int, holdTime);
        QFETCH(QString, lid);
        QFETCH(bool, leaves);
        add(1, "A");
        add(2, "B");
        add(G, "G1", {"1", "2"}, 1);
        add(G + 1, "G2", {"2", "1"}, 0);
        m->initializeEditDataModels();
        QCOMPARE(m->checkProductInGroups(1, 180, upper, lid, "1/4", fan), leaves);
        m->saveProductEdit(1, {"A"}, holdTime, 300, 180, upper, 300, lid, "Normal", "1/4", fan, "#fffffd");
        QCOMPARE(group(0) + " / " + group(1), leaves ? QStringLiteral("2 | 0 / 2 | 0") : QStringLiteral("1 2 | 1 / 2 1 | 0"));
    }

    void removingAMemberMovesTheDefault_data()
    {
        QTest::addColumn<int>("defaultIndex");
        QTest::addColumn<int>("removed");
        QTest::addColumn<QString>("after");
        QTest::newRow("before the default") << 2 << 0 << "2 3 | 1";
        QTest::newRow("the default") << 2 << 2 << "1 2 | 0";
        QTest::newRow("after the default") << 0 << 2 << "1 2 | 0";
        QTest::newRow("past the end") << 1 << 3 << "1 2 3 | 1";
        QTest::newRow("negative") << 1 << -1 << "1 2 3 | 1";
    }
    void removingAMemberMovesTheDefault()
    {
        QFETCH(int, defaultIndex);
        QFETCH(int, removed);
        QFETCH(QString, after);
        add(G, "G", {"1", "2", "3"}, defaultIndex);
        m->initializeEditDataModels();
        m->groupEditRemoveProduct(G, removed);
        QCOMPARE(group(0), after);
    }

    // Members are sorted by name and keep their default; the first member of an empty
    // group sets its settings and is its default.
    void membersAreSortedByName()
    {
        add(1, "Nuggets", {}, 0, 170, 190, 80, "Solid");
        add(2, "Fries");
        add(3, "Wings");
        add(4, "bacon");
        add(5, "Apples");
        add(G, "G", {"2", "1"}, 1);
        m->initializeEditDataModels();
        const int empty = m->addNewEditGroup();
        m->groupEditAddProduct(G, 2); // Wings, by row
        m->groupEditAddProduct(G, 3); // bacon sorts after upper case
        m->groupEditAddProduct(G, 1); // Fries, already a member
        QCOMPARE(group(0), QStringLiteral("2 1 3 4 | 1"));
        m->groupEditAddProduct(G, 4); // Apples, first
        QCOMPARE(group(0), QStringLiteral("5 2 1 3 4 | 2"));
        m->groupEditAddProduct(empty, 0);
        QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(m->getGroupEditLowerTemp(1).toInt()).arg(m->getGroupEditUpperTemp(1).toInt())
                     .arg(m->getGroupEditFanSpeed(1).toInt()).arg(m->getGroupEditLidType(1).toString()), QStringLiteral("170 190 80 Solid"));
        QCOMPARE(m->getGroupEditGroupsDefault(1).toInt(), 0);
    }

    void deletedProductLeavesEveryGroup()
    {
        add(1, "Only", {}, 0, 0, 0);
        add(2, "Other");
        // A group with the zero settings the deletion compares against keeps no member either.
        add(G, "G1", {"1"}, 0, 0, 0, 100);
        add(G + 1, "G2", {"1", "2"}, 1);
        m->initializeEditDataModels();
        m->deleteProductFromEdit(0);
        QCOMPARE(m->getProductEditRowCount(), 1);
        QVERIFY(m->groupEditIsEmptyGroup(0));
        QVERIFY(!m->groupEditIsEmptyGroup(2));
        QCOMPARE(group(1), QStringLiteral("2 | 0"));
    }

    void dayPartEditModel()
    {
        add(5, "Bacon", {}, 0, 160, 170, 90);
        add(2, "Eggs");
        add(G, "Breakfast", {"5"}, 0, 160, 170, 90);
        m->initializeEditDataModels();
        m->initializeDayPartEditModel();
        QCOMPARE(MenuTest::columnOf(m->dayPartsEditModel(), "name"), QStringLiteral("Bacon,Breakfast,Eggs"));
        QCOMPARE(m->dayPartModelGetName(3).toString(), QString());
        QCOMPARE(m->dayPartModelGetGroupId(1).toInt(), G);
        QCOMPARE(m->dayPartEditGetName(G).toString(), QStringLiteral("Breakfast"));
        QCOMPARE(m->dayPartEditGetFanSpeed(0), -1);
        QCOMPARE(m->dayPartEditGetPanSize(0), 1);
        QCOMPARE(m->dayPartEditGetPanSize(99), 0);
        QCOMPARE(m->dayPartEditGetUpperTemp(5), 170);
        QCOMPARE(m->dayPartEditGetLowerTemp(99), 0);
    }
    void saveReportsTheOutcomeOnceTheFileIsWritten_data()
    {
        QTest::addColumn<QString>("iotType");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<int>("reports");
        QTest::newRow("saved") << "" << true << 1;
        QTest::newRow("not saved") << "" << false << 1;
        QTest::newRow("the cloud of QRB_LUMO hears nothing") << "QRB_LUMO" << true << 0;
    }

    void saveReportsTheOutcomeOnceTheFileIsWritten()
    {
        QFETCH(QString, iotType);
        QFETCH(bool, writable);
        QFETCH(int, reports);
        c->config->set_iotType(iotType);
        add(1, "A");
        m->initializeEditDataModels();
        saveSameAs(0, 180, 180, 100);
        if (!writable)
            QVERIFY(QDir().mkpath(c->file("menu.json.New/blocked")));
        QSignalSpy finished(m, &MenuManager::menuSaveFinished);
        QSignalSpy notified(m, &MenuManager::notifyMenuUpdated);
        m->saveEditModel();
        QCOMPARE(m->productsModel()->rowCount(), 3);
        QCOMPARE(m->getProductId(0).toInt(), 0);
        QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(m, "menuSaveChain")));
        QCOMPARE(notified.size(), reports);
        if (reports) {
            QCOMPARE(notified.first().at(1).toInt(), 1);
            QCOMPARE(notified.first().at(2).toBool(), writable);
            QVERIFY(writable || finished.isEmpty() || !finished.first().first().toBool());
        }
        QCOMPARE(MenuTest::readFile(c->file("menu.json")).contains("\"productId\": 2"),
                 writable);
    }

    void reloadedMenuReplacesUnsavedEdits()
    {
        add(1, "A");
        m->initializeEditDataModels();
        c->dayParts->dayPartEditInitialize();
        saveSameAs(0, 180, 180, 100);
        c->dayParts->dayPartEditSetProductId(0, 0, 0, 2);
        QSignalSpy refreshed(m, &MenuManager::editModelsRefreshed);
        QVERIFY(c->place("menu_multilang.json", "menu.json"));
        m->menuLoadJsonDocFile();
        QVERIFY(refreshed.wait());
        QCOMPARE(refreshed.size(), 1);
        QCOMPARE(m->getProductEditRowCount() + m->getGroupEditRowCount(),
                 m->productsModel()->rowCount() - 1);
        QCOMPARE(c->dayParts->dayPartEditGetProductId(0, 0, 0), c->dayParts->dayPartGetProductId(0, 0, 0));
    }
};

QTEST_MAIN(TestCookbook)
#include "tst_cookbook.moc"
