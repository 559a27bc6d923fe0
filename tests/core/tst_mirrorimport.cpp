// A menu file imported by hand on the primary display (this process's root) while the
// mirror (the program as a second process on the same virtual CAN bus) runs: the settings
// the file carries are the primary's; the mirror receives the menu and day parts and
// keeps its own settings.
#include "cabinetmanager.h"
#include "configurationmanager.h"
#include "displayprocess.h"
#include "mastersync.h"
#include "orvantaproxy.h"
#include "scratchroots.h"

#include <QtTest>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Values of config.txt, in the order of the keys.
QString settingsOf(const QString &path, const QStringList &keys)
{
    QMap<QString, QString> values;
    for (const QString &line : QString::fromUtf8(readFile(path)).split(QLatin1Char('\n')))
        values.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    QStringList got;
    for (const QString &key : keys)
        got << values.value(key);
    return got.join(QLatin1Char(' '));
}

} // namespace

class TestMirrorImport : public QObject
{
    Q_OBJECT

private slots:
    void importedSettingsStayOnThePrimary_data();
    void importedSettingsStayOnThePrimary();
};

void TestMirrorImport::importedSettingsStayOnThePrimary_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("settings"); // languageId useFirstEnabled splitViewEnabled labelFontSize after
    QTest::newRow("binary file") << "good.tul" << "fra 1 1 30";
    // A JSON file carries no settings: both displays keep theirs.
    QTest::newRow("JSON file") << "apply.json" << "eng_USA 0 0 20";
}

void TestMirrorImport::importedSettingsStayOnThePrimary()
{
    QFETCH(QString, file);
    QFETCH(QString, settings);
    ScratchRoots scratch;
    const QString can = QStringLiteral("tcp://127.0.0.1:%1/can0").arg(freePort());
    scratch.setVariable("TUL_CAN_INTERFACE", can);
    const QString mirrorRoot = scratch.base() + QStringLiteral("/mirror/");
    const QByteArray identity = "serialNumber=SN-4\nmodelNumber=K9X\nuuidNumber=u-1\ncustomerIdStr=K9X\n";
    const QByteArray before = "languageId=eng_USA\nuseFirstEnabled=0\nsplitViewEnabled=0\nlabelFontSize=20\n";
    for (const QString &root : {scratch.root(), mirrorRoot}) {
        QVERIFY(QDir().mkpath(root));
        QVERIFY(QFile::copy(QStringLiteral(PERSONALITY_FIXTURES "/")
                                + (root == mirrorRoot ? "2x4_mirror.hcc" : "2x4_primary_mirror.hcc"),
                            root + QStringLiteral("ui.hcc")));
        QFile id(root + QStringLiteral("serialModelNums.txt")), config(root + QStringLiteral("config.txt"));
        QVERIFY(id.open(QIODevice::WriteOnly) && id.write(identity) == identity.size());
        QVERIFY(config.open(QIODevice::WriteOnly) && config.write(before) == before.size());
    }

    Display mirror(mirrorRoot, can);
    QTRY_VERIFY_WITH_TIMEOUT(mirror.saw(QStringLiteral("Scene loaded")), 20000);
    QScopedPointer<CabinetManager> primary(new CabinetManager(0, 7));
    QVERIFY(primary->get_iAmMaster() && primary->get_hasMirrorDisplay());
    QTRY_VERIFY_WITH_TIMEOUT(primary->masterSync()->get_synced(), 30000);
    const QString finished = QStringLiteral("Start-up synchronisation finished");
    QTRY_VERIFY_WITH_TIMEOUT(mirror.saw(finished), 30000);
    QTest::qWait(1000); // the mirror's own settings record from the start has come and gone
    const QString home = mirror.ask(QStringLiteral("ui get homeButton label"));
    QCOMPARE(home, QStringLiteral("Home"));

    // The update screen's accept on the primary, the file on the flash drive.
    QVERIFY(QFile::copy(QStringLiteral(MENUIMPORT_FIXTURES "/") + file, scratch.flash() + file));
    auto *ovp = primary->findChild<OrvantaProxy *>();
    QVERIFY(ovp);
    QSignalSpy imported(ovp, &OrvantaProxy::orvantaDataImported);
    ovp->set_importSource(0);
    ovp->importMenuFile(file);
    QTRY_COMPARE_WITH_TIMEOUT(imported.size(), 1, 10000);

    const QStringList keys{"languageId", "useFirstEnabled", "splitViewEnabled", "labelFontSize"};
    QCOMPARE(settingsOf(ConfigurationManager::configFilePath(), keys), settings);
    // The mirror has the new day parts, the import's last file; its settings file and
    // screens keep the mirror's own settings.
    QTRY_COMPARE_WITH_TIMEOUT(readFile(mirrorRoot + QStringLiteral("dayParts.json")),
                              readFile(scratch.root() + QStringLiteral("dayParts.json")), 10000);
    QTest::qWait(1000); // anything sent after the files has come
    QCOMPARE(settingsOf(mirrorRoot + QStringLiteral("config.txt"), keys), QStringLiteral("eng_USA 0 0 20"));
    QCOMPARE(mirror.ask(QStringLiteral("ui get homeButton label")), QStringLiteral("Home"));
    QCOMPARE(mirror.ask(QStringLiteral("ui tap settingsButton")), QStringLiteral("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(mirror.ask(QStringLiteral("ui get useFirstSwitch checked")), QStringLiteral("false"), 5000);
}

QTEST_MAIN(TestMirrorImport)
#include "tst_mirrorimport.moc"
