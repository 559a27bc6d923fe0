#include "configsync.h"
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "scratchroots.h"

#include <QSignalSpy>
#include <QtTest>

class TestConfigSync : public QObject
{
    Q_OBJECT

private slots:
    void messageTexts();
    void sendsByRole_data();
    void sendsByRole();
    void receivedMessages_data();
    void receivedMessages();
};

void TestConfigSync::messageTexts()
{
    ScratchRoots scratch;
    FakeCabinetCore core;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    config.set_ioBoardFirmwareVersion0(QStringLiteral("2.3.4"));
    config.set_ioBoardFirmwareVersion4(QStringLiteral("9.9.9"));
    config.set_readerFirmwareVersion2(QStringLiteral("1.0.7"));
    config.set_iotSoftwareVersion(QStringLiteral("5.1.0"));
    config.set_serialNumber(QStringLiteral("S-1"));
    config.set_modelNumber(QStringLiteral("M-2"));
    config.set_storeNumber(QStringLiteral("Store 7"));
    QCOMPARE(ConfigSync::firmwareListText(&config),
             QByteArray("2.3.4\n?.?.?\n?.?.?\n?.?.?\n9.9.9\n0.0.0\n1.0.7\n5.1.0\n"));
    QCOMPARE(ConfigSync::serialModelText(&config), QByteArray("S-1\nM-2\n"));
    QCOMPARE(ConfigSync::storeNumberText(&config), QByteArray("Store 7"));
}

// What each display sends the other when a value changes or the other display appears.
void TestConfigSync::sendsByRole_data()
{
    QTest::addColumn<bool>("master");
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<bool>("secondary");
    QTest::addColumn<QString>("change"); // property=value, or an event of the core
    QTest::addColumn<QList<int>>("sent");
    using L = QList<int>;
    QTest::newRow("store number") << true << true << false << "storeNumber=42" << L{27};
    QTest::newRow("store number, same value") << true << true << false << "storeNumber=N.A." << L{};
    QTest::newRow("serial number") << true << false << true << "serialNumber=S" << L{25};
    QTest::newRow("model number") << true << true << false << "modelNumber=M" << L{25};
    QTest::newRow("reader version") << true << true << false << "readerFirmwareVersion1=1.2.3" << L{7};
    QTest::newRow("cloud agent version") << true << false << true << "iotSoftwareVersion=1.2.3" << L{7};
    QTest::newRow("IO board version alone") << true << true << false << "ioBoardFirmwareVersion0=1.2.3" << L{};
    QTest::newRow("other display found") << true << true << false << "found" << L{25, 27};
    QTest::newRow("no other display") << true << false << false << "storeNumber=42" << L{};
    QTest::newRow("no other display, found") << true << false << false << "found" << L{};
    QTest::newRow("not master: master found twice") << false << true << false << "master twice" << L{26};
    QTest::newRow("not master: found twice at once") << false << true << false << "master twice at once" << L{26};
    QTest::newRow("not master: store number") << false << true << false << "storeNumber=42" << L{};
}

void TestConfigSync::sendsByRole()
{
    QFETCH(bool, master);
    QFETCH(QString, change);
    QFETCH(QList<int>, sent);
    ScratchRoots scratch;
    FakeCabinetCore core;
    core.iAmMaster = master;
    QFETCH(bool, mirror);
    QFETCH(bool, secondary);
    core.hasMirrorDisplay = mirror;
    core.hasSecondaryDisplay = secondary;
    ConfigurationManager config(nullptr, nullptr, master, 1, &core);
    QSignalSpy sending(config.configSync(), &ConfigSync::sending);
    if (change == QLatin1String("found")) {
        emit core.slaveUiFoundChanged(true);
    } else if (change == QLatin1String("master twice")) {
        emit core.masterUiWasFound();
        QCoreApplication::processEvents();
        emit core.masterUiWasFound();
    } else if (change == QLatin1String("master twice at once")) {
        emit core.masterUiWasFound();  // both queued before the first is handled
        emit core.masterUiWasFound();
    } else {
        QVERIFY(config.setProperty(qPrintable(change.section('=', 0, 0)), change.section('=', 1)));
        QCOMPARE(sending.count(), 0); // the sends are queued: nothing before the event loop turns
    }
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QList<int> ids;
    for (const QList<QVariant> &message : sending)
        ids << message.first().toInt();
    QCOMPARE(ids, sent);
    if (!sent.isEmpty() && change.startsWith("storeNumber"))
        QCOMPARE(sending.first().at(1).toByteArray(), QByteArray("42"));
    if (change == QLatin1String("master twice"))
        QCOMPARE(sending.first().at(1).toByteArray(), QByteArray("RO-2503"));
}

