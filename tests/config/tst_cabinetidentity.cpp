#include "cabinetidentity.h"
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "networkfiles.h"
#include "safefilewriter.h"
#include "scratchroots.h"

#include <QSignalSpy>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestCabinetIdentity : public QObject
{
    Q_OBJECT

private slots:
    void identityFileRoundTrip();
    void loadingFillsGaps_data();
    void loadingFillsGaps();
    void identityValuesBreakingTheFileAreRefused_data();
    void identityValuesBreakingTheFileAreRefused();
    void noUuidMadeForAnUnreadableFile_data();
    void noUuidMadeForAnUnreadableFile();
    void failedSaveRestoresTheStoredNumbers_data();
    void failedSaveRestoresTheStoredNumbers();
    void wifiSeedLines_data();
    void wifiSeedLines();
    void seedFilesApplyTheirNetwork_data();
    void seedFilesApplyTheirNetwork();
    void iotVersionFile_data();
    void iotVersionFile();
    void firmwareUpdateReportedOnce_data();
    void firmwareUpdateReportedOnce();
    void conversionMarker();

private:
    struct Fixture
    {
        ScratchRoots scratch;
        FakeCabinetCore core;
        ConfigurationManager *config = new ConfigurationManager(nullptr, nullptr, true, 1, &core);
    };
};

void TestCabinetIdentity::identityFileRoundTrip()
{
    Fixture f;
    f.config->set_serialNumber(QStringLiteral("SN 123/4"));
    f.config->set_modelNumber(QStringLiteral("HX5"));
    f.config->set_customerIdStr(QStringLiteral("QRB"));
    f.config->set_uuidNumber(QStringLiteral("0f8fad5b-d9cb-469f-a165-70867728950e"));
    QVERIFY(f.config->saveCabinetSerialModelNumbers());
    QCOMPARE(readFile(CabinetIdentity::identityFilePath()),
             QByteArray("serialNumber=SN 123/4\nmodelNumber=HX5\nuuidNumber=0f8fad5b-d9cb-469f-a165-70867728950e\n"
                        "customerIdStr=QRB\n"));

    ConfigurationManager again(nullptr, nullptr, true, 1, &f.core);
    QSignalSpy dialog(&again, &ConfigurationManager::showSerialModelNumbersDialog);
    again.loadCabinetSerialModelNumbers();
    QCOMPARE(QStringList({again.get_serialNumber(), again.get_modelNumber(), again.get_customerIdStr(), again.get_uuidNumber()}),
             QStringList({"SN 123/4", "HX5", "QRB", "0f8fad5b-d9cb-469f-a165-70867728950e"}));
    QCOMPARE(dialog.count(), 0);

    // Four values at the value cap still make a file its reader takes whole.
    const QString longest(CabinetIdentity::MaxIdentityValueBytes, QLatin1Char('9'));
    for (const char *key : CabinetIdentity::IdentityKeys)
        QVERIFY(f.config->setProperty(key, longest));
    QVERIFY(f.config->saveCabinetSerialModelNumbers());
    ConfigurationManager third(nullptr, nullptr, true, 1, &f.core);
    third.loadCabinetSerialModelNumbers();
    QCOMPARE(QStringList({third.get_serialNumber(), third.get_modelNumber(), third.get_customerIdStr(), third.get_uuidNumber()}),
             QStringList({longest, longest, longest, longest}));
}

void TestCabinetIdentity::loadingFillsGaps_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no file
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<bool>("freshUuid");
    QTest::newRow("no file") << QByteArray() << true << true;
    QTest::newRow("serial empty") << QByteArray("serialNumber=\nmodelNumber=M\nuuidNumber=u-1\n") << true << false;
    QTest::newRow("model missing") << QByteArray("serialNumber=S\nuuidNumber=u-1\n") << true << false;
    QTest::newRow("uuid empty") << QByteArray("serialNumber=S\nmodelNumber=M\nuuidNumber=\n") << false << true;
    // Only the identity keys are taken from the file.
    QTest::newRow("complete, CRLF, foreign key")
        << QByteArray("serialNumber=S\r\nmodelNumber=M\r\nuuidNumber=u-1\r\nstoreNumber=X\r\n") << false << false;
}

