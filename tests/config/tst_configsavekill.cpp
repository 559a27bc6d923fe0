#include "configsavestates.h"
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "scratchroots.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>

// A power cut while the settings file is being saved must leave the old or the new file.
class TestConfigSaveKill : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileSavingLeavesOldOrNewFile();
};

void TestConfigSaveKill::killedWhileSavingLeavesOldOrNewFile()
{
    ScratchRoots scratch;
    FakeCabinetCore core;
    QByteArray expected[2];
    for (int state = 0; state < 2; ++state) {
        ConfigurationManager config(nullptr, nullptr, true, 1, &core);
        applySaveState(config, state);
        expected[state] = config.configFileText();
    }
    QVERIFY(expected[0].size() != expected[1].size());

    int seen[2] = {0, 0};
    for (int round = 0; round < 30; ++round) {
        QProcess child;
        child.start(QStringLiteral(CONFIGSAVE_CHILD), QStringList());
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(10000)); // the first save is complete
        QTest::qSleep(int(QRandomGenerator::global()->bounded(1, 30)));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));

        QFile file(ConfigurationManager::configFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        file.close();
        const int state = content == expected[0] ? 0 : content == expected[1] ? 1 : -1;
        QVERIFY2(state >= 0, qPrintable(QStringLiteral("torn settings file of %1 bytes in round %2")
                                            .arg(content.size()).arg(round)));
        ++seen[state];

        ConfigurationManager loaded(nullptr, nullptr, true, 1, &core);
        QVERIFY(loaded.readConfigFile());
        QCOMPARE(loaded.configFileText(), expected[state]);
    }
    qInfo() << "old/new files seen:" << seen[0] << seen[1];
}

QTEST_GUILESS_MAIN(TestConfigSaveKill)
#include "tst_configsavekill.moc"
