// The end-of-line test on a cabinet of two displays, run as two processes of the program
// on a virtual CAN bus: what the station starts on the primary reaches the mirror.
#include "eolstation.h"
#include "scratchroots.h"

#include <QProcess>
#include <QTcpServer>
#include <QtTest>

namespace {

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// One display: its process and its log so far.
class Display
{
public:
    Display(const QString &root, const QString &fixture, const QString &can, int eolPort)
    {
        QDir().mkpath(root);
        QFile::copy(QStringLiteral(PERSONALITY_FIXTURES "/") + fixture, root + fixture);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TUL_ROOT_DIR"), root);
        env.insert(QStringLiteral("TUL_CAN_INTERFACE"), can);
        env.insert(QStringLiteral("TUL_EOL_TCP_PORT"), QString::number(eolPort));
        env.insert(QStringLiteral("TUL_EOL_ANNOUNCE"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.canbus.*=false;tul.*.debug=true"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(TUL_BINARY), {QStringLiteral("-simulation")});
    }
    ~Display()
    {
        process.kill();
        process.waitForFinished(5000);
    }
    bool saw(const QString &text)
    {
        output += QString::fromLocal8Bit(process.readAll());
        return output.contains(text);
    }
    QProcess process;
    QString output;
};

} // namespace

class TestEolTwoDisplays : public QObject
{
    Q_OBJECT

private slots:
    void screenTestReachesTheOtherDisplay();
};

void TestEolTwoDisplays::screenTestReachesTheOtherDisplay()
{
    ScratchRoots scratch;
    const QString can = QStringLiteral("tcp://127.0.0.1:%1/can0").arg(freePort());
    const int port = freePort();
    Display primary(scratch.base() + QStringLiteral("/primary/"), QStringLiteral("2x4_primary_mirror.hcc"), can, port);
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(QStringLiteral("File id : file name is")), 15000);
    Display mirror(scratch.base() + QStringLiteral("/mirror/"), QStringLiteral("2x4_mirror.hcc"), can, 0);
    const QString finished = QStringLiteral("Start-up synchronisation finished");
    QTRY_VERIFY_WITH_TIMEOUT(primary.saw(finished) && mirror.saw(finished), 30000);

    EolStation station;
    QVERIFY(station.connectTo(quint16(port)));
    station.send(R"({"event":"EndOfLineTest","command":"Start"})");
    QTRY_COMPARE(station.poll(), 1);
    QCOMPARE(station.reply(0).value("response").toString(), QStringLiteral("pass"));

    station.send(R"({"event":"ScreenTest","command":"Start"})");
    QTRY_VERIFY_WITH_TIMEOUT(mirror.saw(QStringLiteral("Screen colour test panel shown")), 10000);
    station.send(R"({"event":"SpeakerTest","command":"Start"})");
    QTRY_VERIFY_WITH_TIMEOUT(mirror.saw(QStringLiteral("Screen colour test panel hidden")), 10000);
    QVERIFY2(primary.saw(QStringLiteral("Screen colour test panel shown")), qPrintable(primary.output));
}

QTEST_MAIN(TestEolTwoDisplays)
#include "tst_eoltwodisplays.moc"
