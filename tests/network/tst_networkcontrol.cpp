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
QByteArray route(const char *iface, const char *dest, const char *gateway, const char *flags,
                 int metric, const char *mask = "00000000")
{
    return QByteArray(iface) + '\t' + dest + '\t' + gateway + '\t' + flags + "\t0\t0\t"
        + QByteArray::number(metric) + '\t' + mask + "\t0\t0\t0\n";
}

void setAnswer(const ScratchRoots &roots, const QString &file, const QByteArray &content)
{
    QDir().mkpath(roots.system() + "standins");
    QFile f(roots.system() + "standins/" + file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

class tst_NetworkControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void defaultGateway_data();
    void defaultGateway();
    void reloadFromLoopback_data();
    void reloadFromLoopback();
    void reconfigureSteps_data();
    void reconfigureSteps();
    void restartChains_data();
    void restartChains();
    void failedSteps_data();
    void failedSteps();
    void requestsWhileBusy();
    void refusedRunsNothing();
};

void tst_NetworkControl::initTestCase()
{
    // Nothing here may reach the machine's real network set-up.
    const QString standIns = qEnvironmentVariable("TUL_TOOLS_DIR");
    QVERIFY(!standIns.isEmpty());
    for (const QString &program : NetworkControl::programs())
        QVERIFY2(CommandLauncher::resolveProgram(program).startsWith(standIns), qPrintable(program));
    NetworkControl::stepTimeoutMs = 500;
}

void tst_NetworkControl::cleanup()
{
    NetworkInterfaceNames::set("eth0", "wlan0");
}

void tst_NetworkControl::defaultGateway_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("gateway");
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("no default route")
        << (kHeading + route("eth0", "0001A8C0", "00000000", "0001", 0, "00FFFFFF")) << "";
    QTest::newRow("one default")
        << (kHeading + route("eth0", "00000000", "0101A8C0", "0003", 100)) << "192.168.1.1";
    QTest::newRow("lowest metric of several")
        << (kHeading + route("eth0", "00000000", "0101A8C0", "0003", 600)
            + route("eth0", "00000000", "FE01A8C0", "0003", 100)
            + route("eth0", "00000000", "0A01A8C0", "0003", 300)) << "192.168.1.254";
    QTest::newRow("default of another interface")
        << (kHeading + route("wlan0", "00000000", "0100000A", "0003", 0)) << "";
    QTest::newRow("route down") << (kHeading + route("eth0", "00000000", "0101A8C0", "0002", 0)) << "";
    QTest::newRow("no gateway flag") << (kHeading + route("eth0", "00000000", "0101A8C0", "0001", 0)) << "";
    QTest::newRow("malformed lines skipped")
        << (kHeading + QByteArray("eth0\t00000000\n") + route("eth0", "00000000", "XYZ1A8C0", "0003", 0)
            + route("eth0", "00000000", "0101A8C0", "0003", 5) + route("eth0", "00000000", "101A8C0", "0003", 1))
        << "192.168.1.1";
}

void tst_NetworkControl::defaultGateway()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, gateway);
    QCOMPARE(InterfaceState::defaultGateway(table, "eth0"), gateway);
}

void tst_NetworkControl::reloadFromLoopback_data()
{
    QTest::addColumn<bool>("isStatic");
    QTest::newRow("DHCP: the live address") << false;
    QTest::newRow("static: the stored address stays") << true;
}

void tst_NetworkControl::reloadFromLoopback()
{
    QFETCH(bool, isStatic);
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

    QCOMPARE(config.get_interfaceName(), QString("lo"));
    QCOMPARE(config.get_macAddress(), QString("00:00:00:00:00:00"));
    QCOMPARE(config.get_ipAddress(), QString(isStatic ? "10.9.8.7" : "127.0.0.1"));
    QCOMPARE(config.get_netmask(), QString(isStatic ? "255.255.255.0" : "255.0.0.0"));
    QCOMPARE(config.get_gateway(), QString(isStatic ? "10.9.8.1" : "127.0.0.254"));
    // An interface the system does not have changes nothing.
    QCOMPARE(config.get_wifiIpAddr(), QString("10.0.0.9"));
    QCOMPARE(config.get_wifiInterfaceName(), QString());
}

void tst_NetworkControl::reconfigureSteps_data()
{
    QTest::addColumn<bool>("eth");
    QTest::addColumn<bool>("wifi");
    QTest::addColumn<QStringList>("calls");
    const QStringList down{"ifdown eth0", "ifdown wlan0"};
    QTest::newRow("wired") << true << false << down + QStringList{"ifup eth0"};
    QTest::newRow("Wi-Fi") << false << true << down + QStringList{"wpa_cli -i wlan0 reconfigure", "ifup wlan0"};
    QTest::newRow("both")
        << true << true << down + QStringList{"wpa_cli -i wlan0 reconfigure", "ifup eth0", "ifup wlan0"};
    QTest::newRow("neither") << false << false << down;
}

