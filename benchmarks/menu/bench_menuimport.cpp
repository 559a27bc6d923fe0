// Prints how long a menu import takes, from the update screen's call to its report
// (the files saved), for a binary file and a JSON file of 100 products and groups (the
// JSON one with 10 day parts), and how long the export takes; each in rounds alternated
// with its floor: the same file read and, for JSON, parsed by QJsonDocument, and the
// same bytes saved durably through the same chains (the binary import also keeps the
// old products list and writes the new one). Runs in scratch folders with the tool
// stand-ins for "/bin/sync" and "/bin/mv" on both sides.
//
//   bench_menuimport [rounds]
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "floorsave.h"
#include "menumanager.h"
#include "orvantaproxy.h"
#include "rounds.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QByteArray readPlain(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    core.configManagerPtr = &config;
    OrvantaProxy proxy(&core);
    proxy.connectAppliers(&config, &menu, &dayParts);

    // The files each import writes, as the program wrote them in a first import.
    const QString floorDir = scratch.path() + QStringLiteral("/floor/");
    QDir().mkpath(floorDir);
    QTextStream out(stdout);
    out << "menu import and export in the data root of a scratch folder\n";
    for (const char *name : {"bench_100.tul", "bench_100.json"}) {
        const QString file = QLatin1String(name);
        const bool binary = file.endsWith(QLatin1String(".tul"));
        importOnce(proxy, file);
        const QVector<FloorSave::File> chained{
            {floorDir + QStringLiteral("menu.json"), readPlain(root + QStringLiteral("menu.json"))},
            {floorDir + QStringLiteral("dayParts.json"), readPlain(root + QStringLiteral("dayParts.json"))}};
        const FloorSave::File list{floorDir + QStringLiteral("productsList.txt"),
                                   readPlain(root + QStringLiteral("productsList.txt"))};
        if (chained.at(0).data.isEmpty() || chained.at(1).data.isEmpty() || (binary && list.data.isEmpty()))
            qFatal("the import of %s wrote no files", name);
        int kept = 0;
        const Rounds r = Rounds::alternate(rounds, [&] { importOnce(proxy, file); }, [&] {
            const QByteArray bytes = readPlain(flash + file);
            if (binary) {
                // The old list is kept under a new name before the new one is written.
                const QString old = list.path + QStringLiteral("_%1").arg(++kept);
                if ((QFile::exists(list.path) && !QFile::rename(list.path, old)) || !FloorSave::plainSave(list)
                    || !FloorSave::startDetached(QStringLiteral("/bin/sync")))
                    qFatal("cannot save the list");
            } else if (!QJsonDocument::fromJson(bytes).isObject()) {
                qFatal("cannot parse %s", name);
            }
            if (bytes.isEmpty() || !FloorSave::chainSave(chained))
                qFatal("cannot save the menu");
        });
        out << r.report(binary ? QStringLiteral("import binary, 100 products and groups, 2 day parts")
                               : QStringLiteral("import JSON, 100 products and groups, 10 day parts"),
                        binary ? QStringLiteral("read; products list kept and saved; menu.json and "
                                                "dayParts.json through their chains")
                               : QStringLiteral("read, QJsonDocument parse; menu.json and dayParts.json "
                                                "through their chains"));
    }

    // The export writes MENU_.json anew each round; the floor formats the same document
    // from its parsed form and saves it the same way.
    const QString exported = flash + QStringLiteral("MENU_.json");
    QFile::remove(exported);
    proxy.exportOrvantaJsonFile();
    const QJsonDocument document = QJsonDocument::fromJson(readPlain(exported));
    if (!document.isObject() || document.toJson() != readPlain(exported))
        qFatal("the export did not write the expected MENU_.json");
    const Rounds r = Rounds::alternate(rounds, [&] {
        QFile::remove(exported);
        proxy.exportOrvantaJsonFile();
    }, [&] {
        QFile::remove(floorDir + QStringLiteral("MENU_.json"));
        if (!FloorSave::plainSave({floorDir + QStringLiteral("MENU_.json"), document.toJson()})
            || !FloorSave::startDetached(QStringLiteral("/bin/sync")))
            qFatal("cannot export");
    });
    out << r.report(QStringLiteral("export JSON"),
                    QStringLiteral("QJsonDocument text of the same document, written durably"));
    return 0;
}
