// The product database in memory: look-ups, names, digests, pan fractions and the
// legacy products list.
#include "crc32.h"
#include "fakecabinetcore.h"
#include "menumanager.h"
#include "menutestsupport.h"
#include "roleitemmodel.h"
#include "translator.h"

#include <QCryptographicHash>
#include <QJsonObject>
#include <QtTest>

class TestMenuManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roleTableIsPublishedByName();
    void lookUpsByIdFallBackToRowZero();
    void gettersOutsideTheModelAnswerNothing();
    void namesFollowTheLanguageWithoutFallback();
    void digestOfTheExampleProduct();
    void digestDependsOnTheLanguage();
    void panFractions_data();
    void panFractions();
    void productZeroNeverHeats_data();
    void productZeroNeverHeats();
    void nameObjectsKeepAllFifteenLanguages();

    void legacyProductLineByCustomer_data();
    void legacyProductLineByCustomer();
    void legacyGroupLines();
    void legacyGroupTakesFanSpeedOfTheEditModel();
    void legacyListSkipsBlankUnknownAndShortLines();
    void legacyListStopsAfterAHundredRows();
    void defaultListOfTheResources_data();
    void defaultListOfTheResources();

private:
    void appendProduct(int id, const QString &name, int holdTime = 0, int panSize = 1);
    QScopedPointer<ScratchRoots> m_roots;
    QScopedPointer<FakeCabinetCore> m_core;
    MenuManager *m_menu = nullptr;
};

void TestMenuManager::init()
{
    m_roots.reset(new ScratchRoots);
    m_core.reset(new FakeCabinetCore);
    m_menu = new MenuManager(m_core.data());
    m_core->menuManagerPtr = m_menu;
}

void TestMenuManager::cleanup()
{
    m_core.reset();
    m_roots.reset();
}

void TestMenuManager::appendProduct(int id, const QString &name, int holdTime, int panSize)
{
    auto *row = new QStandardItem;
    row->setData(id, MenuManager::IdRole);
    row->setData(name, MenuManager::NameRole);
    QStringList names;
    for (int i = 0; i < 15; ++i)
        names << (i == 0 ? name : QString());
    row->setData(names, MenuManager::NamesListRole);
    row->setData(holdTime, MenuManager::HoldTimeRole);
    row->setData(panSize, MenuManager::PanSizeRole);
    row->setData(QStringLiteral("0"), MenuManager::GroupIdRole);
    m_menu->productsModel()->appendRow(row);
}

void TestMenuManager::roleTableIsPublishedByName()
{
    const QHash<int, QByteArray> roles = m_menu->productsModel()->roleNames();
    QCOMPARE(roles.size(), 22);
    QCOMPARE(roles.value(257), QByteArray("id"));
    QCOMPARE(roles.value(259), QByteArray("abreviation"));
    QCOMPARE(roles.value(270), QByteArray("groupID"));
    QCOMPARE(roles.value(273), QByteArray("targetFanSpeed"));
    QCOMPARE(roles.value(278), QByteArray("productLocked"));
    QCOMPARE(m_menu->productsEditModel()->roleNames(), roles);
    QCOMPARE(m_menu->groupsEditModel()->roleNames(), roles);
    QCOMPARE(m_menu->dayPartsEditModel()->roleNames(), roles);
}

void TestMenuManager::lookUpsByIdFallBackToRowZero()
{
    appendProduct(0, QString());
    appendProduct(26, QStringLiteral("Fries"), 600);
    appendProduct(26, QStringLiteral("Second Fries"), 700);
    QCOMPARE(m_menu->getProductIndex(26), 1);          // the lower of two equal ids
    QCOMPARE(m_menu->getProductIndex(999), 0);         // unknown id reads row 0
    QCOMPARE(m_menu->getProductName(0, 999).toString(), QString());
    QCOMPARE(m_menu->getProductHoldTime(m_menu->getProductIndex(26)).toInt(), 600);
    QCOMPARE(m_menu->getRowCount(), 3);
}

