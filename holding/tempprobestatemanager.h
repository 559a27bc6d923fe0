#ifndef TEMPPROBESTATEMANAGER_H
#define TEMPPROBESTATEMANAGER_H

#include "p4statemachine.h"

// Supervisor of one temperature probe (probe number = heater channel 0..19). It follows
// the thermocouple status the error service reports for its probe and emits one record
// signal when a fault starts and one clear signal when it ends, so that a status repeated
// on every poll is reported once. Runs once started.
//
// States: "tcNormal" (initial), "tcShorted", "tcOpen"; each reachable from the others.
class TempProbeStateManager : public P4StateMachine
{
    Q_OBJECT
    Q_PROPERTY(int probeNumber READ get_probeNumber CONSTANT)

public:
    static constexpr quint16 TcShorted = 1;
    static constexpr quint16 TcOpen = 2;

    explicit TempProbeStateManager(int probeNumber, QObject *parent = nullptr);

    int get_probeNumber() const { return m_probeNumber; }

public slots:
    // Ignored unless item is this probe; tcErr 1 shorted, 2 open, anything else normal.
    void processTcErrorState(quint16 item, quint16 tcErr);

signals:
    void recordErrorTpShorted();
    void recordErrorTpOpen();
    void clearErrorTpShorted();
    void clearErrorTpOpen();

    // Inputs of the machine.
    void normalInput();
    void shortedInput();
    void openInput();

private slots:
    void tcShorted_onEntry();
    void tcShorted_onExit();
    void tcOpen_onEntry();
    void tcOpen_onExit();

private:
    const int m_probeNumber;
};

#endif // TEMPPROBESTATEMANAGER_H
