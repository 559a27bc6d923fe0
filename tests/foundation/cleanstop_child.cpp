// A program with a write that never ends, stopped by the signals the test sends it: says
// "ready" once its handlers are in place and "stopping" when a stop signal was taken.
#include "cleanstop.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (!CleanStop::install())
        return 2;
    CleanStop::PendingWrite write;
    QObject here;
    CleanStop::atStop(&here, [] {
        std::printf("stopping\n");
        std::fflush(stdout);
    });
    QTimer::singleShot(0, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    return app.exec() == 0 ? 0 : 1;
}
