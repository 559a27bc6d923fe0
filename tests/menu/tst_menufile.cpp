// The menu file: loading with its fallbacks and the legacy migration, the text of the
// file, round trips, and the save chain with its hand-over to the other display.
#include "fakecabinetcore.h"
#include "filesavechain.h"
#include "menumanager.h"
#include "menutestsupport.h"
#include "roleitemmodel.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

class TestMenuFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void missingOrEmptyFileLoadsTheDefaultMenu_data();
    void missingOrEmptyFileLoadsTheDefaultMenu();
    void unusableFileIsSetAside_data();
    void unusableFileIsSetAside();
    void looselyTypedEntriesReadAsDefaults();
    void roundTripKeepsLanguagesGroupsAndEmptyGroups();
    void groupWithIdZeroIsSavedAsAProduct();

    void bothFilesPresentDeletesTheLegacyListUnread();
    void legacyListIsMigratedAndDeletedOnlyWhenSaved();
    void failedMigrationKeepsTheLegacyList();
    void unwritableMigrationKeepsTheListInMemory();
    void emptyMenuFileDoesNotOutrankTheLegacyList();
    void interruptedSaveIsCompletedAtStart();
    void incompleteTemporaryFileFallsBackToTheDefaultMenu();
    void loadDuringASaveKeepsTheMenuBeingSaved();

    void saveChainRunsInOrderAndEndsOnTheCanBus();
    void failedMoveStopsTheChainAndSendsNothing();
    void temporaryFileThatCannotBeOpenedStartsNothing();
    void savesOfOneFileNeverOverlap();
    void reloadSignalReloadsTheFile();

private:
    QString rootFile(const QString &name) const { return m_roots->root() + name; }
    FileSaveChain *chain() const { return MenuTest::chainOf(m_menu, "menuSaveChain"); }
    void loadFixture(const QString &name);
    QScopedPointer<ScratchRoots> m_roots;
    QScopedPointer<FakeCabinetCore> m_core;
    MenuManager *m_menu = nullptr;
};

void TestMenuFile::init()
{
    m_roots.reset(new ScratchRoots);
    m_core.reset(new FakeCabinetCore);
    m_core->hasSecondaryDisplay = true;
    m_menu = new MenuManager(m_core.data());
    m_core->menuManagerPtr = m_menu;
}

void TestMenuFile::cleanup()
{
    m_core.reset();
    m_roots.reset();
}

void TestMenuFile::loadFixture(const QString &name)
{
    QVERIFY(MenuTest::placeFixture(*m_roots, name, "menu.json"));
    m_menu->menuLoadJsonDocFile();
}

void TestMenuFile::missingOrEmptyFileLoadsTheDefaultMenu_data()
{
    QTest::addColumn<bool>("emptyFile");
    QTest::newRow("missing") << false;
    QTest::newRow("empty") << true;
}

void TestMenuFile::missingOrEmptyFileLoadsTheDefaultMenu()
{
    QFETCH(bool, emptyFile);
    m_core->traysPerZone = 3;
    if (emptyFile) {
        QVERIFY(MenuTest::placeFixture(*m_roots, "menu_empty.json", "menu.json"));
        QTest::ignoreMessage(QtWarningMsg, "menu.json file size is 0???... using default file.");
    } else {
        QTest::ignoreMessage(QtDebugMsg, "menu.json doesn't exist, using default file.");
    }
    QTest::ignoreMessage(QtDebugMsg, "Loading default menu - :/defaultMenu.json");
    m_menu->menuLoadJsonDocFile();

    QCOMPARE(m_menu->getRowCount(), 41);
    QCOMPARE(m_menu->getProductId(40).toInt(), 40);
    QCOMPARE(m_menu->getProductName(0).toString(), QString());
    QCOMPARE(m_menu->getProductLidType(0).toString(), QStringLiteral("None"));
    QCOMPARE(m_menu->getProductBottomType(1).toString(), QStringLiteral("Normal"));
    QCOMPARE(m_menu->getProductLowerTemp(5), m_menu->getProductUpperTemp(5));
    // Numeric pan splits of the default menu count as missing.
    QCOMPARE(m_menu->getProductPanSize(2).toInt(), 1);
    QCOMPARE(m_menu->getProductPanSizeX(2).toString(), QStringLiteral("1/3"));
    // Nothing is written until the next save.
    QVERIFY(!QFileInfo::exists(rootFile("menu.json.New")));
    QCOMPARE(QFileInfo(rootFile("menu.json")).exists(), emptyFile);
    QVERIFY(m_roots->toolCalls().isEmpty());
}

