#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "roleitemmodel.h"
#include "scratchroots.h"
#include "signalrecorder.h"
#include "timezonetable.h"
#include "translator.h"

#include <QElapsedTimer>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTimeZone>
#include <QtTest>

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

} // namespace

class TestConfigurationManager : public QObject
{
    Q_OBJECT

private slots:
    void defaultsByCustomer_data();
    void defaultsByCustomer();
    void defaultsFromThePersonality();
    void setterKinds();
    void specialSetters();
    void lineBreaksAreRefused();
    void serialNumberGoesToTheApplicationSettings();

    void roundTripKeepsEveryValue();
    void fileHoldsTheKeysInOrder();
    void valueWithEqualsSignSurvives();
    void readerEdgeCases();
    void readerSetsOnlyTheFileKeys();
    void missingOrOversizedFileKeepsDefaults_data();
    void missingOrOversizedFileKeepsDefaults();
    void unknownLanguageFallsBackToEnglish();
    void nothingWrittenWhileUnconfigured();
    void failedWriteIsReported();

    void usedLanguages();
    void nextLanguageStartsFromTheTranslator();
    void languageMirrorWithTheTranslator();

    void timeZoneTable();
    void timeZoneIndexOutsideTheTable();
    void adjustToLocalDateTime();

    void preferencesSaveOnTheMaster();
    void preferencesOnAnotherDisplayOnlyAsk();
    void languagePageAccept();
    void dockLanguageChoice();

    void cabinetNamesAndMenuImport();
    void colours();
    void networkReloadTimer();

private:
    struct Fixture
    {
        ScratchRoots scratch;
        FakeCabinetCore core;
    };
};

void TestConfigurationManager::defaultsByCustomer_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<QString>("iotType");
    QTest::addColumn<uint>("usedLanguages");
    QTest::addColumn<int>("ecoActivateMode");
    QTest::addColumn<QString>("passwdL1");
    QTest::addColumn<QString>("passwdL2");
    QTest::newRow("0") << 0 << "QRB_VAZARA" << 7u << 0 << md5("7046") << md5("604528");
    QTest::newRow("Vyx") << 1 << "QRB_VAZARA" << 7u << 0 << md5("8312") << md5("604528");
    QTest::newRow("TANDOR") << 2 << "QRB_VAZARA" << 7u << 1 << md5("7046") << md5("604528");
    QTest::newRow("QRB") << 3 << "QRB_LUMO" << 7u << 0 << "7046" << "604528";
    QTest::newRow("X") << 4 << "QRB_VAZARA" << 7u << 0 << md5("7046") << md5("604528");
    QTest::newRow("HALVO") << 5 << "QRB_VAZARA" << 3u << 0 << md5("7046") << md5("604528");
}

void TestConfigurationManager::defaultsByCustomer()
{
    QFETCH(int, customer);
    Fixture f;
    f.core.customerId = customer;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    QTEST(config.get_iotType(), "iotType");
    QTEST(config.get_usedLanguages(), "usedLanguages");
    QTEST(config.get_ecoActivateMode(), "ecoActivateMode");
    QTEST(config.get_passwdL1(), "passwdL1");
    QTEST(config.get_passwdL2(), "passwdL2");
    QCOMPARE(config.get_languageId(), QStringLiteral("eng_USA"));
    QCOMPARE(config.get_storeNumber(), QStringLiteral("N.A."));
    QCOMPARE(config.get_cabinetConfiguration(), -1);
    QCOMPARE(config.get_ioBoardFirmwareVersion3(), QStringLiteral("?.?.?"));
    QCOMPARE(config.get_readerFirmwareVersion1(), QStringLiteral("0.0.0"));
    QCOMPARE(config.get_localPath(), QStringLiteral("/root/fwupdate/"));
    QCOMPARE(config.get_timeZoneIndex(), 0);
    QCOMPARE(config.getCurrentTimeZoneId(), QStringLiteral("UTC-12:00"));
}

