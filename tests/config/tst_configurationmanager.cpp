#include "cabinetidentity.h"
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "roleitemmodel.h"
#include "scratchroots.h"
#include "settingstransaction.h"
#include "signalrecorder.h"
#include "timezonetable.h"
#include "translator.h"

#include <QElapsedTimer>
#include <QMetaProperty>
#include <QSettings>
#include <QSignalSpy>
#include <QTimeZone>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString md5(const char *text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex());
}

// A scratch root with a fake application core and its configuration manager.
struct Fixture
{
    explicit Fixture(int customer = 0, bool master = true)
    {
        core.customerId = customer;
        core.iAmMaster = master;
        core.isIndividualDpSelectable = true;
        core.translatorPtr = &translator;
        config.reset(new ConfigurationManager(nullptr, nullptr, master, master ? 1 : 2, &core));
        // The two direct connections the application core makes.
        QObject::connect(config.get(), &ConfigurationManager::languageIdChanged, &translator, &Translator::setLanguageByString);
        QObject::connect(&translator, &Translator::languageIdStringChanged, config.get(), &ConfigurationManager::set_languageId);
    }
    QByteArray file() const { return readFile(ConfigurationManager::configFilePath()); }
    QStringList sent() // what went to the other displays since the last call
    {
        const QStringList names = core.sentNames();
        core.sent.clear();
        return names;
    }

    ScratchRoots scratch;
    FakeCabinetCore core;
    Translator translator;
    std::unique_ptr<ConfigurationManager> config;
};

// Compares properties of an object with the values given.
void expect(const QObject &object, const QVariantMap &values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QVariant actual = object.property(qPrintable(it.key()));
        QVERIFY2(actual == it.value(), qPrintable(it.key() + " is " + actual.toString()));
    }
}

} // namespace

class TestConfigurationManager : public QObject
{
    Q_OBJECT

private slots:
    void ecoModeOptionsCheckOnlyWhatIsSwitchedOn_data();
    void ecoModeOptionsCheckOnlyWhatIsSwitchedOn();
    void transactionKeepsOnlyWhatItSaved_data();
    void transactionKeepsOnlyWhatItSaved();
    void defaultsByCustomer_data();
    void defaultsByCustomer();
    void settersThatRefuseOrAdjust();
    void serialNumberGoesToTheApplicationSettings();
    void applicationSettingsWrittenOnlyForNewValues_data();
    void applicationSettingsWrittenOnlyForNewValues();
    void roundTripKeepsEveryValue();
    void readerTakesOnlyFileKeysAndSaneValues();
    void fileValueReadAsItsType_data();
    void fileValueReadAsItsType();
    void unreadableLinesAreSkippedAlone_data();
    void unreadableLinesAreSkippedAlone();
    void missingOrOversizedFileKeepsDefaults_data();
    void missingOrOversizedFileKeepsDefaults();
    void failedOrRefusedWriteKeepsTheFile();
    void saveWritesOnlyWhatTheFileLacks_data();
    void saveWritesOnlyWhatTheFileLacks();
    void secretFilesAreOwnerOnly_data();
    void secretFilesAreOwnerOnly();
    void languages();
    void timeZones();
    void preferencesAndLanguagePages();
    void cabinetNamesAndMenuImport();
};

void TestConfigurationManager::defaultsByCustomer_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<QString>("iotType");
    QTest::addColumn<uint>("usedLanguages");
    QTest::addColumn<int>("ecoActivateMode");
    QTest::addColumn<QString>("passwdL1");
    QTest::addColumn<QString>("passwdL2");
    QTest::addColumn<bool>("individualDP"); // with a secondary display
    QTest::addColumn<bool>("timerColour");
    QTest::newRow("0") << 0 << "QRB_VAZARA" << 7u << 0 << md5("7046") << md5("604528") << false << false;
    QTest::newRow("Vyx") << 1 << "QRB_VAZARA" << 7u << 0 << md5("8312") << md5("604528") << false << true;
    QTest::newRow("TANDOR") << 2 << "QRB_VAZARA" << 7u << 1 << md5("7046") << md5("604528") << false << false;
    QTest::newRow("QRB") << 3 << "QRB_LUMO" << 7u << 0 << "7046" << "604528" << true << false;
    QTest::newRow("X") << 4 << "QRB_VAZARA" << 7u << 0 << md5("7046") << md5("604528") << false << false;
    QTest::newRow("HALVO") << 5 << "QRB_VAZARA" << 3u << 0 << md5("7046") << md5("604528") << false << false;
}