void TestCabinetIdentity::loadingFillsGaps()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, dialog);
    QFETCH(bool, freshUuid);
    Fixture f;
    if (!file.isEmpty())
        QVERIFY(f.scratch.writeRootFile(QStringLiteral("serialModelNums.txt"), file));
    else
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Unable to Open File: ")));
    QSignalSpy shown(f.config, &ConfigurationManager::showSerialModelNumbersDialog);
    f.config->loadCabinetSerialModelNumbers();
    QCOMPARE(shown.count(), dialog ? 1 : 0);
    QCOMPARE(f.config->get_storeNumber(), QStringLiteral("N.A."));
    const QString uuid = f.config->get_uuidNumber();
    if (!freshUuid) {
        QCOMPARE(uuid, QStringLiteral("u-1"));
        return;
    }
    QVERIFY(!QUuid(uuid).isNull());
    QVERIFY(!uuid.contains(QLatin1Char('{')));
    // The fresh UUID is saved at once, with whatever else was known.
    QVERIFY(readFile(CabinetIdentity::identityFilePath()).contains("uuidNumber=" + uuid.toUtf8() + '\n'));
}

void TestCabinetIdentity::identityValuesBreakingTheFileAreRefused_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("equals sign") << QStringLiteral("A=B");
    QTest::newRow("line feed") << QStringLiteral("A\nB"); // each character refused on its own
    QTest::newRow("carriage return") << QStringLiteral("A\rB");
    QTest::newRow("NUL") << QString(QStringLiteral("A") + QChar(0) + QStringLiteral("B"));
    QTest::newRow("replacement character") << QString(QStringLiteral("A") + QChar(QChar::ReplacementCharacter));
    // Four values at the cap still fit the file's own cap; one byte more does not.
    QTest::newRow("one byte over the value cap") << QString(CabinetIdentity::MaxIdentityValueBytes - 1, QLatin1Char('x'))
                                                          + QChar(0xe9);
}

void TestCabinetIdentity::identityValuesBreakingTheFileAreRefused()
{
    QFETCH(QString, value);
    Fixture f;
    f.config->set_serialNumber(QStringLiteral("S1"));
    f.config->set_modelNumber(QStringLiteral("M1"));
    QSignalSpy changed(f.config, &ConfigurationManager::serialNumberChanged);
    for (const char *key : {"serialNumber", "modelNumber", "customerIdStr", "uuidNumber"}) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Refused")));
        f.config->setProperty(key, value);
    }
    QCOMPARE(changed.count(), 0);
    QCOMPARE(f.config->get_serialNumber() + f.config->get_modelNumber() + f.config->get_customerIdStr()
             + f.config->get_uuidNumber(), QStringLiteral("S1M1"));
}

// A file that is there but cannot be read may hold the UUID: at both loads of a start it
// stays where it is, no UUID is made for it and nothing is written over it.
void TestCabinetIdentity::noUuidMadeForAnUnreadableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("far over its cap") << "huge";
}

void TestCabinetIdentity::noUuidMadeForAnUnreadableFile()
{
    QFETCH(QString, kind);
    Fixture f;
    const QString path = CabinetIdentity::identityFilePath();
    const qint64 hugeSize = CabinetIdentity::MaxIdentityRecoveryBytes + 1;
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(hugeSize - 16) && file.seek(hugeSize - 16));
        QCOMPARE(file.write("\nuuidNumber=u-1\n"), qint64(16));
    }
    QSignalSpy shown(f.config, &ConfigurationManager::showSerialModelNumbersDialog);
    f.config->loadCabinetSerialModelNumbers();
    f.config->loadCabinetSerialModelNumbers();
    QCOMPARE(f.config->get_uuidNumber(), QString());
    QCOMPARE(shown.count(), 2);
    f.config->set_serialNumber(QStringLiteral("S2"));
    QVERIFY(!f.config->saveCabinetSerialModelNumbers());
    QCOMPARE(f.config->get_serialNumber(), QString());

    QVERIFY(QDir(f.scratch.root()).entryList({"serialModelNums.txt.*"}, QDir::AllEntries | QDir::System).isEmpty());
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
    if (kind == QLatin1String("folder"))
        QVERIFY(S_ISDIR(st.st_mode));
    else if (kind == QLatin1String("pipe"))
        QVERIFY(S_ISFIFO(st.st_mode));
    else
        QCOMPARE(qint64(st.st_size), hugeSize);
}