void TestConfigurationManager::defaultsFromThePersonality()
{
    Fixture f;
    f.core.hasSecondaryDisplay = true;
    f.core.timerDecrementEnable = true;
    f.core.verticalFlip = true;

    f.core.customerId = 3; // QRB with a secondary display: own day part per zone
    ConfigurationManager qrb(nullptr, nullptr, true, 1, &f.core);
    QVERIFY(qrb.get_individualDPEnabled());
    QVERIFY(!qrb.get_timerColorStatus());
    QVERIFY(qrb.get_advancedZoneOptionsEnable());
    QVERIFY(qrb.get_verticalFlip());

    f.core.customerId = 1; // Vyx follows the personality's timer decrement
    ConfigurationManager vyx(nullptr, nullptr, true, 1, &f.core);
    QVERIFY(!vyx.get_individualDPEnabled());
    QVERIFY(vyx.get_timerColorStatus());
    QVERIFY(vyx.get_advancedZoneOptionsEnable());
    f.core.timerDecrementEnable = false;
    ConfigurationManager vyxPlain(nullptr, nullptr, true, 1, &f.core);
    QVERIFY(!vyxPlain.get_advancedZoneOptionsEnable());
}

void TestConfigurationManager::setterKinds()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);

    QSignalSpy onChange(&config, &ConfigurationManager::soundLevelChanged);
    config.set_soundLevel(50);
    config.set_soundLevel(50);
    QCOMPARE(onChange.count(), 1);
    QCOMPARE(onChange.at(0).at(0).toInt(), 50);

    QSignalSpy always(&config, &ConfigurationManager::labelFontSizeChanged);
    config.set_labelFontSize(24);
    config.set_labelFontSize(24);
    QCOMPARE(always.count(), 2);

    QSignalSpy silent(&config, &ConfigurationManager::uuidNumberChanged);
    config.set_uuidNumber(QStringLiteral("0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0"));
    QCOMPARE(silent.count(), 0);
    QCOMPARE(config.get_uuidNumber(), QStringLiteral("0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0"));
}

void TestConfigurationManager::specialSetters()
{
    Fixture f;
    f.core.customerId = 3;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);

    QSignalSpy iot(&config, &ConfigurationManager::iotTypeChanged);
    config.set_iotType(QStringLiteral("SOMETHING_ELSE"));
    QCOMPARE(config.get_iotType(), QStringLiteral("QRB_VAZARA"));
    config.set_iotType(QStringLiteral("GM_VAZARA"));
    config.set_iotType(QStringLiteral("GM_VAZARA"));
    QCOMPARE(iot.count(), 3);
    QCOMPARE(iot.at(0).at(0).toString(), QStringLiteral("QRB_VAZARA"));

    QSignalSpy unit(&config, &ConfigurationManager::tempUnitChanged);
    config.set_tempUnit(5);
    QCOMPARE(config.get_tempUnit(), 1);
    QCOMPARE(unit.count(), 1);
    QCOMPARE(unit.at(0).at(0).toInt(), 5);
    config.set_tempUnit(7); // still Celsius: no change
    QCOMPARE(unit.count(), 1);

    QSignalSpy orientation(&config, &ConfigurationManager::screenOrientationChanged);
    config.set_screenOrientation(2);
    config.set_screenOrientation(0);
    QCOMPARE(orientation.count(), 2);
    QCOMPARE(orientation.at(0).at(0).toBool(), true);
    QCOMPARE(orientation.at(1).at(0).toBool(), false);

    QSignalSpy dp(&config, &ConfigurationManager::individualDPEnabledChanged);
    f.core.isIndividualDpSelectable = false;
    config.set_individualDPEnabled(true);
    QVERIFY(!config.get_individualDPEnabled());
    QCOMPARE(dp.count(), 0);
    f.core.isIndividualDpSelectable = true;
    config.set_individualDPEnabled(true);
    config.set_individualDPEnabled(true);
    QVERIFY(config.get_individualDPEnabled());
    QCOMPARE(dp.count(), 2);

    QSignalSpy demoOn(&config, &ConfigurationManager::demoModeEnabled);
    QSignalSpy demoOff(&config, &ConfigurationManager::demoModeDisabled);
    config.set_demoModeFlag(true);
    config.set_demoModeFlag(true);
    config.set_demoModeFlag(false);
    QCOMPARE(demoOn.count(), 1);
    QCOMPARE(demoOff.count(), 1);

    const QString defaultPin = config.get_passwdL1();
    config.set_passwdL1(QStringLiteral("1234"));
    QCOMPARE(config.get_prevPasswdL1(), defaultPin);
    config.set_languageId(QStringLiteral("fra"));
    config.set_languageId(QStringLiteral("deu"));
    QCOMPARE(config.get_prevLanguageId(), QStringLiteral("fra"));

    QSignalSpy store(&config, &ConfigurationManager::storeNumberChanged);
    config.set_storeNumber(QStringLiteral("1234"));
    config.set_storeNumber(QStringLiteral("1234"));
    QCOMPARE(store.count(), 1);
    QCOMPARE(store.at(0), (QVariantList{QStringLiteral("1234"), QStringLiteral("N.A.")}));

    QSignalSpy ip(&config, &ConfigurationManager::ipAddressChanged);
    config.set_ipAddress(QStringLiteral("192.168.1.20"));
    config.set_ipAddress(QStringLiteral("192.168.1.20"));
    QCOMPARE(ip.count(), 1);
    config.set_ipAddress(QStringLiteral("not an address"));
    QCOMPARE(config.get_ipAddress(), QString());
    QCOMPARE(ip.count(), 2);

    config.set_productDiscardFlash(true); // never for this customer
    QVERIFY(!config.get_productDiscardFlash());
    QVERIFY(config.configFileText().contains("\nproductDiscardFlash=0\n"));
}

