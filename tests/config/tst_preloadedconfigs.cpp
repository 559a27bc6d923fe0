#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "preloadedconfigs.h"
#include "scratchroots.h"
#include "tulpaths.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// Writes each "folder/name" below the preloaded configurations, its content its name.
void preload(const ScratchRoots &scratch, const QStringList &files)
{
    for (const QString &file : files)
        QVERIFY(scratch.writeRootFile(QStringLiteral("preloadedConfigs/") + file, file.toUtf8()));
}

QStringList rootEntries()
{
    return QDir(TulPaths::rootDir()).entryList({QStringLiteral("*.hcc*")}, QDir::Files, QDir::Name);
}

} // namespace

class TestPreloadedConfigs : public QObject
{
    Q_OBJECT

private slots:
    void folderQueries();
    void displayCounts_data();
    void displayCounts();
    void safeNames_data();
    void safeNames();
    void modelChecks_data();
    void modelChecks();
    void fileToInstall_data();
    void fileToInstall();
    void install_data();
    void install();
    void failedCopyChangesNothing();
    void reset_data();
    void reset();
};

void TestPreloadedConfigs::folderQueries()
{
    ScratchRoots scratch;
    FakeCabinetCore core;
    core.isConfigured = false;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    preload(scratch, {"QRB/CFG_HX5_MIRROR.hcc", "QRB/CFG_HX5_PRIMARY.hcc", "QRB/CFG_A2.hcc", "QRB/notes.txt",
                      "QRB/CFG_B7_SECONDARY.hcc", "QRB/CFG_B7_PRIMARY.hcc", "VYX/CFG_V1.hcc", "CFG_TOP.hcc"});
    QStringList groups = config.get_customConfigs();
    groups.sort();
    QCOMPARE(groups, (QStringList{"QRB", "VYX"}));
    QCOMPARE(config.get_customConfigModels(), QStringList{"TOP"});
    config.set_selectedCustomConfig(QStringLiteral("QRB"));
    // Sorted by file name, each model once.
    QCOMPARE(config.get_customConfigModels(), (QStringList{"A2", "B7", "HX5"}));
    config.set_selectedCustomConfig(QStringLiteral("EMPTY"));
    QCOMPARE(config.get_customConfigModels(), QStringList());
}

// Any file name of the selected folder holding the model text and the kind counts.
void TestPreloadedConfigs::displayCounts_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("displays");
    QTest::addColumn<int>("leftRight");
    QTest::newRow("primary and mirror") << "HX5" << 2 << 0;
    QTest::newRow("primary and secondary") << "B7" << 2 << 1;
    QTest::newRow("one display") << "A2" << 1 << 0;
    QTest::newRow("part of a model's name") << "X5" << 2 << 0;
    QTest::newRow("name without the usual form") << "K4" << 2 << 1;
    QTest::newRow("kind in lower case") << "L3" << 1 << 0;
    QTest::newRow("model of another folder") << "V1" << 1 << 0;
}

void TestPreloadedConfigs::displayCounts()
{
    QFETCH(QString, model);
    ScratchRoots scratch;
    FakeCabinetCore core;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    preload(scratch, {"QRB/CFG_HX5_MIRROR.hcc", "QRB/CFG_HX5_PRIMARY.hcc", "QRB/CFG_A2.hcc", "QRB/CFG_B7_PRIMARY.hcc",
                      "QRB/CFG_B7_SECONDARY.hcc", "QRB/K4-PRIMARY-SECONDARY.txt", "QRB/CFG_L3_primary.hcc",
                      "VYX/CFG_V1_PRIMARY.hcc"});
    config.set_selectedCustomConfig(QStringLiteral("QRB"));
    QTEST(config.get_configDisplaysCount(model), "displays");
    QTEST(config.get_configDisplaysLeftRight(model), "leftRight");
}

void TestPreloadedConfigs::safeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");
    QTest::newRow("model") << "HX5-2" << true;
    QTest::newRow("empty: the top folder") << "" << true;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("parent") << ".." << false;
    QTest::newRow("dots inside") << "x..y" << false;
    QTest::newRow("one dot") << "x.y" << true;
    QTest::newRow("NUL") << QString(QStringLiteral("a") + QChar(0)) << false;
}

void TestPreloadedConfigs::safeNames()
{
    QFETCH(QString, name);
    QTEST(PreloadedConfigs::isSafeName(name), "safe");
}