void TestConfigurationManager::defaultsByCustomer()
{
    QFETCH(int, customer);
    ScratchRoots scratch;
    FakeCabinetCore core;
    core.customerId = customer;
    core.hasSecondaryDisplay = core.verticalFlip = core.timerDecrementEnable = true;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    QTEST(config.get_iotType(), "iotType");
    QTEST(config.get_usedLanguages(), "usedLanguages");
    QTEST(config.get_ecoActivateMode(), "ecoActivateMode");
    QTEST(config.get_passwdL1(), "passwdL1");
    QTEST(config.get_passwdL2(), "passwdL2");
    QTEST(config.get_individualDPEnabled(), "individualDP");
    QTEST(config.get_timerColorStatus(), "timerColour");
    expect(config, {{"advancedZoneOptionsEnable", true}, {"verticalFlip", true}, {"localPath", "/root/fwupdate/"},
                    {"readerFirmwareVersion1", "0.0.0"}});
    QCOMPARE(config.getCurrentTimeZoneId(), QStringLiteral("UTC-12:00"));
    core.timerDecrementEnable = false; // Vyx follows the personality's timer decrement
    QCOMPARE(ConfigurationManager(nullptr, nullptr, true, 1, &core).get_advancedZoneOptionsEnable(), customer != 1);
    if (customer != 0)
        return;

    // The file holds every key in its order, a value per line; the write replaces the
    // file whole and the system sync follows.
    QVERIFY(config.saveConfigFile());
    QFile golden(QStringLiteral(CONFIG_DATA "/default_config.txt"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QCOMPARE(readFile(ConfigurationManager::configFilePath()), golden.readAll());
    QVERIFY(!QFileInfo::exists(ConfigurationManager::configFilePath() + ".tmp"));
    QTRY_COMPARE(scratch.toolCalls().filter(QRegularExpression("^sync\\s*$")).size(), 1);
}

void TestConfigurationManager::settersThatRefuseOrAdjust()
{
    Fixture f(3);
    ConfigurationManager &config = *f.config;
    QSignalSpy iot(&config, &ConfigurationManager::iotTypeChanged);
    config.set_iotType(QStringLiteral("SOMETHING_ELSE")); // announced, though refused
    QCOMPARE(config.get_iotType(), QStringLiteral("QRB_VAZARA"));
    config.set_iotType(QStringLiteral("GM_VAZARA"));
    QCOMPARE(iot.count(), 2);

    QSignalSpy unit(&config, &ConfigurationManager::tempUnitChanged);
    config.set_tempUnit(5);
    config.set_tempUnit(7); // still Celsius: no change
    QCOMPARE(config.get_tempUnit(), 1);
    QCOMPARE(unit.count(), 1);
    QCOMPARE(unit.at(0).at(0).toInt(), 5);

    QSignalSpy orientation(&config, &ConfigurationManager::screenOrientationChanged);
    config.set_screenOrientation(2);
    config.set_screenOrientation(0);
    QCOMPARE(orientation.count(), 2);
    QCOMPARE(orientation.at(0).at(0).toBool(), true);

    f.core.isIndividualDpSelectable = false;
    config.set_individualDPEnabled(true);
    QVERIFY(!config.get_individualDPEnabled());
    f.core.isIndividualDpSelectable = true;
    config.set_individualDPEnabled(true);
    QVERIFY(config.get_individualDPEnabled());

    const QString defaultPin = config.get_passwdL1();
    config.set_passwdL1(QStringLiteral("1234"));
    QCOMPARE(config.get_prevPasswdL1(), defaultPin);
    QSignalSpy store(&config, &ConfigurationManager::storeNumberChanged);
    config.set_storeNumber(QStringLiteral("1234"));
    config.set_storeNumber(QStringLiteral("1234"));
    QCOMPARE(store.count(), 1);
    QCOMPARE(store.at(0), (QVariantList{QStringLiteral("1234"), QStringLiteral("N.A.")}));
    QSignalSpy ip(&config, &ConfigurationManager::ipAddressChanged);
    config.set_ipAddress(QStringLiteral("192.168.1.20"));
    config.set_ipAddress(QStringLiteral("192.168.1.20"));
    config.set_ipAddress(QStringLiteral("not an address"));
    QCOMPARE(ip.count(), 2);
    QCOMPARE(config.get_ipAddress(), QString());
    config.set_productDiscardFlash(true); // never for this customer
    QVERIFY(config.configFileText().contains("\nproductDiscardFlash=0\n"));

    // A line break would smuggle a key into the settings file.
    config.set_wifiPassword(QStringLiteral("secret"));
    for (const char *key : {"wifiPassword", "passwdL1", "gateway"}) {
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QString("Refused a line break in setting %1").arg(key)));
        config.setProperty(key, QStringLiteral("evil\r\nlanguageId=ara"));
    }
    QCOMPARE(config.get_wifiPassword(), QStringLiteral("secret"));
    QCOMPARE(config.get_passwdL1(), QStringLiteral("1234"));
    QCOMPARE(config.configFileText().count('\n'), 69);
}

void TestConfigurationManager::serialNumberGoesToTheApplicationSettings()
{
    ScratchRoots scratch;
    FakeCabinetCore core;
    // A link planted at the settings file's name is removed, never saved through.
    const QString outside = scratch.base() + QStringLiteral("/outside.conf");
    QVERIFY(scratch.writeRootFile(QStringLiteral("../outside.conf"), "bait"));
    QVERIFY(QDir().mkpath(QFileInfo(ConfigurationManager::appSettingsPath()).absolutePath()));
    QVERIFY(QFile::link(outside, ConfigurationManager::appSettingsPath()));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is a link; removed, not followed"));
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    config.set_serialNumber(QStringLiteral("SN-0042"));
    QCOMPARE(config.value(QStringLiteral("sysInfo/serialNumber")).toString(), QStringLiteral("SN-0042"));
    QVERIFY(ConfigurationManager::appSettingsPath().startsWith(scratch.root()));
    QVERIFY(QFileInfo::exists(ConfigurationManager::appSettingsPath()));
    QVERIFY(!QFileInfo(ConfigurationManager::appSettingsPath()).isSymLink());
    QCOMPARE(readFile(outside), QByteArray("bait"));
}

void TestConfigurationManager::applicationSettingsWrittenOnlyForNewValues_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<bool>("written");

    // A comment line survives only as long as nobody writes the file again.
    QTest::newRow("the value it holds") << QByteArray("; kept\n[sysInfo]\nserialNumber=SN-1\n") << "SN-1" << false;
    QTest::newRow("another value") << QByteArray("; kept\n[sysInfo]\nserialNumber=SN-1\n") << "SN-2" << true;
    QTest::newRow("no value yet") << QByteArray("; kept\n[sysInfo]\nmodelNumber=M-1\n") << "SN-1" << true;
    QTest::newRow("an empty value") << QByteArray("; kept\n[sysInfo]\nserialNumber=\n") << "SN-1" << true;
}