void TestConfigurationManager::lineBreaksAreRefused()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    config.set_wifiPassword(QStringLiteral("secret"));
    QSignalSpy spy(&config, &ConfigurationManager::wifiPasswordChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Refused a line break in setting wifiPassword"));
    config.set_wifiPassword(QStringLiteral("evil\nlanguageId=ara"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Refused a line break in setting passwdL1"));
    config.set_passwdL1(QStringLiteral("12\r34"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Refused a line break in setting gateway"));
    config.set_gateway(QStringLiteral("10.0.0.1\n"));
    QCOMPARE(config.get_wifiPassword(), QStringLiteral("secret"));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(config.configFileText().count('\n'), 69);
}

void TestConfigurationManager::serialNumberGoesToTheApplicationSettings()
{
    Fixture f;
    // A link planted at the settings file's name is removed, never saved through.
    const QString outside = f.scratch.base() + QStringLiteral("/outside.conf");
    QVERIFY(f.scratch.writeRootFile(QStringLiteral("../outside.conf"), "bait"));
    QVERIFY(QDir().mkpath(QFileInfo(ConfigurationManager::appSettingsPath()).absolutePath()));
    QVERIFY(QFile::link(outside, ConfigurationManager::appSettingsPath()));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is a link; removed, not followed"));
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    QTest::ignoreMessage(QtDebugMsg, "Set sysInfo/serialNumber to SN-0042");
    config.set_serialNumber(QStringLiteral("SN-0042"));
    QCOMPARE(config.value(QStringLiteral("sysInfo/serialNumber")).toString(), QStringLiteral("SN-0042"));
    QVERIFY(ConfigurationManager::appSettingsPath().startsWith(f.scratch.root()));
    QVERIFY(QFileInfo::exists(ConfigurationManager::appSettingsPath()));
    QVERIFY(!QFileInfo(ConfigurationManager::appSettingsPath()).isSymLink());
    QFile bait(outside);
    QVERIFY(bait.open(QIODevice::ReadOnly) && bait.readAll() == "bait");
}

void TestConfigurationManager::roundTripKeepsEveryValue()
{
    Fixture f;
    f.core.isIndividualDpSelectable = true;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    const QMetaObject *meta = config.metaObject();
    int salt = 3;
    for (const QString &key : ConfigurationManager::configFileKeys()) {
        const QMetaProperty p = meta->property(meta->indexOfProperty(key.toLatin1().constData()));
        QVariant v;
        switch (p.userType()) {
        case QMetaType::Bool:
            v = !p.read(&config).toBool();
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
            v = p.read(&config).toInt() + salt;
            break;
        default:
            v = QStringLiteral("text %1 = with \"quotes\" and ü").arg(salt);
        }
        ++salt;
        p.write(&config, v);
    }
    // Values that must hold their own form.
    config.set_languageId(QStringLiteral("kor"));
    config.set_iotType(QStringLiteral("GM_VAZARA"));
    config.set_timeZoneIndex(23);
    config.set_tempUnit(1);
    config.set_ipAddress(QStringLiteral("10.1.2.3"));
    config.set_netmask(QStringLiteral("255.255.0.0"));
    config.set_gateway(QStringLiteral("10.1.0.1"));
    config.set_wifiIpAddr(QStringLiteral("192.168.7.9"));
    config.set_wifiNetmask(QStringLiteral("255.255.255.0"));
    config.set_wifiGateway(QStringLiteral("192.168.7.1"));
    config.set_usedLanguages(0xFFFFFFFFu);
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
    QCOMPARE(loaded.get_wifiPassword(), config.get_wifiPassword());
    QCOMPARE(loaded.get_usedLanguages(), 0xFFFFFFFFu);
}

void TestConfigurationManager::fileHoldsTheKeysInOrder()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    QVERIFY(config.saveConfigFile());
    const QByteArray text = readFile(ConfigurationManager::configFilePath());
    QVERIFY(text.endsWith('\n'));
    const QList<QByteArray> lines = text.left(text.size() - 1).split('\n');
    QCOMPARE(lines.size(), 69);
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY(lines.at(i).startsWith(ConfigurationManager::configFileKeys().at(i).toLatin1() + '='));
    QCOMPARE(lines.at(0), QByteArray("ioBoardFirmwareVersion0=?.?.?"));
    QCOMPARE(lines.at(7), QByteArray("useFirstEnabled=1"));
    QCOMPARE(lines.at(16), QByteArray("languageId=eng_USA"));
    QCOMPARE(lines.at(20), QByteArray("ipAddress="));
    QCOMPARE(lines.at(55), QByteArray("usedLanguages=7"));
    QCOMPARE(lines.at(68), QByteArray("verticalFlip=0"));
    for (const char *absent : {"passwdL2", "passwdL3", "passwdL4", "readerFirmwareVersion1",
                               "iotConnected", "selectedCustomConfig", "networkSettingsUpdated",
                               "theOtherUiFwVersion", "wifiScanString"})
        QVERIFY(!text.contains(QByteArray(absent) + '='));
    // The file is replaced, never left half written, and the system sync follows.
    QVERIFY(!QFileInfo::exists(ConfigurationManager::configFilePath() + ".tmp"));
    QTRY_COMPARE(f.scratch.toolCalls().filter(QRegularExpression("^sync\\s*$")).size(), 1);
}

void TestConfigurationManager::valueWithEqualsSignSurvives()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    config.set_wifiPassword(QStringLiteral("a=b==c="));
    config.set_wifiSSID(QStringLiteral("=lead"));
    QVERIFY(config.saveConfigFile());
    ConfigurationManager loaded(nullptr, nullptr, true, 1, &f.core);
    QVERIFY(loaded.readConfigFile());
    QCOMPARE(loaded.get_wifiPassword(), QStringLiteral("a=b==c="));
    QCOMPARE(loaded.get_wifiSSID(), QStringLiteral("=lead"));
}

void TestConfigurationManager::readerEdgeCases()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    QVERIFY(f.scratch.writeRootFile(QStringLiteral("config.txt"),
                                    "storeNumber=\r\n"
                                    "soundLevel=55\r\n"
                                    "no equals sign here\n"
                                    "\n"
                                    "labelFontSize=big\n"
                                    "noSuchKey=1\n"
                                    "wifiSSID=Kitchen\r\n"
                                    "ntpOn=0\n"
                                    "dstEnabled=maybe\n"
                                    "usedLanguages=-1"));
    QTest::ignoreMessage(QtDebugMsg, "Unable to set TUL config property:  \"labelFontSize\"");
    QTest::ignoreMessage(QtDebugMsg, "Unable to set TUL config property:  \"noSuchKey\"");
    QTest::ignoreMessage(QtDebugMsg, "Unable to set TUL config property:  \"dstEnabled\"");
    QTest::ignoreMessage(QtDebugMsg, "Unable to set TUL config property:  \"usedLanguages\"");
    QVERIFY(config.readConfigFile());
    QCOMPARE(config.get_storeNumber(), QString()); // "key=" sets the empty text
    QCOMPARE(config.get_soundLevel(), 55);
    QCOMPARE(config.get_labelFontSize(), 24);
    QCOMPARE(config.get_wifiSSID(), QStringLiteral("Kitchen"));
    QCOMPARE(config.get_ntpOn(), false);
    QCOMPARE(config.get_dstEnabled(), true);
    QCOMPARE(config.get_usedLanguages(), 7u);
}

void TestConfigurationManager::readerSetsOnlyTheFileKeys()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    QVERIFY(f.scratch.writeRootFile(QStringLiteral("config.txt"),
                                    "passwdL3=0000\n"
                                    "objectName=hijacked\n"
                                    "systemConfigured=1\n"
                                    "serialNumber=X\n"
                                    "wifiScanString=<b>x</b>\n"));
    for (const char *key : {"passwdL3", "objectName", "systemConfigured", "serialNumber", "wifiScanString"})
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("Unable to set TUL config property:  \"%1\"").arg(key)));
    QVERIFY(config.readConfigFile());
    QCOMPARE(config.get_passwdL3(), md5("731960"));
    QCOMPARE(config.objectName(), QStringLiteral("configManager"));
    QVERIFY(!config.get_systemConfigured());
    QCOMPARE(config.get_serialNumber(), QString());
    QCOMPARE(config.get_wifiScanString(), QStringLiteral("No networks detected"));
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
        if (lines) {
            const QByteArray chunk = QByteArray("soundLevel=5\n").repeated(100000);
            for (qint64 n = 0; n < bytes; n += chunk.size())
                QCOMPARE(file.write(chunk), qint64(chunk.size()));
        } else {
            QVERIFY(file.resize(bytes));
        }
    }
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    QSignalSpy read(&config, &ConfigurationManager::configFileRead);
    QTest::ignoreMessage(bytes < 0 ? QtDebugMsg : QtWarningMsg, QRegularExpression(log));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!config.readConfigFile());
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(read.count(), 0);
    QCOMPARE(config.get_soundLevel(), 100);
}

