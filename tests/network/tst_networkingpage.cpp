// The Wi-Fi Networking page reached through the service carousel and driven by taps and
// keys: what it writes (the settings file, the system's network files, the tools run),
// what it refuses, how it reports the network tools' end, the reset to the default
// network behind its PIN, the cloud link's status lines, and the Wi-Fi set-up of the
// Utilities page.
#include "../config/servicescreen.h"
#include "../iot/fakeholdingview.h"

#include "commandlauncher.h"
#include "networkcontrol.h"
#include "networkfiles.h"
#include "tullumo.h"
#include "virtualkeyinput.h"
#include "wifimonitor.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>

namespace {

const char *kPage = "Wi-Fi Networking";
const char *kLevel2 = "604528";

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The calls of the network tools, in order; the detached file-system syncs of the saves
// may land anywhere between them.
QStringList networkCalls(const ScratchRoots &roots)
{
    QStringList calls;
    for (const QString &call : roots.toolCalls()) {
        if (call.trimmed() != QLatin1String("sync"))
            calls << call;
    }
    return calls;
}

// The page with what it reads beyond the settings store: the cloud link, the Wi-Fi monitor
// and the letter keyboard's key input.
struct NetworkingScreen : ServiceScreen
{
    FakeHolding<IotHoldingView> holding;
    TulLumo *lumo = nullptr;
    WifiMonitor monitor;
    VirtualKeyInput keys;

    NetworkingScreen() : ServiceScreen(true, true, 0)
    {
        VirtualKeyInput::registerQmlTypes();
        extraContext.insert(QStringLiteral("vki"), &keys);
        lumo = new TulLumo(&holding, &core);
        extraContext.insert(QStringLiteral("TulLumo"), lumo);
        extraContext.insert(QStringLiteral("wifiMonitor"), &monitor);
    }

    QQuickItem *networking() const { return item("networkingPage"); }
    QString outcome() const { return networking()->property("outcome").toString(); }