void TestMenuFile::unusableFileIsSetAside_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("why");
    QTest::addColumn<bool>("atStart"); // else a menu is in memory, and stays
    QTest::newRow("wrong version") << "menu_wrong_version.json" << "not a menu of version 1" << false;
    QTest::newRow("invalid JSON") << "menu_invalid.json" << "at offset" << false;
    QTest::newRow("top level not an object") << "menu_not_object.json" << "not a menu" << false;
    QTest::newRow("nested arrays at start") << "menu_nested_arrays.json"
                                            << "\"products\" holds a list in the list" << true;
    QTest::newRow("repeated key at start") << "menu_repeated_key.json" << "names a key twice" << true;
}

void TestMenuFile::unusableFileIsSetAside()
{
    QFETCH(QString, fixture);
    QFETCH(QString, why);
    QFETCH(bool, atStart);
    if (!atStart)
        loadFixture("menu_multilang.json");
    const auto before = MenuTest::rowsOf(m_menu->productsModel());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("menu.json cannot be used \\(.*" + QRegularExpression::escape(why)
                                                          + ".*\\); kept as .*menu.json.unusable-"));
    loadFixture(fixture);
    if (atStart)
        QCOMPARE(m_menu->getRowCount(), 41); // the default menu, as without a file
    else
        QCOMPARE(MenuTest::rowsOf(m_menu->productsModel()), before);
    QVERIFY(!QFileInfo::exists(rootFile("menu.json")));
    QCOMPARE(QDir(m_roots->root()).entryList({"menu.json.unusable-*"}).size(), 1);
    QVERIFY(m_roots->toolCalls().isEmpty());
}

void TestMenuFile::looselyTypedEntriesReadAsDefaults()
{
    m_core->traysPerZone = 3;
    loadFixture("menu_loose_types.json");
    QCOMPARE(m_menu->getRowCount(), 7); // 5 product entries (one not an object), 2 groups
    QVariantMap numeric = RoleItemModel::getModelData(m_menu->productsModel(), 1);
    QCOMPARE(numeric.value("panSize").toInt(), 1);
    QCOMPARE(numeric.value("panSizeX").toString(), QStringLiteral("1/3"));
    QCOMPARE(numeric.value("warningTime").toInt(), 0);   // fractional
    QCOMPARE(numeric.value("resetTime").toInt(), 0);     // text
    QCOMPARE(numeric.value("targetFanSpeed").toInt(), 0);
    QCOMPARE(numeric.value("lidType").toString(), QString());
    QCOMPARE(numeric.value("timerColor").toString(), QStringLiteral("#fffffd"));
    QCOMPARE(numeric.value("productLocked").toBool(), false);
    QCOMPARE(numeric.value("namesList").toStringList().size(), 15);

    const QVariantMap odd = RoleItemModel::getModelData(m_menu->productsModel(), 2);
    QCOMPARE(odd.value("name").toString(), QString());
    QCOMPARE(odd.value("panSizeX").toString(), QStringLiteral("1/3"));
    QCOMPARE(odd.value("timerColor").toString(), QStringLiteral("#fffffd"));
    const QVariantMap unknownSplit = RoleItemModel::getModelData(m_menu->productsModel(), 3);
    QCOMPARE(unknownSplit.value("panSize").toInt(), 1);
    QCOMPARE(unknownSplit.value("timerColor").toString(), QStringLiteral("#12ab9F"));
    QCOMPARE(RoleItemModel::getModelData(m_menu->productsModel(), 4).value("id").toInt(), 0);

    const QVariantMap group = RoleItemModel::getModelData(m_menu->productsModel(), 6);
    QCOMPARE(group.value("groupID").toInt(), 1073741830);
    QCOMPARE(group.value("productList").toStringList(), (QStringList{"21", "0", "0", "23"}));
    QCOMPARE(group.value("default").toInt(), 7);
    QCOMPARE(group.value("panSize").toInt(), 3);
    QCOMPARE(group.value("bottomType").toString(), QStringLiteral("0"));
    QCOMPARE(group.value("name").toString(), QString());
    QCOMPARE(group.value("namesList").toStringList().at(5), QStringLiteral("Nur deutsch"));
}

