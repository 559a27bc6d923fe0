#ifndef EOLTESTING_H
#define EOLTESTING_H

#include "eolprotocol.h"
#include "p4statemachine.h"

#include <QAbstractSocket>
#include <QLoggingCategory>
#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QPointer>
#include <QTimer>

class CabinetCore;
class ConfigurationManager;
class EolCabinet;
class QState;
class QTcpServer;
class QTcpSocket;
class QUdpSocket;

#include "eoltestlog.h"

// The factory end-of-line test: announces the cabinet by UDP once a technician asks for
// it, takes one test station at a time on TCP, cuts its byte stream into JSON requests and
// runs the test run they drive (serial and model numbers, versions, speaker, screen,
// heaters, tag reads, status reports). Heaters go off when a run opens and back to
// holding when it ends. Created on every display; only the master starts the machine.
//
// States: "idle" -> "udpBroadCast" (announcing) -> "tcpClientConnected" with the children
// "eolDisconnected" (connected, no test run) and "eolClientConnected" (test run open).
class EolTesting : public P4StateMachine
{
    Q_OBJECT
    Q_PROPERTY(bool eolTestStarted READ getEolTestStarted WRITE setEolTestStarted NOTIFY eolTestStartedChanged)

public:
    static constexpr int UdpBroadcastIntervalMs = 500;
    static constexpr int RequestTimeoutMs = 2500;
    static constexpr int ReportIntervalMs = 1000;
    static constexpr int TestHeaterTemp = 300;
    // A station that sends no request for this long is dropped, so that a dead station
    // cannot leave the heaters at the test temperature or hold the one connection.
    static constexpr int StationSilenceMs = 300000;
    // A connection that has opened no test run this long after it was made is closed:
    // the factory's station sends its handshake at once, and anything else holding the one
    // connection keeps the station out.
    static constexpr int HandshakeTimeoutMs = 10000;
    // A test run opens only while the announcement a technician started on the screen
    // runs or this long after it: nobody on the shop network drives the heaters or
    // rewrites the identity of a cabinet nobody is standing at.
    static constexpr int HandshakeWindowMs = 600000;
    // Refused handshakes are logged at most this often; requests at most this long.
    static constexpr int RefusalLogIntervalMs = 60000;
    static constexpr int LoggedRequestBytes = 200;

    // The server listens from here on (port 0: any free port, for tests).
    explicit EolTesting(QObject *parent = nullptr, quint16 tcpPort = EolProtocol::TcpPort,
                        quint16 udpPort = EolProtocol::UdpPort);
    ~EolTesting() override;

    // Null: no IO board, no tags (the tester answers but drives nothing).
    void setCabinet(EolCabinet *cabinet);
    // Announcements only to loopback addresses (simulation and tests): nothing leaves
    // the machine whatever the settings say.
    void setLoopbackOnly(bool on) { m_loopbackOnly = on; }
    void setStationSilenceTimeout(int milliseconds);
    void setHandshakeTimeout(int milliseconds);
    void setHandshakeWindow(int milliseconds) { m_handshakeWindowMs = qMax(0, milliseconds); }

    quint16 serverPort() const;
    bool isListening() const;
    // Bytes of an unfinished request held for the current station.
    int pendingRequestBytes() const { return m_receivedData.size(); }

public slots:
    bool getEolTestStarted() const { return m_eolTestStarted; }
    void setEolTestStarted(bool value);
    void startUdpbroadcast();
    void sendUdpbroadcast();
    void acceptIncomingConnection();
    void tcpSocketDisconnected();
    void networkErrorHandler(QAbstractSocket::SocketError socketError);
    void tcpClientConnectionHandler();
    void getRceivedData();
    void tcpRequestIsIncomplete();
    void tcpClientProcessRequest();
    void eolClientProcessRequest();
    QString getSoftwareVersions();
    QJsonObject zonesHeatingTest(QJsonObject requestObject);
    void nfcTestResponse();
    void sendStatusResponse();
    QString getActualTemps();

    void idle_onEntry();
    void idle_onExit();
    void udpBroadCast_onEntry();
    void udpBroadCast_onExit();
    void tcpClientConnected_onEntry();
    void tcpClientConnected_onExit();
    void eolDisconnected_onEntry();
    void eolDisconnected_onExit();
    void eolClientConnected_onEntry();
    void eolClientConnected_onExit();

signals:
    void eolTestStartedChanged(bool value);
    void udpBroadCastStartReq();
    void udpBroadcastStarted();
    void tcpClientConnected();
    void tcpClientDisconnected();
    void eolClientConnected();
    void eolClientDisconnected();
    void tcpClientDataReceived();
    void eolClientRequestReceived();
    // What the station started, for the user interface and the other display.
    void systemInfoTestStart();
    void displayTestStart();
    void soundTestStart();
    void heatingTestCommand();
    void nfcTestStart();

private slots:
    void stationSilent();
    void noHandshake();

private:
    void buildMachine();
    void writeReply(const QJsonObject &reply);
    QJsonObject configureSerialAndModel(const EolProtocol::Request &request);
    bool handshakeAllowed() const;
    bool inAnnouncementWindow() const;
    void releaseStation();
    void reportRefusedHandshake();
    CabinetCore *core() const;
    ConfigurationManager *config() const;

    QUdpSocket *m_udpSocket;
    QTcpServer *m_tcpServer;
    QPointer<QTcpSocket> m_tcpSocket;
    QByteArray m_receivedData;
    QTimer m_timerUdpBroadcast;
    QTimer m_timerTcpReqTimeout;
    QTimer m_timerNfcTest;
    QTimer m_timerErrorStatus;
    bool m_clientIsConnected = false;
    bool m_eolTestStarted = false;

    QTimer m_timerStationSilence;
    QTimer m_timerHandshake;
    EolCabinet *m_cabinet = nullptr;
    quint16 m_udpPort;
    bool m_loopbackOnly = false;
    bool m_destinationReported = false;
    bool m_announcing = false;
    QElapsedTimer m_sinceAnnouncement;  // from the end of the last announcement
    bool m_stationTrusted = false;      // this connection has opened a test run
    int m_handshakeWindowMs = HandshakeWindowMs;
    QElapsedTimer m_sinceRefusalLogged;
    int m_refusalsNotLogged = 0;
};

#endif // EOLTESTING_H
