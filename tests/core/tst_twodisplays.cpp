// Runs the program twice, as two displays of one cabinet (primary and mirror, or the two
// sides of a 5x4), each with its own data root, on a virtual CAN bus of the test's own;
// watches their logs and drives them through their simulation consoles.
#include "displayprocess.h"
#include "scratchroots.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QtTest>

class TestTwoDisplays : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void displaysFindEachOtherAndSynchronise();
    void identityAndVersionsCrossOnce();
    void menuMigratedOnThePrimaryReachesTheMirror();
    void menuImportedOnThePrimaryReachesTheMirror();
    void primaryGivesUpWithoutTheOtherDisplay();
    void singleDisplayNeedsNoSynchronisation();
    void binsAreStartedAndStoppedFromEitherDisplay_data();
    void binsAreStartedAndStoppedFromEitherDisplay();
    void languageAndPreferencesReachTheOtherDisplay();
    void bothDisplaysShowEveryZonesTargets_data();
    void bothDisplaysShowEveryZonesTargets();
    void holdsOfBothDisplaysComeBackAfterACut();
    void otherDisplayShowsWhatTheMasterKnows_data();
    void otherDisplayShowsWhatTheMasterKnows();
    void countdownsAgreeOnBothDisplays_data();
    void countdownsAgreeOnBothDisplays();

private:
    void seed(const QString &root, const QString &fixture);
    // Both displays' roots, each with its personality and one day part that fills every bin.
    QStringList seedHoldingPair(const QString &masterFixture, const QString &otherFixture);
    QScopedPointer<ScratchRoots> m_scratch;
    QString m_can;
};

void TestTwoDisplays::init()
{
    m_scratch.reset(new ScratchRoots);
    m_can = QStringLiteral("tcp://127.0.0.1:%1/can0").arg(freePort());
}

void TestTwoDisplays::seed(const QString &root, const QString &fixture)
{
    QDir().mkpath(root);
    QVERIFY(QFile::copy(QStringLiteral(PERSONALITY_FIXTURES "/") + fixture, root + fixture));
}

void TestTwoDisplays::displaysFindEachOtherAndSynchronise()
{
    const QString primaryRoot = m_scratch->base() + QStringLiteral("/primary/");
    const QString mirrorRoot = m_scratch->base() + QStringLiteral("/mirror/");
    seed(primaryRoot, QStringLiteral("2x4_primary_mirror.hcc"));
    seed(mirrorRoot, QStringLiteral("2x4_mirror.hcc"));

    Display primary(primaryRoot, m_can);
    QVERIFY(primary.process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(QStringLiteral("File id : file name is")), 15000);
    Display mirror(mirrorRoot, m_can);
    QVERIFY(mirror.process.waitForStarted());

    const QString found = QStringLiteral("The other display answered the roll call");
    const QString finished = QStringLiteral("Start-up synchronisation finished");
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(found) && mirror.saw(found), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(finished) && mirror.saw(finished), 20000);
    QVERIFY2(!primary.saw(QStringLiteral("synchronisation failed")), qPrintable(primary.log()));
    QVERIFY2(!mirror.saw(QStringLiteral("synchronisation failed")), qPrintable(mirror.log()));

    // The mirror asked the master to resynchronise: the master's settings arrive and are
    // stored in the mirror's own settings file.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(mirrorRoot + QStringLiteral("config.txt")), 30000);
}

void TestTwoDisplays::identityAndVersionsCrossOnce()
{
    const QString primaryRoot = m_scratch->base() + QStringLiteral("/primary/");
    const QString mirrorRoot = m_scratch->base() + QStringLiteral("/mirror/");
    seed(primaryRoot, QStringLiteral("2x4_primary_mirror.hcc"));
    seed(mirrorRoot, QStringLiteral("2x4_mirror.hcc"));
    QFile settings(primaryRoot + QStringLiteral("config.txt"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("storeNumber=Store 9\n");
    settings.close();
    QFile identity(primaryRoot + QStringLiteral("serialModelNums.txt"));
    QVERIFY(identity.open(QIODevice::WriteOnly));
    identity.write("serialNumber=SN-4\nmodelNumber=K9X\nuuidNumber=u-1\ncustomerIdStr=K9X\n");
    identity.close();

    Display primary(primaryRoot, m_can);
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(QStringLiteral("File id : file name is")), 15000);
    Display mirror(mirrorRoot, m_can);
    const QString finished = QStringLiteral("Start-up synchronisation finished");
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(finished) && mirror.saw(finished), 30000);

    // The IO board was configured: one powerOn, and the firmware list went to the mirror.
    QTRY_VERIFY_WITH_TIMEOUT(mirror.saw(QStringLiteral("Firmware versions from the other display")), 10000);
    QCOMPARE(primary.count(QStringLiteral("Power on")), 1);
    QVERIFY2(!primary.saw(QStringLiteral("Configuration is disabled")), qPrintable(primary.log()));
    // The master's numbers reach the mirror when it answers.
    QTRY_VERIFY_WITH_TIMEOUT(mirror.saw(QStringLiteral("Store number from the other display: \"Store 9\"")), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(mirror.saw(QStringLiteral("Serial and model numbers from the other display: \"SN-4\" \"K9X\"")),
                             10000);
    // The mirror's application version reaches the master once.
    const QString version = QStringLiteral("Application version of the other display: \"RO-2503\"");
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(version), 10000);
    QTest::qWait(1000);
    QCOMPARE(primary.count(version), 1);
    QCOMPARE(mirror.count(QStringLiteral("Application version of the other display")), 0);
}