void TestConfigurationManager::applicationSettingsWrittenOnlyForNewValues()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, serial);
    QFETCH(bool, written);
    ScratchRoots scratch;
    FakeCabinetCore core;
    const QString path = ConfigurationManager::appSettingsPath();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(stored) == stored.size());
    file.close();
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    config.set_serialNumber(serial);
    QCOMPARE(readFile(path).contains("; kept"), !written);
    QCOMPARE(config.value(QStringLiteral("sysInfo/serialNumber")).toString(), serial);
    QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("sysInfo/serialNumber")).toString(), serial);
}

void TestConfigurationManager::roundTripKeepsEveryValue()
{
    Fixture f;
    ConfigurationManager &config = *f.config;
    const QMetaObject *meta = config.metaObject();
    int salt = 3;
    for (const QString &key : ConfigurationManager::configFileKeys()) {
        const QMetaProperty p = meta->property(meta->indexOfProperty(key.toLatin1().constData()));
        QVariant v = QStringLiteral("text %1 = with \"quotes\" and ü").arg(salt);
        if (p.userType() == QMetaType::Bool)
            v = !p.read(&config).toBool();
        else if (p.userType() == QMetaType::Int || p.userType() == QMetaType::UInt)
            v = p.read(&config).toInt() + salt;
        ++salt;
        p.write(&config, v);
    }
    // Values that must hold their own form.
    config.set_languageId(QStringLiteral("kor"));
    config.set_iotType(QStringLiteral("GM_VAZARA"));
    config.set_timeZoneIndex(23);
    config.set_tempUnit(1);
    for (const char *key : {"ipAddress", "netmask", "gateway", "wifiIpAddr", "wifiNetmask", "wifiGateway"})
        config.setProperty(key, QStringLiteral("10.1.%1.3").arg(qstrlen(key)));
    config.set_usedLanguages(0xFFFFFFFFu);
    config.set_wifiPassword(QStringLiteral("a=b==c="));
    config.set_wifiSSID(QStringLiteral("=lead"));
    QVERIFY(config.saveConfigFile());

    ConfigurationManager loaded(nullptr, nullptr, true, 1, &f.core);
    QSignalSpy read(&loaded, &ConfigurationManager::configFileRead);
    QVERIFY(loaded.readConfigFile());
    QCOMPARE(read.count(), 1);
    for (const QString &key : ConfigurationManager::configFileKeys()) {
        const QMetaProperty p = meta->property(meta->indexOfProperty(key.toLatin1().constData()));
        QVERIFY2(p.read(&loaded) == p.read(&config), qPrintable(key));
    }
    QCOMPARE(loaded.configFileText(), config.configFileText());
    QCOMPARE(loaded.get_wifiPassword(), QStringLiteral("a=b==c="));
    QCOMPARE(loaded.get_wifiSSID(), QStringLiteral("=lead"));
    QCOMPARE(loaded.get_usedLanguages(), 0xFFFFFFFFu);
}

void TestConfigurationManager::readerTakesOnlyFileKeysAndSaneValues()
{
    Fixture f;
    ConfigurationManager &config = *f.config;
    config.set_languageId(QStringLiteral("deu"));
    config.set_timeZoneIndex(20);
    QVERIFY(f.scratch.writeRootFile(QStringLiteral("config.txt"),
        "storeNumber=\r\nsoundLevel=55\r\nno equals sign here\n\nlabelFontSize=big\nnoSuchKey=1\n"
        "wifiSSID=Kitchen\r\nntpOn=0\ndstEnabled=maybe\nusedLanguages=-1\nlanguageId=klingon\n"
        "timeZoneIndex=99\npasswdL3=0000\nobjectName=hijacked\nsystemConfigured=1\nserialNumber=X\n"
        "wifiScanString=<b>x</b>\n"));
    QSignalSpy language(&config, &ConfigurationManager::languageIdChanged);
    QTest::ignoreMessage(QtWarningMsg, "Unknown language code \"klingon\" - keeping \"deu\"");
    QTest::ignoreMessage(QtWarningMsg, "Time zone index 99 is not in the table - keeping 20");
    QVERIFY(config.readConfigFile());
    QCOMPARE(language.count(), 0);
    // "key=" sets the empty text; keys outside the file's list are not set from it.
    expect(config, {{"storeNumber", ""}, {"soundLevel", 55}, {"labelFontSize", 24}, {"wifiSSID", "Kitchen"},
                    {"ntpOn", false}, {"dstEnabled", true}, {"usedLanguages", 7u}, {"languageId", "deu"},
                    {"timeZoneIndex", 20}, {"passwdL3", md5("731960")}, {"objectName", "configManager"},
                    {"systemConfigured", false}, {"serialNumber", ""}, {"wifiScanString", "No networks detected"}});
}