void TestConfigurationManager::unknownLanguageFallsBackToEnglish()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    config.set_languageId(QStringLiteral("deu"));
    QVERIFY(f.scratch.writeRootFile(QStringLiteral("config.txt"), "languageId=klingon\n"));
    QSignalSpy spy(&config, &ConfigurationManager::languageIdChanged);
    QTest::ignoreMessage(QtWarningMsg, "Unknown language code \"klingon\" - using \"eng_USA\"");
    QVERIFY(config.readConfigFile());
    QCOMPARE(config.get_languageId(), QStringLiteral("eng_USA"));
    QCOMPARE(spy.count(), 1);
    Translator translator;
    QCOMPARE(translator.getLanguageId(config.get_languageId()), 0);
}

void TestConfigurationManager::nothingWrittenWhileUnconfigured()
{
    Fixture f;
    f.core.isConfigured = false;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    QVERIFY(!config.saveConfigFile());
    QVERIFY(!QFileInfo::exists(ConfigurationManager::configFilePath()));
    QVERIFY(!config.applyPreferences({{QStringLiteral("soundLevel"), 20}}));
    QVERIFY(!QFileInfo::exists(ConfigurationManager::configFilePath()));
    QCOMPARE(f.scratch.toolCalls(), QStringList());
}

void TestConfigurationManager::failedWriteIsReported()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    QVERIFY(config.saveConfigFile());
    const QByteArray before = readFile(ConfigurationManager::configFilePath());
    // A folder in the way of the temporary file makes the write fail.
    QVERIFY(QDir().mkpath(ConfigurationManager::configFilePath() + ".tmp/blocker"));
    config.set_soundLevel(42);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Safe write failed"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Unable to Open File for writing !!! No config saved."));
    QVERIFY(!config.saveConfigFile());
    QCOMPARE(readFile(ConfigurationManager::configFilePath()), before);
}