void TestPreloadedConfigs::modelChecks_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("valid");
    QTest::newRow("single display") << "QRB" << "A2" << true;
    QTest::newRow("primary and mirror") << "QRB" << "HX5" << true;
    QTest::newRow("secondary only") << "QRB" << "S9" << true;
    QTest::newRow("prefix of a model") << "QRB" << "HX" << false;
    QTest::newRow("model holding \"_\"") << "QRB" << "AB_C" << true;
    QTest::newRow("model before the \"_\"") << "QRB" << "AB" << false;
    QTest::newRow("unknown") << "QRB" << "ZZ" << false;
    QTest::newRow("only a file of another kind") << "QRB" << "Q1" << false;
    QTest::newRow("empty") << "QRB" << "" << false;
    QTest::newRow("model climbing out") << "QRB" << "../VYX/CFG_V1" << false;
    QTest::newRow("model with slash") << "QRB" << "x/../A2" << false;
    QTest::newRow("group climbing out") << ".." << "A2" << false;
    QTest::newRow("group with slash") << "QRB/.." << "A2" << false;
}

void TestPreloadedConfigs::modelChecks()
{
    QFETCH(QString, group);
    QFETCH(QString, model);
    ScratchRoots scratch;
    preload(scratch, {"QRB/CFG_HX5_MIRROR.hcc", "QRB/CFG_HX5_PRIMARY.hcc", "QRB/CFG_A2.hcc",
                      "QRB/CFG_S9_SECONDARY.hcc", "QRB/CFG_Q1_SPARE.hcc", "QRB/CFG_AB_C_PRIMARY.hcc", "VYX/CFG_V1.hcc", "CFG_A2.hcc"});
    if (!PreloadedConfigs::isSafeName(model) || !PreloadedConfigs::isSafeName(group))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused")));
    QTEST(PreloadedConfigs::validateModelNumber(group, model), "valid");
}

void TestPreloadedConfigs::fileToInstall_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("doubleSided");
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("suffix");
    const QStringList mirrorPair{"CFG_M_MIRROR.hcc", "CFG_M_PRIMARY.hcc"};
    QTest::newRow("one display") << mirrorPair << "M" << 1 << 0 << "";
    QTest::newRow("primary side") << mirrorPair << "M" << 2 << 0 << "_PRIMARY";
    QTest::newRow("mirror side") << mirrorPair << "M" << 2 << 1 << "_MIRROR";
    QTest::newRow("secondary wins over mirror") << mirrorPair + QStringList{"CFG_M_SECONDARY.hcc"} << "M" << 2 << 1 << "_SECONDARY";
    QTest::newRow("no primary file") << QStringList{"CFG_M_MIRROR.hcc"} << "M" << 2 << 0 << "";
    const QStringList underscorePair{"CFG_AB_C_MIRROR.hcc", "CFG_AB_C_PRIMARY.hcc"};
    QTest::newRow("model holding \"_\", primary side") << underscorePair << "AB_C" << 2 << 0 << "_PRIMARY";
    QTest::newRow("model holding \"_\", mirror side") << underscorePair << "AB_C" << 2 << 1 << "_MIRROR";
    QTest::newRow("model before the \"_\"") << underscorePair << "AB" << 2 << 0 << "";
}

void TestPreloadedConfigs::fileToInstall()
{
    QFETCH(QStringList, files);
    QFETCH(QString, model);
    QFETCH(int, doubleSided);
    QFETCH(int, side);
    ScratchRoots scratch;
    preload(scratch, files.replaceInStrings(QRegularExpression("^"), "G/"));
    QTEST(PreloadedConfigs::configFileName(QStringLiteral("G"), model, doubleSided, side), "suffix");
}

void TestPreloadedConfigs::install_data()
{
    QTest::addColumn<int>("doubleSided");
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("sent"); // the file sent as transfer 15, or empty
    QTest::newRow("one display") << 1 << 0 << "CFG_HX5.hcc" << "";
    QTest::newRow("primary side") << 2 << 0 << "CFG_HX5_PRIMARY.hcc" << "CFG_HX5_MIRROR.hcc";
    QTest::newRow("mirror side") << 2 << 1 << "CFG_HX5_MIRROR.hcc" << "";
}