// A boolean reads as Qt converts text; a language or time zone this program lacks
// leaves the one in force, so that the screen and the clock never jump.
void TestConfigurationManager::fileValueReadAsItsType_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QVariant>("after");
    QTest::addColumn<QString>("log");
    QTest::newRow("yes is true") << "wpaEnabled" << QVariant(false) << QByteArray("yes") << QVariant(true) << "";
    QTest::newRow("2 is true") << "wifiStaticIp" << QVariant(false) << QByteArray("2") << QVariant(true) << "";
    QTest::newRow("empty is false") << "ntpOn" << QVariant(true) << QByteArray("") << QVariant(false) << "";
    QTest::newRow("FALSE is false") << "dstEnabled" << QVariant(true) << QByteArray("FALSE") << QVariant(false) << "";
    QTest::newRow("known language") << "languageId" << QVariant("fra") << QByteArray("deu") << QVariant("deu") << "";
    QTest::newRow("unknown language keeps French")
        << "languageId" << QVariant("fra") << QByteArray("eng_UK") << QVariant("fra")
        << "Unknown language code \"eng_UK\" - keeping \"fra\"";
    QTest::newRow("last time zone") << "timeZoneIndex" << QVariant(20) << QByteArray("33") << QVariant(33) << "";
    QTest::newRow("time zone past the table keeps its row")
        << "timeZoneIndex" << QVariant(20) << QByteArray("34") << QVariant(20)
        << "Time zone index 34 is not in the table - keeping 20";
    QTest::newRow("negative time zone keeps its row")
        << "timeZoneIndex" << QVariant(20) << QByteArray("-1") << QVariant(20)
        << "Time zone index -1 is not in the table - keeping 20";
}

void TestConfigurationManager::fileValueReadAsItsType()
{
    QFETCH(QString, key);
    QFETCH(QVariant, before);
    QFETCH(QByteArray, text);
    QFETCH(QVariant, after);
    QFETCH(QString, log);
    Fixture f;
    QVERIFY(f.config->setProperty(qPrintable(key), before));
    QCOMPARE(f.config->property(qPrintable(key)), before);
    QVERIFY(f.scratch.writeRootFile(QStringLiteral("config.txt"), "storeNumber=12\n" + key.toLatin1() + '=' + text + '\n'));
    if (!log.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(log));
    QVERIFY(f.config->readConfigFile());
    QCOMPARE(f.config->property(qPrintable(key)), after);
    QCOMPARE(f.config->get_storeNumber(), QStringLiteral("12"));
}

// A line that is not text, or whose value does not fit, costs only its own key, which
// keeps its default; every other line is taken and the file stays where it is. A save
// writes a line that is not text back as it was (a name in another encoding), until its
// key is set; a value of the wrong type gives way to the default.
void TestConfigurationManager::unreadableLinesAreSkippedAlone_data()
{
    QTest::addColumn<QByteArray>("badLines");
    QTest::addColumn<QString>("key"); // of the first bad line
    QTest::addColumn<int>("skipped"); // lines logged as not text
    QTest::addColumn<QByteArray>("saved"); // the lines a save writes for the bad ones
    QTest::newRow("Latin-1 Wi-Fi name") << QByteArray("wifiSSID=Caf\xe9\n") << "wifiSSID" << 1
                                        << QByteArray("\nwifiSSID=Caf\xe9\n");
    QTest::newRow("NUL in a line") << QByteArray("wifiIdentity=a\0b\n", 17) << "wifiIdentity" << 1
                                   << QByteArray("\nwifiIdentity=a") + '\0' + "b\n";
    QTest::newRow("Latin-1 and NUL lines, CRLF")
        << QByteArray("wifiSSID=Caf\xe9\r\nmacAddress=\0\r\n", 29) << "wifiSSID" << 2
        << QByteArray("\nmacAddress=") + '\0' + "\nwifiEnabled=1\nethEnabled=0\n";
    QTest::newRow("UTF-8 cut short") << QByteArray("wifiIdentity=\xc3\n") << "wifiIdentity" << 1
                                     << QByteArray("\nwifiIdentity=\xc3\n");
    QTest::newRow("value of the wrong type") << QByteArray("cabinetIndex=two\n") << "cabinetIndex" << 0
                                             << QByteArray("\ncabinetIndex=0\n");
}

void TestConfigurationManager::unreadableLinesAreSkippedAlone()
{
    QFETCH(QByteArray, badLines);
    QFETCH(QString, key);
    QFETCH(int, skipped);
    Fixture f;
    const QVariant byDefault = f.config->property(qPrintable(key));
    const QByteArray text = "storeNumber=4711\nlanguageId=deu\nsoundLevel=40\n" + badLines
                            + "wifiPassword=p=1\nwifiEnabled=1\n";
    QVERIFY(f.scratch.writeRootFile(QStringLiteral("config.txt"), text));
    if (skipped > 0) // once for the file, however many lines
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("config.txt has %1 lines that are not "
                                                                             "UTF-8 text or hold NUL, the first line 4;")
                                                                  .arg(skipped)));
    QVERIFY(f.config->readConfigFile());
    QCOMPARE(f.config->property(qPrintable(key)), byDefault);
    expect(*f.config, {{"storeNumber", "4711"}, {"languageId", "deu"}, {"soundLevel", 40},
                       {"wifiPassword", "p=1"}, {"wifiEnabled", true}});
    QVERIFY(QDir(f.scratch.root()).entryList({"config.txt.unusable-*"}).isEmpty());
    QCOMPARE(f.file(), text);

    QFETCH(QByteArray, saved);
    f.config->set_soundLevel(50); // a change elsewhere
    QVERIFY(f.config->saveConfigFile());
    QVERIFY2(f.file().contains(saved), f.file().constData());
    QVERIFY(f.file().contains("\nwifiSSID=Caf\xe9\n") == badLines.contains("wifiSSID=Caf\xe9"));
    // Set, the key's line holds its value.
    QVERIFY(f.config->setProperty(qPrintable(key), key == QLatin1String("cabinetIndex") ? QVariant(5) : QVariant("Office")));
    QVERIFY(f.config->saveConfigFile());
    QVERIFY2(f.file().contains('\n' + key.toLatin1() + '=' + (key == QLatin1String("cabinetIndex") ? "5" : "Office") + '\n'),
             f.file().constData());
    QVERIFY(f.config->readConfigFile());
    QCOMPARE(f.config->get_soundLevel(), 50);
}

