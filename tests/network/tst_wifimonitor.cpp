#include "scratchroots.h"
#include "wifimonitor.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const char *kAssociated = "wlan0     IEEE 802.11  ESSID:\"Kitchen\"\n"
                          "          Mode:Managed  Frequency:2.437 GHz  Access Point: 00:11:22:33:44:55\n";

void setAnswer(const ScratchRoots &roots, const QString &file, const QByteArray &content)
{
    QDir().mkpath(roots.system() + "standins");
    QFile f(roots.system() + "standins/" + file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

class tst_WifiMonitor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { WifiMonitor::pollIntervalMs = 150; }
    void parse_data();
    void parse();
    void unreadableLoggedOnce_data();
    void unreadableLoggedOnce();
};

void tst_WifiMonitor::parse_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("associated");
    QTest::addColumn<double>("percent");
    QTest::addColumn<double>("decibel");
    const QString ap = kAssociated;
    QTest::newRow("level in dBm") << ap + "          Link Quality=43/70  Signal level=-67 dBm\n" << true << 66.0 << -67.0;
    QTest::newRow("strong signal capped") << ap + "          Signal level=-30 dBm\n" << true << 100.0 << -30.0;
    QTest::newRow("weak signal floored") << ap + "          Signal level=-104 dBm\n" << true << 0.0 << -104.0;
    QTest::newRow("quality only") << ap + "          Link Quality=35/70\n" << true << 50.0 << -75.0;
    QTest::newRow("level as a fraction") << ap + "          Signal level:80/100\n" << true << 80.0 << -60.0;
    QTest::newRow("no signal line") << ap << true << 0.0 << -100.0;
    QTest::newRow("not associated") << "wlan0  Access Point: Not-Associated   Signal level=-67 dBm\n" << false << 0.0 << -100.0;
    QTest::newRow("nothing") << "" << false << 0.0 << -100.0;
}

void tst_WifiMonitor::parse()
{
    QFETCH(QString, output);
    const WifiReading reading = WifiReading::parse(output);
    QTEST(reading.associated, "associated");
    QTEST(reading.percent, "percent");
    QTEST(reading.decibel, "decibel");
}

void tst_WifiMonitor::unreadableLoggedOnce_data()
{
    QTest::addColumn<QString>("answerFile");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("no such interface") << "iwconfig.err" << QByteArray("wlan0     No such device\n");
    QTest::newRow("tool missing") << "iwconfig.err" << QByteArray("iwconfig: not found\n");
    QTest::newRow("tool hangs") << "iwconfig.sleep" << QByteArray("5");
}

void tst_WifiMonitor::unreadableLoggedOnce()
{
    QFETCH(QString, answerFile);
    QFETCH(QByteArray, answer);
    ScratchRoots roots;
    setAnswer(roots, "iwconfig.out", QByteArray(kAssociated) + "  Signal level=-50 dBm\n");
    WifiMonitor monitor;
    QSignalSpy polled(&monitor, &WifiMonitor::wifiPolled);
    QSignalSpy connected(&monitor, &WifiMonitor::wifiApConnectedChanged);
    monitor.start();
    QTRY_VERIFY(monitor.get_wifiApConnected());
    QCOMPARE(monitor.get_signalLevel(), 100.0);

    // Unreadable from now on: no signal, not associated, one log line for many polls.
    QFile::remove(roots.system() + "standins/iwconfig.out");
    setAnswer(roots, answerFile, answer);
    if (answerFile == "iwconfig.err")
        setAnswer(roots, "iwconfig.exit", answerFile.contains("missing") ? "127" : "237");
    else
        QTest::ignoreMessage(QtWarningMsg, "iwconfig did not answer before the next poll; stopped");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Wi-Fi level unreadable"));
    QTRY_VERIFY(!monitor.get_wifiApConnected());
    QCOMPARE(monitor.get_signalLevel() + monitor.get_signalLevelDecibel(), -100.0);
    const int after = polled.count();
    QTRY_VERIFY(polled.count() >= after + 2);
    QCOMPARE(connected.count(), 2);
    QVERIFY(roots.toolCalls().contains("iwconfig wlan0"));
}

QTEST_GUILESS_MAIN(tst_WifiMonitor)
#include "tst_wifimonitor.moc"
