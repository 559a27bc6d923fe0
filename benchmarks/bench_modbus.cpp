// Modbus transactions per second over the pseudo-terminal against the simulated IO
// board, for reads of 1, 10 and 30 registers. The 20 ms request spacing allows at most
// 50 a second; the figures show how close the master comes and what one round trip costs.
#include "ioboardsimulator.h"
#include "ioregistermap.h"
#include "qmodbusmaster.h"
#include "qmodbuspollinfo.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace {

struct Figures {
    int done = 0;
    double perSecond = 0;
    double roundTripMs = 0;
};

Figures run(QModbusMaster &master, int registers, int transactions)
{
    QModbusPollInfo info(registers);
    info.set_replyTimeout(100);
    QElapsedTimer clock;
    QElapsedTimer roundTrip;
    qint64 roundTripNs = 0;
    qint64 firstIssueNs = -1;
    qint64 lastIssueNs = 0;
    Figures f;
    QEventLoop loop;
    QObject::connect(&info, &QModbusPollInfo::pollRequestIssued, [&] {
        roundTrip.start();
        lastIssueNs = clock.nsecsElapsed();
        if (firstIssueNs < 0)
            firstIssueNs = lastIssueNs;
    });
    auto next = [&] {
        if (f.done == transactions) {
            loop.quit();
            return;
        }
        master.holdingRegistersRead(IoRegisterMap::IoBoardNode, IoRegisterMap::HeaterTemperatureFirst,
                                    quint8(registers), 0, &info);
    };
    QObject::connect(&info, &QModbusPollInfo::pollReplyGood, [&] {
        roundTripNs += roundTrip.nsecsElapsed();
        ++f.done;
        next();
    });
    QObject::connect(&info, &QModbusPollInfo::pollReplyTimedOut, [&] { next(); });
    clock.start();
    next();
    loop.exec();
    // Rate between request starts, the quantity the spacing bounds.
    const double seconds = (lastIssueNs - firstIssueNs) / 1e9;
    f.perSecond = seconds > 0 ? (f.done - 1) / seconds : 0;
    f.roundTripMs = f.done ? roundTripNs / 1e6 / f.done : 0;
    return f;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int transactions = argc > 1 ? qMax(1, atoi(argv[1])) : 100;
    IoBoardSimulator simulator;
    if (!simulator.open())
        return 1;
    QModbusMaster master;
    if (!master.openSerialPort(simulator.devicePath()))
        return 1;
    master.start();
    QCoreApplication::processEvents();

    std::printf("Modbus RTU over a pseudo-terminal against the simulated IO board\n");
    std::printf("%d reads each; the %d ms spacing allows at most %.0f transactions/s\n\n",
                transactions, QModbusMaster::RequestSpacingMs, 1000.0 / QModbusMaster::RequestSpacingMs);
    std::printf("%10s %14s %16s %18s\n", "registers", "transactions", "per second", "round trip (ms)");
    for (int registers : {1, 10, 30}) {
        const Figures f = run(master, registers, transactions);
        std::printf("%10d %14d %16.1f %18.3f\n", registers, f.done, f.perSecond, f.roundTripMs);
    }
    return 0;
}