void TestConfigurationManager::missingOrOversizedFileKeepsDefaults_data()
{
    QTest::addColumn<qint64>("bytes"); // -1: no file
    QTest::addColumn<bool>("lines");   // the bytes as "soundLevel=5" lines, else one sparse run
    QTest::addColumn<QString>("log");
    QTest::newRow("missing") << qint64(-1) << false << "^Unable to Open File !!! .*config.txt";
    QTest::newRow("200 MB") << qint64(200) * 1024 * 1024 << false << "^The settings file .* holds 209715200 bytes";
    QTest::newRow("5 million lines") << qint64(5000000) * 13 << true << "^The settings file .* holds 65000000 bytes";
}

void TestConfigurationManager::missingOrOversizedFileKeepsDefaults()
{
    QFETCH(qint64, bytes);
    QFETCH(bool, lines);
    QFETCH(QString, log);
    Fixture f;
    if (bytes >= 0) {
        QFile file(ConfigurationManager::configFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray chunk = QByteArray("soundLevel=5\n").repeated(100000);
        for (qint64 n = 0; lines && n < bytes; n += chunk.size())
            QCOMPARE(file.write(chunk), qint64(chunk.size()));
        QVERIFY(lines || file.resize(bytes));
    }
    QSignalSpy read(f.config.get(), &ConfigurationManager::configFileRead);
    QTest::ignoreMessage(bytes < 0 ? QtDebugMsg : QtWarningMsg, QRegularExpression(log));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!f.config->readConfigFile());
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(read.count(), 0);
    QCOMPARE(f.config->get_soundLevel(), 100);
}

void TestConfigurationManager::failedOrRefusedWriteKeepsTheFile()
{
    {
        Fixture f;
        f.core.isConfigured = false; // nothing is written before the cabinet is configured
        QVERIFY(!f.config->saveConfigFile());
        QVERIFY(!f.config->applyPreferences({{QStringLiteral("soundLevel"), 20}}));
        QVERIFY(!QFileInfo::exists(ConfigurationManager::configFilePath()));
        QCOMPARE(f.scratch.toolCalls(), QStringList());
    }
    Fixture f;
    QVERIFY(f.config->saveConfigFile());
    const QByteArray before = f.file();
    // A folder in the way of the temporary file makes the write fail.
    QVERIFY(QDir().mkpath(ConfigurationManager::configFilePath() + ".tmp/blocker"));
    f.config->set_soundLevel(42);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Safe write failed"));
    QVERIFY(!f.config->saveConfigFile());
    QCOMPARE(f.file(), before);
}

// The settings file holds the Wi-Fi pass phrase and the PIN digest, the identity file
// the cabinet's identity: a file left readable by all is narrowed at the next save.
void TestConfigurationManager::secretFilesAreOwnerOnly_data()
{
    QTest::addColumn<bool>("identity");
    QTest::newRow("settings file") << false;
    QTest::newRow("identity file") << true;
}

void TestConfigurationManager::secretFilesAreOwnerOnly()
{
    QFETCH(bool, identity);
    Fixture f;
    const QString path = identity ? CabinetIdentity::identityFilePath() : ConfigurationManager::configFilePath();
    QVERIFY(f.scratch.writeRootFile(QFileInfo(path).fileName(), "wifiPassword=old\n"));
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0644), 0);
    f.config->set_wifiPassword(QStringLiteral("pass phrase"));
    QVERIFY(identity ? f.config->saveCabinetSerialModelNumbers() : f.config->saveConfigFile());
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), 0600);
}

void TestConfigurationManager::languages()
{
    Fixture f;
    ConfigurationManager &config = *f.config;
    QVERIFY(config.getIsLanguageUsed(2));
    for (int id : {3, 32, -1})
        QVERIFY(!config.getIsLanguageUsed(id));
    QSignalSpy spy(&config, &ConfigurationManager::usedLanguagesChanged);
    config.setLanguageIsUsed(14, true);
    config.setLanguageIsUsed(1, false);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(config.get_usedLanguages(), (1u << 14) | 5u);
    QCOMPARE(config.getNextLanguageId(0), 2);
    QCOMPARE(config.getNextLanguageId(2), 14);
    QCOMPARE(config.getNextLanguageId(14), 0);
    config.set_usedLanguages(0);
    QCOMPARE(config.getNextLanguageId(6), 6);
    QCOMPARE(config.getNextLanguageId(-1), 0);
    // Without an argument the next language follows the translator's.
    config.set_usedLanguages(0b1011);
    QCOMPARE(config.getNextLanguageId(), 1); // no language yet: from English

    // The store and the translator mirror each other.
    QSignalSpy switched(&f.translator, &Translator::languageChanged);
    QSignalSpy stored(&config, &ConfigurationManager::languageIdChanged);
    f.translator.setLanguageByString(config.get_languageId());
    QCOMPARE(stored.count(), 0); // the store already had "eng_USA"
    f.translator.setLanguage(1);
    QCOMPARE(config.getNextLanguageId(), 3);
    f.translator.setLanguage(3);
    QCOMPARE(config.getNextLanguageId(), 0);
    f.translator.setLanguage(Translator::LANGUAGE_ID_FRA);
    QCOMPARE(config.get_languageId(), QStringLiteral("fra"));
    QCOMPARE(config.get_prevLanguageId(), QStringLiteral("spa_mx"));
    config.set_languageId(QStringLiteral("jpn"));
    QCOMPARE(f.translator.getLanguage(), int(Translator::LANGUAGE_ID_JPN));
    QCOMPARE(switched.count(), 5);
    QCOMPARE(stored.count(), 4);
}

