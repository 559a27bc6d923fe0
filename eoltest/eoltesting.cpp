#include "eoltesting.h"

#include "cabinetcore.h"
#include "cabinetidentity.h"
#include "configurationmanager.h"
#include "eolcabinet.h"
#include "heappolicy.h"

#include <QDebug>
#include <QHostAddress>
#include <QJsonValue>
#include <QLoggingCategory>
#include <QSignalTransition>
#include <QState>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>


namespace {

const QString Pass = QStringLiteral("pass");
const QString Fail = QStringLiteral("fail");
const QString Start = QStringLiteral("Start");
const QString EndOfLineTestResponse = QStringLiteral("EndOfLineTestResponse");

// Until the root hands in the cabinet: no IO board, no tags, links sound.
class NoCabinet : public EolCabinet
{
public:
    void eolTempTestAllHeaters(bool) override {}
    bool eolTempTestSingleHeater(int, int) override { return false; }
    int eolGetActualTemp(int, int) const override { return 0; }
    QString eolGetTempErrorDescription(int, int) const override { return QStringLiteral("NO ERROR"); }
    void restoreHolding() override {}
    int numOfNfcBoards() const override { return 0; }
    bool ioCommErrorDetected() const override { return false; }
    bool nfcErrorDetected() const override { return false; }
    bool sibLinkBroken() const override { return false; }
    bool canLinkBroken() const override { return false; }
    quint64 tagUidAtBin(int) const override { return 0; }
};

NoCabinet noCabinet;

} // namespace

EolTesting::EolTesting(QObject *parent, quint16 tcpPort, quint16 udpPort)
    : P4StateMachine(parent)
    , m_udpSocket(new QUdpSocket(this))
    , m_tcpServer(new QTcpServer(this))
    , m_cabinet(&noCabinet)
    , m_udpPort(udpPort)
{
    m_udpSocket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_udpSocket->setSocketOption(QAbstractSocket::TypeOfServiceOption, 32);
    connect(m_udpSocket, &QUdpSocket::errorOccurred, this, &EolTesting::networkErrorHandler);

    // Every local address, IPv4 and IPv6. A port in use leaves the test unreachable;
    // the cabinet works on without it.
    if (!m_tcpServer->listen(QHostAddress::Any, tcpPort))
        qCDebug(lcEolTest) << "End-of-line test server not listening:" << m_tcpServer->errorString();
    connect(m_tcpServer, &QTcpServer::newConnection, this, &EolTesting::acceptIncomingConnection);
    connect(m_tcpServer, &QTcpServer::acceptError, this, &EolTesting::networkErrorHandler);

    // A coarse timer may fire 5 % early and cut off a chunk that arrives in time.
    m_timerTcpReqTimeout.setTimerType(Qt::PreciseTimer);
    m_timerStationSilence.setSingleShot(true);
    m_timerStationSilence.setInterval(StationSilenceMs);
    connect(&m_timerStationSilence, &QTimer::timeout, this, &EolTesting::stationSilent);
    m_timerHandshake.setSingleShot(true);
    m_timerHandshake.setInterval(HandshakeTimeoutMs);
    connect(&m_timerHandshake, &QTimer::timeout, this, &EolTesting::noHandshake);

    buildMachine();
}

EolTesting::~EolTesting()
{
    // The sockets die with the server, after this object: nothing of theirs may reach us.
    m_tcpServer->disconnect(this);
    if (m_tcpSocket)
        m_tcpSocket->disconnect(this);
}

