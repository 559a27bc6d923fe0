#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "passcodes.h"
#include "scratchroots.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QString md5(const char *text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex());
}

QStringList g_messages;
void capture(QtMsgType, const QMessageLogContext &, const QString &message) { g_messages << message; }

} // namespace

class TestPasscodes : public QObject
{
    Q_OBJECT

private slots:
    void defaultsByCustomer_data();
    void defaultsByCustomer();
    void checkOrder_data();
    void checkOrder();
    void pinEntriesOfOneScreen_data();
    void pinEntriesOfOneScreen();
    void factoryDigits();
    void logoTaps_data();
    void logoTaps();
    void managerPinSurvivesOthersReturn();
    void noPinReachesTheLog();
    void servicePages_data();
    void servicePages();
    void updatePageLocks_data();
    void updatePageLocks();
};

void TestPasscodes::defaultsByCustomer_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("Vyx") << 1 << QStringList{md5("8312"), md5("604528"), md5("731960"), md5("285047")};
    QTest::newRow("QRB keeps digits") << 3 << QStringList{"7046", "604528", "731960", "285047"};
    QTest::newRow("others") << 5 << QStringList{md5("7046"), md5("604528"), md5("731960"), md5("285047")};
}

void TestPasscodes::defaultsByCustomer()
{
    QFETCH(int, customer);
    ScratchRoots scratch;
    FakeCabinetCore core;
    core.customerId = customer;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    QTEST((QStringList{config.get_passwdL1(), config.get_passwdL2(), config.get_passwdL3(), config.get_passwdL4()}), "stored");
    QVERIFY(Passcodes::defaultPasscode(customer, 0).isEmpty() && Passcodes::defaultPasscode(customer, 5).isEmpty());
}

void TestPasscodes::checkOrder_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QStringList>("typedL1toL3"); // the PINs given to levels 1-3
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("level");
    const QStringList distinct{"1111", "222222", "333333"};
    QTest::newRow("level 3") << 0 << 1 << distinct << "333333" << 3;
    QTest::newRow("level 2") << 0 << 1 << distinct << "222222" << 2;
    QTest::newRow("level 1") << 0 << 1 << distinct << "1111" << 1;
    QTest::newRow("wrong") << 0 << 1 << distinct << "1112" << 0;
    QTest::newRow("empty fails") << 0 << 1 << distinct << "" << 0;
    QTest::newRow("empty set as the manager's PIN") << 0 << 1 << QStringList{"", "222222", "333333"} << "" << 1;
    QTest::newRow("QRB, empty set as the manager's PIN") << 3 << 1 << QStringList{"", "222222", "333333"} << "" << 1;
    QTest::newRow("same PIN on all levels: 3 first") << 0 << 1 << QStringList{"5", "5", "5"} << "5" << 3;
    QTest::newRow("mirror 34: no level 3") << 0 << 34 << QStringList{"5", "5", "5"} << "5" << 2;
    QTest::newRow("mirror 34: level-3 PIN alone") << 0 << 34 << distinct << "333333" << 0;
    QTest::newRow("QRB compares digits") << 3 << 1 << distinct << "222222" << 2;
}

void TestPasscodes::checkOrder()
{
    QFETCH(int, customer);
    QFETCH(int, orientation);
    QFETCH(QStringList, typedL1toL3);
    QFETCH(QString, typed);
    QFETCH(int, level);
    ScratchRoots scratch;
    FakeCabinetCore core;
    core.customerId = customer;
    ConfigurationManager config(nullptr, nullptr, true, orientation, &core);
    config.set_passwdL1(config.storedPasscode(typedL1toL3.at(0)));
    config.set_passwdL2(config.storedPasscode(typedL1toL3.at(1)));
    config.set_passwdL3(config.storedPasscode(typedL1toL3.at(2)));
    if (customer == 3)
        QCOMPARE(config.get_passwdL2(), typedL1toL3.at(1));
    QCOMPARE(config.passcodeLevel(typed), level);
}