void TestConfigurationManager::timeZones()
{
    Fixture f;
    ConfigurationManager &config = *f.config;
    RoleItemModel *model = config.timeZonesModel();
    QCOMPARE(model->rowCount(), 34);
    QCOMPARE(RoleItemModel::getModelData(model, 8).value("name").toString(), QStringLiteral("UTC-4:30"));
    QCOMPARE(config.getTimeZoneName(33), QStringLiteral("UTC+13:00"));
    QCOMPARE(config.getTimeZoneName(34) + config.getTimeZoneName(-1), QString());
    int previousOffset = -13 * 3600;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString id = RoleItemModel::getModelData(model, row).value("timeZoneId").toString();
        const QTimeZone zone(id.toLatin1());
        QVERIFY2(zone.isValid() && zone.offsetFromUtc(now) > previousOffset, qPrintable(id)); // ascending
        previousOffset = zone.offsetFromUtc(now);
    }

    const QDateTime utc(QDate(2024, 3, 1), QTime(12, 0), Qt::UTC);
    config.set_timeZoneIndex(23); // UTC+05:45
    config.set_dstEnabled(false);
    QDateTime local = config.adjustToLocalDateTime(utc);
    QCOMPARE(local.time(), QTime(17, 45));
    QCOMPARE(local.offsetFromUtc(), 5 * 3600 + 45 * 60);
    config.set_dstEnabled(true);
    local = config.adjustToLocalDateTime(utc);
    QCOMPARE(local.time(), QTime(18, 45));
    QCOMPARE(local.toMSecsSinceEpoch() - utc.toMSecsSinceEpoch(), qint64(3600 * 1000));
    config.set_timeZoneIndex(8); // UTC-04:30, a day earlier
    QCOMPARE(config.adjustToLocalDateTime(QDateTime(QDate(2024, 3, 1), QTime(2, 0), Qt::UTC)),
             QDateTime(QDate(2024, 2, 29), QTime(22, 30), QTimeZone(QByteArray("UTC-04:30"))));
    // A zone id this table does not know never gives an invalid time.
    QVERIFY(TimeZoneTable::adjustToLocalDateTime(utc, false, QStringLiteral("nowhere")).isValid());
}

void TestConfigurationManager::preferencesAndLanguagePages()
{
    {
        // Another display only asks the master, and stores nothing itself.
        Fixture f(0, false);
        SignalRecorder order(f.config.get());
        const QVariantMap values{{"soundLevel", 30}, {"splitViewEnabled", true}};
        QVERIFY(f.config->applyPreferences(values));
        QCOMPARE(order.names, QStringList());
        QVERIFY(!QFileInfo::exists(ConfigurationManager::configFilePath()));
        QCOMPARE(f.core.sentNames(), QStringList{"sendConfigSettingsChangeRequest"});
        QCOMPARE(f.core.sent.at(0).args.at(0).toMap(), values);
    }
    Fixture f;
    ConfigurationManager &config = *f.config;
    f.translator.setLanguage(0);
    SignalRecorder order(&config);
    QVERIFY(config.applyPreferences({{"useFirstEnabled", false}, {"splitViewEnabled", true},
        {"groupDotsEnabled", false}, {"labelFontSize", 99}, {"individualDPEnabled", true}, {"soundLevel", 3},
        {"tempUnit", 1}, {"screenCleanActive", 1}, {"screenCleanTimeout", 2}, {"timerColorStatus", true},
        {"advancedZoneOptionsEnable", false}, {"universalPanSoundEnable", true},
        {"discardDurationEnabled", 0}, {"discardSoundDuration", 5000}}));
    QCOMPARE(order.names, QString("useFirstEnabled splitViewEnabled groupDotsEnabled labelFontSize "
        "individualDPEnabled soundLevel tempUnit screenCleanActive screenCleanTimeout timerColorStatus "
        "advancedZoneOptionsEnable universalPanSoundEnable discardDurationEnabled discardSoundDuration").split(' '));
    // The screen's limits hold whatever reaches the store.
    expect(config, {{"labelFontSize", 48}, {"soundLevel", 10}, {"screenCleanTimeout", 5}, {"discardSoundDuration", 3600}});
    QCOMPARE(f.sent(), QStringList{"sendConfigSettingsData"});
    QVERIFY(f.file().contains("\nsoundLevel=10\n"));

    // Language page: French dropped, German offered and chosen; ids without a row (not
    // offered to this customer) keep their bits. A lone master display tells nobody.
    config.setLanguageIsUsed(13, true);
    const QVariantList marks{true, true, false, QVariant(), QVariant(), false};
    QVERIFY(config.applyLanguageSettings(marks, 5));
    QCOMPARE(config.get_usedLanguages(), (1u << 13) | (1u << 5) | 3u);
    QCOMPARE(f.translator.getLanguage(), 5);
    QVERIFY(f.file().contains("\nlanguageId=deu\n"));
    QCOMPARE(f.sent(), QStringList());
    f.core.hasMirrorDisplay = true;
    QVERIFY(config.applyLanguageSettings(marks, 5));
    QCOMPARE(f.sent(), QStringList{"sendLanguageSettingsData"});
    // The dock's language button on a cabinet with two displays.
    f.core.hasMirrorDisplay = false;
    f.core.hasSecondaryDisplay = true;
    QVERIFY(config.applyDockLanguage(2));
    QCOMPARE(f.translator.getLanguage(), 2);
    QVERIFY(f.file().contains("\nlanguageId=fra\n"));
    QCOMPARE(f.sent(), QStringList{"sendConfigSettingsData"});
}

