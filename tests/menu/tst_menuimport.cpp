// Menu-tool imports applied to a cabinet: the signals of each outcome, what a binary
// file and a JSON file change, that a failed import changes nothing, the legacy list
// and its numbered copies, the export and the round trip through it.
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "jsonmenufile.h"
#include "menumanager.h"
#include "menutestsupport.h"
#include "orvantaproxy.h"
#include "roleitemmodel.h"
#include "translator.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

#include <algorithm>

namespace {

QString importFixture(const QString &name)
{
    return QStringLiteral(MENUIMPORT_FIXTURES "/") + name;
}

// One display's menu objects on a fake core: zones x traysPerZone trays, and a product
// location map that, unlike the tray order, runs backwards from bin 19.
struct Cabinet
{
    // Without `wired` nothing applies what the import sends.
    Cabinet(int zones = 5, int traysPerZone = 4, bool wired = true)
    {
        core.numberOfZones = zones;
        core.traysPerZone = traysPerZone;
        core.hasSecondaryDisplay = true;
        translator = new Translator(&core);
        core.translatorPtr = translator;
        config = new ConfigurationManager(nullptr, nullptr, true, 1, &core);
        core.configManagerPtr = config;
        menu = new MenuManager(&core);
        core.menuManagerPtr = menu;
        menu->menuLoadJsonDocFile();
        dayParts = new DayPartManager(zones, traysPerZone, menu, &core);
        core.daypartManagerPtr = dayParts;
        dayParts->set_numOfTrays(core.get_traysPerCabinet());
        for (int t = 0; t < core.get_traysPerCabinet(); ++t)
            map << 19 - t;
        dayParts->setProductLocationMap(map.constData(), map.size());
        proxy = new OrvantaProxy(&core);
        // As the application core wires it.
        QObject::connect(proxy, &OrvantaProxy::importedMenu, config, &ConfigurationManager::processImportedMenu);
        if (wired)
            proxy->connectAppliers(config, menu, dayParts);
    }

    bool idle() const
    {
        return MenuTest::waitUntilIdle(MenuTest::chainOf(menu, "menuSaveChain"))
            && MenuTest::waitUntilIdle(MenuTest::chainOf(dayParts, "dayPartsSaveChain"));
    }

    FakeCabinetCore core;
    Translator *translator;
    ConfigurationManager *config;
    MenuManager *menu;
    DayPartManager *dayParts;
    OrvantaProxy *proxy;
    QVector<int> map;
};

// The proxy's report signals in the order they came, with the cloud report's result.
struct Reports : QObject
{
    explicit Reports(Cabinet &cabinet)
    {
        OrvantaProxy *p = cabinet.proxy;
        auto add = [this](const char *name) { return [this, name] { order << QString::fromLatin1(name); }; };
        connect(p, &OrvantaProxy::badHeaderCrc, this, add("badHeaderCrc"));
        connect(p, &OrvantaProxy::invalidFileVersion, this, add("invalidFileVersion"));
        connect(p, &OrvantaProxy::badConfigurationCrc, this, add("badConfigurationCrc"));
        connect(p, &OrvantaProxy::badProductCrc, this, add("badProductCrc"));
        connect(p, &OrvantaProxy::badDaypartCrc, this, add("badDaypartCrc"));
        connect(p, &OrvantaProxy::orvantaDataImported, this, add("orvantaDataImported"));
        connect(p, &OrvantaProxy::orvantaDataImportFailed, this, add("orvantaDataImportFailed"));
        connect(p, &OrvantaProxy::importedMenu, this, add("importedMenu"));
        connect(cabinet.menu, &MenuManager::notifyMenuUpdated, this,
                [this](const QString &, int method, bool result) { cloud << qMakePair(method, result); });
    }
    bool reported() const { return !cloud.isEmpty(); }
    QStringList order;
    QList<QPair<int, bool>> cloud;
};

// What the import hands to the appliers, in order, with its own report signals.
struct Handovers : QObject
{
    explicit Handovers(OrvantaProxy *p)
    {
        auto add = [this](const char *name) { return [this, name] { order << QString::fromLatin1(name); }; };
        connect(p, &OrvantaProxy::newConfigData, this, add("newConfigData"));
        connect(p, &OrvantaProxy::newProductsDataList, this, add("newProductsDataList"));
        connect(p, &OrvantaProxy::newDayPartData, this,
                [this](const DayPart_t &, int idx) { order << QStringLiteral("newDayPartData %1").arg(idx); });
        connect(p, &OrvantaProxy::saveNewDayPartsToJson, this, add("saveNewDayPartsToJson"));
        connect(p, &OrvantaProxy::newProductsDataJsonDoc, this, [this](const QString &doc) {
            order << QStringLiteral("newProductsDataJsonDoc");
            document = doc;
        });
        connect(p, &OrvantaProxy::orvantaDataImported, this, add("orvantaDataImported"));
        connect(p, &OrvantaProxy::orvantaDataImportFailed, this, add("orvantaDataImportFailed"));
        connect(p, &OrvantaProxy::importedMenu, this, add("importedMenu"));
    }
    QStringList order;
    QString document;
};

} // namespace

class TstMenuImport : public QObject
{
    Q_OBJECT
    QScopedPointer<ScratchRoots> m_roots;

