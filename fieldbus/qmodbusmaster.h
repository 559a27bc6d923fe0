#ifndef QMODBUSMASTER_H
#define QMODBUSMASTER_H

#include "modbusrtu.h"
#include "qmodbuspollinfo.h"

#include <QObject>

#include <QPointer>
#include <QVector>

#include <functional>
#include <limits>

class DeadlineTimer;
class QSerialPort;
class QTimer;

// Modbus RTU master of the IO-board line. Requests wait in a high-priority and a normal
// queue; one transaction is on the line at a time, request starts are at least
// RequestSpacingMs apart, and each request is tried retries + 1 times before its record
// reports pollReplyTimedOut. A reply with a wrong address, function, length or CRC is
// discarded and counts as a failed try; an exception reply resolves the request at once
// with pollReplyError. The master must run (start()) for requests to go out; stop()
// cancels what is queued and on the line.
//
// Three states, kept as a plain table rather than a QStateMachine: a machine's event
// queue, transition selection and allocations cost more than the transaction they drive.
//   Idle        -> Transaction  t_idle_transaction     a request is queued (or waits on entry)
//   Transaction -> Spacing      t_transaction_spacing  its reply came, its try ended, it was
//                                                      put off for the line's silence, or
//                                                      there was nothing left to send
//   Spacing     -> Spacing      t_spacing_workPending  a request is queued: the gap is timed
//   Spacing     -> Idle         t_spacing_idle         the gap is over: RequestSpacingMs from
//                                                      the last request's start and
//                                                      MinimumSilenceNs from the last byte
//                                                      received, whichever ends later
// A state's work runs as it is entered; a state entered from within that work is entered
// after it, so that no entry runs inside another.
class QModbusMaster : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isRunning READ get_isRunning NOTIFY isRunningChanged)

public:
    enum State { Idle, Transaction, Spacing };
    Q_ENUM(State)

    static constexpr int RequestSpacingMs = 20;
    // Line silence after the last byte received before the next request goes out: the
    // fixed RTU frame gap above 19200 baud. A node that waits for it misses anything sooner.
    static constexpr qint64 MinimumSilenceNs = 1750000;
    // Bytes that keep coming (a reply later than its time-out) put the next request off
    // until the line is silent, but a line that never falls silent holds it back no longer
    // than this, so that its requests time out and the fault shows.
    static constexpr int MaximumSilenceWaitMs = 1000;
    static constexpr const char *DevicePortName = "/dev/ttyO1";

    explicit QModbusMaster(QObject *parent = nullptr);
    ~QModbusMaster() override;

    // Opens the serial line at 115200 8N1 without flow control, RTS on and DTR off (a
    // pseudo-terminal refuses the RTS and DTR calls; that is tolerated). Without an open
    // line every try ends in its reply time-out, as with a silent board.
    bool openSerialPort(const QString &portName = QString::fromLatin1(DevicePortName));
    bool isPortOpen() const;

    // "-logmodbus": each frame sent and received goes to the debug stream in hex.
    void set_logModbus(bool on) { m_logModbus = on; }
    bool get_logModbus() const { return m_logModbus; }

    // Queue a read (function 3) or write (function 6 for one register, 16 for more) of
    // `count` holding registers from `startRegister` of `node`. Returns -1, and queues
    // nothing, without a record, with a count of 0, with more registers than one frame
    // carries (125 read, 123 write) or than the record holds; else 0. `overrideFake` is
    // accepted for the callers' sake: the simulation serves the real line, so no request
    // is ever answered without it.
    int holdingRegistersRead(unsigned char node, unsigned short startRegister,
                             unsigned char count, unsigned char retries,
                             QModbusPollInfo *pollInfo, bool overrideFake = false);
    int holdingRegistersWrite(unsigned char node, unsigned short startRegister,
                              unsigned char count, unsigned char retries,
                              QModbusPollInfo *pollInfo, bool overrideFake = false);

    int queuedRequestCount() const;

    // Idle, and nothing queued, until start().
    void start();
    void stop();
    bool isRunning() const { return m_running; }
    bool get_isRunning() const { return m_running; }
    State state() const { return m_state; }

    // "-trace": every state change goes to the debug stream, named as in the table above.
    void traceTransitions() { m_trace = true; }

    // The monotonic clock, in nanoseconds, on which the spacing, the silence and the hold
    // are judged; the gap timer itself runs on the system's. A test stops it to judge a
    // gap at an exact moment.
    using Clock = std::function<qint64()>;
    void setClock(Clock clock);

signals:
    void isRunningChanged(bool running);
    // After the state's own work, as a QState's entered().
    void stateEntered(QModbusMaster::State state);

private:
    static constexpr qint64 Never = std::numeric_limits<qint64>::min();

    void enter(State next, const char *transition);
    void trace(const char *transition, State from, State to) const;
    void idle_onEntry();
    void transaction_onEntry();
    void spacing_onEntry();
    void workPending();
    void transactionEnded();
    void gapOver();
    void armGap();
    void replyTimedOut();
    void readReply();
    void cancelQueued();
    void portErrorOccurred();

    struct Pending {
        QPointer<QModbusPollInfo> info;
        ModbusRtu::Request request;
        int triesLeft = 1;
    };

    int enqueue(ModbusRtu::Request request, unsigned char retries, QModbusPollInfo *pollInfo);
    bool takeNext(Pending &next);
    void sendCurrent();
    bool writeFrame(const QByteArray &frame);
    bool closeIfLineGone();
    void endTry(const QString &failure);
    void finishCurrent();
    void requeueCurrent();
    void dropRecord(QObject *record);
    void logFrame(const char *direction, const QByteArray &frame) const;
    qint64 remainingGapNs() const;
    bool waitForSilence();

    QSerialPort *m_port = nullptr;
    QString m_portPath; // as opened, for the log
    QTimer *m_replyTimer = nullptr;
    DeadlineTimer *m_gapTimer = nullptr; // ends the spacing to the nanosecond
    State m_state = Idle;
    bool m_running = false;
    bool m_entering = false;  // a state's work is running
    bool m_enterNext = false; // and asked for another state, entered after it
    State m_next = Idle;
    const char *m_nextTransition = nullptr;
    bool m_trace = false;
    // Kept buffers: a transaction allocates nothing once the queues and buffers have grown.
    QVector<Pending> m_highQueue;
    QVector<Pending> m_normalQueue;
    Pending m_current;
    bool m_inFlight = false;
    QByteArray m_txFrame;
    QByteArray m_rxBuffer;
    QVector<quint16> m_replyRegisters;
    Clock m_clock;
    qint64 m_lastRequestAt = Never;
    qint64 m_lastByteAt = Never; // anything received, a reply or not
    qint64 m_heldSince = Never;  // since the next request was first put off
    bool m_logModbus = false;
};

#endif // QMODBUSMASTER_H