void EolTesting::buildMachine()
{
    QState *idle = addNamedState(QStringLiteral("idle"));
    QState *udpBroadCast = addNamedState(QStringLiteral("udpBroadCast"));
    QState *tcpClientConnected = addNamedState(QStringLiteral("tcpClientConnected"));
    QState *eolDisconnected = addNamedState(QStringLiteral("eolDisconnected"), tcpClientConnected);
    QState *eolClientConnected = addNamedState(QStringLiteral("eolClientConnected"), tcpClientConnected);
    tcpClientConnected->setInitialState(eolDisconnected);
    setInitialState(idle);
    // The tracer shows state names in quotes.
    for (QState *state : {idle, udpBroadCast, tcpClientConnected, eolDisconnected, eolClientConnected})
        state->setObjectName(QLatin1Char('"') + state->objectName() + QLatin1Char('"'));

    const auto add = [this](QState *source, const QObject *sender, const char *signal, QState *target,
                            const char *name, const char *trigger, const char *slot = nullptr) {
        QSignalTransition *t = addNamedTransition(source, sender, signal, target, QLatin1String(name), slot);
        const QString action = slot ? QStringLiteral("this->%1\n").arg(signatureText(slot)) : QString();
        nameTransition(t, QLatin1String(name), QLatin1String(trigger), action);
    };
    add(idle, this, SIGNAL(udpBroadCastStartReq()), udpBroadCast, "t_udpBroadCastStart",
        "this::udpBroadCastStartReq()");
    add(idle, this, SIGNAL(tcpClientConnected()), tcpClientConnected, "t_tcpClientConnected",
        "this::tcpClientConnected()");
    add(udpBroadCast, &m_timerUdpBroadcast, SIGNAL(timeout()), nullptr, "t_udpBroadCastTimeOut",
        "&m_timerUdpBroadcast::timeout()", SLOT(sendUdpbroadcast()));
    add(udpBroadCast, this, SIGNAL(tcpClientConnected()), tcpClientConnected, "t_tcpClientConnected2",
        "this::tcpClientConnected()");
    add(tcpClientConnected, this, SIGNAL(tcpClientDisconnected()), idle, "t_tcpClientDisconnected",
        "this::tcpClientDisconnected()");
    add(tcpClientConnected, this, SIGNAL(eolClientConnected()), eolClientConnected, "t_eolClientConnected",
        "this::eolClientConnected()");
    add(tcpClientConnected, this, SIGNAL(tcpClientDataReceived()), nullptr, "t_tcpDataReceived",
        "this::tcpClientDataReceived()", SLOT(getRceivedData()));
    add(tcpClientConnected, &m_timerTcpReqTimeout, SIGNAL(timeout()), nullptr, "t_tcpRequestTimeOut",
        "&m_timerTcpReqTimeout::timeout()", SLOT(tcpRequestIsIncomplete()));
    add(tcpClientConnected, this, SIGNAL(eolClientRequestReceived()), nullptr, "t_tcpClientRequestReceived",
        "this::eolClientRequestReceived()", SLOT(tcpClientProcessRequest()));
    add(eolClientConnected, &m_timerNfcTest, SIGNAL(timeout()), nullptr, "t_nfcTestTimeOut",
        "&m_timerNfcTest::timeout()", SLOT(nfcTestResponse()));
    // Found before the parent's t_tcpClientRequestReceived: an open test run takes the request.
    add(eolClientConnected, this, SIGNAL(eolClientRequestReceived()), nullptr, "t_eolClientRequestReceived",
        "this::eolClientRequestReceived()", SLOT(eolClientProcessRequest()));
    // Leaves and re-enters the parent, so its exit and entry run and eolDisconnected follows.
    add(eolClientConnected, this, SIGNAL(eolClientDisconnected()), tcpClientConnected,
        "t_eolClientDisconnected", "this::eolClientDisconnected()");
    add(eolClientConnected, &m_timerErrorStatus, SIGNAL(timeout()), nullptr, "t_commErrorsStatus",
        "&m_timerErrorStatus::timeout()", SLOT(sendStatusResponse()));
}

CabinetCore *EolTesting::core() const
{
    return CabinetCore::of(this);
}

ConfigurationManager *EolTesting::config() const
{
    CabinetCore *c = core();
    return c ? c->configManager() : nullptr;
}

void EolTesting::setCabinet(EolCabinet *cabinet)
{
    m_cabinet = cabinet ? cabinet : &noCabinet;
}

void EolTesting::setStationSilenceTimeout(int milliseconds)
{
    m_timerStationSilence.setInterval(qMax(1, milliseconds));
}

