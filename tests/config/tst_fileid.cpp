#include "fileid.h"
#include "scratchroots.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaMethod>
#include <QRegularExpression>
#include <QtTest>

#include <unistd.h>

namespace {

// Collects what is logged while it lives (debug lines only when asked).
struct LogCapture
{
    explicit LogCapture(bool withDebug = false) : previous(qInstallMessageHandler(&handler))
    {
        lines.clear();
        debug = withDebug;
    }
    ~LogCapture() { qInstallMessageHandler(previous); }
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type != QtDebugMsg || debug)
            lines << text;
    }
    static inline QStringList lines;
    static inline bool debug = false;
    QtMessageHandler previous;
};

// Sets, or with an undefined value removes, the value at a path of nested keys.
void setPath(QJsonObject &object, const QStringList &path, const QJsonValue &value)
{
    if (path.size() == 1) {
        if (value.isUndefined())
            object.remove(path.first());
        else
            object[path.first()] = value;
        return;
    }
    QJsonObject inner = object[path.first()].toObject();
    setPath(inner, path.mid(1), value);
    object[path.first()] = inner;
}

QJsonObject personalityOf(const QString &fixtureName)
{
    QFile file(QStringLiteral(PERSONALITY_FIXTURES "/") + fixtureName);
    if (fixtureName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value("personality").toObject();
}

QByteArray bytesOf(const void *data, size_t size)
{
    return QByteArray(static_cast<const char *>(data), int(size));
}

} // namespace

class TestFileID : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_scratch.reset(new ScratchRoots);
        m_savedCwd = QDir::currentPath();
        // The reader opens its file relative to the working directory, as on the device.
        QVERIFY(QDir::setCurrent(m_scratch->root()));
    }
    void cleanup()
    {
        QDir::setCurrent(m_savedCwd);
        m_scratch.reset();
    }

    void defaultsAndGeometry();
    void fixturesReadCompletely_data();
    void fixturesReadCompletely();
    void personalityIsReadOrRefused_data();
    void personalityIsReadOrRefused();
    void unreadableFilesFail_data();
    void unreadableFilesFail();
    void everyAppliedKeyAnnouncesItselfOnce();
    void nfcMapOfTheFile();
    void builtInNfcMaps();
    void pollingTable();

private:
    bool read(FileID &f, const QJsonObject &personality)
    {
        // The header's checksum is logged, never compared: a wrong one reads as well.
        const QJsonObject document{{"header", QJsonObject{{"checksum", "0123456789abcdef"}}},
                                   {"personality", personality}};
        if (!m_scratch->writeRootFile("test.hcc", QJsonDocument(document).toJson()))
            return false;
        return f.readFileID(QStringLiteral("test.hcc"));
    }

    QScopedPointer<ScratchRoots> m_scratch;
    QString m_savedCwd;
};

