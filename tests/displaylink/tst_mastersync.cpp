#include "mastersync.h"

#include <QAbstractTransition>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Short enough that the whole start-up runs in a fraction of a second.
MasterSync::Timing fastTiming(int silenceTickMs = 60000, int silenceLimitTicks = 3,
                              int syncTimeoutMs = 200)
{
    MasterSync::Timing t;
    t.rollCallIntervalMs = 20;
    t.syncTimeoutMs = syncTimeoutMs;
    t.menuImportStepMs = 50;
    t.silenceTickMs = silenceTickMs;
    t.silenceLimitTicks = silenceLimitTicks;
    return t;
}

bool isActive(const MasterSync &sync, const char *state)
{
    auto *s = sync.findChild<QAbstractState *>(QString::fromLatin1(state));
    return s && s->active();
}

// Everything the machine tells the outside, and every transition it takes, in order.
class SyncTrace : public QObject
{
public:
    explicit SyncTrace(MasterSync *sync)
    {
        m_clock.start();
        on(sync, &MasterSync::requestResyncSignal, "requestResync");
        on(sync, &MasterSync::askForSlaveSignal, "askForSlave");
        on(sync, &MasterSync::rollCallTimedOut, "rollCallTimedOut");
        on(sync, &MasterSync::syncNotNeeded, "syncNotNeeded");
        on(sync, &MasterSync::doMenuImportSignal, "doMenuImport");
        on(sync, &MasterSync::doDefaultDayPartSignal, "doDefaultDayPart");
        on(sync, &MasterSync::restoreHoldingSignal, "restoreHolding");
        on(sync, &MasterSync::systemReadyForTrayHoldUpdates, "systemReady");
        connect(sync, &MasterSync::syncedChanged, this,
                [this](bool s) { add(QLatin1String(s ? "synced true" : "synced false")); });
        connect(sync, &MasterSync::statusTextChanged, this,
                [this](const QString &text) { add(QStringLiteral("status ") + text); });
        connect(sync, &MasterSync::canLinkBrokenChanged, this,
                [this](bool b) { add(QLatin1String(b ? "linkBroken true" : "linkBroken false")); });
        connect(sync, &MasterSync::syncErrorInfo, this, [this](int a, int b, int c, int d) {
            errors << QStringLiteral("%1,%2,%3,%4").arg(a).arg(b).arg(c).arg(d);
            add(QStringLiteral("error ") + errors.last());
        });
        connect(sync, &MasterSync::syncErrorClearInfo, this, [this](int a, int b, int c, int d) {
            clears << QStringLiteral("%1,%2,%3,%4").arg(a).arg(b).arg(c).arg(d);
            add(QStringLiteral("clear ") + clears.last());
        });
        const auto transitions = sync->findChildren<QAbstractTransition *>();
        for (QAbstractTransition *t : transitions) {
            connect(t, &QAbstractTransition::triggered, this,
                    [this, t] { add(t->objectName()); });
        }
    }

    // The trace without the roll-call repeats.
    QStringList sequence() const
    {
        QStringList out;
        for (const QString &e : events) {
            if (e != QLatin1String("t_rollCall_repeat") && (out.isEmpty() || out.last() != e))
                out << e;
        }
        return out;
    }
    int count(const QString &event) const { return events.count(event); }
    qint64 at(const QString &event) const { return times.value(events.indexOf(event), -1); }

    QStringList events;
    QList<qint64> times;
    QStringList errors;
    QStringList clears;

private:
    template <typename Signal>
    void on(MasterSync *sync, Signal signal, const char *name)
    {
        connect(sync, signal, this, [this, name] { add(QString::fromLatin1(name)); });
    }
    void add(const QString &event)
    {
        events << event;
        times << m_clock.elapsed();
    }
    QElapsedTimer m_clock;
};

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// Start-up from the other display's answer (or the time-out) to the end, as the trace shows it.
QStringList startupTail(bool iAmMaster)
{
    QStringList tail{"status Checking for Orvanta import", "doMenuImport", "t_menuImport_done",
                     "doDefaultDayPart", "t_defaultDayPart_done"};
    if (iAmMaster)
        tail << "restoreHolding"; // only the display that owns the IO board
    return tail << "t_restoreHolding_done" << "status " << "synced true" << "systemReady";
}

} // namespace

