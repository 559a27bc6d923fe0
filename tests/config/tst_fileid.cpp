#include "fileid.h"
#include "scratchroots.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

#include <unistd.h>

namespace {

// Collects the warnings (and, when asked, debug lines) logged while it lives.
class LogCapture
{
public:
    explicit LogCapture(bool withDebug = false)
    {
        s_lines.clear();
        s_withDebug = withDebug;
        m_previous = qInstallMessageHandler(&LogCapture::handler);
    }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    QStringList lines() const { return s_lines; }
    QStringList startingWith(const QString &prefix) const
    {
        QStringList found;
        for (const QString &line : s_lines) {
            if (line.startsWith(prefix))
                found << line.mid(prefix.size());
        }
        return found;
    }

private:
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type != QtDebugMsg || s_withDebug)
            s_lines << text;
    }
    static QStringList s_lines;
    static bool s_withDebug;
    QtMessageHandler m_previous;
};
QStringList LogCapture::s_lines;
bool LogCapture::s_withDebug = false;

const QStringList kVersion1Messages = {
    "hasFan", "hasMirrorDisplay", "hasSecondaryDisplay", "iAmMaster", "iosystemcfg",
    "isIndividualDpSelectable", "mirrorDisplay", "nfcEnabled", "numberOfRows", "zonesPerRow",
    "numOfTempProbes", "orientationPortrait", "powerSource", "powerSourceChoice",
    "pressGoDockPosition", "singleColumnUnit", "syncNeeded", "tempHandling", "tempLayout",
    "binsPerZone", "uiRole", "zones2handle", "zones2handleStart", "orientationId",
    "verticalFlip", "numberOfZones", "traysPerCabinet", "zoneViewType", "perBinTemps",
    "pressGoBannerEnable", "cabinetConfiguration", "mio2uitmap", "ui2mioZoneMap",
    "productLocationMap", "ioBoardToZoneMap", "zoneMap", "binTestTemps", "nfcMap"};

// Keys 39-68, which a version 1 file neither needs nor reads.
const QStringList kLaterKeys = {
    "linkedUseFirst", "discardOption", "numIOBoards", "discardOptionType", "lumoEnabled",
    "productIDDisplayEnable", "topHeaterCurrent", "bottomHeaterCurrent", "shelfNumbersEnable",
    "haccpDataCollection", "temperatureUnit", "touchBasedTransfer", "shelfNumberingOrder",
    "advancedZoneOptionsEnable", "viewZoneTemperature", "cleaningModeEnable", "topTempOffset",
    "bottomTempOffset", "topHeaterResistance", "bottomHeaterResistance", "maxCurrent",
    "controlBoardType", "startingShelfNumber", "singleBinZone", "zoneNumberingOrder",
    "timerColorEnable", "screenCleanModeEnable", "timerDecrementEnable", "preferencesPageLock",
    "customerId"};

QStringList undefinedMessages(const QStringList &names)
{
    QStringList messages;
    for (const QString &name : names)
        messages << name + " is undefined";
    return messages;
}

QJsonArray intArray(std::initializer_list<int> values)
{
    QJsonArray array;
    for (int v : values)
        array.append(v);
    return array;
}

QJsonObject nfcBin(int binIndex, int address, int channel, int pollOrder)
{
    return {{"binIndex", binIndex}, {"address", address}, {"channel", channel},
            {"pollOrder", pollOrder}};
}

} // namespace

class TestFileID : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // values
    void newFileIdHoldsTheDefaults();
    void zoneCountFollowsTheGeometry();
    void settersAnnounceOnlyChanges();

    // reading
    void fixturesReadCompletely_data();
    void fixturesReadCompletely();
    void versionOneFileNeedsOnlyTheFirstKeys();
    void fileWithOnlyAVersionFailsOnEveryKey();
    void optionalKeysMayBeMissing_data();
    void optionalKeysMayBeMissing();
    void missingKeyFailsEveryLaterMandatoryKey();
    void versionMustBeAPositiveNumber();
    void valuesOfTheWrongTypeReadAsZeroOrFalse();
    void nullListElementKeepsThePrefix();
    void ioBoardToZoneMapGapEndsTheList();
    void nfcMapIsReadOnlyWithNfcEnabled();
    void missingNfcBinFailsEveryLaterZone();
    void versionTenReadsCompletely();
    void headerChecksumIsNotCompared();
    void unreadableDocumentsFail();
    void missingFileIsNotCreated();
    void readOnlyFileCannotBeOpened();
    void everyAppliedKeyAnnouncesItselfOnce();

    // refused geometry
    void unsafeGeometryIsRefused_data();
    void unsafeGeometryIsRefused();

    // NFC maps
    void initNfcMapBuildsTheBuiltInMaps();
    void initNfcMapLeavesOtherIdsAlone();
    void initNfcMapStaysInsideItsZoneOrder();
    void pollingTableForTheFiveByFour();
    void pollingTableIsNullWithoutNfc();
    void pollingTableKeepsInsideItsGroups();

