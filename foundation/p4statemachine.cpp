#include "p4statemachine.h"
#include "foundationlog.h"
#include "guardedsignaltransition.h"

#include <QAbstractTransition>
#include <QDebug>
#include <QHash>
#include <QMetaMethod>
#include <QPair>
#include <QSignalTransition>

namespace {

struct StateSlots
{
    int entry = -1;
    int exit = -1;
};

// The "<name>_onEntry()" and "<name>_onExit()" slots of a class, looked up once per class
// and state name: a cabinet makes twenty tray machines of one class, and each look-up
// walks the class's whole method table. Per thread, as machines may be made on workers.
StateSlots stateSlotsOf(const QMetaObject *mo, const QString &name)
{
    thread_local QHash<QPair<const QMetaObject *, QString>, StateSlots> known;
    const auto key = qMakePair(mo, name);
    const auto it = known.constFind(key);
    if (it != known.constEnd())
        return *it;
    StateSlots found;
    found.entry = mo->indexOfSlot(QString(name + QLatin1String("_onEntry()")).toLatin1());
    found.exit = mo->indexOfSlot(QString(name + QLatin1String("_onExit()")).toLatin1());
    known.insert(key, found);
    return found;
}

} // namespace

P4StateMachine::P4StateMachine(QObject *parent)
    : QStateMachine(parent)
{
    connect(this, &QStateMachine::started, this, [this] { setRunning(true); });
    connect(this, &QStateMachine::stopped, this, [this] { setRunning(false); });
    // A machine that reaches a top-level final state is no longer running either.
    connect(this, &QStateMachine::finished, this, [this] { setRunning(false); });
}

void P4StateMachine::setRunning(bool running)
{
    if (m_isRunning == running)
        return;
    m_isRunning = running;
    emit isRunningChanged(running);
}

QString P4StateMachine::signatureText(const char *signalOrSlot)
{
    if (!signalOrSlot || !*signalOrSlot)
        return QString();
    const char first = signalOrSlot[0];
    // The SIGNAL()/SLOT() macros prefix the signature with a method-type digit.
    if (first >= '0' && first <= '9')
        return QString::fromLatin1(signalOrSlot + 1);
    return QString::fromLatin1(signalOrSlot);
}

void P4StateMachine::nameTransition(QAbstractTransition *transition, const QString &name,
                                    const QString &trigSignal, const QString &action)
{
    if (!name.startsWith(QLatin1String("t_")))
        qCWarning(lcFoundation) << "transition name without the t_ prefix:" << name;
    transition->setObjectName(name);
    transition->setProperty("trigSignal", trigSignal);
    if (!action.isEmpty())
        transition->setProperty("action", action);
}

QState *P4StateMachine::addNamedState(const QString &name, QState *parent)
{
    auto *state = new QState(parent ? parent : static_cast<QState *>(this));
    state->setObjectName(name);
    connectStateSlots(state, name);
    return state;
}

void P4StateMachine::connectStateSlots(QState *state, const QString &name)
{
    const QMetaObject *mo = metaObject();
    const StateSlots found = stateSlotsOf(mo, name);
    if (found.entry >= 0)
        connect(state, QMetaMethod::fromSignal(&QState::entered), this, mo->method(found.entry));
    if (found.exit >= 0)
        connect(state, QMetaMethod::fromSignal(&QState::exited), this, mo->method(found.exit));
}

void P4StateMachine::attachTransition(QState *source, QSignalTransition *transition,
                                      const char *signal, const QString &name,
                                      const char *actionSlot)
{
    nameTransition(transition, name, signatureText(signal), signatureText(actionSlot));
    if (actionSlot)
        connect(transition, SIGNAL(triggered()), this, actionSlot);
    source->addTransition(transition);
}

QSignalTransition *P4StateMachine::addNamedTransition(QState *source, const QObject *sender,
                                                      const char *signal, QAbstractState *target,
                                                      const QString &name, const char *actionSlot)
{
    auto *transition = new QSignalTransition(sender, signal);
    if (target)
        transition->setTargetState(target);
    attachTransition(source, transition, signal, name, actionSlot);
    return transition;
}

GuardedSignalTransition *P4StateMachine::addGuardedTransition(
    QState *source, const QObject *sender, const char *signal, QAbstractState *target,
    const QString &name, QObject *guardObject, const char *guardMethod, const char *actionSlot)
{
    auto *transition = new GuardedSignalTransition(sender, signal);
    transition->guardObject = guardObject;
    transition->guardMethodName = QByteArray(guardMethod);
    if (target)
        transition->setTargetState(target);
    attachTransition(source, transition, signal, name, actionSlot);
    return transition;
}

void P4StateMachine::traceTransitions()
{
    const QList<QAbstractTransition *> transitions = findChildren<QAbstractTransition *>();
    for (QAbstractTransition *t : transitions) {
        connect(t, &QAbstractTransition::triggered, this, [this, t] {
            const QString source = t->sourceState() ? t->sourceState()->objectName() : QString();
            const QString target = t->targetState() ? t->targetState()->objectName() : source;
            qCInfo(lcFoundation).noquote() << objectName() + QLatin1String(":") << t->objectName()
                               << t->property("trigSignal").toString() << source << "->" << target
                               << t->property("action").toString();
        });
    }
}