    bool putOnDrive(const QString &fixture, const QString &as = QString()) const
    {
        return QFile::copy(importFixture(fixture), m_roots->flash() + (as.isEmpty() ? fixture : as));
    }
    // Imports a file of the drive as the update screen does and returns the signals it
    // raised, in order, once the import has ended. Without `cloudReports` exactly one
    // report to the cloud is required; with it, their number is given back.
    static QStringList importAndWait(Cabinet &cabinet, const QString &fileName, bool *cloudResult = nullptr,
                                     int *cloudReports = nullptr)
    {
        Reports reports(cabinet);
        cabinet.proxy->set_importSource(0);
        cabinet.proxy->importMenuFile(fileName);
        if (!QTest::qWaitFor([&] { return reports.reported() || !cabinet.proxy->isImporting(); }, 10000))
            return {QStringLiteral("no end")};
        if (cloudReports)
            *cloudReports = reports.cloud.size();
        else if (!reports.reported())
            return {QStringLiteral("no report")};
        if (reports.cloud.size() > 1
            || (reports.reported() && reports.cloud.first().first != OrvantaProxy::METHOD_UPDATE_SCREEN))
            return {QStringLiteral("bad cloud report")};
        if (cloudResult && reports.reported())
            *cloudResult = reports.cloud.first().second;
        cabinet.idle();
        return reports.order;
    }

private slots:
    void init()
    {
        m_roots.reset(new ScratchRoots);
        QVERIFY(m_roots->isValid());
        QVERIFY(QDir().mkpath(m_roots->flash()));
    }

    void cleanup() { m_roots.reset(); }

    void binaryOutcomes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<bool>("imported");
        QTest::addColumn<bool>("cloudReport"); // whether the cloud hears of it

