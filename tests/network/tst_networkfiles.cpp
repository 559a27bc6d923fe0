#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "networkfiles.h"
#include "scratchroots.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

Q_DECLARE_METATYPE(NetworkSettings)

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The supplicant's reading of one file, by its documented rules: leading blanks are
// skipped, "#" starts a comment except inside the quotes (the first quote to the last
// one on the line), trailing blanks go, the key ends at the first "=", and a quoted
// value loses its outer quotes.
QMap<QString, QString> supplicantValues(const QByteArray &text)
{
    QMap<QString, QString> values;
    for (QByteArray line : text.split('\n')) {
        int start = 0;
        while (start < line.size() && (line[start] == ' ' || line[start] == '\t' || line[start] == '\r'))
            ++start;
        line = line.mid(start);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        int from = line.indexOf('"');
        from = from < 0 ? 0 : qMax(from, line.lastIndexOf('"'));
        const int hash = line.indexOf('#', from);
        if (hash >= 0)
            line.truncate(hash);
        while (!line.isEmpty() && (line.endsWith(' ') || line.endsWith('\t')))
            line.chop(1);
        const int eq = line.indexOf('=');
        if (eq < 0)
            continue;
        QByteArray value = line.mid(eq + 1);
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        values.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(value));
    }
    return values;
}

NetworkSettings wifiNetwork(const QString &ssid, const QString &passphrase)
{
    NetworkSettings s;
    s.wifiEnabled = true;
    s.wifiSsid = ssid;
    s.wifiPassphrase = passphrase;
    return s;
}

} // namespace

class tst_NetworkFiles : public QObject
{
    Q_OBJECT

private slots:
    void expectedFiles_data();
    void expectedFiles();
    void acceptedAddresses_data();
    void acceptedAddresses();
    void valuesReadBackUnchanged_data();
    void valuesReadBackUnchanged();
    void refusedKeepsOldFiles_data();
    void refusedKeepsOldFiles();
    void certificatesOnlyForTheirCustomer();
};

void tst_NetworkFiles::expectedFiles_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<NetworkSettings>("settings");

    NetworkSettings wiredDhcp;
    wiredDhcp.ethEnabled = true;
    QTest::newRow("wired DHCP") << "wired-dhcp" << wiredDhcp;
    NetworkSettings wiredStatic;
    wiredStatic.ethEnabled = wiredStatic.ethStatic = true;
    wiredStatic.ethAddress = "192.168.10.20";
    wiredStatic.ethNetmask = "255.255.255.0";
    wiredStatic.ethGateway = "192.168.10.1";
    QTest::newRow("wired static") << "wired-static" << wiredStatic;
    QTest::newRow("Wi-Fi DHCP with pass phrase") << "wifi-dhcp" << wifiNetwork("Kitchen 2", "fries&shakes");
    NetworkSettings wifiStatic = wifiNetwork("StoreGuest", QString());
    wifiStatic.wifiStatic = true;
    wifiStatic.wifiAddress = "10.1.2.3";
    wifiStatic.wifiNetmask = "255.255.0.0";
    QTest::newRow("Wi-Fi static, open") << "wifi-static" << wifiStatic;
    NetworkSettings disabled = wifiNetwork("Kitchen 2", "fries&shakes");
    disabled.wifiEnabled = false;
    disabled.wifiStatic = true; // no address: not checked while off
    QTest::newRow("Wi-Fi disabled") << "wifi-disabled" << disabled;
}

// The edges a host address and a netmask may take.
void tst_NetworkFiles::acceptedAddresses_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("netmask");
    QTest::newRow("lowest of a /24") << "192.168.1.1" << "255.255.255.0";
    QTest::newRow("highest of a /24") << "192.168.1.254" << "255.255.255.0";
    QTest::newRow("middle of a /24") << "192.168.1.128" << "255.255.255.0";
    QTest::newRow("all parts 255 but the last") << "10.255.255.254" << "255.0.0.0";
    QTest::newRow("point-to-point /31") << "10.0.0.0" << "255.255.255.254";
    QTest::newRow("single host /32") << "10.0.0.7" << "255.255.255.255";
    QTest::newRow("first octet 1") << "1.0.0.1" << "255.0.0.0";
    QTest::newRow("first octet 223") << "223.255.255.254" << "255.255.255.0";
    QTest::newRow("widest mask") << "100.0.0.1" << "128.0.0.0";
}

