#include "mastersync.h"

#include <QAbstractTransition>
#include <QElapsedTimer>
#include <QtTest>

namespace {

// Short enough that the whole start-up runs in a fraction of a second.
MasterSync::Timing fastTiming(int silenceTickMs, int silenceLimitTicks = 3, int syncTimeoutMs = 200)
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
struct SyncTrace : QObject
{
    QStringList events, errors, clears;
    QList<qint64> times;
    QElapsedTimer clock;

    explicit SyncTrace(MasterSync *s)
    {
        clock.start();
        using Plain = void (MasterSync::*)();
        for (auto [signal, name] : std::initializer_list<std::pair<Plain, const char *>>{
                 {&MasterSync::requestResyncSignal, "requestResync"}, {&MasterSync::askForSlaveSignal, "askForSlave"},
                 {&MasterSync::rollCallTimedOut, "rollCallTimedOut"}, {&MasterSync::syncNotNeeded, "syncNotNeeded"},
                 {&MasterSync::doMenuImportSignal, "doMenuImport"}, {&MasterSync::doDefaultDayPartSignal, "doDefaultDayPart"},
                 {&MasterSync::restoreHoldingSignal, "restoreHolding"},
                 {&MasterSync::systemReadyForTrayHoldUpdates, "systemReady"}})
            connect(s, signal, this, [this, name = name] { add(name); });
        connect(s, &MasterSync::syncedChanged, this, [this](bool v) { add(v ? "synced true" : "synced false"); });
        connect(s, &MasterSync::statusTextChanged, this, [this](const QString &text) { add("status " + text); });
        connect(s, &MasterSync::canLinkBrokenChanged, this, [this](bool b) { add(b ? "linkBroken true" : "linkBroken false"); });
        connect(s, &MasterSync::syncErrorInfo, this, [this](int a, int b, int c, int d) { add("error " + quad(errors, a, b, c, d)); });
        connect(s, &MasterSync::syncErrorClearInfo, this, [this](int a, int b, int c, int d) { add("clear " + quad(clears, a, b, c, d)); });
        for (QAbstractTransition *t : s->findChildren<QAbstractTransition *>())
            connect(t, &QAbstractTransition::triggered, this, [this, t] { add(t->objectName()); });
    }
    static QString quad(QStringList &into, int a, int b, int c, int d)
    {
        return (into << QStringLiteral("%1,%2,%3,%4").arg(a).arg(b).arg(c).arg(d)).last();
    }
    void add(const QString &event) { events << event; times << clock.elapsed(); }
    // The trace without the roll-call repeats.
    QStringList sequence() const
    {
        QStringList out;
        for (const QString &e : events) {
            if (e != "t_rollCall_repeat" && (out.isEmpty() || out.last() != e))
                out << e;
        }
        return out;
    }
    qint64 at(const QString &event) const { return times.value(events.indexOf(event), -1); }
};

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class tst_MasterSync : public QObject
{
    Q_OBJECT

private slots:
    // From the roll call (or none) to the end; only the display that owns the IO board
    // restores the holding state.
    void startup_data()
    {
        QTest::addColumn<bool>("needed");
        QTest::addColumn<bool>("iAmMaster");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<QStringList>("head");
        const QStringList rollCall{"status Synchronizing displays", "requestResync", "askForSlave"};
        QTest::newRow("master, answered") << true << true << true << rollCall + QStringList("t_rollCall_found");
        // The second display asks once more when found: its first request may have gone
        // out before the master was on the bus.
        QTest::newRow("second display, answered") << true << false << true
                                                   << rollCall + QStringList{"requestResync", "t_rollCall_found"};
        QTest::newRow("master, no answer") << true << true << false
                                           << rollCall + QStringList{"rollCallTimedOut", "error 4,0,0,0", "t_syncTOfail"};
        QTest::newRow("master, alone") << false << true << false << QStringList{"syncNotNeeded", "t_notNeeded_done"};
        QTest::newRow("mirror, alone") << false << false << false << QStringList{"syncNotNeeded", "t_notNeeded_done"};
    }
    void startup()
    {
        QFETCH(bool, needed);
        QFETCH(bool, iAmMaster);
        QFETCH(bool, answered);
        QFETCH(QStringList, head);
        // Alone, silence ticks short enough to break a supervised link many times over.
        MasterSync sync(needed, iAmMaster, needed ? fastTiming(60000) : fastTiming(5, 2));
        SyncTrace trace(&sync);
        if (needed && !answered)
            QTest::ignoreMessage(QtWarningMsg, "Display synchronisation failed: no answer to the roll call");
        sync.start();
        if (needed) { // the roll call repeats until answered or timed out
            QTRY_VERIFY(trace.events.count("askForSlave") >= 3);
            QCOMPARE(trace.events.count("requestResync"), 1);
        }
        if (answered) {
            QVERIFY(isActive(sync, "rollCall"));
            QCOMPARE(sync.get_statusText(), QStringLiteral("Synchronizing displays"));
            sync.otherUiFound();
        }
        QTRY_VERIFY(sync.get_synced());
        QVERIFY(isActive(sync, "synced") && sync.get_statusText().isEmpty());
        if (needed && !answered)
            QVERIFY(trace.at("rollCallTimedOut") >= 180); // a coarse timer may fire 5 % early
        QStringList tail{"status Checking for Orvanta import", "doMenuImport", "t_menuImport_done",
                         "doDefaultDayPart", "t_defaultDayPart_done"};
        if (iAmMaster)
            tail << "restoreHolding";
        QCOMPARE(trace.sequence(), head + tail + QStringList({"t_restoreHolding_done", "status ", "synced true", "systemReady"}));
        QCOMPARE(trace.errors, QStringList(head.filter("error ").replaceInStrings("error ", "")));
        // The import step gives the importer its time before the day part is set.
        QVERIFY(trace.at("doDefaultDayPart") - trace.at("doMenuImport") >= 45);

        // No more roll calls; a late second answer changes nothing; alone, the link is
        // never supervised.
        const int events = trace.events.size();
        if (answered)
            sync.otherUiFound();
        QTest::qWait(80);
        QCOMPARE(trace.events.size(), events);
        QVERIFY(!sync.get_canLinkBroken());
        QVERIFY(needed || sync.silentTicks() == 0);
    }

    // A silent partner raises its error once past the limit and the first frame clears
    // it. If it comes up after the start-up gave up on it, its late answer ends every
    // error raised about it, the failed roll call included.
    void linkSupervision_data()
    {
        QTest::addColumn<bool>("iAmMaster");
        QTest::addColumn<bool>("late");
        QTest::addColumn<QStringList>("raised");
        QTest::newRow("master misses the other display") << true << false << QStringList{"4,0,0,0"};
        QTest::newRow("second display misses the primary") << false << false << QStringList{"4,1,0,0"};
        // The master's sync failure and silent partner are one error, raised once.
        QTest::newRow("master, partner late") << true << true << QStringList{"4,0,0,0"};
        QTest::newRow("second display, partner late") << false << true << QStringList{"4,0,0,0", "4,1,0,0"};
    }
    void linkSupervision()
    {
        QFETCH(bool, iAmMaster);
        QFETCH(bool, late);
        QFETCH(QStringList, raised);
        MasterSync sync(true, iAmMaster, fastTiming(10, 3, late ? 100 : 60000));
        SyncTrace trace(&sync);
        int ticksAtBreak = -1;
        connect(&sync, &MasterSync::canLinkBrokenChanged, this, [&](bool broken) { if (broken) ticksAtBreak = sync.silentTicks(); });
        if (late)
            QTest::ignoreMessage(QtWarningMsg, "Display synchronisation failed: no answer to the roll call");
        QTest::ignoreMessage(QtWarningMsg, "CAN link silent for more than 3 ticks");
        sync.start();
        QTRY_VERIFY(sync.get_canLinkBroken() && sync.get_synced() == late);
        QCOMPARE(ticksAtBreak, 4); // more than the limit, not the limit itself
        QVERIFY(isActive(sync, "linkBroken") && isActive(sync, late ? "synced" : "rollCall")); // side by side
        QCOMPARE(sorted(trace.errors), raised);
        late ? sync.otherUiFound() : sync.canTrafficSeen(); // a late answer to the last roll call
        QVERIFY(!sync.get_canLinkBroken() && isActive(sync, "linkOk"));
        QCOMPARE(sync.silentTicks(), 0);
        QCOMPARE(sorted(trace.clears), raised);
        sync.canTrafficSeen(); // frames while the link is up clear nothing more
        QCOMPARE(trace.clears.size(), raised.size());
        if (late)
            return;
        // The link's own events, whatever the roll call running beside it did meanwhile.
        const QStringList seq = trace.sequence().filter(QRegularExpression("[lL]ink|^error|^clear"));
        QCOMPARE(seq,
                 (QStringList{"t_linkOk_broken", "linkBroken true", "error " + raised[0], "linkBroken false",
                              "t_linkBroken_ok", "clear " + raised[0]}));
        QTest::ignoreMessage(QtWarningMsg, "CAN link silent for more than 3 ticks");
        QTRY_VERIFY(sync.get_canLinkBroken()); // a second silence raises again
        QCOMPARE(trace.errors, raised + raised);
    }

    void trafficResetsSilence()
    {
        // Steady traffic keeps the link up for many times the silence limit.
        MasterSync sync(true, false, fastTiming(10, 5, 60000));
        QSignalSpy broken(&sync, &MasterSync::canLinkBrokenChanged);
        QTimer traffic;
        connect(&traffic, &QTimer::timeout, &sync, &MasterSync::canTrafficSeen);
        traffic.start(10);
        sync.start();
        QTest::qWait(300);
        QCOMPARE(broken.count(), 0);
        QVERIFY(sync.silentTicks() <= 5);
        traffic.stop();
        QTest::ignoreMessage(QtWarningMsg, "CAN link silent for more than 5 ticks");
        QTRY_COMPARE(broken.count(), 1);
    }

};

QTEST_GUILESS_MAIN(tst_MasterSync)
#include "tst_mastersync.moc"
