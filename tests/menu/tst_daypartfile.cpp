// The day-part file: loading, the legacy files and their migration, the document the
// writer builds, round trips and the save chain.
#include "menutestsupport.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

#include <sys/stat.h>

using MenuTest::gridOf;
using MenuTest::jsonOf;
using MenuTest::readFile;

class TestDayPartFile : public QObject
{
    Q_OBJECT
    QScopedPointer<MenuTest::Cabinet> c;
    DayPartManager *d = nullptr;

    FileSaveChain *chain() const { return MenuTest::chainOf(d, "dayPartsSaveChain"); }
    void loadFixture(const QString &name)
    {
        QVERIFY(c->place(name, "dayParts.json"));
        d->dayPartsLoadJsonDocFile();
    }
    // Count, day parts in use, names in two languages and the grids, in one line.
    static QString summary(const DayPartManager *dayParts, int bins = 20)
    {
        QStringList names, grids;
        for (int dp = 0; dp < dayParts->getDayPartsCount(); ++dp) {
            names << dayParts->getDayPartName(0, dp) + ':' + dayParts->getDayPartName(5, dp);
            grids << gridOf(dayParts, dp, bins);
        }
        return QStringLiteral("%1 | %2 | %3 | %4").arg(dayParts->getDayPartsCount()).arg(MenuTest::inUseOf(dayParts),
                                                      names.join(','), grids.join('/'));
    }
    QJsonArray layout(bool forTheCabinet) const
    {
        return jsonOf(d->dayPartsInfoToJson(forTheCabinet)).object().value("layout").toArray();
    }

private slots:
    void init()
    {
        c.reset(new MenuTest::Cabinet(MenuTest::Cabinet::DayParts));
        c->core->hasSecondaryDisplay = true;
        d = c->dayParts;
        d->set_numOfTrays(c->core->get_traysPerCabinet());
    }
    void cleanup() { c.reset(); }