// The cabinet never reports numbers it has not stored: a failed save puts them back.
void TestCabinetIdentity::failedSaveRestoresTheStoredNumbers_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("model");
    QTest::newRow("new serial") << "S2" << "M1";
    QTest::newRow("new model") << "S1" << "M2";
    QTest::newRow("both new") << "S2" << "M2";
}

void TestCabinetIdentity::failedSaveRestoresTheStoredNumbers()
{
    QFETCH(QString, serial);
    QFETCH(QString, model);
    Fixture f;
    const QByteArray stored = "serialNumber=S1\nmodelNumber=M1\nuuidNumber=u-1\ncustomerIdStr=\n";
    QVERIFY(f.scratch.writeRootFile(QStringLiteral("serialModelNums.txt"), stored));
    f.config->loadCabinetSerialModelNumbers();
    // The save cannot make its temporary file.
    const QString blocker = SafeFileWriter::temporaryPath(CabinetIdentity::identityFilePath());
    QVERIFY(QDir().mkpath(blocker));
    f.config->set_serialNumber(serial);
    f.config->set_modelNumber(model);
    QVERIFY(!f.config->saveCabinetSerialModelNumbers());
    QCOMPARE(f.config->get_serialNumber() + f.config->get_modelNumber(), QStringLiteral("S1M1"));
    QCOMPARE(f.config->value(QStringLiteral("sysInfo/serialNumber")).toString(), QStringLiteral("S1"));
    QCOMPARE(readFile(CabinetIdentity::identityFilePath()), stored);

    QVERIFY(QDir(blocker).removeRecursively());
    f.config->set_serialNumber(serial);
    f.config->set_modelNumber(model);
    QVERIFY(f.config->saveCabinetSerialModelNumbers());
    QCOMPARE(f.config->get_serialNumber() + f.config->get_modelNumber(), serial + model);
}

void TestCabinetIdentity::wifiSeedLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("psk");
    QTest::newRow("quoted pair") << QByteArray("network={\nssid=\"Kitchen\"\npsk=\"s3cret\"\n}\n") << "Kitchen" << "s3cret";
    QTest::newRow("unquoted stays whole") << QByteArray("ssid=Kitchen\npsk=abcd1234\n") << "Kitchen" << "abcd1234";
    QTest::newRow("one quote only") << QByteArray("ssid=\"Kitchen\npsk=abc\"\n") << "\"Kitchen" << "abc\"";
    QTest::newRow("equals in pass phrase") << QByteArray("ssid=\"K\"\npsk=\"a=b==c\"\n") << "K" << "a=b==c";
    QTest::newRow("indented, CRLF") << QByteArray("\tssid=\"K 2\"\r\n\tpsk=\"p\"\r\n") << "K 2" << "p";
    QTest::newRow("just quotes") << QByteArray("ssid=\"\"\npsk=\"\n") << "" << "\"";
}

void TestCabinetIdentity::wifiSeedLines()
{
    QFETCH(QByteArray, text);
    const CabinetIdentity::WifiSeed seed = CabinetIdentity::parseWifiSeed(text);
    QVERIFY(seed.hasSsid && seed.hasPsk);
    QTEST(seed.ssid, "ssid");
    QTEST(seed.psk, "psk");
}

void TestCabinetIdentity::seedFilesApplyTheirNetwork_data()
{
    QTest::addColumn<bool>("reset"); // resetToDefaultNetwork, else initializeLumoWifiConnection
    QTest::addColumn<bool>("withSeed");
    QTest::newRow("conversion seed") << false << true;
    QTest::newRow("no conversion seed") << false << false;
    QTest::newRow("default network") << true << true;
    QTest::newRow("no default network") << true << false;
}

