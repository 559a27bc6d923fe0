#include "tempprobestatemanager.h"

TempProbeStateManager::TempProbeStateManager(int probeNumber, QObject *parent)
    : P4StateMachine(parent)
    , m_probeNumber(probeNumber)
{
    setObjectName(QStringLiteral("tempProbeStateManager%1").arg(probeNumber));

    QState *tcNormal = addNamedState(QStringLiteral("tcNormal"));
    QState *tcShorted = addNamedState(QStringLiteral("tcShorted"));
    QState *tcOpen = addNamedState(QStringLiteral("tcOpen"));
    setInitialState(tcNormal);

    addNamedTransition(tcNormal, this, SIGNAL(shortedInput()), tcShorted, QStringLiteral("t_tcNormal_tcShorted"));
    addNamedTransition(tcNormal, this, SIGNAL(openInput()), tcOpen, QStringLiteral("t_tcNormal_tcOpen"));
    addNamedTransition(tcShorted, this, SIGNAL(normalInput()), tcNormal, QStringLiteral("t_tcShorted_tcNormal"));
    addNamedTransition(tcShorted, this, SIGNAL(openInput()), tcOpen, QStringLiteral("t_tcShorted_tcOpen"));
    addNamedTransition(tcOpen, this, SIGNAL(normalInput()), tcNormal, QStringLiteral("t_tcOpen_tcNormal"));
    addNamedTransition(tcOpen, this, SIGNAL(shortedInput()), tcShorted, QStringLiteral("t_tcOpen_tcShorted"));
}

void TempProbeStateManager::processTcErrorState(quint16 item, quint16 tcErr)
{
    if (int(item) != m_probeNumber)
        return;
    if (tcErr == TcShorted)
        emit shortedInput();
    else if (tcErr == TcOpen)
        emit openInput();
    else
        emit normalInput();
}

void TempProbeStateManager::tcShorted_onEntry()
{
    emit recordErrorTpShorted();
}

void TempProbeStateManager::tcShorted_onExit()
{
    emit clearErrorTpShorted();
}

void TempProbeStateManager::tcOpen_onEntry()
{
    emit recordErrorTpOpen();
}

void TempProbeStateManager::tcOpen_onExit()
{
    emit clearErrorTpOpen();
}
