#include "tulnetwork.h"
#include "scratchroots.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Replaces the stand-ins with one iwconfig script of the test's own.
void useIwconfig(ScratchRoots &roots, const QByteArray &script)
{
    const QString dir = roots.base() + "/tools";
    QDir().mkpath(dir);
    QFile file(dir + "/iwconfig");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(script);
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser));
    roots.setVariable("TUL_TOOLS_DIR", dir);
}

} // namespace

class tst_TULnetwork : public QObject
{
    Q_OBJECT

private slots:
    void followsAssociation();
    void missingIwconfig();
    void hangingIwconfigStopped();
};

void tst_TULnetwork::followsAssociation()
{
    ScratchRoots roots;
    roots.setVariable("TUL_TOOLS_DIR", QStringLiteral(STANDINS_DIR));
    TULnetwork network;
    QSignalSpy changed(&network, &TULnetwork::wifiApConnectedChanged);

    roots.setVariable("TUL_WIFI_AP", "00:1A:2b:3C:4d:5E");
    network.startMonitoring(); // asks at once, not only after the first interval
    QTRY_VERIFY(network.get_wifiApConnected());
    QCOMPARE(roots.toolCalls(), QStringList{"iwconfig wlan0"});
    QCOMPARE(changed.count(), 1);

    roots.setVariable("TUL_WIFI_AP", "");
    network.checkWifiAssociation();
    QTRY_VERIFY(!network.get_wifiApConnected());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last(), QVariantList{false});

    // An unchanged answer is not announced again.
    network.checkWifiAssociation();
    QTRY_COMPARE(roots.toolCalls().size(), 3);
    QTest::qWait(50);
    QCOMPARE(changed.count(), 2);
}

void tst_TULnetwork::missingIwconfig()
{
    ScratchRoots roots;
    roots.setVariable("TUL_TOOLS_DIR", QStringLiteral(STANDINS_DIR));
    TULnetwork network;
    roots.setVariable("TUL_WIFI_AP", "00:11:22:33:44:55");
    network.checkWifiAssociation();
    QTRY_VERIFY(network.get_wifiApConnected());

    // A program that cannot be started at all: no access point, and polling goes on.
    useIwconfig(roots, "#!/nonexistent/interpreter\n");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot start /sbin/iwconfig"));
    network.checkWifiAssociation();
    QTRY_VERIFY(!network.get_wifiApConnected());

    roots.setVariable("TUL_TOOLS_DIR", QStringLiteral(STANDINS_DIR));
    network.checkWifiAssociation();
    QTRY_VERIFY(network.get_wifiApConnected());
}

void tst_TULnetwork::hangingIwconfigStopped()
{
    ScratchRoots roots;
    roots.setVariable("TUL_TOOLS_DIR", QStringLiteral(STANDINS_DIR));
    TULnetwork network;
    roots.setVariable("TUL_WIFI_AP", "00:11:22:33:44:55");
    network.checkWifiAssociation();
    QTRY_VERIFY(network.get_wifiApConnected());

    useIwconfig(roots, "#!/bin/sh\necho \"iwconfig $*\" >> \"$TUL_TOOLS_LOG\"\nexec sleep 30\n");
    network.checkWifiAssociation();
    QTRY_COMPARE(roots.toolCalls().size(), 2);

    // The next poll finds it still running: it is stopped and counts as no access point.
    QTest::ignoreMessage(QtWarningMsg, "iwconfig did not answer before the next poll; stopped");
    network.checkWifiAssociation();
    QTRY_VERIFY(!network.get_wifiApConnected());

    // The poll after that asks again instead of waiting for the stopped query.
    roots.setVariable("TUL_TOOLS_DIR", QStringLiteral(STANDINS_DIR));
    network.checkWifiAssociation();
    QTRY_VERIFY(network.get_wifiApConnected());
}

QTEST_GUILESS_MAIN(tst_TULnetwork)
#include "tst_tulnetwork.moc"