void TestCabinetIdentity::seedFilesApplyTheirNetwork()
{
    QFETCH(bool, reset);
    QFETCH(bool, withSeed);
    Fixture f;
    f.config->set_staticIPEnabled(false);
    f.config->set_wifiSSID(QStringLiteral("Old"));
    f.config->set_wifiPassword(QStringLiteral("old pass phrase"));
    f.config->set_wifiStaticIp(true);
    f.config->set_wifiEnabled(false);
    f.config->set_ethEnabled(true);
    const QString seedName = reset ? QStringLiteral("updates/defaultNetwork.txt")
                                   : QStringLiteral("updates/wpa_supplicant.conf");
    if (withSeed)
        QVERIFY(f.scratch.writeRootFile(seedName, "ssid=\"Store Net\"\npsk=\"pa=ss=word\"\n"));
    QFile creds(CabinetIdentity::credentialsPath());
    QVERIFY(creds.open(QIODevice::WriteOnly));
    creds.close();
    QVERIFY(CabinetIdentity::credentialsPath().startsWith(f.scratch.system()));
    QSignalSpy refreshed(f.config, &ConfigurationManager::networkInfoRefreshed);

    if (reset)
        f.config->resetToDefaultNetwork();
    else
        f.config->initializeLumoWifiConnection();

    QCOMPARE(refreshed.count(), withSeed ? 1 : 0);
    QCOMPARE(f.config->get_wifiSSID(), withSeed ? QStringLiteral("Store Net") : QStringLiteral("Old"));
    QCOMPARE(f.config->get_wifiPassword(), withSeed ? QStringLiteral("pa=ss=word") : QStringLiteral("old pass phrase"));
    QCOMPARE((QList<bool>{f.config->get_wifiStaticIp(), f.config->get_ethEnabled(), f.config->get_wifiEnabled()}),
             (QList<bool>{!withSeed, !withSeed, withSeed}));
    if (!withSeed) // the old static Wi-Fi set-up has no address: refused, nothing written
        return;
    // Only the conversion removes the cloud credentials.
    QCOMPARE(QFile::exists(CabinetIdentity::credentialsPath()), reset);
    // Saved and handed to the network set-up in both cases.
    QVERIFY(readFile(ConfigurationManager::configFilePath()).contains("wifiSSID=Store Net\n"));
    QTRY_VERIFY(readFile(NetworkFiles::supplicantPath()).contains("Store Net"));
}

// The agent's file is read as it is, whatever it holds, and left exactly as it was.
void TestCabinetIdentity::iotVersionFile_data()
{
    QTest::addColumn<QString>("iotType");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("software");
    QTest::addColumn<QString>("sdk");
    const QByteArray lines = "iotSoftwareVersion=4.5.6\nother=1\nlumoSdkVersion=7.8.9\n";
    QTest::newRow("agent") << "QRB_VAZARA" << "iotConfig" << lines << "4.5.6" << "7.8.9";
    QTest::newRow("LuMo agent") << "QRB_LUMO" << "iotConfig_lumo" << lines << "4.5.6" << "7.8.9";
    QTest::newRow("other agent's file only") << "QRB_LUMO" << "iotConfig" << lines << "?.?.?" << "?.?.?";
    QTest::newRow("empty") << "QRB_VAZARA" << "iotConfig" << QByteArray() << "?.?.?" << "?.?.?";
    QTest::newRow("neither key") << "QRB_LUMO" << "iotConfig_lumo" << QByteArray("agent=up\n") << "?.?.?" << "?.?.?";
    QTest::newRow("one key") << "QRB_VAZARA" << "iotConfig" << QByteArray("lumoSdkVersion=2.0\n") << "?.?.?" << "2.0";
    QTest::newRow("not text") << "QRB_VAZARA" << "iotConfig" << QByteArray("\x00\xff\niotSoftwareVersion=1.2\n", 26)
                              << "1.2" << "?.?.?";
    QTest::newRow("over its cap: the head is read") << "QRB_VAZARA" << "iotConfig"
        << lines + QByteArray(int(CabinetIdentity::MaxIotVersionFileBytes), '\n') << "4.5.6" << "7.8.9";
}