void TestMenuFile::roundTripKeepsLanguagesGroupsAndEmptyGroups()
{
    loadFixture("menu_multilang.json");
    const auto loaded = MenuTest::rowsOf(m_menu->productsModel());
    const QByteArray text = m_menu->menuDataModelToJson();
    QCOMPARE(MenuTest::jsonOf(text), MenuTest::jsonOf(MenuTest::readFile(MenuTest::fixture("menu_multilang.json"))));
    QVERIFY(text.contains("\n    \"menuVersion\": 1,\n"));      // indented, four spaces
    QVERIFY(text.indexOf("\"menuVersion\"") < text.indexOf("\"productGroups\""));

    QVERIFY(m_menu->saveProductsMenuJson());
    QVERIFY(MenuTest::waitUntilIdle(chain()));
    QCOMPARE(MenuTest::readFile(rootFile("menu.json")), text);
    m_menu->productsModel()->clear();
    m_menu->menuLoadJsonDocFile();
    QCOMPARE(MenuTest::rowsOf(m_menu->productsModel()), loaded);
    QCOMPARE(m_menu->menuDataModelToJson(), text);

    const QJsonObject emptyGroup = MenuTest::jsonOf(text).object().value("productGroups").toArray().at(1).toObject();
    QCOMPARE(emptyGroup.value("products").toArray(), QJsonArray());
    QCOMPARE(emptyGroup.value("groupName").toObject().size(), 15);
}

void TestMenuFile::groupWithIdZeroIsSavedAsAProduct()
{
    loadFixture("menu_loose_types.json");
    const QJsonObject saved = MenuTest::jsonOf(m_menu->menuDataModelToJson()).object();
    QCOMPARE(saved.value("products").toArray().size(), 6);
    QCOMPARE(saved.value("productGroups").toArray().size(), 1);
    const QJsonObject fromGroup = saved.value("products").toArray().at(5).toObject();
    QCOMPARE(fromGroup.value("productName").toObject().value("eng_USA").toString(), QStringLiteral("Group id zero"));
    QCOMPARE(fromGroup.value("timerColor").toString(), QStringLiteral("#fffffd"));
    for (const QJsonValue &product : saved.value("products").toArray())
        QCOMPARE(product.toObject().size(), 13);
}

void TestMenuFile::bothFilesPresentDeletesTheLegacyListUnread()
{
    QVERIFY(MenuTest::placeFixture(*m_roots, "productsList_legacy.txt", "productsList.txt"));
    loadFixture("menu_multilang.json");
    QVERIFY(!QFileInfo::exists(rootFile("productsList.txt")));
    QCOMPARE(m_menu->getRowCount(), 6);
    QCOMPARE(m_menu->getProductId(1).toInt(), 12);
    QCOMPARE(m_menu->getProductHoldTime(1).toInt(), 600);
    QVERIFY(m_roots->toolCalls().isEmpty());
}

