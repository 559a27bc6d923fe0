// CAN file-transfer throughput between two CAN managers on a virtual CAN bus, and the
// share of the frames' bytes that carry payload (Start frames, block acknowledgements
// and the 29-bit identifiers being the cost of the framing).
#include "canbusmanager.h"
#include "cansendrequest.h"
#include "fieldbusmetatypes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTimer>

#include <cstdio>

namespace {

// A manager that counts what it puts on the bus.
class CountingManager : public CanbusManager
{
public:
    using CanbusManager::CanbusManager;
    qint64 frames = 0;
    qint64 dataBytes = 0;

protected:
    bool transmitFrame(const CanFrame &frame) override
    {
        const bool written = CanbusManager::transmitFrame(frame);
        if (written) {
            ++frames;
            dataBytes += frame.data().size();
        }
        return written;
    }
};

bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return condition();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    registerFieldbusMetaTypes();
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const QString bus = QStringLiteral("tcp://127.0.0.1:%1/can0").arg(probe.serverPort());
    probe.close();

    CountingManager sender("virtualcan", bus);
    CountingManager receiver("virtualcan", bus);
    sender.set_canId(1);
    receiver.set_canId(2);
    sender.start();
    receiver.start();
    if (!waitFor([&] { return sender.isBusConnected() && receiver.isBusConnected(); }, 5000)) {
        std::fprintf(stderr, "virtual CAN bus not reachable\n");
        return 1;
    }
    // Let the bus server learn both clients: wait until a message gets through.
    bool heard = false;
    QObject::connect(&receiver, &CanbusManager::singlePacketReceived, [&] { heard = true; });
    for (int i = 0; i < 100 && !heard; ++i) {
        auto *ping = new CanSendRequest;
        ping->set_data(QByteArray(1, '\0'));
        sender.enqueueSendRequest(ping);
        waitFor([&] { return heard; }, 20);
    }

    std::printf("CAN file transfer over virtualcan (%d-frame acknowledged blocks)\n\n", CanProtocol::BlockFrames);
    std::printf("%10s %12s %14s %10s %14s %16s\n", "file (KiB)", "time (ms)", "KiB/s", "frames",
                "payload/data", "payload/frame*");
    for (int kib : {16, 100, 1024}) {
        QByteArray file(64 + kib * 1024, '\0');
        for (int i = 0; i < file.size(); ++i)
            file[i] = char(i * 13);
        sender.frames = receiver.frames = sender.dataBytes = receiver.dataBytes = 0;
        bool arrived = false;
        auto connection = QObject::connect(&receiver, &CanbusManager::multiPacketReceived,
                                           [&](quint32, int, const QByteArray &data) { arrived = data == file; });
        auto *request = new CanSendRequest;
        request->set_frameId(1);
        request->set_multi(true);
        request->set_multiId(11);
        request->set_data(file);
        QElapsedTimer clock;
        clock.start();
        sender.enqueueSendRequest(request);
        if (!waitFor([&] { return arrived; }, 60000)) {
            std::fprintf(stderr, "transfer of %d KiB did not arrive\n", kib);
            return 1;
        }
        const double ms = clock.nsecsElapsed() / 1e6;
        QObject::disconnect(connection);
        const qint64 frames = sender.frames + receiver.frames;
        const qint64 dataBytes = sender.dataBytes + receiver.dataBytes;
        // A frame on the wire as SocketCAN holds it: 4 identifier bytes, 1 length byte, data.
        const qint64 frameBytes = dataBytes + 5 * frames;
        std::printf("%10d %12.1f %14.1f %10lld %13.1f%% %15.1f%%\n", kib, ms, (file.size() / 1024.0) / (ms / 1000.0),
                    static_cast<long long>(frames), 100.0 * file.size() / dataBytes,
                    100.0 * file.size() / frameBytes);
    }
    std::printf("\n* frame bytes counted as 4 identifier bytes + 1 length byte + data, both directions\n");
    return 0;
}