void TestMenuManager::gettersOutsideTheModelAnswerNothing()
{
    appendProduct(5, QStringLiteral("Five"));
    QVERIFY(!m_menu->getProductHoldTime(-1).isValid());
    QVERIFY(!m_menu->getProductId(1).isValid());
    QCOMPARE(m_menu->getProductName(-3, 5).toString(), QStringLiteral("Five"));
    QCOMPARE(m_menu->getRowCount(), 1);

    MenuManager empty;
    QCOMPARE(empty.getProductIndex(5), 0);
    QCOMPARE(empty.getProductName(5).toString(), QString());
    QVERIFY(!empty.getProductGroupPList(5).isValid());
}

void TestMenuManager::namesFollowTheLanguageWithoutFallback()
{
    Translator translator;
    m_core->translatorPtr = &translator;
    auto *row = new QStandardItem;
    row->setData(12, MenuManager::IdRole);
    row->setData(QStringLiteral("Fries"), MenuManager::NameRole);
    QStringList names;
    for (int i = 0; i < 15; ++i)
        names << QString();
    names[0] = QStringLiteral("Fries");
    names[5] = QStringLiteral("Pommes");
    row->setData(names, MenuManager::NamesListRole);
    m_menu->productsModel()->appendRow(row);

    translator.setLanguage(5);
    QCOMPARE(m_menu->getProductName(12).toString(), QStringLiteral("Pommes"));
    translator.setLanguage(2);
    QCOMPARE(m_menu->getProductName(12).toString(), QString()); // empty French, no English
    QCOMPARE(m_menu->getProductName(15, 12).toString(), QStringLiteral("Fries")); // role "name"
    QCOMPARE(m_menu->getProductName(5, 12).toString(), QStringLiteral("Pommes"));
}

void TestMenuManager::digestOfTheExampleProduct()
{
    appendProduct(0, QString());
    appendProduct(26, QStringLiteral("Fries"), 600, 2);
    const QByteArray text("1aFries2582");
    QCOMPARE(text.size(), 11);
    // Figures computed independently (zlib, md5sum) from the 11 bytes.
    const QByteArray expected = QByteArray::fromHex("bd69db6c2f05c2a3f5292305211f0e06");
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("Product specific md5 for id 26 = ")
                                                + QString::fromLatin1(expected.toHex())));
    const QByteArray md5 = m_menu->getProductMd5(26);
    QCOMPARE(md5.size(), 16);
    QCOMPARE(md5, expected);
    QCOMPARE(m_menu->getProductCrc32(26), quint32(0xa01451f4));
}

void TestMenuManager::digestDependsOnTheLanguage()
{
    Translator translator;
    m_core->translatorPtr = &translator;
    auto *row = new QStandardItem;
    row->setData(26, MenuManager::IdRole);
    QStringList names;
    for (int i = 0; i < 15; ++i)
        names << QStringLiteral("Fries");
    names[1] = QStringLiteral("Papas");
    row->setData(names, MenuManager::NamesListRole);
    row->setData(600, MenuManager::HoldTimeRole);
    row->setData(2, MenuManager::PanSizeRole);
    m_menu->productsModel()->appendRow(row);
    translator.setLanguage(0);
    const quint32 english = m_menu->getProductCrc32(26);
    translator.setLanguage(1);
    QCOMPARE(m_menu->getProductCrc32(26), Crc32().calculateFromByteArray("1aPapas2582"));
    QVERIFY(m_menu->getProductCrc32(26) != english);
}

void TestMenuManager::panFractions_data()
{
    QTest::addColumn<int>("traysPerZone");
    QTest::addColumn<QStringList>("fractionOfSize");   // pan sizes 0..5
    QTest::addColumn<QList<int>>("sizeOfFraction");    // "1/4" "1/3" "1/2" "2/3" "3/4" "1/1" "bad"
    const QString h = QStringLiteral("1/2");
    QTest::newRow("2 bins per zone")
        << 2 << QStringList{h, h, "1/1", h, h, h} << QList<int>{1, 1, 1, 1, 1, 2, 1};
    QTest::newRow("3 bins per zone")
        << 3 << QStringList{h, "1/3", "2/3", "1/1", h, h} << QList<int>{1, 1, 1, 2, 1, 3, 1};
    QTest::newRow("4 bins per zone")
        << 4 << QStringList{h, "1/4", h, "3/4", "1/1", h} << QList<int>{1, 1, 2, 1, 3, 4, 1};
    QTest::newRow("5 bins per zone")
        << 5 << QStringList{h, h, h, h, h, h} << QList<int>{1, 1, 1, 1, 1, 1, 1};
}

