// The day-part file: loading, the legacy files and their migration, the document the
// writer builds, round trips and the save chain.
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "filesavechain.h"
#include "menumanager.h"
#include "menutestsupport.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

class TestDayPartFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roundTripOfThreeDayParts();
    void unusableFileChangesNothingButStillSignals_data();
    void unusableFileChangesNothingButStillSignals();
    void missingFileChangesNothingAndIsQuiet();
    void emptyLayoutClearsTheGridOnly();
    void binsOutOfRangeAreSkipped();
    void moreThanTenDayPartsReadsTheFirstTen();
    void noDayPartInUseLeavesDayPartZero();
    void savedFileListsTheCabinetsTrays();
    void exportUsesTheProductLocationMap();

    void existingFileDeletesTheLegacyFilesUnread();
    void legacyFilesAreMigratedAndDeletedOnlyWhenSaved();
    void legacyLines();
    void legacyFileWithBadIndexOrMissing();
    void writingALegacyFileKeepsABackup();
    void interruptedSaveIsCompletedAtStart();

    void saveChainRunsInOrderAndEndsOnTheCanBus();
    void failedMoveStopsTheChainAndSendsNothing();
    void savesOfOneFileNeverOverlap();
    void otherDisplaysAnnouncementReloadsBothFilesWithoutEcho();

private:
    QString rootFile(const QString &name) const { return m_roots->root() + name; }
    FileSaveChain *chain() const { return MenuTest::chainOf(m_dayParts, "dayPartsSaveChain"); }
    void loadFixture(const QString &name);
    QScopedPointer<ScratchRoots> m_roots;
    QScopedPointer<FakeCabinetCore> m_core;
    MenuManager *m_menu = nullptr;
    DayPartManager *m_dayParts = nullptr;
};

void TestDayPartFile::init()
{
    m_roots.reset(new ScratchRoots);
    m_core.reset(new FakeCabinetCore);
    m_core->hasSecondaryDisplay = true;
    m_menu = new MenuManager(m_core.data());
    m_dayParts = new DayPartManager(5, 4, m_menu, m_core.data());
    m_dayParts->set_numOfTrays(m_core->get_traysPerCabinet());
}

void TestDayPartFile::cleanup()
{
    m_core.reset();
    m_roots.reset();
}

void TestDayPartFile::loadFixture(const QString &name)
{
    QVERIFY(MenuTest::placeFixture(*m_roots, name, "dayParts.json"));
    m_dayParts->dayPartsLoadJsonDocFile();
}

void TestDayPartFile::roundTripOfThreeDayParts()
{
    QSignalSpy loadDone(m_dayParts, &DayPartManager::daypartsFileLoadDone);
    QSignalSpy reloadInUse(m_dayParts, &DayPartManager::reloadDaypartsInUse);
    QSignalSpy definition(m_dayParts, &DayPartManager::newDayPartDefinition);
    loadFixture("dayParts_three.json");
    QCOMPARE(loadDone.count(), 1);
    QCOMPARE(reloadInUse.count(), 1);
    QCOMPARE(definition.count(), 1);
    QCOMPARE(m_dayParts->getDayPartsCount(), 3);
    QCOMPARE(m_dayParts->getDayPartsToUseCount(), 2);
    QCOMPARE(m_dayParts->getDayPartToUse(1), 2);
    QCOMPARE(m_dayParts->getDayPartName(5, 0), QStringLiteral("Fr\u00fchst\u00fcck"));
    QCOMPARE(m_dayParts->getDayPartName(13, 1), QStringLiteral("\u5348\u9910"));
    QCOMPARE(m_dayParts->getProdIdOnBin(1, 19), 1073741825);
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 1), 13);

    const QByteArray text = m_dayParts->dayPartsInfoToJson(true);
    QCOMPARE(MenuTest::jsonOf(text), MenuTest::jsonOf(MenuTest::readFile(MenuTest::fixture("dayParts_three.json"))));
    QVERIFY(m_dayParts->saveDayPartFileJson());
    QVERIFY(MenuTest::waitUntilIdle(chain()));
    QCOMPARE(MenuTest::readFile(rootFile("dayParts.json")), text);

    DayPartManager reader(5, 4, m_menu, m_core.data());
    reader.dayPartsLoadJsonDocFile();
    QCOMPARE(reader.dayPartsInfoToJson(true), text);
}