void EolTesting::setHandshakeTimeout(int milliseconds)
{
    m_timerHandshake.setInterval(qMax(1, milliseconds));
}

quint16 EolTesting::serverPort() const
{
    return m_tcpServer->serverPort();
}

bool EolTesting::isListening() const
{
    return m_tcpServer->isListening();
}

void EolTesting::setEolTestStarted(bool value)
{
    if (m_eolTestStarted == value)
        return;
    m_eolTestStarted = value;
    emit eolTestStartedChanged(value);
}

// ---- announcement ------------------------------------------------------------------------

void EolTesting::startUdpbroadcast()
{
    emit udpBroadCastStartReq();
}

void EolTesting::sendUdpbroadcast()
{
    ConfigurationManager *settings = config();
    CabinetCore *cabinet = core();
    if (!settings || !cabinet)
        return;
    const QString broadcast = settings->get_wifiBroadcast();
    const QString address = settings->get_wifiIpAddr();
    if (!settings->get_wifiEnabled())
        return;
    const int traysPerRow = EolProtocol::traysPerRow(cabinet->get_zonesPerRow(), cabinet->get_traysPerZone(),
                                                     cabinet->get_singleColumnUnit());
    const QByteArray datagram = EolProtocol::announcement(address, cabinet->get_numberOfRows(), traysPerRow);
    const QHostAddress destination(broadcast);
    if (destination.isNull() || (m_loopbackOnly && !destination.isLoopback())) {
        if (!m_destinationReported)
            qCDebug(lcEolTest) << "No announcement: broadcast address" << broadcast << "not usable";
        m_destinationReported = true;
        return;
    }
    m_destinationReported = false;
    m_udpSocket->writeDatagram(datagram, destination, m_udpPort);
}

// ---- the station's connection ------------------------------------------------------------

void EolTesting::acceptIncomingConnection()
{
    while (QTcpSocket *socket = m_tcpServer->nextPendingConnection()) {
        if (m_clientIsConnected) {
            // While the technician's announcement window is open, a station is expected:
            // it takes the place of a connection that never opened a test run.
            if (m_stationTrusted || !m_tcpSocket || !inAnnouncementWindow()) {
                qCDebug(lcEolTest) << "A second test station was turned away";
                socket->abort();
                socket->deleteLater();
                continue;
            }
            qCInfo(lcEolTest) << "A connection without a test run made way for a new station";
            m_tcpSocket->disconnect(this);
            m_tcpSocket->abort();
            releaseStation();
        }
        m_tcpSocket = socket;
        m_receivedData.clear();
        // Unread bytes stay in the system's buffers, not ours (a display that does not
        // answer never reads them).
        socket->setReadBufferSize(EolProtocol::MaxRequestBytes);
        connect(socket, &QTcpSocket::readyRead, this, &EolTesting::tcpClientConnectionHandler);
        connect(socket, &QTcpSocket::disconnected, this, &EolTesting::tcpSocketDisconnected);
        connect(socket, &QTcpSocket::errorOccurred, this, &EolTesting::networkErrorHandler);
        m_clientIsConnected = true;
        m_stationTrusted = false;
        m_timerStationSilence.start();
        m_timerHandshake.start();
        emit tcpClientConnected();
    }
}

void EolTesting::tcpSocketDisconnected()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (socket && socket != m_tcpSocket) {
        socket->deleteLater();
        return;
    }
    releaseStation();
}

void EolTesting::releaseStation()
{
    m_timerStationSilence.stop();
    m_timerHandshake.stop();
    if (m_tcpSocket) {
        // Not deleted here: we may be inside its own signal.
        m_tcpSocket->disconnect(this);
        m_tcpSocket->deleteLater();
        m_tcpSocket = nullptr;
    }
    m_receivedData.clear();
    m_clientIsConnected = false;
    emit tcpClientDisconnected();
}

void EolTesting::tcpClientConnectionHandler()
{
    if (!m_tcpSocket || m_tcpSocket->bytesAvailable() <= 0)
        return;
    emit tcpClientDataReceived();
}