class tst_MasterSync : public QObject
{
    Q_OBJECT

private slots:
    void rollCallAnswered_data();
    void rollCallAnswered();
    void rollCallTimesOut();
    void syncNotNeeded_data();
    void syncNotNeeded();
    void linkBrokenAndRestored_data();
    void linkBrokenAndRestored();
    void trafficResetsSilence();
    void lateTrafficClearsStartupErrors_data();
    void lateTrafficClearsStartupErrors();
};

void tst_MasterSync::rollCallAnswered_data()
{
    QTest::addColumn<bool>("iAmMaster");
    QTest::newRow("master") << true;
    QTest::newRow("second display") << false;
}

void tst_MasterSync::rollCallAnswered()
{
    QFETCH(bool, iAmMaster);
    MasterSync sync(true, iAmMaster, fastTiming());
    SyncTrace trace(&sync);
    sync.start();

    // The roll call repeats until the other display answers.
    QTRY_VERIFY(trace.count("askForSlave") >= 3);
    QVERIFY(isActive(sync, "rollCall"));
    QCOMPARE(trace.count("requestResync"), 1);
    QCOMPARE(sync.get_statusText(), QStringLiteral("Synchronizing displays"));

    sync.otherUiFound();
    QTRY_VERIFY(sync.get_synced());
    QVERIFY(isActive(sync, "synced"));
    QVERIFY(sync.get_statusText().isEmpty());

    QCOMPARE(trace.sequence(),
             QStringList({"status Synchronizing displays", "requestResync", "askForSlave",
                          "t_rollCall_found"})
                 + startupTail(iAmMaster));
    QVERIFY(trace.errors.isEmpty());

    // The import step gives the importer its time before the day part is set.
    QVERIFY2(trace.at("doDefaultDayPart") - trace.at("doMenuImport") >= 45,
             qPrintable(QString::number(trace.at("doDefaultDayPart") - trace.at("doMenuImport"))));

    // No more roll calls once answered; a late second answer changes nothing.
    const int calls = trace.count("askForSlave");
    const int events = trace.events.size();
    sync.otherUiFound();
    QTest::qWait(80);
    QCOMPARE(trace.count("askForSlave"), calls);
    QCOMPARE(trace.events.size(), events);
}

void tst_MasterSync::rollCallTimesOut()
{
    MasterSync sync(true, true, fastTiming());
    SyncTrace trace(&sync);
    QTest::ignoreMessage(QtWarningMsg, "Display synchronisation failed: no answer to the roll call");
    sync.start();

    QTRY_VERIFY(sync.get_synced());
    QVERIFY(trace.at("rollCallTimedOut") >= 190);
    QVERIFY(trace.count("askForSlave") >= 3);
    QCOMPARE(trace.errors, QStringList{"4,0,0,0"});

    // Start-up goes on without the other display.
    QCOMPARE(trace.sequence(),
             QStringList({"status Synchronizing displays", "requestResync", "askForSlave",
                          "rollCallTimedOut", "error 4,0,0,0", "t_syncTOfail"})
                 + startupTail(true));

    const int calls = trace.count("askForSlave");
    QTest::qWait(80);
    QCOMPARE(trace.count("askForSlave"), calls);
}

void tst_MasterSync::syncNotNeeded_data()
{
    QTest::addColumn<bool>("iAmMaster");
    QTest::newRow("master") << true;
    QTest::newRow("mirror") << false;
}

void tst_MasterSync::syncNotNeeded()
{
    QFETCH(bool, iAmMaster);
    // Silence ticks short enough to break a supervised link many times over.
    MasterSync sync(false, iAmMaster, fastTiming(5, 2));
    SyncTrace trace(&sync);
    sync.start();

    QTRY_VERIFY(sync.get_synced());
    QCOMPARE(trace.sequence(),
             QStringList({"syncNotNeeded", "t_notNeeded_done"}) + startupTail(iAmMaster));

    // Nobody to talk to: the link is never supervised.
    QTest::qWait(60);
    QVERIFY(!sync.get_canLinkBroken());
    QCOMPARE(sync.silentTicks(), 0);
    QVERIFY(trace.errors.isEmpty());
}

void tst_MasterSync::linkBrokenAndRestored_data()
{
    QTest::addColumn<bool>("iAmMaster");
    QTest::addColumn<QString>("quadruple");
    QTest::newRow("master misses the other display") << true << "4,0,0,0";
    QTest::newRow("second display misses the primary") << false << "4,1,0,0";
}