void TestConfigurationManager::usedLanguages()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    QVERIFY(config.getIsLanguageUsed(2));
    QVERIFY(!config.getIsLanguageUsed(3));
    QVERIFY(!config.getIsLanguageUsed(32));
    QVERIFY(!config.getIsLanguageUsed(-1));
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
}

void TestConfigurationManager::nextLanguageStartsFromTheTranslator()
{
    Fixture f;
    Translator translator;
    f.core.translatorPtr = &translator;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    config.set_usedLanguages(0b1011);
    QCOMPARE(config.getNextLanguageId(), 1); // no language yet: from English
    translator.setLanguage(1);
    QCOMPARE(config.getNextLanguageId(), 3);
    translator.setLanguage(3);
    QCOMPARE(config.getNextLanguageId(), 0);
}

void TestConfigurationManager::languageMirrorWithTheTranslator()
{
    Fixture f;
    Translator translator;
    f.core.translatorPtr = &translator;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    // The two direct connections the application core makes.
    connect(&config, &ConfigurationManager::languageIdChanged, &translator, &Translator::setLanguageByString);
    connect(&translator, &Translator::languageIdStringChanged, &config, &ConfigurationManager::set_languageId);

    QSignalSpy switched(&translator, &Translator::languageChanged);
    QSignalSpy stored(&config, &ConfigurationManager::languageIdChanged);
    translator.setLanguageByString(config.get_languageId());
    QCOMPARE(translator.getLanguage(), 0);
    QCOMPARE(stored.count(), 0); // the store already had "eng_USA"

    translator.setLanguage(Translator::LANGUAGE_ID_FRA);
    QCOMPARE(config.get_languageId(), QStringLiteral("fra"));
    config.set_languageId(QStringLiteral("jpn"));
    QCOMPARE(translator.getLanguage(), int(Translator::LANGUAGE_ID_JPN));
    QCOMPARE(switched.count(), 3);
    QCOMPARE(stored.count(), 2);
}