private:
    QString fixture(const QString &name) const;
    QJsonObject personalityOf(const QString &fixtureName) const;
    void writePersonality(const QJsonObject &personality, const QString &name = "test.hcc",
                          const QString &checksum = QString());
    bool read(FileID &fileId, const QJsonObject &personality);

    QScopedPointer<ScratchRoots> m_scratch;
    QString m_savedCwd;
};

void TestFileID::init()
{
    m_scratch.reset(new ScratchRoots);
    m_savedCwd = QDir::currentPath();
    // The reader opens its file relative to the working directory, as on the device.
    QVERIFY(QDir::setCurrent(m_scratch->root()));
}

void TestFileID::cleanup()
{
    QDir::setCurrent(m_savedCwd);
    m_scratch.reset();
}

QString TestFileID::fixture(const QString &name) const
{
    return QStringLiteral(PERSONALITY_FIXTURES "/") + name;
}

QJsonObject TestFileID::personalityOf(const QString &fixtureName) const
{
    QFile file(fixture(fixtureName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value("personality").toObject();
}

void TestFileID::writePersonality(const QJsonObject &personality, const QString &name,
                                  const QString &checksum)
{
    const QJsonObject document{{"header", QJsonObject{{"checksum", checksum}}},
                               {"personality", personality}};
    QVERIFY(m_scratch->writeRootFile(name, QJsonDocument(document).toJson()));
}

bool TestFileID::read(FileID &fileId, const QJsonObject &personality)
{
    writePersonality(personality);
    return fileId.readFileID(QStringLiteral("test.hcc"));
}

// ---- values ---------------------------------------------------------------------

void TestFileID::newFileIdHoldsTheDefaults()
{
    FileID f;
    QCOMPARE(f.get_numberOfZones(), 5);
    QCOMPARE(f.get_traysPerZone(), 2);
    QCOMPARE(f.get_powerSource(), 120);
    QCOMPARE(f.get_iosystemcfg(), 6);
    QCOMPARE(f.get_traysPerCabinet(), 10);
    QCOMPARE(f.get_cabinetConfiguration(), 10);
    QCOMPARE(f.get_numIOBoards(), 1);
    QCOMPARE(f.get_controlBoardType(), 1);
    QCOMPARE(f.get_startingShelfNumber(), 1);
    QCOMPARE(f.get_nfcEnabled(), true);
    QCOMPARE(f.get_isIndividualDpSelectable(), true);
    QCOMPARE(f.get_shelfNumbersEnable(), true);
    QCOMPARE(f.get_exportFileVersion(), 2);
    QCOMPARE(f.property("exportFileVersion").toInt(), 2);
    QVERIFY(f.get_mio2uitMap()->isEmpty());
    QVERIFY(f.get_ioBoardToZoneMap()->isEmpty());
    QVERIFY(f.get_binTestTemps()->isEmpty());
    QCOMPARE(f.property("productLocationMap").value<QList<int> *>(), f.get_productLocationMap());

    // The defaults do not depend on what was there before.
    f.set_uiRole(2);
    f.set_hasSecondaryDisplay(true);
    f.set_zonesPerRow(4);
    f.get_zoneMap()->append(3);
    f.setDefaultData();
    QCOMPARE(f.get_numberOfZones(), 5);
    QCOMPARE(f.get_hasSecondaryDisplay(), false);
    QVERIFY(f.get_zoneMap()->isEmpty());
}

void TestFileID::zoneCountFollowsTheGeometry()
{
    FileID f;
    f.set_zonesPerRow(2);
    f.set_numberOfRows(3);
    QCOMPARE(f.get_numberOfZones(), 6);
    f.set_hasSecondaryDisplay(true);
    QCOMPARE(f.get_numberOfZones(), 12);

    QSignalSpy zones(&f, &FileID::numberOfZonesChanged);
    f.set_uiRole(2);
    QCOMPARE(zones.count(), 0); // the role alone recomputes nothing
    f.set_hasSecondaryDisplay(false);
    QCOMPARE(f.get_numberOfZones(), 6); // only the secondary display doubles here
    f.set_numberOfRows(4);
    QCOMPARE(f.get_numberOfZones(), 16); // the role doubles here

    f.set_numberOfZones(7); // stands until the next recomputation
    QCOMPARE(f.get_numberOfZones(), 7);
    f.set_zonesPerRow(2); // unchanged: no recomputation
    QCOMPARE(f.get_numberOfZones(), 7);

    f.set_zonesPerRow(INT_MAX);
    f.set_numberOfRows(INT_MAX);
    QCOMPARE(f.get_numberOfZones(), INT_MAX);
}

void TestFileID::settersAnnounceOnlyChanges()
{
    FileID f;
    QSignalSpy fan(&f, &FileID::hasFanChanged);
    QVERIFY(f.set_hasFan(true));
    QVERIFY(!f.set_hasFan(true));
    QCOMPARE(fan.count(), 1);
    QCOMPARE(fan.at(0).at(0).toBool(), true);

    QSignalSpy shelf(&f, &FileID::startingShelfNumberChanged);
    QVERIFY(f.set_startingShelfNumber(0));
    QCOMPARE(f.get_startingShelfNumber(), 1);
    QCOMPARE(shelf.takeFirst().at(0).toInt(), 1);

    QSignalSpy boards(&f, &FileID::numIOBoardsChanged);
    QVERIFY(f.set_numIOBoards(0));
    QVERIFY(f.set_numIOBoards(3));
    QCOMPARE(boards.count(), 2);
    QCOMPARE(boards.at(0).at(0).toBool(), false);
    QCOMPARE(boards.at(1).at(0).toBool(), true);

    QSignalSpy clean(&f, &FileID::screenCleanModeEnableChanged);
    QVERIFY(f.set_screenCleanModeEnable(true));
    QVERIFY(!f.set_screenCleanModeEnable(true));
    QCOMPARE(clean.count(), 1);

    QSignalSpy version(&f, &FileID::versionChanged);
    QVERIFY(f.set_importedFileVersion(4));
    QCOMPARE(version.takeFirst().at(0).toInt(), 4);
}

// ---- reading --------------------------------------------------------------------

void TestFileID::fixturesReadCompletely_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("zones");
    QTest::addColumn<int>("bins");
    QTest::addColumn<int>("orientationId");
    QTest::addColumn<bool>("nfc");
    QTest::addColumn<bool>("master");
    QTest::newRow("5x4 primary") << "5x4_primary_nfc.hcc" << 10 << 20 << 1 << true << true;
    QTest::newRow("2x4 primary") << "2x4_primary_mirror.hcc" << 4 << 8 << 9 << true << true;
    QTest::newRow("2x4 mirror") << "2x4_mirror.hcc" << 4 << 8 << 10 << true << false;
    QTest::newRow("2x2 primary") << "2x2_primary.hcc" << 2 << 4 << 17 << false << true;
    QTest::newRow("5x2 primary") << "5x2_primary_nfc.hcc" << 5 << 10 << 32 << true << true;
}

void TestFileID::fixturesReadCompletely()
{
    QFETCH(QString, name);
    QFETCH(int, zones);
    QFETCH(int, bins);
    QFETCH(int, orientationId);
    QFETCH(bool, nfc);
    QFETCH(bool, master);
    QVERIFY(QFile::copy(fixture(name), name));

    FileID f;
    LogCapture log(true);
    QVERIFY(f.readFileID(name));
    QCOMPARE(log.startingWith("Could").size() + log.lines().filter("undefined").size(), 0);
    // The fixtures carry the digest the reader computes over the personality.
    const QStringList header = log.startingWith("headerChecksum ");
    QCOMPARE(header.size(), 1);
    QCOMPARE(log.startingWith("calcChecksum "), header);

    QCOMPARE(f.get_importedFileVersion(), 9);
    QCOMPARE(f.get_numberOfZones(), zones);
    QCOMPARE(f.get_traysPerCabinet(), bins);
    QCOMPARE(f.get_orientationId(), orientationId);
    QCOMPARE(f.get_nfcEnabled(), nfc);
    QCOMPARE(f.get_iAmMaster(), master);
    QCOMPARE(f.get_productLocationMap()->size(), bins);
    QCOMPARE(f.get_ioBoardToZoneMap()->size(), 1);
    QCOMPARE(f.get_ioBoardToZoneMap()->at(0).secondZone, zones - 1);

    if (!nfc)
        return;
    // The file's map is the built-in one of its model, so start-up changes nothing.
    const QByteArray fromFile(reinterpret_cast<const char *>(f.get_nfcMap()), sizeof(NfcMap));
    f.initNfcMap(orientationId);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(f.get_nfcMap()), sizeof(NfcMap)), fromFile);
    const NfcPollingInfo *info = f.get_nfcPollingInfo();
    QVERIFY(info);
    int polled = 0;
    for (const auto &row : info->group) {
        for (const NfcPollGroup &group : row)
            polled += group.count;
    }
    QCOMPARE(polled, 2 * zones);
}