    // Opens the page and unlocks it with a level 2 PIN.
    bool openUnlocked()
    {
        return load() && open(QString::fromLatin1(kPage)) && unlock(QString::fromLatin1(kLevel2))
               && QTest::qWaitFor([this] { return page(QString::fromLatin1(kPage))->isEnabled(); });
    }
    // Taps once the last change is drawn: a box just shown has laid out its buttons.
    bool tapDrawn(const char *name, const char *within = nullptr)
    {
        QSignalSpy swapped(view.get(), &QQuickWindow::frameSwapped);
        view->update();
        return swapped.wait(5000) && tap(name, within);
    }
    // Scrolls the form to a row and taps it.
    bool tapRow(const char *name)
    {
        QQuickItem *row = item(name);
        if (!row)
            return false;
        QMetaObject::invokeMethod(networking(), "reveal", Q_ARG(QVariant, QVariant::fromValue<QObject *>(row)));
        return tap(name);
    }
    // Types as the keyboards do, letters of any language included, then Return.
    void enter(const QString &text) const
    {
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(view.get(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, view.get(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::keyClick(view.get(), Qt::Key_Return);
    }
    // Switches to tap, then fields (object name, text) to fill; false when one is missing.
    bool fill(const QStringList &switches, const QStringList &fields)
    {
        for (const QString &name : switches) {
            if (!tapRow(name.toLatin1().constData()))
                return false;
        }
        for (int i = 0; i + 1 < fields.size(); i += 2) {
            if (!tapRow(fields.at(i).toLatin1().constData()))
                return false;
            enter(fields.at(i + 1));
            if (item(fields.at(i).toLatin1().constData())->property("text").toString() != fields.at(i + 1))
                return false;
        }
        return true;
    }
    void receive(const QJsonObject &message)
    {
        lumo->handleReceivedLumoInfo(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    }
};

} // namespace

class tst_NetworkingPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString standIns = qEnvironmentVariable("TUL_TOOLS_DIR");
        QVERIFY(!standIns.isEmpty());
        for (const QString &program : NetworkControl::programs())
            QVERIFY2(CommandLauncher::resolveProgram(program).startsWith(standIns), qPrintable(program));
        NetworkControl::stepTimeoutMs = 2000;
    }
    void setsTheNetworkByTapsAndKeys_data();
    void setsTheNetworkByTapsAndKeys();
    void refusesBadValues_data();
    void refusesBadValues();
    void reportsHowTheToolsEnd_data();
    void reportsHowTheToolsEnd();
    void resetsThroughThePin_data();
    void resetsThroughThePin();
    void statusLinesFollowTheCloud_data();
    void statusLinesFollowTheCloud();
    void utilitiesSetUpTheWifi_data();
    void utilitiesSetUpTheWifi();
    void lockedPageIsReadOnly_data();
    void lockedPageIsReadOnly();
    void identityOnlyForAnEnterpriseLogin_data();
    void identityOnlyForAnEnterpriseLogin();
    void wifiIconTellsTheLink_data();
    void wifiIconTellsTheLink();
};

void tst_NetworkingPage::setsTheNetworkByTapsAndKeys_data()
{
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<QStringList>("fields");     // object name, text typed
    QTest::addColumn<QStringList>("settings");   // lines of config.txt
    QTest::addColumn<QStringList>("interfaces"); // lines of the interfaces file
    QTest::addColumn<QStringList>("supplicant"); // lines of the supplicant's file
    QTest::addColumn<QStringList>("calls");

    const QStringList down{"ifdown eth0", "ifdown wlan0"};
    QTest::newRow("static Wi-Fi with a pass phrase")
        << QStringList{"wifiStaticSwitch"}
        << QStringList{"wifiSSIDField", "Kitchen 2", "wifiPasswordField", "fries&shakes", "wifiIpAddrField",
                       "192.168.4.20", "wifiNetmaskField", "255.255.255.0", "wifiGatewayField", "192.168.4.1"}
        << QStringList{"wifiSSID=Kitchen 2", "wifiPassword=fries&shakes", "wifiStaticIp=1", "wifiIpAddr=192.168.4.20",
                       "wifiNetmask=255.255.255.0", "wifiGateway=192.168.4.1", "wifiEnabled=1", "ethEnabled=0"}
        << QStringList{"iface wlan0 inet static", "    address 192.168.4.20", "    netmask 255.255.255.0",
                       "    gateway 192.168.4.1"}
        << QStringList{"    ssid=\"Kitchen 2\"", "    key_mgmt=WPA-PSK", "    psk=\"fries&shakes\""}
        << down + QStringList{"wpa_cli -i wlan0 reconfigure", "ifup wlan0"};
    QTest::newRow("static Wi-Fi, open network, no gateway")
        << QStringList{"wifiStaticSwitch"}
        << QStringList{"wifiSSIDField", "StoreGuest", "wifiIpAddrField", "10.1.2.3", "wifiNetmaskField", "255.255.0.0"}
        << QStringList{"wifiSSID=StoreGuest", "wifiPassword=", "wifiIpAddr=10.1.2.3", "wifiGateway="}
        << QStringList{"iface wlan0 inet static", "    address 10.1.2.3", "    netmask 255.255.0.0"}
        << QStringList{"    ssid=\"StoreGuest\"", "    key_mgmt=NONE"}
        << down + QStringList{"wpa_cli -i wlan0 reconfigure", "ifup wlan0"};
    // Both limits at once: 16 two-byte letters, 63 characters.
    const QString name32 = QString(16, QChar(0xE9));
    const QString pass63 = QString(63, QLatin1Char('k'));
    QTest::newRow("name of 32 bytes, pass phrase of 63 characters")
        << QStringList()
        << QStringList{"wifiSSIDField", name32, "wifiPasswordField", pass63}
        << QStringList{"wifiSSID=" + name32, "wifiPassword=" + pass63, "wifiStaticIp=0"}
        << QStringList{"iface wlan0 inet dhcp"}
        << QStringList{"    ssid=\"" + name32 + "\"", "    psk=\"" + pass63 + "\""}
        << down + QStringList{"wpa_cli -i wlan0 reconfigure", "ifup wlan0"};
    // Any printable character, a quote included, saved as typed and read by the supplicant
    // to its line's last quote.
    QTest::newRow("quotes in name and pass phrase")
        << QStringList()
        << QStringList{"wifiSSIDField", "Joe\"s", "wifiPasswordField", "say \"fries\"!"}
        << QStringList{"wifiSSID=Joe\"s", "wifiPassword=say \"fries\"!"}
        << QStringList{"iface wlan0 inet dhcp"}
        << QStringList{"    ssid=\"Joe\"s\"", "    psk=\"say \"fries\"!\""}
        << down + QStringList{"wpa_cli -i wlan0 reconfigure", "ifup wlan0"};
    QTest::newRow("static wired, Wi-Fi off")
        << QStringList{"wifiEnabledSwitch", "ethEnabledSwitch"}
        << QStringList{"ipAddressField", "192.168.10.20", "netmaskField", "255.255.255.0", "gatewayField", "192.168.10.1"}
        << QStringList{"ethEnabled=1", "wifiEnabled=0", "staticIPEnabled=1", "ipAddress=192.168.10.20",
                       "netmask=255.255.255.0", "gateway=192.168.10.1"}
        << QStringList{"iface eth0 inet static", "    address 192.168.10.20", "    gateway 192.168.10.1"}
        << QStringList{"ap_scan=1"}
        << down + QStringList{"ifup eth0"};
}

// Every expected line is a line of the text.
#define VERIFY_LINES(text, expected)                                                        \
    do {                                                                                    \
        const QStringList have = QString::fromUtf8(text).split(QLatin1Char('\n'));          \
        for (const QString &line : expected)                                                \
            QVERIFY2(have.contains(line), qPrintable(line + " in:\n" + have.join('\n')));   \
    } while (false)

void tst_NetworkingPage::setsTheNetworkByTapsAndKeys()
{
    QFETCH(QStringList, switches);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, settings);
    QFETCH(QStringList, interfaces);
    QFETCH(QStringList, supplicant);
    NetworkingScreen s;
    QVERIFY(s.openUnlocked());
    QVERIFY(s.fill(switches, fields));
    QVERIFY(s.tap("networkingAcceptButton"));
    QTRY_COMPARE(s.outcome(), QStringLiteral("done"));
    QCOMPARE(s.text("networkOutcome"), QStringLiteral("Network settings applied."));

