#ifndef CANRELAY_H
#define CANRELAY_H

#include <QElapsedTimer>
#include <QHash>
#include <QLoggingCategory>
#include <QObject>

class QTcpServer;
class QTcpSocket;

#include "fieldbuslog.h"

// Serves the simulated CAN bus in place of the virtual CAN plugin's own server, which
// passes every line on as it came and so lets one malformed line crash every client of
// the bus. The plugin's clients (both displays) connect here as they would to it; a
// frame line is passed on to the other clients of the same bus only when it is well
// formed (CanRelayLine), everything else is dropped and logged, at most once a minute.
// A client that sends an over-long line, or reads so slowly that its backlog passes
// MaxBacklogBytes, is disconnected.
class CanRelay : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 DefaultPort = 35468; // the plugin's, for a plain bus name
    static constexpr qint64 MaxBacklogBytes = 1024 * 1024;
    static constexpr int DropLogIntervalMs = 60000;

    explicit CanRelay(QObject *parent = nullptr);
    ~CanRelay() override;

    // The port a virtual CAN interface name ("tcp://127.0.0.1:<port>/can0" or "can0")
    // reaches; 0 for a name of another form.
    static quint16 portOf(const QString &interfaceName);

    // The relay of this process for the bus on `port`, made and listening on first use;
    // null when the port is taken (another display serves the bus). Like the plugin's own
    // server it lives as long as the process, whichever bus manager asked for it first,
    // in a thread of its own ("canRelayThread"): only its null-ness is for the caller.
    static CanRelay *serve(quint16 port);

    // Listens on the loopback address; false when the port is taken (another display
    // serves the bus) or cannot be had.
    bool listen(quint16 port);
    bool isListening() const;
    quint16 serverPort() const;
    int clientCount() const { return m_clients.size(); }
    qint64 droppedLines() const { return m_dropped; }

private:
    struct Client {
        QByteArray buffer;
        QByteArray bus; // empty until it connects to one
        bool skipping = false; // inside an over-long line
    };

    void accept();
    void read(QTcpSocket *socket);
    void handleLine(QTcpSocket *socket, Client &client, const QByteArray &line);
    void drop(QTcpSocket *socket, const QByteArray &line, const char *why);
    void forward(QTcpSocket *from, const QByteArray &bus, const QByteArray &text);
    void remove(QTcpSocket *socket);

    QTcpServer *m_server;
    QHash<QTcpSocket *, Client> m_clients;
    qint64 m_dropped = 0;
    qint64 m_droppedSinceLog = 0;
    QElapsedTimer m_sinceDropLogged;
};

#endif // CANRELAY_H
