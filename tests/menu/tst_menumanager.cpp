// The product database in memory: look-ups, names, digests, pan fractions and the
// legacy products list.
#include "crc32.h"
#include "menutestsupport.h"

#include <QJsonObject>
#include <QtTest>

#include <sys/stat.h>

using MenuTest::fieldsOf;

class TestMenuManager : public QObject
{
    Q_OBJECT
    QScopedPointer<MenuTest::Cabinet> c;
    MenuManager *m = nullptr;

    void append(int id, const QStringList &names, int holdTime = 0, int panSize = 1)
    {
        auto *row = new QStandardItem;
        row->setData(id, MenuManager::IdRole);
        row->setData(names.value(0), MenuManager::NameRole);
        QStringList all = names;
        while (all.size() < 15)
            all << QString();
        row->setData(all, MenuManager::NamesListRole);
        row->setData(holdTime, MenuManager::HoldTimeRole);
        row->setData(panSize, MenuManager::PanSizeRole);
        row->setData(QStringLiteral("0"), MenuManager::GroupIdRole);
        m->productsModel()->appendRow(row);
    }
    void loadList(const QByteArray &list)
    {
        QVERIFY(c->roots.writeRootFile(QStringLiteral("productsList.txt"), list));
        m->loadProductsMenu();
    }

private slots:
    void init() { c.reset(new MenuTest::Cabinet(MenuTest::Cabinet::MenuOnly)); m = c->menu; }
    void cleanup() { c.reset(); }

    void lookUps()
    {
        MenuManager empty;
        QCOMPARE(empty.getProductIndex(5), 0);
        QCOMPARE(empty.getProductName(5).toString(), QString());
        QVERIFY(!empty.getProductGroupPList(5).isValid());
        append(0, {});
        append(26, {"Fries"}, 600);
        append(26, {"Second Fries"}, 700);
        QCOMPARE(m->getProductIndex(26), 1); // the lower of two equal ids
        QCOMPARE(m->getProductIndex(999), 0); // unknown id reads row 0
        QCOMPARE(m->getProductName(0, 999).toString(), QString());
        QCOMPARE(m->getProductName(-3, 26).toString(), QStringLiteral("Fries"));
        QCOMPARE(m->getProductHoldTime(1).toInt(), 600);
        QVERIFY(!m->getProductHoldTime(-1).isValid());
        QVERIFY(!m->getProductId(3).isValid());
    }

    void namesAndDigestFollowTheLanguage()
    {
        Translator translator;
        c->core->translatorPtr = &translator;
        append(0, {});
        append(26, {"Fries", "Papas", "", "", "", "Pommes"}, 600, 2);
        // Figures computed independently (zlib, md5sum) from "1aFries2582".
        QCOMPARE(m->getProductMd5(26), QByteArray::fromHex("bd69db6c2f05c2a3f5292305211f0e06"));
        QCOMPARE(m->getProductCrc32(26), quint32(0xa01451f4));
        translator.setLanguage(1);
        QCOMPARE(m->getProductCrc32(26), Crc32().calculateFromByteArray("1aPapas2582"));
        translator.setLanguage(5);
        QCOMPARE(m->getProductName(26).toString(), QStringLiteral("Pommes"));
        translator.setLanguage(2);
        QCOMPARE(m->getProductName(26).toString(), QString()); // no English fallback
        QCOMPARE(m->getProductName(15, 26).toString(), QStringLiteral("Fries")); // role "name"
        QCOMPARE(m->getProductName(5, 26).toString(), QStringLiteral("Pommes"));

        const QJsonObject object{{"eng_USA", "Fries"}, {"deu", "Pommes"}, {"xx", "ignored"}, {"spa", 5}};
        const QStringList names = m->readNameTranslationsFromJson(object);
        QCOMPARE(names.join('|'), QStringLiteral("Fries|||||Pommes|||||||||"));
        const QJsonObject back = m->setNameListToJson(names);
        QCOMPARE(back.size(), 15);
        QCOMPARE(back.value("deu").toString(), QStringLiteral("Pommes"));
        QVERIFY(back.contains("jpn"));
        QCOMPARE(m->setNameListToJson({QStringLiteral("Only English")}).size(), 15);
    }

