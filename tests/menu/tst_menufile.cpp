// The menu file: loading with its fallbacks and the legacy migration, the text of the
// file, round trips, and the save chain with its hand-over to the other display.
#include "menutestsupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

using MenuTest::fieldsOf;
using MenuTest::jsonOf;
using MenuTest::readFile;

class TestMenuFile : public QObject
{
    Q_OBJECT
    QScopedPointer<MenuTest::Cabinet> c;
    MenuManager *m = nullptr;

    FileSaveChain *chain() const { return MenuTest::chainOf(m, "menuSaveChain"); }
    void loadFixture(const QString &name)
    {
        QVERIFY(c->place(name, "menu.json"));
        m->menuLoadJsonDocFile();
    }
    // Which of the files the menu load and save deal with are in the data root.
    QString files() const
    {
        QStringList present;
        for (const char *name : {"productsList.txt", "menu.json", "menu.json.New"})
            if (c->exists(name))
                present << name;
        return present.join(' ');
    }

private slots:
    void init()
    {
        c.reset(new MenuTest::Cabinet(MenuTest::Cabinet::MenuOnly));
        c->core->hasSecondaryDisplay = true;
        m = c->menu;
    }
    void cleanup() { c.reset(); }

    // What a start finds in the data root, what it loads and what it leaves behind once
    // the save it may start has ended; then what the next start loads.
    void start_data()
    {
        QTest::addColumn<bool>("legacyList");
        QTest::addColumn<QString>("menu");     // a fixture, or "" for none
        QTest::addColumn<QString>("newFile");  // "full", "half", "folder" or ""
        QTest::addColumn<bool>("moveFails");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("filesAfter");
        QTest::addColumn<QString>("filesAfterRestart");
        const QString unableToOpen = "^Unable to Open File: .*menu.json$";
        QTest::newRow("missing: default menu") << false << "" << "" << false
            << QStringList{} << 41 << "" << "";
        QTest::newRow("empty: default menu") << false << "menu_empty.json" << "" << false
            << QStringList{"menu.json file size is 0"} << 41 << "menu.json" << "menu.json";
        QTest::newRow("both: list deleted unread") << true << "menu_multilang.json" << "" << false
            << QStringList{} << 6 << "menu.json" << "menu.json";
        QTest::newRow("list migrated") << true << "" << "" << false
            << QStringList{unableToOpen} << 7 << "menu.json" << "menu.json";
        QTest::newRow("empty menu does not outrank the list") << true << "menu_empty.json" << "" << false
            << QStringList{} << 7 << "menu.json" << "menu.json";
        QTest::newRow("failed migration keeps the list") << true << "" << "" << true
            << QStringList{unableToOpen, "^Moving .*menu.json.New to .* failed", "^The menu was not saved; menu.json keeps"}
            << 7 << "productsList.txt menu.json.New" << "menu.json";
        QTest::newRow("unwritable migration keeps the list in memory") << true << "" << "folder" << false
            << QStringList{"^Unable to Open File for saving!!!$"} << 7 << "productsList.txt menu.json.New"
            << "productsList.txt menu.json.New";
        QTest::newRow("interrupted save completed") << false << "" << "full" << false
            << QStringList{} << 6 << "menu.json" << "menu.json";
        QTest::newRow("incomplete temporary file dropped") << false << "" << "half" << false
            << QStringList{"^Discarding the incomplete .*menu.json.New$"} << 41 << "" << "";
    }
    void start()
    {
        QFETCH(bool, legacyList);
        QFETCH(QString, menu);
        QFETCH(QString, newFile);
        QFETCH(bool, moveFails);
        QFETCH(QStringList, warnings);
        QFETCH(int, rows);
        QFETCH(QString, filesAfter);
        QFETCH(QString, filesAfterRestart);
        c->core->traysPerZone = 3;
        if (legacyList)
            QVERIFY(c->place("productsList_legacy.txt", "productsList.txt"));
        if (!menu.isEmpty())
            QVERIFY(c->place(menu, "menu.json"));
        const QByteArray full = readFile(MenuTest::fixture("menu_multilang.json"));
        if (newFile == "folder")
            QVERIFY(QDir(c->roots.root()).mkdir("menu.json.New"));
        else if (!newFile.isEmpty())
            QVERIFY(c->roots.writeRootFile("menu.json.New", newFile == "full" ? full : full.left(full.size() / 2)));
        c->roots.setVariable("TUL_STANDIN_MV_FAIL", moveFails ? "1" : "");
        for (const QString &warning : warnings)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        m->menuLoadJsonDocFile();
        QCOMPARE(m->getRowCount(), rows);
        if (legacyList)
            QCOMPARE(c->exists("productsList.txt"), menu != "menu_multilang.json"); // until the save has ended
        QVERIFY(MenuTest::waitUntilIdle(chain()));
        QCOMPARE(files(), filesAfter);
        const bool migrates = legacyList && menu != "menu_multilang.json" && !moveFails && newFile.isEmpty();
        QCOMPARE(c->core->sent.isEmpty(), !migrates);
        QCOMPARE(c->roots.toolCalls().isEmpty(), !migrates && !moveFails);
        if (rows == 41) { // the default menu, its numeric pan splits read as missing
            QCOMPARE(fieldsOf(m->productsModel(), 0, "id name lidType"), QStringLiteral("0||None"));
            QCOMPARE(fieldsOf(m->productsModel(), 2, "panSize panSizeX"), QStringLiteral("1|1/3"));
            QCOMPARE(fieldsOf(m->productsModel(), 40, "id bottomType"), QStringLiteral("40|Normal"));
            QCOMPARE(m->getProductLowerTemp(5), m->getProductUpperTemp(5));
        } else {
            QCOMPARE(m->getProductHoldTime(m->getProductIndex(13)).toInt(), 1200);
        }
        const QString lastIds = MenuTest::columnOf(m->productsModel(), "id").section(',', -2);

        c->roots.setVariable("TUL_STANDIN_MV_FAIL", "");
        MenuManager restarted(c->core.data());
        restarted.menuLoadJsonDocFile();
        QCOMPARE(MenuTest::columnOf(restarted.productsModel(), "id").section(',', -2), lastIds);
        QCOMPARE(files(), filesAfterRestart);
    }

