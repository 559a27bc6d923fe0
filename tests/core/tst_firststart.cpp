// The first start of the primary display of a two-display cabinet: the composition root
// of this process installs the preloaded primary personality as the dialogs would, becomes
// the master and sends the mirror's personality to a mirror display running as a second
// process on the same virtual CAN bus, which stores it and starts from it next time.
#include "cabinetmanager.h"
#include "configurationmanager.h"
#include "scratchroots.h"
#include "tulpaths.h"

#include <QProcess>
#include <memory>
#include <QTcpServer>
#include <QtTest>

namespace {

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The mirror display: the program with its own data root, and what it logged.
class Mirror
{
public:
    Mirror(const QString &root, const QString &can)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TUL_ROOT_DIR"), root);
        env.insert(QStringLiteral("TUL_CAN_INTERFACE"), can);
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.canbus.*=false;tul.*.debug=true"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(TUL_BINARY), {QStringLiteral("-simulation")});
    }
    ~Mirror()
    {
        process.kill();
        process.waitForFinished(5000);
    }
    bool saw(const QString &text)
    {
        output += QString::fromLocal8Bit(process.readAll());
        return output.contains(text);
    }
    QProcess process;
    QString output;
};

} // namespace

class TestFirstStart : public QObject
{
    Q_OBJECT

private slots:
    void primarySideSendsTheMirrorItsPersonality();
};

void TestFirstStart::primarySideSendsTheMirrorItsPersonality()
{
    ScratchRoots scratch;
    const QString can = QStringLiteral("tcp://127.0.0.1:%1/can0").arg(freePort());
    scratch.setVariable("TUL_CAN_INTERFACE", can);
    const QString fixtures = QStringLiteral(PERSONALITY_FIXTURES "/");
    const QByteArray primaryFile = readFile(fixtures + QStringLiteral("2x4_primary_mirror.hcc"));
    const QByteArray mirrorFile = readFile(fixtures + QStringLiteral("2x4_mirror.hcc"));
    QVERIFY(!primaryFile.isEmpty() && !mirrorFile.isEmpty());
    QVERIFY(scratch.writeRootFile(QStringLiteral("preloadedConfigs/K9X/CFG_K9X_PRIMARY.hcc"), primaryFile));
    QVERIFY(scratch.writeRootFile(QStringLiteral("preloadedConfigs/K9X/CFG_K9X_MIRROR.hcc"), mirrorFile));

    // The mirror runs with the personality it had; the primary has none yet.
    const QString mirrorRoot = scratch.base() + QStringLiteral("/mirror/");
    QVERIFY(QDir().mkpath(mirrorRoot));
    QVERIFY(QFile::copy(fixtures + QStringLiteral("2x4_mirror.hcc"), mirrorRoot + QStringLiteral("old.hcc")));
    auto mirror = std::make_unique<Mirror>(mirrorRoot, can);
    QTRY_VERIFY_WITH_TIMEOUT(mirror->saw(QStringLiteral("Scene loaded")), 20000);

    // Wired as the second display of a 2x4 (connector id 10): the installation must make it the master.
    QScopedPointer<CabinetManager> primary(new CabinetManager(10, 7));
    QVERIFY(!primary->get_isConfigured());
    QVERIFY(!primary->get_iAmMaster());
    ConfigurationManager *config = primary->configManager();
    // What the confirmation of the first-start dialogs does for side 0 of a two-display model.
    config->set_selectedCustomConfig(QStringLiteral("K9X"));
    config->set_modelNumber(QStringLiteral("K9X"));
    config->set_doubleSided(config->get_configDisplaysCount(QStringLiteral("K9X")));
    config->set_selectedDisplaySide(0);
    QCOMPARE(config->get_doubleSided(), 2);
    QVERIFY(config->setConfigurationFile());
    QCOMPARE(readFile(TulPaths::rootPath(QStringLiteral("CFG_K9X_PRIMARY.hcc"))), primaryFile);
    QVERIFY(primary->get_iAmMaster());

    QTRY_VERIFY_WITH_TIMEOUT(mirror->saw(QStringLiteral("CAN file transfer 15 stored as")), 20000);
    QCOMPARE(readFile(mirrorRoot + QStringLiteral("ui_id.hcc")), mirrorFile);
    QVERIFY(QFile::exists(mirrorRoot + QStringLiteral("old.hcc.replaced")));
    QVERIFY(!QFile::exists(mirrorRoot + QStringLiteral("old.hcc")));

    // At its next start the mirror reads the personality it received.
    mirror.reset();
    mirror = std::make_unique<Mirror>(mirrorRoot, can);
    QTRY_VERIFY_WITH_TIMEOUT(mirror->saw(QStringLiteral("File id : file name is: ui_id.hcc")), 20000);
}

QTEST_MAIN(TestFirstStart)
#include "tst_firststart.moc"