void TestConfigurationManager::timeZoneTable()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    RoleItemModel *model = config.timeZonesModel();
    QCOMPARE(model->rowCount(), 34);
    QCOMPARE(model->roleNames().value(257), QByteArray("timeZoneId"));
    QCOMPARE(model->roleNames().value(258), QByteArray("name"));
    const QVariantMap row8 = RoleItemModel::getModelData(model, 8);
    QCOMPARE(row8.value("timeZoneId").toString(), QStringLiteral("UTC-04:30"));
    QCOMPARE(row8.value("name").toString(), QStringLiteral("UTC-4:30"));
    QCOMPARE(config.getTimeZoneName(14), QStringLiteral("UTC"));
    QCOMPARE(config.getTimeZoneName(30), QStringLiteral("UTC+10:00"));
    QCOMPARE(config.getTimeZoneName(33), QStringLiteral("UTC+13:00"));
    QCOMPARE(config.getTimeZoneName(34), QString());
    QCOMPARE(config.getTimeZoneName(-1), QString());
    int previousOffset = -13 * 3600;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString id = RoleItemModel::getModelData(model, row).value("timeZoneId").toString();
        const QTimeZone zone(id.toLatin1());
        QVERIFY2(zone.isValid(), qPrintable(id));
        QVERIFY2(zone.offsetFromUtc(now) > previousOffset, qPrintable(id)); // ascending
        previousOffset = zone.offsetFromUtc(now);
    }
    config.loadTimeZonesInfo();
    QCOMPARE(model->rowCount(), 34);
}

