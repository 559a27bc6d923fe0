#include "configsync.h"
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "ioboardconfiguration.h"
#include "ioboardsimulator.h"
#include "qmodbusmaster.h"
#include "scratchroots.h"

#include <QSignalSpy>
#include <QtTest>

using namespace IoRegisterMap;

namespace {

QStringList activeStates(const QStateMachine &machine)
{
    QStringList names;
    for (QAbstractState *state : machine.configuration())
        names << state->objectName();
    names.sort();
    return names;
}

} // namespace

class TestIoBoardConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void goodRun_data();
    void goodRun();
    void failedRequestDisables_data();
    void failedRequestDisables();
    void versionText();
    void systemInformationRows_data();
    void systemInformationRows();

private:
    struct Bench
    {
        ScratchRoots scratch;
        FakeCabinetCore core;
        IoBoardSimulator board;
        QModbusMaster modbus;
        QScopedPointer<ConfigurationManager> config;

        Bench()
        {
            core.cabinetConfiguration = 6;
            core.powerSource = 208;
            core.maxCurrent = 30;
            core.bottomHeaterResistance = 41;
            core.topHeaterResistance = 42;
            core.bottomTempOffset = 3;
            core.topTempOffset = 65535;
            board.open();
            board.setFirmwareVersion(IoBoardNode, 0, 0x01020304);
            board.setFirmwareVersion(IoBoardNode, 4, 0x00050607);
            modbus.openSerialPort(board.devicePath());
            modbus.start();
        }
        void build()
        {
            config.reset(new ConfigurationManager(&modbus, nullptr, true, 1, &core));
        }
    };
};

void TestIoBoardConfiguration::initTestCase()
{
    IoBoardConfiguration::replyTimeoutMs = 40;
}

void TestIoBoardConfiguration::goodRun_data()
{
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<bool>("choice");
    QTest::addColumn<int>("volts");
    QTest::addColumn<int>("bottomOffset");
    QTest::addColumn<int>("topOffset");
    QTest::addColumn<int>("bottomRegister");
    QTest::addColumn<int>("topRegister");
    QTest::newRow("mirror, personality's voltage") << true << false << 208 << 3 << 65535 << 3 << 65535;
    QTest::newRow("single display, user's choice") << false << true << 240 << 3 << 65535 << 3 << 65535;
    // The board reads an offset below zero in two's complement.
    QTest::newRow("negative offsets") << false << false << 208 << -10 << -3 << 65526 << 65533;
}

void TestIoBoardConfiguration::goodRun()
{
    QFETCH(bool, mirror);
    QFETCH(bool, choice);
    QFETCH(int, volts);
    QFETCH(int, bottomOffset);
    QFETCH(int, topOffset);
    QFETCH(int, bottomRegister);
    QFETCH(int, topRegister);
    Bench b;
    QVERIFY(b.board.isOpen());
    b.core.bottomTempOffset = bottomOffset;
    b.core.topTempOffset = topOffset;
    b.core.hasMirrorDisplay = mirror;
    b.core.powerSourceChoice = choice;
    b.build();
    b.config->set_powerSource(240);
    QSignalSpy powerOn(&b.core, &CabinetCore::powerOn);
    QSignalSpy sending(b.config->configSync(), &ConfigSync::sending);
    b.config->start();
    QTRY_COMPARE(powerOn.count(), 1);
    QCOMPARE(activeStates(*b.config),
             (QStringList{"\"configured\"", "\"enabled\""}));
    QVERIFY(b.config->get_systemConfigured());
    QCOMPARE(b.config->get_cabinetConfiguration(), 6);
    QCOMPARE(b.config->get_ioBoardFirmwareVersion0() + ' ' + b.config->get_ioBoardFirmwareVersion4(), QStringLiteral("2.3.4 5.6.7"));
    QTRY_COMPARE(b.board.registerValue(IoBoardNode, PowerControlFirst + 4), quint16(topRegister));
    QList<int> written;
    for (int reg : {int(CabinetLayout), int(SupplyVoltage), PowerControlFirst + 0, PowerControlFirst + 1, PowerControlFirst + 2, PowerControlFirst + 3})
        written << b.board.registerValue(IoBoardNode, quint16(reg));
    QCOMPARE(written, (QList<int>{6, volts, 30, 41, 42, bottomRegister}));
    QCOMPARE(sending.count(), mirror ? 1 : 0);
    if (mirror)
        QVERIFY(sending.first().at(1).toByteArray().startsWith("2.3.4\n1.0.0\n1.0.0\n1.0.0\n5.6.7\n"));
    QFile saved(ConfigurationManager::configFilePath());
    QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().startsWith("ioBoardFirmwareVersion0=2.3.4\n"));
    QTest::qWait(100); // and power is switched on once only
    QCOMPARE(powerOn.count(), 1);
}

void TestIoBoardConfiguration::failedRequestDisables_data()
{
    QTest::addColumn<int>("reg");
    QTest::addColumn<int>("fault");
    const int silent = IoBoardSimulator::Silent;
    const int exception = IoBoardSimulator::Exception;
    QTest::newRow("register 0 silent") << 0 << silent;
    QTest::newRow("register 0 exception") << 0 << exception;
    QTest::newRow("register 1 silent") << 1 << silent;
    QTest::newRow("register 1 exception") << 1 << exception;
    QTest::newRow("firmware silent") << 64 << silent;
    QTest::newRow("firmware exception") << 73 << exception;
}

