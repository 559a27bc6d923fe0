// Adds HACCP records named "<label> <number>" (label: the first argument) to the log one
// after another for ever, printing the number of each record once its rewrite has ended;
// the kill test stops it at random moments.
#include "filelogworker.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // Its own process group, so that the test's "power cut" also ends the sync and mv
    // the worker runs: one left running would complete a rewrite after the cut.
    setpgid(0, 0);
    QCoreApplication app(argc, argv);
    const QString label = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Kill");
    FileLogWorker worker;
    QString result;
    QObject::connect(&worker, &FileLogWorker::addHaccpDone, [&result](const QString &r) { result = r; });
    for (int i = 0;; ++i) {
        HaccpData data;
        data.name = QStringLiteral("%1 %2").arg(label).arg(i);
        data.date = QStringLiteral("2024/05/14");
        data.time = QStringLiteral("06:00:00");
        data.duration = QStringLiteral("----");
        worker.doAddHaccpDataLog(FileLogWorker::packRecord(data));
        if (result != FileLogWorker::OkResult)
            return 1;
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}