void TestPasscodes::pinEntriesOfOneScreen_data()
{
    QTest::addColumn<int>("lockLevel");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QList<int>>("results");
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("blocked");
    using L = QList<int>;
    const QStringList fiveWrong{"1", "2", "3", "4", "5"};
    QTest::newRow("manager's PIN opens level 1") << 1 << QStringList{"7046"} << L{1} << 0 << false;
    QTest::newRow("manager's PIN is not level 2") << 2 << QStringList{"7046"} << L{0} << 1 << false;
    QTest::newRow("level 3 opens level 2") << 2 << QStringList{"731960"} << L{3} << 0 << false;
    QTest::newRow("five failures still open the pad") << 1 << fiveWrong << L{0, 0, 0, 0, 0} << 5 << false;
    QTest::newRow("the sixth closes it") << 1 << fiveWrong + QStringList{"6"} << L{0, 0, 0, 0, 0, 0} << 6 << true;
    QTest::newRow("a good PIN clears the count") << 2 << fiveWrong + QStringList{"604528", "9"}
                                                 << L{0, 0, 0, 0, 0, 2, 0} << 1 << false;
    QTest::newRow("empty PIN") << 1 << QStringList{""} << L{0} << 1 << false;
    QTest::newRow("one failure, then a good PIN") << 1 << QStringList{"1", "7046"} << L{0, 1} << 0 << false;
    // An open page (lock level 0) asks nothing: no failure counted, nothing reported.
    QTest::newRow("open page") << 0 << QStringList{"1", ""} << L{0, 0} << 0 << false;
    QTest::newRow("open page, good PINs") << 0 << QStringList{"7046", "731960"} << L{0, 0} << 0 << false;
}

void TestPasscodes::pinEntriesOfOneScreen()
{
    QFETCH(int, lockLevel);
    QFETCH(QStringList, entries);
    QFETCH(QList<int>, results);
    QFETCH(int, failures);
    QFETCH(bool, blocked);
    ScratchRoots scratch;
    FakeCabinetCore core;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    PinGate gate;
    gate.setConfig(&config);
    QSignalSpy entered(&config, &ConfigurationManager::passcodeEntered);
    QList<int> got;
    for (const QString &pin : entries)
        got << gate.check(QStringLiteral("ErrorsLogPanel"), lockLevel, pin);
    QCOMPARE(got, results);
    QCOMPARE(gate.failures(), failures);
    QCOMPARE(gate.blocked(), blocked);
    // The lock without a screen name decides alike.
    PinGate unreported;
    unreported.setConfig(&config);
    got.clear();
    for (const QString &pin : entries)
        got << unreported.checkUnreported(lockLevel, pin);
    QCOMPARE(got, results);
    QCOMPARE(unreported.failures(), failures);
    QCOMPARE(entered.count(), lockLevel > 0 ? entries.size() : 0);
    for (int i = 0; i < entered.size(); ++i) {
        const bool good = results.at(i) > 0;
        QCOMPARE(entered.at(i), (QVariantList{QStringLiteral("ErrorsLogPanel"), good ? results.at(i) : lockLevel, good}));
    }
}

void TestPasscodes::factoryDigits()
{
    // Only the level-3 and level-4 digits open, never their stored form; a success clears the count.
    PinGate gate;
    QVERIFY(!gate.checkFactoryDigits(QStringLiteral("1")));
    QVERIFY(gate.checkFactoryDigits(QStringLiteral("285047")));
    QCOMPARE(gate.failures(), 0);
    QVERIFY(gate.checkFactoryDigits(QStringLiteral("731960")));
    QVERIFY(!gate.checkFactoryDigits(QStringLiteral("604528")));
    QVERIFY(!gate.checkFactoryDigits(md5("731960")));
    QCOMPARE(gate.failures(), 2);
}

void TestPasscodes::logoTaps_data()
{
    QTest::addColumn<QList<int>>("bursts"); // taps in quick succession, bursts apart
    QTest::addColumn<int>("resets");
    QTest::newRow("twelve taps") << QList<int>{12} << 1;
    QTest::newRow("eleven taps") << QList<int>{11} << 0;
    QTest::newRow("six, a pause, six") << QList<int>{6, 6} << 0;
    QTest::newRow("twenty-four taps") << QList<int>{24} << 2;
}

void TestPasscodes::logoTaps()
{
    QFETCH(QList<int>, bursts);
    QFETCH(int, resets);
    LogoTapCounter counter;
    QSignalSpy reset(&counter, &LogoTapCounter::resetRequested);
    for (int taps : bursts) {
        for (int i = 0; i < taps; ++i)
            counter.tap();
        QTRY_COMPARE_WITH_TIMEOUT(counter.count(), 0, 2000);
    }
    QCOMPARE(reset.count(), resets);
}