void TestTwoDisplays::menuMigratedOnThePrimaryReachesTheMirror()
{
    const QString primaryRoot = m_scratch->base() + QStringLiteral("/primary/");
    const QString mirrorRoot = m_scratch->base() + QStringLiteral("/mirror/");
    seed(primaryRoot, QStringLiteral("2x4_primary_mirror.hcc"));
    seed(mirrorRoot, QStringLiteral("2x4_mirror.hcc"));
    // The primary finds only the legacy products list: it migrates it to "menu.json",
    // which its save sends to the other display as file 11, followed by message 57.
    QVERIFY(QFile::copy(QStringLiteral(MENU_FIXTURES "/productsList_legacy.txt"),
                        primaryRoot + QStringLiteral("productsList.txt")));

    Display mirror(mirrorRoot, m_can);
    QTRY_VERIFY_WITH_TIMEOUT(mirror.saw(QStringLiteral("Scene loaded")), 20000);
    Display primary(primaryRoot, m_can);

    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(primaryRoot + QStringLiteral("menu.json")), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(mirrorRoot + QStringLiteral("menu.json")), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(mirror.saw(QStringLiteral("Reloading the menu and day-part files")), 20000);
    QFile sent(primaryRoot + QStringLiteral("menu.json"));
    QFile received(mirrorRoot + QStringLiteral("menu.json"));
    QVERIFY(sent.open(QIODevice::ReadOnly) && received.open(QIODevice::ReadOnly));
    QCOMPARE(received.readAll(), sent.readAll());
    // The primary's default day part at the end of its synchronisation reaches the mirror,
    // and the mirror's own (its answer to the primary's resynchronisation) the primary.
    QTRY_VERIFY_WITH_TIMEOUT(mirror.saw(QStringLiteral("from the other display")), 20000);
    QTRY_VERIFY2_WITH_TIMEOUT(primary.saw(QStringLiteral("from the other display")), qPrintable(primary.log()), 20000);
}

// A menu-tool file waiting in the primary's updates folder is imported during its start-up
// synchronisation; the saved menu and day parts go to the mirror as files 11 and 13 with
// messages 57 and 58, and the mirror reloads them.
void TestTwoDisplays::menuImportedOnThePrimaryReachesTheMirror()
{
    const QString primaryRoot = m_scratch->base() + QStringLiteral("/primary/");
    const QString mirrorRoot = m_scratch->base() + QStringLiteral("/mirror/");
    seed(primaryRoot, QStringLiteral("2x4_primary_mirror.hcc"));
    seed(mirrorRoot, QStringLiteral("2x4_mirror.hcc"));
    QVERIFY(QDir().mkpath(primaryRoot + QStringLiteral("updates/menu")));
    QVERIFY(QFile::copy(QStringLiteral(MENUIMPORT_FIXTURES "/apply.json"),
                        primaryRoot + QStringLiteral("updates/menu/apply.json")));

    Display mirror(mirrorRoot, m_can);
    QTRY_VERIFY_WITH_TIMEOUT(mirror.saw(QStringLiteral("Scene loaded")), 20000);
    Display primary(primaryRoot, m_can);

    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(primaryRoot + QStringLiteral("updates/menu/apply.json")), 30000);
    const auto sameFile = [&](const QString &name) {
        QFile sent(primaryRoot + name), received(mirrorRoot + name);
        return sent.open(QIODevice::ReadOnly) && received.open(QIODevice::ReadOnly)
            && sent.readAll() == received.readAll();
    };
    QTRY_VERIFY_WITH_TIMEOUT(sameFile(QStringLiteral("menu.json")) && sameFile(QStringLiteral("dayParts.json")),
                             20000);
    QFile menu(mirrorRoot + QStringLiteral("menu.json"));
    QVERIFY(menu.open(QIODevice::ReadOnly));
    QVERIFY(menu.readAll().contains("Nuggets"));  // a product of the imported file
    QTRY_VERIFY_WITH_TIMEOUT(mirror.count(QStringLiteral("Reloading the menu and day-part files")) >= 2, 20000);
}