        const QString failed = QStringLiteral("orvantaDataImportFailed");
        QTest::newRow("good") << "good.tul" << QStringList{"orvantaDataImported", "importedMenu"} << true << true;
        QTest::newRow("upper-case ending") << "MENU.TUL" << QStringList{"orvantaDataImported", "importedMenu"} << true
                                           << true;
        QTest::newRow("version 4") << "version4.tul" << QStringList{"invalidFileVersion"} << false << false;
        QTest::newRow("header crc") << "bad_header_crc.tul" << QStringList{"badHeaderCrc", failed} << false << true;
        QTest::newRow("product 3 of 10") << "bad_product3.tul" << QStringList{"badProductCrc", failed} << false << true;
        QTest::newRow("config and day part 2") << "bad_config_and_daypart2.tul"
                                               << QStringList{"badConfigurationCrc", "badDaypartCrc", failed} << false
                                               << true;
        QTest::newRow("truncated") << "truncated.tul" << QStringList{failed} << false << true;
        QTest::newRow("offset past the end") << "daypart_offset_past_end.tul" << QStringList{failed} << false << true;
        QTest::newRow("more than 100 products") << "too_many_products.tul" << QStringList{failed} << false << true;
        QTest::newRow("missing") << "absent.tul" << QStringList{failed} << false << true;
        // The screen still says it failed; the cloud hears nothing of a file never read.
        QTest::newRow("cannot be opened") << "folder.tul" << QStringList{failed} << false << false;
        QTest::newRow("not a bare name") << "../good.tul" << QStringList{failed} << false << true;
    }

    void binaryOutcomes()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, reports);
        QFETCH(bool, imported);
        QFETCH(bool, cloudReport);

        QVERIFY(putOnDrive(file == "MENU.TUL" ? "good.tul" : file, file == "MENU.TUL" ? file : QString())
                || file == "absent.tul" || file == "folder.tul" || file.startsWith(".."));
        QVERIFY(QDir().mkpath(m_roots->flash() + "folder.tul"));
        QVERIFY(QFile::copy(importFixture("good.tul"), m_roots->base() + "/good.tul"));
        Cabinet cabinet;
        const auto menuBefore = MenuTest::rowsOf(cabinet.menu->productsModel());
        const QByteArray dayPartsBefore = cabinet.dayParts->dayPartsInfoToJson(true);
        const QString languageBefore = cabinet.config->get_languageId();

        bool cloudResult = !imported;
        int cloudReports = -1;
        QStringList order = importAndWait(cabinet, file, &cloudResult, &cloudReports);
        QCOMPARE(order, reports);
        QCOMPARE(cloudReports, cloudReport ? 1 : 0);
        if (cloudReport)
            QCOMPARE(cloudResult, imported);
        if (imported) {
            QCOMPARE(cabinet.config->get_importedMenu().section('|', 0, 0), file);
            QCOMPARE(cabinet.menu->getRowCount(), 11);
        } else {
            QCOMPARE(MenuTest::rowsOf(cabinet.menu->productsModel()), menuBefore);
            QCOMPARE(cabinet.dayParts->dayPartsInfoToJson(true), dayPartsBefore);
            QCOMPARE(cabinet.config->get_languageId(), languageBefore);
            QVERIFY(!QFile::exists(m_roots->root() + "menu.json"));
            QVERIFY(!QFile::exists(m_roots->root() + "productsList.txt"));
        }
    }

    void binaryFileReplacesSettingsMenuAndTwoDayParts()
    {
        QVERIFY(putOnDrive("good.tul"));
        Cabinet cabinet;
        QCOMPARE(importAndWait(cabinet, "good.tul"), (QStringList{"orvantaDataImported", "importedMenu"}));

        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6").arg(cabinet.config->get_languageId()).arg(cabinet.config->get_useFirstEnabled())
                     .arg(cabinet.config->get_groupDotsEnabled()).arg(cabinet.config->get_splitViewEnabled())
                     .arg(cabinet.config->get_labelFontSize()).arg(cabinet.config->get_productsHashCode()),
                 QStringLiteral("fra 1 0 1 30 000102030405060708090a0b0c0d0e0f"));

        // Model rebuilt from the list: the empty product, 8 products, then the groups; the
        // group whose members are 5, 0, 7 has the one member 5.
        QCOMPARE(cabinet.menu->getRowCount(), 11);
        QCOMPARE(cabinet.menu->getProductId(0).toInt(), 0);
        QCOMPARE(cabinet.menu->getProductHoldTime(3).toInt(), 603);
        QCOMPARE(cabinet.menu->getProductGroupPList(50).toStringList(), (QStringList{"1", "2"}));
        QCOMPARE(cabinet.menu->getProductGroupPList(51).toStringList(), QStringList{"5"});

        // Trays take the bin the location map names (tray t is bin 19 - t).
        QCOMPARE(MenuTest::gridOf(cabinet.dayParts, 0), QStringLiteral("51,50,8,7,6,5,4,3,2,1,51,50,8,7,6,5,4,3,2,1"));
        QCOMPARE(MenuTest::gridOf(cabinet.dayParts, 1), QStringLiteral("1,0,0,0,0,0,50,51,0,0,0,0,1,2,3,4,5,6,7,8"));
        // Saved and sent to the other display.
        QVERIFY(MenuManager::isMenuDocument(MenuTest::readFile(m_roots->root() + "menu.json")));
        QVERIFY(DayPartManager::isDayPartDocument(MenuTest::readFile(m_roots->root() + "dayParts.json")));
        const QStringList sent = cabinet.core.sentNames();
        QVERIFY(sent.contains("sendOvUpdateProducts") && sent.contains("sendOvUpdateDayparts"));
    }

    // The settings of an imported binary file are this display's: no display settings
    // record goes to the other displays, whatever the cabinet. The settings file is
    // offered as transfer 12, which nothing takes. A failed import has the preference
    // screens show the restored values.
    void importedSettingsStayOnThisDisplay_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("display"); // this display and the others of the cabinet
        QTest::addColumn<QString>("broken");   // a temporary file that cannot be written
        QTest::addColumn<int>("fileOffers");   // sendConfigurationFileViaCanbus
        QTest::addColumn<int>("reloads");      // newConfigImported
        QTest::newRow("binary, master with a second display") << "good.tul" << "second" << "" << 1 << 1;
        QTest::newRow("binary, master with a mirror") << "good.tul" << "mirror" << "" << 1 << 1;
        QTest::newRow("binary, the only display") << "good.tul" << "alone" << "" << 1 << 1;
        QTest::newRow("binary, not the master") << "good.tul" << "not master" << "" << 1 << 1;
        QTest::newRow("binary, menu not saved") << "good.tul" << "second" << "menu.json.New" << 1 << 2;
        QTest::newRow("binary, settings not saved") << "good.tul" << "second" << "config.txt" << 0 << 1;
        QTest::newRow("JSON carries no settings") << "apply.json" << "second" << "" << 0 << 0;
        QTest::newRow("JSON, menu not saved") << "apply.json" << "second" << "menu.json.New" << 0 << 0;
    }

    void importedSettingsStayOnThisDisplay()
    {
        QFETCH(QString, file);
        QFETCH(QString, display);
        QFETCH(QString, broken);
        QFETCH(int, fileOffers);
        QFETCH(int, reloads);
        QVERIFY(MenuTest::placeFixture(*m_roots, "menu_multilang.json", "menu.json"));
        QVERIFY(putOnDrive(file));
        Cabinet cabinet;
        cabinet.core.hasSecondaryDisplay = display == "second";
        cabinet.core.hasMirrorDisplay = display == "mirror";
        cabinet.core.iAmMaster = display != "not master";
        QVERIFY(cabinet.idle());
        if (!broken.isEmpty())
            QVERIFY(QDir().mkpath(m_roots->root() + broken));
        cabinet.core.sent.clear();
        QSignalSpy offers(cabinet.config, &ConfigurationManager::sendConfigurationFileViaCanbus);
        QSignalSpy shown(cabinet.config, &ConfigurationManager::newConfigImported);

        bool ok = false;
        importAndWait(cabinet, file, &ok);
        QCOMPARE(ok, broken.isEmpty());
        QCOMPARE(cabinet.core.sentNames().count("sendConfigSettingsData"), 0);
        QCOMPARE(offers.size(), fileOffers);
        if (fileOffers)
            QCOMPARE(offers.first(), (QVariantList{ConfigurationManager::configFilePath(), 12}));
        QCOMPARE(shown.size(), reloads);
    }

    // The import hands its content over by signals, one step after the other, and stops
    // at the first step that is not applied: nothing of the file stays then.
    void importSignalsReachTheAppliers_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("wired");
        QTest::addColumn<QString>("broken"); // a file that cannot be written
        QTest::addColumn<QStringList>("signalOrder");

        const QStringList binary{"newConfigData", "newProductsDataList", "newDayPartData 0", "newDayPartData 1",
                                 "saveNewDayPartsToJson"};
        const QStringList done{"orvantaDataImported", "importedMenu"};
        const QString failed = QStringLiteral("orvantaDataImportFailed");
        QTest::newRow("binary") << "good.tul" << true << "" << binary + done;
        QTest::newRow("JSON") << "apply.json" << true << "" << QStringList{"newProductsDataJsonDoc"} + done;
        QTest::newRow("binary, nothing applies it") << "good.tul" << false << "" << QStringList{"newConfigData", failed};
        QTest::newRow("JSON, nothing applies it") << "apply.json" << false << ""
                                                  << QStringList{"newProductsDataJsonDoc", failed};
        QTest::newRow("binary, settings not saved") << "good.tul" << true << "config.txt"
                                                    << QStringList{"newConfigData", failed};
        QTest::newRow("binary, menu not saved") << "good.tul" << true << "menu.json.New"
                                                << QStringList{"newConfigData", "newProductsDataList", failed};
        QTest::newRow("JSON, menu not saved") << "apply.json" << true << "menu.json.New"
                                              << QStringList{"newProductsDataJsonDoc", failed};
    }

    void importSignalsReachTheAppliers()
    {
        QFETCH(QString, file);
        QFETCH(bool, wired);
        QFETCH(QString, broken);
        QFETCH(QStringList, signalOrder);
        QVERIFY(MenuTest::placeFixture(*m_roots, "menu_multilang.json", "menu.json"));
        QVERIFY(putOnDrive(file));
        Cabinet cabinet(5, 4, wired);
        QVERIFY(cabinet.idle());
        const QByteArray menuText = cabinet.menu->menuDataModelToJson();
        const QByteArray dayPartsText = cabinet.dayParts->dayPartsInfoToJson(true);
        const QString language = cabinet.config->get_languageId();
        if (!broken.isEmpty())
            QVERIFY(QDir().mkpath(m_roots->root() + broken));

        Handovers handovers(cabinet.proxy);
        bool ok = false;
        importAndWait(cabinet, file, &ok);
        QCOMPARE(handovers.order, signalOrder);
        QCOMPARE(ok, signalOrder.contains("importedMenu"));
        if (!handovers.document.isEmpty()) {
            // The parsed document, written out again indented.
            const QJsonDocument sent = QJsonDocument::fromJson(handovers.document.toUtf8());
            QCOMPARE(sent, MenuTest::jsonOf(MenuTest::readFile(importFixture(file))));
            QCOMPARE(handovers.document.toUtf8(), sent.toJson(QJsonDocument::Indented));
        }
        if (!ok) {
            QCOMPARE(cabinet.menu->menuDataModelToJson(), menuText);
            QCOMPARE(cabinet.dayParts->dayPartsInfoToJson(true), dayPartsText);
            QCOMPARE(cabinet.config->get_languageId(), language);
        }
    }

    // The appliers take only what a running import announces: the same signals sent at
    // another time change nothing.
    void appliersIgnoreSignalsOutsideAnImport_data()
    {
        QTest::addColumn<QString>("signal");
        QTest::newRow("settings") << "newConfigData";
        QTest::newRow("products") << "newProductsDataList";
        QTest::newRow("day part") << "newDayPartData";
        QTest::newRow("day parts' save") << "saveNewDayPartsToJson";
        QTest::newRow("JSON document") << "newProductsDataJsonDoc";
    }

    void appliersIgnoreSignalsOutsideAnImport()
    {
        QFETCH(QString, signal);
        QVERIFY(MenuTest::placeFixture(*m_roots, "menu_multilang.json", "menu.json"));
        Cabinet cabinet;
        QVERIFY(cabinet.idle());
        const QByteArray menuText = cabinet.menu->menuDataModelToJson();
        const QByteArray dayPartsText = cabinet.dayParts->dayPartsInfoToJson(true);
        const QString language = cabinet.config->get_languageId();
        const BinaryMenuFile file = BinaryMenuFile::read(MenuTest::readFile(importFixture("good.tul")));
        QCOMPARE(file.outcome, BinaryMenuFile::Outcome::Good);

        OrvantaProxy *p = cabinet.proxy;
        if (signal == "newConfigData")
            emit p->newConfigData(file.configuration);
        else if (signal == "newProductsDataList")
            emit p->newProductsDataList(file.products);
        else if (signal == "newDayPartData")
            emit p->newDayPartData(file.dayParts.at(0), 0);
        else if (signal == "saveNewDayPartsToJson")
            emit p->saveNewDayPartsToJson();
        else
            emit p->newProductsDataJsonDoc(QString::fromUtf8(MenuTest::readFile(importFixture("apply.json"))));
        QTest::qWait(50);
        QCOMPARE(cabinet.menu->menuDataModelToJson(), menuText);
        QCOMPARE(cabinet.dayParts->dayPartsInfoToJson(true), dayPartsText);
        QCOMPARE(cabinet.config->get_languageId(), language);
        QVERIFY(!MenuTest::chainOf(cabinet.menu, "menuSaveChain")->isBusy());
        QVERIFY(!MenuTest::chainOf(cabinet.dayParts, "dayPartsSaveChain")->isBusy());
    }

    void configurationLanguage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("language");
        QTest::newRow("0") << "names_lang0.tul" << "eng_USA";
        QTest::newRow("1") << "names_lang1.tul" << "spa";
        QTest::newRow("2") << "names_lang2.tul" << "fra";
        QTest::newRow("7") << "names_lang7.tul" << "eng_USA";
    }

    void configurationLanguage()
    {
        QFETCH(QString, file);
        QFETCH(QString, language);
        QVERIFY(putOnDrive(file));
        Cabinet cabinet;
        cabinet.config->set_languageId("deu");
        QCOMPARE(importAndWait(cabinet, file).value(0), QStringLiteral("orvantaDataImported"));
        QCOMPARE(cabinet.config->get_languageId(), language);
    }

    void legacyListLines()
    {
        const BinaryMenuFile file = BinaryMenuFile::read(MenuTest::readFile(importFixture("names_lang0.tul")));
        QCOMPARE(file.outcome, BinaryMenuFile::Outcome::Good);
        const QStringList lines = MenuManager::legacyListText(file.products).split('\n');
        const QStringList expected = {
            "p,0,,0,0,0,185,None,Normal,1,0",
            QString::fromUtf8("p,12,Fries\u201a large,600,540,170,160,Vented,False,2,80"),
            "p,13,Two lines,60,20,150,140,None,Normal,1,0",
            "p,14," + QString(64, 'N') + ",60,20,150,140,None,Normal,1,0",
            "g,50,Mix,170,1,Solid,1,", // a group without members ends with its comma
            "",                        // the record of another kind gives no line
        };
        QCOMPARE(lines, expected);

        // Read back, every record is one row with its name whole.
        Cabinet cabinet;
        QVERIFY(putOnDrive("names_lang0.tul"));
        QCOMPARE(importAndWait(cabinet, "names_lang0.tul").value(0), QStringLiteral("orvantaDataImported"));
        QCOMPARE(cabinet.menu->getRowCount(), 5);
        QCOMPARE(cabinet.menu->getProductName(0, 12).toString(), QString::fromUtf8("Fries\u201a large"));
        // Day part 0 names 12, 13, 14, 50 by bins 0..3; day part 1 names 99, which is not in
        // the menu and is taken all the same.
        QCOMPARE(cabinet.dayParts->getProdIdOnBin(0, 19), 12);
        QCOMPARE(cabinet.dayParts->getProdIdOnBin(0, 16), 50);
        QCOMPARE(cabinet.dayParts->getProdIdOnBin(1, 18), 99);
    }

    // A group's line names every member of its record, products of the file or not, so
    // that its default index still points at the member the menu tool chose.
    void groupLineKeepsEveryMember_data()
    {
        QTest::addColumn<QList<quint32>>("members");
        QTest::addColumn<int>("defaultIndex");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("row"); // name, default, members after reading the list back
        QTest::newRow("products of the file") << QList<quint32>{12, 15} << 1 << "g,50,Mix,170,1,Solid,1,12,15"
                                              << "Mix|1|12,15";
        QTest::newRow("one the file does not hold") << QList<quint32>{12, 15, 99} << 2
                                                    << "g,50,Mix,170,1,Solid,2,12,15,99" << "Mix|2|12,15,99";
        QTest::newRow("only ones it does not hold") << QList<quint32>{98, 99} << 0 << "g,50,Mix,170,1,Solid,0,98,99"
                                                    << "Mix|0|98,99";
        QTest::newRow("none") << QList<quint32>{} << 1 << "g,50,Mix,170,1,Solid,1," << "!Mix|0|";
    }
    void groupLineKeepsEveryMember()
    {
        QFETCH(QList<quint32>, members);
        QFETCH(int, defaultIndex);
        QFETCH(QString, line);
        QFETCH(QString, row);
        QList<Product_t> records{BinaryMenuFile::emptyProduct()};
        for (quint32 id : {12u, 15u}) {
            Product_t product;
            product.kind = 'p';
            product.id = id;
            product.name = "P" + QByteArray::number(id);
            product.panSize = 1;
            records << product;
        }
        Product_t group;
        group.kind = 'g';
        group.id = 50;
        group.name = "Mix";
        group.upperTemp = 170;
        group.panSize = 1;
        group.lid = 1;
        group.defaultIndex = quint8(defaultIndex);
        for (int i = 0; i < members.size(); ++i)
            group.members[size_t(i)] = members.at(i);
        records << group;
        QCOMPARE(MenuManager::legacyListText(records).split('\n').value(3), line);

        Cabinet cabinet;
        QVERIFY(cabinet.menu->processOrvantaProductsList(records));
        QVERIFY(cabinet.idle());
        QCOMPARE(MenuTest::fieldsOf(cabinet.menu->productsModel(), cabinet.menu->getProductIndex(50),
                                    "name default productList"),
                 row);
    }

    // The old list goes to the first free number; no earlier copy is ever removed.
    void legacyListCopiesAreNumberedAndKept_data()
    {
        QTest::addColumn<QList<int>>("existing");   // numbered copies before the import
        QTest::addColumn<int>("oldListAt");         // where the old list goes

        QTest::newRow("none") << QList<int>() << 1;
        QTest::newRow("_1 present") << QList<int>{1} << 2;
        QTest::newRow("gap") << QList<int>{2} << 1;
        QTest::newRow("gap after two") << QList<int>{1, 2, 4} << 3;
        QTest::newRow("five: the sixth is kept") << QList<int>{1, 2, 3, 4, 5} << 6;
        QTest::newRow("six: the seventh is kept") << QList<int>{1, 2, 3, 4, 5, 6} << 7;
    }

    void legacyListCopiesAreNumberedAndKept()
    {
        QFETCH(QList<int>, existing);
        QFETCH(int, oldListAt);

        QVERIFY(m_roots->writeRootFile("productsList.txt", "p,0,,0,0,0,185,None,Normal,1,0\n//old\n"));
        for (int n : existing)
            QVERIFY(m_roots->writeRootFile(QStringLiteral("productsList.txt_%1").arg(n), QByteArray::number(n)));
        QVERIFY(putOnDrive("good.tul"));
        Cabinet cabinet; // menu.json is absent: the list is migrated first
        QVERIFY(cabinet.idle());
        QVERIFY(m_roots->writeRootFile("productsList.txt", "p,0,,0,0,0,185,None,Normal,1,0\n//old\n"));
        QCOMPARE(importAndWait(cabinet, "good.tul").value(0), QStringLiteral("orvantaDataImported"));

        QCOMPARE(MenuTest::readFile(m_roots->root() + QStringLiteral("productsList.txt_%1").arg(oldListAt)),
                 QByteArray("p,0,,0,0,0,185,None,Normal,1,0\n//old\n"));
        QList<int> found;
        for (int n = 1; n <= 9; ++n) {
            if (QFile::exists(m_roots->root() + QStringLiteral("productsList.txt_%1").arg(n)))
                found << n;
        }
        QList<int> copies = existing;
        copies << oldListAt;
        std::sort(copies.begin(), copies.end());
        QCOMPARE(found, copies);
        // Every earlier copy keeps its place and its content.
        for (int n : existing)
            QCOMPARE(MenuTest::readFile(m_roots->root() + QStringLiteral("productsList.txt_%1").arg(n)),
                     QByteArray::number(n));
    }

    void failedSaveKeepsThePreviousMenu_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("broken"); // "mv": no file can be moved; otherwise a blocked temporary file
        QTest::newRow("binary, nothing moves") << "good.tul" << "mv";
        QTest::newRow("binary, day parts not writable") << "good.tul" << "dayParts.json.New";
        QTest::newRow("binary, menu not writable") << "good.tul" << "menu.json.New";
        QTest::newRow("json, nothing moves") << "apply.json" << "mv";
        QTest::newRow("json, day parts not writable") << "apply.json" << "dayParts.json.New";
    }

    void failedSaveKeepsThePreviousMenu()
    {
        QFETCH(QString, file);
        QFETCH(QString, broken);

        QVERIFY(MenuTest::placeFixture(*m_roots, "menu_multilang.json", "menu.json"));
        QVERIFY(MenuTest::placeFixture(*m_roots, "dayParts_three.json", "dayParts.json"));
        QVERIFY(putOnDrive(file));
        Cabinet cabinet;
        cabinet.dayParts->dayPartsLoadJsonDocFile();
        QVERIFY(cabinet.idle());
        const QByteArray menuFile = MenuTest::readFile(m_roots->root() + "menu.json");
        const QByteArray dayPartsFile = MenuTest::readFile(m_roots->root() + "dayParts.json");
        const QByteArray menuText = cabinet.menu->menuDataModelToJson();
        const QByteArray dayPartsText = cabinet.dayParts->dayPartsInfoToJson(true);
        const QString language = cabinet.config->get_languageId();

        // The grid each announcement to the bins put in force.
        QByteArrayList announced;
        connect(cabinet.dayParts, &DayPartManager::newDayPartDefinition, this,
                [&] { announced << cabinet.dayParts->dayPartsInfoToJson(true); });
        if (broken == "mv")
            m_roots->setVariable("TUL_STANDIN_MV_FAIL", "1");
        else
            QVERIFY(QDir().mkpath(m_roots->root() + broken));
        bool cloudResult = true;
        QCOMPARE(importAndWait(cabinet, file, &cloudResult), QStringList{"orvantaDataImportFailed"});
        QVERIFY(!cloudResult);
        m_roots->setVariable("TUL_STANDIN_MV_FAIL", QString());
        QVERIFY(cabinet.idle());

        QCOMPARE(cabinet.menu->menuDataModelToJson(), menuText);
        QCOMPARE(cabinet.dayParts->dayPartsInfoToJson(true), dayPartsText);
        QVERIFY(announced.isEmpty() || announced.last() == dayPartsText);
        QCOMPARE(cabinet.config->get_languageId(), language);
        QCOMPARE(MenuTest::jsonOf(MenuTest::readFile(m_roots->root() + "menu.json")), MenuTest::jsonOf(menuFile));
        QCOMPARE(MenuTest::jsonOf(MenuTest::readFile(m_roots->root() + "dayParts.json")), MenuTest::jsonOf(dayPartsFile));
        QVERIFY(!QFile::exists(m_roots->root() + "productsList.txt"));
    }

    // "Menu MD5" names the menu in use: a binary file brings its own digest, a JSON file
    // gets the digest of its bytes; either is stored only once the import is saved.
    void menuDigestFollowsASavedImport_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("broken"); // a blocked temporary file; empty: none
        QTest::addColumn<QString>("digest"); // "file": that of the file's bytes; empty: unchanged
        QTest::newRow("binary") << "good.tul" << QString() << "000102030405060708090a0b0c0d0e0f";
        QTest::newRow("json") << "apply.json" << QString() << "file";
        QTest::newRow("json, menu not saved") << "apply.json" << "menu.json.New" << QString();
        QTest::newRow("json of another version") << "version2.json" << QString() << QString();
    }

    void menuDigestFollowsASavedImport()
    {
        QFETCH(QString, file);
        QFETCH(QString, broken);
        QFETCH(QString, digest);
        const QString before = QStringLiteral("0123456789abcdef0123456789abcdef");
        QVERIFY(putOnDrive(file));
        if (digest == "file")
            digest = QString::fromLatin1(QCryptographicHash::hash(MenuTest::readFile(m_roots->flash() + file),
                                                                  QCryptographicHash::Md5).toHex());
        Cabinet cabinet;
        cabinet.config->set_productsHashCode(before);
        if (!broken.isEmpty())
            QVERIFY(QDir().mkpath(m_roots->root() + broken));
        importAndWait(cabinet, file);
        QVERIFY(cabinet.idle());
        const QString expected = digest.isEmpty() ? before : digest;
        QCOMPARE(cabinet.config->get_productsHashCode(), expected);
        if (!digest.isEmpty())
            QVERIFY(MenuTest::readFile(ConfigurationManager::configFilePath())
                        .contains("\nproductsHashCode=" + expected.toLatin1() + "\n"));
    }

    void jsonOutline_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("ok");

        QTest::newRow("empty header") << "outline_header_empty.json" << QStringList{"File header read failed!!!!!!!!"} << false;
        QTest::newRow("neither header nor menu")
            << "outline_nothing.json" << QStringList{"File header read failed!!!!!!!!", "menuObj is empty!!!!!!!!"} << false;
        QTest::newRow("groups an object") << "outline_groups_object.json" << QStringList{"Group array read failed!!!!!!!!"} << false;
        QTest::newRow("no products") << "outline_products_missing.json" << QStringList{"Products array read failed!!!!!!!!"} << false;
        QTest::newRow("layout a number") << "outline_layout_number.json" << QStringList{"dayparts array read failed!!!!!!!!"} << false;
        QTest::newRow("empty menu") << "outline_menu_empty.json" << QStringList{"menuObj is empty!!!!!!!!"} << false;
        QTest::newRow("not JSON") << "outline_not_json.json" << QStringList{"JSON file is invalid!!!!!!!!"} << false;
        // As in the menu file, the last value of a repeated key stands: here a "menu"
        // whose "products" is no list.
        QTest::newRow("repeated key, the last value stands")
            << "outline_repeated_key.json" << QStringList{"Group array read failed!!!!!!!!"} << false;
        QTest::newRow("repeated key, the first value was wrong")
            << "outline_repeated_key_last_good.json" << QStringList() << true;
        QTest::newRow("empty layout") << "layout_empty.json" << QStringList() << true;
        QTest::newRow("version 2") << "version2.json" << QStringList() << true;
    }

    void jsonOutline()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, messages);
        QFETCH(bool, ok);
        const JsonMenuFile::Outline outline = JsonMenuFile::checkOutline(MenuTest::readFile(importFixture(file)));
        QCOMPARE(outline.messages, messages);
        QCOMPARE(outline.ok, ok);
    }

    void jsonProducts()
    {
        QVERIFY(putOnDrive("apply.json"));
        Cabinet cabinet;
        cabinet.translator->setLanguage(2);
        QCOMPARE(importAndWait(cabinet, "apply.json"), (QStringList{"orvantaDataImported", "importedMenu"}));
        QStringList rows;
        for (int row = 0; row < cabinet.menu->getRowCount(); ++row) {
            rows << MenuTest::fieldsOf(cabinet.menu->productsModel(), row, "id name lidType bottomType panSize timerColor productList");
            QCOMPARE(cabinet.menu->productsModel()->index(row, 0).data(MenuManager::NamesListRole).toStringList().size(), 15);
            QCOMPARE(cabinet.menu->productsModel()->index(row, 0).data(MenuManager::GroupIdRole).toInt() >= 1,
                     row == 5 || row == 7);
        }
        // The empty product; shown in French at import time, "vented" is not "Vented" and
        // "1/1" on 4 bins per zone; absent values; numeric zoneSplits; the same id twice; a
        // group of members 5, {}, 6, 99 keeps them all, {} as 0; a group without
        // "groupId" is taken, as a row of group id 0, which counts as a product.
        QCOMPARE(rows.join(" / "), QStringLiteral("0||None|Normal|1|#fffffd| / 5|Frites|None|False|4|#00ff00| / 6||Vented|Normal|1|| / "
                                                  "7||Solid|Normal|1|#fffffd| / 7||None|Normal|1|#fffffd| / 70||Solid|0|4||5,0,6,99 / "
                                                  "0||None|0|1||5 / 71||None|0|1||"));
    }

    void jsonDayParts()
    {
        QVERIFY(putOnDrive("apply.json"));
        Cabinet cabinet;
        QCOMPARE(importAndWait(cabinet, "apply.json"), (QStringList{"orvantaDataImported", "importedMenu"}));

        // 12 layouts give 10 day parts, all in use.
        QCOMPARE(cabinet.dayParts->getDayPartsCount(), 10);
        QCOMPARE(cabinet.dayParts->getDayPartsToUseCount(), 10);
        // Names: unknown keys skipped, languages not given keep their names.
        QCOMPARE(cabinet.dayParts->getDayPartName(0, 0), QStringLiteral("Breakfast"));
        QCOMPARE(cabinet.dayParts->getDayPartName(1, 0), QStringLiteral("Desayuno"));
        QCOMPARE(cabinet.dayParts->getDayPartName(1, 1), QStringLiteral("Almuerzo"));
        // Bin k goes to the tray t with map[t] = k - 1 (t = 20 - k): bins 0 and 21 are
        // ignored, the later entry for bin 2 wins, product 99 is taken although the menu
        // does not hold it.
        QCOMPARE(MenuTest::gridOf(cabinet.dayParts, 0), QStringLiteral("71,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,99,70,7,5"));
        QCOMPARE(cabinet.dayParts->getProdIdOnBin(1, 16), 5);
        QCOMPARE(cabinet.dayParts->getProdIdOnBin(2, 19), 0);
    }

    // A menu of fewer day parts than the one in force: the last of its day parts comes in
    // force, with its products in the bins; an import that fails puts the old one back.
    // The day parts are applied before the products.
    void dayPartInForceAfterAJsonImport_data()
    {
        QTest::addColumn<int>("inForce");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<int>("inForceAfter");
        QTest::addColumn<QList<int>>("changes"); // nextDayPartChanged
        QTest::newRow("past the new day parts") << 2 << true << 1 << QList<int>{1};
        QTest::newRow("within them") << 0 << true << 0 << QList<int>{};
        QTest::newRow("past them, menu not saved") << 2 << false << 2 << QList<int>{1, 2};
    }
    void dayPartInForceAfterAJsonImport()
    {
        QFETCH(int, inForce);
        QFETCH(bool, saved);
        QFETCH(int, inForceAfter);
        QFETCH(QList<int>, changes);
        QVERIFY(MenuTest::placeFixture(*m_roots, "menu_multilang.json", "menu.json"));
        QVERIFY(MenuTest::placeFixture(*m_roots, "dayParts_three.json", "dayParts.json"));
        const QJsonObject product{{"productId", 5}, {"holdingTime", 600}};
        const auto dayPart = [](int productId) {
            return QJsonObject{{"productLocations", QJsonArray{QJsonObject{{"bin", 1}, {"productId", productId}}}}};
        };
        const QJsonObject menu{{"products", QJsonArray{product, QJsonObject{{"productId", 6}}}},
                               {"productGroups", QJsonArray()},
                               {"layout", QJsonArray{dayPart(5), dayPart(6)}}};
        const QJsonObject document{{"header", QJsonObject{{"menuVersion", 1}}}, {"menu", menu}};
        QFile file(m_roots->flash() + "two.json");
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(QJsonDocument(document).toJson()) > 0);
        file.close();
        Cabinet cabinet;
        cabinet.dayParts->dayPartsLoadJsonDocFile();
        QVERIFY(cabinet.idle());
        cabinet.dayParts->set_nextDayPart(inForce);
        if (!saved)
            QVERIFY(QDir().mkpath(m_roots->root() + "menu.json.New"));
        const QByteArray menuBefore = cabinet.menu->menuDataModelToJson();
        QList<int> seen;
        QList<bool> menuAsBefore;
        connect(cabinet.dayParts, &DayPartManager::nextDayPartChanged, this, [&](int dp) {
            seen << dp;
            menuAsBefore << (cabinet.menu->menuDataModelToJson() == menuBefore);
        });
        bool ok = false;
        importAndWait(cabinet, "two.json", &ok);
        QCOMPARE(ok, saved);
        QCOMPARE(seen, changes);
        QCOMPARE(cabinet.dayParts->get_nextDayPart(), inForceAfter);
        if (!changes.isEmpty())
            QVERIFY(menuAsBefore.first());
        // Bin 1 is display tray 19.
        if (saved)
            QCOMPARE(cabinet.dayParts->getProdIdOnBin(inForceAfter, 19), inForceAfter == 1 ? 6 : 5);
        else
            QCOMPARE(cabinet.dayParts->getDayPartsCount(), 3);
    }

    void jsonOtherVersionIsAFailedImport()
    {
        QVERIFY(putOnDrive("version2.json"));
        Cabinet cabinet;
        const auto before = MenuTest::rowsOf(cabinet.menu->productsModel());
        bool cloudResult = true;
        QCOMPARE(importAndWait(cabinet, "version2.json", &cloudResult), QStringList{"orvantaDataImportFailed"});
        QVERIFY(!cloudResult);
        QCOMPARE(MenuTest::rowsOf(cabinet.menu->productsModel()), before);
    }

    void exportName_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("name");

        QTest::newRow("first") << QStringList() << "123" << "MENU_123.json";
        QTest::newRow("third") << QStringList{"MENU_123.json", "MENU_123_2.json"} << "123" << "MENU_123_3.json";
        QTest::newRow("gap") << QStringList{"MENU_123.json", "MENU_123_3.json"} << "123" << "MENU_123_2.json";
        QTest::newRow("case counts") << QStringList{"menu_123.json"} << "123" << "MENU_123.json";
        QTest::newRow("empty serial") << QStringList() << "" << "MENU_.json";
        QTest::newRow("serial with a path") << QStringList() << "../a/b c" << "MENU_.._a_b c.json";
        QTest::newRow("what the drive refuses") << QStringList() << "A\\B:C*D?E\"F<G>H|I\tJ" << "MENU_A_B_C_D_E_F_G_H_I_J.json";
        QTest::newRow("any other character stays") << QStringList() << "SN 12 (ä) #3+é" << "MENU_SN 12 (ä) #3+é.json";
    }

    void exportName()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, serial);
        QFETCH(QString, name);
        QCOMPARE(JsonMenuFile::exportFileName(existing, serial), name);
    }

    void exportToAMissingDriveFails()
    {
        Cabinet cabinet;
        QVERIFY(QDir(m_roots->flash()).removeRecursively());
        QSignalSpy failed(cabinet.proxy, &OrvantaProxy::exportMenuFailed);
        QSignalSpy exported(cabinet.proxy, &OrvantaProxy::exportedMenu);
        cabinet.proxy->exportOrvantaJsonFile();
        QCOMPARE(failed.count(), 1);
        QCOMPARE(exported.count(), 0);
    }

    // A menu with groups, several languages and three day parts, exported on one cabinet
    // of 12 trays (whose map names bins 19..8) and imported on a fresh one.
    void exportedMenuImportsTheSameOnAFreshCabinet()
    {
        QVERIFY(MenuTest::placeFixture(*m_roots, "menu_multilang.json", "menu.json"));
        QVERIFY(MenuTest::placeFixture(*m_roots, "dayParts_three.json", "dayParts.json"));
        QByteArray menuText, dayPartsText, exportedText;
        {
            Cabinet first(4, 3);
            first.config->set_serialNumber("123");
            first.dayParts->dayPartsLoadJsonDocFile();
            QVERIFY(first.idle());
            QCOMPARE(first.dayParts->getDayPartsCount(), 3);
            menuText = first.menu->menuDataModelToJson();
            dayPartsText = first.dayParts->dayPartsInfoToJson(true);
            QSignalSpy exported(first.proxy, &OrvantaProxy::exportedMenu);
            first.proxy->exportOrvantaJsonFile();
            QCOMPARE(exported.count(), 1);
            QCOMPARE(exported.first().first().toString(), QStringLiteral("MENU_123.json"));
            exportedText = MenuTest::readFile(m_roots->flash() + "MENU_123.json");
        }
        const QJsonObject header = MenuTest::jsonOf(exportedText).object().value("header").toObject();
        QCOMPARE(header.value("menuDescription").toString(), QStringLiteral("MENU_123"));
        QCOMPARE(header.value("menuVersion").toInt(), 1);

        for (const char *name : {"menu.json", "dayParts.json", "config.txt"})
            QFile::remove(m_roots->root() + name);
        Cabinet fresh(4, 3);
        QCOMPARE(importAndWait(fresh, "MENU_123.json"), (QStringList{"orvantaDataImported", "importedMenu"}));
        // The same menu, but for product 0, which the import always makes its own, and a
        // bottom type other than the interchange file's two, which reads back as "Normal".
        auto withoutEmptyProduct = [](const QByteArray &text) {
            QJsonObject menu = MenuTest::jsonOf(text).object();
            QJsonArray products = menu.value("products").toArray();
            if (!products.isEmpty() && products.first().toObject().value("productId").toInt() == 0)
                products.removeFirst();
            for (int i = 0; i < products.size(); ++i) {
                QJsonObject product = products.at(i).toObject();
                if (product.value("bottomType").toString() != "False")
                    product.insert("bottomType", "Normal");
                products[i] = product;
            }
            menu.insert("products", products);
            return menu;
        };
        QCOMPARE(withoutEmptyProduct(fresh.menu->menuDataModelToJson()), withoutEmptyProduct(menuText));
        QCOMPARE(fresh.menu->getProductId(0).toInt(), 0);
        // Every day part imported is in use; everything else is the same.
        QJsonObject expected = MenuTest::jsonOf(dayPartsText).object();
        QJsonArray layout = expected.value("layout").toArray();
        for (int d = 0; d < layout.size(); ++d) {
            QJsonObject entry = layout.at(d).toObject();
            entry.insert("inUse", true);
            layout[d] = entry;
        }
        expected.insert("layout", layout);
        QCOMPARE(MenuTest::jsonOf(fresh.dayParts->dayPartsInfoToJson(true)).object(), expected);
    }
};

QTEST_MAIN(TstMenuImport)
#include "tst_menuimport.moc"
