#ifndef QMODBUSPOLLINFO_H
#define QMODBUSPOLLINFO_H

#include <QObject>
#include <QVector>

// The record of one Modbus poll, owned by the caller. The caller fills the register list
// before a write and reads it after a good read; QModbusMaster sets the state and emits
// exactly one of pollReplyGood / pollReplyTimedOut / pollReplyError (or
// pollRequestCanceled) when the request is resolved.
//
// Registers: registers() / get_registers() give the list (registerCount() entries, all 0
// at first); get_register(i) and set_register(i, v) access one entry and ignore an index
// outside the list (get_register then returns 0, set_register false).
class QModbusPollInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QModbusPollStateEnum state READ get_state NOTIFY stateChanged)

public:
    enum QModbusPollStateEnum {
        QMBS_IDLE,              // never queued
        QMBS_WAITING_IN_QUEUE,  // queued, not yet on the line
        QMBS_REQUEST_ISSUED,    // on the line, waiting for the reply
        QMBS_REPLY_GOOD,
        QMBS_REPLY_TIMEDOUT,    // no valid reply after every try
        QMBS_REPLY_ERROR,       // the node answered with a Modbus exception
        QMBS_REQUEST_CANCELED   // dropped from the queue before it was resolved
    };
    Q_ENUM(QModbusPollStateEnum)

    enum QModbusPollPriorityEnum { QMBP_NORMAL, QMBP_HIGH };
    Q_ENUM(QModbusPollPriorityEnum)

    static constexpr int MinReplyTimeoutMs = 3;
    static constexpr int MaxReplyTimeoutMs = 1000;

    explicit QModbusPollInfo(int registerCount, QObject *parent = nullptr);

    int registerCount() const { return m_registers.size(); }
    const QVector<quint16> &registers() const { return m_registers; }
    QVector<quint16> get_registers() const { return m_registers; }
    quint16 get_register(int index) const;
    bool set_register(int index, quint16 value);

    QModbusPollStateEnum get_state() const { return m_state; }

    int get_replyTimeout() const { return m_replyTimeoutMs; }
    // Clamped to 3..1000 ms.
    void set_replyTimeout(int milliseconds);

    QModbusPollPriorityEnum get_priority() const { return m_priority; }
    void set_priority(QModbusPollPriorityEnum priority) { m_priority = priority; }
    bool isHighPriority() const { return m_priority == QMBP_HIGH; }

    // Exception code of the last exception reply (0 when the last reply was not one).
    quint8 get_exceptionCode() const { return m_exceptionCode; }

    // Used by QModbusMaster.
    void markQueued();
    void markIssued();
    void resolveGood(const QVector<quint16> &values);
    void resolveTimedOut();
    void resolveError(quint8 exceptionCode);
    void resolveCanceled();

signals:
    void pollReplyGood();
    void pollReplyTimedOut();
    void pollReplyError();
    void pollRequestIssued();
    void pollRequestCanceled();
    void stateChanged();

private:
    friend class QModbusMaster;
    void setState(QModbusPollStateEnum state);

    QObject *m_watchedBy = nullptr; // the master that hears when this record goes

    QVector<quint16> m_registers;
    QModbusPollStateEnum m_state = QMBS_IDLE;
    QModbusPollPriorityEnum m_priority = QMBP_NORMAL;
    int m_replyTimeoutMs = MaxReplyTimeoutMs;
    quint8 m_exceptionCode = 0;
};

#endif // QMODBUSPOLLINFO_H