void EolTesting::stationSilent()
{
    if (!m_tcpSocket)
        return;
    qCInfo(lcEolTest) << "Test station silent for" << m_timerStationSilence.interval() / 1000
                      << "s: connection closed";
    m_tcpSocket->abort();
}

void EolTesting::noHandshake()
{
    if (!m_tcpSocket || m_stationTrusted)
        return;
    qCInfo(lcEolTest) << "No test run opened within" << m_timerHandshake.interval() / 1000
                      << "s of connecting: connection closed";
    m_tcpSocket->abort();
}

void EolTesting::networkErrorHandler(QAbstractSocket::SocketError socketError)
{
    const QString name = EolProtocol::socketErrorName(int(socketError));
    if (socketError == QAbstractSocket::SocketTimeoutError && m_tcpSocket && sender() == m_tcpSocket)
        m_tcpSocket->abort();
    qCDebug(lcEolTest).noquote() << name;
}

// ---- request framing ---------------------------------------------------------------------

void EolTesting::getRceivedData()
{
    if (!m_tcpSocket || m_tcpSocket->bytesAvailable() <= 0)
        return;
    m_timerTcpReqTimeout.stop();
    m_receivedData.append(HeapPolicy::readAvailable(m_tcpSocket));
    if (m_receivedData.size() > EolProtocol::MaxRequestBytes) {
        qCWarning(lcEolTest) << "Request longer than" << EolProtocol::MaxRequestBytes
                             << "bytes: test station dropped";
        m_receivedData.clear();
        writeReply(EolProtocol::reply(EndOfLineTestResponse, Fail));
        m_tcpSocket->disconnectFromHost();
        return;
    }
    const EolProtocol::Request request = EolProtocol::parse(m_receivedData);
    if (request.refused) {
        qCWarning(lcEolTest) << "Request names a key twice: refused";
        m_receivedData.clear();
        writeReply(EolProtocol::reply(EndOfLineTestResponse, Fail));
    } else if (request.complete) {
        m_timerTcpReqTimeout.stop();
        // Only whole requests count: blanks and a line that never ends do not keep a
        // connection alive.
        m_timerStationSilence.start();
        emit eolClientRequestReceived();
    } else {
        // Counts from the last chunk.
        m_timerTcpReqTimeout.start();
    }
}

void EolTesting::tcpRequestIsIncomplete()
{
    qCDebug(lcEolTest) << "Request is incomplete. Data received = " << m_receivedData.left(LoggedRequestBytes);
    m_receivedData.clear();
    writeReply(EolProtocol::reply(EndOfLineTestResponse, Fail));
}

void EolTesting::writeReply(const QJsonObject &reply)
{
    if (!reply.contains(QLatin1String("event")))
        return;
    if (!m_tcpSocket || m_tcpSocket->state() != QAbstractSocket::ConnectedState)
        return;
    m_tcpSocket->write(EolProtocol::replyBytes(reply));
}

// ---- requests ----------------------------------------------------------------------------

void EolTesting::tcpClientProcessRequest()
{
    const EolProtocol::Request request = EolProtocol::parse(m_receivedData);
    bool opens = request.text("event") == QLatin1String("EndOfLineTest") && request.text("command") == Start;
    if (opens && !handshakeAllowed()) {
        reportRefusedHandshake();
        opens = false;
    }
    if (opens) {
        m_stationTrusted = true;
        m_timerHandshake.stop();
    }
    writeReply(EolProtocol::reply(EndOfLineTestResponse, opens ? Pass : Fail));
    m_receivedData.clear();
    if (opens)
        emit eolClientConnected();
}