void TestConfigurationManager::cabinetNamesAndMenuImport()
{
    Fixture f;
    ConfigurationManager &config = *f.config;
    config.setCabinetIndex(2);
    QCOMPARE(config.getCabinetName(), QStringLiteral("Reserve Cabinet #3"));
    config.setCabinetNameIndex(1);
    QCOMPARE(config.getCabinetName(), QStringLiteral("Point-of-Use Cabinet #3"));
    config.setCabinetNameIndex(7);
    QCOMPARE(config.getCabinetName(), QStringLiteral("Name Not Set"));
    // The largest index a settings file can hold still gives its number, not a negative one.
    QVERIFY(config.applyConfigValue(QStringLiteral("cabinetIndex"), QStringLiteral("2147483647")));
    config.setCabinetNameIndex(0);
    QCOMPARE(config.getCabinetName(), QStringLiteral("Reserve Cabinet #2147483648"));

    const qint64 before = QDateTime::currentSecsSinceEpoch();
    config.saveProductsHashCodeTs(QStringLiteral("ignored"));
    QVERIFY(config.get_productsHashCodeTs().toLongLong() >= before);
    QVERIFY(f.file().contains("productsHashCodeTs=" + config.get_productsHashCodeTs().toLatin1()));
    QSignalSpy imported(&config, &ConfigurationManager::importedMenuChanged);
    config.processImportedMenu(QStringLiteral("lunch.tul|2024-03-01 10:00"));
    config.processImportedMenu(QStringLiteral("lunch.tul|2024-03-01 10:00"));
    QCOMPARE(imported.count(), 1);
    QVERIFY(f.file().contains("importedMenu=lunch.tul|2024-03-01 10:00\n"));

}

// A start saves the same text twice within milliseconds: a save of what the file still
// holds from the last save writes and syncs nothing, while a setting, the file or an
// application setting changed since is saved (or synced) as before.
void TestConfigurationManager::saveWritesOnlyWhatTheFileLacks_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<bool>("rewritten");
    QTest::addColumn<bool>("synced");
    QTest::newRow("nothing") << "nothing" << false << false;
    QTest::newRow("a setting changed") << "setting" << true << true;
    QTest::newRow("the file replaced") << "replaced" << true << true;
    QTest::newRow("the file removed") << "removed" << true << true;
    QTest::newRow("an application setting written") << "appSetting" << false << true;
}

void TestConfigurationManager::saveWritesOnlyWhatTheFileLacks()
{
    QFETCH(QString, meanwhile);
    QFETCH(bool, rewritten);
    QFETCH(bool, synced);
    Fixture f;
    ConfigurationManager &config = *f.config;
    const QString path = ConfigurationManager::configFilePath();
    const auto syncs = [&f] { return f.scratch.toolCalls().filter(QRegularExpression(QStringLiteral("^sync"))).size(); };
    QVERIFY(config.saveConfigFile());
    QTRY_COMPARE(syncs(), 1);
    if (meanwhile == QLatin1String("setting"))
        config.set_storeNumber(QStringLiteral("4711"));
    else if (meanwhile == QLatin1String("replaced"))
        QVERIFY(f.scratch.writeRootFile(QStringLiteral("config.txt"), "storeNumber=1\n"));
    else if (meanwhile == QLatin1String("removed"))
        QVERIFY(QFile::remove(path));
    else if (meanwhile == QLatin1String("appSetting"))
        config.set_serialNumber(QStringLiteral("SN-7"));
    struct stat before = {};
    const bool existed = ::stat(QFile::encodeName(path).constData(), &before) == 0;

    QVERIFY(config.saveConfigFile());
    QCOMPARE(f.file(), config.configFileText());
    struct stat after = {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
    QCOMPARE(!existed || after.st_ino != before.st_ino, rewritten);
    if (synced)
        QTRY_COMPARE(syncs(), 2);
}

QTEST_GUILESS_MAIN(TestConfigurationManager)
void TestConfigurationManager::transactionKeepsOnlyWhatItSaved_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("commit");
    QTest::newRow("PIN, ended without commit") << QByteArray("passwdL1") << QVariant(QStringLiteral("2468")) << false;
    QTest::newRow("PIN, committed") << QByteArray("passwdL1") << QVariant(QStringLiteral("2468")) << true;
    QTest::newRow("used languages, ended without commit") << QByteArray("usedLanguages") << QVariant(1u) << false;
    QTest::newRow("used languages, committed") << QByteArray("usedLanguages") << QVariant(1u) << true;
    // The cloud hears of a store number only once it is on disk.
    QTest::newRow("store number, ended without commit") << QByteArray("storeNumber") << QVariant(QStringLiteral("4711")) << false;
    QTest::newRow("store number, committed") << QByteArray("storeNumber") << QVariant(QStringLiteral("4711")) << true;
}

