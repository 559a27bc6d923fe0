#include "commandlauncher.h"
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "interfacestate.h"
#include "networkcontrol.h"
#include "networkfiles.h"
#include "scratchroots.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const char *kHeading = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";

// A routing-table line of the kernel's form; addresses as the host reads them.
QByteArray route(const char *iface, const char *dest, const char *gateway, const char *flags, int metric,
                 const char *mask = "00000000")
{
    return QByteArray(iface) + '\t' + dest + '\t' + gateway + '\t' + flags + "\t0\t0\t" + QByteArray::number(metric)
        + '\t' + mask + "\t0\t0\t0\n";
}

} // namespace

class tst_NetworkControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Nothing here may reach the machine's real network set-up.
        const QString standIns = qEnvironmentVariable("TUL_TOOLS_DIR");
        QVERIFY(!standIns.isEmpty());
        for (const QString &program : NetworkControl::programs())
            QVERIFY2(CommandLauncher::resolveProgram(program).startsWith(standIns), qPrintable(program));
        NetworkControl::stepTimeoutMs = 500;
    }
    void defaultGateway_data();
    void defaultGateway();
    void reloadFromLoopback();
    void chains_data();
    void chains();
    void requestsWhileBusy();
    void unwritableFileFailsTheChain_data();
    void unwritableFileFailsTheChain();
};

void tst_NetworkControl::defaultGateway_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("gateway");
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("no default route") << (kHeading + route("eth0", "0001A8C0", "00000000", "0001", 0, "00FFFFFF")) << "";
    QTest::newRow("lowest metric of several") << (kHeading + route("eth0", "00000000", "0101A8C0", "0003", 600)
        + route("eth0", "00000000", "FE01A8C0", "0003", 100) + route("eth0", "00000000", "0A01A8C0", "0003", 300))
        << "192.168.1.254";
    QTest::newRow("default of another interface") << (kHeading + route("wlan0", "00000000", "0100000A", "0003", 0)) << "";
    QTest::newRow("route down") << (kHeading + route("eth0", "00000000", "0101A8C0", "0002", 0)) << "";
    QTest::newRow("no gateway flag") << (kHeading + route("eth0", "00000000", "0101A8C0", "0001", 0)) << "";
    QTest::newRow("malformed lines skipped") << (kHeading + QByteArray("eth0\t00000000\n")
        + route("eth0", "00000000", "XYZ1A8C0", "0003", 0) + route("eth0", "00000000", "0101A8C0", "0003", 5)
        + route("eth0", "00000000", "101A8C0", "0003", 1)) << "192.168.1.1";
}

void tst_NetworkControl::defaultGateway()
{
    QFETCH(QByteArray, table);
    QTEST(InterfaceState::defaultGateway(table, "eth0"), "gateway");
}

void tst_NetworkControl::reloadFromLoopback()
{
    for (bool isStatic : {false, true}) {
        ScratchRoots roots;
        QDir().mkpath(roots.system() + "proc/net");
        QFile table(InterfaceState::routeTablePath());
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write(kHeading + route("lo", "00000000", "FE00007F", "0003", 0));
        table.close();
        NetworkInterfaceNames::set("lo", "tulnosuchif0");
        FakeCabinetCore core;
        ConfigurationManager config(nullptr, nullptr, true, 1, &core);
        config.set_staticIPEnabled(isStatic);
        config.set_wifiStaticIp(false);
        config.set_ipAddress("10.9.8.7");
        config.set_netmask("255.255.255.0");
        config.set_gateway("10.9.8.1");
        config.set_wifiIpAddr("10.0.0.9");
        config.reLoadNetworkDeviceConfig();
        NetworkInterfaceNames::set("eth0", "wlan0");
        // With DHCP the live address, with a static one the stored address stays.
        QCOMPARE(QStringList({config.get_interfaceName(), config.get_macAddress(), config.get_ipAddress(),
                              config.get_netmask(), config.get_gateway()}),
                 isStatic ? QStringList({"lo", "00:00:00:00:00:00", "10.9.8.7", "255.255.255.0", "10.9.8.1"})
                          : QStringList({"lo", "00:00:00:00:00:00", "127.0.0.1", "255.0.0.0", "127.0.0.254"}));
        // An interface the system does not have changes nothing.
        QCOMPARE(config.get_wifiIpAddr(), QString("10.0.0.9"));
        QCOMPARE(config.get_wifiInterfaceName(), QString());
    }
}

