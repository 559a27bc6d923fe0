// Prints how long a menu import takes, from the update screen's call to its report
// (the files saved), for a binary file and a JSON file of 100 products and groups (the
// JSON one with 10 day parts), and how long the export takes; each beside reading or
// writing the same bytes with QFile alone. Runs in scratch folders with the tool
// stand-ins for "/bin/sync" and "/bin/mv".
//
//   bench_menuimport [rounds]
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "menumanager.h"
#include "orvantaproxy.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

QVector<double> timeRounds(int rounds, const std::function<void()> &run)
{
    QVector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ms << timer.nsecsElapsed() / 1e6;
    }
    return ms;
}

QByteArray readPlain(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writePlain(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Imports and waits for the report; a failed import ends the benchmark.
void importOnce(OrvantaProxy &proxy, const QString &name)
{
    QEventLoop loop;
    bool ok = false;
    auto done = QObject::connect(&proxy, &OrvantaProxy::orvantaDataImported, &loop, [&] { ok = true; loop.quit(); });
    auto failed = QObject::connect(&proxy, &OrvantaProxy::orvantaDataImportFailed, &loop, [&] { loop.quit(); });
    proxy.importMenuFile(name);
    if (proxy.isImporting())
        loop.exec();
    QObject::disconnect(done);
    QObject::disconnect(failed);
    if (!ok)
        qFatal("the import of %s failed", qPrintable(name));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 10;
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 1;
    const QString root = scratch.path() + QStringLiteral("/root/");
    const QString flash = scratch.path() + QStringLiteral("/flash/");
    QDir().mkpath(root);
    QDir().mkpath(flash);
    qputenv("TUL_ROOT_DIR", QFile::encodeName(root));
    qputenv("TUL_FLASH_DIR", QFile::encodeName(flash));
    if (qEnvironmentVariableIsEmpty("TUL_TOOLS_DIR"))
        qputenv("TUL_TOOLS_DIR", STANDINS_DIR);
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");

    for (const char *name : {"bench_100.tul", "bench_100.json"})
        QFile::copy(QStringLiteral(MENUIMPORT_FIXTURES "/") + QLatin1String(name), flash + QLatin1String(name));

    FakeCabinetCore core;
    MenuManager menu(&core);
    core.menuManagerPtr = &menu;
    menu.menuLoadJsonDocFile();
    DayPartManager dayParts(5, 4, &menu, &core);
    core.daypartManagerPtr = &dayParts;
    OrvantaProxy proxy(&core);

    QTextStream out(stdout);
    out << "menu import and export, median of " << rounds << " rounds (ms)\n";
    auto report = [&out](const char *what, const QVector<double> &work, const QVector<double> &plain) {
        const double w = median(work), p = median(plain);
        out << QStringLiteral("%1: %2 ms; QFile alone %3 ms; ratio %4\n")
                   .arg(QLatin1String(what))
                   .arg(w, 0, 'f', 2)
                   .arg(p, 0, 'f', 3)
                   .arg(p > 0 ? w / p : 0, 0, 'f', 0);
    };

    for (const char *name : {"bench_100.tul", "bench_100.json"}) {
        const QString file = QLatin1String(name);
        const auto work = timeRounds(rounds, [&] { importOnce(proxy, file); });
        const auto plain = timeRounds(rounds, [&] { readPlain(flash + file); });
        report(file.endsWith(QLatin1String(".tul")) ? "import binary, 100 products and groups, 2 day parts"
                                                    : "import JSON, 100 products and groups, 10 day parts",
               work, plain);
    }

    QByteArray exported;
    const auto work = timeRounds(rounds, [&] {
        QDir(flash).removeRecursively();
        QDir().mkpath(flash);
        proxy.exportOrvantaJsonFile();
    });
    for (const QString &name : QDir(flash).entryList(QDir::Files))
        exported = readPlain(flash + name);
    const auto plain = timeRounds(rounds, [&] { writePlain(flash + QStringLiteral("plain.json"), exported); });
    report("export JSON", work, plain);
    return 0;
}