void TestFileID::defaultsAndGeometry()
{
    FileID f;
    f.set_uiRole(2);
    f.set_hasSecondaryDisplay(true);
    f.get_zoneMap()->append(3);
    f.setDefaultData(); // the defaults do not depend on what was there before
    const QVariantMap defaults{{"numberOfZones", 5}, {"binsPerZone", 2}, {"powerSource", 120},
        {"iosystemcfg", 6}, {"traysPerCabinet", 10}, {"cabinetConfiguration", 10}, {"numIOBoards", 1},
        {"controlBoardType", 1}, {"startingShelfNumber", 1}, {"nfcEnabled", true}, {"syncNeeded", false},
        {"isIndividualDpSelectable", true}, {"shelfNumbersEnable", true}, {"exportFileVersion", 2},
        {"hasSecondaryDisplay", false}, {"uiRole", 0}, {"discardOptionType", 0}};
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it)
        QVERIFY2(f.property(qPrintable(it.key())) == it.value(), qPrintable(it.key()));
    QVERIFY(f.get_zoneMap()->isEmpty() && f.get_mio2uitMap()->isEmpty() && f.get_binTestTemps()->isEmpty());

    // Zone count: rows times zones per row, doubled by a secondary display or by role 2.
    f.set_zonesPerRow(2);
    f.set_numberOfRows(3);
    QCOMPARE(f.get_numberOfZones(), 6);
    f.set_hasSecondaryDisplay(true);
    QCOMPARE(f.get_numberOfZones(), 12);
    QSignalSpy zones(&f, &FileID::numberOfZonesChanged);
    f.set_uiRole(2);
    QCOMPARE(zones.count(), 0); // the role alone recomputes nothing
    f.set_hasSecondaryDisplay(false);
    QCOMPARE(f.get_numberOfZones(), 6);
    f.set_numberOfRows(4);
    QCOMPARE(f.get_numberOfZones(), 16);
    f.set_numberOfZones(7); // stands until the next recomputation
    f.set_zonesPerRow(2);
    QCOMPARE(f.get_numberOfZones(), 7);
    f.set_zonesPerRow(INT_MAX);
    f.set_numberOfRows(INT_MAX);
    QCOMPARE(f.get_numberOfZones(), INT_MAX);

    // Setters announce changes only; a few announce a derived value.
    QSignalSpy fan(&f, &FileID::hasFanChanged);
    QVERIFY(f.set_hasFan(true));
    QVERIFY(!f.set_hasFan(true));
    QCOMPARE(fan.count(), 1);
    QSignalSpy shelf(&f, &FileID::startingShelfNumberChanged);
    QVERIFY(f.set_startingShelfNumber(0)); // shelves count from 1
    QCOMPARE(f.get_startingShelfNumber(), 1);
    QCOMPARE(shelf.takeFirst().at(0).toInt(), 1);
    QSignalSpy boards(&f, &FileID::numIOBoardsChanged);
    QVERIFY(f.set_numIOBoards(0));
    QVERIFY(f.set_numIOBoards(3));
    QVERIFY(!f.set_numIOBoards(3));
    QCOMPARE(boards.count(), 2);
    QCOMPARE(boards.at(0).at(0).toBool(), false);
    QCOMPARE(boards.at(1).at(0).toBool(), true);
}

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
    QVERIFY(QFile::copy(QStringLiteral(PERSONALITY_FIXTURES "/") + name, name));

    FileID f;
    LogCapture log;
    QVERIFY(f.readFileID(name));
    QCOMPARE(log.lines, QStringList());
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
    const QByteArray fromFile = bytesOf(f.get_nfcMap(), sizeof(NfcMap));
    f.initNfcMap(orientationId);
    QCOMPARE(bytesOf(f.get_nfcMap(), sizeof(NfcMap)), fromFile);
    int polled = 0;
    for (const auto &row : f.get_nfcPollingInfo()->group) {
        for (const NfcPollGroup &group : row)
            polled += group.count;
    }
    QCOMPARE(polled, 2 * zones);
}