    // The text of the file: indented, ordered, every language and empty groups kept;
    // a second load reads back the same rows.
    void roundTrip()
    {
        loadFixture("menu_multilang.json");
        const auto loaded = MenuTest::rowsOf(m->productsModel());
        const QByteArray text = m->menuDataModelToJson();
        QCOMPARE(jsonOf(text), jsonOf(readFile(MenuTest::fixture("menu_multilang.json"))));
        QVERIFY(MenuManager::isMenuDocument(text));
        QVERIFY(text.contains("\n    \"menuVersion\": 1,\n"));
        QVERIFY(text.indexOf("\"menuVersion\"") < text.indexOf("\"productGroups\""));
        QVERIFY(m->saveProductsMenuJson());
        QVERIFY(MenuTest::waitUntilIdle(chain()));
        QCOMPARE(readFile(c->file("menu.json")), text);
        m->productsModel()->clear();
        m->menuLoadJsonDocFile();
        QCOMPARE(MenuTest::rowsOf(m->productsModel()), loaded);
        const QJsonObject emptyGroup = jsonOf(text).object().value("productGroups").toArray().at(1).toObject();
        QCOMPARE(emptyGroup.value("products").toArray(), QJsonArray());
        QCOMPARE(emptyGroup.value("groupName").toObject().size(), 15);
    }

    // Members of the wrong type read as defaults; an entry that is not an object is left
    // out, but a group member keeps its place, as 0; a group with id 0 is saved as a product.
    void looselyTypedEntries()
    {
        c->core->traysPerZone = 3;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("menu.json: the rest is read; 12 value"));
        loadFixture("menu_loose_types.json");
        const char *roles = "id name panSize panSizeX warningTime resetTime targetFanSpeed lidType timerColor productLocked";
        QCOMPARE(m->getRowCount(), 6); // 4 product entries and 2 groups
        QCOMPARE(fieldsOf(m->productsModel(), 1, roles), QStringLiteral("21|Numeric split|1|1/3|0|0|0||#fffffd|false"));
        QCOMPARE(fieldsOf(m->productsModel(), 2, roles), QStringLiteral("22||1|1/3|0|0|0||red|false"));
        QCOMPARE(fieldsOf(m->productsModel(), 3, roles), QStringLiteral("23||1|5/7|0|0|0||#12ab9F|false"));
        QCOMPARE(fieldsOf(m->productsModel(), 4, "id"), QStringLiteral("0"));
        QCOMPARE(m->productsModel()->index(1, 0).data(MenuManager::NamesListRole).toStringList().size(), 15);
        QCOMPARE(fieldsOf(m->productsModel(), 5, "groupID productList default panSize bottomType name"),
                 QStringLiteral("1073741830|21,0,0,23|7|3|0|"));
        QCOMPARE(m->productsModel()->index(5, 0).data(MenuManager::NamesListRole).toStringList().at(5),
                 QStringLiteral("Nur deutsch"));