void TestFileID::versionOneFileNeedsOnlyTheFirstKeys()
{
    QJsonObject p = personalityOf("5x4_primary_nfc.hcc");
    for (const QString &key : kLaterKeys)
        p.remove(key);
    p["version"] = 1;

    FileID f;
    LogCapture log;
    QVERIFY(read(f, p));
    QCOMPARE(log.lines(), QStringList());
    QCOMPARE(f.get_numberOfZones(), 10);
    QCOMPARE(f.get_numIOBoards(), 1);
    QCOMPARE(f.get_customerId(), 0);
    QCOMPARE(f.get_controlBoardType(), 1);
    QCOMPARE(f.get_shelfNumbersEnable(), true);
    QCOMPARE(f.get_timerColorEnable(), false);
}

void TestFileID::fileWithOnlyAVersionFailsOnEveryKey()
{
    FileID f;
    LogCapture log;
    QVERIFY(!read(f, QJsonObject{{"version", 1}}));
    QCOMPARE(log.lines(), undefinedMessages(kVersion1Messages));
    QCOMPARE(f.get_nfcEnabled(), true);
    QCOMPARE(f.get_numberOfZones(), 5);
}

void TestFileID::optionalKeysMayBeMissing_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QStringList>("removed");
    QTest::newRow("3 advancedZoneOptionsEnable") << 3 << QStringList{"advancedZoneOptionsEnable"};
    QTest::newRow("4 maxCurrent, controlBoardType") << 4 << QStringList{"maxCurrent", "controlBoardType"};
    QTest::newRow("7 timerColorEnable") << 7 << QStringList{"timerColorEnable"};
}