void TestConfigurationManager::timeZoneIndexOutsideTheTable()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    config.set_timeZoneIndex(20);
    QVERIFY(f.scratch.writeRootFile(QStringLiteral("config.txt"), "timeZoneIndex=99\n"));
    QTest::ignoreMessage(QtWarningMsg, "Time zone index 99 is not in the table - using row 0");
    QVERIFY(config.readConfigFile());
    QCOMPARE(config.get_timeZoneIndex(), 0);
    QCOMPARE(config.getCurrentTimeZoneId(), QStringLiteral("UTC-12:00"));
}

void TestConfigurationManager::adjustToLocalDateTime()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
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
    QCOMPARE(utc.time(), QTime(12, 0)); // the argument is not changed
    config.set_timeZoneIndex(8); // UTC-04:30, a day earlier
    QCOMPARE(config.adjustToLocalDateTime(QDateTime(QDate(2024, 3, 1), QTime(2, 0), Qt::UTC)),
             QDateTime(QDate(2024, 2, 29), QTime(22, 30), QTimeZone(QByteArray("UTC-04:30"))));
    // A zone id this table does not know never gives an invalid time.
    QVERIFY(TimeZoneTable::adjustToLocalDateTime(utc, false, QStringLiteral("nowhere")).isValid());
}

void TestConfigurationManager::preferencesSaveOnTheMaster()
{
    Fixture f;
    f.core.isIndividualDpSelectable = true;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    SignalRecorder order(&config);
    const QVariantMap values{
        {"useFirstEnabled", false}, {"splitViewEnabled", true}, {"groupDotsEnabled", false},
        {"labelFontSize", 99}, {"individualDPEnabled", true}, {"soundLevel", 3},
        {"tempUnit", 1}, {"screenCleanActive", 1}, {"screenCleanTimeout", 2},
        {"timerColorStatus", true}, {"advancedZoneOptionsEnable", false},
        {"universalPanSoundEnable", true}, {"discardDurationEnabled", 0},
        {"discardSoundDuration", 5000}};
    QVERIFY(config.applyPreferences(values));
    QCOMPARE(order.names, (QStringList{"useFirstEnabled", "splitViewEnabled", "groupDotsEnabled",
                                       "labelFontSize", "individualDPEnabled", "soundLevel",
                                       "tempUnit", "screenCleanActive", "screenCleanTimeout",
                                       "timerColorStatus", "advancedZoneOptionsEnable",
                                       "universalPanSoundEnable", "discardDurationEnabled",
                                       "discardSoundDuration"}));
    // The screen's limits hold whatever reaches the store.
    QCOMPARE(config.get_labelFontSize(), 48);
    QCOMPARE(config.get_soundLevel(), 10);
    QCOMPARE(config.get_screenCleanTimeout(), 5);
    QCOMPARE(config.get_discardSoundDuration(), 3600);
    QCOMPARE(f.core.sentNames(), QStringList{"sendConfigSettingsData"});
    QVERIFY(readFile(ConfigurationManager::configFilePath()).contains("\nsoundLevel=10\n"));
}

void TestConfigurationManager::preferencesOnAnotherDisplayOnlyAsk()
{
    Fixture f;
    f.core.iAmMaster = false;
    ConfigurationManager config(nullptr, nullptr, false, 2, &f.core);
    SignalRecorder order(&config);
    const QVariantMap values{{"soundLevel", 30}, {"splitViewEnabled", true}};
    QVERIFY(config.applyPreferences(values));
    QCOMPARE(order.names, QStringList());
    QVERIFY(!QFileInfo::exists(ConfigurationManager::configFilePath()));
    QCOMPARE(f.core.sentNames(), QStringList{"sendConfigSettingsChangeRequest"});
    QCOMPARE(f.core.sent.at(0).args.at(0).toMap(), values);
}