void EolTesting::eolClientProcessRequest()
{
    const EolProtocol::Request request = EolProtocol::parse(m_receivedData);
    const QString event = request.text("event");
    const bool start = request.text("command") == Start;
    QJsonObject reply;

    if (event == QLatin1String("EndOfLineTest")) {
        const bool stop = request.text("command") == QLatin1String("Stop");
        reply = EolProtocol::reply(EndOfLineTestResponse, stop ? Pass : Fail);
        writeReply(reply);
        reply = QJsonObject();
        if (stop)
            emit eolClientDisconnected();
    } else if (event == QLatin1String("ConfigureSerialAndModel")) {
        if (start) {
            reply = configureSerialAndModel(request);
            emit systemInfoTestStart();
        } else {
            reply = EolProtocol::reply(QStringLiteral("ConfigureSerialAndModelResponse"), Fail);
        }
    } else if (event == QLatin1String("SoftwareVersionTest")) {
        reply = EolProtocol::reply(QStringLiteral("SoftwareVersionTestResponse"), getSoftwareVersions());
        emit systemInfoTestStart();
    } else if (event == QLatin1String("SpeakerTest")) {
        if (start)
            emit soundTestStart();
    } else if (event == QLatin1String("ScreenTest")) {
        if (start)
            emit displayTestStart();
    } else if (event == QLatin1String("TurnOffAllZones") || event == QLatin1String("HeaterTest")
               || event == QLatin1String("TurnOnAllZones")) {
        reply = zonesHeatingTest(request.object);
    } else if (event == QLatin1String("TagReadTest")) {
        if (start) {
            emit nfcTestStart();
            m_timerNfcTest.start();
        }
    } else if (event == QLatin1String("StopTagTest")) {
        if (start) {
            const bool running = m_timerNfcTest.isActive();
            m_timerNfcTest.stop();
            reply = EolProtocol::reply(QStringLiteral("StopTagTestResponse"), running ? Pass : Fail);
        }
    } else {
        reply = EolProtocol::reply(EndOfLineTestResponse, Fail);
    }
    writeReply(reply);
    m_receivedData.clear();
}

bool EolTesting::handshakeAllowed() const
{
    // A station that opened a run on this connection may open the next one after its stop.
    return m_stationTrusted || inAnnouncementWindow();
}

bool EolTesting::inAnnouncementWindow() const
{
    if (m_announcing)
        return true;
    return m_sinceAnnouncement.isValid() && m_sinceAnnouncement.elapsed() <= m_handshakeWindowMs;
}

void EolTesting::reportRefusedHandshake()
{
    // A scanner on the network must not fill the log.
    if (m_sinceRefusalLogged.isValid() && m_sinceRefusalLogged.elapsed() < RefusalLogIntervalMs) {
        ++m_refusalsNotLogged;
        return;
    }
    QHostAddress address = m_tcpSocket ? m_tcpSocket->peerAddress() : QHostAddress();
    bool mapped = false;
    const quint32 ipv4 = address.toIPv4Address(&mapped);
    if (mapped)
        address = QHostAddress(ipv4);
    qCWarning(lcEolTest).noquote() << "Test run refused: no announcement from the screen running or in the last"
                                   << m_handshakeWindowMs / 60000 << "minutes; station" << address.toString()
                                   << (m_refusalsNotLogged ? QStringLiteral("(%1 more refused since the last report)")
                                                                 .arg(m_refusalsNotLogged)
                                                           : QString());
    m_refusalsNotLogged = 0;
    m_sinceRefusalLogged.start();
}

QJsonObject EolTesting::configureSerialAndModel(const EolProtocol::Request &request)
{
    const QString event = QStringLiteral("ConfigureSerialAndModelResponse");
    ConfigurationManager *settings = config();
    const QJsonValue serial = request.object.value(QLatin1String("serial number"));
    const QJsonValue model = request.object.value(QLatin1String("model number"));
    const auto unsafe = [](const QJsonValue &v) { return v.isString() && !EolProtocol::acceptableNumber(v.toString()); };
    if (!settings || unsafe(serial) || unsafe(model)) {
        qCWarning(lcEolTest) << "Serial or model number refused: the identity file is left as it is";
        return EolProtocol::reply(event, Fail);
    }

    QString response = Fail;
    if (serial.isString() && !serial.toString().isEmpty()) {
        settings->set_serialNumber(serial.toString());
        response = Pass;
    }
    if (!model.isString()) {
        response = Fail;
    } else if (!model.toString().isEmpty()) {
        settings->set_modelNumber(model.toString());
        response = Pass;
    }
    // A cabinet whose numbers did not reach the file must not leave the line as passed.
    if (!settings->saveCabinetSerialModelNumbers())
        response = Fail;
    return EolProtocol::reply(event, response);
}

