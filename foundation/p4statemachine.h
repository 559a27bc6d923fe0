#ifndef P4STATEMACHINE_H
#define P4STATEMACHINE_H

#include <QStateMachine>

class QAbstractTransition;
class QSignalTransition;
class GuardedSignalTransition;

// Base of every manager: a QStateMachine that publishes whether it runs and helps
// subclasses build their state table by the project's naming rules:
//  - states are QState children with an object name ("idle", "holding"); when the
//    machine has slots "<name>_onEntry" / "<name>_onExit" they are connected;
//  - transitions are named "t_..." and carry the dynamic property "trigSignal" (the
//    trigger's signature) and, where they run a slot, "action" (that slot's signature).
class P4StateMachine : public QStateMachine
{
    Q_OBJECT
    Q_PROPERTY(bool isRunning READ get_isRunning NOTIFY isRunningChanged)

public:
    explicit P4StateMachine(QObject *parent = nullptr);

    bool get_isRunning() const { return m_isRunning; }

    // Names a transition and records its trigger and action texts for the tracer.
    static void nameTransition(QAbstractTransition *transition, const QString &name,
                               const QString &trigSignal, const QString &action = QString());
    // "2timeout()" (the SIGNAL()/SLOT() macro form) -> "timeout()".
    static QString signatureText(const char *signalOrSlot);

    // "-trace": writes every transition this machine takes to the debug stream, with its
    // name, trigger, source and target. Call once the state table is built.
    void traceTransitions();

signals:
    void isRunningChanged(bool running);

protected:
    QState *addNamedState(const QString &name, QState *parent = nullptr);

    // A transition from `source` to `target` on `signal` of `sender`; with `actionSlot`
    // (SLOT() form, a slot of this machine) the slot runs when the transition fires.
    // A null target makes a targetless transition, which stays in `source`.
    QSignalTransition *addNamedTransition(QState *source, const QObject *sender, const char *signal,
                                          QAbstractState *target, const QString &name,
                                          const char *actionSlot = nullptr);

    // Like addNamedTransition, but fires only while `guardMethod` of `guardObject` returns true.
    GuardedSignalTransition *addGuardedTransition(QState *source, const QObject *sender,
                                                  const char *signal, QAbstractState *target,
                                                  const QString &name, QObject *guardObject,
                                                  const char *guardMethod,
                                                  const char *actionSlot = nullptr);

private:
    void setRunning(bool running);
    void connectStateSlots(QState *state, const QString &name);
    void attachTransition(QState *source, QSignalTransition *transition, const char *signal,
                          const QString &name, const char *actionSlot);

    bool m_isRunning = false;
};

#endif // P4STATEMACHINE_H