// Fixture personalities with keys set or removed (dotted paths reach into maps), each read
// or refused with the warnings given (the first lines logged) and leaving the values given;
// "!signal" counts announcements.
void TestFileID::personalityIsReadOrRefused_data()
{
    QTest::addColumn<QJsonObject>("row");
    QFile file(QStringLiteral(CONFIG_DATA "/personality_cases.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (const QJsonValue &row : QJsonDocument::fromJson(file.readAll()).array())
        QTest::newRow(qPrintable(row["name"].toString())) << row.toObject();
}

void TestFileID::personalityIsReadOrRefused()
{
    QFETCH(QJsonObject, row);
    QJsonObject p = personalityOf(row["fixture"].toString());
    const QJsonObject changes = row["set"].toObject();
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
        setPath(p, it.key().split('.'), it.value());
    for (const QJsonValue &key : row["remove"].toArray())
        setPath(p, key.toString().split('.'), QJsonValue::Undefined);

    FileID f;
    const QVariantMap values = row["values"].toObject().toVariantMap();
    std::map<QString, std::unique_ptr<QSignalSpy>> spies;
    for (const QString &key : values.keys()) {
        const QMetaObject *meta = f.metaObject();
        for (int i = 0; key.startsWith('!') && i < meta->methodCount(); ++i) {
            if (meta->method(i).name() == key.mid(1).toLatin1())
                spies[key].reset(new QSignalSpy(&f, ("2" + meta->method(i).methodSignature()).constData()));
        }
    }
    const bool ok = row["ok"].toBool();
    const QStringList warnings = row["warnings"].toVariant().toStringList();
    {
        LogCapture log;
        QCOMPARE(read(f, p), ok);
        QCOMPARE(log.lines.mid(0, ok ? log.lines.size() : warnings.size()), warnings);
    }
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        QStringList list;
        QVariant actual = f.property(qPrintable(it.key()));
        if (it.key().startsWith('!')) {
            QVERIFY2(spies[it.key()], qPrintable(it.key()));
            actual = spies[it.key()]->count();
        } else if (it.key() == "zoneMap") {
            for (int v : *f.get_zoneMap())
                list << QString::number(v);
        } else if (it.key() == "ioBoardToZoneMap") {
            for (const auto &board : *f.get_ioBoardToZoneMap())
                list << QString("%1-%2").arg(board.firstZone).arg(board.secondZone);
        } else if (it.key() == "nfcZones") { // zone:left bin,right bin of the first three
            for (const auto &zone : QVector<NfcZoneMapEntry>(f.get_nfcMap()->zones, f.get_nfcMap()->zones + 3))
                list << QString("%1:%2,%3").arg(zone.zone).arg(zone.bin[0].binIndex).arg(zone.bin[1].binIndex);
        }
        if (!list.isEmpty())
            actual = list.join(' ');
        QVERIFY2(actual == it.value(), qPrintable(it.key() + " is " + actual.toString()));
    }
}

void TestFileID::unreadableFilesFail_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("warning");
    QTest::newRow("array") << "array.hcc" << QByteArray("[{\"personality\": {\"version\": 1}}]") << "^version is undefined$";
    QTest::newRow("broken") << "broken.hcc" << QByteArray("{\"personality\": {\"version\": 1") << "^Parse Error: ";
    QTest::newRow("missing") << "missing.hcc" << QByteArray() << "^Could not open file: missing.hcc$";
    QTest::newRow("read-only") << "locked.hcc" << QByteArray("{}") << "^Could not open file: locked.hcc$";
}

void TestFileID::unreadableFilesFail()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, warning);
    if (!content.isEmpty())
        QVERIFY(m_scratch->writeRootFile(name, content));
    if (name == "locked.hcc") {
        if (geteuid() == 0)
            QSKIP("root may open any file");
        QVERIFY(QFile::setPermissions(name, QFile::WriteOwner));
    }
    FileID f;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    QVERIFY(!f.readFileID(name));
    QCOMPARE(f.get_importedFileVersion(), 0);
    // A missing file is not created; every other one stays as it was: the reader never writes it.
    QCOMPARE(QFile::exists(name), !content.isEmpty());
    if (!content.isEmpty() && name != QLatin1String("locked.hcc")) {
        QFile kept(name);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), content);
    }
    QCOMPARE(QDir().entryList({name + "*"}).size(), content.isEmpty() ? 0 : 1);
}

void TestFileID::everyAppliedKeyAnnouncesItselfOnce()
{
    QVERIFY(QFile::copy(PERSONALITY_FIXTURES "/5x4_primary_nfc.hcc", "a.hcc"));
    FileID f;
    QVERIFY(f.readFileID("a.hcc"));
    // Read again: nothing changes, yet every key announces its value once.
    QSignalSpy fan(&f, &FileID::hasFanChanged), zones(&f, &FileID::numberOfZonesChanged),
        bins(&f, &FileID::binsPerZoneChanged), boards(&f, &FileID::numIOBoardsChanged),
        clean(&f, &FileID::screenCleanModeEnableChanged), version(&f, &FileID::versionChanged),
        productLocation(&f, &FileID::productLocationMapChanged);
    QVERIFY(f.readFileID("a.hcc"));
    for (QSignalSpy *spy : {&fan, &zones, &bins, &boards, &clean, &version, &productLocation})
        QCOMPARE(spy->count(), 1);
    QCOMPARE(fan.at(0).at(0).toBool(), true);
    QCOMPARE(zones.at(0).at(0).toInt(), 10); // only key 26 itself: rows and columns are unchanged
    QCOMPARE(boards.at(0).at(0).toBool(), true);
}