QString EolTesting::getSoftwareVersions()
{
    CabinetCore *cabinet = core();
    ConfigurationManager *settings = config();
    if (!cabinet || !settings)
        return QString();

    int ioBoards = 0;
    int readerBoards = 0;
    switch (cabinet->get_orientationId()) {
    case 1: // 5x4 primary
        ioBoards = 5, readerBoards = 2;
        break;
    case 9: // 2x4 primary
        ioBoards = 2, readerBoards = 1;
        break;
    case 17: // 2x2 primary
        ioBoards = 1, readerBoards = 1;
        break;
    case 32: // 5x2 primary
        ioBoards = 3, readerBoards = 1;
        break;
    default:
        ioBoards = cabinet->get_numIOBoards();
        readerBoards = m_cabinet->numOfNfcBoards();
        break;
    }

    QString text = QStringLiteral("UI1-") + QLatin1String(CabinetIdentity::ApplicationVersion) + QLatin1Char(',');
    if (cabinet->get_hasSecondaryDisplay())
        text += QStringLiteral("UI2-") + settings->get_theOtherUiFwVersion() + QLatin1Char(',');
    text += QStringLiteral("IoT-") + settings->get_iotSoftwareVersion() + QLatin1Char(',');
    const QString ioVersions[] = {settings->get_ioBoardFirmwareVersion0(), settings->get_ioBoardFirmwareVersion1(),
                                  settings->get_ioBoardFirmwareVersion2(), settings->get_ioBoardFirmwareVersion3(),
                                  settings->get_ioBoardFirmwareVersion4()};
    text += QStringLiteral("IO1-") + ioVersions[0];
    for (int k = 2; k <= 5 && k <= ioBoards; ++k)
        text += QStringLiteral(",IO%1-").arg(k) + ioVersions[k - 1];
    if (cabinet->get_nfcEnabled()) {
        text += QStringLiteral(",NFC1-") + settings->get_readerFirmwareVersion1();
        if (readerBoards > 1)
            text += QStringLiteral(",NFC2-") + settings->get_readerFirmwareVersion2();
    }
    return text;
}

QJsonObject EolTesting::zonesHeatingTest(QJsonObject requestObject)
{
    EolProtocol::Request request;
    request.object = requestObject;
    const QString event = request.text("event");
    const bool start = request.text("command") == Start;
    QJsonObject reply;

    if (event == QLatin1String("TurnOffAllZones") || event == QLatin1String("TurnOnAllZones")) {
        reply = EolProtocol::reply(event + QLatin1String("Response"), start ? Pass : Fail);
        if (start)
            m_cabinet->eolTempTestAllHeaters(event == QLatin1String("TurnOnAllZones"));
    } else if (event == QLatin1String("HeaterTest")) {
        reply = EolProtocol::reply(QStringLiteral("HeaterTestResponse"), Fail);
        const QString zoneText = request.text("zone");
        const QString heaterText = request.text("heaterIndex");
        int zone = 0;
        int heater = 0;
        if (start && EolProtocol::decimal(zoneText, &zone)) {
            reply.insert(QStringLiteral("zone"), zoneText);
            CabinetCore *cabinet = core();
            const int zones = cabinet ? cabinet->get_numberOfZones() : 0;
            // 64-bit: zone - 1 must not wrap for the most negative zone.
            if (EolProtocol::decimal(heaterText, &heater) && qint64(zone) - 1 < zones) {
                reply.insert(QStringLiteral("heaterIndex"), heaterText);
                // Zones below 1 and heaters other than 0 and 1 never reach the IO board.
                const bool inCabinet = zone >= 1 && (heater == 0 || heater == 1);
                reply.insert(QStringLiteral("error"), inCabinet
                                                          ? m_cabinet->eolGetTempErrorDescription(zone - 1, heater)
                                                          : QStringLiteral("NO ERROR"));
                if (inCabinet && m_cabinet->eolTempTestSingleHeater(zone - 1, heater))
                    reply.insert(QStringLiteral("response"), Pass);
            }
        }
    }
    if (reply.value(QLatin1String("response")).toString() == Pass)
        emit heatingTestCommand();
    return reply;
}