void TestMenuManager::panFractions()
{
    QFETCH(int, traysPerZone);
    QFETCH(QStringList, fractionOfSize);
    QFETCH(QList<int>, sizeOfFraction);
    m_core->traysPerZone = traysPerZone;
    for (int size = 0; size <= 5; ++size)
        QCOMPARE(m_menu->convertPanSizeToPanFraction(size), fractionOfSize.at(size));
    const QStringList texts{"1/4", "1/3", "1/2", "2/3", "3/4", "1/1", "1/1 "};
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(m_menu->convertPanFractionToPanSize(texts.at(i)), sizeOfFraction.at(i));
}

void TestMenuManager::productZeroNeverHeats_data()
{
    QTest::addColumn<int>("customerId");
    QTest::addColumn<int>("temperature");
    QTest::newRow("QRB") << 3 << 185;
    QTest::newRow("other customer") << 0 << 0;
    QTest::newRow("another customer") << 5 << 0;
}

void TestMenuManager::productZeroNeverHeats()
{
    QFETCH(int, customerId);
    QFETCH(int, temperature);
    m_core->customerId = customerId;
    QVERIFY(m_roots->writeRootFile(QStringLiteral("menu.json"), R"({"menuVersion": 1, "products": [
        {"productId": 0, "lowerTemp": 150, "upperTemp": 160},
        {"productId": 4, "lowerTemp": 150, "upperTemp": 160}]})"));
    m_menu->menuLoadJsonDocFile();
    QCOMPARE(m_menu->getProductLowerTemp(0).toInt(), temperature);
    QCOMPARE(m_menu->getProductUpperTemp(0).toInt(), temperature);
    QCOMPARE(m_menu->getProductLowerTemp(1).toInt(), 150);
    QCOMPARE(m_menu->getProductUpperTemp(1).toInt(), 160);
}

void TestMenuManager::nameObjectsKeepAllFifteenLanguages()
{
    const QJsonObject object{{"eng_USA", "Fries"}, {"deu", "Pommes"}, {"xx", "ignored"}, {"spa", 5}};
    const QStringList names = m_menu->readNameTranslationsFromJson(object);
    QCOMPARE(names.size(), 15);
    QCOMPARE(names.at(0), QStringLiteral("Fries"));
    QCOMPARE(names.at(5), QStringLiteral("Pommes"));
    QCOMPARE(names.at(1), QString()); // not a text
    QCOMPARE(names.count(QString()), 13);

    const QJsonObject back = m_menu->setNameListToJson(names);
    QCOMPARE(back.size(), 15);
    QCOMPARE(back.value("deu").toString(), QStringLiteral("Pommes"));
    QCOMPARE(back.value("jpn").toString(), QString());
    QVERIFY(back.contains("jpn"));
    QCOMPARE(m_menu->setNameListToJson({QStringLiteral("Only English")}).size(), 15);
}

void TestMenuManager::legacyProductLineByCustomer_data()
{
    QTest::addColumn<int>("customerId");
    QTest::addColumn<int>("lowerTemp");
    QTest::addColumn<int>("resetTime");
    QTest::newRow("QRB") << 3 << 160 << 0;
    QTest::newRow("other customer") << 1 << 170 << 300;
}