void TestFileID::nfcMapOfTheFile()
{
    // Without NFC the file's map is not read and the built-in one stays.
    FileID f;
    f.initNfcMap(17);
    const QByteArray before = bytesOf(f.get_nfcMap(), sizeof(NfcMap));
    QVERIFY(read(f, personalityOf("2x2_primary.hcc")));
    QCOMPARE(f.get_nfcEnabled(), false);
    QCOMPARE(bytesOf(f.get_nfcMap(), sizeof(NfcMap)), before);
    QCOMPARE(f.get_nfcMap()->zones[4].bin[0].channel, 8);
}

void TestFileID::builtInNfcMaps()
{
    FileID f;
    const NfcMap *map = f.get_nfcMap();
    f.set_numberOfZones(4);
    f.initNfcMap(9);
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
    const QByteArray map1 = bytesOf(map, sizeof(NfcMap));
    for (int id : {25, 0, 3, -1}) { // ids without a built-in map change nothing
        f.initNfcMap(id);
        QCOMPARE(bytesOf(map, sizeof(NfcMap)), map1);
    }
    f.set_numberOfZones(5);
    f.initNfcMap(17);
    QCOMPARE(map->zones[4].bin[1].channel, 9);
    QCOMPARE(map->zones[4].bin[1].pollOrder, 1);
    QCOMPARE(map->zones[5].bin[0].address, 0); // the id 1 map was cleared first

    // More zones than the map describes: the map stays inside its own zones.
    f.set_numberOfZones(20);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^initNfcMap: map 9 describes 4 zones"));
    f.initNfcMap(9);
    QCOMPARE(map->zones[3].bin[1].binIndex, 7);
    QCOMPARE(map->zones[4].bin[0].pollOrder, 0);
    f.set_numberOfZones(1000);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^initNfcMap: map 1 describes 10 zones"));
    f.initNfcMap(1);
    QCOMPARE(map->zones[9].bin[1].binIndex, 19);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("pollOrder 0, expected 1 or 2"));
    QCOMPARE(f.get_nfcPollingInfo()->group[1][1].count, 5); // walks 20 records, not 1000
}

void TestFileID::pollingTable()
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
    // Without NFC there is no table, and the last one is left as it was.
    const QByteArray table = bytesOf(info, sizeof(NfcPollingInfo));
    f.set_nfcEnabled(false);
    f.initNfcMap(17);
    QCOMPARE(f.get_nfcPollingInfo(), nullptr);
    QCOMPARE(bytesOf(info, sizeof(NfcPollingInfo)), table);

    // A bad map is reported in full and the table stays inside its groups.
    f.set_numberOfZones(20);
    NfcMap *map = f.get_nfcMap();
    for (int z = 0; z < 20; ++z) {
        map->zones[z].bin[0] = {2 * z, 2 + z % 3, z % 10, 2};                 // three readers
        map->zones[z].bin[1] = {2 * z + 1, 2, z % 10, z % 5 == 4 ? 3 : 1}; // 16 bins in one pass
    }
    QString problem;
    QVERIFY(!f.rebuildNfcPollingInfo(&problem));
    QCOMPARE(problem, QStringLiteral("nfcMap zone2 uses reader address 4, more than 2 reader addresses; "
                                     "nfcMap zone4 has pollOrder 3, expected 1 or 2; "
                                     "nfcMap puts more than 12 bins on reader address 2 in poll order 1"));
    f.set_nfcEnabled(true);
    QTest::ignoreMessage(QtWarningMsg, qPrintable(problem));
    info = f.get_nfcPollingInfo();
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
