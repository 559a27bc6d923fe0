#include "cabinetmanager.h"
#include "dqsnplusidreader.h"
#include "fieldbusmetatypes.h"
#include "trayinfo.h"
#include "tulgeneraldefs.h"
#include "tuloptions.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScopedPointer>
#include <QThread>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    // The font database's first scan (fontconfig's configuration and every installed face)
    // takes milliseconds: it runs beside the back end's start-up. QFontDatabase is
    // thread-safe; the first text laid out finds the database ready or waits for it.
    QScopedPointer<QThread> fontScan(QThread::create([] { QFontDatabase().families(); }));
    fontScan->start();
    registerFieldbusMetaTypes();
    qRegisterMetaType<trayInfo>("trayInfo");
    TulDefs::registerQmlType();

    const TulOptions options = TulOptions::parse(QCoreApplication::arguments());
    DqsnPlusIDReader idReader;
    const int connectorId = options.idConnector >= 0 ? options.idConnector : idReader.get_orientationId();
    const int simulationFlags = options.simulation ? 7 : 0;

    // The user-interface thread runs the holding timers: it must not be starved.
    QThread::currentThread()->setPriority(QThread::TimeCriticalPriority);
    QGuiApplication::setOrganizationName(QStringLiteral("Korvane"));
    QGuiApplication::setApplicationName(QStringLiteral("TUL"));

    CabinetManager cabinetManager(connectorId, simulationFlags);
    app.installEventFilter(&cabinetManager);
    const int status = app.exec();
    fontScan->wait();
    return status;
}