void TestFileID::optionalKeysMayBeMissing()
{
    QFETCH(int, version);
    QFETCH(QStringList, removed);
    QJsonObject p = personalityOf("2x2_primary.hcc");
    p["version"] = version;
    for (const QString &key : removed)
        p.remove(key);

    FileID f;
    LogCapture log;
    QVERIFY(read(f, p));
    QCOMPARE(log.lines(), QStringList());
    // Keys of later versions are not read at all.
    QCOMPARE(f.get_maxCurrent(), version == 7 ? 15 : 0);
    QCOMPARE(f.get_cleaningModeEnable(), true);
    QCOMPARE(f.get_timerColorEnable(), false);
}

void TestFileID::missingKeyFailsEveryLaterMandatoryKey()
{
    QJsonObject p = personalityOf("5x4_primary_nfc.hcc");
    p.remove("iosystemcfg");
    p["version"] = 3;

    FileID f;
    QSignalSpy zoneMap(&f, &FileID::zoneMapChanged);
    LogCapture log;
    QVERIFY(!read(f, p));
    QStringList expected = undefinedMessages(kVersion1Messages.mid(4));
    expected << undefinedMessages({"linkedUseFirst", "discardOption", "numIOBoards",
                                   "discardOptionType", "lumoEnabled", "productIDDisplayEnable",
                                   "topHeaterCurrent", "bottomHeaterCurrent", "shelfNumbersEnable",
                                   "haccpDataCollection", "temperatureUnit", "touchBasedTransfer",
                                   "shelfNumberingOrder", "viewZoneTemperatureEnable",
                                   "cleaningModeEnable"});
    QCOMPARE(log.lines(), expected);
    // Keys before the gap are applied, the rest keep their defaults.
    QCOMPARE(f.get_hasFan(), true);
    QCOMPARE(f.get_iAmMaster(), true);
    QCOMPARE(f.get_nfcEnabled(), true);
    QCOMPARE(f.get_numberOfZones(), 5);
    QCOMPARE(f.get_orientationId(), 0);
    QCOMPARE(zoneMap.count(), 0);
}

void TestFileID::versionMustBeAPositiveNumber()
{
    FileID f;
    QSignalSpy version(&f, &FileID::versionChanged);
    QJsonObject p = personalityOf("2x2_primary.hcc");
    p["version"] = "9";
    QTest::ignoreMessage(QtWarningMsg, "Invalid version 0");
    QVERIFY(!read(f, p));
    QCOMPARE(f.get_importedFileVersion(), 0);
    QCOMPARE(version.count(), 1); // announced although unchanged
    QCOMPARE(f.get_hasFan(), false);

    p["version"] = -2;
    QTest::ignoreMessage(QtWarningMsg, "Invalid version -2");
    QVERIFY(!read(f, p));
    QCOMPARE(f.get_importedFileVersion(), -2);

    p.remove("version");
    QTest::ignoreMessage(QtWarningMsg, "version is undefined");
    QVERIFY(!read(f, p));
}

void TestFileID::valuesOfTheWrongTypeReadAsZeroOrFalse()
{
    QJsonObject p = personalityOf("2x2_primary.hcc");
    p["hasFan"] = 1;                // a number for a flag
    p["powerSource"] = 230.5;       // not a whole number
    p["iosystemcfg"] = "7";         // a string for an integer
    p["topTempOffset"] = 1e12;      // beyond int
    p["syncNeeded"] = QJsonValue(); // null is undefined, though

    FileID f;
    QVERIFY(f.set_hasFan(true));
    LogCapture log;
    QVERIFY(!read(f, p));
    QCOMPARE(log.lines().first(), QStringLiteral("syncNeeded is undefined"));
    QCOMPARE(f.get_hasFan(), false);
    QCOMPARE(f.get_powerSource(), 0);
    QCOMPARE(f.get_iosystemcfg(), 0);

    p["syncNeeded"] = true;
    FileID g;
    QVERIFY(read(g, p));
    QCOMPARE(g.get_topTempOffset(), 0);
}