void TestPasscodes::managerPinSurvivesOthersReturn()
{
    ScratchRoots scratch;
    FakeCabinetCore core;
    {
        ConfigurationManager config(nullptr, nullptr, true, 1, &core);
        QSignalSpy changed(&config, &ConfigurationManager::passcodeChanged);
        QVERIFY(config.changeManagerPasscode(QStringLiteral("2468")));
        QCOMPARE(changed.takeFirst().first().toString(), QStringLiteral("2468"));
        config.set_passwdL2(config.storedPasscode(QStringLiteral("1")));
        config.set_passwdL3(config.storedPasscode(QStringLiteral("2")));
        config.set_passwdL4(config.storedPasscode(QStringLiteral("3")));
    }
    ConfigurationManager restarted(nullptr, nullptr, true, 1, &core);
    restarted.readConfigFile();
    QCOMPARE(restarted.passcodeLevel(QStringLiteral("2468")), 1);
    QCOMPARE(restarted.get_passwdL2(), md5("604528"));
    QCOMPARE(restarted.get_passwdL3(), md5("731960"));
    QCOMPARE(restarted.get_passwdL4(), md5("285047"));

    // The dock logo's reset brings the default back and reports the stored form.
    QSignalSpy changed(&restarted, &ConfigurationManager::passcodeChanged);
    QVERIFY(restarted.resetManagerPasscode());
    QCOMPARE(changed.takeFirst().first().toString(), md5("7046"));
    ConfigurationManager third(nullptr, nullptr, true, 1, &core);
    third.readConfigFile();
    QCOMPARE(third.passcodeLevel(QStringLiteral("7046")), 1);
}

void TestPasscodes::noPinReachesTheLog()
{
    ScratchRoots scratch;
    FakeCabinetCore core;
    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    {
        ConfigurationManager config(nullptr, nullptr, true, 1, &core);
        PinGate gate;
        gate.setConfig(&config);
        gate.check(QStringLiteral("PasswordPanel"), 1, QStringLiteral("97531"));
        gate.check(QStringLiteral("PasswordPanel"), 1, QStringLiteral("7046"));
        gate.checkFactoryDigits(QStringLiteral("864200"));
        config.changeManagerPasscode(QStringLiteral("97531"));
        config.readConfigFile();
        config.readConfigText("passwdL1=\n");
        config.resetManagerPasscode();
        config.set_passwdL2(QStringLiteral("864200\nx"));
    }
    qInstallMessageHandler(previous);
    const QStringList secrets{"97531", "7046", "864200", md5("97531"), md5("7046"), md5("604528")};
    for (const QString &message : qAsConst(g_messages)) {
        for (const QString &secret : secrets)
            QVERIFY2(!message.contains(secret), qPrintable(message));
    }
}

void TestPasscodes::servicePages_data()
{
    QTest::addColumn<bool>("master");
    QTest::addColumn<int>("customer");
    QTest::addColumn<bool>("preferencesLock");
    QTest::addColumn<bool>("advanced");
    QTest::addColumn<bool>("lumo");
    QTest::addColumn<bool>("haccp");
    QTest::addColumn<QString>("pages");
    QTest::newRow("master") << true << 0 << false << false << false << false
                            << "UtilitiesPanel:2 Preferences:0 DateTimePanel:1 LanguagePanel:1 DaypartsToUsePanel:1 "
                               "NetworkingPanel:2 ZoneDiagnosticsPanel:2 ErrorsLogPanel:2 PasswordPanel:1 "
                               "SystemInformationPanel:2 UtilitiesPanel:2 PreferencesEnd:0";
    QTest::newRow("other display, locked preferences, HACCP")
        << false << 0 << true << false << false << true
        << "UtilitiesPanel:2 Preferences:1 DateTimePanel:-1 LanguagePanel:-1 DaypartsToUsePanel:-1 "
           "NetworkingPanel:-1 ZoneDiagnosticsPanel:-1 ErrorsLogPanel:-1 HoldingLogPanel:0 PasswordPanel:-1 "
           "SystemInformationPanel:-1 UtilitiesPanel:2 PreferencesEnd:1";
    QTest::newRow("QRB with LuMo") << true << 3 << false << false << true << false
                                   << "UtilitiesPanel:2 Preferences:0 DateTimePanel:1 CabinetNamesPanel:1 "
                                      "NetworkingPanel:-1 ZoneDiagnosticsPanel:2 ErrorsLogPanel:2 PasswordPanel:1 "
                                      "SystemInformationPanel:2 UtilitiesPanel:2 PreferencesEnd:0";
    QTest::newRow("eco mode, TANDOR") << true << 2 << false << true << false << false
                                      << "UtilitiesPanel:2 Preferences:0 DateTimePanel:1 LanguagePanel:1 "
                                         "DaypartsToUsePanel:1 EcoModeItem:2 NetworkingPanel:2 ZoneDiagnosticsPanel:2 "
                                         "ErrorsLogPanel:2 PasswordPanel:1 SystemInformationPanel:2 UtilitiesPanel:2 "
                                         "PreferencesEnd:0";
    QTest::newRow("eco mode elsewhere") << true << 0 << false << true << false << false
                                        << "UtilitiesPanel:2 Preferences:0 DateTimePanel:1 LanguagePanel:1 "
                                           "DaypartsToUsePanel:1 EcoModeItem:1 NetworkingPanel:2 "
                                           "ZoneDiagnosticsPanel:2 ErrorsLogPanel:2 PasswordPanel:1 "
                                           "SystemInformationPanel:2 UtilitiesPanel:2 PreferencesEnd:0";
}