void TestDayPartFile::unusableFileChangesNothingButStillSignals_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("why");
    QTest::newRow("wrong version") << "dayParts_wrong_version.json" << "not a day-part document";
    QTest::newRow("invalid JSON") << "dayParts_invalid.json" << "";
    QTest::newRow("nested arrays") << "dayParts_nested_arrays.json" << "holds an entry that is not an object";
    QTest::newRow("repeated key") << "dayParts_repeated_key.json" << "names a key twice";
}

void TestDayPartFile::unusableFileChangesNothingButStillSignals()
{
    QFETCH(QString, fixture);
    QFETCH(QString, why);
    loadFixture("dayParts_three.json");
    const QByteArray before = m_dayParts->dayPartsInfoToJson(true);
    QSignalSpy loadDone(m_dayParts, &DayPartManager::daypartsFileLoadDone);
    // The file is set aside, saying why, so that the next start does not meet it again.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("dayParts.json cannot be used \\(.*" + why
                                                          + ".*\\); kept as .*dayParts.json.unusable-"));
    loadFixture(fixture);
    QCOMPARE(loadDone.count(), 1);
    QCOMPARE(m_dayParts->dayPartsInfoToJson(true), before);
    QVERIFY(!QFileInfo::exists(rootFile("dayParts.json")));
    QCOMPARE(QDir(m_roots->root()).entryList({"dayParts.json.unusable-*"}).size(), 1);
}

void TestDayPartFile::missingFileChangesNothingAndIsQuiet()
{
    QSignalSpy loadDone(m_dayParts, &DayPartManager::daypartsFileLoadDone);
    QTest::ignoreMessage(QtWarningMsg, "Unable to Open File: dayParts.json");
    m_dayParts->dayPartsLoadJsonDocFile();
    QCOMPARE(loadDone.count(), 0);
    QCOMPARE(m_dayParts->getDayPartsCount(), 2);
    QVERIFY(m_roots->toolCalls().isEmpty());
}

void TestDayPartFile::emptyLayoutClearsTheGridOnly()
{
    loadFixture("dayParts_three.json");
    loadFixture("dayParts_empty_layout.json");
    QCOMPARE(m_dayParts->getDayPartsCount(), 3);
    QCOMPARE(m_dayParts->getDayPartsToUseCount(), 2);
    QCOMPARE(m_dayParts->getDayPartName(0, 2), QStringLiteral("Late Night"));
    for (int bin = 0; bin < 20; ++bin)
        QCOMPARE(m_dayParts->getProdIdOnBin(0, bin), 0);
}

void TestDayPartFile::binsOutOfRangeAreSkipped()
{
    m_dayParts->set_numOfTrays(12);
    loadFixture("dayParts_bins_out_of_range.json");
    QCOMPARE(m_dayParts->getDayPartsCount(), 2);
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 0), 11);   // "bin": 1
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 11), 12);  // "bin": 12
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 1), 0);    // "2" as text and 2.5 skipped
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 2), 0);    // no product id: 0
    m_dayParts->set_numOfTrays(20);
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 12), 0);   // beyond the trays
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 19), 0);
    QCOMPARE(m_dayParts->getProdIdOnBin(1, 1), 22);
    QCOMPARE(m_dayParts->getDayPartName(5, 0), QStringLiteral("R\u00e4nder"));
    QCOMPARE(m_dayParts->getDayPartName(1, 0), QStringLiteral("Desayuno")); // kept
    QCOMPARE(m_dayParts->getDayPartsToUseCount(), 1); // no key: in use; false: not
}

void TestDayPartFile::moreThanTenDayPartsReadsTheFirstTen()
{
    loadFixture("dayParts_twelve.json");
    QCOMPARE(m_dayParts->getDayPartsCount(), 10);
    QCOMPARE(m_dayParts->getDayPartsToUseCount(), 10);
    QCOMPARE(m_dayParts->getProdIdOnBin(9, 0), 109);
    QCOMPARE(m_dayParts->getDayPartName(0, 9), QStringLiteral("Part 9"));
    QCOMPARE(MenuTest::jsonOf(m_dayParts->dayPartsInfoToJson(true)).object().value("layout").toArray().size(), 10);
}