    VERIFY_LINES(s.configFile(), settings);
    VERIFY_LINES(readFile(NetworkFiles::interfacesPath()), interfaces);
    VERIFY_LINES(readFile(NetworkFiles::supplicantPath()), supplicant);
    // A disabled interface is not brought up.
    const QByteArray written = readFile(NetworkFiles::interfacesPath());
    QCOMPARE(written.contains("iface eth0"), settings.contains("ethEnabled=1"));
    QCOMPARE(written.contains("iface wlan0"), !settings.contains("wifiEnabled=0"));
    QTEST(networkCalls(s.scratch), "calls");
    QVERIFY(!s.enabled("networkingAcceptButton")); // nothing left to apply
}

void tst_NetworkingPage::refusesBadValues_data()
{
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("named");

    const QStringList staticWifi{"wifiStaticSwitch"};
    const QStringList net{"wifiSSIDField", "Net", "wifiPasswordField", "password1"};
    QTest::newRow("address of three parts") << staticWifi
        << net + QStringList{"wifiIpAddrField", "192.168.4", "wifiNetmaskField", "255.255.255.0"}
        << "Wi-Fi IP address is not a valid IPv4 host address.";
    QTest::newRow("part above 255") << staticWifi
        << net + QStringList{"wifiIpAddrField", "192.168.4.256", "wifiNetmaskField", "255.255.255.0"}
        << "Wi-Fi IP address is not a valid IPv4 host address.";
    QTest::newRow("leading zero") << staticWifi
        << net + QStringList{"wifiIpAddrField", "192.168.04.20", "wifiNetmaskField", "255.255.255.0"}
        << "Wi-Fi IP address is not a valid IPv4 host address.";
    QTest::newRow("the network's own address") << staticWifi
        << net + QStringList{"wifiIpAddrField", "192.168.4.0", "wifiNetmaskField", "255.255.255.0"}
        << "Wi-Fi IP address is not a valid IPv4 host address.";
    QTest::newRow("broadcast address") << staticWifi
        << net + QStringList{"wifiIpAddrField", "10.1.255.255", "wifiNetmaskField", "255.255.0.0"}
        << "Wi-Fi IP address is not a valid IPv4 host address.";
    QTest::newRow("netmask with a gap") << staticWifi
        << net + QStringList{"wifiIpAddrField", "192.168.4.20", "wifiNetmaskField", "255.0.255.0"}
        << "Wi-Fi netmask is not a valid netmask.";
    QTest::newRow("loopback gateway") << staticWifi
        << net + QStringList{"wifiIpAddrField", "192.168.4.20", "wifiNetmaskField", "255.255.255.0",
                             "wifiGatewayField", "127.0.0.1"}
        << "Wi-Fi gateway is not a valid IPv4 host address.";
    QTest::newRow("wired multicast address") << QStringList{"ethEnabledSwitch"}
        << QStringList{"ipAddressField", "224.0.0.5", "netmaskField", "255.255.255.0"}
        << "Wired IP address is not a valid IPv4 host address.";
    QTest::newRow("wired netmask left empty") << QStringList{"ethEnabledSwitch"}
        << QStringList{"ipAddressField", "192.168.10.20"}
        << "Wired netmask is not a valid netmask.";
    QTest::newRow("wired gateway of nothing") << QStringList{"ethEnabledSwitch"}
        << QStringList{"ipAddressField", "192.168.10.20", "netmaskField", "255.255.255.0", "gatewayField", "0.0.0.0"}
        << "Wired gateway is not a valid IPv4 host address.";
    QTest::newRow("network name of 33 bytes in 17 letters") << QStringList()
        << QStringList{"wifiSSIDField", QString(16, QChar(0xE9)) + "x", "wifiPasswordField", "password1"}
        << "Network name (SSID) is longer than 32 bytes.";
    QTest::newRow("network name left empty") << QStringList()
        << QStringList{"wifiPasswordField", "password1"}
        << "Network name (SSID) must not be empty while Wi-Fi is enabled.";
    QTest::newRow("pass phrase of 7 characters") << QStringList()
        << QStringList{"wifiSSIDField", "Net", "wifiPasswordField", "1234567"}
        << "Pass phrase must be 8 to 63 characters long.";
    QTest::newRow("pass phrase of 64 characters") << QStringList()
        << QStringList{"wifiSSIDField", "Net", "wifiPasswordField", QString(64, QLatin1Char('p'))}
        << "Pass phrase must be 8 to 63 characters long.";
}

void tst_NetworkingPage::refusesBadValues()
{
    QFETCH(QStringList, switches);
    QFETCH(QStringList, fields);
    QFETCH(QString, named);
    NetworkingScreen s;
    QVERIFY(s.openUnlocked());
    QVERIFY(s.fill(switches, fields));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Network settings refused"));
    QVERIFY(s.tap("networkingAcceptButton"));
    QCOMPARE(s.outcome(), QStringLiteral("refused"));
    QCOMPARE(s.text("networkOutcome"), named + " Nothing was saved.");
    // Nothing set, saved, written or run; what was typed is still there to mend.
    QCOMPARE(s.config->get_wifiSSID(), QString());
    QCOMPARE(s.config->get_wifiStaticIp(), false);
    QCOMPARE(s.config->get_ethEnabled(), false);
    QVERIFY(!QFile::exists(ConfigurationManager::configFilePath()));
    QVERIFY(!QFile::exists(NetworkFiles::interfacesPath()));
    QVERIFY(!QFile::exists(NetworkFiles::supplicantPath()));
    for (int i = 0; i + 1 < fields.size(); i += 2)
        QCOMPARE(s.text(fields.at(i).toLatin1().constData()), fields.at(i + 1));
    QVERIFY(s.enabled("networkingAcceptButton"));
    QTest::qWait(100);
    QCOMPARE(s.scratch.toolCalls(), QStringList());
}

// Accepted values whose application goes wrong: the page says how it ended.
void tst_NetworkingPage::reportsHowTheToolsEnd_data()
{
    QTest::addColumn<QString>("trouble"); // a stand-in's answer file, or a path made a folder
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("toolsRun");
    QTest::newRow("every step succeeds") << "" << "done" << "Network settings applied." << true;
    QTest::newRow("ifup fails") << "standins/ifup.exit=1" << "failed" << "The network could not be restarted." << true;
    QTest::newRow("supplicant not running") << "standins/wpa_cli.exit=255" << "failed"
                                            << "The network could not be restarted." << true;
    QTest::newRow("supplicant file cannot be written") << "dir:etc/wpa_supplicant.conf" << "failed"
                                                       << "The network could not be restarted." << true;
    QTest::newRow("settings file cannot be written") << "root:config.txt" << "saveFailed"
        << "The settings could not be saved. The network was not changed." << false;
}

void tst_NetworkingPage::reportsHowTheToolsEnd()
{
    QFETCH(QString, trouble);
    QFETCH(bool, toolsRun);
    NetworkingScreen s;
    if (trouble.startsWith("dir:")) {
        QVERIFY(QDir().mkpath(s.scratch.system() + trouble.mid(4)));
    } else if (trouble.startsWith("root:")) {
        QVERIFY(QDir().mkpath(s.scratch.root() + trouble.mid(5)));
    } else if (!trouble.isEmpty()) {
        QVERIFY(QDir().mkpath(s.scratch.system() + "standins"));
        QFile f(s.scratch.system() + trouble.section('=', 0, 0));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(trouble.section('=', 1).toLatin1()) > 0);
    }
    QVERIFY(s.openUnlocked());
    QVERIFY(s.fill({}, {"wifiSSIDField", "Line 4", "wifiPasswordField", "password1"}));
    if (trouble.startsWith("dir:"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unable to write"));
    QVERIFY(s.tap("networkingAcceptButton"));
    QFETCH(QString, outcome);
    QTRY_COMPARE(s.outcome(), outcome);
    QTEST(s.text("networkOutcome"), "shown");
    QTest::qWait(100);
    QCOMPARE(networkCalls(s.scratch).contains("ifup wlan0"), toolsRun);
}

void tst_NetworkingPage::resetsThroughThePin_data()
{
    QTest::addColumn<QStringList>("pins");
    QTest::addColumn<QString>("answer"); // to "Reset to default network?"
    QTest::addColumn<bool>("reset");
    QTest::newRow("wrong PIN") << QStringList{"1111"} << "" << false;
    QTest::newRow("manager's PIN, No") << QStringList{"7046"} << "no" << false;
    QTest::newRow("manager's PIN, Yes") << QStringList{"7046"} << "yes" << true;
    QTest::newRow("level 2 after a wrong PIN, Yes") << QStringList{"1111", "604528"} << "yes" << true;
    QTest::newRow("level 3, Yes") << QStringList{"731960"} << "yes" << true;
    QTest::newRow("six wrong PINs") << QStringList{"1111", "1111", "1111", "1111", "1111", "1111"} << "" << false;
}

void tst_NetworkingPage::resetsThroughThePin()
{
    QFETCH(QStringList, pins);
    QFETCH(QString, answer);
    QFETCH(bool, reset);
    NetworkingScreen s;
    QVERIFY(s.scratch.writeRootFile("updates/defaultNetwork.txt", "ssid=\"SeedNet\"\npsk=\"seedpass1\"\n"));
    QVERIFY(s.openUnlocked());
    QSignalSpy entered(s.config, &ConfigurationManager::passcodeEntered);

    QVERIFY(s.tapRow("resetNetworkButton"));
    QVERIFY(s.shown("networkPinPad"));
    for (const QString &pin : pins)
        s.type(pin);
    QCOMPARE(entered.count(), pins.size());
    QCOMPARE(entered.last().at(0).toString(), QStringLiteral("NetworkingPanel"));
    const bool accepted = !answer.isEmpty();
    QCOMPARE(entered.last().at(2).toBool(), accepted);
    QCOMPARE(s.shown("resetNetworkQuestion"), accepted);
    if (accepted) {
        QCOMPARE(QmlScreen::find(s.item("resetNetworkQuestion"), "configMessageText")->property("text").toString(),
                 QStringLiteral("Reset to default network?"));
        QVERIFY(s.tapDrawn(answer == "yes" ? "configMessageYes" : "configMessageNo", "resetNetworkQuestion"));
    } else if (pins.size() > 5) {
        // Locked out: the pad closed, and it does not open again.
        QVERIFY(!s.shown("networkPinPad"));
        QVERIFY(s.shown("networkMessage"));
        QCOMPARE(QmlScreen::find(s.item("networkMessage"), "configMessageText")->property("text").toString(),
                 QStringLiteral("Too many failed attempts.\nCall service."));
        QVERIFY(s.tapDrawn("configMessageClose", "networkMessage"));
        QVERIFY(s.tap("resetNetworkButton"));
        QVERIFY(!s.shown("networkPinPad"));
        QVERIFY(s.shown("networkMessage"));
    } else {
        QCOMPARE(QmlScreen::find(s.item("networkPinPad"), "pinPadMessage")->property("text").toString(), QStringLiteral("ERROR"));
        QVERIFY(s.tap("pinPadCancel", "networkPinPad"));
    }
    if (reset)
        QTRY_COMPARE(s.outcome(), QStringLiteral("done"));
    else
        QTest::qWait(100);
    QCOMPARE(s.config->get_wifiSSID(), reset ? QStringLiteral("SeedNet") : QString());
    QCOMPARE(s.networking()->property("wifiSSID").toString(), s.config->get_wifiSSID());
    QCOMPARE(s.configFile().contains("wifiSSID=SeedNet\nwifiPassword=seedpass1\n"), reset);
    QCOMPARE(networkCalls(s.scratch).contains("ifup wlan0"), reset);
}

void tst_NetworkingPage::statusLinesFollowTheCloud_data()
{
    QTest::addColumn<QStringList>("states"); // "provisioningState:<state>" or "certificateState:<state>"
    QTest::addColumn<QString>("provisioning");
    QTest::addColumn<QString>("certificate");
    QTest::addColumn<bool>("openedAfter"); // the lines arrive while the page is closed
    QTest::newRow("nothing heard yet") << QStringList() << "" << "" << false;
    QTest::newRow("not provisioned") << QStringList{"provisioningState:notProvisioned"}
                                     << "<b>Provisioning Status:</b> Not provisioned" << "" << false;
    QTest::newRow("certificate line alone")
        << QStringList{"certificateState:certificateRequested"} << "" << "<b>Certificate Status:</b> Certificate requested"
        << false;
    QTest::newRow("provisioning, then permanent keeps the line")
        << QStringList{"provisioningState:provisioning", "provisioningState:permanent"}
        << "<b>Provisioning Status:</b> Provisioning" << "" << false;
    QTest::newRow("each line on its own")
        << QStringList{"certificateState:certificateRequested", "provisioningState:provisioning"}
        << "<b>Provisioning Status:</b> Provisioning" << "<b>Certificate Status:</b> Certificate requested" << false;
    QTest::newRow("request after a time-out")
        << QStringList{"certificateState:certificateReqTimeout", "certificateState:certificateRequested"}
        << "" << "<b>Certificate Status:</b> Certificate request timeout, retrying..." << false;
    QTest::newRow("received") << QStringList{"certificateState:certificateRequested", "certificateState:certificateReceived"}
                              << "" << "<b>Certificate Status:</b> Certificate received" << false;
    QTest::newRow("heard before the page opened")
        << QStringList{"provisioningState:notProvisioned", "certificateState:certificateReqTimeout"}
        << "<b>Provisioning Status:</b> Not provisioned" << "<b>Certificate Status:</b> Certificate request timeout"
        << true;
    QTest::newRow("certificate alone before the page opened")
        << QStringList{"certificateState:certificateReceived"} << ""
        << "<b>Certificate Status:</b> Certificate received" << true;
}

void tst_NetworkingPage::statusLinesFollowTheCloud()
{
    QFETCH(QStringList, states);
    QFETCH(bool, openedAfter);
    NetworkingScreen s;
    QVERIFY(s.load());
    if (!openedAfter)
        QVERIFY(s.open(QString::fromLatin1(kPage)));
    for (const QString &state : states)
        s.receive({{"event", state.section(':', 0, 0)}, {"state", state.section(':', 1)}});
    if (openedAfter)
        QVERIFY(s.open(QString::fromLatin1(kPage)));
    QTEST(s.text("provisioningStatus"), "provisioning");
    QTEST(s.text("certificateStatus"), "certificate");
    // Until the agent reports, the section says so rather than standing empty.
    QCOMPARE(s.shown("cloudWaiting"), states.isEmpty());
}

// The Utilities page's button sets the Wi-Fi up again from the cloud's network file,
// after asking.
void tst_NetworkingPage::utilitiesSetUpTheWifi_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("ssid");
    QTest::newRow("No") << "no" << "";
    QTest::newRow("Yes") << "yes" << "CloudNet";
}

void tst_NetworkingPage::utilitiesSetUpTheWifi()
{
    QFETCH(QString, answer);
    NetworkingScreen s;
    QVERIFY(s.scratch.writeRootFile("updates/wpa_supplicant.conf", "ssid=\"CloudNet\"\npsk=\"cloudpass1\"\n"));
    QVERIFY(s.load() && s.open("Utilities") && s.unlock(QString::fromLatin1(kLevel2)));
    QTRY_VERIFY(s.page("Utilities")->isEnabled());
    QQuickItem *button = s.item("initializeWifiButton");
    QVERIFY(button);
    s.item("utilitiesList")->setProperty("contentY", button->y());
    QVERIFY(s.tap("initializeWifiButton"));
    QVERIFY(s.tapDrawn(answer == "yes" ? "configMessageYes" : "configMessageNo", "wifiConnectionAsk"));
    if (answer == "yes") {
        QTRY_COMPARE(QmlScreen::find(s.item("wifiConnectionMessage"), "configMessageText")->property("text").toString(),
                     QStringLiteral("Network settings applied."));
    } else {
        QTest::qWait(100);
        QVERIFY(!s.shown("wifiConnectionMessage"));
    }
    QTEST(s.config->get_wifiSSID(), "ssid");
    QCOMPARE(networkCalls(s.scratch).contains("ifup wlan0"), answer == "yes");
}
// Locked, or on a cabinet whose cloud keeps it locked, the page still scrolls and shows the
// connection's status; nothing on it changes. A PIN of too low a level says so.
void tst_NetworkingPage::lockedPageIsReadOnly_data()
{
    QTest::addColumn<QString>("iotType");
    QTest::addColumn<QString>("pin"); // tried on the page's lock; empty: none
    QTest::newRow("locked") << "" << "";
    QTest::newRow("manager's PIN is too low") << "" << "7046";
    QTest::newRow("cloud-managed cabinet") << "QRB_LUMO" << "";
}

void tst_NetworkingPage::lockedPageIsReadOnly()
{
    QFETCH(QString, iotType);
    QFETCH(QString, pin);
    NetworkingScreen s;
    if (!iotType.isEmpty())
        s.config->set_iotType(iotType);
    QVERIFY(s.load() && s.open(QString::fromLatin1(kPage)));
    QCOMPARE(s.lockLevel(), iotType.isEmpty() ? 2 : -1);
    if (!pin.isEmpty()) {
        QVERIFY(s.unlock(pin));
        QQuickItem *pad = QmlScreen::find(s.item("serviceCarousel"), QStringLiteral("pinPad"));
        QTRY_VERIFY(QmlScreen::find(pad, QStringLiteral("pinPadHint"))->isVisible());
        QCOMPARE(QmlScreen::find(pad, QStringLiteral("pinPadMessage"))->property("text").toString(), QStringLiteral("ERROR"));
        QVERIFY(s.tap("pinPadCancel", "serviceCarousel"));
    }
    QVERIFY(s.page(QString::fromLatin1(kPage))->isEnabled());
    for (const char *control : {"wifiSSIDField", "wifiPasswordField", "wifiPasswordShow", "wifiEnabledSwitch",
                                "ethEnabledSwitch", "networkingAcceptButton", "resetNetworkButton"})
        QVERIFY2(!s.enabled(control), control);
    QVERIFY(s.shown("wifiSignalLevel") && s.shown("macAddressText") && s.shown("cloudWaiting"));

    // A finger drawn up the form scrolls it to the cloud link's status.
    QQuickItem *form = s.item("networkingForm");
    QVERIFY(form->property("contentHeight").toReal() > form->height());
    const QPoint start = form->mapToScene(QPointF(form->width() / 2, form->height() - 10)).toPoint();
    QTest::mousePress(s.view.get(), Qt::LeftButton, Qt::NoModifier, start);
    for (int dy = 10; dy <= 200; dy += 10)
        QTest::mouseMove(s.view.get(), start - QPoint(0, dy), 10);
    QTest::mouseRelease(s.view.get(), Qt::LeftButton, Qt::NoModifier, start - QPoint(0, 200));
    QTRY_VERIFY(form->property("contentY").toReal() > 50);
}

// The switch says it is the enterprise login, and only that login shows its identity.
void tst_NetworkingPage::identityOnlyForAnEnterpriseLogin_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<int>("taps");
    QTest::addColumn<bool>("identityShown");
    QTest::newRow("off") << false << 0 << false;
    QTest::newRow("switched on") << false << 1 << true;
    QTest::newRow("on") << true << 0 << true;
    QTest::newRow("switched off") << true << 1 << false;
}