void TestFileID::nullListElementKeepsThePrefix()
{
    QJsonObject p = personalityOf("2x2_primary.hcc");
    p["zoneMap"] = QJsonArray{1, QJsonValue(), 3};

    FileID f;
    QSignalSpy zoneMap(&f, &FileID::zoneMapChanged);
    QSignalSpy productLocation(&f, &FileID::productLocationMapChanged);
    LogCapture log;
    QVERIFY(!read(f, p));
    QCOMPARE(log.lines().first(), QStringLiteral("Failed reading zoneMap at index 1"));
    QCOMPARE(log.lines().at(1), QStringLiteral("binTestTemps is undefined"));
    QCOMPARE(*f.get_zoneMap(), QList<int>{1});
    QCOMPARE(zoneMap.count(), 0);
    QCOMPARE(productLocation.count(), 1);
}

void TestFileID::ioBoardToZoneMapGapEndsTheList()
{
    QJsonObject p = personalityOf("5x4_primary_nfc.hcc");
    p["ioBoardToZoneMap"] = QJsonObject{{"io[0]", QJsonObject{{"firstZone", 0}, {"secondZone", 4}}},
                                        {"io[2]", QJsonObject{{"firstZone", 5}, {"secondZone", 9}}}};
    FileID f;
    QSignalSpy boards(&f, &FileID::ioBoardToZoneMapChanged);
    LogCapture log(true);
    QVERIFY(!read(f, p));
    const QStringList lines = log.lines();
    const int gap = lines.indexOf("ioBoardToZoneMap io[1] is undefined");
    QVERIFY(gap > 0);
    QCOMPARE(lines.at(gap - 1), QStringLiteral("ioBoardToZoneMap[0].secondZone = 4"));
    QCOMPARE(f.get_ioBoardToZoneMap()->size(), 1);
    QCOMPARE(f.get_ioBoardToZoneMap()->at(0).secondZone, 4);
    QCOMPARE(boards.count(), 0);

    // A complete map is announced once, after its last record.
    p["ioBoardToZoneMap"] = QJsonObject{{"io[0]", QJsonObject{{"firstZone", 0}, {"secondZone", 4}}},
                                        {"io[1]", QJsonObject{{"firstZone", 5}, {"secondZone", 9}}}};
    QVERIFY(read(f, p));
    QCOMPARE(f.get_ioBoardToZoneMap()->size(), 2);
    QCOMPARE(f.get_ioBoardToZoneMap()->at(1).firstZone, 5);
    QCOMPARE(boards.count(), 1);
}

void TestFileID::nfcMapIsReadOnlyWithNfcEnabled()
{
    QJsonObject p = personalityOf("2x2_primary.hcc");
    QVERIFY(!p.contains("nfcMap"));
    FileID f;
    f.initNfcMap(17);
    const NfcMap before = *f.get_nfcMap();
    QVERIFY(read(f, p));
    QCOMPARE(f.get_nfcEnabled(), false);
    QCOMPARE(f.get_nfcMap()->zones[1].bin[1].binIndex, before.zones[1].bin[1].binIndex);
    QCOMPARE(f.get_nfcMap()->zones[4].bin[0].channel, 8);

    p["nfcEnabled"] = true;
    FileID g;
    LogCapture log;
    QVERIFY(!read(g, p));
    QCOMPARE(log.lines().first(), QStringLiteral("nfcMap is undefined"));
}

void TestFileID::missingNfcBinFailsEveryLaterZone()
{
    QJsonObject p = personalityOf("2x4_primary_mirror.hcc");
    QJsonObject map = p["nfcMap"].toObject();
    QJsonObject zone1 = map["zone1"].toObject();
    zone1.remove("left-bin");
    map["zone1"] = zone1;
    p["nfcMap"] = map;

    FileID f;
    LogCapture log;
    QVERIFY(!read(f, p));
    QCOMPARE(log.lines().mid(0, 3), (QStringList{"NFC left-bin of zone1 is undefined",
                                                 "NFC zone2 is undefined",
                                                 "NFC zone3 is undefined"}));
    QCOMPARE(f.get_nfcMap()->zones[0].bin[1].binIndex, 1);
    QCOMPARE(f.get_nfcMap()->zones[1].zone, 2);
    QCOMPARE(f.get_nfcMap()->zones[1].bin[1].binIndex, 5); // the right bin was there
    QCOMPARE(f.get_nfcMap()->zones[2].zone, 0);
}

void TestFileID::versionTenReadsCompletely()
{
    QJsonObject p = personalityOf("5x4_primary_nfc.hcc");
    p["version"] = 10;
    FileID f;
    LogCapture log;
    QVERIFY(read(f, p)); // the application core turns versions above 9 away
    QCOMPARE(log.lines(), QStringList());
    QCOMPARE(f.get_importedFileVersion(), 10);
    QCOMPARE(f.get_timerDecrementEnable(), true);
}

void TestFileID::headerChecksumIsNotCompared()
{
    writePersonality(personalityOf("2x2_primary.hcc"), "test.hcc", "0123456789abcdef");
    FileID f;
    QTest::ignoreMessage(QtDebugMsg, "headerChecksum 0123456789abcdef");
    QVERIFY(f.readFileID("test.hcc"));
}