void tst_MasterSync::linkBrokenAndRestored()
{
    QFETCH(bool, iAmMaster);
    QFETCH(QString, quadruple);
    MasterSync sync(true, iAmMaster, fastTiming(10, 3, 60000));
    SyncTrace trace(&sync);
    int ticksAtBreak = -1;
    connect(&sync, &MasterSync::canLinkBrokenChanged, this, [&](bool broken) {
        if (broken)
            ticksAtBreak = sync.silentTicks();
    });
    QTest::ignoreMessage(QtWarningMsg, "CAN link silent for more than 3 ticks");
    sync.start();

    QTRY_VERIFY(sync.get_canLinkBroken());
    QCOMPARE(ticksAtBreak, 4); // more than the limit, not the limit itself
    QVERIFY(isActive(sync, "linkBroken"));
    QVERIFY(isActive(sync, "rollCall")); // the regions run side by side
    QCOMPARE(trace.errors, QStringList{quadruple});
    QVERIFY(trace.clears.isEmpty());

    sync.canTrafficSeen();
    QVERIFY(!sync.get_canLinkBroken());
    QVERIFY(isActive(sync, "linkOk"));
    QCOMPARE(sync.silentTicks(), 0);
    QCOMPARE(trace.clears, QStringList{quadruple});
    const QStringList seq = trace.sequence();
    QCOMPARE(seq.mid(seq.indexOf("t_linkOk_broken")),
             (QStringList{"t_linkOk_broken", "linkBroken true", "error " + quadruple,
                          "linkBroken false", "t_linkBroken_ok", "clear " + quadruple}));

    // Frames while the link is up clear nothing more; a second silence raises again.
    sync.canTrafficSeen();
    QCOMPARE(trace.clears.size(), 1);
    QTest::ignoreMessage(QtWarningMsg, "CAN link silent for more than 3 ticks");
    QTRY_VERIFY(sync.get_canLinkBroken());
    QCOMPARE(trace.errors, (QStringList{quadruple, quadruple}));
}

void tst_MasterSync::trafficResetsSilence()
{
    // Steady traffic keeps the link up for many times the silence limit.
    MasterSync sync(true, false, fastTiming(10, 5, 60000));
    QSignalSpy broken(&sync, &MasterSync::canLinkBrokenChanged);
    QTimer traffic;
    traffic.setInterval(10);
    connect(&traffic, &QTimer::timeout, &sync, &MasterSync::canTrafficSeen);
    traffic.start();
    sync.start();
    QTest::qWait(300);
    QCOMPARE(broken.count(), 0);
    QVERIFY(sync.silentTicks() <= 5);

    traffic.stop();
    QTest::ignoreMessage(QtWarningMsg, "CAN link silent for more than 5 ticks");
    QTRY_COMPARE(broken.count(), 1);
}

void tst_MasterSync::lateTrafficClearsStartupErrors_data()
{
    QTest::addColumn<bool>("iAmMaster");
    QTest::addColumn<QStringList>("raised");
    // The master's sync failure and silent partner are one error, raised once.
    QTest::newRow("master") << true << QStringList{"4,0,0,0"};
    QTest::newRow("second display") << false << QStringList{"4,0,0,0", "4,1,0,0"};
}

// The other display comes up after the start-up gave up on it: its first frame ends
// every error raised about it, the failed roll call included.
void tst_MasterSync::lateTrafficClearsStartupErrors()
{
    QFETCH(bool, iAmMaster);
    QFETCH(QStringList, raised);
    MasterSync sync(true, iAmMaster, fastTiming(10, 3, 100));
    SyncTrace trace(&sync);
    QTest::ignoreMessage(QtWarningMsg, "Display synchronisation failed: no answer to the roll call");
    QTest::ignoreMessage(QtWarningMsg, "CAN link silent for more than 3 ticks");
    sync.start();
    QTRY_VERIFY(sync.get_synced() && sync.get_canLinkBroken());
    QCOMPARE(sorted(trace.errors), raised);

    sync.otherUiFound(); // a late answer to the last roll call
    QVERIFY(!sync.get_canLinkBroken());
    QCOMPARE(sorted(trace.clears), raised);

    sync.canTrafficSeen();
    QCOMPARE(trace.clears.size(), raised.size());
}

QTEST_GUILESS_MAIN(tst_MasterSync)
#include "tst_mastersync.moc"