// Each way to (re)start the network with the tools it runs; a failed or hung step does
// not keep the others from running, and a refused set-up runs and writes nothing.
void tst_NetworkControl::chains_data()
{
    QTest::addColumn<QString>("chain");
    QTest::addColumn<QString>("answer"); // a stand-in's file and content
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("calls");
    const QStringList down{"ifdown eth0", "ifdown wlan0"}, reread{"wpa_cli -i wlan0 reconfigure"};
    const QStringList both = down + reread + QStringList{"ifup eth0", "ifup wlan0"};
    QTest::newRow("wired") << "eth" << "" << true << down + QStringList{"ifup eth0"};
    QTest::newRow("Wi-Fi") << "wifi" << "" << true << down + reread + QStringList{"ifup wlan0"};
    QTest::newRow("both") << "eth wifi" << "" << true << both;
    QTest::newRow("neither") << "" << "" << true << down;
    QTest::newRow("restart services") << "services" << "" << true << QStringList{"wpa_supplicant restart", "networking restart"};
    QTest::newRow("restart interface") << "interface" << "" << true << QStringList{"ifdown wlan0"} + reread + QStringList{"ifup wlan0"};
    QTest::newRow("ifdown of an interface that is not up") << "eth wifi" << "ifdown.exit=1" << true << both;
    QTest::newRow("restart interface that is not up") << "interface" << "ifdown.exit=1" << true
                                                      << QStringList{"ifdown wlan0"} + reread + QStringList{"ifup wlan0"};
    QTest::newRow("ifup fails") << "eth wifi" << "ifup.exit=1" << false << both;
    QTest::newRow("supplicant not running") << "eth wifi" << "wpa_cli.exit=255" << false << both;
    QTest::newRow("ifup hangs") << "eth wifi" << "ifup.sleep=20" << false << both;
    // Quotes are carried now; a pass phrase the supplicant would refuse is not.
    QTest::newRow("pass phrase too short") << "wifi short" << "" << false << QStringList();
}

void tst_NetworkControl::chains()
{
    QFETCH(QString, chain);
    QFETCH(QString, answer);
    QFETCH(bool, ok);
    ScratchRoots roots;
    if (!answer.isEmpty()) {
        QDir().mkpath(roots.system() + "standins");
        QFile f(roots.system() + "standins/" + answer.section('=', 0, 0));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(answer.section('=', 1).toLatin1()) > 0);
    }
    FakeCabinetCore core;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    config.set_ethEnabled(chain.contains("eth"));
    config.set_staticIPEnabled(false);
    config.set_wifiEnabled(chain.contains("wifi"));
    config.set_wifiSSID("Line 4");
    config.set_wifiPassword(chain.contains("short") ? "1234567" : "password1");
    QSignalSpy done(config.networkControl(), &NetworkControl::chainFinished);
    if (chain == "services") {
        config.restartWifiNetwork();
    } else if (chain == "interface") {
        config.restartWifiNetworkLuMo();
    } else {
        if (chain.contains("short"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused: the Wi-Fi pass phrase is not 8 to 63"));
        QCOMPARE(config.reconfigureNetworkDevices(), !chain.contains("short"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), chain.contains("short") ? 0 : 1, chain.contains("short") ? 200 : 5000);
    QTEST(roots.toolCalls(), "calls");
    QVERIFY(!config.networkControl()->isBusy());
    // Only a reconfiguration writes the files.
    QCOMPARE(QFile::exists(NetworkFiles::interfacesPath()), !chain.contains("short") && chain != "services" && chain != "interface");
    if (done.isEmpty())
        return;
    QCOMPARE(done.at(0).at(1).toBool(), ok);
    QCOMPARE(NetworkFiles::interfacesText(config.networkSettings()).contains("iface eth0"), chain.contains("eth"));
    QCOMPARE(NetworkFiles::supplicantText(config.networkSettings()).contains("Line 4"), chain.contains("wifi"));
}

void tst_NetworkControl::requestsWhileBusy()
{
    ScratchRoots roots;
    NetworkControl control;
    QSignalSpy done(&control, &NetworkControl::chainFinished);
    NetworkSettings first;
    first.wifiEnabled = true;
    first.wifiSsid = "first";
    NetworkSettings newest = first;
    newest.wifiSsid = "newest";
    control.restartWifiNetwork();
    QVERIFY(control.reconfigure(first));
    control.restartWifiNetwork(); // already waiting: not run twice more
    QVERIFY(control.reconfigure(newest));
    QTRY_COMPARE(done.count(), 3);
    QStringList chains;
    for (const QList<QVariant> &finished : done)
        chains << finished.at(0).toString();
    QCOMPARE(chains, (QStringList{"restartWifiNetwork", "reconfigure", "restartWifiNetwork"}));
    QTest::qWait(200);
    QCOMPARE(done.count(), 3);
    QCOMPARE(roots.toolCalls().count("networking restart"), 2);
    QFile supplicant(NetworkFiles::supplicantPath());
    QVERIFY(supplicant.open(QIODevice::ReadOnly) && supplicant.readAll().contains("ssid=\"newest\""));
}

// A network file that cannot be replaced fails the reconfiguration, and the interfaces
// still come back up.
void tst_NetworkControl::unwritableFileFailsTheChain_data()
{
    QTest::addColumn<QString>("blocked"); // made a folder, so that nothing can be moved over it
    QTest::newRow("supplicant file") << "etc/wpa_supplicant.conf";
    QTest::newRow("interfaces file") << "etc/network/interfaces";
}

void tst_NetworkControl::unwritableFileFailsTheChain()
{
    QFETCH(QString, blocked);
    ScratchRoots roots;
    QVERIFY(QDir().mkpath(roots.system() + blocked));
    NetworkControl control;
    QSignalSpy done(&control, &NetworkControl::chainFinished);
    NetworkSettings settings;
    settings.wifiEnabled = true;
    settings.wifiSsid = "Line 4";
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unable to write"));
    QVERIFY(control.reconfigure(settings));
    QTRY_COMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(0).toString(), QStringLiteral("reconfigure"));
    QCOMPARE(done.at(0).at(1).toBool(), false);
    QVERIFY(roots.toolCalls().contains("ifup wlan0"));
}

QTEST_GUILESS_MAIN(tst_NetworkControl)
#include "tst_networkcontrol.moc"