void TestMenuFile::legacyListIsMigratedAndDeletedOnlyWhenSaved()
{
    QVERIFY(MenuTest::placeFixture(*m_roots, "productsList_legacy.txt", "productsList.txt"));
    QTest::ignoreMessage(QtWarningMsg, qPrintable("Unable to Open File: " + rootFile("menu.json")));
    m_menu->menuLoadJsonDocFile();
    QCOMPARE(m_menu->getRowCount(), 6);
    QVERIFY(QFileInfo::exists(rootFile("menu.json.New")));
    // The list stays until its content is safely in the menu file.
    QVERIFY(QFileInfo::exists(rootFile("productsList.txt")));
    QVERIFY(MenuTest::waitUntilIdle(chain()));
    QVERIFY(QFileInfo::exists(rootFile("menu.json")));
    QVERIFY(!QFileInfo::exists(rootFile("menu.json.New")));
    QVERIFY(!QFileInfo::exists(rootFile("productsList.txt")));

    MenuManager reader(m_core.data());
    reader.menuLoadJsonDocFile();
    QCOMPARE(reader.getRowCount(), 6);
    QCOMPARE(reader.getProductGroupPList(51).toStringList(), (QStringList{"12", "14"}));
    QCOMPARE(reader.getProductHoldTime(reader.getProductIndex(13)).toInt(), 1200);
}

void TestMenuFile::failedMigrationKeepsTheLegacyList()
{
    QVERIFY(MenuTest::placeFixture(*m_roots, "productsList_legacy.txt", "productsList.txt"));
    m_roots->setVariable("TUL_STANDIN_MV_FAIL", "1");
    QTest::ignoreMessage(QtWarningMsg, qPrintable("Unable to Open File: " + rootFile("menu.json")));
    m_menu->menuLoadJsonDocFile();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Moving .*menu.json.New to .* failed"));
    QTest::ignoreMessage(QtWarningMsg, "The menu was not saved; menu.json keeps its previous content.");
    QVERIFY(MenuTest::waitUntilIdle(chain()));
    QVERIFY(QFileInfo::exists(rootFile("productsList.txt")));
    QVERIFY(!QFileInfo::exists(rootFile("menu.json")));
    QVERIFY(m_core->sent.isEmpty());

    // The next start finds the list and the complete temporary file: the save is
    // completed, and only then is the list deleted.
    m_roots->setVariable("TUL_STANDIN_MV_FAIL", "");
    MenuManager restarted(m_core.data());
    restarted.menuLoadJsonDocFile();
    QCOMPARE(restarted.getRowCount(), 6);
    QVERIFY(QFileInfo::exists(rootFile("menu.json")));
    QVERIFY(!QFileInfo::exists(rootFile("productsList.txt")));
}

void TestMenuFile::unwritableMigrationKeepsTheListInMemory()
{
    // The temporary file cannot be created (here: a folder has its name). The cabinet
    // must go on with its own products, not with the default menu.
    QVERIFY(MenuTest::placeFixture(*m_roots, "productsList_legacy.txt", "productsList.txt"));
    QVERIFY(QDir(m_roots->root()).mkdir("menu.json.New"));
    QTest::ignoreMessage(QtWarningMsg, "Unable to Open File for saving!!!");
    m_menu->menuLoadJsonDocFile();
    QCOMPARE(m_menu->getRowCount(), 6);
    QCOMPARE(m_menu->getProductHoldTime(m_menu->getProductIndex(13)).toInt(), 1200);
    QVERIFY(QFileInfo::exists(rootFile("productsList.txt")));
    QVERIFY(!QFileInfo::exists(rootFile("menu.json")));
    QVERIFY(m_roots->toolCalls().isEmpty());
}