        const QJsonObject saved = jsonOf(m->menuDataModelToJson()).object();
        QCOMPARE(saved.value("productGroups").toArray().size(), 1);
        const QJsonArray products = saved.value("products").toArray();
        QCOMPARE(products.size(), 5);
        QCOMPARE(products.at(4)["productName"]["eng_USA"].toString(), QStringLiteral("Group id zero"));
        QCOMPARE(products.at(4)["timerColor"].toString(), QString()); // a group row has no timer colour
        for (const QJsonValue &product : products)
            QCOMPARE(product.toObject().size(), 13);
    }

    // A timer colour is any text of the file, kept as it stands and saved back; only a
    // missing or non-text value is the no-colour entry.
    void timerColor_data()
    {
        QTest::addColumn<QByteArray>("member"); // the value in the file, "" for none
        QTest::addColumn<QString>("loaded");
        QTest::newRow("absent") << QByteArray() << "#fffffd";
        QTest::newRow("a number") << QByteArray("16711680") << "#fffffd";
        QTest::newRow("null") << QByteArray("null") << "#fffffd";
        QTest::newRow("a palette colour") << QByteArray("\"#ff0000\"") << "#ff0000";
        QTest::newRow("mixed case") << QByteArray("\"#12ab9F\"") << "#12ab9F";
        QTest::newRow("a colour name") << QByteArray("\"red\"") << "red";
        QTest::newRow("not hexadecimal") << QByteArray("\"#ggggg0\"") << "#ggggg0";
        QTest::newRow("empty") << QByteArray("\"\"") << "";
    }
    void timerColor()
    {
        QFETCH(QByteArray, member);
        QFETCH(QString, loaded);
        const QByteArray color = member.isEmpty() ? QByteArray() : ", \"timerColor\": " + member;
        QVERIFY(c->roots.writeRootFile("menu.json", "{\"menuVersion\": 1, \"products\": [{\"productId\": 5" + color + "}]}"));
        m->menuLoadJsonDocFile();
        QCOMPARE(fieldsOf(m->productsModel(), 0, "id timerColor"), "5|" + loaded);
        const QJsonArray saved = jsonOf(m->menuDataModelToJson()).object().value("products").toArray();
        QCOMPARE(saved.at(0)["timerColor"].toString(), loaded);
        QVERIFY(saved.at(0)["timerColor"].isString());
    }

    // One member or entry that cannot be read costs only itself: the rest of the file is
    // read, the file stays, and one warning names what was not read.
    void oneBadMemberKeepsTheRest_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("ids");
        QTest::addColumn<QString>("holdTimes");
        QTest::addColumn<QString>("note"); // in the warning
        const QByteArray fries = R"({"productId": 5, "productName": {"eng_USA": "Fries"}, "holdingTime": 600})";
        const QByteArray nuggets = R"({"productId": 6, "holdingTime": 300})";
        const QByteArray sides = R"({"groupId": 70, "products": [{"productId": 5}, {"productId": 6}]})";
        const auto menu = [](const QByteArray &products, const QByteArray &groups) {
            return R"({"menuVersion": 1, "products": )" + products + R"(, "productGroups": )" + groups + "}";
        };
        QTest::newRow("repeated key")
            << menu("[" + QByteArray(fries).replace("\"holdingTime\"", R"("holdingTime": 100, "holdingTime")") + ", "
                        + nuggets + "]",
                    "[1], \"productGroups\": [" + sides + "]")
            << "5,6,70" << "600,300,0" << "\"productGroups\": named twice in one object, the last value taken";
        QTest::newRow("products not a list") << menu("{}", "[" + sides + "]") << "70" << "0" << "products: not a list";
        QTest::newRow("groups not a list") << menu("[" + fries + ", " + nuggets + "]", "5") << "5,6" << "600,300"
                                           << "productGroups: not a list";
        QTest::newRow("one wrong-typed member")
            << menu("[" + QByteArray(fries).replace("600", "\"600\"") + ", " + nuggets + "]", "[" + sides + "]")
            << "5,6,70" << "0,300,0" << "products[0].holdingTime: not a number";
        QTest::newRow("entries not objects") << menu("[[" + fries + "], " + nuggets + ", \"7\"]", "[" + sides + ", 3]")
                                             << "6,70" << "300,0" << "products[0]: not an object, left out";
    }
    void oneBadMemberKeepsTheRest()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, ids);
        QFETCH(QString, holdTimes);
        QFETCH(QString, note);
        QVERIFY(c->roots.writeRootFile("menu.json", text));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^.*menu.json: the rest is read; .* - .*"
                                                              + QRegularExpression::escape(note)));
        m->menuLoadJsonDocFile();
        QCOMPARE(MenuTest::columnOf(m->productsModel(), "id"), ids);
        QCOMPARE(MenuTest::columnOf(m->productsModel(), "holdTime"), holdTimes);
        QCOMPARE(readFile(c->file("menu.json")), text);
        QVERIFY(QDir(c->roots.root()).entryList({"menu.json.unusable-*"}).isEmpty());
    }

    void unusableFileIsSetAside_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("why");
        QTest::addColumn<bool>("atStart"); // else a menu is in memory, and stays
        QTest::newRow("wrong version") << "menu_wrong_version.json" << "not a menu of version 1" << false;
        QTest::newRow("invalid JSON") << "menu_invalid.json" << "at offset" << false;
        QTest::newRow("top level not an object") << "menu_not_object.json" << "not a menu" << false;
        QTest::newRow("nothing readable, at start") << "menu_nested_arrays.json" << "nothing in it can be read" << true;
        QTest::newRow("wrong version, at start") << "menu_wrong_version.json" << "not a menu of version 1" << true;
        QTest::newRow("invalid JSON, at start") << "menu_invalid.json" << "at offset" << true;
    }
    void unusableFileIsSetAside()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, why);
        QFETCH(bool, atStart);
        if (!atStart)
            loadFixture("menu_multilang.json");
        const auto before = MenuTest::rowsOf(m->productsModel());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("menu.json cannot be used \\(.*" + QRegularExpression::escape(why)
                                                              + ".*\\); kept as .*menu.json.unusable-"));
        QVERIFY(!MenuManager::isMenuDocument(readFile(MenuTest::fixture(fixture))));
        loadFixture(fixture);
        if (atStart)
            QCOMPARE(m->getRowCount(), 41); // the default menu, as without a file
        else
            QCOMPARE(MenuTest::rowsOf(m->productsModel()), before);
        QVERIFY(!c->exists("menu.json"));
        QCOMPARE(QDir(c->roots.root()).entryList({"menu.json.unusable-*"}).size(), 1);
        QVERIFY(c->roots.toolCalls().isEmpty());
    }

    // A save: sync, move, sync, then the file goes to the other display; a failed move, a
    // crashed sync or a temporary file that cannot be written keeps the old file and
    // sends nothing.
    void save_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("saved") << "" << true << QStringList{"sync ", "mv %1.New %1", "sync "}
                               << QStringList{"sendFileViaCanbus", "sendOvUpdateProducts"};
        QTest::newRow("move fails") << "move" << true << QStringList{"sync ", "mv %1.New %1"} << QStringList{};
        QTest::newRow("sync crashes") << "crash" << true << QStringList{"sync "} << QStringList{};
        QTest::newRow("no temporary file") << "folder" << false << QStringList{} << QStringList{};
    }
    void save()
    {
        QFETCH(QString, obstacle);
        QFETCH(bool, started);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, sent);
        loadFixture("menu_multilang.json");
        const QByteArray before = readFile(c->file("menu.json"));
        m->productsModel()->removeRow(1);
        QSignalSpy saved(chain(), &FileSaveChain::saved);
        QSignalSpy failed(chain(), &FileSaveChain::saveFailed);
        QSignalSpy finished(m, &MenuManager::menuSaveFinished);
        if (obstacle == "move") {
            c->roots.setVariable("TUL_STANDIN_MV_FAIL", "1");
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Moving .* failed: 1 .*Input/output error"));
            QTest::ignoreMessage(QtWarningMsg, "The menu was not saved; menu.json keeps its previous content.");
        } else if (obstacle == "crash") {
            c->roots.setVariable("TUL_STANDIN_SYNC_CRASH", "1");
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^sync before moving .*menu.json.New failed"));
            QTest::ignoreMessage(QtWarningMsg, "The menu was not saved; menu.json keeps its previous content.");
        } else if (obstacle == "folder") {
            QVERIFY(QDir(c->roots.root()).mkdir("menu.json.New"));
            QTest::ignoreMessage(QtWarningMsg, "Unable to Open File for saving!!!");
        }
        QCOMPARE(m->saveProductsMenuJson(), started);
        QCOMPARE(chain()->isBusy(), started);
        QVERIFY(c->core->sent.isEmpty());
        QVERIFY(MenuTest::waitUntilIdle(chain()));
        QCOMPARE(MenuTest::waitForToolCalls(c->roots, calls.size()).join(';'), calls.join(';').replace("%1", c->file("menu.json")));
        QCOMPARE(c->core->sentNames(), sent);
        QCOMPARE(saved.count() + failed.count(), int(started));
        if (started)
            QCOMPARE(finished.value(0).value(0), QVariant(!sent.isEmpty()));
        if (!sent.isEmpty())
            QCOMPARE(c->core->sent.first().args, QVariantList{11});
        QCOMPARE(readFile(c->file("menu.json")) == before, sent.isEmpty());
        QCOMPARE(c->exists("menu.json.New"), sent.isEmpty()); // left for the next save
    }

    void wrapUpFollowsOnlyTheSavesCommands_data() { MenuTest::addWrapUpRows(); }
    void wrapUpFollowsOnlyTheSavesCommands()
    {
        loadFixture("menu_multilang.json");
        MenuTest::checkWrapUpRow(m, "writeMenuFileWrapUp", chain(), [this] { return m->saveProductsMenuJson(); },
                                 *c->core, {"sendFileViaCanbus", "sendOvUpdateProducts"});
    }

    // Saves while one runs wait and become one chain with the content of the moment it
    // starts; a load meanwhile keeps the menu being saved.
    void savesOfOneFileNeverOverlap()
    {
        loadFixture("menu_multilang.json");
        QFile::remove(c->file("menu.json"));
        QSignalSpy saved(chain(), &FileSaveChain::saved);
        QVERIFY(m->saveProductsMenuJson());
        const QByteArray firstText = readFile(c->file("menu.json.New"));
        m->productsModel()->removeRow(5);
        QVERIFY(m->saveProductsMenuJson());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Unable to Open File: .*menu.json$"));
        m->menuLoadJsonDocFile();
        QCOMPARE(m->getRowCount(), 5);
        m->productsModel()->removeRow(4);
        QVERIFY(m->saveProductsMenuJson());
        QCOMPARE(readFile(c->file("menu.json.New")), firstText); // not overwritten
        QVERIFY(MenuTest::waitUntilIdle(chain()));
        QCOMPARE(saved.count(), 2);
        QStringList programs;
        for (const QString &call : MenuTest::waitForToolCalls(c->roots, 6))
            programs << call.section(' ', 0, 0);
        // Each chain syncs before its move and starts a sync it does not wait for after it;
        // that one may be recorded late, after the next chain's calls. The second chain's
        // own sync still comes between the moves, and a sync ends the list.
        const int secondMove = programs.lastIndexOf(QStringLiteral("mv"));
        QCOMPARE(programs.mid(0, 2).join(' '), QStringLiteral("sync mv"));
        QCOMPARE(programs.count(QStringLiteral("sync")), 4);
        QCOMPARE(programs.count(QStringLiteral("mv")), 2);
        QVERIFY2(secondMove > 2 && secondMove < 5, qPrintable(programs.join(' ')));
        QCOMPARE(programs.mid(2, secondMove - 2).count(QStringLiteral("sync")), secondMove - 2);
        QCOMPARE(c->core->sentNames().size(), 4);
        QCOMPARE(readFile(c->file("menu.json")), m->menuDataModelToJson());
        QCOMPARE(jsonOf(readFile(c->file("menu.json"))).object().value("productGroups").toArray().size(), 0);

        QVERIFY(c->place("menu_loose_types.json", "menu.json"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("menu.json: the rest is read"));
        emit m->reloadProductsFile();
        QCOMPARE(m->getRowCount(), 6);
    }
};

QTEST_MAIN(TestMenuFile)
#include "tst_menufile.moc"