void TestCabinetIdentity::iotVersionFile()
{
    QFETCH(QString, iotType);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    Fixture f;
    f.config->set_iotType(iotType);
    QVERIFY(f.scratch.writeRootFile(fileName, content));
    const bool found = CabinetIdentity::iotVersionFilePath(iotType).endsWith(fileName);
    if (!found)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Unable to Open File !!!")));
    QCOMPARE(f.config->readIotConfigFile(), found);
    QTEST(f.config->get_iotSoftwareVersion(), "software");
    QTEST(f.config->get_iotSdkVersion(), "sdk");
    QCOMPARE(readFile(f.scratch.root() + fileName), content);
    QCOMPARE(QDir(f.scratch.root()).entryList({fileName + "*"}), QStringList{fileName});
}

void TestCabinetIdentity::firmwareUpdateReportedOnce_data()
{
    QTest::addColumn<QString>("iotType");
    QTest::addColumn<bool>("marker");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<int>("firstStart");
    QTest::addColumn<int>("secondStart");
    QTest::newRow("updated") << "QRB_VAZARA" << false << "RO-2402" << 1 << 0;
    QTest::newRow("same version") << "QRB_VAZARA" << true << "RO-2503" << 0 << 0;
    QTest::newRow("LuMo with marker") << "QRB_LUMO" << true << "RO-2402" << 1 << 1;
    QTest::newRow("LuMo without marker") << "QRB_LUMO" << false << "RO-2402" << 0 << 0;
}

void TestCabinetIdentity::firmwareUpdateReportedOnce()
{
    QFETCH(QString, iotType);
    QFETCH(bool, marker);
    QFETCH(QString, previous);
    QFETCH(int, firstStart);
    Fixture f;
    if (marker)
        QVERIFY(f.scratch.writeRootFile(QStringLiteral("updates/firmwareUpdateInfo.txt"), "x"));
    f.config->set_iotType(iotType);
    f.config->set_firmwareVersion(previous);
    QSignalSpy done(f.config, &ConfigurationManager::notifyFirmwareUpdateDone);
    f.config->checkFirmwareUpdateDone();
    QCOMPARE(done.count(), firstStart);
    if (firstStart) {
        const QList<QVariant> args = done.first();
        QVERIFY(qAbs(args.at(0).toString().toLongLong() - QDateTime::currentSecsSinceEpoch()) < 5);
        QCOMPARE(args.mid(1), (QVariantList{QStringLiteral("RO-2503"), previous, 0, true}));
    }
    // The next start reads the version saved by this one.
    ConfigurationManager next(nullptr, nullptr, true, 1, &f.core);
    next.readConfigFile();
    QCOMPARE(next.get_firmwareVersion(), QStringLiteral("RO-2503"));
    QSignalSpy again(&next, &ConfigurationManager::notifyFirmwareUpdateDone);
    next.checkFirmwareUpdateDone();
    QTEST(again.count(), "secondStart");
    QCOMPARE(QFile::exists(CabinetIdentity::firmwareUpdateMarkerPath()), marker);
}

void TestCabinetIdentity::conversionMarker()
{
    for (bool marker : {true, false}) {
        Fixture f;
        if (marker)
            QVERIFY(f.scratch.writeRootFile(QStringLiteral("convert_to_lumo.txt"), ""));
        f.config->set_wifiSSID(QStringLiteral("Before"));
        f.config->set_wifiPassword(QStringLiteral("pw"));
        QSignalSpy announced(f.config, &ConfigurationManager::notifyIotTypeChanged);
        f.config->applyConversionMarker();
        QCOMPARE(announced.count(), 1);
        QCOMPARE(announced.first().first().toString(), marker ? QStringLiteral("QRB_LUMO") : QStringLiteral("QRB_VAZARA"));
        QCOMPARE(f.config->get_wifiSSIDRestore(), marker ? QStringLiteral("Before") : QString());
        QCOMPARE(f.config->get_wifiPasswordRestore(), marker ? QStringLiteral("pw") : QString());
        QVERIFY(!QFile::exists(CabinetIdentity::conversionMarkerPath()));
        // The conversion saves the settings on its way.
        QCOMPARE(readFile(ConfigurationManager::configFilePath()).contains("iotType=QRB_LUMO\n"), marker);
    }
}

QTEST_GUILESS_MAIN(TestCabinetIdentity)
#include "tst_cabinetidentity.moc"