void TestMenuFile::emptyMenuFileDoesNotOutrankTheLegacyList()
{
    QVERIFY(MenuTest::placeFixture(*m_roots, "productsList_legacy.txt", "productsList.txt"));
    QVERIFY(MenuTest::placeFixture(*m_roots, "menu_empty.json", "menu.json"));
    m_menu->menuLoadJsonDocFile();
    QCOMPARE(m_menu->getRowCount(), 6); // the list, not the default menu
    QVERIFY(MenuTest::waitUntilIdle(chain()));
    QVERIFY(!QFileInfo::exists(rootFile("productsList.txt")));
    MenuManager reader(m_core.data());
    reader.menuLoadJsonDocFile();
    QCOMPARE(reader.getRowCount(), 6);
}

void TestMenuFile::interruptedSaveIsCompletedAtStart()
{
    QVERIFY(MenuTest::placeFixture(*m_roots, "menu_multilang.json", "menu.json.New"));
    m_menu->menuLoadJsonDocFile();
    QCOMPARE(m_menu->getRowCount(), 6);
    QCOMPARE(m_menu->getProductId(2).toInt(), 13);
    QVERIFY(QFileInfo::exists(rootFile("menu.json")));
    QVERIFY(!QFileInfo::exists(rootFile("menu.json.New")));
    QVERIFY(m_core->sent.isEmpty());
}

void TestMenuFile::incompleteTemporaryFileFallsBackToTheDefaultMenu()
{
    const QByteArray full = MenuTest::readFile(MenuTest::fixture("menu_multilang.json"));
    QVERIFY(m_roots->writeRootFile("menu.json.New", full.left(full.size() / 2)));
    QTest::ignoreMessage(QtWarningMsg, qPrintable("Discarding the incomplete " + rootFile("menu.json.New")));
    m_menu->menuLoadJsonDocFile();
    QCOMPARE(m_menu->getRowCount(), 41);
    QVERIFY(!QFileInfo::exists(rootFile("menu.json.New")));
    QVERIFY(!QFileInfo::exists(rootFile("menu.json")));
}

void TestMenuFile::loadDuringASaveKeepsTheMenuBeingSaved()
{
    loadFixture("menu_multilang.json");
    QFile::remove(rootFile("menu.json"));
    m_menu->productsModel()->removeRow(5);
    QVERIFY(m_menu->saveProductsMenuJson());
    QTest::ignoreMessage(QtWarningMsg, qPrintable("Unable to Open File: " + rootFile("menu.json")));
    m_menu->menuLoadJsonDocFile();
    QCOMPARE(m_menu->getRowCount(), 5);
    QVERIFY(MenuTest::waitUntilIdle(chain()));
    QCOMPARE(MenuTest::jsonOf(MenuTest::readFile(rootFile("menu.json"))).object().value("productGroups").toArray().size(), 1);
}

void TestMenuFile::saveChainRunsInOrderAndEndsOnTheCanBus()
{
    loadFixture("menu_multilang.json");
    QSignalSpy saved(chain(), &FileSaveChain::saved);
    QTest::ignoreMessage(QtDebugMsg, "Saving menu json file.");
    QVERIFY(m_menu->saveProductsMenuJson());
    QVERIFY(chain()->isBusy());
    QVERIFY(m_core->sent.isEmpty());
    QVERIFY(MenuTest::waitUntilIdle(chain()));
    QCOMPARE(saved.count(), 1);

    const QString newFile = rootFile("menu.json.New");
    const QString menuFile = rootFile("menu.json");
    QCOMPARE(MenuTest::waitForToolCalls(*m_roots, 3),
             (QStringList{"sync ", "mv " + newFile + " " + menuFile, "sync "}));
    QCOMPARE(m_core->sentNames(), (QStringList{"sendFileViaCanbus", "sendOvUpdateProducts"}));
    QCOMPARE(m_core->sent.first().args, QVariantList{11});
    QVERIFY(!QFileInfo::exists(newFile));
}

