#include "canrelay.h"

#include "canrelayline.h"
#include "heappolicy.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QPointer>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>


CanRelay::CanRelay(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &CanRelay::accept);
}

CanRelay::~CanRelay()
{
    for (auto it = m_clients.constBegin(); it != m_clients.constEnd(); ++it)
        it.key()->disconnect(this);
}

quint16 CanRelay::portOf(const QString &interfaceName)
{
    static const QRegularExpression tcp(QStringLiteral("^tcp://[^/:]+:(\\d{1,5})/[^/]+$"));
    const QRegularExpressionMatch m = tcp.match(interfaceName);
    if (m.hasMatch()) {
        const uint port = m.captured(1).toUInt();
        return port > 0 && port <= 0xFFFF ? quint16(port) : 0;
    }
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.-]+$"));
    return plain.match(interfaceName).hasMatch() ? DefaultPort : 0;
}

namespace {

// The relays' threads, ended as the application object goes: a thread still running
// when its QThread is destroyed would abort the process.
QList<QThread *> &relayThreads()
{
    static QList<QThread *> threads;
    return threads;
}

void endRelayThreads()
{
    for (QThread *thread : qAsConst(relayThreads())) {
        thread->quit();
        thread->wait();
        delete thread;
    }
    relayThreads().clear();
}

} // namespace

CanRelay *CanRelay::serve(quint16 port)
{
    static QHash<quint16, QPointer<CanRelay>> relays;
    QPointer<CanRelay> &relay = relays[port];
    if (relay)
        return relay;
    // The bus runs in a thread of its own, as a real one runs outside the program: the
    // display's own thread keeps only its end of the bus, not the bus's sockets and the
    // turn it takes to pass every frame on.
    auto *thread = new QThread;
    thread->setObjectName(QStringLiteral("canRelayThread"));
    auto *made = new CanRelay;
    made->moveToThread(thread);
    QObject::connect(thread, &QThread::finished, made, &QObject::deleteLater);
    thread->start();
    bool listening = false;
    QMetaObject::invokeMethod(made, [made, port, &listening] { listening = made->listen(port); },
                              Qt::BlockingQueuedConnection);
    if (!listening) {
        thread->quit();
        thread->wait();
        delete thread;
        return nullptr;
    }
    if (relayThreads().isEmpty())
        qAddPostRoutine(endRelayThreads);
    relayThreads().append(thread);
    relay = made;
    return made;
}

bool CanRelay::listen(quint16 port)
{
    if (m_server->isListening())
        return true;
    if (!m_server->listen(QHostAddress::LocalHost, port))
        return false;
    qCDebug(lcFieldbus) << "Simulated CAN bus served on port" << m_server->serverPort();
    return true;
}

bool CanRelay::isListening() const
{
    return m_server->isListening();
}

quint16 CanRelay::serverPort() const
{
    return m_server->serverPort();
}

void CanRelay::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        m_clients.insert(socket, Client());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { remove(socket); });
    }
}

void CanRelay::read(QTcpSocket *socket)
{
    auto it = m_clients.find(socket);
    if (it == m_clients.end())
        return;
    const QByteArray chunk = HeapPolicy::readAvailable(socket);
    int start = 0;
    while (start < chunk.size()) {
        // Look the client up again: a line may have removed it.
        it = m_clients.find(socket);
        if (it == m_clients.end())
            return;
        Client &client = it.value();
        const int end = chunk.indexOf('\n', start);
        const QByteArray piece = chunk.mid(start, end < 0 ? -1 : end - start);
        start = end < 0 ? chunk.size() : end + 1;
        if (client.skipping) {
            client.skipping = end < 0;
            continue;
        }
        client.buffer += piece;
        if (client.buffer.size() > CanRelayLine::MaxLineBytes) {
            drop(socket, client.buffer, "line too long");
            client.buffer.clear();
            client.skipping = end < 0;
            continue;
        }
        if (end < 0)
            break;
        const QByteArray line = client.buffer;
        client.buffer.clear();
        handleLine(socket, client, line);
    }
}

void CanRelay::handleLine(QTcpSocket *socket, Client &client, const QByteArray &line)
{
    const CanRelayLine parsed = CanRelayLine::parse(line);
    switch (parsed.kind) {
    case CanRelayLine::Connect:
        client.bus = parsed.bus;
        break;
    case CanRelayLine::Disconnect:
        if (parsed.bus == client.bus)
            socket->disconnectFromHost();
        else
            drop(socket, line, "not on that bus");
        break;
    case CanRelayLine::Frame:
        if (client.bus.isEmpty() || parsed.bus != client.bus)
            drop(socket, line, "not connected to that bus");
        else
            forward(socket, parsed.bus, parsed.forwarded);
        break;
    case CanRelayLine::Malformed:
        drop(socket, line, "malformed");
        break;
    }
}

void CanRelay::drop(QTcpSocket *socket, const QByteArray &line, const char *why)
{
    ++m_dropped;
    ++m_droppedSinceLog;
    if (m_sinceDropLogged.isValid() && m_sinceDropLogged.elapsed() < DropLogIntervalMs)
        return;
    qCWarning(lcFieldbus).noquote() << "CAN relay: line from port" << socket->peerPort() << "dropped (" << why
                                    << "):" << line.left(64).toPercentEncoding(" #:") << "-"
                                    << m_droppedSinceLog << "dropped since the last report";
    m_droppedSinceLog = 0;
    m_sinceDropLogged.start();
}

void CanRelay::forward(QTcpSocket *from, const QByteArray &bus, const QByteArray &text)
{
    QList<QTcpSocket *> stalled;
    for (auto it = m_clients.constBegin(); it != m_clients.constEnd(); ++it) {
        QTcpSocket *to = it.key();
        if (to == from || it.value().bus != bus)
            continue;
        // A client that does not read must not make this process run out of memory.
        if (to->bytesToWrite() > MaxBacklogBytes) {
            stalled << to;
            continue;
        }
        to->write(text);
    }
    for (QTcpSocket *to : qAsConst(stalled)) {
        qCWarning(lcFieldbus) << "CAN relay: a client on port" << to->peerPort() << "does not read; disconnected";
        to->abort();
    }
}

void CanRelay::remove(QTcpSocket *socket)
{
    if (m_clients.remove(socket))
        socket->deleteLater();
}
