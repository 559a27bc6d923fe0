#ifndef IOBOARDSIMULATOR_H
#define IOBOARDSIMULATOR_H

#include "ioregistermap.h"
#include "modbusrtu.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QVector>

class QSocketNotifier;
class QTimer;

// The simulated IO board (node 1) and NFC reader boards (nodes 2 and 3) for
// "-simulation" and the tests: Modbus RTU servers on the far end of a pseudo-terminal
// pair, so that the master runs its real serial path against devicePath(). Registers
// follow IoRegisterMap. The setters below stand for what happens in a real cabinet (a
// pan put on a reader, a heater warming up, a board failing) and are what tests drive.
class IoBoardSimulator : public QObject
{
    Q_OBJECT

public:
    explicit IoBoardSimulator(QObject *parent = nullptr);
    ~IoBoardSimulator() override;

    // Opens the pseudo-terminal pair; false (with a warning) when the system has none.
    bool open();
    bool isOpen() const { return m_masterFd >= 0; }
    // The device the Modbus master opens in place of "/dev/ttyO1".
    QString devicePath() const { return m_devicePath; }
    // Removes a serial-port lock file naming the pseudo-terminal `device`, just made: nobody
    // can have it open, so such a file was left by a process that ended without unlocking,
    // and its process id may since belong to another program of the same name, which the
    // serial port would take for the owner.
    static void removeLeftLock(const QString &device);

    // NFC readers: channel 0..11 of node 2 or 3.
    bool placeTag(quint8 readerNode, int channel, quint64 uid);
    bool removeTag(quint8 readerNode, int channel);
    void setReaderFailed(quint8 readerNode, bool failed);

    // IO board.
    bool setTemperature(int heater, qint16 degrees);
    void setAmbientTemperature(qint16 degrees);
    bool setFanSpeed(int fan, quint16 percent);
    bool setErrorRegister(int index, quint16 value);  // index 0..29 = register 34 + index
    // Board 0..15: bit of the status register; boards 0..4 also get their state word
    // (BoardStateFirst + board) set to BoardStateError, or 0 when it recovers.
    void setBoardFailed(int board, bool failed);
    bool setFirmwareVersion(quint8 node, int board, quint32 version);

    // Thermocouple of heater 0..19: ProbeNormal gives back the temperature it read before
    // the fault; ProbeShorted reads 0 and ProbeOpen 3275, with thermocouple status 1 or 2
    // in the low byte of the heater's error register (the high byte is left alone). A
    // faulty probe keeps its reading while the heaters step. False for a bad heater or state.
    enum ProbeState { ProbeNormal = 0, ProbeShorted = 1, ProbeOpen = 2 };
    static constexpr qint16 OpenProbeReading = 3275;
    bool setProbeState(int heater, int state);

    // Any node: a silent node answers nothing, as if unplugged.
    void setNodeSilent(quint8 node, bool silent);

    // One register of a node: a request that touches it is not answered (Silent) or
    // answered with a Modbus exception (Exception), however many times it is tried.
    enum RegisterFault { NoFault = 0, Silent = 1, Exception = 2 };
    bool setRegisterFault(quint8 node, quint16 address, RegisterFault fault);

    // Heaters move this many degrees a second towards their set point (towards the
    // ambient temperature when off); 0, the default, keeps temperatures where they are set.
    // SimulationHeatingStep is the pace for "-simulation": a zone warms up in about a minute.
    static constexpr int SimulationHeatingStep = 3;
    void set_heatingStep(int degreesPerSecond);
    int get_heatingStep() const { return m_heatingStep; }

    quint16 registerValue(quint8 node, quint16 address) const;
    bool setRegisterValue(quint8 node, quint16 address, quint16 value);

signals:
    void registersWritten(quint8 node, quint16 startRegister, quint16 count);
    void requestServed(quint8 node, quint8 function);
    // Every well-formed request as it came off the line, answered or not.
    void requestReceived(const QByteArray &frame);

private slots:
    void readRequests();
    void dropPartialFrame();
    void stepTemperatures();

private:
    struct Node {
        QVector<quint16> registers;
        QSet<quint16> writable;
        QMap<quint16, int> faults;
        bool silent = false;
    };

    void closePty();
    bool take(const ModbusRtu::ParsedRequest &parsed);
    void serve(const ModbusRtu::Request &request);
    void serveBroadcast(const ModbusRtu::Request &request);
    void refuse(const ModbusRtu::Request &request, quint8 exceptionCode);
    static int faultFor(const Node &node, const ModbusRtu::Request &request);
    QByteArray answer(Node &node, const ModbusRtu::Request &request);
    void reply(const QByteArray &frame);
    static quint16 heaterApproach(quint16 current, int target, int step);

    QMap<quint8, Node> m_nodes;
    int m_masterFd = -1;
    int m_slaveFd = -1;
    QString m_devicePath;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_frameGapTimer = nullptr;
    QTimer *m_heatingTimer = nullptr;
    int m_heatingStep = 0;
    QByteArray m_rxBuffer;
    int m_probeState[IoRegisterMap::HeaterCount] = {};
    qint16 m_readingBeforeFault[IoRegisterMap::HeaterCount] = {};
};

#endif // IOBOARDSIMULATOR_H