// What this display takes from the other's messages: short ones are refused whole.
void TestConfigSync::receivedMessages_data()
{
    QTest::addColumn<int>("multiId");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<QVariantMap>("values");
    QTest::newRow("firmware list") << 7 << QByteArray("1.1.1\n2.2.2\n3.3.3\n4.4.4\n5.5.5\n6.6.6\n7.7.7\n8.8.8\n") << true
        << QVariantMap{{"ioBoardFirmwareVersion0", "1.1.1"}, {"ioBoardFirmwareVersion1", "2.2.2"},
               {"ioBoardFirmwareVersion2", "3.3.3"}, {"ioBoardFirmwareVersion3", "4.4.4"}, {"ioBoardFirmwareVersion4", "5.5.5"},
               {"readerFirmwareVersion1", "6.6.6"}, {"readerFirmwareVersion2", "7.7.7"}, {"iotSoftwareVersion", "8.8.8"}};
    QTest::newRow("firmware list without the last line end") << 7 << QByteArray("1\n2\n3\n4\n5\n6\n7\n8") << true
        << QVariantMap{{"iotSoftwareVersion", "8"}};
    QTest::newRow("firmware list, seven lines") << 7 << QByteArray("1\n2\n3\n4\n5\n6\n7") << false
        << QVariantMap{{"ioBoardFirmwareVersion0", "?.?.?"}, {"readerFirmwareVersion2", "0.0.0"}};
    QTest::newRow("serial and model") << 25 << QByteArray("SN9\nMX\n") << true
        << QVariantMap{{"serialNumber", "SN9"}, {"modelNumber", "MX"}};
    QTest::newRow("serial and model, no line end") << 25 << QByteArray("SN9\nMX") << true << QVariantMap{{"modelNumber", "MX"}};
    QTest::newRow("serial only") << 25 << QByteArray("SN9") << false << QVariantMap{{"serialNumber", ""}};
    QTest::newRow("other display's version") << 26 << QByteArray("RO-2503") << true
        << QVariantMap{{"theOtherUiFwVersion", "RO-2503"}};
    QTest::newRow("store number") << 27 << QByteArray("Store 12") << true << QVariantMap{{"storeNumber", "Store 12"}};
    QTest::newRow("other id") << 12 << QByteArray("x") << false << QVariantMap{{"storeNumber", "N.A."}};
}

void TestConfigSync::receivedMessages()
{
    QFETCH(int, multiId);
    QFETCH(QByteArray, text);
    QFETCH(bool, applied);
    QFETCH(QVariantMap, values);
    ScratchRoots scratch;
    FakeCabinetCore core;
    core.iAmMaster = false;
    ConfigurationManager config(nullptr, nullptr, false, 1, &core);
    if (!applied && multiId != 12)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("short; ignored")));
    QSignalSpy hidden(&config, &ConfigurationManager::hideSerialModelNumbersDialog);
    QCOMPARE(config.applyDisplaySyncMessage(multiId, text), applied);
    // Only the values change: the identity file and the open dialogs are left alone.
    QCOMPARE(hidden.count(), 0);
    QVERIFY(!QFile::exists(scratch.root() + QStringLiteral("serialModelNums.txt")));
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        QCOMPARE(config.property(qPrintable(it.key())).toString(), it.value().toString());
}

QTEST_GUILESS_MAIN(TestConfigSync)
#include "tst_configsync.moc"