void TestPasscodes::servicePages()
{
    QFETCH(bool, master);
    QFETCH(int, customer);
    QFETCH(bool, preferencesLock);
    QFETCH(bool, advanced);
    QFETCH(bool, lumo);
    QFETCH(bool, haccp);
    QFETCH(QString, pages);
    ScratchRoots scratch;
    FakeCabinetCore core;
    core.customerId = customer;
    core.haccpEnabled = haccp;
    ConfigurationManager config(nullptr, nullptr, master, 1, &core);
    config.set_iotType(lumo ? QStringLiteral("QRB_LUMO") : QStringLiteral("QRB_VAZARA"));
    config.setPersonalityAccess(preferencesLock, advanced);
    QStringList got;
    for (const QVariant &page : config.servicePages()) {
        const QVariantMap map = page.toMap();
        got << map.value(QStringLiteral("screen")).toString() + QLatin1Char(':')
                   + map.value(QStringLiteral("lockLevel")).toString();
    }
    QCOMPARE(got.join(QLatin1Char(' ')), pages);
}

void TestPasscodes::updatePageLocks_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<bool>("master");
    QTest::addColumn<int>("lockLevel");
    QTest::addColumn<QString>("pin");
    QTest::addColumn<int>("opened"); // the level reached, 0: refused and counted
    QTest::newRow("customer 3, manager's digits") << 3 << true << 1 << "7046" << 1;
    QTest::newRow("customer 1, manager's PIN") << 1 << true << 1 << "8312" << 1;
    QTest::newRow("customer 1, level 2") << 1 << true << 1 << "604528" << 2;
    QTest::newRow("customer 0, manager's PIN refused") << 0 << true << 2 << "7046" << 0;
    QTest::newRow("customer 2, level 2") << 2 << true << 2 << "604528" << 2;
    QTest::newRow("customer 5, level 3") << 5 << true << 2 << "731960" << 3;
    QTest::newRow("customer 4, wrong") << 4 << true << 2 << "000000" << 0;
    QTest::newRow("other display, customer 3") << 3 << false << -1 << "731960" << 0;
}

// The updates list's pages: the level per customer and display, and a PIN counted like
// any other but not reported to the cloud link.
void TestPasscodes::updatePageLocks()
{
    QFETCH(int, customer);
    QFETCH(bool, master);
    QFETCH(int, lockLevel);
    QFETCH(QString, pin);
    QFETCH(int, opened);
    ScratchRoots scratch;
    FakeCabinetCore core;
    core.customerId = customer;
    ConfigurationManager config(nullptr, nullptr, master, 1, &core);
    QCOMPARE(config.updatesLockLevel(), lockLevel);
    PinGate gate;
    gate.setConfig(&config);
    QSignalSpy entered(&config, &ConfigurationManager::passcodeEntered);
    QCOMPARE(gate.checkUnreported(lockLevel, pin), opened);
    // A lock that cannot be opened counts nothing either.
    QCOMPARE(gate.failures(), opened == 0 && lockLevel > 0 ? 1 : 0);
    QCOMPARE(entered.count(), 0);
}

QTEST_GUILESS_MAIN(TestPasscodes)
#include "tst_passcodes.moc"