void TestTwoDisplays::primaryGivesUpWithoutTheOtherDisplay()
{
    const QString root = m_scratch->base() + QStringLiteral("/alone/");
    seed(root, QStringLiteral("2x4_primary_mirror.hcc"));
    // The 30 s of the cabinet, shortened for the test.
    Display primary(root, m_can, {}, {{QStringLiteral("TUL_SYNC_TIMEOUT_MS"), QStringLiteral("1500")}});
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(QStringLiteral("Display synchronisation failed")), 20000);
    // Start-up goes on without the other display.
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(QStringLiteral("Start-up synchronisation finished")), 10000);
    QVERIFY(!primary.saw(QStringLiteral("The other display answered")));
    // The error service logged the failed synchronisation as (4, 0, 0, 0).
    const auto errorLog = [&root] {
        QByteArray all;
        const QDir logs(root + QStringLiteral("errorLogs"));
        for (const QString &name : logs.entryList(QDir::Files)) {
            QFile f(logs.filePath(name));
            if (f.open(QIODevice::ReadOnly))
                all += f.readAll();
        }
        return all;
    };
    QTRY_VERIFY_WITH_TIMEOUT(errorLog().contains(";4\t0\t0\t0\n"), 10000);
}

void TestTwoDisplays::singleDisplayNeedsNoSynchronisation()
{
    const QString root = m_scratch->base() + QStringLiteral("/single/");
    seed(root, QStringLiteral("2x4_primary_mirror.hcc"));
    Display primary(root, m_can, {QStringLiteral("-singledisplay")});
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(QStringLiteral("Display synchronisation not needed")), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(QStringLiteral("Start-up synchronisation finished")), 10000);
    QCOMPARE(primary.count(QStringLiteral("roll call")), 0);
}

QStringList TestTwoDisplays::seedHoldingPair(const QString &masterFixture, const QString &otherFixture)
{
    const QStringList roots{m_scratch->base() + QStringLiteral("/master/"), m_scratch->base() + QStringLiteral("/other/")};
    seed(roots.at(0), masterFixture);
    seed(roots.at(1), otherFixture);
    // The default menu; one day part with a product of it in every bin (from 1).
    QJsonArray locations;
    for (int b = 1; b <= 20; ++b)
        locations.append(QJsonObject{{QStringLiteral("bin"), b}, {QStringLiteral("productId"), 1 + (b - 1) % 11}});
    const QJsonObject name{{QStringLiteral("eng_USA"), QStringLiteral("All day")}};
    const QJsonObject dayPart{{QStringLiteral("daypartName"), name},
                              {QStringLiteral("inUse"), true},
                              {QStringLiteral("productLocations"), locations}};
    const QByteArray dayParts = QJsonDocument(QJsonObject{{QStringLiteral("dayPartVersion"), 1},
                                                          {QStringLiteral("layout"), QJsonArray{dayPart}}})
                                    .toJson();
    for (const QString &root : roots) {
        QFile file(root + QStringLiteral("dayParts.json"));
        if (!file.open(QIODevice::WriteOnly) || file.write(dayParts) != dayParts.size())
            qWarning() << "cannot write" << file.fileName();
    }
    return roots;
}

void TestTwoDisplays::binsAreStartedAndStoppedFromEitherDisplay_data()
{
    // Bins 0-9 are the master's, 10-19 the second display's.
    QTest::addColumn<bool>("startOnMaster");
    QTest::addColumn<bool>("stopOnMaster");
    QTest::addColumn<int>("bin");
    QTest::newRow("master starts and stops a bin of the second") << true << true << 12;
    QTest::newRow("second starts and stops a bin of the master") << false << false << 3;
    QTest::newRow("master starts, second stops its own bin") << true << false << 12;
    QTest::newRow("second starts, master stops its own bin") << false << true << 3;
}

