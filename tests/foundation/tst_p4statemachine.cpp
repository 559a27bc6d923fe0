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
    explicit DoorMachine(QObject *parent = nullptr)
        : P4StateMachine(parent)
    {
        closed = addNamedState(QStringLiteral("closed"));
        open = addNamedState(QStringLiteral("open"));
        t_closed_open = addGuardedTransition(closed, this, SIGNAL(openRequested()), open,
                                             QStringLiteral("t_closed_open"), this,
                                             "mayOpen");
        t_open_closed = addNamedTransition(open, this, SIGNAL(closeRequested()), closed,
                                           QStringLiteral("t_open_closed"));
        t_knock = addNamedTransition(closed, this, SIGNAL(knocked()), nullptr,
                                     QStringLiteral("t_knock"), SLOT(countKnock()));
        setInitialState(closed);
    }

    bool unlocked = false;
    int knocks = 0;
    QStringList journal;
    QState *closed = nullptr;
    QState *open = nullptr;
    GuardedSignalTransition *t_closed_open = nullptr;
    QSignalTransition *t_open_closed = nullptr;
    QSignalTransition *t_knock = nullptr;

signals:
    void openRequested();
    void closeRequested();
    void knocked();

public slots:
    bool mayOpen() { return unlocked; }
    void open_onEntry() { journal << QStringLiteral("open entered"); }
    void open_onExit() { journal << QStringLiteral("open left"); }
    void countKnock() { ++knocks; }
};

class TestP4StateMachine : public QObject
{
    Q_OBJECT

private slots:
    void isRunningFollowsTheMachine();
    void isRunningFalseAfterFinalState();
    void transitionsCarryTheirNamesAndTexts();
    void guardBlocksUntilItAllows();
    void entryAndExitSlotsAreCalled();
    void targetlessTransitionRunsItsActionAndStays();
    void guardWithoutObjectActsAsPlainTransition();
    void missingGuardMethodBlocks();
    void tracedMachineLogsItsTransitions();
};

void TestP4StateMachine::isRunningFollowsTheMachine()
{
    DoorMachine door;
    QSignalSpy spy(&door, &P4StateMachine::isRunningChanged);
    QVERIFY(!door.get_isRunning());
    QCOMPARE(door.property("isRunning").toBool(), false);
    door.start();
    QTRY_VERIFY(door.get_isRunning());
    QCOMPARE(door.property("isRunning").toBool(), true);
    door.stop();
    QTRY_VERIFY(!door.get_isRunning());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
}

void TestP4StateMachine::isRunningFalseAfterFinalState()
{
    P4StateMachine machine;
    auto *only = new QState(&machine);
    auto *done = new QFinalState(&machine);
    only->addTransition(done); // eventless: finishes at once
    machine.setInitialState(only);
    QSignalSpy finished(&machine, &QStateMachine::finished);
    machine.start();
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(!machine.get_isRunning());
}

void TestP4StateMachine::transitionsCarryTheirNamesAndTexts()
{
    DoorMachine door;
    QCOMPARE(door.closed->objectName(), QStringLiteral("closed"));
    QCOMPARE(door.t_closed_open->objectName(), QStringLiteral("t_closed_open"));
    QCOMPARE(door.t_closed_open->property("trigSignal").toString(), QStringLiteral("openRequested()"));
    QVERIFY(!door.t_closed_open->property("action").isValid());
    QCOMPARE(door.t_knock->property("trigSignal").toString(), QStringLiteral("knocked()"));
    QCOMPARE(door.t_knock->property("action").toString(), QStringLiteral("countKnock()"));
    QCOMPARE(door.t_closed_open->sourceState(), door.closed);
    QCOMPARE(door.t_closed_open->targetState(), door.open);
}

void TestP4StateMachine::guardBlocksUntilItAllows()
{
    DoorMachine door;
    door.start();
    QTRY_VERIFY(door.configuration().contains(door.closed));

    emit door.openRequested();
    QTest::qWait(20); // a blocked transition gives no signal to wait for
    QVERIFY(door.configuration().contains(door.closed));

    door.unlocked = true;
    emit door.openRequested();
    QTRY_VERIFY(door.configuration().contains(door.open));
}

void TestP4StateMachine::entryAndExitSlotsAreCalled()
{
    DoorMachine door;
    door.unlocked = true;
    door.start();
    QTRY_VERIFY(door.configuration().contains(door.closed));
    emit door.openRequested();
    QTRY_VERIFY(door.configuration().contains(door.open));
    emit door.closeRequested();
    QTRY_VERIFY(door.configuration().contains(door.closed));
    QCOMPARE(door.journal, (QStringList{QStringLiteral("open entered"), QStringLiteral("open left")}));
}

void TestP4StateMachine::targetlessTransitionRunsItsActionAndStays()
{
    DoorMachine door;
    QSignalSpy entered(door.closed, &QState::entered);
    door.start();
    QTRY_COMPARE(entered.count(), 1);
    emit door.knocked();
    emit door.knocked();
    QTRY_COMPARE(door.knocks, 2);
    QCOMPARE(entered.count(), 1); // a targetless transition does not re-enter its state
}

void TestP4StateMachine::guardWithoutObjectActsAsPlainTransition()
{
    DoorMachine door;
    door.t_closed_open->guardObject = nullptr;
    door.start();
    QTRY_VERIFY(door.configuration().contains(door.closed));
    emit door.openRequested();
    QTRY_VERIFY(door.configuration().contains(door.open));
}

void TestP4StateMachine::missingGuardMethodBlocks()
{
    DoorMachine door;
    door.t_closed_open->guardMethodName = "noSuchGuard";
    door.start();
    QTRY_VERIFY(door.configuration().contains(door.closed));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("guard .*noSuchGuard.* not found"));
    emit door.openRequested();
    QTest::qWait(20);
    QVERIFY(door.configuration().contains(door.closed));
}

void TestP4StateMachine::tracedMachineLogsItsTransitions()
{
    DoorMachine door;
    door.setObjectName(QStringLiteral("door"));
    door.unlocked = true;
    door.traceTransitions();
    door.start();
    QTRY_VERIFY(door.configuration().contains(door.closed));
    QTest::ignoreMessage(QtDebugMsg, "door: t_closed_open openRequested() closed -> open ");
    emit door.openRequested();
    QTRY_VERIFY(door.configuration().contains(door.open));
    QTest::ignoreMessage(QtDebugMsg, "door: t_open_closed closeRequested() open -> closed ");
    emit door.closeRequested();
    QTRY_VERIFY(door.configuration().contains(door.closed));
    QTest::ignoreMessage(QtDebugMsg, "door: t_knock knocked() closed -> closed countKnock()");
    emit door.knocked();
    QTRY_COMPARE(door.knocks, 1);
}

QTEST_MAIN(TestP4StateMachine)
#include "tst_p4statemachine.moc"