void tst_NetworkFiles::acceptedAddresses()
{
    QFETCH(QString, address);
    QFETCH(QString, netmask);
    NetworkSettings s;
    s.wifiEnabled = s.wifiStatic = true;
    s.wifiAddress = address;
    s.wifiNetmask = netmask;
    s.wifiGateway = address;
    QCOMPARE(NetworkFiles::refusal(s), QString());
}

void tst_NetworkFiles::expectedFiles()
{
    QFETCH(QString, fixture);
    QFETCH(NetworkSettings, settings);
    ScratchRoots roots;
    QVERIFY(NetworkFiles::write(settings));
    QCOMPARE(NetworkFiles::supplicantPath(), roots.system() + "etc/wpa_supplicant.conf");
    const QString dir = QStringLiteral(NETWORK_FIXTURES "/") + fixture;
    QCOMPARE(QString(readFile(NetworkFiles::interfacesPath())), QString(readFile(dir + "/interfaces")));
    QCOMPARE(QString(readFile(NetworkFiles::supplicantPath())), QString(readFile(dir + "/wpa_supplicant.conf")));
    QVERIFY(!(QFile::permissions(NetworkFiles::supplicantPath()) & QFileDevice::ReadOther));
}

void tst_NetworkFiles::valuesReadBackUnchanged_data()
{
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("passphrase");
    QTest::newRow("spaces") << "Back Office  Net" << " lead and trail ";
    QTest::newRow("equals") << "a=b" << "key=value=more";
    QTest::newRow("hash") << "#1 Store" << "pass#word # not a comment";
    QTest::newRow("all three") << " = # " << "= # = # ==";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Küche Wi-Fi") << QString::fromUtf8("пароль123");
    QTest::newRow("longest") << QString(32, 'x') << QString(63, '#');
    QTest::newRow("shortest") << "x" << "= #= #=#";
    // The supplicant reads a quoted value to the line's last quote: quotes inside, even last,
    // are the value's own.
    QTest::newRow("quotes") << "my\"net" << "pass\"word";
    QTest::newRow("quote last, then a hash") << "Joe's \"" << "12345678\"# not \"a comment\"";
    QTest::newRow("only quotes") << "\"\"" << QString(8, '"');
}

void tst_NetworkFiles::valuesReadBackUnchanged()
{
    QFETCH(QString, ssid);
    QFETCH(QString, passphrase);
    ScratchRoots roots;
    QVERIFY(NetworkFiles::write(wifiNetwork(ssid, passphrase)));
    const QMap<QString, QString> values = supplicantValues(readFile(NetworkFiles::supplicantPath()));
    QCOMPARE(values.value("ssid") + '|' + values.value("psk"), ssid + '|' + passphrase);
}