void TestTwoDisplays::binsAreStartedAndStoppedFromEitherDisplay()
{
    QFETCH(bool, startOnMaster);
    QFETCH(bool, stopOnMaster);
    QFETCH(int, bin);
    constexpr int Holding = 6; // standard; warning and discard follow it

    const QStringList roots = seedHoldingPair(QStringLiteral("5x4_primary_second.hcc"), QStringLiteral("5x4_second.hcc"));
    const QString &masterRoot = roots.at(0);
    const QString &secondRoot = roots.at(1);

    Display master(masterRoot, m_can);
    QTRY_VERIFY_WITH_TIMEOUT(master.saw(QStringLiteral("File id : file name is")), 15000);
    Display second(secondRoot, m_can);
    const QString finished = QStringLiteral("Start-up synchronisation finished");
    QTRY_VERIFY_WITH_TIMEOUT(master.saw(finished) && second.saw(finished), 20000);
    QVERIFY2(!master.saw(QStringLiteral("synchronisation failed")), qPrintable(master.log()));
    // Both answer on the console, and the bin is not holding yet.
    for (Display *display : {&master, &second}) {
        const int before = display->state(bin);
        QVERIFY2(before >= 0 && before < Holding, qPrintable(display->log()));
    }

    Display &starter = startOnMaster ? master : second;
    Display &stopper = stopOnMaster ? master : second;
    QCOMPARE(starter.ask(QStringLiteral("tap %1").arg(bin)), QStringLiteral("ok"));
    QTRY_VERIFY_WITH_TIMEOUT(master.state(bin) >= Holding && second.state(bin) >= Holding, 5000);
    QCOMPARE(stopper.ask(QStringLiteral("tap %1").arg(bin)), QStringLiteral("ok"));
    QTRY_VERIFY_WITH_TIMEOUT(master.state(bin) < Holding && second.state(bin) < Holding, 5000);
}

