// A program stopped by the signals the test sends it: says "ready" once its handlers are
// in place and "stopping" when a stop signal was taken. Without an argument it holds a
// write that never ends; with one, nothing is under way until its stop action begins a
// save of that many ms, which says "saved" as it ends.
#include "cleanstop.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (!CleanStop::install())
        return 2;
    const int saveMs = argc > 1 ? QByteArray(argv[1]).toInt() : -1;
    std::unique_ptr<CleanStop::PendingWrite> write;
    if (saveMs < 0)
        write.reset(new CleanStop::PendingWrite);
    QObject here;
    CleanStop::atStop(&here, [&] {
        std::printf("stopping\n");
        std::fflush(stdout);
        if (saveMs < 0)
            return;
        write.reset(new CleanStop::PendingWrite);
        QTimer::singleShot(saveMs, &here, [&write] {
            std::printf("saved\n");
            std::fflush(stdout);
            write.reset();
        });
    });
    QTimer::singleShot(0, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    return app.exec() == 0 ? 0 : 1;
}