void TestMenuManager::legacyProductLineByCustomer()
{
    QFETCH(int, customerId);
    QFETCH(int, lowerTemp);
    QFETCH(int, resetTime);
    m_core->customerId = customerId;
    m_core->traysPerZone = 4;
    QVERIFY(m_roots->writeRootFile(QStringLiteral("productsList.txt"),
                                   "p,12,Fries,600,540,170,160,Solid,norm,2\n"));
    m_menu->loadProductsMenu();
    QCOMPARE(m_menu->getRowCount(), 1);
    QCOMPARE(m_menu->getProductId(0).toInt(), 12);
    QCOMPARE(m_menu->getProductLowerTemp(0).toInt(), lowerTemp);
    QCOMPARE(m_menu->getProductUpperTemp(0).toInt(), 170);
    QCOMPARE(m_menu->getProductResetTime(0).toInt(), resetTime);
    QCOMPARE(m_menu->getProductPanSizeX(0).toString(), QStringLiteral("1/2"));
    const QVariantMap row = RoleItemModel::getModelData(m_menu->productsModel(), 0);
    QCOMPARE(row.value("targetFanSpeed").toString(), QStringLiteral("100"));
    QCOMPARE(row.value("timerColor").toString(), QStringLiteral("#fffffd"));
    QCOMPARE(row.value("default").toInt(), -1);
    QCOMPARE(row.value("groupID").toString(), QStringLiteral("0"));
    QCOMPARE(row.value("namesList").toStringList(), QStringList(QVector<QString>(15, "Fries").toList()));
}

void TestMenuManager::legacyGroupLines()
{
    QVERIFY(m_roots->writeRootFile(QStringLiteral("productsList.txt"),
                                   "g,50,Chicken,170,1,Solid,5,12,13\n"
                                   "g,50,Chicken,170,1,Solid,1,12,13\n"
                                   "g,51,Mix,170,1,Solid,0,12,,14\n"
                                   "g,53,Not a number,170,1,Solid,x,12\n"
                                   "g,54,Many,170,1,Solid,0,1,2,3,4,5,6,7,8,9,10,11,12\n"
                                   "g,55,Huge pan,170,9,Solid,0,12\n"));
    QTest::ignoreMessage(QtWarningMsg, "productsList.txt: pan size 9 is not 1 to 4, taken as 1");
    m_menu->loadProductsMenu();
    QCOMPARE(m_menu->getRowCount(), 6);
    QCOMPARE(m_menu->getProductPanSize(5).toInt(), 1);
    const auto role = [this](int row, int r) { return m_menu->productsModel()->index(row, 0).data(r); };
    QCOMPARE(role(0, MenuManager::DefaultRole).toString(), QStringLiteral("0"));
    QCOMPARE(role(0, MenuManager::NameRole).toString(), QStringLiteral("!Chicken"));
    QCOMPARE(role(0, MenuManager::NamesListRole).toStringList().value(3), QStringLiteral("Chicken"));
    QCOMPARE(role(1, MenuManager::DefaultRole).toString(), QStringLiteral("1"));
    QCOMPARE(role(1, MenuManager::NameRole).toString(), QStringLiteral("Chicken"));
    QCOMPARE(role(1, MenuManager::ProductListRole).toStringList(), (QStringList{"12", "13"}));
    QCOMPARE(role(1, MenuManager::GroupIdRole).toInt(), 50);
    QCOMPARE(role(1, MenuManager::HoldTimeRole).toString(), QStringLiteral("0"));
    QCOMPARE(role(2, MenuManager::ProductListRole).toStringList(), (QStringList{"12", "14"}));
    QCOMPARE(role(3, MenuManager::NameRole).toString(), QStringLiteral("!Not a number"));
    QCOMPARE(role(4, MenuManager::ProductListRole).toStringList().size(), 10);
    QCOMPARE(m_menu->getProductGroupPList(51).toStringList(), (QStringList{"12", "14"}));
    QCOMPARE(m_menu->getProductGroupsDefault(50).toString(), QStringLiteral("0"));
}

