#include "cabinetmanager.h"
#include "cleanstop.h"
#include "dqsnplusidreader.h"
#include "fieldbusmetatypes.h"
#include "heappolicy.h"
#include "logprefix.h"
#include "trayinfo.h"
#include "tulgeneraldefs.h"
#include "tuloptions.h"
#include "vncport.h"

#include <QDBusConnection>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScopedPointer>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Before the first large block: the cabinet runs for months.
    HeapPolicy::apply();
    // Before the application: the usage needs no screen.
    if (TulOptions::wantsHelp(argc, argv)) {
        std::fputs(TulOptions::usage(), stdout);
        return 0;
    }
    // Lines wait for the display's role (the personality says it) to start with it.
    LogPrefix::hold();
    // The screen's script functions run some hundreds of times while the first frame is made
    // (every tile fits its texts) and afterwards rarely, or once a second: machine code made
    // at a function's third call costs the first frame milliseconds and saves nothing later.
    // A function is compiled once it has run a thousand times (a countdown's after about a
    // minute). The environment's own setting wins.
    if (!qEnvironmentVariableIsSet("QV4_JIT_CALL_THRESHOLD"))
        qputenv("QV4_JIT_CALL_THRESHOLD", "1000");
    // A screen served over VNC needs its port: without it nobody sees or touches the cabinet.
    const int vncPort = VncPort::requested(argc, argv);
    if (vncPort >= 0) {
        const QString why = VncPort::unavailable(vncPort);
        if (!why.isEmpty()) {
            std::fprintf(stderr, "Cannot serve the screen over VNC on port %d: %s\n", vncPort, qPrintable(why));
            return 1;
        }
    }
    QGuiApplication app(argc, argv);
    // SIGTERM and SIGINT quit the event loop; the managers' teardown then finishes their writes.
    CleanStop::install();
    // Two slow firsts run beside the back end's start-up: the connection to the system bus
    // (the cloud agent's link, made when the back end is built) and the font database's
    // first scan (fontconfig's configuration and every installed face). Both are
    // thread-safe; whoever needs one first finds it ready or waits for it.
    QScopedPointer<QThread> warmUp(QThread::create([] {
        QDBusConnection::systemBus();
        QFontDatabase().families();
    }));
    warmUp->start();
    registerFieldbusMetaTypes();
    qRegisterMetaType<trayInfo>("trayInfo");
    TulDefs::registerQmlType();

    const TulOptions options = TulOptions::parse(QCoreApplication::arguments());
    // A plain start shows one summary line per subsystem: the program's own debug lines
    // only when QT_LOGGING_RULES asks for them (it wins over these rules). The virtual CAN
    // bus's plugin calls a display that joins the bus another one serves a failure
    // ("already in use"); the program says so itself.
    QString rules = QStringLiteral("tul.*.debug=false");
    if (options.simulation)
        rules += QStringLiteral("\nqt.canbus.plugins.virtualcan.info=false");
    QLoggingCategory::setFilterRules(rules);
    DqsnPlusIDReader idReader;
    const int connectorId = options.idConnector >= 0 ? options.idConnector : idReader.get_orientationId();
    const int simulationFlags = options.simulation ? 7 : 0;

    // The user-interface thread runs the holding timers: it must not be starved.
    QThread::currentThread()->setPriority(QThread::TimeCriticalPriority);
    QGuiApplication::setOrganizationName(QStringLiteral("Korvane"));
    QGuiApplication::setApplicationName(QStringLiteral("TUL"));

    CabinetManager cabinetManager(connectorId, simulationFlags);
    const int status = app.exec();
    warmUp->wait();
    return status;
}