void TestConfigurationManager::languagePageAccept()
{
    Fixture f;
    Translator translator;
    f.core.translatorPtr = &translator;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    connect(&translator, &Translator::languageIdStringChanged, &config, &ConfigurationManager::set_languageId);
    translator.setLanguage(0);

    // Page marks: French dropped, German offered, and German chosen; ids without a row
    // (not offered to this customer) keep their bits.
    config.setLanguageIsUsed(13, true);
    QVariantList marks{true, true, false, QVariant(), QVariant(), false};
    QVERIFY(config.applyLanguageSettings(marks, 5));
    QCOMPARE(config.get_usedLanguages(), (1u << 13) | (1u << 5) | 3u);
    QCOMPARE(translator.getLanguage(), 5);
    QCOMPARE(config.get_languageId(), QStringLiteral("deu"));
    QVERIFY(readFile(ConfigurationManager::configFilePath()).contains("\nlanguageId=deu\n"));
    QCOMPARE(f.core.sentNames(), QStringList()); // a lone master display tells nobody

    f.core.hasMirrorDisplay = true;
    QVERIFY(config.applyLanguageSettings(marks, 5));
    QCOMPARE(f.core.sentNames(), QStringList{"sendLanguageSettingsData"});
}

void TestConfigurationManager::dockLanguageChoice()
{
    Fixture f;
    Translator translator;
    f.core.translatorPtr = &translator;
    f.core.hasSecondaryDisplay = true;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    connect(&translator, &Translator::languageIdStringChanged, &config, &ConfigurationManager::set_languageId);
    QVERIFY(config.applyDockLanguage(2));
    QCOMPARE(translator.getLanguage(), 2);
    QVERIFY(readFile(ConfigurationManager::configFilePath()).contains("\nlanguageId=fra\n"));
    QCOMPARE(f.core.sentNames(), QStringList{"sendConfigSettingsData"});
}

void TestConfigurationManager::cabinetNamesAndMenuImport()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
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
    QVERIFY(readFile(ConfigurationManager::configFilePath()).contains("productsHashCodeTs=" + config.get_productsHashCodeTs().toLatin1()));

    QSignalSpy imported(&config, &ConfigurationManager::importedMenuChanged);
    config.processImportedMenu(QStringLiteral("lunch.tul|2024-03-01 10:00"));
    config.processImportedMenu(QStringLiteral("lunch.tul|2024-03-01 10:00"));
    QCOMPARE(imported.count(), 1);
    QVERIFY(readFile(ConfigurationManager::configFilePath()).contains("importedMenu=lunch.tul|2024-03-01 10:00\n"));
}

void TestConfigurationManager::colours()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    QCOMPARE(config.colorFromHsv(0.0, 1.0, 1.0), QStringLiteral("#ff0000"));
    const QString colour = QStringLiteral("#003673");
    const QString back = config.colorFromHsv(config.colorGetHueF(colour), config.colorGetSatF(colour),
                                             config.colorGetLumF(colour));
    QCOMPARE(back, colour);
    QCOMPARE(config.colorGetSatF(QStringLiteral("#808080")), 0.0);
}

void TestConfigurationManager::networkReloadTimer()
{
    Fixture f;
    ConfigurationManager config(nullptr, nullptr, true, 1, &f.core);
    QVERIFY(config.networkReloadTimer()->isActive());
    QVERIFY(!config.networkReloadTimer()->isSingleShot());
    QCOMPARE(config.networkReloadTimer()->interval(), 20000);
    QVERIFY(!config.networkRestartTimer()->isActive());
    QCOMPARE(config.networkRestartTimer()->interval(), 15000);
}

QTEST_GUILESS_MAIN(TestConfigurationManager)
#include "tst_configurationmanager.moc"