void TestMenuFile::failedMoveStopsTheChainAndSendsNothing()
{
    loadFixture("menu_multilang.json");
    const QByteArray before = MenuTest::readFile(rootFile("menu.json"));
    m_menu->productsModel()->removeRow(1);
    m_roots->setVariable("TUL_STANDIN_MV_FAIL", "1");
    QSignalSpy failed(chain(), &FileSaveChain::saveFailed);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Moving .* failed: 1 .*Input/output error"));
    QTest::ignoreMessage(QtWarningMsg, "The menu was not saved; menu.json keeps its previous content.");
    QVERIFY(m_menu->saveProductsMenuJson());
    QVERIFY(MenuTest::waitUntilIdle(chain()));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(m_roots->toolCalls().size(), 2); // sync, mv; no closing sync
    QVERIFY(m_core->sent.isEmpty());
    QCOMPARE(MenuTest::readFile(rootFile("menu.json")), before);
}

void TestMenuFile::temporaryFileThatCannotBeOpenedStartsNothing()
{
    loadFixture("menu_multilang.json");
    QVERIFY(QDir(m_roots->root()).mkdir("menu.json.New"));
    QTest::ignoreMessage(QtWarningMsg, "Unable to Open File for saving!!!");
    QVERIFY(!m_menu->saveProductsMenuJson());
    QVERIFY(!chain()->isBusy());
    QVERIFY(m_roots->toolCalls().isEmpty());
    QVERIFY(m_core->sent.isEmpty());
}

void TestMenuFile::savesOfOneFileNeverOverlap()
{
    loadFixture("menu_multilang.json");
    QSignalSpy saved(chain(), &FileSaveChain::saved);
    QVERIFY(m_menu->saveProductsMenuJson());
    const QByteArray firstText = MenuTest::readFile(rootFile("menu.json.New"));
    // Two more saves while the first chain runs: they wait and become one chain with
    // the content of the moment it starts.
    m_menu->productsModel()->removeRow(5);
    QVERIFY(m_menu->saveProductsMenuJson());
    m_menu->productsModel()->removeRow(4);
    QVERIFY(m_menu->saveProductsMenuJson());
    QCOMPARE(MenuTest::readFile(rootFile("menu.json.New")), firstText); // not overwritten
    QVERIFY(MenuTest::waitUntilIdle(chain()));
    QCOMPARE(saved.count(), 2);

    const QStringList calls = MenuTest::waitForToolCalls(*m_roots, 6);
    QCOMPARE(calls.filter(QRegularExpression("^mv ")).size(), 2);
    QCOMPARE(calls.filter(QRegularExpression("^sync")).size(), 4);
    QCOMPARE(calls.first(), QStringLiteral("sync "));
    // The second chain's own sync lies between the two moves.
    QStringList programs;
    for (const QString &call : calls)
        programs << call.section(QLatin1Char(' '), 0, 0);
    const int firstMove = programs.indexOf("mv");
    const int secondMove = programs.lastIndexOf("mv");
    QVERIFY(firstMove > 0 && secondMove > firstMove + 1);
    QCOMPARE(programs.mid(firstMove + 1, secondMove - firstMove - 1).count("sync"), secondMove - firstMove - 1);
    QCOMPARE(m_core->sentNames(), (QStringList{"sendFileViaCanbus", "sendOvUpdateProducts",
                                               "sendFileViaCanbus", "sendOvUpdateProducts"}));
    QCOMPARE(MenuTest::readFile(rootFile("menu.json")), m_menu->menuDataModelToJson());
    QCOMPARE(MenuTest::jsonOf(MenuTest::readFile(rootFile("menu.json"))).object().value("productGroups").toArray().size(), 0);
}

void TestMenuFile::reloadSignalReloadsTheFile()
{
    loadFixture("menu_multilang.json");
    QVERIFY(MenuTest::placeFixture(*m_roots, "menu_loose_types.json", "menu.json"));
    emit m_menu->reloadProductsFile();
    QCOMPARE(m_menu->getRowCount(), 7);
}

QTEST_MAIN(TestMenuFile)
#include "tst_menufile.moc"
