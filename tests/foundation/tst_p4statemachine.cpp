#include "guardedsignaltransition.h"
#include "p4statemachine.h"

#include <QSignalTransition>
#include <QtTest>

// A small door controller written the way managers are: states and transitions first,
// then one slot per entry, exit and action.
class DoorMachine : public P4StateMachine
{
    Q_OBJECT

public:
    DoorMachine()
    {
        setObjectName("door");
        closed = addNamedState("closed");
        open = addNamedState("open");
        t_closed_open = addGuardedTransition(closed, this, SIGNAL(openRequested()), open, "t_closed_open", this, "mayOpen");
        addNamedTransition(open, this, SIGNAL(closeRequested()), closed, "t_open_closed");
        addNamedTransition(closed, this, SIGNAL(knocked()), nullptr, "t_knock", SLOT(countKnock()));
        setInitialState(closed);
    }
    bool unlocked = false;
    int knocks = 0;
    QStringList journal;
    QState *closed = nullptr;
    QState *open = nullptr;
    GuardedSignalTransition *t_closed_open = nullptr;

signals:
    void openRequested();
    void closeRequested();
    void knocked();

public slots:
    bool mayOpen() { return unlocked; }
    void open_onEntry() { journal << "open entered"; }
    void open_onExit() { journal << "open left"; }
    void countKnock() { ++knocks; }
};

class TestP4StateMachine : public QObject
{
    Q_OBJECT

private slots:
    void guard_data()
    {
        QTest::addColumn<QString>("guard");
        QTest::addColumn<bool>("opens");
        QTest::newRow("locked") << "locked" << false;
        QTest::newRow("unlocked") << "unlocked" << true;
        QTest::newRow("no guard object: a plain transition") << "none" << true;
        QTest::newRow("missing guard method blocks") << "missing" << false;
    }
    void guard()
    {
        QFETCH(QString, guard);
        QFETCH(bool, opens);
        DoorMachine door;
        door.unlocked = guard == "unlocked";
        if (guard == "none")
            door.t_closed_open->guardObject = nullptr;
        if (guard == "missing") {
            door.t_closed_open->guardMethodName = "noSuchGuard";
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("guard .*noSuchGuard.* not found"));
        }
        door.start();
        QTRY_VERIFY(door.configuration().contains(door.closed));
        emit door.openRequested();
        emit door.knocked(); // handled after the request: closed again if it was blocked
        if (opens)
            QTRY_VERIFY(door.configuration().contains(door.open));
        else
            QTRY_COMPARE(door.knocks, 1);
        QCOMPARE(door.configuration().contains(door.open), opens);
    }

    // Running state, entry and exit slots, an action that stays, and the trace.
    void lifeOfAMachine()
    {
        DoorMachine door;
        QSignalSpy running(&door, &P4StateMachine::isRunningChanged);
        QSignalSpy entered(door.closed, &QState::entered);
        door.unlocked = true;
        door.traceTransitions();
        QVERIFY(!door.property("isRunning").toBool());
        door.start();
        QTRY_VERIFY(door.property("isRunning").toBool());
        QTRY_COMPARE(entered.count(), 1);
        QTest::ignoreMessage(QtInfoMsg, "door: t_knock knocked() closed -> closed countKnock()");
        QTest::ignoreMessage(QtInfoMsg, "door: t_knock knocked() closed -> closed countKnock()");
        emit door.knocked();
        emit door.knocked();
        QTRY_COMPARE(door.knocks, 2);
        QCOMPARE(entered.count(), 1); // a targetless transition does not re-enter its state
        QTest::ignoreMessage(QtInfoMsg, "door: t_closed_open openRequested() closed -> open ");
        emit door.openRequested();
        QTRY_VERIFY(door.configuration().contains(door.open));
        QTest::ignoreMessage(QtInfoMsg, "door: t_open_closed closeRequested() open -> closed ");
        emit door.closeRequested();
        QTRY_COMPARE(entered.count(), 2);
        QCOMPARE(door.journal, QStringList({"open entered", "open left"}));
        door.stop();
        QTRY_VERIFY(!door.get_isRunning());
        QCOMPARE(running, QList<QVariantList>({{true}, {false}}));
    }

    void isRunningFalseAfterFinalState()
    {
        P4StateMachine machine;
        auto *only = new QState(&machine);
        only->addTransition(new QFinalState(&machine)); // eventless: finishes at once
        machine.setInitialState(only);
        QSignalSpy finished(&machine, &QStateMachine::finished);
        machine.start();
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(!machine.get_isRunning());
    }
};

QTEST_MAIN(TestP4StateMachine)
#include "tst_p4statemachine.moc"