void TestConfigurationManager::transactionKeepsOnlyWhatItSaved()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    QFETCH(bool, commit);
    ScratchRoots scratch;
    FakeCabinetCore core;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    QVERIFY(config.saveConfigFile());
    const QString before = config.property(property).toString();
    QVERIFY(before != value.toString());
    QSignalSpy reported(&config, &ConfigurationManager::storeNumberReported);
    if (!commit)
        QTest::ignoreMessage(QtWarningMsg, "Settings not saved: 1 changed values set back");
    {
        SettingsTransaction transaction(&config);
        QVERIFY(config.setProperty(property, value));
        QCOMPARE(config.property(property).toString(), value.toString());
        QCOMPARE(reported.count(), 0);
        if (commit) {
            QVERIFY(transaction.commit());
            QVERIFY(!transaction.commit()); // once only
        }
    }
    QCOMPARE(config.property(property).toString(), commit ? value.toString() : before);
    QCOMPARE(reported.count(), commit && property == "storeNumber" ? 1 : 0);
    if (!reported.isEmpty())
        QCOMPARE(reported.at(0), (QVariantList{value, before}));
    QCOMPARE(config.configFileText().contains(property + '=' + value.toString().toUtf8()), commit);
}

void TestConfigurationManager::ecoModeOptionsCheckOnlyWhatIsSwitchedOn_data()
{
    QTest::addColumn<QVariantMap>("typed");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<int>("temperature"); // stored, Fahrenheit; -1: as before
    QTest::addColumn<int>("timeout");     // stored, minutes; -1: as before
    QTest::addColumn<int>("tempUnit");    // 0 Fahrenheit, 1 Celsius
    QTest::addColumn<int>("heldTemp");    // held before, from the settings file; -1: the default
    QTest::addColumn<int>("heldTimeout"); // held before; -1: the default
    const auto page = [](int heat, const QVariant &temp, int activate, const QVariant &timeout) {
        return QVariantMap{{"shelfHeatMode", heat}, {"shelfTemp", temp}, {"activateMode", activate}, {"timeout", timeout}};
    };
    QTest::newRow("both on, both good") << page(1, 150, 1, 30) << "saved" << 150 << 30 << 0 << -1 << -1;
    QTest::newRow("heat on, temperature not a number") << page(1, "warm", 0, 30) << "temperature" << -1 << -1 << 0 << -1 << -1;
    QTest::newRow("heat on, temperature too high") << page(1, 226, 0, 30) << "temperature" << -1 << -1 << 0 << -1 << -1;
    QTest::newRow("heat on, the highest") << page(1, 225, 0, 30) << "saved" << 225 << -1 << 0 << -1 << -1;
    QTest::newRow("heat off, temperature not a number") << page(0, "warm", 0, 30) << "saved" << -1 << -1 << 0 << -1 << -1;
    QTest::newRow("heat off, temperature out of range") << page(0, 5000, 0, 30) << "saved" << -1 << -1 << 0 << -1 << -1;
    QTest::newRow("suggestion on, time-out not a number") << page(0, 150, 1, "soon") << "timeout" << -1 << -1 << 0 << -1 << -1;
    QTest::newRow("suggestion on, time-out too long") << page(0, 150, 1, 1441) << "timeout" << -1 << -1 << 0 << -1 << -1;
    QTest::newRow("suggestion on, the shortest") << page(0, 150, 1, 5) << "saved" << -1 << 5 << 0 << -1 << -1;
    QTest::newRow("suggestion off, time-out out of range") << page(0, 150, 0, 99999) << "saved" << -1 << -1 << 0 << -1 << -1;
    // 477218644 C times 9 wraps to 500, which would pass as 132 F.
    QTest::newRow("heat on, Celsius past any int") << page(1, 477218644, 0, 30) << "temperature" << -1 << -1 << 1 << -1 << -1;
    // A value the file holds outside the page's range is checked only while its mode is on.
    QTest::newRow("heat off, the held temperature out of range stays")
        << page(0, QVariant(), 1, 30) << "saved" << 500 << 30 << 0 << 500 << -1;
    QTest::newRow("heat on, the held temperature out of range is refused")
        << page(1, QVariant(), 0, QVariant()) << "temperature" << 500 << -1 << 0 << 500 << -1;
    QTest::newRow("suggestion off, the held time-out out of range stays")
        << page(1, 150, 0, QVariant()) << "saved" << 150 << 99999 << 0 << -1 << 99999;
}

void TestConfigurationManager::ecoModeOptionsCheckOnlyWhatIsSwitchedOn()
{
    QFETCH(QVariantMap, typed);
    QFETCH(QString, outcome);
    QFETCH(int, temperature);
    QFETCH(int, timeout);
    QFETCH(int, tempUnit);
    ScratchRoots scratch;
    FakeCabinetCore core;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    config.set_tempUnit(tempUnit);
    QFETCH(int, heldTemp);
    QFETCH(int, heldTimeout);
    if (heldTemp >= 0)
        config.set_ecoShelfHeatTemp(heldTemp);
    if (heldTimeout >= 0)
        config.set_ecoActivateTimeout(heldTimeout);
    const int temperatureBefore = config.get_ecoShelfHeatTemp();
    const int timeoutBefore = config.get_ecoActivateTimeout();
    const auto heatBefore = config.get_ecoShelfHeatMode();
    const auto activateBefore = config.get_ecoActivateMode();
    QCOMPARE(config.applyEcoModeOptions(typed), outcome);
    QCOMPARE(config.get_ecoShelfHeatTemp(), temperature < 0 ? temperatureBefore : temperature);
    QCOMPARE(config.get_ecoActivateTimeout(), timeout < 0 ? timeoutBefore : timeout);
    if (outcome != QLatin1String("saved")) { // a refusal applies nothing
        QCOMPARE(config.get_ecoShelfHeatMode(), heatBefore);
        QCOMPARE(config.get_ecoActivateMode(), activateBefore);
    }
}

#include "tst_configurationmanager.moc"