// The dock's language button on the master switches the mirror too; a preference saved on
// the mirror shows on the master's open Preferences page. Both driven through the screens.
void TestTwoDisplays::languageAndPreferencesReachTheOtherDisplay()
{
    const QString primaryRoot = m_scratch->base() + QStringLiteral("/primary/");
    const QString mirrorRoot = m_scratch->base() + QStringLiteral("/mirror/");
    seed(primaryRoot, QStringLiteral("2x4_primary_mirror.hcc"));
    seed(mirrorRoot, QStringLiteral("2x4_mirror.hcc"));
    // Numbers on file: no dialog asks for them over the pages.
    for (const QString &root : {primaryRoot, mirrorRoot}) {
        QFile identity(root + QStringLiteral("serialModelNums.txt"));
        QVERIFY(identity.open(QIODevice::WriteOnly));
        identity.write("serialNumber=SN-4\nmodelNumber=K9X\nuuidNumber=u-1\ncustomerIdStr=K9X\n");
    }

    Display primary(primaryRoot, m_can);
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(QStringLiteral("File id : file name is")), 15000);
    Display mirror(mirrorRoot, m_can);
    const QString finished = QStringLiteral("Start-up synchronisation finished");
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(finished) && mirror.saw(finished), 30000);
    QCOMPARE(mirror.ask(QStringLiteral("ui get homeButton label")), QStringLiteral("Home"));

    QCOMPARE(primary.ask(QStringLiteral("ui tap dockLanguageButton")), QStringLiteral("ok"));
    QTRY_VERIFY_WITH_TIMEOUT(primary.ask(QStringLiteral("ui get homeButton label")) != QLatin1String("Home"), 5000);
    const QString home = primary.ask(QStringLiteral("ui get homeButton label"));
    QTRY_COMPARE_WITH_TIMEOUT(mirror.ask(QStringLiteral("ui get homeButton label")), home, 10000);

    QCOMPARE(primary.ask(QStringLiteral("ui tap settingsButton")), QStringLiteral("ok"));
    const QString before = primary.ask(QStringLiteral("ui get useFirstSwitch checked"));
    QVERIFY2(before == QLatin1String("true") || before == QLatin1String("false"), qPrintable(before));
    const QString after = before == QLatin1String("true") ? QStringLiteral("false") : QStringLiteral("true");
    QCOMPARE(mirror.ask(QStringLiteral("ui tap settingsButton")), QStringLiteral("ok"));
    QCOMPARE(mirror.ask(QStringLiteral("ui tap useFirstSwitch")), QStringLiteral("ok"));
    QCOMPARE(mirror.ask(QStringLiteral("ui tap preferencesSaveButton")), QStringLiteral("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(primary.ask(QStringLiteral("ui get useFirstSwitch checked")), after, 10000);
}

void TestTwoDisplays::bothDisplaysShowEveryZonesTargets_data()
{
    QTest::addColumn<QString>("masterFixture");
    QTest::addColumn<QString>("otherFixture");
    QTest::newRow("5x4: the second display holds zones 5-9") << "5x4_primary_second.hcc" << "5x4_second.hcc";
    QTest::newRow("2x4: the mirror holds none") << "2x4_primary_mirror.hcc" << "2x4_mirror.hcc";
}

// Every zone heats for its products: Zone Diagnostics on either display shows the same
// targets, whichever display holds the zone's bins.
void TestTwoDisplays::bothDisplaysShowEveryZonesTargets()
{
    QFETCH(QString, masterFixture);
    QFETCH(QString, otherFixture);
    const QStringList roots = seedHoldingPair(masterFixture, otherFixture);
    Display master(roots.at(0), m_can);
    QTRY_VERIFY_WITH_TIMEOUT(master.saw(QStringLiteral("File id : file name is")), 15000);
    Display other(roots.at(1), m_can);
    const QString finished = QStringLiteral("Start-up synchronisation finished");
    QTRY_VERIFY_WITH_TIMEOUT(master.saw(finished) && other.saw(finished), 20000);

    const QRegularExpression targets(QStringLiteral("^zone \\d+ target (\\d+) (\\d+) "));
    const auto shown = [&targets](Display &display, int zone) {
        const QRegularExpressionMatch match = targets.match(display.ask(QStringLiteral("zone %1").arg(zone)));
        return match.hasMatch() ? match.captured(1) + QLatin1Char('/') + match.captured(2) : QString();
    };
    int zones = 0;
    while (!shown(master, zones).isEmpty())
        ++zones;
    QVERIFY2(zones >= 4, qPrintable(master.log()));
    for (int zone = 0; zone < zones; ++zone) {
        QTRY_VERIFY2_WITH_TIMEOUT(shown(master, zone) != QLatin1String("0/0"), qPrintable(master.log()), 10000);
        const QString expected = shown(master, zone);
        QTRY_COMPARE_WITH_TIMEOUT(shown(other, zone), expected, 10000);
    }
}

// A power cut of the whole cabinet: the master restores the holds of its own bins and has
// the other display resume those of its bins; both show them again, with the time they had.
void TestTwoDisplays::holdsOfBothDisplaysComeBackAfterACut()
{
    constexpr int Holding = 6;
    const QStringList roots = seedHoldingPair(QStringLiteral("5x4_primary_second.hcc"), QStringLiteral("5x4_second.hcc"));
    const QString finished = QStringLiteral("Start-up synchronisation finished");
    const QList<int> bins{3, 12}; // the master's, the second display's
    // A second day part, "Dinner", with the same products: the one in force at the cut.
    for (const QString &root : roots) {
        QFile file(root + QStringLiteral("dayParts.json"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QJsonObject dayParts = QJsonDocument::fromJson(file.readAll()).object();
        QJsonArray layout = dayParts.value(QStringLiteral("layout")).toArray();
        QJsonObject dinner = layout.at(0).toObject();
        dinner[QStringLiteral("daypartName")] = QJsonObject{{QStringLiteral("eng_USA"), QStringLiteral("Dinner")}};
        layout.append(dinner);
        dayParts[QStringLiteral("layout")] = layout;
        file.resize(0);
        file.write(QJsonDocument(dayParts).toJson());
    }
    QMap<int, int> leftBefore;
    {
        Display master(roots.at(0), m_can);
        QTRY_VERIFY_WITH_TIMEOUT(master.saw(QStringLiteral("File id : file name is")), 15000);
        Display second(roots.at(1), m_can);
        QTRY_VERIFY_WITH_TIMEOUT(master.saw(finished) && second.saw(finished), 20000);
        for (int bin : bins)
            QCOMPARE(master.ask(QStringLiteral("tap %1").arg(bin)), QStringLiteral("ok"));
        for (int bin : bins)
            QTRY_VERIFY_WITH_TIMEOUT(master.state(bin) >= Holding && second.state(bin) >= Holding, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(roots.at(0) + QStringLiteral("trayBarInfo.json")), 5000);
        QTest::qWait(1000); // the second display's report of its hold reaches the file
        static const QRegularExpression left(QStringLiteral(", (-?\\d+) s left"));
        for (int bin : bins) {
            const QString answer = master.ask(QStringLiteral("state %1").arg(bin));
            leftBefore[bin] = left.match(answer).captured(1).toInt();
            QVERIFY2(leftBefore.value(bin) > 0, qPrintable(answer));
        }
    } // both killed
    // "Dinner" was in force at the cut.
    QFile state(roots.at(0) + QStringLiteral("trayBarInfo.json"));
    QVERIFY(state.open(QIODevice::ReadWrite));
    QJsonObject saved = QJsonDocument::fromJson(state.readAll()).object();
    QCOMPARE(saved.value(QStringLiteral("dayPart")).toInt(-1), 0);
    saved[QStringLiteral("dayPart")] = 1;
    state.resize(0);
    state.write(QJsonDocument(saved).toJson(QJsonDocument::Compact));
    state.close();
    QElapsedTimer off;
    off.start();
    Display master(roots.at(0), m_can);
    QTRY_VERIFY_WITH_TIMEOUT(master.saw(QStringLiteral("File id : file name is")), 15000);
    Display second(roots.at(1), m_can);
    QTRY_VERIFY_WITH_TIMEOUT(master.saw(finished) && second.saw(finished), 20000);
    // The day part in force comes back on both, whichever display's start-up ends last.
    const auto dayPartLines = [](Display *display) {
        QStringList lines;
        for (const QString &line : display->log().split('\n'))
            if (line.contains(QLatin1String("ay part")) || line.contains(QLatin1String("Holding state")))
                lines << line;
        return lines.join('\n');
    };
    for (Display *display : {&master, &second})
        QTRY_VERIFY2_WITH_TIMEOUT(display->ask(QStringLiteral("ui get dayPartButton detail")) == QLatin1String("Dinner"),
                                  qPrintable((display == &master ? "master shows " : "second shows ")
                                             + display->ask(QStringLiteral("ui get dayPartButton detail")) + "\n"
                                             + dayPartLines(&master) + "\n--- second:\n" + dayPartLines(&second)), 5000);
    QTest::qWait(1500);
    for (Display *display : {&master, &second})
        QCOMPARE(display->ask(QStringLiteral("ui get dayPartButton detail")), QStringLiteral("Dinner"));
    for (int bin : bins) {
        QTRY_VERIFY2_WITH_TIMEOUT(master.state(bin) >= Holding && second.state(bin) >= Holding,
                                  qPrintable(master.log().right(3000)), 10000);
        static const QRegularExpression left(QStringLiteral(", (-?\\d+) s left"));
        const QString answer = second.ask(QStringLiteral("state %1").arg(bin));
        const QRegularExpressionMatch match = left.match(answer);
        QVERIFY2(match.hasMatch(), qPrintable(answer));
        const int now = match.captured(1).toInt();
        const int elapsed = int(off.elapsed() / 1000);
        QVERIFY2(now <= leftBefore.value(bin) && now >= leftBefore.value(bin) - elapsed - 3,
                 qPrintable(QStringLiteral("bin %1: %2 s left before, %3 s after %4 s").arg(bin)
                                .arg(leftBefore.value(bin)).arg(now).arg(elapsed)));
    }
}

void TestTwoDisplays::otherDisplayShowsWhatTheMasterKnows_data()
{
    // What is done on the master's IO board or reader, and undone (console commands, ";"
    // between two); what the master and the other display show meanwhile ("ui get <item>
    // <property>"), and the value it has until undone.
    QTest::addColumn<QString>("masterFixture");
    QTest::addColumn<QString>("otherFixture");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("undo");
    QTest::addColumn<QString>("shownOnMaster");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("late"); // the other display starts after the cause
    const QString mirror = QStringLiteral("2x4_primary_mirror.hcc");
    const QString second = QStringLiteral("5x4_primary_second.hcc");
    // Heater 2z is the lower probe of zone z, whose bins are 2z and 2z + 1; bin 2 holds
    // product 3. The second display of the 5x4 shows zones 5-9.
    QTest::newRow("mirror: an open probe marks its zone's bins FAULT")
        << mirror << "2x4_mirror.hcc" << "probe 0 open" << "probe 0 normal" << "binItem1 zoneFault" << "binItem1 zoneFault"
        << "open" << false;
    QTest::newRow("mirror: the fault banner")
        << mirror << "2x4_mirror.hcc" << "probe 1 shorted" << "probe 1 normal" << "zoneFaultBanner visible"
        << "zoneFaultBanner visible"
        << "true" << false;
    QTest::newRow("mirror: a pan of another product is a wrong pan")
        << mirror << "2x4_mirror.hcc" << "tag 2 50000000a02" << "untag 2" << "binItem2 mismatch" << "binItem2 mismatch"
        << "true" << false;
    QTest::newRow("mirror: the IO board's link broken")
        << mirror << "2x4_mirror.hcc" << "silent 1 on" << "silent 1 off" << "linkBrokenNotice visible"
        << "linkBrokenNotice visible" << "true" << false;
    QTest::newRow("mirror started after the fault")
        << mirror << "2x4_mirror.hcc" << "probe 0 open" << "probe 0 normal" << "binItem1 zoneFault"
        << "binItem1 zoneFault" << "open" << true;
    // Each display shows its own zones: a probe of each fails.
    QTest::newRow("second display: a fault in a zone it shows")
        << second << "5x4_second.hcc" << "probe 0 open;probe 10 open" << "probe 0 normal;probe 10 normal"
        << "binItem1 zoneFault" << "binItem11 zoneFault" << "open" << false;
    QTest::newRow("second display: the IO board's link broken")
        << second << "5x4_second.hcc" << "silent 1 on" << "silent 1 off" << "linkBrokenNotice visible"
        << "linkBrokenNotice visible" << "true" << false;
}

// A cook at the other display sees the cabinet the master sees: its faults, wrong pans
// and broken link show there within a second of the master, and go with them.
void TestTwoDisplays::otherDisplayShowsWhatTheMasterKnows()
{
    QFETCH(QString, masterFixture);
    QFETCH(QString, otherFixture);
    QFETCH(QString, cause);
    QFETCH(QString, undo);
    QFETCH(QString, shownOnMaster);
    QFETCH(QString, shown);
    QFETCH(QString, value);
    QFETCH(bool, late);
    const QStringList roots = seedHoldingPair(masterFixture, otherFixture);
    // Numbers on file: no dialog asks for them over the bins.
    for (const QString &root : roots) {
        QFile identity(root + QStringLiteral("serialModelNums.txt"));
        QVERIFY(identity.open(QIODevice::WriteOnly));
        identity.write("serialNumber=SN-4\nmodelNumber=K9X\nuuidNumber=u-1\ncustomerIdStr=K9X\n");
    }
    Display master(roots.at(0), m_can);
    QTRY_VERIFY_WITH_TIMEOUT(master.saw(QStringLiteral("File id : file name is")), 15000);
    QScopedPointer<Display> otherProcess(late ? nullptr : new Display(roots.at(1), m_can));
    const QString finished = QStringLiteral("Start-up synchronisation finished");
    const QString loaded = QStringLiteral("Scene loaded");
    const QString getOnMaster = QStringLiteral("ui get ") + shownOnMaster;
    const QString get = QStringLiteral("ui get ") + shown;
    const auto causeOnMaster = [&] {
        for (const QString &command : cause.split(QLatin1Char(';'))) {
            const QString answer = master.ask(command);
            QVERIFY2(answer.startsWith(QLatin1String("ok")) || answer.startsWith(QLatin1String("refused")),
                     qPrintable(answer));
        }
    };
    if (late) {
        // It learns what is already there when it asks the master to resynchronise.
        QTRY_VERIFY_WITH_TIMEOUT(master.saw(loaded), 20000);
        causeOnMaster();
        QTRY_COMPARE_WITH_TIMEOUT(master.ask(getOnMaster), value, 15000);
        otherProcess.reset(new Display(roots.at(1), m_can));
    }
    Display &other = *otherProcess;
    QTRY_VERIFY_WITH_TIMEOUT(master.saw(finished) && other.saw(finished), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(master.saw(loaded) && other.saw(loaded), 20000);
    if (late) {
        QTRY_COMPARE_WITH_TIMEOUT(other.ask(get), value, 5000);
    } else {
        // The link's notice is made by the first break.
        QVERIFY2(master.ask(getOnMaster) != value, qPrintable(master.ask(getOnMaster)));
        QVERIFY2(other.ask(get) != value, qPrintable(other.ask(get)));
    }

    // When each first shows it (or no longer), polled in turn; the master's own reaction
    // may take its polls.
    const auto showing = [&](bool raised) {
        const char *what = raised ? "raised" : "gone";
        const auto shows = [&](Display &display) {
            return (display.ask(&display == &master ? getOnMaster : get) == value) == raised;
        };
        QElapsedTimer clock;
        clock.start();
        qint64 onMaster = -1;
        qint64 onOther = -1;
        while ((onMaster < 0 || onOther < 0) && clock.elapsed() < 15000) {
            if (onMaster < 0 && shows(master))
                onMaster = clock.elapsed();
            if (onOther < 0 && shows(other))
                onOther = clock.elapsed();
            QTest::qWait(20);
        }
        QVERIFY2(onMaster >= 0, qPrintable(QStringLiteral("%1 %2 %3 never on the master\n%4")
                                               .arg(shownOnMaster, value, what, master.log().right(3000))));
        QVERIFY2(onOther >= 0 && onOther - onMaster <= 1000,
                 qPrintable(QStringLiteral("%1 %2 %3 on the other display %4 ms after the master (%5)\n%6")
                                .arg(shown, value, what).arg(onOther - onMaster).arg(other.ask(get),
                                                                                     other.log().right(3000))));
    };
    if (!late) {
        causeOnMaster();
        showing(true);
    }
    if (QTest::currentTestFailed())
        return;
    // tools/screenshots.sh: the other display as the cook there sees it.
    const QString pictures = qEnvironmentVariable("TUL_SCREENSHOT_DIR");
    if (!pictures.isEmpty() && QDir().mkpath(pictures)) {
        const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
        QCOMPARE(other.ask(QStringLiteral("ui shot %1/%2.png").arg(pictures, name)), QStringLiteral("ok"));
    }
    for (const QString &command : undo.split(QLatin1Char(';')))
        QVERIFY2(master.ask(command).startsWith(QLatin1String("ok")), qPrintable(command));
    showing(false);
}

void TestTwoDisplays::countdownsAgreeOnBothDisplays_data()
{
    QTest::addColumn<QString>("masterFixture");
    QTest::addColumn<QString>("otherFixture");
    QTest::addColumn<int>("bin");  // compared
    QTest::addColumn<int>("bins"); // all holding, started across a second as a cook taps them
    QTest::newRow("primary and mirror") << "2x4_primary_mirror.hcc" << "2x4_mirror.hcc" << 3 << 8;
}

// Both displays' tile countdown of one bin, read within one wall-clock second at points
// spread over the second: a display half a second or more behind the other shows a second
// more at one of them.
void TestTwoDisplays::countdownsAgreeOnBothDisplays()
{
    QFETCH(QString, masterFixture);
    QFETCH(QString, otherFixture);
    QFETCH(int, bin);
    QFETCH(int, bins);
    constexpr int Holding = 6;
    const QStringList roots = seedHoldingPair(masterFixture, otherFixture);
    // Unit details on file: the first start's dialog asking for them would cover the bins.
    for (const QString &root : roots) {
        QFile identity(root + QStringLiteral("serialModelNums.txt"));
        QVERIFY(identity.open(QIODevice::WriteOnly) && identity.write("serialNumber=SN-1\nmodelNumber=M-1\n") > 0);
    }
    Display master(roots.at(0), m_can);
    QTRY_VERIFY_WITH_TIMEOUT(master.saw(QStringLiteral("File id : file name is")), 15000);
    Display other(roots.at(1), m_can);
    const QString finished = QStringLiteral("Start-up synchronisation finished");
    QTRY_VERIFY_WITH_TIMEOUT(master.saw(finished) && other.saw(finished), 20000);
    QCOMPARE(master.ask(QStringLiteral("tap %1").arg(bin)), QStringLiteral("ok"));
    QTRY_VERIFY_WITH_TIMEOUT(master.state(bin) >= Holding && other.state(bin) >= Holding, 5000);

    // What the tiles show: only the holding bin's countdown has a text ("-mm:ss" past zero).
    constexpr int NoAnswer = -1000000;
    static const QRegularExpression shown(QStringLiteral("^(-?)(\\d+):(\\d\\d)$"));
    const auto tileSeconds = [](Display &display, int index) {
        const QRegularExpressionMatch match = shown.match(display.ask(QStringLiteral("ui get binTimer[%1] text").arg(index)));
        if (!match.hasMatch())
            return NoAnswer;
        const int seconds = match.captured(2).toInt() * 60 + match.captured(3).toInt();
        return match.captured(1).isEmpty() ? seconds : -seconds;
    };
    const auto countdownTile = [&](Display &display) {
        for (int index = 0; index < 40; ++index) {
            const QString answer = display.ask(QStringLiteral("ui get binTimer[%1] text").arg(index));
            if (answer.startsWith(QLatin1String("error")))
                break;
            if (shown.match(answer).hasMatch())
                return index;
        }
        return -1;
    };
    int masterTile = -1, otherTile = -1;
    QTRY_VERIFY_WITH_TIMEOUT((masterTile = countdownTile(master)) >= 0 && (otherTile = countdownTile(other)) >= 0, 5000);
    for (int b = 0; b < bins; ++b) {
        if (b != bin)
            QCOMPARE(master.ask(QStringLiteral("tap %1").arg(b)), QStringLiteral("ok"));
        QTest::qWait(70);
    }
    QTest::qWait(2000);
    const auto now = [] { return QDateTime::currentMSecsSinceEpoch(); };
    QStringList apart;
    int compared = 0;
    for (int phase : {200, 400, 600, 800, 300, 500, 700, 900}) {
        QTest::qWait(int((phase - now() % 1000 + 1000) % 1000));
        const qint64 before = now();
        const int onMaster = tileSeconds(master, masterTile);
        const int onOther = tileSeconds(other, otherTile);
        if (now() / 1000 != before / 1000)
            continue; // the two reads fell in different seconds
        ++compared;
        if (onMaster != onOther || onMaster == NoAnswer)
            apart << QStringLiteral("%1 ms into a second: master %2, other %3").arg(before % 1000).arg(onMaster).arg(onOther);
    }
    QVERIFY2(compared >= 4, qPrintable(QString::number(compared)));
    QVERIFY2(apart.isEmpty(), qPrintable(apart.join(QStringLiteral("; "))));
}

QTEST_GUILESS_MAIN(TestTwoDisplays)
#include "tst_twodisplays.moc"