void tst_NetworkFiles::refusedKeepsOldFiles_data()
{
    QTest::addColumn<NetworkSettings>("settings");
    QTest::addColumn<QString>("logged");

    QTest::newRow("line break in pass") << wifiNetwork("net", "pass\nword1") << "pass phrase holds a line break";
    QTest::newRow("carriage return in name") << wifiNetwork("n\ret", "password1") << "network name holds";
    QTest::newRow("NUL in name") << wifiNetwork(QString("ab") + QChar(0) + "cd", "password1") << "network name holds";
    QTest::newRow("pass too short") << wifiNetwork("net", "1234567") << "8 to 63";
    QTest::newRow("pass too long") << wifiNetwork("net", QString(64, 'a')) << "8 to 63";
    QTest::newRow("name too long") << wifiNetwork(QString(33, 'n'), "password1") << "longer than 32";

    NetworkSettings noAddress = wifiNetwork("net", "password1");
    noAddress.wifiStatic = true;
    noAddress.wifiNetmask = "255.255.255.0";
    QTest::newRow("static Wi-Fi without address") << noAddress << "Wi-Fi is static but its address";

    NetworkSettings badMask;
    badMask.ethEnabled = badMask.ethStatic = true;
    badMask.ethAddress = "192.168.1.2";
    badMask.ethNetmask = "255.255.255";
    QTest::newRow("wired netmask") << badMask << "wired is static but its netmask";

    NetworkSettings badGateway = badMask;
    badGateway.ethNetmask = "255.255.255.0";
    badGateway.ethGateway = "gateway";
    QTest::newRow("wired gateway") << badGateway << "wired gateway";

    // What a host may not take: the system reads "010" as octal, the others are not
    // addresses of one host.
    const auto wiredAt = [](const QString &address, const QString &netmask, const QString &gateway) {
        NetworkSettings s;
        s.ethEnabled = s.ethStatic = true;
        s.ethAddress = address;
        s.ethNetmask = netmask;
        s.ethGateway = gateway;
        return s;
    };
    QTest::newRow("leading zero") << wiredAt("192.168.010.2", "255.255.255.0", "") << "wired is static but its address";
    QTest::newRow("part of 256") << wiredAt("192.168.1.256", "255.255.255.0", "") << "wired is static but its address";
    QTest::newRow("first multicast") << wiredAt("224.0.0.1", "255.0.0.0", "") << "wired is static but its address";
    QTest::newRow("network address of a /30") << wiredAt("10.0.0.4", "255.255.255.252", "") << "wired is static but its address";
    QTest::newRow("0.x.x.x") << wiredAt("0.1.2.3", "255.0.0.0", "") << "wired is static but its address";
    QTest::newRow("loopback") << wiredAt("127.0.0.2", "255.0.0.0", "") << "wired is static but its address";
    QTest::newRow("multicast") << wiredAt("239.1.1.1", "255.0.0.0", "") << "wired is static but its address";
    QTest::newRow("limited broadcast") << wiredAt("255.255.255.255", "255.255.255.0", "") << "wired is static but its address";
    QTest::newRow("network address") << wiredAt("10.0.0.0", "255.0.0.0", "") << "wired is static but its address";
    QTest::newRow("subnet broadcast") << wiredAt("192.168.1.127", "255.255.255.128", "") << "wired is static but its address";
    QTest::newRow("netmask with a gap") << wiredAt("192.168.1.2", "255.255.0.255", "") << "wired is static but its netmask";
    QTest::newRow("netmask of nothing") << wiredAt("192.168.1.2", "0.0.0.0", "") << "wired is static but its netmask";
    QTest::newRow("broadcast gateway") << wiredAt("192.168.1.2", "255.255.255.0", "255.255.255.255") << "wired gateway";
}

void tst_NetworkFiles::refusedKeepsOldFiles()
{
    QFETCH(NetworkSettings, settings);
    QFETCH(QString, logged);
    ScratchRoots roots;
    QVERIFY(NetworkFiles::write(wifiNetwork("Old Net", "old password")));
    const QByteArray oldInterfaces = readFile(NetworkFiles::interfacesPath());
    const QByteArray oldSupplicant = readFile(NetworkFiles::supplicantPath());

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused:.*" + QRegularExpression::escape(logged)));
    QVERIFY(!NetworkFiles::write(settings));
    QCOMPARE(readFile(NetworkFiles::interfacesPath()), oldInterfaces);
    QCOMPARE(readFile(NetworkFiles::supplicantPath()), oldSupplicant);
}

void tst_NetworkFiles::certificatesOnlyForTheirCustomer()
{
    for (int customer : {2, 3}) { // only customer 2 has certificates
        ScratchRoots roots;
        QVERIFY(roots.writeRootFile("certs/device.pem", "cert") && roots.writeRootFile("certs/.key", "key"));
        QVERIFY(roots.writeRootFile("config.txt", "keep"));
        FakeCabinetCore core;
        core.customerId = customer;
        ConfigurationManager(nullptr, nullptr, true, 1, &core).deleteNetworkCertificate();
        QCOMPARE(QFile::exists(roots.root() + "certs/device.pem"), customer != 2);
        QCOMPARE(QFile::exists(roots.root() + "certs/.key"), customer != 2);
        QVERIFY(QFile::exists(roots.root() + "config.txt"));
    }
}

QTEST_GUILESS_MAIN(tst_NetworkFiles)
#include "tst_networkfiles.moc"