void TestDayPartFile::noDayPartInUseLeavesDayPartZero()
{
    loadFixture("dayParts_none_in_use.json");
    QCOMPARE(m_dayParts->getDayPartsCount(), 3);
    QCOMPARE(m_dayParts->getDayPartsToUseCount(), 1);
    QCOMPARE(m_dayParts->getDayPartToUse(0), 0);
}

void TestDayPartFile::savedFileListsTheCabinetsTrays()
{
    m_core->numberOfZones = 3; // 12 trays
    const QJsonArray layout = MenuTest::jsonOf(m_dayParts->dayPartsInfoToJson(true)).object().value("layout").toArray();
    QCOMPARE(layout.size(), 2);
    const QJsonArray locations = layout.at(0).toObject().value("productLocations").toArray();
    QCOMPARE(locations.size(), 12);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(locations.at(i).toObject().value("bin").toInt(), i + 1);
    QCOMPARE(layout.at(1).toObject().value("daypartName").toObject().size(), 15);
    QCOMPARE(layout.at(1).toObject().value("inUse").toBool(), true);
}

void TestDayPartFile::exportUsesTheProductLocationMap()
{
    m_core->numberOfZones = 3;
    const int map[12] = {3, 2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8};
    m_dayParts->setProductLocationMap(map, 12);
    const QJsonArray locations = MenuTest::jsonOf(m_dayParts->dayPartsInfoToJson(false))
                                     .object().value("layout").toArray()
                                     .at(0).toObject().value("productLocations").toArray();
    QCOMPARE(locations.size(), 12);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(locations.at(i).toObject().value("bin").toInt(), map[i] + 1);
    // A map shorter than the trays is never read past its end.
    m_dayParts->setProductLocationMap(map, 4);
    const QJsonArray shortMap = MenuTest::jsonOf(m_dayParts->dayPartsInfoToJson(false))
                                    .object().value("layout").toArray()
                                    .at(0).toObject().value("productLocations").toArray();
    QCOMPARE(shortMap.at(4).toObject().value("bin").toInt(), 5);
}

void TestDayPartFile::existingFileDeletesTheLegacyFilesUnread()
{
    QVERIFY(MenuTest::placeFixture(*m_roots, "morningDayPart_legacy.txt", "morningDayPart.txt"));
    QVERIFY(MenuTest::placeFixture(*m_roots, "eveningDayPart_legacy.txt", "eveningDayPart.txt"));
    loadFixture("dayParts_three.json");
    QVERIFY(!QFileInfo::exists(rootFile("morningDayPart.txt")));
    QVERIFY(!QFileInfo::exists(rootFile("eveningDayPart.txt")));
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 0), 12);
    QVERIFY(m_roots->toolCalls().isEmpty());
}

void TestDayPartFile::legacyFilesAreMigratedAndDeletedOnlyWhenSaved()
{
    QVERIFY(MenuTest::placeFixture(*m_roots, "morningDayPart_legacy.txt", "morningDayPart.txt"));
    QSignalSpy definition(m_dayParts, &DayPartManager::newDayPartDefinition);
    QSignalSpy loadDone(m_dayParts, &DayPartManager::daypartsFileLoadDone);
    QTest::ignoreMessage(QtDebugMsg, "Read the file morningDayPart.txt");
    QTest::ignoreMessage(QtWarningMsg, "Unable to Open File: dayParts.json");
    m_dayParts->dayPartsLoadJsonDocFile();
    QCOMPARE(definition.count(), 1);
    QCOMPARE(loadDone.count(), 0);
    QVERIFY(QFileInfo::exists(rootFile("morningDayPart.txt"))); // until the save is done
    QVERIFY(MenuTest::waitUntilIdle(chain()));
    QVERIFY(!QFileInfo::exists(rootFile("morningDayPart.txt")));
    QCOMPARE(loadDone.count(), 1);
    QCOMPARE(definition.count(), 2);

    DayPartManager reader(5, 4, m_menu, m_core.data());
    reader.dayPartsLoadJsonDocFile();
    QCOMPARE(reader.getProdIdOnBin(0, 0), 12);
    QCOMPARE(reader.getProdIdOnBin(0, 19), 24);
    for (int bin = 0; bin < 20; ++bin)
        QCOMPARE(reader.getProdIdOnBin(1, bin), 0);
}