    void panFractions_data()
    {
        QTest::addColumn<int>("traysPerZone");
        QTest::addColumn<QString>("fractionOfSize"); // pan sizes 0..5
        QTest::addColumn<QString>("sizeOfFraction"); // "1/4" "1/3" "1/2" "2/3" "3/4" "1/1" "bad"
        QTest::newRow("2 bins") << 2 << "1/2 1/2 1/1 1/2 1/2 1/2" << "1 1 1 1 1 2 1";
        QTest::newRow("3 bins") << 3 << "1/2 1/3 2/3 1/1 1/2 1/2" << "1 1 1 2 1 3 1";
        QTest::newRow("4 bins") << 4 << "1/2 1/4 1/2 3/4 1/1 1/2" << "1 1 2 1 3 4 1";
        QTest::newRow("5 bins") << 5 << "1/2 1/2 1/2 1/2 1/2 1/2" << "1 1 1 1 1 1 1";
    }
    void panFractions()
    {
        QFETCH(int, traysPerZone);
        QFETCH(QString, fractionOfSize);
        QFETCH(QString, sizeOfFraction);
        c->core->traysPerZone = traysPerZone;
        QStringList fractions, sizes;
        for (int size = 0; size <= 5; ++size)
            fractions << m->convertPanSizeToPanFraction(size);
        for (const char *text : {"1/4", "1/3", "1/2", "2/3", "3/4", "1/1", "1/1 "})
            sizes << QString::number(m->convertPanFractionToPanSize(text));
        QCOMPARE(fractions.join(' '), fractionOfSize);
        QCOMPARE(sizes.join(' '), sizeOfFraction);
    }

