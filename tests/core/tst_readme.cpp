// The README's examples, as written there, against the program running as ./run.sh runs
// it (the sample 5 x 4 cabinet, simulation, a private system bus): every console command
// of its transcript gets the answer shown under it, and every D-Bus command works and does
// what the comment under it says.
#include "displayprocess.h"
#include "privatebus.h"
#include "scratchroots.h"

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QtTest>

namespace {

// The indented block after the marker "<!-- example: <kind> -->", continuation lines joined.
QStringList exampleLines(const QString &kind)
{
    QFile readme(QStringLiteral(TUL_SOURCE "/README.md"));
    if (!readme.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n'));
    const int marker = lines.indexOf(QStringLiteral("<!-- example: %1 -->").arg(kind));
    QStringList out;
    int i = marker + 1;
    while (i < lines.size() && lines.at(i).trimmed().isEmpty())
        ++i;
    for (; marker >= 0 && i < lines.size() && lines.at(i).startsWith(QLatin1String("    ")); ++i) {
        const QString line = lines.at(i).mid(4);
        if (!out.isEmpty() && out.last().endsWith(QLatin1Char('\\')))
            out.last() = out.last().chopped(1) + line.trimmed();
        else
            out << line;
    }
    return out;
}

// "<anything>" in a documented answer stands for a value that varies.
QRegularExpression answerPattern(const QString &documented)
{
    QString pattern = QRegularExpression::escape(documented);
    pattern.replace(QRegularExpression(QStringLiteral("\\\\<[^>]*\\\\>")), QStringLiteral(".*"));
    return QRegularExpression(QStringLiteral("^") + pattern + QStringLiteral("$"));
}

} // namespace

class TestReadme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void consoleExamples_data();
    void consoleExamples();
    void busExamples_data();
    void busExamples();

private:
    QScopedPointer<ScratchRoots> m_scratch;
    QScopedPointer<PrivateBus> m_bus;
    QScopedPointer<Display> m_display;
    QScopedPointer<BusAgent> m_agent;
    QProcess m_monitor;
};

void TestReadme::initTestCase()
{
    m_scratch.reset(new ScratchRoots);
    m_bus.reset(new PrivateBus);
    QVERIFY(m_bus->isRunning());
    // The sample cabinet of ./run.sh.
    const QString root = m_scratch->root();
    QVERIFY(QFile::copy(QStringLiteral(TUL_SOURCE "/tests/data/personality/5x4_primary_nfc.hcc"),
                        root + QStringLiteral("5x4_primary_nfc.hcc")));
    QVERIFY(QFile::copy(QStringLiteral(TUL_SOURCE "/tests/data/holding/sample_dayParts_5x4.json"),
                        root + QStringLiteral("dayParts.json")));
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("serialModelNums.txt"),
                                     "serialNumber=SIM-0001\nmodelNumber=SIM-5X4\nuuidNumber=\ncustomerIdStr=\n"));
    m_scratch->setVariable("DBUS_SYSTEM_BUS_ADDRESS", m_bus->address());
    m_agent.reset(new BusAgent(m_bus->connect(QStringLiteral("agent")), QStringLiteral("/TulApplication"),
                               QStringLiteral("com.brevantor.DBus.TulApplication")));
    QVERIFY(m_agent->listening());

    // The README's monitor, watching from the start.
    const QStringList bus = exampleLines(QStringLiteral("monitor"));
    const int monitor = bus.indexOf(QRegularExpression(QStringLiteral("dbus-monitor .*")));
    QVERIFY2(monitor >= 0, "no dbus-monitor in the README's example");
    m_monitor.setProcessChannelMode(QProcess::MergedChannels);
    m_monitor.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("exec ") + bus.at(monitor)});
    QVERIFY(m_monitor.waitForStarted());

    m_display.reset(new Display(root, QStringLiteral("tcp://127.0.0.1:%1/can0").arg(freePort())));
    QTRY_VERIFY_WITH_TIMEOUT(m_display->saw(QStringLiteral("Scene loaded")), 30000);
    // The start's preheating, which the README tells the reader to wait for.
    const auto ready = [this] {
        for (int bin = 0; bin < 5; ++bin) {
            if (!m_display->ask(QStringLiteral("state %1").arg(bin)).contains(QLatin1String("ready2hold")))
                return false;
        }
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(ready(), 120000);
}

void TestReadme::cleanupTestCase()
{
    m_display.reset();
    m_monitor.kill();
    m_monitor.waitForFinished(5000);
}

void TestReadme::consoleExamples_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");
    const QStringList lines = exampleLines(QStringLiteral("console"));
    QVERIFY2(!lines.isEmpty(), "no console example in the README");
    for (int i = 0; i + 1 < lines.size(); i += 2) {
        QVERIFY2(lines.at(i + 1).startsWith(QLatin1String("sim: ")), qPrintable(lines.at(i + 1)));
        QTest::newRow(qPrintable(lines.at(i))) << lines.at(i) << lines.at(i + 1).mid(5);
    }
}

void TestReadme::consoleExamples()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    const QString got = m_display->ask(command);
    QVERIFY2(answerPattern(answer).match(got).hasMatch(), qPrintable(got));
}

// Each command is followed by "# answers: <text>" (its output holds the text) or
// "# signals: <JSON fields>" (the cabinet then signals an event with those fields).
void TestReadme::busExamples_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("event");
    const QStringList lines = exampleLines(QStringLiteral("dbus"));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i);
        if (!line.startsWith(QLatin1String("dbus-send ")) && !line.contains(QLatin1String("tul_bussender ")))
            continue;
        const QString next = i + 1 < lines.size() ? lines.at(i + 1) : QString();
        QVERIFY2(next.startsWith(QLatin1String("# answers: ")) || next.startsWith(QLatin1String("# signals: ")),
                 qPrintable(line + QLatin1String(": no documented outcome")));
        const bool answers = next.startsWith(QLatin1String("# answers: "));
        QTest::newRow(qPrintable(line.section(QLatin1Char(' '), -2)))
            << line << (answers ? next.mid(11) : QString()) << (answers ? QString() : next.mid(11));
    }
    // The holding start the console's example caused reached the monitor.
    QTRY_VERIFY_WITH_TIMEOUT(m_monitor.peek(1 << 20).contains("holdStart"), 10000);
}

void TestReadme::busExamples()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(QString, event);
    m_agent->clear();
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    // The README's paths start at the build folder: "build/tests/iot/tul_bussender".
    QString line = command;
    line.replace(QLatin1String("build/"), QStringLiteral(TUL_BUILD_DIR "/"));
    run.start(QStringLiteral("sh"), {QStringLiteral("-c"), line});
    QVERIFY(run.waitForFinished(10000));
    const QString output = QString::fromUtf8(run.readAll());
    QVERIFY2(run.exitCode() == 0, qPrintable(output));
    if (!answer.isEmpty())
        QVERIFY2(output.contains(answer), qPrintable(output));
    if (event.isEmpty())
        return;
    const QJsonObject fields = QJsonDocument::fromJson(event.toUtf8()).object();
    QVERIFY2(!fields.isEmpty(), qPrintable(event));
    const QString name = fields.value(QStringLiteral("event")).toString();
    const QJsonObject got = m_agent->waitFor(name);
    for (auto it = fields.begin(); it != fields.end(); ++it)
        QVERIFY2(got.value(it.key()) == it.value(), qPrintable(QJsonDocument(got).toJson(QJsonDocument::Compact)));
}

QTEST_GUILESS_MAIN(TestReadme)
#include "tst_readme.moc"