void TestDayPartFile::legacyLines()
{
    // Every line starts again at bin 0; a part that is not a number ends the line.
    QVERIFY(MenuTest::placeFixture(*m_roots, "morningDayPart_legacy.txt", "morningDayPart.txt"));
    QVERIFY(MenuTest::placeFixture(*m_roots, "eveningDayPart_legacy.txt", "eveningDayPart.txt"));
    QSignalSpy definition(m_dayParts, &DayPartManager::newDayPartDefinition);
    m_dayParts->readDayPartFiles();
    QCOMPARE(definition.count(), 1);
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 0), 12);
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 1), 13);
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 2), 7);
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 3), 8);
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 19), 24); // the 21st and 22nd values are not read
    QCOMPARE(m_dayParts->getProdIdOnBin(1, 3), 33);
    QCOMPARE(m_dayParts->getProdIdOnBin(1, 4), 0);
}

void TestDayPartFile::legacyFileWithBadIndexOrMissing()
{
    QVERIFY(MenuTest::placeFixture(*m_roots, "eveningDayPart_legacy.txt", "eveningDayPart.txt"));
    QTest::ignoreMessage(QtWarningMsg, "DayPartManager: readDayPartFile error bad day part index");
    m_dayParts->readDayPartFile("eveningDayPart.txt", 2);
    QCOMPARE(m_dayParts->getProdIdOnBin(2, 0), 0);
    // A missing file reads the default of the resources: twenty empty bins.
    m_dayParts->readDayPartFile("eveningDayPart.txt", 0);
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 0), 30);
    m_dayParts->readDayPartFile("morningDayPart.txt", 0);
    QCOMPARE(m_dayParts->getProdIdOnBin(0, 0), 0);
    QTest::ignoreMessage(QtWarningMsg, "Unable to Open File: :/noSuchDayPart.txt DayPart file doesn't exist!");
    m_dayParts->readDayPartFile("noSuchDayPart.txt", 1);
}