void TestPreloadedConfigs::install()
{
    QFETCH(int, doubleSided);
    QFETCH(int, side);
    QFETCH(QString, installed);
    QFETCH(QString, sent);
    ScratchRoots scratch;
    FakeCabinetCore core;
    core.isConfigured = false;
    core.iAmMaster = false;
    ConfigurationManager config(nullptr, nullptr, false, 10, &core);
    preload(scratch, {"QRB/CFG_HX5.hcc", "QRB/CFG_HX5_PRIMARY.hcc", "QRB/CFG_HX5_MIRROR.hcc"});
    QVERIFY(scratch.writeRootFile(QStringLiteral("ui_id.hcc"), "old"));
    config.set_selectedCustomConfig(QStringLiteral("QRB"));
    config.set_modelNumber(QStringLiteral("HX5"));
    config.set_doubleSided(doubleSided);
    config.set_selectedDisplaySide(side);
    QSignalSpy completed(&config, &ConfigurationManager::copyConfigurationFileCompleted);
    QVERIFY(config.setConfigurationFile());
    QCOMPARE(completed.count(), 1);
    // The new personality is alone; the old one is set aside, not deleted.
    QCOMPARE(rootEntries(), (QStringList{installed, "ui_id.hcc.replaced"}));
    QFile file(TulPaths::rootPath(installed));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("QRB/") + installed.toUtf8());
    // The primary side becomes the master and sends the mirror's file.
    QCOMPARE(core.iAmMaster, !sent.isEmpty());
    QCOMPARE(core.sentNames(), sent.isEmpty() ? QStringList() : (QStringList{"set_iAmMaster", "sendFileViaCanbus"}));
    if (!sent.isEmpty())
        QCOMPARE(core.sent.last().args, (QVariantList{PreloadedConfigs::baseDir() + QStringLiteral("QRB/") + sent, 15}));
}

void TestPreloadedConfigs::failedCopyChangesNothing()
{
    ScratchRoots scratch;
    FakeCabinetCore core;
    core.isConfigured = false;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    preload(scratch, {"QRB/CFG_HX5_PRIMARY.hcc", "QRB/CFG_HX5_MIRROR.hcc"});
    QVERIFY(scratch.writeRootFile(QStringLiteral("ui_id.hcc"), "old"));
    // The target name is taken by a folder: the copy cannot be renamed into place.
    QVERIFY(QDir().mkpath(TulPaths::rootPath(QStringLiteral("CFG_HX5_PRIMARY.hcc"))));
    config.set_selectedCustomConfig(QStringLiteral("QRB"));
    config.set_modelNumber(QStringLiteral("HX5"));
    config.set_doubleSided(2);
    config.set_selectedDisplaySide(0);
    QSignalSpy completed(&config, &ConfigurationManager::copyConfigurationFileCompleted);
    QSignalSpy failed(&config, &ConfigurationManager::copyConfigurationFileFailed);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not installed")));
    QVERIFY(!config.setConfigurationFile());
    QCOMPARE(completed.count(), 0);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(rootEntries(), QStringList{"ui_id.hcc"});
    QCOMPARE(core.sentNames(), QStringList());

    // A missing or empty source changes nothing either.
    config.set_modelNumber(QStringLiteral("NOPE"));
    QVERIFY(!config.setConfigurationFile());
    QVERIFY(scratch.writeRootFile(QStringLiteral("preloadedConfigs/QRB/CFG_E1.hcc"), ""));
    config.set_modelNumber(QStringLiteral("E1"));
    config.set_doubleSided(1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not be read")));
    QVERIFY(!config.setConfigurationFile());
    QCOMPARE(failed.count(), 3);
    QCOMPARE(rootEntries(), QStringList{"ui_id.hcc"});
}

// The personalities go for good, whatever else lies in the data root.
void TestPreloadedConfigs::reset_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("two personalities") << QStringList{"CFG_A.hcc", "ui_id.hcc"} << QStringList();
    QTest::newRow("none") << QStringList() << QStringList();
    QTest::newRow("one replaced earlier") << QStringList{"CFG_A.hcc", "old.hcc.replaced"}
                                          << QStringList{"old.hcc.replaced"};
}

void TestPreloadedConfigs::reset()
{
    QFETCH(QStringList, before);
    ScratchRoots scratch;
    FakeCabinetCore core;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    for (const QString &name : before)
        QVERIFY(scratch.writeRootFile(name, "x"));
    config.setIndividualDPEnabledSilently(false);
    QSignalSpy individual(&config, &ConfigurationManager::individualDPEnabledChanged);
    QSignalSpy completed(&config, &ConfigurationManager::resetConfigurationFileCompleted);
    config.resetConfiguration();
    QCOMPARE(completed.count(), 1);
    QCOMPARE(individual.count(), 0);
    QCOMPARE(config.get_individualDPEnabled(), true);
    QCOMPARE(core.sentNames(), QStringList{"sendConfigSettingsData"});
    QVERIFY(QFile::exists(ConfigurationManager::configFilePath()));
    QTEST(rootEntries(), "after");
}

QTEST_GUILESS_MAIN(TestPreloadedConfigs)
#include "tst_preloadedconfigs.moc"
