#include "cabinetmanager.h"
#include "dqsnplusidreader.h"
#include "fieldbusmetatypes.h"
#include "trayinfo.h"
#include "tulgeneraldefs.h"
#include "tuloptions.h"

#include <QGuiApplication>
#include <QThread>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
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
    return app.exec();
}