void TestDayPartFile::writingALegacyFileKeepsABackup()
{
    QVERIFY(m_roots->writeRootFile("eveningDayPart.txt", "1,2,3\n"));
    m_dayParts->saveDayPartFile("eveningDayPart.txt", "4,5,6\n");
    QCOMPARE(MenuTest::readFile(rootFile("eveningDayPart.txt")), QByteArray("4,5,6\n"));
    QCOMPARE(MenuTest::readFile(rootFile("eveningDayPart.txt.backup")), QByteArray("1,2,3\n"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Unable to Open File !!!"));
    m_dayParts->saveDayPartFile("../outside.txt", "x");
    QVERIFY(!QFileInfo::exists(m_roots->base() + "/outside.txt"));
}

void TestDayPartFile::interruptedSaveIsCompletedAtStart()
{
    QVERIFY(MenuTest::placeFixture(*m_roots, "dayParts_three.json", "dayParts.json.New"));
    QVERIFY(MenuTest::placeFixture(*m_roots, "morningDayPart_legacy.txt", "morningDayPart.txt"));
    m_dayParts->dayPartsLoadJsonDocFile();
    QCOMPARE(m_dayParts->getDayPartsCount(), 3);
    QVERIFY(QFileInfo::exists(rootFile("dayParts.json")));
    QVERIFY(!QFileInfo::exists(rootFile("morningDayPart.txt")));
}

void TestDayPartFile::saveChainRunsInOrderAndEndsOnTheCanBus()
{
    loadFixture("dayParts_three.json");
    QSignalSpy definition(m_dayParts, &DayPartManager::newDayPartDefinition);
    QSignalSpy loadDone(m_dayParts, &DayPartManager::daypartsFileLoadDone);
    m_dayParts->set_nextDayPart(2);
    QTest::ignoreMessage(QtDebugMsg, "Saving day-parts json file.");
    QVERIFY(m_dayParts->saveDayPartFileJson());
    QCOMPARE(definition.count(), 0);
    QVERIFY(MenuTest::waitUntilIdle(chain()));
    const QString newFile = rootFile("dayParts.json.New");
    const QString file = rootFile("dayParts.json");
    QCOMPARE(MenuTest::waitForToolCalls(*m_roots, 3),
             (QStringList{"sync ", "mv " + newFile + " " + file, "sync "}));
    QCOMPARE(m_core->sentNames(), (QStringList{"sendFileViaCanbus", "sendOvUpdateDayparts"}));
    QCOMPARE(m_core->sent.first().args, QVariantList{13});
    QCOMPARE(definition.count(), 1);
    QCOMPARE(definition.first().first().toInt(), 2);
    QCOMPARE(loadDone.count(), 1);
}

void TestDayPartFile::failedMoveStopsTheChainAndSendsNothing()
{
    loadFixture("dayParts_three.json");
    const QByteArray before = MenuTest::readFile(rootFile("dayParts.json"));
    m_dayParts->resetIsUsedDayPart();
    m_dayParts->setIsUsedDayPart(1, true);
    m_roots->setVariable("TUL_STANDIN_MV_FAIL", "1");
    QSignalSpy definition(m_dayParts, &DayPartManager::newDayPartDefinition);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Moving .*dayParts.json.New .* failed: 1"));
    QTest::ignoreMessage(QtWarningMsg, "The day parts were not saved; dayParts.json keeps its previous content.");
    m_dayParts->saveDayPartsUsed();
    QVERIFY(MenuTest::waitUntilIdle(chain()));
    QVERIFY(m_core->sent.isEmpty());
    QCOMPARE(definition.count(), 0);
    QCOMPARE(MenuTest::readFile(rootFile("dayParts.json")), before);
}

void TestDayPartFile::savesOfOneFileNeverOverlap()
{
    QSignalSpy saved(chain(), &FileSaveChain::saved);
    m_dayParts->dayPartEditSetProductId(0, 0, 0, 5);
    m_dayParts->dayPartEditSave();
    m_dayParts->dayPartEditSetProductId(0, 0, 0, 6);
    m_dayParts->dayPartEditSave();
    m_dayParts->saveNewDayPartsToJson();
    QVERIFY(MenuTest::waitUntilIdle(chain()));
    QCOMPARE(saved.count(), 2);
    QCOMPARE(m_core->sentNames().count("sendOvUpdateDayparts"), 2);
    DayPartManager reader(5, 4, m_menu, m_core.data());
    reader.dayPartsLoadJsonDocFile();
    QCOMPARE(reader.getProdIdOnBin(0, 0), 6);
}

void TestDayPartFile::otherDisplaysAnnouncementReloadsBothFilesWithoutEcho()
{
    // Wired as the composition root wires it (direct connections).
    connect(m_core.data(), &CabinetCore::ovUpdateReloadFiles, m_menu, &MenuManager::menuLoadJsonDocFile);
    connect(m_core.data(), &CabinetCore::ovUpdateReloadFiles, m_dayParts,
            &DayPartManager::dayPartsLoadJsonDocFile);
    QVERIFY(MenuTest::placeFixture(*m_roots, "menu_multilang.json", "menu.json"));
    QVERIFY(MenuTest::placeFixture(*m_roots, "dayParts_three.json", "dayParts.json"));
    QSignalSpy definition(m_dayParts, &DayPartManager::newDayPartDefinition);
    emit m_core->ovUpdateReloadFiles();
    QCOMPARE(m_menu->getRowCount(), 6);
    QCOMPARE(m_dayParts->getDayPartsCount(), 3);
    QCOMPARE(definition.count(), 1);
    // A reload never sends the files back, or two displays would answer each other forever.
    QVERIFY(!chain()->isBusy());
    QVERIFY(!MenuTest::chainOf(m_menu, "menuSaveChain")->isBusy());
    QVERIFY(m_core->sent.isEmpty());
    QVERIFY(m_roots->toolCalls().isEmpty());
}

QTEST_MAIN(TestDayPartFile)
#include "tst_daypartfile.moc"