void tst_NetworkingPage::identityOnlyForAnEnterpriseLogin()
{
    QFETCH(bool, stored);
    QFETCH(int, taps);
    QFETCH(bool, identityShown);
    NetworkingScreen s;
    s.config->set_wpaEnabled(stored);
    QVERIFY(s.openUnlocked());
    for (int i = 0; i < taps; ++i)
        QVERIFY(s.tapRow("wpaEnabledSwitch"));
    QCOMPARE(s.item("wpaEnabledSwitch")->property("checked").toBool(), stored != (taps % 2 == 1));
    QTRY_COMPARE(s.shown("wifiIdentityField"), identityShown);
    QQuickItem *row = s.item("wpaEnabledSwitch")->parentItem()->parentItem();
    QCOMPARE(row->property("label").toString(), QStringLiteral("WPA2 Enterprise"));
}

// The dock's Wi-Fi icon on its own. Without a link it must not look like a close button
// (a cross from corner to corner) nor like nothing: greyed arcs and an amber badge.
void tst_NetworkingPage::wifiIconTellsTheLink_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("brightArcs");
    QTest::addColumn<bool>("badge");
    QTest::newRow("connected") << true << true << false;
    QTest::newRow("disconnected") << false << false << true;
}

void tst_NetworkingPage::wifiIconTellsTheLink()
{
    QFETCH(bool, connected);
    QFETCH(bool, brightArcs);
    QFETCH(bool, badge);
    QQmlEngine engine;
    const auto object = [&engine](const QByteArray &qml) {
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.15\nQtObject { " + qml + " }", QUrl());
        return component.create();
    };
    QScopedPointer<QObject> cabinet(object("property bool iAmMaster: true")),
        config(object("property bool wifiEnabled: true")),
        network(object("property bool wifiApConnected: " + QByteArray(connected ? "true" : "false")));
    engine.rootContext()->setContextProperty(QStringLiteral("cabinetManager"), cabinet.data());
    engine.rootContext()->setContextProperty(QStringLiteral("configManager"), config.data());
    engine.rootContext()->setContextProperty(QStringLiteral("tulNetwork"), network.data());
    QQuickView view(&engine, nullptr);
    view.setColor(Qt::black);
    view.setSource(QUrl(QStringLiteral("qrc:/eoltest/WifiStatusIcon.qml")));
    if (view.status() != QQuickView::Ready)
        qWarning() << view.errors();
    QCOMPARE(view.status(), QQuickView::Ready);
    QQuickItem *icon = view.rootObject();
    QVERIFY(icon->isVisible() && icon->width() >= 56 && icon->height() >= 56);
    view.resize(int(icon->width()), int(icon->height()));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // The software scene graph draws into the offscreen screen's backing store.
    QImage image;
    const auto grab = [&] {
        image = view.screen()->grabWindow(view.winId()).toImage();
        return !image.isNull() && image.pixelColor(image.width() / 2, image.height() - 16) != QColor(Qt::black);
    };
    QTRY_VERIFY(grab());

    const auto lightness = [&](int x, int y) { return image.pixelColor(x, y).lightness(); };
    // The lower left end of a diagonal, where a cross would be drawn, stays background
    // (the arcs rise above it, the badge sits in the other corner).
    const int w = image.width(), h = image.height();
    for (const QPoint p : {QPoint(14, h - 14), QPoint(17, h - 17)})
        QVERIFY2(lightness(p.x(), p.y()) < 40, qPrintable(QStringLiteral("ink at %1,%2").arg(p.x()).arg(p.y())));
    // The outer arc's top, bright with a link and greyed without.
    int top = 0;
    for (int y = 0; y < h / 2; ++y)
        top = qMax(top, lightness(w / 2, y));
    QVERIFY2(top > 40, "no arcs drawn");
    QCOMPARE(top > 200, brightArcs);
    // The warning badge: amber in the lower right corner.
    bool amber = false;
    for (int y = h / 2; y < h; ++y) {
        for (int x = w / 2; x < w; ++x) {
            const QColor c = image.pixelColor(x, y);
            amber |= c.red() > 200 && c.green() > 140 && c.green() < 210 && c.blue() < 60;
        }
    }
    QCOMPARE(amber, badge);
}

QTEST_MAIN(tst_NetworkingPage)
#include "tst_networkingpage.moc"