void TestMenuManager::legacyGroupTakesFanSpeedOfTheEditModel()
{
    // The edit model row at the products-model row of the first member.
    for (int fan : {11, 22, 33}) {
        auto *row = new QStandardItem;
        row->setData(fan, MenuManager::TargetFanSpeedRole);
        m_menu->productsEditModel()->appendRow(row);
    }
    QVERIFY(m_roots->writeRootFile(QStringLiteral("productsList.txt"),
                                   "p,7,Seven,1,1,1,1,a,b,1,0\n"
                                   "p,8,Eight,1,1,1,1,a,b,1,0\n"
                                   "g,60,Eights,170,1,Solid,0,8,7\n"
                                   "g,61,Empty first,170,1,Solid,0,,7\n"
                                   "g,62,Unknown member,170,1,Solid,0,99\n"));
    m_menu->loadProductsMenu();
    QCOMPARE(m_menu->productsModel()->index(2, 0).data(MenuManager::TargetFanSpeedRole).toInt(), 22);
    QCOMPARE(m_menu->productsModel()->index(3, 0).data(MenuManager::TargetFanSpeedRole).toInt(), 11);
    QCOMPARE(m_menu->productsModel()->index(4, 0).data(MenuManager::TargetFanSpeedRole).toInt(), 11);
    m_menu->productsEditModel()->clear();
    m_menu->loadProductsMenu();
    QCOMPARE(m_menu->productsModel()->index(2, 0).data(MenuManager::TargetFanSpeedRole).toInt(), 0);
}

void TestMenuManager::legacyListSkipsBlankUnknownAndShortLines()
{
    QVERIFY(MenuTest::placeFixture(*m_roots, "productsList_legacy.txt", "productsList.txt"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("line 6 is not a complete product or group line"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("line 10 is not a complete product or group line"));
    m_menu->loadProductsMenu();
    QStringList ids;
    for (int r = 0; r < m_menu->getRowCount(); ++r)
        ids << m_menu->getProductId(r).toString();
    QCOMPARE(ids, (QStringList{"0", "12", "13", "50", "51", "52"}));
    QCOMPARE(m_menu->getProductLowerTemp(0).toInt(), 0); // product 0, customer 0
    QCOMPARE(m_menu->productsModel()->index(2, 0).data(MenuManager::TargetFanSpeedRole).toString(),
             QStringLiteral("80"));
    QCOMPARE(m_menu->getProductPanSizeX(2).toString(), QStringLiteral("3/4"));
}

void TestMenuManager::legacyListStopsAfterAHundredRows()
{
    QByteArray list;
    for (int id = 0; id <= 120; ++id)
        list += "p," + QByteArray::number(id) + ",P,60,20,150,140,Solid,norm,1,0\n";
    QVERIFY(m_roots->writeRootFile(QStringLiteral("productsList.txt"), list));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("more than 100 products and groups"));
    m_menu->loadProductsMenu();
    QCOMPARE(m_menu->getRowCount(), 101);
    QCOMPARE(m_menu->getProductId(100).toInt(), 100);
}

void TestMenuManager::defaultListOfTheResources_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing list") << QByteArray() << "productsList.txt doesn't exist, using default file.";
    QTest::newRow("empty list") << QByteArray("") << "productsList.txt file size is 0???... using default file.";
}

void TestMenuManager::defaultListOfTheResources()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, message);
    if (!list.isNull())
        QVERIFY(m_roots->writeRootFile(QStringLiteral("productsList.txt"), list));
    m_core->customerId = 3;
    QTest::ignoreMessage(list.isNull() ? QtDebugMsg : QtWarningMsg, qPrintable(message));
    m_menu->loadProductsMenu();
    QCOMPARE(m_menu->getRowCount(), 41);
    for (int r = 0; r < 41; ++r)
        QCOMPARE(m_menu->getProductId(r).toInt(), r);
    QCOMPARE(m_menu->getProductName(0).toString(), QString());
    QCOMPARE(m_menu->getProductLowerTemp(0).toInt(), 185);
    QCOMPARE(m_menu->getProductLidType(0).toString(), QStringLiteral("NONE"));
    QCOMPARE(m_menu->getProductHoldTime(40).toInt(), 60);
    QCOMPARE(m_menu->getProductWarningTime(40).toInt(), 20);
    QCOMPARE(m_menu->getProductUpperTemp(40).toInt(), 150);
    QCOMPARE(m_menu->getProductLowerTemp(40).toInt(), 140);
    QVERIFY(!m_menu->getProductName(40).toString().isEmpty());
    QSet<int> panSizes;
    for (int r = 1; r < 41; ++r)
        panSizes << m_menu->getProductPanSize(r).toInt();
    QCOMPARE(panSizes, (QSet<int>{1, 2, 3}));
}

QTEST_MAIN(TestMenuManager)
#include "tst_menumanager.moc"