void TestFileID::unreadableDocumentsFail()
{
    FileID f;
    QVERIFY(m_scratch->writeRootFile("array.hcc", "[{\"personality\": {\"version\": 1}}]"));
    QTest::ignoreMessage(QtWarningMsg, "version is undefined");
    QVERIFY(!f.readFileID("array.hcc"));

    QVERIFY(m_scratch->writeRootFile("broken.hcc", "{\"personality\": {\"version\": 1"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Parse Error: "));
    QVERIFY(!f.readFileID("broken.hcc"));
    QCOMPARE(f.get_importedFileVersion(), 0);
}

void TestFileID::missingFileIsNotCreated()
{
    FileID f;
    QTest::ignoreMessage(QtWarningMsg, "Could not open file: missing.hcc");
    QVERIFY(!f.readFileID("missing.hcc"));
    QVERIFY(!QFile::exists(m_scratch->root() + "missing.hcc"));
}

void TestFileID::readOnlyFileCannotBeOpened()
{
    if (geteuid() == 0)
        QSKIP("root may write any file");
    QVERIFY(QFile::copy(fixture("2x2_primary.hcc"), "locked.hcc"));
    QVERIFY(QFile::setPermissions("locked.hcc", QFile::ReadOwner));
    FileID f;
    QTest::ignoreMessage(QtWarningMsg, "Could not open file: locked.hcc");
    QVERIFY(!f.readFileID("locked.hcc"));
}

void TestFileID::everyAppliedKeyAnnouncesItselfOnce()
{
    QVERIFY(QFile::copy(fixture("5x4_primary_nfc.hcc"), "a.hcc"));
    FileID f;
    QVERIFY(f.readFileID("a.hcc"));

    // Read again: nothing changes, yet every key announces its value once.
    QSignalSpy fan(&f, &FileID::hasFanChanged);
    QSignalSpy zones(&f, &FileID::numberOfZonesChanged);
    QSignalSpy bins(&f, &FileID::binsPerZoneChanged);
    QSignalSpy boards(&f, &FileID::numIOBoardsChanged);
    QSignalSpy clean(&f, &FileID::screenCleanModeEnableChanged);
    QSignalSpy version(&f, &FileID::versionChanged);
    QSignalSpy productLocation(&f, &FileID::productLocationMapChanged);
    QVERIFY(f.readFileID("a.hcc"));
    QCOMPARE(fan.count(), 1);
    QCOMPARE(fan.at(0).at(0).toBool(), true);
    // zonesPerRow and numberOfRows are unchanged, so only key 26 itself announces.
    QCOMPARE(zones.count(), 1);
    QCOMPARE(zones.at(0).at(0).toInt(), 10);
    QCOMPARE(bins.count(), 1);
    QCOMPARE(boards.count(), 1);
    QCOMPARE(boards.at(0).at(0).toBool(), true);
    QCOMPARE(clean.count(), 1);
    QCOMPARE(version.count(), 1);
    QCOMPARE(productLocation.count(), 1);
}

// ---- refused geometry -----------------------------------------------------------

void TestFileID::unsafeGeometryIsRefused_data()
{
    QTest::addColumn<QJsonObject>("changes");
    QTest::addColumn<QString>("warning");

    const QJsonObject base = personalityOf("5x4_primary_nfc.hcc");
    QJsonObject nfc21 = base["nfcMap"].toObject();
    for (int i = 10; i < 21; ++i)
        nfc21[QString("zone%1").arg(i)] = nfc21["zone0"];
    QTest::newRow("NFC with 21 zones")
        << QJsonObject{{"numberOfZones", 21}, {"nfcMap", nfc21}}
        << "numberOfZones 21 is out of range 1 to 20";
    QTest::newRow("no zones") << QJsonObject{{"numberOfZones", 0}}
                              << "numberOfZones 0 is out of range 1 to 20";
    // A display shows and looks up the zones it handles by number.
    QTest::newRow("a million zones to handle") << QJsonObject{{"zones2handle", 1000000}}
                                               << "zones2handle 1000000 is out of range 0 to 20";
    QTest::newRow("handled zones start below 0") << QJsonObject{{"zones2handleStart", -1}}
                                                 << "zones2handleStart -1 is out of range 0 to 19";
    QTest::newRow("handled zones past the cabinet")
        << QJsonObject{{"zones2handleStart", 8}, {"zones2handle", 5}}
        << "zones2handleStart 8 with zones2handle 5 goes past the 10 zones";
    QTest::newRow("largest int of rows") << QJsonObject{{"numberOfRows", 2147483647}}
                                         << "numberOfRows 2147483647 is out of range 1 to 20";
    QTest::newRow("no zones per row") << QJsonObject{{"zonesPerRow", 0}}
                                      << "zonesPerRow 0 is out of range 1 to 20";
    QTest::newRow("role 99") << QJsonObject{{"uiRole", 99}} << "uiRole 99 is out of range 0 to 3";
    QTest::newRow("orientation -1") << QJsonObject{{"orientationId", -1}}
                                    << "orientationId -1 is out of range 0 to 255";
    QTest::newRow("21 bins") << QJsonObject{{"traysPerCabinet", 21}}
                             << "traysPerCabinet 21 is out of range 1 to 20";
    QTest::newRow("1 bin per zone") << QJsonObject{{"traysPerZone", 1}}
                                    << "traysPerZone 1 is out of range 2 to 4";
    QTest::newRow("5 bins per zone") << QJsonObject{{"traysPerZone", 5}}
                                     << "traysPerZone 5 is out of range 2 to 4";
    QTest::newRow("short product locations")
        << QJsonObject{{"productLocationMap", intArray({0, 1, 2})}}
        << "productLocationMap has 3 entries for 20 bins";
    QJsonArray locations = base["productLocationMap"].toArray();
    locations[7] = 20;
    QTest::newRow("product location 20") << QJsonObject{{"productLocationMap", locations}}
                                         << "productLocationMap entry 20 at index 7 is out of range 0 to 19";
    locations[7] = -1;
    QTest::newRow("product location -1") << QJsonObject{{"productLocationMap", locations}}
                                         << "productLocationMap entry -1 at index 7 is out of range 0 to 19";

    auto nfcWith = [&](int zone, const char *bin, const QJsonObject &entry) {
        QJsonObject map = base["nfcMap"].toObject();
        const QString zoneName = QString("zone%1").arg(zone);
        QJsonObject z = map[zoneName].toObject();
        z[bin] = entry;
        map[zoneName] = z;
        return QJsonObject{{"nfcMap", map}};
    };
    QTest::newRow("poll order 3") << nfcWith(3, "right-bin", nfcBin(7, 2, 7, 3))
                                  << "NFC right-bin of zone3 has pollOrder 3, expected 1 or 2";
    QTest::newRow("poll order 0") << nfcWith(0, "left-bin", nfcBin(0, 2, 0, 0))
                                  << "NFC left-bin of zone0 has pollOrder 0, expected 1 or 2";
    QTest::newRow("bin 20") << nfcWith(9, "left-bin", nfcBin(20, 3, 8, 1))
                            << "NFC left-bin of zone9 has binIndex 20, expected 0 to 19";
    QTest::newRow("channel 10") << nfcWith(9, "left-bin", nfcBin(18, 3, 10, 1))
                                << "NFC left-bin of zone9 has channel 10, expected 0 to 9";
    QTest::newRow("third reader") << nfcWith(9, "left-bin", nfcBin(18, 4, 8, 1))
                                  << "nfcMap zone9 uses reader address 4, more than 2 reader addresses";

    // Thirteen left bins of one reader in one pass.
    QJsonObject crowded = base["nfcMap"].toObject();
    for (int i = 0; i < 10; ++i) {
        const QString name = QString("zone%1").arg(i);
        QJsonObject z = crowded[name].toObject();
        z["left-bin"] = nfcBin(2 * i, 2, i % 10, 1);
        z["right-bin"] = i < 3 ? nfcBin(2 * i + 1, 2, i, 1) : nfcBin(2 * i + 1, 3, i, 2);
        crowded[name] = z;
    }
    QTest::newRow("13 bins in one group") << QJsonObject{{"nfcMap", crowded}}
                                          << "nfcMap puts more than 12 bins on reader address 2 in poll order 1";
}

void TestFileID::unsafeGeometryIsRefused()
{
    QFETCH(QJsonObject, changes);
    QFETCH(QString, warning);
    QJsonObject p = personalityOf("5x4_primary_nfc.hcc");
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
        p[it.key()] = it.value();

    FileID f;
    LogCapture log;
    QVERIFY(!read(f, p));
    QVERIFY2(!log.lines().isEmpty(), "refused without a word");
    QCOMPARE(log.lines().first(), warning);
}

// ---- NFC maps -------------------------------------------------------------------

void TestFileID::initNfcMapBuildsTheBuiltInMaps()
{
    FileID f;
    f.set_numberOfZones(4);
    f.initNfcMap(9);
    const NfcMap *map = f.get_nfcMap();
    QCOMPARE(map->zones[1].zone, 2);
    QCOMPARE(map->zones[2].bin[0].binIndex, 2);
    QCOMPARE(map->zones[2].bin[1].binIndex, 3);
    QCOMPARE(map->zones[2].bin[1].pollOrder, 1);
    QCOMPARE(map->zones[4].bin[0].address, 0); // beyond the zones: zero

    f.set_numberOfZones(10);
    f.initNfcMap(1);
    QCOMPARE(map->zones[4].bin[1].channel, 9);
    QCOMPARE(map->zones[5].bin[0].address, 3);
    QCOMPARE(map->zones[5].bin[0].channel, 0);
    QCOMPARE(map->zones[9].bin[1].binIndex, 19);
    QCOMPARE(map->zones[9].bin[1].pollOrder, 2);

    f.set_numberOfZones(5);
    f.initNfcMap(17);
    QCOMPARE(map->zones[4].bin[1].channel, 9);
    QCOMPARE(map->zones[4].bin[1].pollOrder, 1);
    QCOMPARE(map->zones[5].bin[0].address, 0); // the id 1 map was cleared first
}

void TestFileID::initNfcMapLeavesOtherIdsAlone()
{
    FileID f;
    f.initNfcMap(1);
    const QByteArray before(reinterpret_cast<const char *>(f.get_nfcMap()), sizeof(NfcMap));
    for (int id : {25, 0, 3, -1}) {
        f.initNfcMap(id);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(f.get_nfcMap()), sizeof(NfcMap)), before);
    }
}