// ---- reports -----------------------------------------------------------------------------

void EolTesting::nfcTestResponse()
{
    CabinetCore *cabinet = core();
    const int bins = cabinet ? cabinet->get_traysPerCabinet() : 0;
    QStringList items;
    for (int bin = 0; bin < bins; ++bin)
        items << (m_cabinet->tagUidAtBin(bin) != 0 ? QStringLiteral("1") : QStringLiteral("0"));
    writeReply(EolProtocol::reply(QStringLiteral("TagReadTestResponse"), items.join(QLatin1Char(','))));
}

void EolTesting::sendStatusResponse()
{
    const bool boardsSound = !m_cabinet->sibLinkBroken() && !m_cabinet->ioCommErrorDetected()
                             && !m_cabinet->nfcErrorDetected();
    const QString communication = (boardsSound ? Pass : Fail) + QLatin1Char(',')
                                  + (m_cabinet->canLinkBroken() ? Fail : Pass);
    writeReply(QJsonObject{{QStringLiteral("event"), QStringLiteral("StatusResponse")},
                           {QStringLiteral("communicationResponse"), communication},
                           {QStringLiteral("temperature"), getActualTemps()}});
}

QString EolTesting::getActualTemps()
{
    CabinetCore *cabinet = core();
    const int zones = cabinet ? cabinet->get_numberOfZones() : 0;
    QStringList items;
    for (int zone = 0; zone < zones; ++zone) {
        for (int heater = 0; heater < 2; ++heater) {
            items << QStringLiteral("Z%1%2-I%3-%4")
                         .arg(zone < 9 ? QStringLiteral("0") : QString())
                         .arg(zone + 1)
                         .arg(heater)
                         .arg(m_cabinet->eolGetActualTemp(zone, heater));
        }
    }
    return items.join(QLatin1Char(','));
}

// ---- states ------------------------------------------------------------------------------

void EolTesting::idle_onEntry()
{
    m_clientIsConnected = false;
    setEolTestStarted(false);
}

void EolTesting::idle_onExit() {}

void EolTesting::udpBroadCast_onEntry()
{
    m_destinationReported = false;
    m_announcing = true;
    m_timerUdpBroadcast.setInterval(UdpBroadcastIntervalMs);
    m_timerUdpBroadcast.setSingleShot(false);
    m_timerUdpBroadcast.start();
    emit udpBroadcastStarted();
}

void EolTesting::udpBroadCast_onExit()
{
    m_timerUdpBroadcast.stop();
    m_announcing = false;
    m_sinceAnnouncement.start();
}

void EolTesting::tcpClientConnected_onEntry()
{
    m_timerTcpReqTimeout.setInterval(RequestTimeoutMs);
    m_timerTcpReqTimeout.setSingleShot(true);
}

void EolTesting::tcpClientConnected_onExit()
{
    m_timerTcpReqTimeout.stop();
}

void EolTesting::eolDisconnected_onEntry() {}

void EolTesting::eolDisconnected_onExit() {}

void EolTesting::eolClientConnected_onEntry()
{
    m_cabinet->eolTempTestAllHeaters(false);
    m_timerNfcTest.setInterval(ReportIntervalMs);
    m_timerNfcTest.setSingleShot(false);
    m_timerErrorStatus.setInterval(ReportIntervalMs);
    m_timerErrorStatus.setSingleShot(false);
    m_timerErrorStatus.start();
    setEolTestStarted(true);
}

void EolTesting::eolClientConnected_onExit()
{
    m_timerNfcTest.stop();
    m_timerErrorStatus.stop();
    m_cabinet->restoreHolding();
}