    void load_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<int>("trays");
        QTest::addColumn<int>("loads");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing: nothing changes, quietly") << "" << 20 << 0
            << "2 | 0,1 | Breakfast:Breakfast,Lunch/Dinner:Lunch/Dinner | /";
        QTest::newRow("three") << "dayParts_three.json" << 20 << 1
            << "3 | 0,2 | Breakfast:Fr\u00fchst\u00fcck,Lunch:,Late Night: | 12,13,0,14,12,13,0,14,12,13,0,14,12,13,0,14,12,13,0,14/"
               "14,14,14,14,14,14,14,14,14,14,1073741825,1073741825,1073741825,1073741825,1073741825,1073741825,1073741825,"
               "1073741825,1073741825,1073741825/0,13,0,13,0,13,0,13,0,13,0,13,0,13,0,13,0,13,0,13";
        QTest::newRow("empty layout clears the grid only") << "dayParts_empty_layout.json" << 20 << 2
            << "3 | 0,2 | Breakfast:Fr\u00fchst\u00fcck,Lunch:,Late Night: | //";
        QTest::newRow("bins out of range skipped") << "dayParts_bins_out_of_range.json" << 12 << 1
            << "2 | 0 | Edges:R\u00e4nder,Second:Lunch/Dinner | 11,0,0,0,0,0,0,0,0,0,0,12/0,22";
        QTest::newRow("more than ten: the first ten") << "dayParts_twelve.json" << 20 << 1
            << "10 | 0,1,2,3,4,5,6,7,8,9 | Part 0:Breakfast,Part 1:Lunch/Dinner,Part 2:Daypart 2,Part 3:Daypart 3,Part 4:Daypart 4,"
               "Part 5:Daypart 5,Part 6:Daypart 6,Part 7:Daypart 7,Part 8:Daypart 8,Part 9:Daypart 9 | 100/101/102/103/104/105/106/107/108/109";
        QTest::newRow("none in use: day part zero") << "dayParts_none_in_use.json" << 20 << 1
            << "3 | 0 | Unused 0:Breakfast,Unused 1:Lunch/Dinner,Unused 2:Daypart 2 | 7/0,7/0,0,7";
    }
    void load()
    {
        QFETCH(QString, fixture);
        QFETCH(int, trays);
        QFETCH(int, loads);
        QFETCH(QString, expected);
        QSignalSpy loadDone(d, &DayPartManager::daypartsFileLoadDone);
        QSignalSpy reloadInUse(d, &DayPartManager::reloadDaypartsInUse);
        QSignalSpy definition(d, &DayPartManager::newDayPartDefinition);
        d->set_numOfTrays(trays);
        if (fixture.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, "Unable to Open File: dayParts.json");
        if (loads == 2)
            loadFixture("dayParts_three.json");
        if (!fixture.isEmpty())
            loadFixture(fixture);
        else
            d->dayPartsLoadJsonDocFile();
        QCOMPARE(loadDone.count(), loads);
        QCOMPARE(reloadInUse.count(), loads);
        QCOMPARE(definition.count(), loads);
        QCOMPARE(summary(d, trays), expected);
        d->set_numOfTrays(20); // nothing was read beyond the trays
        QCOMPARE(gridOf(d, 0), expected.section(" | ", 3).section('/', 0, 0));
        QCOMPARE(layout(true).size(), d->getDayPartsCount());
        QVERIFY(c->roots.toolCalls().isEmpty());
    }

    void roundTrip()
    {
        loadFixture("dayParts_three.json");
        const QByteArray text = d->dayPartsInfoToJson(true);
        QCOMPARE(jsonOf(text), jsonOf(readFile(MenuTest::fixture("dayParts_three.json"))));
        QCOMPARE(d->getDayPartName(13, 1), QStringLiteral("\u5348\u9910"));
        QVERIFY(d->saveDayPartFileJson());
        QVERIFY(MenuTest::waitUntilIdle(chain()));
        QCOMPARE(readFile(c->file("dayParts.json")), text);
        DayPartManager reader(5, 4, c->menu, c->core.data());
        reader.dayPartsLoadJsonDocFile();
        QCOMPARE(reader.dayPartsInfoToJson(true), text);
    }

    // One entry or member that cannot be read costs only itself: every day part keeps its
    // place, the rest is read, the file stays and one warning names what was not read.
    void oneBadEntryKeepsTheRest_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("note"); // in the warning
        const QByteArray morning = R"({"daypartName": {"eng_USA": "Morning", "deu": "Morgen"}, "inUse": true,
            "productLocations": [{"bin": 1, "productId": 12}, {"bin": 2, "productId": 13}]})";
        const QByteArray noon = R"({"daypartName": {"eng_USA": "Noon"}, "inUse": false,
            "productLocations": [{"bin": 1, "productId": 14}]})";
        const QByteArray night = R"({"daypartName": {"eng_USA": "Night"}, "productLocations": [{"bin": 3, "productId": 15}]})";
        const auto file = [](const QByteArray &a, const QByteArray &b, const QByteArray &c) {
            return R"({"dayPartVersion": 1, "layout": [)" + a + ", " + b + ", " + c + "]}";
        };
        const auto changed = [](QByteArray entry, const char *from, const char *to) { return entry.replace(from, to); };
        const QString names = "Morning:Morgen,Noon:Lunch/Dinner,Night:Daypart 2";
        const QString all = "3 | 0,2 | " + names + " | 12,13/14/0,0,15";
        QTest::newRow("repeated key")
            << file(changed(morning, R"("inUse": true)", R"("inUse": false, "inUse": true)"), noon, night)
                   .replace(R"("layout": [)", R"("layout": [], "layout": [)")
            << all << R"("layout": named twice)";
        QTest::newRow("entry not an object") << file(morning, "5", night)
            << "3 | 0,1,2 | Morning:Morgen,Lunch/Dinner:Lunch/Dinner,Night:Daypart 2 | 12,13//0,0,15"
            << "layout[1]: not an object";
        QTest::newRow("names not an object")
            << file(changed(morning, R"({"eng_USA": "Morning", "deu": "Morgen"})", R"("Morning")"), noon, night)
            << "3 | 0,2 | Breakfast:Breakfast,Noon:Lunch/Dinner,Night:Daypart 2 | 12,13/14/0,0,15"
            << "layout[0].daypartName: not an object";
        QTest::newRow("a name not text") << file(changed(morning, R"("Morning")", "5"), noon, night)
            << "3 | 0,2 | Breakfast:Morgen,Noon:Lunch/Dinner,Night:Daypart 2 | 12,13/14/0,0,15"
            << "layout[0].daypartName.eng_USA: not text";
        QTest::newRow("location not an object") << file(changed(morning, R"({"bin": 2)", R"(7, {"bin": 2)"), noon, night)
            << all << "layout[0].productLocations[1]: not an object";
        QTest::newRow("locations not a list")
            << file(morning, changed(noon, R"([{"bin": 1, "productId": 14}])", "{}"), night)
            << "3 | 0,2 | " + names + " | 12,13//0,0,15" << "layout[1].productLocations: not a list";
        // Only a missing "inUse" or true puts a day part in use.
        QTest::newRow("in use not true or false") << file(morning, changed(noon, "false", R"("no")"), night)
            << "3 | 0,2 | " + names + " | 12,13/14/0,0,15" << "layout[1].inUse: not true or false";
        QTest::newRow("in use 0") << file(morning, changed(noon, "false", "0"), night)
            << "3 | 0,2 | " + names + " | 12,13/14/0,0,15" << "layout[1].inUse: not true or false";
        QTest::newRow("in use 1") << file(morning, changed(noon, "false", "1"), night)
            << "3 | 0,2 | " + names + " | 12,13/14/0,0,15" << "layout[1].inUse: not true or false";
        QTest::newRow("in use \"true\" as text") << file(morning, changed(noon, "false", R"("true")"), night)
            << "3 | 0,2 | " + names + " | 12,13/14/0,0,15" << "layout[1].inUse: not true or false";
        QTest::newRow("in use null") << file(morning, changed(noon, "false", "null"), night)
            << "3 | 0,2 | " + names + " | 12,13/14/0,0,15" << "layout[1].inUse: not true or false";
        QTest::newRow("product id not a number") << file(morning, noon, changed(night, "15", R"("15")"))
            << "3 | 0,2 | " + names + " | 12,13/14/" << "layout[2].productLocations[0].productId: not a number";
    }
    void oneBadEntryKeepsTheRest()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        QFETCH(QString, note);
        QVERIFY(c->roots.writeRootFile("dayParts.json", text));
        QSignalSpy loadDone(d, &DayPartManager::daypartsFileLoadDone);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^.*dayParts.json: the rest is read; .* - .*"
                                                              + QRegularExpression::escape(note)));
        d->dayPartsLoadJsonDocFile();
        QCOMPARE(loadDone.count(), 1);
        QCOMPARE(summary(d), expected);
        QCOMPARE(readFile(c->file("dayParts.json")), text);
        QVERIFY(QDir(c->roots.root()).entryList({"dayParts.json.unusable-*"}).isEmpty());
    }

    // An unusable file changes nothing, still signals, and is set aside saying why, so
    // that the next start does not meet it again.
    void unusableFile_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("why");
        QTest::newRow("wrong version") << "dayParts_wrong_version.json" << "not a day-part document";
        QTest::newRow("invalid JSON") << "dayParts_invalid.json" << "";
        QTest::newRow("no entry an object") << "dayParts_nested_arrays.json" << "no entry of \"layout\" is an object";
    }
    void unusableFile()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, why);
        loadFixture("dayParts_three.json");
        const QByteArray before = d->dayPartsInfoToJson(true);
        QSignalSpy loadDone(d, &DayPartManager::daypartsFileLoadDone);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("dayParts.json cannot be used \\(.*" + why
                                                              + ".*\\); kept as .*dayParts.json.unusable-"));
        loadFixture(fixture);
        QCOMPARE(loadDone.count(), 1);
        QCOMPARE(d->dayPartsInfoToJson(true), before);
        QVERIFY(!c->exists("dayParts.json"));
        QCOMPARE(QDir(c->roots.root()).entryList({"dayParts.json.unusable-*"}).size(), 1);
    }

    // The saved file lists every tray of the cabinet; the export follows the product
    // location map, never read past its end.
    void documentBins()
    {
        c->core->numberOfZones = 3; // 12 trays
        const auto bins = [this](bool forTheCabinet) {
            QStringList list;
            for (const QJsonValue &location : layout(forTheCabinet).at(0)["productLocations"].toArray())
                list << QString::number(location["bin"].toInt());
            return list.join(',');
        };
        QCOMPARE(bins(true), QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12"));
        QCOMPARE(layout(true).at(1)["daypartName"].toObject().size(), 15);
        QCOMPARE(layout(true).at(1)["inUse"].toBool(), true);
        const int map[12] = {3, 2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8};
        d->setProductLocationMap(map, 12);
        QCOMPARE(bins(false), QStringLiteral("4,3,2,1,8,7,6,5,12,11,10,9"));
        d->setProductLocationMap(map, 4);
        QCOMPARE(bins(false), QStringLiteral("4,3,2,1,5,6,7,8,9,10,11,12"));
    }

    // The legacy files: read, migrated, and deleted only once the day-part file is safe;
    // unread when that file exists; every line starts again at bin 0 and a part that is
    // not a number ends the line.
    void legacyFiles()
    {
        QVERIFY(c->place("morningDayPart_legacy.txt", "morningDayPart.txt"));
        QVERIFY(c->place("eveningDayPart_legacy.txt", "eveningDayPart.txt"));
        QSignalSpy definition(d, &DayPartManager::newDayPartDefinition);
        QSignalSpy loadDone(d, &DayPartManager::daypartsFileLoadDone);
        d->dayPartsLoadJsonDocFile();
        QCOMPARE(definition.count(), 1);
        QCOMPARE(loadDone.count(), 0);
        QCOMPARE(gridOf(d, 0), QStringLiteral("12,13,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24"));
        QCOMPARE(gridOf(d, 1), QStringLiteral("30,31,32,33"));
        QVERIFY(c->exists("morningDayPart.txt")); // until the save is done
        QVERIFY(MenuTest::waitUntilIdle(chain()));
        QVERIFY(!c->exists("morningDayPart.txt") && !c->exists("eveningDayPart.txt"));
        QCOMPARE(loadDone.count(), 1);
        QCOMPARE(definition.count(), 2);
        DayPartManager reader(5, 4, c->menu, c->core.data());
        reader.dayPartsLoadJsonDocFile();
        QCOMPARE(gridOf(&reader, 0) + '/' + gridOf(&reader, 1), gridOf(d, 0) + '/' + gridOf(d, 1));

        // Both kinds present: the legacy files are deleted unread.
        QVERIFY(c->place("eveningDayPart_legacy.txt", "eveningDayPart.txt"));
        const int calls = MenuTest::waitForToolCalls(c->roots, 3).size(); // with the closing sync
        loadFixture("dayParts_three.json");
        QVERIFY(!c->exists("eveningDayPart.txt"));
        QCOMPARE(gridOf(d, 1).left(3), QStringLiteral("14,"));
        QCOMPARE(c->roots.toolCalls().size(), calls);
    }

    // A legacy day-part file that cannot be read leaves the grid as it was, rather than
    // giving the resources' empty one; a pipe in its place is not waited on.
    void unreadableLegacyFileKeepsTheGrid_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("larger than a legacy file may be") << "large";
        QTest::newRow("a pipe in its place") << "fifo";
    }
    void unreadableLegacyFileKeepsTheGrid()
    {
        QFETCH(QString, kind);
        QVERIFY(c->place("eveningDayPart_legacy.txt", "eveningDayPart.txt"));
        d->readDayPartFile("eveningDayPart.txt", 0);
        const QString before = gridOf(d, 0);
        QVERIFY(!before.isEmpty());
        if (kind == "large")
            QVERIFY(c->roots.writeRootFile("morningDayPart.txt",
                                           QByteArray(int(DayPartManager::maxLegacyDayPartFileSize) + 1, '\n')));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(c->file("morningDayPart.txt")).constData(), 0600), 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("legacy day-part file .*morningDayPart.txt"));
        d->readDayPartFile("morningDayPart.txt", 0);
        QCOMPARE(gridOf(d, 0), before);
    }

    void legacyFileReaderAndWriter()
    {
        QVERIFY(c->place("eveningDayPart_legacy.txt", "eveningDayPart.txt"));
        QTest::ignoreMessage(QtWarningMsg, "DayPartManager: readDayPartFile error bad day part index");
        d->readDayPartFile("eveningDayPart.txt", 2);
        QCOMPARE(gridOf(d, 2), QString());
        d->readDayPartFile("eveningDayPart.txt", 0);
        QCOMPARE(d->getProdIdOnBin(0, 0), 30);
        // One that cannot be read (a folder in its place) leaves the grid as it was.
        QVERIFY(QDir().mkpath(c->file("morningDayPart.txt")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("legacy day-part file .*morningDayPart.txt"));
        d->readDayPartFile("morningDayPart.txt", 0);
        QCOMPARE(d->getProdIdOnBin(0, 0), 30);
        QVERIFY(QDir(c->file("morningDayPart.txt")).removeRecursively());
        d->readDayPartFile("morningDayPart.txt", 0); // missing: the resources' twenty empty bins
        QCOMPARE(gridOf(d, 0), QString());
        QTest::ignoreMessage(QtWarningMsg, "Unable to Open File: :/noSuchDayPart.txt DayPart file doesn't exist!");
        d->readDayPartFile("noSuchDayPart.txt", 1);

        QVERIFY(c->roots.writeRootFile("eveningDayPart.txt", "1,2,3\n"));
        d->saveDayPartFile("eveningDayPart.txt", "4,5,6\n");
        QCOMPARE(readFile(c->file("eveningDayPart.txt")), QByteArray("4,5,6\n"));
        QCOMPARE(readFile(c->file("eveningDayPart.txt.backup")), QByteArray("1,2,3\n"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Unable to Open File !!!"));
        d->saveDayPartFile("../outside.txt", "x");
        QVERIFY(!QFileInfo::exists(c->roots.base() + "/outside.txt"));
    }

    void interruptedSaveIsCompletedAtStart()
    {
        QVERIFY(c->place("dayParts_three.json", "dayParts.json.New"));
        QVERIFY(c->place("morningDayPart_legacy.txt", "morningDayPart.txt"));
        d->dayPartsLoadJsonDocFile();
        QCOMPARE(d->getDayPartsCount(), 3);
        QVERIFY(c->exists("dayParts.json") && !c->exists("dayParts.json.New"));
        QVERIFY(!c->exists("morningDayPart.txt"));
    }

    // A save: sync, move, sync, the file to the other display and the new definition;
    // a failed move keeps the old file and sends nothing to the other display, yet the
    // bins hear of the day parts now in force.
    void save_data()
    {
        QTest::addColumn<bool>("moveFails");
        QTest::newRow("saved") << false;
        QTest::newRow("move fails") << true;
    }
    void save()
    {
        QFETCH(bool, moveFails);
        loadFixture("dayParts_three.json");
        const QByteArray before = readFile(c->file("dayParts.json"));
        QSignalSpy definition(d, &DayPartManager::newDayPartDefinition);
        QSignalSpy loadDone(d, &DayPartManager::daypartsFileLoadDone);
        d->set_nextDayPart(2);
        d->setIsUsedDayPart(1, true);
        c->roots.setVariable("TUL_STANDIN_MV_FAIL", moveFails ? "1" : "");
        if (moveFails) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Moving .*dayParts.json.New .* failed: 1"));
            QTest::ignoreMessage(QtWarningMsg, "The day parts were not saved; dayParts.json keeps its previous content.");
        }
        d->saveDayPartsUsed();
        QCOMPARE(definition.count(), 0);
        QVERIFY(MenuTest::waitUntilIdle(chain()));
        const QString file = c->file("dayParts.json");
        QCOMPARE(MenuTest::waitForToolCalls(c->roots, moveFails ? 2 : 3).join(';'),
                 QStringLiteral("sync ;mv %1.New %1").arg(file) + (moveFails ? "" : ";sync "));
        QCOMPARE(readFile(file) == before, moveFails);
        QCOMPARE(definition.count(), 1);
        QCOMPARE(definition.first().first().toInt(), 2);
        QCOMPARE(loadDone.count(), 1);
        if (moveFails) {
            QVERIFY(c->core->sent.isEmpty());
        } else {
            QCOMPARE(c->core->sentNames(), (QStringList{"sendFileViaCanbus", "sendOvUpdateDayparts"}));
            QCOMPARE(c->core->sent.first().args, QVariantList{13});
        }
    }

    void wrapUpFollowsOnlyTheSavesCommands_data() { MenuTest::addWrapUpRows(); }
    void wrapUpFollowsOnlyTheSavesCommands()
    {
        loadFixture("dayParts_three.json");
        MenuTest::checkWrapUpRow(d, "writeDaypartsFileWrapUp", chain(), [this] { return d->saveDayPartFileJson(); },
                                 *c->core, {"sendFileViaCanbus", "sendOvUpdateDayparts"});
    }

    // The other display announces new files: both are reloaded and never sent back, or
    // two displays would answer each other forever.
    void otherDisplaysAnnouncementReloadsWithoutEcho()
    {
        connect(c->core.data(), &CabinetCore::ovUpdateReloadFiles, c->menu, &MenuManager::menuLoadJsonDocFile);
        connect(c->core.data(), &CabinetCore::ovUpdateReloadFiles, d, &DayPartManager::dayPartsLoadJsonDocFile);
        QVERIFY(c->place("menu_multilang.json", "menu.json"));
        QVERIFY(c->place("dayParts_three.json", "dayParts.json"));
        QSignalSpy definition(d, &DayPartManager::newDayPartDefinition);
        emit c->core->ovUpdateReloadFiles();
        QCOMPARE(c->menu->getRowCount(), 6);
        QCOMPARE(d->getDayPartsCount(), 3);
        QCOMPARE(definition.count(), 1);
        QVERIFY(!chain()->isBusy() && !MenuTest::chainOf(c->menu, "menuSaveChain")->isBusy());
        QVERIFY(c->core->sent.isEmpty());
        QVERIFY(c->roots.toolCalls().isEmpty());
    }
};

QTEST_MAIN(TestDayPartFile)
#include "tst_daypartfile.moc"