void TestFileID::initNfcMapStaysInsideItsZoneOrder()
{
    FileID f;
    f.set_numberOfZones(20);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^initNfcMap: map 9 describes 4 zones"));
    f.initNfcMap(9);
    QCOMPARE(f.get_nfcMap()->zones[3].bin[1].binIndex, 7);
    QCOMPARE(f.get_nfcMap()->zones[4].bin[0].pollOrder, 0);

    f.set_numberOfZones(1000);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^initNfcMap: map 1 describes 10 zones"));
    f.initNfcMap(1);
    QCOMPARE(f.get_nfcMap()->zones[9].bin[1].binIndex, 19);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("pollOrder 0, expected 1 or 2"));
    const NfcPollingInfo *info = f.get_nfcPollingInfo(); // walks 20 records, not 1000
    QCOMPARE(info->group[1][1].count, 5);
}

void TestFileID::pollingTableForTheFiveByFour()
{
    FileID f;
    f.set_numberOfZones(10);
    f.initNfcMap(1);
    const NfcPollingInfo *info = f.get_nfcPollingInfo();
    QVERIFY(info);
    QCOMPARE(info->addressCount, 2);
    QCOMPARE(info->pollOrderCount, 2);
    for (int a = 0; a < 2; ++a) {
        for (int p = 0; p < 2; ++p) {
            const NfcPollGroup &group = info->group[a][p];
            QCOMPARE(group.address, 2 + a);
            QCOMPARE(group.count, 5);
            for (int i = 0; i < 5; ++i) {
                QCOMPARE(group.entries[i].channel, 2 * i + p);
                QCOMPARE(group.entries[i].binIndex, 10 * a + 2 * i + p);
            }
            QCOMPARE(group.entries[5].binIndex, 0);
        }
    }
}

