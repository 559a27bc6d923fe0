// A front for the simulated display's VNC screen: it listens on the public port and passes
// every connection on to the program's own VNC server on an internal port. Qt's VNC server
// reads a client's pixel format from memory it never set when the client skips
// SetPixelFormat (the protocol lets it keep the server's format) and then crashes; the
// front sends the server's own format on the client's behalf right after the handshake,
// before anything else of the client's, so such a client sees what the protocol promises.
//
//   tul_vncfront <public port>
//
// It prints the internal port the program is to serve on once the public one is listened
// on, and ends with its parent.
#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdio>
#include <cstring>
#include <csignal>
#include <sys/prctl.h>

namespace {

const char usage[] = "usage: tul_vncfront <public port>\n"
                     "Listens on the port (1-65535) and passes VNC connections on to an internal\n"
                     "port, which it prints; the program's VNC platform is to serve on that one.\n";

// Server to client: version (12), security type (4), ServerInit without its name (24).
constexpr int versionSize = 12;
constexpr int headSize = versionSize + 4 + 24;
// Client to server: version (12) and ClientInit (1); the client's messages follow.
constexpr int clientHandshakeSize = versionSize + 1;

// One client and its connection to the program's server.
class Relay : public QObject
{
public:
    Relay(QTcpSocket *client, quint16 internalPort, QObject *parent)
        : QObject(parent), m_client(client), m_server(new QTcpSocket(this))
    {
        m_client->setParent(this);
        connect(m_server, &QTcpSocket::readyRead, this, &Relay::fromServer);
        connect(m_client, &QTcpSocket::readyRead, this, &Relay::fromClient);
        connect(m_server, &QTcpSocket::disconnected, this, &Relay::close);
        connect(m_client, &QTcpSocket::disconnected, this, &Relay::close);
        connect(m_server, &QTcpSocket::errorOccurred, this, &Relay::close);
        connect(m_client, &QTcpSocket::errorOccurred, this, &Relay::close);
        m_server->connectToHost(QHostAddress::LocalHost, internalPort);
    }

private:
    void fromServer()
    {
        const QByteArray data = m_server->readAll();
        m_client->write(data);
        if (m_passing)
            return;
        m_head += data;
        if (m_head.size() >= versionSize && !m_head.startsWith("RFB 003.003\n")) {
            // Not the server this front was made for: pass everything on untouched.
            std::fprintf(stderr, "tul_vncfront: unexpected server version, passing through\n");
            pass();
            return;
        }
        if (m_head.size() >= versionSize + 4 && m_head.mid(versionSize, 4) != QByteArray("\0\0\0\1", 4)) {
            pass(); // no session follows (refused, or a security type of its own)
            return;
        }
        if (m_head.size() < headSize)
            return;
        const auto *name = reinterpret_cast<const uchar *>(m_head.constData()) + headSize - 4;
        const qint64 nameSize = (qint64(name[0]) << 24) | (name[1] << 16) | (name[2] << 8) | name[3];
        if (m_head.size() < headSize + nameSize)
            return;
        // SetPixelFormat: type 0, three bytes of padding, the server's 16-byte format.
        m_server->write(QByteArray(4, '\0') + m_head.mid(versionSize + 4 + 4, 16));
        pass();
    }
    void fromClient()
    {
        const QByteArray data = m_client->readAll();
        if (m_passing) {
            m_server->write(data);
            return;
        }
        // The handshake goes on at once; the client's messages wait for the pixel format.
        const int handshake = qBound(0, clientHandshakeSize - m_clientSeen, data.size());
        m_server->write(data.left(handshake));
        m_held += data.mid(handshake);
        m_clientSeen += handshake;
    }
    void pass()
    {
        m_passing = true;
        m_head.clear();
        m_server->write(m_held);
        m_held.clear();
    }
    void close()
    {
        if (m_closing)
            return;
        m_closing = true;
        m_client->disconnectFromHost();
        m_server->disconnectFromHost();
        deleteLater();
    }

    QTcpSocket *m_client;
    QTcpSocket *m_server;
    QByteArray m_head;
    QByteArray m_held;
    int m_clientSeen = 0;
    bool m_passing = false;
    bool m_closing = false;
};

// A port nothing listens on now, for the program's server.
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    return probe.serverPort();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h"))) {
        std::fputs(usage, stdout);
        return 0;
    }
    bool ok = false;
    const uint publicPort = argc == 2 ? QByteArray(argv[1]).toUInt(&ok) : 0;
    if (!ok || publicPort == 0 || publicPort > 65535) {
        std::fputs(usage, stderr);
        return 2;
    }
    // Never outlive the script that started it, holding the public port.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    QCoreApplication app(argc, argv);
    QTcpServer front;
    if (!front.listen(QHostAddress::Any, quint16(publicPort))) {
        std::fprintf(stderr, "tul_vncfront: cannot listen on port %u: %s\n", publicPort,
                     qPrintable(front.errorString()));
        return 1;
    }
    const quint16 internalPort = freePort();
    QObject::connect(&front, &QTcpServer::newConnection, &front, [&front, internalPort] {
        while (QTcpSocket *client = front.nextPendingConnection())
            new Relay(client, internalPort, &front);
    });
    std::printf("%u\n", internalPort);
    std::fflush(stdout);
    return app.exec();
}
