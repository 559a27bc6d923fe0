#ifndef GUARDEDSIGNALTRANSITION_H
#define GUARDEDSIGNALTRANSITION_H

#include <QByteArray>
#include <QPointer>
#include <QSignalTransition>

// A signal transition that fires only when the named boolean slot of its guard object
// returns true. Without a guard object it behaves as a plain signal transition.
class GuardedSignalTransition : public QSignalTransition
{
    Q_OBJECT

public:
    explicit GuardedSignalTransition(QState *sourceState = nullptr);
    GuardedSignalTransition(const QObject *sender, const char *signal,
                            QState *sourceState = nullptr);

    QPointer<QObject> guardObject;
    QByteArray guardMethodName; // slot name without arguments, e.g. "moreNfcChimesToPlay"

protected:
    bool eventTest(QEvent *event) override;
};

#endif // GUARDEDSIGNALTRANSITION_H