    // Product 0 never heats, except for the one customer whose menus want it at 185.
    void productZeroTemperatures_data()
    {
        QTest::addColumn<int>("customerId");
        QTest::addColumn<int>("temperature");
        QTest::newRow("QRB") << 3 << 185;
        QTest::newRow("other customers") << 5 << 0;
    }
    void productZeroTemperatures()
    {
        QFETCH(int, customerId);
        QFETCH(int, temperature);
        c->core->customerId = customerId;
        QVERIFY(c->roots.writeRootFile(QStringLiteral("menu.json"), R"({"menuVersion": 1, "products": [
            {"productId": 0, "lowerTemp": 150, "upperTemp": 160},
            {"productId": 4, "lowerTemp": 150, "upperTemp": 160}]})"));
        m->menuLoadJsonDocFile();
        const QString t = QString::number(temperature);
        QCOMPARE(fieldsOf(m->productsModel(), 0, "lowerTemp upperTemp"), t + '|' + t);
        QCOMPARE(fieldsOf(m->productsModel(), 1, "lowerTemp upperTemp"), QStringLiteral("150|160"));
    }

    // The legacy products list: product and group lines, and the lines it skips.
    void legacyList_data()
    {
        QTest::addColumn<int>("customerId");
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("rows");
        const QByteArray fries = "p,12,Fries,600,540,170,160,Solid,norm,2\n";
        // id groupID name lowerTemp upperTemp holdTime resetTime panSize panSizeX fan colour default members locked
        QTest::newRow("product, QRB") << 3 << fries << "" << "12|0|Fries|160|170|600|0|2|1/2|100|#fffffd|-1||false";
        QTest::newRow("product, other customer")
            << 1 << fries << "" << "12|0|Fries|170|170|600|300|2|1/2|100|#fffffd|-1||false";
        QTest::newRow("groups") << 0 << MenuTest::readFile(MenuTest::fixture("productsList_groups.txt"))
                                << "pan size 9 is not 1 to 4, taken as 1"
                                << "50|50|!Chicken|170|170|0|0|1|1/4|0||0|12,13| / 50|50|Chicken|170|170|0|0|1|1/4|0||1|12,13| / "
                                   "51|51|Mix|170|170|0|0|1|1/4|0||0|12,14| / 53|53|!Not a number|170|170|0|0|1|1/4|0||0|12| / "
                                   "54|54|Many|170|170|0|0|1|1/4|0||0|1,2,3,4,5,6,7,8,9,10| / 55|55|Huge pan|170|170|0|0|1|1/4|0||0|12|";
        // A line of another kind takes its place as a row holding only the pan fraction
        // of pan size 0; a product line of too few fields is skipped.
        QTest::newRow("bad lines") << 0 << MenuTest::readFile(MenuTest::fixture("productsList_legacy.txt"))
                                   << "line 10 is not a complete product or group line"
                                   << "0|0||0|0|0|300|1|1/4|0|#fffffd|-1||false / 12|0|Fries|170|170|600|300|2|1/2|100|#fffffd|-1||false / "
                                      "13|0|Nuggets|165|165|1200|300|3|3/4|80|#fffffd|-1||false / ||||||||1/2||||| / "
                                      "50|50|!Chicken|170|170|0|0|1|1/4|100||0|12,13| / "
                                      "51|51|Mix|170|170|0|0|1|1/4|100||0|12,14| / 52|52|Fish|160|160|0|0|2|1/2|100||1|12,13|";
        QTest::newRow("neither product nor group") << 0 << QByteArray("x,99,Unknown line kind\n") << ""
                                                   << "||||||||1/2|||||";
        QTest::newRow("too few fields for any line") << 0 << QByteArray("x,99\n") << "line 1 is not a complete"
                                                     << "";
    }
    void legacyList()
    {
        QFETCH(int, customerId);
        QFETCH(QByteArray, list);
        QFETCH(QString, warning);
        QFETCH(QString, rows);
        c->core->customerId = customerId;
        c->core->traysPerZone = 4;
        if (!warning.isEmpty())
            for (int i = warning.contains('|') ? 2 : 1; i > 0; --i)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        loadList(list);
        QStringList all;
        for (int r = 0; r < m->getRowCount(); ++r) {
            all << fieldsOf(m->productsModel(), r, "id groupID name lowerTemp upperTemp holdTime resetTime "
                                                   "panSize panSizeX targetFanSpeed timerColor default productList productLocked");
            if (!m->productsModel()->index(r, 0).data(MenuManager::IdRole).isValid())
                continue; // a line of another kind names nothing
            const QString name = m->getProductName(-1, m->getProductId(r).toInt()).toString().remove('!');
            QCOMPARE(fieldsOf(m->productsModel(), r, "namesList"), QVector<QString>(15, name).toList().join(','));
        }
        QCOMPARE(all.join(QStringLiteral(" / ")), rows);
        if (list.startsWith('g')) {
            QCOMPARE(m->getProductGroupPList(51).toStringList(), (QStringList{"12", "14"}));
            QCOMPARE(m->getProductGroupsDefault(50).toString(), QStringLiteral("0"));
        }
    }

    // A group takes the fan speed of its first member as the list gives it, wherever the
    // member's line stands, and whatever the cookbook's edit models hold; 0 when that
    // member is not a product of the list.
    void legacyGroupFanSpeed_data()
    {
        QTest::addColumn<bool>("cookbookOpened"); // edit rows of fan speeds 11, 22, 33
        QTest::addColumn<QString>("fans");          // of groups 60, 61, 62, 63
        QTest::newRow("cookbook never opened") << false << "80,70,0,70";
        QTest::newRow("cookbook opened before") << true << "80,70,0,70";
    }
    void legacyGroupFanSpeed()
    {
        QFETCH(bool, cookbookOpened);
        QFETCH(QString, fans);
        if (cookbookOpened) {
            for (int fan : {11, 22, 33}) {
                auto *row = new QStandardItem;
                row->setData(fan, MenuManager::TargetFanSpeedRole);
                m->productsEditModel()->appendRow(row);
            }
        }
        loadList(MenuTest::readFile(MenuTest::fixture("productsList_fanspeed.txt")));
        QStringList groups;
        for (int id : {60, 61, 62, 63})
            groups << fieldsOf(m->productsModel(), m->getProductIndex(id), "targetFanSpeed");
        QCOMPARE(groups.join(','), fans);
    }

    // The list stops after a hundred rows besides product 0.
    void legacyListLength()
    {
        QByteArray hundreds;
        for (int id = 0; id <= 120; ++id)
            hundreds += "p," + QByteArray::number(id) + ",P,60,20,150,140,Solid,norm,1,0\n";
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("more than 100 products and groups"));
        loadList(hundreds);
        QCOMPARE(m->getRowCount(), 101);
        QCOMPARE(m->getProductId(100).toInt(), 100);
    }

    void defaultListOfTheResources_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing list") << QByteArray() << "productsList.txt doesn't exist, using default file.";
        QTest::newRow("empty list") << QByteArray("") << "productsList.txt file size is 0???... using default file.";
        QTest::newRow("a folder in its place") << QByteArray("folder") << "productsList.txt cannot be used, using default file.";
        QTest::newRow("a pipe in its place") << QByteArray("fifo") << "productsList.txt cannot be used, using default file.";
        QTest::newRow("larger than a list may be") << QByteArray("large") << "productsList.txt cannot be used, using default file.";
    }
    void defaultListOfTheResources()
    {
        QFETCH(QByteArray, list);
        QFETCH(QString, message);
        const QString path = c->roots.root() + QStringLiteral("productsList.txt");
        if (list == "folder")
            QVERIFY(QDir().mkpath(path));
        else if (list == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (list == "large")
            QVERIFY(c->roots.writeRootFile(QStringLiteral("productsList.txt"),
                                           QByteArray(int(MenuManager::maxLegacyListFileSize) + 1, '\n')));
        else if (!list.isNull())
            QVERIFY(c->roots.writeRootFile(QStringLiteral("productsList.txt"), list));
        if (list == "folder" || list == "fifo" || list == "large")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("products list .*productsList.txt"));
        c->core->customerId = 3;
        QTest::ignoreMessage(list.isNull() ? QtDebugMsg : QtWarningMsg, qPrintable(message));
        m->loadProductsMenu();
        QCOMPARE(m->getRowCount(), 41);
        QCOMPARE(fieldsOf(m->productsModel(), 0, "id name lowerTemp lidType"), QStringLiteral("0||185|NONE"));
        QCOMPARE(fieldsOf(m->productsModel(), 40, "id holdTime warningTime upperTemp lowerTemp"),
                 QStringLiteral("40|60|20|150|140"));
        QVERIFY(!m->getProductName(40).toString().isEmpty());
        QSet<int> panSizes;
        for (int r = 1; r < 41; ++r)
            panSizes << m->getProductPanSize(r).toInt();
        QCOMPARE(panSizes, (QSet<int>{1, 2, 3}));
    }

    // An imported product is dropped only for the id 0 (or none): that row is the empty
    // product the import puts first. Any other id is taken as the file gives it.
    void importedProductIds_data()
    {
        QTest::addColumn<QByteArray>("product");
        QTest::addColumn<QString>("ids"); // of the rows after the import
        QTest::newRow("no id") << QByteArray(R"({"holdingTime": 60})") << "0|5";
        QTest::newRow("id 0") << QByteArray(R"({"productId": 0})") << "0|5";
        QTest::newRow("negative id") << QByteArray(R"({"productId": -3})") << "0|-3|5";
        QTest::newRow("id not a whole number") << QByteArray(R"({"productId": "7"})") << "0|5";
        QTest::newRow("id") << QByteArray(R"({"productId": 7})") << "0|7|5";
    }
    void importedProductIds()
    {
        QFETCH(QByteArray, product);
        QFETCH(QString, ids);
        const QByteArray document = R"({"header": {"menuVersion": 1}, "menu": {"products": [)" + product
            + R"(, {"productId": 5}], "productGroups": []}})";
        QVERIFY(m->processOrvantaJsonProducts(QString::fromUtf8(document)));
        QStringList rows;
        for (int row = 0; row < m->getRowCount(); ++row)
            rows << fieldsOf(m->productsModel(), row, "id");
        QCOMPARE(rows.join('|'), ids);
        QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(m, "menuSaveChain")));
    }

    // An imported group keeps its members as the file names them, whether or not the new
    // menu holds them: each entry's "productId" as an integer, 0 where there is none.
    void importedGroupMembers_data()
    {
        QTest::addColumn<QByteArray>("members"); // the group's "products"
        QTest::addColumn<QString>("productList");
        QTest::newRow("one given, one empty") << QByteArray(R"([{"productId": 5}, {}])") << "5,0";
        QTest::newRow("not in the menu") << QByteArray(R"([{"productId": 99}, {"productId": 5}])") << "99,5";
        QTest::newRow("twice") << QByteArray(R"([{"productId": 5}, {"productId": 5}])") << "5,5";
        QTest::newRow("entries not objects") << QByteArray(R"([5, "6", null])") << "0,0,0";
        QTest::newRow("ids not whole numbers") << QByteArray(R"([{"productId": "5"}, {"productId": 5.5}, {"productId": -3}])")
                                               << "0,0,-3";
        QTest::newRow("not a list") << QByteArray(R"({"productId": 5})") << "";
    }
    void importedGroupMembers()
    {
        QFETCH(QByteArray, members);
        QFETCH(QString, productList);
        const QByteArray document = R"({"header": {"menuVersion": 1}, "menu": {"products": [{"productId": 5}],
                                        "productGroups": [{"groupId": 7, "products": )" + members + "}]}}";
        QVERIFY(m->processOrvantaJsonProducts(QString::fromUtf8(document)));
        QCOMPARE(m->getRowCount(), 3);
        QCOMPARE(fieldsOf(m->productsModel(), 2, "groupID productList"), "7|" + productList);
        QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(m, "menuSaveChain")));
    }
};

QTEST_MAIN(TestMenuManager)
#include "tst_menumanager.moc"