void TestIoBoardConfiguration::failedRequestDisables()
{
    QFETCH(int, reg);
    QFETCH(int, fault);
    Bench b;
    b.core.hasMirrorDisplay = true;
    b.build();
    b.config->set_ioBoardFirmwareVersion1(QStringLiteral("1.0.9")); // as read from the settings file
    QVERIFY(b.board.setRegisterFault(IoBoardNode, quint16(reg), IoBoardSimulator::RegisterFault(fault)));
    QSignalSpy powerOn(&b.core, &CabinetCore::powerOn);
    QSignalSpy sending(b.config->configSync(), &ConfigSync::sending);
    QSignalSpy failed(b.config->ioBoardConfiguration(), &IoBoardConfiguration::failed);
    QTest::ignoreMessage(QtDebugMsg, "Configuration is disabled");
    b.config->start();
    QTRY_COMPARE_WITH_TIMEOUT(powerOn.count(), 1, 3000);
    // Told once, as a time-out or a refusal, for the IO-board manager to report.
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toBool(), fault == IoBoardSimulator::Silent);
    QCOMPARE(activeStates(*b.config), QStringList{"\"disabled\""});
    QVERIFY(!b.config->get_systemConfigured());
    QCOMPARE(b.config->get_cabinetConfiguration(), -1);
    QCOMPARE(b.config->get_ioBoardFirmwareVersion0() + ' ' + b.config->get_ioBoardFirmwareVersion1(), QStringLiteral("?.?.? 1.0.9"));
    QTest::qWait(100);
    QCOMPARE(powerOn.count(), 1);
    QCOMPARE(sending.count(), 0);
    QCOMPARE(b.board.registerValue(IoBoardNode, SupplyVoltage), quint16(0));
}

void TestIoBoardConfiguration::versionText()
{
    QCOMPARE(IoBoardConfiguration::getVersionString(0x01020304u), QStringLiteral("2.3.4")); // of the pair 0x0102 0x0304
    QCOMPARE(IoBoardConfiguration::getVersionString(0), QStringLiteral("0.0.0"));
    QCOMPARE(IoBoardConfiguration::getVersionString(0xFFFFFFFFu), QStringLiteral("255.255.255"));
}

void TestIoBoardConfiguration::systemInformationRows_data()
{
    QTest::addColumn<bool>("master");
    QTest::addColumn<int>("customer");
    QTest::addColumn<int>("boardType"); // 0 twelve heaters, 1 four heaters
    QTest::addColumn<bool>("nfc");
    QTest::addColumn<int>("zones");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("master, one board") << true << 0 << 0 << false << 5
                                       << QStringList{"UI (Primary)", "IoT", "I/O board"};
    QTest::newRow("other display, QRB, NFC") << false << 3 << 0 << true << 5
                                             << QStringList{"UI (Secondary)", "IoT", "I/O board", "Reader board #1"};
    QTest::newRow("QRB master, three boards, NFC, six zones")
        << true << 3 << 1 << true << 6
        << QStringList{"UI (Primary)", "IoT", "LuMo SDK", "Master I/O board", "Slave I/O board #1",
                       "Slave I/O board #2", "Reader board #1", "Reader board #2"};
    QTest::newRow("board count beyond five") << true << 0 << 1 << false << 12 << QStringList{"UI (Primary)", "IoT",
        "Master I/O board", "Slave I/O board #1", "Slave I/O board #2", "Slave I/O board #3", "Slave I/O board #4"};
    QTest::newRow("four heaters, four zones") << true << 0 << 1 << false << 4
                                              << QStringList{"UI (Primary)", "IoT", "Master I/O board", "Slave I/O board #1"};
    QTest::newRow("four heaters, odd zone count") << true << 0 << 1 << false << 5
        << QStringList{"UI (Primary)", "IoT", "Master I/O board", "Slave I/O board #1", "Slave I/O board #2"};
    QTest::newRow("four heaters, one zone") << true << 0 << 1 << false << 1 << QStringList{"UI (Primary)", "IoT", "I/O board"};
    QTest::newRow("twelve heaters, ten zones") << true << 0 << 0 << false << 10
                                               << QStringList{"UI (Primary)", "IoT", "I/O board"};
}

void TestIoBoardConfiguration::systemInformationRows()
{
    QFETCH(bool, master);
    QFETCH(int, customer);
    QFETCH(int, boardType);
    QFETCH(bool, nfc);
    QFETCH(int, zones);
    QFETCH(QStringList, labels);
    ScratchRoots scratch;
    FakeCabinetCore core;
    core.iAmMaster = master;
    core.customerId = customer;
    core.controlBoardType = boardType;
    core.numIOBoards = 3; // the personality's own count is not what the page lists
    core.nfcEnabled = nfc;
    core.numberOfZones = zones;
    ConfigurationManager config(nullptr, nullptr, master, 1, &core);
    for (int k = 0; k < 5; ++k)
        QVERIFY(QMetaObject::invokeMethod(&config, qPrintable(QStringLiteral("set_ioBoardFirmwareVersion%1").arg(k)),
                                          Q_ARG(QString, QStringLiteral("%1.%1.%1").arg(k))));
    QStringList got;
    const QVariantList rows = config.systemInformationRows();
    for (const QVariant &row : rows) {
        const QVariantMap r = row.toMap();
        QString label = r.value(QStringLiteral("label")).toString();
        if (label.contains(QLatin1String("%1")))
            label = label.arg(r.value(QStringLiteral("number")).toInt());
        got << label;
        // Board k shows the version read from its own register pair.
        if (label.contains(QLatin1String("I/O board")))
            QCOMPARE(r.value(QStringLiteral("value")).toString(),
                     QStringLiteral("%1.%1.%1").arg(r.value(QStringLiteral("number")).toInt()));
    }
    QCOMPARE(got, labels);
    QCOMPARE(rows.first().toMap().value("value").toString(), QStringLiteral("RO-2503"));
}

QTEST_GUILESS_MAIN(TestIoBoardConfiguration)
#include "tst_ioboardconfiguration.moc"