void TestFileID::pollingTableIsNullWithoutNfc()
{
    FileID f;
    f.set_numberOfZones(10);
    f.initNfcMap(1);
    const NfcPollingInfo *info = f.get_nfcPollingInfo();
    const QByteArray table(reinterpret_cast<const char *>(info), sizeof(NfcPollingInfo));
    f.set_nfcEnabled(false);
    f.initNfcMap(17);
    QCOMPARE(f.get_nfcPollingInfo(), nullptr);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(info), sizeof(NfcPollingInfo)), table);
}

void TestFileID::pollingTableKeepsInsideItsGroups()
{
    FileID f;
    f.set_numberOfZones(20);
    NfcMap *map = f.get_nfcMap();
    for (int z = 0; z < 20; ++z) {
        map->zones[z].bin[0] = {2 * z, 2 + z % 3, z % 10, 2};                 // three readers
        map->zones[z].bin[1] = {2 * z + 1, 2, z % 10, z % 5 == 4 ? 3 : 1}; // 16 bins in one pass
    }
    QString problem;
    QVERIFY(!f.rebuildNfcPollingInfo(&problem));
    QCOMPARE(problem, QStringLiteral("nfcMap zone2 uses reader address 4, more than 2 reader "
                                     "addresses; nfcMap zone4 has pollOrder 3, expected 1 or 2; "
                                     "nfcMap puts more than 12 bins on reader address 2 in poll order 1"));
    QTest::ignoreMessage(QtWarningMsg, qPrintable(problem));
    const NfcPollingInfo *info = f.get_nfcPollingInfo();
    QCOMPARE(info->addressCount, 2);
    QCOMPARE(info->pollOrderCount, 2);
    QCOMPARE(info->group[0][0].count, 12);
    QCOMPARE(info->group[0][0].address, 2);
    QCOMPARE(info->group[0][1].count, 7);
    QCOMPARE(info->group[1][1].address, 3);
    QCOMPARE(info->group[1][1].count, 7);
    QCOMPARE(info->group[1][0].count, 0);

    // The all-zero map of a unit without a built-in map describes nothing.
    FileID g;
    QVERIFY(!g.rebuildNfcPollingInfo());
    QTest::ignoreMessage(QtWarningMsg, "nfcMap zone0 has pollOrder 0, expected 1 or 2");
    QCOMPARE(g.get_nfcPollingInfo()->addressCount, 0);
}

QTEST_GUILESS_MAIN(TestFileID)
#include "tst_fileid.moc"
