#include "guardedsignaltransition.h"
#include "foundationlog.h"

#include <QDebug>

GuardedSignalTransition::GuardedSignalTransition(QState *sourceState)
    : QSignalTransition(sourceState)
{
}

GuardedSignalTransition::GuardedSignalTransition(const QObject *sender, const char *signal,
                                                 QState *sourceState)
    : QSignalTransition(sender, signal, sourceState)
{
}

bool GuardedSignalTransition::eventTest(QEvent *event)
{
    if (!QSignalTransition::eventTest(event))
        return false;
    if (!guardObject)
        return true;
    bool allowed = false;
    if (!QMetaObject::invokeMethod(guardObject, guardMethodName.constData(),
                                   Qt::DirectConnection, Q_RETURN_ARG(bool, allowed))) {
        // A guard that cannot be asked must block: firing blindly could skip a safety check.
        qCWarning(lcFoundation) << "guard" << guardMethodName << "not found on" << guardObject;
        return false;
    }
    return allowed;
}