void tst_NetworkControl::reconfigureSteps()
{
    QFETCH(bool, eth);
    QFETCH(bool, wifi);
    QFETCH(QStringList, calls);
    ScratchRoots roots;
    FakeCabinetCore core;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    config.set_ethEnabled(eth);
    config.set_staticIPEnabled(false);
    config.set_wifiEnabled(wifi);
    config.set_wifiSSID("Line 4");
    config.set_wifiPassword("password1");
    QSignalSpy done(config.networkControl(), &NetworkControl::chainFinished);
    QVERIFY(config.reconfigureNetworkDevices());
    QTRY_COMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(1).toBool(), true);
    QCOMPARE(roots.toolCalls(), calls);
    QCOMPARE(QFile::exists(NetworkFiles::interfacesPath()), true);
    QCOMPARE(NetworkFiles::interfacesText(config.networkSettings()).contains("iface eth0"), eth);
    QCOMPARE(NetworkFiles::supplicantText(config.networkSettings()).contains("Line 4"), wifi);
}

void tst_NetworkControl::restartChains_data()
{
    QTest::addColumn<bool>("services");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("services") << true << QStringList{"wpa_supplicant restart", "networking restart"};
    QTest::newRow("interface")
        << false << QStringList{"ifdown wlan0", "wpa_cli -i wlan0 reconfigure", "ifup wlan0"};
}

void tst_NetworkControl::restartChains()
{
    QFETCH(bool, services);
    QFETCH(QStringList, calls);
    ScratchRoots roots;
    FakeCabinetCore core;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    QSignalSpy done(config.networkControl(), &NetworkControl::chainFinished);
    if (services)
        config.restartWifiNetwork();
    else
        config.restartWifiNetworkLuMo();
    QTRY_COMPARE(done.count(), 1);
    QCOMPARE(roots.toolCalls(), calls);
    QVERIFY(!QFile::exists(NetworkFiles::supplicantPath())); // a restart writes nothing
}

void tst_NetworkControl::failedSteps_data()
{
    QTest::addColumn<QString>("answerFile");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("ok");
    QTest::newRow("ifdown of an interface that is not up") << "ifdown.exit" << QByteArray("1") << true;
    QTest::newRow("ifup fails") << "ifup.exit" << QByteArray("1") << false;
    QTest::newRow("supplicant not running") << "wpa_cli.exit" << QByteArray("255") << false;
    QTest::newRow("ifup hangs") << "ifup.sleep" << QByteArray("20") << false;
}

void tst_NetworkControl::failedSteps()
{
    QFETCH(QString, answerFile);
    QFETCH(QByteArray, answer);
    QFETCH(bool, ok);
    ScratchRoots roots;
    setAnswer(roots, answerFile, answer);
    NetworkSettings settings;
    settings.ethEnabled = settings.wifiEnabled = true;
    NetworkControl control;
    QSignalSpy done(&control, &NetworkControl::chainFinished);
    QVERIFY(control.reconfigure(settings));
    QTRY_COMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(1).toBool(), ok);
    // A failed step does not keep the others from running.
    QCOMPARE(roots.toolCalls().size(), 5);
    QVERIFY(!control.isBusy());
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
    QCOMPARE(done.at(0).at(0).toString(), QString("restartWifiNetwork"));
    QCOMPARE(done.at(1).at(0).toString(), QString("reconfigure"));
    QCOMPARE(done.at(2).at(0).toString(), QString("restartWifiNetwork"));
    QTest::qWait(200);
    QCOMPARE(done.count(), 3);
    QCOMPARE(roots.toolCalls().count("networking restart"), 2);
    QFile supplicant(NetworkFiles::supplicantPath());
    QVERIFY(supplicant.open(QIODevice::ReadOnly));
    QVERIFY(supplicant.readAll().contains("ssid=\"newest\""));
}

void tst_NetworkControl::refusedRunsNothing()
{
    ScratchRoots roots;
    FakeCabinetCore core;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    config.set_wifiEnabled(true);
    config.set_wifiSSID("Quote\"d");
    QSignalSpy done(config.networkControl(), &NetworkControl::chainFinished);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused: the Wi-Fi network name holds a quote"));
    QVERIFY(!config.reconfigureNetworkDevices());
    QTest::qWait(100);
    QCOMPARE(done.count(), 0);
    QVERIFY(roots.toolCalls().isEmpty());
    QVERIFY(!QFile::exists(NetworkFiles::interfacesPath()));
}

QTEST_GUILESS_MAIN(tst_NetworkControl)
#include "tst_networkcontrol.moc"
